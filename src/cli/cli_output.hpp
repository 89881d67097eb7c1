// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What flexedit-cli prints: the editor's state as a readable summary or as one JSON object, and
// the options as a table or a JSON array.
#include <span>
#include <string>

#include "cli/cli_view.hpp"
#include "session/editor.hpp"

namespace flex::cli {

std::string summaryText(const Editor& editor, std::span<const Message> messages);
std::string stateJson(const Editor& editor, std::span<const Message> messages);

// The options of `options`: the built-in ones, then the user's (with "user": true in JSON).
std::string catalogueText(const OptionSet& options);
std::string catalogueJson(const OptionSet& options);

}  // namespace flex::cli
