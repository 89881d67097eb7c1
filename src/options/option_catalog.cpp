#include "options/option_catalog.hpp"

#include <algorithm>
#include <initializer_list>

namespace flex {
namespace {

constexpr bool kGated = true;
constexpr bool kFree = false;
constexpr RecordKind kBase = RecordKind::Base;
constexpr RecordKind kCall = RecordKind::Call;

struct Layout {
  int page, top, width, tabIndex;
};

// A bit option. `ticked`/`cleared` are the values written to every bit; the readback tests
// `mask` at the same byte with `rule`.
constexpr OptionDef bits(std::string_view id, int group, int index, std::string_view caption,
                         std::string_view tip, RecordKind record, std::size_t position,
                         std::initializer_list<int> bitList, int ticked, int cleared, bool gated,
                         ReadRule rule, int mask, Layout at) {
  OptionDef d{};
  d.id = id;
  d.group = group;
  d.index = index;
  d.caption = caption;
  d.toolTip = tip;
  d.effect = OptionEffect::Bits;
  d.record = record;
  d.position = position;
  d.bitCount = 0;
  for (int b : bitList) d.bits[static_cast<std::size_t>(d.bitCount++)] = b;
  d.tickedWrites = ticked;
  d.clearedWrites = cleared;
  d.gated = gated;
  d.readRule = rule;
  d.readPosition = position;
  d.readRecord = record;
  d.readMask = mask;
  d.page = at.page;
  d.top = at.top;
  d.width = at.width;
  d.tabIndex = at.tabIndex;
  return d;
}

constexpr OptionDef wholeByte(std::string_view id, int group, int index,
                              std::string_view caption, std::string_view tip,
                              std::size_t position, std::string_view ticked,
                              std::string_view cleared, ReadRule rule, int mask, Layout at) {
  OptionDef d = bits(id, group, index, caption, tip, kBase, position, {}, 0, 0, kFree, rule,
                     mask, at);
  d.effect = OptionEffect::WholeByte;
  d.tickedByte = ticked;
  d.clearedByte = cleared;
  return d;
}

constexpr OptionDef gprs(std::string_view id, int index, std::string_view caption,
                         std::string_view tip, OptionEffect action, ReadRule rule, Layout at) {
  OptionDef d = bits(id, 1, index, caption, tip, RecordKind::GprsLabel, 0, {}, 0, 0, kFree,
                     rule, 0, at);
  d.effect = action;
  return d;
}

constexpr ReadRule kSet = ReadRule::MaskSet;
constexpr ReadRule kClear = ReadRule::MaskClear;

// Page 1: one column, Top 360 + 240 per row. Page 2: the tops of the Check5 table.
constexpr Layout p1(int row, int width, int tabIndex) { return {1, 360 + 240 * row, width, tabIndex}; }
constexpr Layout p2(int top, int width, int tabIndex) { return {2, top, width, tabIndex}; }

// In the order of the readback.
constexpr std::array<OptionDef, kOptionCount> kCatalog{{
    bits("Check1(0)", 1, 0, "Menu Engineering", "Attiva la voce Engineering nel Menu Tools",
         kBase, 181, {8, 6, 5}, 1, 0, kFree, kSet, 0x10, p1(0, 1695, 39)),
    bits("Check1(1)", 1, 1, "Disposizione Schermo",
         "Permette di impostare la visualizzazione delle scritte in modalità centrata", kBase, 207,
         {2}, 0, 1, kFree, kClear, 0x02, p1(1, 1935, 38)),
    bits("Check1(2)", 1, 2, "Chiamata Attiva", "Attiva la voce Chiamata Attiva nel Menu Connessioni",
         kBase, 187, {6}, 1, 0, kFree, kSet, 0x20, p1(2, 1575, 37)),
    gprs("Check1(3)", 3, "GPRS Null", "Elimina la scritta GPRS quando si è in modalità 2.5G",
         OptionEffect::GprsNull, ReadRule::IsGprsNull, p1(17, 1215, 36)),
    gprs("Check1(5)", 5, "GPRS Personale", "Permette di personalizzare la scritta GPRS con una propria",
         OptionEffect::GprsPersonale, ReadRule::IsPersonal, p1(18, 1575, 24)),
    bits("Check1(4)", 1, 4, "Selezione Fissa", "Attiva la voce Selezione Fissa nel Menu Tools -> Servizi",
         kBase, 111, {1}, 1, 0, kFree, kSet, 0x01, p1(3, 1575, 27)),
    bits("Check2(0)", 2, 0, "Show Data",
         "Se Attivata mostra la Data nella schermata iniziale, altrimenti mostra il nome del gestore "
         "telefonico",
         kBase, 173, {5}, 0, 1, kGated, kClear, 0x10, p1(4, 1335, 35)),
    bits("Check2(1)", 2, 1, "Java Loader", "Attiva la voce Scarica Applicazione Java", kBase, 179, {1},
         1, 0, kFree, kSet, 0x01, p1(5, 1335, 34)),
    bits("Check2(2)", 2, 2, "AGPS Func.", "Abilità la possibilità di impostare l'AGPS", kBase, 191,
         {6, 7}, 1, 0, kFree, kSet, 0x20, p1(6, 1335, 33)),
    bits("Check2(3)", 2, 3, "Selezione Rapida",
         "Se Abilitata attiva la voce \"Selezione Rapida\" all'interno del Menu Tools -> Servizi, al "
         "posto di \"Quick Dial\"",
         kBase, 85, {4}, 0, 1, kGated, kClear, 0x08, p1(7, 1575, 26)),
    bits("Check2(4)", 2, 4, "Menu \"Tutte le Chiamate\"",
         "Se Abilitata visualizza la voce \"Tutte le Chiamate\" nel Menu Gestione Chiamate -> Proprio "
         "Numero",
         kBase, 85, {1}, 1, 0, kGated, kSet, 0x01, p1(8, 2175, 23)),
    bits("Check3(0)", 3, 0, "Quick Menu",
         "Se Attivata abilita il Menu Rapido, altrimenti permette la personalizzazione del Tasto "
         "Sinistro",
         kBase, 169, {6, 1}, 1, 0, kFree, kSet, 0x21, p1(9, 1335, 32)),
    bits("Check3(1)", 3, 1, "One for Call Uscenti",
         "Se Attivata mostra una sola volta il nome nella lista delle Chiamate Effettuate", kCall, 51,
         {6}, 1, 0, kFree, kSet, 0x20, p1(10, 1815, 31)),
    bits("Check3(4)", 3, 4, "One for Call Entranti",
         "Se Attivata mostra una sola volta il nome nella lista delle Chiamate Ricevute", kCall, 51,
         {7}, 1, 0, kFree, kSet, 0x40, p1(11, 1815, 64)),
    bits("Check3(2)", 3, 2, "Time AutoUpdate", "Abilita la funzione di Autoaggiornamento di Data e Ora",
         kBase, 45, {1}, 1, 0, kFree, kSet, 0x01, p1(12, 1575, 30)),
    bits("Check3(3)", 3, 3, "Seconda Linea",
         "Abilita la funzione \"Linea Attiva\" nel Menu Info Videofonino", kBase, 107, {5}, 1, 0,
         kGated, kSet, 0x10, p1(13, 1455, 25)),
    bits("Check4(0)", 4, 0, "Tono Interruzione Rete",
         "Permette di visualizzare l'opzione Tono Interruzione Rete nel Menu Rete", kBase, 87, {6}, 1,
         0, kFree, kSet, 0x20, p1(14, 1935, 40)),
    wholeByte("Check4(1)", 4, 1, "Menu Rete -> Area",
              "Abilita la voce Area nel Menu Rete -> Impostazione rete", 183, "89", "F9", kClear,
              0x10, p1(15, 1815, 29)),
    bits("Check4(2)", 4, 2, "Tutte le Aree di Rete",
         "Abilita le Aree di Rete Europe/Asia e Americhe nel menu Rete -> Impostazione rete", kBase,
         219, {7, 8}, 1, 0, kFree, kSet, 0xC0, p1(16, 1815, 28)),
    bits("Check5(0)", 5, 0, "Disabilita Logo Motorola",
         "Disabilita il Logo della Motorola all'Accensione del Cellulare", kBase, 103, {4}, 0, 1,
         kFree, kClear, 0x08, p2(360, 2055, 0)),
    bits("Check5(1)", 5, 1, "Attiva Menu \"Banner\"", "Abilita il Menu \"Banner\" [ATTENZIONE AL SUO USO]",
         kBase, 141, {7}, 1, 0, kFree, kSet, 0x40, p2(1080, 2055, 3)),
    bits("Check5(2)", 5, 2, "Retroilluminazione Plus",
         "Se abilitato aggiunge una voce nel Menu Impostazioni Iniziali -> Retroilluminazione", kBase,
         147, {7}, 1, 0, kFree, kSet, 0x40, p2(1320, 2055, 4)),
    bits("Check5(3)", 5, 3, "Salva SMS sulla SIM",
         "Se Abilitato Salva gli SMS sulla memoria della scheda SIM", kBase, 173, {7}, 1, 0, kGated,
         kSet, 0x40, p2(2040, 2055, 7)),
    bits("Check5(4)", 5, 4, "Voce \"Chiamata Roaming\"",
         "Se Abilitato attiva la voce \"Chiamata Roaming\" nel Menu Suonerie", kBase, 89, {7}, 1, 0,
         kFree, kSet, 0x40, p2(1560, 2295, 5)),
    bits("Check5(5)", 5, 5, "Disabilita Logo Motorola",
         "Disabilita il Logo della Motorola allo Spegnimento del Cellulare", kBase, 143, {1}, 0, 1,
         kFree, kClear, 0x01, p2(600, 2055, 1)),
    bits("Check5(6)", 5, 6, "Sblocca \"Info Server\"",
         "Se Attivato permette di modificare il server degli MMS", kBase, 209, {7}, 1, 0, kFree, kSet,
         0x40, p2(2280, 2055, 8)),
    bits("Check5(7)", 5, 7, "Voce \"Animazioni\"",
         "Se Attivato abilita la voce \"Animazioni\" nel Menu Impostazioni Iniziali", kBase, 105, {4},
         1, 0, kFree, kSet, 0x08, p2(1800, 2055, 6)),
    bits("Check5(8)", 5, 8, "Voce \"Chiamata Sicura\"",
         "Se Attivato abilita la voce \"Chiamata Sicura\" nel Menu Sicurezza", kBase, 63, {2}, 1, 0,
         kFree, kSet, 0x02, p2(2520, 2055, 9)),
    bits("Check5(9)", 5, 9, "Voce \"Versione PRL\"",
         "Se Attivato aggiunge la voce \"Versione PRL\" nel Menu Impostazioni -> Info Videofonino",
         kBase, 47, {1}, 1, 0, kFree, kSet, 0x01, p2(2760, 2055, 10)),
    bits("Check5(10)", 5, 10, "Voce \"Indicazioni LED\"",
         "Se Attivato abilita la voce \"Indicazioni LED\" nel Menu Impostazioni Iniziali", kBase, 155,
         {3}, 1, 0, kFree, kSet, 0x04, p2(3000, 2055, 11)),
    bits("Check5(11)", 5, 11, "Voce \"E-mail Gateway\"",
         "Se Attivato abilita la voce \"E-mail Gateway\" nel Menu Messaggi -> Imposta Messaggi", kBase,
         167, {8}, 1, 0, kFree, kSet, 0x80, p2(3240, 2055, 12)),
    bits("Check5(12)", 5, 12, "Cell Broadcast Plus",
         "Se Attivato abilita nuove informazione nella voce \"Cell Broadcast\" nel Menu Messaggi -> "
         "Impostazioni Messaggi",
         kBase, 107, {4}, 1, 0, kGated, kSet, 0x08, p2(3480, 2055, 13)),
    bits("Check5(13)", 5, 13, "Disabilita Logo TRE",
         "Disabilita il Logo della Tre allo Spegnimento del Cellulare", kBase, 197, {4}, 0, 1, kFree,
         kClear, 0x08, p2(840, 2055, 2)),
}};

constexpr std::array<GroupDef, 5> kGroups{{
    {1, true, false},
    {2, true, false},
    {3, true, true},
    {4, true, false},
    {5, true, false},
}};

constexpr std::array<std::size_t, kOptionCount> makeIdOrder() {
  std::array<std::size_t, kOptionCount> order{};
  for (std::size_t i = 0; i < kOptionCount; ++i) order[i] = i;
  std::sort(order.begin(), order.end(), [](std::size_t a, std::size_t b) {
    const auto& x = kCatalog[a];
    const auto& y = kCatalog[b];
    return x.group != y.group ? x.group < y.group : x.index < y.index;
  });
  return order;
}

constexpr std::array<std::size_t, kOptionCount> kIdOrder = makeIdOrder();

}  // namespace

std::span<const OptionDef, kOptionCount> optionCatalog() { return kCatalog; }

const GroupDef& groupDef(int group) {
  return kGroups.at(static_cast<std::size_t>(group - 1));
}

std::optional<std::size_t> findOption(int group, int index) {
  for (std::size_t i = 0; i < kOptionCount; ++i)
    if (kCatalog[i].group == group && kCatalog[i].index == index) return i;
  return std::nullopt;
}

std::optional<std::size_t> findOption(std::string_view id) {
  for (std::size_t i = 0; i < kOptionCount; ++i)
    if (kCatalog[i].id == id) return i;
  return std::nullopt;
}

std::span<const std::size_t, kOptionCount> optionsById() { return kIdOrder; }

std::string_view recordName(RecordKind kind) {
  switch (kind) {
    case RecordKind::Base: return "Base";
    case RecordKind::Call: return "Call";
    case RecordKind::GprsLabel: return "GPRS";
  }
  return "";
}

}  // namespace flex
