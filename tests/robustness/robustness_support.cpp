#include "robustness_support.hpp"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace robustness {

Scratch::Scratch() {
  std::string pattern = (fs::temp_directory_path() / "flexedit-robustness-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  dir_ = pattern;
}

Scratch::~Scratch() {
  // Give back the rights a test took away, or the folder could not be removed.
  std::error_code ec;
  ::chmod(dir_.c_str(), 0700);
  for (auto it = fs::recursive_directory_iterator(dir_, ec);
       !ec && it != fs::recursive_directory_iterator(); it.increment(ec))
    if (it->is_directory(ec) && !it->is_symlink(ec)) ::chmod(it->path().c_str(), 0700);
  fs::remove_all(dir_, ec);
}

std::string Scratch::write(std::string_view name, std::string_view content) const {
  const std::string p = path(name);
  std::ofstream out(p, std::ios::binary | std::ios::trunc);
  out.write(content.data(), static_cast<std::streamsize>(content.size()));
  if (!out) throw std::runtime_error("cannot write " + p);
  return p;
}

std::string Scratch::read(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::set<std::string> Scratch::entries(const std::string& folder) {
  std::set<std::string> names;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(folder, ec))
    names.insert(entry.path().filename().string());
  return names;
}

std::string FakeView::next(std::deque<std::string>& names) {
  if (names.empty()) return {};
  std::string name = std::move(names.front());
  names.pop_front();
  return name;
}

bool sameRecordsAndBoxes(const flex::EditorState& a, const flex::EditorState& b) {
  for (std::size_t i = 0; i < flex::kOptionCount; ++i)
    if (a.boxes[i].Value != b.boxes[i].Value || a.boxes[i].flag != b.boxes[i].flag) return false;
  return a.txtpreview == b.txtpreview && a.formatted == b.formatted && a.FlexBase == b.FlexBase &&
         a.FlexCall == b.FlexCall && a.FlexGprs == b.FlexGprs &&
         a.FlexGprsNull == b.FlexGprsNull && a.FlexGprsPersonale == b.FlexGprsPersonale &&
         a.ModificheAttive == b.ModificheAttive && a.labelDialogOpen == b.labelDialogOpen &&
         a.txt1 == b.txt1 && a.fileName == b.fileName && a.baseline == b.baseline;
}

flex::FileOutcome EditorTest::load(const std::string& path) {
  view.openNames.assign(1, path);
  return editor.mnuApri_Click();
}

flex::FileOutcome EditorTest::save(const std::string& path) {
  view.saveNames.assign(1, path);
  return editor.mnuSalva_Click();
}

void EditorTest::expectFailure(flex::FileOutcome outcome, const flex::EditorState& before,
                               const std::string& path, std::string_view promptStart,
                               std::string_view reason) {
  EXPECT_EQ(outcome, flex::FileOutcome::Failed);
  ASSERT_EQ(view.messages.size(), 1u);
  const Message& m = view.messages.front();
  EXPECT_EQ(m.title, flex::kFileErrorTitle);
  EXPECT_EQ(m.prompt.rfind(promptStart, 0), 0u) << m.prompt;
  EXPECT_NE(m.prompt.find(path), std::string::npos) << m.prompt;
  EXPECT_NE(m.prompt.find(reason), std::string::npos) << m.prompt;
  EXPECT_EQ(editor.state().statusText, "File: " + path);
  EXPECT_TRUE(sameRecordsAndBoxes(before, editor.state()));
}

}  // namespace robustness
