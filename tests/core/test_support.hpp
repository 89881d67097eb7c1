#pragma once
// Shared pieces of the core tests: an editor started as the window starts it, and the option
// table as the records see it.
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "fake_view.hpp"
#include "flex/builtin_records.hpp"
#include "session/editor.hpp"
#include "options/option_catalog.hpp"

namespace flextest {

namespace fs = std::filesystem;

inline std::string byteAt(std::string_view record, std::size_t position) {
  return std::string(record.substr(position - 1, 2));
}
inline std::size_t row(std::string_view id) { return flex::findOption(id).value(); }

using Records = std::array<std::string, 3>;
inline const Records kBuiltIn = {std::string(flex::builtin::kBase),
                                 std::string(flex::builtin::kCall),
                                 std::string(flex::builtin::kGprs)};
inline const std::vector<std::string> kBuiltInTicks = {"Check1(2)", "Check2(0)", "Check2(2)",
                                                       "Check2(4)", "Check3(0)"};

// An editor after start-up, with a folder of its own for files.
class EditorTest : public ::testing::Test {
 protected:
  EditorTest() { editor.start(); }
  ~EditorTest() override {
    std::error_code ignored;
    fs::remove_all(folder, ignored);
  }

  const flex::EditorState& st() const { return editor.state(); }
  int value(std::string_view id) const { return st().boxes[row(id)].state; }
  bool flag(std::string_view id) const { return st().boxes[row(id)].toggle; }
  void click(std::string_view id) { editor.clickOption(row(id)); }
  std::vector<std::string> ticked() const {  // Check1(0) ... Check5(13)
    std::vector<std::string> ids;
    for (std::size_t r : flex::optionsById())
      if (st().boxes[r].state) ids.emplace_back(flex::optionCatalog()[r].id);
    return ids;
  }
  std::string base(std::size_t position, std::string_view pair) const {
    return withByte(std::string(flex::builtin::kBase), position, pair);
  }

  std::string path(std::string_view name) const { return (folder / name).string(); }
  std::string write(std::string_view name, std::string_view content) const {
    std::ofstream(path(name), std::ios::binary) << content;
    return path(name);
  }
  std::string read(std::string_view name) const { return readWhole(path(name)); }
  std::vector<std::string> entries() const {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(folder)) names.push_back(e.path().filename());
    return names;
  }

  // "Apri Flex" on a file holding `content`; "Salva Flex..." into `name` in the test's folder.
  flex::FileOutcome load(std::string_view content) {
    view.fileAnswer = write("in.hs", content);
    return editor.openWithDialog();
  }
  flex::FileOutcome save(std::string_view name) {
    view.fileAnswer = path(name);
    return editor.saveWithDialog();
  }

  fs::path folder = [] {
    std::string pattern = (fs::temp_directory_path() / "flexedit-core-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    return fs::path(pattern);
  }();
  FakeView view;
  flex::Editor editor{view};
};

// Every bit or whole-byte option on the built-in flex: slot (0 Base, 1 Call), character position
// of its byte, the built-in byte, the byte after one click from start-up (a clear box becomes
// ticked, a ticked one clear), the readback mask, whether a set mask means ticked, and whether
// the option writes nothing during a readback.
struct OptionCase {
  std::string_view id, caption;
  std::size_t slot, position;
  std::string_view builtin, afterClick;
  unsigned mask;
  bool tickedWhenSet, gated = false;
};

inline constexpr OptionCase kOptionCases[] = {
    {"Check1(0)", "Menu Engineering", 0, 181, "07", "B7", 0x10, true},
    {"Check1(1)", "Disposizione Schermo", 0, 207, "EF", "ED", 0x02, false},
    {"Check1(2)", "Chiamata Attiva", 0, 187, "20", "00", 0x20, true},
    {"Check1(4)", "Selezione Fissa", 0, 111, "02", "03", 0x01, true},
    {"Check2(0)", "Show Data", 0, 173, "2A", "3A", 0x10, false, true},
    {"Check2(1)", "Java Loader", 0, 179, "F4", "F5", 0x01, true},
    {"Check2(2)", "AGPS Func.", 0, 191, "FF", "9F", 0x20, true},
    {"Check2(3)", "Selezione Rapida", 0, 85, "6F", "67", 0x08, false, true},
    {"Check2(4)", "Menu \"Tutte le Chiamate\"", 0, 85, "6F", "6E", 0x01, true, true},
    {"Check3(0)", "Quick Menu", 0, 169, "A1", "80", 0x21, true},
    {"Check3(1)", "One for Call Uscenti", 1, 51, "1F", "3F", 0x20, true},
    {"Check3(4)", "One for Call Entranti", 1, 51, "1F", "5F", 0x40, true},
    {"Check3(2)", "Time AutoUpdate", 0, 45, "D2", "D3", 0x01, true},
    {"Check3(3)", "Seconda Linea", 0, 107, "67", "77", 0x10, true, true},
    {"Check4(0)", "Tono Interruzione Rete", 0, 87, "94", "B4", 0x20, true},
    {"Check4(1)", "Menu Rete -> Area", 0, 183, "F9", "89", 0x10, false},
    {"Check4(2)", "Tutte le Aree di Rete", 0, 219, "1F", "DF", 0xC0, true},
    {"Check5(0)", "Disabilita Logo Motorola", 0, 103, "79", "71", 0x08, false},
    {"Check5(1)", "Attiva Menu \"Banner\"", 0, 141, "A3", "E3", 0x40, true},
    {"Check5(2)", "Retroilluminazione Plus", 0, 147, "30", "70", 0x40, true},
    {"Check5(3)", "Salva SMS sulla SIM", 0, 173, "2A", "6A", 0x40, true, true},
    {"Check5(4)", "Voce \"Chiamata Roaming\"", 0, 89, "A0", "E0", 0x40, true},
    {"Check5(5)", "Disabilita Logo Motorola", 0, 143, "AD", "AC", 0x01, false},
    {"Check5(6)", "Sblocca \"Info Server\"", 0, 209, "0D", "4D", 0x40, true},
    {"Check5(7)", "Voce \"Animazioni\"", 0, 105, "07", "0F", 0x08, true},
    {"Check5(8)", "Voce \"Chiamata Sicura\"", 0, 63, "FD", "FF", 0x02, true},
    {"Check5(9)", "Voce \"Versione PRL\"", 0, 47, "EE", "EF", 0x01, true},
    {"Check5(10)", "Voce \"Indicazioni LED\"", 0, 155, "08", "0C", 0x04, true},
    {"Check5(11)", "Voce \"E-mail Gateway\"", 0, 167, "0F", "8F", 0x80, true},
    {"Check5(12)", "Cell Broadcast Plus", 0, 107, "67", "6F", 0x08, true, true},
    {"Check5(13)", "Disabilita Logo TRE", 0, 197, "09", "01", 0x08, false},
};

}  // namespace flextest
