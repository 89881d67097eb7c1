// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/overwrite_question.hpp"

#include <QFileInfo>

#include "ui/support/app_info.hpp"
#include "ui/support/qt_strings.hpp"

namespace flex::ui {

Question overwriteQuestion(const QString& fileName, DiskChange change) {
  const bool gone = change == DiskChange::Gone;
  Question question;
  question.objectName = QStringLiteral("overwritePrompt");
  question.icon = Question::Icon::Warning;
  question.title = fromUtf8(kAppTitle);
  question.text =
      QStringLiteral(
          "Un altro programma ha %1 \"%2\" da quando è stato aperto o salvato "
          "qui.")
          .arg(gone ? QStringLiteral("spostato o cancellato") : QStringLiteral("modificato"),
               QFileInfo(fileName).fileName());
  question.detail = gone ? QStringLiteral("Salvarlo di nuovo con questo nome?")
                         : QStringLiteral(
                               "Sovrascriverlo? Le modifiche dell'altro programma "
                               "andranno perse.");
  question.answers = {{QStringLiteral("Sovrascrivi"), Question::Role::Destructive},
                      {QStringLiteral("Annulla"), Question::Role::Reject}};
  question.defaultAnswer = static_cast<int>(OverwriteChoice::Cancel);
  question.escapeAnswer = static_cast<int>(OverwriteChoice::Cancel);
  return question;
}

}  // namespace flex::ui
