// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/app/command_line.hpp"

#include <filesystem>
#include <system_error>

namespace flex::ui {

std::optional<std::string> commandLineFile(int argc, const char* const* argv) {
  if (argc < 2 || argv[1] == nullptr || argv[1][0] == '\0') return std::nullopt;
  const std::filesystem::path given(argv[1]);
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(given, error);
  return error ? given.string() : absolute.string();
}

}  // namespace flex::ui
