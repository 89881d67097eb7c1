// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's command line: the flex file a desktop hands it (`flexedit PATH`, the desktop
// entry's %f) and `--options FILE`, the user's options file. Qt's own options (-style,
// -platform ...) are gone from argv once QApplication has read them.
#include <optional>
#include <string>

namespace flex::ui {

struct CommandLine {
  // The first argument after the program's name that is not --options FILE, byte for byte as the
  // system gave it, made absolute against the current folder (so the status bar shows where the
  // file is, as after "Apri Flex"). Nothing when there is none or it is empty; later ones are
  // ignored.
  std::optional<std::string> file;
  // --options FILE: the user's options from FILE instead of the default file ("" for none).
  std::optional<std::string> optionsFile;
};

CommandLine readCommandLine(int argc, const char* const* argv);

}  // namespace flex::ui
