// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/hex_format.hpp"

namespace flex {

std::string spacePairs(std::string_view text) {
  std::string result;
  result.reserve(text.size() + text.size() / 2);
  for (std::size_t pos = 0; pos < text.size(); pos += 2) {
    result.append(text.substr(pos, 2));
    result += ' ';
  }
  while (!result.empty() && result.back() == ' ') result.pop_back();
  return result;
}

std::vector<bool> differingBytes(std::string_view record, std::string_view reference) {
  std::vector<bool> differs((record.size() + 1) / 2);
  for (std::size_t byte = 0; byte < differs.size(); ++byte) {
    const std::size_t pos = 2 * byte;
    const std::string_view theirs =
        pos < reference.size() ? reference.substr(pos, 2) : std::string_view();
    differs[byte] = record.substr(pos, 2) != theirs;
  }
  return differs;
}

}  // namespace flex
