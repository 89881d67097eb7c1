// flexedit: the window of the A835 flex editor.
//   flexedit [FILE.hs]   opens the file as "Apri Flex" does, once the window shows
#include <QApplication>

#include <csignal>

#include "ui/command_line.hpp"
#include "ui/form1.hpp"

int main(int argc, char* argv[]) {
  std::signal(SIGPIPE, SIG_IGN);  // a save to a pipe whose reader has gone is a write error
  QApplication app(argc, argv);  // takes Qt's own options out of argv
  QApplication::setApplicationName(QStringLiteral("flexedit"));
  flex::ui::Form1 window;
  window.show();
  if (const auto file = flex::ui::commandLineFile(argc, argv)) window.openFileLater(*file);
  return app.exec();
}
