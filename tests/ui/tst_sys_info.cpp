// SPDX-License-Identifier: GPL-3.0-or-later
// Starting the system information tool, followed step by step with a fake registry, file
// system and launcher; and from the About dialog, once per burst of clicks.
#include <QtTest>
#include <QtWidgets>

#include "ui/dialogs/about_dialog.hpp"
#include "ui/dialogs/sys_info.hpp"

using namespace flex::ui;

namespace {

// Two registry values ("" = none); a file exists unless its path says "Missing", a program
// starts unless its path says "Broken". Writes down each step it is asked to take.
struct FakeHost : SysInfoHost {
  QString path, folder;
  QStringList steps;

  bool readRegistryString(RegistryRoot, std::string_view key, std::string_view name,
                          std::string& text) override {
    const QString at = QString::fromStdString(std::string(key) + "|" + std::string(name));
    text = (at == "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO|PATH"      ? path
            : at == "SOFTWARE\\Microsoft\\Shared Tools Location|MSINFO" ? folder
                                                                        : QString())
               .toStdString();
    return !text.empty();
  }
  bool fileExists(const std::string& f) override { return step("exists ", f, "Missing"); }
  bool startProgram(const std::string& f) override { return step("start ", f, "Broken"); }
  bool step(const char* what, const std::string& file, const char* failing) {
    steps << what + QString::fromStdString(file);
    return !steps.last().contains(failing);
  }
  void messageBox(std::string_view prompt, std::string_view title) override {
    steps << QString::fromStdString(std::string(prompt) + " | " + std::string(title));
  }
};

}  // namespace

class SysInfoTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  // The first registry value and the second; the steps taken.
  void startSysInfo() {
    const QString tool = "C:\\Tools\\msinfo32.exe", broken = "C:\\Broken\\msinfo32.exe";
    const QString there = "C:\\MSInfo\\MSINFO32.EXE", missing = "C:\\Missing\\MSINFO32.EXE";
    const QString message = "System Information Is Unavailable At This Time | Tessaron Orvane";
    const std::tuple<QString, QString, QStringList> rows[] = {
        {tool, "C:\\Missing", {"start " + tool}},  // the first value: no existence test
        {{}, "C:\\MSInfo", {"exists " + there, "start " + there}},
        {{}, "C:\\Missing", {"exists " + missing, message}},
        {{}, {}, {message}},
        {broken, {}, {"start " + broken, message}}};  // the tool does not start
    for (const auto& [path, folder, steps] : rows) {
      FakeHost host;
      host.path = path;
      host.folder = folder;
      QCOMPARE(flex::ui::startSysInfo(host, "Tessaron Orvane") == SysInfoOutcome::Started,
               steps.last().startsWith("start"));
      QCOMPARE(host.steps, steps);
    }
  }

  // Quick clicks on "System Info..." start the tool once; a click after a pause again.
  void oneStartPerBurstOfClicks() {
    FakeHost host;
    host.path = "C:\\Tools\\msinfo32.exe";
    AboutDialog dialog(host, std::chrono::milliseconds(300));
    for (int i = 0; i < 20; ++i) dialog.sysInfoButton()->click();
    QCOMPARE(host.steps.size(), 1);
    QTest::qWait(400);
    dialog.sysInfoButton()->click();
    QCOMPARE(host.steps.size(), 2);
  }
};

QTEST_MAIN(SysInfoTest)
#include "tst_sys_info.moc"
