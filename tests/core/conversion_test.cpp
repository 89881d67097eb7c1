// f_CnvBase: digit text between bases 2 to 62, errors as returned texts.
#include <gtest/gtest.h>

#include <bitset>
#include <cstdio>
#include <string>

#include "model/cnv_base.hpp"

namespace {

using flex::f_CnvBase;

struct Conversion {
  const char* n1;
  int b1;
  int b2;
  const char* expected;
};

TEST(Conversion, ExamplesZeroShortcutAndErrorOrder) {
  const Conversion cases[] = {
      {"FF", 16, 2, "11111111"},
      {"0A", 16, 2, "1010"},
      {"11111111", 2, 16, "FF"},
      {"1010", 2, 16, "A"},
      {"A1", 16, 10, "161"},
      {"61", 10, 62, "z"},
      {"z", 62, 10, "61"},
      // "0" and "00" give 0 before any base is looked at.
      {"00", 16, 2, "0"},
      {"0", 16, 10, "0"},
      {"0", 99, 99, "0"},
      {"00", 1, 63, "0"},
      // Any other zero value takes the general path and gives the empty text.
      {"000", 16, 2, ""},
      {"00000000", 2, 16, ""},
      {"", 16, 10, ""},
      // Errors: lower case is not hexadecimal; the first base is tested before the digits,
      // the digits before the second base.
      {"ff", 16, 10, "bad format number"},
      {"1G", 16, 10, "bad format number"},
      {"10", 1, 10, "bad first base"},
      {"10", 63, 1, "bad first base"},
      {"", 1, 10, "bad first base"},
      {"000", 0, 10, "bad first base"},
      {"10", 16, 63, "bad second base"},
      {"10", 16, 1, "bad second base"},
      {"1G", 16, 63, "bad format number"},
      {"2", 2, 10, "bad format number"},
      {"-1", 10, 16, "bad format number"},
      {" 1", 10, 16, "bad format number"},
      {"Z", 36, 10, "35"},
      {"Z", 35, 10, "bad format number"},
      {"0001", 16, 10, "1"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(f_CnvBase(c.n1, c.b1, c.b2), c.expected)
        << '"' << c.n1 << "\", " << c.b1 << ", " << c.b2;
}

TEST(Conversion, EveryByteThroughBase2AndBase10MatchesArithmetic) {
  for (unsigned v = 0; v < 256; ++v) {
    char hex[3];
    std::snprintf(hex, sizeof hex, "%02X", v);
    std::string binary = std::bitset<8>(v).to_string();
    binary.erase(0, binary.find('1') == std::string::npos ? 7 : binary.find('1'));
    char hexNoZero[3];
    std::snprintf(hexNoZero, sizeof hexNoZero, "%X", v);

    EXPECT_EQ(f_CnvBase(hex, 16, 2), binary) << hex;
    EXPECT_EQ(f_CnvBase(binary, 2, 16), hexNoZero) << binary;
    EXPECT_EQ(f_CnvBase(hex, 16, 10), std::to_string(v)) << hex;
    // The eight-digit form used by bit editing: no leading zero, empty for zero.
    EXPECT_EQ(f_CnvBase(std::bitset<8>(v).to_string(), 2, 16), v ? hexNoZero : "") << v;
  }
}

TEST(Conversion, RoundTripsEveryBaseUpToTheWorkingRange) {
  for (const char* decimal : {"1", "61", "62", "3843", "123456789", "2147483647"})
    for (int base = 2; base <= 62; ++base)
      EXPECT_EQ(f_CnvBase(f_CnvBase(decimal, 10, base), base, 10), decimal)
          << decimal << " via base " << base;
}

TEST(Conversion, ValuesBeyondTheWorkingRangeAreRefused) {
  EXPECT_EQ(f_CnvBase("2147483647", 10, 16), "7FFFFFFF");
  EXPECT_EQ(f_CnvBase("7FFFFFFF", 16, 10), "2147483647");
  EXPECT_EQ(f_CnvBase("2147483648", 10, 16), "bad format number");
  EXPECT_EQ(f_CnvBase("80000000", 16, 10), "bad format number");
  EXPECT_EQ(f_CnvBase(std::string(200, 'z'), 62, 10), "bad format number");
  EXPECT_EQ(f_CnvBase(std::string(200, '0') + "1", 2, 10), "1");
}

}  // namespace
