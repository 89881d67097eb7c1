// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Why a load or a save failed, as data: the step that failed, the reason, and the names a person
// needs to know. The faces turn it into words (session/message_catalog.hpp).
#include <cstdint>
#include <string>

namespace flex {

enum class FileStep : std::uint8_t {
  Read,          // loading: opening, examining or reading the file
  Check,         // saving, before anything is written: the content's size, the path and its
                 // links, the kind of file, the right to write it
  Backup,        // writing NAME~, the kept copy of what the file held
  RollbackCopy,  // copying what the file holds before it is written in place
  Create,        // a new file where there was none: written, flushed, named
  Replace,       // the new file that replaces the old one: written, flushed, named over it
  InPlace,       // writing over the file itself; when it fails, a regular file is put back
  Restore,       // the in-place write failed and what the file held could not be put back
};

enum class FileReason : std::uint8_t {
  SystemError,  // a system call failed: `err`
  NotRegular,   // a load of something that is no regular file (a FIFO, a device)
  TooLarge,     // over kMaxFileSize: a file to load, or a flex to save
  // A save over the file last loaded or saved, refused (nobody was there to ask) because another
  // program changed it since, or because it is no longer there.
  ChangedOnDisk,
  GoneFromDisk,
};

struct FileError {
  FileStep step = FileStep::Read;
  FileReason reason = FileReason::SystemError;
  int err = 0;  // the error number, for SystemError
  // The copy the step concerns, as a name in the file's folder: Backup, the NAME~ that could not
  // be written; Restore, the NAME~ that holds an earlier content ("" when there is none).
  std::string copy;

  bool operator==(const FileError&) const = default;
};

// A step that failed for a system error.
inline FileError systemError(FileStep step, int err) {
  return {step, FileReason::SystemError, err, {}};
}

}  // namespace flex
