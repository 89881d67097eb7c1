// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What one byte of a record means: its place, its value and the options that live on it.
#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "options/option_catalog.hpp"

namespace flex {

struct ByteOption {
  std::size_t row;  // catalogue row
  int mask;         // every bit the option writes or reads on this byte
  int state;        // the box's current state, 0 or 1
};

struct ByteInfo {
  std::size_t slot = 0;    // 0 Base, 1 Call, 2 GPRS label
  std::size_t offset = 0;  // byte offset in the record, from 0
  std::string pair;        // the two characters at the byte (fewer at the record's end)
  int value = -1;          // -1 when the pair is no valid byte
  std::vector<ByteOption> options;
};

// The byte at `offset` of `record` (slot 0, 1 or 2), with the options on it and their states
// taken from `states` (by catalogue row).
ByteInfo inspectByte(std::size_t slot, std::string_view record, std::size_t offset,
                     const std::array<int, kOptionCount>& states);

// "8, 6, 5" for the bits of a mask, most significant first.
std::string maskBits(int mask);

}  // namespace flex
