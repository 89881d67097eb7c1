// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_options.hpp"

#include <algorithm>
#include <array>
#include <optional>

#include "cli/cli_text.hpp"
#include "flexedit/version.hpp"
#include "options/option_catalog.hpp"
#include "options/option_file.hpp"
#include "text/ansi.hpp"

namespace flex::cli {
namespace {

enum class Arg { None, Path, Id, Slot, Text };

struct Syntax {
  std::string_view name;
  Step step;
  Arg first;
  Arg second;
  bool thenOk;  // --label: the text is followed by the dialog's OK
};

constexpr std::array<Syntax, 13> kSyntax{{
    {"--open", Step::Open, Arg::Path, Arg::None, false},
    {"--save", Step::Save, Arg::Path, Arg::None, false},
    {"--reset", Step::Reset, Arg::None, Arg::None, false},
    {"--click", Step::Click, Arg::Id, Arg::None, false},
    {"--tick", Step::Tick, Arg::Id, Arg::None, false},
    {"--clear", Step::Clear, Arg::Id, Arg::None, false},
    {"--raw", Step::Raw, Arg::Slot, Arg::Text, false},
    {"--type", Step::Type, Arg::Text, Arg::None, false},
    {"--ok", Step::Ok, Arg::None, Arg::None, false},
    {"--close", Step::Close, Arg::None, Arg::None, false},
    {"--label", Step::Type, Arg::Text, Arg::None, true},
    {"--undo", Step::Undo, Arg::None, Arg::None, false},
    {"--redo", Step::Redo, Arg::None, Arg::None, false},
}};

constexpr std::array<std::string_view, 8> kSwitches{"--json", "--backup", "--force",   "--list",
                                                    "--help", "-h",       "--version", "--options"};

const Syntax* findSyntax(std::string_view word) {
  const auto it = std::find_if(kSyntax.begin(), kSyntax.end(),
                               [word](const Syntax& s) { return s.name == word; });
  return it == kSyntax.end() ? nullptr : &*it;
}

// An argument that is itself an action or a switch means the real argument was left out
// ("--save --json" saves nothing rather than a file named "--json").
bool isKeyword(std::string_view word) {
  return findSyntax(word) != nullptr ||
         std::find(kSwitches.begin(), kSwitches.end(), word) != kSwitches.end();
}

std::string_view argName(Arg arg) {
  switch (arg) {
    case Arg::Path: return "PATH";
    case Arg::Id: return "an option ID";
    case Arg::Slot: return "a preview number N";
    case Arg::Text: return "TEXT";
    case Arg::None: break;
  }
  return "";
}

std::string unknownId(std::string_view name, std::string_view value) {
  return std::string(name) + ": unknown option ID '" + printable(value) +
         "' (flexedit-cli --list shows them)";
}

// --options FILE, at `i` of `args`; the error, or "".
std::string takeOptionsFile(std::span<const std::string_view> args, std::size_t& i,
                            Command& command) {
  if (command.optionsFile) return "--options given twice";
  if (i + 1 >= args.size() || isKeyword(args[i + 1])) return "--options needs FILE";
  command.optionsFile = std::string(args[++i]);
  return {};
}

// Checks one argument and stores it in the action; returns the error, or "" when it is fine.
// An id that may be a user's is looked up once the options file is read (resolveUserIds).
std::string takeArgument(Arg arg, std::string_view name, std::string_view value, Action& action) {
  switch (arg) {
    case Arg::Path: action.text = value; return {};
    case Arg::Id:
      if (const auto row = findOption(value)) {
        action.target = *row;
        return {};
      }
      if (isUserOptionId(value)) {
        action.text = value;
        return {};
      }
      return unknownId(name, value);
    case Arg::Slot:
      if (value.size() == 1 && value[0] >= '0' && value[0] <= '2') {
        action.target = static_cast<std::size_t>(value[0] - '0');
        return {};
      }
      return std::string(name) + ": bad preview number '" + printable(value) + "' (0, 1 or 2)";
    case Arg::Text:
      if (!ansi::isValidUtf8(value)) return std::string(name) + ": TEXT is not valid UTF-8";
      action.text = value;
      return {};
    case Arg::None: break;
  }
  return {};
}

// --help and --version, wherever they stand, answer at once and run nothing.
std::optional<ParseResult> informationCommand(std::string_view word) {
  if (word != "--help" && word != "-h" && word != "--version") return std::nullopt;
  ParseResult result;
  result.command.mode = word == "--version" ? Mode::Version : Mode::Help;
  return result;
}

// diff A.hs [B.hs] [--json]: the words after "diff". Any other word that begins with "-" is
// refused, so that a mistyped switch is never read as a file to compare.
ParseResult parseDiff(std::span<const std::string_view> args) {
  ParseResult result;
  Command& command = result.command;
  command.mode = Mode::Diff;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view word = args[i];
    if (auto information = informationCommand(word)) return *information;
    if (word == "--json") {
      command.json = true;
    } else if (word == "--options") {
      result.error = takeOptionsFile(args, i, command);
      if (!result.error.empty()) return result;
    } else if (!word.empty() && word[0] == '-') {
      result.error = "diff: unknown switch '" + printable(word) + "' (write ./" + printable(word) +
                     " for a file of that name)";
      return result;
    } else {
      command.files.emplace_back(word);
    }
  }
  if (command.files.empty()) result.error = "diff needs A.hs (and optionally B.hs)";
  if (command.files.size() > 2) result.error = "diff compares at most two files: A.hs [B.hs]";
  return result;
}

}  // namespace

ParseResult parseCommandLine(std::span<const std::string_view> args) {
  if (!args.empty() && args[0] == "diff") return parseDiff(args.subspan(1));
  ParseResult result;
  Command& command = result.command;
  bool list = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view word = args[i];
    if (auto information = informationCommand(word)) return *information;
    if (word == "diff") {
      result.error = "diff must be the first argument";
      return result;
    }
    if (word == "--json") {
      command.json = true;
      continue;
    }
    if (word == "--list") {
      list = true;
      continue;
    }
    if (word == "--backup") {
      command.backup = true;
      continue;
    }
    if (word == "--force") {
      command.force = true;
      continue;
    }
    if (word == "--options") {
      result.error = takeOptionsFile(args, i, command);
      if (!result.error.empty()) return result;
      continue;
    }
    const Syntax* syntax = findSyntax(word);
    if (syntax == nullptr) {
      result.error = "unknown action '" + printable(word) + "'";
      return result;
    }
    Action action{syntax->step, syntax->name, 0, {}};
    for (const Arg arg : {syntax->first, syntax->second}) {
      if (arg == Arg::None) break;
      if (i + 1 >= args.size() || isKeyword(args[i + 1])) {
        result.error = std::string(syntax->name) + " needs " + std::string(argName(arg));
        return result;
      }
      result.error = takeArgument(arg, syntax->name, args[++i], action);
      if (!result.error.empty()) return result;
    }
    command.actions.push_back(std::move(action));
    if (syntax->thenOk) command.actions.push_back(Action{Step::Ok, syntax->name, 0, {}});
  }
  if (list) {
    if (!command.actions.empty()) {
      result.error = "--list takes no actions";
      return result;
    }
    command.mode = Mode::List;
  }
  return result;
}

std::string resolveUserIds(Command& command, const OptionSet& options) {
  for (Action& action : command.actions) {
    const bool names =
        action.step == Step::Click || action.step == Step::Tick || action.step == Step::Clear;
    if (!names || action.text.empty()) continue;
    const auto row = options.find(action.text);
    if (!row) return unknownId(action.name, action.text);
    action.target = *row;
  }
  return {};
}

std::string_view usageText() {
  return R"(Usage: flexedit-cli [ACTION]... [--json] [--backup] [--force] [--options FILE]
  or:  flexedit-cli --list [--json] [--options FILE]
  or:  flexedit-cli diff A.hs [B.hs] [--json] [--options FILE]
  or:  flexedit-cli --help | --version
Edit and compare Motorola A835 flex files without a window.

flexedit-cli is the flexedit editor without its window. It starts as the
window does (the built-in flex, then every option read back from it), runs
each ACTION in the order given through the same editor, as a person would in
the window, and prints the final state: the ticked options with their
captions, the three records (Base, Call, GPRS label) as the formatted boxes
show them (16 byte pairs a line, header left out), the status bar text and
every message box shown. Every message box is acknowledged with OK at once.

The whole command line is checked before anything runs: a malformed one does
nothing at all.

Actions:
  --open PATH     "Apri Flex" with PATH chosen in the open dialog; --open ""
                  cancels the dialog. Once PATH is loaded, the status bar shows
                  "File: " and PATH; a cancelled or failed open leaves it.
  --save PATH     "Salva Flex..." with PATH chosen in the save dialog; --save ""
                  cancels the dialog. An existing file is replaced without a
                  prompt; a save that fails leaves it as it was. A save to the
                  file last opened or saved that another program has changed,
                  moved or deleted since is refused (an "Errore File" message,
                  nothing written) unless --force is given. A PATH that names
                  one of the program's descriptors (/dev/stdout, /dev/fd/N) is
                  written through it, before the state printed.
  --reset         "Carica Flex Interna": back to the built-in flex.
  --click ID      one click on option ID (it toggles).
  --tick ID       a click on option ID only when it is not ticked.
  --clear ID      a click on option ID only when it is ticked.
  --raw N TEXT    replace the whole text of raw preview N (0 Base, 1 Call,
                  2 GPRS label) with TEXT, as a hand edit of that preview.
  --type TEXT     set the text of the open label dialog to TEXT (at most 12
                  characters; a longer text is cut, with a message).
  --ok            press OK in the label dialog.
  --close         close the label dialog with its close box.
  --label TEXT    the same as --type TEXT --ok.
  --undo          put back the state from before the last step. A step is
                  one action that changed the flex: a click with everything it
                  sets off (a label dialog it opens counts until it closes), a
                  --raw, an --open that loaded a file, a --reset. Records,
                  working copies, personal label and options come back; no
                  click runs, no message shows, no file is touched, the status
                  bar stays. Nothing happens when there is nothing to undo.
  --redo          apply again the step last undone; a new step drops the steps
                  that could have been redone. The last 100 steps are kept
                  (fewer when they hold over 32 MiB of record text).

ID is one of Check1(0) .. Check5(13) or the id of a user's option (see --list
and User options); quote it in the shell.
The label dialog opens when "GPRS Personale" (Check1(5)) becomes ticked by a
click; --type, --ok and --close while it is closed, and --undo and --redo
while it is open, stop the run.
TEXT is UTF-8; it is stored in the Windows-1252 character set, and a character
that set lacks becomes "?". An argument that is itself an action or option
counts as missing: write ./--name for such a file.

Compare (diff must be the first argument):
  diff A.hs [B.hs] compares two flex files; without B.hs, A.hs is compared
  with the built-in flex. Each file is read as "Apri Flex" reads it into a
  fresh window: its first three lines replace the Base, Call and GPRS label
  records of the built-in flex, the records after its last line stay
  built-in. No option is clicked. The user's options count as the built-in
  ones do.

  The output lists the options whose state differs (ID, caption, the state in
  A and in B), then every differing data byte that no differing option
  explains (record, offset in hex and decimal, both values), then differences
  of length, header and trailing word. A differing "GPRS Null" or "GPRS
  Personale" stands for the whole GPRS label record. Record text that is not
  hexadecimal is shown in quotes, its control characters escaped.

  With --json: one object {"equal", "options": [{"id", "caption", "a", "b"}],
  "bytes": [{"record", "offset", "a", "b"}], "records": [{"record", "part",
  "a", "b"}]}; an option's "a" and "b" are 0 (clear) or 1 (ticked); "part" is
  "length" (in characters), "header", "trailingWord" or "content" (the whole
  record, when nothing else names the difference). Write ./NAME for a file
  whose name begins with "-".

JSON state:
  One object: "slots" (the three raw previews), "formatted" (the three
  formatted boxes), "FlexBase", "FlexCall", "FlexGprs", "FlexGprsNull",
  "FlexGprsPersonale", "options" (each ID, Check1(0) .. Check5(13), then the
  user's options, to 0 or 1), "labelDialog" ({"open", "text"}), "messages"
  ([{"title", "prompt"}], in the order shown), "status" (the status bar
  text), "undo" and "redo" (how many steps can be undone and redone; 0 while
  the label dialog is open).
  Bytes of a file name that are not UTF-8 are shown as U+FFFD.

Options:
  --json          print the state (or the option table, or the comparison) as
                  JSON.
  --backup        before a save first replaces an existing file, keep its
                  previous content as NAME~ beside it (same mode); once per
                  file and run, so NAME~ holds what the file held before.
  --force         let --save replace the file last opened or saved even when
                  another program has changed it since (see --save).
  --list          print the options, the 33 built-in ones and then the user's
                  (ID, caption, tool-tip, record, position, bits, polarity,
                  readback; "user": true with --json), and run nothing.
  --options FILE  take the user's options from FILE instead of the default
                  file (see User options); --options "" takes none.
  -h, --help      display this help and exit.
      --version   output version information and exit.

Exit status:
  0   done.
  1   a file could not be read or written, or a save was refused because
      another program changed the file (its message is recorded and the
      remaining actions still run), or the output could not be written.
  2   usage error: a malformed command line or an options file named with
      --options that has a problem (nothing is done), or a label
      dialog action while the dialog is closed or --undo or --redo while it
      is open (the run stops there; what ran before it, a save included, stays
      done). The message goes to standard error and no state is printed.
  For diff: 0 the two flexes are equal, 1 they differ, 2 a file could not be
  read (missing, not a regular file, larger than 1 MiB), a malformed command
  line or output that could not be written. On 2 the message goes to
  standard error; both files are read before anything is printed.

User options:
  Bits that the 33 options do not name can be named in an options file and
  then ticked like any option: on the third page of the window, and here by
  their id. The file is $XDG_CONFIG_HOME/flexedit/options.json
  (~/.config/flexedit/options.json when XDG_CONFIG_HOME is unset), or the
  FILE of --options:

    {"options": [
      {"id": "MyBit", "caption": "My bit",
       "toolTip": "What it does on the phone",
       "record": "Base", "position": 181, "bits": [3],
       "polarity": "ticked sets", "gated": false}
    ]}

  id        letters, digits and _, unique, not of the form CheckN(i) or
            CheckN_i.
  caption   the text of its box, not empty; toolTip (optional) its tool-tip.
  record    "Base" or "Call".
  position  the character position of the byte, from 1, as --list --json
            gives it for the built-in options: the first digit of the pair,
            so an odd number.
  bits      1 to 8 (1 the lowest), each once; a click writes all of them.
  polarity  "ticked sets" or "ticked clears".
  gated     true: it writes nothing while options are read back (optional,
            default false).

  A user's option is ticked when every listed bit holds the value that
  ticking writes; it is read back after the built-in ones, at start and after
  every load. A byte past the end of the record reads as clear and a click
  writes nothing there. Each problem of the file is reported, naming the
  entry (counted from 1) and its id; the entries without one load. The
  default file's problems are warnings on standard error; a FILE given with
  --options that has any problem is a usage error. A file over 1 MiB or with
  more than 200 entries loads nothing.

Files:
A flex file (.hs) holds one record per line, as upper-case hexadecimal digit
pairs, each line ended by CR LF. A file written in place gets the copy of
what it held as NAME~ beside it, or where that cannot be, in
$XDG_STATE_HOME/flexedit/restore (else ~/.local/state/flexedit/restore).

Examples:
  $ flexedit-cli --open in.hs --tick 'Check1(0)' --save out.hs
  $ flexedit-cli --tick 'Check1(5)' --label 'Ciao 3G' --save out.hs
  $ flexedit-cli --open in.hs --json
  $ flexedit-cli --open in.hs --click 'Check1(0)' --undo --json
  $ flexedit-cli diff out.hs in.hs
  $ flexedit-cli --options my-bits.json --tick MyBit --save out.hs
)";
}

std::string versionText() {
  return "flexedit-cli (flexedit) " + std::string(version::kString) + "\n" +
         std::string(version::kNotice);
}

}  // namespace flex::cli
