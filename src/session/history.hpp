// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The editor's undo history of a document. It takes the document at the end of each action and
// keeps, for every step, only what the step changed in the document's texts() and boxes: per text
// the one stretch between the unchanged head and tail, before and after, and each box that
// changed, before and after. A click on a 1 MiB record so costs a few bytes; a whole new record
// costs its old and new text once (two texts that changed alike share one copy).
//
// Between steps the history holds a copy of those parts as the last step left them; a commit
// compares the document with that copy, so everything done since the last commit becomes one
// step. Undo and redo put the parts of the document back as they were before and after a step.
#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "session/document.hpp"
#include "session/option_box.hpp"
#include "session/step_name.hpp"

namespace flex {

// The newest steps a history keeps: at most `steps`, and the oldest go while the steps hold
// more than `bytes` (the newest step is always kept, whatever its size).
struct HistoryLimits {
  std::size_t steps = 100;
  std::size_t bytes = std::size_t{32} << 20;
};

class History {
 public:
  static constexpr std::size_t kTextCount = Document::kTextCount;

  // Starts with `start` and no step.
  explicit History(const Document& start = {}, HistoryLimits limits = {});

  // Forgets every step; `now` is where history starts.
  void reset(const Document& now);

  // Makes whatever changed in `now` since the last commit one step (nothing changed: no step,
  // and the steps to redo stay). A nonzero `run` names a run of edits that make one step together
  // (typing in one preview): a commit with the same run as the commit before joins the step that
  // one recorded. Undo, redo and endRun() end a run. True when a step was recorded or grew.
  // `name` says what the step did; a step that grows keeps the name it had.
  bool commit(const Document& now, int run = 0, StepName name = {});
  void endRun() { run_ = 0; }

  // Put `document`, as the last commit left it, back as it was before the last step / after the
  // step last undone. False when there is none. Both end a run.
  bool undo(Document& document);
  bool redo(Document& document);

  // Puts into `document` the texts and boxes as the last commit saw them.
  void lastCommitted(Document& document) const;

  std::size_t undoCount() const { return done_; }
  std::size_t redoCount() const { return steps_.size() - done_; }
  // What the step that undo / redo would apply did; Unnamed when there is none.
  StepName undoName() const { return done_ > 0 ? steps_[done_ - 1].name : StepName{}; }
  StepName redoName() const { return done_ < steps_.size() ? steps_[done_].name : StepName{}; }
  std::size_t bytes() const { return bytes_; }  // what the kept steps hold

 private:
  struct TextChange {
    std::uint8_t text;  // index into Document::texts()
    std::size_t offset;
    std::shared_ptr<const std::string> before, after;
  };
  struct BoxChange {
    std::size_t row;
    OptionBox before, after;
  };
  struct Step {
    std::vector<TextChange> changes;
    std::vector<BoxChange> boxChanges;
    std::size_t bytes = 0;
    StepName name;
  };

  Step changesSinceCommit(const Document& now) const;
  void apply(const Step& step, bool forward, Document& document);
  void push(Step step);

  HistoryLimits limits_;
  std::array<std::string, kTextCount> mirror_;  // the texts as the last commit saw them
  OptionBoxes mirrorBoxes_;                     // the boxes as the last commit saw them
  std::deque<Step> steps_;
  std::size_t done_ = 0;  // steps_[0, done_) can be undone, the rest redone
  std::size_t bytes_ = 0;
  int run_ = 0;
  bool runStepOnTop_ = false;  // the newest step belongs to run_
};

}  // namespace flex
