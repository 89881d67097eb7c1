#include "ui/hex_view.hpp"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QScrollBar>

#include "model/ansi.hpp"

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
  for (int line = first; line < last; ++line) {
    const int top = kMargin + (line - first) * metrics.lineSpacing();
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
