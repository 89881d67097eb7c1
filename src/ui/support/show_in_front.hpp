// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A window the main window keeps at most one of (the label dialog, About): asked for again
// while it is open, the same window comes to the front where the person left it.
#include <QPointer>
#include <QWidget>

namespace flex::ui {

// Makes the window with `make` when `window` holds none and centres it over `over`; then shows,
// raises and activates it.
template <class Window, class Make>
Window* showInFront(QPointer<Window>& window, const QWidget& over, Make&& make) {
  if (!window) {
    window = make();
    window->move(over.frameGeometry().center() - window->rect().center());
  }
  window->show();
  window->raise();
  window->activateWindow();
  return window;
}

}  // namespace flex::ui
