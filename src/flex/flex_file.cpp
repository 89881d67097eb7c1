#include "flex/flex_file.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <cstdint>
#include <random>
#include <utility>

namespace flex {
namespace {

std::string reasonFor(int err) {
  switch (err) {
    case ENOENT: return "il file o la cartella non esiste";
    case EACCES:
    case EPERM: return "permesso negato";
    case EISDIR: return "è una cartella";
    case ENOSPC: return "spazio esaurito sul disco";
    case EROFS: return "il disco è in sola lettura";
    case ENOTDIR: return "un elemento del percorso non è una cartella";
    case ENAMETOOLONG: return "il nome è troppo lungo";
    case ELOOP: return "troppi collegamenti simbolici";
    case ENXIO: return "nessun processo legge dal dispositivo";
    default: return std::strerror(err);
  }
}

FileResult failure(int err) { return {false, {}, reasonFor(err)}; }
FileResult failure(std::string reason) { return {false, {}, std::move(reason)}; }

// Closes a descriptor once, on every path.
class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  ~Fd() {
    if (fd_ >= 0) ::close(fd_);
  }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  int get() const { return fd_; }
  bool valid() const { return fd_ >= 0; }
  int release() { return std::exchange(fd_, -1); }

 private:
  int fd_;
};

bool writeAll(int fd, std::string_view data) {
  while (!data.empty()) {
    const ssize_t n = ::write(fd, data.data(), data.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

// Follows symbolic links to the path that is finally written; a dangling link yields the
// path it names.
bool resolveLinks(std::string path, std::string& out, int& err) {
  for (int hops = 0; hops < 40; ++hops) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
      out = path;
      return true;
    }
    std::string target(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 4096) + 1, '\0');
    const ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
    if (n < 0) {
      err = errno;
      return false;
    }
    target.resize(static_cast<std::size_t>(n));
    if (!target.empty() && target.front() != '/') {
      const auto slash = path.rfind('/');
      if (slash != std::string::npos) target = path.substr(0, slash + 1) + target;
    }
    path = target;
  }
  err = ELOOP;
  return false;
}

std::string folderOf(const std::string& path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

// A hidden name beside the target: "." + name + ".tmp" + up to 9 digits. The name part is cut
// so that the whole stays within the 255 bytes a folder entry may have, or a file with a long
// name could never be saved.
std::string tempName(const std::string& target) {
  static std::mt19937_64 rng{std::random_device{}()};
  constexpr std::size_t kMaxBase = 255 - 1 - 4 - 9;
  const auto slash = target.rfind('/');
  const std::string base =
      (slash == std::string::npos ? target : target.substr(slash + 1)).substr(0, kMaxBase);
  const std::string dir = folderOf(target);
  return (dir == "/" ? "" : dir) + "/." + base + ".tmp" + std::to_string(rng() % 1000000000);
}

// Writes a device, a FIFO or another special file in place; never blocks on a FIFO with no
// reader.
FileResult writeInPlace(const std::string& path, std::string_view content) {
  Fd fd(::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
  if (!fd.valid()) return failure(errno);
  const int flags = ::fcntl(fd.get(), F_GETFL);
  if (flags >= 0) ::fcntl(fd.get(), F_SETFL, flags & ~O_NONBLOCK);
  if (!writeAll(fd.get(), content)) return failure(errno);
  if (::close(fd.release()) != 0) return failure(errno);
  return {true, {}, {}};
}

}  // namespace

std::vector<std::string> splitFlexLines(std::string_view content) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < content.size()) {
    const auto cr = content.find('\r', start);
    if (cr == std::string_view::npos) {
      lines.emplace_back(content.substr(start));
      break;
    }
    lines.emplace_back(content.substr(start, cr - start));
    start = cr + 1;
    if (start < content.size() && content[start] == '\n') ++start;
  }
  return lines;
}

std::string joinFlexLines(const std::vector<std::string>& records) {
  std::string out;
  for (const auto& record : records) {
    if (record.empty()) continue;
    out += record;
    out += "\r\n";
  }
  return out;
}

FileResult readFlexFile(const std::string& path) {
  Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
  if (!fd.valid()) return failure(errno);
  struct stat st {};
  if (::fstat(fd.get(), &st) != 0) return failure(errno);
  if (S_ISDIR(st.st_mode)) return failure(EISDIR);
  if (!S_ISREG(st.st_mode)) return failure(std::string("non è un file normale"));
  if (static_cast<std::uint64_t>(st.st_size) > kMaxFileSize)
    return failure(std::string("il file supera 1 MiB"));

  FileResult result{true, {}, {}};
  char buffer[65536];
  for (;;) {
    const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
    if (n < 0) {
      if (errno == EINTR) continue;
      return failure(errno);
    }
    if (n == 0) break;
    result.content.append(buffer, static_cast<std::size_t>(n));
    if (result.content.size() > kMaxFileSize) return failure(std::string("il file supera 1 MiB"));
  }
  return result;
}

FileResult writeFlexFile(const std::string& path, std::string_view content) {
  if (path.empty()) return failure(ENOENT);
  std::string target;
  int err = 0;
  if (!resolveLinks(path, target, err)) return failure(err);

  struct stat st {};
  const bool exists = ::stat(target.c_str(), &st) == 0;
  if (!exists && errno != ENOENT) return failure(errno);
  if (exists && S_ISDIR(st.st_mode)) return failure(EISDIR);
  if (exists && !S_ISREG(st.st_mode)) return writeInPlace(target, content);
  if (exists && ::access(target.c_str(), W_OK) != 0) return failure(errno);

  const std::string temp = tempName(target);
  const mode_t mode = exists ? (st.st_mode & 07777) : 0666;
  Fd fd(::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
  if (!fd.valid()) return failure(errno);
  auto fail = [&](int e) {
    ::unlink(temp.c_str());
    return failure(e);
  };
  if (!writeAll(fd.get(), content)) return fail(errno);
  if (exists) {
    if (::fchown(fd.get(), st.st_uid, st.st_gid) != 0) { /* keep the caller's ownership */ }
    if (::fchmod(fd.get(), mode) != 0) return fail(errno);
  } else {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    if (::fchmod(fd.get(), mode & ~mask) != 0) return fail(errno);
  }
  if (::fsync(fd.get()) != 0) return fail(errno);
  if (::close(fd.release()) != 0) return fail(errno);
  if (::rename(temp.c_str(), target.c_str()) != 0) return fail(errno);
  Fd dir(::open(folderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir.valid()) ::fsync(dir.get());
  return {true, {}, {}};
}

}  // namespace flex
