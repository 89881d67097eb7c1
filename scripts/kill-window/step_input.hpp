// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Built only into flexedit-steps, the window that scripts/kill-window.py drives: one step a line
// on standard input, done through the window's own widgets, each answered on standard output
// with the time it was done, so that the script knows which steps are older than a second when
// it kills the window. Steps:
//   click ID | undo | redo | reset | open PATH | type N POS TEXT | label TEXT
//   answer TEXT   (the button of that text in the question shown)   dump   (the document)
namespace flex::ui {
class MainWindow;
void takeStepsFromStandardInput(MainWindow& window);
}  // namespace flex::ui
