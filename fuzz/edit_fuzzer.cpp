// SPDX-License-Identifier: GPL-3.0-or-later
// Editing: a starting flex, then actions a person can take, each checked for what it promises
// and for what holds between any two actions.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>

#include "fuzz_support.hpp"

using namespace flex;
using namespace flex::fuzz;

namespace {

enum class Op { Click, Reset, Readback, HandEdit, Type, Ok, Close, Load, Save, UndoRedo };

// A user's options beside the built-in ones: on bytes of built-in options (gated too), on the
// Call record, and past the end of the built-in Base record.
const std::shared_ptr<const OptionSet> kOptions =
    std::make_shared<const OptionSet>(std::vector<UserOption>{
        {"Shared", "s", "", RecordKind::Base, 181, {5, 1}, true, false},
        {"SharedGated", "g", "", RecordKind::Base, 107, {4, 5, 8}, false, true},
        {"OnCall", "c", "", RecordKind::Call, 51, {7}, false, false},
        {"Far", "f", "", RecordKind::Base, 301, {1, 2, 3, 4, 5, 6, 7, 8}, true, false}});

// Raw bytes, or a file of the built-in records (one of the three label records last) with some
// characters changed to hex digits of either case, line ends or any byte, and cut short.
std::string makeFile(FuzzedDataProvider& in) {
  if (in.ConsumeBool()) return in.ConsumeRandomLengthString(2048);
  const std::string_view labels[] = {builtin::kGprs, builtin::kGprsNull, builtin::kLabelTemplate};
  std::string file =
      flextest::hsFile({builtin::kBase, builtin::kCall, labels[in.ConsumeIntegralInRange(0, 2)]});
  for (int patches = in.ConsumeIntegralInRange(0, 8); patches > 0; --patches) {
    const auto c = in.ConsumeIntegral<std::uint8_t>();
    file[in.ConsumeIntegralInRange<std::size_t>(0, file.size() - 1)] =
        c < 128 ? "0123456789ABCDEFabcdef\r\n"[c % 24] : static_cast<char>(c);
  }
  return file.substr(0, in.ConsumeIntegralInRange<std::size_t>(0, file.size()));
}

void step(FuzzedDataProvider& in, Session& s, std::string& saved) {
  const Snapshot before = snapshot(s.editor);
  const bool open = before.form.labelDialogOpen;
  const std::size_t messages = s.shown();
  const auto op = static_cast<Op>(in.ConsumeIntegralInRange(0, static_cast<int>(Op::UndoRedo)));
  auto unchanged = [&](const char* what) { FUZZ_CHECK(sameState(before, s.editor), what); };
  switch (op) {
    case Op::Click: {
      const auto row = in.ConsumeIntegralInRange<std::size_t>(0, kOptions->size() - 1);
      const int value = in.ConsumeIntegralInRange(0, 2);  // 2: a person's click, else code assigns
      value == 2 ? s.editor.clickOption(row) : s.editor.setOptionState(row, value);
      value == before.document.boxes[row].state
          ? unchanged("assigning a box its state")
          : checkClick((*kOptions)[row], row, before.document, s.doc());
      FUZZ_CHECK(s.shown() <= messages + 1, "more than the interlock or the dialog");
      break;
    }
    case Op::Reset: {  // start-up again, but the personal label and the dialog stay
      // A user's option ticked before reads back clear when the built-in byte holds only some
      // of its bits, and its click writes them all: the built-in flex but for the user's bytes.
      static const Session fresh(kOptions);
      s.editor.loadBuiltinFlex();
      for (std::size_t row = 0; row < kOptionCount; ++row)
        FUZZ_CHECK(s.doc().boxes[row].state == fresh.doc().boxes[row].state, "reset box");
      const auto user = kOptions->rows().subspan(kOptionCount);
      checkOptionBytesOnly(user, RecordKind::Base, fresh.doc().workingBase, s.doc().workingBase);
      checkOptionBytesOnly(user, RecordKind::Call, fresh.doc().workingCall, s.doc().workingCall);
      FUZZ_CHECK(s.doc().records[0] == s.doc().workingBase &&
                     s.doc().records[1] == s.doc().workingCall &&
                     s.doc().records[2] == fresh.doc().records[2] && s.shown() == messages &&
                     s.doc().personalLabel == before.document.personalLabel,
                 "reset");
      break;
    }
    case Op::Readback:  // or a cancelled open, which runs one
      in.ConsumeBool() ? s.editor.readBackOptions() : void(s.editor.openWithDialog());
      s.checkReadback(before, messages);
      break;
    case Op::HandEdit: {  // replaces any stretch of a preview by any text
      const auto slot = in.ConsumeIntegralInRange<std::size_t>(0, 2);
      std::string text = before.document.records[slot];
      const auto at = in.ConsumeIntegralInRange<std::size_t>(0, text.size());
      text.replace(at, in.ConsumeIntegralInRange<std::size_t>(0, text.size() - at),
                   in.ConsumeRandomLengthString(400));
      s.editor.editRaw(slot, text);
      Snapshot expected = before;
      expected.document.records[slot] = text;
      expected.form.formatted = s.form().formatted;
      FUZZ_CHECK(sameState(expected, s.editor), "a hand edit changed more than its preview");
      break;
    }
    case Op::Type: {  // cut to 12 characters, with one message
      const std::string text = in.ConsumeRandomLengthString(20);
      FUZZ_CHECK(s.editor.setLabelText(text) == open, "typing");
      FUZZ_CHECK(!open || (s.form().labelText == text.substr(0, kLabelMaxLength) &&
                           s.shown() == messages + (text.size() > kLabelMaxLength)),
                 text);
      break;
    }
    case Op::Ok: {
      FUZZ_CHECK(s.editor.confirmLabel() == open && !s.form().labelDialogOpen, "OK");
      const std::string label = expectedLabel(before.document.personalLabel, before.form.labelText);
      FUZZ_CHECK(!open || before.form.labelText.empty() ||
                     (s.doc().personalLabel == label && s.doc().records[2] == label),
                 label);
      break;
    }
    case Op::Close:
      in.ConsumeBool() ? s.editor.closeMainWindow() : void(s.editor.closeLabelDialog());
      FUZZ_CHECK(!s.form().labelDialogOpen && s.shown() == messages, "closing the dialog");
      break;
    case Op::Load: s.loadChecked(in.ConsumeBool() ? makeFile(in) : saved); break;
    case Op::Save: saved = s.saveChecked(); break;
    case Op::UndoRedo: {  // an undo and its redo change nothing; no step while the dialog is open
      const std::size_t steps = s.editor.undoCount();
      FUZZ_CHECK(s.editor.undo() == (steps > 0) && (steps == 0 || !open), "undo");
      FUZZ_CHECK(steps == 0 || (s.editor.redo() && s.editor.undoCount() == steps), "redo");
      FUZZ_CHECK(sameState(before, s.editor) && s.shown() == messages, "undo and redo");
      break;
    }
  }
  if (!open && (op == Op::Type || op == Op::Ok || op == Op::Close))
    unchanged("the dialog's actions while it is closed");
  checkBetweenActions(s.editor);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  Session s(kOptions);
  s.loadChecked(makeFile(in));
  std::string saved;
  for (int i = 0; i < 48 && in.remaining_bytes() > 0; ++i) step(in, s, saved);
  return 0;
}
