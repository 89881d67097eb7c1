// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/previews/raw_preview.hpp"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>
#include <algorithm>

namespace flex::ui {
namespace {

// Line and paragraph breaks as line feeds: what a record holds where a break was typed.
QString withLineFeeds(QString text) {
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  for (QChar& c : text)
    if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator || c == QLatin1Char('\r'))
      c = QLatin1Char('\n');
  return text;
}

}  // namespace

RawPreview::RawPreview(QWidget* parent) : QPlainTextEdit(parent) {
  setLineWrapMode(QPlainTextEdit::WidgetWidth);
  setWordWrapMode(QTextOption::WrapAnywhere);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setTabChangesFocus(true);
  setAutoFillBackground(true);  // inside the border, as HexView
  setBackgroundRole(QPalette::Base);
  // Typing and pasting split and join blocks, and Qt keeps each block's mark through that;
  // the positions are found again from the marks when next asked for.
  connect(document(), &QTextDocument::contentsChange, this, [this] { breaksStale_ = true; });
  connect(this, &QPlainTextEdit::textChanged, this, [this] {
    if (!settingText_) Q_EMIT edited();
  });
}

const SoftBreaks& RawPreview::softBreaks() const {
  if (breaksStale_) {
    std::vector<int> positions;
    for (QTextBlock block = document()->begin().next(); block.isValid(); block = block.next())
      if (isSoft(block)) positions.push_back(block.position() - 1);
    breaks_ = SoftBreaks(std::move(positions));
    breaksStale_ = false;
  }
  return breaks_;
}

QString RawPreview::text() const { return textBetween(0, document()->characterCount() - 1); }

QString RawPreview::textBetween(int from, int to) const {
  QString text;
  for (QTextBlock block = document()->findBlock(from); block.isValid() && block.position() <= to;
       block = block.next()) {
    if (block.position() > from && !isSoft(block)) text += QChar::ParagraphSeparator;
    const int start = std::max(from - block.position(), 0);
    const int end = std::min(to - block.position(), block.length() - 1);
    if (end > start) text += block.text().mid(start, end - start);
  }
  return withLineFeeds(std::move(text));
}

void RawPreview::setText(const QString& text) {
  updateBlockLength();
  if (laidOutAsItShouldBe() && this->text() == text) return;
  const QTextCursor cursor = textCursor();
  const int size = static_cast<int>(text.size());
  layOut(text, std::min(recordPosition(cursor.anchor()), size),
         std::min(recordPosition(cursor.position()), size));
}

// Whole display lines of this box with its scroll bar showing (a record long enough to be cut
// into blocks has it), found by laying out a line as the document does.
void RawPreview::updateBlockLength() {
  const int width = contentsRect().width() - verticalScrollBar()->sizeHint().width();
  if (width == laidOutForWidth_) return;
  laidOutForWidth_ = width;
  QTextLayout probe(QString(std::max(width, 1) + 1, QLatin1Char('0')), document()->defaultFont());
  probe.setTextOption(document()->defaultTextOption());
  probe.beginLayout();
  QTextLine line = probe.createLine();
  line.setLineWidth(width - 2 * document()->documentMargin());
  probe.endLayout();
  blockLength_ = std::max(1, line.textLength()) * kLinesPerBlock;
}

// No block longer than a block may be, and every block before a soft break a full one.
bool RawPreview::laidOutAsItShouldBe() const {
  for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
    const int length = block.length() - 1;
    const QTextBlock next = block.next();
    if (length > blockLength_ || (next.isValid() && isSoft(next) && length != blockLength_))
      return false;
  }
  return true;
}

// Each line of `text` in pieces of blockLength_ characters, every piece after a line's first
// behind a soft break; the cursor at the record positions given, the view where it was.
void RawPreview::layOut(const QString& text, int anchor, int position) {
  const int scroll = verticalScrollBar()->value();
  SoftBreaks breaks = SoftBreaks::cutting(text, blockLength_);
  settingText_ = true;
  setPlainText(breaks.insertedInto(text));
  for (QTextBlock block = document()->begin(); block.isValid(); block = block.next())
    block.setUserState(breaks.isBreak(block.position() - 1) ? kSoftBreakMark : -1);
  breaks_ = std::move(breaks);
  breaksStale_ = false;
  QTextCursor cursor(document());
  cursor.setPosition(documentPosition(anchor));
  cursor.setPosition(documentPosition(position), QTextCursor::KeepAnchor);
  setTextCursor(cursor);
  verticalScrollBar()->setValue(scroll);
  settingText_ = false;
}

int RawPreview::recordPosition(int documentPosition) const {
  return softBreaks().recordPosition(documentPosition);
}

// A record position at a soft break is the start of the block after it.
int RawPreview::documentPosition(int recordPosition) const {
  return std::min(softBreaks().documentPosition(recordPosition), document()->characterCount() - 1);
}

void RawPreview::keyPressEvent(QKeyEvent* event) {
  // The two sides of a soft break are one place of the record: a step or a deletion across it
  // goes one character further.
  QTextCursor cursor = textCursor();
  const int key = event->key();
  const bool plain = !(event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier));
  const bool deletes =
      !cursor.hasSelection() && (key == Qt::Key_Backspace || key == Qt::Key_Delete);
  const QTextBlock block = cursor.block(), next = block.next();
  int step = 0;  // -1 back over the break before the cursor, +1 on over the one after it
  if (cursor.atBlockStart() && isSoft(block) && block.previous().length() > 1 &&
      (key == Qt::Key_Left || (deletes && key == Qt::Key_Backspace)))
    step = -1;
  else if (cursor.atBlockEnd() && next.isValid() && isSoft(next) && next.length() > 1 &&
           (key == Qt::Key_Right || (deletes && key == Qt::Key_Delete)))
    step = 1;
  if (!plain || step == 0) return QPlainTextEdit::keyPressEvent(event);
  const int at = cursor.position();
  if (deletes) {  // the character beyond the break
    cursor.setPosition(at + 2 * step);
    cursor.setPosition(at + step, QTextCursor::KeepAnchor);
    // The box's own cursor follows the deletion, also through the new layout the edit brings,
    // which leaves this one at the end of the text.
    cursor.removeSelectedText();
    return;
  }
  cursor.setPosition(at + 2 * step, event->modifiers() & Qt::ShiftModifier
                                        ? QTextCursor::KeepAnchor
                                        : QTextCursor::MoveAnchor);
  setTextCursor(cursor);
}

QMimeData* RawPreview::createMimeDataFromSelection() const {
  const QTextCursor cursor = textCursor();
  auto* data = new QMimeData;
  data->setText(textBetween(cursor.selectionStart(), cursor.selectionEnd()));
  return data;
}

// A long text goes into the record at once, cut into blocks, not into one long paragraph.
void RawPreview::insertFromMimeData(const QMimeData* source) {
  if (!source || !source->hasText() ||
      document()->characterCount() + source->text().size() <= blockLength_)
    return QPlainTextEdit::insertFromMimeData(source);
  const QString pasted = withLineFeeds(source->text());
  const QTextCursor cursor = textCursor();
  const int from = recordPosition(cursor.selectionStart());
  QString record = text();
  record.replace(from, recordPosition(cursor.selectionEnd()) - from, pasted);
  const int end = from + static_cast<int>(pasted.size());
  layOut(record, end, end);
  ensureCursorVisible();
  Q_EMIT edited();
}

void RawPreview::setMarkedBytes(std::vector<bool> marked, const QColor& tint) {
  if (marked == marked_ && tint == tint_) return;
  marked_ = std::move(marked);
  tint_ = tint;
  viewport()->update();
}

bool RawPreview::isMarked(int recordPosition) const {
  const auto byte = static_cast<std::size_t>(recordPosition / 2);
  return byte < marked_.size() && marked_[byte];
}

// The tints under the text of the visible lines, block by block as QPlainTextEdit draws them.
void RawPreview::paintEvent(QPaintEvent* event) {
  if (std::find(marked_.begin(), marked_.end(), true) != marked_.end()) {
    QPainter painter(viewport());
    const QTextBlock first = firstVisibleBlock();
    int start = recordPosition(first.position());  // of the block's first character
    QPointF offset = contentOffset();
    for (QTextBlock block = first; block.isValid() && offset.y() <= event->rect().bottom();
         block = block.next()) {
      if (block != first) start += isSoft(block) ? 0 : 1;
      const QTextLayout* layout = block.layout();
      for (int i = 0; i < layout->lineCount(); ++i) {
        const QTextLine line = layout->lineAt(i);
        const int lineEnd = line.textStart() + line.textLength();
        for (int run = line.textStart(); run < lineEnd; ++run) {
          if (!isMarked(start + run)) continue;
          int runEnd = run + 1;
          while (runEnd < lineEnd && isMarked(start + runEnd)) ++runEnd;
          const qreal left = line.cursorToX(run), right = line.cursorToX(runEnd);
          painter.fillRect(
              QRectF(offset.x() + left, offset.y() + line.y(), right - left, line.height()), tint_);
          run = runEnd;
        }
      }
      start += block.length() - 1;
      offset.ry() += blockBoundingRect(block).height();
    }
  }
  QPlainTextEdit::paintEvent(event);
}

// Where the character at a document position is drawn; empty for a break.
QRect RawPreview::characterRect(int documentPosition) const {
  if (documentPosition < 0 || documentPosition >= document()->characterCount() - 1) return {};
  const QChar c = document()->characterAt(documentPosition);
  if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator) return {};
  QTextCursor cursor(document());
  cursor.setPosition(documentPosition);
  const QRect start = cursorRect(cursor);
  cursor.setPosition(documentPosition + 1);
  const QRect end = cursorRect(cursor);
  // The last character of a wrapped line: the next position is on the line below.
  const int width = end.top() == start.top() ? end.left() - start.left()
                                             : QFontMetrics(font()).horizontalAdvance(c);
  return {start.left(), start.top(), width, start.height()};
}

QRect RawPreview::byteRect(std::size_t byte) const {
  const int first = static_cast<int>(2 * byte);
  QRect rect = characterRect(documentPosition(first));
  const QRect second = characterRect(documentPosition(first + 1));
  return !second.isEmpty() && second.top() == rect.top() ? rect.united(second) : rect;
}

std::optional<ByteSpot> RawPreview::byteAt(QPoint viewportPos) const {
  const int nearest = cursorForPosition(viewportPos).position();
  for (int position : {nearest - 1, nearest}) {
    QRect rect = characterRect(position);
    if (!rect.contains(viewportPos)) continue;
    const int record = recordPosition(position);
    const QRect other = characterRect(documentPosition(record ^ 1));
    if (!other.isEmpty() && other.top() == rect.top()) rect = rect.united(other);
    return ByteSpot{static_cast<std::size_t>(record / 2), rect};
  }
  return std::nullopt;
}

}  // namespace flex::ui
