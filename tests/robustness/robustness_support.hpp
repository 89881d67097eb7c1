#pragma once
// Shared pieces of the bad-input tests: a scratch folder that is cleaned up even after its
// permissions were taken away, a view that answers the file dialogs and records messages, and an
// editor fixture with the checks every refused load or failed save must pass.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <deque>
#include <filesystem>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "model/editor.hpp"

namespace robustness {

namespace fs = std::filesystem;

inline bool runningAsRoot() { return ::geteuid() == 0; }

// Permission bits do not stop root; these cases run in the unprivileged re-run instead.
#define SKIP_AS_ROOT()                                                                  \
  do {                                                                                  \
    if (runningAsRoot())                                                                \
      GTEST_SKIP() << "running as root, which permission bits do not stop (the "       \
                      "robustness-unprivileged test runs this case as an ordinary user)"; \
  } while (false)

class Scratch {
 public:
  Scratch();
  ~Scratch();
  Scratch(const Scratch&) = delete;
  Scratch& operator=(const Scratch&) = delete;

  const std::string& dir() const { return dir_; }
  std::string path(std::string_view name) const { return dir_ + "/" + std::string(name); }
  std::string write(std::string_view name, std::string_view content) const;
  static std::string read(const std::string& path);
  // The names in a folder (hidden ones included), to prove that no temporary file was left.
  static std::set<std::string> entries(const std::string& folder);

 private:
  std::string dir_;
};

struct Message {
  std::string prompt;
  std::string title;
};

class FakeView : public flex::EditorView {
 public:
  std::vector<Message> messages;
  std::deque<std::string> openNames;
  std::deque<std::string> saveNames;
  int dialogsShown = 0;

  void messageBox(std::string_view prompt, std::string_view title) override {
    messages.push_back({std::string(prompt), std::string(title)});
  }
  std::string openFileName() override { return next(openNames); }
  std::string saveFileName() override { return next(saveNames); }
  void labelDialogShown() override { ++dialogsShown; }
  void labelDialogClosed() override {}
  void stateChanged() override {}

 private:
  static std::string next(std::deque<std::string>& names);
};

// Everything the editor keeps except the status bar text.
bool sameRecordsAndBoxes(const flex::EditorState& a, const flex::EditorState& b);

class EditorTest : public ::testing::Test {
 protected:
  EditorTest() : editor(view) { editor.Form_Load(); }

  flex::FileOutcome load(const std::string& path);
  flex::FileOutcome save(const std::string& path);

  // A refused load or a failed save: one "Errore File" message whose prompt begins with
  // `promptStart` and names the file and `reason`; the status bar shows the path; nothing else
  // of the editor changed.
  void expectFailure(flex::FileOutcome outcome, const flex::EditorState& before,
                     const std::string& path, std::string_view promptStart,
                     std::string_view reason);

  FakeView view;
  flex::Editor editor;
  Scratch scratch;
};

}  // namespace robustness
