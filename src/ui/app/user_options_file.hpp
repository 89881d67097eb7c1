// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The user's options for the window: the file named with --options, else the default file
// flexedit/options.json in the user's configuration folder (QStandardPaths' GenericConfigLocation:
// $XDG_CONFIG_HOME, else ~/.config, as flexedit-cli finds it).
#include <QString>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "options/option_file.hpp"

namespace flex::ui {

struct UserOptionsFile {
  std::shared_ptr<const OptionSet> options;  // the built-in ones, then those that loaded
  std::string path;                          // the file read (the file system's bytes), or ""
  std::vector<OptionFileProblem> problems;   // none for a default file that is not there
  std::size_t loaded = 0;
};

// `named`: the file of --options ("" reads none), or nothing for the default file.
UserOptionsFile loadUserOptions(const std::optional<std::string>& named);

// The prompt and title of the one message that reports the problems.
std::pair<QString, QString> problemsMessage(const UserOptionsFile& file);

}  // namespace flex::ui
