#pragma once
// The main window: the two option pages, the picture buttons, the "Preview" frame with the
// raw and formatted views of the three records, the menus and the status bar. It holds no
// editor rule: every click and keystroke goes to flex::Editor, and after each action the whole
// window is drawn again from the editor's state. A flex also comes in from outside: a file
// named on the command line or dropped on the window is opened as "Apri Flex" opens it.
#include <QFont>
#include <QMainWindow>
#include <QPointer>
#include <array>
#include <memory>
#include <vector>

#include "session/editor.hpp"
#include "ui/prompts.hpp"
#include "ui/twips.hpp"

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTabBar;
class QToolButton;

namespace flex::ui {

class ByteTips;
class FrmAbout;
class FrmGprs;
class HexView;
class SysInfoHost;

class Form1 : public QMainWindow, private EditorView {
  Q_OBJECT

 public:
  explicit Form1(Prompts prompts = desktopPrompts(), QWidget* parent = nullptr);
  ~Form1() override;

  Editor& editor() { return editor_; }
  const EditorState& state() const { return editor_.state(); }

  // The dialogs while they are open, else null.
  FrmGprs* labelDialog() const;
  FrmAbout* aboutDialog() const;

  // What "System Info..." of the About dialog talks to (the desktop's own by default).
  void setSysInfoHost(std::unique_ptr<SysInfoHost> host);

  // "Apri Flex" with `name` (the file system's bytes) already chosen: at once, or once the
  // event loop runs (for the file named on the command line, after the window shows).
  void openFile(const std::string& name);
  void openFileLater(const std::string& name);

  QCheckBox* optionBox(std::size_t row) const { return checks_[row]; }
  // The raw previews are made the first time they show or one is asked for here.
  QPlainTextEdit* rawPreview(std::size_t slot);
  HexView* formattedBox(std::size_t slot) const { return formatted_[slot]; }
  const std::vector<QLabel*>& rowLabels(std::size_t slot) const { return rowLabels_[slot]; }
  QLabel* ruler() const { return ruler_; }
  QTabBar* tabStrip() const { return tabStrip_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // EditorView
  void messageBox(std::string_view prompt, std::string_view title) override;
  std::string openFileName() override;
  std::string saveFileName() override;
  void labelDialogShown() override;
  void labelDialogClosed() override;
  void stateChanged() override;

  void createActions();
  void createMenus();
  void createStatusBar();
  void createPictureButtons(QWidget* client);
  void createPages(QWidget* client);
  void createPreview(QWidget* client);
  void createRawPreviews();
  void showRawPreview(std::size_t slot);
  void placeRuler();
  void placeRowLabels(std::size_t slot);
  void mnuAbout_Click();
  void rawEdited(std::size_t slot);
  void showChangedBytes();
  void updateTitle();
  bool takeFileDrop(QEvent* event);
  QWidget* messageParent();

  Prompts prompts_;
  Twips tw_;

  QAction* mnuApri_ = nullptr;
  QAction* mnuSalva_ = nullptr;
  QAction* mnuFlexInterna_ = nullptr;
  QAction* mnuHelp_ = nullptr;
  QAction* mnuAbout_ = nullptr;

  QTabBar* tabStrip_ = nullptr;
  QGroupBox* frmPagina1_ = nullptr;
  QGroupBox* frmPagina2_ = nullptr;
  QGroupBox* frame2_ = nullptr;
  std::array<QCheckBox*, kOptionCount> checks_{};  // by catalogue row
  QCheckBox* formattazioneTesto_ = nullptr;
  QPushButton* cmdEsci_ = nullptr;
  std::array<QPlainTextEdit*, 3> txtpreview_{};  // null until first needed
  QFont hexFont_;  // the formatted boxes', the ruler's, the row labels' and the raw previews'
  std::array<HexView*, 3> formatted_{};
  std::array<std::vector<QLabel*>, 3> rowLabels_;
  QLabel* ruler_ = nullptr;
  QLabel* statusPanel_ = nullptr;

  QPointer<FrmGprs> gprs_;
  QPointer<FrmAbout> about_;
  ByteTips* byteTips_ = nullptr;
  std::unique_ptr<SysInfoHost> sysInfo_;

  Editor editor_{static_cast<EditorView&>(*this)};
};

}  // namespace flex::ui
