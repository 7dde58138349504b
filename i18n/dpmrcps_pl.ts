<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>Action</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nowy</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>Utwórz nowy dokument</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nowy</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Otwórz...</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>Otwórz istniejący dokument</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Open &amp;Backup...</source>
        <translation>Otwórz kopię zapa&amp;sową...</translation>
    </message>
    <message>
        <source>Open a copy kept by an earlier Read or Write</source>
        <translation>Otwórz kopię zachowaną przy wcześniejszym odczycie lub zapisie</translation>
    </message>
    <message>
        <source>Open Backup</source>
        <translation>Otwórz kopię zapasową</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Zapisz</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>Zapisz aktywny dokument</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Zapisz j&amp;ako...</translation>
    </message>
    <message>
        <source>Save the active document with a new name</source>
        <translation>Zapisz aktywny dokument pod nową nazwą</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Zapisz jako</translation>
    </message>
    <message>
        <source>Expor&amp;t...</source>
        <translation>Ekspor&amp;tuj...</translation>
    </message>
    <message>
        <source>Write the whole configuration to a readable YAML file</source>
        <translation>Zapisz całą konfigurację do czytelnego pliku YAML</translation>
    </message>
    <message>
        <source>I&amp;mport...</source>
        <translation>&amp;Importuj...</translation>
    </message>
    <message>
        <source>Open a YAML file written by Export as a new document</source>
        <translation>Otwórz plik YAML zapisany przez Eksportuj jako nowy dokument</translation>
    </message>
    <message>
        <source>Export &amp;Channels as CSV...</source>
        <translation>Eksportuj kanały do CS&amp;V...</translation>
    </message>
    <message>
        <source>Write the channels to a CSV file in CHIRP&apos;s format</source>
        <translation>Zapisz kanały do pliku CSV w formacie CHIRP</translation>
    </message>
    <message>
        <source>Import C&amp;hannels from CSV...</source>
        <translation>I&amp;mportuj kanały z CSV...</translation>
    </message>
    <message>
        <source>Set channels from a CSV file in CHIRP&apos;s format</source>
        <translation>Ustaw kanały z pliku CSV w formacie CHIRP</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drukuj...</translation>
    </message>
    <message>
        <source>Print the active document</source>
        <translation>Drukuj aktywny dokument</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Pod&amp;gląd wydruku</translation>
    </message>
    <message>
        <source>Display full pages</source>
        <translation>Pokaż całe strony</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Podgląd wydruku</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Ustawienia w&amp;ydruku...</translation>
    </message>
    <message>
        <source>Change the printer and printing options</source>
        <translation>Zmień drukarkę i opcje drukowania</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Ustawienia wydruku</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents</source>
        <translation>Zamknij program; pyta o zapisanie dokumentów</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>Cof&amp;nij</translation>
    </message>
    <message>
        <source>Take back the last change</source>
        <translation>Cofnij ostatnią zmianę</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>P&amp;onów</translation>
    </message>
    <message>
        <source>Make the change taken back last again</source>
        <translation>Ponów ostatnio cofniętą zmianę</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiuj</translation>
    </message>
    <message>
        <source>Copy the selected channels</source>
        <translation>Kopiuj zaznaczone kanały</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Wk&amp;lej</translation>
    </message>
    <message>
        <source>Paste channels from the current row down</source>
        <translation>Wklej kanały od bieżącego wiersza w dół</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Wklej</translation>
    </message>
    <message>
        <source>Appl&amp;y to Selected Channels</source>
        <translation>&amp;Zastosuj do zaznaczonych kanałów</translation>
    </message>
    <message>
        <source>Set the current cell&apos;s tone, power, scan, bandwidth or channel type for every selected channel</source>
        <translation>Ustaw ton, moc, skanowanie, szerokość kanału lub typ kanału z bieżącej komórki we wszystkich zaznaczonych kanałach</translation>
    </message>
    <message>
        <source>Apply to Selected Channels</source>
        <translation>Zastosuj do zaznaczonych kanałów</translation>
    </message>
    <message>
        <source>&amp;Fill Channels...</source>
        <translation>Wypełnij kanał&amp;y...</translation>
    </message>
    <message>
        <source>Fill the selected channels, or all 16, with the PMR446 or dPMR446 channels</source>
        <translation>Wypełnij zaznaczone kanały (lub wszystkie 16) kanałami PMR446 lub dPMR446</translation>
    </message>
    <message>
        <source>Fill Channels</source>
        <translation>Wypełnij kanały</translation>
    </message>
    <message>
        <source>&amp;Scan Info</source>
        <translation>&amp;Skanowanie</translation>
    </message>
    <message>
        <source>Edit the scan settings</source>
        <translation>Edytuj ustawienia skanowania</translation>
    </message>
    <message>
        <source>&amp;Basic setting</source>
        <translation>Us&amp;tawienia podstawowe</translation>
    </message>
    <message>
        <source>Edit the basic settings</source>
        <translation>Edytuj ustawienia podstawowe</translation>
    </message>
    <message>
        <source>&amp;Alarm</source>
        <translation>&amp;Alarm</translation>
    </message>
    <message>
        <source>Edit the alarm settings</source>
        <translation>Edytuj ustawienia alarmu</translation>
    </message>
    <message>
        <source>&amp;DTMF</source>
        <translation>&amp;DTMF</translation>
    </message>
    <message>
        <source>Edit the DTMF settings</source>
        <translation>Edytuj ustawienia DTMF</translation>
    </message>
    <message>
        <source>dP&amp;MR</source>
        <translation>dP&amp;MR</translation>
    </message>
    <message>
        <source>Edit the dPMR parameters</source>
        <translation>Edytuj parametry dPMR</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>&amp;Odczytaj</translation>
    </message>
    <message>
        <source>Read Data From Radio</source>
        <translation>Odczytaj dane z radiotelefonu</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Odczytaj z radiotelefonu</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>&amp;Zapisz</translation>
    </message>
    <message>
        <source>Write Data to Radio </source>
        <translation>Zapisz dane do radiotelefonu</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Zapisz do radiotelefonu</translation>
    </message>
    <message>
        <source>Write to &amp;Several Radios...</source>
        <translation>Zapisz do &amp;kilku radiotelefonów...</translation>
    </message>
    <message>
        <source>Write this configuration to several radios at once, each with its own ID</source>
        <translation>Zapisz tę konfigurację naraz do kilku radiotelefonów, każdego z własnym ID</translation>
    </message>
    <message>
        <source>Write to Several Radios</source>
        <translation>Zapisz do kilku radiotelefonów</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>Pasek &amp;narzędzi</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>Pokaż lub ukryj pasek narzędzi</translation>
    </message>
    <message>
        <source>Toggle ToolBar</source>
        <translation>Przełącz pasek narzędzi</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Pasek &amp;stanu</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Pokaż lub ukryj pasek stanu</translation>
    </message>
    <message>
        <source>Toggle StatusBar</source>
        <translation>Przełącz pasek stanu</translation>
    </message>
    <message>
        <source>&amp;Port</source>
        <translation>P&amp;ort</translation>
    </message>
    <message>
        <source>Choose the serial port of the radio</source>
        <translation>Wybierz port szeregowy radiotelefonu</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>Po&amp;dręcznik użytkownika</translation>
    </message>
    <message>
        <source>Open the guide to a first Read, editing, Save and Write</source>
        <translation>Otwórz przewodnik: pierwszy odczyt, edycja, zapis pliku i zapis do radiotelefonu</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Podręcznik użytkownika</translation>
    </message>
    <message>
        <source>&amp;Report a Problem...</source>
        <translation>&amp;Zgłoś problem...</translation>
    </message>
    <message>
        <source>Gather what is needed to look into a problem into one file to attach; nothing is sent</source>
        <translation>Zbierz w jednym pliku do załączenia to, co potrzebne do zbadania problemu; nic nie jest wysyłane</translation>
    </message>
    <message>
        <source>Report a Problem</source>
        <translation>Zgłoś problem</translation>
    </message>
    <message>
        <source>&amp;About ...</source>
        <translation>&amp;O programie...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Pokaż informacje o programie, numer wersji i prawa autorskie</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edycja</translation>
    </message>
    <message>
        <source>&amp;Program</source>
        <translation>&amp;Radiotelefon</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Widok</translation>
    </message>
    <message>
        <source>&amp;Setting</source>
        <translation>&amp;Ustawienia</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Home page:</source>
        <translation>Strona domowa:</translation>
    </message>
    <message>
        <source>Report a problem:</source>
        <translation>Zgłoś problem:</translation>
    </message>
</context>
<context>
    <name>CChannelClipboard</name>
    <message>
        <source>Copied channel %1</source>
        <translation>Skopiowano kanał %1</translation>
    </message>
    <message>
        <source>Copied channels %1-%2</source>
        <translation>Skopiowano kanały %1-%2</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Wklejenie</translation>
    </message>
    <message>
        <source>Nothing pasted</source>
        <translation>Nic nie wklejono</translation>
    </message>
    <message>
        <source>Pasted channel %1</source>
        <translation>Wklejono kanał %1</translation>
    </message>
    <message>
        <source>Pasted channels %1-%2</source>
        <translation>Wklejono kanały %1-%2</translation>
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
        <translation>Pliki CSV (*.csv);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Export Channels as CSV</source>
        <translation>Eksportuj kanały do CSV</translation>
    </message>
    <message>
        <source>Import Channels from CSV</source>
        <translation>Importuj kanały z CSV</translation>
    </message>
    <message>
        <source>Exported the channels to %1</source>
        <translation>Wyeksportowano kanały do %1</translation>
    </message>
    <message>
        <source>Cannot import %1.</source>
        <translation>Nie można zaimportować %1.</translation>
    </message>
    <message>
        <source>No channel was changed.</source>
        <translation>Nie zmieniono żadnego kanału.</translation>
    </message>
    <message>
        <source>Imported 1 channel from %1</source>
        <translation>Zaimportowano 1 kanał z %1</translation>
    </message>
    <message>
        <source>Imported %1 channels from %2</source>
        <translation>Zaimportowano kanały z %2: %1</translation>
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
        <translation>Zmiany kodu koloru Rx i Tx, kontaktu Tx i listy grup Rx w kanale %1 obejmą też: %2.</translation>
    </message>
    <message>
        <source>Channel edit</source>
        <translation>Edycja kanału</translation>
    </message>
    <message>
        <source>Channel edit.</source>
        <translation>Edycja kanału.</translation>
    </message>
</context>
<context>
    <name>CChannelEditDlg</name>
    <message>
        <source>Next channel</source>
        <translation>Następny kanał</translation>
    </message>
    <message>
        <source>Previous channel</source>
        <translation>Poprzedni kanał</translation>
    </message>
    <message>
        <source>Analog</source>
        <translation>Analogowy</translation>
    </message>
    <message>
        <source>Digit</source>
        <translation>Cyfrowy</translation>
    </message>
    <message>
        <source>Call 1</source>
        <translation>Wywołanie 1</translation>
    </message>
    <message>
        <source>Call 2</source>
        <translation>Wywołanie 2</translation>
    </message>
</context>
<context>
    <name>CCodeplugCommands</name>
    <message>
        <source>Codeplug (*.yaml *.yml);;All Files (*)</source>
        <translation>Codeplug (*.yaml *.yml);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Eksportuj</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importuj</translation>
    </message>
    <message>
        <source>Exported %1</source>
        <translation>Wyeksportowano %1</translation>
    </message>
    <message>
        <source>Cannot import %1:
%2</source>
        <translation>Nie można zaimportować %1:
%2</translation>
    </message>
    <message>
        <source>Imported %1</source>
        <translation>Zaimportowano %1</translation>
    </message>
    <message>
        <source>Imported %1: %2 value(s) stored other than written.</source>
        <translation>Zaimportowano %1; wartości zapamiętane inaczej, niż zapisano w pliku: %2.</translation>
    </message>
</context>
<context>
    <name>CContactPage</name>
    <message>
        <source>Contacts</source>
        <translation>Kontakty</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Wstaw</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
</context>
<context>
    <name>CDocumentController</name>
    <message>
        <source>*.dat (*.dat);;All Files (*)</source>
        <translation>*.dat (*.dat);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Untitled (read from the radio)</source>
        <translation>Bez nazwy (odczytany z radiotelefonu)</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Odczyt</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Ponowne wczytanie</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>Otwarto %1</translation>
    </message>
    <message>
        <source>Opened %1.%2</source>
        <translation>Otwarto %1.%2</translation>
    </message>
    <message>
        <source>Opened the backup %1; Save asks for a new name</source>
        <translation>Otwarto kopię zapasową %1; Zapisz zapyta o nową nazwę</translation>
    </message>
    <message>
        <source>%1 no longer exists; it was removed from the recent files.</source>
        <translation>%1 już nie istnieje; usunięto go z listy ostatnich plików.</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Zapisano %1</translation>
    </message>
    <message>
        <source>Saved %1.%2</source>
        <translation>Zapisano %1.%2</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edycja</translation>
    </message>
    <message>
        <source>Reloaded %1</source>
        <translation>Wczytano ponownie %1</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Zapisz jako</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
</context>
<context>
    <name>CDtmfContactPage</name>
    <message>
        <source>No.</source>
        <translation>Nr</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Kod</translation>
    </message>
    <message>
        <source>DTMF codes</source>
        <translation>Kody DTMF</translation>
    </message>
</context>
<context>
    <name>CFillChannelsDlg</name>
    <message>
        <source>Fill Channels</source>
        <translation>Wypełnij kanały</translation>
    </message>
    <message>
        <source>&amp;All 16 channels</source>
        <translation>&amp;Wszystkie 16 kanałów</translation>
    </message>
    <message>
        <source>%1 (%2 channels, %3 kHz apart)</source>
        <translation>%1 (kanały: %2, odstęp %3 kHz)</translation>
    </message>
    <message>
        <source>&amp;Selected %1</source>
        <translation>&amp;Zaznaczone: %1</translation>
    </message>
    <message>
        <source>&amp;Selected channels (select two or more first)</source>
        <translation>&amp;Zaznaczone kanały (najpierw zaznacz co najmniej dwa)</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Brak</translation>
    </message>
    <message>
        <source>The same on every channel</source>
        <translation>Ten sam w każdym kanale</translation>
    </message>
    <message>
        <source>One per channel, rising</source>
        <translation>Po jednym na kanał, rosnąco</translation>
    </message>
    <message>
        <source>To&amp;ne:</source>
        <translation>T&amp;on:</translation>
    </message>
    <message>
        <source>&amp;Plan:</source>
        <translation>&amp;Plan:</translation>
    </message>
    <message>
        <source>&amp;First plan channel:</source>
        <translation>Pierwszy &amp;kanał planu:</translation>
    </message>
    <message>
        <source>Fill:</source>
        <translation>Wypełnij:</translation>
    </message>
    <message>
        <source>CTCSS &amp;tones:</source>
        <translation>&amp;Tony CTCSS:</translation>
    </message>
    <message>
        <source>%1 to %2 MHz</source>
        <translation>%1 do %2 MHz</translation>
    </message>
    <message>
        <source>%1 will stay unchanged: %2 ends at channel %3</source>
        <translation>%1 – bez zmian: %2 kończy się na kanale %3</translation>
    </message>
</context>
<context>
    <name>CFleetIdentityBox</name>
    <message>
        <source>Each radio</source>
        <translation>Każdy radiotelefon</translation>
    </message>
    <message>
        <source>e.g. 1000001</source>
        <translation>np. 1000001</translation>
    </message>
    <message>
        <source>Unit {n}, or {id:4} for the ID&apos;s last 4 digits</source>
        <translation>Radio {n} lub {id:4} – ostatnie 4 cyfry ID</translation>
    </message>
    <message>
        <source>{n}: the radio&apos;s number in the list of ticked ports; {id}: its 7-digit ID; {id:4}: the ID&apos;s last 4 digits. Cut to the radio&apos;s 8 characters.</source>
        <translation>{n}: numer radiotelefonu na liście zaznaczonych portów; {id}: jego 7-cyfrowe ID; {id:4}: ostatnie 4 cyfry ID. Skracane do 8 znaków radiotelefonu.</translation>
    </message>
    <message>
        <source>Keep each radio&apos;s identity</source>
        <translation>Zachowaj tożsamość każdego radiotelefonu</translation>
    </message>
    <message>
        <source>Read each radio first and write the new configuration with its own ID and name</source>
        <translation>Najpierw odczytaj każdy radiotelefon i zapisz nową konfigurację z jego własnym ID i nazwą</translation>
    </message>
    <message>
        <source>Verify after writing</source>
        <translation>Weryfikuj po zapisie</translation>
    </message>
    <message>
        <source>Copy this file&apos;s squelch calibration to every radio</source>
        <translation>Skopiuj kalibrację blokady szumów z tego pliku do każdego radiotelefonu</translation>
    </message>
    <message>
        <source>Off: each radio keeps the squelch calibration the factory set for it (read first, written back unchanged)</source>
        <translation>Wyłączone: każdy radiotelefon zachowuje swoją fabryczną kalibrację blokady szumów (najpierw odczytaną, zapisaną z powrotem bez zmian)</translation>
    </message>
    <message>
        <source>One cable: the list&apos;s radios one after another on one port</source>
        <translation>Jeden kabel: radiotelefony z listy po kolei na jednym porcie</translation>
    </message>
    <message>
        <source>Tick the one port; each radio of the imported list is written in turn, and the dialog asks for the next radio (Space or Enter)</source>
        <translation>Zaznacz ten jeden port; radiotelefony z zaimportowanej listy są zapisywane po kolei, a okno prosi o następny radiotelefon (Spacja lub Enter)</translation>
    </message>
    <message>
        <source>First radio ID:</source>
        <translation>Pierwsze ID:</translation>
    </message>
    <message>
        <source>ID step:</source>
        <translation>Krok ID:</translation>
    </message>
    <message>
        <source>Name pattern:</source>
        <translation>Wzorzec nazwy:</translation>
    </message>
</context>
<context>
    <name>CFleetPortTable</name>
    <message>
        <source>Radios</source>
        <translation>Radiotelefony</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Opis</translation>
    </message>
    <message>
        <source>Radio ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Postęp</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>unplugged</source>
        <translation>odłączony</translation>
    </message>
</context>
<context>
    <name>CFleetSummaryTable</name>
    <message>
        <source>Results</source>
        <translation>Wyniki</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Radio ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Weryfikacja</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekundy</translation>
    </message>
</context>
<context>
    <name>CFleetWriteDlg</name>
    <message>
        <source>Write to Several Radios</source>
        <translation>Zapis do kilku radiotelefonów</translation>
    </message>
    <message>
        <source>Radios (one per port, all written at the same time), each with its ID and name:</source>
        <translation>Radiotelefony (po jednym na port, zapisywane jednocześnie), każdy z własnym ID i nazwą:</translation>
    </message>
    <message>
        <source>/dev/ttyUSB1 or a virtual radio&apos;s /dev/pts/N</source>
        <translation>/dev/ttyUSB1 lub /dev/pts/N wirtualnego radiotelefonu</translation>
    </message>
    <message>
        <source>Port to add</source>
        <translation>Port do dodania</translation>
    </message>
    <message>
        <source>Add Port</source>
        <translation>Dodaj port</translation>
    </message>
    <message>
        <source>Import list...</source>
        <translation>Importuj listę...</translation>
    </message>
    <message>
        <source>The customer&apos;s list: one row a radio with its name, dPMR ID and, optionally, its port; from a CSV file, or the rows copied in a spreadsheet</source>
        <translation>Lista klienta: jeden wiersz na radiotelefon z nazwą, ID dPMR i opcjonalnie portem; z pliku CSV lub z wierszy skopiowanych w arkuszu kalkulacyjnym</translation>
    </message>
    <message>
        <source>From a CSV File...</source>
        <translation>Z pliku CSV...</translation>
    </message>
    <message>
        <source>Paste from the Clipboard</source>
        <translation>Wklej ze schowka</translation>
    </message>
    <message>
        <source>Session log</source>
        <translation>Dziennik sesji</translation>
    </message>
    <message>
        <source>Every run and retry of this session is logged here.</source>
        <translation>Tutaj zapisywane jest każde uruchomienie i ponowienie w tej sesji.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Next Radio</source>
        <translation>Następny</translation>
    </message>
    <message>
        <source>Retry Failed</source>
        <translation>Ponów nieudane</translation>
    </message>
    <message>
        <source>Save Report...</source>
        <translation>Zapisz raport...</translation>
    </message>
    <message>
        <source>Print Report...</source>
        <translation>Drukuj raport...</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>added by hand</source>
        <translation>dodany ręcznie</translation>
    </message>
    <message>
        <source>%1 takes line %2 of the list</source>
        <translation>%1 przejmuje wiersz %2 listy</translation>
    </message>
    <message>
        <source>The list was not taken from %1: %2.</source>
        <translation>Nie przejęto listy z %1: %2.</translation>
    </message>
    <message>
        <source>named in the list</source>
        <translation>podany na liście</translation>
    </message>
    <message>
        <source>%1 radios from %2.</source>
        <translation>Radiotelefony z %2: %1.</translation>
    </message>
    <message>
        <source>
No port for %1 yet: plug in another cable, or write them with &quot;One cable&quot;.</source>
        <translation>
Brak jeszcze portu dla: %1; podłącz kolejny kabel albo zapisz je opcją &quot;Jeden kabel&quot;.</translation>
    </message>
    <message>
        <source>Imported %1 rows from %2</source>
        <translation>Zaimportowano wiersze z %2: %1</translation>
    </message>
    <message>
        <source>Import List</source>
        <translation>Importuj listę</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;Text files (*.txt);;All Files (*)</source>
        <translation>Pliki CSV (*.csv);;Pliki tekstowe (*.txt);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>The list was not read: %1.</source>
        <translation>Nie wczytano listy: %1.</translation>
    </message>
    <message>
        <source>the clipboard</source>
        <translation>schowek</translation>
    </message>
    <message>
        <source>Nothing was sent: %1.</source>
        <translation>Nic nie wysłano: %1.</translation>
    </message>
    <message>
        <source>Nothing was sent: %1 of the list have no radio: plug in another cable or tick another port.</source>
        <translation>Nic nie wysłano: brak radiotelefonu dla pozycji listy: %1; podłącz kolejny kabel lub zaznacz inny port.</translation>
    </message>
    <message>
        <source>Nothing was sent:
%1</source>
        <translation>Nic nie wysłano:
%1</translation>
    </message>
    <message>
        <source>Write the radios all the same?</source>
        <translation>Mimo to zapisać radiotelefony?</translation>
    </message>
    <message>
        <source>Nothing was sent.</source>
        <translation>Nic nie wysłano.</translation>
    </message>
    <message>
        <source>The backups could not be looked through for IDs given before.</source>
        <translation>Nie udało się przeszukać kopii zapasowych pod kątem wcześniej nadanych ID.</translation>
    </message>
    <message>
        <source>Tick the ports of the radios to write.</source>
        <translation>Zaznacz porty radiotelefonów do zapisania.</translation>
    </message>
    <message>
        <source>Every radio keeps the file&apos;s name &quot;%1&quot;.</source>
        <translation>Każdy radiotelefon otrzyma nazwę z pliku: &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Start: %1 radio(s), verify</source>
        <translation>Start (radiotelefony: %1), z weryfikacją</translation>
    </message>
    <message>
        <source>Start: %1 radio(s)</source>
        <translation>Start (radiotelefony: %1)</translation>
    </message>
    <message>
        <source>One cable: tick the one port the radios are put on.</source>
        <translation>Jeden kabel: zaznacz ten jeden port, do którego są podłączane radiotelefony.</translation>
    </message>
    <message>
        <source>One cable: import the list of radios first (&quot;Import list...&quot;).</source>
        <translation>Jeden kabel: najpierw zaimportuj listę radiotelefonów (&quot;Importuj listę...&quot;).</translation>
    </message>
    <message>
        <source>One cable on %1: %2 radios</source>
        <translation>Jeden kabel na %1 (radiotelefony: %2)</translation>
    </message>
    <message>
        <source>Radio %1 got %2 &quot;%3&quot;: %4.
</source>
        <translation>Radiotelefon %1 otrzymał %2 &quot;%3&quot;: %4.
</translation>
    </message>
    <message>
        <source>The list is done: %1 of %2 radios written.</source>
        <translation>Lista zakończona: zapisano %1 z %2 radiotelefonów.</translation>
    </message>
    <message>
        <source>Next: put radio %1 of %2 on the cable (ID %3, &quot;%4&quot;) and press Space or Enter.</source>
        <translation>Dalej: podłącz do kabla radiotelefon %1 z %2 (ID %3, &quot;%4&quot;) i naciśnij Spację lub Enter.</translation>
    </message>
    <message>
        <source>Again: put radio %1 of %2 on the cable (ID %3, &quot;%4&quot;) and press Space or Enter.</source>
        <translation>Ponownie: podłącz do kabla radiotelefon %1 z %2 (ID %3, &quot;%4&quot;) i naciśnij Spację lub Enter.</translation>
    </message>
    <message>
        <source>Radio %1 of %2 on the cable</source>
        <translation>Radiotelefon %1 z %2 na kablu</translation>
    </message>
    <message>
        <source>Retry: %1 radio(s)</source>
        <translation>Ponowienie (radiotelefony: %1)</translation>
    </message>
    <message>
        <source>%1: %2 &quot;%3&quot;: %4</source>
        <translation>%1: %2 &quot;%3&quot;: %4</translation>
    </message>
    <message>
        <source>%1: %2 &quot;%3&quot;: %4, verify %5</source>
        <translation>%1: %2 &quot;%3&quot;: %4, weryfikacja: %5</translation>
    </message>
    <message>
        <source>May hold a partly written configuration: %1</source>
        <translation>Może zawierać częściowo zapisaną konfigurację: %1</translation>
    </message>
    <message>
        <source>%1 of %2 radios written.</source>
        <translation>Zapisano %1 z %2 radiotelefonów.</translation>
    </message>
    <message>
        <source>These radios may now hold a partly written configuration: write them again before using them: %1</source>
        <translation>Te radiotelefony mogą teraz zawierać częściowo zapisaną konfigurację; przed użyciem zapisz je ponownie: %1</translation>
    </message>
    <message>
        <source>
Stopped before the end of the list.</source>
        <translation>
Zatrzymano przed końcem listy.</translation>
    </message>
    <message>
        <source>One cable: stopped before the end of the list</source>
        <translation>Jeden kabel: zatrzymano przed końcem listy</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Zapisz raport</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All Files (*)</source>
        <translation>Pliki CSV (*.csv);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>The report was not saved.
%1</source>
        <translation>Nie zapisano raportu.
%1</translation>
    </message>
    <message>
        <source>
Report saved to %1</source>
        <translation>
Raport zapisano w %1</translation>
    </message>
    <message>
        <source>Report saved to %1</source>
        <translation>Raport zapisano w %1</translation>
    </message>
    <message>
        <source>Radios are being written. Stop every transfer and close?</source>
        <translation>Trwa zapis radiotelefonów. Zatrzymać wszystkie transmisje i zamknąć?</translation>
    </message>
    <message>
        <source>A radio stopped in the middle of its write holds a partly written configuration and is to be written again.</source>
        <translation>Radiotelefon zatrzymany w trakcie zapisu zawiera częściowo zapisaną konfigurację i trzeba go zapisać ponownie.</translation>
    </message>
    <message>
        <source>Closed during the transfer: every radio stopped</source>
        <translation>Zamknięto w trakcie transmisji: zatrzymano wszystkie radiotelefony</translation>
    </message>
</context>
<context>
    <name>CGroupRxListPage</name>
    <message>
        <source>Add &gt;&gt;</source>
        <translation>Dodaj &gt;&gt;</translation>
    </message>
    <message>
        <source>Del &lt;&lt;</source>
        <translation>Usuń &lt;&lt;</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>W górę</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>W dół</translation>
    </message>
    <message>
        <source>Unallocated:</source>
        <translation>Nieprzypisane:</translation>
    </message>
    <message>
        <source>Allocated:</source>
        <translation>Przypisane:</translation>
    </message>
    <message>
        <source>Group rx lists</source>
        <translation>Listy grup Rx</translation>
    </message>
</context>
<context>
    <name>CLanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Język</translation>
    </message>
    <message>
        <source>The &amp;Desktop&apos;s Language</source>
        <translation>Język &amp;systemu</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>The choice of language could not be kept in %1.</source>
        <translation>Nie udało się zachować wyboru języka w %1.</translation>
    </message>
    <message>
        <source>The language changes the next time dpmrcps starts.</source>
        <translation>Język zmieni się przy następnym uruchomieniu dpmrcps.</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Standard</source>
        <translation>Standardowy</translation>
    </message>
    <message>
        <source>Recent &amp;Files</source>
        <translation>Ostatnie p&amp;liki</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Gotowy</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>CAP</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>SCRL</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>Cof&amp;nij</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>Cof&amp;nij: %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>P&amp;onów</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>P&amp;onów: %1</translation>
    </message>
</context>
<context>
    <name>CPortSettingDlg</name>
    <message>
        <source>Virtual radio (demo)</source>
        <translation>Wirtualny radiotelefon (demo)</translation>
    </message>
    <message>
        <source>Port setting</source>
        <translation>Ustawienia portu</translation>
    </message>
    <message>
        <source>&amp;Check the connection</source>
        <translation>&amp;Sprawdź połączenie</translation>
    </message>
    <message>
        <source>Look for what keeps the program from the radio on this port, and how to fix it</source>
        <translation>Sprawdź, co uniemożliwia programowi połączenie z radiotelefonem na tym porcie i jak to naprawić</translation>
    </message>
    <message>
        <source>&amp;Device:</source>
        <translation>&amp;Urządzenie:</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>%1  (%2)</source>
        <translation>%1  (%2)</translation>
    </message>
    <message>
        <source>%1  (cannot be started)</source>
        <translation>%1  (nie można uruchomić)</translation>
    </message>
    <message>
        <source>Unplugged: %1</source>
        <translation>Odłączony: %1</translation>
    </message>
    <message>
        <source>Plugged in: %1
</source>
        <translation>Podłączony: %1
</translation>
    </message>
    <message>
        <source>Choose a port, or type its device path.</source>
        <translation>Wybierz port lub wpisz ścieżkę urządzenia.</translation>
    </message>
</context>
<context>
    <name>CProgramView</name>
    <message>
        <source>Freq range</source>
        <translation>Zakres częst.</translation>
    </message>
    <message>
        <source>Channel edit</source>
        <translation>Edycja kanału</translation>
    </message>
    <message>
        <source>Factroy</source>
        <translation>Fabryczne</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanały</translation>
    </message>
    <message>
        <source>Fill Channels</source>
        <translation>Wypełnij kanały</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>CProgressDlg</name>
    <message>
        <source>Read data</source>
        <translation>Odczyt danych</translation>
    </message>
    <message>
        <source>Write data</source>
        <translation>Zapis danych</translation>
    </message>
    <message>
        <source>Connect the radio, switch it on, then press Start.</source>
        <translation>Podłącz radiotelefon, włącz go, a następnie naciśnij Start.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Check the connection</source>
        <translation>Sprawdź połączenie</translation>
    </message>
    <message>
        <source>Verify after writing</source>
        <translation>Weryfikuj po zapisie</translation>
    </message>
    <message>
        <source>Keep the radio&apos;s squelch calibration</source>
        <translation>Zachowaj kalibrację blokady szumów radiotelefonu</translation>
    </message>
    <message>
        <source>Read the radio&apos;s own squelch calibration first and write it back unchanged, instead of the one in this file (set at the factory for the radio it came from)</source>
        <translation>Najpierw odczytaj własną kalibrację blokady szumów radiotelefonu i zapisz ją z powrotem bez zmian zamiast kalibracji z tego pliku (ustawionej fabrycznie dla radiotelefonu, z którego pochodzi plik)</translation>
    </message>
    <message>
        <source>Connecting to the radio...</source>
        <translation>Łączenie z radiotelefonem...</translation>
    </message>
    <message>
        <source>Ending the session...</source>
        <translation>Kończenie sesji...</translation>
    </message>
    <message>
        <source>Verifying block 0x%1...</source>
        <translation>Weryfikacja bloku 0x%1...</translation>
    </message>
    <message>
        <source>Writing block 0x%1...</source>
        <translation>Zapis bloku 0x%1...</translation>
    </message>
    <message>
        <source>Reading block 0x%1...</source>
        <translation>Odczyt bloku 0x%1...</translation>
    </message>
    <message>
        <source>Written. Reading the radio back to verify...</source>
        <translation>Zapisano. Ponowny odczyt radiotelefonu w celu weryfikacji...</translation>
    </message>
    <message>
        <source>Read from the radio</source>
        <translation>Odczytano z radiotelefonu</translation>
    </message>
    <message>
        <source>Written</source>
        <translation>Zapisano</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Zatrzymano.</translation>
    </message>
    <message>
        <source>Stopped: the document is as it was.</source>
        <translation>Zatrzymano: dokument pozostał bez zmian.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>CRadioCommands</name>
    <message>
        <source>Read from the radio</source>
        <translation>Odczytano z radiotelefonu</translation>
    </message>
    <message>
        <source>Read from the radio. %1</source>
        <translation>Odczytano z radiotelefonu. %1</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... i jeszcze %1</translation>
    </message>
    <message>
        <source>Write anyway?</source>
        <translation>Mimo to zapisać?</translation>
    </message>
    <message>
        <source>The radio cannot use this configuration as it stands:

%1</source>
        <translation>Radiotelefon nie może użyć tej konfiguracji w obecnej postaci:

%1</translation>
    </message>
    <message>
        <source>Note before writing:
%1</source>
        <translation>Uwaga przed zapisem:
%1</translation>
    </message>
    <message>
        <source>Written to the radio</source>
        <translation>Zapisano do radiotelefonu</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>Virtual radio %1 (demo)</source>
        <translation>Wirtualny radiotelefon %1 (demo)</translation>
    </message>
    <message>
        <source>the port of Read and Write</source>
        <translation>port odczytu i zapisu</translation>
    </message>
    <message>
        <source>These radios may hold a partly written configuration: %1</source>
        <translation>Te radiotelefony mogą zawierać częściowo zapisaną konfigurację: %1</translation>
    </message>
    <message>
        <source>Wrong service password: squelch calibration not opened</source>
        <translation>Błędne hasło serwisowe: nie otwarto kalibracji blokady szumów</translation>
    </message>
</context>
<context>
    <name>CReportDlg</name>
    <message>
        <source>Report a Problem</source>
        <translation>Zgłoś problem</translation>
    </message>
    <message>
        <source>This gathers what is needed to look into a connection or a transfer that went wrong into one file for you to attach to your report. Nothing is sent anywhere. It holds:</source>
        <translation>Tu zbierane jest w jednym pliku to, co potrzebne do zbadania nieudanego połączenia lub transmisji; plik należy załączyć do zgłoszenia. Nic nie jest nigdzie wysyłane. Plik zawiera:</translation>
    </message>
    <message>
        <source>&amp;Include the open configuration (radio ID, radio name, contacts and codes replaced)</source>
        <translation>&amp;Dołącz otwartą konfigurację (z zastąpionymi ID i nazwą radiotelefonu, kontaktami i kodami)</translation>
    </message>
    <message>
        <source>&amp;Save Report...</source>
        <translation>&amp;Zapisz raport...</translation>
    </message>
    <message>
        <source>Saved to %1. Attach this file to your problem report.</source>
        <translation>Zapisano w %1. Załącz ten plik do zgłoszenia problemu.</translation>
    </message>
    <message>
        <source>The report was not saved: %1</source>
        <translation>Nie zapisano raportu: %1</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Zapisz raport</translation>
    </message>
    <message>
        <source>Report archives (*.tar.gz);;All Files (*)</source>
        <translation>Archiwa raportów (*.tar.gz);;Wszystkie pliki (*)</translation>
    </message>
</context>
<context>
    <name>CServicePasswordDlg</name>
    <message>
        <source>Password</source>
        <translation>Hasło</translation>
    </message>
    <message>
        <source>Pwd</source>
        <translation>Hasło</translation>
    </message>
</context>
<context>
    <name>CSqlCalibrationPage</name>
    <message>
        <source>Freq</source>
        <translation>Częst.</translation>
    </message>
    <message>
        <source>Sql</source>
        <translation>Sql</translation>
    </message>
    <message>
        <source>The frequency of the band, in MHz, that the row calibrates.</source>
        <translation>Częstotliwość pasma w MHz kalibrowana w tym wierszu.</translation>
    </message>
    <message>
        <source>Squelch calibration points</source>
        <translation>Punkty kalibracji blokady szumów</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Odczytaj</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Zapisz</translation>
    </message>
</context>
<context>
    <name>CUserGuideDlg</name>
    <message>
        <source>User Guide</source>
        <translation>Podręcznik użytkownika</translation>
    </message>
</context>
<context>
    <name>ChannelTablePrinter</name>
    <message>
        <source>Radio name: %1    Radio id: %2    Freq range: %3</source>
        <translation>Nazwa radiotelefonu: %1    ID radiotelefonu: %2    Zakres częst.: %3</translation>
    </message>
</context>
<context>
    <name>ConnectionCheck</name>
    <message>
        <source>Check the connection</source>
        <translation>Sprawdź połączenie</translation>
    </message>
</context>
<context>
    <name>DocumentQuestions</name>
    <message>
        <source> An earlier save of %1 did not finish; the temporary file it left (%2 and %3 more) was removed.</source>
        <translation> Wcześniejszy zapis %1 nie został ukończony; pozostawiony plik tymczasowy (%2 i jeszcze %3) został usunięty.</translation>
    </message>
    <message>
        <source> An earlier save of %1 did not finish; the temporary file it left (%2) was removed.</source>
        <translation> Wcześniejszy zapis %1 nie został ukończony; pozostawiony plik tymczasowy (%2) został usunięty.</translation>
    </message>
    <message>
        <source> %1 itself is whole, as last saved on %2.</source>
        <translation> Sam plik %1 jest kompletny, w stanie z ostatniego zapisu %2.</translation>
    </message>
    <message>
        <source>Replace the changes made to %1 elsewhere?</source>
        <translation>Zastąpić zmiany wprowadzone w %1 gdzie indziej?</translation>
    </message>
    <message>
        <source>%1 was changed on disk on %2, by another program or window, since it was opened or saved here. Saving replaces those changes with this document.</source>
        <translation>Plik %1 został zmieniony na dysku %2 przez inny program lub okno, po otwarciu lub zapisaniu go tutaj. Zapisanie zastąpi te zmiany tym dokumentem.</translation>
    </message>
    <message>
        <source>Replace all of %1?</source>
        <translation>Zastąpić całą zawartość %1?</translation>
    </message>
    <message>
        <source>%1 holds %2 bytes, more than a radio image. Saving replaces it with the %3 bytes of this document, and the rest is lost.</source>
        <translation>Plik %1 ma %2 B, więcej niż obraz radiotelefonu. Zapisanie zastąpi go zawartością tego dokumentu (%3 B), a reszta zostanie utracona.</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>Za&amp;stąp</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Zapisz j&amp;ako...</translation>
    </message>
    <message>
        <source>%1 was changed on disk.</source>
        <translation>Plik %1 został zmieniony na dysku.</translation>
    </message>
    <message>
        <source>Another program or window saved it on %1, after it was opened or saved here, and this document has changes of its own. Reload puts the file&apos;s content here (Undo brings this document back); Keep Mine keeps this document, and Save then replaces the file with it.</source>
        <translation>Inny program lub okno zapisał go %1, po otwarciu lub zapisaniu go tutaj, a ten dokument ma własne zmiany. Wczytaj ponownie wstawia tu zawartość pliku (Cofnij przywraca ten dokument); Zachowaj moje zachowuje ten dokument, a Zapisz zastąpi nim plik.</translation>
    </message>
    <message>
        <source>Another program or window saved it on %1, after it was opened or saved here. Reload puts the file&apos;s content here (Undo brings this document back); Keep Mine keeps this document, and Save then replaces the file with it.</source>
        <translation>Inny program lub okno zapisał go %1, po otwarciu lub zapisaniu go tutaj. Wczytaj ponownie wstawia tu zawartość pliku (Cofnij przywraca ten dokument); Zachowaj moje zachowuje ten dokument, a Zapisz zastąpi nim plik.</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>&amp;Wczytaj ponownie</translation>
    </message>
    <message>
        <source>&amp;Keep Mine</source>
        <translation>&amp;Zachowaj moje</translation>
    </message>
    <message>
        <source>Save changes?</source>
        <translation>Zapisać zmiany?</translation>
    </message>
    <message>
        <source>The radio data in &quot;%1&quot; has been changed.</source>
        <translation>Dane radiotelefonu w &quot;%1&quot; zostały zmienione.</translation>
    </message>
</context>
<context>
    <name>Field</name>
    <message>
        <source>Channel table</source>
        <translation>Tabela kanałów</translation>
    </message>
    <message>
        <source>The main window&apos;s table: each row one channel&apos;s main settings, edited in place; the Channel edit dialog has them all.</source>
        <translation>Tabela w oknie głównym: każdy wiersz to główne ustawienia jednego kanału, edytowane bezpośrednio w komórkach; okno Edycja kanału zawiera wszystkie ustawienia.</translation>
    </message>
    <message>
        <source>*和# tone (ms)</source>
        <translation>Ton * i # (ms)</translation>
    </message>
    <message>
        <source>10M</source>
        <translation>10 min</translation>
    </message>
    <message>
        <source>1750 signal</source>
        <translation>Ton 1750 Hz</translation>
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
        <translation>Kod DTMF złożony z maksymalnie 16 znaków 0-9, A-D, * i #: kanał wysyła kod o tym numerze jako swoje Wywołanie analog. 1 lub 2 (Edycja kanału &gt; Analogowy).</translation>
    </message>
    <message>
        <source>A beep when scanning ends.</source>
        <translation>Sygnał dźwiękowy po zakończeniu skanowania.</translation>
    </message>
    <message>
        <source>A beep when scanning starts.</source>
        <translation>Sygnał dźwiękowy na początku skanowania.</translation>
    </message>
    <message>
        <source>A channel the radio keeps looking at while it scans, so that a call on it is not missed; None for no priority channel. The list offers the channels that hold a frequency.</source>
        <translation>Kanał, który radiotelefon stale sprawdza podczas skanowania, aby nie przeoczyć wywołania na nim; Brak – bez kanału priorytetowego. Lista zawiera kanały, które mają ustawioną częstotliwość.</translation>
    </message>
    <message>
        <source>A group code of up to 7 symbols 0-9, A-D, * and # (0x390). Only the bytes are known, not what the radio does with them.</source>
        <translation>Kod grupy złożony z maksymalnie 7 znaków 0-9, A-D, * i # (0x390). Znane są tylko bajty, nie wiadomo, co radiotelefon z nimi robi.</translation>
    </message>
    <message>
        <source>A tone when a digital call&apos;s link ends and the radio returns to its channel.</source>
        <translation>Ton po zakończeniu połączenia cyfrowego, gdy radiotelefon wraca na swój kanał.</translation>
    </message>
    <message>
        <source>A tone when a group call is received.</source>
        <translation>Ton po odebraniu wywołania grupowego.</translation>
    </message>
    <message>
        <source>A tone when a received transmission ends (a roger beep on reception).</source>
        <translation>Ton po zakończeniu odbieranej transmisji (sygnał końca przy odbiorze, tzw. roger beep).</translation>
    </message>
    <message>
        <source>A tone when a single call (a call to this radio alone) is received.</source>
        <translation>Ton po odebraniu wywołania indywidualnego (wywołania skierowanego tylko do tego radiotelefonu).</translation>
    </message>
    <message>
        <source>A tone when the radio is switched off.</source>
        <translation>Ton przy wyłączaniu radiotelefonu.</translation>
    </message>
    <message>
        <source>A tone when the radio is switched on.</source>
        <translation>Ton przy włączaniu radiotelefonu.</translation>
    </message>
    <message>
        <source>A tone when the radio sends a call.</source>
        <translation>Ton, gdy radiotelefon wysyła wywołanie.</translation>
    </message>
    <message>
        <source>A warning tone before the radio shuts itself down.</source>
        <translation>Ton ostrzegawczy, zanim radiotelefon sam się wyłączy.</translation>
    </message>
    <message>
        <source>A warning tone when the battery runs low.</source>
        <translation>Ton ostrzegawczy przy niskim poziomie baterii.</translation>
    </message>
    <message>
        <source>ACK reply delay</source>
        <translation>Opóźnienie ACK</translation>
    </message>
    <message>
        <source>ACK reply times</source>
        <translation>Powtórzenia ACK</translation>
    </message>
    <message>
        <source>ACK reply wait</source>
        <translation>Oczekiwanie na ACK</translation>
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
        <translation>Kod aktywacji</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>Adjustable parameters: the factory levels of the radio&apos;s audio, modulation, receive and DTMF paths (数字: digital channels, 模拟: analog channels). Read them from the radio, change them only with measuring equipment, and write them back.</source>
        <translation>Parametry regulowane: fabryczne poziomy torów audio, modulacji, odbioru i DTMF radiotelefonu (Cyfrowy: kanały cyfrowe, Analogowy: kanały analogowe). Należy je odczytać z radiotelefonu, zmieniać tylko z przyrządami pomiarowymi i zapisać z powrotem.</translation>
    </message>
    <message>
        <source>After a time-out, the seconds the radio waits before it transmits again when PTT is pressed, 0 to 60.</source>
        <translation>Po przekroczeniu czasu nadawania: liczba sekund, przez które radiotelefon czeka, zanim po naciśnięciu PTT znów zacznie nadawać, od 0 do 60.</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Alarm time (s)</source>
        <translation>Czas alarmu (s)</translation>
    </message>
    <message>
        <source>Alarm type</source>
        <translation>Typ alarmu</translation>
    </message>
    <message>
        <source>Allocated:</source>
        <translation>Przypisane:</translation>
    </message>
    <message>
        <source>Allow</source>
        <translation>Dozwolone</translation>
    </message>
    <message>
        <source>Allow all call</source>
        <translation>Wywołania ogólne</translation>
    </message>
    <message>
        <source>Allow: after sending a DTMF call the radio waits for an answer for the Response wait time; Inhibit: it does not wait.</source>
        <translation>Dozwolone: po wysłaniu wywołania DTMF radiotelefon czeka na odpowiedź przez Czas czekania na odp.; Zablokowane: nie czeka.</translation>
    </message>
    <message>
        <source>Allow: you hear the DTMF tones in the speaker while the radio sends them; Inhibit: they are sent silently.</source>
        <translation>Dozwolone: tony DTMF słychać w głośniku, gdy radiotelefon je wysyła; Zablokowane: są wysyłane bezgłośnie.</translation>
    </message>
    <message>
        <source>Analog</source>
        <translation>Analogowy</translation>
    </message>
    <message>
        <source>Analog alarm id code</source>
        <translation>Kod ID alarmu analog.</translation>
    </message>
    <message>
        <source>Analog call 1</source>
        <translation>Wywołanie analog. 1</translation>
    </message>
    <message>
        <source>Analog call 2</source>
        <translation>Wywołanie analog. 2</translation>
    </message>
    <message>
        <source>Analog channel width: Wide (25 kHz) or Narrow (12.5 kHz, as PMR446 uses). Radios that talk to each other need the same width.</source>
        <translation>Szerokość kanału analogowego: Szeroki (25 kHz) lub Wąski (12,5 kHz, jak w PMR446). Radiotelefony, które mają się ze sobą komunikować, muszą używać tej samej szerokości.</translation>
    </message>
    <message>
        <source>Analog signalling on this channel: Off, or DTMF (the analog calls and PTTID below).</source>
        <translation>Sygnalizacja analogowa na tym kanale: Wył. lub DTMF (wywołania analogowe i PTTID poniżej).</translation>
    </message>
    <message>
        <source>Analog: FM only. Digit: dPMR digital only. Mixed(Digit) and Mixed(Analog): the channel takes both kinds of call and transmits digital or analog respectively.</source>
        <translation>Analogowy: tylko FM. Cyfrowy: tylko cyfrowy dPMR. Mieszany (cyfr.) i Mieszany (analog.): kanał przyjmuje oba rodzaje wywołań i nadaje odpowiednio cyfrowo lub analogowo.</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Auto contact</source>
        <translation>Autokontakt</translation>
    </message>
    <message>
        <source>Auto reset time (s)</source>
        <translation>Czas autoresetu (s)</translation>
    </message>
    <message>
        <source>Automatic contact on this channel, the function set in Alarm &gt; Auto contact.</source>
        <translation>Automatyczny kontakt na tym kanale – funkcja ustawiana w Alarm &gt; Autokontakt.</translation>
    </message>
    <message>
        <source>Automatic contact: allow lets the radio check in by itself at regular times, with the Tx interval and Query interval below; prohibit switches it off. dPMR param &gt; Basic uses the same byte (0x378) for OACSU and Data type: this dialog writes it only when you change this control.</source>
        <translation>Automatyczny kontakt: Dozwolone pozwala radiotelefonowi samodzielnie zgłaszać się w regularnych odstępach, zgodnie z ustawieniami Odstęp Tx i Odstęp zapytań poniżej; Zabronione wyłącza tę funkcję. Strona Parametry dPMR &gt; Podstawowe używa tego samego bajtu (0x378) dla pól OACSU i Typ danych: to okno zapisuje go tylko wtedy, gdy ten element zostanie zmieniony.</translation>
    </message>
    <message>
        <source>Automatic contact: minutes between its queries, 1 to 10 (a value outside becomes 1). dPMR param &gt; Basic uses the same byte (0x37A) for ACK reply wait: this dialog writes it only when you change this control.</source>
        <translation>Automatyczny kontakt: liczba minut między zapytaniami, od 1 do 10 (wartość spoza zakresu zmienia się w 1). Strona Parametry dPMR &gt; Podstawowe używa tego samego bajtu (0x37A) dla pola Oczekiwanie na ACK: to okno zapisuje go tylko wtedy, gdy ten element zostanie zmieniony.</translation>
    </message>
    <message>
        <source>Automatic contact: seconds between its transmissions, 10 to 60 in steps of 5 (a typed value is rounded down to a step; a value outside becomes 25). dPMR param &gt; Basic uses the same byte (0x379) for ACK reply delay: this dialog writes it only when you change this control.</source>
        <translation>Automatyczny kontakt: liczba sekund między transmisjami, od 10 do 60 co 5 (wpisana wartość jest zaokrąglana w dół do kroku; wartość spoza zakresu zmienia się w 25). Strona Parametry dPMR &gt; Podstawowe używa tego samego bajtu (0x379) dla pola Opóźnienie ACK: to okno zapisuje go tylko wtedy, gdy ten element zostanie zmieniony.</translation>
    </message>
    <message>
        <source>Automatic power off: the radio switches itself off after 10 or 30 minutes, 1 or 2 hours without use; Off never does.</source>
        <translation>Automatyczne wyłączanie: radiotelefon sam się wyłącza po 10 lub 30 minutach albo po 1 lub 2 godzinach nieużywania; przy Wył. nigdy się nie wyłącza.</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Backlight</source>
        <translation>Podświetlenie</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Szer. kanału</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>Podstawowe</translation>
    </message>
    <message>
        <source>Basic setting</source>
        <translation>Ustawienia podstawowe</translation>
    </message>
    <message>
        <source>Battery saving while the radio waits for a signal: Off, or a ratio from 1:1 to 1:12. A larger second number lets the receiver sleep longer, saving battery, but the start of a call may be missed. Default 1:10.</source>
        <translation>Oszczędzanie baterii, gdy radiotelefon czeka na sygnał: Wył. lub stosunek od 1:1 do 1:12. Większa druga liczba pozwala odbiornikowi dłużej spać, co oszczędza baterię, ale początek wywołania może zostać przeoczony. Domyślnie 1:10.</translation>
    </message>
    <message>
        <source>Bit 0 of byte 0x31B, named Shock (a vibrating alert, by its name); kept as stored.</source>
        <translation>Bit 0 bajtu 0x31B, o nazwie Shock (sądząc po nazwie – alarm wibracyjny); zachowywany bez zmian.</translation>
    </message>
    <message>
        <source>Bit 7 of byte 0x318; what the radio does with it is not known. The channel table sets this bit whenever it stores the channels.</source>
        <translation>Bit 7 bajtu 0x318; nie wiadomo, co radiotelefon z nim robi. Tabela kanałów ustawia ten bit przy każdym zapisie kanałów.</translation>
    </message>
    <message>
        <source>Bit 7 of byte 0x31A; what the radio does with it is not known. The channel table sets this bit whenever it stores the channels.</source>
        <translation>Bit 7 bajtu 0x31A; nie wiadomo, co radiotelefon z nim robi. Tabela kanałów ustawia ten bit przy każdym zapisie kanałów.</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Oba</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Zajęty kanał</translation>
    </message>
    <message>
        <source>Busy channel lockout: Carrier keeps the radio from transmitting while a signal is on the channel; Off allows it.</source>
        <translation>Blokada zajętego kanału: Nośna nie pozwala radiotelefonowi nadawać, gdy na kanale jest sygnał; Wył. pozwala nadawać.</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>CTCSS signal gain: the level of the sub-audible CTCSS tone sent with analog transmissions. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Wzmocnienie sygnału CTCSS: poziom podakustycznego tonu CTCSS wysyłanego z transmisjami analogowymi. Wartość 16-bitowa wpisywana szesnastkowo, od 0000 do FFFF. Regulacja fabryczna: zmieniać tylko z przyrządami pomiarowymi pod ręką; wartość jest przesyłana wyłącznie przyciskami Odczytaj i Zapisz tego okna.</translation>
    </message>
    <message>
        <source>CTCSS信号增益</source>
        <translation>Wzmocnienie sygnału CTCSS</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Wywołanie</translation>
    </message>
    <message>
        <source>Call 1</source>
        <translation>Wywołanie 1</translation>
    </message>
    <message>
        <source>Call 2</source>
        <translation>Wywołanie 2</translation>
    </message>
    <message>
        <source>Call link reset tone</source>
        <translation>Ton końca połączenia</translation>
    </message>
    <message>
        <source>Call out tone</source>
        <translation>Ton wywołania</translation>
    </message>
    <message>
        <source>Carrier</source>
        <translation>Nośna</translation>
    </message>
    <message>
        <source>Channel 1</source>
        <translation>Kanał 1</translation>
    </message>
    <message>
        <source>Channel 10</source>
        <translation>Kanał 10</translation>
    </message>
    <message>
        <source>Channel 11</source>
        <translation>Kanał 11</translation>
    </message>
    <message>
        <source>Channel 12</source>
        <translation>Kanał 12</translation>
    </message>
    <message>
        <source>Channel 13</source>
        <translation>Kanał 13</translation>
    </message>
    <message>
        <source>Channel 14</source>
        <translation>Kanał 14</translation>
    </message>
    <message>
        <source>Channel 15</source>
        <translation>Kanał 15</translation>
    </message>
    <message>
        <source>Channel 16</source>
        <translation>Kanał 16</translation>
    </message>
    <message>
        <source>Channel 2</source>
        <translation>Kanał 2</translation>
    </message>
    <message>
        <source>Channel 3</source>
        <translation>Kanał 3</translation>
    </message>
    <message>
        <source>Channel 4</source>
        <translation>Kanał 4</translation>
    </message>
    <message>
        <source>Channel 5</source>
        <translation>Kanał 5</translation>
    </message>
    <message>
        <source>Channel 6</source>
        <translation>Kanał 6</translation>
    </message>
    <message>
        <source>Channel 7</source>
        <translation>Kanał 7</translation>
    </message>
    <message>
        <source>Channel 8</source>
        <translation>Kanał 8</translation>
    </message>
    <message>
        <source>Channel 9</source>
        <translation>Kanał 9</translation>
    </message>
    <message>
        <source>Channel display</source>
        <translation>Wyświetlanie kanału</translation>
    </message>
    <message>
        <source>Channel edit</source>
        <translation>Edycja kanału</translation>
    </message>
    <message>
        <source>Channel no.</source>
        <translation>Nr kanału</translation>
    </message>
    <message>
        <source>Channel type</source>
        <translation>Typ kanału</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chiński</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Kod</translation>
    </message>
    <message>
        <source>Codec type</source>
        <translation>Typ kodeka</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Kontakt</translation>
    </message>
    <message>
        <source>Cycle</source>
        <translation>Cykle</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>DCS signal gain: the level of the DCS code sent with analog transmissions. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Wzmocnienie sygnału DCS: poziom kodu DCS wysyłanego z transmisjami analogowymi. Wartość 16-bitowa wpisywana szesnastkowo, od 0000 do FFFF. Regulacja fabryczna: zmieniać tylko z przyrządami pomiarowymi pod ręką; wartość jest przesyłana wyłącznie przyciskami Odczytaj i Zapisz tego okna.</translation>
    </message>
    <message>
        <source>DCS信号增益</source>
        <translation>Wzmocnienie sygnału DCS</translation>
    </message>
    <message>
        <source>DTMF</source>
        <translation>DTMF</translation>
    </message>
    <message>
        <source>DTMF code sent at the end of a transmission (PTTID type Off line or Both), up to 16 symbols 0-9, A-D, * and #.</source>
        <translation>Kod DTMF wysyłany na końcu transmisji (Typ PTTID: Koniec lub Oba), maksymalnie 16 znaków 0-9, A-D, * i #.</translation>
    </message>
    <message>
        <source>DTMF code sent at the start of a transmission (PTTID type On line or Both), up to 16 symbols 0-9, A-D, * and #.</source>
        <translation>Kod DTMF wysyłany na początku transmisji (Typ PTTID: Początek lub Oba), maksymalnie 16 znaków 0-9, A-D, * i #.</translation>
    </message>
    <message>
        <source>DTMF encoding amplitude adjustment: the level of the DTMF tones the radio sends. One byte typed in hexadecimal, 00 to FF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Regulacja amplitudy kodowania DTMF: poziom tonów DTMF wysyłanych przez radiotelefon. Jeden bajt wpisywany szesnastkowo, od 00 do FF. Regulacja fabryczna: zmieniać tylko z przyrządami pomiarowymi pod ręką; wartość jest przesyłana wyłącznie przyciskami Odczytaj i Zapisz tego okna.</translation>
    </message>
    <message>
        <source>DTMF hold time, 0.5 to 2.0 seconds in steps of 0.1. Only the byte and its range are known, not what the radio times with it.</source>
        <translation>Czas podtrzymania DTMF, od 0.5 do 2.0 s co 0.1. Znany jest tylko bajt i jego zakres, nie wiadomo, co radiotelefon nim odmierza.</translation>
    </message>
    <message>
        <source>DTMF编码幅度调节</source>
        <translation>Amplituda kodowania DTMF</translation>
    </message>
    <message>
        <source>Data type</source>
        <translation>Typ danych</translation>
    </message>
    <message>
        <source>Data type 1 or 2 (bits 3 and 4 of 0x378). Only the bits are known, not which data format each number stands for. The Alarm dialog uses the same byte (0x378) for &quot;Auto contact&quot;; it writes the byte only when that control is changed there.</source>
        <translation>Typ danych 1 lub 2 (bity 3 i 4 bajtu 0x378). Znane są tylko bity, nie wiadomo, jakiemu formatowi danych odpowiada każda liczba. Okno Alarm używa tego samego bajtu (0x378) dla pola „Autokontakt”; zapisuje ten bajt tylko wtedy, gdy ten element zostanie tam zmieniony.</translation>
    </message>
    <message>
        <source>Decode</source>
        <translation>Dekodowanie</translation>
    </message>
    <message>
        <source>Decode display</source>
        <translation>Wyświetlanie kodu</translation>
    </message>
    <message>
        <source>Decode response</source>
        <translation>Reakcja na wywołanie</translation>
    </message>
    <message>
        <source>Decoder input gain: the level of the received signal fed to the digital decoder. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Wzmocnienie wejścia dekodera: poziom odbieranego sygnału podawanego do dekodera cyfrowego. Wartość 16-bitowa wpisywana szesnastkowo, od 0000 do FFFF. Regulacja fabryczna: zmieniać tylko z przyrządami pomiarowymi pod ręką; wartość jest przesyłana wyłącznie przyciskami Odczytaj i Zapisz tego okna.</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Delay before the radio transmits, 0.1 to 5.0 seconds. Only the byte and its range are known, not which transmissions the radio delays.</source>
        <translation>Opóźnienie przed rozpoczęciem nadawania, od 0.1 do 5.0 s. Znany jest tylko bajt i jego zakres, nie wiadomo, które transmisje radiotelefon opóźnia.</translation>
    </message>
    <message>
        <source>Dial access</source>
        <translation>Dostęp wybierania</translation>
    </message>
    <message>
        <source>Dial access, 0 to 7 (byte 0x398). Only the byte and its range are known, not what the radio does with it.</source>
        <translation>Dostęp wybierania, od 0 do 7 (bajt 0x398). Znany jest tylko bajt i jego zakres, nie wiadomo, co radiotelefon z nim robi.</translation>
    </message>
    <message>
        <source>Digit</source>
        <translation>Cyfrowy</translation>
    </message>
    <message>
        <source>Digit alarm id code</source>
        <translation>Kod ID alarmu cyfr.</translation>
    </message>
    <message>
        <source>Direct</source>
        <translation>Bezpośrednio</translation>
    </message>
    <message>
        <source>Direct: digital calls go from radio to radio. Repeat: they go through a dPMR repeater.</source>
        <translation>Bezpośrednio: wywołania cyfrowe idą od radiotelefonu do radiotelefonu. Przemiennik: idą przez przemiennik dPMR.</translation>
    </message>
    <message>
        <source>EMI</source>
        <translation>Wezwanie alarmowe</translation>
    </message>
    <message>
        <source>EMI close</source>
        <translation>Koniec wezwania</translation>
    </message>
    <message>
        <source>Encode</source>
        <translation>Kodowanie</translation>
    </message>
    <message>
        <source>Encrypt</source>
        <translation>Szyfrowanie</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Angielski</translation>
    </message>
    <message>
        <source>Entry delay time (s)</source>
        <translation>Opóźnienie wejścia (s)</translation>
    </message>
    <message>
        <source>Exit delay (s)</source>
        <translation>Opóźnienie wyjścia (s)</translation>
    </message>
    <message>
        <source>First digit (ms)</source>
        <translation>Pierwsza cyfra (ms)</translation>
    </message>
    <message>
        <source>First digit delay (ms)</source>
        <translation>Opóźn. 1. cyfry (ms)</translation>
    </message>
    <message>
        <source>Flashlight</source>
        <translation>Latarka</translation>
    </message>
    <message>
        <source>Freq</source>
        <translation>Częst.</translation>
    </message>
    <message>
        <source>Gain of the two modulation signals together, on digital channels. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Łączne wzmocnienie obu sygnałów modulacji na kanałach cyfrowych. Wartość 16-bitowa wpisywana szesnastkowo, od 0000 do FFFF. Regulacja fabryczna: zmieniać tylko z przyrządami pomiarowymi pod ręką; wartość jest przesyłana wyłącznie przyciskami Odczytaj i Zapisz tego okna.</translation>
    </message>
    <message>
        <source>Group call</source>
        <translation>Wywołanie grupowe</translation>
    </message>
    <message>
        <source>Group call code</source>
        <translation>Kod wyw. grupowego</translation>
    </message>
    <message>
        <source>Group call tone</source>
        <translation>Ton wyw. grupowego</translation>
    </message>
    <message>
        <source>Group code</source>
        <translation>Kod grupy</translation>
    </message>
    <message>
        <source>Group hold time</source>
        <translation>Czas podtrzym. grupy</translation>
    </message>
    <message>
        <source>Group rx list</source>
        <translation>Lista grup Rx</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Wysoka</translation>
    </message>
    <message>
        <source>Hihg/Low power</source>
        <translation>Moc wysoka/niska</translation>
    </message>
    <message>
        <source>Hold time (s)</source>
        <translation>Czas podtrzym. (s)</translation>
    </message>
    <message>
        <source>How fast DTMF digits are sent: 5, 6 or 10 digits a second. Slow down for receivers that miss digits.</source>
        <translation>Szybkość wysyłania cyfr DTMF: 5, 6 lub 10 cyfr na sekundę. Zmniejszyć dla odbiorników, które gubią cyfry.</translation>
    </message>
    <message>
        <source>How long a side key must be held to count as a long press, 0.5 to 2.5 seconds in steps of 0.1 (a stored value outside shows 1.0).</source>
        <translation>Jak długo trzeba przytrzymać przycisk boczny, aby zostało to uznane za długie naciśnięcie, od 0.5 do 2.5 s co 0.1 (zapisana wartość spoza zakresu jest pokazywana jako 1.0).</translation>
    </message>
    <message>
        <source>How long scanning waits after a transmission or a reception ends before it goes on, 0.1 to 5.0 seconds.</source>
        <translation>Jak długo skanowanie czeka po zakończeniu nadawania lub odbioru, zanim zostanie wznowione, od 0.1 do 5.0 s.</translation>
    </message>
    <message>
        <source>How long the alarm lasts, 1 to 255 seconds (a value outside becomes 10).</source>
        <translation>Czas trwania alarmu, od 1 do 255 sekund (wartość spoza zakresu zmienia się w 10).</translation>
    </message>
    <message>
        <source>How long the radio keeps transmitting after you stop speaking with VOX, 0.1 to 2.0 seconds in steps of 0.1.</source>
        <translation>Jak długo radiotelefon jeszcze nadaje po zakończeniu mówienia przy VOX, od 0.1 do 2.0 s co 0.1.</translation>
    </message>
    <message>
        <source>How long the radio listens between the alarm&apos;s transmissions, 1 to 255 seconds (a value outside becomes 8).</source>
        <translation>Jak długo radiotelefon nasłuchuje między transmisjami alarmu, od 1 do 255 sekund (wartość spoza zakresu zmienia się w 8).</translation>
    </message>
    <message>
        <source>How long the radio sends carrier before a digital transmission, 0 to 1000 ms in steps of 20 (a typed value is rounded down to a step).</source>
        <translation>Jak długo radiotelefon nadaje nośną przed transmisją cyfrową, od 0 do 1000 ms co 20 (wpisana wartość jest zaokrąglana w dół do kroku).</translation>
    </message>
    <message>
        <source>How long the radio stays in a group call after its last transmission, so that an answer goes back to the same group; 0 to 30, in the radio&apos;s own unit (not known to this program).</source>
        <translation>Jak długo radiotelefon pozostaje w wywołaniu grupowym po swojej ostatniej transmisji, aby odpowiedź trafiła do tej samej grupy; od 0 do 30, w jednostkach radiotelefonu (nieznanych temu programowi).</translation>
    </message>
    <message>
        <source>How long the radio stays in a single call after its last transmission, so that an answer goes back to the same radio; 0 to 30, in the radio&apos;s own unit (not known to this program).</source>
        <translation>Jak długo radiotelefon pozostaje w wywołaniu indywidualnym po swojej ostatniej transmisji, aby odpowiedź trafiła do tego samego radiotelefonu; od 0 do 30, w jednostkach radiotelefonu (nieznanych temu programowi).</translation>
    </message>
    <message>
        <source>How long the radio transmits in each alarm cycle, 1 to 255 seconds (a value outside becomes 5).</source>
        <translation>Jak długo radiotelefon nadaje w każdym cyklu alarmu, od 1 do 255 sekund (wartość spoza zakresu zmienia się w 5).</translation>
    </message>
    <message>
        <source>How long the radio waits before it sends an acknowledgement of a call or message, 0.1 to 5.0 seconds. The Alarm dialog uses the same byte (0x379) for &quot;Tx interval (s)&quot;; it writes the byte only when that control is changed there.</source>
        <translation>Jak długo radiotelefon czeka, zanim wyśle potwierdzenie wywołania lub wiadomości, od 0.1 do 5.0 s. Okno Alarm używa tego samego bajtu (0x379) dla pola „Odstęp Tx (s)”; zapisuje ten bajt tylko wtedy, gdy ten element zostanie tam zmieniony.</translation>
    </message>
    <message>
        <source>How long the radio waits for an acknowledgement of its own call, 0 to 10, in the radio&apos;s own unit (not known to this program). The Alarm dialog uses the same byte (0x37A) for &quot;Query interval (min)&quot;; it writes the byte only when that control is changed there.</source>
        <translation>Jak długo radiotelefon czeka na potwierdzenie własnego wywołania, od 0 do 10, w jednostkach radiotelefonu (nieznanych temu programowi). Okno Alarm używa tego samego bajtu (0x37A) dla pola „Odstęp zapytań (min)”; zapisuje ten bajt tylko wtedy, gdy ten element zostanie tam zmieniony.</translation>
    </message>
    <message>
        <source>How long the radio waits for an answer to a DTMF call, 0.5 to 10.0 seconds.</source>
        <translation>Jak długo radiotelefon czeka na odpowiedź na wywołanie DTMF, od 0.5 do 10.0 s.</translation>
    </message>
    <message>
        <source>How many times the radio sends a call that is not acknowledged, 1 to 10.</source>
        <translation>Ile razy radiotelefon wysyła wywołanie, które nie zostało potwierdzone, od 1 do 10.</translation>
    </message>
    <message>
        <source>How many transmit and listen cycles the alarm runs, 1 to 255; continue (0) repeats them until the alarm is stopped.</source>
        <translation>Ile cykli nadawania i nasłuchu wykonuje alarm, od 1 do 255; ciągły (0) powtarza je aż do zatrzymania alarmu.</translation>
    </message>
    <message>
        <source>How scanning goes on after it stops on a busy channel: Time moves on after the stop time even if the signal is still there; Carrier waits until the signal ends.</source>
        <translation>Jak skanowanie jest kontynuowane po zatrzymaniu na zajętym kanale: Czas – skanowanie rusza dalej po upływie czasu postoju, nawet jeśli sygnał nadal jest obecny; Nośna – czeka, aż sygnał zniknie.</translation>
    </message>
    <message>
        <source>How the alarm identity is sent on analog channels: Off (not sent) or DTMF (the Analog alarm id code as DTMF tones).</source>
        <translation>Sposób wysyłania identyfikatora alarmu na kanałach analogowych: Wył. (nie jest wysyłany) lub DTMF (Kod ID alarmu analog. jako tony DTMF).</translation>
    </message>
    <message>
        <source>How the radio scans the channels whose Scan is on, and where it stops and answers.</source>
        <translation>Jak radiotelefon skanuje kanały z włączonym Skanowaniem oraz gdzie się zatrzymuje i odpowiada.</translation>
    </message>
    <message>
        <source>How the radio sends DTMF signalling on analog channels, how it answers received DTMF (calls, remote kill), and the 16 DTMF codes channels can send.</source>
        <translation>Jak radiotelefon wysyła sygnalizację DTMF na kanałach analogowych, jak reaguje na odebrane DTMF (wywołania, zdalne unieruchomienie) oraz 16 kodów DTMF, które mogą wysyłać kanały.</translation>
    </message>
    <message>
        <source>ID type</source>
        <translation>Typ ID</translation>
    </message>
    <message>
        <source>Inhibit</source>
        <translation>Zablokowane</translation>
    </message>
    <message>
        <source>Key lock</source>
        <translation>Blokada klawiatury</translation>
    </message>
    <message>
        <source>Kill</source>
        <translation>Unieruchomienie</translation>
    </message>
    <message>
        <source>Kill Active</source>
        <translation>Unieruch./aktywacja</translation>
    </message>
    <message>
        <source>Kill code</source>
        <translation>Kod unieruchomienia</translation>
    </message>
    <message>
        <source>Kill type</source>
        <translation>Typ unieruchomienia</translation>
    </message>
    <message>
        <source>Kill/active decode</source>
        <translation>Unieruch./aktywacja</translation>
    </message>
    <message>
        <source>LOUT DC offset adjustment: the DC offset of the left output (LOUT) of the radio&apos;s audio converter. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Regulacja offsetu DC LOUT: przesunięcie składowej stałej lewego wyjścia (LOUT) przetwornika audio radiotelefonu. Wartość 16-bitowa wpisywana szesnastkowo, od 0000 do FFFF. Regulacja fabryczna: zmieniać tylko z przyrządami pomiarowymi pod ręką; wartość jest przesyłana wyłącznie przyciskami Odczytaj i Zapisz tego okna.</translation>
    </message>
    <message>
        <source>LOUT直流偏置调节</source>
        <translation>Regulacja offsetu DC LOUT</translation>
    </message>
    <message>
        <source>Left channel output gain adjustment, on analog channels. A step from -57 to 6. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Regulacja wzmocnienia wyjścia lewego kanału audio, na kanałach analogowych. Stopień od -57 do 6. Regulacja fabryczna: zmieniać tylko z przyrządami pomiarowymi pod ręką; wartość jest przesyłana wyłącznie przyciskami Odczytaj i Zapisz tego okna.</translation>
    </message>
    <message>
        <source>Left channel output gain adjustment, on digital channels. A step from -57 to 6. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Regulacja wzmocnienia wyjścia lewego kanału audio, na kanałach cyfrowych. Stopień od -57 do 6. Regulacja fabryczna: zmieniać tylko z przyrządami pomiarowymi pod ręką; wartość jest przesyłana wyłącznie przyciskami Odczytaj i Zapisz tego okna.</translation>
    </message>
    <message>
        <source>Left channel signal gain adjustment, on analog channels. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Regulacja wzmocnienia sygnału lewego kanału audio, na kanałach analogowych. Wartość 16-bitowa wpisywana szesnastkowo, od 0000 do FFFF. Regulacja fabryczna: zmieniać tylko z przyrządami pomiarowymi pod ręką; wartość jest przesyłana wyłącznie przyciskami Odczytaj i Zapisz tego okna.</translation>
    </message>
    <message>
        <source>Left channel signal gain adjustment, on digital channels. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Regulacja wzmocnienia sygnału lewego kanału audio, na kanałach cyfrowych. Wartość 16-bitowa wpisywana szesnastkowo, od 0000 do FFFF. Regulacja fabryczna: zmieniać tylko z przyrządami pomiarowymi pod ręką; wartość jest przesyłana wyłącznie przyciskami Odczytaj i Zapisz tego okna.</translation>
    </message>
    <message>
        <source>Length of the * and # tones, 0 to 1000 ms in steps of 100.</source>
        <translation>Długość tonów * i #, od 0 do 1000 ms co 100.</translation>
    </message>
    <message>
        <source>Length of the first DTMF digit, 0 to 1000 ms in steps of 100.</source>
        <translation>Długość pierwszej cyfry DTMF, od 0 do 1000 ms co 100.</translation>
    </message>
    <message>
        <source>Length of the wake-up sent ahead of a digital call, 0 to 1200 in steps of 80, so that radios saving battery are awake when the call begins; 0 sends none.</source>
        <translation>Długość sygnału wybudzenia wysyłanego przed wywołaniem cyfrowym, od 0 do 1200 co 80, aby radiotelefony oszczędzające baterię były już wybudzone, gdy wywołanie się zaczyna; 0 – bez wybudzenia.</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Dioda</translation>
    </message>
    <message>
        <source>Lone worker on this channel, the function set in Alarm &gt; Work alone.</source>
        <translation>Samotny pracownik na tym kanale – funkcja ustawiana w Alarm &gt; Samotny pracownik.</translation>
    </message>
    <message>
        <source>Lone worker: allow makes the radio ask its user to respond after a time without use and raise the alarm when nobody does; prohibit switches the function off.</source>
        <translation>Samotny pracownik: Dozwolone sprawia, że po pewnym czasie nieużywania radiotelefon prosi użytkownika o reakcję i uruchamia alarm, gdy nikt nie zareaguje; Zabronione wyłącza tę funkcję.</translation>
    </message>
    <message>
        <source>Lone worker: minutes without use before the radio asks its user to respond, 1 to 255 (a value outside becomes 10).</source>
        <translation>Samotny pracownik: liczba minut bez używania, po których radiotelefon prosi użytkownika o reakcję, od 1 do 255 (wartość spoza zakresu zmienia się w 10).</translation>
    </message>
    <message>
        <source>Lone worker: seconds of warning before the alarm is raised, 0 to 255 (a value outside becomes 10).</source>
        <translation>Samotny pracownik: liczba sekund ostrzeżenia przed uruchomieniem alarmu, od 0 do 255 (wartość spoza zakresu zmienia się w 10).</translation>
    </message>
    <message>
        <source>Long key (s)</source>
        <translation>Długie naciśn. (s)</translation>
    </message>
    <message>
        <source>Long press</source>
        <translation>Długie naciśnięcie</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Niska</translation>
    </message>
    <message>
        <source>Low voltage</source>
        <translation>Niskie napięcie</translation>
    </message>
    <message>
        <source>Low voltage light</source>
        <translation>Dioda niskiego napięcia</translation>
    </message>
    <message>
        <source>MIC输入增益调节 (db)</source>
        <translation>Wzmocnienie mikrofonu (dB)</translation>
    </message>
    <message>
        <source>Man down: allow raises the alarm when the radio stays tipped over (its user may have fallen); prohibit switches the function off.</source>
        <translation>Przewrócenie (man down): Dozwolone uruchamia alarm, gdy radiotelefon pozostaje przewrócony (jego użytkownik mógł upaść); Zabronione wyłącza tę funkcję.</translation>
    </message>
    <message>
        <source>Man down: exit delay, 0 to 254 seconds, or unlimited (255); a value outside becomes 10. Only the byte is known: what the radio times with it is not.</source>
        <translation>Przewrócenie: opóźnienie wyjścia, od 0 do 254 sekund lub bez limitu (255); wartość spoza zakresu zmienia się w 10. Znany jest tylko bajt: nie wiadomo, co radiotelefon nim odmierza.</translation>
    </message>
    <message>
        <source>Man down: seconds of warning before the alarm is raised, 0 to 59 (a value outside becomes 5).</source>
        <translation>Przewrócenie: liczba sekund ostrzeżenia przed uruchomieniem alarmu, od 0 do 59 (wartość spoza zakresu zmienia się w 5).</translation>
    </message>
    <message>
        <source>Man down: seconds the radio must stay tipped over before the function starts, 1 to 60 (a value outside becomes 10).</source>
        <translation>Przewrócenie: liczba sekund, przez które radiotelefon musi pozostawać przewrócony, zanim funkcja zadziała, od 1 do 60 (wartość spoza zakresu zmienia się w 10).</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Wiadomość</translation>
    </message>
    <message>
        <source>Microphone input gain on analog channels. In dB, from -12 to 35.25 in steps of 0.75. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Wzmocnienie wejścia mikrofonu na kanałach analogowych. W dB, od -12 do 35.25 co 0.75. Regulacja fabryczna: zmieniać tylko z przyrządami pomiarowymi pod ręką; wartość jest przesyłana wyłącznie przyciskami Odczytaj i Zapisz tego okna.</translation>
    </message>
    <message>
        <source>Microphone input gain on digital channels. In dB, from -12 to 35.25 in steps of 0.75. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Wzmocnienie wejścia mikrofonu na kanałach cyfrowych. W dB, od -12 do 35.25 co 0.75. Regulacja fabryczna: zmieniać tylko z przyrządami pomiarowymi pod ręką; wartość jest przesyłana wyłącznie przyciskami Odczytaj i Zapisz tego okna.</translation>
    </message>
    <message>
        <source>Mixed mode reset</source>
        <translation>Reset trybu mieszanego</translation>
    </message>
    <message>
        <source>Mixed(Analog)</source>
        <translation>Mieszany (analog.)</translation>
    </message>
    <message>
        <source>Mixed(Digit)</source>
        <translation>Mieszany (cyfr.)</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>Monitor</translation>
    </message>
    <message>
        <source>Msg</source>
        <translation>Wiad.</translation>
    </message>
    <message>
        <source>Msg no.</source>
        <translation>Nr wiad.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Narrow</source>
        <translation>Wąski</translation>
    </message>
    <message>
        <source>Narrow noise close</source>
        <translation>Próg zamknięcia (wąski)</translation>
    </message>
    <message>
        <source>Narrow noise open</source>
        <translation>Próg otwarcia (wąski)</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr</translation>
    </message>
    <message>
        <source>Noise ch tmp remove</source>
        <translation>Tymcz. pomiń kanał</translation>
    </message>
    <message>
        <source>Noise squelch threshold of narrow channels, 0 to 127: the noise level at which the squelch closes. A factory calibration: change it only with a signal generator at hand.</source>
        <translation>Próg blokady szumów dla kanałów wąskich, od 0 do 127: poziom szumu, przy którym blokada szumów się zamyka. Kalibracja fabryczna: zmieniać tylko z generatorem sygnałowym pod ręką.</translation>
    </message>
    <message>
        <source>Noise squelch threshold of narrow channels, 0 to 127: the noise level at which the squelch opens. A factory calibration: change it only with a signal generator at hand.</source>
        <translation>Próg blokady szumów dla kanałów wąskich, od 0 do 127: poziom szumu, przy którym blokada szumów się otwiera. Kalibracja fabryczna: zmieniać tylko z generatorem sygnałowym pod ręką.</translation>
    </message>
    <message>
        <source>Noise squelch threshold of wide channels, 0 to 127: the noise level at which the squelch closes. A factory calibration: change it only with a signal generator at hand.</source>
        <translation>Próg blokady szumów dla kanałów szerokich, od 0 do 127: poziom szumu, przy którym blokada szumów się zamyka. Kalibracja fabryczna: zmieniać tylko z generatorem sygnałowym pod ręką.</translation>
    </message>
    <message>
        <source>Noise squelch threshold of wide channels, 0 to 127: the noise level at which the squelch opens. A factory calibration: change it only with a signal generator at hand.</source>
        <translation>Próg blokady szumów dla kanałów szerokich, od 0 do 127: poziom szumu, przy którym blokada szumów się otwiera. Kalibracja fabryczna: zmieniać tylko z generatorem sygnałowym pod ręką.</translation>
    </message>
    <message>
        <source>Noise suppression switch</source>
        <translation>Redukcja szumów</translation>
    </message>
    <message>
        <source>Non pri ch</source>
        <translation>Niepriorytetowe</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Brak</translation>
    </message>
    <message>
        <source>None: nothing. Monitor (long press only): opens the squelch to listen to weak signals. Scan: starts or stops scanning. Noise ch tmp remove: takes the channel scanning stopped on out of the scan for now. VOX: switches VOX on or off. Hihg/Low power: changes the transmit power. Power detect: tells the battery level. EMI: raises the emergency alarm. Auto contact, Work alone, Talk around, Reverse: switch that function. Call 1, Call 2: send the channel&apos;s call. Channel type: changes between analog and digital. 1750 signal: sends the 1750 Hz tone that opens many analog repeaters. Group call: calls a group. Pri ch scan: scans with the priority channel. Kill, Wake: send the remote kill or wake-up command.</source>
        <translation>Brak: nic. Monitor (tylko długie naciśnięcie): otwiera blokadę szumów, aby słuchać słabych sygnałów. Skanowanie: uruchamia lub zatrzymuje skanowanie. Tymcz. pomiń kanał: tymczasowo wyłącza ze skanowania kanał, na którym skanowanie się zatrzymało. VOX: włącza lub wyłącza VOX. Moc wysoka/niska: zmienia moc nadawania. Stan baterii: podaje poziom naładowania baterii. Wezwanie alarmowe: uruchamia alarm. Autokontakt, Samotny pracownik, Bez przemiennika, Rewers: przełączają daną funkcję. Wywołanie 1, Wywołanie 2: wysyłają wywołanie kanału. Typ kanału: przełącza między analogowym a cyfrowym. Ton 1750 Hz: wysyła ton 1750 Hz, który otwiera wiele przemienników analogowych. Wywołanie grupowe: wywołuje grupę. Skan. priorytetowe: skanuje z kanałem priorytetowym. Unieruchomienie, Wybudzenie: wysyłają polecenie zdalnego unieruchomienia lub wybudzenia.</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normalny</translation>
    </message>
    <message>
        <source>Not detect</source>
        <translation>Bez wykrywania</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numer</translation>
    </message>
    <message>
        <source>OACSU</source>
        <translation>OACSU</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Wył.</translation>
    </message>
    <message>
        <source>Off Air Call Set-Up: before a single call the radio first checks that the called radio is there and answers, and only then opens the voice link, so that nobody talks into the void. Off: the call starts at once. The Alarm dialog uses the same byte (0x378) for &quot;Auto contact&quot;; it writes the byte only when that control is changed there.</source>
        <translation>Off Air Call Set-Up (zestawienie połączenia przed nadawaniem): przed wywołaniem indywidualnym radiotelefon najpierw sprawdza, czy wywoływany radiotelefon jest dostępny i odpowiada, i dopiero wtedy otwiera połączenie głosowe, aby nikt nie mówił w próżnię. Wył.: wywołanie zaczyna się od razu. Okno Alarm używa tego samego bajtu (0x378) dla pola „Autokontakt”; zapisuje ten bajt tylko wtedy, gdy ten element zostanie tam zmieniony.</translation>
    </message>
    <message>
        <source>Off line</source>
        <translation>Koniec</translation>
    </message>
    <message>
        <source>Off-line  code</source>
        <translation>Kod końca</translation>
    </message>
    <message>
        <source>Offset direction</source>
        <translation>Kierunek przesunięcia</translation>
    </message>
    <message>
        <source>Offset freq (MHz)</source>
        <translation>Przesunięcie (MHz)</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Wł.</translation>
    </message>
    <message>
        <source>On line</source>
        <translation>Początek</translation>
    </message>
    <message>
        <source>On mixed channels: how long the radio keeps the mode (analog or digital) of the last call before it listens for both again; 0 to 30, in the radio&apos;s own unit (not known to this program).</source>
        <translation>Na kanałach mieszanych: jak długo radiotelefon zachowuje tryb (analogowy lub cyfrowy) ostatniego wywołania, zanim znów zacznie nasłuchiwać obu; od 0 do 30, w jednostkach radiotelefonu (nieznanych temu programowi).</translation>
    </message>
    <message>
        <source>On which channels scanning checks the receive tone before it stops: Not detect on none (it stops on any signal), Non pri ch on the channels other than the priority channel, Priority ch on the priority channel only, all ch on every channel.</source>
        <translation>Na których kanałach skanowanie sprawdza ton odbioru przed zatrzymaniem: Bez wykrywania – na żadnym (zatrzymuje się na każdym sygnale), Niepriorytetowe – na kanałach innych niż priorytetowy, Kanał prior. – tylko na kanale priorytetowym, Wszystkie kanały – na każdym kanale.</translation>
    </message>
    <message>
        <source>On-line code</source>
        <translation>Kod początku</translation>
    </message>
    <message>
        <source>On: pressing PTT while scanning has stopped on a channel answers on that channel.</source>
        <translation>Wł.: naciśnięcie PTT, gdy skanowanie zatrzymało się na kanale, powoduje odpowiedź na tym kanale.</translation>
    </message>
    <message>
        <source>On: the channel works through a repeater, with different receive and transmit frequencies. With both frequencies equal the dialog sets Off and leaves it so.</source>
        <translation>Wł.: kanał pracuje przez przemiennik, z różnymi częstotliwościami odbioru i nadawania. Gdy obie częstotliwości są równe, okno ustawia Wył. i tak to pozostawia.</translation>
    </message>
    <message>
        <source>On: the radio obeys the DTMF remote kill (Kill code) and the command that makes it active again; Off: it ignores them.</source>
        <translation>Wł.: radiotelefon wykonuje zdalne unieruchomienie DTMF (Kod unieruchomienia) i polecenie ponownej aktywacji; Wył.: ignoruje je.</translation>
    </message>
    <message>
        <source>On: the radio obeys the digital remote kill and activate commands (Kill code, Active code); Off: it ignores them.</source>
        <translation>Wł.: radiotelefon wykonuje cyfrowe polecenia zdalnego unieruchomienia i aktywacji (Kod unieruchomienia, Kod aktywacji); Wył.: ignoruje je.</translation>
    </message>
    <message>
        <source>On: the radio receives all calls, the calls addressed to every radio; Off: it ignores them.</source>
        <translation>Wł.: radiotelefon odbiera wywołania ogólne, czyli skierowane do wszystkich radiotelefonów; Wył.: ignoruje je.</translation>
    </message>
    <message>
        <source>One channel at a time, with its analog and its digital settings; Channel no. and its spin step through the 16 channels. Closing keeps the edits.</source>
        <translation>Jeden kanał naraz, z ustawieniami analogowymi i cyfrowymi; pole Nr kanału i jego strzałki przechodzą przez 16 kanałów. Zamknięcie okna zachowuje zmiany.</translation>
    </message>
    <message>
        <source>Only rx</source>
        <translation>Tylko Rx</translation>
    </message>
    <message>
        <source>Only whistle</source>
        <translation>Tylko syrena</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>PTTID</source>
        <translation>PTTID</translation>
    </message>
    <message>
        <source>PTTID type</source>
        <translation>Typ PTTID</translation>
    </message>
    <message>
        <source>Pause between the start of the transmission and the first DTMF digit, 100 to 1000 ms in steps of 100, so that the receiver has opened before the digits come.</source>
        <translation>Przerwa między początkiem transmisji a pierwszą cyfrą DTMF, od 100 do 1000 ms co 100, aby odbiornik zdążył się otworzyć, zanim nadejdą cyfry.</translation>
    </message>
    <message>
        <source>Person ID</source>
        <translation>Własne ID</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Moc</translation>
    </message>
    <message>
        <source>Power detect</source>
        <translation>Stan baterii</translation>
    </message>
    <message>
        <source>Power-on light</source>
        <translation>Dioda przy włączeniu</translation>
    </message>
    <message>
        <source>Power-on tone</source>
        <translation>Ton włączenia</translation>
    </message>
    <message>
        <source>Pri ch scan</source>
        <translation>Skan. priorytetowe</translation>
    </message>
    <message>
        <source>Priority ch</source>
        <translation>Kanał prior.</translation>
    </message>
    <message>
        <source>Priority channel</source>
        <translation>Kanał priorytetowy</translation>
    </message>
    <message>
        <source>Query interval (min)</source>
        <translation>Odstęp zapytań (min)</translation>
    </message>
    <message>
        <source>ROUT DC offset adjustment: the DC offset of the right output (ROUT) of the radio&apos;s audio converter. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Regulacja offsetu DC ROUT: przesunięcie składowej stałej prawego wyjścia (ROUT) przetwornika audio radiotelefonu. Wartość 16-bitowa wpisywana szesnastkowo, od 0000 do FFFF. Regulacja fabryczna: zmieniać tylko z przyrządami pomiarowymi pod ręką; wartość jest przesyłana wyłącznie przyciskami Odczytaj i Zapisz tego okna.</translation>
    </message>
    <message>
        <source>ROUT直流偏置调节</source>
        <translation>Regulacja offsetu DC ROUT</translation>
    </message>
    <message>
        <source>Radio id</source>
        <translation>ID radiotelefonu</translation>
    </message>
    <message>
        <source>Radio name</source>
        <translation>Nazwa radiotelefonu</translation>
    </message>
    <message>
        <source>Receive frequency in MHz, for example 446.00625 (PMR446 lies from 446.0 to 446.2 MHz). A frequency outside the band in use becomes its lower edge, and one off the 2.5 and 3.125 kHz rasters moves to the nearest point. Clearing it empties the channel.</source>
        <translation>Częstotliwość odbioru w MHz, na przykład 446.00625 (PMR446 obejmuje zakres od 446.0 do 446.2 MHz). Częstotliwość spoza używanego pasma zmienia się w jego dolną granicę, a częstotliwość leżąca poza siatką 2,5 i 3,125 kHz jest przesuwana do najbliższego punktu. Wyczyszczenie częstotliwości opróżnia kanał.</translation>
    </message>
    <message>
        <source>Receive input gain on analog channels. In dB, from -12 to 35.25 in steps of 0.75. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Wzmocnienie wejścia odbioru na kanałach analogowych. W dB, od -12 do 35.25 co 0.75. Regulacja fabryczna: zmieniać tylko z przyrządami pomiarowymi pod ręką; wartość jest przesyłana wyłącznie przyciskami Odczytaj i Zapisz tego okna.</translation>
    </message>
    <message>
        <source>Receive input gain on digital channels. In dB, from -12 to 35.25 in steps of 0.75. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Wzmocnienie wejścia odbioru na kanałach cyfrowych. W dB, od -12 do 35.25 co 0.75. Regulacja fabryczna: zmieniać tylko z przyrządami pomiarowymi pod ręką; wartość jest przesyłana wyłącznie przyciskami Odczytaj i Zapisz tego okna.</translation>
    </message>
    <message>
        <source>Receive only (bit 7 of record byte +0x11); the dialog always stores Off.</source>
        <translation>Tylko odbiór (bit 7 bajtu rekordu +0x11); okno zawsze zapisuje Wył.</translation>
    </message>
    <message>
        <source>Received voice output gain on analog channels: the level of the received voice. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Wzmocnienie wyjścia odbieranej mowy na kanałach analogowych: poziom odbieranego głosu. Wartość 16-bitowa wpisywana szesnastkowo, od 0000 do FFFF. Regulacja fabryczna: zmieniać tylko z przyrządami pomiarowymi pod ręką; wartość jest przesyłana wyłącznie przyciskami Odczytaj i Zapisz tego okna.</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Nagrywanie</translation>
    </message>
    <message>
        <source>Remind</source>
        <translation>Powiadomienie</translation>
    </message>
    <message>
        <source>Remind and Reply</source>
        <translation>Powiad. i odpowiedź</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Przemiennik</translation>
    </message>
    <message>
        <source>Repeat mode</source>
        <translation>Tryb przemiennika</translation>
    </message>
    <message>
        <source>Reply</source>
        <translation>Odpowiedź</translation>
    </message>
    <message>
        <source>Response wait</source>
        <translation>Czekanie na odp.</translation>
    </message>
    <message>
        <source>Response wait time (s)</source>
        <translation>Czas czekania na odp. (s)</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Rewers</translation>
    </message>
    <message>
        <source>Right channel output gain adjustment, on analog channels. A step from -57 to 6. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Regulacja wzmocnienia wyjścia prawego kanału audio, na kanałach analogowych. Stopień od -57 do 6. Regulacja fabryczna: zmieniać tylko z przyrządami pomiarowymi pod ręką; wartość jest przesyłana wyłącznie przyciskami Odczytaj i Zapisz tego okna.</translation>
    </message>
    <message>
        <source>Right channel output gain adjustment, on digital channels. A step from -57 to 6. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Regulacja wzmocnienia wyjścia prawego kanału audio, na kanałach cyfrowych. Stopień od -57 do 6. Regulacja fabryczna: zmieniać tylko z przyrządami pomiarowymi pod ręką; wartość jest przesyłana wyłącznie przyciskami Odczytaj i Zapisz tego okna.</translation>
    </message>
    <message>
        <source>Right channel signal gain adjustment, on analog channels. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Regulacja wzmocnienia sygnału prawego kanału audio, na kanałach analogowych. Wartość 16-bitowa wpisywana szesnastkowo, od 0000 do FFFF. Regulacja fabryczna: zmieniać tylko z przyrządami pomiarowymi pod ręką; wartość jest przesyłana wyłącznie przyciskami Odczytaj i Zapisz tego okna.</translation>
    </message>
    <message>
        <source>Right channel signal gain adjustment, on digital channels. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Regulacja wzmocnienia sygnału prawego kanału audio, na kanałach cyfrowych. Wartość 16-bitowa wpisywana szesnastkowo, od 0000 do FFFF. Regulacja fabryczna: zmieniać tylko z przyrządami pomiarowymi pod ręką; wartość jest przesyłana wyłącznie przyciskami Odczytaj i Zapisz tego okna.</translation>
    </message>
    <message>
        <source>Rx</source>
        <translation>Rx</translation>
    </message>
    <message>
        <source>Rx Freq</source>
        <translation>Częst. Rx</translation>
    </message>
    <message>
        <source>Rx Tone</source>
        <translation>Ton Rx</translation>
    </message>
    <message>
        <source>Rx color code</source>
        <translation>Kod koloru Rx</translation>
    </message>
    <message>
        <source>Rx exit tone</source>
        <translation>Ton końca odbioru</translation>
    </message>
    <message>
        <source>Rx freq (MHz)</source>
        <translation>Częst. Rx (MHz)</translation>
    </message>
    <message>
        <source>Rx light</source>
        <translation>Dioda Rx</translation>
    </message>
    <message>
        <source>Rx time (s)</source>
        <translation>Czas Rx (s)</translation>
    </message>
    <message>
        <source>Rx tone</source>
        <translation>Ton Rx</translation>
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
        <translation>Ten sam bajt co Alarm &gt; Autokontakt</translation>
    </message>
    <message>
        <source>Same byte as Alarm &gt; Query interval (min)</source>
        <translation>Ten sam bajt co Alarm &gt; Odstęp zapytań (min)</translation>
    </message>
    <message>
        <source>Same byte as Alarm &gt; Tx interval (s)</source>
        <translation>Ten sam bajt co Alarm &gt; Odstęp Tx (s)</translation>
    </message>
    <message>
        <source>Same byte as dPMR param &gt; Basic &gt; ACK reply delay; written only when changed here</source>
        <translation>Ten sam bajt co Parametry dPMR &gt; Podstawowe &gt; Opóźnienie ACK; zapisywany tylko po zmianie tutaj</translation>
    </message>
    <message>
        <source>Same byte as dPMR param &gt; Basic &gt; ACK reply wait; written only when changed here</source>
        <translation>Ten sam bajt co Parametry dPMR &gt; Podstawowe &gt; Oczekiwanie na ACK; zapisywany tylko po zmianie tutaj</translation>
    </message>
    <message>
        <source>Same byte as dPMR param &gt; Basic &gt; OACSU and Data type; written only when changed here</source>
        <translation>Ten sam bajt co Parametry dPMR &gt; Podstawowe &gt; OACSU i Typ danych; zapisywany tylko po zmianie tutaj</translation>
    </message>
    <message>
        <source>Saving delay time (s)</source>
        <translation>Opóźn. oszczędzania (s)</translation>
    </message>
    <message>
        <source>Saving mode</source>
        <translation>Oszczędzanie</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Skanowanie</translation>
    </message>
    <message>
        <source>Scan Info</source>
        <translation>Skanowanie</translation>
    </message>
    <message>
        <source>Scan begin beep</source>
        <translation>Sygnał początku skan.</translation>
    </message>
    <message>
        <source>Scan end beep</source>
        <translation>Sygnał końca skan.</translation>
    </message>
    <message>
        <source>Scan mode</source>
        <translation>Tryb skanowania</translation>
    </message>
    <message>
        <source>Scan state light</source>
        <translation>Dioda skanowania</translation>
    </message>
    <message>
        <source>Scan tx channel</source>
        <translation>Kanał Tx skanowania</translation>
    </message>
    <message>
        <source>Scan tx/rx resume delay time (s)</source>
        <translation>Opóźn. wznowienia po Tx/Rx (s)</translation>
    </message>
    <message>
        <source>Seconds PTT must stay released before the time-out timer starts counting afresh, 0 to 30.</source>
        <translation>Liczba sekund, przez które PTT musi pozostać zwolnione, zanim ogranicznik czasu nadawania zacznie liczyć od nowa, od 0 do 30.</translation>
    </message>
    <message>
        <source>Seconds after a decoded DTMF call before the radio returns to its normal state, 0 to 255.</source>
        <translation>Liczba sekund po zdekodowaniu wywołania DTMF, po których radiotelefon wraca do normalnego stanu, od 0 do 255.</translation>
    </message>
    <message>
        <source>Seconds before the time-out timer runs out at which the radio warns with a tone, 0 to 15 (0: no warning).</source>
        <translation>Na ile sekund przed upływem ogranicznika czasu nadawania radiotelefon ostrzega tonem, od 0 do 15 (0: bez ostrzeżenia).</translation>
    </message>
    <message>
        <source>Seconds without activity before battery saving starts, 10 to 60 in steps of 5 (a typed value is rounded down to a step).</source>
        <translation>Liczba sekund bez aktywności, po których zaczyna się oszczędzanie baterii, od 10 do 60 co 5 (wpisana wartość jest zaokrąglana w dół do kroku).</translation>
    </message>
    <message>
        <source>Secret</source>
        <translation>Cichy</translation>
    </message>
    <message>
        <source>Send alarm id</source>
        <translation>Wyślij ID alarmu</translation>
    </message>
    <message>
        <source>Sends the DTMF identity (DTMF &gt; Encode: PTTID type, On-line and Off-line code) with each transmission on this channel.</source>
        <translation>Wysyła identyfikator DTMF (DTMF &gt; Kodowanie: Typ PTTID, Kod początku i Kod końca) z każdą transmisją na tym kanale.</translation>
    </message>
    <message>
        <source>Shock</source>
        <translation>Wibracja</translation>
    </message>
    <message>
        <source>Short beep</source>
        <translation>Krótki sygnał</translation>
    </message>
    <message>
        <source>Short beep, Inhibit or Allow (bit 1 of 0x2007); only the bit is known, not what the radio does with it.</source>
        <translation>Krótki sygnał, Zablokowane lub Dozwolone (bit 1 bajtu 0x2007); znany jest tylko bit, nie wiadomo, co radiotelefon z nim robi.</translation>
    </message>
    <message>
        <source>Short press</source>
        <translation>Krótkie naciśnięcie</translation>
    </message>
    <message>
        <source>Shutdown pre-aleat tone</source>
        <translation>Ton przed wyłączeniem</translation>
    </message>
    <message>
        <source>Shutdown tone</source>
        <translation>Ton wyłączenia</translation>
    </message>
    <message>
        <source>Side Key</source>
        <translation>Przyciski boczne</translation>
    </message>
    <message>
        <source>Side tone</source>
        <translation>Odsłuch</translation>
    </message>
    <message>
        <source>Signal gain after the limiter, on analog channels: the transmitted deviation of the voice. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Wzmocnienie sygnału za ogranicznikiem, na kanałach analogowych: nadawana dewiacja głosu. Wartość 16-bitowa wpisywana szesnastkowo, od 0000 do FFFF. Regulacja fabryczna: zmieniać tylko z przyrządami pomiarowymi pod ręką; wartość jest przesyłana wyłącznie przyciskami Odczytaj i Zapisz tego okna.</translation>
    </message>
    <message>
        <source>Signal gain before the limiter, on analog channels: how hard the voice drives the deviation limiter. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Wzmocnienie sygnału przed ogranicznikiem, na kanałach analogowych: jak mocno głos wysterowuje ogranicznik dewiacji. Wartość 16-bitowa wpisywana szesnastkowo, od 0000 do FFFF. Regulacja fabryczna: zmieniać tylko z przyrządami pomiarowymi pod ręką; wartość jest przesyłana wyłącznie przyciskami Odczytaj i Zapisz tego okna.</translation>
    </message>
    <message>
        <source>Signal type</source>
        <translation>Sygnalizacja</translation>
    </message>
    <message>
        <source>Single call time</source>
        <translation>Czas wyw. indywid.</translation>
    </message>
    <message>
        <source>Single call tone</source>
        <translation>Ton wyw. indywid.</translation>
    </message>
    <message>
        <source>Single call: one radio. Group call: a group of radios sharing the number; only group calls can be members of a group receive list.</source>
        <translation>Wywołanie indywidualne: jeden radiotelefon. Wywołanie grupowe: grupa radiotelefonów o wspólnym numerze; tylko wywołania grupowe mogą należeć do listy grup odbioru.</translation>
    </message>
    <message>
        <source>Specified ch</source>
        <translation>Wskazany kanał</translation>
    </message>
    <message>
        <source>Specified channel</source>
        <translation>Wskazany kanał</translation>
    </message>
    <message>
        <source>Speed (digit/s)</source>
        <translation>Szybkość (cyfr/s)</translation>
    </message>
    <message>
        <source>Spoken announcements of the radio (the channel, for example): Off, in Chinese or in English.</source>
        <translation>Głosowe komunikaty radiotelefonu (na przykład numer kanału): Wył., Chiński lub Angielski.</translation>
    </message>
    <message>
        <source>Sql</source>
        <translation>Sql</translation>
    </message>
    <message>
        <source>Squelch calibration at this frequency of the band, 1 to 255 (an empty cell stores 60): the reference the radio&apos;s SQL levels are set from near this frequency. A factory calibration: change it only with a signal generator at hand.</source>
        <translation>Kalibracja blokady szumów przy tej częstotliwości pasma, od 1 do 255 (pusta komórka zapisuje 60): wartość odniesienia, od której ustawiane są poziomy SQL radiotelefonu w pobliżu tej częstotliwości. Kalibracja fabryczna: zmieniać tylko z generatorem sygnałowym pod ręką.</translation>
    </message>
    <message>
        <source>Squelch calibration: the noise thresholds at which the squelch opens and closes, and a squelch reference at points across the band. A factory calibration: change it only with a signal generator at hand.</source>
        <translation>Kalibracja blokady szumów: progi szumu, przy których blokada szumów się otwiera i zamyka, oraz wartości odniesienia blokady szumów w punktach rozłożonych w całym paśmie. Kalibracja fabryczna: zmieniać tylko z generatorem sygnałowym pod ręką.</translation>
    </message>
    <message>
        <source>Squelch level, 0 to 9: how strong a signal must be before the radio opens its speaker. Low levels let weak signals (and more noise) through, high levels need stronger signals. Default 5.</source>
        <translation>Poziom blokady szumów, od 0 do 9: jak silny musi być sygnał, aby radiotelefon włączył głośnik. Niskie poziomy przepuszczają słabe sygnały (i więcej szumu), wysokie wymagają silniejszych sygnałów. Domyślnie 5.</translation>
    </message>
    <message>
        <source>Squelch tail elimination, against the burst of noise heard when the other radio stops transmitting: Freq, or 120, 180 or 240, the degrees by which the CTCSS tone&apos;s phase is turned at the end of a transmission. Use the setting the other radios of the group use.</source>
        <translation>Eliminacja szumu końcowego (STE), przeciw trzaskowi szumu słyszanemu, gdy drugi radiotelefon przestaje nadawać: Częst. lub 120, 180 albo 240 – kąt w stopniach, o jaki na końcu transmisji przesuwana jest faza tonu CTCSS. Ustawić tak samo jak w pozostałych radiotelefonach grupy.</translation>
    </message>
    <message>
        <source>Stop time (s)</source>
        <translation>Czas postoju (s)</translation>
    </message>
    <message>
        <source>Swaps receive and transmit frequency, to listen on a repeater&apos;s input.</source>
        <translation>Zamienia częstotliwości odbioru i nadawania, aby słuchać na wejściu przemiennika.</translation>
    </message>
    <message>
        <source>TCXO (reference oscillator) output gain adjustment. A step from -57 to 6. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Regulacja wzmocnienia wyjścia TCXO (generatora wzorcowego). Stopień od -57 do 6. Regulacja fabryczna: zmieniać tylko z przyrządami pomiarowymi pod ręką; wartość jest przesyłana wyłącznie przyciskami Odczytaj i Zapisz tego okna.</translation>
    </message>
    <message>
        <source>TCXO输出增益调节 (db)</source>
        <translation>Wzmocnienie wyjścia TCXO (dB)</translation>
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
        <translation>Ostrzeżenie TOT (s)</translation>
    </message>
    <message>
        <source>TOT re-key time (s)</source>
        <translation>Przerwa po TOT (s)</translation>
    </message>
    <message>
        <source>TOT reset time (s)</source>
        <translation>Reset TOT (s)</translation>
    </message>
    <message>
        <source>Talk around</source>
        <translation>Bez przemiennika</translation>
    </message>
    <message>
        <source>Talk back</source>
        <translation>Odpowiadanie</translation>
    </message>
    <message>
        <source>The 16 group receive lists. A channel that uses a list (Channel edit &gt; Group rx list) receives the group calls to its members; choose a list to edit them.</source>
        <translation>16 list grup odbioru. Kanał, który używa listy (Edycja kanału &gt; Lista grup Rx), odbiera wywołania grupowe skierowane do jej członków; wybrać listę, aby edytować jej członków.</translation>
    </message>
    <message>
        <source>The 7-digit code of the command that makes a killed radio active again. An invalid code (0000000, a whole million, above 9000000) becomes 9999991.</source>
        <translation>7-cyfrowy kod polecenia, które ponownie aktywuje unieruchomiony radiotelefon. Nieprawidłowy kod (0000000, pełny milion, powyżej 9000000) zmienia się w 9999991.</translation>
    </message>
    <message>
        <source>The 7-digit code of the digital kill command this radio obeys. An invalid code (0000000, a whole million, above 9000000) becomes 9999990.</source>
        <translation>7-cyfrowy kod cyfrowego polecenia unieruchomienia, które wykonuje ten radiotelefon. Nieprawidłowy kod (0000000, pełny milion, powyżej 9000000) zmienia się w 9999990.</translation>
    </message>
    <message>
        <source>The 7-digit identity the alarm sends on digital channels. 0000000, the whole millions 1000000 to 9000000 and numbers above 9000000 are not valid and become 9999998.</source>
        <translation>7-cyfrowy identyfikator wysyłany przez alarm na kanałach cyfrowych. 0000000, pełne miliony od 1000000 do 9000000 i liczby powyżej 9000000 są nieprawidłowe i zmieniają się w 9999998.</translation>
    </message>
    <message>
        <source>The CTCSS tone (63.0 to 254.1 Hz) or DCS code (D023N, or D023I inverted) a signal must carry before the radio opens its speaker; None hears every signal. A number typed without a point is taken as a DCS code.</source>
        <translation>Ton CTCSS (od 63.0 do 254.1 Hz) lub kod DCS (D023N albo D023I – odwrócony), który musi zawierać sygnał, aby radiotelefon włączył głośnik; None – słychać każdy sygnał. Liczba wpisana bez kropki jest traktowana jako kod DCS.</translation>
    </message>
    <message>
        <source>The CTCSS tone or DCS code sent with each transmission, so that receivers set to it hear you; None sends none. A number typed without a point is taken as a DCS code.</source>
        <translation>Ton CTCSS lub kod DCS wysyłany z każdą transmisją, aby słyszały ją odbiorniki ustawione na ten ton lub kod; None – bez tonu. Liczba wpisana bez kropki jest traktowana jako kod DCS.</translation>
    </message>
    <message>
        <source>The DTMF code (DTMF &gt; Contact) the Call 1 key function sends on this channel, or None.</source>
        <translation>Kod DTMF (DTMF &gt; Kontakt), który funkcja przycisku Wywołanie 1 wysyła na tym kanale, lub Brak.</translation>
    </message>
    <message>
        <source>The DTMF code (DTMF &gt; Contact) the Call 2 key function sends on this channel, or None.</source>
        <translation>Kod DTMF (DTMF &gt; Kontakt), który funkcja przycisku Wywołanie 2 wysyła na tym kanale, lub Brak.</translation>
    </message>
    <message>
        <source>The DTMF code that kills the radio when it is received, up to 15 symbols 0-9, A-D, * and #; a # is stored after the last one.</source>
        <translation>Kod DTMF, który po odebraniu unieruchamia radiotelefon, maksymalnie 15 znaków 0-9, A-D, * i #; po ostatnim znaku zapisywany jest #.</translation>
    </message>
    <message>
        <source>The DTMF symbol that makes a received code a group call (A, B, C, D, * or #), or None for no group calls.</source>
        <translation>Znak DTMF, który sprawia, że odebrany kod jest wywołaniem grupowym (A, B, C, D, * lub #), albo Brak – bez wywołań grupowych.</translation>
    </message>
    <message>
        <source>The channel PTT transmits on during a scan when Scan tx channel is Specified ch; None for none.</source>
        <translation>Kanał, na którym PTT nadaje podczas skanowania, gdy Kanał Tx skanowania ma wartość Wskazany kanał; Brak – żaden.</translation>
    </message>
    <message>
        <source>The channel PTT transmits on during a scan: the channel in use before the scan began, the last channel where a signal was heard, or the specified channel.</source>
        <translation>Kanał, na którym PTT nadaje podczas skanowania: kanał używany przed rozpoczęciem skanowania, ostatni kanał, na którym był słyszany sygnał, lub wskazany kanał.</translation>
    </message>
    <message>
        <source>The channel on show, 1 to 16. The spin and the arrow keys step through the channels (16 follows 1 backwards); the channel left is stored first.</source>
        <translation>Wyświetlany kanał, od 1 do 16. Strzałki pola i klawisze strzałek przechodzą przez kanały (wstecz po 1 następuje 16); opuszczany kanał jest najpierw zapisywany.</translation>
    </message>
    <message>
        <source>The channel takes part in scanning. The channel table shows this as Add or Del.</source>
        <translation>Kanał bierze udział w skanowaniu. Tabela kanałów pokazuje to jako Tak lub Nie.</translation>
    </message>
    <message>
        <source>The channel&apos;s number, 1 to 16. An empty row is an empty channel: type a receive frequency to make it.</source>
        <translation>Numer kanału, od 1 do 16. Pusty wiersz to pusty kanał: aby go utworzyć, wpisać częstotliwość odbioru.</translation>
    </message>
    <message>
        <source>The contact a digital transmission on this channel calls (dPMR param &gt; Contact), or None.</source>
        <translation>Kontakt, który wywołuje transmisja cyfrowa na tym kanale (Parametry dPMR &gt; Kontakt), lub Brak.</translation>
    </message>
    <message>
        <source>The contact the Call 1 key function calls, or None.</source>
        <translation>Kontakt, który wywołuje funkcja przycisku Wywołanie 1, lub Brak.</translation>
    </message>
    <message>
        <source>The contact the Call 2 key function calls, or None.</source>
        <translation>Kontakt, który wywołuje funkcja przycisku Wywołanie 2, lub Brak.</translation>
    </message>
    <message>
        <source>The contact&apos;s dPMR number, 7 characters of 0-9 and *, different from every other contact&apos;s: the number the radio calls.</source>
        <translation>Numer dPMR kontaktu: 7 znaków z zakresu 0-9 i *, inny niż numer każdego innego kontaktu; pod tym numerem radiotelefon wywołuje kontakt.</translation>
    </message>
    <message>
        <source>The contact&apos;s name, up to 8 characters, different from every other contact&apos;s: the radio shows it, and channels and group receive lists choose contacts by it.</source>
        <translation>Nazwa kontaktu, maksymalnie 8 znaków, inna niż nazwa każdego innego kontaktu: radiotelefon ją wyświetla, a kanały i listy grup odbioru wybierają kontakty według niej.</translation>
    </message>
    <message>
        <source>The contact&apos;s place in the list, 1 to 64; the list is sorted by name when the page stores.</source>
        <translation>Pozycja kontaktu na liście, od 1 do 64; przy zapisie strony lista jest sortowana według nazwy.</translation>
    </message>
    <message>
        <source>The dPMR colour code, 0 to 63, received digital signals must carry, so that groups sharing a frequency do not hear each other; Auto: the radio&apos;s own choice.</source>
        <translation>Kod koloru dPMR, od 0 do 63, który muszą zawierać odbierane sygnały cyfrowe, aby grupy korzystające z tej samej częstotliwości nie słyszały się nawzajem; Auto: wybór radiotelefonu.</translation>
    </message>
    <message>
        <source>The dPMR colour code, 0 to 63, sent with digital transmissions; Auto: the radio&apos;s own choice.</source>
        <translation>Kod koloru dPMR, od 0 do 63, wysyłany z transmisjami cyfrowymi; Auto: wybór radiotelefonu.</translation>
    </message>
    <message>
        <source>The direction of a repeater shift, Off, + or -. Kept only while the dialog is open; it is never stored.</source>
        <translation>Kierunek przesunięcia przemiennika: Wył., + lub -. Przechowywany tylko, dopóki okno jest otwarte; nigdy nie jest zapisywany.</translation>
    </message>
    <message>
        <source>The emergency alarm, the lone worker function (Work alone), the man-down function (Upside) and automatic contact.</source>
        <translation>Wezwanie alarmowe, funkcja samotnego pracownika (Samotny pracownik), funkcja man down (Przewrócenie) oraz automatyczny kontakt.</translation>
    </message>
    <message>
        <source>The group receive list (dPMR param &gt; Group rx list) whose group calls this channel receives, or None.</source>
        <translation>Lista grup odbioru (Parametry dPMR &gt; Lista grup Rx), z której wywołania grupowe odbiera ten kanał, lub Brak.</translation>
    </message>
    <message>
        <source>The group-call contacts that are not members of the list; Add &gt;&gt; makes the selected ones members. Single-call contacts are never offered.</source>
        <translation>Kontakty grupowe, które nie należą do listy; Dodaj &gt;&gt; dodaje zaznaczone do listy. Kontakty indywidualne nigdy nie są tu pokazywane.</translation>
    </message>
    <message>
        <source>The identity the alarm sends on analog channels as DTMF tones, up to 8 symbols (0-9, A-D, * and #).</source>
        <translation>Identyfikator wysyłany przez alarm na kanałach analogowych jako tony DTMF, maksymalnie 8 znaków (0-9, A-D, * i #).</translation>
    </message>
    <message>
        <source>The indicator light shows when the radio is switched on.</source>
        <translation>Dioda sygnalizuje włączenie radiotelefonu.</translation>
    </message>
    <message>
        <source>The indicator light shows while the radio receives.</source>
        <translation>Dioda świeci podczas odbioru.</translation>
    </message>
    <message>
        <source>The indicator light shows while the radio scans.</source>
        <translation>Dioda świeci podczas skanowania.</translation>
    </message>
    <message>
        <source>The indicator light shows while the radio transmits.</source>
        <translation>Dioda świeci podczas nadawania.</translation>
    </message>
    <message>
        <source>The indicator light warns when the battery runs low.</source>
        <translation>Dioda ostrzega o niskim poziomie baterii.</translation>
    </message>
    <message>
        <source>The members of the list, up to 8 group-call contacts, in order. Del &lt;&lt; takes the selected ones out; Up and Down move them.</source>
        <translation>Członkowie listy: maksymalnie 8 kontaktów grupowych, w kolejności. Usuń &lt;&lt; usuwa zaznaczone z listy; W górę i W dół zmieniają ich kolejność.</translation>
    </message>
    <message>
        <source>The radio&apos;s dPMR identity and digital call settings, its contacts and its group receive lists.</source>
        <translation>Tożsamość dPMR radiotelefonu i ustawienia wywołań cyfrowych, jego kontakty i listy grup odbioru.</translation>
    </message>
    <message>
        <source>The radio&apos;s general options (squelch, battery saving, time-out, VOX), what its side keys do, and its prompt tones and lights.</source>
        <translation>Ogólne opcje radiotelefonu (blokada szumów, oszczędzanie baterii, ogranicznik czasu nadawania, VOX), funkcje przycisków bocznych oraz tony i diody sygnalizacyjne.</translation>
    </message>
    <message>
        <source>The radio&apos;s name, up to 8 characters.</source>
        <translation>Nazwa radiotelefonu, maksymalnie 8 znaków.</translation>
    </message>
    <message>
        <source>The radio&apos;s own DTMF identity: a received call with this code is for this radio. Up to 16 symbols 0-9, A-D, * and #.</source>
        <translation>Własny identyfikator DTMF radiotelefonu: odebrane wywołanie z tym kodem jest przeznaczone dla tego radiotelefonu. Maksymalnie 16 znaków 0-9, A-D, * i #.</translation>
    </message>
    <message>
        <source>The radio&apos;s own dPMR identity, 7 digits: other radios call it by this number, and every radio of a group needs its own. 0000000, the whole millions 1000000 to 9000000 and numbers above 9000000 are not valid and become 0000001.</source>
        <translation>Własny identyfikator dPMR radiotelefonu, 7 cyfr: inne radiotelefony wywołują go pod tym numerem, a każdy radiotelefon w grupie musi mieć własny. 0000000, pełne miliony od 1000000 do 9000000 i liczby powyżej 9000000 są nieprawidłowe i zmieniają się w 0000001.</translation>
    </message>
    <message>
        <source>The repeater shift in MHz, 0 to 50. Kept only while the dialog is open; it is never stored.</source>
        <translation>Przesunięcie przemiennika w MHz, od 0 do 50. Przechowywane tylko, dopóki okno jest otwarte; nigdy nie jest zapisywane.</translation>
    </message>
    <message>
        <source>The short message the Call 1 key function sends, 1 to 16, or Off.</source>
        <translation>Krótka wiadomość, którą wysyła funkcja przycisku Wywołanie 1, od 1 do 16, lub Wył.</translation>
    </message>
    <message>
        <source>The short message the Call 2 key function sends, 1 to 16, or Off.</source>
        <translation>Krótka wiadomość, którą wysyła funkcja przycisku Wywołanie 2, od 1 do 16, lub Wył.</translation>
    </message>
    <message>
        <source>The voice codec of digital calls: AMBE+2C (the codec of the dPMR standard, which other makes of dPMR radio use), ASELP or ASELP 2. Radios that talk to each other need the same codec.</source>
        <translation>Kodek głosu w wywołaniach cyfrowych: AMBE+2C (kodek standardu dPMR, używany przez radiotelefony dPMR innych producentów), ASELP lub ASELP 2. Radiotelefony, które mają się ze sobą komunikować, muszą używać tego samego kodeka.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Czas</translation>
    </message>
    <message>
        <source>Time-out timer: the longest a single transmission may last, 30 to 600 seconds in steps of 30 (a typed value is rounded down to a step). The radio stops transmitting when it runs out.</source>
        <translation>Ogranicznik czasu nadawania: najdłuższy dopuszczalny czas pojedynczej transmisji, od 30 do 600 sekund co 30 (wpisana wartość jest zaokrąglana w dół do kroku). Po jego upływie radiotelefon przerywa nadawanie.</translation>
    </message>
    <message>
        <source>Tone</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Tone and Light</source>
        <translation>Dźwięki i diody</translation>
    </message>
    <message>
        <source>Tone scan mode</source>
        <translation>Wykrywanie tonu</translation>
    </message>
    <message>
        <source>Transmit frequency in MHz; a new channel gets its receive frequency. A different one (a repeater&apos;s input) switches Repeat on. It is brought into the band and onto the raster like the receive frequency.</source>
        <translation>Częstotliwość nadawania w MHz; nowy kanał otrzymuje swoją częstotliwość odbioru. Inna częstotliwość (wejście przemiennika) włącza Przemiennik. Jest dopasowywana do pasma i siatki tak samo jak częstotliwość odbioru.</translation>
    </message>
    <message>
        <source>Transmit power, Low or High. Low saves battery; PMR446 allows 0.5 W, so keep to what your licence allows.</source>
        <translation>Moc nadawania, Niska lub Wysoka. Niska oszczędza baterię; PMR446 dopuszcza 0,5 W, więc należy trzymać się tego, na co pozwala posiadane zezwolenie.</translation>
    </message>
    <message>
        <source>Transmits on the receive frequency, to reach radios nearby directly when the repeater is out of reach.</source>
        <translation>Nadaje na częstotliwości odbioru, aby łączyć się bezpośrednio z pobliskimi radiotelefonami, gdy przemiennik jest poza zasięgiem.</translation>
    </message>
    <message>
        <source>Tx</source>
        <translation>Tx</translation>
    </message>
    <message>
        <source>Tx Freq</source>
        <translation>Częst. Tx</translation>
    </message>
    <message>
        <source>Tx Tone</source>
        <translation>Ton Tx</translation>
    </message>
    <message>
        <source>Tx color code</source>
        <translation>Kod koloru Tx</translation>
    </message>
    <message>
        <source>Tx contact</source>
        <translation>Kontakt Tx</translation>
    </message>
    <message>
        <source>Tx delay time</source>
        <translation>Opóźnienie Tx</translation>
    </message>
    <message>
        <source>Tx freq (MHz)</source>
        <translation>Częst. Tx (MHz)</translation>
    </message>
    <message>
        <source>Tx inhibit</source>
        <translation>Blokada Tx</translation>
    </message>
    <message>
        <source>Tx interval (s)</source>
        <translation>Odstęp Tx (s)</translation>
    </message>
    <message>
        <source>Tx light</source>
        <translation>Dioda Tx</translation>
    </message>
    <message>
        <source>Tx power</source>
        <translation>Moc Tx</translation>
    </message>
    <message>
        <source>Tx time (s)</source>
        <translation>Czas Tx (s)</translation>
    </message>
    <message>
        <source>Tx tone</source>
        <translation>Ton Tx</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Unallocated:</source>
        <translation>Nieprzypisane:</translation>
    </message>
    <message>
        <source>Upside</source>
        <translation>Przewrócenie</translation>
    </message>
    <message>
        <source>Upside pre-prompt  (s)</source>
        <translation>Ostrzeżenie przewrócenia (s)</translation>
    </message>
    <message>
        <source>VCO output gain adjustment. A step from -57 to 6. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Regulacja wzmocnienia wyjścia VCO. Stopień od -57 do 6. Regulacja fabryczna: zmieniać tylko z przyrządami pomiarowymi pod ręką; wartość jest przesyłana wyłącznie przyciskami Odczytaj i Zapisz tego okna.</translation>
    </message>
    <message>
        <source>VCO输出增益调节 (db)</source>
        <translation>Wzmocnienie wyjścia VCO (dB)</translation>
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
        <translation>Opóźnienie VOX (s)</translation>
    </message>
    <message>
        <source>VOX sense</source>
        <translation>Czułość VOX</translation>
    </message>
    <message>
        <source>VOX sensitivity level, 0 to 9: how readily speech starts a VOX transmission. Default 5.</source>
        <translation>Poziom czułości VOX, od 0 do 9: jak łatwo mowa uruchamia nadawanie VOX. Domyślnie 5.</translation>
    </message>
    <message>
        <source>Voice broadcast</source>
        <translation>Komunikaty głosowe</translation>
    </message>
    <message>
        <source>Voice store and replay, Off or On (0x39F bit 3): by its name, the radio records calls to play them again.</source>
        <translation>Nagrywanie i odtwarzanie głosu, Wył. lub Wł. (bajt 0x39F, bit 3): sądząc po nazwie, radiotelefon nagrywa wywołania, aby można je było ponownie odtworzyć.</translation>
    </message>
    <message>
        <source>Voice store/replay</source>
        <translation>Nagrywanie/odtwarzanie</translation>
    </message>
    <message>
        <source>Voice-operated transmit: On lets the radio transmit when you speak into the microphone (with a headset, for example) without pressing PTT.</source>
        <translation>Nadawanie sterowane głosem: Wł. pozwala radiotelefonowi nadawać, gdy mówi się do mikrofonu (na przykład z zestawem słuchawkowym), bez naciskania PTT.</translation>
    </message>
    <message>
        <source>Wake</source>
        <translation>Wybudzenie</translation>
    </message>
    <message>
        <source>Wake frame</source>
        <translation>Ramka wybudzenia</translation>
    </message>
    <message>
        <source>What a received DTMF kill does: tx inhibit (the radio can no longer transmit), tx/rx inhibit (it can neither transmit nor receive) or Kill (it is disabled).</source>
        <translation>Skutek odebranego unieruchomienia DTMF: Blokada Tx (radiotelefon nie może już nadawać), Blokada Tx/Rx (nie może ani nadawać, ani odbierać) lub Unieruchomienie (radiotelefon zostaje wyłączony z użytku).</translation>
    </message>
    <message>
        <source>What a received digital kill command does: Tx inhibit (the radio can no longer transmit), tx/rx inhibit (it can neither transmit nor receive) or Kill (it is disabled).</source>
        <translation>Skutek odebranego cyfrowego polecenia unieruchomienia: Blokada Tx (radiotelefon nie może już nadawać), Blokada Tx/Rx (nie może ani nadawać, ani odbierać) lub Unieruchomienie (radiotelefon zostaje wyłączony z użytku).</translation>
    </message>
    <message>
        <source>What a short press on side key 1 does. None: nothing. Monitor (long press only): opens the squelch to listen to weak signals. Scan: starts or stops scanning. Noise ch tmp remove: takes the channel scanning stopped on out of the scan for now. VOX: switches VOX on or off. Hihg/Low power: changes the transmit power. Power detect: tells the battery level. EMI: raises the emergency alarm. Auto contact, Work alone, Talk around, Reverse: switch that function. Call 1, Call 2: send the channel&apos;s call. Channel type: changes between analog and digital. 1750 signal: sends the 1750 Hz tone that opens many analog repeaters. Group call: calls a group. Pri ch scan: scans with the priority channel. Kill, Wake: send the remote kill or wake-up command.</source>
        <translation>Działanie krótkiego naciśnięcia przycisku bocznego 1. Brak: nic. Monitor (tylko długie naciśnięcie): otwiera blokadę szumów, aby słuchać słabych sygnałów. Skanowanie: uruchamia lub zatrzymuje skanowanie. Tymcz. pomiń kanał: tymczasowo wyłącza ze skanowania kanał, na którym skanowanie się zatrzymało. VOX: włącza lub wyłącza VOX. Moc wysoka/niska: zmienia moc nadawania. Stan baterii: podaje poziom naładowania baterii. Wezwanie alarmowe: uruchamia alarm. Autokontakt, Samotny pracownik, Bez przemiennika, Rewers: przełączają daną funkcję. Wywołanie 1, Wywołanie 2: wysyłają wywołanie kanału. Typ kanału: przełącza między analogowym a cyfrowym. Ton 1750 Hz: wysyła ton 1750 Hz, który otwiera wiele przemienników analogowych. Wywołanie grupowe: wywołuje grupę. Skan. priorytetowe: skanuje z kanałem priorytetowym. Unieruchomienie, Wybudzenie: wysyłają polecenie zdalnego unieruchomienia lub wybudzenia.</translation>
    </message>
    <message>
        <source>What a short press on side key 2 does. None: nothing. Monitor (long press only): opens the squelch to listen to weak signals. Scan: starts or stops scanning. Noise ch tmp remove: takes the channel scanning stopped on out of the scan for now. VOX: switches VOX on or off. Hihg/Low power: changes the transmit power. Power detect: tells the battery level. EMI: raises the emergency alarm. Auto contact, Work alone, Talk around, Reverse: switch that function. Call 1, Call 2: send the channel&apos;s call. Channel type: changes between analog and digital. 1750 signal: sends the 1750 Hz tone that opens many analog repeaters. Group call: calls a group. Pri ch scan: scans with the priority channel. Kill, Wake: send the remote kill or wake-up command.</source>
        <translation>Działanie krótkiego naciśnięcia przycisku bocznego 2. Brak: nic. Monitor (tylko długie naciśnięcie): otwiera blokadę szumów, aby słuchać słabych sygnałów. Skanowanie: uruchamia lub zatrzymuje skanowanie. Tymcz. pomiń kanał: tymczasowo wyłącza ze skanowania kanał, na którym skanowanie się zatrzymało. VOX: włącza lub wyłącza VOX. Moc wysoka/niska: zmienia moc nadawania. Stan baterii: podaje poziom naładowania baterii. Wezwanie alarmowe: uruchamia alarm. Autokontakt, Samotny pracownik, Bez przemiennika, Rewers: przełączają daną funkcję. Wywołanie 1, Wywołanie 2: wysyłają wywołanie kanału. Typ kanału: przełącza między analogowym a cyfrowym. Ton 1750 Hz: wysyła ton 1750 Hz, który otwiera wiele przemienników analogowych. Wywołanie grupowe: wywołuje grupę. Skan. priorytetowe: skanuje z kanałem priorytetowym. Unieruchomienie, Wybudzenie: wysyłają polecenie zdalnego unieruchomienia lub wybudzenia.</translation>
    </message>
    <message>
        <source>What a short press on the top key TK1 does. None: nothing. Monitor (long press only): opens the squelch to listen to weak signals. Scan: starts or stops scanning. Noise ch tmp remove: takes the channel scanning stopped on out of the scan for now. VOX: switches VOX on or off. Hihg/Low power: changes the transmit power. Power detect: tells the battery level. EMI: raises the emergency alarm. Auto contact, Work alone, Talk around, Reverse: switch that function. Call 1, Call 2: send the channel&apos;s call. Channel type: changes between analog and digital. 1750 signal: sends the 1750 Hz tone that opens many analog repeaters. Group call: calls a group. Pri ch scan: scans with the priority channel. Kill, Wake: send the remote kill or wake-up command.</source>
        <translation>Działanie krótkiego naciśnięcia górnego przycisku TK1. Brak: nic. Monitor (tylko długie naciśnięcie): otwiera blokadę szumów, aby słuchać słabych sygnałów. Skanowanie: uruchamia lub zatrzymuje skanowanie. Tymcz. pomiń kanał: tymczasowo wyłącza ze skanowania kanał, na którym skanowanie się zatrzymało. VOX: włącza lub wyłącza VOX. Moc wysoka/niska: zmienia moc nadawania. Stan baterii: podaje poziom naładowania baterii. Wezwanie alarmowe: uruchamia alarm. Autokontakt, Samotny pracownik, Bez przemiennika, Rewers: przełączają daną funkcję. Wywołanie 1, Wywołanie 2: wysyłają wywołanie kanału. Typ kanału: przełącza między analogowym a cyfrowym. Ton 1750 Hz: wysyła ton 1750 Hz, który otwiera wiele przemienników analogowych. Wywołanie grupowe: wywołuje grupę. Skan. priorytetowe: skanuje z kanałem priorytetowym. Unieruchomienie, Wybudzenie: wysyłają polecenie zdalnego unieruchomienia lub wybudzenia.</translation>
    </message>
    <message>
        <source>What holding side key 1 does. None: nothing. Monitor (long press only): opens the squelch to listen to weak signals. Scan: starts or stops scanning. Noise ch tmp remove: takes the channel scanning stopped on out of the scan for now. VOX: switches VOX on or off. Hihg/Low power: changes the transmit power. Power detect: tells the battery level. EMI: raises the emergency alarm. Auto contact, Work alone, Talk around, Reverse: switch that function. Call 1, Call 2: send the channel&apos;s call. Channel type: changes between analog and digital. 1750 signal: sends the 1750 Hz tone that opens many analog repeaters. Group call: calls a group. Pri ch scan: scans with the priority channel. Kill, Wake: send the remote kill or wake-up command.</source>
        <translation>Działanie przytrzymania przycisku bocznego 1. Brak: nic. Monitor (tylko długie naciśnięcie): otwiera blokadę szumów, aby słuchać słabych sygnałów. Skanowanie: uruchamia lub zatrzymuje skanowanie. Tymcz. pomiń kanał: tymczasowo wyłącza ze skanowania kanał, na którym skanowanie się zatrzymało. VOX: włącza lub wyłącza VOX. Moc wysoka/niska: zmienia moc nadawania. Stan baterii: podaje poziom naładowania baterii. Wezwanie alarmowe: uruchamia alarm. Autokontakt, Samotny pracownik, Bez przemiennika, Rewers: przełączają daną funkcję. Wywołanie 1, Wywołanie 2: wysyłają wywołanie kanału. Typ kanału: przełącza między analogowym a cyfrowym. Ton 1750 Hz: wysyła ton 1750 Hz, który otwiera wiele przemienników analogowych. Wywołanie grupowe: wywołuje grupę. Skan. priorytetowe: skanuje z kanałem priorytetowym. Unieruchomienie, Wybudzenie: wysyłają polecenie zdalnego unieruchomienia lub wybudzenia.</translation>
    </message>
    <message>
        <source>What holding side key 2 does. None: nothing. Monitor (long press only): opens the squelch to listen to weak signals. Scan: starts or stops scanning. Noise ch tmp remove: takes the channel scanning stopped on out of the scan for now. VOX: switches VOX on or off. Hihg/Low power: changes the transmit power. Power detect: tells the battery level. EMI: raises the emergency alarm. Auto contact, Work alone, Talk around, Reverse: switch that function. Call 1, Call 2: send the channel&apos;s call. Channel type: changes between analog and digital. 1750 signal: sends the 1750 Hz tone that opens many analog repeaters. Group call: calls a group. Pri ch scan: scans with the priority channel. Kill, Wake: send the remote kill or wake-up command.</source>
        <translation>Działanie przytrzymania przycisku bocznego 2. Brak: nic. Monitor (tylko długie naciśnięcie): otwiera blokadę szumów, aby słuchać słabych sygnałów. Skanowanie: uruchamia lub zatrzymuje skanowanie. Tymcz. pomiń kanał: tymczasowo wyłącza ze skanowania kanał, na którym skanowanie się zatrzymało. VOX: włącza lub wyłącza VOX. Moc wysoka/niska: zmienia moc nadawania. Stan baterii: podaje poziom naładowania baterii. Wezwanie alarmowe: uruchamia alarm. Autokontakt, Samotny pracownik, Bez przemiennika, Rewers: przełączają daną funkcję. Wywołanie 1, Wywołanie 2: wysyłają wywołanie kanału. Typ kanału: przełącza między analogowym a cyfrowym. Ton 1750 Hz: wysyła ton 1750 Hz, który otwiera wiele przemienników analogowych. Wywołanie grupowe: wywołuje grupę. Skan. priorytetowe: skanuje z kanałem priorytetowym. Unieruchomienie, Wybudzenie: wysyłają polecenie zdalnego unieruchomienia lub wybudzenia.</translation>
    </message>
    <message>
        <source>What holding the top key TK1 does. None: nothing. Monitor (long press only): opens the squelch to listen to weak signals. Scan: starts or stops scanning. Noise ch tmp remove: takes the channel scanning stopped on out of the scan for now. VOX: switches VOX on or off. Hihg/Low power: changes the transmit power. Power detect: tells the battery level. EMI: raises the emergency alarm. Auto contact, Work alone, Talk around, Reverse: switch that function. Call 1, Call 2: send the channel&apos;s call. Channel type: changes between analog and digital. 1750 signal: sends the 1750 Hz tone that opens many analog repeaters. Group call: calls a group. Pri ch scan: scans with the priority channel. Kill, Wake: send the remote kill or wake-up command.</source>
        <translation>Działanie przytrzymania górnego przycisku TK1. Brak: nic. Monitor (tylko długie naciśnięcie): otwiera blokadę szumów, aby słuchać słabych sygnałów. Skanowanie: uruchamia lub zatrzymuje skanowanie. Tymcz. pomiń kanał: tymczasowo wyłącza ze skanowania kanał, na którym skanowanie się zatrzymało. VOX: włącza lub wyłącza VOX. Moc wysoka/niska: zmienia moc nadawania. Stan baterii: podaje poziom naładowania baterii. Wezwanie alarmowe: uruchamia alarm. Autokontakt, Samotny pracownik, Bez przemiennika, Rewers: przełączają daną funkcję. Wywołanie 1, Wywołanie 2: wysyłają wywołanie kanału. Typ kanału: przełącza między analogowym a cyfrowym. Ton 1750 Hz: wysyła ton 1750 Hz, który otwiera wiele przemienników analogowych. Wywołanie grupowe: wywołuje grupę. Skan. priorytetowe: skanuje z kanałem priorytetowym. Unieruchomienie, Wybudzenie: wysyłają polecenie zdalnego unieruchomienia lub wybudzenia.</translation>
    </message>
    <message>
        <source>What the Call 1 key function sends on this channel: Off, Call (a call to the contact below) or Msg (a short message to it).</source>
        <translation>Co funkcja przycisku Wywołanie 1 wysyła na tym kanale: Wył., Wywołanie (wywołanie kontaktu poniżej) lub Wiad. (krótka wiadomość do niego).</translation>
    </message>
    <message>
        <source>What the Call 2 key function sends on this channel: Off, Call (a call to the contact below) or Msg (a short message to it).</source>
        <translation>Co funkcja przycisku Wywołanie 2 wysyła na tym kanale: Wył., Wywołanie (wywołanie kontaktu poniżej) lub Wiad. (krótka wiadomość do niego).</translation>
    </message>
    <message>
        <source>What the emergency alarm does: Off (no alarm), Only whistle (a siren at the radio only), Normal, Secret (no sound at the radio) or Send alarm id (the alarm id code is sent).</source>
        <translation>Działanie alarmu: Wył. (brak alarmu), Tylko syrena (syrena tylko w radiotelefonie), Normalny, Cichy (bez dźwięku w radiotelefonie) lub Wyślij ID alarmu (wysyłany jest kod ID alarmu).</translation>
    </message>
    <message>
        <source>What the radio does when it receives a call to its Person ID: None, Remind (an alert at the radio), Reply (it answers automatically) or Remind and Reply.</source>
        <translation>Co robi radiotelefon po odebraniu wywołania skierowanego na jego Własne ID: Brak, Powiadomienie (sygnał w radiotelefonie), Odpowiedź (odpowiada automatycznie) lub Powiad. i odpowiedź.</translation>
    </message>
    <message>
        <source>When a channel with PTTID sends its identity: On line (the On-line code when PTT is pressed), Off line (the Off-line code when it is released) or Both.</source>
        <translation>Kiedy kanał z PTTID wysyła swój identyfikator: Początek (Kod początku po naciśnięciu PTT), Koniec (Kod końca po jego zwolnieniu) lub Oba.</translation>
    </message>
    <message>
        <source>Whether the radio may be copied (cloned) to another radio over a cable: On allows it, Off refuses.</source>
        <translation>Czy radiotelefon można skopiować (sklonować) do innego radiotelefonu przez kabel: Wł. zezwala, Wył. odmawia.</translation>
    </message>
    <message>
        <source>Whether the radio may copy its configuration to another radio over the air: On allows it, Off refuses.</source>
        <translation>Czy radiotelefon może kopiować swoją konfigurację do innego radiotelefonu drogą radiową: Wł. zezwala, Wył. odmawia.</translation>
    </message>
    <message>
        <source>Wide</source>
        <translation>Szeroki</translation>
    </message>
    <message>
        <source>Wide noise close</source>
        <translation>Próg zamknięcia (szeroki)</translation>
    </message>
    <message>
        <source>Wide noise open</source>
        <translation>Próg otwarcia (szeroki)</translation>
    </message>
    <message>
        <source>Wired copy</source>
        <translation>Klonowanie kablem</translation>
    </message>
    <message>
        <source>Wireless copy</source>
        <translation>Klonowanie radiowe</translation>
    </message>
    <message>
        <source>With scan mode Time: how long scanning stays on a busy channel before it moves on, 0.5 to 10.0 seconds in steps of 0.5.</source>
        <translation>Przy trybie skanowania Czas: jak długo skanowanie pozostaje na zajętym kanale, zanim ruszy dalej, od 0.5 do 10.0 s co 0.5.</translation>
    </message>
    <message>
        <source>Work alone</source>
        <translation>Samotny pracownik</translation>
    </message>
    <message>
        <source>Work alone pre-remind (s)</source>
        <translation>Ostrzeżenie samotnej pracy (s)</translation>
    </message>
    <message>
        <source>Work alone time (min)</source>
        <translation>Czas samotnej pracy (min)</translation>
    </message>
    <message>
        <source>all ch</source>
        <translation>Wszystkie kanały</translation>
    </message>
    <message>
        <source>allow</source>
        <translation>Dozwolone</translation>
    </message>
    <message>
        <source>allow: the radio shows a received DTMF code on its display; prohibit: it does not.</source>
        <translation>Dozwolone: radiotelefon pokazuje odebrany kod DTMF na wyświetlaczu; Zabronione: nie pokazuje.</translation>
    </message>
    <message>
        <source>continue</source>
        <translation>ciągły</translation>
    </message>
    <message>
        <source>dPMR param</source>
        <translation>Parametry dPMR</translation>
    </message>
    <message>
        <source>entry ch before scan</source>
        <translation>Kanał sprzed skanowania</translation>
    </message>
    <message>
        <source>last active ch</source>
        <translation>Ostatni aktywny kanał</translation>
    </message>
    <message>
        <source>prohibit</source>
        <translation>Zabronione</translation>
    </message>
    <message>
        <source>tx inhibit</source>
        <translation>Blokada Tx</translation>
    </message>
    <message>
        <source>tx pre-carrier time</source>
        <translation>Czas nośnej przed Tx</translation>
    </message>
    <message>
        <source>tx/rx inhibit</source>
        <translation>Blokada Tx/Rx</translation>
    </message>
    <message>
        <source>unlimited</source>
        <translation>bez limitu</translation>
    </message>
    <message>
        <source>两路调制信号增益调节</source>
        <translation>Wzmocnienie obu sygnałów modulacji</translation>
    </message>
    <message>
        <source>可调节参数</source>
        <translation>Parametry regulowane</translation>
    </message>
    <message>
        <source>右通道信号增益调节</source>
        <translation>Wzmocnienie sygnału prawego</translation>
    </message>
    <message>
        <source>右通道输出增益调节</source>
        <translation>Wzmocnienie wyjścia prawego</translation>
    </message>
    <message>
        <source>左通道信号增益调节</source>
        <translation>Wzmocnienie sygnału lewego</translation>
    </message>
    <message>
        <source>左通道输出增益调节</source>
        <translation>Wzmocnienie wyjścia lewego</translation>
    </message>
    <message>
        <source>接收话音输出增益调节</source>
        <translation>Wzmocnienie odbieranej mowy</translation>
    </message>
    <message>
        <source>接收输入增益调节 (db)</source>
        <translation>Wzmocnienie wejścia odbioru (dB)</translation>
    </message>
    <message>
        <source>数字</source>
        <translation>Cyfrowy</translation>
    </message>
    <message>
        <source>模拟</source>
        <translation>Analogowy</translation>
    </message>
    <message>
        <source>解码输入增益调节</source>
        <translation>Wzmocnienie wejścia dekodera</translation>
    </message>
    <message>
        <source>限幅前信号增益</source>
        <translation>Wzmocnienie przed ogranicznikiem</translation>
    </message>
    <message>
        <source>限幅后信号增益</source>
        <translation>Wzmocnienie za ogranicznikiem</translation>
    </message>
    <message>
        <source>Single call</source>
        <translation>Wywołanie indywidualne</translation>
    </message>
</context>
<context>
    <name>FleetJobReport</name>
    <message>
        <source>(not saved)</source>
        <translation>(nie zapisano)</translation>
    </message>
    <message>
        <source>Fleet job</source>
        <translation>Zadanie floty</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Data: %1</translation>
    </message>
    <message>
        <source>Template: %1</source>
        <translation>Szablon: %1</translation>
    </message>
    <message>
        <source>Template CRC-32: %1</source>
        <translation>CRC-32 szablonu: %1</translation>
    </message>
</context>
<context>
    <name>FlexGrid</name>
    <message>
        <source>%1, row %2</source>
        <translation>%1, wiersz %2</translation>
    </message>
</context>
<context>
    <name>ReportBox</name>
    <message>
        <source>
... and %1 more</source>
        <translation>
... i jeszcze %1</translation>
    </message>
</context>
<context>
    <name>ServiceDialog</name>
    <message>
        <source>Reading the squelch calibration from the radio...</source>
        <translation>Odczyt kalibracji blokady szumów z radiotelefonu...</translation>
    </message>
    <message>
        <source>Writing the squelch calibration to the radio...</source>
        <translation>Zapis kalibracji blokady szumów do radiotelefonu...</translation>
    </message>
    <message>
        <source>Reading the adjustment values from the radio...</source>
        <translation>Odczyt wartości regulacji z radiotelefonu...</translation>
    </message>
    <message>
        <source>Writing the adjustment values to the radio...</source>
        <translation>Zapis wartości regulacji do radiotelefonu...</translation>
    </message>
    <message>
        <source>Read the adjustment values from the radio</source>
        <translation>Odczytaj wartości regulacji z radiotelefonu</translation>
    </message>
    <message>
        <source>Write the adjustment values to the radio</source>
        <translation>Zapisz wartości regulacji do radiotelefonu</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>&amp;Odczytaj</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>&amp;Zapisz</translation>
    </message>
</context>
<context>
    <name>ServiceTransfer</name>
    <message>
        <source>&amp;Check the connection</source>
        <translation>&amp;Sprawdź połączenie</translation>
    </message>
</context>
<context>
    <name>backup</name>
    <message>
        <source>No backup of the read was kept: %1</source>
        <translation>Nie zachowano kopii zapasowej odczytu: %1</translation>
    </message>
    <message>
        <source>No backup of the write was kept: %1</source>
        <translation>Nie zachowano kopii zapasowej zapisu: %1</translation>
    </message>
    <message>
        <source>No backup of the write-failed was kept: %1</source>
        <translation>Nie zachowano kopii zapasowej nieudanego zapisu: %1</translation>
    </message>
    <message>
        <source>cannot make the folder &quot;%1&quot;: %2.</source>
        <translation>nie można utworzyć folderu &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>cannot use the folder &quot;%1&quot;: %2.</source>
        <translation>nie można użyć folderu &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder.</source>
        <translation>&quot;%1&quot; nie jest folderem.</translation>
    </message>
    <message>
        <source>there is no home folder to keep it in.</source>
        <translation>brak folderu domowego, w którym można by ją zachować.</translation>
    </message>
    <message>
        <source>cannot write &quot;%1&quot;: %2.</source>
        <translation>nie można zapisać &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>too many backups made within the same second.</source>
        <translation>zbyt wiele kopii zapasowych w ciągu tej samej sekundy.</translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; could not be marked as a failed write: %2</source>
        <translation>Nie udało się oznaczyć kopii zapasowej &quot;%1&quot; jako nieudanego zapisu: %2</translation>
    </message>
    <message>
        <source>it is no write backup.</source>
        <translation>nie jest to kopia zapasowa zapisu.</translation>
    </message>
    <message>
        <source>Cannot read the backup folder &quot;%1&quot;: %2.</source>
        <translation>Nie można odczytać folderu kopii zapasowych &quot;%1&quot;: %2.</translation>
    </message>
</context>
<context>
    <name>channels</name>
    <message>
        <source>the channel&apos;s receive-only bit is always written as 0</source>
        <translation>bit &quot;tylko odbiór&quot; kanału jest zawsze zapisywany jako 0</translation>
    </message>
    <message>
        <source>&quot;Signal type&quot; is &quot;Off&quot;</source>
        <translation>&quot;Sygnalizacja&quot; ma wartość &quot;Wył.&quot;</translation>
    </message>
    <message>
        <source>the call&apos;s &quot;Type&quot; is &quot;Off&quot;</source>
        <translation>&quot;Typ&quot; wywołania ma wartość &quot;Wył.&quot;</translation>
    </message>
    <message>
        <source>Rx and Tx freq are equal</source>
        <translation>częst. Rx i Tx są równe</translation>
    </message>
    <message>
        <source>the channel is empty: give it an Rx freq first</source>
        <translation>kanał jest pusty: najpierw podaj częst. Rx</translation>
    </message>
    <message>
        <source>%1 needs %2-%3 MHz; this file&apos;s band is %4-%5 MHz</source>
        <translation>%1 wymaga %2-%3 MHz; pasmo tego pliku to %4-%5 MHz</translation>
    </message>
    <message>
        <source>%1 channel %2 (%3 MHz) is not on the file&apos;s channel raster: it would be stored as %4 MHz</source>
        <translation>kanał %2 planu %1 (%3 MHz) nie leży w siatce kanałów pliku: zostałby zapisany jako %4 MHz</translation>
    </message>
    <message>
        <source>%1 has channels 1 to %2; there is no channel %3</source>
        <translation>%1 ma kanały od 1 do %2; nie ma kanału %3</translation>
    </message>
    <message>
        <source>the table has channels 1 to 16; there is no channel %1</source>
        <translation>tabela ma kanały od 1 do 16; nie ma kanału %1</translation>
    </message>
    <message>
        <source>%1 channels are digital: CTCSS tones do not apply to them</source>
        <translation>Kanały %1 są cyfrowe: tony CTCSS ich nie dotyczą</translation>
    </message>
    <message>
        <source>%1 is no CTCSS tone of the list (63.0 to 254.1, as &quot;67.0&quot;)</source>
        <translation>%1 nie jest tonem CTCSS z listy (63.0 do 254.1, w postaci &quot;67.0&quot;)</translation>
    </message>
    <message>
        <source>one tone per channel from %1 Hz needs %2 tones; the list has %3 from there (start at %4 Hz or lower)</source>
        <translation>jeden ton na kanał od %1 Hz wymaga tonów: %2; lista ma od tego miejsca tylko %3 (zacznij od %4 Hz lub niżej)</translation>
    </message>
    <message>
        <source>channel %1: %2</source>
        <translation>kanał %1: %2</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 do %2</translation>
    </message>
    <message>
        <source>%1: %2 (%3 MHz), Narrow, %4</source>
        <translation>%1: %2 (%3 MHz), Wąski, %4</translation>
    </message>
    <message>
        <source>%1, no tones</source>
        <translation>%1, bez tonów</translation>
    </message>
    <message>
        <source>%1, tone %2 Hz</source>
        <translation>%1, ton %2 Hz</translation>
    </message>
    <message>
        <source>%1, tones %2 to %3 Hz</source>
        <translation>%1, tony od %2 do %3 Hz</translation>
    </message>
    <message>
        <source>%1 left unchanged: %2 ends at channel %3</source>
        <translation>%1 – bez zmian: %2 kończy się na kanale %3</translation>
    </message>
    <message>
        <source>Channel %1</source>
        <translation>Kanał %1</translation>
    </message>
    <message>
        <source>Channels %1</source>
        <translation>Kanały %1</translation>
    </message>
    <message>
        <source>channel %1</source>
        <translation>kanał %1</translation>
    </message>
    <message>
        <source>channels %1</source>
        <translation>kanały %1</translation>
    </message>
    <message>
        <source>Not find factory.dat
%1</source>
        <translation>Nie znaleziono factory.dat
%1</translation>
    </message>
    <message>
        <source>%1 is outside %2-%3 MHz: set to %4</source>
        <translation>%1 leży poza %2-%3 MHz: ustawiono %4</translation>
    </message>
    <message>
        <source>%1 is not on the channel raster: set to %2</source>
        <translation>%1 nie leży w siatce kanałów: ustawiono %2</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 lub %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 is not %2: left as it was</source>
        <translation>%1 nie jest jedną z wartości %2; pozostawiono bez zmian</translation>
    </message>
    <message>
        <source>no channel: left empty</source>
        <translation>brak kanału: pozostawiono pusty</translation>
    </message>
    <message>
        <source>Select two or more channels first (their row numbers, or Shift with the arrows)</source>
        <translation>Najpierw zaznacz co najmniej dwa kanały (numery ich wierszy lub Shift ze strzałkami)</translation>
    </message>
    <message>
        <source>%1 is set one channel at a time: choose a cell of Rx Tone to Channel type</source>
        <translation>Kolumnę %1 ustawia się dla każdego kanału osobno: wybierz komórkę w kolumnach od Ton Rx do Typ kanału</translation>
    </message>
    <message>
        <source>%1 holds no channel: nothing to apply</source>
        <translation>%1 nie zawiera kanału: nie ma czego zastosować</translation>
    </message>
    <message>
        <source>no channel</source>
        <translation>brak kanału</translation>
    </message>
    <message>
        <source>greyed out</source>
        <translation>nieaktywne</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not offered</source>
        <translation>brak opcji &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; given to %3 as well</source>
        <translation>%1 &quot;%2&quot; ustawiono także dla: %3</translation>
    </message>
    <message>
        <source>%1 keeps its %2: %3</source>
        <translation>%1 zachowuje swoje ustawienie %2: %3</translation>
    </message>
</context>
<context>
    <name>check</name>
    <message>
        <source>Channel %1: %2</source>
        <translation>Kanał %1: %2</translation>
    </message>
    <message>
        <source>contact %1 does not exist (contacts are 1-64)</source>
        <translation>kontakt %1 nie istnieje (kontakty mają numery 1-64)</translation>
    </message>
    <message>
        <source>contact %1 is a free contact slot</source>
        <translation>kontakt %1 to wolne miejsce na kontakt</translation>
    </message>
    <message>
        <source>The dPMR radio name is empty</source>
        <translation>Nazwa radiotelefonu dPMR jest pusta</translation>
    </message>
    <message>
        <source>Tx Freq is empty while Rx Freq is set</source>
        <translation>Częst. Tx jest pusta, a częst. Rx jest ustawiona</translation>
    </message>
    <message>
        <source>Rx %1 MHz is outside the band %2</source>
        <translation>Rx %1 MHz leży poza pasmem %2</translation>
    </message>
    <message>
        <source>Tx %1 MHz is outside the band %2</source>
        <translation>Tx %1 MHz leży poza pasmem %2</translation>
    </message>
    <message>
        <source>Rx tone %1 is not a standard DCS code</source>
        <translation>Ton Rx %1 nie jest standardowym kodem DCS</translation>
    </message>
    <message>
        <source>Tx tone %1 is not a standard DCS code</source>
        <translation>Ton Tx %1 nie jest standardowym kodem DCS</translation>
    </message>
    <message>
        <source>Tx %1</source>
        <translation>Tx: %1</translation>
    </message>
    <message>
        <source>group rx list %1 does not exist (lists are 1-16)</source>
        <translation>lista grup Rx %1 nie istnieje (listy mają numery 1-16)</translation>
    </message>
    <message>
        <source>group rx list %1 has no member</source>
        <translation>lista grup Rx %1 nie ma członków</translation>
    </message>
    <message>
        <source>%1 selects DTMF code %2, which does not exist (codes are 1-16)</source>
        <translation>%1 wybiera kod DTMF %2, który nie istnieje (kody mają numery 1-16)</translation>
    </message>
    <message>
        <source>%1 selects DTMF code %2, which is empty</source>
        <translation>%1 wybiera kod DTMF %2, który jest pusty</translation>
    </message>
    <message>
        <source>Group rx list %1: %2</source>
        <translation>Lista grup Rx %1: %2</translation>
    </message>
    <message>
        <source>Group rx list %1: contact %2 is a single call, not a group</source>
        <translation>Lista grup Rx %1: kontakt %2 to wywołanie indywidualne, a nie grupa</translation>
    </message>
    <message>
        <source>Group rx list %1: contact %2 (%3) is a single call, not a group</source>
        <translation>Lista grup Rx %1: kontakt %2 (%3) to wywołanie indywidualne, a nie grupa</translation>
    </message>
    <message>
        <source>error: %1</source>
        <translation>błąd: %1</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>ostrzeżenie: %1</translation>
    </message>
</context>
<context>
    <name>codec</name>
    <message>
        <source>%1 is not a DCS code (DCS codes use the digits 0 to 7): left as it was</source>
        <translation>%1 nie jest kodem DCS (kody DCS używają cyfr od 0 do 7): pozostawiono bez zmian</translation>
    </message>
    <message>
        <source>%1 is not a DCS code (DCS codes use the digits 0 to 7); type %2 for %2 Hz: left as it was</source>
        <translation>%1 nie jest kodem DCS (kody DCS używają cyfr od 0 do 7); dla %2 Hz wpisz %2: pozostawiono bez zmian</translation>
    </message>
    <message>
        <source>%1 was taken as DCS %2</source>
        <translation>%1 przyjęto jako DCS %2</translation>
    </message>
    <message>
        <source>%1 was taken as DCS %2; type %3 for %3 Hz</source>
        <translation>%1 przyjęto jako DCS %2; dla %3 Hz wpisz %3</translation>
    </message>
    <message>
        <source>%1 is not a tone: set to None</source>
        <translation>%1 nie jest tonem: ustawiono Brak</translation>
    </message>
</context>
<context>
    <name>config</name>
    <message>
        <source>The port is kept in %1.</source>
        <translation>Port jest zapamiętany w %1.</translation>
    </message>
    <message>
        <source>The port is kept in %1, because %2 cannot be written.</source>
        <translation>Port jest zapamiętany w %1, ponieważ nie można zapisać %2.</translation>
    </message>
</context>
<context>
    <name>dialogs</name>
    <message>
        <source>channel range %1 is not channelA-B with 1 &lt;= A &lt;= B &lt;= 16</source>
        <translation>zakres kanałów %1 nie ma postaci channelA-B, gdzie 1 &lt;= A &lt;= B &lt;= 16</translation>
    </message>
    <message>
        <source>%1 is not an entry of %2 (%3)</source>
        <translation>%1 nie jest pozycją listy %2 (%3)</translation>
    </message>
    <message>
        <source>%1 (%2) takes 0 or 1</source>
        <translation>%1 (%2) przyjmuje 0 lub 1</translation>
    </message>
    <message>
        <source>unknown key %1 (see dpmrtool fields)</source>
        <translation>nieznany klucz %1 (zobacz dpmrtool fields)</translation>
    </message>
    <message>
        <source>%1 is a factory value of the radio (service dialog %2); add --service to change it</source>
        <translation>%1 to wartość fabryczna radiotelefonu (okno serwisowe %2); aby ją zmienić, dodaj --service</translation>
    </message>
    <message>
        <source>%1 is not shown by %2 for this image (see dpmrtool fields FILE.dat)</source>
        <translation>okno %2 nie pokazuje %1 dla tego obrazu (zobacz dpmrtool fields FILE.dat)</translation>
    </message>
    <message>
        <source>%1 (%2) is greyed out in %3</source>
        <translation>%1 (%2) jest nieaktywne w oknie %3</translation>
    </message>
    <message>
        <source>%1 (%2) is greyed out in %3: %4</source>
        <translation>%1 (%2) jest nieaktywne w oknie %3: %4</translation>
    </message>
    <message>
        <source>%1 (%2) has no spin</source>
        <translation>%1 (%2) nie ma przycisków w górę/w dół</translation>
    </message>
</context>
<context>
    <name>dpmr</name>
    <message>
        <source>the name is empty</source>
        <translation>nazwa jest pusta</translation>
    </message>
    <message>
        <source>the name %1 is longer than 8 bytes</source>
        <translation>nazwa %1 jest dłuższa niż 8 bajtów</translation>
    </message>
    <message>
        <source>the name %1 holds a control character</source>
        <translation>nazwa %1 zawiera znak sterujący</translation>
    </message>
    <message>
        <source>the number is empty</source>
        <translation>numer jest pusty</translation>
    </message>
    <message>
        <source>the number %1 is longer than 7 characters</source>
        <translation>numer %1 jest dłuższy niż 7 znaków</translation>
    </message>
    <message>
        <source>the number %1 may hold only the digits 0 to 9 and &quot;*&quot;</source>
        <translation>numer %1 może zawierać tylko cyfry od 0 do 9 i &quot;*&quot;</translation>
    </message>
    <message>
        <source>more than 8 members</source>
        <translation>więcej niż 8 członków</translation>
    </message>
    <message>
        <source>no contact is named %1</source>
        <translation>żaden kontakt nie nazywa się %1</translation>
    </message>
    <message>
        <source>more than one contact is named %1</source>
        <translation>więcej niż jeden kontakt nazywa się %1</translation>
    </message>
    <message>
        <source>%1 is a single call; the lists take group calls</source>
        <translation>%1 to wywołanie indywidualne; listy przyjmują wywołania grupowe</translation>
    </message>
    <message>
        <source>%1 is named twice</source>
        <translation>%1 podano dwukrotnie</translation>
    </message>
    <message>
        <source>more than 64 contacts</source>
        <translation>więcej niż 64 kontakty</translation>
    </message>
    <message>
        <source>expected 3 fields (Name,Number,Type), found %1</source>
        <translation>oczekiwano 3 pól (Name,Number,Type), znaleziono: %1</translation>
    </message>
    <message>
        <source>the type %1 is neither %2 nor %3</source>
        <translation>typ %1 to ani %2, ani %3</translation>
    </message>
    <message>
        <source>the name %1 is already on line %2</source>
        <translation>nazwa %1 występuje już w wierszu %2</translation>
    </message>
    <message>
        <source>the number %1 is already on line %2</source>
        <translation>numer %1 występuje już w wierszu %2</translation>
    </message>
    <message>
        <source>no contact follows; the radio needs one</source>
        <translation>po nagłówku nie ma żadnego kontaktu; radiotelefon potrzebuje co najmniej jednego</translation>
    </message>
    <message>
        <source>no free contact record is left for this contact</source>
        <translation>brak wolnego rekordu dla tego kontaktu</translation>
    </message>
    <message>
        <source>%1 is already %2&apos;s</source>
        <translation>%1 należy już do kontaktu %2</translation>
    </message>
    <message>
        <source>the list %1 is no number from 1 to 16</source>
        <translation>lista %1 nie jest liczbą od 1 do 16</translation>
    </message>
    <message>
        <source>list %1 is already on line %2</source>
        <translation>lista %1 występuje już w wierszu %2</translation>
    </message>
</context>
<context>
    <name>fleet</name>
    <message>
        <source>radio %1 (%2) looks like the radio just written as %3 (&quot;%4&quot;, %5): is the next radio on the cable?</source>
        <translation>radiotelefon %1 (%2) wygląda jak radiotelefon przed chwilą zapisany jako %3 (&quot;%4&quot;, %5): czy do kabla podłączono następny radiotelefon?</translation>
    </message>
    <message>
        <source>radio %1 (%2) is to get the ID %3, which the backups show on another radio: &quot;%4&quot; (backup of %5)</source>
        <translation>radiotelefon %1 (%2) ma otrzymać ID %3, które według kopii zapasowych ma inny radiotelefon: &quot;%4&quot; (kopia z %5)</translation>
    </message>
    <message>
        <source>a row of the list holds a name, a dPMR ID and, optionally, a port, but this one has 1 column</source>
        <translation>wiersz listy zawiera nazwę, ID dPMR i opcjonalnie port, a ten ma 1 kolumnę</translation>
    </message>
    <message>
        <source>a row of the list holds a name, a dPMR ID and, optionally, a port, but this one has %1 columns</source>
        <translation>wiersz listy zawiera nazwę, ID dPMR i opcjonalnie port, a ten ma kolumn: %1</translation>
    </message>
    <message>
        <source>the list holds no radio</source>
        <translation>lista nie zawiera żadnego radiotelefonu</translation>
    </message>
    <message>
        <source>the port %1 is also %2&apos;s</source>
        <translation>port %1 ma też pozycja: %2</translation>
    </message>
    <message>
        <source>the port %1 is given twice</source>
        <translation>port %1 podano dwukrotnie</translation>
    </message>
    <message>
        <source>no port is left for this row: name its port in the list or connect one more radio</source>
        <translation>nie został żaden port dla tego wiersza: podaj jego port na liście lub podłącz jeszcze jeden radiotelefon</translation>
    </message>
    <message>
        <source>the row has no dPMR ID</source>
        <translation>wiersz nie ma ID dPMR</translation>
    </message>
    <message>
        <source>the dPMR ID %1 is not a number of up to 7 digits</source>
        <translation>ID dPMR %1 nie jest liczbą o maksymalnie 7 cyfrach</translation>
    </message>
    <message>
        <source>the radio would replace the dPMR ID %1 (it takes 0000001 to 9000000, not 1000000, 2000000, ... 9000000)</source>
        <translation>radiotelefon zastąpiłby ID dPMR %1 innym (przyjmuje od 0000001 do 9000000, z wyjątkiem 1000000, 2000000, ... 9000000)</translation>
    </message>
    <message>
        <source>the dPMR ID %1 is given twice: also %2</source>
        <translation>ID dPMR %1 podano dwukrotnie: także %2</translation>
    </message>
    <message>
        <source>the name %1 holds a character the radio cannot show (only plain ASCII letters, digits and signs)</source>
        <translation>nazwa %1 zawiera znak, którego radiotelefon nie może wyświetlić (tylko zwykłe litery, cyfry i znaki ASCII)</translation>
    </message>
    <message>
        <source>the name &quot;%1&quot; is cut to the radio&apos;s 8 characters: &quot;%2&quot;</source>
        <translation>nazwa &quot;%1&quot; zostaje skrócona do 8 znaków radiotelefonu: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>cut to 8 characters, the name is &quot;%1&quot;, the same as %2&apos;s</source>
        <translation>po skróceniu do 8 znaków nazwa to &quot;%1&quot;, tak samo jak w pozycji: %2</translation>
    </message>
    <message>
        <source>the name &quot;%1&quot; is also %2&apos;s</source>
        <translation>nazwę &quot;%1&quot; ma też pozycja: %2</translation>
    </message>
    <message>
        <source>the port %1 has no row of the list and is not written</source>
        <translation>port %1 nie ma wiersza na liście i nie zostanie zapisany</translation>
    </message>
    <message>
        <source>the name pattern &apos;%1&apos; holds a character the radio cannot show (only plain ASCII letters, digits and signs)</source>
        <translation>wzorzec nazwy &apos;%1&apos; zawiera znak, którego radiotelefon nie może wyświetlić (tylko zwykłe litery, cyfry i znaki ASCII)</translation>
    </message>
    <message>
        <source>the name pattern &apos;%1&apos; has a lone &apos;}&apos;</source>
        <translation>wzorzec nazwy &apos;%1&apos; zawiera samotny znak &apos;}&apos;</translation>
    </message>
    <message>
        <source>the name pattern &apos;%1&apos; has a &apos;{&apos; without &apos;}&apos;</source>
        <translation>wzorzec nazwy &apos;%1&apos; zawiera &apos;{&apos; bez &apos;}&apos;</translation>
    </message>
    <message>
        <source>{%1} in the name pattern: the ID has 1 to 7 digits to keep</source>
        <translation>{%1} we wzorcu nazwy: z ID można zachować od 1 do 7 cyfr</translation>
    </message>
    <message>
        <source>{%1} in the name pattern is not known: use {n}, {id} or {id:4}</source>
        <translation>{%1} we wzorcu nazwy jest nieznane: użyj {n}, {id} lub {id:4}</translation>
    </message>
    <message>
        <source>radio %1: the name &quot;%2&quot; is cut to the radio&apos;s 8 characters: &quot;%3&quot;</source>
        <translation>radiotelefon %1: nazwa &quot;%2&quot; zostaje skrócona do 8 znaków radiotelefonu: &quot;%3&quot;</translation>
    </message>
    <message>
        <source>no port given: name at least one radio&apos;s port</source>
        <translation>nie podano portu: podaj port co najmniej jednego radiotelefonu</translation>
    </message>
    <message>
        <source>an empty port name was given</source>
        <translation>podano pustą nazwę portu</translation>
    </message>
    <message>
        <source>an ID start value and keeping each radio&apos;s identity exclude each other</source>
        <translation>początkowa wartość ID i zachowanie tożsamości każdego radiotelefonu wykluczają się</translation>
    </message>
    <message>
        <source>the first radio ID must have at most 7 digits (1 to 9999999)</source>
        <translation>ID pierwszego radiotelefonu może mieć najwyżej 7 cyfr (od 1 do 9999999)</translation>
    </message>
    <message>
        <source>the ID step must have at most 7 digits</source>
        <translation>krok ID może mieć najwyżej 7 cyfr</translation>
    </message>
    <message>
        <source>every radio needs an ID of its own, but all %1 would get the document&apos;s ID %2: give a first ID and a step, or keep each radio&apos;s identity</source>
        <translation>każdy radiotelefon potrzebuje własnego ID, ale wszystkie (%1) otrzymałyby ID dokumentu %2: podaj pierwsze ID i krok albo zachowaj tożsamość każdego radiotelefonu</translation>
    </message>
    <message>
        <source>radio %1 (%2) would get the ID %3, which has no 7-digit form</source>
        <translation>radiotelefon %1 (%2) otrzymałby ID %3, którego nie da się zapisać 7 cyframi</translation>
    </message>
    <message>
        <source>radio %1 (%2) would get the ID %3, which the radio does not take (0000001 to 9000000, not 1000000, 2000000, ... 9000000): choose another start or step</source>
        <translation>radiotelefon %1 (%2) otrzymałby ID %3, którego radiotelefon nie przyjmuje (od 0000001 do 9000000, z wyjątkiem 1000000, 2000000, ... 9000000): wybierz inny początek lub krok</translation>
    </message>
    <message>
        <source>radios %1 and %2 would both be named &quot;%3&quot; once cut to the radio&apos;s 8 characters: shorten the pattern or put the ID&apos;s digits first</source>
        <translation>radiotelefony %1 i %2 po skróceniu do 8 znaków radiotelefonu miałyby tę samą nazwę &quot;%3&quot;: skróć wzorzec lub umieść cyfry ID na początku</translation>
    </message>
    <message>
        <source>every radio needs an ID of its own, but the step repeats %1</source>
        <translation>każdy radiotelefon potrzebuje własnego ID, ale przy tym kroku powtarza się %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 i %2</translation>
    </message>
    <message>
        <source>ID %1 on %2</source>
        <translation>ID %1 na %2</translation>
    </message>
    <message>
        <source>wire trace: %1</source>
        <translation>log komunikacji: %1</translation>
    </message>
    <message>
        <source>stopped before its configuration was sent</source>
        <translation>zatrzymano przed wysłaniem konfiguracji</translation>
    </message>
    <message>
        <source>no read backup kept: there is no folder for backups</source>
        <translation>nie zachowano kopii zapasowej odczytu: brak folderu na kopie zapasowe</translation>
    </message>
    <message>
        <source>no write backup kept: there is no folder for backups</source>
        <translation>nie zachowano kopii zapasowej zapisu: brak folderu na kopie zapasowe</translation>
    </message>
    <message>
        <source>stopped while reading the radio; nothing was sent</source>
        <translation>zatrzymano podczas odczytu radiotelefonu; nic nie wysłano</translation>
    </message>
    <message>
        <source>two radios hold the same ID, so none was written: %1</source>
        <translation>dwa radiotelefony mają to samo ID, więc żadnego nie zapisano: %1</translation>
    </message>
    <message>
        <source>its squelch calibration could not be read, so nothing was sent: %1</source>
        <translation>nie udało się odczytać jego kalibracji blokady szumów, więc nic nie wysłano: %1</translation>
    </message>
    <message>
        <source>not written, after the warning: %1</source>
        <translation>nie zapisano po ostrzeżeniu: %1</translation>
    </message>
    <message>
        <source>its configuration has errors and was not sent: %1</source>
        <translation>jego konfiguracja zawiera błędy i nie została wysłana: %1</translation>
    </message>
    <message>
        <source>written despite errors: %1</source>
        <translation>zapisano mimo błędów: %1</translation>
    </message>
    <message>
        <source>row</source>
        <translation>wiersz</translation>
    </message>
    <message>
        <source>radio %1</source>
        <translation>radiotelefon %1</translation>
    </message>
    <message>
        <source>line</source>
        <translation>wiersz</translation>
    </message>
    <message>
        <source>not run</source>
        <translation>nie wykonano</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>zweryfikowano</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>zatrzymano</translation>
    </message>
    <message>
        <source>broke off</source>
        <translation>przerwano</translation>
    </message>
    <message>
        <source>differs</source>
        <translation>różni się</translation>
    </message>
    <message>
        <source>not asked</source>
        <translation>nie zlecono</translation>
    </message>
</context>
<context>
    <name>form</name>
    <message>
        <source>printable ASCII characters only</source>
        <translation>tylko drukowalne znaki ASCII</translation>
    </message>
    <message>
        <source>digits only</source>
        <translation>tylko cyfry</translation>
    </message>
    <message>
        <source>digits and a point only</source>
        <translation>tylko cyfry i kropka</translation>
    </message>
    <message>
        <source>0-9, A-D, * and # only</source>
        <translation>tylko 0-9, A-D, * i #</translation>
    </message>
    <message>
        <source>hexadecimal digits only</source>
        <translation>tylko cyfry szesnastkowe</translation>
    </message>
    <message>
        <source>%1 to %2 in steps of %3</source>
        <translation>od %1 do %2 z krokiem %3</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>od %1 do %2</translation>
    </message>
    <message>
        <source>no entry of the list</source>
        <translation>brak takiej pozycji na liście</translation>
    </message>
    <message>
        <source>band edges and the channel raster</source>
        <translation>granice pasma i siatka kanałów</translation>
    </message>
    <message>
        <source>a CTCSS tone 60.0 to 280.0 Hz or a DCS code</source>
        <translation>ton CTCSS od 60.0 do 280.0 Hz lub kod DCS</translation>
    </message>
    <message>
        <source>0 or 1</source>
        <translation>0 lub 1</translation>
    </message>
    <message>
        <source>at most %1 digits</source>
        <translation>liczba cyfr: najwyżej %1</translation>
    </message>
    <message>
        <source>at most %1 characters</source>
        <translation>liczba znaków: najwyżej %1</translation>
    </message>
    <message>
        <source>7 digits up to 9000000, not one digit and six 0s</source>
        <translation>7 cyfr do 9000000, ale nie jedna cyfra i sześć zer</translation>
    </message>
    <message>
        <source>as the radio keeps it</source>
        <translation>tak, jak przechowuje to radiotelefon</translation>
    </message>
    <message>
        <source>%1: %2 stored as %3 (%4)</source>
        <translation>%1: %2 zapisano jako %3 (%4)</translation>
    </message>
</context>
<context>
    <name>image</name>
    <message>
        <source>&quot;%1&quot; is not a radio file: it holds %2 bytes; a radio file holds %3.</source>
        <translation>&quot;%1&quot; nie jest plikiem radiotelefonu: ma %2 B, a plik radiotelefonu ma %3 B.</translation>
    </message>
    <message>
        <source>%1 holds %2 bytes, more than a radio image: only its first %3 bytes are loaded, and the rest is not kept.</source>
        <translation>Plik %1 ma %2 B, więcej niż obraz radiotelefonu: wczytano tylko pierwsze %3 B, a reszta nie zostanie zachowana.</translation>
    </message>
    <message>
        <source>Unexpected file format.
&quot;%1&quot; holds %2 bytes; a radio file holds %3.</source>
        <translation>Nieoczekiwany format pliku.
&quot;%1&quot; ma %2 B, a plik radiotelefonu ma %3 B.</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Bez nazwy</translation>
    </message>
</context>
<context>
    <name>interchange</name>
    <message>
        <source>%1 row did not fit below channel 16: left out</source>
        <translation>%1 wiersz nie zmieścił się poniżej kanału 16: pominięto</translation>
    </message>
    <message>
        <source>%1 rows did not fit below channel 16: left out</source>
        <translation>wiersze, które nie zmieściły się poniżej kanału 16, pominięto: %1</translation>
    </message>
    <message>
        <source>channel %1, %2: %3</source>
        <translation>kanał %1, %2: %3</translation>
    </message>
    <message>
        <source>line %1: %2: row left out</source>
        <translation>wiersz %1: %2: pominięto wiersz</translation>
    </message>
    <message>
        <source>%1 is no frequency</source>
        <translation>%1 nie jest częstotliwością</translation>
    </message>
    <message>
        <source>no Rx Freq</source>
        <translation>brak częst. Rx</translation>
    </message>
    <message>
        <source>%1 is no frequency: left as it was</source>
        <translation>%1 nie jest częstotliwością: pozostawiono bez zmian</translation>
    </message>
    <message>
        <source>the clipboard text is no table of channels: %1</source>
        <translation>tekst w schowku nie jest tabelą kanałów: %1</translation>
    </message>
    <message>
        <source>the clipboard holds no channel rows</source>
        <translation>schowek nie zawiera wierszy kanałów</translation>
    </message>
    <message>
        <source>%1 %2 is not a frequency in MHz</source>
        <translation>%1 %2 nie jest częstotliwością w MHz</translation>
    </message>
    <message>
        <source>Duplex %1 is not empty, +, -, split or off</source>
        <translation>nieprawidłowa wartość Duplex %1 (dozwolone: puste, +, -, split, off)</translation>
    </message>
    <message>
        <source>Offset %1 is not a number of MHz</source>
        <translation>Offset %1 nie jest liczbą MHz</translation>
    </message>
    <message>
        <source>Offset %1 is 10000 MHz or more, no frequency to transmit on</source>
        <translation>Offset %1 wynosi 10000 MHz lub więcej; to nie jest częstotliwość nadawania</translation>
    </message>
    <message>
        <source>Frequency %1 Offset gives %2 MHz, no frequency to transmit on</source>
        <translation>Frequency %1 z Offset daje %2 MHz; to nie jest częstotliwość nadawania</translation>
    </message>
    <message>
        <source>Power %1 is not understood: set to %2</source>
        <translation>nie rozpoznano Power %1: ustawiono %2</translation>
    </message>
    <message>
        <source>Skip %1 is not empty, S or P</source>
        <translation>nieprawidłowa wartość Skip %1 (dozwolone: puste, S, P)</translation>
    </message>
    <message>
        <source>the first line must name the columns, Location and Frequency among them, as CHIRP writes it</source>
        <translation>pierwszy wiersz musi zawierać nazwy kolumn, w tym Location i Frequency, tak jak zapisuje je CHIRP</translation>
    </message>
    <message>
        <source>%1: left out</source>
        <translation>%1: pominięto</translation>
    </message>
    <message>
        <source>Location %1 is no channel of this radio (1-16)</source>
        <translation>Location %1 nie jest kanałem tego radiotelefonu (1-16)</translation>
    </message>
    <message>
        <source>channel %1 is set on line %2</source>
        <translation>kanał %1 jest już ustawiony w wierszu %2</translation>
    </message>
    <message>
        <source>channel %1: Mode %2 is not available (FM and NFM only)</source>
        <translation>kanał %1: Mode %2 jest niedostępny (tylko FM i NFM)</translation>
    </message>
    <message>
        <source>channel %1 has no frequency</source>
        <translation>kanał %1 nie ma częstotliwości</translation>
    </message>
    <message>
        <source>channel %1: %2</source>
        <translation>kanał %1: %2</translation>
    </message>
    <message>
        <source>names are not kept: the radio has no channel names</source>
        <translation>nazwy nie zostały zachowane: radiotelefon nie ma nazw kanałów</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>wiersz %1: %2</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 jest puste</translation>
    </message>
    <message>
        <source>DtcsPolarity %1 is not NN, NR, RN or RR</source>
        <translation>nieprawidłowa wartość DtcsPolarity %1 (dozwolone: NN, NR, RN, RR)</translation>
    </message>
    <message>
        <source>tone mode %1 (reverse squelch) is not available: no tones</source>
        <translation>tryb tonu %1 (odwrócona blokada szumów) jest niedostępny: bez tonów</translation>
    </message>
    <message>
        <source>Tone %1 is not empty, Tone, TSQL, DTCS, TSQL-R, DTCS-R or Cross</source>
        <translation>nieprawidłowa wartość Tone %1 (dozwolone: puste, Tone, TSQL, DTCS, TSQL-R, DTCS-R, Cross)</translation>
    </message>
    <message>
        <source>CrossMode %1 is not one of Tone-&gt;Tone, Tone-&gt;DTCS, DTCS-&gt;Tone, -&gt;Tone, -&gt;DTCS, DTCS-&gt;, DTCS-&gt;DTCS, Tone-&gt;</source>
        <translation>nieprawidłowa wartość CrossMode %1 (dozwolone: Tone-&gt;Tone, Tone-&gt;DTCS, DTCS-&gt;Tone, -&gt;Tone, -&gt;DTCS, DTCS-&gt;, DTCS-&gt;DTCS, Tone-&gt;)</translation>
    </message>
    <message>
        <source>more than %1 contacts</source>
        <translation>więcej kontaktów niż %1</translation>
    </message>
    <message>
        <source>the name %1 is already on line %2</source>
        <translation>nazwa %1 występuje już w wierszu %2</translation>
    </message>
    <message>
        <source>the name %1 is there twice</source>
        <translation>nazwa %1 występuje dwukrotnie</translation>
    </message>
    <message>
        <source>the number %1 is already on line %2</source>
        <translation>numer %1 występuje już w wierszu %2</translation>
    </message>
    <message>
        <source>the number %1 is there twice</source>
        <translation>numer %1 występuje dwukrotnie</translation>
    </message>
    <message>
        <source>contact %1: slot %2 is not a free slot 1 to 64</source>
        <translation>kontakt %1: miejsce %2 nie jest wolnym miejscem od 1 do 64</translation>
    </message>
    <message>
        <source>channel %1: %2 is not an entry of &quot;%3&quot;</source>
        <translation>kanał %1: %2 nie jest pozycją listy &quot;%3&quot;</translation>
    </message>
    <message>
        <source>channel %1 %2: %3</source>
        <translation>kanał %1 %2: %3</translation>
    </message>
    <message>
        <source>%1 (%2) is greyed out in the dialog</source>
        <translation>%1 (%2) jest nieaktywne w oknie</translation>
    </message>
    <message>
        <source>%1 (%2) is greyed out in the dialog: %3</source>
        <translation>%1 (%2) jest nieaktywne w oknie: %3</translation>
    </message>
    <message>
        <source>line %1, column %2: %3</source>
        <translation>wiersz %1, kolumna %2: %3</translation>
    </message>
    <message>
        <source>the byte at %1 is not one no field owns</source>
        <translation>bajt pod adresem %1 należy do pola (dozwolone są tu tylko bajty bez pola)</translation>
    </message>
    <message>
        <source>group rx list %1: %2</source>
        <translation>lista grup Rx %1: %2</translation>
    </message>
    <message>
        <source>the byte at %1 is not a byte of the contacts</source>
        <translation>bajt pod adresem %1 nie należy do kontaktów</translation>
    </message>
    <message>
        <source>the control character %1 is not allowed in a YAML file</source>
        <translation>znak sterujący %1 jest niedozwolony w pliku YAML</translation>
    </message>
    <message>
        <source>a backslash before %1 starts no YAML escape sequence (a backslash itself is written \\)</source>
        <translation>ukośnik wsteczny przed %1 nie rozpoczyna sekwencji ucieczki YAML (sam ukośnik wsteczny zapisuje się jako \\)</translation>
    </message>
    <message>
        <source>YAML syntax: %1</source>
        <translation>składnia YAML: %1</translation>
    </message>
    <message>
        <source>%1: expected a text, not a list or mapping</source>
        <translation>%1: oczekiwano tekstu, a nie listy lub mapowania</translation>
    </message>
    <message>
        <source>%1: expected a number from %2 to %3</source>
        <translation>%1: oczekiwano liczby od %2 do %3</translation>
    </message>
    <message>
        <source>%1: expected %2 bytes as hexadecimal digits</source>
        <translation>%1: oczekiwano %2 B w postaci cyfr szesnastkowych</translation>
    </message>
    <message>
        <source>%1: expected bytes as hexadecimal digits</source>
        <translation>%1: oczekiwano bajtów w postaci cyfr szesnastkowych</translation>
    </message>
    <message>
        <source>%1: expected a mapping</source>
        <translation>%1: oczekiwano mapowania</translation>
    </message>
    <message>
        <source>%1: expected a list</source>
        <translation>%1: oczekiwano listy</translation>
    </message>
    <message>
        <source>%1: more than %2 entries</source>
        <translation>%1: więcej pozycji niż %2</translation>
    </message>
    <message>
        <source>%1: %2 is not an address 0x0000 to 0x3FFF</source>
        <translation>%1: %2 nie jest adresem od 0x0000 do 0x3FFF</translation>
    </message>
    <message>
        <source>%1: unknown key %2 (see dpmrtool fields: the keys after &quot;channel%3.&quot;)</source>
        <translation>%1: nieznany klucz %2 (zobacz dpmrtool fields: klucze po &quot;channel%3.&quot;)</translation>
    </message>
    <message>
        <source>unknown settings page %1 (see dpmrtool fields)</source>
        <translation>nieznana strona ustawień %1 (zobacz dpmrtool fields)</translation>
    </message>
    <message>
        <source>unknown key %1 (see dpmrtool fields)</source>
        <translation>nieznany klucz %1 (zobacz dpmrtool fields)</translation>
    </message>
    <message>
        <source>%1: unknown key %2 (value or bytes)</source>
        <translation>%1: nieznany klucz %2 (value lub bytes)</translation>
    </message>
    <message>
        <source>contact type: %1 is not an entry of &quot;Type&quot; (&quot;%2&quot;, &quot;%3&quot;)</source>
        <translation>typ kontaktu: %1 nie jest pozycją listy &quot;Typ&quot; (&quot;%2&quot;, &quot;%3&quot;)</translation>
    </message>
    <message>
        <source>contact: unknown key %1 (name, number, type, slot)</source>
        <translation>kontakt: nieznany klucz %1 (name, number, type, slot)</translation>
    </message>
    <message>
        <source>%1: unknown key %2 (members or bytes)</source>
        <translation>%1: nieznany klucz %2 (members lub bytes)</translation>
    </message>
    <message>
        <source>%1: expected a list of contact names</source>
        <translation>%1: oczekiwano listy nazw kontaktów</translation>
    </message>
    <message>
        <source>expected a dpmrcps codeplug (a mapping with format: 1)</source>
        <translation>oczekiwano codeplugu dpmrcps (mapowania z format: 1)</translation>
    </message>
    <message>
        <source>format %1 is not one this program reads (%2)</source>
        <translation>format %1 nie jest obsługiwany przez ten program (%2)</translation>
    </message>
    <message>
        <source>unknown key %1</source>
        <translation>nieznany klucz %1</translation>
    </message>
    <message>
        <source>no &quot;format&quot;: not a dpmrcps codeplug</source>
        <translation>brak &quot;format&quot;: to nie jest codeplug dpmrcps</translation>
    </message>
    <message>
        <source>lists and mappings are nested %1 deep here; a codeplug nests at most 4</source>
        <translation>listy i mapowania są tu zagnieżdżone na głębokość %1; codeplug zagnieżdża najwyżej 4 poziomy</translation>
    </message>
    <message>
        <source>the key %1 is given twice in one mapping, on line %2</source>
        <translation>klucz %1 podano dwukrotnie w jednym mapowaniu, w wierszu %2</translation>
    </message>
    <message>
        <source>the key %1 is given twice in one mapping, on lines %2 and %3</source>
        <translation>klucz %1 podano dwukrotnie w jednym mapowaniu, w wierszach %2 i %3</translation>
    </message>
</context>
<context>
    <name>link</name>
    <message>
        <source>install the udev rule %1 (the dpmrcps package does; from the sources: sudo cp res/linux/%1 /etc/udev/rules.d/), then: sudo udevadm control --reload &amp;&amp; sudo udevadm trigger --subsystem-match=tty</source>
        <translation>zainstaluj regułę udev %1 (robi to pakiet dpmrcps; ze źródeł: sudo cp res/linux/%1 /etc/udev/rules.d/), a następnie: sudo udevadm control --reload &amp;&amp; sudo udevadm trigger --subsystem-match=tty</translation>
    </message>
    <message>
        <source>%1 is not a serial port</source>
        <translation>%1 nie jest portem szeregowym</translation>
    </message>
    <message>
        <source>choose the cable&apos;s port, such as /dev/ttyUSB0 (dpmrtool ports lists them)</source>
        <translation>wybierz port kabla, np. /dev/ttyUSB0 (listę pokazuje dpmrtool ports)</translation>
    </message>
    <message>
        <source>the system refused to open %1 although its permissions allow it</source>
        <translation>system odmówił otwarcia %1, choć uprawnienia na to pozwalają</translation>
    </message>
    <message>
        <source>a sandbox (a snap or flatpak package) or a security policy keeps the program from the device: run the program installed from the Debian package or built from the sources</source>
        <translation>piaskownica (pakiet snap lub flatpak) lub polityka bezpieczeństwa blokuje programowi dostęp do urządzenia: uruchom program zainstalowany z pakietu Debiana lub zbudowany ze źródeł</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2</source>
        <translation>nie udało się otworzyć %1: %2</translation>
    </message>
    <message>
        <source>plug the cable in again; if that does not help, restart the computer</source>
        <translation>podłącz kabel ponownie; jeśli to nie pomoże, uruchom ponownie komputer</translation>
    </message>
    <message>
        <source>%1 does not exist: the cable is not plugged in, or its port has another name now</source>
        <translation>%1 nie istnieje: kabel nie jest podłączony albo jego port ma teraz inną nazwę</translation>
    </message>
    <message>
        <source>plug the cable into the computer and the radio, then choose the port that appears (dpmrtool ports lists them; Setting &gt; Port shows them as they come)</source>
        <translation>podłącz kabel do komputera i radiotelefonu, a następnie wybierz port, który się pojawi (listę pokazuje dpmrtool ports; Ustawienia &gt; Port pokazuje porty na bieżąco)</translation>
    </message>
    <message>
        <source>brltty (a braille display driver) is installed and claims USB serial adapters (%1): if the port disappeared right after the cable was plugged in, brltty took it</source>
        <translation>zainstalowany jest brltty (sterownik monitora brajlowskiego), który przejmuje adaptery USB-szeregowe (%1): jeśli port zniknął zaraz po podłączeniu kabla, przejął go brltty</translation>
    </message>
    <message>
        <source>without a braille display: sudo apt remove brltty, then plug the cable in again; with one: comment out the line for the cable&apos;s chip in %1</source>
        <translation>bez monitora brajlowskiego: sudo apt remove brltty, a następnie podłącz kabel ponownie; z monitorem: zakomentuj wiersz dla układu kabla w %1</translation>
    </message>
    <message>
        <source>brltty&apos;s udev rules</source>
        <translation>regułach udev brltty</translation>
    </message>
    <message>
        <source>a virtual port (a pseudo-terminal), such as the virtual radio&apos;s: no cable</source>
        <translation>port wirtualny (pseudoterminal), np. wirtualnego radiotelefonu: bez kabla</translation>
    </message>
    <message>
        <source>USB serial adapter: USB %1</source>
        <translation>adapter USB-szeregowy: USB %1</translation>
    </message>
    <message>
        <source>%1 cable: USB %2</source>
        <translation>kabel %1: USB %2</translation>
    </message>
    <message>
        <source>, driver %1</source>
        <translation>, sterownik %1</translation>
    </message>
    <message>
        <source>, also %1</source>
        <translation>, także %1</translation>
    </message>
    <message>
        <source>a Bluetooth serial port, not the radio&apos;s programming cable</source>
        <translation>port szeregowy Bluetooth, a nie kabel programujący radiotelefonu</translation>
    </message>
    <message>
        <source>plug the programming cable in and choose its port (/dev/ttyUSB0 or /dev/ttyACM0)</source>
        <translation>podłącz kabel programujący i wybierz jego port (/dev/ttyUSB0 lub /dev/ttyACM0)</translation>
    </message>
    <message>
        <source>a serial port built into the computer: a USB programming cable is named ttyUSB or ttyACM</source>
        <translation>wbudowany port szeregowy komputera: kabel programujący USB ma nazwę ttyUSB lub ttyACM</translation>
    </message>
    <message>
        <source>a serial port built into the computer, driver %1: a USB programming cable is named ttyUSB or ttyACM</source>
        <translation>wbudowany port szeregowy komputera, sterownik %1: kabel programujący USB ma nazwę ttyUSB lub ttyACM</translation>
    </message>
    <message>
        <source> (owner %1, group %2, mode %3)</source>
        <translation> (właściciel %1, grupa %2, tryb %3)</translation>
    </message>
    <message>
        <source>your user %1 was added to the group %2, which may open %3, but this session started before and does not have the group yet</source>
        <translation>użytkownika %1 dodano do grupy %2, która może otwierać %3, ale ta sesja rozpoczęła się wcześniej i jeszcze nie ma tej grupy</translation>
    </message>
    <message>
        <source>log out and in again (or restart the computer); until then, &apos;newgrp %1&apos; starts a shell that has it</source>
        <translation>wyloguj się i zaloguj ponownie (lub uruchom ponownie komputer); do tego czasu &apos;newgrp %1&apos; uruchamia powłokę z tą grupą</translation>
    </message>
    <message>
        <source>your user %1 is not in the group %2, which may open %3%4</source>
        <translation>użytkownik %1 nie należy do grupy %2, która może otwierać %3%4</translation>
    </message>
    <message>
        <source>sudo adduser %1 %2, then log out and in again</source>
        <translation>sudo adduser %1 %2, a następnie wyloguj się i zaloguj ponownie</translation>
    </message>
    <message>
        <source>only root may open %1%2</source>
        <translation>tylko root może otwierać %1%2</translation>
    </message>
    <message>
        <source>only its owner may open %1%2</source>
        <translation>tylko właściciel może otwierać %1%2</translation>
    </message>
    <message>
        <source>%1; it gives the group dialout the programming cables: then sudo adduser %2 dialout, and log out and in again</source>
        <translation>%1; reguła daje grupie dialout dostęp do kabli programujących: potem sudo adduser %2 dialout, a następnie wyloguj się i zaloguj ponownie</translation>
    </message>
    <message>
        <source>%1 (process %2)</source>
        <translation>%1 (proces %2)</translation>
    </message>
    <message>
        <source>a program</source>
        <translation>program</translation>
    </message>
    <message>
        <source>close the other program, then try again</source>
        <translation>zamknij inny program i spróbuj ponownie</translation>
    </message>
    <message>
        <source>close %1 (or end it: kill %2), then try again</source>
        <translation>zamknij %1 (lub zakończ go: kill %2) i spróbuj ponownie</translation>
    </message>
    <message>
        <source>that program</source>
        <translation>ten program</translation>
    </message>
    <message>
        <source>%1 is in use by another program%2</source>
        <translation>%1 jest używany przez inny program%2</translation>
    </message>
    <message>
        <source>the udev rule %1 is not installed: it keeps ModemManager away from the cable and gives the group dialout access to it</source>
        <translation>reguła udev %1 nie jest zainstalowana: trzyma ona ModemManager z dala od kabla i daje grupie dialout dostęp do niego</translation>
    </message>
    <message>
        <source>the udev rule %1 does not name this cable&apos;s chip (USB %2)</source>
        <translation>reguła udev %1 nie wymienia układu tego kabla (USB %2)</translation>
    </message>
    <message>
        <source>add a line for it to the rule (a copy of one of its lines with idVendor %1 and idProduct %2), then: sudo udevadm control --reload &amp;&amp; sudo udevadm trigger --subsystem-match=tty</source>
        <translation>dodaj dla niego wiersz do reguły (kopię jednego z jej wierszy z idVendor %1 i idProduct %2), a następnie: sudo udevadm control --reload &amp;&amp; sudo udevadm trigger --subsystem-match=tty</translation>
    </message>
    <message>
        <source>the udev rule %1 names this cable&apos;s chip but has not been applied to %2 yet</source>
        <translation>reguła udev %1 wymienia układ tego kabla, ale nie została jeszcze zastosowana do %2</translation>
    </message>
    <message>
        <source>plug the cable in again, or run: sudo udevadm trigger --subsystem-match=tty</source>
        <translation>podłącz kabel ponownie lub uruchom: sudo udevadm trigger --subsystem-match=tty</translation>
    </message>
    <message>
        <source>ModemManager is running and has not been told to leave %1 alone: it may send AT commands to the cable for several seconds after it is plugged in, and a Read or Write started then fails</source>
        <translation>ModemManager działa i nie ma polecenia, by pomijać %1: przez kilka sekund po podłączeniu kabla może wysyłać do niego polecenia AT, a rozpoczęty wtedy odczyt lub zapis się nie powiedzie</translation>
    </message>
    <message>
        <source>%1, and plug the cable in again; or stop ModemManager: sudo systemctl stop ModemManager</source>
        <translation>%1 i podłącz kabel ponownie; albo zatrzymaj ModemManager: sudo systemctl stop ModemManager</translation>
    </message>
    <message>
        <source>plug the cable in again; or stop ModemManager: sudo systemctl stop ModemManager</source>
        <translation>podłącz kabel ponownie; albo zatrzymaj ModemManager: sudo systemctl stop ModemManager</translation>
    </message>
    <message>
        <source>brltty (a braille display driver) is installed and its udev rules claim this cable&apos;s chip (USB %1): it may take the cable, and the port disappears right after it is plugged in</source>
        <translation>zainstalowany jest brltty (sterownik monitora brajlowskiego), a jego reguły udev przejmują układ tego kabla (USB %1): może on przejąć kabel i port zniknie zaraz po podłączeniu</translation>
    </message>
    <message>
        <source>virtual port %1</source>
        <translation>port wirtualny %1</translation>
    </message>
    <message>
        <source>%1 cable on %2</source>
        <translation>kabel %1 na %2</translation>
    </message>
    <message>
        <source>USB serial adapter on %1</source>
        <translation>adapter USB-szeregowy na %1</translation>
    </message>
    <message>
        <source>USB serial adapter (%1) on %2</source>
        <translation>adapter USB-szeregowy (%1) na %2</translation>
    </message>
    <message>
        <source>Bluetooth serial port on %1</source>
        <translation>port szeregowy Bluetooth na %1</translation>
    </message>
    <message>
        <source>%1 (built-in serial port)</source>
        <translation>%1 (wbudowany port szeregowy)</translation>
    </message>
    <message>
        <source>Problem: %1</source>
        <translation>Problem: %1</translation>
    </message>
    <message>
        <source>Warning: %1</source>
        <translation>Ostrzeżenie: %1</translation>
    </message>
    <message>
        <source>Fix: %1</source>
        <translation>Rozwiązanie: %1</translation>
    </message>
    <message>
        <source>%1: can be used</source>
        <translation>%1: można używać</translation>
    </message>
    <message>
        <source>%1: cannot be used</source>
        <translation>%1: nie można używać</translation>
    </message>
    <message>
        <source>%1: add your user to the dialout group and log in again</source>
        <translation>%1: dodaj swojego użytkownika do grupy dialout i zaloguj się ponownie</translation>
    </message>
    <message>
        <source>in use by another program</source>
        <translation>używany przez inny program</translation>
    </message>
    <message>
        <source>no port is chosen: choose one under Setting &gt; Port</source>
        <translation>nie wybrano portu: wybierz go w Ustawienia &gt; Port</translation>
    </message>
    <message>
        <source>not a serial port</source>
        <translation>to nie jest port szeregowy</translation>
    </message>
    <message>
        <source>the radio holds other values for %1 and %2 more.</source>
        <translation>radiotelefon ma inne wartości dla: %1 i jeszcze %2.</translation>
    </message>
    <message>
        <source>the radio holds other values for %1.</source>
        <translation>radiotelefon ma inne wartości dla: %1.</translation>
    </message>
    <message>
        <source>there is no home folder to keep it in</source>
        <translation>brak folderu domowego, w którym można by go zachować</translation>
    </message>
    <message>
        <source>cannot make the folder &quot;%1&quot;: %2</source>
        <translation>nie można utworzyć folderu &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>cannot write &quot;%1&quot;: %2</source>
        <translation>nie można zapisać &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>too many traces within the same second</source>
        <translation>zbyt wiele logów w ciągu tej samej sekundy</translation>
    </message>
    <message>
        <source>the transfer broke off at address %1</source>
        <translation>transmisja przerwała się pod adresem %1</translation>
    </message>
    <message>
        <source>Cound not open the port.</source>
        <translation>Nie można otworzyć portu.</translation>
    </message>
    <message>
        <source>Cound not open the port</source>
        <translation>Nie można otworzyć portu</translation>
    </message>
    <message>
        <source>Could ont open the port</source>
        <translation>Nie można otworzyć portu</translation>
    </message>
    <message>
        <source>Communication error</source>
        <translation>Błąd komunikacji</translation>
    </message>
    <message>
        <source>Read successfully</source>
        <translation>Odczyt zakończony pomyślnie</translation>
    </message>
    <message>
        <source>Write successfully</source>
        <translation>Zapis zakończony pomyślnie</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Sukces</translation>
    </message>
    <message>
        <source>Verify failed</source>
        <translation>Weryfikacja nie powiodła się</translation>
    </message>
    <message>
        <source>Written and verified, except the 24-byte closing block, which the radio does not send back</source>
        <translation>Zapisano i zweryfikowano, z wyjątkiem 24-bajtowego bloku końcowego, którego radiotelefon nie odsyła</translation>
    </message>
    <message>
        <source>Write again before using the radio.</source>
        <translation>Przed użyciem radiotelefonu zapisz go ponownie.</translation>
    </message>
    <message>
        <source>The write was completed; the read-back broke off while verifying.</source>
        <translation>Zapis został ukończony; ponowny odczyt przerwał się podczas weryfikacji.</translation>
    </message>
    <message>
        <source>The write was completed; checking it was stopped before the end.</source>
        <translation>Zapis został ukończony; jego sprawdzanie zatrzymano przed końcem.</translation>
    </message>
    <message>
        <source>no answer from the radio: is it switched on and the cable plugged in?</source>
        <translation>brak odpowiedzi z radiotelefonu: czy jest włączony, a kabel podłączony?</translation>
    </message>
    <message>
        <source>the radio did not answer the wake-up with &apos;A&apos;</source>
        <translation>radiotelefon nie odpowiedział na wybudzenie znakiem &apos;A&apos;</translation>
    </message>
    <message>
        <source>the radio&apos;s identity block was cut short</source>
        <translation>blok identyfikacyjny radiotelefonu został obcięty</translation>
    </message>
    <message>
        <source>the radio did not confirm the opening exchange</source>
        <translation>radiotelefon nie potwierdził wymiany otwierającej</translation>
    </message>
    <message>
        <source>The radio may now hold a partly written configuration: write it again before using it.</source>
        <translation>Radiotelefon może teraz zawierać częściowo zapisaną konfigurację: przed użyciem zapisz go ponownie.</translation>
    </message>
    <message>
        <source>The wire trace was not kept: %1</source>
        <translation>Nie zachowano logu komunikacji: %1</translation>
    </message>
    <message>
        <source>The wire trace was not written: %1</source>
        <translation>Nie zapisano logu komunikacji: %1</translation>
    </message>
    <message>
        <source>Wire trace: %1</source>
        <translation>Log komunikacji: %1</translation>
    </message>
    <message>
        <source>cannot open a pseudo-terminal</source>
        <translation>nie można otworzyć pseudoterminala</translation>
    </message>
    <message>
        <source>cannot set up the pseudo-terminal</source>
        <translation>nie można skonfigurować pseudoterminala</translation>
    </message>
    <message>
        <source>cannot open %1</source>
        <translation>nie można otworzyć %1</translation>
    </message>
    <message>
        <source>cannot watch %1</source>
        <translation>nie można obserwować %1</translation>
    </message>
    <message>
        <source>cannot create a pipe</source>
        <translation>nie można utworzyć potoku</translation>
    </message>
</context>
<context>
    <name>reference</name>
    <message>
        <source>%1, rows 1 to %2</source>
        <translation>%1, wiersze od 1 do %2</translation>
    </message>
    <message>
        <source>%1 %2 to %3</source>
        <translation>%1 %2 do %3</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 do %2</translation>
    </message>
    <message>
        <source>not shown</source>
        <translation>niewidoczne</translation>
    </message>
    <message>
        <source>(factory)</source>
        <translation>(fabryczne)</translation>
    </message>
    <message>
        <source>Settings reference</source>
        <translation>Opis ustawień</translation>
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
        <translation>&lt;p&gt;Wszystkie ustawienia okna głównego i okien dialogowych wraz z ich działaniem w radiotelefonie,
pogrupowane według okien i stron. Nazwy zapisane jako &lt;code&gt;kod&lt;/code&gt; to klucze, których używają
&lt;code&gt;dpmrtool get&lt;/code&gt; i &lt;code&gt;dpmrtool set&lt;/code&gt; oraz codeplug YAML
(&lt;code&gt;channelN&lt;/code&gt; oznacza klucze od &lt;code&gt;channel1&lt;/code&gt; do &lt;code&gt;channel16&lt;/code&gt;).
Ustawienie oznaczone jako &lt;i&gt;niewidoczne&lt;/i&gt; nie ma kontrolki w swoim oknie: program zachowuje
je tak, jak zapisał je radiotelefon. &lt;i&gt;(fabryczne)&lt;/i&gt; oznacza okna fabrycznej
regulacji i kalibracji radiotelefonu.&lt;/p&gt;
</translation>
    </message>
</context>
<context>
    <name>report</name>
    <message>
        <source>version and build, OS, kernel, Qt</source>
        <translation>wersja i kompilacja, system operacyjny, jądro, Qt</translation>
    </message>
    <message>
        <source>the connection doctor&apos;s findings for every port</source>
        <translation>wyniki diagnostyki połączenia dla każdego portu</translation>
    </message>
    <message>
        <source>the settings file %1</source>
        <translation>plik ustawień %1</translation>
    </message>
    <message>
        <source>the list of backups (names only, not the files)</source>
        <translation>lista kopii zapasowych (tylko nazwy, bez plików)</translation>
    </message>
    <message>
        <source>a wire trace of a transfer, the radio&apos;s identity blanked</source>
        <translation>log komunikacji z transmisji, z usuniętą tożsamością radiotelefonu</translation>
    </message>
    <message>
        <source>the open configuration, its radio ID, name, contacts and codes replaced</source>
        <translation>otwarta konfiguracja z zastąpionymi ID radiotelefonu, nazwą, kontaktami i kodami</translation>
    </message>
    <message>
        <source>%1 (%2 bytes): %3</source>
        <translation>%1 (%2 B): %3</translation>
    </message>
</context>
<context>
    <name>service</name>
    <message>
        <source>The band has %1 points; the radio keeps %2 squelch values, so only %3 to %4 MHz are shown.</source>
        <translation>Pasmo ma punktów: %1; radiotelefon przechowuje wartości blokady szumów: %2, więc pokazano tylko zakres od %3 do %4 MHz.</translation>
    </message>
</context>
<context>
    <name>util</name>
    <message>
        <source>line %1: %2</source>
        <translation>wiersz %1: %2</translation>
    </message>
    <message>
        <source>line %1, column %2: the byte %3 is not UTF-8 text: save the file as UTF-8</source>
        <translation>wiersz %1, kolumna %2: bajt %3 nie jest tekstem UTF-8: zapisz plik w kodowaniu UTF-8</translation>
    </message>
    <message>
        <source>a quoted field is not closed</source>
        <translation>pole w cudzysłowie nie jest zamknięte</translation>
    </message>
    <message>
        <source>text after the closing quote of a field</source>
        <translation>tekst po cudzysłowie zamykającym pole</translation>
    </message>
    <message>
        <source>a quote inside a field that does not start with one</source>
        <translation>cudzysłów wewnątrz pola, które nie zaczyna się od cudzysłowu</translation>
    </message>
    <message>
        <source>the first line must be %1</source>
        <translation>pierwszy wiersz musi mieć postać %1</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2.</source>
        <translation>Nie można otworzyć &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: it is a folder.</source>
        <translation>Nie można otworzyć &quot;%1&quot;: to jest folder.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: it is not a regular file.</source>
        <translation>Nie można otworzyć &quot;%1&quot;: to nie jest zwykły plik.</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2.</source>
        <translation>Nie można odczytać &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Cannot save &quot;%1&quot;: %2</source>
        <translation>Nie można zapisać &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Cannot save: no file name given.</source>
        <translation>Nie można zapisać: nie podano nazwy pliku.</translation>
    </message>
    <message>
        <source>it is a folder.</source>
        <translation>to jest folder.</translation>
    </message>
    <message>
        <source>it is not a regular file (a device or a pipe).</source>
        <translation>to nie jest zwykły plik (urządzenie lub potok).</translation>
    </message>
    <message>
        <source>%1: line %2, column %3: larger than 1 MiB, no %4 file</source>
        <translation>%1: wiersz %2, kolumna %3: ponad 1 MiB, to nie jest plik %4</translation>
    </message>
</context>
</TS>
