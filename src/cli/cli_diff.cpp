// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_diff.hpp"

#include <algorithm>
#include <array>
#include <cstdio>
#include <initializer_list>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli/cli_text.hpp"
#include "flex/builtin_records.hpp"
#include "flex/flex_file.hpp"
#include "options/option_set.hpp"
#include "session/message_catalog.hpp"
#include "text/ansi.hpp"

namespace flex::cli {
namespace {

using Json = nlohmann::ordered_json;

// Columns of the text form: "  Base  " then the place, then the values.
constexpr std::size_t kRecordColumn = 6;
constexpr std::size_t kPlaceColumn = 15;
constexpr std::string_view kIndent = "  ";

void append(std::string& out, std::initializer_list<std::string_view> parts) {
  for (const std::string_view part : parts) out += part;
}

// A column of the text form: the text and at least one blank, `width` characters in all.
std::string cell(std::string_view utf8, std::size_t width) {
  return padded(std::string(utf8) + ' ', width);
}

std::string_view slotName(std::size_t slot) { return recordName(recordOfSlot(slot)); }

std::string_view stateName(int state) { return state != 0 ? "ticked" : "clear"; }

std::string_view partName(RecordPart part) {
  switch (part) {
    case RecordPart::Length: return "length";
    case RecordPart::Header: return "header";
    case RecordPart::TrailingWord: return "trailingWord";
    case RecordPart::Content: return "content";
  }
  return "";
}

std::string_view partTitle(RecordPart part) {
  switch (part) {
    case RecordPart::Length: return "length";
    case RecordPart::Header: return "header";
    case RecordPart::TrailingWord: return "trailing word";
    case RecordPart::Content: return "whole record";
  }
  return "";
}

bool isHexText(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
  });
}

// Record characters as the terminal may show them: hexadecimal text as it stands, anything else
// (an empty record, lower case, damage) in quotes with its control characters escaped.
std::string shownValue(std::string_view ansiText) {
  const std::string text = printable(ansi::toUtf8(ansiText));
  return isHexText(ansiText) ? text : "\"" + text + "\"";
}

std::string byteOffsetText(std::size_t offset) {
  char buffer[48];
  std::snprintf(buffer, sizeof buffer, "byte 0x%02zX (%zu)", offset, offset);
  return buffer;
}

void appendSection(std::string& out, std::string_view title, std::size_t count) {
  append(out, {"\n", title, " (", std::to_string(count), "):\n"});
}

void appendOptions(std::string& out, const OptionSet& options, const FlexDiff& diff) {
  if (diff.options.empty()) return;
  appendSection(out, "Options whose state differs", diff.options.size());
  for (const OptionDifference& d : diff.options) {
    const OptionDef& option = options[d.row];
    append(out, {kIndent, cell(option.id, 12), cell(printable(option.caption), 28), "A ",
                 cell(stateName(d.a), 8), "B ", stateName(d.b), "\n"});
  }
}

void appendBytes(std::string& out, const FlexDiff& diff) {
  if (diff.bytes.empty()) return;
  appendSection(out, "Bytes no option explains", diff.bytes.size());
  for (const ByteDifference& d : diff.bytes) {
    append(out, {kIndent, cell(slotName(d.slot), kRecordColumn),
                 cell(byteOffsetText(d.offset), kPlaceColumn + 5), "A ", cell(shownValue(d.a), 5),
                 "B ", shownValue(d.b), "\n"});
  }
}

void appendRecords(std::string& out, const FlexDiff& diff) {
  if (diff.records.empty()) return;
  appendSection(out, "Record differences", diff.records.size());
  const std::string under(kIndent.size() + kRecordColumn + kPlaceColumn, ' ');
  for (const RecordDifference& d : diff.records) {
    append(out,
           {kIndent, cell(slotName(d.slot), kRecordColumn), cell(partTitle(d.part), kPlaceColumn)});
    switch (d.part) {
      case RecordPart::Length:
        append(out, {"A ", d.a, " characters  B ", d.b, " characters\n"});
        break;
      case RecordPart::TrailingWord:
        append(out, {"A ", shownValue(d.a), "  B ", shownValue(d.b), "\n"});
        break;
      case RecordPart::Header:
      case RecordPart::Content:  // long: one line each
        append(out, {"A ", shownValue(d.a), "\n", under, "B ", shownValue(d.b), "\n"});
        break;
    }
  }
}

}  // namespace

LoadedFlex loadFlex(const std::string& path) {
  LoadedFlex loaded;
  const ReadResult file = readFlexFile(path);
  if (file.error) {
    loaded.error = "cannot read '" + printable(path) + "': " + fileErrorText(*file.error);
    return loaded;
  }
  loaded.ok = true;
  loaded.records = builtin::recordSet();
  placeFileLines(loaded.records, splitFlexLines(file.content));
  return loaded;
}

std::string diffText(const OptionSet& options, const FlexDiff& diff, const std::string& fileA,
                     const std::optional<std::string>& fileB) {
  std::string out;
  append(out, {"A: ", printable(fileA),
               "\nB: ", fileB ? printable(*fileB) : std::string("the built-in flex"), "\n"});
  if (diff.equal) {
    out += "\nA and B are equal: the same three records, character for character.\n";
    return out;
  }
  appendOptions(out, options, diff);
  appendBytes(out, diff);
  appendRecords(out, diff);
  out += "\nA and B differ.\n";
  return out;
}

std::string diffJson(const OptionSet& options, const FlexDiff& diff) {
  Json differing = Json::array();
  for (const OptionDifference& d : diff.options)
    differing.push_back(
        {{"id", options[d.row].id}, {"caption", options[d.row].caption}, {"a", d.a}, {"b", d.b}});
  Json bytes = Json::array();
  for (const ByteDifference& d : diff.bytes)
    bytes.push_back({{"record", slotName(d.slot)},
                     {"offset", d.offset},
                     {"a", ansi::toUtf8(d.a)},
                     {"b", ansi::toUtf8(d.b)}});
  Json records = Json::array();
  for (const RecordDifference& d : diff.records)
    records.push_back({{"record", slotName(d.slot)},
                       {"part", partName(d.part)},
                       {"a", ansi::toUtf8(d.a)},
                       {"b", ansi::toUtf8(d.b)}});

  Json j = Json::object();
  j["equal"] = diff.equal;
  j["options"] = std::move(differing);
  j["bytes"] = std::move(bytes);
  j["records"] = std::move(records);
  return j.dump(2) + "\n";
}

}  // namespace flex::cli
