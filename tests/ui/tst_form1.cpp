// The main window and its dialogs, driven as a person drives them: real clicks and typing on
// the widgets, the file names and message boxes answered by the test.
#include <QtTest>
#include <QtWidgets>

#include "flex/builtin_records.hpp"
#include "options/option_catalog.hpp"
#include "ui/command_line.hpp"
#include "ui/form1.hpp"
#include "ui/frm_about.hpp"
#include "ui/frm_gprs.hpp"
#include "ui/hex_view.hpp"

using namespace flex::ui;
namespace builtin = flex::builtin;

namespace {

const QStringList kStartTicks{"Check1_2", "Check2_0", "Check2_2", "Check2_4", "Check3_0"};

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
  std::unique_ptr<Form1> form_;

  QWidget* child(const char* name) { return form_->findChild<QWidget*>(name); }
  // A left click near the left edge: on a check box's indicator, inside any button.
  static void click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, {6, w->height() / 2}); }
  void click(const char* name) { click(child(name)); }
  bool ticked(const char* name) { return child(name)->property("checked").toBool(); }
  const std::string& slot(std::size_t i) const { return form_->state().recordSlots[i]; }
  QString status() { return child("StatusBarPanel1")->property("text").toString(); }
  QStringList tickedBoxes() const {
    QStringList names;
    for (const QCheckBox* box : form_->findChildren<QCheckBox*>(QRegularExpression("^Check\\d")))
      if (box->isChecked()) names << box->objectName();
    names.sort();
    return names;
  }

 private Q_SLOTS:
  void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

  void init() {
    messages_.clear();
    Prompts prompts;
    prompts.openFileName = [this](QWidget*) { return openName_; };
    prompts.saveFileName = [this](QWidget*) { return saveName_; };
    prompts.messageBox = [this](QWidget*, const QString& prompt, const QString& title) {
      messages_ << title + ": " + prompt;
    };
    form_ = std::make_unique<Form1>(prompts);
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
  }

  void cleanup() {
    form_.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  void startsOnPageOneWithBuiltInFlex() {
    QCOMPARE(tickedBoxes(), kStartTicks);  // page 1 shown: everyBoxReachesItsOwnOption
    QVERIFY(ticked("CheckFormattazioneTesto"));
    for (std::size_t i = 0; i < 3; ++i)
      QVERIFY(form_->formattedBox(i)->isVisible() && !form_->rawPreview(i)->isVisible());
    QCOMPARE(form_->minimumSize(), form_->maximumSize());  // fixed size
  }

  // Each box, clicked on its page, flips its own option; the first is on page 1, the start page.
  void everyBoxReachesItsOwnOption() {
    QTabBar* tabs = form_->tabStrip();
    for (std::size_t r = 0; r < flex::kOptionCount; ++r) {
      const int page = flex::optionCatalog()[r].layout.page;
      QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(page - 1).center());
      QCOMPARE(child("frmPagina1")->isVisible(), page == 1);
      QCOMPARE(child("frmPagina2")->isVisible(), page == 2);
      QCheckBox* box = form_->optionBox(r);
      const bool was = box->isChecked();
      click(box);
      QVERIFY2(box->isChecked() != was && (form_->state().boxes[r].state != 0) != was,
               qPrintable(box->objectName()));
      click(box);
    }
    QCOMPARE(tickedBoxes(), kStartTicks);
  }

  // "Menu Engineering" is on Base byte 90 (characters 181-182; formatted line 4, pair 4): a
  // click changes it in both views, tints it, and the inspector tells it.
  void clickedByteShowsEverywhere() {
    HexView* box = form_->formattedBox(0);
    click("Check1_0");
    QCOMPARE(form_->rawPreview(0)->toPlainText().mid(180, 2), QStringLiteral("B7"));
    QCOMPARE(box->lines()[4].mid(12, 2), QStringLiteral("B7"));
    const QImage image = box->viewport()->grab().toImage();
    const QColor tint = HexView::markColor(box->palette());
    for (std::size_t pair = 0; pair < 100; ++pair)  // only its pair is drawn on the tint
      QCOMPARE(image.pixelColor(box->pairRect(pair).topLeft()) == tint, pair == 68);

    const QString tip = toolTipAt(box->viewport(), box->pairRect(68).center());
    QCOMPARE(tip.section('\n', 0, 1), "Record Base, byte 0x5A (90)\nValore: B7 = 183 = 1011 0111");
    QVERIFY(tip.contains("Check1(0) Menu Engineering: bit 8, 6, 5 (attiva)"));
    QCOMPARE(toolTipAt(box->viewport(), box->pairRect(68).topRight() + QPoint(3, 1)), QString());

    click("CheckFormattazioneTesto");
    QPlainTextEdit* raw = form_->rawPreview(0);
    QCOMPARE(raw->extraSelections().value(0).cursor.selectionStart(), 180);  // tinted there too
    const int width = QFontMetrics(raw->font()).horizontalAdvance('0');
    QTextCursor at(raw->document());
    at.setPosition(180);
    for (int x : {1, width + 1, 2 * width - 2})  // both characters, both their halves
      QCOMPARE(toolTipAt(raw->viewport(), raw->cursorRect(at).center() + QPoint(x, 0)), tip);
    at.movePosition(QTextCursor::End);
    QCOMPARE(toolTipAt(raw->viewport(), raw->cursorRect(at).center() + QPoint(12, 0)), QString());

    click("Check1_0");
    QVERIFY(!box->isMarked(68));
    QCOMPARE(box->lines()[4].mid(12, 2), QStringLiteral("07"));
    form_->editor().editRaw(1, std::string(builtin::kCall) + "0102");  // past the built-in end
    QVERIFY(!form_->formattedBox(1)->isMarked(6) && form_->formattedBox(1)->isMarked(7));
  }

  void rawEditRefreshesFormattedViewOnly() {
    click("CheckFormattazioneTesto");
    QPlainTextEdit* raw = form_->rawPreview(0);
    QVERIFY(raw->isVisible() && !form_->formattedBox(0)->isVisible());
    QTextCursor cursor = raw->textCursor();
    cursor.setPosition(44);  // the first data digit
    raw->setTextCursor(cursor);
    QTest::keyClicks(raw, "x9");
    QCOMPARE(raw->textCursor().position(), 46);
    QCOMPARE(form_->formattedBox(0)->lines()[0].left(8), QStringLiteral("x9 D2 EE"));
    QCOMPARE(tickedBoxes(), kStartTicks);
  }

  // The GPRS pair: "GPRS Null" refuses "GPRS Personale"; without it, Personale opens the label
  // dialog, whose close box with no text clears the option and whose OK writes the typed label.
  void gprsPairWithLabelDialog() {
    click("Check1_3");  // "GPRS Null"
    click("Check1_5");  // "GPRS Personale"
    QCOMPARE(messages_, QStringList("Errore di Incoerenza: E' possibile attivare questa opzione "
                                    "solo disabilitando GPRS Null"));
    QVERIFY(!ticked("Check1_5") && !form_->labelDialog());
    click("Check1_3");
    messages_.clear();

    click("Check1_5");
    QPointer<FrmGprs> dialog = form_->labelDialog();
    QVERIFY(dialog && dialog->isVisible());
    dialog->close();  // the close box, no text typed
    QTRY_VERIFY(dialog.isNull());
    QVERIFY(!ticked("Check1_5"));
    QCOMPARE(slot(2), std::string(builtin::kGprs));

    click("Check1_5");
    dialog = form_->labelDialog();
    QVERIFY(dialog);
    QTest::keyClicks(dialog->txt1(), "ci");
    QTest::sendKeyEvent(QTest::Click, dialog->txt1(), Qt::Key_Agrave, QChar(0xE0), {});
    QTest::keyClicks(dialog->txt1(), "o a835 xyz");  // the 13th character is refused
    QVERIFY(messages_.size() == 1 && messages_[0].startsWith("Errore di Lunghezza: "));
    QCOMPARE(dialog->txt1()->text(), QString::fromUtf8("ciào a835 xy"));
    click(dialog->okButton());
    QTRY_VERIFY(dialog.isNull());
    // "CIÀO A835 XY": one byte per character, each in its cell.
    QCOMPARE(slot(2), std::string(builtin::kLabelTemplate)
                          .replace(44, 48, "0043004900C0004F00200041003800330035002000580059"));
    QVERIFY(ticked("Check1_5"));
  }

  // About chosen twice is one window; closing the main window closes it and the label dialog.
  void aboutIsOneWindowAndClosesWithMainWindow() {
    QAction* about = form_->findChild<QAction*>("mnuAbout");
    about->trigger();
    about->trigger();
    QWidgetList shown = QApplication::topLevelWidgets();
    shown.removeIf([](QWidget* w) { return !qobject_cast<FrmAbout*>(w) || !w->isVisible(); });
    QCOMPARE(shown.size(), 1);
    click("Check1_5");  // the label dialog, no text typed
    QPointer<FrmGprs> label = form_->labelDialog();
    QPointer<FrmAbout> dialog = form_->aboutDialog();
    QVERIFY(label && dialog);
    click("cmdEsci");
    QTRY_VERIFY(label.isNull() && dialog.isNull());
    QCOMPARE(slot(2), std::string(builtin::kGprs));  // closed empty: "GPRS Personale" cleared
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
        QWidget* target = way == "drop on raw" ? form_->rawPreview(0)->viewport()
                                               : form_->formattedBox(0)->viewport();
        const QString other = path == good ? missing : good;
        QVERIFY(dropFiles(target, {QUrl::fromLocalFile(path), QUrl::fromLocalFile(other)}));
      }
      QTRY_COMPARE(status(), "File: " + path);
      QCOMPARE(slot(0), base);  // the missing file changes nothing
    }
    QVERIFY(ticked("Check1_0"));
    QCOMPARE(form_->rawPreview(0)->toPlainText(), QString::fromStdString(base));
    QVERIFY(messages_.size() == 1 && messages_[0].startsWith("Errore File: Impossibile aprire"));
  }

  void refusesWhatIsNoFlexFile() {
    const char* argv[] = {"flexedit", "mio.hs", "altro.hs"};  // the first file, made absolute
    QVERIFY(!commandLineFile(1, argv));
    QCOMPARE(QString::fromStdString(*commandLineFile(3, argv)),
             QDir::current().absoluteFilePath("mio.hs"));
    QTemporaryDir dir;
    const QUrl text = QUrl::fromLocalFile(writeFlex(dir.filePath("mio.txt"), ""));
    QVERIFY(!dropFiles(form_.get(), {text}));
    QVERIFY(!dropFiles(form_->rawPreview(0)->viewport(), {QUrl("https://example.org/a.hs")}));
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
    QCOMPARE(QFileInfo(saveName_).size(), qint64(244 + 58 + 68 + 6));  // three records, CRLF
    QCOMPARE(status(), "File: " + saveName_);
    QCOMPARE(form_->windowTitle(), QStringLiteral("Tessaron Orvane - mio flex.hs"));
    click("Check1_0");
    QCOMPARE(form_->windowTitle(), QStringLiteral("Tessaron Orvane - mio flex.hs *"));
    click("Check1_0");  // back to what was saved
    QCOMPARE(form_->windowTitle(), QStringLiteral("Tessaron Orvane - mio flex.hs"));
  }

  // Every caption whole; 16 pairs a line under the ruler's columns, row labels beside the lines.
  void layoutLinesUpAndClipsNothing() {
    const auto buttons = form_->findChildren<QAbstractButton*>(QRegularExpression("^(Check|cmd)"));
    QCOMPARE(buttons.size(), flex::kOptionCount + 6);
    for (const QWidget* w : buttons)
      QVERIFY2(w->sizeHint().width() <= w->width() &&
                   w->parentWidget()->contentsRect().contains(w->geometry()),
               qPrintable(w->objectName()));

    for (const QString& line : form_->formattedBox(0)->lines().mid(0, 6))  // of 100 data bytes
      QCOMPARE(line.split(' ').size(), 16);
    QWidget* frame = child("Frame2");
    const QLabel* ruler = form_->ruler();
    form_->editor().editRaw(1, std::string(builtin::kCall.substr(0, 44)) + std::string(160, 'A'));
    for (std::size_t i = 0; i < 3; ++i) {
      HexView* box = form_->formattedBox(i);
      const int columns = box->fontMetrics().horizontalAdvance(QString(HexView::kLineColumns, '0'));
      const int bar = box->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, box);
      QVERIFY(box->textLeft() + columns + bar <= box->width() - box->frameWidth());
      for (int c = 0; 3 * c < box->lines()[0].size(); ++c) {  // each ruler column over its pairs
        const int x = ruler->fontMetrics().horizontalAdvance(ruler->text().left(3 * c));
        QCOMPARE(ruler->mapTo(frame, QPoint(x, 0)).x(),
                 box->viewport()->mapTo(frame, box->pairRect(c).topLeft()).x());
      }
      if (i == 1) box->verticalScrollBar()->setValue(2);  // 5 lines in a box that shows 3
      const auto& labels = form_->rowLabels(i);
      QVERIFY(box->visibleLineCount() >= static_cast<int>(labels.size()));
      for (std::size_t row = 0; row < labels.size(); ++row) {
        QCOMPARE(labels[row]->mapTo(frame, QPoint(0, 0)).y(),
                 box->mapTo(frame, QPoint(0, box->lineTop(static_cast<int>(row)))).y());
        const std::size_t line = row + box->firstVisibleLine();
        QCOMPARE(labels[row]->text(), QStringLiteral("%1").arg(line * 16, 2, 16, QChar('0')));
      }
    }
    QCOMPARE(form_->formattedBox(1)->firstVisibleLine(), 2);
  }
};

QTEST_MAIN(Form1Test)
#include "tst_form1.moc"
