// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "File recenti": the last files opened or saved, most recent first, each once, at most
// kMaxFiles, kept in the user's settings (QSettings) from one run to the next. Choosing one
// hands its path to the window once the menu has closed; a file that no longer opens leaves the
// list (the editor has said why). Paths are the file system's bytes, kept as they are (a name
// need not be UTF-8); only the menu shows them as text.
#include <QByteArray>
#include <QList>
#include <QMenu>
#include <functional>

namespace flex::ui {

class RecentFiles : public QMenu {
  Q_OBJECT

 public:
  static constexpr int kMaxFiles = 8;
  // Opens the file; false when it could not be read.
  using Opener = std::function<bool(const QByteArray& path)>;

  RecentFiles(Opener open, QWidget* parent);

  QList<QByteArray> files() const;   // most recent first
  void add(const QByteArray& path);  // opened or saved just now
  void remove(const QByteArray& path);
  // The entries as the settings hold them now (another run may have changed them); the menu is
  // enabled when there is one.
  void rebuild();

 private:
  void store(const QList<QByteArray>& files);

  Opener open_;
};

}  // namespace flex::ui
