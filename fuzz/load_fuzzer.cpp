// Loading: arbitrary bytes as a ".hs" file, the readback that follows, a save of the result and
// a re-load of the saved file; then the three ways a load is refused.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "files/flex_file.hpp"
#include "fuzz_support.hpp"
#include "model/builtin_records.hpp"

using namespace flex;
using namespace flex::fuzz;

namespace {

// Characters that differ between the loaded line and the record after the readback: only
// option bytes may differ, and only when they were readable.
void checkReadbackEdits(std::string_view line, const std::string& record, const char* name) {
  FUZZ_CHECK(record.size() == line.size(), std::string(name) + " changed length in the readback");
  for (std::size_t i = 0; i < record.size(); ++i) {
    if (record[i] == line[i]) continue;
    const std::size_t pairStart = i - i % 2;  // options sit at odd positions: even 0-based index
    bool optionByte = false;
    for (const auto& option : optionCatalog())
      if ((option.action == ActionKind::Bits || option.action == ActionKind::WholeByte) &&
          option.position - 1 == pairStart)
        optionByte = true;
    FUZZ_CHECK(optionByte, std::string(name) + " character " + std::to_string(i + 1) +
                               " changed by the readback outside any option byte");
    FUZZ_CHECK(pairValue(line, pairStart + 1) >= 0,
               std::string(name) + ": the readback wrote into an unreadable byte");
    FUZZ_CHECK(pairValue(record, pairStart + 1) >= 0,
               std::string(name) + ": the readback wrote a non-hex byte");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view content(reinterpret_cast<const char*>(data), size);
  const std::string input = writeScratch("input.hs", content);
  const std::vector<std::string> lines = fileLines(content);

  FakeView view;
  Editor editor(view);
  editor.Form_Load();
  const FileOutcome loaded = load(editor, view, input);
  const EditorState& s = editor.state();
  FUZZ_CHECK(loaded == FileOutcome::Done, "a readable file was refused");
  FUZZ_CHECK(view.messages.empty(), "a load showed a message: " + view.messages.front().prompt);
  FUZZ_CHECK(view.dialogsShown == 0, "the readback opened the label dialog");
  FUZZ_CHECK(!s.labelDialogOpen, "the readback opened the label dialog");
  FUZZ_CHECK(s.statusText == "File: " + input, s.statusText);
  checkBetweenActions(s);

  // Lines fill the slots in order, lines after the third are ignored, unreached slots keep the
  // built-in records; the readback edits only option bytes and never switches slot 2.
  const std::string_view builtins[3] = {builtin::kBase, builtin::kCall, builtin::kGprs};
  for (std::size_t slot = 0; slot < 3; ++slot) {
    const std::string_view line = slot < lines.size() ? std::string_view(lines[slot])
                                                      : builtins[slot];
    if (slot == 2)
      FUZZ_CHECK(s.txtpreview[2] == line, "slot 2 differs from the third line");
    else
      checkReadbackEdits(line, s.txtpreview[slot], slot == 0 ? "Base" : "Call");
  }
  for (std::size_t slot = 0; slot < 3; ++slot)
    FUZZ_CHECK(s.baseline[slot] == (slot < lines.size() ? std::string_view(lines[slot])
                                                        : builtins[slot]),
               "the records remembered from the file differ from its lines");
  FUZZ_CHECK(s.fileName == input, "the loaded file is not remembered: " + s.fileName);
  FUZZ_CHECK(s.txtpreview[0] == s.FlexBase, "slot 0 and FlexBase part after a load");
  FUZZ_CHECK(s.txtpreview[1] == s.FlexCall, "slot 1 and FlexCall part after a load");

  // Save, then re-load: with three non-empty records (and none holding a CR, which would split
  // it into two lines) the re-load puts back the same records, so it must end exactly as a
  // second readback of the same state does.
  const std::string saved = scratchPath("saved.hs");
  FUZZ_CHECK(save(editor, view, saved) == FileOutcome::Done, "save into the scratch folder failed");
  FUZZ_CHECK(view.messages.empty(), "a save showed a message");
  checkSavedFile(saved, s);
  FUZZ_CHECK(!editor.modified() && s.fileName == saved, "a save is not remembered");
  bool whole = true;
  for (const auto& slot : s.txtpreview)
    if (slot.empty() || slot.find('\r') != std::string::npos) whole = false;
  if (whole) {
    const std::array<std::string, 3> savedSlots = s.txtpreview;
    FakeView twinView;
    Editor twin(twinView);
    twin.Form_Load();
    load(twin, twinView, input);
    twin.AggiornaOpzioni();
    FUZZ_CHECK(load(editor, view, saved) == FileOutcome::Done, "the saved file was refused");
    EditorState expected = twin.state();
    expected.fileName = saved;
    expected.baseline = savedSlots;
    FUZZ_CHECK(sameState(editor.state(), expected),
               "re-loading the saved file does not give back the same flex");
  }

  // Refused loads change nothing, whatever the current flex.
  for (const std::string* path : {&missingPath(), &folderPath(), &oversizedFile()}) {
    const EditorState before = editor.state();
    const std::size_t messages = view.messages.size();
    const FileOutcome outcome = load(editor, view, *path);
    checkRefusedLoad(before, editor.state(), view, messages, *path, outcome);
  }
  return 0;
}
