// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The editor: a document (what a save writes and undo puts back), the form around it (page,
// view, label dialog, status bar), and every action a person can take on them. Event rules:
// assigning a check box's state runs its click handling at once, nested, to its end, and only
// when the state changes; every assignment of a preview's text runs its change handling (the
// formatted box of that slot is rebuilt).
//
// Record and label texts are ANSI (see ansi.hpp); status and message texts are UTF-8 but for the
// file names in them, which are the file system's bytes (see Document::fileName).
#include <cstddef>
#include <memory>
#include <string>
#include <utility>

#include "flex/flex_file.hpp"
#include "options/option_set.hpp"
#include "session/document.hpp"
#include "session/editor_view.hpp"
#include "session/form_state.hpp"
#include "session/history.hpp"

namespace flex {

enum class FileOutcome { Done, Cancelled, Failed };

class Editor {
 public:
  // The editor offers the options of `options`: the built-in ones, then the user's own, one box
  // each; every rule treats them alike.
  explicit Editor(EditorView& view,
                  std::shared_ptr<const OptionSet> options = OptionSet::builtinOnly());
  Editor(const Editor&) = delete;
  Editor& operator=(const Editor&) = delete;

  const OptionSet& options() const { return *options_; }
  const Document& document() const { return doc_; }
  const FormState& form() const { return form_; }
  // True while the records differ from what was last loaded or saved (undo and redo included).
  bool modified() const { return doc_.modified(); }
  // Work a question before the flex goes must count: the records modified, or a text in the open
  // label dialog that OK has not confirmed yet.
  bool hasUnsavedWork() const;
  // Status bar panel 1: "File: " and the name of the file the flex belongs to (last loaded or
  // saved; the file system's bytes, as Document::fileName), or nothing before the first. An open
  // or save that is cancelled or fails leaves it.
  std::string statusText() const;

  // --- main window ---
  void start();                       // start-up: built-in flex, page 1, readback
  void closeMainWindow();             // the main window closes: the label dialog closes with it
  void clickOption(std::size_t row);  // a person clicks option `row` of the option set
  void setOptionState(std::size_t row, int value);  // code assigns the box's state
  void toggleFormatting();                          // a person clicks "Formattazione Testo"
  // A person selects tab 1, 2 or, when there are user's options, 3 "Opzioni utente".
  void selectPage(int tabIndex);
  // A hand edit of a raw preview. Typing: one step with the edits of the same preview typed
  // just before it, until endTyping() or any other action.
  enum class RawEdit { OwnStep, Typing };
  void editRaw(std::size_t slot, std::string ansiText, RawEdit kind = RawEdit::OwnStep);
  void endTyping();  // the preview being typed in lost the focus
  // "Apri Flex" and "Salva Flex..." ("Genera File FLEX"): the file name (the file system's bytes)
  // as chosen; "" is a dialog cancelled, which reads and writes nothing (an open runs the readback
  // all the same). The dialog actions ask the view for the name, the others take it.
  // An open first settles unsaved work (settleUnsavedWork), before its dialog; Cancelled when
  // the person stays. A save to the file the flex belongs to that finds it changed or gone on the
  // disk since asks the view (askOverwrite): Cancelled when the person says no, Failed (with a
  // message) when no one could be asked.
  FileOutcome openWithDialog();
  FileOutcome openFile(const std::string& name);
  FileOutcome saveWithDialog();
  FileOutcome saveFile(const std::string& name);
  // "Salva": to the file the flex belongs to, without a dialog; as saveWithDialog() while the
  // flex came from no file.
  FileOutcome save();
  // Before the flex goes (`why`), with unsaved work: the view is asked. Save confirms a typed
  // label as OK does (when OK keeps the dialog open, nothing is saved), then saves as "Salva"
  // does; Discard drops the typed label (its dialog closes). True when the action
  // may go on: nothing unsaved, not asked, Discard, or Save that saved.
  bool settleUnsavedWork(Leaving why);
  // How the file the flex belongs to stands on the disk now, against what it was when last loaded
  // or saved (its bytes are read when its metadata match).
  DiskChange diskChange() const;
  // Whether a save keeps a file's previous content as NAME~: once per file in this editor's
  // life, before its first replacement, so that NAME~ holds what it held before. Off at start.
  void setKeepBackups(bool keep) { keepBackups_ = keep; }
  bool keepsBackups() const { return keepBackups_; }
  // How loads and saves reach the file system: the real calls unless replaced (tests), and the
  // folder for restore copies.
  void setFileContext(FileContext context) { files_ = std::move(context); }
  void loadBuiltinFlex();      // "Carica Flex Interna" (unsaved work settled first)
  void readBackOptions();      // the option readback
  void encodePersonalLabel();  // encodes labelText into the personal label record

  // --- label dialog (frmGPRS) ---
  // The dialog's text becomes `ansiText` (typing, pasting); longer than 12 characters it is
  // refused with a message and cut to its first 12. False when the dialog is not open.
  bool setLabelText(std::string ansiText);
  bool confirmLabel();      // OK; false when the dialog is not open
  bool closeLabelDialog();  // its close box; false when the dialog is not open

  // --- undo and redo ---
  // A step is one action that changed the flex: the records, the working copies, the personal
  // label record or the option boxes. A click that opens the label dialog makes one step with
  // everything done until the dialog closes. Undo puts back the state from before the last step,
  // redo the state after it: no click handling, no message, no file, the status bar as it was.
  // Neither is available while the label dialog is open or an action runs; the counts are then 0.
  std::size_t undoCount() const;
  std::size_t redoCount() const;
  bool canUndo() const { return undoCount() > 0; }
  bool canRedo() const { return redoCount() > 0; }
  // What the step undo / redo would apply did (for "Annulla: Menu Engineering"); Unnamed when
  // neither is available.
  StepName undoName() const;
  StepName redoName() const;
  bool undo();  // false when there is nothing to undo now
  bool redo();
  std::size_t historyBytes() const { return history_.bytes(); }  // what the kept steps hold

  // --- recovery ---
  // The document as the last whole step left it: while an action runs (a message box shows
  // from inside it) or the label dialog is open (its step not yet made), without what was done
  // since the action or the click that opened the dialog began.
  Document lastStep() const;
  // Puts `document` (a recovery copy's) in place of the one held, as an open does (unsaved work
  // settled first; false when the person stays): it shows marked modified (unless it matches
  // what was loaded), with nothing to undo. The label dialog closes first.
  bool restore(Document document);

 private:
  bool stepThroughHistory(bool forward);  // undo (false) or redo (true)
  class ActionScope;                      // the outermost one ends a step and notifies the view

  FileOutcome loadFile(const std::string& name);
  void forgetOwnChange(const std::string& name, const std::string& content, FileStep step);
  void showBuiltinRecords();
  void setPreview(std::size_t slot, std::string text);
  void rebuildFormattedViews();
  void runClickHandling(std::size_t row);
  void applyGprsNull(bool ticked);
  void applyGprsPersonale(bool ticked);
  void showLabelDialog();
  void unloadLabelDialog();
  void message(const EditorMessage& shown);
  std::string& workingCopy(RecordKind kind);

  bool historyAvailable() const { return depth_ == 0 && !form_.labelDialogOpen; }
  void endAction(int typingRun);

  EditorView& view_;
  std::shared_ptr<const OptionSet> options_;
  Document doc_;
  FormState form_;
  // False while the readback runs: the gated option blocks and the label options write nothing.
  bool optionEditsEnabled_ = false;
  History history_;
  int depth_ = 0;
  StepName stepName_;  // of the step the actions since the last commit make
  bool keepBackups_ = false;
  BackupLog backups_;  // what this editor's saves did to files: backed up, created, left torn
  FileContext files_;
};

}  // namespace flex
