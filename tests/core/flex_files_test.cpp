// ".hs" files through the editor: line rules, loading, saving, and the failures reported.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include "files/flex_file.hpp"
#include "model/builtin_records.hpp"
#include "test_support.hpp"

namespace {

namespace builtin = flex::builtin;
using flex::FileOutcome;
using Files = flextest::EditorTest;

const std::string kBuiltInFile = std::string(builtin::kBase) + "\r\n" +
                                 std::string(builtin::kCall) + "\r\n" +
                                 std::string(builtin::kGprs) + "\r\n";

TEST(FlexLines, SplitRules) {
  using Lines = std::vector<std::string>;
  struct Case {
    const char* content;
    Lines lines;
  } const cases[] = {
      {"", {}},
      {"A", {"A"}},
      {"A\r\n", {"A"}},
      {"A\r", {"A"}},
      {"A\rB\r\nC", {"A", "B", "C"}},
      {"A\r\nB\r\nC\r\n", {"A", "B", "C"}},
      {"A\nB\nC\n", {"A\nB\nC\n"}},
      {"A\n\rB", {"A\n", "B"}},
      {"\r\nB\r\n", {"", "B"}},
      {"\r\n\r\n", {"", ""}},
      {"A\r\r\nB", {"A", "", "B"}},
      {"A\r\nB\r\nC\r\nD\r\n\r\n", {"A", "B", "C", "D", ""}},
  };
  for (const auto& c : cases) EXPECT_EQ(flex::splitFlexLines(c.content), c.lines) << c.content;
  EXPECT_EQ(flex::joinFlexLines({"A", "", "C"}), "A\r\nC\r\n");
  EXPECT_EQ(flex::joinFlexLines({"", "", ""}), "");
}

TEST_F(Files, LinesFillTheSlotsFromSlotZero) {
  EXPECT_EQ(load("BASE1\r\n"), FileOutcome::Done);
  EXPECT_EQ(st().txtpreview[0], "BASE1");
  EXPECT_EQ(st().FlexBase, "BASE1");
  EXPECT_EQ(st().txtpreview[1], builtin::kCall);
  EXPECT_EQ(st().txtpreview[2], builtin::kGprs);

  load("BASE2\r\nCALL2");  // the last line needs no line end
  EXPECT_EQ(st().txtpreview[0], "BASE2");
  EXPECT_EQ(st().txtpreview[1], "CALL2");
  EXPECT_EQ(st().FlexCall, "CALL2");
  EXPECT_EQ(st().txtpreview[2], builtin::kGprs);

  load("B3\r\nC3\r\nG3\r\nFOURTH\r\nFIFTH\r\n");  // lines after the third are ignored
  EXPECT_EQ(st().txtpreview, (std::array<std::string, 3>{"B3", "C3", "G3"}));
  EXPECT_EQ(st().FlexGprs, builtin::kGprs);

  load("\r\nC4\r\n");  // an empty first line empties slot 0
  EXPECT_EQ(st().txtpreview[0], "");
  EXPECT_EQ(st().FlexBase, "");
  EXPECT_EQ(st().txtpreview[1], "C4");

  load("B5\nC5\n");  // line feeds alone end no line
  EXPECT_EQ(st().txtpreview[0], "B5\nC5\n");
  EXPECT_EQ(st().txtpreview[1], "C4");
  EXPECT_EQ(st().statusText, "File: " + dir.path("in.hs"));
  EXPECT_TRUE(view.messages.empty());
}

TEST_F(Files, EmptyFileOrCancelChangesNoSlotButTheReadbackRuns) {
  for (int cancel = 0; cancel < 2; ++cancel) {
    editor.mnuFlexInterna_Click();
    const std::string edited = base(179, "F5");  // Java Loader ticked by the next readback
    editor.editRaw(0, edited);
    EXPECT_EQ(cancel ? editor.mnuApri_Click() : load(""),
              cancel ? FileOutcome::Cancelled : FileOutcome::Done);
    EXPECT_EQ(value("Check2(1)"), 1);
    EXPECT_EQ(st().FlexBase, edited);  // its action wrote bit 1 into FlexBase
    EXPECT_EQ(st().txtpreview[1], builtin::kCall);
  }
  EXPECT_EQ(st().statusText, "File: ");
}

TEST_F(Files, SavedBuiltInFlexIs376BytesAndLoadsBack) {
  const std::string path = dir.path("out.hs");
  view.saveNames.push_back(path);
  EXPECT_EQ(editor.mnuSalva_Click(), FileOutcome::Done);
  EXPECT_EQ(st().statusText, "File: " + path);
  const std::string saved = dir.read("out.hs");
  EXPECT_EQ(saved.size(), 376u);
  EXPECT_EQ(saved, kBuiltInFile);

  click("Check1(0)");
  click("Check1(3)");
  view.openNames.push_back(path);
  editor.mnuApri_Click();
  EXPECT_EQ(st().txtpreview[0], builtin::kBase);
  EXPECT_EQ(st().txtpreview[2], builtin::kGprs);
  EXPECT_EQ(st().FlexBase, builtin::kBase);
  EXPECT_EQ(ticked(), (std::vector<std::string>{"Check1(2)", "Check2(0)", "Check2(2)",
                                                "Check2(4)", "Check3(0)"}));

  // The formatting setting does not reach the file; saving again replaces it without a prompt.
  editor.CheckFormattazioneTesto_Click();
  view.saveNames.push_back(path);
  editor.mnuSalva_Click();
  EXPECT_EQ(dir.read("out.hs"), kBuiltInFile);
  EXPECT_TRUE(view.messages.empty());
  EXPECT_EQ(dir.entries(), std::vector<std::string>{"out.hs"});
}

TEST_F(Files, ModifiedComparesWithWhatWasLastLoadedOrSaved) {
  EXPECT_FALSE(editor.modified());
  click("Check1(0)");
  EXPECT_TRUE(editor.modified());
  view.saveNames.push_back(dir.path("a.hs"));
  editor.mnuSalva_Click();
  EXPECT_FALSE(editor.modified());
  EXPECT_EQ(st().fileName, dir.path("a.hs"));
  click("Check1(0)");
  EXPECT_TRUE(editor.modified());
  EXPECT_EQ(editor.openFile(dir.path("a.hs")), FileOutcome::Done);
  EXPECT_FALSE(editor.modified());
  EXPECT_EQ(editor.openFile(dir.path("missing.hs")), FileOutcome::Failed);
  EXPECT_EQ(st().fileName, dir.path("a.hs"));
}

TEST_F(Files, EmptySlotsWriteNoLine) {
  editor.editRaw(1, "");
  view.saveNames.push_back(dir.path("two.hs"));
  editor.mnuSalva_Click();
  EXPECT_EQ(dir.read("two.hs"),
            std::string(builtin::kBase) + "\r\n" + std::string(builtin::kGprs) + "\r\n");

  editor.editRaw(0, "typed by hand, lower case and blanks");
  editor.editRaw(2, "");
  view.saveNames.push_back(dir.path("two.hs"));
  editor.mnuSalva_Click();
  EXPECT_EQ(dir.read("two.hs"), "typed by hand, lower case and blanks\r\n");

  editor.editRaw(0, "");
  view.saveNames.push_back(dir.path("two.hs"));
  EXPECT_EQ(editor.mnuSalva_Click(), FileOutcome::Done);
  EXPECT_TRUE(flextest::fs::exists(dir.path("two.hs")));
  EXPECT_EQ(dir.read("two.hs"), "");

  EXPECT_EQ(editor.mnuSalva_Click(), FileOutcome::Cancelled);  // nothing chosen
  EXPECT_EQ(st().statusText, "File: ");
}

TEST_F(Files, AFileThatCannotBeReadIsReportedAndChangesNothing) {
  const std::string missing = dir.path("missing.hs");
  const std::string big = dir.write("big.hs", std::string(flex::kMaxFileSize + 1, 'A'));
  for (const std::string& path : {missing, big}) {
    view.messages.clear();
    const std::string edited = base(179, "F5");  // a readback would tick Java Loader
    editor.editRaw(0, edited);
    view.openNames.push_back(path);
    EXPECT_EQ(editor.mnuApri_Click(), FileOutcome::Failed);
    ASSERT_EQ(view.messages.size(), 1u) << path;
    EXPECT_EQ(view.messages[0].title, "Errore File");
    EXPECT_EQ(view.messages[0].prompt.rfind("Impossibile aprire il file", 0), 0u);
    EXPECT_NE(view.messages[0].prompt.find(path), std::string::npos);
    EXPECT_EQ(st().statusText, "File: " + path);
    EXPECT_EQ(st().txtpreview[0], edited);
    EXPECT_EQ(st().FlexBase, builtin::kBase);
    EXPECT_EQ(value("Check2(1)"), 0);  // no readback
  }
}

TEST_F(Files, AFileOfExactlyOneMebibyteIsRead) {
  load(std::string(flex::kMaxFileSize - 2, 'A') + "\r\n");
  EXPECT_EQ(st().txtpreview[0].size(), flex::kMaxFileSize - 2);
  EXPECT_TRUE(view.messages.empty());
}

TEST_F(Files, SavingIntoAMissingFolderIsReportedAndWritesNothing) {
  const std::string path = dir.path("no-such-folder/out.hs");
  view.saveNames.push_back(path);
  EXPECT_EQ(editor.mnuSalva_Click(), FileOutcome::Failed);
  ASSERT_EQ(view.messages.size(), 1u);
  EXPECT_EQ(view.messages[0].title, "Errore File");
  EXPECT_EQ(view.messages[0].prompt.rfind("Impossibile salvare il file", 0), 0u);
  EXPECT_NE(view.messages[0].prompt.find(path), std::string::npos);
  EXPECT_EQ(st().statusText, "File: " + path);
  EXPECT_TRUE(dir.entries().empty());
}

TEST_F(Files, AFailedWriteKeepsTheOldFile) {
  const std::string path = dir.write("old.hs", "OLD CONTENT\r\n");
  // Files may grow to 100 bytes only: writing the 376 bytes of the flex fails half-way.
  struct rlimit saved {};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
  struct rlimit small = saved;
  small.rlim_cur = 100;
  auto oldHandler = ::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  view.saveNames.push_back(path);
  const FileOutcome outcome = editor.mnuSalva_Click();
  ::setrlimit(RLIMIT_FSIZE, &saved);
  ::signal(SIGXFSZ, oldHandler);

  EXPECT_EQ(outcome, FileOutcome::Failed);
  EXPECT_EQ(view.messages.size(), 1u);
  EXPECT_EQ(dir.read("old.hs"), "OLD CONTENT\r\n");
  EXPECT_EQ(dir.entries(), std::vector<std::string>{"old.hs"});
}

TEST_F(Files, AFileWithTheLongestNameCanBeReplaced) {
  const std::string name = std::string(252, 'n') + ".hs";
  const std::string path = dir.write(name, "OLD\r\n");
  view.saveNames.push_back(path);
  EXPECT_EQ(editor.mnuSalva_Click(), FileOutcome::Done);
  EXPECT_TRUE(view.messages.empty());
  EXPECT_EQ(dir.read(name), kBuiltInFile);
  EXPECT_EQ(dir.entries(), std::vector<std::string>{name});
}

TEST_F(Files, AReplacedFileKeepsItsPermissionBits) {
  const std::string path = dir.write("mode.hs", "OLD\r\n");
  ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
  view.saveNames.push_back(path);
  EXPECT_EQ(editor.mnuSalva_Click(), FileOutcome::Done);
  struct stat info {};
  ASSERT_EQ(::stat(path.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0640u);
  EXPECT_EQ(dir.read("mode.hs"), kBuiltInFile);
}

}  // namespace
