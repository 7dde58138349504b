<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>Action</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuovo</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>Crea un nuovo documento</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Apri...</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>Apre un documento esistente</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Open &amp;Backup...</source>
        <translation>Apri &amp;backup...</translation>
    </message>
    <message>
        <source>Open a copy kept by an earlier Read or Write</source>
        <translation>Apre una copia conservata da una lettura o una scrittura precedente</translation>
    </message>
    <message>
        <source>Open Backup</source>
        <translation>Apri backup</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>Salva il documento attivo</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Salva &amp;con nome...</translation>
    </message>
    <message>
        <source>Save the active document with a new name</source>
        <translation>Salva il documento attivo con un nuovo nome</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salva con nome</translation>
    </message>
    <message>
        <source>Expor&amp;t...</source>
        <translation>Esp&amp;orta...</translation>
    </message>
    <message>
        <source>Write the whole configuration to a readable YAML file</source>
        <translation>Scrive l&apos;intera configurazione in un file YAML leggibile</translation>
    </message>
    <message>
        <source>I&amp;mport...</source>
        <translation>I&amp;mporta...</translation>
    </message>
    <message>
        <source>Open a YAML file written by Export as a new document</source>
        <translation>Apre come nuovo documento un file YAML scritto da Esporta</translation>
    </message>
    <message>
        <source>Export &amp;Channels as CSV...</source>
        <translation>Esporta cana&amp;li in CSV...</translation>
    </message>
    <message>
        <source>Write the channels to a CSV file in CHIRP&apos;s format</source>
        <translation>Scrive i canali in un file CSV nel formato di CHIRP</translation>
    </message>
    <message>
        <source>Import C&amp;hannels from CSV...</source>
        <translation>Importa canali &amp;da CSV...</translation>
    </message>
    <message>
        <source>Set channels from a CSV file in CHIRP&apos;s format</source>
        <translation>Imposta i canali da un file CSV nel formato di CHIRP</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>S&amp;tampa...</translation>
    </message>
    <message>
        <source>Print the active document</source>
        <translation>Stampa il documento attivo</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Antep&amp;rima di stampa</translation>
    </message>
    <message>
        <source>Display full pages</source>
        <translation>Mostra le pagine intere</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Anteprima di stampa</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Imposta stam&amp;pante...</translation>
    </message>
    <message>
        <source>Change the printer and printing options</source>
        <translation>Cambia la stampante e le opzioni di stampa</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Imposta stampante</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents</source>
        <translation>Chiude il programma; chiede di salvare i documenti</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Take back the last change</source>
        <translation>Annulla l&apos;ultima modifica</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ripeti</translation>
    </message>
    <message>
        <source>Make the change taken back last again</source>
        <translation>Ripete l&apos;ultima modifica annullata</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>Copy the selected channels</source>
        <translation>Copia i canali selezionati</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>I&amp;ncolla</translation>
    </message>
    <message>
        <source>Paste channels from the current row down</source>
        <translation>Incolla i canali a partire dalla riga corrente verso il basso</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Incolla</translation>
    </message>
    <message>
        <source>Appl&amp;y to Selected Channels</source>
        <translation>A&amp;pplica ai canali selezionati</translation>
    </message>
    <message>
        <source>Set the current cell&apos;s tone, power, scan, bandwidth or channel type for every selected channel</source>
        <translation>Imposta il tono, la potenza, la scansione, la larghezza di banda o il tipo di canale della cella corrente su tutti i canali selezionati</translation>
    </message>
    <message>
        <source>Apply to Selected Channels</source>
        <translation>Applica ai canali selezionati</translation>
    </message>
    <message>
        <source>&amp;Fill Channels...</source>
        <translation>Ri&amp;empi canali...</translation>
    </message>
    <message>
        <source>Fill the selected channels, or all 16, with the PMR446 or dPMR446 channels</source>
        <translation>Riempie i canali selezionati, o tutti i 16, con i canali PMR446 o dPMR446</translation>
    </message>
    <message>
        <source>Fill Channels</source>
        <translation>Riempi canali</translation>
    </message>
    <message>
        <source>&amp;Scan Info</source>
        <translation>Info &amp;scansione</translation>
    </message>
    <message>
        <source>Edit the scan settings</source>
        <translation>Modifica le impostazioni di scansione</translation>
    </message>
    <message>
        <source>&amp;Basic setting</source>
        <translation>Impostazioni di &amp;base</translation>
    </message>
    <message>
        <source>Edit the basic settings</source>
        <translation>Modifica le impostazioni di base</translation>
    </message>
    <message>
        <source>&amp;Alarm</source>
        <translation>A&amp;llarme</translation>
    </message>
    <message>
        <source>Edit the alarm settings</source>
        <translation>Modifica le impostazioni di allarme</translation>
    </message>
    <message>
        <source>&amp;DTMF</source>
        <translation>&amp;DTMF</translation>
    </message>
    <message>
        <source>Edit the DTMF settings</source>
        <translation>Modifica le impostazioni DTMF</translation>
    </message>
    <message>
        <source>dP&amp;MR</source>
        <translation>dP&amp;MR</translation>
    </message>
    <message>
        <source>Edit the dPMR parameters</source>
        <translation>Modifica i parametri dPMR</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>&amp;Leggi</translation>
    </message>
    <message>
        <source>Read Data From Radio</source>
        <translation>Legge i dati dalla radio</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Leggi</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>&amp;Scrivi</translation>
    </message>
    <message>
        <source>Write Data to Radio </source>
        <translation>Scrive i dati nella radio</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Scrivi</translation>
    </message>
    <message>
        <source>Write to &amp;Several Radios...</source>
        <translation>Scrivi su più &amp;radio...</translation>
    </message>
    <message>
        <source>Write this configuration to several radios at once, each with its own ID</source>
        <translation>Scrive questa configurazione su più radio insieme, ognuna con il proprio ID</translation>
    </message>
    <message>
        <source>Write to Several Radios</source>
        <translation>Scrivi su più radio</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barra degli strumenti</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>Mostra o nasconde la barra degli strumenti</translation>
    </message>
    <message>
        <source>Toggle ToolBar</source>
        <translation>Mostra/nascondi barra degli strumenti</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barra di &amp;stato</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Mostra o nasconde la barra di stato</translation>
    </message>
    <message>
        <source>Toggle StatusBar</source>
        <translation>Mostra/nascondi barra di stato</translation>
    </message>
    <message>
        <source>&amp;Port</source>
        <translation>&amp;Porta</translation>
    </message>
    <message>
        <source>Choose the serial port of the radio</source>
        <translation>Sceglie la porta seriale della radio</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Guida utente</translation>
    </message>
    <message>
        <source>Open the guide to a first Read, editing, Save and Write</source>
        <translation>Apre la guida a una prima lettura, alla modifica, al salvataggio e alla scrittura</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Guida utente</translation>
    </message>
    <message>
        <source>&amp;Report a Problem...</source>
        <translation>&amp;Segnala un problema...</translation>
    </message>
    <message>
        <source>Gather what is needed to look into a problem into one file to attach; nothing is sent</source>
        <translation>Raccoglie in un unico file da allegare ciò che serve per esaminare un problema; non viene inviato nulla</translation>
    </message>
    <message>
        <source>Report a Problem</source>
        <translation>Segnala un problema</translation>
    </message>
    <message>
        <source>&amp;About ...</source>
        <translation>I&amp;nformazioni...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Mostra le informazioni sul programma, il numero di versione e il copyright</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Program</source>
        <translation>&amp;Programma</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>&amp;Setting</source>
        <translation>&amp;Impostazioni</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Home page:</source>
        <translation>Sito web:</translation>
    </message>
    <message>
        <source>Report a problem:</source>
        <translation>Segnala un problema:</translation>
    </message>
</context>
<context>
    <name>CChannelClipboard</name>
    <message>
        <source>Copied channel %1</source>
        <translation>Copiato il canale %1</translation>
    </message>
    <message>
        <source>Copied channels %1-%2</source>
        <translation>Copiati i canali %1-%2</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Incolla</translation>
    </message>
    <message>
        <source>Nothing pasted</source>
        <translation>Nessun dato incollato</translation>
    </message>
    <message>
        <source>Pasted channel %1</source>
        <translation>Incollato il canale %1</translation>
    </message>
    <message>
        <source>Pasted channels %1-%2</source>
        <translation>Incollati i canali %1-%2</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
</context>
<context>
    <name>CChannelCsvCommands</name>
    <message>
        <source>CSV files (*.csv);;All Files (*)</source>
        <translation>File CSV (*.csv);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Export Channels as CSV</source>
        <translation>Esporta canali in CSV</translation>
    </message>
    <message>
        <source>Import Channels from CSV</source>
        <translation>Importa canali da CSV</translation>
    </message>
    <message>
        <source>Exported the channels to %1</source>
        <translation>Canali esportati in %1</translation>
    </message>
    <message>
        <source>Cannot import %1.</source>
        <translation>Impossibile importare %1.</translation>
    </message>
    <message>
        <source>No channel was changed.</source>
        <translation>Nessun canale è stato modificato.</translation>
    </message>
    <message>
        <source>Imported 1 channel from %1</source>
        <translation>Importato 1 canale da %1</translation>
    </message>
    <message>
        <source>Imported %1 channels from %2</source>
        <translation>Importati %1 canali da %2</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
</context>
<context>
    <name>CChannelEditCommands</name>
    <message>
        <source>Rx and Tx color code, Tx contact and Group rx list changed on channel %1 go to %2 as well.</source>
        <translation>Codice colore Rx e Tx, Contatto Tx e Lista gruppi Rx modificati sul canale %1 vengono applicati anche a %2.</translation>
    </message>
    <message>
        <source>Channel edit</source>
        <translation>Modifica canale</translation>
    </message>
    <message>
        <source>Channel edit.</source>
        <translation>Modifica canale.</translation>
    </message>
</context>
<context>
    <name>CChannelEditDlg</name>
    <message>
        <source>Next channel</source>
        <translation>Canale successivo</translation>
    </message>
    <message>
        <source>Previous channel</source>
        <translation>Canale precedente</translation>
    </message>
    <message>
        <source>Analog</source>
        <translation>Analogico</translation>
    </message>
    <message>
        <source>Digit</source>
        <translation>Digitale</translation>
    </message>
    <message>
        <source>Call 1</source>
        <translation>Chiamata 1</translation>
    </message>
    <message>
        <source>Call 2</source>
        <translation>Chiamata 2</translation>
    </message>
</context>
<context>
    <name>CCodeplugCommands</name>
    <message>
        <source>Codeplug (*.yaml *.yml);;All Files (*)</source>
        <translation>Codeplug (*.yaml *.yml);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importa</translation>
    </message>
    <message>
        <source>Exported %1</source>
        <translation>Esportato %1</translation>
    </message>
    <message>
        <source>Cannot import %1:
%2</source>
        <translation>Impossibile importare %1:
%2</translation>
    </message>
    <message>
        <source>Imported %1</source>
        <translation>Importato %1</translation>
    </message>
    <message>
        <source>Imported %1: %2 value(s) stored other than written.</source>
        <translation>Importato %1: valori memorizzati diversamente da come scritti nel file: %2.</translation>
    </message>
</context>
<context>
    <name>CContactPage</name>
    <message>
        <source>Contacts</source>
        <translation>Contatti</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Inserisci</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
</context>
<context>
    <name>CDocumentController</name>
    <message>
        <source>*.dat (*.dat);;All Files (*)</source>
        <translation>*.dat (*.dat);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Untitled (read from the radio)</source>
        <translation>Senza titolo (letto dalla radio)</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lettura</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Ricarica</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>Aperto %1</translation>
    </message>
    <message>
        <source>Opened %1.%2</source>
        <translation>Aperto %1.%2</translation>
    </message>
    <message>
        <source>Opened the backup %1; Save asks for a new name</source>
        <translation>Aperto il backup %1; Salva chiede un nuovo nome</translation>
    </message>
    <message>
        <source>%1 no longer exists; it was removed from the recent files.</source>
        <translation>%1 non esiste più; è stato rimosso dai file recenti.</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Salvato %1</translation>
    </message>
    <message>
        <source>Saved %1.%2</source>
        <translation>Salvato %1.%2</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Reloaded %1</source>
        <translation>Ricaricato %1</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salva con nome</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
</context>
<context>
    <name>CDtmfContactPage</name>
    <message>
        <source>No.</source>
        <translation>N.</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Codice</translation>
    </message>
    <message>
        <source>DTMF codes</source>
        <translation>Codici DTMF</translation>
    </message>
</context>
<context>
    <name>CFillChannelsDlg</name>
    <message>
        <source>Fill Channels</source>
        <translation>Riempi canali</translation>
    </message>
    <message>
        <source>&amp;All 16 channels</source>
        <translation>&amp;Tutti i 16 canali</translation>
    </message>
    <message>
        <source>%1 (%2 channels, %3 kHz apart)</source>
        <translation>%1 (%2 canali, spaziati di %3 kHz)</translation>
    </message>
    <message>
        <source>&amp;Selected %1</source>
        <translation>&amp;Selezionati: %1</translation>
    </message>
    <message>
        <source>&amp;Selected channels (select two or more first)</source>
        <translation>Canali &amp;selezionati (selezionarne prima almeno due)</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>The same on every channel</source>
        <translation>Lo stesso su ogni canale</translation>
    </message>
    <message>
        <source>One per channel, rising</source>
        <translation>Uno per canale, crescente</translation>
    </message>
    <message>
        <source>To&amp;ne:</source>
        <translation>T&amp;ono:</translation>
    </message>
    <message>
        <source>&amp;Plan:</source>
        <translation>&amp;Piano:</translation>
    </message>
    <message>
        <source>&amp;First plan channel:</source>
        <translation>P&amp;rimo canale del piano:</translation>
    </message>
    <message>
        <source>Fill:</source>
        <translation>Riempi:</translation>
    </message>
    <message>
        <source>CTCSS &amp;tones:</source>
        <translation>Toni &amp;CTCSS:</translation>
    </message>
    <message>
        <source>%1 to %2 MHz</source>
        <translation>da %1 a %2 MHz</translation>
    </message>
    <message>
        <source>%1 will stay unchanged: %2 ends at channel %3</source>
        <translation>%1: nessuna modifica, %2 termina al canale %3</translation>
    </message>
</context>
<context>
    <name>CFleetIdentityBox</name>
    <message>
        <source>Each radio</source>
        <translation>Ogni radio</translation>
    </message>
    <message>
        <source>e.g. 1000001</source>
        <translation>es. 1000001</translation>
    </message>
    <message>
        <source>Unit {n}, or {id:4} for the ID&apos;s last 4 digits</source>
        <translation>Radio {n}, o {id:4} per le ultime 4 cifre dell&apos;ID</translation>
    </message>
    <message>
        <source>{n}: the radio&apos;s number in the list of ticked ports; {id}: its 7-digit ID; {id:4}: the ID&apos;s last 4 digits. Cut to the radio&apos;s 8 characters.</source>
        <translation>{n}: il numero della radio nell&apos;elenco delle porte spuntate; {id}: il suo ID di 7 cifre; {id:4}: le ultime 4 cifre dell&apos;ID. Troncato agli 8 caratteri della radio.</translation>
    </message>
    <message>
        <source>Keep each radio&apos;s identity</source>
        <translation>Mantieni l&apos;identità di ogni radio</translation>
    </message>
    <message>
        <source>Read each radio first and write the new configuration with its own ID and name</source>
        <translation>Legge prima ogni radio e scrive la nuova configurazione con il suo ID e il suo nome</translation>
    </message>
    <message>
        <source>Verify after writing</source>
        <translation>Verifica dopo la scrittura</translation>
    </message>
    <message>
        <source>Copy this file&apos;s squelch calibration to every radio</source>
        <translation>Copia su ogni radio la taratura dello squelch di questo file</translation>
    </message>
    <message>
        <source>Off: each radio keeps the squelch calibration the factory set for it (read first, written back unchanged)</source>
        <translation>Disattivato: ogni radio mantiene la taratura dello squelch impostata in fabbrica per essa (letta prima e riscritta invariata)</translation>
    </message>
    <message>
        <source>One cable: the list&apos;s radios one after another on one port</source>
        <translation>Un solo cavo: le radio dell&apos;elenco una dopo l&apos;altra su una porta</translation>
    </message>
    <message>
        <source>Tick the one port; each radio of the imported list is written in turn, and the dialog asks for the next radio (Space or Enter)</source>
        <translation>Spuntare l&apos;unica porta; ogni radio dell&apos;elenco importato viene scritta a turno e la finestra chiede la radio successiva (Spazio o Invio)</translation>
    </message>
    <message>
        <source>First radio ID:</source>
        <translation>ID prima radio:</translation>
    </message>
    <message>
        <source>ID step:</source>
        <translation>Passo ID:</translation>
    </message>
    <message>
        <source>Name pattern:</source>
        <translation>Schema nome:</translation>
    </message>
</context>
<context>
    <name>CFleetPortTable</name>
    <message>
        <source>Radios</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrizione</translation>
    </message>
    <message>
        <source>Radio ID</source>
        <translation>ID radio</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Avanzamento</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>unplugged</source>
        <translation>scollegata</translation>
    </message>
</context>
<context>
    <name>CFleetSummaryTable</name>
    <message>
        <source>Results</source>
        <translation>Risultati</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>Radio ID</source>
        <translation>ID radio</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Risultato</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Verifica</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Secondi</translation>
    </message>
</context>
<context>
    <name>CFleetWriteDlg</name>
    <message>
        <source>Write to Several Radios</source>
        <translation>Scrivi su più radio</translation>
    </message>
    <message>
        <source>Radios (one per port, all written at the same time), each with its ID and name:</source>
        <translation>Radio (una per porta, tutte scritte contemporaneamente), ognuna con il suo ID e il suo nome:</translation>
    </message>
    <message>
        <source>/dev/ttyUSB1 or a virtual radio&apos;s /dev/pts/N</source>
        <translation>/dev/ttyUSB1 o /dev/pts/N di una radio virtuale</translation>
    </message>
    <message>
        <source>Port to add</source>
        <translation>Porta da aggiungere</translation>
    </message>
    <message>
        <source>Add Port</source>
        <translation>Aggiungi porta</translation>
    </message>
    <message>
        <source>Import list...</source>
        <translation>Importa elenco...</translation>
    </message>
    <message>
        <source>The customer&apos;s list: one row a radio with its name, dPMR ID and, optionally, its port; from a CSV file, or the rows copied in a spreadsheet</source>
        <translation>L&apos;elenco del cliente: una riga per radio con nome, ID dPMR e, facoltativamente, porta; da un file CSV o dalle righe copiate da un foglio di calcolo</translation>
    </message>
    <message>
        <source>From a CSV File...</source>
        <translation>Da un file CSV...</translation>
    </message>
    <message>
        <source>Paste from the Clipboard</source>
        <translation>Incolla dagli appunti</translation>
    </message>
    <message>
        <source>Session log</source>
        <translation>Registro sessione</translation>
    </message>
    <message>
        <source>Every run and retry of this session is logged here.</source>
        <translation>Qui viene registrata ogni esecuzione e ogni ripetizione di questa sessione.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Avvia</translation>
    </message>
    <message>
        <source>Next Radio</source>
        <translation>Radio successiva</translation>
    </message>
    <message>
        <source>Retry Failed</source>
        <translation>Riprova fallite</translation>
    </message>
    <message>
        <source>Save Report...</source>
        <translation>Salva rapporto...</translation>
    </message>
    <message>
        <source>Print Report...</source>
        <translation>Stampa rapporto...</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>added by hand</source>
        <translation>aggiunta a mano</translation>
    </message>
    <message>
        <source>%1 takes line %2 of the list</source>
        <translation>%1 riceve la riga %2 dell&apos;elenco</translation>
    </message>
    <message>
        <source>The list was not taken from %1: %2.</source>
        <translation>L&apos;elenco (%1) non è stato acquisito: %2.</translation>
    </message>
    <message>
        <source>named in the list</source>
        <translation>indicata nell&apos;elenco</translation>
    </message>
    <message>
        <source>%1 radios from %2.</source>
        <translation>%1 radio (%2).</translation>
    </message>
    <message>
        <source>
No port for %1 yet: plug in another cable, or write them with &quot;One cable&quot;.</source>
        <translation>
Ancora nessuna porta per %1: collegare un altro cavo, o scriverle con «Un solo cavo».</translation>
    </message>
    <message>
        <source>Imported %1 rows from %2</source>
        <translation>Importate %1 righe (%2)</translation>
    </message>
    <message>
        <source>Import List</source>
        <translation>Importa elenco</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;Text files (*.txt);;All Files (*)</source>
        <translation>File CSV (*.csv);;File di testo (*.txt);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>The list was not read: %1.</source>
        <translation>L&apos;elenco non è stato letto: %1.</translation>
    </message>
    <message>
        <source>the clipboard</source>
        <translation>appunti</translation>
    </message>
    <message>
        <source>Nothing was sent: %1.</source>
        <translation>Non è stato inviato nulla: %1.</translation>
    </message>
    <message>
        <source>Nothing was sent: %1 of the list have no radio: plug in another cable or tick another port.</source>
        <translation>Non è stato inviato nulla: %1 dell&apos;elenco non hanno una radio: collegare un altro cavo o spuntare un&apos;altra porta.</translation>
    </message>
    <message>
        <source>Nothing was sent:
%1</source>
        <translation>Non è stato inviato nulla:
%1</translation>
    </message>
    <message>
        <source>Write the radios all the same?</source>
        <translation>Scrivere comunque le radio?</translation>
    </message>
    <message>
        <source>Nothing was sent.</source>
        <translation>Non è stato inviato nulla.</translation>
    </message>
    <message>
        <source>The backups could not be looked through for IDs given before.</source>
        <translation>Non è stato possibile cercare nei backup gli ID assegnati in precedenza.</translation>
    </message>
    <message>
        <source>Tick the ports of the radios to write.</source>
        <translation>Spuntare le porte delle radio da scrivere.</translation>
    </message>
    <message>
        <source>Every radio keeps the file&apos;s name &quot;%1&quot;.</source>
        <translation>Ogni radio mantiene il nome radio del file: «%1».</translation>
    </message>
    <message>
        <source>Start: %1 radio(s), verify</source>
        <translation>Avvio: %1 radio, con verifica</translation>
    </message>
    <message>
        <source>Start: %1 radio(s)</source>
        <translation>Avvio: %1 radio</translation>
    </message>
    <message>
        <source>One cable: tick the one port the radios are put on.</source>
        <translation>Un solo cavo: spuntare l&apos;unica porta a cui si collegano le radio.</translation>
    </message>
    <message>
        <source>One cable: import the list of radios first (&quot;Import list...&quot;).</source>
        <translation>Un solo cavo: importare prima l&apos;elenco delle radio («Importa elenco...»).</translation>
    </message>
    <message>
        <source>One cable on %1: %2 radios</source>
        <translation>Un solo cavo su %1: %2 radio</translation>
    </message>
    <message>
        <source>Radio %1 got %2 &quot;%3&quot;: %4.
</source>
        <translation>La radio %1 ha ricevuto %2 «%3»: %4.
</translation>
    </message>
    <message>
        <source>The list is done: %1 of %2 radios written.</source>
        <translation>Elenco completato: %1 radio scritte su %2.</translation>
    </message>
    <message>
        <source>Next: put radio %1 of %2 on the cable (ID %3, &quot;%4&quot;) and press Space or Enter.</source>
        <translation>Prossima: collegare al cavo la radio %1 di %2 (ID %3, «%4») e premere Spazio o Invio.</translation>
    </message>
    <message>
        <source>Again: put radio %1 of %2 on the cable (ID %3, &quot;%4&quot;) and press Space or Enter.</source>
        <translation>Di nuovo: collegare al cavo la radio %1 di %2 (ID %3, «%4») e premere Spazio o Invio.</translation>
    </message>
    <message>
        <source>Radio %1 of %2 on the cable</source>
        <translation>Radio %1 di %2 sul cavo</translation>
    </message>
    <message>
        <source>Retry: %1 radio(s)</source>
        <translation>Nuovo tentativo: %1 radio</translation>
    </message>
    <message>
        <source>%1: %2 &quot;%3&quot;: %4</source>
        <translation>%1: %2 «%3»: %4</translation>
    </message>
    <message>
        <source>%1: %2 &quot;%3&quot;: %4, verify %5</source>
        <translation>%1: %2 «%3»: %4, verifica %5</translation>
    </message>
    <message>
        <source>May hold a partly written configuration: %1</source>
        <translation>Potrebbero contenere una configurazione scritta in parte: %1</translation>
    </message>
    <message>
        <source>%1 of %2 radios written.</source>
        <translation>%1 radio scritte su %2.</translation>
    </message>
    <message>
        <source>These radios may now hold a partly written configuration: write them again before using them: %1</source>
        <translation>Queste radio potrebbero ora contenere una configurazione scritta in parte: riscriverle prima di usarle: %1</translation>
    </message>
    <message>
        <source>
Stopped before the end of the list.</source>
        <translation>
Fermato prima della fine dell&apos;elenco.</translation>
    </message>
    <message>
        <source>One cable: stopped before the end of the list</source>
        <translation>Un solo cavo: fermato prima della fine dell&apos;elenco</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Salva rapporto</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All Files (*)</source>
        <translation>File CSV (*.csv);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>The report was not saved.
%1</source>
        <translation>Il rapporto non è stato salvato.
%1</translation>
    </message>
    <message>
        <source>
Report saved to %1</source>
        <translation>
Rapporto salvato in %1</translation>
    </message>
    <message>
        <source>Report saved to %1</source>
        <translation>Rapporto salvato in %1</translation>
    </message>
    <message>
        <source>Radios are being written. Stop every transfer and close?</source>
        <translation>Scrittura delle radio in corso. Fermare tutti i trasferimenti e chiudere?</translation>
    </message>
    <message>
        <source>A radio stopped in the middle of its write holds a partly written configuration and is to be written again.</source>
        <translation>Una radio fermata durante la scrittura contiene una configurazione scritta in parte e va riscritta.</translation>
    </message>
    <message>
        <source>Closed during the transfer: every radio stopped</source>
        <translation>Chiuso durante il trasferimento: tutte le radio fermate</translation>
    </message>
</context>
<context>
    <name>CGroupRxListPage</name>
    <message>
        <source>Add &gt;&gt;</source>
        <translation>Aggiungi &gt;&gt;</translation>
    </message>
    <message>
        <source>Del &lt;&lt;</source>
        <translation>Rimuovi &lt;&lt;</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Su</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Giù</translation>
    </message>
    <message>
        <source>Unallocated:</source>
        <translation>Non assegnati:</translation>
    </message>
    <message>
        <source>Allocated:</source>
        <translation>Assegnati:</translation>
    </message>
    <message>
        <source>Group rx lists</source>
        <translation>Liste gruppi Rx</translation>
    </message>
</context>
<context>
    <name>CLanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Lingua</translation>
    </message>
    <message>
        <source>The &amp;Desktop&apos;s Language</source>
        <translation>Lingua del &amp;desktop</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>The choice of language could not be kept in %1.</source>
        <translation>Non è stato possibile salvare la scelta della lingua in %1.</translation>
    </message>
    <message>
        <source>The language changes the next time dpmrcps starts.</source>
        <translation>La lingua cambia al prossimo avvio di dpmrcps.</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Recent &amp;Files</source>
        <translation>&amp;File recenti</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>MAIUSC</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>SCORR</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annulla %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ripeti</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Ripeti %1</translation>
    </message>
</context>
<context>
    <name>CPortSettingDlg</name>
    <message>
        <source>Virtual radio (demo)</source>
        <translation>Radio virtuale (demo)</translation>
    </message>
    <message>
        <source>Port setting</source>
        <translation>Impostazione porta</translation>
    </message>
    <message>
        <source>&amp;Check the connection</source>
        <translation>&amp;Verifica la connessione</translation>
    </message>
    <message>
        <source>Look for what keeps the program from the radio on this port, and how to fix it</source>
        <translation>Cerca che cosa impedisce al programma di comunicare con la radio su questa porta e come risolverlo</translation>
    </message>
    <message>
        <source>&amp;Device:</source>
        <translation>&amp;Dispositivo:</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>%1  (%2)</source>
        <translation>%1  (%2)</translation>
    </message>
    <message>
        <source>%1  (cannot be started)</source>
        <translation>%1  (non avviabile)</translation>
    </message>
    <message>
        <source>Unplugged: %1</source>
        <translation>Scollegato: %1</translation>
    </message>
    <message>
        <source>Plugged in: %1
</source>
        <translation>Collegato: %1
</translation>
    </message>
    <message>
        <source>Choose a port, or type its device path.</source>
        <translation>Scegliere una porta o digitare il percorso del suo dispositivo.</translation>
    </message>
</context>
<context>
    <name>CProgramView</name>
    <message>
        <source>Freq range</source>
        <translation>Gamma freq.</translation>
    </message>
    <message>
        <source>Channel edit</source>
        <translation>Modifica canale</translation>
    </message>
    <message>
        <source>Factroy</source>
        <translation>Fabbrica</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canali</translation>
    </message>
    <message>
        <source>Fill Channels</source>
        <translation>Riempi canali</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>CProgressDlg</name>
    <message>
        <source>Read data</source>
        <translation>Lettura dati</translation>
    </message>
    <message>
        <source>Write data</source>
        <translation>Scrittura dati</translation>
    </message>
    <message>
        <source>Connect the radio, switch it on, then press Start.</source>
        <translation>Collegare la radio, accenderla e premere Avvia.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Avvia</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Check the connection</source>
        <translation>Verifica la connessione</translation>
    </message>
    <message>
        <source>Verify after writing</source>
        <translation>Verifica dopo la scrittura</translation>
    </message>
    <message>
        <source>Keep the radio&apos;s squelch calibration</source>
        <translation>Mantieni la taratura dello squelch della radio</translation>
    </message>
    <message>
        <source>Read the radio&apos;s own squelch calibration first and write it back unchanged, instead of the one in this file (set at the factory for the radio it came from)</source>
        <translation>Legge prima la taratura dello squelch della radio stessa e la riscrive invariata, al posto di quella di questo file (impostata in fabbrica per la radio da cui proviene)</translation>
    </message>
    <message>
        <source>Connecting to the radio...</source>
        <translation>Connessione alla radio...</translation>
    </message>
    <message>
        <source>Ending the session...</source>
        <translation>Chiusura della sessione...</translation>
    </message>
    <message>
        <source>Verifying block 0x%1...</source>
        <translation>Verifica del blocco 0x%1...</translation>
    </message>
    <message>
        <source>Writing block 0x%1...</source>
        <translation>Scrittura del blocco 0x%1...</translation>
    </message>
    <message>
        <source>Reading block 0x%1...</source>
        <translation>Lettura del blocco 0x%1...</translation>
    </message>
    <message>
        <source>Written. Reading the radio back to verify...</source>
        <translation>Scritto. Rilettura della radio per la verifica...</translation>
    </message>
    <message>
        <source>Read from the radio</source>
        <translation>Letto dalla radio</translation>
    </message>
    <message>
        <source>Written</source>
        <translation>Scritto</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Fermato.</translation>
    </message>
    <message>
        <source>Stopped: the document is as it was.</source>
        <translation>Fermato: il documento è rimasto com&apos;era.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>CRadioCommands</name>
    <message>
        <source>Read from the radio</source>
        <translation>Letto dalla radio</translation>
    </message>
    <message>
        <source>Read from the radio. %1</source>
        <translation>Letto dalla radio. %1</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... e altri %1</translation>
    </message>
    <message>
        <source>Write anyway?</source>
        <translation>Scrivere comunque?</translation>
    </message>
    <message>
        <source>The radio cannot use this configuration as it stands:

%1</source>
        <translation>La radio non può usare questa configurazione così com&apos;è:

%1</translation>
    </message>
    <message>
        <source>Note before writing:
%1</source>
        <translation>Da notare prima della scrittura:
%1</translation>
    </message>
    <message>
        <source>Written to the radio</source>
        <translation>Scritto nella radio</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>Virtual radio %1 (demo)</source>
        <translation>Radio virtuale %1 (demo)</translation>
    </message>
    <message>
        <source>the port of Read and Write</source>
        <translation>la porta di Leggi e Scrivi</translation>
    </message>
    <message>
        <source>These radios may hold a partly written configuration: %1</source>
        <translation>Queste radio potrebbero contenere una configurazione scritta in parte: %1</translation>
    </message>
    <message>
        <source>Wrong service password: squelch calibration not opened</source>
        <translation>Password di servizio errata: taratura dello squelch non aperta</translation>
    </message>
</context>
<context>
    <name>CReportDlg</name>
    <message>
        <source>Report a Problem</source>
        <translation>Segnala un problema</translation>
    </message>
    <message>
        <source>This gathers what is needed to look into a connection or a transfer that went wrong into one file for you to attach to your report. Nothing is sent anywhere. It holds:</source>
        <translation>Raccoglie in un unico file, da allegare alla segnalazione, ciò che serve per esaminare una connessione o un trasferimento non riusciti. Non viene inviato nulla. Il file contiene:</translation>
    </message>
    <message>
        <source>&amp;Include the open configuration (radio ID, radio name, contacts and codes replaced)</source>
        <translation>&amp;Includi la configurazione aperta (ID radio, nome radio, contatti e codici sostituiti)</translation>
    </message>
    <message>
        <source>&amp;Save Report...</source>
        <translation>&amp;Salva rapporto...</translation>
    </message>
    <message>
        <source>Saved to %1. Attach this file to your problem report.</source>
        <translation>Salvato in %1. Allegare questo file alla segnalazione del problema.</translation>
    </message>
    <message>
        <source>The report was not saved: %1</source>
        <translation>Il rapporto non è stato salvato: %1</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Salva rapporto</translation>
    </message>
    <message>
        <source>Report archives (*.tar.gz);;All Files (*)</source>
        <translation>Archivi del rapporto (*.tar.gz);;Tutti i file (*)</translation>
    </message>
</context>
<context>
    <name>CServicePasswordDlg</name>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Pwd</source>
        <translation>Pwd</translation>
    </message>
</context>
<context>
    <name>CSqlCalibrationPage</name>
    <message>
        <source>Freq</source>
        <translation>Freq.</translation>
    </message>
    <message>
        <source>Sql</source>
        <translation>Sql</translation>
    </message>
    <message>
        <source>The frequency of the band, in MHz, that the row calibrates.</source>
        <translation>La frequenza della banda, in MHz, tarata da questa riga.</translation>
    </message>
    <message>
        <source>Squelch calibration points</source>
        <translation>Punti di taratura dello squelch</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Leggi</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Scrivi</translation>
    </message>
</context>
<context>
    <name>CUserGuideDlg</name>
    <message>
        <source>User Guide</source>
        <translation>Guida utente</translation>
    </message>
</context>
<context>
    <name>ChannelTablePrinter</name>
    <message>
        <source>Radio name: %1    Radio id: %2    Freq range: %3</source>
        <translation>Nome radio: %1    ID radio: %2    Gamma freq.: %3</translation>
    </message>
</context>
<context>
    <name>ConnectionCheck</name>
    <message>
        <source>Check the connection</source>
        <translation>Verifica la connessione</translation>
    </message>
</context>
<context>
    <name>DocumentQuestions</name>
    <message>
        <source> An earlier save of %1 did not finish; the temporary file it left (%2 and %3 more) was removed.</source>
        <translation> Un salvataggio precedente di %1 non è stato completato; il file temporaneo che aveva lasciato (%2 e altri %3) è stato rimosso.</translation>
    </message>
    <message>
        <source> An earlier save of %1 did not finish; the temporary file it left (%2) was removed.</source>
        <translation> Un salvataggio precedente di %1 non è stato completato; il file temporaneo che aveva lasciato (%2) è stato rimosso.</translation>
    </message>
    <message>
        <source> %1 itself is whole, as last saved on %2.</source>
        <translation> %1 è integro, come salvato l&apos;ultima volta il %2.</translation>
    </message>
    <message>
        <source>Replace the changes made to %1 elsewhere?</source>
        <translation>Sostituire le modifiche apportate altrove a %1?</translation>
    </message>
    <message>
        <source>%1 was changed on disk on %2, by another program or window, since it was opened or saved here. Saving replaces those changes with this document.</source>
        <translation>%1 è stato modificato sul disco il %2, da un altro programma o da un&apos;altra finestra, dopo essere stato aperto o salvato qui. Il salvataggio sostituisce quelle modifiche con questo documento.</translation>
    </message>
    <message>
        <source>Replace all of %1?</source>
        <translation>Sostituire tutto %1?</translation>
    </message>
    <message>
        <source>%1 holds %2 bytes, more than a radio image. Saving replaces it with the %3 bytes of this document, and the rest is lost.</source>
        <translation>%1 contiene %2 byte, più di un&apos;immagine della radio. Il salvataggio lo sostituisce con i %3 byte di questo documento e il resto va perso.</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Sostituisci</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Salva &amp;con nome...</translation>
    </message>
    <message>
        <source>%1 was changed on disk.</source>
        <translation>%1 è stato modificato sul disco.</translation>
    </message>
    <message>
        <source>Another program or window saved it on %1, after it was opened or saved here, and this document has changes of its own. Reload puts the file&apos;s content here (Undo brings this document back); Keep Mine keeps this document, and Save then replaces the file with it.</source>
        <translation>Un altro programma o un&apos;altra finestra lo ha salvato il %1, dopo che era stato aperto o salvato qui, e questo documento ha modifiche proprie. Ricarica porta qui il contenuto del file (Annulla ripristina questo documento); Mantieni la mia conserva questo documento, e Salva sostituisce poi il file con esso.</translation>
    </message>
    <message>
        <source>Another program or window saved it on %1, after it was opened or saved here. Reload puts the file&apos;s content here (Undo brings this document back); Keep Mine keeps this document, and Save then replaces the file with it.</source>
        <translation>Un altro programma o un&apos;altra finestra lo ha salvato il %1, dopo che era stato aperto o salvato qui. Ricarica porta qui il contenuto del file (Annulla ripristina questo documento); Mantieni la mia conserva questo documento, e Salva sostituisce poi il file con esso.</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>&amp;Ricarica</translation>
    </message>
    <message>
        <source>&amp;Keep Mine</source>
        <translation>&amp;Mantieni la mia</translation>
    </message>
    <message>
        <source>Save changes?</source>
        <translation>Salvare le modifiche?</translation>
    </message>
    <message>
        <source>The radio data in &quot;%1&quot; has been changed.</source>
        <translation>I dati della radio in «%1» sono stati modificati.</translation>
    </message>
</context>
<context>
    <name>Field</name>
    <message>
        <source>Channel table</source>
        <translation>Tabella dei canali</translation>
    </message>
    <message>
        <source>The main window&apos;s table: each row one channel&apos;s main settings, edited in place; the Channel edit dialog has them all.</source>
        <translation>La tabella della finestra principale: ogni riga contiene le impostazioni principali di un canale, modificabili direttamente nella cella; la finestra Modifica canale le contiene tutte.</translation>
    </message>
    <message>
        <source>*和# tone (ms)</source>
        <translation>Toni * e # (ms)</translation>
    </message>
    <message>
        <source>10M</source>
        <translation>10 min</translation>
    </message>
    <message>
        <source>1750 signal</source>
        <translation>Tono 1750</translation>
    </message>
    <message>
        <source>1H</source>
        <translation>1 h</translation>
    </message>
    <message>
        <source>2H</source>
        <translation>2 h</translation>
    </message>
    <message>
        <source>30M</source>
        <translation>30 min</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>A DTMF code of up to 16 symbols 0-9, A-D, * and #: a channel sends the code of this number as its Analog call 1 or 2 (Channel edit &gt; Analog).</source>
        <translation>Un codice DTMF di massimo 16 simboli 0-9, A-D, * e #: un canale invia il codice con questo numero come sua Chiamata analogica 1 o 2 (Modifica canale &gt; Analogico).</translation>
    </message>
    <message>
        <source>A beep when scanning ends.</source>
        <translation>Un bip quando la scansione termina.</translation>
    </message>
    <message>
        <source>A beep when scanning starts.</source>
        <translation>Un bip quando la scansione inizia.</translation>
    </message>
    <message>
        <source>A channel the radio keeps looking at while it scans, so that a call on it is not missed; None for no priority channel. The list offers the channels that hold a frequency.</source>
        <translation>Un canale che la radio continua a controllare durante la scansione, per non perdere una chiamata su di esso; Nessuno per non avere un canale prioritario. L&apos;elenco propone i canali che hanno una frequenza.</translation>
    </message>
    <message>
        <source>A group code of up to 7 symbols 0-9, A-D, * and # (0x390). Only the bytes are known, not what the radio does with them.</source>
        <translation>Un codice di gruppo di massimo 7 simboli 0-9, A-D, * e # (0x390). Si conoscono solo i byte, non l&apos;uso che ne fa la radio.</translation>
    </message>
    <message>
        <source>A tone when a digital call&apos;s link ends and the radio returns to its channel.</source>
        <translation>Un tono quando il collegamento di una chiamata digitale termina e la radio torna al suo canale.</translation>
    </message>
    <message>
        <source>A tone when a group call is received.</source>
        <translation>Un tono quando si riceve una chiamata di gruppo.</translation>
    </message>
    <message>
        <source>A tone when a received transmission ends (a roger beep on reception).</source>
        <translation>Un tono quando termina una trasmissione ricevuta (un roger beep in ricezione).</translation>
    </message>
    <message>
        <source>A tone when a single call (a call to this radio alone) is received.</source>
        <translation>Un tono quando si riceve una chiamata singola (una chiamata diretta solo a questa radio).</translation>
    </message>
    <message>
        <source>A tone when the radio is switched off.</source>
        <translation>Un tono quando la radio viene spenta.</translation>
    </message>
    <message>
        <source>A tone when the radio is switched on.</source>
        <translation>Un tono quando la radio viene accesa.</translation>
    </message>
    <message>
        <source>A tone when the radio sends a call.</source>
        <translation>Un tono quando la radio invia una chiamata.</translation>
    </message>
    <message>
        <source>A warning tone before the radio shuts itself down.</source>
        <translation>Un tono di avviso prima che la radio si spenga da sola.</translation>
    </message>
    <message>
        <source>A warning tone when the battery runs low.</source>
        <translation>Un tono di avviso quando la batteria si sta scaricando.</translation>
    </message>
    <message>
        <source>ACK reply delay</source>
        <translation>Ritardo risposta ACK</translation>
    </message>
    <message>
        <source>ACK reply times</source>
        <translation>Ripetizioni ACK</translation>
    </message>
    <message>
        <source>ACK reply wait</source>
        <translation>Attesa ACK</translation>
    </message>
    <message>
        <source>AMBE+2C</source>
        <translation>AMBE+2C</translation>
    </message>
    <message>
        <source>APO</source>
        <translation>APO</translation>
    </message>
    <message>
        <source>ASELP</source>
        <translation>ASELP</translation>
    </message>
    <message>
        <source>ASELP 2</source>
        <translation>ASELP 2</translation>
    </message>
    <message>
        <source>Active code</source>
        <translation>Codice riattivazione</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Incluso</translation>
    </message>
    <message>
        <source>Adjustable parameters: the factory levels of the radio&apos;s audio, modulation, receive and DTMF paths (数字: digital channels, 模拟: analog channels). Read them from the radio, change them only with measuring equipment, and write them back.</source>
        <translation>Parametri regolabili: i livelli di fabbrica dei percorsi audio, di modulazione, di ricezione e DTMF della radio (数字: canali digitali, 模拟: canali analogici). Leggerli dalla radio, modificarli solo con strumenti di misura e riscriverli nella radio.</translation>
    </message>
    <message>
        <source>After a time-out, the seconds the radio waits before it transmits again when PTT is pressed, 0 to 60.</source>
        <translation>Dopo l&apos;intervento del TOT, i secondi che la radio attende prima di trasmettere di nuovo quando si preme il PTT, da 0 a 60.</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Allarme</translation>
    </message>
    <message>
        <source>Alarm time (s)</source>
        <translation>Durata allarme (s)</translation>
    </message>
    <message>
        <source>Alarm type</source>
        <translation>Tipo di allarme</translation>
    </message>
    <message>
        <source>Allocated:</source>
        <translation>Assegnati:</translation>
    </message>
    <message>
        <source>Allow</source>
        <translation>Consentito</translation>
    </message>
    <message>
        <source>Allow all call</source>
        <translation>Chiamate a tutti</translation>
    </message>
    <message>
        <source>Allow: after sending a DTMF call the radio waits for an answer for the Response wait time; Inhibit: it does not wait.</source>
        <translation>Consentito: dopo aver inviato una chiamata DTMF la radio attende una risposta per il Tempo attesa risposta; Inibito: non attende.</translation>
    </message>
    <message>
        <source>Allow: you hear the DTMF tones in the speaker while the radio sends them; Inhibit: they are sent silently.</source>
        <translation>Consentito: si sentono nell&apos;altoparlante i toni DTMF mentre la radio li invia; Inibito: vengono inviati in silenzio.</translation>
    </message>
    <message>
        <source>Analog</source>
        <translation>Analogico</translation>
    </message>
    <message>
        <source>Analog alarm id code</source>
        <translation>Codice ID allarme analogico</translation>
    </message>
    <message>
        <source>Analog call 1</source>
        <translation>Chiamata analogica 1</translation>
    </message>
    <message>
        <source>Analog call 2</source>
        <translation>Chiamata analogica 2</translation>
    </message>
    <message>
        <source>Analog channel width: Wide (25 kHz) or Narrow (12.5 kHz, as PMR446 uses). Radios that talk to each other need the same width.</source>
        <translation>Larghezza del canale analogico: Larga (25 kHz) o Stretta (12.5 kHz, quella usata dal PMR446). Le radio che comunicano tra loro devono avere la stessa larghezza.</translation>
    </message>
    <message>
        <source>Analog signalling on this channel: Off, or DTMF (the analog calls and PTTID below).</source>
        <translation>Segnalazione analogica su questo canale: Disattivato, oppure DTMF (le chiamate analogiche e il PTTID qui sotto).</translation>
    </message>
    <message>
        <source>Analog: FM only. Digit: dPMR digital only. Mixed(Digit) and Mixed(Analog): the channel takes both kinds of call and transmits digital or analog respectively.</source>
        <translation>Analogico: solo FM. Digitale: solo dPMR digitale. Misto(Digitale) e Misto(Analogico): il canale accetta entrambi i tipi di chiamata e trasmette rispettivamente in digitale o in analogico.</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Auto contact</source>
        <translation>Contatto automatico</translation>
    </message>
    <message>
        <source>Auto reset time (s)</source>
        <translation>Tempo di ripristino (s)</translation>
    </message>
    <message>
        <source>Automatic contact on this channel, the function set in Alarm &gt; Auto contact.</source>
        <translation>Contatto automatico su questo canale, la funzione impostata in Allarme &gt; Contatto automatico.</translation>
    </message>
    <message>
        <source>Automatic contact: allow lets the radio check in by itself at regular times, with the Tx interval and Query interval below; prohibit switches it off. dPMR param &gt; Basic uses the same byte (0x378) for OACSU and Data type: this dialog writes it only when you change this control.</source>
        <translation>Contatto automatico: consentito fa sì che la radio si annunci da sola a intervalli regolari, con l&apos;Intervallo Tx e l&apos;Intervallo interrogazione qui sotto; vietato disattiva la funzione. Parametri dPMR &gt; Base usa lo stesso byte (0x378) per OACSU e Tipo dati: questa finestra lo scrive solo quando si modifica questo controllo.</translation>
    </message>
    <message>
        <source>Automatic contact: minutes between its queries, 1 to 10 (a value outside becomes 1). dPMR param &gt; Basic uses the same byte (0x37A) for ACK reply wait: this dialog writes it only when you change this control.</source>
        <translation>Contatto automatico: minuti tra un&apos;interrogazione e la successiva, da 1 a 10 (un valore fuori intervallo diventa 1). Parametri dPMR &gt; Base usa lo stesso byte (0x37A) per Attesa ACK: questa finestra lo scrive solo quando si modifica questo controllo.</translation>
    </message>
    <message>
        <source>Automatic contact: seconds between its transmissions, 10 to 60 in steps of 5 (a typed value is rounded down to a step; a value outside becomes 25). dPMR param &gt; Basic uses the same byte (0x379) for ACK reply delay: this dialog writes it only when you change this control.</source>
        <translation>Contatto automatico: secondi tra una trasmissione e la successiva, da 10 a 60 a passi di 5 (un valore digitato viene arrotondato per difetto al passo; un valore fuori intervallo diventa 25). Parametri dPMR &gt; Base usa lo stesso byte (0x379) per Ritardo risposta ACK: questa finestra lo scrive solo quando si modifica questo controllo.</translation>
    </message>
    <message>
        <source>Automatic power off: the radio switches itself off after 10 or 30 minutes, 1 or 2 hours without use; Off never does.</source>
        <translation>Spegnimento automatico: la radio si spegne da sola dopo 10 o 30 minuti, 1 o 2 ore di inutilizzo; con Disattivato non si spegne mai.</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Backlight</source>
        <translation>Retroilluminazione</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Larg. banda</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>Base</translation>
    </message>
    <message>
        <source>Basic setting</source>
        <translation>Impostazioni di base</translation>
    </message>
    <message>
        <source>Battery saving while the radio waits for a signal: Off, or a ratio from 1:1 to 1:12. A larger second number lets the receiver sleep longer, saving battery, but the start of a call may be missed. Default 1:10.</source>
        <translation>Risparmio batteria mentre la radio attende un segnale: Disattivato, oppure un rapporto da 1:1 a 1:12. Con un secondo numero più grande il ricevitore resta inattivo più a lungo e consuma meno batteria, ma si può perdere l&apos;inizio di una chiamata. Predefinito 1:10.</translation>
    </message>
    <message>
        <source>Bit 0 of byte 0x31B, named Shock (a vibrating alert, by its name); kept as stored.</source>
        <translation>Bit 0 del byte 0x31B, chiamato Vibrazione (dal nome, presumibilmente un avviso a vibrazione); viene mantenuto come è memorizzato.</translation>
    </message>
    <message>
        <source>Bit 7 of byte 0x318; what the radio does with it is not known. The channel table sets this bit whenever it stores the channels.</source>
        <translation>Bit 7 del byte 0x318; non si sa che cosa ne faccia la radio. La tabella dei canali imposta questo bit ogni volta che memorizza i canali.</translation>
    </message>
    <message>
        <source>Bit 7 of byte 0x31A; what the radio does with it is not known. The channel table sets this bit whenever it stores the channels.</source>
        <translation>Bit 7 del byte 0x31A; non si sa che cosa ne faccia la radio. La tabella dei canali imposta questo bit ogni volta che memorizza i canali.</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Entrambi</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Occupato</translation>
    </message>
    <message>
        <source>Busy channel lockout: Carrier keeps the radio from transmitting while a signal is on the channel; Off allows it.</source>
        <translation>Blocco canale occupato: Portante impedisce alla radio di trasmettere mentre sul canale è presente un segnale; Disattivato lo consente.</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>CTCSS signal gain: the level of the sub-audible CTCSS tone sent with analog transmissions. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Guadagno del segnale CTCSS: il livello del tono subaudio CTCSS inviato con le trasmissioni analogiche. Un valore a 16 bit da digitare in esadecimale, da 0000 a FFFF. Regolazione di fabbrica: modificarla solo con strumenti di misura a disposizione; viene letta e scritta solo con i pulsanti Leggi e Scrivi di questa finestra.</translation>
    </message>
    <message>
        <source>CTCSS信号增益</source>
        <translation>CTCSS信号增益</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Chiamata</translation>
    </message>
    <message>
        <source>Call 1</source>
        <translation>Chiamata 1</translation>
    </message>
    <message>
        <source>Call 2</source>
        <translation>Chiamata 2</translation>
    </message>
    <message>
        <source>Call link reset tone</source>
        <translation>Tono fine collegamento</translation>
    </message>
    <message>
        <source>Call out tone</source>
        <translation>Tono di chiamata</translation>
    </message>
    <message>
        <source>Carrier</source>
        <translation>Portante</translation>
    </message>
    <message>
        <source>Channel 1</source>
        <translation>Canale 1</translation>
    </message>
    <message>
        <source>Channel 10</source>
        <translation>Canale 10</translation>
    </message>
    <message>
        <source>Channel 11</source>
        <translation>Canale 11</translation>
    </message>
    <message>
        <source>Channel 12</source>
        <translation>Canale 12</translation>
    </message>
    <message>
        <source>Channel 13</source>
        <translation>Canale 13</translation>
    </message>
    <message>
        <source>Channel 14</source>
        <translation>Canale 14</translation>
    </message>
    <message>
        <source>Channel 15</source>
        <translation>Canale 15</translation>
    </message>
    <message>
        <source>Channel 16</source>
        <translation>Canale 16</translation>
    </message>
    <message>
        <source>Channel 2</source>
        <translation>Canale 2</translation>
    </message>
    <message>
        <source>Channel 3</source>
        <translation>Canale 3</translation>
    </message>
    <message>
        <source>Channel 4</source>
        <translation>Canale 4</translation>
    </message>
    <message>
        <source>Channel 5</source>
        <translation>Canale 5</translation>
    </message>
    <message>
        <source>Channel 6</source>
        <translation>Canale 6</translation>
    </message>
    <message>
        <source>Channel 7</source>
        <translation>Canale 7</translation>
    </message>
    <message>
        <source>Channel 8</source>
        <translation>Canale 8</translation>
    </message>
    <message>
        <source>Channel 9</source>
        <translation>Canale 9</translation>
    </message>
    <message>
        <source>Channel display</source>
        <translation>Mostra canale</translation>
    </message>
    <message>
        <source>Channel edit</source>
        <translation>Modifica canale</translation>
    </message>
    <message>
        <source>Channel no.</source>
        <translation>N. canale</translation>
    </message>
    <message>
        <source>Channel type</source>
        <translation>Tipo canale</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Cinese</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Codice</translation>
    </message>
    <message>
        <source>Codec type</source>
        <translation>Tipo codec</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contatto</translation>
    </message>
    <message>
        <source>Cycle</source>
        <translation>Cicli</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>DCS signal gain: the level of the DCS code sent with analog transmissions. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Guadagno del segnale DCS: il livello del codice DCS inviato con le trasmissioni analogiche. Un valore a 16 bit da digitare in esadecimale, da 0000 a FFFF. Regolazione di fabbrica: modificarla solo con strumenti di misura a disposizione; viene letta e scritta solo con i pulsanti Leggi e Scrivi di questa finestra.</translation>
    </message>
    <message>
        <source>DCS信号增益</source>
        <translation>DCS信号增益</translation>
    </message>
    <message>
        <source>DTMF</source>
        <translation>DTMF</translation>
    </message>
    <message>
        <source>DTMF code sent at the end of a transmission (PTTID type Off line or Both), up to 16 symbols 0-9, A-D, * and #.</source>
        <translation>Codice DTMF inviato alla fine di una trasmissione (Tipo PTTID Fine Tx o Entrambi), massimo 16 simboli 0-9, A-D, * e #.</translation>
    </message>
    <message>
        <source>DTMF code sent at the start of a transmission (PTTID type On line or Both), up to 16 symbols 0-9, A-D, * and #.</source>
        <translation>Codice DTMF inviato all&apos;inizio di una trasmissione (Tipo PTTID Inizio Tx o Entrambi), massimo 16 simboli 0-9, A-D, * e #.</translation>
    </message>
    <message>
        <source>DTMF encoding amplitude adjustment: the level of the DTMF tones the radio sends. One byte typed in hexadecimal, 00 to FF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Regolazione dell&apos;ampiezza di codifica DTMF: il livello dei toni DTMF che la radio invia. Un byte da digitare in esadecimale, da 00 a FF. Regolazione di fabbrica: modificarla solo con strumenti di misura a disposizione; viene letta e scritta solo con i pulsanti Leggi e Scrivi di questa finestra.</translation>
    </message>
    <message>
        <source>DTMF hold time, 0.5 to 2.0 seconds in steps of 0.1. Only the byte and its range are known, not what the radio times with it.</source>
        <translation>Tempo di tenuta DTMF, da 0.5 a 2.0 secondi a passi di 0.1. Si conoscono solo il byte e il suo intervallo, non che cosa la radio temporizzi con esso.</translation>
    </message>
    <message>
        <source>DTMF编码幅度调节</source>
        <translation>DTMF编码幅度调节</translation>
    </message>
    <message>
        <source>Data type</source>
        <translation>Tipo dati</translation>
    </message>
    <message>
        <source>Data type 1 or 2 (bits 3 and 4 of 0x378). Only the bits are known, not which data format each number stands for. The Alarm dialog uses the same byte (0x378) for &quot;Auto contact&quot;; it writes the byte only when that control is changed there.</source>
        <translation>Tipo dati 1 o 2 (bit 3 e 4 di 0x378). Si conoscono solo i bit, non il formato dati a cui corrisponde ciascun numero. La finestra Allarme usa lo stesso byte (0x378) per «Contatto automatico»; scrive il byte solo quando quel controllo viene modificato lì.</translation>
    </message>
    <message>
        <source>Decode</source>
        <translation>Decodifica</translation>
    </message>
    <message>
        <source>Decode display</source>
        <translation>Mostra decodifica</translation>
    </message>
    <message>
        <source>Decode response</source>
        <translation>Risposta a decodifica</translation>
    </message>
    <message>
        <source>Decoder input gain: the level of the received signal fed to the digital decoder. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Guadagno di ingresso del decodificatore: il livello del segnale ricevuto inviato al decodificatore digitale. Un valore a 16 bit da digitare in esadecimale, da 0000 a FFFF. Regolazione di fabbrica: modificarla solo con strumenti di misura a disposizione; viene letta e scritta solo con i pulsanti Leggi e Scrivi di questa finestra.</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Escluso</translation>
    </message>
    <message>
        <source>Delay before the radio transmits, 0.1 to 5.0 seconds. Only the byte and its range are known, not which transmissions the radio delays.</source>
        <translation>Ritardo prima che la radio trasmetta, da 0.1 a 5.0 secondi. Si conoscono solo il byte e il suo intervallo, non quali trasmissioni la radio ritardi.</translation>
    </message>
    <message>
        <source>Dial access</source>
        <translation>Accesso selezione</translation>
    </message>
    <message>
        <source>Dial access, 0 to 7 (byte 0x398). Only the byte and its range are known, not what the radio does with it.</source>
        <translation>Accesso selezione, da 0 a 7 (byte 0x398). Si conoscono solo il byte e il suo intervallo, non che cosa ne faccia la radio.</translation>
    </message>
    <message>
        <source>Digit</source>
        <translation>Digitale</translation>
    </message>
    <message>
        <source>Digit alarm id code</source>
        <translation>Codice ID allarme digitale</translation>
    </message>
    <message>
        <source>Direct</source>
        <translation>Diretto</translation>
    </message>
    <message>
        <source>Direct: digital calls go from radio to radio. Repeat: they go through a dPMR repeater.</source>
        <translation>Diretto: le chiamate digitali vanno da radio a radio. Ripetitore: passano attraverso un ripetitore dPMR.</translation>
    </message>
    <message>
        <source>EMI</source>
        <translation>Emergenza</translation>
    </message>
    <message>
        <source>EMI close</source>
        <translation>Fine emergenza</translation>
    </message>
    <message>
        <source>Encode</source>
        <translation>Codifica</translation>
    </message>
    <message>
        <source>Encrypt</source>
        <translation>Crittografia</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Inglese</translation>
    </message>
    <message>
        <source>Entry delay time (s)</source>
        <translation>Ritardo di ingresso (s)</translation>
    </message>
    <message>
        <source>Exit delay (s)</source>
        <translation>Ritardo di uscita (s)</translation>
    </message>
    <message>
        <source>First digit (ms)</source>
        <translation>Durata prima cifra (ms)</translation>
    </message>
    <message>
        <source>First digit delay (ms)</source>
        <translation>Ritardo prima cifra (ms)</translation>
    </message>
    <message>
        <source>Flashlight</source>
        <translation>Torcia</translation>
    </message>
    <message>
        <source>Freq</source>
        <translation>Freq.</translation>
    </message>
    <message>
        <source>Gain of the two modulation signals together, on digital channels. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Guadagno dei due segnali di modulazione insieme, sui canali digitali. Un valore a 16 bit da digitare in esadecimale, da 0000 a FFFF. Regolazione di fabbrica: modificarla solo con strumenti di misura a disposizione; viene letta e scritta solo con i pulsanti Leggi e Scrivi di questa finestra.</translation>
    </message>
    <message>
        <source>Group call</source>
        <translation>Chiamata di gruppo</translation>
    </message>
    <message>
        <source>Group call code</source>
        <translation>Codice chiamata di gruppo</translation>
    </message>
    <message>
        <source>Group call tone</source>
        <translation>Tono chiamata di gruppo</translation>
    </message>
    <message>
        <source>Group code</source>
        <translation>Codice gruppo</translation>
    </message>
    <message>
        <source>Group hold time</source>
        <translation>Tempo attesa gruppo</translation>
    </message>
    <message>
        <source>Group rx list</source>
        <translation>Lista gruppi Rx</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Alta</translation>
    </message>
    <message>
        <source>Hihg/Low power</source>
        <translation>Potenza alta/bassa</translation>
    </message>
    <message>
        <source>Hold time (s)</source>
        <translation>Tempo di tenuta (s)</translation>
    </message>
    <message>
        <source>How fast DTMF digits are sent: 5, 6 or 10 digits a second. Slow down for receivers that miss digits.</source>
        <translation>Velocità di invio delle cifre DTMF: 5, 6 o 10 cifre al secondo. Ridurla per i ricevitori che perdono cifre.</translation>
    </message>
    <message>
        <source>How long a side key must be held to count as a long press, 0.5 to 2.5 seconds in steps of 0.1 (a stored value outside shows 1.0).</source>
        <translation>Per quanto tempo un tasto laterale va tenuto premuto perché valga come pressione lunga, da 0.5 a 2.5 secondi a passi di 0.1 (un valore memorizzato fuori intervallo viene mostrato come 1.0).</translation>
    </message>
    <message>
        <source>How long scanning waits after a transmission or a reception ends before it goes on, 0.1 to 5.0 seconds.</source>
        <translation>Quanto attende la scansione, al termine di una trasmissione o di una ricezione, prima di riprendere, da 0.1 a 5.0 secondi.</translation>
    </message>
    <message>
        <source>How long the alarm lasts, 1 to 255 seconds (a value outside becomes 10).</source>
        <translation>Durata dell&apos;allarme, da 1 a 255 secondi (un valore fuori intervallo diventa 10).</translation>
    </message>
    <message>
        <source>How long the radio keeps transmitting after you stop speaking with VOX, 0.1 to 2.0 seconds in steps of 0.1.</source>
        <translation>Per quanto tempo la radio continua a trasmettere con il VOX dopo che si smette di parlare, da 0.1 a 2.0 secondi a passi di 0.1.</translation>
    </message>
    <message>
        <source>How long the radio listens between the alarm&apos;s transmissions, 1 to 255 seconds (a value outside becomes 8).</source>
        <translation>Per quanto tempo la radio ascolta tra una trasmissione di allarme e la successiva, da 1 a 255 secondi (un valore fuori intervallo diventa 8).</translation>
    </message>
    <message>
        <source>How long the radio sends carrier before a digital transmission, 0 to 1000 ms in steps of 20 (a typed value is rounded down to a step).</source>
        <translation>Per quanto tempo la radio invia la portante prima di una trasmissione digitale, da 0 a 1000 ms a passi di 20 (un valore digitato viene arrotondato per difetto al passo).</translation>
    </message>
    <message>
        <source>How long the radio stays in a group call after its last transmission, so that an answer goes back to the same group; 0 to 30, in the radio&apos;s own unit (not known to this program).</source>
        <translation>Per quanto tempo la radio resta in una chiamata di gruppo dopo l&apos;ultima trasmissione, perché una risposta torni allo stesso gruppo; da 0 a 30, nell&apos;unità propria della radio (non nota a questo programma).</translation>
    </message>
    <message>
        <source>How long the radio stays in a single call after its last transmission, so that an answer goes back to the same radio; 0 to 30, in the radio&apos;s own unit (not known to this program).</source>
        <translation>Per quanto tempo la radio resta in una chiamata singola dopo l&apos;ultima trasmissione, perché una risposta torni alla stessa radio; da 0 a 30, nell&apos;unità propria della radio (non nota a questo programma).</translation>
    </message>
    <message>
        <source>How long the radio transmits in each alarm cycle, 1 to 255 seconds (a value outside becomes 5).</source>
        <translation>Per quanto tempo la radio trasmette in ogni ciclo di allarme, da 1 a 255 secondi (un valore fuori intervallo diventa 5).</translation>
    </message>
    <message>
        <source>How long the radio waits before it sends an acknowledgement of a call or message, 0.1 to 5.0 seconds. The Alarm dialog uses the same byte (0x379) for &quot;Tx interval (s)&quot;; it writes the byte only when that control is changed there.</source>
        <translation>Quanto attende la radio prima di inviare la conferma (ACK) di una chiamata o di un messaggio, da 0.1 a 5.0 secondi. La finestra Allarme usa lo stesso byte (0x379) per «Intervallo Tx (s)»; scrive il byte solo quando quel controllo viene modificato lì.</translation>
    </message>
    <message>
        <source>How long the radio waits for an acknowledgement of its own call, 0 to 10, in the radio&apos;s own unit (not known to this program). The Alarm dialog uses the same byte (0x37A) for &quot;Query interval (min)&quot;; it writes the byte only when that control is changed there.</source>
        <translation>Quanto attende la radio la conferma (ACK) di una propria chiamata, da 0 a 10, nell&apos;unità propria della radio (non nota a questo programma). La finestra Allarme usa lo stesso byte (0x37A) per «Intervallo interrog. (min)»; scrive il byte solo quando quel controllo viene modificato lì.</translation>
    </message>
    <message>
        <source>How long the radio waits for an answer to a DTMF call, 0.5 to 10.0 seconds.</source>
        <translation>Quanto attende la radio una risposta a una chiamata DTMF, da 0.5 a 10.0 secondi.</translation>
    </message>
    <message>
        <source>How many times the radio sends a call that is not acknowledged, 1 to 10.</source>
        <translation>Quante volte la radio invia una chiamata di cui non riceve conferma, da 1 a 10.</translation>
    </message>
    <message>
        <source>How many transmit and listen cycles the alarm runs, 1 to 255; continue (0) repeats them until the alarm is stopped.</source>
        <translation>Quanti cicli di trasmissione e ascolto esegue l&apos;allarme, da 1 a 255; continuo (0) li ripete finché l&apos;allarme non viene fermato.</translation>
    </message>
    <message>
        <source>How scanning goes on after it stops on a busy channel: Time moves on after the stop time even if the signal is still there; Carrier waits until the signal ends.</source>
        <translation>Come riprende la scansione dopo essersi fermata su un canale occupato: Tempo riparte allo scadere del tempo di sosta anche se il segnale è ancora presente; Portante attende che il segnale termini.</translation>
    </message>
    <message>
        <source>How the alarm identity is sent on analog channels: Off (not sent) or DTMF (the Analog alarm id code as DTMF tones).</source>
        <translation>Come viene inviata l&apos;identità dell&apos;allarme sui canali analogici: Disattivato (non viene inviata) o DTMF (il Codice ID allarme analogico come toni DTMF).</translation>
    </message>
    <message>
        <source>How the radio scans the channels whose Scan is on, and where it stops and answers.</source>
        <translation>Come la radio esegue la scansione dei canali che hanno Scansione attivata, e dove si ferma e risponde.</translation>
    </message>
    <message>
        <source>How the radio sends DTMF signalling on analog channels, how it answers received DTMF (calls, remote kill), and the 16 DTMF codes channels can send.</source>
        <translation>Come la radio invia la segnalazione DTMF sui canali analogici, come risponde ai DTMF ricevuti (chiamate, disabilitazione remota) e i 16 codici DTMF che i canali possono inviare.</translation>
    </message>
    <message>
        <source>ID type</source>
        <translation>Tipo ID</translation>
    </message>
    <message>
        <source>Inhibit</source>
        <translation>Inibito</translation>
    </message>
    <message>
        <source>Key lock</source>
        <translation>Blocco tasti</translation>
    </message>
    <message>
        <source>Kill</source>
        <translation>Disabilitazione</translation>
    </message>
    <message>
        <source>Kill Active</source>
        <translation>Disabil./riattiv.</translation>
    </message>
    <message>
        <source>Kill code</source>
        <translation>Codice disabilitazione</translation>
    </message>
    <message>
        <source>Kill type</source>
        <translation>Tipo disabilitazione</translation>
    </message>
    <message>
        <source>Kill/active decode</source>
        <translation>Decod. disabil./riattiv.</translation>
    </message>
    <message>
        <source>LOUT DC offset adjustment: the DC offset of the left output (LOUT) of the radio&apos;s audio converter. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Regolazione dell&apos;offset DC di LOUT: l&apos;offset in continua dell&apos;uscita sinistra (LOUT) del convertitore audio della radio. Un valore a 16 bit da digitare in esadecimale, da 0000 a FFFF. Regolazione di fabbrica: modificarla solo con strumenti di misura a disposizione; viene letta e scritta solo con i pulsanti Leggi e Scrivi di questa finestra.</translation>
    </message>
    <message>
        <source>LOUT直流偏置调节</source>
        <translation>LOUT直流偏置调节</translation>
    </message>
    <message>
        <source>Left channel output gain adjustment, on analog channels. A step from -57 to 6. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Regolazione del guadagno di uscita del canale audio sinistro, sui canali analogici. Un livello da -57 a 6. Regolazione di fabbrica: modificarla solo con strumenti di misura a disposizione; viene letta e scritta solo con i pulsanti Leggi e Scrivi di questa finestra.</translation>
    </message>
    <message>
        <source>Left channel output gain adjustment, on digital channels. A step from -57 to 6. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Regolazione del guadagno di uscita del canale audio sinistro, sui canali digitali. Un livello da -57 a 6. Regolazione di fabbrica: modificarla solo con strumenti di misura a disposizione; viene letta e scritta solo con i pulsanti Leggi e Scrivi di questa finestra.</translation>
    </message>
    <message>
        <source>Left channel signal gain adjustment, on analog channels. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Regolazione del guadagno del segnale del canale audio sinistro, sui canali analogici. Un valore a 16 bit da digitare in esadecimale, da 0000 a FFFF. Regolazione di fabbrica: modificarla solo con strumenti di misura a disposizione; viene letta e scritta solo con i pulsanti Leggi e Scrivi di questa finestra.</translation>
    </message>
    <message>
        <source>Left channel signal gain adjustment, on digital channels. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Regolazione del guadagno del segnale del canale audio sinistro, sui canali digitali. Un valore a 16 bit da digitare in esadecimale, da 0000 a FFFF. Regolazione di fabbrica: modificarla solo con strumenti di misura a disposizione; viene letta e scritta solo con i pulsanti Leggi e Scrivi di questa finestra.</translation>
    </message>
    <message>
        <source>Length of the * and # tones, 0 to 1000 ms in steps of 100.</source>
        <translation>Durata dei toni * e #, da 0 a 1000 ms a passi di 100.</translation>
    </message>
    <message>
        <source>Length of the first DTMF digit, 0 to 1000 ms in steps of 100.</source>
        <translation>Durata della prima cifra DTMF, da 0 a 1000 ms a passi di 100.</translation>
    </message>
    <message>
        <source>Length of the wake-up sent ahead of a digital call, 0 to 1200 in steps of 80, so that radios saving battery are awake when the call begins; 0 sends none.</source>
        <translation>Durata del segnale di risveglio inviato prima di una chiamata digitale, da 0 a 1200 a passi di 80, perché le radio in risparmio batteria siano sveglie quando la chiamata inizia; 0 non ne invia.</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Spia</translation>
    </message>
    <message>
        <source>Lone worker on this channel, the function set in Alarm &gt; Work alone.</source>
        <translation>Uomo solo su questo canale, la funzione impostata in Allarme &gt; Uomo solo.</translation>
    </message>
    <message>
        <source>Lone worker: allow makes the radio ask its user to respond after a time without use and raise the alarm when nobody does; prohibit switches the function off.</source>
        <translation>Uomo solo: consentito fa sì che la radio, dopo un periodo di inutilizzo, chieda all&apos;utente di rispondere e dia l&apos;allarme se nessuno risponde; vietato disattiva la funzione.</translation>
    </message>
    <message>
        <source>Lone worker: minutes without use before the radio asks its user to respond, 1 to 255 (a value outside becomes 10).</source>
        <translation>Uomo solo: minuti di inutilizzo prima che la radio chieda all&apos;utente di rispondere, da 1 a 255 (un valore fuori intervallo diventa 10).</translation>
    </message>
    <message>
        <source>Lone worker: seconds of warning before the alarm is raised, 0 to 255 (a value outside becomes 10).</source>
        <translation>Uomo solo: secondi di preavviso prima che venga dato l&apos;allarme, da 0 a 255 (un valore fuori intervallo diventa 10).</translation>
    </message>
    <message>
        <source>Long key (s)</source>
        <translation>Tempo pressione lunga (s)</translation>
    </message>
    <message>
        <source>Long press</source>
        <translation>Pressione lunga</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Bassa</translation>
    </message>
    <message>
        <source>Low voltage</source>
        <translation>Batteria scarica</translation>
    </message>
    <message>
        <source>Low voltage light</source>
        <translation>Spia batteria scarica</translation>
    </message>
    <message>
        <source>MIC输入增益调节 (db)</source>
        <translation>MIC输入增益调节 (db)</translation>
    </message>
    <message>
        <source>Man down: allow raises the alarm when the radio stays tipped over (its user may have fallen); prohibit switches the function off.</source>
        <translation>Uomo a terra: consentito dà l&apos;allarme quando la radio resta inclinata (il suo utente potrebbe essere caduto); vietato disattiva la funzione.</translation>
    </message>
    <message>
        <source>Man down: exit delay, 0 to 254 seconds, or unlimited (255); a value outside becomes 10. Only the byte is known: what the radio times with it is not.</source>
        <translation>Uomo a terra: ritardo di uscita, da 0 a 254 secondi, o illimitato (255); un valore fuori intervallo diventa 10. Si conosce solo il byte, non che cosa la radio temporizzi con esso.</translation>
    </message>
    <message>
        <source>Man down: seconds of warning before the alarm is raised, 0 to 59 (a value outside becomes 5).</source>
        <translation>Uomo a terra: secondi di preavviso prima che venga dato l&apos;allarme, da 0 a 59 (un valore fuori intervallo diventa 5).</translation>
    </message>
    <message>
        <source>Man down: seconds the radio must stay tipped over before the function starts, 1 to 60 (a value outside becomes 10).</source>
        <translation>Uomo a terra: secondi per cui la radio deve restare inclinata prima che la funzione intervenga, da 1 a 60 (un valore fuori intervallo diventa 10).</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Messaggio</translation>
    </message>
    <message>
        <source>Microphone input gain on analog channels. In dB, from -12 to 35.25 in steps of 0.75. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Guadagno di ingresso del microfono sui canali analogici. In dB, da -12 a 35.25 a passi di 0.75. Regolazione di fabbrica: modificarla solo con strumenti di misura a disposizione; viene letta e scritta solo con i pulsanti Leggi e Scrivi di questa finestra.</translation>
    </message>
    <message>
        <source>Microphone input gain on digital channels. In dB, from -12 to 35.25 in steps of 0.75. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Guadagno di ingresso del microfono sui canali digitali. In dB, da -12 a 35.25 a passi di 0.75. Regolazione di fabbrica: modificarla solo con strumenti di misura a disposizione; viene letta e scritta solo con i pulsanti Leggi e Scrivi di questa finestra.</translation>
    </message>
    <message>
        <source>Mixed mode reset</source>
        <translation>Ritorno modo misto</translation>
    </message>
    <message>
        <source>Mixed(Analog)</source>
        <translation>Misto(Analogico)</translation>
    </message>
    <message>
        <source>Mixed(Digit)</source>
        <translation>Misto(Digitale)</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>Monitor</translation>
    </message>
    <message>
        <source>Msg</source>
        <translation>Msg</translation>
    </message>
    <message>
        <source>Msg no.</source>
        <translation>N. msg</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Narrow</source>
        <translation>Stretta</translation>
    </message>
    <message>
        <source>Narrow noise close</source>
        <translation>Chiusura (banda stretta)</translation>
    </message>
    <message>
        <source>Narrow noise open</source>
        <translation>Apertura (banda stretta)</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N.</translation>
    </message>
    <message>
        <source>Noise ch tmp remove</source>
        <translation>Escludi canale disturbato</translation>
    </message>
    <message>
        <source>Noise squelch threshold of narrow channels, 0 to 127: the noise level at which the squelch closes. A factory calibration: change it only with a signal generator at hand.</source>
        <translation>Soglia dello squelch a rumore dei canali a banda stretta, da 0 a 127: il livello di rumore al quale lo squelch si chiude. Taratura di fabbrica: modificarla solo con un generatore di segnali a disposizione.</translation>
    </message>
    <message>
        <source>Noise squelch threshold of narrow channels, 0 to 127: the noise level at which the squelch opens. A factory calibration: change it only with a signal generator at hand.</source>
        <translation>Soglia dello squelch a rumore dei canali a banda stretta, da 0 a 127: il livello di rumore al quale lo squelch si apre. Taratura di fabbrica: modificarla solo con un generatore di segnali a disposizione.</translation>
    </message>
    <message>
        <source>Noise squelch threshold of wide channels, 0 to 127: the noise level at which the squelch closes. A factory calibration: change it only with a signal generator at hand.</source>
        <translation>Soglia dello squelch a rumore dei canali a banda larga, da 0 a 127: il livello di rumore al quale lo squelch si chiude. Taratura di fabbrica: modificarla solo con un generatore di segnali a disposizione.</translation>
    </message>
    <message>
        <source>Noise squelch threshold of wide channels, 0 to 127: the noise level at which the squelch opens. A factory calibration: change it only with a signal generator at hand.</source>
        <translation>Soglia dello squelch a rumore dei canali a banda larga, da 0 a 127: il livello di rumore al quale lo squelch si apre. Taratura di fabbrica: modificarla solo con un generatore di segnali a disposizione.</translation>
    </message>
    <message>
        <source>Noise suppression switch</source>
        <translation>Soppressione rumore</translation>
    </message>
    <message>
        <source>Non pri ch</source>
        <translation>Canali non prior.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>None: nothing. Monitor (long press only): opens the squelch to listen to weak signals. Scan: starts or stops scanning. Noise ch tmp remove: takes the channel scanning stopped on out of the scan for now. VOX: switches VOX on or off. Hihg/Low power: changes the transmit power. Power detect: tells the battery level. EMI: raises the emergency alarm. Auto contact, Work alone, Talk around, Reverse: switch that function. Call 1, Call 2: send the channel&apos;s call. Channel type: changes between analog and digital. 1750 signal: sends the 1750 Hz tone that opens many analog repeaters. Group call: calls a group. Pri ch scan: scans with the priority channel. Kill, Wake: send the remote kill or wake-up command.</source>
        <translation>Nessuno: nessuna azione. Monitor (solo pressione lunga): apre lo squelch per ascoltare i segnali deboli. Scansione: avvia o ferma la scansione. Escludi canale disturbato: esclude per il momento dalla scansione il canale su cui la scansione si è fermata. VOX: attiva o disattiva il VOX. Potenza alta/bassa: cambia la potenza di trasmissione. Livello batteria: indica il livello della batteria. Emergenza: attiva l&apos;allarme di emergenza. Contatto automatico, Uomo solo, Isofrequenza, Inversione: attivano o disattivano la rispettiva funzione. Chiamata 1, Chiamata 2: inviano la chiamata del canale. Tipo canale: passa da analogico a digitale e viceversa. Tono 1750: invia il tono a 1750 Hz che apre molti ripetitori analogici. Chiamata di gruppo: chiama un gruppo. Scansione prioritaria: esegue la scansione con il canale prioritario. Disabilitazione, Riattivazione: inviano il comando remoto di disabilitazione o di riattivazione.</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Not detect</source>
        <translation>Nessun rilevamento</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numero</translation>
    </message>
    <message>
        <source>OACSU</source>
        <translation>OACSU</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Disattivato</translation>
    </message>
    <message>
        <source>Off Air Call Set-Up: before a single call the radio first checks that the called radio is there and answers, and only then opens the voice link, so that nobody talks into the void. Off: the call starts at once. The Alarm dialog uses the same byte (0x378) for &quot;Auto contact&quot;; it writes the byte only when that control is changed there.</source>
        <translation>Off Air Call Set-Up (instaurazione della chiamata fuori onda): prima di una chiamata singola la radio verifica che la radio chiamata sia presente e risponda, e solo allora apre il collegamento vocale, così nessuno parla a vuoto. Disattivato: la chiamata inizia subito. La finestra Allarme usa lo stesso byte (0x378) per «Contatto automatico»; scrive il byte solo quando quel controllo viene modificato lì.</translation>
    </message>
    <message>
        <source>Off line</source>
        <translation>Fine Tx</translation>
    </message>
    <message>
        <source>Off-line  code</source>
        <translation>Codice fine Tx</translation>
    </message>
    <message>
        <source>Offset direction</source>
        <translation>Direzione shift</translation>
    </message>
    <message>
        <source>Offset freq (MHz)</source>
        <translation>Shift (MHz)</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Attivato</translation>
    </message>
    <message>
        <source>On line</source>
        <translation>Inizio Tx</translation>
    </message>
    <message>
        <source>On mixed channels: how long the radio keeps the mode (analog or digital) of the last call before it listens for both again; 0 to 30, in the radio&apos;s own unit (not known to this program).</source>
        <translation>Sui canali misti: per quanto tempo la radio mantiene il modo (analogico o digitale) dell&apos;ultima chiamata prima di tornare ad ascoltarli entrambi; da 0 a 30, nell&apos;unità propria della radio (non nota a questo programma).</translation>
    </message>
    <message>
        <source>On which channels scanning checks the receive tone before it stops: Not detect on none (it stops on any signal), Non pri ch on the channels other than the priority channel, Priority ch on the priority channel only, all ch on every channel.</source>
        <translation>Su quali canali la scansione controlla il tono di ricezione prima di fermarsi: Nessun rilevamento su nessuno (si ferma su qualsiasi segnale), Canali non prior. sui canali diversi dal canale prioritario, Canale prior. solo sul canale prioritario, tutti i canali su ogni canale.</translation>
    </message>
    <message>
        <source>On-line code</source>
        <translation>Codice inizio Tx</translation>
    </message>
    <message>
        <source>On: pressing PTT while scanning has stopped on a channel answers on that channel.</source>
        <translation>Attivato: premendo il PTT mentre la scansione è ferma su un canale si risponde su quel canale.</translation>
    </message>
    <message>
        <source>On: the channel works through a repeater, with different receive and transmit frequencies. With both frequencies equal the dialog sets Off and leaves it so.</source>
        <translation>Attivato: il canale lavora tramite un ripetitore, con frequenze di ricezione e trasmissione diverse. Con le due frequenze uguali la finestra imposta Disattivato e lo lascia così.</translation>
    </message>
    <message>
        <source>On: the radio obeys the DTMF remote kill (Kill code) and the command that makes it active again; Off: it ignores them.</source>
        <translation>Attivato: la radio esegue la disabilitazione remota DTMF (Codice disabilitazione) e il comando che la riattiva; Disattivato: li ignora.</translation>
    </message>
    <message>
        <source>On: the radio obeys the digital remote kill and activate commands (Kill code, Active code); Off: it ignores them.</source>
        <translation>Attivato: la radio esegue i comandi remoti digitali di disabilitazione e di riattivazione (Codice disabilitazione, Codice riattivazione); Disattivato: li ignora.</translation>
    </message>
    <message>
        <source>On: the radio receives all calls, the calls addressed to every radio; Off: it ignores them.</source>
        <translation>Attivato: la radio riceve le chiamate a tutti, cioè quelle indirizzate a ogni radio; Disattivato: le ignora.</translation>
    </message>
    <message>
        <source>One channel at a time, with its analog and its digital settings; Channel no. and its spin step through the 16 channels. Closing keeps the edits.</source>
        <translation>Un canale alla volta, con le sue impostazioni analogiche e digitali; N. canale e le sue frecce scorrono i 16 canali. Alla chiusura le modifiche vengono mantenute.</translation>
    </message>
    <message>
        <source>Only rx</source>
        <translation>Solo Rx</translation>
    </message>
    <message>
        <source>Only whistle</source>
        <translation>Solo sirena</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>PTTID</source>
        <translation>PTTID</translation>
    </message>
    <message>
        <source>PTTID type</source>
        <translation>Tipo PTTID</translation>
    </message>
    <message>
        <source>Pause between the start of the transmission and the first DTMF digit, 100 to 1000 ms in steps of 100, so that the receiver has opened before the digits come.</source>
        <translation>Pausa tra l&apos;inizio della trasmissione e la prima cifra DTMF, da 100 a 1000 ms a passi di 100, perché il ricevitore sia già aperto quando arrivano le cifre.</translation>
    </message>
    <message>
        <source>Person ID</source>
        <translation>ID personale</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Potenza</translation>
    </message>
    <message>
        <source>Power detect</source>
        <translation>Livello batteria</translation>
    </message>
    <message>
        <source>Power-on light</source>
        <translation>Spia di accensione</translation>
    </message>
    <message>
        <source>Power-on tone</source>
        <translation>Tono di accensione</translation>
    </message>
    <message>
        <source>Pri ch scan</source>
        <translation>Scansione prioritaria</translation>
    </message>
    <message>
        <source>Priority ch</source>
        <translation>Canale prior.</translation>
    </message>
    <message>
        <source>Priority channel</source>
        <translation>Canale prioritario</translation>
    </message>
    <message>
        <source>Query interval (min)</source>
        <translation>Intervallo interrog. (min)</translation>
    </message>
    <message>
        <source>ROUT DC offset adjustment: the DC offset of the right output (ROUT) of the radio&apos;s audio converter. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Regolazione dell&apos;offset DC di ROUT: l&apos;offset in continua dell&apos;uscita destra (ROUT) del convertitore audio della radio. Un valore a 16 bit da digitare in esadecimale, da 0000 a FFFF. Regolazione di fabbrica: modificarla solo con strumenti di misura a disposizione; viene letta e scritta solo con i pulsanti Leggi e Scrivi di questa finestra.</translation>
    </message>
    <message>
        <source>ROUT直流偏置调节</source>
        <translation>ROUT直流偏置调节</translation>
    </message>
    <message>
        <source>Radio id</source>
        <translation>ID radio</translation>
    </message>
    <message>
        <source>Radio name</source>
        <translation>Nome radio</translation>
    </message>
    <message>
        <source>Receive frequency in MHz, for example 446.00625 (PMR446 lies from 446.0 to 446.2 MHz). A frequency outside the band in use becomes its lower edge, and one off the 2.5 and 3.125 kHz rasters moves to the nearest point. Clearing it empties the channel.</source>
        <translation>Frequenza di ricezione in MHz, per esempio 446.00625 (il PMR446 va da 446.0 a 446.2 MHz). Una frequenza fuori dalla banda in uso diventa il suo limite inferiore, e una che non cade sui passi di canalizzazione di 2.5 e 3.125 kHz viene spostata sul punto più vicino. Cancellandola, il canale si svuota.</translation>
    </message>
    <message>
        <source>Receive input gain on analog channels. In dB, from -12 to 35.25 in steps of 0.75. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Guadagno di ingresso in ricezione sui canali analogici. In dB, da -12 a 35.25 a passi di 0.75. Regolazione di fabbrica: modificarla solo con strumenti di misura a disposizione; viene letta e scritta solo con i pulsanti Leggi e Scrivi di questa finestra.</translation>
    </message>
    <message>
        <source>Receive input gain on digital channels. In dB, from -12 to 35.25 in steps of 0.75. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Guadagno di ingresso in ricezione sui canali digitali. In dB, da -12 a 35.25 a passi di 0.75. Regolazione di fabbrica: modificarla solo con strumenti di misura a disposizione; viene letta e scritta solo con i pulsanti Leggi e Scrivi di questa finestra.</translation>
    </message>
    <message>
        <source>Receive only (bit 7 of record byte +0x11); the dialog always stores Off.</source>
        <translation>Solo ricezione (bit 7 del byte +0x11 del record); la finestra memorizza sempre Disattivato.</translation>
    </message>
    <message>
        <source>Received voice output gain on analog channels: the level of the received voice. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Guadagno di uscita della voce ricevuta sui canali analogici: il livello della voce ricevuta. Un valore a 16 bit da digitare in esadecimale, da 0000 a FFFF. Regolazione di fabbrica: modificarla solo con strumenti di misura a disposizione; viene letta e scritta solo con i pulsanti Leggi e Scrivi di questa finestra.</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Registrazione</translation>
    </message>
    <message>
        <source>Remind</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>Remind and Reply</source>
        <translation>Avviso e risposta</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Ripetitore</translation>
    </message>
    <message>
        <source>Repeat mode</source>
        <translation>Modo ripetitore</translation>
    </message>
    <message>
        <source>Reply</source>
        <translation>Risposta</translation>
    </message>
    <message>
        <source>Response wait</source>
        <translation>Attesa risposta</translation>
    </message>
    <message>
        <source>Response wait time (s)</source>
        <translation>Tempo attesa risposta (s)</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Inversione</translation>
    </message>
    <message>
        <source>Right channel output gain adjustment, on analog channels. A step from -57 to 6. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Regolazione del guadagno di uscita del canale audio destro, sui canali analogici. Un livello da -57 a 6. Regolazione di fabbrica: modificarla solo con strumenti di misura a disposizione; viene letta e scritta solo con i pulsanti Leggi e Scrivi di questa finestra.</translation>
    </message>
    <message>
        <source>Right channel output gain adjustment, on digital channels. A step from -57 to 6. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Regolazione del guadagno di uscita del canale audio destro, sui canali digitali. Un livello da -57 a 6. Regolazione di fabbrica: modificarla solo con strumenti di misura a disposizione; viene letta e scritta solo con i pulsanti Leggi e Scrivi di questa finestra.</translation>
    </message>
    <message>
        <source>Right channel signal gain adjustment, on analog channels. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Regolazione del guadagno del segnale del canale audio destro, sui canali analogici. Un valore a 16 bit da digitare in esadecimale, da 0000 a FFFF. Regolazione di fabbrica: modificarla solo con strumenti di misura a disposizione; viene letta e scritta solo con i pulsanti Leggi e Scrivi di questa finestra.</translation>
    </message>
    <message>
        <source>Right channel signal gain adjustment, on digital channels. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Regolazione del guadagno del segnale del canale audio destro, sui canali digitali. Un valore a 16 bit da digitare in esadecimale, da 0000 a FFFF. Regolazione di fabbrica: modificarla solo con strumenti di misura a disposizione; viene letta e scritta solo con i pulsanti Leggi e Scrivi di questa finestra.</translation>
    </message>
    <message>
        <source>Rx</source>
        <translation>Rx</translation>
    </message>
    <message>
        <source>Rx Freq</source>
        <translation>Freq. Rx</translation>
    </message>
    <message>
        <source>Rx Tone</source>
        <translation>Tono Rx</translation>
    </message>
    <message>
        <source>Rx color code</source>
        <translation>Codice colore Rx</translation>
    </message>
    <message>
        <source>Rx exit tone</source>
        <translation>Tono fine ricezione</translation>
    </message>
    <message>
        <source>Rx freq (MHz)</source>
        <translation>Freq. Rx (MHz)</translation>
    </message>
    <message>
        <source>Rx light</source>
        <translation>Spia Rx</translation>
    </message>
    <message>
        <source>Rx time (s)</source>
        <translation>Tempo Rx (s)</translation>
    </message>
    <message>
        <source>Rx tone</source>
        <translation>Tono Rx</translation>
    </message>
    <message>
        <source>SK1</source>
        <translation>SK1</translation>
    </message>
    <message>
        <source>SK2</source>
        <translation>SK2</translation>
    </message>
    <message>
        <source>SQL</source>
        <translation>SQL</translation>
    </message>
    <message>
        <source>STE</source>
        <translation>STE</translation>
    </message>
    <message>
        <source>Same byte as Alarm &gt; Auto contact</source>
        <translation>Stesso byte di Allarme &gt; Contatto automatico</translation>
    </message>
    <message>
        <source>Same byte as Alarm &gt; Query interval (min)</source>
        <translation>Stesso byte di Allarme &gt; Intervallo interrog. (min)</translation>
    </message>
    <message>
        <source>Same byte as Alarm &gt; Tx interval (s)</source>
        <translation>Stesso byte di Allarme &gt; Intervallo Tx (s)</translation>
    </message>
    <message>
        <source>Same byte as dPMR param &gt; Basic &gt; ACK reply delay; written only when changed here</source>
        <translation>Stesso byte di Parametri dPMR &gt; Base &gt; Ritardo risposta ACK; scritto solo se modificato qui</translation>
    </message>
    <message>
        <source>Same byte as dPMR param &gt; Basic &gt; ACK reply wait; written only when changed here</source>
        <translation>Stesso byte di Parametri dPMR &gt; Base &gt; Attesa ACK; scritto solo se modificato qui</translation>
    </message>
    <message>
        <source>Same byte as dPMR param &gt; Basic &gt; OACSU and Data type; written only when changed here</source>
        <translation>Stesso byte di Parametri dPMR &gt; Base &gt; OACSU e Tipo dati; scritto solo se modificato qui</translation>
    </message>
    <message>
        <source>Saving delay time (s)</source>
        <translation>Ritardo risparmio (s)</translation>
    </message>
    <message>
        <source>Saving mode</source>
        <translation>Risparmio batteria</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Scansione</translation>
    </message>
    <message>
        <source>Scan Info</source>
        <translation>Info scansione</translation>
    </message>
    <message>
        <source>Scan begin beep</source>
        <translation>Bip inizio scansione</translation>
    </message>
    <message>
        <source>Scan end beep</source>
        <translation>Bip fine scansione</translation>
    </message>
    <message>
        <source>Scan mode</source>
        <translation>Modo scansione</translation>
    </message>
    <message>
        <source>Scan state light</source>
        <translation>Spia scansione</translation>
    </message>
    <message>
        <source>Scan tx channel</source>
        <translation>Canale Tx in scansione</translation>
    </message>
    <message>
        <source>Scan tx/rx resume delay time (s)</source>
        <translation>Ritardo ripresa dopo Tx/Rx (s)</translation>
    </message>
    <message>
        <source>Seconds PTT must stay released before the time-out timer starts counting afresh, 0 to 30.</source>
        <translation>Secondi per cui il PTT deve restare rilasciato prima che il timer TOT riparta da zero, da 0 a 30.</translation>
    </message>
    <message>
        <source>Seconds after a decoded DTMF call before the radio returns to its normal state, 0 to 255.</source>
        <translation>Secondi dopo una chiamata DTMF decodificata prima che la radio torni allo stato normale, da 0 a 255.</translation>
    </message>
    <message>
        <source>Seconds before the time-out timer runs out at which the radio warns with a tone, 0 to 15 (0: no warning).</source>
        <translation>Quanti secondi prima dello scadere del timer TOT la radio avvisa con un tono, da 0 a 15 (0: nessun avviso).</translation>
    </message>
    <message>
        <source>Seconds without activity before battery saving starts, 10 to 60 in steps of 5 (a typed value is rounded down to a step).</source>
        <translation>Secondi di inattività prima che inizi il risparmio batteria, da 10 a 60 a passi di 5 (un valore digitato viene arrotondato per difetto al passo).</translation>
    </message>
    <message>
        <source>Secret</source>
        <translation>Silenzioso</translation>
    </message>
    <message>
        <source>Send alarm id</source>
        <translation>Invia ID allarme</translation>
    </message>
    <message>
        <source>Sends the DTMF identity (DTMF &gt; Encode: PTTID type, On-line and Off-line code) with each transmission on this channel.</source>
        <translation>Invia l&apos;identità DTMF (DTMF &gt; Codifica: Tipo PTTID, Codice inizio Tx e Codice fine Tx) con ogni trasmissione su questo canale.</translation>
    </message>
    <message>
        <source>Shock</source>
        <translation>Vibrazione</translation>
    </message>
    <message>
        <source>Short beep</source>
        <translation>Bip breve</translation>
    </message>
    <message>
        <source>Short beep, Inhibit or Allow (bit 1 of 0x2007); only the bit is known, not what the radio does with it.</source>
        <translation>Bip breve, Inibito o Consentito (bit 1 di 0x2007); si conosce solo il bit, non che cosa ne faccia la radio.</translation>
    </message>
    <message>
        <source>Short press</source>
        <translation>Pressione breve</translation>
    </message>
    <message>
        <source>Shutdown pre-aleat tone</source>
        <translation>Tono preavviso spegnimento</translation>
    </message>
    <message>
        <source>Shutdown tone</source>
        <translation>Tono di spegnimento</translation>
    </message>
    <message>
        <source>Side Key</source>
        <translation>Tasti laterali</translation>
    </message>
    <message>
        <source>Side tone</source>
        <translation>Tono locale</translation>
    </message>
    <message>
        <source>Signal gain after the limiter, on analog channels: the transmitted deviation of the voice. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Guadagno del segnale dopo il limitatore, sui canali analogici: la deviazione trasmessa della voce. Un valore a 16 bit da digitare in esadecimale, da 0000 a FFFF. Regolazione di fabbrica: modificarla solo con strumenti di misura a disposizione; viene letta e scritta solo con i pulsanti Leggi e Scrivi di questa finestra.</translation>
    </message>
    <message>
        <source>Signal gain before the limiter, on analog channels: how hard the voice drives the deviation limiter. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Guadagno del segnale prima del limitatore, sui canali analogici: quanto la voce spinge il limitatore di deviazione. Un valore a 16 bit da digitare in esadecimale, da 0000 a FFFF. Regolazione di fabbrica: modificarla solo con strumenti di misura a disposizione; viene letta e scritta solo con i pulsanti Leggi e Scrivi di questa finestra.</translation>
    </message>
    <message>
        <source>Signal type</source>
        <translation>Tipo segnalazione</translation>
    </message>
    <message>
        <source>Single call time</source>
        <translation>Tempo chiamata singola</translation>
    </message>
    <message>
        <source>Single call tone</source>
        <translation>Tono chiamata singola</translation>
    </message>
    <message>
        <source>Single call: one radio. Group call: a group of radios sharing the number; only group calls can be members of a group receive list.</source>
        <translation>Chiamata singola: una sola radio. Chiamata di gruppo: un gruppo di radio che condividono il numero; solo le chiamate di gruppo possono far parte di una lista gruppi Rx.</translation>
    </message>
    <message>
        <source>Specified ch</source>
        <translation>Canale specif.</translation>
    </message>
    <message>
        <source>Specified channel</source>
        <translation>Canale specificato</translation>
    </message>
    <message>
        <source>Speed (digit/s)</source>
        <translation>Velocità (cifre/s)</translation>
    </message>
    <message>
        <source>Spoken announcements of the radio (the channel, for example): Off, in Chinese or in English.</source>
        <translation>Annunci vocali della radio (per esempio il canale): Disattivato, in cinese o in inglese.</translation>
    </message>
    <message>
        <source>Sql</source>
        <translation>Sql</translation>
    </message>
    <message>
        <source>Squelch calibration at this frequency of the band, 1 to 255 (an empty cell stores 60): the reference the radio&apos;s SQL levels are set from near this frequency. A factory calibration: change it only with a signal generator at hand.</source>
        <translation>Taratura dello squelch a questa frequenza della banda, da 1 a 255 (una cella vuota memorizza 60): il riferimento da cui la radio ricava i livelli SQL vicino a questa frequenza. Taratura di fabbrica: modificarla solo con un generatore di segnali a disposizione.</translation>
    </message>
    <message>
        <source>Squelch calibration: the noise thresholds at which the squelch opens and closes, and a squelch reference at points across the band. A factory calibration: change it only with a signal generator at hand.</source>
        <translation>Taratura dello squelch: le soglie di rumore alle quali lo squelch si apre e si chiude, e un riferimento di squelch in vari punti della banda. Taratura di fabbrica: modificarla solo con un generatore di segnali a disposizione.</translation>
    </message>
    <message>
        <source>Squelch level, 0 to 9: how strong a signal must be before the radio opens its speaker. Low levels let weak signals (and more noise) through, high levels need stronger signals. Default 5.</source>
        <translation>Livello di squelch, da 0 a 9: quanto deve essere forte un segnale perché la radio apra l&apos;altoparlante. I livelli bassi lasciano passare i segnali deboli (e più rumore), quelli alti richiedono segnali più forti. Predefinito 5.</translation>
    </message>
    <message>
        <source>Squelch tail elimination, against the burst of noise heard when the other radio stops transmitting: Freq, or 120, 180 or 240, the degrees by which the CTCSS tone&apos;s phase is turned at the end of a transmission. Use the setting the other radios of the group use.</source>
        <translation>Eliminazione della coda di squelch, contro il fruscio che si sente quando l&apos;altra radio smette di trasmettere: Freq., oppure 120, 180 o 240, i gradi di cui viene ruotata la fase del tono CTCSS alla fine di una trasmissione. Usare la stessa impostazione delle altre radio del gruppo.</translation>
    </message>
    <message>
        <source>Stop time (s)</source>
        <translation>Tempo di sosta (s)</translation>
    </message>
    <message>
        <source>Swaps receive and transmit frequency, to listen on a repeater&apos;s input.</source>
        <translation>Scambia le frequenze di ricezione e di trasmissione, per ascoltare sull&apos;ingresso di un ripetitore.</translation>
    </message>
    <message>
        <source>TCXO (reference oscillator) output gain adjustment. A step from -57 to 6. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Regolazione del guadagno di uscita del TCXO (oscillatore di riferimento). Un livello da -57 a 6. Regolazione di fabbrica: modificarla solo con strumenti di misura a disposizione; viene letta e scritta solo con i pulsanti Leggi e Scrivi di questa finestra.</translation>
    </message>
    <message>
        <source>TCXO输出增益调节 (db)</source>
        <translation>TCXO输出增益调节 (db)</translation>
    </message>
    <message>
        <source>TK1</source>
        <translation>TK1</translation>
    </message>
    <message>
        <source>TOT (s)</source>
        <translation>TOT (s)</translation>
    </message>
    <message>
        <source>TOT pre-aleat  (s)</source>
        <translation>Preavviso TOT (s)</translation>
    </message>
    <message>
        <source>TOT re-key time (s)</source>
        <translation>Attesa dopo TOT (s)</translation>
    </message>
    <message>
        <source>TOT reset time (s)</source>
        <translation>Tempo reset TOT (s)</translation>
    </message>
    <message>
        <source>Talk around</source>
        <translation>Isofrequenza</translation>
    </message>
    <message>
        <source>Talk back</source>
        <translation>Risposta in scansione</translation>
    </message>
    <message>
        <source>The 16 group receive lists. A channel that uses a list (Channel edit &gt; Group rx list) receives the group calls to its members; choose a list to edit them.</source>
        <translation>Le 16 liste gruppi Rx. Un canale che usa una lista (Modifica canale &gt; Lista gruppi Rx) riceve le chiamate di gruppo dirette ai suoi membri; scegliere una lista per modificarli.</translation>
    </message>
    <message>
        <source>The 7-digit code of the command that makes a killed radio active again. An invalid code (0000000, a whole million, above 9000000) becomes 9999991.</source>
        <translation>Il codice di 7 cifre del comando che riattiva una radio disabilitata. Un codice non valido (0000000, un milione esatto, oltre 9000000) diventa 9999991.</translation>
    </message>
    <message>
        <source>The 7-digit code of the digital kill command this radio obeys. An invalid code (0000000, a whole million, above 9000000) becomes 9999990.</source>
        <translation>Il codice di 7 cifre del comando digitale di disabilitazione a cui questa radio obbedisce. Un codice non valido (0000000, un milione esatto, oltre 9000000) diventa 9999990.</translation>
    </message>
    <message>
        <source>The 7-digit identity the alarm sends on digital channels. 0000000, the whole millions 1000000 to 9000000 and numbers above 9000000 are not valid and become 9999998.</source>
        <translation>L&apos;identità di 7 cifre che l&apos;allarme invia sui canali digitali. 0000000, i milioni esatti da 1000000 a 9000000 e i numeri oltre 9000000 non sono validi e diventano 9999998.</translation>
    </message>
    <message>
        <source>The CTCSS tone (63.0 to 254.1 Hz) or DCS code (D023N, or D023I inverted) a signal must carry before the radio opens its speaker; None hears every signal. A number typed without a point is taken as a DCS code.</source>
        <translation>Il tono CTCSS (da 63.0 a 254.1 Hz) o il codice DCS (D023N, o D023I invertito) che un segnale deve portare perché la radio apra l&apos;altoparlante; con Nessuno si sente ogni segnale. Un numero digitato senza punto viene preso come codice DCS.</translation>
    </message>
    <message>
        <source>The CTCSS tone or DCS code sent with each transmission, so that receivers set to it hear you; None sends none. A number typed without a point is taken as a DCS code.</source>
        <translation>Il tono CTCSS o il codice DCS inviato con ogni trasmissione, perché i ricevitori impostati su di esso vi sentano; con Nessuno non se ne invia alcuno. Un numero digitato senza punto viene preso come codice DCS.</translation>
    </message>
    <message>
        <source>The DTMF code (DTMF &gt; Contact) the Call 1 key function sends on this channel, or None.</source>
        <translation>Il codice DTMF (DTMF &gt; Contatto) che la funzione tasto Chiamata 1 invia su questo canale, o Nessuno.</translation>
    </message>
    <message>
        <source>The DTMF code (DTMF &gt; Contact) the Call 2 key function sends on this channel, or None.</source>
        <translation>Il codice DTMF (DTMF &gt; Contatto) che la funzione tasto Chiamata 2 invia su questo canale, o Nessuno.</translation>
    </message>
    <message>
        <source>The DTMF code that kills the radio when it is received, up to 15 symbols 0-9, A-D, * and #; a # is stored after the last one.</source>
        <translation>Il codice DTMF che, quando viene ricevuto, disabilita la radio, massimo 15 simboli 0-9, A-D, * e #; dopo l&apos;ultimo viene memorizzato un #.</translation>
    </message>
    <message>
        <source>The DTMF symbol that makes a received code a group call (A, B, C, D, * or #), or None for no group calls.</source>
        <translation>Il simbolo DTMF che rende un codice ricevuto una chiamata di gruppo (A, B, C, D, * o #), o Nessuno per non avere chiamate di gruppo.</translation>
    </message>
    <message>
        <source>The channel PTT transmits on during a scan when Scan tx channel is Specified ch; None for none.</source>
        <translation>Il canale su cui trasmette il PTT durante la scansione quando Canale Tx in scansione è Canale specif.; Nessuno per nessun canale.</translation>
    </message>
    <message>
        <source>The channel PTT transmits on during a scan: the channel in use before the scan began, the last channel where a signal was heard, or the specified channel.</source>
        <translation>Il canale su cui trasmette il PTT durante la scansione: il canale in uso prima dell&apos;inizio della scansione, l&apos;ultimo canale su cui si è sentito un segnale, o il canale specificato.</translation>
    </message>
    <message>
        <source>The channel on show, 1 to 16. The spin and the arrow keys step through the channels (16 follows 1 backwards); the channel left is stored first.</source>
        <translation>Il canale visualizzato, da 1 a 16. Le frecce del campo e i tasti freccia scorrono i canali (andando indietro, dopo 1 viene 16); il canale che si lascia viene memorizzato per primo.</translation>
    </message>
    <message>
        <source>The channel takes part in scanning. The channel table shows this as Add or Del.</source>
        <translation>Il canale partecipa alla scansione. La tabella dei canali lo indica con Incluso o Escluso.</translation>
    </message>
    <message>
        <source>The channel&apos;s number, 1 to 16. An empty row is an empty channel: type a receive frequency to make it.</source>
        <translation>Il numero del canale, da 1 a 16. Una riga vuota è un canale vuoto: digitare una frequenza di ricezione per crearlo.</translation>
    </message>
    <message>
        <source>The contact a digital transmission on this channel calls (dPMR param &gt; Contact), or None.</source>
        <translation>Il contatto chiamato da una trasmissione digitale su questo canale (Parametri dPMR &gt; Contatto), o Nessuno.</translation>
    </message>
    <message>
        <source>The contact the Call 1 key function calls, or None.</source>
        <translation>Il contatto chiamato dalla funzione tasto Chiamata 1, o Nessuno.</translation>
    </message>
    <message>
        <source>The contact the Call 2 key function calls, or None.</source>
        <translation>Il contatto chiamato dalla funzione tasto Chiamata 2, o Nessuno.</translation>
    </message>
    <message>
        <source>The contact&apos;s dPMR number, 7 characters of 0-9 and *, different from every other contact&apos;s: the number the radio calls.</source>
        <translation>Il numero dPMR del contatto, 7 caratteri tra 0-9 e *, diverso da quello di ogni altro contatto: il numero che la radio chiama.</translation>
    </message>
    <message>
        <source>The contact&apos;s name, up to 8 characters, different from every other contact&apos;s: the radio shows it, and channels and group receive lists choose contacts by it.</source>
        <translation>Il nome del contatto, massimo 8 caratteri, diverso da quello di ogni altro contatto: la radio lo mostra, e i canali e le liste gruppi Rx scelgono i contatti in base al nome.</translation>
    </message>
    <message>
        <source>The contact&apos;s place in the list, 1 to 64; the list is sorted by name when the page stores.</source>
        <translation>La posizione del contatto nell&apos;elenco, da 1 a 64; quando la pagina viene memorizzata l&apos;elenco viene ordinato per nome.</translation>
    </message>
    <message>
        <source>The dPMR colour code, 0 to 63, received digital signals must carry, so that groups sharing a frequency do not hear each other; Auto: the radio&apos;s own choice.</source>
        <translation>Il codice colore dPMR, da 0 a 63, che i segnali digitali ricevuti devono portare, così che i gruppi che condividono una frequenza non si sentano a vicenda; Auto: lo sceglie la radio.</translation>
    </message>
    <message>
        <source>The dPMR colour code, 0 to 63, sent with digital transmissions; Auto: the radio&apos;s own choice.</source>
        <translation>Il codice colore dPMR, da 0 a 63, inviato con le trasmissioni digitali; Auto: lo sceglie la radio.</translation>
    </message>
    <message>
        <source>The direction of a repeater shift, Off, + or -. Kept only while the dialog is open; it is never stored.</source>
        <translation>La direzione dello shift del ripetitore, Disattivato, + o -. Viene mantenuta solo finché la finestra è aperta; non viene mai memorizzata.</translation>
    </message>
    <message>
        <source>The emergency alarm, the lone worker function (Work alone), the man-down function (Upside) and automatic contact.</source>
        <translation>L&apos;allarme di emergenza, le funzioni Uomo solo (lavoratore isolato) e Uomo a terra, e il contatto automatico.</translation>
    </message>
    <message>
        <source>The group receive list (dPMR param &gt; Group rx list) whose group calls this channel receives, or None.</source>
        <translation>La lista gruppi Rx (Parametri dPMR &gt; Lista gruppi Rx) di cui questo canale riceve le chiamate di gruppo, o Nessuno.</translation>
    </message>
    <message>
        <source>The group-call contacts that are not members of the list; Add &gt;&gt; makes the selected ones members. Single-call contacts are never offered.</source>
        <translation>I contatti di chiamata di gruppo che non fanno parte della lista; Aggiungi &gt;&gt; inserisce nella lista quelli selezionati. I contatti di chiamata singola non vengono mai proposti.</translation>
    </message>
    <message>
        <source>The identity the alarm sends on analog channels as DTMF tones, up to 8 symbols (0-9, A-D, * and #).</source>
        <translation>L&apos;identità che l&apos;allarme invia sui canali analogici come toni DTMF, massimo 8 simboli (0-9, A-D, * e #).</translation>
    </message>
    <message>
        <source>The indicator light shows when the radio is switched on.</source>
        <translation>La spia si accende quando la radio viene accesa.</translation>
    </message>
    <message>
        <source>The indicator light shows while the radio receives.</source>
        <translation>La spia si accende mentre la radio riceve.</translation>
    </message>
    <message>
        <source>The indicator light shows while the radio scans.</source>
        <translation>La spia si accende mentre la radio è in scansione.</translation>
    </message>
    <message>
        <source>The indicator light shows while the radio transmits.</source>
        <translation>La spia si accende mentre la radio trasmette.</translation>
    </message>
    <message>
        <source>The indicator light warns when the battery runs low.</source>
        <translation>La spia avvisa quando la batteria si sta scaricando.</translation>
    </message>
    <message>
        <source>The members of the list, up to 8 group-call contacts, in order. Del &lt;&lt; takes the selected ones out; Up and Down move them.</source>
        <translation>I membri della lista, fino a 8 contatti di chiamata di gruppo, in ordine. Togli &lt;&lt; toglie quelli selezionati; Su e Giù li spostano.</translation>
    </message>
    <message>
        <source>The radio&apos;s dPMR identity and digital call settings, its contacts and its group receive lists.</source>
        <translation>L&apos;identità dPMR della radio e le impostazioni delle chiamate digitali, i suoi contatti e le sue liste gruppi Rx.</translation>
    </message>
    <message>
        <source>The radio&apos;s general options (squelch, battery saving, time-out, VOX), what its side keys do, and its prompt tones and lights.</source>
        <translation>Le opzioni generali della radio (squelch, risparmio batteria, TOT, VOX), le funzioni dei tasti laterali, i toni di avviso e le spie.</translation>
    </message>
    <message>
        <source>The radio&apos;s name, up to 8 characters.</source>
        <translation>Il nome della radio, massimo 8 caratteri.</translation>
    </message>
    <message>
        <source>The radio&apos;s own DTMF identity: a received call with this code is for this radio. Up to 16 symbols 0-9, A-D, * and #.</source>
        <translation>L&apos;identità DTMF della radio: una chiamata ricevuta con questo codice è destinata a questa radio. Massimo 16 simboli 0-9, A-D, * e #.</translation>
    </message>
    <message>
        <source>The radio&apos;s own dPMR identity, 7 digits: other radios call it by this number, and every radio of a group needs its own. 0000000, the whole millions 1000000 to 9000000 and numbers above 9000000 are not valid and become 0000001.</source>
        <translation>L&apos;identità dPMR della radio, 7 cifre: le altre radio la chiamano con questo numero, e ogni radio di un gruppo deve averne uno proprio. 0000000, i milioni esatti da 1000000 a 9000000 e i numeri oltre 9000000 non sono validi e diventano 0000001.</translation>
    </message>
    <message>
        <source>The repeater shift in MHz, 0 to 50. Kept only while the dialog is open; it is never stored.</source>
        <translation>Lo shift del ripetitore in MHz, da 0 a 50. Viene mantenuto solo finché la finestra è aperta; non viene mai memorizzato.</translation>
    </message>
    <message>
        <source>The short message the Call 1 key function sends, 1 to 16, or Off.</source>
        <translation>Il messaggio breve che la funzione tasto Chiamata 1 invia, da 1 a 16, o Disattivato.</translation>
    </message>
    <message>
        <source>The short message the Call 2 key function sends, 1 to 16, or Off.</source>
        <translation>Il messaggio breve che la funzione tasto Chiamata 2 invia, da 1 a 16, o Disattivato.</translation>
    </message>
    <message>
        <source>The voice codec of digital calls: AMBE+2C (the codec of the dPMR standard, which other makes of dPMR radio use), ASELP or ASELP 2. Radios that talk to each other need the same codec.</source>
        <translation>Il codec vocale delle chiamate digitali: AMBE+2C (il codec dello standard dPMR, usato dalle radio dPMR di altre marche), ASELP o ASELP 2. Le radio che comunicano tra loro devono usare lo stesso codec.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Time-out timer: the longest a single transmission may last, 30 to 600 seconds in steps of 30 (a typed value is rounded down to a step). The radio stops transmitting when it runs out.</source>
        <translation>Timer di time-out (TOT): la durata massima di una singola trasmissione, da 30 a 600 secondi a passi di 30 (un valore digitato viene arrotondato per difetto al passo). Allo scadere la radio smette di trasmettere.</translation>
    </message>
    <message>
        <source>Tone</source>
        <translation>Tono</translation>
    </message>
    <message>
        <source>Tone and Light</source>
        <translation>Toni e spie</translation>
    </message>
    <message>
        <source>Tone scan mode</source>
        <translation>Modo scansione toni</translation>
    </message>
    <message>
        <source>Transmit frequency in MHz; a new channel gets its receive frequency. A different one (a repeater&apos;s input) switches Repeat on. It is brought into the band and onto the raster like the receive frequency.</source>
        <translation>Frequenza di trasmissione in MHz; un canale nuovo riceve la sua frequenza di ricezione. Una frequenza diversa (l&apos;ingresso di un ripetitore) attiva Ripetitore. Viene riportata nella banda e sul passo di canalizzazione come la frequenza di ricezione.</translation>
    </message>
    <message>
        <source>Transmit power, Low or High. Low saves battery; PMR446 allows 0.5 W, so keep to what your licence allows.</source>
        <translation>Potenza di trasmissione, Bassa o Alta. Bassa risparmia batteria; il PMR446 ammette 0.5 W, quindi attenersi a quanto consentito dalla propria licenza.</translation>
    </message>
    <message>
        <source>Transmits on the receive frequency, to reach radios nearby directly when the repeater is out of reach.</source>
        <translation>Trasmette sulla frequenza di ricezione, per raggiungere direttamente le radio vicine quando il ripetitore è fuori portata.</translation>
    </message>
    <message>
        <source>Tx</source>
        <translation>Tx</translation>
    </message>
    <message>
        <source>Tx Freq</source>
        <translation>Freq. Tx</translation>
    </message>
    <message>
        <source>Tx Tone</source>
        <translation>Tono Tx</translation>
    </message>
    <message>
        <source>Tx color code</source>
        <translation>Codice colore Tx</translation>
    </message>
    <message>
        <source>Tx contact</source>
        <translation>Contatto Tx</translation>
    </message>
    <message>
        <source>Tx delay time</source>
        <translation>Ritardo Tx</translation>
    </message>
    <message>
        <source>Tx freq (MHz)</source>
        <translation>Freq. Tx (MHz)</translation>
    </message>
    <message>
        <source>Tx inhibit</source>
        <translation>Blocco Tx</translation>
    </message>
    <message>
        <source>Tx interval (s)</source>
        <translation>Intervallo Tx (s)</translation>
    </message>
    <message>
        <source>Tx light</source>
        <translation>Spia Tx</translation>
    </message>
    <message>
        <source>Tx power</source>
        <translation>Potenza Tx</translation>
    </message>
    <message>
        <source>Tx time (s)</source>
        <translation>Tempo Tx (s)</translation>
    </message>
    <message>
        <source>Tx tone</source>
        <translation>Tono Tx</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Unallocated:</source>
        <translation>Non assegnati:</translation>
    </message>
    <message>
        <source>Upside</source>
        <translation>Uomo a terra</translation>
    </message>
    <message>
        <source>Upside pre-prompt  (s)</source>
        <translation>Preavviso uomo a terra (s)</translation>
    </message>
    <message>
        <source>VCO output gain adjustment. A step from -57 to 6. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Regolazione del guadagno di uscita del VCO. Un livello da -57 a 6. Regolazione di fabbrica: modificarla solo con strumenti di misura a disposizione; viene letta e scritta solo con i pulsanti Leggi e Scrivi di questa finestra.</translation>
    </message>
    <message>
        <source>VCO输出增益调节 (db)</source>
        <translation>VCO输出增益调节 (db)</translation>
    </message>
    <message>
        <source>VFO</source>
        <translation>VFO</translation>
    </message>
    <message>
        <source>VOX</source>
        <translation>VOX</translation>
    </message>
    <message>
        <source>VOX delay (s)</source>
        <translation>Ritardo VOX (s)</translation>
    </message>
    <message>
        <source>VOX sense</source>
        <translation>Sensibilità VOX</translation>
    </message>
    <message>
        <source>VOX sensitivity level, 0 to 9: how readily speech starts a VOX transmission. Default 5.</source>
        <translation>Livello di sensibilità del VOX, da 0 a 9: quanto facilmente la voce avvia una trasmissione VOX. Predefinito 5.</translation>
    </message>
    <message>
        <source>Voice broadcast</source>
        <translation>Guida vocale</translation>
    </message>
    <message>
        <source>Voice store and replay, Off or On (0x39F bit 3): by its name, the radio records calls to play them again.</source>
        <translation>Registrazione e riascolto della voce, Disattivato o Attivato (0x39F bit 3): a giudicare dal nome, la radio registra le chiamate per riprodurle.</translation>
    </message>
    <message>
        <source>Voice store/replay</source>
        <translation>Registra/riascolta voce</translation>
    </message>
    <message>
        <source>Voice-operated transmit: On lets the radio transmit when you speak into the microphone (with a headset, for example) without pressing PTT.</source>
        <translation>Trasmissione ad attivazione vocale: Attivato permette alla radio di trasmettere quando si parla nel microfono (per esempio con un auricolare) senza premere il PTT.</translation>
    </message>
    <message>
        <source>Wake</source>
        <translation>Riattivazione</translation>
    </message>
    <message>
        <source>Wake frame</source>
        <translation>Trama di risveglio</translation>
    </message>
    <message>
        <source>What a received DTMF kill does: tx inhibit (the radio can no longer transmit), tx/rx inhibit (it can neither transmit nor receive) or Kill (it is disabled).</source>
        <translation>Effetto di una disabilitazione DTMF ricevuta: blocco Tx (la radio non può più trasmettere), blocco Tx/Rx (non può né trasmettere né ricevere) o Disabilitazione (la radio viene disattivata).</translation>
    </message>
    <message>
        <source>What a received digital kill command does: Tx inhibit (the radio can no longer transmit), tx/rx inhibit (it can neither transmit nor receive) or Kill (it is disabled).</source>
        <translation>Effetto di un comando di disabilitazione digitale ricevuto: Blocco Tx (la radio non può più trasmettere), blocco Tx/Rx (non può né trasmettere né ricevere) o Disabilitazione (la radio viene disattivata).</translation>
    </message>
    <message>
        <source>What a short press on side key 1 does. None: nothing. Monitor (long press only): opens the squelch to listen to weak signals. Scan: starts or stops scanning. Noise ch tmp remove: takes the channel scanning stopped on out of the scan for now. VOX: switches VOX on or off. Hihg/Low power: changes the transmit power. Power detect: tells the battery level. EMI: raises the emergency alarm. Auto contact, Work alone, Talk around, Reverse: switch that function. Call 1, Call 2: send the channel&apos;s call. Channel type: changes between analog and digital. 1750 signal: sends the 1750 Hz tone that opens many analog repeaters. Group call: calls a group. Pri ch scan: scans with the priority channel. Kill, Wake: send the remote kill or wake-up command.</source>
        <translation>Che cosa fa una pressione breve del tasto laterale 1. Nessuno: nessuna azione. Monitor (solo pressione lunga): apre lo squelch per ascoltare i segnali deboli. Scansione: avvia o ferma la scansione. Escludi canale disturbato: esclude per il momento dalla scansione il canale su cui la scansione si è fermata. VOX: attiva o disattiva il VOX. Potenza alta/bassa: cambia la potenza di trasmissione. Livello batteria: indica il livello della batteria. Emergenza: attiva l&apos;allarme di emergenza. Contatto automatico, Uomo solo, Isofrequenza, Inversione: attivano o disattivano la rispettiva funzione. Chiamata 1, Chiamata 2: inviano la chiamata del canale. Tipo canale: passa da analogico a digitale e viceversa. Tono 1750: invia il tono a 1750 Hz che apre molti ripetitori analogici. Chiamata di gruppo: chiama un gruppo. Scansione prioritaria: esegue la scansione con il canale prioritario. Disabilitazione, Riattivazione: inviano il comando remoto di disabilitazione o di riattivazione.</translation>
    </message>
    <message>
        <source>What a short press on side key 2 does. None: nothing. Monitor (long press only): opens the squelch to listen to weak signals. Scan: starts or stops scanning. Noise ch tmp remove: takes the channel scanning stopped on out of the scan for now. VOX: switches VOX on or off. Hihg/Low power: changes the transmit power. Power detect: tells the battery level. EMI: raises the emergency alarm. Auto contact, Work alone, Talk around, Reverse: switch that function. Call 1, Call 2: send the channel&apos;s call. Channel type: changes between analog and digital. 1750 signal: sends the 1750 Hz tone that opens many analog repeaters. Group call: calls a group. Pri ch scan: scans with the priority channel. Kill, Wake: send the remote kill or wake-up command.</source>
        <translation>Che cosa fa una pressione breve del tasto laterale 2. Nessuno: nessuna azione. Monitor (solo pressione lunga): apre lo squelch per ascoltare i segnali deboli. Scansione: avvia o ferma la scansione. Escludi canale disturbato: esclude per il momento dalla scansione il canale su cui la scansione si è fermata. VOX: attiva o disattiva il VOX. Potenza alta/bassa: cambia la potenza di trasmissione. Livello batteria: indica il livello della batteria. Emergenza: attiva l&apos;allarme di emergenza. Contatto automatico, Uomo solo, Isofrequenza, Inversione: attivano o disattivano la rispettiva funzione. Chiamata 1, Chiamata 2: inviano la chiamata del canale. Tipo canale: passa da analogico a digitale e viceversa. Tono 1750: invia il tono a 1750 Hz che apre molti ripetitori analogici. Chiamata di gruppo: chiama un gruppo. Scansione prioritaria: esegue la scansione con il canale prioritario. Disabilitazione, Riattivazione: inviano il comando remoto di disabilitazione o di riattivazione.</translation>
    </message>
    <message>
        <source>What a short press on the top key TK1 does. None: nothing. Monitor (long press only): opens the squelch to listen to weak signals. Scan: starts or stops scanning. Noise ch tmp remove: takes the channel scanning stopped on out of the scan for now. VOX: switches VOX on or off. Hihg/Low power: changes the transmit power. Power detect: tells the battery level. EMI: raises the emergency alarm. Auto contact, Work alone, Talk around, Reverse: switch that function. Call 1, Call 2: send the channel&apos;s call. Channel type: changes between analog and digital. 1750 signal: sends the 1750 Hz tone that opens many analog repeaters. Group call: calls a group. Pri ch scan: scans with the priority channel. Kill, Wake: send the remote kill or wake-up command.</source>
        <translation>Che cosa fa una pressione breve del tasto superiore TK1. Nessuno: nessuna azione. Monitor (solo pressione lunga): apre lo squelch per ascoltare i segnali deboli. Scansione: avvia o ferma la scansione. Escludi canale disturbato: esclude per il momento dalla scansione il canale su cui la scansione si è fermata. VOX: attiva o disattiva il VOX. Potenza alta/bassa: cambia la potenza di trasmissione. Livello batteria: indica il livello della batteria. Emergenza: attiva l&apos;allarme di emergenza. Contatto automatico, Uomo solo, Isofrequenza, Inversione: attivano o disattivano la rispettiva funzione. Chiamata 1, Chiamata 2: inviano la chiamata del canale. Tipo canale: passa da analogico a digitale e viceversa. Tono 1750: invia il tono a 1750 Hz che apre molti ripetitori analogici. Chiamata di gruppo: chiama un gruppo. Scansione prioritaria: esegue la scansione con il canale prioritario. Disabilitazione, Riattivazione: inviano il comando remoto di disabilitazione o di riattivazione.</translation>
    </message>
    <message>
        <source>What holding side key 1 does. None: nothing. Monitor (long press only): opens the squelch to listen to weak signals. Scan: starts or stops scanning. Noise ch tmp remove: takes the channel scanning stopped on out of the scan for now. VOX: switches VOX on or off. Hihg/Low power: changes the transmit power. Power detect: tells the battery level. EMI: raises the emergency alarm. Auto contact, Work alone, Talk around, Reverse: switch that function. Call 1, Call 2: send the channel&apos;s call. Channel type: changes between analog and digital. 1750 signal: sends the 1750 Hz tone that opens many analog repeaters. Group call: calls a group. Pri ch scan: scans with the priority channel. Kill, Wake: send the remote kill or wake-up command.</source>
        <translation>Che cosa fa il tasto laterale 1 tenuto premuto. Nessuno: nessuna azione. Monitor (solo pressione lunga): apre lo squelch per ascoltare i segnali deboli. Scansione: avvia o ferma la scansione. Escludi canale disturbato: esclude per il momento dalla scansione il canale su cui la scansione si è fermata. VOX: attiva o disattiva il VOX. Potenza alta/bassa: cambia la potenza di trasmissione. Livello batteria: indica il livello della batteria. Emergenza: attiva l&apos;allarme di emergenza. Contatto automatico, Uomo solo, Isofrequenza, Inversione: attivano o disattivano la rispettiva funzione. Chiamata 1, Chiamata 2: inviano la chiamata del canale. Tipo canale: passa da analogico a digitale e viceversa. Tono 1750: invia il tono a 1750 Hz che apre molti ripetitori analogici. Chiamata di gruppo: chiama un gruppo. Scansione prioritaria: esegue la scansione con il canale prioritario. Disabilitazione, Riattivazione: inviano il comando remoto di disabilitazione o di riattivazione.</translation>
    </message>
    <message>
        <source>What holding side key 2 does. None: nothing. Monitor (long press only): opens the squelch to listen to weak signals. Scan: starts or stops scanning. Noise ch tmp remove: takes the channel scanning stopped on out of the scan for now. VOX: switches VOX on or off. Hihg/Low power: changes the transmit power. Power detect: tells the battery level. EMI: raises the emergency alarm. Auto contact, Work alone, Talk around, Reverse: switch that function. Call 1, Call 2: send the channel&apos;s call. Channel type: changes between analog and digital. 1750 signal: sends the 1750 Hz tone that opens many analog repeaters. Group call: calls a group. Pri ch scan: scans with the priority channel. Kill, Wake: send the remote kill or wake-up command.</source>
        <translation>Che cosa fa il tasto laterale 2 tenuto premuto. Nessuno: nessuna azione. Monitor (solo pressione lunga): apre lo squelch per ascoltare i segnali deboli. Scansione: avvia o ferma la scansione. Escludi canale disturbato: esclude per il momento dalla scansione il canale su cui la scansione si è fermata. VOX: attiva o disattiva il VOX. Potenza alta/bassa: cambia la potenza di trasmissione. Livello batteria: indica il livello della batteria. Emergenza: attiva l&apos;allarme di emergenza. Contatto automatico, Uomo solo, Isofrequenza, Inversione: attivano o disattivano la rispettiva funzione. Chiamata 1, Chiamata 2: inviano la chiamata del canale. Tipo canale: passa da analogico a digitale e viceversa. Tono 1750: invia il tono a 1750 Hz che apre molti ripetitori analogici. Chiamata di gruppo: chiama un gruppo. Scansione prioritaria: esegue la scansione con il canale prioritario. Disabilitazione, Riattivazione: inviano il comando remoto di disabilitazione o di riattivazione.</translation>
    </message>
    <message>
        <source>What holding the top key TK1 does. None: nothing. Monitor (long press only): opens the squelch to listen to weak signals. Scan: starts or stops scanning. Noise ch tmp remove: takes the channel scanning stopped on out of the scan for now. VOX: switches VOX on or off. Hihg/Low power: changes the transmit power. Power detect: tells the battery level. EMI: raises the emergency alarm. Auto contact, Work alone, Talk around, Reverse: switch that function. Call 1, Call 2: send the channel&apos;s call. Channel type: changes between analog and digital. 1750 signal: sends the 1750 Hz tone that opens many analog repeaters. Group call: calls a group. Pri ch scan: scans with the priority channel. Kill, Wake: send the remote kill or wake-up command.</source>
        <translation>Che cosa fa il tasto superiore TK1 tenuto premuto. Nessuno: nessuna azione. Monitor (solo pressione lunga): apre lo squelch per ascoltare i segnali deboli. Scansione: avvia o ferma la scansione. Escludi canale disturbato: esclude per il momento dalla scansione il canale su cui la scansione si è fermata. VOX: attiva o disattiva il VOX. Potenza alta/bassa: cambia la potenza di trasmissione. Livello batteria: indica il livello della batteria. Emergenza: attiva l&apos;allarme di emergenza. Contatto automatico, Uomo solo, Isofrequenza, Inversione: attivano o disattivano la rispettiva funzione. Chiamata 1, Chiamata 2: inviano la chiamata del canale. Tipo canale: passa da analogico a digitale e viceversa. Tono 1750: invia il tono a 1750 Hz che apre molti ripetitori analogici. Chiamata di gruppo: chiama un gruppo. Scansione prioritaria: esegue la scansione con il canale prioritario. Disabilitazione, Riattivazione: inviano il comando remoto di disabilitazione o di riattivazione.</translation>
    </message>
    <message>
        <source>What the Call 1 key function sends on this channel: Off, Call (a call to the contact below) or Msg (a short message to it).</source>
        <translation>Che cosa invia la funzione tasto Chiamata 1 su questo canale: Disattivato, Chiamata (una chiamata al contatto qui sotto) o Msg (un messaggio breve al contatto).</translation>
    </message>
    <message>
        <source>What the Call 2 key function sends on this channel: Off, Call (a call to the contact below) or Msg (a short message to it).</source>
        <translation>Che cosa invia la funzione tasto Chiamata 2 su questo canale: Disattivato, Chiamata (una chiamata al contatto qui sotto) o Msg (un messaggio breve al contatto).</translation>
    </message>
    <message>
        <source>What the emergency alarm does: Off (no alarm), Only whistle (a siren at the radio only), Normal, Secret (no sound at the radio) or Send alarm id (the alarm id code is sent).</source>
        <translation>Che cosa fa l&apos;allarme di emergenza: Disattivato (nessun allarme), Solo sirena (una sirena solo sulla radio), Normale, Silenzioso (nessun suono sulla radio) o Invia ID allarme (viene inviato il codice ID allarme).</translation>
    </message>
    <message>
        <source>What the radio does when it receives a call to its Person ID: None, Remind (an alert at the radio), Reply (it answers automatically) or Remind and Reply.</source>
        <translation>Che cosa fa la radio quando riceve una chiamata al suo ID personale: Nessuno, Avviso (un avviso sulla radio), Risposta (risponde automaticamente) o Avviso e risposta.</translation>
    </message>
    <message>
        <source>When a channel with PTTID sends its identity: On line (the On-line code when PTT is pressed), Off line (the Off-line code when it is released) or Both.</source>
        <translation>Quando un canale con PTTID invia la sua identità: Inizio Tx (il Codice inizio Tx quando si preme il PTT), Fine Tx (il Codice fine Tx quando lo si rilascia) o Entrambi.</translation>
    </message>
    <message>
        <source>Whether the radio may be copied (cloned) to another radio over a cable: On allows it, Off refuses.</source>
        <translation>Se la radio può essere copiata (clonata) su un&apos;altra radio tramite cavo: Attivato lo consente, Disattivato lo rifiuta.</translation>
    </message>
    <message>
        <source>Whether the radio may copy its configuration to another radio over the air: On allows it, Off refuses.</source>
        <translation>Se la radio può copiare la sua configurazione su un&apos;altra radio via etere: Attivato lo consente, Disattivato lo rifiuta.</translation>
    </message>
    <message>
        <source>Wide</source>
        <translation>Larga</translation>
    </message>
    <message>
        <source>Wide noise close</source>
        <translation>Chiusura (banda larga)</translation>
    </message>
    <message>
        <source>Wide noise open</source>
        <translation>Apertura (banda larga)</translation>
    </message>
    <message>
        <source>Wired copy</source>
        <translation>Clonazione via cavo</translation>
    </message>
    <message>
        <source>Wireless copy</source>
        <translation>Clonazione via radio</translation>
    </message>
    <message>
        <source>With scan mode Time: how long scanning stays on a busy channel before it moves on, 0.5 to 10.0 seconds in steps of 0.5.</source>
        <translation>Con Modo scansione Tempo: per quanto tempo la scansione resta su un canale occupato prima di proseguire, da 0.5 a 10.0 secondi a passi di 0.5.</translation>
    </message>
    <message>
        <source>Work alone</source>
        <translation>Uomo solo</translation>
    </message>
    <message>
        <source>Work alone pre-remind (s)</source>
        <translation>Preavviso uomo solo (s)</translation>
    </message>
    <message>
        <source>Work alone time (min)</source>
        <translation>Tempo uomo solo (min)</translation>
    </message>
    <message>
        <source>all ch</source>
        <translation>tutti i canali</translation>
    </message>
    <message>
        <source>allow</source>
        <translation>consentito</translation>
    </message>
    <message>
        <source>allow: the radio shows a received DTMF code on its display; prohibit: it does not.</source>
        <translation>consentito: la radio mostra sul display un codice DTMF ricevuto; vietato: non lo mostra.</translation>
    </message>
    <message>
        <source>continue</source>
        <translation>continuo</translation>
    </message>
    <message>
        <source>dPMR param</source>
        <translation>Parametri dPMR</translation>
    </message>
    <message>
        <source>entry ch before scan</source>
        <translation>canale prima della scansione</translation>
    </message>
    <message>
        <source>last active ch</source>
        <translation>ultimo canale attivo</translation>
    </message>
    <message>
        <source>prohibit</source>
        <translation>vietato</translation>
    </message>
    <message>
        <source>tx inhibit</source>
        <translation>blocco Tx</translation>
    </message>
    <message>
        <source>tx pre-carrier time</source>
        <translation>Tempo preportante Tx</translation>
    </message>
    <message>
        <source>tx/rx inhibit</source>
        <translation>blocco Tx/Rx</translation>
    </message>
    <message>
        <source>unlimited</source>
        <translation>illimitato</translation>
    </message>
    <message>
        <source>两路调制信号增益调节</source>
        <translation>两路调制信号增益调节</translation>
    </message>
    <message>
        <source>可调节参数</source>
        <translation>可调节参数</translation>
    </message>
    <message>
        <source>右通道信号增益调节</source>
        <translation>右通道信号增益调节</translation>
    </message>
    <message>
        <source>右通道输出增益调节</source>
        <translation>右通道输出增益调节</translation>
    </message>
    <message>
        <source>左通道信号增益调节</source>
        <translation>左通道信号增益调节</translation>
    </message>
    <message>
        <source>左通道输出增益调节</source>
        <translation>左通道输出增益调节</translation>
    </message>
    <message>
        <source>接收话音输出增益调节</source>
        <translation>接收话音输出增益调节</translation>
    </message>
    <message>
        <source>接收输入增益调节 (db)</source>
        <translation>接收输入增益调节 (db)</translation>
    </message>
    <message>
        <source>数字</source>
        <translation>数字</translation>
    </message>
    <message>
        <source>模拟</source>
        <translation>模拟</translation>
    </message>
    <message>
        <source>解码输入增益调节</source>
        <translation>解码输入增益调节</translation>
    </message>
    <message>
        <source>限幅前信号增益</source>
        <translation>限幅前信号增益</translation>
    </message>
    <message>
        <source>限幅后信号增益</source>
        <translation>限幅后信号增益</translation>
    </message>
    <message>
        <source>Single call</source>
        <translation>Chiamata singola</translation>
    </message>
</context>
<context>
    <name>FleetJobReport</name>
    <message>
        <source>(not saved)</source>
        <translation>(non salvato)</translation>
    </message>
    <message>
        <source>Fleet job</source>
        <translation>Lavoro su più radio</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Data: %1</translation>
    </message>
    <message>
        <source>Template: %1</source>
        <translation>Modello: %1</translation>
    </message>
    <message>
        <source>Template CRC-32: %1</source>
        <translation>CRC-32 del modello: %1</translation>
    </message>
</context>
<context>
    <name>FlexGrid</name>
    <message>
        <source>%1, row %2</source>
        <translation>%1, riga %2</translation>
    </message>
</context>
<context>
    <name>ReportBox</name>
    <message>
        <source>
... and %1 more</source>
        <translation>
... e altri %1</translation>
    </message>
</context>
<context>
    <name>ServiceDialog</name>
    <message>
        <source>Reading the squelch calibration from the radio...</source>
        <translation>Lettura della taratura dello squelch dalla radio...</translation>
    </message>
    <message>
        <source>Writing the squelch calibration to the radio...</source>
        <translation>Scrittura della taratura dello squelch nella radio...</translation>
    </message>
    <message>
        <source>Reading the adjustment values from the radio...</source>
        <translation>Lettura dei valori di regolazione dalla radio...</translation>
    </message>
    <message>
        <source>Writing the adjustment values to the radio...</source>
        <translation>Scrittura dei valori di regolazione nella radio...</translation>
    </message>
    <message>
        <source>Read the adjustment values from the radio</source>
        <translation>Legge i valori di regolazione dalla radio</translation>
    </message>
    <message>
        <source>Write the adjustment values to the radio</source>
        <translation>Scrive i valori di regolazione nella radio</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>&amp;Leggi</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>&amp;Scrivi</translation>
    </message>
</context>
<context>
    <name>ServiceTransfer</name>
    <message>
        <source>&amp;Check the connection</source>
        <translation>&amp;Verifica la connessione</translation>
    </message>
</context>
<context>
    <name>backup</name>
    <message>
        <source>No backup of the read was kept: %1</source>
        <translation>Non è stato conservato alcun backup della lettura: %1</translation>
    </message>
    <message>
        <source>No backup of the write was kept: %1</source>
        <translation>Non è stato conservato alcun backup della scrittura: %1</translation>
    </message>
    <message>
        <source>No backup of the write-failed was kept: %1</source>
        <translation>Non è stato conservato alcun backup della scrittura non riuscita: %1</translation>
    </message>
    <message>
        <source>cannot make the folder &quot;%1&quot;: %2.</source>
        <translation>impossibile creare la cartella «%1»: %2.</translation>
    </message>
    <message>
        <source>cannot use the folder &quot;%1&quot;: %2.</source>
        <translation>impossibile usare la cartella «%1»: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder.</source>
        <translation>«%1» non è una cartella.</translation>
    </message>
    <message>
        <source>there is no home folder to keep it in.</source>
        <translation>non c&apos;è una cartella home in cui conservarlo.</translation>
    </message>
    <message>
        <source>cannot write &quot;%1&quot;: %2.</source>
        <translation>impossibile scrivere «%1»: %2.</translation>
    </message>
    <message>
        <source>too many backups made within the same second.</source>
        <translation>troppi backup creati nello stesso secondo.</translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; could not be marked as a failed write: %2</source>
        <translation>Non è stato possibile contrassegnare il backup «%1» come scrittura non riuscita: %2</translation>
    </message>
    <message>
        <source>it is no write backup.</source>
        <translation>non è un backup di scrittura.</translation>
    </message>
    <message>
        <source>Cannot read the backup folder &quot;%1&quot;: %2.</source>
        <translation>Impossibile leggere la cartella dei backup «%1»: %2.</translation>
    </message>
</context>
<context>
    <name>channels</name>
    <message>
        <source>the channel&apos;s receive-only bit is always written as 0</source>
        <translation>il bit di sola ricezione del canale viene sempre scritto come 0</translation>
    </message>
    <message>
        <source>&quot;Signal type&quot; is &quot;Off&quot;</source>
        <translation>«Tipo segnalazione» è «Disattivato»</translation>
    </message>
    <message>
        <source>the call&apos;s &quot;Type&quot; is &quot;Off&quot;</source>
        <translation>il «Tipo» della chiamata è «Disattivato»</translation>
    </message>
    <message>
        <source>Rx and Tx freq are equal</source>
        <translation>Freq. Rx e Tx sono uguali</translation>
    </message>
    <message>
        <source>the channel is empty: give it an Rx freq first</source>
        <translation>il canale è vuoto: assegnargli prima una Freq. Rx</translation>
    </message>
    <message>
        <source>%1 needs %2-%3 MHz; this file&apos;s band is %4-%5 MHz</source>
        <translation>%1 richiede %2-%3 MHz; la banda di questo file è %4-%5 MHz</translation>
    </message>
    <message>
        <source>%1 channel %2 (%3 MHz) is not on the file&apos;s channel raster: it would be stored as %4 MHz</source>
        <translation>il canale %2 di %1 (%3 MHz) non rientra nel passo di canalizzazione del file: verrebbe memorizzato come %4 MHz</translation>
    </message>
    <message>
        <source>%1 has channels 1 to %2; there is no channel %3</source>
        <translation>%1 ha i canali da 1 a %2; il canale %3 non esiste</translation>
    </message>
    <message>
        <source>the table has channels 1 to 16; there is no channel %1</source>
        <translation>la tabella ha i canali da 1 a 16; il canale %1 non esiste</translation>
    </message>
    <message>
        <source>%1 channels are digital: CTCSS tones do not apply to them</source>
        <translation>I canali %1 sono digitali: i toni CTCSS non si applicano</translation>
    </message>
    <message>
        <source>%1 is no CTCSS tone of the list (63.0 to 254.1, as &quot;67.0&quot;)</source>
        <translation>%1 non è un tono CTCSS dell&apos;elenco (da 63.0 a 254.1, come «67.0»)</translation>
    </message>
    <message>
        <source>one tone per channel from %1 Hz needs %2 tones; the list has %3 from there (start at %4 Hz or lower)</source>
        <translation>un tono per canale da %1 Hz richiede %2 toni; l&apos;elenco ne ha %3 da lì in poi (iniziare da %4 Hz o meno)</translation>
    </message>
    <message>
        <source>channel %1: %2</source>
        <translation>canale %1: %2</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>da %1 a %2</translation>
    </message>
    <message>
        <source>%1: %2 (%3 MHz), Narrow, %4</source>
        <translation>%1: %2 (%3 MHz), Stretta, %4</translation>
    </message>
    <message>
        <source>%1, no tones</source>
        <translation>%1, nessun tono</translation>
    </message>
    <message>
        <source>%1, tone %2 Hz</source>
        <translation>%1, tono %2 Hz</translation>
    </message>
    <message>
        <source>%1, tones %2 to %3 Hz</source>
        <translation>%1, toni da %2 a %3 Hz</translation>
    </message>
    <message>
        <source>%1 left unchanged: %2 ends at channel %3</source>
        <translation>%1: nessuna modifica, %2 termina al canale %3</translation>
    </message>
    <message>
        <source>Channel %1</source>
        <translation>Canale %1</translation>
    </message>
    <message>
        <source>Channels %1</source>
        <translation>Canali %1</translation>
    </message>
    <message>
        <source>channel %1</source>
        <translation>il canale %1</translation>
    </message>
    <message>
        <source>channels %1</source>
        <translation>i canali %1</translation>
    </message>
    <message>
        <source>Not find factory.dat
%1</source>
        <translation>factory.dat non trovato
%1</translation>
    </message>
    <message>
        <source>%1 is outside %2-%3 MHz: set to %4</source>
        <translation>%1 è fuori da %2-%3 MHz: impostato a %4</translation>
    </message>
    <message>
        <source>%1 is not on the channel raster: set to %2</source>
        <translation>%1 non rientra nel passo di canalizzazione: impostato a %2</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 is not %2: left as it was</source>
        <translation>%1 non è %2: lasciato com&apos;era</translation>
    </message>
    <message>
        <source>no channel: left empty</source>
        <translation>nessun canale: lasciato vuoto</translation>
    </message>
    <message>
        <source>Select two or more channels first (their row numbers, or Shift with the arrows)</source>
        <translation>Selezionare prima almeno due canali (i loro numeri di riga, oppure Shift con le frecce)</translation>
    </message>
    <message>
        <source>%1 is set one channel at a time: choose a cell of Rx Tone to Channel type</source>
        <translation>%1 si imposta un canale alla volta: scegliere una cella delle colonne da Tono Rx a Tipo canale</translation>
    </message>
    <message>
        <source>%1 holds no channel: nothing to apply</source>
        <translation>%1 è vuoto: niente da applicare</translation>
    </message>
    <message>
        <source>no channel</source>
        <translation>nessun canale</translation>
    </message>
    <message>
        <source>greyed out</source>
        <translation>disabilitato</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not offered</source>
        <translation>«%1» non è disponibile</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; given to %3 as well</source>
        <translation>%1 «%2» vale anche per %3</translation>
    </message>
    <message>
        <source>%1 keeps its %2: %3</source>
        <translation>%1 mantiene il valore di %2: %3</translation>
    </message>
</context>
<context>
    <name>check</name>
    <message>
        <source>Channel %1: %2</source>
        <translation>Canale %1: %2</translation>
    </message>
    <message>
        <source>contact %1 does not exist (contacts are 1-64)</source>
        <translation>il contatto %1 non esiste (i contatti sono 1-64)</translation>
    </message>
    <message>
        <source>contact %1 is a free contact slot</source>
        <translation>il contatto %1 è una posizione di contatto libera</translation>
    </message>
    <message>
        <source>The dPMR radio name is empty</source>
        <translation>Il nome radio dPMR è vuoto</translation>
    </message>
    <message>
        <source>Tx Freq is empty while Rx Freq is set</source>
        <translation>Freq. Tx è vuota mentre Freq. Rx è impostata</translation>
    </message>
    <message>
        <source>Rx %1 MHz is outside the band %2</source>
        <translation>Rx %1 MHz è fuori dalla banda %2</translation>
    </message>
    <message>
        <source>Tx %1 MHz is outside the band %2</source>
        <translation>Tx %1 MHz è fuori dalla banda %2</translation>
    </message>
    <message>
        <source>Rx tone %1 is not a standard DCS code</source>
        <translation>il tono Rx %1 non è un codice DCS standard</translation>
    </message>
    <message>
        <source>Tx tone %1 is not a standard DCS code</source>
        <translation>il tono Tx %1 non è un codice DCS standard</translation>
    </message>
    <message>
        <source>Tx %1</source>
        <translation>Tx: %1</translation>
    </message>
    <message>
        <source>group rx list %1 does not exist (lists are 1-16)</source>
        <translation>la lista gruppi Rx %1 non esiste (le liste sono 1-16)</translation>
    </message>
    <message>
        <source>group rx list %1 has no member</source>
        <translation>la lista gruppi Rx %1 non ha membri</translation>
    </message>
    <message>
        <source>%1 selects DTMF code %2, which does not exist (codes are 1-16)</source>
        <translation>%1 seleziona il codice DTMF %2, che non esiste (i codici sono 1-16)</translation>
    </message>
    <message>
        <source>%1 selects DTMF code %2, which is empty</source>
        <translation>%1 seleziona il codice DTMF %2, che è vuoto</translation>
    </message>
    <message>
        <source>Group rx list %1: %2</source>
        <translation>Lista gruppi Rx %1: %2</translation>
    </message>
    <message>
        <source>Group rx list %1: contact %2 is a single call, not a group</source>
        <translation>Lista gruppi Rx %1: il contatto %2 è una chiamata singola, non un gruppo</translation>
    </message>
    <message>
        <source>Group rx list %1: contact %2 (%3) is a single call, not a group</source>
        <translation>Lista gruppi Rx %1: il contatto %2 (%3) è una chiamata singola, non un gruppo</translation>
    </message>
    <message>
        <source>error: %1</source>
        <translation>errore: %1</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>avviso: %1</translation>
    </message>
</context>
<context>
    <name>codec</name>
    <message>
        <source>%1 is not a DCS code (DCS codes use the digits 0 to 7): left as it was</source>
        <translation>%1 non è un codice DCS (i codici DCS usano le cifre da 0 a 7): lasciato com&apos;era</translation>
    </message>
    <message>
        <source>%1 is not a DCS code (DCS codes use the digits 0 to 7); type %2 for %2 Hz: left as it was</source>
        <translation>%1 non è un codice DCS (i codici DCS usano le cifre da 0 a 7); digitare %2 per %2 Hz: lasciato com&apos;era</translation>
    </message>
    <message>
        <source>%1 was taken as DCS %2</source>
        <translation>%1 è stato preso come DCS %2</translation>
    </message>
    <message>
        <source>%1 was taken as DCS %2; type %3 for %3 Hz</source>
        <translation>%1 è stato preso come DCS %2; digitare %3 per %3 Hz</translation>
    </message>
    <message>
        <source>%1 is not a tone: set to None</source>
        <translation>%1 non è un tono: impostato a Nessuno</translation>
    </message>
</context>
<context>
    <name>config</name>
    <message>
        <source>The port is kept in %1.</source>
        <translation>La porta viene salvata in %1.</translation>
    </message>
    <message>
        <source>The port is kept in %1, because %2 cannot be written.</source>
        <translation>La porta viene salvata in %1, perché non è possibile scrivere %2.</translation>
    </message>
</context>
<context>
    <name>dialogs</name>
    <message>
        <source>channel range %1 is not channelA-B with 1 &lt;= A &lt;= B &lt;= 16</source>
        <translation>l&apos;intervallo di canali %1 non è nella forma channelA-B con 1 &lt;= A &lt;= B &lt;= 16</translation>
    </message>
    <message>
        <source>%1 is not an entry of %2 (%3)</source>
        <translation>%1 non è una voce di %2 (%3)</translation>
    </message>
    <message>
        <source>%1 (%2) takes 0 or 1</source>
        <translation>%1 (%2) accetta 0 o 1</translation>
    </message>
    <message>
        <source>unknown key %1 (see dpmrtool fields)</source>
        <translation>chiave sconosciuta %1 (vedere dpmrtool fields)</translation>
    </message>
    <message>
        <source>%1 is a factory value of the radio (service dialog %2); add --service to change it</source>
        <translation>%1 è un valore di fabbrica della radio (finestra di servizio %2); aggiungere --service per modificarlo</translation>
    </message>
    <message>
        <source>%1 is not shown by %2 for this image (see dpmrtool fields FILE.dat)</source>
        <translation>%1 non è mostrato da %2 per questa immagine (vedere dpmrtool fields FILE.dat)</translation>
    </message>
    <message>
        <source>%1 (%2) is greyed out in %3</source>
        <translation>%1 (%2) è disabilitato in %3</translation>
    </message>
    <message>
        <source>%1 (%2) is greyed out in %3: %4</source>
        <translation>%1 (%2) è disabilitato in %3: %4</translation>
    </message>
    <message>
        <source>%1 (%2) has no spin</source>
        <translation>%1 (%2) non ha frecce di incremento</translation>
    </message>
</context>
<context>
    <name>dpmr</name>
    <message>
        <source>the name is empty</source>
        <translation>il nome è vuoto</translation>
    </message>
    <message>
        <source>the name %1 is longer than 8 bytes</source>
        <translation>il nome %1 supera gli 8 byte</translation>
    </message>
    <message>
        <source>the name %1 holds a control character</source>
        <translation>il nome %1 contiene un carattere di controllo</translation>
    </message>
    <message>
        <source>the number is empty</source>
        <translation>il numero è vuoto</translation>
    </message>
    <message>
        <source>the number %1 is longer than 7 characters</source>
        <translation>il numero %1 supera i 7 caratteri</translation>
    </message>
    <message>
        <source>the number %1 may hold only the digits 0 to 9 and &quot;*&quot;</source>
        <translation>il numero %1 può contenere solo le cifre da 0 a 9 e «*»</translation>
    </message>
    <message>
        <source>more than 8 members</source>
        <translation>più di 8 membri</translation>
    </message>
    <message>
        <source>no contact is named %1</source>
        <translation>nessun contatto si chiama %1</translation>
    </message>
    <message>
        <source>more than one contact is named %1</source>
        <translation>più di un contatto si chiama %1</translation>
    </message>
    <message>
        <source>%1 is a single call; the lists take group calls</source>
        <translation>%1 è una chiamata singola; le liste accettano chiamate di gruppo</translation>
    </message>
    <message>
        <source>%1 is named twice</source>
        <translation>%1 è indicato due volte</translation>
    </message>
    <message>
        <source>more than 64 contacts</source>
        <translation>più di 64 contatti</translation>
    </message>
    <message>
        <source>expected 3 fields (Name,Number,Type), found %1</source>
        <translation>attesi 3 campi (Name,Number,Type), trovati %1</translation>
    </message>
    <message>
        <source>the type %1 is neither %2 nor %3</source>
        <translation>il tipo %1 non è né %2 né %3</translation>
    </message>
    <message>
        <source>the name %1 is already on line %2</source>
        <translation>il nome %1 è già alla riga %2</translation>
    </message>
    <message>
        <source>the number %1 is already on line %2</source>
        <translation>il numero %1 è già alla riga %2</translation>
    </message>
    <message>
        <source>no contact follows; the radio needs one</source>
        <translation>non segue alcun contatto; la radio ne richiede almeno uno</translation>
    </message>
    <message>
        <source>no free contact record is left for this contact</source>
        <translation>non resta alcun record di contatto libero per questo contatto</translation>
    </message>
    <message>
        <source>%1 is already %2&apos;s</source>
        <translation>%1 appartiene già a %2</translation>
    </message>
    <message>
        <source>the list %1 is no number from 1 to 16</source>
        <translation>la lista %1 non è un numero da 1 a 16</translation>
    </message>
    <message>
        <source>list %1 is already on line %2</source>
        <translation>la lista %1 è già alla riga %2</translation>
    </message>
</context>
<context>
    <name>fleet</name>
    <message>
        <source>radio %1 (%2) looks like the radio just written as %3 (&quot;%4&quot;, %5): is the next radio on the cable?</source>
        <translation>la radio %1 (%2) sembra la radio appena scritta il %3 («%4», %5): la radio successiva è collegata al cavo?</translation>
    </message>
    <message>
        <source>radio %1 (%2) is to get the ID %3, which the backups show on another radio: &quot;%4&quot; (backup of %5)</source>
        <translation>la radio %1 (%2) deve ricevere l&apos;ID %3, che i backup mostrano su un&apos;altra radio: «%4» (backup del %5)</translation>
    </message>
    <message>
        <source>a row of the list holds a name, a dPMR ID and, optionally, a port, but this one has 1 column</source>
        <translation>una riga dell&apos;elenco contiene un nome, un ID dPMR e, facoltativamente, una porta, ma questa ha 1 colonna</translation>
    </message>
    <message>
        <source>a row of the list holds a name, a dPMR ID and, optionally, a port, but this one has %1 columns</source>
        <translation>una riga dell&apos;elenco contiene un nome, un ID dPMR e, facoltativamente, una porta, ma questa ha %1 colonne</translation>
    </message>
    <message>
        <source>the list holds no radio</source>
        <translation>l&apos;elenco non contiene alcuna radio</translation>
    </message>
    <message>
        <source>the port %1 is also %2&apos;s</source>
        <translation>la porta %1 è anche di %2</translation>
    </message>
    <message>
        <source>the port %1 is given twice</source>
        <translation>la porta %1 è indicata due volte</translation>
    </message>
    <message>
        <source>no port is left for this row: name its port in the list or connect one more radio</source>
        <translation>non resta alcuna porta per questa riga: indicarne la porta nell&apos;elenco o collegare un&apos;altra radio</translation>
    </message>
    <message>
        <source>the row has no dPMR ID</source>
        <translation>la riga non ha un ID dPMR</translation>
    </message>
    <message>
        <source>the dPMR ID %1 is not a number of up to 7 digits</source>
        <translation>l&apos;ID dPMR %1 non è un numero di massimo 7 cifre</translation>
    </message>
    <message>
        <source>the radio would replace the dPMR ID %1 (it takes 0000001 to 9000000, not 1000000, 2000000, ... 9000000)</source>
        <translation>la radio sostituirebbe l&apos;ID dPMR %1 (accetta da 0000001 a 9000000, esclusi 1000000, 2000000, ... 9000000)</translation>
    </message>
    <message>
        <source>the dPMR ID %1 is given twice: also %2</source>
        <translation>l&apos;ID dPMR %1 è indicato due volte: anche %2</translation>
    </message>
    <message>
        <source>the name %1 holds a character the radio cannot show (only plain ASCII letters, digits and signs)</source>
        <translation>il nome %1 contiene un carattere che la radio non può mostrare (solo lettere, cifre e segni ASCII semplici)</translation>
    </message>
    <message>
        <source>the name &quot;%1&quot; is cut to the radio&apos;s 8 characters: &quot;%2&quot;</source>
        <translation>il nome «%1» viene troncato agli 8 caratteri della radio: «%2»</translation>
    </message>
    <message>
        <source>cut to 8 characters, the name is &quot;%1&quot;, the same as %2&apos;s</source>
        <translation>troncato a 8 caratteri, il nome è «%1», lo stesso di %2</translation>
    </message>
    <message>
        <source>the name &quot;%1&quot; is also %2&apos;s</source>
        <translation>il nome «%1» è anche di %2</translation>
    </message>
    <message>
        <source>the port %1 has no row of the list and is not written</source>
        <translation>la porta %1 non ha una riga dell&apos;elenco e non viene scritta</translation>
    </message>
    <message>
        <source>the name pattern &apos;%1&apos; holds a character the radio cannot show (only plain ASCII letters, digits and signs)</source>
        <translation>lo schema nome &apos;%1&apos; contiene un carattere che la radio non può mostrare (solo lettere, cifre e segni ASCII semplici)</translation>
    </message>
    <message>
        <source>the name pattern &apos;%1&apos; has a lone &apos;}&apos;</source>
        <translation>lo schema nome &apos;%1&apos; ha una &apos;}&apos; isolata</translation>
    </message>
    <message>
        <source>the name pattern &apos;%1&apos; has a &apos;{&apos; without &apos;}&apos;</source>
        <translation>lo schema nome &apos;%1&apos; ha una &apos;{&apos; senza &apos;}&apos;</translation>
    </message>
    <message>
        <source>{%1} in the name pattern: the ID has 1 to 7 digits to keep</source>
        <translation>{%1} nello schema nome: le cifre dell&apos;ID da mantenere sono da 1 a 7</translation>
    </message>
    <message>
        <source>{%1} in the name pattern is not known: use {n}, {id} or {id:4}</source>
        <translation>{%1} nello schema nome non è riconosciuto: usare {n}, {id} o {id:4}</translation>
    </message>
    <message>
        <source>radio %1: the name &quot;%2&quot; is cut to the radio&apos;s 8 characters: &quot;%3&quot;</source>
        <translation>radio %1: il nome «%2» viene troncato agli 8 caratteri della radio: «%3»</translation>
    </message>
    <message>
        <source>no port given: name at least one radio&apos;s port</source>
        <translation>nessuna porta indicata: indicare la porta di almeno una radio</translation>
    </message>
    <message>
        <source>an empty port name was given</source>
        <translation>è stato indicato un nome di porta vuoto</translation>
    </message>
    <message>
        <source>an ID start value and keeping each radio&apos;s identity exclude each other</source>
        <translation>un valore iniziale dell&apos;ID e il mantenimento dell&apos;identità di ogni radio si escludono a vicenda</translation>
    </message>
    <message>
        <source>the first radio ID must have at most 7 digits (1 to 9999999)</source>
        <translation>l&apos;ID della prima radio deve avere al massimo 7 cifre (da 1 a 9999999)</translation>
    </message>
    <message>
        <source>the ID step must have at most 7 digits</source>
        <translation>il passo ID deve avere al massimo 7 cifre</translation>
    </message>
    <message>
        <source>every radio needs an ID of its own, but all %1 would get the document&apos;s ID %2: give a first ID and a step, or keep each radio&apos;s identity</source>
        <translation>ogni radio richiede un proprio ID, ma tutte le %1 riceverebbero l&apos;ID %2 del documento: indicare un primo ID e un passo, oppure mantenere l&apos;identità di ogni radio</translation>
    </message>
    <message>
        <source>radio %1 (%2) would get the ID %3, which has no 7-digit form</source>
        <translation>la radio %1 (%2) riceverebbe l&apos;ID %3, che non ha una forma a 7 cifre</translation>
    </message>
    <message>
        <source>radio %1 (%2) would get the ID %3, which the radio does not take (0000001 to 9000000, not 1000000, 2000000, ... 9000000): choose another start or step</source>
        <translation>la radio %1 (%2) riceverebbe l&apos;ID %3, che la radio non accetta (da 0000001 a 9000000, esclusi 1000000, 2000000, ... 9000000): scegliere un altro inizio o un altro passo</translation>
    </message>
    <message>
        <source>radios %1 and %2 would both be named &quot;%3&quot; once cut to the radio&apos;s 8 characters: shorten the pattern or put the ID&apos;s digits first</source>
        <translation>le radio %1 e %2 si chiamerebbero entrambe «%3» una volta troncate agli 8 caratteri della radio: accorciare lo schema o mettere prima le cifre dell&apos;ID</translation>
    </message>
    <message>
        <source>every radio needs an ID of its own, but the step repeats %1</source>
        <translation>ogni radio richiede un proprio ID, ma il passo ripete %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>ID %1 on %2</source>
        <translation>ID %1 su %2</translation>
    </message>
    <message>
        <source>wire trace: %1</source>
        <translation>traccia della comunicazione: %1</translation>
    </message>
    <message>
        <source>stopped before its configuration was sent</source>
        <translation>fermata prima dell&apos;invio della sua configurazione</translation>
    </message>
    <message>
        <source>no read backup kept: there is no folder for backups</source>
        <translation>nessun backup della lettura conservato: non c&apos;è una cartella per i backup</translation>
    </message>
    <message>
        <source>no write backup kept: there is no folder for backups</source>
        <translation>nessun backup della scrittura conservato: non c&apos;è una cartella per i backup</translation>
    </message>
    <message>
        <source>stopped while reading the radio; nothing was sent</source>
        <translation>fermata durante la lettura della radio; non è stato inviato nulla</translation>
    </message>
    <message>
        <source>two radios hold the same ID, so none was written: %1</source>
        <translation>due radio hanno lo stesso ID, quindi nessuna è stata scritta: %1</translation>
    </message>
    <message>
        <source>its squelch calibration could not be read, so nothing was sent: %1</source>
        <translation>non è stato possibile leggere la sua taratura dello squelch, quindi non è stato inviato nulla: %1</translation>
    </message>
    <message>
        <source>not written, after the warning: %1</source>
        <translation>non scritta, dopo l&apos;avviso: %1</translation>
    </message>
    <message>
        <source>its configuration has errors and was not sent: %1</source>
        <translation>la sua configurazione contiene errori e non è stata inviata: %1</translation>
    </message>
    <message>
        <source>written despite errors: %1</source>
        <translation>scritta nonostante gli errori: %1</translation>
    </message>
    <message>
        <source>row</source>
        <translation>riga</translation>
    </message>
    <message>
        <source>radio %1</source>
        <translation>radio %1</translation>
    </message>
    <message>
        <source>line</source>
        <translation>riga</translation>
    </message>
    <message>
        <source>not run</source>
        <translation>non eseguita</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>verificata</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>fermata</translation>
    </message>
    <message>
        <source>broke off</source>
        <translation>interrotta</translation>
    </message>
    <message>
        <source>differs</source>
        <translation>differisce</translation>
    </message>
    <message>
        <source>not asked</source>
        <translation>non richiesta</translation>
    </message>
</context>
<context>
    <name>form</name>
    <message>
        <source>printable ASCII characters only</source>
        <translation>solo caratteri ASCII stampabili</translation>
    </message>
    <message>
        <source>digits only</source>
        <translation>solo cifre</translation>
    </message>
    <message>
        <source>digits and a point only</source>
        <translation>solo cifre e un punto</translation>
    </message>
    <message>
        <source>0-9, A-D, * and # only</source>
        <translation>solo 0-9, A-D, * e #</translation>
    </message>
    <message>
        <source>hexadecimal digits only</source>
        <translation>solo cifre esadecimali</translation>
    </message>
    <message>
        <source>%1 to %2 in steps of %3</source>
        <translation>da %1 a %2 a passi di %3</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>da %1 a %2</translation>
    </message>
    <message>
        <source>no entry of the list</source>
        <translation>non è una voce dell&apos;elenco</translation>
    </message>
    <message>
        <source>band edges and the channel raster</source>
        <translation>limiti della banda e passo di canalizzazione</translation>
    </message>
    <message>
        <source>a CTCSS tone 60.0 to 280.0 Hz or a DCS code</source>
        <translation>un tono CTCSS da 60.0 a 280.0 Hz o un codice DCS</translation>
    </message>
    <message>
        <source>0 or 1</source>
        <translation>0 o 1</translation>
    </message>
    <message>
        <source>at most %1 digits</source>
        <translation>al massimo %1 cifre</translation>
    </message>
    <message>
        <source>at most %1 characters</source>
        <translation>al massimo %1 caratteri</translation>
    </message>
    <message>
        <source>7 digits up to 9000000, not one digit and six 0s</source>
        <translation>7 cifre fino a 9000000, non una cifra seguita da sei 0</translation>
    </message>
    <message>
        <source>as the radio keeps it</source>
        <translation>come lo conserva la radio</translation>
    </message>
    <message>
        <source>%1: %2 stored as %3 (%4)</source>
        <translation>%1: %2 memorizzato come %3 (%4)</translation>
    </message>
</context>
<context>
    <name>image</name>
    <message>
        <source>&quot;%1&quot; is not a radio file: it holds %2 bytes; a radio file holds %3.</source>
        <translation>«%1» non è un file della radio: contiene %2 byte; un file della radio ne contiene %3.</translation>
    </message>
    <message>
        <source>%1 holds %2 bytes, more than a radio image: only its first %3 bytes are loaded, and the rest is not kept.</source>
        <translation>%1 contiene %2 byte, più di un&apos;immagine della radio: vengono caricati solo i primi %3 byte e il resto non viene conservato.</translation>
    </message>
    <message>
        <source>Unexpected file format.
&quot;%1&quot; holds %2 bytes; a radio file holds %3.</source>
        <translation>Formato di file inatteso.
«%1» contiene %2 byte; un file della radio ne contiene %3.</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Senza titolo</translation>
    </message>
</context>
<context>
    <name>interchange</name>
    <message>
        <source>%1 row did not fit below channel 16: left out</source>
        <translation>%1 riga non rientrava sotto il canale 16: tralasciata</translation>
    </message>
    <message>
        <source>%1 rows did not fit below channel 16: left out</source>
        <translation>%1 righe non rientravano sotto il canale 16: tralasciate</translation>
    </message>
    <message>
        <source>channel %1, %2: %3</source>
        <translation>canale %1, %2: %3</translation>
    </message>
    <message>
        <source>line %1: %2: row left out</source>
        <translation>riga %1: %2: riga tralasciata</translation>
    </message>
    <message>
        <source>%1 is no frequency</source>
        <translation>%1 non è una frequenza</translation>
    </message>
    <message>
        <source>no Rx Freq</source>
        <translation>nessuna Freq. Rx</translation>
    </message>
    <message>
        <source>%1 is no frequency: left as it was</source>
        <translation>%1 non è una frequenza: lasciato com&apos;era</translation>
    </message>
    <message>
        <source>the clipboard text is no table of channels: %1</source>
        <translation>il testo negli appunti non è una tabella di canali: %1</translation>
    </message>
    <message>
        <source>the clipboard holds no channel rows</source>
        <translation>gli appunti non contengono righe di canali</translation>
    </message>
    <message>
        <source>%1 %2 is not a frequency in MHz</source>
        <translation>%1 %2 non è una frequenza in MHz</translation>
    </message>
    <message>
        <source>Duplex %1 is not empty, +, -, split or off</source>
        <translation>Duplex %1 non è vuoto, +, -, split o off</translation>
    </message>
    <message>
        <source>Offset %1 is not a number of MHz</source>
        <translation>Offset %1 non è un numero di MHz</translation>
    </message>
    <message>
        <source>Offset %1 is 10000 MHz or more, no frequency to transmit on</source>
        <translation>Offset %1 è di 10000 MHz o più, nessuna frequenza su cui trasmettere</translation>
    </message>
    <message>
        <source>Frequency %1 Offset gives %2 MHz, no frequency to transmit on</source>
        <translation>Frequency %1 Offset dà %2 MHz, nessuna frequenza su cui trasmettere</translation>
    </message>
    <message>
        <source>Power %1 is not understood: set to %2</source>
        <translation>Power %1 non è riconosciuto: impostato a %2</translation>
    </message>
    <message>
        <source>Skip %1 is not empty, S or P</source>
        <translation>Skip %1 non è vuoto, S o P</translation>
    </message>
    <message>
        <source>the first line must name the columns, Location and Frequency among them, as CHIRP writes it</source>
        <translation>la prima riga deve indicare i nomi delle colonne, tra cui Location e Frequency, come la scrive CHIRP</translation>
    </message>
    <message>
        <source>%1: left out</source>
        <translation>%1: tralasciato</translation>
    </message>
    <message>
        <source>Location %1 is no channel of this radio (1-16)</source>
        <translation>Location %1 non è un canale di questa radio (1-16)</translation>
    </message>
    <message>
        <source>channel %1 is set on line %2</source>
        <translation>il canale %1 è impostato alla riga %2</translation>
    </message>
    <message>
        <source>channel %1: Mode %2 is not available (FM and NFM only)</source>
        <translation>canale %1: Mode %2 non è disponibile (solo FM e NFM)</translation>
    </message>
    <message>
        <source>channel %1 has no frequency</source>
        <translation>il canale %1 non ha una frequenza</translation>
    </message>
    <message>
        <source>channel %1: %2</source>
        <translation>canale %1: %2</translation>
    </message>
    <message>
        <source>names are not kept: the radio has no channel names</source>
        <translation>i nomi non vengono conservati: la radio non ha nomi dei canali</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>riga %1: %2</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 è vuoto</translation>
    </message>
    <message>
        <source>DtcsPolarity %1 is not NN, NR, RN or RR</source>
        <translation>DtcsPolarity %1 non è NN, NR, RN o RR</translation>
    </message>
    <message>
        <source>tone mode %1 (reverse squelch) is not available: no tones</source>
        <translation>il modo tono %1 (squelch inverso) non è disponibile: nessun tono</translation>
    </message>
    <message>
        <source>Tone %1 is not empty, Tone, TSQL, DTCS, TSQL-R, DTCS-R or Cross</source>
        <translation>Tone %1 non è vuoto, Tone, TSQL, DTCS, TSQL-R, DTCS-R o Cross</translation>
    </message>
    <message>
        <source>CrossMode %1 is not one of Tone-&gt;Tone, Tone-&gt;DTCS, DTCS-&gt;Tone, -&gt;Tone, -&gt;DTCS, DTCS-&gt;, DTCS-&gt;DTCS, Tone-&gt;</source>
        <translation>CrossMode %1 non è uno tra Tone-&gt;Tone, Tone-&gt;DTCS, DTCS-&gt;Tone, -&gt;Tone, -&gt;DTCS, DTCS-&gt;, DTCS-&gt;DTCS, Tone-&gt;</translation>
    </message>
    <message>
        <source>more than %1 contacts</source>
        <translation>più di %1 contatti</translation>
    </message>
    <message>
        <source>the name %1 is already on line %2</source>
        <translation>il nome %1 è già alla riga %2</translation>
    </message>
    <message>
        <source>the name %1 is there twice</source>
        <translation>il nome %1 è presente due volte</translation>
    </message>
    <message>
        <source>the number %1 is already on line %2</source>
        <translation>il numero %1 è già alla riga %2</translation>
    </message>
    <message>
        <source>the number %1 is there twice</source>
        <translation>il numero %1 è presente due volte</translation>
    </message>
    <message>
        <source>contact %1: slot %2 is not a free slot 1 to 64</source>
        <translation>contatto %1: la posizione %2 non è una posizione libera da 1 a 64</translation>
    </message>
    <message>
        <source>channel %1: %2 is not an entry of &quot;%3&quot;</source>
        <translation>canale %1: %2 non è una voce di «%3»</translation>
    </message>
    <message>
        <source>channel %1 %2: %3</source>
        <translation>canale %1 %2: %3</translation>
    </message>
    <message>
        <source>%1 (%2) is greyed out in the dialog</source>
        <translation>%1 (%2) è disabilitato nella finestra</translation>
    </message>
    <message>
        <source>%1 (%2) is greyed out in the dialog: %3</source>
        <translation>%1 (%2) è disabilitato nella finestra: %3</translation>
    </message>
    <message>
        <source>line %1, column %2: %3</source>
        <translation>riga %1, colonna %2: %3</translation>
    </message>
    <message>
        <source>the byte at %1 is not one no field owns</source>
        <translation>il byte a %1 appartiene a un campo</translation>
    </message>
    <message>
        <source>group rx list %1: %2</source>
        <translation>lista gruppi Rx %1: %2</translation>
    </message>
    <message>
        <source>the byte at %1 is not a byte of the contacts</source>
        <translation>il byte a %1 non è un byte dei contatti</translation>
    </message>
    <message>
        <source>the control character %1 is not allowed in a YAML file</source>
        <translation>il carattere di controllo %1 non è ammesso in un file YAML</translation>
    </message>
    <message>
        <source>a backslash before %1 starts no YAML escape sequence (a backslash itself is written \\)</source>
        <translation>una barra rovesciata prima di %1 non inizia alcuna sequenza di escape YAML (la barra rovesciata stessa si scrive \\)</translation>
    </message>
    <message>
        <source>YAML syntax: %1</source>
        <translation>Sintassi YAML: %1</translation>
    </message>
    <message>
        <source>%1: expected a text, not a list or mapping</source>
        <translation>%1: atteso un testo, non una lista o una mappa</translation>
    </message>
    <message>
        <source>%1: expected a number from %2 to %3</source>
        <translation>%1: atteso un numero da %2 a %3</translation>
    </message>
    <message>
        <source>%1: expected %2 bytes as hexadecimal digits</source>
        <translation>%1: attesi %2 byte come cifre esadecimali</translation>
    </message>
    <message>
        <source>%1: expected bytes as hexadecimal digits</source>
        <translation>%1: attesi byte come cifre esadecimali</translation>
    </message>
    <message>
        <source>%1: expected a mapping</source>
        <translation>%1: attesa una mappa</translation>
    </message>
    <message>
        <source>%1: expected a list</source>
        <translation>%1: attesa una lista</translation>
    </message>
    <message>
        <source>%1: more than %2 entries</source>
        <translation>%1: più di %2 voci</translation>
    </message>
    <message>
        <source>%1: %2 is not an address 0x0000 to 0x3FFF</source>
        <translation>%1: %2 non è un indirizzo da 0x0000 a 0x3FFF</translation>
    </message>
    <message>
        <source>%1: unknown key %2 (see dpmrtool fields: the keys after &quot;channel%3.&quot;)</source>
        <translation>%1: chiave sconosciuta %2 (vedere dpmrtool fields: le chiavi dopo &quot;channel%3.&quot;)</translation>
    </message>
    <message>
        <source>unknown settings page %1 (see dpmrtool fields)</source>
        <translation>pagina di impostazioni sconosciuta %1 (vedere dpmrtool fields)</translation>
    </message>
    <message>
        <source>unknown key %1 (see dpmrtool fields)</source>
        <translation>chiave sconosciuta %1 (vedere dpmrtool fields)</translation>
    </message>
    <message>
        <source>%1: unknown key %2 (value or bytes)</source>
        <translation>%1: chiave sconosciuta %2 (value o bytes)</translation>
    </message>
    <message>
        <source>contact type: %1 is not an entry of &quot;Type&quot; (&quot;%2&quot;, &quot;%3&quot;)</source>
        <translation>tipo di contatto: %1 non è una voce di «Type» («%2», «%3»)</translation>
    </message>
    <message>
        <source>contact: unknown key %1 (name, number, type, slot)</source>
        <translation>contatto: chiave sconosciuta %1 (name, number, type, slot)</translation>
    </message>
    <message>
        <source>%1: unknown key %2 (members or bytes)</source>
        <translation>%1: chiave sconosciuta %2 (members o bytes)</translation>
    </message>
    <message>
        <source>%1: expected a list of contact names</source>
        <translation>%1: attesa una lista di nomi di contatti</translation>
    </message>
    <message>
        <source>expected a dpmrcps codeplug (a mapping with format: 1)</source>
        <translation>atteso un codeplug dpmrcps (una mappa con format: 1)</translation>
    </message>
    <message>
        <source>format %1 is not one this program reads (%2)</source>
        <translation>il formato %1 non è tra quelli che questo programma legge (%2)</translation>
    </message>
    <message>
        <source>unknown key %1</source>
        <translation>chiave sconosciuta %1</translation>
    </message>
    <message>
        <source>no &quot;format&quot;: not a dpmrcps codeplug</source>
        <translation>nessun &quot;format&quot;: non è un codeplug dpmrcps</translation>
    </message>
    <message>
        <source>lists and mappings are nested %1 deep here; a codeplug nests at most 4</source>
        <translation>qui liste e mappe sono annidate su %1 livelli; un codeplug ne annida al massimo 4</translation>
    </message>
    <message>
        <source>the key %1 is given twice in one mapping, on line %2</source>
        <translation>la chiave %1 è indicata due volte in una stessa mappa, alla riga %2</translation>
    </message>
    <message>
        <source>the key %1 is given twice in one mapping, on lines %2 and %3</source>
        <translation>la chiave %1 è indicata due volte in una stessa mappa, alle righe %2 e %3</translation>
    </message>
</context>
<context>
    <name>link</name>
    <message>
        <source>install the udev rule %1 (the dpmrcps package does; from the sources: sudo cp res/linux/%1 /etc/udev/rules.d/), then: sudo udevadm control --reload &amp;&amp; sudo udevadm trigger --subsystem-match=tty</source>
        <translation>installare la regola udev %1 (lo fa il pacchetto dpmrcps; dai sorgenti: sudo cp res/linux/%1 /etc/udev/rules.d/), poi: sudo udevadm control --reload &amp;&amp; sudo udevadm trigger --subsystem-match=tty</translation>
    </message>
    <message>
        <source>%1 is not a serial port</source>
        <translation>%1 non è una porta seriale</translation>
    </message>
    <message>
        <source>choose the cable&apos;s port, such as /dev/ttyUSB0 (dpmrtool ports lists them)</source>
        <translation>scegliere la porta del cavo, per esempio /dev/ttyUSB0 (dpmrtool ports le elenca)</translation>
    </message>
    <message>
        <source>the system refused to open %1 although its permissions allow it</source>
        <translation>il sistema ha rifiutato di aprire %1 nonostante i permessi lo consentano</translation>
    </message>
    <message>
        <source>a sandbox (a snap or flatpak package) or a security policy keeps the program from the device: run the program installed from the Debian package or built from the sources</source>
        <translation>una sandbox (un pacchetto snap o flatpak) o un criterio di sicurezza impedisce al programma di accedere al dispositivo: usare il programma installato dal pacchetto Debian o compilato dai sorgenti</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2</source>
        <translation>impossibile aprire %1: %2</translation>
    </message>
    <message>
        <source>plug the cable in again; if that does not help, restart the computer</source>
        <translation>ricollegare il cavo; se non basta, riavviare il computer</translation>
    </message>
    <message>
        <source>%1 does not exist: the cable is not plugged in, or its port has another name now</source>
        <translation>%1 non esiste: il cavo non è collegato, oppure la sua porta ora ha un altro nome</translation>
    </message>
    <message>
        <source>plug the cable into the computer and the radio, then choose the port that appears (dpmrtool ports lists them; Setting &gt; Port shows them as they come)</source>
        <translation>collegare il cavo al computer e alla radio, poi scegliere la porta che compare (dpmrtool ports le elenca; Impostazioni &gt; Porta le mostra man mano che compaiono)</translation>
    </message>
    <message>
        <source>brltty (a braille display driver) is installed and claims USB serial adapters (%1): if the port disappeared right after the cable was plugged in, brltty took it</source>
        <translation>brltty (un driver per display braille) è installato e si appropria degli adattatori seriali USB (%1): se la porta è scomparsa subito dopo aver collegato il cavo, l&apos;ha presa brltty</translation>
    </message>
    <message>
        <source>without a braille display: sudo apt remove brltty, then plug the cable in again; with one: comment out the line for the cable&apos;s chip in %1</source>
        <translation>senza display braille: sudo apt remove brltty, poi ricollegare il cavo; con un display braille: commentare la riga del chip del cavo in %1</translation>
    </message>
    <message>
        <source>brltty&apos;s udev rules</source>
        <translation>le regole udev di brltty</translation>
    </message>
    <message>
        <source>a virtual port (a pseudo-terminal), such as the virtual radio&apos;s: no cable</source>
        <translation>una porta virtuale (uno pseudo-terminale), come quella della radio virtuale: nessun cavo</translation>
    </message>
    <message>
        <source>USB serial adapter: USB %1</source>
        <translation>adattatore seriale USB: USB %1</translation>
    </message>
    <message>
        <source>%1 cable: USB %2</source>
        <translation>cavo %1: USB %2</translation>
    </message>
    <message>
        <source>, driver %1</source>
        <translation>, driver %1</translation>
    </message>
    <message>
        <source>, also %1</source>
        <translation>, anche %1</translation>
    </message>
    <message>
        <source>a Bluetooth serial port, not the radio&apos;s programming cable</source>
        <translation>una porta seriale Bluetooth, non il cavo di programmazione della radio</translation>
    </message>
    <message>
        <source>plug the programming cable in and choose its port (/dev/ttyUSB0 or /dev/ttyACM0)</source>
        <translation>collegare il cavo di programmazione e sceglierne la porta (/dev/ttyUSB0 o /dev/ttyACM0)</translation>
    </message>
    <message>
        <source>a serial port built into the computer: a USB programming cable is named ttyUSB or ttyACM</source>
        <translation>una porta seriale integrata nel computer: un cavo di programmazione USB si chiama ttyUSB o ttyACM</translation>
    </message>
    <message>
        <source>a serial port built into the computer, driver %1: a USB programming cable is named ttyUSB or ttyACM</source>
        <translation>una porta seriale integrata nel computer, driver %1: un cavo di programmazione USB si chiama ttyUSB o ttyACM</translation>
    </message>
    <message>
        <source> (owner %1, group %2, mode %3)</source>
        <translation> (proprietario %1, gruppo %2, modo %3)</translation>
    </message>
    <message>
        <source>your user %1 was added to the group %2, which may open %3, but this session started before and does not have the group yet</source>
        <translation>l&apos;utente %1 è stato aggiunto al gruppo %2, che può aprire %3, ma questa sessione è iniziata prima e non ha ancora il gruppo</translation>
    </message>
    <message>
        <source>log out and in again (or restart the computer); until then, &apos;newgrp %1&apos; starts a shell that has it</source>
        <translation>uscire dalla sessione e rientrare (o riavviare il computer); fino ad allora, &apos;newgrp %1&apos; avvia una shell che lo ha</translation>
    </message>
    <message>
        <source>your user %1 is not in the group %2, which may open %3%4</source>
        <translation>l&apos;utente %1 non fa parte del gruppo %2, che può aprire %3%4</translation>
    </message>
    <message>
        <source>sudo adduser %1 %2, then log out and in again</source>
        <translation>sudo adduser %1 %2, poi uscire dalla sessione e rientrare</translation>
    </message>
    <message>
        <source>only root may open %1%2</source>
        <translation>solo root può aprire %1%2</translation>
    </message>
    <message>
        <source>only its owner may open %1%2</source>
        <translation>solo il suo proprietario può aprire %1%2</translation>
    </message>
    <message>
        <source>%1; it gives the group dialout the programming cables: then sudo adduser %2 dialout, and log out and in again</source>
        <translation>%1; la regola dà al gruppo dialout l&apos;accesso ai cavi di programmazione: poi sudo adduser %2 dialout, e uscire dalla sessione e rientrare</translation>
    </message>
    <message>
        <source>%1 (process %2)</source>
        <translation>%1 (processo %2)</translation>
    </message>
    <message>
        <source>a program</source>
        <translation>un programma</translation>
    </message>
    <message>
        <source>close the other program, then try again</source>
        <translation>chiudere l&apos;altro programma, poi riprovare</translation>
    </message>
    <message>
        <source>close %1 (or end it: kill %2), then try again</source>
        <translation>chiudere %1 (o terminarlo: kill %2), poi riprovare</translation>
    </message>
    <message>
        <source>that program</source>
        <translation>quel programma</translation>
    </message>
    <message>
        <source>%1 is in use by another program%2</source>
        <translation>%1 è in uso da un altro programma%2</translation>
    </message>
    <message>
        <source>the udev rule %1 is not installed: it keeps ModemManager away from the cable and gives the group dialout access to it</source>
        <translation>la regola udev %1 non è installata: tiene ModemManager lontano dal cavo e dà al gruppo dialout l&apos;accesso a esso</translation>
    </message>
    <message>
        <source>the udev rule %1 does not name this cable&apos;s chip (USB %2)</source>
        <translation>la regola udev %1 non indica il chip di questo cavo (USB %2)</translation>
    </message>
    <message>
        <source>add a line for it to the rule (a copy of one of its lines with idVendor %1 and idProduct %2), then: sudo udevadm control --reload &amp;&amp; sudo udevadm trigger --subsystem-match=tty</source>
        <translation>aggiungere una riga per il chip alla regola (una copia di una delle sue righe con idVendor %1 e idProduct %2), poi: sudo udevadm control --reload &amp;&amp; sudo udevadm trigger --subsystem-match=tty</translation>
    </message>
    <message>
        <source>the udev rule %1 names this cable&apos;s chip but has not been applied to %2 yet</source>
        <translation>la regola udev %1 indica il chip di questo cavo ma non è ancora stata applicata a %2</translation>
    </message>
    <message>
        <source>plug the cable in again, or run: sudo udevadm trigger --subsystem-match=tty</source>
        <translation>ricollegare il cavo, oppure eseguire: sudo udevadm trigger --subsystem-match=tty</translation>
    </message>
    <message>
        <source>ModemManager is running and has not been told to leave %1 alone: it may send AT commands to the cable for several seconds after it is plugged in, and a Read or Write started then fails</source>
        <translation>ModemManager è in esecuzione e non gli è stato detto di lasciare in pace %1: per alcuni secondi dopo il collegamento può inviare comandi AT al cavo, e una lettura o una scrittura avviata in quel momento non riesce</translation>
    </message>
    <message>
        <source>%1, and plug the cable in again; or stop ModemManager: sudo systemctl stop ModemManager</source>
        <translation>%1, e ricollegare il cavo; oppure fermare ModemManager: sudo systemctl stop ModemManager</translation>
    </message>
    <message>
        <source>plug the cable in again; or stop ModemManager: sudo systemctl stop ModemManager</source>
        <translation>ricollegare il cavo; oppure fermare ModemManager: sudo systemctl stop ModemManager</translation>
    </message>
    <message>
        <source>brltty (a braille display driver) is installed and its udev rules claim this cable&apos;s chip (USB %1): it may take the cable, and the port disappears right after it is plugged in</source>
        <translation>brltty (un driver per display braille) è installato e le sue regole udev si appropriano del chip di questo cavo (USB %1): può prendersi il cavo, e la porta scompare subito dopo il collegamento</translation>
    </message>
    <message>
        <source>virtual port %1</source>
        <translation>porta virtuale %1</translation>
    </message>
    <message>
        <source>%1 cable on %2</source>
        <translation>cavo %1 su %2</translation>
    </message>
    <message>
        <source>USB serial adapter on %1</source>
        <translation>adattatore seriale USB su %1</translation>
    </message>
    <message>
        <source>USB serial adapter (%1) on %2</source>
        <translation>adattatore seriale USB (%1) su %2</translation>
    </message>
    <message>
        <source>Bluetooth serial port on %1</source>
        <translation>porta seriale Bluetooth su %1</translation>
    </message>
    <message>
        <source>%1 (built-in serial port)</source>
        <translation>%1 (porta seriale integrata)</translation>
    </message>
    <message>
        <source>Problem: %1</source>
        <translation>Problema: %1</translation>
    </message>
    <message>
        <source>Warning: %1</source>
        <translation>Avviso: %1</translation>
    </message>
    <message>
        <source>Fix: %1</source>
        <translation>Soluzione: %1</translation>
    </message>
    <message>
        <source>%1: can be used</source>
        <translation>%1: utilizzabile</translation>
    </message>
    <message>
        <source>%1: cannot be used</source>
        <translation>%1: non utilizzabile</translation>
    </message>
    <message>
        <source>%1: add your user to the dialout group and log in again</source>
        <translation>%1: aggiungere l&apos;utente al gruppo dialout e accedere di nuovo</translation>
    </message>
    <message>
        <source>in use by another program</source>
        <translation>in uso da un altro programma</translation>
    </message>
    <message>
        <source>no port is chosen: choose one under Setting &gt; Port</source>
        <translation>nessuna porta scelta: sceglierne una in Impostazioni &gt; Porta</translation>
    </message>
    <message>
        <source>not a serial port</source>
        <translation>non è una porta seriale</translation>
    </message>
    <message>
        <source>the radio holds other values for %1 and %2 more.</source>
        <translation>la radio contiene altri valori per %1 e altri %2.</translation>
    </message>
    <message>
        <source>the radio holds other values for %1.</source>
        <translation>la radio contiene altri valori per %1.</translation>
    </message>
    <message>
        <source>there is no home folder to keep it in</source>
        <translation>non c&apos;è una cartella home in cui conservarla</translation>
    </message>
    <message>
        <source>cannot make the folder &quot;%1&quot;: %2</source>
        <translation>impossibile creare la cartella «%1»: %2</translation>
    </message>
    <message>
        <source>cannot write &quot;%1&quot;: %2</source>
        <translation>impossibile scrivere «%1»: %2</translation>
    </message>
    <message>
        <source>too many traces within the same second</source>
        <translation>troppe tracce nello stesso secondo</translation>
    </message>
    <message>
        <source>the transfer broke off at address %1</source>
        <translation>il trasferimento si è interrotto all&apos;indirizzo %1</translation>
    </message>
    <message>
        <source>Cound not open the port.</source>
        <translation>Impossibile aprire la porta.</translation>
    </message>
    <message>
        <source>Cound not open the port</source>
        <translation>Impossibile aprire la porta</translation>
    </message>
    <message>
        <source>Could ont open the port</source>
        <translation>Impossibile aprire la porta</translation>
    </message>
    <message>
        <source>Communication error</source>
        <translation>Errore di comunicazione</translation>
    </message>
    <message>
        <source>Read successfully</source>
        <translation>Lettura riuscita</translation>
    </message>
    <message>
        <source>Write successfully</source>
        <translation>Scrittura riuscita</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Operazione riuscita</translation>
    </message>
    <message>
        <source>Verify failed</source>
        <translation>Verifica non riuscita</translation>
    </message>
    <message>
        <source>Written and verified, except the 24-byte closing block, which the radio does not send back</source>
        <translation>Scritto e verificato, tranne il blocco di chiusura di 24 byte, che la radio non rimanda indietro</translation>
    </message>
    <message>
        <source>Write again before using the radio.</source>
        <translation>Riscrivere prima di usare la radio.</translation>
    </message>
    <message>
        <source>The write was completed; the read-back broke off while verifying.</source>
        <translation>La scrittura è stata completata; la rilettura si è interrotta durante la verifica.</translation>
    </message>
    <message>
        <source>The write was completed; checking it was stopped before the end.</source>
        <translation>La scrittura è stata completata; la verifica è stata fermata prima della fine.</translation>
    </message>
    <message>
        <source>no answer from the radio: is it switched on and the cable plugged in?</source>
        <translation>nessuna risposta dalla radio: è accesa e il cavo è collegato?</translation>
    </message>
    <message>
        <source>the radio did not answer the wake-up with &apos;A&apos;</source>
        <translation>la radio non ha risposto al risveglio con &apos;A&apos;</translation>
    </message>
    <message>
        <source>the radio&apos;s identity block was cut short</source>
        <translation>il blocco di identità della radio è arrivato incompleto</translation>
    </message>
    <message>
        <source>the radio did not confirm the opening exchange</source>
        <translation>la radio non ha confermato lo scambio iniziale</translation>
    </message>
    <message>
        <source>The radio may now hold a partly written configuration: write it again before using it.</source>
        <translation>La radio potrebbe ora contenere una configurazione scritta in parte: riscriverla prima di usarla.</translation>
    </message>
    <message>
        <source>The wire trace was not kept: %1</source>
        <translation>La traccia della comunicazione non è stata conservata: %1</translation>
    </message>
    <message>
        <source>The wire trace was not written: %1</source>
        <translation>La traccia della comunicazione non è stata scritta: %1</translation>
    </message>
    <message>
        <source>Wire trace: %1</source>
        <translation>Traccia della comunicazione: %1</translation>
    </message>
    <message>
        <source>cannot open a pseudo-terminal</source>
        <translation>impossibile aprire uno pseudo-terminale</translation>
    </message>
    <message>
        <source>cannot set up the pseudo-terminal</source>
        <translation>impossibile configurare lo pseudo-terminale</translation>
    </message>
    <message>
        <source>cannot open %1</source>
        <translation>impossibile aprire %1</translation>
    </message>
    <message>
        <source>cannot watch %1</source>
        <translation>impossibile sorvegliare %1</translation>
    </message>
    <message>
        <source>cannot create a pipe</source>
        <translation>impossibile creare una pipe</translation>
    </message>
</context>
<context>
    <name>reference</name>
    <message>
        <source>%1, rows 1 to %2</source>
        <translation>%1, righe da 1 a %2</translation>
    </message>
    <message>
        <source>%1 %2 to %3</source>
        <translation>%1 da %2 a %3</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>not shown</source>
        <translation>non visibile</translation>
    </message>
    <message>
        <source>(factory)</source>
        <translation>(fabbrica)</translation>
    </message>
    <message>
        <source>Settings reference</source>
        <translation>Riferimento delle impostazioni</translation>
    </message>
    <message>
        <source>&lt;p&gt;Every setting of the window and the dialogs, with what it does on the radio,
grouped by dialog and page. The names in &lt;code&gt;code&lt;/code&gt; are the keys that
&lt;code&gt;dpmrtool get&lt;/code&gt; and &lt;code&gt;dpmrtool set&lt;/code&gt; and the YAML codeplug use
(&lt;code&gt;channelN&lt;/code&gt; stands for &lt;code&gt;channel1&lt;/code&gt; to &lt;code&gt;channel16&lt;/code&gt;).
A setting marked &lt;i&gt;not shown&lt;/i&gt; has no control in its dialog: the program keeps
it as the radio stored it. &lt;i&gt;(factory)&lt;/i&gt; marks the dialogs of the radio&apos;s
factory adjustment and calibration.&lt;/p&gt;
</source>
        <translation>&lt;p&gt;Tutte le impostazioni della finestra principale e delle finestre di dialogo, con il loro effetto sulla radio,
raggruppate per finestra e per pagina. I nomi scritti &lt;code&gt;così&lt;/code&gt; sono le chiavi usate da
&lt;code&gt;dpmrtool get&lt;/code&gt;, da &lt;code&gt;dpmrtool set&lt;/code&gt; e dal codeplug YAML
(&lt;code&gt;channelN&lt;/code&gt; sta per un canale da &lt;code&gt;channel1&lt;/code&gt; a &lt;code&gt;channel16&lt;/code&gt;).
Un&apos;impostazione contrassegnata &lt;i&gt;non visibile&lt;/i&gt; non ha un controllo nella sua finestra: il programma
la conserva così come la radio l&apos;ha memorizzata. &lt;i&gt;(fabbrica)&lt;/i&gt; contrassegna le finestre della regolazione
e della taratura di fabbrica della radio.&lt;/p&gt;
</translation>
    </message>
</context>
<context>
    <name>report</name>
    <message>
        <source>version and build, OS, kernel, Qt</source>
        <translation>versione e build, sistema operativo, kernel, Qt</translation>
    </message>
    <message>
        <source>the connection doctor&apos;s findings for every port</source>
        <translation>i risultati della verifica della connessione per ogni porta</translation>
    </message>
    <message>
        <source>the settings file %1</source>
        <translation>il file delle impostazioni %1</translation>
    </message>
    <message>
        <source>the list of backups (names only, not the files)</source>
        <translation>l&apos;elenco dei backup (solo i nomi, non i file)</translation>
    </message>
    <message>
        <source>a wire trace of a transfer, the radio&apos;s identity blanked</source>
        <translation>una traccia della comunicazione di un trasferimento, con l&apos;identità della radio cancellata</translation>
    </message>
    <message>
        <source>the open configuration, its radio ID, name, contacts and codes replaced</source>
        <translation>la configurazione aperta, con ID radio, nome, contatti e codici sostituiti</translation>
    </message>
    <message>
        <source>%1 (%2 bytes): %3</source>
        <translation>%1 (%2 byte): %3</translation>
    </message>
</context>
<context>
    <name>service</name>
    <message>
        <source>The band has %1 points; the radio keeps %2 squelch values, so only %3 to %4 MHz are shown.</source>
        <translation>La banda ha %1 punti; la radio conserva %2 valori di squelch, quindi viene mostrato solo l&apos;intervallo da %3 a %4 MHz.</translation>
    </message>
</context>
<context>
    <name>util</name>
    <message>
        <source>line %1: %2</source>
        <translation>riga %1: %2</translation>
    </message>
    <message>
        <source>line %1, column %2: the byte %3 is not UTF-8 text: save the file as UTF-8</source>
        <translation>riga %1, colonna %2: il byte %3 non è testo UTF-8: salvare il file come UTF-8</translation>
    </message>
    <message>
        <source>a quoted field is not closed</source>
        <translation>un campo tra virgolette non è chiuso</translation>
    </message>
    <message>
        <source>text after the closing quote of a field</source>
        <translation>testo dopo le virgolette di chiusura di un campo</translation>
    </message>
    <message>
        <source>a quote inside a field that does not start with one</source>
        <translation>una virgoletta all&apos;interno di un campo che non inizia con una virgoletta</translation>
    </message>
    <message>
        <source>the first line must be %1</source>
        <translation>la prima riga deve essere %1</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2.</source>
        <translation>Impossibile aprire «%1»: %2.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: it is a folder.</source>
        <translation>Impossibile aprire «%1»: è una cartella.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: it is not a regular file.</source>
        <translation>Impossibile aprire «%1»: non è un file normale.</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2.</source>
        <translation>Impossibile leggere «%1»: %2.</translation>
    </message>
    <message>
        <source>Cannot save &quot;%1&quot;: %2</source>
        <translation>Impossibile salvare «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot save: no file name given.</source>
        <translation>Impossibile salvare: nessun nome di file indicato.</translation>
    </message>
    <message>
        <source>it is a folder.</source>
        <translation>è una cartella.</translation>
    </message>
    <message>
        <source>it is not a regular file (a device or a pipe).</source>
        <translation>non è un file normale (è un dispositivo o una pipe).</translation>
    </message>
    <message>
        <source>%1: line %2, column %3: larger than 1 MiB, no %4 file</source>
        <translation>%1: riga %2, colonna %3: più grande di 1 MiB, non è un file %4</translation>
    </message>
</context>
</TS>
