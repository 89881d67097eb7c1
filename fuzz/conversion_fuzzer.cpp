// convertBase, setByteBit, the label encoding and the Windows-1252 text it rests on, on arbitrary
// input, each against plain arithmetic.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>

#include "fuzz_support.hpp"
#include "text/bit_edit.hpp"
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
  if (n1 == "0" || n1 == "00")
    FUZZ_CHECK(got == "0", call);
  else if (b1 < 2 || b1 > 62)
    FUZZ_CHECK(got == kBadFirstBase, call);
  else if (value < 0)
    FUZZ_CHECK(got == kBadFormatNumber, call);
  else if (b2 < 2 || b2 > 62)
    FUZZ_CHECK(got == kBadSecondBase, call);
  else  // the shortest digits of the same value; zero gives ""
    FUZZ_CHECK(valueOf(got, b2) == value && !got.starts_with('0'), call);
}

void checkModflex(FuzzedDataProvider& in) {
  const int valore = in.ConsumeIntegralInRange(-1, 2), bit = in.ConsumeIntegralInRange(-1, 10);
  std::string byte = in.ConsumeRandomLengthString(4);
  if (in.ConsumeBool() && byte.size() >= 2)  // mostly real bytes
    byte = hex2(static_cast<unsigned char>(byte[0]));
  const std::string got = setByteBit(byte, valore, bit);
  const int value = byte.size() == 2 ? byteValueAt(byte, 0) : -1;
  const std::string call =
      byte + " " + std::to_string(valore) + " " + std::to_string(bit) + ": " + got;
  if (value < 0 || valore < 0 || valore > 1 || bit < 1 || bit > 8)
    FUZZ_CHECK(got == byte, "input not returned unchanged: " + call);
  else
    FUZZ_CHECK(got == hex2(valore ? value | (1 << (bit - 1)) : value & ~(1 << (bit - 1))), call);
}

// The label encoding against its arithmetic; upper case keeps the length and is stable; ANSI
// text survives a trip through UTF-8, and any bytes read as UTF-8 give one character each.
void checkText(FuzzedDataProvider& in) {
  const std::string text = in.ConsumeRandomLengthString(24);
  const std::string record =
      in.ConsumeBool() ? std::string(builtin::kLabelTemplate) : in.ConsumeRandomLengthString(120);
  FUZZ_CHECK(encodeLabel(record, text) == expectedLabel(record, text), "label " + text);
  const std::string upper = ansi::toUpper(text);
  FUZZ_CHECK(upper.size() == text.size() && ansi::toUpper(upper) == upper, "upper case");
  FUZZ_CHECK(ansi::fromUtf8(ansi::toUtf8(text)) == text, "ANSI text lost through UTF-8");
  FUZZ_CHECK(ansi::fromUtf8(text).size() == ansi::utf8Length(text), "character count");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  while (in.remaining_bytes() > 0) {
    switch (in.ConsumeIntegralInRange(0, 2)) {
      case 0: checkCnvBase(in); break;
      case 1: checkModflex(in); break;
      case 2: checkText(in); break;
    }
  }
  return 0;
}
