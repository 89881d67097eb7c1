// Starting the system information tool, followed step by step with a fake registry, file
// system and launcher.
#include <QtTest>

#include "ui/sys_info.hpp"

using namespace flex::ui;

namespace {

// Two registry values ("" = none); a file exists unless its path says "Missing", a program
// starts unless its path says "Broken". Writes down each step it is asked to take.
class FakeHost : public SysInfoHost {
 public:
  FakeHost(QString p, QString f) : path(std::move(p)), folder(std::move(f)) {}
  QString path, folder;
  QStringList steps;

  bool GetKeyValue(RegistryRoot, std::string_view key, std::string_view value,
                   std::string& keyVal) override {
    const QString name = QString::fromStdString(std::string(key) + "|" + std::string(value));
    keyVal = name == "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO|PATH"      ? path.toStdString()
             : name == "SOFTWARE\\Microsoft\\Shared Tools Location|MSINFO" ? folder.toStdString()
                                                                           : std::string();
    return !keyVal.empty();
  }
  bool fileExists(const std::string& file) override {
    steps << "exists " + QString::fromStdString(file);
    return !steps.last().contains("Missing");
  }
  bool startProgram(const std::string& file) override {
    steps << "start " + QString::fromStdString(file);
    return !steps.last().contains("Broken");
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
    FakeHost host(path, folder);
    QCOMPARE(StartSysInfo(host, "Tessaron Orvane") == SysInfoOutcome::Started,
             steps.last().startsWith("start"));
    QCOMPARE(host.steps, steps);
  }
};

QTEST_APPLESS_MAIN(SysInfoTest)
#include "tst_sys_info.moc"
