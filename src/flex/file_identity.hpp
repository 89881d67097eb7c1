// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a file was when the editor last loaded or saved it, so that a change by another program
// (or another window) is noticed before a save replaces it: its device and inode number (which
// tell that another name leads to the same file), its size and a hash of its bytes. The bytes
// decide: a time or an inode alone cannot tell a change (a coarse clock keeps the time of a
// rewrite within one tick; a touch, or the same bytes renamed over the file, change them with
// nothing to lose).
#include <sys/stat.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "flex/file_context.hpp"

namespace flex {

struct FileIdentity {
  bool known = false;  // false: no regular file was loaded or saved (a device, a FIFO, none)
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  std::int64_t size = 0;
  std::uint64_t hash = 0;  // contentHash() of the bytes

  bool operator==(const FileIdentity&) const = default;
};

enum class DiskChange : std::uint8_t {
  None,     // as it was (or nothing to compare with)
  Changed,  // other bytes, or no longer a regular file
  Gone,     // no file by that name any more: deleted or renamed
};

// A 64-bit hash of `bytes` (not a cryptographic one: it tells versions of a file apart).
std::uint64_t contentHash(std::string_view bytes);

// The identity of a regular file whose metadata are `info` and whose bytes are `content`; unknown
// for anything else.
FileIdentity identityOf(const struct stat& info, std::string_view content);

// What a save that wrote `content` left at `path` (links followed); unknown for a path that
// names one of the program's own descriptors, or a file that holds more than `content`.
FileIdentity identityAfterSave(const std::string& path, std::string_view content,
                               const FileContext& context = {});

// Whether two paths lead to one file now (links followed).
bool sameFile(const std::string& one, const std::string& other, const FileContext& context = {});

// How the file at `path` stands against `known`, the identity of the file last loaded or saved
// as `knownPath`. A path that is not `knownPath` counts only when it leads to the same file (a
// link, another spelling). The bytes are read when the size matches.
DiskChange compareWithDisk(const std::string& path, const std::string& knownPath,
                           const FileIdentity& known, const FileContext& context = {});

}  // namespace flex
