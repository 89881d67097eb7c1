// SPDX-License-Identifier: GPL-3.0-or-later
// Loads and saves against the file system: what a save reaches through links and descriptors,
// and refusals. What a save leaves behind (metadata, copies, names) is in saving_test.cpp.
#include <sys/wait.h>

#include "scratch_editor.hpp"

namespace {

using namespace flextest;
using Saves = ScratchEditor;

// A file that may not be read, or only written (when a backup is due), a read-only file, a file
// in a folder nobody may write; another user's file. Run as nobody by root.
using Permissions = ScratchEditor;
TEST_F(Permissions, RefusedOrWrittenInPlaceForAnOrdinaryUser) {
  if (::geteuid() == 0) GTEST_SKIP() << "root is not stopped by permission bits";
  const std::string unreadable = write("secret.hs", "old\r\n");
  fs::permissions(unreadable, fs::perms::owner_write);
  expect({.saving = false, .file = unreadable, .error = failed(FileStep::Read, EACCES)});
  editor.setKeepBackups(true);
  expect({.file = unreadable, .error = failed(FileStep::Backup, EACCES, "secret.hs~")});
  fs::permissions(unreadable, fs::perms(0444));  // read-only
  expect({.file = unreadable, .error = failed(FileStep::Check, EACCES)});
  // Written in place, as `echo >> f` can, its copy in the restore folder: with backups once (the
  // link leads to the same file), without before every write; no restore folder: refused.
  fs::create_directory(path("locked"));
  const std::string locked = write("locked/old.hs", "the old file\r\n");
  fs::permissions(path("locked"), fs::perms(0555));
  ASSERT_EQ(::symlink(locked.c_str(), path("link.hs").c_str()), 0);
  expect({.file = locked, .written = {"locked/old.hs"}, .keptAside = {"locked/old.hs"}});
  expect({.file = path("link.hs"), .written = {"locked/old.hs"}});
  editor.setKeepBackups(false);
  expect({.file = locked, .written = {"locked/old.hs"}, .keptAside = {"locked/old.hs"}});
  expect({.file = locked,
          .error = failed(FileStep::Backup, EACCES, "old.hs~", flex::CopyObstacle::Folder),
          .restoreFolder = false});
  // Root's, which the user may write as a member of its group (robustness-unprivileged): in
  // place after NAME~, which takes the file's group with its mode, not the user's group.
  const char* theirs = std::getenv("FLEXEDIT_FOREIGN_FILE");
  if (theirs == nullptr) GTEST_SKIP() << "no file of another user (FLEXEDIT_FOREIGN_FILE)";
  const Entry before = describe(theirs);
  EXPECT_EQ(editor.saveFile(theirs), FileOutcome::Done);
  EXPECT_EQ(describe(theirs), Entry(before.first, saved()));
  EXPECT_EQ(describe(std::string(theirs) + "~").second, before.second);
  struct stat file {
  }, copy{};
  EXPECT_EQ(::stat(theirs, &file) | ::stat((std::string(theirs) + "~").c_str(), &copy), 0);
  EXPECT_EQ(std::pair(copy.st_gid, copy.st_mode), std::pair(file.st_gid, file.st_mode));
}

// Links are followed to the end, however long their text, through links to folders and "..";
// the file they reach is replaced. A temporary name in the way is no obstacle.
TEST_F(Saves, ReachTheFileTheLinksName) {
  write("target.hs", "old\r\n");
  fs::create_symlink("target.hs", path("link.hs"));  // relative, as people make them
  fs::create_symlink("new.hs", path("dangling.hs"));
  fs::create_symlink(dir + "/sticky/." + std::string(300, '/') + "../target.hs", path("long.hs"));
  fs::create_directory(path("sticky"));
  fs::permissions(path("sticky"), fs::perms(01777));
  fs::create_symlink("../target.hs", path("sticky/mine.hs"));  // the user's or (root) the folder's
  fs::create_symlink(dir, path("sticky/up"));
  for (const char* theirs : {"sticky/mine.hs", "sticky/up", "sticky"})
    ASSERT_TRUE(::geteuid() != 0 || ::lchown(path(theirs).c_str(), kNobody, kNobody) == 0);
  std::string deep = dir;  // a path of 4095 bytes
  while (4094 - deep.size() > 255)
    fs::create_directory(deep += "/" + std::string(std::min(200ul, 3993 - deep.size()), 'f'));
  std::ofstream(deep += "/" + std::string(4094 - deep.size(), 'n')) << "old\r\n";
  const struct {
    std::string file, written;
    Fault fault = {};
  } cases[] = {{path("dangling.hs"), "new.hs"},
               {path("long.hs"), "target.hs"},
               {path("sticky/mine.hs"), "target.hs"},
               {path("sticky/up/sticky/../link.hs"), "target.hs"},
               {deep, deep.substr(dir.size() + 1)},
               {path("target.hs"), "target.hs", withoutUnnamedFiles},  // a named temporary file
               {path("fresh.hs"), "fresh.hs", withoutUnnamedFiles},
               {path("target.hs"), "target.hs", fails(&Calls::linkat, EEXIST, 1)},
               {path("target.hs"), "target.hs", [](Calls& c) {
                  withoutUnnamedFiles(c);
                  const auto exclusive = [](int, auto, int f, auto) { return (f & O_EXCL) != 0; };
                  failsOn(&Calls::openat, EEXIST, exclusive, 1)(c);
                }}};
  for (const auto& c : cases) expect({.file = c.file, .written = {c.written}, .fault = c.fault});
}

// A path naming one of the program's own descriptors is written through it, as a shell would:
// no new file, no rename, nothing cut; by its /proc name or, without /proc, by /dev/fd/N. A link
// to what no path names, in another program's /proc/PID/fd, is written through the link itself.
TEST_F(Saves, ThroughOwnDescriptorsAndLinksToPipesAndDeletedFiles) {
  int ends[2];
  ASSERT_EQ(::pipe2(ends, O_NONBLOCK), 0);  // no waiting for what a broken save never wrote
  const int gone = ::open(write("gone.hs", "old\r\n").c_str(), O_RDWR);
  fs::remove(path("gone.hs"));
  const std::string log = state.write("log.txt", "old line\n");
  const int appended = ::open(log.c_str(), O_WRONLY | O_APPEND),
            readOnly = ::open(log.c_str(), O_RDONLY);
  const auto named = [](int fd) { return std::to_string(fd); };
  expect({.file = flex::descriptorPath(ends[1])});
  expect({.file = "/dev/fd/" + named(ends[1]), .fault = withoutProc});
  expect({.file = flex::descriptorPath(gone)});  // and no file "gone.hs (deleted)"
  expect({.file = "/proc/" + named(::getpid()) + "/fd/" + named(appended)});
  expect({.file = "/dev/fd/../fd/" + named(appended)});  // known by /proc, not by its name
  expect({.file = flex::descriptorPath(readOnly), .error = failed(FileStep::InPlace, EBADF)});
  char got[4096];
  EXPECT_EQ(std::string(got, std::max(0l, ::read(ends[0], got, sizeof got))), saved() + saved());
  EXPECT_EQ(readWhole(flex::descriptorPath(gone)), saved());
  EXPECT_EQ(readWhole(log), "old line\n" + saved() + saved());
  const pid_t other = ::fork();
  while (other == 0) ::pause();  // another program that holds the deleted file
  ASSERT_EQ(::ftruncate(gone, 0), 0);
  expect({.file = "/proc/" + named(other) + "/fd/" + named(gone)});
  ::kill(other, SIGKILL);
  ::waitpid(other, nullptr, 0);
  EXPECT_EQ(readWhole(flex::descriptorPath(gone)), saved());
  ::close(ends[0]);  // the reader goes: a broken pipe is a write error
  expect({.file = flex::descriptorPath(ends[1]), .error = failed(FileStep::InPlace, EPIPE)});
}

// Each refused load or save changes nothing and tells which step failed and why.
TEST_F(Saves, RefusedLoadsAndSavesChangeNothing) {
  fs::create_directory(path("folder.hs"));
  ASSERT_EQ(::mkfifo(path("pipe.hs").c_str(), 0600), 0);  // no reader, no writer: no waiting
  const std::string old = write("old.hs", "the old file\r\n"), base(flex::builtin::kBase);
  fs::create_symlink(old, path("link.hs"));
  fs::create_symlink("/dev/null", path("null.hs"));
  editor.editRaw(0, withByte(base, 179, "F5"));  // a readback run by mistake would tick an option
  using flex::FileReason;
  const FileStep check = FileStep::Check, read = FileStep::Read, replace = FileStep::Replace;
  const std::string missing = path("missing/out.hs"), folder = path("folder.hs"),
                    pipe = path("pipe.hs"), link = path("link.hs");
  const auto oldHs = [](int, std::string_view p, auto...) { return p == "old.hs"; };
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
      {true, link, failed(check, EIO), fails(&Calls::readlinkat, EIO)},
      {true, old, failed(FileStep::Backup, EIO, "old.hs~"), fails(&Calls::read, EIO), true},
      {true, old, failed(check, EIO), fails(&Calls::fstat, EIO, 1)},
      // A link put where the file was, again at every look: no "too many links" without a loop.
      {true, old, refused(check, FileReason::Moved), failsOn(&Calls::openat, ELOOP, oldHs)},
      // A device is written in place, also through a link; its late errors come with the close.
      {true, "/dev/null", failed(FileStep::InPlace, EIO), fails(&Calls::close, EIO)},
      {true, path("null.hs"), failed(FileStep::InPlace, ENOSPC), fails(&Calls::write, ENOSPC)}};
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
  fs::remove(path("other.hs"));
  expect({.file = old, .written = {"old.hs"}});
  editor.editRaw(0, withByte(base, 179, "F7"));
  // Saved, but its folder could not be flushed after the rename: told, not taken for done, nor
  // taken for another program's change at the next save.
  expect({.file = old,
          .error = failed(FileStep::Flush, EIO),
          .written = {"old.hs"},
          .fault = fails(&Calls::fsync, EIO, 2)});
  // A racing rename once: the save looks again. A name briefly absent where a link stands is
  // never made a new file: the link is followed.
  expect({.file = old, .written = {"old.hs"}, .fault = failsOn(&Calls::openat, ELOOP, oldHs, 1)});
  expect({.file = link,
          .written = {"old.hs"},
          .fault = failsOn(
              &Calls::fstatat, ENOENT,
              [](int, std::string_view p, auto, int flags) {
                return p == "link.hs" && (flags & AT_SYMLINK_NOFOLLOW);
              },
              2)});
  if (::geteuid() == 0) {  // in a sticky folder everyone may write, what another user put there:
    fs::create_directory(path("sticky"));  // a link to the file, a link to a folder on the way,
    fs::permissions(path("sticky"), fs::perms(01777));  // a FIFO, a file
    fs::create_symlink(old, path("sticky/theirs.hs"));
    fs::create_symlink(dir, path("sticky/up"));
    ASSERT_EQ(::mkfifo(path("sticky/fifo").c_str(), 0666), 0);
    write("sticky/planted.hs", "");
    for (const char* theirs : {"sticky/theirs.hs", "sticky/up", "sticky/fifo", "sticky/planted.hs"})
      ASSERT_EQ(::lchown(path(theirs).c_str(), kNobody, kNobody), 0);
    for (const char* file :
         {"sticky/theirs.hs", "sticky/up/old.hs", "sticky/fifo", "sticky/planted.hs"})
      expect({.file = path(file), .error = failed(check, EACCES)});
  }
  editor.editRaw(0, std::string(flex::kMaxFileSize, 'F'));  // never a file too large to load
  expect({.file = old, .error = refused(check, FileReason::TooLarge)});
}

}  // namespace
