// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What tells two flexes apart: the options whose state differs, the bytes no option explains,
// and differences of length, header and trailing word.
#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "options/option_set.hpp"

namespace flex {

struct OptionDifference {
  std::size_t row;  // row of the option set
  int a;            // state read back from the first flex
  int b;            // ... from the second
};

struct ByteDifference {
  std::size_t slot;
  std::size_t offset;  // byte offset in the record
  std::string a;       // the two characters in the first flex
  std::string b;
};

enum class RecordPart { Length, Header, TrailingWord, Content };

struct RecordDifference {
  std::size_t slot;
  RecordPart part;
  std::string a;  // the length in decimal, or the characters of that part
  std::string b;
};

struct FlexDiff {
  std::vector<OptionDifference> options;
  std::vector<ByteDifference> bytes;
  std::vector<RecordDifference> records;
  bool equal = true;  // the three records are the same, character for character
};

// A data byte that differs is explained when every differing bit belongs to an option on that
// byte whose state differs; a differing "GPRS Null" or "GPRS Personale" explains the whole label
// record. The options are those of `options`, in the order of its byId().
FlexDiff diffFlexes(const OptionSet& options, const RecordSet& a, const RecordSet& b);

}  // namespace flex
