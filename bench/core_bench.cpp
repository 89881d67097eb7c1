// SPDX-License-Identifier: GPL-3.0-or-later
// What the editor core costs per action a person takes: start-up, a full readback, one option
// click with its refresh, opening then saving the built-in flex, undoable steps on a 1 MiB
// record with their undo and redo, the look at the disk before a save over a 1 MiB file, a
// recovery copy taken and written; reading the user's options file, and start-up and a click with
// the most user's options a file may hold.
#include <stdlib.h>
#include <sys/resource.h>

#include <algorithm>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include <benchmark/benchmark.h>

#include "flex/builtin_records.hpp"
#include "flex/flex_file.hpp"
#include "options/option_catalog.hpp"
#include "options/option_file.hpp"
#include "session/editor.hpp"
#include "session/recovery_folder.hpp"

namespace {

namespace fs = std::filesystem;

// An options file of `count` entries, each on its own bit of the built-in Base or Call record,
// with tool-tips of `toolTip` characters.
std::string optionFileText(std::size_t count, std::size_t toolTip) {
  std::string text = R"({"options": [)";
  for (std::size_t k = 0; k < count; ++k) {
    const bool call = k % 4 == 3;
    const std::size_t position = call ? 45 + 2 * (k % 4) : 45 + 2 * (k % 96);
    text += (k ? ",\n" : "\n") + std::string(R"({"id": "Opt)") + std::to_string(k) +
            R"(", "caption": "Option )" + std::to_string(k) + R"(", "toolTip": ")" +
            std::string(toolTip, 't') + R"(", "record": ")" + (call ? "Call" : "Base") +
            R"(", "position": )" + std::to_string(position) + R"(, "bits": [)" +
            std::to_string(k % 8 + 1) + R"(], "polarity": "ticked sets"})";
  }
  return text + "\n]}";
}

std::shared_ptr<const flex::OptionSet> userOptions(std::size_t count) {
  if (count == 0) return flex::OptionSet::builtinOnly();
  flex::OptionFile file = flex::parseOptionFile(optionFileText(count, 40));
  return std::make_shared<const flex::OptionSet>(std::move(file.options));
}

// Argument: 200 entries with short tool-tips (16 KiB), or long ones filling 1 MiB.
void BM_ReadOptionFile(benchmark::State& state) {
  const bool full = state.range(0) == 1;
  const std::string text = optionFileText(flex::kMaxUserOptions, full ? 5100 : 20);
  if (text.size() > flex::kMaxOptionFileSize) state.SkipWithError("over 1 MiB");
  for (auto _ : state) {
    flex::OptionFile file = flex::parseOptionFile(text);
    if (file.options.size() != flex::kMaxUserOptions) state.SkipWithError("not all loaded");
    benchmark::DoNotOptimize(file);
  }
  state.counters["file_KiB"] = static_cast<double>(text.size()) / 1024.0;
}
BENCHMARK(BM_ReadOptionFile)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// Argument: how many user's options (0, or the 200 a file may hold).
void BM_StartUp(benchmark::State& state) {
  flex::NullEditorView view;
  const auto options = userOptions(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) {
    flex::Editor editor(view, options);
    editor.start();
    benchmark::DoNotOptimize(editor.document().boxes);
  }
}
BENCHMARK(BM_StartUp)->Arg(0)->Arg(200);

void BM_Readback(benchmark::State& state) {
  flex::NullEditorView view;
  flex::Editor editor(view);
  editor.start();
  for (auto _ : state) {
    editor.readBackOptions();
    benchmark::DoNotOptimize(editor.document().boxes);
  }
}
BENCHMARK(BM_Readback);

// "Menu Engineering": three bits of the Base record, then slot 0 and the formatted boxes.
// Argument: how many user's options (the undo step compares every box).
void BM_OptionClick(benchmark::State& state) {
  flex::NullEditorView view;
  flex::Editor editor(view, userOptions(static_cast<std::size_t>(state.range(0))));
  editor.start();
  const std::size_t row = *flex::findOption("Check1(0)");
  for (auto _ : state) {
    editor.clickOption(row);
    benchmark::DoNotOptimize(editor.document().records[0]);
  }
}
BENCHMARK(BM_OptionClick)->Arg(0)->Arg(200);

void BM_LoadReadbackSave(benchmark::State& state) {
  std::string dir = (fs::temp_directory_path() / "flexedit-bench-XXXXXX").string();
  if (mkdtemp(dir.data()) == nullptr) {
    state.SkipWithError("no temporary folder");
    return;
  }
  const fs::path in = fs::path(dir) / "in.hs";
  const fs::path out = fs::path(dir) / "out.hs";
  std::ofstream(in, std::ios::binary) << flex::builtin::kBase << "\r\n"
                                      << flex::builtin::kCall << "\r\n"
                                      << flex::builtin::kGprs << "\r\n";
  flex::NullEditorView view;
  flex::Editor editor(view);
  editor.start();
  for (auto _ : state) {
    if (editor.openFile(in.string()) != flex::FileOutcome::Done ||
        editor.saveFile(out.string()) != flex::FileOutcome::Done) {
      state.SkipWithError("load or save failed");
      break;
    }
  }
  fs::remove_all(dir);
}
BENCHMARK(BM_LoadReadbackSave);

// 100 undoable steps on a 1 MiB Base record (the built-in record, its data stretched with zero
// bytes to fill a 1 MiB file), then 100 undos and 100 redos. Argument 0: option clicks (a few
// bytes each); 1: raw edits each replacing the whole record by another (the worst step, which
// the history's byte limit bounds). Counters: steps kept, what they hold, peak memory.
class HugeFlex {
 public:
  explicit HugeFlex(benchmark::State& state) {
    if (mkdtemp(dir_.data()) == nullptr) {
      state.SkipWithError("no temporary folder");
      return;
    }
    const std::string_view base = flex::builtin::kBase;
    const std::size_t length = flex::kMaxFileSize - 2;  // the line and its CR LF
    record_ = std::string(base.substr(0, base.size() - 4));
    record_.resize(length - 4, '0');
    record_ += base.substr(base.size() - 4);
    std::ofstream((fs::path(dir_) / "huge.hs").string(), std::ios::binary) << record_ << "\r\n";
  }
  ~HugeFlex() { fs::remove_all(dir_); }
  HugeFlex(const HugeFlex&) = delete;
  HugeFlex& operator=(const HugeFlex&) = delete;

  std::string path() const { return (fs::path(dir_) / "huge.hs").string(); }
  // The record with every data character set to `digit`.
  std::string filled(char digit) const {
    std::string text = record_;
    std::fill(text.begin() + 44, text.end() - 4, digit);
    return text;
  }

 private:
  std::string dir_ = (fs::temp_directory_path() / "flexedit-bench-XXXXXX").string();
  std::string record_;
};

void setHistoryCounters(benchmark::State& state, const flex::Editor& editor) {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  state.counters["steps_kept"] = static_cast<double>(editor.undoCount());
  state.counters["history_KiB"] = static_cast<double>(editor.historyBytes()) / 1024.0;
  state.counters["peak_rss_MiB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// The 100 steps, on the 1 MiB flex loaded into a started editor.
class HundredSteps {
 public:
  HundredSteps(const HugeFlex& huge, bool wholeRecord)
      : huge_(huge), wholeRecord_(wholeRecord), variants_{huge.filled('1'), huge.filled('2')} {}
  void load(flex::Editor& editor) const {
    editor.start();
    editor.openFile(huge_.path());
  }
  void take(flex::Editor& editor) const {
    for (std::size_t k = 0; k < 100; ++k) {
      if (wholeRecord_)
        editor.editRaw(0, variants_[k % 2]);
      else
        editor.clickOption(rows_[k % 3]);
    }
  }

 private:
  const HugeFlex& huge_;
  bool wholeRecord_;
  std::string variants_[2];
  std::size_t rows_[3] = {*flex::findOption("Check1(0)"), *flex::findOption("Check3(2)"),
                          *flex::findOption("Check5(9)")};
};

void BM_HundredStepsOn1MiB(benchmark::State& state) {
  HugeFlex huge(state);
  const HundredSteps steps(huge, state.range(0) == 1);
  flex::NullEditorView view;
  flex::Editor editor(view);
  for (auto _ : state) {
    state.PauseTiming();
    steps.load(editor);
    state.ResumeTiming();
    steps.take(editor);
  }
  setHistoryCounters(state, editor);
}
BENCHMARK(BM_HundredStepsOn1MiB)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_UndoRedoHundredOn1MiB(benchmark::State& state) {
  HugeFlex huge(state);
  const HundredSteps steps(huge, state.range(0) == 1);
  flex::NullEditorView view;
  flex::Editor editor(view);
  steps.load(editor);
  steps.take(editor);
  for (auto _ : state) {
    while (editor.undo()) {
    }
    while (editor.redo()) {
    }
  }
  setHistoryCounters(state, editor);
}
BENCHMARK(BM_UndoRedoHundredOn1MiB)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// What the look at the disk before a save costs on a 1 MiB file. Argument 0: the hash of its
// bytes alone; 1: the whole check (stat, read, hash); 2: a whole save over the file, the check
// and the identity of what it wrote included.
void BM_ChangeCheckOn1MiB(benchmark::State& state) {
  HugeFlex huge(state);
  flex::NullEditorView view;
  flex::Editor editor(view);
  editor.start();
  editor.openFile(huge.path());
  editor.editRaw(1, "");  // the file's one line is all a save writes: 1 MiB
  editor.editRaw(2, "");
  const std::string bytes = huge.filled('0');
  for (auto _ : state) {
    if (state.range(0) == 0)
      benchmark::DoNotOptimize(flex::contentHash(bytes));
    else if (state.range(0) == 1)
      benchmark::DoNotOptimize(editor.diskChange());
    else if (editor.saveFile(huge.path()) != flex::FileOutcome::Done)
      state.SkipWithError("save failed");
  }
}
BENCHMARK(BM_ChangeCheckOn1MiB)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// What a step costs the window for its recovery copy: on the window's thread, taking the document
// of the last whole step and comparing it with the copy last written; on the writer's thread,
// writing the copy (encoded, written as a new file, flushed, named, the folder flushed).
// Argument 0: the built-in flex with one option clicked; 1: a 1 MiB Base record (see HugeFlex).
void recoveryCopyOf(benchmark::State& state, flex::Editor& editor, const HugeFlex& huge) {
  editor.start();
  if (state.range(0) == 1) editor.openFile(huge.path());
  editor.clickOption(*flex::findOption("Check1(0)"));
}

void BM_RecoveryCopyTaken(benchmark::State& state) {
  HugeFlex huge(state);
  flex::NullEditorView view;
  flex::Editor editor(view);
  recoveryCopyOf(state, editor, huge);
  const flex::Document written = editor.lastStep();
  for (auto _ : state) {
    const flex::Document document = editor.lastStep();
    benchmark::DoNotOptimize(document == written);
  }
}
BENCHMARK(BM_RecoveryCopyTaken)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_RecoveryCopyWritten(benchmark::State& state) {
  HugeFlex huge(state);
  flex::NullEditorView view;
  flex::Editor editor(view);
  recoveryCopyOf(state, editor, huge);
  const std::string folder = fs::path(huge.path()).parent_path() / "recovery";
  const flex::RecoveryFolder recovery(folder);
  int err = 0;
  const flex::RecoveryLock lock = recovery.newLock(err);
  const flex::RecoveryCopy copy{editor.lastStep(), 0};
  for (auto _ : state)
    if (err != 0 || (err = recovery.write(lock, copy)) != 0) state.SkipWithError("write failed");
  state.counters["copy_KiB"] =
      static_cast<double>(fs::file_size(recovery.copyPath(lock.id()))) / 1024.0;
}
BENCHMARK(BM_RecoveryCopyWritten)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
