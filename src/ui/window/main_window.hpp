// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window ("Form1"): the menus and their actions, the picture buttons, "Genera File
// FLEX" and "Esci Dal Programma", the status bar and the title, around two panels: the option
// pages and the "Preview" frame. It holds the editor and no rule of it: every click and
// keystroke goes to flex::Editor, and after each action the window is drawn again from the
// editor's state. A flex also comes in from outside: a file named on the command line or
// dropped on the window is opened as "Apri Flex" opens it. Closing the window, or another flex
// taking the place of one, on work not saved asks first (the editor says when); so does a save
// over a file that another program has changed, and the status bar tells of such a change.
// Every menu item has its letter, the common commands their keys (Ctrl+O, Ctrl+S, Ctrl+Shift+S,
// Ctrl+Q, F1), and "Help" opens the help window.
// The editor offers the options it is given: the built-in ones, then the user's own, on a third
// page.
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>
#include <optional>

#include "session/editor.hpp"
#include "ui/dialogs/prompts.hpp"

class QAction;
class QMenu;

namespace flex::ui {

class AboutDialog;
class DiskNotice;
class EditMenu;
class HelpWindow;
class LabelDialog;
class OptionPages;
class PreviewPanel;
class RecentFiles;
class RecoveryKeeper;
class StatusPanel;
class SysInfoHost;
class Twips;

class MainWindow : public QMainWindow, private EditorView {
  Q_OBJECT

 public:
  explicit MainWindow(Prompts prompts = desktopPrompts(),
                      std::shared_ptr<const OptionSet> options = OptionSet::builtinOnly(),
                      QWidget* parent = nullptr);
  ~MainWindow() override;

  Editor& editor() { return editor_; }

  OptionPages* optionPages() const { return pages_; }
  PreviewPanel* preview() const { return preview_; }
  // The dialogs while they are open, else null.
  LabelDialog* labelDialog() const;
  AboutDialog* aboutDialog() const;
  HelpWindow* helpWindow() const;
  RecentFiles* recentFiles() const { return recentFiles_; }

  // What "System Info..." of the About dialog talks to (the desktop's own by default).
  void setSysInfoHost(std::unique_ptr<SysInfoHost> host);

  // "Apri Flex" with `name` (the file system's bytes) already chosen.
  void openFile(const std::string& name);
  // Once the window stands where the desktop put it (so that a message is centred over it), from
  // the event loop: `first` (a message about the start-up), then "Apri Flex" with `name`, then
  // the offer of the recovery copies that no running window holds.
  void startLater(std::optional<std::string> name, std::function<void()> first = {});
  // A message box of the window's own (the problems of the user's options file at start-up).
  void showMessage(const QString& prompt, const QString& title);

  // Keeps a recovery copy in `folder` while the flex has changes not saved (see
  // RecoveryKeeper); without it, none is kept.
  void keepRecoveryCopies(const std::string& folder);
  RecoveryKeeper* recovery() const { return recovery_; }
  // A signal ends the program: the copy is written now and kept, the window closes unasked.
  void endAtSignal();
  // The desktop session ends. With `mayAsk()` the person is asked as closing asks (false: the
  // session is to go on); without, the copy is written now and kept.
  bool endSession(const std::function<bool()>& mayAsk);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // EditorView
  void messageBox(const EditorMessage& message) override;
  std::string openFileName() override;
  std::string saveFileName() override;
  UnsavedAnswer askUnsaved(Leaving why) override;
  OverwriteAnswer askOverwrite(const std::string& file, DiskChange change) override;
  void labelDialogShown() override;
  void labelDialogClosed() override;
  void stateChanged() override;

  void createActions();
  void createBackupAction();
  void createRecentFilesMenu();
  void createMenus();
  void createPictureButtons(QWidget* client, const Twips& tw);
  void createCommandButtons(const Twips& tw);
  void createStatusBar(const Twips& tw);
  bool mayClose();
  bool mayOpen(const std::string& name);
  int ask(const Question& question);  // the answer's place; the escape answer without Prompts
  void showAboutDialog();
  void showHelpWindow();
  void updateTitle();
  QWidget* messageParent();
  QString lastFile() const;
  QString startFolder() const;

  Prompts prompts_;
  QAction* openAction_ = nullptr;     // "Apri Flex"
  QAction* saveAction_ = nullptr;     // "Salva Flex..."
  QAction* builtinAction_ = nullptr;  // "Carica Flex Interna"
  QAction* backupAction_ = nullptr;   // "Copia di sicurezza (~)"
  QAction* helpAction_ = nullptr;     // "Help"
  QAction* aboutAction_ = nullptr;    // "About"

  QAction* saveInPlaceAction_ = nullptr;  // "Salva", above "Salva Flex..."
  QAction* quitAction_ = nullptr;         // "Esci", the last item of "&File"
  // The menu bar, in its order.
  QMenu* fileMenu_ = nullptr;           // "&File"
  RecentFiles* recentFiles_ = nullptr;  // "File recenti", in "&File"
  EditMenu* editMenu_ = nullptr;        // "&Modifica"
  QMenu* phoneMenu_ = nullptr;          // "&Phone"
  QMenu* infoMenu_ = nullptr;           // "&Informazioni"
  OptionPages* pages_ = nullptr;
  PreviewPanel* preview_ = nullptr;
  StatusPanel* statusPanel_ = nullptr;
  DiskNotice* diskNotice_ = nullptr;
  QPointer<LabelDialog> labelDialog_;
  QPointer<AboutDialog> aboutDialog_;
  QPointer<HelpWindow> helpWindow_;
  std::unique_ptr<SysInfoHost> sysInfo_;
  RecoveryKeeper* recovery_ = nullptr;
  enum class Ending { Ask, Asked, KeepCopy } ending_ = Ending::Ask;  // how a close goes

  Editor editor_;
};

}  // namespace flex::ui
