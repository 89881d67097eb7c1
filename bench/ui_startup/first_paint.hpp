#pragma once
// Ends the program right after the first paint of its main window: the time from process start
// to this point is the start-up the benchmark measures.
#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>
#include <QObject>

class QuitAfterFirstPaint : public QObject {
 public:
  explicit QuitAfterFirstPaint(QObject* window) : QObject(window) {
    window->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      watched->removeEventFilter(this);
      // Queued: the children of the window paint in the same pass, before this runs.
      QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                                Qt::QueuedConnection);
    }
    return false;
  }
};
