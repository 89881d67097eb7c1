#pragma once
// What the fuzz targets share: a scratch folder, an editor session, and the
// oracles that judge the editor by plain arithmetic, never by its own code.
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <tuple>

#include "fake_view.hpp"
#include "flex/flex_file.hpp"
#include "text/ansi.hpp"
#include "flex/builtin_records.hpp"
#include "session/editor.hpp"
#include "flex/records.hpp"
#include "text/hex_format.hpp"
#include "flex/label_encoding.hpp"

// A broken invariant stops the run, so libFuzzer keeps the input.
#define FUZZ_CHECK(cond, detail)                                                          \
  ((cond) ? void()                                                                        \
          : (std::fprintf(stderr, "\n*** %s:%d: %s\n    %s\n", __FILE__, __LINE__, #cond, \
                          std::string(detail).c_str()),                                   \
             std::abort()))

namespace flex::fuzz {

using flextest::FakeView;
using flextest::hex2;
using flextest::readWhole;

// The byte whose first digit is at index `at`, or -1 unless both digits are 0-9 A-F.
inline int byteValueAt(std::string_view s, std::size_t at) {
  auto digit = [](char c) {
    return c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
  };
  if (at + 1 >= s.size() || digit(s[at]) < 0 || digit(s[at + 1]) < 0) return -1;
  return digit(s[at]) * 16 + digit(s[at + 1]);
}

// The lines a load must see: a CR ends a line and takes an LF right after it along, a lone LF
// stays in the line, the last line needs no end.
inline std::vector<std::string> fileLines(std::string_view content) {
  std::vector<std::string> lines(1);
  for (std::size_t i = 0; i < content.size(); ++i)
    if (content[i] == '\r')
      lines.emplace_back(), i += content.substr(i + 1, 1) == "\n";
    else
      lines.back() += content[i];
  if (lines.back().empty()) lines.pop_back();  // no line has begun since the last end
  return lines;
}

// The personal label record after OK: character k of the upper-cased text as the two digits of
// its code at 43 + 4k (from 1), for k up to 12 and while the cell fits.
inline std::string expectedLabel(std::string record, std::string_view text) {
  const std::string upper = ansi::toUpper(text);
  for (std::size_t k = 1; k <= 12 && k <= upper.size() && 44 + 4 * k <= record.size(); ++k)
    record.replace(42 + 4 * k, 2, hex2(static_cast<unsigned char>(upper[k - 1])));
  return record;
}

// One folder per process (in memory when /dev/shm is there), removed at exit.
inline std::string scratchPath(std::string_view name) {
  static struct Dir {
    std::string path =
        (::access("/dev/shm", W_OK) ? "/tmp" : "/dev/shm") + std::string("/fuzz-XXXXXX");
    Dir() { FUZZ_CHECK(::mkdtemp(path.data()), path); }
    std::error_code ignored;
    ~Dir() { std::filesystem::remove_all(path, ignored); }
  } dir;
  return dir.path + "/" + std::string(name);
}
inline std::string writeScratch(std::string_view name, std::string_view content) {
  const std::string path = scratchPath(name);
  std::ofstream(path, std::ios::binary | std::ios::trunc)
      .write(content.data(), std::ssize(content));
  return path;
}
// Files a load must refuse: a missing one, a folder, one of 1 MiB + 1 byte (sparse).
inline const std::vector<std::string>& refusedPaths() {
  static const std::vector<std::string> paths = [] {
    const std::string big = writeScratch("big.hs", {});
    FUZZ_CHECK(::truncate(big.c_str(), kMaxFileSize + 1) == 0, big);
    return std::vector<std::string>{scratchPath("none/missing.hs"), scratchPath(""), big};
  }();
  return paths;
}

// Everything the editor keeps and shows but the status bar.
inline bool sameState(const EditorState& a, const EditorState& b) {
  auto tie = [](const EditorState& s) {
    return std::tie(s.recordSlots, s.formatted, s.workingBase, s.workingCall, s.gprsLabel, s.gprsNullLabel,
                    s.personalLabel, s.optionEditsEnabled, s.formattingBox.state,
                    s.formattingBox.toggle, s.formattedViewVisible, s.selectedPage,
                    s.page1Visible, s.page2Visible, s.labelDialogOpen, s.labelText, s.fileName,
                    s.baseline);
  };
  for (std::size_t row = 0; row < kOptionCount; ++row)
    if (a.boxes[row].state != b.boxes[row].state || a.boxes[row].toggle != b.boxes[row].toggle)
      return false;
  return tie(a) == tie(b);
}

// True between any two actions.
inline void checkBetweenActions(const EditorState& s) {
  FUZZ_CHECK(s.optionEditsEnabled, "optionEditsEnabled is False after an action");
  for (std::size_t row = 0; row < kOptionCount; ++row)
    FUZZ_CHECK(s.boxes[row].toggle == (s.boxes[row].state == 1) && s.boxes[row].state <= 1,
               std::string(optionCatalog()[row].id));
  for (std::size_t slot = 0; slot < 3; ++slot)
    FUZZ_CHECK(s.formatted[slot] == formattedView(s.recordSlots[slot]), "formatted box lags");
  FUZZ_CHECK(s.gprsLabel == builtin::kGprs && s.gprsNullLabel == builtin::kGprsNull, "built-in");
  FUZZ_CHECK(s.labelText.size() <= kLabelMaxLength && (s.labelDialogOpen || s.labelText.empty()), s.labelText);
}

inline bool edits(const OptionDef& o) {
  return o.effect == OptionEffect::Bits || o.effect == OptionEffect::WholeByte;
}

// After a click on `row` the Base and Call working copies are what they were but for the option's
// own byte, when readable, which holds what the masks make of it. One comparison of the whole
// copies: length, header, trailing word and "only 0-9 A-F written" follow from it.
inline void checkClick(std::size_t row, const EditorState& before, const EditorState& after) {
  const OptionDef& o = optionCatalog()[row];
  const bool ticked = after.boxes[row].toggle;
  FUZZ_CHECK(ticked != before.boxes[row].toggle || !edits(o), std::string(o.id));
  std::string base = before.workingBase, call = before.workingCall;
  std::string& record = o.record == RecordKind::Call ? call : base;
  const int value = edits(o) ? byteValueAt(record, o.position - 1) : -1;
  if (value >= 0 && o.effect == OptionEffect::WholeByte)
    record.replace(o.position - 1, 2, ticked ? o.tickedByte : o.clearedByte);
  if (value >= 0 && o.effect == OptionEffect::Bits) {
    const int mask = o.writeMask();
    const bool set = (ticked ? o.tickedWrites : o.clearedWrites) == 1;
    record.replace(o.position - 1, 2, hex2(set ? value | mask : value & ~mask));
  }
  FUZZ_CHECK(after.workingBase == base && after.workingCall == call, std::string(o.id) + " " + record);
  FUZZ_CHECK(after.recordSlots[0] == after.workingBase &&
                 (!groupDef(o.group()).refreshCall || after.recordSlots[1] == after.workingCall),
             "no refresh after a click");
}

// After a readback a working copy differs from `was` only inside option bytes that were readable
// and still are.
inline void checkOptionBytesOnly(RecordKind kind, const std::string& was, const std::string& now) {
  FUZZ_CHECK(now.size() == was.size(), std::string(recordName(kind)));
  for (std::size_t i = 0; i < now.size(); ++i) {
    const std::size_t at = i - i % 2;
    bool option = false;
    for (const OptionDef& o : optionCatalog())
      option |= edits(o) && o.record == kind && o.position - 1 == at;
    FUZZ_CHECK(now[i] == was[i] || (option && byteValueAt(was, at) >= 0 && byteValueAt(now, at) >= 0),
               std::string(recordName(kind)) + " at " + std::to_string(i + 1));
  }
}

// An editor after start-up; the file actions check what they promise.
struct Session {
  FakeView view;
  Editor editor{view};
  Session() { editor.start(); }
  const EditorState& state() const { return editor.state(); }
  std::size_t shown() const { return view.messages.size() + std::size_t(view.dialogShown); }
  FileOutcome open(const std::string& p) {
    view.fileAnswer = p;
    return editor.openWithDialog();
  }

  // The readback that followed `was`: only option bytes change; slot 2, the personal label and
  // the dialog are left alone (the GPRS blocks are gated) and nothing shows.
  void checkReadback(const EditorState& was, std::size_t messages) const {
    const EditorState& s = state();
    FUZZ_CHECK(shown() == messages && s.labelDialogOpen == was.labelDialogOpen &&
                   s.recordSlots[2] == was.recordSlots[2] &&
                   s.personalLabel == was.personalLabel,
               "a GPRS block ran in the readback");
    checkOptionBytesOnly(RecordKind::Base, was.workingBase, s.workingBase);
    checkOptionBytesOnly(RecordKind::Call, was.workingCall, s.workingCall);
  }

  // A readable file (`content`, written to a scratch file unless `path` holds it): its lines
  // fill the slots they reach and are remembered, then the readback.
  void loadChecked(std::string_view content, std::string path = {}) {
    if (path.empty()) path = writeScratch("input.hs", content);
    EditorState loaded = state();
    const auto lines = fileLines(content);
    for (std::size_t slot = 0; slot < 3 && slot < lines.size(); ++slot)
      loaded.recordSlots[slot] = lines[slot];
    if (lines.size() > 0) loaded.workingBase = lines[0];
    if (lines.size() > 1) loaded.workingCall = lines[1];
    const std::size_t messages = shown();
    FUZZ_CHECK(open(path) == FileOutcome::Done, "a readable file was refused");
    FUZZ_CHECK(state().baseline == loaded.recordSlots && state().fileName == path,
               "the file's lines are not remembered");
    checkReadback(loaded, messages);
    checkBetweenActions(state());
  }

  // A refused file: one "Errore File" message naming it, the path in the status bar, nothing else
  // changed.
  void refusedChecked(const std::string& path) {
    const EditorState before = state();
    const std::size_t messages = view.messages.size();
    FUZZ_CHECK(open(path) == FileOutcome::Failed && view.messages.size() == messages + 1,
               "refused: " + path);
    const auto& [prompt, title] = view.messages.back();
    FUZZ_CHECK(title == kFileErrorTitle && prompt.starts_with("Impossibile aprire il file") &&
                   prompt.find(path) != std::string::npos && state().statusText == "File: " + path,
               prompt);
    FUZZ_CHECK(sameState(before, state()), "a refused file changed the editor: " + path);
  }

  // A save into the scratch folder: every non-empty slot and CR LF, nothing else changes but the
  // file remembered. Returns what was written.
  std::string saveChecked() {
    EditorState expected = state();
    const std::string path = expected.fileName = scratchPath("saved.hs");
    expected.baseline = expected.recordSlots;
    const std::size_t messages = shown();
    view.fileAnswer = path;
    FUZZ_CHECK(editor.saveWithDialog() == FileOutcome::Done && shown() == messages,
               "a save failed");
    FUZZ_CHECK(sameState(expected, state()), "a save changed the editor");
    std::string records;
    for (const auto& slot : expected.recordSlots)
      if (!slot.empty()) records += slot + "\r\n";
    const std::string written = readWhole(path);
    FUZZ_CHECK(written == records, "the saved file does not hold the slots");
    return written;
  }
};

}  // namespace flex::fuzz
