// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/recent_files.hpp"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace flex::ui {
namespace {

const QString kSettingsKey = QStringLiteral("recentFiles");

QString absolute(const QString& path) { return QFileInfo(path).absoluteFilePath(); }

}  // namespace

RecentFiles::RecentFiles(Opener open, QWidget* parent)
    : QMenu(QStringLiteral("File recenti"), parent), open_(std::move(open)) {
  setObjectName(QStringLiteral("mnuFileRecenti"));
  setToolTipsVisible(true);
  connect(this, &QMenu::aboutToShow, this, &RecentFiles::rebuild);  // another run may have added
  rebuild();
}

QStringList RecentFiles::files() const {
  return QSettings().value(kSettingsKey).toStringList().mid(0, kMaxFiles);
}

void RecentFiles::add(const QString& path) {
  QStringList list = files();
  list.removeAll(absolute(path));
  list.prepend(absolute(path));
  store(list.mid(0, kMaxFiles));
}

void RecentFiles::remove(const QString& path) {
  QStringList list = files();
  if (list.removeAll(absolute(path)) > 0) store(list);
}

void RecentFiles::store(const QStringList& list) {
  QSettings().setValue(kSettingsKey, list);
  rebuild();
}

// "&1 /home/anna/mio.hs" ...; long paths shortened in the middle, whole in the tool-tip.
void RecentFiles::rebuild() {
  clear();
  const QStringList list = files();
  const int width = fontMetrics().averageCharWidth() * 60;
  for (int i = 0; i < list.size(); ++i) {
    const QString path = list[i];
    const QString shown = QDir::toNativeSeparators(path);
    QAction* action = addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(
        fontMetrics().elidedText(shown, Qt::ElideMiddle, width).replace('&', "&&")));
    action->setToolTip(shown);
    // Queued: the menu is closed and this entry may go before the file opens.
    connect(
        action, &QAction::triggered, this,
        [this, path] {
          if (!open_(path)) remove(path);
        },
        Qt::QueuedConnection);
  }
  menuAction()->setEnabled(!list.isEmpty());
}

}  // namespace flex::ui
