// SPDX-License-Identifier: GPL-3.0-or-later
// The user's options file: arbitrary bytes as its text. What loads keeps every promise of the
// reader; each problem has words; the options that loaded, clicked in an editor, write only
// their own byte.
#include <algorithm>
#include <cstdint>
#include <set>

#include "fuzz_support.hpp"
#include "options/option_file.hpp"
#include "session/message_catalog.hpp"

using namespace flex;
using namespace flex::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view content(reinterpret_cast<const char*>(data), size);
  OptionFile file = parseOptionFile(content);

  FUZZ_CHECK(file.options.size() <= kMaxUserOptions, "too many options");
  std::set<std::string> ids;
  for (const UserOption& o : file.options) {
    FUZZ_CHECK(isUserOptionId(o.id) && ids.insert(o.id).second, o.id);
    FUZZ_CHECK(o.caption.find_first_not_of(' ') != std::string::npos, o.id + ": caption");
    FUZZ_CHECK(o.record == RecordKind::Base || o.record == RecordKind::Call, o.id + ": record");
    FUZZ_CHECK(o.position % 2 == 1 && o.position < longestLoadableRecord(slotOf(o.record)),
               o.id + ": position");
    std::set<int> bits(o.bits.begin(), o.bits.end());
    FUZZ_CHECK(!o.bits.empty() && bits.size() == o.bits.size() && *bits.begin() >= 1 &&
                   *bits.rbegin() <= 8,
               o.id + ": bits");
  }
  for (const OptionFileProblem& p : file.problems) {
    optionFileProblemText("f", p);  // every issue has words
    // Only an unknown or repeated name beside "options" leaves the entries to load.
    const bool besideOptions =
        !p.entry && p.field != "options" &&
        (p.issue == OptionFileIssue::UnknownField || p.issue == OptionFileIssue::RepeatedField);
    FUZZ_CHECK(p.entry || besideOptions || file.options.empty(),
               "options loaded from a file refused as a whole");
  }
  if (file.options.empty()) return 0;

  // In an editor: each click writes its bits into its own byte, and a readback only option bytes.
  Session s(std::make_shared<const OptionSet>(std::move(file.options)));
  for (std::size_t row = kOptionCount; row < s.editor.options().size(); ++row) {
    const Snapshot before = snapshot(s.editor);
    s.editor.clickOption(row);
    checkClick(s.editor.options()[row], row, before.document, s.doc());
    checkBetweenActions(s.editor);
  }
  const Snapshot before = snapshot(s.editor);
  s.editor.readBackOptions();
  s.checkReadback(before, 0);
  checkBetweenActions(s.editor);
  return 0;
}
