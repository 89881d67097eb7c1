// SPDX-License-Identifier: GPL-3.0-or-later
#include "flex/system_calls.hpp"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/mman.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cstdio>

namespace flex {

const SystemCalls& realSystemCalls() {
  static const SystemCalls calls{
      .openat = [](int dir, const char* path, int flags,
                   mode_t mode) { return ::openat(dir, path, flags, mode); },
      .memfd_create = ::memfd_create,
      .close = ::close,
      .read = ::read,
      .write = ::write,
      .lseek = ::lseek,
      .ftruncate = ::ftruncate,
      .fsync = ::fsync,
      .fcntl = [](int fd, int command, int argument) { return ::fcntl(fd, command, argument); },
      .flock = ::flock,
      .ioctl = [](int fd, unsigned long request,
                  void* argument) { return ::ioctl(fd, request, argument); },
      .getdents64 = ::getdents64,
      .fstat = ::fstat,
      .fstatat = ::fstatat,
      .faccessat = ::faccessat,
      .readlinkat = ::readlinkat,
      .geteuid = ::geteuid,
      .getpid = ::getpid,
      .fchown = ::fchown,
      .fchmod = ::fchmod,
      .flistxattr = ::flistxattr,
      .fgetxattr = ::fgetxattr,
      .fsetxattr = [](int fd, const char* name, const void* value,
                      size_t size) { return ::fsetxattr(fd, name, value, size, 0); },
      .fremovexattr = ::fremovexattr,
      .linkat = ::linkat,
      .renameat = ::renameat,
      .unlinkat = ::unlinkat,
      .mkdirat = ::mkdirat,
  };
  return calls;
}

}  // namespace flex
