// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Modifica" menu: "Annulla" (Ctrl+Z) and "Ripeti" (Ctrl+Y, Ctrl+Shift+Z), the editor's
// undo and redo, each enabled only while the editor has a step for it and naming that step. The
// window calls updateEnabled() whenever the editor's state changed. The keys are the window's also
// while a text box has the focus (see undo_keys.hpp).
#include <QMenu>

namespace flex {
class Editor;
}

namespace flex::ui {

class EditMenu : public QMenu {
  Q_OBJECT

 public:
  EditMenu(Editor& editor, QWidget* parent);

  QAction* undoAction() const { return undo_; }
  QAction* redoAction() const { return redo_; }
  void updateEnabled();  // enabled and named as the editor allows now

 private:
  Editor& editor_;
  QAction* undo_ = nullptr;  // "Annulla"
  QAction* redo_ = nullptr;  // "Ripeti"
};

}  // namespace flex::ui
