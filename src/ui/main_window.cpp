// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_window.hpp"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QToolButton>
#include <QWindow>
#include <functional>

#include "session/message_catalog.hpp"
#include "ui/about_dialog.hpp"
#include "ui/app_info.hpp"
#include "ui/close_prompt.hpp"
#include "ui/desktop_sys_info.hpp"
#include "ui/edit_menu.hpp"
#include "ui/file_drops.hpp"
#include "ui/fonts.hpp"
#include "ui/label_dialog.hpp"
#include "ui/option_pages.hpp"
#include "ui/pictures.hpp"
#include "ui/preview_panel.hpp"
#include "ui/recent_files.hpp"
#include "ui/status_panel.hpp"
#include "ui/twips.hpp"

namespace flex::ui {
namespace {

QString utf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A path as the editor takes it: the file system's bytes.
std::string nativeName(const QString& path) {
  return QFile::encodeName(QDir::toNativeSeparators(path)).toStdString();
}

// Runs `then` from the event loop once `window` is on the screen.
class WhenExposed : public QObject {
 public:
  WhenExposed(QWindow* window, std::function<void()> then)
      : QObject(window), then_(std::move(then)) {
    window->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
      watched->removeEventFilter(this);
      QMetaObject::invokeMethod(
          this,
          [this] {
            then_();
            deleteLater();
          },
          Qt::QueuedConnection);
    }
    return false;
  }

 private:
  std::function<void()> then_;
};

QAction* makeAction(QObject* parent, const char* name, const QString& text) {
  auto* action = new QAction(text, parent);
  action->setObjectName(QLatin1String(name));
  return action;
}

}  // namespace

MainWindow::MainWindow(Prompts prompts, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                              Qt::MSWindowsFixedSizeDialogHint),
      prompts_(std::move(prompts)) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(utf8(kAppTitle));
  setWindowIcon(spannerIcon());
  setFont(captionFont(false));  // menus and status bar too
  sysInfo_ =
      std::make_unique<DesktopSysInfoHost>([this](std::string_view prompt, std::string_view title) {
        if (prompts_.messageBox)
          prompts_.messageBox(aboutDialog_ ? static_cast<QWidget*>(aboutDialog_) : this,
                              utf8(prompt), utf8(title));
      });

  const Twips tw(logicalDpiX());
  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("client"));
  client->setFixedSize(tw.size(8895, 5805));
  setCentralWidget(client);

  createActions();
  createMenus();
  createEditMenu();
  createBackupItem();
  createRecentFilesMenu();
  pages_ = new OptionPages(editor_, tw, client);
  createPictureButtons(client, tw);
  preview_ = new PreviewPanel(editor_, tw, client);
  createCommandButtons(tw);
  createStatusBar(tw);
  setFixedSize(sizeHint());

  auto* drops = new FileDrops([this](const QString& path) { openFile(nativeName(path)); }, this);
  installEventFilter(drops);
  preview_->setDropFilter(drops);
  setAcceptDrops(true);

  editor_.start();
}

MainWindow::~MainWindow() {
  delete aboutDialog_.data();
  delete labelDialog_.data();
  // The widgets go before the editor they talk to.
  delete takeCentralWidget();
}

LabelDialog* MainWindow::labelDialog() const { return labelDialog_; }

AboutDialog* MainWindow::aboutDialog() const { return aboutDialog_; }

void MainWindow::setSysInfoHost(std::unique_ptr<SysInfoHost> host) {
  if (host) sysInfo_ = std::move(host);
}

void MainWindow::openFile(const std::string& name) { rememberFile(editor_.openFile(name)); }

// Once the window stands where the desktop put it, so that a message about the file is
// centred over it.
void MainWindow::openFileLater(const std::string& name) {
  QWindow* window = windowHandle();
  if (window && !window->isExposed())
    new WhenExposed(window, [this, name] { openFile(name); });
  else
    QMetaObject::invokeMethod(
        this, [this, name] { openFile(name); }, Qt::QueuedConnection);
}

// --- building the window ---

void MainWindow::createActions() {
  openAction_ = makeAction(this, "mnuApri", QStringLiteral("Apri Flex"));
  openAction_->setIcon(openFolderPicture());
  openAction_->setToolTip(QStringLiteral("Apri Flex..."));
  connect(openAction_, &QAction::triggered, this,
          [this] { rememberFile(editor_.openWithDialog()); });

  saveAction_ = makeAction(this, "mnuSalva", QStringLiteral("Salva Flex..."));
  saveAction_->setIcon(diskettePicture());
  saveAction_->setToolTip(QStringLiteral("Salva Flex..."));
  connect(saveAction_, &QAction::triggered, this, [this] { saveFile(); });

  builtinAction_ = makeAction(this, "mnuFlexInterna", QStringLiteral("Carica Flex Interna"));
  builtinAction_->setIcon(blankPagePicture());
  builtinAction_->setToolTip(QStringLiteral("Carica Flex Interna"));
  connect(builtinAction_, &QAction::triggered, this, [this] { editor_.loadBuiltinFlex(); });

  helpAction_ = makeAction(this, "mnuHelp", QStringLiteral("Help"));  // no action

  aboutAction_ = makeAction(this, "mnuAbout", QStringLiteral("About"));
  connect(aboutAction_, &QAction::triggered, this, [this] { showAboutDialog(); });

  for (QAction* action : {openAction_, saveAction_, builtinAction_})
    action->setIconVisibleInMenu(false);
}

void MainWindow::createMenus() {
  QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
  file->setObjectName(QStringLiteral("mnuFile"));
  file->addAction(openAction_);
  file->addAction(saveAction_);
  file->addAction(builtinAction_);

  QMenu* phone = menuBar()->addMenu(QStringLiteral("&Phone"));  // no items
  phone->setObjectName(QStringLiteral("mnuPhone"));

  QMenu* info = menuBar()->addMenu(QStringLiteral("&Informazioni"));
  info->setObjectName(QStringLiteral("mnuInfo"));
  info->addAction(helpAction_);
  info->addAction(aboutAction_);
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
  auto* save = new QPushButton(QStringLiteral("Genera File FLEX"), preview_);
  save->setObjectName(QStringLiteral("cmdGenera"));
  save->setGeometry(tw.rect(480, 3840, 2175, 375));
  connect(save, &QPushButton::clicked, saveAction_, &QAction::trigger);

  auto* quit = new QPushButton(QStringLiteral("Esci Dal Programma"), preview_);
  quit->setObjectName(QStringLiteral("cmdEsci"));
  quit->setGeometry(tw.rect(3360, 3840, 2055, 375));
  connect(quit, &QPushButton::clicked, this, &QWidget::close);
}

// "Modifica", between "&File" and "&Phone".
void MainWindow::createEditMenu() {
  editMenu_ = new EditMenu(editor_, this);
  menuBar()->insertMenu(findChild<QMenu*>(QStringLiteral("mnuPhone"))->menuAction(), editMenu_);
}

// "Copia di sicurezza (~)" in "&File": a save that replaces a file first keeps what it held as
// NAME~ (once per file while the window is open). On by default, remembered between runs.
void MainWindow::createBackupItem() {
  const QString key = QStringLiteral("keepBackups");
  auto* backup = new QAction(QStringLiteral("Copia di sicurezza (~)"), this);
  backup->setObjectName(QStringLiteral("mnuCopiaSicurezza"));
  backup->setCheckable(true);
  backup->setChecked(QSettings().value(key, true).toBool());
  editor_.setKeepBackups(backup->isChecked());
  connect(backup, &QAction::toggled, this, [this, key](bool keep) {
    editor_.setKeepBackups(keep);
    QSettings().setValue(key, keep);
  });
  findChild<QMenu*>(QStringLiteral("mnuFile"))->addAction(backup);
}

// "File recenti", at the end of "&File". A file that opened or was saved goes to its top.
void MainWindow::createRecentFilesMenu() {
  recentFiles_ = new RecentFiles(
      [this](const QString& path) {
        const FileOutcome outcome = editor_.openFile(nativeName(path));
        rememberFile(outcome);
        return outcome != FileOutcome::Failed;
      },
      this);
  QMenu* file = findChild<QMenu*>(QStringLiteral("mnuFile"));
  file->addSeparator();
  file->addMenu(recentFiles_);
}

void MainWindow::rememberFile(FileOutcome outcome) {
  if (outcome == FileOutcome::Done) recentFiles_->add(lastFile());
}

FileOutcome MainWindow::saveFile() {
  const FileOutcome outcome = editor_.saveWithDialog();
  rememberFile(outcome);
  return outcome;
}

void MainWindow::createStatusBar(const Twips& tw) {
  statusBar()->setObjectName(QStringLiteral("StatusBar"));
  statusBar()->setSizeGripEnabled(false);
  statusBar()->setFixedHeight(tw(255));
  statusPanel_ = new StatusPanel(statusBar());
  statusPanel_->setObjectName(QStringLiteral("StatusBarPanel1"));
  // A long path must not widen the fixed window.
  statusPanel_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  statusBar()->addWidget(statusPanel_, 1);
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
  const MessageText text = messageText(message);
  prompts_.messageBox(messageParent(), utf8(text.prompt), utf8(text.title));
  if (focus && focus->isVisible()) {
    focus->activateWindow();
    focus->setFocus(Qt::OtherFocusReason);
  }
}

// The file last loaded or saved, as Qt names it ("" before the first).
QString MainWindow::lastFile() const {
  return QFile::decodeName(QByteArray::fromStdString(state().fileName));
}

// The folder of the file last opened or saved, in this run or (through "File recenti") before.
QString MainWindow::startFolder() const {
  QString last = lastFile();
  if (last.isEmpty() && recentFiles_ && !recentFiles_->files().isEmpty())
    last = recentFiles_->files().first();
  return flexStartFolder(last);
}

std::string MainWindow::openFileName() {
  return nativeName(prompts_.openFileName ? prompts_.openFileName(this, startFolder()) : QString());
}

std::string MainWindow::saveFileName() {
  return nativeName(prompts_.saveFileName ? prompts_.saveFileName(this, startFolder()) : QString());
}

void MainWindow::labelDialogShown() {
  if (!labelDialog_) {
    labelDialog_ = new LabelDialog(editor_, this);
    labelDialog_->move(frameGeometry().center() - labelDialog_->rect().center());
  }
  labelDialog_->show();
  labelDialog_->raise();
  labelDialog_->activateWindow();
}

void MainWindow::labelDialogClosed() {
  if (!labelDialog_) return;
  // Possibly called from inside one of the dialog's own handlers: destroy it afterwards.
  labelDialog_->hide();
  labelDialog_->deleteLater();
  labelDialog_ = nullptr;
}

void MainWindow::stateChanged() {
  const EditorState& s = editor_.state();
  pages_->redraw(s);
  preview_->redraw(s);
  statusPanel_->setFullText(QString::fromStdString(s.statusText));
  editMenu_->updateEnabled();
  updateTitle();
  if (labelDialog_) labelDialog_->redraw();
}

// "Tessaron Orvane - mio.hs *": the file last loaded or saved, and a mark while the records
// differ from it.
void MainWindow::updateTitle() {
  QString title = utf8(kAppTitle);
  if (!lastFile().isEmpty()) title += QStringLiteral(" - ") + QFileInfo(lastFile()).fileName();
  if (editor_.modified()) title += QStringLiteral(" *");
  setWindowTitle(title);
}

// --- the window's own events ---

void MainWindow::showAboutDialog() {
  if (!aboutDialog_) {
    aboutDialog_ = new AboutDialog(*sysInfo_);
    aboutDialog_->move(frameGeometry().center() - aboutDialog_->rect().center());
  }
  aboutDialog_->show();
  aboutDialog_->raise();
  aboutDialog_->activateWindow();
}

// Changes not saved: the person saves them first ("Salva Flex..."; the window stays open when
// that is cancelled or fails), lets them go, or stays. Asked before the label dialog closes, so
// that staying keeps it as it is.
bool MainWindow::mayClose() {
  if (!editor_.modified()) return true;
  switch (askSaveBeforeClosing(messageParent(), lastFile())) {
    case CloseAnswer::Save: return saveFile() == FileOutcome::Done;
    case CloseAnswer::Discard: return true;
    case CloseAnswer::Cancel: break;
  }
  return false;
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!mayClose()) {
    event->ignore();
    return;
  }
  editor_.closeMainWindow();  // closes the label dialog by the editor's rules
  if (aboutDialog_) aboutDialog_->close();
  QMainWindow::closeEvent(event);
}

}  // namespace flex::ui
