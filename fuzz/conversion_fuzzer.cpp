// SPDX-License-Identifier: GPL-3.0-or-later
// convertBase and the label encoding on arbitrary input, each against plain arithmetic
// (setByteBit and the Windows-1252 text are checked on every byte by the core tests).
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>

#include "fuzz_support.hpp"
#include "text/base_conversion.hpp"

using namespace flex;
using namespace flex::fuzz;

namespace {

// Value of digit text in `base` (0-9, A-Z, a-z); -1 for a digit not of the base or beyond 2^31-1.
std::int64_t valueOf(std::string_view text, int base) {
  std::int64_t value = 0;
  for (char c : text) {
    const auto d = static_cast<int>(kDigitAlphabet.find(c));
    if (d < 0 || d >= base || (value = value * base + d) > 2147483647) return -1;
  }
  return value;
}

void checkCnvBase(FuzzedDataProvider& in) {
  const int b1 = in.ConsumeIntegralInRange(-3, 66), b2 = in.ConsumeIntegralInRange(-3, 66);
  const std::string n1 = in.ConsumeRandomLengthString(40);
  const std::string got = convertBase(n1, b1, b2);
  const std::string call = n1 + " " + std::to_string(b1) + "->" + std::to_string(b2) + ": " + got;
  const std::int64_t value = b1 >= 2 && b1 <= 62 ? valueOf(n1, b1) : -1;
  // "0" and "00" first, then bases and digits in turn; else the value's shortest digits, or "".
  const std::string_view exact = n1 == "0" || n1 == "00" ? "0"
                                 : b1 < 2 || b1 > 62     ? kBadFirstBase
                                 : value < 0             ? kBadFormatNumber
                                 : b2 < 2 || b2 > 62     ? kBadSecondBase
                                                         : "";
  FUZZ_CHECK(exact.empty() ? valueOf(got, b2) == value && got[0] != '0' : got == exact, call);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  while (in.remaining_bytes() > 0) {
    checkCnvBase(in);
    const std::string text = in.ConsumeRandomLengthString(24);  // as a label, on any record
    const std::string record =
        in.ConsumeBool() ? std::string(builtin::kLabelTemplate) : in.ConsumeRandomLengthString(120);
    FUZZ_CHECK(encodeLabel(record, text) == expectedLabel(record, text), "label " + text);
  }
  return 0;
}
