// SPDX-License-Identifier: GPL-3.0-or-later
#include "step_input.hpp"

#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSocketNotifier>
#include <QTimer>
#include <chrono>
#include <cstdio>

#include "session/recovery_copy.hpp"
#include "ui/dialogs/label_dialog.hpp"
#include "ui/previews/preview_panel.hpp"
#include "ui/previews/raw_preview.hpp"
#include "ui/window/main_window.hpp"

namespace flex::ui {
namespace {

void typeInto(QWidget* widget, const QString& text) {  // upper-case letters and digits, as keys
  for (const QChar c : text) {
    const int key = c.isDigit() ? Qt::Key_0 + c.digitValue() : Qt::Key_A + (c.unicode() - 'A');
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
    QApplication::sendEvent(widget, &press);
  }
}

// The question before another flex replaces unsaved work is answered "Non salvare", as
// flexedit-cli, which has no one to ask, goes on.
void clickInQuestion(const QString& text) {
  if (QWidget* box = QApplication::activeModalWidget())
    for (auto* button : box->findChildren<QPushButton*>())
      if (button->text() == text) button->click();
}

QString perform(MainWindow& window, const QString& verb, const QString& rest) {
  QTimer letGo;
  letGo.callOnTimeout([] { clickInQuestion(QStringLiteral("Non salvare")); });
  if (verb != "answer") letGo.start(20);
  const auto widget = [&window](const QString& name) { return window.findChild<QWidget*>(name); };
  const auto trigger = [&window](const char* name) { window.findChild<QAction*>(name)->trigger(); };
  if (verb == "click") {  // "Check1(0)" is the box Check1_0
    static_cast<QCheckBox*>(widget(QString(rest).replace('(', '_').remove(')')))->click();
  } else if (verb == "undo" || verb == "redo" || verb == "reset") {
    trigger(verb == "undo" ? "mnuAnnulla" : verb == "redo" ? "mnuRipeti" : "mnuFlexInterna");
  } else if (verb == "open") {
    window.openFile(rest.toStdString());
  } else if (verb == "type") {
    auto* formatting = static_cast<QCheckBox*>(widget("CheckFormattazioneTesto"));
    if (formatting->isChecked()) formatting->click();
    RawPreview* raw = window.preview()->rawPreview(rest.section(' ', 0, 0).toUInt());
    raw->setFocus();
    QTextCursor cursor = raw->textCursor();
    cursor.setPosition(rest.section(' ', 1, 1).toInt());
    raw->setTextCursor(cursor);
    typeInto(raw, rest.section(' ', 2));
    widget("Check1_0")->setFocus();
    window.editor().endTyping();  // as the focus leaving does, should the window be inactive
  } else if (verb == "label") {
    static_cast<QCheckBox*>(widget("Check1_5"))->click();
    typeInto(window.labelDialog()->textField(), rest);
    window.labelDialog()->okButton()->click();
  } else if (verb == "answer") {
    if (!QApplication::activeModalWidget()) return QStringLiteral("none");
    clickInQuestion(rest);
  } else if (verb == "dump") {
    const Editor& editor = window.editor();
    const QByteArray copy = QByteArray::fromStdString(encodeRecoveryCopy({editor.document(), 0}));
    return QStringLiteral("dump %1 %2 %3")
        .arg(QString::fromLatin1(copy.toHex()))
        .arg(editor.modified())
        .arg(editor.undoCount());
  } else {
    return QStringLiteral("unknown");
  }
  return QStringLiteral("ok");
}

}  // namespace

void takeStepsFromStandardInput(MainWindow& window) {
  auto* notifier = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, &window);
  QObject::connect(notifier, &QSocketNotifier::activated, &window, [&window, notifier] {
    QByteArray line;  // the script sends a line, then waits for the answer
    char c = 0;
    ssize_t n = 0;
    while ((n = ::read(STDIN_FILENO, &c, 1)) == 1 && c != '\n') line += c;
    if (n == 0 && line.isEmpty()) return notifier->setEnabled(false);  // the script has gone
    const QString text = QString::fromUtf8(line);
    const QString reply = perform(window, text.section(' ', 0, 0), text.section(' ', 1));
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    std::printf("%s %lld\n", qPrintable(reply),
                static_cast<long long>(std::chrono::nanoseconds(now).count()));
    std::fflush(stdout);
  });
}

}  // namespace flex::ui
