// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the editor asks of a window. The window (or the command line) implements it; the editor
// calls it from inside its actions, on the one thread that drives everything.
#include <string>

#include "session/editor_message.hpp"

namespace flex {

class EditorView {
 public:
  virtual ~EditorView() = default;

  // A modal message box with an OK button; returns when it was acknowledged. Its words come
  // from the message catalogue (message_catalog.hpp) or the view's own translation.
  virtual void messageBox(const EditorMessage& message) = 0;

  // The open / save dialog (filter kFileFilterName / kFileFilterPattern, no default suffix,
  // no prompt before replacing). Returns the chosen path in the file system's bytes (see
  // Document::fileName), or "" when cancelled.
  virtual std::string openFileName() = 0;
  virtual std::string saveFileName() = 0;

  // The label dialog was created (or, already open, is to be brought to the front).
  virtual void labelDialogShown() = 0;
  // The label dialog was closed and destroyed.
  virtual void labelDialogClosed() = 0;

  // Something the window shows has changed; redraw from the editor's state. Called at the end
  // of every action and before a message box or the label dialog is shown.
  virtual void stateChanged() = 0;
};

// A view that does nothing: message boxes are acknowledged at once, dialogs are cancelled.
class NullEditorView : public EditorView {
 public:
  void messageBox(const EditorMessage&) override {}
  std::string openFileName() override { return {}; }
  std::string saveFileName() override { return {}; }
  void labelDialogShown() override {}
  void labelDialogClosed() override {}
  void stateChanged() override {}
};

}  // namespace flex
