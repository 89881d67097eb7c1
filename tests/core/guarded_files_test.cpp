// SPDX-License-Identifier: GPL-3.0-or-later
// What keeps work from being lost around the file actions: the look at the disk before a save
// replaces a file that another program changed, and the question before another flex takes the
// place of one with unsaved work.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "flex/label_encoding.hpp"
#include "test_support.hpp"

namespace {

namespace fs = std::filesystem;
using flex::DiskChange;
using flex::FileOutcome;
using flex::OverwriteAnswer;
using flex::UnsavedAnswer;
using flextest::kBuiltIn;
using Guarded = flextest::EditorTest;
using namespace std::chrono_literals;

// After in.hs was loaded, another program does this to it. The bytes decide: a new time or
// inode with the same bytes loses nothing. A save over a changed file asks; refused or
// cancelled, it writes nothing and leaves the status bar.
TEST_F(Guarded, ASaveOverAFileChangedOnDiskAsksFirst) {
  const std::string original = flextest::hsFile({kBuiltIn[0], kBuiltIn[1], kBuiltIn[2]});
  const std::string changed = flextest::hsFile({base(181, "B7"), kBuiltIn[1], kBuiltIn[2]});
  const auto sameTime = [this](const std::function<void()>& change) {
    const auto time = fs::last_write_time(path("in.hs"));
    change();
    fs::last_write_time(path("in.hs"), time);
  };
  const auto renamedOver = [this](const std::string& bytes) {
    fs::rename(write("new.hs", bytes), path("in.hs"));
  };
  const std::tuple<const char*, std::function<void()>, DiskChange> cases[] = {
      {"nothing", [] {}, DiskChange::None},
      {"bytes", [&] { sameTime([&] { write("in.hs", changed); }); }, DiskChange::Changed},
      {"size", [&] { sameTime([&] { write("in.hs", original + "\r\n"); }); }, DiskChange::Changed},
      {"time", [&] { fs::last_write_time(path("in.hs"), fs::file_time_type::clock::now() + 9s); },
       DiskChange::None},
      {"inode", [&] { sameTime([&] { renamedOver(original); }); }, DiskChange::None},
      {"inode and bytes", [&] { renamedOver(changed); }, DiskChange::Changed},
      {"gone", [&] { fs::rename(path("in.hs"), path("moved.hs")); }, DiskChange::Gone},
  };
  for (const auto& [what, act, change] : cases) {
    SCOPED_TRACE(what);
    EXPECT_EQ(load(original), FileOutcome::Done);
    click("Check1(0)");
    act();
    const std::string onDisk = fs::exists(path("in.hs")) ? read("in.hs") : "none";
    view.messages.clear();
    view.overwriteAsked.clear();
    EXPECT_EQ(editor.diskChange(), change);
    const bool asks = change != DiskChange::None;
    EXPECT_EQ(save("in.hs"), asks ? FileOutcome::Failed : FileOutcome::Done);
    EXPECT_EQ(view.overwriteAsked, std::vector(asks ? 1 : 0, change));
    if (!asks) continue;
    EXPECT_EQ(fs::exists(path("in.hs")) ? read("in.hs") : "none", onDisk);
    EXPECT_TRUE(editor.modified() && editor.statusText() == "File: " + path("in.hs"));
    const auto why = change == DiskChange::Gone ? flex::FileReason::GoneFromDisk
                                                : flex::FileReason::ChangedOnDisk;
    EXPECT_EQ(view.messages.at(0).error, (flex::FileError{flex::FileStep::Check, why, 0, {}}));
  }
  // Another file asks nothing; another name for the same one does; "Annulla", "Sovrascrivi".
  EXPECT_EQ(save("other.hs"), FileOutcome::Done);
  write("other.hs", original);  // the same size
  view.overwriteAnswer = OverwriteAnswer::Cancel;
  EXPECT_EQ(editor.saveFile(folder + "/./other.hs"), FileOutcome::Cancelled);
  view.overwriteAnswer = OverwriteAnswer::Overwrite;
  EXPECT_EQ(editor.saveFile(folder + "/./other.hs"), FileOutcome::Done);
  EXPECT_EQ(view.overwriteAsked.size(), 3u);
  EXPECT_EQ(
      std::pair(read("other.hs"), editor.diskChange()),
      std::pair(flextest::hsFile({base(181, "B7"), kBuiltIn[1], kBuiltIn[2]}), DiskChange::None));
}

// Before "Apri Flex" or "Carica Flex Interna" replaces a flex with unsaved work (the records
// changed, or a label typed in the open dialog and not confirmed), the view is asked. Script:
// m modifies the records, l opens the label dialog and types "AB", e opens it and leaves it empty.
// Each case starts from the built-in flex, of no file, so "Salva" asks for a name: its dialog
// chooses out.hs (saveChosen) or is cancelled.
TEST_F(Guarded, AnotherFlexAsksFirstWhenWorkIsNotSaved) {
  const std::string other = base(45, "D3");
  const std::tuple<char, UnsavedAnswer, bool, bool, bool, bool> cases[] = {
      {' ', UnsavedAnswer::Cancel, false, false, true, false},
      {'e', UnsavedAnswer::Cancel, false, false, true, true},
      {'m', UnsavedAnswer::Cancel, false, true, false, false},
      {'m', UnsavedAnswer::Discard, false, true, true, false},
      {'m', UnsavedAnswer::Save, true, true, true, false},
      {'m', UnsavedAnswer::Save, false, true, false, false},
      {'l', UnsavedAnswer::Cancel, false, true, false, true},
      {'l', UnsavedAnswer::Discard, false, true, true, false},
      {'l', UnsavedAnswer::Save, true, true, true, false},
      {'l', UnsavedAnswer::NotAsked, false, true, true, true},
  };
  for (const bool builtinFlex : {false, true})
    for (const auto& [script, answer, saveChosen, asked, replaced, dialogOpen] : cases) {
      SCOPED_TRACE(std::string(1, script) + std::to_string(int(answer)) + (builtinFlex ? "B" : ""));
      flex::Editor fresh{view};
      fresh.start();
      fs::remove(path("out.hs"));
      if (script != ' ')
        fresh.clickOption(flextest::row(script == 'm' ? "Check1(0)" : "Check1(5)"));
      if (script == 'l') fresh.setLabelText("AB");
      const auto before = std::pair(fresh.document().records, fresh.form());
      const std::string label = flex::encodeLabel(fresh.document().personalLabel, "AB");
      view.unsavedAsked = 0;
      view.unsavedAnswer = answer;
      view.fileAnswer = saveChosen ? path("out.hs") : "";
      write("in.hs", flextest::hsFile({other}));
      FileOutcome outcome = FileOutcome::Done;
      if (builtinFlex)
        fresh.loadBuiltinFlex();
      else
        outcome = fresh.openFile(path("in.hs"));
      EXPECT_EQ(view.unsavedAsked, asked ? 1 : 0);
      EXPECT_EQ(fresh.form().labelDialogOpen, dialogOpen);
      EXPECT_EQ(fs::exists(path("out.hs")), saveChosen);
      EXPECT_TRUE(builtinFlex ||
                  outcome == (replaced ? FileOutcome::Done : FileOutcome::Cancelled));
      if (replaced) {
        EXPECT_EQ(fresh.document().records[0], builtinFlex ? kBuiltIn[0] : other);
      } else {
        EXPECT_EQ(std::pair(fresh.document().records, fresh.form()), before);  // nothing changed
      }
      if (script == 'l' && saveChosen) {  // the label confirmed first, then saved
        EXPECT_EQ(read("out.hs").substr(306), label + "\r\n");
      }
    }
  // With a file in hand, the answer "Salva" writes it in place and shows no dialog.
  view.unsavedAnswer = UnsavedAnswer::Save;
  ASSERT_EQ(load(flextest::hsFile({kBuiltIn[0], kBuiltIn[1], kBuiltIn[2]})), FileOutcome::Done);
  click("Check1(0)");
  const auto clicked = doc().records;
  view.fileAnswer = path("out.hs");
  editor.loadBuiltinFlex();
  EXPECT_EQ(read("in.hs"), flextest::hsFile({clicked[0], clicked[1], clicked[2]}));
  EXPECT_EQ(view.fileAnswer, path("out.hs"));
  // "Apri Flex" asks before its dialog: staying shows none.
  click("Check1(2)");
  view.unsavedAnswer = UnsavedAnswer::Cancel;
  view.fileAnswer = path("in.hs");
  EXPECT_EQ(editor.openWithDialog(), FileOutcome::Cancelled);
  EXPECT_EQ(view.fileAnswer, path("in.hs"));
}

}  // namespace
