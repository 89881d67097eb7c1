// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A file written unnamed in a folder and given its name only when it is complete and on the disk
// (as QSaveFile commits): a save stopped at any moment leaves no half-written file under any name.
// Every save that does not write in place goes through one: a new file, the file that replaces
// an old one, NAME~, a restore copy.
//
// Where it needs a temporary name (to be renamed over an old file, or on a file system without
// unnamed files) it takes a fresh one, ".NAME.flexedit-XXXXXX", and holds a lock on the file while
// the name exists: a name nobody holds is known to be left over by a save killed before its end,
// and the next save of NAME removes it (removeLeftovers). A name in the way is never an obstacle:
// another one is taken.
#include <sys/types.h>

#include <string>

#include "flex/fd.hpp"
#include "flex/system_calls.hpp"

namespace flex {

class NewFile {
 public:
  // `appendOnly`: the folder lets names be made but never removed or replaced (chattr +a); the
  // file then takes no temporary name, and is written under its own where it cannot be unnamed.
  NewFile(const SystemCalls& calls, int folder, bool appendOnly = false)
      : calls_(calls), folder_(folder), appendOnly_(appendOnly), fd_(calls) {}
  ~NewFile();  // a temporary name still held is removed
  NewFile(const NewFile&) = delete;
  NewFile& operator=(const NewFile&) = delete;

  // Creates it, open for reading and writing, with `mode` (less the umask). Returns 0 or the
  // error number.
  int create(const std::string& name, mode_t mode);
  int fd() const { return fd_.get(); }

  // New: `name` was free when the save began; a file that took it since is left alone (kMoved).
  // Over: `name` holds a file, which the new one replaces in one rename.
  enum class Publish { New, Over };
  // Flushes the file, then gives it `name`, then flushes the folder. Returns 0, the error number
  // or kMoved; EBUSY and EXDEV tell that the system will not replace `name` (a mount point).
  // named(): the file has its name, though the folder could not be flushed after.
  int publish(const std::string& name, Publish how);
  bool named() const { return named_; }

 private:
  int createNamed(const std::string& name, mode_t mode);
  int giveName(const std::string& name, Publish how);
  int linkTemporary(const std::string& name);

  const SystemCalls& calls_;
  int folder_;
  bool appendOnly_;
  Fd fd_;
  std::string temp_;     // the file's temporary name, while it has one
  bool direct_ = false;  // created under its own name (an append-only folder)
  bool named_ = false;
};

// Removes from `folder` the temporary names of NAME and NAME~ that saves killed before their
// end left: those of the user's regular files that no running save holds.
void removeLeftovers(const SystemCalls& calls, int folder, const std::string& name);

}  // namespace flex
