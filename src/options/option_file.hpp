// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The user's options file: a JSON object whose "options" array names bits of the Base and Call
// records as options of their own,
//
//   {"options": [
//     {"id": "MyBit", "caption": "My bit", "toolTip": "What it does on the phone",
//      "record": "Base", "position": 181, "bits": [3], "polarity": "ticked sets", "gated": false}
//   ]}
//
// Reading it finds every problem (as data: the faces give it words) and keeps each entry that has
// none. A file over kMaxOptionFileSize bytes, with more than kMaxUserOptions entries, or that is
// not JSON at all, loads nothing. Nothing a file says can reach outside a record: a position must
// be the start of a byte of a record that a flex file can hold.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "flex/file_context.hpp"
#include "flex/file_error.hpp"
#include "options/option_set.hpp"

namespace flex {

inline constexpr std::size_t kMaxOptionFileSize = std::size_t{1} << 20;
inline constexpr std::size_t kMaxUserOptions = 200;

enum class OptionFileIssue : std::uint8_t {
  // The file as a whole: nothing loads.
  Unreadable,      // `error`: why
  TooLarge,        // over kMaxOptionFileSize bytes
  NotJson,         // `value`: "LINE:COLUMN" of the first character that is not JSON
  TooManyEntries,  // `value`: how many
  // The file's shape: at the top (no entry: nothing loads) or in an entry (that one does not).
  WrongType,      // `field` (or the entry itself, or the top level when both are empty) is not
                  // of its type
  MissingField,   // `field` is required
  UnknownField,   // `field` is none of the names above
  RepeatedField,  // `field` is given twice in one object
  // An entry's values (`value`: what the file says, when it says something).
  BadId,                // empty, or other than letters, digits and "_"
  BuiltinId,            // of the form of the built-in ids, CheckN(i) or the window's CheckN_i
  RepeatedId,           // an earlier entry has it
  EmptyCaption,         // empty or only blanks
  ControlInCaption,     // a control character in the caption
  UnknownRecord,        // neither "Base" nor "Call"
  EvenPosition,         // not the first character of a byte's pair
  PositionPastRecords,  // below 1, or past the end of any record a flex file can hold
  NoBits,               // an empty "bits"
  BitOutOfRange,        // a bit number outside 1..8
  RepeatedBit,          // a bit listed twice
  UnknownPolarity,      // neither "ticked sets" nor "ticked clears"
};

struct OptionFileProblem {
  OptionFileIssue issue{};
  std::optional<std::size_t> entry{};  // index in "options", from 0; none for the file as a whole
  std::string id{};                    // the entry's id, when it has one that is a string
  std::string field{};                 // the field concerned, "" for the entry or the file
  std::string value{};                 // what the file says there, or why (see the issue)
  FileError error{};                   // Unreadable
  bool operator==(const OptionFileProblem&) const = default;
};

struct OptionFile {
  bool found = true;  // false: nothing at the path (for the default file, not a problem)
  std::vector<UserOption> options;  // the entries without a problem, in file order
  std::vector<OptionFileProblem> problems;
};

// True for an id a user's option may have: letters, digits and "_", and not of the form of the
// built-in ids.
bool isUserOptionId(std::string_view id);

// The options in `content`, the text of an options file.
OptionFile parseOptionFile(std::string_view content);

// The options in the file at `path` (the file system's bytes). A file that is not there is
// Unreadable and not `found`.
OptionFile readOptionFile(const std::string& path, const FileContext& context = {});

}  // namespace flex
