// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The status bar's notice that the file the flex belongs to has changed on the disk: written by
// another program or another window, moved or deleted. It watches the file and its folder while
// the window lives (a program that saves by renaming a new file over the old one leaves a new
// file under the same name, which only the folder's watch sees), and looks at the disk once the
// events have settled. Nothing modal: one line at the right of the status bar, hidden while
// the file is as it was. With no unsaved work it offers "Ricarica" (an "Apri Flex" of the same
// file, one undoable step); with unsaved work it only tells, and the work stays.
#include <QFileSystemWatcher>
#include <QLabel>
#include <QTimer>
#include <string>

#include "session/editor.hpp"

namespace flex::ui {

class DiskNotice : public QLabel {
  Q_OBJECT

 public:
  static constexpr int kSettleMs = 200;  // from the first event of a burst to the look

  DiskNotice(Editor& editor, QWidget* parent);

  // After every action. True when a file was loaded or saved since the last call: it is watched
  // afresh, and the notice goes.
  bool redraw();
  // Looks at the disk now (the watcher's events come here after kSettleMs).
  void check();
  DiskChange change() const { return change_; }

 private:
  void watch();

  Editor& editor_;
  QFileSystemWatcher watcher_;
  QTimer settle_;
  std::string file_;       // the file watched (the file system's bytes)
  FileIdentity identity_;  // what it was when last loaded or saved
  DiskChange change_ = DiskChange::None;
};

}  // namespace flex::ui
