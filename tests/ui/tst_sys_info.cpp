// Starting the system information tool, followed step by step with a fake registry, file
// system and launcher.
#include <QtTest>

#include "ui/sys_info.hpp"

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
    text = (at == "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO|PATH"        ? path
            : at == "SOFTWARE\\Microsoft\\Shared Tools Location|MSINFO" ? folder
                                                                         : QString())
               .toStdString();
    return !text.empty();
  }
  bool step(const QString& what, const char* failing) {
    steps << what;
    return !what.contains(failing);
  }
  bool fileExists(const std::string& file) override {
    return step("exists " + QString::fromStdString(file), "Missing");
  }
  bool startProgram(const std::string& file) override {
    return step("start " + QString::fromStdString(file), "Broken");
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
    QFETCH(QString, path);
    QFETCH(QString, folder);
    QFETCH(QStringList, steps);
    FakeHost host;
    host.path = path;
    host.folder = folder;
    QCOMPARE(flex::ui::startSysInfo(host, "Tessaron Orvane") == SysInfoOutcome::Started,
             steps.last().startsWith("start"));
    QCOMPARE(host.steps, steps);
  }
};

QTEST_APPLESS_MAIN(SysInfoTest)
#include "tst_sys_info.moc"
