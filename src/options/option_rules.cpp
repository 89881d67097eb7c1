#include "options/option_rules.hpp"

#include "model/bit_edit.hpp"
#include "model/builtin_records.hpp"

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
  if (option.action == ActionKind::WholeByte) {
    record.replace(at, 2, ticked ? option.tickedByte : option.clearedByte);
    return;
  }
  if (option.action != ActionKind::Bits) return;
  const int value = ticked ? option.tickedWrites : option.clearedWrites;
  for (int i = 0; i < option.bitCount; ++i) {
    const std::string edited =
        f_modflex(std::string_view(record).substr(at, 2), value,
                  option.bits[static_cast<std::size_t>(i)]);
    record.replace(at, 2, std::string_view(edited).substr(0, 2));
  }
}

int readBitOption(const OptionDef& option, std::string_view record) {
  const int value = readByte(record, option.readPosition);
  if (value < 0) return 0;
  const bool any = (value & option.readMask) != 0;
  return option.readRule == ReadRule::MaskClear ? (any ? 0 : 1) : (any ? 1 : 0);
}

std::array<int, kOptionCount> readbackStates(const std::array<std::string, 3>& records) {
  std::array<int, kOptionCount> states{};
  const auto catalog = optionCatalog();
  const std::string& gprs = records[2];
  for (std::size_t row = 0; row < kOptionCount; ++row) {
    const OptionDef& option = catalog[row];
    switch (option.readRule) {
      case ReadRule::MaskSet:
      case ReadRule::MaskClear:
        states[row] = readBitOption(option, records[option.readRecord == RecordKind::Call ? 1 : 0]);
        break;
      case ReadRule::IsGprsNull:
        states[row] = gprs == builtin::kGprsNull ? 1 : 0;
        break;
      case ReadRule::IsPersonal:
        states[row] = gprs != builtin::kGprs && gprs != builtin::kGprsNull ? 1 : 0;
        break;
    }
  }
  return states;
}

}  // namespace flex
