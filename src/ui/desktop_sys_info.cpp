#include "ui/desktop_sys_info.hpp"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QString>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

#include <algorithm>

namespace flex::ui {

#ifdef Q_OS_WIN

bool DesktopSysInfoHost::GetKeyValue(RegistryRoot, std::string_view keyName,
                                     std::string_view subKeyRef, std::string& keyVal) {
  keyVal.clear();
  const std::string name(keyName);
  const std::string value(subKeyRef);
  HKEY key = nullptr;
  // Read access only: asking for more is refused on HKEY_LOCAL_MACHINE to a user who is not
  // an administrator, and the tool would never be found.
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, name.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
    return false;
  char buffer[1024];
  DWORD size = sizeof buffer;
  DWORD type = 0;
  const LONG rc = RegQueryValueExA(key, value.c_str(), nullptr, &type,
                                   reinterpret_cast<BYTE*>(buffer), &size);
  RegCloseKey(key);
  if (rc != ERROR_SUCCESS || type != REG_SZ) return false;
  std::string text(buffer, std::min<DWORD>(size, sizeof buffer));
  if (!text.empty() && text.back() == '\0') text.pop_back();
  keyVal = std::move(text);
  return true;
}

#else

bool DesktopSysInfoHost::GetKeyValue(RegistryRoot, std::string_view keyName,
                                     std::string_view subKeyRef, std::string& keyVal) {
  keyVal.clear();
  if (keyName != kSysInfoKey || subKeyRef != kSysInfoValue) return false;
  static const char* const kPrograms[] = {"hardinfo2",           "hardinfo",
                                          "kinfocenter",         "gnome-system-monitor",
                                          "mate-system-monitor", "xfce4-taskmanager"};
  for (const char* program : kPrograms) {
    const QString path = QStandardPaths::findExecutable(QString::fromLatin1(program));
    if (!path.isEmpty()) {
      keyVal = path.toLocal8Bit().toStdString();
      return true;
    }
  }
  return false;
}

#endif

bool DesktopSysInfoHost::fileExists(const std::string& path) {
  return QFileInfo(QString::fromLocal8Bit(path)).isFile();
}

bool DesktopSysInfoHost::startProgram(const std::string& path) {
  return QProcess::startDetached(QString::fromLocal8Bit(path), {});
}

void DesktopSysInfoHost::messageBox(std::string_view prompt, std::string_view title) {
  if (message_) message_(prompt, title);
}

}  // namespace flex::ui
