#include "ui/hex_view.hpp"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QScrollBar>

#include "text/ansi.hpp"

namespace flex::ui {
namespace {

// A record may hold any byte; a character that has no glyph would shift the columns after it.
QString displayLine(std::string_view ansi) {
  QString line = QString::fromStdString(flex::ansi::toUtf8(ansi));
  for (QChar& c : line)
    if (!c.isPrint()) c = QChar(0x00B7);
  return line;
}

}  // namespace

HexView::HexView(QWidget* parent) : QAbstractScrollArea(parent) {
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setFocusPolicy(Qt::StrongFocus);
  verticalScrollBar()->setSingleStep(1);
}

void HexView::setMarkedPairs(std::vector<bool> marked) {
  if (marked == marked_) return;
  marked_ = std::move(marked);
  viewport()->update();
}

QColor HexView::markColor(const QPalette& palette) {
  const QColor base = palette.color(QPalette::Base);
  const QColor amber(255, 184, 0);
  constexpr double kMix = 0.35;
  auto mix = [](int a, int b) { return static_cast<int>(a + (b - a) * kMix + 0.5); };
  return QColor(mix(base.red(), amber.red()), mix(base.green(), amber.green()),
                mix(base.blue(), amber.blue()));
}

int HexView::columnX(int line, int column) const {
  return kMargin + QFontMetrics(font()).horizontalAdvance(lines_[line].left(column));
}

QRect HexView::pairRect(std::size_t pair) const {
  const int line = static_cast<int>(pair / kPairsPerLine);
  const int row = line - firstVisibleLine();
  if (line >= lines_.size() || row < 0 || row > visibleLineCount()) return {};
  const int column = 3 * static_cast<int>(pair % kPairsPerLine);
  if (column >= lines_[line].size()) return {};
  const int end = std::min<int>(column + 2, static_cast<int>(lines_[line].size()));
  const int left = columnX(line, column);
  return {left, kMargin + row * lineHeight(), columnX(line, end) - left, lineHeight()};
}

std::optional<ByteSpot> HexView::pairAt(QPoint viewportPos) const {
  if (viewportPos.y() < kMargin || viewportPos.x() < kMargin) return std::nullopt;
  const int line = firstVisibleLine() + (viewportPos.y() - kMargin) / lineHeight();
  if (line >= lines_.size()) return std::nullopt;
  const QString& text = lines_[line];
  for (int column = 0; column < text.size(); column += 3) {
    const std::size_t pair = static_cast<std::size_t>(line) * kPairsPerLine + column / 3;
    const QRect rect = pairRect(pair);
    if (rect.contains(viewportPos)) return ByteSpot{pair, rect};
  }
  return std::nullopt;
}

void HexView::setFormattedText(const std::string& ansi) {
  if (ansi == source_) return;
  source_ = ansi;
  lines_.clear();
  // Each line is 16 pairs and the blank after each; the line's last blank is not shown.
  constexpr std::size_t kStride = kLineColumns + 1;
  for (std::size_t pos = 0; pos < source_.size(); pos += kStride)
    lines_.append(displayLine(std::string_view(source_).substr(pos, kLineColumns)));
  updateScrollBar();
  viewport()->update();
}

int HexView::firstVisibleLine() const { return verticalScrollBar()->value(); }

int HexView::lineHeight() const { return QFontMetrics(font()).lineSpacing(); }

// From the frame rather than the viewport, whose place is only known once the box is shown.
int HexView::visibleLineCount() const {
  return std::max(1, (height() - 2 * (frameWidth() + kMargin)) / lineHeight());
}

int HexView::lineTop(int visibleRow) const {
  return frameWidth() + kMargin + visibleRow * lineHeight();
}

int HexView::textLeft() const { return frameWidth() + kMargin; }

QSize HexView::sizeFor(const QFont& font, int lines, int frameWidth) {
  const QFontMetrics metrics(font);
  const int width = metrics.horizontalAdvance(QString(kLineColumns, QLatin1Char('0')));
  return {width + 2 * (kMargin + frameWidth), lines * metrics.lineSpacing() + 2 * (kMargin + frameWidth)};
}

void HexView::paintEvent(QPaintEvent*) {
  QPainter painter(viewport());
  painter.setFont(font());
  painter.setPen(palette().color(QPalette::Text));
  const QFontMetrics metrics(font());
  const int first = firstVisibleLine();
  const int last = std::min<int>(static_cast<int>(lines_.size()), first + visibleLineCount() + 1);
  const QColor tint = markColor(palette());
  for (int line = first; line < last; ++line) {
    const int top = kMargin + (line - first) * metrics.lineSpacing();
    for (int column = 0; column < lines_[line].size(); column += 3) {
      const std::size_t pair = static_cast<std::size_t>(line) * kPairsPerLine + column / 3;
      if (isMarked(pair)) painter.fillRect(pairRect(pair), tint);
    }
    painter.drawText(kMargin, top + metrics.ascent(), lines_[line]);
  }
}

void HexView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  updateScrollBar();
}

void HexView::scrollContentsBy(int, int) {
  viewport()->update();
  Q_EMIT firstLineChanged(firstVisibleLine());
}

void HexView::changeEvent(QEvent* event) {
  QAbstractScrollArea::changeEvent(event);
  if (event->type() == QEvent::FontChange) {
    updateScrollBar();
    viewport()->update();
  }
}

void HexView::updateScrollBar() {
  const int visible = visibleLineCount();
  QScrollBar* bar = verticalScrollBar();
  bar->setPageStep(visible);
  bar->setRange(0, std::max(0, static_cast<int>(lines_.size()) - visible));
}

}  // namespace flex::ui
