// ".hs" files through the editor: line rules, loading and saving. Files that cannot be read or
// written are in the bad-input tests.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "flex/builtin_records.hpp"
#include "test_support.hpp"

namespace {

namespace builtin = flex::builtin;
using flex::FileOutcome;
using flextest::kBuiltIn;
using Files = flextest::EditorTest;
using Lines = std::vector<std::string>;

const std::string kBuiltInFile = flextest::hsFile({kBuiltIn[0], kBuiltIn[1], kBuiltIn[2]});

TEST_F(Files, LinesFillTheSlotsFromSlotZero) {
  // A CR ends a line and takes a directly following LF with it; a lone LF stays in the line.
  struct Case { const char* content; flextest::Records recordSlots; };
  const Case cases[] = {
      {"", kBuiltIn}, {"B1\r\n", {"B1", kBuiltIn[1], kBuiltIn[2]}},
      {"B2\rC2", {"B2", "C2", kBuiltIn[2]}},  // the last line needs no line end
      {"B3\r\nC3\r\nG3\r\nFOURTH\r\n\r\n", {"B3", "C3", "G3"}},  // lines after the third: ignored
      {"\r\nc4 d\r\n", {"", "c4 d", "G3"}},  // an empty line, lower case and blanks: as they are
      {"B5\nC5\n", {"B5\nC5\n", "c4 d", "G3"}},
      {"B6\n\rC6\r\r\nG6", {"B6\n", "C6", ""}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(load(c.content), FileOutcome::Done);
    EXPECT_EQ(st().recordSlots, c.recordSlots) << c.content;
    EXPECT_EQ(st().workingBase + st().workingCall, c.recordSlots[0] + c.recordSlots[1]) << c.content;
    EXPECT_FALSE(editor.modified()) << c.content;  // the loaded records are the new baseline
  }
  EXPECT_EQ(st().gprsLabel, builtin::kGprs);
  EXPECT_EQ(st().statusText, "File: " + path("in.hs"));
  EXPECT_TRUE(view.messages.empty());
}

// Each non-empty slot as one line with CR LF, whatever the formatting switch shows; the file is
// replaced without a prompt. The built-in flex makes 376 bytes.
TEST_F(Files, SavingWritesEachNonEmptySlotAsALine) {
  editor.toggleFormatting();
  struct Step { std::size_t emptied; std::string expected; };
  const Step steps[] = {{3, kBuiltInFile}, {1, flextest::hsFile({kBuiltIn[0], kBuiltIn[2]})},
                        {2, kBuiltIn[0] + "\r\n"}, {0, ""}};
  for (const auto& s : steps) {
    editor.editRaw(s.emptied, "");
    EXPECT_EQ(save("out.hs"), FileOutcome::Done);
    EXPECT_EQ(read("out.hs"), s.expected);
  }
  EXPECT_EQ(kBuiltInFile.size(), 376u);
  EXPECT_EQ(entries(), Lines{"out.hs"});
  EXPECT_TRUE(view.messages.empty());
  EXPECT_EQ(st().statusText, "File: " + path("out.hs"));
  EXPECT_EQ(editor.saveWithDialog(), FileOutcome::Cancelled);  // nothing chosen
  EXPECT_EQ(st().statusText, "File: ");
}

TEST_F(Files, ASavedFlexLoadsBack) {
  save("out.hs");
  click("Check1(0)");
  click("Check1(3)");
  EXPECT_TRUE(editor.modified());
  load(read("out.hs"));
  EXPECT_EQ(st().recordSlots, kBuiltIn);
  EXPECT_EQ(st().workingBase, builtin::kBase);
  EXPECT_EQ(ticked(), flextest::kBuiltInTicks);
  EXPECT_FALSE(editor.modified());
}

// Loads that change no slot, an empty file or a cancelled dialog, still run the readback. Files
// that cannot be read, and one of exactly 1 MiB, are in the bad-input tests.
TEST_F(Files, LoadsThatChangeNoSlotStillRunTheReadback) {
  const std::string edited = base(179, "F5");  // a readback ticks Java Loader and writes workingBase
  for (const std::string& answer : {write("empty.hs", ""), std::string()}) {
    SCOPED_TRACE(answer);
    editor.loadBuiltinFlex();
    editor.editRaw(0, edited);
    view.fileAnswer = answer;
    EXPECT_EQ(editor.openWithDialog(), answer.empty() ? FileOutcome::Cancelled : FileOutcome::Done);
    EXPECT_EQ(value("Check2(1)"), 1);
    EXPECT_EQ(st().workingBase, edited);
    EXPECT_EQ(st().recordSlots, (flextest::Records{edited, kBuiltIn[1], kBuiltIn[2]}));
    EXPECT_EQ(st().statusText, "File: " + answer);
  }
  EXPECT_TRUE(view.messages.empty());
}

// A replaced file keeps its permission bits, and a name of the longest length can be replaced.
TEST_F(Files, AReplacedFileKeepsItsModeAndItsName) {
  const std::string name = std::string(252, 'n') + ".hs";
  ASSERT_EQ(::chmod(write(name, "OLD\r\n").c_str(), 0640), 0);
  EXPECT_EQ(save(name), FileOutcome::Done);
  struct stat info {};
  ASSERT_EQ(::stat(path(name).c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0640u);
  EXPECT_EQ(read(name), kBuiltInFile);
  EXPECT_EQ(entries(), Lines{name});
}

}  // namespace
