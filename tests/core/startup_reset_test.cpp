// Start-up, the reset to the built-in flex ("Carica Flex Interna"), the pages and the switch of
// the formatted view.
#include <gtest/gtest.h>

#include "flex/builtin_records.hpp"
#include "flex/records.hpp"
#include "text/hex_format.hpp"
#include "test_support.hpp"

namespace {

using flextest::Records;
using StartupReset = flextest::EditorTest;

TEST_F(StartupReset, StartsWithTheBuiltInFlexOnPageOne) {
  const Records records = {
      "AAB0300000720000002F006A00000032000100000062D2EE88BEFEFFFFFF83FDFF6C01F07160000000036F94A0CC"
      "E3187DA1C87907674102A00E0C000010F04F009C0000003EA3ADAB302880D708FEFFFFFF800FA1B02AA0EFF407F9"
      "1F20DBFFFD9109003C6AE2EF0DF5FFFF7F1F38B1E1FFBF858000E001334A",
      "AAB0300000150000002F000D00000126000100000005CC41801F0E0268",
      "AAB03000001A0000002F0012000001A800010000000A00470050005200530000027B"};
  EXPECT_EQ(st().recordSlots, records);
  EXPECT_EQ((Records{st().workingBase, st().workingCall, st().gprsLabel}), records);
  EXPECT_EQ(st().gprsNullLabel, std::string(records[2]).replace(44, 20, 20, '0'));
  EXPECT_EQ(flex::builtin::kLabelTemplate,
            "AAB0300000240000002F0022000001A800010000001A" + std::string(56, '0'));
  for (std::size_t slot = 0; slot < 3; ++slot)
    EXPECT_EQ(st().formatted[slot], flex::formattedView(records[slot]));
  EXPECT_TRUE(st().page1Visible && !st().page2Visible);
  EXPECT_EQ(st().statusText, "");
  EXPECT_EQ(ticked(), flextest::kBuiltInTicks);
  for (const auto& box : st().boxes) EXPECT_EQ(box.toggle, box.state == 1);
  for (const int on : {0, 1}) {  // "Formattazione Testo" only switches the view
    editor.toggleFormatting();
    EXPECT_EQ(st().formattedViewVisible, on == 1);
    EXPECT_EQ(st().formattingBox.state, on);
  }
  EXPECT_EQ(st().recordSlots, records);
}

TEST_F(StartupReset, ResetBringsBackTheBuiltInFlexAndLeavesPagesAndPersonalLabel) {
  click("Check1(5)");  // GPRS Personale: the label dialog opens
  editor.setLabelText("Ciao");
  editor.confirmLabel();
  const std::string personal = st().personalLabel;
  click("Check1(3)");  // GPRS Null
  for (const char* id : {"Check1(0)", "Check3(1)", "Check5(11)"}) click(id);
  editor.editRaw(0, "hand edit");
  editor.selectPage(2);
  EXPECT_TRUE(!st().page1Visible && st().page2Visible);

  editor.loadBuiltinFlex();
  EXPECT_EQ(st().recordSlots, flextest::kBuiltIn);
  EXPECT_EQ(st().workingBase + st().workingCall, flextest::kBuiltIn[0] + flextest::kBuiltIn[1]);
  EXPECT_EQ(st().personalLabel, personal);
  EXPECT_EQ(st().formatted[0], flex::formattedView(flextest::kBuiltIn[0]));
  EXPECT_EQ(ticked(), flextest::kBuiltInTicks);  // GPRS Null and GPRS Personale clear
  EXPECT_TRUE(st().page2Visible);
  editor.selectPage(1);
  EXPECT_TRUE(st().page1Visible && !st().page2Visible);
}

}  // namespace
