// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/support/undo_keys.hpp"

#include <QKeyEvent>

namespace flex::ui {

const QList<QKeySequence>& undoKeys() {
  static const QList<QKeySequence> keys{QKeySequence(Qt::CTRL | Qt::Key_Z)};
  return keys;
}

const QList<QKeySequence>& redoKeys() {
  static const QList<QKeySequence> keys{QKeySequence(Qt::CTRL | Qt::Key_Y),
                                        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)};
  return keys;
}

bool isUndoRedoKey(const QKeyEvent& event) {
  if (event.matches(QKeySequence::Undo) || event.matches(QKeySequence::Redo)) return true;
  const QKeySequence key(event.keyCombination());
  return undoKeys().contains(key) || redoKeys().contains(key);
}

}  // namespace flex::ui
