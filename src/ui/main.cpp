// flexedit: the window of the A835 flex editor.
//   flexedit [FILE.hs]   opens the file as "Apri Flex" does, once the window shows
#include <QApplication>

#include "ui/command_line.hpp"
#include "ui/main_window.hpp"
#include "ui/prompts.hpp"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);  // takes Qt's own options out of argv
  QApplication::setApplicationName(QStringLiteral("flexedit"));
  flex::ui::loadQtTranslations(app);
  flex::ui::MainWindow window;
  window.show();
  if (const auto file = flex::ui::commandLineFile(argc, argv)) window.openFileLater(*file);
  return app.exec();
}
