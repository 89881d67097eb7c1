// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the main window and its label dialog show around the document: the formatted boxes, the
// view switch, the page and the label dialog (the status bar follows the document's file name:
// Editor::statusText). None of it is saved or undone. What follows from something else is
// derived, not stored beside it.
//
// Record and label texts are ANSI (see ansi.hpp).
#include <array>
#include <string>

#include "session/option_box.hpp"

namespace flex {

struct FormState {
  // txtFlexBase, txtFlexCall, txtFlexGprs: each slot's record as formattedView() makes it. The
  // formatted text of a slot follows that slot only.
  std::array<std::string, 3> formatted;
  OptionBox formattingBox{1, true};  // "Formattazione Testo"
  int selectedPage = 1;              // 1 "Pagina 1", 2 "Pag. 2", 3 "Opzioni utente"
  bool labelDialogOpen = false;
  std::string labelText;  // the label dialog's text

  // The formatted boxes show while "Formattazione Testo" is ticked, else the raw previews.
  bool formattedViewVisible() const { return formattingBox.toggle; }
  // Page 1 or 3 shows when its tab is the selected one, page 2 for any other tab.
  bool pageVisible(int page) const {
    return page == (selectedPage == 1 || selectedPage == 3 ? selectedPage : 2);
  }

  bool operator==(const FormState&) const = default;
};

}  // namespace flex
