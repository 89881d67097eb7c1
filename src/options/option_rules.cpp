// SPDX-License-Identifier: GPL-3.0-or-later
#include "options/option_rules.hpp"

#include "flex/builtin_records.hpp"
#include "text/bit_edit.hpp"

namespace flex {
namespace {
std::string_view pairAt(std::string_view record, std::size_t position) {
  if (position < 1 || position + 1 > record.size()) return {};
  return record.substr(position - 1, 2);
}
}  // namespace

int readByte(std::string_view record, std::size_t position) {
  return hexByteValue(pairAt(record, position)).value_or(-1);
}

void applyOptionAction(const OptionDef& option, bool ticked, std::string& record) {
  const std::size_t at = option.position - 1;
  if (readByte(record, option.position) < 0) return;  // unreadable: write nothing
  if (option.effect == OptionEffect::WholeByte) {
    record.replace(at, 2, ticked ? option.tickedByte : option.clearedByte);
    return;
  }
  if (option.effect != OptionEffect::Bits) return;
  const int value = ticked ? option.tickedWrites : option.clearedWrites;
  for (int i = 0; i < option.bitCount(); ++i) {
    const std::string edited = setByteBit(std::string_view(record).substr(at, 2), value,
                                          option.bits[static_cast<std::size_t>(i)]);
    record.replace(at, 2, std::string_view(edited).substr(0, 2));
  }
}

int readBitOption(const OptionDef& option, std::string_view record) {
  const int value = readByte(record, option.position);
  if (value < 0) return 0;
  const int bits = value & option.readMask;
  switch (option.readRule) {
    case ReadRule::MaskClear: return bits == 0 ? 1 : 0;
    case ReadRule::AllSet: return bits == option.readMask ? 1 : 0;
    default: return bits != 0 ? 1 : 0;
  }
}

int readOptionState(const OptionDef& option, const std::array<std::string, 3>& recordSlots,
                    std::string_view gprs, std::string_view gprsNull) {
  const std::string& label = recordSlots[2];
  switch (option.readRule) {
    case ReadRule::MaskSet:
    case ReadRule::MaskClear:
    case ReadRule::AllSet: return readBitOption(option, recordSlots[slotOf(option.record)]);
    case ReadRule::IsGprsNull: return label == gprsNull ? 1 : 0;
    case ReadRule::IsPersonal: return label != gprs && label != gprsNull ? 1 : 0;
  }
  return 0;
}

std::vector<int> readbackStates(const OptionSet& options,
                                const std::array<std::string, 3>& records) {
  std::vector<int> states;
  states.reserve(options.size());
  for (const OptionDef& option : options.rows())
    states.push_back(readOptionState(option, records, builtin::kGprs, builtin::kGprsNull));
  return states;
}

}  // namespace flex
