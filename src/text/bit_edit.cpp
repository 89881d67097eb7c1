// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/bit_edit.hpp"

#include "text/base_conversion.hpp"

namespace flex {
namespace {
bool isHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'); }
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

std::string setByteBit(std::string_view esadecimale, int valore, int bit) {
  if (!isHexByte(esadecimale) || (valore != 0 && valore != 1) || bit < 1 || bit > 8)
    return std::string(esadecimale);

  const std::string bits = convertBase(esadecimale, 16, 2);
  std::string s = "00000000";
  if (bits.size() < 8)
    s.replace(8 - bits.size(), bits.size(), bits);
  else
    s = bits;

  s[static_cast<std::size_t>(8 - bit)] = valore == 1 ? '1' : '0';

  const std::string hex = convertBase(s, 2, 16);
  std::string t = "00";
  if (hex.size() < 2)
    t.replace(2 - hex.size(), hex.size(), hex);
  else
    t = hex;
  return t;
}

}  // namespace flex
