// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/edit_menu.hpp"

#include "session/editor.hpp"
#include "ui/support/undo_keys.hpp"

namespace flex::ui {

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

}  // namespace flex::ui
