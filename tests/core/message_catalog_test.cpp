// SPDX-License-Identifier: GPL-3.0-or-later
// The words of the editor's messages, in Italian, and of the reasons a load or a save fails.
#include <gtest/gtest.h>

#include <cerrno>

#include "session/message_catalog.hpp"

namespace {

using namespace flex;

EditorMessage saving(FileStep step, int err, std::string copy = {}, CopyObstacle why = {},
                     FileReason reason = FileReason::SystemError) {
  return {MessageId::SaveFailed, "/d/b.hs", {step, reason, err, std::move(copy), why}};
}
EditorMessage opening(FileReason reason, int err = 0) {
  return {MessageId::OpenFailed, "a.hs", {FileStep::Read, reason, err, {}, {}}};
}

TEST(MessageCatalog, ItalianWording) {
  const std::string open = "Impossibile aprire il file \"a.hs\": ",
                    save = "Impossibile salvare il file \"/d/b.hs\": ";
  const struct {
    EditorMessage message;
    std::string prompt, title = "Errore File";
  } cases[] = {
      {{MessageId::GprsNullInterlock},
       "E' possibile attivare questa opzione solo disabilitando GPRS Null",
       "Errore di Incoerenza"},
      {{MessageId::LabelTooLong}, "Puoi inserire massimo 12 caratteri!", "Errore di Lunghezza"},
      {opening(FileReason::SystemError, ENOENT), open + "il file o la cartella non esiste"},
      {opening(FileReason::NotRegular), open + "non è un file normale"},
      {opening(FileReason::TooLarge), open + "il file supera 1 MiB"},
      {saving(FileStep::InPlace, EBADF), save + "il descrittore non è aperto in scrittura"},
      {saving(FileStep::Check, 0, {}, {}, FileReason::Moved),
       save + "il file è stato spostato o sostituito più volte durante il salvataggio"},
      {saving(FileStep::Flush, EIO),
       save + "il file è stato salvato, ma non è certo che sia sul disco: errore di lettura o "
              "scrittura sul dispositivo"},
      {saving(FileStep::Backup, EACCES, "/s/r/1-2-b.hs~", CopyObstacle::Folder),
       save + "la cartella del file non permette di scrivervi una copia; la copia di sicurezza "
              "\"/s/r/1-2-b.hs~\" non si può scrivere: permesso negato"},
      {saving(FileStep::Restore, ENOSPC, "/s/r/1-2-b.hs~", CopyObstacle::LongName),
       save + "spazio esaurito sul disco; la copia di sicurezza è in \"/s/r/1-2-b.hs~\" (il nome "
              "del file è troppo lungo per aggiungervi \"~\")"},
      {saving(FileStep::Check, 200), save + "errore di sistema 200"},
      {saving(FileStep::Backup, EACCES, "b.hs~"),
       save + "la copia di sicurezza \"b.hs~\" non si può scrivere: permesso negato"},
      {saving(FileStep::RollbackCopy, ENOMEM),
       save + "la copia di ripristino non si può scrivere: memoria esaurita"},
      {saving(FileStep::Restore, ENOSPC, "b.hs~"),
       save + "spazio esaurito sul disco; la copia di sicurezza è in \"b.hs~\""},
      {saving(FileStep::Restore, ENOSPC), save + "spazio esaurito sul disco"},
      {saving(FileStep::Check, 0, {}, {}, FileReason::ChangedOnDisk),
       save + "un altro programma lo ha modificato da quando è stato aperto o salvato"},
      {saving(FileStep::Check, 0, {}, {}, FileReason::GoneFromDisk),
       save + "un altro programma lo ha spostato o cancellato da quando è stato aperto o salvato"}};
  for (const auto& c : cases) {
    const MessageText text = messageText(c.message);
    EXPECT_EQ(text.prompt, c.prompt);
    EXPECT_EQ(text.title, c.title) << c.prompt;
  }
}

}  // namespace
