// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// flexedit-cli diff: two flex files read as "Apri Flex" reads them into a fresh window, and
// what tells them apart, as readable text or as one JSON object.
#include <optional>
#include <string>

#include "options/flex_diff.hpp"

namespace flex::cli {

// The built-in flex: the Base, Call and "GPRS" label records a fresh window starts with.

struct LoadedFlex {
  bool ok = false;
  RecordSet records;
  std::string error;  // UTF-8: the file and why it could not be read
};

// The records a fresh window holds after loading the file: its lines (at most three) replace
// the built-in records from the Base record on, the records after its last line stay built-in.
// No option is clicked: the records are what the file holds.
LoadedFlex loadFlex(const std::string& path);

// `fileA` and `fileB` are the paths as given (any bytes); no `fileB` is the built-in flex.
// `options` is the set the comparison was made with.
std::string diffText(const OptionSet& options, const FlexDiff& diff, const std::string& fileA,
                     const std::optional<std::string>& fileB);

std::string diffJson(const OptionSet& options, const FlexDiff& diff);

}  // namespace flex::cli
