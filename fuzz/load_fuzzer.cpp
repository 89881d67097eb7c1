// Loading: arbitrary bytes as a ".hs" file (with its readback), a save and a re-load of the saved
// file, then the three kinds of file a load refuses.
#include <cstdint>

#include "fuzz_support.hpp"

using namespace flex;
using namespace flex::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view content(reinterpret_cast<const char*>(data), size);
  Session s;
  if (size % 2)  // every bit and byte option ticked: a readback may clear any of them
    for (std::size_t row = 0; row < kOptionCount; ++row)
      if (edits(optionCatalog()[row]) && !s.state().boxes[row].state) s.editor.clickOption(row);
  s.loadChecked(content);

  // Non-empty slots without a CR (which would split one) come back as they were saved.
  const auto recordSlots = s.state().recordSlots;
  s.loadChecked(s.saveChecked(), scratchPath("saved.hs"));
  bool whole = true;
  for (const auto& slot : recordSlots) whole = whole && !slot.empty() && slot.find('\r') == slot.npos;
  FUZZ_CHECK(!whole || s.state().baseline == recordSlots, "the saved file re-loads to other slots");

  for (const std::string& path : refusedPaths()) s.refusedChecked(path);
  return 0;
}
