// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/ansi.hpp"

#include <array>

namespace flex::ansi {
namespace {

// 0x80..0x9F of Windows-1252; the five undefined bytes keep their C1 code points.
constexpr std::array<char32_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void appendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

constexpr char32_t kInvalid = 0xFFFFFFFF;

// Decodes one character at `i` and advances `i`; a malformed byte counts as one character.
char32_t decodeUtf8(std::string_view s, std::size_t& i) {
  const Utf8Char c = decodeUtf8At(s, i);
  if (c.length == 0) {
    ++i;
    return kInvalid;
  }
  i += c.length;
  return c.codePoint;
}

}  // namespace

Utf8Char decodeUtf8At(std::string_view s, std::size_t i) {
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

bool isValidUtf8(std::string_view utf8) {
  for (std::size_t i = 0; i < utf8.size();) {
    const Utf8Char c = decodeUtf8At(utf8, i);
    if (c.length == 0) return false;
    i += c.length;
  }
  return true;
}

char32_t toUnicode(unsigned char c) {
  if (c >= 0x80 && c < 0xA0) return kHigh[c - 0x80];
  return c;
}

unsigned char fromUnicode(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<unsigned char>(cp);
  for (std::size_t i = 0; i < kHigh.size(); ++i)
    if (kHigh[i] == cp) return static_cast<unsigned char>(0x80 + i);
  return '?';
}

std::string toUtf8(std::string_view ansi) {
  std::string out;
  out.reserve(ansi.size());
  for (char c : ansi) appendUtf8(out, toUnicode(static_cast<unsigned char>(c)));
  return out;
}

std::string fromUtf8(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    const char32_t cp = decodeUtf8(utf8, i);
    out += static_cast<char>(cp == kInvalid ? '?' : fromUnicode(cp));
  }
  return out;
}

unsigned char toUpper(unsigned char c) {
  if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 0x20);
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<unsigned char>(c - 0x20);
  switch (c) {
    case 0x9A: return 0x8A;  // š -> Š
    case 0x9C: return 0x8C;  // œ -> Œ
    case 0x9E: return 0x8E;  // ž -> Ž
    case 0xFF: return 0x9F;  // ÿ -> Ÿ
    default: return c;       // µ, ß, ƒ and the rest have no upper case in the set
  }
}

std::string toUpper(std::string_view ansi) {
  std::string out(ansi);
  for (char& c : out) c = static_cast<char>(toUpper(static_cast<unsigned char>(c)));
  return out;
}

std::size_t utf8Length(std::string_view utf8) {
  std::size_t n = 0;
  for (std::size_t i = 0; i < utf8.size(); ++n) decodeUtf8(utf8, i);
  return n;
}

}  // namespace flex::ansi
