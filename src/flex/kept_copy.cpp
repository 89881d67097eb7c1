// SPDX-License-Identifier: GPL-3.0-or-later
#include "flex/kept_copy.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "flex/fd.hpp"
#include "flex/new_file.hpp"
#include "flex/safe_write.hpp"

namespace flex {
namespace {

constexpr std::size_t kNameMax = 255;  // bytes of a folder entry

// The folder for restore copies, made with its missing parents (mode 0700: the user's alone).
int openRestoreFolder(const SystemCalls& calls, const std::string& path, Fd& folder) {
  const auto open = [&] {
    folder.reset(calls.openat(AT_FDCWD, path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0));
    return folder.valid() ? 0 : errno;
  };
  if (path.empty() || path.front() != '/') return ENOENT;
  if (const int err = open(); err != ENOENT) return err;
  for (std::size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
    if (calls.mkdirat(AT_FDCWD, path.substr(0, slash).c_str(), 0700) != 0 && errno != EEXIST)
      return errno;
    if (slash == std::string::npos) return open();
  }
}

// "DEVICE-INODE-NAME" and `suffix`, within the bytes a name may have.
std::string restoreName(const struct stat& file, const std::string& name,
                        const std::string& suffix) {
  const std::string prefix = std::to_string(file.st_dev) + "-" + std::to_string(file.st_ino) + "-";
  return prefix + name.substr(0, kNameMax - prefix.size() - suffix.size()) + suffix;
}

// Whether a failure to write NAME~ comes from the folder or the name, which the restore folder
// gets round; other failures (a full disk) would meet a copy anywhere.
CopyObstacle obstacleOf(const SystemCalls& calls, int folder, int err) {
  switch (err) {
    case ENAMETOOLONG: return CopyObstacle::LongName;
    case EROFS: return CopyObstacle::Folder;
    case EACCES:
    case EPERM:  // no new name in the folder, or NAME~ is another user's in a sticky folder
      return calls.faccessat(folder, ".", W_OK | X_OK, AT_EACCESS) != 0 ? CopyObstacle::Folder
                                                                        : CopyObstacle::NameTaken;
    case EISDIR:
    case ENOTEMPTY:
    case EEXIST:
    case EBUSY: return CopyObstacle::NameTaken;
    default: return CopyObstacle::None;
  }
}

}  // namespace

KeptCopy keepCopy(const SystemCalls& calls, const std::string& restoreFolder, int folder,
                  const std::string& name, int from, const FileMetadata& old,
                  CopyObstacle obstacle) {
  const std::string beside = name + "~";
  int err = obstacle == CopyObstacle::Folder ? EACCES : 0;
  if (obstacle == CopyObstacle::None && beside.size() > kNameMax) {
    obstacle = CopyObstacle::LongName;
    err = ENAMETOOLONG;
  }
  if (obstacle == CopyObstacle::None) {
    err = writeBackup(calls, folder, beside, from, old);
    obstacle = obstacleOf(calls, folder, err);
    if (obstacle == CopyObstacle::None) return {err, beside, obstacle};
  }
  if (restoreFolder.empty()) return {err, beside, obstacle};
  const std::string copyName = restoreName(old.info, name, "~");
  Fd restore(calls);
  err = openRestoreFolder(calls, restoreFolder, restore);
  if (err == 0) {
    removeLeftovers(calls, restore.get(), copyName);
    err = writeBackup(calls, restore.get(), copyName, from, old);
  }
  return {err, restoreFolder + "/" + copyName, obstacle};
}

std::string rescueCopy(const SystemCalls& calls, const std::string& restoreFolder,
                       const std::string& name, int from, const FileMetadata& old) {
  Fd restore(calls);
  if (restoreFolder.empty() || openRestoreFolder(calls, restoreFolder, restore) != 0) return {};
  for (int n = 1; n < 100; ++n) {
    const std::string copyName =
        restoreName(old.info, name, std::string("~").append(std::to_string(n)));
    const int err = writeBackup(calls, restore.get(), copyName, from, old, false);
    if (err == 0) return restoreFolder + "/" + copyName;
    if (err != kMoved) break;  // kMoved: an earlier one has that name
  }
  return {};
}

}  // namespace flex
