// SPDX-License-Identifier: GPL-3.0-or-later
// Texts: the pairs of the formatted view, the personal label encoding, and the Windows-1252
// character set with its upper case.
#include <gtest/gtest.h>

#include <iconv.h>
#include <locale.h>
#include <wctype.h>

#include <string>
#include <vector>

#include "flex/builtin_records.hpp"
#include "flex/label_encoding.hpp"
#include "flex/records.hpp"
#include "text/ansi.hpp"
#include "text/hex_format.hpp"

namespace {

namespace ansi = flex::ansi;

TEST(Formatting, PairsFromTheFirstDataByteAndDifferingBytes) {
  EXPECT_EQ(flex::spacePairs("AAB030") + "|" + flex::spacePairs("ABC"), "AA B0 30|AB C");
  EXPECT_EQ(flex::spacePairs("A BC  "), "A  BC");  // blanks are cut like any character
  const std::string header(44, 'H');
  EXPECT_EQ(flex::formattedView("") + flex::formattedView(header), "");
  EXPECT_EQ(flex::formattedView(header + "0102F"), "01 02 F");

  // Per byte of the record: differs from the reference; exact text, a byte past its end differs.
  const std::tuple<const char*, const char*, std::vector<bool>> cases[] = {
      {"AAb7CC", "AAB7CC", {false, true, false}},
      {"AABBCCDD", "AABB", {false, false, true, true}},
      {"AABBC", "AABBCC", {false, false, true}},
      {"AABBC", "AABBC", {false, false, false}}};
  for (const auto& [record, reference, differs] : cases)
    EXPECT_EQ(flex::differingBytes(record, reference), differs) << record;
}

// The text upper-cased, each code in the low byte of its cell (high bytes stay 00), the first 12
// characters only; a cell past the record's end is not written.
TEST(LabelEncoding, UpperCasedCodesInTheLowBytesOfTwelveCells) {
  const std::string tpl(flex::builtin::kLabelTemplate);
  EXPECT_EQ(flex::encodeLabel(tpl, std::string("a\x01\xFF") + "bcdefghijklm"),
            tpl.substr(0, 44) + "00410001009F00420043004400450046004700480049004A00000000");
  EXPECT_EQ(flex::encodeLabel(tpl.substr(0, 48), "ABCD"), tpl.substr(0, 44) + "0041");
}

// Every byte against the system's own Windows-1252 table and its simple Unicode upper case.
TEST(Ansi, Windows1252WithC1ForItsUndefinedBytesAndTheSimpleUpperCase) {
  iconv_t cd = ::iconv_open("UTF-8", "CP1252");
  locale_t utf8 = ::newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t{});
  ASSERT_TRUE(cd != reinterpret_cast<iconv_t>(-1) && utf8 != locale_t{});
  for (int b = 0; b < 256; ++b) {
    std::string in(1, static_cast<char>(b));
    char out[8] = {};
    char* ip = in.data();
    char* op = out;
    std::size_t inLeft = 1, outLeft = sizeof out;
    const std::string text = ansi::toUtf8(in);
    if (::iconv(cd, &ip, &inLeft, &op, &outLeft) != static_cast<std::size_t>(-1))
      EXPECT_EQ(text, std::string(out, sizeof out - outLeft)) << b;
    else
      EXPECT_EQ(text, b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D ? "\xC2" + in
                                                                                    : "(defined)")
          << b;
    EXPECT_EQ(ansi::fromUtf8(text), in) << b;
    // The upper case of a letter stays the letter when the set has no code for it.
    const auto upper = static_cast<char32_t>(
        ::towupper_l(static_cast<wint_t>(ansi::toUnicode(static_cast<unsigned char>(b))), utf8));
    const unsigned char code = ansi::fromUnicode(upper);
    EXPECT_EQ(ansi::toUpper(static_cast<unsigned char>(b)), code != '?' || upper == U'?' ? code : b)
        << b;
  }
  ::iconv_close(cd);
  ::freelocale(utf8);
  // No code in the set, a cut or overlong sequence: "?" for each character or stray byte.
  EXPECT_EQ(ansi::fromUtf8(std::string("A\xE4\xB8\xAD") + "B\xF0\x9F\x98\x80\xC3\xC0\x80"),
            "A?B????");
  EXPECT_EQ(ansi::utf8Length("Citt\xC3\xA0 \xE2\x82\xAC"), 7u);
}

}  // namespace
