// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/user_option_page.hpp"

#include <QCheckBox>
#include <QFontMetrics>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextDocument>

#include "ui/support/qt_strings.hpp"
#include "ui/support/twips.hpp"

namespace flex::ui {
namespace {

// A tool-tip that Qt would take for rich text is made plain: the user's texts are shown as written.
QString plainToolTip(const QString& text) {
  return Qt::mightBeRichText(text) ? Qt::convertFromPlainText(text, Qt::WhiteSpaceNormal) : text;
}

// "&" marks a shortcut in a check box's text; a caption shows it as written.
QString literal(QString text) { return text.replace(QLatin1Char('&'), QStringLiteral("&&")); }

}  // namespace

UserOptionPage::UserOptionPage(const OptionSet& options, const Twips& tw, const QRect& frame,
                               QWidget* parent)
    : QGroupBox(tr("Opzioni utente"), parent) {
  setObjectName(QStringLiteral("frmPagina3"));
  setGeometry(frame);

  // The column starts where the first box of a built-in page stands.
  scroll_ = new QScrollArea(this);
  scroll_->setObjectName(QStringLiteral("scrlPagina3"));
  scroll_->setFrameShape(QFrame::NoFrame);
  scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  scroll_->setWidgetResizable(false);
  scroll_->viewport()->setAutoFillBackground(false);
  column_ = new QWidget;

  // Each row places its box as the built-in rows do: at its top, in twips inside the frame.
  for (const OptionDef& option : options.rows().subspan(kOptionCount)) {
    captions_.push_back(fromUtf8(option.caption));
    toolTips_.push_back(fromUtf8(option.toolTip));
    tops_.push_back(option.layout.top);
    auto* box = new QCheckBox(literal(captions_.back()), column_);
    box->setObjectName(QStringLiteral("User_") + fromUtf8(option.id));
    boxes_.push_back(box);
  }
  scroll_->setWidget(column_);
  column_->setAutoFillBackground(false);  // setWidget sets it: the frame shows through
  const QRect inside = contentsRect();
  const int firstTop = tops_.empty() ? 0 : tw(tops_.front());
  scroll_->setGeometry(QRect(QPoint(inside.left(), firstTop), inside.bottomRight()));
}

void UserOptionPage::layOut(const QFont& font, const Twips& tw) {
  const int height = tops_.empty() ? 0 : tw(tops_.back() + kBoxHeight) - scroll_->y();
  // The scroll area has no frame: without a scroll bar its viewport is all of it.
  const bool scrolls = height > scroll_->height();
  const int scrollBar = scrolls ? scroll_->verticalScrollBar()->sizeHint().width() : 0;
  const int left = tw(kBoxLeft) - scroll_->x();
  const int width = scroll_->width() - scrollBar - left;
  column_->resize(scroll_->width() - scrollBar, height);
  for (std::size_t k = 0; k < boxes_.size(); ++k) {
    QCheckBox* box = boxes_[k];
    box->setFont(font);
    // The text may take what the box leaves beside its indicator.
    const QString& caption = captions_[k];
    box->setText(literal(caption));
    const QFontMetrics metrics(font);
    const int room = width - (box->sizeHint().width() - metrics.horizontalAdvance(caption));
    const QString shown = metrics.elidedText(caption, Qt::ElideRight, room);
    box->setText(literal(shown));
    QString tip = toolTips_[k];
    if (shown != caption) tip = tip.isEmpty() ? caption : caption + QLatin1Char('\n') + tip;
    box->setToolTip(plainToolTip(tip));
    box->setGeometry(left, tw(tops_[k]) - scroll_->y(), width, tw(kBoxHeight));
  }
}

}  // namespace flex::ui
