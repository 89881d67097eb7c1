// SPDX-License-Identifier: GPL-3.0-or-later
// What a save leaves behind: a replaced file's metadata, or the file written in place with its
// copies (NAME~, the restore folder's); backups once per file and session; the rollback copy put
// back after a failed write; no temporary name, also after saves killed before their end.
#include <linux/fs.h>
#include <sched.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/mount.h>

#include "scratch_editor.hpp"

namespace {

using namespace flextest;
using Saves = ScratchEditor;
using Permissions = ScratchEditor;

// A replaced file keeps its mode, owner, access list and attributes (not those the folder gives
// new files), without /proc too. Where a new file cannot carry them, it is written in place after
// its copy: NAME~, replaced in one rename and taking the file's metadata, not the earlier copy's;
// in the restore folder for a name too long for a "~".
TEST_F(Saves, AReplacedFileKeepsItsMetadataOrIsWrittenInPlace) {
  const std::string file = write("old.hs", "old\r\n"), longest(255, 'n');
  write(longest, "");
  write("old.hs~", "an earlier copy\r\n");
  // user::rw- user:nobody:r-- group::r-- mask::r-- other::---
  const std::string acl(
      "\2\0\0\0\1\0\6\0\xff\xff\xff\xff\2\0\4\0\xfe\xff\0\0\4\0\4\0\xff\xff\xff"
      "\xff\x10\0\4\0\xff\xff\xff\xff\x20\0\0\0\xff\xff\xff\xff",
      44);
  const std::tuple<std::string, const char*, std::string> attributes[] = {
      {file, "system.posix_acl_access", acl},
      {file, "user.flexedit", "tag"},
      {file + "~", "user.earlier", "copy"},
      {dir, "system.posix_acl_default", acl}};
  for (const auto& [at, name, value] : attributes)
    if (::setxattr(at.c_str(), name, value.data(), value.size(), 0) != 0)
      GTEST_SKIP() << "cannot set " << name << " here: " << std::strerror(errno);
  ASSERT_TRUE(::geteuid() != 0 || ::chown(file.c_str(), kNobody, kNobody) == 0);
  expect({.file = file, .written = {"old.hs"}});
  expect({.file = path(longest), .written = {longest}});
  expect({.file = file, .written = {"old.hs"}, .fault = withoutProc});
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
  fs::create_hard_link(path(longest), path("second"));
  expect({.file = path(longest), .written = {longest, "second"}, .keptAside = {longest}});
  if (::geteuid() != 0) return;
  // Root's copy of nobody's file that may not take its owner takes its group alone; without the
  // group, it gives no one else access.
  const std::tuple<Fault, gid_t, mode_t> copies[] = {
      {[](Calls& c) {
         c.fchown = [real = c.fchown](int fd, uid_t u, gid_t g) {
           return u == uid_t(-1) ? real(fd, u, g) : (errno = EPERM, -1);
         };
       },
       kNobody, 0640},
      {fails(&Calls::fchown, EPERM), 0, 0600}};
  for (const auto& [fault, group, mode] : copies) {
    flex::FileContext context;
    fault(context.calls);
    editor.setFileContext(context);
    EXPECT_EQ(editor.saveFile(file), FileOutcome::Done);
    struct stat copy {};
    EXPECT_EQ(::stat((file + "~").c_str(), &copy), 0);
    EXPECT_EQ(std::pair(copy.st_gid, copy.st_mode & 07777), std::pair(group, mode));
  }
}

// An ordinary user writes another user's file in place after NAME~ (robustness-unprivileged
// makes one of root's, which the user may write as a member of its group); root gives the
// replacing file the owner (above). NAME~ takes the file's group with its mode: no one reads it
// who could not read the file (the user's own group could).
TEST_F(Permissions, AnotherUsersFileIsWrittenInPlace) {
  const char* theirs = std::getenv("FLEXEDIT_FOREIGN_FILE");
  if (theirs == nullptr) GTEST_SKIP() << "no file of another user (FLEXEDIT_FOREIGN_FILE)";
  const Entry before = describe(theirs);
  view.fileAnswer = theirs;
  EXPECT_EQ(editor.saveWithDialog(), FileOutcome::Done);
  EXPECT_EQ(describe(theirs), Entry(before.first, saved()));
  EXPECT_EQ(describe(std::string(theirs) + "~").second, before.second);
  struct stat file {
  }, copy{};
  EXPECT_EQ(::stat(theirs, &file) | ::stat((std::string(theirs) + "~").c_str(), &copy), 0);
  EXPECT_EQ(std::pair(copy.st_gid, copy.st_mode), std::pair(file.st_gid, file.st_mode));
}

TEST_F(Saves, ABindMountedFileIsWrittenInPlace) {
  const std::string file = write("old.hs", "old\r\n"), source = write("source.hs", "bound\r\n");
  if (::unshare(CLONE_NEWNS) || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) ||
      ::mount(source.c_str(), file.c_str(), nullptr, MS_BIND, nullptr))
    GTEST_SKIP() << "no bind mount here: " << std::strerror(errno);
  expect({.file = file, .written = {"old.hs", "source.hs"}, .backedUp = {"old.hs"}});
  ::umount2(file.c_str(), MNT_DETACH);
}

// NAME~ keeps what a file held before this session first saved it, with its mode, once per file:
// a second name of it gets none. Where a folder has the name NAME~, the copy goes to the restore
// folder.
TEST_F(Saves, BackupsKeepWhatTheFileHeldBeforeTheSession) {
  editor.setKeepBackups(true);
  const std::string file = write("old.hs", "old\r\n");
  expect({.file = file, .written = {"old.hs"}, .backedUp = {"old.hs"}});
  editor.clickOption(*flex::findOption("Check1(1)"));
  expect({.file = file, .written = {"old.hs"}});
  fs::create_hard_link(file, path("second.hs"));  // written in place from now on
  expect({.file = path("second.hs"), .written = {"old.hs", "second.hs"}});
  for (int k = 0; k < 2; ++k) expect({.file = path("new.hs"), .written = {"new.hs"}});  // none
  FakeView laterView;
  flex::Editor later(laterView);  // the next session
  later.start();
  later.setKeepBackups(true);
  laterView.fileAnswer = file;
  EXPECT_EQ(later.saveWithDialog(), FileOutcome::Done);
  EXPECT_EQ(describe(file + "~"), Entry(describe(file).first, saved()));
  fs::create_directories(path("blocked.hs~/inside"));
  expect({.file = write("blocked.hs", "old\r\n"),
          .written = {"blocked.hs"},
          .keptAside = {"blocked.hs"}});
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

// Every in-place write keeps a rollback copy of what the file held right before it and puts it
// back when the write fails. When it cannot be put back the message names a copy of that content:
// NAME~ when written right before, else one made in the restore folder; and no later save copies
// the torn file over NAME~. Without a rollback copy nothing is written.
TEST_F(Saves, AFailedInPlaceWriteLeavesTheFileWholeOrACopy) {
  editor.setKeepBackups(true);
  const std::string file = write("old.hs", "old\r\n");
  fs::create_hard_link(file, path("other.hs"));  // written in place
  expect({.file = file, .written = {"old.hs", "other.hs"}, .backedUp = {"old.hs"}});
  // The flex's write to the file stops a byte short, then the disk is full for `full` writes.
  const auto stopShort = [](int full) -> Fault {
    return [full](auto& c) {
      c.write = [real = c.write, full, count = 0](int fd, const void* data, size_t size) mutable {
        struct stat to {};  // the file has two names, its copies one or none
        if (::fstat(fd, &to) != 0 || to.st_nlink != 2) return real(fd, data, size);
        if (++count == 1) return real(fd, data, size - 1);
        if (count <= 1 + full) return errno = ENOSPC, ssize_t{-1};
        return real(fd, data, size);
      };
    };
  };
  editor.clickOption(*flex::findOption("Check1(1)"));
  expect({.file = file, .error = failed(FileStep::InPlace, ENOSPC), .fault = stopShort(1)});
  expect({.file = file,  // the rollback copy in the folder rather than in memory
          .written = {"old.hs", "other.hs"},
          .fault = fails(&Calls::memfd_create, EMFILE)});
  expect({.file = file, .error = failed(FileStep::RollbackCopy, EMFILE), .fault = [](auto& c) {
            withoutUnnamedFiles(c), fails(&Calls::memfd_create, EMFILE)(c);
          }});
  for (const bool backups : {true, false}) {
    editor.setKeepBackups(backups);
    editor.clickOption(*flex::findOption("Check1(1)"));
    const std::string before = read("old.hs");
    const std::string copy = backups ? keptCopy("old.hs", "~1") : "old.hs~";
    flex::FileContext context;
    context.restoreFolder = restore;
    stopShort(1000)(context.calls);
    editor.setFileContext(context);
    EXPECT_EQ(editor.saveFile(file), FileOutcome::Failed);
    EXPECT_EQ(view.messages.back().error, failed(FileStep::Restore, ENOSPC, copy));
    EXPECT_EQ(readWhole(backups ? copy : path(copy)), before);
    editor.clickOption(*flex::findOption("Check1(1)"));
    expect({.file = file, .written = {"old.hs", "other.hs"}});  // NAME~ stays as it is
  }
}

// What saves killed before their end left under temporary names goes at the next save of the
// file: not what a running save holds, another user's, or what only looks alike. A folder that
// keeps every name it has (chattr +a) gets none: the file is written in place, its copy kept in
// the restore folder.
TEST_F(Saves, LeftoversGoAtTheNextSave) {
  const std::string file = write("old.hs", "old\r\n");
  write(".old.hs.flexedit-a1b2c3", "left\r\n");
  write(".old.hs~.flexedit-d4e5f6", "left\r\n");
  write(".old.hs.flexedit-toolong", "alike\r\n");
  fs::create_directory(path(".old.hs.flexedit-j0k1l2"));
  const int held = ::open(write(".old.hs.flexedit-g7h8i9", "held\r\n").c_str(), O_RDONLY);
  ASSERT_EQ(::flock(held, LOCK_EX), 0);
  if (::geteuid() == 0) {  // another user's
    ASSERT_EQ(::chown(write(".old.hs.flexedit-m3n4o5", "theirs\r\n").c_str(), kNobody, 0), 0);
  }
  expect({.file = file,
          .written = {"old.hs"},
          .removed = {".old.hs.flexedit-a1b2c3", ".old.hs~.flexedit-d4e5f6"}});
  fs::create_directory(path("kept"));
  write("kept/old.hs", "old\r\n");
  const flex::Fd folder(flex::realSystemCalls(), ::open(path("kept").c_str(), O_RDONLY));
  int flags = 0;
  if (::ioctl(folder.get(), FS_IOC_GETFLAGS, &flags) != 0 ||
      (flags |= FS_APPEND_FL, ::ioctl(folder.get(), FS_IOC_SETFLAGS, &flags)) != 0)
    GTEST_SKIP() << "no append-only folder here: " << std::strerror(errno);
  expect({.file = path("kept/old.hs"), .written = {"kept/old.hs"}, .keptAside = {"kept/old.hs"}});
  expect({.file = path("kept/new.hs"), .written = {"kept/new.hs"}});
  expect({.file = path("kept/new.hs"), .written = {"kept/new.hs"}, .keptAside = {"kept/new.hs"}});
  expect(
      {.file = path("kept/plain.hs"), .written = {"kept/plain.hs"}, .fault = withoutUnnamedFiles});
  flags &= ~FS_APPEND_FL;
  ::ioctl(folder.get(), FS_IOC_SETFLAGS, &flags);
}

}  // namespace
