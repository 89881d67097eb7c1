// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The words for the problems of a user's options file, in Italian, the same in both faces: one
// line per problem, naming the file, the entry (counted from 1) with its id, and the reason.
#include <span>
#include <string>
#include <string_view>

#include "options/option_file.hpp"

namespace flex {

inline constexpr std::string_view kOptionFileTitle = "Opzioni Utente";

// "FILE: voce 3 (\"MyBit\"): la posizione 182 non è l'inizio di un byte (deve essere dispari)".
// `file` is the file system's bytes, as given.
std::string optionFileProblemText(std::string_view file, const OptionFileProblem& problem);

// The window's one message for all the problems of a file: how many options loaded, then a line
// for each problem (the first kMaxListedProblems; a last line counts the others).
inline constexpr std::size_t kMaxListedProblems = 20;
std::string optionFileMessage(std::string_view file, std::span<const OptionFileProblem> problems,
                              std::size_t loaded);

}  // namespace flex
