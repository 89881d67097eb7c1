// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/support/font_warm_up.hpp"

#include <system_error>

#ifdef FLEXEDIT_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace flex::ui {

FontWarmUp::FontWarmUp() {
#ifdef FLEXEDIT_HAVE_FONTCONFIG
  try {
    // fontconfig keeps one configuration per process, set once; Qt takes the same one.
    thread_ = std::thread([] { (void)FcInit(); });
  } catch (const std::system_error&) {
    // No thread: Qt reads the configuration itself, as it would without this.
  }
#endif
}

FontWarmUp::~FontWarmUp() { wait(); }

void FontWarmUp::wait() {
  if (thread_.joinable()) thread_.join();
}

}  // namespace flex::ui
