// SPDX-License-Identifier: GPL-3.0-or-later
#include "options/flex_diff.hpp"

#include <algorithm>
#include <map>
#include <utility>

#include "flex/records.hpp"
#include "options/option_rules.hpp"
#include "text/hex_format.hpp"

namespace flex {
namespace {

constexpr std::size_t kTrailerLength = 4;

std::string tail(const std::string& s) {
  return s.size() >= kTrailerLength ? s.substr(s.size() - kTrailerLength) : s;
}

}  // namespace

FlexDiff diffFlexes(const OptionSet& options, const RecordSet& a, const RecordSet& b) {
  FlexDiff diff;
  diff.equal = a == b;
  const auto statesA = readbackStates(options, a);
  const auto statesB = readbackStates(options, b);

  // (slot, byte offset) -> bits explained by options whose state differs.
  std::map<std::pair<std::size_t, std::size_t>, int> explained;
  bool labelExplained = false;
  std::array<bool, 3> optionOnSlot{};
  for (std::size_t row : options.byId()) {
    if (statesA[row] == statesB[row]) continue;
    diff.options.push_back({row, statesA[row], statesB[row]});
    const OptionDef& option = options[row];
    if (option.isLabelOption()) {
      labelExplained = true;
      continue;
    }
    optionOnSlot[slotOf(option.record)] = true;
    explained[{slotOf(option.record), option.byteOffset()}] |= option.byteMask();
  }

  for (std::size_t slot = 0; slot < 3; ++slot) {
    const std::string& ra = a[slot];
    const std::string& rb = b[slot];
    if (ra == rb || (slot == 2 && labelExplained)) continue;
    const std::size_t before = diff.bytes.size() + diff.records.size();

    const std::size_t common = std::min(ra.size(), rb.size());
    const std::size_t end =
        common > kHeaderLength + kTrailerLength ? common - kTrailerLength : kHeaderLength;
    for (std::size_t pos = kHeaderLength; pos < end; pos += 2) {
      const std::size_t n = std::min<std::size_t>(2, end - pos);
      const std::string pa = ra.substr(pos, n);
      const std::string pb = rb.substr(pos, n);
      if (pa == pb) continue;
      const std::size_t offset = pos / 2;
      const int va = readByte(ra, pos + 1);
      const int vb = readByte(rb, pos + 1);
      const auto it = explained.find({slot, offset});
      const int mask = it == explained.end() ? 0 : it->second;
      if (va >= 0 && vb >= 0 && ((va ^ vb) & ~mask) == 0) continue;
      diff.bytes.push_back({slot, offset, pa, pb});
    }

    if (ra.size() != rb.size())
      diff.records.push_back(
          {slot, RecordPart::Length, std::to_string(ra.size()), std::to_string(rb.size())});
    const std::string ha = ra.substr(0, kHeaderLength);
    const std::string hb = rb.substr(0, kHeaderLength);
    if (ha != hb) diff.records.push_back({slot, RecordPart::Header, ha, hb});
    if (ra.size() > kHeaderLength && rb.size() > kHeaderLength && tail(ra) != tail(rb))
      diff.records.push_back({slot, RecordPart::TrailingWord, tail(ra), tail(rb)});

    // A difference that none of the above names (say, explained bits of a byte next to a
    // damaged one) still shows, so "different" is never reported with nothing to show.
    if (diff.bytes.size() + diff.records.size() == before && !optionOnSlot[slot])
      diff.records.push_back({slot, RecordPart::Content, ra, rb});
  }
  return diff;
}

}  // namespace flex
