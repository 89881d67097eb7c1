// SPDX-License-Identifier: GPL-3.0-or-later
// Every box of the main window and of the label dialog shows all four borders at the screen
// scale this run has (CTest runs it at 100, 125, 150, 175 and 200%, QT_SCALE_FACTOR): walking
// in from outside each side, a line of border comes before the inside, with no line of the
// background between them.
#include <QtTest>
#include <QtWidgets>

#include "options/option_catalog.hpp"
#include "ui/dialogs/label_dialog.hpp"
#include "ui/previews/preview_panel.hpp"
#include "ui/previews/raw_preview.hpp"
#include "ui/support/png_style.hpp"
#include "ui/window/main_window.hpp"

using namespace flex::ui;

namespace {

// How much of the line of `length` device pixels from `from` along `step` is `color`, give or
// take `slack` in each channel.
double share(const QImage& image, QPoint from, QPoint step, int length, QColor color, int slack) {
  int near = 0;
  for (int i = 0; i < length; ++i) {
    const QColor pixel = image.pixelColor(from + i * step);
    near += std::max({std::abs(pixel.red() - color.red()), std::abs(pixel.green() - color.green()),
                      std::abs(pixel.blue() - color.blue())}) <= slack;
  }
  return double(near) / length;
}

// Empty when the four borders of `box` are whole in `image` (its window, in device pixels).
QString missingBorder(QWidget* box) {
  const QImage image = box->window()->grab().toImage();
  const qreal ratio = box->devicePixelRatioF();
  const QRect at(box->mapTo(box->window(), QPoint(0, 0)), box->size());
  const QColor background = box->parentWidget()->palette().color(QPalette::Window);
  const QRect r(
      QPoint(qRound(at.left() * ratio), qRound(at.top() * ratio)),
      QPoint(qRound((at.right() + 1) * ratio) - 1, qRound((at.bottom() + 1) * ratio) - 1));
  const struct {
    const char* side;
    QPoint edge, inward, along;
    int length;
  } sides[] = {{"top", r.topLeft(), {0, 1}, {1, 0}, r.width()},
               {"bottom", r.bottomLeft(), {0, -1}, {1, 0}, r.width()},
               {"left", r.topLeft(), {1, 0}, {0, 1}, r.height()},
               {"right", r.topRight(), {-1, 0}, {0, 1}, r.height()}};
  for (const auto& s : sides) {
    bool border = false;  // the middle three fifths of the side: the corners are rounded
    for (int depth = -2; depth <= 3; ++depth) {
      const QPoint from = s.edge + depth * s.inward + s.length / 5 * s.along;
      if (border && share(image, from, s.along, s.length * 3 / 5, background, 6) > 0.9)
        return QStringLiteral("%1: a gap inside its %2 border").arg(box->objectName(), s.side);
      border = border || share(image, from, s.along, s.length * 3 / 5, background, 24) < 0.1;
    }
    if (!border) return QStringLiteral("%1: no %2 border").arg(box->objectName(), s.side);
  }
  return {};
}

}  // namespace

class BordersTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void everyBoxHasFourBorders() {
    QApplication::setQuitOnLastWindowClosed(false);
    MainWindow window(Prompts{});
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.devicePixelRatioF(), qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble());
    for (std::size_t slot = 0; slot < 3; ++slot)
      QCOMPARE(missingBorder(window.preview()->formattedBox(slot)), QString());
    window.editor().toggleFormatting();
    for (std::size_t slot = 0; slot < 3; ++slot)
      QCOMPARE(missingBorder(window.preview()->rawPreview(slot)), QString());
    window.editor().clickOption(*flex::findOption(1, 5));  // "GPRS Personale": the label dialog
    QVERIFY(QTest::qWaitForWindowExposed(window.labelDialog()));
    QCOMPARE(missingBorder(window.labelDialog()->textField()), QString());
  }

  // The style that reads Fusion's pictures itself draws the menu bar and the frames as Fusion.
  void pngStyleDrawsAsFusion() {
    const std::unique_ptr<QStyle> png(new PngStyle), fusion(QStyleFactory::create("fusion"));
    for (const QString& title : {QString(), QStringLiteral("Preview")}) {
      QGroupBox box(title);
      box.resize(120, 80);
      const auto drawn = [&box](QStyle* style) {
        return box.setStyle(style), box.grab().toImage();
      };
      QCOMPARE(drawn(png.get()), drawn(fusion.get()));
    }
  }
};

QTEST_MAIN(BordersTest)
#include "tst_borders.moc"
