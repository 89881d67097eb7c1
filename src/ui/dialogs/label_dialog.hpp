// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The label dialog ("frmGPRS"): the person types the text that replaces the phone's "GPRS"
// label. A modeless tool window kept in front; it shows the editor's state and hands typing, OK
// (or Enter) and its close box (or Esc) to the editor, which decides everything. Control
// characters never reach the field.
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace flex {
class Editor;
}

namespace flex::ui {

class LabelDialog : public QWidget {
  Q_OBJECT

 public:
  LabelDialog(Editor& editor, QWidget* parent);

  // Shows the editor's text (txt1) without raising a change.
  void redraw();

  QLineEdit* textField() const { return textField_; }
  QPushButton* okButton() const { return ok_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  Editor& editor_;
  QLabel* prompt_;
  QLineEdit* textField_;
  QPushButton* ok_;
};

}  // namespace flex::ui
