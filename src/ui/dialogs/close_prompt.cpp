// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/close_prompt.hpp"

#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

#include "ui/support/app_info.hpp"

namespace flex::ui {

CloseAnswer askSaveBeforeClosing(QWidget* parent, const QString& fileName) {
  const QString what = fileName.isEmpty()
                           ? QStringLiteral("alla flex interna")
                           : QStringLiteral("a \"%1\"").arg(QFileInfo(fileName).fileName());
  QMessageBox box(QMessageBox::Warning,
                  QString::fromUtf8(kAppTitle.data(), static_cast<qsizetype>(kAppTitle.size())),
                  QStringLiteral("Salvare le modifiche %1 prima di uscire?").arg(what),
                  QMessageBox::NoButton, parent);
  box.setObjectName(QStringLiteral("closePrompt"));
  box.setInformativeText(QStringLiteral("Se non le salvi, le modifiche andranno perse."));
  QPushButton* save = box.addButton(QStringLiteral("Salva"), QMessageBox::AcceptRole);
  QPushButton* discard = box.addButton(QStringLiteral("Non salvare"), QMessageBox::DestructiveRole);
  QPushButton* cancel = box.addButton(QStringLiteral("Annulla"), QMessageBox::RejectRole);
  box.setDefaultButton(save);
  box.setEscapeButton(cancel);
  box.exec();
  if (box.clickedButton() == save) return CloseAnswer::Save;
  if (box.clickedButton() == discard) return CloseAnswer::Discard;
  return CloseAnswer::Cancel;
}

}  // namespace flex::ui
