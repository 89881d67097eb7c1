// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/support/pictures.hpp"

#include <QPainter>
#include <QPainterPath>
#include <QPolygon>

namespace flex::ui {
namespace {

QPixmap blank(int width, int height) {
  QPixmap pixmap(width, height);
  pixmap.fill(Qt::transparent);
  return pixmap;
}

// The spanner's outline upright on a 32 x 32 grid.
QPainterPath spannerShape() {
  QPainterPath body;
  body.addEllipse(QRectF(9, 1, 14, 14));             // open-jaw head
  body.addRoundedRect(QRectF(13, 10, 6, 21), 3, 3);  // handle
  QPainterPath jaw;
  jaw.addRect(QRectF(13.5, 0, 5, 7));  // the jaw's opening
  return body.simplified().subtracted(jaw);
}

QPixmap spanner(const QPainterPath& shape, int size) {
  QPixmap pixmap = blank(size, size);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / 32.0, size / 32.0);
  // Turned 45 degrees about the centre.
  p.translate(16, 16);
  p.rotate(45);
  p.translate(-16, -16);
  p.setPen(QPen(QColor(64, 64, 64), 1.2));
  p.setBrush(QColor(160, 160, 160));
  p.drawPath(shape);
  p.setPen(QPen(QColor(230, 230, 230), 1.0));
  p.drawLine(QPointF(15, 14), QPointF(15, 28));  // a highlight along the handle
  return pixmap;
}

}  // namespace

QPixmap openFolderPicture() {
  QPixmap pixmap = blank(16, 15);
  QPainter p(&pixmap);
  const QColor outline(96, 72, 0);
  // Back of the folder with its tab.
  p.setPen(outline);
  p.setBrush(QColor(230, 190, 60));
  p.drawPolygon(QPolygon(
      {QPoint(0, 2), QPoint(5, 2), QPoint(6, 3), QPoint(12, 3), QPoint(12, 13), QPoint(0, 13)}));
  // The open front, tilted forward.
  p.setBrush(QColor(255, 225, 110));
  p.drawPolygon(QPolygon({QPoint(3, 6), QPoint(15, 6), QPoint(12, 13), QPoint(0, 13)}));
  return pixmap;
}

QPixmap diskettePicture() {
  QPixmap pixmap = blank(16, 16);
  QPainter p(&pixmap);
  p.setPen(QColor(0, 0, 64));
  p.setBrush(QColor(40, 60, 150));
  p.drawPolygon(
      QPolygon({QPoint(0, 0), QPoint(14, 0), QPoint(15, 1), QPoint(15, 15), QPoint(0, 15)}));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(200, 200, 210));  // metal shutter
  p.drawRect(4, 1, 7, 5);
  p.setBrush(QColor(40, 60, 150));
  p.drawRect(8, 2, 2, 3);
  p.setBrush(Qt::white);  // label
  p.drawRect(2, 9, 12, 6);
  p.setPen(QColor(150, 150, 170));
  p.drawLine(3, 11, 12, 11);
  p.drawLine(3, 13, 12, 13);
  return pixmap;
}

QPixmap blankPagePicture() {
  QPixmap pixmap = blank(16, 16);
  QPainter p(&pixmap);
  p.setPen(QColor(64, 64, 64));
  p.setBrush(Qt::white);
  p.drawPolygon(
      QPolygon({QPoint(2, 0), QPoint(10, 0), QPoint(14, 4), QPoint(14, 15), QPoint(2, 15)}));
  p.setBrush(QColor(210, 210, 210));  // folded corner
  p.drawPolygon(QPolygon({QPoint(10, 0), QPoint(10, 4), QPoint(14, 4)}));
  return pixmap;
}

QIcon spannerIcon() {
  QIcon icon;
  const QPainterPath shape = spannerShape();  // the path's arithmetic done once for both sizes
  icon.addPixmap(spanner(shape, 16));
  icon.addPixmap(spanner(shape, 32));
  return icon;
}

QPixmap buildingPicture() {
  QPixmap pixmap = blank(32, 32);
  QPainter p(&pixmap);
  p.setPen(QColor(64, 32, 16));
  p.setBrush(QColor(190, 110, 70));
  p.drawRect(5, 8, 22, 22);  // walls
  p.setBrush(QColor(120, 40, 30));
  p.drawPolygon(QPolygon({QPoint(3, 9), QPoint(16, 1), QPoint(29, 9)}));  // roof
  p.setPen(QColor(40, 40, 80));
  p.setBrush(QColor(170, 210, 240));  // windows, two rows of three
  for (int row = 0; row < 2; ++row)
    for (int col = 0; col < 3; ++col) p.drawRect(8 + 6 * col, 12 + 6 * row, 4, 4);
  p.setBrush(QColor(90, 50, 20));  // door
  p.drawRect(14, 24, 4, 6);
  return pixmap;
}

}  // namespace flex::ui
