// "GPRS Null" and "GPRS Personale": the label record in slot 2, their interlock, the label
// dialog that takes the personal text, and their readback.
#include <gtest/gtest.h>

#include "flex/label_encoding.hpp"
#include "test_support.hpp"

namespace {

using flextest::kBuiltIn;
using Messages = std::vector<flextest::Message>;
const std::string kTemplate(flex::builtin::kLabelTemplate), kNull(flex::builtin::kGprsNull);
const std::string kPersonal = flex::encodeLabel(kTemplate, "Ciao");

class GprsLabel : public flextest::EditorTest {
 protected:
  void openDialog() {
    click("Check1(5)");
    ASSERT_TRUE(st().labelDialogOpen);
  }
  std::string labels() const { return st().recordSlots[2] + "|" + st().personalLabel; }
};

TEST_F(GprsLabel, PersonaleOpensTheDialogAndOkEncodesTheText) {
  openDialog();
  EXPECT_EQ(labels(), kBuiltIn[2] + "|" + kTemplate);
  editor.setLabelText("ABCDEFGHIJKL");
  editor.setLabelText("ABCDEFGHIJKLMN");  // over 12 characters: a message, the first 12 kept
  EXPECT_EQ(st().labelText, "ABCDEFGHIJKL");
  EXPECT_EQ(view.messages, (Messages{{"Puoi inserire massimo 12 caratteri!", "Errore di Lunghezza"}}));
  editor.setLabelText("Ciao");
  EXPECT_TRUE(editor.confirmLabel());
  EXPECT_EQ(labels(), kPersonal + "|" + kPersonal);
  EXPECT_TRUE(value("Check1(5)") && !st().labelDialogOpen);
  click("Check1(5)");
  EXPECT_EQ(st().recordSlots[2], kBuiltIn[2]);
  openDialog();  // each new tick starts from the empty template and an empty text
  EXPECT_EQ(st().personalLabel + st().labelText, kTemplate);
}

// The dialog left by OK, its close box or the main window closing: without a text the option is
// cleared; with one only OK applies it, even when the option was cleared meanwhile.
TEST_F(GprsLabel, LeavingTheDialog) {
  enum Way { Ok, CloseBox, MainWindow };
  struct Case { Way way; const char* text; bool clearFirst; int ticked; };
  for (const Case& c : {Case{Ok, "", false, 0}, {CloseBox, "", false, 0},
                        {MainWindow, "", false, 0}, {CloseBox, "Ciao", false, 1},
                        {MainWindow, "Ciao", false, 1}, {Ok, "Ciao", true, 0}}) {
    SCOPED_TRACE(testing::Message() << c.way << " '" << c.text << "' " << c.clearFirst);
    if (value("Check1(5)")) click("Check1(5)");
    openDialog();
    editor.setLabelText(c.text);
    if (c.clearFirst) click("Check1(5)");
    if (c.way == Ok) editor.confirmLabel();
    if (c.way == CloseBox) editor.closeLabelDialog();
    if (c.way == MainWindow) editor.closeMainWindow();
    EXPECT_EQ(value("Check1(5)"), c.ticked);
    EXPECT_EQ(st().recordSlots[2], c.clearFirst ? kPersonal : kBuiltIn[2]);
    EXPECT_FALSE(st().labelDialogOpen);
  }
  EXPECT_FALSE(editor.confirmLabel() || editor.closeLabelDialog() || editor.setLabelText("x"));
}

// GPRS Null unticks GPRS Personale (the dialog stays) and refuses it while ticked; like every
// Check1 click it copies the Base working copy over a hand edit.
TEST_F(GprsLabel, GprsNullWinsTheInterlock) {
  openDialog();
  editor.editRaw(0, "hand edit");
  click("Check1(3)");
  EXPECT_EQ(st().recordSlots[0] + "|" + st().recordSlots[2], kBuiltIn[0] + "|" + kNull);
  EXPECT_TRUE(!value("Check1(5)") && st().labelDialogOpen);
  editor.closeLabelDialog();
  click("Check1(5)");
  EXPECT_EQ(view.messages, (Messages{{"E' possibile attivare questa opzione solo disabilitando "
                                      "GPRS Null", "Errore di Incoerenza"}}));
  EXPECT_EQ(value("Check1(5)") + view.dialogShown, 1);  // no second dialog
  EXPECT_EQ(st().recordSlots[2], kNull);
  click("Check1(3)");  // clearing GPRS Null brings back the "GPRS" record
  EXPECT_EQ(st().recordSlots[2], kBuiltIn[2]);
}

// The readback compares slot 2 exactly; it never switches slot 2 nor opens the dialog.
TEST_F(GprsLabel, ReadbackFollowsSlotTwoAndNeverSwitchesIt) {
  struct Case { std::string slot2; int gprsNull, personale; };
  for (const Case& c : {Case{kNull, 1, 0}, {kBuiltIn[2], 0, 0}, {"", 0, 1},
                        {kBuiltIn[2].substr(0, 67) + "b", 0, 1}, {kNull, 1, 0}}) {
    editor.editRaw(2, c.slot2);
    editor.readBackOptions();
    EXPECT_EQ(std::pair(value("Check1(3)"), value("Check1(5)")), std::pair(c.gprsNull, c.personale))
        << c.slot2;
    EXPECT_EQ(st().recordSlots[2], c.slot2);
  }
  // A loaded personal label, with GPRS Null ticked before: no dialog, no message, no template.
  load(flextest::hsFile({kBuiltIn[0], kBuiltIn[1], kPersonal}));
  EXPECT_EQ(std::pair(value("Check1(3)"), value("Check1(5)")), std::pair(0, 1));
  EXPECT_EQ(labels(), kPersonal + "|");
  EXPECT_EQ(view.dialogShown + view.messages.size(), 0u);
}

}  // namespace
