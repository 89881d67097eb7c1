// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Keeps one window's recovery copy up to date without making the window wait: writes, flushes
// and removals run on a thread of their own, in the order asked, and a copy asked for while an
// earlier one still waits takes its place (only the newest matters).
#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>
#include <thread>

#include "session/recovery_folder.hpp"

namespace flex {

class RecoveryWriter {
 public:
  explicit RecoveryWriter(const RecoveryFolder& folder);  // which must outlive it
  ~RecoveryWriter();  // does what was asked, then ends; the copy stays
  RecoveryWriter(const RecoveryWriter&) = delete;
  RecoveryWriter& operator=(const RecoveryWriter&) = delete;

  // Each returns at once.
  void keep(RecoveryCopy copy);   // writes `copy` as this window's copy (under a new id at first)
  void drop();                    // removes this window's copy, if there is one
  void adopt(RecoveryLock lock);  // the copy of `lock` (an orphan restored) becomes this
                                  // window's own; the window's own, if any, goes
  void flush();                   // waits until all that was asked is done

  std::string id() const;  // of this window's copy; empty while it has none
  int error() const;       // of the last write or removal: 0, or the error number

 private:
  struct Job {
    enum class Kind { Keep, Drop, Adopt } kind;
    RecoveryCopy copy;
    RecoveryLock lock;
  };
  void push(Job job);
  void run();
  void perform(Job& job);

  const RecoveryFolder& folder_;
  mutable std::mutex mutex_;
  std::condition_variable wake_, idle_;
  std::deque<Job> jobs_;
  bool busy_ = false, stop_ = false;
  RecoveryLock lock_;  // held while this window has a copy; the writer thread's
  std::string id_;     // lock_'s id, for the other thread
  int error_ = 0;
  std::thread thread_;  // last: starts when all else is ready
};

}  // namespace flex
