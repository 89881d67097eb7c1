// SPDX-License-Identifier: GPL-3.0-or-later
// An LD_PRELOAD shim that refuses unnamed temporary files (O_TMPFILE) as file systems without
// them do (vfat, NFS, some FUSE), so that scripts/kill-saves.sh can measure saves there.
//   cc -shared -fPIC -o no-tmpfile.so scripts/no-tmpfile.c -ldl
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <stdarg.h>

typedef int (*open_at)(int, const char*, int, ...);

static int refuse_or_open(const char* symbol, int dir, const char* path, int flags, mode_t mode) {
  if ((flags & O_TMPFILE) == O_TMPFILE) {
    errno = EOPNOTSUPP;
    return -1;
  }
  const open_at real = (open_at)dlsym(RTLD_NEXT, symbol);
  return real(dir, path, flags, mode);
}

#define MODE_ARGUMENT(flags, mode)                            \
  mode_t mode = 0;                                            \
  if ((flags) & (O_CREAT | O_TMPFILE)) {                      \
    va_list arguments;                                        \
    va_start(arguments, flags);                               \
    mode = va_arg(arguments, mode_t);                         \
    va_end(arguments);                                        \
  }

int openat(int dir, const char* path, int flags, ...) {
  MODE_ARGUMENT(flags, mode)
  return refuse_or_open("openat", dir, path, flags, mode);
}
int openat64(int dir, const char* path, int flags, ...) {
  MODE_ARGUMENT(flags, mode)
  return refuse_or_open("openat64", dir, path, flags, mode);
}
