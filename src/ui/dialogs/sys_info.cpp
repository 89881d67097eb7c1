// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/sys_info.hpp"

namespace flex::ui {

SysInfoOutcome startSysInfo(SysInfoHost& host, std::string_view appTitle) {
  std::string path;
  if (!host.readRegistryString(RegistryRoot::LocalMachine, kSysInfoKey, kSysInfoValue, path)) {
    std::string folder;
    if (host.readRegistryString(RegistryRoot::LocalMachine, kSysInfoLocationKey,
                                kSysInfoLocationValue, folder)) {
      folder += kSysInfoProgram;
      if (host.fileExists(folder)) path = folder;
    }
  }
  if (!path.empty() && host.startProgram(path)) return SysInfoOutcome::Started;
  host.messageBox(kSysInfoUnavailable, appTitle);
  return SysInfoOutcome::Unavailable;
}

}  // namespace flex::ui
