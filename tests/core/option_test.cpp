// The bit and whole-byte options: what a click writes and where, how the readback judges every
// byte, gating during the readback, and bytes that cannot be read.
#include <gtest/gtest.h>

#include <cctype>

#include "flex/builtin_records.hpp"
#include "flex/records.hpp"
#include "text/hex_format.hpp"
#include "options/option_rules.hpp"
#include "test_support.hpp"

namespace {

using flextest::byteAt;
using flextest::kOptionCases;
using flextest::withByte;
using Options = flextest::EditorTest;

// For each option: one click from start-up writes its byte and nothing else, a second click
// brings back the built-in flex, and the readback judges every value of its byte. A hand edit
// reaches the slot but not the working copies, so what the readback's click writes shows there:
// a gated option only follows with its flag.
TEST_F(Options, EachOptionsClicksReadbackAndGating) {
  for (const auto& c : kOptionCases) {
    SCOPED_TRACE(c.id);
    const flex::OptionDef& option = flex::optionCatalog()[flextest::row(c.id)];
    EXPECT_EQ(option.caption, c.caption);
    const std::string record = flextest::kBuiltIn[c.slot];
    ASSERT_EQ(byteAt(record, c.position), c.builtin);
    const std::string edited = withByte(record, c.position, c.afterClick);
    const int before = value(c.id);
    click(c.id);
    auto expected = flextest::kBuiltIn;
    expected[c.slot] = edited;
    EXPECT_EQ(st().recordSlots, expected);
    EXPECT_NE(value(c.id), before);
    click(c.id);
    EXPECT_EQ(st().recordSlots, flextest::kBuiltIn);
    EXPECT_EQ(st().workingBase + st().workingCall, flextest::kBuiltIn[0] + flextest::kBuiltIn[1]);

    for (unsigned v = 0; v < 256; ++v)
      EXPECT_EQ(flex::readBitOption(option, withByte(record, c.position, flextest::hex2(v))),
                ((v & c.mask) != 0) == c.tickedWhenSet ? 1 : 0) << v;
    editor.editRaw(c.slot, edited);
    editor.readBackOptions();
    EXPECT_NE(value(c.id), before);
    EXPECT_EQ(flag(c.id), value(c.id) == 1);
    EXPECT_EQ(c.slot == 0 ? st().workingBase : st().workingCall, c.gated ? record : edited);
    EXPECT_EQ(st().recordSlots[c.slot], c.gated ? record : edited);
    EXPECT_TRUE(st().optionEditsEnabled);
    editor.loadBuiltinFlex();
  }
  EXPECT_TRUE(view.messages.empty());
}

TEST_F(Options, SharedBytesKeepTheOtherOptionsBit) {
  struct Step { const char* id; std::size_t slot, position; const char* byte; };
  const Step steps[] = {
      {"Check2(3)", 0, 85, "67"},  {"Check2(4)", 0, 85, "66"},   // Selezione Rapida, Tutte le ...
      {"Check3(1)", 1, 51, "3F"},  {"Check3(4)", 1, 51, "7F"},   // One for Call Uscenti, Entranti
      {"Check5(3)", 0, 173, "6A"}, {"Check2(0)", 0, 173, "7A"},  // Salva SMS, Show Data
      {"Check5(12)", 0, 107, "6F"}, {"Check3(3)", 0, 107, "7F"},  // Cell Broadcast, Seconda Linea
  };
  for (const auto& s : steps) {
    click(s.id);
    EXPECT_EQ(byteAt(st().recordSlots[s.slot], s.position), s.byte) << s.id;
  }
}

// Loaded bytes with other bits set: a multi-bit option keeps them, the whole-byte option does not.
TEST_F(Options, MultiBitAndWholeByteOptionsOnLoadedBytes) {
  load(base(181, "48").replace(182, 2, "FF"));
  for (const char* expected : {"F889", "48F9"}) {
    click("Check1(0)");
    click("Check4(1)");
    EXPECT_EQ(st().workingBase.substr(180, 4), expected);
  }
}

TEST_F(Options, EveryClickCopiesTheWorkingCopiesOverAHandEdit) {
  // A second readback changes no box, so it runs no click that would undo this hand edit.
  editor.editRaw(0, base(1, "AB"));
  editor.readBackOptions();
  EXPECT_EQ(st().recordSlots[0], base(1, "AB"));
  for (const char* id : {"Check1(3)", "Check1(5)", "Check2(1)", "Check3(1)", "Check3(2)",
                         "Check4(0)", "Check5(3)"}) {
    editor.editRaw(0, "hand edit of the Base record");
    editor.editRaw(1, "hand edit of the Call record");
    click(id);
    EXPECT_EQ(st().recordSlots[0], st().workingBase) << id;
    EXPECT_EQ(st().recordSlots[1] == st().workingCall, id[5] == '3') << id;  // Check3 does both
    EXPECT_EQ(st().formatted[0], flex::formattedView(st().workingBase)) << id;
  }
}

// A byte beyond the record's end or not two of 0-9 A-F reads as clear, and a click on its option
// writes nothing: the record keeps its text and length.
TEST_F(Options, UnreadableBytesReadAsClearAndAreNeverWritten) {
  std::string lower = flextest::kBuiltIn[0];
  for (char& ch : lower) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  const std::string call = flextest::kBuiltIn[1].substr(0, 40);
  for (const std::string& damaged : {std::string(), lower, base(169, "G1").substr(0, 200)}) {
    load(flextest::hsFile({damaged, call}));
    for (const auto& c : kOptionCases) {
      const std::string& record = c.slot == 0 ? damaged : call;
      if (record.size() > c.position &&
          byteAt(record, c.position).find_first_not_of("0123456789ABCDEF") == std::string::npos)
        continue;
      EXPECT_EQ(value(c.id), 0) << c.id;
      click(c.id);
      EXPECT_EQ(value(c.id), 1) << c.id;
    }
    EXPECT_EQ(st().recordSlots, (flextest::Records{damaged, call, flextest::kBuiltIn[2]}));
    EXPECT_EQ(st().workingBase + "|" + st().workingCall, damaged + "|" + call);
    EXPECT_TRUE(st().optionEditsEnabled);
  }
}

}  // namespace
