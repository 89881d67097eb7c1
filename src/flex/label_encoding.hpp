// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <string_view>

namespace flex {

inline constexpr std::size_t kLabelMaxLength = 12;

// Character position (from 1) of the low byte of label cell k (k = 1..12): 47, 51, ... 91.
constexpr std::size_t labelCellPosition(std::size_t k) { return 43 + 4 * k; }

// Writes the label (ANSI text) into a personal label record: the text is upper-cased and the
// code of character k becomes the two hex digits at labelCellPosition(k); characters after the
// twelfth are ignored, every other character of the record is kept. Codes below 0x10 are written
// with a leading zero. A cell that lies beyond the end of the record is not written.
std::string encodeLabel(std::string record, std::string_view ansiText);

}  // namespace flex
