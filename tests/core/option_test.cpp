// SPDX-License-Identifier: GPL-3.0-or-later
// The bit and whole-byte options: what a click writes, the readback, gating, unreadable bytes;
// the byte inspector and the comparison of two flexes, which rest on them.
#include <gtest/gtest.h>

#include "options/byte_inspector.hpp"
#include "options/flex_diff.hpp"
#include "options/option_rules.hpp"
#include "session/message_catalog.hpp"
#include "test_support.hpp"

namespace {

using flextest::kBuiltIn;
using flextest::Records;
using flextest::withByte;
using Options = flextest::EditorTest;

// Every bit or whole-byte option: the record it writes (0 Base, 1 Call), the character position
// of its byte, that byte after one click from start-up (a clear box becomes ticked, a ticked one
// clear), and whether it writes nothing during a readback.
struct OptionCase {
  const char* id;
  std::size_t slot, position;
  const char* afterClick;
  bool gated = false;
};
constexpr OptionCase kOptionCases[] = {
    {"Check1(0)", 0, 181, "B7"},       {"Check1(1)", 0, 207, "ED"},
    {"Check1(2)", 0, 187, "00"},       {"Check1(4)", 0, 111, "03"},
    {"Check2(0)", 0, 173, "3A", true}, {"Check2(1)", 0, 179, "F5"},
    {"Check2(2)", 0, 191, "9F"},       {"Check2(3)", 0, 85, "67", true},
    {"Check2(4)", 0, 85, "6E", true},  {"Check3(0)", 0, 169, "80"},
    {"Check3(1)", 1, 51, "3F"},        {"Check3(4)", 1, 51, "5F"},
    {"Check3(2)", 0, 45, "D3"},        {"Check3(3)", 0, 107, "77", true},
    {"Check4(0)", 0, 87, "B4"},        {"Check4(1)", 0, 183, "89"},
    {"Check4(2)", 0, 219, "DF"},       {"Check5(0)", 0, 103, "71"},
    {"Check5(1)", 0, 141, "E3"},       {"Check5(2)", 0, 147, "70"},
    {"Check5(3)", 0, 173, "6A", true}, {"Check5(4)", 0, 89, "E0"},
    {"Check5(5)", 0, 143, "AC"},       {"Check5(6)", 0, 209, "4D"},
    {"Check5(7)", 0, 105, "0F"},       {"Check5(8)", 0, 63, "FF"},
    {"Check5(9)", 0, 47, "EF"},        {"Check5(10)", 0, 155, "0C"},
    {"Check5(11)", 0, 167, "8F"},      {"Check5(12)", 0, 107, "6F", true},
    {"Check5(13)", 0, 197, "01"}};

// A click writes the option's byte of its working copy and nothing else, then copies the working
// copies over the previews (Check3 both, the others the Base); a second click brings back the
// built-in flex. A hand edit reaches the preview only: the readback's click writes the byte into
// the working copy, unless the option is gated. For every value of its byte, the readback gives
// the state that the option's last action wrote.
TEST_F(Options, ClickReadbackAndGatingOfEachOption) {
  for (const auto& c : kOptionCases) {
    SCOPED_TRACE(c.id);
    const flex::OptionDef& option = flex::optionCatalog()[flextest::row(c.id)];
    const std::string edited = withByte(kBuiltIn[c.slot], c.position, c.afterClick);
    const Records working = {c.slot ? kBuiltIn[0] : edited, c.slot ? edited : kBuiltIn[1]};
    const int before = value(c.id);
    editor.editRaw(0, "hand edit");
    editor.editRaw(1, "hand edit");
    click(c.id);
    EXPECT_EQ(doc().workingBase + "|" + doc().workingCall, working[0] + "|" + working[1]);
    EXPECT_EQ(doc().records[0] + "|" + doc().records[1],
              working[0] + "|" + (c.id[5] == '3' ? working[1] : "hand edit"));
    click(c.id);
    EXPECT_EQ(doc().workingBase + "|" + doc().workingCall, kBuiltIn[0] + "|" + kBuiltIn[1]);

    editor.loadBuiltinFlex();
    editor.editRaw(c.slot, edited);
    editor.readBackOptions();
    EXPECT_NE(value(c.id), before);
    const std::string& copy = c.slot == 0 ? doc().workingBase : doc().workingCall;
    const std::string& expected = c.gated ? kBuiltIn[c.slot] : edited;
    EXPECT_EQ(copy + "|" + doc().records[c.slot], expected + "|" + expected);
    editor.loadBuiltinFlex();
    for (unsigned v = 0; v < 256; ++v) {
      std::string record = withByte(kBuiltIn[c.slot], c.position, flextest::hex2(v));
      for (const bool ticked : {true, false}) {
        flex::applyOptionAction(option, ticked, record);
        EXPECT_EQ(flex::readBitOption(option, record), ticked ? 1 : 0) << v;
      }
    }
  }
}

// Any bit of a mask of several ticks the option. A byte past the record's end or not two of 0-9
// A-F reads as clear whatever the sense, and a click on its option writes nothing: text, length.
TEST_F(Options, ReadbackOfAByteAndUnreadableBytes) {
  for (const auto& [id, byte] :
       {std::pair{"Check3(0)", "01"}, {"Check3(0)", "20"}, {"Check4(2)", "80"}}) {
    const flex::OptionDef& option = flex::optionCatalog()[flextest::row(id)];
    EXPECT_EQ(flex::readBitOption(option, base(option.position, byte)), 1) << id << byte;
  }
  // Lower case at 181 and 183, not hexadecimal at 169, options beyond the end of both records.
  const std::string damaged = base(169, "G1").substr(0, 200).replace(180, 4, "b7f9");
  const std::string call = kBuiltIn[1].substr(0, 40);
  load(flextest::hsFile({damaged, call}));
  for (const char* id : {"Check1(0)", "Check4(1)", "Check3(0)", "Check1(1)", "Check4(2)",
                         "Check5(6)", "Check3(1)", "Check3(4)"}) {
    EXPECT_EQ(value(id), 0) << id;
    click(id);
  }
  EXPECT_EQ(doc().records, (Records{damaged, call, kBuiltIn[2]}));
  EXPECT_EQ(doc().workingBase + "|" + doc().workingCall, damaged + "|" + call);
}

// Two user's options: one on a byte of two built-in options, one on a Call byte.
flex::OptionSet userOptions() {
  return flex::OptionSet({{"Mine", "My bit", "", flex::RecordKind::Base, 85, {3, 8}},
                          {"Cb", "C", "", flex::RecordKind::Call, 53, {1}, false}});
}

// The byte inspector: place and value of the byte, then each option on it in that record with
// its bits (or the whole byte) and its state, the user's after the built-in ones.
TEST(ByteInspector, NamesTheOptionsOnAByte) {
  const flex::OptionSet options = userOptions();
  const auto states = flex::readbackStates(options, kBuiltIn);
  const auto tip = [&](const std::string& record, std::size_t at) {
    return flex::byteToolTip(flex::inspectByte(options, 0, record, at, states));
  };
  EXPECT_EQ(tip(kBuiltIn[0], 42),
            "Record Base, byte 0x2A (42)\nValore: 6F = 111 = 0110 1111\n"
            "Check2(3) Selezione Rapida: bit 4 (non attiva)\n"
            "Check2(4) Menu \"Tutte le Chiamate\": bit 1 (attiva)\n"
            "Mine My bit: bit 8, 3 (non attiva)");
  EXPECT_EQ(tip(withByte(kBuiltIn[0], 183, "x9"), 91),
            "Record Base, byte 0x5B (91)\nValore non "
            "valido: \"x9\"\nCheck4(1) Menu Rete -> Area: byte intero (non attiva)");
  // Base byte 25, where the Call record has two options.
  EXPECT_EQ(tip(kBuiltIn[0], 25), "Record Base, byte 0x19 (25)\nValore: BE = 190 = 1011 1110");
}

// A flex compared with the built-in one: "id a b" for each option whose state differs, then
// "record offset ab" for each data byte those options do not explain. A user's option explains
// the bits it writes, as a built-in one does.
TEST(FlexDiff, OptionsAndTheBytesNoOptionExplains) {
  const flex::OptionSet options = userOptions();
  using Case = std::tuple<std::size_t, std::size_t, std::string, std::string>;
  for (const auto& [slot, position, text, expected] :
       {Case{0, 181, "B7", "Check1(0) 1 0;"},
        {0, 49, "89", "Base 24 8988;"},
        {0, 181, "B6", "Check1(0) 1 0;Base 90 B607;"},
        {0, 181, "87", "Base 90 8707;"},  // a bit Check1(0) writes, not reads
        {0, 181, "b7", "Base 90 b707;"},
        {1, 53, "0F", "Cb 0 1;"},
        {0, 85, "EF", "Mine 1 0;"},
        {0, 85, "67", "Check2(3) 1 0;"},                     // bit 3 alone: Mine stays clear
        {2, 45, std::string(16, '0'), "Check1(3) 1 0;"}}) {  // the whole label
    flextest::Records a = kBuiltIn;
    a[slot].replace(position - 1, text.size(), text);
    const flex::FlexDiff d = flex::diffFlexes(options, a, kBuiltIn);
    std::string lines;
    for (const auto& o : d.options)
      lines += std::string(options[o.row].id) + " " + char('0' + o.a) + " " + char('0' + o.b) + ";";
    for (const auto& b : d.bytes)
      lines += (b.slot ? "Call " : "Base ") + std::to_string(b.offset) + " " + b.a + b.b + ";";
    EXPECT_EQ(lines, expected);
    EXPECT_TRUE(!d.equal && d.records.empty());
  }
}

}  // namespace
