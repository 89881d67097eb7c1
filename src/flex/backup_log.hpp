// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The files whose previous content a session has kept as NAME~, and those it created: each is
// backed up at its first save only, so that NAME~ holds what it held before the session.
#include <set>
#include <string>
#include <utility>

namespace flex {

class BackupLog {
 public:
  // A key names a file: its folder (device and inode number) and the name in it.
  bool backedUp(const std::string& key) const { return backedUp_.contains(key); }
  bool covers(const std::string& key) const { return backedUp(key) || created_.contains(key); }
  void noteBackup(std::string key) { backedUp_.insert(std::move(key)); }
  void noteCreated(std::string key) { created_.insert(std::move(key)); }

 private:
  std::set<std::string> backedUp_, created_;
};

}  // namespace flex
