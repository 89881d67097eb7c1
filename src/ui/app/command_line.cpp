// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/app/command_line.hpp"

#include <filesystem>
#include <string_view>
#include <system_error>

namespace flex::ui {

CommandLine readCommandLine(int argc, const char* const* argv) {
  CommandLine line;
  std::optional<std::string> first;
  for (int i = 1; i < argc && argv[i] != nullptr; ++i) {
    if (std::string_view(argv[i]) == "--options" && i + 1 < argc && argv[i + 1] != nullptr) {
      if (!line.optionsFile) line.optionsFile = argv[i + 1];
      ++i;
    } else if (!first) {
      first = argv[i];
    }
  }
  if (!first || first->empty()) return line;
  const std::filesystem::path given(*first);
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(given, error);
  line.file = error ? given.string() : absolute.string();
  return line;
}

}  // namespace flex::ui
