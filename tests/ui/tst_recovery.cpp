// SPDX-License-Identifier: GPL-3.0-or-later
// The window's recovery copy: written after a step, removed when nothing is left unsaved, kept
// by a signal or a session that ends unasked; at start-up offered, restored, discarded or
// skipped; a file that another window holds opened only when the person says so. The rules of
// the copies are the core's; these check the wiring.
#include <QtTest>
#include <QtWidgets>
#include <csignal>
#include <fstream>

#include "session/recovery_writer.hpp"
#include "ui/support/quit_signals.hpp"
#include "ui/window/main_window.hpp"
#include "ui/window/recovery_keeper.hpp"

using namespace flex::ui;

class RecoveryTest : public QObject {
  Q_OBJECT

  QTemporaryDir dir_;
  flex::RecoveryFolder folder_{(dir_.path() + "/state/flexedit/recovery").toStdString()};
  QStringList answers_, asked_;  // the answers to the next questions; the questions asked
  std::unique_ptr<MainWindow> form_;

  std::unique_ptr<MainWindow> window() {
    Prompts prompts;
    prompts.saveFileName = [this](QWidget*, const QString&) { return dir_.filePath("s.hs"); };
    prompts.ask = [this](QWidget*, const Question& question) {
      asked_ << question.objectName + ": " + question.text;
      const QString answer = answers_.isEmpty() ? QString() : answers_.takeFirst();
      if (answer == "signal") {  // comes while the question shows, which then goes unanswered
        std::raise(SIGTERM);
        QCoreApplication::processEvents();
      }
      for (std::size_t i = 0; i < question.answers.size(); ++i)
        if (question.answers[i].text == answer) return static_cast<int>(i);
      return question.escapeAnswer;
    };
    auto form = std::make_unique<MainWindow>(prompts);
    form->keepRecoveryCopies(folder_.path());
    form->show();
    return form;
  }
  flex::Document copyOf(const MainWindow& form) {
    const std::string id = form.recovery()->writer().id();
    return id.empty() ? flex::Document{} : folder_.read(id).copy.document;
  }
  void click(const char* name) {
    QTest::mouseClick(form_->findChild<QWidget*>(name), Qt::LeftButton, {}, {6, 6});
  }

 private Q_SLOTS:
  void init() {
    asked_.clear();
    QDir(QString::fromStdString(folder_.path())).removeRecursively();
    form_ = window();
  }
  void cleanup() { form_.reset(); }

  // A step is on the disk soon after; while the label dialog is open, the step before it.
  // Undone, saved or let go on closing, it goes; kept when the window ends unasked.
  void copyFollowsTheSteps_data() {
    QTest::addColumn<QString>("ending");  // an answer to the close question, or what ends
    QTest::addColumn<bool>("kept");
    QTest::newRow("undone") << "undo" << false;
    QTest::newRow("saved on closing") << "Salva" << false;
    QTest::newRow("let go on closing") << "Non salvare" << false;
    QTest::newRow("closing cancelled") << "Annulla" << true;
    QTest::newRow("session ends unasked") << "session" << true;
    QTest::newRow("session ends, cancelled") << "session:Annulla" << true;
    QTest::newRow("session ends, let go") << "session:Non salvare" << false;
  }
  void copyFollowsTheSteps() {
    QFETCH(QString, ending);
    QFETCH(bool, kept);
    click("Check1_0");
    const flex::Document step = form_->editor().document();
    click("Check1_5");  // opens the label dialog: its step is not made yet
    QTRY_COMPARE(copyOf(*form_), step);
    form_->editor().closeLabelDialog();
    form_->editor().undo();  // the label's step
    answers_ = QStringList{ending.section(':', -1)};
    if (ending == "undo")
      form_->editor().undo();
    else if (!ending.startsWith("session"))  // asked as the window closes
      QVERIFY(form_->close() != kept && asked_.value(0).endsWith(" di uscire?"));
    if (ending.startsWith("session")) {
      click("Check1_1");  // a step not on the disk yet
      QCOMPARE(form_->endSession([&] { return ending != "session"; }), !ending.endsWith("Annulla"));
      if (ending == "session") QCOMPARE(copyOf(*form_), form_->editor().document());  // at once
    }
    if (!kept) QTRY_VERIFY(folder_.ids().empty());
    QTest::qWait(2 * RecoveryKeeper::kDelayMs);
    QCOMPARE(copyOf(*form_), kept ? form_->editor().document() : flex::Document{});
    QCOMPARE(form_->isVisible(), kept || ending == "undo");
  }

  // SIGTERM: the copy at once, and the window ends without asking; also while the close
  // question shows, which then goes unanswered.
  void signalKeepsTheCopyAndEnds_data() {
    QTest::addColumn<bool>("whileAsking");
    QTest::newRow("at work") << false;
    QTest::newRow("while the close question shows") << true;
  }
  void signalKeepsTheCopyAndEnds() {
    QFETCH(bool, whileAsking);
    const QuitSignals quitSignals([this](int) { form_->endAtSignal(); });
    click("Check1_0");  // not on the disk yet
    answers_ = QStringList{"signal"};
    whileAsking ? (void)form_->close() : (void)std::raise(SIGTERM);
    QTRY_VERIFY(!form_->isVisible());
    QCOMPARE(asked_.size(), whileAsking ? 1 : 0);
    QCOMPARE(copyOf(*form_), form_->editor().document());
  }

  // Copies of windows gone are offered in turn: one that cannot be read is skipped and kept,
  // one discarded, one restored and taken over, the rest left for later; a running window's
  // never, but the file it holds is opened elsewhere only when the person says so.
  void orphansAreOfferedAtStart() {
    const std::string held = dir_.filePath("\xe8.hs").toStdString();
    std::ofstream(held) << "00\r\n";
    form_->openFile(held);
    form_->editor().editRaw(1, "11");
    QTRY_VERIFY(!form_->recovery()->writer().id().empty());
    const std::string running = form_->recovery()->writer().id();
    flex::Document gone = form_->editor().document();
    for (const char* id : {"a1", "a2", "a3"}) folder_.write(folder_.lock(id), {gone, 0});
    std::ofstream(folder_.copyPath("a0")) << "FLEXEDIT RECOVERY 1\n";  // after the running one
    answers_ = QStringList{"Più tardi", "Scarta", "Ripristina"};
    std::unique_ptr<MainWindow> started = window();
    started->startLater(std::nullopt);
    QTRY_COMPARE(started->recovery()->writer().id(), "a2");
    QCOMPARE(asked_.size(), 3);  // the wording is the catalogue's; the copy's file and time
    QVERIFY(asked_[0].startsWith("badCopyPrompt") && asked_[0].contains("/a0.flexrecovery"));
    QVERIFY(asked_[1].contains(dir_.filePath("\xe8.hs")) && asked_[1].contains("01/01/1970"));
    QCOMPARE(started->editor().document(), gone);
    QVERIFY(started->editor().modified() && !started->editor().canUndo());
    QCOMPARE(folder_.ids(), (std::vector<std::string>{running, "a0", "a2", "a3"}));
    for (const QString answer : {"Annulla", "Apri comunque"}) {
      answers_ = QStringList{answer, "Non salvare"};  // then the restored changes go
      asked_.clear();
      started->openFile(held);
      QVERIFY(asked_.first().startsWith("heldElsewherePrompt"));
      QCOMPARE(started->editor().modified(), answer == "Annulla");
    }
    started.reset();
    QVERIFY(std::ranges::count(folder_.ids(), running) == 1);
  }
};

QTEST_MAIN(RecoveryTest)
#include "tst_recovery.moc"
