// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Help" (F1): what a flex is, how the window is used, its keys, the command line in short, and
// a reference table of the 33 options made from the option catalogue when the window opens, so
// that it says what the program does. All of it is local text: nothing is fetched. It is drawn
// in the palette's colours, and made again when the palette changes.
#include <QList>
#include <QTextBrowser>

class QAction;

namespace flex::ui {

class HelpWindow : public QTextBrowser {
  Q_OBJECT

 public:
  // `keyActions`: the actions whose keys the help lists, each by its icon text.
  explicit HelpWindow(QList<QAction*> keyActions);

  // The option table's column headings, in order.
  static QStringList optionColumns();

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void fill();

  QList<QAction*> keyActions_;
};

}  // namespace flex::ui
