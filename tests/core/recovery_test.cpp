// SPDX-License-Identifier: GPL-3.0-or-later
// Recovery copies: every byte kept; damaged, foreign and unreadable files told apart and never
// taken; a copy whose window runs never an orphan; the editor's restore.
#include <gtest/gtest.h>

#include "session/message_catalog.hpp"
#include "session/recovery_writer.hpp"
#include "test_support.hpp"

namespace {

using flex::RecoveryCopy;
using Kind = flex::RecoveryProblem::Kind;

RecoveryCopy oddCopy() {  // a name that is not UTF-8, line ends and blanks inside texts
  RecoveryCopy copy{{}, -5};
  copy.document.records = {"00 11\r\n", "", std::string(3000, 'A')};
  copy.document.personalLabel = "\n";
  copy.document.fileName = "/a \xff\n.hs";
  copy.document.baseline[2] = "end 0\n";
  copy.document.boxes[0] = {1, false};
  copy.document.boxes[32] = {0, true};
  copy.document.disk = {true, 1, 2, 3, 0xffffffffffffffff};
  return copy;
}

// oddCopy() with `from` changed to `to`, and a checksum that fits again.
std::string edited(const std::string& from, const std::string& to) {
  std::string bytes = flex::encodeRecoveryCopy(oddCopy());
  bytes.erase(bytes.rfind("end ")).replace(bytes.find(from), from.size(), to);
  std::uint64_t hash = 0xcbf29ce484222325u;
  for (const char c : bytes) hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001b3u;
  char end[32];
  std::snprintf(end, sizeof end, "end %016llx\n", static_cast<unsigned long long>(hash));
  return bytes + end;
}

TEST(RecoveryCopy, KeepsEveryByteAndTellsDamageFromForeignFiles) {
  const std::string good = flex::encodeRecoveryCopy(oddCopy());
  EXPECT_EQ(flex::decodeRecoveryCopy(good).copy, oddCopy());
  EXPECT_FALSE(flex::decodeRecoveryCopy(good).problem);
  std::string flipped = good;
  flipped[good.find("AAA")] = 'B';
  const std::pair<std::string, Kind> bad[] = {
      {"", Kind::Foreign},
      {"0042\r\n", Kind::Foreign},
      {"FLEXEDIT RECOVERY 2\n" + good.substr(20), Kind::Foreign},  // a later format
      {good.substr(0, good.size() - 1), Kind::Damaged},            // cut short
      {good.substr(0, 30), Kind::Damaged},
      {flipped, Kind::Damaged},
      {edited("FlexCall 0", "FlexCall 9"), Kind::Damaged},  // a length past its text
      {edited("Check1(0)", "Check9(0)"), Kind::Damaged},    // an option no one knows
      {edited("Check1(1)", "Check1(0)"), Kind::Damaged},    // one option twice
      {edited("Check1(0) 1", "Check1(0) 2"), Kind::Damaged},
      {edited("Check5(13) 0 1\n", "Check5(13) 0 1\n\n"), Kind::Damaged},  // more after
      {edited("time -5", "time x"), Kind::Damaged}};
  for (const auto& [bytes, kind] : bad) {
    const auto read = flex::decodeRecoveryCopy(bytes);
    EXPECT_EQ(read.problem, flex::RecoveryProblem{kind}) << bytes.substr(0, 40);
    EXPECT_EQ(read.copy, RecoveryCopy{}) << bytes.substr(0, 40);
  }
  EXPECT_EQ(flex::decodeRecoveryCopy(edited("boxes 33", "boxes 0")).copy.document.boxes,
            flex::OptionBoxes(flex::kOptionCount));  // a list shorter than the catalogue
}

class RecoveryFolder : public ::testing::Test, protected flextest::ScratchFolder {
 protected:
  std::string dir = path("state/flexedit/recovery");
  flex::RecoveryFolder folder{dir};
};

// Written under its window's lock, made for the user only; never an orphan while its window
// runs, nor while another window offers it; adopted by the window that restores it.
TEST_F(RecoveryFolder, OrphansAreCopiesNoWindowHolds) {
  RecoveryCopy copy = oddCopy();
  copy.document.fileName = write("mio.hs", "");
  std::string id;
  {
    flex::RecoveryWriter writer(folder);
    writer.keep(copy);
    writer.flush();
    id = writer.id();
    EXPECT_EQ(std::filesystem::status(dir).permissions(), std::filesystem::perms::owner_all);
    EXPECT_FALSE(folder.lock(id).held());
    EXPECT_TRUE(folder.heldElsewhere(path("state/../mio.hs"), "other"));
    EXPECT_FALSE(folder.heldElsewhere(copy.document.fileName, id));  // its own
  }
  EXPECT_FALSE(folder.heldElsewhere(copy.document.fileName, "other"));
  flex::RecoveryLock offered = folder.lock(id);
  EXPECT_TRUE(offered.held() && !folder.lock(id).held());
  EXPECT_EQ(folder.read(id).copy, copy);

  flex::RecoveryWriter restoring(folder);
  restoring.keep(oddCopy());
  restoring.adopt(std::move(offered));  // its own copy goes
  restoring.keep(oddCopy());
  restoring.flush();
  EXPECT_EQ(folder.ids(), std::vector{id});
  EXPECT_EQ(folder.read(id).copy, oddCopy());
  restoring.drop();
  restoring.flush();
  EXPECT_TRUE(std::filesystem::is_empty(dir));
}

TEST_F(RecoveryFolder, UnreadableCopiesAreToldWhyAndKept) {
  std::filesystem::create_directories(folder.copyPath("dir"));
  EXPECT_EQ(flex::recoveryProblemText(*folder.read("dir").problem),
            "non si può leggere: è una cartella");
  flex::FileContext denied;
  denied.calls.openat = [](int, const char*, int, mode_t) { return errno = EACCES, -1; };
  const flex::RecoveryFolder locked(dir, denied);
  EXPECT_EQ(locked.read("dir").problem->error.err, EACCES);
  int err = 0;
  EXPECT_TRUE(!locked.newLock(err).held() && err == EACCES);
  EXPECT_EQ(folder.ids(), std::vector<std::string>{"dir"});
}

// Restored: the copy's state, modified, nothing to undo. While the label dialog is open, the
// last whole step is the state from before the click that opened it.
using Restore = flextest::EditorTest;
TEST_F(Restore, ShowsTheCopyAndTellsTheLastWholeStep) {
  click("Check1(0)");
  flex::Document copy = doc();
  click("Check1(0)");
  const flex::Document before = doc();
  click("Check1(5)");
  EXPECT_EQ(editor.lastStep(), before);
  editor.setLabelText("x");  // unsaved work, asked about as an open asks: the person stays
  view.unsavedAnswer = flex::UnsavedAnswer::Cancel;
  EXPECT_FALSE(editor.restore(copy));
  view.unsavedAnswer = flex::UnsavedAnswer::Discard;
  copy.fileName = "/a/b.hs";
  EXPECT_TRUE(editor.restore(copy));
  EXPECT_FALSE(form().labelDialogOpen);
  EXPECT_EQ(doc(), copy);
  EXPECT_EQ(form().formatted[0], flex::formattedView(copy.records[0]));
  EXPECT_EQ(editor.statusText(), "File: /a/b.hs");
  EXPECT_TRUE(editor.modified() && !editor.canUndo());
}

}  // namespace
