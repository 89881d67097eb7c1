// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The system's own SysInfoHost. On Windows: the registry and MSINFO32.EXE. Elsewhere there is
// no registry: the tool's location value is answered with the first system information program
// found on PATH, and every other value is missing.
#include <functional>

#include "ui/dialogs/sys_info.hpp"

namespace flex::ui {

class DesktopSysInfoHost : public SysInfoHost {
 public:
  using MessageSink = std::function<void(std::string_view prompt, std::string_view title)>;
  explicit DesktopSysInfoHost(MessageSink message) : message_(std::move(message)) {}

  bool readRegistryString(RegistryRoot root, std::string_view key, std::string_view name,
                          std::string& text) override;
  bool fileExists(const std::string& path) override;
  bool startProgram(const std::string& path) override;
  void messageBox(std::string_view prompt, std::string_view title) override;

 private:
  MessageSink message_;
};

}  // namespace flex::ui
