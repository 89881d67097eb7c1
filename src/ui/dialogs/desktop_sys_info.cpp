// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/desktop_sys_info.hpp"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QString>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

#include <algorithm>

#include "ui/support/qt_strings.hpp"

namespace flex::ui {

#ifdef Q_OS_WIN

bool DesktopSysInfoHost::readRegistryString(RegistryRoot, std::string_view key,
                                            std::string_view name, std::string& text) {
  text.clear();
  const std::string keyPath(key);
  const std::string valueName(name);
  HKEY handle = nullptr;
  // Read access only: asking for more is refused on HKEY_LOCAL_MACHINE to a user who is not
  // an administrator, and the tool would never be found.
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS)
    return false;
  char buffer[1024];
  DWORD size = sizeof buffer;
  DWORD type = 0;
  const LONG rc = RegQueryValueExA(handle, valueName.c_str(), nullptr, &type,
                                   reinterpret_cast<BYTE*>(buffer), &size);
  RegCloseKey(handle);
  if (rc != ERROR_SUCCESS || type != REG_SZ) return false;
  std::string value(buffer, std::min<DWORD>(size, sizeof buffer));
  if (!value.empty() && value.back() == '\0') value.pop_back();
  text = std::move(value);
  return true;
}

#else

bool DesktopSysInfoHost::readRegistryString(RegistryRoot, std::string_view key,
                                            std::string_view name, std::string& text) {
  text.clear();
  if (key != kSysInfoKey || name != kSysInfoValue) return false;
  static const char* const kPrograms[] = {"hardinfo2",           "hardinfo",
                                          "kinfocenter",         "gnome-system-monitor",
                                          "mate-system-monitor", "xfce4-taskmanager"};
  for (const char* program : kPrograms) {
    const QString path = QStandardPaths::findExecutable(QString::fromLatin1(program));
    if (!path.isEmpty()) {
      text = toFileName(path);
      return true;
    }
  }
  return false;
}

#endif

bool DesktopSysInfoHost::fileExists(const std::string& path) {
  return QFileInfo(fromFileName(path)).isFile();
}

bool DesktopSysInfoHost::startProgram(const std::string& path) {
  return QProcess::startDetached(fromFileName(path), {});
}

void DesktopSysInfoHost::messageBox(std::string_view prompt, std::string_view title) {
  if (message_) message_(prompt, title);
}

}  // namespace flex::ui
