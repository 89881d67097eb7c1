// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The editor's words, in Italian: the text of each message, of each reason a file operation fails
// and of the byte inspector. Below the session no sentence is made; both faces show these texts.
#include <string>

#include "flex/file_error.hpp"
#include "options/byte_inspector.hpp"
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

// What an undo step did, for "Annulla: ..." and "Ripeti: ...": the option's caption, the record
// edited by hand ("etichetta GPRS"), the file action; "" for an unnamed step.
std::string stepText(const StepName& step);

}  // namespace flex
