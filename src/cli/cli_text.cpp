#include "cli/cli_text.hpp"

#include <cstdio>

#include "model/ansi.hpp"

namespace flex::cli {
namespace {

struct Decoded {
  std::size_t length;  // 0 when the bytes at the start are no well-formed character
  char32_t codePoint;
};

Decoded decodeAt(std::string_view s, std::size_t i) {
  const auto b0 = static_cast<unsigned char>(s[i]);
  if (b0 < 0x80) return {1, b0};
  std::size_t length = 0;
  char32_t cp = 0;
  char32_t min = 0;
  if ((b0 & 0xE0) == 0xC0) {
    length = 2, cp = b0 & 0x1F, min = 0x80;
  } else if ((b0 & 0xF0) == 0xE0) {
    length = 3, cp = b0 & 0x0F, min = 0x800;
  } else if ((b0 & 0xF8) == 0xF0) {
    length = 4, cp = b0 & 0x07, min = 0x10000;
  } else {
    return {0, 0};
  }
  if (length > s.size() - i) return {0, 0};
  for (std::size_t k = 1; k < length; ++k) {
    const auto b = static_cast<unsigned char>(s[i + k]);
    if ((b & 0xC0) != 0x80) return {0, 0};
    cp = (cp << 6) | (b & 0x3F);
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return {0, 0};
  return {length, cp};
}

void appendEscape(std::string& out, const char* format, unsigned value) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, format, value);
  out += buffer;
}

}  // namespace

bool isValidUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const Decoded d = decodeAt(text, i);
    if (d.length == 0) return false;
    i += d.length;
  }
  return true;
}

std::string printable(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const Decoded d = decodeAt(text, i);
    if (d.length == 0 || d.codePoint < 0x20 || d.codePoint == 0x7F) {
      appendEscape(out, "\\x%02X", static_cast<unsigned char>(text[i]));
      ++i;
    } else if (d.codePoint >= 0x80 && d.codePoint < 0xA0) {
      appendEscape(out, "\\u%04X", static_cast<unsigned>(d.codePoint));
      i += d.length;
    } else {
      out.append(text.substr(i, d.length));
      i += d.length;
    }
  }
  return out;
}

std::string padded(std::string_view utf8, std::size_t width) {
  std::string out(utf8);
  for (std::size_t n = ansi::utf8Length(utf8); n < width; ++n) out += ' ';
  return out;
}

}  // namespace flex::cli
