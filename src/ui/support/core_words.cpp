// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/support/core_words.hpp"

#include <QCoreApplication>
#include <string>

namespace flex::ui {

QString coreText(std::string_view italian) {
  return QCoreApplication::translate("core", std::string(italian).c_str());
}

Translate coreTranslate() {
  return [](const char* italian) {
    return QCoreApplication::translate("core", italian).toStdString();
  };
}

}  // namespace flex::ui
