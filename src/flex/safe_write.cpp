// SPDX-License-Identifier: GPL-3.0-or-later
#include "flex/safe_write.hpp"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <random>

namespace flex {
namespace {

// Calls `get(buffer, size)` (a list or get of extended attributes) with a buffer that grows
// until the answer fits. Returns 0, or the error number.
template <typename Get>
int fetch(std::string& out, Get get) {
  for (int attempt = 0; attempt < 8; ++attempt) {
    const ssize_t size = get(nullptr, 0);
    if (size < 0) return errno;
    out.resize(static_cast<std::size_t>(size));
    const ssize_t n = get(out.data(), out.size());
    if (n >= 0) {
      out.resize(static_cast<std::size_t>(n));
      return 0;
    }
    if (errno != ERANGE) return errno;  // ERANGE: it grew in between
  }
  return ERANGE;
}

std::vector<std::string> splitNames(const std::string& list) {
  std::vector<std::string> names;
  for (std::size_t at = 0; at < list.size(); at = list.find('\0', at) + 1)
    names.emplace_back(list.c_str() + at);
  return names;
}

// Gives the new file at `fd` the owner, group, mode and attributes of `m`. Returns 0, or (when
// strict) why it cannot carry them all; otherwise the mode at least.
int carry(int fd, const FileMetadata& m, bool strict) {
  auto& sys = systemCalls();
  const struct stat& want = m.info;
  const mode_t mode = want.st_mode & 07777;
  struct stat now {};
  if (::fstat(fd, &now) != 0) return errno;
  if (now.st_uid != want.st_uid || now.st_gid != want.st_gid)
    sys.fchown(fd, want.st_uid, want.st_gid);   // refused: the check at the end tells
  if (sys.fchmod(fd, mode) != 0) return errno;  // after fchown, which may clear set-id bits
  bool copied = m.attributesKnown;
  for (const auto& [name, value] : m.attributes)
    if (sys.fsetxattr(fd, name.c_str(), value.data(), value.size()) != 0) copied = false;
  // Attributes the new file took from its folder (a default access list) and the old one lacks.
  std::string list;
  const int listed = fetch(list, [fd](char* b, size_t n) { return ::flistxattr(fd, b, n); });
  for (const std::string& name : listed == 0 ? splitNames(list) : std::vector<std::string>{}) {
    const auto kept = [&](const auto& attribute) { return attribute.first == name; };
    if (!std::any_of(m.attributes.begin(), m.attributes.end(), kept) &&
        ::fremovexattr(fd, name.c_str()) != 0)
      copied = false;
  }
  if (listed != 0 && listed != EOPNOTSUPP) copied = false;
  if (!strict) return copied || sys.fchmod(fd, mode & ~mode_t{077}) == 0 ? 0 : errno;
  if (!copied) return EOPNOTSUPP;
  if (::fstat(fd, &now) != 0) return errno;
  const bool same =
      now.st_uid == want.st_uid && now.st_gid == want.st_gid && (now.st_mode & 07777) == mode;
  return same ? 0 : EPERM;
}

// A hidden name beside `name`, within the 255 bytes a folder entry may have.
std::string tempName(const std::string& name) {
  static std::mt19937 random{std::random_device{}()};
  static constexpr std::string_view kLetters = "abcdefghijklmnopqrstuvwxyz0123456789";
  std::string suffix(6, ' ');
  for (char& c : suffix) c = kLetters[random() % kLetters.size()];
  return "." + name.substr(0, 255 - 12) + "." + suffix + ".tmp";
}

// Tries fresh temporary names until `make` succeeds or fails for another reason than a taken
// name. Returns 0 or the error number; `temp` is the name made.
template <typename Make>
int withFreshName(const std::string& name, std::string& temp, Make make) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string candidate = tempName(name);
    if (make(candidate) == 0) {
      temp = std::move(candidate);
      return 0;
    }
    if (errno != EEXIST) return errno;
  }
  return EEXIST;
}

// The folder's lock among this program's saves, taken without waiting. A replacing file gets
// its temporary name only under it, one name per target, so that the name a save killed in
// between leaves is known to be left over: the next save of that file removes it.
class FolderLock {
 public:
  explicit FolderLock(int folder)
      : folder_(::flock(folder, LOCK_EX | LOCK_NB) == 0 ? folder : -1) {}
  ~FolderLock() {
    if (folder_ >= 0) ::flock(folder_, LOCK_UN);
  }
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;
  bool held() const { return folder_ >= 0; }

 private:
  int folder_;
};

// Gives the unnamed file at `fd` the name `name` in `folder`.
int linkDescriptor(int fd, int folder, const std::string& name) {
  auto& sys = systemCalls();
  if (sys.linkat(AT_FDCWD, descriptorPath(fd).c_str(), folder, name.c_str(), AT_SYMLINK_FOLLOW) ==
      0)
    return 0;
  if (errno != ENOENT) return errno;
  // No /proc: linking by the descriptor itself needs a privilege, which root has.
  return sys.linkat(fd, "", folder, name.c_str(), AT_EMPTY_PATH) == 0 ? 0 : errno;
}

}  // namespace

FileMetadata readMetadata(int fd) {
  FileMetadata m;
  const std::string path = descriptorPath(fd);
  std::string list, value;
  if (::fstat(fd, &m.info) != 0) {
    m.attributesKnown = false;
    return m;
  }
  const auto listAll = [&](char* b, size_t n) { return ::listxattr(path.c_str(), b, n); };
  if (const int err = fetch(list, listAll)) {
    m.attributesKnown = err == EOPNOTSUPP;  // a file system without attributes
    return m;
  }
  for (const std::string& name : splitNames(list)) {
    const auto getOne = [&](char* b, size_t n) {
      return ::getxattr(path.c_str(), name.c_str(), b, n);
    };
    if (fetch(value, getOne) != 0)
      m.attributesKnown = false;
    else
      m.attributes.emplace_back(name, value);
  }
  return m;
}

int writeAll(int fd, std::string_view data) {
  while (!data.empty()) {
    const ssize_t n = systemCalls().write(fd, data.data(), data.size());
    if (n < 0 && errno != EINTR) return errno;
    if (n > 0) data.remove_prefix(static_cast<std::size_t>(n));
  }
  return 0;
}

int copyAll(int from, int to) {
  if (::lseek(from, 0, SEEK_SET) != 0) return errno;
  char buffer[65536];
  for (;;) {
    const ssize_t n = systemCalls().read(from, buffer, sizeof buffer);
    if (n == 0) return 0;
    if (n < 0 && errno != EINTR) return errno;
    if (n > 0)
      if (const int err = writeAll(to, {buffer, static_cast<std::size_t>(n)})) return err;
  }
}

WriteOutcome writeNewFile(int folder, const std::string& name, const Fill& fill,
                          const FileMetadata* metadata, bool strict, Fd* kept) {
  auto& sys = systemCalls();
  const mode_t mode = metadata ? 0600 : 0666;
  std::string temp;  // a named temporary file: only where the file system has no unnamed ones
  Fd fd(sys.openat(folder, ".", O_TMPFILE | O_RDWR | O_CLOEXEC, mode));
  if (!fd.valid()) {
    // Only a file system without unnamed files gets a named temporary one.
    if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)
      return {WriteStep::Failed, errno};
    const int err = withFreshName(name, temp, [&](const std::string& candidate) {
      fd.reset(sys.openat(folder, candidate.c_str(), O_CREAT | O_EXCL | O_RDWR | O_CLOEXEC, mode));
      return fd.valid() ? 0 : -1;
    });
    if (err != 0) return {WriteStep::Failed, err};
  }
  const auto fail = [&](WriteStep step, int err) {
    if (!temp.empty()) sys.unlinkat(folder, temp.c_str(), 0);
    return WriteOutcome{step, err};
  };
  if (const int err = fill(fd.get())) return fail(WriteStep::Failed, err);
  if (metadata)
    if (const int err = carry(fd.get(), *metadata, strict))
      return fail(strict ? WriteStep::InPlace : WriteStep::Failed, err);
  if (sys.fsync(fd.get()) != 0) return fail(WriteStep::Failed, errno);
  // Complete and on the disk: only now does it get a name. A new file takes its own at once;
  // one that replaces another takes a temporary name first and is renamed over it.
  bool named = false;
  const FolderLock lock(folder);
  if (temp.empty()) {
    int err = metadata ? EEXIST : linkDescriptor(fd.get(), folder, name);
    named = err == 0;
    if (err == EEXIST && lock.held()) {
      temp = "." + name.substr(0, 255 - 17) + ".flexedit-saving";
      sys.unlinkat(folder, temp.c_str(), 0);  // left by a save killed here
      err = linkDescriptor(fd.get(), folder, temp);
    } else if (err == EEXIST) {  // another save holds the lock: a name of its own
      err = withFreshName(name, temp, [&](const std::string& candidate) {
        const int linked = linkDescriptor(fd.get(), folder, candidate);
        errno = linked;
        return linked;
      });
    }
    if (err != 0) return fail(WriteStep::Failed, err);
  }
  if (!named && sys.renameat(folder, temp.c_str(), folder, name.c_str()) != 0) {
    const int err = errno;
    const bool refused = err == EBUSY || err == EXDEV;  // a mount point, another file system
    return fail(strict && refused ? WriteStep::InPlace : WriteStep::Failed, err);
  }
  sys.fsync(folder);  // the new name on the disk too; a folder that may not be read is skipped
  if (kept) *kept = std::move(fd);
  return {};
}

int writeInPlace(int folder, const std::string& name, bool followLink, std::string_view content,
                 int previous, bool& restored) {
  auto& sys = systemCalls();
  restored = false;
  // O_NONBLOCK: a FIFO without a reader is refused (ENXIO) rather than waited for.
  const int flags = O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC | (followLink ? 0 : O_NOFOLLOW);
  Fd fd(sys.openat(folder, name.c_str(), flags, 0));
  if (!fd.valid()) return errno;
  if (const int status = ::fcntl(fd.get(), F_GETFL); status >= 0)
    ::fcntl(fd.get(), F_SETFL, status & ~O_NONBLOCK);
  struct stat info {};
  if (::fstat(fd.get(), &info) != 0) return errno;
  int err = writeAll(fd.get(), content);
  if (!S_ISREG(info.st_mode)) return err != 0 ? err : ::close(fd.release()) == 0 ? 0 : errno;
  if (err == 0 && sys.ftruncate(fd.get(), static_cast<off_t>(content.size())) != 0) err = errno;
  if (err == 0 && sys.fsync(fd.get()) != 0) err = errno;
  if (err != 0 && previous >= 0 && ::lseek(fd.get(), 0, SEEK_SET) == 0 &&
      copyAll(previous, fd.get()) == 0) {
    const off_t size = ::lseek(fd.get(), 0, SEEK_CUR);
    restored = size >= 0 && sys.ftruncate(fd.get(), size) == 0 && sys.fsync(fd.get()) == 0;
  }
  return err;
}

}  // namespace flex
