// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/file_drops.hpp"

#include <QDropEvent>
#include <QMetaObject>
#include <QMimeData>
#include <QUrl>

namespace flex::ui {
namespace {

// The first of the dropped files, when it is a local ".hs" file: its path's bytes as the URL
// encodes them (QUrl::toLocalFile would turn bytes that are not UTF-8 into U+FFFD).
QByteArray droppedFlexFile(const QMimeData& data) {
  const QUrl url = data.urls().value(0);
  if (!url.isLocalFile()) return {};
  const QByteArray path = QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
  return path.toLower().endsWith(".hs") ? path : QByteArray();
}

}  // namespace

bool FileDrops::eventFilter(QObject*, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) return false;
  auto* drop = static_cast<QDropEvent*>(event);
  if (!drop->mimeData() || !drop->mimeData()->hasUrls()) return false;
  const QByteArray path = droppedFlexFile(*drop->mimeData());
  if (path.isEmpty()) {
    drop->ignore();
    return true;
  }
  if (drop->possibleActions() & Qt::CopyAction) {
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
  } else {
    drop->acceptProposedAction();
  }
  if (type == QEvent::Drop)
    QMetaObject::invokeMethod(
        this, [this, path] { open_(path); }, Qt::QueuedConnection);
  return true;
}

}  // namespace flex::ui
