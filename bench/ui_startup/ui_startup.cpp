// Start-up of the window: wall time from process start to the main window shown and painted,
// and peak memory, for flexedit and for a bare QMainWindow started the same way in the same
// run (and, for reference, the bare window with one line of text: the fonts' own set-up). Each
// program is started N times, in turn; the medians and the ratios to the bare window are
// printed.
//   ui_startup [N]      (QT_QPA_PLATFORM defaults to offscreen)
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Run {
  double millis = 0;
  long maxRssKiB = 0;
  bool ok = false;
};

Run start(const char* program) {
  Run run;
  const auto begin = std::chrono::steady_clock::now();
  const pid_t pid = fork();
  if (pid < 0) return run;
  if (pid == 0) {
    if (FILE* null = std::freopen("/dev/null", "w", stderr)) (void)null;  // Qt's notices
    execl(program, program, static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  if (wait4(pid, &status, 0, &usage) != pid) return run;
  run.millis = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin)
                   .count();
  run.maxRssKiB = usage.ru_maxrss;
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
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
  setenv("QT_QPA_PLATFORM", "offscreen", 0);

  struct Program {
    const char* name;
    const char* path;
    std::vector<double> millis;
    std::vector<long> rss;
  };
  Program programs[] = {{"bare QMainWindow", UI_STARTUP_BARE, {}, {}},
                        {"flexedit", UI_STARTUP_FLEXEDIT, {}, {}},
                        {"bare + one label", UI_STARTUP_TEXT, {}, {}}};

  // One start of each to warm the file cache, not counted.
  for (Program& p : programs) start(p.path);
  for (int i = 0; i < runs; ++i) {
    for (Program& p : programs) {
      const Run run = start(p.path);
      if (!run.ok) {
        std::fprintf(stderr, "%s did not start and end cleanly\n", p.path);
        return 1;
      }
      p.millis.push_back(run.millis);
      p.rss.push_back(run.maxRssKiB);
    }
  }

  std::printf("%-18s %10s %15s %8s %8s   (median of %d starts, QT_QPA_PLATFORM=%s)\n", "",
              "time [ms]", "peak RSS [KiB]", "time x", "RSS x", runs,
              std::getenv("QT_QPA_PLATFORM"));
  const double bareMillis = median(programs[0].millis);
  const double bareRss = static_cast<double>(median(programs[0].rss));
  for (const Program& p : programs)
    std::printf("%-18s %10.1f %15ld %8.2f %8.2f\n", p.name, median(p.millis), median(p.rss),
                median(p.millis) / bareMillis, static_cast<double>(median(p.rss)) / bareRss);
  std::printf("flexedit against the bare window: time %.2f (target <= 1.30), peak memory %.2f "
              "(target <= 1.20)\n",
              median(programs[1].millis) / bareMillis,
              static_cast<double>(median(programs[1].rss)) / bareRss);
  return 0;
}
