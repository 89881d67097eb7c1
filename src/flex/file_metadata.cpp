// SPDX-License-Identifier: GPL-3.0-or-later
#include "flex/file_metadata.hpp"

#include <algorithm>
#include <cerrno>

namespace flex {
namespace {

// Calls `get(buffer, size)` (a list or get of extended attributes) with a buffer that grows
// until the answer fits. Returns 0, or the error number.
template <typename Get>
int readGrowing(std::string& out, Get get) {
  for (int attempt = 0; attempt < 8; ++attempt) {
    const ssize_t size = get(nullptr, 0);
    if (size < 0) return errno;
    out.resize(static_cast<std::size_t>(size));
    const ssize_t n = get(out.data(), out.size());
    if (n >= 0) {
      out.resize(static_cast<std::size_t>(n));
      return 0;
    }
    if (errno != ERANGE) return errno;  // ERANGE: it grew in between
  }
  return ERANGE;
}

std::vector<std::string> splitNames(const std::string& list) {
  std::vector<std::string> names;
  for (std::size_t at = 0; at < list.size(); at = list.find('\0', at) + 1)
    names.emplace_back(list.c_str() + at);
  return names;
}

}  // namespace

int readMetadata(const SystemCalls& calls, int fd, FileMetadata& m) {
  if (calls.fstat(fd, &m.info) != 0) return errno;
  std::string list, value;
  const auto listAll = [&](char* b, size_t n) { return calls.flistxattr(fd, b, n); };
  if (const int err = readGrowing(list, listAll)) {
    m.attributesKnown = err == EOPNOTSUPP;  // a file system without attributes
    return 0;
  }
  for (const std::string& name : splitNames(list)) {
    const auto getOne = [&](char* b, size_t n) { return calls.fgetxattr(fd, name.c_str(), b, n); };
    if (readGrowing(value, getOne) != 0)
      m.attributesKnown = false;
    else
      m.attributes.emplace_back(name, value);
  }
  return 0;
}

int applyMetadata(const SystemCalls& calls, int fd, const FileMetadata& m, MetadataCopy copy) {
  const struct stat& want = m.info;
  mode_t mode = want.st_mode & 07777;
  struct stat now {};
  if (calls.fstat(fd, &now) != 0) return errno;
  if (now.st_uid != want.st_uid || now.st_gid != want.st_gid)  // refused: the checks below tell
    if (calls.fchown(fd, want.st_uid, want.st_gid) != 0 && copy == MetadataCopy::Lenient)
      calls.fchown(fd, static_cast<uid_t>(-1), want.st_gid);  // the group alone, where it may
  if (calls.fchmod(fd, mode) != 0) return errno;  // after fchown, which may clear set-id bits
  bool copied = m.attributesKnown;
  for (const auto& [name, value] : m.attributes)
    if (calls.fsetxattr(fd, name.c_str(), value.data(), value.size()) != 0) copied = false;
  // Attributes the new file took from its folder (a default access list) and the old one lacks.
  std::string list;
  const int listed =
      readGrowing(list, [&](char* b, size_t n) { return calls.flistxattr(fd, b, n); });
  for (const std::string& name : listed == 0 ? splitNames(list) : std::vector<std::string>{}) {
    const auto kept = [&](const auto& attribute) { return attribute.first == name; };
    if (!std::any_of(m.attributes.begin(), m.attributes.end(), kept) &&
        calls.fremovexattr(fd, name.c_str()) != 0)
      copied = false;
  }
  if (listed != 0 && listed != EOPNOTSUPP) copied = false;
  if (calls.fstat(fd, &now) != 0) return errno;
  const bool same = now.st_uid == want.st_uid && now.st_gid == want.st_gid;
  if (copy == MetadataCopy::All)
    return !copied ? EOPNOTSUPP : same && (now.st_mode & 07777) == mode ? 0 : EPERM;
  // A copy gives no one access that the file did not: another group, or an access list that
  // could not be copied, leaves it to its owner; its owner is no set-user-ID.
  if (!copied || now.st_gid != want.st_gid) mode &= 0700;
  if (now.st_uid != want.st_uid) mode &= ~mode_t{S_ISUID};
  return calls.fchmod(fd, mode) == 0 ? 0 : errno;
}

}  // namespace flex
