// SPDX-License-Identifier: GPL-3.0-or-later
// flexedit: the window of the A835 flex editor.
//   flexedit [--options FILE] [FILE.hs]   opens the file as "Apri Flex" does, once the window
//                                         shows, with the user's options of FILE
//   flexedit --help | --version
#include <QApplication>
#include <QCommandLineParser>
#include <QSessionManager>
#include <QStringList>

#include <csignal>
#include <cstdio>
#include <optional>
#include <string>

#include "flexedit/version.hpp"
#include "session/editor.hpp"
#include "ui/app/command_line.hpp"
#include "ui/app/user_options_file.hpp"
#include "ui/support/font_warm_up.hpp"
#include "ui/support/qt_translations.hpp"
#include "ui/support/quit_signals.hpp"
#include "ui/window/main_window.hpp"
#include "ui/window/recovery_keeper.hpp"
#ifdef FLEXEDIT_STEP_INPUT
#include "step_input.hpp"  // flexedit-steps only: see scripts/kill-window
#endif

namespace {

// Also the source of the manual page flexedit(1) (help2man).
constexpr const char* kHelpText = R"(Usage: flexedit [OPTION]... [--options FILE] [FILE.hs]
Edit the FLEX configuration of the Motorola A835 phone in a window.

The window starts from the built-in flex: tick options on its two pages while
the three records (Base, Call, GPRS label) show in a hexadecimal preview, give
the phone a personal label of up to 12 characters in place of "GPRS", and open
and save .hs files. Its texts are in English or Italian, as the user's
languages (LANGUAGE, LC_ALL, LC_MESSAGES, LANG) ask; Italian when neither is.

FILE.hs, when given, is opened as "Apri Flex" opens it, once the window shows;
only the first argument that is not --options FILE counts. A .hs file dropped
on the window opens the same way. "Salva" writes the file last opened or saved;
"Salva Flex..." asks for a name. "Modifica" undoes and redoes the last steps;
"File recenti" in the File menu reopens one of the last 8 files opened or
saved. "Help" (F1) explains the window and lists the 33 options. flexedit-cli
makes the same edits without
a window.

The window asks before work is lost:
  - closing it, "Apri Flex", a dropped file, "File recenti" or "Carica Flex
    Interna" on changes not saved (a label typed and not yet confirmed
    included) asks whether to save them first: "Salva" saves as "Salva" does,
    "Non salvare" lets them go, "Annulla" changes nothing;
  - a save over a file that another program changed since it was opened or
    saved here, or moved or deleted, asks first: "Sovrascrivi" or "Annulla";
  - when another program changes, moves or deletes the open file, the status
    bar says so; with no changes not saved it offers "Ricarica" (open it again,
    a step that "Annulla" undoes).
Until changes are saved, a recovery copy of them is kept, which the next start
offers to restore after a crash, a kill or a power cut; SIGTERM, SIGHUP and
SIGINT write it and end the window.

Keys:
  Ctrl+O                        Apri Flex
  Ctrl+S                        Salva (asks for a name while there is no file)
  Ctrl+Shift+S                  Salva Flex...
  Ctrl+Z                        Annulla
  Ctrl+Y, Ctrl+Shift+Z          Ripeti
  Ctrl+Tab, Ctrl+PgDown         the next option page
  Ctrl+Shift+Tab, Ctrl+PgUp     the previous option page
  F1                            Help
  Ctrl+Q                        Esci (asks first about changes not saved)
Every menu item also has its letter (Alt and the underlined letter).

Options:
  -h, --help      display this help and exit
      --version   output version information and exit
      --options FILE
                  take the user's options from FILE instead of the default
                  file; --options "" takes none

User options:
Bits that the 33 options do not name can be named in an options file and then
ticked like any option, on a third page "Opzioni utente". The file is
$XDG_CONFIG_HOME/flexedit/options.json (~/.config/flexedit/options.json when
XDG_CONFIG_HOME is unset), or the FILE of --options:

  {"options": [
    {"id": "MyBit", "caption": "My bit",
     "toolTip": "What it does on the phone",
     "record": "Base", "position": 181, "bits": [3],
     "polarity": "ticked sets", "gated": false}
  ]}

id: letters, digits and _, unique, not of the form CheckN(i); caption: not
empty; toolTip: optional; record: "Base" or "Call"; position: the character
position of the byte from 1 (odd), as flexedit-cli --list --json gives it;
bits: 1 to 8 (1 the lowest), each once; polarity: "ticked sets" or "ticked
clears"; gated: optional, true writes nothing while options are read back. An
option is ticked when every listed bit holds what ticking writes. Problems of
the file show in one message at start-up; the entries without one load. A file
over 1 MiB or with more than 200 entries loads nothing. flexedit-cli --help
tells more.

Qt's own options are taken as well, for example -platform NAME, -style NAME
and -display DISPLAY; see the Qt documentation of QApplication.

Files:
A flex file (.hs) holds one record per line, as upper-case hexadecimal digit
pairs, each line ended by CR LF.
$XDG_STATE_HOME/flexedit/recovery (~/.local/state/flexedit/recovery when
XDG_STATE_HOME is not set) holds the recovery copies, one per window with
changes not saved.
)";

// --help and --version are answered before QApplication exists, so they need no display. The
// other arguments are left alone here: Qt takes its own options, the first remaining one is
// the file.
std::optional<int> answerInformationOptions(int argc, char* argv[]) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  QCommandLineParser parser;
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
  const QCommandLineOption version(QStringLiteral("version"));
  parser.addOptions({help, version});
  (void)parser.parse(arguments);  // unknown options are Qt's or a file name: no error here
  if (parser.isSet(help)) {
    std::fputs(kHelpText, stdout);
  } else if (parser.isSet(version)) {
    std::printf("flexedit %s\n%s", std::string(flex::version::kString).c_str(),
                std::string(flex::version::kNotice).c_str());
  } else {
    return std::nullopt;
  }
  return std::fflush(stdout) == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (const auto status = answerInformationOptions(argc, argv)) return *status;
  std::signal(SIGPIPE, SIG_IGN);  // a save to a pipe whose reader has gone is a write error
  flex::ui::FontWarmUp fonts;     // while Qt connects to the display
  QApplication app(argc, argv);   // takes Qt's own options out of argv
  QApplication::setApplicationName(QStringLiteral("flexedit"));
  QApplication::setOrganizationName(QStringLiteral("flexedit"));  // settings: "File recenti"
  flex::ui::loadQtTranslations(app);
  const flex::ui::CommandLine line = flex::ui::readCommandLine(argc, argv);
  const flex::ui::UserOptionsFile user = flex::ui::loadUserOptions(line.optionsFile);
  fonts.wait();
  flex::ui::MainWindow window(flex::ui::desktopPrompts(), user.options);
  window.keepRecoveryCopies(flex::ui::recoveryFolder());
  const flex::ui::QuitSignals quitSignals([&window](int) { window.endAtSignal(); });
  QObject::connect(&app, &QGuiApplication::commitDataRequest, &window,
                   [&window](QSessionManager& session) {
                     if (!window.endSession([&session] { return session.allowsInteraction(); }))
                       session.cancel();
                     session.release();
                   });
  window.show();
#ifdef FLEXEDIT_STEP_INPUT
  flex::ui::takeStepsFromStandardInput(window);
#endif
  // The options file's problems first, then the file and the recovery copies: each message
  // stands over the window.
  window.startLater(line.file, [&window, &user] {
    if (user.problems.empty()) return;
    const auto [prompt, title] = flex::ui::problemsMessage(user);
    window.showMessage(prompt, title);
  });
  return app.exec();
}
