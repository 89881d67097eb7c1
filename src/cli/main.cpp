// SPDX-License-Identifier: GPL-3.0-or-later
// flexedit-cli: the editor without its window. See usageText() for what it does.
#include <array>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "cli/cli_diff.hpp"
#include "cli/cli_options.hpp"
#include "cli/cli_output.hpp"
#include "cli/cli_runner.hpp"
#include "cli/cli_text.hpp"
#include "cli/cli_user_options.hpp"
#include "cli/cli_view.hpp"
#include "flex/builtin_records.hpp"
#include "session/editor.hpp"

namespace {

constexpr int kExitDone = 0;
constexpr int kExitFileError = 1;
constexpr int kExitUsage = 2;
// diff: equal, different, or nothing could be said.
constexpr int kExitEqual = 0;
constexpr int kExitDifferent = 1;
constexpr int kExitDiffError = 2;

int usageError(const std::vector<std::string>& messages) {
  for (const std::string& message : messages)
    std::fprintf(stderr, "flexedit-cli: %s\n", message.c_str());
  std::fprintf(stderr, "Try 'flexedit-cli --help' for more information.\n");
  return kExitUsage;
}
int usageError(const std::string& message) { return usageError(std::vector{message}); }

// Writes the whole text to standard output; a failed write (a full disk, a closed pipe) is
// reported rather than lost.
bool emit(std::string_view text) {
  errno = 0;
  const bool written = std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
  if (written && std::fflush(stdout) == 0) return true;
  std::fprintf(stderr, "flexedit-cli: cannot write the output: %s\n", std::strerror(errno));
  return false;
}

// Both files are read before anything is printed: a file that cannot be read prints nothing.
int runDiff(const flex::cli::Command& command, const flex::OptionSet& options) {
  std::array<flex::RecordSet, 2> sides{flex::builtin::recordSet(), flex::builtin::recordSet()};
  for (std::size_t k = 0; k < command.files.size() && k < sides.size(); ++k) {
    flex::cli::LoadedFlex loaded = flex::cli::loadFlex(command.files[k]);
    if (!loaded.ok) {
      std::fprintf(stderr, "flexedit-cli: diff: %s\n", loaded.error.c_str());
      return kExitDiffError;
    }
    sides[k] = std::move(loaded.records);
  }
  const flex::FlexDiff diff = flex::diffFlexes(options, sides[0], sides[1]);
  std::optional<std::string> fileB;
  if (command.files.size() > 1) fileB = command.files[1];
  const std::string out = command.json
                              ? flex::cli::diffJson(options, diff)
                              : flex::cli::diffText(options, diff, command.files[0], fileB);
  if (!emit(out)) return kExitDiffError;
  return diff.equal ? kExitEqual : kExitDifferent;
}

}  // namespace

int main(int argc, char** argv) {
  // A reader that has gone (a pipe, a FIFO) is a write error like any other, reported where
  // it happens; it must not end the program.
  std::signal(SIGPIPE, SIG_IGN);
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  const flex::cli::ParseResult parsed = flex::cli::parseCommandLine(args);
  if (!parsed.error.empty()) return usageError(parsed.error);
  flex::cli::Command command = parsed.command;

  using flex::cli::Mode;
  if (command.mode == Mode::Help) return emit(flex::cli::usageText()) ? kExitDone : kExitFileError;
  if (command.mode == Mode::Version) {
    return emit(flex::cli::versionText()) ? kExitDone : kExitFileError;
  }

  // The user's options: a named file must be sound; the default file's problems are warnings.
  flex::cli::UserOptions user = flex::cli::loadUserOptions(command.optionsFile, std::getenv);
  for (std::string& line : user.errors) line = flex::cli::printable(line);
  if (!user.errors.empty()) return usageError(user.errors);
  for (const std::string& line : user.warnings)
    std::fprintf(stderr, "flexedit-cli: warning: %s\n", flex::cli::printable(line).c_str());
  if (std::string error = flex::cli::resolveUserIds(command, *user.options); !error.empty())
    return usageError(error);
  const flex::OptionSet& options = *user.options;

  if (command.mode == Mode::List) {
    const std::string table =
        command.json ? flex::cli::catalogueJson(options) : flex::cli::catalogueText(options);
    return emit(table) ? kExitDone : kExitFileError;
  }

  if (command.mode == Mode::Diff) return runDiff(command, options);

  flex::cli::CliView view(command.force);
  flex::Editor editor(view, user.options);
  editor.setKeepBackups(command.backup);
  flex::FileContext files;  // restore copies in the user's state folder
  files.restoreFolder = flex::restoreFolderFor(std::getenv("XDG_STATE_HOME"), std::getenv("HOME"));
  editor.setFileContext(std::move(files));
  editor.start();
  const flex::cli::RunResult run = flex::cli::runActions(editor, command.actions);
  if (!run.stopped.empty()) return usageError(run.stopped);

  const std::string out = command.json ? flex::cli::stateJson(editor, view.messages())
                                       : flex::cli::summaryText(editor, view.messages());
  if (!emit(out)) return kExitFileError;
  return run.fileFailed ? kExitFileError : kExitDone;
}
