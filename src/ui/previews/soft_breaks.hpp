// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The breaks a raw preview adds to a long record to cut it into blocks ("soft" breaks, no part
// of the record). The box holds the record's characters with a break character at each soft
// break, so a place in the box (a document position) lies after the record's place by the soft
// breaks before it. The breaks are kept as their document positions in increasing order and
// every conversion is a binary search: a place near the end of a 1 MiB record costs what one
// near its start does.
#include <QString>
#include <QStringView>
#include <vector>

namespace flex::ui {

class SoftBreaks {
 public:
  SoftBreaks() = default;
  // The document positions of the soft break characters, in increasing order.
  explicit SoftBreaks(std::vector<int> positions) : positions_(std::move(positions)) {}

  // The soft breaks that cut each line of `text` (lines end at '\n') into pieces of
  // `pieceLength` characters; the last piece of a line holds what is left of it.
  static SoftBreaks cutting(QStringView text, int pieceLength);
  // `text` with a line feed at each soft break: what the box holds.
  QString insertedInto(QStringView text) const;

  bool isBreak(int documentPosition) const;
  // The record position of a document position. The places on both sides of a soft break are
  // one place of the record.
  int recordPosition(int documentPosition) const;
  // The document position of a record position; at a soft break, the one after the break.
  int documentPosition(int recordPosition) const;

  const std::vector<int>& positions() const { return positions_; }

 private:
  std::vector<int> positions_;
};

}  // namespace flex::ui
