// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/support/qt_translations.hpp"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace flex::ui {

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

}  // namespace flex::ui
