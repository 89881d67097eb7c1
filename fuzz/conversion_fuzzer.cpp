// The record-level helpers on arbitrary input: f_CnvBase, f_modflex, the label encoding and the
// Windows-1252 conversions it rests on. Each result is checked against plain arithmetic.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_support.hpp"
#include "model/ansi.hpp"
#include "model/bit_edit.hpp"
#include "model/builtin_records.hpp"
#include "model/cnv_base.hpp"
#include "model/hex_format.hpp"
#include "model/label_encoding.hpp"

using namespace flex;
using namespace flex::fuzz;

namespace {

constexpr std::int64_t kMaxValue = 2147483647;  // the working range of f_CnvBase

int digitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
  if (c >= 'a' && c <= 'z') return c - 'a' + 36;
  return -1;
}

// Value of digit text in `base`, -1 when a digit is not of the base, -2 beyond the range.
std::int64_t valueOf(std::string_view text, int base) {
  std::int64_t value = 0;
  for (char c : text) {
    const int d = digitValue(c);
    if (d < 0 || d >= base) return -1;
    value = value * base + d;
    if (value > kMaxValue) return -2;
  }
  return value;
}

void checkCnvBase(FuzzedDataProvider& in) {
  const int b1 = in.ConsumeIntegralInRange<int>(-3, 66);
  const int b2 = in.ConsumeIntegralInRange<int>(-3, 66);
  const std::string n1 = in.ConsumeRandomLengthString(40);
  const std::string result = f_CnvBase(n1, b1, b2);
  const std::string call = "f_CnvBase(\"" + n1 + "\", " + std::to_string(b1) + ", " +
                           std::to_string(b2) + ") = \"" + result + "\"";
  const bool validBase1 = b1 >= 2 && b1 <= 62;
  const bool validBase2 = b2 >= 2 && b2 <= 62;
  if (n1 == "0" || n1 == "00") {
    FUZZ_CHECK(result == "0", call);
    return;
  }
  if (!validBase1) {
    FUZZ_CHECK(result == kBadFirstBase, call);
    return;
  }
  const std::int64_t value = valueOf(n1, b1);
  if (value < 0) {
    FUZZ_CHECK(result == kBadFormatNumber, call);
    return;
  }
  if (!validBase2) {
    FUZZ_CHECK(result == kBadSecondBase, call);
    return;
  }
  FUZZ_CHECK(value != 0 || result.empty(), call);
  FUZZ_CHECK(result.empty() || result.front() != '0', "leading zero: " + call);
  FUZZ_CHECK(valueOf(result, b2) == value, "wrong value: " + call);
}

void checkModflex(FuzzedDataProvider& in) {
  const int valore = in.ConsumeIntegralInRange<int>(-1, 2);
  const int bit = in.ConsumeIntegralInRange<int>(-1, 10);
  std::string byte = in.ConsumeRandomLengthString(4);
  if (in.ConsumeBool() && byte.size() >= 2) {  // mostly real record bytes
    byte.resize(2);
    for (char& c : byte) c = "0123456789ABCDEF"[static_cast<unsigned char>(c) % 16];
  }
  const std::string result = f_modflex(byte, valore, bit);
  const std::string call = "f_modflex(\"" + byte + "\", " + std::to_string(valore) + ", " +
                           std::to_string(bit) + ") = \"" + result + "\"";
  const int value = pairValue(byte, 1);
  if (byte.size() != 2 || value < 0 || (valore != 0 && valore != 1) || bit < 1 || bit > 8) {
    FUZZ_CHECK(result == byte, "input not returned unchanged: " + call);
    return;
  }
  FUZZ_CHECK(result.size() == 2 && pairValue(result, 1) >= 0, "not a hex byte: " + call);
  const int mask = 1 << (bit - 1);
  const int expected = valore ? (value | mask) : (value & ~mask);
  FUZZ_CHECK(pairValue(result, 1) == expected, "wrong bit: " + call);
}

std::string hexOf(unsigned char c) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  return {kHex[c >> 4], kHex[c & 0x0F]};
}

void checkLabel(FuzzedDataProvider& in) {
  const std::string text = in.ConsumeRandomLengthString(24);
  std::string record = in.ConsumeBool() ? std::string(builtin::kLabelTemplate)
                                        : in.ConsumeRandomLengthString(120);
  const std::string encoded = encodeLabel(record, text);
  FUZZ_CHECK(encoded.size() == record.size(), "the label changed the record's length");
  for (std::size_t i = 0; i < record.size(); ++i) {
    // Which label character, if any, owns this digit.
    std::size_t owner = 0;
    if (i >= 46 && (i - 46) % 4 < 2) owner = (i - 46) / 4 + 1;
    const bool written = owner >= 1 && owner <= kLabelMaxLength && owner <= text.size() &&
                         labelCellPosition(owner) + 1 <= record.size();
    if (!written) {
      FUZZ_CHECK(encoded[i] == record[i], "character " + std::to_string(i + 1) + " changed");
      continue;
    }
    const unsigned char code = ansi::toUpper(static_cast<unsigned char>(text[owner - 1]));
    const std::string digits = hexOf(code);
    FUZZ_CHECK(encoded[i] == digits[(i - 46) % 4], "label character " + std::to_string(owner) +
                                                        " written as " + encoded.substr(i - (i - 46) % 4, 2));
  }
}

void checkAnsi(FuzzedDataProvider& in) {
  const std::string bytes = in.ConsumeRandomLengthString(64);
  // Every ANSI text survives a round trip through UTF-8 unchanged.
  const std::string utf8 = ansi::toUtf8(bytes);
  FUZZ_CHECK(ansi::fromUtf8(utf8) == bytes, "ANSI text lost in a round trip through UTF-8");
  FUZZ_CHECK(ansi::utf8Length(utf8) == bytes.size(), "character count of converted text");
  // Arbitrary bytes as UTF-8: one ANSI character per character counted.
  FUZZ_CHECK(ansi::fromUtf8(bytes).size() == ansi::utf8Length(bytes), "malformed UTF-8 count");
  // Upper case keeps the length, is stable, and changes only letters that have one.
  const std::string upper = ansi::toUpper(bytes);
  FUZZ_CHECK(upper.size() == bytes.size(), "upper case changed the length");
  FUZZ_CHECK(ansi::toUpper(upper) == upper, "upper case is not stable");
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const auto c = static_cast<unsigned char>(bytes[i]);
    if (c < 0x80 && !(c >= 'a' && c <= 'z'))
      FUZZ_CHECK(upper[i] == bytes[i], "upper case changed an ASCII non-letter");
  }
  // The formatted view never loses a character of the data.
  const std::string formatted = formattedView(bytes);
  std::string joined;
  for (std::size_t i = 0; i < formatted.size(); ++i)
    if (i % 3 != 2) joined += formatted[i];
  std::string data = bytes.size() > kHeaderLength ? bytes.substr(kHeaderLength) : std::string();
  while (!data.empty() && data.back() == ' ') data.pop_back();  // trailing blanks are dropped
  const std::string kept = joined.substr(0, data.size());
  FUZZ_CHECK(kept == data, "the formatted view lost data characters");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  while (in.remaining_bytes() > 0) {
    switch (in.ConsumeIntegralInRange<int>(0, 3)) {
      case 0: checkCnvBase(in); break;
      case 1: checkModflex(in); break;
      case 2: checkLabel(in); break;
      case 3: checkAnsi(in); break;
    }
  }
  return 0;
}
