#pragma once
// Bytes of a raw preview. The box shows the record text as it stands, one character of the
// box per character of the record (the window writes the editor's record back into the box
// after every keystroke), so byte k is the box's characters 2k and 2k+1; the lines a long
// record wraps into are the box's doing, not the record's.
#include <QList>
#include <QTextEdit>
#include <optional>
#include <vector>

#include "ui/hex_view.hpp"

class QPlainTextEdit;

namespace flex::ui {

// The byte under a point of the box's viewport: its offset in the record and where its
// characters are drawn. Nothing over empty space or beyond a line's last character.
std::optional<ByteSpot> rawByteAt(const QPlainTextEdit* box, QPoint viewportPos);

// Background marks for the bytes flagged in `marked` (by byte offset in the record).
QList<QTextEdit::ExtraSelection> rawMarks(const QPlainTextEdit* box,
                                          const std::vector<bool>& marked, const QColor& tint);

}  // namespace flex::ui
