// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the core tests, the CLI tests, the bad-input tests and the fuzz targets share: a view that
// records what the editor asks of it and answers its file dialogs, an editor started with one, a
// scratch folder, and small helpers for records and files.
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "session/editor.hpp"

namespace flextest {

struct FakeView : flex::EditorView {
  std::vector<flex::EditorMessage> messages;
  std::string fileAnswer;  // what the next open or save dialog answers; then "" (cancel)
  int dialogShown = 0;
  flex::UnsavedAnswer unsavedAnswer = flex::UnsavedAnswer::NotAsked;
  flex::OverwriteAnswer overwriteAnswer = flex::OverwriteAnswer::Refuse;
  std::vector<flex::DiskChange> overwriteAsked;  // the changes each question named
  int unsavedAsked = 0;

  void messageBox(const flex::EditorMessage& m) override { messages.push_back(m); }
  std::string openFileName() override { return std::exchange(fileAnswer, {}); }
  std::string saveFileName() override { return std::exchange(fileAnswer, {}); }
  flex::UnsavedAnswer askUnsaved(flex::Leaving) override { return ++unsavedAsked, unsavedAnswer; }
  flex::OverwriteAnswer askOverwrite(const std::string&, flex::DiskChange change) override {
    overwriteAsked.push_back(change);
    return overwriteAnswer;
  }
  void labelDialogShown() override { ++dialogShown; }
  void labelDialogClosed() override {}
  void stateChanged() override {}
};

// An editor started as the window starts it, with the view it talks to.
struct StartedEditor {
  explicit StartedEditor(
      std::shared_ptr<const flex::OptionSet> options = flex::OptionSet::builtinOnly())
      : editor(view, std::move(options)) {
    editor.start();
  }
  const flex::Document& doc() const { return editor.document(); }
  const flex::FormState& form() const { return editor.form(); }

  FakeView view;
  flex::Editor editor;
};

inline std::string hex2(unsigned v) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  return {kHex[(v >> 4) & 15], kHex[v & 15]};
}
// `record` with the two characters at `position` (from 1) replaced.
inline std::string withByte(std::string record, std::size_t position, std::string_view pair) {
  return record.replace(position - 1, 2, pair);
}
// Records as a ".hs" file: CR LF after each.
inline std::string hsFile(std::initializer_list<std::string_view> records) {
  std::string file;
  for (std::string_view r : records) (file += r) += "\r\n";
  return file;
}
inline std::string readWhole(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// A new folder of its own under `parent`, removed with all it holds.
class ScratchFolder {
 public:
  explicit ScratchFolder(
      const std::filesystem::path& parent = std::filesystem::temp_directory_path())
      : folder((parent / "flexedit-test-XXXXXX").string()) {
    if (::mkdtemp(folder.data()) == nullptr) throw std::runtime_error("mkdtemp failed: " + folder);
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  std::string path(std::string_view name) const { return folder + "/" + std::string(name); }
  std::string write(std::string_view name, std::string_view content) const {
    std::ofstream(path(name), std::ios::binary | std::ios::trunc) << content;
    return path(name);
  }
  std::string read(std::string_view name) const { return readWhole(path(name)); }
  std::vector<std::string> entries() const {  // the names in the folder
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder))
      names.push_back(e.path().filename());
    return names;
  }

  std::string folder;
};

}  // namespace flextest
