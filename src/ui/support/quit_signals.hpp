// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// SIGTERM, SIGHUP and SIGINT (a logout, a shutdown, a closed terminal, Ctrl+C) handled on the
// event loop rather than ending the program at once: the handler only writes the signal's number
// into a pipe, the one thing that is safe inside it; a notifier reads it on the window's thread
// and hands it on. One at a time in a program.
#include <QObject>
#include <csignal>
#include <functional>

class QSocketNotifier;

namespace flex::ui {

class QuitSignals : public QObject {
 public:
  explicit QuitSignals(std::function<void(int signal)> then, QObject* parent = nullptr);
  ~QuitSignals() override;  // the signals are handled as before again

 private:
  void readSignals();

  std::function<void(int)> then_;
  int pipe_[2] = {-1, -1};
  QSocketNotifier* notifier_ = nullptr;
  struct sigaction before_[3] = {};
};

}  // namespace flex::ui
