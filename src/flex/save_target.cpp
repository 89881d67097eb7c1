// SPDX-License-Identifier: GPL-3.0-or-later
#include "flex/save_target.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

namespace flex {
namespace {

constexpr int kMaxLinks = 40;  // as the kernel allows

// "a/b/c" is the name "c" in the folder "a/b"; "c" is in "."; "/c" in "/"; "a/" is "." in "a".
std::pair<std::string, std::string> splitPath(const std::string& path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return {".", path};
  std::string folder = slash == 0 ? "/" : path.substr(0, slash);
  std::string name = path.substr(slash + 1);
  return {std::move(folder), name.empty() ? "." : std::move(name)};
}

// A link's whole text, however long: its reported size is not trusted (links in /proc report
// none that fits).
int readLink(const SystemCalls& calls, int folder, const std::string& name, std::string& text) {
  for (std::size_t size = 256;; size *= 2) {
    text.resize(size);
    const ssize_t n = calls.readlinkat(folder, name.c_str(), text.data(), size);
    if (n < 0) return errno;
    if (static_cast<std::size_t>(n) < size) {
      text.resize(static_cast<std::size_t>(n));
      return 0;
    }
    if (size >= (std::size_t{1} << 20)) return ENAMETOOLONG;
  }
}

bool mayFollow(const SystemCalls& calls, const struct stat& folder, const struct stat& link) {
  const bool guarded = (folder.st_mode & S_ISVTX) && (folder.st_mode & S_IWOTH);
  return !guarded || link.st_uid == calls.geteuid() || link.st_uid == folder.st_uid;
}

bool sameFile(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Opens a folder for reading (so that it can be flushed), or only as a base of names when it
// may not be read.
int openFolder(const SystemCalls& calls, int base, const std::string& path, Fd& folder) {
  int fd = calls.openat(base, path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
  if (fd < 0 && errno == EACCES)
    fd = calls.openat(base, path.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC, 0);
  if (fd < 0) return errno;
  folder.reset(fd);
  return 0;
}

}  // namespace

int findSaveTarget(const SystemCalls& calls, const std::string& path, SaveTarget& target) {
  auto [folderPath, name] = splitPath(path);
  if (const int err = openFolder(calls, AT_FDCWD, folderPath, target.folder)) return err;
  target.name = std::move(name);
  for (int hop = 0; hop <= kMaxLinks; ++hop) {
    const int folder = target.folder.get();
    struct stat link {
    }, folderInfo{}, reached{}, named{};
    if (calls.fstatat(folder, target.name.c_str(), &link, AT_SYMLINK_NOFOLLOW) != 0)
      return errno == ENOENT ? 0 : errno;  // ENOENT: a new file
    if (!S_ISLNK(link.st_mode)) return 0;
    if (calls.fstat(folder, &folderInfo) != 0) return errno;
    if (!mayFollow(calls, folderInfo, link)) return EACCES;
    std::string text;
    if (const int err = readLink(calls, folder, target.name, text)) return err;
    const bool dangling = calls.fstatat(folder, target.name.c_str(), &reached, 0) != 0;
    if (dangling && errno != ENOENT) return errno;
    auto [nextFolderPath, nextName] = splitPath(text);
    Fd next(calls);
    const int err = openFolder(calls, folder, nextFolderPath, next);
    if (dangling && err != 0) return err;
    // The link reaches a file that its text does not name: write through the link itself.
    if (!dangling && (err != 0 || calls.fstatat(next.get(), nextName.c_str(), &named, 0) != 0 ||
                      !sameFile(named, reached))) {
      target.throughLink = true;
      return 0;
    }
    target.folder = std::move(next);
    target.name = std::move(nextName);
  }
  return ELOOP;
}

}  // namespace flex
