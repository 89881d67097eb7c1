// SPDX-License-Identifier: GPL-3.0-or-later
#include "options/option_catalog.hpp"

#include <algorithm>

namespace flex {
namespace {

// Page 1: one column, Top 360 + 240 per row. Page 2: the tops of the Check5 table.
constexpr OptionLayout onPage1(int row, int width, int tabIndex) {
  return {1, 360 + 240 * row, width, tabIndex};
}
constexpr OptionLayout onPage2(int top, int width, int tabIndex) {
  return {2, top, width, tabIndex};
}

// In the order of the readback. Unless a row says otherwise an option sets its bits of the Base
// record when ticked and clears them when cleared, runs during a readback too, and reads back
// as ticked when any bit of its mask is set.
constexpr std::array<OptionDef, kOptionCount> kCatalog{{
    {.id = "Check1(0)",
     .caption = "Menu Engineering",
     .toolTip = "Attiva la voce Engineering nel Menu Tools",
     .position = 181,
     .bits = {8, 6, 5},
     .readMask = 0x10,
     .layout = onPage1(0, 1695, 39)},
    {.id = "Check1(1)",
     .caption = "Disposizione Schermo",
     .toolTip = "Permette di impostare la visualizzazione delle scritte in modalità centrata",
     .position = 207,
     .bits = {2},
     .tickedWrites = 0,
     .clearedWrites = 1,
     .readRule = ReadRule::MaskClear,
     .readMask = 0x02,
     .layout = onPage1(1, 1935, 38)},
    {.id = "Check1(2)",
     .caption = "Chiamata Attiva",
     .toolTip = "Attiva la voce Chiamata Attiva nel Menu Connessioni",
     .position = 187,
     .bits = {6},
     .readMask = 0x20,
     .layout = onPage1(2, 1575, 37)},
    {.id = "Check1(3)",
     .caption = "GPRS Null",
     .toolTip = "Elimina la scritta GPRS quando si è in modalità 2.5G",
     .effect = OptionEffect::GprsNull,
     .record = RecordKind::GprsLabel,
     .readRule = ReadRule::IsGprsNull,
     .layout = onPage1(17, 1215, 36)},
    {.id = "Check1(5)",
     .caption = "GPRS Personale",
     .toolTip = "Permette di personalizzare la scritta GPRS con una propria",
     .effect = OptionEffect::GprsPersonale,
     .record = RecordKind::GprsLabel,
     .readRule = ReadRule::IsPersonal,
     .layout = onPage1(18, 1575, 24)},
    {.id = "Check1(4)",
     .caption = "Selezione Fissa",
     .toolTip = "Attiva la voce Selezione Fissa nel Menu Tools -> Servizi",
     .position = 111,
     .bits = {1},
     .readMask = 0x01,
     .layout = onPage1(3, 1575, 27)},
    {.id = "Check2(0)",
     .caption = "Show Data",
     .toolTip = "Se Attivata mostra la Data nella schermata iniziale, altrimenti mostra il nome "
                "del gestore telefonico",
     .position = 173,
     .bits = {5},
     .tickedWrites = 0,
     .clearedWrites = 1,
     .gated = true,
     .readRule = ReadRule::MaskClear,
     .readMask = 0x10,
     .layout = onPage1(4, 1335, 35)},
    {.id = "Check2(1)",
     .caption = "Java Loader",
     .toolTip = "Attiva la voce Scarica Applicazione Java",
     .position = 179,
     .bits = {1},
     .readMask = 0x01,
     .layout = onPage1(5, 1335, 34)},
    {.id = "Check2(2)",
     .caption = "AGPS Func.",
     .toolTip = "Abilità la possibilità di impostare l'AGPS",
     .position = 191,
     .bits = {6, 7},
     .readMask = 0x20,
     .layout = onPage1(6, 1335, 33)},
    {.id = "Check2(3)",
     .caption = "Selezione Rapida",
     .toolTip = "Se Abilitata attiva la voce \"Selezione Rapida\" all'interno del Menu Tools -> "
                "Servizi, al posto di \"Quick Dial\"",
     .position = 85,
     .bits = {4},
     .tickedWrites = 0,
     .clearedWrites = 1,
     .gated = true,
     .readRule = ReadRule::MaskClear,
     .readMask = 0x08,
     .layout = onPage1(7, 1575, 26)},
    {.id = "Check2(4)",
     .caption = "Menu \"Tutte le Chiamate\"",
     .toolTip = "Se Abilitata visualizza la voce \"Tutte le Chiamate\" nel Menu Gestione Chiamate "
                "-> Proprio Numero",
     .position = 85,
     .bits = {1},
     .gated = true,
     .readMask = 0x01,
     .layout = onPage1(8, 2175, 23)},
    {.id = "Check3(0)",
     .caption = "Quick Menu",
     .toolTip = "Se Attivata abilita il Menu Rapido, altrimenti permette la personalizzazione del "
                "Tasto Sinistro",
     .position = 169,
     .bits = {6, 1},
     .readMask = 0x21,
     .layout = onPage1(9, 1335, 32)},
    {.id = "Check3(1)",
     .caption = "One for Call Uscenti",
     .toolTip = "Se Attivata mostra una sola volta il nome nella lista delle Chiamate Effettuate",
     .record = RecordKind::Call,
     .position = 51,
     .bits = {6},
     .readMask = 0x20,
     .layout = onPage1(10, 1815, 31)},
    {.id = "Check3(4)",
     .caption = "One for Call Entranti",
     .toolTip = "Se Attivata mostra una sola volta il nome nella lista delle Chiamate Ricevute",
     .record = RecordKind::Call,
     .position = 51,
     .bits = {7},
     .readMask = 0x40,
     .layout = onPage1(11, 1815, 64)},
    {.id = "Check3(2)",
     .caption = "Time AutoUpdate",
     .toolTip = "Abilita la funzione di Autoaggiornamento di Data e Ora",
     .position = 45,
     .bits = {1},
     .readMask = 0x01,
     .layout = onPage1(12, 1575, 30)},
    {.id = "Check3(3)",
     .caption = "Seconda Linea",
     .toolTip = "Abilita la funzione \"Linea Attiva\" nel Menu Info Videofonino",
     .position = 107,
     .bits = {5},
     .gated = true,
     .readMask = 0x10,
     .layout = onPage1(13, 1455, 25)},
    {.id = "Check4(0)",
     .caption = "Tono Interruzione Rete",
     .toolTip = "Permette di visualizzare l'opzione Tono Interruzione Rete nel Menu Rete",
     .position = 87,
     .bits = {6},
     .readMask = 0x20,
     .layout = onPage1(14, 1935, 40)},
    {.id = "Check4(1)",
     .caption = "Menu Rete -> Area",
     .toolTip = "Abilita la voce Area nel Menu Rete -> Impostazione rete",
     .effect = OptionEffect::WholeByte,
     .position = 183,
     .tickedByte = "89",
     .clearedByte = "F9",
     .readRule = ReadRule::MaskClear,
     .readMask = 0x10,
     .layout = onPage1(15, 1815, 29)},
    {.id = "Check4(2)",
     .caption = "Tutte le Aree di Rete",
     .toolTip = "Abilita le Aree di Rete Europe/Asia e Americhe nel menu Rete -> Impostazione rete",
     .position = 219,
     .bits = {7, 8},
     .readMask = 0xC0,
     .layout = onPage1(16, 1815, 28)},
    {.id = "Check5(0)",
     .caption = "Disabilita Logo Motorola",
     .toolTip = "Disabilita il Logo della Motorola all'Accensione del Cellulare",
     .position = 103,
     .bits = {4},
     .tickedWrites = 0,
     .clearedWrites = 1,
     .readRule = ReadRule::MaskClear,
     .readMask = 0x08,
     .layout = onPage2(360, 2055, 0)},
    {.id = "Check5(1)",
     .caption = "Attiva Menu \"Banner\"",
     .toolTip = "Abilita il Menu \"Banner\" [ATTENZIONE AL SUO USO]",
     .position = 141,
     .bits = {7},
     .readMask = 0x40,
     .layout = onPage2(1080, 2055, 3)},
    {.id = "Check5(2)",
     .caption = "Retroilluminazione Plus",
     .toolTip = "Se abilitato aggiunge una voce nel Menu Impostazioni Iniziali -> "
                "Retroilluminazione",
     .position = 147,
     .bits = {7},
     .readMask = 0x40,
     .layout = onPage2(1320, 2055, 4)},
    {.id = "Check5(3)",
     .caption = "Salva SMS sulla SIM",
     .toolTip = "Se Abilitato Salva gli SMS sulla memoria della scheda SIM",
     .position = 173,
     .bits = {7},
     .gated = true,
     .readMask = 0x40,
     .layout = onPage2(2040, 2055, 7)},
    {.id = "Check5(4)",
     .caption = "Voce \"Chiamata Roaming\"",
     .toolTip = "Se Abilitato attiva la voce \"Chiamata Roaming\" nel Menu Suonerie",
     .position = 89,
     .bits = {7},
     .readMask = 0x40,
     .layout = onPage2(1560, 2295, 5)},
    {.id = "Check5(5)",
     .caption = "Disabilita Logo Motorola",
     .toolTip = "Disabilita il Logo della Motorola allo Spegnimento del Cellulare",
     .position = 143,
     .bits = {1},
     .tickedWrites = 0,
     .clearedWrites = 1,
     .readRule = ReadRule::MaskClear,
     .readMask = 0x01,
     .layout = onPage2(600, 2055, 1)},
    {.id = "Check5(6)",
     .caption = "Sblocca \"Info Server\"",
     .toolTip = "Se Attivato permette di modificare il server degli MMS",
     .position = 209,
     .bits = {7},
     .readMask = 0x40,
     .layout = onPage2(2280, 2055, 8)},
    {.id = "Check5(7)",
     .caption = "Voce \"Animazioni\"",
     .toolTip = "Se Attivato abilita la voce \"Animazioni\" nel Menu Impostazioni Iniziali",
     .position = 105,
     .bits = {4},
     .readMask = 0x08,
     .layout = onPage2(1800, 2055, 6)},
    {.id = "Check5(8)",
     .caption = "Voce \"Chiamata Sicura\"",
     .toolTip = "Se Attivato abilita la voce \"Chiamata Sicura\" nel Menu Sicurezza",
     .position = 63,
     .bits = {2},
     .readMask = 0x02,
     .layout = onPage2(2520, 2055, 9)},
    {.id = "Check5(9)",
     .caption = "Voce \"Versione PRL\"",
     .toolTip = "Se Attivato aggiunge la voce \"Versione PRL\" nel Menu Impostazioni -> Info "
                "Videofonino",
     .position = 47,
     .bits = {1},
     .readMask = 0x01,
     .layout = onPage2(2760, 2055, 10)},
    {.id = "Check5(10)",
     .caption = "Voce \"Indicazioni LED\"",
     .toolTip = "Se Attivato abilita la voce \"Indicazioni LED\" nel Menu Impostazioni Iniziali",
     .position = 155,
     .bits = {3},
     .readMask = 0x04,
     .layout = onPage2(3000, 2055, 11)},
    {.id = "Check5(11)",
     .caption = "Voce \"E-mail Gateway\"",
     .toolTip = "Se Attivato abilita la voce \"E-mail Gateway\" nel Menu Messaggi -> Imposta "
                "Messaggi",
     .position = 167,
     .bits = {8},
     .readMask = 0x80,
     .layout = onPage2(3240, 2055, 12)},
    {.id = "Check5(12)",
     .caption = "Cell Broadcast Plus",
     .toolTip = "Se Attivato abilita nuove informazione nella voce \"Cell Broadcast\" nel Menu "
                "Messaggi -> Impostazioni Messaggi",
     .position = 107,
     .bits = {4},
     .gated = true,
     .readMask = 0x08,
     .layout = onPage2(3480, 2055, 13)},
    {.id = "Check5(13)",
     .caption = "Disabilita Logo TRE",
     .toolTip = "Disabilita il Logo della Tre allo Spegnimento del Cellulare",
     .position = 197,
     .bits = {4},
     .tickedWrites = 0,
     .clearedWrites = 1,
     .readRule = ReadRule::MaskClear,
     .readMask = 0x08,
     .layout = onPage2(840, 2055, 2)},
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
    return x.group() != y.group() ? x.group() < y.group() : x.index() < y.index();
  });
  return order;
}

constexpr std::array<std::size_t, kOptionCount> kIdOrder = makeIdOrder();

constexpr std::array<std::size_t, kOptionCount> makePlaceOrder() {
  std::array<std::size_t, kOptionCount> order{};
  for (std::size_t i = 0; i < kOptionCount; ++i) order[i] = i;
  std::sort(order.begin(), order.end(), [](std::size_t a, std::size_t b) {
    return std::pair(kCatalog[a].layout.page, kCatalog[a].layout.top) <
           std::pair(kCatalog[b].layout.page, kCatalog[b].layout.top);
  });
  return order;
}

constexpr std::array<std::size_t, kOptionCount> kPlaceOrder = makePlaceOrder();

}  // namespace

std::span<const OptionDef, kOptionCount> optionCatalog() { return kCatalog; }

const GroupDef& groupDef(int group) { return kGroups.at(static_cast<std::size_t>(group - 1)); }

std::optional<std::size_t> findOption(int group, int index) {
  for (std::size_t i = 0; i < kOptionCount; ++i)
    if (kCatalog[i].group() == group && kCatalog[i].index() == index) return i;
  return std::nullopt;
}

std::optional<std::size_t> findOption(std::string_view id) {
  for (std::size_t i = 0; i < kOptionCount; ++i)
    if (kCatalog[i].id == id) return i;
  return std::nullopt;
}

std::span<const std::size_t, kOptionCount> optionsById() { return kIdOrder; }

std::span<const std::size_t, kOptionCount> optionsByPlace() { return kPlaceOrder; }

}  // namespace flex
