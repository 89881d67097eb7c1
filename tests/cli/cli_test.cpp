// flexedit-cli run as a user runs it: exit status, standard output and error, files.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "fake_view.hpp"
#include "flex/flex_file.hpp"
#include "flex/builtin_records.hpp"
#include "flexedit/version.hpp"

namespace {

namespace fs = std::filesystem;
namespace builtin = flex::builtin;
using Json = nlohmann::ordered_json;
using Args = std::vector<std::string>;
constexpr auto npos = std::string::npos;

struct Outcome { int status; std::string out, err; };

std::string quoted(const std::string& text) {
  std::string q = "'";
  for (char c : text) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

std::string with(std::string_view record, std::size_t position, std::string_view pair) {
  return std::string(record).replace(position - 1, 2, pair);
}

// A ".hs" file: these records, CR LF after each.
std::string hs(std::string_view base = builtin::kBase, std::string_view call = builtin::kCall,
               std::string_view gprs = builtin::kGprs) {
  return std::string(base) + "\r\n" + std::string(call) + "\r\n" + std::string(gprs) + "\r\n";
}

const Json kBuiltInSlots = Json::array({builtin::kBase, builtin::kCall, builtin::kGprs});

class Cli : public ::testing::Test {
 protected:
  Cli() {
    std::string pattern = (fs::temp_directory_path() / "flexedit-cli-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    dir = pattern;
  }
  ~Cli() override {
    std::error_code ignored;
    fs::remove_all(dir, ignored);
  }

  std::string read(const std::string& name) const { return flextest::readWhole(dir / name); }
  void write(const std::string& name, const std::string& content) const {
    std::ofstream(dir / name, std::ios::binary) << content;
  }

  // Runs the CLI in the test's folder; standard output goes to `out` (a file there, or a device).
  Outcome run(const Args& args, const std::string& out = ".out") const {
    std::string command = "cd " + quoted(dir) + " && " + quoted(FLEXEDIT_CLI_PATH);
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

  // "diff a.hs [b.hs] --json" with the files written first.
  Json diff(const std::string& a, const std::optional<std::string>& b, int status) const {
    write("a.hs", a);
    if (b) write("b.hs", *b);
    return json(b ? Args{"diff", "a.hs", "b.hs"} : Args{"diff", "a.hs"}, status);
  }

  fs::path dir;
};

TEST_F(Cli, StartUpStateAndTheListOfOptions) {
  const Json s = json({});
  Args keys, ticked;
  for (const auto& item : s.items()) keys.push_back(item.key());
  EXPECT_EQ(keys, (Args{"slots", "formatted", "FlexBase", "FlexCall", "FlexGprs", "FlexGprsNull",
                        "FlexGprsPersonale", "options", "labelDialog", "messages", "status",
                        "undo", "redo"}));
  EXPECT_EQ(s["slots"], kBuiltInSlots);
  EXPECT_EQ(s["formatted"][1], "CC 41 80 1F 0E 02 68");
  EXPECT_EQ(s["FlexGprsNull"], builtin::kGprsNull);
  for (const auto& [id, value] : s["options"].items())
    if (value == 1) ticked.push_back(id);
  EXPECT_EQ(s["options"].size(), 33u);
  EXPECT_EQ(s["options"].begin().key() + s["options"].rbegin().key(), "Check1(0)Check5(13)");
  EXPECT_EQ(ticked, (Args{"Check1(2)", "Check2(0)", "Check2(2)", "Check2(4)", "Check3(0)"}));
  EXPECT_EQ(s["labelDialog"].dump() + s["messages"].dump() + s["status"].dump(),
            R"({"open":false,"text":""}[]"")");

  const Outcome text = run({});
  for (const char* line : {"(5 of 33)", "  Check2(4)   Menu \"Tutte le Chiamate\"\n",
                           "  00  D2 EE 88 BE FE FF FF FF 83 FD FF 6C 01 F0 71 60\n",
                           "  60  E0 01 33 4A\n"})
    EXPECT_NE(text.out.find(line), npos) << line;
  EXPECT_EQ(text.out.find("Status:"), npos);
  const Json list = json({"--list"});
  ASSERT_EQ(list.size(), 33u);
  EXPECT_EQ(list[0]["bits"], Json::array({8, 6, 5}));
  EXPECT_EQ(list[1]["id"], "Check1(1)");  // one bit for click and readback alike
  EXPECT_EQ(list[1]["bits"], Json::array({2}));
  EXPECT_EQ(list[1]["readback"]["mask"], 2);
  EXPECT_EQ(list[1]["polarity"], "ticked clears");
}

TEST_F(Cli, TickingMenuEngineeringInALoadedFileChangesOnlyItsByte) {
  write("in.hs", hs(builtin::kBase, builtin::kCall, builtin::kGprsNull));
  const Outcome r = run({"--open", "in.hs", "--tick", "Check1(0)", "--save", "out.hs"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(read("out.hs"),
            hs(with(builtin::kBase, 181, "B7"), builtin::kCall, builtin::kGprsNull));
  EXPECT_NE(r.out.find("Status: File: out.hs\n"), npos);
}

TEST_F(Cli, TickAndClearClickOnlyWhenNeededAndResetRestores) {
  const Json s = json({"--tick", "Check1(0)", "--tick", "Check1(0)", "--clear", "Check1(2)",
                       "--clear", "Check1(2)"});
  EXPECT_EQ(s["slots"][0], with(with(builtin::kBase, 181, "B7"), 187, "00"));
  EXPECT_EQ(s["FlexBase"], s["slots"][0]);
  EXPECT_EQ(json({"--click", "Check1(0)", "--click", "Check1(0)"})["slots"], kBuiltInSlots);
  EXPECT_EQ(json({"--click", "Check1(4)", "--raw", "1", "CC", "--reset"})["slots"], kBuiltInSlots);
  EXPECT_EQ(json({"--save", "", "--open", ""})["status"], "File: ");  // cancelled dialogs
  const Json u = json({"--click", "Check1(0)", "--click", "Check1(4)", "--click", "Check1(2)",
                       "--undo", "--undo", "--redo"});
  EXPECT_EQ(u["slots"][0].dump() + u["undo"].dump() + u["redo"].dump(),
            Json(with(with(builtin::kBase, 181, "B7"), 111, "03")).dump() + "21");
  EXPECT_TRUE(fs::is_empty(dir));
}

TEST_F(Cli, LabelDialogAndMessageBoxes) {
  const std::string label = std::string(builtin::kLabelTemplate.substr(0, 44)) +
                            "004300490041004F002000330047" + std::string(28, '0');
  Json s = json({"--tick", "Check1(5)", "--label", "Ciao 3G", "--save", "label.hs"});
  EXPECT_EQ(s["slots"][2], label);
  EXPECT_EQ(s["labelDialog"]["open"], false);
  EXPECT_EQ(read("label.hs"), hs(builtin::kBase, builtin::kCall, label));

  s = json({"--tick", "Check1(5)", "--type", "abcdefghijklmn"});
  EXPECT_EQ(s["messages"], Json::array({{{"title", "Errore di Lunghezza"},
                                         {"prompt", "Puoi inserire massimo 12 caratteri!"}}}));
  EXPECT_EQ(s["labelDialog"], (Json{{"open", true}, {"text", "abcdefghijkl"}}));
  s = json({"--tick", "Check1(3)", "--tick", "Check1(5)"});
  ASSERT_EQ(s["messages"].size(), 1u);
  EXPECT_EQ(s["messages"][0]["title"], "Errore di Incoerenza");
  EXPECT_EQ(s["options"]["Check1(5)"], 0);
  EXPECT_EQ(s["slots"][2], builtin::kGprsNull);
}

// A malformed command line does nothing at all; a label dialog action while the dialog is closed,
// or undo and redo while it is open, stop the run there. Both exit 2 and print nothing.
TEST_F(Cli, UsageErrorsExitTwo) {
  const std::vector<Args> malformed = {
      {"--bogus"}, {"plain"}, {"--click"}, {"--click", "Check6(0)"}, {"--tick", "check1(0)"},
      {"--raw", "3", "AB"}, {"--raw", "0"}, {"--save", "--json"}, {"--open", "--version"},
      {"--type", "\xff"}, {"--list"}};
  const std::vector<Args> stopping = {
      {"--type", "x"}, {"--ok"}, {"--close"}, {"--label", "x"},
      {"--tick", "Check1(5)", "--close", "--ok"}, {"--tick", "Check1(5)", "--undo"},
      {"--tick", "Check1(5)", "--redo"}};
  for (const auto& [cases, stops] : {std::pair{&malformed, false}, {&stopping, true}})
    for (const Args& bad : *cases) {
      SCOPED_TRACE(bad[0] + (stops ? " stops" : ""));
      Args args{"--save", "a.hs"};
      args.insert(args.end(), bad.begin(), bad.end());
      args.insert(args.end(), {"--save", "b.hs"});
      const Outcome r = run(args);
      EXPECT_EQ(r.status, 2);
      EXPECT_EQ(r.out, "");
      EXPECT_TRUE(r.err.starts_with("flexedit-cli: "));
      EXPECT_EQ(r.err.find("the label dialog is") != npos, stops);
      EXPECT_EQ(fs::exists(dir / "a.hs"), stops);
      EXPECT_FALSE(fs::exists(dir / "b.hs"));
      fs::remove(dir / "a.hs");
    }
  EXPECT_TRUE(run({"--save", "a.hs", "--help"}).out.starts_with("Usage: flexedit-cli"));
  const std::string version = run({"--save", "a.hs", "--version"}).out;
  EXPECT_TRUE(version.starts_with("flexedit-cli (flexedit) " +
                                  std::string(flex::version::kString) + "\n"));
  EXPECT_FALSE(fs::exists(dir / "a.hs"));
}

TEST_F(Cli, FileErrorsAreRecordedAndTheRunGoesOn) {
  fs::create_directory(dir / "folder");
  write("out.hs", "old\r\n");
  const Json s = json({"--open", "missing.hs", "--open", "folder", "--tick", "Check1(0)",
                       "--save", "no/such/dir.hs", "--backup", "--save", "out.hs"}, 1);
  const Args prompts = {"Impossibile aprire il file", "Impossibile aprire il file",
                        "Impossibile salvare il file"};
  ASSERT_EQ(s["messages"].size(), prompts.size());
  for (std::size_t k = 0; k < prompts.size(); ++k) {
    EXPECT_EQ(s["messages"][k]["title"], "Errore File");
    EXPECT_TRUE(s["messages"][k]["prompt"].get<std::string>().starts_with(prompts[k])) << k;
  }
  EXPECT_EQ(s["status"], "File: out.hs");
  EXPECT_EQ(read("out.hs"), hs(with(builtin::kBase, 181, "B7")));
  EXPECT_EQ(read("out.hs~"), "old\r\n");
  const Outcome full = run({"--json"}, "/dev/full");
  EXPECT_EQ(full.status, 1);
  EXPECT_NE(full.err.find("cannot write the output"), npos);
}

// Standard output a pipe whose reader has gone: an exit status, not death by SIGPIPE.
TEST_F(Cli, OutputToAPipeWithoutReaderFails) {
  write("a.hs", hs());
  for (const auto& [args, status] : {std::pair{" --json", 1}, {" diff a.hs", 2}}) {
    const std::string command = "cd " + quoted(dir) + " && mkfifo p && exec 3<>p 4>p 3<&- && rm p" +
                                " && exec " + quoted(FLEXEDIT_CLI_PATH) + args + " >&4 2>&-";
    const int r = std::system(command.c_str());
    EXPECT_EQ(WIFEXITED(r) ? WEXITSTATUS(r) : -1, status) << args;
  }
}

// Text is Windows-1252 inside, UTF-8 outside; control characters never reach the terminal raw.
TEST_F(Cli, TextEncodingAndEscapes) {
  Json s = json({"--tick", "Check1(5)", "--label", "àè€µ", "--raw", "1", "Città€", "--save",
                 "u.hs"});
  EXPECT_EQ(s["slots"][2].get<std::string>().substr(44, 16), "00C000C8008000B5");
  EXPECT_NE(read("u.hs").find("\r\nCitt\xE0\x80\r\n"), npos);
  EXPECT_EQ(json({"--open", "u.hs"})["FlexCall"], "Città€");

  const std::string raw = std::string(44, '0') + "A\x01\x1b[2J\"\\\n\tB";
  const Outcome j = run({"--raw", "0", raw, "--save", "/nonexistent-dir/\xff.hs", "--json"});
  EXPECT_NE(j.out.find("\\u0001\\u001b[2J\\\"\\\\\\n\\tB"), npos);
  EXPECT_EQ(Json::parse(j.out)["status"], "File: /nonexistent-dir/\xEF\xBF\xBD.hs");
  const Outcome text = run({"--raw", "0", raw, "--open", "\x1b]0;x\x07"});
  EXPECT_EQ(text.out.find_first_of("\x01\x07\x1b"), npos);
  EXPECT_NE(text.out.find("A\\x01 \\x1B[ 2J"), npos);
  EXPECT_NE(text.out.find("Status: File: \\x1B]0;x\\x07\n"), npos);
}

using CliDiff = Cli;

TEST_F(CliDiff, EqualFlexesExitZero) {
  const Json equal = {{"equal", true}, {"options", Json::array()}, {"bytes", Json::array()},
                      {"records", Json::array()}};
  // No line fills no record; lines after the third are no records.
  for (const std::string& a : {hs(), std::string(), std::string(builtin::kBase), hs() + "FF\r\n"})
    EXPECT_EQ(diff(a, std::nullopt, 0), equal) << a.size();
  EXPECT_EQ(diff(with(builtin::kBase, 181, "zz"), with(builtin::kBase, 181, "zz"), 0), equal);
}

// Each case as "id a b" for the options and "record offset a b" for the bytes no option explains.
TEST_F(CliDiff, OptionsAndTheBytesNoOptionExplains) {
  struct Case { const char* what; std::string a; std::optional<std::string> b; Args lines; };
  const std::string base(builtin::kBase), personal = std::string(
      builtin::kLabelTemplate.substr(0, 44)) + "0043" + std::string(52, '0');
  const std::vector<Case> cases = {
      {"an option", with(base, 181, "B7"), {}, {"Check1(0) 1 0"}},
      {"no option on the byte", with(base, 49, "89"), {}, {"Base 24 89 88"}},
      {"bit 8, written but not read", with(base, 181, "87"), {}, {"Base 90 87 07"}},
      {"option and another bit", with(base, 181, "B6"), {}, {"Check1(0) 1 0", "Base 90 B6 07"}},
      {"two options", with(base, 85, "67"), with(base, 85, "6E"),
       {"Check2(3) 1 0", "Check2(4) 1 0"}},
      {"whole-byte option", with(base, 183, "89"), {}, {"Check4(1) 1 0"}},
      {"unreadable byte", with(base, 181, "b7"), {}, {"Base 90 b7 07"}},
      {"Call record", base + "\r\n" + with(with(builtin::kCall, 51, "3F"), 53, "0F"), {},
       {"Check3(1) 1 0", "Call 26 0F 0E"}},
      {"empty label", hs(), hs(base, builtin::kCall, builtin::kGprsNull), {"Check1(3) 0 1"}},
      {"personal label", hs(), hs(base, builtin::kCall, personal), {"Check1(5) 0 1"}},
  };
  for (const Case& c : cases) {
    const Json d = diff(c.a, c.b, 1);
    Args lines;
    for (const Json& o : d["options"])
      lines.push_back(o["id"].get<std::string>() + " " + o["a"].dump() + " " + o["b"].dump());
    for (const Json& b : d["bytes"])
      lines.push_back(b["record"].get<std::string>() + " " + b["offset"].dump() + " " +
                      b["a"].get<std::string>() + " " + b["b"].get<std::string>());
    EXPECT_EQ(lines, c.lines) << c.what;
    EXPECT_EQ(d["records"], Json::array()) << c.what;
  }
}

// One option, one escaped byte and a Call record one byte longer, with its count and trailing
// word changed to match: the JSON in full, and the text without a raw control character.
TEST_F(CliDiff, RecordDifferencesAndTheShapeOfTheOutput) {
  std::string call = std::string(builtin::kCall.substr(0, 54)) + "00" + "0269";
  call.replace(10, 2, "16");
  const Json d = diff(hs(with(with(builtin::kBase, 181, "B7"), 49, "\x1b["), call), {}, 1);
  const auto record = [](const char* part, std::string a, std::string b) {
    return Json{{"record", "Call"}, {"part", part}, {"a", a}, {"b", b}};
  };
  EXPECT_EQ(d, (Json{{"equal", false},
                     {"options", {{{"id", "Check1(0)"}, {"caption", "Menu Engineering"},
                                   {"a", 1}, {"b", 0}}}},
                     {"bytes", {{{"record", "Base"}, {"offset", 24}, {"a", "\x1b["}, {"b", "88"}}}},
                     {"records", {record("length", "60", "58"),
                                  record("header", call.substr(0, 44),
                                         std::string(builtin::kCall.substr(0, 44))),
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
  write("big.hs", std::string(flex::kMaxFileSize + 1, 'A'));
  fs::create_directory(dir / "folder");
  for (const Args& args : std::vector<Args>{
           {"diff"}, {"diff", "a.hs", "a.hs", "a.hs"}, {"diff", "missing.hs"},
           {"diff", "a.hs", "missing.hs"}, {"diff", "folder"}, {"diff", "big.hs"},
           {"diff", "--bogus", "a.hs"}, {"--json", "diff", "a.hs"}}) {
    const Outcome r = run(args);
    EXPECT_EQ(r.status, 2) << args.back();
    EXPECT_EQ(r.out, "") << args.back();
    EXPECT_TRUE(r.err.starts_with("flexedit-cli: ")) << args.back();
  }
  EXPECT_EQ(run({"diff", "a.hs"}, "/dev/full").status, 2);
}

}  // namespace
