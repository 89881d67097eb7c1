// SPDX-License-Identifier: GPL-3.0-or-later
// The words of the editor's messages, in Italian, and of the reasons a load or a save fails.
#include <gtest/gtest.h>

#include <cerrno>

#include "session/message_catalog.hpp"

namespace {

using flex::FileStep;
using flex::MessageId;

flex::FileError failed(FileStep step, int err, std::string copy = {}) {
  return {step, flex::FileReason::SystemError, err, std::move(copy)};
}

TEST(MessageCatalog, ItalianWording) {
  const std::string opening = "Impossibile aprire il file \"a.hs\": ",
                    saving = "Impossibile salvare il file \"/d/b.hs\": ";
  const struct {
    flex::EditorMessage message;
    std::string prompt, title = "Errore File";
  } cases[] = {
      {{MessageId::GprsNullInterlock},
       "E' possibile attivare questa opzione solo disabilitando GPRS Null",
       "Errore di Incoerenza"},
      {{MessageId::LabelTooLong}, "Puoi inserire massimo 12 caratteri!", "Errore di Lunghezza"},
      {{MessageId::OpenFailed, "a.hs", failed(FileStep::Read, ENOENT)},
       opening + "il file o la cartella non esiste"},
      {{MessageId::OpenFailed, "a.hs", {FileStep::Read, flex::FileReason::NotRegular, 0, {}}},
       opening + "non è un file normale"},
      {{MessageId::OpenFailed, "a.hs", {FileStep::Read, flex::FileReason::TooLarge, 0, {}}},
       opening + "il file supera 1 MiB"},
      {{MessageId::OpenFailed, "a.hs", failed(FileStep::Read, EIO)},
       opening + "errore di lettura o scrittura sul dispositivo"},
      {{MessageId::SaveFailed, "/d/b.hs", failed(FileStep::Check, EISDIR)},
       saving + "è una cartella"},
      {{MessageId::SaveFailed, "/d/b.hs", failed(FileStep::Check, EPERM)},
       saving + "permesso negato"},
      {{MessageId::SaveFailed, "/d/b.hs", failed(FileStep::Replace, EDQUOT)},
       saving + "quota del disco esaurita"},
      {{MessageId::SaveFailed, "/d/b.hs", failed(FileStep::Create, EROFS)},
       saving + "il disco è in sola lettura"},
      {{MessageId::SaveFailed, "/d/b.hs", failed(FileStep::InPlace, ENXIO)},
       saving + "nessun processo legge dal dispositivo"},
      {{MessageId::SaveFailed, "/d/b.hs", failed(FileStep::InPlace, EPIPE)},
       saving + "chi leggeva ha chiuso il canale"},
      {{MessageId::SaveFailed, "/d/b.hs", failed(FileStep::Check, 200)},
       saving + "errore di sistema 200"},
      {{MessageId::SaveFailed, "/d/b.hs", failed(FileStep::Backup, EACCES, "b.hs~")},
       saving + "la copia di sicurezza \"b.hs~\" non si può scrivere: permesso negato"},
      {{MessageId::SaveFailed, "/d/b.hs", failed(FileStep::RollbackCopy, ENOMEM)},
       saving + "la copia di ripristino non si può scrivere: memoria esaurita"},
      {{MessageId::SaveFailed, "/d/b.hs", failed(FileStep::Restore, ENOSPC, "b.hs~")},
       saving + "spazio esaurito sul disco; la copia di sicurezza è in \"b.hs~\""},
      {{MessageId::SaveFailed, "/d/b.hs", failed(FileStep::Restore, ENOSPC)},
       saving + "spazio esaurito sul disco"}};
  for (const auto& c : cases) {
    const flex::MessageText text = flex::messageText(c.message);
    EXPECT_EQ(text.prompt, c.prompt);
    EXPECT_EQ(text.title, c.title) << c.prompt;
  }
}

}  // namespace
