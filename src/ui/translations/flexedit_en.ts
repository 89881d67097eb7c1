<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="it_IT">
<context>
    <name>core</name>
    <message>
        <source>Menu Engineering</source>
        <translation>Engineering Menu</translation>
    </message>
    <message>
        <source>Attiva la voce Engineering nel Menu Tools</source>
        <translation>Adds the Engineering item to the Tools menu</translation>
    </message>
    <message>
        <source>Disposizione Schermo</source>
        <translation>Screen Layout</translation>
    </message>
    <message>
        <source>Permette di impostare la visualizzazione delle scritte in modalità centrata</source>
        <translation>Lets you show the screen texts centred</translation>
    </message>
    <message>
        <source>Chiamata Attiva</source>
        <translation>Active Call</translation>
    </message>
    <message>
        <source>Attiva la voce Chiamata Attiva nel Menu Connessioni</source>
        <translation>Adds the Active Call item to the Connections menu</translation>
    </message>
    <message>
        <source>GPRS Null</source>
        <translation>GPRS Null</translation>
    </message>
    <message>
        <source>Elimina la scritta GPRS quando si è in modalità 2.5G</source>
        <translation>Removes the GPRS label shown in 2.5G mode</translation>
    </message>
    <message>
        <source>GPRS Personale</source>
        <translation>Custom GPRS</translation>
    </message>
    <message>
        <source>Permette di personalizzare la scritta GPRS con una propria</source>
        <translation>Lets you replace the GPRS label with your own text</translation>
    </message>
    <message>
        <source>Selezione Fissa</source>
        <translation>Fixed Dialling</translation>
    </message>
    <message>
        <source>Attiva la voce Selezione Fissa nel Menu Tools -&gt; Servizi</source>
        <translation>Adds the Fixed Dialling item to the Tools -&gt; Services menu</translation>
    </message>
    <message>
        <source>Show Data</source>
        <translation>Show Date</translation>
    </message>
    <message>
        <source>Se Attivata mostra la Data nella schermata iniziale, altrimenti mostra il nome del gestore telefonico</source>
        <translation>When ticked, the home screen shows the date; otherwise it shows the network operator&apos;s name</translation>
    </message>
    <message>
        <source>Java Loader</source>
        <translation>Java Loader</translation>
    </message>
    <message>
        <source>Attiva la voce Scarica Applicazione Java</source>
        <translation>Adds the Download Java Application item</translation>
    </message>
    <message>
        <source>AGPS Func.</source>
        <translation>AGPS Func.</translation>
    </message>
    <message>
        <source>Abilità la possibilità di impostare l&apos;AGPS</source>
        <translation>Lets you set up AGPS</translation>
    </message>
    <message>
        <source>Selezione Rapida</source>
        <translation>Speed Dial</translation>
    </message>
    <message>
        <source>Se Abilitata attiva la voce &quot;Selezione Rapida&quot; all&apos;interno del Menu Tools -&gt; Servizi, al posto di &quot;Quick Dial&quot;</source>
        <translation>When ticked, the Tools -&gt; Services menu has a &quot;Speed Dial&quot; item in place of &quot;Quick Dial&quot;</translation>
    </message>
    <message>
        <source>Menu &quot;Tutte le Chiamate&quot;</source>
        <translation>&quot;All Calls&quot; Menu</translation>
    </message>
    <message>
        <source>Se Abilitata visualizza la voce &quot;Tutte le Chiamate&quot; nel Menu Gestione Chiamate -&gt; Proprio Numero</source>
        <translation>When ticked, the Call Management -&gt; My Number menu shows the &quot;All Calls&quot; item</translation>
    </message>
    <message>
        <source>Quick Menu</source>
        <translation>Quick Menu</translation>
    </message>
    <message>
        <source>Se Attivata abilita il Menu Rapido, altrimenti permette la personalizzazione del Tasto Sinistro</source>
        <translation>When ticked, turns on the Quick Menu; otherwise the left soft key can be customised</translation>
    </message>
    <message>
        <source>One for Call Uscenti</source>
        <translation>One for Outgoing Calls</translation>
    </message>
    <message>
        <source>Se Attivata mostra una sola volta il nome nella lista delle Chiamate Effettuate</source>
        <translation>When ticked, each name shows only once in the list of dialled calls</translation>
    </message>
    <message>
        <source>One for Call Entranti</source>
        <translation>One for Incoming Calls</translation>
    </message>
    <message>
        <source>Se Attivata mostra una sola volta il nome nella lista delle Chiamate Ricevute</source>
        <translation>When ticked, each name shows only once in the list of received calls</translation>
    </message>
    <message>
        <source>Time AutoUpdate</source>
        <translation>Time AutoUpdate</translation>
    </message>
    <message>
        <source>Abilita la funzione di Autoaggiornamento di Data e Ora</source>
        <translation>Turns on automatic updating of date and time</translation>
    </message>
    <message>
        <source>Seconda Linea</source>
        <translation>Second Line</translation>
    </message>
    <message>
        <source>Abilita la funzione &quot;Linea Attiva&quot; nel Menu Info Videofonino</source>
        <translation>Turns on the &quot;Active Line&quot; function in the Phone Info menu</translation>
    </message>
    <message>
        <source>Tono Interruzione Rete</source>
        <translation>Network Drop Tone</translation>
    </message>
    <message>
        <source>Permette di visualizzare l&apos;opzione Tono Interruzione Rete nel Menu Rete</source>
        <translation>Shows the Network Drop Tone option in the Network menu</translation>
    </message>
    <message>
        <source>Menu Rete -&gt; Area</source>
        <translation>Network Menu -&gt; Area</translation>
    </message>
    <message>
        <source>Abilita la voce Area nel Menu Rete -&gt; Impostazione rete</source>
        <translation>Adds the Area item to the Network -&gt; Network Setup menu</translation>
    </message>
    <message>
        <source>Tutte le Aree di Rete</source>
        <translation>All Network Areas</translation>
    </message>
    <message>
        <source>Abilita le Aree di Rete Europe/Asia e Americhe nel menu Rete -&gt; Impostazione rete</source>
        <translation>Adds the Europe/Asia and Americas network areas to the Network -&gt; Network Setup menu</translation>
    </message>
    <message>
        <source>Disabilita Logo Motorola</source>
        <translation>No Motorola Logo</translation>
    </message>
    <message>
        <source>Disabilita il Logo della Motorola all&apos;Accensione del Cellulare</source>
        <translation>Hides the Motorola logo when the phone switches on</translation>
    </message>
    <message>
        <source>Attiva Menu &quot;Banner&quot;</source>
        <translation>&quot;Banner&quot; Menu</translation>
    </message>
    <message>
        <source>Abilita il Menu &quot;Banner&quot; [ATTENZIONE AL SUO USO]</source>
        <translation>Turns on the &quot;Banner&quot; menu [USE WITH CARE]</translation>
    </message>
    <message>
        <source>Retroilluminazione Plus</source>
        <translation>Backlight Plus</translation>
    </message>
    <message>
        <source>Se abilitato aggiunge una voce nel Menu Impostazioni Iniziali -&gt; Retroilluminazione</source>
        <translation>When ticked, adds an item to the Initial Setup -&gt; Backlight menu</translation>
    </message>
    <message>
        <source>Salva SMS sulla SIM</source>
        <translation>Save SMS on SIM</translation>
    </message>
    <message>
        <source>Se Abilitato Salva gli SMS sulla memoria della scheda SIM</source>
        <translation>When ticked, text messages are saved in the SIM card&apos;s memory</translation>
    </message>
    <message>
        <source>Voce &quot;Chiamata Roaming&quot;</source>
        <translation>&quot;Roaming Call&quot; Item</translation>
    </message>
    <message>
        <source>Se Abilitato attiva la voce &quot;Chiamata Roaming&quot; nel Menu Suonerie</source>
        <translation>When ticked, adds the &quot;Roaming Call&quot; item to the Ring Tones menu</translation>
    </message>
    <message>
        <source>Disabilita il Logo della Motorola allo Spegnimento del Cellulare</source>
        <translation>Hides the Motorola logo when the phone switches off</translation>
    </message>
    <message>
        <source>Sblocca &quot;Info Server&quot;</source>
        <translation>Unlock &quot;Server Info&quot;</translation>
    </message>
    <message>
        <source>Se Attivato permette di modificare il server degli MMS</source>
        <translation>When ticked, the MMS server can be changed</translation>
    </message>
    <message>
        <source>Voce &quot;Animazioni&quot;</source>
        <translation>&quot;Animations&quot; Item</translation>
    </message>
    <message>
        <source>Se Attivato abilita la voce &quot;Animazioni&quot; nel Menu Impostazioni Iniziali</source>
        <translation>When ticked, adds the &quot;Animations&quot; item to the Initial Setup menu</translation>
    </message>
    <message>
        <source>Voce &quot;Chiamata Sicura&quot;</source>
        <translation>&quot;Secure Call&quot; Item</translation>
    </message>
    <message>
        <source>Se Attivato abilita la voce &quot;Chiamata Sicura&quot; nel Menu Sicurezza</source>
        <translation>When ticked, adds the &quot;Secure Call&quot; item to the Security menu</translation>
    </message>
    <message>
        <source>Voce &quot;Versione PRL&quot;</source>
        <translation>&quot;PRL Version&quot; Item</translation>
    </message>
    <message>
        <source>Se Attivato aggiunge la voce &quot;Versione PRL&quot; nel Menu Impostazioni -&gt; Info Videofonino</source>
        <translation>When ticked, adds the &quot;PRL Version&quot; item to the Settings -&gt; Phone Info menu</translation>
    </message>
    <message>
        <source>Voce &quot;Indicazioni LED&quot;</source>
        <translation>&quot;LED Indicators&quot; Item</translation>
    </message>
    <message>
        <source>Se Attivato abilita la voce &quot;Indicazioni LED&quot; nel Menu Impostazioni Iniziali</source>
        <translation>When ticked, adds the &quot;LED Indicators&quot; item to the Initial Setup menu</translation>
    </message>
    <message>
        <source>Voce &quot;E-mail Gateway&quot;</source>
        <translation>&quot;E-mail Gateway&quot; Item</translation>
    </message>
    <message>
        <source>Se Attivato abilita la voce &quot;E-mail Gateway&quot; nel Menu Messaggi -&gt; Imposta Messaggi</source>
        <translation>When ticked, adds the &quot;E-mail Gateway&quot; item to the Messages -&gt; Message Setup menu</translation>
    </message>
    <message>
        <source>Cell Broadcast Plus</source>
        <translation>Cell Broadcast Plus</translation>
    </message>
    <message>
        <source>Se Attivato abilita nuove informazione nella voce &quot;Cell Broadcast&quot; nel Menu Messaggi -&gt; Impostazioni Messaggi</source>
        <translation>When ticked, the &quot;Cell Broadcast&quot; item of the Messages -&gt; Message Settings menu shows more information</translation>
    </message>
    <message>
        <source>Disabilita Logo TRE</source>
        <translation>No TRE Logo</translation>
    </message>
    <message>
        <source>Disabilita il Logo della Tre allo Spegnimento del Cellulare</source>
        <translation>Hides the Tre logo when the phone switches off</translation>
    </message>
    <message>
        <source>E&apos; possibile attivare questa opzione solo disabilitando GPRS Null</source>
        <translation>This option can only be turned on with GPRS Null off</translation>
    </message>
    <message>
        <source>Errore di Incoerenza</source>
        <translation>Conflicting Options</translation>
    </message>
    <message>
        <source>Puoi inserire massimo 12 caratteri!</source>
        <translation>You can enter at most 12 characters!</translation>
    </message>
    <message>
        <source>Errore di Lunghezza</source>
        <translation>Too Long</translation>
    </message>
    <message>
        <source>errore di sistema %1</source>
        <translation>system error %1</translation>
    </message>
    <message>
        <source>Impossibile aprire il file &quot;%1&quot;: %2</source>
        <translation>Cannot open the file &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Errore File</source>
        <translation>File Error</translation>
    </message>
    <message>
        <source>permesso negato</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>il file o la cartella non esiste</source>
        <translation>no such file or folder</translation>
    </message>
    <message>
        <source>operazione interrotta</source>
        <translation>operation interrupted</translation>
    </message>
    <message>
        <source>errore di lettura o scrittura sul dispositivo</source>
        <translation>read or write error on the device</translation>
    </message>
    <message>
        <source>nessun processo legge dal dispositivo</source>
        <translation>no process is reading from the device</translation>
    </message>
    <message>
        <source>risorsa momentaneamente non disponibile</source>
        <translation>resource temporarily unavailable</translation>
    </message>
    <message>
        <source>memoria esaurita</source>
        <translation>out of memory</translation>
    </message>
    <message>
        <source>il file è in uso dal sistema</source>
        <translation>the file is in use by the system</translation>
    </message>
    <message>
        <source>il file esiste già</source>
        <translation>the file already exists</translation>
    </message>
    <message>
        <source>il file è su un altro disco</source>
        <translation>the file is on another disk</translation>
    </message>
    <message>
        <source>il dispositivo non esiste</source>
        <translation>no such device</translation>
    </message>
    <message>
        <source>un elemento del percorso non è una cartella</source>
        <translation>a part of the path is not a folder</translation>
    </message>
    <message>
        <source>è una cartella</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>operazione non valida per questo file</source>
        <translation>operation not valid for this file</translation>
    </message>
    <message>
        <source>troppi file aperti</source>
        <translation>too many open files</translation>
    </message>
    <message>
        <source>il file è un programma in esecuzione</source>
        <translation>the file is a running program</translation>
    </message>
    <message>
        <source>il file supera la dimensione consentita</source>
        <translation>the file is over the allowed size</translation>
    </message>
    <message>
        <source>spazio esaurito sul disco</source>
        <translation>no space left on the disk</translation>
    </message>
    <message>
        <source>il disco è in sola lettura</source>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>troppi collegamenti al file</source>
        <translation>too many links to the file</translation>
    </message>
    <message>
        <source>chi leggeva ha chiuso il canale</source>
        <translation>the reader closed the pipe</translation>
    </message>
    <message>
        <source>il nome è troppo lungo</source>
        <translation>the name is too long</translation>
    </message>
    <message>
        <source>troppi collegamenti simbolici</source>
        <translation>too many symbolic links</translation>
    </message>
    <message>
        <source>operazione non supportata dal file system</source>
        <translation>operation not supported by the file system</translation>
    </message>
    <message>
        <source>la connessione è stata chiusa</source>
        <translation>the connection was closed</translation>
    </message>
    <message>
        <source>tempo scaduto</source>
        <translation>timed out</translation>
    </message>
    <message>
        <source>il file non è più valido sul server</source>
        <translation>the file is no longer valid on the server</translation>
    </message>
    <message>
        <source>quota del disco esaurita</source>
        <translation>disk quota exceeded</translation>
    </message>
    <message>
        <source>non è un file normale</source>
        <translation>not a regular file</translation>
    </message>
    <message>
        <source>il file supera 1 MiB</source>
        <translation>the file is over 1 MiB</translation>
    </message>
    <message>
        <source>un altro programma lo ha modificato da quando è stato aperto o salvato</source>
        <translation>another program changed it since it was opened or saved</translation>
    </message>
    <message>
        <source>un altro programma lo ha spostato o cancellato da quando è stato aperto o salvato</source>
        <translation>another program moved or deleted it since it was opened or saved</translation>
    </message>
    <message>
        <source>la copia di sicurezza &quot;%1&quot; non si può scrivere: %2</source>
        <translation>the backup copy &quot;%1&quot; cannot be written: %2</translation>
    </message>
    <message>
        <source>la copia di ripristino non si può scrivere: %1</source>
        <translation>the rollback copy cannot be written: %1</translation>
    </message>
    <message>
        <source>%1; la copia di sicurezza è in &quot;%2&quot;</source>
        <translation>%1; the backup copy is in &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Impossibile salvare il file &quot;%1&quot;: %2</source>
        <translation>Cannot save the file &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Record %1, byte 0x%2 (%3)</source>
        <translation>Record %1, byte 0x%2 (%3)</translation>
    </message>
    <message>
        <source>Valore non valido: &quot;%1&quot;</source>
        <translation>Invalid value: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>byte intero</source>
        <translation>whole byte</translation>
    </message>
    <message>
        <source>(non attiva)</source>
        <translation>(off)</translation>
    </message>
    <message>
        <source>(attiva)</source>
        <translation>(on)</translation>
    </message>
    <message>
        <source>bit %1</source>
        <translation>bit %1</translation>
    </message>
    <message>
        <source>Valore: %1 = %2 = %3</source>
        <translation>Value: %1 = %2 = %3</translation>
    </message>
</context>
<context>
    <name>flex::ui::AboutDialog</name>
    <message>
        <source>About %1</source>
        <translation>About %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>Programma gratuito per la creazione di Flex Personalizzate per il cellulare Motorola A835. Programma realizzato da Tessaron!</source>
        <translation>A free program for making custom flexes for the Motorola A835 phone. Made by Tessaron!</translation>
    </message>
    <message>
        <source>Attenzione: i marchi &quot;Motorola&quot; sono di proprietà di Motorola. Un grazie a tutti quelli che hanno aiutato nella realizzazione di questo programma.</source>
        <translation>Note: the &quot;Motorola&quot; trademarks belong to Motorola. Thanks to everyone who helped to make this program.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;System Info...</translation>
    </message>
</context>
<context>
    <name>flex::ui::DiskNotice</name>
    <message>
        <source>&quot;%1&quot; è stato spostato o cancellato.</source>
        <translation>&quot;%1&quot; was moved or deleted.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; è cambiato sul disco; le tue modifiche restano.</source>
        <translation>&quot;%1&quot; changed on the disk; your changes stay.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; è cambiato sul disco. &lt;a href=&quot;reload&quot;&gt;Ricarica&lt;/a&gt;</source>
        <translation>&quot;%1&quot; changed on the disk. &lt;a href=&quot;reload&quot;&gt;Reload&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Un altro programma ha spostato o cancellato %1.</source>
        <translation>Another program moved or deleted %1.</translation>
    </message>
    <message>
        <source>Un altro programma ha modificato %1.</source>
        <translation>Another program changed %1.</translation>
    </message>
</context>
<context>
    <name>flex::ui::EditMenu</name>
    <message>
        <source>&amp;Modifica</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Ripeti</source>
        <translation>Redo</translation>
    </message>
</context>
<context>
    <name>flex::ui::HexView</name>
    <message>
        <source>Seleziona &amp;tutto</source>
        <translation>Select &amp;All</translation>
    </message>
</context>
<context>
    <name>flex::ui::LabelDialog</name>
    <message>
        <source>Personalizzazione Scritta GPRS</source>
        <translation>Custom GPRS Label</translation>
    </message>
    <message>
        <source>Inserisci i caratteri che vuoi visualizzare invece della scritta GPRS (massimo 12):</source>
        <translation>Type the characters to show in place of the GPRS label (at most 12):</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>flex::ui::MainWindow</name>
    <message>
        <source>Apri Flex</source>
        <translation>Open Flex</translation>
    </message>
    <message>
        <source>Apri Flex...</source>
        <translation>Open Flex...</translation>
    </message>
    <message>
        <source>Salva Flex...</source>
        <translation>Save Flex...</translation>
    </message>
    <message>
        <source>Carica Flex Interna</source>
        <translation>Load Built-in Flex</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Phone</source>
        <translation>&amp;Phone</translation>
    </message>
    <message>
        <source>&amp;Informazioni</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>Genera File FLEX</source>
        <translation>Make FLEX File</translation>
    </message>
    <message>
        <source>Esci Dal Programma</source>
        <translation>Exit Program</translation>
    </message>
    <message>
        <source>Copia di sicurezza (~)</source>
        <translation>Backup Copy (~)</translation>
    </message>
</context>
<context>
    <name>flex::ui::OptionPages</name>
    <message>
        <source>Pagina 1</source>
        <translation>Page 1</translation>
    </message>
    <message>
        <source>Pag. 2</source>
        <translation>Page 2</translation>
    </message>
    <message>
        <source>Opzioni FLEX</source>
        <translation>FLEX Options</translation>
    </message>
</context>
<context>
    <name>flex::ui::PreviewPanel</name>
    <message>
        <source>Preview</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>Formattazione Testo</source>
        <translation>Text Formatting</translation>
    </message>
</context>
<context>
    <name>flex::ui::Question</name>
    <message>
        <source>alla flex interna</source>
        <translation>to the built-in flex</translation>
    </message>
    <message>
        <source>a &quot;%1&quot;</source>
        <translation>to &quot;%1&quot;</translation>
    </message>
    <message>
        <source>uscire</source>
        <translation>quitting</translation>
    </message>
    <message>
        <source>aprire un altro file</source>
        <translation>opening another file</translation>
    </message>
    <message>
        <source>caricare la flex interna</source>
        <translation>loading the built-in flex</translation>
    </message>
    <message>
        <source>Salvare le modifiche %1 prima di %2?</source>
        <translation>Save the changes %1 before %2?</translation>
    </message>
    <message>
        <source>Se non le salvi, le modifiche andranno perse.</source>
        <translation>If you don&apos;t save them, the changes will be lost.</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Non salvare</source>
        <translation>Don&apos;t Save</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Un altro programma ha %1 &quot;%2&quot; da quando è stato aperto o salvato qui.</source>
        <translation>Another program has %1 &quot;%2&quot; since it was opened or saved here.</translation>
    </message>
    <message>
        <source>spostato o cancellato</source>
        <translation>moved or deleted</translation>
    </message>
    <message>
        <source>modificato</source>
        <translation>changed</translation>
    </message>
    <message>
        <source>Salvarlo di nuovo con questo nome?</source>
        <translation>Save it again under this name?</translation>
    </message>
    <message>
        <source>Sovrascriverlo? Le modifiche dell&apos;altro programma andranno perse.</source>
        <translation>Overwrite it? The other program&apos;s changes will be lost.</translation>
    </message>
    <message>
        <source>Sovrascrivi</source>
        <translation>Overwrite</translation>
    </message>
</context>
<context>
    <name>flex::ui::RecentFiles</name>
    <message>
        <source>File recenti</source>
        <translation>Recent Files</translation>
    </message>
</context>
</TS>
