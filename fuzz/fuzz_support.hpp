// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the fuzz targets share: an editor session in a scratch folder, and the oracles that judge
// the editor by plain arithmetic on the option table, not by the code that applies it.
#include <unistd.h>

#include <algorithm>
#include <cstdio>

#include "fake_view.hpp"
#include "flex/builtin_records.hpp"
#include "flex/flex_file.hpp"
#include "flex/label_encoding.hpp"
#include "options/option_rules.hpp"
#include "text/ansi.hpp"

// A broken invariant stops the run, so libFuzzer keeps the input.
#define FUZZ_CHECK(cond, detail)                                                          \
  ((cond) ? void()                                                                        \
          : (std::fprintf(stderr, "\n*** %s:%d: %s\n    %s\n", __FILE__, __LINE__, #cond, \
                          std::string(detail).c_str()),                                   \
             std::abort()))

namespace flex::fuzz {

using flextest::hex2;

// The personal label record after OK: character k of the upper-cased text as the two digits of
// its code at 43 + 4k (from 1), for k up to 12 and while the cell fits.
inline std::string expectedLabel(std::string record, std::string_view text) {
  const std::string upper = ansi::toUpper(text);
  for (std::size_t k = 1; k <= 12 && k <= upper.size() && 44 + 4 * k <= record.size(); ++k)
    record.replace(42 + 4 * k, 2, hex2(static_cast<unsigned char>(upper[k - 1])));
  return record;
}

// One folder per process, in memory when /dev/shm is there.
inline const flextest::ScratchFolder& scratch() {
  static const flextest::ScratchFolder folder(::access("/dev/shm", W_OK) ? "/tmp" : "/dev/shm");
  return folder;
}

// Everything an editor keeps and shows at one moment.
struct Snapshot {
  Document document;
  FormState form;
};
inline Snapshot snapshot(const Editor& editor) { return {editor.document(), editor.form()}; }

// The editor holds `was` now.
inline bool sameState(const Snapshot& was, const Editor& now) {
  return was.document == now.document() && was.form == now.form();
}

// True between any two actions.
inline void checkBetweenActions(const Editor& editor) {
  const Document& d = editor.document();
  FUZZ_CHECK(d.boxes.size() == editor.options().size(), "a box for each option");
  for (std::size_t row = 0; row < d.boxes.size(); ++row)
    FUZZ_CHECK(d.boxes[row].toggle == (d.boxes[row].state == 1) && d.boxes[row].state <= 1,
               std::string(editor.options()[row].id));
  for (std::size_t slot = 0; slot < 3; ++slot)
    FUZZ_CHECK(editor.form().formatted[slot] == formattedView(d.records[slot]),
               "formatted box lags");
}

// After a click on `row` the Base and Call working copies are what they were but for the option's
// own byte, when readable, which holds what the masks make of it. One comparison of the whole
// copies: length, header, trailing word and "only 0-9 A-F written" follow from it. (Which
// previews a click refreshes is the core tests' concern.)
inline void checkClick(const OptionDef& o, std::size_t row, const Document& before,
                       const Document& after) {
  const bool ticked = after.boxes[row].toggle;
  FUZZ_CHECK(ticked != before.boxes[row].toggle || o.isLabelOption(), std::string(o.id));
  std::string base = before.workingBase, call = before.workingCall;
  std::string& record = o.record == RecordKind::Call ? call : base;
  const int value = o.isLabelOption() ? -1 : readByte(record, o.position);
  if (value >= 0 && o.effect == OptionEffect::WholeByte)
    record.replace(o.position - 1, 2, ticked ? o.tickedByte : o.clearedByte);
  if (value >= 0 && o.effect == OptionEffect::Bits) {
    const bool set = (ticked ? o.tickedWrites : o.clearedWrites) == 1;
    record.replace(o.position - 1, 2, hex2(set ? value | o.writeMask() : value & ~o.writeMask()));
  }
  FUZZ_CHECK(after.workingBase == base && after.workingCall == call, std::string(o.id));
}

// After a readback a working copy differs from `was` only inside option bytes that were readable.
inline void checkOptionBytesOnly(std::span<const OptionDef> options, RecordKind kind,
                                 const std::string& was, const std::string& now) {
  FUZZ_CHECK(now.size() == was.size(), std::string(recordName(kind)));
  for (std::size_t i = 0; i < now.size(); ++i)
    FUZZ_CHECK(now[i] == was[i] || std::ranges::any_of(options,
                                                       [&](const OptionDef& o) {
                                                         return !o.isLabelOption() &&
                                                                o.record == kind &&
                                                                o.byteOffset() == i / 2 &&
                                                                readByte(was, o.position) >= 0;
                                                       }),
               std::string(recordName(kind)) + " at " + std::to_string(i + 1));
}

// An editor after start-up; the file actions check what they promise.
struct Session : flextest::StartedEditor {
  using StartedEditor::StartedEditor;
  std::size_t shown() const { return view.messages.size() + std::size_t(view.dialogShown); }

  // The readback that followed `was`: only option bytes change; slot 2, the personal label and
  // the dialog are left alone (the GPRS blocks are gated) and nothing shows.
  void checkReadback(const Snapshot& was, std::size_t messages) const {
    const Document& d = doc();
    FUZZ_CHECK(shown() == messages && form().labelDialogOpen == was.form.labelDialogOpen &&
                   d.records[2] == was.document.records[2] &&
                   d.personalLabel == was.document.personalLabel,
               "a GPRS block ran in the readback");
    const auto options = editor.options().rows();
    checkOptionBytesOnly(options, RecordKind::Base, was.document.workingBase, d.workingBase);
    checkOptionBytesOnly(options, RecordKind::Call, was.document.workingCall, d.workingCall);
  }

  // A file holding `content`: its lines fill the slots they reach and are remembered, then the
  // readback (the line rules are the core tests').
  void loadChecked(std::string_view content) {
    const std::string path = scratch().write("input.hs", content);
    Snapshot loaded = snapshot(editor);
    Document& d = loaded.document;
    const std::size_t lines = placeFileLines(d.records, splitFlexLines(content));
    if (lines > 0) d.workingBase = d.records[0];
    if (lines > 1) d.workingCall = d.records[1];
    const std::size_t messages = shown();
    FUZZ_CHECK(editor.openFile(path) == FileOutcome::Done, "a readable file was refused");
    FUZZ_CHECK(doc().baseline == d.records && doc().fileName == path,
               "the file's lines are not remembered");
    checkReadback(loaded, messages);
    checkBetweenActions(editor);
  }

  // A save: the slots as lines (the line rules are the core tests'); nothing else changes but the
  // file remembered. Returns what was written.
  std::string saveChecked() {
    Snapshot expected = snapshot(editor);
    Document& d = expected.document;
    d.fileName = scratch().path("saved.hs");
    d.baseline = d.records;
    const std::size_t messages = shown();
    FUZZ_CHECK(editor.saveFile(d.fileName) == FileOutcome::Done && shown() == messages, "save");
    d.disk = doc().disk;  // what the disk holds now: the core tests check it
    FUZZ_CHECK(sameState(expected, editor), "a save changed the editor");
    const std::string written = scratch().read("saved.hs");
    FUZZ_CHECK(written == joinFlexLines({d.records.begin(), d.records.end()}),
               "the saved file does not hold the slots");
    return written;
  }
};

}  // namespace flex::fuzz
