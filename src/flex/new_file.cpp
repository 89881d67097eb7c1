// SPDX-License-Identifier: GPL-3.0-or-later
#include "flex/new_file.hpp"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <random>
#include <string_view>
#include <utility>

namespace flex {
namespace {

// A hidden name beside `name`, within the 255 bytes a folder entry may have.
std::string randomName(const std::string& name) {
  static std::mt19937 random{std::random_device{}()};
  static constexpr std::string_view kLetters = "abcdefghijklmnopqrstuvwxyz0123456789";
  std::string suffix(6, ' ');
  for (char& c : suffix) c = kLetters[random() % kLetters.size()];
  return "." + name.substr(0, 255 - 12) + "." + suffix + ".tmp";
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

// The folder's lock among this program's saves, taken without waiting. A replacing file gets
// its temporary name only under it, one name per target, so that the name a save killed in
// between leaves is known to be left over: the next save of that file removes it.
class FolderLock {
 public:
  FolderLock(const SystemCalls& calls, int folder)
      : calls_(calls), folder_(calls.flock(folder, LOCK_EX | LOCK_NB) == 0 ? folder : -1) {}
  ~FolderLock() {
    if (folder_ >= 0) calls_.flock(folder_, LOCK_UN);
  }
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;
  bool held() const { return folder_ >= 0; }

 private:
  const SystemCalls& calls_;
  int folder_;
};

// Gives the unnamed file at `fd` the name `name` in `folder`. Returns 0 or the error number.
int linkDescriptor(const SystemCalls& calls, int fd, int folder, const std::string& name) {
  if (calls.linkat(AT_FDCWD, descriptorPath(fd).c_str(), folder, name.c_str(), AT_SYMLINK_FOLLOW) ==
      0)
    return 0;
  if (errno != ENOENT) return errno;
  // No /proc: linking by the descriptor itself needs a privilege, which root has.
  return calls.linkat(fd, "", folder, name.c_str(), AT_EMPTY_PATH) == 0 ? 0 : errno;
}

}  // namespace

NewFile::~NewFile() {
  if (!temp_.empty()) calls_.unlinkat(folder_, temp_.c_str(), 0);
}

int NewFile::create(const std::string& name, mode_t mode) {
  fd_.reset(calls_.openat(folder_, ".", O_TMPFILE | O_RDWR | O_CLOEXEC, mode));
  if (fd_.valid()) return 0;
  // Only a file system without unnamed files gets a named temporary one.
  if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) return errno;
  return withFreshName(name, temp_, [&](const std::string& candidate) {
    fd_.reset(
        calls_.openat(folder_, candidate.c_str(), O_CREAT | O_EXCL | O_RDWR | O_CLOEXEC, mode));
    return fd_.valid() ? 0 : errno;
  });
}

// An unnamed file that replaces another takes a temporary name first, to be renamed over it.
int NewFile::linkTemporary(const std::string& name) {
  const FolderLock lock(calls_, folder_);
  if (!lock.held())  // another save holds the lock: a name of its own
    return withFreshName(name, temp_, [&](const std::string& candidate) {
      return linkDescriptor(calls_, fd(), folder_, candidate);
    });
  std::string fixed = "." + name.substr(0, 255 - 17) + ".flexedit-saving";
  calls_.unlinkat(folder_, fixed.c_str(), 0);  // left by a save killed here
  const int err = linkDescriptor(calls_, fd(), folder_, fixed);
  if (err == 0) temp_ = std::move(fixed);
  return err;
}

int NewFile::publish(const std::string& name, Publish how) {
  // Complete and on the disk: only now does it get a name.
  if (calls_.fsync(fd()) != 0) return errno;
  if (const int err = giveName(name, how)) return err;
  calls_.fsync(folder_);  // the new name on the disk too; a folder that may not be read is skipped
  return 0;
}

int NewFile::giveName(const std::string& name, Publish how) {
  if (temp_.empty() && how == Publish::New) {
    const int err = linkDescriptor(calls_, fd(), folder_, name);
    if (err != EEXIST) return err;  // else a file took the name since: replaced as any other
  }
  if (temp_.empty())
    if (const int err = linkTemporary(name)) return err;
  if (calls_.renameat(folder_, temp_.c_str(), folder_, name.c_str()) != 0) return errno;
  temp_.clear();
  return 0;
}

}  // namespace flex
