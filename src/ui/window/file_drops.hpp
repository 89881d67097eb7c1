// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Files dragged from the desktop onto the window: the first dropped file, when it is a local
// ".hs" file (the files the desktop's flex type names), is handed on once the drop is over (the
// desktop's drag ends before a message box may show); a drop of other files is refused before
// it can replace the records. The path is handed on as the file system's bytes, which need not
// be UTF-8. Watches the widgets it is installed on as an event filter; a drop
// of text is left to the widget.
#include <QByteArray>
#include <QObject>
#include <functional>

namespace flex::ui {

class FileDrops : public QObject {
 public:
  using Opener = std::function<void(const QByteArray& path)>;
  FileDrops(Opener open, QObject* parent) : QObject(parent), open_(std::move(open)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Opener open_;
};

}  // namespace flex::ui
