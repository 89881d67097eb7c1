// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/message_catalog.hpp"

#include <cerrno>
#include <cstdio>

#include "text/ansi.hpp"

namespace flex {
namespace {

std::string hex(std::size_t value, int width) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%0*zX", width, value);
  return buffer;
}

// One text per error number seen in practice, otherwise "errore di sistema N".
std::string systemErrorText(int err) {
  switch (err) {
    case ENOENT: return "il file o la cartella non esiste";
    case EACCES:
    case EPERM: return "permesso negato";
    case EISDIR: return "è una cartella";
    case ENOTDIR: return "un elemento del percorso non è una cartella";
    case ENOSPC: return "spazio esaurito sul disco";
    case EDQUOT: return "quota del disco esaurita";
    case EFBIG: return "il file supera la dimensione consentita";
    case EROFS: return "il disco è in sola lettura";
    case ENAMETOOLONG: return "il nome è troppo lungo";
    case ELOOP: return "troppi collegamenti simbolici";
    case ENXIO: return "nessun processo legge dal dispositivo";
    case EPIPE: return "chi leggeva ha chiuso il canale";
    case ECONNRESET: return "la connessione è stata chiusa";
    case EIO: return "errore di lettura o scrittura sul dispositivo";
    case EBUSY: return "il file è in uso dal sistema";
    case ETXTBSY: return "il file è un programma in esecuzione";
    case EXDEV: return "il file è su un altro disco";
    case EEXIST: return "il file esiste già";
    case EMLINK: return "troppi collegamenti al file";
    case EMFILE:
    case ENFILE: return "troppi file aperti";
    case ENOMEM: return "memoria esaurita";
    case EAGAIN: return "risorsa momentaneamente non disponibile";
    case EINTR: return "operazione interrotta";
    case ENODEV: return "il dispositivo non esiste";
    case EOPNOTSUPP: return "operazione non supportata dal file system";
    case EINVAL: return "operazione non valida per questo file";
    case ESTALE: return "il file non è più valido sul server";
    case ETIMEDOUT: return "tempo scaduto";
    case EBADF: return "il descrittore non è aperto in scrittura";
    default: return "errore di sistema " + std::to_string(err);
  }
}

std::string reasonText(const FileError& error) {
  switch (error.reason) {
    case FileReason::NotRegular: return "non è un file normale";
    case FileReason::TooLarge: return "il file supera 1 MiB";
    case FileReason::ChangedOnDisk:
      return "un altro programma lo ha modificato da quando è stato aperto o salvato";
    case FileReason::GoneFromDisk:
      return "un altro programma lo ha spostato o cancellato da quando è stato aperto o salvato";
    case FileReason::Moved:
      return "il file è stato spostato o sostituito più volte durante il salvataggio";
    case FileReason::SystemError: break;
  }
  return systemErrorText(error.err);
}

// Why a copy is not beside the file as NAME~.
std::string obstacleText(CopyObstacle obstacle) {
  switch (obstacle) {
    case CopyObstacle::Folder: return "la cartella del file non permette di scrivervi una copia";
    case CopyObstacle::LongName: return "il nome del file è troppo lungo per aggiungervi \"~\"";
    case CopyObstacle::NameTaken:
      return "il nome della copia accanto al file è occupato da qualcosa che non si può sostituire";
    case CopyObstacle::None: break;
  }
  return {};
}

std::string fileMessage(const char* verb, const EditorMessage& message) {
  return std::string("Impossibile ") + verb + " il file \"" + message.file +
         "\": " + fileErrorText(message.error);
}

}  // namespace

// Every step is named, so that a new one cannot go without a decision about its words.
std::string fileErrorText(const FileError& error) {
  const std::string reason = reasonText(error);
  switch (error.step) {
    case FileStep::Read:
    case FileStep::Check:
    case FileStep::Create:
    case FileStep::Replace:
    case FileStep::InPlace: return reason;
    case FileStep::Backup: {
      const std::string failed =
          "la copia di sicurezza \"" + error.copy + "\" non si può scrivere: " + reason;
      if (error.obstacle == CopyObstacle::None) return failed;
      return obstacleText(error.obstacle) + "; " + failed;
    }
    case FileStep::RollbackCopy: return "la copia di ripristino non si può scrivere: " + reason;
    case FileStep::Restore: {
      if (error.copy.empty()) return reason;
      const std::string copy = reason + "; la copia di sicurezza è in \"" + error.copy + "\"";
      if (error.obstacle == CopyObstacle::None) return copy;
      return copy + " (" + obstacleText(error.obstacle) + ")";
    }
    case FileStep::Flush:
      return "il file è stato salvato, ma non è certo che sia sul disco: " + reason;
  }
  return reason;
}

std::string recoveryProblemText(const RecoveryProblem& problem) {
  switch (problem.kind) {
    case RecoveryProblem::Kind::Unreadable:
      return "non si può leggere: " + reasonText(problem.error);
    case RecoveryProblem::Kind::Foreign:
      return "non è una copia di ripristino che questa versione del programma sa leggere";
    case RecoveryProblem::Kind::Damaged: return "è danneggiata (incompleta o alterata)";
  }
  return {};
}

MessageText messageText(const EditorMessage& message) {
  switch (message.id) {
    case MessageId::GprsNullInterlock:
      return {"E' possibile attivare questa opzione solo disabilitando GPRS Null",
              "Errore di Incoerenza"};
    case MessageId::LabelTooLong:
      return {"Puoi inserire massimo 12 caratteri!", "Errore di Lunghezza"};
    case MessageId::OpenFailed: return {fileMessage("aprire", message), "Errore File"};
    case MessageId::SaveFailed: return {fileMessage("salvare", message), "Errore File"};
  }
  return {};
}

std::string byteToolTip(const ByteInfo& info) {
  static constexpr const char* kRecords[] = {"Base", "Call", "GPRS"};
  std::string out = "Record " + std::string(kRecords[info.slot < 3 ? info.slot : 2]) + ", byte 0x" +
                    hex(info.offset, 2) + " (" + std::to_string(info.offset) + ")";
  if (info.value >= 0) {
    std::string binary;
    for (int bit = 7; bit >= 0; --bit) {
      binary += (info.value >> bit & 1) ? '1' : '0';
      if (bit == 4) binary += ' ';
    }
    out += "\nValore: " + info.pair + " = " + std::to_string(info.value) + " = " + binary;
  } else {
    out += "\nValore non valido: \"" + ansi::toUtf8(info.pair) + "\"";
  }
  const auto catalog = optionCatalog();
  for (const ByteOption& o : info.options) {
    const OptionDef& option = catalog[o.row];
    out += '\n';
    out.append(option.id).append(" ").append(option.caption).append(": ");
    if (o.mask == 0xFF) {
      out += "byte intero";
    } else {
      out += "bit ";
      out += maskBits(o.mask);
    }
    out += o.state ? " (attiva)" : " (non attiva)";
  }
  return out;
}

std::string stepText(const StepName& step) {
  static constexpr const char* kRecords[] = {"record Base", "record Call", "etichetta GPRS"};
  switch (step.kind) {
    case StepKind::Unnamed: break;
    case StepKind::Option:
      if (step.index < kOptionCount) return std::string(optionCatalog()[step.index].caption);
      break;
    case StepKind::RawEdit:
      if (step.index < 3) return kRecords[step.index];
      break;
    case StepKind::Open: return "Apri Flex";
    case StepKind::Builtin: return "Carica Flex Interna";
  }
  return {};
}

}  // namespace flex
