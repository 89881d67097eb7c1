// The yardstick: an empty QMainWindow of the same size, ending after its first paint.
#include <QApplication>
#include <QMainWindow>

#include "first_paint.hpp"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.resize(593, 425);
  new QuitAfterFirstPaint(&window);
  window.show();
  return app.exec();
}
