#include "options/option_rules.hpp"

#include "model/bit_edit.hpp"

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

}  // namespace flex
