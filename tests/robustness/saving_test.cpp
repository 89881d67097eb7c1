// SPDX-License-Identifier: GPL-3.0-or-later
// What a save leaves: a replaced file's metadata, or the file written in place with its copies;
// backups once per file and session; the rollback copy put back; no temporary name.
#include <linux/fs.h>
#include <sys/file.h>
#include <sys/ioctl.h>

#include "scratch_editor.hpp"

namespace {

using namespace flextest;
using Saves = ScratchEditor;

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
  // Root's copy of nobody's file that may take neither its owner nor its group gives no one else
  // access (one that takes the group alone: robustness-unprivileged).
  flex::FileContext context;
  fails(&Calls::fchown, EPERM)(context.calls);
  editor.setFileContext(context);
  EXPECT_EQ(editor.saveFile(file), FileOutcome::Done);
  EXPECT_TRUE(describe(file + "~").first.starts_with(std::to_string(S_IFREG | 0600) + " 0:0 "));
}

// NAME~ keeps what a file held before this session first saved it, with its mode, once per file:
// a second name of it gets none. Where NAME~ is a folder, the copy goes to the restore folder.
TEST_F(Saves, BackupsKeepWhatTheFileHeldBeforeTheSession) {
  editor.setKeepBackups(true);
  const std::string file = write("old.hs", "old\r\n");
  expect({.file = file, .written = {"old.hs"}, .backedUp = {"old.hs"}});
  editor.clickOption(*flex::findOption("Check1(1)"));
  expect({.file = file, .written = {"old.hs"}});
  fs::create_hard_link(file, path("second.hs"));  // written in place from now on
  expect({.file = path("second.hs"), .written = {"old.hs", "second.hs"}});
  for (int k = 0; k < 2; ++k) expect({.file = path("new.hs"), .written = {"new.hs"}});  // none
  StartedEditor later;  // the next session
  later.editor.setKeepBackups(true);
  later.view.fileAnswer = file;
  EXPECT_EQ(later.editor.saveWithDialog(), FileOutcome::Done);
  EXPECT_EQ(describe(file + "~"), Entry(describe(file).first, saved()));
  fs::create_directories(path("blocked.hs~/inside"));
  expect({.file = write("blocked.hs", "old\r\n"),
          .written = {"blocked.hs"},
          .keptAside = {"blocked.hs"}});
}

// An in-place write that fails puts back its rollback copy; when it cannot, the message names a
// copy of what the file held right before (NAME~ when written then, else one made in the restore
// folder), and no later save copies the torn file over NAME~. Without a rollback copy, no write.
TEST_F(Saves, AFailedInPlaceWriteLeavesTheFileWholeOrACopy) {
  editor.setKeepBackups(true);
  const std::string file = write("old.hs", "old\r\n");
  fs::create_hard_link(file, path("other.hs"));  // written in place
  expect({.file = file, .written = {"old.hs", "other.hs"}, .backedUp = {"old.hs"}});
  // The write to the file of two names stops a byte short, then the disk is full for `full` writes.
  const auto stopShort = [](int full) -> Fault {
    return [full](auto& c) {
      c.write = [real = c.write, full, n = 0](int fd, const void* data, size_t size) mutable {
        struct stat to {};
        if (::fstat(fd, &to) != 0 || to.st_nlink != 2 || ++n > 1 + full)
          return real(fd, data, size);
        return n == 1 ? real(fd, data, size - 1) : (errno = ENOSPC, ssize_t{-1});
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

// Temporary names that killed saves left go at the next save of the file: not one a running save
// holds, another user's, or what only looks alike; the content is on the disk before its name,
// and that name after. An append-only folder (chattr +a) gets none:
// the file is written in place, its copy kept in the restore folder.
TEST_F(Saves, LeftoversGoAtTheNextSave) {
  const std::string file = write("old.hs", "old\r\n");
  for (const char* left :
       {".old.hs.flexedit-a1b2c3", ".old.hs~.flexedit-d4e5f6", ".old.hs.flexedit-toolong"})
    write(left, "left\r\n");
  const int held = ::open(write(".old.hs.flexedit-g7h8i9", "held\r\n").c_str(), O_RDONLY);
  ASSERT_EQ(::flock(held, LOCK_EX), 0);
  if (::geteuid() == 0) {  // another user's
    ASSERT_EQ(::chown(write(".old.hs.flexedit-m3n4o5", "theirs\r\n").c_str(), kNobody, 0), 0);
  }
  std::string calls;
  const Fault record = [&calls](auto& c) {
    c.fsync = [&calls, real = c.fsync](int fd) { return calls += 'f', real(fd); };
    c.linkat = [&calls, real = c.linkat](auto... a) { return calls += 'n', real(a...); };
    c.renameat = [&calls, real = c.renameat](auto... a) { return calls += 'n', real(a...); };
  };
  expect({.file = file,
          .written = {"old.hs"},
          .removed = {".old.hs.flexedit-a1b2c3", ".old.hs~.flexedit-d4e5f6"},
          .fault = record});
  EXPECT_TRUE(calls.starts_with("fn") && calls.ends_with("nf")) << calls;
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
