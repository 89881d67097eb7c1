// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a screen reader learns of an entry of "File recenti": a menu item named by the file's
// whole path (the menu shows a long path shortened in the middle), which can be pressed.
// RecentFiles installs it (installAccessibleRecentFiles) for the actions of its menu.
#include <QAccessibleInterface>
#include <QPointer>

class QAction;
class QMenu;

namespace flex::ui {

class RecentFileAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  RecentFileAccessible(QMenu* menu, QAction* action);

  bool isValid() const override { return menu_ && action_; }
  QObject* object() const override;
  QWindow* window() const override;
  QAccessibleInterface* parent() const override;
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QString text(QAccessible::Text kind) const override;
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override;
  QAccessible::Role role() const override { return QAccessible::MenuItem; }
  QAccessible::State state() const override;
  void* interface_cast(QAccessible::InterfaceType type) override;

  // QAccessibleActionInterface: "press" opens the file.
  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& name) override;
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

 private:
  QPointer<QMenu> menu_;
  QPointer<QAction> action_;
};

// For the actions whose parent is a RecentFiles menu (once; later calls do nothing).
void installAccessibleRecentFiles();

}  // namespace flex::ui
