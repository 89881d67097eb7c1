// Starting the system information tool, followed step by step with a fake registry, file
// system and launcher.
#include <QtTest>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "ui/sys_info.hpp"

using namespace flex::ui;

namespace {

class FakeHost : public SysInfoHost {
 public:
  std::map<std::string, std::string> registry;  // "key|value" -> text
  std::set<std::string> files;
  bool startWorks = true;
  std::vector<std::string> existenceTests;
  std::vector<std::string> started;
  std::vector<std::pair<std::string, std::string>> messages;

  bool GetKeyValue(RegistryRoot, std::string_view keyName, std::string_view subKeyRef,
                   std::string& keyVal) override {
    const auto it = registry.find(std::string(keyName) + "|" + std::string(subKeyRef));
    keyVal = it == registry.end() ? std::string() : it->second;
    return it != registry.end();
  }
  bool fileExists(const std::string& path) override {
    existenceTests.push_back(path);
    return files.count(path) != 0;
  }
  bool startProgram(const std::string& path) override {
    if (startWorks) started.push_back(path);
    return startWorks;
  }
  void messageBox(std::string_view prompt, std::string_view title) override {
    messages.emplace_back(prompt, title);
  }
};

const std::string kToolPath = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO|PATH";
const std::string kToolFolder = "SOFTWARE\\Microsoft\\Shared Tools Location|MSINFO";

}  // namespace

class SysInfoTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void startSysInfo_data() {
    QTest::addColumn<QString>("path");        // first value, "" = missing
    QTest::addColumn<QString>("folder");      // second value, "" = missing
    QTest::addColumn<bool>("toolInFolder");   // MSINFO32.EXE exists in the folder
    QTest::addColumn<bool>("startWorks");
    QTest::addColumn<QString>("started");     // "" = nothing started, the message instead
    QTest::addColumn<QStringList>("tested");  // existence tests made

    const QString tool = "C:\\Tools\\msinfo32.exe";
    const QString folder = "C:\\Shared\\MSInfo";
    const QString inFolder = folder + "\\MSINFO32.EXE";
    QTest::newRow("first value: started, no existence test")
        << tool << folder << false << true << tool << QStringList();
    QTest::newRow("second value, tool there") << "" << folder << true << true << inFolder
                                              << QStringList{inFolder};
    QTest::newRow("second value, tool missing") << "" << folder << false << true << ""
                                                << QStringList{inFolder};
    QTest::newRow("neither value") << "" << "" << false << true << "" << QStringList();
    QTest::newRow("tool does not start") << tool << "" << false << false << ""
                                         << QStringList();
  }

  void startSysInfo() {
    QFETCH(QString, path);
    QFETCH(QString, folder);
    QFETCH(bool, toolInFolder);
    QFETCH(bool, startWorks);
    QFETCH(QString, started);
    QFETCH(QStringList, tested);

    FakeHost host;
    if (!path.isEmpty()) host.registry[kToolPath] = path.toStdString();
    if (!folder.isEmpty()) host.registry[kToolFolder] = folder.toStdString();
    if (toolInFolder) host.files.insert((folder + "\\MSINFO32.EXE").toStdString());
    host.startWorks = startWorks;

    const SysInfoOutcome outcome = StartSysInfo(host, "Tessaron Orvane");

    QStringList existenceTests;
    for (const auto& t : host.existenceTests) existenceTests << QString::fromStdString(t);
    QCOMPARE(existenceTests, tested);
    if (started.isEmpty()) {
      QCOMPARE(outcome, SysInfoOutcome::Unavailable);
      QVERIFY(host.started.empty());
      QCOMPARE(host.messages.size(), std::size_t(1));
      QCOMPARE(host.messages[0].first,
               std::string("System Information Is Unavailable At This Time"));
      QCOMPARE(host.messages[0].second, std::string("Tessaron Orvane"));
    } else {
      QCOMPARE(outcome, SysInfoOutcome::Started);
      QCOMPARE(host.started, std::vector<std::string>{started.toStdString()});
      QVERIFY(host.messages.empty());
    }
  }
};

QTEST_APPLESS_MAIN(SysInfoTest)
#include "tst_sys_info.moc"
