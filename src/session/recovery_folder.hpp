// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The folder of recovery copies (the window keeps it in the user's state folder). Each window
// that has changes not saved keeps one copy there, "ID.flexrecovery", written as a save writes a
// new file (whole or not at all, flushed to the disk), and holds an flock on "ID.lock" for as
// long as it lives. A copy whose lock can be taken belongs to no running window: it is an orphan,
// left by a crash, a kill or a power cut, and may be offered; the lock taken then keeps any other
// window from offering it at the same time.
#include <string>
#include <vector>

#include "flex/fd.hpp"
#include "flex/file_context.hpp"
#include "session/recovery_copy.hpp"

namespace flex {

class RecoveryFolder;

// The flock on one copy's lock file, held while this object lives (or until removed).
class RecoveryLock {
 public:
  explicit RecoveryLock(const SystemCalls& calls) : fd_(calls) {}
  const std::string& id() const { return id_; }
  bool held() const { return fd_.valid(); }

 private:
  friend class RecoveryFolder;
  std::string id_;
  Fd fd_;
};

class RecoveryFolder {
 public:
  explicit RecoveryFolder(std::string path, FileContext files = {})
      : path_(std::move(path)), files_(std::move(files)) {}
  // The locks made here refer to its system calls: it must outlive them and stay in place.
  RecoveryFolder(const RecoveryFolder&) = delete;
  RecoveryFolder& operator=(const RecoveryFolder&) = delete;

  const std::string& path() const { return path_; }
  std::string copyPath(const std::string& id) const;

  // The ids of the copies in the folder, in the order of their names (none when it cannot be
  // read).
  std::vector<std::string> ids() const;
  // The lock of copy `id`, taken without waiting; not held() when its window runs (or the lock
  // file cannot be made).
  RecoveryLock lock(const std::string& id) const;
  // A new id's lock, for a window's first copy; the folder is made (for the user only) when
  // missing. Not held() when that fails: `err` tells why.
  RecoveryLock newLock(int& err) const;

  // Writes the copy of `lock`'s id, replacing the one before. Returns 0 or the error number.
  int write(const RecoveryLock& lock, const RecoveryCopy& copy) const;
  RecoveryRead read(const std::string& id) const;
  // Removes the copy and its lock file, then lets go of the lock. Returns 0 or the error number.
  int remove(RecoveryLock& lock) const;

  // Whether a running window other than `ownId`'s keeps a copy of the file `name` (the same
  // path, or the same file under another path).
  bool heldElsewhere(const std::string& name, const std::string& ownId) const;

 private:
  int makeFolder() const;

  std::string path_;
  FileContext files_;
};

}  // namespace flex
