// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/recovery_keeper.hpp"

#include <QDir>
#include <cerrno>
#include <chrono>

#include "session/message_catalog.hpp"
#include "ui/dialogs/recovery_questions.hpp"
#include "ui/support/qt_strings.hpp"

namespace flex::ui {

std::string recoveryFolder() {
  // The XDG base directories: a relative path is to be ignored.
  QString state = qEnvironmentVariable("XDG_STATE_HOME");
  if (!QDir::isAbsolutePath(state)) state = QDir::homePath() + QStringLiteral("/.local/state");
  return toFileName(state + QStringLiteral("/flexedit/recovery"));
}

RecoveryKeeper::RecoveryKeeper(Editor& editor, const std::string& folder, Ask ask, Tell tell,
                               QObject* parent)
    : QObject(parent),
      editor_(editor),
      ask_(std::move(ask)),
      tell_(std::move(tell)),
      folder_(folder),
      writer_(folder_) {
  timer_.setSingleShot(true);
  timer_.setInterval(kDelayMs);
  connect(&timer_, &QTimer::timeout, this, &RecoveryKeeper::write);
}

// Not restarted by later steps: a person typing on still has a copy every kDelayMs.
void RecoveryKeeper::stepDone() {
  if (!finished_ && !timer_.isActive()) timer_.start();
}

void RecoveryKeeper::write() {
  if (const int err = writer_.error(); err != 0 && !toldError_) {
    toldError_ = true;
    tell_(copyNotWrittenText(fromFileName(folder_.path()),
                             fromUtf8(fileErrorText(systemError(FileStep::Create, err)))));
  }
  Document document = editor_.lastStep();
  if (!document.modified()) {
    if (hasCopy_) writer_.drop();
    hasCopy_ = false;
    return;
  }
  if (hasCopy_ && document == written_) return;
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  writer_.keep({document, std::chrono::duration_cast<std::chrono::seconds>(now).count()});
  written_ = std::move(document);
  hasCopy_ = true;
}

void RecoveryKeeper::keepNow() {
  if (finished_) return;
  timer_.stop();
  write();
  writer_.flush();
}

void RecoveryKeeper::finish(bool keep) {
  if (keep) {
    keepNow();
  } else if (!finished_) {
    timer_.stop();
    writer_.drop();
    writer_.flush();
    hasCopy_ = false;
  }
  finished_ = true;
}

void RecoveryKeeper::offerOrphans() {
  for (const std::string& id : folder_.ids()) {
    if (finished_) return;  // a signal ended the window while a question showed
    RecoveryLock lock = folder_.lock(id);
    if (!lock.held()) continue;  // its window runs, or another offers it now
    RecoveryRead read = folder_.read(id);
    const auto& problem = read.problem;
    if (problem && problem->kind == RecoveryProblem::Kind::Unreadable &&
        problem->error.err == ENOENT) {
      folder_.remove(lock);  // gone since it was listed: only its lock file is left
    } else if (problem) {
      const Question question = badCopyQuestion(fromFileName(folder_.copyPath(id)),
                                                fromUtf8(recoveryProblemText(*problem)));
      if (ask_(question) == static_cast<int>(BadCopyAnswer::Discard)) folder_.remove(lock);
    } else {
      const Document& document = read.copy.document;
      const auto time = QDateTime::fromSecsSinceEpoch(read.copy.time);
      const int answer = ask_(restoreQuestion(fromFileName(document.fileName), time));
      switch (finished_ ? RestoreAnswer::Later : static_cast<RestoreAnswer>(answer)) {
        case RestoreAnswer::Restore:
          if (!editor_.restore(document)) return;  // the person stays with what the window holds
          writer_.adopt(std::move(lock));
          written_ = document;
          hasCopy_ = true;
          return;
        case RestoreAnswer::Discard: folder_.remove(lock); break;
        case RestoreAnswer::Later: break;
      }
    }
  }
}

bool RecoveryKeeper::mayOpen(const std::string& name) {
  if (name.empty() || !folder_.heldElsewhere(name, writer_.id())) return true;
  return ask_(heldElsewhereQuestion(fromFileName(name))) ==
         static_cast<int>(HeldElsewhereAnswer::Open);
}

}  // namespace flex::ui
