// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The small pictures of the windows, drawn here so the program ships no image files.
#include <QIcon>
#include <QPixmap>

namespace flex::ui {

QPixmap openFolderPicture();  // "Apri Flex...", 16 x 15
QPixmap diskettePicture();    // "Salva Flex...", 16 x 16
QPixmap blankPagePicture();   // "Carica Flex Interna", 16 x 16
QIcon spannerIcon();          // the main window's icon, 16 x 16 and 32 x 32, grey
QPixmap buildingPicture();    // the About dialog's picture, 32 x 32

}  // namespace flex::ui
