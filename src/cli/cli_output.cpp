// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_output.hpp"

#include <array>
#include <cstdio>
#include <initializer_list>
#include <string_view>

#include <nlohmann/json.hpp>

#include "cli/cli_text.hpp"
#include "flex/builtin_records.hpp"
#include "options/option_set.hpp"
#include "text/ansi.hpp"
#include "text/hex_format.hpp"

namespace flex::cli {
namespace {

using Json = nlohmann::ordered_json;

constexpr std::array<std::string_view, 3> kRecordTitles{"Base record", "Call record",
                                                        "GPRS label record"};

void append(std::string& out, std::initializer_list<std::string_view> parts) {
  for (const std::string_view part : parts) out += part;
}

std::string hexLabel(std::size_t value) {
  char buffer[24];
  std::snprintf(buffer, sizeof buffer, "%02zX", value);
  return buffer;
}

// A column of the table: the text, made safe for the terminal, and at least one blank, `width`
// characters in all (a user's id or caption may be longer than the built-in ones).
std::string column(std::string_view utf8, std::size_t width) {
  return padded(printable(utf8) + ' ', width);
}

// ANSI record or label text, made safe for the terminal.
std::string shown(std::string_view ansiText) { return printable(ansi::toUtf8(ansiText)); }

// A formatted box as the window lays it out: 16 pairs a line ("XX " each, the blank after the
// 16th falling at the line end) beside its row label, under the column ruler.
void appendFormattedBox(std::string& out, std::string_view formatted) {
  constexpr std::size_t kLineChars = kPairsPerLine * 3;
  if (formatted.empty()) {
    out += "  (no data bytes)\n";
    return;
  }
  const std::size_t lines = (formatted.size() + kLineChars - 1) / kLineChars;
  const std::size_t labelWidth = hexLabel((lines - 1) * kPairsPerLine).size();
  out += std::string(2 + labelWidth + 2, ' ') + std::string(kRuler) + "\n";
  for (std::size_t line = 0; line < lines; ++line) {
    const std::string label = hexLabel(line * kPairsPerLine);
    append(out, {"  ", std::string(labelWidth - label.size(), ' '), label, "  ",
                 shown(formatted.substr(line * kLineChars, kLineChars - 1)), "\n"});
  }
}

std::string_view actionName(OptionEffect kind) {
  switch (kind) {
    case OptionEffect::Bits: return "bits";
    case OptionEffect::WholeByte: return "wholeByte";
    case OptionEffect::GprsNull: return "gprsNull";
    case OptionEffect::GprsPersonale: return "gprsPersonale";
  }
  return "";
}

std::string_view readSense(ReadRule rule) {
  switch (rule) {
    case ReadRule::MaskSet: return "any bit of the mask set";
    case ReadRule::MaskClear: return "every bit of the mask clear";
    case ReadRule::AllSet: return "every bit of the mask set";
    case ReadRule::IsGprsNull: return "slot 2 is the empty label record";
    case ReadRule::IsPersonal: return "slot 2 is neither built-in label record";
  }
  return "";
}

// What ticking writes: "ticked sets" / "ticked clears" / "ticked 89, cleared F9" / the label.
std::string polarity(const OptionDef& o) {
  switch (o.effect) {
    case OptionEffect::Bits: return o.inverted() ? "ticked clears" : "ticked sets";
    case OptionEffect::WholeByte:
      return "ticked " + std::string(o.tickedByte) + ", cleared " + std::string(o.clearedByte);
    case OptionEffect::GprsNull: return "empty label record";
    case OptionEffect::GprsPersonale: return "personal label record";
  }
  return "";
}

std::string writtenBits(const OptionDef& o) {
  std::string out;
  for (int k = 0; k < o.bitCount(); ++k) {
    if (k > 0) out += ',';
    out += std::to_string(o.bits[static_cast<std::size_t>(k)]);
  }
  return out.empty() ? "-" : out;
}

std::string readback(const OptionDef& o) {
  if (o.readRule == ReadRule::IsGprsNull) return "empty label";
  if (o.readRule == ReadRule::IsPersonal) return "other label";
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "0x%02X %s", static_cast<unsigned>(o.readMask),
                o.readRule == ReadRule::MaskSet  ? "set"
                : o.readRule == ReadRule::AllSet ? "all set"
                                                 : "clear");
  return buffer;
}

}  // namespace

std::string summaryText(const Editor& editor, std::span<const Message> messages) {
  const Document& document = editor.document();
  const FormState& form = editor.form();
  const OptionSet& options = editor.options();
  std::size_t ticked = 0;
  std::string list;
  for (const std::size_t row : options.byId()) {
    if (document.boxes[row].state == 0) continue;
    ++ticked;
    append(list, {"  ", column(options[row].id, 12), printable(options[row].caption), "\n"});
  }
  std::string out;
  append(out, {"Options ticked (", std::to_string(ticked), " of ", std::to_string(options.size()),
               "):\n", list});
  for (std::size_t slot = 0; slot < 3; ++slot) {
    append(out, {"\n", kRecordTitles[slot], " (", std::to_string(document.records[slot].size()),
                 " characters):\n"});
    appendFormattedBox(out, form.formatted[slot]);
  }
  if (form.labelDialogOpen)
    append(out, {"\nLabel dialog: open, text \"", shown(form.labelText), "\"\n"});
  const std::string status = editor.statusText();
  if (!status.empty()) append(out, {"\nStatus: ", printable(status), "\n"});
  if (!messages.empty()) {
    out += "\nMessages:\n";
    for (const Message& m : messages)
      append(out, {"  [", printable(m.title), "] ", printable(m.prompt), "\n"});
  }
  return out;
}

std::string stateJson(const Editor& editor, std::span<const Message> messages) {
  const Document& document = editor.document();
  const FormState& form = editor.form();
  Json slots = Json::array();
  Json formatted = Json::array();
  for (std::size_t slot = 0; slot < 3; ++slot) {
    slots.push_back(ansi::toUtf8(document.records[slot]));
    formatted.push_back(ansi::toUtf8(form.formatted[slot]));
  }
  Json options = Json::object();
  for (const std::size_t row : editor.options().byId())
    options[std::string(editor.options()[row].id)] = document.boxes[row].state;
  Json shownMessages = Json::array();
  for (const Message& m : messages)
    shownMessages.push_back(Json{{"title", m.title}, {"prompt", m.prompt}});

  Json j = Json::object();
  j["slots"] = std::move(slots);
  j["formatted"] = std::move(formatted);
  j["FlexBase"] = ansi::toUtf8(document.workingBase);
  j["FlexCall"] = ansi::toUtf8(document.workingCall);
  j["FlexGprs"] = ansi::toUtf8(builtin::kGprs);
  j["FlexGprsNull"] = ansi::toUtf8(builtin::kGprsNull);
  j["FlexGprsPersonale"] = ansi::toUtf8(document.personalLabel);
  j["options"] = std::move(options);
  j["labelDialog"] = {{"open", form.labelDialogOpen}, {"text", ansi::toUtf8(form.labelText)}};
  j["messages"] = std::move(shownMessages);
  j["status"] = editor.statusText();
  j["undo"] = editor.undoCount();
  j["redo"] = editor.redoCount();
  // File names are bytes: what is not UTF-8 in them is shown as U+FFFD.
  return j.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

std::string catalogueText(const OptionSet& options) {
  std::string out = padded("ID", 12) + padded("CAPTION", 28) + padded("RECORD", 7) +
                    padded("POS", 5) + padded("BYTE", 5) + padded("BITS", 7) +
                    padded("POLARITY", 23) + padded("READBACK", 12) + "TOOL-TIP\n";
  for (const std::size_t row : options.byId()) {
    const OptionDef& o = options[row];
    const bool bytes = !o.isLabelOption();
    out += column(o.id, 12) + column(o.caption, 28) + padded(recordName(o.record), 7) +
           column(bytes ? std::to_string(o.position) : "-", 5) +
           column(bytes ? std::to_string(o.byteOffset()) : "-", 5) + column(writtenBits(o), 7) +
           padded(polarity(o), 23) + column(readback(o), 12) + printable(o.toolTip) + "\n";
  }
  return out;
}

std::string catalogueJson(const OptionSet& options) {
  Json rows = Json::array();
  for (const std::size_t row : options.byId()) {
    const OptionDef& o = options[row];
    Json j = Json::object();
    j["id"] = o.id;
    if (o.user) {
      j["user"] = true;
    } else {
      j["group"] = o.group();
      j["index"] = o.index();
    }
    j["caption"] = o.caption;
    j["toolTip"] = o.toolTip;
    j["page"] = o.layout.page;
    j["action"] = actionName(o.effect);
    j["record"] = recordName(o.record);
    if (!o.isLabelOption()) {
      j["position"] = o.position;
      j["byte"] = o.byteOffset();
    }
    Json bits = Json::array();
    for (int k = 0; k < o.bitCount(); ++k) bits.push_back(o.bits[static_cast<std::size_t>(k)]);
    j["bits"] = std::move(bits);
    j["polarity"] = polarity(o);
    if (o.effect == OptionEffect::Bits) {
      j["tickedWrites"] = o.tickedWrites;
      j["clearedWrites"] = o.clearedWrites;
    } else if (o.effect == OptionEffect::WholeByte) {
      j["tickedByte"] = o.tickedByte;
      j["clearedByte"] = o.clearedByte;
    }
    j["gated"] = o.gated;
    Json read = Json::object();
    read["tickedWhen"] = readSense(o.readRule);
    if (!o.isLabelOption()) {
      read["record"] = recordName(o.record);
      read["position"] = o.position;
      read["mask"] = o.readMask;
    }
    j["readback"] = std::move(read);
    rows.push_back(std::move(j));
  }
  return rows.dump(2) + "\n";
}

}  // namespace flex::cli
