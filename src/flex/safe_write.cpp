// SPDX-License-Identifier: GPL-3.0-or-later
#include "flex/safe_write.hpp"

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cerrno>

#include "flex/fd.hpp"
#include "flex/new_file.hpp"

namespace flex {
namespace {

// Copies what the regular file `file` (open for writing at `name`) holds into an unnamed file
// of its own: in memory, else unnamed in the file's folder. Neither has a name that a save killed
// meanwhile could leave behind; the copy lives as long as `copy`.
int makeRollbackCopy(const SystemCalls& calls, int folder, const std::string& name, int follow,
                     const struct stat& file, Fd& copy) {
  Fd source(calls, calls.openat(folder, name.c_str(),
                                O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC | follow, 0));
  struct stat info {};
  if (!source.valid() || calls.fstat(source.get(), &info) != 0) return errno;
  if (info.st_dev != file.st_dev || info.st_ino != file.st_ino)
    return EAGAIN;  // the name leads to another file now: try again later
  copy.reset(calls.memfd_create("flexedit-rollback", MFD_CLOEXEC));
  int err = copy.valid() ? copyAll(calls, source.get(), copy.get()) : errno;
  if (err == 0) return 0;
  copy.reset(calls.openat(folder, ".", O_TMPFILE | O_RDWR | O_CLOEXEC, 0600));
  return copy.valid() ? copyAll(calls, source.get(), copy.get()) : err;
}

// Puts the rollback copy `from` back into `to`, from its start, and flushes it.
int putBack(const SystemCalls& calls, int from, int to) {
  if (calls.lseek(to, 0, SEEK_SET) != 0) return errno;
  if (const int err = copyAll(calls, from, to)) return err;
  const off_t size = calls.lseek(to, 0, SEEK_CUR);
  if (size < 0 || calls.ftruncate(to, size) != 0 || calls.fsync(to) != 0) return errno;
  return 0;
}

}  // namespace

int createFile(const SystemCalls& calls, int folder, const std::string& name,
               std::string_view content) {
  NewFile file(calls, folder);
  if (const int err = file.create(name, 0666)) return err;
  if (const int err = writeAll(calls, file.fd(), content)) return err;
  return file.publish(name, NewFile::Publish::New);
}

Replacement replaceFile(const SystemCalls& calls, int folder, const std::string& name,
                        std::string_view content, const FileMetadata& old) {
  NewFile file(calls, folder);
  if (const int err = file.create(name, 0600)) return {err};
  if (const int err = writeAll(calls, file.fd(), content)) return {err};
  if (const int err = applyMetadata(calls, file.fd(), old, MetadataCopy::All)) return {err, true};
  const int err = file.publish(name, NewFile::Publish::Over);
  return {err, err == EBUSY || err == EXDEV};
}

int writeBackup(const SystemCalls& calls, int folder, const std::string& copyName, int from,
                const FileMetadata& old) {
  NewFile file(calls, folder);
  if (const int err = file.create(copyName, 0600)) return err;
  if (const int err = copyAll(calls, from, file.fd())) return err;
  if (const int err = applyMetadata(calls, file.fd(), old, MetadataCopy::Lenient)) return err;
  return file.publish(copyName, NewFile::Publish::Over);
}

std::optional<FileError> writeInPlace(const SystemCalls& calls, int folder, const std::string& name,
                                      bool followLink, std::string_view content) {
  const int follow = followLink ? 0 : O_NOFOLLOW;
  // O_NONBLOCK: a FIFO without a reader is refused (ENXIO) rather than waited for.
  Fd fd(calls, calls.openat(folder, name.c_str(),
                            O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC | follow, 0));
  if (!fd.valid()) return systemError(FileStep::InPlace, errno);
  if (const int status = calls.fcntl(fd.get(), F_GETFL, 0); status >= 0)
    calls.fcntl(fd.get(), F_SETFL, status & ~O_NONBLOCK);
  struct stat info {};
  if (calls.fstat(fd.get(), &info) != 0) return systemError(FileStep::InPlace, errno);
  if (!S_ISREG(info.st_mode)) {  // a device or a FIFO: nothing to cut, nothing to put back
    int err = writeAll(calls, fd.get(), content);
    if (err == 0) err = fd.close();
    if (err == 0) return std::nullopt;
    return systemError(FileStep::InPlace, err);
  }
  Fd rollback(calls);
  if (const int err = makeRollbackCopy(calls, folder, name, follow, info, rollback))
    return systemError(FileStep::RollbackCopy, err);
  int err = writeAll(calls, fd.get(), content);
  if (err == 0 && calls.ftruncate(fd.get(), static_cast<off_t>(content.size())) != 0) err = errno;
  if (err == 0 && calls.fsync(fd.get()) != 0) err = errno;
  if (err == 0) return std::nullopt;
  const bool restored = putBack(calls, rollback.get(), fd.get()) == 0;
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
