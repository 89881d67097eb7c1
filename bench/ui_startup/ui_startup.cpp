// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up of the window: wall time from process start to the main window shown and painted,
// and peak memory by then, for flexedit and for a bare QMainWindow of the same size started the
// same way in the same run (and, for reference, the bare window with one line of text: the
// fonts' own set-up). Each program is started N times, in turn; the medians and the ratios to
// the bare window are printed.
//   ui_startup [N]      (QT_QPA_PLATFORM defaults to offscreen; the budget is for a real X
//                        server, e.g. xvfb-run -a env QT_QPA_PLATFORM=xcb ui_startup 31)
// Each probe reports the moment of its first paint and its peak memory at that moment (see
// first_paint.hpp); the time and peak memory up to the process's exit are printed beside them,
// for reference only: Qt's teardown is no part of the start-up.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

namespace {

struct Run {
  double paintMillis = 0;  // fork to the first paint
  long paintRssKiB = 0;    // peak RSS at the first paint
  double exitMillis = 0;   // fork to the exit
  long exitRssKiB = 0;     // peak RSS of the whole run
  int width = 0, height = 0;
  bool ok = false;
};

double nowMillis() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// Starts `program` with `args`, its standard output read through a pipe.
Run start(const char* program, const std::vector<std::string>& args) {
  Run run;
  int out[2];
  if (pipe(out) != 0) return run;
  std::vector<char*> argv{const_cast<char*>(program)};
  for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);

  const double begin = nowMillis();
  const pid_t pid = fork();
  if (pid < 0) return run;
  if (pid == 0) {
    dup2(out[1], STDOUT_FILENO);
    close(out[0]);
    close(out[1]);
    if (FILE* null = std::freopen("/dev/null", "w", stderr)) (void)null;  // Qt's notices
    execv(program, argv.data());
    _exit(127);
  }
  close(out[1]);
  std::string report;
  char buffer[256];
  for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) != 0;) {
    if (n < 0) break;
    report.append(buffer, static_cast<std::size_t>(n));
  }
  close(out[0]);
  int status = 0;
  rusage usage{};
  if (wait4(pid, &status, 0, &usage) != pid) return run;
  run.exitMillis = nowMillis() - begin;
  run.exitRssKiB = usage.ru_maxrss;

  long long paintNanos = 0;
  const std::size_t at = report.find("first-paint ");
  if (at == std::string::npos ||
      std::sscanf(report.c_str() + at, "first-paint %lld %ld %d %d", &paintNanos, &run.paintRssKiB,
                  &run.width, &run.height) != 4)
    return run;
  run.paintMillis = static_cast<double>(paintNanos) / 1e6 - begin;
  run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
  return run;
}

template <class T>
T median(std::vector<T> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char* argv[]) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;
  setenv("QT_QPA_PLATFORM", "offscreen", 0);

  struct Program {
    const char* name;
    const char* path;
    std::vector<std::string> args;
    std::vector<double> paintMillis, exitMillis;
    std::vector<long> paintRss, exitRss;
  };
  Program programs[] = {{"bare QMainWindow", UI_STARTUP_BARE, {}, {}, {}, {}, {}},
                        {"flexedit", UI_STARTUP_FLEXEDIT, {}, {}, {}, {}, {}},
                        {"bare + one label", UI_STARTUP_TEXT, {}, {}, {}, {}, {}}};

  // One start of each to warm the file cache, not counted; flexedit's says the size the two
  // bare windows take.
  const Run first = start(UI_STARTUP_FLEXEDIT, {});
  if (!first.ok) {
    std::fprintf(stderr, "%s did not start and end cleanly\n", UI_STARTUP_FLEXEDIT);
    return 1;
  }
  for (Program& p : programs) {
    if (p.path != std::string(UI_STARTUP_FLEXEDIT))
      p.args = {std::to_string(first.width), std::to_string(first.height)};
    start(p.path, p.args);
  }
  for (int i = 0; i < runs; ++i) {
    for (Program& p : programs) {
      const Run run = start(p.path, p.args);
      if (!run.ok || run.width != first.width || run.height != first.height) {
        std::fprintf(stderr, "%s did not start, paint at %dx%d and end cleanly\n", p.path,
                     first.width, first.height);
        return 1;
      }
      p.paintMillis.push_back(run.paintMillis);
      p.paintRss.push_back(run.paintRssKiB);
      p.exitMillis.push_back(run.exitMillis);
      p.exitRss.push_back(run.exitRssKiB);
    }
  }

  std::printf("median of %d starts, QT_QPA_PLATFORM=%s, windows of %dx%d\n", runs,
              std::getenv("QT_QPA_PLATFORM"), first.width, first.height);
  std::printf("%-18s %13s %12s %8s %8s   %13s %12s\n", "", "to paint [ms]", "RSS [KiB]", "time x",
              "RSS x", "to exit [ms]", "RSS [KiB]");
  const double bareMillis = median(programs[0].paintMillis);
  const double bareRss = static_cast<double>(median(programs[0].paintRss));
  for (const Program& p : programs)
    std::printf("%-18s %13.1f %12ld %8.2f %8.2f   %13.1f %12ld\n", p.name, median(p.paintMillis),
                median(p.paintRss), median(p.paintMillis) / bareMillis,
                static_cast<double>(median(p.paintRss)) / bareRss, median(p.exitMillis),
                median(p.exitRss));
  std::printf(
      "flexedit against the bare window, up to the first paint: time %.2f (target <= "
      "1.20), peak memory %.2f (target <= 1.20)\n",
      median(programs[1].paintMillis) / bareMillis,
      static_cast<double>(median(programs[1].paintRss)) / bareRss);
  // For reference: what flexedit costs beyond setting up the fonts, which any window that
  // shows text pays.
  std::printf("flexedit against the one-label window: time %.2f, peak memory %.2f\n",
              median(programs[1].paintMillis) / median(programs[2].paintMillis),
              static_cast<double>(median(programs[1].paintRss)) /
                  static_cast<double>(median(programs[2].paintRss)));
  return 0;
}
