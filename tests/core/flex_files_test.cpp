// SPDX-License-Identifier: GPL-3.0-or-later
// ".hs" files through the editor: line rules, loading and saving. Files that cannot be read or
// written, and what a save does to the file system, are in the robustness tests.
#include <gtest/gtest.h>

#include <tuple>

#include "flex/builtin_records.hpp"
#include "flex/flex_file.hpp"
#include "test_support.hpp"

namespace {

namespace builtin = flex::builtin;
using flex::FileOutcome;
using flextest::kBuiltIn;
using Files = flextest::EditorTest;
using flextest::hsFile;

std::string lower(std::string s) {
  for (char& c : s) c = c >= 'A' && c <= 'F' ? static_cast<char>(c + 32) : c;
  return s;
}

const std::string kBuiltInFile = hsFile({kBuiltIn[0], kBuiltIn[1], kBuiltIn[2]});

// A CR ends a line and takes a directly following LF with it; a lone LF stays in the line. Lines
// fill the slots from slot 0, the others keep their records; what a line holds is taken in byte
// for byte. Slot 2 holds the empty label record before each load, which the readback reads as
// "GPRS Null" ticked: this shows that the readback ran, also after an empty file.
TEST_F(Files, LinesFillTheSlotsFromSlotZeroByteForByte) {
  const std::string call(builtin::kCall), null(builtin::kGprsNull), low = lower(kBuiltIn[0]);
  std::string nul = kBuiltIn[0], undefined = nul, spaced;
  nul[10] = nul[180] = '\0';                          // 180: inside the "Menu Engineering" byte
  undefined.replace(180, 5, "\x81\x8D\x8F\x90\x9D");  // undefined in Windows-1252
  for (std::size_t i = 0; i < low.size(); i += 2) spaced += (i ? " " : "") + low.substr(i, 2);
  const std::string utf8 = "Citt\xC3\xA0 \xE2\x82\xAC 3G";
  const std::string mib = low + std::string(flex::kMaxFileSize - low.size(), '0');
  const std::pair<std::string, flextest::Records> cases[] = {
      {"", {kBuiltIn[0], call, null}},
      {"B1\r\n", {"B1", call, null}},
      {"B2\rC2", {"B2", "C2", null}},                            // the last line needs no line end
      {"B3\r\nC3\r\nG3\r\nFOURTH\r\n\r\n", {"B3", "C3", "G3"}},  // after the third: ignored
      {"\r\nc4 d\r\n", {"", "c4 d", null}},
      {"B5\nC5\n", {"B5\nC5\n", call, null}},
      {"B6\n\rC6\r\r\nG6", {"B6\n", "C6", ""}},
      {mib, {mib, call, null}},  // 1 MiB: the most
      {hsFile({nul, std::string(4, '\0')}), {nul, std::string(4, '\0'), null}},
      {hsFile({undefined, call, utf8}), {undefined, call, utf8}},  // "Città € 3G" in UTF-8
      {hsFile({spaced, lower(call), lower(kBuiltIn[2])}),
       {spaced, lower(call), lower(kBuiltIn[2])}}};
  for (const auto& [content, slots] : cases) {
    SCOPED_TRACE(content.substr(0, 40));
    editor.loadBuiltinFlex();
    editor.editRaw(2, null);
    EXPECT_EQ(load(content), FileOutcome::Done);
    EXPECT_EQ(doc().baseline, slots) << "as loaded";
    EXPECT_EQ(doc().records, slots) << "after the readback";
    EXPECT_EQ(doc().workingBase + doc().workingCall, slots[0] + slots[1]);
    EXPECT_EQ(value("Check1(3)"), slots[2] == null);
  }
  editor.editRaw(2, null);
  EXPECT_EQ(editor.openWithDialog(), FileOutcome::Cancelled);  // the readback runs all the same
  EXPECT_EQ(value("Check1(3)"), 1);
  EXPECT_EQ(editor.statusText(), "File: " + path("in.hs"));  // the file the flex belongs to
  EXPECT_TRUE(view.messages.empty());
}

// Each non-empty slot as one line with CR LF, whatever the view shows; no prompt to replace a file.
TEST_F(Files, SavingWritesEachNonEmptySlotAsALine) {
  editor.toggleFormatting();
  // The slot emptied (3: none); the file saved then.
  const std::pair<std::size_t, std::string> steps[] = {{3, kBuiltInFile},
                                                       {1, hsFile({kBuiltIn[0], kBuiltIn[2]})},
                                                       {2, kBuiltIn[0] + "\r\n"},
                                                       {0, ""}};
  for (const auto& [emptied, expected] : steps) {
    editor.editRaw(emptied, "");
    EXPECT_EQ(save("out.hs"), FileOutcome::Done);
    EXPECT_EQ(read("out.hs"), expected);
    if (emptied != 3) continue;
    click("Check1(0)");  // the saved flex loads back as it was
    view.fileAnswer = path("out.hs");
    EXPECT_EQ(editor.openWithDialog(), FileOutcome::Done);
    EXPECT_EQ(ticked(), flextest::kBuiltInTicks);
    EXPECT_EQ(doc().records, kBuiltIn);
  }
  EXPECT_EQ(entries(), std::vector<std::string>{"out.hs"});
  EXPECT_EQ(editor.saveWithDialog(), FileOutcome::Cancelled);  // nothing chosen
  EXPECT_EQ(editor.statusText(), "File: " + path("out.hs"));
  // A name is the file system's bytes, UTF-8 or not: taken and remembered exactly.
  const std::string latin1 = path("caf\xE9.hs");
  editor.loadBuiltinFlex();
  EXPECT_EQ(editor.saveFile(latin1), FileOutcome::Done);
  EXPECT_EQ(editor.openFile(latin1), FileOutcome::Done);
  EXPECT_EQ(std::tuple(doc().fileName, editor.statusText(), read("caf\xE9.hs")),
            std::tuple(latin1, "File: " + latin1, kBuiltInFile));
}

}  // namespace
