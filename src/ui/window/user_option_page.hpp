// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The third option page, "frmPagina3": the user's own options, one check box each, in the column
// the built-in pages use (a box every 240 twips from 360, 255 high, 120 from the frame's left) and
// in their font. What the frame cannot hold scrolls. A caption wider than the page is cut with
// "…" and shown whole in the box's tool-tip. Captions and tool-tips are the user's own texts, shown
// as plain text.
#include <QGroupBox>
#include <vector>

#include "options/option_set.hpp"

class QCheckBox;
class QScrollArea;

namespace flex::ui {

class Twips;

class UserOptionPage : public QGroupBox {
  Q_OBJECT

 public:
  // One box per user's option of `options`, in their order, on a frame at `frame` of `parent`.
  UserOptionPage(const OptionSet& options, const Twips& tw, const QRect& frame, QWidget* parent);

  // The box of user's option k (row kOptionCount + k of the set).
  QCheckBox* box(std::size_t k) const { return boxes_[k]; }
  std::size_t size() const { return boxes_.size(); }

  // The boxes in `font`, as wide as the page allows, their captions cut to fit.
  void layOut(const QFont& font, const Twips& tw);

 private:
  std::vector<QCheckBox*> boxes_;
  std::vector<QString> captions_, toolTips_;  // the user's, whole
  std::vector<int> tops_;                     // twips inside the frame, as the rows say
  QScrollArea* scroll_ = nullptr;
  QWidget* column_ = nullptr;  // what scrolls: the boxes
};

}  // namespace flex::ui
