// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/edit_menu.hpp"

#include "session/editor.hpp"
#include "session/message_catalog.hpp"
#include "ui/support/core_words.hpp"
#include "ui/support/qt_strings.hpp"
#include "ui/support/undo_keys.hpp"

namespace flex::ui {

EditMenu::EditMenu(Editor& editor, QWidget* parent)
    : QMenu(tr("&Modifica"), parent), editor_(editor) {
  setObjectName(QStringLiteral("mnuModifica"));
  undo_ = addAction(QString(), this, [this] { editor_.undo(); });
  undo_->setObjectName(QStringLiteral("mnuAnnulla"));
  undo_->setShortcuts(undoKeys());
  undo_->setIconText(tr("Annulla"));  // the help's name for it
  redo_ = addAction(QString(), this, [this] { editor_.redo(); });
  redo_->setObjectName(QStringLiteral("mnuRipeti"));
  redo_->setShortcuts(redoKeys());
  redo_->setIconText(tr("Ripeti"));
  updateEnabled();
}

void EditMenu::updateEnabled() {
  // "&Annulla: Menu Engineering": the item names the step it takes back or applies again.
  const auto caption = [this](const QString& verb, const StepName& step) {
    const QString what = fromUtf8(stepText(step, editor_.options(), coreTranslate()));
    return what.isEmpty() ? verb : verb + QStringLiteral(": ") + QString(what).replace('&', "&&");
  };
  undo_->setText(caption(tr("&Annulla"), editor_.undoName()));
  redo_->setText(caption(tr("&Ripeti"), editor_.redoName()));
  undo_->setEnabled(editor_.canUndo());
  redo_->setEnabled(editor_.canRedo());
}

}  // namespace flex::ui
