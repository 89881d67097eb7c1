// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A recovery copy: the document of a window with changes not saved, and when it was taken, as
// the bytes of a file that outlives the window (a crash, a kill, a power cut). The format is
// text with lengths, so that any byte of a record or a file name comes back as it was:
//
//   FLEXEDIT RECOVERY 1            the format and its version
//   time 1712345678                seconds since 1970 (UTC)
//   file 11 /tmp/mio.hs            the file name: its length, a blank, its bytes, a line end
//   Base 1264 0042...  Call ...  GPRS ...                   the records
//   FlexBase ...  FlexCall ...  FlexGprsPersonale ...       the working copies, the label
//   loadedBase ...  loadedCall ...  loadedGprs ...          the records as last loaded or saved
//   disk 1 2049 131 376 5f3a...    what the file was then: known, device, inode, size, hash
//   boxes 33                       then one line per built-in box: "Check1(0) 1 1" (id, state,
//                                  toggle), any order, each id once
//   end 0123456789abcdef           FNV-1a 64 of every byte before "end"
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "flex/file_error.hpp"
#include "session/document.hpp"

namespace flex {

struct RecoveryCopy {
  Document document;
  std::int64_t time = 0;  // seconds since 1970 (UTC)
  bool operator==(const RecoveryCopy&) const = default;
};

// Why a recovery file cannot be restored, as data (the message catalogue gives the words).
struct RecoveryProblem {
  enum class Kind : std::uint8_t {
    Unreadable,  // reading it failed: `error`
    Foreign,     // not a recovery copy, or one of a later format this program does not know
    Damaged,     // one of ours, but cut short or changed
  };
  Kind kind = Kind::Damaged;
  FileError error{};  // Unreadable
  bool operator==(const RecoveryProblem&) const = default;
};

std::string encodeRecoveryCopy(const RecoveryCopy& copy);

struct RecoveryRead {
  RecoveryCopy copy;
  std::optional<RecoveryProblem> problem;  // set: `copy` is empty
};
RecoveryRead decodeRecoveryCopy(std::string_view bytes);

}  // namespace flex
