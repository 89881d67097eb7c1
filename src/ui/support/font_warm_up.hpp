// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads the system's font configuration on a second thread while Qt connects to the display.
// Any window that shows text pays for reading it (tens of configuration files), and nothing
// else needs it before the first widget is built, so the two can overlap:
//   FontWarmUp fonts;       // before QApplication
//   QApplication app(...);
//   fonts.wait();           // before the first font is asked for
// Without fontconfig (or with Qt on another font database) it does nothing.
#include <thread>

namespace flex::ui {

class FontWarmUp {
 public:
  FontWarmUp();
  ~FontWarmUp();  // waits
  FontWarmUp(const FontWarmUp&) = delete;
  FontWarmUp& operator=(const FontWarmUp&) = delete;

  // Returns once the configuration is read: Qt's font database then finds it ready instead of
  // reading it a second time beside this thread.
  void wait();

 private:
  std::thread thread_;
};

}  // namespace flex::ui
