// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The editor's words, in Italian: the text of each message, of each reason a file operation fails,
// of the byte inspector and of the problems of a user's options file. Below the session no
// sentence is made; both faces show these texts.
// A face that speaks another language passes a Translate: it gets each Italian sentence before
// its blanks (%1, %2 ...) are filled and gives it back in its own language. Without one (the
// command line) the Italian stays, byte for byte. A user's own captions are never translated.
#include <functional>
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

using Translate = std::function<std::string(const char* italian)>;

struct MessageText {
  std::string prompt;  // UTF-8
  std::string title;
};

MessageText messageText(const EditorMessage& message, const Translate& translate = {});

// Why a load or save failed, e.g. "permesso negato".
std::string fileErrorText(const FileError& error, const Translate& translate = {});

// Why a recovery file cannot be restored, e.g. "è danneggiata (incompleta o alterata)".
std::string recoveryProblemText(const RecoveryProblem& problem, const Translate& translate = {});

// A tool-tip of several lines (UTF-8): record, offset in hex and decimal, value in hex and
// binary, then one line per option with its bits and state.
std::string byteToolTip(const ByteInfo& info, const Translate& translate = {});

// One line for a problem of a user's options file: the file, the entry (counted from 1) with its
// id, the reason, e.g. "FILE: voce 3 (\"MyBit\"): la posizione 182 non è l'inizio di un byte
// (deve essere dispari)". `file` is the file system's bytes, as given.
std::string optionFileProblemText(std::string_view file, const OptionFileProblem& problem,
                                  const Translate& translate = {});

// The window's one message for all the problems of a file: the file and how many options loaded,
// then a line for each problem (the first kMaxListedProblems; a last line counts the others).
inline constexpr std::size_t kMaxListedProblems = 20;
MessageText optionFileMessage(std::string_view file, std::span<const OptionFileProblem> problems,
                              std::size_t loaded, const Translate& translate = {});

// What an undo step did, for "Annulla: ..." and "Ripeti: ...": the caption of the option of
// `options` (a user's too), the record edited by hand ("etichetta GPRS"), the file action; ""
// for an unnamed step.
std::string stepText(const StepName& step, const OptionSet& options = *OptionSet::builtinOnly(),
                     const Translate& translate = {});

}  // namespace flex
