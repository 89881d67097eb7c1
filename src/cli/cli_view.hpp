// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window the editor talks to when it runs from the command line: message boxes are
// acknowledged at once and recorded, the open and save dialogs answer with the path the next
// action queued.
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

class CliView : public EditorView {
 public:
  // The answer of the next open or save dialog; "" cancels it. One answer serves one dialog.
  void answerFileDialog(std::string path) { answer_ = std::move(path); }

  const std::vector<Message>& messages() const { return messages_; }

  void messageBox(const EditorMessage& message) override {
    MessageText text = messageText(message);
    messages_.push_back({std::move(text.prompt), std::move(text.title)});
  }
  std::string openFileName() override { return takeAnswer(); }
  std::string saveFileName() override { return takeAnswer(); }
  void labelDialogShown() override {}
  void labelDialogClosed() override {}
  void stateChanged() override {}

 private:
  std::string takeAnswer() { return std::exchange(answer_, std::string()); }

  std::string answer_;
  std::vector<Message> messages_;
};

}  // namespace flex::cli
