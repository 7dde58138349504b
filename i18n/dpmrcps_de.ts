<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Action</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>Ein neues Dokument anlegen</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Öffnen...</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>Ein vorhandenes Dokument öffnen</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Open &amp;Backup...</source>
        <translation>Si&amp;cherung öffnen...</translation>
    </message>
    <message>
        <source>Open a copy kept by an earlier Read or Write</source>
        <translation>Eine Kopie öffnen, die ein früheres Auslesen oder Schreiben aufbewahrt hat</translation>
    </message>
    <message>
        <source>Open Backup</source>
        <translation>Sicherung öffnen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>Das aktive Dokument speichern</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Save the active document with a new name</source>
        <translation>Das aktive Dokument unter einem neuen Namen speichern</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Expor&amp;t...</source>
        <translation>E&amp;xportieren...</translation>
    </message>
    <message>
        <source>Write the whole configuration to a readable YAML file</source>
        <translation>Die ganze Konfiguration in eine lesbare YAML-Datei schreiben</translation>
    </message>
    <message>
        <source>I&amp;mport...</source>
        <translation>&amp;Importieren...</translation>
    </message>
    <message>
        <source>Open a YAML file written by Export as a new document</source>
        <translation>Eine mit Exportieren geschriebene YAML-Datei als neues Dokument öffnen</translation>
    </message>
    <message>
        <source>Export &amp;Channels as CSV...</source>
        <translation>&amp;Kanäle als CSV exportieren...</translation>
    </message>
    <message>
        <source>Write the channels to a CSV file in CHIRP&apos;s format</source>
        <translation>Die Kanäle im CSV-Format von CHIRP in eine Datei schreiben</translation>
    </message>
    <message>
        <source>Import C&amp;hannels from CSV...</source>
        <translation>Kanäle aus CSV i&amp;mportieren...</translation>
    </message>
    <message>
        <source>Set channels from a CSV file in CHIRP&apos;s format</source>
        <translation>Kanäle aus einer CSV-Datei im CHIRP-Format übernehmen</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Print the active document</source>
        <translation>Das aktive Dokument drucken</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Druck&amp;vorschau</translation>
    </message>
    <message>
        <source>Display full pages</source>
        <translation>Ganze Seiten anzeigen</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Druck&amp;einrichtung...</translation>
    </message>
    <message>
        <source>Change the printer and printing options</source>
        <translation>Drucker und Druckoptionen ändern</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Druckeinrichtung</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents</source>
        <translation>Das Programm beenden; fragt nach, ob Dokumente gespeichert werden sollen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Take back the last change</source>
        <translation>Die letzte Änderung zurücknehmen</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>Make the change taken back last again</source>
        <translation>Die zuletzt zurückgenommene Änderung wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copy the selected channels</source>
        <translation>Die ausgewählten Kanäle kopieren</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Paste channels from the current row down</source>
        <translation>Kanäle ab der aktuellen Zeile abwärts einfügen</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Appl&amp;y to Selected Channels</source>
        <translation>&amp;Auf ausgewählte Kanäle anwenden</translation>
    </message>
    <message>
        <source>Set the current cell&apos;s tone, power, scan, bandwidth or channel type for every selected channel</source>
        <translation>Ton, Leistung, Suchlauf, Bandbreite oder Kanaltyp der aktuellen Zelle für jeden ausgewählten Kanal setzen</translation>
    </message>
    <message>
        <source>Apply to Selected Channels</source>
        <translation>Auf ausgewählte Kanäle anwenden</translation>
    </message>
    <message>
        <source>&amp;Fill Channels...</source>
        <translation>Kanäle &amp;füllen...</translation>
    </message>
    <message>
        <source>Fill the selected channels, or all 16, with the PMR446 or dPMR446 channels</source>
        <translation>Die ausgewählten Kanäle oder alle 16 mit den PMR446- oder dPMR446-Kanälen füllen</translation>
    </message>
    <message>
        <source>Fill Channels</source>
        <translation>Kanäle füllen</translation>
    </message>
    <message>
        <source>&amp;Scan Info</source>
        <translation>&amp;Suchlauf</translation>
    </message>
    <message>
        <source>Edit the scan settings</source>
        <translation>Die Suchlauf-Einstellungen bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Basic setting</source>
        <translation>&amp;Grundeinstellungen</translation>
    </message>
    <message>
        <source>Edit the basic settings</source>
        <translation>Die Grundeinstellungen bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Alarm</source>
        <translation>A&amp;larm</translation>
    </message>
    <message>
        <source>Edit the alarm settings</source>
        <translation>Die Alarm-Einstellungen bearbeiten</translation>
    </message>
    <message>
        <source>&amp;DTMF</source>
        <translation>&amp;DTMF</translation>
    </message>
    <message>
        <source>Edit the DTMF settings</source>
        <translation>Die DTMF-Einstellungen bearbeiten</translation>
    </message>
    <message>
        <source>dP&amp;MR</source>
        <translation>dP&amp;MR</translation>
    </message>
    <message>
        <source>Edit the dPMR parameters</source>
        <translation>Die dPMR-Parameter bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>&amp;Auslesen</translation>
    </message>
    <message>
        <source>Read Data From Radio</source>
        <translation>Daten aus dem Funkgerät auslesen</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Auslesen</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>&amp;Schreiben</translation>
    </message>
    <message>
        <source>Write Data to Radio </source>
        <translation>Daten ins Funkgerät schreiben</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>Write to &amp;Several Radios...</source>
        <translation>In &amp;mehrere Funkgeräte schreiben...</translation>
    </message>
    <message>
        <source>Write this configuration to several radios at once, each with its own ID</source>
        <translation>Diese Konfiguration gleichzeitig in mehrere Funkgeräte schreiben, jedes mit seiner eigenen ID</translation>
    </message>
    <message>
        <source>Write to Several Radios</source>
        <translation>In mehrere Funkgeräte schreiben</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Werkzeugleiste</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>Die Werkzeugleiste ein- oder ausblenden</translation>
    </message>
    <message>
        <source>Toggle ToolBar</source>
        <translation>Werkzeugleiste ein/aus</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Statusleiste</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Die Statusleiste ein- oder ausblenden</translation>
    </message>
    <message>
        <source>Toggle StatusBar</source>
        <translation>Statusleiste ein/aus</translation>
    </message>
    <message>
        <source>&amp;Port</source>
        <translation>&amp;Schnittstelle</translation>
    </message>
    <message>
        <source>Choose the serial port of the radio</source>
        <translation>Die serielle Schnittstelle des Funkgeräts wählen</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Schnittstelle</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Benutzerhandbuch</translation>
    </message>
    <message>
        <source>Open the guide to a first Read, editing, Save and Write</source>
        <translation>Das Handbuch zum ersten Auslesen, Bearbeiten, Speichern und Schreiben öffnen</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Benutzerhandbuch</translation>
    </message>
    <message>
        <source>&amp;Report a Problem...</source>
        <translation>&amp;Problem melden...</translation>
    </message>
    <message>
        <source>Gather what is needed to look into a problem into one file to attach; nothing is sent</source>
        <translation>Alles, was zur Untersuchung eines Problems nötig ist, in einer Datei zum Anhängen zusammenfassen; nichts wird gesendet</translation>
    </message>
    <message>
        <source>Report a Problem</source>
        <translation>Problem melden</translation>
    </message>
    <message>
        <source>&amp;About ...</source>
        <translation>&amp;Über ...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Programminformationen, Versionsnummer und Copyright anzeigen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Program</source>
        <translation>&amp;Funkgerät</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Setting</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Home page:</source>
        <translation>Homepage:</translation>
    </message>
    <message>
        <source>Report a problem:</source>
        <translation>Problem melden:</translation>
    </message>
</context>
<context>
    <name>CChannelClipboard</name>
    <message>
        <source>Copied channel %1</source>
        <translation>Kanal %1 kopiert</translation>
    </message>
    <message>
        <source>Copied channels %1-%2</source>
        <translation>Kanäle %1-%2 kopiert</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Nothing pasted</source>
        <translation>Nichts eingefügt</translation>
    </message>
    <message>
        <source>Pasted channel %1</source>
        <translation>Kanal %1 eingefügt</translation>
    </message>
    <message>
        <source>Pasted channels %1-%2</source>
        <translation>Kanäle %1-%2 eingefügt</translation>
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
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Export Channels as CSV</source>
        <translation>Kanäle als CSV exportieren</translation>
    </message>
    <message>
        <source>Import Channels from CSV</source>
        <translation>Kanäle aus CSV importieren</translation>
    </message>
    <message>
        <source>Exported the channels to %1</source>
        <translation>Kanäle nach %1 exportiert</translation>
    </message>
    <message>
        <source>Cannot import %1.</source>
        <translation>%1 kann nicht importiert werden.</translation>
    </message>
    <message>
        <source>No channel was changed.</source>
        <translation>Es wurde kein Kanal geändert.</translation>
    </message>
    <message>
        <source>Imported 1 channel from %1</source>
        <translation>1 Kanal aus %1 importiert</translation>
    </message>
    <message>
        <source>Imported %1 channels from %2</source>
        <translation>%1 Kanäle aus %2 importiert</translation>
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
        <translation>Auf Kanal %1 geänderte Rx- und Tx-Farbcodes, Tx-Kontakt und Rx-Gruppenliste werden auch für %2 übernommen.</translation>
    </message>
    <message>
        <source>Channel edit</source>
        <translation>Kanal bearbeiten</translation>
    </message>
    <message>
        <source>Channel edit.</source>
        <translation>Kanal bearbeiten.</translation>
    </message>
</context>
<context>
    <name>CChannelEditDlg</name>
    <message>
        <source>Next channel</source>
        <translation>Nächster Kanal</translation>
    </message>
    <message>
        <source>Previous channel</source>
        <translation>Vorheriger Kanal</translation>
    </message>
    <message>
        <source>Analog</source>
        <translation>Analog</translation>
    </message>
    <message>
        <source>Digit</source>
        <translation>Digital</translation>
    </message>
    <message>
        <source>Call 1</source>
        <translation>Ruf 1</translation>
    </message>
    <message>
        <source>Call 2</source>
        <translation>Ruf 2</translation>
    </message>
</context>
<context>
    <name>CCodeplugCommands</name>
    <message>
        <source>Codeplug (*.yaml *.yml);;All Files (*)</source>
        <translation>Codeplug (*.yaml *.yml);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Exported %1</source>
        <translation>%1 exportiert</translation>
    </message>
    <message>
        <source>Cannot import %1:
%2</source>
        <translation>%1 kann nicht importiert werden:
%2</translation>
    </message>
    <message>
        <source>Imported %1</source>
        <translation>%1 importiert</translation>
    </message>
    <message>
        <source>Imported %1: %2 value(s) stored other than written.</source>
        <translation>%1 importiert: %2 Wert(e) anders gespeichert als geschrieben.</translation>
    </message>
</context>
<context>
    <name>CContactPage</name>
    <message>
        <source>Contacts</source>
        <translation>Kontakte</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
</context>
<context>
    <name>CDocumentController</name>
    <message>
        <source>*.dat (*.dat);;All Files (*)</source>
        <translation>*.dat (*.dat);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Untitled (read from the radio)</source>
        <translation>Unbenannt (aus dem Funkgerät ausgelesen)</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Auslesen</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Neu laden</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>%1 geöffnet</translation>
    </message>
    <message>
        <source>Opened %1.%2</source>
        <translation>%1 geöffnet.%2</translation>
    </message>
    <message>
        <source>Opened the backup %1; Save asks for a new name</source>
        <translation>Sicherung %1 geöffnet; Speichern fragt nach einem neuen Namen</translation>
    </message>
    <message>
        <source>%1 no longer exists; it was removed from the recent files.</source>
        <translation>%1 existiert nicht mehr; die Datei wurde aus der Liste der zuletzt geöffneten Dateien entfernt.</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 gespeichert</translation>
    </message>
    <message>
        <source>Saved %1.%2</source>
        <translation>%1 gespeichert.%2</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Reloaded %1</source>
        <translation>%1 neu geladen</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
</context>
<context>
    <name>CDtmfContactPage</name>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>DTMF codes</source>
        <translation>DTMF-Codes</translation>
    </message>
</context>
<context>
    <name>CFillChannelsDlg</name>
    <message>
        <source>Fill Channels</source>
        <translation>Kanäle füllen</translation>
    </message>
    <message>
        <source>&amp;All 16 channels</source>
        <translation>A&amp;lle 16 Kanäle</translation>
    </message>
    <message>
        <source>%1 (%2 channels, %3 kHz apart)</source>
        <translation>%1 (%2 Kanäle im Abstand von %3 kHz)</translation>
    </message>
    <message>
        <source>&amp;Selected %1</source>
        <translation>Au&amp;sgewählte %1</translation>
    </message>
    <message>
        <source>&amp;Selected channels (select two or more first)</source>
        <translation>Au&amp;sgewählte Kanäle (zuerst zwei oder mehr auswählen)</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>The same on every channel</source>
        <translation>Derselbe auf jedem Kanal</translation>
    </message>
    <message>
        <source>One per channel, rising</source>
        <translation>Einer je Kanal, aufsteigend</translation>
    </message>
    <message>
        <source>To&amp;ne:</source>
        <translation>To&amp;n:</translation>
    </message>
    <message>
        <source>&amp;Plan:</source>
        <translation>&amp;Plan:</translation>
    </message>
    <message>
        <source>&amp;First plan channel:</source>
        <translation>&amp;Erster Plankanal:</translation>
    </message>
    <message>
        <source>Fill:</source>
        <translation>Füllen:</translation>
    </message>
    <message>
        <source>CTCSS &amp;tones:</source>
        <translation>CTCSS-&amp;Töne:</translation>
    </message>
    <message>
        <source>%1 to %2 MHz</source>
        <translation>%1 bis %2 MHz</translation>
    </message>
    <message>
        <source>%1 will stay unchanged: %2 ends at channel %3</source>
        <translation>%1 unverändert: %2 endet bei Kanal %3</translation>
    </message>
</context>
<context>
    <name>CFleetIdentityBox</name>
    <message>
        <source>Each radio</source>
        <translation>Jedes Funkgerät</translation>
    </message>
    <message>
        <source>e.g. 1000001</source>
        <translation>z. B. 1000001</translation>
    </message>
    <message>
        <source>Unit {n}, or {id:4} for the ID&apos;s last 4 digits</source>
        <translation>Funk {n}, oder {id:4} für die letzten 4 Ziffern der ID</translation>
    </message>
    <message>
        <source>{n}: the radio&apos;s number in the list of ticked ports; {id}: its 7-digit ID; {id:4}: the ID&apos;s last 4 digits. Cut to the radio&apos;s 8 characters.</source>
        <translation>{n}: die Nummer des Funkgeräts in der Liste der angekreuzten Schnittstellen; {id}: seine 7-stellige ID; {id:4}: die letzten 4 Ziffern der ID. Gekürzt auf die 8 Zeichen des Funkgeräts.</translation>
    </message>
    <message>
        <source>Keep each radio&apos;s identity</source>
        <translation>Kennung jedes Funkgeräts beibehalten</translation>
    </message>
    <message>
        <source>Read each radio first and write the new configuration with its own ID and name</source>
        <translation>Jedes Funkgerät zuerst auslesen und die neue Konfiguration mit seiner eigenen ID und seinem eigenen Namen schreiben</translation>
    </message>
    <message>
        <source>Verify after writing</source>
        <translation>Nach dem Schreiben prüfen</translation>
    </message>
    <message>
        <source>Copy this file&apos;s squelch calibration to every radio</source>
        <translation>Rauschsperren-Kalibrierung dieser Datei in jedes Funkgerät kopieren</translation>
    </message>
    <message>
        <source>Off: each radio keeps the squelch calibration the factory set for it (read first, written back unchanged)</source>
        <translation>Aus: Jedes Funkgerät behält die Rauschsperren-Kalibrierung, die das Werk für es eingestellt hat (zuerst ausgelesen, unverändert zurückgeschrieben)</translation>
    </message>
    <message>
        <source>One cable: the list&apos;s radios one after another on one port</source>
        <translation>Ein Kabel: die Funkgeräte der Liste nacheinander an einer Schnittstelle</translation>
    </message>
    <message>
        <source>Tick the one port; each radio of the imported list is written in turn, and the dialog asks for the next radio (Space or Enter)</source>
        <translation>Kreuzen Sie die eine Schnittstelle an; jedes Funkgerät der importierten Liste wird der Reihe nach beschrieben, und der Dialog fragt nach dem nächsten (Leertaste oder Enter)</translation>
    </message>
    <message>
        <source>First radio ID:</source>
        <translation>Erste Geräte-ID:</translation>
    </message>
    <message>
        <source>ID step:</source>
        <translation>ID-Schrittweite:</translation>
    </message>
    <message>
        <source>Name pattern:</source>
        <translation>Namensmuster:</translation>
    </message>
</context>
<context>
    <name>CFleetPortTable</name>
    <message>
        <source>Radios</source>
        <translation>Funkgeräte</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Schnittstelle</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Radio ID</source>
        <translation>Geräte-ID</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>unplugged</source>
        <translation>abgezogen</translation>
    </message>
</context>
<context>
    <name>CFleetSummaryTable</name>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Schnittstelle</translation>
    </message>
    <message>
        <source>Radio ID</source>
        <translation>Geräte-ID</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Prüfung</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekunden</translation>
    </message>
</context>
<context>
    <name>CFleetWriteDlg</name>
    <message>
        <source>Write to Several Radios</source>
        <translation>In mehrere Funkgeräte schreiben</translation>
    </message>
    <message>
        <source>Radios (one per port, all written at the same time), each with its ID and name:</source>
        <translation>Funkgeräte (eines je Schnittstelle, alle gleichzeitig beschrieben), jedes mit seiner ID und seinem Namen:</translation>
    </message>
    <message>
        <source>/dev/ttyUSB1 or a virtual radio&apos;s /dev/pts/N</source>
        <translation>/dev/ttyUSB1 oder /dev/pts/N eines virtuellen Funkgeräts</translation>
    </message>
    <message>
        <source>Port to add</source>
        <translation>Hinzuzufügende Schnittstelle</translation>
    </message>
    <message>
        <source>Add Port</source>
        <translation>Schnittstelle hinzufügen</translation>
    </message>
    <message>
        <source>Import list...</source>
        <translation>Liste importieren...</translation>
    </message>
    <message>
        <source>The customer&apos;s list: one row a radio with its name, dPMR ID and, optionally, its port; from a CSV file, or the rows copied in a spreadsheet</source>
        <translation>Die Liste des Kunden: eine Zeile je Funkgerät mit Name, dPMR-ID und optional Schnittstelle; aus einer CSV-Datei oder aus einer Tabellenkalkulation kopierte Zeilen</translation>
    </message>
    <message>
        <source>From a CSV File...</source>
        <translation>Aus einer CSV-Datei...</translation>
    </message>
    <message>
        <source>Paste from the Clipboard</source>
        <translation>Aus der Zwischenablage einfügen</translation>
    </message>
    <message>
        <source>Session log</source>
        <translation>Sitzungsprotokoll</translation>
    </message>
    <message>
        <source>Every run and retry of this session is logged here.</source>
        <translation>Jeder Durchlauf und jede Wiederholung dieser Sitzung wird hier protokolliert.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Next Radio</source>
        <translation>Nächstes Gerät</translation>
    </message>
    <message>
        <source>Retry Failed</source>
        <translation>Erneut versuchen</translation>
    </message>
    <message>
        <source>Save Report...</source>
        <translation>Bericht speichern...</translation>
    </message>
    <message>
        <source>Print Report...</source>
        <translation>Bericht drucken...</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>added by hand</source>
        <translation>von Hand hinzugefügt</translation>
    </message>
    <message>
        <source>%1 takes line %2 of the list</source>
        <translation>%1 übernimmt Zeile %2 der Liste</translation>
    </message>
    <message>
        <source>The list was not taken from %1: %2.</source>
        <translation>Die Liste wurde nicht aus %1 übernommen: %2.</translation>
    </message>
    <message>
        <source>named in the list</source>
        <translation>in der Liste genannt</translation>
    </message>
    <message>
        <source>%1 radios from %2.</source>
        <translation>%1 Funkgeräte aus %2.</translation>
    </message>
    <message>
        <source>
No port for %1 yet: plug in another cable, or write them with &quot;One cable&quot;.</source>
        <translation>
Noch keine Schnittstelle für %1: Stecken Sie ein weiteres Kabel ein oder beschreiben Sie sie mit „Ein Kabel“.</translation>
    </message>
    <message>
        <source>Imported %1 rows from %2</source>
        <translation>%1 Zeilen aus %2 importiert</translation>
    </message>
    <message>
        <source>Import List</source>
        <translation>Liste importieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;Text files (*.txt);;All Files (*)</source>
        <translation>CSV-Dateien (*.csv);;Textdateien (*.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The list was not read: %1.</source>
        <translation>Die Liste wurde nicht gelesen: %1.</translation>
    </message>
    <message>
        <source>the clipboard</source>
        <translation>der Zwischenablage</translation>
    </message>
    <message>
        <source>Nothing was sent: %1.</source>
        <translation>Es wurde nichts gesendet: %1.</translation>
    </message>
    <message>
        <source>Nothing was sent: %1 of the list have no radio: plug in another cable or tick another port.</source>
        <translation>Es wurde nichts gesendet: %1 der Liste haben kein Funkgerät: Stecken Sie ein weiteres Kabel ein oder kreuzen Sie eine weitere Schnittstelle an.</translation>
    </message>
    <message>
        <source>Nothing was sent:
%1</source>
        <translation>Es wurde nichts gesendet:
%1</translation>
    </message>
    <message>
        <source>Write the radios all the same?</source>
        <translation>Die Funkgeräte trotzdem beschreiben?</translation>
    </message>
    <message>
        <source>Nothing was sent.</source>
        <translation>Es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>The backups could not be looked through for IDs given before.</source>
        <translation>Die Sicherungen konnten nicht nach früher vergebenen IDs durchsucht werden.</translation>
    </message>
    <message>
        <source>Tick the ports of the radios to write.</source>
        <translation>Kreuzen Sie die Schnittstellen der zu beschreibenden Funkgeräte an.</translation>
    </message>
    <message>
        <source>Every radio keeps the file&apos;s name &quot;%1&quot;.</source>
        <translation>Jedes Funkgerät behält den Namen „%1“ aus der Datei.</translation>
    </message>
    <message>
        <source>Start: %1 radio(s), verify</source>
        <translation>Start: %1 Funkgerät(e), mit Prüfung</translation>
    </message>
    <message>
        <source>Start: %1 radio(s)</source>
        <translation>Start: %1 Funkgerät(e)</translation>
    </message>
    <message>
        <source>One cable: tick the one port the radios are put on.</source>
        <translation>Ein Kabel: Kreuzen Sie die eine Schnittstelle an, an der die Funkgeräte angeschlossen werden.</translation>
    </message>
    <message>
        <source>One cable: import the list of radios first (&quot;Import list...&quot;).</source>
        <translation>Ein Kabel: Importieren Sie zuerst die Liste der Funkgeräte („Liste importieren...“).</translation>
    </message>
    <message>
        <source>One cable on %1: %2 radios</source>
        <translation>Ein Kabel an %1: %2 Funkgeräte</translation>
    </message>
    <message>
        <source>Radio %1 got %2 &quot;%3&quot;: %4.
</source>
        <translation>Funkgerät %1 erhielt %2 „%3“: %4.
</translation>
    </message>
    <message>
        <source>The list is done: %1 of %2 radios written.</source>
        <translation>Die Liste ist abgearbeitet: %1 von %2 Funkgeräten beschrieben.</translation>
    </message>
    <message>
        <source>Next: put radio %1 of %2 on the cable (ID %3, &quot;%4&quot;) and press Space or Enter.</source>
        <translation>Als Nächstes: Schließen Sie Funkgerät %1 von %2 an das Kabel an (ID %3, „%4“) und drücken Sie die Leertaste oder Enter.</translation>
    </message>
    <message>
        <source>Again: put radio %1 of %2 on the cable (ID %3, &quot;%4&quot;) and press Space or Enter.</source>
        <translation>Noch einmal: Schließen Sie Funkgerät %1 von %2 an das Kabel an (ID %3, „%4“) und drücken Sie die Leertaste oder Enter.</translation>
    </message>
    <message>
        <source>Radio %1 of %2 on the cable</source>
        <translation>Funkgerät %1 von %2 am Kabel</translation>
    </message>
    <message>
        <source>Retry: %1 radio(s)</source>
        <translation>Wiederholung: %1 Funkgerät(e)</translation>
    </message>
    <message>
        <source>%1: %2 &quot;%3&quot;: %4</source>
        <translation>%1: %2 „%3“: %4</translation>
    </message>
    <message>
        <source>%1: %2 &quot;%3&quot;: %4, verify %5</source>
        <translation>%1: %2 „%3“: %4, Prüfung %5</translation>
    </message>
    <message>
        <source>May hold a partly written configuration: %1</source>
        <translation>Enthalten möglicherweise eine teilweise geschriebene Konfiguration: %1</translation>
    </message>
    <message>
        <source>%1 of %2 radios written.</source>
        <translation>%1 von %2 Funkgeräten beschrieben.</translation>
    </message>
    <message>
        <source>These radios may now hold a partly written configuration: write them again before using them: %1</source>
        <translation>Diese Funkgeräte enthalten jetzt möglicherweise eine teilweise geschriebene Konfiguration: Beschreiben Sie sie erneut, bevor Sie sie benutzen: %1</translation>
    </message>
    <message>
        <source>
Stopped before the end of the list.</source>
        <translation>
Vor dem Ende der Liste gestoppt.</translation>
    </message>
    <message>
        <source>One cable: stopped before the end of the list</source>
        <translation>Ein Kabel: vor dem Ende der Liste gestoppt</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Bericht speichern</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All Files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The report was not saved.
%1</source>
        <translation>Der Bericht wurde nicht gespeichert.
%1</translation>
    </message>
    <message>
        <source>
Report saved to %1</source>
        <translation>
Bericht gespeichert unter %1</translation>
    </message>
    <message>
        <source>Report saved to %1</source>
        <translation>Bericht gespeichert unter %1</translation>
    </message>
    <message>
        <source>Radios are being written. Stop every transfer and close?</source>
        <translation>Funkgeräte werden gerade beschrieben. Alle Übertragungen stoppen und schließen?</translation>
    </message>
    <message>
        <source>A radio stopped in the middle of its write holds a partly written configuration and is to be written again.</source>
        <translation>Ein Funkgerät, das mitten im Schreiben gestoppt wird, enthält eine teilweise geschriebene Konfiguration und muss erneut beschrieben werden.</translation>
    </message>
    <message>
        <source>Closed during the transfer: every radio stopped</source>
        <translation>Während der Übertragung geschlossen: alle Funkgeräte gestoppt</translation>
    </message>
</context>
<context>
    <name>CGroupRxListPage</name>
    <message>
        <source>Add &gt;&gt;</source>
        <translation>Hinzufügen &gt;&gt;</translation>
    </message>
    <message>
        <source>Del &lt;&lt;</source>
        <translation>Entfernen &lt;&lt;</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Unallocated:</source>
        <translation>Nicht zugeordnet:</translation>
    </message>
    <message>
        <source>Allocated:</source>
        <translation>Zugeordnet:</translation>
    </message>
    <message>
        <source>Group rx lists</source>
        <translation>Rx-Gruppenlisten</translation>
    </message>
</context>
<context>
    <name>CLanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>S&amp;prache</translation>
    </message>
    <message>
        <source>The &amp;Desktop&apos;s Language</source>
        <translation>Sprache des &amp;Desktops</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>The choice of language could not be kept in %1.</source>
        <translation>Die Sprachwahl konnte nicht in %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>The language changes the next time dpmrcps starts.</source>
        <translation>Die Sprache wechselt beim nächsten Start von dpmrcps.</translation>
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
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>UF</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>RF</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederherstellen: %1</translation>
    </message>
</context>
<context>
    <name>CPortSettingDlg</name>
    <message>
        <source>Virtual radio (demo)</source>
        <translation>Virtuelles Funkgerät (Demo)</translation>
    </message>
    <message>
        <source>Port setting</source>
        <translation>Schnittstelle</translation>
    </message>
    <message>
        <source>&amp;Check the connection</source>
        <translation>&amp;Verbindung prüfen</translation>
    </message>
    <message>
        <source>Look for what keeps the program from the radio on this port, and how to fix it</source>
        <translation>Ermitteln, was das Programm an dieser Schnittstelle vom Funkgerät fernhält, und wie es sich beheben lässt</translation>
    </message>
    <message>
        <source>&amp;Device:</source>
        <translation>&amp;Gerät:</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Schnittstelle</translation>
    </message>
    <message>
        <source>%1  (%2)</source>
        <translation>%1  (%2)</translation>
    </message>
    <message>
        <source>%1  (cannot be started)</source>
        <translation>%1  (kann nicht gestartet werden)</translation>
    </message>
    <message>
        <source>Unplugged: %1</source>
        <translation>Abgezogen: %1</translation>
    </message>
    <message>
        <source>Plugged in: %1
</source>
        <translation>Eingesteckt: %1
</translation>
    </message>
    <message>
        <source>Choose a port, or type its device path.</source>
        <translation>Wählen Sie eine Schnittstelle oder geben Sie ihren Gerätepfad ein.</translation>
    </message>
</context>
<context>
    <name>CProgramView</name>
    <message>
        <source>Freq range</source>
        <translation>Frequenzbereich</translation>
    </message>
    <message>
        <source>Channel edit</source>
        <translation>Kanal bearbeiten</translation>
    </message>
    <message>
        <source>Factroy</source>
        <translation>Werksdaten</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <source>Fill Channels</source>
        <translation>Kanäle füllen</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>CProgressDlg</name>
    <message>
        <source>Read data</source>
        <translation>Daten auslesen</translation>
    </message>
    <message>
        <source>Write data</source>
        <translation>Daten schreiben</translation>
    </message>
    <message>
        <source>Connect the radio, switch it on, then press Start.</source>
        <translation>Schließen Sie das Funkgerät an, schalten Sie es ein und drücken Sie dann Start.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Check the connection</source>
        <translation>Verbindung prüfen</translation>
    </message>
    <message>
        <source>Verify after writing</source>
        <translation>Nach dem Schreiben prüfen</translation>
    </message>
    <message>
        <source>Keep the radio&apos;s squelch calibration</source>
        <translation>Rauschsperren-Kalibrierung des Funkgeräts beibehalten</translation>
    </message>
    <message>
        <source>Read the radio&apos;s own squelch calibration first and write it back unchanged, instead of the one in this file (set at the factory for the radio it came from)</source>
        <translation>Die eigene Rauschsperren-Kalibrierung des Funkgeräts zuerst auslesen und unverändert zurückschreiben, statt der aus dieser Datei (im Werk für das Funkgerät eingestellt, von dem sie stammt)</translation>
    </message>
    <message>
        <source>Connecting to the radio...</source>
        <translation>Verbindung zum Funkgerät wird hergestellt...</translation>
    </message>
    <message>
        <source>Ending the session...</source>
        <translation>Sitzung wird beendet...</translation>
    </message>
    <message>
        <source>Verifying block 0x%1...</source>
        <translation>Block 0x%1 wird geprüft...</translation>
    </message>
    <message>
        <source>Writing block 0x%1...</source>
        <translation>Block 0x%1 wird geschrieben...</translation>
    </message>
    <message>
        <source>Reading block 0x%1...</source>
        <translation>Block 0x%1 wird gelesen...</translation>
    </message>
    <message>
        <source>Written. Reading the radio back to verify...</source>
        <translation>Geschrieben. Funkgerät wird zur Prüfung zurückgelesen...</translation>
    </message>
    <message>
        <source>Read from the radio</source>
        <translation>Aus dem Funkgerät ausgelesen</translation>
    </message>
    <message>
        <source>Written</source>
        <translation>Geschrieben</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Gestoppt.</translation>
    </message>
    <message>
        <source>Stopped: the document is as it was.</source>
        <translation>Gestoppt: Das Dokument ist unverändert.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>CRadioCommands</name>
    <message>
        <source>Read from the radio</source>
        <translation>Aus dem Funkgerät ausgelesen</translation>
    </message>
    <message>
        <source>Read from the radio. %1</source>
        <translation>Aus dem Funkgerät ausgelesen. %1</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... und %1 weitere</translation>
    </message>
    <message>
        <source>Write anyway?</source>
        <translation>Trotzdem schreiben?</translation>
    </message>
    <message>
        <source>The radio cannot use this configuration as it stands:

%1</source>
        <translation>Das Funkgerät kann diese Konfiguration so nicht verwenden:

%1</translation>
    </message>
    <message>
        <source>Note before writing:
%1</source>
        <translation>Hinweis vor dem Schreiben:
%1</translation>
    </message>
    <message>
        <source>Written to the radio</source>
        <translation>Ins Funkgerät geschrieben</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>Virtual radio %1 (demo)</source>
        <translation>Virtuelles Funkgerät %1 (Demo)</translation>
    </message>
    <message>
        <source>the port of Read and Write</source>
        <translation>die Schnittstelle für Auslesen und Schreiben</translation>
    </message>
    <message>
        <source>These radios may hold a partly written configuration: %1</source>
        <translation>Diese Funkgeräte enthalten möglicherweise eine teilweise geschriebene Konfiguration: %1</translation>
    </message>
    <message>
        <source>Wrong service password: squelch calibration not opened</source>
        <translation>Falsches Service-Passwort: Rauschsperren-Kalibrierung nicht geöffnet</translation>
    </message>
</context>
<context>
    <name>CReportDlg</name>
    <message>
        <source>Report a Problem</source>
        <translation>Problem melden</translation>
    </message>
    <message>
        <source>This gathers what is needed to look into a connection or a transfer that went wrong into one file for you to attach to your report. Nothing is sent anywhere. It holds:</source>
        <translation>Hier wird alles, was zur Untersuchung einer fehlgeschlagenen Verbindung oder Übertragung nötig ist, in einer Datei zusammengefasst, die Sie Ihrer Meldung anhängen können. Es wird nichts gesendet. Die Datei enthält:</translation>
    </message>
    <message>
        <source>&amp;Include the open configuration (radio ID, radio name, contacts and codes replaced)</source>
        <translation>&amp;Geöffnete Konfiguration beifügen (Geräte-ID, Gerätename, Kontakte und Codes ersetzt)</translation>
    </message>
    <message>
        <source>&amp;Save Report...</source>
        <translation>&amp;Bericht speichern...</translation>
    </message>
    <message>
        <source>Saved to %1. Attach this file to your problem report.</source>
        <translation>Gespeichert unter %1. Hängen Sie diese Datei Ihrer Problemmeldung an.</translation>
    </message>
    <message>
        <source>The report was not saved: %1</source>
        <translation>Der Bericht wurde nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Bericht speichern</translation>
    </message>
    <message>
        <source>Report archives (*.tar.gz);;All Files (*)</source>
        <translation>Berichtsarchive (*.tar.gz);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>CServicePasswordDlg</name>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Pwd</source>
        <translation>Passwort</translation>
    </message>
</context>
<context>
    <name>CSqlCalibrationPage</name>
    <message>
        <source>Freq</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Sql</source>
        <translation>Sql</translation>
    </message>
    <message>
        <source>The frequency of the band, in MHz, that the row calibrates.</source>
        <translation>Die Frequenz des Bands in MHz, die diese Zeile kalibriert.</translation>
    </message>
    <message>
        <source>Squelch calibration points</source>
        <translation>Kalibrierpunkte der Rauschsperre</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Auslesen</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Schreiben</translation>
    </message>
</context>
<context>
    <name>CUserGuideDlg</name>
    <message>
        <source>User Guide</source>
        <translation>Benutzerhandbuch</translation>
    </message>
</context>
<context>
    <name>ChannelTablePrinter</name>
    <message>
        <source>Radio name: %1    Radio id: %2    Freq range: %3</source>
        <translation>Gerätename: %1    Geräte-ID: %2    Frequenzbereich: %3</translation>
    </message>
</context>
<context>
    <name>ConnectionCheck</name>
    <message>
        <source>Check the connection</source>
        <translation>Verbindung prüfen</translation>
    </message>
</context>
<context>
    <name>DocumentQuestions</name>
    <message>
        <source> An earlier save of %1 did not finish; the temporary file it left (%2 and %3 more) was removed.</source>
        <translation> Ein früheres Speichern von %1 wurde nicht abgeschlossen; die zurückgebliebenen temporären Dateien (%2 und %3 weitere) wurden entfernt.</translation>
    </message>
    <message>
        <source> An earlier save of %1 did not finish; the temporary file it left (%2) was removed.</source>
        <translation> Ein früheres Speichern von %1 wurde nicht abgeschlossen; die zurückgebliebene temporäre Datei (%2) wurde entfernt.</translation>
    </message>
    <message>
        <source> %1 itself is whole, as last saved on %2.</source>
        <translation> %1 selbst ist vollständig, wie zuletzt am %2 gespeichert.</translation>
    </message>
    <message>
        <source>Replace the changes made to %1 elsewhere?</source>
        <translation>Die anderswo an %1 vorgenommenen Änderungen ersetzen?</translation>
    </message>
    <message>
        <source>%1 was changed on disk on %2, by another program or window, since it was opened or saved here. Saving replaces those changes with this document.</source>
        <translation>%1 wurde am %2 von einem anderen Programm oder Fenster auf dem Datenträger geändert, seit die Datei hier geöffnet oder gespeichert wurde. Speichern ersetzt diese Änderungen durch dieses Dokument.</translation>
    </message>
    <message>
        <source>Replace all of %1?</source>
        <translation>%1 vollständig ersetzen?</translation>
    </message>
    <message>
        <source>%1 holds %2 bytes, more than a radio image. Saving replaces it with the %3 bytes of this document, and the rest is lost.</source>
        <translation>%1 enthält %2 Bytes, mehr als ein Funkgeräte-Abbild. Speichern ersetzt die Datei durch die %3 Bytes dieses Dokuments, der Rest geht verloren.</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Ersetzen</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>%1 was changed on disk.</source>
        <translation>%1 wurde auf dem Datenträger geändert.</translation>
    </message>
    <message>
        <source>Another program or window saved it on %1, after it was opened or saved here, and this document has changes of its own. Reload puts the file&apos;s content here (Undo brings this document back); Keep Mine keeps this document, and Save then replaces the file with it.</source>
        <translation>Ein anderes Programm oder Fenster hat die Datei am %1 gespeichert, nachdem sie hier geöffnet oder gespeichert wurde, und dieses Dokument hat eigene Änderungen. Neu laden holt den Inhalt der Datei hierher (Rückgängig bringt dieses Dokument zurück); Meine behalten behält dieses Dokument, und Speichern ersetzt dann die Datei damit.</translation>
    </message>
    <message>
        <source>Another program or window saved it on %1, after it was opened or saved here. Reload puts the file&apos;s content here (Undo brings this document back); Keep Mine keeps this document, and Save then replaces the file with it.</source>
        <translation>Ein anderes Programm oder Fenster hat die Datei am %1 gespeichert, nachdem sie hier geöffnet oder gespeichert wurde. Neu laden holt den Inhalt der Datei hierher (Rückgängig bringt dieses Dokument zurück); Meine behalten behält dieses Dokument, und Speichern ersetzt dann die Datei damit.</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>&amp;Neu laden</translation>
    </message>
    <message>
        <source>&amp;Keep Mine</source>
        <translation>&amp;Meine behalten</translation>
    </message>
    <message>
        <source>Save changes?</source>
        <translation>Änderungen speichern?</translation>
    </message>
    <message>
        <source>The radio data in &quot;%1&quot; has been changed.</source>
        <translation>Die Funkgerätedaten in „%1“ wurden geändert.</translation>
    </message>
</context>
<context>
    <name>Field</name>
    <message>
        <source>Channel table</source>
        <translation>Kanaltabelle</translation>
    </message>
    <message>
        <source>The main window&apos;s table: each row one channel&apos;s main settings, edited in place; the Channel edit dialog has them all.</source>
        <translation>Die Tabelle im Hauptfenster: jede Zeile enthält die wichtigsten Einstellungen eines Kanals, direkt in der Zelle bearbeitet; der Dialog „Kanal bearbeiten“ enthält alle.</translation>
    </message>
    <message>
        <source>*和# tone (ms)</source>
        <translation>*和# tone (ms)</translation>
    </message>
    <message>
        <source>10M</source>
        <translation>10 min</translation>
    </message>
    <message>
        <source>1750 signal</source>
        <translation>1750-Hz-Ton</translation>
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
        <translation>Ein DTMF-Code aus bis zu 16 Zeichen 0-9, A-D, * und #: ein Kanal sendet den Code dieser Nummer als Analogruf 1 oder 2 („Kanal bearbeiten“ &gt; Analog).</translation>
    </message>
    <message>
        <source>A beep when scanning ends.</source>
        <translation>Ein Signalton am Ende des Suchlaufs.</translation>
    </message>
    <message>
        <source>A beep when scanning starts.</source>
        <translation>Ein Signalton beim Start des Suchlaufs.</translation>
    </message>
    <message>
        <source>A channel the radio keeps looking at while it scans, so that a call on it is not missed; None for no priority channel. The list offers the channels that hold a frequency.</source>
        <translation>Ein Kanal, den das Funkgerät während des Suchlaufs immer wieder abhört, damit kein Ruf darauf verpasst wird; Keine für keinen Prioritätskanal. Die Liste bietet die Kanäle an, die eine Frequenz haben.</translation>
    </message>
    <message>
        <source>A group code of up to 7 symbols 0-9, A-D, * and # (0x390). Only the bytes are known, not what the radio does with them.</source>
        <translation>Ein Gruppencode aus bis zu 7 Zeichen 0-9, A-D, * und # (0x390). Bekannt sind nur die Bytes, nicht, was das Funkgerät damit macht.</translation>
    </message>
    <message>
        <source>A tone when a digital call&apos;s link ends and the radio returns to its channel.</source>
        <translation>Ein Ton, wenn die Verbindung eines digitalen Rufs endet und das Funkgerät auf seinen Kanal zurückkehrt.</translation>
    </message>
    <message>
        <source>A tone when a group call is received.</source>
        <translation>Ein Ton, wenn ein Gruppenruf empfangen wird.</translation>
    </message>
    <message>
        <source>A tone when a received transmission ends (a roger beep on reception).</source>
        <translation>Ein Ton, wenn eine empfangene Aussendung endet (ein Roger-Piep beim Empfang).</translation>
    </message>
    <message>
        <source>A tone when a single call (a call to this radio alone) is received.</source>
        <translation>Ein Ton, wenn ein Einzelruf (ein Ruf nur an dieses Funkgerät) empfangen wird.</translation>
    </message>
    <message>
        <source>A tone when the radio is switched off.</source>
        <translation>Ein Ton beim Ausschalten des Funkgeräts.</translation>
    </message>
    <message>
        <source>A tone when the radio is switched on.</source>
        <translation>Ein Ton beim Einschalten des Funkgeräts.</translation>
    </message>
    <message>
        <source>A tone when the radio sends a call.</source>
        <translation>Ein Ton, wenn das Funkgerät einen Ruf sendet.</translation>
    </message>
    <message>
        <source>A warning tone before the radio shuts itself down.</source>
        <translation>Ein Warnton, bevor sich das Funkgerät selbst abschaltet.</translation>
    </message>
    <message>
        <source>A warning tone when the battery runs low.</source>
        <translation>Ein Warnton, wenn der Akku schwach wird.</translation>
    </message>
    <message>
        <source>ACK reply delay</source>
        <translation>ACK-Verzögerung</translation>
    </message>
    <message>
        <source>ACK reply times</source>
        <translation>ACK-Wiederholungen</translation>
    </message>
    <message>
        <source>ACK reply wait</source>
        <translation>ACK-Wartezeit</translation>
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
        <translation>Aktivierungscode</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Adjustable parameters: the factory levels of the radio&apos;s audio, modulation, receive and DTMF paths (数字: digital channels, 模拟: analog channels). Read them from the radio, change them only with measuring equipment, and write them back.</source>
        <translation>Einstellbare Parameter: die Werkspegel der Audio-, Modulations-, Empfangs- und DTMF-Pfade des Funkgeräts (数字: digitale Kanäle, 模拟: analoge Kanäle). Aus dem Funkgerät auslesen, nur mit Messgeräten ändern und wieder schreiben.</translation>
    </message>
    <message>
        <source>After a time-out, the seconds the radio waits before it transmits again when PTT is pressed, 0 to 60.</source>
        <translation>Nach einer Zeitüberschreitung die Sekunden, die das Funkgerät wartet, bevor es beim Drücken der PTT wieder sendet, 0 bis 60.</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Alarm time (s)</source>
        <translation>Alarmdauer (s)</translation>
    </message>
    <message>
        <source>Alarm type</source>
        <translation>Alarmart</translation>
    </message>
    <message>
        <source>Allocated:</source>
        <translation>Zugeordnet:</translation>
    </message>
    <message>
        <source>Allow</source>
        <translation>Erlaubt</translation>
    </message>
    <message>
        <source>Allow all call</source>
        <translation>Sammelruf</translation>
    </message>
    <message>
        <source>Allow: after sending a DTMF call the radio waits for an answer for the Response wait time; Inhibit: it does not wait.</source>
        <translation>Erlaubt: Nach dem Senden eines DTMF-Rufs wartet das Funkgerät für die Antwortwartezeit auf eine Antwort; Gesperrt: es wartet nicht.</translation>
    </message>
    <message>
        <source>Allow: you hear the DTMF tones in the speaker while the radio sends them; Inhibit: they are sent silently.</source>
        <translation>Erlaubt: Sie hören die DTMF-Töne im Lautsprecher, während das Funkgerät sie sendet; Gesperrt: sie werden ohne Ton gesendet.</translation>
    </message>
    <message>
        <source>Analog</source>
        <translation>Analog</translation>
    </message>
    <message>
        <source>Analog alarm id code</source>
        <translation>Analog-Alarm-ID</translation>
    </message>
    <message>
        <source>Analog call 1</source>
        <translation>Analogruf 1</translation>
    </message>
    <message>
        <source>Analog call 2</source>
        <translation>Analogruf 2</translation>
    </message>
    <message>
        <source>Analog channel width: Wide (25 kHz) or Narrow (12.5 kHz, as PMR446 uses). Radios that talk to each other need the same width.</source>
        <translation>Kanalbreite analog: Breit (25 kHz) oder Schmal (12,5 kHz, wie bei PMR446). Funkgeräte, die miteinander sprechen, brauchen dieselbe Breite.</translation>
    </message>
    <message>
        <source>Analog signalling on this channel: Off, or DTMF (the analog calls and PTTID below).</source>
        <translation>Analoge Signalisierung auf diesem Kanal: Aus oder DTMF (die Analogrufe und PTTID unten).</translation>
    </message>
    <message>
        <source>Analog: FM only. Digit: dPMR digital only. Mixed(Digit) and Mixed(Analog): the channel takes both kinds of call and transmits digital or analog respectively.</source>
        <translation>Analog: nur FM. Digital: nur dPMR digital. Gemischt (digital) und Gemischt (analog): Der Kanal nimmt beide Rufarten an und sendet digital bzw. analog.</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Auto contact</source>
        <translation>Auto-Kontakt</translation>
    </message>
    <message>
        <source>Auto reset time (s)</source>
        <translation>Rücksetzzeit (s)</translation>
    </message>
    <message>
        <source>Automatic contact on this channel, the function set in Alarm &gt; Auto contact.</source>
        <translation>Automatischer Kontakt auf diesem Kanal, die unter Alarm &gt; Auto-Kontakt eingestellte Funktion.</translation>
    </message>
    <message>
        <source>Automatic contact: allow lets the radio check in by itself at regular times, with the Tx interval and Query interval below; prohibit switches it off. dPMR param &gt; Basic uses the same byte (0x378) for OACSU and Data type: this dialog writes it only when you change this control.</source>
        <translation>Automatischer Kontakt: Erlaubt lässt das Funkgerät sich in regelmäßigen Abständen selbst melden, mit Sendeintervall und Abfrageintervall unten; Gesperrt schaltet ihn aus. dPMR-Parameter &gt; Allgemein nutzt dasselbe Byte (0x378) für OACSU und Datentyp: Dieser Dialog schreibt es nur, wenn Sie dieses Element ändern.</translation>
    </message>
    <message>
        <source>Automatic contact: minutes between its queries, 1 to 10 (a value outside becomes 1). dPMR param &gt; Basic uses the same byte (0x37A) for ACK reply wait: this dialog writes it only when you change this control.</source>
        <translation>Automatischer Kontakt: Minuten zwischen seinen Abfragen, 1 bis 10 (ein Wert außerhalb wird zu 1). dPMR-Parameter &gt; Allgemein nutzt dasselbe Byte (0x37A) für ACK-Wartezeit: Dieser Dialog schreibt es nur, wenn Sie dieses Element ändern.</translation>
    </message>
    <message>
        <source>Automatic contact: seconds between its transmissions, 10 to 60 in steps of 5 (a typed value is rounded down to a step; a value outside becomes 25). dPMR param &gt; Basic uses the same byte (0x379) for ACK reply delay: this dialog writes it only when you change this control.</source>
        <translation>Automatischer Kontakt: Sekunden zwischen seinen Aussendungen, 10 bis 60 in Schritten von 5 (ein eingegebener Wert wird auf einen Schritt abgerundet; ein Wert außerhalb wird zu 25). dPMR-Parameter &gt; Allgemein nutzt dasselbe Byte (0x379) für ACK-Verzögerung: Dieser Dialog schreibt es nur, wenn Sie dieses Element ändern.</translation>
    </message>
    <message>
        <source>Automatic power off: the radio switches itself off after 10 or 30 minutes, 1 or 2 hours without use; Off never does.</source>
        <translation>Automatische Abschaltung (APO): Das Funkgerät schaltet sich nach 10 oder 30 Minuten, 1 oder 2 Stunden ohne Benutzung selbst aus; bei Aus nie.</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Backlight</source>
        <translation>Beleuchtung</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Bandbreite</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Basic setting</source>
        <translation>Grundeinstellungen</translation>
    </message>
    <message>
        <source>Battery saving while the radio waits for a signal: Off, or a ratio from 1:1 to 1:12. A larger second number lets the receiver sleep longer, saving battery, but the start of a call may be missed. Default 1:10.</source>
        <translation>Stromsparen, während das Funkgerät auf ein Signal wartet: Aus oder ein Verhältnis von 1:1 bis 1:12. Je größer die zweite Zahl, desto länger schläft der Empfänger und spart Akku, doch der Anfang eines Rufs kann verloren gehen. Standard 1:10.</translation>
    </message>
    <message>
        <source>Bit 0 of byte 0x31B, named Shock (a vibrating alert, by its name); kept as stored.</source>
        <translation>Bit 0 von Byte 0x31B, ursprünglich „Shock“ genannt (dem Namen nach ein Vibrationsalarm); bleibt wie gespeichert.</translation>
    </message>
    <message>
        <source>Bit 7 of byte 0x318; what the radio does with it is not known. The channel table sets this bit whenever it stores the channels.</source>
        <translation>Bit 7 von Byte 0x318; was das Funkgerät damit macht, ist nicht bekannt. Die Kanaltabelle setzt dieses Bit jedes Mal, wenn sie die Kanäle speichert.</translation>
    </message>
    <message>
        <source>Bit 7 of byte 0x31A; what the radio does with it is not known. The channel table sets this bit whenever it stores the channels.</source>
        <translation>Bit 7 von Byte 0x31A; was das Funkgerät damit macht, ist nicht bekannt. Die Kanaltabelle setzt dieses Bit jedes Mal, wenn sie die Kanäle speichert.</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Beide</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Belegtsperre</translation>
    </message>
    <message>
        <source>Busy channel lockout: Carrier keeps the radio from transmitting while a signal is on the channel; Off allows it.</source>
        <translation>Sendesperre bei belegtem Kanal: Träger verhindert das Senden, solange ein Signal auf dem Kanal ist; Aus erlaubt es.</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>CTCSS signal gain: the level of the sub-audible CTCSS tone sent with analog transmissions. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>CTCSS-Signalverstärkung: der Pegel des unhörbaren CTCSS-Tons, der mit analogen Aussendungen gesendet wird. Ein 16-Bit-Wert, hexadezimal eingegeben, 0000 bis FFFF. Werksabgleich: nur mit Messgeräten zur Hand ändern; wird nur über Auslesen und Schreiben dieses Dialogs übertragen.</translation>
    </message>
    <message>
        <source>CTCSS信号增益</source>
        <translation>CTCSS信号增益</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Ruf</translation>
    </message>
    <message>
        <source>Call 1</source>
        <translation>Ruf 1</translation>
    </message>
    <message>
        <source>Call 2</source>
        <translation>Ruf 2</translation>
    </message>
    <message>
        <source>Call link reset tone</source>
        <translation>Ton Rufende</translation>
    </message>
    <message>
        <source>Call out tone</source>
        <translation>Ton beim Rufen</translation>
    </message>
    <message>
        <source>Carrier</source>
        <translation>Träger</translation>
    </message>
    <message>
        <source>Channel 1</source>
        <translation>Kanal 1</translation>
    </message>
    <message>
        <source>Channel 10</source>
        <translation>Kanal 10</translation>
    </message>
    <message>
        <source>Channel 11</source>
        <translation>Kanal 11</translation>
    </message>
    <message>
        <source>Channel 12</source>
        <translation>Kanal 12</translation>
    </message>
    <message>
        <source>Channel 13</source>
        <translation>Kanal 13</translation>
    </message>
    <message>
        <source>Channel 14</source>
        <translation>Kanal 14</translation>
    </message>
    <message>
        <source>Channel 15</source>
        <translation>Kanal 15</translation>
    </message>
    <message>
        <source>Channel 16</source>
        <translation>Kanal 16</translation>
    </message>
    <message>
        <source>Channel 2</source>
        <translation>Kanal 2</translation>
    </message>
    <message>
        <source>Channel 3</source>
        <translation>Kanal 3</translation>
    </message>
    <message>
        <source>Channel 4</source>
        <translation>Kanal 4</translation>
    </message>
    <message>
        <source>Channel 5</source>
        <translation>Kanal 5</translation>
    </message>
    <message>
        <source>Channel 6</source>
        <translation>Kanal 6</translation>
    </message>
    <message>
        <source>Channel 7</source>
        <translation>Kanal 7</translation>
    </message>
    <message>
        <source>Channel 8</source>
        <translation>Kanal 8</translation>
    </message>
    <message>
        <source>Channel 9</source>
        <translation>Kanal 9</translation>
    </message>
    <message>
        <source>Channel display</source>
        <translation>Kanalanzeige</translation>
    </message>
    <message>
        <source>Channel edit</source>
        <translation>Kanal bearbeiten</translation>
    </message>
    <message>
        <source>Channel no.</source>
        <translation>Kanal-Nr.</translation>
    </message>
    <message>
        <source>Channel type</source>
        <translation>Kanaltyp</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chinesisch</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Codec type</source>
        <translation>Codec</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Kontakt</translation>
    </message>
    <message>
        <source>Cycle</source>
        <translation>Zyklen</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>DCS signal gain: the level of the DCS code sent with analog transmissions. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>DCS-Signalverstärkung: der Pegel des DCS-Codes, der mit analogen Aussendungen gesendet wird. Ein 16-Bit-Wert, hexadezimal eingegeben, 0000 bis FFFF. Werksabgleich: nur mit Messgeräten zur Hand ändern; wird nur über Auslesen und Schreiben dieses Dialogs übertragen.</translation>
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
        <translation>DTMF-Code am Ende einer Aussendung (PTTID-Art Sendeende oder Beide), bis zu 16 Zeichen 0-9, A-D, * und #.</translation>
    </message>
    <message>
        <source>DTMF code sent at the start of a transmission (PTTID type On line or Both), up to 16 symbols 0-9, A-D, * and #.</source>
        <translation>DTMF-Code am Anfang einer Aussendung (PTTID-Art Sendebeginn oder Beide), bis zu 16 Zeichen 0-9, A-D, * und #.</translation>
    </message>
    <message>
        <source>DTMF encoding amplitude adjustment: the level of the DTMF tones the radio sends. One byte typed in hexadecimal, 00 to FF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Amplitude der DTMF-Kodierung: der Pegel der DTMF-Töne, die das Funkgerät sendet. Ein Byte, hexadezimal eingegeben, 00 bis FF. Werksabgleich: nur mit Messgeräten zur Hand ändern; wird nur über Auslesen und Schreiben dieses Dialogs übertragen.</translation>
    </message>
    <message>
        <source>DTMF hold time, 0.5 to 2.0 seconds in steps of 0.1. Only the byte and its range are known, not what the radio times with it.</source>
        <translation>DTMF-Haltezeit, 0.5 bis 2.0 Sekunden in Schritten von 0.1. Bekannt sind nur das Byte und sein Bereich, nicht, was das Funkgerät damit zeitlich steuert.</translation>
    </message>
    <message>
        <source>DTMF编码幅度调节</source>
        <translation>DTMF编码幅度调节</translation>
    </message>
    <message>
        <source>Data type</source>
        <translation>Datentyp</translation>
    </message>
    <message>
        <source>Data type 1 or 2 (bits 3 and 4 of 0x378). Only the bits are known, not which data format each number stands for. The Alarm dialog uses the same byte (0x378) for &quot;Auto contact&quot;; it writes the byte only when that control is changed there.</source>
        <translation>Datentyp 1 oder 2 (Bits 3 und 4 von 0x378). Bekannt sind nur die Bits, nicht, für welches Datenformat jede Zahl steht. Der Dialog „Alarm“ nutzt dasselbe Byte (0x378) für „Auto-Kontakt“; er schreibt das Byte nur, wenn dieses Element dort geändert wird.</translation>
    </message>
    <message>
        <source>Decode</source>
        <translation>Dekodierung</translation>
    </message>
    <message>
        <source>Decode display</source>
        <translation>Code anzeigen</translation>
    </message>
    <message>
        <source>Decode response</source>
        <translation>Reaktion auf Ruf</translation>
    </message>
    <message>
        <source>Decoder input gain: the level of the received signal fed to the digital decoder. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Eingangsverstärkung des Decoders: der Pegel des empfangenen Signals, das dem Digitaldecoder zugeführt wird. Ein 16-Bit-Wert, hexadezimal eingegeben, 0000 bis FFFF. Werksabgleich: nur mit Messgeräten zur Hand ändern; wird nur über Auslesen und Schreiben dieses Dialogs übertragen.</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Delay before the radio transmits, 0.1 to 5.0 seconds. Only the byte and its range are known, not which transmissions the radio delays.</source>
        <translation>Verzögerung, bevor das Funkgerät sendet, 0.1 bis 5.0 Sekunden. Bekannt sind nur das Byte und sein Bereich, nicht, welche Aussendungen das Funkgerät verzögert.</translation>
    </message>
    <message>
        <source>Dial access</source>
        <translation>Wahlzugang</translation>
    </message>
    <message>
        <source>Dial access, 0 to 7 (byte 0x398). Only the byte and its range are known, not what the radio does with it.</source>
        <translation>Wahlzugang, 0 bis 7 (Byte 0x398). Bekannt sind nur das Byte und sein Bereich, nicht, was das Funkgerät damit macht.</translation>
    </message>
    <message>
        <source>Digit</source>
        <translation>Digital</translation>
    </message>
    <message>
        <source>Digit alarm id code</source>
        <translation>Digital-Alarm-ID</translation>
    </message>
    <message>
        <source>Direct</source>
        <translation>Direkt</translation>
    </message>
    <message>
        <source>Direct: digital calls go from radio to radio. Repeat: they go through a dPMR repeater.</source>
        <translation>Direkt: Digitale Rufe gehen von Funkgerät zu Funkgerät. Relais: Sie gehen über ein dPMR-Relais.</translation>
    </message>
    <message>
        <source>EMI</source>
        <translation>Notruf</translation>
    </message>
    <message>
        <source>EMI close</source>
        <translation>Notruf aus</translation>
    </message>
    <message>
        <source>Encode</source>
        <translation>Kodierung</translation>
    </message>
    <message>
        <source>Encrypt</source>
        <translation>Verschlüsselung</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Englisch</translation>
    </message>
    <message>
        <source>Entry delay time (s)</source>
        <translation>Eintrittsverzögerung (s)</translation>
    </message>
    <message>
        <source>Exit delay (s)</source>
        <translation>Austrittsverzögerung (s)</translation>
    </message>
    <message>
        <source>First digit (ms)</source>
        <translation>Erste Ziffer (ms)</translation>
    </message>
    <message>
        <source>First digit delay (ms)</source>
        <translation>Vorlauf erste Ziffer (ms)</translation>
    </message>
    <message>
        <source>Flashlight</source>
        <translation>Taschenlampe</translation>
    </message>
    <message>
        <source>Freq</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Gain of the two modulation signals together, on digital channels. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Verstärkung der beiden Modulationssignale zusammen, auf digitalen Kanälen. Ein 16-Bit-Wert, hexadezimal eingegeben, 0000 bis FFFF. Werksabgleich: nur mit Messgeräten zur Hand ändern; wird nur über Auslesen und Schreiben dieses Dialogs übertragen.</translation>
    </message>
    <message>
        <source>Group call</source>
        <translation>Gruppenruf</translation>
    </message>
    <message>
        <source>Group call code</source>
        <translation>Gruppenrufzeichen</translation>
    </message>
    <message>
        <source>Group call tone</source>
        <translation>Gruppenrufton</translation>
    </message>
    <message>
        <source>Group code</source>
        <translation>Gruppencode</translation>
    </message>
    <message>
        <source>Group hold time</source>
        <translation>Gruppen-Haltezeit</translation>
    </message>
    <message>
        <source>Group rx list</source>
        <translation>Rx-Gruppenliste</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Hihg/Low power</source>
        <translation>Leistung hoch/niedrig</translation>
    </message>
    <message>
        <source>Hold time (s)</source>
        <translation>Haltezeit (s)</translation>
    </message>
    <message>
        <source>How fast DTMF digits are sent: 5, 6 or 10 digits a second. Slow down for receivers that miss digits.</source>
        <translation>Wie schnell DTMF-Ziffern gesendet werden: 5, 6 oder 10 Ziffern pro Sekunde. Für Empfänger, die Ziffern verpassen, langsamer einstellen.</translation>
    </message>
    <message>
        <source>How long a side key must be held to count as a long press, 0.5 to 2.5 seconds in steps of 0.1 (a stored value outside shows 1.0).</source>
        <translation>Wie lange eine Seitentaste gedrückt werden muss, damit es als langer Druck zählt, 0.5 bis 2.5 Sekunden in Schritten von 0.1 (ein gespeicherter Wert außerhalb zeigt 1.0).</translation>
    </message>
    <message>
        <source>How long scanning waits after a transmission or a reception ends before it goes on, 0.1 to 5.0 seconds.</source>
        <translation>Wie lange der Suchlauf nach dem Ende einer Aussendung oder eines Empfangs wartet, bevor er fortfährt, 0.1 bis 5.0 Sekunden.</translation>
    </message>
    <message>
        <source>How long the alarm lasts, 1 to 255 seconds (a value outside becomes 10).</source>
        <translation>Wie lange der Alarm dauert, 1 bis 255 Sekunden (ein Wert außerhalb wird zu 10).</translation>
    </message>
    <message>
        <source>How long the radio keeps transmitting after you stop speaking with VOX, 0.1 to 2.0 seconds in steps of 0.1.</source>
        <translation>Wie lange das Funkgerät mit VOX weitersendet, nachdem Sie aufgehört haben zu sprechen, 0.1 bis 2.0 Sekunden in Schritten von 0.1.</translation>
    </message>
    <message>
        <source>How long the radio listens between the alarm&apos;s transmissions, 1 to 255 seconds (a value outside becomes 8).</source>
        <translation>Wie lange das Funkgerät zwischen den Aussendungen des Alarms empfängt, 1 bis 255 Sekunden (ein Wert außerhalb wird zu 8).</translation>
    </message>
    <message>
        <source>How long the radio sends carrier before a digital transmission, 0 to 1000 ms in steps of 20 (a typed value is rounded down to a step).</source>
        <translation>Wie lange das Funkgerät vor einer digitalen Aussendung den Träger sendet, 0 bis 1000 ms in Schritten von 20 (ein eingegebener Wert wird auf einen Schritt abgerundet).</translation>
    </message>
    <message>
        <source>How long the radio stays in a group call after its last transmission, so that an answer goes back to the same group; 0 to 30, in the radio&apos;s own unit (not known to this program).</source>
        <translation>Wie lange das Funkgerät nach seiner letzten Aussendung in einem Gruppenruf bleibt, damit eine Antwort an dieselbe Gruppe geht; 0 bis 30, in der geräteeigenen Einheit (diesem Programm nicht bekannt).</translation>
    </message>
    <message>
        <source>How long the radio stays in a single call after its last transmission, so that an answer goes back to the same radio; 0 to 30, in the radio&apos;s own unit (not known to this program).</source>
        <translation>Wie lange das Funkgerät nach seiner letzten Aussendung in einem Einzelruf bleibt, damit eine Antwort an dasselbe Funkgerät geht; 0 bis 30, in der geräteeigenen Einheit (diesem Programm nicht bekannt).</translation>
    </message>
    <message>
        <source>How long the radio transmits in each alarm cycle, 1 to 255 seconds (a value outside becomes 5).</source>
        <translation>Wie lange das Funkgerät in jedem Alarmzyklus sendet, 1 bis 255 Sekunden (ein Wert außerhalb wird zu 5).</translation>
    </message>
    <message>
        <source>How long the radio waits before it sends an acknowledgement of a call or message, 0.1 to 5.0 seconds. The Alarm dialog uses the same byte (0x379) for &quot;Tx interval (s)&quot;; it writes the byte only when that control is changed there.</source>
        <translation>Wie lange das Funkgerät wartet, bevor es einen Ruf oder eine Nachricht bestätigt, 0.1 bis 5.0 Sekunden. Der Dialog „Alarm“ nutzt dasselbe Byte (0x379) für „Sendeintervall (s)“; er schreibt das Byte nur, wenn dieses Element dort geändert wird.</translation>
    </message>
    <message>
        <source>How long the radio waits for an acknowledgement of its own call, 0 to 10, in the radio&apos;s own unit (not known to this program). The Alarm dialog uses the same byte (0x37A) for &quot;Query interval (min)&quot;; it writes the byte only when that control is changed there.</source>
        <translation>Wie lange das Funkgerät auf die Bestätigung seines eigenen Rufs wartet, 0 bis 10, in der geräteeigenen Einheit (diesem Programm nicht bekannt). Der Dialog „Alarm“ nutzt dasselbe Byte (0x37A) für „Abfrageintervall (min)“; er schreibt das Byte nur, wenn dieses Element dort geändert wird.</translation>
    </message>
    <message>
        <source>How long the radio waits for an answer to a DTMF call, 0.5 to 10.0 seconds.</source>
        <translation>Wie lange das Funkgerät auf eine Antwort auf einen DTMF-Ruf wartet, 0.5 bis 10.0 Sekunden.</translation>
    </message>
    <message>
        <source>How many times the radio sends a call that is not acknowledged, 1 to 10.</source>
        <translation>Wie oft das Funkgerät einen unbestätigten Ruf sendet, 1 bis 10.</translation>
    </message>
    <message>
        <source>How many transmit and listen cycles the alarm runs, 1 to 255; continue (0) repeats them until the alarm is stopped.</source>
        <translation>Wie viele Sende- und Empfangszyklen der Alarm durchläuft, 1 bis 255; Endlos (0) wiederholt sie, bis der Alarm beendet wird.</translation>
    </message>
    <message>
        <source>How scanning goes on after it stops on a busy channel: Time moves on after the stop time even if the signal is still there; Carrier waits until the signal ends.</source>
        <translation>Wie der Suchlauf nach einem Halt auf einem belegten Kanal weitergeht: Zeit geht nach der Verweilzeit weiter, auch wenn das Signal noch da ist; Träger wartet, bis das Signal endet.</translation>
    </message>
    <message>
        <source>How the alarm identity is sent on analog channels: Off (not sent) or DTMF (the Analog alarm id code as DTMF tones).</source>
        <translation>Wie die Alarmkennung auf analogen Kanälen gesendet wird: Aus (nicht gesendet) oder DTMF (die Analog-Alarm-ID als DTMF-Töne).</translation>
    </message>
    <message>
        <source>How the radio scans the channels whose Scan is on, and where it stops and answers.</source>
        <translation>Wie das Funkgerät die Kanäle mit eingeschaltetem Suchlauf absucht und wo es anhält und antwortet.</translation>
    </message>
    <message>
        <source>How the radio sends DTMF signalling on analog channels, how it answers received DTMF (calls, remote kill), and the 16 DTMF codes channels can send.</source>
        <translation>Wie das Funkgerät DTMF-Signalisierung auf analogen Kanälen sendet, wie es auf empfangene DTMF-Signale reagiert (Rufe, Fernstilllegung), und die 16 DTMF-Codes, die Kanäle senden können.</translation>
    </message>
    <message>
        <source>ID type</source>
        <translation>ID-Art</translation>
    </message>
    <message>
        <source>Inhibit</source>
        <translation>Gesperrt</translation>
    </message>
    <message>
        <source>Key lock</source>
        <translation>Tastensperre</translation>
    </message>
    <message>
        <source>Kill</source>
        <translation>Stilllegen</translation>
    </message>
    <message>
        <source>Kill Active</source>
        <translation>Fernstilllegung</translation>
    </message>
    <message>
        <source>Kill code</source>
        <translation>Stilllegungscode</translation>
    </message>
    <message>
        <source>Kill type</source>
        <translation>Stilllegungsart</translation>
    </message>
    <message>
        <source>Kill/active decode</source>
        <translation>Fernstilllegung</translation>
    </message>
    <message>
        <source>LOUT DC offset adjustment: the DC offset of the left output (LOUT) of the radio&apos;s audio converter. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>LOUT-DC-Offset: der Gleichspannungsversatz des linken Ausgangs (LOUT) des Audiowandlers im Funkgerät. Ein 16-Bit-Wert, hexadezimal eingegeben, 0000 bis FFFF. Werksabgleich: nur mit Messgeräten zur Hand ändern; wird nur über Auslesen und Schreiben dieses Dialogs übertragen.</translation>
    </message>
    <message>
        <source>LOUT直流偏置调节</source>
        <translation>LOUT直流偏置调节</translation>
    </message>
    <message>
        <source>Left channel output gain adjustment, on analog channels. A step from -57 to 6. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Ausgangsverstärkung des linken Audiokanals, auf analogen Kanälen. Eine Stufe von -57 bis 6. Werksabgleich: nur mit Messgeräten zur Hand ändern; wird nur über Auslesen und Schreiben dieses Dialogs übertragen.</translation>
    </message>
    <message>
        <source>Left channel output gain adjustment, on digital channels. A step from -57 to 6. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Ausgangsverstärkung des linken Audiokanals, auf digitalen Kanälen. Eine Stufe von -57 bis 6. Werksabgleich: nur mit Messgeräten zur Hand ändern; wird nur über Auslesen und Schreiben dieses Dialogs übertragen.</translation>
    </message>
    <message>
        <source>Left channel signal gain adjustment, on analog channels. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Signalverstärkung des linken Audiokanals, auf analogen Kanälen. Ein 16-Bit-Wert, hexadezimal eingegeben, 0000 bis FFFF. Werksabgleich: nur mit Messgeräten zur Hand ändern; wird nur über Auslesen und Schreiben dieses Dialogs übertragen.</translation>
    </message>
    <message>
        <source>Left channel signal gain adjustment, on digital channels. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Signalverstärkung des linken Audiokanals, auf digitalen Kanälen. Ein 16-Bit-Wert, hexadezimal eingegeben, 0000 bis FFFF. Werksabgleich: nur mit Messgeräten zur Hand ändern; wird nur über Auslesen und Schreiben dieses Dialogs übertragen.</translation>
    </message>
    <message>
        <source>Length of the * and # tones, 0 to 1000 ms in steps of 100.</source>
        <translation>Dauer der Töne * und #, 0 bis 1000 ms in Schritten von 100.</translation>
    </message>
    <message>
        <source>Length of the first DTMF digit, 0 to 1000 ms in steps of 100.</source>
        <translation>Dauer der ersten DTMF-Ziffer, 0 bis 1000 ms in Schritten von 100.</translation>
    </message>
    <message>
        <source>Length of the wake-up sent ahead of a digital call, 0 to 1200 in steps of 80, so that radios saving battery are awake when the call begins; 0 sends none.</source>
        <translation>Länge des Wecksignals vor einem digitalen Ruf, 0 bis 1200 in Schritten von 80, damit stromsparende Funkgeräte wach sind, wenn der Ruf beginnt; 0 sendet keines.</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>LED</translation>
    </message>
    <message>
        <source>Lone worker on this channel, the function set in Alarm &gt; Work alone.</source>
        <translation>Alleinarbeit auf diesem Kanal, die unter Alarm &gt; Alleinarbeit eingestellte Funktion.</translation>
    </message>
    <message>
        <source>Lone worker: allow makes the radio ask its user to respond after a time without use and raise the alarm when nobody does; prohibit switches the function off.</source>
        <translation>Alleinarbeit: Erlaubt lässt das Funkgerät seinen Benutzer nach einer Zeit ohne Benutzung zu einer Reaktion auffordern und Alarm auslösen, wenn niemand reagiert; Gesperrt schaltet die Funktion aus.</translation>
    </message>
    <message>
        <source>Lone worker: minutes without use before the radio asks its user to respond, 1 to 255 (a value outside becomes 10).</source>
        <translation>Alleinarbeit: Minuten ohne Benutzung, bevor das Funkgerät seinen Benutzer zur Reaktion auffordert, 1 bis 255 (ein Wert außerhalb wird zu 10).</translation>
    </message>
    <message>
        <source>Lone worker: seconds of warning before the alarm is raised, 0 to 255 (a value outside becomes 10).</source>
        <translation>Alleinarbeit: Sekunden Vorwarnung, bevor der Alarm ausgelöst wird, 0 bis 255 (ein Wert außerhalb wird zu 10).</translation>
    </message>
    <message>
        <source>Long key (s)</source>
        <translation>Langdruckzeit (s)</translation>
    </message>
    <message>
        <source>Long press</source>
        <translation>Langer Druck</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Niedrig</translation>
    </message>
    <message>
        <source>Low voltage</source>
        <translation>Unterspannung</translation>
    </message>
    <message>
        <source>Low voltage light</source>
        <translation>LED Unterspannung</translation>
    </message>
    <message>
        <source>MIC输入增益调节 (db)</source>
        <translation>MIC输入增益调节 (db)</translation>
    </message>
    <message>
        <source>Man down: allow raises the alarm when the radio stays tipped over (its user may have fallen); prohibit switches the function off.</source>
        <translation>Lagealarm: Erlaubt löst den Alarm aus, wenn das Funkgerät gekippt liegen bleibt (sein Benutzer könnte gestürzt sein); Gesperrt schaltet die Funktion aus.</translation>
    </message>
    <message>
        <source>Man down: exit delay, 0 to 254 seconds, or unlimited (255); a value outside becomes 10. Only the byte is known: what the radio times with it is not.</source>
        <translation>Lagealarm: Austrittsverzögerung, 0 bis 254 Sekunden oder Unbegrenzt (255); ein Wert außerhalb wird zu 10. Bekannt ist nur das Byte, nicht, was das Funkgerät damit zeitlich steuert.</translation>
    </message>
    <message>
        <source>Man down: seconds of warning before the alarm is raised, 0 to 59 (a value outside becomes 5).</source>
        <translation>Lagealarm: Sekunden Vorwarnung, bevor der Alarm ausgelöst wird, 0 bis 59 (ein Wert außerhalb wird zu 5).</translation>
    </message>
    <message>
        <source>Man down: seconds the radio must stay tipped over before the function starts, 1 to 60 (a value outside becomes 10).</source>
        <translation>Lagealarm: Sekunden, die das Funkgerät gekippt bleiben muss, bevor die Funktion anspricht, 1 bis 60 (ein Wert außerhalb wird zu 10).</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Nachricht</translation>
    </message>
    <message>
        <source>Microphone input gain on analog channels. In dB, from -12 to 35.25 in steps of 0.75. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Mikrofon-Eingangsverstärkung auf analogen Kanälen. In dB, von -12 bis 35.25 in Schritten von 0.75. Werksabgleich: nur mit Messgeräten zur Hand ändern; wird nur über Auslesen und Schreiben dieses Dialogs übertragen.</translation>
    </message>
    <message>
        <source>Microphone input gain on digital channels. In dB, from -12 to 35.25 in steps of 0.75. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Mikrofon-Eingangsverstärkung auf digitalen Kanälen. In dB, von -12 bis 35.25 in Schritten von 0.75. Werksabgleich: nur mit Messgeräten zur Hand ändern; wird nur über Auslesen und Schreiben dieses Dialogs übertragen.</translation>
    </message>
    <message>
        <source>Mixed mode reset</source>
        <translation>Mischbetrieb-Haltezeit</translation>
    </message>
    <message>
        <source>Mixed(Analog)</source>
        <translation>Gemischt (analog)</translation>
    </message>
    <message>
        <source>Mixed(Digit)</source>
        <translation>Gemischt (digital)</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>Monitor</translation>
    </message>
    <message>
        <source>Msg</source>
        <translation>Nachr.</translation>
    </message>
    <message>
        <source>Msg no.</source>
        <translation>Nachr.-Nr.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Narrow</source>
        <translation>Schmal</translation>
    </message>
    <message>
        <source>Narrow noise close</source>
        <translation>Schwelle schmal zu</translation>
    </message>
    <message>
        <source>Narrow noise open</source>
        <translation>Schwelle schmal auf</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Noise ch tmp remove</source>
        <translation>Störkanal ausblenden</translation>
    </message>
    <message>
        <source>Noise squelch threshold of narrow channels, 0 to 127: the noise level at which the squelch closes. A factory calibration: change it only with a signal generator at hand.</source>
        <translation>Rauschsperren-Schwelle schmaler Kanäle, 0 bis 127: der Rauschpegel, bei dem die Rauschsperre schließt. Werkskalibrierung: nur mit einem Messsender zur Hand ändern.</translation>
    </message>
    <message>
        <source>Noise squelch threshold of narrow channels, 0 to 127: the noise level at which the squelch opens. A factory calibration: change it only with a signal generator at hand.</source>
        <translation>Rauschsperren-Schwelle schmaler Kanäle, 0 bis 127: der Rauschpegel, bei dem die Rauschsperre öffnet. Werkskalibrierung: nur mit einem Messsender zur Hand ändern.</translation>
    </message>
    <message>
        <source>Noise squelch threshold of wide channels, 0 to 127: the noise level at which the squelch closes. A factory calibration: change it only with a signal generator at hand.</source>
        <translation>Rauschsperren-Schwelle breiter Kanäle, 0 bis 127: der Rauschpegel, bei dem die Rauschsperre schließt. Werkskalibrierung: nur mit einem Messsender zur Hand ändern.</translation>
    </message>
    <message>
        <source>Noise squelch threshold of wide channels, 0 to 127: the noise level at which the squelch opens. A factory calibration: change it only with a signal generator at hand.</source>
        <translation>Rauschsperren-Schwelle breiter Kanäle, 0 bis 127: der Rauschpegel, bei dem die Rauschsperre öffnet. Werkskalibrierung: nur mit einem Messsender zur Hand ändern.</translation>
    </message>
    <message>
        <source>Noise suppression switch</source>
        <translation>Rauschunterdrückung</translation>
    </message>
    <message>
        <source>Non pri ch</source>
        <translation>Nicht-Prio-Kanäle</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>None: nothing. Monitor (long press only): opens the squelch to listen to weak signals. Scan: starts or stops scanning. Noise ch tmp remove: takes the channel scanning stopped on out of the scan for now. VOX: switches VOX on or off. Hihg/Low power: changes the transmit power. Power detect: tells the battery level. EMI: raises the emergency alarm. Auto contact, Work alone, Talk around, Reverse: switch that function. Call 1, Call 2: send the channel&apos;s call. Channel type: changes between analog and digital. 1750 signal: sends the 1750 Hz tone that opens many analog repeaters. Group call: calls a group. Pri ch scan: scans with the priority channel. Kill, Wake: send the remote kill or wake-up command.</source>
        <translation>Keine: keine Funktion. Monitor (nur langer Druck): öffnet die Rauschsperre, um schwache Signale zu hören. Suchlauf: startet oder beendet den Suchlauf. Störkanal ausblenden: nimmt den Kanal, auf dem der Suchlauf angehalten hat, vorübergehend aus dem Suchlauf. VOX: schaltet VOX ein oder aus. Leistung hoch/niedrig: wechselt die Sendeleistung. Akkustand: meldet den Ladezustand des Akkus. Notruf: löst den Notalarm aus. Auto-Kontakt, Alleinarbeit, Direktbetrieb, Umkehr: schalten die jeweilige Funktion. Ruf 1, Ruf 2: senden den Ruf des Kanals. Kanaltyp: wechselt zwischen analog und digital. 1750-Hz-Ton: sendet den 1750-Hz-Ton, der viele analoge Relais öffnet. Gruppenruf: ruft eine Gruppe. Prio-Suchlauf: Suchlauf mit dem Prioritätskanal. Stilllegen, Wecken: senden den Befehl zur Fernstilllegung bzw. zum Wecken.</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Not detect</source>
        <translation>Keine Prüfung</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>OACSU</source>
        <translation>OACSU</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Off Air Call Set-Up: before a single call the radio first checks that the called radio is there and answers, and only then opens the voice link, so that nobody talks into the void. Off: the call starts at once. The Alarm dialog uses the same byte (0x378) for &quot;Auto contact&quot;; it writes the byte only when that control is changed there.</source>
        <translation>Off Air Call Set-Up: Vor einem Einzelruf prüft das Funkgerät zuerst, ob das gerufene Funkgerät erreichbar ist und antwortet, und öffnet erst dann die Sprachverbindung, damit niemand ins Leere spricht. Aus: Der Ruf beginnt sofort. Der Dialog „Alarm“ nutzt dasselbe Byte (0x378) für „Auto-Kontakt“; er schreibt das Byte nur, wenn dieses Element dort geändert wird.</translation>
    </message>
    <message>
        <source>Off line</source>
        <translation>Sendeende</translation>
    </message>
    <message>
        <source>Off-line  code</source>
        <translation>Code Sendeende</translation>
    </message>
    <message>
        <source>Offset direction</source>
        <translation>Ablagerichtung</translation>
    </message>
    <message>
        <source>Offset freq (MHz)</source>
        <translation>Ablage (MHz)</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>On line</source>
        <translation>Sendebeginn</translation>
    </message>
    <message>
        <source>On mixed channels: how long the radio keeps the mode (analog or digital) of the last call before it listens for both again; 0 to 30, in the radio&apos;s own unit (not known to this program).</source>
        <translation>Auf gemischten Kanälen: wie lange das Funkgerät die Betriebsart (analog oder digital) des letzten Rufs beibehält, bevor es wieder auf beide hört; 0 bis 30, in der geräteeigenen Einheit (diesem Programm nicht bekannt).</translation>
    </message>
    <message>
        <source>On which channels scanning checks the receive tone before it stops: Not detect on none (it stops on any signal), Non pri ch on the channels other than the priority channel, Priority ch on the priority channel only, all ch on every channel.</source>
        <translation>Auf welchen Kanälen der Suchlauf vor dem Anhalten den Rx-Ton prüft: Keine Prüfung auf keinem (er hält bei jedem Signal), Nicht-Prio-Kanäle auf allen Kanälen außer dem Prioritätskanal, Prio-Kanal nur auf dem Prioritätskanal, Alle Kanäle auf jedem Kanal.</translation>
    </message>
    <message>
        <source>On-line code</source>
        <translation>Code Sendebeginn</translation>
    </message>
    <message>
        <source>On: pressing PTT while scanning has stopped on a channel answers on that channel.</source>
        <translation>Ein: Drücken der PTT, während der Suchlauf auf einem Kanal angehalten hat, antwortet auf diesem Kanal.</translation>
    </message>
    <message>
        <source>On: the channel works through a repeater, with different receive and transmit frequencies. With both frequencies equal the dialog sets Off and leaves it so.</source>
        <translation>Ein: Der Kanal arbeitet über ein Relais, mit verschiedenen Empfangs- und Sendefrequenzen. Sind beide Frequenzen gleich, setzt der Dialog Aus und belässt es dabei.</translation>
    </message>
    <message>
        <source>On: the radio obeys the DTMF remote kill (Kill code) and the command that makes it active again; Off: it ignores them.</source>
        <translation>Ein: Das Funkgerät befolgt die DTMF-Fernstilllegung (Stilllegungscode) und den Befehl, der es wieder aktiviert; Aus: Es ignoriert sie.</translation>
    </message>
    <message>
        <source>On: the radio obeys the digital remote kill and activate commands (Kill code, Active code); Off: it ignores them.</source>
        <translation>Ein: Das Funkgerät befolgt die digitalen Befehle zum Stilllegen und Aktivieren (Stilllegungscode, Aktivierungscode); Aus: Es ignoriert sie.</translation>
    </message>
    <message>
        <source>On: the radio receives all calls, the calls addressed to every radio; Off: it ignores them.</source>
        <translation>Ein: Das Funkgerät empfängt Sammelrufe, die Rufe an alle Funkgeräte; Aus: Es ignoriert sie.</translation>
    </message>
    <message>
        <source>One channel at a time, with its analog and its digital settings; Channel no. and its spin step through the 16 channels. Closing keeps the edits.</source>
        <translation>Ein Kanal auf einmal, mit seinen analogen und digitalen Einstellungen; Kanal-Nr. und ihr Drehfeld blättern durch die 16 Kanäle. Beim Schließen bleiben die Änderungen erhalten.</translation>
    </message>
    <message>
        <source>Only rx</source>
        <translation>Nur Rx</translation>
    </message>
    <message>
        <source>Only whistle</source>
        <translation>Nur Sirene</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>PTTID</source>
        <translation>PTTID</translation>
    </message>
    <message>
        <source>PTTID type</source>
        <translation>PTTID-Art</translation>
    </message>
    <message>
        <source>Pause between the start of the transmission and the first DTMF digit, 100 to 1000 ms in steps of 100, so that the receiver has opened before the digits come.</source>
        <translation>Pause zwischen dem Beginn der Aussendung und der ersten DTMF-Ziffer, 100 bis 1000 ms in Schritten von 100, damit der Empfänger geöffnet hat, bevor die Ziffern kommen.</translation>
    </message>
    <message>
        <source>Person ID</source>
        <translation>Eigene ID</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Leistung</translation>
    </message>
    <message>
        <source>Power detect</source>
        <translation>Akkustand</translation>
    </message>
    <message>
        <source>Power-on light</source>
        <translation>LED beim Einschalten</translation>
    </message>
    <message>
        <source>Power-on tone</source>
        <translation>Einschaltton</translation>
    </message>
    <message>
        <source>Pri ch scan</source>
        <translation>Prio-Suchlauf</translation>
    </message>
    <message>
        <source>Priority ch</source>
        <translation>Prio-Kanal</translation>
    </message>
    <message>
        <source>Priority channel</source>
        <translation>Prioritätskanal</translation>
    </message>
    <message>
        <source>Query interval (min)</source>
        <translation>Abfrageintervall (min)</translation>
    </message>
    <message>
        <source>ROUT DC offset adjustment: the DC offset of the right output (ROUT) of the radio&apos;s audio converter. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>ROUT-DC-Offset: der Gleichspannungsversatz des rechten Ausgangs (ROUT) des Audiowandlers im Funkgerät. Ein 16-Bit-Wert, hexadezimal eingegeben, 0000 bis FFFF. Werksabgleich: nur mit Messgeräten zur Hand ändern; wird nur über Auslesen und Schreiben dieses Dialogs übertragen.</translation>
    </message>
    <message>
        <source>ROUT直流偏置调节</source>
        <translation>ROUT直流偏置调节</translation>
    </message>
    <message>
        <source>Radio id</source>
        <translation>Geräte-ID</translation>
    </message>
    <message>
        <source>Radio name</source>
        <translation>Gerätename</translation>
    </message>
    <message>
        <source>Receive frequency in MHz, for example 446.00625 (PMR446 lies from 446.0 to 446.2 MHz). A frequency outside the band in use becomes its lower edge, and one off the 2.5 and 3.125 kHz rasters moves to the nearest point. Clearing it empties the channel.</source>
        <translation>Empfangsfrequenz in MHz, zum Beispiel 446.00625 (PMR446 liegt zwischen 446.0 und 446.2 MHz). Eine Frequenz außerhalb des verwendeten Bands wird zu dessen Untergrenze, eine Frequenz neben den Rastern von 2,5 und 3,125 kHz rückt auf den nächsten Rasterpunkt. Löschen der Frequenz leert den Kanal.</translation>
    </message>
    <message>
        <source>Receive input gain on analog channels. In dB, from -12 to 35.25 in steps of 0.75. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Empfangs-Eingangsverstärkung auf analogen Kanälen. In dB, von -12 bis 35.25 in Schritten von 0.75. Werksabgleich: nur mit Messgeräten zur Hand ändern; wird nur über Auslesen und Schreiben dieses Dialogs übertragen.</translation>
    </message>
    <message>
        <source>Receive input gain on digital channels. In dB, from -12 to 35.25 in steps of 0.75. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Empfangs-Eingangsverstärkung auf digitalen Kanälen. In dB, von -12 bis 35.25 in Schritten von 0.75. Werksabgleich: nur mit Messgeräten zur Hand ändern; wird nur über Auslesen und Schreiben dieses Dialogs übertragen.</translation>
    </message>
    <message>
        <source>Receive only (bit 7 of record byte +0x11); the dialog always stores Off.</source>
        <translation>Nur Empfang (Bit 7 von Byte +0x11 des Kanaldatensatzes); der Dialog speichert immer Aus.</translation>
    </message>
    <message>
        <source>Received voice output gain on analog channels: the level of the received voice. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Ausgangsverstärkung der empfangenen Sprache auf analogen Kanälen: der Pegel der empfangenen Sprache. Ein 16-Bit-Wert, hexadezimal eingegeben, 0000 bis FFFF. Werksabgleich: nur mit Messgeräten zur Hand ändern; wird nur über Auslesen und Schreiben dieses Dialogs übertragen.</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Aufnahme</translation>
    </message>
    <message>
        <source>Remind</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Remind and Reply</source>
        <translation>Hinweis und Antwort</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Relais</translation>
    </message>
    <message>
        <source>Repeat mode</source>
        <translation>Relaismodus</translation>
    </message>
    <message>
        <source>Reply</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>Response wait</source>
        <translation>Antwort abwarten</translation>
    </message>
    <message>
        <source>Response wait time (s)</source>
        <translation>Antwortwartezeit (s)</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Umkehr</translation>
    </message>
    <message>
        <source>Right channel output gain adjustment, on analog channels. A step from -57 to 6. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Ausgangsverstärkung des rechten Audiokanals, auf analogen Kanälen. Eine Stufe von -57 bis 6. Werksabgleich: nur mit Messgeräten zur Hand ändern; wird nur über Auslesen und Schreiben dieses Dialogs übertragen.</translation>
    </message>
    <message>
        <source>Right channel output gain adjustment, on digital channels. A step from -57 to 6. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Ausgangsverstärkung des rechten Audiokanals, auf digitalen Kanälen. Eine Stufe von -57 bis 6. Werksabgleich: nur mit Messgeräten zur Hand ändern; wird nur über Auslesen und Schreiben dieses Dialogs übertragen.</translation>
    </message>
    <message>
        <source>Right channel signal gain adjustment, on analog channels. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Signalverstärkung des rechten Audiokanals, auf analogen Kanälen. Ein 16-Bit-Wert, hexadezimal eingegeben, 0000 bis FFFF. Werksabgleich: nur mit Messgeräten zur Hand ändern; wird nur über Auslesen und Schreiben dieses Dialogs übertragen.</translation>
    </message>
    <message>
        <source>Right channel signal gain adjustment, on digital channels. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Signalverstärkung des rechten Audiokanals, auf digitalen Kanälen. Ein 16-Bit-Wert, hexadezimal eingegeben, 0000 bis FFFF. Werksabgleich: nur mit Messgeräten zur Hand ändern; wird nur über Auslesen und Schreiben dieses Dialogs übertragen.</translation>
    </message>
    <message>
        <source>Rx</source>
        <translation>Rx</translation>
    </message>
    <message>
        <source>Rx Freq</source>
        <translation>Rx-Frequenz</translation>
    </message>
    <message>
        <source>Rx Tone</source>
        <translation>Rx-Ton</translation>
    </message>
    <message>
        <source>Rx color code</source>
        <translation>Rx-Farbcode</translation>
    </message>
    <message>
        <source>Rx exit tone</source>
        <translation>Ton Empfangsende</translation>
    </message>
    <message>
        <source>Rx freq (MHz)</source>
        <translation>Rx-Frequenz (MHz)</translation>
    </message>
    <message>
        <source>Rx light</source>
        <translation>Rx-LED</translation>
    </message>
    <message>
        <source>Rx time (s)</source>
        <translation>Empfangszeit (s)</translation>
    </message>
    <message>
        <source>Rx tone</source>
        <translation>Rx-Ton</translation>
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
        <translation>Dasselbe Byte wie Alarm &gt; Auto-Kontakt</translation>
    </message>
    <message>
        <source>Same byte as Alarm &gt; Query interval (min)</source>
        <translation>Dasselbe Byte wie Alarm &gt; Abfrageintervall (min)</translation>
    </message>
    <message>
        <source>Same byte as Alarm &gt; Tx interval (s)</source>
        <translation>Dasselbe Byte wie Alarm &gt; Sendeintervall (s)</translation>
    </message>
    <message>
        <source>Same byte as dPMR param &gt; Basic &gt; ACK reply delay; written only when changed here</source>
        <translation>Dasselbe Byte wie dPMR-Parameter &gt; Allgemein &gt; ACK-Verzögerung; wird nur bei Änderung hier geschrieben</translation>
    </message>
    <message>
        <source>Same byte as dPMR param &gt; Basic &gt; ACK reply wait; written only when changed here</source>
        <translation>Dasselbe Byte wie dPMR-Parameter &gt; Allgemein &gt; ACK-Wartezeit; wird nur bei Änderung hier geschrieben</translation>
    </message>
    <message>
        <source>Same byte as dPMR param &gt; Basic &gt; OACSU and Data type; written only when changed here</source>
        <translation>Dasselbe Byte wie dPMR-Parameter &gt; Allgemein &gt; OACSU und Datentyp; wird nur bei Änderung hier geschrieben</translation>
    </message>
    <message>
        <source>Saving delay time (s)</source>
        <translation>Sparverzögerung (s)</translation>
    </message>
    <message>
        <source>Saving mode</source>
        <translation>Stromsparen</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Suchlauf</translation>
    </message>
    <message>
        <source>Scan Info</source>
        <translation>Suchlauf</translation>
    </message>
    <message>
        <source>Scan begin beep</source>
        <translation>Ton Suchlaufstart</translation>
    </message>
    <message>
        <source>Scan end beep</source>
        <translation>Ton Suchlaufende</translation>
    </message>
    <message>
        <source>Scan mode</source>
        <translation>Suchlaufart</translation>
    </message>
    <message>
        <source>Scan state light</source>
        <translation>LED Suchlauf</translation>
    </message>
    <message>
        <source>Scan tx channel</source>
        <translation>Sendekanal Suchlauf</translation>
    </message>
    <message>
        <source>Scan tx/rx resume delay time (s)</source>
        <translation>Fortsetzen nach Tx/Rx (s)</translation>
    </message>
    <message>
        <source>Seconds PTT must stay released before the time-out timer starts counting afresh, 0 to 30.</source>
        <translation>Sekunden, die die PTT losgelassen bleiben muss, bevor die Sendezeitbegrenzung von vorn zu zählen beginnt, 0 bis 30.</translation>
    </message>
    <message>
        <source>Seconds after a decoded DTMF call before the radio returns to its normal state, 0 to 255.</source>
        <translation>Sekunden nach einem dekodierten DTMF-Ruf, bis das Funkgerät in seinen Normalzustand zurückkehrt, 0 bis 255.</translation>
    </message>
    <message>
        <source>Seconds before the time-out timer runs out at which the radio warns with a tone, 0 to 15 (0: no warning).</source>
        <translation>Sekunden vor Ablauf der Sendezeitbegrenzung, zu denen das Funkgerät mit einem Ton warnt, 0 bis 15 (0: keine Warnung).</translation>
    </message>
    <message>
        <source>Seconds without activity before battery saving starts, 10 to 60 in steps of 5 (a typed value is rounded down to a step).</source>
        <translation>Sekunden ohne Aktivität, bevor das Stromsparen beginnt, 10 bis 60 in Schritten von 5 (ein eingegebener Wert wird auf einen Schritt abgerundet).</translation>
    </message>
    <message>
        <source>Secret</source>
        <translation>Still</translation>
    </message>
    <message>
        <source>Send alarm id</source>
        <translation>Alarm-ID senden</translation>
    </message>
    <message>
        <source>Sends the DTMF identity (DTMF &gt; Encode: PTTID type, On-line and Off-line code) with each transmission on this channel.</source>
        <translation>Sendet die DTMF-Kennung (DTMF &gt; Kodierung: PTTID-Art, Code Sendebeginn und Code Sendeende) bei jeder Aussendung auf diesem Kanal.</translation>
    </message>
    <message>
        <source>Shock</source>
        <translation>Vibration</translation>
    </message>
    <message>
        <source>Short beep</source>
        <translation>Kurzton</translation>
    </message>
    <message>
        <source>Short beep, Inhibit or Allow (bit 1 of 0x2007); only the bit is known, not what the radio does with it.</source>
        <translation>Kurzton, Gesperrt oder Erlaubt (Bit 1 von 0x2007); bekannt ist nur das Bit, nicht, was das Funkgerät damit macht.</translation>
    </message>
    <message>
        <source>Short press</source>
        <translation>Kurzer Druck</translation>
    </message>
    <message>
        <source>Shutdown pre-aleat tone</source>
        <translation>Vorwarnton Abschaltung</translation>
    </message>
    <message>
        <source>Shutdown tone</source>
        <translation>Ausschaltton</translation>
    </message>
    <message>
        <source>Side Key</source>
        <translation>Seitentasten</translation>
    </message>
    <message>
        <source>Side tone</source>
        <translation>Mithörton</translation>
    </message>
    <message>
        <source>Signal gain after the limiter, on analog channels: the transmitted deviation of the voice. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Signalverstärkung nach dem Begrenzer, auf analogen Kanälen: der gesendete Hub der Sprache. Ein 16-Bit-Wert, hexadezimal eingegeben, 0000 bis FFFF. Werksabgleich: nur mit Messgeräten zur Hand ändern; wird nur über Auslesen und Schreiben dieses Dialogs übertragen.</translation>
    </message>
    <message>
        <source>Signal gain before the limiter, on analog channels: how hard the voice drives the deviation limiter. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Signalverstärkung vor dem Begrenzer, auf analogen Kanälen: wie stark die Sprache den Hubbegrenzer aussteuert. Ein 16-Bit-Wert, hexadezimal eingegeben, 0000 bis FFFF. Werksabgleich: nur mit Messgeräten zur Hand ändern; wird nur über Auslesen und Schreiben dieses Dialogs übertragen.</translation>
    </message>
    <message>
        <source>Signal type</source>
        <translation>Signalisierung</translation>
    </message>
    <message>
        <source>Single call time</source>
        <translation>Einzelruf-Haltezeit</translation>
    </message>
    <message>
        <source>Single call tone</source>
        <translation>Einzelrufton</translation>
    </message>
    <message>
        <source>Single call: one radio. Group call: a group of radios sharing the number; only group calls can be members of a group receive list.</source>
        <translation>Einzelruf: ein Funkgerät. Gruppenruf: eine Gruppe von Funkgeräten mit gemeinsamer Nummer; nur Gruppenrufe können Mitglieder einer Rx-Gruppenliste sein.</translation>
    </message>
    <message>
        <source>Specified ch</source>
        <translation>Fester Kanal</translation>
    </message>
    <message>
        <source>Specified channel</source>
        <translation>Fester Kanal</translation>
    </message>
    <message>
        <source>Speed (digit/s)</source>
        <translation>Tempo (Ziffern/s)</translation>
    </message>
    <message>
        <source>Spoken announcements of the radio (the channel, for example): Off, in Chinese or in English.</source>
        <translation>Sprachansagen des Funkgeräts (zum Beispiel der Kanal): Aus, auf Chinesisch oder auf Englisch.</translation>
    </message>
    <message>
        <source>Sql</source>
        <translation>Sql</translation>
    </message>
    <message>
        <source>Squelch calibration at this frequency of the band, 1 to 255 (an empty cell stores 60): the reference the radio&apos;s SQL levels are set from near this frequency. A factory calibration: change it only with a signal generator at hand.</source>
        <translation>Rauschsperren-Kalibrierung bei dieser Frequenz des Bands, 1 bis 255 (eine leere Zelle speichert 60): der Bezugswert, von dem aus die SQL-Stufen des Funkgeräts in der Nähe dieser Frequenz eingestellt werden. Werkskalibrierung: nur mit einem Messsender zur Hand ändern.</translation>
    </message>
    <message>
        <source>Squelch calibration: the noise thresholds at which the squelch opens and closes, and a squelch reference at points across the band. A factory calibration: change it only with a signal generator at hand.</source>
        <translation>Rauschsperren-Kalibrierung: die Rauschschwellen, bei denen die Rauschsperre öffnet und schließt, und ein Bezugswert der Rauschsperre an Punkten über das Band verteilt. Werkskalibrierung: nur mit einem Messsender zur Hand ändern.</translation>
    </message>
    <message>
        <source>Squelch level, 0 to 9: how strong a signal must be before the radio opens its speaker. Low levels let weak signals (and more noise) through, high levels need stronger signals. Default 5.</source>
        <translation>Rauschsperrenstufe, 0 bis 9: wie stark ein Signal sein muss, bevor das Funkgerät den Lautsprecher öffnet. Niedrige Stufen lassen schwache Signale (und mehr Rauschen) durch, hohe Stufen brauchen stärkere Signale. Standard 5.</translation>
    </message>
    <message>
        <source>Squelch tail elimination, against the burst of noise heard when the other radio stops transmitting: Freq, or 120, 180 or 240, the degrees by which the CTCSS tone&apos;s phase is turned at the end of a transmission. Use the setting the other radios of the group use.</source>
        <translation>Unterdrückung des Rauschschwanzes (Squelch Tail Elimination) gegen den Rauschstoß, der zu hören ist, wenn das andere Funkgerät aufhört zu senden: Frequenz oder 120, 180 bzw. 240, die Grad, um die die Phase des CTCSS-Tons am Ende einer Aussendung gedreht wird. Verwenden Sie die Einstellung der anderen Funkgeräte der Gruppe.</translation>
    </message>
    <message>
        <source>Stop time (s)</source>
        <translation>Verweilzeit (s)</translation>
    </message>
    <message>
        <source>Swaps receive and transmit frequency, to listen on a repeater&apos;s input.</source>
        <translation>Vertauscht Empfangs- und Sendefrequenz, um die Eingangsfrequenz eines Relais abzuhören.</translation>
    </message>
    <message>
        <source>TCXO (reference oscillator) output gain adjustment. A step from -57 to 6. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Ausgangsverstärkung des TCXO (Referenzoszillator). Eine Stufe von -57 bis 6. Werksabgleich: nur mit Messgeräten zur Hand ändern; wird nur über Auslesen und Schreiben dieses Dialogs übertragen.</translation>
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
        <translation>TOT-Vorwarnung (s)</translation>
    </message>
    <message>
        <source>TOT re-key time (s)</source>
        <translation>TOT-Sperrzeit (s)</translation>
    </message>
    <message>
        <source>TOT reset time (s)</source>
        <translation>TOT-Rücksetzzeit (s)</translation>
    </message>
    <message>
        <source>Talk around</source>
        <translation>Direktbetrieb</translation>
    </message>
    <message>
        <source>Talk back</source>
        <translation>Rückantwort</translation>
    </message>
    <message>
        <source>The 16 group receive lists. A channel that uses a list (Channel edit &gt; Group rx list) receives the group calls to its members; choose a list to edit them.</source>
        <translation>Die 16 Rx-Gruppenlisten. Ein Kanal, der eine Liste verwendet („Kanal bearbeiten“ &gt; Rx-Gruppenliste), empfängt die Gruppenrufe an ihre Mitglieder; wählen Sie eine Liste aus, um sie zu bearbeiten.</translation>
    </message>
    <message>
        <source>The 7-digit code of the command that makes a killed radio active again. An invalid code (0000000, a whole million, above 9000000) becomes 9999991.</source>
        <translation>Der 7-stellige Code des Befehls, der ein stillgelegtes Funkgerät wieder aktiviert. Ein ungültiger Code (0000000, eine volle Million, über 9000000) wird zu 9999991.</translation>
    </message>
    <message>
        <source>The 7-digit code of the digital kill command this radio obeys. An invalid code (0000000, a whole million, above 9000000) becomes 9999990.</source>
        <translation>Der 7-stellige Code des digitalen Stilllegungsbefehls, den dieses Funkgerät befolgt. Ein ungültiger Code (0000000, eine volle Million, über 9000000) wird zu 9999990.</translation>
    </message>
    <message>
        <source>The 7-digit identity the alarm sends on digital channels. 0000000, the whole millions 1000000 to 9000000 and numbers above 9000000 are not valid and become 9999998.</source>
        <translation>Die 7-stellige Kennung, die der Alarm auf digitalen Kanälen sendet. 0000000, die vollen Millionen 1000000 bis 9000000 und Zahlen über 9000000 sind ungültig und werden zu 9999998.</translation>
    </message>
    <message>
        <source>The CTCSS tone (63.0 to 254.1 Hz) or DCS code (D023N, or D023I inverted) a signal must carry before the radio opens its speaker; None hears every signal. A number typed without a point is taken as a DCS code.</source>
        <translation>Der CTCSS-Ton (63.0 bis 254.1 Hz) oder DCS-Code (D023N, invertiert D023I), den ein Signal tragen muss, bevor das Funkgerät den Lautsprecher öffnet; Keine hört jedes Signal. Eine Zahl ohne Punkt gilt als DCS-Code.</translation>
    </message>
    <message>
        <source>The CTCSS tone or DCS code sent with each transmission, so that receivers set to it hear you; None sends none. A number typed without a point is taken as a DCS code.</source>
        <translation>Der CTCSS-Ton oder DCS-Code, der mit jeder Aussendung gesendet wird, damit darauf eingestellte Empfänger Sie hören; Keine sendet keinen. Eine Zahl ohne Punkt gilt als DCS-Code.</translation>
    </message>
    <message>
        <source>The DTMF code (DTMF &gt; Contact) the Call 1 key function sends on this channel, or None.</source>
        <translation>Der DTMF-Code (DTMF &gt; Kontakt), den die Tastenfunktion Ruf 1 auf diesem Kanal sendet, oder Keine.</translation>
    </message>
    <message>
        <source>The DTMF code (DTMF &gt; Contact) the Call 2 key function sends on this channel, or None.</source>
        <translation>Der DTMF-Code (DTMF &gt; Kontakt), den die Tastenfunktion Ruf 2 auf diesem Kanal sendet, oder Keine.</translation>
    </message>
    <message>
        <source>The DTMF code that kills the radio when it is received, up to 15 symbols 0-9, A-D, * and #; a # is stored after the last one.</source>
        <translation>Der DTMF-Code, der das Funkgerät bei Empfang stilllegt, bis zu 15 Zeichen 0-9, A-D, * und #; nach dem letzten wird ein # gespeichert.</translation>
    </message>
    <message>
        <source>The DTMF symbol that makes a received code a group call (A, B, C, D, * or #), or None for no group calls.</source>
        <translation>Das DTMF-Zeichen, das einen empfangenen Code zum Gruppenruf macht (A, B, C, D, * oder #), oder Keine für keine Gruppenrufe.</translation>
    </message>
    <message>
        <source>The channel PTT transmits on during a scan when Scan tx channel is Specified ch; None for none.</source>
        <translation>Der Kanal, auf dem PTT während eines Suchlaufs sendet, wenn Sendekanal Suchlauf auf Fester Kanal steht; Keine für keinen.</translation>
    </message>
    <message>
        <source>The channel PTT transmits on during a scan: the channel in use before the scan began, the last channel where a signal was heard, or the specified channel.</source>
        <translation>Der Kanal, auf dem PTT während eines Suchlaufs sendet: der Kanal vor Beginn des Suchlaufs, der letzte Kanal, auf dem ein Signal zu hören war, oder der feste Kanal.</translation>
    </message>
    <message>
        <source>The channel on show, 1 to 16. The spin and the arrow keys step through the channels (16 follows 1 backwards); the channel left is stored first.</source>
        <translation>Der angezeigte Kanal, 1 bis 16. Das Drehfeld und die Pfeiltasten blättern durch die Kanäle (rückwärts folgt 16 auf 1); der verlassene Kanal wird zuerst gespeichert.</translation>
    </message>
    <message>
        <source>The channel takes part in scanning. The channel table shows this as Add or Del.</source>
        <translation>Der Kanal nimmt am Suchlauf teil. Die Kanaltabelle zeigt dies als Ja oder Nein.</translation>
    </message>
    <message>
        <source>The channel&apos;s number, 1 to 16. An empty row is an empty channel: type a receive frequency to make it.</source>
        <translation>Die Nummer des Kanals, 1 bis 16. Eine leere Zeile ist ein leerer Kanal: Geben Sie eine Empfangsfrequenz ein, um ihn anzulegen.</translation>
    </message>
    <message>
        <source>The contact a digital transmission on this channel calls (dPMR param &gt; Contact), or None.</source>
        <translation>Der Kontakt, den eine digitale Aussendung auf diesem Kanal ruft (dPMR-Parameter &gt; Kontakt), oder Keine.</translation>
    </message>
    <message>
        <source>The contact the Call 1 key function calls, or None.</source>
        <translation>Der Kontakt, den die Tastenfunktion Ruf 1 ruft, oder Keine.</translation>
    </message>
    <message>
        <source>The contact the Call 2 key function calls, or None.</source>
        <translation>Der Kontakt, den die Tastenfunktion Ruf 2 ruft, oder Keine.</translation>
    </message>
    <message>
        <source>The contact&apos;s dPMR number, 7 characters of 0-9 and *, different from every other contact&apos;s: the number the radio calls.</source>
        <translation>Die dPMR-Nummer des Kontakts, 7 Zeichen aus 0-9 und *, verschieden von der jedes anderen Kontakts: die Nummer, die das Funkgerät ruft.</translation>
    </message>
    <message>
        <source>The contact&apos;s name, up to 8 characters, different from every other contact&apos;s: the radio shows it, and channels and group receive lists choose contacts by it.</source>
        <translation>Der Name des Kontakts, bis zu 8 Zeichen, verschieden von dem jedes anderen Kontakts: Das Funkgerät zeigt ihn an, und Kanäle und Rx-Gruppenlisten wählen Kontakte über ihn aus.</translation>
    </message>
    <message>
        <source>The contact&apos;s place in the list, 1 to 64; the list is sorted by name when the page stores.</source>
        <translation>Der Platz des Kontakts in der Liste, 1 bis 64; beim Speichern der Seite wird die Liste nach Namen sortiert.</translation>
    </message>
    <message>
        <source>The dPMR colour code, 0 to 63, received digital signals must carry, so that groups sharing a frequency do not hear each other; Auto: the radio&apos;s own choice.</source>
        <translation>Der dPMR-Farbcode, 0 bis 63, den empfangene digitale Signale tragen müssen, damit sich Gruppen auf derselben Frequenz nicht gegenseitig hören; Auto: die eigene Wahl des Funkgeräts.</translation>
    </message>
    <message>
        <source>The dPMR colour code, 0 to 63, sent with digital transmissions; Auto: the radio&apos;s own choice.</source>
        <translation>Der dPMR-Farbcode, 0 bis 63, der mit digitalen Aussendungen gesendet wird; Auto: die eigene Wahl des Funkgeräts.</translation>
    </message>
    <message>
        <source>The direction of a repeater shift, Off, + or -. Kept only while the dialog is open; it is never stored.</source>
        <translation>Die Richtung der Relaisablage, Aus, + oder -. Bleibt nur erhalten, solange der Dialog offen ist; sie wird nie gespeichert.</translation>
    </message>
    <message>
        <source>The emergency alarm, the lone worker function (Work alone), the man-down function (Upside) and automatic contact.</source>
        <translation>Der Notalarm, die Alleinarbeiter-Überwachung (Alleinarbeit), die Überwachung bei Sturz (Lagealarm) und der automatische Kontakt.</translation>
    </message>
    <message>
        <source>The group receive list (dPMR param &gt; Group rx list) whose group calls this channel receives, or None.</source>
        <translation>Die Rx-Gruppenliste (dPMR-Parameter &gt; Rx-Gruppenliste), deren Gruppenrufe dieser Kanal empfängt, oder Keine.</translation>
    </message>
    <message>
        <source>The group-call contacts that are not members of the list; Add &gt;&gt; makes the selected ones members. Single-call contacts are never offered.</source>
        <translation>Die Gruppenruf-Kontakte, die nicht Mitglied der Liste sind; Hinzufügen &gt;&gt; macht die ausgewählten zu Mitgliedern. Einzelruf-Kontakte werden nie angeboten.</translation>
    </message>
    <message>
        <source>The identity the alarm sends on analog channels as DTMF tones, up to 8 symbols (0-9, A-D, * and #).</source>
        <translation>Die Kennung, die der Alarm auf analogen Kanälen als DTMF-Töne sendet, bis zu 8 Zeichen (0-9, A-D, * und #).</translation>
    </message>
    <message>
        <source>The indicator light shows when the radio is switched on.</source>
        <translation>Die Anzeige-LED leuchtet beim Einschalten des Funkgeräts.</translation>
    </message>
    <message>
        <source>The indicator light shows while the radio receives.</source>
        <translation>Die Anzeige-LED leuchtet, während das Funkgerät empfängt.</translation>
    </message>
    <message>
        <source>The indicator light shows while the radio scans.</source>
        <translation>Die Anzeige-LED leuchtet, während der Suchlauf läuft.</translation>
    </message>
    <message>
        <source>The indicator light shows while the radio transmits.</source>
        <translation>Die Anzeige-LED leuchtet, während das Funkgerät sendet.</translation>
    </message>
    <message>
        <source>The indicator light warns when the battery runs low.</source>
        <translation>Die Anzeige-LED warnt, wenn der Akku schwach wird.</translation>
    </message>
    <message>
        <source>The members of the list, up to 8 group-call contacts, in order. Del &lt;&lt; takes the selected ones out; Up and Down move them.</source>
        <translation>Die Mitglieder der Liste, bis zu 8 Gruppenruf-Kontakte, in ihrer Reihenfolge. Entfernen &lt;&lt; nimmt die ausgewählten heraus; Nach oben und Nach unten verschieben sie.</translation>
    </message>
    <message>
        <source>The radio&apos;s dPMR identity and digital call settings, its contacts and its group receive lists.</source>
        <translation>Die dPMR-Kennung des Funkgeräts und seine Einstellungen für digitale Rufe, seine Kontakte und seine Rx-Gruppenlisten.</translation>
    </message>
    <message>
        <source>The radio&apos;s general options (squelch, battery saving, time-out, VOX), what its side keys do, and its prompt tones and lights.</source>
        <translation>Die allgemeinen Optionen des Funkgeräts (Rauschsperre, Stromsparen, Sendezeitbegrenzung, VOX), die Belegung seiner Seitentasten sowie Hinweistöne und LEDs.</translation>
    </message>
    <message>
        <source>The radio&apos;s name, up to 8 characters.</source>
        <translation>Der Name des Funkgeräts, bis zu 8 Zeichen.</translation>
    </message>
    <message>
        <source>The radio&apos;s own DTMF identity: a received call with this code is for this radio. Up to 16 symbols 0-9, A-D, * and #.</source>
        <translation>Die eigene DTMF-Kennung des Funkgeräts: Ein empfangener Ruf mit diesem Code gilt diesem Funkgerät. Bis zu 16 Zeichen 0-9, A-D, * und #.</translation>
    </message>
    <message>
        <source>The radio&apos;s own dPMR identity, 7 digits: other radios call it by this number, and every radio of a group needs its own. 0000000, the whole millions 1000000 to 9000000 and numbers above 9000000 are not valid and become 0000001.</source>
        <translation>Die eigene dPMR-Kennung des Funkgeräts, 7 Ziffern: Andere Funkgeräte rufen es unter dieser Nummer, und jedes Funkgerät einer Gruppe braucht seine eigene. 0000000, die vollen Millionen 1000000 bis 9000000 und Zahlen über 9000000 sind ungültig und werden zu 0000001.</translation>
    </message>
    <message>
        <source>The repeater shift in MHz, 0 to 50. Kept only while the dialog is open; it is never stored.</source>
        <translation>Die Relaisablage in MHz, 0 bis 50. Bleibt nur erhalten, solange der Dialog offen ist; sie wird nie gespeichert.</translation>
    </message>
    <message>
        <source>The short message the Call 1 key function sends, 1 to 16, or Off.</source>
        <translation>Die Kurznachricht, die die Tastenfunktion Ruf 1 sendet, 1 bis 16, oder Aus.</translation>
    </message>
    <message>
        <source>The short message the Call 2 key function sends, 1 to 16, or Off.</source>
        <translation>Die Kurznachricht, die die Tastenfunktion Ruf 2 sendet, 1 bis 16, oder Aus.</translation>
    </message>
    <message>
        <source>The voice codec of digital calls: AMBE+2C (the codec of the dPMR standard, which other makes of dPMR radio use), ASELP or ASELP 2. Radios that talk to each other need the same codec.</source>
        <translation>Der Sprachcodec digitaler Rufe: AMBE+2C (der Codec des dPMR-Standards, den auch dPMR-Funkgeräte anderer Hersteller verwenden), ASELP oder ASELP 2. Funkgeräte, die miteinander sprechen, brauchen denselben Codec.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Time-out timer: the longest a single transmission may last, 30 to 600 seconds in steps of 30 (a typed value is rounded down to a step). The radio stops transmitting when it runs out.</source>
        <translation>Sendezeitbegrenzung (TOT): die längste Dauer einer einzelnen Aussendung, 30 bis 600 Sekunden in Schritten von 30 (ein eingegebener Wert wird auf einen Schritt abgerundet). Läuft sie ab, beendet das Funkgerät das Senden.</translation>
    </message>
    <message>
        <source>Tone</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Tone and Light</source>
        <translation>Töne und LEDs</translation>
    </message>
    <message>
        <source>Tone scan mode</source>
        <translation>Tonprüfung</translation>
    </message>
    <message>
        <source>Transmit frequency in MHz; a new channel gets its receive frequency. A different one (a repeater&apos;s input) switches Repeat on. It is brought into the band and onto the raster like the receive frequency.</source>
        <translation>Sendefrequenz in MHz; ein neuer Kanal erhält seine Empfangsfrequenz. Eine abweichende (die Eingangsfrequenz eines Relais) schaltet Relais ein. Sie wird wie die Empfangsfrequenz ins Band und auf das Raster gebracht.</translation>
    </message>
    <message>
        <source>Transmit power, Low or High. Low saves battery; PMR446 allows 0.5 W, so keep to what your licence allows.</source>
        <translation>Sendeleistung, Niedrig oder Hoch. Niedrig spart Akku; PMR446 erlaubt 0,5 W, halten Sie sich also an das, was für Sie zugelassen ist.</translation>
    </message>
    <message>
        <source>Transmits on the receive frequency, to reach radios nearby directly when the repeater is out of reach.</source>
        <translation>Sendet auf der Empfangsfrequenz, um Funkgeräte in der Nähe direkt zu erreichen, wenn das Relais außer Reichweite ist.</translation>
    </message>
    <message>
        <source>Tx</source>
        <translation>Tx</translation>
    </message>
    <message>
        <source>Tx Freq</source>
        <translation>Tx-Frequenz</translation>
    </message>
    <message>
        <source>Tx Tone</source>
        <translation>Tx-Ton</translation>
    </message>
    <message>
        <source>Tx color code</source>
        <translation>Tx-Farbcode</translation>
    </message>
    <message>
        <source>Tx contact</source>
        <translation>Tx-Kontakt</translation>
    </message>
    <message>
        <source>Tx delay time</source>
        <translation>Sendeverzögerung</translation>
    </message>
    <message>
        <source>Tx freq (MHz)</source>
        <translation>Tx-Frequenz (MHz)</translation>
    </message>
    <message>
        <source>Tx inhibit</source>
        <translation>Tx gesperrt</translation>
    </message>
    <message>
        <source>Tx interval (s)</source>
        <translation>Sendeintervall (s)</translation>
    </message>
    <message>
        <source>Tx light</source>
        <translation>Tx-LED</translation>
    </message>
    <message>
        <source>Tx power</source>
        <translation>Sendeleistung</translation>
    </message>
    <message>
        <source>Tx time (s)</source>
        <translation>Sendezeit (s)</translation>
    </message>
    <message>
        <source>Tx tone</source>
        <translation>Tx-Ton</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Unallocated:</source>
        <translation>Nicht zugeordnet:</translation>
    </message>
    <message>
        <source>Upside</source>
        <translation>Lagealarm</translation>
    </message>
    <message>
        <source>Upside pre-prompt  (s)</source>
        <translation>Lagealarm-Vorwarnung (s)</translation>
    </message>
    <message>
        <source>VCO output gain adjustment. A step from -57 to 6. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Ausgangsverstärkung des VCO. Eine Stufe von -57 bis 6. Werksabgleich: nur mit Messgeräten zur Hand ändern; wird nur über Auslesen und Schreiben dieses Dialogs übertragen.</translation>
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
        <translation>VOX-Verzögerung (s)</translation>
    </message>
    <message>
        <source>VOX sense</source>
        <translation>VOX-Stufe</translation>
    </message>
    <message>
        <source>VOX sensitivity level, 0 to 9: how readily speech starts a VOX transmission. Default 5.</source>
        <translation>VOX-Empfindlichkeit, 0 bis 9: wie leicht Sprache eine VOX-Aussendung auslöst. Standard 5.</translation>
    </message>
    <message>
        <source>Voice broadcast</source>
        <translation>Sprachansage</translation>
    </message>
    <message>
        <source>Voice store and replay, Off or On (0x39F bit 3): by its name, the radio records calls to play them again.</source>
        <translation>Sprachaufzeichnung und -wiedergabe, Aus oder Ein (0x39F Bit 3): dem Namen nach zeichnet das Funkgerät Rufe auf, um sie erneut abzuspielen.</translation>
    </message>
    <message>
        <source>Voice store/replay</source>
        <translation>Sprachaufzeichnung</translation>
    </message>
    <message>
        <source>Voice-operated transmit: On lets the radio transmit when you speak into the microphone (with a headset, for example) without pressing PTT.</source>
        <translation>Sprachgesteuertes Senden: Ein lässt das Funkgerät senden, sobald Sie ins Mikrofon sprechen (zum Beispiel mit einem Headset), ohne dass Sie die PTT drücken.</translation>
    </message>
    <message>
        <source>Wake</source>
        <translation>Wecken</translation>
    </message>
    <message>
        <source>Wake frame</source>
        <translation>Weckrahmen</translation>
    </message>
    <message>
        <source>What a received DTMF kill does: tx inhibit (the radio can no longer transmit), tx/rx inhibit (it can neither transmit nor receive) or Kill (it is disabled).</source>
        <translation>Was eine empfangene DTMF-Stilllegung bewirkt: Tx gesperrt (das Funkgerät kann nicht mehr senden), Tx/Rx gesperrt (es kann weder senden noch empfangen) oder Stilllegen (es wird außer Betrieb gesetzt).</translation>
    </message>
    <message>
        <source>What a received digital kill command does: Tx inhibit (the radio can no longer transmit), tx/rx inhibit (it can neither transmit nor receive) or Kill (it is disabled).</source>
        <translation>Was ein empfangener digitaler Stilllegungsbefehl bewirkt: Tx gesperrt (das Funkgerät kann nicht mehr senden), Tx/Rx gesperrt (es kann weder senden noch empfangen) oder Stilllegen (es wird außer Betrieb gesetzt).</translation>
    </message>
    <message>
        <source>What a short press on side key 1 does. None: nothing. Monitor (long press only): opens the squelch to listen to weak signals. Scan: starts or stops scanning. Noise ch tmp remove: takes the channel scanning stopped on out of the scan for now. VOX: switches VOX on or off. Hihg/Low power: changes the transmit power. Power detect: tells the battery level. EMI: raises the emergency alarm. Auto contact, Work alone, Talk around, Reverse: switch that function. Call 1, Call 2: send the channel&apos;s call. Channel type: changes between analog and digital. 1750 signal: sends the 1750 Hz tone that opens many analog repeaters. Group call: calls a group. Pri ch scan: scans with the priority channel. Kill, Wake: send the remote kill or wake-up command.</source>
        <translation>Funktion bei kurzem Druck auf die Seitentaste 1. Keine: keine Funktion. Monitor (nur langer Druck): öffnet die Rauschsperre, um schwache Signale zu hören. Suchlauf: startet oder beendet den Suchlauf. Störkanal ausblenden: nimmt den Kanal, auf dem der Suchlauf angehalten hat, vorübergehend aus dem Suchlauf. VOX: schaltet VOX ein oder aus. Leistung hoch/niedrig: wechselt die Sendeleistung. Akkustand: meldet den Ladezustand des Akkus. Notruf: löst den Notalarm aus. Auto-Kontakt, Alleinarbeit, Direktbetrieb, Umkehr: schalten die jeweilige Funktion. Ruf 1, Ruf 2: senden den Ruf des Kanals. Kanaltyp: wechselt zwischen analog und digital. 1750-Hz-Ton: sendet den 1750-Hz-Ton, der viele analoge Relais öffnet. Gruppenruf: ruft eine Gruppe. Prio-Suchlauf: Suchlauf mit dem Prioritätskanal. Stilllegen, Wecken: senden den Befehl zur Fernstilllegung bzw. zum Wecken.</translation>
    </message>
    <message>
        <source>What a short press on side key 2 does. None: nothing. Monitor (long press only): opens the squelch to listen to weak signals. Scan: starts or stops scanning. Noise ch tmp remove: takes the channel scanning stopped on out of the scan for now. VOX: switches VOX on or off. Hihg/Low power: changes the transmit power. Power detect: tells the battery level. EMI: raises the emergency alarm. Auto contact, Work alone, Talk around, Reverse: switch that function. Call 1, Call 2: send the channel&apos;s call. Channel type: changes between analog and digital. 1750 signal: sends the 1750 Hz tone that opens many analog repeaters. Group call: calls a group. Pri ch scan: scans with the priority channel. Kill, Wake: send the remote kill or wake-up command.</source>
        <translation>Funktion bei kurzem Druck auf die Seitentaste 2. Keine: keine Funktion. Monitor (nur langer Druck): öffnet die Rauschsperre, um schwache Signale zu hören. Suchlauf: startet oder beendet den Suchlauf. Störkanal ausblenden: nimmt den Kanal, auf dem der Suchlauf angehalten hat, vorübergehend aus dem Suchlauf. VOX: schaltet VOX ein oder aus. Leistung hoch/niedrig: wechselt die Sendeleistung. Akkustand: meldet den Ladezustand des Akkus. Notruf: löst den Notalarm aus. Auto-Kontakt, Alleinarbeit, Direktbetrieb, Umkehr: schalten die jeweilige Funktion. Ruf 1, Ruf 2: senden den Ruf des Kanals. Kanaltyp: wechselt zwischen analog und digital. 1750-Hz-Ton: sendet den 1750-Hz-Ton, der viele analoge Relais öffnet. Gruppenruf: ruft eine Gruppe. Prio-Suchlauf: Suchlauf mit dem Prioritätskanal. Stilllegen, Wecken: senden den Befehl zur Fernstilllegung bzw. zum Wecken.</translation>
    </message>
    <message>
        <source>What a short press on the top key TK1 does. None: nothing. Monitor (long press only): opens the squelch to listen to weak signals. Scan: starts or stops scanning. Noise ch tmp remove: takes the channel scanning stopped on out of the scan for now. VOX: switches VOX on or off. Hihg/Low power: changes the transmit power. Power detect: tells the battery level. EMI: raises the emergency alarm. Auto contact, Work alone, Talk around, Reverse: switch that function. Call 1, Call 2: send the channel&apos;s call. Channel type: changes between analog and digital. 1750 signal: sends the 1750 Hz tone that opens many analog repeaters. Group call: calls a group. Pri ch scan: scans with the priority channel. Kill, Wake: send the remote kill or wake-up command.</source>
        <translation>Funktion bei kurzem Druck auf die obere Taste TK1. Keine: keine Funktion. Monitor (nur langer Druck): öffnet die Rauschsperre, um schwache Signale zu hören. Suchlauf: startet oder beendet den Suchlauf. Störkanal ausblenden: nimmt den Kanal, auf dem der Suchlauf angehalten hat, vorübergehend aus dem Suchlauf. VOX: schaltet VOX ein oder aus. Leistung hoch/niedrig: wechselt die Sendeleistung. Akkustand: meldet den Ladezustand des Akkus. Notruf: löst den Notalarm aus. Auto-Kontakt, Alleinarbeit, Direktbetrieb, Umkehr: schalten die jeweilige Funktion. Ruf 1, Ruf 2: senden den Ruf des Kanals. Kanaltyp: wechselt zwischen analog und digital. 1750-Hz-Ton: sendet den 1750-Hz-Ton, der viele analoge Relais öffnet. Gruppenruf: ruft eine Gruppe. Prio-Suchlauf: Suchlauf mit dem Prioritätskanal. Stilllegen, Wecken: senden den Befehl zur Fernstilllegung bzw. zum Wecken.</translation>
    </message>
    <message>
        <source>What holding side key 1 does. None: nothing. Monitor (long press only): opens the squelch to listen to weak signals. Scan: starts or stops scanning. Noise ch tmp remove: takes the channel scanning stopped on out of the scan for now. VOX: switches VOX on or off. Hihg/Low power: changes the transmit power. Power detect: tells the battery level. EMI: raises the emergency alarm. Auto contact, Work alone, Talk around, Reverse: switch that function. Call 1, Call 2: send the channel&apos;s call. Channel type: changes between analog and digital. 1750 signal: sends the 1750 Hz tone that opens many analog repeaters. Group call: calls a group. Pri ch scan: scans with the priority channel. Kill, Wake: send the remote kill or wake-up command.</source>
        <translation>Funktion bei langem Druck auf die Seitentaste 1. Keine: keine Funktion. Monitor (nur langer Druck): öffnet die Rauschsperre, um schwache Signale zu hören. Suchlauf: startet oder beendet den Suchlauf. Störkanal ausblenden: nimmt den Kanal, auf dem der Suchlauf angehalten hat, vorübergehend aus dem Suchlauf. VOX: schaltet VOX ein oder aus. Leistung hoch/niedrig: wechselt die Sendeleistung. Akkustand: meldet den Ladezustand des Akkus. Notruf: löst den Notalarm aus. Auto-Kontakt, Alleinarbeit, Direktbetrieb, Umkehr: schalten die jeweilige Funktion. Ruf 1, Ruf 2: senden den Ruf des Kanals. Kanaltyp: wechselt zwischen analog und digital. 1750-Hz-Ton: sendet den 1750-Hz-Ton, der viele analoge Relais öffnet. Gruppenruf: ruft eine Gruppe. Prio-Suchlauf: Suchlauf mit dem Prioritätskanal. Stilllegen, Wecken: senden den Befehl zur Fernstilllegung bzw. zum Wecken.</translation>
    </message>
    <message>
        <source>What holding side key 2 does. None: nothing. Monitor (long press only): opens the squelch to listen to weak signals. Scan: starts or stops scanning. Noise ch tmp remove: takes the channel scanning stopped on out of the scan for now. VOX: switches VOX on or off. Hihg/Low power: changes the transmit power. Power detect: tells the battery level. EMI: raises the emergency alarm. Auto contact, Work alone, Talk around, Reverse: switch that function. Call 1, Call 2: send the channel&apos;s call. Channel type: changes between analog and digital. 1750 signal: sends the 1750 Hz tone that opens many analog repeaters. Group call: calls a group. Pri ch scan: scans with the priority channel. Kill, Wake: send the remote kill or wake-up command.</source>
        <translation>Funktion bei langem Druck auf die Seitentaste 2. Keine: keine Funktion. Monitor (nur langer Druck): öffnet die Rauschsperre, um schwache Signale zu hören. Suchlauf: startet oder beendet den Suchlauf. Störkanal ausblenden: nimmt den Kanal, auf dem der Suchlauf angehalten hat, vorübergehend aus dem Suchlauf. VOX: schaltet VOX ein oder aus. Leistung hoch/niedrig: wechselt die Sendeleistung. Akkustand: meldet den Ladezustand des Akkus. Notruf: löst den Notalarm aus. Auto-Kontakt, Alleinarbeit, Direktbetrieb, Umkehr: schalten die jeweilige Funktion. Ruf 1, Ruf 2: senden den Ruf des Kanals. Kanaltyp: wechselt zwischen analog und digital. 1750-Hz-Ton: sendet den 1750-Hz-Ton, der viele analoge Relais öffnet. Gruppenruf: ruft eine Gruppe. Prio-Suchlauf: Suchlauf mit dem Prioritätskanal. Stilllegen, Wecken: senden den Befehl zur Fernstilllegung bzw. zum Wecken.</translation>
    </message>
    <message>
        <source>What holding the top key TK1 does. None: nothing. Monitor (long press only): opens the squelch to listen to weak signals. Scan: starts or stops scanning. Noise ch tmp remove: takes the channel scanning stopped on out of the scan for now. VOX: switches VOX on or off. Hihg/Low power: changes the transmit power. Power detect: tells the battery level. EMI: raises the emergency alarm. Auto contact, Work alone, Talk around, Reverse: switch that function. Call 1, Call 2: send the channel&apos;s call. Channel type: changes between analog and digital. 1750 signal: sends the 1750 Hz tone that opens many analog repeaters. Group call: calls a group. Pri ch scan: scans with the priority channel. Kill, Wake: send the remote kill or wake-up command.</source>
        <translation>Funktion bei langem Druck auf die obere Taste TK1. Keine: keine Funktion. Monitor (nur langer Druck): öffnet die Rauschsperre, um schwache Signale zu hören. Suchlauf: startet oder beendet den Suchlauf. Störkanal ausblenden: nimmt den Kanal, auf dem der Suchlauf angehalten hat, vorübergehend aus dem Suchlauf. VOX: schaltet VOX ein oder aus. Leistung hoch/niedrig: wechselt die Sendeleistung. Akkustand: meldet den Ladezustand des Akkus. Notruf: löst den Notalarm aus. Auto-Kontakt, Alleinarbeit, Direktbetrieb, Umkehr: schalten die jeweilige Funktion. Ruf 1, Ruf 2: senden den Ruf des Kanals. Kanaltyp: wechselt zwischen analog und digital. 1750-Hz-Ton: sendet den 1750-Hz-Ton, der viele analoge Relais öffnet. Gruppenruf: ruft eine Gruppe. Prio-Suchlauf: Suchlauf mit dem Prioritätskanal. Stilllegen, Wecken: senden den Befehl zur Fernstilllegung bzw. zum Wecken.</translation>
    </message>
    <message>
        <source>What the Call 1 key function sends on this channel: Off, Call (a call to the contact below) or Msg (a short message to it).</source>
        <translation>Was die Tastenfunktion Ruf 1 auf diesem Kanal sendet: Aus, Ruf (ein Ruf an den Kontakt unten) oder Nachr. (eine Kurznachricht an ihn).</translation>
    </message>
    <message>
        <source>What the Call 2 key function sends on this channel: Off, Call (a call to the contact below) or Msg (a short message to it).</source>
        <translation>Was die Tastenfunktion Ruf 2 auf diesem Kanal sendet: Aus, Ruf (ein Ruf an den Kontakt unten) oder Nachr. (eine Kurznachricht an ihn).</translation>
    </message>
    <message>
        <source>What the emergency alarm does: Off (no alarm), Only whistle (a siren at the radio only), Normal, Secret (no sound at the radio) or Send alarm id (the alarm id code is sent).</source>
        <translation>Was der Notalarm bewirkt: Aus (kein Alarm), Nur Sirene (eine Sirene nur am Funkgerät), Normal, Still (kein Ton am Funkgerät) oder Alarm-ID senden (die Alarm-ID wird gesendet).</translation>
    </message>
    <message>
        <source>What the radio does when it receives a call to its Person ID: None, Remind (an alert at the radio), Reply (it answers automatically) or Remind and Reply.</source>
        <translation>Was das Funkgerät tut, wenn es einen Ruf an seine Eigene ID empfängt: Keine, Hinweis (ein Signal am Funkgerät), Antwort (es antwortet automatisch) oder Hinweis und Antwort.</translation>
    </message>
    <message>
        <source>When a channel with PTTID sends its identity: On line (the On-line code when PTT is pressed), Off line (the Off-line code when it is released) or Both.</source>
        <translation>Wann ein Kanal mit PTTID seine Kennung sendet: Sendebeginn (der Code Sendebeginn beim Drücken der PTT), Sendeende (der Code Sendeende beim Loslassen) oder Beide.</translation>
    </message>
    <message>
        <source>Whether the radio may be copied (cloned) to another radio over a cable: On allows it, Off refuses.</source>
        <translation>Ob das Funkgerät per Kabel auf ein anderes Funkgerät kopiert (geklont) werden darf: Ein erlaubt es, Aus verweigert es.</translation>
    </message>
    <message>
        <source>Whether the radio may copy its configuration to another radio over the air: On allows it, Off refuses.</source>
        <translation>Ob das Funkgerät seine Konfiguration über Funk auf ein anderes Funkgerät kopieren darf: Ein erlaubt es, Aus verweigert es.</translation>
    </message>
    <message>
        <source>Wide</source>
        <translation>Breit</translation>
    </message>
    <message>
        <source>Wide noise close</source>
        <translation>Schwelle breit zu</translation>
    </message>
    <message>
        <source>Wide noise open</source>
        <translation>Schwelle breit auf</translation>
    </message>
    <message>
        <source>Wired copy</source>
        <translation>Klonen per Kabel</translation>
    </message>
    <message>
        <source>Wireless copy</source>
        <translation>Klonen per Funk</translation>
    </message>
    <message>
        <source>With scan mode Time: how long scanning stays on a busy channel before it moves on, 0.5 to 10.0 seconds in steps of 0.5.</source>
        <translation>Bei Suchlaufart Zeit: wie lange der Suchlauf auf einem belegten Kanal verweilt, bevor er weitergeht, 0.5 bis 10.0 Sekunden in Schritten von 0.5.</translation>
    </message>
    <message>
        <source>Work alone</source>
        <translation>Alleinarbeit</translation>
    </message>
    <message>
        <source>Work alone pre-remind (s)</source>
        <translation>Alleinarbeit-Vorwarnung (s)</translation>
    </message>
    <message>
        <source>Work alone time (min)</source>
        <translation>Alleinarbeit-Zeit (min)</translation>
    </message>
    <message>
        <source>all ch</source>
        <translation>Alle Kanäle</translation>
    </message>
    <message>
        <source>allow</source>
        <translation>Erlaubt</translation>
    </message>
    <message>
        <source>allow: the radio shows a received DTMF code on its display; prohibit: it does not.</source>
        <translation>Erlaubt: Das Funkgerät zeigt einen empfangenen DTMF-Code auf seinem Display an; Gesperrt: Es zeigt ihn nicht an.</translation>
    </message>
    <message>
        <source>continue</source>
        <translation>Endlos</translation>
    </message>
    <message>
        <source>dPMR param</source>
        <translation>dPMR-Parameter</translation>
    </message>
    <message>
        <source>entry ch before scan</source>
        <translation>Startkanal</translation>
    </message>
    <message>
        <source>last active ch</source>
        <translation>Letzter aktiver Kanal</translation>
    </message>
    <message>
        <source>prohibit</source>
        <translation>Gesperrt</translation>
    </message>
    <message>
        <source>tx inhibit</source>
        <translation>Tx gesperrt</translation>
    </message>
    <message>
        <source>tx pre-carrier time</source>
        <translation>Tx-Vorträgerzeit</translation>
    </message>
    <message>
        <source>tx/rx inhibit</source>
        <translation>Tx/Rx gesperrt</translation>
    </message>
    <message>
        <source>unlimited</source>
        <translation>Unbegrenzt</translation>
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
        <translation>Einzelruf</translation>
    </message>
</context>
<context>
    <name>FleetJobReport</name>
    <message>
        <source>(not saved)</source>
        <translation>(nicht gespeichert)</translation>
    </message>
    <message>
        <source>Fleet job</source>
        <translation>Programmierauftrag</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Datum: %1</translation>
    </message>
    <message>
        <source>Template: %1</source>
        <translation>Vorlage: %1</translation>
    </message>
    <message>
        <source>Template CRC-32: %1</source>
        <translation>CRC-32 der Vorlage: %1</translation>
    </message>
</context>
<context>
    <name>FlexGrid</name>
    <message>
        <source>%1, row %2</source>
        <translation>%1, Zeile %2</translation>
    </message>
</context>
<context>
    <name>ReportBox</name>
    <message>
        <source>
... and %1 more</source>
        <translation>
... und %1 weitere</translation>
    </message>
</context>
<context>
    <name>ServiceDialog</name>
    <message>
        <source>Reading the squelch calibration from the radio...</source>
        <translation>Rauschsperren-Kalibrierung wird aus dem Funkgerät ausgelesen...</translation>
    </message>
    <message>
        <source>Writing the squelch calibration to the radio...</source>
        <translation>Rauschsperren-Kalibrierung wird ins Funkgerät geschrieben...</translation>
    </message>
    <message>
        <source>Reading the adjustment values from the radio...</source>
        <translation>Abgleichwerte werden aus dem Funkgerät ausgelesen...</translation>
    </message>
    <message>
        <source>Writing the adjustment values to the radio...</source>
        <translation>Abgleichwerte werden ins Funkgerät geschrieben...</translation>
    </message>
    <message>
        <source>Read the adjustment values from the radio</source>
        <translation>Abgleichwerte aus dem Funkgerät auslesen</translation>
    </message>
    <message>
        <source>Write the adjustment values to the radio</source>
        <translation>Abgleichwerte ins Funkgerät schreiben</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>&amp;Auslesen</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>&amp;Schreiben</translation>
    </message>
</context>
<context>
    <name>ServiceTransfer</name>
    <message>
        <source>&amp;Check the connection</source>
        <translation>&amp;Verbindung prüfen</translation>
    </message>
</context>
<context>
    <name>backup</name>
    <message>
        <source>No backup of the read was kept: %1</source>
        <translation>Vom Auslesen wurde keine Sicherung aufbewahrt: %1</translation>
    </message>
    <message>
        <source>No backup of the write was kept: %1</source>
        <translation>Vom Schreiben wurde keine Sicherung aufbewahrt: %1</translation>
    </message>
    <message>
        <source>No backup of the write-failed was kept: %1</source>
        <translation>Vom fehlgeschlagenen Schreiben wurde keine Sicherung aufbewahrt: %1</translation>
    </message>
    <message>
        <source>cannot make the folder &quot;%1&quot;: %2.</source>
        <translation>der Ordner „%1“ kann nicht angelegt werden: %2.</translation>
    </message>
    <message>
        <source>cannot use the folder &quot;%1&quot;: %2.</source>
        <translation>der Ordner „%1“ kann nicht verwendet werden: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder.</source>
        <translation>„%1“ ist kein Ordner.</translation>
    </message>
    <message>
        <source>there is no home folder to keep it in.</source>
        <translation>es gibt keinen Home-Ordner, in dem sie aufbewahrt werden kann.</translation>
    </message>
    <message>
        <source>cannot write &quot;%1&quot;: %2.</source>
        <translation>„%1“ kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>too many backups made within the same second.</source>
        <translation>zu viele Sicherungen innerhalb derselben Sekunde.</translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; could not be marked as a failed write: %2</source>
        <translation>Die Sicherung „%1“ konnte nicht als fehlgeschlagenes Schreiben markiert werden: %2</translation>
    </message>
    <message>
        <source>it is no write backup.</source>
        <translation>sie ist keine Sicherung eines Schreibvorgangs.</translation>
    </message>
    <message>
        <source>Cannot read the backup folder &quot;%1&quot;: %2.</source>
        <translation>Der Sicherungsordner „%1“ kann nicht gelesen werden: %2.</translation>
    </message>
</context>
<context>
    <name>channels</name>
    <message>
        <source>the channel&apos;s receive-only bit is always written as 0</source>
        <translation>das Nur-Empfang-Bit des Kanals wird immer als 0 geschrieben</translation>
    </message>
    <message>
        <source>&quot;Signal type&quot; is &quot;Off&quot;</source>
        <translation>„Signalisierung“ steht auf „Aus“</translation>
    </message>
    <message>
        <source>the call&apos;s &quot;Type&quot; is &quot;Off&quot;</source>
        <translation>„Typ“ des Rufs steht auf „Aus“</translation>
    </message>
    <message>
        <source>Rx and Tx freq are equal</source>
        <translation>Rx- und Tx-Frequenz sind gleich</translation>
    </message>
    <message>
        <source>the channel is empty: give it an Rx freq first</source>
        <translation>der Kanal ist leer: Geben Sie ihm zuerst eine Rx-Frequenz</translation>
    </message>
    <message>
        <source>%1 needs %2-%3 MHz; this file&apos;s band is %4-%5 MHz</source>
        <translation>%1 braucht %2-%3 MHz; das Band dieser Datei ist %4-%5 MHz</translation>
    </message>
    <message>
        <source>%1 channel %2 (%3 MHz) is not on the file&apos;s channel raster: it would be stored as %4 MHz</source>
        <translation>%1-Kanal %2 (%3 MHz) liegt nicht auf dem Kanalraster der Datei: Er würde als %4 MHz gespeichert</translation>
    </message>
    <message>
        <source>%1 has channels 1 to %2; there is no channel %3</source>
        <translation>%1 hat die Kanäle 1 bis %2; es gibt keinen Kanal %3</translation>
    </message>
    <message>
        <source>the table has channels 1 to 16; there is no channel %1</source>
        <translation>die Tabelle hat die Kanäle 1 bis 16; es gibt keinen Kanal %1</translation>
    </message>
    <message>
        <source>%1 channels are digital: CTCSS tones do not apply to them</source>
        <translation>%1-Kanäle sind digital: CTCSS-Töne gelten für sie nicht</translation>
    </message>
    <message>
        <source>%1 is no CTCSS tone of the list (63.0 to 254.1, as &quot;67.0&quot;)</source>
        <translation>%1 ist kein CTCSS-Ton der Liste (63.0 bis 254.1, etwa „67.0“)</translation>
    </message>
    <message>
        <source>one tone per channel from %1 Hz needs %2 tones; the list has %3 from there (start at %4 Hz or lower)</source>
        <translation>ein Ton je Kanal ab %1 Hz braucht %2 Töne; die Liste hat ab dort %3 (beginnen Sie bei %4 Hz oder tiefer)</translation>
    </message>
    <message>
        <source>channel %1: %2</source>
        <translation>Kanal %1: %2</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>%1: %2 (%3 MHz), Narrow, %4</source>
        <translation>%1: %2 (%3 MHz), Schmal, %4</translation>
    </message>
    <message>
        <source>%1, no tones</source>
        <translation>%1, keine Töne</translation>
    </message>
    <message>
        <source>%1, tone %2 Hz</source>
        <translation>%1, Ton %2 Hz</translation>
    </message>
    <message>
        <source>%1, tones %2 to %3 Hz</source>
        <translation>%1, Töne %2 bis %3 Hz</translation>
    </message>
    <message>
        <source>%1 left unchanged: %2 ends at channel %3</source>
        <translation>%1 unverändert: %2 endet bei Kanal %3</translation>
    </message>
    <message>
        <source>Channel %1</source>
        <translation>Kanal %1</translation>
    </message>
    <message>
        <source>Channels %1</source>
        <translation>Kanäle %1</translation>
    </message>
    <message>
        <source>channel %1</source>
        <translation>Kanal %1</translation>
    </message>
    <message>
        <source>channels %1</source>
        <translation>Kanäle %1</translation>
    </message>
    <message>
        <source>Not find factory.dat
%1</source>
        <translation>factory.dat nicht gefunden
%1</translation>
    </message>
    <message>
        <source>%1 is outside %2-%3 MHz: set to %4</source>
        <translation>%1 liegt außerhalb von %2-%3 MHz: auf %4 gesetzt</translation>
    </message>
    <message>
        <source>%1 is not on the channel raster: set to %2</source>
        <translation>%1 liegt nicht auf dem Kanalraster: auf %2 gesetzt</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 is not %2: left as it was</source>
        <translation>%1 ist nicht %2: unverändert gelassen</translation>
    </message>
    <message>
        <source>no channel: left empty</source>
        <translation>kein Kanal: leer gelassen</translation>
    </message>
    <message>
        <source>Select two or more channels first (their row numbers, or Shift with the arrows)</source>
        <translation>Wählen Sie zuerst zwei oder mehr Kanäle aus (über ihre Zeilennummern oder mit Shift und den Pfeiltasten)</translation>
    </message>
    <message>
        <source>%1 is set one channel at a time: choose a cell of Rx Tone to Channel type</source>
        <translation>%1 wird für jeden Kanal einzeln gesetzt: Wählen Sie eine Zelle von Rx-Ton bis Kanaltyp</translation>
    </message>
    <message>
        <source>%1 holds no channel: nothing to apply</source>
        <translation>%1 enthält keinen Kanal: nichts anzuwenden</translation>
    </message>
    <message>
        <source>no channel</source>
        <translation>kein Kanal</translation>
    </message>
    <message>
        <source>greyed out</source>
        <translation>ausgegraut</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not offered</source>
        <translation>„%1“ wird nicht angeboten</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; given to %3 as well</source>
        <translation>%1 „%2“ auch für %3 übernommen</translation>
    </message>
    <message>
        <source>%1 keeps its %2: %3</source>
        <translation>%1 behält seinen Wert für %2: %3</translation>
    </message>
</context>
<context>
    <name>check</name>
    <message>
        <source>Channel %1: %2</source>
        <translation>Kanal %1: %2</translation>
    </message>
    <message>
        <source>contact %1 does not exist (contacts are 1-64)</source>
        <translation>Kontakt %1 existiert nicht (Kontakte sind 1-64)</translation>
    </message>
    <message>
        <source>contact %1 is a free contact slot</source>
        <translation>Kontakt %1 ist ein freier Kontaktplatz</translation>
    </message>
    <message>
        <source>The dPMR radio name is empty</source>
        <translation>Der dPMR-Gerätename ist leer</translation>
    </message>
    <message>
        <source>Tx Freq is empty while Rx Freq is set</source>
        <translation>Tx-Frequenz ist leer, obwohl Rx-Frequenz gesetzt ist</translation>
    </message>
    <message>
        <source>Rx %1 MHz is outside the band %2</source>
        <translation>Rx %1 MHz liegt außerhalb des Bands %2</translation>
    </message>
    <message>
        <source>Tx %1 MHz is outside the band %2</source>
        <translation>Tx %1 MHz liegt außerhalb des Bands %2</translation>
    </message>
    <message>
        <source>Rx tone %1 is not a standard DCS code</source>
        <translation>Rx-Ton %1 ist kein Standard-DCS-Code</translation>
    </message>
    <message>
        <source>Tx tone %1 is not a standard DCS code</source>
        <translation>Tx-Ton %1 ist kein Standard-DCS-Code</translation>
    </message>
    <message>
        <source>Tx %1</source>
        <translation>Tx-%1</translation>
    </message>
    <message>
        <source>group rx list %1 does not exist (lists are 1-16)</source>
        <translation>Rx-Gruppenliste %1 existiert nicht (Listen sind 1-16)</translation>
    </message>
    <message>
        <source>group rx list %1 has no member</source>
        <translation>Rx-Gruppenliste %1 hat kein Mitglied</translation>
    </message>
    <message>
        <source>%1 selects DTMF code %2, which does not exist (codes are 1-16)</source>
        <translation>%1 wählt den DTMF-Code %2, den es nicht gibt (Codes sind 1-16)</translation>
    </message>
    <message>
        <source>%1 selects DTMF code %2, which is empty</source>
        <translation>%1 wählt den DTMF-Code %2, der leer ist</translation>
    </message>
    <message>
        <source>Group rx list %1: %2</source>
        <translation>Rx-Gruppenliste %1: %2</translation>
    </message>
    <message>
        <source>Group rx list %1: contact %2 is a single call, not a group</source>
        <translation>Rx-Gruppenliste %1: Kontakt %2 ist ein Einzelruf, keine Gruppe</translation>
    </message>
    <message>
        <source>Group rx list %1: contact %2 (%3) is a single call, not a group</source>
        <translation>Rx-Gruppenliste %1: Kontakt %2 (%3) ist ein Einzelruf, keine Gruppe</translation>
    </message>
    <message>
        <source>error: %1</source>
        <translation>Fehler: %1</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>Warnung: %1</translation>
    </message>
</context>
<context>
    <name>codec</name>
    <message>
        <source>%1 is not a DCS code (DCS codes use the digits 0 to 7): left as it was</source>
        <translation>%1 ist kein DCS-Code (DCS-Codes verwenden die Ziffern 0 bis 7): unverändert gelassen</translation>
    </message>
    <message>
        <source>%1 is not a DCS code (DCS codes use the digits 0 to 7); type %2 for %2 Hz: left as it was</source>
        <translation>%1 ist kein DCS-Code (DCS-Codes verwenden die Ziffern 0 bis 7); geben Sie %2 für %2 Hz ein: unverändert gelassen</translation>
    </message>
    <message>
        <source>%1 was taken as DCS %2</source>
        <translation>%1 wurde als DCS %2 übernommen</translation>
    </message>
    <message>
        <source>%1 was taken as DCS %2; type %3 for %3 Hz</source>
        <translation>%1 wurde als DCS %2 übernommen; geben Sie %3 für %3 Hz ein</translation>
    </message>
    <message>
        <source>%1 is not a tone: set to None</source>
        <translation>%1 ist kein Ton: auf Keine gesetzt</translation>
    </message>
</context>
<context>
    <name>config</name>
    <message>
        <source>The port is kept in %1.</source>
        <translation>Die Schnittstelle wird in %1 gespeichert.</translation>
    </message>
    <message>
        <source>The port is kept in %1, because %2 cannot be written.</source>
        <translation>Die Schnittstelle wird in %1 gespeichert, weil %2 nicht geschrieben werden kann.</translation>
    </message>
</context>
<context>
    <name>dialogs</name>
    <message>
        <source>channel range %1 is not channelA-B with 1 &lt;= A &lt;= B &lt;= 16</source>
        <translation>Kanalbereich %1 hat nicht die Form channelA-B mit 1 &lt;= A &lt;= B &lt;= 16</translation>
    </message>
    <message>
        <source>%1 is not an entry of %2 (%3)</source>
        <translation>%1 ist kein Eintrag von %2 (%3)</translation>
    </message>
    <message>
        <source>%1 (%2) takes 0 or 1</source>
        <translation>%1 (%2) nimmt nur 0 oder 1 an</translation>
    </message>
    <message>
        <source>unknown key %1 (see dpmrtool fields)</source>
        <translation>unbekannter Schlüssel %1 (siehe dpmrtool fields)</translation>
    </message>
    <message>
        <source>%1 is a factory value of the radio (service dialog %2); add --service to change it</source>
        <translation>%1 ist ein Werkswert des Funkgeräts (Service-Dialog %2); fügen Sie --service hinzu, um ihn zu ändern</translation>
    </message>
    <message>
        <source>%1 is not shown by %2 for this image (see dpmrtool fields FILE.dat)</source>
        <translation>%1 wird von %2 für dieses Abbild nicht angezeigt (siehe dpmrtool fields FILE.dat)</translation>
    </message>
    <message>
        <source>%1 (%2) is greyed out in %3</source>
        <translation>%1 (%2) ist in %3 ausgegraut</translation>
    </message>
    <message>
        <source>%1 (%2) is greyed out in %3: %4</source>
        <translation>%1 (%2) ist in %3 ausgegraut: %4</translation>
    </message>
    <message>
        <source>%1 (%2) has no spin</source>
        <translation>%1 (%2) hat kein Drehfeld</translation>
    </message>
</context>
<context>
    <name>dpmr</name>
    <message>
        <source>the name is empty</source>
        <translation>der Name ist leer</translation>
    </message>
    <message>
        <source>the name %1 is longer than 8 bytes</source>
        <translation>der Name %1 ist länger als 8 Bytes</translation>
    </message>
    <message>
        <source>the name %1 holds a control character</source>
        <translation>der Name %1 enthält ein Steuerzeichen</translation>
    </message>
    <message>
        <source>the number is empty</source>
        <translation>die Nummer ist leer</translation>
    </message>
    <message>
        <source>the number %1 is longer than 7 characters</source>
        <translation>die Nummer %1 ist länger als 7 Zeichen</translation>
    </message>
    <message>
        <source>the number %1 may hold only the digits 0 to 9 and &quot;*&quot;</source>
        <translation>die Nummer %1 darf nur die Ziffern 0 bis 9 und „*“ enthalten</translation>
    </message>
    <message>
        <source>more than 8 members</source>
        <translation>mehr als 8 Mitglieder</translation>
    </message>
    <message>
        <source>no contact is named %1</source>
        <translation>kein Kontakt heißt %1</translation>
    </message>
    <message>
        <source>more than one contact is named %1</source>
        <translation>mehr als ein Kontakt heißt %1</translation>
    </message>
    <message>
        <source>%1 is a single call; the lists take group calls</source>
        <translation>%1 ist ein Einzelruf; die Listen nehmen Gruppenrufe auf</translation>
    </message>
    <message>
        <source>%1 is named twice</source>
        <translation>%1 ist zweimal genannt</translation>
    </message>
    <message>
        <source>more than 64 contacts</source>
        <translation>mehr als 64 Kontakte</translation>
    </message>
    <message>
        <source>expected 3 fields (Name,Number,Type), found %1</source>
        <translation>3 Felder erwartet (Name,Number,Type), %1 gefunden</translation>
    </message>
    <message>
        <source>the type %1 is neither %2 nor %3</source>
        <translation>der Typ %1 ist weder %2 noch %3</translation>
    </message>
    <message>
        <source>the name %1 is already on line %2</source>
        <translation>der Name %1 steht schon in Zeile %2</translation>
    </message>
    <message>
        <source>the number %1 is already on line %2</source>
        <translation>die Nummer %1 steht schon in Zeile %2</translation>
    </message>
    <message>
        <source>no contact follows; the radio needs one</source>
        <translation>es folgt kein Kontakt; das Funkgerät braucht einen</translation>
    </message>
    <message>
        <source>no free contact record is left for this contact</source>
        <translation>für diesen Kontakt ist kein freier Kontaktdatensatz mehr übrig</translation>
    </message>
    <message>
        <source>%1 is already %2&apos;s</source>
        <translation>%1 gehört schon zu %2</translation>
    </message>
    <message>
        <source>the list %1 is no number from 1 to 16</source>
        <translation>die Liste %1 ist keine Nummer von 1 bis 16</translation>
    </message>
    <message>
        <source>list %1 is already on line %2</source>
        <translation>Liste %1 steht schon in Zeile %2</translation>
    </message>
</context>
<context>
    <name>fleet</name>
    <message>
        <source>radio %1 (%2) looks like the radio just written as %3 (&quot;%4&quot;, %5): is the next radio on the cable?</source>
        <translation>Funkgerät %1 (%2) sieht aus wie das eben als %3 beschriebene Funkgerät („%4“, %5): Ist das nächste Funkgerät am Kabel?</translation>
    </message>
    <message>
        <source>radio %1 (%2) is to get the ID %3, which the backups show on another radio: &quot;%4&quot; (backup of %5)</source>
        <translation>Funkgerät %1 (%2) soll die ID %3 erhalten, die laut den Sicherungen ein anderes Funkgerät hat: „%4“ (Sicherung vom %5)</translation>
    </message>
    <message>
        <source>a row of the list holds a name, a dPMR ID and, optionally, a port, but this one has 1 column</source>
        <translation>eine Zeile der Liste enthält einen Namen, eine dPMR-ID und optional eine Schnittstelle, diese hat aber 1 Spalte</translation>
    </message>
    <message>
        <source>a row of the list holds a name, a dPMR ID and, optionally, a port, but this one has %1 columns</source>
        <translation>eine Zeile der Liste enthält einen Namen, eine dPMR-ID und optional eine Schnittstelle, diese hat aber %1 Spalten</translation>
    </message>
    <message>
        <source>the list holds no radio</source>
        <translation>die Liste enthält kein Funkgerät</translation>
    </message>
    <message>
        <source>the port %1 is also %2&apos;s</source>
        <translation>die Schnittstelle %1 gehört auch zu %2</translation>
    </message>
    <message>
        <source>the port %1 is given twice</source>
        <translation>die Schnittstelle %1 ist zweimal angegeben</translation>
    </message>
    <message>
        <source>no port is left for this row: name its port in the list or connect one more radio</source>
        <translation>für diese Zeile ist keine Schnittstelle mehr frei: Nennen Sie ihre Schnittstelle in der Liste oder schließen Sie ein weiteres Funkgerät an</translation>
    </message>
    <message>
        <source>the row has no dPMR ID</source>
        <translation>die Zeile hat keine dPMR-ID</translation>
    </message>
    <message>
        <source>the dPMR ID %1 is not a number of up to 7 digits</source>
        <translation>die dPMR-ID %1 ist keine Zahl mit bis zu 7 Ziffern</translation>
    </message>
    <message>
        <source>the radio would replace the dPMR ID %1 (it takes 0000001 to 9000000, not 1000000, 2000000, ... 9000000)</source>
        <translation>das Funkgerät würde die dPMR-ID %1 ersetzen (es nimmt 0000001 bis 9000000 an, nicht 1000000, 2000000, ... 9000000)</translation>
    </message>
    <message>
        <source>the dPMR ID %1 is given twice: also %2</source>
        <translation>die dPMR-ID %1 ist zweimal angegeben: auch %2</translation>
    </message>
    <message>
        <source>the name %1 holds a character the radio cannot show (only plain ASCII letters, digits and signs)</source>
        <translation>der Name %1 enthält ein Zeichen, das das Funkgerät nicht anzeigen kann (nur einfache ASCII-Buchstaben, -Ziffern und -Zeichen)</translation>
    </message>
    <message>
        <source>the name &quot;%1&quot; is cut to the radio&apos;s 8 characters: &quot;%2&quot;</source>
        <translation>der Name „%1“ wird auf die 8 Zeichen des Funkgeräts gekürzt: „%2“</translation>
    </message>
    <message>
        <source>cut to 8 characters, the name is &quot;%1&quot;, the same as %2&apos;s</source>
        <translation>auf 8 Zeichen gekürzt lautet der Name „%1“, genau wie der von %2</translation>
    </message>
    <message>
        <source>the name &quot;%1&quot; is also %2&apos;s</source>
        <translation>den Namen „%1“ hat auch %2</translation>
    </message>
    <message>
        <source>the port %1 has no row of the list and is not written</source>
        <translation>die Schnittstelle %1 hat keine Zeile in der Liste und wird nicht beschrieben</translation>
    </message>
    <message>
        <source>the name pattern &apos;%1&apos; holds a character the radio cannot show (only plain ASCII letters, digits and signs)</source>
        <translation>das Namensmuster „%1“ enthält ein Zeichen, das das Funkgerät nicht anzeigen kann (nur einfache ASCII-Buchstaben, -Ziffern und -Zeichen)</translation>
    </message>
    <message>
        <source>the name pattern &apos;%1&apos; has a lone &apos;}&apos;</source>
        <translation>das Namensmuster „%1“ enthält eine &apos;}&apos; ohne &apos;{&apos;</translation>
    </message>
    <message>
        <source>the name pattern &apos;%1&apos; has a &apos;{&apos; without &apos;}&apos;</source>
        <translation>das Namensmuster „%1“ enthält eine &apos;{&apos; ohne &apos;}&apos;</translation>
    </message>
    <message>
        <source>{%1} in the name pattern: the ID has 1 to 7 digits to keep</source>
        <translation>{%1} im Namensmuster: Die ID hat 1 bis 7 Ziffern, die übernommen werden können</translation>
    </message>
    <message>
        <source>{%1} in the name pattern is not known: use {n}, {id} or {id:4}</source>
        <translation>{%1} im Namensmuster ist unbekannt: Verwenden Sie {n}, {id} oder {id:4}</translation>
    </message>
    <message>
        <source>radio %1: the name &quot;%2&quot; is cut to the radio&apos;s 8 characters: &quot;%3&quot;</source>
        <translation>Funkgerät %1: Der Name „%2“ wird auf die 8 Zeichen des Funkgeräts gekürzt: „%3“</translation>
    </message>
    <message>
        <source>no port given: name at least one radio&apos;s port</source>
        <translation>keine Schnittstelle angegeben: Nennen Sie die Schnittstelle mindestens eines Funkgeräts</translation>
    </message>
    <message>
        <source>an empty port name was given</source>
        <translation>ein leerer Schnittstellenname wurde angegeben</translation>
    </message>
    <message>
        <source>an ID start value and keeping each radio&apos;s identity exclude each other</source>
        <translation>ein ID-Startwert und das Beibehalten der Kennung jedes Funkgeräts schließen sich gegenseitig aus</translation>
    </message>
    <message>
        <source>the first radio ID must have at most 7 digits (1 to 9999999)</source>
        <translation>die erste Geräte-ID darf höchstens 7 Ziffern haben (1 bis 9999999)</translation>
    </message>
    <message>
        <source>the ID step must have at most 7 digits</source>
        <translation>die ID-Schrittweite darf höchstens 7 Ziffern haben</translation>
    </message>
    <message>
        <source>every radio needs an ID of its own, but all %1 would get the document&apos;s ID %2: give a first ID and a step, or keep each radio&apos;s identity</source>
        <translation>jedes Funkgerät braucht eine eigene ID, aber alle %1 würden die ID %2 des Dokuments erhalten: Geben Sie eine erste ID und eine Schrittweite an oder behalten Sie die Kennung jedes Funkgeräts bei</translation>
    </message>
    <message>
        <source>radio %1 (%2) would get the ID %3, which has no 7-digit form</source>
        <translation>Funkgerät %1 (%2) würde die ID %3 erhalten, die keine 7-stellige Form hat</translation>
    </message>
    <message>
        <source>radio %1 (%2) would get the ID %3, which the radio does not take (0000001 to 9000000, not 1000000, 2000000, ... 9000000): choose another start or step</source>
        <translation>Funkgerät %1 (%2) würde die ID %3 erhalten, die das Funkgerät nicht annimmt (0000001 bis 9000000, nicht 1000000, 2000000, ... 9000000): Wählen Sie einen anderen Startwert oder eine andere Schrittweite</translation>
    </message>
    <message>
        <source>radios %1 and %2 would both be named &quot;%3&quot; once cut to the radio&apos;s 8 characters: shorten the pattern or put the ID&apos;s digits first</source>
        <translation>Funkgeräte %1 und %2 würden nach dem Kürzen auf die 8 Zeichen des Funkgeräts beide „%3“ heißen: Kürzen Sie das Muster oder stellen Sie die Ziffern der ID an den Anfang</translation>
    </message>
    <message>
        <source>every radio needs an ID of its own, but the step repeats %1</source>
        <translation>jedes Funkgerät braucht eine eigene ID, aber die Schrittweite wiederholt %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>ID %1 on %2</source>
        <translation>ID %1 an %2</translation>
    </message>
    <message>
        <source>wire trace: %1</source>
        <translation>Mitschnitt: %1</translation>
    </message>
    <message>
        <source>stopped before its configuration was sent</source>
        <translation>gestoppt, bevor seine Konfiguration gesendet wurde</translation>
    </message>
    <message>
        <source>no read backup kept: there is no folder for backups</source>
        <translation>keine Sicherung des Auslesens aufbewahrt: Es gibt keinen Ordner für Sicherungen</translation>
    </message>
    <message>
        <source>no write backup kept: there is no folder for backups</source>
        <translation>keine Sicherung des Schreibens aufbewahrt: Es gibt keinen Ordner für Sicherungen</translation>
    </message>
    <message>
        <source>stopped while reading the radio; nothing was sent</source>
        <translation>beim Auslesen des Funkgeräts gestoppt; es wurde nichts gesendet</translation>
    </message>
    <message>
        <source>two radios hold the same ID, so none was written: %1</source>
        <translation>zwei Funkgeräte haben dieselbe ID, daher wurde keines beschrieben: %1</translation>
    </message>
    <message>
        <source>its squelch calibration could not be read, so nothing was sent: %1</source>
        <translation>seine Rauschsperren-Kalibrierung konnte nicht ausgelesen werden, daher wurde nichts gesendet: %1</translation>
    </message>
    <message>
        <source>not written, after the warning: %1</source>
        <translation>nach der Warnung nicht beschrieben: %1</translation>
    </message>
    <message>
        <source>its configuration has errors and was not sent: %1</source>
        <translation>seine Konfiguration hat Fehler und wurde nicht gesendet: %1</translation>
    </message>
    <message>
        <source>written despite errors: %1</source>
        <translation>trotz Fehlern beschrieben: %1</translation>
    </message>
    <message>
        <source>row</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>radio %1</source>
        <translation>Funkgerät %1</translation>
    </message>
    <message>
        <source>line</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>not run</source>
        <translation>nicht ausgeführt</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>geprüft</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>angehalten</translation>
    </message>
    <message>
        <source>broke off</source>
        <translation>abgebrochen</translation>
    </message>
    <message>
        <source>differs</source>
        <translation>weicht ab</translation>
    </message>
    <message>
        <source>not asked</source>
        <translation>nicht gewünscht</translation>
    </message>
</context>
<context>
    <name>form</name>
    <message>
        <source>printable ASCII characters only</source>
        <translation>nur druckbare ASCII-Zeichen</translation>
    </message>
    <message>
        <source>digits only</source>
        <translation>nur Ziffern</translation>
    </message>
    <message>
        <source>digits and a point only</source>
        <translation>nur Ziffern und ein Punkt</translation>
    </message>
    <message>
        <source>0-9, A-D, * and # only</source>
        <translation>nur 0-9, A-D, * und #</translation>
    </message>
    <message>
        <source>hexadecimal digits only</source>
        <translation>nur Hexadezimalziffern</translation>
    </message>
    <message>
        <source>%1 to %2 in steps of %3</source>
        <translation>%1 bis %2 in Schritten von %3</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>no entry of the list</source>
        <translation>kein Eintrag der Liste</translation>
    </message>
    <message>
        <source>band edges and the channel raster</source>
        <translation>Bandgrenzen und Kanalraster</translation>
    </message>
    <message>
        <source>a CTCSS tone 60.0 to 280.0 Hz or a DCS code</source>
        <translation>ein CTCSS-Ton 60.0 bis 280.0 Hz oder ein DCS-Code</translation>
    </message>
    <message>
        <source>0 or 1</source>
        <translation>0 oder 1</translation>
    </message>
    <message>
        <source>at most %1 digits</source>
        <translation>höchstens %1 Ziffern</translation>
    </message>
    <message>
        <source>at most %1 characters</source>
        <translation>höchstens %1 Zeichen</translation>
    </message>
    <message>
        <source>7 digits up to 9000000, not one digit and six 0s</source>
        <translation>7 Ziffern bis 9000000, nicht eine Ziffer und sechs Nullen</translation>
    </message>
    <message>
        <source>as the radio keeps it</source>
        <translation>so, wie das Funkgerät es speichert</translation>
    </message>
    <message>
        <source>%1: %2 stored as %3 (%4)</source>
        <translation>%1: %2 gespeichert als %3 (%4)</translation>
    </message>
</context>
<context>
    <name>image</name>
    <message>
        <source>&quot;%1&quot; is not a radio file: it holds %2 bytes; a radio file holds %3.</source>
        <translation>„%1“ ist keine Funkgerätedatei: Sie enthält %2 Bytes; eine Funkgerätedatei enthält %3.</translation>
    </message>
    <message>
        <source>%1 holds %2 bytes, more than a radio image: only its first %3 bytes are loaded, and the rest is not kept.</source>
        <translation>%1 enthält %2 Bytes, mehr als ein Funkgeräte-Abbild: Nur die ersten %3 Bytes werden geladen, der Rest wird nicht übernommen.</translation>
    </message>
    <message>
        <source>Unexpected file format.
&quot;%1&quot; holds %2 bytes; a radio file holds %3.</source>
        <translation>Unerwartetes Dateiformat.
„%1“ enthält %2 Bytes; eine Funkgerätedatei enthält %3.</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
</context>
<context>
    <name>interchange</name>
    <message>
        <source>%1 row did not fit below channel 16: left out</source>
        <translation>%1 Zeile passte nicht mehr bis Kanal 16: ausgelassen</translation>
    </message>
    <message>
        <source>%1 rows did not fit below channel 16: left out</source>
        <translation>%1 Zeilen passten nicht mehr bis Kanal 16: ausgelassen</translation>
    </message>
    <message>
        <source>channel %1, %2: %3</source>
        <translation>Kanal %1, %2: %3</translation>
    </message>
    <message>
        <source>line %1: %2: row left out</source>
        <translation>Zeile %1: %2: Zeile ausgelassen</translation>
    </message>
    <message>
        <source>%1 is no frequency</source>
        <translation>%1 ist keine Frequenz</translation>
    </message>
    <message>
        <source>no Rx Freq</source>
        <translation>keine Rx-Frequenz</translation>
    </message>
    <message>
        <source>%1 is no frequency: left as it was</source>
        <translation>%1 ist keine Frequenz: unverändert gelassen</translation>
    </message>
    <message>
        <source>the clipboard text is no table of channels: %1</source>
        <translation>der Text in der Zwischenablage ist keine Kanaltabelle: %1</translation>
    </message>
    <message>
        <source>the clipboard holds no channel rows</source>
        <translation>die Zwischenablage enthält keine Kanalzeilen</translation>
    </message>
    <message>
        <source>%1 %2 is not a frequency in MHz</source>
        <translation>%1 %2 ist keine Frequenz in MHz</translation>
    </message>
    <message>
        <source>Duplex %1 is not empty, +, -, split or off</source>
        <translation>Duplex %1 ist nicht leer, +, -, split oder off</translation>
    </message>
    <message>
        <source>Offset %1 is not a number of MHz</source>
        <translation>Offset %1 ist keine Zahl in MHz</translation>
    </message>
    <message>
        <source>Offset %1 is 10000 MHz or more, no frequency to transmit on</source>
        <translation>Offset %1 beträgt 10000 MHz oder mehr, keine Frequenz zum Senden</translation>
    </message>
    <message>
        <source>Frequency %1 Offset gives %2 MHz, no frequency to transmit on</source>
        <translation>Frequency %1 Offset ergibt %2 MHz, keine Frequenz zum Senden</translation>
    </message>
    <message>
        <source>Power %1 is not understood: set to %2</source>
        <translation>Power %1 wird nicht verstanden: auf %2 gesetzt</translation>
    </message>
    <message>
        <source>Skip %1 is not empty, S or P</source>
        <translation>Skip %1 ist nicht leer, S oder P</translation>
    </message>
    <message>
        <source>the first line must name the columns, Location and Frequency among them, as CHIRP writes it</source>
        <translation>die erste Zeile muss die Spalten benennen, darunter Location und Frequency, so wie CHIRP sie schreibt</translation>
    </message>
    <message>
        <source>%1: left out</source>
        <translation>%1: ausgelassen</translation>
    </message>
    <message>
        <source>Location %1 is no channel of this radio (1-16)</source>
        <translation>Location %1 ist kein Kanal dieses Funkgeräts (1-16)</translation>
    </message>
    <message>
        <source>channel %1 is set on line %2</source>
        <translation>Kanal %1 ist schon in Zeile %2 gesetzt</translation>
    </message>
    <message>
        <source>channel %1: Mode %2 is not available (FM and NFM only)</source>
        <translation>Kanal %1: Mode %2 ist nicht verfügbar (nur FM und NFM)</translation>
    </message>
    <message>
        <source>channel %1 has no frequency</source>
        <translation>Kanal %1 hat keine Frequenz</translation>
    </message>
    <message>
        <source>channel %1: %2</source>
        <translation>Kanal %1: %2</translation>
    </message>
    <message>
        <source>names are not kept: the radio has no channel names</source>
        <translation>Namen werden nicht übernommen: Das Funkgerät hat keine Kanalnamen</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 ist leer</translation>
    </message>
    <message>
        <source>DtcsPolarity %1 is not NN, NR, RN or RR</source>
        <translation>DtcsPolarity %1 ist nicht NN, NR, RN oder RR</translation>
    </message>
    <message>
        <source>tone mode %1 (reverse squelch) is not available: no tones</source>
        <translation>Tonart %1 (umgekehrte Rauschsperre) ist nicht verfügbar: keine Töne</translation>
    </message>
    <message>
        <source>Tone %1 is not empty, Tone, TSQL, DTCS, TSQL-R, DTCS-R or Cross</source>
        <translation>Tone %1 ist nicht leer, Tone, TSQL, DTCS, TSQL-R, DTCS-R oder Cross</translation>
    </message>
    <message>
        <source>CrossMode %1 is not one of Tone-&gt;Tone, Tone-&gt;DTCS, DTCS-&gt;Tone, -&gt;Tone, -&gt;DTCS, DTCS-&gt;, DTCS-&gt;DTCS, Tone-&gt;</source>
        <translation>CrossMode %1 ist keiner von Tone-&gt;Tone, Tone-&gt;DTCS, DTCS-&gt;Tone, -&gt;Tone, -&gt;DTCS, DTCS-&gt;, DTCS-&gt;DTCS, Tone-&gt;</translation>
    </message>
    <message>
        <source>more than %1 contacts</source>
        <translation>mehr als %1 Kontakte</translation>
    </message>
    <message>
        <source>the name %1 is already on line %2</source>
        <translation>der Name %1 steht schon in Zeile %2</translation>
    </message>
    <message>
        <source>the name %1 is there twice</source>
        <translation>der Name %1 kommt zweimal vor</translation>
    </message>
    <message>
        <source>the number %1 is already on line %2</source>
        <translation>die Nummer %1 steht schon in Zeile %2</translation>
    </message>
    <message>
        <source>the number %1 is there twice</source>
        <translation>die Nummer %1 kommt zweimal vor</translation>
    </message>
    <message>
        <source>contact %1: slot %2 is not a free slot 1 to 64</source>
        <translation>Kontakt %1: Platz %2 ist kein freier Platz von 1 bis 64</translation>
    </message>
    <message>
        <source>channel %1: %2 is not an entry of &quot;%3&quot;</source>
        <translation>Kanal %1: %2 ist kein Eintrag von „%3“</translation>
    </message>
    <message>
        <source>channel %1 %2: %3</source>
        <translation>Kanal %1 %2: %3</translation>
    </message>
    <message>
        <source>%1 (%2) is greyed out in the dialog</source>
        <translation>%1 (%2) ist im Dialog ausgegraut</translation>
    </message>
    <message>
        <source>%1 (%2) is greyed out in the dialog: %3</source>
        <translation>%1 (%2) ist im Dialog ausgegraut: %3</translation>
    </message>
    <message>
        <source>line %1, column %2: %3</source>
        <translation>Zeile %1, Spalte %2: %3</translation>
    </message>
    <message>
        <source>the byte at %1 is not one no field owns</source>
        <translation>das Byte bei %1 gehört zu einem Feld und kann hier nicht als Rohbyte stehen</translation>
    </message>
    <message>
        <source>group rx list %1: %2</source>
        <translation>Rx-Gruppenliste %1: %2</translation>
    </message>
    <message>
        <source>the byte at %1 is not a byte of the contacts</source>
        <translation>das Byte bei %1 ist kein Byte der Kontakte</translation>
    </message>
    <message>
        <source>the control character %1 is not allowed in a YAML file</source>
        <translation>das Steuerzeichen %1 ist in einer YAML-Datei nicht erlaubt</translation>
    </message>
    <message>
        <source>a backslash before %1 starts no YAML escape sequence (a backslash itself is written \\)</source>
        <translation>ein Backslash vor %1 beginnt keine YAML-Escape-Sequenz (ein Backslash selbst wird \\ geschrieben)</translation>
    </message>
    <message>
        <source>YAML syntax: %1</source>
        <translation>YAML-Syntax: %1</translation>
    </message>
    <message>
        <source>%1: expected a text, not a list or mapping</source>
        <translation>%1: Text erwartet, keine Liste und kein Mapping</translation>
    </message>
    <message>
        <source>%1: expected a number from %2 to %3</source>
        <translation>%1: Zahl von %2 bis %3 erwartet</translation>
    </message>
    <message>
        <source>%1: expected %2 bytes as hexadecimal digits</source>
        <translation>%1: %2 Bytes als Hexadezimalziffern erwartet</translation>
    </message>
    <message>
        <source>%1: expected bytes as hexadecimal digits</source>
        <translation>%1: Bytes als Hexadezimalziffern erwartet</translation>
    </message>
    <message>
        <source>%1: expected a mapping</source>
        <translation>%1: Mapping erwartet</translation>
    </message>
    <message>
        <source>%1: expected a list</source>
        <translation>%1: Liste erwartet</translation>
    </message>
    <message>
        <source>%1: more than %2 entries</source>
        <translation>%1: mehr als %2 Einträge</translation>
    </message>
    <message>
        <source>%1: %2 is not an address 0x0000 to 0x3FFF</source>
        <translation>%1: %2 ist keine Adresse von 0x0000 bis 0x3FFF</translation>
    </message>
    <message>
        <source>%1: unknown key %2 (see dpmrtool fields: the keys after &quot;channel%3.&quot;)</source>
        <translation>%1: unbekannter Schlüssel %2 (siehe dpmrtool fields: die Schlüssel nach „channel%3.“)</translation>
    </message>
    <message>
        <source>unknown settings page %1 (see dpmrtool fields)</source>
        <translation>unbekannte Einstellungsseite %1 (siehe dpmrtool fields)</translation>
    </message>
    <message>
        <source>unknown key %1 (see dpmrtool fields)</source>
        <translation>unbekannter Schlüssel %1 (siehe dpmrtool fields)</translation>
    </message>
    <message>
        <source>%1: unknown key %2 (value or bytes)</source>
        <translation>%1: unbekannter Schlüssel %2 (value oder bytes)</translation>
    </message>
    <message>
        <source>contact type: %1 is not an entry of &quot;Type&quot; (&quot;%2&quot;, &quot;%3&quot;)</source>
        <translation>Kontakttyp: %1 ist kein Eintrag von „Typ“ („%2“, „%3“)</translation>
    </message>
    <message>
        <source>contact: unknown key %1 (name, number, type, slot)</source>
        <translation>Kontakt: unbekannter Schlüssel %1 (name, number, type, slot)</translation>
    </message>
    <message>
        <source>%1: unknown key %2 (members or bytes)</source>
        <translation>%1: unbekannter Schlüssel %2 (members oder bytes)</translation>
    </message>
    <message>
        <source>%1: expected a list of contact names</source>
        <translation>%1: Liste von Kontaktnamen erwartet</translation>
    </message>
    <message>
        <source>expected a dpmrcps codeplug (a mapping with format: 1)</source>
        <translation>dpmrcps-Codeplug erwartet (ein Mapping mit format: 1)</translation>
    </message>
    <message>
        <source>format %1 is not one this program reads (%2)</source>
        <translation>Format %1 kann dieses Programm nicht lesen (%2)</translation>
    </message>
    <message>
        <source>unknown key %1</source>
        <translation>unbekannter Schlüssel %1</translation>
    </message>
    <message>
        <source>no &quot;format&quot;: not a dpmrcps codeplug</source>
        <translation>kein „format“: kein dpmrcps-Codeplug</translation>
    </message>
    <message>
        <source>lists and mappings are nested %1 deep here; a codeplug nests at most 4</source>
        <translation>Listen und Mappings sind hier %1 Ebenen tief verschachtelt; ein Codeplug verschachtelt höchstens 4</translation>
    </message>
    <message>
        <source>the key %1 is given twice in one mapping, on line %2</source>
        <translation>der Schlüssel %1 kommt in einem Mapping zweimal vor, in Zeile %2</translation>
    </message>
    <message>
        <source>the key %1 is given twice in one mapping, on lines %2 and %3</source>
        <translation>der Schlüssel %1 kommt in einem Mapping zweimal vor, in den Zeilen %2 und %3</translation>
    </message>
</context>
<context>
    <name>link</name>
    <message>
        <source>install the udev rule %1 (the dpmrcps package does; from the sources: sudo cp res/linux/%1 /etc/udev/rules.d/), then: sudo udevadm control --reload &amp;&amp; sudo udevadm trigger --subsystem-match=tty</source>
        <translation>Installieren Sie die udev-Regel %1 (das dpmrcps-Paket tut das; aus den Quellen: sudo cp res/linux/%1 /etc/udev/rules.d/), dann: sudo udevadm control --reload &amp;&amp; sudo udevadm trigger --subsystem-match=tty</translation>
    </message>
    <message>
        <source>%1 is not a serial port</source>
        <translation>%1 ist keine serielle Schnittstelle</translation>
    </message>
    <message>
        <source>choose the cable&apos;s port, such as /dev/ttyUSB0 (dpmrtool ports lists them)</source>
        <translation>Wählen Sie die Schnittstelle des Kabels, etwa /dev/ttyUSB0 (dpmrtool ports listet sie auf)</translation>
    </message>
    <message>
        <source>the system refused to open %1 although its permissions allow it</source>
        <translation>das System verweigerte das Öffnen von %1, obwohl die Zugriffsrechte es erlauben</translation>
    </message>
    <message>
        <source>a sandbox (a snap or flatpak package) or a security policy keeps the program from the device: run the program installed from the Debian package or built from the sources</source>
        <translation>eine Sandbox (ein Snap- oder Flatpak-Paket) oder eine Sicherheitsrichtlinie hält das Programm vom Gerät fern: Verwenden Sie das Programm aus dem Debian-Paket oder aus den Quellen gebaut</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2</source>
        <translation>%1 konnte nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>plug the cable in again; if that does not help, restart the computer</source>
        <translation>Stecken Sie das Kabel neu ein; hilft das nicht, starten Sie den Computer neu</translation>
    </message>
    <message>
        <source>%1 does not exist: the cable is not plugged in, or its port has another name now</source>
        <translation>%1 existiert nicht: Das Kabel ist nicht eingesteckt, oder seine Schnittstelle heißt jetzt anders</translation>
    </message>
    <message>
        <source>plug the cable into the computer and the radio, then choose the port that appears (dpmrtool ports lists them; Setting &gt; Port shows them as they come)</source>
        <translation>Stecken Sie das Kabel in den Computer und in das Funkgerät und wählen Sie dann die Schnittstelle, die erscheint (dpmrtool ports listet sie auf; Einstellungen &gt; Schnittstelle zeigt sie, sobald sie erscheinen)</translation>
    </message>
    <message>
        <source>brltty (a braille display driver) is installed and claims USB serial adapters (%1): if the port disappeared right after the cable was plugged in, brltty took it</source>
        <translation>brltty (ein Treiber für Braillezeilen) ist installiert und beansprucht USB-Seriell-Adapter (%1): Ist die Schnittstelle gleich nach dem Einstecken des Kabels verschwunden, hat brltty sie übernommen</translation>
    </message>
    <message>
        <source>without a braille display: sudo apt remove brltty, then plug the cable in again; with one: comment out the line for the cable&apos;s chip in %1</source>
        <translation>Ohne Braillezeile: sudo apt remove brltty, dann das Kabel neu einstecken; mit Braillezeile: die Zeile für den Chip des Kabels in %1 auskommentieren</translation>
    </message>
    <message>
        <source>brltty&apos;s udev rules</source>
        <translation>den udev-Regeln von brltty</translation>
    </message>
    <message>
        <source>a virtual port (a pseudo-terminal), such as the virtual radio&apos;s: no cable</source>
        <translation>eine virtuelle Schnittstelle (ein Pseudo-Terminal), wie die des virtuellen Funkgeräts: kein Kabel</translation>
    </message>
    <message>
        <source>USB serial adapter: USB %1</source>
        <translation>USB-Seriell-Adapter: USB %1</translation>
    </message>
    <message>
        <source>%1 cable: USB %2</source>
        <translation>%1-Kabel: USB %2</translation>
    </message>
    <message>
        <source>, driver %1</source>
        <translation>, Treiber %1</translation>
    </message>
    <message>
        <source>, also %1</source>
        <translation>, auch %1</translation>
    </message>
    <message>
        <source>a Bluetooth serial port, not the radio&apos;s programming cable</source>
        <translation>eine serielle Bluetooth-Schnittstelle, nicht das Programmierkabel des Funkgeräts</translation>
    </message>
    <message>
        <source>plug the programming cable in and choose its port (/dev/ttyUSB0 or /dev/ttyACM0)</source>
        <translation>Stecken Sie das Programmierkabel ein und wählen Sie seine Schnittstelle (/dev/ttyUSB0 oder /dev/ttyACM0)</translation>
    </message>
    <message>
        <source>a serial port built into the computer: a USB programming cable is named ttyUSB or ttyACM</source>
        <translation>eine im Computer eingebaute serielle Schnittstelle: Ein USB-Programmierkabel heißt ttyUSB oder ttyACM</translation>
    </message>
    <message>
        <source>a serial port built into the computer, driver %1: a USB programming cable is named ttyUSB or ttyACM</source>
        <translation>eine im Computer eingebaute serielle Schnittstelle, Treiber %1: Ein USB-Programmierkabel heißt ttyUSB oder ttyACM</translation>
    </message>
    <message>
        <source> (owner %1, group %2, mode %3)</source>
        <translation> (Besitzer %1, Gruppe %2, Modus %3)</translation>
    </message>
    <message>
        <source>your user %1 was added to the group %2, which may open %3, but this session started before and does not have the group yet</source>
        <translation>Ihr Benutzer %1 wurde der Gruppe %2 hinzugefügt, die %3 öffnen darf, aber diese Sitzung hat schon vorher begonnen und hat die Gruppe noch nicht</translation>
    </message>
    <message>
        <source>log out and in again (or restart the computer); until then, &apos;newgrp %1&apos; starts a shell that has it</source>
        <translation>Melden Sie sich ab und wieder an (oder starten Sie den Computer neu); bis dahin startet &apos;newgrp %1&apos; eine Shell, die sie hat</translation>
    </message>
    <message>
        <source>your user %1 is not in the group %2, which may open %3%4</source>
        <translation>Ihr Benutzer %1 ist nicht in der Gruppe %2, die %3%4 öffnen darf</translation>
    </message>
    <message>
        <source>sudo adduser %1 %2, then log out and in again</source>
        <translation>sudo adduser %1 %2, danach ab- und wieder anmelden</translation>
    </message>
    <message>
        <source>only root may open %1%2</source>
        <translation>nur root darf %1%2 öffnen</translation>
    </message>
    <message>
        <source>only its owner may open %1%2</source>
        <translation>nur der Besitzer darf %1%2 öffnen</translation>
    </message>
    <message>
        <source>%1; it gives the group dialout the programming cables: then sudo adduser %2 dialout, and log out and in again</source>
        <translation>%1; sie gibt der Gruppe dialout Zugriff auf die Programmierkabel: danach sudo adduser %2 dialout, dann ab- und wieder anmelden</translation>
    </message>
    <message>
        <source>%1 (process %2)</source>
        <translation>%1 (Prozess %2)</translation>
    </message>
    <message>
        <source>a program</source>
        <translation>ein Programm</translation>
    </message>
    <message>
        <source>close the other program, then try again</source>
        <translation>Schließen Sie das andere Programm und versuchen Sie es erneut</translation>
    </message>
    <message>
        <source>close %1 (or end it: kill %2), then try again</source>
        <translation>Schließen Sie %1 (oder beenden Sie es: kill %2) und versuchen Sie es erneut</translation>
    </message>
    <message>
        <source>that program</source>
        <translation>dieses Programm</translation>
    </message>
    <message>
        <source>%1 is in use by another program%2</source>
        <translation>%1 ist von einem anderen Programm belegt%2</translation>
    </message>
    <message>
        <source>the udev rule %1 is not installed: it keeps ModemManager away from the cable and gives the group dialout access to it</source>
        <translation>die udev-Regel %1 ist nicht installiert: Sie hält ModemManager vom Kabel fern und gibt der Gruppe dialout Zugriff darauf</translation>
    </message>
    <message>
        <source>the udev rule %1 does not name this cable&apos;s chip (USB %2)</source>
        <translation>die udev-Regel %1 nennt den Chip dieses Kabels nicht (USB %2)</translation>
    </message>
    <message>
        <source>add a line for it to the rule (a copy of one of its lines with idVendor %1 and idProduct %2), then: sudo udevadm control --reload &amp;&amp; sudo udevadm trigger --subsystem-match=tty</source>
        <translation>Fügen Sie der Regel eine Zeile dafür hinzu (eine Kopie einer ihrer Zeilen mit idVendor %1 und idProduct %2), dann: sudo udevadm control --reload &amp;&amp; sudo udevadm trigger --subsystem-match=tty</translation>
    </message>
    <message>
        <source>the udev rule %1 names this cable&apos;s chip but has not been applied to %2 yet</source>
        <translation>die udev-Regel %1 nennt den Chip dieses Kabels, wurde aber noch nicht auf %2 angewendet</translation>
    </message>
    <message>
        <source>plug the cable in again, or run: sudo udevadm trigger --subsystem-match=tty</source>
        <translation>Stecken Sie das Kabel neu ein oder führen Sie aus: sudo udevadm trigger --subsystem-match=tty</translation>
    </message>
    <message>
        <source>ModemManager is running and has not been told to leave %1 alone: it may send AT commands to the cable for several seconds after it is plugged in, and a Read or Write started then fails</source>
        <translation>ModemManager läuft und wurde nicht angewiesen, %1 in Ruhe zu lassen: Er kann nach dem Einstecken mehrere Sekunden lang AT-Befehle an das Kabel senden, und ein in dieser Zeit gestartetes Auslesen oder Schreiben schlägt fehl</translation>
    </message>
    <message>
        <source>%1, and plug the cable in again; or stop ModemManager: sudo systemctl stop ModemManager</source>
        <translation>%1, und stecken Sie das Kabel neu ein; oder beenden Sie ModemManager: sudo systemctl stop ModemManager</translation>
    </message>
    <message>
        <source>plug the cable in again; or stop ModemManager: sudo systemctl stop ModemManager</source>
        <translation>Stecken Sie das Kabel neu ein; oder beenden Sie ModemManager: sudo systemctl stop ModemManager</translation>
    </message>
    <message>
        <source>brltty (a braille display driver) is installed and its udev rules claim this cable&apos;s chip (USB %1): it may take the cable, and the port disappears right after it is plugged in</source>
        <translation>brltty (ein Treiber für Braillezeilen) ist installiert, und seine udev-Regeln beanspruchen den Chip dieses Kabels (USB %1): Es kann das Kabel übernehmen, und die Schnittstelle verschwindet dann gleich nach dem Einstecken</translation>
    </message>
    <message>
        <source>virtual port %1</source>
        <translation>virtuelle Schnittstelle %1</translation>
    </message>
    <message>
        <source>%1 cable on %2</source>
        <translation>%1-Kabel an %2</translation>
    </message>
    <message>
        <source>USB serial adapter on %1</source>
        <translation>USB-Seriell-Adapter an %1</translation>
    </message>
    <message>
        <source>USB serial adapter (%1) on %2</source>
        <translation>USB-Seriell-Adapter (%1) an %2</translation>
    </message>
    <message>
        <source>Bluetooth serial port on %1</source>
        <translation>Serielle Bluetooth-Schnittstelle an %1</translation>
    </message>
    <message>
        <source>%1 (built-in serial port)</source>
        <translation>%1 (eingebaute serielle Schnittstelle)</translation>
    </message>
    <message>
        <source>Problem: %1</source>
        <translation>Problem: %1</translation>
    </message>
    <message>
        <source>Warning: %1</source>
        <translation>Warnung: %1</translation>
    </message>
    <message>
        <source>Fix: %1</source>
        <translation>Abhilfe: %1</translation>
    </message>
    <message>
        <source>%1: can be used</source>
        <translation>%1: verwendbar</translation>
    </message>
    <message>
        <source>%1: cannot be used</source>
        <translation>%1: nicht verwendbar</translation>
    </message>
    <message>
        <source>%1: add your user to the dialout group and log in again</source>
        <translation>%1: Fügen Sie Ihren Benutzer der Gruppe dialout hinzu und melden Sie sich neu an</translation>
    </message>
    <message>
        <source>in use by another program</source>
        <translation>von einem anderen Programm belegt</translation>
    </message>
    <message>
        <source>no port is chosen: choose one under Setting &gt; Port</source>
        <translation>keine Schnittstelle gewählt: Wählen Sie eine unter Einstellungen &gt; Schnittstelle</translation>
    </message>
    <message>
        <source>not a serial port</source>
        <translation>keine serielle Schnittstelle</translation>
    </message>
    <message>
        <source>the radio holds other values for %1 and %2 more.</source>
        <translation>das Funkgerät enthält andere Werte für %1 und %2 weitere.</translation>
    </message>
    <message>
        <source>the radio holds other values for %1.</source>
        <translation>das Funkgerät enthält andere Werte für %1.</translation>
    </message>
    <message>
        <source>there is no home folder to keep it in</source>
        <translation>es gibt keinen Home-Ordner, in dem er aufbewahrt werden kann</translation>
    </message>
    <message>
        <source>cannot make the folder &quot;%1&quot;: %2</source>
        <translation>der Ordner „%1“ kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>cannot write &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>too many traces within the same second</source>
        <translation>zu viele Mitschnitte innerhalb derselben Sekunde</translation>
    </message>
    <message>
        <source>the transfer broke off at address %1</source>
        <translation>die Übertragung brach bei Adresse %1 ab</translation>
    </message>
    <message>
        <source>Cound not open the port.</source>
        <translation>Die Schnittstelle konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Cound not open the port</source>
        <translation>Die Schnittstelle konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Could ont open the port</source>
        <translation>Die Schnittstelle konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Communication error</source>
        <translation>Kommunikationsfehler</translation>
    </message>
    <message>
        <source>Read successfully</source>
        <translation>Erfolgreich ausgelesen</translation>
    </message>
    <message>
        <source>Write successfully</source>
        <translation>Erfolgreich geschrieben</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Erfolgreich</translation>
    </message>
    <message>
        <source>Verify failed</source>
        <translation>Prüfung fehlgeschlagen</translation>
    </message>
    <message>
        <source>Written and verified, except the 24-byte closing block, which the radio does not send back</source>
        <translation>Geschrieben und geprüft, außer dem 24-Byte-Abschlussblock, den das Funkgerät nicht zurücksendet</translation>
    </message>
    <message>
        <source>Write again before using the radio.</source>
        <translation>Schreiben Sie erneut, bevor Sie das Funkgerät benutzen.</translation>
    </message>
    <message>
        <source>The write was completed; the read-back broke off while verifying.</source>
        <translation>Das Schreiben wurde abgeschlossen; das Zurücklesen brach während der Prüfung ab.</translation>
    </message>
    <message>
        <source>The write was completed; checking it was stopped before the end.</source>
        <translation>Das Schreiben wurde abgeschlossen; die Prüfung wurde vor dem Ende gestoppt.</translation>
    </message>
    <message>
        <source>no answer from the radio: is it switched on and the cable plugged in?</source>
        <translation>keine Antwort vom Funkgerät: Ist es eingeschaltet und das Kabel eingesteckt?</translation>
    </message>
    <message>
        <source>the radio did not answer the wake-up with &apos;A&apos;</source>
        <translation>das Funkgerät hat auf den Weckruf nicht mit &apos;A&apos; geantwortet</translation>
    </message>
    <message>
        <source>the radio&apos;s identity block was cut short</source>
        <translation>der Kennungsblock des Funkgeräts war unvollständig</translation>
    </message>
    <message>
        <source>the radio did not confirm the opening exchange</source>
        <translation>das Funkgerät hat den Verbindungsaufbau nicht bestätigt</translation>
    </message>
    <message>
        <source>The radio may now hold a partly written configuration: write it again before using it.</source>
        <translation>Das Funkgerät enthält jetzt möglicherweise eine teilweise geschriebene Konfiguration: Beschreiben Sie es erneut, bevor Sie es benutzen.</translation>
    </message>
    <message>
        <source>The wire trace was not kept: %1</source>
        <translation>Der Mitschnitt wurde nicht aufbewahrt: %1</translation>
    </message>
    <message>
        <source>The wire trace was not written: %1</source>
        <translation>Der Mitschnitt wurde nicht geschrieben: %1</translation>
    </message>
    <message>
        <source>Wire trace: %1</source>
        <translation>Mitschnitt: %1</translation>
    </message>
    <message>
        <source>cannot open a pseudo-terminal</source>
        <translation>ein Pseudo-Terminal kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>cannot set up the pseudo-terminal</source>
        <translation>das Pseudo-Terminal kann nicht eingerichtet werden</translation>
    </message>
    <message>
        <source>cannot open %1</source>
        <translation>%1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>cannot watch %1</source>
        <translation>%1 kann nicht überwacht werden</translation>
    </message>
    <message>
        <source>cannot create a pipe</source>
        <translation>eine Pipe kann nicht angelegt werden</translation>
    </message>
</context>
<context>
    <name>reference</name>
    <message>
        <source>%1, rows 1 to %2</source>
        <translation>%1, Zeilen 1 bis %2</translation>
    </message>
    <message>
        <source>%1 %2 to %3</source>
        <translation>%1 %2 bis %3</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>not shown</source>
        <translation>nicht angezeigt</translation>
    </message>
    <message>
        <source>(factory)</source>
        <translation>(Werk)</translation>
    </message>
    <message>
        <source>Settings reference</source>
        <translation>Einstellungsreferenz</translation>
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
        <translation>&lt;p&gt;Jede Einstellung des Fensters und der Dialoge mit ihrer Wirkung im Funkgerät,
nach Dialog und Seite geordnet. Die Namen in &lt;code&gt;code&lt;/code&gt; sind die Schlüssel, die
&lt;code&gt;dpmrtool get&lt;/code&gt;, &lt;code&gt;dpmrtool set&lt;/code&gt; und die YAML-Codeplug-Datei verwenden
(&lt;code&gt;channelN&lt;/code&gt; steht für &lt;code&gt;channel1&lt;/code&gt; bis &lt;code&gt;channel16&lt;/code&gt;).
Eine mit &lt;i&gt;nicht angezeigt&lt;/i&gt; markierte Einstellung hat in ihrem Dialog kein Bedienelement: Das Programm
behält sie so, wie das Funkgerät sie gespeichert hat. &lt;i&gt;(Werk)&lt;/i&gt; kennzeichnet die Dialoge für den
Werksabgleich und die Kalibrierung des Funkgeräts.&lt;/p&gt;
</translation>
    </message>
</context>
<context>
    <name>report</name>
    <message>
        <source>version and build, OS, kernel, Qt</source>
        <translation>Version und Build, Betriebssystem, Kernel, Qt</translation>
    </message>
    <message>
        <source>the connection doctor&apos;s findings for every port</source>
        <translation>die Befunde der Verbindungsprüfung für jede Schnittstelle</translation>
    </message>
    <message>
        <source>the settings file %1</source>
        <translation>die Einstellungsdatei %1</translation>
    </message>
    <message>
        <source>the list of backups (names only, not the files)</source>
        <translation>die Liste der Sicherungen (nur Namen, nicht die Dateien)</translation>
    </message>
    <message>
        <source>a wire trace of a transfer, the radio&apos;s identity blanked</source>
        <translation>ein Mitschnitt einer Übertragung, ohne die Kennung des Funkgeräts</translation>
    </message>
    <message>
        <source>the open configuration, its radio ID, name, contacts and codes replaced</source>
        <translation>die geöffnete Konfiguration (Geräte-ID, Name, Kontakte und Codes ersetzt)</translation>
    </message>
    <message>
        <source>%1 (%2 bytes): %3</source>
        <translation>%1 (%2 Bytes): %3</translation>
    </message>
</context>
<context>
    <name>service</name>
    <message>
        <source>The band has %1 points; the radio keeps %2 squelch values, so only %3 to %4 MHz are shown.</source>
        <translation>Das Band hat %1 Punkte; das Funkgerät speichert %2 Rauschsperrenwerte, daher werden nur %3 bis %4 MHz angezeigt.</translation>
    </message>
</context>
<context>
    <name>util</name>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>line %1, column %2: the byte %3 is not UTF-8 text: save the file as UTF-8</source>
        <translation>Zeile %1, Spalte %2: Das Byte %3 ist kein UTF-8-Text: Speichern Sie die Datei als UTF-8</translation>
    </message>
    <message>
        <source>a quoted field is not closed</source>
        <translation>ein Feld in Anführungszeichen ist nicht geschlossen</translation>
    </message>
    <message>
        <source>text after the closing quote of a field</source>
        <translation>Text nach dem schließenden Anführungszeichen eines Felds</translation>
    </message>
    <message>
        <source>a quote inside a field that does not start with one</source>
        <translation>ein Anführungszeichen in einem Feld, das nicht mit einem beginnt</translation>
    </message>
    <message>
        <source>the first line must be %1</source>
        <translation>die erste Zeile muss %1 lauten</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2.</source>
        <translation>„%1“ kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: it is a folder.</source>
        <translation>„%1“ kann nicht geöffnet werden: Es ist ein Ordner.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: it is not a regular file.</source>
        <translation>„%1“ kann nicht geöffnet werden: Es ist keine reguläre Datei.</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2.</source>
        <translation>„%1“ kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>Cannot save &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Cannot save: no file name given.</source>
        <translation>Speichern nicht möglich: kein Dateiname angegeben.</translation>
    </message>
    <message>
        <source>it is a folder.</source>
        <translation>Es ist ein Ordner.</translation>
    </message>
    <message>
        <source>it is not a regular file (a device or a pipe).</source>
        <translation>Es ist keine reguläre Datei (ein Gerät oder eine Pipe).</translation>
    </message>
    <message>
        <source>%1: line %2, column %3: larger than 1 MiB, no %4 file</source>
        <translation>%1: Zeile %2, Spalte %3: größer als 1 MiB, keine %4-Datei</translation>
    </message>
</context>
</TS>
