// SPDX-License-Identifier: GPL-3.0-or-later
// convertBase (digit text between bases 2 to 62, errors as returned texts) and setByteBit, the bit
// editing built on it.
#include <gtest/gtest.h>

#include <bitset>
#include <string>

#include "fake_view.hpp"
#include "text/base_conversion.hpp"
#include "text/bit_edit.hpp"

namespace {

using flex::convertBase;
using flex::setByteBit;
using flextest::hex2;

TEST(Conversion, ZeroShortcutErrorsAndTheWorkingRange) {
  // The number, its base, the base wanted; the result.
  const std::tuple<const char*, int, int, const char*> cases[] = {
      {"0", 99, 99, "0"},
      {"00", 1, 63, "0"},
      {"00000000", 2, 16, ""},
      {"", 16, 10, ""},
      {"", 1, 10, "bad first base"},
      {"10", 1, 10, "bad first base"},
      {"10", 63, 1, "bad first base"},
      {"10", 16, 63, "bad second base"},
      {"10", 16, 1, "bad second base"},
      {"1G", 16, 63, "bad format number"},
      // Lower case is no hexadecimal; the first base is tested first, the second base last.
      {"ff", 16, 10, "bad format number"},
      {"Z", 35, 10, "bad format number"},
      {"-1", 10, 16, "bad format number"},
      {"7FFFFFFF", 16, 10, "2147483647"},
      {"80000000", 16, 10, "bad format number"}};
  for (const auto& [n1, b1, b2, expected] : cases)
    EXPECT_EQ(convertBase(n1, b1, b2), expected) << n1 << ", " << b1 << ", " << b2;
  const std::string digits = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
  for (int d = 1; d < 62; ++d) EXPECT_EQ(convertBase({&digits[d], 1}, 62, 10), std::to_string(d));
  for (int base = 2; base <= 62; ++base)
    EXPECT_EQ(convertBase(convertBase("2147483647", 10, base), base, 10), "2147483647") << base;
}

TEST(Conversion, EveryByteAndEveryBitEditMatchArithmetic) {
  for (unsigned v = 0; v < 256; ++v) {
    const std::string bits8 = std::bitset<8>(v).to_string();
    EXPECT_EQ(convertBase(hex2(v), 16, 2), v ? bits8.substr(bits8.find('1')) : "0") << v;
    EXPECT_EQ(convertBase(hex2(v), 16, 10), std::to_string(v)) << v;
    EXPECT_EQ(convertBase(bits8, 2, 16), v ? hex2(v).substr(v < 16 ? 1 : 0) : "") << v;
    for (int bit = 1; bit <= 8; ++bit) {
      const unsigned mask = 1u << (bit - 1);
      EXPECT_EQ(setByteBit(hex2(v), 1, bit), hex2(v | mask)) << hex2(v) << " set " << bit;
      EXPECT_EQ(setByteBit(hex2(v), 0, bit), hex2(v & ~mask)) << hex2(v) << " clear " << bit;
    }
  }
}

TEST(BitEdit, AnythingButAValidCallReturnsItsInputUnchanged) {
  for (const char* byte : {"ff", "a1", "G0", "0", "", "1FF", " 1", "\xFF\xFF"})
    EXPECT_EQ(setByteBit(byte, 1, 1) + setByteBit(byte, 0, 8), std::string(byte) + byte) << byte;
  for (const auto& [value, bit] : {std::pair{-1, 1}, {2, 1}, {1, 0}, {1, 9}})
    EXPECT_EQ(setByteBit("A1", value, bit), "A1") << value << ", " << bit;
}

}  // namespace
