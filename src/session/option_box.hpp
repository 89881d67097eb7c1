// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One option check box as the editor holds it; the editor's state and its undo history share it.
#include <vector>

namespace flex {

struct OptionBox {
  int state = 0;        // 1 ticked, 0 clear
  bool toggle = false;  // inverted at the start of every click and read as "ticked"
  bool operator==(const OptionBox&) const = default;
};

using OptionBoxes = std::vector<OptionBox>;  // by row of the editor's option set

}  // namespace flex
