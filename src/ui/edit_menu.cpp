// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/edit_menu.hpp"

#include <QKeyEvent>

#include "session/editor.hpp"

namespace flex::ui {
namespace {

const QList<QKeySequence>& undoKeys() {
  static const QList<QKeySequence> keys{QKeySequence(Qt::CTRL | Qt::Key_Z)};
  return keys;
}

const QList<QKeySequence>& redoKeys() {
  static const QList<QKeySequence> keys{QKeySequence(Qt::CTRL | Qt::Key_Y),
                                        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)};
  return keys;
}

}  // namespace

EditMenu::EditMenu(Editor& editor, QWidget* parent)
    : QMenu(QStringLiteral("&Modifica"), parent), editor_(editor) {
  setObjectName(QStringLiteral("mnuModifica"));
  undo_ = addAction(QStringLiteral("Annulla"), this, [this] { editor_.undo(); });
  undo_->setObjectName(QStringLiteral("mnuAnnulla"));
  undo_->setShortcuts(undoKeys());
  redo_ = addAction(QStringLiteral("Ripeti"), this, [this] { editor_.redo(); });
  redo_->setObjectName(QStringLiteral("mnuRipeti"));
  redo_->setShortcuts(redoKeys());
  updateEnabled();
}

void EditMenu::updateEnabled() {
  undo_->setEnabled(editor_.canUndo());
  redo_->setEnabled(editor_.canRedo());
}

bool isUndoRedoKey(const QKeyEvent& event) {
  if (event.matches(QKeySequence::Undo) || event.matches(QKeySequence::Redo)) return true;
  const QKeySequence key(event.keyCombination());
  return undoKeys().contains(key) || redoKeys().contains(key);
}

}  // namespace flex::ui
