// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/prompts.hpp"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <array>
#include <vector>

#include "flex/flex_file.hpp"
#include "ui/support/qt_strings.hpp"

namespace flex::ui {
namespace {

int askWithMessageBox(QWidget* parent, const Question& question) {
  QMessageBox box(
      question.icon == Question::Icon::Warning ? QMessageBox::Warning : QMessageBox::NoIcon,
      question.title, question.text, QMessageBox::NoButton, parent);
  box.setObjectName(question.objectName);
  box.setInformativeText(question.detail);
  constexpr std::array kRole{QMessageBox::AcceptRole, QMessageBox::DestructiveRole,
                             QMessageBox::RejectRole};
  std::vector<QPushButton*> buttons;
  for (const Question::Answer& answer : question.answers)
    buttons.push_back(box.addButton(answer.text, kRole[static_cast<std::size_t>(answer.role)]));
  box.setDefaultButton(buttons.at(static_cast<std::size_t>(question.defaultAnswer)));
  box.setEscapeButton(buttons.at(static_cast<std::size_t>(question.escapeAnswer)));
  box.exec();
  for (std::size_t i = 0; i < buttons.size(); ++i)
    if (box.clickedButton() == buttons[i]) return static_cast<int>(i);
  return question.escapeAnswer;
}

}  // namespace

QString flexFileFilter() {
  return QStringLiteral("%1 (%2)").arg(fromUtf8(kFileFilterName), fromUtf8(kFileFilterPattern));
}

QString flexStartFolder(const QString& lastFile) {
  const QString last = lastFile.isEmpty() ? QString() : QFileInfo(lastFile).absolutePath();
  for (const QString& folder : {last, QDir::homePath()})
    if (!folder.isEmpty() && QFileInfo(folder).isDir()) return folder;
  return QDir::currentPath();
}

Prompts desktopPrompts() {
  Prompts prompts;
  // No title and no default suffix: a name typed without ".hs" is used as typed.
  prompts.openFileName = [](QWidget* parent, const QString& folder) {
    return QFileDialog::getOpenFileName(parent, QString(), folder, flexFileFilter(), nullptr,
                                        QFileDialog::HideNameFilterDetails);
  };
  prompts.saveFileName = [](QWidget* parent, const QString& folder) {
    return QFileDialog::getSaveFileName(
        parent, QString(), folder, flexFileFilter(), nullptr,
        QFileDialog::DontConfirmOverwrite | QFileDialog::HideNameFilterDetails);
  };
  prompts.messageBox = [](QWidget* parent, const QString& prompt, const QString& title) {
    QMessageBox box(QMessageBox::NoIcon, title, prompt, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);               // a file name or a user's text is never markup
    box.button(QMessageBox::Ok)->setIcon(QIcon());  // the prompt and a plain OK, nothing more
    box.exec();
  };
  prompts.ask = askWithMessageBox;
  return prompts;
}

}  // namespace flex::ui
