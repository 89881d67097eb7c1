#include "fuzz_support.hpp"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "files/flex_file.hpp"
#include "model/builtin_records.hpp"
#include "model/hex_format.hpp"
#include "model/label_encoding.hpp"
#include "options/option_rules.hpp"

namespace flex::fuzz {
namespace {

std::string makeScratchDir() {
  std::string base = "/dev/shm";
  struct stat st {};
  if (::stat(base.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || ::access(base.c_str(), W_OK) != 0) {
    const char* tmp = std::getenv("TMPDIR");
    base = tmp && *tmp ? tmp : "/tmp";
  }
  std::string templ = base + "/flexedit-fuzz-XXXXXX";
  if (!::mkdtemp(templ.data())) {
    std::perror("mkdtemp");
    std::abort();
  }
  return templ;
}

struct ScratchDir {
  std::string path = makeScratchDir();
  ~ScratchDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
  }
};

bool isHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'); }

std::string hexPair(int value) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  return {kHex[(value >> 4) & 0x0F], kHex[value & 0x0F]};
}

std::string show(std::string_view text) {
  std::string out;
  for (unsigned char c : text.substr(0, 300)) {
    if (c >= 0x20 && c < 0x7F) {
      out += static_cast<char>(c);
    } else {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\x%02X", c);
      out += buf;
    }
  }
  if (text.size() > 300) out += "...";
  return out;
}

const std::string& workingCopy(const EditorState& s, RecordKind kind) {
  return kind == RecordKind::Call ? s.FlexCall : s.FlexBase;
}

}  // namespace

int pairValue(std::string_view record, std::size_t position) {
  if (position < 1 || position + 1 > record.size()) return -1;
  const char hi = record[position - 1];
  const char lo = record[position];
  if (!isHexDigit(hi) || !isHexDigit(lo)) return -1;
  auto digit = [](char c) { return c <= '9' ? c - '0' : c - 'A' + 10; };
  return digit(hi) * 16 + digit(lo);
}

std::vector<std::string> fileLines(std::string_view content) {
  std::vector<std::string> lines;
  std::string line;
  bool open = false;  // a line has started and not ended
  for (std::size_t i = 0; i < content.size(); ++i) {
    if (content[i] == '\r') {
      lines.push_back(line);
      line.clear();
      open = false;
      if (i + 1 < content.size() && content[i + 1] == '\n') ++i;
    } else {
      line += content[i];
      open = true;
    }
  }
  if (open) lines.push_back(line);
  return lines;
}

void fail(const char* file, int line, const char* what, const std::string& detail) {
  std::fprintf(stderr, "\n*** invariant broken at %s:%d: %s\n    %s\n", file, line, what,
               detail.c_str());
  std::abort();
}

const std::string& scratchDir() {
  static const ScratchDir dir;
  return dir.path;
}

std::string scratchPath(std::string_view name) { return scratchDir() + "/" + std::string(name); }

std::string writeScratch(std::string_view name, std::string_view content) {
  const std::string path = scratchPath(name);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(content.data(), static_cast<std::streamsize>(content.size()));
  out.close();
  FUZZ_CHECK(out.good(), "cannot write scratch file " + path);
  return path;
}

std::string readWhole(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  FUZZ_CHECK(in.good(), "cannot read " + path);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

const std::string& oversizedFile() {
  static const std::string path = [] {
    const std::string p = writeScratch("oversized.hs", {});
    FUZZ_CHECK(::truncate(p.c_str(), static_cast<off_t>(kMaxFileSize + 1)) == 0,
               "cannot grow " + p);
    return p;
  }();
  return path;
}

const std::string& folderPath() {
  static const std::string path = [] {
    const std::string p = scratchPath("folder.hs");
    ::mkdir(p.c_str(), 0700);
    return p;
  }();
  return path;
}

const std::string& missingPath() {
  static const std::string path = scratchPath("no-such-folder/missing.hs");
  return path;
}

std::string FakeView::pop(std::deque<std::string>& names) {
  if (names.empty()) return {};
  std::string name = std::move(names.front());
  names.pop_front();
  return name;
}

FileOutcome load(Editor& editor, FakeView& view, const std::string& path) {
  view.openNames.assign(1, path);
  return editor.mnuApri_Click();
}

FileOutcome save(Editor& editor, FakeView& view, const std::string& path) {
  view.saveNames.assign(1, path);
  return editor.mnuSalva_Click();
}

bool sameState(const EditorState& a, const EditorState& b) {
  auto sameBoxes = [](const EditorState& x, const EditorState& y) {
    for (std::size_t i = 0; i < kOptionCount; ++i)
      if (x.boxes[i].Value != y.boxes[i].Value || x.boxes[i].flag != y.boxes[i].flag)
        return false;
    return true;
  };
  return a.txtpreview == b.txtpreview && a.formatted == b.formatted &&
         a.FlexBase == b.FlexBase && a.FlexCall == b.FlexCall && a.FlexGprs == b.FlexGprs &&
         a.FlexGprsNull == b.FlexGprsNull && a.FlexGprsPersonale == b.FlexGprsPersonale &&
         a.ModificheAttive == b.ModificheAttive && sameBoxes(a, b) &&
         a.CheckFormattazioneTesto.Value == b.CheckFormattazioneTesto.Value &&
         a.CheckFormattazioneTesto.flag == b.CheckFormattazioneTesto.flag &&
         a.formattedViewVisible == b.formattedViewVisible && a.selectedTab == b.selectedTab &&
         a.frmPagina1Visible == b.frmPagina1Visible &&
         a.frmPagina2Visible == b.frmPagina2Visible && a.labelDialogOpen == b.labelDialogOpen &&
         a.txt1 == b.txt1 && a.fileName == b.fileName && a.baseline == b.baseline;
}

void checkBetweenActions(const EditorState& s) {
  FUZZ_CHECK(s.ModificheAttive, "ModificheAttive is False after an action");
  for (std::size_t row = 0; row < kOptionCount; ++row) {
    const auto& box = s.boxes[row];
    FUZZ_CHECK(box.Value == 0 || box.Value == 1, std::string(optionCatalog()[row].id));
    FUZZ_CHECK(box.flag == (box.Value == 1),
               "toggle flag differs from the box: " + std::string(optionCatalog()[row].id));
  }
  FUZZ_CHECK(s.CheckFormattazioneTesto.flag == (s.CheckFormattazioneTesto.Value == 1),
             "Formattazione Testo flag differs from the box");
  static const std::size_t nullRow = *findOption(1, 3);
  static const std::size_t personalRow = *findOption(1, 5);
  FUZZ_CHECK(!(s.boxes[nullRow].Value && s.boxes[personalRow].Value),
             "GPRS Null and GPRS Personale both ticked");
  for (std::size_t slot = 0; slot < 3; ++slot)
    FUZZ_CHECK(s.formatted[slot] == formattedView(s.txtpreview[slot]),
               "formatted box " + std::to_string(slot) + " does not follow its preview");
  FUZZ_CHECK(s.txt1.size() <= kLabelMaxLength, "label text longer than 12: " + show(s.txt1));
  FUZZ_CHECK(s.labelDialogOpen || s.txt1.empty(), "closed dialog keeps a text");
  FUZZ_CHECK(s.FlexGprs == builtin::kGprs, "FlexGprs changed: " + show(s.FlexGprs));
  FUZZ_CHECK(s.FlexGprsNull == builtin::kGprsNull, "FlexGprsNull changed");
  if (!s.FlexGprsPersonale.empty()) {
    FUZZ_CHECK(s.FlexGprsPersonale.size() == builtin::kLabelTemplate.size(),
               "personal label record changed length: " + show(s.FlexGprsPersonale));
    for (std::size_t i = 0; i < s.FlexGprsPersonale.size(); ++i) {
      const bool labelDigit = i >= 46 && i < 92 && (i - 46) % 4 < 2;
      if (!labelDigit)
        FUZZ_CHECK(s.FlexGprsPersonale[i] == builtin::kLabelTemplate[i],
                   "personal label record changed outside its cells at " + std::to_string(i + 1));
      else
        FUZZ_CHECK(isHexDigit(s.FlexGprsPersonale[i]),
                   "personal label cell is not hex: " + show(s.FlexGprsPersonale));
    }
  }
}

void checkRefusedLoad(const EditorState& before, const EditorState& after,
                      const FakeView& view, std::size_t messagesBefore, const std::string& path,
                      FileOutcome outcome) {
  FUZZ_CHECK(outcome == FileOutcome::Failed, "refused load not reported as failed: " + path);
  FUZZ_CHECK(view.messages.size() == messagesBefore + 1,
             "refused load shows " + std::to_string(view.messages.size() - messagesBefore) +
                 " messages: " + path);
  const Message& m = view.messages.back();
  FUZZ_CHECK(m.title == kFileErrorTitle, m.title);
  FUZZ_CHECK(m.prompt.rfind("Impossibile aprire il file", 0) == 0, m.prompt);
  FUZZ_CHECK(m.prompt.find(path) != std::string::npos, "message does not name the file");
  FUZZ_CHECK(after.statusText == "File: " + path, after.statusText);
  FUZZ_CHECK(sameState(before, after), "refused load changed the editor: " + path);
}

std::string expectedByte(const OptionDef& option, bool ticked, std::string_view before) {
  const int value = pairValue(before, 1);
  if (value < 0) return std::string(before);
  if (option.action == ActionKind::WholeByte)
    return std::string(ticked ? option.tickedByte : option.clearedByte);
  const int write = ticked ? option.tickedWrites : option.clearedWrites;
  int result = value;
  for (int i = 0; i < option.bitCount; ++i) {
    const int mask = 1 << (option.bits[static_cast<std::size_t>(i)] - 1);
    result = write ? (result | mask) : (result & ~mask);
  }
  return hexPair(result);
}

void checkClick(std::size_t row, const EditorState& before, const EditorState& after) {
  const OptionDef& option = optionCatalog()[row];
  const bool edits = option.action == ActionKind::Bits || option.action == ActionKind::WholeByte;
  FUZZ_CHECK(after.txtpreview[0] == after.FlexBase, "slot 0 not refreshed after a click");
  if (groupDef(option.group).refreshCall)
    FUZZ_CHECK(after.txtpreview[1] == after.FlexCall, "slot 1 not refreshed after a click");

  for (RecordKind kind : {RecordKind::Base, RecordKind::Call}) {
    const std::string& was = workingCopy(before, kind);
    const std::string& now = workingCopy(after, kind);
    const std::string name(recordName(kind));
    FUZZ_CHECK(now.size() == was.size(), name + " changed length on a click of " +
                                             std::string(option.id));
    FUZZ_CHECK(now.compare(0, kHeaderLength, was, 0, kHeaderLength) == 0,
               name + " header changed on a click of " + std::string(option.id));
    const bool own = edits && option.record == kind;
    const std::size_t at = own ? option.position - 1 : now.size();  // 0-based first digit
    if (now.size() >= 4 && (!own || at + 2 <= now.size() - 4))
      FUZZ_CHECK(now.compare(now.size() - 4, 4, was, was.size() - 4, 4) == 0,
                 name + " trailing word changed on a click of " + std::string(option.id));
    for (std::size_t i = 0; i < now.size(); ++i)
      if (!(own && (i == at || i == at + 1)))
        FUZZ_CHECK(now[i] == was[i], name + " character " + std::to_string(i + 1) +
                                         " changed on a click of " + std::string(option.id));
  }
  if (!edits) return;

  const bool ticked = after.boxes[row].flag;
  FUZZ_CHECK(ticked != before.boxes[row].flag, "click did not invert the toggle flag");
  const std::string& was = workingCopy(before, option.record);
  const std::string& now = workingCopy(after, option.record);
  const std::size_t at = option.position - 1;
  if (at + 2 > was.size()) return;  // beyond the record: the length check above covers it
  const std::string_view pairBefore = std::string_view(was).substr(at, 2);
  const std::string_view pairAfter = std::string_view(now).substr(at, 2);
  const std::string expected = expectedByte(option, ticked, pairBefore);
  FUZZ_CHECK(pairAfter == expected,
             std::string(option.id) + (ticked ? " ticked" : " cleared") + " made " +
                 show(pairBefore) + " into " + show(pairAfter) + ", expected " + expected);
  if (pairValue(was, option.position) >= 0)
    FUZZ_CHECK(pairValue(now, option.position) >= 0, "an option wrote a non-hex byte");
}

void checkSavedFile(const std::string& path, const EditorState& s) {
  const std::string content = readWhole(path);
  std::vector<std::string> expected;
  for (const auto& slot : s.txtpreview)
    if (!slot.empty()) expected.push_back(slot);
  std::string lines;
  for (const auto& record : expected) lines += record + "\r\n";
  FUZZ_CHECK(content == lines, "saved file differs from the previews");
  // Read back as a load reads it: the same records, in slot order, nothing more.
  const FileResult file = readFlexFile(path);
  FUZZ_CHECK(file.ok, "saved file cannot be read back: " + file.reason);
  FUZZ_CHECK(file.content == content, "reading the saved file gives other bytes");
  bool lossless = true;
  for (const auto& record : expected)
    if (record.find('\r') != std::string::npos) lossless = false;  // a CR splits a record
  if (lossless)
    FUZZ_CHECK(fileLines(content) == expected,
               "saved file does not load back to the same records");
}

}  // namespace flex::fuzz
