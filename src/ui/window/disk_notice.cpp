// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/disk_notice.hpp"

#include <QFileInfo>

#include "ui/support/qt_strings.hpp"

namespace flex::ui {

DiskNotice::DiskNotice(Editor& editor, QWidget* parent) : QLabel(parent), editor_(editor) {
  setObjectName(QStringLiteral("diskNotice"));
  setTextFormat(Qt::RichText);
  setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
  setContentsMargins(0, 0, 4, 0);  // off the window's edge
  hide();
  settle_.setSingleShot(true);
  settle_.setInterval(kSettleMs);
  connect(&settle_, &QTimer::timeout, this, &DiskNotice::check);
  // Not restarted by later events: a folder that never rests is still looked at.
  const auto soon = [this] {
    if (!settle_.isActive()) settle_.start();
  };
  connect(&watcher_, &QFileSystemWatcher::fileChanged, this, soon);
  connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, soon);
  connect(this, &QLabel::linkActivated, this, [this] { editor_.openFile(file_); });
}

bool DiskNotice::redraw() {
  const Document& document = editor_.document();
  const bool taken = document.fileName != file_ || document.disk != identity_;
  if (taken) {
    file_ = document.fileName;
    identity_ = document.disk;
    change_ = DiskChange::None;
    watch();
  }
  setVisible(change_ != DiskChange::None);
  if (change_ == DiskChange::None) {
    // Nothing to say and no text to lay out; a name for screen readers that list hidden objects.
    const QString name = tr("Avviso sul file su disco");
    if (accessibleName() != name) setAccessibleName(name);
    return taken;
  }
  if (!accessibleName().isEmpty()) setAccessibleName(QString());  // read by its own text
  const QString path = fromFileName(file_);
  const QString name = fontMetrics().elidedText(QFileInfo(path).fileName(), Qt::ElideMiddle, 160);
  const bool unsaved = editor_.hasUnsavedWork();
  const QString quoted = name.toHtmlEscaped();
  if (change_ == DiskChange::Gone)
    setText(tr("\"%1\" è stato spostato o cancellato.").arg(quoted));
  else if (unsaved)
    setText(tr("\"%1\" è cambiato sul disco; le tue modifiche restano.").arg(quoted));
  else
    setText(tr("\"%1\" è cambiato sul disco. <a href=\"reload\">Ricarica</a>").arg(quoted));
  setToolTip(change_ == DiskChange::Gone
                 ? tr("Un altro programma ha spostato o cancellato %1.").arg(path)
                 : tr("Un altro programma ha modificato %1.").arg(path));
  return taken;
}

void DiskNotice::check() {
  const QString path = fromFileName(file_);
  if (!path.isEmpty() && QFileInfo::exists(path)) {  // perhaps another file by now (renamed over)
    watcher_.removePath(path);
    watcher_.addPath(path);
  }
  change_ = editor_.diskChange();
  redraw();
}

void DiskNotice::watch() {
  if (!watcher_.files().isEmpty()) watcher_.removePaths(watcher_.files());
  if (!watcher_.directories().isEmpty()) watcher_.removePaths(watcher_.directories());
  if (file_.empty() || !identity_.known) return;
  const QString path = fromFileName(file_);
  watcher_.addPaths({path, QFileInfo(path).absolutePath()});
}

}  // namespace flex::ui
