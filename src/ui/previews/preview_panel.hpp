// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The frame "Preview" (Frame2): the three records as formatted boxes (txtFlexBase, txtFlexCall,
// txtFlexGprs) under the column ruler with their row labels, or as raw previews (txtpreview_0
// to _2) at the same places, and "Formattazione Testo", which chooses between the two. Bytes
// that differ from the built-in flex sit on a tint; resting the mouse on a byte shows the byte
// inspector. Typing in a raw preview (one step of the editor's history until the preview loses
// the focus) and the view switch go to the editor; redraw() shows the editor's state. The window
// adds its command buttons to the frame.
#include <QFont>
#include <QGroupBox>
#include <array>
#include <vector>

class QCheckBox;
class QLabel;

namespace flex {
class Editor;
struct FormState;
}  // namespace flex

namespace flex::ui {

class ByteTips;
class HexView;
class RawPreview;
class Twips;

class PreviewPanel : public QGroupBox {
  Q_OBJECT

 public:
  PreviewPanel(Editor& editor, const Twips& tw, QWidget* parent);

  void redraw(const FormState& form);
  // What looks at drops onto the raw previews before they take them as text.
  void setDropFilter(QObject* filter) { dropFilter_ = filter; }

  HexView* formattedBox(std::size_t slot) const { return formatted_[slot]; }
  // The raw previews are made the first time they show or one is asked for here.
  RawPreview* rawPreview(std::size_t slot);
  const std::vector<QLabel*>& rowLabels(std::size_t slot) const { return rowLabels_[slot]; }
  QLabel* ruler() const { return ruler_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void createFormattedBoxes(const Twips& tw);
  void createRulerAndRowLabels();
  void createRawPreviews();
  void showRawPreview(std::size_t slot, const std::vector<bool>& changed);
  void placeRuler();
  void placeRowLabels(std::size_t slot);

  Editor& editor_;
  QFont hexFont_;  // the formatted boxes', the ruler's, the row labels' and the raw previews'
  std::array<HexView*, 3> formatted_{};
  std::array<RawPreview*, 3> raw_{};  // null until first needed
  std::array<std::vector<QLabel*>, 3> rowLabels_;
  QLabel* ruler_ = nullptr;
  QCheckBox* formatting_ = nullptr;  // "Formattazione Testo"
  ByteTips* byteTips_ = nullptr;
  QObject* dropFilter_ = nullptr;
  int rowLabelLeft_ = 0;
  bool onWholePixels_ = false;
};

}  // namespace flex::ui
