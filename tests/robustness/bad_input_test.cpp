// Files the editor cannot read or write, and files full of what a flex never holds. A refused load
// or save shows one message naming the file and changes nothing: no slot, no file, no link, no
// device, no temporary file left behind. Whatever can be read is taken in byte for byte.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <map>
#include <stdexcept>

#include "fuzz_support.hpp"  // the fake view and the state comparison the fuzz targets use

namespace {

namespace fs = std::filesystem;
using flex::FileOutcome;
using flextest::hsFile;
const std::string kBase(flex::builtin::kBase), kCall(flex::builtin::kCall),
    kGprs(flex::builtin::kGprs), kNull(flex::builtin::kGprsNull);

std::string lower(std::string s) {
  for (char& c : s) c = c >= 'A' && c <= 'F' ? static_cast<char>(c + 32) : c;
  return s;
}

class BadInput : public ::testing::Test {
 protected:
  BadInput() {
    editor.start();
    editor.clickOption(*flex::findOption("Check1(0)"));  // a flex unlike the built-in one
  }
  ~BadInput() override {
    std::error_code ec;
    fs::permissions(path("locked"), fs::perms::owner_all, ec);  // or it could not be removed
    fs::remove_all(dir, ec);
  }

  std::string path(std::string_view name) const { return dir + "/" + std::string(name); }
  std::string write(std::string_view name, std::string_view content) const {
    std::ofstream(path(name), std::ios::binary) << content;
    return path(name);
  }
  std::string lockedFolder() const {  // "locked/old.hs" in a folder nobody may write
    fs::create_directory(path("locked"));
    write("locked/old.hs", "the old file\r\n");
    fs::permissions(path("locked"), fs::perms(0555));
    return path("locked/old.hs");
  }
  // A device that takes no data: as root a copy of "full" made here, so that a faulty save could
  // never harm the system's own; else /dev/full, which an ordinary user cannot replace.
  std::string fullDevice() {
    if (::geteuid() != 0) return device = "/dev/full";
    const std::string copy = path("full");
    return ::mknod(copy.c_str(), S_IFCHR | 0666, ::makedev(1, 7)) == 0 ? device = copy : "";
  }

  // Every entry under the scratch folder and the device in use: kind, mode, device number, and
  // the content or link target.
  std::map<std::string, std::string> files() const {
    std::map<std::string, std::string> out;
    std::vector<std::string> paths = {device};
    for (const auto& entry : fs::recursive_directory_iterator(dir)) paths.push_back(entry.path());
    for (const auto& p : paths) {
      struct stat st {};
      if (p.empty() || ::lstat(p.c_str(), &st) != 0) continue;
      out[p] = std::to_string(st.st_mode) + " " + std::to_string(st.st_rdev) + " " +
               (S_ISLNK(st.st_mode)   ? fs::read_symlink(p).string()
                : S_ISREG(st.st_mode) ? flex::fuzz::readWhole(p)
                                      : "");
    }
    return out;
  }

  // A refused load or save: one "Errore File" message whose prompt begins with the action, names
  // the file and `reason`; the status bar shows the path; the editor and every file as they were.
  void expectRefused(bool saving, const std::string& file, std::string_view reason) {
    SCOPED_TRACE(file);
    view.messages.clear();
    const flex::EditorState before = editor.state();
    const auto filesBefore = files();
    view.fileAnswer = file;
    rlimit was{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &was), 0);
    const rlimit lowered{std::min(sizeLimit, was.rlim_cur), was.rlim_max};
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &lowered), 0);
    const FileOutcome outcome = saving ? editor.saveWithDialog() : editor.openWithDialog();
    ::setrlimit(RLIMIT_FSIZE, &was);  // before any output: the log may be a file
    EXPECT_EQ(outcome, FileOutcome::Failed);
    ASSERT_EQ(view.messages.size(), 1u);
    const auto& [prompt, title] = view.messages[0];
    EXPECT_EQ(title, flex::kFileErrorTitle);
    EXPECT_TRUE(
        prompt.starts_with(saving ? "Impossibile salvare il file" : "Impossibile aprire il file"))
        << prompt;
    EXPECT_NE(prompt.find(file), std::string::npos) << prompt;
    EXPECT_NE(prompt.find(reason), std::string::npos) << prompt;
    EXPECT_EQ(editor.state().statusText, "File: " + file);
    EXPECT_TRUE(flex::fuzz::sameState(before, editor.state()));
    EXPECT_EQ(files(), filesBefore);
  }

  std::string dir = [] {
    std::string pattern = (fs::temp_directory_path() / "flexedit-bad-input-XXXXXX").string();
    return ::mkdtemp(pattern.data()) ? pattern : throw std::runtime_error("mkdtemp failed");
  }();
  std::string device;
  rlim_t sizeLimit = RLIM_INFINITY;  // the largest file the action may write
  flex::fuzz::FakeView view;
  flex::Editor editor{view};
};

// Permission bits do not stop root: as root these run again as "nobody" (robustness-unprivileged).
class Permissions : public BadInput {
 protected:
  void SetUp() override {
    if (::geteuid() == 0)
      GTEST_SKIP() << "root is not stopped by permission bits; the "
                      "robustness-unprivileged test runs this as nobody";
  }
};

TEST_F(BadInput, FilesThatCannotBeReadAreRefused) {
  fs::create_directory(path("folder.hs"));
  ASSERT_EQ(::mkfifo(path("pipe.hs").c_str(), 0600), 0);  // no writer: a read must not wait
  editor.editRaw(0, lower(kBase));  // which a readback run by mistake would act on
  expectRefused(false, path("missing.hs"), "non esiste");
  expectRefused(false, path("folder.hs"), "cartella");
  expectRefused(false, write("big.hs", std::string(flex::kMaxFileSize + 1, 'F')), "1 MiB");
  expectRefused(false, path("pipe.hs"), "non è un file normale");
  expectRefused(false, "/dev/zero", "non è un file normale");
}

TEST_F(Permissions, RefusedForAnOrdinaryUser) {
  const std::string unreadable = write("secret.hs", hsFile({kBase, kCall, kGprs}));
  fs::permissions(unreadable, fs::perms::owner_write);
  expectRefused(false, unreadable, "permesso negato");
  const std::string readOnly = write("read-only.hs", "the old file\r\n");
  fs::permissions(readOnly, fs::perms(0444));
  expectRefused(true, readOnly, "permesso negato");
  const std::string locked = lockedFolder();
  expectRefused(true, locked, "permesso negato");
  ASSERT_EQ(::symlink(locked.c_str(), path("link.hs").c_str()), 0);
  expectRefused(true, path("link.hs"), "permesso negato");
}

// Odd content, read as it stands. Slot 2 holds the empty label record by a hand edit before each
// load, which the readback reads as "GPRS Null" ticked: this shows that the readback ran.
TEST_F(BadInput, OddContentIsTakenInByteForByte) {
  std::string nul = kBase, undefined = kBase, spaced;
  nul[10] = nul[180] = '\0';                          // 180: inside the "Menu Engineering" byte
  undefined.replace(180, 5, "\x81\x8D\x8F\x90\x9D");  // undefined in Windows-1252
  for (std::size_t i = 0; i < kBase.size(); i += 2) spaced += (i ? " " : "") + kBase.substr(i, 2);
  const std::string utf8 = "Citt\xC3\xA0 \xE2\x82\xAC 3G";  // "Città € 3G"
  const std::string mib = lower(kBase) + std::string(flex::kMaxFileSize - kBase.size(), '0');
  const struct {
    const char* name;
    std::string content;
    std::array<std::string, 3> recordSlots;
  } cases[] = {
      {"a line of 1 MiB", mib, {mib, kCall, kNull}},
      {"NUL bytes", hsFile({nul, std::string(4, '\0')}), {nul, std::string(4, '\0'), kNull}},
      {"undefined bytes", hsFile({undefined}), {undefined, kCall, kNull}},
      {"UTF-8", hsFile({utf8, kCall, utf8}), {utf8, kCall, utf8}},
      {"lower case",
       hsFile({lower(kBase), lower(kCall), lower(kGprs)}),
       {lower(kBase), lower(kCall), lower(kGprs)}},
      {"blanks", hsFile({spaced}), {spaced, kCall, kNull}},
      {"CR only", kBase + "\r" + kCall + "\r" + kGprs + "\r", {kBase, kCall, kGprs}},
      {"LF only", kBase + "\n" + kCall + "\n", {kBase + "\n" + kCall + "\n", kCall, kNull}},
      {"mixed ends", kBase + "\r\n" + kCall + "\r" + kGprs + "\n", {kBase, kCall, kGprs + "\n"}},
      {"more lines", hsFile({kBase, kCall, kGprs, "FFFF", "", "x"}), {kBase, kCall, kGprs}},
      {"no last line end", kBase + "\r\n" + kCall, {kBase, kCall, kNull}},
      {"empty lines", "\r\n\r\n", {"", "", kNull}},
      {"empty file", "", {kBase, kCall, kNull}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    editor.loadBuiltinFlex();
    editor.editRaw(2, kNull);
    view.fileAnswer = write("odd.hs", c.content);
    ASSERT_EQ(editor.openWithDialog(), FileOutcome::Done);
    EXPECT_TRUE(view.messages.empty());
    EXPECT_EQ(editor.state().baseline, c.recordSlots) << "as loaded";
    EXPECT_EQ(editor.state().recordSlots, c.recordSlots) << "after the readback";
    EXPECT_EQ(editor.state().boxes[*flex::findOption("Check1(3)")].state, c.recordSlots[2] == kNull);
  }
}

TEST_F(BadInput, SavesThatCannotBeWrittenAreRefused) {
  fs::create_directory(path("folder.hs"));
  ASSERT_EQ(::mkfifo(path("pipe.hs").c_str(), 0600), 0);
  expectRefused(true, path("missing/out.hs"), "non esiste");
  expectRefused(true, path("folder.hs"), "cartella");
  expectRefused(true, path("pipe.hs"), "nessun processo legge");  // and the save does not wait
  // A write that stops half-way (a limit on file size): the old file is kept, nothing left over.
  std::signal(SIGXFSZ, SIG_IGN);  // the write fails with EFBIG instead
  sizeLimit = 100;
  expectRefused(true, write("old.hs", "the old file\r\n"), "");
}

TEST_F(BadInput, SavesOntoADeviceThatTakesNoDataAreRefused) {
  const std::string full = fullDevice();
  if (full.empty()) GTEST_SKIP() << "this root may not make device nodes";
  ASSERT_EQ(::symlink(full.c_str(), path("link.hs").c_str()), 0);
  expectRefused(true, full, "spazio esaurito");
  expectRefused(true, path("link.hs"), "spazio esaurito");
}

// A link is followed: its target is replaced as a whole (a hard link to the old file still sees
// the old content) and keeps its permission bits; the link stays; nothing else is left.
TEST_F(BadInput, SaveThroughALinkReplacesItsTarget) {
  const std::string target = write("target.hs", "the old file\r\n");
  fs::permissions(target, fs::perms(0640));
  fs::create_hard_link(target, path("old.hs"));
  fs::create_symlink("target.hs", path("link.hs"));  // relative, as people make them
  view.fileAnswer = path("link.hs");
  ASSERT_EQ(editor.saveWithDialog(), FileOutcome::Done);
  EXPECT_TRUE(view.messages.empty());
  EXPECT_EQ(fs::read_symlink(path("link.hs")), "target.hs");
  const auto& recordSlots = editor.state().recordSlots;
  EXPECT_EQ(flex::fuzz::readWhole(target), hsFile({recordSlots[0], recordSlots[1], recordSlots[2]}));
  EXPECT_EQ(flex::fuzz::readWhole(path("old.hs")), "the old file\r\n") << "written in place";
  EXPECT_EQ(fs::status(target).permissions(), fs::perms(0640));
  EXPECT_EQ(files().size(), 3u) << "a temporary file was left";
}

}  // namespace
