// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
class QCoreApplication;

namespace flex::ui {

// Qt's own texts (file dialogs, standard buttons, context menus) in Italian, as every other
// text of the program, from the translations installed with Qt.
void loadQtTranslations(QCoreApplication& app);

}  // namespace flex::ui
