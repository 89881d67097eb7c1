// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/help_window.hpp"

#include <QAction>
#include <QEvent>
#include "options/option_catalog.hpp"
#include "ui/support/app_info.hpp"
#include "ui/support/pictures.hpp"
#include "ui/support/qt_strings.hpp"
#include "ui/support/twips.hpp"

namespace flex::ui {
namespace {

QString escaped(std::string_view text) { return fromUtf8(text).toHtmlEscaped(); }

QString row(const QStringList& cells, const char* tag = "td") {
  QString html = QStringLiteral("<tr>");
  for (const QString& cell : cells) html += QStringLiteral("<%1>%2</%1>").arg(tag, cell);
  return html + QStringLiteral("</tr>");
}

QString table(const QString& borderColor, const QStringList& headings, const QString& rows) {
  return QStringLiteral(
             "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"100%\" "
             "style=\"border-color: %1; border-style: solid\">%2%3</table>")
      .arg(borderColor, row(headings, "th"), rows);
}

QString byteCell(const OptionDef& option) {
  if (option.isLabelOption()) return QStringLiteral("-");
  return QStringLiteral("%1 (0x%2)")
      .arg(option.byteOffset())
      .arg(option.byteOffset(), 2, 16, QLatin1Char('0'))
      .toUpper()
      .replace(QStringLiteral("0X"), QStringLiteral("0x"));
}

QString bitsCell(const OptionDef& option) {
  if (option.effect == OptionEffect::WholeByte) return QStringLiteral("tutti");
  QStringList bits;
  for (int k = 0; k < option.bitCount(); ++k)
    bits << QString::number(option.bits[static_cast<std::size_t>(k)]);
  return bits.isEmpty() ? QStringLiteral("-") : bits.join(QStringLiteral(", "));
}

// What ticking the box writes.
QString tickedCell(const OptionDef& option) {
  switch (option.effect) {
    case OptionEffect::Bits:
      return option.inverted() ? QStringLiteral("azzera i bit") : QStringLiteral("imposta i bit");
    case OptionEffect::WholeByte:
      return QStringLiteral("scrive %1 (tolta: %2)")
          .arg(fromUtf8(option.tickedByte), fromUtf8(option.clearedByte));
    case OptionEffect::GprsNull: return QStringLiteral("etichetta GPRS vuota");
    case OptionEffect::GprsPersonale: return QStringLiteral("etichetta GPRS personale");
  }
  return {};
}

// Whether the option writes its record also while the boxes are read back from a flex just
// opened: the gated ones and the label options do not.
QString readbackCell(const OptionDef& option) {
  return option.gated || option.isLabelOption() ? QStringLiteral("no") : QStringLiteral("sì");
}

QString optionRows() {
  const auto catalog = optionCatalog();
  QString html;
  for (std::size_t r : optionsByPlace()) {  // as the pages show them
    const OptionDef& o = catalog[r];
    html += row({escaped(o.caption), escaped(o.toolTip), escaped(recordName(o.record)), byteCell(o),
                 bitsCell(o), tickedCell(o), readbackCell(o)});
  }
  return html;
}

QString keyRows(const QList<QAction*>& actions) {
  QString html;
  for (const QAction* action : actions) {
    QStringList keys;
    for (const QKeySequence& key : action->shortcuts())
      if (key[0].key() != Qt::Key_Backtab)  // what Shift+Tab gives: already listed as such
        keys << key.toString(QKeySequence::NativeText).toHtmlEscaped();
    html += row({keys.join(QStringLiteral(", ")), action->iconText().toHtmlEscaped()});
  }
  return html;
}

const char* const kIntroduction = R"(
<h2>Che cos'è una flex</h2>
<p>Una flex è la configurazione del telefono Motorola A835: tre record, ciascuno una stringa di
coppie di cifre esadecimali maiuscole. Il record Base e il record Call reggono menu, loghi e
opzioni di rete; il terzo record è l'etichetta che il telefono mostra al posto di "GPRS" in
modalità 2.5G. Ogni opzione attiva o disattiva singoli bit di un byte di questi record. Un file
.hs contiene i tre record, uno per riga.</p>
<h2>Come si usa la finestra</h2>
<ul>
<li>All'avvio la finestra mostra la flex interna. Le 33 opzioni stanno su due pagine, "Pagina 1"
e "Pag. 2": spuntare o togliere un'opzione cambia subito i suoi bit.</li>
<li>Il riquadro "Preview" mostra i tre record. Con "Formattazione Testo" spuntata si vedono i byte
dei dati a coppie, 16 per riga, sotto il righello delle colonne e accanto all'indirizzo della
riga; senza, i record interi, che si possono modificare a mano. Fermando il mouse su un byte si
vede il suo valore e quali opzioni lo usano; i byte diversi dalla flex interna hanno lo sfondo
colorato.</li>
<li>"GPRS Personale" apre una piccola finestra in cui scrivere fino a 12 caratteri al posto della
scritta GPRS.</li>
<li>"Apri Flex" carica un file .hs, anche trascinato sulla finestra o scelto fra i "File
recenti". "Salva" riscrive il file aperto o salvato per ultimo; "Salva Flex...", il dischetto e
"Genera File FLEX" chiedono il nome. "Carica Flex Interna" torna alla flex interna. "Modifica"
annulla e ripete gli ultimi passi.</li>
<li>Prima che modifiche non salvate vadano perse (chiudendo la finestra, aprendo un altro file o
caricando la flex interna) il programma chiede se salvarle. Se un altro programma cambia il file
aperto, la barra di stato lo dice e, se non ci sono modifiche non salvate, offre "Ricarica"; un
salvataggio sopra un file cambiato così chiede prima di sovrascriverlo. Finché le modifiche non
sono salvate, il programma ne tiene una copia di recupero, che offre di ripristinare
all'avvio successivo dopo un arresto improvviso.</li>
</ul>
)";

const char* const kCommandLine = R"(
<h2>Riga di comando</h2>
<p><code>flexedit FILE.hs</code> apre la finestra con quel file. <code>flexedit-cli</code> fa le
stesse modifiche senza finestra: parte dalla flex interna, esegue le azioni nell'ordine dato (per
esempio <code>flexedit-cli --open in.hs --tick 'Check1(0)' --save out.hs</code>) e stampa lo stato
finale, in JSON con <code>--json</code>; <code>--list</code> elenca le opzioni, <code>diff A.hs
B.hs</code> confronta due flex e <code>--help</code> spiega ogni azione.</p>
)";

}  // namespace

HelpWindow::HelpWindow(QList<QAction*> keyActions) : keyActions_(std::move(keyActions)) {
  setObjectName(QStringLiteral("frmHelp"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QStringLiteral("Help - ") + fromUtf8(kAppTitle));
  setWindowIcon(spannerIcon());
  setOpenLinks(false);  // there are none; nothing is ever fetched
  const Twips tw(logicalDpiX());
  resize(tw.size(10500, 8400));
  fill();
}

QStringList HelpWindow::optionColumns() {
  return {QStringLiteral("Opzione"),  QStringLiteral("Descrizione"), QStringLiteral("Record"),
          QStringLiteral("Byte"),     QStringLiteral("Bit"),         QStringLiteral("Se spuntata"),
          QStringLiteral("Rilettura")};
}

void HelpWindow::fill() {
  const QString border = palette().color(QPalette::Mid).name();
  const QString keys =
      table(border, {QStringLiteral("Tasti"), QStringLiteral("Comando")}, keyRows(keyActions_));
  const QString options = table(border, optionColumns(), optionRows());
  setHtml(
      QStringLiteral("<h1>%1</h1>").arg(fromUtf8(kAppTitle).toHtmlEscaped()) +
      QString::fromUtf8(kIntroduction) + QStringLiteral("<h2>Tasti</h2>") + keys +
      QString::fromUtf8(kCommandLine) + QStringLiteral("<h2>Le %1 opzioni</h2>").arg(kOptionCount) +
      QStringLiteral("<p>Byte: la posizione nel record, da 0. Bit: da 1 (0x01) a 8 (0x80), "
                     "nell'ordine in cui sono scritti. Rilettura: se l'opzione scrive il suo "
                     "record anche quando la casella cambia perché è stata aperta una flex.</p>") +
      options);
}

void HelpWindow::changeEvent(QEvent* event) {
  QTextBrowser::changeEvent(event);
  if (event->type() == QEvent::PaletteChange) fill();
}

}  // namespace flex::ui
