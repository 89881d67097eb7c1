#pragma once
// What the windows ask of the person: a file name to open or save, and acknowledging a
// message. The program uses the desktop's dialogs; the tests put their own answers here.
#include <QString>
#include <functional>

class QWidget;

namespace flex::ui {

struct Prompts {
  // The open / save dialog: the chosen path, or an empty string when cancelled.
  std::function<QString(QWidget* parent)> openFileName;
  std::function<QString(QWidget* parent)> saveFileName;
  // A modal message box with the prompt, the title and an OK button only, no icon.
  std::function<void(QWidget* parent, const QString& prompt, const QString& title)> messageBox;
};

// QFileDialog and QMessageBox.
Prompts desktopPrompts();

// "Motorola A835 FLEX (.hs) (*.hs)": the one entry of the dialogs' filter.
QString flexFileFilter();

// Where the dialogs start: the home folder (the system drive's root on Windows).
QString flexStartFolder();

}  // namespace flex::ui
