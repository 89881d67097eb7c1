// SPDX-License-Identifier: GPL-3.0-or-later
// The window in the desktop's language: run with LANGUAGE=it and with LANGUAGE=en (at several
// scales), it checks what each language shows, that no text escapes the translation, that every
// caption fits its control, and that the core's texts seen by the translation tools are the core's.
#include <QtTest>
#include <QtWidgets>
#include <set>

#include "options/option_catalog.hpp"
#include "session/message_catalog.hpp"
#include "ui/dialogs/help_window.hpp"
#include "ui/dialogs/recovery_questions.hpp"
#include "ui/support/app_info.hpp"
#include "ui/support/core_texts.hpp"
#include "ui/support/core_words.hpp"
#include "ui/support/qt_translations.hpp"
#include "ui/window/main_window.hpp"
#include "ui/window/option_pages.hpp"

using namespace flex::ui;

namespace {

// Every text a person reads on `root` and its children, with where it is.
QList<std::pair<QString, QString>> shownTexts(QWidget* root) {
  QList<std::pair<QString, QString>> out;
  auto add = [&](const QObject* o, const QString& text) {
    if (text.contains(QRegularExpression("[a-z]{2}"))) out.append({o->objectName(), text});
  };
  QList<QWidget*> widgets = root->findChildren<QWidget*>();
  widgets.prepend(root);
  for (QWidget* w : widgets) {
    if (!w->isVisibleTo(root) && !qobject_cast<QMenu*>(w)) continue;  // a menu shows when opened
    if (w->isWindow() && !qobject_cast<QMenu*>(w)) add(w, w->windowTitle());  // a menu: its title
    add(w, w->toolTip());
    if (auto* b = qobject_cast<QAbstractButton*>(w); b && !qobject_cast<QToolButton*>(w))
      add(w, b->text());  // a tool button shows only its action's picture
    if (auto* l = qobject_cast<QLabel*>(w)) add(w, l->text());
    if (auto* g = qobject_cast<QGroupBox*>(w)) add(w, g->title());
    if (auto* m = qobject_cast<QMenu*>(w)) add(w, m->title());
    if (auto* t = qobject_cast<QTabBar*>(w))
      for (int i = 0; i < t->count(); ++i) add(w, t->tabText(i));
    for (const QAction* a : w->actions()) add(a, a->text());
  }
  return out;
}

// The texts of the help and of the questions about recovery copies, many of them made of parts.
QStringList composedTexts() {
  QStringList out;
  HelpWindow help({});
  for (QTextBlock b = help.document()->begin(); b.isValid(); b = b.next()) out << b.text();
  const QDateTime time(QDate(2026, 1, 2), QTime(3, 4, 5));
  const QString problem = QString::fromStdString(
      flex::recoveryProblemText({flex::RecoveryProblem::Kind::Damaged}, coreTranslate()));
  for (const Question& q : {restoreQuestion("f.hs", time), restoreQuestion({}, time),
                            badCopyQuestion("r", problem), heldElsewhereQuestion("f.hs")}) {
    out << q.text << q.detail;
    for (const auto& answer : q.answers) out << answer.text;
  }
  return out << help.windowTitle() << copyNotWrittenText("d", problem);
}

}  // namespace

class LanguageTest : public QObject {
  Q_OBJECT

  QLocale locale_;
  bool english_ = false;
  QStringList messages_;
  std::unique_ptr<MainWindow> form_;

  QWidget* child(const char* name) { return form_->findChild<QWidget*>(name); }
  void click(const char* name) {
    QTest::mouseClick(child(name), Qt::LeftButton, {}, {6, child(name)->height() / 2});
  }

 private Q_SLOTS:
  void initTestCase() {
    QApplication::setQuitOnLastWindowClosed(false);
    locale_ = loadQtTranslations(*qApp);
    english_ = qgetenv("LANGUAGE").startsWith("en");
    Prompts prompts;
    prompts.messageBox = [this](QWidget*, const QString& p, const QString& t) {
      messages_ << t + ": " + p;
    };
    // A user's option: the third page, whose caption is the user's own, untranslated.
    form_ = std::make_unique<MainWindow>(
        prompts, std::make_shared<const flex::OptionSet>(std::vector<flex::UserOption>{
                     {"Mio", "Il mio bit", "", flex::RecordKind::Base, 181, {3}}}));
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
  }

  void languageFromTheDesktop() {
    const std::pair<QStringList, QLocale::Language> cases[] = {
        {{"en_US", "it_IT"}, QLocale::English},
        {{"it", "en"}, QLocale::Italian},
        {{"de_DE", "en_GB"}, QLocale::English},
        {{}, QLocale::Italian}};
    for (const auto& [ui, chosen] : cases) QCOMPARE(chooseLanguage(ui).language(), chosen);
    QCOMPARE(locale_.language(), english_ ? QLocale::English : QLocale::Italian);
    QCOMPARE(QLocale().language(), locale_.language());  // dates and sizes follow
  }

  // A core caption, a menu, a step's name, a message, a button of Qt's file dialog (others: below).
  void windowSpeaksIt() {
    const auto say = [this](const char* it, const char* en) {
      return QString::fromUtf8(english_ ? en : it);
    };
    QCOMPARE(child("Check1_1")->property("text").toString(),
             say("Disposizione Schermo", "Screen Layout"));
    QCOMPARE(form_->findChild<QMenu*>("mnuModifica")->title(), say("&Modifica", "&Edit"));
    click("Check1_1");
    QCOMPARE(form_->findChild<QAction*>("mnuAnnulla")->text(),
             say("&Annulla: Disposizione Schermo", "&Undo: Screen Layout"));
    click("Check1_3");
    click("Check1_5");
    click("Check1_3");
    QCOMPARE(messages_.value(0),
             say("Errore di Incoerenza: E' possibile attivare questa opzione solo disabilitando "
                 "GPRS Null",
                 "Conflicting Options: This option can only be turned on with GPRS Null off"));
    QFileDialog dialog(form_.get());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    QCOMPARE(dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Save)->text(),
             say("&Salva", "&Save"));
  }

  // In Italian each text shown is in the English translation, in English none is Italian; all fit.
  void everyTextTranslatedAndWhole() {
    click("Check1_5");  // the label dialog
    form_->findChild<QAction*>("mnuAbout")->trigger();
    QTranslator english;
    QVERIFY(english.load(QStringLiteral(":/i18n/flexedit_en.qm")));
    const QStringList contexts{"core", "flex::ui::Question"};
    // A number, a name, a step's name after its verb.
    const QStringList names{"lblVersion", "lblTitle",   "frmAbout",
                            "Form1",      "mnuAnnulla", "User_Mio"};
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (!window->isVisible()) continue;
      QStringList classes = contexts;
      QObjectList objects = window->findChildren<QObject*>();
      for (const QObject* o : objects << window)
        for (auto* m = o->metaObject(); m; m = m->superClass()) classes << m->className();
      classes.removeDuplicates();
      for (const auto& [where, text] : shownTexts(window)) {
        bool known = false, italian = false;
        for (const QString& c : classes) {
          const QString en = english.translate(qPrintable(c), text.toUtf8());
          known = known || !en.isEmpty();
          italian = italian || (!en.isEmpty() && en != text);
        }
        if (names.contains(where)) continue;
        QVERIFY2(english_ ? !italian : known, qPrintable(where + ": " + text));
      }
      for (const QAbstractButton* b :
           window->findChildren<QAbstractButton*>(QRegularExpression("^(Che|cmd)"))) {
        // A push button's size hint has a floor of the style's; its text must fit.
        const int margin = 2 * b->style()->pixelMetric(QStyle::PM_ButtonMargin);
        const int needed =
            qobject_cast<const QPushButton*>(b)
                ? b->fontMetrics().horizontalAdvance(QString(b->text()).remove('&')) + margin
                : b->sizeHint().width();
        QVERIFY2(needed <= b->width() && b->parentWidget()->contentsRect().contains(b->geometry()),
                 qPrintable(b->objectName()));
      }
      for (const QLabel* l : window->findChildren<QLabel*>())
        if (!names.contains(l->objectName()))
          QVERIFY2(l->heightForWidth(l->width()) <= l->height(), qPrintable(l->objectName()));
    }
    QList<QWidget*> menus{form_->menuBar()};
    for (QMenu* menu : form_->findChildren<QMenu*>()) menus << menu;
    for (const QWidget* menu : menus) {  // no letter twice in a menu
      QStringList letters;
      for (const QAction* a : menu->actions())
        if (!a->isSeparator()) letters << a->text().section('&', 1).left(1).toLower();
      QVERIFY2(letters.removeDuplicates() == 0, qPrintable(letters.join(' ')));
    }
    auto* tabs = form_->findChild<QTabBar*>("TabStrip1");
    QVERIFY(tabs->tabRect(tabs->count() - 1).right() < tabs->width());
  }

  // The help and the recovery questions: in English a text left as the Italian shows it is one
  // the translation keeps (a name), never one that escaped it.
  void composedTextsTranslated() {
    if (!english_) QSKIP("the Italian is the source");
    const QStringList en = composedTexts();
    const auto translators = qApp->findChildren<QTranslator*>();
    for (QTranslator* t : translators) QCoreApplication::removeTranslator(t);
    const QStringList it = composedTexts();
    for (QTranslator* t : translators) QCoreApplication::installTranslator(t);
    QCOMPARE(en.size(), it.size());
    const QString title = QString::fromUtf8(kAppTitle);
    const QStringList names{"Help", "Base", "Call", title, "Help - " + title};  // names
    for (qsizetype i = 0; i < it.size(); ++i) {
      bool kept = en[i] != it[i] || names.contains(it[i]) ||
                  !it[i].contains(QRegularExpression("[a-z]{2}"));
      for (const char* c : {"core", "flex::ui::HelpWindow"})
        kept = kept || translators.value(0)->translate(c, it[i].toUtf8()) == it[i];
      QVERIFY2(kept, qPrintable(it[i]));
    }
  }

  // lupdate reads the core's option texts and sentences from core_texts.hpp: the same, in order.
  // FLEXEDIT_CORE_TEXTS=PATH writes the list the core has now.
  void coreTextsListIsTheCores() {
    std::vector<std::string> texts;
    const auto note = [&texts](const char* text) {
      if (std::find(texts.begin(), texts.end(), text) == texts.end()) texts.emplace_back(text);
      return std::string(text);
    };
    for (const flex::OptionDef& o : flex::optionCatalog())
      note(std::string(o.caption).c_str()), note(std::string(o.toolTip).c_str());
    for (int id = 0; id < 16; ++id)
      for (int step = 0; step < 16; ++step)
        for (int reason = 0; reason < 16; ++reason)
          for (int err = 0; err < (reason == 0 ? 130 : 1); ++err)
            for (const char* copy : {"", "b~"})
              for (int obstacle = 0; obstacle < 4; ++obstacle)
                flex::messageText({flex::MessageId(id),
                                   "f",
                                   {flex::FileStep(step), flex::FileReason(reason), err, copy,
                                    flex::CopyObstacle(obstacle)}},
                                  note);
    for (int kind = 0; kind < 3; ++kind)
      flex::recoveryProblemText({flex::RecoveryProblem::Kind(kind)}, note);
    for (int kind = 0; kind < 5; ++kind)
      for (std::size_t index = 0; index < 3; ++index)
        flex::stepText({flex::StepKind(kind), index}, *flex::OptionSet::builtinOnly(), note);
    std::vector<flex::OptionFileProblem> problems;
    for (int issue = 0; issue < 32; ++issue)
      for (const char* field : {"", "position", "bits", "gated", "options", "id"})
        for (const int entry : {0, 1, 2}) {  // none, one without an id, one with
          problems.push_back({flex::OptionFileIssue(issue),
                              entry ? std::optional<std::size_t>(0) : std::nullopt,
                              entry == 2 ? "i" : "", field, *field ? "v" : ""});
          flex::optionFileMessage("f", {&problems.back(), 1}, 0, note);
        }
    flex::optionFileMessage("f", problems, 0, note);
    for (const int value : {-1, 7})
      for (const int mask : {0xFF, 0x10})
        for (const int state : {0, 1})
          flex::byteToolTip(
              {0, 1, "07", value, {{0, "Check1(0)", "Menu Engineering", mask, state}}}, note);
    const std::vector<std::string> listed(std::begin(kCoreTexts), std::end(kCoreTexts));
    if (QFile file(qEnvironmentVariable("FLEXEDIT_CORE_TEXTS")); !file.fileName().isEmpty()) {
      QVERIFY(file.open(QIODevice::ReadWrite));
      QByteArray list = file.readAll();  // its head stays
      list.truncate(list.indexOf("= {\n") + 4);
      for (const std::string& t : texts)  // no text holds a backslash or a line break
        list += "    QT_TRANSLATE_NOOP(\"core\", \"" + QByteArray(t.c_str()).replace('"', "\\\"") +
                "\"),\n";
      QVERIFY(file.resize(0) && file.write(list + "};\n// clang-format on\n"));
    }
    QVERIFY(listed == texts);
  }
};

QTEST_MAIN(LanguageTest)
#include "tst_language.moc"
