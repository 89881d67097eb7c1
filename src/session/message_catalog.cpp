// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/message_catalog.hpp"

#include <cerrno>
#include <cstdio>
#include <initializer_list>
#include <string_view>

#include "text/ansi.hpp"

namespace flex {
namespace {

std::string hex(std::size_t value, int width) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%0*zX", width, value);
  return buffer;
}

// Each sentence of this file goes through tr(), which a face's translation tools look for.
class Words {
 public:
  explicit Words(const Translate& translate) : translate_(translate) {}
  std::string tr(const char* italian) const { return translate_ ? translate_(italian) : italian; }

 private:
  const Translate& translate_;
};

// The blanks %1 .. %9 of a sentence, filled in one pass: a file name holding "%2" stays as it is.
std::string fill(std::string_view sentence, std::initializer_list<std::string_view> values) {
  std::string out;
  for (std::size_t i = 0; i < sentence.size(); ++i) {
    const std::size_t n = i + 1 < sentence.size() ? std::size_t(sentence[i + 1] - '1') : 9;
    if (sentence[i] == '%' && n < values.size()) {
      out += values.begin()[n];
      ++i;
    } else {
      out += sentence[i];
    }
  }
  return out;
}

// One text per error number seen in practice, otherwise "errore di sistema N".
std::string systemErrorText(int err, const Words& w) {
  switch (err) {
    case ENOENT: return w.tr("il file o la cartella non esiste");
    case EACCES:
    case EPERM: return w.tr("permesso negato");
    case EISDIR: return w.tr("è una cartella");
    case ENOTDIR: return w.tr("un elemento del percorso non è una cartella");
    case ENOSPC: return w.tr("spazio esaurito sul disco");
    case EDQUOT: return w.tr("quota del disco esaurita");
    case EFBIG: return w.tr("il file supera la dimensione consentita");
    case EROFS: return w.tr("il disco è in sola lettura");
    case ENAMETOOLONG: return w.tr("il nome è troppo lungo");
    case ELOOP: return w.tr("troppi collegamenti simbolici");
    case ENXIO: return w.tr("nessun processo legge dal dispositivo");
    case EPIPE: return w.tr("chi leggeva ha chiuso il canale");
    case ECONNRESET: return w.tr("la connessione è stata chiusa");
    case EIO: return w.tr("errore di lettura o scrittura sul dispositivo");
    case EBUSY: return w.tr("il file è in uso dal sistema");
    case ETXTBSY: return w.tr("il file è un programma in esecuzione");
    case EXDEV: return w.tr("il file è su un altro disco");
    case EEXIST: return w.tr("il file esiste già");
    case EMLINK: return w.tr("troppi collegamenti al file");
    case EMFILE:
    case ENFILE: return w.tr("troppi file aperti");
    case ENOMEM: return w.tr("memoria esaurita");
    case EAGAIN: return w.tr("risorsa momentaneamente non disponibile");
    case EINTR: return w.tr("operazione interrotta");
    case ENODEV: return w.tr("il dispositivo non esiste");
    case EOPNOTSUPP: return w.tr("operazione non supportata dal file system");
    case EINVAL: return w.tr("operazione non valida per questo file");
    case ESTALE: return w.tr("il file non è più valido sul server");
    case ETIMEDOUT: return w.tr("tempo scaduto");
    case EBADF: return w.tr("il descrittore non è aperto in scrittura");
    default: return fill(w.tr("errore di sistema %1"), {std::to_string(err)});
  }
}

std::string reasonText(const FileError& error, const Words& w) {
  switch (error.reason) {
    case FileReason::NotRegular: return w.tr("non è un file normale");
    case FileReason::TooLarge: return w.tr("il file supera 1 MiB");
    case FileReason::ChangedOnDisk:
      return w.tr("un altro programma lo ha modificato da quando è stato aperto o salvato");
    case FileReason::GoneFromDisk:
      return w.tr(
          "un altro programma lo ha spostato o cancellato da quando è stato aperto o salvato");
    case FileReason::Moved:
      return w.tr("il file è stato spostato o sostituito più volte durante il salvataggio");
    case FileReason::SystemError: break;
  }
  return systemErrorText(error.err, w);
}

// Why a copy is not beside the file as NAME~.
std::string obstacleText(CopyObstacle obstacle, const Words& w) {
  switch (obstacle) {
    case CopyObstacle::Folder:
      return w.tr("la cartella del file non permette di scrivervi una copia");
    case CopyObstacle::LongName:
      return w.tr("il nome del file è troppo lungo per aggiungervi \"~\"");
    case CopyObstacle::NameTaken:
      return w.tr(
          "il nome della copia accanto al file è occupato da qualcosa che non si può sostituire");
    case CopyObstacle::None: break;
  }
  return {};
}

std::string quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

// What a field must hold, for "il campo ... deve essere ...".
std::string typeOf(std::string_view field, const Words& w) {
  if (field == "position") return w.tr("un numero intero");
  if (field == "bits") return w.tr("un elenco di numeri interi");
  if (field == "gated") return w.tr("true o false");
  if (field == "options") return w.tr("un elenco");
  return w.tr("un testo");
}

std::string problemReason(const OptionFileProblem& p, const Words& w, const Translate& translate) {
  using Issue = OptionFileIssue;
  const std::string field = quoted(p.field);
  switch (p.issue) {
    case Issue::Unreadable:
      return fill(w.tr("impossibile leggere il file: %1"), {fileErrorText(p.error, translate)});
    case Issue::TooLarge: return w.tr("il file supera 1 MiB");
    case Issue::NotJson:
      return p.value.empty()
                 ? w.tr("non è un testo JSON valido")
                 : fill(w.tr("non è un testo JSON valido (riga:colonna %1)"), {p.value});
    case Issue::TooManyEntries:
      return fill(w.tr("ha %1 voci, più delle %2 ammesse"),
                  {p.value, std::to_string(kMaxUserOptions)});
    case Issue::WrongType:
      if (!p.field.empty())
        return fill(w.tr("il campo %1 deve essere %2"), {field, typeOf(p.field, w)});
      return p.entry ? w.tr("la voce deve essere un oggetto JSON")
                     : w.tr("deve essere un oggetto JSON con l'elenco \"options\"");
    case Issue::MissingField: return fill(w.tr("manca il campo %1"), {field});
    case Issue::UnknownField: return fill(w.tr("campo sconosciuto %1"), {field});
    case Issue::RepeatedField: return fill(w.tr("il campo %1 compare più volte"), {field});
    case Issue::BadId: return w.tr("l'id deve essere fatto solo di lettere, cifre e _");
    case Issue::BuiltinId: return w.tr("l'id ha la forma delle opzioni incorporate (CheckN(i))");
    case Issue::RepeatedId: return w.tr("l'id è già usato da una voce precedente");
    case Issue::EmptyCaption: return w.tr("la didascalia (\"caption\") è vuota");
    case Issue::ControlInCaption:
      return w.tr("la didascalia (\"caption\") contiene caratteri di controllo");
    case Issue::UnknownRecord:
      return fill(w.tr("record sconosciuto %1: deve essere \"Base\" o \"Call\""),
                  {quoted(p.value)});
    case Issue::EvenPosition:
      return fill(w.tr("la posizione %1 non è l'inizio di un byte (deve essere dispari)"),
                  {p.value});
    case Issue::PositionPastRecords:
      return fill(w.tr("la posizione %1 è fuori da ogni record che si può caricare"), {p.value});
    case Issue::NoBits: return w.tr("nessun bit in \"bits\"");
    case Issue::BitOutOfRange: return fill(w.tr("il bit %1 è fuori da 1..8"), {p.value});
    case Issue::RepeatedBit: return fill(w.tr("il bit %1 compare due volte"), {p.value});
    case Issue::UnknownPolarity:
      return fill(w.tr("polarità sconosciuta %1: deve essere \"ticked sets\" o \"ticked clears\""),
                  {quoted(p.value)});
  }
  return {};
}

// "voce 3 (\"MyBit\"): " and the reason; the reason alone for the file as a whole.
std::string problemLine(const OptionFileProblem& problem, const Translate& translate) {
  const Words w(translate);
  const std::string reason = problemReason(problem, w, translate);
  if (!problem.entry) return reason;
  const std::string entry = std::to_string(*problem.entry + 1);
  if (problem.id.empty()) return fill(w.tr("voce %1: %2"), {entry, reason});
  return fill(w.tr("voce %1 (%2): %3"), {entry, quoted(problem.id), reason});
}

}  // namespace

// Every step is named, so that a new one cannot go without a decision about its words.
std::string fileErrorText(const FileError& error, const Translate& translate) {
  const Words w(translate);
  const std::string reason = reasonText(error, w);
  switch (error.step) {
    case FileStep::Read:
    case FileStep::Check:
    case FileStep::Create:
    case FileStep::Replace:
    case FileStep::InPlace: return reason;
    case FileStep::Backup: {
      const std::string failed =
          fill(w.tr("la copia di sicurezza \"%1\" non si può scrivere: %2"), {error.copy, reason});
      if (error.obstacle == CopyObstacle::None) return failed;
      return obstacleText(error.obstacle, w) + "; " + failed;
    }
    case FileStep::RollbackCopy:
      return fill(w.tr("la copia di ripristino non si può scrivere: %1"), {reason});
    case FileStep::Restore: {
      if (error.copy.empty()) return reason;
      const std::string copy =
          fill(w.tr("%1; la copia di sicurezza è in \"%2\""), {reason, error.copy});
      if (error.obstacle == CopyObstacle::None) return copy;
      return copy + " (" + obstacleText(error.obstacle, w) + ")";
    }
    case FileStep::Flush:
      return fill(w.tr("il file è stato salvato, ma non è certo che sia sul disco: %1"), {reason});
  }
  return reason;
}

std::string recoveryProblemText(const RecoveryProblem& problem, const Translate& translate) {
  const Words w(translate);
  switch (problem.kind) {
    case RecoveryProblem::Kind::Unreadable:
      return fill(w.tr("non si può leggere: %1"), {reasonText(problem.error, w)});
    case RecoveryProblem::Kind::Foreign:
      return w.tr("non è una copia di ripristino che questa versione del programma sa leggere");
    case RecoveryProblem::Kind::Damaged: return w.tr("è danneggiata (incompleta o alterata)");
  }
  return {};
}

MessageText messageText(const EditorMessage& message, const Translate& translate) {
  const Words w(translate);
  switch (message.id) {
    case MessageId::GprsNullInterlock:
      return {w.tr("E' possibile attivare questa opzione solo disabilitando GPRS Null"),
              w.tr("Errore di Incoerenza")};
    case MessageId::LabelTooLong:
      return {w.tr("Puoi inserire massimo 12 caratteri!"), w.tr("Errore di Lunghezza")};
    case MessageId::OpenFailed:
      return {fill(w.tr("Impossibile aprire il file \"%1\": %2"),
                   {message.file, fileErrorText(message.error, translate)}),
              w.tr("Errore File")};
    case MessageId::SaveFailed:
      return {fill(w.tr("Impossibile salvare il file \"%1\": %2"),
                   {message.file, fileErrorText(message.error, translate)}),
              w.tr("Errore File")};
  }
  return {};
}

std::string byteToolTip(const ByteInfo& info, const Translate& translate) {
  const Words w(translate);
  static constexpr const char* kRecords[] = {"Base", "Call", "GPRS"};
  std::string out = fill(
      w.tr("Record %1, byte 0x%2 (%3)"),
      {kRecords[info.slot < 3 ? info.slot : 2], hex(info.offset, 2), std::to_string(info.offset)});
  if (info.value >= 0) {
    std::string binary;
    for (int bit = 7; bit >= 0; --bit) {
      binary += (info.value >> bit & 1) ? '1' : '0';
      if (bit == 4) binary += ' ';
    }
    out +=
        '\n' + fill(w.tr("Valore: %1 = %2 = %3"), {info.pair, std::to_string(info.value), binary});
  } else {
    out += '\n' + fill(w.tr("Valore non valido: \"%1\""), {ansi::toUtf8(info.pair)});
  }
  for (const ByteOption& o : info.options) {
    out += '\n';
    out.append(o.id).append(" ");
    // A user's caption is the user's own words, in no list of texts to translate.
    out += o.row < kOptionCount ? w.tr(std::string(o.caption).c_str()) : std::string(o.caption);
    out += ": ";
    out += o.mask == 0xFF ? w.tr("byte intero") : fill(w.tr("bit %1"), {maskBits(o.mask)});
    out += ' ' + (o.state ? w.tr("(attiva)") : w.tr("(non attiva)"));
  }
  return out;
}

std::string optionFileProblemText(std::string_view file, const OptionFileProblem& problem,
                                  const Translate& translate) {
  return std::string(file) + ": " + problemLine(problem, translate);
}

MessageText optionFileMessage(std::string_view file, std::span<const OptionFileProblem> problems,
                              std::size_t loaded, const Translate& translate) {
  const Words w(translate);
  std::string out =
      fill(w.tr("Il file delle opzioni utente %1 ha dei problemi (opzioni caricate: %2):"),
           {quoted(file), std::to_string(loaded)}) +
      "\n";
  for (std::size_t k = 0; k < problems.size() && k < kMaxListedProblems; ++k)
    out += "\n" + problemLine(problems[k], translate);
  if (problems.size() > kMaxListedProblems)
    out += "\n" + fill(w.tr("… e altri %1 problemi"),
                       {std::to_string(problems.size() - kMaxListedProblems)});
  return {out, w.tr("Opzioni Utente")};
}

std::string stepText(const StepName& step, const OptionSet& options, const Translate& translate) {
  const Words w(translate);
  switch (step.kind) {
    case StepKind::Unnamed: break;
    case StepKind::Option:
      // A user's caption is the user's own words, in no list of texts to translate.
      if (step.index < kOptionCount) return w.tr(std::string(options[step.index].caption).c_str());
      if (step.index < options.size()) return std::string(options[step.index].caption);
      break;
    case StepKind::RawEdit:
      if (step.index == 0) return w.tr("record Base");
      if (step.index == 1) return w.tr("record Call");
      if (step.index == 2) return w.tr("etichetta GPRS");
      break;
    case StepKind::Open: return w.tr("Apri Flex");
    case StepKind::Builtin: return w.tr("Carica Flex Interna");
  }
  return {};
}

}  // namespace flex
