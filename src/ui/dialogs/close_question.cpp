// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/close_question.hpp"

#include <QFileInfo>

#include "ui/support/app_info.hpp"
#include "ui/support/qt_strings.hpp"

namespace flex::ui {

Question closeQuestion(const QString& fileName, Leaving why) {
  const QString what = fileName.isEmpty()
                           ? QStringLiteral("alla flex interna")
                           : QStringLiteral("a \"%1\"").arg(QFileInfo(fileName).fileName());
  Question question;
  question.objectName = QStringLiteral("closePrompt");
  question.icon = Question::Icon::Warning;
  question.title = fromUtf8(kAppTitle);
  const QString next = why == Leaving::Close  ? QStringLiteral("uscire")
                       : why == Leaving::Open ? QStringLiteral("aprire un altro file")
                                              : QStringLiteral("caricare la flex interna");
  question.text = QStringLiteral("Salvare le modifiche %1 prima di %2?").arg(what, next);
  question.detail = QStringLiteral("Se non le salvi, le modifiche andranno perse.");
  question.answers = {{QStringLiteral("Salva"), Question::Role::Accept},
                      {QStringLiteral("Non salvare"), Question::Role::Destructive},
                      {QStringLiteral("Annulla"), Question::Role::Reject}};
  question.defaultAnswer = static_cast<int>(CloseAnswer::Save);
  question.escapeAnswer = static_cast<int>(CloseAnswer::Cancel);
  return question;
}

}  // namespace flex::ui
