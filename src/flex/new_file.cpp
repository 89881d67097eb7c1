// SPDX-License-Identifier: GPL-3.0-or-later
#include "flex/new_file.hpp"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstring>
#include <random>
#include <string_view>
#include <utility>
#include <vector>

#include "flex/file_error.hpp"

namespace flex {
namespace {

constexpr std::string_view kMark = ".flexedit-";
constexpr std::size_t kRandomLength = 6;
// What of NAME a temporary name keeps, so that it fits in the 255 bytes a folder entry may have.
std::string namePart(const std::string& name) {
  std::string part = ".";  // appended to, which GCC 12 does not mistake for an overlap
  return part.append(name, 0, 255 - 1 - kMark.size() - kRandomLength);
}

std::string randomName(const std::string& name) {
  static std::mt19937 random{std::random_device{}()};
  static constexpr std::string_view kLetters = "abcdefghijklmnopqrstuvwxyz0123456789";
  std::string suffix(kRandomLength, ' ');
  for (char& c : suffix) c = kLetters[random() % kLetters.size()];
  return namePart(name) + std::string(kMark) + suffix;
}

bool isTemporaryOf(std::string_view entry, const std::string& name) {
  const std::string start = namePart(name) + std::string(kMark);
  return entry.size() == start.size() + kRandomLength && entry.starts_with(start);
}

bool sameFile(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Tries fresh random names until `make(candidate)` returns 0, or an error other than a taken
// name. Returns 0 or the error number; `made` is the name made.
template <typename Make>
int withFreshName(const std::string& name, std::string& made, Make make) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string candidate = randomName(name);
    const int err = make(candidate);
    if (err == 0) made = std::move(candidate);
    if (err != EEXIST) return err;
  }
  return EEXIST;
}

// Gives the unnamed file at `fd` the name `name` in `folder`. Returns 0 or the error number.
int linkDescriptor(const SystemCalls& calls, int fd, int folder, const std::string& name) {
  return calls.linkat(AT_FDCWD, descriptorPath(fd).c_str(), folder, name.c_str(),
                      AT_SYMLINK_FOLLOW) == 0
             ? 0
             : errno;
}

// Locks the file for as long as it is open, so that no other save takes its name for left over.
// A file system without locks is no reason to fail: its names are then never removed by others.
void holdLock(const SystemCalls& calls, int fd) {
  while (calls.flock(fd, LOCK_EX) != 0 && errno == EINTR) {
  }
}

// Removes `entry` when it is a regular file of the user's with one name that nobody holds.
void removeIfLeftOver(const SystemCalls& calls, int folder, const std::string& entry) {
  const int flags = O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
  const Fd fd(calls, calls.openat(folder, entry.c_str(), flags, 0));
  struct stat held {
  }, named{};
  if (!fd.valid() || calls.fstat(fd.get(), &held) != 0 || !S_ISREG(held.st_mode) ||
      held.st_uid != calls.geteuid() || held.st_nlink != 1)
    return;
  if (calls.flock(fd.get(), LOCK_EX | LOCK_NB) != 0) return;  // a running save holds it
  if (calls.fstatat(folder, entry.c_str(), &named, AT_SYMLINK_NOFOLLOW) == 0 &&
      sameFile(held, named))
    calls.unlinkat(folder, entry.c_str(), 0);
}

}  // namespace

void removeLeftovers(const SystemCalls& calls, int folder, const std::string& name) {
  if (calls.lseek(folder, 0, SEEK_SET) != 0) return;  // a folder that may not be read
  std::vector<std::string> found;
  alignas(8) char buffer[16384];
  for (;;) {
    const ssize_t n = calls.getdents64(folder, buffer, sizeof buffer);
    if (n <= 0) break;
    for (std::size_t at = 0; at < static_cast<std::size_t>(n);) {
      unsigned short length = 0;
      std::memcpy(&length, buffer + at + offsetof(struct dirent64, d_reclen), sizeof length);
      const std::string_view entry(buffer + at + offsetof(struct dirent64, d_name));
      if (isTemporaryOf(entry, name) || isTemporaryOf(entry, name + "~")) found.emplace_back(entry);
      at += length;
    }
  }
  for (const std::string& entry : found) removeIfLeftOver(calls, folder, entry);
}

NewFile::~NewFile() {
  if (!temp_.empty()) calls_.unlinkat(folder_, temp_.c_str(), 0);
}

int NewFile::create(const std::string& name, mode_t mode) {
  fd_.reset(calls_.openat(folder_, ".", O_TMPFILE | O_RDWR | O_CLOEXEC, mode));
  if (fd_.valid()) {
    // Named later through /proc/self/fd; without /proc (a chroot, a container) only a privilege
    // could name it, so it is taken only when /proc shows it.
    struct stat unnamed {
    }, shown{};
    if (calls_.fstat(fd(), &unnamed) == 0 &&
        calls_.fstatat(AT_FDCWD, descriptorPath(fd()).c_str(), &shown, 0) == 0 &&
        sameFile(unnamed, shown))
      return 0;
    fd_.reset();
  } else if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) {
    return errno;  // only a file system without unnamed files gets a named one
  }
  if (appendOnly_) {  // no temporary name could ever be removed there
    fd_.reset(calls_.openat(folder_, name.c_str(), O_CREAT | O_EXCL | O_RDWR | O_CLOEXEC, mode));
    direct_ = fd_.valid();
    return direct_ ? 0 : errno == EEXIST ? kMoved : errno;
  }
  return createNamed(name, mode);
}

// A named temporary file, locked; a name that a save cleaning up took from under it is left.
int NewFile::createNamed(const std::string& name, mode_t mode) {
  for (int attempt = 0; attempt < 10; ++attempt) {
    const int err = withFreshName(name, temp_, [&](const std::string& candidate) {
      fd_.reset(
          calls_.openat(folder_, candidate.c_str(), O_CREAT | O_EXCL | O_RDWR | O_CLOEXEC, mode));
      return fd_.valid() ? 0 : errno;
    });
    if (err != 0) return err;
    holdLock(calls_, fd());
    struct stat held {
    }, named{};
    if (calls_.fstat(fd(), &held) != 0) return errno;
    if (calls_.fstatat(folder_, temp_.c_str(), &named, AT_SYMLINK_NOFOLLOW) == 0 &&
        sameFile(held, named))
      return 0;
    temp_.clear();  // removed by another save in between: not ours to remove any more
  }
  return EAGAIN;
}

// An unnamed file that replaces another takes a temporary name first, to be renamed over it.
int NewFile::linkTemporary(const std::string& name) {
  holdLock(calls_, fd());
  return withFreshName(name, temp_, [&](const std::string& candidate) {
    return linkDescriptor(calls_, fd(), folder_, candidate);
  });
}

int NewFile::publish(const std::string& name, Publish how) {
  // Complete and on the disk: only now does it get a name.
  if (calls_.fsync(fd()) != 0) return errno;
  if (const int err = giveName(name, how)) return err;
  named_ = true;
  // The new name on the disk too. A folder open only as a path cannot be flushed; some file
  // systems flush no folders (EINVAL).
  if (calls_.fsync(folder_) != 0 && errno != EBADF && errno != EINVAL) return errno;
  return 0;
}

int NewFile::giveName(const std::string& name, Publish how) {
  if (direct_) return 0;
  if (how == Publish::New) {
    // Linked, never renamed: a file (or a link) that took the name since stays as it is.
    if (temp_.empty()) {
      const int err = linkDescriptor(calls_, fd(), folder_, name);
      return err == EEXIST ? kMoved : err;
    }
    if (calls_.linkat(folder_, temp_.c_str(), folder_, name.c_str(), 0) == 0) {
      calls_.unlinkat(folder_, std::exchange(temp_, {}).c_str(), 0);
      return 0;
    }
    if (errno == EEXIST) return kMoved;
    // A file system without hard links (FAT) has no symbolic links either: renamed.
    if (errno != EPERM && errno != EOPNOTSUPP && errno != EMLINK) return errno;
  } else if (temp_.empty()) {
    if (const int err = linkTemporary(name)) return err;
  }
  if (calls_.renameat(folder_, temp_.c_str(), folder_, name.c_str()) != 0) return errno;
  temp_.clear();
  return 0;
}

}  // namespace flex
