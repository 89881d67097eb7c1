// A second yardstick: the bare QMainWindow with one line of text, so that the fonts are set up
// as for any window that shows text.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>

#include "first_paint.hpp"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.setCentralWidget(new QLabel(QStringLiteral("Tessaron Orvane")));
  window.resize(593, 425);
  new QuitAfterFirstPaint(&window);
  window.show();
  return app.exec();
}
