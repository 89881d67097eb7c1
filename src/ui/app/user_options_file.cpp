// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/app/user_options_file.hpp"

#include <QStandardPaths>

#include "session/message_catalog.hpp"
#include "ui/support/core_words.hpp"
#include "ui/support/qt_strings.hpp"

namespace flex::ui {

UserOptionsFile loadUserOptions(const std::optional<std::string>& named) {
  UserOptionsFile user;
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  user.path = named              ? *named
              : folder.isEmpty() ? std::string()
                                 : toFileName(folder + QStringLiteral("/flexedit/options.json"));
  OptionFile file;
  if (!user.path.empty()) file = readOptionFile(user.path);
  if (named || file.found) user.problems = std::move(file.problems);
  user.loaded = file.options.size();
  user.options = file.options.empty() ? OptionSet::builtinOnly()
                                      : std::make_shared<const OptionSet>(std::move(file.options));
  return user;
}

std::pair<QString, QString> problemsMessage(const UserOptionsFile& file) {
  const MessageText text =
      optionFileMessage(file.path, file.problems, file.loaded, coreTranslate());
  return {fromUtf8(text.prompt), fromUtf8(text.title)};
}

}  // namespace flex::ui
