// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The robustness tests' fixture: an editor saving in a scratch folder, with a restore folder of
// its own, faults for the system calls, and one check of the editor and every entry of both.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/magic.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <csignal>
#include <cstring>
#include <functional>
#include <map>

#include "flex/fd.hpp"
#include "flex/file_context.hpp"
#include "fuzz_support.hpp"  // the state comparison the fuzz targets use

namespace flextest {

namespace fs = std::filesystem;
using flex::FileError;
using flex::FileOutcome;
using flex::FileStep;
using Names = std::vector<std::string>;
using Entry = std::pair<std::string, std::string>;  // metadata; content or link target
using Calls = flex::SystemCalls;
using Fault = std::function<void(Calls&)>;
constexpr uid_t kNobody = 65534;

// A step that failed for a system error; the copy it concerns and why that is not NAME~.
inline FileError failed(FileStep step, int err, std::string copy = {},
                        flex::CopyObstacle obstacle = {}) {
  return {step, flex::FileReason::SystemError, err, std::move(copy), obstacle};
}
inline FileError refused(FileStep step, flex::FileReason reason) {
  return {step, reason, 0, {}, {}};
}

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

// Makes the calls of `call` for which `hit(arguments...)` holds fail with `err`, `times` times
// (0: every time). The path calls take (folder, path, ...).
template <typename Signature, typename Hit>
Fault failsOn(std::function<Signature> Calls::*call, int err, Hit hit, int times = 0) {
  return [=](Calls& calls) {
    calls.*call = [real = calls.*call, err, hit, times, n = 0](auto... args) mutable {
      if (!hit(args...) || (times != 0 && n++ >= times)) return real(args...);
      errno = err;
      return decltype(real(args...))(-1);
    };
  };
}
// Makes the `nth` call (from 1; 0: every call) of one system call fail.
template <typename Signature>
Fault fails(std::function<Signature> Calls::*call, int err, int nth = 0) {
  return failsOn(call, err, [n = 0, nth](auto...) mutable { return nth == 0 || ++n == nth; });
}

inline void withoutUnnamedFiles(Calls& calls) {  // as on a file system without O_TMPFILE
  failsOn(&Calls::openat, EOPNOTSUPP,
          [](int, auto, int flags, auto) { return (flags & O_TMPFILE) == O_TMPFILE; })(calls);
}

inline void withoutProc(Calls& calls) {  // as where /proc is not mounted: nothing in it
  const auto proc = [](int at, std::string_view p, auto...) {
    struct statfs in {};
    return p.starts_with("/proc") || (at >= 0 && !p.starts_with('/') && ::fstatfs(at, &in) == 0 &&
                                      in.f_type == PROC_SUPER_MAGIC);
  };
  failsOn(&Calls::openat, ENOENT, proc)(calls);
  failsOn(&Calls::fstatat, ENOENT, proc)(calls);
  failsOn(&Calls::readlinkat, ENOENT, proc)(calls);
  failsOn(&Calls::linkat, ENOENT, proc)(calls);
}

// One load or save and what it must leave.
struct Check {
  bool saving = true;
  std::string file;
  std::optional<FileError> error = {};  // refused: one "Errore File" message with this error
  Names written = {};                   // hold the flex afterwards and keep their metadata
  Names backedUp = {};                  // NAME~ holds what NAME held
  Names keptAside = {};                 // the restore folder's copy of NAME holds what NAME held
  Names removed = {};                   // gone afterwards (left over by killed saves)
  Fault fault = {};           // system calls this action (and only this one) finds changed
  bool restoreFolder = true;  // false: the editor is told of none
};

class ScratchEditor : public ::testing::Test, protected ScratchFolder, protected StartedEditor {
 protected:
  ScratchEditor() {
    std::signal(SIGPIPE, SIG_IGN);                       // as both programs do
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
  // The restore folder's copy of `name`, named after the file's device and inode number.
  std::string keptCopy(const std::string& name, const std::string& suffix = "~") const {
    struct stat st {};
    ::stat(path(name).c_str(), &st);
    const std::string prefix = std::to_string(st.st_dev) + "-" + std::to_string(st.st_ino) + "-";
    return restore + "/" + prefix +
           fs::path(name).filename().string().substr(0, 255 - prefix.size() - suffix.size()) +
           suffix;
  }
  std::map<std::string, Entry> files() const {  // every entry of both folders
    std::map<std::string, Entry> out;
    for (const std::string& top : {dir, restore})
      if (fs::exists(top))
        for (const auto& entry : fs::recursive_directory_iterator(top))
          out[entry.path()] = describe(entry.path());
    return out;
  }

  // Loads or saves the file. Refused: one "Errore File" message naming the file and the error,
  // the editor and its status bar as they were. Done: no message. Either way each of `written`
  // then holds the flex and keeps its metadata; the copies of `backedUp` and `keptAside` hold what
  // they held; every other entry is as it was.
  void expect(const Check& c) {
    SCOPED_TRACE(c.file);
    view.messages.clear();
    auto before = flex::fuzz::snapshot(editor);
    const std::string status = editor.statusText();
    auto expected = files();
    for (const auto& name : c.backedUp) expected[path(name) + "~"] = expected[path(name)];
    for (const auto& name : c.keptAside) expected[keptCopy(name)] = expected[path(name)];
    for (const auto& name : c.removed) expected.erase(path(name));
    view.fileAnswer = c.file;
    flex::FileContext context;
    if (c.restoreFolder) context.restoreFolder = restore;
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
    // A save that failed after it changed the file follows what the disk holds now.
    if (c.error && (c.error->step == FileStep::Flush || c.error->step == FileStep::Restore))
      before.document.disk = editor.document().disk;
    EXPECT_TRUE(!c.error || flex::fuzz::sameState(before, editor));
  }

  const std::string& dir = folder;
  const ScratchFolder state;
  const std::string restore = state.folder + "/flexedit/restore";
};

}  // namespace flextest
