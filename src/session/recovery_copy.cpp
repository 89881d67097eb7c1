// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/recovery_copy.hpp"

#include <array>
#include <charconv>
#include <cstdio>

#include "options/option_catalog.hpp"

namespace flex {
namespace {

constexpr std::string_view kMagic = "FLEXEDIT RECOVERY ";
constexpr int kVersion = 1;
constexpr std::string_view kEnd = "end ";
constexpr std::size_t kEndLength = kEnd.size() + 16 + 1;  // "end ", 16 hex digits, line end

// The texts in the order the file holds them, with their names.
constexpr std::array<std::string_view, 10> kTextNames = {
    "file",       "Base",       "Call",      "GPRS", "FlexBase", "FlexCall", "FlexGprsPersonale",
    "loadedBase", "loadedCall", "loadedGprs"};

template <class Doc>
auto textsOf(Doc& d) {
  return std::array{&d.fileName,    &d.records[0],  &d.records[1],    &d.records[2],
                    &d.workingBase, &d.workingCall, &d.personalLabel, &d.baseline[0],
                    &d.baseline[1], &d.baseline[2]};
}

std::string checksum(std::string_view bytes) {
  std::uint64_t hash = 0xcbf29ce484222325u;
  for (const char c : bytes) hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001b3u;
  char hex[17];
  std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hash));
  return hex;
}

// Reads the fields of a file whose checksum matched, front to back; any surprise fails it.
class Fields {
 public:
  explicit Fields(std::string_view rest) : rest_(rest) {}
  bool word(std::string_view expected) {
    if (!rest_.starts_with(expected) || rest_.size() == expected.size() ||
        rest_[expected.size()] != ' ')
      return false;
    rest_.remove_prefix(expected.size() + 1);
    return true;
  }
  template <class Int>
  bool number(Int& value, char after) {
    const auto [end, ec] = std::from_chars(rest_.data(), rest_.data() + rest_.size(), value);
    if (ec != std::errc() || end == rest_.data() + rest_.size() || *end != after) return false;
    rest_.remove_prefix(static_cast<std::size_t>(end - rest_.data()) + 1);
    return true;
  }
  bool text(std::string_view name, std::string& value) {
    std::size_t length = 0;
    if (!word(name) || !number(length, ' ') || rest_.size() <= length || rest_[length] != '\n')
      return false;
    value.assign(rest_.substr(0, length));
    rest_.remove_prefix(length + 1);
    return true;
  }
  bool box(OptionBoxes& boxes, std::array<bool, kOptionCount>& seen) {
    const auto space = rest_.find(' ');
    const auto row = findOption(rest_.substr(0, space));
    if (space == std::string_view::npos || !row || seen[*row]) return false;
    rest_.remove_prefix(space + 1);
    int state = 0, toggle = 0;
    if (!number(state, ' ') || !number(toggle, '\n') || state < 0 || state > 1 || toggle < 0 ||
        toggle > 1)
      return false;
    seen[*row] = true;
    boxes[*row] = {state, toggle == 1};
    return true;
  }
  bool atEnd() const { return rest_.empty(); }

 private:
  std::string_view rest_;
};

}  // namespace

std::string encodeRecoveryCopy(const RecoveryCopy& copy) {
  const auto texts = textsOf(copy.document);
  std::size_t size = 64 * kOptionCount;
  for (const std::string* text : texts) size += text->size() + 64;
  std::string out;
  out.reserve(size);
  out += std::string(kMagic) + std::to_string(kVersion) + "\n";
  out += "time " + std::to_string(copy.time) + "\n";
  for (std::size_t i = 0; i < texts.size(); ++i) {
    ((out += kTextNames[i]) += ' ') += std::to_string(texts[i]->size()) + ' ';
    (out += *texts[i]) += '\n';
  }
  const FileIdentity& disk = copy.document.disk;
  out += "disk " + std::to_string(disk.known) + ' ' + std::to_string(disk.device) + ' ' +
         std::to_string(disk.inode) + ' ' + std::to_string(disk.size) + ' ' +
         std::to_string(disk.hash) + '\n';
  out += "boxes " + std::to_string(kOptionCount) + "\n";
  const auto catalog = optionCatalog();
  for (std::size_t row = 0; row < kOptionCount; ++row) {
    const OptionBox& box = copy.document.boxes[row];
    out.append(catalog[row].id) +=
        ' ' + std::to_string(box.state) + ' ' + (box.toggle ? "1\n" : "0\n");
  }
  return out + std::string(kEnd) + checksum(out) + "\n";
}

RecoveryRead decodeRecoveryCopy(std::string_view bytes) {
  const auto fails = [](RecoveryProblem::Kind kind) {
    return RecoveryRead{{}, RecoveryProblem{kind, {}}};
  };
  // Another version's header counts as foreign: its fields may mean something else.
  const std::string header = std::string(kMagic) + std::to_string(kVersion) + "\n";
  if (!bytes.starts_with(header)) return fails(RecoveryProblem::Kind::Foreign);
  // Whole and unchanged: the line "end" closes it with the checksum of everything before.
  if (bytes.size() < header.size() + kEndLength) return fails(RecoveryProblem::Kind::Damaged);
  const std::size_t body = bytes.size() - kEndLength;
  if (bytes.substr(body, kEnd.size()) != kEnd || bytes.back() != '\n' ||
      bytes.substr(body + kEnd.size(), 16) != checksum(bytes.substr(0, body)))
    return fails(RecoveryProblem::Kind::Damaged);

  RecoveryRead read;
  Fields fields(bytes.substr(header.size(), body - header.size()));
  bool whole = fields.word("time") && fields.number(read.copy.time, '\n');
  const auto texts = textsOf(read.copy.document);
  for (std::size_t i = 0; i < texts.size(); ++i)
    whole = whole && fields.text(kTextNames[i], *texts[i]);
  FileIdentity& disk = read.copy.document.disk;
  int known = 0;
  whole = whole && fields.word("disk") && fields.number(known, ' ') && known >= 0 && known <= 1 &&
          fields.number(disk.device, ' ') && fields.number(disk.inode, ' ') &&
          fields.number(disk.size, ' ') && fields.number(disk.hash, '\n');
  disk.known = known == 1;
  std::size_t boxes = 0;
  std::array<bool, kOptionCount> seen{};
  whole = whole && fields.word("boxes") && fields.number(boxes, '\n');  // more: one repeats
  for (std::size_t i = 0; whole && i < boxes; ++i)
    whole = fields.box(read.copy.document.boxes, seen);
  if (!whole || !fields.atEnd()) return fails(RecoveryProblem::Kind::Damaged);
  return read;
}

}  // namespace flex
