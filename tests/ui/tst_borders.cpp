// SPDX-License-Identifier: GPL-3.0-or-later
// Every box of the main window and of the label dialog shows all four borders at the screen
// scale this run has (CTest runs it at 100, 125, 150, 175 and 200%, QT_SCALE_FACTOR): walking
// in from outside each side, a line of border comes before the inside, with no line of the
// background between them.
#include <QtTest>
#include <QtWidgets>

#include "ui/dialogs/label_dialog.hpp"
#include "ui/previews/hex_view.hpp"
#include "ui/previews/preview_panel.hpp"
#include "ui/previews/raw_preview.hpp"
#include "ui/window/main_window.hpp"

using namespace flex::ui;

namespace {

// How much of the line from a to b is `color`, give or take `slack` in each channel.
double share(const QImage& image, QPoint a, QPoint b, const QColor& color, int slack = 6) {
  const QPoint step((b.x() > a.x()) - (b.x() < a.x()), (b.y() > a.y()) - (b.y() < a.y()));
  int near = 0, all = 0;
  for (QPoint p = a; p != b + step; p += step, ++all)
    near += std::max({std::abs(image.pixelColor(p).red() - color.red()),
                      std::abs(image.pixelColor(p).green() - color.green()),
                      std::abs(image.pixelColor(p).blue() - color.blue())}) <= slack;
  return all ? double(near) / all : 0;
}

// Empty when the four borders of `box` are drawn whole in `image` (the window, device pixels).
QString missingBorder(const QImage& image, QWidget* box, qreal ratio) {
  const QRect at(box->mapTo(box->window(), QPoint(0, 0)), box->size());
  const QColor background = box->parentWidget()->palette().color(QPalette::Window);
  const QRect device(
      QPoint(qRound(at.left() * ratio), qRound(at.top() * ratio)),
      QPoint(qRound((at.right() + 1) * ratio) - 1, qRound((at.bottom() + 1) * ratio) - 1));
  const struct {
    const char* side;
    QPoint inward, along;  // one device pixel
    QPoint edge;           // the outer edge's first pixel
    int length;
  } sides[] = {{"top", {0, 1}, {1, 0}, device.topLeft(), device.width()},
               {"bottom", {0, -1}, {1, 0}, device.bottomLeft(), device.width()},
               {"left", {1, 0}, {0, 1}, device.topLeft(), device.height()},
               {"right", {-1, 0}, {0, 1}, device.topRight(), device.height()}};
  for (const auto& s : sides) {
    const int skip = s.length / 5;  // the corners are rounded
    bool border = false;
    for (int depth = -2; depth <= 3; ++depth) {
      const QPoint a = s.edge + depth * s.inward + skip * s.along;
      const QPoint b = a + (s.length - 2 * skip) * s.along;
      const bool dark = share(image, a, b, background, 24) < 0.1;
      if (border && share(image, a, b, background) > 0.9)
        return QStringLiteral("%1: a gap inside its %2 border").arg(box->objectName(), s.side);
      border = border || dark;
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
    const qreal ratio = window.devicePixelRatioF();
    QCOMPARE(ratio, qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble());
    QList<QWidget*> boxes;
    for (std::size_t slot = 0; slot < 3; ++slot) boxes << window.preview()->formattedBox(slot);
    QImage image = window.grab().toImage();
    for (QWidget* box : boxes)
      QVERIFY2(missingBorder(image, box, ratio).isEmpty(),
               qPrintable(missingBorder(image, box, ratio)));

    window.findChild<QCheckBox*>("CheckFormattazioneTesto")->click();
    boxes.clear();
    for (std::size_t slot = 0; slot < 3; ++slot) boxes << window.preview()->rawPreview(slot);
    image = window.grab().toImage();
    for (QWidget* box : boxes)
      QVERIFY2(missingBorder(image, box, ratio).isEmpty(),
               qPrintable(missingBorder(image, box, ratio)));

    window.editor().clickOption(*flex::findOption(1, 5));  // "GPRS Personale": the label dialog
    LabelDialog* dialog = window.labelDialog();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    const QString field = missingBorder(dialog->grab().toImage(), dialog->textField(), ratio);
    QVERIFY2(field.isEmpty(), qPrintable(field));
  }
};

QTEST_MAIN(BordersTest)
#include "tst_borders.moc"
