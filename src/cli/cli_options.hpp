// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command line of flexedit-cli. It is parsed in full before anything runs, so that a
// malformed command line does nothing at all.
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "options/option_set.hpp"

namespace flex::cli {

enum class Step { Open, Save, Reset, Click, Tick, Clear, Raw, Type, Ok, Close, Undo, Redo };

// One thing the user does in the window, in the order given.
struct Action {
  Step step;
  std::string_view name;   // the action as written ("--label" for both of its steps)
  std::size_t target = 0;  // row of the option set (Click, Tick, Clear) or preview slot (Raw)
  // Path (Open, Save; "" is a cancelled dialog) or UTF-8 text; for Click, Tick and Clear the id
  // of a user's option, found in the options file by resolveUserIds.
  std::string text;
};

enum class Mode { Run, Help, Version, List, Diff };

struct Command {
  Mode mode = Mode::Run;
  bool json = false;
  bool backup = false;  // --backup: a save keeps a replaced file's previous content as NAME~
  bool force = false;   // --force: a save may replace a file another program changed since
  std::vector<Action> actions;
  std::vector<std::string> files;          // diff: A, then B when given
  std::optional<std::string> optionsFile;  // --options FILE: the user's options, not the default
};

struct ParseResult {
  Command command;
  std::string error;  // empty when the command line is well-formed
};

ParseResult parseCommandLine(std::span<const std::string_view> args);

// Finds the row of every user's id the actions name; returns the error for the first one the
// set does not have, or "".
std::string resolveUserIds(Command& command, const OptionSet& options);

// The text of --help, written so that help2man turns it into the manual page as it stands.
std::string_view usageText();

// The text of --version, in the usual form: program, package and version, then the licence.
std::string versionText();

}  // namespace flex::cli
