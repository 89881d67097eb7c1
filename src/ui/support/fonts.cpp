// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/support/fonts.hpp"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QStringList>

namespace flex::ui {
namespace {

// The first of the families this system has, else `fallback`. Looked up in the list of
// installed families: asking for a family that is missing costs a search through substitutes.
QString firstFamily(std::initializer_list<const char*> families, const QString& fallback) {
  const QStringList installed = QFontDatabase::families();
  for (const char* family : families) {
    const QString name = QString::fromLatin1(family);
    for (const QString& have : installed)  // "Nimbus Sans [urw]": the family and its foundry
      if (have.compare(name, Qt::CaseInsensitive) == 0 ||
          have.startsWith(name + QStringLiteral(" ["), Qt::CaseInsensitive))
        return name;
  }
  return fallback;
}

QString fixedFamily() {
  const QString family = firstFamily({"Lucida Console"}, QString());
  if (!family.isEmpty()) return family;
  // Asked of the font database: a QFontInfo would load the font itself, at a size not used.
  const QString system = QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
  return QFontDatabase::isFixedPitch(system) ? system : QStringLiteral("DejaVu Sans Mono");
}

}  // namespace

QFont captionFont(bool bold, double pointSize) {
  static const QString family =
      firstFamily({"MS Sans Serif", "Microsoft Sans Serif", "Tahoma", "Liberation Sans", "Arial",
                   "Nimbus Sans", "Helvetica"},
                  QApplication::font().family());
  QFont font(family);
  font.setPointSizeF(pointSize);
  font.setBold(bold);
  return font;
}

QFont fixedFont(double pointSize) {
  static const QString family = fixedFamily();
  QFont font(family);
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  font.setPointSizeF(pointSize);
  font.setWeight(QFont::Normal);  // set, so that it does not follow a bold frame
  return font;
}

QFont fitFixedFont(double pointSize, int columns, int width, int lineSpacing) {
  QFont font = fixedFont(pointSize);
  const QString row(columns, QLatin1Char('0'));
  // Glyphs are drawn at whole pixel sizes: step down a pixel at a time.
  const int first = QFontInfo(font).pixelSize();
  for (int pixels = first; pixels >= 6; --pixels) {
    if (pixels != first) font.setPixelSize(pixels);
    const QFontMetrics metrics(font);
    if (metrics.horizontalAdvance(row) <= width && metrics.lineSpacing() <= lineSpacing) break;
  }
  return font;
}

}  // namespace flex::ui
