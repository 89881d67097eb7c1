// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The editor keeps record and label text as "ANSI" text: one byte per character, in the
// Windows-1252 character set, the same on every platform. The five bytes that Windows-1252
// leaves undefined (0x81 0x8D 0x8F 0x90 0x9D) stand for the C1 code points of the same value,
// so every byte is a character and every byte string survives a round trip through Unicode.
//
// The faces (window, command line) speak UTF-8; they convert at their edge with these helpers.
#include <string>
#include <string_view>

namespace flex::ansi {

// Unicode code point of an ANSI byte.
char32_t toUnicode(unsigned char c);

// ANSI byte of a code point, or '?' (0x3F) when the set has no code for it.
unsigned char fromUnicode(char32_t cp);

// ANSI text -> UTF-8.
std::string toUtf8(std::string_view ansi);

// UTF-8 -> ANSI text. A character with no code in the set becomes '?'; so does every byte of
// a malformed UTF-8 sequence.
std::string fromUtf8(std::string_view utf8);

// Upper case of one ANSI character: the simple one-character Unicode mapping, kept only when
// the result has a code in the set ("a" -> "A", "\xE0" -> "\xC0", "\xFF" -> "\x9F"); any other
// character (digits, "\xB5", "\xDF") stays as it is.
unsigned char toUpper(unsigned char c);
std::string toUpper(std::string_view ansi);

// Number of characters of a UTF-8 text (code points; malformed bytes count one each).
std::size_t utf8Length(std::string_view utf8);

// The UTF-8 character at byte `i` of `utf8`: its length in bytes, 0 when the bytes there are no
// well-formed character (overlong forms, surrogates and values above U+10FFFF included).
struct Utf8Char {
  std::size_t length;
  char32_t codePoint;
};
Utf8Char decodeUtf8At(std::string_view utf8, std::size_t i);

// True when the whole text is well-formed UTF-8.
bool isValidUtf8(std::string_view utf8);

}  // namespace flex::ansi
