// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rules that one option applies to a record: its bit or whole-byte action and its readback.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "options/option_catalog.hpp"
#include "options/option_set.hpp"

namespace flex {

// Applies the ticked or cleared action of a Bits or WholeByte option to its record, in place.
// A byte that is unreadable (beyond the end of the record, or not two characters of 0-9 A-F)
// is not written: the record keeps its text and length.
void applyOptionAction(const OptionDef& option, bool ticked, std::string& record);

// The value of the byte at a character position, or -1 when it is unreadable.
int readByte(std::string_view record, std::size_t position);

// The state (0 or 1) the readback gives a bit option for the record of its slot; an
// unreadable byte reads as 0 whatever the option's sense.
int readBitOption(const OptionDef& option, std::string_view record);

// The state the readback gives an option from the record slots as they stand now; slot 2 is
// compared with the label records `gprs` and `gprsNull`.
int readOptionState(const OptionDef& option, const std::array<std::string, 3>& recordSlots,
                    std::string_view gprs, std::string_view gprsNull);

// The state every option of `options` reads back to from a set of records, by row, without
// running any click handling: slot 2 is compared with the built-in label records.
std::vector<int> readbackStates(const OptionSet& options,
                                const std::array<std::string, 3>& records);

}  // namespace flex
