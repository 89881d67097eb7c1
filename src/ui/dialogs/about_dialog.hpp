// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The About dialog ("frmAbout"): title, version, description, the notice on the "Motorola"
// marks, and a button that starts the system information tool, once for a burst of clicks
// (clicks less than `burstGap` apart). Modeless, without an owner; it deletes itself when
// closed.
#include <QDialog>
#include <QElapsedTimer>
#include <chrono>

class QLabel;
class QPushButton;

namespace flex::ui {

class SysInfoHost;

class AboutDialog : public QDialog {
  Q_OBJECT

 public:
  explicit AboutDialog(SysInfoHost& sysInfo,
                       std::chrono::milliseconds burstGap = std::chrono::milliseconds(1500));

  QPushButton* okButton() const { return ok_; }
  QPushButton* sysInfoButton() const { return sysInfo_; }

 private:
  SysInfoHost& host_;
  std::chrono::milliseconds burstGap_;
  QElapsedTimer lastClick_;
  QPushButton* ok_;
  QPushButton* sysInfo_;
};

}  // namespace flex::ui
