// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/previews/byte_tips.hpp"

#include <QHelpEvent>
#include <QToolTip>

#include "flex/records.hpp"
#include "options/byte_inspector.hpp"
#include "session/message_catalog.hpp"
#include "text/hex_format.hpp"
#include "ui/previews/hex_view.hpp"
#include "ui/previews/raw_preview.hpp"
#include "ui/support/core_words.hpp"
#include "ui/support/qt_strings.hpp"

namespace flex::ui {

QString byteTipText(const Editor& editor, std::size_t slot, std::size_t offset) {
  const Document& document = editor.document();
  std::vector<int> states;
  for (const OptionBox& box : document.boxes) states.push_back(box.state);
  return fromUtf8(
      byteToolTip(inspectByte(editor.options(), slot, document.records[slot], offset, states),
                  coreTranslate()));
}

ByteTips::ByteTips(const Editor& editor, QObject* parent) : QObject(parent), editor_(editor) {}

void ByteTips::watch(HexView* box, std::size_t slot) {
  boxes_.at(count_++) = {box->viewport(), box, nullptr, slot};
  box->viewport()->installEventFilter(this);
}

void ByteTips::watch(RawPreview* box, std::size_t slot) {
  boxes_.at(count_++) = {box->viewport(), nullptr, box, slot};
  box->viewport()->installEventFilter(this);
}

bool ByteTips::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::ToolTip) return false;
  for (std::size_t i = 0; i < count_; ++i) {
    const Box& box = boxes_[i];
    if (box.viewport != watched) continue;
    const auto* help = static_cast<QHelpEvent*>(event);
    std::optional<ByteSpot> spot;
    if (box.formatted) {
      spot = box.formatted->pairAt(help->pos());
      if (spot) spot->index = byteOfFormattedPair(spot->index);
    } else {
      spot = box.raw->byteAt(help->pos());
    }
    if (spot)
      QToolTip::showText(help->globalPos(), byteTipText(editor_, box.slot, spot->index),
                         static_cast<QWidget*>(watched), spot->rect);
    else
      QToolTip::hideText();
    return true;
  }
  return false;
}

}  // namespace flex::ui
