// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/option_pages.hpp"

#include <QCheckBox>
#include <QGroupBox>
#include <QSignalBlocker>
#include <QTabBar>
#include <algorithm>

#include "session/editor.hpp"
#include "ui/support/fonts.hpp"
#include "ui/support/qt_strings.hpp"
#include "ui/support/twips.hpp"

namespace flex::ui {

OptionPages::OptionPages(Editor& editor, const Twips& tw, QWidget* parent)
    : QWidget(parent), editor_(editor) {
  const QRect strip = tw.rect(120, 120, 2775, 5655);
  setGeometry(strip);
  const QPoint origin = -strip.topLeft();  // places on the parent, made this widget's

  // The tab strip: its tabs on top of a raised panel; the two page frames lie on the panel.
  auto* panel = new QFrame(this);
  panel->setObjectName(QStringLiteral("TabStrip1Panel"));
  panel->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
  tabStrip_ = new QTabBar(this);
  tabStrip_->setObjectName(QStringLiteral("TabStrip1"));
  tabStrip_->setExpanding(false);
  tabStrip_->setDrawBase(false);
  tabStrip_->addTab(QStringLiteral("Pagina 1"));
  tabStrip_->addTab(QStringLiteral("Pag. 2"));
  const int tabHeight = tabStrip_->sizeHint().height();
  tabStrip_->setGeometry(2, 0, strip.width() - 4, tabHeight);
  panel->setGeometry(rect().adjusted(0, tabHeight - 1, 0, 0));
  connect(tabStrip_, &QTabBar::currentChanged, this,
          [this](int index) { editor_.selectPage(index + 1); });

  const char* const names[] = {"frmPagina1", "frmPagina2"};
  for (std::size_t page = 0; page < pages_.size(); ++page) {
    pages_[page] = new QGroupBox(QStringLiteral("Opzioni FLEX"), this);
    pages_[page]->setObjectName(QLatin1String(names[page]));
    pages_[page]->setFont(captionFont(true));
    pages_[page]->setGeometry(tw.rect(240, 600, 2535, 5055).translated(origin));
  }
  createBoxes(tw);
}

void OptionPages::createBoxes(const Twips& tw) {
  // The boxes in the order they stand on their page, so the tab order runs top to bottom.
  const auto table = optionCatalog();
  std::array<std::size_t, kOptionCount> rows{};
  for (std::size_t row = 0; row < kOptionCount; ++row) rows[row] = row;
  std::sort(rows.begin(), rows.end(), [&](std::size_t a, std::size_t b) {
    return std::pair(table[a].layout.page, table[a].layout.top) <
           std::pair(table[b].layout.page, table[b].layout.top);
  });
  for (std::size_t row : rows) {
    const OptionDef& option = table[row];
    const auto page = static_cast<std::size_t>(option.layout.page - 1);
    auto* box = new QCheckBox(fromUtf8(option.caption), pages_[page]);
    if (!firstBoxes_[page]) firstBoxes_[page] = box;
    box->setObjectName(QStringLiteral("Check%1_%2").arg(option.group()).arg(option.index()));
    box->setToolTip(fromUtf8(option.toolTip));
    connect(box, &QCheckBox::clicked, this, [this, row] { editor_.clickOption(row); });
    boxes_[row] = box;
  }

  // Each box keeps its own width, widened to its caption where this system's font needs more,
  // up to the frame's inner edge; where even that is too narrow, all boxes take a smaller size.
  const int left = tw(kBoxLeft);
  const int room = pages_[0]->contentsRect().right() - left;
  QFont plain = captionFont(false);
  for (; plain.pointSizeF() > 6.0; plain.setPointSizeF(plain.pointSizeF() - 0.25)) {
    bool fits = true;
    for (QCheckBox* box : boxes_) {
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
}

void OptionPages::redraw(const Document& document, const FormState& form) {
  for (std::size_t row = 0; row < kOptionCount; ++row) {
    QCheckBox* box = boxes_[row];
    const bool ticked = document.boxes[row].state != 0;
    if (box->isChecked() != ticked) {
      const QSignalBlocker blocker(box);
      box->setChecked(ticked);
    }
  }
  {
    const QSignalBlocker blocker(tabStrip_);
    tabStrip_->setCurrentIndex(form.selectedPage == 1 ? 0 : 1);
  }
  // A page that hides with the focus on it hands the focus to the first box of the page that
  // shows, not to whatever follows in the tab chain.
  const std::array<bool, 2> visible{form.pageVisible(1), form.pageVisible(2)};
  const QWidget* focus = window()->focusWidget();
  bool focusLeaves = false;
  for (std::size_t page = 0; page < 2; ++page)
    focusLeaves = focusLeaves || (!visible[page] && pages_[page]->isVisible() && focus &&
                                  pages_[page]->isAncestorOf(focus));
  for (std::size_t page = 0; page < 2; ++page) {
    if (!visible[page]) continue;
    pages_[page]->setVisible(true);
    if (focusLeaves) firstBoxes_[page]->setFocus(Qt::OtherFocusReason);
  }
  for (std::size_t page = 0; page < 2; ++page)
    if (!visible[page]) pages_[page]->setVisible(false);
}

}  // namespace flex::ui
