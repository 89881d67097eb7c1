// flexedit-cli run as a separate process: exit status, standard output and error, files.
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "files/flex_file.hpp"
#include "model/builtin_records.hpp"

namespace {

namespace fs = std::filesystem;
using Json = nlohmann::ordered_json;
using Args = std::vector<std::string>;

struct Outcome {
  int status = -1;
  std::string out;
  std::string err;
};

std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

std::string builtinFile(std::string_view gprs = flex::builtin::kGprs) {
  return std::string(flex::builtin::kBase) + "\r\n" + std::string(flex::builtin::kCall) +
         "\r\n" + std::string(gprs) + "\r\n";
}

// The Base record with the byte at character position `position` replaced.
std::string baseWith(std::size_t position, std::string_view pair) {
  std::string base(flex::builtin::kBase);
  base.replace(position - 1, 2, pair);
  return base;
}

class CliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string dir = (fs::temp_directory_path() / "flexedit-cli-XXXXXX").string();
    ASSERT_NE(mkdtemp(dir.data()), nullptr);
    dir_ = dir;
  }
  void TearDown() override { fs::remove_all(dir_); }

  fs::path path(const std::string& name) const { return dir_ / name; }

  void writeFile(const std::string& name, const std::string& content) const {
    std::ofstream(path(name), std::ios::binary) << content;
  }

  // Runs the CLI in the test's folder; standard output goes to `stdoutPath` when given.
  Outcome run(const Args& args, const std::string& stdoutPath = "") const {
    const fs::path out = stdoutPath.empty() ? path(".out") : fs::path(stdoutPath);
    const fs::path err = path(".err");
    std::vector<char*> argv{const_cast<char*>(FLEXEDIT_CLI_PATH)};
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
      const int o = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
      const int e = open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
      if (chdir(dir_.c_str()) != 0 || o < 0 || e < 0 || dup2(o, 1) < 0 || dup2(e, 2) < 0) _exit(99);
      execv(argv[0], argv.data());
      _exit(98);
    }
    Outcome result;
    int status = 0;
    waitpid(pid, &status, 0);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    if (stdoutPath.empty()) result.out = readFile(out);
    result.err = readFile(err);
    fs::remove(path(".out"));
    fs::remove(err);
    return result;
  }

  // Runs with --json and expects the exit status; the parsed state.
  Json state(Args args, int expectedStatus = 0) const {
    args.push_back("--json");
    const Outcome r = run(args);
    EXPECT_EQ(r.status, expectedStatus) << r.err;
    return Json::parse(r.out);
  }

  fs::path dir_;
};

std::vector<std::string> tickedIds(const Json& state) {
  std::vector<std::string> ids;
  for (const auto& [id, value] : state["options"].items())
    if (value == 1) ids.push_back(id);
  return ids;
}

// --- start-up ---

TEST_F(CliTest, StartUpJsonIsTheWindowAfterLoading) {
  const Json s = state({});
  std::vector<std::string> keys;
  for (const auto& item : s.items()) keys.push_back(item.key());
  EXPECT_EQ(keys, (Args{"slots", "formatted", "FlexBase", "FlexCall", "FlexGprs", "FlexGprsNull",
                        "FlexGprsPersonale", "options", "labelDialog", "messages", "status"}));
  EXPECT_EQ(s["slots"], Json::array({flex::builtin::kBase, flex::builtin::kCall, flex::builtin::kGprs}));
  EXPECT_EQ(s["formatted"][1], "CC 41 80 1F 0E 02 68");
  EXPECT_EQ(s["formatted"][2], "00 47 00 50 00 52 00 53 00 00 02 7B");
  EXPECT_EQ(s["FlexGprsNull"], flex::builtin::kGprsNull);
  EXPECT_EQ(s["FlexGprsPersonale"], "");
  ASSERT_EQ(s["options"].size(), 33u);
  EXPECT_EQ(s["options"].begin().key(), "Check1(0)");
  EXPECT_EQ((--s["options"].end()).key(), "Check5(13)");
  EXPECT_EQ(tickedIds(s), (Args{"Check1(2)", "Check2(0)", "Check2(2)", "Check2(4)", "Check3(0)"}));
  EXPECT_EQ(s["labelDialog"], (Json{{"open", false}, {"text", ""}}));
  EXPECT_EQ(s["messages"], Json::array());
  EXPECT_EQ(s["status"], "");
}

TEST_F(CliTest, SummaryShowsTickedOptionsAndFormattedRows) {
  const Outcome r = run({});
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("(5 of 33)"), std::string::npos);
  EXPECT_NE(r.out.find("  Check2(4)   Menu \"Tutte le Chiamate\"\n"), std::string::npos);
  EXPECT_NE(r.out.find("  00  D2 EE 88 BE FE FF FF FF 83 FD FF 6C 01 F0 71 60\n"), std::string::npos);
  EXPECT_NE(r.out.find("  60  E0 01 33 4A\n"), std::string::npos);
  EXPECT_NE(r.out.find("  00  CC 41 80 1F 0E 02 68\n"), std::string::npos);
  EXPECT_EQ(r.out.find("Status:"), std::string::npos);
  EXPECT_EQ(r.out.find("Messages:"), std::string::npos);
}

TEST_F(CliTest, ListShowsTheWholeCatalogue) {
  const Outcome text = run({"--list"});
  EXPECT_EQ(text.status, 0);
  std::istringstream lines(text.out);
  int rows = 0;
  for (std::string line; std::getline(lines, line);) rows += line.rfind("Check", 0) == 0;
  EXPECT_EQ(rows, 33);

  const Json list = state({"--list"});
  ASSERT_EQ(list.size(), 33u);
  EXPECT_EQ(list[0]["id"], "Check1(0)");
  EXPECT_EQ(list[0]["bits"], Json::array({8, 6, 5}));
  EXPECT_EQ(list[1]["id"], "Check1(1)");  // one bit for click and readback alike
  EXPECT_EQ(list[1]["bits"], Json::array({2}));
  EXPECT_EQ(list[1]["readback"]["mask"], 2);
  EXPECT_EQ(list[1]["polarity"], "ticked clears");
  EXPECT_EQ(list[32]["id"], "Check5(13)");
}

// --- actions ---

TEST_F(CliTest, TickingMenuEngineeringInALoadedFileChangesOnlyItsByte) {
  const std::string in = builtinFile(flex::builtin::kGprsNull);
  writeFile("in.hs", in);
  const Outcome r = run({"--open", "in.hs", "--tick", "Check1(0)", "--save", "out.hs"});
  EXPECT_EQ(r.status, 0) << r.err;
  std::string expected = in;
  expected.replace(180, 2, "B7");
  EXPECT_EQ(readFile(path("out.hs")), expected);
  EXPECT_NE(r.out.find("Status: File: out.hs\n"), std::string::npos);
}

TEST_F(CliTest, TickAndClearClickOnlyWhenNeededAndResetRestores) {
  Json s = state({"--tick", "Check1(0)", "--tick", "Check1(0)", "--clear", "Check1(2)",
                  "--clear", "Check1(2)"});
  std::string base = baseWith(181, "B7");
  base.replace(186, 2, "00");
  EXPECT_EQ(s["slots"][0], base);
  EXPECT_EQ(s["FlexBase"], base);

  s = state({"--click", "Check1(0)", "--click", "Check1(0)"});
  EXPECT_EQ(s["slots"][0], flex::builtin::kBase);
  s = state({"--click", "Check1(4)", "--raw", "1", "CC", "--reset"});
  EXPECT_EQ(s["slots"], Json::array({flex::builtin::kBase, flex::builtin::kCall, flex::builtin::kGprs}));
  EXPECT_EQ(s["options"]["Check1(4)"], 0);
}

TEST_F(CliTest, LabelIsEncodedIntoTheGprsRecordAndSurvivesALoad) {
  const std::string label = std::string(flex::builtin::kLabelTemplate.substr(0, 44)) +
                            "004300490041004F002000330047" + std::string(7 * 4, '0');
  Json s = state({"--tick", "Check1(5)", "--label", "Ciao 3G", "--save", "label.hs"});
  EXPECT_EQ(s["slots"][2], label);
  EXPECT_EQ(s["FlexGprsPersonale"], label);
  EXPECT_EQ(s["options"]["Check1(5)"], 1);
  EXPECT_EQ(s["labelDialog"]["open"], false);
  EXPECT_EQ(readFile(path("label.hs")), builtinFile(label));

  // Read back, the personal record ticks "GPRS Personale" and stays in slot 2, no dialog.
  s = state({"--open", "label.hs"});
  EXPECT_EQ(s["slots"][2], label);
  EXPECT_EQ(s["options"]["Check1(5)"], 1);
  EXPECT_EQ(s["labelDialog"]["open"], false);
}

TEST_F(CliTest, MessageBoxesAreAcknowledgedAndRecorded) {
  Json s = state({"--tick", "Check1(5)", "--type", "abcdefghijklmn"});
  EXPECT_EQ(s["messages"], Json::array({{{"title", "Errore di Lunghezza"},
                                         {"prompt", "Puoi inserire massimo 12 caratteri!"}}}));
  EXPECT_EQ(s["labelDialog"], (Json{{"open", true}, {"text", "abcdefghijkl"}}));

  s = state({"--tick", "Check1(3)", "--tick", "Check1(5)"});
  ASSERT_EQ(s["messages"].size(), 1u);
  EXPECT_EQ(s["messages"][0]["title"], "Errore di Incoerenza");
  EXPECT_EQ(s["options"]["Check1(3)"], 1);
  EXPECT_EQ(s["options"]["Check1(5)"], 0);
  EXPECT_EQ(s["slots"][2], flex::builtin::kGprsNull);
}

TEST_F(CliTest, CancelledDialogsChangeNothingButTheStatus) {
  const Json s = state({"--save", "", "--open", ""});
  EXPECT_EQ(s["status"], "File: ");
  EXPECT_EQ(s["slots"], Json::array({flex::builtin::kBase, flex::builtin::kCall, flex::builtin::kGprs}));
  EXPECT_EQ(s["messages"], Json::array());
  EXPECT_TRUE(fs::is_empty(dir_));
}

// --- errors ---

TEST_F(CliTest, MalformedCommandLineDoesNothingAtAll) {
  const std::vector<Args> cases = {
      {"--bogus"}, {"plain"}, {"--click"}, {"--click", "Check6(0)"}, {"--tick", "check1(0)"},
      {"--raw", "3", "AB"}, {"--raw", "x", "AB"}, {"--raw", "0"}, {"--open"},
      {"--save", "--json"}, {"--type", "\xff"}, {"--label"}, {"--list"},
  };
  for (const Args& bad : cases) {
    Args args{"--save", "out.hs"};
    args.insert(args.end(), bad.begin(), bad.end());
    const Outcome r = run(args);
    EXPECT_EQ(r.status, 2) << bad[0];
    EXPECT_EQ(r.out, "") << bad[0];
    EXPECT_EQ(r.err.rfind("flexedit-cli: ", 0), 0u) << bad[0];
    EXPECT_FALSE(fs::exists(path("out.hs"))) << bad[0];
  }
  const Outcome help = run({"--save", "out.hs", "--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(help.out.rfind("Usage: flexedit-cli", 0), 0u);
  EXPECT_FALSE(fs::exists(path("out.hs")));
}

TEST_F(CliTest, LabelDialogActionWhileClosedStopsTheRun) {
  const std::vector<Args> cases = {{"--type", "x"}, {"--ok"}, {"--close"}, {"--label", "x"},
                                   {"--tick", "Check1(5)", "--close", "--ok"}};
  for (const Args& action : cases) {
    fs::remove(path("a.hs"));
    Args args{"--save", "a.hs"};
    args.insert(args.end(), action.begin(), action.end());
    args.insert(args.end(), {"--save", "b.hs"});
    const Outcome r = run(args);
    EXPECT_EQ(r.status, 2) << action[0];
    EXPECT_EQ(r.out, "") << action[0];
    EXPECT_NE(r.err.find("not open"), std::string::npos) << action[0];
    EXPECT_TRUE(fs::exists(path("a.hs"))) << action[0];
    EXPECT_FALSE(fs::exists(path("b.hs"))) << action[0];
  }
}

TEST_F(CliTest, FileErrorsAreRecordedAndTheRunGoesOn) {
  fs::create_directory(path("folder"));
  const Json s = state({"--open", "missing.hs", "--open", "folder", "--tick", "Check1(0)",
                        "--save", "no/such/dir.hs", "--save", "out.hs"},
                       1);
  ASSERT_EQ(s["messages"].size(), 3u);
  for (const Json& m : s["messages"]) EXPECT_EQ(m["title"], "Errore File");
  EXPECT_EQ(s["messages"][0]["prompt"].get<std::string>().rfind("Impossibile aprire il file", 0), 0u);
  EXPECT_EQ(s["messages"][1]["prompt"].get<std::string>().rfind("Impossibile aprire il file", 0), 0u);
  EXPECT_EQ(s["messages"][2]["prompt"].get<std::string>().rfind("Impossibile salvare il file", 0), 0u);
  EXPECT_EQ(s["status"], "File: out.hs");
  EXPECT_EQ(s["slots"][0], baseWith(181, "B7"));
  EXPECT_EQ(readFile(path("out.hs")).substr(0, 244), baseWith(181, "B7"));
}

TEST_F(CliTest, OutputThatCannotBeWrittenIsAnError) {
  const Outcome r = run({"--json"}, "/dev/full");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("cannot write the output"), std::string::npos);
}

// --- text encoding ---

TEST_F(CliTest, NonAsciiTextRoundTripsThroughWindows1252) {
  Json s = state({"--tick", "Check1(5)", "--label", "àè€µ", "--raw", "1", "Città€", "--save",
                  "u.hs"});
  EXPECT_EQ(s["slots"][2].get<std::string>().substr(44, 16), "00C000C8008000B5");
  EXPECT_EQ(s["slots"][1], "Città€");
  EXPECT_EQ(s["formatted"][1], "");
  const std::string file = readFile(path("u.hs"));
  EXPECT_NE(file.find("\r\nCitt\xE0\x80\r\n"), std::string::npos);

  s = state({"--open", "u.hs"});
  EXPECT_EQ(s["slots"][1], "Città€");
  EXPECT_EQ(s["FlexCall"], "Città€");
}

TEST_F(CliTest, ControlCharactersAreEscapedInJsonAndInTheSummary) {
  const std::string raw = std::string(44, '0') + "A\x01\x1b[2J\"\\\n\tB";
  const Outcome json = run({"--raw", "0", raw, "--save", "/nonexistent-dir/\xff.hs", "--json"});
  EXPECT_EQ(json.status, 1);
  EXPECT_EQ(json.out.find('\x01'), std::string::npos);
  EXPECT_NE(json.out.find("\\u0001\\u001b[2J\\\"\\\\\\n\\tB"), std::string::npos);
  const Json s = Json::parse(json.out);
  EXPECT_EQ(s["slots"][0], raw);
  EXPECT_EQ(s["status"], "File: /nonexistent-dir/\xEF\xBF\xBD.hs");

  const Outcome text = run({"--raw", "0", raw, "--open", "\x1b]0;x\x07"});
  EXPECT_EQ(text.status, 1);
  EXPECT_EQ(text.out.find('\x1b'), std::string::npos);
  EXPECT_EQ(text.out.find('\x07'), std::string::npos);
  EXPECT_NE(text.out.find("A\\x01 \\x1B[ 2J"), std::string::npos);
  EXPECT_NE(text.out.find("Status: File: \\x1B]0;x\\x07\n"), std::string::npos);
}

// --- diff ---

class CliDiffTest : public CliTest {
 protected:
  // "diff A [B] --json" with A (and B) written as files first; expects the exit status.
  Json diff(const std::string& a, const std::optional<std::string>& b, int expectedStatus) const {
    writeFile("a.hs", a);
    Args args{"diff", "a.hs"};
    if (b) {
      writeFile("b.hs", *b);
      args.push_back("b.hs");
    }
    return state(args, expectedStatus);
  }
};

// The differences of a --json diff as short lines: "Check1(0) 1 0", "Base 90 B6 07".
Args optionLines(const Json& d) {
  Args lines;
  for (const Json& o : d["options"])
    lines.push_back(o["id"].get<std::string>() + " " + o["a"].dump() + " " + o["b"].dump());
  return lines;
}
Args byteLines(const Json& d) {
  Args lines;
  for (const Json& b : d["bytes"])
    lines.push_back(b["record"].get<std::string>() + " " + b["offset"].dump() + " " +
                    b["a"].get<std::string>() + " " + b["b"].get<std::string>());
  return lines;
}

std::string callWith(std::size_t position, std::string_view pair) {
  std::string call(flex::builtin::kCall);
  call.replace(position - 1, 2, pair);
  return call;
}

TEST_F(CliDiffTest, EqualFlexesExitZero) {
  const std::string base(flex::builtin::kBase);
  const std::vector<std::string> sameAsBuiltin = {
      builtinFile(),
      "",                               // fills no record
      base,                             // one line, no line end
      builtinFile() + "FFFF\r\n\r\n",   // lines after the third are not records
  };
  for (const std::string& file : sameAsBuiltin) {
    const Json d = diff(file, std::nullopt, 0);
    EXPECT_EQ(d, (Json{{"equal", true}, {"options", Json::array()}, {"bytes", Json::array()},
                       {"records", Json::array()}}))
        << file.size();
  }
  const std::string damaged = baseWith(181, "zz");
  EXPECT_EQ(diff(damaged, damaged, 0)["equal"], true);

  const Outcome text = run({"diff", "a.hs", "b.hs"});
  EXPECT_EQ(text.status, 0);
  EXPECT_EQ(text.out, "A: a.hs\nB: b.hs\n\nA and B are equal: the same three records, character "
                      "for character.\n");
}

TEST_F(CliDiffTest, OptionsAndTheBytesNoOptionExplains) {
  struct Case {
    const char* what;
    std::string a;
    std::optional<std::string> b;  // none: the built-in flex
    Args options;
    Args bytes;
  };
  const std::string personal = std::string(flex::builtin::kLabelTemplate.substr(0, 44)) + "0043" +
                               std::string(52, '0');
  // baseWith(...) alone is a one-line file: the Call and GPRS label records stay built-in.
  const std::vector<Case> cases = {
      {"Menu Engineering ticked", builtinFile().replace(180, 2, "B7"), {}, {"Check1(0) 1 0"}, {}},
      {"no option on the byte", baseWith(49, "89"), {}, {}, {"Base 24 89 88"}},
      {"bit 2 of byte 42, beside two options", baseWith(85, "6D"), {}, {}, {"Base 42 6D 6F"}},
      {"bit 8 of byte 90, written but not read", baseWith(181, "87"), {}, {}, {"Base 90 87 07"}},
      {"option ticked and a bit it never writes", baseWith(181, "B6"), {}, {"Check1(0) 1 0"},
       {"Base 90 B6 07"}},
      {"both options of byte 42", baseWith(85, "67"), baseWith(85, "6E"),
       {"Check2(3) 1 0", "Check2(4) 1 0"}, {}},
      {"whole-byte option", baseWith(183, "89"), {}, {"Check4(1) 1 0"}, {}},
      {"unreadable byte", baseWith(181, "b7"), {}, {}, {"Base 90 b7 07"}},
      {"Call record", std::string(flex::builtin::kBase) + "\r\n" +
                          callWith(51, "3F").replace(52, 2, "0F"),
       {}, {"Check3(1) 1 0"}, {"Call 26 0F 0E"}},
      {"empty label record in B", builtinFile(), builtinFile(flex::builtin::kGprsNull),
       {"Check1(3) 0 1"}, {}},
      {"personal label record in B", builtinFile(), builtinFile(personal), {"Check1(5) 0 1"}, {}},
  };
  for (const Case& c : cases) {
    const Json d = diff(c.a, c.b, 1);
    EXPECT_EQ(optionLines(d), c.options) << c.what;
    EXPECT_EQ(byteLines(d), c.bytes) << c.what;
    EXPECT_EQ(d["records"], Json::array()) << c.what;
  }
}

TEST_F(CliDiffTest, LengthHeaderAndTrailingWord) {
  // One byte more in the Call record, with its count and trailing word changed to match.
  std::string call = std::string(flex::builtin::kCall.substr(0, 54)) + "00" + "0269";
  call.replace(10, 2, "16");
  const std::string a = std::string(flex::builtin::kBase) + "\r\n" + call + "\r\n";
  const Json d = diff(a, std::nullopt, 1);
  EXPECT_EQ(d["options"], Json::array());
  EXPECT_EQ(d["bytes"], Json::array());
  EXPECT_EQ(d["records"],
            Json::array({{{"record", "Call"}, {"part", "length"}, {"a", "60"}, {"b", "58"}},
                         {{"record", "Call"},
                          {"part", "header"},
                          {"a", call.substr(0, 44)},
                          {"b", flex::builtin::kCall.substr(0, 44)}},
                         {{"record", "Call"},
                          {"part", "trailingWord"},
                          {"a", "0269"},
                          {"b", "0268"}}}));
  EXPECT_NE(run({"diff", "a.hs"}).out.find("  Call  trailing word  A 0269  B 0268\n"),
            std::string::npos);
}

TEST_F(CliDiffTest, JsonShapeAndTextListEachKindSafely) {
  std::string base = baseWith(181, "B7");
  base.replace(48, 2, "\x1b[");
  const Json d = diff(base + "\r\n\r\n", std::nullopt, 1);  // an empty Call record too
  const Json option = {{"id", "Check1(0)"}, {"caption", "Menu Engineering"}, {"a", 1}, {"b", 0}};
  const Json byte = {{"record", "Base"}, {"offset", 24}, {"a", "\x1b["}, {"b", "88"}};
  EXPECT_EQ(d, (Json{{"equal", false},
                     {"options", Json::array({option})},
                     {"bytes", Json::array({byte})},
                     {"records", Json::array({{{"record", "Call"}, {"part", "length"},
                                               {"a", "0"}, {"b", "58"}},
                                              {{"record", "Call"}, {"part", "header"}, {"a", ""},
                                               {"b", flex::builtin::kCall.substr(0, 44)}}})}}));

  const Outcome text = run({"diff", "a.hs"});
  EXPECT_EQ(text.status, 1);
  EXPECT_EQ(text.out.find('\x1b'), std::string::npos);
  EXPECT_EQ(text.out,
            "A: a.hs\nB: the built-in flex\n"
            "\nOptions whose state differs (1):\n"
            "  Check1(0)   Menu Engineering            A ticked  B clear\n"
            "\nBytes no option explains (1):\n"
            "  Base  byte 0x18 (24)      A \"\\x1B[\" B 88\n"
            "\nRecord differences (2):\n"
            "  Call  length         A 0 characters  B 58 characters\n"
            "  Call  header         A \"\"\n"
            "                       B AAB0300000150000002F000D00000126000100000005\n"
            "\nA and B differ.\n");

  const Outcome json = run({"diff", "a.hs", "--json"});
  EXPECT_NE(json.out.find("\"a\": \"\\u001b[\""), std::string::npos);
}

TEST_F(CliDiffTest, ErrorsExitTwoAndPrintNothing) {
  writeFile("a.hs", builtinFile());
  writeFile("big.hs", std::string(flex::kMaxFileSize + 1, 'A'));
  fs::create_directory(path("folder"));
  const std::vector<Args> cases = {
      {"diff"}, {"diff", "--json"}, {"diff", "a.hs", "a.hs", "a.hs"}, {"diff", "missing.hs"},
      {"diff", "a.hs", "missing.hs"}, {"diff", "folder"}, {"diff", "big.hs"}, {"diff", ""},
      {"diff", "--bogus", "a.hs"}, {"diff", "-"}, {"diff", "a.hs", "--list"},
      {"--json", "diff", "a.hs"}, {"--open", "a.hs", "diff", "a.hs"},
  };
  for (const Args& args : cases) {
    const Outcome r = run(args);
    EXPECT_EQ(r.status, 2) << args.back();
    EXPECT_EQ(r.out, "") << args.back();
    EXPECT_EQ(r.err.rfind("flexedit-cli: ", 0), 0u) << args.back();
  }
  EXPECT_NE(run({"diff", "big.hs"}).err.find("1 MiB"), std::string::npos);

  const Outcome full = run({"diff", "a.hs"}, "/dev/full");
  EXPECT_EQ(full.status, 2);
  EXPECT_NE(full.err.find("cannot write the output"), std::string::npos);

  const Outcome help = run({"diff", "a.hs", "--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("flexedit-cli diff A.hs [B.hs] [--json]"), std::string::npos);
}

}  // namespace
