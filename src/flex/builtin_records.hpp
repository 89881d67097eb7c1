// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "flex/records.hpp"
#include "text/hex_format.hpp"

// The flex the editor carries: used exactly as they stand.
namespace flex::builtin {

inline constexpr std::string_view kBase =
    "AAB0300000720000002F006A00000032000100000062D2EE88BEFEFFFFFF83FDFF6C01F07160000000036F94A0CCE3"
    "187DA1C87907674102A00E0C000010F04F009C0000003EA3ADAB302880D708FEFFFFFF800FA1B02AA0EFF407F91F20"
    "DBFFFD9109003C6AE2EF0DF5FFFF7F1F38B1E1FFBF858000E001334A";
inline constexpr std::string_view kCall =
    "AAB0300000150000002F000D00000126000100000005CC41801F0E0268";
inline constexpr std::string_view kGprs =
    "AAB03000001A0000002F0012000001A800010000000A00470050005200530000027B";
inline constexpr std::string_view kGprsNull =
    "AAB03000001A0000002F0012000001A800010000000A00000000000000000000027B";
inline constexpr std::string_view kLabelTemplate =
    "AAB0300000240000002F0022000001A800010000001A00000000000000000000000000000000000000000000000000"
    "00"
    "0000";

static_assert(kBase.size() == 244 && kCall.size() == 58 && kGprs.size() == 68 &&
              kGprsNull.size() == 68 && kLabelTemplate.size() == 100);

// The built-in Base, Call and "GPRS" label records, as slots.
inline constexpr std::array<std::string_view, 3> kSlotRecords{kBase, kCall, kGprs};
inline RecordSet recordSet() {
  return {std::string(kBase), std::string(kCall), std::string(kGprs)};
}

// What a flex changes: one entry per byte of the record in `slot`, true where the byte is not
// the built-in flex's (see differingBytes).
inline std::vector<bool> changedBytes(std::size_t slot, std::string_view record) {
  return differingBytes(record, kSlotRecords[slot]);
}

}  // namespace flex::builtin
