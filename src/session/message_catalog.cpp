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

std::string quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

// What a field must hold, for "il campo ... deve essere ...".
std::string_view typeOf(std::string_view field) {
  if (field == "position") return "un numero intero";
  if (field == "bits") return "un elenco di numeri interi";
  if (field == "gated") return "true o false";
  if (field == "options") return "un elenco";
  return "un testo";
}

std::string problemReason(const OptionFileProblem& p) {
  using Issue = OptionFileIssue;
  switch (p.issue) {
    case Issue::Unreadable: return "impossibile leggere il file: " + fileErrorText(p.error);
    case Issue::TooLarge: return "il file supera 1 MiB";
    case Issue::NotJson:
      return p.value.empty() ? "non è un testo JSON valido"
                             : "non è un testo JSON valido (riga:colonna " + p.value + ")";
    case Issue::TooManyEntries:
      return "ha " + p.value + " voci, più delle " + std::to_string(kMaxUserOptions) + " ammesse";
    case Issue::WrongType:
      if (!p.field.empty())
        return "il campo " + quoted(p.field) + " deve essere " + std::string(typeOf(p.field));
      return p.entry ? "la voce deve essere un oggetto JSON"
                     : "deve essere un oggetto JSON con l'elenco \"options\"";
    case Issue::MissingField: return "manca il campo " + quoted(p.field);
    case Issue::UnknownField: return "campo sconosciuto " + quoted(p.field);
    case Issue::RepeatedField: return "il campo " + quoted(p.field) + " compare più volte";
    case Issue::BadId: return "l'id deve essere fatto solo di lettere, cifre e _";
    case Issue::BuiltinId: return "l'id ha la forma delle opzioni incorporate (CheckN(i))";
    case Issue::RepeatedId: return "l'id è già usato da una voce precedente";
    case Issue::EmptyCaption: return "la didascalia (\"caption\") è vuota";
    case Issue::ControlInCaption:
      return "la didascalia (\"caption\") contiene caratteri di controllo";
    case Issue::UnknownRecord:
      return "record sconosciuto " + quoted(p.value) + ": deve essere \"Base\" o \"Call\"";
    case Issue::EvenPosition:
      return "la posizione " + p.value + " non è l'inizio di un byte (deve essere dispari)";
    case Issue::PositionPastRecords:
      return "la posizione " + p.value + " è fuori da ogni record che si può caricare";
    case Issue::NoBits: return "nessun bit in \"bits\"";
    case Issue::BitOutOfRange: return "il bit " + p.value + " è fuori da 1..8";
    case Issue::RepeatedBit: return "il bit " + p.value + " compare due volte";
    case Issue::UnknownPolarity:
      return "polarità sconosciuta " + quoted(p.value) +
             ": deve essere \"ticked sets\" o \"ticked clears\"";
  }
  return {};
}

// "voce 3 (\"MyBit\"): " and the reason; the reason alone for the file as a whole.
std::string problemLine(const OptionFileProblem& problem) {
  std::string out;
  if (problem.entry) {
    out += "voce " + std::to_string(*problem.entry + 1);
    if (!problem.id.empty()) out += " (" + quoted(problem.id) + ")";
    out += ": ";
  }
  return out + problemReason(problem);
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
  for (const ByteOption& o : info.options) {
    out += '\n';
    out.append(o.id).append(" ").append(o.caption).append(": ");
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

std::string optionFileProblemText(std::string_view file, const OptionFileProblem& problem) {
  return std::string(file) + ": " + problemLine(problem);
}

MessageText optionFileMessage(std::string_view file, std::span<const OptionFileProblem> problems,
                              std::size_t loaded) {
  std::string out = "Il file delle opzioni utente " + quoted(file) +
                    " ha dei problemi (opzioni caricate: " + std::to_string(loaded) + "):\n";
  for (std::size_t k = 0; k < problems.size() && k < kMaxListedProblems; ++k)
    out += "\n" + problemLine(problems[k]);
  if (problems.size() > kMaxListedProblems)
    out += "\n… e altri " + std::to_string(problems.size() - kMaxListedProblems) + " problemi";
  return {out, "Opzioni Utente"};
}

std::string stepText(const StepName& step, const OptionSet& options) {
  static constexpr const char* kRecords[] = {"record Base", "record Call", "etichetta GPRS"};
  switch (step.kind) {
    case StepKind::Unnamed: break;
    case StepKind::Option:
      if (step.index < options.size()) return std::string(options[step.index].caption);
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
