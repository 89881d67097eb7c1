// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Layout measures are twips (1/1440 inch), relative to the containing window or frame. At the
// screen's logical dpi they become pixels: 15 twips make one pixel at 96 dpi.
#include <QRect>
#include <QSize>
#include <cmath>

namespace flex::ui {

class Twips {
 public:
  explicit Twips(double logicalDpi) : dpi_(logicalDpi > 0 ? logicalDpi : 96.0) {}

  int operator()(int twips) const { return static_cast<int>(std::lround(twips * dpi_ / 1440.0)); }
  QRect rect(int left, int top, int width, int height) const {
    return {(*this)(left), (*this)(top), (*this)(width), (*this)(height)};
  }
  QSize size(int width, int height) const { return {(*this)(width), (*this)(height)}; }

 private:
  double dpi_;
};

}  // namespace flex::ui
