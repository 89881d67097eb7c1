// The formatted view: record data from character 45 on, in blank-separated pairs.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/builtin_records.hpp"
#include "model/hex_format.hpp"
#include "test_support.hpp"

namespace {

using flex::f_spaziatura;
using flex::formattedView;
namespace builtin = flex::builtin;

TEST(Formatting, PairSpacing) {
  EXPECT_EQ(f_spaziatura("AAB030"), "AA B0 30");
  EXPECT_EQ(f_spaziatura("ABC"), "AB C");
  EXPECT_EQ(f_spaziatura("A"), "A");
  EXPECT_EQ(f_spaziatura(""), "");
  // Blanks inside are cut into pairs like any character; only trailing blanks go.
  EXPECT_EQ(f_spaziatura("A BC"), "A  BC");
  EXPECT_EQ(f_spaziatura("AB  "), "AB");
  EXPECT_EQ(f_spaziatura("   "), "");
}

TEST(Formatting, BuiltInRecordsShowTheirDataOnly) {
  const std::string baseView = formattedView(builtin::kBase);
  EXPECT_EQ(baseView.size(), 100u * 3 - 1);  // 100 pairs
  EXPECT_EQ(baseView.substr(0, 11), "D2 EE 88 BE");
  EXPECT_EQ(baseView.substr(baseView.size() - 11), "E0 01 33 4A");

  EXPECT_EQ(formattedView(builtin::kCall), "CC 41 80 1F 0E 02 68");
  EXPECT_EQ(formattedView(builtin::kGprs), "00 47 00 50 00 52 00 53 00 00 02 7B");
  EXPECT_EQ(formattedView(builtin::kGprsNull), "00 00 00 00 00 00 00 00 00 00 02 7B");
}

TEST(Formatting, ShortAndOddRecords) {
  const std::string header(builtin::kBase.substr(0, 44));
  EXPECT_EQ(formattedView(""), "");
  EXPECT_EQ(formattedView(header), "");
  EXPECT_EQ(formattedView(header + "A"), "A");
  EXPECT_EQ(formattedView(header + "0102F"), "01 02 F");
}

TEST(Formatting, DifferingBytesAgainstAReference) {
  using flex::differingBytes;
  using V = std::vector<bool>;
  EXPECT_EQ(differingBytes(builtin::kCall, builtin::kCall), V(29, false));
  EXPECT_EQ(differingBytes("", "AABB"), V());
  EXPECT_EQ(differingBytes("AAB7CC", "AA07CC"), V({false, true, false}));
  EXPECT_EQ(differingBytes("AAb7", "AAB7"), V({false, true}));      // exact text, case counts
  EXPECT_EQ(differingBytes("AABBCCDD", "AABB"), V({false, false, true, true}));  // past its end
  EXPECT_EQ(differingBytes("AABBC", "AABBCC"), V({false, false, true}));  // a lone character
  EXPECT_EQ(differingBytes("AABBC", "AABBC"), V({false, false, false}));
  EXPECT_EQ(differingBytes("AA", "AABBCC"), V({false}));  // a shorter record: its own bytes
}

using FormattingEditor = flextest::EditorTest;

TEST_F(FormattingEditor, TheSwitchAndHandEditsChangeOnlyWhatIsShown) {
  const auto boxes = st().boxes;
  editor.CheckFormattazioneTesto_Click();
  EXPECT_FALSE(st().formattedViewVisible);
  EXPECT_EQ(st().CheckFormattazioneTesto.Value, 0);
  editor.editRaw(1, "aab0 lower case, blanks and all, past the header ... 12 34");
  EXPECT_EQ(st().formatted[1], formattedView(st().txtpreview[1]));
  EXPECT_EQ(st().FlexCall, builtin::kCall);
  for (std::size_t r = 0; r < boxes.size(); ++r) EXPECT_EQ(st().boxes[r].Value, boxes[r].Value);
  editor.CheckFormattazioneTesto_Click();
  EXPECT_TRUE(st().formattedViewVisible);
}

}  // namespace
