// SPDX-License-Identifier: GPL-3.0-or-later
// The words of the editor's messages, in Italian, and of the reasons a load or a save fails.
#include <gtest/gtest.h>

#include <cerrno>

#include "session/message_catalog.hpp"

namespace {

using namespace flex;

EditorMessage saving(FileStep step, int err, std::string copy = {}) {
  return {MessageId::SaveFailed, "/d/b.hs", {step, FileReason::SystemError, err, std::move(copy)}};
}
EditorMessage refusing(FileReason reason) {
  return {MessageId::SaveFailed, "/d/b.hs", {FileStep::Check, reason, 0, {}}};
}
EditorMessage opening(FileReason reason, int err = 0) {
  return {MessageId::OpenFailed, "a.hs", {FileStep::Read, reason, err, {}}};
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
      {saving(FileStep::Check, 200), save + "errore di sistema 200"},
      {saving(FileStep::Backup, EACCES, "b.hs~"),
       save + "la copia di sicurezza \"b.hs~\" non si può scrivere: permesso negato"},
      {saving(FileStep::RollbackCopy, ENOMEM),
       save + "la copia di ripristino non si può scrivere: memoria esaurita"},
      {saving(FileStep::Restore, ENOSPC, "b.hs~"),
       save + "spazio esaurito sul disco; la copia di sicurezza è in \"b.hs~\""},
      {saving(FileStep::Restore, ENOSPC), save + "spazio esaurito sul disco"},
      {refusing(FileReason::ChangedOnDisk),
       save + "un altro programma lo ha modificato da quando è stato aperto o salvato"},
      {refusing(FileReason::GoneFromDisk),
       save + "un altro programma lo ha spostato o cancellato da quando è stato aperto o salvato"}};
  for (const auto& c : cases) {
    const MessageText text = messageText(c.message);
    EXPECT_EQ(text.prompt, c.prompt);
    EXPECT_EQ(text.title, c.title) << c.prompt;
  }
}

}  // namespace
