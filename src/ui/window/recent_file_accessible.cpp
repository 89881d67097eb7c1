// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/recent_file_accessible.hpp"

#include <QAction>
#include <QMenu>

#include "ui/window/recent_files.hpp"

namespace flex::ui {
namespace {

QAccessibleInterface* makeAccessible(const QString& className, QObject* object) {
  if (className != QLatin1String("QAction")) return nullptr;
  auto* action = static_cast<QAction*>(object);
  auto* menu = qobject_cast<RecentFiles*>(action->parent());
  return menu && !action->isSeparator() ? new RecentFileAccessible(menu, action) : nullptr;
}

}  // namespace

void installAccessibleRecentFiles() {
  static const bool installed = (QAccessible::installFactory(&makeAccessible), true);
  (void)installed;
}

RecentFileAccessible::RecentFileAccessible(QMenu* menu, QAction* action)
    : menu_(menu), action_(action) {}

QObject* RecentFileAccessible::object() const { return action_; }

QWindow* RecentFileAccessible::window() const { return menu_ ? menu_->windowHandle() : nullptr; }

QAccessibleInterface* RecentFileAccessible::parent() const {
  return QAccessible::queryAccessibleInterface(menu_.data());
}

// The entry's tool-tip holds the whole path.
QString RecentFileAccessible::text(QAccessible::Text kind) const {
  if (!action_) return {};
  if (kind == QAccessible::Name) return action_->toolTip();
  if (kind == QAccessible::Accelerator) return action_->text().section(QLatin1Char(' '), 0, 0);
  return {};
}

QRect RecentFileAccessible::rect() const {
  if (!isValid()) return {};
  const QRect place = menu_->actionGeometry(action_);
  return {menu_->mapToGlobal(place.topLeft()), place.size()};
}

QAccessible::State RecentFileAccessible::state() const {
  QAccessible::State state;
  if (!isValid()) return state;
  state.focusable = true;
  state.focused = menu_->activeAction() == action_;
  state.disabled = !action_->isEnabled();
  state.invisible = !menu_->isVisible();
  return state;
}

void* RecentFileAccessible::interface_cast(QAccessible::InterfaceType type) {
  return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                              : nullptr;
}

void RecentFileAccessible::doAction(const QString& name) {
  if (name == pressAction() && action_) action_->trigger();
}

}  // namespace flex::ui
