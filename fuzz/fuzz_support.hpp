#pragma once
// What the fuzz targets share: a scratch folder of their own, a view that answers the file
// dialogs from a queue and counts messages, and the checks that hold after every action.
#include <cstddef>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "model/editor.hpp"

namespace flex::fuzz {

// Reports a broken invariant with its place and stops the run, so libFuzzer keeps the input.
[[noreturn]] void fail(const char* file, int line, const char* what, const std::string& detail);

#define FUZZ_CHECK(cond, detail)                                     \
  do {                                                               \
    if (!(cond)) ::flex::fuzz::fail(__FILE__, __LINE__, #cond, (detail)); \
  } while (false)

// Value of the two characters at `position` (from 1) when both are from 0-9 A-F, else -1.
int pairValue(std::string_view record, std::size_t position);

// The lines of a ".hs" file as a load must see them: a CR ends a line and takes a directly
// following LF with it, a lone LF stays in the line, the last line needs no line end. Written
// here on its own so that the targets do not judge the loader by its own splitting.
std::vector<std::string> fileLines(std::string_view content);

// One folder per process under /dev/shm (or $TMPDIR), removed at exit.
const std::string& scratchDir();
std::string scratchPath(std::string_view name);

// Writes bytes to a scratch file (replacing it) and returns its path.
std::string writeScratch(std::string_view name, std::string_view content);

// The raw bytes of a file; aborts the run when it cannot be read.
std::string readWhole(const std::string& path);

// A path of more than 1 MiB (a sparse file made once), a folder, and a path that does not exist.
const std::string& oversizedFile();
const std::string& folderPath();
const std::string& missingPath();

struct Message {
  std::string prompt;
  std::string title;
};

class FakeView : public EditorView {
 public:
  std::deque<std::string> openNames;
  std::deque<std::string> saveNames;
  std::vector<Message> messages;
  int dialogsShown = 0;

  void messageBox(std::string_view prompt, std::string_view title) override {
    messages.push_back({std::string(prompt), std::string(title)});
  }
  std::string openFileName() override { return pop(openNames); }
  std::string saveFileName() override { return pop(saveNames); }
  void labelDialogShown() override { ++dialogsShown; }
  void labelDialogClosed() override {}
  void stateChanged() override {}

 private:
  static std::string pop(std::deque<std::string>& names);
};

// Loads `path` through the open dialog; returns the outcome.
FileOutcome load(Editor& editor, FakeView& view, const std::string& path);
FileOutcome save(Editor& editor, FakeView& view, const std::string& path);

// Everything the editor shows and keeps, except the status bar text.
bool sameState(const EditorState& a, const EditorState& b);

// Checks that hold between any two actions: ModificheAttive is True, every toggle flag equals
// its box, the two label options are never ticked together, the formatted boxes follow the
// previews, the label text has at most 12 characters, the built-in label records are intact and
// the personal label record is empty or has the template's length and header.
void checkBetweenActions(const EditorState& s);

// A load that the editor refused: exactly one "Errore File" message naming the file, the status
// bar shows the path, and nothing else changed.
void checkRefusedLoad(const EditorState& before, const EditorState& after,
                      const FakeView& view, std::size_t messagesBefore, const std::string& path,
                      FileOutcome outcome);

// The byte the option's action makes of `before` (two hex digits), computed from the mask
// arithmetic rather than through the editor's own conversion.
std::string expectedByte(const OptionDef& option, bool ticked, std::string_view before);

// After a click on `row`: the working copies kept their length and header, and differ from
// `before` at most in the option's own byte, which holds exactly what its action writes (or is
// untouched when it was unreadable).
void checkClick(std::size_t row, const EditorState& before, const EditorState& after);

// The records a file holds after a save: its lines, split as a load splits them.
void checkSavedFile(const std::string& path, const EditorState& s);

}  // namespace flex::fuzz
