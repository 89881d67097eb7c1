// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The question before the main window closes on a flex that differs from what was last loaded
// or saved: save it first, let the changes go, or stay.
#include <QString>

class QWidget;

namespace flex::ui {

enum class CloseAnswer { Save, Discard, Cancel };

// A modal QMessageBox with "Salva", "Non salvare" and "Annulla" (Esc). `fileName` is the file
// last loaded or saved, empty for the built-in flex.
CloseAnswer askSaveBeforeClosing(QWidget* parent, const QString& fileName);

}  // namespace flex::ui
