// SPDX-License-Identifier: GPL-3.0-or-later
#include "flex/system_calls.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>

namespace flex {

SystemCalls realSystemCalls() {
  return {
      [](int dir, const char* path, int flags, mode_t mode) {
        return ::openat(dir, path, flags, mode);
      },
      ::read,
      ::write,
      ::ftruncate,
      ::fsync,
      ::fchown,
      ::fchmod,
      [](int fd, const char* name, const void* value, size_t size) {
        return ::fsetxattr(fd, name, value, size, 0);
      },
      ::linkat,
      ::renameat,
      ::unlinkat,
  };
}

SystemCalls& systemCalls() {
  static SystemCalls calls = realSystemCalls();
  return calls;
}

std::string errorText(int err) {
  switch (err) {
    case ENOENT: return "il file o la cartella non esiste";
    case EACCES:
    case EPERM: return "permesso negato";
    case EISDIR: return "è una cartella";
    case ENOTDIR: return "un elemento del percorso non è una cartella";
    case ENOSPC: return "spazio esaurito sul disco";
    case EDQUOT: return "quota del disco esaurita";
    case EFBIG: return "il file supera la dimensione consentita";
    case EROFS: return "il disco è in sola lettura";
    case ENAMETOOLONG: return "il nome è troppo lungo";
    case ELOOP: return "troppi collegamenti simbolici";
    case ENXIO: return "nessun processo legge dal dispositivo";
    case EPIPE: return "chi leggeva ha chiuso il canale";
    case ECONNRESET: return "la connessione è stata chiusa";
    case EIO: return "errore di lettura o scrittura sul dispositivo";
    case EBUSY: return "il file è in uso dal sistema";
    case ETXTBSY: return "il file è un programma in esecuzione";
    case EXDEV: return "il file è su un altro disco";
    case EEXIST: return "il file esiste già";
    case EMLINK: return "troppi collegamenti al file";
    case EMFILE:
    case ENFILE: return "troppi file aperti";
    case ENOMEM: return "memoria esaurita";
    case EAGAIN: return "risorsa momentaneamente non disponibile";
    case EINTR: return "operazione interrotta";
    case ENODEV: return "il dispositivo non esiste";
    case EOPNOTSUPP: return "operazione non supportata dal file system";
    case EINVAL: return "operazione non valida per questo file";
    case ESTALE: return "il file non è più valido sul server";
    case ETIMEDOUT: return "tempo scaduto";
    default: return "errore di sistema " + std::to_string(err);
  }
}

void Fd::reset(int fd) {
  if (fd_ >= 0) ::close(fd_);
  fd_ = fd;
}

std::string descriptorPath(int fd) { return "/proc/self/fd/" + std::to_string(fd); }

}  // namespace flex
