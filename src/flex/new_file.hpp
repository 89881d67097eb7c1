// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A file written unnamed in a folder and given its name only when it is complete and on the disk
// (as QSaveFile commits): a save stopped at any moment leaves no half-written file under any name.
// Every save that does not write in place goes through one: a new file, the file that replaces
// an old one, NAME~.
#include <sys/types.h>

#include <string>

#include "flex/fd.hpp"
#include "flex/system_calls.hpp"

namespace flex {

class NewFile {
 public:
  NewFile(const SystemCalls& calls, int folder) : calls_(calls), folder_(folder), fd_(calls) {}
  ~NewFile();  // a temporary name still held is removed
  NewFile(const NewFile&) = delete;
  NewFile& operator=(const NewFile&) = delete;

  // Creates it, open for reading and writing, with `mode` (less the umask): unnamed where the
  // file system allows, else under a fresh hidden name beside `name`. Returns 0 or the error
  // number.
  int create(const std::string& name, mode_t mode);
  int fd() const { return fd_.get(); }

  // New: `name` was free when the save began (a file that took it since is replaced all the
  // same). Over: `name` holds a file, which the new one replaces in one rename.
  enum class Publish { New, Over };
  // Flushes the file, then gives it `name`, then flushes the folder. Returns 0 or the error
  // number; EBUSY and EXDEV tell that the system will not replace `name` (a mount point).
  int publish(const std::string& name, Publish how);

 private:
  int giveName(const std::string& name, Publish how);
  int linkTemporary(const std::string& name);

  const SystemCalls& calls_;
  int folder_;
  Fd fd_;
  std::string temp_;  // the file's temporary name, while it has one
};

}  // namespace flex
