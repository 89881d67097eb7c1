// The option readback: every box from the bits of the record slots, in the table's order.
#include <gtest/gtest.h>

#include <array>
#include <cctype>
#include <cstdio>

#include "model/builtin_records.hpp"
#include "options/option_rules.hpp"
#include "test_support.hpp"

namespace {

namespace builtin = flex::builtin;
using flextest::OptionCase;
using Readback = flextest::EditorTest;

std::string hex2(unsigned v) {
  char buf[3];
  std::snprintf(buf, sizeof buf, "%02X", v);
  return buf;
}

class ReadbackRule : public ::testing::TestWithParam<OptionCase> {};

TEST_P(ReadbackRule, EveryByteValueAndUnreadableBytes) {
  const OptionCase& c = GetParam();
  const flex::OptionDef& option = flex::optionCatalog()[flextest::row(c.id)];
  const std::string record(c.slot == 0 ? builtin::kBase : builtin::kCall);
  ASSERT_EQ(option.readRecord, c.slot == 0 ? flex::RecordKind::Base : flex::RecordKind::Call);
  ASSERT_EQ(flextest::byteAt(record, c.position), c.builtin);

  for (unsigned v = 0; v < 256; ++v) {
    const bool set = (v & static_cast<unsigned>(c.mask)) != 0;
    EXPECT_EQ(flex::readBitOption(option, flextest::withByte(record, c.position, hex2(v))),
              set == c.tickedWhenSet ? 1 : 0)
        << c.id << " byte " << hex2(v);
  }
  // A byte that cannot be read is clear, whatever the option's sense.
  for (const char* bad : {"ef", "0f", "G0", " 1", "\xFF\xFF"})
    EXPECT_EQ(flex::readBitOption(option, flextest::withByte(record, c.position, bad)), 0)
        << c.id << " byte " << bad;
  EXPECT_EQ(flex::readBitOption(option, record.substr(0, c.position)), 0) << c.id;
  EXPECT_EQ(flex::readBitOption(option, ""), 0) << c.id;
}

using ReadbackClick = flextest::OptionTest;

// A hand edit reaches the readback but not the working copies, so what the option's action
// writes during the readback shows there. Only this option's state changes.
TEST_P(ReadbackClick, GatedOptionsWriteNothingButTheirFlagsFollow) {
  const OptionCase& c = GetParam();
  const int before = value(c.id);
  const std::string builtinRecord(c.slot == 0 ? builtin::kBase : builtin::kCall);
  const std::string edited = flextest::withByte(builtinRecord, c.position, c.afterClick);
  editor.editRaw(c.slot, edited);
  editor.AggiornaOpzioni();

  EXPECT_NE(value(c.id), before);
  EXPECT_EQ(flag(c.id), value(c.id) == 1);
  const std::string& working = c.slot == 0 ? st().FlexBase : st().FlexCall;
  EXPECT_EQ(working, c.gated ? builtinRecord : edited);
  EXPECT_EQ(st().txtpreview[c.slot], working);
  EXPECT_TRUE(st().ModificheAttive);
}

// Loaded records reach the working copies too: the readback then changes none of them, and the
// boxes end as the click-free readbackStates() says.
TEST_P(ReadbackClick, LoadedRecordsKeepTheirBytesAndMatchReadbackStates) {
  const OptionCase& c = GetParam();
  std::array<std::string, 3> records{std::string(builtin::kBase), std::string(builtin::kCall),
                                     std::string(builtin::kGprs)};
  records[c.slot] = flextest::withByte(records[c.slot], c.position, c.afterClick);
  load(records[0] + "\r\n" + records[1] + "\r\n" + records[2] + "\r\n");
  EXPECT_EQ(st().txtpreview, records);
  const auto states = flex::readbackStates(records);
  for (std::size_t r = 0; r < flex::kOptionCount; ++r) EXPECT_EQ(st().boxes[r].Value, states[r]);
}

INSTANTIATE_TEST_SUITE_P(AllBitOptions, ReadbackClick, ::testing::ValuesIn(flextest::kOptionCases),
                         flextest::caseName);

INSTANTIATE_TEST_SUITE_P(AllBitOptions, ReadbackRule, ::testing::ValuesIn(flextest::kOptionCases),
                         flextest::caseName);

TEST_F(Readback, GprsLabelSlotDecidesTheTwoLabelOptions) {
  std::string otherCase(builtin::kGprs);
  otherCase[otherCase.size() - 1] = 'b';
  std::string otherTrailer(builtin::kGprs);
  otherTrailer.replace(otherTrailer.size() - 4, 4, "0000");
  struct Case {
    std::string slot2;
    int gprsNull;
    int personale;
  } const cases[] = {
      {std::string(builtin::kGprsNull), 1, 0}, {std::string(builtin::kGprs), 0, 0},
      {std::string(builtin::kLabelTemplate), 0, 1}, {otherCase, 0, 1},
      {otherTrailer, 0, 1}, {"", 0, 1},
  };
  for (const auto& c : cases) {
    editor.editRaw(2, c.slot2);
    editor.AggiornaOpzioni();
    EXPECT_EQ(value("Check1(3)"), c.gprsNull) << c.slot2;
    EXPECT_EQ(value("Check1(5)"), c.personale) << c.slot2;
    EXPECT_EQ(st().txtpreview[2], c.slot2);  // the readback never switches slot 2
    EXPECT_FALSE(st().labelDialogOpen);
  }
  EXPECT_TRUE(view.messages.empty());
}

TEST_F(Readback, EitherBitTicksTheTwoBitOptionsAndTheirActionsWriteAllBits) {
  // Loaded records reach FlexBase, so the actions the readback runs write into them. Each case
  // starts from a clear box, so that the readback ticks it.
  struct Case {
    const char* id;
    std::size_t position;
    const char* loaded;
    const char* written;
  } const cases[] = {
      {"Check3(0)", 169, "01", "21"}, {"Check3(0)", 169, "20", "21"},
      {"Check4(2)", 219, "5F", "DF"}, {"Check4(2)", 219, "9F", "DF"},
      {"Check1(0)", 181, "10", "B0"},  // Menu Engineering is read from bit 5 alone
      {"Check2(2)", 191, "20", "60"},  // AGPS Func. from bit 6 alone
  };
  for (const auto& c : cases) {
    load(base(c.position, "00") + "\r\n");
    ASSERT_EQ(value(c.id), 0) << c.id;
    load(base(c.position, c.loaded) + "\r\n");
    EXPECT_EQ(value(c.id), 1) << c.id << " " << c.loaded;
    EXPECT_EQ(flextest::byteAt(st().FlexBase, c.position), c.written) << c.id << " " << c.loaded;
    EXPECT_EQ(st().txtpreview[0], st().FlexBase);
  }
}

TEST_F(Readback, ASecondReadbackRunsNoClick) {
  const auto boxes = st().boxes;
  // Any click would copy FlexBase over this hand edit.
  const std::string edited = base(1, "AB");
  editor.editRaw(0, edited);
  editor.AggiornaOpzioni();
  EXPECT_EQ(st().txtpreview[0], edited);
  for (std::size_t r = 0; r < boxes.size(); ++r) {
    EXPECT_EQ(st().boxes[r].Value, boxes[r].Value);
    EXPECT_EQ(st().boxes[r].flag, boxes[r].flag);
  }
}

TEST_F(Readback, ShortRecordsReadAsClearAndNoActionWritesThem) {
  const std::string shortCall(builtin::kCall.substr(0, 40));
  for (const std::string& record : {std::string("AAB0"), std::string()}) {
    load(record + "\r\n" + shortCall + "\r\n");
    EXPECT_EQ(ticked(), std::vector<std::string>{}) << record;
    EXPECT_TRUE(st().ModificheAttive);
    for (const auto& c : flextest::kOptionCases) click(c.id);
    EXPECT_EQ(st().FlexBase, record);
    EXPECT_EQ(st().txtpreview[0], record);
    EXPECT_EQ(st().FlexCall, shortCall);
    EXPECT_EQ(st().txtpreview[1], shortCall);
    editor.mnuFlexInterna_Click();
  }
}

TEST_F(Readback, LowerCaseBytesReadAsClearAndAreNotWritten) {
  std::string lower(builtin::kBase);
  for (char& ch : lower) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  load(lower + "\r\n");
  for (const auto& c : flextest::kOptionCases) {
    if (c.slot != 0 || std::string(c.builtin).find_first_of("ABCDEF") == std::string::npos)
      continue;  // a byte of digits only reads the same in lower case
    EXPECT_EQ(value(c.id), 0) << c.id;
    click(c.id);
    click(c.id);
  }
  EXPECT_EQ(st().FlexBase, lower);
  EXPECT_EQ(st().txtpreview[0], lower);
}

TEST_F(Readback, ADamagedByteReadsAsClearAndIsNotWritten) {
  const std::string damaged = base(169, "G1").substr(0, 200);  // 207, 209, 219 are gone too
  load(damaged + "\r\n");
  EXPECT_EQ(ticked(), (std::vector<std::string>{"Check1(2)", "Check2(0)", "Check2(2)",
                                                "Check2(4)"}));
  click("Check3(0)");
  click("Check4(2)");
  click("Check1(1)");
  EXPECT_EQ(value("Check3(0)"), 1);
  EXPECT_EQ(st().FlexBase, damaged);
  EXPECT_EQ(st().txtpreview[0], damaged);
}

}  // namespace
