// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The core tests' fixture: an editor started as the window starts it, and a scratch folder.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "fake_view.hpp"
#include "flex/builtin_records.hpp"
#include "options/option_catalog.hpp"
#include "session/editor.hpp"

namespace flextest {

inline std::size_t row(std::string_view id) { return flex::findOption(id).value(); }

using Records = std::array<std::string, 3>;
inline const Records kBuiltIn = flex::builtin::recordSet();
// What the readback makes of the built-in flex.
inline const std::vector<std::string> kBuiltInTicks = {"Check1(2)", "Check2(0)", "Check2(2)",
                                                       "Check2(4)", "Check3(0)"};

class EditorTest : public ::testing::Test, protected ScratchFolder, protected StartedEditor {
 protected:
  using StartedEditor::StartedEditor;

  std::size_t rowOf(std::string_view id) const { return editor.options().find(id).value(); }
  int value(std::string_view id) const { return doc().boxes[rowOf(id)].state; }
  void click(std::string_view id) { editor.clickOption(rowOf(id)); }
  std::vector<std::string> ticked() const {  // Check1(0) ... Check5(13)
    std::vector<std::string> ids;
    for (std::size_t r : flex::optionsById())
      if (doc().boxes[r].state) ids.emplace_back(flex::optionCatalog()[r].id);
    return ids;
  }
  // The built-in Base record with the byte at `position` (from 1) replaced.
  std::string base(std::size_t position, std::string_view pair) const {
    return withByte(kBuiltIn[0], position, pair);
  }

  // "Apri Flex" on a file holding `content`; "Salva Flex..." into `name` in the scratch folder.
  flex::FileOutcome load(std::string_view content) {
    return editor.openFile(write("in.hs", content));
  }
  flex::FileOutcome save(std::string_view name) { return editor.saveFile(path(name)); }
};

}  // namespace flextest
