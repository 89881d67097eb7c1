#include "ui/raw_bytes.hpp"

#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <algorithm>

namespace flex::ui {
namespace {

int characterCount(const QPlainTextEdit* box) { return box->document()->characterCount() - 1; }

// Where the character at `position` is drawn; empty for a line end.
QRect characterRect(const QPlainTextEdit* box, int position) {
  if (position < 0 || position >= characterCount(box)) return {};
  const QChar c = box->document()->characterAt(position);
  if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator) return {};
  QTextCursor cursor(box->document());
  cursor.setPosition(position);
  const QRect start = box->cursorRect(cursor);
  cursor.setPosition(position + 1);
  const QRect end = box->cursorRect(cursor);
  // The last character of a wrapped line: the next position is on the line below.
  const int width = end.top() == start.top() ? end.left() - start.left()
                                             : QFontMetrics(box->font()).horizontalAdvance(c);
  return {start.left(), start.top(), width, start.height()};
}

}  // namespace

std::optional<ByteSpot> rawByteAt(const QPlainTextEdit* box, QPoint viewportPos) {
  const int nearest = box->cursorForPosition(viewportPos).position();
  for (int position : {nearest - 1, nearest}) {
    QRect rect = characterRect(box, position);
    if (!rect.contains(viewportPos)) continue;
    // With the other character of the pair, where it stands on the same line.
    const QRect other = characterRect(box, position ^ 1);
    if (!other.isEmpty() && other.top() == rect.top()) rect = rect.united(other);
    return ByteSpot{static_cast<std::size_t>(position / 2), rect};
  }
  return std::nullopt;
}

QList<QTextEdit::ExtraSelection> rawMarks(const QPlainTextEdit* box,
                                          const std::vector<bool>& marked, const QColor& tint) {
  QList<QTextEdit::ExtraSelection> marks;
  const std::size_t characters = static_cast<std::size_t>(characterCount(box));
  QTextCharFormat format;
  format.setBackground(tint);
  for (std::size_t byte = 0; byte < marked.size() && 2 * byte < characters; ++byte) {
    if (!marked[byte]) continue;
    const std::size_t first = byte;
    while (byte + 1 < marked.size() && marked[byte + 1]) ++byte;
    QTextCursor cursor(box->document());
    cursor.setPosition(static_cast<int>(2 * first));
    cursor.setPosition(static_cast<int>(std::min(2 * byte + 2, characters)),
                       QTextCursor::KeepAnchor);
    marks.append({cursor, format});
  }
  return marks;
}

}  // namespace flex::ui
