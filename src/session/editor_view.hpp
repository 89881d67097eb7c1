// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the editor asks of a window. The window (or the command line) implements it; the editor
// calls it from inside its actions, on the one thread that drives everything.
#include <cstdint>
#include <string>

#include "flex/file_identity.hpp"
#include "session/editor_message.hpp"

namespace flex {

// Why a flex with unsaved work is about to go: the window closes, a file opens in its place, or
// the built-in flex does.
enum class Leaving : std::uint8_t { Close, Open, Builtin };
// What becomes of that work: saved first, let go, or kept with nothing done. NotAsked: there is
// no one to ask (the command line); nothing is touched and the action goes on.
enum class UnsavedAnswer : std::uint8_t { Save, Discard, Cancel, NotAsked };
// Whether a save replaces the file last loaded or saved although another program changed or
// removed it since. Cancel: the person said no (nothing written, nothing more said). Refuse: no
// one was asked (nothing written, and that is a file error).
enum class OverwriteAnswer : std::uint8_t { Overwrite, Cancel, Refuse };

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

  // The flex has unsaved work (see Editor::hasUnsavedWork) and is about to go.
  virtual UnsavedAnswer askUnsaved(Leaving why) = 0;
  // A save to `file` finds it changed or gone on the disk since it was last loaded or saved.
  virtual OverwriteAnswer askOverwrite(const std::string& file, DiskChange change) = 0;

  // The label dialog was created (or, already open, is to be brought to the front).
  virtual void labelDialogShown() = 0;
  // The label dialog was closed and destroyed.
  virtual void labelDialogClosed() = 0;

  // Something the window shows has changed; redraw from the editor's state. Called at the end
  // of every action and before a message box or the label dialog is shown.
  virtual void stateChanged() = 0;
};

// A view that does nothing: message boxes are acknowledged at once, dialogs are cancelled, no
// question is asked.
class NullEditorView : public EditorView {
 public:
  void messageBox(const EditorMessage&) override {}
  std::string openFileName() override { return {}; }
  std::string saveFileName() override { return {}; }
  UnsavedAnswer askUnsaved(Leaving) override { return UnsavedAnswer::NotAsked; }
  OverwriteAnswer askOverwrite(const std::string&, DiskChange) override {
    return OverwriteAnswer::Refuse;
  }
  void labelDialogShown() override {}
  void labelDialogClosed() override {}
  void stateChanged() override {}
};

}  // namespace flex
