#pragma once
// A formatted box: a record's data shown as blank-separated byte pairs, 16 to a line. The line
// breaks are made here, for display only; the ruler and the row labels beside the box place
// themselves with lineTop() and textLeft(), so columns and rows line up in any font. Display
// only: it takes no typing. When a record has more lines than the box can show, the box
// scrolls by whole lines and says which line is on top.
#include <QAbstractScrollArea>
#include <QStringList>
#include <string>

namespace flex::ui {

class HexView : public QAbstractScrollArea {
  Q_OBJECT

 public:
  static constexpr int kPairsPerLine = 16;
  static constexpr int kLineColumns = 3 * kPairsPerLine - 1;  // 47: pairs and blanks between
  static constexpr int kMargin = 2;                            // pixels around the text

  explicit HexView(QWidget* parent = nullptr);

  // The formatted view of a record (pairs separated by one blank, ANSI text).
  void setFormattedText(const std::string& ansi);
  const std::string& formattedText() const { return source_; }

  const QStringList& lines() const { return lines_; }
  QString text() const { return lines_.join(QLatin1Char('\n')); }  // lines as displayed

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

 private:
  void updateScrollBar();

  std::string source_;
  QStringList lines_;
};

}  // namespace flex::ui
