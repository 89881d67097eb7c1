// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The editor's undo history. It watches a fixed set of texts and the option boxes (the editor's
// own state, bound at construction) and keeps, for every step, only what the step changed: per
// text the one stretch between the unchanged head and tail, before and after, and the boxes
// before and after. A click on a 1 MiB record so costs a few bytes; a whole new record costs its
// old and new text once (two texts that changed alike share one copy).
//
// Between steps the history holds a copy of the watched state as the last step left it; a commit
// compares the state with that copy, so everything done since the last commit becomes one step.
#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "session/option_box.hpp"

namespace flex {

// The newest steps a history keeps: at most `steps`, and the oldest go while the steps hold
// more than `bytes` (the newest step is always kept, whatever its size).
struct HistoryLimits {
  std::size_t steps = 100;
  std::size_t bytes = std::size_t{32} << 20;
};

class History {
 public:
  static constexpr std::size_t kTextCount = 6;
  using Texts = std::array<std::string*, kTextCount>;

  // `texts` and `boxes` must outlive the history; it reads them on commit, writes them on undo
  // and redo.
  History(Texts texts, OptionBoxes& boxes, HistoryLimits limits = {});
  History(const History&) = delete;
  History& operator=(const History&) = delete;

  // Forgets every step; the watched state as it is now is where history starts.
  void reset();

  // Makes whatever changed since the last commit one step (nothing changed: no step, and the
  // steps to redo stay). A nonzero `run` names a run of edits that make one step together (typing
  // in one preview): a commit with the same run as the commit before joins the step that one
  // recorded. Undo, redo and endRun() end a run. True when a step was recorded or grew.
  bool commit(int run = 0);
  void endRun() { run_ = 0; }

  // Put the watched state back as it was before the last step / after the step last undone.
  // False when there is none. Both end a run.
  bool undo();
  bool redo();

  std::size_t undoCount() const { return done_; }
  std::size_t redoCount() const { return steps_.size() - done_; }
  std::size_t bytes() const { return bytes_; }  // what the kept steps hold

 private:
  struct TextChange {
    std::uint8_t text;  // index into texts_
    std::size_t offset;
    std::shared_ptr<const std::string> before, after;
  };
  struct Step {
    std::vector<TextChange> changes;
    OptionBoxes boxesBefore, boxesAfter;
    std::size_t bytes = 0;
  };

  Step changesSinceCommit() const;
  void apply(const Step& step, bool forward);
  void push(Step step);

  Texts texts_;
  OptionBoxes& boxes_;
  HistoryLimits limits_;
  std::array<std::string, kTextCount> mirror_;  // the watched texts as the last commit saw them
  OptionBoxes mirrorBoxes_;
  std::deque<Step> steps_;
  std::size_t done_ = 0;  // steps_[0, done_) can be undone, the rest redone
  std::size_t bytes_ = 0;
  int run_ = 0;
  bool runStepOnTop_ = false;  // the newest step belongs to run_
};

}  // namespace flex
