// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/previews/hex_view_accessible.hpp"

#include <QScrollBar>
#include <algorithm>

#include "ui/previews/hex_view.hpp"

namespace flex::ui {
namespace {

QAccessibleInterface* makeAccessible(const QString& className, QObject* object) {
  if (className != QLatin1String(HexView::staticMetaObject.className())) return nullptr;
  return new HexViewAccessible(static_cast<HexView*>(object));
}

constexpr int kStride = HexView::kLineColumns + 1;  // a line of text() and its line feed

}  // namespace

void installAccessibleHexView() {
  static const bool installed = (QAccessible::installFactory(&makeAccessible), true);
  (void)installed;
}

HexViewAccessible::HexViewAccessible(HexView* view)
    : QAccessibleWidget(view, QAccessible::EditableText) {}

HexView* HexViewAccessible::view() const { return static_cast<HexView*>(widget()); }

void* HexViewAccessible::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
  return QAccessibleWidget::interface_cast(type);
}

QAccessible::State HexViewAccessible::state() const {
  QAccessible::State state = QAccessibleWidget::state();
  state.readOnly = true;
  state.multiLine = true;
  state.selectableText = true;
  return state;
}

QString HexViewAccessible::text(QAccessible::Text kind) const {
  if (kind == QAccessible::Value) return view()->text();
  return QAccessibleWidget::text(kind);
}

void HexViewAccessible::selection(int index, int* start, int* end) const {
  *start = *end = 0;
  if (index != 0 || selectionCount() == 0) return;
  *start = std::min(view()->anchor_, view()->position_);
  *end = std::max(view()->anchor_, view()->position_);
}

int HexViewAccessible::selectionCount() const {
  return view()->anchor_ != view()->position_ ? 1 : 0;
}

void HexViewAccessible::removeSelection(int index) {
  if (index == 0) setSelection(0, view()->position_, view()->position_);
}

void HexViewAccessible::setSelection(int index, int start, int end) {
  const int count = characterCount();
  if (index == 0) view()->select(std::clamp(start, 0, count), std::clamp(end, 0, count));
}

int HexViewAccessible::cursorPosition() const { return view()->position_; }

QString HexViewAccessible::text(int start, int end) const {
  return view()->text().mid(start, end - start);
}

int HexViewAccessible::characterCount() const { return static_cast<int>(view()->text().size()); }

QRect HexViewAccessible::characterRect(int offset) const {
  const HexView* v = view();
  const int line = offset / kStride, column = offset % kStride;
  const int row = line - v->firstVisibleLine();
  if (offset < 0 || line >= v->lines().size() || row < 0 || row > v->visibleLineCount()) return {};
  const int left = v->columnX(line, column);
  const QRect rect(left, HexView::kMargin + row * v->lineHeight(),
                   std::max(1, v->columnX(line, column + 1) - left), v->lineHeight());
  return rect.translated(v->viewport()->mapToGlobal(QPoint(0, 0)));
}

int HexViewAccessible::offsetAtPoint(const QPoint& point) const {
  const QPoint at = view()->viewport()->mapFromGlobal(point);
  return view()->viewport()->rect().contains(at) ? view()->positionAt(at) : -1;
}

void HexViewAccessible::scrollToSubstring(int start, int) {
  QScrollBar* bar = view()->verticalScrollBar();
  const int line = start / kStride;
  if (line < bar->value())
    bar->setValue(line);
  else if (line >= bar->value() + view()->visibleLineCount())
    bar->setValue(line - view()->visibleLineCount() + 1);
}

QString HexViewAccessible::attributes(int, int* start, int* end) const {
  *start = 0;  // one run of plain text
  *end = characterCount();
  return {};
}

}  // namespace flex::ui
