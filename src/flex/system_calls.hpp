// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The system calls through which the files module reads and changes the file system, in one
// table, so that a test can make any of them fail; and the pieces every file operation shares.
#include <sys/types.h>

#include <functional>
#include <string>
#include <utility>

namespace flex {

struct SystemCalls {
  std::function<int(int dir, const char* path, int flags, mode_t mode)> openat;
  std::function<ssize_t(int fd, void* buffer, size_t size)> read;
  std::function<ssize_t(int fd, const void* data, size_t size)> write;
  std::function<int(int fd, off_t size)> ftruncate;
  std::function<int(int fd)> fsync;
  std::function<int(int fd, uid_t owner, gid_t group)> fchown;
  std::function<int(int fd, mode_t mode)> fchmod;
  std::function<int(int fd, const char* name, const void* value, size_t size)> fsetxattr;
  std::function<int(int fromDir, const char* from, int toDir, const char* to, int flags)> linkat;
  std::function<int(int fromDir, const char* from, int toDir, const char* to)> renameat;
  std::function<int(int dir, const char* name, int flags)> unlinkat;
};

// The table in use: the real calls unless a test has replaced some.
SystemCalls& systemCalls();
// The real calls.
SystemCalls realSystemCalls();

// The reason for a failed call, in Italian: one text per error number seen in practice,
// otherwise "errore di sistema N".
std::string errorText(int err);

// Closes a descriptor once, on every path.
class Fd {
 public:
  Fd() = default;
  explicit Fd(int fd) : fd_(fd) {}
  Fd(Fd&& other) noexcept : fd_(other.release()) {}
  Fd& operator=(Fd&& other) noexcept {
    reset(other.release());
    return *this;
  }
  ~Fd() { reset(); }
  int get() const { return fd_; }
  bool valid() const { return fd_ >= 0; }
  int release() { return std::exchange(fd_, -1); }
  void reset(int fd = -1);

 private:
  int fd_ = -1;
};

// "/proc/self/fd/N": a name for an open descriptor that the path calls accept.
std::string descriptorPath(int fd);

}  // namespace flex
