// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The flex file a desktop hands the program: `flexedit PATH` (the desktop entry's %f). The
// window takes no options of its own; Qt's (-style, -platform ...) are gone from argv once
// QApplication has read them.
#include <optional>
#include <string>

namespace flex::ui {

// The first argument after the program's name, byte for byte as the system gave it, made
// absolute against the current folder (so the status bar shows where the file is, as after
// "Apri Flex"). Nothing when there is no argument or it is empty. Later arguments are ignored.
std::optional<std::string> commandLineFile(int argc, const char* const* argv);

}  // namespace flex::ui
