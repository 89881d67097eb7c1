#pragma once
// The 33 options of the editor as one table. Click handling, readback, the window's layout,
// the command line and the tests all read it; adding an option is one row.
#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

namespace flex {

enum class RecordKind { Base, Call, GprsLabel };

// The record slot (recordSlots index) that holds each record, and back.
constexpr std::size_t slotOf(RecordKind kind) { return static_cast<std::size_t>(kind); }
constexpr RecordKind recordOfSlot(std::size_t slot) {
  return slot == 0 ? RecordKind::Base : slot == 1 ? RecordKind::Call : RecordKind::GprsLabel;
}

enum class OptionEffect {
  Bits,           // one setByteBit call per listed bit
  WholeByte,      // the byte is replaced by a literal
  GprsNull,       // chooses the empty label record
  GprsPersonale,  // chooses the personal label record and opens the label dialog
};

// How the readback derives the box's state.
enum class ReadRule {
  MaskSet,       // ticked when (byte & mask) != 0
  MaskClear,     // ticked when (byte & mask) == 0
  IsGprsNull,    // ticked when slot 2 equals gprsNullLabel
  IsPersonal,    // ticked when slot 2 equals neither gprsLabel nor gprsNullLabel
};

struct OptionDef {
  std::string_view id;       // "Check1(0)"
  int group;                 // 1..5: Check1 .. Check5
  int index;                 // index in the group's control array
  std::string_view caption;  // UTF-8
  std::string_view toolTip;  // UTF-8
  OptionEffect effect;
  RecordKind record;         // record the action edits (Bits, WholeByte)
  std::size_t position;      // character position (from 1) of the byte's first digit
  std::array<int, 3> bits;   // bit numbers (1 = 0x01 .. 8 = 0x80), in the order written
  int bitCount;
  int tickedWrites;          // value written to every bit when ticked (Bits)
  int clearedWrites;         // ... when cleared
  std::string_view tickedByte;   // literal written when ticked (WholeByte)
  std::string_view clearedByte;  // ... when cleared
  bool gated;                // runs only while optionEditsEnabled is True
  ReadRule readRule;
  std::size_t readPosition;  // byte read back (character position in the record's slot)
  RecordKind readRecord;
  int readMask;
  // Layout on its page, in twips inside the page frame.
  int page;                  // 1 or 2
  int top;
  int width;
  int tabIndex;

  constexpr std::size_t byteOffset() const { return (position - 1) / 2; }
  constexpr bool inverted() const { return tickedWrites == 0 && effect == OptionEffect::Bits; }
};

// Per group: which working copies its click copies into the previews afterwards.
struct GroupDef {
  int group;
  bool refreshBase;  // txtpreview(0) = workingBase
  bool refreshCall;  // then txtpreview(1) = workingCall
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

std::string_view recordName(RecordKind kind);  // "Base", "Call", "GPRS"

}  // namespace flex
