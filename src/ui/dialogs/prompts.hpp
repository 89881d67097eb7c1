// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the windows ask of the person: a file name to open or save, acknowledging a message,
// and a question with a few answers. The program uses the desktop's dialogs; the tests put
// their own answers here.
#include <QString>
#include <functional>

#include "ui/dialogs/question.hpp"

class QWidget;

namespace flex::ui {

struct Prompts {
  // The open / save dialog, in `folder` with no name filled in: the chosen path, or an empty
  // string when cancelled.
  std::function<QString(QWidget* parent, const QString& folder)> openFileName;
  std::function<QString(QWidget* parent, const QString& folder)> saveFileName;
  // A modal message box with the prompt, the title and an OK button only, no icon.
  std::function<void(QWidget* parent, const QString& prompt, const QString& title)> messageBox;
  // A modal question: the place of the answer chosen in `question.answers`.
  std::function<int(QWidget* parent, const Question& question)> ask;
};

// QFileDialog and QMessageBox.
Prompts desktopPrompts();

// "Motorola A835 FLEX (.hs) (*.hs)": the one entry of the dialogs' filter (they show its name).
QString flexFileFilter();

// Where the dialogs start: the folder of `lastFile` (the file last loaded or saved), else the
// home folder, else the current folder; the first of them that exists.
QString flexStartFolder(const QString& lastFile);

}  // namespace flex::ui
