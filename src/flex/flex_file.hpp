// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// ".hs" flex files: one record per line, CR LF after every line, 8-bit text.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "flex/backup_log.hpp"
#include "flex/file_context.hpp"
#include "flex/file_error.hpp"
#include "flex/file_identity.hpp"

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

struct ReadResult {
  std::string content;
  std::optional<FileError> error;  // step Read
  FileIdentity identity{};         // of the file read, for a later look at whether it changed
};

// Reads a whole regular file of at most `limit` bytes.
ReadResult readFlexFile(const std::string& path, const FileContext& context = {},
                        std::size_t limit = kMaxFileSize);

struct SaveOptions {
  // What this session's saves did to files (backups kept, files left torn); null: nothing.
  BackupLog* log = nullptr;
  // Keep NAME~ at a file's first save in the session (with `log`), so that it holds what the
  // file held before; without, NAME~ is written before every in-place write.
  bool keepBackups = false;
};

// Writes content to path so that the file either holds all of it or keeps what it held.
// - A path that names one of the program's own open descriptors (/dev/stdout, /dev/fd/N,
//   /proc/self/fd/N ...) is written through that descriptor, as a shell would.
// - Links are followed (in a sticky folder that everyone may write, only those of the user or
//   of the folder's owner, at every step of the path); a link to something no path names (a
//   pipe, a deleted file, as in /proc/PID/fd) and an existing path that is no regular file are
//   written in place. A file another user put in such a sticky folder is not written.
// - A regular file is replaced by a new file written unnamed in its folder and named only
//   when complete and flushed: a save stopped at any moment leaves the old file or the new one,
//   and what it left under a temporary name goes at the next save of the file. The new file
//   keeps the old one's owner, group, mode and extended attributes (the access list among
//   them). Where it cannot (another user's file, one with more than one name, an attribute that
//   cannot be set, a name the system will not replace, a folder the user may not write or that
//   keeps every name it has), the file is written in place, after its previous content has been
//   copied to NAME~ (which a save killed half-way leaves; with backups kept only when none was
//   made this session; in the restore folder where NAME~ cannot be made) and to an unnamed
//   rollback copy (put back when the write fails).
// - An existing file the user may not write, and content over kMaxFileSize, are refused.
// Returns the error, or nothing when the content is saved.
std::optional<FileError> writeFlexFile(const std::string& path, std::string_view content,
                                       const SaveOptions& options = {},
                                       const FileContext& context = {});

}  // namespace flex
