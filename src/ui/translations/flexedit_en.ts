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
    <message>
        <source>il descrittore non è aperto in scrittura</source>
        <translation>the descriptor is not open for writing</translation>
    </message>
    <message>
        <source>il file è stato spostato o sostituito più volte durante il salvataggio</source>
        <translation>the file was moved or replaced several times during the save</translation>
    </message>
    <message>
        <source>la cartella del file non permette di scrivervi una copia</source>
        <translation>the file&apos;s folder does not allow a copy to be written in it</translation>
    </message>
    <message>
        <source>il nome del file è troppo lungo per aggiungervi &quot;~&quot;</source>
        <translation>the file name is too long to add &quot;~&quot; to it</translation>
    </message>
    <message>
        <source>il nome della copia accanto al file è occupato da qualcosa che non si può sostituire</source>
        <translation>the copy&apos;s name beside the file is taken by something that cannot be replaced</translation>
    </message>
    <message>
        <source>il file è stato salvato, ma non è certo che sia sul disco: %1</source>
        <translation>the file was saved, but it is not certain that it is on the disk: %1</translation>
    </message>
    <message>
        <source>non si può leggere: %1</source>
        <translation>cannot be read: %1</translation>
    </message>
    <message>
        <source>non è una copia di ripristino che questa versione del programma sa leggere</source>
        <translation>is not a recovery copy this version of the program can read</translation>
    </message>
    <message>
        <source>è danneggiata (incompleta o alterata)</source>
        <translation>is damaged (incomplete or altered)</translation>
    </message>
    <message>
        <source>record Base</source>
        <translation>Base record</translation>
    </message>
    <message>
        <source>record Call</source>
        <translation>Call record</translation>
    </message>
    <message>
        <source>etichetta GPRS</source>
        <translation>GPRS label</translation>
    </message>
    <message>
        <source>Apri Flex</source>
        <translation>Open Flex</translation>
    </message>
    <message>
        <source>Carica Flex Interna</source>
        <translation>Load Built-in Flex</translation>
    </message>
    <message>
        <source>Il file delle opzioni utente %1 ha dei problemi (opzioni caricate: %2):</source>
        <translation>The user options file %1 has problems (options loaded: %2):</translation>
    </message>
    <message>
        <source>impossibile leggere il file: %1</source>
        <translation>cannot read the file: %1</translation>
    </message>
    <message>
        <source>Opzioni Utente</source>
        <translation>User Options</translation>
    </message>
    <message>
        <source>voce %1: %2</source>
        <translation>entry %1: %2</translation>
    </message>
    <message>
        <source>voce %1 (%2): %3</source>
        <translation>entry %1 (%2): %3</translation>
    </message>
    <message>
        <source>non è un testo JSON valido</source>
        <translation>not valid JSON text</translation>
    </message>
    <message>
        <source>non è un testo JSON valido (riga:colonna %1)</source>
        <translation>not valid JSON text (line:column %1)</translation>
    </message>
    <message>
        <source>ha %1 voci, più delle %2 ammesse</source>
        <translation>has %1 entries, more than the %2 allowed</translation>
    </message>
    <message>
        <source>deve essere un oggetto JSON con l&apos;elenco &quot;options&quot;</source>
        <translation>must be a JSON object with the list &quot;options&quot;</translation>
    </message>
    <message>
        <source>la voce deve essere un oggetto JSON</source>
        <translation>the entry must be a JSON object</translation>
    </message>
    <message>
        <source>un numero intero</source>
        <translation>a whole number</translation>
    </message>
    <message>
        <source>il campo %1 deve essere %2</source>
        <translation>the field %1 must be %2</translation>
    </message>
    <message>
        <source>un elenco di numeri interi</source>
        <translation>a list of whole numbers</translation>
    </message>
    <message>
        <source>true o false</source>
        <translation>true or false</translation>
    </message>
    <message>
        <source>un elenco</source>
        <translation>a list</translation>
    </message>
    <message>
        <source>un testo</source>
        <translation>a text</translation>
    </message>
    <message>
        <source>manca il campo %1</source>
        <translation>the field %1 is missing</translation>
    </message>
    <message>
        <source>campo sconosciuto %1</source>
        <translation>unknown field %1</translation>
    </message>
    <message>
        <source>il campo %1 compare più volte</source>
        <translation>the field %1 appears more than once</translation>
    </message>
    <message>
        <source>l&apos;id deve essere fatto solo di lettere, cifre e _</source>
        <translation>the id must be made of letters, digits and _ only</translation>
    </message>
    <message>
        <source>l&apos;id ha la forma delle opzioni incorporate (CheckN(i))</source>
        <translation>the id has the form of the built-in options (CheckN(i))</translation>
    </message>
    <message>
        <source>l&apos;id è già usato da una voce precedente</source>
        <translation>the id is already used by an earlier entry</translation>
    </message>
    <message>
        <source>la didascalia (&quot;caption&quot;) è vuota</source>
        <translation>the caption (&quot;caption&quot;) is empty</translation>
    </message>
    <message>
        <source>la didascalia (&quot;caption&quot;) contiene caratteri di controllo</source>
        <translation>the caption (&quot;caption&quot;) holds control characters</translation>
    </message>
    <message>
        <source>record sconosciuto %1: deve essere &quot;Base&quot; o &quot;Call&quot;</source>
        <translation>unknown record %1: must be &quot;Base&quot; or &quot;Call&quot;</translation>
    </message>
    <message>
        <source>la posizione %1 non è l&apos;inizio di un byte (deve essere dispari)</source>
        <translation>position %1 is not the start of a byte (it must be odd)</translation>
    </message>
    <message>
        <source>la posizione %1 è fuori da ogni record che si può caricare</source>
        <translation>position %1 is outside every record that can be loaded</translation>
    </message>
    <message>
        <source>nessun bit in &quot;bits&quot;</source>
        <translation>no bit in &quot;bits&quot;</translation>
    </message>
    <message>
        <source>il bit %1 è fuori da 1..8</source>
        <translation>bit %1 is outside 1..8</translation>
    </message>
    <message>
        <source>il bit %1 compare due volte</source>
        <translation>bit %1 appears twice</translation>
    </message>
    <message>
        <source>polarità sconosciuta %1: deve essere &quot;ticked sets&quot; o &quot;ticked clears&quot;</source>
        <translation>unknown polarity %1: must be &quot;ticked sets&quot; or &quot;ticked clears&quot;</translation>
    </message>
    <message>
        <source>… e altri %1 problemi</source>
        <translation>… and %1 more problems</translation>
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
    <message>
        <source>Avviso sul file su disco</source>
        <translation>Notice about the file on disk</translation>
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
    <message>
        <source>&amp;Annulla</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>&amp;Ripeti</source>
        <translation>&amp;Redo</translation>
    </message>
</context>
<context>
    <name>flex::ui::HelpWindow</name>
    <message>
        <source>tutti</source>
        <translation>all</translation>
    </message>
    <message>
        <source>azzera i bit</source>
        <translation>clears the bits</translation>
    </message>
    <message>
        <source>imposta i bit</source>
        <translation>sets the bits</translation>
    </message>
    <message>
        <source>scrive %1 (tolta: %2)</source>
        <translation>writes %1 (cleared: %2)</translation>
    </message>
    <message>
        <source>etichetta GPRS vuota</source>
        <translation>empty GPRS label</translation>
    </message>
    <message>
        <source>etichetta GPRS personale</source>
        <translation>custom GPRS label</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>sì</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>Che cos&apos;è una flex</source>
        <translation>What a flex is</translation>
    </message>
    <message>
        <source>Una flex è la configurazione del telefono Motorola A835: tre record, ciascuno una stringa di coppie di cifre esadecimali maiuscole. Il record Base e il record Call reggono menu, loghi e opzioni di rete; il terzo record è l&apos;etichetta che il telefono mostra al posto di &quot;GPRS&quot; in modalità 2.5G. Ogni opzione attiva o disattiva singoli bit di un byte di questi record. Un file .hs contiene i tre record, uno per riga.</source>
        <translation>A flex is the configuration of the Motorola A835 phone: three records, each a string of pairs of upper-case hexadecimal digits. The Base record and the Call record hold menus, logos and network options; the third record is the label the phone shows in place of &quot;GPRS&quot; in 2.5G mode. Each option turns single bits of a byte of these records on or off. A .hs file holds the three records, one per line.</translation>
    </message>
    <message>
        <source>Come si usa la finestra</source>
        <translation>Using the window</translation>
    </message>
    <message>
        <source>All&apos;avvio la finestra mostra la flex interna. Le 33 opzioni stanno su due pagine, &quot;Pagina 1&quot; e &quot;Pag. 2&quot;: spuntare o togliere un&apos;opzione cambia subito i suoi bit.</source>
        <translation>At start the window shows the built-in flex. The 33 options are on two pages, &quot;Page 1&quot; and &quot;Page 2&quot;: ticking or clearing an option changes its bits at once.</translation>
    </message>
    <message>
        <source>Il riquadro &quot;Preview&quot; mostra i tre record. Con &quot;Formattazione Testo&quot; spuntata si vedono i byte dei dati a coppie, 16 per riga, sotto il righello delle colonne e accanto all&apos;indirizzo della riga; senza, i record interi, che si possono modificare a mano. Fermando il mouse su un byte si vede il suo valore e quali opzioni lo usano; i byte diversi dalla flex interna hanno lo sfondo colorato.</source>
        <translation>The &quot;Preview&quot; frame shows the three records. With &quot;Text Formatting&quot; ticked, the data bytes show as pairs, 16 to a line, under the column ruler and beside the line&apos;s address; without it, the whole records, which can be edited by hand. Resting the mouse on a byte shows its value and which options use it; bytes that differ from the built-in flex have a tinted background.</translation>
    </message>
    <message>
        <source>&quot;GPRS Personale&quot; apre una piccola finestra in cui scrivere fino a 12 caratteri al posto della scritta GPRS.</source>
        <translation>&quot;Custom GPRS&quot; opens a small window in which to write up to 12 characters in place of the GPRS label.</translation>
    </message>
    <message>
        <source>&quot;Apri Flex&quot; carica un file .hs, anche trascinato sulla finestra o scelto fra i &quot;File recenti&quot;. &quot;Salva&quot; riscrive il file aperto o salvato per ultimo; &quot;Salva Flex...&quot;, il dischetto e &quot;Genera File FLEX&quot; chiedono il nome. &quot;Carica Flex Interna&quot; torna alla flex interna. &quot;Modifica&quot; annulla e ripete gli ultimi passi.</source>
        <translation>&quot;Open Flex&quot; loads a .hs file, also one dropped on the window or chosen from &quot;Recent Files&quot;. &quot;Save&quot; writes the file last opened or saved again; &quot;Save Flex...&quot;, the diskette and &quot;Make FLEX File&quot; ask for a name. &quot;Load Built-in Flex&quot; goes back to the built-in flex. &quot;Edit&quot; undoes and redoes the last steps.</translation>
    </message>
    <message>
        <source>Prima che modifiche non salvate vadano perse (chiudendo la finestra, aprendo un altro file o caricando la flex interna) il programma chiede se salvarle. Se un altro programma cambia il file aperto, la barra di stato lo dice e, se non ci sono modifiche non salvate, offre &quot;Ricarica&quot;; un salvataggio sopra un file cambiato così chiede prima di sovrascriverlo. Finché le modifiche non sono salvate, il programma ne tiene una copia di recupero, che offre di ripristinare all&apos;avvio successivo dopo un arresto improvviso.</source>
        <translation>Before changes not saved would be lost (closing the window, opening another file or loading the built-in flex) the program asks whether to save them. If another program changes the open file, the status bar says so and, when there are no changes not saved, offers &quot;Reload&quot;; a save over a file changed that way asks before overwriting it. While changes are not saved, the program keeps a recovery copy of them, which it offers to restore at the next start after a sudden stop.</translation>
    </message>
    <message>
        <source>Riga di comando</source>
        <translation>Command line</translation>
    </message>
    <message>
        <source>&lt;code&gt;flexedit FILE.hs&lt;/code&gt; apre la finestra con quel file. &lt;code&gt;flexedit-cli&lt;/code&gt; fa le stesse modifiche senza finestra: parte dalla flex interna, esegue le azioni nell&apos;ordine dato (per esempio &lt;code&gt;flexedit-cli --open in.hs --tick &apos;Check1(0)&apos; --save out.hs&lt;/code&gt;) e stampa lo stato finale, in JSON con &lt;code&gt;--json&lt;/code&gt;; &lt;code&gt;--list&lt;/code&gt; elenca le opzioni, &lt;code&gt;diff A.hs B.hs&lt;/code&gt; confronta due flex e &lt;code&gt;--help&lt;/code&gt; spiega ogni azione.</source>
        <translation>&lt;code&gt;flexedit FILE.hs&lt;/code&gt; opens the window with that file. &lt;code&gt;flexedit-cli&lt;/code&gt; makes the same changes without a window: it starts from the built-in flex, runs the actions in the order given (for example &lt;code&gt;flexedit-cli --open in.hs --tick &apos;Check1(0)&apos; --save out.hs&lt;/code&gt;) and prints the final state, in JSON with &lt;code&gt;--json&lt;/code&gt;; &lt;code&gt;--list&lt;/code&gt; lists the options, &lt;code&gt;diff A.hs B.hs&lt;/code&gt; compares two flexes and &lt;code&gt;--help&lt;/code&gt; explains each action.</translation>
    </message>
    <message>
        <source>Help - %1</source>
        <translation>Help - %1</translation>
    </message>
    <message>
        <source>Opzione</source>
        <translation>Option</translation>
    </message>
    <message>
        <source>Descrizione</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Byte</source>
        <translation>Byte</translation>
    </message>
    <message>
        <source>Bit</source>
        <translation>Bits</translation>
    </message>
    <message>
        <source>Se spuntata</source>
        <translation>When ticked</translation>
    </message>
    <message>
        <source>Rilettura</source>
        <translation>Readback</translation>
    </message>
    <message>
        <source>Tasti</source>
        <translation>Keys</translation>
    </message>
    <message>
        <source>Comando</source>
        <translation>Command</translation>
    </message>
    <message>
        <source>Le %1 opzioni</source>
        <translation>The %1 options</translation>
    </message>
    <message>
        <source>Byte: la posizione nel record, da 0. Bit: da 1 (0x01) a 8 (0x80), nell&apos;ordine in cui sono scritti. Rilettura: se l&apos;opzione scrive il suo record anche quando la casella cambia perché è stata aperta una flex.</source>
        <translation>Byte: the place in the record, from 0. Bits: from 1 (0x01) to 8 (0x80), in the order they are written. Readback: whether the option writes its record also when the box changes because a flex was opened.</translation>
    </message>
</context>
<context>
    <name>flex::ui::HexView</name>
    <message>
        <source>Seleziona &amp;tutto</source>
        <translation>Select &amp;All</translation>
    </message>
    <message>
        <source>&amp;Copia</source>
        <translation>&amp;Copy</translation>
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
        <source>&amp;Apri Flex</source>
        <translation>&amp;Open Flex</translation>
    </message>
    <message>
        <source>&amp;Salva</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Salva &amp;Flex...</source>
        <translation>Save &amp;Flex...</translation>
    </message>
    <message>
        <source>Carica Flex &amp;Interna</source>
        <translation>Load Built-&amp;in Flex</translation>
    </message>
    <message>
        <source>&amp;Esci</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>&amp;Copia di sicurezza (~)</source>
        <translation>&amp;Backup Copy (~)</translation>
    </message>
    <message>
        <source>Barra di stato</source>
        <translation>Status bar</translation>
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
    <message>
        <source>Disabilita Logo Motorola all&apos;accensione</source>
        <translation>No Motorola logo at switch-on</translation>
    </message>
    <message>
        <source>Disabilita Logo Motorola allo spegnimento</source>
        <translation>No Motorola logo at switch-off</translation>
    </message>
    <message>
        <source>Pagine delle opzioni</source>
        <translation>Option pages</translation>
    </message>
    <message>
        <source>Opzioni FLEX, pagina %1</source>
        <translation>FLEX options, page %1</translation>
    </message>
    <message>
        <source>Pagina successiva</source>
        <translation>Next page</translation>
    </message>
    <message>
        <source>Pagina precedente</source>
        <translation>Previous page</translation>
    </message>
    <message>
        <source>Opzioni utente</source>
        <translation>User options</translation>
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
    <message>
        <source>Record Base</source>
        <translation>Base Record</translation>
    </message>
    <message>
        <source>Record Call</source>
        <translation>Call Record</translation>
    </message>
    <message>
        <source>Etichetta GPRS</source>
        <translation>GPRS Label</translation>
    </message>
    <message>
        <source>Record Base non formattato</source>
        <translation>Base Record unformatted</translation>
    </message>
    <message>
        <source>Record Call non formattato</source>
        <translation>Call Record unformatted</translation>
    </message>
    <message>
        <source>Etichetta GPRS non formattata</source>
        <translation>GPRS Label unformatted</translation>
    </message>
    <message>
        <source>Colonne dei byte, da 00 a 0F</source>
        <translation>Byte columns, 00 to 0F</translation>
    </message>
    <message>
        <source>%1, riga %2</source>
        <translation>%1, line %2</translation>
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
    <message>
        <source>a %1</source>
        <translation>to %1</translation>
    </message>
    <message>
        <source>Sono rimaste modifiche non salvate %1, del %2.</source>
        <translation>Unsaved changes %1 were left behind, from %2.</translation>
    </message>
    <message>
        <source>dd/MM/yyyy &apos;alle&apos; HH:mm:ss</source>
        <comment>the time a recovery copy was written</comment>
        <translation>yyyy-MM-dd &apos;at&apos; HH:mm:ss</translation>
    </message>
    <message>
        <source>Il programma si è chiuso senza salvarle. Ripristina le riapre, Scarta le elimina, Più tardi le conserva per il prossimo avvio.</source>
        <translation>The program closed without saving them. Restore opens them again, Discard deletes them, Later keeps them for the next start.</translation>
    </message>
    <message>
        <source>Ripristina</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>Scarta</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>Più tardi</source>
        <translation>Later</translation>
    </message>
    <message>
        <source>La copia di ripristino %1 %2.</source>
        <translation>The recovery copy %1 %2.</translation>
    </message>
    <message>
        <source>Non si può ripristinare. Scarta la elimina, Più tardi la lascia dov&apos;è.</source>
        <translation>It cannot be restored. Discard deletes it, Later leaves it where it is.</translation>
    </message>
    <message>
        <source>%1 è aperto in un&apos;altra finestra di flexedit, con modifiche non salvate.</source>
        <translation>%1 is open in another flexedit window, with changes not saved.</translation>
    </message>
    <message>
        <source>Se lo apri anche qui, salvando da una finestra si perdono le modifiche dell&apos;altra.</source>
        <translation>If you open it here too, saving from one window loses the other&apos;s changes.</translation>
    </message>
    <message>
        <source>Apri comunque</source>
        <translation>Open Anyway</translation>
    </message>
</context>
<context>
    <name>flex::ui::RecentFiles</name>
    <message>
        <source>File &amp;recenti</source>
        <translation>&amp;Recent Files</translation>
    </message>
</context>
<context>
    <name>flex::ui::StatusPanel</name>
    <message>
        <source>Nessun file aperto</source>
        <translation>No file open</translation>
    </message>
</context>
<context>
    <name>flex::ui::UserOptionPage</name>
    <message>
        <source>Opzioni utente</source>
        <translation>User options</translation>
    </message>
</context>
</TS>
