// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window the editor talks to when it runs from the command line: message boxes are
// acknowledged at once and recorded. The file actions take their paths from the command line
// (Editor::openFile, Editor::saveFile), so no file dialog is ever asked for: one would be
// cancelled.
#include <string>
#include <string_view>
#include <vector>

#include "session/editor_view.hpp"

namespace flex::cli {

struct Message {
  std::string prompt;  // UTF-8
  std::string title;   // UTF-8
};

class CliView : public NullEditorView {
 public:
  const std::vector<Message>& messages() const { return messages_; }

  void messageBox(std::string_view prompt, std::string_view title) override {
    messages_.push_back({std::string(prompt), std::string(title)});
  }

 private:
  std::vector<Message> messages_;
};

}  // namespace flex::cli
