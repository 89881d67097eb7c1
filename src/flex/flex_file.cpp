// SPDX-License-Identifier: GPL-3.0-or-later
#include "flex/flex_file.hpp"

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <utility>

#include "flex/fd.hpp"
#include "flex/file_metadata.hpp"
#include "flex/kept_copy.hpp"
#include "flex/new_file.hpp"
#include "flex/safe_write.hpp"
#include "flex/save_target.hpp"

namespace flex {
namespace {

constexpr int kAttempts = 8;  // looks at a path that a racing rename keeps changing

FileError refusal(FileStep step, FileReason reason) { return {step, reason, 0, {}, {}}; }
// A step that failed for a system error, or met a racing rename (kMoved).
FileError failure(FileStep step, int err) {
  return err == kMoved ? refusal(step, FileReason::Moved) : systemError(step, err);
}

bool isAppendOnly(const SystemCalls& calls, int folder) {
  int flags = 0;
  return calls.ioctl(folder, FS_IOC_GETFLAGS, &flags) == 0 && (flags & FS_APPEND_FL) != 0;
}

// Something no new file can stand in for (a device, a FIFO, what a link in /proc leads to),
// written in place; a regular file among them is put back when the write fails.
std::optional<FileError> writeThroughName(const SystemCalls& calls, int folder,
                                          const std::string& name, bool followLink,
                                          std::string_view content) {
  Fd fd(calls);
  if (const int err = openInPlace(calls, folder, name, followLink, fd))
    return failure(FileStep::InPlace, err);
  struct stat info {};
  if (calls.fstat(fd.get(), &info) != 0) return systemError(FileStep::InPlace, errno);
  if (!S_ISREG(info.st_mode)) {
    int err = writeThrough(calls, fd.get(), content);
    if (err == 0) err = fd.close();  // a device's late errors come with the close
    return err == 0 ? std::nullopt : std::optional(systemError(FileStep::InPlace, err));
  }
  const Fd source(calls, calls.openat(folder, name.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC, 0));
  Fd rollback(calls);
  return writeOver(calls, folder, fd.get(), source.get(), content, rollback);
}

// An existing regular file: replaced by a new one, or written in place when a new one cannot
// stand in for it. A copy is kept first: NAME~ at the file's first save in the session when
// backups are kept, else before every in-place write (a rollback copy dies with a save killed
// half-way, the copy stays); never a copy of a file this session left torn.
std::optional<FileError> saveOverFile(const SystemCalls& calls, int folder, const std::string& name,
                                      std::string_view content, const SaveOptions& options,
                                      const std::string& restoreFolder) {
  // Open for reading, to be copied; a file that may be written but not read for its metadata.
  const int flags = O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
  Fd original(calls, calls.openat(folder, name.c_str(), O_RDONLY | flags, 0));
  const int readError = original.valid() ? 0 : errno;
  if (readError == EACCES) original.reset(calls.openat(folder, name.c_str(), O_WRONLY | flags, 0));
  if (!original.valid())  // ELOOP, ENOENT: the name changed since it was looked at
    return failure(FileStep::Check, errno == ELOOP || errno == ENOENT ? kMoved : errno);
  const int source = readError == 0 ? original.get() : -1;
  FileMetadata metadata;
  if (const int err = readMetadata(calls, original.get(), metadata))
    return systemError(FileStep::Check, err);
  if (!S_ISREG(metadata.info.st_mode)) return failure(FileStep::Check, kMoved);
  const FileId id = fileIdOf(metadata.info);
  BackupLog* log = options.log;
  const bool torn = log && log->torn(id);
  const bool appendOnly = isAppendOnly(calls, folder);
  KeptCopy kept;
  const auto keepOne = [&]() -> std::optional<FileError> {
    if (readError != 0) return FileError{FileStep::Backup, {}, readError, name + "~", {}};
    const auto known = appendOnly ? CopyObstacle::Folder : CopyObstacle::None;
    kept = keepCopy(calls, restoreFolder, folder, name, source, metadata, known);
    if (kept.err == 0) return std::nullopt;
    return FileError{FileStep::Backup, FileReason::SystemError, kept.err, kept.where,
                     kept.obstacle};
  };
  if (options.keepBackups && log && !log->covers(id) && !torn) {
    if (auto error = keepOne()) return error;
    log->noteCovered(id);
  }
  if (metadata.info.st_nlink == 1 && !appendOnly) {
    const Replacement replaced = replaceFile(calls, folder, name, content, metadata);
    if (log && options.keepBackups && replaced.named) log->noteCovered(replaced.made);
    if (log && replaced.named) log->forget(id);  // the old file, torn or not, is gone
    if (replaced.err == 0) return std::nullopt;
    if (!replaced.inPlaceInstead)
      return failure(replaced.named ? FileStep::Flush : FileStep::Replace, replaced.err);
  }
  if (!options.keepBackups && !torn)
    if (auto error = keepOne()) return error;
  Fd fd(calls);
  struct stat now {};
  if (const int err = openInPlace(calls, folder, name, false, fd))
    return failure(FileStep::InPlace, err);
  if (calls.fstat(fd.get(), &now) != 0) return systemError(FileStep::InPlace, errno);
  if (fileIdOf(now) != id) return failure(FileStep::InPlace, kMoved);
  Fd rollback(calls);
  auto error = writeOver(calls, folder, fd.get(), source, content, rollback);
  if (log) log->noteTorn(id, error && error->step == FileStep::Restore);
  if (!error || error->step != FileStep::Restore) return error;
  // Torn: the message names a copy of what it held right before, made now if none was.
  error->copy = kept.where;
  error->obstacle = kept.obstacle;
  if (kept.where.empty())
    error->copy = rescueCopy(calls, restoreFolder, name, rollback.get(), metadata);
  return error;
}

// One look at the path and one save; kMoved asks for another.
std::optional<FileError> saveOnce(const std::string& path, std::string_view content,
                                  const SaveOptions& options, const FileContext& context) {
  const SystemCalls& calls = context.calls;
  const auto check = [](int err) { return failure(FileStep::Check, err); };
  SaveTarget target(calls);
  if (const int err = findSaveTarget(calls, path, target)) return check(err);
  if (target.descriptor >= 0) {
    const int err = writeThrough(calls, target.descriptor, content);
    return err == 0 ? std::nullopt : std::optional(systemError(FileStep::InPlace, err));
  }
  const int folder = target.folder.get();
  const std::string& name = target.name;
  if (target.throughLink) return writeThroughName(calls, folder, name, true, content);
  struct stat info {};
  if (calls.fstatat(folder, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0) {
    if (S_ISDIR(info.st_mode)) return check(EISDIR);
    if (S_ISLNK(info.st_mode)) return check(kMoved);  // a link put there since
    if (!S_ISREG(info.st_mode)) return writeThroughName(calls, folder, name, false, content);
    if (calls.faccessat(folder, name.c_str(), W_OK, AT_EACCESS) != 0) return check(errno);
    removeLeftovers(calls, folder, name);
    return saveOverFile(calls, folder, name, content, options, context.restoreFolder);
  }
  if (errno != ENOENT) return check(errno);
  removeLeftovers(calls, folder, name);
  const Written made = createFile(calls, folder, name, content, isAppendOnly(calls, folder));
  if (options.log && options.keepBackups && (made.err == 0 || made.named))
    options.log->noteCovered(made.made);
  if (made.err == 0) return std::nullopt;
  return failure(made.named ? FileStep::Flush : FileStep::Create, made.err);
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
  if (content.size() > kMaxFileSize) return refusal(FileStep::Check, FileReason::TooLarge);
  if (path.empty()) return systemError(FileStep::Check, ENOENT);
  std::optional<FileError> error;
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    error = saveOnce(path, content, options, context);
    if (!error || error->reason != FileReason::Moved) break;
  }
  return error;
}

}  // namespace flex
