// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/editor.hpp"

#include "flex/builtin_records.hpp"
#include "flex/flex_file.hpp"
#include "flex/label_encoding.hpp"
#include "flex/records.hpp"
#include "options/option_rules.hpp"
#include "text/hex_format.hpp"

namespace flex {
namespace {

const std::size_t kGprsNullRow = *findOption(1, 3);
const std::size_t kGprsPersonaleRow = *findOption(1, 5);

}  // namespace

// Every public action opens one. When the outermost ends, what it changed becomes a step of the
// history and the view hears "state changed" once. `typingRun` (nonzero) names the preview an
// edit was typed in: such edits join one step. The first action that names itself names the step.
class Editor::ActionScope {
 public:
  explicit ActionScope(Editor& editor, StepName name = {}, int typingRun = 0)
      : editor_(editor), typingRun_(typingRun) {
    ++editor_.depth_;
    if (editor_.stepName_.kind == StepKind::Unnamed) editor_.stepName_ = name;
  }
  ~ActionScope() {
    if (--editor_.depth_ > 0) return;
    editor_.endAction(typingRun_);
    editor_.view_.stateChanged();
  }
  ActionScope(const ActionScope&) = delete;
  ActionScope& operator=(const ActionScope&) = delete;

 private:
  Editor& editor_;
  int typingRun_;
};

Editor::Editor(EditorView& view, std::shared_ptr<const OptionSet> options)
    : view_(view), options_(options ? std::move(options) : OptionSet::builtinOnly()) {
  doc_.boxes.resize(options_->size());
  history_.reset(doc_);
}

// While the label dialog is open, everything done joins the step of the click that opened it:
// the step is made when the dialog has closed.
void Editor::endAction(int typingRun) {
  if (form_.labelDialogOpen) {
    history_.endRun();
    return;
  }
  history_.commit(doc_, typingRun, stepName_);
  stepName_ = {};
}

std::size_t Editor::undoCount() const { return historyAvailable() ? history_.undoCount() : 0; }
std::size_t Editor::redoCount() const { return historyAvailable() ? history_.redoCount() : 0; }
StepName Editor::undoName() const { return canUndo() ? history_.undoName() : StepName{}; }
StepName Editor::redoName() const { return canRedo() ? history_.redoName() : StepName{}; }

bool Editor::undo() { return stepThroughHistory(false); }
bool Editor::redo() { return stepThroughHistory(true); }

bool Editor::stepThroughHistory(bool forward) {
  if (!(forward ? canRedo() : canUndo())) return false;
  ActionScope scope(*this);
  forward ? history_.redo(doc_) : history_.undo(doc_);
  rebuildFormattedViews();  // the formatted boxes follow the slots
  return true;
}

Document Editor::lastStep() const {
  Document document = doc_;
  if (form_.labelDialogOpen || depth_ > 0) history_.lastCommitted(document);
  return document;
}

bool Editor::restore(Document document) {
  if (!settleUnsavedWork(Leaving::Open)) return false;
  ActionScope scope(*this);
  if (form_.labelDialogOpen) unloadLabelDialog();
  doc_ = std::move(document);
  // A recovery copy holds the built-in boxes; the user's, whose options file may have changed
  // since, read back from the records it holds.
  doc_.boxes.resize(options_->size());
  for (std::size_t row = kOptionCount; row < doc_.boxes.size(); ++row) {
    const int state =
        readOptionState((*options_)[row], doc_.records, builtin::kGprs, builtin::kGprsNull);
    doc_.boxes[row] = {state, state == 1};
  }
  rebuildFormattedViews();
  history_.reset(doc_);
  return true;
}

void Editor::start() {
  ActionScope scope(*this);
  optionEditsEnabled_ = true;
  showBuiltinRecords();
  doc_.baseline = doc_.records;
  form_.selectedPage = 1;
  readBackOptions();
  history_.reset(doc_);  // the history starts here
}

void Editor::closeMainWindow() {
  ActionScope scope(*this);
  if (form_.labelDialogOpen) unloadLabelDialog();
}

void Editor::clickOption(std::size_t row) {
  if (row >= doc_.boxes.size()) return;
  ActionScope scope(*this, {StepKind::Option, row});
  auto& box = doc_.boxes[row];
  box.state = box.state ? 0 : 1;
  runClickHandling(row);
}

void Editor::setOptionState(std::size_t row, int value) {
  if (row >= doc_.boxes.size()) return;
  ActionScope scope(*this, {StepKind::Option, row});
  value = value ? 1 : 0;
  if (doc_.boxes[row].state == value) return;  // no change, no click
  doc_.boxes[row].state = value;
  runClickHandling(row);
}

// The click handling every option group shares: invert the flag, run the option's block
// (gated blocks only while optionEditsEnabled), then copy the group's working copies into the
// previews.
void Editor::runClickHandling(std::size_t row) {
  const OptionDef& option = (*options_)[row];
  auto& box = doc_.boxes[row];
  box.toggle = !box.toggle;
  const bool ticked = box.toggle;

  switch (option.effect) {
    case OptionEffect::Bits:
    case OptionEffect::WholeByte:
      if (!option.gated || optionEditsEnabled_)
        applyOptionAction(option, ticked, workingCopy(option.record));
      break;
    // The label options switch slot 2 only when a person acts: a readback must not replace a
    // loaded label record nor open the dialog.
    case OptionEffect::GprsNull:
      if (optionEditsEnabled_) applyGprsNull(ticked);
      break;
    case OptionEffect::GprsPersonale:
      if (optionEditsEnabled_) applyGprsPersonale(ticked);
      break;
  }

  // A user's option belongs to no group: it refreshes as the built-in options on its record do,
  // the Base preview, then for the Call record the Call preview.
  const GroupDef group =
      option.user ? GroupDef{0, true, option.record == RecordKind::Call} : groupDef(option.group());
  if (group.refreshBase) setPreview(0, doc_.workingBase);
  if (group.refreshCall) setPreview(1, doc_.workingCall);
}

void Editor::applyGprsNull(bool ticked) {
  if (ticked) {
    setOptionState(kGprsPersonaleRow, 0);
    setPreview(2, std::string(builtin::kGprsNull));
  } else {
    setPreview(2, std::string(builtin::kGprs));
  }
}

void Editor::applyGprsPersonale(bool ticked) {
  const bool gprsNull = doc_.boxes[kGprsNullRow].toggle;
  if (ticked) {
    if (!gprsNull) {
      doc_.personalLabel = builtin::kLabelTemplate;
      showLabelDialog();
    } else {
      message({MessageId::GprsNullInterlock});
      setOptionState(kGprsPersonaleRow, 0);
    }
  } else {
    setPreview(2, std::string(gprsNull ? builtin::kGprsNull : builtin::kGprs));
  }
}

void Editor::toggleFormatting() {
  ActionScope scope(*this);
  auto& box = form_.formattingBox;
  box.state = box.state ? 0 : 1;
  box.toggle = !box.toggle;  // the view switches with it
}

void Editor::selectPage(int tabIndex) {
  ActionScope scope(*this);
  // Without user's options there is no third tab: any tab but the first is the second page.
  form_.selectedPage = tabIndex == 3 && options_->userCount() == 0 ? 2 : tabIndex;
}

void Editor::editRaw(std::size_t slot, std::string ansiText, RawEdit kind) {
  if (slot >= doc_.records.size()) return;
  ActionScope scope(*this, {StepKind::RawEdit, slot},
                    kind == RawEdit::Typing ? static_cast<int>(slot) + 1 : 0);
  setPreview(slot, std::move(ansiText));
}

void Editor::endTyping() { history_.endRun(); }

void Editor::readBackOptions() {
  ActionScope scope(*this);
  optionEditsEnabled_ = false;
  // Each row reads the slots afresh: the click handling of earlier rows may have changed them.
  // The user's options come after the built-in ones.
  for (std::size_t row = 0; row < options_->size(); ++row)
    setOptionState(
        row, readOptionState((*options_)[row], doc_.records, builtin::kGprs, builtin::kGprsNull));
  optionEditsEnabled_ = true;
}

void Editor::loadBuiltinFlex() {
  if (!settleUnsavedWork(Leaving::Builtin)) return;
  ActionScope scope(*this, {StepKind::Builtin});
  for (std::size_t slot = 0; slot < 3; ++slot) setPreview(slot, {});
  showBuiltinRecords();
  readBackOptions();
}

bool Editor::hasUnsavedWork() const {
  return modified() || (form_.labelDialogOpen && !form_.labelText.empty());
}

std::string Editor::statusText() const {
  return doc_.fileName.empty() ? std::string() : "File: " + doc_.fileName;
}

// Each answer's own action is a step of its own, apart from the action that asked.
bool Editor::settleUnsavedWork(Leaving why) {
  if (!hasUnsavedWork()) return true;
  const bool typedLabel = form_.labelDialogOpen && !form_.labelText.empty();
  switch (view_.askUnsaved(why)) {
    case UnsavedAnswer::NotAsked: return true;
    case UnsavedAnswer::Cancel: return false;
    case UnsavedAnswer::Discard:
      if (typedLabel) closeLabelDialog();
      return true;
    case UnsavedAnswer::Save:
      if (typedLabel && (!confirmLabel() || form_.labelDialogOpen)) return false;
      return save() == FileOutcome::Done;
  }
  return false;
}

DiskChange Editor::diskChange() const {
  return compareWithDisk(doc_.fileName, doc_.fileName, doc_.disk, files_);
}

FileOutcome Editor::openWithDialog() {
  if (!settleUnsavedWork(Leaving::Open)) return FileOutcome::Cancelled;
  ActionScope scope(*this);
  return loadFile(view_.openFileName());
}

FileOutcome Editor::openFile(const std::string& name) {
  if (!settleUnsavedWork(Leaving::Open)) return FileOutcome::Cancelled;
  return loadFile(name);
}

FileOutcome Editor::loadFile(const std::string& name) {
  ActionScope scope(*this, {StepKind::Open});
  if (name.empty()) {
    readBackOptions();
    return FileOutcome::Cancelled;
  }
  ReadResult file = readFlexFile(name, files_);
  if (file.error) {
    message({MessageId::OpenFailed, name, *file.error});
    return FileOutcome::Failed;
  }
  RecordSet loaded = doc_.records;
  const std::size_t reached = placeFileLines(loaded, splitFlexLines(file.content));
  for (std::size_t slot = 0; slot < reached; ++slot) setPreview(slot, loaded[slot]);
  if (reached > 0) doc_.workingBase = loaded[0];
  if (reached > 1) doc_.workingCall = loaded[1];
  doc_.fileName = name;
  doc_.disk = file.identity;
  doc_.baseline = doc_.records;
  readBackOptions();
  return FileOutcome::Done;
}

FileOutcome Editor::save() {
  return doc_.fileName.empty() ? saveWithDialog() : saveFile(doc_.fileName);
}

FileOutcome Editor::saveWithDialog() {
  ActionScope scope(*this);
  return saveFile(view_.saveFileName());
}

// A failed save that still changed the file the flex belongs to (replaced, its folder not
// flushed; or torn, with no rollback put back) made a change of this program's own: the next
// save is not taken for one over another program's change.
void Editor::forgetOwnChange(const std::string& name, const std::string& content, FileStep step) {
  if (step != FileStep::Flush && step != FileStep::Restore) return;
  if (name == doc_.fileName || sameFile(name, doc_.fileName, files_))
    doc_.disk = step == FileStep::Flush ? identityAfterSave(name, content, files_) : FileIdentity{};
}

// The file the flex belongs to, changed or gone since: overwritten only on the person's word.
FileOutcome Editor::saveFile(const std::string& name) {
  ActionScope scope(*this);
  if (name.empty()) return FileOutcome::Cancelled;
  const std::vector<std::string> records(doc_.records.begin(), doc_.records.end());
  const std::string content = joinFlexLines(records);
  if (const DiskChange change = compareWithDisk(name, doc_.fileName, doc_.disk, files_);
      change != DiskChange::None) {
    switch (view_.askOverwrite(name, change)) {
      case OverwriteAnswer::Overwrite: break;
      case OverwriteAnswer::Cancel: return FileOutcome::Cancelled;
      case OverwriteAnswer::Refuse: {
        const FileReason why =
            change == DiskChange::Gone ? FileReason::GoneFromDisk : FileReason::ChangedOnDisk;
        message({MessageId::SaveFailed, name, {FileStep::Check, why, 0, {}, {}}});
        return FileOutcome::Failed;
      }
    }
  }
  const SaveOptions options{&backups_, keepBackups_};
  if (const auto error = writeFlexFile(name, content, options, files_)) {
    message({MessageId::SaveFailed, name, *error});
    forgetOwnChange(name, content, error->step);
    return FileOutcome::Failed;
  }
  doc_.fileName = name;
  doc_.disk = identityAfterSave(name, content, files_);
  doc_.baseline = doc_.records;
  return FileOutcome::Done;
}

void Editor::encodePersonalLabel() {
  ActionScope scope(*this);
  doc_.personalLabel = encodeLabel(doc_.personalLabel, form_.labelText);
  setPreview(2, doc_.personalLabel);
}

bool Editor::setLabelText(std::string ansiText) {
  if (!form_.labelDialogOpen) return false;
  ActionScope scope(*this);
  form_.labelText = std::move(ansiText);
  if (form_.labelText.size() > kLabelMaxLength) {
    message({MessageId::LabelTooLong});
    form_.labelText.resize(kLabelMaxLength);  // the change this raises finds 12 characters
  }
  return true;
}

bool Editor::confirmLabel() {
  if (!form_.labelDialogOpen) return false;
  ActionScope scope(*this);
  if (!form_.labelText.empty())
    encodePersonalLabel();
  else
    setOptionState(kGprsPersonaleRow, 0);
  unloadLabelDialog();
  return true;
}

bool Editor::closeLabelDialog() {
  if (!form_.labelDialogOpen) return false;
  ActionScope scope(*this);
  unloadLabelDialog();
  return true;
}

void Editor::showLabelDialog() {
  if (!form_.labelDialogOpen) {
    form_.labelDialogOpen = true;
    form_.labelText.clear();
  }
  view_.stateChanged();
  view_.labelDialogShown();
}

// The dialog's unload: a ticked "GPRS Personale" with no text typed is cleared on the way.
void Editor::unloadLabelDialog() {
  if (doc_.boxes[kGprsPersonaleRow].toggle && form_.labelText.empty())
    setOptionState(kGprsPersonaleRow, 0);
  form_.labelDialogOpen = false;
  form_.labelText.clear();
  view_.labelDialogClosed();
}

void Editor::message(const EditorMessage& shown) {
  view_.stateChanged();
  view_.messageBox(shown);
}

// The built-in Base, Call and "GPRS" records into the working copies and the previews.
void Editor::showBuiltinRecords() {
  doc_.workingBase = builtin::kBase;
  doc_.workingCall = builtin::kCall;
  setPreview(0, doc_.workingBase);
  setPreview(1, doc_.workingCall);
  setPreview(2, std::string(builtin::kGprs));
}

void Editor::setPreview(std::size_t slot, std::string text) {
  doc_.records[slot] = std::move(text);
  form_.formatted[slot] = formattedView(doc_.records[slot]);
}

void Editor::rebuildFormattedViews() {
  for (std::size_t slot = 0; slot < 3; ++slot)
    form_.formatted[slot] = formattedView(doc_.records[slot]);
}

std::string& Editor::workingCopy(RecordKind kind) {
  return kind == RecordKind::Call ? doc_.workingCall : doc_.workingBase;
}

}  // namespace flex
