// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up, the reset to the built-in flex ("Carica Flex Interna"), the pages and the switch of
// the formatted view.
#include <gtest/gtest.h>

#include "flex/records.hpp"
#include "test_support.hpp"

namespace {

using flextest::kBuiltIn;
using StartupReset = flextest::EditorTest;

TEST_F(StartupReset, StartsWithTheBuiltInFlexOnPageOne) {
  EXPECT_EQ(doc().records, kBuiltIn);
  // The empty label record is the "GPRS" one with its four label cells zeroed.
  EXPECT_EQ(flex::builtin::kGprsNull, std::string(kBuiltIn[2]).replace(44, 16, 16, '0'));
  EXPECT_TRUE(form().pageVisible(1) && !form().pageVisible(2) && editor.statusText().empty());
  EXPECT_FALSE(editor.modified());
  EXPECT_EQ(ticked(), flextest::kBuiltInTicks);
  editor.toggleFormatting();  // "Formattazione Testo" only switches the view
  EXPECT_FALSE(form().formattedViewVisible() || form().formattingBox.state);
  editor.toggleFormatting();
  EXPECT_TRUE(form().formattedViewVisible() && form().formattingBox.state);
  EXPECT_EQ(doc().records, kBuiltIn);
}

TEST_F(StartupReset, ResetBringsBackTheBuiltInFlexAndLeavesPagesAndPersonalLabel) {
  // GPRS Personale opens the label dialog with the empty template as the personal label record.
  for (const char* id : {"Check1(5)", "Check1(3)", "Check1(0)", "Check3(1)", "Check5(11)"})
    click(id);
  const std::string personal = doc().personalLabel;
  editor.editRaw(0, "hand edit");
  editor.selectPage(3);  // no third page without user's options: the second
  editor.loadBuiltinFlex();
  EXPECT_EQ(doc().records, kBuiltIn);
  EXPECT_EQ(doc().workingBase + doc().workingCall + form().formatted[0],
            kBuiltIn[0] + kBuiltIn[1] + flex::formattedView(kBuiltIn[0]));
  EXPECT_EQ(doc().personalLabel, personal);
  EXPECT_EQ(ticked(), flextest::kBuiltInTicks);  // GPRS Null and GPRS Personale clear
  EXPECT_TRUE(form().pageVisible(2) && !form().pageVisible(1));
}

}  // namespace
