// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/previews/hex_view.hpp"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "ui/previews/hex_view_accessible.hpp"
#include "ui/support/qt_strings.hpp"

namespace flex::ui {
namespace {

// A record may hold any byte; a character that has no glyph would shift the columns after it.
QString displayLine(std::string_view ansi) {
  QString line = fromAnsi(ansi);
  for (QChar& c : line)
    if (!c.isPrint()) c = QChar(0x00B7);
  return line;
}

}  // namespace

HexView::HexView(QWidget* parent) : QAbstractScrollArea(parent) {
  installAccessibleHexView();
  // Inside its border the box is the text's colour: where a logical pixel is two screen pixels,
  // the border line takes one and the other must not show the window behind.
  setAutoFillBackground(true);
  setBackgroundRole(QPalette::Base);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setFocusPolicy(Qt::ClickFocus);
  viewport()->setCursor(Qt::IBeamCursor);
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
  const QString before = QAccessible::isActive() ? text() : QString();
  source_ = ansi;
  lines_.clear();
  anchor_ = position_ = 0;
  // Each line is 16 pairs and the blank after each; the line's last blank is not shown.
  constexpr std::size_t kStride = kLineColumns + 1;
  for (std::size_t pos = 0; pos < source_.size(); pos += kStride)
    lines_.append(displayLine(std::string_view(source_).substr(pos, kLineColumns)));
  updateScrollBar();
  viewport()->update();
  if (QAccessible::isActive()) {  // a screen reader reads the new text
    QAccessibleTextUpdateEvent event(this, 0, before, text());
    QAccessible::updateAccessibility(&event);
  }
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
  const int frame = 2 * (kMargin + frameWidth);
  return {width + frame, lines * metrics.lineSpacing() + frame};
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
    // The selected part of the line, drawn again in the selection's colours.
    const int lineStart = line * (kLineColumns + 1);
    const int length = static_cast<int>(lines_[line].size());
    const int from = std::clamp(std::min(anchor_, position_) - lineStart, 0, length);
    const int to = std::clamp(std::max(anchor_, position_) - lineStart, 0, length);
    if (from >= to) continue;
    const QRect selected(columnX(line, from), top, columnX(line, to) - columnX(line, from),
                         metrics.lineSpacing());
    painter.fillRect(selected, palette().color(QPalette::Highlight));
    painter.setPen(palette().color(QPalette::HighlightedText));
    painter.drawText(selected.left(), top + metrics.ascent(), lines_[line].mid(from, to - from));
    painter.setPen(palette().color(QPalette::Text));
  }
}

int HexView::positionAt(QPoint viewportPos) const {
  if (lines_.isEmpty()) return 0;
  const int line = std::clamp(firstVisibleLine() + (viewportPos.y() - kMargin) / lineHeight(), 0,
                              static_cast<int>(lines_.size()) - 1);
  int column = 0;  // the gap between characters nearest to the point
  while (column < lines_[line].size() &&
         (columnX(line, column) + columnX(line, column + 1)) / 2 < viewportPos.x())
    ++column;
  return line * (kLineColumns + 1) + column;
}

void HexView::select(int anchor, int position) {
  if (anchor == anchor_ && position == position_) return;
  anchor_ = anchor;
  position_ = position;
  viewport()->update();
}

QString HexView::selectedText() const {
  const int from = std::min(anchor_, position_);
  return text().mid(from, std::max(anchor_, position_) - from);
}

void HexView::selectAll() { select(0, static_cast<int>(text().size())); }

void HexView::copy() const {
  if (anchor_ != position_) QGuiApplication::clipboard()->setText(selectedText());
}

void HexView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QAbstractScrollArea::mousePressEvent(event);
  const int at = positionAt(event->position().toPoint());
  select(event->modifiers() & Qt::ShiftModifier ? anchor_ : at, at);
}

void HexView::mouseMoveEvent(QMouseEvent* event) {
  if (event->buttons() & Qt::LeftButton) select(anchor_, positionAt(event->position().toPoint()));
}

// A double click selects the pair under the mouse.
void HexView::mouseDoubleClickEvent(QMouseEvent* event) {
  const int at = positionAt(event->position().toPoint());
  const int stride = kLineColumns + 1;
  const int start = at - (at % stride) % 3;  // the pair's first character
  const int lineEnd = at - at % stride + static_cast<int>(lines_.value(at / stride).size());
  select(start, std::min(start + 2, lineEnd));
}

void HexView::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Copy))
    copy();
  else if (event->matches(QKeySequence::SelectAll))
    selectAll();
  else
    QAbstractScrollArea::keyPressEvent(event);
}

void HexView::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
  QAction* copyAction = menu.addAction(QStringLiteral("&Copia"), this, &HexView::copy);
  copyAction->setEnabled(anchor_ != position_);
  menu.addAction(QStringLiteral("Seleziona &tutto"), this, &HexView::selectAll);
  menu.exec(event->globalPos());
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
