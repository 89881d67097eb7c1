// SPDX-License-Identifier: GPL-3.0-or-later
#include "options/byte_inspector.hpp"

#include <cstdio>

#include "options/option_rules.hpp"
#include "text/ansi.hpp"

namespace flex {
namespace {

std::string hex(std::size_t value, int width) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%0*zX", width, value);
  return buffer;
}

}  // namespace

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

std::string byteToolTip(const ByteInfo& info) {
  static constexpr const char* kRecords[] = {"Base", "Call", "GPRS"};
  std::string out = "Record " + std::string(kRecords[info.slot < 3 ? info.slot : 2]) + ", byte 0x" +
                    hex(info.offset, 2) + " (" + std::to_string(info.offset) + ")";
  if (info.value >= 0) {
    std::string binary;
    for (int bit = 7; bit >= 0; --bit) {
      binary += (info.value >> bit & 1) ? '1' : '0';
      if (bit == 4) binary += ' ';
    }
    out += "\nValore: " + info.pair + " = " + std::to_string(info.value) + " = " + binary;
  } else {
    out += "\nValore non valido: \"" + ansi::toUtf8(info.pair) + "\"";
  }
  for (const ByteOption& o : info.options) {
    out += '\n';
    out.append(o.id).append(" ").append(o.caption).append(": ");
    if (o.mask == 0xFF) {
      out += "byte intero";
    } else {
      out += "bit ";
      out += maskBits(o.mask);
    }
    out += o.state ? " (attiva)" : " (non attiva)";
  }
  return out;
}

}  // namespace flex
