// "GPRS Null" and "GPRS Personale": the label record in slot 2, their interlock, the label
// dialog that takes the personal text, and their readback.
#include <gtest/gtest.h>

#include "flex/builtin_records.hpp"
#include "test_support.hpp"

namespace {

namespace builtin = flex::builtin;
using flextest::Message;
using Messages = std::vector<Message>;

class GprsLabel : public flextest::EditorTest {
 protected:
  // The label "Ciao" as OK writes it.
  const std::string kPersonal =
      std::string(builtin::kLabelTemplate).replace(44, 16, "004300490041004F");
  void openDialog() {
    click("Check1(5)");
    ASSERT_TRUE(st().labelDialogOpen);
  }
  const std::string& slot2() const { return st().recordSlots[2]; }
};

TEST_F(GprsLabel, PersonaleOpensTheDialogAndOkEncodesTheText) {
  openDialog();
  EXPECT_EQ(st().personalLabel, builtin::kLabelTemplate);
  EXPECT_EQ(slot2(), builtin::kGprs);
  // Over 12 characters: one message, the first 12 kept (a 13th typed in the middle, a paste).
  const Message tooLong{"Puoi inserire massimo 12 caratteri!", "Errore di Lunghezza"};
  editor.setLabelText("ABCDEFGHIJKL");
  EXPECT_EQ(view.messages, Messages{});
  editor.setLabelText("ABCDEFXGHIJKL");
  EXPECT_EQ(st().labelText, "ABCDEFXGHIJK");
  editor.setLabelText("12345678901234567890");
  EXPECT_EQ(st().labelText, "123456789012");
  EXPECT_EQ(view.messages, (Messages{tooLong, tooLong}));

  editor.setLabelText("Ciao");
  EXPECT_TRUE(editor.confirmLabel());
  EXPECT_EQ(st().personalLabel, kPersonal);
  EXPECT_EQ(slot2(), kPersonal);
  EXPECT_EQ(value("Check1(5)"), 1);
  EXPECT_FALSE(st().labelDialogOpen);
  EXPECT_EQ(view.dialogClosed, 1);
  click("Check1(5)");
  EXPECT_EQ(slot2(), builtin::kGprs);
  openDialog();  // each new tick starts from the empty template and an empty text
  EXPECT_EQ(st().personalLabel, builtin::kLabelTemplate);
  EXPECT_EQ(st().labelText, "");
}

// The dialog left by OK, its close box or the main window closing: without a text the option is
// cleared; with one only OK applies it, even when the option was cleared meanwhile.
TEST_F(GprsLabel, LeavingTheDialog) {
  enum Way { Ok, CloseBox, MainWindow };
  struct Case { Way way; const char* text; bool clearFirst; int ticked; std::string slot2; };
  const std::string gprs(builtin::kGprs);
  const Case cases[] = {{Ok, "", false, 0, gprs},         {CloseBox, "", false, 0, gprs},
                        {MainWindow, "", false, 0, gprs}, {CloseBox, "Ciao", false, 1, gprs},
                        {MainWindow, "Ciao", false, 1, gprs}, {Ok, "Ciao", true, 0, kPersonal}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.way << " '" << c.text << "' " << c.clearFirst);
    if (value("Check1(5)")) click("Check1(5)");
    openDialog();
    editor.setLabelText(c.text);
    if (c.clearFirst) click("Check1(5)");
    if (c.way == Ok) editor.confirmLabel();
    if (c.way == CloseBox) editor.closeLabelDialog();
    if (c.way == MainWindow) editor.closeMainWindow();
    EXPECT_EQ(value("Check1(5)"), c.ticked);
    EXPECT_EQ(flag("Check1(5)"), c.ticked == 1);
    EXPECT_EQ(slot2(), c.slot2);
    EXPECT_FALSE(st().labelDialogOpen);
  }
  EXPECT_FALSE(editor.confirmLabel() || editor.closeLabelDialog() || editor.setLabelText("x"));
}

TEST_F(GprsLabel, GprsNullWinsTheInterlock) {
  openDialog();
  click("Check1(3)");  // unticks GPRS Personale; the dialog stays
  EXPECT_EQ(value("Check1(5)"), 0);
  EXPECT_EQ(slot2(), builtin::kGprsNull);
  EXPECT_TRUE(st().labelDialogOpen);
  editor.closeLabelDialog();
  EXPECT_EQ(slot2(), builtin::kGprsNull);

  click("Check1(5)");  // refused with one message
  EXPECT_EQ(view.messages, (Messages{{"E' possibile attivare questa opzione solo disabilitando "
                                      "GPRS Null", "Errore di Incoerenza"}}));
  EXPECT_EQ(value("Check1(5)"), 0);
  EXPECT_FALSE(flag("Check1(5)"));
  EXPECT_EQ(slot2(), builtin::kGprsNull);
  EXPECT_EQ(view.dialogShown, 1);

  click("Check1(3)");  // clearing GPRS Null brings back the "GPRS" record
  EXPECT_EQ(slot2(), builtin::kGprs);
}

// The readback compares slot 2 exactly; it never switches slot 2 nor opens the dialog.
TEST_F(GprsLabel, ReadbackFollowsSlotTwoAndNeverSwitchesIt) {
  const std::string gprs(builtin::kGprs), null(builtin::kGprsNull);
  struct Case { std::string slot2; int gprsNull, personale; };
  const Case cases[] = {{null, 1, 0}, {gprs, 0, 0}, {kPersonal, 0, 1},
                        {gprs.substr(0, 67) + "b", 0, 1}, {gprs.substr(0, 64) + "0000", 0, 1},
                        {"", 0, 1}, {null, 1, 0}};
  for (const auto& c : cases) {
    editor.editRaw(2, c.slot2);
    editor.readBackOptions();
    EXPECT_EQ(std::pair(value("Check1(3)"), value("Check1(5)")), std::pair(c.gprsNull, c.personale))
        << c.slot2;
    EXPECT_EQ(slot2(), c.slot2);
  }
  // A loaded personal label, with GPRS Null ticked before: no dialog, no message, no template.
  load(flextest::hsFile({builtin::kBase, builtin::kCall, kPersonal}));
  EXPECT_EQ(std::pair(value("Check1(3)"), value("Check1(5)")), std::pair(0, 1));
  EXPECT_EQ(slot2(), kPersonal);
  EXPECT_EQ(view.dialogShown, 0);
  EXPECT_EQ(st().personalLabel, "");
  EXPECT_EQ(view.messages, Messages{});
}

}  // namespace
