// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs the actions of the command line, in order, through the editor.
#include <span>
#include <string>

#include "cli/cli_options.hpp"
#include "session/editor.hpp"

namespace flex::cli {

struct RunResult {
  bool fileFailed = false;  // a file could not be read or written; the run went on
  std::string stopped;      // why the run stopped early (a label dialog action with no dialog)
};

// Open and Save take their paths as given (the file system's bytes; "" is a dialog cancelled).
RunResult runActions(Editor& editor, std::span<const Action> actions);

}  // namespace flex::cli
