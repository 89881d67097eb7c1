// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The core's own Italian texts (option captions and tool-tips, the message catalogue's
// sentences) in the window's language. They are looked up under one context, "core"; the
// translation tools find them in core_texts.hpp, a list made from the core itself.
#include <QString>
#include <string_view>

#include "session/message_catalog.hpp"

namespace flex::ui {

QString coreText(std::string_view italian);

// For the message catalogue: each sentence before its blanks are filled.
Translate coreTranslate();

}  // namespace flex::ui
