// SPDX-License-Identifier: GPL-3.0-or-later
#include "flex/flex_file.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <utility>

#include "flex/fd.hpp"
#include "flex/file_metadata.hpp"
#include "flex/safe_write.hpp"
#include "flex/save_target.hpp"

namespace flex {
namespace {

FileError refusal(FileStep step, FileReason reason) { return {step, reason, 0, {}}; }

// Names the file for the backup log: the folder's device and inode number, and the name in it.
int backupKey(const SystemCalls& calls, int folder, const std::string& name, std::string& key) {
  struct stat info {};
  if (calls.fstat(folder, &info) != 0) return errno;
  key = std::to_string(info.st_dev) + ":" + std::to_string(info.st_ino) + "/" + name;
  return 0;
}

// An existing regular file: replaced by a new one, or written in place when a new one cannot
// stand in for it. NAME~ first when the backup log asks for one, or (with no log) before an
// in-place write: a rollback copy dies with a save killed half-way, NAME~ stays.
std::optional<FileError> saveOverFile(const SystemCalls& calls, int folder, const std::string& name,
                                      std::string_view content, BackupLog* log) {
  const int readable = O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
  Fd original(calls, calls.openat(folder, name.c_str(), readable, 0));
  const int readError = original.valid() ? 0 : errno;
  if (!original.valid())  // a file that may be written but not read: its metadata all the same
    original.reset(calls.openat(folder, name.c_str(), O_PATH | O_NOFOLLOW | O_CLOEXEC, 0));
  if (!original.valid()) return systemError(FileStep::Check, errno);
  FileMetadata metadata;
  std::string key;
  if (const int err = readMetadata(calls, original.get(), metadata))
    return systemError(FileStep::Check, err);
  if (log)
    if (const int err = backupKey(calls, folder, name, key))
      return systemError(FileStep::Check, err);
  const std::string copyName = name + "~";
  const auto backUp = [&]() -> std::optional<FileError> {
    int err = readError;
    if (err == 0) err = writeBackup(calls, folder, copyName, original.get(), metadata);
    if (err == 0) return std::nullopt;
    return FileError{FileStep::Backup, FileReason::SystemError, err, copyName};
  };
  const bool backupDue = log && !log->covers(key);
  if (backupDue)
    if (auto error = backUp()) return error;
  bool inPlace = metadata.info.st_nlink > 1;
  if (!inPlace) {
    const Replacement replaced = replaceFile(calls, folder, name, content, metadata);
    if (replaced.err != 0 && !replaced.inPlaceInstead)
      return systemError(FileStep::Replace, replaced.err);
    inPlace = replaced.inPlaceInstead;
  }
  if (inPlace) {
    if (!log)
      if (auto error = backUp()) return error;
    if (auto error = writeInPlace(calls, folder, name, false, content)) {
      if (error->step == FileStep::Restore && (!log || log->backedUp(key) || backupDue))
        error->copy = copyName;  // what the file held before the save, or before the session
      return error;
    }
  }
  if (backupDue) log->noteBackup(std::move(key));
  return std::nullopt;
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

ReadResult readFlexFile(const std::string& path, const FileContext& context, std::size_t limit) {
  const SystemCalls& calls = context.calls;
  const auto failed = [](int err) { return ReadResult{{}, systemError(FileStep::Read, err)}; };
  const auto refused = [](FileReason why) { return ReadResult{{}, refusal(FileStep::Read, why)}; };
  Fd fd(calls,
        calls.openat(AT_FDCWD, path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK, 0));
  if (!fd.valid()) return failed(errno);
  struct stat st {};
  if (calls.fstat(fd.get(), &st) != 0) return failed(errno);
  if (S_ISDIR(st.st_mode)) return failed(EISDIR);
  if (!S_ISREG(st.st_mode)) return refused(FileReason::NotRegular);
  if (static_cast<std::uint64_t>(st.st_size) > limit) return refused(FileReason::TooLarge);

  ReadResult result;
  char buffer[65536];
  for (;;) {
    const ssize_t n = calls.read(fd.get(), buffer, sizeof buffer);
    if (n < 0) {
      if (errno == EINTR) continue;
      return failed(errno);
    }
    if (n == 0) break;
    result.content.append(buffer, static_cast<std::size_t>(n));
    if (result.content.size() > limit) return refused(FileReason::TooLarge);
  }
  result.identity = identityOf(st, result.content);
  return result;
}

std::optional<FileError> writeFlexFile(const std::string& path, std::string_view content,
                                       const SaveOptions& options, const FileContext& context) {
  const SystemCalls& calls = context.calls;
  const auto check = [](int err) { return systemError(FileStep::Check, err); };
  if (content.size() > kMaxFileSize) return refusal(FileStep::Check, FileReason::TooLarge);
  if (path.empty()) return check(ENOENT);
  SaveTarget target(calls);
  if (const int err = findSaveTarget(calls, path, target)) return check(err);
  const int folder = target.folder.get();
  const std::string& name = target.name;
  if (target.throughLink) return writeInPlace(calls, folder, name, true, content);
  struct stat info {};
  if (calls.fstatat(folder, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0) {
    if (S_ISDIR(info.st_mode)) return check(EISDIR);
    if (!S_ISREG(info.st_mode)) return writeInPlace(calls, folder, name, false, content);
    if (calls.faccessat(folder, name.c_str(), W_OK, AT_EACCESS) != 0) return check(errno);
    return saveOverFile(calls, folder, name, content, options.backups);
  }
  if (errno != ENOENT) return check(errno);
  std::string key;
  if (options.backups)
    if (const int err = backupKey(calls, folder, name, key)) return check(err);
  if (const int err = createFile(calls, folder, name, content))
    return systemError(FileStep::Create, err);
  if (options.backups) options.backups->noteCreated(std::move(key));
  return std::nullopt;
}

}  // namespace flex
