// SPDX-License-Identifier: GPL-3.0-or-later
// Undo and redo: which actions make a step, and what undo and redo put back.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <sstream>
#include <tuple>

#include "session/message_catalog.hpp"
#include "test_support.hpp"

namespace {

using flextest::kBuiltIn;
using flextest::Records;

class Undo : public flextest::EditorTest {
 protected:
  // What undo restores: records, formatted boxes, working copies, personal label and boxes.
  auto tracked() const {
    return std::tuple(doc().records, form().formatted, doc().workingBase, doc().workingCall,
                      doc().personalLabel, doc().boxes);
  }
  // One action of a script: an option ID clicks it; "rawN" replaces preview N, "keyN" and "bsN"
  // type a character into it or delete its last one; "noundo" checks that nothing can be undone.
  void act(const std::string& a) {
    auto loaded = flex::FileOutcome::Cancelled;
    const auto typing = flex::Editor::RawEdit::Typing;
    const auto slot = static_cast<std::size_t>(a.back() - '0');  // of "rawN", "keyN", "bsN"
    const std::string& text = doc().records[slot % 3];
    const std::map<std::string, std::function<void()>> plain = {
        {"ok", [&] { editor.confirmLabel(); }},
        {"close", [&] { editor.closeLabelDialog(); }},
        {"blur", [&] { editor.endTyping(); }},
        {"open", [&] { loaded = load(flextest::hsFile({base(45, "D3")})); }},
        {"open!", [&] { editor.openFile(path("missing.hs")); }},
        {"cancel", [&] { editor.openFile(""); }},
        {"save", [&] { loaded = save("out.hs"); }},
        {"reset", [&] { editor.loadBuiltinFlex(); }},
        {"page2", [&] { editor.selectPage(2); }},
        {"undo", [&] { editor.undo(); }},
        {"redo", [&] { editor.redo(); }},
        {"noundo", [&] { EXPECT_FALSE(editor.canUndo() || editor.undo() || editor.redo()); }}};
    if (a.starts_with("Check"))
      click(a);
    else if (a.starts_with("type:"))
      editor.setLabelText(a.substr(5));
    else if (a.starts_with("raw"))
      editor.editRaw(slot, base(181, "17"));
    else if (a.starts_with("key"))
      editor.editRaw(slot, text + "A", typing);
    else if (a.starts_with("bs"))
      editor.editRaw(slot, text.substr(0, text.size() - 1), typing);
    else
      plain.at(a)();
    if (loaded == flex::FileOutcome::Done) saved = doc().records;
  }
  Records saved = kBuiltIn;  // the records last loaded or saved
};

// Each script runs from start-up; state k is the state after its k-th action (0: start-up).
// `undoTo` lists the states that undo after undo brings back, in order; redo retraces them.
// `names`, where given, names those steps as "Annulla: ..." and "Ripeti: ..." do.
TEST_F(Undo, StepsOfActionSequences) {
  struct Case {
    const char* script;
    std::vector<std::size_t> undoTo;
    std::vector<std::string> names = {};
  };
  const Case cases[] = {
      {"Check1(0) Check1(0) Check2(1)", {2, 1, 0}},  // every click, even one taken back by hand
      {"Check1(5) type:Ciao ok Check1(3)", {3, 0}, {"GPRS Null", "GPRS Personale"}},  // nested
      {"Check1(0) Check1(5) noundo raw0 Check1(3) type:X noundo ok", {1, 0}},
      {"Check1(5) close", {0}},               // the personal label record is set back too
      {"Check1(3) Check1(5)", {0}},           // refused with a message: nothing changed
      {"cancel open! save page2 reset", {}},  // nothing changed, no step
      {"Check1(0) open Check1(4) reset",
       {3, 2, 1, 0},
       {"Carica Flex Interna", "Selezione Fissa", "Apri Flex", "Menu Engineering"}},
      {"Check1(0) save Check1(2)", {2, 0}},
      {"Check1(0) Check2(1) undo Check1(4)", {3, 0}},  // a new step drops what could be redone
      {"Check1(0) Check2(1) undo page2 save redo", {5, 0}},  // no step: redo stays
      {"key1 key1 key1 blur key1", {4, 0}},  // typing in one preview, until the focus leaves
      {"key1 bs1", {}},
      {"key1 key2 key1 Check1(0) key1 page2 key1",
       {6, 4, 3, 2, 1, 0},
       {"record Call", "record Call", "Menu Engineering", "record Call", "etichetta GPRS",
        "record Call"}},
      {"key1 undo key1", {2}},
      {"raw0 cancel", {1, 0}},  // the readback of a cancelled open wrote slot 0
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.script);
    editor.start();
    saved = kBuiltIn;
    std::vector states{tracked()};
    std::istringstream words(c.script);
    for (std::string a; words >> a; states.push_back(tracked())) act(a);
    std::vector<std::size_t> at{states.size() - 1};  // the states undo walks through
    at.insert(at.end(), c.undoTo.begin(), c.undoTo.end());
    const auto outside = std::tuple(editor.statusText(), view.messages, view.dialogShown);
    const std::size_t n = c.undoTo.size();
    const auto check = [&](std::size_t undone) {  // `undone` steps undone (99: undo/redo failed)
      ASSERT_LE(undone, n);
      EXPECT_EQ(tracked(), states[at[undone]]) << undone;
      EXPECT_EQ(editor.modified(), doc().records != saved) << undone;
      EXPECT_EQ(std::pair(editor.undoCount(), editor.redoCount()), std::pair(n - undone, undone));
      if (c.names.empty()) return;
      EXPECT_EQ(flex::stepText(editor.undoName()), undone < n ? c.names[undone] : "") << undone;
      EXPECT_EQ(flex::stepText(editor.redoName()), undone > 0 ? c.names[undone - 1] : "") << undone;
    };
    check(0);
    for (std::size_t u = 1; u <= n; ++u) check(editor.undo() ? u : 99);
    EXPECT_FALSE(editor.undo());
    for (std::size_t u = n; u-- > 0;) check(editor.redo() ? u : 99);
    EXPECT_FALSE(editor.redo());
    // No message, no dialog, the status bar as it was.
    EXPECT_EQ(std::tuple(editor.statusText(), view.messages, view.dialogShown), outside);
  }
}

// The newest 100 steps are kept, fewer when their texts pass the byte limit (the newest stays).
TEST_F(Undo, KeepsTheNewestStepsWithinTheLimits) {
  for (int n = 0; n < 101; ++n) click("Check1(0)");
  EXPECT_EQ(editor.undoCount(), 100u);
  flex::Document document;
  flex::History history(document, {100, 4000});
  for (const char fill : {'1', '2', '3'}) {
    document.personalLabel = std::string(1000, fill);
    history.commit(document);
  }
  EXPECT_EQ(history.undoCount(), 1u);
  EXPECT_TRUE(history.undo(document) && document.personalLabel == std::string(1000, '2'));
}

}  // namespace
