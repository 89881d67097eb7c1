// SPDX-License-Identifier: GPL-3.0-or-later
// The raw previews ("Formattazione Testo" unticked) with a record far longer than a flex's: how
// long a person waits when such a record is opened, on a click into it, on a keystroke in it,
// and when a long text is pasted over a record. Each step ends with the box painted. Offscreen
// Qt unless QT_QPA_PLATFORM says otherwise.
//   ui_raw_view [--benchmark_filter=REGEX]
#include <benchmark/benchmark.h>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

#include <fstream>

#include "ui/previews/preview_panel.hpp"
#include "ui/previews/raw_preview.hpp"
#include "ui/window/main_window.hpp"

namespace {

// Hex digits on one line, with no blank anywhere.
std::string hexLine(std::size_t size) {
  std::string text(size, '0');
  for (std::size_t i = 0; i < size; ++i) text[i] = "0123456789ABCDEF"[(i * 7 + i / 5) % 16];
  return text;
}

// The window with its raw previews showing; message boxes are acknowledged at once.
class Window {
 public:
  Window() : window_(prompts()) {
    window_.show();
    (void)QTest::qWaitForWindowExposed(&window_);
    window_.findChild<QCheckBox*>(QStringLiteral("CheckFormattazioneTesto"))->click();
    paint();
  }
  flex::Editor& editor() { return window_.editor(); }
  QPlainTextEdit* base() { return window_.preview()->rawPreview(0); }
  void paint() {
    base()->viewport()->repaint();
    QCoreApplication::processEvents();
  }
  // A file whose Base record is `size` digits on one line (the largest file a load accepts
  // holds a record of 1 MiB less its line end).
  std::string longFile(std::size_t size) {
    const std::string path = dir_.filePath(QStringLiteral("lunga.hs")).toStdString();
    std::ofstream(path, std::ios::binary) << hexLine(size) << "\r\n";
    return path;
  }

 private:
  static flex::ui::Prompts prompts() {
    flex::ui::Prompts p;
    p.messageBox = [](QWidget*, const QString&, const QString&) {};
    return p;
  }
  QTemporaryDir dir_;
  flex::ui::MainWindow window_;
};

void BM_OpenLongRecord(benchmark::State& state) {
  Window w;
  const std::string file = w.longFile(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) {
    w.editor().openFile(file);
    w.paint();
    state.PauseTiming();
    w.editor().loadBuiltinFlex();
    w.paint();
    state.ResumeTiming();
  }
}

void BM_ClickIntoLongRecord(benchmark::State& state) {
  Window w;
  w.editor().openFile(w.longFile(static_cast<std::size_t>(state.range(0))));
  w.paint();
  int x = 20;
  for (auto _ : state) {
    QTest::mouseClick(w.base()->viewport(), Qt::LeftButton, {}, QPoint(x, 30));
    w.paint();
    x = x == 20 ? 60 : 20;
  }
}

void BM_KeystrokeInLongRecord(benchmark::State& state) {
  Window w;
  w.editor().openFile(w.longFile(static_cast<std::size_t>(state.range(0))));
  w.paint();
  QTest::mouseClick(w.base()->viewport(), Qt::LeftButton, {}, QPoint(20, 30));
  bool type = true;
  for (auto _ : state) {
    QTest::keyClick(w.base(), type ? Qt::Key_A : Qt::Key_Backspace);
    w.paint();
    type = !type;
  }
}

void BM_PasteLongText(benchmark::State& state) {
  Window w;
  QGuiApplication::clipboard()->setText(
      QString::fromLatin1(hexLine(static_cast<std::size_t>(state.range(0)))));
  for (auto _ : state) {
    w.base()->selectAll();
    w.base()->paste();
    w.paint();
    state.PauseTiming();
    w.editor().loadBuiltinFlex();
    w.paint();
    state.ResumeTiming();
  }
}

constexpr int kMiB = 1 << 20;
constexpr auto kMs = benchmark::kMillisecond;
BENCHMARK(BM_OpenLongRecord)->Arg(64 << 10)->Arg(256 << 10)->Arg(kMiB - 2)->Unit(kMs);
BENCHMARK(BM_ClickIntoLongRecord)->Arg(64 << 10)->Arg(256 << 10)->Arg(kMiB - 2)->Unit(kMs);
BENCHMARK(BM_KeystrokeInLongRecord)->Arg(64 << 10)->Arg(256 << 10)->Arg(kMiB - 2)->Unit(kMs);
BENCHMARK(BM_PasteLongText)->Arg(64 << 10)->Arg(256 << 10)->Arg(5 * kMiB)->Unit(kMs);

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
