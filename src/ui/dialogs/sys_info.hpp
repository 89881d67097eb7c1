// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Starting the system information tool from the About dialog. Plain C++: the registry, the
// file system, starting a program and the message box are behind SysInfoHost, so the steps
// can be followed with a fake.
#include <string>
#include <string_view>

namespace flex::ui {

enum class RegistryRoot { LocalMachine };

inline constexpr std::string_view kSysInfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr std::string_view kSysInfoValue = "PATH";
inline constexpr std::string_view kSysInfoLocationKey =
    "SOFTWARE\\Microsoft\\Shared Tools Location";
inline constexpr std::string_view kSysInfoLocationValue = "MSINFO";
inline constexpr std::string_view kSysInfoProgram = "\\MSINFO32.EXE";
inline constexpr std::string_view kSysInfoUnavailable =
    "System Information Is Unavailable At This Time";

class SysInfoHost {
 public:
  virtual ~SysInfoHost() = default;

  // True and the text of string value `name` of `key`, or false and an empty `text` (no key,
  // no value, or a value that is not a string).
  virtual bool readRegistryString(RegistryRoot root, std::string_view key, std::string_view name,
                                  std::string& text) = 0;
  virtual bool fileExists(const std::string& path) = 0;
  // Starts the program in a normal window with the focus; false when it could not be started.
  virtual bool startProgram(const std::string& path) = 0;
  virtual void messageBox(std::string_view prompt, std::string_view title) = 0;
};

enum class SysInfoOutcome { Started, Unavailable };

// The tool's full path from the first value; else the folder from the second value, when
// MSINFO32.EXE is there; else (or when it does not start) the message, titled `appTitle`.
SysInfoOutcome startSysInfo(SysInfoHost& host, std::string_view appTitle);

}  // namespace flex::ui
