// The personal label encoding and the Windows-1252 text it rests on.
#include <gtest/gtest.h>

#include <iconv.h>
#include <locale.h>
#include <wctype.h>

#include <string>

#include "model/ansi.hpp"
#include "model/builtin_records.hpp"
#include "model/label_encoding.hpp"

namespace {

namespace ansi = flex::ansi;
using flex::encodeLabel;

const std::string kTemplate(flex::builtin::kLabelTemplate);
const std::string kHeader = kTemplate.substr(0, 44);

// The label area (characters 45 to 100) of a template holding these low bytes in cells 1, 2, ...
std::string labelArea(std::initializer_list<const char*> lowBytes) {
  std::string area;
  for (const char* low : lowBytes) area += std::string("00") + low;
  return area + std::string(56 - area.size(), '0');
}

TEST(LabelEncoding, Examples) {
  struct Case {
    const char* text;
    std::string area;
  } const cases[] = {
      {"Ciao 3G", labelArea({"43", "49", "41", "4F", "20", "33", "47"})},
      {"abcdefghijkl",
       labelArea({"41", "42", "43", "44", "45", "46", "47", "48", "49", "4A", "4B", "4C"})},
      {"x", labelArea({"58"})},
      {"3-", labelArea({"33", "2D"})},
      {"abcdefghijklmn",  // characters after the twelfth are ignored
       labelArea({"41", "42", "43", "44", "45", "46", "47", "48", "49", "4A", "4B", "4C"})},
      {"\x01\x0F", labelArea({"01", "0F"})},  // codes below 0x10 keep their leading zero
      {"\xFF\xB5\xE0\xDF", labelArea({"9F", "B5", "C0", "DF"})},  // ÿ->Ÿ, µ stays, à->À, ß stays
  };
  for (const auto& c : cases) {
    const std::string record = encodeLabel(kTemplate, c.text);
    ASSERT_EQ(record.size(), 100u) << c.text;
    EXPECT_EQ(record.substr(0, 44), kHeader) << c.text;
    EXPECT_EQ(record.substr(44), c.area) << c.text;
  }
}

TEST(LabelEncoding, CellsBeyondTheRecordAreNotWritten) {
  EXPECT_EQ(encodeLabel(kTemplate.substr(0, 50), "ABCD"), kHeader + "004100");
  EXPECT_EQ(encodeLabel("", "ABC"), "");
}

TEST(Ansi, EveryByteSurvivesARoundTripThroughUtf8) {
  for (int b = 0; b < 256; ++b) {
    const std::string one(1, static_cast<char>(b));
    EXPECT_EQ(ansi::fromUtf8(ansi::toUtf8(one)), one) << b;
    EXPECT_EQ(ansi::fromUnicode(ansi::toUnicode(static_cast<unsigned char>(b))), b) << b;
  }
}

TEST(Ansi, MatchesWindows1252AndUndefinedBytesAreC1) {
  iconv_t cd = ::iconv_open("UTF-8", "CP1252");
  ASSERT_NE(cd, reinterpret_cast<iconv_t>(-1));
  for (int b = 0; b < 256; ++b) {
    char in[1] = {static_cast<char>(b)};
    char out[8] = {};
    char* ip = in;
    char* op = out;
    std::size_t inLeft = 1, outLeft = sizeof out;
    const bool defined = ::iconv(cd, &ip, &inLeft, &op, &outLeft) != static_cast<std::size_t>(-1);
    const std::string utf8 = ansi::toUtf8(std::string(1, in[0]));
    if (defined) {
      EXPECT_EQ(utf8, std::string(out, sizeof out - outLeft)) << b;
    } else {
      EXPECT_TRUE(b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D) << b;
      EXPECT_EQ(ansi::toUnicode(static_cast<unsigned char>(b)), static_cast<char32_t>(b));
    }
  }
  ::iconv_close(cd);
}

TEST(Ansi, CharactersWithoutACodeBecomeQuestionMarks) {
  EXPECT_EQ(ansi::fromUtf8("\xE2\x82\xAC"), "\x80");      // €
  EXPECT_EQ(ansi::fromUtf8("\xC2\x81"), "\x81");          // C1 control
  EXPECT_EQ(ansi::fromUtf8("A\xE4\xB8\xAD" "B"), "A?B");  // 中
  EXPECT_EQ(ansi::fromUtf8("\xF0\x9F\x98\x80"), "?");     // an emoji is one character
  EXPECT_EQ(ansi::fromUtf8("\xC3"), "?");                  // cut sequence
  EXPECT_EQ(ansi::fromUtf8("\xFF" "A"), "?A");             // malformed byte
  EXPECT_EQ(ansi::fromUnicode(0x0100), '?');
  EXPECT_EQ(ansi::utf8Length("Citt\xC3\xA0 \xE2\x82\xAC"), 7u);
}

TEST(Ansi, UpperCaseIsTheSimpleUnicodeMappingWhereTheSetHasIt) {
  locale_t utf8 = ::newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t{});
  if (utf8 == locale_t{}) GTEST_SKIP() << "no C.UTF-8 locale";
  for (int b = 0; b < 256; ++b) {
    const char32_t cp = ansi::toUnicode(static_cast<unsigned char>(b));
    const auto upper = static_cast<char32_t>(::towupper_l(static_cast<wint_t>(cp), utf8));
    const unsigned char code = ansi::fromUnicode(upper);
    const int expected = (code != '?' || upper == U'?') ? code : b;
    EXPECT_EQ(ansi::toUpper(static_cast<unsigned char>(b)), expected) << b;
  }
  ::freelocale(utf8);
  EXPECT_EQ(ansi::toUpper("citt\xE0 \xB5 \xFF \x9A"), "CITT\xC0 \xB5 \x9F \x8A");
}

}  // namespace
