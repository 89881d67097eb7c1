// SPDX-License-Identifier: GPL-3.0-or-later
#include "flex/label_encoding.hpp"

#include "text/ansi.hpp"

namespace flex {

std::string encodeLabel(std::string record, std::string_view ansiText) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  const std::string s = ansi::toUpper(ansiText);
  for (std::size_t k = 1; k <= kLabelMaxLength && k <= s.size(); ++k) {
    const std::size_t at = labelCellPosition(k) - 1;  // 0-based index of the first digit
    if (at + 2 > record.size()) break;
    const auto code = static_cast<unsigned char>(s[k - 1]);
    record[at] = kHex[code >> 4];
    record[at + 1] = kHex[code & 0x0F];
  }
  return record;
}

}  // namespace flex
