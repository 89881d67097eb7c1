// f_modflex: one bit of a two-digit byte set or cleared, always two upper-case digits back.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "model/bit_edit.hpp"

namespace {

using flex::f_modflex;

std::string hex2(unsigned v) {
  char buf[3];
  std::snprintf(buf, sizeof buf, "%02X", v & 0xFF);
  return buf;
}

TEST(BitEdit, Examples) {
  struct Case {
    const char* byte;
    int valore;
    int bit;
    const char* expected;
  } const cases[] = {
      {"00", 1, 1, "01"}, {"00", 1, 8, "80"}, {"FF", 0, 1, "FE"}, {"FF", 0, 8, "7F"},
      {"A1", 0, 6, "81"}, {"A1", 1, 2, "A3"}, {"0F", 0, 4, "07"}, {"10", 0, 5, "00"},
      {"FF", 1, 3, "FF"}, {"00", 0, 7, "00"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(f_modflex(c.byte, c.valore, c.bit), c.expected)
        << c.byte << ", " << c.valore << ", " << c.bit;
}

TEST(BitEdit, EveryByteEveryBitBothValuesMatchesArithmetic) {
  for (unsigned v = 0; v < 256; ++v)
    for (int bit = 1; bit <= 8; ++bit) {
      const unsigned mask = 1u << (bit - 1);
      EXPECT_EQ(f_modflex(hex2(v), 1, bit), hex2(v | mask)) << hex2(v) << " set " << bit;
      EXPECT_EQ(f_modflex(hex2(v), 0, bit), hex2(v & ~mask)) << hex2(v) << " clear " << bit;
    }
}

TEST(BitEdit, AnythingButAValidCallReturnsItsInputUnchanged) {
  for (const char* byte : {"ff", "a1", "G0", "0g", "0", "F", "", "000", "1FF", " 1", "1 ", "-1",
                           "\xFF\xFF"})
    for (int valore : {0, 1})
      for (int bit : {1, 8}) EXPECT_EQ(f_modflex(byte, valore, bit), byte) << '"' << byte << '"';
  for (int valore : {-1, 2, 10}) EXPECT_EQ(f_modflex("A1", valore, 1), "A1") << valore;
  for (int bit : {-1, 0, 9, 16}) EXPECT_EQ(f_modflex("A1", 1, bit), "A1") << bit;
}

}  // namespace
