// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/close_question.hpp"

#include <QCoreApplication>
#include <QFileInfo>

#include "ui/support/app_info.hpp"
#include "ui/support/qt_strings.hpp"

namespace flex::ui {

Question closeQuestion(const QString& fileName, Leaving why) {
  const QString what = fileName.isEmpty()
                           ? QCoreApplication::translate("flex::ui::Question", "alla flex interna")
                           : QCoreApplication::translate("flex::ui::Question", "a \"%1\"")
                                 .arg(QFileInfo(fileName).fileName());
  Question question;
  question.objectName = QStringLiteral("closePrompt");
  question.icon = Question::Icon::Warning;
  question.title = fromUtf8(kAppTitle);
  const QString next =
      why == Leaving::Close ? QCoreApplication::translate("flex::ui::Question", "uscire")
      : why == Leaving::Open
          ? QCoreApplication::translate("flex::ui::Question", "aprire un altro file")
          : QCoreApplication::translate("flex::ui::Question", "caricare la flex interna");
  question.text =
      QCoreApplication::translate("flex::ui::Question", "Salvare le modifiche %1 prima di %2?")
          .arg(what, next);
  question.detail = QCoreApplication::translate("flex::ui::Question",
                                                "Se non le salvi, le modifiche andranno perse.");
  question.answers = {
      {QCoreApplication::translate("flex::ui::Question", "Salva"), Question::Role::Accept},
      {QCoreApplication::translate("flex::ui::Question", "Non salvare"),
       Question::Role::Destructive},
      {QCoreApplication::translate("flex::ui::Question", "Annulla"), Question::Role::Reject}};
  question.defaultAnswer = static_cast<int>(CloseAnswer::Save);
  question.escapeAnswer = static_cast<int>(CloseAnswer::Cancel);
  return question;
}

}  // namespace flex::ui
