// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a session's saves did to files, kept by file (device and inode number), so that a second
// name of the same file counts as the same file: which were backed up as NAME~ or created (NAME~
// is written at a file's first save only, and holds what it held before the session), and which
// an in-place write left torn (no NAME~ is ever copied from those).
#include <sys/stat.h>

#include <compare>
#include <set>

namespace flex {

struct FileId {
  dev_t device = 0;
  ino_t inode = 0;
  auto operator<=>(const FileId&) const = default;
};
inline FileId fileIdOf(const struct stat& info) { return {info.st_dev, info.st_ino}; }

class BackupLog {
 public:
  bool covers(FileId file) const { return covered_.contains(file); }
  // Backed up or created this session; also the new file that replaced one that was.
  void noteCovered(FileId file) { covered_.insert(file); }
  // A file replaced by a new one is gone, and the system may give its number to a file made
  // later: that one is another file, with no backup yet.
  void forget(FileId file) {
    covered_.erase(file);
    torn_.erase(file);
  }
  bool torn(FileId file) const { return torn_.contains(file); }
  void noteTorn(FileId file, bool torn) {
    if (torn)
      torn_.insert(file);
    else
      torn_.erase(file);
  }

 private:
  std::set<FileId> covered_, torn_;
};

}  // namespace flex
