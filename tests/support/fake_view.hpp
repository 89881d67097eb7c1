#pragma once
// A view that records what the editor asks of it and answers its file dialogs, with the small
// helpers the core tests, the bad-input tests and the fuzz targets all need.
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "session/editor.hpp"

namespace flextest {

struct Message {
  std::string prompt, title;
  bool operator==(const Message&) const = default;
};

struct FakeView : flex::EditorView {
  std::vector<Message> messages;
  std::string fileAnswer;  // what the next open or save dialog answers; then "" (cancel)
  int dialogShown = 0, dialogClosed = 0;

  void messageBox(std::string_view p, std::string_view t) override {
    messages.push_back({std::string(p), std::string(t)});
  }
  std::string openFileName() override { return std::exchange(fileAnswer, {}); }
  std::string saveFileName() override { return std::exchange(fileAnswer, {}); }
  void labelDialogShown() override { ++dialogShown; }
  void labelDialogClosed() override { ++dialogClosed; }
  void stateChanged() override {}
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

}  // namespace flextest
