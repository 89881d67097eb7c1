// Clicks on the bit and whole-byte options: what each writes, where, and what it never touches.
#include <gtest/gtest.h>

#include <random>
#include <utility>

#include "model/builtin_records.hpp"
#include "model/hex_format.hpp"
#include "test_support.hpp"

namespace {

namespace builtin = flex::builtin;
using flextest::byteAt;
using flextest::OptionCase;
using OptionClick = flextest::EditorTest;

using EachOption = flextest::OptionTest;

TEST_P(EachOption, OneClickWritesItsByteAndASecondRestoresTheBuiltInFlex) {
  const OptionCase& c = GetParam();
  const std::size_t r = flextest::row(c.id);
  EXPECT_EQ(flex::optionCatalog()[r].caption, c.caption);
  const std::string builtinRecord(c.slot == 0 ? builtin::kBase : builtin::kCall);
  const std::string& working = c.slot == 0 ? st().FlexBase : st().FlexCall;
  const int before = st().boxes[r].Value;

  editor.userClick(r);
  EXPECT_NE(st().boxes[r].Value, before);
  EXPECT_EQ(working, flextest::withByte(builtinRecord, c.position, c.afterClick));
  EXPECT_EQ(st().txtpreview[c.slot], working);
  EXPECT_EQ(st().txtpreview[1 - c.slot], c.slot == 0 ? builtin::kCall : builtin::kBase);

  editor.userClick(r);
  EXPECT_EQ(st().boxes[r].Value, before);
  EXPECT_EQ(working, builtinRecord);
  EXPECT_EQ(st().txtpreview[c.slot], builtinRecord);
  EXPECT_TRUE(view.messages.empty());
}

TEST_P(EachOption, AClickIsWhatTheReadbackFindsAfterwards) {
  for (int i = 0; i < 2; ++i) {
    click(GetParam().id);
    const auto boxes = st().boxes;
    editor.AggiornaOpzioni();
    for (std::size_t k = 0; k < boxes.size(); ++k)
      EXPECT_EQ(st().boxes[k].Value, boxes[k].Value) << "row " << k;
  }
}

INSTANTIATE_TEST_SUITE_P(AllBitOptions, EachOption, ::testing::ValuesIn(flextest::kOptionCases),
                         flextest::caseName);

TEST_F(OptionClick, SharedBytesKeepTheOtherOptionsBit) {
  click("Check2(3)");  // Selezione Rapida
  EXPECT_EQ(byteAt(st().FlexBase, 85), "67");
  click("Check2(4)");  // Menu "Tutte le Chiamate", ticked at start
  EXPECT_EQ(byteAt(st().FlexBase, 85), "66");

  click("Check3(1)");
  EXPECT_EQ(byteAt(st().FlexCall, 51), "3F");
  click("Check3(4)");
  EXPECT_EQ(byteAt(st().FlexCall, 51), "7F");

  click("Check5(3)");  // Salva SMS: bit 7 of the byte of Show Data
  EXPECT_EQ(byteAt(st().FlexBase, 173), "6A");
  EXPECT_EQ(value("Check2(0)"), 1);
  click("Check2(0)");
  EXPECT_EQ(byteAt(st().FlexBase, 173), "7A");

  click("Check5(12)");  // Cell Broadcast Plus: bit 4 of the byte of Seconda Linea
  click("Check3(3)");
  EXPECT_EQ(byteAt(st().FlexBase, 107), "7F");
}

TEST_F(OptionClick, WholeByteOptionWritesItsLiteralsWhateverTheByteHeld) {
  load(base(183, "FF") + "\r\n");
  EXPECT_EQ(value("Check4(1)"), 0);
  click("Check4(1)");
  EXPECT_EQ(byteAt(st().FlexBase, 183), "89");
  click("Check4(1)");
  EXPECT_EQ(byteAt(st().FlexBase, 183), "F9");
}

TEST_F(OptionClick, MultiBitOptionsKeepTheOtherBitsOfTheirByte) {
  load(base(181, "48") + "\r\n");  // Menu Engineering clear, other bits present
  click("Check1(0)");
  EXPECT_EQ(byteAt(st().FlexBase, 181), "F8");
  click("Check1(0)");
  EXPECT_EQ(byteAt(st().FlexBase, 181), "48");
}

TEST_F(OptionClick, EveryClickCopiesTheWorkingCopiesOverAHandEdit) {
  struct Case {
    const char* id;
    bool refreshesCall;
  } const cases[] = {{"Check1(3)", false}, {"Check1(5)", false}, {"Check2(1)", false},
                     {"Check3(1)", true},  {"Check3(2)", true},  {"Check4(0)", false},
                     {"Check5(3)", false}};
  for (const auto& c : cases) {
    editor.editRaw(0, "hand edit of the Base record");
    editor.editRaw(1, "hand edit of the Call record");
    click(c.id);
    EXPECT_EQ(st().txtpreview[0], st().FlexBase) << c.id;
    EXPECT_EQ(st().txtpreview[1] == st().FlexCall, c.refreshesCall) << c.id;
    EXPECT_EQ(st().formatted[0], flex::formattedView(st().FlexBase)) << c.id;
  }
}

TEST_F(OptionClick, NoClickSequenceChangesLengthHeaderOrTrailingWord) {
  std::mt19937 rng(20240611);
  std::uniform_int_distribution<std::size_t> pick(0, flex::kOptionCount - 1);
  for (int i = 0; i < 3000; ++i) {
    editor.userClick(pick(rng));
    if (st().labelDialogOpen && i % 3 == 0) editor.closeLabelDialog();
    if (i % 500 == 0) editor.AggiornaOpzioni();
    for (const auto& [record, built] :
         {std::pair{&st().FlexBase, builtin::kBase}, {&st().FlexCall, builtin::kCall}}) {
      ASSERT_EQ(record->size(), built.size()) << "after click " << i;
      ASSERT_EQ(record->substr(0, 44), built.substr(0, 44)) << "after click " << i;
      ASSERT_EQ(record->substr(record->size() - 4), built.substr(built.size() - 4));
      ASSERT_EQ(record->find_first_not_of("0123456789ABCDEF"), std::string::npos);
    }
    ASSERT_EQ(st().txtpreview[0], st().FlexBase);
  }
}

}  // namespace
