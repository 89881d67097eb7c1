// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every system call through which loads and saves read and change the file system, in one table,
// so that a test can make any of them fail. The calls keep their C form: -1 and errno on failure.
#include <sys/stat.h>
#include <sys/types.h>

#include <functional>

namespace flex {

struct SystemCalls {
  // descriptors and data
  std::function<int(int dir, const char* path, int flags, mode_t mode)> openat;
  std::function<int(const char* name, unsigned flags)> memfd_create;
  std::function<int(int fd)> close;
  std::function<ssize_t(int fd, void* buffer, size_t size)> read;
  std::function<ssize_t(int fd, const void* data, size_t size)> write;
  std::function<off_t(int fd, off_t offset, int whence)> lseek;
  std::function<int(int fd, off_t size)> ftruncate;
  std::function<int(int fd)> fsync;
  std::function<int(int fd, int command, int argument)> fcntl;
  std::function<int(int fd, int operation)> flock;
  std::function<int(int fd, unsigned long request, void* argument)> ioctl;
  // the entries of an open folder, as the kernel hands them out (struct linux_dirent64)
  std::function<ssize_t(int fd, void* buffer, size_t size)> getdents64;
  // what a name or descriptor is
  std::function<int(int fd, struct stat* info)> fstat;
  std::function<int(int dir, const char* path, struct stat* info, int flags)> fstatat;
  std::function<int(int dir, const char* path, int mode, int flags)> faccessat;
  std::function<ssize_t(int dir, const char* path, char* text, size_t size)> readlinkat;
  std::function<uid_t()> geteuid;
  std::function<pid_t()> getpid;
  // owner, mode and extended attributes
  std::function<int(int fd, uid_t owner, gid_t group)> fchown;
  std::function<int(int fd, mode_t mode)> fchmod;
  std::function<ssize_t(int fd, char* list, size_t size)> flistxattr;
  std::function<ssize_t(int fd, const char* name, void* value, size_t size)> fgetxattr;
  std::function<int(int fd, const char* name, const void* value, size_t size)> fsetxattr;
  std::function<int(int fd, const char* name)> fremovexattr;
  // names
  std::function<int(int fromDir, const char* from, int toDir, const char* to, int flags)> linkat;
  std::function<int(int fromDir, const char* from, int toDir, const char* to)> renameat;
  std::function<int(int dir, const char* name, int flags)> unlinkat;
  std::function<int(int dir, const char* name, mode_t mode)> mkdirat;
};

// The real calls.
const SystemCalls& realSystemCalls();

}  // namespace flex
