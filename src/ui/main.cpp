// flexedit: the window of the A835 flex editor.
#include <QApplication>

#include "ui/form1.hpp"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("flexedit"));
  flex::ui::Form1 window;
  window.show();
  return app.exec();
}
