// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two ways a file is written. A new file: written unnamed in the target's folder, flushed,
// and only then given its name, so that a save stopped at any moment leaves either the old file
// or the new one and no temporary file. In place: through the existing file, for what a new file
// cannot stand in for (special files, shared or foreign files).
#include <sys/stat.h>

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "flex/system_calls.hpp"

namespace flex {

// What a replaced file keeps: owner, group, mode and every extended attribute (the access
// list among them).
struct FileMetadata {
  struct stat info {};
  std::vector<std::pair<std::string, std::string>> attributes;  // name, value
  bool attributesKnown = true;  // false when they could not all be read
};
FileMetadata readMetadata(int fd);

enum class WriteStep { Done, Failed, InPlace };
struct WriteOutcome {
  WriteStep step = WriteStep::Done;
  int err = 0;
};

// Writes the content of the new file into the descriptor; returns 0 or the error number.
using Fill = std::function<int(int fd)>;

// Gives `name` in `folder` a new file that `fill` writes. Without `metadata` it is a new file as
// any program creates it. With `metadata` it takes the owner, group, mode and attributes given;
// when `strict`, a file that cannot take them all, or a name the system will not replace (a
// mount point, another file system), asks for InPlace; otherwise it keeps at least the mode
// (no more than the owner's access when the access list cannot be copied). `kept` receives the
// new file's descriptor, open for reading and writing.
WriteOutcome writeNewFile(int folder, const std::string& name, const Fill& fill,
                          const FileMetadata* metadata, bool strict, Fd* kept = nullptr);

// Writes `content` over the file at `name` in `folder` (following it when it is a link). A
// regular file is cut to the content's length and flushed; when that fails and `previous` is
// an open copy of the old content, the old content is put back. Returns 0 or the error number;
// `restored` tells whether the old content is back.
int writeInPlace(int folder, const std::string& name, bool followLink, std::string_view content,
                 int previous, bool& restored);

// Writes all of `data` (EINTR and short writes taken care of); returns 0 or the error number.
int writeAll(int fd, std::string_view data);
// Copies what `from` holds, from its start, into `to` at its current place.
int copyAll(int from, int to);

}  // namespace flex
