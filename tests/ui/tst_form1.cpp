// The main window and its dialogs, driven as a person drives them: real clicks and typing on
// the widgets, the file names and message boxes answered by the test.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>
#include <QTabBar>
#include <QTemporaryDir>
#include <QToolButton>
#include <QToolTip>
#include <QtTest>
#include <memory>

#include "model/builtin_records.hpp"
#include "options/option_catalog.hpp"
#include "ui/command_line.hpp"
#include "ui/form1.hpp"
#include "ui/frm_about.hpp"
#include "ui/frm_gprs.hpp"
#include "ui/hex_view.hpp"

using flex::ui::Form1;
using flex::ui::FrmAbout;
using flex::ui::FrmGprs;
using flex::ui::HexView;

namespace {

QString latin(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

std::size_t row(int group, int index) { return *flex::findOption(group, index); }

QPoint indicator(const QCheckBox* box) { return {6, box->height() / 2}; }

// A flex file: the built-in records with a few bytes changed.
QString writeFlex(const QString& path, std::string base, std::string call = std::string(
                                                              flex::builtin::kCall)) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly)) qFatal("cannot write %s", qPrintable(path));
  file.write(QByteArray::fromStdString(base + "\r\n" + call + "\r\n" +
                                       std::string(flex::builtin::kGprs) + "\r\n"));
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

// A file dragged from the desktop and dropped at `pos` of `target`; whether it was taken.
bool dropFiles(QWidget* target, const QList<QUrl>& urls, QPoint pos = {5, 5}) {
  QMimeData data;
  data.setUrls(urls);
  data.setText(urls.isEmpty() ? QString() : urls.first().toString());
  QDragEnterEvent enter(pos, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, {});
  QApplication::sendEvent(target, &enter);
  if (!enter.isAccepted()) return false;
  QDropEvent drop(pos, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, {});
  QApplication::sendEvent(target, &drop);
  return drop.isAccepted();
}

}  // namespace

class Form1Test : public QObject {
  Q_OBJECT

 private:
  struct Message {
    QString prompt;
    QString title;
  };
  std::vector<Message> messages_;
  QString openName_;
  QString saveName_;
  std::unique_ptr<Form1> form_;

  template <class T>
  T* child(const char* name) {
    T* widget = form_->findChild<T*>(QLatin1String(name));
    if (!widget) qFatal("no child %s", name);
    return widget;
  }
  void click(QCheckBox* box) { QTest::mouseClick(box, Qt::LeftButton, {}, indicator(box)); }
  void clickOption(int group, int index) { click(form_->optionBox(row(group, index))); }
  const std::string& slot(std::size_t i) const { return form_->state().txtpreview[i]; }
  QStringList tickedBoxes() const {
    QStringList names;
    for (std::size_t r = 0; r < flex::kOptionCount; ++r)
      if (form_->optionBox(r)->isChecked()) names << form_->optionBox(r)->objectName();
    names.sort();
    return names;
  }

 private Q_SLOTS:
  void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

  void init() {
    messages_.clear();
    flex::ui::Prompts prompts;
    prompts.openFileName = [this](QWidget*) { return openName_; };
    prompts.saveFileName = [this](QWidget*) { return saveName_; };
    prompts.messageBox = [this](QWidget*, const QString& prompt, const QString& title) {
      messages_.push_back({prompt, title});
    };
    form_ = std::make_unique<Form1>(prompts);
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
  }

  void cleanup() {
    form_.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  void startUpShowsBuiltInFlexOnPageOne() {
    QCOMPARE(tickedBoxes(), QStringList({"Check1_2", "Check2_0", "Check2_2", "Check2_4",
                                         "Check3_0"}));
    QVERIFY(child<QGroupBox>("frmPagina1")->isVisible());
    QVERIFY(!child<QGroupBox>("frmPagina2")->isVisible());
    QCOMPARE(form_->tabStrip()->currentIndex(), 0);
    QVERIFY(child<QCheckBox>("CheckFormattazioneTesto")->isChecked());
    for (std::size_t i = 0; i < 3; ++i) {
      QVERIFY(form_->formattedBox(i)->isVisible());
      QVERIFY(!form_->rawPreview(i)->isVisible());
    }
    QCOMPARE(form_->rawPreview(0)->toPlainText(), latin(flex::builtin::kBase));
    QCOMPARE(form_->rawPreview(2)->toPlainText(), latin(flex::builtin::kGprs));
    // 100 data bytes of the Base record: six full lines and four pairs.
    const QStringList base = form_->formattedBox(0)->lines();
    QCOMPARE(base.size(), 7);
    for (int i = 0; i < 6; ++i) QCOMPARE(base[i].split(' ').size(), 16);
    QCOMPARE(base[6], QStringLiteral("E0 01 33 4A"));
    QCOMPARE(form_->formattedBox(1)->text(), QStringLiteral("CC 41 80 1F 0E 02 68"));
    QCOMPARE(child<QLabel>("StatusBarPanel1")->text(), QString());
    QCOMPARE(form_->minimumSize(), form_->maximumSize());  // fixed size
  }

  void tabsSwitchPagesAndKeepTicks() {
    QTabBar* tabs = form_->tabStrip();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
    QVERIFY(!child<QGroupBox>("frmPagina1")->isVisible());
    QVERIFY(child<QGroupBox>("frmPagina2")->isVisible());
    clickOption(5, 0);  // a page-2 box takes clicks while shown
    QCOMPARE(slot(0).substr(102, 2), std::string("71"));
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(0).center());
    QVERIFY(child<QGroupBox>("frmPagina1")->isVisible());
    QVERIFY(!child<QGroupBox>("frmPagina2")->isVisible());
    QCOMPARE(tickedBoxes(), QStringList({"Check1_2", "Check2_0", "Check2_2", "Check2_4",
                                         "Check3_0", "Check5_0"}));
  }

  void clickOnBoxReachesRecordAndPreview() {
    QCheckBox* engineering = child<QCheckBox>("Check1_0");
    QCOMPARE(engineering->text(), QStringLiteral("Menu Engineering"));
    click(engineering);
    QVERIFY(engineering->isChecked());
    // Byte 90 of the Base record: characters 181-182; data byte 68, line 4, pair 4.
    QCOMPARE(form_->rawPreview(0)->toPlainText().mid(180, 2), QStringLiteral("B7"));
    QCOMPARE(form_->formattedBox(0)->lines()[4].mid(12, 2), QStringLiteral("B7"));
    click(engineering);
    QVERIFY(!engineering->isChecked());
    QCOMPARE(form_->formattedBox(0)->lines()[4].mid(12, 2), QStringLiteral("07"));
    QCOMPARE(slot(0), std::string(flex::builtin::kBase));
  }

  void rawEditRefreshesFormattedViewOnly() {
    click(child<QCheckBox>("CheckFormattazioneTesto"));
    QPlainTextEdit* raw = form_->rawPreview(0);
    QVERIFY(raw->isVisible());
    QVERIFY(!form_->formattedBox(0)->isVisible());
    const QStringList ticked = tickedBoxes();

    QTextCursor cursor = raw->textCursor();
    cursor.setPosition(44);  // the first data digit
    raw->setTextCursor(cursor);
    QTest::keyClicks(raw, "x9");
    QCOMPARE(raw->textCursor().position(), 46);  // typing keeps the cursor
    QCOMPARE(slot(0).substr(40, 8), std::string("0062x9D2"));
    QCOMPARE(form_->formattedBox(0)->lines()[0].left(8), QStringLiteral("x9 D2 EE"));
    QCOMPARE(tickedBoxes(), ticked);
    QCOMPARE(form_->state().FlexBase, std::string(flex::builtin::kBase));

    click(child<QCheckBox>("CheckFormattazioneTesto"));
    QVERIFY(form_->formattedBox(0)->isVisible());
    QVERIFY(!raw->isVisible());
  }

  void labelDialogTakesTypedLabel() {
    clickOption(1, 5);  // "GPRS Personale"
    QPointer<FrmGprs> dialog = form_->labelDialog();
    QVERIFY(dialog);
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->windowType(), Qt::Tool);
    QVERIFY(dialog->windowFlags() & Qt::WindowStaysOnTopHint);
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Personalizzazione Scritta GPRS"));
    QVERIFY(dialog->txt1()->font().bold());

    // A 13th character is refused once with the message; the first 12 stay.
    QTest::keyClicks(dialog->txt1(), "ciao a835 xyz");
    QCOMPARE(messages_.size(), std::size_t(1));
    QCOMPARE(messages_[0].title, QStringLiteral("Errore di Lunghezza"));
    QCOMPARE(dialog->txt1()->text(), QStringLiteral("ciao a835 xy"));
    QCOMPARE(QString::fromStdString(form_->state().txt1), QStringLiteral("ciao a835 xy"));

    dialog->txt1()->clear();
    QTest::keyClicks(dialog->txt1(), "Ci");
    QTest::sendKeyEvent(QTest::Click, dialog->txt1(), Qt::Key_Agrave, QString(QChar(0xE0)),
                        Qt::NoModifier);
    QTest::keyClicks(dialog->txt1(), "o");
    QCOMPARE(dialog->txt1()->text(), QString::fromUtf8("Ciào"));
    QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
    QTRY_VERIFY(dialog.isNull());
    QVERIFY(!form_->labelDialog());
    // Upper-cased, the low byte of each character at characters 47, 51, 55, 59.
    std::string expected(flex::builtin::kLabelTemplate);
    expected.replace(46, 2, "43");
    expected.replace(50, 2, "49");
    expected.replace(54, 2, "C0");
    expected.replace(58, 2, "4F");
    QCOMPARE(slot(2), expected);
    QVERIFY(child<QCheckBox>("Check1_5")->isChecked());
    QCOMPARE(form_->formattedBox(2)->lines()[0].left(11), QStringLiteral("00 43 00 49"));
  }

  void labelDialogCloseBoxWithoutTextClearsOption() {
    clickOption(1, 5);
    QPointer<FrmGprs> dialog = form_->labelDialog();
    QVERIFY(dialog);
    dialog->close();
    QTRY_VERIFY(dialog.isNull());
    QVERIFY(!child<QCheckBox>("Check1_5")->isChecked());
    QCOMPARE(slot(2), std::string(flex::builtin::kGprs));
  }

  void gprsNullRefusesPersonale() {
    clickOption(1, 3);  // "GPRS Null"
    QCOMPARE(slot(2), std::string(flex::builtin::kGprsNull));
    clickOption(1, 5);
    QCOMPARE(messages_.size(), std::size_t(1));
    QCOMPARE(messages_[0].title, QStringLiteral("Errore di Incoerenza"));
    QCOMPARE(messages_[0].prompt,
             QStringLiteral("E' possibile attivare questa opzione solo disabilitando GPRS Null"));
    QVERIFY(!child<QCheckBox>("Check1_5")->isChecked());
    QVERIFY(child<QCheckBox>("Check1_3")->isChecked());
    QVERIFY(!form_->labelDialog());
    QCOMPARE(slot(2), std::string(flex::builtin::kGprsNull));
  }

  void aboutChosenTwiceIsOneDialog() {
    QAction* about = child<QAction>("mnuAbout");
    about->trigger();
    about->trigger();
    int shown = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (qobject_cast<FrmAbout*>(w) && w->isVisible()) ++shown;
    QCOMPARE(shown, 1);
    FrmAbout* dialog = form_->aboutDialog();
    QVERIFY(dialog);
    QCOMPARE(dialog->windowTitle(), QStringLiteral("About Tessaron Orvane"));
    QCOMPARE(dialog->findChild<QLabel*>("lblVersion")->text(), QStringLiteral("Version 2.0.0"));
    QVERIFY(form_->isEnabled());  // modeless
    QPointer<FrmAbout> watched = dialog;
    QTest::keyClick(dialog, Qt::Key_Escape);
    QTRY_VERIFY(watched.isNull());
  }

  void closingMainWindowClosesDialogs() {
    clickOption(1, 5);  // the label dialog, no text typed
    child<QAction>("mnuAbout")->trigger();
    QPointer<FrmGprs> label = form_->labelDialog();
    QPointer<FrmAbout> about = form_->aboutDialog();
    QVERIFY(label && about);
    QTest::mouseClick(child<QPushButton>("cmdEsci"), Qt::LeftButton);
    QVERIFY(!form_->isVisible());
    QTRY_VERIFY(label.isNull());
    QTRY_VERIFY(about.isNull());
    // The label dialog closed with an empty text: "GPRS Personale" was cleared on the way.
    QCOMPARE(form_->state().boxes[row(1, 5)].Value, 0);
    QCOMPARE(slot(2), std::string(flex::builtin::kGprs));
  }

  void saveAndOpenThroughButtons() {
    QTemporaryDir dir;
    const QString path = dir.filePath("flex.hs");
    saveName_ = path;
    QTest::mouseClick(child<QPushButton>("cmdGenera"), Qt::LeftButton);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray saved = file.readAll();
    QCOMPARE(saved.size(), 376);
    QVERIFY(saved.startsWith(QByteArray(flex::builtin::kBase.data(), 244) + "\r\n"));
    QCOMPARE(child<QLabel>("StatusBarPanel1")->text(), "File: " + path);

    clickOption(1, 0);
    openName_ = path;
    QTest::mouseClick(child<QToolButton>("cmdApri"), Qt::LeftButton);
    QCOMPARE(slot(0), std::string(flex::builtin::kBase));
    QVERIFY(!child<QCheckBox>("Check1_0")->isChecked());

    openName_ = dir.filePath("missing.hs");
    QTest::mouseClick(child<QToolButton>("cmdApri"), Qt::LeftButton);
    QCOMPARE(messages_.size(), std::size_t(1));
    QCOMPARE(messages_[0].title, QStringLiteral("Errore File"));
    QVERIFY(messages_[0].prompt.startsWith("Impossibile aprire il file"));
  }

  // "flexedit PATH" and a dropped file open as "Apri Flex" does, once the window shows.
  void fileFromOutsideOpensAsApriFlex() {
    const char* none[] = {"flexedit"};
    QVERIFY(!flex::ui::commandLineFile(1, none));
    const char* two[] = {"flexedit", "mio.hs", "altro.hs"};
    QCOMPARE(QString::fromStdString(*flex::ui::commandLineFile(3, two)),
             QDir::current().absoluteFilePath("mio.hs"));  // the first, made absolute
    const char* absolute[] = {"flexedit", "/tmp/x/mio.hs"};
    QCOMPARE(*flex::ui::commandLineFile(2, absolute), std::string("/tmp/x/mio.hs"));

    QTemporaryDir dir;
    std::string base(flex::builtin::kBase);
    base.replace(180, 2, "B7");  // "Menu Engineering" ticked
    const QString path = writeFlex(dir.filePath("mio.hs"), base);
    form_->openFileLater(path.toStdString());
    QCOMPARE(slot(0), std::string(flex::builtin::kBase));  // not before the event loop runs
    QTRY_COMPARE(slot(0), base);
    QCOMPARE(child<QLabel>("StatusBarPanel1")->text(), "File: " + path);
    QVERIFY(child<QCheckBox>("Check1_0")->isChecked());
    QCOMPARE(form_->formattedBox(0)->lines()[4].mid(12, 2), QStringLiteral("B7"));

    form_->openFileLater(dir.filePath("missing.hs").toStdString());
    QTRY_COMPARE(messages_.size(), std::size_t(1));
    QCOMPARE(messages_[0].title, QStringLiteral("Errore File"));
    QVERIFY(messages_[0].prompt.startsWith("Impossibile aprire il file"));
    QCOMPARE(slot(0), base);

    // Dropped on the formatted view (it hands the drop to the window) and on a raw preview
    // (the file is opened, not typed in); only the first file counts; no other kind of file.
    const QString other = writeFlex(dir.filePath("ALTRO.HS"), std::string(flex::builtin::kBase));
    QVERIFY(dropFiles(form_->formattedBox(0)->viewport(),
                      {QUrl::fromLocalFile(other), QUrl::fromLocalFile(path)}));
    QTRY_COMPARE(slot(0), std::string(flex::builtin::kBase));
    QCOMPARE(child<QLabel>("StatusBarPanel1")->text(), "File: " + other);
    click(child<QCheckBox>("CheckFormattazioneTesto"));
    QVERIFY(dropFiles(form_->rawPreview(0)->viewport(), {QUrl::fromLocalFile(path)}));
    QTRY_COMPARE(slot(0), base);
    QCOMPARE(form_->rawPreview(0)->toPlainText(), QString::fromStdString(base));
    QFile::copy(path, dir.filePath("mio.txt"));
    QVERIFY(!dropFiles(form_.get(), {QUrl::fromLocalFile(dir.filePath("mio.txt"))}));
    QVERIFY(!dropFiles(form_->rawPreview(0)->viewport(), {QUrl("https://example.org/a.hs")}));
    QCoreApplication::processEvents();
    QCOMPARE(slot(0), base);
    QCOMPARE(messages_.size(), std::size_t(1));
  }

  // Resting on a byte pair shows the byte and the options on it, in either view; nothing
  // over the blank between pairs or past a line's end.
  void byteInspectorToolTips() {
    HexView* box = form_->formattedBox(0);
    const QRect pair = box->pairRect(90 - 22);  // Base byte 90: line 4, pair 4
    QString tip = toolTipAt(box->viewport(), pair.center());
    QVERIFY2(tip.startsWith("Record Base, byte 0x5A (90)\nValore: 07 = 7 = 0000 0111"),
             qPrintable(tip));
    QVERIFY2(tip.contains("Check1(0) Menu Engineering: bit 8, 6, 5 (non attiva)"),
             qPrintable(tip));
    QCOMPARE(toolTipAt(box->viewport(), pair.topRight() + QPoint(3, 1)), QString());  // blank
    QCOMPARE(toolTipAt(box->viewport(), box->pairRect(99).topRight() + QPoint(4, 1)),
             QString());  // past the last pair
    QVERIFY(toolTipAt(box->viewport(), box->pairRect(99).center()).startsWith(
        "Record Base, byte 0x79 (121)"));

    clickOption(1, 0);
    click(child<QCheckBox>("CheckFormattazioneTesto"));
    QPlainTextEdit* raw = form_->rawPreview(0);
    const int width = QFontMetrics(raw->font()).horizontalAdvance('0');
    for (int x : {1, width + 1, 2 * width - 2}) {  // both characters, both their halves
      QTextCursor cursor(raw->document());
      cursor.setPosition(180);
      tip = toolTipAt(raw->viewport(), raw->cursorRect(cursor).center() + QPoint(x, 0));
      QVERIFY2(tip.contains("Valore: B7 = 183 = 1011 0111"), qPrintable(tip));
      QVERIFY2(tip.contains("Menu Engineering: bit 8, 6, 5 (attiva)"), qPrintable(tip));
    }
    QTextCursor end(raw->document());
    end.movePosition(QTextCursor::End);
    QCOMPARE(toolTipAt(raw->viewport(), raw->cursorRect(end).center() + QPoint(12, 0)),
             QString());
    QVERIFY(toolTipAt(form_->rawPreview(1)->viewport(), {6, 6}).startsWith(
        "Record Call, byte 0x00 (0)\nValore: AA"));
  }

  // Bytes that are not the built-in flex's are tinted: a click's, and those past the end of
  // the built-in record.
  void changedBytesAreTinted() {
    HexView* box = form_->formattedBox(0);
    for (std::size_t pair = 0; pair < 100; ++pair) QVERIFY(!box->isMarked(pair));
    clickOption(1, 0);
    QVERIFY(box->isMarked(90 - 22));
    QVERIFY(!box->isMarked(90 - 22 - 1) && !box->isMarked(90 - 22 + 1));
    const QImage image = box->viewport()->grab().toImage();
    const QColor tint = HexView::markColor(box->palette());
    QCOMPARE(image.pixelColor(box->pairRect(68).topLeft()), tint);
    QVERIFY(image.pixelColor(box->pairRect(67).topLeft()) != tint);

    form_->editor().editRaw(1, std::string(flex::builtin::kCall) + "0102");
    QVERIFY(!form_->formattedBox(1)->isMarked(6));
    QVERIFY(form_->formattedBox(1)->isMarked(7) && form_->formattedBox(1)->isMarked(8));
    // The raw view marks the same bytes, header included.
    const auto marks = form_->rawPreview(0)->extraSelections();
    QCOMPARE(marks.size(), 1);
    QCOMPARE(marks[0].cursor.selectionStart(), 180);
    QCOMPARE(marks[0].cursor.selectionEnd(), 182);
    clickOption(1, 0);
    QVERIFY(!box->isMarked(68));
    QVERIFY(form_->rawPreview(0)->extraSelections().isEmpty());
  }

  // The title names the file last loaded or saved and carries a mark while the records
  // differ from it.
  void titleNamesFileAndMarksChanges() {
    QCOMPARE(form_->windowTitle(), QStringLiteral("Tessaron Orvane"));
    clickOption(1, 0);
    QCOMPARE(form_->windowTitle(), QStringLiteral("Tessaron Orvane *"));
    QTemporaryDir dir;
    saveName_ = dir.filePath("mio flex.hs");
    child<QAction>("mnuSalva")->trigger();
    QCOMPARE(form_->windowTitle(), QStringLiteral("Tessaron Orvane - mio flex.hs"));
    clickOption(1, 0);
    QCOMPARE(form_->windowTitle(), QStringLiteral("Tessaron Orvane - mio flex.hs *"));
    clickOption(1, 0);  // back to what was saved
    QCOMPARE(form_->windowTitle(), QStringLiteral("Tessaron Orvane - mio flex.hs"));
    clickOption(1, 0);
    saveName_ = "/nonexistent/folder/x.hs";  // a failed save changes nothing
    child<QAction>("mnuSalva")->trigger();
    QCOMPARE(form_->windowTitle(), QStringLiteral("Tessaron Orvane - mio flex.hs *"));
    openName_ = writeFlex(dir.filePath("altro.hs"), std::string(flex::builtin::kBase));
    child<QAction>("mnuApri")->trigger();
    QCOMPARE(form_->windowTitle(), QStringLiteral("Tessaron Orvane - altro.hs"));
  }

  void longRecordScrollsWithItsRowLabels() {
    // A Call record of 80 data bytes: five lines in a box that shows three.
    form_->editor().editRaw(1, std::string(flex::builtin::kCall.substr(0, 44)) +
                                   std::string(160, 'A'));
    HexView* box = form_->formattedBox(1);
    QCOMPARE(box->lines().size(), 5);
    QTRY_VERIFY(box->verticalScrollBar()->isVisible());
    box->verticalScrollBar()->setValue(2);
    QCOMPARE(box->firstVisibleLine(), 2);
    QStringList captions;
    for (const QLabel* label : form_->rowLabels(1)) captions << label->text();
    QCOMPARE(captions, QStringList({"20", "30", "40"}));
  }

  // What a person sees: every caption whole, 16 pairs per line under the ruler's 16 columns,
  // each row label beside its line.
  void layoutLinesUpAndClipsNothing() {
    for (std::size_t r = 0; r < flex::kOptionCount; ++r) {
      QCheckBox* box = form_->optionBox(r);
      QVERIFY2(box->sizeHint().width() <= box->width(), qPrintable(box->text()));
      const QWidget* frame = box->parentWidget();
      QVERIFY2(frame->contentsRect().contains(box->geometry()), qPrintable(box->text()));
    }
    auto* formattazione = child<QCheckBox>("CheckFormattazioneTesto");
    QVERIFY(formattazione->sizeHint().width() <= formattazione->width());
    for (const char* name : {"cmdGenera", "cmdEsci"}) {
      auto* button = child<QPushButton>(name);
      QVERIFY2(button->sizeHint().width() <= button->width(), name);
    }

    QWidget* frame = child<QGroupBox>("Frame2");
    const QLabel* ruler = form_->ruler();
    const QFontMetrics rulerMetrics(ruler->font());
    for (std::size_t i = 0; i < 3; ++i) {
      HexView* box = form_->formattedBox(i);
      QCOMPARE(QFontInfo(box->font()).family(), QFontInfo(ruler->font()).family());
      QCOMPARE(box->fontInfo().pixelSize(), ruler->fontInfo().pixelSize());
      QVERIFY(!box->fontInfo().bold() && !ruler->fontInfo().bold());  // inside a bold frame
      const QFontMetrics metrics(box->font());
      // 47 columns fit beside a scroll bar.
      const int columns = metrics.horizontalAdvance(QString(HexView::kLineColumns, '0'));
      const int scrollBar = box->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, box);
      QVERIFY(box->textLeft() + columns + scrollBar <= box->width() - box->frameWidth());
      // The ruler's columns start where the box's do.
      QCOMPARE(ruler->mapTo(frame, QPoint(0, 0)).x(),
               box->mapTo(frame, QPoint(box->textLeft(), 0)).x());
      QVERIFY(rulerMetrics.horizontalAdvance(ruler->text()) <= ruler->width());
      // Every row label is on its line, and the box shows all of its labelled lines.
      const auto& labels = form_->rowLabels(i);
      QVERIFY(box->visibleLineCount() >= static_cast<int>(labels.size()));
      for (std::size_t line = 0; line < labels.size(); ++line) {
        QCOMPARE(labels[line]->mapTo(frame, QPoint(0, 0)).y(),
                 box->mapTo(frame, QPoint(0, box->lineTop(static_cast<int>(line)))).y());
        QCOMPARE(labels[line]->text(), QStringLiteral("%1").arg(line * 16, 2, 16, QChar('0')));
      }
      // The raw preview covers its formatted box.
      QCOMPARE(form_->rawPreview(i)->geometry(), box->geometry().translated(frame->pos()));
    }
    QCOMPARE(form_->rowLabels(0).size(), std::size_t(7));
  }
};

QTEST_MAIN(Form1Test)
#include "tst_form1.moc"
