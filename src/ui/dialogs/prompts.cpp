// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/prompts.hpp"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>

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

QString flexStartFolder(const QString& lastFile) {
  const QString last = lastFile.isEmpty() ? QString() : QFileInfo(lastFile).absolutePath();
  for (const QString& folder : {last, QDir::homePath()})
    if (!folder.isEmpty() && QFileInfo(folder).isDir()) return folder;
  return QDir::currentPath();
}

void loadQtTranslations(QCoreApplication& app) {
  const QLocale italian(QLocale::Italian, QLocale::Italy);
  QLocale::setDefault(italian);
  const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  auto* translator = new QTranslator(&app);
  if (translator->load(italian, QStringLiteral("qtbase"), QStringLiteral("_"), folder) ||
      translator->load(italian, QStringLiteral("qt"), QStringLiteral("_"), folder))
    QCoreApplication::installTranslator(translator);
  else
    delete translator;
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
    box.button(QMessageBox::Ok)->setIcon(QIcon());  // the prompt and a plain OK, nothing more
    box.exec();
  };
  return prompts;
}

}  // namespace flex::ui
