// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/recovery_folder.hpp"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <random>

#include "flex/flex_file.hpp"
#include "flex/safe_write.hpp"

namespace flex {
namespace {

constexpr std::string_view kCopySuffix = ".flexrecovery";
constexpr std::string_view kLockSuffix = ".lock";
// Larger than any copy this program writes (records of tens of MiB): a file over it is not one.
constexpr std::size_t kMaxCopySize = std::size_t{1} << 30;

bool sameFile(const SystemCalls& calls, const std::string& a, const std::string& b) {
  if (a == b) return true;
  struct stat x {
  }, y{};
  return calls.fstatat(AT_FDCWD, a.c_str(), &x, 0) == 0 &&
         calls.fstatat(AT_FDCWD, b.c_str(), &y, 0) == 0 && x.st_dev == y.st_dev &&
         x.st_ino == y.st_ino;
}

}  // namespace

std::string RecoveryFolder::copyPath(const std::string& id) const {
  return path_ + "/" + id + std::string(kCopySuffix);
}

std::vector<std::string> RecoveryFolder::ids() const {
  std::vector<std::string> ids;
  std::error_code error;
  for (std::filesystem::directory_iterator it(path_, error), end; !error && it != end;
       it.increment(error)) {
    const std::string name = it->path().filename().string();
    if (name.size() > kCopySuffix.size() && name.ends_with(kCopySuffix) && name[0] != '.')
      ids.push_back(name.substr(0, name.size() - kCopySuffix.size()));
  }
  std::sort(ids.begin(), ids.end());
  return ids;
}

RecoveryLock RecoveryFolder::lock(const std::string& id) const {
  const SystemCalls& calls = files_.calls;
  RecoveryLock lock(calls);
  lock.id_ = id;
  const std::string name = path_ + "/" + id + std::string(kLockSuffix);
  lock.fd_.reset(
      calls.openat(AT_FDCWD, name.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600));
  if (lock.held() && calls.flock(lock.fd_.get(), LOCK_EX | LOCK_NB) != 0) lock.fd_.reset();
  return lock;
}

// Each missing folder of the path in turn, the last for the user only.
int RecoveryFolder::makeFolder() const {
  for (std::size_t end = path_.find('/', 1);; end = path_.find('/', end + 1)) {
    const std::string folder = path_.substr(0, end);
    const bool last = end == std::string::npos;
    if (files_.calls.mkdirat(AT_FDCWD, folder.c_str(), last ? 0700 : 0755) != 0 && errno != EEXIST)
      return errno;
    if (last) return 0;
  }
}

RecoveryLock RecoveryFolder::newLock(int& err) const {
  const SystemCalls& calls = files_.calls;
  RecoveryLock lock(calls);
  if ((err = makeFolder()) != 0) return lock;
  static std::mt19937_64 random{std::random_device{}()};
  for (int attempt = 0; attempt < 100; ++attempt) {
    lock.id_ = std::to_string(::getpid()) + "-" + std::to_string(random() % 1000000000);
    const std::string name = path_ + "/" + lock.id_ + std::string(kLockSuffix);
    lock.fd_.reset(calls.openat(AT_FDCWD, name.c_str(),
                                O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (!lock.held() && errno == EEXIST) continue;
    err = lock.held() ? 0 : errno;
    if (lock.held() && calls.flock(lock.fd_.get(), LOCK_EX | LOCK_NB) != 0) {
      err = errno;
      lock.fd_.reset();
    }
    return lock;
  }
  err = EEXIST;
  return lock;
}

int RecoveryFolder::write(const RecoveryLock& lock, const RecoveryCopy& copy) const {
  const SystemCalls& calls = files_.calls;
  Fd folder(calls, calls.openat(AT_FDCWD, path_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0));
  if (!folder.valid()) return errno;
  return putOwnFile(calls, folder.get(), lock.id() + std::string(kCopySuffix),
                    encodeRecoveryCopy(copy));
}

RecoveryRead RecoveryFolder::read(const std::string& id) const {
  ReadResult file = readFlexFile(copyPath(id), files_, kMaxCopySize);
  if (!file.error) return decodeRecoveryCopy(file.content);
  const bool tooLarge = file.error->reason == FileReason::TooLarge;
  return {
      {},
      RecoveryProblem{tooLarge ? RecoveryProblem::Kind::Foreign : RecoveryProblem::Kind::Unreadable,
                      tooLarge ? FileError{} : *file.error}};
}

int RecoveryFolder::remove(RecoveryLock& lock) const {
  const SystemCalls& calls = files_.calls;
  const std::string copy = copyPath(lock.id());
  int err = calls.unlinkat(AT_FDCWD, copy.c_str(), 0) != 0 && errno != ENOENT ? errno : 0;
  // What a write killed between its two names may have left (see NewFile).
  const std::string left = path_ + "/." + lock.id() + std::string(kCopySuffix) + ".flexedit-saving";
  calls.unlinkat(AT_FDCWD, left.c_str(), 0);
  if (err == 0)
    calls.unlinkat(AT_FDCWD, (path_ + "/" + lock.id() + std::string(kLockSuffix)).c_str(), 0);
  lock.fd_.reset();
  return err;
}

bool RecoveryFolder::heldElsewhere(const std::string& name, const std::string& ownId) const {
  for (const std::string& id : ids()) {
    if (id == ownId || lock(id).held()) continue;  // this window's, or no window's
    const RecoveryRead read = this->read(id);
    if (!read.problem && sameFile(files_.calls, read.copy.document.fileName, name)) return true;
  }
  return false;
}

}  // namespace flex
