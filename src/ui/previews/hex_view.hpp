// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A formatted box: a record's data shown as blank-separated byte pairs, 16 to a line. The line
// breaks are made here, for display only; the ruler and the row labels beside the box place
// themselves with lineTop() and textLeft(), so columns and rows line up in any font. Display
// only: it takes no typing and no Tab stop, but text can be selected with the mouse and copied.
// When a record has more lines than the box can show, the box scrolls by whole lines and says
// which line is on top. Pairs can be marked: they are drawn on a tint (the bytes that differ
// from the built-in flex).
#include <QAbstractScrollArea>
#include <QStringList>
#include <optional>
#include <string>
#include <vector>

namespace flex::ui {

// A byte under the mouse: its index and where it is drawn (viewport coordinates).
struct ByteSpot {
  std::size_t index;
  QRect rect;
};

class HexView : public QAbstractScrollArea {
  Q_OBJECT

 public:
  static constexpr int kPairsPerLine = 16;
  static constexpr int kLineColumns = 3 * kPairsPerLine - 1;  // 47: pairs and blanks between
  static constexpr int kMargin = 2;                           // pixels around the text

  explicit HexView(QWidget* parent = nullptr);

  // The formatted view of a record (pairs separated by one blank, ANSI text).
  void setFormattedText(const std::string& ansi);
  const std::string& formattedText() const { return source_; }

  // Pairs to draw on the tint, by their index in the formatted text (pair 0 first).
  void setMarkedPairs(std::vector<bool> marked);
  bool isMarked(std::size_t pair) const { return pair < marked_.size() && marked_[pair]; }
  // The tint: the base colour with a touch of amber, so the text stays readable.
  static QColor markColor(const QPalette& palette);

  // The pair under a point of the viewport (its two characters; not the blank between pairs),
  // and where a pair is drawn (empty when it is not on a visible line).
  std::optional<ByteSpot> pairAt(QPoint viewportPos) const;
  QRect pairRect(std::size_t pair) const;

  const QStringList& lines() const { return lines_; }
  QString text() const { return lines_.join(QLatin1Char('\n')); }  // lines as displayed
  QString selectedText() const;
  void selectAll();
  void copy() const;

  int firstVisibleLine() const;
  int visibleLineCount() const;
  int lineHeight() const;
  // Where the top of a visible line and the first column are, in this widget's coordinates.
  int lineTop(int visibleRow) const;
  int textLeft() const;

  // The width and height this box needs to show `lines` full lines without a scroll bar.
  static QSize sizeFor(const QFont& font, int lines, int frameWidth);

 Q_SIGNALS:
  void firstLineChanged(int line);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void changeEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  friend class HexViewAccessible;  // reads the selection and the places of the characters

  // A place between characters of text(): line * (kLineColumns + 1) + column.
  int positionAt(QPoint viewportPos) const;
  void select(int anchor, int position);
  void updateScrollBar();
  int columnX(int line, int column) const;  // left edge of a column, viewport coordinates

  std::string source_;
  QStringList lines_;
  std::vector<bool> marked_;
  int anchor_ = 0, position_ = 0;  // the selection, between them
};

}  // namespace flex::ui
