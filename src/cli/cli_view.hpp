// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window the editor talks to when it runs from the command line: message boxes are
// acknowledged at once and recorded. The file actions take their paths from the command line
// (Editor::openFile, Editor::saveFile), so no file dialog is ever asked for: one would be
// cancelled. No question is asked either: unsaved work never stops an action, and a save over a
// file that another program changed since is refused as a file error, unless forced.
#include <string>
#include <utility>
#include <vector>

#include "session/editor_view.hpp"
#include "session/message_catalog.hpp"

namespace flex::cli {

struct Message {
  std::string prompt;  // UTF-8
  std::string title;   // UTF-8
};

class CliView : public NullEditorView {
 public:
  explicit CliView(bool force = false) : force_(force) {}
  const std::vector<Message>& messages() const { return messages_; }

  void messageBox(const EditorMessage& message) override {
    MessageText text = messageText(message);
    messages_.push_back({std::move(text.prompt), std::move(text.title)});
  }
  OverwriteAnswer askOverwrite(const std::string&, DiskChange) override {
    return force_ ? OverwriteAnswer::Overwrite : OverwriteAnswer::Refuse;
  }

 private:
  bool force_;  // --force
  std::vector<Message> messages_;
};

}  // namespace flex::cli
