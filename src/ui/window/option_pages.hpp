// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tab strip "TabStrip1" with its two option pages, "frmPagina1" (the Check1 to Check4
// groups) and "frmPagina2" (Check5), built from the option table: one check box per row, named,
// captioned and placed as the row says. A click on a box or a tab goes to the editor; redraw()
// draws ticks and pages from the editor's state.
#include <QWidget>
#include <array>

#include "options/option_catalog.hpp"

class QCheckBox;
class QGroupBox;
class QTabBar;

namespace flex {
class Editor;
struct Document;
struct FormState;
}  // namespace flex

namespace flex::ui {

class Twips;

class OptionPages : public QWidget {
  Q_OBJECT

 public:
  // Lies on `parent` over the tab strip's rectangle; the pages' places are the parent's.
  OptionPages(Editor& editor, const Twips& tw, QWidget* parent);

  void redraw(const Document& document, const FormState& form);

  QCheckBox* box(std::size_t row) const { return boxes_[row]; }
  QTabBar* tabStrip() const { return tabStrip_; }

 private:
  void createBoxes(const Twips& tw);

  Editor& editor_;
  QTabBar* tabStrip_ = nullptr;
  std::array<QGroupBox*, 2> pages_{};             // "Pagina 1", "Pag. 2"
  std::array<QCheckBox*, kOptionCount> boxes_{};  // by table row
  std::array<QCheckBox*, 2> firstBoxes_{};        // the top box of each page
};

}  // namespace flex::ui
