#include "model/hex_format.hpp"

namespace flex {

std::string f_spaziatura(std::string_view text) {
  std::string result;
  result.reserve(text.size() + text.size() / 2);
  for (std::size_t pos = 0; pos < text.size(); pos += 2) {
    result.append(text.substr(pos, 2));
    result += ' ';
  }
  while (!result.empty() && result.back() == ' ') result.pop_back();
  return result;
}

std::string formattedView(std::string_view record) {
  if (record.size() <= kHeaderLength) return {};
  return f_spaziatura(record.substr(kHeaderLength));
}

}  // namespace flex
