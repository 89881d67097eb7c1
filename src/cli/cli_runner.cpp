// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_runner.hpp"

#include "text/ansi.hpp"

namespace flex::cli {
RunResult runActions(Editor& editor, std::span<const Action> actions) {
  RunResult result;
  for (const Action& action : actions) {
    bool dialogOpen = true;
    bool dialogInTheWay = false;
    switch (action.step) {
      case Step::Open:
        if (editor.openFile(action.text) == FileOutcome::Failed) result.fileFailed = true;
        break;
      case Step::Save:
        if (editor.saveFile(action.text) == FileOutcome::Failed) result.fileFailed = true;
        break;
      case Step::Reset: editor.loadBuiltinFlex(); break;
      case Step::Click: editor.clickOption(action.target); break;
      case Step::Tick:
        editor.setOptionState(action.target, 1);  // a click only when clear
        break;
      case Step::Clear: editor.setOptionState(action.target, 0); break;
      case Step::Raw: editor.editRaw(action.target, ansi::fromUtf8(action.text)); break;
      case Step::Type: dialogOpen = editor.setLabelText(ansi::fromUtf8(action.text)); break;
      case Step::Ok: dialogOpen = editor.confirmLabel(); break;
      case Step::Close: dialogOpen = editor.closeLabelDialog(); break;
      case Step::Undo:  // with nothing to undo or redo, nothing happens
        dialogInTheWay = editor.form().labelDialogOpen;
        if (!dialogInTheWay) editor.undo();
        break;
      case Step::Redo:
        dialogInTheWay = editor.form().labelDialogOpen;
        if (!dialogInTheWay) editor.redo();
        break;
    }
    if (!dialogOpen) {
      result.stopped =
          std::string(action.name) +
          ": the label dialog is not open (it opens when \"GPRS Personale\" is ticked)";
      return result;
    }
    if (dialogInTheWay) {
      result.stopped = std::string(action.name) +
                       ": not available while the label dialog is open (--ok, --close or --label"
                       " closes it)";
      return result;
    }
  }
  return result;
}

}  // namespace flex::cli
