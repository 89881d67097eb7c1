// SPDX-License-Identifier: GPL-3.0-or-later
#include "flex/flex_file.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <utility>

#include "flex/safe_write.hpp"
#include "flex/save_target.hpp"
#include "flex/system_calls.hpp"

namespace flex {
namespace {

constexpr std::string_view kTooLarge = "il file supera 1 MiB";

FileResult failure(int err) { return {false, {}, errorText(err)}; }
FileResult failure(std::string reason) { return {false, {}, std::move(reason)}; }
FileResult success() { return {true, {}, {}}; }

// Names the file for the backup log: the folder's device and inode number, and the name in it.
std::string backupKey(int folder, const std::string& name) {
  struct stat info {};
  ::fstat(folder, &info);
  return std::to_string(info.st_dev) + ":" + std::to_string(info.st_ino) + "/" + name;
}

std::string backupFailure(const std::string& name, int err) {
  return "la copia di sicurezza \"" + name + "~\" non si può scrivere: " + errorText(err);
}

// An existing regular file: replaced by a new one, or written in place when a new one cannot
// stand in for it; NAME~ first when a backup is due or the file is written in place.
FileResult replaceFile(int folder, const std::string& name, std::string_view content,
                       BackupLog* log) {
  auto& sys = systemCalls();
  const int readable = O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
  Fd original(sys.openat(folder, name.c_str(), readable, 0));
  const int readError = original.valid() ? 0 : errno;
  if (!original.valid())  // a file that may be written but not read: its metadata all the same
    original.reset(sys.openat(folder, name.c_str(), O_PATH | O_NOFOLLOW | O_CLOEXEC, 0));
  if (!original.valid()) return failure(errno);
  const FileMetadata metadata = readMetadata(original.get());
  const std::string key = backupKey(folder, name);
  const bool backedUp = log && log->contains(key);  // earlier in this session
  Fd backup;
  const auto makeBackup = [&]() -> std::string {
    if (readError) return backupFailure(name, readError);
    const Fill copy = [&](int fd) { return copyAll(original.get(), fd); };
    const WriteOutcome made = writeNewFile(folder, name + "~", copy, &metadata, false, &backup);
    return made.step == WriteStep::Done ? "" : backupFailure(name, made.err);
  };
  if (log && !backedUp)
    if (std::string why = makeBackup(); !why.empty()) return failure(std::move(why));
  WriteOutcome outcome{WriteStep::InPlace, 0};
  if (metadata.info.st_nlink <= 1) {
    const Fill fill = [content](int fd) { return writeAll(fd, content); };
    outcome = writeNewFile(folder, name, fill, &metadata, true);
  }
  if (outcome.step == WriteStep::Failed) return failure(outcome.err);
  if (outcome.step == WriteStep::InPlace) {
    if (!backup.valid() && !backedUp)
      if (std::string why = makeBackup(); !why.empty()) return failure(std::move(why));
    bool restored = false;
    if (const int err = writeInPlace(folder, name, false, content, backup.get(), restored))
      return failure(errorText(err) +
                     (restored ? "" : "; la copia di sicurezza è in \"" + name + "~\""));
  }
  if (log) log->insert(key);
  return success();
}

}  // namespace

std::vector<std::string> splitFlexLines(std::string_view content) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < content.size()) {
    const auto cr = content.find('\r', start);
    if (cr == std::string_view::npos) {
      lines.emplace_back(content.substr(start));
      break;
    }
    lines.emplace_back(content.substr(start, cr - start));
    start = cr + 1;
    if (start < content.size() && content[start] == '\n') ++start;
  }
  return lines;
}

std::string joinFlexLines(const std::vector<std::string>& records) {
  std::string out;
  for (const auto& record : records) {
    if (record.empty()) continue;
    out += record;
    out += "\r\n";
  }
  return out;
}

FileResult readFlexFile(const std::string& path) {
  auto& sys = systemCalls();
  Fd fd(sys.openat(AT_FDCWD, path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK, 0));
  if (!fd.valid()) return failure(errno);
  struct stat st {};
  if (::fstat(fd.get(), &st) != 0) return failure(errno);
  if (S_ISDIR(st.st_mode)) return failure(EISDIR);
  if (!S_ISREG(st.st_mode)) return failure(std::string("non è un file normale"));
  if (static_cast<std::uint64_t>(st.st_size) > kMaxFileSize) return failure(std::string(kTooLarge));

  FileResult result{true, {}, {}};
  char buffer[65536];
  for (;;) {
    const ssize_t n = sys.read(fd.get(), buffer, sizeof buffer);
    if (n < 0) {
      if (errno == EINTR) continue;
      return failure(errno);
    }
    if (n == 0) break;
    result.content.append(buffer, static_cast<std::size_t>(n));
    if (result.content.size() > kMaxFileSize) return failure(std::string(kTooLarge));
  }
  return result;
}

FileResult writeFlexFile(const std::string& path, std::string_view content,
                         const SaveOptions& options) {
  if (content.size() > kMaxFileSize) return failure(std::string(kTooLarge));
  if (path.empty()) return failure(ENOENT);
  SaveTarget target;
  if (const int err = findSaveTarget(path, target)) return failure(err);
  const int folder = target.folder.get();
  const std::string& name = target.name;
  bool restored = false;
  const auto inPlace = [&](bool followLink) {
    const int err = writeInPlace(folder, name, followLink, content, -1, restored);
    return err == 0 ? success() : failure(err);
  };
  if (target.throughLink) return inPlace(true);
  struct stat info {};
  if (::fstatat(folder, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0) {
    if (S_ISDIR(info.st_mode)) return failure(EISDIR);
    if (!S_ISREG(info.st_mode)) return inPlace(false);
    if (::faccessat(folder, name.c_str(), W_OK, AT_EACCESS) != 0) return failure(errno);
    return replaceFile(folder, name, content, options.backups);
  }
  if (errno != ENOENT) return failure(errno);
  const Fill fill = [content](int fd) { return writeAll(fd, content); };
  const WriteOutcome made = writeNewFile(folder, name, fill, nullptr, false);
  if (made.step != WriteStep::Done) return failure(made.err);
  if (options.backups) options.backups->insert(backupKey(folder, name));
  return success();
}

}  // namespace flex
