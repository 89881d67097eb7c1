// SPDX-License-Identifier: GPL-3.0-or-later
// The user's own options: what an options file loads and what it reports, and the options it
// names in the editor (click, readback, undo, unreadable bytes).
#include <gtest/gtest.h>

#include <memory>

#include <nlohmann/json.hpp>

#include "options/option_file.hpp"
#include "session/message_catalog.hpp"
#include "test_support.hpp"

namespace flex {
void PrintTo(const OptionFileProblem& p, std::ostream* out) {
  *out << static_cast<int>(p.issue) << " " << (p.entry ? std::to_string(*p.entry) : "-") << " "
       << p.id << "." << p.field << "=" << p.value;
}
}  // namespace flex

namespace {

using flex::OptionFileIssue;
using flex::OptionFileProblem;
using flextest::kBuiltIn;
using flextest::withByte;
using Json = nlohmann::ordered_json;
using Problems = std::vector<OptionFileProblem>;

// An entry that loads, with `changes` made: a null value takes the field out.
std::string entry(const Json& changes = Json::object()) {
  Json e = {{"id", "A"},       {"caption", "a"}, {"record", "Base"},
            {"position", 181}, {"bits", {3}},    {"polarity", "ticked sets"}};
  for (const auto& [key, value] : changes.items())
    value.is_null() ? void(e.erase(key)) : void(e[key] = value);
  return e.dump();
}
std::string file(const std::string& entries) { return R"({"options": [)" + entries + "]}"; }

// The problem of entry 0, id "A".
OptionFileProblem inA(OptionFileIssue issue, std::string field, std::string value = {}) {
  return {issue, 0, "A", std::move(field), std::move(value)};
}

TEST(OptionFile, WhatLoadsFromGoodAndBadFiles) {
  using enum OptionFileIssue;
  const std::string two = entry() + "," + entry({{"id", "B"}});
  std::string many, ids200;  // 201 entries; the ids of the first 200
  for (int k = 0; k < 201; ++k) {
    if (k < 200) ids200 += (k ? " A" : "A") + std::to_string(k);
    many += (k ? "," : "") + entry({{"id", "A" + std::to_string(k)}});
  }
  const std::string over = file(entry({{"toolTip", std::string(flex::kMaxOptionFileSize, 'x')}}));
  struct Case {
    std::string content;
    std::string loaded;  // the ids, in order
    Problems problems;
  };
  const Case cases[] = {
      {file(two), "A B", {}},
      {file(entry({{"position", 1048575}, {"bits", {8, 1, 2, 3, 4, 5, 6, 7}}})), "A", {}},
      {file(entry({{"record", "Call"}, {"position", 1048573}, {"id", "Check_1"}})), "Check_1", {}},
      {file(many.substr(0, many.rfind(",{"))), ids200, {}},
      // The whole file: nothing loads.
      {"", "", {{NotJson, {}, {}, {}, "1:1"}}},
      {"{\"options\": [\n  {\"id\": 1,}]}", "", {{NotJson, {}, {}, {}, "2:12"}}},
      {"[]", "", {{WrongType}}},
      {"{}", "", {{MissingField, {}, {}, "options"}}},
      {R"({"options": {}})", "", {{WrongType, {}, {}, "options"}}},
      {R"({"options": [], "options": []})", "", {{RepeatedField, {}, {}, "options"}}},
      {file(many), "", {{TooManyEntries, {}, {}, {}, "201"}}},
      {over, "", {{TooLarge}}},
      // One entry: the others load.
      {R"({"note": 1, "options": [)" + two + "]}", "A B", {{UnknownField, {}, {}, "note"}}},
      {file("5," + entry()), "A", {{WrongType, 0}}},
      {file("{}"),
       "",
       {{MissingField, 0, {}, "id"},
        {MissingField, 0, {}, "caption"},
        {MissingField, 0, {}, "record"},
        {MissingField, 0, {}, "position"},
        {MissingField, 0, {}, "bits"},
        {MissingField, 0, {}, "polarity"}}},
      {file(entry({{"id", 5},
                   {"caption", Json::array()},
                   {"toolTip", 1},
                   {"record", true},
                   {"position", "181"},
                   {"bits", 3},
                   {"polarity", 1},
                   {"gated", "no"}})),
       "",
       {{WrongType, 0, {}, "id"},
        {WrongType, 0, {}, "caption"},
        {WrongType, 0, {}, "toolTip"},
        {WrongType, 0, {}, "record"},
        {WrongType, 0, {}, "position"},
        {WrongType, 0, {}, "bits"},
        {WrongType, 0, {}, "polarity"},
        {WrongType, 0, {}, "gated"}}},
      {file(entry({{"position", 181.0}, {"bits", {3.0}}, {"tooltip", "x"}})),
       "",
       {inA(WrongType, "position"), inA(WrongType, "bits"), inA(UnknownField, "tooltip")}},
      {file(R"({"id": "A", "caption": "a", "record": "Base", "position": 181, "position": 183,
                "bits": [3], "polarity": "ticked sets"})"),
       "",
       {inA(RepeatedField, "position")}},
      {file(entry({{"id", "My Bit"}})), "", {{BadId, 0, "My Bit", "id"}}},
      {file(entry({{"id", ""}})), "", {{BadId, 0, "", "id"}}},
      {file(entry({{"id", "Check1(0)"}})), "", {{BuiltinId, 0, "Check1(0)", "id"}}},
      {file(entry({{"id", "Check5_13"}})), "", {{BuiltinId, 0, "Check5_13", "id"}}},
      {file(two + "," + entry()), "A B", {{RepeatedId, 2, "A", "id"}}},
      {file(entry({{"caption", " "}})), "", {inA(EmptyCaption, "caption")}},
      {file(entry({{"caption",
                    "a\x1b"
                    "b"}})),
       "",
       {inA(ControlInCaption, "caption")}},
      {file(entry({{"record", "GPRS"}})), "", {inA(UnknownRecord, "record", "GPRS")}},
      {file(entry({{"position", 182}})), "", {inA(EvenPosition, "position", "182")}},
      {file(entry({{"position", -1}})), "", {inA(PositionPastRecords, "position", "-1")}},
      {file(entry({{"position", 1048577}})), "", {inA(PositionPastRecords, "position", "1048577")}},
      {file(entry({{"record", "Call"}, {"position", 1048575}})),
       "",
       {inA(PositionPastRecords, "position", "1048575")}},
      {file(entry({{"bits", Json::array()}})), "", {inA(NoBits, "bits")}},
      {file(entry({{"bits", {0, 9, 3, 3}}})),
       "",
       {inA(BitOutOfRange, "bits", "0"), inA(BitOutOfRange, "bits", "9"),
        inA(RepeatedBit, "bits", "3")}},
      {file(entry({{"polarity", "ticked set"}})),
       "",
       {inA(UnknownPolarity, "polarity", "ticked set")}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.content.substr(0, 200));
    const flex::OptionFile read = flex::parseOptionFile(c.content);
    std::string ids;
    for (const flex::UserOption& o : read.options) ids += (ids.empty() ? "" : " ") + o.id;
    EXPECT_EQ(ids, c.loaded);
    EXPECT_EQ(read.problems, c.problems);
  }
  // Every field as the file gives it, and the defaults of the optional ones.
  const auto full = flex::parseOptionFile(file(entry({{"toolTip", "t"},
                                                      {"gated", true},
                                                      {"record", "Call"},
                                                      {"bits", {3, 1}},
                                                      {"polarity", "ticked clears"}})));
  const auto plain = flex::parseOptionFile(file(entry()));
  EXPECT_EQ(full.options, (std::vector<flex::UserOption>{
                              {"A", "a", "t", flex::RecordKind::Call, 181, {3, 1}, false, true}}));
  EXPECT_EQ(plain.options, (std::vector<flex::UserOption>{
                               {"A", "a", "", flex::RecordKind::Base, 181, {3}, true, false}}));
}

// One line per problem: the file, the entry counted from 1 with its id, the reason; the window's
// message lists at most kMaxListedProblems of them.
TEST(OptionFile, ProblemWords) {
  EXPECT_EQ(
      flex::optionFileProblemText("o.json", inA(OptionFileIssue::EvenPosition, "position", "182")),
      "o.json: voce 1 (\"A\"): la posizione 182 non è l'inizio di un byte (deve essere "
      "dispari)");
  EXPECT_EQ(flex::optionFileProblemText("o.json", {OptionFileIssue::NotJson, {}, {}, {}, "2:13"}),
            "o.json: non è un testo JSON valido (riga:colonna 2:13)");
  const Problems problems(25, {OptionFileIssue::WrongType, 4});
  const auto [message, title] = flex::optionFileMessage("o.json", problems, 7);
  EXPECT_EQ(title, "Opzioni Utente");
  EXPECT_TRUE(
      message.starts_with("Il file delle opzioni utente ha dei problemi (opzioni "
                          "caricate: 7):\n\no.json: voce 5: la voce deve essere"));
  EXPECT_TRUE(message.ends_with("\n… e altri 5 problemi"));
}

// An editor with three user's options: two bits of a Base byte, one of a Call byte that ticking
// clears, and a gated one on the bit of a built-in option.
class UserOptions : public ::testing::Test, protected flextest::ScratchFolder {
 protected:
  static std::shared_ptr<const flex::OptionSet> options() {
    return std::make_shared<const flex::OptionSet>(std::vector<flex::UserOption>{
        {"Pair", "Two bits", "", flex::RecordKind::Base, 45, {8, 2}, true, false},
        {"CallBit", "Call bit", "", flex::RecordKind::Call, 51, {1}, false, false},
        {"Gated", "Like Check1(4)", "", flex::RecordKind::Base, 111, {1}, true, true}});
  }
  std::size_t row(std::string_view id) const { return editor.options().find(id).value(); }
  int value(std::string_view id) const { return editor.document().boxes[row(id)].state; }
  const flex::Document& doc() const { return editor.document(); }

  flextest::FakeView view;
  flex::Editor editor{view, options()};
};

// Built-in Base byte 22 is D2 (bit 8 set, bit 2 set): "Pair" reads ticked only with both; Call
// byte 25 is 1F (bit 1 set): "CallBit", ticked when it is clear, reads clear.
TEST_F(UserOptions, ClickWritesEveryBitAndTheReadbackWantsThemAll) {
  ASSERT_EQ(editor.options().size(), flex::kOptionCount + 3);
  editor.start();
  EXPECT_EQ(value("Pair") * 100 + value("CallBit") * 10 + value("Gated"), 100);
  editor.clickOption(row("Pair"));     // clears bits 8 and 2: D2 -> 50
  editor.clickOption(row("CallBit"));  // clears bit 1 of the Call byte and refreshes both slots
  editor.editRaw(0, "hand edit");
  editor.clickOption(row("Gated"));  // writes while a person clicks, as Check1(4) does
  const std::string base = withByte(withByte(kBuiltIn[0], 45, "50"), 111, "03");
  const std::string call = withByte(kBuiltIn[1], 51, "1E");
  EXPECT_EQ(doc().records[0] + doc().records[1], base + call);
  EXPECT_EQ(value("Check1(4)"), 0);  // a box of its own: the built-in one reads back later
  editor.readBackOptions();
  EXPECT_EQ(value("Check1(4)") * 1000 + value("Pair") * 100 + value("CallBit") * 10, 1010);
  EXPECT_EQ(editor.undoCount(), 5u);
  editor.undo();
  editor.undo();  // the readback's step, then the click on "Gated"
  EXPECT_EQ(value("Gated") * 10 + value("Check1(4)"), 0);
  EXPECT_EQ(doc().records[1], call);
  editor.redo();
  EXPECT_EQ(value("Gated"), 1);

  // A readback that changes a box runs its click: the gated one writes nothing, the others write
  // every bit. A byte past the record's end reads as clear, whatever the sense, and is not written.
  std::string loaded = withByte(kBuiltIn[0], 45, "80");
  loaded.replace(110, 2, "03");
  write("in.hs", flextest::hsFile({loaded, kBuiltIn[1].substr(0, 50)}));
  editor.clickOption(row("Pair"));
  editor.openFile(path("in.hs"));
  EXPECT_EQ(value("Pair") * 100 + value("CallBit") * 10 + value("Gated"), 1);
  EXPECT_EQ(doc().workingBase, withByte(loaded, 45, "00"));
  editor.clickOption(row("CallBit"));
  EXPECT_EQ(doc().records[1], kBuiltIn[1].substr(0, 50));
  editor.clickOption(row("Gated"));
  EXPECT_EQ(doc().workingBase, withByte(withByte(loaded, 45, "00"), 111, "02"));
}

}  // namespace
