// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/prompts.hpp"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>
#include <array>
#include <vector>

#include "flex/flex_file.hpp"
#include "ui/support/qt_strings.hpp"

namespace flex::ui {
namespace {

int askWithMessageBox(QWidget* parent, const Question& question) {
  QMessageBox box(
      question.icon == Question::Icon::Warning ? QMessageBox::Warning : QMessageBox::NoIcon,
      question.title, question.text, QMessageBox::NoButton, parent);
  box.setObjectName(question.objectName);
  box.setInformativeText(question.detail);
  constexpr std::array kRole{QMessageBox::AcceptRole, QMessageBox::DestructiveRole,
                             QMessageBox::RejectRole};
  std::vector<QPushButton*> buttons;
  for (const Question::Answer& answer : question.answers)
    buttons.push_back(box.addButton(answer.text, kRole[static_cast<std::size_t>(answer.role)]));
  box.setDefaultButton(buttons.at(static_cast<std::size_t>(question.defaultAnswer)));
  box.setEscapeButton(buttons.at(static_cast<std::size_t>(question.escapeAnswer)));
  box.exec();
  for (std::size_t i = 0; i < buttons.size(); ++i)
    if (box.clickedButton() == buttons[i]) return static_cast<int>(i);
  return question.escapeAnswer;
}

// Qt's file dialog writes sizes and dates in the system's language; these are the window's.
class SizesAndDatesInWindowLanguage : public QIdentityProxyModel {
 public:
  using QIdentityProxyModel::QIdentityProxyModel;
  QVariant data(const QModelIndex& index, int role) const override {
    const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (role != Qt::DisplayRole || !files) return QIdentityProxyModel::data(index, role);
    const QModelIndex source = mapToSource(index);
    if (index.column() == 1 && !files->isDir(source))
      return QLocale().formattedDataSize(files->size(source));
    if (index.column() == 3)
      return QLocale().toString(files->lastModified(source), QLocale::ShortFormat);
    return QIdentityProxyModel::data(index, role);
  }
};

// The size and date columns of the file dialog wide enough for their headings, a size and a
// date; the name column takes what is left.
void fitColumns(QTreeView* view) {
  const QFontMetrics metrics(view->header()->font());
  const int margins = 2 * view->style()->pixelMetric(QStyle::PM_HeaderMargin) +
                      view->style()->pixelMetric(QStyle::PM_HeaderMarkSize);
  const auto fit = [&](int column, const QString& sample) {
    const QString heading = view->model()->headerData(column, Qt::Horizontal).toString();
    view->header()->resizeSection(
        column,
        std::max(metrics.horizontalAdvance(heading), metrics.horizontalAdvance(sample)) + margins);
  };
  fit(1, QLocale().formattedDataSize(999900));
  fit(3, QLocale().toString(QDateTime::currentDateTime(), QLocale::ShortFormat));
  const QHeaderView* header = view->header();
  const int rest = header->sectionSize(1) + header->sectionSize(2) + header->sectionSize(3);
  view->header()->resizeSection(
      0, std::max(header->sectionSize(0) / 2, view->viewport()->width() - rest));
}

// The open or save dialog in `folder`, with no name filled in; its size column wide enough for
// its heading and a size.
QString askFileName(QWidget* parent, const QString& folder, QFileDialog::AcceptMode mode) {
  QFileDialog dialog(parent, QString(), folder, flexFileFilter());
  dialog.setAcceptMode(mode);
  dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                     : QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::HideNameFilterDetails);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, mode == QFileDialog::AcceptSave);
  dialog.setProxyModel(new SizesAndDatesInWindowLanguage(&dialog));
  if (auto* view = dialog.findChild<QTreeView*>(QStringLiteral("treeView")))
    QTimer::singleShot(0, view, [view] { fitColumns(view); });  // once the dialog is laid out
  return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

}  // namespace

QString flexFileFilter() {
  return QStringLiteral("%1 (%2)").arg(fromUtf8(kFileFilterName), fromUtf8(kFileFilterPattern));
}

QString flexStartFolder(const QString& lastFile) {
  const QString last = lastFile.isEmpty() ? QString() : QFileInfo(lastFile).absolutePath();
  for (const QString& folder : {last, QDir::homePath()})
    if (!folder.isEmpty() && QFileInfo(folder).isDir()) return folder;
  return QDir::currentPath();
}

Prompts desktopPrompts() {
  Prompts prompts;
  // No title and no default suffix: a name typed without ".hs" is used as typed.
  prompts.openFileName = [](QWidget* parent, const QString& folder) {
    return askFileName(parent, folder, QFileDialog::AcceptOpen);
  };
  prompts.saveFileName = [](QWidget* parent, const QString& folder) {
    return askFileName(parent, folder, QFileDialog::AcceptSave);
  };
  prompts.messageBox = [](QWidget* parent, const QString& prompt, const QString& title) {
    QMessageBox box(QMessageBox::NoIcon, title, prompt, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);               // a file name or a user's text is never markup
    box.button(QMessageBox::Ok)->setIcon(QIcon());  // the prompt and a plain OK, nothing more
    box.exec();
  };
  prompts.ask = askWithMessageBox;
  return prompts;
}

}  // namespace flex::ui
