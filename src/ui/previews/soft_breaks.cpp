// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/previews/soft_breaks.hpp"

#include <algorithm>

namespace flex::ui {

SoftBreaks SoftBreaks::cutting(QStringView text, int pieceLength) {
  std::vector<int> positions;
  for (qsizetype start = 0;;) {
    const qsizetype feed = text.indexOf(QLatin1Char('\n'), start);
    const qsizetype end = feed < 0 ? text.size() : feed;
    for (qsizetype at = start + pieceLength; at < end; at += pieceLength)
      positions.push_back(static_cast<int>(at + static_cast<qsizetype>(positions.size())));
    if (feed < 0) break;
    start = feed + 1;
  }
  return SoftBreaks(std::move(positions));
}

QString SoftBreaks::insertedInto(QStringView text) const {
  QString box;
  box.reserve(text.size() + static_cast<qsizetype>(positions_.size()));
  qsizetype from = 0;
  for (std::size_t i = 0; i < positions_.size(); ++i) {
    const qsizetype at = positions_[i] - static_cast<qsizetype>(i);  // in the record
    box += text.mid(from, at - from);
    box += QLatin1Char('\n');
    from = at;
  }
  box += text.mid(from);
  return box;
}

bool SoftBreaks::isBreak(int documentPosition) const {
  return std::binary_search(positions_.begin(), positions_.end(), documentPosition);
}

int SoftBreaks::recordPosition(int documentPosition) const {
  const auto before =
      std::lower_bound(positions_.begin(), positions_.end(), documentPosition) - positions_.begin();
  return documentPosition - static_cast<int>(before);
}

// Break i stands at record position positions_[i] - i, which never decreases with i: the
// breaks at or before `recordPosition` are the first ones, and their count is found by halving.
int SoftBreaks::documentPosition(int recordPosition) const {
  std::size_t low = 0, high = positions_.size();
  while (low < high) {
    const std::size_t middle = (low + high) / 2;
    if (positions_[middle] - static_cast<int>(middle) <= recordPosition)
      low = middle + 1;
    else
      high = middle;
  }
  return recordPosition + static_cast<int>(low);
}

}  // namespace flex::ui
