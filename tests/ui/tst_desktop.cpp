// SPDX-License-Identifier: GPL-3.0-or-later
// What users of a desktop editor expect of the window: "Salva" in place, keys and letters for
// the menus, the help window, names and roles for screen readers, "File recenti" kept up with
// other runs, the file dialogs in the window's language.
#include <QtTest>
#include <QtWidgets>

#include <set>

#include "options/option_catalog.hpp"
#include "ui/dialogs/help_window.hpp"
#include "ui/dialogs/label_dialog.hpp"
#include "ui/support/qt_translations.hpp"
#include "ui/window/recent_files.hpp"
#include "window_fixture.hpp"

using namespace flex::ui;

namespace {

// Every object of a window's accessibility tree, depth first; menus are windows of their own.
void walk(QAccessibleInterface* node, QList<QAccessibleInterface*>& all) {
  all << node;
  for (int i = 0; i < node->childCount(); ++i)
    if (QAccessibleInterface* child = node->child(i);
        child && !qobject_cast<QMenu*>(child->object()))
      walk(child, all);
}

}  // namespace

class DesktopTest : public WindowFixture {
  Q_OBJECT

  QAction* action(const char* name) { return form_->findChild<QAction*>(name); }

 private Q_SLOTS:
  // Each menu's items with their letters (none twice in a menu) and keys, in the menu bar's
  // font; each key, pressed where the keyboard starts and in a raw preview, reaches its action.
  void menusKeysAndLetters() {
    const QStringList expected{
        "&File: &Apri Flex [Ctrl+O] | &Salva [Ctrl+S] | Salva &Flex... [Ctrl+Shift+S] | Carica "
        "Flex &Interna | &Copia di sicurezza (~) | - | File &recenti | - | &Esci [Ctrl+Q]",
        "&Modifica: &Annulla [Ctrl+Z] | &Ripeti [Ctrl+Y; Ctrl+Shift+Z]",
        "&Phone: ", "&Informazioni: &Help [F1] | &About"};
    QStringList menus, bar;
    for (const QAction* menu : form_->menuBar()->actions()) {
      QStringList items, letters;
      for (const QAction* item : menu->menu()->actions()) {
        const QString keys = QKeySequence::listToString(item->shortcuts());
        items << (item->isSeparator() ? "-"
                                      : item->text() + (keys.isEmpty() ? "" : " [" + keys + "]"));
        letters << item->text().section('&', 1).left(1).toLower();
      }
      letters.removeAll("");
      QCOMPARE(letters.removeDuplicates(), 0);
      QCOMPARE(menu->menu()->font(), form_->menuBar()->font());
      menus << menu->text() + ": " + items.join(" | ");
      bar << menu->text().section('&', 1).left(1);
    }
    QCOMPARE(menus, expected);
    QCOMPARE(bar.removeDuplicates(), 0);

    QCOMPARE(focus(), "Check1_0");
    const struct {
      QKeyCombination key;
      const char* action;
    } keys[] = {{Qt::CTRL | Qt::Key_O, "mnuApri"},
                {Qt::CTRL | Qt::Key_S, "mnuSalvaFile"},
                {Qt::CTRL | Qt::SHIFT | Qt::Key_S, "mnuSalva"},
                {Qt::CTRL | Qt::Key_Tab, "PaginaSuccessiva"},
                {Qt::CTRL | Qt::Key_PageDown, "PaginaSuccessiva"},
                {Qt::CTRL | Qt::SHIFT | Qt::Key_Tab, "PaginaPrecedente"},
                {Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab, "PaginaPrecedente"},
                {Qt::CTRL | Qt::Key_PageUp, "PaginaPrecedente"},
                {Qt::Key_F1, "mnuHelp"},
                {Qt::CTRL | Qt::Key_Q, "mnuEsci"}};
    for (QWidget* target : {QApplication::focusWidget(), static_cast<QWidget*>(raw(0))}) {
      if (target == raw(0)) click("CheckFormattazioneTesto");
      for (const auto& k : keys) {
        activate(form_.get());
        target->setFocus();
        QSignalSpy spy(action(k.action), &QAction::triggered);
        const int page = form_->editor().form().selectedPage;
        QTest::keyClick(target, k.key.key(), k.key.keyboardModifiers());
        QVERIFY2(spy.count() == 1, k.action);
        if (QByteArray(k.action).startsWith("Pagina"))
          QCOMPARE(form_->editor().form().selectedPage, 3 - page);
      }
      QTRY_VERIFY(!form_->isVisible() && form_->helpWindow());  // Ctrl+Q closed both
      form_->show();
    }
  }

  // "Salva" asks for a name only while the flex came from no file; then it writes that file,
  // and so does the close question's "Salva". "Salva Flex..." always asks.
  void saveInPlace() {
    QTemporaryDir dir;
    const QString file = dir.filePath("mio.hs");
    saveName_ = file;
    const auto saved = [&] {
      QFile written(file);
      return written.open(QIODevice::ReadOnly) &&
             written.readAll().startsWith(QByteArray::fromStdString(slot(0)));
    };
    for (const char* box : {"Check1_0", "Check1_2", "Check1_4"}) {
      click(box);
      if (QByteArray(box) == "Check1_4") {
        answer_ = "Salva";
        QVERIFY(form_->close());
      } else {
        action("mnuSalvaFile")->trigger();
      }
      saveName_ = dir.filePath("altro.hs");  // what a dialog would choose from now on
      QVERIFY2(saved() && !form_->windowTitle().endsWith('*'), box);
      QCOMPARE(folders_.size(), 1);
    }
    action("mnuSalva")->trigger();
    QCOMPARE(folders_.size(), 2);
  }

  // F1: the option table holds the catalogue, each option once with its record, byte and bits;
  // the keys table the window's keys; the text is drawn in the window's palette.
  void helpWindowFromTheCatalogue() {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    HelpWindow* help = form_->helpWindow();
    QVERIFY(help && help->isVisible());
    QList<QTextTable*> tables;
    for (QTextFrame* frame : help->document()->rootFrame()->childFrames())
      if (auto* table = qobject_cast<QTextTable*>(frame)) tables << table;
    QCOMPARE(tables.size(), 2);
    const auto cells = [](QTextTable* table, int row) {
      QStringList texts;
      for (int column = 0; column < table->columns(); ++column) {
        QTextCursor cursor = table->cellAt(row, column).firstCursorPosition();
        cursor.setPosition(table->cellAt(row, column).lastCursorPosition().position(),
                           QTextCursor::KeepAnchor);
        texts << cursor.selectedText();
      }
      return texts;
    };
    QStringList keys;
    for (int row = 1; row < tables[0]->rows(); ++row) keys << cells(tables[0], row).join(": ");
    for (const char* key : {"Ctrl+S: Salva", "Ctrl+Z: Annulla", "F1: Help", "Ctrl+Q: Esci"})
      QVERIFY2(keys.contains(key), key);
    QCOMPARE(cells(tables[1], 0), HelpWindow::optionColumns());
    QCOMPARE(tables[1]->rows(), 1 + int(flex::kOptionCount));
    std::set<std::size_t> found;
    for (int row = 1; row < tables[1]->rows(); ++row) {
      const QStringList c = cells(tables[1], row);
      for (std::size_t r = 0; r < flex::kOptionCount; ++r) {
        const flex::OptionDef& o = flex::optionCatalog()[r];
        if (c[0] != QString::fromUtf8(o.caption) || c[1] != QString::fromUtf8(o.toolTip)) continue;
        QStringList bits;
        for (int k = 0; k < o.bitCount(); ++k) bits << QString::number(o.bits[std::size_t(k)]);
        QCOMPARE(c[2], QString::fromUtf8(flex::recordName(o.record)));
        QCOMPARE(c[3].section(' ', 0, 0),
                 o.isLabelOption() ? "-" : QString::number(o.byteOffset()));
        QCOMPARE(c[4], o.effect == flex::OptionEffect::WholeByte ? "tutti"
                       : bits.isEmpty()                          ? "-"
                                                                 : bits.join(", "));
        QVERIFY(found.insert(r).second);
      }
    }
    QCOMPARE(found.size(), flex::kOptionCount);
    QPalette dark = help->palette();
    dark.setColor(QPalette::Base, Qt::black);
    help->setPalette(dark);
    const QImage image = help->viewport()->grab().toImage();
    QCOMPARE(image.pixelColor(image.width() - 3, image.height() - 3), QColor(Qt::black));
  }

  // Every control and every object showing data in both windows has a name, no two objects of
  // one role share one; the table's objects have these roles and names; the previews give their
  // text, the formatted ones read-only.
  void accessibleNamesRolesAndTexts() {
    click("CheckFormattazioneTesto");  // the raw previews are made
    click("CheckFormattazioneTesto");
    click("Check1_5");  // the label dialog
    const QList<QAccessible::Role> containers{QAccessible::Client, QAccessible::Border,
                                              QAccessible::MenuBar, QAccessible::ScrollBar};
    for (QWidget* window :
         {static_cast<QWidget*>(form_.get()), static_cast<QWidget*>(form_->labelDialog())}) {
      QList<QAccessibleInterface*> all;
      walk(QAccessible::queryAccessibleInterface(window), all);
      QSet<QString> seen;
      for (QAccessibleInterface* node : all) {
        const QString name = node->text(QAccessible::Name);
        const QString object = node->object() ? node->object()->objectName() : name;
        QVERIFY2(!name.isEmpty() || containers.contains(node->role()), qPrintable(object));
        const QString id = QString::number(node->role()) + ':' + name;
        QVERIFY2(name.isEmpty() || !seen.contains(id), qPrintable(id));
        seen.insert(id);
      }
    }
    const struct {
      const char* object;
      QAccessible::Role role;
      const char* name;
    } rows[] = {
        {"txtFlexCall", QAccessible::EditableText, "Record Call"},
        {"txtpreview_2", QAccessible::EditableText, "Etichetta GPRS non formattata"},
        {"Check5_0", QAccessible::CheckBox, "Disabilita Logo Motorola all'accensione"},
        {"Check5_5", QAccessible::CheckBox, "Disabilita Logo Motorola allo spegnimento"},
        {"lblOrizzontale", QAccessible::StaticText, "Colonne dei byte, da 00 a 0F"},
        {"Label1_7", QAccessible::StaticText, "Record Call, riga 00"},
        {"StatusBarPanel1", QAccessible::StaticText, "Nessun file aperto"},
        {"TabStrip1", QAccessible::PageTabList, "Pagina 1"},
        {"frmGPRS", QAccessible::Dialog, "Personalizzazione Scritta GPRS"},
        {"txt1", QAccessible::EditableText,
         "Inserisci i caratteri che vuoi visualizzare invece della scritta GPRS (massimo 12):"},
    };
    for (const auto& row : rows) {
      QAccessibleInterface* node = QAccessible::queryAccessibleInterface(child(row.object));
      QCOMPARE(node->role(), row.role);
      QCOMPARE(node->text(QAccessible::Name), QString::fromUtf8(row.name));
    }
    QAccessible::queryAccessibleInterface(child("Check1_0"))  // a screen reader's "Toggle"
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::toggleAction());
    QVERIFY(form_->editor().document().boxes[0].state == 1);
    for (std::size_t i = 0; i < 3; ++i) {
      for (QWidget* box : {static_cast<QWidget*>(formatted(i)), static_cast<QWidget*>(raw(i))}) {
        QAccessibleInterface* node = QAccessible::queryAccessibleInterface(box);
        QAccessibleTextInterface* text = node->textInterface();
        QVERIFY(text && node->state().readOnly == (box == formatted(i)));
        QCOMPARE(text->text(0, text->characterCount()),
                 box == formatted(i) ? formatted(i)->text() : raw(i)->text());
      }
    }
  }

  // Another run's list enables "File recenti" as the File menu opens; an entry gives a screen
  // reader its whole path, however the menu shortens it.
  void recentFilesOfAnotherRun() {
    RecentFiles* recent = form_->recentFiles();
    QVERIFY(!recent->menuAction()->isEnabled());
    const QString path = '/' + QString(30, 'd') + '/' + QString(80, 'f') + ".hs";
    QSettings().setValue("recentFiles", QStringList{path});
    Q_EMIT form_->findChild<QMenu*>("mnuFile")->aboutToShow();
    QVERIFY(recent->menuAction()->isEnabled() && recent->actions()[0]->text().size() < path.size());
    QAccessibleInterface* entry = QAccessible::queryAccessibleInterface(recent)->child(0);
    QCOMPARE(entry->role(), QAccessible::MenuItem);
    QCOMPARE(entry->text(QAccessible::Name), path);
  }

  // The desktop's open dialog: size and date in the window's language, the size column wide
  // enough for its heading and a size.
  void fileDialogInWindowLanguage() {
    loadQtTranslations(*qApp);
    QTemporaryDir dir;
    QFile file(dir.filePath("mio.hs"));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(QByteArray(1500, 'A')) == 1500);
    file.close();
    QStringList shown;  // heading, size, date
    int width = 0;
    QTimer::singleShot(0, this, [&] {
      auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      auto* view = dialog ? dialog->findChild<QTreeView*>("treeView") : nullptr;
      if (view && QTest::qWaitFor([view] { return view->model()->rowCount(view->rootIndex()); })) {
        const QModelIndex row = view->model()->index(0, 0, view->rootIndex());
        shown << view->model()->headerData(1, Qt::Horizontal).toString()
              << row.siblingAtColumn(1).data().toString()
              << row.siblingAtColumn(3).data().toString();
        width = view->header()->sectionSize(1);
      }
      if (dialog) dialog->reject();
    });
    QVERIFY(desktopPrompts().openFileName(form_.get(), dir.path()).isEmpty());
    const QLocale italian(QLocale::Italian, QLocale::Italy);
    QCOMPARE(shown,
             QStringList({"Dimensione", italian.formattedDataSize(1500),
                          italian.toString(QFileInfo(file).lastModified(), QLocale::ShortFormat)}));
    for (const QString& text : shown.mid(0, 2))
      QVERIFY2(form_->fontMetrics().horizontalAdvance(text) < width - 10, qPrintable(text));
  }
};

QTEST_MAIN(DesktopTest)
#include "tst_desktop.moc"
