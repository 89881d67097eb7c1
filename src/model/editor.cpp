#include "model/editor.hpp"

#include "files/flex_file.hpp"
#include "model/builtin_records.hpp"
#include "model/hex_format.hpp"
#include "model/label_encoding.hpp"
#include "options/option_rules.hpp"

namespace flex {
namespace {

const std::size_t kGprsNullRow = *findOption(1, 3);
const std::size_t kGprsPersonaleRow = *findOption(1, 5);

}  // namespace

// Every public action opens one; the view hears "state changed" once, when the outermost ends.
class Editor::Action {
 public:
  explicit Action(Editor& editor) : editor_(editor) { ++editor_.depth_; }
  ~Action() {
    if (--editor_.depth_ == 0) editor_.view_.stateChanged();
  }
  Action(const Action&) = delete;
  Action& operator=(const Action&) = delete;

 private:
  Editor& editor_;
};

Editor::Editor(EditorView& view) : view_(view) {}

void Editor::Form_Load() {
  Action action(*this);
  s_.ModificheAttive = true;
  s_.FlexGprsNull = builtin::kGprsNull;
  showBuiltinRecords();
  s_.baseline = s_.txtpreview;
  s_.frmPagina1Visible = true;
  s_.frmPagina2Visible = false;
  AggiornaOpzioni();
}

void Editor::Form_Unload() {
  Action action(*this);
  if (s_.labelDialogOpen) unloadLabelDialog();
}

void Editor::userClick(std::size_t row) {
  if (row >= kOptionCount) return;
  Action action(*this);
  auto& box = s_.boxes[row];
  box.Value = box.Value ? 0 : 1;
  clickHandling(row);
}

void Editor::setOptionValue(std::size_t row, int value) {
  if (row >= kOptionCount) return;
  Action action(*this);
  value = value ? 1 : 0;
  if (s_.boxes[row].Value == value) return;  // no change, no click
  s_.boxes[row].Value = value;
  clickHandling(row);
}

// The click handling every option group shares: invert the flag, run the option's block
// (gated blocks only while ModificheAttive), then copy the group's working copies into the
// previews.
void Editor::clickHandling(std::size_t row) {
  const OptionDef& option = optionCatalog()[row];
  auto& box = s_.boxes[row];
  box.flag = !box.flag;
  const bool ticked = box.flag;

  switch (option.action) {
    case ActionKind::Bits:
    case ActionKind::WholeByte:
      if (!option.gated || s_.ModificheAttive)
        applyOptionAction(option, ticked, workingCopy(option.record));
      break;
    // The label options switch slot 2 only when a person acts: a readback must not replace a
    // loaded label record nor open the dialog.
    case ActionKind::GprsNull:
      if (s_.ModificheAttive) gprsNullBlock(ticked);
      break;
    case ActionKind::GprsPersonale:
      if (s_.ModificheAttive) gprsPersonaleBlock(ticked);
      break;
  }

  const GroupDef& group = groupDef(option.group);
  if (group.refreshBase) setPreview(0, s_.FlexBase);
  if (group.refreshCall) setPreview(1, s_.FlexCall);
}

void Editor::gprsNullBlock(bool ticked) {
  if (ticked) {
    setOptionValue(kGprsPersonaleRow, 0);
    setPreview(2, s_.FlexGprsNull);
  } else {
    setPreview(2, s_.FlexGprs);
  }
}

void Editor::gprsPersonaleBlock(bool ticked) {
  const bool gprsNull = s_.boxes[kGprsNullRow].flag;
  if (ticked) {
    if (!gprsNull) {
      s_.FlexGprsPersonale = builtin::kLabelTemplate;
      showLabelDialog();
    } else {
      message(kInterlockPrompt, kInterlockTitle);
      setOptionValue(kGprsPersonaleRow, 0);
    }
  } else {
    setPreview(2, gprsNull ? s_.FlexGprsNull : s_.FlexGprs);
  }
}

void Editor::CheckFormattazioneTesto_Click() {
  Action action(*this);
  auto& box = s_.CheckFormattazioneTesto;
  box.Value = box.Value ? 0 : 1;
  box.flag = !box.flag;
  s_.formattedViewVisible = box.flag;
  txtpreview_Change();
}

void Editor::TabStrip1_Click(int tabIndex) {
  Action action(*this);
  s_.selectedTab = tabIndex;
  s_.frmPagina1Visible = tabIndex == 1;
  s_.frmPagina2Visible = tabIndex != 1;
}

void Editor::editRaw(std::size_t slot, std::string ansiText) {
  if (slot >= s_.txtpreview.size()) return;
  Action action(*this);
  setPreview(slot, std::move(ansiText));
}

void Editor::AggiornaOpzioni() {
  Action action(*this);
  s_.ModificheAttive = false;
  const auto catalog = optionCatalog();
  // Each row reads the slots afresh: the click handling of earlier rows may have changed them.
  for (std::size_t row = 0; row < kOptionCount; ++row)
    setOptionValue(row,
                   readOptionState(catalog[row], s_.txtpreview, s_.FlexGprs, s_.FlexGprsNull));
  s_.ModificheAttive = true;
}

void Editor::mnuFlexInterna_Click() {
  Action action(*this);
  for (std::size_t slot = 0; slot < 3; ++slot) setPreview(slot, {});
  showBuiltinRecords();
  AggiornaOpzioni();
}

FileOutcome Editor::mnuApri_Click() {
  Action action(*this);
  return openFile(view_.openFileName());
}

FileOutcome Editor::openFile(const std::string& name) {
  Action action(*this);
  s_.statusText = "File: " + name;
  if (name.empty()) {
    AggiornaOpzioni();
    return FileOutcome::Cancelled;
  }
  FileResult file = readFlexFile(name);
  if (!file.ok) {
    message("Impossibile aprire il file \"" + name + "\": " + file.reason, kFileErrorTitle);
    return FileOutcome::Failed;
  }
  const std::vector<std::string> lines = splitFlexLines(file.content);
  for (std::size_t slot = 0; slot < lines.size() && slot < 3; ++slot) {
    setPreview(slot, lines[slot]);
    if (slot == 0) s_.FlexBase = lines[slot];
    if (slot == 1) s_.FlexCall = lines[slot];
  }
  s_.fileName = name;
  s_.baseline = s_.txtpreview;
  AggiornaOpzioni();
  return FileOutcome::Done;
}

FileOutcome Editor::mnuSalva_Click() {
  Action action(*this);
  const std::string name = view_.saveFileName();
  s_.statusText = "File: " + name;
  if (name.empty()) return FileOutcome::Cancelled;
  const std::vector<std::string> records(s_.txtpreview.begin(), s_.txtpreview.end());
  const FileResult file =
      writeFlexFile(name, joinFlexLines(records), {keepBackups_ ? &backups_ : nullptr});
  if (!file.ok) {
    message("Impossibile salvare il file \"" + name + "\": " + file.reason, kFileErrorTitle);
    return FileOutcome::Failed;
  }
  s_.fileName = name;
  s_.baseline = s_.txtpreview;
  return FileOutcome::Done;
}

void Editor::GPRS_Personale() {
  Action action(*this);
  s_.FlexGprsPersonale = encodeLabel(s_.FlexGprsPersonale, s_.txt1);
  setPreview(2, s_.FlexGprsPersonale);
}

bool Editor::txt1_Change(std::string ansiText) {
  if (!s_.labelDialogOpen) return false;
  Action action(*this);
  s_.txt1 = std::move(ansiText);
  if (s_.txt1.size() > kLabelMaxLength) {
    message(kLabelLengthPrompt, kLabelLengthTitle);
    s_.txt1.resize(kLabelMaxLength);  // the change this raises finds 12 characters
  }
  return true;
}

bool Editor::cmdOKGPRS_Click() {
  if (!s_.labelDialogOpen) return false;
  Action action(*this);
  if (!s_.txt1.empty())
    GPRS_Personale();
  else
    setOptionValue(kGprsPersonaleRow, 0);
  unloadLabelDialog();
  return true;
}

bool Editor::closeLabelDialog() {
  if (!s_.labelDialogOpen) return false;
  Action action(*this);
  unloadLabelDialog();
  return true;
}

void Editor::showLabelDialog() {
  if (!s_.labelDialogOpen) {
    s_.labelDialogOpen = true;
    s_.txt1.clear();
  }
  view_.stateChanged();
  view_.labelDialogShown();
}

// The dialog's unload: a ticked "GPRS Personale" with no text typed is cleared on the way.
void Editor::unloadLabelDialog() {
  if (s_.boxes[kGprsPersonaleRow].flag && s_.txt1.empty())
    setOptionValue(kGprsPersonaleRow, 0);
  s_.labelDialogOpen = false;
  s_.txt1.clear();
  view_.labelDialogClosed();
}

void Editor::message(std::string_view prompt, std::string_view title) {
  view_.stateChanged();
  view_.messageBox(prompt, title);
}

// The built-in Base, Call and "GPRS" records into the working copies and the previews.
void Editor::showBuiltinRecords() {
  s_.FlexBase = builtin::kBase;
  s_.FlexCall = builtin::kCall;
  s_.FlexGprs = builtin::kGprs;
  setPreview(0, s_.FlexBase);
  setPreview(1, s_.FlexCall);
  setPreview(2, s_.FlexGprs);
}

void Editor::setPreview(std::size_t slot, std::string text) {
  s_.txtpreview[slot] = std::move(text);
  txtpreview_Change();
}

void Editor::txtpreview_Change() {
  for (std::size_t slot = 0; slot < 3; ++slot)
    s_.formatted[slot] = formattedView(s_.txtpreview[slot]);
}

std::string& Editor::workingCopy(RecordKind kind) {
  return kind == RecordKind::Call ? s_.FlexCall : s_.FlexBase;
}

}  // namespace flex
