// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up, the reset to the built-in flex ("Carica Flex Interna"), the pages and the switch of
// the formatted view.
#include <gtest/gtest.h>

#include "flex/records.hpp"
#include "test_support.hpp"

namespace {

using flextest::kBuiltIn;
using StartupReset = flextest::EditorTest;

// Start-up: the built-in flex on page 1. "Formattazione Testo" only switches the view. The reset
// brings the built-in flex back and leaves the page and the personal label record (which "GPRS
// Personale" set to the empty template when it opened the label dialog).
TEST_F(StartupReset, BuiltInFlexAtStartAndAfterTheReset) {
  // The empty label record is the "GPRS" one with its four label cells zeroed.
  EXPECT_EQ(flex::builtin::kGprsNull, std::string(kBuiltIn[2]).replace(44, 16, 16, '0'));
  EXPECT_TRUE(form().pageVisible(1) && !form().pageVisible(2) && editor.statusText().empty());
  editor.toggleFormatting();
  EXPECT_FALSE(form().formattedViewVisible() || form().formattingBox.state);
  editor.toggleFormatting();
  EXPECT_TRUE(form().formattedViewVisible() && form().formattingBox.state);
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
  EXPECT_EQ(ticked(), flextest::kBuiltInTicks);  // as at start-up: GPRS Null and Personale clear
  EXPECT_TRUE(form().pageVisible(2) && !form().pageVisible(1));
}

}  // namespace
