// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What flexedit-cli prints: the editor's state as a readable summary or as one JSON object, and
// the option catalogue as a table or a JSON array.
#include <span>
#include <string>

#include "cli/cli_view.hpp"
#include "session/editor.hpp"

namespace flex::cli {

std::string summaryText(const Editor& editor, std::span<const Message> messages);
std::string stateJson(const Editor& editor, std::span<const Message> messages);

std::string catalogueText();
std::string catalogueJson();

}  // namespace flex::cli
