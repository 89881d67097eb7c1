// SPDX-License-Identifier: GPL-3.0-or-later
// The user's own options: what an options file loads and what it reports, and the options it
// names in the editor (click, readback, undo, unreadable bytes).
#include <gtest/gtest.h>

#include <memory>

#include <nlohmann/json.hpp>

#include "options/option_file.hpp"
#include "session/message_catalog.hpp"
#include "session/recovery_copy.hpp"
#include "test_support.hpp"

namespace {

using flex::OptionFileIssue;
using flex::OptionFileProblem;
using flextest::kBuiltIn;
using flextest::withByte;
using Json = nlohmann::ordered_json;

// An entry that loads, with `changes` made: a null value takes the field out.
std::string entry(const Json& changes = Json::object()) {
  Json e = {{"id", "A"},       {"caption", "a"}, {"record", "Base"},
            {"position", 181}, {"bits", {3}},    {"polarity", "ticked sets"}};
  for (const auto& [key, value] : changes.items())
    value.is_null() ? void(e.erase(key)) : void(e[key] = value);
  return e.dump();
}
std::string file(const std::string& entries) { return R"({"options": [)" + entries + "]}"; }

// "issue/entry/id/field/value " per problem, the issue in short, in OptionFileIssue's order.
std::string problems(const std::vector<OptionFileProblem>& found) {
  static constexpr const char* kIssues[] = {
      "unreadable", "large", "json",   "many",  "type",   "missing", "unknown",
      "twice",      "badid", "built",  "dupid", "empty",  "control", "record",
      "even",       "past",  "nobits", "bit",   "dupbit", "polarity"};
  std::string out;
  for (const OptionFileProblem& p : found)
    out += std::string(kIssues[static_cast<int>(p.issue)]) + "/" +
           (p.entry ? std::to_string(*p.entry) : "") + "/" + p.id + "/" + p.field + "/" + p.value +
           " ";
  return out;
}

TEST(OptionFile, WhatLoadsFromGoodAndBadFiles) {
  const std::string two = entry() + "," + entry({{"id", "B"}});
  std::string many, ids200;  // 201 entries; the ids of the first 200
  for (int k = 0; k < 201; ++k) {
    if (k < 200) ids200 += (k ? " A" : "A") + std::to_string(k);
    many += (k ? "," : "") + entry({{"id", "A" + std::to_string(k)}});
  }
  const std::string over = file(entry({{"toolTip", std::string(flex::kMaxOptionFileSize, 'x')}}));
  // The file; the ids that load; problems().
  const std::tuple<std::string, std::string, std::string> cases[] = {
      {file(two), "A B", ""},
      {file(entry({{"position", 1048575}, {"bits", {8, 1, 2, 3, 4, 5, 6, 7}}})), "A", ""},
      {file(entry({{"record", "Call"}, {"position", 1048573}, {"id", "Check_1"}})), "Check_1", ""},
      {file(many.substr(0, many.rfind(",{"))), ids200, ""},
      // The whole file: nothing loads.
      {"", "", "json////1:1 "},
      {"{\"options\": [\n  {\"id\": 1,}]}", "", "json////2:12 "},
      {"[]", "", "type//// "},
      {"{}", "", "missing///options/ "},
      {R"({"options": {}})", "", "type///options/ "},
      {R"({"options": [], "options": []})", "", "twice///options/ "},
      {file(many), "", "many////201 "},
      {over, "", "large//// "},
      // One entry: the others load.
      {R"({"note": 1, "options": [)" + two + "]}", "A B", "unknown///note/ "},
      {file("5," + entry()), "A", "type/0/// "},
      {file("{}"), "",
       "missing/0//id/ missing/0//caption/ missing/0//record/ missing/0//position/ "
       "missing/0//bits/ missing/0//polarity/ "},
      {file(entry({{"id", 5}, {"caption", {1}}, {"toolTip", 1}, {"record", true}})), "",
       "type/0//id/ type/0//caption/ type/0//toolTip/ type/0//record/ "},
      {file(entry({{"position", "181"}, {"bits", 3}, {"polarity", 1}, {"gated", "no"}})), "",
       "type/0/A/position/ type/0/A/bits/ type/0/A/polarity/ type/0/A/gated/ "},
      {file(entry({{"position", 181.0}, {"bits", {3.0}}, {"tooltip", "x"}})), "",
       "type/0/A/position/ type/0/A/bits/ unknown/0/A/tooltip/ "},
      {file(R"(5, {"id": "A", "caption": "a", "record": "Base", "position": 181, "position": 183,
                "bits": [3], "polarity": "ticked sets"})"),
       "", "type/0/// twice/1/A/position/ "},
      {file(entry({{"id", "My Bit"}})), "", "badid/0/My Bit/id/ "},
      {file(entry({{"id", ""}})), "", "badid/0//id/ "},
      {file(entry({{"id", "Check1(0)"}})), "", "built/0/Check1(0)/id/ "},
      {file(entry({{"id", "Check5_13"}})), "", "built/0/Check5_13/id/ "},
      {file(two + "," + entry()), "A B", "dupid/2/A/id/ "},
      {file(entry({{"caption", " "}})), "", "empty/0/A/caption/ "},
      {file(entry({{"caption", "a\x1b"}})), "", "control/0/A/caption/ "},
      {file(entry({{"record", "GPRS"}})), "", "record/0/A/record/GPRS "},
      {file(entry({{"position", 182}})), "", "even/0/A/position/182 "},
      {file(entry({{"position", -1}})), "", "past/0/A/position/-1 "},
      {file(entry({{"position", 1048577}})), "", "past/0/A/position/1048577 "},
      {file(entry({{"record", "Call"}, {"position", 1048575}})), "", "past/0/A/position/1048575 "},
      {file(entry({{"bits", Json::array()}})), "", "nobits/0/A/bits/ "},
      {file(entry({{"bits", {0, 9, 3, 3}}})), "",
       "bit/0/A/bits/0 bit/0/A/bits/9 dupbit/0/A/bits/3 "},
      {file(entry({{"polarity", "ticked set"}})), "", "polarity/0/A/polarity/ticked set "},
  };
  for (const auto& [content, loaded, found] : cases) {
    SCOPED_TRACE(content.substr(0, 200));
    const flex::OptionFile read = flex::parseOptionFile(content);
    std::string ids;
    for (const flex::UserOption& o : read.options) ids += (ids.empty() ? "" : " ") + o.id;
    EXPECT_EQ(ids, loaded);
    EXPECT_EQ(problems(read.problems), found);
  }
  // Every field as the file gives it, and the defaults of the optional ones.
  const auto read = flex::parseOptionFile(file(entry({{"toolTip", "t"},
                                                      {"gated", true},
                                                      {"record", "Call"},
                                                      {"bits", {3, 1}},
                                                      {"polarity", "ticked clears"}}) +
                                               "," + entry({{"id", "B"}})));
  EXPECT_EQ(read.options, (std::vector<flex::UserOption>{
                              {"A", "a", "t", flex::RecordKind::Call, 181, {3, 1}, false, true},
                              {"B", "a", "", flex::RecordKind::Base, 181, {3}, true, false}}));
}

// The window's one message: a line per problem (the entry counted from 1), at most
// kMaxListedProblems of them. The CLI's lines, with the file's name, are in the CLI tests.
TEST(OptionFile, ProblemWords) {
  const std::vector<OptionFileProblem> found(25, {OptionFileIssue::WrongType, 4});
  const auto [message, title] = flex::optionFileMessage("o.json", found, 7);
  EXPECT_EQ(title, "Opzioni Utente");
  EXPECT_TRUE(
      message.starts_with("Il file delle opzioni utente \"o.json\" ha dei problemi (opzioni "
                          "caricate: 7):\n\nvoce 5: la voce deve essere"));
  EXPECT_TRUE(message.ends_with("\n… e altri 5 problemi"));
}

// An editor with three user's options: two bits of a Base byte, one of a Call byte that ticking
// clears, and a gated one on bits of a built-in option's byte.
class UserOptions : public flextest::EditorTest {
 protected:
  UserOptions()
      : EditorTest(std::make_shared<const flex::OptionSet>(std::vector<flex::UserOption>{
            {"Pair", "Two bits", "", flex::RecordKind::Base, 45, {8, 2}, true, false},
            {"CallBit", "Call bit", "", flex::RecordKind::Call, 51, {1}, false, false},
            {"Gated", "On Check1(4)", "", flex::RecordKind::Base, 111, {1, 2}, true, true}})) {}
};

// Built-in Base byte 22 is D2 (bits 8 and 2 set): "Pair" reads ticked; Call byte 25 is 1F (bit 1
// set): "CallBit", ticked when it is clear, reads clear; byte 55 is 02: "Gated" needs bit 1 too.
TEST_F(UserOptions, ClickWritesEveryBitAndTheReadbackWantsThemAll) {
  editor.selectPage(3);  // the third page, there with user's options
  EXPECT_TRUE(form().pageVisible(3) && !form().pageVisible(2) && !form().pageVisible(1));
  EXPECT_EQ(value("Pair") * 100 + value("CallBit") * 10 + value("Gated"), 100);
  click("Pair");     // clears bits 8 and 2: D2 -> 50
  click("CallBit");  // clears bit 1 of the Call byte and refreshes both slots
  editor.editRaw(0, "hand edit");
  click("Gated");  // writes while a person clicks: 02 -> 03
  const std::string base = withByte(withByte(kBuiltIn[0], 45, "50"), 111, "03");
  const std::string call = withByte(kBuiltIn[1], 51, "1E");
  EXPECT_EQ(doc().records[0] + doc().records[1], base + call);
  EXPECT_EQ(value("Check1(4)"), 0);  // a box of its own: the built-in one reads back later
  editor.readBackOptions();
  EXPECT_EQ(value("Check1(4)") * 1000 + value("Pair") * 100 + value("CallBit") * 10, 1010);
  editor.undo();
  editor.undo();  // the readback's step, then the click on "Gated"
  EXPECT_EQ(value("Gated") * 10 + value("Check1(4)"), 0);
  EXPECT_EQ(doc().records[1], call);
  editor.redo();
  EXPECT_EQ(value("Gated"), 1);
  click("CallBit");  // cleared: sets its bit again
  EXPECT_EQ(doc().records[1], kBuiltIn[1]);

  // A readback that changes a box runs its click: the others write every bit, the gated one
  // nothing. A byte past the record's end reads as clear, whatever the sense, and is not written.
  const std::string loaded = withByte(withByte(kBuiltIn[0], 45, "80"), 111, "01");
  click("Pair");
  load(flextest::hsFile({loaded, kBuiltIn[1].substr(0, 50)}));
  EXPECT_EQ(value("Pair") * 100 + value("CallBit") * 10 + value("Gated"), 0);
  EXPECT_EQ(doc().workingBase, withByte(loaded, 45, "00"));
  click("CallBit");
  EXPECT_EQ(doc().records[1], kBuiltIn[1].substr(0, 50));
  click("Gated");
  EXPECT_EQ(doc().workingBase, withByte(withByte(loaded, 45, "00"), 111, "03"));

  // A recovery copy keeps the built-in boxes; the user's read back from its records ("CallBit",
  // on a byte the copy's Call record does not reach, clear).
  const flex::RecoveryCopy copy{doc()};
  ASSERT_TRUE(
      editor.restore(flex::decodeRecoveryCopy(flex::encodeRecoveryCopy(copy)).copy.document));
  EXPECT_EQ(value("Pair") * 100 + value("CallBit") * 10 + value("Gated"), 1);
}

}  // namespace
