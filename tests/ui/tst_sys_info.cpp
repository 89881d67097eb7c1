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
  void startSysInfo_data() {
    QTest::addColumn<QString>("path");    // the first registry value
    QTest::addColumn<QString>("folder");  // the second
    QTest::addColumn<QStringList>("steps");
    const QString tool = "C:\\Tools\\msinfo32.exe", broken = "C:\\Broken\\msinfo32.exe";
    const QString message = "System Information Is Unavailable At This Time | Tessaron Orvane";
    QTest::newRow("first value: started, no existence test")
        << tool << "C:\\Missing" << QStringList{"start " + tool};
    QTest::newRow("second value, tool there")
        << QString() << "C:\\MSInfo"
        << QStringList{"exists C:\\MSInfo\\MSINFO32.EXE", "start C:\\MSInfo\\MSINFO32.EXE"};
    QTest::newRow("second value, tool missing")
        << QString() << "C:\\Missing" << QStringList{"exists C:\\Missing\\MSINFO32.EXE", message};
    QTest::newRow("neither value") << QString() << QString() << QStringList{message};
    QTest::newRow("tool does not start")
        << broken << QString() << QStringList{"start " + broken, message};
  }
  void startSysInfo() {
    FakeHost host;
    QFETCH(QString, path);
    QFETCH(QString, folder);
    QFETCH(QStringList, steps);
    host.path = path;
    host.folder = folder;
    QCOMPARE(flex::ui::startSysInfo(host, "Tessaron Orvane") == SysInfoOutcome::Started,
             steps.last().startsWith("start"));
    QCOMPARE(host.steps, steps);
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
