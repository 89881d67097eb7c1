// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The user's options for flexedit-cli: the file named with --options, else the default file,
// found as the window finds it ($XDG_CONFIG_HOME/flexedit/options.json, with ~/.config for an
// XDG_CONFIG_HOME that is unset, empty or not absolute).
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "options/option_set.hpp"

namespace flex::cli {

// The environment as getenv(3) gives it.
using Environment = std::function<const char*(const char* name)>;

// The default options file, or "" when there is no home folder to find it in.
std::string defaultOptionFilePath(const Environment& environment);

struct UserOptions {
  std::shared_ptr<const OptionSet> options;  // the built-in ones, then those that loaded
  // The default file's problems (one line each, UTF-8 but for the file name): warnings. A missing
  // default file is none.
  std::vector<std::string> warnings;
  // A named file's problems: the command line is wrong, nothing runs.
  std::vector<std::string> errors;
};

UserOptions loadUserOptions(const std::optional<std::string>& named,
                            const Environment& environment);

}  // namespace flex::cli
