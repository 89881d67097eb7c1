// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// ".hs" flex files: one record per line, CR LF after every line, 8-bit text.
#include <cstddef>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace flex {

inline constexpr std::string_view kFileFilterName = "Motorola A835 FLEX (.hs)";
inline constexpr std::string_view kFileFilterPattern = "*.hs";
inline constexpr std::size_t kMaxFileSize = 1024 * 1024;  // larger files are refused

// The longest record a file can bring into slot 0, 1 or 2: all of the largest file, less the
// line end before each slot after the first.
constexpr std::size_t longestLoadableRecord(std::size_t slot) { return kMaxFileSize - slot; }

// Splits file content into lines: a CR ends a line and takes a directly following LF with it;
// a lone LF stays in the line; the last line needs no line end; an empty content has no line.
std::vector<std::string> splitFlexLines(std::string_view content);

// Each non-empty record followed by CR LF, in order; empty records write nothing.
std::string joinFlexLines(const std::vector<std::string>& records);

struct FileResult {
  bool ok = false;
  std::string content;  // what was read (reads only)
  std::string reason;   // why it failed, in Italian, UTF-8
};

// Reads a whole regular file of at most kMaxFileSize bytes.
FileResult readFlexFile(const std::string& path);

// The files whose previous content this session has kept as NAME~, and those it created: each
// is backed up at its first save only, so that NAME~ holds what it held before the session.
class BackupLog {
 public:
  bool contains(const std::string& key) const { return keys_.contains(key); }
  void insert(std::string key) { keys_.insert(std::move(key)); }

 private:
  std::set<std::string> keys_;  // the folder (device and inode number) and the name in it
};

struct SaveOptions {
  BackupLog* backups = nullptr;  // keep NAME~ before a file is first replaced; null: keep none
};

// Writes content to path so that the file either holds all of it or keeps what it held.
// - Links are followed (in a sticky folder that everyone may write, only those of the user or
//   of the folder's owner); a link to something no path names (a pipe, a deleted file, as in
//   /proc/self/fd) and an existing path that is no regular file are written in place.
// - A regular file is replaced by a new file written unnamed in its folder and named only
//   when complete and flushed: a save stopped at any moment leaves the old file or the new one,
//   and no temporary file. The new file keeps the old one's owner, group, mode and extended
//   attributes (the access list among them). Where it cannot (another user's file, one with
//   more than one name, an attribute that cannot be set, a name the system will not replace),
//   the file is written in place, after its previous content has been copied to NAME~.
// - An existing file the user may not write, and content over kMaxFileSize, are refused.
FileResult writeFlexFile(const std::string& path, std::string_view content,
                         const SaveOptions& options = {});

}  // namespace flex
