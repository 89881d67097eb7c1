// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QObject>
#include <functional>

class QWindow;

namespace flex::ui {

// Runs `then` from the event loop once `window` is on the screen (exposed), and deletes
// itself; a child of the window, so it goes with the window if that never shows.
class WhenExposed : public QObject {
 public:
  WhenExposed(QWindow* window, std::function<void()> then);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::function<void()> then_;
};

}  // namespace flex::ui
