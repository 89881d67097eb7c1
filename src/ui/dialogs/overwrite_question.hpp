// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The question before a save replaces the file the flex belongs to, which another program (or
// another window) has changed, moved or deleted since it was loaded or saved here.
#include <QString>

#include "flex/file_identity.hpp"
#include "ui/dialogs/question.hpp"

namespace flex::ui {

// The question's answers, by their place in it.
enum class OverwriteChoice { Overwrite, Cancel };

// "Sovrascrivi" and "Annulla" (the default, and Esc). `fileName` is the file to be written.
Question overwriteQuestion(const QString& fileName, DiskChange change);

}  // namespace flex::ui
