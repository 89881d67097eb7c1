// SPDX-License-Identifier: GPL-3.0-or-later
#include "options/byte_inspector.hpp"

#include "options/option_rules.hpp"

namespace flex {

std::string maskBits(int mask) {
  std::string out;
  for (int bit = 8; bit >= 1; --bit) {
    if (!(mask & (1 << (bit - 1)))) continue;
    if (!out.empty()) out += ", ";
    out += std::to_string(bit);
  }
  return out;
}

ByteInfo inspectByte(const OptionSet& options, std::size_t slot, std::string_view record,
                     std::size_t offset, std::span<const int> states) {
  ByteInfo info;
  info.slot = slot;
  info.offset = offset;
  const std::size_t position = 2 * offset + 1;
  if (2 * offset < record.size()) info.pair = std::string(record.substr(2 * offset, 2));
  info.value = readByte(record, position);
  for (std::size_t row = 0; row < options.size(); ++row) {
    const OptionDef& option = options[row];
    if (option.isLabelOption()) continue;
    if (option.record != recordOfSlot(slot) || option.position != position) continue;
    if (const int mask = option.byteMask())
      info.options.push_back({row, option.id, option.caption, mask, states[row]});
  }
  return info;
}

}  // namespace flex
