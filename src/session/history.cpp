// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/history.hpp"

#include <algorithm>
#include <cstring>
#include <string_view>
#include <utility>

namespace flex {
namespace {

// Puts one side of a change in place of the other.
template <typename Change>
void replaceIn(std::string& text, const Change& change, bool forward) {
  const std::string& removed = forward ? *change.before : *change.after;
  const std::string& inserted = forward ? *change.after : *change.before;
  text.replace(change.offset, removed.size(), inserted);
}

// The length of the common head of `a` and `b`, and of their common tail within the first
// `limit` characters from the end: whole blocks by memcmp, then character by character.
constexpr std::size_t kBlock = 4096;

std::size_t commonHead(std::string_view a, std::string_view b) {
  const std::size_t limit = std::min(a.size(), b.size());
  std::size_t n = 0;
  while (n + kBlock <= limit && std::memcmp(a.data() + n, b.data() + n, kBlock) == 0) n += kBlock;
  while (n < limit && a[n] == b[n]) ++n;
  return n;
}

std::size_t commonTail(std::string_view a, std::string_view b, std::size_t limit) {
  const char* endA = a.data() + a.size();
  const char* endB = b.data() + b.size();
  std::size_t n = 0;
  while (n + kBlock <= limit && std::memcmp(endA - n - kBlock, endB - n - kBlock, kBlock) == 0)
    n += kBlock;
  while (n < limit && *(endA - n - 1) == *(endB - n - 1)) ++n;
  return n;
}

}  // namespace

History::History(const Document& start, HistoryLimits limits) : limits_(limits) { reset(start); }

void History::reset(const Document& now) {
  steps_.clear();
  done_ = 0;
  bytes_ = 0;
  run_ = 0;
  runStepOnTop_ = false;
  const auto texts = now.texts();
  for (std::size_t i = 0; i < kTextCount; ++i) mirror_[i] = *texts[i];
  mirrorBoxes_ = now.boxes;
}

void History::lastCommitted(Document& document) const {
  const auto texts = document.texts();
  for (std::size_t i = 0; i < kTextCount; ++i) *texts[i] = mirror_[i];
  document.boxes = mirrorBoxes_;
}

bool History::commit(const Document& now, int run, StepName name) {
  const bool joins = run != 0 && run == run_ && runStepOnTop_;
  run_ = run;
  runStepOnTop_ = false;
  if (joins) {  // take the run's step back: the next one spans it and what came since
    const Step top = std::move(steps_.back());
    steps_.pop_back();
    --done_;
    bytes_ -= top.bytes;
    for (const TextChange& change : top.changes) replaceIn(mirror_[change.text], change, false);
    for (const BoxChange& change : top.boxChanges) mirrorBoxes_[change.row] = change.before;
    name = top.name;
  }
  Step step = changesSinceCommit(now);
  if (step.changes.empty() && step.boxChanges.empty()) return false;
  step.name = name;
  push(std::move(step));
  runStepOnTop_ = run != 0;
  return true;
}

// Per text that differs from the mirror: the stretch between the common head and tail.
History::Step History::changesSinceCommit(const Document& now) const {
  Step step;
  const auto texts = now.texts();
  for (std::size_t i = 0; i < kTextCount; ++i) {
    const std::string_view a = mirror_[i];
    const std::string_view b = *texts[i];
    const std::size_t head = commonHead(a, b);
    if (head == a.size() && head == b.size()) continue;  // unchanged
    const std::size_t tail = commonTail(a, b, std::min(a.size(), b.size()) - head);
    const std::string_view before = a.substr(head, a.size() - head - tail);
    const std::string_view after = b.substr(head, b.size() - head - tail);
    TextChange change{static_cast<std::uint8_t>(i), head, nullptr, nullptr};
    for (const TextChange& other : step.changes) {
      if (other.offset == head && *other.before == before && *other.after == after) {
        change.before = other.before;
        change.after = other.after;
        break;
      }
    }
    if (!change.before) {
      change.before = std::make_shared<const std::string>(before);
      change.after = std::make_shared<const std::string>(after);
      step.bytes += before.size() + after.size();
    }
    step.changes.push_back(std::move(change));
  }
  // The document's boxes are as many as the mirror's: one per option of the editor's set.
  for (std::size_t row = 0; row < now.boxes.size() && row < mirrorBoxes_.size(); ++row)
    if (now.boxes[row] != mirrorBoxes_[row])
      step.boxChanges.push_back({row, mirrorBoxes_[row], now.boxes[row]});
  step.bytes += sizeof(Step) + step.changes.size() * sizeof(TextChange) +
                step.boxChanges.size() * sizeof(BoxChange);
  return step;
}

// A new step: the steps to redo go, the mirror catches up, the oldest steps past the limits go.
void History::push(Step step) {
  while (steps_.size() > done_) {
    bytes_ -= steps_.back().bytes;
    steps_.pop_back();
  }
  for (const TextChange& change : step.changes) replaceIn(mirror_[change.text], change, true);
  for (const BoxChange& change : step.boxChanges) mirrorBoxes_[change.row] = change.after;
  bytes_ += step.bytes;
  steps_.push_back(std::move(step));
  ++done_;
  while (steps_.size() > limits_.steps || (bytes_ > limits_.bytes && steps_.size() > 1)) {
    bytes_ -= steps_.front().bytes;
    steps_.pop_front();
    --done_;
  }
}

bool History::undo(Document& document) {
  if (done_ == 0) return false;
  endRun();
  apply(steps_[--done_], false, document);
  return true;
}

bool History::redo(Document& document) {
  if (done_ == steps_.size()) return false;
  endRun();
  apply(steps_[done_++], true, document);
  return true;
}

// The document and the mirror (equal between steps) both move across one step.
void History::apply(const Step& step, bool forward, Document& document) {
  const auto texts = document.texts();
  for (const TextChange& change : step.changes) {
    replaceIn(*texts[change.text], change, forward);
    replaceIn(mirror_[change.text], change, forward);
  }
  for (const BoxChange& change : step.boxChanges)
    document.boxes[change.row] = mirrorBoxes_[change.row] = forward ? change.after : change.before;
}

}  // namespace flex
