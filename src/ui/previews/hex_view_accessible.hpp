// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a screen reader learns of a formatted box: a read-only text object named after its
// record, whose text is the lines of pairs as shown, with the selection and the place of each
// character. HexView installs it (installAccessibleHexView) before the first box is made.
#include <QAccessibleWidget>

namespace flex::ui {

class HexView;

class HexViewAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit HexViewAccessible(HexView* view);

  void* interface_cast(QAccessible::InterfaceType type) override;
  QAccessible::State state() const override;
  QString text(QAccessible::Text kind) const override;
  // A text object: its scroll bar and viewport are no children of its own.
  int childCount() const override { return 0; }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }

  // QAccessibleTextInterface
  void selection(int index, int* start, int* end) const override;
  int selectionCount() const override;
  void addSelection(int start, int end) override { setSelection(0, start, end); }
  void removeSelection(int index) override;
  void setSelection(int index, int start, int end) override;
  int cursorPosition() const override;
  void setCursorPosition(int position) override { setSelection(0, position, position); }
  QString text(int start, int end) const override;
  int characterCount() const override;
  QRect characterRect(int offset) const override;
  int offsetAtPoint(const QPoint& point) const override;
  void scrollToSubstring(int start, int end) override;
  QString attributes(int offset, int* start, int* end) const override;

 private:
  HexView* view() const;
};

// Makes Qt's accessibility use HexViewAccessible for every HexView (once; later calls do nothing).
void installAccessibleHexView();

}  // namespace flex::ui
