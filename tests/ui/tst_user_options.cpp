// SPDX-License-Identifier: GPL-3.0-or-later
// The third page, "Opzioni utente": there only when the editor has user's options, laid out as
// the built-in pages are, its boxes wired as theirs (a click, undo, the byte inspector). The rules
// of the options are the core's.
#include <QtTest>
#include <QtWidgets>

#include "options/option_catalog.hpp"
#include "session/editor.hpp"
#include "ui/previews/hex_view.hpp"
#include "ui/previews/preview_panel.hpp"
#include "ui/window/main_window.hpp"
#include "ui/window/option_pages.hpp"

using namespace flex::ui;
using flex::RecordKind;

class UserOptionsTest : public QObject {
  Q_OBJECT

  QTemporaryDir settings_;  // the user's settings, here only

  static std::unique_ptr<MainWindow> window(std::vector<flex::UserOption> options) {
    auto form = std::make_unique<MainWindow>(
        Prompts{}, std::make_shared<const flex::OptionSet>(std::move(options)));
    form->show();
    return form;
  }
  static QPoint at(const QWidget* w, const QWidget* frame) { return w->mapTo(frame, QPoint()); }

 private Q_SLOTS:
  void initTestCase() {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_.path());
  }

  // "MyBit" reads ticked from the built-in byte 90 (07); "Mine" clear from byte 22 (D2); "Long"
  // has a caption wider than the page.
  void thirdPageShowsClicksUndoesAndInspects() {
    const std::string longCaption = "Long " + std::string(60, 'W');
    auto form = window({{"MyBit", "My bit", "", RecordKind::Base, 181, {3}, true, false},
                        {"Mine", "Tom & Jerry", "", RecordKind::Base, 45, {1}, true, false},
                        {"Long", longCaption, "tip", RecordKind::Call, 51, {8}, false, false}});
    const auto box = [&form](std::size_t k) {
      return form->optionPages()->box(flex::kOptionCount + k);
    };
    QTabBar* tabs = form->optionPages()->tabStrip();
    QCOMPARE(tabs->count(), 3);
    QCOMPARE(tabs->tabText(2), QStringLiteral("Opzioni utente"));
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(2).center());
    QWidget* page = form->findChild<QWidget*>("frmPagina3");
    QWidget* page1 = form->findChild<QWidget*>("frmPagina1");
    QVERIFY(page->isVisible() && !page1->isVisible() &&
            !form->findChild<QWidget*>("frmPagina2")->isVisible());

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

    // The inspector names the user's options on a byte after the built-in ones.
    HexView* base = form->preview()->formattedBox(0);
    const QPoint pair = base->pairRect(0).center();
    QHelpEvent help(QEvent::ToolTip, pair, base->viewport()->mapToGlobal(pair));
    QApplication::sendEvent(base->viewport(), &help);
    QVERIFY(
        QToolTip::text().endsWith("Check3(2) Time AutoUpdate: bit 1 (non attiva)\n"
                                  "Mine Tom & Jerry: bit 1 (non attiva)"));
  }

  // No user's options, no third page; one is enough; more than the frame holds: the column
  // scrolls to the last.
  void absentOrScrolling() {
    const MainWindow plain(Prompts{});
    QVERIFY(!plain.findChild<QWidget*>("frmPagina3") &&
            plain.optionPages()->tabStrip()->count() == 2);
    const auto one = window({{"One", "One", "", RecordKind::Base, 45, {1}}});
    one->editor().selectPage(3);
    QWidget* only = one->findChild<QWidget*>("frmPagina3");
    QVERIFY(only && one->optionPages()->tabStrip()->count() == 3);
    QTRY_VERIFY(only->isVisible());
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
};

QTEST_MAIN(UserOptionsTest)
#include "tst_user_options.moc"
