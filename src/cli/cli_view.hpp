// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window the editor talks to when it runs from the command line: message boxes are
// acknowledged at once and recorded. The file actions take their paths from the command line
// (Editor::openFile, Editor::saveFile), so no file dialog is ever asked for: one would be
// cancelled.
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
  const std::vector<Message>& messages() const { return messages_; }

  void messageBox(const EditorMessage& message) override {
    MessageText text = messageText(message);
    messages_.push_back({std::move(text.prompt), std::move(text.title)});
  }

 private:
  std::vector<Message> messages_;
};

}  // namespace flex::cli
