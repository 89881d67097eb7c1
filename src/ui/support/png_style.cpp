// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/support/png_style.hpp"

#include <png.h>
#include <qdrawutil.h>

#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>
#include <QSysInfo>

namespace flex::ui {
namespace {

// Read with libpng itself: even with the format named, Qt's image reader first lists the
// image-format plugins and reads each one's description, which a start need not wait for.
QPixmap readPng(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QByteArray bytes = file.readAll();
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, bytes.constData(), bytes.size())) return {};
  // 8-bit straight alpha, as QImage::Format_ARGB32 lays it out in memory.
  image.format = QSysInfo::ByteOrder == QSysInfo::LittleEndian ? PNG_FORMAT_BGRA : PNG_FORMAT_ARGB;
  QImage read(static_cast<int>(image.width), static_cast<int>(image.height), QImage::Format_ARGB32);
  if (read.isNull() ||
      !png_image_finish_read(&image, nullptr, read.bits(),
                             static_cast<png_int_32>(read.bytesPerLine()), nullptr)) {
    png_image_free(&image);
    return {};
  }
  return QPixmap::fromImage(read);
}

// Fusion's space between a group box's title and the top of its frame.
constexpr int kGroupBoxTopMargin = 3;

}  // namespace

PngStyle::PngStyle()
    : QProxyStyle(QStyleFactory::create(QStringLiteral("fusion"))),
      groupBoxFrame_(readPng(
          QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png"))) {}

void PngStyle::installOverFusion() {
  QStyle* style = QApplication::style();
  if (qobject_cast<PngStyle*>(style) || style->name() != QLatin1String("fusion")) return;
  QApplication::setStyle(new PngStyle);
}

// The arrow shown when the menus do not fit the menu bar: Fusion's own drawn picture, not the
// PNG files of its icon.
QIcon PngStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                             const QWidget* widget) const {
  if (icon == SP_ToolBarHorizontalExtensionButton || icon == SP_ToolBarVerticalExtensionButton)
    return QIcon(baseStyle()->standardPixmap(icon, option, widget));
  return QProxyStyle::standardIcon(icon, option, widget);
}

// As Fusion draws it: its frame picture stretched around the box, below the title.
void PngStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                             QPainter* painter, const QWidget* widget) const {
  if (element != PE_FrameGroupBox || groupBoxFrame_.isNull())
    return QProxyStyle::drawPrimitive(element, option, painter, widget);
  const auto* box = qobject_cast<const QGroupBox*>(widget);
  int top = kGroupBoxTopMargin;
  if (!box || box->isCheckable() || !box->title().isEmpty())
    top += std::max(baseStyle()->pixelMetric(PM_ExclusiveIndicatorHeight),
                    option->fontMetrics.height());
  qDrawBorderPixmap(painter, option->rect.adjusted(0, top, 0, 0), QMargins(6, 6, 6, 6),
                    groupBoxFrame_);
}

}  // namespace flex::ui
