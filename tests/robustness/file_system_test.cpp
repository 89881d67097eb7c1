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

#include "flex/fd.hpp"
#include "flex/file_context.hpp"
#include "fuzz_support.hpp"  // the fake view and the state comparison the fuzz targets use

namespace {

using namespace flextest;
namespace fs = std::filesystem;
using flex::FileError;
using flex::FileOutcome;
using flex::FileStep;
using Names = std::vector<std::string>;
using Entry = std::pair<std::string, std::string>;  // metadata; content or link target
using Calls = flex::SystemCalls;
using Fault = std::function<void(Calls&)>;
constexpr uid_t kNobody = 65534;

// A step that failed for a system error; NAME~ the step concerns.
FileError failed(FileStep step, int err, std::string copy = {}) {
  return {step, flex::FileReason::SystemError, err, std::move(copy)};
}
FileError refused(FileStep step, flex::FileReason reason) { return {step, reason, 0, {}}; }

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

// Makes the `nth` call (from 1; 0: every call) of one system call fail.
template <typename Signature>
Fault fails(std::function<Signature> Calls::*call, int err, int nth = 0) {
  return [=](flex::SystemCalls& calls) {
    calls.*call = [real = calls.*call, err, nth, count = 0](auto... args) mutable {
      if (nth != 0 && ++count != nth) return real(args...);
      errno = err;
      return decltype(real(args...))(-1);
    };
  };
}

void withoutUnnamedFiles(flex::SystemCalls& calls) {  // as on a file system without O_TMPFILE
  calls.openat = [real = calls.openat](int folder, const char* name, int flags, mode_t mode) {
    if ((flags & O_TMPFILE) != O_TMPFILE) return real(folder, name, flags, mode);
    errno = EOPNOTSUPP;
    return -1;
  };
}

// One load or save and what it must leave.
struct Check {
  bool saving = true;
  std::string file;
  std::optional<FileError> error = {};  // refused: one "Errore File" message with this error
  Names written = {};                   // hold the flex afterwards and keep their metadata
  Names backedUp = {};                  // NAME~ holds what NAME held
  Fault fault = {};  // system calls this action (and only this one) finds changed
};

class ScratchEditor : public ::testing::Test, protected flextest::ScratchFolder {
 protected:
  ScratchEditor() {
    std::signal(SIGPIPE, SIG_IGN);  // as both programs do
    editor.start();
    editor.clickOption(*flex::findOption("Check1(0)"));  // a flex unlike the built-in one
  }
  ~ScratchEditor() override {
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

  // Loads or saves the file. Refused: one "Errore File" message naming the file and the error,
  // the editor and its status bar as they were. Done: no message. Either way each of `written` then
  // holds the flex and keeps its metadata; NAME~ of each of `backedUp` holds what NAME held; every
  // other entry is as it was (no temporary file left).
  void expect(const Check& c) {
    SCOPED_TRACE(c.file);
    view.messages.clear();
    const auto before = flex::fuzz::snapshot(editor);
    const std::string status = editor.statusText();
    auto expected = files();
    for (const auto& name : c.backedUp) expected[path(name) + "~"] = expected[path(name)];
    view.fileAnswer = c.file;
    flex::FileContext context;
    if (c.fault) c.fault(context.calls);
    editor.setFileContext(std::move(context));
    const FileOutcome outcome = c.saving ? editor.saveWithDialog() : editor.openWithDialog();
    editor.setFileContext({});
    auto after = files();
    for (const auto& name : c.written) {
      Entry& entry = expected[path(name)];
      entry = {entry.first.empty() ? after[path(name)].first : entry.first, saved()};
    }
    EXPECT_EQ(after, expected);
    EXPECT_EQ(editor.statusText(), c.error ? status : "File: " + c.file);
    EXPECT_EQ(outcome, c.error ? FileOutcome::Failed : FileOutcome::Done);
    using flex::MessageId;
    const flex::EditorMessage shown{c.saving ? MessageId::SaveFailed : MessageId::OpenFailed,
                                    c.file, c.error.value_or(FileError{})};
    EXPECT_EQ(view.messages, std::vector(c.error ? 1 : 0, shown));
    EXPECT_TRUE(!c.error || flex::fuzz::sameState(before, editor));
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
  const std::string unreadable = write("secret.hs", "old\r\n");
  fs::permissions(unreadable, fs::perms::owner_write);
  expect({.saving = false, .file = unreadable, .error = failed(FileStep::Read, EACCES)});
  editor.setKeepBackups(true);
  expect({.file = unreadable, .error = failed(FileStep::Backup, EACCES, "secret.hs~")});
  fs::permissions(unreadable, fs::perms(0444));  // read-only
  expect({.file = unreadable, .error = failed(FileStep::Check, EACCES)});
  fs::create_directory(path("locked"));
  const std::string locked = write("locked/old.hs", "the old file\r\n");
  fs::permissions(path("locked"), fs::perms(0555));
  ASSERT_EQ(::symlink(locked.c_str(), path("link.hs").c_str()), 0);
  for (const std::string& file : {locked, path("link.hs")})
    expect({.file = file, .error = failed(FileStep::Backup, EACCES, "old.hs~")});
  editor.setKeepBackups(false);
  expect({.file = locked, .error = failed(FileStep::Replace, EACCES)});
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
  for (const auto& c : cases) expect({.file = c.file, .written = {c.written}});
  EXPECT_EQ(readWhole(flex::descriptorPath(fd)), "old\r\n");  // replaced, not written in place
  for (const char* name : {"target.hs", "fresh.hs"})          // a named temporary file, gone again
    expect({.file = path(name), .written = {name}, .fault = withoutUnnamedFiles});
  // Another save holds the folder's lock: its temporary name stays, this one takes a random one.
  write(".target.hs.flexedit-saving", "another save's\r\n");
  expect({.file = path("target.hs"),
          .written = {"target.hs"},
          .fault = fails(&Calls::flock, EWOULDBLOCK)});
}

// A link to what no path names (as in /proc/self/fd) is written through the link itself.
TEST_F(Saves, ThroughLinksToPipesAndDeletedFiles) {
  int ends[2];
  ASSERT_EQ(::pipe(ends), 0);
  const int gone = ::open(write("gone.hs", "old\r\n").c_str(), O_RDWR);
  const std::string pipe = flex::descriptorPath(ends[1]);
  fs::remove(path("gone.hs"));
  expect({.file = pipe});
  expect({.file = flex::descriptorPath(gone)});  // and no file "gone.hs (deleted)"
  char got[4096];
  EXPECT_EQ(std::string(got, std::max(0l, ::read(ends[0], got, sizeof got))), saved());
  EXPECT_EQ(readWhole(flex::descriptorPath(gone)), saved());
  // The reader goes once the pipe is open for writing: a broken pipe is a write error.
  const Fault readerGoes = [reader = ends[0]](auto& c) {
    c.openat = [real = c.openat, reader](int at, const char* p, int f, mode_t m) mutable {
      const int fd = real(at, p, f, m);
      if (f & O_WRONLY) ::close(std::exchange(reader, -1));
      return fd;
    };
  };
  expect({.file = pipe, .error = failed(FileStep::InPlace, EPIPE), .fault = readerGoes});
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
  expect({.file = file, .written = {"old.hs"}});
  expect({.file = path(longest), .written = {longest}});
  std::vector<Fault> faults = {
      // the first call fails, the replacing file's
      fails(&Calls::fsetxattr, EPERM, 1),  // an attribute that cannot be set
      fails(&Calls::renameat, EBUSY, 1),   // a mount point
      fails(&Calls::renameat, EXDEV, 1)};  // another file system
  if (::geteuid() == 0) faults.push_back(fails(&Calls::fchown, EPERM, 1));
  for (const Fault& fault : faults) {
    expect({.file = file, .written = {"old.hs"}, .backedUp = {"old.hs"}, .fault = fault});
    editor.clickOption(*flex::findOption("Check1(1)"));
  }
  fs::create_hard_link(file, path("other.hs"));  // a file with two names
  expect({.file = file, .written = {"old.hs", "other.hs"}, .backedUp = {"old.hs"}});
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
  expect({.file = file, .written = {"old.hs", "source.hs"}, .backedUp = {"old.hs"}});
  ::umount2(file.c_str(), MNT_DETACH);
}

// NAME~ keeps what a file held before this session first saved it, with its mode; a save whose
// backup cannot be written replaces nothing.
TEST_F(Saves, BackupsKeepWhatTheFileHeldBeforeTheSession) {
  editor.setKeepBackups(true);
  const std::string file = write("old.hs", "old\r\n");
  expect({.file = file, .written = {"old.hs"}, .backedUp = {"old.hs"}});
  editor.clickOption(*flex::findOption("Check1(1)"));
  expect({.file = file, .written = {"old.hs"}});
  for (int k = 0; k < 2; ++k) expect({.file = path("new.hs"), .written = {"new.hs"}});  // none
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
  expect({.file = write("blocked.hs", "old\r\n"),
          .error = failed(FileStep::Backup, EISDIR, "blocked.hs~")});
}

// What a save writes is on the disk before a name leads to it, and the new name after.
TEST_F(Saves, TheContentIsOnTheDiskBeforeItsName) {
  std::string calls;
  const Fault record = [&calls](auto& c) {
    c.fsync = [&calls, real = c.fsync](int fd) { return calls += 'f', real(fd); };
    c.linkat = [&calls, real = c.linkat](auto... a) { return calls += 'n', real(a...); };
    c.renameat = [&calls, real = c.renameat](auto... a) { return calls += 'n', real(a...); };
  };
  expect({.file = write("old.hs", "old\r\n"), .written = {"old.hs"}, .fault = record});
  EXPECT_TRUE(calls.starts_with("fn") && calls.ends_with("nf")) << calls;
}

// Each refused load or save changes nothing and tells which step failed and why.
TEST_F(Saves, RefusedLoadsAndSavesChangeNothing) {
  fs::create_directory(path("folder.hs"));
  ASSERT_EQ(::mkfifo(path("pipe.hs").c_str(), 0600), 0);  // no reader, no writer: no waiting
  const std::string old = write("old.hs", "the old file\r\n"), base(flex::builtin::kBase);
  fs::create_symlink(old, path("link.hs"));
  editor.editRaw(0, withByte(base, 179, "F5"));  // a readback run by mistake would tick an option
  using flex::FileReason;
  const FileStep check = FileStep::Check, read = FileStep::Read, replace = FileStep::Replace;
  const std::string missing = path("missing/out.hs"), folder = path("folder.hs"),
                    pipe = path("pipe.hs"), link = path("link.hs");
  const struct {
    bool saving;
    std::string file;
    FileError error;
    Fault fault = {};
    bool backups = false;
  } cases[] = {
      {false, missing, failed(read, ENOENT)},
      {false, folder, failed(read, EISDIR)},
      {false, write("big.hs", std::string(flex::kMaxFileSize + 1, 'F')),
       refused(read, FileReason::TooLarge)},
      {false, pipe, refused(read, FileReason::NotRegular)},
      {false, old, failed(read, EIO), fails(&Calls::read, EIO)},  // no end of file
      {false, old, failed(read, EIO), fails(&Calls::fstat, EIO)},
      {true, missing, failed(check, ENOENT)},
      {true, folder, failed(check, EISDIR)},
      {true, pipe, failed(FileStep::InPlace, ENXIO)},
      {true, old, failed(replace, ENOSPC), fails(&Calls::write, ENOSPC)},
      {true, old, failed(replace, EIO), fails(&Calls::fsync, EIO)},
      {true, old, failed(replace, EDQUOT), fails(&Calls::linkat, EDQUOT)},
      {true, old, failed(replace, EACCES), fails(&Calls::renameat, EACCES)},
      {true, old, failed(replace, EROFS),
       [](auto& c) { withoutUnnamedFiles(c), fails(&Calls::renameat, EROFS)(c); }},
      {true, old, failed(check, 200), fails(&Calls::openat, 200)},
      {true, link, failed(check, EIO), fails(&Calls::readlinkat, EIO)},
      {true, old, failed(FileStep::Backup, EIO, "old.hs~"), fails(&Calls::read, EIO), true},
      {true, old, failed(check, EIO), fails(&Calls::fstat, EIO, 1)},  // the file's metadata
      // The backup log names a file by its folder's device and inode number.
      {true, old, failed(check, EIO), fails(&Calls::fstat, EIO, 2), true},
      // A device is written in place; its late errors come with the close.
      {true, "/dev/null", failed(FileStep::InPlace, EIO), fails(&Calls::close, EIO, 1)}};
  for (const auto& c : cases) {
    editor.setKeepBackups(c.backups);
    expect({.saving = c.saving, .file = c.file, .error = c.error, .fault = c.fault});
  }
  editor.setKeepBackups(false);
  fs::create_hard_link(old, path("other.hs"));  // in place, failed half-way: put back
  expect({.file = old,
          .error = failed(FileStep::InPlace, EIO),
          .backedUp = {"old.hs"},
          .fault = fails(&Calls::ftruncate, EIO, 1)});
  // A device that takes no data; as root a copy made here, never the system's own.
  const std::string full = ::geteuid() == 0 ? path("full") : "/dev/full";
  if (full == "/dev/full" || ::mknod(full.c_str(), S_IFCHR | 0666, ::makedev(1, 7)) == 0) {
    fs::create_symlink(full, path("full.hs"));
    for (const std::string& file : {full, path("full.hs")})
      expect({.file = file, .error = failed(FileStep::InPlace, ENOSPC)});
  }
  if (::geteuid() == 0) {  // a link of another user in a sticky folder everyone may write
    fs::create_directory(path("sticky"));
    fs::permissions(path("sticky"), fs::perms(01777));
    fs::create_symlink(old, path("sticky/theirs.hs"));
    ASSERT_EQ(::lchown(path("sticky/theirs.hs").c_str(), kNobody, kNobody), 0);
    expect({.file = path("sticky/theirs.hs"), .error = failed(check, EACCES)});
  }
  editor.editRaw(0, std::string(flex::kMaxFileSize, 'F'));  // never a file too large to load
  expect({.file = old, .error = refused(check, FileReason::TooLarge)});
}

// Every in-place write keeps a rollback copy of what the file held right before it and puts it
// back when the write fails: also the second save of a session with backups on, whose NAME~ holds
// what the file held before the session. Without a copy nothing is written.
TEST_F(Saves, AFailedInPlaceWriteLeavesTheFileWhole) {
  editor.setKeepBackups(true);
  const std::string file = write("old.hs", "old\r\n");
  fs::create_hard_link(file, path("other.hs"));  // written in place
  expect({.file = file, .written = {"old.hs", "other.hs"}, .backedUp = {"old.hs"}});
  // The flex's write (the second; the first makes the rollback copy) stops a byte short, then
  // the disk is full for the writes up to the `last`.
  const auto stopShort = [](int last) -> Fault {
    return [last](auto& c) {
      c.write = [real = c.write, last, count = 0](int fd, const void* data, size_t size) mutable {
        if (++count == 2) return real(fd, data, size - 1);
        if (count >= 3 && count <= last) return errno = ENOSPC, ssize_t{-1};
        return real(fd, data, size);
      };
    };
  };
  editor.clickOption(*flex::findOption("Check1(1)"));
  expect({.file = file, .error = failed(FileStep::InPlace, ENOSPC), .fault = stopShort(3)});
  expect({.file = file,  // the rollback copy in the folder rather than in memory
          .written = {"old.hs", "other.hs"},
          .fault = fails(&Calls::memfd_create, EMFILE)});
  expect({.file = file, .error = failed(FileStep::RollbackCopy, EMFILE), .fault = [](auto& c) {
            withoutUnnamedFiles(c), fails(&Calls::memfd_create, EMFILE)(c);
          }});
  // Nor put back: the message names NAME~, which holds what the file held before the session.
  view.fileAnswer = file;
  flex::FileContext context;
  stopShort(1000)(context.calls);
  editor.setFileContext(context);
  EXPECT_EQ(editor.saveWithDialog(), FileOutcome::Failed);
  EXPECT_EQ(view.messages.back().error, failed(FileStep::Restore, ENOSPC, "old.hs~"));
  EXPECT_EQ(read("old.hs~"), "old\r\n");
}

}  // namespace
