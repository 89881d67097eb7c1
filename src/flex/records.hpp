// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The three records of a flex, the slots that hold them, and the layout of a record: a 22-byte
// header (44 hex digits), the data bytes, a trailing word.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace flex {

enum class RecordKind { Base, Call, GprsLabel };

// The record slots in order: Base, Call, GPRS label (ANSI text, see text/ansi.hpp).
using RecordSet = std::array<std::string, 3>;

// The slot that holds each record, and back.
constexpr std::size_t slotOf(RecordKind kind) { return static_cast<std::size_t>(kind); }
constexpr RecordKind recordOfSlot(std::size_t slot) {
  return slot == 0 ? RecordKind::Base : slot == 1 ? RecordKind::Call : RecordKind::GprsLabel;
}

std::string_view recordName(RecordKind kind);  // "Base", "Call", "GPRS"

// Character position (from 1) of the first data byte: the header is not shown.
inline constexpr std::size_t kDataStart = 45;
inline constexpr std::size_t kHeaderLength = 44;

// The formatted view of a record: its characters from kDataStart on, in pairs separated by
// one blank (empty for a record of kHeaderLength characters or fewer).
std::string formattedView(std::string_view record);
// The record byte that pair `pair` (from 0) of the formatted view stands for.
constexpr std::size_t byteOfFormattedPair(std::size_t pair) { return kHeaderLength / 2 + pair; }

// The lines of a .hs file fill the slots from slot 0 on; the slots after the last line keep
// their records and a fourth or later line is ignored. Returns how many slots were reached.
std::size_t placeFileLines(RecordSet& slots, const std::vector<std::string>& lines);

}  // namespace flex
