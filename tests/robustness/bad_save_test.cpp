// Saving where a file cannot be written: one message, no half-written or temporary file left,
// the old file, the link and the device as they were, and the editor unchanged. Every path is
// in a scratch folder; the only system file used is /dev/full, when no copy can be made.
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>
#include <set>
#include <string>

#include "model/builtin_records.hpp"
#include "options/option_catalog.hpp"
#include "robustness_support.hpp"

namespace robustness {
namespace {

using flex::FileOutcome;

constexpr std::string_view kOld = "the old file\r\n";

mode_t modeOf(const std::string& path) {
  struct stat st {};
  return ::lstat(path.c_str(), &st) == 0 ? st.st_mode : 0;
}

std::string linkTarget(const std::string& link) {
  std::error_code ec;
  return fs::read_symlink(link, ec).string();
}

class SaveFailure : public EditorTest {
 protected:
  void SetUp() override {
    // Something to lose: a flex that differs from the built-in one.
    editor.userClick(*flex::findOption("Check1(0)"));
  }

  void expectSaveFails(const std::string& path, std::string_view reason) {
    const flex::EditorState before = editor.state();
    expectFailure(save(path), before, path, "Impossibile salvare il file", reason);
  }

  std::string savedFlex() const {
    std::string out;
    for (const auto& slot : editor.state().txtpreview) out += slot + "\r\n";
    return out;
  }

  // A device that takes no data: as root a copy of "full" in the scratch folder (so that a
  // faulty save could never replace the system's own), else /dev/full, which an ordinary user
  // cannot replace. Empty when root cannot make the copy.
  std::string fullDevice() {
    if (!runningAsRoot()) return "/dev/full";
    const std::string copy = scratch.path("full");
    return ::mknod(copy.c_str(), S_IFCHR | 0666, ::makedev(1, 7)) == 0 ? copy : std::string();
  }

  static void expectDevice(const std::string& path) {
    struct stat st {};
    ASSERT_EQ(::lstat(path.c_str(), &st), 0) << path;
    EXPECT_TRUE(S_ISCHR(st.st_mode)) << path << " is no longer a device";
    EXPECT_EQ(st.st_rdev, ::makedev(1, 7));
  }
};

TEST_F(SaveFailure, IntoAFolderThatDoesNotExist) {
  expectSaveFails(scratch.path("missing/out.hs"), "non esiste");
  EXPECT_TRUE(Scratch::entries(scratch.dir()).empty());
}

TEST_F(SaveFailure, OntoAFolder) {
  const std::string folder = scratch.path("folder.hs");
  ASSERT_EQ(::mkdir(folder.c_str(), 0700), 0);
  expectSaveFails(folder, "cartella");
  EXPECT_TRUE(Scratch::entries(folder).empty());
  EXPECT_EQ(Scratch::entries(scratch.dir()), std::set<std::string>{"folder.hs"});
}

TEST_F(SaveFailure, OntoADeviceThatTakesNoData) {
  const std::string device = fullDevice();
  if (device.empty()) GTEST_SKIP() << "root here may not make device nodes";
  const auto entries = Scratch::entries(scratch.dir());
  expectSaveFails(device, "spazio esaurito");
  expectDevice(device);
  EXPECT_EQ(Scratch::entries(scratch.dir()), entries);
}

TEST_F(SaveFailure, ThroughASymbolicLinkToADeviceThatTakesNoData) {
  const std::string device = fullDevice();
  if (device.empty()) GTEST_SKIP() << "root here may not make device nodes";
  const std::string link = scratch.path("link.hs");
  ASSERT_EQ(::symlink(device.c_str(), link.c_str()), 0);
  const auto entries = Scratch::entries(scratch.dir());
  expectSaveFails(link, "spazio esaurito");
  EXPECT_TRUE(S_ISLNK(modeOf(link)));
  EXPECT_EQ(linkTarget(link), device);
  expectDevice(device);
  EXPECT_EQ(Scratch::entries(scratch.dir()), entries);
}

TEST_F(SaveFailure, OntoAPipeNobodyReadsWithoutWaiting) {
  const std::string fifo = scratch.path("pipe.hs");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  expectSaveFails(fifo, "nessun processo legge");
  EXPECT_TRUE(S_ISFIFO(modeOf(fifo)));
  EXPECT_EQ(Scratch::entries(scratch.dir()), std::set<std::string>{"pipe.hs"});
}

// ---- Links that work: the link stays, its target is replaced ------------------------------

class SaveThroughLinks : public SaveFailure {};

TEST_F(SaveThroughLinks, TheTargetIsReplacedAndTheLinkStays) {
  const std::string target = scratch.write("target.hs", kOld);
  const std::string link = scratch.path("link.hs");
  ASSERT_EQ(::symlink("target.hs", link.c_str()), 0);  // relative, as people make them
  ASSERT_EQ(save(link), FileOutcome::Done);
  EXPECT_TRUE(view.messages.empty());
  EXPECT_TRUE(S_ISLNK(modeOf(link)));
  EXPECT_EQ(linkTarget(link), "target.hs");
  EXPECT_EQ(Scratch::read(target), savedFlex());
  EXPECT_EQ(Scratch::entries(scratch.dir()), (std::set<std::string>{"link.hs", "target.hs"}));
}

// ---- Permissions: run as an ordinary user ---------------------------------------------------

class SavePermissions : public SaveFailure {};

TEST_F(SavePermissions, OntoAReadOnlyFileTheOldFileIsKept) {
  SKIP_AS_ROOT();
  const std::string path = scratch.write("old.hs", kOld);
  ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
  expectSaveFails(path, "permesso negato");
  EXPECT_EQ(Scratch::read(path), kOld);
  EXPECT_EQ(modeOf(path) & 07777, 0444u);
  EXPECT_EQ(Scratch::entries(scratch.dir()), std::set<std::string>{"old.hs"});
}

TEST_F(SavePermissions, IntoAReadOnlyFolderTheOldFileIsKept) {
  SKIP_AS_ROOT();
  const std::string folder = scratch.path("locked");
  ASSERT_EQ(::mkdir(folder.c_str(), 0700), 0);
  const std::string path = scratch.write("locked/old.hs", kOld);
  ASSERT_EQ(::chmod(folder.c_str(), 0555), 0);
  expectSaveFails(path, "permesso negato");
  EXPECT_EQ(Scratch::read(path), kOld);
  EXPECT_EQ(Scratch::entries(folder), std::set<std::string>{"old.hs"});
}

TEST_F(SavePermissions, ThroughASymbolicLinkIntoAReadOnlyFolder) {
  SKIP_AS_ROOT();
  const std::string folder = scratch.path("locked");
  ASSERT_EQ(::mkdir(folder.c_str(), 0700), 0);
  const std::string target = scratch.write("locked/old.hs", kOld);
  ASSERT_EQ(::chmod(folder.c_str(), 0555), 0);
  const std::string link = scratch.path("link.hs");
  ASSERT_EQ(::symlink(target.c_str(), link.c_str()), 0);
  expectSaveFails(link, "permesso negato");
  EXPECT_TRUE(S_ISLNK(modeOf(link)));
  EXPECT_EQ(Scratch::read(target), kOld);
  EXPECT_EQ(Scratch::entries(folder), std::set<std::string>{"old.hs"});
}

}  // namespace
}  // namespace robustness
