// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's recovery copy: while the flex has changes not saved, a copy of the last
// whole step stands in the recovery folder within a second of each step (written on the writer's
// thread, so that no keystroke waits for the disk); with nothing unsaved it is removed. At
// start-up the copies no running window holds are offered; a file that another window holds
// with changes not saved is opened only when the person says so.
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <string>

#include "session/editor.hpp"
#include "session/recovery_writer.hpp"
#include "ui/dialogs/question.hpp"

namespace flex::ui {

// $XDG_STATE_HOME/flexedit/recovery (~/.local/state/... when it is not set).
std::string recoveryFolder();

class RecoveryKeeper : public QObject {
 public:
  using Ask = std::function<int(const Question&)>;  // the place of the answer chosen
  using Tell = std::function<void(const QString& text)>;
  static constexpr int kDelayMs = 300;  // from a step to its copy, before the write itself

  RecoveryKeeper(Editor& editor, const std::string& folder, Ask ask, Tell tell, QObject* parent);

  void stepDone();  // after each action of the editor
  void keepNow();   // the copy now, or none when nothing is unsaved; returns when on the disk
  // The window closes: keeps the copy (as keepNow) or removes it; nothing is written after.
  void finish(bool keep);

  // At start-up: each copy no running window holds, in turn, until one is restored.
  void offerOrphans();
  // Before `name` is opened: false when another window holds it with changes not saved and the
  // person cancels.
  bool mayOpen(const std::string& name);

  const RecoveryFolder& folder() const { return folder_; }
  RecoveryWriter& writer() { return writer_; }

 private:
  void write();

  Editor& editor_;
  Ask ask_;
  Tell tell_;
  RecoveryFolder folder_;
  RecoveryWriter writer_;
  QTimer timer_;
  Document written_;        // the document of the copy last asked for
  bool hasCopy_ = false;    // one is written, or will be
  bool finished_ = false;   // the window has closed
  bool toldError_ = false;  // a copy that could not be written is told once
};

}  // namespace flex::ui
