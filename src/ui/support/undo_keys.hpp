// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The keys of the editor's undo and redo: Ctrl+Z, and Ctrl+Y or Ctrl+Shift+Z. They are the
// window's also while a text box has the focus: a box that would take one of them (or its
// platform's own undo or redo key) for its own undo passes it on, which isUndoRedoKey tells.
#include <QKeySequence>
#include <QList>

class QKeyEvent;

namespace flex::ui {

const QList<QKeySequence>& undoKeys();
const QList<QKeySequence>& redoKeys();

// A key of undo or redo, or one a text box would take for its own undo or redo.
bool isUndoRedoKey(const QKeyEvent& event);

}  // namespace flex::ui
