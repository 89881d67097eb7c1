// "GPRS Null" and "GPRS Personale": the label record in slot 2, their interlock, and the label
// dialog that takes the personal text.
#include <gtest/gtest.h>

#include "model/builtin_records.hpp"
#include "model/label_encoding.hpp"
#include "test_support.hpp"

namespace {

namespace builtin = flex::builtin;

class GprsLabel : public flextest::EditorTest {
 protected:
  const std::string kPersonal = flex::encodeLabel(std::string(builtin::kLabelTemplate), "CIAO");
  void openDialog() {
    click("Check1(5)");
    ASSERT_TRUE(st().labelDialogOpen);
  }
  const std::string& slot2() const { return st().txtpreview[2]; }
};

TEST_F(GprsLabel, TickingPersonaleLoadsTheTemplateAndOpensTheDialog) {
  openDialog();
  EXPECT_EQ(value("Check1(5)"), 1);
  EXPECT_EQ(st().FlexGprsPersonale, builtin::kLabelTemplate);
  EXPECT_EQ(slot2(), builtin::kGprs);
  EXPECT_EQ(st().txt1, "");
  EXPECT_EQ(view.dialogShown, 1);
}

TEST_F(GprsLabel, TextLongerThanTwelveIsRefusedOnceAndCut) {
  openDialog();
  EXPECT_TRUE(editor.txt1_Change("ABCDEFGHIJKL"));
  EXPECT_TRUE(view.messages.empty());
  editor.txt1_Change("ABCDEFXGHIJKL");  // a 13th character typed in the middle
  ASSERT_EQ(view.messages.size(), 1u);
  EXPECT_EQ(view.messages[0].prompt, "Puoi inserire massimo 12 caratteri!");
  EXPECT_EQ(view.messages[0].title, "Errore di Lunghezza");
  EXPECT_EQ(st().txt1, "ABCDEFXGHIJK");
  editor.txt1_Change("12345678901234567890");  // pasted
  EXPECT_EQ(view.messages.size(), 2u);
  EXPECT_EQ(st().txt1, "123456789012");
}

TEST_F(GprsLabel, OkWithATextEncodesItIntoSlotTwo) {
  openDialog();
  editor.txt1_Change("Ciao");
  EXPECT_TRUE(editor.cmdOKGPRS_Click());
  EXPECT_EQ(st().FlexGprsPersonale, kPersonal);
  EXPECT_EQ(slot2(), kPersonal);
  EXPECT_EQ(st().formatted[2].substr(0, 11), "00 43 00 49");
  EXPECT_EQ(value("Check1(5)"), 1);
  EXPECT_FALSE(st().labelDialogOpen);
  EXPECT_EQ(view.dialogClosed, 1);
  // The record reads back as a personal label, and the readback leaves it alone.
  editor.AggiornaOpzioni();
  EXPECT_EQ(value("Check1(5)"), 1);
  EXPECT_EQ(slot2(), kPersonal);
  // Ticking the option again starts from the empty template.
  click("Check1(5)");
  click("Check1(5)");
  EXPECT_EQ(st().FlexGprsPersonale, builtin::kLabelTemplate);
}

TEST_F(GprsLabel, LeavingWithoutATextClearsTheOption) {
  for (int way = 0; way < 3; ++way) {
    openDialog();
    if (way == 0) editor.cmdOKGPRS_Click();
    if (way == 1) editor.closeLabelDialog();
    if (way == 2) editor.Form_Unload();  // the main window closes
    EXPECT_EQ(value("Check1(5)"), 0) << way;
    EXPECT_FALSE(flag("Check1(5)")) << way;
    EXPECT_EQ(slot2(), builtin::kGprs) << way;
    EXPECT_FALSE(st().labelDialogOpen) << way;
  }
  EXPECT_EQ(view.dialogClosed, 3);
  EXPECT_FALSE(editor.cmdOKGPRS_Click());
  EXPECT_FALSE(editor.txt1_Change("x"));
}

TEST_F(GprsLabel, CloseBoxWithATextAppliesNothing) {
  openDialog();
  editor.txt1_Change("Ciao");
  editor.closeLabelDialog();
  EXPECT_EQ(value("Check1(5)"), 1);
  EXPECT_EQ(slot2(), builtin::kGprs);
  EXPECT_EQ(st().FlexGprsPersonale, builtin::kLabelTemplate);
}

TEST_F(GprsLabel, OkStillEncodesAfterTheOptionWasClearedMeanwhile) {
  openDialog();
  editor.txt1_Change("Ciao");
  click("Check1(5)");
  EXPECT_EQ(slot2(), builtin::kGprs);
  EXPECT_TRUE(st().labelDialogOpen);
  editor.cmdOKGPRS_Click();
  EXPECT_EQ(slot2(), kPersonal);
  EXPECT_EQ(value("Check1(5)"), 0);
}

TEST_F(GprsLabel, GprsNullWinsTheInterlock) {
  // Ticking GPRS Null while GPRS Personale is ticked (dialog open) unticks it; the dialog stays.
  openDialog();
  click("Check1(3)");
  EXPECT_EQ(value("Check1(3)"), 1);
  EXPECT_EQ(value("Check1(5)"), 0);
  EXPECT_EQ(slot2(), builtin::kGprsNull);
  EXPECT_TRUE(st().labelDialogOpen);
  editor.closeLabelDialog();
  EXPECT_EQ(slot2(), builtin::kGprsNull);

  // Ticking GPRS Personale while GPRS Null is ticked is refused with one message.
  click("Check1(5)");
  ASSERT_EQ(view.messages.size(), 1u);
  EXPECT_EQ(view.messages[0].prompt,
            "E' possibile attivare questa opzione solo disabilitando GPRS Null");
  EXPECT_EQ(view.messages[0].title, "Errore di Incoerenza");
  EXPECT_EQ(value("Check1(5)"), 0);
  EXPECT_FALSE(flag("Check1(5)"));
  EXPECT_EQ(slot2(), builtin::kGprsNull);
  EXPECT_EQ(view.dialogShown, 1);
}

TEST_F(GprsLabel, ClearingGprsNullAlwaysBringsBackTheGprsRecord) {
  openDialog();
  editor.txt1_Change("Ciao");
  editor.cmdOKGPRS_Click();
  click("Check1(3)");
  EXPECT_EQ(slot2(), builtin::kGprsNull);
  click("Check1(3)");
  EXPECT_EQ(slot2(), builtin::kGprs);
  EXPECT_EQ(st().FlexGprsPersonale, kPersonal);
}

TEST_F(GprsLabel, LoadingAPersonalLabelTicksPersonaleAndKeepsTheRecord) {
  const std::string file = std::string(builtin::kBase) + "\r\n" + std::string(builtin::kCall) +
                           "\r\n" + kPersonal + "\r\n";
  load(file);
  EXPECT_EQ(value("Check1(5)"), 1);
  EXPECT_EQ(value("Check1(3)"), 0);
  EXPECT_EQ(slot2(), kPersonal);
  EXPECT_FALSE(st().labelDialogOpen);
  EXPECT_EQ(view.dialogShown, 0);
  EXPECT_EQ(st().FlexGprsPersonale, "");
  EXPECT_TRUE(view.messages.empty());

  // The same with GPRS Null ticked before: the readback clears it without replacing the record.
  editor.mnuFlexInterna_Click();
  click("Check1(3)");
  load(file);
  EXPECT_EQ(value("Check1(3)"), 0);
  EXPECT_EQ(value("Check1(5)"), 1);
  EXPECT_EQ(slot2(), kPersonal);
  EXPECT_FALSE(st().labelDialogOpen);
}

}  // namespace
