// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The ways a save writes a file. Three go through a new file (see new_file.hpp), so that a save
// stopped at any moment leaves the old file or the new one: a file where there was none, a file
// that replaces an old one, a copy (NAME~, a restore copy). The others write through the existing
// file, for what a new file cannot stand in for (special files, the program's own descriptors,
// shared or foreign files), and keep a rollback copy of what a regular file held, to put back
// when the write fails.
//
// Each returns 0 or the error number (or kMoved), or the error with the step that failed.
#include <optional>
#include <string>
#include <string_view>

#include "flex/backup_log.hpp"
#include "flex/fd.hpp"
#include "flex/file_error.hpp"
#include "flex/file_metadata.hpp"
#include "flex/system_calls.hpp"

namespace flex {

// What a write through a new file did: its error, whether the file has its name all the same
// (only flushing the folder failed), and the new file.
struct Written {
  int err = 0;
  bool named = false;
  FileId made{};
};

// A new file at `name` in `folder`, where there was none, as any program creates one; kMoved
// when something took the name since.
Written createFile(const SystemCalls& calls, int folder, const std::string& name,
                   std::string_view content, bool appendOnly);

// A file of the program's own at `name` in `folder` (a recovery copy): written as a new one,
// then put in place of whatever has the name, with what earlier writes killed half-way left.
int putOwnFile(const SystemCalls& calls, int folder, const std::string& name,
               std::string_view content);

// A new file that takes the old one's owner, group, mode and attributes and replaces it. When
// it cannot take them all, or the system will not replace `name` (a mount point, another file
// system), nothing is changed and `inPlaceInstead` tells that the file must be written in place.
struct Replacement : Written {
  bool inPlaceInstead = false;
};
Replacement replaceFile(const SystemCalls& calls, int folder, const std::string& name,
                        std::string_view content, const FileMetadata& old);

// A copy of what the open file `from` holds, with its metadata as far as a copy may take them
// (see MetadataCopy::Lenient), at `copyName` in `folder`: replacing an earlier copy in one
// rename, or (`replaceEarlier` false) only where there is none, else kMoved.
int writeBackup(const SystemCalls& calls, int folder, const std::string& copyName, int from,
                const FileMetadata& old, bool replaceEarlier = true);

// Opens `name` in `folder` for writing in place, following it when it is a link: O_NONBLOCK so
// that a FIFO without a reader is refused (ENXIO) rather than waited for, then blocking writes.
int openInPlace(const SystemCalls& calls, int folder, const std::string& name, bool followLink,
                Fd& fd);

// Writes `content` through `fd` where nothing can be cut or put back (a device, a FIFO, a
// descriptor of the program's own), and flushes it when it is a regular file.
int writeThrough(const SystemCalls& calls, int fd, std::string_view content);

// Writes `content` over the regular file open for writing at `fd`: first copies what it holds
// (read through `source`) into `rollback`, an unnamed file in memory or in `folder` (step
// RollbackCopy); then writes, cuts to the content's length and flushes (InPlace); when that
// fails, puts the copy back (the step is then InPlace, or Restore when the old content could
// not be put back; `rollback` still holds it).
std::optional<FileError> writeOver(const SystemCalls& calls, int folder, int fd, int source,
                                   std::string_view content, Fd& rollback);

// Writes all of `data` (EINTR and short writes taken care of); returns 0 or the error number.
int writeAll(const SystemCalls& calls, int fd, std::string_view data);
// Copies what `from` holds, from its start, into `to` at its current place.
int copyAll(const SystemCalls& calls, int from, int to);

}  // namespace flex
