// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tab strip "TabStrip1" with its option pages, "frmPagina1" (the Check1 to Check4 groups),
// "frmPagina2" (Check5) and, when the editor has user's options, "frmPagina3" ("Opzioni utente"),
// built from the editor's option set: one check box per row, named, captioned and placed as the
// row says. A click on a box or a tab goes to the editor; redraw() draws ticks and pages from the
// editor's state. Ctrl+Tab and Ctrl+PgDown show the next page,
// Ctrl+Shift+Tab and Ctrl+PgUp the previous one, wherever the focus is in the window.
#include <QWidget>
#include <vector>

class QAction;
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
class UserOptionPage;

class OptionPages : public QWidget {
  Q_OBJECT

 public:
  // Lies on `parent` over the tab strip's rectangle; the pages' places are the parent's.
  OptionPages(Editor& editor, const Twips& tw, QWidget* parent);

  void redraw(const Document& document, const FormState& form);

  QCheckBox* box(std::size_t row) const { return boxes_[row]; }  // by row of the option set
  QCheckBox* firstBox(int page) const { return firstBoxes_[static_cast<std::size_t>(page - 1)]; }
  QTabBar* tabStrip() const { return tabStrip_; }
  // "Pagina successiva" and "Pagina precedente", with their keys.
  QList<QAction*> pageActions() const { return pageActions_; }

 private:
  void createBoxes(const Twips& tw);
  void createPageActions();

  Editor& editor_;
  QTabBar* tabStrip_ = nullptr;
  std::vector<QGroupBox*> pages_;       // "Pagina 1", "Pag. 2" and "Opzioni utente" if any
  UserOptionPage* userPage_ = nullptr;  // the third, when there is one
  std::vector<QCheckBox*> boxes_;       // by row of the option set
  std::vector<QCheckBox*> firstBoxes_;  // the top box of each page
  QList<QAction*> pageActions_;
};

}  // namespace flex::ui
