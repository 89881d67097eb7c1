// SPDX-License-Identifier: GPL-3.0-or-later
#include "flex/safe_write.hpp"

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cerrno>

#include "flex/new_file.hpp"

namespace flex {
namespace {

// Copies what `source` holds into an unnamed file of its own: in memory, else unnamed in the
// file's folder. Neither has a name that a save killed meanwhile could leave behind; the copy
// lives as long as `copy`.
int makeRollbackCopy(const SystemCalls& calls, int folder, int source, Fd& copy) {
  if (source < 0) return EACCES;  // a file that may be written but not read
  copy.reset(calls.memfd_create("flexedit-rollback", MFD_CLOEXEC));
  const int err = copy.valid() ? copyAll(calls, source, copy.get()) : errno;
  if (err == 0) return 0;
  copy.reset(calls.openat(folder, ".", O_TMPFILE | O_RDWR | O_CLOEXEC, 0600));
  return copy.valid() ? copyAll(calls, source, copy.get()) : err;
}

// Puts the rollback copy `from` back into `to`, from its start, and flushes it.
int putBack(const SystemCalls& calls, int from, int to) {
  if (calls.lseek(to, 0, SEEK_SET) != 0) return errno;
  if (const int err = copyAll(calls, from, to)) return err;
  const off_t size = calls.lseek(to, 0, SEEK_CUR);
  if (size < 0 || calls.ftruncate(to, size) != 0 || calls.fsync(to) != 0) return errno;
  return 0;
}

// The new file's identity, for the backup log.
FileId identity(const SystemCalls& calls, int fd) {
  struct stat info {};
  return calls.fstat(fd, &info) == 0 ? fileIdOf(info) : FileId{};
}

}  // namespace

Written createFile(const SystemCalls& calls, int folder, const std::string& name,
                   std::string_view content, bool appendOnly) {
  NewFile file(calls, folder, appendOnly);
  if (const int err = file.create(name, 0666)) return {err};
  if (const int err = writeAll(calls, file.fd(), content)) return {err};
  const int err = file.publish(name, NewFile::Publish::New);
  return {err, file.named(), identity(calls, file.fd())};
}

int putOwnFile(const SystemCalls& calls, int folder, const std::string& name,
               std::string_view content) {
  removeLeftovers(calls, folder, name);
  NewFile file(calls, folder);
  if (const int err = file.create(name, 0600)) return err;
  if (const int err = writeAll(calls, file.fd(), content)) return err;
  return file.publish(name, NewFile::Publish::Over);
}

Replacement replaceFile(const SystemCalls& calls, int folder, const std::string& name,
                        std::string_view content, const FileMetadata& old) {
  NewFile file(calls, folder);
  int err = file.create(name, 0600);
  // A folder the user may not write: the file is written in place, as `echo >> f` can.
  if (err == EACCES || err == EPERM) return {{err}, true};
  if (err == 0) err = writeAll(calls, file.fd(), content);
  if (err != 0) return {{err}};
  if (const int copy = applyMetadata(calls, file.fd(), old, MetadataCopy::All))
    return {{copy}, true};
  err = file.publish(name, NewFile::Publish::Over);
  return {{err, file.named(), identity(calls, file.fd())}, err == EBUSY || err == EXDEV};
}

int writeBackup(const SystemCalls& calls, int folder, const std::string& copyName, int from,
                const FileMetadata& old, bool replaceEarlier) {
  NewFile file(calls, folder);
  if (const int err = file.create(copyName, 0600)) return err;
  if (const int err = copyAll(calls, from, file.fd())) return err;
  if (const int err = applyMetadata(calls, file.fd(), old, MetadataCopy::Lenient)) return err;
  return file.publish(copyName, replaceEarlier ? NewFile::Publish::Over : NewFile::Publish::New);
}

int openInPlace(const SystemCalls& calls, int folder, const std::string& name, bool followLink,
                Fd& fd) {
  const int follow = followLink ? 0 : O_NOFOLLOW;
  fd.reset(
      calls.openat(folder, name.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC | follow, 0));
  if (!fd.valid()) return errno == ELOOP && !followLink ? kMoved : errno;
  if (const int status = calls.fcntl(fd.get(), F_GETFL, 0); status >= 0)
    calls.fcntl(fd.get(), F_SETFL, status & ~O_NONBLOCK);
  return 0;
}

int writeThrough(const SystemCalls& calls, int fd, std::string_view content) {
  const int mode = calls.fcntl(fd, F_GETFL, 0);
  if (mode < 0) return errno;
  if ((mode & O_ACCMODE) == O_RDONLY) return EBADF;  // open for reading only
  if (const int err = writeAll(calls, fd, content)) return err;
  struct stat info {};
  if (calls.fstat(fd, &info) != 0) return errno;
  return S_ISREG(info.st_mode) && calls.fsync(fd) != 0 ? errno : 0;
}

std::optional<FileError> writeOver(const SystemCalls& calls, int folder, int fd, int source,
                                   std::string_view content, Fd& rollback) {
  if (const int err = makeRollbackCopy(calls, folder, source, rollback))
    return systemError(FileStep::RollbackCopy, err);
  int err = writeAll(calls, fd, content);
  if (err == 0 && calls.ftruncate(fd, static_cast<off_t>(content.size())) != 0) err = errno;
  if (err == 0 && calls.fsync(fd) != 0) err = errno;
  if (err == 0) return std::nullopt;
  const bool restored = putBack(calls, rollback.get(), fd) == 0;
  return systemError(restored ? FileStep::InPlace : FileStep::Restore, err);
}

int writeAll(const SystemCalls& calls, int fd, std::string_view data) {
  while (!data.empty()) {
    const ssize_t n = calls.write(fd, data.data(), data.size());
    if (n < 0 && errno != EINTR) return errno;
    if (n > 0) data.remove_prefix(static_cast<std::size_t>(n));
  }
  return 0;
}

int copyAll(const SystemCalls& calls, int from, int to) {
  if (calls.lseek(from, 0, SEEK_SET) != 0) return errno;
  char buffer[65536];
  for (;;) {
    const ssize_t n = calls.read(from, buffer, sizeof buffer);
    if (n == 0) return 0;
    if (n < 0 && errno != EINTR) return errno;
    if (n > 0)
      if (const int err = writeAll(calls, to, {buffer, static_cast<std::size_t>(n)})) return err;
  }
}

}  // namespace flex
