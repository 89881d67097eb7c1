// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The question before the main window closes on a flex that differs from what was last loaded
// or saved: save it first, let the changes go, or stay.
#include <QString>

#include "ui/dialogs/question.hpp"

namespace flex::ui {

// The question's answers, by their place in it.
enum class CloseAnswer { Save, Discard, Cancel };

// "Salva" (the default), "Non salvare" and "Annulla" (Esc). `fileName` is the file last loaded
// or saved, empty for the built-in flex.
Question closeQuestion(const QString& fileName);

}  // namespace flex::ui
