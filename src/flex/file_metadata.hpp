// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a replaced file keeps: owner, group, mode and every extended attribute (the access list
// among them).
#include <sys/stat.h>

#include <string>
#include <utility>
#include <vector>

#include "flex/system_calls.hpp"

namespace flex {

struct FileMetadata {
  struct stat info {};
  std::vector<std::pair<std::string, std::string>> attributes;  // name, value
  bool attributesKnown = true;  // false when they could not all be read
};

// Reads the metadata of the open file `fd` (open for reading or writing, not only as a path).
// Returns 0 or the error number of its fstat; attributes that cannot be read leave
// `attributesKnown` false.
int readMetadata(const SystemCalls& calls, int fd, FileMetadata& metadata);

// How a new file takes another's metadata. All: owner, group, mode and every attribute, or the
// error number that tells why not. Lenient (a copy): owner and group where it may, else the
// group alone, and the mode; narrowed to its owner's access when it could not take the group or
// every attribute (an access list), so that a copy never lets anyone read what the file did not.
enum class MetadataCopy { All, Lenient };
int applyMetadata(const SystemCalls& calls, int fd, const FileMetadata& metadata,
                  MetadataCopy copy);

}  // namespace flex
