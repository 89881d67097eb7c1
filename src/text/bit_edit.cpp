// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/bit_edit.hpp"

#include "text/base_conversion.hpp"

namespace flex {
namespace {
bool isHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'); }

// `digits` with leading zeros up to `width` characters (a longer text stays as it is).
std::string zeroPadded(const std::string& digits, std::size_t width) {
  return digits.size() < width ? std::string(width - digits.size(), '0') + digits : digits;
}
}  // namespace

bool isHexByte(std::string_view pair) {
  return pair.size() == 2 && isHexDigit(pair[0]) && isHexDigit(pair[1]);
}

std::optional<int> hexByteValue(std::string_view pair) {
  if (!isHexByte(pair)) return std::nullopt;
  const std::string decimal = convertBase(pair, 16, 10);
  int value = 0;
  for (char c : decimal) value = value * 10 + (c - '0');
  return value;
}

std::string setByteBit(std::string_view byte, int value, int bit) {
  if (!isHexByte(byte) || (value != 0 && value != 1) || bit < 1 || bit > 8)
    return std::string(byte);
  std::string bits = zeroPadded(convertBase(byte, 16, 2), 8);
  bits[static_cast<std::size_t>(8 - bit)] = value == 1 ? '1' : '0';
  return zeroPadded(convertBase(bits, 2, 16), 2);
}

}  // namespace flex
