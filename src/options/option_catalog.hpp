// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The 33 options of the editor as one table. Click handling, readback, the window's layout,
// the command line and the tests all read it; adding an option is one row. A user's own options
// (option_set.hpp) are rows of the same kind, read from a file.
#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

#include "flex/records.hpp"

namespace flex {

enum class OptionEffect {
  Bits,           // sets or clears each listed bit of the byte
  WholeByte,      // the byte is replaced by a literal
  GprsNull,       // chooses the empty label record
  GprsPersonale,  // chooses the personal label record and opens the label dialog
};

// How the readback derives the box's state.
enum class ReadRule {
  MaskSet,     // ticked when (byte & readMask) != 0
  MaskClear,   // ticked when (byte & readMask) == 0
  AllSet,      // ticked when (byte & readMask) == readMask
  IsGprsNull,  // ticked when slot 2 holds the empty label record
  IsPersonal,  // ticked when slot 2 holds neither label record
};

// Where the box stands on its page, in twips inside the page frame.
struct OptionLayout {
  int page = 1;  // 1 or 2; 3 for the user's options
  int top = 0;
  int width = 0;
  int tabIndex = 0;
};

inline constexpr std::size_t kMaxOptionBits = 8;

struct OptionDef {
  std::string_view id = {};       // "Check1(0)": control array and index; a user's own name
  std::string_view caption = {};  // UTF-8
  std::string_view toolTip = {};  // UTF-8
  OptionEffect effect = OptionEffect::Bits;
  RecordKind record = RecordKind::Base;  // the record written and read back
  std::size_t position = 0;              // character position (from 1) of the byte's first digit
  // Bit numbers (1 = 0x01 .. 8 = 0x80) in the order written; 0 ends.
  std::array<int, kMaxOptionBits> bits{};
  int tickedWrites = 1;               // value written to every bit when ticked (Bits)
  int clearedWrites = 0;              // ... when cleared
  std::string_view tickedByte = {};   // literal written when ticked (WholeByte)
  std::string_view clearedByte = {};  // ... when cleared
  bool gated = false;  // writes only while option edits are enabled (not during a readback)
  ReadRule readRule = ReadRule::MaskSet;
  int readMask = 0;
  OptionLayout layout = {};
  bool user = false;  // from the user's options file, not the built-in table

  // The control array (1..5 for Check1..Check5) and the index in it, from the id; 0 for a user's
  // option, which belongs to no control array.
  constexpr int group() const { return user ? 0 : id[5] - '0'; }
  constexpr int index() const {
    int value = 0;
    if (user) return value;
    for (std::size_t i = 7; i < id.size() && id[i] != ')'; ++i) value = value * 10 + (id[i] - '0');
    return value;
  }
  constexpr int bitCount() const {
    int count = 0;
    while (count < static_cast<int>(kMaxOptionBits) && bits[static_cast<std::size_t>(count)] != 0)
      ++count;
    return count;
  }
  constexpr std::size_t byteOffset() const { return (position - 1) / 2; }
  // Every bit a click may change: the listed bits, or the whole byte.
  constexpr int writeMask() const {
    if (effect == OptionEffect::WholeByte) return 0xFF;
    int mask = 0;
    for (int i = 0; i < bitCount(); ++i) mask |= 1 << (bits[static_cast<std::size_t>(i)] - 1);
    return mask;
  }
  // Every bit of its byte the option writes or reads back.
  constexpr int byteMask() const { return writeMask() | readMask; }
  constexpr bool isLabelOption() const {
    return effect == OptionEffect::GprsNull || effect == OptionEffect::GprsPersonale;
  }
  constexpr bool inverted() const { return tickedWrites == 0 && effect == OptionEffect::Bits; }
};

// Per group: which working copies its click copies into the previews afterwards.
struct GroupDef {
  int group;
  bool refreshBase;  // slot 0 = the Base working copy
  bool refreshCall;  // then slot 1 = the Call working copy
};

inline constexpr std::size_t kOptionCount = 33;
inline constexpr int kBoxLeft = 120;    // twips, every box
inline constexpr int kBoxHeight = 255;  // twips, every box

// The options in the order of the readback.
std::span<const OptionDef, kOptionCount> optionCatalog();

const GroupDef& groupDef(int group);

// Row number (0..32) of an option given as group and index, or by its id "CheckG(I)".
std::optional<std::size_t> findOption(int group, int index);
std::optional<std::size_t> findOption(std::string_view id);

// Rows in the natural order Check1(0), Check1(1), ... Check5(13).
std::span<const std::size_t, kOptionCount> optionsById();
// Rows in the order the boxes stand: page 1 from the top, then page 2 from the top.
std::span<const std::size_t, kOptionCount> optionsByPlace();

}  // namespace flex
