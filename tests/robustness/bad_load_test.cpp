// Loading files that are missing, unreadable, too large or full of things a flex record never
// holds: the editor refuses what it cannot read without touching the flex, and takes in whatever
// it can read byte for byte, without crashing and without writing into damaged bytes.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <ostream>
#include <string>
#include <vector>

#include "files/flex_file.hpp"
#include "model/builtin_records.hpp"
#include "options/option_catalog.hpp"
#include "robustness_support.hpp"

namespace robustness {
namespace {

using flex::FileOutcome;
namespace builtin = flex::builtin;

const std::string kBase(builtin::kBase);
const std::string kCall(builtin::kCall);
const std::string kGprs(builtin::kGprs);

std::string crlf(const std::vector<std::string>& lines) {
  std::string out;
  for (const auto& line : lines) out += line + "\r\n";
  return out;
}

std::string lower(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'F') c = static_cast<char>(c + ('a' - 'A'));
  return text;
}

// Two characters of 0-9 A-F at `position` (from 1): a byte an option may write.
bool readable(const std::string& record, std::size_t position) {
  auto hex = [](char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'); };
  return position >= 1 && position + 1 <= record.size() && hex(record[position - 1]) &&
         hex(record[position]);
}

// ---- Files the editor cannot read ---------------------------------------------------------

class BadLoad : public EditorTest {};

// A hand edit that the readback would act on (every option reads clear from lower-case digits),
// so a readback run by mistake shows in the boxes.
TEST_F(BadLoad, FilesThatCannotBeReadAreRefusedAndChangeNothing) {
  editor.editRaw(0, lower(kBase));
  const std::string folder = scratch.path("folder.hs");
  const std::string fifo = scratch.path("pipe.hs");
  ASSERT_EQ(::mkdir(folder.c_str(), 0700), 0);
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);  // no writer: reading must not wait for one
  const struct {
    std::string path;
    std::string_view reason;
  } cases[] = {
      {scratch.path("missing.hs"), "non esiste"},
      {folder, "cartella"},
      {scratch.write("big.hs", std::string(flex::kMaxFileSize + 1, 'F')), "1 MiB"},
      {"/dev/zero", "non è un file normale"},  // read only: a device is no flex file
      {fifo, "non è un file normale"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    view.messages.clear();
    const flex::EditorState before = editor.state();
    expectFailure(load(c.path), before, c.path, "Impossibile aprire il file", c.reason);
  }
}

class LoadPermissions : public EditorTest {};

TEST_F(LoadPermissions, FileWithoutReadPermissionIsRefused) {
  SKIP_AS_ROOT();
  const std::string path = scratch.write("secret.hs", crlf({kBase, kCall, kGprs}));
  ASSERT_EQ(::chmod(path.c_str(), 0200), 0);
  editor.editRaw(0, lower(kBase));
  const flex::EditorState before = editor.state();
  expectFailure(load(path), before, path, "Impossibile aprire il file", "permesso negato");
}

// ---- Files with odd content: taken in as they stand ---------------------------------------

struct OddFile {
  const char* name;
  std::string content;
  std::vector<std::string> slots;  // what slots 0..2 hold after the load
};
void PrintTo(const OddFile& file, std::ostream* os) { *os << file.name; }

std::string withNuls() {
  std::string base = kBase;
  base[10] = '\0';
  base[180] = '\0';  // inside the "Menu Engineering" byte
  return base;
}

std::string withUndefinedBytes() {
  std::string base = kBase;
  base.replace(180, 5, "\x81\x8D\x8F\x90\x9D");  // the bytes Windows-1252 leaves undefined
  return base;
}

const std::string kUtf8 = "Citt\xC3\xA0 \xE2\x82\xAC 3G";  // "Città € 3G" in UTF-8
const std::string kSpaced = [] {
  std::string out;
  for (std::size_t i = 0; i < kBase.size(); i += 2) out += (i ? " " : "") + kBase.substr(i, 2);
  return out;
}();

// A record that none of the options can read: lower-case digits, in a file of 1 MiB exactly.
const std::string kLongLine = lower(kBase) + std::string(flex::kMaxFileSize - kBase.size(), '0');

std::vector<OddFile> oddFiles() {
  return {
      {"SingleLineOfOneMebibyte", kLongLine, {kLongLine, kCall, kGprs}},
      {"NulBytes", crlf({withNuls(), std::string(4, '\0')}), {withNuls(), std::string(4, '\0'), kGprs}},
      {"UndefinedWindows1252Bytes", crlf({withUndefinedBytes()}), {withUndefinedBytes(), kCall, kGprs}},
      {"Utf8Text", crlf({kUtf8, kCall, kUtf8}), {kUtf8, kCall, kUtf8}},
      {"LowerCaseHex", crlf({lower(kBase), lower(kCall), lower(kGprs)}),
       {lower(kBase), lower(kCall), lower(kGprs)}},
      {"BlankSeparatedHex", crlf({kSpaced}), {kSpaced, kCall, kGprs}},
      {"CarriageReturnsOnly", kBase + "\r" + kCall + "\r" + kGprs + "\r", {kBase, kCall, kGprs}},
      {"LineFeedsOnly", kBase + "\n" + kCall + "\n", {kBase + "\n" + kCall + "\n", kCall, kGprs}},
      {"MixedLineEnds", kBase + "\r\n" + kCall + "\r" + kGprs + "\n", {kBase, kCall, kGprs + "\n"}},
      {"FourLines", crlf({kBase, kCall, kGprs, "FFFF"}), {kBase, kCall, kGprs}},
      {"ManyLines", crlf({kBase, kCall, kGprs, "", kBase, "x", ""}), {kBase, kCall, kGprs}},
      {"LastLineWithoutLineEnd", kBase + "\r\n" + kCall, {kBase, kCall, kGprs}},
      {"EmptyLines", "\r\n\r\n", {"", "", kGprs}},
  };
}

class OddContent : public EditorTest, public ::testing::WithParamInterface<OddFile> {};

TEST_P(OddContent, IsTakenInByteForByte) {
  const OddFile& file = GetParam();
  const std::string path = scratch.write("odd.hs", file.content);
  ASSERT_EQ(load(path), FileOutcome::Done);
  const auto& s = editor.state();
  EXPECT_TRUE(view.messages.empty());
  EXPECT_EQ(view.dialogsShown, 0);
  ASSERT_EQ(file.slots.size(), 3u);
  for (std::size_t slot = 0; slot < 3; ++slot) {
    EXPECT_EQ(s.baseline[slot], file.slots[slot]) << "slot " << slot << " as loaded";
    EXPECT_EQ(s.txtpreview[slot], file.slots[slot]) << "slot " << slot << " after the readback";
  }
  EXPECT_EQ(s.FlexBase, s.txtpreview[0]);
  EXPECT_EQ(s.FlexCall, s.txtpreview[1]);
  EXPECT_TRUE(s.ModificheAttive);
}

INSTANTIATE_TEST_SUITE_P(Files, OddContent, ::testing::ValuesIn(oddFiles()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(BadLoad, EmptyFileChangesNoSlotButTheReadbackRuns) {
  editor.editRaw(2, std::string(builtin::kGprsNull));  // read back, this ticks "GPRS Null"
  const flex::EditorState before = editor.state();
  ASSERT_EQ(load(scratch.write("empty.hs", "")), FileOutcome::Done);
  EXPECT_EQ(editor.state().txtpreview, before.txtpreview);
  EXPECT_EQ(editor.state().boxes[*flex::findOption("Check1(3)")].Value, 1);
}

// ---- Damaged records: no option writes into a byte it cannot read -------------------------

struct Damage {
  const char* name;
  std::string base;
  std::string call;
};
void PrintTo(const Damage& damage, std::ostream* os) { *os << damage.name; }

std::vector<Damage> damages() {
  std::string nonHex = kBase;
  for (const auto& option : flex::optionCatalog())
    if (option.record == flex::RecordKind::Base && option.position > 0)
      nonHex.replace(option.position - 1, 2, "G?");
  return {
      {"Empty", "", ""},
      {"HeaderOnly", kBase.substr(0, 44), kCall.substr(0, 44)},
      {"CutInsideTheFirstOptionByte", kBase.substr(0, 45), kCall.substr(0, 51)},
      {"CutAfterSomeOptionBytes", kBase.substr(0, 150), kCall},
      {"LowerCase", lower(kBase), lower(kCall)},
      {"NonHexAtEveryOptionByte", nonHex, kCall.substr(0, 50) + "zz" + kCall.substr(52)},
  };
}

class DamagedRecords : public EditorTest, public ::testing::WithParamInterface<Damage> {};

TEST_P(DamagedRecords, OptionClicksWriteOnlyBytesTheyCanRead) {
  const Damage& damage = GetParam();
  ASSERT_EQ(load(scratch.write("damaged.hs", crlf({damage.base, damage.call, kGprs}))),
            FileOutcome::Done);
  for (const auto& option : flex::optionCatalog()) {
    if (option.action != flex::ActionKind::Bits && option.action != flex::ActionKind::WholeByte)
      continue;
    const std::size_t row = *flex::findOption(option.id);
    for (int click = 0; click < 2; ++click) {
      const std::string& record = option.record == flex::RecordKind::Call
                                      ? editor.state().FlexCall
                                      : editor.state().FlexBase;
      const std::string before = record;
      const bool wasReadable = readable(before, option.position);
      editor.userClick(row);
      ASSERT_EQ(record.size(), before.size()) << option.id;
      if (!wasReadable) {
        EXPECT_EQ(record, before) << option.id << " wrote into a byte it cannot read";
      } else {
        EXPECT_TRUE(readable(record, option.position)) << option.id;
        EXPECT_EQ(record.substr(0, option.position - 1), before.substr(0, option.position - 1));
        EXPECT_EQ(record.substr(option.position + 1), before.substr(option.position + 1));
      }
      EXPECT_EQ(editor.state().boxes[row].flag, editor.state().boxes[row].Value == 1);
    }
  }
  EXPECT_TRUE(view.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Records, DamagedRecords, ::testing::ValuesIn(damages()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace robustness
