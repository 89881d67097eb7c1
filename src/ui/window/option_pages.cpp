// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/option_pages.hpp"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QProxyStyle>
#include <QSignalBlocker>
#include <QTabBar>
#include <algorithm>

#include "session/editor.hpp"
#include "ui/support/core_words.hpp"
#include "ui/support/fonts.hpp"
#include "ui/support/twips.hpp"
#include "ui/window/user_option_page.hpp"

namespace flex::ui {
namespace {

// Two boxes of page 2 share the caption "Disabilita Logo Motorola": to a screen reader they are
// told apart by when the logo would show (their tool-tips say the same at more length).
struct SpokenName {
  std::string_view id;
  const char* name;
};
constexpr SpokenName kSpokenNames[] = {
    {"Check5(0)",
     QT_TRANSLATE_NOOP("flex::ui::OptionPages", "Disabilita Logo Motorola all'accensione")},
    {"Check5(5)",
     QT_TRANSLATE_NOOP("flex::ui::OptionPages", "Disabilita Logo Motorola allo spegnimento")},
};

// The application's style with half the blank beside a tab's text.
class NarrowTabs : public QProxyStyle {
 public:
  int pixelMetric(PixelMetric metric, const QStyleOption* option,
                  const QWidget* widget) const override {
    const int value = QProxyStyle::pixelMetric(metric, option, widget);
    return metric == PM_TabBarTabHSpace ? value / 2 : value;
  }
};

}  // namespace

OptionPages::OptionPages(Editor& editor, const Twips& tw, QWidget* parent)
    : QWidget(parent), editor_(editor) {
  const QRect strip = tw.rect(120, 120, 2775, 5655);
  setGeometry(strip);
  const QPoint origin = -strip.topLeft();  // places on the parent, made this widget's

  // The tab strip: its tabs on top of a raised panel; the two page frames lie on the panel.
  auto* panel = new QFrame(this);
  panel->setObjectName(QStringLiteral("TabStrip1Panel"));
  panel->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
  panel->setAccessibleName(tr("Pagine delle opzioni"));
  tabStrip_ = new QTabBar(this);
  tabStrip_->setObjectName(QStringLiteral("TabStrip1"));
  tabStrip_->setExpanding(false);
  tabStrip_->setDrawBase(false);
  tabStrip_->addTab(tr("Pagina 1"));
  tabStrip_->addTab(tr("Pag. 2"));
  const bool userPage = editor_.options().userCount() > 0;
  if (userPage) {
    // Three tabs need more room than the strip has: first less blank beside each text, then,
    // where this system's font still needs more, a smaller size, as the boxes do; what even
    // then does not fit is cut short rather than scrolled.
    tabStrip_->addTab(tr("Opzioni utente"));
    auto* tight = new NarrowTabs;
    tight->setParent(tabStrip_);
    tabStrip_->setStyle(tight);
    tabStrip_->setUsesScrollButtons(false);
    tabStrip_->setElideMode(Qt::ElideRight);
    for (QFont font = tabStrip_->font();
         tabStrip_->sizeHint().width() > strip.width() - 4 && font.pointSizeF() > 6.0;) {
      font.setPointSizeF(font.pointSizeF() - 0.25);
      tabStrip_->setFont(font);
    }
  }
  const int tabHeight = tabStrip_->sizeHint().height();
  tabStrip_->setGeometry(2, 0, strip.width() - 4, tabHeight);
  panel->setGeometry(rect().adjusted(0, tabHeight - 1, 0, 0));
  connect(tabStrip_, &QTabBar::currentChanged, this,
          [this](int index) { editor_.selectPage(index + 1); });

  const QRect frame = tw.rect(240, 600, 2535, 5055).translated(origin);
  for (const char* name : {"frmPagina1", "frmPagina2"}) {
    pages_.push_back(new QGroupBox(tr("Opzioni FLEX"), this));
    pages_.back()->setObjectName(QLatin1String(name));
    pages_.back()->setGeometry(frame);
    pages_.back()->setAccessibleName(tr("Opzioni FLEX, pagina %1").arg(pages_.size()));
  }
  if (userPage)
    pages_.push_back(userPage_ = new UserOptionPage(editor_.options(), tw, frame, this));
  for (QGroupBox* page : pages_) page->setFont(captionFont(true));
  createBoxes(tw);
  createPageActions();
}

// The next or the previous page, round: window-wide keys, so they work from any control.
void OptionPages::createPageActions() {
  const struct {
    const char* objectName;
    const char* name;
    int step;
    QList<QKeySequence> keys;
  } actions[] = {
      {"PaginaSuccessiva",
       QT_TR_NOOP("Pagina successiva"),
       1,
       {Qt::CTRL | Qt::Key_Tab, Qt::CTRL | Qt::Key_PageDown}},
      {"PaginaPrecedente",
       QT_TR_NOOP("Pagina precedente"),
       -1,
       {Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab, Qt::CTRL | Qt::SHIFT | Qt::Key_Tab,
        Qt::CTRL | Qt::Key_PageUp}},
  };
  for (const auto& a : actions) {
    auto* action = new QAction(tr(a.name), this);
    action->setObjectName(QLatin1String(a.objectName));
    action->setShortcuts(a.keys);
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, [this, step = a.step] {
      const int count = tabStrip_->count();
      tabStrip_->setCurrentIndex((tabStrip_->currentIndex() + step + count) % count);
    });
    addAction(action);
    pageActions_ << action;
  }
}

void OptionPages::createBoxes(const Twips& tw) {
  // The built-in boxes in the order they stand on their page, so the tab order runs top to bottom.
  const auto table = editor_.options().rows();
  boxes_.resize(table.size());
  firstBoxes_.resize(pages_.size());
  for (std::size_t row : optionsByPlace()) {
    const OptionDef& option = table[row];
    const auto page = static_cast<std::size_t>(option.layout.page - 1);
    auto* box = new QCheckBox(coreText(option.caption), pages_[page]);
    if (!firstBoxes_[page]) firstBoxes_[page] = box;
    box->setObjectName(QStringLiteral("Check%1_%2").arg(option.group()).arg(option.index()));
    box->setToolTip(coreText(option.toolTip));
    for (const SpokenName& spoken : kSpokenNames)
      if (spoken.id == option.id) box->setAccessibleName(tr(spoken.name));
    boxes_[row] = box;
  }
  for (std::size_t k = 0; userPage_ && k < userPage_->size(); ++k)
    boxes_[kOptionCount + k] = userPage_->box(k);
  if (userPage_) firstBoxes_[2] = userPage_->box(0);
  // toggled, not clicked: a screen reader's "Toggle" action changes the box without a click;
  // the boxes the editor redraws raise nothing.
  for (std::size_t row = 0; row < boxes_.size(); ++row)
    connect(boxes_[row], &QCheckBox::toggled, this, [this, row] { editor_.clickOption(row); });

  // Each box keeps its own width, widened to its caption where this system's font needs more,
  // up to the frame's inner edge; where even that is too narrow, all boxes take a smaller size.
  const int left = tw(kBoxLeft);
  const int room = pages_[0]->contentsRect().right() - left;
  QFont plain = captionFont(false);
  for (; plain.pointSizeF() > 6.0; plain.setPointSizeF(plain.pointSizeF() - 0.25)) {
    bool fits = true;
    for (std::size_t row = 0; row < kOptionCount; ++row) {
      QCheckBox* box = boxes_[row];
      box->setFont(plain);
      fits = fits && box->sizeHint().width() <= room;
    }
    if (fits) break;
  }
  for (std::size_t row = 0; row < kOptionCount; ++row) {
    QCheckBox* box = boxes_[row];
    const int wanted = std::max(tw(table[row].layout.width), box->sizeHint().width());
    const int width = std::min(room, wanted);
    box->setGeometry(left, tw(table[row].layout.top), width, tw(kBoxHeight));
  }
  // The user's page in the same font; its captions are cut rather than the font made smaller.
  if (userPage_) userPage_->layOut(plain, tw);
}

void OptionPages::redraw(const Document& document, const FormState& form) {
  for (std::size_t row = 0; row < boxes_.size(); ++row) {
    QCheckBox* box = boxes_[row];
    const bool ticked = document.boxes[row].state != 0;
    if (box->isChecked() != ticked) {
      const QSignalBlocker blocker(box);
      box->setChecked(ticked);
    }
  }
  {
    const QSignalBlocker blocker(tabStrip_);
    for (std::size_t page = 0; page < pages_.size(); ++page)
      if (form.pageVisible(static_cast<int>(page) + 1))
        tabStrip_->setCurrentIndex(static_cast<int>(page));
  }
  // A page that hides with the focus on it hands the focus to the first box of the page that
  // shows, not to whatever follows in the tab chain.
  std::vector<bool> visible;
  for (std::size_t page = 0; page < pages_.size(); ++page)
    visible.push_back(form.pageVisible(static_cast<int>(page) + 1));
  const QWidget* focus = window()->focusWidget();
  bool focusLeaves = false;
  for (std::size_t page = 0; page < pages_.size(); ++page)
    focusLeaves = focusLeaves || (!visible[page] && pages_[page]->isVisible() && focus &&
                                  pages_[page]->isAncestorOf(focus));
  for (std::size_t page = 0; page < pages_.size(); ++page) {
    if (!visible[page]) continue;
    pages_[page]->setVisible(true);
    if (focusLeaves) firstBoxes_[page]->setFocus(Qt::OtherFocusReason);
  }
  for (std::size_t page = 0; page < pages_.size(); ++page)
    if (!visible[page]) pages_[page]->setVisible(false);
}

}  // namespace flex::ui
