// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The question before the main window closes, or another flex takes the place of one, with work
// not saved: save it first, let it go, or stay.
#include <QString>

#include "session/editor_view.hpp"
#include "ui/dialogs/question.hpp"

namespace flex::ui {

// The question's answers, by their place in it.
enum class CloseAnswer { Save, Discard, Cancel };

// "Salva" (the default), "Non salvare" and "Annulla" (Esc). `fileName` is the file last loaded
// or saved, empty for the built-in flex; `why` tells what comes after.
Question closeQuestion(const QString& fileName, Leaving why = Leaving::Close);

}  // namespace flex::ui
