// SPDX-License-Identifier: GPL-3.0-or-later
#include "flex/save_target.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <deque>
#include <utility>
#include <vector>

#include "flex/backup_log.hpp"
#include "flex/file_error.hpp"

namespace flex {
namespace {

constexpr int kMaxLinks = 40;  // as the kernel allows

// The names of a path, without empty ones and "." (but a last "." stays: "a/" is the folder "a"
// itself, which a save refuses).
std::deque<std::string> splitNames(std::string_view path) {
  std::deque<std::string> names;
  std::size_t start = 0;
  while (start <= path.size()) {
    const std::size_t slash = std::min(path.find('/', start), path.size());
    const std::string_view name = path.substr(start, slash - start);
    if (!name.empty() && name != ".") names.emplace_back(name);
    start = slash + 1;
  }
  if (!path.empty() && (path.back() == '/' || path.ends_with("/.") || path == "."))
    names.emplace_back(".");
  return names;
}

std::optional<int> number(std::string_view text) {
  if (text.empty() || text.size() > 9) return std::nullopt;
  int value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

// A link's whole text, however long: its reported size is not trusted (links in /proc report
// none that fits).
int readLink(const SystemCalls& calls, int folder, const std::string& name, std::string& text) {
  for (std::size_t size = 256;; size *= 2) {
    text.resize(size);
    const ssize_t n = calls.readlinkat(folder, name.c_str(), text.data(), size);
    if (n < 0) return errno == EINVAL ? kMoved : errno;  // EINVAL: no longer a link
    if (static_cast<std::size_t>(n) < size) {
      text.resize(static_cast<std::size_t>(n));
      return 0;
    }
    if (size >= (std::size_t{1} << 20)) return ENAMETOOLONG;
  }
}

// A sticky folder that everyone may write, such as /tmp, where the kernel guards links and files.
bool guarded(const struct stat& folder) {
  return (folder.st_mode & S_ISVTX) && (folder.st_mode & S_IWOTH);
}
// Neither the user's nor the folder owner's: a link there is not followed, a file not written.
bool foreign(const SystemCalls& calls, const struct stat& folder, const struct stat& entry) {
  return guarded(folder) && entry.st_uid != calls.geteuid() && entry.st_uid != folder.st_uid;
}

class Walk {
 public:
  Walk(const SystemCalls& calls, SaveTarget& target)
      : calls_(calls), target_(target), folder_(calls), linkFolder_(calls), self_(calls.getpid()) {
    for (const char* own : {"/proc/self/fd", "/proc/thread-self/fd"}) {
      struct stat info {};
      if (calls.fstatat(AT_FDCWD, own, &info, 0) == 0) ownFolders_.push_back(fileIdOf(info));
    }
  }

  int run(const std::string& path) {
    if (const auto fd = descriptorNamed(path, self_)) return useDescriptor(*fd);
    if (const int err = enter(path)) return err;
    for (int links = 0;;) {
      const std::string name = std::move(names_.front());
      names_.pop_front();
      const bool last = names_.empty();
      struct stat folder {
      }, entry{};
      if (calls_.fstat(folder_.get(), &folder) != 0) return errno;
      if (const auto fd = number(name); fd && last && isOwnFolder(folder))
        return useDescriptor(*fd);
      if (calls_.fstatat(folder_.get(), name.c_str(), &entry, AT_SYMLINK_NOFOLLOW) != 0) {
        if (errno == ENOENT && last && !linkReaches_) return found(name);  // a new file
        return notFound(errno);
      }
      if (S_ISLNK(entry.st_mode)) {
        if (++links > kMaxLinks) return ELOOP;
        if (foreign(calls_, folder, entry)) return EACCES;
        std::string text;
        if (const int err = readLink(calls_, folder_.get(), name, text)) return err;
        if (const auto fd = descriptorNamed(text, self_)) return useDescriptor(*fd);
        if (last)
          if (const int err = rememberLink(name)) return err;
        if (const int err = enter(text)) return notFound(err);
        continue;
      }
      if (last) {
        if (linkReaches_ && (entry.st_dev != reached_.st_dev || entry.st_ino != reached_.st_ino))
          return notFound(ENOENT);
        if (!S_ISDIR(entry.st_mode) && foreign(calls_, folder, entry)) return EACCES;
        return found(name);
      }
      if (!S_ISDIR(entry.st_mode)) return notFound(ENOTDIR);
      Fd next(calls_, calls_.openat(folder_.get(), name.c_str(),
                                    O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC, 0));
      if (!next.valid()) return errno == ELOOP || errno == ENOTDIR ? kMoved : notFound(errno);
      folder_ = std::move(next);
    }
  }

 private:
  // Puts the names of `path` before those still to walk; an absolute one starts again at "/".
  int enter(std::string_view path) {
    if (path.empty()) return ENOENT;
    auto names = splitNames(path);
    names_.insert(names_.begin(), names.begin(), names.end());
    if (path.front() == '/' || !folder_.valid()) {
      folder_.reset(calls_.openat(AT_FDCWD, path.front() == '/' ? "/" : ".",
                                  O_PATH | O_DIRECTORY | O_CLOEXEC, 0));
      if (!folder_.valid()) return errno;
    }
    if (names_.empty()) names_.emplace_back(".");  // "/" itself
    return 0;
  }

  // A last name that is a link: where it leads, to compare with where its text leads.
  int rememberLink(const std::string& name) {
    linkReaches_ = calls_.fstatat(folder_.get(), name.c_str(), &reached_, 0) == 0;
    if (!linkReaches_) return errno == ENOENT ? 0 : errno;  // dangling: its text names a new file
    linkFolder_.reset(calls_.openat(folder_.get(), ".", O_PATH | O_DIRECTORY | O_CLOEXEC, 0));
    linkName_ = name;
    return linkFolder_.valid() ? 0 : errno;
  }

  // The text of a last link that reaches a file does not lead to it (a link in /proc to a pipe or
  // a deleted file): the file is written through the link itself.
  int notFound(int err) {
    if (!linkReaches_ || (err != ENOENT && err != ENOTDIR)) return err;
    target_.folder = std::move(linkFolder_);
    target_.name = linkName_;
    target_.throughLink = true;
    return 0;
  }

  int found(const std::string& name) {
    Fd readable(calls_, calls_.openat(folder_.get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0));
    target_.folder = readable.valid() ? std::move(readable) : std::move(folder_);
    target_.name = name;
    return 0;
  }

  int useDescriptor(int fd) {
    if (calls_.fcntl(fd, F_GETFL, 0) < 0) return EBADF;  // not open
    target_.descriptor = fd;
    return 0;
  }

  bool isOwnFolder(const struct stat& folder) const {
    for (const FileId& own : ownFolders_)
      if (own == fileIdOf(folder)) return true;
    return false;
  }

  const SystemCalls& calls_;
  SaveTarget& target_;
  Fd folder_;
  std::deque<std::string> names_;
  bool linkReaches_ = false;
  struct stat reached_ {};
  Fd linkFolder_;
  std::string linkName_;
  pid_t self_;
  std::vector<FileId> ownFolders_;
};

}  // namespace

std::optional<int> descriptorNamed(std::string_view path, pid_t self) {
  if (!path.starts_with('/')) return std::nullopt;
  const auto names = splitNames(path);
  const std::vector<std::string_view> n(names.begin(), names.end());
  if (n.size() == 2 && n[0] == "dev") {
    constexpr std::string_view kStandard[] = {"stdin", "stdout", "stderr"};
    for (int fd = 0; fd < 3; ++fd)
      if (n[1] == kStandard[fd]) return fd;
  }
  if (n.size() == 3 && n[0] == "dev" && n[1] == "fd") return number(n[2]);
  if (n.size() == 4 && n[0] == "proc" && n[2] == "fd" &&
      (n[1] == "self" || n[1] == "thread-self" || number(n[1]) == self))
    return number(n[3]);
  return std::nullopt;
}

int findSaveTarget(const SystemCalls& calls, const std::string& path, SaveTarget& target) {
  return Walk(calls, target).run(path);
}

}  // namespace flex
