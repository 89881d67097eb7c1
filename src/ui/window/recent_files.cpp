// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/recent_files.hpp"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QVariantList>

#include "ui/window/recent_file_accessible.hpp"

namespace flex::ui {
namespace {

const QString kSettingsKey = QStringLiteral("recentFiles");

QByteArray absolute(const QByteArray& path) {
  return path.startsWith('/') ? path : QFile::encodeName(QDir::currentPath()) + '/' + path;
}

}  // namespace

RecentFiles::RecentFiles(Opener open, QWidget* parent)
    : QMenu(QStringLiteral("File &recenti"), parent), open_(std::move(open)) {
  setObjectName(QStringLiteral("mnuFileRecenti"));
  setToolTipsVisible(true);
  installAccessibleRecentFiles();
  // The entries are read when a menu shows them (the window's File menu rebuilds too): another
  // run may have added to them. Until then there is nothing to choose.
  connect(this, &QMenu::aboutToShow, this, &RecentFiles::rebuild);
  menuAction()->setEnabled(false);
}

// Each entry the bytes it was stored as; earlier runs stored text, which is taken as Qt encodes
// a file name. A list of one may come back as that one entry.
QList<QByteArray> RecentFiles::files() const {
  const QVariant stored = QSettings().value(kSettingsKey);
  const bool list =
      stored.typeId() == QMetaType::QVariantList || stored.typeId() == QMetaType::QStringList;
  QList<QByteArray> paths;
  for (const QVariant& entry : list ? stored.toList() : QVariantList{stored}) {
    if (entry.typeId() == QMetaType::QByteArray)
      paths << entry.toByteArray();
    else if (entry.typeId() == QMetaType::QString && !entry.toString().isEmpty())
      paths << QFile::encodeName(entry.toString());
  }
  return paths.mid(0, kMaxFiles);
}

void RecentFiles::add(const QByteArray& path) {
  QList<QByteArray> list = files();
  list.removeAll(absolute(path));
  list.prepend(absolute(path));
  store(list.mid(0, kMaxFiles));
}

void RecentFiles::remove(const QByteArray& path) {
  QList<QByteArray> list = files();
  if (list.removeAll(absolute(path)) > 0) store(list);
}

void RecentFiles::store(const QList<QByteArray>& list) {
  QVariantList entries;
  for (const QByteArray& path : list) entries << path;
  QSettings().setValue(kSettingsKey, entries);
  rebuild();
}

// "&1 /home/anna/mio.hs" ...; long paths shortened in the middle, whole in the tool-tip.
void RecentFiles::rebuild() {
  clear();
  const QList<QByteArray> list = files();
  const int width = fontMetrics().averageCharWidth() * 60;
  for (int i = 0; i < list.size(); ++i) {
    const QByteArray path = list[i];
    const QString shown = QDir::toNativeSeparators(QFile::decodeName(path));
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
