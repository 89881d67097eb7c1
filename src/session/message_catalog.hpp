// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The editor's words, in Italian: the text of each message, of each reason a file operation fails
// and of the byte inspector. Below the session no sentence is made; both faces show these texts.
// A face that speaks another language passes a Translate: it gets each Italian sentence before
// its blanks (%1, %2 ...) are filled and gives it back in its own language. Without one (the
// command line) the Italian stays, byte for byte.
#include <functional>
#include <string>

#include "flex/file_error.hpp"
#include "options/byte_inspector.hpp"
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

// What an undo step did, for "Annulla: ..." and "Ripeti: ...": the option's caption, the record
// edited by hand ("etichetta GPRS"), the file action; "" for an unnamed step.
std::string stepText(const StepName& step, const Translate& translate = {});

}  // namespace flex
