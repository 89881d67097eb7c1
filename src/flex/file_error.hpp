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
  Flush,         // the file is saved under its name, but flushing its folder failed: the new
                 // name may not be on the disk yet
};

enum class FileReason : std::uint8_t {
  SystemError,  // a system call failed: `err`
  NotRegular,   // a load of something that is no regular file (a FIFO, a device)
  TooLarge,     // over kMaxFileSize: a file to load, or a flex to save
  // A save over the file last loaded or saved, refused (nobody was there to ask) because another
  // program changed it since, or because it is no longer there.
  ChangedOnDisk,
  GoneFromDisk,
  Moved,  // the path kept leading elsewhere while the save looked at it (a racing rename)
};

// Why a copy of the file is not beside it as NAME~ but in the folder for restore copies.
enum class CopyObstacle : std::uint8_t {
  None,
  Folder,     // the folder may not be written, or lets no name be replaced (append-only)
  LongName,   // NAME~ would be longer than a name may be
  NameTaken,  // NAME~ is something that may not be replaced (a folder, another user's file)
};

struct FileError {
  FileStep step = FileStep::Read;
  FileReason reason = FileReason::SystemError;
  int err = 0;  // the error number, for SystemError
  // The copy the step concerns: a name in the file's folder (NAME~) or a path in the folder for
  // restore copies. Backup: the copy that could not be written; Restore: the copy that holds what
  // the file held right before the failed write ("" when there is none).
  std::string copy;
  CopyObstacle obstacle = CopyObstacle::None;  // why `copy` is not NAME~ beside the file

  bool operator==(const FileError&) const = default;
};

// Returned instead of an error number where a name led elsewhere between two looks at it (a
// racing rename): the save starts again, and fails with reason Moved when that keeps happening.
inline constexpr int kMoved = -1;

// A step that failed for a system error.
inline FileError systemError(FileStep step, int err) {
  return {step, FileReason::SystemError, err, {}, CopyObstacle::None};
}

}  // namespace flex
