// SPDX-License-Identifier: GPL-3.0-or-later
// flexedit-cli run as a user runs it: exit status, standard output and error, files. The rules
// themselves are the core tests'; these check that each action reaches the editor and that
// each field shows what the editor holds.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "fake_view.hpp"
#include "flex/builtin_records.hpp"
#include "flex/label_encoding.hpp"
#include "flex/records.hpp"
#include "flexedit/version.hpp"
#include "options/option_catalog.hpp"
#include "session/message_catalog.hpp"

namespace {

namespace fs = std::filesystem;
namespace builtin = flex::builtin;
using Json = nlohmann::ordered_json;
using Args = std::vector<std::string>;
constexpr auto npos = std::string::npos;

struct Outcome {
  int status;
  std::string out, err;
};

std::string quoted(const std::string& text) {
  std::string q = "'";
  for (char c : text) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

std::string with(std::string_view record, std::size_t position, std::string_view pair) {
  return flextest::withByte(std::string(record), position, pair);
}
Args words(const std::string& line) {  // "a b" as the arguments "a" and "b"
  std::istringstream in(line);
  return {std::istream_iterator<std::string>(in), {}};
}

// A ".hs" file: these records, CR LF after each.
std::string hs(std::string_view base = builtin::kBase, std::string_view call = builtin::kCall,
               std::string_view gprs = builtin::kGprs) {
  return flextest::hsFile({base, call, gprs});
}

const Json kBuiltInSlots = Json::array({builtin::kBase, builtin::kCall, builtin::kGprs});

class Cli : public ::testing::Test, protected flextest::ScratchFolder {
 protected:
  // Runs the CLI in the test's folder; standard output goes to `out` (a file there, or a device).
  // The default options file is config/flexedit/options.json there.
  Outcome run(const Args& args, const std::string& out = ".out") const {
    std::string command = "cd " + quoted(folder) + " && XDG_CONFIG_HOME=" + quoted(path("config")) +
                          " " + quoted(FLEXEDIT_CLI_PATH);
    for (const std::string& a : args) command += ' ' + quoted(a);
    const int status = std::system((command + " >" + quoted(out) + " 2>.err").c_str());
    Outcome r{WIFEXITED(status) ? WEXITSTATUS(status) : -1, read(".out"), read(".err")};
    fs::remove(dir / ".out");
    fs::remove(dir / ".err");
    return r;
  }

  // The --json output of a run that ends with `status`.
  Json json(Args args, int status = 0) const {
    args.push_back("--json");
    const Outcome r = run(args);
    EXPECT_EQ(r.status, status) << r.err;
    return Json::parse(r.out);
  }

  const fs::path dir = folder;
};

// Every record field against its own record: the previews, the working copies and the three
// label records all hold different texts here.
TEST_F(Cli, EachStateFieldShowsWhatTheEditorHolds) {
  const std::string b = std::string(44, '0') + std::string(32, 'F') + "B0",
                    c = std::string(44, '1') + "C1", g = std::string(44, '2') + "2A";
  const Args args = {"--tick", "Check1(5)", "--label", "Ciao", "--tick", "Check1(3)",
                     "--tick", "Check1(5)", "--raw",   "0",    b,        "--raw",
                     "1",      c,           "--raw",   "2",    g};
  Json options = json({})["options"];  // as after start-up, but GPRS Null
  options["Check1(3)"] = 1;
  const flex::MessageText interlock = flex::messageText({flex::MessageId::GprsNullInterlock});
  const Json prompt = {{"title", interlock.title}, {"prompt", interlock.prompt}};
  EXPECT_EQ(
      json(args),
      (Json{{"slots", {b, c, g}},
            {"formatted", {flex::formattedView(b), "C1", "2A"}},
            {"FlexBase", builtin::kBase},
            {"FlexCall", builtin::kCall},
            {"FlexGprs", builtin::kGprs},
            {"FlexGprsNull", builtin::kGprsNull},
            {"FlexGprsPersonale", flex::encodeLabel(std::string(builtin::kLabelTemplate), "Ciao")},
            {"options", options},
            {"labelDialog", {{"open", false}, {"text", ""}}},
            {"messages", Json::array({prompt})},
            {"status", ""},
            {"undo", 5},
            {"redo", 0}}));

  // The text: ticked options, records 16 pairs a line under their offsets, the messages.
  const std::string text = run(args).out;
  for (const std::string line :
       {"Options ticked (6 of 33):\n", "\n  Check1(3)   GPRS Null\n", "\n  10  B0\n",
        "\n  00  C1\n", "\n  00  2A\n", "\nMessages:\n  [Errore di Incoerenza] E' possibile"})
    EXPECT_NE(text.find(line), npos) << line;
  EXPECT_EQ(text.find("Status:"), npos);
}

TEST_F(Cli, EachActionReachesTheEditor) {
  write("in.hs", hs(builtin::kBase, builtin::kCall, builtin::kGprsNull));
  const Json s = json({"--open", "in.hs", "--tick", "Check1(0)", "--tick", "Check1(0)", "--clear",
                       "Check1(2)", "--clear", "Check1(2)", "--save", "out.hs"});
  EXPECT_EQ(read("out.hs"), hs(with(with(builtin::kBase, 181, "B7"), 187, "00"), builtin::kCall,
                               builtin::kGprsNull));
  EXPECT_EQ(s["status"], "File: out.hs");
  EXPECT_EQ(json({"--click", "Check1(4)", "--raw", "1", "CC", "--reset"})["slots"], kBuiltInSlots);
  EXPECT_EQ(json({"--save", "", "--open", ""})["status"], "");  // cancelled dialogs
  const Json u = json({"--click", "Check1(0)", "--click", "Check1(4)", "--click", "Check1(2)",
                       "--undo", "--undo", "--redo"});
  EXPECT_EQ(u["slots"][0].dump() + u["undo"].dump() + u["redo"].dump(),
            Json(with(with(builtin::kBase, 181, "B7"), 111, "03")).dump() + "21");
  EXPECT_EQ(entries().size(), 2u);

  // The open label dialog and its text, typed in UTF-8 and counted in Windows-1252 characters.
  const Args typed = {"--tick", "Check1(5)", "--type", "abcdefghijkàèì"};
  EXPECT_EQ(json(typed)["labelDialog"], (Json{{"open", true}, {"text", "abcdefghijkà"}}));
  EXPECT_NE(run(typed).out.find("\nLabel dialog: open, text \"abcdefghijkà\"\n"), npos);
}

// A malformed command line does nothing at all; a label dialog action while the dialog is closed,
// or undo and redo while it is open, stop the run there. Both exit 2 and print nothing.
TEST_F(Cli, UsageErrorsExitTwo) {
  const auto check = [this](const std::string& bad, bool stops) {
    SCOPED_TRACE(bad + (stops ? " stops" : ""));
    const Outcome r = run(words("--save a.hs " + bad + " --save b.hs"));
    EXPECT_EQ(std::to_string(r.status) + r.out + r.err.substr(0, 14), "2flexedit-cli: ");
    EXPECT_EQ(r.err.find("the label dialog is") != npos, stops);
    EXPECT_EQ(entries(), stops ? Args{"a.hs"} : Args{});
    fs::remove(dir / "a.hs");
  };
  for (const char* bad : {"--bogus", "plain", "--click", "--click Check6(0)", "--tick check1(0)",
                          "--raw 3 AB", "--raw 0", "--save --json", "--open --version",
                          "--type \xff", "--options missing.json", "--list"})
    check(bad, false);
  for (const char* bad : {"--type x", "--close", "--label x", "--tick Check1(5) --close --ok",
                          "--tick Check1(5) --undo", "--tick Check1(5) --redo"})
    check(bad, true);
  EXPECT_TRUE(run({"--save", "a.hs", "--help"}).out.starts_with("Usage: flexedit-cli"));
  EXPECT_TRUE(run({"--save", "a.hs", "--version"})
                  .out.starts_with("flexedit-cli (flexedit) " +
                                   std::string(flex::version::kString) + "\n"));
  EXPECT_EQ(entries(), Args{});
}

// A file error is recorded and the run goes on (exit 1). A save over the file last opened, which
// another program changed meanwhile, is one: nothing written, unless --force. The change is made
// while the run waits to write a large flex to a FIFO, whose reader then goes (a failed save).
TEST_F(Cli, FileErrorsAreRecordedAndTheRunGoesOn) {
  const std::string record(100000, 'A');  // more than a pipe holds
  for (const std::string force : {"", " --force"}) {
    write("f.hs", hs());
    const std::string command =
        "cd " + quoted(dir.string()) + " && rm -f p && mkfifo p && exec 3<>p; " +
        quoted(FLEXEDIT_CLI_PATH) +
        " --open f.hs --raw 0 \"$(head -c 100000 /dev/zero | tr '\\0' A)\" --save p --save f.hs "
        "--json" +
        force +
        " 3<&- >.out & pid=$!; head -c 1 <&3 >/dev/null; printf x >f.hs; exec 3<&-; wait $pid";
    const int status = std::system(command.c_str());
    EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 1) << force;
    const Json s = Json::parse(read(".out"));
    EXPECT_EQ(s["messages"].size(), force.empty() ? 2u : 1u) << force;
    EXPECT_EQ(std::pair(read("f.hs"), s["status"]),
              std::pair(force.empty() ? "x" : hs(record), Json("File: f.hs")));
  }
  write("out.hs", "old\r\n");
  json({"--tick", "Check1(0)", "--backup", "--save", "out.hs"});
  EXPECT_EQ(read("out.hs~"), "old\r\n");
  const Outcome full = run({"--json"}, "/dev/full");
  EXPECT_EQ(full.status, 1);
  EXPECT_NE(full.err.find("cannot write the output"), npos);
}

// A save to standard output goes through it, before the summary, also onto an appended file; a
// copy that cannot be beside its file goes to $XDG_STATE_HOME/flexedit/restore.
TEST_F(Cli, SavesThroughStandardOutputAndKeepsCopiesInTheStateFolder) {
  const std::string longest(255, 'n'), cli = "cd " + quoted(dir.string()) +
                                             " && XDG_STATE_HOME=" + quoted(path("state")) + " " +
                                             quoted(FLEXEDIT_CLI_PATH);
  fs::create_hard_link(write(longest, "old\r\n"), path("second"));  // written in place
  write("log.txt", "old line\n");
  const std::string flex = hs(with(builtin::kBase, 181, "B7")), twice = " --save /dev/stdout";
  ASSERT_EQ(std::system((cli + " --tick 'Check1(0)'" + twice + twice + " >>log.txt").c_str()), 0);
  EXPECT_TRUE(read("log.txt").starts_with("old line\n" + flex + flex + "Options ticked"));
  ASSERT_EQ(std::system((cli + " --save " + longest + " >/dev/null").c_str()), 0);
  EXPECT_EQ(std::distance(fs::directory_iterator(path("state/flexedit/restore")), {}), 1);
}

// Standard output a pipe whose reader has gone: an exit status, not death by SIGPIPE.
TEST_F(Cli, OutputToAPipeWithoutReaderFails) {
  write("a.hs", hs());
  for (const auto& [args, status] : {std::pair{" --json", 1}, {" diff a.hs", 2}}) {
    const std::string command = "cd " + quoted(dir.string()) +
                                " && mkfifo p && exec 3<>p 4>p 3<&- && rm p && exec " +
                                quoted(FLEXEDIT_CLI_PATH) + args + " >&4 2>&-";
    const int r = std::system(command.c_str());
    EXPECT_EQ(WIFEXITED(r) ? WEXITSTATUS(r) : -1, status) << args;
  }
}

// Records keep their Windows-1252 bytes in files; control characters, DEL and C1 never reach the
// terminal raw; a file name that is not UTF-8 shows as U+FFFD in JSON.
TEST_F(Cli, TextEncodingAndEscapes) {
  run({"--raw", "1", "Città€", "--save", "u.hs"});
  EXPECT_EQ(read("u.hs"), hs(builtin::kBase, "Citt\xE0\x80"));
  EXPECT_EQ(json({"--open", "u.hs"})["FlexCall"], "Città€");

  const std::string raw = std::string(44, '0') + "A\x01\x1b[\x7f\xC2\x9D";  // DEL, C1 U+009D
  const Outcome text = run({"--raw", "0", raw, "--save", "\x1b]0;x\x07"});
  EXPECT_EQ(text.out.find_first_of("\x01\x07\x1b\x7f"), npos);
  EXPECT_NE(text.out.find("\n  00  A\\x01 \\x1B[ \\x7F\\u009D\n"), npos);
  EXPECT_NE(text.out.find("\nStatus: File: \\x1B]0;x\\x07\n"), npos);
  EXPECT_EQ(json({"--save", "\xff.hs", "--save", "no/\xfe.hs"}, 1)["status"],
            "File: \xEF\xBF\xBD.hs");  // a failed save leaves it
}

// The user's options: from the default file with its problems as warnings, or from a file named
// with --options, which must have none; their ids in the actions, the state, the list and diff.
TEST_F(Cli, UserOptions) {
  const std::string good = R"({"id": "MyBit", "caption": "My bit", "record": "Base",
      "position": 181, "bits": [4, 8], "polarity": "ticked sets"})";
  const std::string options = R"({"options": [)" + good + R"(, {"id": "Bad"}]})";
  fs::create_directories(dir / "config/flexedit");
  write("config/flexedit/options.json", options);
  const Outcome ticked = run({"--tick", "MyBit", "--json"});
  EXPECT_TRUE(ticked.err.starts_with("flexedit-cli: warning: " +
                                     path("config/flexedit/options.json: voce 2 (\"Bad\")")));
  const Json state = Json::parse(ticked.out);
  EXPECT_EQ(state["options"].size(), 34u);
  EXPECT_EQ(state["options"]["MyBit"], 1);
  EXPECT_EQ(json({"--list"}).back(), Json::parse(R"({"id": "MyBit", "user": true,
      "caption": "My bit", "toolTip": "", "page": 3, "action": "bits", "record": "Base",
      "position": 181, "byte": 90, "bits": [4, 8], "polarity": "ticked sets", "tickedWrites": 1,
      "clearedWrites": 0, "gated": false, "readback": {"tickedWhen": "every bit of the mask set",
      "record": "Base", "position": 181, "mask": 136}})"));
  write("a.hs", hs(with(builtin::kBase, 181, "8F")));
  EXPECT_EQ(json({"diff", "a.hs"}, 1)["options"][0]["id"], "MyBit");  // explains the byte
  EXPECT_EQ(json({"--options", "", "--list"}).size(), 33u);           // no file at all

  // A named file with a problem: a usage error, every problem on standard error, nothing run.
  write("named.json", options);
  const Outcome named = run({"--save", "x.hs", "--options", "named.json"});
  EXPECT_EQ(std::to_string(named.status) + named.out, "2");
  EXPECT_EQ(named.err.find("flexedit-cli: named.json: voce 2 (\"Bad\"): manca il campo"), 0u);
  fs::remove_all(dir / "config");
  const Outcome list = run({"--list"});  // no default file: nothing to say
  EXPECT_EQ(list.err, "");
  EXPECT_NE(list.out.find("\nCheck1(1)   Disposizione Schermo        Base   207  103  2      "
                          "ticked clears          0x02 clear  Permette di impostare la "
                          "visualizzazione delle scritte in modalità centrata\n"),
            npos);
  EXPECT_FALSE(fs::exists(dir / "x.hs"));
}

using CliDiff = Cli;

// One option, one escaped byte and a Call record one byte longer, with its count and trailing
// word changed to match: the JSON in full, and the text without a raw control character. A file
// fills the records from the Base record on; the others stay built-in.
TEST_F(CliDiff, EachFieldShowsTheComparison) {
  write("a.hs", builtin::kBase);
  EXPECT_EQ(json({"diff", "a.hs"}),
            Json::parse(R"({"equal": true, "options": [], "bytes": [], "records": []})"));
  std::string call = std::string(builtin::kCall.substr(0, 54)) + "00" + "0269";
  call.replace(10, 2, "16");
  write("a.hs", hs(with(with(builtin::kBase, 181, "B7"), 49, "\x1b["), call));
  const Json d = json({"diff", "a.hs"}, 1);
  const auto record = [](const char* part, std::string a, std::string b) {
    return Json{{"record", "Call"}, {"part", part}, {"a", a}, {"b", b}};
  };
  EXPECT_EQ(d,
            (Json{{"equal", false},
                  {"options",
                   {{{"id", "Check1(0)"}, {"caption", "Menu Engineering"}, {"a", 1}, {"b", 0}}}},
                  {"bytes", {{{"record", "Base"}, {"offset", 24}, {"a", "\x1b["}, {"b", "88"}}}},
                  {"records",
                   {record("length", "60", "58"),
                    record("header", call.substr(0, 44), std::string(builtin::kCall.substr(0, 44))),
                    record("trailingWord", "0269", "0268")}}}));
  const Outcome text = run({"diff", "a.hs"});
  EXPECT_EQ(text.status, 1);
  EXPECT_EQ(text.out.find('\x1b'), npos);
  for (const char* line : {"  Check1(0)   Menu Engineering            A ticked  B clear\n",
                           "  Base  byte 0x18 (24)      A \"\\x1B[\" B 88\n",
                           "  Call  trailing word  A 0269  B 0268\n", "\nA and B differ.\n"})
    EXPECT_NE(text.out.find(line), npos) << line;
}

TEST_F(CliDiff, ErrorsExitTwoAndPrintNothing) {
  write("a.hs", hs());
  for (const char* args :
       {"diff --json", "diff a.hs a.hs a.hs", "diff a.hs missing.hs", "diff --bogus",
        "diff a.hs --options", "--options a.hs diff a.hs", "--json diff a.hs"}) {
    const Outcome r = run(words(args));
    EXPECT_EQ(std::to_string(r.status) + r.out + r.err.substr(0, 14), "2flexedit-cli: ") << args;
  }
  EXPECT_EQ(run({"diff", "a.hs"}, "/dev/full").status, 2);
}

}  // namespace
