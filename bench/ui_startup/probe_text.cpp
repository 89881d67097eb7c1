// SPDX-License-Identifier: GPL-3.0-or-later
// A second yardstick: the bare QMainWindow with one line of text, so that the fonts are set up
// as for any window that shows text.
//   ui_startup_probe_text [WIDTH HEIGHT]   (the driver passes the size flexedit's window has)
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <cstdlib>

#include "first_paint.hpp"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.setCentralWidget(new QLabel(QStringLiteral("Tessaron Orvane")));
  window.resize(argc > 2 ? std::atoi(argv[1]) : 593, argc > 2 ? std::atoi(argv[2]) : 425);
  new QuitAfterFirstPaint(&window);
  window.show();
  return app.exec();
}
