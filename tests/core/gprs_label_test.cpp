// SPDX-License-Identifier: GPL-3.0-or-later
// "GPRS Null" and "GPRS Personale": the label record in slot 2, their interlock, the label
// dialog that takes the personal text, and their readback.
#include <gtest/gtest.h>

#include <map>

#include "flex/label_encoding.hpp"
#include "test_support.hpp"

namespace {

using flextest::kBuiltIn;
using flextest::row;
const std::string kTemplate(flex::builtin::kLabelTemplate), kNull(flex::builtin::kGprsNull);
const std::string kLetters = "ABCDEFGHIJKLMN";
const std::string kPersonal = flex::encodeLabel(kTemplate, "A");
const std::string kTwelve = flex::encodeLabel(kTemplate, kLetters.substr(0, 12));

// Steps from start-up: P and N click "GPRS Personale" and "GPRS Null", t types "A" in the
// label dialog, L types 12 characters, M the same and two more, O presses OK, c the close box, w
// closes the main window. Then: GPRS Null and GPRS Personale ticked (1) or clear, slot 2 and the
// personal label record (G "GPRS", N empty, T the empty template, P "A", L "ABCDEFGHIJKL",
// - none), the dialog open (o) or closed, the messages shown.
const std::pair<const char*, const char*> kSteps[] = {
    {"P", "01GTo0"},    {"PtO", "01PPx0"},   {"PO", "00GTx0"},   {"Pc", "00GTx0"},
    {"Pw", "00GTx0"},   {"Ptc", "01GTx0"},   {"Ptw", "01GTx0"},  {"PtPO", "00PPx0"},
    {"PtOP", "00GPx0"}, {"PtOPP", "01GTo0"}, {"PLO", "01LLx0"},  {"PMO", "01LLx1"},
    {"PN", "10NTo0"},   {"PNc", "10NTx0"},   {"PNcP", "10NTx1"}, {"PNcPN", "00GTx1"},
    {"N", "10N-x0"},    {"NN", "00G-x0"},    {"tOcw", "00G-x0"}};

TEST(GprsLabel, TheTwoLabelOptionsAndTheLabelDialog) {
  const std::map<std::string, char> names = {{kBuiltIn[2], 'G'}, {kNull, 'N'},   {kTemplate, 'T'},
                                             {kPersonal, 'P'},   {kTwelve, 'L'}, {"", '-'}};
  const auto name = [&](const std::string& r) { return names.contains(r) ? names.at(r) : '?'; };
  for (const auto& [steps, expected] : kSteps) {
    flextest::StartedEditor s;
    flex::Editor& editor = s.editor;
    for (const char* step = steps; *step; ++step) {
      if (*step == 'P' || *step == 'N')
        editor.clickOption(row(*step == 'P' ? "Check1(5)" : "Check1(3)"));
      if (*step == 't' || *step == 'L' || *step == 'M')
        editor.setLabelText(kLetters.substr(0, *step == 't' ? 1 : *step == 'L' ? 12 : 14));
      if (*step == 'O') editor.confirmLabel();
      if (*step == 'c') editor.closeLabelDialog();
      if (*step == 'w') editor.closeMainWindow();
    }
    const flex::Document& doc = editor.document();
    const std::string got = {char('0' + doc.boxes[row("Check1(3)")].state),
                             char('0' + doc.boxes[row("Check1(5)")].state),
                             name(doc.records[2]),
                             name(doc.personalLabel),
                             editor.form().labelDialogOpen ? 'o' : 'x',
                             char('0' + s.view.messages.size())};
    EXPECT_EQ(got, expected) << steps;
  }
}

using LabelOptions = flextest::EditorTest;

// Readback compares slot 2 exactly, never switches it, opens no dialog; a closed one does nothing.
TEST_F(LabelOptions, ReadbackFollowsSlotTwoAndNeverSwitchesIt) {
  for (const auto& [slot2, gprsNull, personale] : {std::tuple<std::string, int, int>{kNull, 1, 0},
                                                   {kBuiltIn[2], 0, 0},
                                                   {"", 0, 1},
                                                   {kBuiltIn[2].substr(0, 67) + "b", 0, 1},
                                                   {kNull, 1, 0}}) {
    editor.editRaw(2, slot2);
    editor.readBackOptions();
    EXPECT_EQ(std::tuple(value("Check1(3)"), value("Check1(5)"), doc().records[2]),
              std::tuple(gprsNull, personale, slot2));
  }
  EXPECT_FALSE(editor.confirmLabel() || editor.closeLabelDialog() || editor.setLabelText("x"));
  // A loaded personal label, with GPRS Null ticked before: no dialog, no message, no template.
  load(flextest::hsFile({kBuiltIn[0], kBuiltIn[1], kPersonal}));
  EXPECT_EQ(std::pair(value("Check1(3)"), value("Check1(5)")), std::pair(0, 1));
  EXPECT_EQ(doc().records[2] + "|" + doc().personalLabel, kPersonal + "|");
  EXPECT_EQ(view.dialogShown + view.messages.size(), 0u);
}

}  // namespace
