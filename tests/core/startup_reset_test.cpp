// Start-up and the reset to the built-in flex ("Carica Flex Interna").
#include <gtest/gtest.h>

#include "model/builtin_records.hpp"
#include "model/hex_format.hpp"
#include "test_support.hpp"

namespace {

namespace builtin = flex::builtin;
using StartupReset = flextest::EditorTest;

const std::vector<std::string> kBuiltInTicks = {"Check1(2)", "Check2(0)", "Check2(2)",
                                                "Check2(4)", "Check3(0)"};

TEST_F(StartupReset, StartsWithTheBuiltInFlexOnPageOne) {
  EXPECT_EQ(st().txtpreview[0], builtin::kBase);
  EXPECT_EQ(st().txtpreview[1], builtin::kCall);
  EXPECT_EQ(st().txtpreview[2], builtin::kGprs);
  EXPECT_EQ(st().txtpreview[0].size(), 244u);
  EXPECT_EQ(st().txtpreview[1].size(), 58u);
  EXPECT_EQ(st().txtpreview[2].size(), 68u);
  EXPECT_EQ(st().FlexBase, builtin::kBase);
  EXPECT_EQ(st().FlexCall, builtin::kCall);
  EXPECT_EQ(st().FlexGprs, builtin::kGprs);
  EXPECT_EQ(st().FlexGprsNull, builtin::kGprsNull);
  EXPECT_EQ(st().FlexGprsPersonale, "");
  EXPECT_EQ(st().formatted[1], "CC 41 80 1F 0E 02 68");
  EXPECT_TRUE(st().ModificheAttive);
  EXPECT_TRUE(st().frmPagina1Visible);
  EXPECT_FALSE(st().frmPagina2Visible);
  EXPECT_EQ(st().statusText, "");
  EXPECT_FALSE(st().labelDialogOpen);
  EXPECT_TRUE(view.messages.empty());
  EXPECT_EQ(ticked(), kBuiltInTicks);
  for (const auto& box : st().boxes) EXPECT_EQ(box.flag, box.Value == 1);
}

TEST_F(StartupReset, TabsSwitchPagesAndKeepTicks) {
  editor.TabStrip1_Click(2);
  EXPECT_FALSE(st().frmPagina1Visible);
  EXPECT_TRUE(st().frmPagina2Visible);
  editor.TabStrip1_Click(1);
  EXPECT_TRUE(st().frmPagina1Visible);
  EXPECT_FALSE(st().frmPagina2Visible);
  EXPECT_EQ(ticked(), kBuiltInTicks);
}

TEST_F(StartupReset, ResetBringsBackTheBuiltInFlexAndKeepsThePersonalLabel) {
  click("Check1(5)");  // GPRS Personale: the label dialog opens
  editor.txt1_Change("Ciao");
  editor.cmdOKGPRS_Click();
  const std::string personal = st().FlexGprsPersonale;
  ASSERT_EQ(st().txtpreview[2], personal);
  click("Check1(0)");
  click("Check3(1)");
  click("Check5(11)");
  editor.editRaw(0, "hand edit");
  editor.TabStrip1_Click(2);

  editor.mnuFlexInterna_Click();
  EXPECT_EQ(st().txtpreview[0], builtin::kBase);
  EXPECT_EQ(st().txtpreview[1], builtin::kCall);
  EXPECT_EQ(st().txtpreview[2], builtin::kGprs);
  EXPECT_EQ(st().FlexBase, builtin::kBase);
  EXPECT_EQ(st().FlexCall, builtin::kCall);
  EXPECT_EQ(st().FlexGprsPersonale, personal);
  for (std::size_t slot = 0; slot < 3; ++slot)
    EXPECT_EQ(st().formatted[slot], flex::formattedView(st().txtpreview[slot]));
  EXPECT_EQ(ticked(), kBuiltInTicks);
  EXPECT_TRUE(st().ModificheAttive);
  EXPECT_TRUE(st().frmPagina2Visible);  // the reset leaves the pages alone
  EXPECT_EQ(view.dialogShown, 1);
}

TEST_F(StartupReset, ResetAfterTheEmptyLabelClearsGprsNull) {
  click("Check1(3)");
  ASSERT_EQ(st().txtpreview[2], builtin::kGprsNull);
  editor.mnuFlexInterna_Click();
  EXPECT_EQ(st().txtpreview[2], builtin::kGprs);
  EXPECT_EQ(value("Check1(3)"), 0);
  EXPECT_EQ(value("Check1(5)"), 0);
}

}  // namespace
