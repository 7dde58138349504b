<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>Action</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nieuw</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>Een nieuw document maken</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nieuw</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Openen...</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>Een bestaand document openen</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Openen</translation>
    </message>
    <message>
        <source>Open &amp;Backup...</source>
        <translation>Back-&amp;up openen...</translation>
    </message>
    <message>
        <source>Open a copy kept by an earlier Read or Write</source>
        <translation>Een kopie openen die bij een eerdere keer lezen of schrijven is bewaard</translation>
    </message>
    <message>
        <source>Open Backup</source>
        <translation>Back-up openen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Op&amp;slaan</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>Het actieve document opslaan</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Opslaan a&amp;ls...</translation>
    </message>
    <message>
        <source>Save the active document with a new name</source>
        <translation>Het actieve document onder een nieuwe naam opslaan</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Opslaan als</translation>
    </message>
    <message>
        <source>Expor&amp;t...</source>
        <translation>&amp;Exporteren...</translation>
    </message>
    <message>
        <source>Write the whole configuration to a readable YAML file</source>
        <translation>De hele configuratie naar een leesbaar YAML-bestand schrijven</translation>
    </message>
    <message>
        <source>I&amp;mport...</source>
        <translation>I&amp;mporteren...</translation>
    </message>
    <message>
        <source>Open a YAML file written by Export as a new document</source>
        <translation>Een YAML-bestand dat met Exporteren is geschreven als nieuw document openen</translation>
    </message>
    <message>
        <source>Export &amp;Channels as CSV...</source>
        <translation>&amp;Kanalen exporteren als CSV...</translation>
    </message>
    <message>
        <source>Write the channels to a CSV file in CHIRP&apos;s format</source>
        <translation>De kanalen naar een CSV-bestand in het formaat van CHIRP schrijven</translation>
    </message>
    <message>
        <source>Import C&amp;hannels from CSV...</source>
        <translation>Kanalen importeren uit &amp;CSV...</translation>
    </message>
    <message>
        <source>Set channels from a CSV file in CHIRP&apos;s format</source>
        <translation>Kanalen instellen vanuit een CSV-bestand in het formaat van CHIRP</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>A&amp;fdrukken...</translation>
    </message>
    <message>
        <source>Print the active document</source>
        <translation>Het actieve document afdrukken</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Afdruk&amp;voorbeeld</translation>
    </message>
    <message>
        <source>Display full pages</source>
        <translation>Volledige pagina&apos;s weergeven</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Afdrukvoorbeeld</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Afdrukins&amp;tellingen...</translation>
    </message>
    <message>
        <source>Change the printer and printing options</source>
        <translation>De printer en de afdrukopties wijzigen</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Afdrukinstellingen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents</source>
        <translation>Het programma afsluiten; vraagt of documenten moeten worden opgeslagen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Ongedaan maken</translation>
    </message>
    <message>
        <source>Take back the last change</source>
        <translation>De laatste wijziging ongedaan maken</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Op&amp;nieuw</translation>
    </message>
    <message>
        <source>Make the change taken back last again</source>
        <translation>De laatst ongedaan gemaakte wijziging opnieuw uitvoeren</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiëren</translation>
    </message>
    <message>
        <source>Copy the selected channels</source>
        <translation>De geselecteerde kanalen kopiëren</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiëren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>P&amp;lakken</translation>
    </message>
    <message>
        <source>Paste channels from the current row down</source>
        <translation>Kanalen plakken vanaf de huidige rij naar beneden</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Plakken</translation>
    </message>
    <message>
        <source>Appl&amp;y to Selected Channels</source>
        <translation>Toepassen op &amp;geselecteerde kanalen</translation>
    </message>
    <message>
        <source>Set the current cell&apos;s tone, power, scan, bandwidth or channel type for every selected channel</source>
        <translation>De toon, het vermogen, de scan, de bandbreedte of het kanaaltype van de huidige cel instellen voor elk geselecteerd kanaal</translation>
    </message>
    <message>
        <source>Apply to Selected Channels</source>
        <translation>Toepassen op geselecteerde kanalen</translation>
    </message>
    <message>
        <source>&amp;Fill Channels...</source>
        <translation>Kanalen &amp;vullen...</translation>
    </message>
    <message>
        <source>Fill the selected channels, or all 16, with the PMR446 or dPMR446 channels</source>
        <translation>De geselecteerde kanalen, of alle 16, vullen met de PMR446- of dPMR446-kanalen</translation>
    </message>
    <message>
        <source>Fill Channels</source>
        <translation>Kanalen vullen</translation>
    </message>
    <message>
        <source>&amp;Scan Info</source>
        <translation>&amp;Scaninstellingen</translation>
    </message>
    <message>
        <source>Edit the scan settings</source>
        <translation>De scaninstellingen bewerken</translation>
    </message>
    <message>
        <source>&amp;Basic setting</source>
        <translation>Basisinst&amp;ellingen</translation>
    </message>
    <message>
        <source>Edit the basic settings</source>
        <translation>De basisinstellingen bewerken</translation>
    </message>
    <message>
        <source>&amp;Alarm</source>
        <translation>&amp;Alarm</translation>
    </message>
    <message>
        <source>Edit the alarm settings</source>
        <translation>De alarminstellingen bewerken</translation>
    </message>
    <message>
        <source>&amp;DTMF</source>
        <translation>D&amp;TMF</translation>
    </message>
    <message>
        <source>Edit the DTMF settings</source>
        <translation>De DTMF-instellingen bewerken</translation>
    </message>
    <message>
        <source>dP&amp;MR</source>
        <translation>dP&amp;MR</translation>
    </message>
    <message>
        <source>Edit the dPMR parameters</source>
        <translation>De dPMR-parameters bewerken</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>&amp;Lezen</translation>
    </message>
    <message>
        <source>Read Data From Radio</source>
        <translation>Gegevens uit de radio lezen</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lezen</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>&amp;Schrijven</translation>
    </message>
    <message>
        <source>Write Data to Radio </source>
        <translation>Gegevens naar de radio schrijven</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Schrijven</translation>
    </message>
    <message>
        <source>Write to &amp;Several Radios...</source>
        <translation>Naar &amp;meerdere radio&apos;s schrijven...</translation>
    </message>
    <message>
        <source>Write this configuration to several radios at once, each with its own ID</source>
        <translation>Deze configuratie tegelijk naar meerdere radio&apos;s schrijven, elk met een eigen ID</translation>
    </message>
    <message>
        <source>Write to Several Radios</source>
        <translation>Naar meerdere radio&apos;s schrijven</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>We&amp;rkbalk</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>De werkbalk tonen of verbergen</translation>
    </message>
    <message>
        <source>Toggle ToolBar</source>
        <translation>Werkbalk aan/uit</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Statusbalk</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>De statusbalk tonen of verbergen</translation>
    </message>
    <message>
        <source>Toggle StatusBar</source>
        <translation>Statusbalk aan/uit</translation>
    </message>
    <message>
        <source>&amp;Port</source>
        <translation>P&amp;oort</translation>
    </message>
    <message>
        <source>Choose the serial port of the radio</source>
        <translation>De seriële poort van de radio kiezen</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Poort</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Gebruikershandleiding</translation>
    </message>
    <message>
        <source>Open the guide to a first Read, editing, Save and Write</source>
        <translation>De handleiding openen voor een eerste keer lezen, bewerken, opslaan en schrijven</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Gebruikershandleiding</translation>
    </message>
    <message>
        <source>&amp;Report a Problem...</source>
        <translation>Probleem &amp;melden...</translation>
    </message>
    <message>
        <source>Gather what is needed to look into a problem into one file to attach; nothing is sent</source>
        <translation>Alles wat nodig is om een probleem te onderzoeken in één bestand verzamelen om bij te voegen; er wordt niets verzonden</translation>
    </message>
    <message>
        <source>Report a Problem</source>
        <translation>Probleem melden</translation>
    </message>
    <message>
        <source>&amp;About ...</source>
        <translation>&amp;Over...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Programma-informatie, versienummer en copyright weergeven</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Be&amp;werken</translation>
    </message>
    <message>
        <source>&amp;Program</source>
        <translation>&amp;Programmeren</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Beel&amp;d</translation>
    </message>
    <message>
        <source>&amp;Setting</source>
        <translation>&amp;Instellingen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>Home page:</source>
        <translation>Website:</translation>
    </message>
    <message>
        <source>Report a problem:</source>
        <translation>Probleem melden:</translation>
    </message>
</context>
<context>
    <name>CChannelClipboard</name>
    <message>
        <source>Copied channel %1</source>
        <translation>Kanaal %1 gekopieerd</translation>
    </message>
    <message>
        <source>Copied channels %1-%2</source>
        <translation>Kanalen %1-%2 gekopieerd</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Plakken</translation>
    </message>
    <message>
        <source>Nothing pasted</source>
        <translation>Niets geplakt</translation>
    </message>
    <message>
        <source>Pasted channel %1</source>
        <translation>Kanaal %1 geplakt</translation>
    </message>
    <message>
        <source>Pasted channels %1-%2</source>
        <translation>Kanalen %1-%2 geplakt</translation>
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
        <translation>CSV-bestanden (*.csv);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>Export Channels as CSV</source>
        <translation>Kanalen exporteren als CSV</translation>
    </message>
    <message>
        <source>Import Channels from CSV</source>
        <translation>Kanalen importeren uit CSV</translation>
    </message>
    <message>
        <source>Exported the channels to %1</source>
        <translation>De kanalen zijn geëxporteerd naar %1</translation>
    </message>
    <message>
        <source>Cannot import %1.</source>
        <translation>Kan %1 niet importeren.</translation>
    </message>
    <message>
        <source>No channel was changed.</source>
        <translation>Er is geen kanaal gewijzigd.</translation>
    </message>
    <message>
        <source>Imported 1 channel from %1</source>
        <translation>1 kanaal geïmporteerd uit %1</translation>
    </message>
    <message>
        <source>Imported %1 channels from %2</source>
        <translation>%1 kanalen geïmporteerd uit %2</translation>
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
        <translation>Rx- en Tx-kleurcode, Tx-contact en Rx-groepslijst die op kanaal %1 worden gewijzigd, gaan ook naar %2.</translation>
    </message>
    <message>
        <source>Channel edit</source>
        <translation>Kanaal bewerken</translation>
    </message>
    <message>
        <source>Channel edit.</source>
        <translation>Kanaal bewerken.</translation>
    </message>
</context>
<context>
    <name>CChannelEditDlg</name>
    <message>
        <source>Next channel</source>
        <translation>Volgend kanaal</translation>
    </message>
    <message>
        <source>Previous channel</source>
        <translation>Vorig kanaal</translation>
    </message>
    <message>
        <source>Analog</source>
        <translation>Analoog</translation>
    </message>
    <message>
        <source>Digit</source>
        <translation>Digitaal</translation>
    </message>
    <message>
        <source>Call 1</source>
        <translation>Oproep 1</translation>
    </message>
    <message>
        <source>Call 2</source>
        <translation>Oproep 2</translation>
    </message>
</context>
<context>
    <name>CCodeplugCommands</name>
    <message>
        <source>Codeplug (*.yaml *.yml);;All Files (*)</source>
        <translation>Codeplug (*.yaml *.yml);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporteren</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importeren</translation>
    </message>
    <message>
        <source>Exported %1</source>
        <translation>%1 geëxporteerd</translation>
    </message>
    <message>
        <source>Cannot import %1:
%2</source>
        <translation>Kan %1 niet importeren:
%2</translation>
    </message>
    <message>
        <source>Imported %1</source>
        <translation>%1 geïmporteerd</translation>
    </message>
    <message>
        <source>Imported %1: %2 value(s) stored other than written.</source>
        <translation>%1 geïmporteerd: %2 waarde(n) anders opgeslagen dan geschreven.</translation>
    </message>
</context>
<context>
    <name>CContactPage</name>
    <message>
        <source>Contacts</source>
        <translation>Contacten</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Toevoegen</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Invoegen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Verwijderen</translation>
    </message>
</context>
<context>
    <name>CDocumentController</name>
    <message>
        <source>*.dat (*.dat);;All Files (*)</source>
        <translation>*.dat (*.dat);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>Untitled (read from the radio)</source>
        <translation>Naamloos (gelezen uit de radio)</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lezen</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Opnieuw laden</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>%1 geopend</translation>
    </message>
    <message>
        <source>Opened %1.%2</source>
        <translation>%1 geopend.%2</translation>
    </message>
    <message>
        <source>Opened the backup %1; Save asks for a new name</source>
        <translation>Back-up %1 geopend; Opslaan vraagt om een nieuwe naam</translation>
    </message>
    <message>
        <source>%1 no longer exists; it was removed from the recent files.</source>
        <translation>%1 bestaat niet meer; het is uit de recente bestanden verwijderd.</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 opgeslagen</translation>
    </message>
    <message>
        <source>Saved %1.%2</source>
        <translation>%1 opgeslagen.%2</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bewerken</translation>
    </message>
    <message>
        <source>Reloaded %1</source>
        <translation>%1 opnieuw geladen</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Opslaan als</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Openen</translation>
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
        <translation>DTMF-codes</translation>
    </message>
</context>
<context>
    <name>CFillChannelsDlg</name>
    <message>
        <source>Fill Channels</source>
        <translation>Kanalen vullen</translation>
    </message>
    <message>
        <source>&amp;All 16 channels</source>
        <translation>&amp;Alle 16 kanalen</translation>
    </message>
    <message>
        <source>%1 (%2 channels, %3 kHz apart)</source>
        <translation>%1 (%2 kanalen, %3 kHz tussenruimte)</translation>
    </message>
    <message>
        <source>&amp;Selected %1</source>
        <translation>&amp;Geselecteerde %1</translation>
    </message>
    <message>
        <source>&amp;Selected channels (select two or more first)</source>
        <translation>&amp;Geselecteerde kanalen (selecteer er eerst twee of meer)</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Geen</translation>
    </message>
    <message>
        <source>The same on every channel</source>
        <translation>Dezelfde op elk kanaal</translation>
    </message>
    <message>
        <source>One per channel, rising</source>
        <translation>Eén per kanaal, oplopend</translation>
    </message>
    <message>
        <source>To&amp;ne:</source>
        <translation>Too&amp;n:</translation>
    </message>
    <message>
        <source>&amp;Plan:</source>
        <translation>&amp;Plan:</translation>
    </message>
    <message>
        <source>&amp;First plan channel:</source>
        <translation>&amp;Eerste kanaal van het plan:</translation>
    </message>
    <message>
        <source>Fill:</source>
        <translation>Vullen:</translation>
    </message>
    <message>
        <source>CTCSS &amp;tones:</source>
        <translation>CTCSS-&amp;tonen:</translation>
    </message>
    <message>
        <source>%1 to %2 MHz</source>
        <translation>%1 t/m %2 MHz</translation>
    </message>
    <message>
        <source>%1 will stay unchanged: %2 ends at channel %3</source>
        <translation>Ongewijzigd: %1 (%2 eindigt bij kanaal %3)</translation>
    </message>
</context>
<context>
    <name>CFleetIdentityBox</name>
    <message>
        <source>Each radio</source>
        <translation>Elke radio</translation>
    </message>
    <message>
        <source>e.g. 1000001</source>
        <translation>bijv. 1000001</translation>
    </message>
    <message>
        <source>Unit {n}, or {id:4} for the ID&apos;s last 4 digits</source>
        <translation>Radio {n}, of {id:4} voor de laatste 4 cijfers van de ID</translation>
    </message>
    <message>
        <source>{n}: the radio&apos;s number in the list of ticked ports; {id}: its 7-digit ID; {id:4}: the ID&apos;s last 4 digits. Cut to the radio&apos;s 8 characters.</source>
        <translation>{n}: het nummer van de radio in de lijst van aangevinkte poorten; {id}: zijn 7-cijferige ID; {id:4}: de laatste 4 cijfers van de ID. Ingekort tot de 8 tekens van de radio.</translation>
    </message>
    <message>
        <source>Keep each radio&apos;s identity</source>
        <translation>Identiteit van elke radio behouden</translation>
    </message>
    <message>
        <source>Read each radio first and write the new configuration with its own ID and name</source>
        <translation>Elke radio eerst lezen en de nieuwe configuratie schrijven met zijn eigen ID en naam</translation>
    </message>
    <message>
        <source>Verify after writing</source>
        <translation>Na schrijven controleren</translation>
    </message>
    <message>
        <source>Copy this file&apos;s squelch calibration to every radio</source>
        <translation>Squelchkalibratie van dit bestand naar elke radio kopiëren</translation>
    </message>
    <message>
        <source>Off: each radio keeps the squelch calibration the factory set for it (read first, written back unchanged)</source>
        <translation>Uit: elke radio behoudt de squelchkalibratie die de fabriek ervoor heeft ingesteld (eerst gelezen, ongewijzigd teruggeschreven)</translation>
    </message>
    <message>
        <source>One cable: the list&apos;s radios one after another on one port</source>
        <translation>Eén kabel: de radio&apos;s van de lijst na elkaar via één poort</translation>
    </message>
    <message>
        <source>Tick the one port; each radio of the imported list is written in turn, and the dialog asks for the next radio (Space or Enter)</source>
        <translation>Vink die ene poort aan; elke radio van de geïmporteerde lijst wordt om de beurt geschreven, en het dialoogvenster vraagt om de volgende radio (spatiebalk of Enter)</translation>
    </message>
    <message>
        <source>First radio ID:</source>
        <translation>Eerste radio-ID:</translation>
    </message>
    <message>
        <source>ID step:</source>
        <translation>ID-stap:</translation>
    </message>
    <message>
        <source>Name pattern:</source>
        <translation>Naampatroon:</translation>
    </message>
</context>
<context>
    <name>CFleetPortTable</name>
    <message>
        <source>Radios</source>
        <translation>Radio&apos;s</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Poort</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschrijving</translation>
    </message>
    <message>
        <source>Radio ID</source>
        <translation>Radio-ID</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Voortgang</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>unplugged</source>
        <translation>losgekoppeld</translation>
    </message>
</context>
<context>
    <name>CFleetSummaryTable</name>
    <message>
        <source>Results</source>
        <translation>Resultaten</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Poort</translation>
    </message>
    <message>
        <source>Radio ID</source>
        <translation>Radio-ID</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultaat</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Controle</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Seconden</translation>
    </message>
</context>
<context>
    <name>CFleetWriteDlg</name>
    <message>
        <source>Write to Several Radios</source>
        <translation>Naar meerdere radio&apos;s schrijven</translation>
    </message>
    <message>
        <source>Radios (one per port, all written at the same time), each with its ID and name:</source>
        <translation>Radio&apos;s (één per poort, alle tegelijk geschreven), elk met een eigen ID en naam:</translation>
    </message>
    <message>
        <source>/dev/ttyUSB1 or a virtual radio&apos;s /dev/pts/N</source>
        <translation>/dev/ttyUSB1 of /dev/pts/N van een virtuele radio</translation>
    </message>
    <message>
        <source>Port to add</source>
        <translation>Toe te voegen poort</translation>
    </message>
    <message>
        <source>Add Port</source>
        <translation>Poort toevoegen</translation>
    </message>
    <message>
        <source>Import list...</source>
        <translation>Lijst importeren...</translation>
    </message>
    <message>
        <source>The customer&apos;s list: one row a radio with its name, dPMR ID and, optionally, its port; from a CSV file, or the rows copied in a spreadsheet</source>
        <translation>De lijst van de klant: één rij per radio met zijn naam, dPMR-ID en eventueel zijn poort; uit een CSV-bestand, of de rijen gekopieerd uit een spreadsheet</translation>
    </message>
    <message>
        <source>From a CSV File...</source>
        <translation>Uit een CSV-bestand...</translation>
    </message>
    <message>
        <source>Paste from the Clipboard</source>
        <translation>Plakken van het klembord</translation>
    </message>
    <message>
        <source>Session log</source>
        <translation>Sessielog</translation>
    </message>
    <message>
        <source>Every run and retry of this session is logged here.</source>
        <translation>Elke uitvoering en herhaling van deze sessie wordt hier vastgelegd.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Next Radio</source>
        <translation>Volgende radio</translation>
    </message>
    <message>
        <source>Retry Failed</source>
        <translation>Mislukte herhalen</translation>
    </message>
    <message>
        <source>Save Report...</source>
        <translation>Rapport opslaan...</translation>
    </message>
    <message>
        <source>Print Report...</source>
        <translation>Rapport afdrukken...</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>added by hand</source>
        <translation>handmatig toegevoegd</translation>
    </message>
    <message>
        <source>%1 takes line %2 of the list</source>
        <translation>%1 neemt regel %2 van de lijst</translation>
    </message>
    <message>
        <source>The list was not taken from %1: %2.</source>
        <translation>De lijst is niet overgenomen uit %1: %2.</translation>
    </message>
    <message>
        <source>named in the list</source>
        <translation>genoemd in de lijst</translation>
    </message>
    <message>
        <source>%1 radios from %2.</source>
        <translation>%1 radio&apos;s uit %2.</translation>
    </message>
    <message>
        <source>
No port for %1 yet: plug in another cable, or write them with &quot;One cable&quot;.</source>
        <translation>
Nog geen poort voor %1: sluit nog een kabel aan, of schrijf ze met &quot;Eén kabel&quot;.</translation>
    </message>
    <message>
        <source>Imported %1 rows from %2</source>
        <translation>%1 rijen geïmporteerd uit %2</translation>
    </message>
    <message>
        <source>Import List</source>
        <translation>Lijst importeren</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;Text files (*.txt);;All Files (*)</source>
        <translation>CSV-bestanden (*.csv);;Tekstbestanden (*.txt);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>The list was not read: %1.</source>
        <translation>De lijst is niet gelezen: %1.</translation>
    </message>
    <message>
        <source>the clipboard</source>
        <translation>het klembord</translation>
    </message>
    <message>
        <source>Nothing was sent: %1.</source>
        <translation>Er is niets verzonden: %1.</translation>
    </message>
    <message>
        <source>Nothing was sent: %1 of the list have no radio: plug in another cable or tick another port.</source>
        <translation>Er is niets verzonden: er is geen radio voor %1 van de lijst: sluit nog een kabel aan of vink een andere poort aan.</translation>
    </message>
    <message>
        <source>Nothing was sent:
%1</source>
        <translation>Er is niets verzonden:
%1</translation>
    </message>
    <message>
        <source>Write the radios all the same?</source>
        <translation>De radio&apos;s toch schrijven?</translation>
    </message>
    <message>
        <source>Nothing was sent.</source>
        <translation>Er is niets verzonden.</translation>
    </message>
    <message>
        <source>The backups could not be looked through for IDs given before.</source>
        <translation>De back-ups konden niet worden doorzocht op eerder uitgegeven ID&apos;s.</translation>
    </message>
    <message>
        <source>Tick the ports of the radios to write.</source>
        <translation>Vink de poorten aan van de radio&apos;s die u wilt schrijven.</translation>
    </message>
    <message>
        <source>Every radio keeps the file&apos;s name &quot;%1&quot;.</source>
        <translation>Elke radio behoudt de naam &quot;%1&quot; uit het bestand.</translation>
    </message>
    <message>
        <source>Start: %1 radio(s), verify</source>
        <translation>Start: %1 radio(&apos;s), met controle</translation>
    </message>
    <message>
        <source>Start: %1 radio(s)</source>
        <translation>Start: %1 radio(&apos;s)</translation>
    </message>
    <message>
        <source>One cable: tick the one port the radios are put on.</source>
        <translation>Eén kabel: vink de ene poort aan waarop de radio&apos;s worden aangesloten.</translation>
    </message>
    <message>
        <source>One cable: import the list of radios first (&quot;Import list...&quot;).</source>
        <translation>Eén kabel: importeer eerst de lijst met radio&apos;s (&quot;Lijst importeren...&quot;).</translation>
    </message>
    <message>
        <source>One cable on %1: %2 radios</source>
        <translation>Eén kabel op %1: %2 radio&apos;s</translation>
    </message>
    <message>
        <source>Radio %1 got %2 &quot;%3&quot;: %4.
</source>
        <translation>Radio %1 kreeg %2 &quot;%3&quot;: %4.
</translation>
    </message>
    <message>
        <source>The list is done: %1 of %2 radios written.</source>
        <translation>De lijst is klaar: %1 van %2 radio&apos;s geschreven.</translation>
    </message>
    <message>
        <source>Next: put radio %1 of %2 on the cable (ID %3, &quot;%4&quot;) and press Space or Enter.</source>
        <translation>Volgende: sluit radio %1 van %2 aan op de kabel (ID %3, &quot;%4&quot;) en druk op de spatiebalk of Enter.</translation>
    </message>
    <message>
        <source>Again: put radio %1 of %2 on the cable (ID %3, &quot;%4&quot;) and press Space or Enter.</source>
        <translation>Opnieuw: sluit radio %1 van %2 aan op de kabel (ID %3, &quot;%4&quot;) en druk op de spatiebalk of Enter.</translation>
    </message>
    <message>
        <source>Radio %1 of %2 on the cable</source>
        <translation>Radio %1 van %2 op de kabel</translation>
    </message>
    <message>
        <source>Retry: %1 radio(s)</source>
        <translation>Herhalen: %1 radio(&apos;s)</translation>
    </message>
    <message>
        <source>%1: %2 &quot;%3&quot;: %4</source>
        <translation>%1: %2 &quot;%3&quot;: %4</translation>
    </message>
    <message>
        <source>%1: %2 &quot;%3&quot;: %4, verify %5</source>
        <translation>%1: %2 &quot;%3&quot;: %4, controle %5</translation>
    </message>
    <message>
        <source>May hold a partly written configuration: %1</source>
        <translation>Kan een gedeeltelijk geschreven configuratie bevatten: %1</translation>
    </message>
    <message>
        <source>%1 of %2 radios written.</source>
        <translation>%1 van %2 radio&apos;s geschreven.</translation>
    </message>
    <message>
        <source>These radios may now hold a partly written configuration: write them again before using them: %1</source>
        <translation>Deze radio&apos;s kunnen nu een gedeeltelijk geschreven configuratie bevatten: schrijf ze opnieuw voordat u ze gebruikt: %1</translation>
    </message>
    <message>
        <source>
Stopped before the end of the list.</source>
        <translation>
Gestopt vóór het einde van de lijst.</translation>
    </message>
    <message>
        <source>One cable: stopped before the end of the list</source>
        <translation>Eén kabel: gestopt vóór het einde van de lijst</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Rapport opslaan</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All Files (*)</source>
        <translation>CSV-bestanden (*.csv);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>The report was not saved.
%1</source>
        <translation>Het rapport is niet opgeslagen.
%1</translation>
    </message>
    <message>
        <source>
Report saved to %1</source>
        <translation>
Rapport opgeslagen in %1</translation>
    </message>
    <message>
        <source>Report saved to %1</source>
        <translation>Rapport opgeslagen in %1</translation>
    </message>
    <message>
        <source>Radios are being written. Stop every transfer and close?</source>
        <translation>Er worden radio&apos;s geschreven. Elke overdracht stoppen en sluiten?</translation>
    </message>
    <message>
        <source>A radio stopped in the middle of its write holds a partly written configuration and is to be written again.</source>
        <translation>Een radio die midden in het schrijven is gestopt, bevat een gedeeltelijk geschreven configuratie en moet opnieuw worden geschreven.</translation>
    </message>
    <message>
        <source>Closed during the transfer: every radio stopped</source>
        <translation>Gesloten tijdens de overdracht: elke radio is gestopt</translation>
    </message>
</context>
<context>
    <name>CGroupRxListPage</name>
    <message>
        <source>Add &gt;&gt;</source>
        <translation>Toevoegen &gt;&gt;</translation>
    </message>
    <message>
        <source>Del &lt;&lt;</source>
        <translation>Verwijderen &lt;&lt;</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Omhoog</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Omlaag</translation>
    </message>
    <message>
        <source>Unallocated:</source>
        <translation>Niet toegewezen:</translation>
    </message>
    <message>
        <source>Allocated:</source>
        <translation>Toegewezen:</translation>
    </message>
    <message>
        <source>Group rx lists</source>
        <translation>Rx-groepslijsten</translation>
    </message>
</context>
<context>
    <name>CLanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Taal</translation>
    </message>
    <message>
        <source>The &amp;Desktop&apos;s Language</source>
        <translation>Taal van het &amp;bureaublad</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Taal</translation>
    </message>
    <message>
        <source>The choice of language could not be kept in %1.</source>
        <translation>De taalkeuze kon niet worden bewaard in %1.</translation>
    </message>
    <message>
        <source>The language changes the next time dpmrcps starts.</source>
        <translation>De taal verandert wanneer dpmrcps de volgende keer start.</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Standard</source>
        <translation>Standaard</translation>
    </message>
    <message>
        <source>Recent &amp;Files</source>
        <translation>&amp;Recente bestanden</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Gereed</translation>
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
        <translation>&amp;Ongedaan maken</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Ongedaan maken: %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Op&amp;nieuw</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>Op&amp;nieuw: %1</translation>
    </message>
</context>
<context>
    <name>CPortSettingDlg</name>
    <message>
        <source>Virtual radio (demo)</source>
        <translation>Virtuele radio (demo)</translation>
    </message>
    <message>
        <source>Port setting</source>
        <translation>Poortinstelling</translation>
    </message>
    <message>
        <source>&amp;Check the connection</source>
        <translation>&amp;Verbinding controleren</translation>
    </message>
    <message>
        <source>Look for what keeps the program from the radio on this port, and how to fix it</source>
        <translation>Zoeken wat het programma op deze poort van de radio afhoudt, en hoe u dat verhelpt</translation>
    </message>
    <message>
        <source>&amp;Device:</source>
        <translation>&amp;Apparaat:</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Poort</translation>
    </message>
    <message>
        <source>%1  (%2)</source>
        <translation>%1  (%2)</translation>
    </message>
    <message>
        <source>%1  (cannot be started)</source>
        <translation>%1  (kan niet worden gestart)</translation>
    </message>
    <message>
        <source>Unplugged: %1</source>
        <translation>Losgekoppeld: %1</translation>
    </message>
    <message>
        <source>Plugged in: %1
</source>
        <translation>Aangesloten: %1
</translation>
    </message>
    <message>
        <source>Choose a port, or type its device path.</source>
        <translation>Kies een poort, of typ het apparaatpad ervan.</translation>
    </message>
</context>
<context>
    <name>CProgramView</name>
    <message>
        <source>Freq range</source>
        <translation>Frequentiebereik</translation>
    </message>
    <message>
        <source>Channel edit</source>
        <translation>Kanaal bewerken</translation>
    </message>
    <message>
        <source>Factroy</source>
        <translation>Fabriek</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanalen</translation>
    </message>
    <message>
        <source>Fill Channels</source>
        <translation>Kanalen vullen</translation>
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
        <translation>Gegevens lezen</translation>
    </message>
    <message>
        <source>Write data</source>
        <translation>Gegevens schrijven</translation>
    </message>
    <message>
        <source>Connect the radio, switch it on, then press Start.</source>
        <translation>Sluit de radio aan, zet hem aan en druk dan op Starten.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Check the connection</source>
        <translation>Verbinding controleren</translation>
    </message>
    <message>
        <source>Verify after writing</source>
        <translation>Na schrijven controleren</translation>
    </message>
    <message>
        <source>Keep the radio&apos;s squelch calibration</source>
        <translation>Squelchkalibratie van de radio behouden</translation>
    </message>
    <message>
        <source>Read the radio&apos;s own squelch calibration first and write it back unchanged, instead of the one in this file (set at the factory for the radio it came from)</source>
        <translation>Eerst de eigen squelchkalibratie van de radio lezen en die ongewijzigd terugschrijven, in plaats van die in dit bestand (in de fabriek ingesteld voor de radio waar het vandaan komt)</translation>
    </message>
    <message>
        <source>Connecting to the radio...</source>
        <translation>Verbinding maken met de radio...</translation>
    </message>
    <message>
        <source>Ending the session...</source>
        <translation>De sessie wordt beëindigd...</translation>
    </message>
    <message>
        <source>Verifying block 0x%1...</source>
        <translation>Blok 0x%1 controleren...</translation>
    </message>
    <message>
        <source>Writing block 0x%1...</source>
        <translation>Blok 0x%1 schrijven...</translation>
    </message>
    <message>
        <source>Reading block 0x%1...</source>
        <translation>Blok 0x%1 lezen...</translation>
    </message>
    <message>
        <source>Written. Reading the radio back to verify...</source>
        <translation>Geschreven. De radio wordt teruggelezen ter controle...</translation>
    </message>
    <message>
        <source>Read from the radio</source>
        <translation>Gelezen uit de radio</translation>
    </message>
    <message>
        <source>Written</source>
        <translation>Geschreven</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Gestopt.</translation>
    </message>
    <message>
        <source>Stopped: the document is as it was.</source>
        <translation>Gestopt: het document is zoals het was.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
</context>
<context>
    <name>CRadioCommands</name>
    <message>
        <source>Read from the radio</source>
        <translation>Gelezen uit de radio</translation>
    </message>
    <message>
        <source>Read from the radio. %1</source>
        <translation>Gelezen uit de radio. %1</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... en nog %1</translation>
    </message>
    <message>
        <source>Write anyway?</source>
        <translation>Toch schrijven?</translation>
    </message>
    <message>
        <source>The radio cannot use this configuration as it stands:

%1</source>
        <translation>De radio kan deze configuratie niet gebruiken zoals ze nu is:

%1</translation>
    </message>
    <message>
        <source>Note before writing:
%1</source>
        <translation>Let op vóór het schrijven:
%1</translation>
    </message>
    <message>
        <source>Written to the radio</source>
        <translation>Geschreven naar de radio</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>Virtual radio %1 (demo)</source>
        <translation>Virtuele radio %1 (demo)</translation>
    </message>
    <message>
        <source>the port of Read and Write</source>
        <translation>de poort van Lezen en Schrijven</translation>
    </message>
    <message>
        <source>These radios may hold a partly written configuration: %1</source>
        <translation>Deze radio&apos;s kunnen een gedeeltelijk geschreven configuratie bevatten: %1</translation>
    </message>
    <message>
        <source>Wrong service password: squelch calibration not opened</source>
        <translation>Verkeerd servicewachtwoord: squelchkalibratie niet geopend</translation>
    </message>
</context>
<context>
    <name>CReportDlg</name>
    <message>
        <source>Report a Problem</source>
        <translation>Probleem melden</translation>
    </message>
    <message>
        <source>This gathers what is needed to look into a connection or a transfer that went wrong into one file for you to attach to your report. Nothing is sent anywhere. It holds:</source>
        <translation>Hiermee wordt alles wat nodig is om een mislukte verbinding of overdracht te onderzoeken verzameld in één bestand dat u bij uw melding kunt voegen. Er wordt niets verzonden. Het bevat:</translation>
    </message>
    <message>
        <source>&amp;Include the open configuration (radio ID, radio name, contacts and codes replaced)</source>
        <translation>De geopende configuratie &amp;bijvoegen (radio-ID, radionaam, contacten en codes vervangen)</translation>
    </message>
    <message>
        <source>&amp;Save Report...</source>
        <translation>Rapport &amp;opslaan...</translation>
    </message>
    <message>
        <source>Saved to %1. Attach this file to your problem report.</source>
        <translation>Opgeslagen in %1. Voeg dit bestand bij uw probleemmelding.</translation>
    </message>
    <message>
        <source>The report was not saved: %1</source>
        <translation>Het rapport is niet opgeslagen: %1</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Rapport opslaan</translation>
    </message>
    <message>
        <source>Report archives (*.tar.gz);;All Files (*)</source>
        <translation>Rapportarchieven (*.tar.gz);;Alle bestanden (*)</translation>
    </message>
</context>
<context>
    <name>CServicePasswordDlg</name>
    <message>
        <source>Password</source>
        <translation>Wachtwoord</translation>
    </message>
    <message>
        <source>Pwd</source>
        <translation>Wachtwoord</translation>
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
        <translation>De frequentie van de band, in MHz, die de rij kalibreert.</translation>
    </message>
    <message>
        <source>Squelch calibration points</source>
        <translation>Squelchkalibratiepunten</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lezen</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Schrijven</translation>
    </message>
</context>
<context>
    <name>CUserGuideDlg</name>
    <message>
        <source>User Guide</source>
        <translation>Gebruikershandleiding</translation>
    </message>
</context>
<context>
    <name>ChannelTablePrinter</name>
    <message>
        <source>Radio name: %1    Radio id: %2    Freq range: %3</source>
        <translation>Radionaam: %1    Radio-ID: %2    Frequentiebereik: %3</translation>
    </message>
</context>
<context>
    <name>ConnectionCheck</name>
    <message>
        <source>Check the connection</source>
        <translation>Verbinding controleren</translation>
    </message>
</context>
<context>
    <name>DocumentQuestions</name>
    <message>
        <source> An earlier save of %1 did not finish; the temporary file it left (%2 and %3 more) was removed.</source>
        <translation> Een eerdere opslag van %1 is niet voltooid; het achtergelaten tijdelijke bestand (%2 en nog %3) is verwijderd.</translation>
    </message>
    <message>
        <source> An earlier save of %1 did not finish; the temporary file it left (%2) was removed.</source>
        <translation> Een eerdere opslag van %1 is niet voltooid; het achtergelaten tijdelijke bestand (%2) is verwijderd.</translation>
    </message>
    <message>
        <source> %1 itself is whole, as last saved on %2.</source>
        <translation> %1 zelf is volledig, zoals het laatst is opgeslagen op %2.</translation>
    </message>
    <message>
        <source>Replace the changes made to %1 elsewhere?</source>
        <translation>De elders aangebrachte wijzigingen in %1 vervangen?</translation>
    </message>
    <message>
        <source>%1 was changed on disk on %2, by another program or window, since it was opened or saved here. Saving replaces those changes with this document.</source>
        <translation>%1 is op %2 op de schijf gewijzigd door een ander programma of venster, nadat het hier is geopend of opgeslagen. Opslaan vervangt die wijzigingen door dit document.</translation>
    </message>
    <message>
        <source>Replace all of %1?</source>
        <translation>%1 helemaal vervangen?</translation>
    </message>
    <message>
        <source>%1 holds %2 bytes, more than a radio image. Saving replaces it with the %3 bytes of this document, and the rest is lost.</source>
        <translation>%1 bevat %2 bytes, meer dan een radio-image. Opslaan vervangt het door de %3 bytes van dit document, en de rest gaat verloren.</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Vervangen</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Opslaan &amp;als...</translation>
    </message>
    <message>
        <source>%1 was changed on disk.</source>
        <translation>%1 is op de schijf gewijzigd.</translation>
    </message>
    <message>
        <source>Another program or window saved it on %1, after it was opened or saved here, and this document has changes of its own. Reload puts the file&apos;s content here (Undo brings this document back); Keep Mine keeps this document, and Save then replaces the file with it.</source>
        <translation>Een ander programma of venster heeft het op %1 opgeslagen, nadat het hier is geopend of opgeslagen, en dit document heeft eigen wijzigingen. Opnieuw laden neemt de inhoud van het bestand over (Ongedaan maken haalt dit document terug); Mijn versie behouden behoudt dit document, en Opslaan vervangt het bestand er daarna door.</translation>
    </message>
    <message>
        <source>Another program or window saved it on %1, after it was opened or saved here. Reload puts the file&apos;s content here (Undo brings this document back); Keep Mine keeps this document, and Save then replaces the file with it.</source>
        <translation>Een ander programma of venster heeft het op %1 opgeslagen, nadat het hier is geopend of opgeslagen. Opnieuw laden neemt de inhoud van het bestand over (Ongedaan maken haalt dit document terug); Mijn versie behouden behoudt dit document, en Opslaan vervangt het bestand er daarna door.</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>&amp;Opnieuw laden</translation>
    </message>
    <message>
        <source>&amp;Keep Mine</source>
        <translation>&amp;Mijn versie behouden</translation>
    </message>
    <message>
        <source>Save changes?</source>
        <translation>Wijzigingen opslaan?</translation>
    </message>
    <message>
        <source>The radio data in &quot;%1&quot; has been changed.</source>
        <translation>De radiogegevens in &quot;%1&quot; zijn gewijzigd.</translation>
    </message>
</context>
<context>
    <name>Field</name>
    <message>
        <source>Channel table</source>
        <translation>Kanaaltabel</translation>
    </message>
    <message>
        <source>The main window&apos;s table: each row one channel&apos;s main settings, edited in place; the Channel edit dialog has them all.</source>
        <translation>De tabel van het hoofdvenster: elke rij bevat de belangrijkste instellingen van één kanaal, die u direct in de tabel bewerkt; het dialoogvenster Kanaal bewerken bevat ze allemaal.</translation>
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
        <translation>1750 Hz-toon</translation>
    </message>
    <message>
        <source>1H</source>
        <translation>1 u</translation>
    </message>
    <message>
        <source>2H</source>
        <translation>2 u</translation>
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
        <translation>Een DTMF-code van maximaal 16 tekens 0-9, A-D, * en #: een kanaal zendt de code met dit nummer als zijn Analoge oproep 1 of 2 (Kanaal bewerken &gt; Analoog).</translation>
    </message>
    <message>
        <source>A beep when scanning ends.</source>
        <translation>Een pieptoon wanneer het scannen stopt.</translation>
    </message>
    <message>
        <source>A beep when scanning starts.</source>
        <translation>Een pieptoon wanneer het scannen begint.</translation>
    </message>
    <message>
        <source>A channel the radio keeps looking at while it scans, so that a call on it is not missed; None for no priority channel. The list offers the channels that hold a frequency.</source>
        <translation>Een kanaal dat de radio tijdens het scannen blijft controleren, zodat een oproep erop niet wordt gemist; Geen voor geen prioriteitskanaal. De lijst biedt de kanalen waarin een frequentie staat.</translation>
    </message>
    <message>
        <source>A group code of up to 7 symbols 0-9, A-D, * and # (0x390). Only the bytes are known, not what the radio does with them.</source>
        <translation>Een groepscode van maximaal 7 tekens 0-9, A-D, * en # (0x390). Alleen de bytes zijn bekend, niet wat de radio ermee doet.</translation>
    </message>
    <message>
        <source>A tone when a digital call&apos;s link ends and the radio returns to its channel.</source>
        <translation>Een toon wanneer de verbinding van een digitale oproep eindigt en de radio terugkeert naar zijn kanaal.</translation>
    </message>
    <message>
        <source>A tone when a group call is received.</source>
        <translation>Een toon bij ontvangst van een groepsoproep.</translation>
    </message>
    <message>
        <source>A tone when a received transmission ends (a roger beep on reception).</source>
        <translation>Een toon wanneer een ontvangen uitzending eindigt (een rogerpiep bij ontvangst).</translation>
    </message>
    <message>
        <source>A tone when a single call (a call to this radio alone) is received.</source>
        <translation>Een toon bij ontvangst van een individuele oproep (een oproep aan alleen deze radio).</translation>
    </message>
    <message>
        <source>A tone when the radio is switched off.</source>
        <translation>Een toon wanneer de radio wordt uitgeschakeld.</translation>
    </message>
    <message>
        <source>A tone when the radio is switched on.</source>
        <translation>Een toon wanneer de radio wordt ingeschakeld.</translation>
    </message>
    <message>
        <source>A tone when the radio sends a call.</source>
        <translation>Een toon wanneer de radio een oproep verstuurt.</translation>
    </message>
    <message>
        <source>A warning tone before the radio shuts itself down.</source>
        <translation>Een waarschuwingstoon voordat de radio zichzelf uitschakelt.</translation>
    </message>
    <message>
        <source>A warning tone when the battery runs low.</source>
        <translation>Een waarschuwingstoon wanneer de accu bijna leeg is.</translation>
    </message>
    <message>
        <source>ACK reply delay</source>
        <translation>ACK-vertraging</translation>
    </message>
    <message>
        <source>ACK reply times</source>
        <translation>ACK-herhalingen</translation>
    </message>
    <message>
        <source>ACK reply wait</source>
        <translation>ACK-wachttijd</translation>
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
        <translation>Activeringscode</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Adjustable parameters: the factory levels of the radio&apos;s audio, modulation, receive and DTMF paths (数字: digital channels, 模拟: analog channels). Read them from the radio, change them only with measuring equipment, and write them back.</source>
        <translation>Instelbare parameters: de fabrieksniveaus van de audio-, modulatie-, ontvangst- en DTMF-paden van de radio (数字: digitale kanalen, 模拟: analoge kanalen). Lees ze uit de radio, wijzig ze alleen met meetapparatuur en schrijf ze terug.</translation>
    </message>
    <message>
        <source>After a time-out, the seconds the radio waits before it transmits again when PTT is pressed, 0 to 60.</source>
        <translation>Na een time-out: het aantal seconden dat de radio wacht voordat hij weer zendt als PTT wordt ingedrukt, 0 t/m 60.</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Alarm time (s)</source>
        <translation>Alarmduur (s)</translation>
    </message>
    <message>
        <source>Alarm type</source>
        <translation>Alarmtype</translation>
    </message>
    <message>
        <source>Allocated:</source>
        <translation>Toegewezen:</translation>
    </message>
    <message>
        <source>Allow</source>
        <translation>Toestaan</translation>
    </message>
    <message>
        <source>Allow all call</source>
        <translation>Algemene oproep</translation>
    </message>
    <message>
        <source>Allow: after sending a DTMF call the radio waits for an answer for the Response wait time; Inhibit: it does not wait.</source>
        <translation>Toestaan: na het verzenden van een DTMF-oproep wacht de radio gedurende de Wachttijd antwoord op een antwoord; Blokkeren: hij wacht niet.</translation>
    </message>
    <message>
        <source>Allow: you hear the DTMF tones in the speaker while the radio sends them; Inhibit: they are sent silently.</source>
        <translation>Toestaan: u hoort de DTMF-tonen in de luidspreker terwijl de radio ze zendt; Blokkeren: ze worden geluidloos verzonden.</translation>
    </message>
    <message>
        <source>Analog</source>
        <translation>Analoog</translation>
    </message>
    <message>
        <source>Analog alarm id code</source>
        <translation>Analoge alarm-ID</translation>
    </message>
    <message>
        <source>Analog call 1</source>
        <translation>Analoge oproep 1</translation>
    </message>
    <message>
        <source>Analog call 2</source>
        <translation>Analoge oproep 2</translation>
    </message>
    <message>
        <source>Analog channel width: Wide (25 kHz) or Narrow (12.5 kHz, as PMR446 uses). Radios that talk to each other need the same width.</source>
        <translation>Analoge kanaalbreedte: Breed (25 kHz) of Smal (12,5 kHz, zoals bij PMR446). Radio&apos;s die met elkaar verbinding maken, hebben dezelfde breedte nodig.</translation>
    </message>
    <message>
        <source>Analog signalling on this channel: Off, or DTMF (the analog calls and PTTID below).</source>
        <translation>Analoge signalering op dit kanaal: Uit, of DTMF (de analoge oproepen en PTTID hieronder).</translation>
    </message>
    <message>
        <source>Analog: FM only. Digit: dPMR digital only. Mixed(Digit) and Mixed(Analog): the channel takes both kinds of call and transmits digital or analog respectively.</source>
        <translation>Analoog: alleen FM. Digitaal: alleen digitaal dPMR. Gemengd (digitaal) en Gemengd (analoog): het kanaal ontvangt beide soorten oproepen; Gemengd (digitaal) zendt digitaal, Gemengd (analoog) zendt analoog.</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Auto contact</source>
        <translation>Auto-contact</translation>
    </message>
    <message>
        <source>Auto reset time (s)</source>
        <translation>Terugzettijd (s)</translation>
    </message>
    <message>
        <source>Automatic contact on this channel, the function set in Alarm &gt; Auto contact.</source>
        <translation>Automatisch contact op dit kanaal, de functie die is ingesteld in Alarm &gt; Auto-contact.</translation>
    </message>
    <message>
        <source>Automatic contact: allow lets the radio check in by itself at regular times, with the Tx interval and Query interval below; prohibit switches it off. dPMR param &gt; Basic uses the same byte (0x378) for OACSU and Data type: this dialog writes it only when you change this control.</source>
        <translation>Automatisch contact: toestaan laat de radio zich op vaste tijden uit zichzelf melden, met het Zendinterval en Peilinterval hieronder; verbieden schakelt de functie uit. dPMR-parameters &gt; Basis gebruikt dezelfde byte (0x378) voor OACSU en Datatype: dit dialoogvenster schrijft de byte alleen wanneer u deze instelling wijzigt.</translation>
    </message>
    <message>
        <source>Automatic contact: minutes between its queries, 1 to 10 (a value outside becomes 1). dPMR param &gt; Basic uses the same byte (0x37A) for ACK reply wait: this dialog writes it only when you change this control.</source>
        <translation>Automatisch contact: minuten tussen de peilingen, 1 t/m 10 (een waarde daarbuiten wordt 1). dPMR-parameters &gt; Basis gebruikt dezelfde byte (0x37A) voor ACK-wachttijd: dit dialoogvenster schrijft de byte alleen wanneer u deze instelling wijzigt.</translation>
    </message>
    <message>
        <source>Automatic contact: seconds between its transmissions, 10 to 60 in steps of 5 (a typed value is rounded down to a step; a value outside becomes 25). dPMR param &gt; Basic uses the same byte (0x379) for ACK reply delay: this dialog writes it only when you change this control.</source>
        <translation>Automatisch contact: seconden tussen de uitzendingen, 10 t/m 60 in stappen van 5 (een ingevoerde waarde wordt naar beneden afgerond op een stap; een waarde daarbuiten wordt 25). dPMR-parameters &gt; Basis gebruikt dezelfde byte (0x379) voor ACK-vertraging: dit dialoogvenster schrijft de byte alleen wanneer u deze instelling wijzigt.</translation>
    </message>
    <message>
        <source>Automatic power off: the radio switches itself off after 10 or 30 minutes, 1 or 2 hours without use; Off never does.</source>
        <translation>Automatisch uitschakelen: de radio schakelt zichzelf uit na 10 of 30 minuten, 1 of 2 uur zonder gebruik; bij Uit nooit.</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Backlight</source>
        <translation>Verlichting</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Bandbreedte</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>Basis</translation>
    </message>
    <message>
        <source>Basic setting</source>
        <translation>Basisinstellingen</translation>
    </message>
    <message>
        <source>Battery saving while the radio waits for a signal: Off, or a ratio from 1:1 to 1:12. A larger second number lets the receiver sleep longer, saving battery, but the start of a call may be missed. Default 1:10.</source>
        <translation>Accubesparing terwijl de radio op een signaal wacht: Uit, of een verhouding van 1:1 t/m 1:12. Een groter tweede getal laat de ontvanger langer slapen en spaart de accu, maar het begin van een oproep kan worden gemist. Standaard 1:10.</translation>
    </message>
    <message>
        <source>Bit 0 of byte 0x31B, named Shock (a vibrating alert, by its name); kept as stored.</source>
        <translation>Bit 0 van byte 0x31B, genaamd Trillen (naar de naam een trilalarm); blijft zoals opgeslagen.</translation>
    </message>
    <message>
        <source>Bit 7 of byte 0x318; what the radio does with it is not known. The channel table sets this bit whenever it stores the channels.</source>
        <translation>Bit 7 van byte 0x318; wat de radio ermee doet, is niet bekend. De kanaaltabel zet deze bit telkens wanneer zij de kanalen opslaat.</translation>
    </message>
    <message>
        <source>Bit 7 of byte 0x31A; what the radio does with it is not known. The channel table sets this bit whenever it stores the channels.</source>
        <translation>Bit 7 van byte 0x31A; wat de radio ermee doet, is niet bekend. De kanaaltabel zet deze bit telkens wanneer zij de kanalen opslaat.</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Beide</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Bezet</translation>
    </message>
    <message>
        <source>Busy channel lockout: Carrier keeps the radio from transmitting while a signal is on the channel; Off allows it.</source>
        <translation>Bezetblokkering: bij Draaggolf zendt de radio niet zolang er een signaal op het kanaal is; Uit staat zenden toe.</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>CTCSS signal gain: the level of the sub-audible CTCSS tone sent with analog transmissions. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>CTCSS-signaalversterking: het niveau van de subaudio-CTCSS-toon die met analoge uitzendingen wordt meegezonden. Een 16-bitswaarde, hexadecimaal ingevoerd, 0000 t/m FFFF. Een fabrieksafstelling: wijzig deze alleen met meetapparatuur bij de hand; ze wordt alleen met Lezen en Schrijven van dit dialoogvenster zelf overgedragen.</translation>
    </message>
    <message>
        <source>CTCSS信号增益</source>
        <translation>CTCSS信号增益</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Oproep</translation>
    </message>
    <message>
        <source>Call 1</source>
        <translation>Oproep 1</translation>
    </message>
    <message>
        <source>Call 2</source>
        <translation>Oproep 2</translation>
    </message>
    <message>
        <source>Call link reset tone</source>
        <translation>Toon einde verbinding</translation>
    </message>
    <message>
        <source>Call out tone</source>
        <translation>Toon bij oproepen</translation>
    </message>
    <message>
        <source>Carrier</source>
        <translation>Draaggolf</translation>
    </message>
    <message>
        <source>Channel 1</source>
        <translation>Kanaal 1</translation>
    </message>
    <message>
        <source>Channel 10</source>
        <translation>Kanaal 10</translation>
    </message>
    <message>
        <source>Channel 11</source>
        <translation>Kanaal 11</translation>
    </message>
    <message>
        <source>Channel 12</source>
        <translation>Kanaal 12</translation>
    </message>
    <message>
        <source>Channel 13</source>
        <translation>Kanaal 13</translation>
    </message>
    <message>
        <source>Channel 14</source>
        <translation>Kanaal 14</translation>
    </message>
    <message>
        <source>Channel 15</source>
        <translation>Kanaal 15</translation>
    </message>
    <message>
        <source>Channel 16</source>
        <translation>Kanaal 16</translation>
    </message>
    <message>
        <source>Channel 2</source>
        <translation>Kanaal 2</translation>
    </message>
    <message>
        <source>Channel 3</source>
        <translation>Kanaal 3</translation>
    </message>
    <message>
        <source>Channel 4</source>
        <translation>Kanaal 4</translation>
    </message>
    <message>
        <source>Channel 5</source>
        <translation>Kanaal 5</translation>
    </message>
    <message>
        <source>Channel 6</source>
        <translation>Kanaal 6</translation>
    </message>
    <message>
        <source>Channel 7</source>
        <translation>Kanaal 7</translation>
    </message>
    <message>
        <source>Channel 8</source>
        <translation>Kanaal 8</translation>
    </message>
    <message>
        <source>Channel 9</source>
        <translation>Kanaal 9</translation>
    </message>
    <message>
        <source>Channel display</source>
        <translation>Kanaalweergave</translation>
    </message>
    <message>
        <source>Channel edit</source>
        <translation>Kanaal bewerken</translation>
    </message>
    <message>
        <source>Channel no.</source>
        <translation>Kanaalnr.</translation>
    </message>
    <message>
        <source>Channel type</source>
        <translation>Kanaaltype</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chinees</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Codec type</source>
        <translation>Codectype</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contact</translation>
    </message>
    <message>
        <source>Cycle</source>
        <translation>Cycli</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>DCS signal gain: the level of the DCS code sent with analog transmissions. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>DCS-signaalversterking: het niveau van de DCS-code die met analoge uitzendingen wordt meegezonden. Een 16-bitswaarde, hexadecimaal ingevoerd, 0000 t/m FFFF. Een fabrieksafstelling: wijzig deze alleen met meetapparatuur bij de hand; ze wordt alleen met Lezen en Schrijven van dit dialoogvenster zelf overgedragen.</translation>
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
        <translation>DTMF-code die aan het einde van een uitzending wordt verzonden (PTTID-type Bij loslaten of Beide), maximaal 16 tekens 0-9, A-D, * en #.</translation>
    </message>
    <message>
        <source>DTMF code sent at the start of a transmission (PTTID type On line or Both), up to 16 symbols 0-9, A-D, * and #.</source>
        <translation>DTMF-code die aan het begin van een uitzending wordt verzonden (PTTID-type Bij indrukken of Beide), maximaal 16 tekens 0-9, A-D, * en #.</translation>
    </message>
    <message>
        <source>DTMF encoding amplitude adjustment: the level of the DTMF tones the radio sends. One byte typed in hexadecimal, 00 to FF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Afstelling van de DTMF-coderingsamplitude: het niveau van de DTMF-tonen die de radio zendt. Eén byte, hexadecimaal ingevoerd, 00 t/m FF. Een fabrieksafstelling: wijzig deze alleen met meetapparatuur bij de hand; ze wordt alleen met Lezen en Schrijven van dit dialoogvenster zelf overgedragen.</translation>
    </message>
    <message>
        <source>DTMF hold time, 0.5 to 2.0 seconds in steps of 0.1. Only the byte and its range are known, not what the radio times with it.</source>
        <translation>DTMF-houdtijd, 0.5 t/m 2.0 seconden in stappen van 0.1. Alleen de byte en het bereik zijn bekend, niet welke tijd de radio ermee bepaalt.</translation>
    </message>
    <message>
        <source>DTMF编码幅度调节</source>
        <translation>DTMF编码幅度调节</translation>
    </message>
    <message>
        <source>Data type</source>
        <translation>Datatype</translation>
    </message>
    <message>
        <source>Data type 1 or 2 (bits 3 and 4 of 0x378). Only the bits are known, not which data format each number stands for. The Alarm dialog uses the same byte (0x378) for &quot;Auto contact&quot;; it writes the byte only when that control is changed there.</source>
        <translation>Datatype 1 of 2 (bits 3 en 4 van 0x378). Alleen de bits zijn bekend, niet voor welk dataformaat elk nummer staat. Het dialoogvenster Alarm gebruikt dezelfde byte (0x378) voor &quot;Auto-contact&quot;; het schrijft de byte alleen wanneer die instelling daar wordt gewijzigd.</translation>
    </message>
    <message>
        <source>Decode</source>
        <translation>Decodering</translation>
    </message>
    <message>
        <source>Decode display</source>
        <translation>Code weergeven</translation>
    </message>
    <message>
        <source>Decode response</source>
        <translation>Reactie op oproep</translation>
    </message>
    <message>
        <source>Decoder input gain: the level of the received signal fed to the digital decoder. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Ingangsversterking van de decoder: het niveau van het ontvangen signaal dat naar de digitale decoder gaat. Een 16-bitswaarde, hexadecimaal ingevoerd, 0000 t/m FFFF. Een fabrieksafstelling: wijzig deze alleen met meetapparatuur bij de hand; ze wordt alleen met Lezen en Schrijven van dit dialoogvenster zelf overgedragen.</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Nee</translation>
    </message>
    <message>
        <source>Delay before the radio transmits, 0.1 to 5.0 seconds. Only the byte and its range are known, not which transmissions the radio delays.</source>
        <translation>Vertraging voordat de radio zendt, 0.1 t/m 5.0 seconden. Alleen de byte en het bereik zijn bekend, niet welke uitzendingen de radio vertraagt.</translation>
    </message>
    <message>
        <source>Dial access</source>
        <translation>Kiestoegang</translation>
    </message>
    <message>
        <source>Dial access, 0 to 7 (byte 0x398). Only the byte and its range are known, not what the radio does with it.</source>
        <translation>Kiestoegang, 0 t/m 7 (byte 0x398). Alleen de byte en het bereik zijn bekend, niet wat de radio ermee doet.</translation>
    </message>
    <message>
        <source>Digit</source>
        <translation>Digitaal</translation>
    </message>
    <message>
        <source>Digit alarm id code</source>
        <translation>Digitale alarm-ID</translation>
    </message>
    <message>
        <source>Direct</source>
        <translation>Direct</translation>
    </message>
    <message>
        <source>Direct: digital calls go from radio to radio. Repeat: they go through a dPMR repeater.</source>
        <translation>Direct: digitale oproepen gaan rechtstreeks van radio naar radio. Repeater: ze gaan via een dPMR-repeater.</translation>
    </message>
    <message>
        <source>EMI</source>
        <translation>Noodalarm</translation>
    </message>
    <message>
        <source>EMI close</source>
        <translation>Noodalarm uit</translation>
    </message>
    <message>
        <source>Encode</source>
        <translation>Codering</translation>
    </message>
    <message>
        <source>Encrypt</source>
        <translation>Versleuteling</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Engels</translation>
    </message>
    <message>
        <source>Entry delay time (s)</source>
        <translation>Startvertraging (s)</translation>
    </message>
    <message>
        <source>Exit delay (s)</source>
        <translation>Eindvertraging (s)</translation>
    </message>
    <message>
        <source>First digit (ms)</source>
        <translation>Eerste cijfer (ms)</translation>
    </message>
    <message>
        <source>First digit delay (ms)</source>
        <translation>Vertraging 1e cijfer (ms)</translation>
    </message>
    <message>
        <source>Flashlight</source>
        <translation>Zaklamp</translation>
    </message>
    <message>
        <source>Freq</source>
        <translation>Freq.</translation>
    </message>
    <message>
        <source>Gain of the two modulation signals together, on digital channels. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Versterking van de twee modulatiesignalen samen, op digitale kanalen. Een 16-bitswaarde, hexadecimaal ingevoerd, 0000 t/m FFFF. Een fabrieksafstelling: wijzig deze alleen met meetapparatuur bij de hand; ze wordt alleen met Lezen en Schrijven van dit dialoogvenster zelf overgedragen.</translation>
    </message>
    <message>
        <source>Group call</source>
        <translation>Groepsoproep</translation>
    </message>
    <message>
        <source>Group call code</source>
        <translation>Groepsoproepcode</translation>
    </message>
    <message>
        <source>Group call tone</source>
        <translation>Groepsoproeptoon</translation>
    </message>
    <message>
        <source>Group code</source>
        <translation>Groepscode</translation>
    </message>
    <message>
        <source>Group hold time</source>
        <translation>Groepshoudtijd</translation>
    </message>
    <message>
        <source>Group rx list</source>
        <translation>Rx-groepslijst</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Hoog</translation>
    </message>
    <message>
        <source>Hihg/Low power</source>
        <translation>Hoog/laag vermogen</translation>
    </message>
    <message>
        <source>Hold time (s)</source>
        <translation>Houdtijd (s)</translation>
    </message>
    <message>
        <source>How fast DTMF digits are sent: 5, 6 or 10 digits a second. Slow down for receivers that miss digits.</source>
        <translation>Hoe snel DTMF-cijfers worden verzonden: 5, 6 of 10 cijfers per seconde. Kies een lagere snelheid voor ontvangers die cijfers missen.</translation>
    </message>
    <message>
        <source>How long a side key must be held to count as a long press, 0.5 to 2.5 seconds in steps of 0.1 (a stored value outside shows 1.0).</source>
        <translation>Hoe lang een zijtoets ingedrukt moet blijven om als lang indrukken te gelden, 0.5 t/m 2.5 seconden in stappen van 0.1 (een opgeslagen waarde daarbuiten wordt getoond als 1.0).</translation>
    </message>
    <message>
        <source>How long scanning waits after a transmission or a reception ends before it goes on, 0.1 to 5.0 seconds.</source>
        <translation>Hoe lang het scannen na het einde van een uitzending of ontvangst wacht voordat het verdergaat, 0.1 t/m 5.0 seconden.</translation>
    </message>
    <message>
        <source>How long the alarm lasts, 1 to 255 seconds (a value outside becomes 10).</source>
        <translation>Hoe lang het alarm duurt, 1 t/m 255 seconden (een waarde daarbuiten wordt 10).</translation>
    </message>
    <message>
        <source>How long the radio keeps transmitting after you stop speaking with VOX, 0.1 to 2.0 seconds in steps of 0.1.</source>
        <translation>Hoe lang de radio met VOX blijft zenden nadat u bent gestopt met spreken, 0.1 t/m 2.0 seconden in stappen van 0.1.</translation>
    </message>
    <message>
        <source>How long the radio listens between the alarm&apos;s transmissions, 1 to 255 seconds (a value outside becomes 8).</source>
        <translation>Hoe lang de radio tussen de uitzendingen van het alarm luistert, 1 t/m 255 seconden (een waarde daarbuiten wordt 8).</translation>
    </message>
    <message>
        <source>How long the radio sends carrier before a digital transmission, 0 to 1000 ms in steps of 20 (a typed value is rounded down to a step).</source>
        <translation>Hoe lang de radio draaggolf zendt vóór een digitale uitzending, 0 t/m 1000 ms in stappen van 20 (een ingevoerde waarde wordt naar beneden afgerond op een stap).</translation>
    </message>
    <message>
        <source>How long the radio stays in a group call after its last transmission, so that an answer goes back to the same group; 0 to 30, in the radio&apos;s own unit (not known to this program).</source>
        <translation>Hoe lang de radio na zijn laatste uitzending in een groepsoproep blijft, zodat een antwoord naar dezelfde groep gaat; 0 t/m 30, in de eigen eenheid van de radio (die dit programma niet kent).</translation>
    </message>
    <message>
        <source>How long the radio stays in a single call after its last transmission, so that an answer goes back to the same radio; 0 to 30, in the radio&apos;s own unit (not known to this program).</source>
        <translation>Hoe lang de radio na zijn laatste uitzending in een individuele oproep blijft, zodat een antwoord naar dezelfde radio gaat; 0 t/m 30, in de eigen eenheid van de radio (die dit programma niet kent).</translation>
    </message>
    <message>
        <source>How long the radio transmits in each alarm cycle, 1 to 255 seconds (a value outside becomes 5).</source>
        <translation>Hoe lang de radio in elke alarmcyclus zendt, 1 t/m 255 seconden (een waarde daarbuiten wordt 5).</translation>
    </message>
    <message>
        <source>How long the radio waits before it sends an acknowledgement of a call or message, 0.1 to 5.0 seconds. The Alarm dialog uses the same byte (0x379) for &quot;Tx interval (s)&quot;; it writes the byte only when that control is changed there.</source>
        <translation>Hoe lang de radio wacht voordat hij een ontvangstbevestiging van een oproep of bericht zendt, 0.1 t/m 5.0 seconden. Het dialoogvenster Alarm gebruikt dezelfde byte (0x379) voor &quot;Zendinterval (s)&quot;; het schrijft de byte alleen wanneer die instelling daar wordt gewijzigd.</translation>
    </message>
    <message>
        <source>How long the radio waits for an acknowledgement of its own call, 0 to 10, in the radio&apos;s own unit (not known to this program). The Alarm dialog uses the same byte (0x37A) for &quot;Query interval (min)&quot;; it writes the byte only when that control is changed there.</source>
        <translation>Hoe lang de radio wacht op een ontvangstbevestiging van zijn eigen oproep, 0 t/m 10, in de eigen eenheid van de radio (die dit programma niet kent). Het dialoogvenster Alarm gebruikt dezelfde byte (0x37A) voor &quot;Peilinterval (min)&quot;; het schrijft de byte alleen wanneer die instelling daar wordt gewijzigd.</translation>
    </message>
    <message>
        <source>How long the radio waits for an answer to a DTMF call, 0.5 to 10.0 seconds.</source>
        <translation>Hoe lang de radio wacht op een antwoord op een DTMF-oproep, 0.5 t/m 10.0 seconden.</translation>
    </message>
    <message>
        <source>How many times the radio sends a call that is not acknowledged, 1 to 10.</source>
        <translation>Hoe vaak de radio een oproep zendt die niet wordt bevestigd, 1 t/m 10.</translation>
    </message>
    <message>
        <source>How many transmit and listen cycles the alarm runs, 1 to 255; continue (0) repeats them until the alarm is stopped.</source>
        <translation>Hoeveel zend- en luistercycli het alarm doorloopt, 1 t/m 255; doorlopend (0) herhaalt ze tot het alarm wordt gestopt.</translation>
    </message>
    <message>
        <source>How scanning goes on after it stops on a busy channel: Time moves on after the stop time even if the signal is still there; Carrier waits until the signal ends.</source>
        <translation>Hoe het scannen verdergaat nadat het op een bezet kanaal is gestopt: Tijd gaat na de stoptijd verder, ook als het signaal er nog is; Draaggolf wacht tot het signaal eindigt.</translation>
    </message>
    <message>
        <source>How the alarm identity is sent on analog channels: Off (not sent) or DTMF (the Analog alarm id code as DTMF tones).</source>
        <translation>Hoe de alarmidentiteit op analoge kanalen wordt verzonden: Uit (niet verzonden) of DTMF (de Analoge alarm-ID als DTMF-tonen).</translation>
    </message>
    <message>
        <source>How the radio scans the channels whose Scan is on, and where it stops and answers.</source>
        <translation>Hoe de radio de kanalen scant waarbij Scan aan staat, en waar hij stopt en antwoordt.</translation>
    </message>
    <message>
        <source>How the radio sends DTMF signalling on analog channels, how it answers received DTMF (calls, remote kill), and the 16 DTMF codes channels can send.</source>
        <translation>Hoe de radio DTMF-signalering op analoge kanalen verzendt, hoe hij op ontvangen DTMF reageert (oproepen, uitschakelen op afstand) en de 16 DTMF-codes die kanalen kunnen verzenden.</translation>
    </message>
    <message>
        <source>ID type</source>
        <translation>ID-type</translation>
    </message>
    <message>
        <source>Inhibit</source>
        <translation>Blokkeren</translation>
    </message>
    <message>
        <source>Key lock</source>
        <translation>Toetsblokkering</translation>
    </message>
    <message>
        <source>Kill</source>
        <translation>Uitschakelen</translation>
    </message>
    <message>
        <source>Kill Active</source>
        <translation>Uitschakelen/activeren</translation>
    </message>
    <message>
        <source>Kill code</source>
        <translation>Uitschakelcode</translation>
    </message>
    <message>
        <source>Kill type</source>
        <translation>Uitschakeltype</translation>
    </message>
    <message>
        <source>Kill/active decode</source>
        <translation>Uitschakelen/activeren</translation>
    </message>
    <message>
        <source>LOUT DC offset adjustment: the DC offset of the left output (LOUT) of the radio&apos;s audio converter. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Afstelling van de DC-offset van LOUT: de gelijkspanningsoffset van de linkeruitgang (LOUT) van de audioconverter van de radio. Een 16-bitswaarde, hexadecimaal ingevoerd, 0000 t/m FFFF. Een fabrieksafstelling: wijzig deze alleen met meetapparatuur bij de hand; ze wordt alleen met Lezen en Schrijven van dit dialoogvenster zelf overgedragen.</translation>
    </message>
    <message>
        <source>LOUT直流偏置调节</source>
        <translation>LOUT直流偏置调节</translation>
    </message>
    <message>
        <source>Left channel output gain adjustment, on analog channels. A step from -57 to 6. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Afstelling van de uitgangsversterking van het linker audiokanaal, op analoge kanalen. Een stap van -57 t/m 6. Een fabrieksafstelling: wijzig deze alleen met meetapparatuur bij de hand; ze wordt alleen met Lezen en Schrijven van dit dialoogvenster zelf overgedragen.</translation>
    </message>
    <message>
        <source>Left channel output gain adjustment, on digital channels. A step from -57 to 6. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Afstelling van de uitgangsversterking van het linker audiokanaal, op digitale kanalen. Een stap van -57 t/m 6. Een fabrieksafstelling: wijzig deze alleen met meetapparatuur bij de hand; ze wordt alleen met Lezen en Schrijven van dit dialoogvenster zelf overgedragen.</translation>
    </message>
    <message>
        <source>Left channel signal gain adjustment, on analog channels. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Afstelling van de signaalversterking van het linker audiokanaal, op analoge kanalen. Een 16-bitswaarde, hexadecimaal ingevoerd, 0000 t/m FFFF. Een fabrieksafstelling: wijzig deze alleen met meetapparatuur bij de hand; ze wordt alleen met Lezen en Schrijven van dit dialoogvenster zelf overgedragen.</translation>
    </message>
    <message>
        <source>Left channel signal gain adjustment, on digital channels. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Afstelling van de signaalversterking van het linker audiokanaal, op digitale kanalen. Een 16-bitswaarde, hexadecimaal ingevoerd, 0000 t/m FFFF. Een fabrieksafstelling: wijzig deze alleen met meetapparatuur bij de hand; ze wordt alleen met Lezen en Schrijven van dit dialoogvenster zelf overgedragen.</translation>
    </message>
    <message>
        <source>Length of the * and # tones, 0 to 1000 ms in steps of 100.</source>
        <translation>Lengte van de *- en #-tonen, 0 t/m 1000 ms in stappen van 100.</translation>
    </message>
    <message>
        <source>Length of the first DTMF digit, 0 to 1000 ms in steps of 100.</source>
        <translation>Lengte van het eerste DTMF-cijfer, 0 t/m 1000 ms in stappen van 100.</translation>
    </message>
    <message>
        <source>Length of the wake-up sent ahead of a digital call, 0 to 1200 in steps of 80, so that radios saving battery are awake when the call begins; 0 sends none.</source>
        <translation>Lengte van de wekreeks die vóór een digitale oproep wordt verzonden, 0 t/m 1200 in stappen van 80, zodat radio&apos;s die accu besparen wakker zijn wanneer de oproep begint; 0 zendt geen wekreeks.</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Licht</translation>
    </message>
    <message>
        <source>Lone worker on this channel, the function set in Alarm &gt; Work alone.</source>
        <translation>Alleenwerken op dit kanaal, de functie die is ingesteld in Alarm &gt; Alleenwerken.</translation>
    </message>
    <message>
        <source>Lone worker: allow makes the radio ask its user to respond after a time without use and raise the alarm when nobody does; prohibit switches the function off.</source>
        <translation>Alleenwerken: toestaan laat de radio na een tijd zonder gebruik de gebruiker om een reactie vragen en alarm slaan als niemand reageert; verbieden schakelt de functie uit.</translation>
    </message>
    <message>
        <source>Lone worker: minutes without use before the radio asks its user to respond, 1 to 255 (a value outside becomes 10).</source>
        <translation>Alleenwerken: minuten zonder gebruik voordat de radio de gebruiker om een reactie vraagt, 1 t/m 255 (een waarde daarbuiten wordt 10).</translation>
    </message>
    <message>
        <source>Lone worker: seconds of warning before the alarm is raised, 0 to 255 (a value outside becomes 10).</source>
        <translation>Alleenwerken: seconden waarschuwing voordat het alarm afgaat, 0 t/m 255 (een waarde daarbuiten wordt 10).</translation>
    </message>
    <message>
        <source>Long key (s)</source>
        <translation>Lang indrukken (s)</translation>
    </message>
    <message>
        <source>Long press</source>
        <translation>Lang indrukken</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Laag</translation>
    </message>
    <message>
        <source>Low voltage</source>
        <translation>Lage spanning</translation>
    </message>
    <message>
        <source>Low voltage light</source>
        <translation>Led bij lage spanning</translation>
    </message>
    <message>
        <source>MIC输入增益调节 (db)</source>
        <translation>MIC输入增益调节 (db)</translation>
    </message>
    <message>
        <source>Man down: allow raises the alarm when the radio stays tipped over (its user may have fallen); prohibit switches the function off.</source>
        <translation>Man-down: toestaan slaat alarm wanneer de radio gekanteld blijft liggen (de gebruiker kan gevallen zijn); verbieden schakelt de functie uit.</translation>
    </message>
    <message>
        <source>Man down: exit delay, 0 to 254 seconds, or unlimited (255); a value outside becomes 10. Only the byte is known: what the radio times with it is not.</source>
        <translation>Man-down: eindvertraging, 0 t/m 254 seconden, of onbeperkt (255); een waarde daarbuiten wordt 10. Alleen de byte is bekend, niet welke tijd de radio ermee bepaalt.</translation>
    </message>
    <message>
        <source>Man down: seconds of warning before the alarm is raised, 0 to 59 (a value outside becomes 5).</source>
        <translation>Man-down: seconden waarschuwing voordat het alarm afgaat, 0 t/m 59 (een waarde daarbuiten wordt 5).</translation>
    </message>
    <message>
        <source>Man down: seconds the radio must stay tipped over before the function starts, 1 to 60 (a value outside becomes 10).</source>
        <translation>Man-down: seconden dat de radio gekanteld moet blijven voordat de functie start, 1 t/m 60 (een waarde daarbuiten wordt 10).</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>Microphone input gain on analog channels. In dB, from -12 to 35.25 in steps of 0.75. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Microfooningangsversterking op analoge kanalen. In dB, van -12 t/m 35.25 in stappen van 0.75. Een fabrieksafstelling: wijzig deze alleen met meetapparatuur bij de hand; ze wordt alleen met Lezen en Schrijven van dit dialoogvenster zelf overgedragen.</translation>
    </message>
    <message>
        <source>Microphone input gain on digital channels. In dB, from -12 to 35.25 in steps of 0.75. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Microfooningangsversterking op digitale kanalen. In dB, van -12 t/m 35.25 in stappen van 0.75. Een fabrieksafstelling: wijzig deze alleen met meetapparatuur bij de hand; ze wordt alleen met Lezen en Schrijven van dit dialoogvenster zelf overgedragen.</translation>
    </message>
    <message>
        <source>Mixed mode reset</source>
        <translation>Reset gemengde modus</translation>
    </message>
    <message>
        <source>Mixed(Analog)</source>
        <translation>Gemengd (analoog)</translation>
    </message>
    <message>
        <source>Mixed(Digit)</source>
        <translation>Gemengd (digitaal)</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>Monitor</translation>
    </message>
    <message>
        <source>Msg</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>Msg no.</source>
        <translation>Berichtnr.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Narrow</source>
        <translation>Smal</translation>
    </message>
    <message>
        <source>Narrow noise close</source>
        <translation>Ruis smal dicht</translation>
    </message>
    <message>
        <source>Narrow noise open</source>
        <translation>Ruis smal open</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Noise ch tmp remove</source>
        <translation>Stoorkanaal overslaan</translation>
    </message>
    <message>
        <source>Noise squelch threshold of narrow channels, 0 to 127: the noise level at which the squelch closes. A factory calibration: change it only with a signal generator at hand.</source>
        <translation>Drempel van de ruissquelch van smalle kanalen, 0 t/m 127: het ruisniveau waarbij de squelch sluit. Een fabriekskalibratie: wijzig deze alleen met een signaalgenerator bij de hand.</translation>
    </message>
    <message>
        <source>Noise squelch threshold of narrow channels, 0 to 127: the noise level at which the squelch opens. A factory calibration: change it only with a signal generator at hand.</source>
        <translation>Drempel van de ruissquelch van smalle kanalen, 0 t/m 127: het ruisniveau waarbij de squelch opengaat. Een fabriekskalibratie: wijzig deze alleen met een signaalgenerator bij de hand.</translation>
    </message>
    <message>
        <source>Noise squelch threshold of wide channels, 0 to 127: the noise level at which the squelch closes. A factory calibration: change it only with a signal generator at hand.</source>
        <translation>Drempel van de ruissquelch van brede kanalen, 0 t/m 127: het ruisniveau waarbij de squelch sluit. Een fabriekskalibratie: wijzig deze alleen met een signaalgenerator bij de hand.</translation>
    </message>
    <message>
        <source>Noise squelch threshold of wide channels, 0 to 127: the noise level at which the squelch opens. A factory calibration: change it only with a signal generator at hand.</source>
        <translation>Drempel van de ruissquelch van brede kanalen, 0 t/m 127: het ruisniveau waarbij de squelch opengaat. Een fabriekskalibratie: wijzig deze alleen met een signaalgenerator bij de hand.</translation>
    </message>
    <message>
        <source>Noise suppression switch</source>
        <translation>Ruisonderdrukking aan/uit</translation>
    </message>
    <message>
        <source>Non pri ch</source>
        <translation>Niet-prio-kanalen</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Geen</translation>
    </message>
    <message>
        <source>None: nothing. Monitor (long press only): opens the squelch to listen to weak signals. Scan: starts or stops scanning. Noise ch tmp remove: takes the channel scanning stopped on out of the scan for now. VOX: switches VOX on or off. Hihg/Low power: changes the transmit power. Power detect: tells the battery level. EMI: raises the emergency alarm. Auto contact, Work alone, Talk around, Reverse: switch that function. Call 1, Call 2: send the channel&apos;s call. Channel type: changes between analog and digital. 1750 signal: sends the 1750 Hz tone that opens many analog repeaters. Group call: calls a group. Pri ch scan: scans with the priority channel. Kill, Wake: send the remote kill or wake-up command.</source>
        <translation>Geen: niets. Monitor (alleen lang indrukken): opent de squelch om naar zwakke signalen te luisteren. Scan: start of stopt het scannen. Stoorkanaal overslaan: haalt het kanaal waarop het scannen is gestopt voorlopig uit de scan. VOX: schakelt VOX in of uit. Hoog/laag vermogen: wisselt het zendvermogen. Accuniveau: meldt de accuspanning. Noodalarm: activeert het noodalarm. Auto-contact, Alleenwerken, Talkaround, Omkeren: schakelt die functie. Oproep 1, Oproep 2: verstuurt de oproep van het kanaal. Kanaaltype: wisselt tussen analoog en digitaal. 1750 Hz-toon: zendt de toon van 1750 Hz die veel analoge repeaters opent. Groepsoproep: roept een groep op. Prio-kanaalscan: scant met het prioriteitskanaal. Uitschakelen, Activeren: verstuurt de opdracht om op afstand uit te schakelen of weer te activeren.</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normaal</translation>
    </message>
    <message>
        <source>Not detect</source>
        <translation>Geen controle</translation>
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
        <translation>Uit</translation>
    </message>
    <message>
        <source>Off Air Call Set-Up: before a single call the radio first checks that the called radio is there and answers, and only then opens the voice link, so that nobody talks into the void. Off: the call starts at once. The Alarm dialog uses the same byte (0x378) for &quot;Auto contact&quot;; it writes the byte only when that control is changed there.</source>
        <translation>Off Air Call Set-Up: vóór een individuele oproep controleert de radio eerst of de opgeroepen radio aanwezig is en antwoordt, en pas dan opent hij de spraakverbinding, zodat niemand tegen de leegte praat. Uit: de oproep begint meteen. Het dialoogvenster Alarm gebruikt dezelfde byte (0x378) voor &quot;Auto-contact&quot;; het schrijft de byte alleen wanneer die instelling daar wordt gewijzigd.</translation>
    </message>
    <message>
        <source>Off line</source>
        <translation>Bij loslaten</translation>
    </message>
    <message>
        <source>Off-line  code</source>
        <translation>Code bij loslaten</translation>
    </message>
    <message>
        <source>Offset direction</source>
        <translation>Offsetrichting</translation>
    </message>
    <message>
        <source>Offset freq (MHz)</source>
        <translation>Offsetfreq. (MHz)</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Aan</translation>
    </message>
    <message>
        <source>On line</source>
        <translation>Bij indrukken</translation>
    </message>
    <message>
        <source>On mixed channels: how long the radio keeps the mode (analog or digital) of the last call before it listens for both again; 0 to 30, in the radio&apos;s own unit (not known to this program).</source>
        <translation>Op gemengde kanalen: hoe lang de radio de modus (analoog of digitaal) van de laatste oproep aanhoudt voordat hij weer naar beide luistert; 0 t/m 30, in de eigen eenheid van de radio (die dit programma niet kent).</translation>
    </message>
    <message>
        <source>On which channels scanning checks the receive tone before it stops: Not detect on none (it stops on any signal), Non pri ch on the channels other than the priority channel, Priority ch on the priority channel only, all ch on every channel.</source>
        <translation>Op welke kanalen het scannen de ontvangsttoon controleert voordat het stopt: Geen controle op geen enkel kanaal (het stopt op elk signaal), Niet-prio-kanalen op alle kanalen behalve het prioriteitskanaal, Prio-kanaal alleen op het prioriteitskanaal, alle kanalen op elk kanaal.</translation>
    </message>
    <message>
        <source>On-line code</source>
        <translation>Code bij indrukken</translation>
    </message>
    <message>
        <source>On: pressing PTT while scanning has stopped on a channel answers on that channel.</source>
        <translation>Aan: door PTT in te drukken terwijl het scannen op een kanaal is gestopt, antwoordt u op dat kanaal.</translation>
    </message>
    <message>
        <source>On: the channel works through a repeater, with different receive and transmit frequencies. With both frequencies equal the dialog sets Off and leaves it so.</source>
        <translation>Aan: het kanaal werkt via een repeater, met verschillende ontvangst- en zendfrequenties. Zijn beide frequenties gelijk, dan zet het dialoogvenster dit op Uit en laat het zo.</translation>
    </message>
    <message>
        <source>On: the radio obeys the DTMF remote kill (Kill code) and the command that makes it active again; Off: it ignores them.</source>
        <translation>Aan: de radio voert de DTMF-opdracht voor uitschakelen op afstand (Uitschakelcode) uit, en ook de opdracht die hem weer activeert; Uit: hij negeert ze.</translation>
    </message>
    <message>
        <source>On: the radio obeys the digital remote kill and activate commands (Kill code, Active code); Off: it ignores them.</source>
        <translation>Aan: de radio voert de digitale opdrachten voor uitschakelen en activeren op afstand uit (Uitschakelcode, Activeringscode); Uit: hij negeert ze.</translation>
    </message>
    <message>
        <source>On: the radio receives all calls, the calls addressed to every radio; Off: it ignores them.</source>
        <translation>Aan: de radio ontvangt algemene oproepen, de oproepen aan alle radio&apos;s; Uit: hij negeert ze.</translation>
    </message>
    <message>
        <source>One channel at a time, with its analog and its digital settings; Channel no. and its spin step through the 16 channels. Closing keeps the edits.</source>
        <translation>Eén kanaal tegelijk, met zijn analoge en digitale instellingen; met Kanaalnr. en de pijltjes ervan bladert u door de 16 kanalen. Bij sluiten blijven de wijzigingen behouden.</translation>
    </message>
    <message>
        <source>Only rx</source>
        <translation>Alleen Rx</translation>
    </message>
    <message>
        <source>Only whistle</source>
        <translation>Alleen sirene</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Opties</translation>
    </message>
    <message>
        <source>PTTID</source>
        <translation>PTTID</translation>
    </message>
    <message>
        <source>PTTID type</source>
        <translation>PTTID-type</translation>
    </message>
    <message>
        <source>Pause between the start of the transmission and the first DTMF digit, 100 to 1000 ms in steps of 100, so that the receiver has opened before the digits come.</source>
        <translation>Pauze tussen het begin van de uitzending en het eerste DTMF-cijfer, 100 t/m 1000 ms in stappen van 100, zodat de ontvanger open is voordat de cijfers komen.</translation>
    </message>
    <message>
        <source>Person ID</source>
        <translation>Eigen ID</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Vermogen</translation>
    </message>
    <message>
        <source>Power detect</source>
        <translation>Accuniveau</translation>
    </message>
    <message>
        <source>Power-on light</source>
        <translation>Led bij inschakelen</translation>
    </message>
    <message>
        <source>Power-on tone</source>
        <translation>Inschakeltoon</translation>
    </message>
    <message>
        <source>Pri ch scan</source>
        <translation>Prio-kanaalscan</translation>
    </message>
    <message>
        <source>Priority ch</source>
        <translation>Prio-kanaal</translation>
    </message>
    <message>
        <source>Priority channel</source>
        <translation>Prioriteitskanaal</translation>
    </message>
    <message>
        <source>Query interval (min)</source>
        <translation>Peilinterval (min)</translation>
    </message>
    <message>
        <source>ROUT DC offset adjustment: the DC offset of the right output (ROUT) of the radio&apos;s audio converter. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Afstelling van de DC-offset van ROUT: de gelijkspanningsoffset van de rechteruitgang (ROUT) van de audioconverter van de radio. Een 16-bitswaarde, hexadecimaal ingevoerd, 0000 t/m FFFF. Een fabrieksafstelling: wijzig deze alleen met meetapparatuur bij de hand; ze wordt alleen met Lezen en Schrijven van dit dialoogvenster zelf overgedragen.</translation>
    </message>
    <message>
        <source>ROUT直流偏置调节</source>
        <translation>ROUT直流偏置调节</translation>
    </message>
    <message>
        <source>Radio id</source>
        <translation>Radio-ID</translation>
    </message>
    <message>
        <source>Radio name</source>
        <translation>Radionaam</translation>
    </message>
    <message>
        <source>Receive frequency in MHz, for example 446.00625 (PMR446 lies from 446.0 to 446.2 MHz). A frequency outside the band in use becomes its lower edge, and one off the 2.5 and 3.125 kHz rasters moves to the nearest point. Clearing it empties the channel.</source>
        <translation>Ontvangstfrequentie in MHz, bijvoorbeeld 446.00625 (PMR446 loopt van 446.0 tot 446.2 MHz). Een frequentie buiten de gebruikte band wordt de onderrand ervan, en een frequentie naast het raster van 2,5 en 3,125 kHz schuift naar het dichtstbijzijnde punt. Maakt u het veld leeg, dan wordt het kanaal leeg.</translation>
    </message>
    <message>
        <source>Receive input gain on analog channels. In dB, from -12 to 35.25 in steps of 0.75. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Ontvangstingangsversterking op analoge kanalen. In dB, van -12 t/m 35.25 in stappen van 0.75. Een fabrieksafstelling: wijzig deze alleen met meetapparatuur bij de hand; ze wordt alleen met Lezen en Schrijven van dit dialoogvenster zelf overgedragen.</translation>
    </message>
    <message>
        <source>Receive input gain on digital channels. In dB, from -12 to 35.25 in steps of 0.75. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Ontvangstingangsversterking op digitale kanalen. In dB, van -12 t/m 35.25 in stappen van 0.75. Een fabrieksafstelling: wijzig deze alleen met meetapparatuur bij de hand; ze wordt alleen met Lezen en Schrijven van dit dialoogvenster zelf overgedragen.</translation>
    </message>
    <message>
        <source>Receive only (bit 7 of record byte +0x11); the dialog always stores Off.</source>
        <translation>Alleen ontvangen (bit 7 van recordbyte +0x11); het dialoogvenster slaat altijd Uit op.</translation>
    </message>
    <message>
        <source>Received voice output gain on analog channels: the level of the received voice. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Uitgangsversterking van de ontvangen spraak op analoge kanalen: het niveau van de ontvangen spraak. Een 16-bitswaarde, hexadecimaal ingevoerd, 0000 t/m FFFF. Een fabrieksafstelling: wijzig deze alleen met meetapparatuur bij de hand; ze wordt alleen met Lezen en Schrijven van dit dialoogvenster zelf overgedragen.</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Opnemen</translation>
    </message>
    <message>
        <source>Remind</source>
        <translation>Melden</translation>
    </message>
    <message>
        <source>Remind and Reply</source>
        <translation>Melden en antwoorden</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Repeater</translation>
    </message>
    <message>
        <source>Repeat mode</source>
        <translation>Repeatermodus</translation>
    </message>
    <message>
        <source>Reply</source>
        <translation>Antwoorden</translation>
    </message>
    <message>
        <source>Response wait</source>
        <translation>Wacht op antwoord</translation>
    </message>
    <message>
        <source>Response wait time (s)</source>
        <translation>Wachttijd antwoord (s)</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Omkeren</translation>
    </message>
    <message>
        <source>Right channel output gain adjustment, on analog channels. A step from -57 to 6. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Afstelling van de uitgangsversterking van het rechter audiokanaal, op analoge kanalen. Een stap van -57 t/m 6. Een fabrieksafstelling: wijzig deze alleen met meetapparatuur bij de hand; ze wordt alleen met Lezen en Schrijven van dit dialoogvenster zelf overgedragen.</translation>
    </message>
    <message>
        <source>Right channel output gain adjustment, on digital channels. A step from -57 to 6. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Afstelling van de uitgangsversterking van het rechter audiokanaal, op digitale kanalen. Een stap van -57 t/m 6. Een fabrieksafstelling: wijzig deze alleen met meetapparatuur bij de hand; ze wordt alleen met Lezen en Schrijven van dit dialoogvenster zelf overgedragen.</translation>
    </message>
    <message>
        <source>Right channel signal gain adjustment, on analog channels. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Afstelling van de signaalversterking van het rechter audiokanaal, op analoge kanalen. Een 16-bitswaarde, hexadecimaal ingevoerd, 0000 t/m FFFF. Een fabrieksafstelling: wijzig deze alleen met meetapparatuur bij de hand; ze wordt alleen met Lezen en Schrijven van dit dialoogvenster zelf overgedragen.</translation>
    </message>
    <message>
        <source>Right channel signal gain adjustment, on digital channels. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Afstelling van de signaalversterking van het rechter audiokanaal, op digitale kanalen. Een 16-bitswaarde, hexadecimaal ingevoerd, 0000 t/m FFFF. Een fabrieksafstelling: wijzig deze alleen met meetapparatuur bij de hand; ze wordt alleen met Lezen en Schrijven van dit dialoogvenster zelf overgedragen.</translation>
    </message>
    <message>
        <source>Rx</source>
        <translation>Rx</translation>
    </message>
    <message>
        <source>Rx Freq</source>
        <translation>Rx-freq.</translation>
    </message>
    <message>
        <source>Rx Tone</source>
        <translation>Rx-toon</translation>
    </message>
    <message>
        <source>Rx color code</source>
        <translation>Rx-kleurcode</translation>
    </message>
    <message>
        <source>Rx exit tone</source>
        <translation>Rx-eindtoon</translation>
    </message>
    <message>
        <source>Rx freq (MHz)</source>
        <translation>Rx-freq. (MHz)</translation>
    </message>
    <message>
        <source>Rx light</source>
        <translation>Rx-led</translation>
    </message>
    <message>
        <source>Rx time (s)</source>
        <translation>Luistertijd (s)</translation>
    </message>
    <message>
        <source>Rx tone</source>
        <translation>Rx-toon</translation>
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
        <translation>Zelfde byte als Alarm &gt; Auto-contact</translation>
    </message>
    <message>
        <source>Same byte as Alarm &gt; Query interval (min)</source>
        <translation>Zelfde byte als Alarm &gt; Peilinterval (min)</translation>
    </message>
    <message>
        <source>Same byte as Alarm &gt; Tx interval (s)</source>
        <translation>Zelfde byte als Alarm &gt; Zendinterval (s)</translation>
    </message>
    <message>
        <source>Same byte as dPMR param &gt; Basic &gt; ACK reply delay; written only when changed here</source>
        <translation>Zelfde byte als dPMR-parameters &gt; Basis &gt; ACK-vertraging; wordt alleen geschreven als u het hier wijzigt</translation>
    </message>
    <message>
        <source>Same byte as dPMR param &gt; Basic &gt; ACK reply wait; written only when changed here</source>
        <translation>Zelfde byte als dPMR-parameters &gt; Basis &gt; ACK-wachttijd; wordt alleen geschreven als u het hier wijzigt</translation>
    </message>
    <message>
        <source>Same byte as dPMR param &gt; Basic &gt; OACSU and Data type; written only when changed here</source>
        <translation>Zelfde byte als dPMR-parameters &gt; Basis &gt; OACSU en Datatype; wordt alleen geschreven als u het hier wijzigt</translation>
    </message>
    <message>
        <source>Saving delay time (s)</source>
        <translation>Spaarvertraging (s)</translation>
    </message>
    <message>
        <source>Saving mode</source>
        <translation>Spaarstand</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Scan</translation>
    </message>
    <message>
        <source>Scan Info</source>
        <translation>Scaninstellingen</translation>
    </message>
    <message>
        <source>Scan begin beep</source>
        <translation>Piep bij scanstart</translation>
    </message>
    <message>
        <source>Scan end beep</source>
        <translation>Piep bij scaneinde</translation>
    </message>
    <message>
        <source>Scan mode</source>
        <translation>Scanmodus</translation>
    </message>
    <message>
        <source>Scan state light</source>
        <translation>Led bij scannen</translation>
    </message>
    <message>
        <source>Scan tx channel</source>
        <translation>Zendkanaal bij scan</translation>
    </message>
    <message>
        <source>Scan tx/rx resume delay time (s)</source>
        <translation>Hervattingsvertraging (s)</translation>
    </message>
    <message>
        <source>Seconds PTT must stay released before the time-out timer starts counting afresh, 0 to 30.</source>
        <translation>Seconden dat PTT losgelaten moet blijven voordat de time-outtimer opnieuw begint te tellen, 0 t/m 30.</translation>
    </message>
    <message>
        <source>Seconds after a decoded DTMF call before the radio returns to its normal state, 0 to 255.</source>
        <translation>Seconden na een gedecodeerde DTMF-oproep voordat de radio terugkeert naar zijn normale toestand, 0 t/m 255.</translation>
    </message>
    <message>
        <source>Seconds before the time-out timer runs out at which the radio warns with a tone, 0 to 15 (0: no warning).</source>
        <translation>Seconden vóór het aflopen van de time-outtimer waarop de radio met een toon waarschuwt, 0 t/m 15 (0: geen waarschuwing).</translation>
    </message>
    <message>
        <source>Seconds without activity before battery saving starts, 10 to 60 in steps of 5 (a typed value is rounded down to a step).</source>
        <translation>Seconden zonder activiteit voordat de accubesparing begint, 10 t/m 60 in stappen van 5 (een ingevoerde waarde wordt naar beneden afgerond op een stap).</translation>
    </message>
    <message>
        <source>Secret</source>
        <translation>Stil</translation>
    </message>
    <message>
        <source>Send alarm id</source>
        <translation>Alarm-ID zenden</translation>
    </message>
    <message>
        <source>Sends the DTMF identity (DTMF &gt; Encode: PTTID type, On-line and Off-line code) with each transmission on this channel.</source>
        <translation>Verzendt bij elke uitzending op dit kanaal de DTMF-identiteit (DTMF &gt; Codering: PTTID-type, Code bij indrukken en Code bij loslaten).</translation>
    </message>
    <message>
        <source>Shock</source>
        <translation>Trillen</translation>
    </message>
    <message>
        <source>Short beep</source>
        <translation>Korte piep</translation>
    </message>
    <message>
        <source>Short beep, Inhibit or Allow (bit 1 of 0x2007); only the bit is known, not what the radio does with it.</source>
        <translation>Korte piep, Blokkeren of Toestaan (bit 1 van 0x2007); alleen de bit is bekend, niet wat de radio ermee doet.</translation>
    </message>
    <message>
        <source>Short press</source>
        <translation>Kort indrukken</translation>
    </message>
    <message>
        <source>Shutdown pre-aleat tone</source>
        <translation>Uitschakelwaarschuwing</translation>
    </message>
    <message>
        <source>Shutdown tone</source>
        <translation>Uitschakeltoon</translation>
    </message>
    <message>
        <source>Side Key</source>
        <translation>Zijtoetsen</translation>
    </message>
    <message>
        <source>Side tone</source>
        <translation>Zijtoon</translation>
    </message>
    <message>
        <source>Signal gain after the limiter, on analog channels: the transmitted deviation of the voice. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Signaalversterking na de begrenzer, op analoge kanalen: de uitgezonden deviatie van de spraak. Een 16-bitswaarde, hexadecimaal ingevoerd, 0000 t/m FFFF. Een fabrieksafstelling: wijzig deze alleen met meetapparatuur bij de hand; ze wordt alleen met Lezen en Schrijven van dit dialoogvenster zelf overgedragen.</translation>
    </message>
    <message>
        <source>Signal gain before the limiter, on analog channels: how hard the voice drives the deviation limiter. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Signaalversterking vóór de begrenzer, op analoge kanalen: hoe sterk de spraak de deviatiebegrenzer aanstuurt. Een 16-bitswaarde, hexadecimaal ingevoerd, 0000 t/m FFFF. Een fabrieksafstelling: wijzig deze alleen met meetapparatuur bij de hand; ze wordt alleen met Lezen en Schrijven van dit dialoogvenster zelf overgedragen.</translation>
    </message>
    <message>
        <source>Signal type</source>
        <translation>Signaaltype</translation>
    </message>
    <message>
        <source>Single call time</source>
        <translation>Indiv. oproeptijd</translation>
    </message>
    <message>
        <source>Single call tone</source>
        <translation>Indiv. oproeptoon</translation>
    </message>
    <message>
        <source>Single call: one radio. Group call: a group of radios sharing the number; only group calls can be members of a group receive list.</source>
        <translation>Individuele oproep: één radio. Groepsoproep: een groep radio&apos;s die het nummer delen; alleen groepsoproepen kunnen lid zijn van een Rx-groepslijst.</translation>
    </message>
    <message>
        <source>Specified ch</source>
        <translation>Gekozen kanaal</translation>
    </message>
    <message>
        <source>Specified channel</source>
        <translation>Gekozen kanaal</translation>
    </message>
    <message>
        <source>Speed (digit/s)</source>
        <translation>Snelheid (cijfers/s)</translation>
    </message>
    <message>
        <source>Spoken announcements of the radio (the channel, for example): Off, in Chinese or in English.</source>
        <translation>Gesproken meldingen van de radio (bijvoorbeeld het kanaal): Uit, in het Chinees of in het Engels.</translation>
    </message>
    <message>
        <source>Sql</source>
        <translation>Sql</translation>
    </message>
    <message>
        <source>Squelch calibration at this frequency of the band, 1 to 255 (an empty cell stores 60): the reference the radio&apos;s SQL levels are set from near this frequency. A factory calibration: change it only with a signal generator at hand.</source>
        <translation>Squelchkalibratie bij deze frequentie van de band, 1 t/m 255 (een lege cel slaat 60 op): de referentie waarvan de SQL-niveaus van de radio in de buurt van deze frequentie worden afgeleid. Een fabriekskalibratie: wijzig deze alleen met een signaalgenerator bij de hand.</translation>
    </message>
    <message>
        <source>Squelch calibration: the noise thresholds at which the squelch opens and closes, and a squelch reference at points across the band. A factory calibration: change it only with a signal generator at hand.</source>
        <translation>Squelchkalibratie: de ruisdrempels waarbij de squelch opengaat en sluit, en een squelchreferentie op punten verspreid over de band. Een fabriekskalibratie: wijzig deze alleen met een signaalgenerator bij de hand.</translation>
    </message>
    <message>
        <source>Squelch level, 0 to 9: how strong a signal must be before the radio opens its speaker. Low levels let weak signals (and more noise) through, high levels need stronger signals. Default 5.</source>
        <translation>Squelchniveau, 0 t/m 9: hoe sterk een signaal moet zijn voordat de radio zijn luidspreker opent. Lage niveaus laten zwakke signalen (en meer ruis) door, hoge niveaus vragen sterkere signalen. Standaard 5.</translation>
    </message>
    <message>
        <source>Squelch tail elimination, against the burst of noise heard when the other radio stops transmitting: Freq, or 120, 180 or 240, the degrees by which the CTCSS tone&apos;s phase is turned at the end of a transmission. Use the setting the other radios of the group use.</source>
        <translation>Onderdrukking van de squelchstaart, tegen de ruisstoot die te horen is wanneer de andere radio stopt met zenden: Freq., of 120, 180 of 240, het aantal graden waarmee de fase van de CTCSS-toon aan het einde van een uitzending wordt gedraaid. Gebruik dezelfde instelling als de andere radio&apos;s van de groep.</translation>
    </message>
    <message>
        <source>Stop time (s)</source>
        <translation>Stoptijd (s)</translation>
    </message>
    <message>
        <source>Swaps receive and transmit frequency, to listen on a repeater&apos;s input.</source>
        <translation>Verwisselt ontvangst- en zendfrequentie, om op de ingang van een repeater te luisteren.</translation>
    </message>
    <message>
        <source>TCXO (reference oscillator) output gain adjustment. A step from -57 to 6. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Afstelling van de uitgangsversterking van de TCXO (referentieoscillator). Een stap van -57 t/m 6. Een fabrieksafstelling: wijzig deze alleen met meetapparatuur bij de hand; ze wordt alleen met Lezen en Schrijven van dit dialoogvenster zelf overgedragen.</translation>
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
        <translation>TOT-vooralarm (s)</translation>
    </message>
    <message>
        <source>TOT re-key time (s)</source>
        <translation>TOT-wachttijd (s)</translation>
    </message>
    <message>
        <source>TOT reset time (s)</source>
        <translation>TOT-resettijd (s)</translation>
    </message>
    <message>
        <source>Talk around</source>
        <translation>Talkaround</translation>
    </message>
    <message>
        <source>Talk back</source>
        <translation>Terugspreken</translation>
    </message>
    <message>
        <source>The 16 group receive lists. A channel that uses a list (Channel edit &gt; Group rx list) receives the group calls to its members; choose a list to edit them.</source>
        <translation>De 16 Rx-groepslijsten. Een kanaal dat een lijst gebruikt (Kanaal bewerken &gt; Rx-groepslijst), ontvangt de groepsoproepen aan de leden ervan; kies een lijst om de leden te bewerken.</translation>
    </message>
    <message>
        <source>The 7-digit code of the command that makes a killed radio active again. An invalid code (0000000, a whole million, above 9000000) becomes 9999991.</source>
        <translation>De 7-cijferige code van de opdracht die een uitgeschakelde radio weer activeert. Een ongeldige code (0000000, een rond miljoen, boven 9000000) wordt 9999991.</translation>
    </message>
    <message>
        <source>The 7-digit code of the digital kill command this radio obeys. An invalid code (0000000, a whole million, above 9000000) becomes 9999990.</source>
        <translation>De 7-cijferige code van de digitale uitschakelopdracht die deze radio uitvoert. Een ongeldige code (0000000, een rond miljoen, boven 9000000) wordt 9999990.</translation>
    </message>
    <message>
        <source>The 7-digit identity the alarm sends on digital channels. 0000000, the whole millions 1000000 to 9000000 and numbers above 9000000 are not valid and become 9999998.</source>
        <translation>De 7-cijferige identiteit die het alarm op digitale kanalen verzendt. 0000000, de ronde miljoenen 1000000 t/m 9000000 en getallen boven 9000000 zijn ongeldig en worden 9999998.</translation>
    </message>
    <message>
        <source>The CTCSS tone (63.0 to 254.1 Hz) or DCS code (D023N, or D023I inverted) a signal must carry before the radio opens its speaker; None hears every signal. A number typed without a point is taken as a DCS code.</source>
        <translation>De CTCSS-toon (63.0 t/m 254.1 Hz) of DCS-code (D023N, of D023I geïnverteerd) die een signaal moet bevatten voordat de radio zijn luidspreker opent; Geen laat elk signaal door. Een getal zonder punt wordt als DCS-code opgevat.</translation>
    </message>
    <message>
        <source>The CTCSS tone or DCS code sent with each transmission, so that receivers set to it hear you; None sends none. A number typed without a point is taken as a DCS code.</source>
        <translation>De CTCSS-toon of DCS-code die met elke uitzending wordt meegezonden, zodat ontvangers die erop zijn ingesteld u horen; Geen zendt niets mee. Een getal zonder punt wordt als DCS-code opgevat.</translation>
    </message>
    <message>
        <source>The DTMF code (DTMF &gt; Contact) the Call 1 key function sends on this channel, or None.</source>
        <translation>De DTMF-code (DTMF &gt; Contact) die de toetsfunctie Oproep 1 op dit kanaal verzendt, of Geen.</translation>
    </message>
    <message>
        <source>The DTMF code (DTMF &gt; Contact) the Call 2 key function sends on this channel, or None.</source>
        <translation>De DTMF-code (DTMF &gt; Contact) die de toetsfunctie Oproep 2 op dit kanaal verzendt, of Geen.</translation>
    </message>
    <message>
        <source>The DTMF code that kills the radio when it is received, up to 15 symbols 0-9, A-D, * and #; a # is stored after the last one.</source>
        <translation>De DTMF-code die de radio uitschakelt wanneer hij wordt ontvangen, maximaal 15 tekens 0-9, A-D, * en #; na het laatste teken wordt een # opgeslagen.</translation>
    </message>
    <message>
        <source>The DTMF symbol that makes a received code a group call (A, B, C, D, * or #), or None for no group calls.</source>
        <translation>Het DTMF-teken dat van een ontvangen code een groepsoproep maakt (A, B, C, D, * of #), of Geen voor geen groepsoproepen.</translation>
    </message>
    <message>
        <source>The channel PTT transmits on during a scan when Scan tx channel is Specified ch; None for none.</source>
        <translation>Het kanaal waarop PTT tijdens een scan zendt wanneer Zendkanaal bij scan op Gekozen kanaal staat; Geen voor geen.</translation>
    </message>
    <message>
        <source>The channel PTT transmits on during a scan: the channel in use before the scan began, the last channel where a signal was heard, or the specified channel.</source>
        <translation>Het kanaal waarop PTT tijdens een scan zendt: het kanaal dat vóór de scan in gebruik was, het laatste kanaal waarop een signaal werd gehoord, of het gekozen kanaal.</translation>
    </message>
    <message>
        <source>The channel on show, 1 to 16. The spin and the arrow keys step through the channels (16 follows 1 backwards); the channel left is stored first.</source>
        <translation>Het getoonde kanaal, 1 t/m 16. Met de pijltjes en de pijltoetsen bladert u door de kanalen (achteruit volgt 16 op 1); het kanaal dat u verlaat, wordt eerst opgeslagen.</translation>
    </message>
    <message>
        <source>The channel takes part in scanning. The channel table shows this as Add or Del.</source>
        <translation>Het kanaal doet mee aan het scannen. De kanaaltabel toont dit als Ja of Nee.</translation>
    </message>
    <message>
        <source>The channel&apos;s number, 1 to 16. An empty row is an empty channel: type a receive frequency to make it.</source>
        <translation>Het nummer van het kanaal, 1 t/m 16. Een lege rij is een leeg kanaal: typ een ontvangstfrequentie om het aan te maken.</translation>
    </message>
    <message>
        <source>The contact a digital transmission on this channel calls (dPMR param &gt; Contact), or None.</source>
        <translation>Het contact dat een digitale uitzending op dit kanaal oproept (dPMR-parameters &gt; Contact), of Geen.</translation>
    </message>
    <message>
        <source>The contact the Call 1 key function calls, or None.</source>
        <translation>Het contact dat de toetsfunctie Oproep 1 oproept, of Geen.</translation>
    </message>
    <message>
        <source>The contact the Call 2 key function calls, or None.</source>
        <translation>Het contact dat de toetsfunctie Oproep 2 oproept, of Geen.</translation>
    </message>
    <message>
        <source>The contact&apos;s dPMR number, 7 characters of 0-9 and *, different from every other contact&apos;s: the number the radio calls.</source>
        <translation>Het dPMR-nummer van het contact, 7 tekens uit 0-9 en *, verschillend van dat van elk ander contact: het nummer dat de radio oproept.</translation>
    </message>
    <message>
        <source>The contact&apos;s name, up to 8 characters, different from every other contact&apos;s: the radio shows it, and channels and group receive lists choose contacts by it.</source>
        <translation>De naam van het contact, maximaal 8 tekens, verschillend van die van elk ander contact: de radio toont hem, en kanalen en Rx-groepslijsten kiezen contacten op naam.</translation>
    </message>
    <message>
        <source>The contact&apos;s place in the list, 1 to 64; the list is sorted by name when the page stores.</source>
        <translation>De plaats van het contact in de lijst, 1 t/m 64; de lijst wordt op naam gesorteerd wanneer de pagina opslaat.</translation>
    </message>
    <message>
        <source>The dPMR colour code, 0 to 63, received digital signals must carry, so that groups sharing a frequency do not hear each other; Auto: the radio&apos;s own choice.</source>
        <translation>De dPMR-kleurcode, 0 t/m 63, die ontvangen digitale signalen moeten bevatten, zodat groepen die een frequentie delen elkaar niet horen; Auto: de radio kiest zelf.</translation>
    </message>
    <message>
        <source>The dPMR colour code, 0 to 63, sent with digital transmissions; Auto: the radio&apos;s own choice.</source>
        <translation>De dPMR-kleurcode, 0 t/m 63, die met digitale uitzendingen wordt meegezonden; Auto: de radio kiest zelf.</translation>
    </message>
    <message>
        <source>The direction of a repeater shift, Off, + or -. Kept only while the dialog is open; it is never stored.</source>
        <translation>De richting van een repeatershift, Uit, + of -. Wordt alleen bewaard zolang het dialoogvenster open is en nooit opgeslagen.</translation>
    </message>
    <message>
        <source>The emergency alarm, the lone worker function (Work alone), the man-down function (Upside) and automatic contact.</source>
        <translation>Het noodalarm, de alleenwerkerfunctie (Alleenwerken), de man-downfunctie (Man-down) en automatisch contact.</translation>
    </message>
    <message>
        <source>The group receive list (dPMR param &gt; Group rx list) whose group calls this channel receives, or None.</source>
        <translation>De Rx-groepslijst (dPMR-parameters &gt; Rx-groepslijst) waarvan dit kanaal de groepsoproepen ontvangt, of Geen.</translation>
    </message>
    <message>
        <source>The group-call contacts that are not members of the list; Add &gt;&gt; makes the selected ones members. Single-call contacts are never offered.</source>
        <translation>De groepsoproepcontacten die geen lid van de lijst zijn; Toevoegen &gt;&gt; maakt de geselecteerde contacten lid. Contacten voor individuele oproepen worden nooit aangeboden.</translation>
    </message>
    <message>
        <source>The identity the alarm sends on analog channels as DTMF tones, up to 8 symbols (0-9, A-D, * and #).</source>
        <translation>De identiteit die het alarm op analoge kanalen als DTMF-tonen verzendt, maximaal 8 tekens (0-9, A-D, * en #).</translation>
    </message>
    <message>
        <source>The indicator light shows when the radio is switched on.</source>
        <translation>De led brandt wanneer de radio wordt ingeschakeld.</translation>
    </message>
    <message>
        <source>The indicator light shows while the radio receives.</source>
        <translation>De led brandt terwijl de radio ontvangt.</translation>
    </message>
    <message>
        <source>The indicator light shows while the radio scans.</source>
        <translation>De led brandt terwijl de radio scant.</translation>
    </message>
    <message>
        <source>The indicator light shows while the radio transmits.</source>
        <translation>De led brandt terwijl de radio zendt.</translation>
    </message>
    <message>
        <source>The indicator light warns when the battery runs low.</source>
        <translation>De led waarschuwt wanneer de accu bijna leeg is.</translation>
    </message>
    <message>
        <source>The members of the list, up to 8 group-call contacts, in order. Del &lt;&lt; takes the selected ones out; Up and Down move them.</source>
        <translation>De leden van de lijst, maximaal 8 groepsoproepcontacten, op volgorde. Verwijderen &lt;&lt; haalt de geselecteerde eruit; Omhoog en Omlaag verplaatsen ze.</translation>
    </message>
    <message>
        <source>The radio&apos;s dPMR identity and digital call settings, its contacts and its group receive lists.</source>
        <translation>De dPMR-identiteit en de digitale oproepinstellingen van de radio, zijn contacten en zijn Rx-groepslijsten.</translation>
    </message>
    <message>
        <source>The radio&apos;s general options (squelch, battery saving, time-out, VOX), what its side keys do, and its prompt tones and lights.</source>
        <translation>De algemene opties van de radio (squelch, accubesparing, time-out, VOX), wat de zijtoetsen doen, en de meldtonen en leds.</translation>
    </message>
    <message>
        <source>The radio&apos;s name, up to 8 characters.</source>
        <translation>De naam van de radio, maximaal 8 tekens.</translation>
    </message>
    <message>
        <source>The radio&apos;s own DTMF identity: a received call with this code is for this radio. Up to 16 symbols 0-9, A-D, * and #.</source>
        <translation>De eigen DTMF-identiteit van de radio: een ontvangen oproep met deze code is voor deze radio. Maximaal 16 tekens 0-9, A-D, * en #.</translation>
    </message>
    <message>
        <source>The radio&apos;s own dPMR identity, 7 digits: other radios call it by this number, and every radio of a group needs its own. 0000000, the whole millions 1000000 to 9000000 and numbers above 9000000 are not valid and become 0000001.</source>
        <translation>De eigen dPMR-identiteit van de radio, 7 cijfers: andere radio&apos;s roepen hem op met dit nummer, en elke radio van een groep heeft een eigen nummer nodig. 0000000, de ronde miljoenen 1000000 t/m 9000000 en getallen boven 9000000 zijn ongeldig en worden 0000001.</translation>
    </message>
    <message>
        <source>The repeater shift in MHz, 0 to 50. Kept only while the dialog is open; it is never stored.</source>
        <translation>De repeatershift in MHz, 0 t/m 50. Wordt alleen bewaard zolang het dialoogvenster open is en nooit opgeslagen.</translation>
    </message>
    <message>
        <source>The short message the Call 1 key function sends, 1 to 16, or Off.</source>
        <translation>Het korte bericht dat de toetsfunctie Oproep 1 verzendt, 1 t/m 16, of Uit.</translation>
    </message>
    <message>
        <source>The short message the Call 2 key function sends, 1 to 16, or Off.</source>
        <translation>Het korte bericht dat de toetsfunctie Oproep 2 verzendt, 1 t/m 16, of Uit.</translation>
    </message>
    <message>
        <source>The voice codec of digital calls: AMBE+2C (the codec of the dPMR standard, which other makes of dPMR radio use), ASELP or ASELP 2. Radios that talk to each other need the same codec.</source>
        <translation>De spraakcodec van digitale oproepen: AMBE+2C (de codec van de dPMR-standaard, die ook andere merken dPMR-radio&apos;s gebruiken), ASELP of ASELP 2. Radio&apos;s die met elkaar verbinding maken, hebben dezelfde codec nodig.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>Time-out timer: the longest a single transmission may last, 30 to 600 seconds in steps of 30 (a typed value is rounded down to a step). The radio stops transmitting when it runs out.</source>
        <translation>Time-outtimer: de maximale duur van één uitzending, 30 t/m 600 seconden in stappen van 30 (een ingevoerde waarde wordt naar beneden afgerond op een stap). De radio stopt met zenden wanneer de tijd om is.</translation>
    </message>
    <message>
        <source>Tone</source>
        <translation>Toon</translation>
    </message>
    <message>
        <source>Tone and Light</source>
        <translation>Tonen en leds</translation>
    </message>
    <message>
        <source>Tone scan mode</source>
        <translation>Toonscanmodus</translation>
    </message>
    <message>
        <source>Transmit frequency in MHz; a new channel gets its receive frequency. A different one (a repeater&apos;s input) switches Repeat on. It is brought into the band and onto the raster like the receive frequency.</source>
        <translation>Zendfrequentie in MHz; een nieuw kanaal krijgt zijn ontvangstfrequentie. Een andere frequentie (de ingang van een repeater) zet Repeater aan. Ze wordt op dezelfde manier als de ontvangstfrequentie binnen de band en op het raster gebracht.</translation>
    </message>
    <message>
        <source>Transmit power, Low or High. Low saves battery; PMR446 allows 0.5 W, so keep to what your licence allows.</source>
        <translation>Zendvermogen, Laag of Hoog. Laag spaart de accu; PMR446 staat 0,5 W toe, dus houd u aan wat voor u is toegestaan.</translation>
    </message>
    <message>
        <source>Transmits on the receive frequency, to reach radios nearby directly when the repeater is out of reach.</source>
        <translation>Zendt op de ontvangstfrequentie, om radio&apos;s in de buurt rechtstreeks te bereiken wanneer de repeater buiten bereik is.</translation>
    </message>
    <message>
        <source>Tx</source>
        <translation>Tx</translation>
    </message>
    <message>
        <source>Tx Freq</source>
        <translation>Tx-freq.</translation>
    </message>
    <message>
        <source>Tx Tone</source>
        <translation>Tx-toon</translation>
    </message>
    <message>
        <source>Tx color code</source>
        <translation>Tx-kleurcode</translation>
    </message>
    <message>
        <source>Tx contact</source>
        <translation>Tx-contact</translation>
    </message>
    <message>
        <source>Tx delay time</source>
        <translation>Zendvertraging</translation>
    </message>
    <message>
        <source>Tx freq (MHz)</source>
        <translation>Tx-freq. (MHz)</translation>
    </message>
    <message>
        <source>Tx inhibit</source>
        <translation>Tx blokkeren</translation>
    </message>
    <message>
        <source>Tx interval (s)</source>
        <translation>Zendinterval (s)</translation>
    </message>
    <message>
        <source>Tx light</source>
        <translation>Tx-led</translation>
    </message>
    <message>
        <source>Tx power</source>
        <translation>Zendvermogen</translation>
    </message>
    <message>
        <source>Tx time (s)</source>
        <translation>Zendtijd (s)</translation>
    </message>
    <message>
        <source>Tx tone</source>
        <translation>Tx-toon</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Unallocated:</source>
        <translation>Niet toegewezen:</translation>
    </message>
    <message>
        <source>Upside</source>
        <translation>Man-down</translation>
    </message>
    <message>
        <source>Upside pre-prompt  (s)</source>
        <translation>Vooralarm man-down (s)</translation>
    </message>
    <message>
        <source>VCO output gain adjustment. A step from -57 to 6. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Afstelling van de uitgangsversterking van de VCO. Een stap van -57 t/m 6. Een fabrieksafstelling: wijzig deze alleen met meetapparatuur bij de hand; ze wordt alleen met Lezen en Schrijven van dit dialoogvenster zelf overgedragen.</translation>
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
        <translation>VOX-vertraging (s)</translation>
    </message>
    <message>
        <source>VOX sense</source>
        <translation>VOX-gevoeligheid</translation>
    </message>
    <message>
        <source>VOX sensitivity level, 0 to 9: how readily speech starts a VOX transmission. Default 5.</source>
        <translation>VOX-gevoeligheidsniveau, 0 t/m 9: hoe gemakkelijk spraak een VOX-uitzending start. Standaard 5.</translation>
    </message>
    <message>
        <source>Voice broadcast</source>
        <translation>Spraakmeldingen</translation>
    </message>
    <message>
        <source>Voice store and replay, Off or On (0x39F bit 3): by its name, the radio records calls to play them again.</source>
        <translation>Spraak opnemen en afspelen, Uit of Aan (0x39F bit 3): naar de naam te oordelen neemt de radio oproepen op om ze opnieuw af te spelen.</translation>
    </message>
    <message>
        <source>Voice store/replay</source>
        <translation>Opnemen/afspelen</translation>
    </message>
    <message>
        <source>Voice-operated transmit: On lets the radio transmit when you speak into the microphone (with a headset, for example) without pressing PTT.</source>
        <translation>Spraakgestuurd zenden: bij Aan zendt de radio wanneer u in de microfoon spreekt (bijvoorbeeld met een headset), zonder PTT in te drukken.</translation>
    </message>
    <message>
        <source>Wake</source>
        <translation>Activeren</translation>
    </message>
    <message>
        <source>Wake frame</source>
        <translation>Wekreeks</translation>
    </message>
    <message>
        <source>What a received DTMF kill does: tx inhibit (the radio can no longer transmit), tx/rx inhibit (it can neither transmit nor receive) or Kill (it is disabled).</source>
        <translation>Wat een ontvangen DTMF-uitschakelopdracht doet: Tx blokkeren (de radio kan niet meer zenden), Tx/Rx blokkeren (hij kan zenden noch ontvangen) of Uitschakelen (hij wordt buiten werking gesteld).</translation>
    </message>
    <message>
        <source>What a received digital kill command does: Tx inhibit (the radio can no longer transmit), tx/rx inhibit (it can neither transmit nor receive) or Kill (it is disabled).</source>
        <translation>Wat een ontvangen digitale uitschakelopdracht doet: Tx blokkeren (de radio kan niet meer zenden), Tx/Rx blokkeren (hij kan zenden noch ontvangen) of Uitschakelen (hij wordt buiten werking gesteld).</translation>
    </message>
    <message>
        <source>What a short press on side key 1 does. None: nothing. Monitor (long press only): opens the squelch to listen to weak signals. Scan: starts or stops scanning. Noise ch tmp remove: takes the channel scanning stopped on out of the scan for now. VOX: switches VOX on or off. Hihg/Low power: changes the transmit power. Power detect: tells the battery level. EMI: raises the emergency alarm. Auto contact, Work alone, Talk around, Reverse: switch that function. Call 1, Call 2: send the channel&apos;s call. Channel type: changes between analog and digital. 1750 signal: sends the 1750 Hz tone that opens many analog repeaters. Group call: calls a group. Pri ch scan: scans with the priority channel. Kill, Wake: send the remote kill or wake-up command.</source>
        <translation>Wat kort indrukken van zijtoets 1 doet. Geen: niets. Monitor (alleen lang indrukken): opent de squelch om naar zwakke signalen te luisteren. Scan: start of stopt het scannen. Stoorkanaal overslaan: haalt het kanaal waarop het scannen is gestopt voorlopig uit de scan. VOX: schakelt VOX in of uit. Hoog/laag vermogen: wisselt het zendvermogen. Accuniveau: meldt de accuspanning. Noodalarm: activeert het noodalarm. Auto-contact, Alleenwerken, Talkaround, Omkeren: schakelt die functie. Oproep 1, Oproep 2: verstuurt de oproep van het kanaal. Kanaaltype: wisselt tussen analoog en digitaal. 1750 Hz-toon: zendt de toon van 1750 Hz die veel analoge repeaters opent. Groepsoproep: roept een groep op. Prio-kanaalscan: scant met het prioriteitskanaal. Uitschakelen, Activeren: verstuurt de opdracht om op afstand uit te schakelen of weer te activeren.</translation>
    </message>
    <message>
        <source>What a short press on side key 2 does. None: nothing. Monitor (long press only): opens the squelch to listen to weak signals. Scan: starts or stops scanning. Noise ch tmp remove: takes the channel scanning stopped on out of the scan for now. VOX: switches VOX on or off. Hihg/Low power: changes the transmit power. Power detect: tells the battery level. EMI: raises the emergency alarm. Auto contact, Work alone, Talk around, Reverse: switch that function. Call 1, Call 2: send the channel&apos;s call. Channel type: changes between analog and digital. 1750 signal: sends the 1750 Hz tone that opens many analog repeaters. Group call: calls a group. Pri ch scan: scans with the priority channel. Kill, Wake: send the remote kill or wake-up command.</source>
        <translation>Wat kort indrukken van zijtoets 2 doet. Geen: niets. Monitor (alleen lang indrukken): opent de squelch om naar zwakke signalen te luisteren. Scan: start of stopt het scannen. Stoorkanaal overslaan: haalt het kanaal waarop het scannen is gestopt voorlopig uit de scan. VOX: schakelt VOX in of uit. Hoog/laag vermogen: wisselt het zendvermogen. Accuniveau: meldt de accuspanning. Noodalarm: activeert het noodalarm. Auto-contact, Alleenwerken, Talkaround, Omkeren: schakelt die functie. Oproep 1, Oproep 2: verstuurt de oproep van het kanaal. Kanaaltype: wisselt tussen analoog en digitaal. 1750 Hz-toon: zendt de toon van 1750 Hz die veel analoge repeaters opent. Groepsoproep: roept een groep op. Prio-kanaalscan: scant met het prioriteitskanaal. Uitschakelen, Activeren: verstuurt de opdracht om op afstand uit te schakelen of weer te activeren.</translation>
    </message>
    <message>
        <source>What a short press on the top key TK1 does. None: nothing. Monitor (long press only): opens the squelch to listen to weak signals. Scan: starts or stops scanning. Noise ch tmp remove: takes the channel scanning stopped on out of the scan for now. VOX: switches VOX on or off. Hihg/Low power: changes the transmit power. Power detect: tells the battery level. EMI: raises the emergency alarm. Auto contact, Work alone, Talk around, Reverse: switch that function. Call 1, Call 2: send the channel&apos;s call. Channel type: changes between analog and digital. 1750 signal: sends the 1750 Hz tone that opens many analog repeaters. Group call: calls a group. Pri ch scan: scans with the priority channel. Kill, Wake: send the remote kill or wake-up command.</source>
        <translation>Wat kort indrukken van de bovenste toets TK1 doet. Geen: niets. Monitor (alleen lang indrukken): opent de squelch om naar zwakke signalen te luisteren. Scan: start of stopt het scannen. Stoorkanaal overslaan: haalt het kanaal waarop het scannen is gestopt voorlopig uit de scan. VOX: schakelt VOX in of uit. Hoog/laag vermogen: wisselt het zendvermogen. Accuniveau: meldt de accuspanning. Noodalarm: activeert het noodalarm. Auto-contact, Alleenwerken, Talkaround, Omkeren: schakelt die functie. Oproep 1, Oproep 2: verstuurt de oproep van het kanaal. Kanaaltype: wisselt tussen analoog en digitaal. 1750 Hz-toon: zendt de toon van 1750 Hz die veel analoge repeaters opent. Groepsoproep: roept een groep op. Prio-kanaalscan: scant met het prioriteitskanaal. Uitschakelen, Activeren: verstuurt de opdracht om op afstand uit te schakelen of weer te activeren.</translation>
    </message>
    <message>
        <source>What holding side key 1 does. None: nothing. Monitor (long press only): opens the squelch to listen to weak signals. Scan: starts or stops scanning. Noise ch tmp remove: takes the channel scanning stopped on out of the scan for now. VOX: switches VOX on or off. Hihg/Low power: changes the transmit power. Power detect: tells the battery level. EMI: raises the emergency alarm. Auto contact, Work alone, Talk around, Reverse: switch that function. Call 1, Call 2: send the channel&apos;s call. Channel type: changes between analog and digital. 1750 signal: sends the 1750 Hz tone that opens many analog repeaters. Group call: calls a group. Pri ch scan: scans with the priority channel. Kill, Wake: send the remote kill or wake-up command.</source>
        <translation>Wat lang indrukken van zijtoets 1 doet. Geen: niets. Monitor (alleen lang indrukken): opent de squelch om naar zwakke signalen te luisteren. Scan: start of stopt het scannen. Stoorkanaal overslaan: haalt het kanaal waarop het scannen is gestopt voorlopig uit de scan. VOX: schakelt VOX in of uit. Hoog/laag vermogen: wisselt het zendvermogen. Accuniveau: meldt de accuspanning. Noodalarm: activeert het noodalarm. Auto-contact, Alleenwerken, Talkaround, Omkeren: schakelt die functie. Oproep 1, Oproep 2: verstuurt de oproep van het kanaal. Kanaaltype: wisselt tussen analoog en digitaal. 1750 Hz-toon: zendt de toon van 1750 Hz die veel analoge repeaters opent. Groepsoproep: roept een groep op. Prio-kanaalscan: scant met het prioriteitskanaal. Uitschakelen, Activeren: verstuurt de opdracht om op afstand uit te schakelen of weer te activeren.</translation>
    </message>
    <message>
        <source>What holding side key 2 does. None: nothing. Monitor (long press only): opens the squelch to listen to weak signals. Scan: starts or stops scanning. Noise ch tmp remove: takes the channel scanning stopped on out of the scan for now. VOX: switches VOX on or off. Hihg/Low power: changes the transmit power. Power detect: tells the battery level. EMI: raises the emergency alarm. Auto contact, Work alone, Talk around, Reverse: switch that function. Call 1, Call 2: send the channel&apos;s call. Channel type: changes between analog and digital. 1750 signal: sends the 1750 Hz tone that opens many analog repeaters. Group call: calls a group. Pri ch scan: scans with the priority channel. Kill, Wake: send the remote kill or wake-up command.</source>
        <translation>Wat lang indrukken van zijtoets 2 doet. Geen: niets. Monitor (alleen lang indrukken): opent de squelch om naar zwakke signalen te luisteren. Scan: start of stopt het scannen. Stoorkanaal overslaan: haalt het kanaal waarop het scannen is gestopt voorlopig uit de scan. VOX: schakelt VOX in of uit. Hoog/laag vermogen: wisselt het zendvermogen. Accuniveau: meldt de accuspanning. Noodalarm: activeert het noodalarm. Auto-contact, Alleenwerken, Talkaround, Omkeren: schakelt die functie. Oproep 1, Oproep 2: verstuurt de oproep van het kanaal. Kanaaltype: wisselt tussen analoog en digitaal. 1750 Hz-toon: zendt de toon van 1750 Hz die veel analoge repeaters opent. Groepsoproep: roept een groep op. Prio-kanaalscan: scant met het prioriteitskanaal. Uitschakelen, Activeren: verstuurt de opdracht om op afstand uit te schakelen of weer te activeren.</translation>
    </message>
    <message>
        <source>What holding the top key TK1 does. None: nothing. Monitor (long press only): opens the squelch to listen to weak signals. Scan: starts or stops scanning. Noise ch tmp remove: takes the channel scanning stopped on out of the scan for now. VOX: switches VOX on or off. Hihg/Low power: changes the transmit power. Power detect: tells the battery level. EMI: raises the emergency alarm. Auto contact, Work alone, Talk around, Reverse: switch that function. Call 1, Call 2: send the channel&apos;s call. Channel type: changes between analog and digital. 1750 signal: sends the 1750 Hz tone that opens many analog repeaters. Group call: calls a group. Pri ch scan: scans with the priority channel. Kill, Wake: send the remote kill or wake-up command.</source>
        <translation>Wat lang indrukken van de bovenste toets TK1 doet. Geen: niets. Monitor (alleen lang indrukken): opent de squelch om naar zwakke signalen te luisteren. Scan: start of stopt het scannen. Stoorkanaal overslaan: haalt het kanaal waarop het scannen is gestopt voorlopig uit de scan. VOX: schakelt VOX in of uit. Hoog/laag vermogen: wisselt het zendvermogen. Accuniveau: meldt de accuspanning. Noodalarm: activeert het noodalarm. Auto-contact, Alleenwerken, Talkaround, Omkeren: schakelt die functie. Oproep 1, Oproep 2: verstuurt de oproep van het kanaal. Kanaaltype: wisselt tussen analoog en digitaal. 1750 Hz-toon: zendt de toon van 1750 Hz die veel analoge repeaters opent. Groepsoproep: roept een groep op. Prio-kanaalscan: scant met het prioriteitskanaal. Uitschakelen, Activeren: verstuurt de opdracht om op afstand uit te schakelen of weer te activeren.</translation>
    </message>
    <message>
        <source>What the Call 1 key function sends on this channel: Off, Call (a call to the contact below) or Msg (a short message to it).</source>
        <translation>Wat de toetsfunctie Oproep 1 op dit kanaal verzendt: Uit, Oproep (een oproep aan het contact hieronder) of Bericht (een kort bericht aan dat contact).</translation>
    </message>
    <message>
        <source>What the Call 2 key function sends on this channel: Off, Call (a call to the contact below) or Msg (a short message to it).</source>
        <translation>Wat de toetsfunctie Oproep 2 op dit kanaal verzendt: Uit, Oproep (een oproep aan het contact hieronder) of Bericht (een kort bericht aan dat contact).</translation>
    </message>
    <message>
        <source>What the emergency alarm does: Off (no alarm), Only whistle (a siren at the radio only), Normal, Secret (no sound at the radio) or Send alarm id (the alarm id code is sent).</source>
        <translation>Wat het noodalarm doet: Uit (geen alarm), Alleen sirene (een sirene alleen op de radio zelf), Normaal, Stil (geen geluid op de radio) of Alarm-ID zenden (de alarm-ID wordt verzonden).</translation>
    </message>
    <message>
        <source>What the radio does when it receives a call to its Person ID: None, Remind (an alert at the radio), Reply (it answers automatically) or Remind and Reply.</source>
        <translation>Wat de radio doet wanneer hij een oproep aan zijn Eigen ID ontvangt: Geen, Melden (een signaal op de radio), Antwoorden (hij antwoordt automatisch) of Melden en antwoorden.</translation>
    </message>
    <message>
        <source>When a channel with PTTID sends its identity: On line (the On-line code when PTT is pressed), Off line (the Off-line code when it is released) or Both.</source>
        <translation>Wanneer een kanaal met PTTID zijn identiteit verzendt: Bij indrukken (de Code bij indrukken wanneer PTT wordt ingedrukt), Bij loslaten (de Code bij loslaten wanneer PTT wordt losgelaten) of Beide.</translation>
    </message>
    <message>
        <source>Whether the radio may be copied (cloned) to another radio over a cable: On allows it, Off refuses.</source>
        <translation>Of de radio via een kabel naar een andere radio mag worden gekopieerd (gekloond): Aan staat het toe, Uit weigert het.</translation>
    </message>
    <message>
        <source>Whether the radio may copy its configuration to another radio over the air: On allows it, Off refuses.</source>
        <translation>Of de radio zijn configuratie draadloos naar een andere radio mag kopiëren: Aan staat het toe, Uit weigert het.</translation>
    </message>
    <message>
        <source>Wide</source>
        <translation>Breed</translation>
    </message>
    <message>
        <source>Wide noise close</source>
        <translation>Ruis breed dicht</translation>
    </message>
    <message>
        <source>Wide noise open</source>
        <translation>Ruis breed open</translation>
    </message>
    <message>
        <source>Wired copy</source>
        <translation>Kabelkopie</translation>
    </message>
    <message>
        <source>Wireless copy</source>
        <translation>Draadloze kopie</translation>
    </message>
    <message>
        <source>With scan mode Time: how long scanning stays on a busy channel before it moves on, 0.5 to 10.0 seconds in steps of 0.5.</source>
        <translation>Bij scanmodus Tijd: hoe lang het scannen op een bezet kanaal blijft voordat het verdergaat, 0.5 t/m 10.0 seconden in stappen van 0.5.</translation>
    </message>
    <message>
        <source>Work alone</source>
        <translation>Alleenwerken</translation>
    </message>
    <message>
        <source>Work alone pre-remind (s)</source>
        <translation>Vooralarm alleenwerken (s)</translation>
    </message>
    <message>
        <source>Work alone time (min)</source>
        <translation>Alleenwerktijd (min)</translation>
    </message>
    <message>
        <source>all ch</source>
        <translation>alle kanalen</translation>
    </message>
    <message>
        <source>allow</source>
        <translation>toestaan</translation>
    </message>
    <message>
        <source>allow: the radio shows a received DTMF code on its display; prohibit: it does not.</source>
        <translation>toestaan: de radio toont een ontvangen DTMF-code op zijn display; verbieden: hij doet dat niet.</translation>
    </message>
    <message>
        <source>continue</source>
        <translation>doorlopend</translation>
    </message>
    <message>
        <source>dPMR param</source>
        <translation>dPMR-parameters</translation>
    </message>
    <message>
        <source>entry ch before scan</source>
        <translation>kanaal vóór scan</translation>
    </message>
    <message>
        <source>last active ch</source>
        <translation>laatst actieve kanaal</translation>
    </message>
    <message>
        <source>prohibit</source>
        <translation>verbieden</translation>
    </message>
    <message>
        <source>tx inhibit</source>
        <translation>Tx blokkeren</translation>
    </message>
    <message>
        <source>tx pre-carrier time</source>
        <translation>Draaggolf vooraf</translation>
    </message>
    <message>
        <source>tx/rx inhibit</source>
        <translation>Tx/Rx blokkeren</translation>
    </message>
    <message>
        <source>unlimited</source>
        <translation>onbeperkt</translation>
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
        <translation>Individuele oproep</translation>
    </message>
</context>
<context>
    <name>FleetJobReport</name>
    <message>
        <source>(not saved)</source>
        <translation>(niet opgeslagen)</translation>
    </message>
    <message>
        <source>Fleet job</source>
        <translation>Opdracht meerdere radio&apos;s</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Datum: %1</translation>
    </message>
    <message>
        <source>Template: %1</source>
        <translation>Sjabloon: %1</translation>
    </message>
    <message>
        <source>Template CRC-32: %1</source>
        <translation>CRC-32 van sjabloon: %1</translation>
    </message>
</context>
<context>
    <name>FlexGrid</name>
    <message>
        <source>%1, row %2</source>
        <translation>%1, rij %2</translation>
    </message>
</context>
<context>
    <name>ReportBox</name>
    <message>
        <source>
... and %1 more</source>
        <translation>
... en nog %1</translation>
    </message>
</context>
<context>
    <name>ServiceDialog</name>
    <message>
        <source>Reading the squelch calibration from the radio...</source>
        <translation>De squelchkalibratie wordt uit de radio gelezen...</translation>
    </message>
    <message>
        <source>Writing the squelch calibration to the radio...</source>
        <translation>De squelchkalibratie wordt naar de radio geschreven...</translation>
    </message>
    <message>
        <source>Reading the adjustment values from the radio...</source>
        <translation>De afstelwaarden worden uit de radio gelezen...</translation>
    </message>
    <message>
        <source>Writing the adjustment values to the radio...</source>
        <translation>De afstelwaarden worden naar de radio geschreven...</translation>
    </message>
    <message>
        <source>Read the adjustment values from the radio</source>
        <translation>De afstelwaarden uit de radio lezen</translation>
    </message>
    <message>
        <source>Write the adjustment values to the radio</source>
        <translation>De afstelwaarden naar de radio schrijven</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>&amp;Lezen</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>&amp;Schrijven</translation>
    </message>
</context>
<context>
    <name>ServiceTransfer</name>
    <message>
        <source>&amp;Check the connection</source>
        <translation>&amp;Verbinding controleren</translation>
    </message>
</context>
<context>
    <name>backup</name>
    <message>
        <source>No backup of the read was kept: %1</source>
        <translation>Er is geen back-up van het lezen bewaard: %1</translation>
    </message>
    <message>
        <source>No backup of the write was kept: %1</source>
        <translation>Er is geen back-up van het schrijven bewaard: %1</translation>
    </message>
    <message>
        <source>No backup of the write-failed was kept: %1</source>
        <translation>Er is geen back-up van het mislukte schrijven bewaard: %1</translation>
    </message>
    <message>
        <source>cannot make the folder &quot;%1&quot;: %2.</source>
        <translation>kan de map &quot;%1&quot; niet aanmaken: %2.</translation>
    </message>
    <message>
        <source>cannot use the folder &quot;%1&quot;: %2.</source>
        <translation>kan de map &quot;%1&quot; niet gebruiken: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder.</source>
        <translation>&quot;%1&quot; is geen map.</translation>
    </message>
    <message>
        <source>there is no home folder to keep it in.</source>
        <translation>er is geen persoonlijke map om de back-up in te bewaren.</translation>
    </message>
    <message>
        <source>cannot write &quot;%1&quot;: %2.</source>
        <translation>kan &quot;%1&quot; niet schrijven: %2.</translation>
    </message>
    <message>
        <source>too many backups made within the same second.</source>
        <translation>te veel back-ups binnen dezelfde seconde gemaakt.</translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; could not be marked as a failed write: %2</source>
        <translation>De back-up &quot;%1&quot; kon niet worden gemarkeerd als mislukt schrijven: %2</translation>
    </message>
    <message>
        <source>it is no write backup.</source>
        <translation>het is geen back-up van het schrijven.</translation>
    </message>
    <message>
        <source>Cannot read the backup folder &quot;%1&quot;: %2.</source>
        <translation>Kan de back-upmap &quot;%1&quot; niet lezen: %2.</translation>
    </message>
</context>
<context>
    <name>channels</name>
    <message>
        <source>the channel&apos;s receive-only bit is always written as 0</source>
        <translation>de alleen-ontvangenbit van het kanaal wordt altijd als 0 geschreven</translation>
    </message>
    <message>
        <source>&quot;Signal type&quot; is &quot;Off&quot;</source>
        <translation>&quot;Signaaltype&quot; staat op &quot;Uit&quot;</translation>
    </message>
    <message>
        <source>the call&apos;s &quot;Type&quot; is &quot;Off&quot;</source>
        <translation>&quot;Type&quot; van de oproep staat op &quot;Uit&quot;</translation>
    </message>
    <message>
        <source>Rx and Tx freq are equal</source>
        <translation>Rx- en Tx-freq. zijn gelijk</translation>
    </message>
    <message>
        <source>the channel is empty: give it an Rx freq first</source>
        <translation>het kanaal is leeg: geef het eerst een Rx-freq.</translation>
    </message>
    <message>
        <source>%1 needs %2-%3 MHz; this file&apos;s band is %4-%5 MHz</source>
        <translation>%1 vraagt %2-%3 MHz; de band van dit bestand is %4-%5 MHz</translation>
    </message>
    <message>
        <source>%1 channel %2 (%3 MHz) is not on the file&apos;s channel raster: it would be stored as %4 MHz</source>
        <translation>%1 kanaal %2 (%3 MHz) ligt niet op het kanaalraster van het bestand: het zou worden opgeslagen als %4 MHz</translation>
    </message>
    <message>
        <source>%1 has channels 1 to %2; there is no channel %3</source>
        <translation>%1 heeft kanalen 1 t/m %2; er is geen kanaal %3</translation>
    </message>
    <message>
        <source>the table has channels 1 to 16; there is no channel %1</source>
        <translation>de tabel heeft kanalen 1 t/m 16; er is geen kanaal %1</translation>
    </message>
    <message>
        <source>%1 channels are digital: CTCSS tones do not apply to them</source>
        <translation>%1-kanalen zijn digitaal: CTCSS-tonen gelden er niet voor</translation>
    </message>
    <message>
        <source>%1 is no CTCSS tone of the list (63.0 to 254.1, as &quot;67.0&quot;)</source>
        <translation>%1 is geen CTCSS-toon uit de lijst (63.0 t/m 254.1, zoals &quot;67.0&quot;)</translation>
    </message>
    <message>
        <source>one tone per channel from %1 Hz needs %2 tones; the list has %3 from there (start at %4 Hz or lower)</source>
        <translation>één toon per kanaal vanaf %1 Hz vraagt %2 tonen; de lijst heeft er vanaf daar %3 (begin bij %4 Hz of lager)</translation>
    </message>
    <message>
        <source>channel %1: %2</source>
        <translation>kanaal %1: %2</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 t/m %2</translation>
    </message>
    <message>
        <source>%1: %2 (%3 MHz), Narrow, %4</source>
        <translation>%1: %2 (%3 MHz), Smal, %4</translation>
    </message>
    <message>
        <source>%1, no tones</source>
        <translation>%1, geen tonen</translation>
    </message>
    <message>
        <source>%1, tone %2 Hz</source>
        <translation>%1, toon %2 Hz</translation>
    </message>
    <message>
        <source>%1, tones %2 to %3 Hz</source>
        <translation>%1, tonen %2 t/m %3 Hz</translation>
    </message>
    <message>
        <source>%1 left unchanged: %2 ends at channel %3</source>
        <translation>%1 ongewijzigd gelaten: %2 eindigt bij kanaal %3</translation>
    </message>
    <message>
        <source>Channel %1</source>
        <translation>Kanaal %1</translation>
    </message>
    <message>
        <source>Channels %1</source>
        <translation>Kanalen %1</translation>
    </message>
    <message>
        <source>channel %1</source>
        <translation>kanaal %1</translation>
    </message>
    <message>
        <source>channels %1</source>
        <translation>kanalen %1</translation>
    </message>
    <message>
        <source>Not find factory.dat
%1</source>
        <translation>factory.dat niet gevonden
%1</translation>
    </message>
    <message>
        <source>%1 is outside %2-%3 MHz: set to %4</source>
        <translation>%1 ligt buiten %2-%3 MHz: ingesteld op %4</translation>
    </message>
    <message>
        <source>%1 is not on the channel raster: set to %2</source>
        <translation>%1 ligt niet op het kanaalraster: ingesteld op %2</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 of %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 is not %2: left as it was</source>
        <translation>%1 is niet %2: gelaten zoals het was</translation>
    </message>
    <message>
        <source>no channel: left empty</source>
        <translation>geen kanaal: leeg gelaten</translation>
    </message>
    <message>
        <source>Select two or more channels first (their row numbers, or Shift with the arrows)</source>
        <translation>Selecteer eerst twee of meer kanalen (hun rijnummers, of Shift met de pijltoetsen)</translation>
    </message>
    <message>
        <source>%1 is set one channel at a time: choose a cell of Rx Tone to Channel type</source>
        <translation>%1 wordt per kanaal ingesteld: kies een cel van Rx-toon t/m Kanaaltype</translation>
    </message>
    <message>
        <source>%1 holds no channel: nothing to apply</source>
        <translation>%1 bevat geen kanaal: niets toe te passen</translation>
    </message>
    <message>
        <source>no channel</source>
        <translation>geen kanaal</translation>
    </message>
    <message>
        <source>greyed out</source>
        <translation>grijs weergegeven</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not offered</source>
        <translation>&quot;%1&quot; wordt niet aangeboden</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; given to %3 as well</source>
        <translation>%1 &quot;%2&quot; ook gegeven aan %3</translation>
    </message>
    <message>
        <source>%1 keeps its %2: %3</source>
        <translation>%1 behoudt zijn %2: %3</translation>
    </message>
</context>
<context>
    <name>check</name>
    <message>
        <source>Channel %1: %2</source>
        <translation>Kanaal %1: %2</translation>
    </message>
    <message>
        <source>contact %1 does not exist (contacts are 1-64)</source>
        <translation>contact %1 bestaat niet (contacten zijn 1-64)</translation>
    </message>
    <message>
        <source>contact %1 is a free contact slot</source>
        <translation>contact %1 is een vrije contactplaats</translation>
    </message>
    <message>
        <source>The dPMR radio name is empty</source>
        <translation>De dPMR-radionaam is leeg</translation>
    </message>
    <message>
        <source>Tx Freq is empty while Rx Freq is set</source>
        <translation>Tx-freq. is leeg terwijl Rx-freq. is ingesteld</translation>
    </message>
    <message>
        <source>Rx %1 MHz is outside the band %2</source>
        <translation>Rx %1 MHz ligt buiten de band %2</translation>
    </message>
    <message>
        <source>Tx %1 MHz is outside the band %2</source>
        <translation>Tx %1 MHz ligt buiten de band %2</translation>
    </message>
    <message>
        <source>Rx tone %1 is not a standard DCS code</source>
        <translation>Rx-toon %1 is geen standaard-DCS-code</translation>
    </message>
    <message>
        <source>Tx tone %1 is not a standard DCS code</source>
        <translation>Tx-toon %1 is geen standaard-DCS-code</translation>
    </message>
    <message>
        <source>Tx %1</source>
        <translation>Tx-%1</translation>
    </message>
    <message>
        <source>group rx list %1 does not exist (lists are 1-16)</source>
        <translation>Rx-groepslijst %1 bestaat niet (lijsten zijn 1-16)</translation>
    </message>
    <message>
        <source>group rx list %1 has no member</source>
        <translation>Rx-groepslijst %1 heeft geen leden</translation>
    </message>
    <message>
        <source>%1 selects DTMF code %2, which does not exist (codes are 1-16)</source>
        <translation>%1 kiest DTMF-code %2, die niet bestaat (codes zijn 1-16)</translation>
    </message>
    <message>
        <source>%1 selects DTMF code %2, which is empty</source>
        <translation>%1 kiest DTMF-code %2, die leeg is</translation>
    </message>
    <message>
        <source>Group rx list %1: %2</source>
        <translation>Rx-groepslijst %1: %2</translation>
    </message>
    <message>
        <source>Group rx list %1: contact %2 is a single call, not a group</source>
        <translation>Rx-groepslijst %1: contact %2 is een individuele oproep, geen groep</translation>
    </message>
    <message>
        <source>Group rx list %1: contact %2 (%3) is a single call, not a group</source>
        <translation>Rx-groepslijst %1: contact %2 (%3) is een individuele oproep, geen groep</translation>
    </message>
    <message>
        <source>error: %1</source>
        <translation>fout: %1</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>waarschuwing: %1</translation>
    </message>
</context>
<context>
    <name>codec</name>
    <message>
        <source>%1 is not a DCS code (DCS codes use the digits 0 to 7): left as it was</source>
        <translation>%1 is geen DCS-code (DCS-codes gebruiken de cijfers 0 t/m 7): gelaten zoals het was</translation>
    </message>
    <message>
        <source>%1 is not a DCS code (DCS codes use the digits 0 to 7); type %2 for %2 Hz: left as it was</source>
        <translation>%1 is geen DCS-code (DCS-codes gebruiken de cijfers 0 t/m 7); typ %2 voor %2 Hz: gelaten zoals het was</translation>
    </message>
    <message>
        <source>%1 was taken as DCS %2</source>
        <translation>%1 is opgevat als DCS %2</translation>
    </message>
    <message>
        <source>%1 was taken as DCS %2; type %3 for %3 Hz</source>
        <translation>%1 is opgevat als DCS %2; typ %3 voor %3 Hz</translation>
    </message>
    <message>
        <source>%1 is not a tone: set to None</source>
        <translation>%1 is geen toon: ingesteld op Geen</translation>
    </message>
</context>
<context>
    <name>config</name>
    <message>
        <source>The port is kept in %1.</source>
        <translation>De poort wordt bewaard in %1.</translation>
    </message>
    <message>
        <source>The port is kept in %1, because %2 cannot be written.</source>
        <translation>De poort wordt bewaard in %1, omdat %2 niet kan worden geschreven.</translation>
    </message>
</context>
<context>
    <name>dialogs</name>
    <message>
        <source>channel range %1 is not channelA-B with 1 &lt;= A &lt;= B &lt;= 16</source>
        <translation>kanaalbereik %1 is niet channelA-B met 1 &lt;= A &lt;= B &lt;= 16</translation>
    </message>
    <message>
        <source>%1 is not an entry of %2 (%3)</source>
        <translation>%1 is geen keuze uit %2 (%3)</translation>
    </message>
    <message>
        <source>%1 (%2) takes 0 or 1</source>
        <translation>%1 (%2) neemt 0 of 1</translation>
    </message>
    <message>
        <source>unknown key %1 (see dpmrtool fields)</source>
        <translation>onbekende sleutel %1 (zie dpmrtool fields)</translation>
    </message>
    <message>
        <source>%1 is a factory value of the radio (service dialog %2); add --service to change it</source>
        <translation>%1 is een fabriekswaarde van de radio (servicedialoogvenster %2); voeg --service toe om haar te wijzigen</translation>
    </message>
    <message>
        <source>%1 is not shown by %2 for this image (see dpmrtool fields FILE.dat)</source>
        <translation>%1 wordt voor deze image niet getoond door %2 (zie dpmrtool fields FILE.dat)</translation>
    </message>
    <message>
        <source>%1 (%2) is greyed out in %3</source>
        <translation>%1 (%2) is grijs weergegeven in %3</translation>
    </message>
    <message>
        <source>%1 (%2) is greyed out in %3: %4</source>
        <translation>%1 (%2) is grijs weergegeven in %3: %4</translation>
    </message>
    <message>
        <source>%1 (%2) has no spin</source>
        <translation>%1 (%2) heeft geen pijltjes</translation>
    </message>
</context>
<context>
    <name>dpmr</name>
    <message>
        <source>the name is empty</source>
        <translation>de naam is leeg</translation>
    </message>
    <message>
        <source>the name %1 is longer than 8 bytes</source>
        <translation>de naam %1 is langer dan 8 bytes</translation>
    </message>
    <message>
        <source>the name %1 holds a control character</source>
        <translation>de naam %1 bevat een stuurteken</translation>
    </message>
    <message>
        <source>the number is empty</source>
        <translation>het nummer is leeg</translation>
    </message>
    <message>
        <source>the number %1 is longer than 7 characters</source>
        <translation>het nummer %1 is langer dan 7 tekens</translation>
    </message>
    <message>
        <source>the number %1 may hold only the digits 0 to 9 and &quot;*&quot;</source>
        <translation>het nummer %1 mag alleen de cijfers 0 t/m 9 en &quot;*&quot; bevatten</translation>
    </message>
    <message>
        <source>more than 8 members</source>
        <translation>meer dan 8 leden</translation>
    </message>
    <message>
        <source>no contact is named %1</source>
        <translation>geen contact heet %1</translation>
    </message>
    <message>
        <source>more than one contact is named %1</source>
        <translation>meer dan één contact heet %1</translation>
    </message>
    <message>
        <source>%1 is a single call; the lists take group calls</source>
        <translation>%1 is een individuele oproep; de lijsten nemen groepsoproepen</translation>
    </message>
    <message>
        <source>%1 is named twice</source>
        <translation>%1 is twee keer genoemd</translation>
    </message>
    <message>
        <source>more than 64 contacts</source>
        <translation>meer dan 64 contacten</translation>
    </message>
    <message>
        <source>expected 3 fields (Name,Number,Type), found %1</source>
        <translation>3 velden verwacht (Name,Number,Type), %1 gevonden</translation>
    </message>
    <message>
        <source>the type %1 is neither %2 nor %3</source>
        <translation>het type %1 is %2 noch %3</translation>
    </message>
    <message>
        <source>the name %1 is already on line %2</source>
        <translation>de naam %1 staat al op regel %2</translation>
    </message>
    <message>
        <source>the number %1 is already on line %2</source>
        <translation>het nummer %1 staat al op regel %2</translation>
    </message>
    <message>
        <source>no contact follows; the radio needs one</source>
        <translation>er volgt geen contact; de radio heeft er een nodig</translation>
    </message>
    <message>
        <source>no free contact record is left for this contact</source>
        <translation>er is geen vrij contactrecord meer voor dit contact</translation>
    </message>
    <message>
        <source>%1 is already %2&apos;s</source>
        <translation>%1 is al van %2</translation>
    </message>
    <message>
        <source>the list %1 is no number from 1 to 16</source>
        <translation>de lijst %1 is geen nummer van 1 t/m 16</translation>
    </message>
    <message>
        <source>list %1 is already on line %2</source>
        <translation>lijst %1 staat al op regel %2</translation>
    </message>
</context>
<context>
    <name>fleet</name>
    <message>
        <source>radio %1 (%2) looks like the radio just written as %3 (&quot;%4&quot;, %5): is the next radio on the cable?</source>
        <translation>radio %1 (%2) lijkt op de radio die zojuist is geschreven als %3 (&quot;%4&quot;, %5): is de volgende radio wel op de kabel aangesloten?</translation>
    </message>
    <message>
        <source>radio %1 (%2) is to get the ID %3, which the backups show on another radio: &quot;%4&quot; (backup of %5)</source>
        <translation>radio %1 (%2) moet de ID %3 krijgen, die volgens de back-ups op een andere radio staat: &quot;%4&quot; (back-up van %5)</translation>
    </message>
    <message>
        <source>a row of the list holds a name, a dPMR ID and, optionally, a port, but this one has 1 column</source>
        <translation>een rij van de lijst bevat een naam, een dPMR-ID en eventueel een poort, maar deze heeft 1 kolom</translation>
    </message>
    <message>
        <source>a row of the list holds a name, a dPMR ID and, optionally, a port, but this one has %1 columns</source>
        <translation>een rij van de lijst bevat een naam, een dPMR-ID en eventueel een poort, maar deze heeft %1 kolommen</translation>
    </message>
    <message>
        <source>the list holds no radio</source>
        <translation>de lijst bevat geen radio</translation>
    </message>
    <message>
        <source>the port %1 is also %2&apos;s</source>
        <translation>de poort %1 is ook van %2</translation>
    </message>
    <message>
        <source>the port %1 is given twice</source>
        <translation>de poort %1 is twee keer opgegeven</translation>
    </message>
    <message>
        <source>no port is left for this row: name its port in the list or connect one more radio</source>
        <translation>er is geen poort meer over voor deze rij: noem de poort in de lijst of sluit nog een radio aan</translation>
    </message>
    <message>
        <source>the row has no dPMR ID</source>
        <translation>de rij heeft geen dPMR-ID</translation>
    </message>
    <message>
        <source>the dPMR ID %1 is not a number of up to 7 digits</source>
        <translation>de dPMR-ID %1 is geen getal van maximaal 7 cijfers</translation>
    </message>
    <message>
        <source>the radio would replace the dPMR ID %1 (it takes 0000001 to 9000000, not 1000000, 2000000, ... 9000000)</source>
        <translation>de radio zou de dPMR-ID %1 vervangen (hij neemt 0000001 t/m 9000000, niet 1000000, 2000000, ... 9000000)</translation>
    </message>
    <message>
        <source>the dPMR ID %1 is given twice: also %2</source>
        <translation>de dPMR-ID %1 is twee keer opgegeven: ook %2</translation>
    </message>
    <message>
        <source>the name %1 holds a character the radio cannot show (only plain ASCII letters, digits and signs)</source>
        <translation>de naam %1 bevat een teken dat de radio niet kan tonen (alleen gewone ASCII-letters, cijfers en tekens)</translation>
    </message>
    <message>
        <source>the name &quot;%1&quot; is cut to the radio&apos;s 8 characters: &quot;%2&quot;</source>
        <translation>de naam &quot;%1&quot; wordt ingekort tot de 8 tekens van de radio: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>cut to 8 characters, the name is &quot;%1&quot;, the same as %2&apos;s</source>
        <translation>ingekort tot 8 tekens is de naam &quot;%1&quot;, dezelfde als die van %2</translation>
    </message>
    <message>
        <source>the name &quot;%1&quot; is also %2&apos;s</source>
        <translation>de naam &quot;%1&quot; is ook van %2</translation>
    </message>
    <message>
        <source>the port %1 has no row of the list and is not written</source>
        <translation>de poort %1 heeft geen rij in de lijst en wordt niet geschreven</translation>
    </message>
    <message>
        <source>the name pattern &apos;%1&apos; holds a character the radio cannot show (only plain ASCII letters, digits and signs)</source>
        <translation>het naampatroon &apos;%1&apos; bevat een teken dat de radio niet kan tonen (alleen gewone ASCII-letters, cijfers en tekens)</translation>
    </message>
    <message>
        <source>the name pattern &apos;%1&apos; has a lone &apos;}&apos;</source>
        <translation>het naampatroon &apos;%1&apos; heeft een losse &apos;}&apos;</translation>
    </message>
    <message>
        <source>the name pattern &apos;%1&apos; has a &apos;{&apos; without &apos;}&apos;</source>
        <translation>het naampatroon &apos;%1&apos; heeft een &apos;{&apos; zonder &apos;}&apos;</translation>
    </message>
    <message>
        <source>{%1} in the name pattern: the ID has 1 to 7 digits to keep</source>
        <translation>{%1} in het naampatroon: de ID heeft 1 t/m 7 cijfers om te behouden</translation>
    </message>
    <message>
        <source>{%1} in the name pattern is not known: use {n}, {id} or {id:4}</source>
        <translation>{%1} in het naampatroon is onbekend: gebruik {n}, {id} of {id:4}</translation>
    </message>
    <message>
        <source>radio %1: the name &quot;%2&quot; is cut to the radio&apos;s 8 characters: &quot;%3&quot;</source>
        <translation>radio %1: de naam &quot;%2&quot; wordt ingekort tot de 8 tekens van de radio: &quot;%3&quot;</translation>
    </message>
    <message>
        <source>no port given: name at least one radio&apos;s port</source>
        <translation>geen poort opgegeven: noem de poort van ten minste één radio</translation>
    </message>
    <message>
        <source>an empty port name was given</source>
        <translation>er is een lege poortnaam opgegeven</translation>
    </message>
    <message>
        <source>an ID start value and keeping each radio&apos;s identity exclude each other</source>
        <translation>een start-ID en het behouden van de identiteit van elke radio sluiten elkaar uit</translation>
    </message>
    <message>
        <source>the first radio ID must have at most 7 digits (1 to 9999999)</source>
        <translation>de eerste radio-ID mag hoogstens 7 cijfers hebben (1 t/m 9999999)</translation>
    </message>
    <message>
        <source>the ID step must have at most 7 digits</source>
        <translation>de ID-stap mag hoogstens 7 cijfers hebben</translation>
    </message>
    <message>
        <source>every radio needs an ID of its own, but all %1 would get the document&apos;s ID %2: give a first ID and a step, or keep each radio&apos;s identity</source>
        <translation>elke radio heeft een eigen ID nodig, maar alle %1 zouden de ID %2 van het document krijgen: geef een eerste ID en een stap op, of behoud de identiteit van elke radio</translation>
    </message>
    <message>
        <source>radio %1 (%2) would get the ID %3, which has no 7-digit form</source>
        <translation>radio %1 (%2) zou de ID %3 krijgen, die geen 7-cijferige vorm heeft</translation>
    </message>
    <message>
        <source>radio %1 (%2) would get the ID %3, which the radio does not take (0000001 to 9000000, not 1000000, 2000000, ... 9000000): choose another start or step</source>
        <translation>radio %1 (%2) zou de ID %3 krijgen, die de radio niet aanneemt (0000001 t/m 9000000, niet 1000000, 2000000, ... 9000000): kies een andere start of stap</translation>
    </message>
    <message>
        <source>radios %1 and %2 would both be named &quot;%3&quot; once cut to the radio&apos;s 8 characters: shorten the pattern or put the ID&apos;s digits first</source>
        <translation>radio&apos;s %1 en %2 zouden allebei &quot;%3&quot; heten na inkorten tot de 8 tekens van de radio: maak het patroon korter of zet de cijfers van de ID vooraan</translation>
    </message>
    <message>
        <source>every radio needs an ID of its own, but the step repeats %1</source>
        <translation>elke radio heeft een eigen ID nodig, maar de stap herhaalt %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>ID %1 on %2</source>
        <translation>ID %1 op %2</translation>
    </message>
    <message>
        <source>wire trace: %1</source>
        <translation>verbindingslog: %1</translation>
    </message>
    <message>
        <source>stopped before its configuration was sent</source>
        <translation>gestopt voordat zijn configuratie was verzonden</translation>
    </message>
    <message>
        <source>no read backup kept: there is no folder for backups</source>
        <translation>geen back-up van het lezen bewaard: er is geen map voor back-ups</translation>
    </message>
    <message>
        <source>no write backup kept: there is no folder for backups</source>
        <translation>geen back-up van het schrijven bewaard: er is geen map voor back-ups</translation>
    </message>
    <message>
        <source>stopped while reading the radio; nothing was sent</source>
        <translation>gestopt tijdens het lezen van de radio; er is niets verzonden</translation>
    </message>
    <message>
        <source>two radios hold the same ID, so none was written: %1</source>
        <translation>twee radio&apos;s hebben dezelfde ID, dus er is geen enkele geschreven: %1</translation>
    </message>
    <message>
        <source>its squelch calibration could not be read, so nothing was sent: %1</source>
        <translation>zijn squelchkalibratie kon niet worden gelezen, dus er is niets verzonden: %1</translation>
    </message>
    <message>
        <source>not written, after the warning: %1</source>
        <translation>niet geschreven, na de waarschuwing: %1</translation>
    </message>
    <message>
        <source>its configuration has errors and was not sent: %1</source>
        <translation>zijn configuratie bevat fouten en is niet verzonden: %1</translation>
    </message>
    <message>
        <source>written despite errors: %1</source>
        <translation>ondanks fouten geschreven: %1</translation>
    </message>
    <message>
        <source>row</source>
        <translation>rij</translation>
    </message>
    <message>
        <source>radio %1</source>
        <translation>radio %1</translation>
    </message>
    <message>
        <source>line</source>
        <translation>regel</translation>
    </message>
    <message>
        <source>not run</source>
        <translation>niet uitgevoerd</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>gecontroleerd</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>gestopt</translation>
    </message>
    <message>
        <source>broke off</source>
        <translation>afgebroken</translation>
    </message>
    <message>
        <source>differs</source>
        <translation>wijkt af</translation>
    </message>
    <message>
        <source>not asked</source>
        <translation>niet gevraagd</translation>
    </message>
</context>
<context>
    <name>form</name>
    <message>
        <source>printable ASCII characters only</source>
        <translation>alleen afdrukbare ASCII-tekens</translation>
    </message>
    <message>
        <source>digits only</source>
        <translation>alleen cijfers</translation>
    </message>
    <message>
        <source>digits and a point only</source>
        <translation>alleen cijfers en een punt</translation>
    </message>
    <message>
        <source>0-9, A-D, * and # only</source>
        <translation>alleen 0-9, A-D, * en #</translation>
    </message>
    <message>
        <source>hexadecimal digits only</source>
        <translation>alleen hexadecimale cijfers</translation>
    </message>
    <message>
        <source>%1 to %2 in steps of %3</source>
        <translation>%1 t/m %2 in stappen van %3</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 t/m %2</translation>
    </message>
    <message>
        <source>no entry of the list</source>
        <translation>geen keuze uit de lijst</translation>
    </message>
    <message>
        <source>band edges and the channel raster</source>
        <translation>bandgrenzen en het kanaalraster</translation>
    </message>
    <message>
        <source>a CTCSS tone 60.0 to 280.0 Hz or a DCS code</source>
        <translation>een CTCSS-toon van 60.0 t/m 280.0 Hz of een DCS-code</translation>
    </message>
    <message>
        <source>0 or 1</source>
        <translation>0 of 1</translation>
    </message>
    <message>
        <source>at most %1 digits</source>
        <translation>hoogstens %1 cijfers</translation>
    </message>
    <message>
        <source>at most %1 characters</source>
        <translation>hoogstens %1 tekens</translation>
    </message>
    <message>
        <source>7 digits up to 9000000, not one digit and six 0s</source>
        <translation>7 cijfers tot 9000000, niet één cijfer met zes nullen</translation>
    </message>
    <message>
        <source>as the radio keeps it</source>
        <translation>zoals de radio het bewaart</translation>
    </message>
    <message>
        <source>%1: %2 stored as %3 (%4)</source>
        <translation>%1: %2 opgeslagen als %3 (%4)</translation>
    </message>
</context>
<context>
    <name>image</name>
    <message>
        <source>&quot;%1&quot; is not a radio file: it holds %2 bytes; a radio file holds %3.</source>
        <translation>&quot;%1&quot; is geen radiobestand: het bevat %2 bytes; een radiobestand bevat er %3.</translation>
    </message>
    <message>
        <source>%1 holds %2 bytes, more than a radio image: only its first %3 bytes are loaded, and the rest is not kept.</source>
        <translation>%1 bevat %2 bytes, meer dan een radio-image: alleen de eerste %3 bytes worden geladen, en de rest wordt niet bewaard.</translation>
    </message>
    <message>
        <source>Unexpected file format.
&quot;%1&quot; holds %2 bytes; a radio file holds %3.</source>
        <translation>Onverwacht bestandsformaat.
&quot;%1&quot; bevat %2 bytes; een radiobestand bevat er %3.</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Naamloos</translation>
    </message>
</context>
<context>
    <name>interchange</name>
    <message>
        <source>%1 row did not fit below channel 16: left out</source>
        <translation>%1 rij paste niet meer onder kanaal 16: weggelaten</translation>
    </message>
    <message>
        <source>%1 rows did not fit below channel 16: left out</source>
        <translation>%1 rijen pasten niet meer onder kanaal 16: weggelaten</translation>
    </message>
    <message>
        <source>channel %1, %2: %3</source>
        <translation>kanaal %1, %2: %3</translation>
    </message>
    <message>
        <source>line %1: %2: row left out</source>
        <translation>regel %1: %2: rij weggelaten</translation>
    </message>
    <message>
        <source>%1 is no frequency</source>
        <translation>%1 is geen frequentie</translation>
    </message>
    <message>
        <source>no Rx Freq</source>
        <translation>geen Rx-freq.</translation>
    </message>
    <message>
        <source>%1 is no frequency: left as it was</source>
        <translation>%1 is geen frequentie: gelaten zoals het was</translation>
    </message>
    <message>
        <source>the clipboard text is no table of channels: %1</source>
        <translation>de tekst op het klembord is geen tabel met kanalen: %1</translation>
    </message>
    <message>
        <source>the clipboard holds no channel rows</source>
        <translation>het klembord bevat geen kanaalrijen</translation>
    </message>
    <message>
        <source>%1 %2 is not a frequency in MHz</source>
        <translation>%1 %2 is geen frequentie in MHz</translation>
    </message>
    <message>
        <source>Duplex %1 is not empty, +, -, split or off</source>
        <translation>Duplex %1 is niet leeg, +, -, split of off</translation>
    </message>
    <message>
        <source>Offset %1 is not a number of MHz</source>
        <translation>Offset %1 is geen aantal MHz</translation>
    </message>
    <message>
        <source>Offset %1 is 10000 MHz or more, no frequency to transmit on</source>
        <translation>Offset %1 is 10000 MHz of meer: geen frequentie om op te zenden</translation>
    </message>
    <message>
        <source>Frequency %1 Offset gives %2 MHz, no frequency to transmit on</source>
        <translation>Frequentie %1 met Offset geeft %2 MHz: geen frequentie om op te zenden</translation>
    </message>
    <message>
        <source>Power %1 is not understood: set to %2</source>
        <translation>Power %1 wordt niet begrepen: ingesteld op %2</translation>
    </message>
    <message>
        <source>Skip %1 is not empty, S or P</source>
        <translation>Skip %1 is niet leeg, S of P</translation>
    </message>
    <message>
        <source>the first line must name the columns, Location and Frequency among them, as CHIRP writes it</source>
        <translation>de eerste regel moet de kolommen noemen, waaronder Location en Frequency, zoals CHIRP die schrijft</translation>
    </message>
    <message>
        <source>%1: left out</source>
        <translation>%1: weggelaten</translation>
    </message>
    <message>
        <source>Location %1 is no channel of this radio (1-16)</source>
        <translation>Location %1 is geen kanaal van deze radio (1-16)</translation>
    </message>
    <message>
        <source>channel %1 is set on line %2</source>
        <translation>kanaal %1 wordt ingesteld op regel %2</translation>
    </message>
    <message>
        <source>channel %1: Mode %2 is not available (FM and NFM only)</source>
        <translation>kanaal %1: Mode %2 is niet beschikbaar (alleen FM en NFM)</translation>
    </message>
    <message>
        <source>channel %1 has no frequency</source>
        <translation>kanaal %1 heeft geen frequentie</translation>
    </message>
    <message>
        <source>channel %1: %2</source>
        <translation>kanaal %1: %2</translation>
    </message>
    <message>
        <source>names are not kept: the radio has no channel names</source>
        <translation>namen worden niet bewaard: de radio heeft geen kanaalnamen</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>regel %1: %2</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 is leeg</translation>
    </message>
    <message>
        <source>DtcsPolarity %1 is not NN, NR, RN or RR</source>
        <translation>DtcsPolarity %1 is niet NN, NR, RN of RR</translation>
    </message>
    <message>
        <source>tone mode %1 (reverse squelch) is not available: no tones</source>
        <translation>toonmodus %1 (omgekeerde squelch) is niet beschikbaar: geen tonen</translation>
    </message>
    <message>
        <source>Tone %1 is not empty, Tone, TSQL, DTCS, TSQL-R, DTCS-R or Cross</source>
        <translation>Tone %1 is niet leeg, Tone, TSQL, DTCS, TSQL-R, DTCS-R of Cross</translation>
    </message>
    <message>
        <source>CrossMode %1 is not one of Tone-&gt;Tone, Tone-&gt;DTCS, DTCS-&gt;Tone, -&gt;Tone, -&gt;DTCS, DTCS-&gt;, DTCS-&gt;DTCS, Tone-&gt;</source>
        <translation>CrossMode %1 is niet een van Tone-&gt;Tone, Tone-&gt;DTCS, DTCS-&gt;Tone, -&gt;Tone, -&gt;DTCS, DTCS-&gt;, DTCS-&gt;DTCS, Tone-&gt;</translation>
    </message>
    <message>
        <source>more than %1 contacts</source>
        <translation>meer dan %1 contacten</translation>
    </message>
    <message>
        <source>the name %1 is already on line %2</source>
        <translation>de naam %1 staat al op regel %2</translation>
    </message>
    <message>
        <source>the name %1 is there twice</source>
        <translation>de naam %1 staat er twee keer</translation>
    </message>
    <message>
        <source>the number %1 is already on line %2</source>
        <translation>het nummer %1 staat al op regel %2</translation>
    </message>
    <message>
        <source>the number %1 is there twice</source>
        <translation>het nummer %1 staat er twee keer</translation>
    </message>
    <message>
        <source>contact %1: slot %2 is not a free slot 1 to 64</source>
        <translation>contact %1: plaats %2 is geen vrije plaats van 1 t/m 64</translation>
    </message>
    <message>
        <source>channel %1: %2 is not an entry of &quot;%3&quot;</source>
        <translation>kanaal %1: %2 is geen keuze uit &quot;%3&quot;</translation>
    </message>
    <message>
        <source>channel %1 %2: %3</source>
        <translation>kanaal %1 %2: %3</translation>
    </message>
    <message>
        <source>%1 (%2) is greyed out in the dialog</source>
        <translation>%1 (%2) is grijs weergegeven in het dialoogvenster</translation>
    </message>
    <message>
        <source>%1 (%2) is greyed out in the dialog: %3</source>
        <translation>%1 (%2) is grijs weergegeven in het dialoogvenster: %3</translation>
    </message>
    <message>
        <source>line %1, column %2: %3</source>
        <translation>regel %1, kolom %2: %3</translation>
    </message>
    <message>
        <source>the byte at %1 is not one no field owns</source>
        <translation>de byte op %1 hoort bij een veld, niet bij de losse bytes</translation>
    </message>
    <message>
        <source>group rx list %1: %2</source>
        <translation>Rx-groepslijst %1: %2</translation>
    </message>
    <message>
        <source>the byte at %1 is not a byte of the contacts</source>
        <translation>de byte op %1 is geen byte van de contacten</translation>
    </message>
    <message>
        <source>the control character %1 is not allowed in a YAML file</source>
        <translation>het stuurteken %1 is niet toegestaan in een YAML-bestand</translation>
    </message>
    <message>
        <source>a backslash before %1 starts no YAML escape sequence (a backslash itself is written \\)</source>
        <translation>een backslash vóór %1 begint geen YAML-escapereeks (een backslash zelf wordt geschreven als \\)</translation>
    </message>
    <message>
        <source>YAML syntax: %1</source>
        <translation>YAML-syntaxis: %1</translation>
    </message>
    <message>
        <source>%1: expected a text, not a list or mapping</source>
        <translation>%1: tekst verwacht, geen lijst of mapping</translation>
    </message>
    <message>
        <source>%1: expected a number from %2 to %3</source>
        <translation>%1: getal van %2 t/m %3 verwacht</translation>
    </message>
    <message>
        <source>%1: expected %2 bytes as hexadecimal digits</source>
        <translation>%1: %2 bytes als hexadecimale cijfers verwacht</translation>
    </message>
    <message>
        <source>%1: expected bytes as hexadecimal digits</source>
        <translation>%1: bytes als hexadecimale cijfers verwacht</translation>
    </message>
    <message>
        <source>%1: expected a mapping</source>
        <translation>%1: mapping verwacht</translation>
    </message>
    <message>
        <source>%1: expected a list</source>
        <translation>%1: lijst verwacht</translation>
    </message>
    <message>
        <source>%1: more than %2 entries</source>
        <translation>%1: meer dan %2 items</translation>
    </message>
    <message>
        <source>%1: %2 is not an address 0x0000 to 0x3FFF</source>
        <translation>%1: %2 is geen adres van 0x0000 t/m 0x3FFF</translation>
    </message>
    <message>
        <source>%1: unknown key %2 (see dpmrtool fields: the keys after &quot;channel%3.&quot;)</source>
        <translation>%1: onbekende sleutel %2 (zie dpmrtool fields: de sleutels na &quot;channel%3.&quot;)</translation>
    </message>
    <message>
        <source>unknown settings page %1 (see dpmrtool fields)</source>
        <translation>onbekende instellingenpagina %1 (zie dpmrtool fields)</translation>
    </message>
    <message>
        <source>unknown key %1 (see dpmrtool fields)</source>
        <translation>onbekende sleutel %1 (zie dpmrtool fields)</translation>
    </message>
    <message>
        <source>%1: unknown key %2 (value or bytes)</source>
        <translation>%1: onbekende sleutel %2 (value of bytes)</translation>
    </message>
    <message>
        <source>contact type: %1 is not an entry of &quot;Type&quot; (&quot;%2&quot;, &quot;%3&quot;)</source>
        <translation>contacttype: %1 is geen keuze uit &quot;Type&quot; (&quot;%2&quot;, &quot;%3&quot;)</translation>
    </message>
    <message>
        <source>contact: unknown key %1 (name, number, type, slot)</source>
        <translation>contact: onbekende sleutel %1 (name, number, type, slot)</translation>
    </message>
    <message>
        <source>%1: unknown key %2 (members or bytes)</source>
        <translation>%1: onbekende sleutel %2 (members of bytes)</translation>
    </message>
    <message>
        <source>%1: expected a list of contact names</source>
        <translation>%1: lijst met contactnamen verwacht</translation>
    </message>
    <message>
        <source>expected a dpmrcps codeplug (a mapping with format: 1)</source>
        <translation>dpmrcps-codeplug verwacht (een mapping met format: 1)</translation>
    </message>
    <message>
        <source>format %1 is not one this program reads (%2)</source>
        <translation>format %1 is geen formaat dat dit programma leest (%2)</translation>
    </message>
    <message>
        <source>unknown key %1</source>
        <translation>onbekende sleutel %1</translation>
    </message>
    <message>
        <source>no &quot;format&quot;: not a dpmrcps codeplug</source>
        <translation>geen &quot;format&quot;: geen dpmrcps-codeplug</translation>
    </message>
    <message>
        <source>lists and mappings are nested %1 deep here; a codeplug nests at most 4</source>
        <translation>lijsten en mappings zijn hier %1 niveaus diep genest; een codeplug nest hoogstens 4 niveaus</translation>
    </message>
    <message>
        <source>the key %1 is given twice in one mapping, on line %2</source>
        <translation>de sleutel %1 staat twee keer in één mapping, op regel %2</translation>
    </message>
    <message>
        <source>the key %1 is given twice in one mapping, on lines %2 and %3</source>
        <translation>de sleutel %1 staat twee keer in één mapping, op de regels %2 en %3</translation>
    </message>
</context>
<context>
    <name>link</name>
    <message>
        <source>install the udev rule %1 (the dpmrcps package does; from the sources: sudo cp res/linux/%1 /etc/udev/rules.d/), then: sudo udevadm control --reload &amp;&amp; sudo udevadm trigger --subsystem-match=tty</source>
        <translation>installeer de udev-regel %1 (het pakket dpmrcps doet dat; vanuit de broncode: sudo cp res/linux/%1 /etc/udev/rules.d/), daarna: sudo udevadm control --reload &amp;&amp; sudo udevadm trigger --subsystem-match=tty</translation>
    </message>
    <message>
        <source>%1 is not a serial port</source>
        <translation>%1 is geen seriële poort</translation>
    </message>
    <message>
        <source>choose the cable&apos;s port, such as /dev/ttyUSB0 (dpmrtool ports lists them)</source>
        <translation>kies de poort van de kabel, zoals /dev/ttyUSB0 (dpmrtool ports somt ze op)</translation>
    </message>
    <message>
        <source>the system refused to open %1 although its permissions allow it</source>
        <translation>het systeem weigerde %1 te openen, hoewel de rechten het toestaan</translation>
    </message>
    <message>
        <source>a sandbox (a snap or flatpak package) or a security policy keeps the program from the device: run the program installed from the Debian package or built from the sources</source>
        <translation>een sandbox (een snap- of flatpak-pakket) of een beveiligingsbeleid houdt het programma weg van het apparaat: gebruik het programma uit het Debian-pakket of gebouwd uit de broncode</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2</source>
        <translation>%1 kon niet worden geopend: %2</translation>
    </message>
    <message>
        <source>plug the cable in again; if that does not help, restart the computer</source>
        <translation>sluit de kabel opnieuw aan; helpt dat niet, start dan de computer opnieuw op</translation>
    </message>
    <message>
        <source>%1 does not exist: the cable is not plugged in, or its port has another name now</source>
        <translation>%1 bestaat niet: de kabel is niet aangesloten, of zijn poort heeft nu een andere naam</translation>
    </message>
    <message>
        <source>plug the cable into the computer and the radio, then choose the port that appears (dpmrtool ports lists them; Setting &gt; Port shows them as they come)</source>
        <translation>sluit de kabel aan op de computer en de radio en kies dan de poort die verschijnt (dpmrtool ports somt ze op; Instellingen &gt; Poort toont ze zodra ze verschijnen)</translation>
    </message>
    <message>
        <source>brltty (a braille display driver) is installed and claims USB serial adapters (%1): if the port disappeared right after the cable was plugged in, brltty took it</source>
        <translation>brltty (een stuurprogramma voor brailleleesregels) is geïnstalleerd en eist USB-seriële adapters op (%1): verdween de poort meteen nadat de kabel was aangesloten, dan heeft brltty hem genomen</translation>
    </message>
    <message>
        <source>without a braille display: sudo apt remove brltty, then plug the cable in again; with one: comment out the line for the cable&apos;s chip in %1</source>
        <translation>zonder brailleleesregel: sudo apt remove brltty en sluit de kabel daarna opnieuw aan; met een brailleleesregel: zet de regel voor de chip van de kabel in %1 uit als commentaar</translation>
    </message>
    <message>
        <source>brltty&apos;s udev rules</source>
        <translation>de udev-regels van brltty</translation>
    </message>
    <message>
        <source>a virtual port (a pseudo-terminal), such as the virtual radio&apos;s: no cable</source>
        <translation>een virtuele poort (een pseudoterminal), zoals die van de virtuele radio: geen kabel</translation>
    </message>
    <message>
        <source>USB serial adapter: USB %1</source>
        <translation>USB-seriële adapter: USB %1</translation>
    </message>
    <message>
        <source>%1 cable: USB %2</source>
        <translation>%1-kabel: USB %2</translation>
    </message>
    <message>
        <source>, driver %1</source>
        <translation>, stuurprogramma %1</translation>
    </message>
    <message>
        <source>, also %1</source>
        <translation>, ook %1</translation>
    </message>
    <message>
        <source>a Bluetooth serial port, not the radio&apos;s programming cable</source>
        <translation>een Bluetooth-seriële poort, niet de programmeerkabel van de radio</translation>
    </message>
    <message>
        <source>plug the programming cable in and choose its port (/dev/ttyUSB0 or /dev/ttyACM0)</source>
        <translation>sluit de programmeerkabel aan en kies zijn poort (/dev/ttyUSB0 of /dev/ttyACM0)</translation>
    </message>
    <message>
        <source>a serial port built into the computer: a USB programming cable is named ttyUSB or ttyACM</source>
        <translation>een seriële poort die in de computer is ingebouwd: een USB-programmeerkabel heet ttyUSB of ttyACM</translation>
    </message>
    <message>
        <source>a serial port built into the computer, driver %1: a USB programming cable is named ttyUSB or ttyACM</source>
        <translation>een seriële poort die in de computer is ingebouwd, stuurprogramma %1: een USB-programmeerkabel heet ttyUSB of ttyACM</translation>
    </message>
    <message>
        <source> (owner %1, group %2, mode %3)</source>
        <translation> (eigenaar %1, groep %2, modus %3)</translation>
    </message>
    <message>
        <source>your user %1 was added to the group %2, which may open %3, but this session started before and does not have the group yet</source>
        <translation>uw gebruiker %1 is toegevoegd aan de groep %2, die %3 mag openen, maar deze sessie is eerder begonnen en heeft de groep nog niet</translation>
    </message>
    <message>
        <source>log out and in again (or restart the computer); until then, &apos;newgrp %1&apos; starts a shell that has it</source>
        <translation>meld u af en opnieuw aan (of start de computer opnieuw op); tot dan start &apos;newgrp %1&apos; een shell die de groep heeft</translation>
    </message>
    <message>
        <source>your user %1 is not in the group %2, which may open %3%4</source>
        <translation>uw gebruiker %1 is geen lid van de groep %2, die %3 mag openen%4</translation>
    </message>
    <message>
        <source>sudo adduser %1 %2, then log out and in again</source>
        <translation>sudo adduser %1 %2, en meld u daarna af en opnieuw aan</translation>
    </message>
    <message>
        <source>only root may open %1%2</source>
        <translation>alleen root mag %1 openen%2</translation>
    </message>
    <message>
        <source>only its owner may open %1%2</source>
        <translation>alleen de eigenaar mag %1 openen%2</translation>
    </message>
    <message>
        <source>%1; it gives the group dialout the programming cables: then sudo adduser %2 dialout, and log out and in again</source>
        <translation>%1; die geeft de groep dialout toegang tot de programmeerkabels: daarna sudo adduser %2 dialout, en meld u af en opnieuw aan</translation>
    </message>
    <message>
        <source>%1 (process %2)</source>
        <translation>%1 (proces %2)</translation>
    </message>
    <message>
        <source>a program</source>
        <translation>een programma</translation>
    </message>
    <message>
        <source>close the other program, then try again</source>
        <translation>sluit het andere programma en probeer het opnieuw</translation>
    </message>
    <message>
        <source>close %1 (or end it: kill %2), then try again</source>
        <translation>sluit %1 (of beëindig het: kill %2) en probeer het opnieuw</translation>
    </message>
    <message>
        <source>that program</source>
        <translation>dat programma</translation>
    </message>
    <message>
        <source>%1 is in use by another program%2</source>
        <translation>%1 is in gebruik door een ander programma%2</translation>
    </message>
    <message>
        <source>the udev rule %1 is not installed: it keeps ModemManager away from the cable and gives the group dialout access to it</source>
        <translation>de udev-regel %1 is niet geïnstalleerd: die houdt ModemManager weg van de kabel en geeft de groep dialout er toegang toe</translation>
    </message>
    <message>
        <source>the udev rule %1 does not name this cable&apos;s chip (USB %2)</source>
        <translation>de udev-regel %1 noemt de chip van deze kabel niet (USB %2)</translation>
    </message>
    <message>
        <source>add a line for it to the rule (a copy of one of its lines with idVendor %1 and idProduct %2), then: sudo udevadm control --reload &amp;&amp; sudo udevadm trigger --subsystem-match=tty</source>
        <translation>voeg er een regel voor toe aan de udev-regel (een kopie van een van de regels met idVendor %1 en idProduct %2), daarna: sudo udevadm control --reload &amp;&amp; sudo udevadm trigger --subsystem-match=tty</translation>
    </message>
    <message>
        <source>the udev rule %1 names this cable&apos;s chip but has not been applied to %2 yet</source>
        <translation>de udev-regel %1 noemt de chip van deze kabel, maar is nog niet toegepast op %2</translation>
    </message>
    <message>
        <source>plug the cable in again, or run: sudo udevadm trigger --subsystem-match=tty</source>
        <translation>sluit de kabel opnieuw aan, of voer uit: sudo udevadm trigger --subsystem-match=tty</translation>
    </message>
    <message>
        <source>ModemManager is running and has not been told to leave %1 alone: it may send AT commands to the cable for several seconds after it is plugged in, and a Read or Write started then fails</source>
        <translation>ModemManager is actief en is niet ingesteld om %1 met rust te laten: het kan na het aansluiten enkele seconden lang AT-opdrachten naar de kabel sturen, en lezen of schrijven dat dan wordt gestart, mislukt</translation>
    </message>
    <message>
        <source>%1, and plug the cable in again; or stop ModemManager: sudo systemctl stop ModemManager</source>
        <translation>%1, en sluit de kabel opnieuw aan; of stop ModemManager: sudo systemctl stop ModemManager</translation>
    </message>
    <message>
        <source>plug the cable in again; or stop ModemManager: sudo systemctl stop ModemManager</source>
        <translation>sluit de kabel opnieuw aan; of stop ModemManager: sudo systemctl stop ModemManager</translation>
    </message>
    <message>
        <source>brltty (a braille display driver) is installed and its udev rules claim this cable&apos;s chip (USB %1): it may take the cable, and the port disappears right after it is plugged in</source>
        <translation>brltty (een stuurprogramma voor brailleleesregels) is geïnstalleerd en zijn udev-regels eisen de chip van deze kabel op (USB %1): het kan de kabel nemen, waarna de poort meteen na het aansluiten verdwijnt</translation>
    </message>
    <message>
        <source>virtual port %1</source>
        <translation>virtuele poort %1</translation>
    </message>
    <message>
        <source>%1 cable on %2</source>
        <translation>%1-kabel op %2</translation>
    </message>
    <message>
        <source>USB serial adapter on %1</source>
        <translation>USB-seriële adapter op %1</translation>
    </message>
    <message>
        <source>USB serial adapter (%1) on %2</source>
        <translation>USB-seriële adapter (%1) op %2</translation>
    </message>
    <message>
        <source>Bluetooth serial port on %1</source>
        <translation>Bluetooth-seriële poort op %1</translation>
    </message>
    <message>
        <source>%1 (built-in serial port)</source>
        <translation>%1 (ingebouwde seriële poort)</translation>
    </message>
    <message>
        <source>Problem: %1</source>
        <translation>Probleem: %1</translation>
    </message>
    <message>
        <source>Warning: %1</source>
        <translation>Waarschuwing: %1</translation>
    </message>
    <message>
        <source>Fix: %1</source>
        <translation>Oplossing: %1</translation>
    </message>
    <message>
        <source>%1: can be used</source>
        <translation>%1: bruikbaar</translation>
    </message>
    <message>
        <source>%1: cannot be used</source>
        <translation>%1: niet bruikbaar</translation>
    </message>
    <message>
        <source>%1: add your user to the dialout group and log in again</source>
        <translation>%1: voeg uw gebruiker toe aan de groep dialout en meld u opnieuw aan</translation>
    </message>
    <message>
        <source>in use by another program</source>
        <translation>in gebruik door een ander programma</translation>
    </message>
    <message>
        <source>no port is chosen: choose one under Setting &gt; Port</source>
        <translation>er is geen poort gekozen: kies er een onder Instellingen &gt; Poort</translation>
    </message>
    <message>
        <source>not a serial port</source>
        <translation>geen seriële poort</translation>
    </message>
    <message>
        <source>the radio holds other values for %1 and %2 more.</source>
        <translation>de radio bevat andere waarden voor %1 en nog %2.</translation>
    </message>
    <message>
        <source>the radio holds other values for %1.</source>
        <translation>de radio bevat andere waarden voor %1.</translation>
    </message>
    <message>
        <source>there is no home folder to keep it in</source>
        <translation>er is geen persoonlijke map om het verbindingslog in te bewaren</translation>
    </message>
    <message>
        <source>cannot make the folder &quot;%1&quot;: %2</source>
        <translation>kan de map &quot;%1&quot; niet aanmaken: %2</translation>
    </message>
    <message>
        <source>cannot write &quot;%1&quot;: %2</source>
        <translation>kan &quot;%1&quot; niet schrijven: %2</translation>
    </message>
    <message>
        <source>too many traces within the same second</source>
        <translation>te veel verbindingslogs binnen dezelfde seconde</translation>
    </message>
    <message>
        <source>the transfer broke off at address %1</source>
        <translation>de overdracht brak af op adres %1</translation>
    </message>
    <message>
        <source>Cound not open the port.</source>
        <translation>Kan de poort niet openen.</translation>
    </message>
    <message>
        <source>Cound not open the port</source>
        <translation>Kan de poort niet openen</translation>
    </message>
    <message>
        <source>Could ont open the port</source>
        <translation>Kan de poort niet openen</translation>
    </message>
    <message>
        <source>Communication error</source>
        <translation>Communicatiefout</translation>
    </message>
    <message>
        <source>Read successfully</source>
        <translation>Met succes gelezen</translation>
    </message>
    <message>
        <source>Write successfully</source>
        <translation>Met succes geschreven</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Geslaagd</translation>
    </message>
    <message>
        <source>Verify failed</source>
        <translation>Controle mislukt</translation>
    </message>
    <message>
        <source>Written and verified, except the 24-byte closing block, which the radio does not send back</source>
        <translation>Geschreven en gecontroleerd, behalve het afsluitende blok van 24 bytes, dat de radio niet terugstuurt</translation>
    </message>
    <message>
        <source>Write again before using the radio.</source>
        <translation>Schrijf opnieuw voordat u de radio gebruikt.</translation>
    </message>
    <message>
        <source>The write was completed; the read-back broke off while verifying.</source>
        <translation>Het schrijven is voltooid; het teruglezen brak af tijdens de controle.</translation>
    </message>
    <message>
        <source>The write was completed; checking it was stopped before the end.</source>
        <translation>Het schrijven is voltooid; de controle is vóór het einde gestopt.</translation>
    </message>
    <message>
        <source>no answer from the radio: is it switched on and the cable plugged in?</source>
        <translation>geen antwoord van de radio: staat hij aan en is de kabel aangesloten?</translation>
    </message>
    <message>
        <source>the radio did not answer the wake-up with &apos;A&apos;</source>
        <translation>de radio beantwoordde het wekken niet met &apos;A&apos;</translation>
    </message>
    <message>
        <source>the radio&apos;s identity block was cut short</source>
        <translation>het identiteitsblok van de radio was afgebroken</translation>
    </message>
    <message>
        <source>the radio did not confirm the opening exchange</source>
        <translation>de radio bevestigde de openingsuitwisseling niet</translation>
    </message>
    <message>
        <source>The radio may now hold a partly written configuration: write it again before using it.</source>
        <translation>De radio kan nu een gedeeltelijk geschreven configuratie bevatten: schrijf hem opnieuw voordat u hem gebruikt.</translation>
    </message>
    <message>
        <source>The wire trace was not kept: %1</source>
        <translation>Het verbindingslog is niet bewaard: %1</translation>
    </message>
    <message>
        <source>The wire trace was not written: %1</source>
        <translation>Het verbindingslog is niet geschreven: %1</translation>
    </message>
    <message>
        <source>Wire trace: %1</source>
        <translation>Verbindingslog: %1</translation>
    </message>
    <message>
        <source>cannot open a pseudo-terminal</source>
        <translation>kan geen pseudoterminal openen</translation>
    </message>
    <message>
        <source>cannot set up the pseudo-terminal</source>
        <translation>kan de pseudoterminal niet instellen</translation>
    </message>
    <message>
        <source>cannot open %1</source>
        <translation>kan %1 niet openen</translation>
    </message>
    <message>
        <source>cannot watch %1</source>
        <translation>kan %1 niet bewaken</translation>
    </message>
    <message>
        <source>cannot create a pipe</source>
        <translation>kan geen pipe aanmaken</translation>
    </message>
</context>
<context>
    <name>reference</name>
    <message>
        <source>%1, rows 1 to %2</source>
        <translation>%1, rijen 1 t/m %2</translation>
    </message>
    <message>
        <source>%1 %2 to %3</source>
        <translation>%1 %2 t/m %3</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 t/m %2</translation>
    </message>
    <message>
        <source>not shown</source>
        <translation>niet getoond</translation>
    </message>
    <message>
        <source>(factory)</source>
        <translation>(fabriek)</translation>
    </message>
    <message>
        <source>Settings reference</source>
        <translation>Instellingenoverzicht</translation>
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
        <translation>&lt;p&gt;Elke instelling van het hoofdvenster en de dialoogvensters, met wat ze op de radio doet,
gegroepeerd per dialoogvenster en pagina. De namen in &lt;code&gt;code&lt;/code&gt; zijn de sleutels die
&lt;code&gt;dpmrtool get&lt;/code&gt;, &lt;code&gt;dpmrtool set&lt;/code&gt; en de YAML-codeplug gebruiken
(&lt;code&gt;channelN&lt;/code&gt; staat voor &lt;code&gt;channel1&lt;/code&gt; t/m &lt;code&gt;channel16&lt;/code&gt;).
Een instelling met &lt;i&gt;niet getoond&lt;/i&gt; heeft geen bedieningselement in haar dialoogvenster: het programma
bewaart haar zoals de radio haar heeft opgeslagen. &lt;i&gt;(fabriek)&lt;/i&gt; markeert de dialoogvensters van de
fabrieksafstelling en -kalibratie van de radio.&lt;/p&gt;
</translation>
    </message>
</context>
<context>
    <name>report</name>
    <message>
        <source>version and build, OS, kernel, Qt</source>
        <translation>versie en build, besturingssysteem, kernel, Qt</translation>
    </message>
    <message>
        <source>the connection doctor&apos;s findings for every port</source>
        <translation>de bevindingen van de verbindingscontrole voor elke poort</translation>
    </message>
    <message>
        <source>the settings file %1</source>
        <translation>het instellingenbestand %1</translation>
    </message>
    <message>
        <source>the list of backups (names only, not the files)</source>
        <translation>de lijst met back-ups (alleen de namen, niet de bestanden)</translation>
    </message>
    <message>
        <source>a wire trace of a transfer, the radio&apos;s identity blanked</source>
        <translation>een verbindingslog van een overdracht, met de identiteit van de radio weggelaten</translation>
    </message>
    <message>
        <source>the open configuration, its radio ID, name, contacts and codes replaced</source>
        <translation>de geopende configuratie, met radio-ID, naam, contacten en codes vervangen</translation>
    </message>
    <message>
        <source>%1 (%2 bytes): %3</source>
        <translation>%1 (%2 bytes): %3</translation>
    </message>
</context>
<context>
    <name>service</name>
    <message>
        <source>The band has %1 points; the radio keeps %2 squelch values, so only %3 to %4 MHz are shown.</source>
        <translation>De band heeft %1 punten; de radio bewaart %2 squelchwaarden, dus alleen %3 t/m %4 MHz worden getoond.</translation>
    </message>
</context>
<context>
    <name>util</name>
    <message>
        <source>line %1: %2</source>
        <translation>regel %1: %2</translation>
    </message>
    <message>
        <source>line %1, column %2: the byte %3 is not UTF-8 text: save the file as UTF-8</source>
        <translation>regel %1, kolom %2: de byte %3 is geen UTF-8-tekst: sla het bestand op als UTF-8</translation>
    </message>
    <message>
        <source>a quoted field is not closed</source>
        <translation>een veld tussen aanhalingstekens is niet afgesloten</translation>
    </message>
    <message>
        <source>text after the closing quote of a field</source>
        <translation>tekst na het afsluitende aanhalingsteken van een veld</translation>
    </message>
    <message>
        <source>a quote inside a field that does not start with one</source>
        <translation>een aanhalingsteken in een veld dat er niet mee begint</translation>
    </message>
    <message>
        <source>the first line must be %1</source>
        <translation>de eerste regel moet %1 zijn</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2.</source>
        <translation>Kan &quot;%1&quot; niet openen: %2.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: it is a folder.</source>
        <translation>Kan &quot;%1&quot; niet openen: het is een map.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: it is not a regular file.</source>
        <translation>Kan &quot;%1&quot; niet openen: het is geen gewoon bestand.</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2.</source>
        <translation>Kan &quot;%1&quot; niet lezen: %2.</translation>
    </message>
    <message>
        <source>Cannot save &quot;%1&quot;: %2</source>
        <translation>Kan &quot;%1&quot; niet opslaan: %2</translation>
    </message>
    <message>
        <source>Cannot save: no file name given.</source>
        <translation>Kan niet opslaan: geen bestandsnaam opgegeven.</translation>
    </message>
    <message>
        <source>it is a folder.</source>
        <translation>het is een map.</translation>
    </message>
    <message>
        <source>it is not a regular file (a device or a pipe).</source>
        <translation>het is geen gewoon bestand (een apparaat of een pipe).</translation>
    </message>
    <message>
        <source>%1: line %2, column %3: larger than 1 MiB, no %4 file</source>
        <translation>%1: regel %2, kolom %3: groter dan 1 MiB, geen %4-bestand</translation>
    </message>
</context>
</TS>
