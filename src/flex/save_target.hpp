// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a save writes: the folder that holds the file, as an open descriptor, and the file's
// name in it, with every symbolic link followed; or one of the program's own open descriptors.
// Working from the folder's descriptor keeps every name short, so any path the system accepts
// can be saved.
#include <optional>
#include <string>
#include <string_view>

#include "flex/fd.hpp"
#include "flex/system_calls.hpp"

namespace flex {

struct SaveTarget {
  explicit SaveTarget(const SystemCalls& calls) : folder(calls) {}
  Fd folder;         // open for reading where it may be read (to flush and list it), else as a path
  std::string name;  // one folder entry: a regular file, a special file, or no file yet
  // `name` is a link to something no path names (a pipe, a socket, a deleted file, as in
  // /proc/PID/fd): it is written in place through the link itself.
  bool throughLink = false;
  // The path names this open descriptor of the program's own (/dev/stdout, /dev/fd/N ...): it
  // is written through that descriptor, as a shell would, never opened again. -1: none.
  int descriptor = -1;
};

// Follows `path` one name at a time from "/" or the current folder. Every link on the way is
// followed only as the kernel's protected_symlinks would: in a sticky folder that everyone may
// write, only when it belongs to the user or to the folder's owner; and a file another user put
// in such a folder is not written (as protected_fifos and protected_regular have it). Returns 0,
// the error number, or kMoved.
int findSaveTarget(const SystemCalls& calls, const std::string& path, SaveTarget& target);

// The descriptor that `path` names by one of its usual names, whether /proc is mounted or not:
// /dev/stdin, /dev/stdout, /dev/stderr, /dev/fd/N, /proc/self/fd/N, /proc/thread-self/fd/N and
// /proc/PID/fd/N with the program's own PID `self`.
std::optional<int> descriptorNamed(std::string_view path, pid_t self);

}  // namespace flex
