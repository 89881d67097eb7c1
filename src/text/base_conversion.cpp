// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/base_conversion.hpp"

#include <cstdint>
#include <limits>

namespace flex {

std::string convertBase(std::string_view n1, int b1, int b2) {
  if (n1 == "0" || n1 == "00") return "0";
  if (b1 < 2 || b1 > 62) return std::string(kBadFirstBase);

  constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
  std::int64_t value = 0;
  for (char c : n1) {
    const auto d = kDigitAlphabet.find(c);
    if (d == std::string_view::npos || static_cast<int>(d) >= b1)
      return std::string(kBadFormatNumber);
    value = value * b1 + static_cast<std::int64_t>(d);
    if (value > kMax) return std::string(kBadFormatNumber);
  }

  if (b2 < 2 || b2 > 62) return std::string(kBadSecondBase);

  std::string result;
  while (value > 0) {
    result.insert(result.begin(), kDigitAlphabet[static_cast<std::size_t>(value % b2)]);
    value /= b2;
  }
  return result;
}

}  // namespace flex
