// The main window and its dialogs, driven as a person drives them: real clicks and typing on
// the widgets, file names and message boxes answered by the test. These check the wiring (each
// action reaches the editor, each widget shows what the editor holds); the rules are the core's.
#include <QtTest>
#include <QtWidgets>

#include "flex/builtin_records.hpp"
#include "options/option_catalog.hpp"
#include "ui/about_dialog.hpp"
#include "ui/command_line.hpp"
#include "ui/hex_view.hpp"
#include "ui/label_dialog.hpp"
#include "ui/main_window.hpp"
#include "ui/option_pages.hpp"
#include "ui/preview_panel.hpp"
#include "ui/recent_files.hpp"

using namespace flex::ui;
namespace builtin = flex::builtin;

namespace {

// The built-in flex with another Base record, as a file.
QString writeFlex(const QString& path, const std::string& base) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly)) qFatal("cannot write %s", qPrintable(path));
  file.write(QByteArray::fromStdString(base + "\r\n" + std::string(builtin::kCall) + "\r\n" +
                                       std::string(builtin::kGprs) + "\r\n"));
  return path;
}

// The tool-tip a resting mouse gets at `pos` of a viewport; empty when none shows.
QString toolTipAt(QWidget* viewport, QPoint pos) {
  QToolTip::hideText();
  if (!QTest::qWaitFor([] { return !QToolTip::isVisible(); })) return QStringLiteral("(stuck)");
  QHelpEvent help(QEvent::ToolTip, pos, viewport->mapToGlobal(pos));
  QApplication::sendEvent(viewport, &help);
  return QToolTip::isVisible() ? QToolTip::text() : QString();
}

// Files dragged from the desktop and dropped on `target`; whether the drop was taken.
bool dropFiles(QWidget* target, const QList<QUrl>& urls) {
  QMimeData data;
  data.setUrls(urls);
  QDragEnterEvent enter({5, 5}, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, {});
  QApplication::sendEvent(target, &enter);
  if (!enter.isAccepted()) return false;
  QDropEvent drop({5, 5}, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, {});
  QApplication::sendEvent(target, &drop);
  return drop.isAccepted();
}

}  // namespace

class Form1Test : public QObject {
  Q_OBJECT

  QStringList messages_;  // "title: prompt"
  QString openName_, saveName_;
  QString asked_;  // the text of the last box answered by answerNextBox
  QTemporaryDir settings_;  // the user's settings, here only
  std::unique_ptr<MainWindow> form_;

  QWidget* child(const char* name) { return form_->findChild<QWidget*>(name); }
  // A left click near the left edge: on a check box's indicator, inside any button.
  static void click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, {6, w->height() / 2}); }
  void click(const char* name) { click(child(name)); }
  bool ticked(const char* name) { return child(name)->property("checked").toBool(); }
  const std::string& slot(std::size_t i) const { return form_->state().recordSlots[i]; }
  QString status() { return child("StatusBarPanel1")->property("text").toString(); }
  HexView* formatted(std::size_t i) const { return form_->preview()->formattedBox(i); }
  QPlainTextEdit* raw(std::size_t i) const { return form_->preview()->rawPreview(i); }
  // The next modal message box, once it shows, is answered with its button `answer`.
  void answerNextBox(const QString& answer) {
    asked_.clear();
    QTimer::singleShot(0, this, [this, answer] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      asked_ = box ? box->text() : QString();
      for (QAbstractButton* button : box ? box->buttons() : QList<QAbstractButton*>())
        if (button->text() == answer) button->click();
    });
  }
  std::pair<bool, bool> undoRedoEnabled() {  // "Annulla", "Ripeti"
    return {form_->findChild<QAction*>("mnuAnnulla")->isEnabled(),
            form_->findChild<QAction*>("mnuRipeti")->isEnabled()};
  }

 private Q_SLOTS:
  void initTestCase() {
    QApplication::setQuitOnLastWindowClosed(false);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_.path());
  }

  void init() {
    messages_.clear();
    QSettings().clear();
    Prompts prompts;
    prompts.openFileName = [this](QWidget*) { return openName_; };
    prompts.saveFileName = [this](QWidget*) { return saveName_; };
    prompts.messageBox = [this](QWidget*, const QString& prompt, const QString& title) {
      messages_ << title + ": " + prompt;
    };
    form_ = std::make_unique<MainWindow>(prompts);
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
  }

  void cleanup() {
    form_.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  // The start as the editor has it; then each box, clicked on its page, flips its own option.
  void everyBoxReachesItsOwnOption() {
    for (std::size_t r = 0; r < flex::kOptionCount; ++r)
      QCOMPARE(form_->optionPages()->box(r)->isChecked(), form_->state().boxes[r].state != 0);
    QVERIFY(ticked("CheckFormattazioneTesto"));
    for (std::size_t i = 0; i < 3; ++i) QVERIFY(formatted(i)->isVisible() && !raw(i)->isVisible());
    QCOMPARE(form_->minimumSize(), form_->maximumSize());  // fixed size
    QTabBar* tabs = form_->optionPages()->tabStrip();
    for (std::size_t r = 0; r < flex::kOptionCount; ++r) {
      const int page = flex::optionCatalog()[r].layout.page;
      QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(page - 1).center());
      QCOMPARE(child("frmPagina1")->isVisible(), page == 1);
      QCOMPARE(child("frmPagina2")->isVisible(), page == 2);
      QCheckBox* box = form_->optionPages()->box(r);
      const bool was = box->isChecked();
      click(box);
      QVERIFY2(box->isChecked() != was && (form_->state().boxes[r].state != 0) != was,
               qPrintable(box->objectName()));
      click(box);
    }
  }

  // "Menu Engineering" is on Base byte 90 (characters 181-182; formatted line 4, pair 4): a
  // click changes it in both views, tints it, and the inspector tells it.
  void clickedByteShowsEverywhere() {
    HexView* box = formatted(0);
    click("Check1_0");
    QCOMPARE(raw(0)->toPlainText().mid(180, 2), QStringLiteral("B7"));
    QCOMPARE(box->lines()[4].mid(12, 2), QStringLiteral("B7"));
    const QImage image = box->viewport()->grab().toImage();
    const QColor tint = HexView::markColor(box->palette());
    for (std::size_t pair = 0; pair < 100; ++pair)  // only its pair is drawn on the tint
      QCOMPARE(image.pixelColor(box->pairRect(pair).topLeft()) == tint, pair == 68);

    const QString tip = toolTipAt(box->viewport(), box->pairRect(68).center());
    QCOMPARE(tip.section('\n', 0, 1), "Record Base, byte 0x5A (90)\nValore: B7 = 183 = 1011 0111");
    QCOMPARE(toolTipAt(box->viewport(), box->pairRect(68).topRight() + QPoint(3, 1)), QString());

    click("CheckFormattazioneTesto");
    QPlainTextEdit* rawBase = raw(0);
    QCOMPARE(rawBase->extraSelections().value(0).cursor.selectionStart(), 180);  // tinted too
    const int width = QFontMetrics(rawBase->font()).horizontalAdvance('0');
    QTextCursor at(rawBase->document());
    at.setPosition(180);
    for (int x : {1, width + 1, 2 * width - 2})  // both characters, both their halves
      QCOMPARE(toolTipAt(rawBase->viewport(), rawBase->cursorRect(at).center() + QPoint(x, 0)),
               tip);
    at.movePosition(QTextCursor::End);
    QCOMPARE(toolTipAt(rawBase->viewport(), rawBase->cursorRect(at).center() + QPoint(12, 0)),
             QString());

    // Typing in the raw view reaches the record and the formatted view.
    QVERIFY(raw(0)->isVisible() && !formatted(0)->isVisible());
    QTextCursor cursor = raw(0)->textCursor();
    cursor.setPosition(44);  // the first data digit
    raw(0)->setTextCursor(cursor);
    QTest::keyClicks(raw(0), "x9");
    QCOMPARE(raw(0)->textCursor().position(), 46);
    QCOMPARE(formatted(0)->lines()[0].left(8), QStringLiteral("x9 D2 EE"));
  }

  // "GPRS Personale" opens the label dialog; its close box, OK and the closing main window go
  // to the editor, what is typed reaches it as one byte per character. About is one window.
  void dialogsWiring() {
    click("Check1_5");
    QPointer<LabelDialog> dialog = form_->labelDialog();
    QVERIFY(dialog && dialog->isVisible());
    dialog->close();  // the close box, no text typed: the option is cleared
    QTRY_VERIFY(dialog.isNull() && !ticked("Check1_5"));
    click("Check1_5");
    dialog = form_->labelDialog();
    QTest::keyClicks(dialog->textField(), "ci");
    QTest::sendKeyEvent(QTest::Click, dialog->textField(), Qt::Key_Agrave, QChar(0xE0), {});
    click(dialog->okButton());
    QTRY_VERIFY(dialog.isNull());
    QCOMPARE(slot(2), std::string(builtin::kLabelTemplate).replace(44, 12, "0043004900C0"));

    QAction* about = form_->findChild<QAction*>("mnuAbout");
    about->trigger();
    about->trigger();
    QWidgetList shown = QApplication::topLevelWidgets();
    shown.removeIf([](QWidget* w) { return !qobject_cast<AboutDialog*>(w) || !w->isVisible(); });
    QCOMPARE(shown.size(), 1);
    click("Check1_5");
    click("Check1_5");  // the label dialog again, no text typed
    dialog = form_->labelDialog();
    QPointer<AboutDialog> aboutDialog = form_->aboutDialog();
    QVERIFY(dialog && aboutDialog);
    answerNextBox("Non salvare");
    click("cmdEsci");
    QTRY_VERIFY(dialog.isNull() && aboutDialog.isNull());
    QVERIFY(!form_->state().labelDialogOpen);
  }

  // "Apri Flex", `flexedit PATH` and a drop open alike, errors too; of dropped files the first.
  void opensFromButtonCommandLineOrDrop_data() {
    QTest::addColumn<QString>("way");
    for (const char* way : {"button", "command line", "drop on formatted", "drop on raw"})
      QTest::newRow(way) << way;
  }
  void opensFromButtonCommandLineOrDrop() {
    QFETCH(QString, way);
    QTemporaryDir dir;
    std::string base(builtin::kBase);
    base.replace(180, 2, "B7");  // "Menu Engineering" ticked
    const QString good = writeFlex(dir.filePath("mio.hs"), base), missing = dir.filePath("no.hs");
    if (way == "drop on raw") click("CheckFormattazioneTesto");
    for (const QString& path : {good, missing}) {
      if (way == "button") {
        openName_ = path;
        click("cmdApri");
      } else if (way == "command line") {
        form_->openFileLater(path.toStdString());
        QVERIFY(status() != "File: " + path);  // not before the event loop runs
      } else {
        QWidget* target = way == "drop on raw" ? raw(0)->viewport() : formatted(0)->viewport();
        const QString other = path == good ? missing : good;
        QVERIFY(dropFiles(target, {QUrl::fromLocalFile(path), QUrl::fromLocalFile(other)}));
      }
      QTRY_COMPARE(status(), "File: " + path);
      QCOMPARE(slot(0), base);  // the missing file changes nothing
    }
    QVERIFY(ticked("Check1_0"));
    QCOMPARE(raw(0)->toPlainText(), QString::fromStdString(base));
    QCOMPARE(messages_.size(), 1);
  }

  void refusesWhatIsNoFlexFile() {
    const char* argv[] = {"flexedit", "mio.hs", "altro.hs"};  // the first file, made absolute
    QVERIFY(!commandLineFile(1, argv));
    QCOMPARE(QString::fromStdString(*commandLineFile(3, argv)),
             QDir::current().absoluteFilePath("mio.hs"));
    QTemporaryDir dir;
    const QUrl text = QUrl::fromLocalFile(writeFlex(dir.filePath("mio.txt"), ""));
    QVERIFY(!dropFiles(form_.get(), {text}));
    QVERIFY(!dropFiles(raw(0)->viewport(), {QUrl("https://example.org/a.hs")}));
    QCoreApplication::processEvents();
    QVERIFY(status().isEmpty() && messages_.isEmpty());
  }

  // "Genera File FLEX"; the title names the file last loaded or saved, marked while changed.
  void saveAndTitle() {
    QCOMPARE(form_->windowTitle(), QStringLiteral("Tessaron Orvane"));
    click("Check1_0");
    QCOMPARE(form_->windowTitle(), QStringLiteral("Tessaron Orvane *"));
    QTemporaryDir dir;
    saveName_ = dir.filePath("mio flex.hs");
    click("cmdGenera");
    QVERIFY(QFileInfo::exists(saveName_));
    QCOMPARE(status(), "File: " + saveName_);
    QCOMPARE(form_->windowTitle(), QStringLiteral("Tessaron Orvane - mio flex.hs"));
    click("Check1_0");
    QCOMPARE(form_->windowTitle(), QStringLiteral("Tessaron Orvane - mio flex.hs *"));
    answerNextBox("Annulla");
    QVERIFY(!form_->close());
    QCOMPARE(asked_, "Salvare le modifiche a \"mio flex.hs\" prima di uscire?");
  }

  // "Modifica" after "&File", enabled as the editor allows; its keys work in a raw preview too.
  void editMenuAndKeys() {
    QCOMPARE(form_->menuBar()->actions()[1]->text(), "&Modifica");
    QCOMPARE(undoRedoEnabled(), std::pair(false, false));
    click("Check1_0");
    QCOMPARE(undoRedoEnabled(), std::pair(true, false));
    click("CheckFormattazioneTesto");
    raw(0)->setFocus();
    QTest::keyClicks(raw(0), "x9");
    raw(1)->setFocus();  // "x9" is one step: the focus left
    raw(0)->setFocus();
    const std::string before = slot(0);
    QTest::keyClicks(raw(0), "y");
    const std::string typed = slot(0);
    QCOMPARE(form_->editor().undoCount(), 3u);  // the click, "x9", "y"
    QVERIFY(!raw(0)->document()->isUndoAvailable());  // the box keeps no undo of its own
    for (QKeyCombination redo : {Qt::CTRL | Qt::Key_Y, Qt::CTRL | Qt::SHIFT | Qt::Key_Z}) {
      QTest::keyClick(raw(0), Qt::Key_Z, Qt::ControlModifier);
      QCOMPARE(raw(0)->toPlainText().toStdString(), before);
      QCOMPARE(undoRedoEnabled(), std::pair(true, true));  // the redrawn box made no step
      QTest::keyClick(raw(0), redo.key(), redo.keyboardModifiers());
      QCOMPARE(slot(0), typed);
    }
  }

  // Closing on changes not saved asks: save first (or stay if that is cancelled), discard, stay.
  void closeAsksToSaveChanges_data() {
    QTest::addColumn<QString>("answer");  // empty: nothing changed
    QTest::addColumn<bool>("closes");
    QTest::newRow("unchanged") << "" << true;
    QTest::newRow("save") << "Salva" << true;
    QTest::newRow("save cancelled") << "Salva" << false;
    QTest::newRow("discard") << "Non salvare" << true;
    QTest::newRow("stay") << "Annulla" << false;
  }
  void closeAsksToSaveChanges() {
    QFETCH(QString, answer);
    QFETCH(bool, closes);
    QTemporaryDir dir;
    saveName_ = closes ? dir.filePath("mio.hs") : QString();
    if (!answer.isEmpty()) click("Check1_0");
    answerNextBox(answer.isEmpty() ? "Annulla" : answer);  // should it ask after all
    QCOMPARE(form_->close(), closes);
    QCOMPARE(asked_,
             answer.isEmpty() ? "" : "Salvare le modifiche alla flex interna prima di uscire?");
    QCOMPARE(QFileInfo::exists(saveName_), answer == "Salva" && closes);
  }

  // "File recenti": newest first, each once, at most 8; one that no longer opens leaves it.
  void recentFiles() {
    RecentFiles* recent = form_->recentFiles();
    QVERIFY(!recent->menuAction()->isEnabled());  // no file yet
    QTemporaryDir dir;
    auto name = [&dir](int i) { return dir.filePath(QStringLiteral("f%1.hs").arg(i)); };
    for (int i = 0; i < 9; ++i) {
      saveName_ = name(i);
      click("cmdGenera");
    }
    openName_ = name(3);
    click("cmdApri");
    QStringList expected{name(3), name(8), name(7), name(6), name(5), name(4), name(2), name(1)};
    QCOMPARE(recent->files(), expected);
    QCOMPARE(recent->actions()[0]->text(), "&1 " + QDir::toNativeSeparators(name(3)));
    QFile::remove(name(8));
    recent->actions()[1]->trigger();
    QTRY_COMPARE(messages_.size(), 1);
    expected.removeAt(1);
    QCOMPARE(recent->files(), expected);
    recent->actions()[3]->trigger();
    QTRY_COMPARE(status(), "File: " + name(5));
  }

  // Every caption whole; 16 pairs a line under the ruler's columns, row labels beside the lines.
  void layoutLinesUpAndClipsNothing() {
    const auto buttons = form_->findChildren<QAbstractButton*>(QRegularExpression("^(Check|cmd)"));
    QCOMPARE(buttons.size(), flex::kOptionCount + 6);
    for (const QWidget* w : buttons)
      QVERIFY2(w->sizeHint().width() <= w->width() &&
                   w->parentWidget()->contentsRect().contains(w->geometry()),
               qPrintable(w->objectName()));

    for (const QString& line : formatted(0)->lines().mid(0, 6))  // of 100 data bytes
      QCOMPARE(line.split(' ').size(), 16);
    QWidget* frame = child("Frame2");
    const QLabel* ruler = form_->preview()->ruler();
    form_->editor().editRaw(1, std::string(builtin::kCall.substr(0, 44)) + std::string(160, 'A'));
    for (std::size_t i = 0; i < 3; ++i) {
      HexView* box = formatted(i);
      const int columns = box->fontMetrics().horizontalAdvance(QString(HexView::kLineColumns, '0'));
      const int bar = box->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, box);
      QVERIFY(box->textLeft() + columns + bar <= box->width() - box->frameWidth());
      for (int c = 0; 3 * c < box->lines()[0].size(); ++c) {  // each ruler column over its pairs
        const int x = ruler->fontMetrics().horizontalAdvance(ruler->text().left(3 * c));
        QCOMPARE(ruler->mapTo(frame, QPoint(x, 0)).x(),
                 box->viewport()->mapTo(frame, box->pairRect(c).topLeft()).x());
      }
      if (i == 1) box->verticalScrollBar()->setValue(2);  // 5 lines in a box that shows 3
      const auto& labels = form_->preview()->rowLabels(i);
      QVERIFY(box->visibleLineCount() >= static_cast<int>(labels.size()));
      for (std::size_t row = 0; row < labels.size(); ++row) {
        QCOMPARE(labels[row]->mapTo(frame, QPoint(0, 0)).y(),
                 box->mapTo(frame, QPoint(0, box->lineTop(static_cast<int>(row)))).y());
        const std::size_t line = row + box->firstVisibleLine();
        QCOMPARE(labels[row]->text(), QStringLiteral("%1").arg(line * 16, 2, 16, QChar('0')));
      }
    }
    QCOMPARE(formatted(1)->firstVisibleLine(), 2);
  }
};

QTEST_MAIN(Form1Test)
#include "tst_form1.moc"
