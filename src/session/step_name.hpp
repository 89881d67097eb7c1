// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a step of the undo history did, as data: the action that began it and what it acted on.
// The faces put it into words (message_catalog.hpp), e.g. for "Annulla: Menu Engineering".
#include <cstddef>
#include <cstdint>

namespace flex {

enum class StepKind : std::uint8_t {
  Unnamed,  // begun by no named action (a readback called on its own)
  Option,   // a click on an option; `index` is its catalogue row
  RawEdit,  // a hand edit of a raw preview; `index` is the record slot
  Open,     // "Apri Flex" that loaded a file
  Builtin,  // "Carica Flex Interna"
};

struct StepName {
  StepKind kind = StepKind::Unnamed;
  std::size_t index = 0;

  bool operator==(const StepName&) const = default;
};

}  // namespace flex
