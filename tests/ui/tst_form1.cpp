// SPDX-License-Identifier: GPL-3.0-or-later
// The main window and its dialogs, driven as a person drives them: real clicks and keys on the
// widgets, file names and message boxes answered by the test. These check the wiring (each
// action reaches the editor, each widget shows what the editor holds); the rules are the core's.
#include <QtTest>
#include <QtWidgets>
#include <fstream>

#include "flex/builtin_records.hpp"
#include "flex/label_encoding.hpp"
#include "options/option_catalog.hpp"
#include "text/ansi.hpp"
#include "ui/app/command_line.hpp"
#include "ui/dialogs/about_dialog.hpp"
#include "ui/dialogs/label_dialog.hpp"
#include "ui/previews/preview_panel.hpp"
#include "ui/previews/raw_preview.hpp"
#include "ui/window/main_window.hpp"
#include "ui/window/option_pages.hpp"
#include "ui/window/recent_files.hpp"
#include "window_fixture.hpp"

using namespace flex::ui;
namespace builtin = flex::builtin;

namespace {

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

class Form1Test : public WindowFixture {
  Q_OBJECT

 private Q_SLOTS:
  // The start as the editor has it; each box, clicked on its page, flips its own option; a page
  // switch moves the focus to the new page's first box; Tab passes the formatted boxes by.
  void everyBoxReachesItsOwnOption() {
    QCOMPARE(form_->minimumSize(), form_->maximumSize());  // fixed size
    QTabBar* tabs = form_->optionPages()->tabStrip();
    int shown = 1;
    for (std::size_t r = 0; r < flex::kOptionCount; ++r) {
      QCheckBox* box = form_->optionPages()->box(r);
      const bool was = box->isChecked();
      QCOMPARE(was, form_->editor().document().boxes[r].state != 0);
      const int page = flex::optionCatalog()[r].layout.page;
      QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(page - 1).center());
      QVERIFY(child("frmPagina1")->isVisible() == (page == 1) && box->isVisible());
      if (r > 0 && page != shown) QCOMPARE(focus(), page == 1 ? "Check1_0" : "Check5_0");
      shown = page;
      click(box);
      QVERIFY2((form_->editor().document().boxes[r].state != 0) != was,
               qPrintable(box->objectName()));
      form_->editor().setOptionState(r, was);  // and what the editor holds, the box shows
      QVERIFY2(box->isChecked() == was, qPrintable(box->objectName()));
    }
    QStringList chain;
    for (int i = 0; i < 40; ++i, chain << focus())
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QVERIFY(chain.contains("cmdEsci") && !chain.join(' ').contains("txtFlex"));
  }

  // "Menu Engineering" is on Base byte 90 (characters 181-182; formatted line 4, pair 4): a
  // click changes it in both views, tints it, and the inspector tells it. The formatted pairs
  // can be selected with the mouse and copied; typing in the raw view reaches both views.
  void clickedByteShowsEverywhere() {
    HexView* box = formatted(0);
    click("Check1_0");
    QCOMPARE(box->lines()[4].mid(12, 2), QStringLiteral("B7"));
    const QImage image = box->viewport()->grab().toImage();
    const QColor tint = HexView::markColor(box->palette());
    const auto tinted = [&tint](const QImage& image, const QRect& r) {  // both characters
      return image.pixelColor(r.topLeft()) == tint && image.pixelColor(r.bottomRight()) == tint;
    };
    for (std::size_t pair = 0; pair < 100; ++pair)  // only its pair is drawn on the tint
      QCOMPARE(tinted(image, box->pairRect(pair)), pair == 68);
    const QString tip = toolTipAt(box->viewport(), box->pairRect(68).center());
    QCOMPARE(tip.section('\n', 0, 1), "Record Base, byte 0x5A (90)\nValore: B7 = 183 = 1011 0111");
    QTest::mousePress(box->viewport(), Qt::LeftButton, {}, box->pairRect(1).topLeft());
    QTest::mouseMove(box->viewport(), box->pairRect(2).bottomRight());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("EE 88"));

    click("CheckFormattazioneTesto");
    RawPreview* base = raw(0);
    const QImage rawImage = base->viewport()->grab().toImage();  // tinted there too
    for (std::size_t byte = 80; byte < 100; ++byte)
      QCOMPARE(tinted(rawImage, base->byteRect(byte).adjusted(0, 0, -1, -1)), byte == 90);
    const QRect pair = base->byteRect(90);  // both characters
    for (QPoint at : {pair.topLeft(), pair.bottomRight() - QPoint(1, 1)})
      QCOMPARE(toolTipAt(base->viewport(), at), tip);
    QTextCursor cursor = raw(1)->textCursor();
    cursor.setPosition(44);  // the first data digit of the Call record
    raw(1)->setTextCursor(cursor);
    QTest::keyClicks(raw(1), "x9");
    QCOMPARE(raw(1)->textCursor().position(), 46);
    QCOMPARE(formatted(1)->lines()[0].left(8), QStringLiteral("x9 CC 41"));
  }

  // A record far longer than a flex's: whole display lines, a block at a time; keys across a
  // soft break edit the record where the person sees them.
  void longRecordInRawView() {
    click("CheckFormattazioneTesto");
    RawPreview* box = raw(0);
    const int length = box->blockLength();
    std::string record;
    for (int i = 0; i < 3 * length + 10; ++i) record += "0123456789ABCDEF"[i % 16];
    form_->editor().editRaw(0, record);
    QCOMPARE(box->document()->blockCount(), 4);
    const QTextBlock block = box->document()->findBlockByNumber(1);
    QCoreApplication::processEvents();                            // the scroll bar shows
    box->document()->documentLayout()->blockBoundingRect(block);  // laid out
    QCOMPARE(block.layout()->lineCount(), RawPreview::kLinesPerBlock);
    QCOMPARE(block.layout()->lineAt(0).textLength(), length / RawPreview::kLinesPerBlock);
    // The cursor's document position, a key, the record position erased, the position then.
    const std::tuple<int, Qt::Key, int, int> keys[] = {
        {length + 1, Qt::Key_Backspace, length - 1, length - 1},
        {length, Qt::Key_Delete, length, length + 1},
        {length + 1, Qt::Key_Left, -1, length - 1}};
    for (const auto& [at, key, erased, then] : keys) {
      QTextCursor cursor = box->textCursor();
      cursor.setPosition(at);
      box->setTextCursor(cursor);
      QTest::keyClick(box, key);
      if (erased >= 0) record.erase(static_cast<std::size_t>(erased), 1);
      QCOMPARE(slot(0), record);
      QCOMPARE(box->textCursor().position(), then);
    }
    QTest::keyClicks(box, "xy");
    QCOMPARE(slot(0), record.insert(static_cast<std::size_t>(length) - 1, "xy"));
    QGuiApplication::clipboard()->setText("pq\n");  // pasted at the cursor
    box->paste();
    QCOMPARE(slot(0), record.insert(static_cast<std::size_t>(length) + 1, "pq\n"));
  }

  // The label field, OK, Enter, the close box and Esc reach the editor; control characters
  // typed or pasted never do; after the length message the focus is back in the field.
  void labelDialogWiring_data() {
    QTest::addColumn<int>("key");  // 0: a click on OK
    QTest::addColumn<QString>("typed");
    QTest::newRow("OK") << 0 << QString::fromUtf8("cià");
    QTest::newRow("Enter, 13 typed") << int(Qt::Key_Return) << "abcdefghijklm";
    QTest::newRow("Enter, none") << int(Qt::Key_Enter) << QString();
    QTest::newRow("Esc") << int(Qt::Key_Escape) << "ci";
  }
  void labelDialogWiring() {
    QFETCH(int, key);
    QFETCH(QString, typed);
    click("Check1_5");
    QPointer<LabelDialog> dialog = form_->labelDialog();
    QVERIFY(activate(dialog));
    QLineEdit* field = dialog->textField();
    field->setFocus();
    for (QChar c : typed) QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), {});
    QTRY_COMPARE(focus(), QStringLiteral("txt1"));
    QCOMPARE(field->text(), typed.left(12));
    field->insert(QStringLiteral("\t\r\n\x01"));  // as pasted
    key == 0 ? click(dialog->okButton()) : QTest::keyClick(field, Qt::Key(key));
    QTRY_VERIFY(dialog.isNull());
    QCOMPARE(ticked("Check1_5"), !typed.isEmpty());             // cleared when left without a text
    QCOMPARE(slot(2), typed.isEmpty() || key == Qt::Key_Escape  // the cells: the core's tests
                          ? std::string(builtin::kGprs)
                          : flex::encodeLabel(std::string(builtin::kLabelTemplate),
                                              flex::ansi::fromUtf8(typed.left(12).toStdString())));
  }

  // About chosen twice is one window; closing the main window closes it and the label dialog.
  void aboutIsOneWindowAndClosesWithMainWindow() {
    QAction* about = form_->findChild<QAction*>("mnuAbout");
    about->trigger();
    const QPointer<AboutDialog> dialog = form_->aboutDialog();
    about->trigger();
    click("Check1_5");  // the label dialog, no text typed
    const QPointer<LabelDialog> label = form_->labelDialog();
    QVERIFY(dialog && form_->aboutDialog() == dialog && label);
    click("cmdEsci");
    QTRY_VERIFY(label.isNull() && dialog.isNull() && !form_->editor().form().labelDialogOpen);
  }

  // "Apri Flex", `flexedit PATH` and a drop open alike: of dropped files the first, and only a
  // local .hs file. On a change not saved each asks first, and "Annulla" stays.
  void opensFromButtonCommandLineOrDrop_data() {
    QTest::addColumn<QString>("way");
    for (const char* way : {"button", "command line", "drop on formatted", "drop on raw"})
      QTest::newRow(way) << way;
  }
  void opensFromButtonCommandLineOrDrop() {
    QFETCH(QString, way);
    QTemporaryDir dir;
    const std::string base = std::string(builtin::kBase).replace(180, 2, "B7");  // Menu Engineering
    const QString good = dir.filePath("mio.hs");
    std::ofstream(good.toStdString()) << base;
    if (way == "drop on raw") click("CheckFormattazioneTesto");
    QWidget* target = way == "drop on raw" ? raw(0)->viewport() : formatted(0)->viewport();
    const QUrl notFlex = QUrl::fromLocalFile(QCoreApplication::applicationFilePath());
    QVERIFY(!dropFiles(target, {notFlex}) && !dropFiles(target, {QUrl("https://a.org/a.hs")}));
    click("Check1_1");
    openName_ = good;
    for (const QString answer : {"Annulla", "Non salvare"}) {
      answer_ = answer;
      if (way == "button") click("cmdApri");
      if (way == "command line") form_->startLater(QFile::encodeName(good).toStdString());
      if (way.startsWith("drop")) QVERIFY(dropFiles(target, {QUrl::fromLocalFile(good), notFlex}));
      QVERIFY(way != "command line" || status().isEmpty());  // not before the event loop runs
      QTRY_COMPARE(asked_, "Salvare le modifiche alla flex interna prima di aprire un altro file?");
      QTRY_COMPARE(status(), answer == "Annulla" ? QString() : "File: " + good);
    }
    QVERIFY(ticked("Check1_0") && raw(0)->text() == QString::fromStdString(base));
    if (way != "command line") return;
    // The first file, made absolute; --options FILE is no file.
    const char* argv[] = {"flexedit", "--options", "o.json", "mio.hs", "altro.hs"};
    const CommandLine line = readCommandLine(5, argv);
    QVERIFY(!readCommandLine(1, argv).file && line.optionsFile == "o.json");
    QCOMPARE(QString::fromStdString(*line.file), QDir::current().absoluteFilePath("mio.hs"));
  }

  // "Genera File FLEX"; the title names the file last loaded or saved, marked while changed;
  // the status bar, 255 twips high, cuts a long path in the middle and shows it whole on a tip.
  // The file dialogs start in the last file's folder, else an existing home, else here.
  void saveTitleStatusAndFolders() {
    const QByteArray home = qgetenv("HOME");
    const auto restore = qScopeGuard([&] { qputenv("HOME", home); });
    QTemporaryDir dir;
    const QString folder = dir.filePath(QString(100, 'x'));
    QVERIFY(QDir().mkpath(folder));
    qputenv("HOME", dir.filePath("none").toUtf8());
    click("Check1_0");
    QCOMPARE(form_->windowTitle(), QStringLiteral("Tessaron Orvane *"));
    saveName_ = folder + "/mio flex.hs";
    click("cmdGenera");
    const QLabel* panel = form_->findChild<QLabel*>("StatusBarPanel1");
    QCOMPARE(panel->toolTip(), "File: " + saveName_);
    QVERIFY(status().startsWith("File: /") && status().endsWith("x/mio flex.hs"));
    QVERIFY(status().contains(QChar(0x2026)) && panel->sizeHint().width() <= panel->width());
    QCOMPARE(child("StatusBar")->height(), qRound(255 * form_->logicalDpiY() / 1440.0));
    QCOMPARE(form_->windowTitle(), QStringLiteral("Tessaron Orvane - mio flex.hs"));
    click("Check1_0");
    QCOMPARE(form_->windowTitle(), QStringLiteral("Tessaron Orvane - mio flex.hs *"));
    answer_ = "Annulla";
    click("cmdFlexInterna");  // asked first, and it stays
    QCOMPARE(asked_, "Salvare le modifiche a \"mio flex.hs\" prima di caricare la flex interna?");
    answer_ = "Non salvare";  // asked before each open dialog
    click("cmdApri");
    QCOMPARE(panel->toolTip(), "File: " + saveName_);  // a cancelled open leaves it
    QVERIFY(QDir(folder).removeRecursively());
    qputenv("HOME", dir.path().toUtf8());
    click("cmdApri");
    QCOMPARE(folders_, QStringList({QDir::currentPath(), folder, dir.path()}));
  }

  // "Modifica" enabled as the editor allows (the step's name: tst_language), its keys in raw views.
  void editMenuAndKeys() {
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
    QCOMPARE(form_->editor().undoCount(), 3u);        // the click, "x9", "y"
    QVERIFY(!raw(0)->document()->isUndoAvailable());  // the box keeps no undo of its own
    for (QKeyCombination redo : {Qt::CTRL | Qt::Key_Y, Qt::CTRL | Qt::SHIFT | Qt::Key_Z}) {
      QTest::keyClick(raw(0), Qt::Key_Z, Qt::ControlModifier);
      QCOMPARE(raw(0)->toPlainText().toStdString(), before);
      QCOMPARE(undoRedoEnabled(), std::pair(true, true));  // the redrawn box made no step
      QTest::keyClick(raw(0), redo.key(), redo.keyboardModifiers());
      QCOMPARE(slot(0), typed);
    }
  }

  // The window watches its file: another program's change shows as one line at the right of the
  // status bar, moving no control; "Ricarica" loads it again as an undoable step. With unsaved
  // changes the line only tells; a save then asks before it overwrites. A deleted file shows too.
  void changedOnDiskNoticeAndQuestion() {
    QTemporaryDir dir;
    const QString file = dir.filePath("mio.hs");
    saveName_ = file;
    click("cmdGenera");
    QLabel* notice = form_->findChild<QLabel*>("diskNotice");
    QVERIFY(!notice->isVisible());
    const QImage before = child("client")->grab().toImage();
    const std::string base = slot(0);
    const std::string other = std::string(base).replace(180, 2, "B7");
    std::ofstream(dir.filePath("new.hs").toStdString()) << other << "\r\n";  // saved by rename
    QCOMPARE(std::rename(qPrintable(dir.filePath("new.hs")), qPrintable(file)), 0);
    QTRY_VERIFY(notice->isVisible() && notice->accessibleName().isEmpty());  // its text is read
    QCOMPARE(notice->text(), "\"mio.hs\" è cambiato sul disco. <a href=\"reload\">Ricarica</a>");
    QCOMPARE(child("client")->grab().toImage(), before);  // no control moved
    Q_EMIT notice->linkActivated("reload");
    QVERIFY(slot(0) == other && !notice->isVisible() && ticked("Check1_0"));
    form_->editor().undo();
    QCOMPARE(slot(0), base);  // now a change not saved
    std::ofstream(file.toStdString(), std::ios::app) << "x";
    QTRY_VERIFY(notice->isVisible());
    QCOMPARE(notice->text(), "\"mio.hs\" è cambiato sul disco; le tue modifiche restano.");
    answer_ = "Sovrascrivi";  // what each answer does is the editor's
    click("cmdGenera");
    QVERIFY(asked_.contains("mio.hs") && !notice->isVisible());
    QVERIFY(QFile::rename(file, dir.filePath("saved.hs")));
    QTRY_COMPARE(notice->text(), "\"mio.hs\" è stato spostato o cancellato.");
    std::ofstream(file.toStdString()) << "x";  // made again: seen in the folder, then watched
    QTRY_VERIFY(notice->text().contains("cambiato"));
    QVERIFY(QFile::remove(file) && QFile::rename(dir.filePath("saved.hs"), file));  // as it was
    QTRY_VERIFY(!notice->isVisible());
  }

  // "File recenti": another run's list (stored as text by earlier runs) enables it as the File
  // menu opens, an entry naming its whole path to a screen reader however the menu shortens it.
  // Newest first, each once, at most 8; one that no longer opens leaves it. A name that is not
  // UTF-8 stays exact (only the menu shows U+FFFD) and reopens from there.
  void recentFiles() {
    RecentFiles* recent = form_->recentFiles();
    QVERIFY(!recent->menuAction()->isEnabled());
    const QString path = '/' + QString(30, 'd') + '/' + QString(80, 'f') + ".hs";
    QSettings().setValue("recentFiles", QStringList{path});
    Q_EMIT form_->findChild<QMenu*>("mnuFile")->aboutToShow();
    QVERIFY(recent->menuAction()->isEnabled() && recent->actions()[0]->text().size() < path.size());
    QAccessibleInterface* entry = QAccessible::queryAccessibleInterface(recent)->child(0);
    QCOMPARE(std::pair(entry->role(), entry->text(QAccessible::Name)),
             std::pair(QAccessible::MenuItem, path));
    QTemporaryDir dir;
    auto name = [&dir](int i) { return dir.filePath(QStringLiteral("f%1.hs").arg(i)); };
    for (int i = 0; i < 9; ++i) saveName_ = name(i), click("cmdGenera");
    openName_ = name(3);
    click("cmdApri");
    QList<QByteArray> expected;
    for (int i : {3, 8, 7, 6, 5, 4, 2, 1}) expected << QFile::encodeName(name(i));
    QCOMPARE(recent->files(), expected);
    QFile::remove(name(8));
    recent->actions()[1]->trigger();
    QTRY_COMPARE(messages_.size(), 1);
    expected.removeAt(1);
    QCOMPARE(recent->files(), expected);
    const QByteArray latin1 = QFile::encodeName(dir.path()) + "/caf\xe9.hs";
    form_->editor().saveFile(latin1.toStdString());
    click("Check1_0");  // a change not saved: asked first
    answer_ = "Non salvare";
    QCOMPARE(recent->actions()[0]->text(), "&1 " + dir.path() + "/caf\uFFFD.hs");
    for (const QString& next : {name(3), QFile::decodeName(latin1)}) {  // then back from f3.hs
      recent->actions()[1]->trigger();
      QTRY_COMPARE(status(), "File: " + next);
    }
    QCOMPARE(form_->editor().document().fileName, latin1.toStdString());
    openName_ = name(3);
    click("cmdApri");  // and dropped, it opens as well
    QVERIFY(dropFiles(formatted(0)->viewport(), {QUrl("file://" + latin1.toPercentEncoding("/"))}));
    QTRY_COMPARE(form_->editor().document().fileName, latin1.toStdString());
    QCOMPARE(asked_, QString::fromUtf8(
                         "Salvare le modifiche a \"caf\uFFFD.hs\" prima di aprire un altro file?"));
  }

  // 16 pairs a line under the ruler's columns, row labels beside lines (captions: tst_language).
  void layoutLinesUpAndClipsNothing() {
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
