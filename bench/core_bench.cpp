// What the editor core costs per action a person takes: start-up, a full readback, one option
// click with its refresh, and opening then saving the built-in flex.
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

#include <benchmark/benchmark.h>

#include "flex/builtin_records.hpp"
#include "session/editor.hpp"
#include "options/option_catalog.hpp"

namespace {

namespace fs = std::filesystem;

// Answers the open and save dialogs with fixed paths.
class PathView : public flex::NullEditorView {
 public:
  PathView(std::string openPath, std::string savePath)
      : open_(std::move(openPath)), save_(std::move(savePath)) {}
  std::string openFileName() override { return open_; }
  std::string saveFileName() override { return save_; }

 private:
  std::string open_;
  std::string save_;
};

void BM_StartUp(benchmark::State& state) {
  flex::NullEditorView view;
  for (auto _ : state) {
    flex::Editor editor(view);
    editor.start();
    benchmark::DoNotOptimize(editor.state().boxes);
  }
}
BENCHMARK(BM_StartUp);

void BM_Readback(benchmark::State& state) {
  flex::NullEditorView view;
  flex::Editor editor(view);
  editor.start();
  for (auto _ : state) {
    editor.readBackOptions();
    benchmark::DoNotOptimize(editor.state().boxes);
  }
}
BENCHMARK(BM_Readback);

// "Menu Engineering": three bits of the Base record, then slot 0 and the formatted boxes.
void BM_OptionClick(benchmark::State& state) {
  flex::NullEditorView view;
  flex::Editor editor(view);
  editor.start();
  const std::size_t row = *flex::findOption("Check1(0)");
  for (auto _ : state) {
    editor.clickOption(row);
    benchmark::DoNotOptimize(editor.state().recordSlots[0]);
  }
}
BENCHMARK(BM_OptionClick);

void BM_LoadReadbackSave(benchmark::State& state) {
  std::string dir = (fs::temp_directory_path() / "flexedit-bench-XXXXXX").string();
  if (mkdtemp(dir.data()) == nullptr) {
    state.SkipWithError("no temporary folder");
    return;
  }
  const fs::path in = fs::path(dir) / "in.hs";
  const fs::path out = fs::path(dir) / "out.hs";
  std::ofstream(in, std::ios::binary)
      << flex::builtin::kBase << "\r\n" << flex::builtin::kCall << "\r\n" << flex::builtin::kGprs << "\r\n";
  PathView view(in.string(), out.string());
  flex::Editor editor(view);
  editor.start();
  for (auto _ : state) {
    if (editor.openWithDialog() != flex::FileOutcome::Done ||
        editor.saveWithDialog() != flex::FileOutcome::Done) {
      state.SkipWithError("load or save failed");
      break;
    }
  }
  fs::remove_all(dir);
}
BENCHMARK(BM_LoadReadbackSave);

}  // namespace
