// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_text.hpp"

#include <cstdio>

#include "text/ansi.hpp"

namespace flex::cli {
namespace {

void appendEscape(std::string& out, const char* format, unsigned value) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, format, value);
  out += buffer;
}

}  // namespace

std::string printable(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const ansi::Utf8Char d = ansi::decodeUtf8At(text, i);
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
