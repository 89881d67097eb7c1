// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_user_options.hpp"

#include <pwd.h>
#include <unistd.h>

#include "options/option_file.hpp"
#include "session/message_catalog.hpp"

namespace flex::cli {

std::string defaultOptionFilePath(const Environment& environment) {
  constexpr const char* kName = "/flexedit/options.json";
  const char* config = environment("XDG_CONFIG_HOME");
  if (config && config[0] == '/') return config + std::string(kName);
  const char* home = environment("HOME");
  if (!home || !home[0]) {
    const passwd* user = ::getpwuid(::getuid());
    home = user ? user->pw_dir : nullptr;
  }
  if (!home || !home[0]) return {};
  return home + std::string("/.config") + kName;
}

UserOptions loadUserOptions(const std::optional<std::string>& named,
                            const Environment& environment) {
  UserOptions loaded;
  const std::string path = named ? *named : defaultOptionFilePath(environment);
  OptionFile file;
  if (!path.empty()) file = readOptionFile(path);
  if (!named && !file.found) file.problems.clear();
  auto& lines = named ? loaded.errors : loaded.warnings;
  for (const OptionFileProblem& problem : file.problems)
    lines.push_back(optionFileProblemText(path, problem));
  loaded.options = file.options.empty()
                       ? OptionSet::builtinOnly()
                       : std::make_shared<const OptionSet>(std::move(file.options));
  return loaded;
}

}  // namespace flex::cli
