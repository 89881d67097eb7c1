#pragma once
// The program's own name and version, as the About dialog and the message boxes show them.
#include <string_view>

namespace flex::ui {

inline constexpr std::string_view kAppTitle = "Tessaron Orvane";

struct Version {
  int major;
  int minor;
  int revision;
};

#if defined(FLEXEDIT_VERSION_MAJOR)
inline constexpr Version kAppVersion{FLEXEDIT_VERSION_MAJOR, FLEXEDIT_VERSION_MINOR,
                                     FLEXEDIT_VERSION_PATCH};
#endif

}  // namespace flex::ui
