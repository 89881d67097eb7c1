// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick: an empty QMainWindow, ending after its first paint.
//   ui_startup_probe_bare [WIDTH HEIGHT]   (the driver passes the size flexedit's window has)
#include <QApplication>
#include <QMainWindow>
#include <cstdlib>

#include "first_paint.hpp"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.resize(argc > 2 ? std::atoi(argv[1]) : 593, argc > 2 ? std::atoi(argv[2]) : 425);
  new QuitAfterFirstPaint(&window);
  window.show();
  return app.exec();
}
