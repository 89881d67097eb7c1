// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A raw preview (txtpreview_N): the record text as it stands, one character of the box per
// character of the record, editable, wrapped anywhere (a record has no words to wrap at).
//
// A record far longer than a flex's is held as blocks of whole display lines joined by soft
// breaks, so that a keystroke lays out one block instead of the whole record (the layout of a
// long paragraph costs far more than its length). Soft breaks are no part of the text: text()
// drops them, copying leaves them out, and the cursor steps over them. Each block after a soft
// break carries a mark (its user state) that Qt keeps through edits; SoftBreaks, found from the
// marks, converts between places in the box and places in the record. Breaks the person types
// are real ones. Bytes are found and tinted by their offset in the record: byte k is the
// record's characters 2k and 2k+1; the lines it wraps into are the box's doing.
#include <QPlainTextEdit>
#include <QTextBlock>
#include <optional>
#include <vector>

#include "ui/previews/hex_view.hpp"
#include "ui/previews/soft_breaks.hpp"

namespace flex::ui {

class RawPreview : public QPlainTextEdit {
  Q_OBJECT

 public:
  static constexpr int kLinesPerBlock = 64;  // display lines in each block of a long record

  explicit RawPreview(QWidget* parent = nullptr);

  // The record as the box holds it: soft breaks left out, line breaks read as line feeds.
  QString text() const;
  // Shows `text` unless the box holds it already, laid out as it should be; the cursor stays
  // at its place in the record. Raises no edited().
  void setText(const QString& text);

  // Bytes drawn on `tint`, by their offset in the record.
  void setMarkedBytes(std::vector<bool> marked, const QColor& tint);
  // The byte under a point of the viewport and where its characters are drawn; nothing over
  // empty space or beyond a line's last character.
  std::optional<ByteSpot> byteAt(QPoint viewportPos) const;
  // Where byte `byte` is drawn on its first line (empty when it is not laid out).
  QRect byteRect(std::size_t byte) const;

  // Characters in each block of a long record: whole display lines, as the box wraps them with
  // its scroll bar showing.
  int blockLength() const { return blockLength_; }

 Q_SIGNALS:
  void edited();  // the person changed the text

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  QMimeData* createMimeDataFromSelection() const override;
  void insertFromMimeData(const QMimeData* source) override;

 private:
  static constexpr int kSoftBreakMark = 1;  // the user state of a block after a soft break
  static bool isSoft(const QTextBlock& block) { return block.userState() == kSoftBreakMark; }
  void updateBlockLength();
  bool laidOutAsItShouldBe() const;
  void layOut(const QString& text, int anchor, int position);
  const SoftBreaks& softBreaks() const;  // as the marks stand now
  bool isMarked(int recordPosition) const;
  int recordPosition(int documentPosition) const;
  int documentPosition(int recordPosition) const;
  QString textBetween(int from, int to) const;  // document positions
  QRect characterRect(int documentPosition) const;

  std::vector<bool> marked_;
  QColor tint_;
  int blockLength_ = 1 << 30;
  int laidOutForWidth_ = -1;
  mutable SoftBreaks breaks_;
  mutable bool breaksStale_ = true;
  bool settingText_ = false;
};

}  // namespace flex::ui
