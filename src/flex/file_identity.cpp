// SPDX-License-Identifier: GPL-3.0-or-later
#include "flex/file_identity.hpp"

#include <fcntl.h>

#include <cerrno>
#include <cstring>

#include "flex/flex_file.hpp"
#include "flex/save_target.hpp"

namespace flex {

// FNV-1a, eight bytes a round, each round folding the high half of the state into the low one
// so that a change anywhere in a word reaches every bit of the rounds after it. Every round is a
// bijection of the state, so a change confined to one word always changes the result.
std::uint64_t contentHash(std::string_view bytes) {
  constexpr std::uint64_t kPrime = 0x100000001b3;
  std::uint64_t hash = 0xcbf29ce484222325;
  const auto round = [&hash](std::uint64_t word) {
    hash = (hash ^ word) * kPrime;
    hash ^= hash >> 32;
  };
  std::size_t i = 0;
  for (; i + 8 <= bytes.size(); i += 8) {
    std::uint64_t word;
    std::memcpy(&word, bytes.data() + i, sizeof word);
    round(word);
  }
  for (; i < bytes.size(); ++i) round(static_cast<unsigned char>(bytes[i]));
  return hash;
}

FileIdentity identityOf(const struct stat& info, std::string_view content) {
  if (!S_ISREG(info.st_mode)) return {};
  return {true, static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino),
          static_cast<std::int64_t>(info.st_size), contentHash(content)};
}

FileIdentity identityAfterSave(const std::string& path, std::string_view content,
                               const FileContext& context) {
  // Saved through one of the program's own descriptors (/dev/stdout >> log, also by a name that
  // only /proc tells is one): a stream, whose file may hold more than this save wrote.
  if (descriptorNamed(path, context.calls.getpid())) return {};
  struct stat info {};
  if (context.calls.fstatat(AT_FDCWD, path.c_str(), &info, 0) != 0) return {};
  if (info.st_size != static_cast<off_t>(content.size())) return {};
  return identityOf(info, content);
}

bool sameFile(const std::string& one, const std::string& other, const FileContext& context) {
  struct stat a {
  }, b{};
  return context.calls.fstatat(AT_FDCWD, one.c_str(), &a, 0) == 0 &&
         context.calls.fstatat(AT_FDCWD, other.c_str(), &b, 0) == 0 && a.st_dev == b.st_dev &&
         a.st_ino == b.st_ino;
}

DiskChange compareWithDisk(const std::string& path, const std::string& knownPath,
                           const FileIdentity& known, const FileContext& context) {
  if (!known.known || path.empty()) return DiskChange::None;
  struct stat info {};
  if (context.calls.fstatat(AT_FDCWD, path.c_str(), &info, 0) != 0) {
    const bool gone = errno == ENOENT || errno == ENOTDIR;
    return gone && path == knownPath ? DiskChange::Gone : DiskChange::None;
  }
  FileIdentity now = identityOf(info, {});
  if (path != knownPath && !(now.known && now.device == known.device && now.inode == known.inode))
    return DiskChange::None;  // another file
  if (!now.known || now.size != known.size) return DiskChange::Changed;
  const ReadResult read = readFlexFile(path, context);
  if (read.error) return DiskChange::None;  // unreadable now: the save will say why
  return read.identity.hash == known.hash ? DiskChange::None : DiskChange::Changed;
}

}  // namespace flex
