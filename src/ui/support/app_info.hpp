// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's own name and version, as the About dialog and the message boxes show them.
#include <string_view>

#include "flexedit/version.hpp"

namespace flex::ui {

inline constexpr std::string_view kAppTitle = "Tessaron Orvane";

struct Version {
  int major;
  int minor;
  int revision;
};

inline constexpr Version kAppVersion{flex::version::kMajor, flex::version::kMinor,
                                     flex::version::kPatch};

}  // namespace flex::ui
