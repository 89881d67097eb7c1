// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/previews/preview_panel.hpp"

#include <QAccessible>
#include <QCheckBox>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QSignalBlocker>
#include <QStyle>
#include <algorithm>
#include <cmath>

#include "flex/builtin_records.hpp"
#include "session/editor.hpp"
#include "ui/previews/byte_tips.hpp"
#include "ui/previews/hex_view.hpp"
#include "ui/previews/raw_preview.hpp"
#include "ui/support/fonts.hpp"
#include "ui/support/qt_strings.hpp"
#include "ui/support/twips.hpp"
#include "ui/support/undo_keys.hpp"

namespace flex::ui {
namespace {

// The row labels beside each formatted box, by the index they carry in the Label1 array.
constexpr std::array<std::array<int, 7>, 3> kRowLabelIndex{{
    {0, 1, 2, 3, 4, 5, 10},
    {7, 6, 8, -1, -1, -1, -1},
    {9, 11, 13, -1, -1, -1, -1},
}};

struct BoxPlace {
  int left, top, width, height;  // twips
};
// The formatted boxes inside "Preview"; each raw preview lies over its box.
constexpr std::array<BoxPlace, 3> kFormattedPlace{
    {{480, 480, 5085, 1455}, {480, 2000, 5085, 710}, {480, 2760, 5085, 735}}};
constexpr std::array<int, 3> kRowsShown{7, 3, 3};

// What a screen reader calls each record's boxes, formatted and raw, and its row labels.
constexpr std::array<const char*, 3> kRecordNames{"Record Base", "Record Call", "Etichetta GPRS"};
constexpr std::array<const char*, 3> kRawNames{
    "Record Base non formattato", "Record Call non formattato", "Etichetta GPRS non formattata"};

// The nearest place from `x` on that falls on a whole screen pixel when a logical pixel is
// `ratio` screen pixels; `x` itself when none is near.
int onWholePixel(int x, qreal ratio) {
  for (int at = x; at < x + 4; ++at)
    if (std::abs(at * ratio - std::round(at * ratio)) < 1e-3) return at;
  return x;
}

}  // namespace

PreviewPanel::PreviewPanel(Editor& editor, const Twips& tw, QWidget* parent)
    : QGroupBox(QStringLiteral("Preview"), parent), editor_(editor), rowLabelLeft_(tw(240) - 2) {
  setObjectName(QStringLiteral("Frame2"));
  setFont(captionFont(true));
  setGeometry(tw.rect(3000, 600, 5775, 5055));
  createFormattedBoxes(tw);
  createRulerAndRowLabels();

  formatting_ = new QCheckBox(QStringLiteral("Formattazione Testo"), this);
  formatting_->setObjectName(QStringLiteral("CheckFormattazioneTesto"));
  const QRect place = tw.rect(480, 3540, 2175, 255);
  formatting_->setGeometry(
      place.adjusted(0, 0, std::max(0, formatting_->sizeHint().width() - place.width()), 0));
  // toggled, not clicked: a screen reader's "Toggle" action changes the box without a click.
  connect(formatting_, &QCheckBox::toggled, this, [this] { editor_.toggleFormatting(); });

  byteTips_ = new ByteTips(editor_, this);
  for (std::size_t slot = 0; slot < 3; ++slot) byteTips_->watch(formatted_[slot], slot);
}

void PreviewPanel::createFormattedBoxes(const Twips& tw) {
  static const char* const kName[] = {"txtFlexBase", "txtFlexCall", "txtFlexGprs"};
  for (std::size_t slot = 0; slot < 3; ++slot) {
    const BoxPlace& at = kFormattedPlace[slot];
    auto* box = new HexView(this);
    box->setObjectName(QLatin1String(kName[slot]));
    box->setAccessibleName(QString::fromUtf8(kRecordNames[slot]));
    box->setGeometry(tw.rect(at.left, at.top, at.width, at.height));
    formatted_[slot] = box;
  }

  // One fixed-pitch font for the boxes, the ruler and the row labels, so that columns and rows
  // line up: 9 pt, or smaller where a line of 47 columns (with room for a scroll bar, the box
  // widened up to the frame's inner edge if need be) or the rows would not fit.
  HexView* base = formatted_[0];
  const int inner = 2 * (base->frameWidth() + HexView::kMargin);
  const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, base);
  const int widest = width() - contentsRect().left() - base->x();
  int lineSpacing = 1 << 20;
  for (std::size_t slot = 0; slot < 3; ++slot)
    lineSpacing = std::min(lineSpacing, (formatted_[slot]->height() - inner) / kRowsShown[slot]);
  hexFont_ = fitFixedFont(9.0, HexView::kLineColumns, widest - inner - scrollBar, lineSpacing);
  const int needed = HexView::sizeFor(hexFont_, 1, base->frameWidth()).width() + scrollBar;
  for (HexView* box : formatted_) {
    box->setFont(hexFont_);
    box->resize(std::min(widest, std::max(box->width(), needed)), box->height());
  }
}

void PreviewPanel::createRulerAndRowLabels() {
  ruler_ = new QLabel(fromUtf8(kRuler), this);
  ruler_->setObjectName(QStringLiteral("lblOrizzontale"));
  ruler_->setAccessibleName(QStringLiteral("Colonne dei byte, da 00 a 0F"));
  ruler_->setFont(hexFont_);
  placeRuler();

  for (std::size_t slot = 0; slot < 3; ++slot) {
    for (int index : kRowLabelIndex[slot]) {
      if (index < 0) continue;
      auto* label = new QLabel(this);
      label->setObjectName(QStringLiteral("Label1_%1").arg(index));
      label->setFont(hexFont_);
      label->setAlignment(Qt::AlignRight | Qt::AlignTop);
      rowLabels_[slot].push_back(label);
    }
    placeRowLabels(slot);
    connect(formatted_[slot], &HexView::firstLineChanged, this,
            [this, slot] { placeRowLabels(slot); });
  }
}

// While the formatted boxes show, nobody can see, type in or drop onto the raw previews: they
// are made when they first show (or are asked for), which spares the start-up three editors.
void PreviewPanel::createRawPreviews() {
  if (raw_[0]) return;
  for (std::size_t slot = 0; slot < 3; ++slot) {
    auto* box = new RawPreview(this);
    box->setObjectName(QStringLiteral("txtpreview_%1").arg(slot));
    box->setAccessibleName(QString::fromUtf8(kRawNames[slot]));
    box->setFont(hexFont_);
    box->setUndoRedoEnabled(false);  // undo and redo are the editor's (eventFilter)
    box->installEventFilter(this);
    box->setGeometry(formatted_[slot]->geometry());
    box->hide();
    connect(box, &RawPreview::edited, this, [this, box, slot] {
      editor_.editRaw(slot, toAnsi(box->text()), Editor::RawEdit::Typing);
    });
    if (dropFilter_) box->viewport()->installEventFilter(dropFilter_);  // a file is opened
    byteTips_->watch(box, slot);
    raw_[slot] = box;
    if (QAccessible::isActive()) {  // a screen reader learns that the frame has a new child
      QAccessibleEvent created(box, QAccessible::ObjectCreated);
      QAccessible::updateAccessibility(&created);
    }
  }
}

RawPreview* PreviewPanel::rawPreview(std::size_t slot) {
  if (!raw_[slot]) {
    createRawPreviews();
    const Document& document = editor_.document();
    for (std::size_t each = 0; each < 3; ++each)
      showRawPreview(each, builtin::changedBytes(each, document.records[each]));
  }
  return raw_[slot];
}

// A raw preview's text, its tinted bytes and whether it shows, from the editor's state.
void PreviewPanel::showRawPreview(std::size_t slot, const std::vector<bool>& changed) {
  RawPreview* box = raw_[slot];
  box->setText(fromAnsi(editor_.document().records[slot]));
  box->setMarkedBytes(changed, HexView::markColor(formatted_[slot]->palette()));
  box->setVisible(!editor_.form().formattedViewVisible());
}

// The bytes that are not those of the built-in flex are found once for each record and drawn
// on a tint in both of its views: a raw preview's bytes by their offset, a formatted box's
// pairs from the end of the header on.
void PreviewPanel::redraw(const FormState& form) {
  {
    const QSignalBlocker blocker(formatting_);
    formatting_->setChecked(form.formattingBox.state != 0);
  }
  if (!form.formattedViewVisible()) createRawPreviews();
  for (std::size_t slot = 0; slot < 3; ++slot) {
    const std::vector<bool> changed = builtin::changedBytes(slot, editor_.document().records[slot]);
    HexView* box = formatted_[slot];
    box->setFormattedText(form.formatted[slot]);
    const auto header =
        static_cast<std::ptrdiff_t>(std::min(byteOfFormattedPair(0), changed.size()));
    box->setMarkedPairs(std::vector<bool>(changed.begin() + header, changed.end()));
    box->setVisible(form.formattedViewVisible());
    if (raw_[slot]) showRawPreview(slot, changed);
  }
}

// Where a logical pixel is a fraction of a screen pixel (a desktop at 125% or 150%), a framed
// box whose first or last column or row starts inside a screen pixel has that border drawn where
// its viewport paints over it: the boxes move and grow by a pixel or so until their first and
// last columns and rows start on whole screen pixels of the window, once it is laid out.
void PreviewPanel::showEvent(QShowEvent* event) {
  QGroupBox::showEvent(event);
  if (onWholePixels_) return;
  onWholePixels_ = true;
  const qreal ratio = devicePixelRatioF();
  const QPoint origin = mapTo(window(), QPoint(0, 0));
  for (std::size_t slot = 0; slot < 3; ++slot) {
    const QRect at = formatted_[slot]->geometry().translated(origin);
    const QRect whole(QPoint(onWholePixel(at.left(), ratio), onWholePixel(at.top(), ratio)),
                      QPoint(onWholePixel(at.right(), ratio), onWholePixel(at.bottom(), ratio)));
    formatted_[slot]->setGeometry(whole.translated(-origin));
    if (raw_[slot]) raw_[slot]->setGeometry(formatted_[slot]->geometry());
    placeRowLabels(slot);
  }
  placeRuler();
}

void PreviewPanel::placeRuler() {
  const HexView* base = formatted_[0];
  const QFontMetrics metrics(ruler_->font());
  const int left = base->x() + base->textLeft();
  ruler_->setGeometry(left, base->y() - metrics.lineSpacing() - 1,
                      metrics.horizontalAdvance(ruler_->text()) + 2, metrics.lineSpacing());
}

// Each label stands beside a text line of its box and names the offset of the line's first
// byte; when the box scrolls, the labels name the lines now beside them.
void PreviewPanel::placeRowLabels(std::size_t slot) {
  const HexView* box = formatted_[slot];
  const int first = box->firstVisibleLine();
  const int width = box->x() - rowLabelLeft_ - 4;
  for (std::size_t row = 0; row < rowLabels_[slot].size(); ++row) {
    QLabel* label = rowLabels_[slot][row];
    const int offset = (first + static_cast<int>(row)) * HexView::kPairsPerLine;
    label->setText(QStringLiteral("%1").arg(offset, 2, 16, QLatin1Char('0')).toUpper());
    label->setAccessibleName(
        QStringLiteral("%1, riga %2").arg(QString::fromUtf8(kRecordNames[slot]), label->text()));
    label->setGeometry(rowLabelLeft_, box->y() + box->lineTop(static_cast<int>(row)), width,
                       box->lineHeight());
  }
}

// The raw previews leave the keys of undo and redo to the window's "Modifica" menu, and what is
// typed in one of them is one step of the editor's history until the focus leaves it.
bool PreviewPanel::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut) {
    editor_.endTyping();
  } else if (event->type() == QEvent::ShortcutOverride &&
             isUndoRedoKey(*static_cast<QKeyEvent*>(event))) {
    event->ignore();  // not the box's: the shortcut is tried
    return true;
  }
  return QGroupBox::eventFilter(watched, event);
}

}  // namespace flex::ui
