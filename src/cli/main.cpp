// flexedit-cli: the editor without its window. See usageText() for what it does.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli_options.hpp"
#include "cli/cli_output.hpp"
#include "cli/cli_runner.hpp"
#include "cli/cli_view.hpp"
#include "model/editor.hpp"

namespace {

constexpr int kExitDone = 0;
constexpr int kExitFileError = 1;
constexpr int kExitUsage = 2;

int usageError(const std::string& message) {
  std::fprintf(stderr, "flexedit-cli: %s\nTry 'flexedit-cli --help' for more information.\n",
               message.c_str());
  return kExitUsage;
}

// Writes the whole text to standard output; a failed write (a full disk, a closed pipe) is
// reported rather than lost.
bool emit(std::string_view text) {
  errno = 0;
  const bool written = std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
  if (written && std::fflush(stdout) == 0) return true;
  std::fprintf(stderr, "flexedit-cli: cannot write the output: %s\n", std::strerror(errno));
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  const flex::cli::ParseResult parsed = flex::cli::parseCommandLine(args);
  if (!parsed.error.empty()) return usageError(parsed.error);
  const flex::cli::Command& command = parsed.command;

  using flex::cli::Mode;
  if (command.mode == Mode::Help) return emit(flex::cli::usageText()) ? kExitDone : kExitFileError;
  if (command.mode == Mode::List) {
    const std::string table =
        command.json ? flex::cli::catalogueJson() : flex::cli::catalogueText();
    return emit(table) ? kExitDone : kExitFileError;
  }

  flex::cli::CliView view;
  flex::Editor editor(view);
  editor.Form_Load();
  const flex::cli::RunResult run = flex::cli::runActions(editor, view, command.actions);
  if (!run.stopped.empty()) return usageError(run.stopped);

  const std::string out = command.json ? flex::cli::stateJson(editor.state(), view.messages())
                                       : flex::cli::summaryText(editor.state(), view.messages());
  if (!emit(out)) return kExitFileError;
  return run.fileFailed ? kExitFileError : kExitDone;
}
