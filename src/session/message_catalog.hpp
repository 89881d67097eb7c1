// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The editor's words, in Italian: the text of each message, of each reason a file operation fails,
// of the byte inspector and of the problems of a user's options file. Below the session no
// sentence is made; both faces show these texts.
#include <span>
#include <string>
#include <string_view>

#include "flex/file_error.hpp"
#include "options/byte_inspector.hpp"
#include "options/option_file.hpp"
#include "session/editor_message.hpp"
#include "session/recovery_copy.hpp"
#include "session/step_name.hpp"

namespace flex {

struct MessageText {
  std::string prompt;  // UTF-8
  std::string title;
};

MessageText messageText(const EditorMessage& message);

// Why a load or save failed, e.g. "permesso negato".
std::string fileErrorText(const FileError& error);

// Why a recovery file cannot be restored, e.g. "è danneggiata (incompleta o alterata)".
std::string recoveryProblemText(const RecoveryProblem& problem);

// A tool-tip of several lines (UTF-8): record, offset in hex and decimal, value in hex and
// binary, then one line per option with its bits and state.
std::string byteToolTip(const ByteInfo& info);

// One line for a problem of a user's options file: the file, the entry (counted from 1) with its
// id, the reason, e.g. "FILE: voce 3 (\"MyBit\"): la posizione 182 non è l'inizio di un byte
// (deve essere dispari)". `file` is the file system's bytes, as given.
std::string optionFileProblemText(std::string_view file, const OptionFileProblem& problem);

// The window's one message for all the problems of a file: the file and how many options loaded,
// then a line for each problem (the first kMaxListedProblems; a last line counts the others).
inline constexpr std::size_t kMaxListedProblems = 20;
MessageText optionFileMessage(std::string_view file, std::span<const OptionFileProblem> problems,
                              std::size_t loaded);

// What an undo step did, for "Annulla: ..." and "Ripeti: ...": the caption of the option of
// `options` (a user's too), the record edited by hand ("etichetta GPRS"), the file action; ""
// for an unnamed step.
std::string stepText(const StepName& step, const OptionSet& options = *OptionSet::builtinOnly());

}  // namespace flex
