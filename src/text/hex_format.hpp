// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace flex {

inline constexpr std::size_t kPairsPerLine = 16;
inline constexpr std::string_view kRuler = "00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F";

// Cuts a text into pairs of characters separated by one blank, no blank at the end.
std::string spacePairs(std::string_view text);

// One entry per byte of `record` (the last one may be a lone character): true where its
// characters are not those at the same place of `reference`, and for every byte past the
// reference's end. The comparison is exact: "b7" is not "B7".
std::vector<bool> differingBytes(std::string_view record, std::string_view reference);

}  // namespace flex
