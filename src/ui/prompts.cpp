#include "ui/prompts.hpp"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include "flex/flex_file.hpp"

namespace flex::ui {
namespace {

QString fromView(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QString flexFileFilter() {
  return QStringLiteral("%1 (%2)").arg(fromView(kFileFilterName), fromView(kFileFilterPattern));
}

QString flexStartFolder() {
#ifdef Q_OS_WIN
  return QDir::rootPath();
#else
  return QDir::homePath();
#endif
}

Prompts desktopPrompts() {
  Prompts prompts;
  // No title and no default suffix: a name typed without ".hs" is used as typed.
  prompts.openFileName = [](QWidget* parent) {
    return QFileDialog::getOpenFileName(parent, QString(), flexStartFolder(), flexFileFilter());
  };
  prompts.saveFileName = [](QWidget* parent) {
    return QFileDialog::getSaveFileName(parent, QString(), flexStartFolder(), flexFileFilter(),
                                        nullptr, QFileDialog::DontConfirmOverwrite);
  };
  prompts.messageBox = [](QWidget* parent, const QString& prompt, const QString& title) {
    QMessageBox box(QMessageBox::NoIcon, title, prompt, QMessageBox::Ok, parent);
    box.button(QMessageBox::Ok)->setIcon(QIcon());  // the prompt and a plain OK, nothing more
    box.exec();
  };
  return prompts;
}

}  // namespace flex::ui
