#include "ui/form1.hpp"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QStyle>
#include <QTabBar>
#include <QToolButton>
#include <QUrl>
#include <algorithm>
#include <optional>

#include "text/ansi.hpp"
#include "flex/builtin_records.hpp"
#include "flex/records.hpp"
#include "text/hex_format.hpp"
#include "ui/app_info.hpp"
#include "ui/byte_tips.hpp"
#include "ui/desktop_sys_info.hpp"
#include "ui/fonts.hpp"
#include "ui/frm_about.hpp"
#include "ui/frm_gprs.hpp"
#include "ui/hex_view.hpp"
#include "ui/pictures.hpp"
#include "ui/raw_bytes.hpp"

namespace flex::ui {
namespace {

QString utf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString fromAnsi(const std::string& ansi) { return QString::fromStdString(ansi::toUtf8(ansi)); }

// A path as the editor takes it: the file system's bytes.
std::string nativeName(const QString& path) {
  return QFile::encodeName(QDir::toNativeSeparators(path)).toStdString();
}

// What a dropped flex is: the first of the dropped files, when it is a local ".hs" file (the
// files the desktop's flex type names; others are refused before they replace the records).
std::optional<QString> droppedFlexFile(const QMimeData* data) {
  if (!data || !data->hasUrls() || data->urls().isEmpty()) return std::nullopt;
  const QUrl url = data->urls().first();
  if (!url.isLocalFile()) return std::nullopt;
  const QString path = url.toLocalFile();
  if (!path.endsWith(QStringLiteral(".hs"), Qt::CaseInsensitive)) return std::nullopt;
  return path;
}

// The record each slot is compared with to show what a flex changes.
constexpr std::array<std::string_view, 3> kBuiltInSlot{builtin::kBase, builtin::kCall,
                                                       builtin::kGprs};

// The preview's text as typed: line and paragraph breaks read as line feeds, every other
// character as it stands (plain-text export would turn no-break spaces into blanks).
QString rawText(const QPlainTextEdit* box) {
  QString text = box->document()->toRawText();
  for (QChar& c : text)
    if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator) c = QLatin1Char('\n');
  return text;
}

// Sets a preview's text only when it differs, keeping the cursor where it was.
void showRaw(QPlainTextEdit* box, const QString& text) {
  if (rawText(box) == text) return;
  const int position = box->textCursor().position();
  const QSignalBlocker blocker(box);
  box->setPlainText(text);
  QTextCursor cursor = box->textCursor();
  cursor.setPosition(std::min(position, static_cast<int>(text.size())));
  box->setTextCursor(cursor);
}

// The row labels beside each formatted box, by the index they carry in the Label1 array.
constexpr std::array<std::array<int, 7>, 3> kRowLabelIndex{{
    {0, 1, 2, 3, 4, 5, 10},
    {7, 6, 8, -1, -1, -1, -1},
    {9, 11, 13, -1, -1, -1, -1},
}};

struct BoxPlace {
  int left, top, width, height;  // twips
};
// The formatted boxes inside "Preview"; each raw preview lies on the window over its box.
constexpr std::array<BoxPlace, 3> kFormattedPlace{{
    {480, 480, 5085, 1455}, {480, 2000, 5085, 710}, {480, 2760, 5085, 735}}};
constexpr std::array<int, 3> kRowsShown{7, 3, 3};

}  // namespace

Form1::Form1(Prompts prompts, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                              Qt::MSWindowsFixedSizeDialogHint),
      prompts_(std::move(prompts)),
      tw_(logicalDpiX()) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(utf8(kAppTitle));
  setWindowIcon(spannerIcon());
  setFont(captionFont(false));  // menus and status bar too
  sysInfo_ = std::make_unique<DesktopSysInfoHost>(
      [this](std::string_view prompt, std::string_view title) {
        if (prompts_.messageBox)
          prompts_.messageBox(about_ ? static_cast<QWidget*>(about_) : this, utf8(prompt),
                              utf8(title));
      });

  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("client"));
  client->setFixedSize(tw_.size(8895, 5805));
  setCentralWidget(client);

  createActions();
  createMenus();
  createPages(client);
  createPictureButtons(client);
  createPreview(client);
  createStatusBar();
  setFixedSize(sizeHint());
  setAcceptDrops(true);

  editor_.start();
}

Form1::~Form1() {
  delete about_.data();
  delete gprs_.data();
  // The widgets go before the editor they talk to.
  delete takeCentralWidget();
}

FrmGprs* Form1::labelDialog() const { return gprs_; }

FrmAbout* Form1::aboutDialog() const { return about_; }

void Form1::setSysInfoHost(std::unique_ptr<SysInfoHost> host) {
  if (host) sysInfo_ = std::move(host);
}

void Form1::openFile(const std::string& name) { editor_.openFile(name); }

void Form1::openFileLater(const std::string& name) {
  QMetaObject::invokeMethod(this, [this, name] { openFile(name); }, Qt::QueuedConnection);
}

// --- building the window ---

void Form1::createActions() {
  mnuApri_ = new QAction(QStringLiteral("Apri Flex"), this);
  mnuApri_->setObjectName(QStringLiteral("mnuApri"));
  mnuApri_->setIcon(openFolderPicture());
  mnuApri_->setToolTip(QStringLiteral("Apri Flex..."));
  connect(mnuApri_, &QAction::triggered, this, [this] { editor_.openWithDialog(); });

  mnuSalva_ = new QAction(QStringLiteral("Salva Flex..."), this);
  mnuSalva_->setObjectName(QStringLiteral("mnuSalva"));
  mnuSalva_->setIcon(diskettePicture());
  mnuSalva_->setToolTip(QStringLiteral("Salva Flex..."));
  connect(mnuSalva_, &QAction::triggered, this, [this] { editor_.saveWithDialog(); });

  mnuFlexInterna_ = new QAction(QStringLiteral("Carica Flex Interna"), this);
  mnuFlexInterna_->setObjectName(QStringLiteral("mnuFlexInterna"));
  mnuFlexInterna_->setIcon(blankPagePicture());
  mnuFlexInterna_->setToolTip(QStringLiteral("Carica Flex Interna"));
  connect(mnuFlexInterna_, &QAction::triggered, this,
          [this] { editor_.loadBuiltinFlex(); });

  mnuHelp_ = new QAction(QStringLiteral("Help"), this);  // no action
  mnuHelp_->setObjectName(QStringLiteral("mnuHelp"));

  mnuAbout_ = new QAction(QStringLiteral("About"), this);
  mnuAbout_->setObjectName(QStringLiteral("mnuAbout"));
  connect(mnuAbout_, &QAction::triggered, this, [this] { mnuAbout_Click(); });

  for (QAction* action : {mnuApri_, mnuSalva_, mnuFlexInterna_})
    action->setIconVisibleInMenu(false);
}

void Form1::createMenus() {
  QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
  file->setObjectName(QStringLiteral("mnuFile"));
  file->addAction(mnuApri_);
  file->addAction(mnuSalva_);
  file->addAction(mnuFlexInterna_);

  QMenu* phone = menuBar()->addMenu(QStringLiteral("&Phone"));  // no items
  phone->setObjectName(QStringLiteral("mnuPhone"));

  QMenu* info = menuBar()->addMenu(QStringLiteral("&Informazioni"));
  info->setObjectName(QStringLiteral("mnuInfo"));
  info->addAction(mnuHelp_);
  info->addAction(mnuAbout_);
}

void Form1::createStatusBar() {
  statusBar()->setObjectName(QStringLiteral("StatusBar"));
  statusBar()->setSizeGripEnabled(false);
  statusPanel_ = new QLabel(statusBar());
  statusPanel_->setObjectName(QStringLiteral("StatusBarPanel1"));
  // A long path must not widen the fixed window.
  statusPanel_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  statusBar()->addWidget(statusPanel_, 1);
}

void Form1::createPictureButtons(QWidget* client) {
  struct Button {
    const char* name;
    QAction* action;
    int left;
  };
  for (const Button& b : {Button{"cmdApri", mnuApri_, 3120}, Button{"cmdSalva", mnuSalva_, 3600},
                          Button{"cmdFlexInterna", mnuFlexInterna_, 4080}}) {
    auto* button = new QToolButton(client);
    button->setObjectName(QLatin1String(b.name));
    button->setDefaultAction(b.action);
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    button->setIconSize(QSize(16, 16));
    button->setGeometry(tw_.rect(b.left, 120, 375, 375));
  }
}

void Form1::createPages(QWidget* client) {
  // The tab strip: its tabs on top of a raised panel; the two page frames lie on the panel.
  auto* panel = new QFrame(client);
  panel->setObjectName(QStringLiteral("TabStrip1Panel"));
  panel->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
  tabStrip_ = new QTabBar(client);
  tabStrip_->setObjectName(QStringLiteral("TabStrip1"));
  tabStrip_->setExpanding(false);
  tabStrip_->setDrawBase(false);
  tabStrip_->addTab(QStringLiteral("Pagina 1"));
  tabStrip_->addTab(QStringLiteral("Pag. 2"));
  const QRect strip = tw_.rect(120, 120, 2775, 5655);
  const int tabHeight = tabStrip_->sizeHint().height();
  tabStrip_->setGeometry(strip.left() + 2, strip.top(), strip.width() - 4, tabHeight);
  panel->setGeometry(strip.adjusted(0, tabHeight - 1, 0, 0));
  connect(tabStrip_, &QTabBar::currentChanged, this,
          [this](int index) { editor_.selectPage(index + 1); });

  QFont bold = captionFont(true);
  frmPagina1_ = new QGroupBox(QStringLiteral("Opzioni FLEX"), client);
  frmPagina1_->setObjectName(QStringLiteral("frmPagina1"));
  frmPagina2_ = new QGroupBox(QStringLiteral("Opzioni FLEX"), client);
  frmPagina2_->setObjectName(QStringLiteral("frmPagina2"));
  for (QGroupBox* frame : {frmPagina1_, frmPagina2_}) {
    frame->setFont(bold);
    frame->setGeometry(tw_.rect(240, 600, 2535, 5055));
  }

  // The boxes in the order they stand on their page, so the tab order runs top to bottom.
  const auto catalog = optionCatalog();
  std::array<std::size_t, kOptionCount> rows{};
  for (std::size_t row = 0; row < kOptionCount; ++row) rows[row] = row;
  std::sort(rows.begin(), rows.end(), [&](std::size_t a, std::size_t b) {
    return std::pair(catalog[a].layout.page, catalog[a].layout.top) < std::pair(catalog[b].layout.page, catalog[b].layout.top);
  });
  for (std::size_t row : rows) {
    const OptionDef& option = catalog[row];
    QGroupBox* page = option.layout.page == 1 ? frmPagina1_ : frmPagina2_;
    auto* box = new QCheckBox(utf8(option.caption), page);
    box->setObjectName(QStringLiteral("Check%1_%2").arg(option.group()).arg(option.index()));
    box->setToolTip(utf8(option.toolTip));
    connect(box, &QCheckBox::clicked, this, [this, row] { editor_.clickOption(row); });
    checks_[row] = box;
  }

  // Each box keeps its own width, widened to its caption where this system's font needs more,
  // up to the frame's inner edge; where even that is too narrow, all boxes take a smaller size.
  const int left = tw_(kBoxLeft);
  const int room = frmPagina1_->contentsRect().right() - left;
  QFont plain = captionFont(false);
  for (; plain.pointSizeF() > 6.0; plain.setPointSizeF(plain.pointSizeF() - 0.25)) {
    bool fits = true;
    for (QCheckBox* box : checks_) {
      box->setFont(plain);
      fits = fits && box->sizeHint().width() <= room;
    }
    if (fits) break;
  }
  for (std::size_t row = 0; row < kOptionCount; ++row) {
    const OptionDef& option = catalog[row];
    QCheckBox* box = checks_[row];
    const int width = std::min(room, std::max(tw_(option.layout.width), box->sizeHint().width()));
    box->setGeometry(left, tw_(option.layout.top), width, tw_(kBoxHeight));
  }
}

void Form1::createPreview(QWidget* client) {
  const QFont bold = captionFont(true);
  frame2_ = new QGroupBox(QStringLiteral("Preview"), client);
  frame2_->setObjectName(QStringLiteral("Frame2"));
  frame2_->setFont(bold);
  frame2_->setGeometry(tw_.rect(3000, 600, 5775, 5055));

  static const char* const kFormattedName[] = {"txtFlexBase", "txtFlexCall", "txtFlexGprs"};
  for (std::size_t slot = 0; slot < 3; ++slot) {
    const BoxPlace& at = kFormattedPlace[slot];
    auto* box = new HexView(frame2_);
    box->setObjectName(QLatin1String(kFormattedName[slot]));
    box->setGeometry(tw_.rect(at.left, at.top, at.width, at.height));
    formatted_[slot] = box;
  }

  // One fixed-pitch font for the boxes, the ruler and the row labels, so that columns and rows
  // line up: 9 pt, or smaller where a line of 47 columns (with room for a scroll bar, the box
  // widened up to the frame's inner edge if need be) or the rows would not fit.
  HexView* base = formatted_[0];
  const int inner = 2 * (base->frameWidth() + HexView::kMargin);
  const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, base);
  const int widest = frame2_->width() - frame2_->contentsRect().left() - base->x();
  int lineSpacing = 1 << 20;
  for (std::size_t slot = 0; slot < 3; ++slot)
    lineSpacing = std::min(lineSpacing, (formatted_[slot]->height() - inner) / kRowsShown[slot]);
  hexFont_ = fitFixedFont(9.0, HexView::kLineColumns, widest - inner - scrollBar, lineSpacing);
  const int needed = HexView::sizeFor(hexFont_, 1, base->frameWidth()).width() + scrollBar;
  for (HexView* box : formatted_) {
    box->setFont(hexFont_);
    box->resize(std::min(widest, std::max(box->width(), needed)), box->height());
  }

  ruler_ = new QLabel(utf8(kRuler), frame2_);
  ruler_->setObjectName(QStringLiteral("lblOrizzontale"));
  ruler_->setFont(hexFont_);
  placeRuler();

  for (std::size_t slot = 0; slot < 3; ++slot) {
    for (int index : kRowLabelIndex[slot]) {
      if (index < 0) continue;
      auto* label = new QLabel(frame2_);
      label->setObjectName(QStringLiteral("Label1_%1").arg(index));
      label->setFont(hexFont_);
      label->setAlignment(Qt::AlignRight | Qt::AlignTop);
      rowLabels_[slot].push_back(label);
    }
    placeRowLabels(slot);
    connect(formatted_[slot], &HexView::firstLineChanged, this,
            [this, slot] { placeRowLabels(slot); });
  }

  formattazioneTesto_ = new QCheckBox(QStringLiteral("Formattazione Testo"), frame2_);
  formattazioneTesto_->setObjectName(QStringLiteral("CheckFormattazioneTesto"));
  formattazioneTesto_->setFont(bold);
  const QRect formattazione = tw_.rect(480, 3540, 2175, 255);
  formattazioneTesto_->setGeometry(
      formattazione.adjusted(0, 0, std::max(0, formattazioneTesto_->sizeHint().width() -
                                                   formattazione.width()), 0));
  connect(formattazioneTesto_, &QCheckBox::clicked, this,
          [this] { editor_.toggleFormatting(); });

  auto* genera = new QPushButton(QStringLiteral("Genera File FLEX"), frame2_);
  genera->setObjectName(QStringLiteral("cmdGenera"));
  genera->setFont(bold);
  genera->setGeometry(tw_.rect(480, 3840, 2175, 375));
  connect(genera, &QPushButton::clicked, mnuSalva_, &QAction::trigger);

  cmdEsci_ = new QPushButton(QStringLiteral("Esci Dal Programma"), frame2_);
  cmdEsci_->setObjectName(QStringLiteral("cmdEsci"));
  cmdEsci_->setFont(bold);
  cmdEsci_->setGeometry(tw_.rect(3360, 3840, 2055, 375));
  connect(cmdEsci_, &QPushButton::clicked, this, &QWidget::close);

  byteTips_ = new ByteTips(editor_, this);
  for (std::size_t slot = 0; slot < 3; ++slot) byteTips_->watch(formatted_[slot], slot);
}

// The raw previews lie on the window over the formatted boxes; one set shows at a time. While
// the formatted set shows, nobody can see, type in or drop onto the raw ones: they are made
// when they first show (or are asked for), which spares the start-up three text editors.
void Form1::createRawPreviews() {
  if (txtpreview_[0]) return;
  for (std::size_t slot = 0; slot < 3; ++slot) {
    auto* box = new QPlainTextEdit(centralWidget());
    box->setObjectName(QStringLiteral("txtpreview_%1").arg(slot));
    box->setFont(hexFont_);
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    box->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setTabChangesFocus(true);
    box->setGeometry(formatted_[slot]->geometry().translated(frame2_->pos()));
    box->hide();
    connect(box, &QPlainTextEdit::textChanged, this, [this, slot] { rawEdited(slot); });
    box->viewport()->installEventFilter(this);  // a dropped file is opened, not typed in
    byteTips_->watch(box, slot);
    // Tab goes from "Esci Dal Programma" through the three, as when they were made with it.
    QWidget* previous = slot == 0 ? static_cast<QWidget*>(cmdEsci_) : txtpreview_[slot - 1];
    QWidget::setTabOrder(previous, box);
    txtpreview_[slot] = box;
  }
}

QPlainTextEdit* Form1::rawPreview(std::size_t slot) {
  if (!txtpreview_[slot]) {
    createRawPreviews();
    for (std::size_t each = 0; each < 3; ++each) showRawPreview(each);
  }
  return txtpreview_[slot];
}

// A raw preview's text, its tinted bytes and whether it shows, from the editor's state.
void Form1::showRawPreview(std::size_t slot) {
  const EditorState& s = editor_.state();
  QPlainTextEdit* box = txtpreview_[slot];
  showRaw(box, fromAnsi(s.recordSlots[slot]));
  box->setExtraSelections(rawMarks(box, differingBytes(s.recordSlots[slot], kBuiltInSlot[slot]),
                                   HexView::markColor(formatted_[slot]->palette())));
  box->setVisible(!s.formattedViewVisible);
}

void Form1::placeRuler() {
  const HexView* base = formatted_[0];
  const QFontMetrics metrics(ruler_->font());
  const int left = base->x() + base->textLeft();
  ruler_->setGeometry(left, base->y() - metrics.lineSpacing() - 1,
                      metrics.horizontalAdvance(ruler_->text()) + 2, metrics.lineSpacing());
}

// Each label stands beside a text line of its box and names the offset of the line's first
// byte; when the box scrolls, the labels name the lines now beside them.
void Form1::placeRowLabels(std::size_t slot) {
  const HexView* box = formatted_[slot];
  const int first = box->firstVisibleLine();
  const int left = tw_(240) - 2;
  const int width = box->x() - left - 4;
  for (std::size_t row = 0; row < rowLabels_[slot].size(); ++row) {
    QLabel* label = rowLabels_[slot][row];
    const int offset = (first + static_cast<int>(row)) * HexView::kPairsPerLine;
    label->setText(QStringLiteral("%1").arg(offset, 2, 16, QLatin1Char('0')).toUpper());
    label->setGeometry(left, box->y() + box->lineTop(static_cast<int>(row)), width,
                       box->lineHeight());
  }
}

// --- what the editor asks of the window ---

QWidget* Form1::messageParent() {
  // In front of the label dialog when it shows, which stays above the main window.
  if (gprs_ && gprs_->isVisible()) return gprs_;
  return this;
}

void Form1::messageBox(std::string_view prompt, std::string_view title) {
  if (prompts_.messageBox) prompts_.messageBox(messageParent(), utf8(prompt), utf8(title));
}

std::string Form1::openFileName() {
  return nativeName(prompts_.openFileName ? prompts_.openFileName(this) : QString());
}

std::string Form1::saveFileName() {
  return nativeName(prompts_.saveFileName ? prompts_.saveFileName(this) : QString());
}

void Form1::labelDialogShown() {
  if (!gprs_) {
    gprs_ = new FrmGprs(editor_, this);
    gprs_->move(frameGeometry().center() - gprs_->rect().center());
  }
  gprs_->show();
  gprs_->raise();
  gprs_->activateWindow();
}

void Form1::labelDialogClosed() {
  if (!gprs_) return;
  // Possibly called from inside one of the dialog's own handlers: destroy it afterwards.
  gprs_->hide();
  gprs_->deleteLater();
  gprs_ = nullptr;
}

void Form1::stateChanged() {
  const EditorState& s = editor_.state();
  for (std::size_t row = 0; row < kOptionCount; ++row) {
    QCheckBox* box = checks_[row];
    const bool ticked = s.boxes[row].state != 0;
    if (box->isChecked() != ticked) {
      const QSignalBlocker blocker(box);
      box->setChecked(ticked);
    }
  }
  {
    const QSignalBlocker blocker(tabStrip_);
    tabStrip_->setCurrentIndex(s.selectedPage == 1 ? 0 : 1);
  }
  frmPagina1_->setVisible(s.page1Visible);
  frmPagina2_->setVisible(s.page2Visible);
  {
    const QSignalBlocker blocker(formattazioneTesto_);
    formattazioneTesto_->setChecked(s.formattingBox.state != 0);
  }
  if (!s.formattedViewVisible) createRawPreviews();
  for (std::size_t slot = 0; slot < 3; ++slot) {
    formatted_[slot]->setFormattedText(s.formatted[slot]);
    formatted_[slot]->setVisible(s.formattedViewVisible);
    if (txtpreview_[slot]) showRawPreview(slot);
  }
  showChangedBytes();
  statusPanel_->setText(QString::fromStdString(s.statusText));
  updateTitle();
  if (gprs_) gprs_->redraw();
}

// The bytes of each formatted box that are not those of the built-in flex, on a tint (the raw
// previews tint theirs in showRawPreview).
void Form1::showChangedBytes() {
  const EditorState& s = editor_.state();
  for (std::size_t slot = 0; slot < 3; ++slot) {
    std::vector<bool> differs = differingBytes(s.recordSlots[slot], kBuiltInSlot[slot]);
    // The formatted view starts with the byte after the header.
    differs.erase(differs.begin(),
                  differs.begin() + std::min(differs.size(), kHeaderLength / 2));
    formatted_[slot]->setMarkedPairs(std::move(differs));
  }
}

// "Tessaron Orvane - mio.hs *": the file last loaded or saved, and a mark while the records
// differ from it.
void Form1::updateTitle() {
  const EditorState& s = editor_.state();
  QString title = utf8(kAppTitle);
  if (!s.fileName.empty())
    title += QStringLiteral(" - ") +
             QFileInfo(QFile::decodeName(QByteArray::fromStdString(s.fileName))).fileName();
  if (editor_.modified()) title += QStringLiteral(" *");
  setWindowTitle(title);
}

// --- the window's own events ---

void Form1::rawEdited(std::size_t slot) {
  editor_.editRaw(slot, ansi::fromUtf8(rawText(txtpreview_[slot]).toStdString()));
}

void Form1::mnuAbout_Click() {
  if (!about_) {
    about_ = new FrmAbout(*sysInfo_);
    about_->move(frameGeometry().center() - about_->rect().center());
  }
  about_->show();
  about_->raise();
  about_->activateWindow();
}

// Drag and drop of a file: the first dropped file is opened once the drop is over (the
// desktop's drag ends before a message box may show). A drop of text onto a raw preview is
// the preview's own.
bool Form1::takeFileDrop(QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
    return false;
  auto* drop = static_cast<QDropEvent*>(event);
  if (!drop->mimeData() || !drop->mimeData()->hasUrls()) return false;
  const std::optional<QString> path = droppedFlexFile(drop->mimeData());
  if (!path) {
    drop->ignore();
    return true;
  }
  if (drop->possibleActions() & Qt::CopyAction) {
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
  } else {
    drop->acceptProposedAction();
  }
  if (type == QEvent::Drop) openFileLater(nativeName(*path));
  return true;
}

void Form1::dragEnterEvent(QDragEnterEvent* event) {
  if (!takeFileDrop(event)) event->ignore();
}

void Form1::dragMoveEvent(QDragMoveEvent* event) {
  if (!takeFileDrop(event)) event->ignore();
}

void Form1::dropEvent(QDropEvent* event) {
  if (!takeFileDrop(event)) event->ignore();
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
  // The drag events first: a preview that is being destroyed still sends others through here.
  const QEvent::Type type = event->type();
  if (type == QEvent::DragEnter || type == QEvent::DragMove || type == QEvent::Drop)
    for (const QPlainTextEdit* box : txtpreview_)
      if (box && watched == box->viewport() && takeFileDrop(event)) return true;
  return QMainWindow::eventFilter(watched, event);
}

void Form1::closeEvent(QCloseEvent* event) {
  editor_.closeMainWindow();  // closes the label dialog by the editor's rules
  if (about_) about_->close();
  QMainWindow::closeEvent(event);
}

}  // namespace flex::ui
