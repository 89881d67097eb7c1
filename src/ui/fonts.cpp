#include "ui/fonts.hpp"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QStringList>

namespace flex::ui {
namespace {

bool resolvesTo(const QFont& font, const QString& family) {
  return QFontInfo(font).family().compare(family, Qt::CaseInsensitive) == 0;
}

}  // namespace

QFont captionFont(bool bold, double pointSize) {
  QFont font = QApplication::font();
  // Qt takes the first family this system has; the application font comes last.
  font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                    QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans"),
                    QStringLiteral("Arial"), QStringLiteral("Nimbus Sans"),
                    QStringLiteral("Helvetica"), QApplication::font().family()});
  font.setPointSizeF(pointSize);
  font.setBold(bold);
  return font;
}

QFont fixedFont(double pointSize) {
  QFont font(QStringLiteral("Lucida Console"));
  if (!resolvesTo(font, font.family())) {
    font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    if (!QFontInfo(font).fixedPitch()) font = QFont(QStringLiteral("DejaVu Sans Mono"));
  }
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  font.setPointSizeF(pointSize);
  font.setWeight(QFont::Normal);
  return font;
}

QFont fitFixedFont(double pointSize, int columns, int width, int lineSpacing) {
  QFont font = fixedFont(pointSize);
  const QString row(columns, QLatin1Char('0'));
  for (double size = pointSize; size >= 5.0; size -= 0.25) {
    font.setPointSizeF(size);
    const QFontMetrics metrics(font);
    if (metrics.horizontalAdvance(row) <= width && metrics.lineSpacing() <= lineSpacing)
      break;
  }
  return font;
}

}  // namespace flex::ui
