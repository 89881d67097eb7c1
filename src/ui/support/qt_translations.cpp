// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/support/qt_translations.hpp"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace flex::ui {
namespace {

void install(QCoreApplication& app, const QLocale& locale, const QStringList& names,
             const QString& folder) {
  auto* translator = new QTranslator(&app);
  for (const QString& name : names) {
    if (translator->load(locale, name, QStringLiteral("_"), folder)) {
      QCoreApplication::installTranslator(translator);
      return;
    }
  }
  delete translator;
}

}  // namespace

QLocale chooseLanguage(const QStringList& uiLanguages) {
  for (const QString& name : uiLanguages) {
    const QLocale locale(name);
    if (locale.language() == QLocale::English) return locale;
    if (locale.language() == QLocale::Italian) break;
  }
  return QLocale(QLocale::Italian, QLocale::Italy);
}

QLocale loadQtTranslations(QCoreApplication& app) {
  const QLocale locale = chooseLanguage(QLocale::system().uiLanguages());
  QLocale::setDefault(locale);
  if (locale.language() == QLocale::English) {
    // Qt's own texts are English already.
    install(app, locale, {QStringLiteral("flexedit")}, QStringLiteral(":/i18n"));
  } else {
    install(app, locale, {QStringLiteral("qtbase"), QStringLiteral("qt")},
            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  }
  return locale;
}

}  // namespace flex::ui
