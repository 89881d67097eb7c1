// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Ends the program right after the first paint of its main window, and says on standard output
// when that was and how much memory the program had taken by then:
//   first-paint NANOSECONDS PEAK_RSS_KIB WIDTH HEIGHT
// NANOSECONDS is CLOCK_MONOTONIC (the clock the driver starts its own from), PEAK_RSS_KIB the
// process's peak resident memory so far, WIDTH x HEIGHT the window's size. The driver measures
// up to this point, so that what happens on the way out is counted for no program.
#include <sys/resource.h>

#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>
#include <QWidget>
#include <cstdio>
#include <ctime>

class QuitAfterFirstPaint : public QObject {
 public:
  explicit QuitAfterFirstPaint(QWidget* window) : QObject(window), window_(window) {
    window->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      watched->removeEventFilter(this);
      // Queued: the children of the window paint in the same pass, and the pass is flushed,
      // before this runs.
      QMetaObject::invokeMethod(
          this, [this] { report(); }, Qt::QueuedConnection);
    }
    return false;
  }

 private:
  void report() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("first-paint %lld %ld %d %d\n",
                static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec, usage.ru_maxrss,
                window_->width(), window_->height());
    std::fflush(stdout);
    QCoreApplication::quit();
  }

  QWidget* window_;
};
