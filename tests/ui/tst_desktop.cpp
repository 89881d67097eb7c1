// SPDX-License-Identifier: GPL-3.0-or-later
// What users of a desktop editor expect of the window: "Salva" in place, keys and letters for
// the menus, the help window, names and roles for screen readers, the file dialogs in the
// window's language, the question box, whole borders at every screen scale, the page of the
// user's options.
#include "options/option_catalog.hpp"
#include "session/editor.hpp"
#include "ui/dialogs/close_question.hpp"
#include "ui/dialogs/help_window.hpp"
#include "ui/dialogs/label_dialog.hpp"
#include "ui/support/font_warm_up.hpp"
#include "ui/support/png_style.hpp"
#include "ui/support/qt_translations.hpp"
#include "window_fixture.hpp"

using namespace flex::ui;
using flex::RecordKind;

namespace {

// Every object of a window's accessibility tree, depth first; menus are windows of their own.
void walk(QAccessibleInterface* node, QList<QAccessibleInterface*>& all) {
  all << node;
  for (int i = 0; i < node->childCount(); ++i)
    if (QAccessibleInterface* child = node->child(i); !qobject_cast<QMenu*>(child->object()))
      walk(child, all);
}

QStringList cells(QTextTable* table, int row) {
  QStringList texts;
  for (int column = 0; column < table->columns(); ++column) {
    QTextCursor cursor = table->cellAt(row, column).firstCursorPosition();
    cursor.setPosition(table->cellAt(row, column).lastCursorPosition().position(),
                       QTextCursor::KeepAnchor);
    texts << cursor.selectedText();
  }
  return texts;
}

// The share of `length` device pixels from `from` along `step` that is `color`, within `slack`.
double share(const QImage& image, QPoint from, QPoint step, int length, QColor color, int slack) {
  int near = 0;
  for (int i = 0; i < length; ++i) {
    const QColor pixel = image.pixelColor(from + i * step);
    near += std::max({std::abs(pixel.red() - color.red()), std::abs(pixel.green() - color.green()),
                      std::abs(pixel.blue() - color.blue())}) <= slack;
  }
  return double(near) / length;
}

// Empty when the four borders of `box` are whole in `image` (its window, in device pixels).
QString missingBorder(QWidget* box) {
  const QImage image = box->window()->grab().toImage();
  const qreal ratio = box->devicePixelRatioF();
  const QRect at(box->mapTo(box->window(), QPoint(0, 0)), box->size());
  const QColor background = box->parentWidget()->palette().color(QPalette::Window);
  const QRect r(
      QPoint(qRound(at.left() * ratio), qRound(at.top() * ratio)),
      QPoint(qRound((at.right() + 1) * ratio) - 1, qRound((at.bottom() + 1) * ratio) - 1));
  // Each side: where it starts, the way in, the way along it, its length.
  const std::tuple<const char*, QPoint, QPoint, QPoint, int> sides[] = {
      {"top", r.topLeft(), {0, 1}, {1, 0}, r.width()},
      {"bottom", r.bottomLeft(), {0, -1}, {1, 0}, r.width()},
      {"left", r.topLeft(), {1, 0}, {0, 1}, r.height()},
      {"right", r.topRight(), {-1, 0}, {0, 1}, r.height()}};
  for (const auto& [side, edge, inward, along, length] : sides) {
    bool border = false;  // the middle three fifths of the side: the corners are rounded
    for (int depth = -2; depth <= 3; ++depth) {
      const QPoint from = edge + depth * inward + length / 5 * along;
      if (border && share(image, from, along, length * 3 / 5, background, 6) > 0.9)
        return QStringLiteral("%1: a gap inside its %2 border").arg(box->objectName(), side);
      border = border || share(image, from, along, length * 3 / 5, background, 24) < 0.1;
    }
    if (!border) return QStringLiteral("%1: no %2 border").arg(box->objectName(), side);
  }
  return {};
}

}  // namespace

class DesktopTest : public WindowFixture {
  Q_OBJECT

  QAction* action(const char* name) { return form_->findChild<QAction*>(name); }
  static std::unique_ptr<MainWindow> window(std::vector<flex::UserOption> options) {
    auto form = std::make_unique<MainWindow>(
        Prompts{}, std::make_shared<const flex::OptionSet>(std::move(options)));
    form->show();
    return form;
  }
  static QPoint at(const QWidget* w, const QWidget* frame) { return w->mapTo(frame, QPoint()); }

 private Q_SLOTS:
  // Each menu's items with their letters (none twice in a menu: tst_language) and keys, in the menu
  // bar's font; each key, pressed where the keyboard starts and in a raw view, reaches its action.
  void menusKeysAndLetters() {
    QStringList menus;
    for (const QAction* menu : form_->menuBar()->actions()) {
      QStringList items;
      for (const QAction* item : menu->menu()->actions()) {
        const QString keys = QKeySequence::listToString(item->shortcuts());
        items << (item->isSeparator() ? "-" : item->text() + (keys.isEmpty() ? "" : " " + keys));
      }
      QCOMPARE(menu->menu()->font(), form_->menuBar()->font());
      menus << menu->text() + ": " + items.join(" | ");
    }
    QCOMPARE(menus, QStringList({"&File: &Apri Flex Ctrl+O | &Salva Ctrl+S | Salva &Flex... "
                                 "Ctrl+Shift+S | Carica Flex &Interna | &Copia di sicurezza (~) | "
                                 "- | File &recenti | - | &Esci Ctrl+Q",
                                 "&Modifica: &Annulla Ctrl+Z | &Ripeti Ctrl+Y; Ctrl+Shift+Z",
                                 "&Phone: ", "&Informazioni: &Help F1 | &About"}));
    QCOMPARE(focus(), "Check1_0");
    const QStringList keys{"Ctrl+O mnuApri",   "Ctrl+S mnuSalvaFile",   "Ctrl+Shift+S mnuSalva",
                           "F1 mnuHelp",       "Ctrl+Tab Pagina",       "Ctrl+PgDown Pagina",
                           "Ctrl+PgUp Pagina", "Ctrl+Shift+Tab Pagina", "Ctrl+Shift+Backtab Pagina",
                           "Ctrl+Q mnuEsci"};
    for (QWidget* target : {QApplication::focusWidget(), static_cast<QWidget*>(raw(0))}) {
      if (target == raw(0)) click("CheckFormattazioneTesto");
      for (const QString& key : keys) {
        activate(form_.get());
        target->setFocus();
        const QByteArray name = key.section(' ', 1).toLatin1();
        QSignalSpy spy(name == "Pagina" ? form_->findChild<QTabBar*>() : (QObject*)action(name),
                       name == "Pagina" ? SIGNAL(currentChanged(int)) : SIGNAL(triggered(bool)));
        QTest::keySequence(target, QKeySequence(key.section(' ', 0, 0)));
        QVERIFY2(spy.count() == 1, qPrintable(key));
      }
      QTRY_VERIFY(!form_->isVisible() && !form_->helpWindow());  // Ctrl+Q closed both
      form_->show();
    }
  }

  // "Salva" asks for a name only while the flex came from no file (then it writes that file, as
  // the editor's tests show); "Salva Flex..." always asks. "Copia di sicurezza (~)": on by
  // default, it reaches the editor and is remembered.
  void saveInPlaceAndBackups() {
    QTemporaryDir dir;
    saveName_ = dir.filePath("mio.hs");
    action("mnuSalvaFile")->trigger();
    action("mnuSalvaFile")->trigger();
    action("mnuSalva")->trigger();
    QVERIFY(folders_.size() == 2 && QFile::exists(saveName_));
    QVERIFY(action("mnuCopiaSicurezza")->isChecked() && form_->editor().keepsBackups());
    action("mnuCopiaSicurezza")->trigger();
    QVERIFY(!form_->editor().keepsBackups());
    QVERIFY(!MainWindow(Prompts{}).findChild<QAction*>("mnuCopiaSicurezza")->isChecked());
  }

  // F1: the option table holds the catalogue, each option once with its record, byte and bits;
  // the keys table the window's keys; the text is drawn in the window's palette.
  void helpWindowFromTheCatalogue() {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    HelpWindow* help = form_->helpWindow();
    QList<QTextTable*> tables;
    for (QTextFrame* frame : help->document()->rootFrame()->childFrames())
      tables << qobject_cast<QTextTable*>(frame);
    QVERIFY(help->isVisible() && tables.size() == 2);
    QCOMPARE(cells(tables[0], 2), QStringList({"Ctrl+S", "Salva"}));
    QCOMPARE(cells(tables[1], 0), HelpWindow::optionColumns());
    QStringList shown, expected;  // each option once; how a row reads, on one
    for (int row = 1; row < tables[1]->rows(); ++row) shown << cells(tables[1], row)[0];
    const int menu = shown.indexOf("Menu Engineering") + 1;  // its record, byte, bits
    QCOMPARE(cells(tables[1], menu).mid(2, 3).join('|'), "Base|90 (0x5A)|8, 6, 5");
    for (const flex::OptionDef& o : flex::optionCatalog()) expected << QString::fromUtf8(o.caption);
    QCOMPARE((shown.sort(), shown), (expected.sort(), expected));
    QPalette dark = help->palette();
    dark.setColor(QPalette::Base, Qt::black);
    help->setPalette(dark);
    QCOMPARE(help->viewport()->grab().toImage().pixelColor(2, help->viewport()->height() - 3),
             QColor(Qt::black));
  }

  // Every control and every object showing data in both windows has a name, no two objects of
  // one role share one; these objects have these roles and names; a screen reader's "Toggle"
  // reaches the editor; the previews give their text, the formatted ones read-only.
  void accessibleNamesRolesAndTexts() {
    click("CheckFormattazioneTesto");  // the raw previews are made
    click("CheckFormattazioneTesto");
    click("Check1_5");  // the label dialog
    const QList<QAccessible::Role> containers{QAccessible::Client, QAccessible::Border,
                                              QAccessible::MenuBar, QAccessible::ScrollBar};
    for (QWidget* window : {(QWidget*)form_.get(), (QWidget*)form_->labelDialog()}) {
      QList<QAccessibleInterface*> all;
      walk(QAccessible::queryAccessibleInterface(window), all);
      QSet<QString> seen;
      for (QAccessibleInterface* node : all) {
        const QString name = node->text(QAccessible::Name);
        const QString id = QString::number(node->role()) + ':' + name;
        QVERIFY2(!name.isEmpty() || containers.contains(node->role()), qPrintable(id));
        QVERIFY2(name.isEmpty() || !seen.contains(id), qPrintable(id));
        seen.insert(id);
      }
    }
    const std::tuple<const char*, QAccessible::Role, const char*> rows[] = {
        {"txtFlexCall", QAccessible::EditableText, "Record Call"},
        {"txtpreview_2", QAccessible::EditableText, "Etichetta GPRS non formattata"},
        {"Check5_0", QAccessible::CheckBox, "Disabilita Logo Motorola all'accensione"},
        {"Check5_5", QAccessible::CheckBox, "Disabilita Logo Motorola allo spegnimento"},
        {"lblOrizzontale", QAccessible::StaticText, "Colonne dei byte, da 00 a 0F"},
        {"Label1_7", QAccessible::StaticText, "Record Call, riga 00"},
        {"frmGPRS", QAccessible::Dialog, "Personalizzazione Scritta GPRS"},
        {"txt1", QAccessible::EditableText,
         "Inserisci i caratteri che vuoi visualizzare invece della scritta GPRS (massimo 12):"},
    };
    for (const auto& [object, role, name] : rows) {
      QAccessibleInterface* node = QAccessible::queryAccessibleInterface(child(object));
      QCOMPARE(std::pair(node->role(), node->text(QAccessible::Name)),
               std::pair(role, QString::fromUtf8(name)));
    }
    auto* toggle = QAccessible::queryAccessibleInterface(child("Check1_0"))->actionInterface();
    toggle->doAction(QAccessibleActionInterface::toggleAction());
    QVERIFY(form_->editor().document().boxes[0].state == 1);
    for (std::size_t i = 0; i < 3; ++i)
      for (QWidget* box : {(QWidget*)formatted(i), (QWidget*)raw(i)}) {
        QAccessibleInterface* node = QAccessible::queryAccessibleInterface(box);
        QAccessibleTextInterface* text = node->textInterface();
        QVERIFY(text && node->state().readOnly == (box == formatted(i)));
        QCOMPARE(text->text(0, text->characterCount()),
                 box == formatted(i) ? formatted(i)->text() : raw(i)->text());
      }
  }

  // The desktop's open dialog: a size in the window's language; its column fits heading and size.
  void fileDialogInWindowLanguage() {
    loadQtTranslations(*qApp);
    QTemporaryDir dir;
    QFile file(dir.filePath("mio.hs"));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(QByteArray(1500, 'A')) && file.flush());
    QStringList shown;  // heading, size; " cut" where the column is too narrow for it
    QTimer::singleShot(0, this, [&] {
      auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      auto* view = dialog->findChild<QTreeView*>("treeView");
      if (QTest::qWaitFor([view] { return view->model()->rowCount(view->rootIndex()); }))
        for (QString text : {view->model()->headerData(1, Qt::Horizontal).toString(),
                             view->model()->index(0, 1, view->rootIndex()).data().toString()}) {
          const int room = view->header()->sectionSize(1) - 10;
          shown << text + (view->fontMetrics().horizontalAdvance(text) < room ? "" : " cut");
        }
      dialog->reject();
    });
    QVERIFY(desktopPrompts().openFileName(form_.get(), dir.path()).isEmpty());
    QCOMPARE(shown, QStringList({"Dimensione", QLocale(QLocale::Italian).formattedDataSize(1500)}));
  }

  // The desktop's question box gives the place of the button clicked; Esc, the escape answer.
  void desktopQuestionBox() {
    for (const auto& press : {std::pair<QString, int>{"Non salvare", 1}, {"", 2}}) {
      QTimer::singleShot(0, this, [press] {
        QWidget* box = QApplication::activeModalWidget();
        QVERIFY(box && box->objectName() == "closePrompt");
        for (QAbstractButton* button : box->findChildren<QAbstractButton*>())
          if (button->text() == press.first) button->click();
        if (press.first.isEmpty()) QTest::keyClick(box, Qt::Key_Escape);
      });
      QCOMPARE(desktopPrompts().ask(form_.get(), closeQuestion({})), press.second);
    }
  }

  // Every box of the main window and of the label dialog shows all four borders at the screen
  // scale of this run (CTest runs these two at 100 to 200%, QT_SCALE_FACTOR): walking in from
  // outside each side, a line of border comes before the inside, no background line between them.
  void everyBoxHasFourBorders() {
    QCOMPARE(form_->devicePixelRatioF(), qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble());
    for (std::size_t i = 0; i < 3; ++i) QCOMPARE(missingBorder(formatted(i)), QString());
    click("CheckFormattazioneTesto");
    for (std::size_t i = 0; i < 3; ++i) QCOMPARE(missingBorder(raw(i)), QString());
    click("Check1_5");  // "GPRS Personale": the label dialog
    QVERIFY(QTest::qWaitForWindowExposed(form_->labelDialog()));
    QCOMPARE(missingBorder(form_->labelDialog()->textField()), QString());
  }

  // Built-in byte 90 (07) ticks "MyBit", byte 22 (D2) leaves "Mine" clear; "Long" is too wide.
  void thirdPageShowsClicksUndoesAndInspects() {
    const std::string longCaption = "Long " + std::string(60, 'W');
    auto form = window({{"MyBit", "My bit", "", RecordKind::Base, 181, {3}, true, false},
                        {"Mine", "Tom & Jerry", "", RecordKind::Base, 45, {1}, true, false},
                        {"Long", longCaption, "tip", RecordKind::Call, 51, {8}, false, false}});
    OptionPages* pages = form->optionPages();
    const auto box = [pages](std::size_t k) { return pages->box(flex::kOptionCount + k); };
    QTabBar* tabs = pages->tabStrip();
    QCOMPARE(tabs->count(), 3);
    QCOMPARE(tabs->tabText(2), QStringLiteral("Opzioni utente"));
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(2).center());
    QWidget* page = form->findChild<QWidget*>("frmPagina3");
    QWidget* page1 = form->findChild<QWidget*>("frmPagina1");
    QVERIFY(page->isVisible() && !page1->isVisible());

    // The column, the spacing and the font of page 1; a long caption cut, whole on its tip.
    QCheckBox* first = form->findChild<QCheckBox*>("Check1_0");
    QCheckBox* second = form->findChild<QCheckBox*>("Check1_1");
    QCOMPARE(box(0)->objectName(), QStringLiteral("User_MyBit"));
    QCOMPARE(at(box(0), page), at(first, page1));
    QCOMPARE(at(box(1), page) - at(box(0), page), at(second, page1) - at(first, page1));
    QCOMPARE(box(0)->font(), first->font());
    QCOMPARE(box(1)->text(), QStringLiteral("Tom && Jerry"));
    QCheckBox* cut = box(2);
    QVERIFY(cut->text().endsWith(QChar(0x2026)) && cut->sizeHint().width() <= cut->width());
    QVERIFY(page->contentsRect().contains(QRect(at(cut, page), cut->size())));
    QCOMPARE(cut->toolTip(), QString::fromStdString(longCaption) + "\ntip");
    QVERIFY(box(0)->isChecked() && !box(1)->isChecked() && cut->isChecked());

    // A click writes the bit; undo takes it back.
    QTest::mouseClick(box(1), Qt::LeftButton, {}, {6, box(1)->height() / 2});
    const flex::Editor& editor = form->editor();
    QCOMPARE(editor.document().records[0].substr(44, 2), "D3");
    QVERIFY(box(1)->isChecked());
    form->findChild<QAction*>("mnuAnnulla")->trigger();
    QVERIFY(!box(1)->isChecked() && editor.document().records[0].substr(44, 2) == "D2");

    // The inspector names the user's options on a byte too (in what order: the core's).
    HexView* base = form->preview()->formattedBox(0);
    QVERIFY(toolTipAt(base->viewport(), base->pairRect(0).center())
                .endsWith("\nMine Tom & Jerry: bit 1 (non attiva)"));
  }

  // No user's options, no third page; one is enough; more than the frame holds: it scrolls to all.
  void absentOrScrolling() {
    QVERIFY(!child("frmPagina3") && form_->optionPages()->tabStrip()->count() == 2);
    auto one = window({{"Only", "Option", "", RecordKind::Base, 45, {1}}});
    QVERIFY(one->findChild<QWidget*>("frmPagina3") && one->optionPages()->tabStrip()->count() == 3);
    std::vector<flex::UserOption> options;
    for (int k = 0; k < 200; ++k)
      options.push_back({"O" + std::to_string(k), "Option", "", RecordKind::Base, 45, {1}});
    auto form = window(std::move(options));
    form->editor().selectPage(3);
    auto* scroll = form->findChild<QScrollArea*>("scrlPagina3");
    QCheckBox* last = form->optionPages()->box(flex::kOptionCount + 199);
    QTRY_VERIFY(scroll->verticalScrollBar()->isVisible());  // once laid out
    scroll->ensureWidgetVisible(last);
    QVERIFY(scroll->verticalScrollBar()->value() > 0 &&
            last->geometry().right() < scroll->viewport()->width());
  }

  // The style that reads Fusion's pictures itself draws the menu bar and the frames as Fusion.
  void pngStyleDrawsAsFusion() {
    const std::unique_ptr<QStyle> png(new PngStyle), fusion(QStyleFactory::create("fusion"));
    for (const QString& title : {QString(), QStringLiteral("Preview")}) {
      QGroupBox box(title);
      box.resize(120, 80);
      const auto drawn = [&box](QStyle* style) {
        return box.setStyle(style), box.grab().toImage();
      };
      QCOMPARE(drawn(png.get()), drawn(fusion.get()));
    }
  }

  // The font configuration read beside the window's start: waited for, or left to the end.
  void fontWarmUpEndsEitherWay() {
    { FontWarmUp unwaited; }
    FontWarmUp fonts;
    fonts.wait();
    fonts.wait();
    QVERIFY(QFontDatabase::families().contains(QFontInfo(QApplication::font()).family()));
  }
};

QTEST_MAIN(DesktopTest)
#include "tst_desktop.moc"
