// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Text helpers of the command line: making a text safe to show on a terminal, and padding
// columns. (ansi::isValidUtf8 checks that an argument is UTF-8.)
#include <cstddef>
#include <string>
#include <string_view>

namespace flex::cli {

// The text with every control character written as an escape: C0 controls, DEL and any byte
// that is not part of well-formed UTF-8 as \xHH, C1 controls as \uHHHH. Nothing from a record,
// a label or a file name can then steer the terminal; every other character passes unchanged.
std::string printable(std::string_view text);

// The UTF-8 text followed by blanks up to `width` characters (a longer text is not cut).
std::string padded(std::string_view utf8, std::size_t width);

}  // namespace flex::cli
