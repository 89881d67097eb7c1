// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <string_view>

namespace flex {

// The 62 digits, value = position: 0-9, then A-Z (10..35), then a-z (36..61).
inline constexpr std::string_view kDigitAlphabet =
    "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

inline constexpr std::string_view kBadFirstBase = "bad first base";
inline constexpr std::string_view kBadFormatNumber = "bad format number";
inline constexpr std::string_view kBadSecondBase = "bad second base";

// Converts the digit text n1 of base b1 into digit text of base b2 (bases 2 to 62).
// "0" and "00" give "0" before any base is looked at; any other zero value gives "".
// Errors are returned as one of the three texts above. The working range is 0 to 2^31-1:
// a number beyond it is reported as "bad format number".
std::string convertBase(std::string_view n1, int b1, int b2);

}  // namespace flex
