// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/option_file_text.hpp"

namespace flex {
namespace {

std::string quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

// What a field must hold, for "il campo ... deve essere ...".
std::string_view typeOf(std::string_view field) {
  if (field == "position") return "un numero intero";
  if (field == "bits") return "un elenco di numeri interi";
  if (field == "gated") return "true o false";
  if (field == "options") return "un elenco";
  return "un testo";
}

std::string reason(const OptionFileProblem& p) {
  using Issue = OptionFileIssue;
  switch (p.issue) {
    case Issue::Unreadable: return "impossibile leggere il file: " + p.value;
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

}  // namespace

std::string optionFileProblemText(std::string_view file, const OptionFileProblem& problem) {
  std::string out = std::string(file) + ": ";
  if (problem.entry) {
    out += "voce " + std::to_string(*problem.entry + 1);
    if (!problem.id.empty()) out += " (" + quoted(problem.id) + ")";
    out += ": ";
  }
  return out + reason(problem);
}

std::string optionFileMessage(std::string_view file, std::span<const OptionFileProblem> problems,
                              std::size_t loaded) {
  std::string out =
      "Il file delle opzioni utente ha dei problemi (opzioni caricate: " + std::to_string(loaded) +
      "):\n";
  for (std::size_t k = 0; k < problems.size() && k < kMaxListedProblems; ++k)
    out += "\n" + optionFileProblemText(file, problems[k]);
  if (problems.size() > kMaxListedProblems)
    out += "\n… e altri " + std::to_string(problems.size() - kMaxListedProblems) + " problemi";
  return out;
}

}  // namespace flex
