// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace flex {

// True for exactly two characters from 0-9 and A-F: a byte as it stands in a record.
bool isHexByte(std::string_view pair);

// Value of a record byte, or nothing when the pair is no valid byte.
std::optional<int> hexByteValue(std::string_view pair);

// Sets (value 1) or clears (value 0) bit `bit` (1 = 0x01 ... 8 = 0x80) of a two-digit byte
// and returns the byte as two upper-case hex digits. Given anything but a valid byte, a value
// other than 0 or 1 or a bit outside 1..8, it returns its input unchanged.
std::string setByteBit(std::string_view byte, int value, int bit);

}  // namespace flex
