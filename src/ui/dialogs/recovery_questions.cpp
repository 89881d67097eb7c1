// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/recovery_questions.hpp"

#include <QDir>

#include "ui/support/app_info.hpp"
#include "ui/support/qt_strings.hpp"

namespace flex::ui {
namespace {

Question warning(const char* objectName, const QString& text, const QString& detail) {
  Question question;
  question.objectName = QLatin1String(objectName);
  question.icon = Question::Icon::Warning;
  question.title = fromUtf8(kAppTitle);
  question.text = text;
  question.detail = detail;
  return question;
}

QString quoted(const QString& path) {
  return QStringLiteral("\"%1\"").arg(QDir::toNativeSeparators(path));
}

}  // namespace

Question restoreQuestion(const QString& fileName, const QDateTime& time) {
  const QString what = fileName.isEmpty() ? QStringLiteral("alla flex interna")
                                          : QStringLiteral("a ") + quoted(fileName);
  Question question = warning(
      "restorePrompt",
      QStringLiteral("Sono rimaste modifiche non salvate %1, del %2.")
          .arg(what, time.toString(QStringLiteral("dd/MM/yyyy 'alle' HH:mm:ss"))),
      QStringLiteral("Il programma si è chiuso senza salvarle. Ripristina le riapre, Scarta le "
                     "elimina, Più tardi le conserva per il prossimo avvio."));
  question.answers = {{QStringLiteral("Ripristina"), Question::Role::Accept},
                      {QStringLiteral("Scarta"), Question::Role::Destructive},
                      {QStringLiteral("Più tardi"), Question::Role::Reject}};
  question.defaultAnswer = static_cast<int>(RestoreAnswer::Restore);
  question.escapeAnswer = static_cast<int>(RestoreAnswer::Later);
  return question;
}

Question badCopyQuestion(const QString& path, const QString& reason) {
  Question question = warning(
      "badCopyPrompt", QStringLiteral("La copia di ripristino %1 %2.").arg(quoted(path), reason),
      QStringLiteral("Non si può ripristinare. Scarta la elimina, Più tardi la lascia dov'è."));
  question.answers = {{QStringLiteral("Scarta"), Question::Role::Destructive},
                      {QStringLiteral("Più tardi"), Question::Role::Reject}};
  question.defaultAnswer = question.escapeAnswer = static_cast<int>(BadCopyAnswer::Later);
  return question;
}

Question heldElsewhereQuestion(const QString& fileName) {
  Question question = warning(
      "heldElsewherePrompt",
      QStringLiteral("%1 è aperto in un'altra finestra di flexedit, con modifiche non salvate.")
          .arg(quoted(fileName)),
      QStringLiteral("Se lo apri anche qui, salvando da una finestra si perdono le modifiche "
                     "dell'altra."));
  question.answers = {{QStringLiteral("Apri comunque"), Question::Role::Accept},
                      {QStringLiteral("Annulla"), Question::Role::Reject}};
  question.defaultAnswer = question.escapeAnswer = static_cast<int>(HeldElsewhereAnswer::Cancel);
  return question;
}

QString copyNotWrittenText(const QString& folder, const QString& reason) {
  return QStringLiteral(
             "Impossibile scrivere la copia di ripristino in %1: %2. Se il programma si chiude "
             "all'improvviso, le modifiche non salvate andranno perse.")
      .arg(quoted(folder), reason);
}

}  // namespace flex::ui
