// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a save writes: the folder that holds the file, as an open descriptor, and the file's
// name in it, with every symbolic link followed. Working from the folder's descriptor keeps every
// name short, so any path the system accepts can be saved.
#include <string>

#include "flex/fd.hpp"
#include "flex/system_calls.hpp"

namespace flex {

struct SaveTarget {
  explicit SaveTarget(const SystemCalls& calls) : folder(calls) {}
  Fd folder;
  std::string name;  // one folder entry: a regular file, a special file, or no file yet
  // `name` is a link to something no path names (a pipe, a socket, a deleted file, as in
  // /proc/self/fd): it is written in place through the link itself.
  bool throughLink = false;
};

// Follows the links of `path` one by one, growing the buffer until a link's text fits. A link
// in a sticky folder that everyone may write is followed only as the kernel would: when it
// belongs to the user or to the folder's owner. Returns 0 or the error number.
int findSaveTarget(const SystemCalls& calls, const std::string& path, SaveTarget& target);

}  // namespace flex
