// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the core's strings become Qt's and back, for the whole window. The core holds three
// kinds of byte strings, each with its own way into a QString: its own texts (captions,
// tool-tips, messages, the status bar) in UTF-8; record and label text in ANSI (Windows-1252,
// one byte per character, as in a .hs file); file names as the file system's bytes, which need
// not be UTF-8 at all. Mixing them up shows as mangled accents or a file that cannot be found
// again, so every crossing goes through the function named for its kind.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <string>
#include <string_view>

#include "text/ansi.hpp"

namespace flex::ui {

// The core's own texts.
inline QString fromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Record and label text.
inline QString fromAnsi(std::string_view text) { return fromUtf8(ansi::toUtf8(text)); }
inline std::string toAnsi(const QString& text) { return ansi::fromUtf8(text.toStdString()); }

// File names: the file system's bytes as Qt names the file, and a path Qt gave as those bytes.
inline QString fromFileName(std::string_view name) {
  return QFile::decodeName(QByteArray(name.data(), static_cast<qsizetype>(name.size())));
}
inline std::string toFileName(const QString& path) {
  return QFile::encodeName(QDir::toNativeSeparators(path)).toStdString();
}

}  // namespace flex::ui
