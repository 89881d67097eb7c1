// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The ways a save writes a file. Three go through a new file (see new_file.hpp), so that a save
// stopped at any moment leaves the old file or the new one: a file where there was none, a file
// that replaces an old one, NAME~. The fourth writes through the existing file, for what a new
// file cannot stand in for (special files, shared or foreign files), and keeps a rollback copy
// of what a regular file held, to put back when the write fails.
//
// Each returns 0 or the error number, or the error with the step that failed.
#include <optional>
#include <string>
#include <string_view>

#include "flex/file_error.hpp"
#include "flex/file_metadata.hpp"
#include "flex/system_calls.hpp"

namespace flex {

// A new file at `name` in `folder`, where there was none, as any program creates one.
int createFile(const SystemCalls& calls, int folder, const std::string& name,
               std::string_view content);

// A new file that takes the old one's owner, group, mode and attributes and replaces it. When
// it cannot take them all, or the system will not replace `name` (a mount point, another file
// system), nothing is changed and `inPlaceInstead` tells that the file must be written in place.
struct Replacement {
  int err = 0;
  bool inPlaceInstead = false;
};
Replacement replaceFile(const SystemCalls& calls, int folder, const std::string& name,
                        std::string_view content, const FileMetadata& old);

// NAME~ (`copyName`): what the open file `from` holds, with its metadata as far as it can take
// them, replacing an earlier copy.
int writeBackup(const SystemCalls& calls, int folder, const std::string& copyName, int from,
                const FileMetadata& old);

// Writes `content` over the file at `name` in `folder` (following it when it is a link). A
// regular file is first copied to an unnamed rollback copy (step RollbackCopy), then written,
// cut to the content's length and flushed (InPlace); when that fails the copy is put back (the
// error's step is then InPlace, or Restore when the old content could not be put back).
std::optional<FileError> writeInPlace(const SystemCalls& calls, int folder, const std::string& name,
                                      bool followLink, std::string_view content);

// Writes all of `data` (EINTR and short writes taken care of); returns 0 or the error number.
int writeAll(const SystemCalls& calls, int fd, std::string_view data);
// Copies what `from` holds, from its start, into `to` at its current place.
int copyAll(const SystemCalls& calls, int from, int to);

}  // namespace flex
