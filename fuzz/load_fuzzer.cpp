// SPDX-License-Identifier: GPL-3.0-or-later
// Loading: arbitrary bytes as a ".hs" file (with its readback), a save and a re-load of the saved
// file.
#include <algorithm>
#include <cstdint>

#include "fuzz_support.hpp"

using namespace flex;
using namespace flex::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Session s;
  if (size % 2)  // every bit and byte option ticked: a readback may clear any of them
    for (std::size_t row = 0; row < kOptionCount; ++row)
      if (!optionCatalog()[row].isLabelOption()) s.editor.setOptionState(row, 1);
  s.loadChecked(std::string_view(reinterpret_cast<const char*>(data), size));

  // Non-empty slots without a CR (which would split one) come back as they were saved.
  const auto slots = s.doc().records;
  s.loadChecked(s.saveChecked());
  const bool whole =
      std::ranges::none_of(slots, [](auto& r) { return r.empty() || r.find('\r') != r.npos; });
  FUZZ_CHECK(!whole || s.doc().baseline == slots, "the saved file re-loads to other slots");
  return 0;
}
