// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/main_window.hpp"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QToolButton>
#include <QWindow>
#include <cstdlib>

#include "flex/file_context.hpp"

#include "session/message_catalog.hpp"
#include "ui/dialogs/about_dialog.hpp"
#include "ui/dialogs/close_question.hpp"
#include "ui/dialogs/desktop_sys_info.hpp"
#include "ui/dialogs/help_window.hpp"
#include "ui/dialogs/label_dialog.hpp"
#include "ui/dialogs/overwrite_question.hpp"
#include "ui/previews/preview_panel.hpp"
#include "ui/support/app_info.hpp"
#include "ui/support/core_words.hpp"
#include "ui/support/fonts.hpp"
#include "ui/support/pictures.hpp"
#include "ui/support/png_style.hpp"
#include "ui/support/qt_strings.hpp"
#include "ui/support/show_in_front.hpp"
#include "ui/support/twips.hpp"
#include "ui/support/when_exposed.hpp"
#include "ui/window/disk_notice.hpp"
#include "ui/window/edit_menu.hpp"
#include "ui/window/file_drops.hpp"
#include "ui/window/option_pages.hpp"
#include "ui/window/recent_files.hpp"
#include "ui/window/recovery_keeper.hpp"
#include "ui/window/status_panel.hpp"

namespace flex::ui {
namespace {

QAction* makeAction(QObject* parent, const char* name, const QString& text,
                    QList<QKeySequence> keys = {}) {
  auto* action = new QAction(text, parent);
  action->setObjectName(QLatin1String(name));
  action->setShortcuts(keys);
  return action;
}

}  // namespace

MainWindow::MainWindow(Prompts prompts, std::shared_ptr<const OptionSet> options, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                              Qt::MSWindowsFixedSizeDialogHint),
      prompts_(std::move(prompts)),
      editor_(static_cast<EditorView&>(*this), std::move(options)) {
  PngStyle::installOverFusion();  // before the first widget: no image plugin is loaded at start
  // The menu bar belongs to the window's fixed layout: it is never handed to a desktop's global
  // menu, which also spares the start a question to the session bus.
  QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(fromUtf8(kAppTitle));
  setWindowIcon(spannerIcon());
  setFont(captionFont(false));  // menus and status bar too
  sysInfo_ =
      std::make_unique<DesktopSysInfoHost>([this](std::string_view prompt, std::string_view title) {
        if (prompts_.messageBox)
          prompts_.messageBox(aboutDialog_ ? static_cast<QWidget*>(aboutDialog_) : this,
                              fromUtf8(prompt), fromUtf8(title));
      });

  const Twips tw(logicalDpiX());
  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("client"));
  client->setFixedSize(tw.size(8895, 5805));
  setCentralWidget(client);

  createActions();
  createBackupAction();
  createRecentFilesMenu();
  createMenus();
  pages_ = new OptionPages(editor_, tw, client);
  createPictureButtons(client, tw);
  preview_ = new PreviewPanel(editor_, tw, client);
  createCommandButtons(tw);
  createStatusBar(tw);
  setFixedSize(sizeHint());
  pages_->firstBox(1)->setFocus();  // where the keyboard starts

  auto* drops =
      new FileDrops([this](const QByteArray& path) { openFile(path.toStdString()); }, this);
  installEventFilter(drops);
  preview_->setDropFilter(drops);
  setAcceptDrops(true);

  // Restore copies in the user's state folder, where the CLI keeps them too.
  flex::FileContext files;
  files.restoreFolder = flex::restoreFolderFor(std::getenv("XDG_STATE_HOME"), std::getenv("HOME"));
  editor_.setFileContext(std::move(files));
  editor_.start();
}

MainWindow::~MainWindow() {
  delete helpWindow_.data();
  delete aboutDialog_.data();
  delete labelDialog_.data();
  // The widgets go before the editor they talk to.
  delete takeCentralWidget();
}

LabelDialog* MainWindow::labelDialog() const { return labelDialog_; }

AboutDialog* MainWindow::aboutDialog() const { return aboutDialog_; }

HelpWindow* MainWindow::helpWindow() const { return helpWindow_; }

void MainWindow::setSysInfoHost(std::unique_ptr<SysInfoHost> host) {
  if (host) sysInfo_ = std::move(host);
}

void MainWindow::openFile(const std::string& name) {
  if (mayOpen(name)) editor_.openFile(name);
}

void MainWindow::startLater(std::optional<std::string> name, std::function<void()> first) {
  const auto start = [this, name, first] {
    if (first) first();
    if (name) openFile(*name);
    if (recovery_) recovery_->offerOrphans();
  };
  QWindow* window = windowHandle();
  if (window && !window->isExposed())
    new WhenExposed(window, start);
  else
    QMetaObject::invokeMethod(this, start, Qt::QueuedConnection);
}

void MainWindow::showMessage(const QString& prompt, const QString& title) {
  if (prompts_.messageBox) prompts_.messageBox(messageParent(), prompt, title);
}

void MainWindow::keepRecoveryCopies(const std::string& folder) {
  delete recovery_;
  recovery_ = new RecoveryKeeper(
      editor_, folder, [this](const Question& question) { return ask(question); },
      [this](const QString& text) {
        if (prompts_.messageBox) prompts_.messageBox(messageParent(), text, fromUtf8(kAppTitle));
      },
      this);
}

// --- building the window ---

// Each item has a letter of its own within its menu (the "&" before it).
void MainWindow::createActions() {
  openAction_ = makeAction(this, "mnuApri", tr("&Apri Flex"), {Qt::CTRL | Qt::Key_O});
  openAction_->setIcon(openFolderPicture());
  openAction_->setToolTip(tr("Apri Flex..."));
  connect(openAction_, &QAction::triggered, this, [this] { editor_.openWithDialog(); });

  // "Salva" writes the file in hand; "Salva Flex..." always asks for a name.
  saveInPlaceAction_ = makeAction(this, "mnuSalvaFile", tr("&Salva"), {Qt::CTRL | Qt::Key_S});
  connect(saveInPlaceAction_, &QAction::triggered, this, [this] { editor_.save(); });

  saveAction_ =
      makeAction(this, "mnuSalva", tr("Salva &Flex..."), {Qt::CTRL | Qt::SHIFT | Qt::Key_S});
  saveAction_->setIcon(diskettePicture());
  saveAction_->setToolTip(tr("Salva Flex..."));
  connect(saveAction_, &QAction::triggered, this, [this] { editor_.saveWithDialog(); });

  builtinAction_ = makeAction(this, "mnuFlexInterna", tr("Carica Flex &Interna"));
  builtinAction_->setIcon(blankPagePicture());
  builtinAction_->setToolTip(tr("Carica Flex Interna"));
  connect(builtinAction_, &QAction::triggered, this, [this] { editor_.loadBuiltinFlex(); });

  // Through the question about changes not saved.
  quitAction_ = makeAction(this, "mnuEsci", tr("&Esci"), {Qt::CTRL | Qt::Key_Q});
  connect(quitAction_, &QAction::triggered, this, &QWidget::close);

  helpAction_ = makeAction(this, "mnuHelp", tr("&Help"), {Qt::Key_F1});
  connect(helpAction_, &QAction::triggered, this, [this] { showHelpWindow(); });

  aboutAction_ = makeAction(this, "mnuAbout", tr("&About"));
  connect(aboutAction_, &QAction::triggered, this, [this] { showAboutDialog(); });

  for (QAction* action : {openAction_, saveAction_, builtinAction_})
    action->setIconVisibleInMenu(false);
}

// "&File", "&Modifica", "&Phone" (no items), "&Informazioni".
void MainWindow::createMenus() {
  fileMenu_ = menuBar()->addMenu(tr("&File"));
  fileMenu_->setObjectName(QStringLiteral("mnuFile"));
  fileMenu_->addActions(
      {openAction_, saveInPlaceAction_, saveAction_, builtinAction_, backupAction_});
  fileMenu_->addSeparator();
  fileMenu_->addMenu(recentFiles_);
  fileMenu_->addSeparator();
  fileMenu_->addAction(quitAction_);
  // Another run may have added to the list since: "File recenti" is enabled as it has entries.
  connect(fileMenu_, &QMenu::aboutToShow, recentFiles_, &RecentFiles::rebuild);

  editMenu_ = new EditMenu(editor_, this);
  menuBar()->addMenu(editMenu_);

  phoneMenu_ = menuBar()->addMenu(tr("&Phone"));
  phoneMenu_->setObjectName(QStringLiteral("mnuPhone"));

  infoMenu_ = menuBar()->addMenu(tr("&Informazioni"));
  infoMenu_->setObjectName(QStringLiteral("mnuInfo"));
  infoMenu_->addActions({helpAction_, aboutAction_});

  // Pop-ups are windows of their own: they take the menu bar's font only when given it, and a
  // screen reader names them by their title.
  for (QMenu* menu : findChildren<QMenu*>()) {
    menu->setFont(menuBar()->font());
    menu->setWindowTitle(QString(menu->title()).remove(QLatin1Char('&')));
  }
}

void MainWindow::createPictureButtons(QWidget* client, const Twips& tw) {
  struct Button {
    const char* name;
    QAction* action;
    int left;
  };
  for (const Button& b :
       {Button{"cmdApri", openAction_, 3120}, Button{"cmdSalva", saveAction_, 3600},
        Button{"cmdFlexInterna", builtinAction_, 4080}}) {
    auto* button = new QToolButton(client);
    button->setObjectName(QLatin1String(b.name));
    button->setDefaultAction(b.action);
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    button->setIconSize(QSize(16, 16));
    button->setGeometry(tw.rect(b.left, 120, 375, 375));
  }
}

// "Genera File FLEX" and "Esci Dal Programma", inside the "Preview" frame.
void MainWindow::createCommandButtons(const Twips& tw) {
  auto* save = new QPushButton(tr("Genera File FLEX"), preview_);
  save->setObjectName(QStringLiteral("cmdGenera"));
  save->setGeometry(tw.rect(480, 3840, 2175, 375));
  connect(save, &QPushButton::clicked, saveAction_, &QAction::trigger);

  auto* quit = new QPushButton(tr("Esci Dal Programma"), preview_);
  quit->setObjectName(QStringLiteral("cmdEsci"));
  quit->setGeometry(tw.rect(3360, 3840, 2055, 375));
  connect(quit, &QPushButton::clicked, this, &QWidget::close);
}

// "Copia di sicurezza (~)": a save that replaces a file first keeps what it held as NAME~
// (once per file while the window is open). On by default, remembered between runs.
void MainWindow::createBackupAction() {
  const QString key = QStringLiteral("keepBackups");
  backupAction_ = makeAction(this, "mnuCopiaSicurezza", tr("&Copia di sicurezza (~)"));
  backupAction_->setCheckable(true);
  backupAction_->setChecked(QSettings().value(key, true).toBool());
  editor_.setKeepBackups(backupAction_->isChecked());
  connect(backupAction_, &QAction::toggled, this, [this, key](bool keep) {
    editor_.setKeepBackups(keep);
    QSettings().setValue(key, keep);
  });
}

// "File recenti": a file that opened or was saved goes to its top (see stateChanged).
void MainWindow::createRecentFilesMenu() {
  recentFiles_ = new RecentFiles(
      [this](const QByteArray& path) {
        if (!mayOpen(path.toStdString())) return true;
        return editor_.openFile(path.toStdString()) != FileOutcome::Failed;
      },
      this);
}

void MainWindow::createStatusBar(const Twips& tw) {
  statusBar()->setObjectName(QStringLiteral("StatusBar"));
  statusBar()->setSizeGripEnabled(false);
  statusBar()->setAccessibleName(tr("Barra di stato"));
  statusBar()->setFixedHeight(tw(255));
  statusPanel_ = new StatusPanel(statusBar());
  statusPanel_->setObjectName(QStringLiteral("StatusBarPanel1"));
  // A long path must not widen the fixed window.
  statusPanel_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  statusBar()->addWidget(statusPanel_, 1);
  diskNotice_ = new DiskNotice(editor_, statusBar());
  statusBar()->addPermanentWidget(diskNotice_);
}

// --- what the editor asks of the window ---

QWidget* MainWindow::messageParent() {
  // In front of the label dialog when it shows, which stays above the main window.
  if (labelDialog_ && labelDialog_->isVisible()) return labelDialog_;
  return this;
}

// The focus goes back where it was before the box (the label field, say), whichever window
// the desktop activates when the box closes.
void MainWindow::messageBox(const EditorMessage& message) {
  if (!prompts_.messageBox) return;
  const QPointer<QWidget> focus = QApplication::focusWidget();
  const MessageText text = messageText(message, coreTranslate());
  prompts_.messageBox(messageParent(), fromUtf8(text.prompt), fromUtf8(text.title));
  if (focus && focus->isVisible()) {
    focus->activateWindow();
    focus->setFocus(Qt::OtherFocusReason);
  }
}

// The file last loaded or saved, as Qt names it ("" before the first).
QString MainWindow::lastFile() const { return fromFileName(editor_.document().fileName); }

// The folder of the file last opened or saved, in this run or (through "File recenti") before.
QString MainWindow::startFolder() const {
  QString last = lastFile();
  if (last.isEmpty() && recentFiles_ && !recentFiles_->files().isEmpty())
    last = fromFileName(recentFiles_->files().first().toStdString());
  return flexStartFolder(last);
}

std::string MainWindow::openFileName() {
  std::string name =
      toFileName(prompts_.openFileName ? prompts_.openFileName(this, startFolder()) : QString());
  return mayOpen(name) ? name : std::string();
}

std::string MainWindow::saveFileName() {
  return toFileName(prompts_.saveFileName ? prompts_.saveFileName(this, startFolder()) : QString());
}

UnsavedAnswer MainWindow::askUnsaved(Leaving why) {
  switch (static_cast<CloseAnswer>(ask(closeQuestion(lastFile(), why)))) {
    case CloseAnswer::Save: return UnsavedAnswer::Save;
    case CloseAnswer::Discard: return UnsavedAnswer::Discard;
    case CloseAnswer::Cancel: break;
  }
  return UnsavedAnswer::Cancel;
}

OverwriteAnswer MainWindow::askOverwrite(const std::string& file, DiskChange change) {
  const auto choice =
      static_cast<OverwriteChoice>(ask(overwriteQuestion(fromFileName(file), change)));
  return choice == OverwriteChoice::Overwrite ? OverwriteAnswer::Overwrite
                                              : OverwriteAnswer::Cancel;
}

void MainWindow::labelDialogShown() {
  showInFront(labelDialog_, *this, [this] { return new LabelDialog(editor_, this); });
}

void MainWindow::labelDialogClosed() {
  if (!labelDialog_) return;
  // Possibly called from inside one of the dialog's own handlers: destroy it afterwards.
  labelDialog_->hide();
  labelDialog_->deleteLater();
  labelDialog_ = nullptr;
}

void MainWindow::stateChanged() {
  const FormState& form = editor_.form();
  pages_->redraw(editor_.document(), form);
  preview_->redraw(form);
  // "File: " and a file name: the file system's bytes.
  statusPanel_->setFullText(fromFileName(editor_.statusText()));
  if (diskNotice_->redraw() && !editor_.document().fileName.empty())
    recentFiles_->add(QByteArray::fromStdString(editor_.document().fileName));
  editMenu_->updateEnabled();
  updateTitle();
  if (labelDialog_) labelDialog_->redraw();
  if (recovery_) recovery_->stepDone();
}

// "Tessaron Orvane - mio.hs *": the file last loaded or saved, and a mark while the records
// differ from it.
void MainWindow::updateTitle() {
  QString title = fromUtf8(kAppTitle);
  if (!lastFile().isEmpty()) title += QStringLiteral(" - ") + QFileInfo(lastFile()).fileName();
  if (editor_.modified()) title += QStringLiteral(" *");
  setWindowTitle(title);
}

// --- the window's own events ---

void MainWindow::showAboutDialog() {
  showInFront(aboutDialog_, *this, [this] { return new AboutDialog(*sysInfo_); });
}

// The help lists the keys of these actions.
void MainWindow::showHelpWindow() {
  showInFront(helpWindow_, *this, [this] {
    QList<QAction*> keys{openAction_, saveInPlaceAction_, saveAction_, editMenu_->undoAction(),
                         editMenu_->redoAction()};
    keys << pages_->pageActions() << helpAction_ << quitAction_;
    return new HelpWindow(keys);
  });
}

int MainWindow::ask(const Question& question) {
  return prompts_.ask ? prompts_.ask(messageParent(), question) : question.escapeAnswer;
}

// Work not saved: the person saves it first ("Salva"; the window stays open when that is
// cancelled or fails), lets it go, or stays. Asked before the label dialog closes, so that
// staying keeps it as it is.
bool MainWindow::mayClose() { return editor_.settleUnsavedWork(Leaving::Close); }

bool MainWindow::mayOpen(const std::string& name) { return !recovery_ || recovery_->mayOpen(name); }

void MainWindow::endAtSignal() {
  ending_ = Ending::KeepCopy;
  close();
  QCoreApplication::quit();
}

bool MainWindow::endSession(const std::function<bool()>& mayAsk) {
  if (!editor_.hasUnsavedWork()) return true;
  if (!mayAsk()) {
    if (recovery_) recovery_->keepNow();
    return true;
  }
  if (!mayClose()) return false;
  ending_ = Ending::Asked;
  close();
  return true;
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // A signal that comes while the question shows leaves it unanswered and ends the window
  // all the same (its own close() does nothing while this one runs).
  if (ending_ == Ending::Ask && !mayClose() && ending_ != Ending::KeepCopy) {
    event->ignore();
    return;
  }
  // Saved, let go, or nothing to save: the copy goes. A signal keeps it.
  if (recovery_) recovery_->finish(ending_ == Ending::KeepCopy);
  editor_.closeMainWindow();  // closes the label dialog by the editor's rules
  if (aboutDialog_) aboutDialog_->close();
  if (helpWindow_) helpWindow_->close();
  QMainWindow::closeEvent(event);
}

}  // namespace flex::ui
