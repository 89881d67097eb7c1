// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's window, started as the program starts it, ending after its first paint.
#include <QApplication>

#include "first_paint.hpp"
#include "ui/support/font_warm_up.hpp"
#include "ui/support/qt_translations.hpp"
#include "ui/window/main_window.hpp"

int main(int argc, char* argv[]) {
  flex::ui::FontWarmUp fonts;
  QApplication app(argc, argv);
  flex::ui::loadQtTranslations(app);
  fonts.wait();
  flex::ui::MainWindow window;
  new QuitAfterFirstPaint(&window);
  window.show();
  return app.exec();
}
