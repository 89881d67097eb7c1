// Editing: the input is read as a starting flex followed by a sequence of actions a person can
// take (option clicks, resets, hand edits of the raw previews, typing in the label dialog, its
// OK and close box, loads and saves). The checks after every action are those of
// fuzz_support.hpp plus the ones each action promises.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "files/flex_file.hpp"
#include "fuzz_support.hpp"
#include "model/builtin_records.hpp"
#include "model/label_encoding.hpp"

using namespace flex;
using namespace flex::fuzz;

namespace {

enum class Op {
  Click,
  Assign,
  Reset,
  Readback,
  HandEdit,
  HandPatch,
  Type,
  Ok,
  Close,
  Load,
  LoadRefused,
  LoadCancelled,
  Save,
  SaveCancelled,
  Format,
  Tab,
  Unload,
  kMaxValue = Unload,
};

constexpr int kMaxActions = 48;
const std::size_t kNullRow = *findOption(1, 3);
const std::size_t kPersonalRow = *findOption(1, 5);

// The state right after start-up: what a reset must give back, whatever came before.
const EditorState& startState() {
  static const EditorState state = [] {
    NullEditorView view;
    Editor editor(view);
    editor.Form_Load();
    return editor.state();
  }();
  return state;
}

// A ".hs" file: either raw bytes, or the built-in records with a few characters changed,
// some records cut short, and chosen line ends.
std::string makeFile(FuzzedDataProvider& in) {
  if (in.ConsumeBool()) return in.ConsumeRandomLengthString(2048);
  static const std::string_view labels[] = {builtin::kGprs, builtin::kGprsNull,
                                            builtin::kLabelTemplate};
  std::string records[3] = {std::string(builtin::kBase), std::string(builtin::kCall),
                            std::string(labels[in.ConsumeIntegralInRange<int>(0, 2)])};
  const int patches = in.ConsumeIntegralInRange<int>(0, 8);
  for (int i = 0; i < patches; ++i) {
    std::string& record = records[in.ConsumeIntegralInRange<int>(0, 2)];
    const std::size_t at = in.ConsumeIntegralInRange<std::size_t>(0, record.size());
    switch (in.ConsumeIntegralInRange<int>(0, 3)) {
      case 0:  // another hex digit
        if (at < record.size()) record[at] = "0123456789ABCDEF"[in.ConsumeIntegral<uint8_t>() % 16];
        break;
      case 1:  // any byte
        if (at < record.size()) record[at] = static_cast<char>(in.ConsumeIntegral<uint8_t>());
        break;
      case 2:  // cut short
        record.resize(at);
        break;
      case 3:  // lower case from here on
        for (std::size_t k = at; k < record.size(); ++k)
          if (record[k] >= 'A' && record[k] <= 'F') record[k] = static_cast<char>(record[k] + 32);
        break;
    }
  }
  static const std::string_view ends[] = {"\r\n", "\r", "\n", ""};
  std::string content;
  const int lines = in.ConsumeIntegralInRange<int>(0, 5);
  for (int i = 0; i < lines; ++i) {
    content += i < 3 ? records[i] : in.ConsumeRandomLengthString(64);
    content += ends[in.ConsumeIntegralInRange<int>(0, 3)];
  }
  return content;
}

// After a readback the working copies keep their length and differ from before only at
// readable option bytes, which stay hex; slot 2 and the label dialog are left alone.
void checkReadback(const EditorState& before, const EditorState& after, const FakeView& view,
                   std::size_t messagesBefore, int dialogsBefore) {
  FUZZ_CHECK(view.messages.size() == messagesBefore, "the readback showed a message");
  FUZZ_CHECK(view.dialogsShown == dialogsBefore, "the readback opened the label dialog");
  FUZZ_CHECK(after.labelDialogOpen == before.labelDialogOpen, "the readback changed the dialog");
  FUZZ_CHECK(after.txtpreview[2] == before.txtpreview[2], "the readback switched slot 2");
  FUZZ_CHECK(after.FlexGprsPersonale == before.FlexGprsPersonale,
             "the readback reset the personal label record");
  const std::string* records[][2] = {{&before.FlexBase, &after.FlexBase},
                                     {&before.FlexCall, &after.FlexCall}};
  for (auto& pair : records) {
    const std::string& was = *pair[0];
    const std::string& now = *pair[1];
    FUZZ_CHECK(now.size() == was.size(), "the readback changed a record's length");
    for (std::size_t i = 0; i < now.size(); i += 1) {
      if (now[i] == was[i]) continue;
      const std::size_t start = i - i % 2;
      bool optionByte = false;
      for (const auto& option : optionCatalog())
        if ((option.action == ActionKind::Bits || option.action == ActionKind::WholeByte) &&
            option.position - 1 == start)
          optionByte = true;
      FUZZ_CHECK(optionByte, "the readback changed character " + std::to_string(i + 1));
      FUZZ_CHECK(pairValue(was, start + 1) >= 0 && pairValue(now, start + 1) >= 0,
                 "the readback wrote into or made an unreadable byte");
    }
  }
}

// The label dialog as it should be after a click: the only message a click may raise is the
// GPRS interlock, when "GPRS Personale" is ticked while "GPRS Null" is.
void checkClickMessages(std::size_t row, const EditorState& before, const EditorState& after,
                        const FakeView& view, std::size_t messagesBefore) {
  const bool refused = row == kPersonalRow && after.boxes[row].flag == false &&
                       before.boxes[row].Value == 0 && before.boxes[kNullRow].flag;
  FUZZ_CHECK(view.messages.size() == messagesBefore + (refused ? 1 : 0),
             "unexpected messages after a click of " + std::string(optionCatalog()[row].id));
  if (refused) {
    FUZZ_CHECK(view.messages.back().title == kInterlockTitle, view.messages.back().title);
    FUZZ_CHECK(after.txtpreview[2] == after.FlexGprsNull, "refused GPRS Personale left slot 2");
    FUZZ_CHECK(after.labelDialogOpen == before.labelDialogOpen, "refusal opened the dialog");
  }
  if (row == kPersonalRow && after.boxes[row].Value == 1 && before.boxes[row].Value == 0) {
    FUZZ_CHECK(after.labelDialogOpen, "ticking GPRS Personale did not open the dialog");
    FUZZ_CHECK(after.FlexGprsPersonale == builtin::kLabelTemplate,
               "ticking GPRS Personale did not load the template");
    FUZZ_CHECK(after.txtpreview[2] == before.txtpreview[2], "ticking GPRS Personale set slot 2");
  }
  if (row == kNullRow && after.boxes[row].Value == 1)
    FUZZ_CHECK(after.txtpreview[2] == after.FlexGprsNull, "GPRS Null ticked, slot 2 differs");
  if (row == kNullRow && after.boxes[row].Value == 0)
    FUZZ_CHECK(after.txtpreview[2] == after.FlexGprs, "GPRS Null cleared, slot 2 differs");
}

void checkUnchangedBut(const EditorState& before, const EditorState& after, const char* what) {
  EditorState expected = before;
  expected.statusText = after.statusText;
  FUZZ_CHECK(sameState(expected, after), std::string(what) + " changed the editor");
}

class Run {
 public:
  explicit Run(FuzzedDataProvider& in) : in_(in), editor_(view_) {}

  void start() {
    editor_.Form_Load();
    checkBetweenActions(editor_.state());
    FUZZ_CHECK(sameState(editor_.state(), startState()), "start-up is not deterministic");
    loadFile(makeFile(in_));
  }

  void step() {
    const EditorState before = editor_.state();
    const std::size_t messages = view_.messages.size();
    const int dialogs = view_.dialogsShown;
    const auto op = in_.ConsumeEnum<Op>();
    switch (op) {
      case Op::Click: {
        const auto row = in_.ConsumeIntegralInRange<std::size_t>(0, kOptionCount - 1);
        editor_.userClick(row);
        checkClick(row, before, state());
        checkClickMessages(row, before, state(), view_, messages);
        break;
      }
      case Op::Assign: {
        const auto row = in_.ConsumeIntegralInRange<std::size_t>(0, kOptionCount - 1);
        const int value = in_.ConsumeBool() ? 1 : 0;
        editor_.setOptionValue(row, value);
        if (before.boxes[row].Value == value) {
          checkUnchangedBut(before, state(), "assigning a box its own state");
        } else {
          checkClick(row, before, state());
          checkClickMessages(row, before, state(), view_, messages);
        }
        break;
      }
      case Op::Reset: {
        editor_.mnuFlexInterna_Click();
        const EditorState& s = state();
        const EditorState& fresh = startState();
        FUZZ_CHECK(s.txtpreview == fresh.txtpreview, "the reset did not restore the built-in flex");
        FUZZ_CHECK(s.FlexBase == builtin::kBase && s.FlexCall == builtin::kCall,
                   "the reset did not restore the working copies");
        for (std::size_t row = 0; row < kOptionCount; ++row)
          FUZZ_CHECK(s.boxes[row].Value == fresh.boxes[row].Value,
                     "after a reset " + std::string(optionCatalog()[row].id) +
                         " differs from start-up");
        FUZZ_CHECK(view_.messages.size() == messages, "the reset showed a message");
        FUZZ_CHECK(view_.dialogsShown == dialogs, "the reset opened the label dialog");
        FUZZ_CHECK(s.labelDialogOpen == before.labelDialogOpen, "the reset changed the dialog");
        FUZZ_CHECK(s.FlexGprsPersonale == before.FlexGprsPersonale,
                   "the reset dropped the personal label record");
        break;
      }
      case Op::Readback:
        editor_.AggiornaOpzioni();
        checkReadback(before, state(), view_, messages, dialogs);
        break;
      case Op::HandEdit:
      case Op::HandPatch: {
        const auto slot = in_.ConsumeIntegralInRange<std::size_t>(0, 2);
        std::string text = state().txtpreview[slot];
        if (op == Op::HandEdit) {
          text = in_.ConsumeRandomLengthString(400);
        } else {
          const auto at = in_.ConsumeIntegralInRange<std::size_t>(0, text.size());
          const auto c = static_cast<char>(in_.ConsumeIntegral<uint8_t>());
          switch (in_.ConsumeIntegralInRange<int>(0, 2)) {
            case 0: if (at < text.size()) text[at] = c; break;
            case 1: text.insert(at, 1, c); break;
            case 2: text.erase(at, 1); break;
          }
        }
        editor_.editRaw(slot, text);
        EditorState expected = before;
        expected.txtpreview[slot] = text;
        expected.formatted = state().formatted;
        FUZZ_CHECK(sameState(expected, state()), "a hand edit changed more than its preview");
        break;
      }
      case Op::Type: {
        const std::string text = in_.ConsumeRandomLengthString(20);
        const bool open = before.labelDialogOpen;
        FUZZ_CHECK(editor_.txt1_Change(text) == open, "typing with the dialog closed");
        if (!open) {
          checkUnchangedBut(before, state(), "typing with the dialog closed");
          break;
        }
        const bool tooLong = text.size() > kLabelMaxLength;
        FUZZ_CHECK(view_.messages.size() == messages + (tooLong ? 1 : 0),
                   "the length message was not shown exactly once");
        if (tooLong) FUZZ_CHECK(view_.messages.back().title == kLabelLengthTitle, "title");
        FUZZ_CHECK(state().txt1 == text.substr(0, kLabelMaxLength), "label text not cut to 12");
        break;
      }
      case Op::Ok: {
        const bool open = before.labelDialogOpen;
        FUZZ_CHECK(editor_.cmdOKGPRS_Click() == open, "OK with the dialog closed");
        FUZZ_CHECK(!state().labelDialogOpen, "OK left the dialog open");
        FUZZ_CHECK(view_.messages.size() == messages, "OK showed a message");
        if (!open) {
          checkUnchangedBut(before, state(), "OK with the dialog closed");
        } else if (!before.txt1.empty()) {
          const std::string expected = encodeLabel(before.FlexGprsPersonale, before.txt1);
          FUZZ_CHECK(state().FlexGprsPersonale == expected, "OK did not encode the label");
          FUZZ_CHECK(state().txtpreview[2] == expected, "OK did not show the label record");
          FUZZ_CHECK(state().boxes[kPersonalRow].Value == before.boxes[kPersonalRow].Value,
                     "OK with a text changed GPRS Personale");
        } else {
          FUZZ_CHECK(state().boxes[kPersonalRow].Value == 0, "OK without a text left it ticked");
        }
        break;
      }
      case Op::Close:
      case Op::Unload: {
        const bool open = before.labelDialogOpen;
        if (op == Op::Close)
          FUZZ_CHECK(editor_.closeLabelDialog() == open, "close box with the dialog closed");
        else
          editor_.Form_Unload();
        FUZZ_CHECK(!state().labelDialogOpen, "the dialog is still open");
        FUZZ_CHECK(view_.messages.size() == messages, "closing showed a message");
        if (open && before.txt1.empty()) {
          FUZZ_CHECK(state().boxes[kPersonalRow].Value == 0, "closing left GPRS Personale ticked");
        } else {
          EditorState expected = before;
          expected.labelDialogOpen = false;
          expected.txt1.clear();
          checkUnchangedBut(expected, state(), "closing the dialog with a text");
        }
        break;
      }
      case Op::Load:
        loadFile(in_.ConsumeBool() ? makeFile(in_) : saved_);
        break;
      case Op::LoadRefused: {
        const std::string* paths[] = {&missingPath(), &folderPath(), &oversizedFile()};
        const std::string& path = *paths[in_.ConsumeIntegralInRange<int>(0, 2)];
        checkRefusedLoad(before, state(), view_, messages, path, load(editor_, view_, path));
        break;
      }
      case Op::LoadCancelled:
        FUZZ_CHECK(editor_.mnuApri_Click() == FileOutcome::Cancelled, "cancelled open");
        FUZZ_CHECK(state().statusText == "File: ", state().statusText);
        checkReadback(before, state(), view_, messages, dialogs);
        break;
      case Op::Save: {
        const std::string path = scratchPath("out.hs");
        FUZZ_CHECK(save(editor_, view_, path) == FileOutcome::Done, "save failed");
        FUZZ_CHECK(view_.messages.size() == messages, "a save showed a message");
        FUZZ_CHECK(state().statusText == "File: " + path, state().statusText);
        EditorState expected = before;
        expected.fileName = path;
        expected.baseline = before.txtpreview;
        checkUnchangedBut(expected, state(), "a save");
        FUZZ_CHECK(!editor_.modified(), "the records differ from the file just saved");
        checkSavedFile(path, state());
        saved_ = readWhole(path);
        break;
      }
      case Op::SaveCancelled:
        FUZZ_CHECK(editor_.mnuSalva_Click() == FileOutcome::Cancelled, "cancelled save");
        FUZZ_CHECK(state().statusText == "File: ", state().statusText);
        checkUnchangedBut(before, state(), "a cancelled save");
        break;
      case Op::Format:
        editor_.CheckFormattazioneTesto_Click();
        FUZZ_CHECK(state().txtpreview == before.txtpreview, "switching the view changed a record");
        break;
      case Op::Tab:
        editor_.TabStrip1_Click(in_.ConsumeBool() ? 1 : 2);
        FUZZ_CHECK(state().txtpreview == before.txtpreview, "switching the page changed a record");
        break;
    }
    checkBetweenActions(state());
  }

 private:
  const EditorState& state() const { return editor_.state(); }

  // A load of readable content: the lines fill the slots they reach, the readback edits only
  // readable option bytes, slot 2 holds the third line or what it held.
  void loadFile(const std::string& content) {
    const EditorState before = state();
    const std::size_t messages = view_.messages.size();
    const int dialogs = view_.dialogsShown;
    const std::string path = writeScratch("input.hs", content);
    const FileOutcome outcome = in_.ConsumeBool() ? editor_.openFile(path) : load(editor_, view_, path);
    FUZZ_CHECK(outcome == FileOutcome::Done, "a readable file was refused");
    const auto lines = fileLines(content);
    EditorState loaded = before;  // as the load leaves it, before its readback
    for (std::size_t slot = 0; slot < 3 && slot < lines.size(); ++slot) {
      loaded.txtpreview[slot] = lines[slot];
      if (slot == 0) loaded.FlexBase = lines[slot];
      if (slot == 1) loaded.FlexCall = lines[slot];
    }
    checkReadback(loaded, state(), view_, messages, dialogs);
    FUZZ_CHECK(state().baseline == loaded.txtpreview, "the loaded records are not remembered");
    FUZZ_CHECK(state().fileName == path, "the loaded file is not remembered");
    checkBetweenActions(state());
  }

  FuzzedDataProvider& in_;
  FakeView view_;
  Editor editor_;
  std::string saved_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  Run run(in);
  run.start();
  for (int i = 0; i < kMaxActions && in.remaining_bytes() > 0; ++i) run.step();
  return 0;
}
