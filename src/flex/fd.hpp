// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An open descriptor, closed once on every path through the calls it was opened with.
#include <cerrno>
#include <string>
#include <utility>

#include "flex/system_calls.hpp"

namespace flex {

class Fd {
 public:
  explicit Fd(const SystemCalls& calls, int fd = -1) : calls_(&calls), fd_(fd) {}
  Fd(Fd&& other) noexcept : calls_(other.calls_), fd_(other.release()) {}
  Fd& operator=(Fd&& other) noexcept {
    reset(other.release());
    calls_ = other.calls_;
    return *this;
  }
  ~Fd() { reset(); }
  int get() const { return fd_; }
  bool valid() const { return fd_ >= 0; }
  int release() { return std::exchange(fd_, -1); }
  void reset(int fd = -1) {  // a close that fails here has nothing left to report to
    if (fd_ >= 0) calls_->close(fd_);
    fd_ = fd;
  }
  // Closes it now; returns 0 or the error number (a write a network file system reports late).
  int close() { return valid() && calls_->close(release()) != 0 ? errno : 0; }

 private:
  const SystemCalls* calls_;
  int fd_;
};

// "/proc/self/fd/N": a name for an open descriptor that the path calls accept.
inline std::string descriptorPath(int fd) { return "/proc/self/fd/" + std::to_string(fd); }

}  // namespace flex
