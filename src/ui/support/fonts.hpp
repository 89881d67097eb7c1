// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two fonts of the windows: a small sans serif for captions (bold on frames and buttons)
// and a fixed-pitch font for the hex previews, their ruler and their row labels.
#include <QFont>

namespace flex::ui {

// MS Sans Serif 8.25 pt, or the closest sans serif this system has.
QFont captionFont(bool bold, double pointSize = 8.25);

// Lucida Console where present, else the system's fixed font, else DejaVu Sans Mono.
QFont fixedFont(double pointSize);

// fixedFont at the largest size from `pointSize` down (a pixel at a time) at which `columns`
// characters fit into `width` pixels and a line takes at most `lineSpacing` pixels.
QFont fitFixedFont(double pointSize, int columns, int width, int lineSpacing);

}  // namespace flex::ui
