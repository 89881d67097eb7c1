// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/support/when_exposed.hpp"

#include <QEvent>
#include <QWindow>

namespace flex::ui {

WhenExposed::WhenExposed(QWindow* window, std::function<void()> then)
    : QObject(window), then_(std::move(then)) {
  window->installEventFilter(this);
}

bool WhenExposed::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
    watched->removeEventFilter(this);
    QMetaObject::invokeMethod(
        this,
        [this] {
          then_();
          deleteLater();
        },
        Qt::QueuedConnection);
  }
  return false;
}

}  // namespace flex::ui
