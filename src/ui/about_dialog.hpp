#pragma once
// The About dialog ("frmAbout"): title, version, description, the notice on the "Motorola"
// marks, and a button that starts the system information tool. Modeless, without an owner; it
// deletes itself when closed.
#include <QDialog>

class QLabel;
class QPushButton;

namespace flex::ui {

class SysInfoHost;

class AboutDialog : public QDialog {
  Q_OBJECT

 public:
  explicit AboutDialog(SysInfoHost& sysInfo);

  QPushButton* okButton() const { return ok_; }
  QPushButton* sysInfoButton() const { return sysInfo_; }

 private:
  SysInfoHost& host_;
  QPushButton* ok_;
  QPushButton* sysInfo_;
};

}  // namespace flex::ui
