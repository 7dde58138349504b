<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Action</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>Créer un nouveau document</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>Ouvrir un document existant</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Open &amp;Backup...</source>
        <translation>Ouvrir une sauve&amp;garde...</translation>
    </message>
    <message>
        <source>Open a copy kept by an earlier Read or Write</source>
        <translation>Ouvrir une copie conservée lors d&apos;une lecture ou d&apos;une écriture précédente</translation>
    </message>
    <message>
        <source>Open Backup</source>
        <translation>Ouvrir une sauvegarde</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>Enregistrer le document actif</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>Save the active document with a new name</source>
        <translation>Enregistrer le document actif sous un nouveau nom</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Expor&amp;t...</source>
        <translation>E&amp;xporter...</translation>
    </message>
    <message>
        <source>Write the whole configuration to a readable YAML file</source>
        <translation>Écrire toute la configuration dans un fichier YAML lisible</translation>
    </message>
    <message>
        <source>I&amp;mport...</source>
        <translation>&amp;Importer...</translation>
    </message>
    <message>
        <source>Open a YAML file written by Export as a new document</source>
        <translation>Ouvrir comme nouveau document un fichier YAML écrit par Exporter</translation>
    </message>
    <message>
        <source>Export &amp;Channels as CSV...</source>
        <translation>Exporter les &amp;canaux en CSV...</translation>
    </message>
    <message>
        <source>Write the channels to a CSV file in CHIRP&apos;s format</source>
        <translation>Écrire les canaux dans un fichier CSV au format de CHIRP</translation>
    </message>
    <message>
        <source>Import C&amp;hannels from CSV...</source>
        <translation>Importer les canaux &amp;depuis un CSV...</translation>
    </message>
    <message>
        <source>Set channels from a CSV file in CHIRP&apos;s format</source>
        <translation>Régler les canaux depuis un fichier CSV au format de CHIRP</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Im&amp;primer...</translation>
    </message>
    <message>
        <source>Print the active document</source>
        <translation>Imprimer le document actif</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Aperçu a&amp;vant impression</translation>
    </message>
    <message>
        <source>Display full pages</source>
        <translation>Afficher des pages entières</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Configu&amp;rer l&apos;impression...</translation>
    </message>
    <message>
        <source>Change the printer and printing options</source>
        <translation>Changer d&apos;imprimante et les options d&apos;impression</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Configurer l&apos;impression</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents</source>
        <translation>Quitter l&apos;application&#xa0;; propose d&apos;enregistrer les documents</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Take back the last change</source>
        <translation>Annuler la dernière modification</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Make the change taken back last again</source>
        <translation>Rétablir la dernière modification annulée</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Copy the selected channels</source>
        <translation>Copier les canaux sélectionnés</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>Paste channels from the current row down</source>
        <translation>Coller des canaux à partir de la ligne courante</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Appl&amp;y to Selected Channels</source>
        <translation>A&amp;ppliquer aux canaux sélectionnés</translation>
    </message>
    <message>
        <source>Set the current cell&apos;s tone, power, scan, bandwidth or channel type for every selected channel</source>
        <translation>Donner la tonalité, la puissance, le balayage, la largeur de bande ou le type de canal de la cellule courante à chaque canal sélectionné</translation>
    </message>
    <message>
        <source>Apply to Selected Channels</source>
        <translation>Appliquer aux canaux sélectionnés</translation>
    </message>
    <message>
        <source>&amp;Fill Channels...</source>
        <translation>Remplir les ca&amp;naux...</translation>
    </message>
    <message>
        <source>Fill the selected channels, or all 16, with the PMR446 or dPMR446 channels</source>
        <translation>Remplir les canaux sélectionnés, ou les 16, avec les canaux PMR446 ou dPMR446</translation>
    </message>
    <message>
        <source>Fill Channels</source>
        <translation>Remplir les canaux</translation>
    </message>
    <message>
        <source>&amp;Scan Info</source>
        <translation>&amp;Infos balayage</translation>
    </message>
    <message>
        <source>Edit the scan settings</source>
        <translation>Modifier les réglages du balayage</translation>
    </message>
    <message>
        <source>&amp;Basic setting</source>
        <translation>Réglages de &amp;base</translation>
    </message>
    <message>
        <source>Edit the basic settings</source>
        <translation>Modifier les réglages de base</translation>
    </message>
    <message>
        <source>&amp;Alarm</source>
        <translation>A&amp;larme</translation>
    </message>
    <message>
        <source>Edit the alarm settings</source>
        <translation>Modifier les réglages de l&apos;alarme</translation>
    </message>
    <message>
        <source>&amp;DTMF</source>
        <translation>&amp;DTMF</translation>
    </message>
    <message>
        <source>Edit the DTMF settings</source>
        <translation>Modifier les réglages DTMF</translation>
    </message>
    <message>
        <source>dP&amp;MR</source>
        <translation>dP&amp;MR</translation>
    </message>
    <message>
        <source>Edit the dPMR parameters</source>
        <translation>Modifier les paramètres dPMR</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>&amp;Lire</translation>
    </message>
    <message>
        <source>Read Data From Radio</source>
        <translation>Lire les données de la radio</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>É&amp;crire</translation>
    </message>
    <message>
        <source>Write Data to Radio </source>
        <translation>Écrire les données dans la radio</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Écrire</translation>
    </message>
    <message>
        <source>Write to &amp;Several Radios...</source>
        <translation>Écrire sur &amp;plusieurs radios...</translation>
    </message>
    <message>
        <source>Write this configuration to several radios at once, each with its own ID</source>
        <translation>Écrire cette configuration sur plusieurs radios à la fois, chacune avec son propre ID</translation>
    </message>
    <message>
        <source>Write to Several Radios</source>
        <translation>Écrire sur plusieurs radios</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barre d&apos;outils</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>Afficher ou masquer la barre d&apos;outils</translation>
    </message>
    <message>
        <source>Toggle ToolBar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barre d&apos;é&amp;tat</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Afficher ou masquer la barre d&apos;état</translation>
    </message>
    <message>
        <source>Toggle StatusBar</source>
        <translation>Barre d&apos;état</translation>
    </message>
    <message>
        <source>&amp;Port</source>
        <translation>&amp;Port</translation>
    </message>
    <message>
        <source>Choose the serial port of the radio</source>
        <translation>Choisir le port série de la radio</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Guide d&apos;utilisation</translation>
    </message>
    <message>
        <source>Open the guide to a first Read, editing, Save and Write</source>
        <translation>Ouvrir le guide&#xa0;: une première lecture, la modification, l&apos;enregistrement et l&apos;écriture</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Guide d&apos;utilisation</translation>
    </message>
    <message>
        <source>&amp;Report a Problem...</source>
        <translation>&amp;Signaler un problème...</translation>
    </message>
    <message>
        <source>Gather what is needed to look into a problem into one file to attach; nothing is sent</source>
        <translation>Réunir ce qui est nécessaire pour examiner un problème dans un seul fichier à joindre&#xa0;; rien n&apos;est envoyé</translation>
    </message>
    <message>
        <source>Report a Problem</source>
        <translation>Signaler un problème</translation>
    </message>
    <message>
        <source>&amp;About ...</source>
        <translation>À &amp;propos...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Afficher les informations sur le programme, le numéro de version et le copyright</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Program</source>
        <translation>&amp;Programmation</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Setting</source>
        <translation>&amp;Configuration</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Home page:</source>
        <translation>Page d&apos;accueil&#xa0;:</translation>
    </message>
    <message>
        <source>Report a problem:</source>
        <translation>Signaler un problème&#xa0;:</translation>
    </message>
</context>
<context>
    <name>CChannelClipboard</name>
    <message>
        <source>Copied channel %1</source>
        <translation>Canal %1 copié</translation>
    </message>
    <message>
        <source>Copied channels %1-%2</source>
        <translation>Canaux %1-%2 copiés</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Nothing pasted</source>
        <translation>Rien n&apos;a été collé</translation>
    </message>
    <message>
        <source>Pasted channel %1</source>
        <translation>Canal %1 collé</translation>
    </message>
    <message>
        <source>Pasted channels %1-%2</source>
        <translation>Canaux %1-%2 collés</translation>
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
        <translation>Fichiers CSV (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Export Channels as CSV</source>
        <translation>Exporter les canaux en CSV</translation>
    </message>
    <message>
        <source>Import Channels from CSV</source>
        <translation>Importer les canaux depuis un CSV</translation>
    </message>
    <message>
        <source>Exported the channels to %1</source>
        <translation>Canaux exportés dans %1</translation>
    </message>
    <message>
        <source>Cannot import %1.</source>
        <translation>Impossible d&apos;importer %1.</translation>
    </message>
    <message>
        <source>No channel was changed.</source>
        <translation>Aucun canal n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Imported 1 channel from %1</source>
        <translation>1 canal importé depuis %1</translation>
    </message>
    <message>
        <source>Imported %1 channels from %2</source>
        <translation>%1 canaux importés depuis %2</translation>
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
        <translation>Les Code couleur Rx et Tx, Contact Tx et Liste groupes Rx modifiés sur le canal %1 s&apos;appliquent aussi à %2.</translation>
    </message>
    <message>
        <source>Channel edit</source>
        <translation>Édition du canal</translation>
    </message>
    <message>
        <source>Channel edit.</source>
        <translation>Édition du canal.</translation>
    </message>
</context>
<context>
    <name>CChannelEditDlg</name>
    <message>
        <source>Next channel</source>
        <translation>Canal suivant</translation>
    </message>
    <message>
        <source>Previous channel</source>
        <translation>Canal précédent</translation>
    </message>
    <message>
        <source>Analog</source>
        <translation>Analogique</translation>
    </message>
    <message>
        <source>Digit</source>
        <translation>Numérique</translation>
    </message>
    <message>
        <source>Call 1</source>
        <translation>Appel 1</translation>
    </message>
    <message>
        <source>Call 2</source>
        <translation>Appel 2</translation>
    </message>
</context>
<context>
    <name>CCodeplugCommands</name>
    <message>
        <source>Codeplug (*.yaml *.yml);;All Files (*)</source>
        <translation>Configuration (*.yaml *.yml);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Exported %1</source>
        <translation>%1 exporté</translation>
    </message>
    <message>
        <source>Cannot import %1:
%2</source>
        <translation>Impossible d&apos;importer %1&#xa0;:
%2</translation>
    </message>
    <message>
        <source>Imported %1</source>
        <translation>%1 importé</translation>
    </message>
    <message>
        <source>Imported %1: %2 value(s) stored other than written.</source>
        <translation>%1 importé&#xa0;: %2 valeur(s) enregistrée(s) autrement que dans le fichier.</translation>
    </message>
</context>
<context>
    <name>CContactPage</name>
    <message>
        <source>Contacts</source>
        <translation>Contacts</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insérer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
</context>
<context>
    <name>CDocumentController</name>
    <message>
        <source>*.dat (*.dat);;All Files (*)</source>
        <translation>*.dat (*.dat);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Untitled (read from the radio)</source>
        <translation>Sans titre (lu depuis la radio)</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Rechargement</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>%1 ouvert</translation>
    </message>
    <message>
        <source>Opened %1.%2</source>
        <translation>%1 ouvert.%2</translation>
    </message>
    <message>
        <source>Opened the backup %1; Save asks for a new name</source>
        <translation>Sauvegarde %1 ouverte&#xa0;; Enregistrer demande un nouveau nom</translation>
    </message>
    <message>
        <source>%1 no longer exists; it was removed from the recent files.</source>
        <translation>%1 n&apos;existe plus&#xa0;; il a été retiré des fichiers récents.</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 enregistré</translation>
    </message>
    <message>
        <source>Saved %1.%2</source>
        <translation>%1 enregistré.%2</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modification</translation>
    </message>
    <message>
        <source>Reloaded %1</source>
        <translation>%1 rechargé</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
</context>
<context>
    <name>CDtmfContactPage</name>
    <message>
        <source>No.</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>DTMF codes</source>
        <translation>Codes DTMF</translation>
    </message>
</context>
<context>
    <name>CFillChannelsDlg</name>
    <message>
        <source>Fill Channels</source>
        <translation>Remplir les canaux</translation>
    </message>
    <message>
        <source>&amp;All 16 channels</source>
        <translation>&amp;Tous les 16 canaux</translation>
    </message>
    <message>
        <source>%1 (%2 channels, %3 kHz apart)</source>
        <translation>%1 (%2 canaux espacés de %3 kHz)</translation>
    </message>
    <message>
        <source>&amp;Selected %1</source>
        <translation>&amp;Sélection&#xa0;: %1</translation>
    </message>
    <message>
        <source>&amp;Selected channels (select two or more first)</source>
        <translation>Canaux &amp;sélectionnés (en sélectionner d&apos;abord deux ou plus)</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>The same on every channel</source>
        <translation>La même sur chaque canal</translation>
    </message>
    <message>
        <source>One per channel, rising</source>
        <translation>Une par canal, croissante</translation>
    </message>
    <message>
        <source>To&amp;ne:</source>
        <translation>T&amp;onalité&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Plan:</source>
        <translation>&amp;Plan&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;First plan channel:</source>
        <translation>Premier &amp;canal du plan&#xa0;:</translation>
    </message>
    <message>
        <source>Fill:</source>
        <translation>Remplir&#xa0;:</translation>
    </message>
    <message>
        <source>CTCSS &amp;tones:</source>
        <translation>To&amp;nalités CTCSS&#xa0;:</translation>
    </message>
    <message>
        <source>%1 to %2 MHz</source>
        <translation>%1 à %2 MHz</translation>
    </message>
    <message>
        <source>%1 will stay unchanged: %2 ends at channel %3</source>
        <translation>%1&#xa0;: aucune modification, %2 s&apos;arrête au canal %3</translation>
    </message>
</context>
<context>
    <name>CFleetIdentityBox</name>
    <message>
        <source>Each radio</source>
        <translation>Chaque radio</translation>
    </message>
    <message>
        <source>e.g. 1000001</source>
        <translation>p. ex. 1000001</translation>
    </message>
    <message>
        <source>Unit {n}, or {id:4} for the ID&apos;s last 4 digits</source>
        <translation>Radio {n}, ou {id:4} pour les 4 derniers chiffres de l&apos;ID</translation>
    </message>
    <message>
        <source>{n}: the radio&apos;s number in the list of ticked ports; {id}: its 7-digit ID; {id:4}: the ID&apos;s last 4 digits. Cut to the radio&apos;s 8 characters.</source>
        <translation>{n}&#xa0;: numéro de la radio dans la liste des ports cochés&#xa0;; {id}&#xa0;: son ID à 7 chiffres&#xa0;; {id:4}&#xa0;: les 4 derniers chiffres de l&apos;ID. Coupé aux 8 caractères de la radio.</translation>
    </message>
    <message>
        <source>Keep each radio&apos;s identity</source>
        <translation>Garder l&apos;identité de chaque radio</translation>
    </message>
    <message>
        <source>Read each radio first and write the new configuration with its own ID and name</source>
        <translation>Lire d&apos;abord chaque radio et écrire la nouvelle configuration avec son propre ID et son propre nom</translation>
    </message>
    <message>
        <source>Verify after writing</source>
        <translation>Vérifier après l&apos;écriture</translation>
    </message>
    <message>
        <source>Copy this file&apos;s squelch calibration to every radio</source>
        <translation>Copier l&apos;étalonnage du squelch de ce fichier dans chaque radio</translation>
    </message>
    <message>
        <source>Off: each radio keeps the squelch calibration the factory set for it (read first, written back unchanged)</source>
        <translation>Désactivé&#xa0;: chaque radio garde l&apos;étalonnage du squelch réglé en usine pour elle (lu d&apos;abord, réécrit sans changement)</translation>
    </message>
    <message>
        <source>One cable: the list&apos;s radios one after another on one port</source>
        <translation>Un seul câble&#xa0;: les radios de la liste l&apos;une après l&apos;autre sur un même port</translation>
    </message>
    <message>
        <source>Tick the one port; each radio of the imported list is written in turn, and the dialog asks for the next radio (Space or Enter)</source>
        <translation>Cochez le seul port&#xa0;; chaque radio de la liste importée est écrite à son tour, et la boîte de dialogue demande la radio suivante (Espace ou Entrée)</translation>
    </message>
    <message>
        <source>First radio ID:</source>
        <translation>Premier ID radio&#xa0;:</translation>
    </message>
    <message>
        <source>ID step:</source>
        <translation>Pas de l&apos;ID&#xa0;:</translation>
    </message>
    <message>
        <source>Name pattern:</source>
        <translation>Modèle de nom&#xa0;:</translation>
    </message>
</context>
<context>
    <name>CFleetPortTable</name>
    <message>
        <source>Radios</source>
        <translation>Radios</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Radio ID</source>
        <translation>ID radio</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>unplugged</source>
        <translation>débranché</translation>
    </message>
</context>
<context>
    <name>CFleetSummaryTable</name>
    <message>
        <source>Results</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Radio ID</source>
        <translation>ID radio</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Vérif.</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Secondes</translation>
    </message>
</context>
<context>
    <name>CFleetWriteDlg</name>
    <message>
        <source>Write to Several Radios</source>
        <translation>Écrire sur plusieurs radios</translation>
    </message>
    <message>
        <source>Radios (one per port, all written at the same time), each with its ID and name:</source>
        <translation>Radios (une par port, toutes écrites en même temps), chacune avec son ID et son nom&#xa0;:</translation>
    </message>
    <message>
        <source>/dev/ttyUSB1 or a virtual radio&apos;s /dev/pts/N</source>
        <translation>/dev/ttyUSB1 ou le /dev/pts/N d&apos;une radio virtuelle</translation>
    </message>
    <message>
        <source>Port to add</source>
        <translation>Port à ajouter</translation>
    </message>
    <message>
        <source>Add Port</source>
        <translation>Ajouter le port</translation>
    </message>
    <message>
        <source>Import list...</source>
        <translation>Importer une liste...</translation>
    </message>
    <message>
        <source>The customer&apos;s list: one row a radio with its name, dPMR ID and, optionally, its port; from a CSV file, or the rows copied in a spreadsheet</source>
        <translation>La liste du client&#xa0;: une ligne par radio avec son nom, son ID dPMR et, en option, son port&#xa0;; depuis un fichier CSV, ou les lignes copiées dans un tableur</translation>
    </message>
    <message>
        <source>From a CSV File...</source>
        <translation>Depuis un fichier CSV...</translation>
    </message>
    <message>
        <source>Paste from the Clipboard</source>
        <translation>Coller depuis le presse-papiers</translation>
    </message>
    <message>
        <source>Session log</source>
        <translation>Journal de la session</translation>
    </message>
    <message>
        <source>Every run and retry of this session is logged here.</source>
        <translation>Chaque passe et chaque nouvel essai de cette session sont consignés ici.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Next Radio</source>
        <translation>Radio suivante</translation>
    </message>
    <message>
        <source>Retry Failed</source>
        <translation>Réessayer les échecs</translation>
    </message>
    <message>
        <source>Save Report...</source>
        <translation>Enregistrer le rapport...</translation>
    </message>
    <message>
        <source>Print Report...</source>
        <translation>Imprimer le rapport...</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>added by hand</source>
        <translation>ajouté à la main</translation>
    </message>
    <message>
        <source>%1 takes line %2 of the list</source>
        <translation>%1 prend la ligne %2 de la liste</translation>
    </message>
    <message>
        <source>The list was not taken from %1: %2.</source>
        <translation>La liste n&apos;a pas été reprise depuis %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>named in the list</source>
        <translation>nommé dans la liste</translation>
    </message>
    <message>
        <source>%1 radios from %2.</source>
        <translation>%1 radios depuis %2.</translation>
    </message>
    <message>
        <source>
No port for %1 yet: plug in another cable, or write them with &quot;One cable&quot;.</source>
        <translation>
Pas encore de port pour %1&#xa0;: branchez un autre câble, ou écrivez-les avec «&#xa0;Un seul câble&#xa0;».</translation>
    </message>
    <message>
        <source>Imported %1 rows from %2</source>
        <translation>%1 lignes importées depuis %2</translation>
    </message>
    <message>
        <source>Import List</source>
        <translation>Importer une liste</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;Text files (*.txt);;All Files (*)</source>
        <translation>Fichiers CSV (*.csv);;Fichiers texte (*.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The list was not read: %1.</source>
        <translation>La liste n&apos;a pas été lue&#xa0;: %1.</translation>
    </message>
    <message>
        <source>the clipboard</source>
        <translation>le presse-papiers</translation>
    </message>
    <message>
        <source>Nothing was sent: %1.</source>
        <translation>Rien n&apos;a été envoyé&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Nothing was sent: %1 of the list have no radio: plug in another cable or tick another port.</source>
        <translation>Rien n&apos;a été envoyé&#xa0;: %1 de la liste n&apos;ont pas de radio&#xa0;: branchez un autre câble ou cochez un autre port.</translation>
    </message>
    <message>
        <source>Nothing was sent:
%1</source>
        <translation>Rien n&apos;a été envoyé&#xa0;:
%1</translation>
    </message>
    <message>
        <source>Write the radios all the same?</source>
        <translation>Écrire les radios quand même&#xa0;?</translation>
    </message>
    <message>
        <source>Nothing was sent.</source>
        <translation>Rien n&apos;a été envoyé.</translation>
    </message>
    <message>
        <source>The backups could not be looked through for IDs given before.</source>
        <translation>Les sauvegardes n&apos;ont pas pu être parcourues à la recherche des ID déjà attribués.</translation>
    </message>
    <message>
        <source>Tick the ports of the radios to write.</source>
        <translation>Cochez les ports des radios à écrire.</translation>
    </message>
    <message>
        <source>Every radio keeps the file&apos;s name &quot;%1&quot;.</source>
        <translation>Chaque radio garde le nom de radio du fichier «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Start: %1 radio(s), verify</source>
        <translation>Démarrage&#xa0;: %1 radio(s), avec vérification</translation>
    </message>
    <message>
        <source>Start: %1 radio(s)</source>
        <translation>Démarrage&#xa0;: %1 radio(s)</translation>
    </message>
    <message>
        <source>One cable: tick the one port the radios are put on.</source>
        <translation>Un seul câble&#xa0;: cochez le seul port sur lequel les radios sont branchées.</translation>
    </message>
    <message>
        <source>One cable: import the list of radios first (&quot;Import list...&quot;).</source>
        <translation>Un seul câble&#xa0;: importez d&apos;abord la liste des radios («&#xa0;Importer une liste...&#xa0;»).</translation>
    </message>
    <message>
        <source>One cable on %1: %2 radios</source>
        <translation>Un seul câble sur %1&#xa0;: %2 radios</translation>
    </message>
    <message>
        <source>Radio %1 got %2 &quot;%3&quot;: %4.
</source>
        <translation>La radio %1 a reçu %2 «&#xa0;%3&#xa0;»&#xa0;: %4.
</translation>
    </message>
    <message>
        <source>The list is done: %1 of %2 radios written.</source>
        <translation>La liste est terminée&#xa0;: %1 radios écrites sur %2.</translation>
    </message>
    <message>
        <source>Next: put radio %1 of %2 on the cable (ID %3, &quot;%4&quot;) and press Space or Enter.</source>
        <translation>Suivante&#xa0;: branchez au câble la radio %1 sur %2 (ID %3, «&#xa0;%4&#xa0;») et appuyez sur Espace ou Entrée.</translation>
    </message>
    <message>
        <source>Again: put radio %1 of %2 on the cable (ID %3, &quot;%4&quot;) and press Space or Enter.</source>
        <translation>De nouveau&#xa0;: branchez au câble la radio %1 sur %2 (ID %3, «&#xa0;%4&#xa0;») et appuyez sur Espace ou Entrée.</translation>
    </message>
    <message>
        <source>Radio %1 of %2 on the cable</source>
        <translation>Radio %1 sur %2 branchée au câble</translation>
    </message>
    <message>
        <source>Retry: %1 radio(s)</source>
        <translation>Nouvel essai&#xa0;: %1 radio(s)</translation>
    </message>
    <message>
        <source>%1: %2 &quot;%3&quot;: %4</source>
        <translation>%1&#xa0;: %2 «&#xa0;%3&#xa0;»&#xa0;: %4</translation>
    </message>
    <message>
        <source>%1: %2 &quot;%3&quot;: %4, verify %5</source>
        <translation>%1&#xa0;: %2 «&#xa0;%3&#xa0;»&#xa0;: %4, vérification %5</translation>
    </message>
    <message>
        <source>May hold a partly written configuration: %1</source>
        <translation>Configuration peut-être partiellement écrite&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 of %2 radios written.</source>
        <translation>%1 radios écrites sur %2.</translation>
    </message>
    <message>
        <source>These radios may now hold a partly written configuration: write them again before using them: %1</source>
        <translation>Ces radios contiennent peut-être une configuration partiellement écrite&#xa0;: réécrivez-les avant de les utiliser&#xa0;: %1</translation>
    </message>
    <message>
        <source>
Stopped before the end of the list.</source>
        <translation>
Arrêté avant la fin de la liste.</translation>
    </message>
    <message>
        <source>One cable: stopped before the end of the list</source>
        <translation>Un seul câble&#xa0;: arrêté avant la fin de la liste</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Enregistrer le rapport</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All Files (*)</source>
        <translation>Fichiers CSV (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The report was not saved.
%1</source>
        <translation>Le rapport n&apos;a pas été enregistré.
%1</translation>
    </message>
    <message>
        <source>
Report saved to %1</source>
        <translation>
Rapport enregistré dans %1</translation>
    </message>
    <message>
        <source>Report saved to %1</source>
        <translation>Rapport enregistré dans %1</translation>
    </message>
    <message>
        <source>Radios are being written. Stop every transfer and close?</source>
        <translation>Des radios sont en cours d&apos;écriture. Arrêter tous les transferts et fermer&#xa0;?</translation>
    </message>
    <message>
        <source>A radio stopped in the middle of its write holds a partly written configuration and is to be written again.</source>
        <translation>Une radio arrêtée au milieu de son écriture contient une configuration partiellement écrite et doit être réécrite.</translation>
    </message>
    <message>
        <source>Closed during the transfer: every radio stopped</source>
        <translation>Fermé pendant le transfert&#xa0;: toutes les radios ont été arrêtées</translation>
    </message>
</context>
<context>
    <name>CGroupRxListPage</name>
    <message>
        <source>Add &gt;&gt;</source>
        <translation>Ajouter &gt;&gt;</translation>
    </message>
    <message>
        <source>Del &lt;&lt;</source>
        <translation>Suppr. &lt;&lt;</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source>Unallocated:</source>
        <translation>Non attribués&#xa0;:</translation>
    </message>
    <message>
        <source>Allocated:</source>
        <translation>Attribués&#xa0;:</translation>
    </message>
    <message>
        <source>Group rx lists</source>
        <translation>Listes groupes Rx</translation>
    </message>
</context>
<context>
    <name>CLanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>The &amp;Desktop&apos;s Language</source>
        <translation>Langue du &amp;bureau</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>The choice of language could not be kept in %1.</source>
        <translation>Le choix de la langue n&apos;a pas pu être conservé dans %1.</translation>
    </message>
    <message>
        <source>The language changes the next time dpmrcps starts.</source>
        <translation>La langue changera au prochain démarrage de dpmrcps.</translation>
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
        <translation>&amp;Fichiers récents</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>MAJ</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>DÉFIL</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annuler&#xa0;: %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rétablir&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>CPortSettingDlg</name>
    <message>
        <source>Virtual radio (demo)</source>
        <translation>Radio virtuelle (démo)</translation>
    </message>
    <message>
        <source>Port setting</source>
        <translation>Réglage du port</translation>
    </message>
    <message>
        <source>&amp;Check the connection</source>
        <translation>&amp;Vérifier la connexion</translation>
    </message>
    <message>
        <source>Look for what keeps the program from the radio on this port, and how to fix it</source>
        <translation>Chercher ce qui empêche le programme d&apos;atteindre la radio sur ce port, et comment y remédier</translation>
    </message>
    <message>
        <source>&amp;Device:</source>
        <translation>&amp;Périphérique&#xa0;:</translation>
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
        <translation>%1  (impossible à démarrer)</translation>
    </message>
    <message>
        <source>Unplugged: %1</source>
        <translation>Débranché&#xa0;: %1</translation>
    </message>
    <message>
        <source>Plugged in: %1
</source>
        <translation>Branché&#xa0;: %1
</translation>
    </message>
    <message>
        <source>Choose a port, or type its device path.</source>
        <translation>Choisissez un port, ou tapez le chemin de son périphérique.</translation>
    </message>
</context>
<context>
    <name>CProgramView</name>
    <message>
        <source>Freq range</source>
        <translation>Plage de fréq.</translation>
    </message>
    <message>
        <source>Channel edit</source>
        <translation>Édition du canal</translation>
    </message>
    <message>
        <source>Factroy</source>
        <translation>Usine</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canaux</translation>
    </message>
    <message>
        <source>Fill Channels</source>
        <translation>Remplir les canaux</translation>
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
        <translation>Lecture des données</translation>
    </message>
    <message>
        <source>Write data</source>
        <translation>Écriture des données</translation>
    </message>
    <message>
        <source>Connect the radio, switch it on, then press Start.</source>
        <translation>Branchez la radio, allumez-la, puis appuyez sur Démarrer.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Check the connection</source>
        <translation>Vérifier la connexion</translation>
    </message>
    <message>
        <source>Verify after writing</source>
        <translation>Vérifier après l&apos;écriture</translation>
    </message>
    <message>
        <source>Keep the radio&apos;s squelch calibration</source>
        <translation>Garder l&apos;étalonnage du squelch de la radio</translation>
    </message>
    <message>
        <source>Read the radio&apos;s own squelch calibration first and write it back unchanged, instead of the one in this file (set at the factory for the radio it came from)</source>
        <translation>Lire d&apos;abord l&apos;étalonnage du squelch propre à la radio et le réécrire sans changement, au lieu de celui de ce fichier (réglé en usine pour la radio dont il provient)</translation>
    </message>
    <message>
        <source>Connecting to the radio...</source>
        <translation>Connexion à la radio...</translation>
    </message>
    <message>
        <source>Ending the session...</source>
        <translation>Fin de la session...</translation>
    </message>
    <message>
        <source>Verifying block 0x%1...</source>
        <translation>Vérification du bloc 0x%1...</translation>
    </message>
    <message>
        <source>Writing block 0x%1...</source>
        <translation>Écriture du bloc 0x%1...</translation>
    </message>
    <message>
        <source>Reading block 0x%1...</source>
        <translation>Lecture du bloc 0x%1...</translation>
    </message>
    <message>
        <source>Written. Reading the radio back to verify...</source>
        <translation>Écrit. Relecture de la radio pour vérification...</translation>
    </message>
    <message>
        <source>Read from the radio</source>
        <translation>Lu depuis la radio</translation>
    </message>
    <message>
        <source>Written</source>
        <translation>Écrit</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Arrêté.</translation>
    </message>
    <message>
        <source>Stopped: the document is as it was.</source>
        <translation>Arrêté&#xa0;: le document est resté tel quel.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>CRadioCommands</name>
    <message>
        <source>Read from the radio</source>
        <translation>Lu depuis la radio</translation>
    </message>
    <message>
        <source>Read from the radio. %1</source>
        <translation>Lu depuis la radio. %1</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... et %1 de plus</translation>
    </message>
    <message>
        <source>Write anyway?</source>
        <translation>Écrire quand même&#xa0;?</translation>
    </message>
    <message>
        <source>The radio cannot use this configuration as it stands:

%1</source>
        <translation>La radio ne peut pas utiliser cette configuration en l&apos;état&#xa0;:

%1</translation>
    </message>
    <message>
        <source>Note before writing:
%1</source>
        <translation>À noter avant l&apos;écriture&#xa0;:
%1</translation>
    </message>
    <message>
        <source>Written to the radio</source>
        <translation>Écrit dans la radio</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>Virtual radio %1 (demo)</source>
        <translation>Radio virtuelle %1 (démo)</translation>
    </message>
    <message>
        <source>the port of Read and Write</source>
        <translation>le port de Lire et Écrire</translation>
    </message>
    <message>
        <source>These radios may hold a partly written configuration: %1</source>
        <translation>Ces radios contiennent peut-être une configuration partiellement écrite&#xa0;: %1</translation>
    </message>
    <message>
        <source>Wrong service password: squelch calibration not opened</source>
        <translation>Mot de passe de service erroné&#xa0;: étalonnage du squelch non ouvert</translation>
    </message>
</context>
<context>
    <name>CReportDlg</name>
    <message>
        <source>Report a Problem</source>
        <translation>Signaler un problème</translation>
    </message>
    <message>
        <source>This gathers what is needed to look into a connection or a transfer that went wrong into one file for you to attach to your report. Nothing is sent anywhere. It holds:</source>
        <translation>Ceci réunit dans un seul fichier ce qui est nécessaire pour examiner une connexion ou un transfert qui a échoué, à joindre à votre signalement. Rien n&apos;est envoyé nulle part. Il contient&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Include the open configuration (radio ID, radio name, contacts and codes replaced)</source>
        <translation>&amp;Inclure la configuration ouverte (ID radio, nom radio, contacts et codes remplacés)</translation>
    </message>
    <message>
        <source>&amp;Save Report...</source>
        <translation>&amp;Enregistrer le rapport...</translation>
    </message>
    <message>
        <source>Saved to %1. Attach this file to your problem report.</source>
        <translation>Enregistré dans %1. Joignez ce fichier à votre signalement.</translation>
    </message>
    <message>
        <source>The report was not saved: %1</source>
        <translation>Le rapport n&apos;a pas été enregistré&#xa0;: %1</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Enregistrer le rapport</translation>
    </message>
    <message>
        <source>Report archives (*.tar.gz);;All Files (*)</source>
        <translation>Archives de rapport (*.tar.gz);;Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>CServicePasswordDlg</name>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Pwd</source>
        <translation>Mot de passe</translation>
    </message>
</context>
<context>
    <name>CSqlCalibrationPage</name>
    <message>
        <source>Freq</source>
        <translation>Fréq.</translation>
    </message>
    <message>
        <source>Sql</source>
        <translation>Sql</translation>
    </message>
    <message>
        <source>The frequency of the band, in MHz, that the row calibrates.</source>
        <translation>Fréquence de la bande, en MHz, que la ligne étalonne.</translation>
    </message>
    <message>
        <source>Squelch calibration points</source>
        <translation>Points d&apos;étalonnage du squelch</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Écrire</translation>
    </message>
</context>
<context>
    <name>CUserGuideDlg</name>
    <message>
        <source>User Guide</source>
        <translation>Guide d&apos;utilisation</translation>
    </message>
</context>
<context>
    <name>ChannelTablePrinter</name>
    <message>
        <source>Radio name: %1    Radio id: %2    Freq range: %3</source>
        <translation>Nom radio&#xa0;: %1    ID radio&#xa0;: %2    Plage de fréq.&#xa0;: %3</translation>
    </message>
</context>
<context>
    <name>ConnectionCheck</name>
    <message>
        <source>Check the connection</source>
        <translation>Vérifier la connexion</translation>
    </message>
</context>
<context>
    <name>DocumentQuestions</name>
    <message>
        <source> An earlier save of %1 did not finish; the temporary file it left (%2 and %3 more) was removed.</source>
        <translation> Un enregistrement précédent de %1 ne s&apos;est pas terminé&#xa0;; les fichiers temporaires qu&apos;il a laissés (%2 et %3 autres) ont été supprimés.</translation>
    </message>
    <message>
        <source> An earlier save of %1 did not finish; the temporary file it left (%2) was removed.</source>
        <translation> Un enregistrement précédent de %1 ne s&apos;est pas terminé&#xa0;; le fichier temporaire qu&apos;il a laissé (%2) a été supprimé.</translation>
    </message>
    <message>
        <source> %1 itself is whole, as last saved on %2.</source>
        <translation> %1 lui-même est intact, tel qu&apos;enregistré pour la dernière fois le %2.</translation>
    </message>
    <message>
        <source>Replace the changes made to %1 elsewhere?</source>
        <translation>Remplacer les modifications apportées ailleurs à %1&#xa0;?</translation>
    </message>
    <message>
        <source>%1 was changed on disk on %2, by another program or window, since it was opened or saved here. Saving replaces those changes with this document.</source>
        <translation>%1 a été modifié sur le disque le %2, par un autre programme ou une autre fenêtre, depuis son ouverture ou son enregistrement ici. L&apos;enregistrement remplace ces modifications par ce document.</translation>
    </message>
    <message>
        <source>Replace all of %1?</source>
        <translation>Remplacer tout %1&#xa0;?</translation>
    </message>
    <message>
        <source>%1 holds %2 bytes, more than a radio image. Saving replaces it with the %3 bytes of this document, and the rest is lost.</source>
        <translation>%1 contient %2 octets, plus qu&apos;une image de radio. L&apos;enregistrement le remplace par les %3 octets de ce document, et le reste est perdu.</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Remplacer</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>%1 was changed on disk.</source>
        <translation>%1 a été modifié sur le disque.</translation>
    </message>
    <message>
        <source>Another program or window saved it on %1, after it was opened or saved here, and this document has changes of its own. Reload puts the file&apos;s content here (Undo brings this document back); Keep Mine keeps this document, and Save then replaces the file with it.</source>
        <translation>Un autre programme ou une autre fenêtre l&apos;a enregistré le %1, après son ouverture ou son enregistrement ici, et ce document a ses propres modifications. Recharger met ici le contenu du fichier (Annuler ramène ce document)&#xa0;; Garder le mien conserve ce document, et Enregistrer remplace alors le fichier par celui-ci.</translation>
    </message>
    <message>
        <source>Another program or window saved it on %1, after it was opened or saved here. Reload puts the file&apos;s content here (Undo brings this document back); Keep Mine keeps this document, and Save then replaces the file with it.</source>
        <translation>Un autre programme ou une autre fenêtre l&apos;a enregistré le %1, après son ouverture ou son enregistrement ici. Recharger met ici le contenu du fichier (Annuler ramène ce document)&#xa0;; Garder le mien conserve ce document, et Enregistrer remplace alors le fichier par celui-ci.</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>&amp;Recharger</translation>
    </message>
    <message>
        <source>&amp;Keep Mine</source>
        <translation>&amp;Garder le mien</translation>
    </message>
    <message>
        <source>Save changes?</source>
        <translation>Enregistrer les modifications&#xa0;?</translation>
    </message>
    <message>
        <source>The radio data in &quot;%1&quot; has been changed.</source>
        <translation>Les données radio de «&#xa0;%1&#xa0;» ont été modifiées.</translation>
    </message>
</context>
<context>
    <name>Field</name>
    <message>
        <source>Channel table</source>
        <translation>Tableau des canaux</translation>
    </message>
    <message>
        <source>The main window&apos;s table: each row one channel&apos;s main settings, edited in place; the Channel edit dialog has them all.</source>
        <translation>Le tableau de la fenêtre principale&#xa0;: chaque ligne contient les réglages principaux d&apos;un canal, modifiables directement&#xa0;; la boîte de dialogue Édition du canal les réunit tous.</translation>
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
        <translation>Tonalité 1750</translation>
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
        <translation>Code DTMF de 16 symboles au plus (0-9, A-D, * et #)&#xa0;: un canal envoie le code de ce numéro comme Appel analog. 1 ou 2 (Édition du canal &gt; Analogique).</translation>
    </message>
    <message>
        <source>A beep when scanning ends.</source>
        <translation>Un bip à la fin du balayage.</translation>
    </message>
    <message>
        <source>A beep when scanning starts.</source>
        <translation>Un bip au début du balayage.</translation>
    </message>
    <message>
        <source>A channel the radio keeps looking at while it scans, so that a call on it is not missed; None for no priority channel. The list offers the channels that hold a frequency.</source>
        <translation>Canal que la radio continue de surveiller pendant le balayage, afin de ne pas manquer un appel sur celui-ci&#xa0;; Aucun&#xa0;: pas de canal prioritaire. La liste propose les canaux qui ont une fréquence.</translation>
    </message>
    <message>
        <source>A group code of up to 7 symbols 0-9, A-D, * and # (0x390). Only the bytes are known, not what the radio does with them.</source>
        <translation>Code de groupe de 7 symboles au plus (0-9, A-D, * et #) (0x390). Seuls les octets sont connus, pas l&apos;usage qu&apos;en fait la radio.</translation>
    </message>
    <message>
        <source>A tone when a digital call&apos;s link ends and the radio returns to its channel.</source>
        <translation>Une tonalité quand la liaison d&apos;un appel numérique se termine et que la radio revient à son canal.</translation>
    </message>
    <message>
        <source>A tone when a group call is received.</source>
        <translation>Une tonalité à la réception d&apos;un appel de groupe.</translation>
    </message>
    <message>
        <source>A tone when a received transmission ends (a roger beep on reception).</source>
        <translation>Une tonalité à la fin d&apos;une émission reçue (bip de fin d&apos;émission, ou «&#xa0;roger beep&#xa0;», en réception).</translation>
    </message>
    <message>
        <source>A tone when a single call (a call to this radio alone) is received.</source>
        <translation>Une tonalité à la réception d&apos;un appel individuel (un appel destiné à cette seule radio).</translation>
    </message>
    <message>
        <source>A tone when the radio is switched off.</source>
        <translation>Une tonalité à l&apos;arrêt de la radio.</translation>
    </message>
    <message>
        <source>A tone when the radio is switched on.</source>
        <translation>Une tonalité à la mise en marche de la radio.</translation>
    </message>
    <message>
        <source>A tone when the radio sends a call.</source>
        <translation>Une tonalité quand la radio envoie un appel.</translation>
    </message>
    <message>
        <source>A warning tone before the radio shuts itself down.</source>
        <translation>Une tonalité d&apos;avertissement avant que la radio ne s&apos;éteigne d&apos;elle-même.</translation>
    </message>
    <message>
        <source>A warning tone when the battery runs low.</source>
        <translation>Une tonalité d&apos;avertissement quand la batterie est faible.</translation>
    </message>
    <message>
        <source>ACK reply delay</source>
        <translation>Délai réponse ACK</translation>
    </message>
    <message>
        <source>ACK reply times</source>
        <translation>Répétitions ACK</translation>
    </message>
    <message>
        <source>ACK reply wait</source>
        <translation>Attente ACK</translation>
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
        <translation>Code de réactivation</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Adjustable parameters: the factory levels of the radio&apos;s audio, modulation, receive and DTMF paths (数字: digital channels, 模拟: analog channels). Read them from the radio, change them only with measuring equipment, and write them back.</source>
        <translation>Paramètres réglables&#xa0;: les niveaux d&apos;usine des chaînes audio, de modulation, de réception et DTMF de la radio (数字&#xa0;: canaux numériques, 模拟&#xa0;: canaux analogiques). Lisez-les depuis la radio, ne les modifiez qu&apos;avec des appareils de mesure, puis réécrivez-les.</translation>
    </message>
    <message>
        <source>After a time-out, the seconds the radio waits before it transmits again when PTT is pressed, 0 to 60.</source>
        <translation>Après un dépassement du TOT, le nombre de secondes pendant lesquelles la radio attend avant de réémettre quand on appuie sur le PTT, de 0 à 60.</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarme</translation>
    </message>
    <message>
        <source>Alarm time (s)</source>
        <translation>Durée alarme (s)</translation>
    </message>
    <message>
        <source>Alarm type</source>
        <translation>Type d&apos;alarme</translation>
    </message>
    <message>
        <source>Allocated:</source>
        <translation>Attribués&#xa0;:</translation>
    </message>
    <message>
        <source>Allow</source>
        <translation>Autoriser</translation>
    </message>
    <message>
        <source>Allow all call</source>
        <translation>Autoriser appel général</translation>
    </message>
    <message>
        <source>Allow: after sending a DTMF call the radio waits for an answer for the Response wait time; Inhibit: it does not wait.</source>
        <translation>Autoriser&#xa0;: après l&apos;envoi d&apos;un appel DTMF, la radio attend une réponse pendant la Durée attente réponse&#xa0;; Interdire&#xa0;: elle n&apos;attend pas.</translation>
    </message>
    <message>
        <source>Allow: you hear the DTMF tones in the speaker while the radio sends them; Inhibit: they are sent silently.</source>
        <translation>Autoriser&#xa0;: vous entendez les tonalités DTMF dans le haut-parleur pendant que la radio les envoie&#xa0;; Interdire&#xa0;: elles sont envoyées en silence.</translation>
    </message>
    <message>
        <source>Analog</source>
        <translation>Analogique</translation>
    </message>
    <message>
        <source>Analog alarm id code</source>
        <translation>Code ID alarme analog.</translation>
    </message>
    <message>
        <source>Analog call 1</source>
        <translation>Appel analog. 1</translation>
    </message>
    <message>
        <source>Analog call 2</source>
        <translation>Appel analog. 2</translation>
    </message>
    <message>
        <source>Analog channel width: Wide (25 kHz) or Narrow (12.5 kHz, as PMR446 uses). Radios that talk to each other need the same width.</source>
        <translation>Largeur de canal analogique&#xa0;: Large (25 kHz) ou Étroite (12,5 kHz, comme en PMR446). Des radios qui communiquent entre elles doivent avoir la même largeur.</translation>
    </message>
    <message>
        <source>Analog signalling on this channel: Off, or DTMF (the analog calls and PTTID below).</source>
        <translation>Signalisation analogique sur ce canal&#xa0;: Désactivé, ou DTMF (les appels analogiques et le PTTID ci-dessous).</translation>
    </message>
    <message>
        <source>Analog: FM only. Digit: dPMR digital only. Mixed(Digit) and Mixed(Analog): the channel takes both kinds of call and transmits digital or analog respectively.</source>
        <translation>Analogique&#xa0;: FM uniquement. Numérique&#xa0;: dPMR numérique uniquement. Mixte (numérique) et Mixte (analogique)&#xa0;: le canal accepte les deux types d&apos;appel et émet respectivement en numérique ou en analogique.</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Auto contact</source>
        <translation>Contact auto</translation>
    </message>
    <message>
        <source>Auto reset time (s)</source>
        <translation>Réinit. auto (s)</translation>
    </message>
    <message>
        <source>Automatic contact on this channel, the function set in Alarm &gt; Auto contact.</source>
        <translation>Contact automatique sur ce canal&#xa0;: la fonction réglée dans Alarme &gt; Contact auto.</translation>
    </message>
    <message>
        <source>Automatic contact: allow lets the radio check in by itself at regular times, with the Tx interval and Query interval below; prohibit switches it off. dPMR param &gt; Basic uses the same byte (0x378) for OACSU and Data type: this dialog writes it only when you change this control.</source>
        <translation>Contact automatique&#xa0;: autoriser permet à la radio de se signaler d&apos;elle-même à intervalles réguliers, selon l&apos;Intervalle Tx et l&apos;Intervalle requête ci-dessous&#xa0;; interdire désactive la fonction. Paramètres dPMR &gt; Général utilise le même octet (0x378) pour OACSU et Type de données&#xa0;: cette boîte de dialogue ne l&apos;écrit que si vous modifiez ce réglage.</translation>
    </message>
    <message>
        <source>Automatic contact: minutes between its queries, 1 to 10 (a value outside becomes 1). dPMR param &gt; Basic uses the same byte (0x37A) for ACK reply wait: this dialog writes it only when you change this control.</source>
        <translation>Contact automatique&#xa0;: minutes entre ses requêtes, de 1 à 10 (une valeur hors plage devient 1). Paramètres dPMR &gt; Général utilise le même octet (0x37A) pour Attente ACK&#xa0;: cette boîte de dialogue ne l&apos;écrit que si vous modifiez ce réglage.</translation>
    </message>
    <message>
        <source>Automatic contact: seconds between its transmissions, 10 to 60 in steps of 5 (a typed value is rounded down to a step; a value outside becomes 25). dPMR param &gt; Basic uses the same byte (0x379) for ACK reply delay: this dialog writes it only when you change this control.</source>
        <translation>Contact automatique&#xa0;: secondes entre ses émissions, de 10 à 60 par pas de 5 (une valeur saisie est arrondie au pas inférieur&#xa0;; une valeur hors plage devient 25). Paramètres dPMR &gt; Général utilise le même octet (0x379) pour Délai réponse ACK&#xa0;: cette boîte de dialogue ne l&apos;écrit que si vous modifiez ce réglage.</translation>
    </message>
    <message>
        <source>Automatic power off: the radio switches itself off after 10 or 30 minutes, 1 or 2 hours without use; Off never does.</source>
        <translation>Arrêt automatique&#xa0;: la radio s&apos;éteint d&apos;elle-même après 10 ou 30 minutes, 1 ou 2 heures sans utilisation&#xa0;; Désactivé&#xa0;: jamais.</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Backlight</source>
        <translation>Rétroéclairage</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Largeur de bande</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Basic setting</source>
        <translation>Réglages de base</translation>
    </message>
    <message>
        <source>Battery saving while the radio waits for a signal: Off, or a ratio from 1:1 to 1:12. A larger second number lets the receiver sleep longer, saving battery, but the start of a call may be missed. Default 1:10.</source>
        <translation>Économie de batterie pendant que la radio attend un signal&#xa0;: Désactivé, ou un rapport de 1:1 à 1:12. Plus le second nombre est grand, plus le récepteur dort longtemps, ce qui économise la batterie, mais le début d&apos;un appel peut être manqué. Par défaut 1:10.</translation>
    </message>
    <message>
        <source>Bit 0 of byte 0x31B, named Shock (a vibrating alert, by its name); kept as stored.</source>
        <translation>Bit 0 de l&apos;octet 0x31B, nommé Shock (une alerte par vibreur, d&apos;après son nom)&#xa0;; conservé tel qu&apos;enregistré.</translation>
    </message>
    <message>
        <source>Bit 7 of byte 0x318; what the radio does with it is not known. The channel table sets this bit whenever it stores the channels.</source>
        <translation>Bit 7 de l&apos;octet 0x318&#xa0;; l&apos;usage qu&apos;en fait la radio n&apos;est pas connu. Le tableau des canaux met ce bit à 1 chaque fois qu&apos;il enregistre les canaux.</translation>
    </message>
    <message>
        <source>Bit 7 of byte 0x31A; what the radio does with it is not known. The channel table sets this bit whenever it stores the channels.</source>
        <translation>Bit 7 de l&apos;octet 0x31A&#xa0;; l&apos;usage qu&apos;en fait la radio n&apos;est pas connu. Le tableau des canaux met ce bit à 1 chaque fois qu&apos;il enregistre les canaux.</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Les deux</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Canal occupé</translation>
    </message>
    <message>
        <source>Busy channel lockout: Carrier keeps the radio from transmitting while a signal is on the channel; Off allows it.</source>
        <translation>Verrouillage sur canal occupé&#xa0;: Porteuse empêche la radio d&apos;émettre tant qu&apos;un signal est présent sur le canal&#xa0;; Désactivé l&apos;autorise.</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>CTCSS signal gain: the level of the sub-audible CTCSS tone sent with analog transmissions. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Gain du signal CTCSS&#xa0;: le niveau de la tonalité CTCSS subaudible émise avec les transmissions analogiques. Valeur de 16 bits saisie en hexadécimal, de 0000 à FFFF. Réglage d&apos;usine&#xa0;: ne le modifiez qu&apos;avec des appareils de mesure à portée de main&#xa0;; il n&apos;est transféré que par les boutons Lire et Écrire propres à cette boîte de dialogue.</translation>
    </message>
    <message>
        <source>CTCSS信号增益</source>
        <translation>CTCSS信号增益</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Appel</translation>
    </message>
    <message>
        <source>Call 1</source>
        <translation>Appel 1</translation>
    </message>
    <message>
        <source>Call 2</source>
        <translation>Appel 2</translation>
    </message>
    <message>
        <source>Call link reset tone</source>
        <translation>Tonalité fin de liaison</translation>
    </message>
    <message>
        <source>Call out tone</source>
        <translation>Tonalité d&apos;appel</translation>
    </message>
    <message>
        <source>Carrier</source>
        <translation>Porteuse</translation>
    </message>
    <message>
        <source>Channel 1</source>
        <translation>Canal 1</translation>
    </message>
    <message>
        <source>Channel 10</source>
        <translation>Canal 10</translation>
    </message>
    <message>
        <source>Channel 11</source>
        <translation>Canal 11</translation>
    </message>
    <message>
        <source>Channel 12</source>
        <translation>Canal 12</translation>
    </message>
    <message>
        <source>Channel 13</source>
        <translation>Canal 13</translation>
    </message>
    <message>
        <source>Channel 14</source>
        <translation>Canal 14</translation>
    </message>
    <message>
        <source>Channel 15</source>
        <translation>Canal 15</translation>
    </message>
    <message>
        <source>Channel 16</source>
        <translation>Canal 16</translation>
    </message>
    <message>
        <source>Channel 2</source>
        <translation>Canal 2</translation>
    </message>
    <message>
        <source>Channel 3</source>
        <translation>Canal 3</translation>
    </message>
    <message>
        <source>Channel 4</source>
        <translation>Canal 4</translation>
    </message>
    <message>
        <source>Channel 5</source>
        <translation>Canal 5</translation>
    </message>
    <message>
        <source>Channel 6</source>
        <translation>Canal 6</translation>
    </message>
    <message>
        <source>Channel 7</source>
        <translation>Canal 7</translation>
    </message>
    <message>
        <source>Channel 8</source>
        <translation>Canal 8</translation>
    </message>
    <message>
        <source>Channel 9</source>
        <translation>Canal 9</translation>
    </message>
    <message>
        <source>Channel display</source>
        <translation>Affichage canal</translation>
    </message>
    <message>
        <source>Channel edit</source>
        <translation>Édition du canal</translation>
    </message>
    <message>
        <source>Channel no.</source>
        <translation>N° canal</translation>
    </message>
    <message>
        <source>Channel type</source>
        <translation>Type de canal</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chinois</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Codec type</source>
        <translation>Type de codec</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contact</translation>
    </message>
    <message>
        <source>Cycle</source>
        <translation>Cycles</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>DCS signal gain: the level of the DCS code sent with analog transmissions. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Gain du signal DCS&#xa0;: le niveau du code DCS émis avec les transmissions analogiques. Valeur de 16 bits saisie en hexadécimal, de 0000 à FFFF. Réglage d&apos;usine&#xa0;: ne le modifiez qu&apos;avec des appareils de mesure à portée de main&#xa0;; il n&apos;est transféré que par les boutons Lire et Écrire propres à cette boîte de dialogue.</translation>
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
        <translation>Code DTMF envoyé à la fin d&apos;une émission (Type PTTID Fin ou Les deux), 16 symboles au plus (0-9, A-D, * et #).</translation>
    </message>
    <message>
        <source>DTMF code sent at the start of a transmission (PTTID type On line or Both), up to 16 symbols 0-9, A-D, * and #.</source>
        <translation>Code DTMF envoyé au début d&apos;une émission (Type PTTID Début ou Les deux), 16 symboles au plus (0-9, A-D, * et #).</translation>
    </message>
    <message>
        <source>DTMF encoding amplitude adjustment: the level of the DTMF tones the radio sends. One byte typed in hexadecimal, 00 to FF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Réglage de l&apos;amplitude du codage DTMF&#xa0;: le niveau des tonalités DTMF émises par la radio. Un octet saisi en hexadécimal, de 00 à FF. Réglage d&apos;usine&#xa0;: ne le modifiez qu&apos;avec des appareils de mesure à portée de main&#xa0;; il n&apos;est transféré que par les boutons Lire et Écrire propres à cette boîte de dialogue.</translation>
    </message>
    <message>
        <source>DTMF hold time, 0.5 to 2.0 seconds in steps of 0.1. Only the byte and its range are known, not what the radio times with it.</source>
        <translation>Durée de maintien DTMF, de 0,5 à 2,0 secondes par pas de 0,1. Seuls l&apos;octet et sa plage sont connus, pas ce que la radio temporise avec.</translation>
    </message>
    <message>
        <source>DTMF编码幅度调节</source>
        <translation>DTMF编码幅度调节</translation>
    </message>
    <message>
        <source>Data type</source>
        <translation>Type de données</translation>
    </message>
    <message>
        <source>Data type 1 or 2 (bits 3 and 4 of 0x378). Only the bits are known, not which data format each number stands for. The Alarm dialog uses the same byte (0x378) for &quot;Auto contact&quot;; it writes the byte only when that control is changed there.</source>
        <translation>Type de données 1 ou 2 (bits 3 et 4 de 0x378). Seuls les bits sont connus, pas le format de données que désigne chaque numéro. La boîte de dialogue Alarme utilise le même octet (0x378) pour «&#xa0;Contact auto&#xa0;»&#xa0;; elle n&apos;écrit l&apos;octet que si ce réglage y est modifié.</translation>
    </message>
    <message>
        <source>Decode</source>
        <translation>Décodage</translation>
    </message>
    <message>
        <source>Decode display</source>
        <translation>Affichage décodage</translation>
    </message>
    <message>
        <source>Decode response</source>
        <translation>Réponse au décodage</translation>
    </message>
    <message>
        <source>Decoder input gain: the level of the received signal fed to the digital decoder. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Gain d&apos;entrée du décodeur&#xa0;: le niveau du signal reçu fourni au décodeur numérique. Valeur de 16 bits saisie en hexadécimal, de 0000 à FFFF. Réglage d&apos;usine&#xa0;: ne le modifiez qu&apos;avec des appareils de mesure à portée de main&#xa0;; il n&apos;est transféré que par les boutons Lire et Écrire propres à cette boîte de dialogue.</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Suppr.</translation>
    </message>
    <message>
        <source>Delay before the radio transmits, 0.1 to 5.0 seconds. Only the byte and its range are known, not which transmissions the radio delays.</source>
        <translation>Délai avant que la radio n&apos;émette, de 0,1 à 5,0 secondes. Seuls l&apos;octet et sa plage sont connus, pas les émissions que la radio retarde.</translation>
    </message>
    <message>
        <source>Dial access</source>
        <translation>Accès numérotation</translation>
    </message>
    <message>
        <source>Dial access, 0 to 7 (byte 0x398). Only the byte and its range are known, not what the radio does with it.</source>
        <translation>Accès numérotation, de 0 à 7 (octet 0x398). Seuls l&apos;octet et sa plage sont connus, pas l&apos;usage qu&apos;en fait la radio.</translation>
    </message>
    <message>
        <source>Digit</source>
        <translation>Numérique</translation>
    </message>
    <message>
        <source>Digit alarm id code</source>
        <translation>Code ID alarme num.</translation>
    </message>
    <message>
        <source>Direct</source>
        <translation>Direct</translation>
    </message>
    <message>
        <source>Direct: digital calls go from radio to radio. Repeat: they go through a dPMR repeater.</source>
        <translation>Direct&#xa0;: les appels numériques vont de radio à radio. Relais&#xa0;: ils passent par un relais dPMR.</translation>
    </message>
    <message>
        <source>EMI</source>
        <translation>Urgence</translation>
    </message>
    <message>
        <source>EMI close</source>
        <translation>Fin d&apos;urgence</translation>
    </message>
    <message>
        <source>Encode</source>
        <translation>Codage</translation>
    </message>
    <message>
        <source>Encrypt</source>
        <translation>Chiffrement</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Anglais</translation>
    </message>
    <message>
        <source>Entry delay time (s)</source>
        <translation>Délai d&apos;entrée (s)</translation>
    </message>
    <message>
        <source>Exit delay (s)</source>
        <translation>Délai de sortie (s)</translation>
    </message>
    <message>
        <source>First digit (ms)</source>
        <translation>1er chiffre (ms)</translation>
    </message>
    <message>
        <source>First digit delay (ms)</source>
        <translation>Délai 1er chiffre (ms)</translation>
    </message>
    <message>
        <source>Flashlight</source>
        <translation>Lampe torche</translation>
    </message>
    <message>
        <source>Freq</source>
        <translation>Fréq.</translation>
    </message>
    <message>
        <source>Gain of the two modulation signals together, on digital channels. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Gain des deux signaux de modulation ensemble, sur les canaux numériques. Valeur de 16 bits saisie en hexadécimal, de 0000 à FFFF. Réglage d&apos;usine&#xa0;: ne le modifiez qu&apos;avec des appareils de mesure à portée de main&#xa0;; il n&apos;est transféré que par les boutons Lire et Écrire propres à cette boîte de dialogue.</translation>
    </message>
    <message>
        <source>Group call</source>
        <translation>Appel de groupe</translation>
    </message>
    <message>
        <source>Group call code</source>
        <translation>Code appel de groupe</translation>
    </message>
    <message>
        <source>Group call tone</source>
        <translation>Tonalité appel groupe</translation>
    </message>
    <message>
        <source>Group code</source>
        <translation>Code de groupe</translation>
    </message>
    <message>
        <source>Group hold time</source>
        <translation>Maintien appel groupe</translation>
    </message>
    <message>
        <source>Group rx list</source>
        <translation>Liste groupes Rx</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Haute</translation>
    </message>
    <message>
        <source>Hihg/Low power</source>
        <translation>Puissance haute/basse</translation>
    </message>
    <message>
        <source>Hold time (s)</source>
        <translation>Maintien (s)</translation>
    </message>
    <message>
        <source>How fast DTMF digits are sent: 5, 6 or 10 digits a second. Slow down for receivers that miss digits.</source>
        <translation>Vitesse d&apos;envoi des chiffres DTMF&#xa0;: 5, 6 ou 10 chiffres par seconde. Ralentissez pour les récepteurs qui perdent des chiffres.</translation>
    </message>
    <message>
        <source>How long a side key must be held to count as a long press, 0.5 to 2.5 seconds in steps of 0.1 (a stored value outside shows 1.0).</source>
        <translation>Durée pendant laquelle une touche latérale doit être maintenue pour compter comme un appui long, de 0,5 à 2,5 secondes par pas de 0,1 (une valeur enregistrée hors plage s&apos;affiche 1.0).</translation>
    </message>
    <message>
        <source>How long scanning waits after a transmission or a reception ends before it goes on, 0.1 to 5.0 seconds.</source>
        <translation>Durée d&apos;attente du balayage après la fin d&apos;une émission ou d&apos;une réception, avant de reprendre, de 0,1 à 5,0 secondes.</translation>
    </message>
    <message>
        <source>How long the alarm lasts, 1 to 255 seconds (a value outside becomes 10).</source>
        <translation>Durée de l&apos;alarme, de 1 à 255 secondes (une valeur hors plage devient 10).</translation>
    </message>
    <message>
        <source>How long the radio keeps transmitting after you stop speaking with VOX, 0.1 to 2.0 seconds in steps of 0.1.</source>
        <translation>Durée pendant laquelle la radio continue d&apos;émettre en VOX après que vous avez cessé de parler, de 0,1 à 2,0 secondes par pas de 0,1.</translation>
    </message>
    <message>
        <source>How long the radio listens between the alarm&apos;s transmissions, 1 to 255 seconds (a value outside becomes 8).</source>
        <translation>Durée d&apos;écoute de la radio entre les émissions de l&apos;alarme, de 1 à 255 secondes (une valeur hors plage devient 8).</translation>
    </message>
    <message>
        <source>How long the radio sends carrier before a digital transmission, 0 to 1000 ms in steps of 20 (a typed value is rounded down to a step).</source>
        <translation>Durée pendant laquelle la radio émet la porteuse avant une émission numérique, de 0 à 1000 ms par pas de 20 (une valeur saisie est arrondie au pas inférieur).</translation>
    </message>
    <message>
        <source>How long the radio stays in a group call after its last transmission, so that an answer goes back to the same group; 0 to 30, in the radio&apos;s own unit (not known to this program).</source>
        <translation>Durée pendant laquelle la radio reste dans un appel de groupe après sa dernière émission, afin qu&apos;une réponse reparte vers le même groupe&#xa0;; de 0 à 30, dans l&apos;unité propre à la radio (inconnue de ce programme).</translation>
    </message>
    <message>
        <source>How long the radio stays in a single call after its last transmission, so that an answer goes back to the same radio; 0 to 30, in the radio&apos;s own unit (not known to this program).</source>
        <translation>Durée pendant laquelle la radio reste dans un appel individuel après sa dernière émission, afin qu&apos;une réponse reparte vers la même radio&#xa0;; de 0 à 30, dans l&apos;unité propre à la radio (inconnue de ce programme).</translation>
    </message>
    <message>
        <source>How long the radio transmits in each alarm cycle, 1 to 255 seconds (a value outside becomes 5).</source>
        <translation>Durée d&apos;émission de la radio à chaque cycle d&apos;alarme, de 1 à 255 secondes (une valeur hors plage devient 5).</translation>
    </message>
    <message>
        <source>How long the radio waits before it sends an acknowledgement of a call or message, 0.1 to 5.0 seconds. The Alarm dialog uses the same byte (0x379) for &quot;Tx interval (s)&quot;; it writes the byte only when that control is changed there.</source>
        <translation>Délai avant que la radio n&apos;envoie l&apos;accusé de réception d&apos;un appel ou d&apos;un message, de 0,1 à 5,0 secondes. La boîte de dialogue Alarme utilise le même octet (0x379) pour «&#xa0;Intervalle Tx (s)&#xa0;»&#xa0;; elle n&apos;écrit l&apos;octet que si ce réglage y est modifié.</translation>
    </message>
    <message>
        <source>How long the radio waits for an acknowledgement of its own call, 0 to 10, in the radio&apos;s own unit (not known to this program). The Alarm dialog uses the same byte (0x37A) for &quot;Query interval (min)&quot;; it writes the byte only when that control is changed there.</source>
        <translation>Durée pendant laquelle la radio attend l&apos;accusé de réception de son propre appel, de 0 à 10, dans l&apos;unité propre à la radio (inconnue de ce programme). La boîte de dialogue Alarme utilise le même octet (0x37A) pour «&#xa0;Intervalle requête (min)&#xa0;»&#xa0;; elle n&apos;écrit l&apos;octet que si ce réglage y est modifié.</translation>
    </message>
    <message>
        <source>How long the radio waits for an answer to a DTMF call, 0.5 to 10.0 seconds.</source>
        <translation>Durée pendant laquelle la radio attend la réponse à un appel DTMF, de 0,5 à 10,0 secondes.</translation>
    </message>
    <message>
        <source>How many times the radio sends a call that is not acknowledged, 1 to 10.</source>
        <translation>Nombre de fois que la radio renvoie un appel sans accusé de réception, de 1 à 10.</translation>
    </message>
    <message>
        <source>How many transmit and listen cycles the alarm runs, 1 to 255; continue (0) repeats them until the alarm is stopped.</source>
        <translation>Nombre de cycles d&apos;émission et d&apos;écoute de l&apos;alarme, de 1 à 255&#xa0;; continu (0) les répète jusqu&apos;à l&apos;arrêt de l&apos;alarme.</translation>
    </message>
    <message>
        <source>How scanning goes on after it stops on a busy channel: Time moves on after the stop time even if the signal is still there; Carrier waits until the signal ends.</source>
        <translation>Reprise du balayage après un arrêt sur un canal occupé&#xa0;: Temps repart après le temps d&apos;arrêt même si le signal est toujours présent&#xa0;; Porteuse attend la fin du signal.</translation>
    </message>
    <message>
        <source>How the alarm identity is sent on analog channels: Off (not sent) or DTMF (the Analog alarm id code as DTMF tones).</source>
        <translation>Envoi de l&apos;identité d&apos;alarme sur les canaux analogiques&#xa0;: Désactivé (pas d&apos;envoi) ou DTMF (le Code ID alarme analog. en tonalités DTMF).</translation>
    </message>
    <message>
        <source>How the radio scans the channels whose Scan is on, and where it stops and answers.</source>
        <translation>Comment la radio balaie les canaux dont le Balayage est activé, où elle s&apos;arrête et où elle répond.</translation>
    </message>
    <message>
        <source>How the radio sends DTMF signalling on analog channels, how it answers received DTMF (calls, remote kill), and the 16 DTMF codes channels can send.</source>
        <translation>Comment la radio envoie la signalisation DTMF sur les canaux analogiques, comment elle répond au DTMF reçu (appels, neutralisation à distance), et les 16 codes DTMF que les canaux peuvent envoyer.</translation>
    </message>
    <message>
        <source>ID type</source>
        <translation>Type d&apos;ID</translation>
    </message>
    <message>
        <source>Inhibit</source>
        <translation>Interdire</translation>
    </message>
    <message>
        <source>Key lock</source>
        <translation>Verrouillage clavier</translation>
    </message>
    <message>
        <source>Kill</source>
        <translation>Neutralisation</translation>
    </message>
    <message>
        <source>Kill Active</source>
        <translation>Neutral./réactiv.</translation>
    </message>
    <message>
        <source>Kill code</source>
        <translation>Code de neutralisation</translation>
    </message>
    <message>
        <source>Kill type</source>
        <translation>Type de neutralisation</translation>
    </message>
    <message>
        <source>Kill/active decode</source>
        <translation>Décodage neutral./réactiv.</translation>
    </message>
    <message>
        <source>LOUT DC offset adjustment: the DC offset of the left output (LOUT) of the radio&apos;s audio converter. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Réglage du décalage continu LOUT&#xa0;: le décalage en courant continu de la sortie gauche (LOUT) du convertisseur audio de la radio. Valeur de 16 bits saisie en hexadécimal, de 0000 à FFFF. Réglage d&apos;usine&#xa0;: ne le modifiez qu&apos;avec des appareils de mesure à portée de main&#xa0;; il n&apos;est transféré que par les boutons Lire et Écrire propres à cette boîte de dialogue.</translation>
    </message>
    <message>
        <source>LOUT直流偏置调节</source>
        <translation>LOUT直流偏置调节</translation>
    </message>
    <message>
        <source>Left channel output gain adjustment, on analog channels. A step from -57 to 6. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Réglage du gain de sortie du canal gauche, sur les canaux analogiques. Valeur en pas, de -57 à 6. Réglage d&apos;usine&#xa0;: ne le modifiez qu&apos;avec des appareils de mesure à portée de main&#xa0;; il n&apos;est transféré que par les boutons Lire et Écrire propres à cette boîte de dialogue.</translation>
    </message>
    <message>
        <source>Left channel output gain adjustment, on digital channels. A step from -57 to 6. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Réglage du gain de sortie du canal gauche, sur les canaux numériques. Valeur en pas, de -57 à 6. Réglage d&apos;usine&#xa0;: ne le modifiez qu&apos;avec des appareils de mesure à portée de main&#xa0;; il n&apos;est transféré que par les boutons Lire et Écrire propres à cette boîte de dialogue.</translation>
    </message>
    <message>
        <source>Left channel signal gain adjustment, on analog channels. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Réglage du gain de signal du canal gauche, sur les canaux analogiques. Valeur de 16 bits saisie en hexadécimal, de 0000 à FFFF. Réglage d&apos;usine&#xa0;: ne le modifiez qu&apos;avec des appareils de mesure à portée de main&#xa0;; il n&apos;est transféré que par les boutons Lire et Écrire propres à cette boîte de dialogue.</translation>
    </message>
    <message>
        <source>Left channel signal gain adjustment, on digital channels. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Réglage du gain de signal du canal gauche, sur les canaux numériques. Valeur de 16 bits saisie en hexadécimal, de 0000 à FFFF. Réglage d&apos;usine&#xa0;: ne le modifiez qu&apos;avec des appareils de mesure à portée de main&#xa0;; il n&apos;est transféré que par les boutons Lire et Écrire propres à cette boîte de dialogue.</translation>
    </message>
    <message>
        <source>Length of the * and # tones, 0 to 1000 ms in steps of 100.</source>
        <translation>Durée des tonalités * et #, de 0 à 1000 ms par pas de 100.</translation>
    </message>
    <message>
        <source>Length of the first DTMF digit, 0 to 1000 ms in steps of 100.</source>
        <translation>Durée du premier chiffre DTMF, de 0 à 1000 ms par pas de 100.</translation>
    </message>
    <message>
        <source>Length of the wake-up sent ahead of a digital call, 0 to 1200 in steps of 80, so that radios saving battery are awake when the call begins; 0 sends none.</source>
        <translation>Durée du signal de réveil envoyé avant un appel numérique, de 0 à 1200 par pas de 80, afin que les radios en économie de batterie soient réveillées au début de l&apos;appel&#xa0;; 0 n&apos;en envoie pas.</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Voyant</translation>
    </message>
    <message>
        <source>Lone worker on this channel, the function set in Alarm &gt; Work alone.</source>
        <translation>Travailleur isolé sur ce canal&#xa0;: la fonction réglée dans Alarme &gt; Travailleur isolé.</translation>
    </message>
    <message>
        <source>Lone worker: allow makes the radio ask its user to respond after a time without use and raise the alarm when nobody does; prohibit switches the function off.</source>
        <translation>Travailleur isolé&#xa0;: autoriser fait demander à la radio une réaction de son utilisateur après un temps sans utilisation, et déclencher l&apos;alarme si personne ne réagit&#xa0;; interdire désactive la fonction.</translation>
    </message>
    <message>
        <source>Lone worker: minutes without use before the radio asks its user to respond, 1 to 255 (a value outside becomes 10).</source>
        <translation>Travailleur isolé&#xa0;: minutes sans utilisation avant que la radio ne demande une réaction à son utilisateur, de 1 à 255 (une valeur hors plage devient 10).</translation>
    </message>
    <message>
        <source>Lone worker: seconds of warning before the alarm is raised, 0 to 255 (a value outside becomes 10).</source>
        <translation>Travailleur isolé&#xa0;: secondes de préalerte avant le déclenchement de l&apos;alarme, de 0 à 255 (une valeur hors plage devient 10).</translation>
    </message>
    <message>
        <source>Long key (s)</source>
        <translation>Appui long (s)</translation>
    </message>
    <message>
        <source>Long press</source>
        <translation>Appui long</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Basse</translation>
    </message>
    <message>
        <source>Low voltage</source>
        <translation>Batterie faible</translation>
    </message>
    <message>
        <source>Low voltage light</source>
        <translation>Voyant batterie faible</translation>
    </message>
    <message>
        <source>MIC输入增益调节 (db)</source>
        <translation>MIC输入增益调节 (db)</translation>
    </message>
    <message>
        <source>Man down: allow raises the alarm when the radio stays tipped over (its user may have fallen); prohibit switches the function off.</source>
        <translation>Homme mort&#xa0;: autoriser déclenche l&apos;alarme quand la radio reste couchée (son utilisateur est peut-être tombé)&#xa0;; interdire désactive la fonction.</translation>
    </message>
    <message>
        <source>Man down: exit delay, 0 to 254 seconds, or unlimited (255); a value outside becomes 10. Only the byte is known: what the radio times with it is not.</source>
        <translation>Homme mort&#xa0;: délai de sortie, de 0 à 254 secondes, ou illimité (255)&#xa0;; une valeur hors plage devient 10. Seul l&apos;octet est connu, pas ce que la radio temporise avec.</translation>
    </message>
    <message>
        <source>Man down: seconds of warning before the alarm is raised, 0 to 59 (a value outside becomes 5).</source>
        <translation>Homme mort&#xa0;: secondes de préalerte avant le déclenchement de l&apos;alarme, de 0 à 59 (une valeur hors plage devient 5).</translation>
    </message>
    <message>
        <source>Man down: seconds the radio must stay tipped over before the function starts, 1 to 60 (a value outside becomes 10).</source>
        <translation>Homme mort&#xa0;: secondes pendant lesquelles la radio doit rester couchée avant que la fonction ne se déclenche, de 1 à 60 (une valeur hors plage devient 10).</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Microphone input gain on analog channels. In dB, from -12 to 35.25 in steps of 0.75. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Gain d&apos;entrée du microphone sur les canaux analogiques. En dB, de -12 à 35,25 par pas de 0,75. Réglage d&apos;usine&#xa0;: ne le modifiez qu&apos;avec des appareils de mesure à portée de main&#xa0;; il n&apos;est transféré que par les boutons Lire et Écrire propres à cette boîte de dialogue.</translation>
    </message>
    <message>
        <source>Microphone input gain on digital channels. In dB, from -12 to 35.25 in steps of 0.75. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Gain d&apos;entrée du microphone sur les canaux numériques. En dB, de -12 à 35,25 par pas de 0,75. Réglage d&apos;usine&#xa0;: ne le modifiez qu&apos;avec des appareils de mesure à portée de main&#xa0;; il n&apos;est transféré que par les boutons Lire et Écrire propres à cette boîte de dialogue.</translation>
    </message>
    <message>
        <source>Mixed mode reset</source>
        <translation>Réinit. mode mixte</translation>
    </message>
    <message>
        <source>Mixed(Analog)</source>
        <translation>Mixte (analogique)</translation>
    </message>
    <message>
        <source>Mixed(Digit)</source>
        <translation>Mixte (numérique)</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>Écoute</translation>
    </message>
    <message>
        <source>Msg</source>
        <translation>Msg</translation>
    </message>
    <message>
        <source>Msg no.</source>
        <translation>N° msg</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Narrow</source>
        <translation>Étroite</translation>
    </message>
    <message>
        <source>Narrow noise close</source>
        <translation>Fermeture bruit étroit</translation>
    </message>
    <message>
        <source>Narrow noise open</source>
        <translation>Ouverture bruit étroit</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Noise ch tmp remove</source>
        <translation>Suppr. temp. canal bruité</translation>
    </message>
    <message>
        <source>Noise squelch threshold of narrow channels, 0 to 127: the noise level at which the squelch closes. A factory calibration: change it only with a signal generator at hand.</source>
        <translation>Seuil du squelch de bruit des canaux étroits, de 0 à 127&#xa0;: le niveau de bruit auquel le squelch se ferme. Étalonnage d&apos;usine&#xa0;: ne le modifiez qu&apos;avec un générateur de signaux à portée de main.</translation>
    </message>
    <message>
        <source>Noise squelch threshold of narrow channels, 0 to 127: the noise level at which the squelch opens. A factory calibration: change it only with a signal generator at hand.</source>
        <translation>Seuil du squelch de bruit des canaux étroits, de 0 à 127&#xa0;: le niveau de bruit auquel le squelch s&apos;ouvre. Étalonnage d&apos;usine&#xa0;: ne le modifiez qu&apos;avec un générateur de signaux à portée de main.</translation>
    </message>
    <message>
        <source>Noise squelch threshold of wide channels, 0 to 127: the noise level at which the squelch closes. A factory calibration: change it only with a signal generator at hand.</source>
        <translation>Seuil du squelch de bruit des canaux larges, de 0 à 127&#xa0;: le niveau de bruit auquel le squelch se ferme. Étalonnage d&apos;usine&#xa0;: ne le modifiez qu&apos;avec un générateur de signaux à portée de main.</translation>
    </message>
    <message>
        <source>Noise squelch threshold of wide channels, 0 to 127: the noise level at which the squelch opens. A factory calibration: change it only with a signal generator at hand.</source>
        <translation>Seuil du squelch de bruit des canaux larges, de 0 à 127&#xa0;: le niveau de bruit auquel le squelch s&apos;ouvre. Étalonnage d&apos;usine&#xa0;: ne le modifiez qu&apos;avec un générateur de signaux à portée de main.</translation>
    </message>
    <message>
        <source>Noise suppression switch</source>
        <translation>Réducteur de bruit</translation>
    </message>
    <message>
        <source>Non pri ch</source>
        <translation>Canaux non prior.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>None: nothing. Monitor (long press only): opens the squelch to listen to weak signals. Scan: starts or stops scanning. Noise ch tmp remove: takes the channel scanning stopped on out of the scan for now. VOX: switches VOX on or off. Hihg/Low power: changes the transmit power. Power detect: tells the battery level. EMI: raises the emergency alarm. Auto contact, Work alone, Talk around, Reverse: switch that function. Call 1, Call 2: send the channel&apos;s call. Channel type: changes between analog and digital. 1750 signal: sends the 1750 Hz tone that opens many analog repeaters. Group call: calls a group. Pri ch scan: scans with the priority channel. Kill, Wake: send the remote kill or wake-up command.</source>
        <translation>Aucun&#xa0;: rien. Écoute (appui long uniquement)&#xa0;: ouvre le squelch pour écouter les signaux faibles. Balayage&#xa0;: lance ou arrête le balayage. Suppr. temp. canal bruité&#xa0;: retire pour le moment du balayage le canal sur lequel il s&apos;est arrêté. VOX&#xa0;: active ou désactive le VOX. Puissance haute/basse&#xa0;: change la puissance d&apos;émission. Niveau batterie&#xa0;: indique le niveau de la batterie. Urgence&#xa0;: déclenche l&apos;alarme d&apos;urgence. Contact auto, Travailleur isolé, Hors relais, Inversion&#xa0;: activent ou désactivent cette fonction. Appel 1, Appel 2&#xa0;: envoient l&apos;appel du canal. Type de canal&#xa0;: bascule entre analogique et numérique. Tonalité 1750&#xa0;: envoie la tonalité de 1750 Hz qui ouvre de nombreux relais analogiques. Appel de groupe&#xa0;: appelle un groupe. Balayage prioritaire&#xa0;: balaie avec le canal prioritaire. Neutralisation, Réveil&#xa0;: envoient la commande de neutralisation ou de réveil à distance.</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Not detect</source>
        <translation>Sans détection</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numéro</translation>
    </message>
    <message>
        <source>OACSU</source>
        <translation>OACSU</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>Off Air Call Set-Up: before a single call the radio first checks that the called radio is there and answers, and only then opens the voice link, so that nobody talks into the void. Off: the call starts at once. The Alarm dialog uses the same byte (0x378) for &quot;Auto contact&quot;; it writes the byte only when that control is changed there.</source>
        <translation>Off Air Call Set-Up (établissement d&apos;appel hors antenne)&#xa0;: avant un appel individuel, la radio vérifie d&apos;abord que la radio appelée est présente et répond, et n&apos;ouvre la liaison vocale qu&apos;ensuite, pour que personne ne parle dans le vide. Désactivé&#xa0;: l&apos;appel commence aussitôt. La boîte de dialogue Alarme utilise le même octet (0x378) pour «&#xa0;Contact auto&#xa0;»&#xa0;; elle n&apos;écrit l&apos;octet que si ce réglage y est modifié.</translation>
    </message>
    <message>
        <source>Off line</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Off-line  code</source>
        <translation>Code de fin</translation>
    </message>
    <message>
        <source>Offset direction</source>
        <translation>Sens du décalage</translation>
    </message>
    <message>
        <source>Offset freq (MHz)</source>
        <translation>Décalage (MHz)</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>On line</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>On mixed channels: how long the radio keeps the mode (analog or digital) of the last call before it listens for both again; 0 to 30, in the radio&apos;s own unit (not known to this program).</source>
        <translation>Sur les canaux mixtes&#xa0;: durée pendant laquelle la radio garde le mode (analogique ou numérique) du dernier appel avant d&apos;écouter de nouveau les deux&#xa0;; de 0 à 30, dans l&apos;unité propre à la radio (inconnue de ce programme).</translation>
    </message>
    <message>
        <source>On which channels scanning checks the receive tone before it stops: Not detect on none (it stops on any signal), Non pri ch on the channels other than the priority channel, Priority ch on the priority channel only, all ch on every channel.</source>
        <translation>Canaux sur lesquels le balayage vérifie la tonalité de réception avant de s&apos;arrêter&#xa0;: Sans détection sur aucun (il s&apos;arrête sur tout signal), Canaux non prior. sur les canaux autres que le canal prioritaire, Canal prior. sur le canal prioritaire seul, tous canaux sur chaque canal.</translation>
    </message>
    <message>
        <source>On-line code</source>
        <translation>Code de début</translation>
    </message>
    <message>
        <source>On: pressing PTT while scanning has stopped on a channel answers on that channel.</source>
        <translation>Activé&#xa0;: appuyer sur le PTT alors que le balayage s&apos;est arrêté sur un canal répond sur ce canal.</translation>
    </message>
    <message>
        <source>On: the channel works through a repeater, with different receive and transmit frequencies. With both frequencies equal the dialog sets Off and leaves it so.</source>
        <translation>Activé&#xa0;: le canal passe par un relais, avec des fréquences de réception et d&apos;émission différentes. Si les deux fréquences sont égales, la boîte de dialogue règle Désactivé et le laisse ainsi.</translation>
    </message>
    <message>
        <source>On: the radio obeys the DTMF remote kill (Kill code) and the command that makes it active again; Off: it ignores them.</source>
        <translation>Activé&#xa0;: la radio obéit à la neutralisation DTMF à distance (Code de neutralisation) et à la commande qui la réactive&#xa0;; Désactivé&#xa0;: elle les ignore.</translation>
    </message>
    <message>
        <source>On: the radio obeys the digital remote kill and activate commands (Kill code, Active code); Off: it ignores them.</source>
        <translation>Activé&#xa0;: la radio obéit aux commandes numériques de neutralisation et de réactivation à distance (Code de neutralisation, Code de réactivation)&#xa0;; Désactivé&#xa0;: elle les ignore.</translation>
    </message>
    <message>
        <source>On: the radio receives all calls, the calls addressed to every radio; Off: it ignores them.</source>
        <translation>Activé&#xa0;: la radio reçoit les appels généraux, adressés à toutes les radios&#xa0;; Désactivé&#xa0;: elle les ignore.</translation>
    </message>
    <message>
        <source>One channel at a time, with its analog and its digital settings; Channel no. and its spin step through the 16 channels. Closing keeps the edits.</source>
        <translation>Un canal à la fois, avec ses réglages analogiques et numériques&#xa0;; N° canal et ses flèches parcourent les 16 canaux. La fermeture conserve les modifications.</translation>
    </message>
    <message>
        <source>Only rx</source>
        <translation>Rx seul</translation>
    </message>
    <message>
        <source>Only whistle</source>
        <translation>Sirène seule</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>PTTID</source>
        <translation>PTTID</translation>
    </message>
    <message>
        <source>PTTID type</source>
        <translation>Type PTTID</translation>
    </message>
    <message>
        <source>Pause between the start of the transmission and the first DTMF digit, 100 to 1000 ms in steps of 100, so that the receiver has opened before the digits come.</source>
        <translation>Pause entre le début de l&apos;émission et le premier chiffre DTMF, de 100 à 1000 ms par pas de 100, pour que le récepteur soit ouvert avant l&apos;arrivée des chiffres.</translation>
    </message>
    <message>
        <source>Person ID</source>
        <translation>ID personnel</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Puissance</translation>
    </message>
    <message>
        <source>Power detect</source>
        <translation>Niveau batterie</translation>
    </message>
    <message>
        <source>Power-on light</source>
        <translation>Voyant mise en marche</translation>
    </message>
    <message>
        <source>Power-on tone</source>
        <translation>Tonalité mise en marche</translation>
    </message>
    <message>
        <source>Pri ch scan</source>
        <translation>Balayage prioritaire</translation>
    </message>
    <message>
        <source>Priority ch</source>
        <translation>Canal prior.</translation>
    </message>
    <message>
        <source>Priority channel</source>
        <translation>Canal prioritaire</translation>
    </message>
    <message>
        <source>Query interval (min)</source>
        <translation>Intervalle requête (min)</translation>
    </message>
    <message>
        <source>ROUT DC offset adjustment: the DC offset of the right output (ROUT) of the radio&apos;s audio converter. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Réglage du décalage continu ROUT&#xa0;: le décalage en courant continu de la sortie droite (ROUT) du convertisseur audio de la radio. Valeur de 16 bits saisie en hexadécimal, de 0000 à FFFF. Réglage d&apos;usine&#xa0;: ne le modifiez qu&apos;avec des appareils de mesure à portée de main&#xa0;; il n&apos;est transféré que par les boutons Lire et Écrire propres à cette boîte de dialogue.</translation>
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
        <translation>Nom radio</translation>
    </message>
    <message>
        <source>Receive frequency in MHz, for example 446.00625 (PMR446 lies from 446.0 to 446.2 MHz). A frequency outside the band in use becomes its lower edge, and one off the 2.5 and 3.125 kHz rasters moves to the nearest point. Clearing it empties the channel.</source>
        <translation>Fréquence de réception en MHz, par exemple 446.00625 (la bande PMR446 va de 446.0 à 446.2 MHz). Une fréquence hors de la bande utilisée devient sa limite inférieure, et une fréquence hors des grilles de 2,5 et 3,125 kHz est ramenée au point le plus proche. L&apos;effacer vide le canal.</translation>
    </message>
    <message>
        <source>Receive input gain on analog channels. In dB, from -12 to 35.25 in steps of 0.75. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Gain d&apos;entrée en réception sur les canaux analogiques. En dB, de -12 à 35,25 par pas de 0,75. Réglage d&apos;usine&#xa0;: ne le modifiez qu&apos;avec des appareils de mesure à portée de main&#xa0;; il n&apos;est transféré que par les boutons Lire et Écrire propres à cette boîte de dialogue.</translation>
    </message>
    <message>
        <source>Receive input gain on digital channels. In dB, from -12 to 35.25 in steps of 0.75. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Gain d&apos;entrée en réception sur les canaux numériques. En dB, de -12 à 35,25 par pas de 0,75. Réglage d&apos;usine&#xa0;: ne le modifiez qu&apos;avec des appareils de mesure à portée de main&#xa0;; il n&apos;est transféré que par les boutons Lire et Écrire propres à cette boîte de dialogue.</translation>
    </message>
    <message>
        <source>Receive only (bit 7 of record byte +0x11); the dialog always stores Off.</source>
        <translation>Réception seule (bit 7 de l&apos;octet +0x11 de l&apos;enregistrement)&#xa0;; la boîte de dialogue enregistre toujours Désactivé.</translation>
    </message>
    <message>
        <source>Received voice output gain on analog channels: the level of the received voice. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Gain de sortie de la voix reçue sur les canaux analogiques&#xa0;: le niveau de la voix reçue. Valeur de 16 bits saisie en hexadécimal, de 0000 à FFFF. Réglage d&apos;usine&#xa0;: ne le modifiez qu&apos;avec des appareils de mesure à portée de main&#xa0;; il n&apos;est transféré que par les boutons Lire et Écrire propres à cette boîte de dialogue.</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Enregistrement</translation>
    </message>
    <message>
        <source>Remind</source>
        <translation>Alerte</translation>
    </message>
    <message>
        <source>Remind and Reply</source>
        <translation>Alerte et réponse</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Relais</translation>
    </message>
    <message>
        <source>Repeat mode</source>
        <translation>Mode relais</translation>
    </message>
    <message>
        <source>Reply</source>
        <translation>Réponse</translation>
    </message>
    <message>
        <source>Response wait</source>
        <translation>Attente réponse</translation>
    </message>
    <message>
        <source>Response wait time (s)</source>
        <translation>Durée attente réponse (s)</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Inversion</translation>
    </message>
    <message>
        <source>Right channel output gain adjustment, on analog channels. A step from -57 to 6. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Réglage du gain de sortie du canal droit, sur les canaux analogiques. Valeur en pas, de -57 à 6. Réglage d&apos;usine&#xa0;: ne le modifiez qu&apos;avec des appareils de mesure à portée de main&#xa0;; il n&apos;est transféré que par les boutons Lire et Écrire propres à cette boîte de dialogue.</translation>
    </message>
    <message>
        <source>Right channel output gain adjustment, on digital channels. A step from -57 to 6. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Réglage du gain de sortie du canal droit, sur les canaux numériques. Valeur en pas, de -57 à 6. Réglage d&apos;usine&#xa0;: ne le modifiez qu&apos;avec des appareils de mesure à portée de main&#xa0;; il n&apos;est transféré que par les boutons Lire et Écrire propres à cette boîte de dialogue.</translation>
    </message>
    <message>
        <source>Right channel signal gain adjustment, on analog channels. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Réglage du gain de signal du canal droit, sur les canaux analogiques. Valeur de 16 bits saisie en hexadécimal, de 0000 à FFFF. Réglage d&apos;usine&#xa0;: ne le modifiez qu&apos;avec des appareils de mesure à portée de main&#xa0;; il n&apos;est transféré que par les boutons Lire et Écrire propres à cette boîte de dialogue.</translation>
    </message>
    <message>
        <source>Right channel signal gain adjustment, on digital channels. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Réglage du gain de signal du canal droit, sur les canaux numériques. Valeur de 16 bits saisie en hexadécimal, de 0000 à FFFF. Réglage d&apos;usine&#xa0;: ne le modifiez qu&apos;avec des appareils de mesure à portée de main&#xa0;; il n&apos;est transféré que par les boutons Lire et Écrire propres à cette boîte de dialogue.</translation>
    </message>
    <message>
        <source>Rx</source>
        <translation>Rx</translation>
    </message>
    <message>
        <source>Rx Freq</source>
        <translation>Fréq. Rx</translation>
    </message>
    <message>
        <source>Rx Tone</source>
        <translation>Tonalité Rx</translation>
    </message>
    <message>
        <source>Rx color code</source>
        <translation>Code couleur Rx</translation>
    </message>
    <message>
        <source>Rx exit tone</source>
        <translation>Tonalité fin Rx</translation>
    </message>
    <message>
        <source>Rx freq (MHz)</source>
        <translation>Fréq. Rx (MHz)</translation>
    </message>
    <message>
        <source>Rx light</source>
        <translation>Voyant Rx</translation>
    </message>
    <message>
        <source>Rx time (s)</source>
        <translation>Durée Rx (s)</translation>
    </message>
    <message>
        <source>Rx tone</source>
        <translation>Tonalité Rx</translation>
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
        <translation>Même octet que Alarme &gt; Contact auto</translation>
    </message>
    <message>
        <source>Same byte as Alarm &gt; Query interval (min)</source>
        <translation>Même octet que Alarme &gt; Intervalle requête (min)</translation>
    </message>
    <message>
        <source>Same byte as Alarm &gt; Tx interval (s)</source>
        <translation>Même octet que Alarme &gt; Intervalle Tx (s)</translation>
    </message>
    <message>
        <source>Same byte as dPMR param &gt; Basic &gt; ACK reply delay; written only when changed here</source>
        <translation>Même octet que Paramètres dPMR &gt; Général &gt; Délai réponse ACK&#xa0;; écrit seulement s&apos;il est modifié ici</translation>
    </message>
    <message>
        <source>Same byte as dPMR param &gt; Basic &gt; ACK reply wait; written only when changed here</source>
        <translation>Même octet que Paramètres dPMR &gt; Général &gt; Attente ACK&#xa0;; écrit seulement s&apos;il est modifié ici</translation>
    </message>
    <message>
        <source>Same byte as dPMR param &gt; Basic &gt; OACSU and Data type; written only when changed here</source>
        <translation>Même octet que Paramètres dPMR &gt; Général &gt; OACSU et Type de données&#xa0;; écrit seulement s&apos;il est modifié ici</translation>
    </message>
    <message>
        <source>Saving delay time (s)</source>
        <translation>Délai économie (s)</translation>
    </message>
    <message>
        <source>Saving mode</source>
        <translation>Mode économie</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Balayage</translation>
    </message>
    <message>
        <source>Scan Info</source>
        <translation>Infos balayage</translation>
    </message>
    <message>
        <source>Scan begin beep</source>
        <translation>Bip début balayage</translation>
    </message>
    <message>
        <source>Scan end beep</source>
        <translation>Bip fin balayage</translation>
    </message>
    <message>
        <source>Scan mode</source>
        <translation>Mode balayage</translation>
    </message>
    <message>
        <source>Scan state light</source>
        <translation>Voyant balayage</translation>
    </message>
    <message>
        <source>Scan tx channel</source>
        <translation>Canal Tx balayage</translation>
    </message>
    <message>
        <source>Scan tx/rx resume delay time (s)</source>
        <translation>Délai reprise balayage (s)</translation>
    </message>
    <message>
        <source>Seconds PTT must stay released before the time-out timer starts counting afresh, 0 to 30.</source>
        <translation>Secondes pendant lesquelles le PTT doit rester relâché avant que le TOT ne reparte de zéro, de 0 à 30.</translation>
    </message>
    <message>
        <source>Seconds after a decoded DTMF call before the radio returns to its normal state, 0 to 255.</source>
        <translation>Secondes après un appel DTMF décodé avant que la radio ne revienne à son état normal, de 0 à 255.</translation>
    </message>
    <message>
        <source>Seconds before the time-out timer runs out at which the radio warns with a tone, 0 to 15 (0: no warning).</source>
        <translation>Secondes avant l&apos;expiration du TOT auxquelles la radio avertit par une tonalité, de 0 à 15 (0&#xa0;: pas d&apos;avertissement).</translation>
    </message>
    <message>
        <source>Seconds without activity before battery saving starts, 10 to 60 in steps of 5 (a typed value is rounded down to a step).</source>
        <translation>Secondes sans activité avant le début de l&apos;économie de batterie, de 10 à 60 par pas de 5 (une valeur saisie est arrondie au pas inférieur).</translation>
    </message>
    <message>
        <source>Secret</source>
        <translation>Discrète</translation>
    </message>
    <message>
        <source>Send alarm id</source>
        <translation>Envoi ID alarme</translation>
    </message>
    <message>
        <source>Sends the DTMF identity (DTMF &gt; Encode: PTTID type, On-line and Off-line code) with each transmission on this channel.</source>
        <translation>Envoie l&apos;identité DTMF (DTMF &gt; Codage&#xa0;: Type PTTID, Code de début et Code de fin) à chaque émission sur ce canal.</translation>
    </message>
    <message>
        <source>Shock</source>
        <translation>Vibreur</translation>
    </message>
    <message>
        <source>Short beep</source>
        <translation>Bip court</translation>
    </message>
    <message>
        <source>Short beep, Inhibit or Allow (bit 1 of 0x2007); only the bit is known, not what the radio does with it.</source>
        <translation>Bip court, Interdire ou Autoriser (bit 1 de 0x2007)&#xa0;; seul le bit est connu, pas l&apos;usage qu&apos;en fait la radio.</translation>
    </message>
    <message>
        <source>Short press</source>
        <translation>Appui court</translation>
    </message>
    <message>
        <source>Shutdown pre-aleat tone</source>
        <translation>Tonalité préalerte arrêt</translation>
    </message>
    <message>
        <source>Shutdown tone</source>
        <translation>Tonalité d&apos;arrêt</translation>
    </message>
    <message>
        <source>Side Key</source>
        <translation>Touches latérales</translation>
    </message>
    <message>
        <source>Side tone</source>
        <translation>Écoute locale</translation>
    </message>
    <message>
        <source>Signal gain after the limiter, on analog channels: the transmitted deviation of the voice. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Gain du signal après le limiteur, sur les canaux analogiques&#xa0;: l&apos;excursion émise de la voix. Valeur de 16 bits saisie en hexadécimal, de 0000 à FFFF. Réglage d&apos;usine&#xa0;: ne le modifiez qu&apos;avec des appareils de mesure à portée de main&#xa0;; il n&apos;est transféré que par les boutons Lire et Écrire propres à cette boîte de dialogue.</translation>
    </message>
    <message>
        <source>Signal gain before the limiter, on analog channels: how hard the voice drives the deviation limiter. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Gain du signal avant le limiteur, sur les canaux analogiques&#xa0;: la force avec laquelle la voix attaque le limiteur d&apos;excursion. Valeur de 16 bits saisie en hexadécimal, de 0000 à FFFF. Réglage d&apos;usine&#xa0;: ne le modifiez qu&apos;avec des appareils de mesure à portée de main&#xa0;; il n&apos;est transféré que par les boutons Lire et Écrire propres à cette boîte de dialogue.</translation>
    </message>
    <message>
        <source>Signal type</source>
        <translation>Type de signalisation</translation>
    </message>
    <message>
        <source>Single call time</source>
        <translation>Maintien appel indiv.</translation>
    </message>
    <message>
        <source>Single call tone</source>
        <translation>Tonalité appel individuel</translation>
    </message>
    <message>
        <source>Single call: one radio. Group call: a group of radios sharing the number; only group calls can be members of a group receive list.</source>
        <translation>Appel individuel&#xa0;: une radio. Appel de groupe&#xa0;: un groupe de radios partageant le numéro&#xa0;; seuls les appels de groupe peuvent faire partie d&apos;une liste de réception de groupes.</translation>
    </message>
    <message>
        <source>Specified ch</source>
        <translation>Canal désigné</translation>
    </message>
    <message>
        <source>Specified channel</source>
        <translation>Canal désigné</translation>
    </message>
    <message>
        <source>Speed (digit/s)</source>
        <translation>Vitesse (chiffres/s)</translation>
    </message>
    <message>
        <source>Spoken announcements of the radio (the channel, for example): Off, in Chinese or in English.</source>
        <translation>Annonces vocales de la radio (le canal, par exemple)&#xa0;: Désactivé, en chinois ou en anglais.</translation>
    </message>
    <message>
        <source>Sql</source>
        <translation>Sql</translation>
    </message>
    <message>
        <source>Squelch calibration at this frequency of the band, 1 to 255 (an empty cell stores 60): the reference the radio&apos;s SQL levels are set from near this frequency. A factory calibration: change it only with a signal generator at hand.</source>
        <translation>Étalonnage du squelch à cette fréquence de la bande, de 1 à 255 (une cellule vide enregistre 60)&#xa0;: la référence à partir de laquelle sont fixés les niveaux SQL de la radio près de cette fréquence. Étalonnage d&apos;usine&#xa0;: ne le modifiez qu&apos;avec un générateur de signaux à portée de main.</translation>
    </message>
    <message>
        <source>Squelch calibration: the noise thresholds at which the squelch opens and closes, and a squelch reference at points across the band. A factory calibration: change it only with a signal generator at hand.</source>
        <translation>Étalonnage du squelch&#xa0;: les seuils de bruit auxquels le squelch s&apos;ouvre et se ferme, et une référence de squelch en des points répartis sur la bande. Étalonnage d&apos;usine&#xa0;: ne le modifiez qu&apos;avec un générateur de signaux à portée de main.</translation>
    </message>
    <message>
        <source>Squelch level, 0 to 9: how strong a signal must be before the radio opens its speaker. Low levels let weak signals (and more noise) through, high levels need stronger signals. Default 5.</source>
        <translation>Niveau de squelch, de 0 à 9&#xa0;: l&apos;intensité que doit avoir un signal pour que la radio ouvre son haut-parleur. Les niveaux bas laissent passer les signaux faibles (et plus de bruit), les niveaux hauts exigent des signaux plus forts. Par défaut 5.</translation>
    </message>
    <message>
        <source>Squelch tail elimination, against the burst of noise heard when the other radio stops transmitting: Freq, or 120, 180 or 240, the degrees by which the CTCSS tone&apos;s phase is turned at the end of a transmission. Use the setting the other radios of the group use.</source>
        <translation>Suppression du bruit de fin d&apos;émission (queue de squelch), contre la rafale de bruit entendue quand l&apos;autre radio cesse d&apos;émettre&#xa0;: Fréq., ou 120, 180 ou 240, les degrés dont la phase de la tonalité CTCSS est décalée à la fin d&apos;une émission. Utilisez le réglage des autres radios du groupe.</translation>
    </message>
    <message>
        <source>Stop time (s)</source>
        <translation>Temps d&apos;arrêt (s)</translation>
    </message>
    <message>
        <source>Swaps receive and transmit frequency, to listen on a repeater&apos;s input.</source>
        <translation>Inverse les fréquences de réception et d&apos;émission, pour écouter l&apos;entrée d&apos;un relais.</translation>
    </message>
    <message>
        <source>TCXO (reference oscillator) output gain adjustment. A step from -57 to 6. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Réglage du gain de sortie du TCXO (oscillateur de référence). Valeur en pas, de -57 à 6. Réglage d&apos;usine&#xa0;: ne le modifiez qu&apos;avec des appareils de mesure à portée de main&#xa0;; il n&apos;est transféré que par les boutons Lire et Écrire propres à cette boîte de dialogue.</translation>
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
        <translation>Préalerte TOT (s)</translation>
    </message>
    <message>
        <source>TOT re-key time (s)</source>
        <translation>Délai réémission TOT (s)</translation>
    </message>
    <message>
        <source>TOT reset time (s)</source>
        <translation>Réinit. TOT (s)</translation>
    </message>
    <message>
        <source>Talk around</source>
        <translation>Hors relais</translation>
    </message>
    <message>
        <source>Talk back</source>
        <translation>Réponse sur canal</translation>
    </message>
    <message>
        <source>The 16 group receive lists. A channel that uses a list (Channel edit &gt; Group rx list) receives the group calls to its members; choose a list to edit them.</source>
        <translation>Les 16 listes de réception de groupes. Un canal qui utilise une liste (Édition du canal &gt; Liste groupes Rx) reçoit les appels de groupe destinés à ses membres&#xa0;; choisissez une liste pour les modifier.</translation>
    </message>
    <message>
        <source>The 7-digit code of the command that makes a killed radio active again. An invalid code (0000000, a whole million, above 9000000) becomes 9999991.</source>
        <translation>Code à 7 chiffres de la commande qui réactive une radio neutralisée. Un code non valide (0000000, un million rond, au-delà de 9000000) devient 9999991.</translation>
    </message>
    <message>
        <source>The 7-digit code of the digital kill command this radio obeys. An invalid code (0000000, a whole million, above 9000000) becomes 9999990.</source>
        <translation>Code à 7 chiffres de la commande numérique de neutralisation à laquelle cette radio obéit. Un code non valide (0000000, un million rond, au-delà de 9000000) devient 9999990.</translation>
    </message>
    <message>
        <source>The 7-digit identity the alarm sends on digital channels. 0000000, the whole millions 1000000 to 9000000 and numbers above 9000000 are not valid and become 9999998.</source>
        <translation>Identité à 7 chiffres que l&apos;alarme envoie sur les canaux numériques. 0000000, les millions ronds de 1000000 à 9000000 et les nombres au-delà de 9000000 ne sont pas valides et deviennent 9999998.</translation>
    </message>
    <message>
        <source>The CTCSS tone (63.0 to 254.1 Hz) or DCS code (D023N, or D023I inverted) a signal must carry before the radio opens its speaker; None hears every signal. A number typed without a point is taken as a DCS code.</source>
        <translation>Tonalité CTCSS (de 63.0 à 254.1 Hz) ou code DCS (D023N, ou D023I inversé) que doit porter un signal pour que la radio ouvre son haut-parleur&#xa0;; Aucun&#xa0;: tous les signaux sont entendus. Un nombre saisi sans point est pris comme un code DCS.</translation>
    </message>
    <message>
        <source>The CTCSS tone or DCS code sent with each transmission, so that receivers set to it hear you; None sends none. A number typed without a point is taken as a DCS code.</source>
        <translation>Tonalité CTCSS ou code DCS émis avec chaque émission, pour que les récepteurs réglés dessus vous entendent&#xa0;; Aucun&#xa0;: rien n&apos;est émis. Un nombre saisi sans point est pris comme un code DCS.</translation>
    </message>
    <message>
        <source>The DTMF code (DTMF &gt; Contact) the Call 1 key function sends on this channel, or None.</source>
        <translation>Code DTMF (DTMF &gt; Contact) que la fonction de touche Appel 1 envoie sur ce canal, ou Aucun.</translation>
    </message>
    <message>
        <source>The DTMF code (DTMF &gt; Contact) the Call 2 key function sends on this channel, or None.</source>
        <translation>Code DTMF (DTMF &gt; Contact) que la fonction de touche Appel 2 envoie sur ce canal, ou Aucun.</translation>
    </message>
    <message>
        <source>The DTMF code that kills the radio when it is received, up to 15 symbols 0-9, A-D, * and #; a # is stored after the last one.</source>
        <translation>Code DTMF qui neutralise la radio à sa réception, 15 symboles au plus (0-9, A-D, * et #)&#xa0;; un # est enregistré après le dernier.</translation>
    </message>
    <message>
        <source>The DTMF symbol that makes a received code a group call (A, B, C, D, * or #), or None for no group calls.</source>
        <translation>Symbole DTMF qui fait d&apos;un code reçu un appel de groupe (A, B, C, D, * ou #), ou Aucun&#xa0;: pas d&apos;appels de groupe.</translation>
    </message>
    <message>
        <source>The channel PTT transmits on during a scan when Scan tx channel is Specified ch; None for none.</source>
        <translation>Canal sur lequel le PTT émet pendant un balayage quand Canal Tx balayage vaut Canal désigné&#xa0;; Aucun&#xa0;: aucun canal.</translation>
    </message>
    <message>
        <source>The channel PTT transmits on during a scan: the channel in use before the scan began, the last channel where a signal was heard, or the specified channel.</source>
        <translation>Canal sur lequel le PTT émet pendant un balayage&#xa0;: le canal utilisé avant le début du balayage, le dernier canal où un signal a été entendu, ou le canal désigné.</translation>
    </message>
    <message>
        <source>The channel on show, 1 to 16. The spin and the arrow keys step through the channels (16 follows 1 backwards); the channel left is stored first.</source>
        <translation>Le canal affiché, de 1 à 16. Les flèches du compteur et du clavier parcourent les canaux (le 16 suit le 1 en reculant)&#xa0;; le canal quitté est enregistré d&apos;abord.</translation>
    </message>
    <message>
        <source>The channel takes part in scanning. The channel table shows this as Add or Del.</source>
        <translation>Le canal participe au balayage. Le tableau des canaux l&apos;indique par Ajouter ou Suppr.</translation>
    </message>
    <message>
        <source>The channel&apos;s number, 1 to 16. An empty row is an empty channel: type a receive frequency to make it.</source>
        <translation>Numéro du canal, de 1 à 16. Une ligne vide est un canal vide&#xa0;: saisissez une fréquence de réception pour le créer.</translation>
    </message>
    <message>
        <source>The contact a digital transmission on this channel calls (dPMR param &gt; Contact), or None.</source>
        <translation>Contact qu&apos;appelle une émission numérique sur ce canal (Paramètres dPMR &gt; Contact), ou Aucun.</translation>
    </message>
    <message>
        <source>The contact the Call 1 key function calls, or None.</source>
        <translation>Contact qu&apos;appelle la fonction de touche Appel 1, ou Aucun.</translation>
    </message>
    <message>
        <source>The contact the Call 2 key function calls, or None.</source>
        <translation>Contact qu&apos;appelle la fonction de touche Appel 2, ou Aucun.</translation>
    </message>
    <message>
        <source>The contact&apos;s dPMR number, 7 characters of 0-9 and *, different from every other contact&apos;s: the number the radio calls.</source>
        <translation>Numéro dPMR du contact, 7 caractères parmi 0-9 et *, différent de celui de tout autre contact&#xa0;: le numéro que la radio appelle.</translation>
    </message>
    <message>
        <source>The contact&apos;s name, up to 8 characters, different from every other contact&apos;s: the radio shows it, and channels and group receive lists choose contacts by it.</source>
        <translation>Nom du contact, 8 caractères au plus, différent de celui de tout autre contact&#xa0;: la radio l&apos;affiche, et les canaux et les listes de réception de groupes choisissent les contacts par ce nom.</translation>
    </message>
    <message>
        <source>The contact&apos;s place in the list, 1 to 64; the list is sorted by name when the page stores.</source>
        <translation>Place du contact dans la liste, de 1 à 64&#xa0;; la liste est triée par nom quand la page est enregistrée.</translation>
    </message>
    <message>
        <source>The dPMR colour code, 0 to 63, received digital signals must carry, so that groups sharing a frequency do not hear each other; Auto: the radio&apos;s own choice.</source>
        <translation>Code couleur dPMR, de 0 à 63, que doivent porter les signaux numériques reçus, afin que des groupes partageant une fréquence ne s&apos;entendent pas&#xa0;; Auto&#xa0;: le choix propre de la radio.</translation>
    </message>
    <message>
        <source>The dPMR colour code, 0 to 63, sent with digital transmissions; Auto: the radio&apos;s own choice.</source>
        <translation>Code couleur dPMR, de 0 à 63, envoyé avec les émissions numériques&#xa0;; Auto&#xa0;: le choix propre de la radio.</translation>
    </message>
    <message>
        <source>The direction of a repeater shift, Off, + or -. Kept only while the dialog is open; it is never stored.</source>
        <translation>Sens d&apos;un décalage relais&#xa0;: Désactivé, + ou -. Conservé seulement tant que la boîte de dialogue est ouverte&#xa0;; il n&apos;est jamais enregistré.</translation>
    </message>
    <message>
        <source>The emergency alarm, the lone worker function (Work alone), the man-down function (Upside) and automatic contact.</source>
        <translation>L&apos;alarme d&apos;urgence, la fonction travailleur isolé (Travailleur isolé), la fonction homme mort (Homme mort) et le contact automatique.</translation>
    </message>
    <message>
        <source>The group receive list (dPMR param &gt; Group rx list) whose group calls this channel receives, or None.</source>
        <translation>Liste de réception de groupes (Paramètres dPMR &gt; Liste groupes Rx) dont ce canal reçoit les appels de groupe, ou Aucun.</translation>
    </message>
    <message>
        <source>The group-call contacts that are not members of the list; Add &gt;&gt; makes the selected ones members. Single-call contacts are never offered.</source>
        <translation>Les contacts d&apos;appel de groupe qui ne sont pas membres de la liste&#xa0;; Ajouter &gt;&gt; fait membres ceux qui sont sélectionnés. Les contacts d&apos;appel individuel ne sont jamais proposés.</translation>
    </message>
    <message>
        <source>The identity the alarm sends on analog channels as DTMF tones, up to 8 symbols (0-9, A-D, * and #).</source>
        <translation>Identité que l&apos;alarme envoie sur les canaux analogiques en tonalités DTMF, 8 symboles au plus (0-9, A-D, * et #).</translation>
    </message>
    <message>
        <source>The indicator light shows when the radio is switched on.</source>
        <translation>Le voyant s&apos;allume quand la radio est mise en marche.</translation>
    </message>
    <message>
        <source>The indicator light shows while the radio receives.</source>
        <translation>Le voyant s&apos;allume pendant que la radio reçoit.</translation>
    </message>
    <message>
        <source>The indicator light shows while the radio scans.</source>
        <translation>Le voyant s&apos;allume pendant que la radio balaie.</translation>
    </message>
    <message>
        <source>The indicator light shows while the radio transmits.</source>
        <translation>Le voyant s&apos;allume pendant que la radio émet.</translation>
    </message>
    <message>
        <source>The indicator light warns when the battery runs low.</source>
        <translation>Le voyant avertit quand la batterie est faible.</translation>
    </message>
    <message>
        <source>The members of the list, up to 8 group-call contacts, in order. Del &lt;&lt; takes the selected ones out; Up and Down move them.</source>
        <translation>Les membres de la liste, 8 contacts d&apos;appel de groupe au plus, dans l&apos;ordre. Suppr. &lt;&lt; retire ceux qui sont sélectionnés&#xa0;; Haut et Bas les déplacent.</translation>
    </message>
    <message>
        <source>The radio&apos;s dPMR identity and digital call settings, its contacts and its group receive lists.</source>
        <translation>L&apos;identité dPMR de la radio et ses réglages d&apos;appel numérique, ses contacts et ses listes de réception de groupes.</translation>
    </message>
    <message>
        <source>The radio&apos;s general options (squelch, battery saving, time-out, VOX), what its side keys do, and its prompt tones and lights.</source>
        <translation>Les options générales de la radio (squelch, économie de batterie, TOT, VOX), le rôle de ses touches latérales, ses tonalités d&apos;alerte et ses voyants.</translation>
    </message>
    <message>
        <source>The radio&apos;s name, up to 8 characters.</source>
        <translation>Nom de la radio, 8 caractères au plus.</translation>
    </message>
    <message>
        <source>The radio&apos;s own DTMF identity: a received call with this code is for this radio. Up to 16 symbols 0-9, A-D, * and #.</source>
        <translation>Identité DTMF propre à la radio&#xa0;: un appel reçu avec ce code est destiné à cette radio. 16 symboles au plus (0-9, A-D, * et #).</translation>
    </message>
    <message>
        <source>The radio&apos;s own dPMR identity, 7 digits: other radios call it by this number, and every radio of a group needs its own. 0000000, the whole millions 1000000 to 9000000 and numbers above 9000000 are not valid and become 0000001.</source>
        <translation>Identité dPMR propre à la radio, 7 chiffres&#xa0;: les autres radios l&apos;appellent par ce numéro, et chaque radio d&apos;un groupe doit avoir le sien. 0000000, les millions ronds de 1000000 à 9000000 et les nombres au-delà de 9000000 ne sont pas valides et deviennent 0000001.</translation>
    </message>
    <message>
        <source>The repeater shift in MHz, 0 to 50. Kept only while the dialog is open; it is never stored.</source>
        <translation>Décalage relais en MHz, de 0 à 50. Conservé seulement tant que la boîte de dialogue est ouverte&#xa0;; il n&apos;est jamais enregistré.</translation>
    </message>
    <message>
        <source>The short message the Call 1 key function sends, 1 to 16, or Off.</source>
        <translation>Message court que la fonction de touche Appel 1 envoie, de 1 à 16, ou Désactivé.</translation>
    </message>
    <message>
        <source>The short message the Call 2 key function sends, 1 to 16, or Off.</source>
        <translation>Message court que la fonction de touche Appel 2 envoie, de 1 à 16, ou Désactivé.</translation>
    </message>
    <message>
        <source>The voice codec of digital calls: AMBE+2C (the codec of the dPMR standard, which other makes of dPMR radio use), ASELP or ASELP 2. Radios that talk to each other need the same codec.</source>
        <translation>Codec vocal des appels numériques&#xa0;: AMBE+2C (le codec de la norme dPMR, qu&apos;utilisent les autres marques de radios dPMR), ASELP ou ASELP 2. Des radios qui communiquent entre elles doivent avoir le même codec.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Time-out timer: the longest a single transmission may last, 30 to 600 seconds in steps of 30 (a typed value is rounded down to a step). The radio stops transmitting when it runs out.</source>
        <translation>Minuterie d&apos;émission (TOT)&#xa0;: durée maximale d&apos;une émission, de 30 à 600 secondes par pas de 30 (une valeur saisie est arrondie au pas inférieur). La radio cesse d&apos;émettre quand elle expire.</translation>
    </message>
    <message>
        <source>Tone</source>
        <translation>Tonalité</translation>
    </message>
    <message>
        <source>Tone and Light</source>
        <translation>Tonalités et voyants</translation>
    </message>
    <message>
        <source>Tone scan mode</source>
        <translation>Balayage tonalité</translation>
    </message>
    <message>
        <source>Transmit frequency in MHz; a new channel gets its receive frequency. A different one (a repeater&apos;s input) switches Repeat on. It is brought into the band and onto the raster like the receive frequency.</source>
        <translation>Fréquence d&apos;émission en MHz&#xa0;; un nouveau canal reçoit sa fréquence de réception. Une fréquence différente (l&apos;entrée d&apos;un relais) active Relais. Elle est ramenée dans la bande et sur la grille comme la fréquence de réception.</translation>
    </message>
    <message>
        <source>Transmit power, Low or High. Low saves battery; PMR446 allows 0.5 W, so keep to what your licence allows.</source>
        <translation>Puissance d&apos;émission, Basse ou Haute. Basse économise la batterie&#xa0;; le PMR446 autorise 0,5 W, respectez donc ce que votre licence autorise.</translation>
    </message>
    <message>
        <source>Transmits on the receive frequency, to reach radios nearby directly when the repeater is out of reach.</source>
        <translation>Émet sur la fréquence de réception, pour joindre directement les radios proches quand le relais est hors de portée.</translation>
    </message>
    <message>
        <source>Tx</source>
        <translation>Tx</translation>
    </message>
    <message>
        <source>Tx Freq</source>
        <translation>Fréq. Tx</translation>
    </message>
    <message>
        <source>Tx Tone</source>
        <translation>Tonalité Tx</translation>
    </message>
    <message>
        <source>Tx color code</source>
        <translation>Code couleur Tx</translation>
    </message>
    <message>
        <source>Tx contact</source>
        <translation>Contact Tx</translation>
    </message>
    <message>
        <source>Tx delay time</source>
        <translation>Délai Tx</translation>
    </message>
    <message>
        <source>Tx freq (MHz)</source>
        <translation>Fréq. Tx (MHz)</translation>
    </message>
    <message>
        <source>Tx inhibit</source>
        <translation>Blocage Tx</translation>
    </message>
    <message>
        <source>Tx interval (s)</source>
        <translation>Intervalle Tx (s)</translation>
    </message>
    <message>
        <source>Tx light</source>
        <translation>Voyant Tx</translation>
    </message>
    <message>
        <source>Tx power</source>
        <translation>Puissance Tx</translation>
    </message>
    <message>
        <source>Tx time (s)</source>
        <translation>Durée Tx (s)</translation>
    </message>
    <message>
        <source>Tx tone</source>
        <translation>Tonalité Tx</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Unallocated:</source>
        <translation>Non attribués&#xa0;:</translation>
    </message>
    <message>
        <source>Upside</source>
        <translation>Homme mort</translation>
    </message>
    <message>
        <source>Upside pre-prompt  (s)</source>
        <translation>Préalerte homme mort (s)</translation>
    </message>
    <message>
        <source>VCO output gain adjustment. A step from -57 to 6. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Réglage du gain de sortie du VCO. Valeur en pas, de -57 à 6. Réglage d&apos;usine&#xa0;: ne le modifiez qu&apos;avec des appareils de mesure à portée de main&#xa0;; il n&apos;est transféré que par les boutons Lire et Écrire propres à cette boîte de dialogue.</translation>
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
        <translation>Délai VOX (s)</translation>
    </message>
    <message>
        <source>VOX sense</source>
        <translation>Sensibilité VOX</translation>
    </message>
    <message>
        <source>VOX sensitivity level, 0 to 9: how readily speech starts a VOX transmission. Default 5.</source>
        <translation>Niveau de sensibilité du VOX, de 0 à 9&#xa0;: la facilité avec laquelle la parole déclenche une émission VOX. Par défaut 5.</translation>
    </message>
    <message>
        <source>Voice broadcast</source>
        <translation>Annonces vocales</translation>
    </message>
    <message>
        <source>Voice store and replay, Off or On (0x39F bit 3): by its name, the radio records calls to play them again.</source>
        <translation>Enregistrement et relecture de la voix, Désactivé ou Activé (bit 3 de 0x39F)&#xa0;: d&apos;après son nom, la radio enregistre les appels pour les rejouer.</translation>
    </message>
    <message>
        <source>Voice store/replay</source>
        <translation>Enreg./relecture voix</translation>
    </message>
    <message>
        <source>Voice-operated transmit: On lets the radio transmit when you speak into the microphone (with a headset, for example) without pressing PTT.</source>
        <translation>Émission commandée par la voix&#xa0;: Activé permet à la radio d&apos;émettre quand vous parlez dans le microphone (avec un casque, par exemple) sans appuyer sur le PTT.</translation>
    </message>
    <message>
        <source>Wake</source>
        <translation>Réveil</translation>
    </message>
    <message>
        <source>Wake frame</source>
        <translation>Trame de réveil</translation>
    </message>
    <message>
        <source>What a received DTMF kill does: tx inhibit (the radio can no longer transmit), tx/rx inhibit (it can neither transmit nor receive) or Kill (it is disabled).</source>
        <translation>Effet d&apos;une neutralisation DTMF reçue&#xa0;: blocage Tx (la radio ne peut plus émettre), blocage Tx/Rx (elle ne peut plus ni émettre ni recevoir) ou Neutralisation (elle est mise hors service).</translation>
    </message>
    <message>
        <source>What a received digital kill command does: Tx inhibit (the radio can no longer transmit), tx/rx inhibit (it can neither transmit nor receive) or Kill (it is disabled).</source>
        <translation>Effet d&apos;une commande numérique de neutralisation reçue&#xa0;: Blocage Tx (la radio ne peut plus émettre), blocage Tx/Rx (elle ne peut plus ni émettre ni recevoir) ou Neutralisation (elle est mise hors service).</translation>
    </message>
    <message>
        <source>What a short press on side key 1 does. None: nothing. Monitor (long press only): opens the squelch to listen to weak signals. Scan: starts or stops scanning. Noise ch tmp remove: takes the channel scanning stopped on out of the scan for now. VOX: switches VOX on or off. Hihg/Low power: changes the transmit power. Power detect: tells the battery level. EMI: raises the emergency alarm. Auto contact, Work alone, Talk around, Reverse: switch that function. Call 1, Call 2: send the channel&apos;s call. Channel type: changes between analog and digital. 1750 signal: sends the 1750 Hz tone that opens many analog repeaters. Group call: calls a group. Pri ch scan: scans with the priority channel. Kill, Wake: send the remote kill or wake-up command.</source>
        <translation>Effet d&apos;un appui court sur la touche latérale 1. Aucun&#xa0;: rien. Écoute (appui long uniquement)&#xa0;: ouvre le squelch pour écouter les signaux faibles. Balayage&#xa0;: lance ou arrête le balayage. Suppr. temp. canal bruité&#xa0;: retire pour le moment du balayage le canal sur lequel il s&apos;est arrêté. VOX&#xa0;: active ou désactive le VOX. Puissance haute/basse&#xa0;: change la puissance d&apos;émission. Niveau batterie&#xa0;: indique le niveau de la batterie. Urgence&#xa0;: déclenche l&apos;alarme d&apos;urgence. Contact auto, Travailleur isolé, Hors relais, Inversion&#xa0;: activent ou désactivent cette fonction. Appel 1, Appel 2&#xa0;: envoient l&apos;appel du canal. Type de canal&#xa0;: bascule entre analogique et numérique. Tonalité 1750&#xa0;: envoie la tonalité de 1750 Hz qui ouvre de nombreux relais analogiques. Appel de groupe&#xa0;: appelle un groupe. Balayage prioritaire&#xa0;: balaie avec le canal prioritaire. Neutralisation, Réveil&#xa0;: envoient la commande de neutralisation ou de réveil à distance.</translation>
    </message>
    <message>
        <source>What a short press on side key 2 does. None: nothing. Monitor (long press only): opens the squelch to listen to weak signals. Scan: starts or stops scanning. Noise ch tmp remove: takes the channel scanning stopped on out of the scan for now. VOX: switches VOX on or off. Hihg/Low power: changes the transmit power. Power detect: tells the battery level. EMI: raises the emergency alarm. Auto contact, Work alone, Talk around, Reverse: switch that function. Call 1, Call 2: send the channel&apos;s call. Channel type: changes between analog and digital. 1750 signal: sends the 1750 Hz tone that opens many analog repeaters. Group call: calls a group. Pri ch scan: scans with the priority channel. Kill, Wake: send the remote kill or wake-up command.</source>
        <translation>Effet d&apos;un appui court sur la touche latérale 2. Aucun&#xa0;: rien. Écoute (appui long uniquement)&#xa0;: ouvre le squelch pour écouter les signaux faibles. Balayage&#xa0;: lance ou arrête le balayage. Suppr. temp. canal bruité&#xa0;: retire pour le moment du balayage le canal sur lequel il s&apos;est arrêté. VOX&#xa0;: active ou désactive le VOX. Puissance haute/basse&#xa0;: change la puissance d&apos;émission. Niveau batterie&#xa0;: indique le niveau de la batterie. Urgence&#xa0;: déclenche l&apos;alarme d&apos;urgence. Contact auto, Travailleur isolé, Hors relais, Inversion&#xa0;: activent ou désactivent cette fonction. Appel 1, Appel 2&#xa0;: envoient l&apos;appel du canal. Type de canal&#xa0;: bascule entre analogique et numérique. Tonalité 1750&#xa0;: envoie la tonalité de 1750 Hz qui ouvre de nombreux relais analogiques. Appel de groupe&#xa0;: appelle un groupe. Balayage prioritaire&#xa0;: balaie avec le canal prioritaire. Neutralisation, Réveil&#xa0;: envoient la commande de neutralisation ou de réveil à distance.</translation>
    </message>
    <message>
        <source>What a short press on the top key TK1 does. None: nothing. Monitor (long press only): opens the squelch to listen to weak signals. Scan: starts or stops scanning. Noise ch tmp remove: takes the channel scanning stopped on out of the scan for now. VOX: switches VOX on or off. Hihg/Low power: changes the transmit power. Power detect: tells the battery level. EMI: raises the emergency alarm. Auto contact, Work alone, Talk around, Reverse: switch that function. Call 1, Call 2: send the channel&apos;s call. Channel type: changes between analog and digital. 1750 signal: sends the 1750 Hz tone that opens many analog repeaters. Group call: calls a group. Pri ch scan: scans with the priority channel. Kill, Wake: send the remote kill or wake-up command.</source>
        <translation>Effet d&apos;un appui court sur la touche supérieure TK1. Aucun&#xa0;: rien. Écoute (appui long uniquement)&#xa0;: ouvre le squelch pour écouter les signaux faibles. Balayage&#xa0;: lance ou arrête le balayage. Suppr. temp. canal bruité&#xa0;: retire pour le moment du balayage le canal sur lequel il s&apos;est arrêté. VOX&#xa0;: active ou désactive le VOX. Puissance haute/basse&#xa0;: change la puissance d&apos;émission. Niveau batterie&#xa0;: indique le niveau de la batterie. Urgence&#xa0;: déclenche l&apos;alarme d&apos;urgence. Contact auto, Travailleur isolé, Hors relais, Inversion&#xa0;: activent ou désactivent cette fonction. Appel 1, Appel 2&#xa0;: envoient l&apos;appel du canal. Type de canal&#xa0;: bascule entre analogique et numérique. Tonalité 1750&#xa0;: envoie la tonalité de 1750 Hz qui ouvre de nombreux relais analogiques. Appel de groupe&#xa0;: appelle un groupe. Balayage prioritaire&#xa0;: balaie avec le canal prioritaire. Neutralisation, Réveil&#xa0;: envoient la commande de neutralisation ou de réveil à distance.</translation>
    </message>
    <message>
        <source>What holding side key 1 does. None: nothing. Monitor (long press only): opens the squelch to listen to weak signals. Scan: starts or stops scanning. Noise ch tmp remove: takes the channel scanning stopped on out of the scan for now. VOX: switches VOX on or off. Hihg/Low power: changes the transmit power. Power detect: tells the battery level. EMI: raises the emergency alarm. Auto contact, Work alone, Talk around, Reverse: switch that function. Call 1, Call 2: send the channel&apos;s call. Channel type: changes between analog and digital. 1750 signal: sends the 1750 Hz tone that opens many analog repeaters. Group call: calls a group. Pri ch scan: scans with the priority channel. Kill, Wake: send the remote kill or wake-up command.</source>
        <translation>Effet d&apos;un appui maintenu sur la touche latérale 1. Aucun&#xa0;: rien. Écoute (appui long uniquement)&#xa0;: ouvre le squelch pour écouter les signaux faibles. Balayage&#xa0;: lance ou arrête le balayage. Suppr. temp. canal bruité&#xa0;: retire pour le moment du balayage le canal sur lequel il s&apos;est arrêté. VOX&#xa0;: active ou désactive le VOX. Puissance haute/basse&#xa0;: change la puissance d&apos;émission. Niveau batterie&#xa0;: indique le niveau de la batterie. Urgence&#xa0;: déclenche l&apos;alarme d&apos;urgence. Contact auto, Travailleur isolé, Hors relais, Inversion&#xa0;: activent ou désactivent cette fonction. Appel 1, Appel 2&#xa0;: envoient l&apos;appel du canal. Type de canal&#xa0;: bascule entre analogique et numérique. Tonalité 1750&#xa0;: envoie la tonalité de 1750 Hz qui ouvre de nombreux relais analogiques. Appel de groupe&#xa0;: appelle un groupe. Balayage prioritaire&#xa0;: balaie avec le canal prioritaire. Neutralisation, Réveil&#xa0;: envoient la commande de neutralisation ou de réveil à distance.</translation>
    </message>
    <message>
        <source>What holding side key 2 does. None: nothing. Monitor (long press only): opens the squelch to listen to weak signals. Scan: starts or stops scanning. Noise ch tmp remove: takes the channel scanning stopped on out of the scan for now. VOX: switches VOX on or off. Hihg/Low power: changes the transmit power. Power detect: tells the battery level. EMI: raises the emergency alarm. Auto contact, Work alone, Talk around, Reverse: switch that function. Call 1, Call 2: send the channel&apos;s call. Channel type: changes between analog and digital. 1750 signal: sends the 1750 Hz tone that opens many analog repeaters. Group call: calls a group. Pri ch scan: scans with the priority channel. Kill, Wake: send the remote kill or wake-up command.</source>
        <translation>Effet d&apos;un appui maintenu sur la touche latérale 2. Aucun&#xa0;: rien. Écoute (appui long uniquement)&#xa0;: ouvre le squelch pour écouter les signaux faibles. Balayage&#xa0;: lance ou arrête le balayage. Suppr. temp. canal bruité&#xa0;: retire pour le moment du balayage le canal sur lequel il s&apos;est arrêté. VOX&#xa0;: active ou désactive le VOX. Puissance haute/basse&#xa0;: change la puissance d&apos;émission. Niveau batterie&#xa0;: indique le niveau de la batterie. Urgence&#xa0;: déclenche l&apos;alarme d&apos;urgence. Contact auto, Travailleur isolé, Hors relais, Inversion&#xa0;: activent ou désactivent cette fonction. Appel 1, Appel 2&#xa0;: envoient l&apos;appel du canal. Type de canal&#xa0;: bascule entre analogique et numérique. Tonalité 1750&#xa0;: envoie la tonalité de 1750 Hz qui ouvre de nombreux relais analogiques. Appel de groupe&#xa0;: appelle un groupe. Balayage prioritaire&#xa0;: balaie avec le canal prioritaire. Neutralisation, Réveil&#xa0;: envoient la commande de neutralisation ou de réveil à distance.</translation>
    </message>
    <message>
        <source>What holding the top key TK1 does. None: nothing. Monitor (long press only): opens the squelch to listen to weak signals. Scan: starts or stops scanning. Noise ch tmp remove: takes the channel scanning stopped on out of the scan for now. VOX: switches VOX on or off. Hihg/Low power: changes the transmit power. Power detect: tells the battery level. EMI: raises the emergency alarm. Auto contact, Work alone, Talk around, Reverse: switch that function. Call 1, Call 2: send the channel&apos;s call. Channel type: changes between analog and digital. 1750 signal: sends the 1750 Hz tone that opens many analog repeaters. Group call: calls a group. Pri ch scan: scans with the priority channel. Kill, Wake: send the remote kill or wake-up command.</source>
        <translation>Effet d&apos;un appui maintenu sur la touche supérieure TK1. Aucun&#xa0;: rien. Écoute (appui long uniquement)&#xa0;: ouvre le squelch pour écouter les signaux faibles. Balayage&#xa0;: lance ou arrête le balayage. Suppr. temp. canal bruité&#xa0;: retire pour le moment du balayage le canal sur lequel il s&apos;est arrêté. VOX&#xa0;: active ou désactive le VOX. Puissance haute/basse&#xa0;: change la puissance d&apos;émission. Niveau batterie&#xa0;: indique le niveau de la batterie. Urgence&#xa0;: déclenche l&apos;alarme d&apos;urgence. Contact auto, Travailleur isolé, Hors relais, Inversion&#xa0;: activent ou désactivent cette fonction. Appel 1, Appel 2&#xa0;: envoient l&apos;appel du canal. Type de canal&#xa0;: bascule entre analogique et numérique. Tonalité 1750&#xa0;: envoie la tonalité de 1750 Hz qui ouvre de nombreux relais analogiques. Appel de groupe&#xa0;: appelle un groupe. Balayage prioritaire&#xa0;: balaie avec le canal prioritaire. Neutralisation, Réveil&#xa0;: envoient la commande de neutralisation ou de réveil à distance.</translation>
    </message>
    <message>
        <source>What the Call 1 key function sends on this channel: Off, Call (a call to the contact below) or Msg (a short message to it).</source>
        <translation>Ce que la fonction de touche Appel 1 envoie sur ce canal&#xa0;: Désactivé, Appel (un appel au contact ci-dessous) ou Msg (un message court à ce contact).</translation>
    </message>
    <message>
        <source>What the Call 2 key function sends on this channel: Off, Call (a call to the contact below) or Msg (a short message to it).</source>
        <translation>Ce que la fonction de touche Appel 2 envoie sur ce canal&#xa0;: Désactivé, Appel (un appel au contact ci-dessous) ou Msg (un message court à ce contact).</translation>
    </message>
    <message>
        <source>What the emergency alarm does: Off (no alarm), Only whistle (a siren at the radio only), Normal, Secret (no sound at the radio) or Send alarm id (the alarm id code is sent).</source>
        <translation>Effet de l&apos;alarme d&apos;urgence&#xa0;: Désactivé (pas d&apos;alarme), Sirène seule (une sirène sur la radio seulement), Normale, Discrète (aucun son sur la radio) ou Envoi ID alarme (le code ID d&apos;alarme est envoyé).</translation>
    </message>
    <message>
        <source>What the radio does when it receives a call to its Person ID: None, Remind (an alert at the radio), Reply (it answers automatically) or Remind and Reply.</source>
        <translation>Réaction de la radio à la réception d&apos;un appel à son ID personnel&#xa0;: Aucun, Alerte (une alerte sur la radio), Réponse (elle répond automatiquement) ou Alerte et réponse.</translation>
    </message>
    <message>
        <source>When a channel with PTTID sends its identity: On line (the On-line code when PTT is pressed), Off line (the Off-line code when it is released) or Both.</source>
        <translation>Quand un canal avec PTTID envoie son identité&#xa0;: Début (le Code de début à l&apos;appui sur le PTT), Fin (le Code de fin à son relâchement) ou Les deux.</translation>
    </message>
    <message>
        <source>Whether the radio may be copied (cloned) to another radio over a cable: On allows it, Off refuses.</source>
        <translation>Autorise ou non la copie (clonage) de la radio vers une autre radio par câble&#xa0;: Activé l&apos;autorise, Désactivé la refuse.</translation>
    </message>
    <message>
        <source>Whether the radio may copy its configuration to another radio over the air: On allows it, Off refuses.</source>
        <translation>Autorise ou non la radio à copier sa configuration vers une autre radio par liaison radio&#xa0;: Activé l&apos;autorise, Désactivé la refuse.</translation>
    </message>
    <message>
        <source>Wide</source>
        <translation>Large</translation>
    </message>
    <message>
        <source>Wide noise close</source>
        <translation>Fermeture bruit large</translation>
    </message>
    <message>
        <source>Wide noise open</source>
        <translation>Ouverture bruit large</translation>
    </message>
    <message>
        <source>Wired copy</source>
        <translation>Clonage filaire</translation>
    </message>
    <message>
        <source>Wireless copy</source>
        <translation>Clonage sans fil</translation>
    </message>
    <message>
        <source>With scan mode Time: how long scanning stays on a busy channel before it moves on, 0.5 to 10.0 seconds in steps of 0.5.</source>
        <translation>Avec le mode balayage Temps&#xa0;: durée pendant laquelle le balayage reste sur un canal occupé avant de repartir, de 0,5 à 10,0 secondes par pas de 0,5.</translation>
    </message>
    <message>
        <source>Work alone</source>
        <translation>Travailleur isolé</translation>
    </message>
    <message>
        <source>Work alone pre-remind (s)</source>
        <translation>Préalerte trav. isolé (s)</translation>
    </message>
    <message>
        <source>Work alone time (min)</source>
        <translation>Durée trav. isolé (min)</translation>
    </message>
    <message>
        <source>all ch</source>
        <translation>tous canaux</translation>
    </message>
    <message>
        <source>allow</source>
        <translation>autoriser</translation>
    </message>
    <message>
        <source>allow: the radio shows a received DTMF code on its display; prohibit: it does not.</source>
        <translation>autoriser&#xa0;: la radio affiche un code DTMF reçu sur son écran&#xa0;; interdire&#xa0;: elle ne l&apos;affiche pas.</translation>
    </message>
    <message>
        <source>continue</source>
        <translation>continu</translation>
    </message>
    <message>
        <source>dPMR param</source>
        <translation>Paramètres dPMR</translation>
    </message>
    <message>
        <source>entry ch before scan</source>
        <translation>canal avant balayage</translation>
    </message>
    <message>
        <source>last active ch</source>
        <translation>dernier canal actif</translation>
    </message>
    <message>
        <source>prohibit</source>
        <translation>interdire</translation>
    </message>
    <message>
        <source>tx inhibit</source>
        <translation>blocage Tx</translation>
    </message>
    <message>
        <source>tx pre-carrier time</source>
        <translation>Durée pré-porteuse Tx</translation>
    </message>
    <message>
        <source>tx/rx inhibit</source>
        <translation>blocage Tx/Rx</translation>
    </message>
    <message>
        <source>unlimited</source>
        <translation>illimité</translation>
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
        <translation>Appel individuel</translation>
    </message>
</context>
<context>
    <name>FleetJobReport</name>
    <message>
        <source>(not saved)</source>
        <translation>(non enregistré)</translation>
    </message>
    <message>
        <source>Fleet job</source>
        <translation>Écriture sur plusieurs radios</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Date&#xa0;: %1</translation>
    </message>
    <message>
        <source>Template: %1</source>
        <translation>Modèle&#xa0;: %1</translation>
    </message>
    <message>
        <source>Template CRC-32: %1</source>
        <translation>CRC-32 du modèle&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>FlexGrid</name>
    <message>
        <source>%1, row %2</source>
        <translation>%1, ligne %2</translation>
    </message>
</context>
<context>
    <name>ReportBox</name>
    <message>
        <source>
... and %1 more</source>
        <translation>
... et %1 de plus</translation>
    </message>
</context>
<context>
    <name>ServiceDialog</name>
    <message>
        <source>Reading the squelch calibration from the radio...</source>
        <translation>Lecture de l&apos;étalonnage du squelch depuis la radio...</translation>
    </message>
    <message>
        <source>Writing the squelch calibration to the radio...</source>
        <translation>Écriture de l&apos;étalonnage du squelch dans la radio...</translation>
    </message>
    <message>
        <source>Reading the adjustment values from the radio...</source>
        <translation>Lecture des valeurs de réglage depuis la radio...</translation>
    </message>
    <message>
        <source>Writing the adjustment values to the radio...</source>
        <translation>Écriture des valeurs de réglage dans la radio...</translation>
    </message>
    <message>
        <source>Read the adjustment values from the radio</source>
        <translation>Lire les valeurs de réglage depuis la radio</translation>
    </message>
    <message>
        <source>Write the adjustment values to the radio</source>
        <translation>Écrire les valeurs de réglage dans la radio</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>&amp;Lire</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>É&amp;crire</translation>
    </message>
</context>
<context>
    <name>ServiceTransfer</name>
    <message>
        <source>&amp;Check the connection</source>
        <translation>&amp;Vérifier la connexion</translation>
    </message>
</context>
<context>
    <name>backup</name>
    <message>
        <source>No backup of the read was kept: %1</source>
        <translation>Aucune sauvegarde de la lecture n&apos;a été conservée&#xa0;: %1</translation>
    </message>
    <message>
        <source>No backup of the write was kept: %1</source>
        <translation>Aucune sauvegarde de l&apos;écriture n&apos;a été conservée&#xa0;: %1</translation>
    </message>
    <message>
        <source>No backup of the write-failed was kept: %1</source>
        <translation>Aucune sauvegarde de l&apos;écriture échouée n&apos;a été conservée&#xa0;: %1</translation>
    </message>
    <message>
        <source>cannot make the folder &quot;%1&quot;: %2.</source>
        <translation>impossible de créer le dossier «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <source>cannot use the folder &quot;%1&quot;: %2.</source>
        <translation>impossible d&apos;utiliser le dossier «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un dossier.</translation>
    </message>
    <message>
        <source>there is no home folder to keep it in.</source>
        <translation>il n&apos;y a pas de dossier personnel où la conserver.</translation>
    </message>
    <message>
        <source>cannot write &quot;%1&quot;: %2.</source>
        <translation>impossible d&apos;écrire «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <source>too many backups made within the same second.</source>
        <translation>trop de sauvegardes faites dans la même seconde.</translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; could not be marked as a failed write: %2</source>
        <translation>La sauvegarde «&#xa0;%1&#xa0;» n&apos;a pas pu être marquée comme écriture échouée&#xa0;: %2</translation>
    </message>
    <message>
        <source>it is no write backup.</source>
        <translation>ce n&apos;est pas une sauvegarde d&apos;écriture.</translation>
    </message>
    <message>
        <source>Cannot read the backup folder &quot;%1&quot;: %2.</source>
        <translation>Impossible de lire le dossier des sauvegardes «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>channels</name>
    <message>
        <source>the channel&apos;s receive-only bit is always written as 0</source>
        <translation>le bit de réception seule du canal est toujours écrit à 0</translation>
    </message>
    <message>
        <source>&quot;Signal type&quot; is &quot;Off&quot;</source>
        <translation>«&#xa0;Type de signalisation&#xa0;» vaut «&#xa0;Désactivé&#xa0;»</translation>
    </message>
    <message>
        <source>the call&apos;s &quot;Type&quot; is &quot;Off&quot;</source>
        <translation>le «&#xa0;Type&#xa0;» de l&apos;appel vaut «&#xa0;Désactivé&#xa0;»</translation>
    </message>
    <message>
        <source>Rx and Tx freq are equal</source>
        <translation>les fréq. Rx et Tx sont identiques</translation>
    </message>
    <message>
        <source>the channel is empty: give it an Rx freq first</source>
        <translation>le canal est vide&#xa0;: donnez-lui d&apos;abord une fréq. Rx</translation>
    </message>
    <message>
        <source>%1 needs %2-%3 MHz; this file&apos;s band is %4-%5 MHz</source>
        <translation>%1 nécessite %2-%3 MHz&#xa0;; la bande de ce fichier est %4-%5 MHz</translation>
    </message>
    <message>
        <source>%1 channel %2 (%3 MHz) is not on the file&apos;s channel raster: it would be stored as %4 MHz</source>
        <translation>le canal %2 de %1 (%3 MHz) n&apos;est pas sur la grille des canaux du fichier&#xa0;: il serait enregistré à %4 MHz</translation>
    </message>
    <message>
        <source>%1 has channels 1 to %2; there is no channel %3</source>
        <translation>%1 a les canaux 1 à %2&#xa0;; il n&apos;y a pas de canal %3</translation>
    </message>
    <message>
        <source>the table has channels 1 to 16; there is no channel %1</source>
        <translation>le tableau a les canaux 1 à 16&#xa0;; il n&apos;y a pas de canal %1</translation>
    </message>
    <message>
        <source>%1 channels are digital: CTCSS tones do not apply to them</source>
        <translation>les canaux %1 sont numériques&#xa0;: les tonalités CTCSS ne s&apos;y appliquent pas</translation>
    </message>
    <message>
        <source>%1 is no CTCSS tone of the list (63.0 to 254.1, as &quot;67.0&quot;)</source>
        <translation>%1 n&apos;est pas une tonalité CTCSS de la liste (63.0 à 254.1, sous la forme «&#xa0;67.0&#xa0;»)</translation>
    </message>
    <message>
        <source>one tone per channel from %1 Hz needs %2 tones; the list has %3 from there (start at %4 Hz or lower)</source>
        <translation>une tonalité par canal à partir de %1 Hz nécessite %2 tonalités&#xa0;; la liste en a %3 à partir de là (commencez à %4 Hz ou moins)</translation>
    </message>
    <message>
        <source>channel %1: %2</source>
        <translation>canal %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>%1: %2 (%3 MHz), Narrow, %4</source>
        <translation>%1&#xa0;: %2 (%3 MHz), Étroite, %4</translation>
    </message>
    <message>
        <source>%1, no tones</source>
        <translation>%1, sans tonalité</translation>
    </message>
    <message>
        <source>%1, tone %2 Hz</source>
        <translation>%1, tonalité %2 Hz</translation>
    </message>
    <message>
        <source>%1, tones %2 to %3 Hz</source>
        <translation>%1, tonalités %2 à %3 Hz</translation>
    </message>
    <message>
        <source>%1 left unchanged: %2 ends at channel %3</source>
        <translation>%1&#xa0;: aucune modification, %2 s&apos;arrête au canal %3</translation>
    </message>
    <message>
        <source>Channel %1</source>
        <translation>Canal %1</translation>
    </message>
    <message>
        <source>Channels %1</source>
        <translation>Canaux %1</translation>
    </message>
    <message>
        <source>channel %1</source>
        <translation>canal %1</translation>
    </message>
    <message>
        <source>channels %1</source>
        <translation>canaux %1</translation>
    </message>
    <message>
        <source>Not find factory.dat
%1</source>
        <translation>factory.dat introuvable
%1</translation>
    </message>
    <message>
        <source>%1 is outside %2-%3 MHz: set to %4</source>
        <translation>%1 est hors de %2-%3 MHz&#xa0;: réglé sur %4</translation>
    </message>
    <message>
        <source>%1 is not on the channel raster: set to %2</source>
        <translation>%1 n&apos;est pas sur la grille des canaux&#xa0;: réglé sur %2</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 is not %2: left as it was</source>
        <translation>%1 n&apos;est pas %2&#xa0;: laissé tel quel</translation>
    </message>
    <message>
        <source>no channel: left empty</source>
        <translation>pas de canal&#xa0;: laissé vide</translation>
    </message>
    <message>
        <source>Select two or more channels first (their row numbers, or Shift with the arrows)</source>
        <translation>Sélectionnez d&apos;abord deux canaux ou plus (leurs numéros de ligne, ou Shift avec les flèches)</translation>
    </message>
    <message>
        <source>%1 is set one channel at a time: choose a cell of Rx Tone to Channel type</source>
        <translation>%1 se règle canal par canal&#xa0;: choisissez une cellule entre Tonalité Rx et Type de canal</translation>
    </message>
    <message>
        <source>%1 holds no channel: nothing to apply</source>
        <translation>%1 est vide&#xa0;: rien à appliquer</translation>
    </message>
    <message>
        <source>no channel</source>
        <translation>pas de canal</translation>
    </message>
    <message>
        <source>greyed out</source>
        <translation>grisé</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not offered</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas proposé</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; given to %3 as well</source>
        <translation>%1 «&#xa0;%2&#xa0;» donné aussi à %3</translation>
    </message>
    <message>
        <source>%1 keeps its %2: %3</source>
        <translation>%1 garde sa valeur de %2&#xa0;: %3</translation>
    </message>
</context>
<context>
    <name>check</name>
    <message>
        <source>Channel %1: %2</source>
        <translation>Canal %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>contact %1 does not exist (contacts are 1-64)</source>
        <translation>le contact %1 n&apos;existe pas (contacts 1 à 64)</translation>
    </message>
    <message>
        <source>contact %1 is a free contact slot</source>
        <translation>le contact %1 est un emplacement de contact libre</translation>
    </message>
    <message>
        <source>The dPMR radio name is empty</source>
        <translation>Le nom radio dPMR est vide</translation>
    </message>
    <message>
        <source>Tx Freq is empty while Rx Freq is set</source>
        <translation>Fréq. Tx est vide alors que Fréq. Rx est renseignée</translation>
    </message>
    <message>
        <source>Rx %1 MHz is outside the band %2</source>
        <translation>Rx %1 MHz est hors de la bande %2</translation>
    </message>
    <message>
        <source>Tx %1 MHz is outside the band %2</source>
        <translation>Tx %1 MHz est hors de la bande %2</translation>
    </message>
    <message>
        <source>Rx tone %1 is not a standard DCS code</source>
        <translation>la tonalité Rx %1 n&apos;est pas un code DCS standard</translation>
    </message>
    <message>
        <source>Tx tone %1 is not a standard DCS code</source>
        <translation>la tonalité Tx %1 n&apos;est pas un code DCS standard</translation>
    </message>
    <message>
        <source>Tx %1</source>
        <translation>Contact Tx&#xa0;: %1</translation>
    </message>
    <message>
        <source>group rx list %1 does not exist (lists are 1-16)</source>
        <translation>la liste groupes Rx %1 n&apos;existe pas (listes 1 à 16)</translation>
    </message>
    <message>
        <source>group rx list %1 has no member</source>
        <translation>la liste groupes Rx %1 n&apos;a aucun membre</translation>
    </message>
    <message>
        <source>%1 selects DTMF code %2, which does not exist (codes are 1-16)</source>
        <translation>%1 choisit le code DTMF %2, qui n&apos;existe pas (codes 1 à 16)</translation>
    </message>
    <message>
        <source>%1 selects DTMF code %2, which is empty</source>
        <translation>%1 choisit le code DTMF %2, qui est vide</translation>
    </message>
    <message>
        <source>Group rx list %1: %2</source>
        <translation>Liste groupes Rx %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Group rx list %1: contact %2 is a single call, not a group</source>
        <translation>Liste groupes Rx %1&#xa0;: le contact %2 est un appel individuel, pas un groupe</translation>
    </message>
    <message>
        <source>Group rx list %1: contact %2 (%3) is a single call, not a group</source>
        <translation>Liste groupes Rx %1&#xa0;: le contact %2 (%3) est un appel individuel, pas un groupe</translation>
    </message>
    <message>
        <source>error: %1</source>
        <translation>erreur&#xa0;: %1</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>avertissement&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>codec</name>
    <message>
        <source>%1 is not a DCS code (DCS codes use the digits 0 to 7): left as it was</source>
        <translation>%1 n&apos;est pas un code DCS (les codes DCS utilisent les chiffres 0 à 7)&#xa0;: laissé tel quel</translation>
    </message>
    <message>
        <source>%1 is not a DCS code (DCS codes use the digits 0 to 7); type %2 for %2 Hz: left as it was</source>
        <translation>%1 n&apos;est pas un code DCS (les codes DCS utilisent les chiffres 0 à 7)&#xa0;; tapez %2 pour %2 Hz&#xa0;: laissé tel quel</translation>
    </message>
    <message>
        <source>%1 was taken as DCS %2</source>
        <translation>%1 a été pris comme DCS %2</translation>
    </message>
    <message>
        <source>%1 was taken as DCS %2; type %3 for %3 Hz</source>
        <translation>%1 a été pris comme DCS %2&#xa0;; tapez %3 pour %3 Hz</translation>
    </message>
    <message>
        <source>%1 is not a tone: set to None</source>
        <translation>%1 n&apos;est pas une tonalité&#xa0;: réglé sur Aucun</translation>
    </message>
</context>
<context>
    <name>config</name>
    <message>
        <source>The port is kept in %1.</source>
        <translation>Le port est conservé dans %1.</translation>
    </message>
    <message>
        <source>The port is kept in %1, because %2 cannot be written.</source>
        <translation>Le port est conservé dans %1, car %2 ne peut pas être écrit.</translation>
    </message>
</context>
<context>
    <name>dialogs</name>
    <message>
        <source>channel range %1 is not channelA-B with 1 &lt;= A &lt;= B &lt;= 16</source>
        <translation>la plage de canaux %1 n&apos;est pas de la forme channelA-B avec 1 &lt;= A &lt;= B &lt;= 16</translation>
    </message>
    <message>
        <source>%1 is not an entry of %2 (%3)</source>
        <translation>%1 n&apos;est pas une entrée de %2 (%3)</translation>
    </message>
    <message>
        <source>%1 (%2) takes 0 or 1</source>
        <translation>%1 (%2) prend 0 ou 1</translation>
    </message>
    <message>
        <source>unknown key %1 (see dpmrtool fields)</source>
        <translation>clé inconnue %1 (voir dpmrtool fields)</translation>
    </message>
    <message>
        <source>%1 is a factory value of the radio (service dialog %2); add --service to change it</source>
        <translation>%1 est une valeur d&apos;usine de la radio (boîte de dialogue de service %2)&#xa0;; ajoutez --service pour la modifier</translation>
    </message>
    <message>
        <source>%1 is not shown by %2 for this image (see dpmrtool fields FILE.dat)</source>
        <translation>%1 n&apos;est pas affiché par %2 pour cette image (voir dpmrtool fields FILE.dat)</translation>
    </message>
    <message>
        <source>%1 (%2) is greyed out in %3</source>
        <translation>%1 (%2) est grisé dans %3</translation>
    </message>
    <message>
        <source>%1 (%2) is greyed out in %3: %4</source>
        <translation>%1 (%2) est grisé dans %3&#xa0;: %4</translation>
    </message>
    <message>
        <source>%1 (%2) has no spin</source>
        <translation>%1 (%2) n&apos;a pas de compteur</translation>
    </message>
</context>
<context>
    <name>dpmr</name>
    <message>
        <source>the name is empty</source>
        <translation>le nom est vide</translation>
    </message>
    <message>
        <source>the name %1 is longer than 8 bytes</source>
        <translation>le nom %1 dépasse 8 octets</translation>
    </message>
    <message>
        <source>the name %1 holds a control character</source>
        <translation>le nom %1 contient un caractère de contrôle</translation>
    </message>
    <message>
        <source>the number is empty</source>
        <translation>le numéro est vide</translation>
    </message>
    <message>
        <source>the number %1 is longer than 7 characters</source>
        <translation>le numéro %1 dépasse 7 caractères</translation>
    </message>
    <message>
        <source>the number %1 may hold only the digits 0 to 9 and &quot;*&quot;</source>
        <translation>le numéro %1 ne peut contenir que les chiffres 0 à 9 et «&#xa0;*&#xa0;»</translation>
    </message>
    <message>
        <source>more than 8 members</source>
        <translation>plus de 8 membres</translation>
    </message>
    <message>
        <source>no contact is named %1</source>
        <translation>aucun contact ne s&apos;appelle %1</translation>
    </message>
    <message>
        <source>more than one contact is named %1</source>
        <translation>plusieurs contacts s&apos;appellent %1</translation>
    </message>
    <message>
        <source>%1 is a single call; the lists take group calls</source>
        <translation>%1 est un appel individuel&#xa0;; les listes prennent des appels de groupe</translation>
    </message>
    <message>
        <source>%1 is named twice</source>
        <translation>%1 est nommé deux fois</translation>
    </message>
    <message>
        <source>more than 64 contacts</source>
        <translation>plus de 64 contacts</translation>
    </message>
    <message>
        <source>expected 3 fields (Name,Number,Type), found %1</source>
        <translation>3 champs attendus (Name,Number,Type), %1 trouvé(s)</translation>
    </message>
    <message>
        <source>the type %1 is neither %2 nor %3</source>
        <translation>le type %1 n&apos;est ni %2 ni %3</translation>
    </message>
    <message>
        <source>the name %1 is already on line %2</source>
        <translation>le nom %1 est déjà à la ligne %2</translation>
    </message>
    <message>
        <source>the number %1 is already on line %2</source>
        <translation>le numéro %1 est déjà à la ligne %2</translation>
    </message>
    <message>
        <source>no contact follows; the radio needs one</source>
        <translation>aucun contact ne suit&#xa0;; la radio en a besoin d&apos;au moins un</translation>
    </message>
    <message>
        <source>no free contact record is left for this contact</source>
        <translation>il ne reste aucun enregistrement de contact libre pour ce contact</translation>
    </message>
    <message>
        <source>%1 is already %2&apos;s</source>
        <translation>%1 est déjà celui de %2</translation>
    </message>
    <message>
        <source>the list %1 is no number from 1 to 16</source>
        <translation>la liste %1 n&apos;est pas un nombre de 1 à 16</translation>
    </message>
    <message>
        <source>list %1 is already on line %2</source>
        <translation>la liste %1 est déjà à la ligne %2</translation>
    </message>
</context>
<context>
    <name>fleet</name>
    <message>
        <source>radio %1 (%2) looks like the radio just written as %3 (&quot;%4&quot;, %5): is the next radio on the cable?</source>
        <translation>la radio %1 (%2) ressemble à la radio écrite juste avant à %3 («&#xa0;%4&#xa0;», %5)&#xa0;: la radio suivante est-elle bien sur le câble&#xa0;?</translation>
    </message>
    <message>
        <source>radio %1 (%2) is to get the ID %3, which the backups show on another radio: &quot;%4&quot; (backup of %5)</source>
        <translation>la radio %1 (%2) doit recevoir l&apos;ID %3, que les sauvegardes montrent sur une autre radio&#xa0;: «&#xa0;%4&#xa0;» (sauvegarde du %5)</translation>
    </message>
    <message>
        <source>a row of the list holds a name, a dPMR ID and, optionally, a port, but this one has 1 column</source>
        <translation>une ligne de la liste contient un nom, un ID dPMR et, en option, un port, mais celle-ci n&apos;a qu&apos;une colonne</translation>
    </message>
    <message>
        <source>a row of the list holds a name, a dPMR ID and, optionally, a port, but this one has %1 columns</source>
        <translation>une ligne de la liste contient un nom, un ID dPMR et, en option, un port, mais celle-ci a %1 colonnes</translation>
    </message>
    <message>
        <source>the list holds no radio</source>
        <translation>la liste ne contient aucune radio</translation>
    </message>
    <message>
        <source>the port %1 is also %2&apos;s</source>
        <translation>le port %1 est aussi celui de %2</translation>
    </message>
    <message>
        <source>the port %1 is given twice</source>
        <translation>le port %1 est donné deux fois</translation>
    </message>
    <message>
        <source>no port is left for this row: name its port in the list or connect one more radio</source>
        <translation>il ne reste aucun port pour cette ligne&#xa0;: indiquez son port dans la liste ou branchez une radio de plus</translation>
    </message>
    <message>
        <source>the row has no dPMR ID</source>
        <translation>la ligne n&apos;a pas d&apos;ID dPMR</translation>
    </message>
    <message>
        <source>the dPMR ID %1 is not a number of up to 7 digits</source>
        <translation>l&apos;ID dPMR %1 n&apos;est pas un nombre de 7 chiffres au plus</translation>
    </message>
    <message>
        <source>the radio would replace the dPMR ID %1 (it takes 0000001 to 9000000, not 1000000, 2000000, ... 9000000)</source>
        <translation>la radio remplacerait l&apos;ID dPMR %1 (elle accepte 0000001 à 9000000, sauf 1000000, 2000000, ... 9000000)</translation>
    </message>
    <message>
        <source>the dPMR ID %1 is given twice: also %2</source>
        <translation>l&apos;ID dPMR %1 est donné deux fois&#xa0;: aussi %2</translation>
    </message>
    <message>
        <source>the name %1 holds a character the radio cannot show (only plain ASCII letters, digits and signs)</source>
        <translation>le nom %1 contient un caractère que la radio ne peut pas afficher (uniquement lettres, chiffres et signes ASCII simples)</translation>
    </message>
    <message>
        <source>the name &quot;%1&quot; is cut to the radio&apos;s 8 characters: &quot;%2&quot;</source>
        <translation>le nom «&#xa0;%1&#xa0;» est coupé aux 8 caractères de la radio&#xa0;: «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>cut to 8 characters, the name is &quot;%1&quot;, the same as %2&apos;s</source>
        <translation>coupé à 8 caractères, le nom est «&#xa0;%1&#xa0;», le même que celui de %2</translation>
    </message>
    <message>
        <source>the name &quot;%1&quot; is also %2&apos;s</source>
        <translation>le nom «&#xa0;%1&#xa0;» est aussi celui de %2</translation>
    </message>
    <message>
        <source>the port %1 has no row of the list and is not written</source>
        <translation>le port %1 n&apos;a pas de ligne dans la liste et n&apos;est pas écrit</translation>
    </message>
    <message>
        <source>the name pattern &apos;%1&apos; holds a character the radio cannot show (only plain ASCII letters, digits and signs)</source>
        <translation>le modèle de nom «&#xa0;%1&#xa0;» contient un caractère que la radio ne peut pas afficher (uniquement lettres, chiffres et signes ASCII simples)</translation>
    </message>
    <message>
        <source>the name pattern &apos;%1&apos; has a lone &apos;}&apos;</source>
        <translation>le modèle de nom «&#xa0;%1&#xa0;» contient une accolade «&#xa0;}&#xa0;» isolée</translation>
    </message>
    <message>
        <source>the name pattern &apos;%1&apos; has a &apos;{&apos; without &apos;}&apos;</source>
        <translation>le modèle de nom «&#xa0;%1&#xa0;» contient une «&#xa0;{&#xa0;» sans «&#xa0;}&#xa0;»</translation>
    </message>
    <message>
        <source>{%1} in the name pattern: the ID has 1 to 7 digits to keep</source>
        <translation>{%1} dans le modèle de nom&#xa0;: l&apos;ID a de 1 à 7 chiffres à garder</translation>
    </message>
    <message>
        <source>{%1} in the name pattern is not known: use {n}, {id} or {id:4}</source>
        <translation>{%1} dans le modèle de nom est inconnu&#xa0;: utilisez {n}, {id} ou {id:4}</translation>
    </message>
    <message>
        <source>radio %1: the name &quot;%2&quot; is cut to the radio&apos;s 8 characters: &quot;%3&quot;</source>
        <translation>radio %1&#xa0;: le nom «&#xa0;%2&#xa0;» est coupé aux 8 caractères de la radio&#xa0;: «&#xa0;%3&#xa0;»</translation>
    </message>
    <message>
        <source>no port given: name at least one radio&apos;s port</source>
        <translation>aucun port donné&#xa0;: indiquez le port d&apos;au moins une radio</translation>
    </message>
    <message>
        <source>an empty port name was given</source>
        <translation>un nom de port vide a été donné</translation>
    </message>
    <message>
        <source>an ID start value and keeping each radio&apos;s identity exclude each other</source>
        <translation>un ID de départ et la conservation de l&apos;identité de chaque radio s&apos;excluent</translation>
    </message>
    <message>
        <source>the first radio ID must have at most 7 digits (1 to 9999999)</source>
        <translation>le premier ID radio doit avoir 7 chiffres au plus (1 à 9999999)</translation>
    </message>
    <message>
        <source>the ID step must have at most 7 digits</source>
        <translation>le pas de l&apos;ID doit avoir 7 chiffres au plus</translation>
    </message>
    <message>
        <source>every radio needs an ID of its own, but all %1 would get the document&apos;s ID %2: give a first ID and a step, or keep each radio&apos;s identity</source>
        <translation>chaque radio a besoin de son propre ID, mais les %1 recevraient l&apos;ID %2 du document&#xa0;: donnez un premier ID et un pas, ou gardez l&apos;identité de chaque radio</translation>
    </message>
    <message>
        <source>radio %1 (%2) would get the ID %3, which has no 7-digit form</source>
        <translation>la radio %1 (%2) recevrait l&apos;ID %3, qui ne s&apos;écrit pas en 7 chiffres</translation>
    </message>
    <message>
        <source>radio %1 (%2) would get the ID %3, which the radio does not take (0000001 to 9000000, not 1000000, 2000000, ... 9000000): choose another start or step</source>
        <translation>la radio %1 (%2) recevrait l&apos;ID %3, que la radio n&apos;accepte pas (0000001 à 9000000, sauf 1000000, 2000000, ... 9000000)&#xa0;: choisissez un autre départ ou un autre pas</translation>
    </message>
    <message>
        <source>radios %1 and %2 would both be named &quot;%3&quot; once cut to the radio&apos;s 8 characters: shorten the pattern or put the ID&apos;s digits first</source>
        <translation>les radios %1 et %2 s&apos;appelleraient toutes deux «&#xa0;%3&#xa0;» une fois le nom coupé aux 8 caractères de la radio&#xa0;: raccourcissez le modèle ou placez les chiffres de l&apos;ID en premier</translation>
    </message>
    <message>
        <source>every radio needs an ID of its own, but the step repeats %1</source>
        <translation>chaque radio a besoin de son propre ID, mais le pas répète %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>ID %1 on %2</source>
        <translation>ID %1 sur %2</translation>
    </message>
    <message>
        <source>wire trace: %1</source>
        <translation>trace des échanges&#xa0;: %1</translation>
    </message>
    <message>
        <source>stopped before its configuration was sent</source>
        <translation>arrêtée avant l&apos;envoi de sa configuration</translation>
    </message>
    <message>
        <source>no read backup kept: there is no folder for backups</source>
        <translation>aucune sauvegarde de lecture conservée&#xa0;: il n&apos;y a pas de dossier pour les sauvegardes</translation>
    </message>
    <message>
        <source>no write backup kept: there is no folder for backups</source>
        <translation>aucune sauvegarde d&apos;écriture conservée&#xa0;: il n&apos;y a pas de dossier pour les sauvegardes</translation>
    </message>
    <message>
        <source>stopped while reading the radio; nothing was sent</source>
        <translation>arrêtée pendant la lecture de la radio&#xa0;; rien n&apos;a été envoyé</translation>
    </message>
    <message>
        <source>two radios hold the same ID, so none was written: %1</source>
        <translation>deux radios ont le même ID, aucune n&apos;a donc été écrite&#xa0;: %1</translation>
    </message>
    <message>
        <source>its squelch calibration could not be read, so nothing was sent: %1</source>
        <translation>son étalonnage du squelch n&apos;a pas pu être lu, rien n&apos;a donc été envoyé&#xa0;: %1</translation>
    </message>
    <message>
        <source>not written, after the warning: %1</source>
        <translation>non écrite, après l&apos;avertissement&#xa0;: %1</translation>
    </message>
    <message>
        <source>its configuration has errors and was not sent: %1</source>
        <translation>sa configuration comporte des erreurs et n&apos;a pas été envoyée&#xa0;: %1</translation>
    </message>
    <message>
        <source>written despite errors: %1</source>
        <translation>écrite malgré des erreurs&#xa0;: %1</translation>
    </message>
    <message>
        <source>row</source>
        <translation>ligne</translation>
    </message>
    <message>
        <source>radio %1</source>
        <translation>radio %1</translation>
    </message>
    <message>
        <source>line</source>
        <translation>ligne</translation>
    </message>
    <message>
        <source>not run</source>
        <translation>non effectuée</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>vérifiée</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>arrêtée</translation>
    </message>
    <message>
        <source>broke off</source>
        <translation>interrompue</translation>
    </message>
    <message>
        <source>differs</source>
        <translation>diffère</translation>
    </message>
    <message>
        <source>not asked</source>
        <translation>non demandée</translation>
    </message>
</context>
<context>
    <name>form</name>
    <message>
        <source>printable ASCII characters only</source>
        <translation>caractères ASCII imprimables uniquement</translation>
    </message>
    <message>
        <source>digits only</source>
        <translation>chiffres uniquement</translation>
    </message>
    <message>
        <source>digits and a point only</source>
        <translation>chiffres et un point uniquement</translation>
    </message>
    <message>
        <source>0-9, A-D, * and # only</source>
        <translation>0-9, A-D, * et # uniquement</translation>
    </message>
    <message>
        <source>hexadecimal digits only</source>
        <translation>chiffres hexadécimaux uniquement</translation>
    </message>
    <message>
        <source>%1 to %2 in steps of %3</source>
        <translation>%1 à %2 par pas de %3</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>no entry of the list</source>
        <translation>aucune entrée de la liste</translation>
    </message>
    <message>
        <source>band edges and the channel raster</source>
        <translation>limites de la bande et grille des canaux</translation>
    </message>
    <message>
        <source>a CTCSS tone 60.0 to 280.0 Hz or a DCS code</source>
        <translation>une tonalité CTCSS de 60.0 à 280.0 Hz ou un code DCS</translation>
    </message>
    <message>
        <source>0 or 1</source>
        <translation>0 ou 1</translation>
    </message>
    <message>
        <source>at most %1 digits</source>
        <translation>%1 chiffres au plus</translation>
    </message>
    <message>
        <source>at most %1 characters</source>
        <translation>%1 caractères au plus</translation>
    </message>
    <message>
        <source>7 digits up to 9000000, not one digit and six 0s</source>
        <translation>7 chiffres jusqu&apos;à 9000000, pas un chiffre suivi de six 0</translation>
    </message>
    <message>
        <source>as the radio keeps it</source>
        <translation>tel que la radio le conserve</translation>
    </message>
    <message>
        <source>%1: %2 stored as %3 (%4)</source>
        <translation>%1&#xa0;: %2 enregistré comme %3 (%4)</translation>
    </message>
</context>
<context>
    <name>image</name>
    <message>
        <source>&quot;%1&quot; is not a radio file: it holds %2 bytes; a radio file holds %3.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un fichier radio&#xa0;: il contient %2 octets&#xa0;; un fichier radio en contient %3.</translation>
    </message>
    <message>
        <source>%1 holds %2 bytes, more than a radio image: only its first %3 bytes are loaded, and the rest is not kept.</source>
        <translation>%1 contient %2 octets, plus qu&apos;une image de radio&#xa0;: seuls ses %3 premiers octets sont chargés, et le reste n&apos;est pas conservé.</translation>
    </message>
    <message>
        <source>Unexpected file format.
&quot;%1&quot; holds %2 bytes; a radio file holds %3.</source>
        <translation>Format de fichier inattendu.
«&#xa0;%1&#xa0;» contient %2 octets&#xa0;; un fichier radio en contient %3.</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
</context>
<context>
    <name>interchange</name>
    <message>
        <source>%1 row did not fit below channel 16: left out</source>
        <translation>%1 ligne dépassait le canal 16&#xa0;: ignorée</translation>
    </message>
    <message>
        <source>%1 rows did not fit below channel 16: left out</source>
        <translation>%1 lignes dépassaient le canal 16&#xa0;: ignorées</translation>
    </message>
    <message>
        <source>channel %1, %2: %3</source>
        <translation>canal %1, %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>line %1: %2: row left out</source>
        <translation>ligne %1&#xa0;: %2&#xa0;: ligne ignorée</translation>
    </message>
    <message>
        <source>%1 is no frequency</source>
        <translation>%1 n&apos;est pas une fréquence</translation>
    </message>
    <message>
        <source>no Rx Freq</source>
        <translation>pas de Fréq. Rx</translation>
    </message>
    <message>
        <source>%1 is no frequency: left as it was</source>
        <translation>%1 n&apos;est pas une fréquence&#xa0;: laissé tel quel</translation>
    </message>
    <message>
        <source>the clipboard text is no table of channels: %1</source>
        <translation>le texte du presse-papiers n&apos;est pas un tableau de canaux&#xa0;: %1</translation>
    </message>
    <message>
        <source>the clipboard holds no channel rows</source>
        <translation>le presse-papiers ne contient aucune ligne de canal</translation>
    </message>
    <message>
        <source>%1 %2 is not a frequency in MHz</source>
        <translation>%1 %2 n&apos;est pas une fréquence en MHz</translation>
    </message>
    <message>
        <source>Duplex %1 is not empty, +, -, split or off</source>
        <translation>Duplex %1 n&apos;est ni vide, ni +, -, split ou off</translation>
    </message>
    <message>
        <source>Offset %1 is not a number of MHz</source>
        <translation>Offset %1 n&apos;est pas un nombre de MHz</translation>
    </message>
    <message>
        <source>Offset %1 is 10000 MHz or more, no frequency to transmit on</source>
        <translation>Offset %1 vaut 10000 MHz ou plus&#xa0;: pas de fréquence d&apos;émission</translation>
    </message>
    <message>
        <source>Frequency %1 Offset gives %2 MHz, no frequency to transmit on</source>
        <translation>Frequency %1 Offset donne %2 MHz&#xa0;: pas de fréquence d&apos;émission</translation>
    </message>
    <message>
        <source>Power %1 is not understood: set to %2</source>
        <translation>Power %1 non compris&#xa0;: réglé sur %2</translation>
    </message>
    <message>
        <source>Skip %1 is not empty, S or P</source>
        <translation>Skip %1 n&apos;est ni vide, ni S, ni P</translation>
    </message>
    <message>
        <source>the first line must name the columns, Location and Frequency among them, as CHIRP writes it</source>
        <translation>la première ligne doit nommer les colonnes, dont Location et Frequency, comme l&apos;écrit CHIRP</translation>
    </message>
    <message>
        <source>%1: left out</source>
        <translation>%1&#xa0;: ligne ignorée</translation>
    </message>
    <message>
        <source>Location %1 is no channel of this radio (1-16)</source>
        <translation>Location %1 n&apos;est pas un canal de cette radio (1-16)</translation>
    </message>
    <message>
        <source>channel %1 is set on line %2</source>
        <translation>le canal %1 est déjà réglé à la ligne %2</translation>
    </message>
    <message>
        <source>channel %1: Mode %2 is not available (FM and NFM only)</source>
        <translation>canal %1&#xa0;: Mode %2 non disponible (FM et NFM uniquement)</translation>
    </message>
    <message>
        <source>channel %1 has no frequency</source>
        <translation>le canal %1 n&apos;a pas de fréquence</translation>
    </message>
    <message>
        <source>channel %1: %2</source>
        <translation>canal %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>names are not kept: the radio has no channel names</source>
        <translation>les noms ne sont pas conservés&#xa0;: la radio n&apos;a pas de noms de canaux</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 est vide</translation>
    </message>
    <message>
        <source>DtcsPolarity %1 is not NN, NR, RN or RR</source>
        <translation>DtcsPolarity %1 n&apos;est pas NN, NR, RN ou RR</translation>
    </message>
    <message>
        <source>tone mode %1 (reverse squelch) is not available: no tones</source>
        <translation>le mode de tonalité %1 (squelch inversé) n&apos;est pas disponible&#xa0;: sans tonalité</translation>
    </message>
    <message>
        <source>Tone %1 is not empty, Tone, TSQL, DTCS, TSQL-R, DTCS-R or Cross</source>
        <translation>Tone %1 n&apos;est ni vide, ni Tone, TSQL, DTCS, TSQL-R, DTCS-R ou Cross</translation>
    </message>
    <message>
        <source>CrossMode %1 is not one of Tone-&gt;Tone, Tone-&gt;DTCS, DTCS-&gt;Tone, -&gt;Tone, -&gt;DTCS, DTCS-&gt;, DTCS-&gt;DTCS, Tone-&gt;</source>
        <translation>CrossMode %1 n&apos;est pas l&apos;un de Tone-&gt;Tone, Tone-&gt;DTCS, DTCS-&gt;Tone, -&gt;Tone, -&gt;DTCS, DTCS-&gt;, DTCS-&gt;DTCS, Tone-&gt;</translation>
    </message>
    <message>
        <source>more than %1 contacts</source>
        <translation>plus de %1 contacts</translation>
    </message>
    <message>
        <source>the name %1 is already on line %2</source>
        <translation>le nom %1 est déjà à la ligne %2</translation>
    </message>
    <message>
        <source>the name %1 is there twice</source>
        <translation>le nom %1 y figure deux fois</translation>
    </message>
    <message>
        <source>the number %1 is already on line %2</source>
        <translation>le numéro %1 est déjà à la ligne %2</translation>
    </message>
    <message>
        <source>the number %1 is there twice</source>
        <translation>le numéro %1 y figure deux fois</translation>
    </message>
    <message>
        <source>contact %1: slot %2 is not a free slot 1 to 64</source>
        <translation>contact %1&#xa0;: l&apos;emplacement %2 n&apos;est pas un emplacement libre de 1 à 64</translation>
    </message>
    <message>
        <source>channel %1: %2 is not an entry of &quot;%3&quot;</source>
        <translation>canal %1&#xa0;: %2 n&apos;est pas une entrée de «&#xa0;%3&#xa0;»</translation>
    </message>
    <message>
        <source>channel %1 %2: %3</source>
        <translation>canal %1 %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>%1 (%2) is greyed out in the dialog</source>
        <translation>%1 (%2) est grisé dans la boîte de dialogue</translation>
    </message>
    <message>
        <source>%1 (%2) is greyed out in the dialog: %3</source>
        <translation>%1 (%2) est grisé dans la boîte de dialogue&#xa0;: %3</translation>
    </message>
    <message>
        <source>line %1, column %2: %3</source>
        <translation>ligne %1, colonne %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>the byte at %1 is not one no field owns</source>
        <translation>l&apos;octet à %1 appartient à un champ (seuls les octets hors de tout champ vont ici)</translation>
    </message>
    <message>
        <source>group rx list %1: %2</source>
        <translation>liste groupes Rx %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the byte at %1 is not a byte of the contacts</source>
        <translation>l&apos;octet à %1 n&apos;est pas un octet des contacts</translation>
    </message>
    <message>
        <source>the control character %1 is not allowed in a YAML file</source>
        <translation>le caractère de contrôle %1 n&apos;est pas autorisé dans un fichier YAML</translation>
    </message>
    <message>
        <source>a backslash before %1 starts no YAML escape sequence (a backslash itself is written \\)</source>
        <translation>une barre oblique inverse devant %1 ne commence aucune séquence d&apos;échappement YAML (une barre oblique inverse s&apos;écrit elle-même \\)</translation>
    </message>
    <message>
        <source>YAML syntax: %1</source>
        <translation>syntaxe YAML&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1: expected a text, not a list or mapping</source>
        <translation>%1&#xa0;: texte attendu, pas une liste ni un mapping</translation>
    </message>
    <message>
        <source>%1: expected a number from %2 to %3</source>
        <translation>%1&#xa0;: nombre de %2 à %3 attendu</translation>
    </message>
    <message>
        <source>%1: expected %2 bytes as hexadecimal digits</source>
        <translation>%1&#xa0;: %2 octets en chiffres hexadécimaux attendus</translation>
    </message>
    <message>
        <source>%1: expected bytes as hexadecimal digits</source>
        <translation>%1&#xa0;: octets en chiffres hexadécimaux attendus</translation>
    </message>
    <message>
        <source>%1: expected a mapping</source>
        <translation>%1&#xa0;: mapping attendu</translation>
    </message>
    <message>
        <source>%1: expected a list</source>
        <translation>%1&#xa0;: liste attendue</translation>
    </message>
    <message>
        <source>%1: more than %2 entries</source>
        <translation>%1&#xa0;: plus de %2 entrées</translation>
    </message>
    <message>
        <source>%1: %2 is not an address 0x0000 to 0x3FFF</source>
        <translation>%1&#xa0;: %2 n&apos;est pas une adresse de 0x0000 à 0x3FFF</translation>
    </message>
    <message>
        <source>%1: unknown key %2 (see dpmrtool fields: the keys after &quot;channel%3.&quot;)</source>
        <translation>%1&#xa0;: clé inconnue %2 (voir dpmrtool fields&#xa0;: les clés après «&#xa0;channel%3.&#xa0;»)</translation>
    </message>
    <message>
        <source>unknown settings page %1 (see dpmrtool fields)</source>
        <translation>page de réglages inconnue %1 (voir dpmrtool fields)</translation>
    </message>
    <message>
        <source>unknown key %1 (see dpmrtool fields)</source>
        <translation>clé inconnue %1 (voir dpmrtool fields)</translation>
    </message>
    <message>
        <source>%1: unknown key %2 (value or bytes)</source>
        <translation>%1&#xa0;: clé inconnue %2 (value ou bytes)</translation>
    </message>
    <message>
        <source>contact type: %1 is not an entry of &quot;Type&quot; (&quot;%2&quot;, &quot;%3&quot;)</source>
        <translation>type de contact&#xa0;: %1 n&apos;est pas une entrée de «&#xa0;Type&#xa0;» («&#xa0;%2&#xa0;», «&#xa0;%3&#xa0;»)</translation>
    </message>
    <message>
        <source>contact: unknown key %1 (name, number, type, slot)</source>
        <translation>contact&#xa0;: clé inconnue %1 (name, number, type, slot)</translation>
    </message>
    <message>
        <source>%1: unknown key %2 (members or bytes)</source>
        <translation>%1&#xa0;: clé inconnue %2 (members ou bytes)</translation>
    </message>
    <message>
        <source>%1: expected a list of contact names</source>
        <translation>%1&#xa0;: liste de noms de contacts attendue</translation>
    </message>
    <message>
        <source>expected a dpmrcps codeplug (a mapping with format: 1)</source>
        <translation>configuration dpmrcps attendue (un mapping avec format: 1)</translation>
    </message>
    <message>
        <source>format %1 is not one this program reads (%2)</source>
        <translation>le format %1 n&apos;est pas un de ceux que ce programme lit (%2)</translation>
    </message>
    <message>
        <source>unknown key %1</source>
        <translation>clé inconnue %1</translation>
    </message>
    <message>
        <source>no &quot;format&quot;: not a dpmrcps codeplug</source>
        <translation>pas de «&#xa0;format&#xa0;»&#xa0;: ce n&apos;est pas une configuration dpmrcps</translation>
    </message>
    <message>
        <source>lists and mappings are nested %1 deep here; a codeplug nests at most 4</source>
        <translation>listes et mappings sont imbriqués ici sur %1 niveaux&#xa0;; une configuration en imbrique 4 au plus</translation>
    </message>
    <message>
        <source>the key %1 is given twice in one mapping, on line %2</source>
        <translation>la clé %1 est donnée deux fois dans un même mapping, à la ligne %2</translation>
    </message>
    <message>
        <source>the key %1 is given twice in one mapping, on lines %2 and %3</source>
        <translation>la clé %1 est donnée deux fois dans un même mapping, aux lignes %2 et %3</translation>
    </message>
</context>
<context>
    <name>link</name>
    <message>
        <source>install the udev rule %1 (the dpmrcps package does; from the sources: sudo cp res/linux/%1 /etc/udev/rules.d/), then: sudo udevadm control --reload &amp;&amp; sudo udevadm trigger --subsystem-match=tty</source>
        <translation>installez la règle udev %1 (le paquet dpmrcps le fait&#xa0;; depuis les sources&#xa0;: sudo cp res/linux/%1 /etc/udev/rules.d/), puis&#xa0;: sudo udevadm control --reload &amp;&amp; sudo udevadm trigger --subsystem-match=tty</translation>
    </message>
    <message>
        <source>%1 is not a serial port</source>
        <translation>%1 n&apos;est pas un port série</translation>
    </message>
    <message>
        <source>choose the cable&apos;s port, such as /dev/ttyUSB0 (dpmrtool ports lists them)</source>
        <translation>choisissez le port du câble, par exemple /dev/ttyUSB0 (dpmrtool ports les liste)</translation>
    </message>
    <message>
        <source>the system refused to open %1 although its permissions allow it</source>
        <translation>le système a refusé d&apos;ouvrir %1 bien que ses permissions le permettent</translation>
    </message>
    <message>
        <source>a sandbox (a snap or flatpak package) or a security policy keeps the program from the device: run the program installed from the Debian package or built from the sources</source>
        <translation>un bac à sable (paquet snap ou flatpak) ou une politique de sécurité empêche le programme d&apos;accéder au périphérique&#xa0;: lancez le programme installé depuis le paquet Debian ou compilé depuis les sources</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2</source>
        <translation>%1 n&apos;a pas pu être ouvert&#xa0;: %2</translation>
    </message>
    <message>
        <source>plug the cable in again; if that does not help, restart the computer</source>
        <translation>rebranchez le câble&#xa0;; si cela ne suffit pas, redémarrez l&apos;ordinateur</translation>
    </message>
    <message>
        <source>%1 does not exist: the cable is not plugged in, or its port has another name now</source>
        <translation>%1 n&apos;existe pas&#xa0;: le câble n&apos;est pas branché, ou son port porte maintenant un autre nom</translation>
    </message>
    <message>
        <source>plug the cable into the computer and the radio, then choose the port that appears (dpmrtool ports lists them; Setting &gt; Port shows them as they come)</source>
        <translation>branchez le câble sur l&apos;ordinateur et sur la radio, puis choisissez le port qui apparaît (dpmrtool ports les liste&#xa0;; Configuration &gt; Port les affiche à mesure qu&apos;ils apparaissent)</translation>
    </message>
    <message>
        <source>brltty (a braille display driver) is installed and claims USB serial adapters (%1): if the port disappeared right after the cable was plugged in, brltty took it</source>
        <translation>brltty (un pilote d&apos;afficheur braille) est installé et s&apos;approprie les adaptateurs série USB (%1)&#xa0;: si le port a disparu juste après le branchement du câble, c&apos;est brltty qui l&apos;a pris</translation>
    </message>
    <message>
        <source>without a braille display: sudo apt remove brltty, then plug the cable in again; with one: comment out the line for the cable&apos;s chip in %1</source>
        <translation>sans afficheur braille&#xa0;: sudo apt remove brltty, puis rebranchez le câble&#xa0;; avec un afficheur&#xa0;: mettez en commentaire la ligne de la puce du câble dans %1</translation>
    </message>
    <message>
        <source>brltty&apos;s udev rules</source>
        <translation>les règles udev de brltty</translation>
    </message>
    <message>
        <source>a virtual port (a pseudo-terminal), such as the virtual radio&apos;s: no cable</source>
        <translation>un port virtuel (un pseudo-terminal), comme celui de la radio virtuelle&#xa0;: pas de câble</translation>
    </message>
    <message>
        <source>USB serial adapter: USB %1</source>
        <translation>adaptateur série USB&#xa0;: USB %1</translation>
    </message>
    <message>
        <source>%1 cable: USB %2</source>
        <translation>câble %1&#xa0;: USB %2</translation>
    </message>
    <message>
        <source>, driver %1</source>
        <translation>, pilote %1</translation>
    </message>
    <message>
        <source>, also %1</source>
        <translation>, aussi %1</translation>
    </message>
    <message>
        <source>a Bluetooth serial port, not the radio&apos;s programming cable</source>
        <translation>un port série Bluetooth, pas le câble de programmation de la radio</translation>
    </message>
    <message>
        <source>plug the programming cable in and choose its port (/dev/ttyUSB0 or /dev/ttyACM0)</source>
        <translation>branchez le câble de programmation et choisissez son port (/dev/ttyUSB0 ou /dev/ttyACM0)</translation>
    </message>
    <message>
        <source>a serial port built into the computer: a USB programming cable is named ttyUSB or ttyACM</source>
        <translation>un port série intégré à l&apos;ordinateur&#xa0;: un câble de programmation USB s&apos;appelle ttyUSB ou ttyACM</translation>
    </message>
    <message>
        <source>a serial port built into the computer, driver %1: a USB programming cable is named ttyUSB or ttyACM</source>
        <translation>un port série intégré à l&apos;ordinateur, pilote %1&#xa0;: un câble de programmation USB s&apos;appelle ttyUSB ou ttyACM</translation>
    </message>
    <message>
        <source> (owner %1, group %2, mode %3)</source>
        <translation> (propriétaire %1, groupe %2, mode %3)</translation>
    </message>
    <message>
        <source>your user %1 was added to the group %2, which may open %3, but this session started before and does not have the group yet</source>
        <translation>votre utilisateur %1 a été ajouté au groupe %2, qui peut ouvrir %3, mais cette session a commencé avant et n&apos;a pas encore ce groupe</translation>
    </message>
    <message>
        <source>log out and in again (or restart the computer); until then, &apos;newgrp %1&apos; starts a shell that has it</source>
        <translation>fermez la session et rouvrez-la (ou redémarrez l&apos;ordinateur)&#xa0;; d&apos;ici là, «&#xa0;newgrp %1&#xa0;» ouvre un shell qui a ce groupe</translation>
    </message>
    <message>
        <source>your user %1 is not in the group %2, which may open %3%4</source>
        <translation>votre utilisateur %1 ne fait pas partie du groupe %2, qui peut ouvrir %3%4</translation>
    </message>
    <message>
        <source>sudo adduser %1 %2, then log out and in again</source>
        <translation>sudo adduser %1 %2, puis fermez la session et rouvrez-la</translation>
    </message>
    <message>
        <source>only root may open %1%2</source>
        <translation>seul root peut ouvrir %1%2</translation>
    </message>
    <message>
        <source>only its owner may open %1%2</source>
        <translation>seul son propriétaire peut ouvrir %1%2</translation>
    </message>
    <message>
        <source>%1; it gives the group dialout the programming cables: then sudo adduser %2 dialout, and log out and in again</source>
        <translation>%1&#xa0;; elle donne au groupe dialout l&apos;accès aux câbles de programmation&#xa0;: puis sudo adduser %2 dialout, et fermez la session et rouvrez-la</translation>
    </message>
    <message>
        <source>%1 (process %2)</source>
        <translation>%1 (processus %2)</translation>
    </message>
    <message>
        <source>a program</source>
        <translation>un programme</translation>
    </message>
    <message>
        <source>close the other program, then try again</source>
        <translation>fermez l&apos;autre programme, puis réessayez</translation>
    </message>
    <message>
        <source>close %1 (or end it: kill %2), then try again</source>
        <translation>fermez %1 (ou arrêtez-le&#xa0;: kill %2), puis réessayez</translation>
    </message>
    <message>
        <source>that program</source>
        <translation>ce programme</translation>
    </message>
    <message>
        <source>%1 is in use by another program%2</source>
        <translation>%1 est utilisé par un autre programme%2</translation>
    </message>
    <message>
        <source>the udev rule %1 is not installed: it keeps ModemManager away from the cable and gives the group dialout access to it</source>
        <translation>la règle udev %1 n&apos;est pas installée&#xa0;: elle tient ModemManager à l&apos;écart du câble et donne au groupe dialout l&apos;accès à celui-ci</translation>
    </message>
    <message>
        <source>the udev rule %1 does not name this cable&apos;s chip (USB %2)</source>
        <translation>la règle udev %1 ne nomme pas la puce de ce câble (USB %2)</translation>
    </message>
    <message>
        <source>add a line for it to the rule (a copy of one of its lines with idVendor %1 and idProduct %2), then: sudo udevadm control --reload &amp;&amp; sudo udevadm trigger --subsystem-match=tty</source>
        <translation>ajoutez-lui une ligne dans la règle (copie de l&apos;une de ses lignes avec idVendor %1 et idProduct %2), puis&#xa0;: sudo udevadm control --reload &amp;&amp; sudo udevadm trigger --subsystem-match=tty</translation>
    </message>
    <message>
        <source>the udev rule %1 names this cable&apos;s chip but has not been applied to %2 yet</source>
        <translation>la règle udev %1 nomme la puce de ce câble mais n&apos;a pas encore été appliquée à %2</translation>
    </message>
    <message>
        <source>plug the cable in again, or run: sudo udevadm trigger --subsystem-match=tty</source>
        <translation>rebranchez le câble, ou exécutez&#xa0;: sudo udevadm trigger --subsystem-match=tty</translation>
    </message>
    <message>
        <source>ModemManager is running and has not been told to leave %1 alone: it may send AT commands to the cable for several seconds after it is plugged in, and a Read or Write started then fails</source>
        <translation>ModemManager est en cours d&apos;exécution et n&apos;a pas reçu l&apos;instruction de laisser %1 tranquille&#xa0;: il peut envoyer des commandes AT au câble pendant plusieurs secondes après son branchement, et une lecture ou une écriture lancée à ce moment échoue</translation>
    </message>
    <message>
        <source>%1, and plug the cable in again; or stop ModemManager: sudo systemctl stop ModemManager</source>
        <translation>%1, et rebranchez le câble&#xa0;; ou arrêtez ModemManager&#xa0;: sudo systemctl stop ModemManager</translation>
    </message>
    <message>
        <source>plug the cable in again; or stop ModemManager: sudo systemctl stop ModemManager</source>
        <translation>rebranchez le câble&#xa0;; ou arrêtez ModemManager&#xa0;: sudo systemctl stop ModemManager</translation>
    </message>
    <message>
        <source>brltty (a braille display driver) is installed and its udev rules claim this cable&apos;s chip (USB %1): it may take the cable, and the port disappears right after it is plugged in</source>
        <translation>brltty (un pilote d&apos;afficheur braille) est installé et ses règles udev s&apos;approprient la puce de ce câble (USB %1)&#xa0;: il peut prendre le câble, et le port disparaît alors juste après le branchement</translation>
    </message>
    <message>
        <source>virtual port %1</source>
        <translation>port virtuel %1</translation>
    </message>
    <message>
        <source>%1 cable on %2</source>
        <translation>câble %1 sur %2</translation>
    </message>
    <message>
        <source>USB serial adapter on %1</source>
        <translation>adaptateur série USB sur %1</translation>
    </message>
    <message>
        <source>USB serial adapter (%1) on %2</source>
        <translation>adaptateur série USB (%1) sur %2</translation>
    </message>
    <message>
        <source>Bluetooth serial port on %1</source>
        <translation>port série Bluetooth sur %1</translation>
    </message>
    <message>
        <source>%1 (built-in serial port)</source>
        <translation>%1 (port série intégré)</translation>
    </message>
    <message>
        <source>Problem: %1</source>
        <translation>Problème&#xa0;: %1</translation>
    </message>
    <message>
        <source>Warning: %1</source>
        <translation>Avertissement&#xa0;: %1</translation>
    </message>
    <message>
        <source>Fix: %1</source>
        <translation>Solution&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1: can be used</source>
        <translation>%1&#xa0;: utilisable</translation>
    </message>
    <message>
        <source>%1: cannot be used</source>
        <translation>%1&#xa0;: inutilisable</translation>
    </message>
    <message>
        <source>%1: add your user to the dialout group and log in again</source>
        <translation>%1&#xa0;: ajoutez votre utilisateur au groupe dialout et reconnectez-vous</translation>
    </message>
    <message>
        <source>in use by another program</source>
        <translation>utilisé par un autre programme</translation>
    </message>
    <message>
        <source>no port is chosen: choose one under Setting &gt; Port</source>
        <translation>aucun port n&apos;est choisi&#xa0;: choisissez-en un dans Configuration &gt; Port</translation>
    </message>
    <message>
        <source>not a serial port</source>
        <translation>pas un port série</translation>
    </message>
    <message>
        <source>the radio holds other values for %1 and %2 more.</source>
        <translation>la radio contient d&apos;autres valeurs pour %1 et %2 autres réglages.</translation>
    </message>
    <message>
        <source>the radio holds other values for %1.</source>
        <translation>la radio contient d&apos;autres valeurs pour %1.</translation>
    </message>
    <message>
        <source>there is no home folder to keep it in</source>
        <translation>il n&apos;y a pas de dossier personnel où la conserver</translation>
    </message>
    <message>
        <source>cannot make the folder &quot;%1&quot;: %2</source>
        <translation>impossible de créer le dossier «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot write &quot;%1&quot;: %2</source>
        <translation>impossible d&apos;écrire «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>too many traces within the same second</source>
        <translation>trop de traces dans la même seconde</translation>
    </message>
    <message>
        <source>the transfer broke off at address %1</source>
        <translation>le transfert s&apos;est interrompu à l&apos;adresse %1</translation>
    </message>
    <message>
        <source>Cound not open the port.</source>
        <translation>Impossible d&apos;ouvrir le port.</translation>
    </message>
    <message>
        <source>Cound not open the port</source>
        <translation>Impossible d&apos;ouvrir le port</translation>
    </message>
    <message>
        <source>Could ont open the port</source>
        <translation>Impossible d&apos;ouvrir le port</translation>
    </message>
    <message>
        <source>Communication error</source>
        <translation>Erreur de communication</translation>
    </message>
    <message>
        <source>Read successfully</source>
        <translation>Lecture réussie</translation>
    </message>
    <message>
        <source>Write successfully</source>
        <translation>Écriture réussie</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Réussite</translation>
    </message>
    <message>
        <source>Verify failed</source>
        <translation>Échec de la vérification</translation>
    </message>
    <message>
        <source>Written and verified, except the 24-byte closing block, which the radio does not send back</source>
        <translation>Écrit et vérifié, sauf le bloc de clôture de 24 octets, que la radio ne renvoie pas</translation>
    </message>
    <message>
        <source>Write again before using the radio.</source>
        <translation>Réécrivez la radio avant de l&apos;utiliser.</translation>
    </message>
    <message>
        <source>The write was completed; the read-back broke off while verifying.</source>
        <translation>L&apos;écriture s&apos;est terminée&#xa0;; la relecture s&apos;est interrompue pendant la vérification.</translation>
    </message>
    <message>
        <source>The write was completed; checking it was stopped before the end.</source>
        <translation>L&apos;écriture s&apos;est terminée&#xa0;; sa vérification a été arrêtée avant la fin.</translation>
    </message>
    <message>
        <source>no answer from the radio: is it switched on and the cable plugged in?</source>
        <translation>pas de réponse de la radio&#xa0;: est-elle allumée et le câble est-il branché&#xa0;?</translation>
    </message>
    <message>
        <source>the radio did not answer the wake-up with &apos;A&apos;</source>
        <translation>la radio n&apos;a pas répondu «&#xa0;A&#xa0;» au réveil</translation>
    </message>
    <message>
        <source>the radio&apos;s identity block was cut short</source>
        <translation>le bloc d&apos;identité de la radio a été tronqué</translation>
    </message>
    <message>
        <source>the radio did not confirm the opening exchange</source>
        <translation>la radio n&apos;a pas confirmé l&apos;échange d&apos;ouverture</translation>
    </message>
    <message>
        <source>The radio may now hold a partly written configuration: write it again before using it.</source>
        <translation>La radio contient peut-être maintenant une configuration partiellement écrite&#xa0;: réécrivez-la avant de l&apos;utiliser.</translation>
    </message>
    <message>
        <source>The wire trace was not kept: %1</source>
        <translation>La trace des échanges n&apos;a pas été conservée&#xa0;: %1</translation>
    </message>
    <message>
        <source>The wire trace was not written: %1</source>
        <translation>La trace des échanges n&apos;a pas été écrite&#xa0;: %1</translation>
    </message>
    <message>
        <source>Wire trace: %1</source>
        <translation>Trace des échanges&#xa0;: %1</translation>
    </message>
    <message>
        <source>cannot open a pseudo-terminal</source>
        <translation>impossible d&apos;ouvrir un pseudo-terminal</translation>
    </message>
    <message>
        <source>cannot set up the pseudo-terminal</source>
        <translation>impossible de configurer le pseudo-terminal</translation>
    </message>
    <message>
        <source>cannot open %1</source>
        <translation>impossible d&apos;ouvrir %1</translation>
    </message>
    <message>
        <source>cannot watch %1</source>
        <translation>impossible de surveiller %1</translation>
    </message>
    <message>
        <source>cannot create a pipe</source>
        <translation>impossible de créer un tube</translation>
    </message>
</context>
<context>
    <name>reference</name>
    <message>
        <source>%1, rows 1 to %2</source>
        <translation>%1, lignes 1 à %2</translation>
    </message>
    <message>
        <source>%1 %2 to %3</source>
        <translation>%1 %2 à %3</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>not shown</source>
        <translation>non affiché</translation>
    </message>
    <message>
        <source>(factory)</source>
        <translation>(usine)</translation>
    </message>
    <message>
        <source>Settings reference</source>
        <translation>Référence des réglages</translation>
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
        <translation>&lt;p&gt;Tous les réglages de la fenêtre et des boîtes de dialogue, avec leur effet sur la radio,
regroupés par boîte de dialogue et par page. Les noms en &lt;code&gt;code&lt;/code&gt; sont les clés qu&apos;utilisent
&lt;code&gt;dpmrtool get&lt;/code&gt;, &lt;code&gt;dpmrtool set&lt;/code&gt; et le codeplug YAML
(&lt;code&gt;channelN&lt;/code&gt; désigne &lt;code&gt;channel1&lt;/code&gt; à &lt;code&gt;channel16&lt;/code&gt;).
Un réglage marqué &lt;i&gt;non affiché&lt;/i&gt; n&apos;a pas de commande dans sa boîte de dialogue&#xa0;: le programme le conserve
tel que la radio l&apos;a enregistré. &lt;i&gt;(usine)&lt;/i&gt; signale les boîtes de dialogue de réglage
et d&apos;étalonnage d&apos;usine de la radio.&lt;/p&gt;
</translation>
    </message>
</context>
<context>
    <name>report</name>
    <message>
        <source>version and build, OS, kernel, Qt</source>
        <translation>version et compilation, système d&apos;exploitation, noyau, Qt</translation>
    </message>
    <message>
        <source>the connection doctor&apos;s findings for every port</source>
        <translation>les constats du diagnostic de connexion pour chaque port</translation>
    </message>
    <message>
        <source>the settings file %1</source>
        <translation>le fichier de réglages %1</translation>
    </message>
    <message>
        <source>the list of backups (names only, not the files)</source>
        <translation>la liste des sauvegardes (noms seulement, pas les fichiers)</translation>
    </message>
    <message>
        <source>a wire trace of a transfer, the radio&apos;s identity blanked</source>
        <translation>une trace des échanges d&apos;un transfert, sans l&apos;identité de la radio</translation>
    </message>
    <message>
        <source>the open configuration, its radio ID, name, contacts and codes replaced</source>
        <translation>la configuration ouverte, avec ID radio, nom, contacts et codes remplacés</translation>
    </message>
    <message>
        <source>%1 (%2 bytes): %3</source>
        <translation>%1 (%2 octets)&#xa0;: %3</translation>
    </message>
</context>
<context>
    <name>service</name>
    <message>
        <source>The band has %1 points; the radio keeps %2 squelch values, so only %3 to %4 MHz are shown.</source>
        <translation>La bande a %1 points&#xa0;; la radio conserve %2 valeurs de squelch, seules les fréquences de %3 à %4 MHz sont donc affichées.</translation>
    </message>
</context>
<context>
    <name>util</name>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>line %1, column %2: the byte %3 is not UTF-8 text: save the file as UTF-8</source>
        <translation>ligne %1, colonne %2&#xa0;: l&apos;octet %3 n&apos;est pas du texte UTF-8&#xa0;: enregistrez le fichier en UTF-8</translation>
    </message>
    <message>
        <source>a quoted field is not closed</source>
        <translation>un champ entre guillemets n&apos;est pas fermé</translation>
    </message>
    <message>
        <source>text after the closing quote of a field</source>
        <translation>texte après le guillemet fermant d&apos;un champ</translation>
    </message>
    <message>
        <source>a quote inside a field that does not start with one</source>
        <translation>un guillemet dans un champ qui ne commence pas par un guillemet</translation>
    </message>
    <message>
        <source>the first line must be %1</source>
        <translation>la première ligne doit être %1</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2.</source>
        <translation>Impossible d&apos;ouvrir «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: it is a folder.</source>
        <translation>Impossible d&apos;ouvrir «&#xa0;%1&#xa0;»&#xa0;: c&apos;est un dossier.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: it is not a regular file.</source>
        <translation>Impossible d&apos;ouvrir «&#xa0;%1&#xa0;»&#xa0;: ce n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2.</source>
        <translation>Impossible de lire «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Cannot save &quot;%1&quot;: %2</source>
        <translation>Impossible d&apos;enregistrer «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot save: no file name given.</source>
        <translation>Impossible d&apos;enregistrer&#xa0;: aucun nom de fichier donné.</translation>
    </message>
    <message>
        <source>it is a folder.</source>
        <translation>c&apos;est un dossier.</translation>
    </message>
    <message>
        <source>it is not a regular file (a device or a pipe).</source>
        <translation>ce n&apos;est pas un fichier ordinaire (un périphérique ou un tube).</translation>
    </message>
    <message>
        <source>%1: line %2, column %3: larger than 1 MiB, no %4 file</source>
        <translation>%1&#xa0;: ligne %2, colonne %3&#xa0;: plus de 1 Mio, ce n&apos;est pas un fichier %4</translation>
    </message>
</context>
</TS>
