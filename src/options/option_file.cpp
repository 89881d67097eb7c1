// SPDX-License-Identifier: GPL-3.0-or-later
#include "options/option_file.hpp"

#include <algorithm>
#include <cerrno>
#include <set>
#include <utility>

#include <nlohmann/json.hpp>

#include "flex/flex_file.hpp"
#include "text/ansi.hpp"

namespace flex {
namespace {

using Json = nlohmann::ordered_json;
using Issue = OptionFileIssue;

constexpr std::string_view kOptionsKey = "options";
constexpr std::array<std::string_view, 8> kFields{"id",       "caption", "toolTip",  "record",
                                                  "position", "bits",    "polarity", "gated"};

// JSON keeps the last of two equal keys without a word; the parser's events show both, so that
// a field given twice is a problem rather than a silent choice. Only the top level (depth 1) and
// the fields of the entries of "options" (depth 3) matter: anything deeper is of a wrong type.
class RepeatedKeys {
 public:
  bool operator()(int depth, Json::parse_event_t event, Json& parsed) {
    using Event = Json::parse_event_t;
    switch (event) {
      case Event::key:
        if (depth == 1) {
          topKey_ = parsed.get_ref<const std::string&>();
          if (!topKeys_.insert(topKey_).second)
            found.push_back({Issue::RepeatedField, {}, {}, topKey_});
        } else if (depth == 3 && inOptions_) {
          const auto& key = parsed.get_ref<const std::string&>();
          if (!entryKeys_.insert(key).second)
            found.push_back({Issue::RepeatedField, entries_, {}, key});
        }
        break;
      case Event::array_start:
        if (depth == 1) inOptions_ = topKey_ == kOptionsKey;
        break;
      case Event::object_start:
        if (depth == 2) entryKeys_.clear();
        break;
      case Event::object_end:
      case Event::array_end:
        if (depth == 2 && inOptions_) ++entries_;
        if (depth == 1) inOptions_ = false;
        break;
      case Event::value:
        if (depth == 2 && inOptions_) ++entries_;
        break;
    }
    return true;
  }

  std::vector<OptionFileProblem> found;

 private:
  std::string topKey_;
  std::set<std::string> topKeys_, entryKeys_;
  bool inOptions_ = false;
  std::size_t entries_ = 0;  // entries of "options" read to their end
};

// "LINE:COLUMN" (from 1) of the byte at `index` (from 0).
std::string placeOf(std::string_view content, std::size_t index) {
  index = std::min(index, content.size());
  const std::size_t line =
      1 + static_cast<std::size_t>(std::count(content.begin(), content.begin() + index, '\n'));
  const std::size_t lineStart = content.rfind('\n', index == 0 ? 0 : index - 1);
  const std::size_t column =
      lineStart == std::string_view::npos || index == 0 ? index + 1 : index - lineStart;
  return std::to_string(line) + ":" + std::to_string(column);
}

bool isIdCharacter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

bool allDigits(std::string_view s) {
  return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// "CheckN(i)", as the built-in options are called, or "CheckN_i", as the window names their boxes.
bool looksBuiltin(std::string_view id) {
  if (!id.starts_with("Check")) return false;
  id.remove_prefix(5);
  const std::size_t open = id.find_first_of("(_");
  if (open == std::string_view::npos || !allDigits(id.substr(0, open))) return false;
  std::string_view index = id.substr(open + 1);
  if (id[open] == '(') {
    if (!index.ends_with(')')) return false;
    index.remove_suffix(1);
  }
  return allDigits(index);
}

bool hasControlCharacter(std::string_view utf8) {
  for (std::size_t i = 0; i < utf8.size();) {
    const ansi::Utf8Char c = ansi::decodeUtf8At(utf8, i);
    if (c.length == 0 || c.codePoint < 0x20 || (c.codePoint >= 0x7F && c.codePoint < 0xA0))
      return true;
    i += c.length;
  }
  return false;
}

// One entry of "options": its problems, or the option it names.
class EntryReader {
 public:
  EntryReader(const Json& entry, std::size_t index, std::vector<OptionFileProblem>& problems)
      : entry_(entry), index_(index), problems_(problems) {
    // Every problem of the entry names its id, when it has one.
    if (const Json* id = find("id"); id && id->is_string()) option_.id = id->get<std::string>();
  }

  std::optional<UserOption> read(std::set<std::string>& ids) {
    readId(ids);
    if (auto caption = text("caption", true)) {
      option_.caption = std::move(*caption);
      if (option_.caption.find_first_not_of(' ') == std::string::npos)
        problem(Issue::EmptyCaption, "caption");
      else if (hasControlCharacter(option_.caption))
        problem(Issue::ControlInCaption, "caption");
    }
    if (auto toolTip = text("toolTip", false)) option_.toolTip = std::move(*toolTip);
    readRecordAndPosition();
    readBits();
    if (auto polarity = text("polarity", true)) {
      if (*polarity == "ticked sets" || *polarity == "ticked clears")
        option_.tickedSets = *polarity == "ticked sets";
      else
        problem(Issue::UnknownPolarity, "polarity", *polarity);
    }
    if (const Json* gated = find("gated")) {
      if (gated->is_boolean())
        option_.gated = gated->get<bool>();
      else
        problem(Issue::WrongType, "gated");
    }
    for (const auto& [key, value] : entry_.items())
      if (std::find(kFields.begin(), kFields.end(), key) == kFields.end())
        problem(Issue::UnknownField, key);
    if (!ok_) return std::nullopt;
    return std::move(option_);
  }

  void problem(Issue issue, std::string field = {}, std::string value = {}) {
    problems_.push_back({issue, index_, option_.id, std::move(field), std::move(value)});
    ok_ = false;
  }

 private:
  const Json* find(std::string_view name) const {
    const auto it = entry_.find(name);
    return it == entry_.end() ? nullptr : &*it;
  }

  const Json* field(std::string_view name, bool required) {
    const Json* value = find(name);
    if (!value && required) problem(Issue::MissingField, std::string(name));
    return value;
  }

  std::optional<std::string> text(std::string_view name, bool required) {
    const Json* value = field(name, required);
    if (!value) return std::nullopt;
    if (value->is_string()) return value->get<std::string>();
    problem(Issue::WrongType, std::string(name));
    return std::nullopt;
  }

  void readId(std::set<std::string>& ids) {
    const Json* id = field("id", true);
    if (!id) return;
    if (!id->is_string()) return problem(Issue::WrongType, "id");
    const std::string& name = option_.id;
    if (looksBuiltin(name)) return problem(Issue::BuiltinId, "id");
    if (name.empty() || !std::all_of(name.begin(), name.end(), isIdCharacter))
      return problem(Issue::BadId, "id");
    if (!ids.insert(name).second) problem(Issue::RepeatedId, "id");
  }

  void readRecordAndPosition() {
    bool knownRecord = false;
    if (auto record = text("record", true)) {
      knownRecord = *record == "Base" || *record == "Call";
      if (knownRecord)
        option_.record = *record == "Base" ? RecordKind::Base : RecordKind::Call;
      else
        problem(Issue::UnknownRecord, "record", *record);
    }
    const Json* position = field("position", true);
    if (!position) return;
    if (!position->is_number_integer()) return problem(Issue::WrongType, "position");
    // With an unknown record, the longest that any record can be.
    const std::size_t longest = longestLoadableRecord(knownRecord ? slotOf(option_.record) : 0);
    const bool negative = position->is_number_integer() && !position->is_number_unsigned() &&
                          position->get<std::int64_t>() < 0;
    const std::uint64_t p = negative ? 0 : position->get<std::uint64_t>();
    if (p < 1 || p >= longest)
      return problem(Issue::PositionPastRecords, "position", position->dump());
    if (p % 2 == 0) return problem(Issue::EvenPosition, "position", position->dump());
    option_.position = static_cast<std::size_t>(p);
  }

  void readBits() {
    const Json* bits = field("bits", true);
    if (!bits) return;
    if (!bits->is_array()) return problem(Issue::WrongType, "bits");
    if (bits->empty()) return problem(Issue::NoBits, "bits");
    if (!std::all_of(bits->begin(), bits->end(),
                     [](const Json& b) { return b.is_number_integer(); }))
      return problem(Issue::WrongType, "bits");
    for (const Json& b : *bits) {
      const bool inRange = b.is_number_unsigned() && b.get<std::uint64_t>() >= 1 &&
                           b.get<std::uint64_t>() <= kMaxOptionBits;
      const int bit = inRange ? static_cast<int>(b.get<std::uint64_t>()) : 0;
      if (!inRange)
        problem(Issue::BitOutOfRange, "bits", b.dump());
      else if (std::find(option_.bits.begin(), option_.bits.end(), bit) != option_.bits.end())
        problem(Issue::RepeatedBit, "bits", b.dump());
      else
        option_.bits.push_back(bit);
    }
  }

  const Json& entry_;
  std::size_t index_;
  std::vector<OptionFileProblem>& problems_;
  UserOption option_;
  bool ok_ = true;
};

}  // namespace

bool isUserOptionId(std::string_view id) {
  return !id.empty() && std::all_of(id.begin(), id.end(), isIdCharacter) && !looksBuiltin(id);
}

OptionFile parseOptionFile(std::string_view content) {
  OptionFile file;
  auto& problems = file.problems;
  if (content.size() > kMaxOptionFileSize) {
    problems.push_back({Issue::TooLarge});
    return file;
  }
  RepeatedKeys repeats;
  Json json;
  try {
    json = Json::parse(content.begin(), content.end(), std::ref(repeats));
  } catch (const Json::parse_error& error) {
    problems.push_back({Issue::NotJson, {}, {}, {}, placeOf(content, error.byte - 1)});
    return file;
  } catch (const Json::exception&) {
    problems.push_back({Issue::NotJson});
    return file;
  }
  if (!json.is_object()) {
    problems.push_back({Issue::WrongType});
    return file;
  }

  // The top level: only "options", once, an array of at most kMaxUserOptions entries.
  bool usable = true;
  for (const OptionFileProblem& p : repeats.found) {
    if (p.entry) continue;
    problems.push_back(p);
    usable = usable && p.field != kOptionsKey;
  }
  for (const auto& [key, value] : json.items())
    if (key != kOptionsKey) problems.push_back({Issue::UnknownField, {}, {}, key});
  const auto options = json.find(kOptionsKey);
  if (options == json.end()) {
    problems.push_back({Issue::MissingField, {}, {}, std::string(kOptionsKey)});
    return file;
  }
  if (!options->is_array()) {
    problems.push_back({Issue::WrongType, {}, {}, std::string(kOptionsKey)});
    return file;
  }
  if (options->size() > kMaxUserOptions) {
    problems.push_back({Issue::TooManyEntries, {}, {}, {}, std::to_string(options->size())});
    return file;
  }
  if (!usable) return file;

  std::set<std::string> ids;
  for (std::size_t index = 0; index < options->size(); ++index) {
    const Json& entry = (*options)[index];
    if (!entry.is_object()) {
      problems.push_back({Issue::WrongType, index});
      continue;
    }
    EntryReader reader(entry, index, problems);
    for (const OptionFileProblem& p : repeats.found)
      if (p.entry == index) reader.problem(p.issue, p.field);
    std::optional<UserOption> option = reader.read(ids);
    if (option) file.options.push_back(std::move(*option));
  }
  return file;
}

OptionFile readOptionFile(const std::string& path, const FileContext& context) {
  const ReadResult read = readFlexFile(path, context);
  if (!read.error) return parseOptionFile(read.content);
  OptionFile file;
  const FileError& error = *read.error;
  file.found = error.reason != FileReason::SystemError || error.err != ENOENT;
  if (error.reason == FileReason::TooLarge)
    file.problems.push_back({Issue::TooLarge});
  else
    file.problems.push_back({Issue::Unreadable, {}, {}, {}, {}, error});
  return file;
}

}  // namespace flex
