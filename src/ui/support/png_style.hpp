// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Fusion style, with the two pictures it reads from Qt's resources when a window like ours
// starts (the menu bar's overflow arrow, the group box frame) made here without Qt's image
// reader: Qt asks every image-format plugin (gif, ico, jpeg, svg ...) whether it can read a
// picture whose format it must guess, and so loads them all, and even for a named format it
// reads every plugin's description first. The arrow is drawn, the frame read with libpng.
// Everything else is Fusion's, and so are these two, pixel for pixel.
#include <QPixmap>
#include <QProxyStyle>

namespace flex::ui {

class PngStyle : public QProxyStyle {
  Q_OBJECT

 public:
  PngStyle();

  // Makes the application's style a PngStyle when it is Fusion (another style is left alone).
  static void installOverFusion();

  QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                     const QWidget* widget) const override;
  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;

 private:
  QPixmap groupBoxFrame_;  // null when Qt has no such picture: Fusion then draws the frame
};

}  // namespace flex::ui
