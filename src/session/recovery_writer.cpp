// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/recovery_writer.hpp"

#include <utility>

namespace flex {

RecoveryWriter::RecoveryWriter(const RecoveryFolder& folder)
    : folder_(folder), lock_(realSystemCalls()), thread_([this] { run(); }) {}

RecoveryWriter::~RecoveryWriter() {
  {
    const std::lock_guard guard(mutex_);
    stop_ = true;
  }
  wake_.notify_one();
  thread_.join();
}

void RecoveryWriter::keep(RecoveryCopy copy) {
  push({Job::Kind::Keep, std::move(copy), RecoveryLock(realSystemCalls())});
}

void RecoveryWriter::drop() { push({Job::Kind::Drop, {}, RecoveryLock(realSystemCalls())}); }

void RecoveryWriter::adopt(RecoveryLock lock) { push({Job::Kind::Adopt, {}, std::move(lock)}); }

void RecoveryWriter::push(Job job) {
  {
    const std::lock_guard guard(mutex_);
    // A write or a removal still waiting is replaced by what comes after it.
    if (job.kind != Job::Kind::Adopt && !jobs_.empty() && jobs_.back().kind != Job::Kind::Adopt)
      jobs_.pop_back();
    jobs_.push_back(std::move(job));
  }
  wake_.notify_one();
}

void RecoveryWriter::flush() {
  std::unique_lock guard(mutex_);
  idle_.wait(guard, [this] { return jobs_.empty() && !busy_; });
}

std::string RecoveryWriter::id() const {
  const std::lock_guard guard(mutex_);
  return id_;
}

int RecoveryWriter::error() const {
  const std::lock_guard guard(mutex_);
  return error_;
}

void RecoveryWriter::run() {
  std::unique_lock guard(mutex_);
  for (;;) {
    wake_.wait(guard, [this] { return stop_ || !jobs_.empty(); });
    if (jobs_.empty()) return;  // stopped, with everything done
    Job job = std::move(jobs_.front());
    jobs_.pop_front();
    busy_ = true;
    guard.unlock();
    perform(job);
    guard.lock();
    busy_ = false;
    id_ = lock_.held() ? lock_.id() : std::string();
    if (jobs_.empty()) idle_.notify_all();
  }
}

void RecoveryWriter::perform(Job& job) {
  int err = 0;
  if (job.kind != Job::Kind::Keep && lock_.held()) err = folder_.remove(lock_);
  if (job.kind == Job::Kind::Adopt) lock_ = std::move(job.lock);
  if (job.kind == Job::Kind::Keep) {
    if (!lock_.held()) lock_ = folder_.newLock(err);
    if (lock_.held()) err = folder_.write(lock_, job.copy);
  }
  const std::lock_guard guard(mutex_);
  error_ = err;
}

}  // namespace flex
