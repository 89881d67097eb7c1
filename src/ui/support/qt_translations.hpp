// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QLocale>
#include <QStringList>

class QCoreApplication;

namespace flex::ui {

// The program's own language is Italian. English is the one translation: it is chosen when the
// user's UI languages list English before Italian; with neither listed the program stays Italian.
// Returns the locale chosen (for dates and sizes too), "en..." or it_IT.
QLocale chooseLanguage(const QStringList& uiLanguages);

// The window's texts and Qt's own (file dialogs, standard buttons, context menus) in the language
// of the user's desktop (QLocale::uiLanguages: LANGUAGE, LC_ALL, LC_MESSAGES, LANG), as above.
QLocale loadQtTranslations(QCoreApplication& app);

}  // namespace flex::ui
