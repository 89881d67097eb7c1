// SPDX-License-Identifier: GPL-3.0-or-later
#include "flex/records.hpp"

#include "text/hex_format.hpp"

namespace flex {

std::string_view recordName(RecordKind kind) {
  switch (kind) {
    case RecordKind::Base: return "Base";
    case RecordKind::Call: return "Call";
    case RecordKind::GprsLabel: return "GPRS";
  }
  return "";
}

std::string formattedView(std::string_view record) {
  if (record.size() <= kHeaderLength) return {};
  return spacePairs(record.substr(kHeaderLength));
}

std::size_t placeFileLines(RecordSet& slots, const std::vector<std::string>& lines) {
  const std::size_t reached = lines.size() < slots.size() ? lines.size() : slots.size();
  for (std::size_t slot = 0; slot < reached; ++slot) slots[slot] = lines[slot];
  return reached;
}

}  // namespace flex
