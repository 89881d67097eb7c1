// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the window asks and tells about recovery copies: restoring one left by a window that
// ended without saving, one that cannot be restored, a file that another window holds with
// changes not saved, and a copy that cannot be written.
#include <QDateTime>
#include <QString>

#include "ui/dialogs/question.hpp"

namespace flex::ui {

// "Ripristina" (the default), "Scarta", "Più tardi" (Esc). `fileName` is the copy's file, empty
// for the built-in flex; `time`, when the copy was written.
enum class RestoreAnswer { Restore, Discard, Later };
Question restoreQuestion(const QString& fileName, const QDateTime& time);

// "Scarta", "Più tardi" (the default, Esc): the copy at `path` is skipped, for `reason`.
enum class BadCopyAnswer { Discard, Later };
Question badCopyQuestion(const QString& path, const QString& reason);

// "Apri comunque", "Annulla" (the default, Esc).
enum class HeldElsewhereAnswer { Open, Cancel };
Question heldElsewhereQuestion(const QString& fileName);

// The message when no copy can be written in `folder`, for `reason`.
QString copyNotWrittenText(const QString& folder, const QString& reason);

}  // namespace flex::ui
