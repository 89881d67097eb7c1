#pragma once
// ".hs" flex files: one record per line, CR LF after every line, 8-bit text.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace flex {

inline constexpr std::string_view kFileFilterName = "Motorola A835 FLEX (.hs)";
inline constexpr std::string_view kFileFilterPattern = "*.hs";
inline constexpr std::size_t kMaxFileSize = 1024 * 1024;  // larger files are refused

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

// Writes content to path so that the file either holds all of it or keeps what it held:
// a temporary file in the target's folder is written, flushed and renamed over the target.
// A symbolic link is followed and stays; a path that exists and is no regular file (a device,
// a FIFO) is written in place; an existing file the user may not write is refused; a replaced
// file keeps its permission bits.
FileResult writeFlexFile(const std::string& path, std::string_view content);

}  // namespace flex
