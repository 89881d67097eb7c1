// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What one byte of a record means: its place, its value and the options that live on it.
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "options/option_set.hpp"

namespace flex {

struct ByteOption {
  std::size_t row;           // row of the option set
  std::string_view id;       // the option's, as the set holds it
  std::string_view caption;  // UTF-8
  int mask;                  // every bit the option writes or reads on this byte
  int state;                 // the box's current state, 0 or 1
};

struct ByteInfo {
  std::size_t slot = 0;    // 0 Base, 1 Call, 2 GPRS label
  std::size_t offset = 0;  // byte offset in the record, from 0
  std::string pair;        // the two characters at the byte (fewer at the record's end)
  int value = -1;          // -1 when the pair is no valid byte
  std::vector<ByteOption> options;
};

// The byte at `offset` of `record` (slot 0, 1 or 2), with the options of `options` on it and
// their states taken from `states` (by row). The result points into `options`.
ByteInfo inspectByte(const OptionSet& options, std::size_t slot, std::string_view record,
                     std::size_t offset, std::span<const int> states);

// "8, 6, 5" for the bits of a mask, most significant first.
std::string maskBits(int mask);

}  // namespace flex
