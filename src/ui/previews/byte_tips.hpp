// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The byte inspector: resting the mouse on a byte pair of a preview, raw or formatted, shows
// what the byte is: its record and offset, its value in hex and binary, and each option that
// lives on it with its bits and whether its box is ticked. The text is the core's.
#include <QObject>
#include <QString>
#include <array>
#include <cstddef>

#include "session/editor.hpp"

namespace flex::ui {

class HexView;
class RawPreview;

// The tool-tip of byte `offset` of record slot `slot` as the editor has it now.
QString byteTipText(const Editor& editor, std::size_t slot, std::size_t offset);

class ByteTips : public QObject {
 public:
  ByteTips(const Editor& editor, QObject* parent);

  // A formatted box: its pairs are the record's bytes from the end of the header on.
  void watch(HexView* box, std::size_t slot);
  void watch(RawPreview* box, std::size_t slot);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Box {
    QObject* viewport;
    HexView* formatted;  // one of the two is set
    RawPreview* raw;
    std::size_t slot;
  };
  const Editor& editor_;
  std::array<Box, 6> boxes_{};
  std::size_t count_ = 0;
};

}  // namespace flex::ui
