// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the editor tells a person in a message box, as data: which message and what it names. The
// faces give it words through the message catalogue (message_catalog.hpp), or their own
// translation of it.
#include <cstdint>
#include <string>

#include "flex/file_error.hpp"

namespace flex {

enum class MessageId : std::uint8_t {
  GprsNullInterlock,  // "GPRS Personale" ticked while "GPRS Null" is
  LabelTooLong,       // more than 12 characters for the personal label
  OpenFailed,         // `file` could not be loaded; `error` tells why
  SaveFailed,         // `file` could not be saved; `error` tells why
};

struct EditorMessage {
  MessageId id{};
  std::string file{};  // OpenFailed, SaveFailed: the file as chosen
  FileError error{};   // OpenFailed, SaveFailed

  bool operator==(const EditorMessage&) const = default;
};

}  // namespace flex
