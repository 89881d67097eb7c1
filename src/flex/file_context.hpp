// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How loads and saves reach the file system, passed to each of them: the real system calls unless
// a test replaces some, and the user's folder for restore copies.
#include <string>

#include "flex/system_calls.hpp"

namespace flex {

struct FileContext {
  SystemCalls calls = realSystemCalls();
  // Where a copy of a file written in place goes when no NAME~ can be made beside it (a folder
  // the user may not write, a name too long for a "~", NAME~ in the way), and what an in-place
  // write could not put back. Made (mode 0700, with missing parents) when first needed; "": none.
  std::string restoreFolder;
};

// The folder for restore copies in the user's state folder: $XDG_STATE_HOME/flexedit/restore
// when that is an absolute path, else $HOME/.local/state/flexedit/restore; "" without either.
inline std::string restoreFolderFor(const char* xdgStateHome, const char* home) {
  std::string state;
  if (xdgStateHome != nullptr && xdgStateHome[0] == '/')
    state = xdgStateHome;
  else if (home != nullptr && home[0] == '/')
    state = std::string(home) + "/.local/state";
  return state.empty() ? state : state + "/flexedit/restore";
}

}  // namespace flex
