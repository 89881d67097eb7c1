// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A question the windows put to the person before a step that could lose work, with a few
// answers to choose from. The asking window says what it asks; the Prompts seam shows it (a
// QMessageBox on the desktop) and tells which answer was chosen, by its place in `answers`.
#include <QString>
#include <vector>

namespace flex::ui {

struct Question {
  enum class Icon { None, Warning };
  // Where the desktop puts a button: the affirmative one, the one that throws work away, and
  // the one that leaves everything as it is.
  enum class Role { Accept, Destructive, Reject };
  struct Answer {
    QString text;
    Role role;
  };

  QString objectName;  // of the box
  Icon icon = Icon::None;
  QString title;
  QString text;
  QString detail;  // under the text
  std::vector<Answer> answers;
  int defaultAnswer = 0;  // Enter
  int escapeAnswer = 0;   // Esc and the box's close button
};

}  // namespace flex::ui
