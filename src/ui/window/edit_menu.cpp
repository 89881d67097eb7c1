// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/edit_menu.hpp"

#include "session/editor.hpp"
#include "session/message_catalog.hpp"
#include "ui/support/qt_strings.hpp"
#include "ui/support/undo_keys.hpp"

namespace flex::ui {

EditMenu::EditMenu(Editor& editor, QWidget* parent)
    : QMenu(QStringLiteral("&Modifica"), parent), editor_(editor) {
  setObjectName(QStringLiteral("mnuModifica"));
  undo_ = addAction(QString(), this, [this] { editor_.undo(); });
  undo_->setObjectName(QStringLiteral("mnuAnnulla"));
  undo_->setShortcuts(undoKeys());
  undo_->setIconText(QStringLiteral("Annulla"));  // the help's name for it
  redo_ = addAction(QString(), this, [this] { editor_.redo(); });
  redo_->setObjectName(QStringLiteral("mnuRipeti"));
  redo_->setShortcuts(redoKeys());
  redo_->setIconText(QStringLiteral("Ripeti"));
  updateEnabled();
}

void EditMenu::updateEnabled() {
  // "&Annulla: Menu Engineering": the item names the step it takes back or applies again.
  const auto caption = [this](const QString& verb, const StepName& step) {
    const QString what = fromUtf8(stepText(step, editor_.options()));
    return what.isEmpty() ? verb : verb + QStringLiteral(": ") + QString(what).replace('&', "&&");
  };
  undo_->setText(caption(QStringLiteral("&Annulla"), editor_.undoName()));
  redo_->setText(caption(QStringLiteral("&Ripeti"), editor_.redoName()));
  undo_->setEnabled(editor_.canUndo());
  redo_->setEnabled(editor_.canRedo());
}

}  // namespace flex::ui
