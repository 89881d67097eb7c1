// SPDX-License-Identifier: GPL-3.0-or-later
// Loads and saves against the file system: refusals, what a save reaches through links, what a
// replaced file keeps, what is written in place, backups. Each check covers the editor and every
// entry of the scratch folder: a refused action changes nothing; no temporary file is ever left.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <csignal>
#include <cstring>
#include <functional>
#include <map>
#include <stdexcept>

#include "flex/system_calls.hpp"
#include "fuzz_support.hpp"  // the fake view and the state comparison the fuzz targets use

namespace {

using namespace flextest;
namespace fs = std::filesystem;
using flex::FileOutcome;
using Names = std::vector<std::string>;
using Entry = std::pair<std::string, std::string>;  // metadata; content or link target
using Fault = std::function<void(flex::SystemCalls&)>;
constexpr uid_t kNobody = 65534;
const std::string kIo = "errore di lettura o scrittura sul dispositivo";

// Kind and mode, owner, device number and extended attributes; the content or link target.
inline Entry describe(const std::string& p) {
  struct stat st {};
  if (::lstat(p.c_str(), &st) != 0) return {};
  std::string meta = std::to_string(st.st_mode) + " " + std::to_string(st.st_uid) + ":" +
                     std::to_string(st.st_gid) + " " + std::to_string(st.st_rdev);
  std::string names(4096, '\0'), value(4096, '\0');
  names.resize(std::max(0l, ::llistxattr(p.c_str(), names.data(), names.size())));
  for (const char* n = names.data(); n < names.data() + names.size(); n += std::strlen(n) + 1)
    meta += " " + std::string(n) + "=" +
            value.substr(0, std::max<ssize_t>(0, ::lgetxattr(p.c_str(), n, value.data(), 4096)));
  return {meta, S_ISLNK(st.st_mode)   ? fs::read_symlink(p).string()
                : S_ISREG(st.st_mode) ? readWhole(p)
                                      : ""};
}

// Makes the `nth` call (from 1; 0: every call) of one system call of the files module fail.
template <typename Signature>
void failCall(std::function<Signature>& call, int err, int nth = 0) {
  call = [real = call, err, nth, count = 0](auto... args) mutable {
    if (nth != 0 && ++count != nth) return real(args...);
    errno = err;
    return decltype(real(args...))(-1);
  };
}

class ScratchEditor : public ::testing::Test, protected flextest::ScratchFolder {
 protected:
  ScratchEditor() {
    std::signal(SIGPIPE, SIG_IGN);  // as both programs do
    editor.start();
    editor.clickOption(*flex::findOption("Check1(0)"));  // a flex unlike the built-in one
  }
  ~ScratchEditor() override {
    flex::systemCalls() = flex::realSystemCalls();
    std::error_code ec;
    fs::permissions(path("locked"), fs::perms::owner_all, ec);  // or it could not be removed
  }

  std::string saved() const {  // what a save writes
    const auto& slots = editor.document().records;
    return hsFile({slots[0], slots[1], slots[2]});
  }
  std::map<std::string, Entry> files() const {  // every entry of the folder
    std::map<std::string, Entry> out;
    for (const auto& entry : fs::recursive_directory_iterator(dir))
      out[entry.path()] = describe(entry.path());
    return out;
  }

  // Loads or saves `file`. Refused (`reason` given): one "Errore File" message naming the file
  // and the reason, the editor as it was. Done: no message. Either way each of `written` then
  // holds the flex and keeps its metadata; NAME~ of each of `backedUp` holds what NAME held; every
  // other entry is as it was (no temporary file left).
  void expect(bool saving, const std::string& file, const std::string& reason,
              const Names& written = {}, const Names& backedUp = {}) {
    SCOPED_TRACE(file);
    view.messages.clear();
    const auto before = flex::fuzz::snapshot(editor);
    auto expected = files();
    for (const auto& name : backedUp) expected[path(name) + "~"] = expected[path(name)];
    view.fileAnswer = file;
    const FileOutcome outcome = saving ? editor.saveWithDialog() : editor.openWithDialog();
    flex::systemCalls() = flex::realSystemCalls();
    auto after = files();
    for (const auto& name : written) {
      Entry& entry = expected[path(name)];
      entry = {entry.first.empty() ? after[path(name)].first : entry.first, saved()};
    }
    EXPECT_EQ(after, expected);
    EXPECT_EQ(editor.form().statusText, "File: " + file);
    EXPECT_EQ(outcome, reason.empty() ? FileOutcome::Done : FileOutcome::Failed);
    const std::string prompt = std::string(saving ? "Impossibile salvare" : "Impossibile aprire") +
                               " il file \"" + file + "\": " + reason;
    EXPECT_EQ(view.messages, (reason.empty() ? std::vector<Message>{}
                                             : std::vector<Message>{{prompt, "Errore File"}}));
    EXPECT_TRUE(reason.empty() || flex::fuzz::sameState(before, editor));
  }

  const std::string& dir = folder;
  flex::fuzz::FakeView view;
  flex::Editor editor{view};
};

using Saves = ScratchEditor;

// A file that may not be read, or only written (when a backup is due), a read-only file, a file
// in a folder nobody may write (nor NAME~ there) and a link to it. Run as nobody by root.
using Permissions = ScratchEditor;
TEST_F(Permissions, RefusedForAnOrdinaryUser) {
  if (::geteuid() == 0) GTEST_SKIP() << "root is not stopped by permission bits";
  const std::string denied = "permesso negato", unreadable = write("secret.hs", "old\r\n");
  fs::permissions(unreadable, fs::perms::owner_write);
  expect(false, unreadable, denied);
  editor.setKeepBackups(true);
  expect(true, unreadable, "la copia di sicurezza \"secret.hs~\" non si può scrivere: " + denied);
  fs::permissions(unreadable, fs::perms(0444));  // read-only
  expect(true, unreadable, denied);
  fs::create_directory(path("locked"));
  const std::string locked = write("locked/old.hs", "the old file\r\n");
  fs::permissions(path("locked"), fs::perms(0555));
  ASSERT_EQ(::symlink(locked.c_str(), path("link.hs").c_str()), 0);
  for (const std::string& file : {locked, path("link.hs")})
    expect(true, file, "la copia di sicurezza \"old.hs~\" non si può scrivere: " + denied);
  editor.setKeepBackups(false);
  expect(true, locked, denied);
}

void withoutUnnamedFiles(flex::SystemCalls& calls) {  // as on a file system without O_TMPFILE
  calls.openat = [real = calls.openat](int folder, const char* name, int flags, mode_t mode) {
    if ((flags & O_TMPFILE) != O_TMPFILE) return real(folder, name, flags, mode);
    errno = EOPNOTSUPP;
    return -1;
  };
}

// Links are followed to the end, however long their text; the file they reach is replaced.
TEST_F(Saves, ReachTheFileTheLinksName) {
  write("target.hs", "old\r\n");
  fs::create_symlink("target.hs", path("link.hs"));  // relative, as people make them
  fs::create_symlink(path("link.hs"), path("chain.hs"));
  fs::create_symlink("new.hs", path("dangling.hs"));
  fs::create_directory(path("sticky"));
  fs::permissions(path("sticky"), fs::perms(01777));
  fs::create_symlink("../target.hs", path("sticky/mine.hs"));  // the user's or (root) the folder's
  ASSERT_EQ(::geteuid() ? 0
                        : ::lchown(path("sticky/mine.hs").c_str(), kNobody, kNobody) |
                              ::chown(path("sticky").c_str(), kNobody, kNobody),
            0);
  // /proc/self/fd/N of a file whose path is longer than the 64 bytes such a link reports and
  // than a first guess; its first 64 bytes name another file. Then a path of 4095 bytes.
  const std::string decoy(std::max<std::ptrdiff_t>(1, 63 - std::ssize(dir)), 'd');
  write(decoy, "decoy\r\n");
  const int fd = ::open(write(decoy + std::string(200, 'e'), "old\r\n").c_str(), O_RDONLY);
  std::string deep = dir;
  while (4094 - deep.size() > 255)
    fs::create_directory(deep += "/" + std::string(std::min(200ul, 3993 - deep.size()), 'f'));
  std::ofstream(deep += "/" + std::string(4094 - deep.size(), 'n')) << "old\r\n";
  const struct {
    std::string file, written;
  } cases[] = {{path("link.hs"), "target.hs"},
               {path("chain.hs"), "target.hs"},
               {path("dangling.hs"), "new.hs"},
               {path("sticky/mine.hs"), "target.hs"},
               {flex::descriptorPath(fd), decoy + std::string(200, 'e')},
               {deep, deep.substr(dir.size() + 1)}};
  for (const auto& c : cases) expect(true, c.file, "", {c.written});
  EXPECT_EQ(readWhole(flex::descriptorPath(fd)), "old\r\n");  // replaced, not written in place
  for (const char* name : {"target.hs", "fresh.hs"}) {        // a named temporary file, gone again
    withoutUnnamedFiles(flex::systemCalls());
    expect(true, path(name), "", {name});
  }
}

// A link to what no path names (as in /proc/self/fd) is written through the link itself.
TEST_F(Saves, ThroughLinksToPipesAndDeletedFiles) {
  int ends[2];
  ASSERT_EQ(::pipe(ends), 0);
  const int gone = ::open(write("gone.hs", "old\r\n").c_str(), O_RDWR);
  fs::remove(path("gone.hs"));
  expect(true, flex::descriptorPath(ends[1]), "");
  expect(true, flex::descriptorPath(gone), "");  // and no file "gone.hs (deleted)"
  char got[4096];
  EXPECT_EQ(std::string(got, std::max(0l, ::read(ends[0], got, sizeof got))), saved());
  EXPECT_EQ(readWhole(flex::descriptorPath(gone)), saved());
  // The reader goes once the pipe is open for writing: a broken pipe is a write error.
  auto& openat = flex::systemCalls().openat;
  openat = [real = openat, reader = ends[0]](int at, const char* p, int f, mode_t m) mutable {
    const int fd = real(at, p, f, m);
    if (f & O_WRONLY) ::close(std::exchange(reader, -1));
    return fd;
  };
  expect(true, flex::descriptorPath(ends[1]), "chi leggeva ha chiuso il canale");
}

// A replaced file keeps its mode, owner, access list and attributes (not those the folder gives
// new files). Where a new file cannot carry them, NAME~ is written first and the file is written
// in place, keeping its names and metadata.
TEST_F(Saves, AReplacedFileKeepsItsMetadataOrIsWrittenInPlace) {
  const std::string file = write("old.hs", "old\r\n"), longest(255, 'n');
  write(longest, "");
  // user::rw- user:nobody:r-- group::r-- mask::r-- other::---
  const std::string acl(
      "\2\0\0\0\1\0\6\0\xff\xff\xff\xff\2\0\4\0\xfe\xff\0\0\4\0\4\0\xff\xff\xff"
      "\xff\x10\0\4\0\xff\xff\xff\xff\x20\0\0\0\xff\xff\xff\xff",
      44);
  const std::tuple<std::string, const char*, std::string> attributes[] = {
      {file, "system.posix_acl_access", acl},
      {file, "user.flexedit", "tag"},
      {dir, "system.posix_acl_default", acl}};
  for (const auto& [at, name, value] : attributes)
    if (::setxattr(at.c_str(), name, value.data(), value.size(), 0) != 0)
      GTEST_SKIP() << "cannot set " << name << " here: " << std::strerror(errno);
  ASSERT_TRUE(::geteuid() != 0 || ::chown(file.c_str(), kNobody, kNobody) == 0);
  expect(true, file, "", {"old.hs"});
  expect(true, path(longest), "", {longest});
  std::vector<Fault> faults = {
      // the first call fails, the replacing file's
      [](auto& c) { failCall(c.fsetxattr, EPERM, 1); },  // an attribute that cannot be set
      [](auto& c) { failCall(c.renameat, EBUSY, 1); },   // a mount point
      [](auto& c) { failCall(c.renameat, EXDEV, 1); }};  // another file system
  if (::geteuid() == 0) faults.push_back([](auto& c) { failCall(c.fchown, EPERM, 1); });
  for (const Fault& fault : faults) {
    fault(flex::systemCalls());
    expect(true, file, "", {"old.hs"}, {"old.hs"});
    editor.clickOption(*flex::findOption("Check1(1)"));
  }
  fs::create_hard_link(file, path("other.hs"));  // a file with two names
  expect(true, file, "", {"old.hs", "other.hs"}, {"old.hs"});
}

// An ordinary user writes another user's file in place after NAME~ (robustness-unprivileged
// makes one of root's); root gives the replacing file the owner (above).
TEST_F(Permissions, AnotherUsersFileIsWrittenInPlace) {
  const char* theirs = std::getenv("FLEXEDIT_FOREIGN_FILE");
  if (theirs == nullptr) GTEST_SKIP() << "no file of another user (FLEXEDIT_FOREIGN_FILE)";
  const Entry before = describe(theirs);
  view.fileAnswer = theirs;
  EXPECT_EQ(editor.saveWithDialog(), FileOutcome::Done);
  EXPECT_EQ(describe(theirs), Entry(before.first, saved()));
  EXPECT_EQ(describe(std::string(theirs) + "~").second, before.second);
}

TEST_F(Saves, ABindMountedFileIsWrittenInPlace) {
  const std::string file = write("old.hs", "old\r\n"), source = write("source.hs", "bound\r\n");
  if (::unshare(CLONE_NEWNS) || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) ||
      ::mount(source.c_str(), file.c_str(), nullptr, MS_BIND, nullptr))
    GTEST_SKIP() << "no bind mount here: " << std::strerror(errno);
  expect(true, file, "", {"old.hs", "source.hs"}, {"old.hs"});
  ::umount2(file.c_str(), MNT_DETACH);
}

// NAME~ keeps what a file held before this session first saved it, with its mode; a save whose
// backup cannot be written replaces nothing.
TEST_F(Saves, BackupsKeepWhatTheFileHeldBeforeTheSession) {
  editor.setKeepBackups(true);
  const std::string file = write("old.hs", "old\r\n");
  expect(true, file, "", {"old.hs"}, {"old.hs"});
  editor.clickOption(*flex::findOption("Check1(1)"));
  expect(true, file, "", {"old.hs"});
  for (int k = 0; k < 2; ++k) expect(true, path("new.hs"), "", {"new.hs"});  // none, ever
  FakeView laterView;
  flex::Editor later(laterView);  // the next session
  later.start();
  later.setKeepBackups(true);
  laterView.fileAnswer = file;
  write(".old.hs.flexedit-saving", "left by a save killed before its last step\r\n");
  EXPECT_EQ(later.saveWithDialog(), FileOutcome::Done);
  EXPECT_EQ(describe(file + "~"), Entry(describe(file).first, saved()));
  EXPECT_FALSE(fs::exists(path(".old.hs.flexedit-saving")));  // the next save removes it
  fs::create_directories(path("blocked.hs~/inside"));
  expect(true, write("blocked.hs", "old\r\n"),
         "la copia di sicurezza \"blocked.hs~\" non si può scrivere: è una cartella");
}

// What a save writes is on the disk before a name leads to it, and the new name after.
TEST_F(Saves, TheContentIsOnTheDiskBeforeItsName) {
  std::string calls;
  auto& c = flex::systemCalls();
  c.fsync = [&calls, real = c.fsync](int fd) { return calls += 'f', real(fd); };
  c.linkat = [&calls, real = c.linkat](auto... a) { return calls += 'n', real(a...); };
  c.renameat = [&calls, real = c.renameat](auto... a) { return calls += 'n', real(a...); };
  expect(true, write("old.hs", "old\r\n"), "", {"old.hs"});
  EXPECT_TRUE(calls.starts_with("fn") && calls.ends_with("nf")) << calls;
}

TEST_F(Saves, RefusedLoadsAndSavesChangeNothing) {
  fs::create_directory(path("folder.hs"));
  ASSERT_EQ(::mkfifo(path("pipe.hs").c_str(), 0600), 0);  // no reader, no writer: no waiting
  const std::string old = write("old.hs", "the old file\r\n"), base(flex::builtin::kBase);
  editor.editRaw(0, withByte(base, 179, "F5"));  // a readback run by mistake would tick an option
  for (const bool saving : {false, true}) {
    expect(saving, path("missing/out.hs"), "il file o la cartella non esiste");
    expect(saving, path("folder.hs"), "è una cartella");
  }
  expect(false, write("big.hs", std::string(flex::kMaxFileSize + 1, 'F')), "il file supera 1 MiB");
  expect(false, path("pipe.hs"), "non è un file normale");
  expect(true, path("pipe.hs"), "nessun processo legge dal dispositivo");
  failCall(flex::systemCalls().read, EIO);  // a failed read is no end of file
  expect(false, old, kIo);
  const struct {
    Fault fault;
    std::string reason;
    bool backup = false;
  } faults[] = {{[](auto& c) { failCall(c.write, ENOSPC); }, "spazio esaurito sul disco"},
                {[](auto& c) { failCall(c.fsync, EIO); }, kIo},
                {[](auto& c) { failCall(c.linkat, EDQUOT); }, "quota del disco esaurita"},
                {[](auto& c) { failCall(c.renameat, EACCES); }, "permesso negato"},
                {[](auto& c) { withoutUnnamedFiles(c), failCall(c.renameat, EROFS); },
                 "il disco è in sola lettura"},
                {[](auto& c) { failCall(c.openat, 200); }, "errore di sistema 200"},
                {[](auto& c) { failCall(c.read, EIO); },
                 "la copia di sicurezza \"old.hs~\" non si può scrivere: " + kIo, true}};
  for (const auto& f : faults) {
    editor.setKeepBackups(f.backup);
    f.fault(flex::systemCalls());
    expect(true, old, f.reason);
  }
  fs::create_hard_link(old, path("other.hs"));  // in place, failed half-way: put back from NAME~
  failCall(flex::systemCalls().ftruncate, EIO, 1);
  expect(true, old, kIo, {}, {"old.hs"});
  // A device that takes no data; as root a copy made here, never the system's own.
  const std::string full = ::geteuid() == 0 ? path("full") : "/dev/full";
  if (full == "/dev/full" || ::mknod(full.c_str(), S_IFCHR | 0666, ::makedev(1, 7)) == 0) {
    fs::create_symlink(full, path("full.hs"));
    for (const std::string& file : {full, path("full.hs")})
      expect(true, file, "spazio esaurito sul disco");
  }
  if (::geteuid() == 0) {  // a link of another user in a sticky folder everyone may write
    fs::create_directory(path("sticky"));
    fs::permissions(path("sticky"), fs::perms(01777));
    fs::create_symlink(old, path("sticky/theirs.hs"));
    ASSERT_EQ(::lchown(path("sticky/theirs.hs").c_str(), kNobody, kNobody), 0);
    expect(true, path("sticky/theirs.hs"), "permesso negato");
  }
  editor.editRaw(0, std::string(flex::kMaxFileSize, 'F'));  // never a file too large to load
  expect(true, old, "il file supera 1 MiB");
}

}  // namespace
