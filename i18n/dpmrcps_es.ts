<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Action</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>Crea un documento nuevo</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>A&amp;brir...</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>Abre un documento existente</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Open &amp;Backup...</source>
        <translation>Abrir copia de &amp;seguridad...</translation>
    </message>
    <message>
        <source>Open a copy kept by an earlier Read or Write</source>
        <translation>Abre una copia guardada por una lectura o una escritura anterior</translation>
    </message>
    <message>
        <source>Open Backup</source>
        <translation>Abrir copia de seguridad</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>Guarda el documento activo</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar c&amp;omo...</translation>
    </message>
    <message>
        <source>Save the active document with a new name</source>
        <translation>Guarda el documento activo con un nombre nuevo</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Expor&amp;t...</source>
        <translation>E&amp;xportar...</translation>
    </message>
    <message>
        <source>Write the whole configuration to a readable YAML file</source>
        <translation>Escribe toda la configuración en un archivo YAML legible</translation>
    </message>
    <message>
        <source>I&amp;mport...</source>
        <translation>I&amp;mportar...</translation>
    </message>
    <message>
        <source>Open a YAML file written by Export as a new document</source>
        <translation>Abre como documento nuevo un archivo YAML escrito por Exportar</translation>
    </message>
    <message>
        <source>Export &amp;Channels as CSV...</source>
        <translation>Expor&amp;tar canales a CSV...</translation>
    </message>
    <message>
        <source>Write the channels to a CSV file in CHIRP&apos;s format</source>
        <translation>Escribe los canales en un archivo CSV con el formato de CHIRP</translation>
    </message>
    <message>
        <source>Import C&amp;hannels from CSV...</source>
        <translation>Importar canales &amp;desde CSV...</translation>
    </message>
    <message>
        <source>Set channels from a CSV file in CHIRP&apos;s format</source>
        <translation>Ajusta los canales desde un archivo CSV con el formato de CHIRP</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>Print the active document</source>
        <translation>Imprime el documento activo</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Vista p&amp;revia de impresión</translation>
    </message>
    <message>
        <source>Display full pages</source>
        <translation>Muestra páginas completas</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Vista previa de impresión</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Con&amp;figurar impresión...</translation>
    </message>
    <message>
        <source>Change the printer and printing options</source>
        <translation>Cambia la impresora y las opciones de impresión</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Configurar impresión</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sa&amp;lir</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents</source>
        <translation>Cierra la aplicación; pregunta si desea guardar los documentos</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>Take back the last change</source>
        <translation>Anula el último cambio</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Make the change taken back last again</source>
        <translation>Vuelve a aplicar el último cambio anulado</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>C&amp;opiar</translation>
    </message>
    <message>
        <source>Copy the selected channels</source>
        <translation>Copia los canales seleccionados</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Pe&amp;gar</translation>
    </message>
    <message>
        <source>Paste channels from the current row down</source>
        <translation>Pega canales desde la fila actual hacia abajo</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Appl&amp;y to Selected Channels</source>
        <translation>Apl&amp;icar a los canales seleccionados</translation>
    </message>
    <message>
        <source>Set the current cell&apos;s tone, power, scan, bandwidth or channel type for every selected channel</source>
        <translation>Da el tono, la potencia, el escaneo, el ancho de banda o el tipo de canal de la celda actual a todos los canales seleccionados</translation>
    </message>
    <message>
        <source>Apply to Selected Channels</source>
        <translation>Aplicar a los canales seleccionados</translation>
    </message>
    <message>
        <source>&amp;Fill Channels...</source>
        <translation>Rellenar ca&amp;nales...</translation>
    </message>
    <message>
        <source>Fill the selected channels, or all 16, with the PMR446 or dPMR446 channels</source>
        <translation>Rellena los canales seleccionados, o los 16, con los canales PMR446 o dPMR446</translation>
    </message>
    <message>
        <source>Fill Channels</source>
        <translation>Rellenar canales</translation>
    </message>
    <message>
        <source>&amp;Scan Info</source>
        <translation>Datos de e&amp;scaneo</translation>
    </message>
    <message>
        <source>Edit the scan settings</source>
        <translation>Edita los ajustes de escaneo</translation>
    </message>
    <message>
        <source>&amp;Basic setting</source>
        <translation>Ajustes &amp;básicos</translation>
    </message>
    <message>
        <source>Edit the basic settings</source>
        <translation>Edita los ajustes básicos</translation>
    </message>
    <message>
        <source>&amp;Alarm</source>
        <translation>A&amp;larma</translation>
    </message>
    <message>
        <source>Edit the alarm settings</source>
        <translation>Edita los ajustes de alarma</translation>
    </message>
    <message>
        <source>&amp;DTMF</source>
        <translation>D&amp;TMF</translation>
    </message>
    <message>
        <source>Edit the DTMF settings</source>
        <translation>Edita los ajustes DTMF</translation>
    </message>
    <message>
        <source>dP&amp;MR</source>
        <translation>dP&amp;MR</translation>
    </message>
    <message>
        <source>Edit the dPMR parameters</source>
        <translation>Edita los parámetros dPMR</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>&amp;Leer</translation>
    </message>
    <message>
        <source>Read Data From Radio</source>
        <translation>Lee los datos de la radio</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Leer</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>E&amp;scribir</translation>
    </message>
    <message>
        <source>Write Data to Radio </source>
        <translation>Escribe los datos en la radio</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Escribir</translation>
    </message>
    <message>
        <source>Write to &amp;Several Radios...</source>
        <translation>Escribir en varias &amp;radios...</translation>
    </message>
    <message>
        <source>Write this configuration to several radios at once, each with its own ID</source>
        <translation>Escribe esta configuración en varias radios a la vez, cada una con su propio ID</translation>
    </message>
    <message>
        <source>Write to Several Radios</source>
        <translation>Escribir en varias radios</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>Barra de &amp;herramientas</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>Muestra u oculta la barra de herramientas</translation>
    </message>
    <message>
        <source>Toggle ToolBar</source>
        <translation>Mostrar/ocultar barra de herramientas</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barra de e&amp;stado</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Muestra u oculta la barra de estado</translation>
    </message>
    <message>
        <source>Toggle StatusBar</source>
        <translation>Mostrar/ocultar barra de estado</translation>
    </message>
    <message>
        <source>&amp;Port</source>
        <translation>Pue&amp;rto</translation>
    </message>
    <message>
        <source>Choose the serial port of the radio</source>
        <translation>Elige el puerto serie de la radio</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Guía del usuario</translation>
    </message>
    <message>
        <source>Open the guide to a first Read, editing, Save and Write</source>
        <translation>Abre la guía de una primera lectura, la edición, el guardado y la escritura</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Guía del usuario</translation>
    </message>
    <message>
        <source>&amp;Report a Problem...</source>
        <translation>&amp;Informar de un problema...</translation>
    </message>
    <message>
        <source>Gather what is needed to look into a problem into one file to attach; nothing is sent</source>
        <translation>Reúne en un archivo para adjuntar lo necesario para estudiar un problema; no se envía nada</translation>
    </message>
    <message>
        <source>Report a Problem</source>
        <translation>Informar de un problema</translation>
    </message>
    <message>
        <source>&amp;About ...</source>
        <translation>Acerca &amp;de...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Muestra la información del programa, el número de versión y el copyright</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>&amp;Program</source>
        <translation>&amp;Programar</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Setting</source>
        <translation>&amp;Configuración</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Home page:</source>
        <translation>Página web:</translation>
    </message>
    <message>
        <source>Report a problem:</source>
        <translation>Informar de un problema:</translation>
    </message>
</context>
<context>
    <name>CChannelClipboard</name>
    <message>
        <source>Copied channel %1</source>
        <translation>Canal %1 copiado</translation>
    </message>
    <message>
        <source>Copied channels %1-%2</source>
        <translation>Canales %1-%2 copiados</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Nothing pasted</source>
        <translation>No se ha pegado nada</translation>
    </message>
    <message>
        <source>Pasted channel %1</source>
        <translation>Canal %1 pegado</translation>
    </message>
    <message>
        <source>Pasted channels %1-%2</source>
        <translation>Canales %1-%2 pegados</translation>
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
        <translation>Archivos CSV (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Export Channels as CSV</source>
        <translation>Exportar canales a CSV</translation>
    </message>
    <message>
        <source>Import Channels from CSV</source>
        <translation>Importar canales desde CSV</translation>
    </message>
    <message>
        <source>Exported the channels to %1</source>
        <translation>Canales exportados a %1</translation>
    </message>
    <message>
        <source>Cannot import %1.</source>
        <translation>No se puede importar %1.</translation>
    </message>
    <message>
        <source>No channel was changed.</source>
        <translation>No se ha cambiado ningún canal.</translation>
    </message>
    <message>
        <source>Imported 1 channel from %1</source>
        <translation>1 canal importado de %1</translation>
    </message>
    <message>
        <source>Imported %1 channels from %2</source>
        <translation>%1 canales importados de %2</translation>
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
        <translation>Los cambios de Código color Rx y Tx, Contacto Tx y Lista Rx de grupos del canal %1 se aplican también a %2.</translation>
    </message>
    <message>
        <source>Channel edit</source>
        <translation>Editar canal</translation>
    </message>
    <message>
        <source>Channel edit.</source>
        <translation>Editar canal.</translation>
    </message>
</context>
<context>
    <name>CChannelEditDlg</name>
    <message>
        <source>Next channel</source>
        <translation>Canal siguiente</translation>
    </message>
    <message>
        <source>Previous channel</source>
        <translation>Canal anterior</translation>
    </message>
    <message>
        <source>Analog</source>
        <translation>Analógico</translation>
    </message>
    <message>
        <source>Digit</source>
        <translation>Digital</translation>
    </message>
    <message>
        <source>Call 1</source>
        <translation>Llamada 1</translation>
    </message>
    <message>
        <source>Call 2</source>
        <translation>Llamada 2</translation>
    </message>
</context>
<context>
    <name>CCodeplugCommands</name>
    <message>
        <source>Codeplug (*.yaml *.yml);;All Files (*)</source>
        <translation>Codeplug (*.yaml *.yml);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Exported %1</source>
        <translation>%1 exportado</translation>
    </message>
    <message>
        <source>Cannot import %1:
%2</source>
        <translation>No se puede importar %1:
%2</translation>
    </message>
    <message>
        <source>Imported %1</source>
        <translation>%1 importado</translation>
    </message>
    <message>
        <source>Imported %1: %2 value(s) stored other than written.</source>
        <translation>%1 importado: %2 valor(es) guardado(s) de forma distinta a como estaba(n) escrito(s).</translation>
    </message>
</context>
<context>
    <name>CContactPage</name>
    <message>
        <source>Contacts</source>
        <translation>Contactos</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insertar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
</context>
<context>
    <name>CDocumentController</name>
    <message>
        <source>*.dat (*.dat);;All Files (*)</source>
        <translation>*.dat (*.dat);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Untitled (read from the radio)</source>
        <translation>Sin título (leído de la radio)</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Leer</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Recargar</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>%1 abierto</translation>
    </message>
    <message>
        <source>Opened %1.%2</source>
        <translation>%1 abierto.%2</translation>
    </message>
    <message>
        <source>Opened the backup %1; Save asks for a new name</source>
        <translation>Copia de seguridad %1 abierta; Guardar pedirá un nombre nuevo</translation>
    </message>
    <message>
        <source>%1 no longer exists; it was removed from the recent files.</source>
        <translation>%1 ya no existe; se ha quitado de los archivos recientes.</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 guardado</translation>
    </message>
    <message>
        <source>Saved %1.%2</source>
        <translation>%1 guardado.%2</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Reloaded %1</source>
        <translation>%1 recargado</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
</context>
<context>
    <name>CDtmfContactPage</name>
    <message>
        <source>No.</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Código</translation>
    </message>
    <message>
        <source>DTMF codes</source>
        <translation>Códigos DTMF</translation>
    </message>
</context>
<context>
    <name>CFillChannelsDlg</name>
    <message>
        <source>Fill Channels</source>
        <translation>Rellenar canales</translation>
    </message>
    <message>
        <source>&amp;All 16 channels</source>
        <translation>&amp;Los 16 canales</translation>
    </message>
    <message>
        <source>%1 (%2 channels, %3 kHz apart)</source>
        <translation>%1 (%2 canales separados %3 kHz)</translation>
    </message>
    <message>
        <source>&amp;Selected %1</source>
        <translation>&amp;Selección: %1</translation>
    </message>
    <message>
        <source>&amp;Selected channels (select two or more first)</source>
        <translation>&amp;Selección (seleccione antes dos canales o más)</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>The same on every channel</source>
        <translation>El mismo en todos los canales</translation>
    </message>
    <message>
        <source>One per channel, rising</source>
        <translation>Uno por canal, ascendente</translation>
    </message>
    <message>
        <source>To&amp;ne:</source>
        <translation>To&amp;no:</translation>
    </message>
    <message>
        <source>&amp;Plan:</source>
        <translation>&amp;Plan:</translation>
    </message>
    <message>
        <source>&amp;First plan channel:</source>
        <translation>P&amp;rimer canal del plan:</translation>
    </message>
    <message>
        <source>Fill:</source>
        <translation>Rellenar:</translation>
    </message>
    <message>
        <source>CTCSS &amp;tones:</source>
        <translation>&amp;Tonos CTCSS:</translation>
    </message>
    <message>
        <source>%1 to %2 MHz</source>
        <translation>%1 a %2 MHz</translation>
    </message>
    <message>
        <source>%1 will stay unchanged: %2 ends at channel %3</source>
        <translation>%1: sin cambios, %2 termina en el canal %3</translation>
    </message>
</context>
<context>
    <name>CFleetIdentityBox</name>
    <message>
        <source>Each radio</source>
        <translation>Cada radio</translation>
    </message>
    <message>
        <source>e.g. 1000001</source>
        <translation>p. ej. 1000001</translation>
    </message>
    <message>
        <source>Unit {n}, or {id:4} for the ID&apos;s last 4 digits</source>
        <translation>Unidad {n}, o {id:4} para los 4 últimos dígitos del ID</translation>
    </message>
    <message>
        <source>{n}: the radio&apos;s number in the list of ticked ports; {id}: its 7-digit ID; {id:4}: the ID&apos;s last 4 digits. Cut to the radio&apos;s 8 characters.</source>
        <translation>{n}: el número de la radio en la lista de puertos marcados; {id}: su ID de 7 dígitos; {id:4}: los 4 últimos dígitos del ID. Se recorta a los 8 caracteres de la radio.</translation>
    </message>
    <message>
        <source>Keep each radio&apos;s identity</source>
        <translation>Conservar la identidad de cada radio</translation>
    </message>
    <message>
        <source>Read each radio first and write the new configuration with its own ID and name</source>
        <translation>Lee primero cada radio y escribe la nueva configuración con su propio ID y su nombre</translation>
    </message>
    <message>
        <source>Verify after writing</source>
        <translation>Verificar tras escribir</translation>
    </message>
    <message>
        <source>Copy this file&apos;s squelch calibration to every radio</source>
        <translation>Copiar a todas las radios la calibración del silenciador de este archivo</translation>
    </message>
    <message>
        <source>Off: each radio keeps the squelch calibration the factory set for it (read first, written back unchanged)</source>
        <translation>Desactivado: cada radio conserva la calibración del silenciador que le ajustó la fábrica (se lee primero y se vuelve a escribir sin cambios)</translation>
    </message>
    <message>
        <source>One cable: the list&apos;s radios one after another on one port</source>
        <translation>Un solo cable: las radios de la lista, una tras otra, en un mismo puerto</translation>
    </message>
    <message>
        <source>Tick the one port; each radio of the imported list is written in turn, and the dialog asks for the next radio (Space or Enter)</source>
        <translation>Marque el único puerto; las radios de la lista importada se escriben una tras otra, y el diálogo pide la siguiente radio (Espacio o Intro)</translation>
    </message>
    <message>
        <source>First radio ID:</source>
        <translation>ID de la primera radio:</translation>
    </message>
    <message>
        <source>ID step:</source>
        <translation>Incremento de ID:</translation>
    </message>
    <message>
        <source>Name pattern:</source>
        <translation>Patrón de nombre:</translation>
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
        <translation>Puerto</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Radio ID</source>
        <translation>ID de radio</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>unplugged</source>
        <translation>desconectado</translation>
    </message>
</context>
<context>
    <name>CFleetSummaryTable</name>
    <message>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>Radio ID</source>
        <translation>ID de radio</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Verif.</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Segundos</translation>
    </message>
</context>
<context>
    <name>CFleetWriteDlg</name>
    <message>
        <source>Write to Several Radios</source>
        <translation>Escribir en varias radios</translation>
    </message>
    <message>
        <source>Radios (one per port, all written at the same time), each with its ID and name:</source>
        <translation>Radios (una por puerto, todas escritas a la vez), cada una con su ID y su nombre:</translation>
    </message>
    <message>
        <source>/dev/ttyUSB1 or a virtual radio&apos;s /dev/pts/N</source>
        <translation>/dev/ttyUSB1 o el /dev/pts/N de una radio virtual</translation>
    </message>
    <message>
        <source>Port to add</source>
        <translation>Puerto que añadir</translation>
    </message>
    <message>
        <source>Add Port</source>
        <translation>Añadir puerto</translation>
    </message>
    <message>
        <source>Import list...</source>
        <translation>Importar lista...</translation>
    </message>
    <message>
        <source>The customer&apos;s list: one row a radio with its name, dPMR ID and, optionally, its port; from a CSV file, or the rows copied in a spreadsheet</source>
        <translation>La lista del cliente: una fila por radio con su nombre, su ID dPMR y, opcionalmente, su puerto; desde un archivo CSV o desde filas copiadas de una hoja de cálculo</translation>
    </message>
    <message>
        <source>From a CSV File...</source>
        <translation>Desde un archivo CSV...</translation>
    </message>
    <message>
        <source>Paste from the Clipboard</source>
        <translation>Pegar del portapapeles</translation>
    </message>
    <message>
        <source>Session log</source>
        <translation>Registro de sesión</translation>
    </message>
    <message>
        <source>Every run and retry of this session is logged here.</source>
        <translation>Aquí se registra cada ejecución y cada reintento de esta sesión.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Next Radio</source>
        <translation>Radio siguiente</translation>
    </message>
    <message>
        <source>Retry Failed</source>
        <translation>Reintentar fallidas</translation>
    </message>
    <message>
        <source>Save Report...</source>
        <translation>Guardar informe...</translation>
    </message>
    <message>
        <source>Print Report...</source>
        <translation>Imprimir informe...</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>added by hand</source>
        <translation>añadido a mano</translation>
    </message>
    <message>
        <source>%1 takes line %2 of the list</source>
        <translation>%1 toma la línea %2 de la lista</translation>
    </message>
    <message>
        <source>The list was not taken from %1: %2.</source>
        <translation>No se ha tomado la lista desde %1: %2.</translation>
    </message>
    <message>
        <source>named in the list</source>
        <translation>indicado en la lista</translation>
    </message>
    <message>
        <source>%1 radios from %2.</source>
        <translation>%1 radios desde %2.</translation>
    </message>
    <message>
        <source>
No port for %1 yet: plug in another cable, or write them with &quot;One cable&quot;.</source>
        <translation>
Todavía no hay puerto para %1: conecte otro cable, o escríbalas con «Un solo cable».</translation>
    </message>
    <message>
        <source>Imported %1 rows from %2</source>
        <translation>%1 filas importadas desde %2</translation>
    </message>
    <message>
        <source>Import List</source>
        <translation>Importar lista</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;Text files (*.txt);;All Files (*)</source>
        <translation>Archivos CSV (*.csv);;Archivos de texto (*.txt);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>The list was not read: %1.</source>
        <translation>No se ha leído la lista: %1.</translation>
    </message>
    <message>
        <source>the clipboard</source>
        <translation>el portapapeles</translation>
    </message>
    <message>
        <source>Nothing was sent: %1.</source>
        <translation>No se ha enviado nada: %1.</translation>
    </message>
    <message>
        <source>Nothing was sent: %1 of the list have no radio: plug in another cable or tick another port.</source>
        <translation>No se ha enviado nada: %1 de la lista no tienen radio: conecte otro cable o marque otro puerto.</translation>
    </message>
    <message>
        <source>Nothing was sent:
%1</source>
        <translation>No se ha enviado nada:
%1</translation>
    </message>
    <message>
        <source>Write the radios all the same?</source>
        <translation>¿Escribir las radios de todos modos?</translation>
    </message>
    <message>
        <source>Nothing was sent.</source>
        <translation>No se ha enviado nada.</translation>
    </message>
    <message>
        <source>The backups could not be looked through for IDs given before.</source>
        <translation>No se han podido revisar las copias de seguridad en busca de ID ya asignados.</translation>
    </message>
    <message>
        <source>Tick the ports of the radios to write.</source>
        <translation>Marque los puertos de las radios que desea escribir.</translation>
    </message>
    <message>
        <source>Every radio keeps the file&apos;s name &quot;%1&quot;.</source>
        <translation>Todas las radios reciben el nombre de radio de este archivo, «%1».</translation>
    </message>
    <message>
        <source>Start: %1 radio(s), verify</source>
        <translation>Inicio: %1 radio(s), con verificación</translation>
    </message>
    <message>
        <source>Start: %1 radio(s)</source>
        <translation>Inicio: %1 radio(s)</translation>
    </message>
    <message>
        <source>One cable: tick the one port the radios are put on.</source>
        <translation>Un solo cable: marque el único puerto en el que se conectan las radios.</translation>
    </message>
    <message>
        <source>One cable: import the list of radios first (&quot;Import list...&quot;).</source>
        <translation>Un solo cable: importe antes la lista de radios («Importar lista...»).</translation>
    </message>
    <message>
        <source>One cable on %1: %2 radios</source>
        <translation>Un solo cable en %1: %2 radios</translation>
    </message>
    <message>
        <source>Radio %1 got %2 &quot;%3&quot;: %4.
</source>
        <translation>La radio %1 ha recibido %2 «%3»: %4.
</translation>
    </message>
    <message>
        <source>The list is done: %1 of %2 radios written.</source>
        <translation>Lista terminada: %1 de %2 radios escritas.</translation>
    </message>
    <message>
        <source>Next: put radio %1 of %2 on the cable (ID %3, &quot;%4&quot;) and press Space or Enter.</source>
        <translation>Siguiente: conecte al cable la radio %1 de %2 (ID %3, «%4») y pulse Espacio o Intro.</translation>
    </message>
    <message>
        <source>Again: put radio %1 of %2 on the cable (ID %3, &quot;%4&quot;) and press Space or Enter.</source>
        <translation>Otra vez: conecte al cable la radio %1 de %2 (ID %3, «%4») y pulse Espacio o Intro.</translation>
    </message>
    <message>
        <source>Radio %1 of %2 on the cable</source>
        <translation>Radio %1 de %2 en el cable</translation>
    </message>
    <message>
        <source>Retry: %1 radio(s)</source>
        <translation>Reintento: %1 radio(s)</translation>
    </message>
    <message>
        <source>%1: %2 &quot;%3&quot;: %4</source>
        <translation>%1: %2 «%3»: %4</translation>
    </message>
    <message>
        <source>%1: %2 &quot;%3&quot;: %4, verify %5</source>
        <translation>%1: %2 «%3»: %4, verificación %5</translation>
    </message>
    <message>
        <source>May hold a partly written configuration: %1</source>
        <translation>Pueden contener una configuración escrita a medias: %1</translation>
    </message>
    <message>
        <source>%1 of %2 radios written.</source>
        <translation>%1 de %2 radios escritas.</translation>
    </message>
    <message>
        <source>These radios may now hold a partly written configuration: write them again before using them: %1</source>
        <translation>Estas radios pueden contener ahora una configuración escrita a medias; vuelva a escribirlas antes de usarlas: %1</translation>
    </message>
    <message>
        <source>
Stopped before the end of the list.</source>
        <translation>
Detenido antes del final de la lista.</translation>
    </message>
    <message>
        <source>One cable: stopped before the end of the list</source>
        <translation>Un solo cable: detenido antes del final de la lista</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Guardar informe</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All Files (*)</source>
        <translation>Archivos CSV (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>The report was not saved.
%1</source>
        <translation>No se ha guardado el informe.
%1</translation>
    </message>
    <message>
        <source>
Report saved to %1</source>
        <translation>
Informe guardado en %1</translation>
    </message>
    <message>
        <source>Report saved to %1</source>
        <translation>Informe guardado en %1</translation>
    </message>
    <message>
        <source>Radios are being written. Stop every transfer and close?</source>
        <translation>Se están escribiendo radios. ¿Detener todas las transferencias y cerrar?</translation>
    </message>
    <message>
        <source>A radio stopped in the middle of its write holds a partly written configuration and is to be written again.</source>
        <translation>Una radio detenida en mitad de su escritura contiene una configuración escrita a medias y debe volver a escribirse.</translation>
    </message>
    <message>
        <source>Closed during the transfer: every radio stopped</source>
        <translation>Cerrado durante la transferencia: se han detenido todas las radios</translation>
    </message>
</context>
<context>
    <name>CGroupRxListPage</name>
    <message>
        <source>Add &gt;&gt;</source>
        <translation>Añadir &gt;&gt;</translation>
    </message>
    <message>
        <source>Del &lt;&lt;</source>
        <translation>Quitar &lt;&lt;</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Unallocated:</source>
        <translation>No asignados:</translation>
    </message>
    <message>
        <source>Allocated:</source>
        <translation>Asignados:</translation>
    </message>
    <message>
        <source>Group rx lists</source>
        <translation>Listas Rx de grupos</translation>
    </message>
</context>
<context>
    <name>CLanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>The &amp;Desktop&apos;s Language</source>
        <translation>Idioma del e&amp;scritorio</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>The choice of language could not be kept in %1.</source>
        <translation>No se ha podido guardar la elección de idioma en %1.</translation>
    </message>
    <message>
        <source>The language changes the next time dpmrcps starts.</source>
        <translation>El idioma cambiará la próxima vez que se inicie dpmrcps.</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Standard</source>
        <translation>Estándar</translation>
    </message>
    <message>
        <source>Recent &amp;Files</source>
        <translation>Arc&amp;hivos recientes</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>MAYÚS</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>DESPL</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Deshacer: %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rehacer: %1</translation>
    </message>
</context>
<context>
    <name>CPortSettingDlg</name>
    <message>
        <source>Virtual radio (demo)</source>
        <translation>Radio virtual (demo)</translation>
    </message>
    <message>
        <source>Port setting</source>
        <translation>Ajuste del puerto</translation>
    </message>
    <message>
        <source>&amp;Check the connection</source>
        <translation>&amp;Comprobar la conexión</translation>
    </message>
    <message>
        <source>Look for what keeps the program from the radio on this port, and how to fix it</source>
        <translation>Busca qué impide al programa comunicarse con la radio por este puerto, y cómo solucionarlo</translation>
    </message>
    <message>
        <source>&amp;Device:</source>
        <translation>&amp;Dispositivo:</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>%1  (%2)</source>
        <translation>%1  (%2)</translation>
    </message>
    <message>
        <source>%1  (cannot be started)</source>
        <translation>%1  (no se puede iniciar)</translation>
    </message>
    <message>
        <source>Unplugged: %1</source>
        <translation>Desconectado: %1</translation>
    </message>
    <message>
        <source>Plugged in: %1
</source>
        <translation>Conectado: %1
</translation>
    </message>
    <message>
        <source>Choose a port, or type its device path.</source>
        <translation>Elija un puerto o escriba la ruta de su dispositivo.</translation>
    </message>
</context>
<context>
    <name>CProgramView</name>
    <message>
        <source>Freq range</source>
        <translation>Rango de frec.</translation>
    </message>
    <message>
        <source>Channel edit</source>
        <translation>Editar canal</translation>
    </message>
    <message>
        <source>Factroy</source>
        <translation>Fábrica</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canales</translation>
    </message>
    <message>
        <source>Fill Channels</source>
        <translation>Rellenar canales</translation>
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
        <translation>Leer datos</translation>
    </message>
    <message>
        <source>Write data</source>
        <translation>Escribir datos</translation>
    </message>
    <message>
        <source>Connect the radio, switch it on, then press Start.</source>
        <translation>Conecte la radio, enciéndala y pulse Iniciar.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Check the connection</source>
        <translation>Comprobar la conexión</translation>
    </message>
    <message>
        <source>Verify after writing</source>
        <translation>Verificar tras escribir</translation>
    </message>
    <message>
        <source>Keep the radio&apos;s squelch calibration</source>
        <translation>Conservar la calibración del silenciador de la radio</translation>
    </message>
    <message>
        <source>Read the radio&apos;s own squelch calibration first and write it back unchanged, instead of the one in this file (set at the factory for the radio it came from)</source>
        <translation>Lee primero la calibración del silenciador propia de la radio y la vuelve a escribir sin cambios, en lugar de la de este archivo (ajustada en fábrica para la radio de la que procede)</translation>
    </message>
    <message>
        <source>Connecting to the radio...</source>
        <translation>Conectando con la radio...</translation>
    </message>
    <message>
        <source>Ending the session...</source>
        <translation>Terminando la sesión...</translation>
    </message>
    <message>
        <source>Verifying block 0x%1...</source>
        <translation>Verificando el bloque 0x%1...</translation>
    </message>
    <message>
        <source>Writing block 0x%1...</source>
        <translation>Escribiendo el bloque 0x%1...</translation>
    </message>
    <message>
        <source>Reading block 0x%1...</source>
        <translation>Leyendo el bloque 0x%1...</translation>
    </message>
    <message>
        <source>Written. Reading the radio back to verify...</source>
        <translation>Escrito. Releyendo la radio para verificar...</translation>
    </message>
    <message>
        <source>Read from the radio</source>
        <translation>Leído de la radio</translation>
    </message>
    <message>
        <source>Written</source>
        <translation>Escrito</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Detenido.</translation>
    </message>
    <message>
        <source>Stopped: the document is as it was.</source>
        <translation>Detenido: el documento sigue como estaba.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>CRadioCommands</name>
    <message>
        <source>Read from the radio</source>
        <translation>Leído de la radio</translation>
    </message>
    <message>
        <source>Read from the radio. %1</source>
        <translation>Leído de la radio. %1</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... y %1 más</translation>
    </message>
    <message>
        <source>Write anyway?</source>
        <translation>¿Escribir de todos modos?</translation>
    </message>
    <message>
        <source>The radio cannot use this configuration as it stands:

%1</source>
        <translation>La radio no puede usar esta configuración tal como está:

%1</translation>
    </message>
    <message>
        <source>Note before writing:
%1</source>
        <translation>Antes de escribir, tenga en cuenta:
%1</translation>
    </message>
    <message>
        <source>Written to the radio</source>
        <translation>Escrito en la radio</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>Virtual radio %1 (demo)</source>
        <translation>Radio virtual %1 (demo)</translation>
    </message>
    <message>
        <source>the port of Read and Write</source>
        <translation>el puerto de Leer y Escribir</translation>
    </message>
    <message>
        <source>These radios may hold a partly written configuration: %1</source>
        <translation>Estas radios pueden contener una configuración escrita a medias: %1</translation>
    </message>
    <message>
        <source>Wrong service password: squelch calibration not opened</source>
        <translation>Contraseña de servicio incorrecta: no se ha abierto la calibración del silenciador</translation>
    </message>
</context>
<context>
    <name>CReportDlg</name>
    <message>
        <source>Report a Problem</source>
        <translation>Informar de un problema</translation>
    </message>
    <message>
        <source>This gathers what is needed to look into a connection or a transfer that went wrong into one file for you to attach to your report. Nothing is sent anywhere. It holds:</source>
        <translation>Aquí se reúne en un archivo lo necesario para estudiar una conexión o una transferencia que ha fallado, para que lo adjunte a su informe. No se envía nada a ninguna parte. Contiene:</translation>
    </message>
    <message>
        <source>&amp;Include the open configuration (radio ID, radio name, contacts and codes replaced)</source>
        <translation>&amp;Incluir la configuración abierta (con el ID de radio, el nombre de radio, los contactos y los códigos sustituidos)</translation>
    </message>
    <message>
        <source>&amp;Save Report...</source>
        <translation>&amp;Guardar informe...</translation>
    </message>
    <message>
        <source>Saved to %1. Attach this file to your problem report.</source>
        <translation>Guardado en %1. Adjunte este archivo a su informe del problema.</translation>
    </message>
    <message>
        <source>The report was not saved: %1</source>
        <translation>No se ha guardado el informe: %1</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Guardar informe</translation>
    </message>
    <message>
        <source>Report archives (*.tar.gz);;All Files (*)</source>
        <translation>Archivos de informe (*.tar.gz);;Todos los archivos (*)</translation>
    </message>
</context>
<context>
    <name>CServicePasswordDlg</name>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Pwd</source>
        <translation>Clave</translation>
    </message>
</context>
<context>
    <name>CSqlCalibrationPage</name>
    <message>
        <source>Freq</source>
        <translation>Frec.</translation>
    </message>
    <message>
        <source>Sql</source>
        <translation>Sql</translation>
    </message>
    <message>
        <source>The frequency of the band, in MHz, that the row calibrates.</source>
        <translation>La frecuencia de la banda, en MHz, que calibra la fila.</translation>
    </message>
    <message>
        <source>Squelch calibration points</source>
        <translation>Puntos de calibración del silenciador</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Leer</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Escribir</translation>
    </message>
</context>
<context>
    <name>CUserGuideDlg</name>
    <message>
        <source>User Guide</source>
        <translation>Guía del usuario</translation>
    </message>
</context>
<context>
    <name>ChannelTablePrinter</name>
    <message>
        <source>Radio name: %1    Radio id: %2    Freq range: %3</source>
        <translation>Nombre de radio: %1    ID de radio: %2    Rango de frec.: %3</translation>
    </message>
</context>
<context>
    <name>ConnectionCheck</name>
    <message>
        <source>Check the connection</source>
        <translation>Comprobar la conexión</translation>
    </message>
</context>
<context>
    <name>DocumentQuestions</name>
    <message>
        <source> An earlier save of %1 did not finish; the temporary file it left (%2 and %3 more) was removed.</source>
        <translation> Un guardado anterior de %1 no terminó; se han eliminado los archivos temporales que dejó (%2 y %3 más).</translation>
    </message>
    <message>
        <source> An earlier save of %1 did not finish; the temporary file it left (%2) was removed.</source>
        <translation> Un guardado anterior de %1 no terminó; se ha eliminado el archivo temporal que dejó (%2).</translation>
    </message>
    <message>
        <source> %1 itself is whole, as last saved on %2.</source>
        <translation> %1 está íntegro, tal como se guardó por última vez el %2.</translation>
    </message>
    <message>
        <source>Replace the changes made to %1 elsewhere?</source>
        <translation>¿Sustituir los cambios hechos en %1 desde otro lugar?</translation>
    </message>
    <message>
        <source>%1 was changed on disk on %2, by another program or window, since it was opened or saved here. Saving replaces those changes with this document.</source>
        <translation>Otro programa u otra ventana cambió %1 en el disco el %2, después de abrirlo o guardarlo aquí. Al guardar, esos cambios se sustituyen por este documento.</translation>
    </message>
    <message>
        <source>Replace all of %1?</source>
        <translation>¿Sustituir todo %1?</translation>
    </message>
    <message>
        <source>%1 holds %2 bytes, more than a radio image. Saving replaces it with the %3 bytes of this document, and the rest is lost.</source>
        <translation>%1 contiene %2 bytes, más que una imagen de radio. Al guardar, se sustituye por los %3 bytes de este documento, y el resto se pierde.</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Sustituir</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar c&amp;omo...</translation>
    </message>
    <message>
        <source>%1 was changed on disk.</source>
        <translation>%1 ha cambiado en el disco.</translation>
    </message>
    <message>
        <source>Another program or window saved it on %1, after it was opened or saved here, and this document has changes of its own. Reload puts the file&apos;s content here (Undo brings this document back); Keep Mine keeps this document, and Save then replaces the file with it.</source>
        <translation>Otro programa u otra ventana lo guardó el %1, después de abrirlo o guardarlo aquí, y este documento tiene cambios propios. Recargar trae aquí el contenido del archivo (Deshacer recupera este documento); Conservar la mía conserva este documento, y Guardar sustituye después el archivo por él.</translation>
    </message>
    <message>
        <source>Another program or window saved it on %1, after it was opened or saved here. Reload puts the file&apos;s content here (Undo brings this document back); Keep Mine keeps this document, and Save then replaces the file with it.</source>
        <translation>Otro programa u otra ventana lo guardó el %1, después de abrirlo o guardarlo aquí. Recargar trae aquí el contenido del archivo (Deshacer recupera este documento); Conservar la mía conserva este documento, y Guardar sustituye después el archivo por él.</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>&amp;Recargar</translation>
    </message>
    <message>
        <source>&amp;Keep Mine</source>
        <translation>&amp;Conservar la mía</translation>
    </message>
    <message>
        <source>Save changes?</source>
        <translation>¿Guardar los cambios?</translation>
    </message>
    <message>
        <source>The radio data in &quot;%1&quot; has been changed.</source>
        <translation>Los datos de radio de «%1» han cambiado.</translation>
    </message>
</context>
<context>
    <name>Field</name>
    <message>
        <source>Channel table</source>
        <translation>Tabla de canales</translation>
    </message>
    <message>
        <source>The main window&apos;s table: each row one channel&apos;s main settings, edited in place; the Channel edit dialog has them all.</source>
        <translation>La tabla de la ventana principal: cada fila contiene los ajustes principales de un canal, que se editan en la propia celda; el diálogo Editar canal los tiene todos.</translation>
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
        <translation>Señal 1750</translation>
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
        <translation>Un código DTMF de hasta 16 símbolos 0-9, A-D, * y #: un canal envía el código de este número como su Llamada analóg. 1 o 2 (Editar canal &gt; Analógico).</translation>
    </message>
    <message>
        <source>A beep when scanning ends.</source>
        <translation>Un pitido al terminar el escaneo.</translation>
    </message>
    <message>
        <source>A beep when scanning starts.</source>
        <translation>Un pitido al empezar el escaneo.</translation>
    </message>
    <message>
        <source>A channel the radio keeps looking at while it scans, so that a call on it is not missed; None for no priority channel. The list offers the channels that hold a frequency.</source>
        <translation>Un canal que la radio sigue vigilando mientras escanea, para no perder una llamada en él; Ninguno si no hay canal prioritario. La lista ofrece los canales que tienen frecuencia.</translation>
    </message>
    <message>
        <source>A group code of up to 7 symbols 0-9, A-D, * and # (0x390). Only the bytes are known, not what the radio does with them.</source>
        <translation>Un código de grupo de hasta 7 símbolos 0-9, A-D, * y # (0x390). Solo se conocen los bytes, no lo que la radio hace con ellos.</translation>
    </message>
    <message>
        <source>A tone when a digital call&apos;s link ends and the radio returns to its channel.</source>
        <translation>Un tono cuando termina el enlace de una llamada digital y la radio vuelve a su canal.</translation>
    </message>
    <message>
        <source>A tone when a group call is received.</source>
        <translation>Un tono al recibir una llamada de grupo.</translation>
    </message>
    <message>
        <source>A tone when a received transmission ends (a roger beep on reception).</source>
        <translation>Un tono cuando termina una transmisión recibida (un «roger beep» en recepción).</translation>
    </message>
    <message>
        <source>A tone when a single call (a call to this radio alone) is received.</source>
        <translation>Un tono al recibir una llamada individual (una llamada solo a esta radio).</translation>
    </message>
    <message>
        <source>A tone when the radio is switched off.</source>
        <translation>Un tono al apagar la radio.</translation>
    </message>
    <message>
        <source>A tone when the radio is switched on.</source>
        <translation>Un tono al encender la radio.</translation>
    </message>
    <message>
        <source>A tone when the radio sends a call.</source>
        <translation>Un tono cuando la radio envía una llamada.</translation>
    </message>
    <message>
        <source>A warning tone before the radio shuts itself down.</source>
        <translation>Un tono de aviso antes de que la radio se apague sola.</translation>
    </message>
    <message>
        <source>A warning tone when the battery runs low.</source>
        <translation>Un tono de aviso cuando la batería está baja.</translation>
    </message>
    <message>
        <source>ACK reply delay</source>
        <translation>Retardo ACK</translation>
    </message>
    <message>
        <source>ACK reply times</source>
        <translation>Repeticiones ACK</translation>
    </message>
    <message>
        <source>ACK reply wait</source>
        <translation>Espera ACK</translation>
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
        <translation>Código de activación</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Adjustable parameters: the factory levels of the radio&apos;s audio, modulation, receive and DTMF paths (数字: digital channels, 模拟: analog channels). Read them from the radio, change them only with measuring equipment, and write them back.</source>
        <translation>Parámetros ajustables: los niveles de fábrica de las etapas de audio, modulación, recepción y DTMF de la radio (数字: canales digitales, 模拟: canales analógicos). Léalos de la radio, cámbielos solo con instrumentos de medida y vuelva a escribirlos.</translation>
    </message>
    <message>
        <source>After a time-out, the seconds the radio waits before it transmits again when PTT is pressed, 0 to 60.</source>
        <translation>Tras agotarse el TOT, los segundos que la radio espera antes de volver a transmitir al pulsar PTT, de 0 a 60.</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarma</translation>
    </message>
    <message>
        <source>Alarm time (s)</source>
        <translation>Duración alarma (s)</translation>
    </message>
    <message>
        <source>Alarm type</source>
        <translation>Tipo de alarma</translation>
    </message>
    <message>
        <source>Allocated:</source>
        <translation>Asignados:</translation>
    </message>
    <message>
        <source>Allow</source>
        <translation>Permitir</translation>
    </message>
    <message>
        <source>Allow all call</source>
        <translation>Llamada general</translation>
    </message>
    <message>
        <source>Allow: after sending a DTMF call the radio waits for an answer for the Response wait time; Inhibit: it does not wait.</source>
        <translation>Permitir: tras enviar una llamada DTMF, la radio espera una respuesta durante el Tiempo espera resp.; Inhibir: no espera.</translation>
    </message>
    <message>
        <source>Allow: you hear the DTMF tones in the speaker while the radio sends them; Inhibit: they are sent silently.</source>
        <translation>Permitir: oye los tonos DTMF en el altavoz mientras la radio los envía; Inhibir: se envían en silencio.</translation>
    </message>
    <message>
        <source>Analog</source>
        <translation>Analógico</translation>
    </message>
    <message>
        <source>Analog alarm id code</source>
        <translation>ID alarma analógica</translation>
    </message>
    <message>
        <source>Analog call 1</source>
        <translation>Llamada analóg. 1</translation>
    </message>
    <message>
        <source>Analog call 2</source>
        <translation>Llamada analóg. 2</translation>
    </message>
    <message>
        <source>Analog channel width: Wide (25 kHz) or Narrow (12.5 kHz, as PMR446 uses). Radios that talk to each other need the same width.</source>
        <translation>Ancho de canal analógico: Ancha (25 kHz) o Estrecha (12.5 kHz, la de PMR446). Las radios que se comunican entre sí necesitan el mismo ancho.</translation>
    </message>
    <message>
        <source>Analog signalling on this channel: Off, or DTMF (the analog calls and PTTID below).</source>
        <translation>Señalización analógica de este canal: Desactivado, o DTMF (las llamadas analógicas y el PTTID de abajo).</translation>
    </message>
    <message>
        <source>Analog: FM only. Digit: dPMR digital only. Mixed(Digit) and Mixed(Analog): the channel takes both kinds of call and transmits digital or analog respectively.</source>
        <translation>Analógico: solo FM. Digital: solo dPMR digital. Mixto (digital) y Mixto (analóg.): el canal acepta ambos tipos de llamada y transmite en digital o en analógico, respectivamente.</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Auto contact</source>
        <translation>Contacto automático</translation>
    </message>
    <message>
        <source>Auto reset time (s)</source>
        <translation>Reinicio auto. (s)</translation>
    </message>
    <message>
        <source>Automatic contact on this channel, the function set in Alarm &gt; Auto contact.</source>
        <translation>Contacto automático en este canal, la función ajustada en Alarma &gt; Contacto automático.</translation>
    </message>
    <message>
        <source>Automatic contact: allow lets the radio check in by itself at regular times, with the Tx interval and Query interval below; prohibit switches it off. dPMR param &gt; Basic uses the same byte (0x378) for OACSU and Data type: this dialog writes it only when you change this control.</source>
        <translation>Contacto automático: permitir hace que la radio se reporte sola a intervalos regulares, con el Intervalo Tx y el Intervalo consulta de abajo; prohibir la desactiva. Parámetros dPMR &gt; Básico usa el mismo byte (0x378) para OACSU y Tipo de datos: este diálogo solo lo escribe cuando usted cambia este control.</translation>
    </message>
    <message>
        <source>Automatic contact: minutes between its queries, 1 to 10 (a value outside becomes 1). dPMR param &gt; Basic uses the same byte (0x37A) for ACK reply wait: this dialog writes it only when you change this control.</source>
        <translation>Contacto automático: minutos entre sus consultas, de 1 a 10 (un valor fuera de rango pasa a 1). Parámetros dPMR &gt; Básico usa el mismo byte (0x37A) para Espera ACK: este diálogo solo lo escribe cuando usted cambia este control.</translation>
    </message>
    <message>
        <source>Automatic contact: seconds between its transmissions, 10 to 60 in steps of 5 (a typed value is rounded down to a step; a value outside becomes 25). dPMR param &gt; Basic uses the same byte (0x379) for ACK reply delay: this dialog writes it only when you change this control.</source>
        <translation>Contacto automático: segundos entre sus transmisiones, de 10 a 60 en pasos de 5 (un valor escrito se redondea hacia abajo a un paso; un valor fuera de rango pasa a 25). Parámetros dPMR &gt; Básico usa el mismo byte (0x379) para Retardo ACK: este diálogo solo lo escribe cuando usted cambia este control.</translation>
    </message>
    <message>
        <source>Automatic power off: the radio switches itself off after 10 or 30 minutes, 1 or 2 hours without use; Off never does.</source>
        <translation>Apagado automático: la radio se apaga sola tras 10 o 30 minutos, 1 o 2 horas sin uso; con Desactivado no se apaga nunca.</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Backlight</source>
        <translation>Retroiluminación</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Ancho de banda</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>Básico</translation>
    </message>
    <message>
        <source>Basic setting</source>
        <translation>Ajustes básicos</translation>
    </message>
    <message>
        <source>Battery saving while the radio waits for a signal: Off, or a ratio from 1:1 to 1:12. A larger second number lets the receiver sleep longer, saving battery, but the start of a call may be missed. Default 1:10.</source>
        <translation>Ahorro de batería mientras la radio espera una señal: Desactivado, o una relación de 1:1 a 1:12. Cuanto mayor es el segundo número, más tiempo duerme el receptor y más batería ahorra, pero puede perderse el comienzo de una llamada. Por defecto 1:10.</translation>
    </message>
    <message>
        <source>Bit 0 of byte 0x31B, named Shock (a vibrating alert, by its name); kept as stored.</source>
        <translation>Bit 0 del byte 0x31B, llamado Vibración (en inglés «Shock»: por su nombre, un aviso por vibración); se conserva tal como está guardado.</translation>
    </message>
    <message>
        <source>Bit 7 of byte 0x318; what the radio does with it is not known. The channel table sets this bit whenever it stores the channels.</source>
        <translation>Bit 7 del byte 0x318; no se sabe qué hace la radio con él. La tabla de canales activa este bit cada vez que guarda los canales.</translation>
    </message>
    <message>
        <source>Bit 7 of byte 0x31A; what the radio does with it is not known. The channel table sets this bit whenever it stores the channels.</source>
        <translation>Bit 7 del byte 0x31A; no se sabe qué hace la radio con él. La tabla de canales activa este bit cada vez que guarda los canales.</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Ambos</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Ocupado</translation>
    </message>
    <message>
        <source>Busy channel lockout: Carrier keeps the radio from transmitting while a signal is on the channel; Off allows it.</source>
        <translation>Bloqueo de canal ocupado: Portadora impide que la radio transmita mientras haya una señal en el canal; Desactivado lo permite.</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>CTCSS signal gain: the level of the sub-audible CTCSS tone sent with analog transmissions. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Ganancia de señal CTCSS: el nivel del tono subaudible CTCSS que se envía con las transmisiones analógicas. Valor de 16 bits en hexadecimal, de 0000 a FFFF. Ajuste de fábrica: cámbielo solo con instrumentos de medida a mano; solo se transfiere con Leer y Escribir de este mismo diálogo.</translation>
    </message>
    <message>
        <source>CTCSS信号增益</source>
        <translation>CTCSS信号增益</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Llamada</translation>
    </message>
    <message>
        <source>Call 1</source>
        <translation>Llamada 1</translation>
    </message>
    <message>
        <source>Call 2</source>
        <translation>Llamada 2</translation>
    </message>
    <message>
        <source>Call link reset tone</source>
        <translation>Tono fin de enlace</translation>
    </message>
    <message>
        <source>Call out tone</source>
        <translation>Tono llamada saliente</translation>
    </message>
    <message>
        <source>Carrier</source>
        <translation>Portadora</translation>
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
        <translation>Mostrar canal</translation>
    </message>
    <message>
        <source>Channel edit</source>
        <translation>Editar canal</translation>
    </message>
    <message>
        <source>Channel no.</source>
        <translation>N.º canal</translation>
    </message>
    <message>
        <source>Channel type</source>
        <translation>Tipo de canal</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chino</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Código</translation>
    </message>
    <message>
        <source>Codec type</source>
        <translation>Tipo de códec</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contacto</translation>
    </message>
    <message>
        <source>Cycle</source>
        <translation>Ciclos</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>DCS signal gain: the level of the DCS code sent with analog transmissions. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Ganancia de señal DCS: el nivel del código DCS que se envía con las transmisiones analógicas. Valor de 16 bits en hexadecimal, de 0000 a FFFF. Ajuste de fábrica: cámbielo solo con instrumentos de medida a mano; solo se transfiere con Leer y Escribir de este mismo diálogo.</translation>
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
        <translation>Código DTMF enviado al final de una transmisión (Tipo PTTID Al soltar o Ambos), de hasta 16 símbolos 0-9, A-D, * y #.</translation>
    </message>
    <message>
        <source>DTMF code sent at the start of a transmission (PTTID type On line or Both), up to 16 symbols 0-9, A-D, * and #.</source>
        <translation>Código DTMF enviado al comienzo de una transmisión (Tipo PTTID Al pulsar o Ambos), de hasta 16 símbolos 0-9, A-D, * y #.</translation>
    </message>
    <message>
        <source>DTMF encoding amplitude adjustment: the level of the DTMF tones the radio sends. One byte typed in hexadecimal, 00 to FF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Ajuste de amplitud de codificación DTMF: el nivel de los tonos DTMF que envía la radio. Un byte en hexadecimal, de 00 a FF. Ajuste de fábrica: cámbielo solo con instrumentos de medida a mano; solo se transfiere con Leer y Escribir de este mismo diálogo.</translation>
    </message>
    <message>
        <source>DTMF hold time, 0.5 to 2.0 seconds in steps of 0.1. Only the byte and its range are known, not what the radio times with it.</source>
        <translation>Tiempo de retención DTMF, de 0.5 a 2.0 segundos en pasos de 0.1. Solo se conocen el byte y su rango, no lo que la radio temporiza con él.</translation>
    </message>
    <message>
        <source>DTMF编码幅度调节</source>
        <translation>DTMF编码幅度调节</translation>
    </message>
    <message>
        <source>Data type</source>
        <translation>Tipo de datos</translation>
    </message>
    <message>
        <source>Data type 1 or 2 (bits 3 and 4 of 0x378). Only the bits are known, not which data format each number stands for. The Alarm dialog uses the same byte (0x378) for &quot;Auto contact&quot;; it writes the byte only when that control is changed there.</source>
        <translation>Tipo de datos 1 o 2 (bits 3 y 4 de 0x378). Solo se conocen los bits, no qué formato de datos representa cada número. El diálogo Alarma usa el mismo byte (0x378) para «Contacto automático»; solo escribe el byte cuando se cambia allí ese control.</translation>
    </message>
    <message>
        <source>Decode</source>
        <translation>Decodificación</translation>
    </message>
    <message>
        <source>Decode display</source>
        <translation>Mostrar decodificado</translation>
    </message>
    <message>
        <source>Decode response</source>
        <translation>Respuesta decod.</translation>
    </message>
    <message>
        <source>Decoder input gain: the level of the received signal fed to the digital decoder. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Ganancia de entrada del decodificador: el nivel de la señal recibida que entra en el decodificador digital. Valor de 16 bits en hexadecimal, de 0000 a FFFF. Ajuste de fábrica: cámbielo solo con instrumentos de medida a mano; solo se transfiere con Leer y Escribir de este mismo diálogo.</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Delay before the radio transmits, 0.1 to 5.0 seconds. Only the byte and its range are known, not which transmissions the radio delays.</source>
        <translation>Retardo antes de que la radio transmita, de 0.1 a 5.0 segundos. Solo se conocen el byte y su rango, no qué transmisiones retrasa la radio.</translation>
    </message>
    <message>
        <source>Dial access</source>
        <translation>Acceso marcación</translation>
    </message>
    <message>
        <source>Dial access, 0 to 7 (byte 0x398). Only the byte and its range are known, not what the radio does with it.</source>
        <translation>Acceso marcación, de 0 a 7 (byte 0x398). Solo se conocen el byte y su rango, no lo que la radio hace con él.</translation>
    </message>
    <message>
        <source>Digit</source>
        <translation>Digital</translation>
    </message>
    <message>
        <source>Digit alarm id code</source>
        <translation>ID alarma digital</translation>
    </message>
    <message>
        <source>Direct</source>
        <translation>Directo</translation>
    </message>
    <message>
        <source>Direct: digital calls go from radio to radio. Repeat: they go through a dPMR repeater.</source>
        <translation>Directo: las llamadas digitales van de radio a radio. Repetidor: pasan por un repetidor dPMR.</translation>
    </message>
    <message>
        <source>EMI</source>
        <translation>Emergencia</translation>
    </message>
    <message>
        <source>EMI close</source>
        <translation>Fin de emergencia</translation>
    </message>
    <message>
        <source>Encode</source>
        <translation>Codificación</translation>
    </message>
    <message>
        <source>Encrypt</source>
        <translation>Cifrado</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Inglés</translation>
    </message>
    <message>
        <source>Entry delay time (s)</source>
        <translation>Retardo de entrada (s)</translation>
    </message>
    <message>
        <source>Exit delay (s)</source>
        <translation>Retardo de salida (s)</translation>
    </message>
    <message>
        <source>First digit (ms)</source>
        <translation>Primer dígito (ms)</translation>
    </message>
    <message>
        <source>First digit delay (ms)</source>
        <translation>Retardo primer dígito (ms)</translation>
    </message>
    <message>
        <source>Flashlight</source>
        <translation>Linterna</translation>
    </message>
    <message>
        <source>Freq</source>
        <translation>Frec.</translation>
    </message>
    <message>
        <source>Gain of the two modulation signals together, on digital channels. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Ganancia de las dos señales de modulación juntas, en canales digitales. Valor de 16 bits en hexadecimal, de 0000 a FFFF. Ajuste de fábrica: cámbielo solo con instrumentos de medida a mano; solo se transfiere con Leer y Escribir de este mismo diálogo.</translation>
    </message>
    <message>
        <source>Group call</source>
        <translation>Llamada de grupo</translation>
    </message>
    <message>
        <source>Group call code</source>
        <translation>Código llamada grupo</translation>
    </message>
    <message>
        <source>Group call tone</source>
        <translation>Tono llamada de grupo</translation>
    </message>
    <message>
        <source>Group code</source>
        <translation>Código de grupo</translation>
    </message>
    <message>
        <source>Group hold time</source>
        <translation>Retención de grupo</translation>
    </message>
    <message>
        <source>Group rx list</source>
        <translation>Lista Rx de grupos</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Alta</translation>
    </message>
    <message>
        <source>Hihg/Low power</source>
        <translation>Potencia alta/baja</translation>
    </message>
    <message>
        <source>Hold time (s)</source>
        <translation>Tiempo de retención (s)</translation>
    </message>
    <message>
        <source>How fast DTMF digits are sent: 5, 6 or 10 digits a second. Slow down for receivers that miss digits.</source>
        <translation>Velocidad de envío de los dígitos DTMF: 5, 6 o 10 dígitos por segundo. Redúzcala para receptores que pierden dígitos.</translation>
    </message>
    <message>
        <source>How long a side key must be held to count as a long press, 0.5 to 2.5 seconds in steps of 0.1 (a stored value outside shows 1.0).</source>
        <translation>Tiempo que hay que mantener pulsada una tecla lateral para que cuente como pulsación larga, de 0.5 a 2.5 segundos en pasos de 0.1 (un valor guardado fuera de rango se muestra como 1.0).</translation>
    </message>
    <message>
        <source>How long scanning waits after a transmission or a reception ends before it goes on, 0.1 to 5.0 seconds.</source>
        <translation>Tiempo que espera el escaneo tras terminar una transmisión o una recepción antes de continuar, de 0.1 a 5.0 segundos.</translation>
    </message>
    <message>
        <source>How long the alarm lasts, 1 to 255 seconds (a value outside becomes 10).</source>
        <translation>Duración de la alarma, de 1 a 255 segundos (un valor fuera de rango pasa a 10).</translation>
    </message>
    <message>
        <source>How long the radio keeps transmitting after you stop speaking with VOX, 0.1 to 2.0 seconds in steps of 0.1.</source>
        <translation>Tiempo que la radio sigue transmitiendo con VOX después de que deje de hablar, de 0.1 a 2.0 segundos en pasos de 0.1.</translation>
    </message>
    <message>
        <source>How long the radio listens between the alarm&apos;s transmissions, 1 to 255 seconds (a value outside becomes 8).</source>
        <translation>Tiempo que la radio escucha entre las transmisiones de la alarma, de 1 a 255 segundos (un valor fuera de rango pasa a 8).</translation>
    </message>
    <message>
        <source>How long the radio sends carrier before a digital transmission, 0 to 1000 ms in steps of 20 (a typed value is rounded down to a step).</source>
        <translation>Tiempo que la radio emite portadora antes de una transmisión digital, de 0 a 1000 ms en pasos de 20 (un valor escrito se redondea hacia abajo a un paso).</translation>
    </message>
    <message>
        <source>How long the radio stays in a group call after its last transmission, so that an answer goes back to the same group; 0 to 30, in the radio&apos;s own unit (not known to this program).</source>
        <translation>Tiempo que la radio permanece en una llamada de grupo tras su última transmisión, para que una respuesta vuelva al mismo grupo; de 0 a 30, en la unidad propia de la radio (que este programa desconoce).</translation>
    </message>
    <message>
        <source>How long the radio stays in a single call after its last transmission, so that an answer goes back to the same radio; 0 to 30, in the radio&apos;s own unit (not known to this program).</source>
        <translation>Tiempo que la radio permanece en una llamada individual tras su última transmisión, para que una respuesta vuelva a la misma radio; de 0 a 30, en la unidad propia de la radio (que este programa desconoce).</translation>
    </message>
    <message>
        <source>How long the radio transmits in each alarm cycle, 1 to 255 seconds (a value outside becomes 5).</source>
        <translation>Tiempo que la radio transmite en cada ciclo de alarma, de 1 a 255 segundos (un valor fuera de rango pasa a 5).</translation>
    </message>
    <message>
        <source>How long the radio waits before it sends an acknowledgement of a call or message, 0.1 to 5.0 seconds. The Alarm dialog uses the same byte (0x379) for &quot;Tx interval (s)&quot;; it writes the byte only when that control is changed there.</source>
        <translation>Tiempo que la radio espera antes de enviar el acuse de recibo (ACK) de una llamada o un mensaje, de 0.1 a 5.0 segundos. El diálogo Alarma usa el mismo byte (0x379) para «Intervalo Tx (s)»; solo escribe el byte cuando se cambia allí ese control.</translation>
    </message>
    <message>
        <source>How long the radio waits for an acknowledgement of its own call, 0 to 10, in the radio&apos;s own unit (not known to this program). The Alarm dialog uses the same byte (0x37A) for &quot;Query interval (min)&quot;; it writes the byte only when that control is changed there.</source>
        <translation>Tiempo que la radio espera el acuse de recibo (ACK) de su propia llamada, de 0 a 10, en la unidad propia de la radio (que este programa desconoce). El diálogo Alarma usa el mismo byte (0x37A) para «Intervalo consulta (min)»; solo escribe el byte cuando se cambia allí ese control.</translation>
    </message>
    <message>
        <source>How long the radio waits for an answer to a DTMF call, 0.5 to 10.0 seconds.</source>
        <translation>Tiempo que la radio espera una respuesta a una llamada DTMF, de 0.5 a 10.0 segundos.</translation>
    </message>
    <message>
        <source>How many times the radio sends a call that is not acknowledged, 1 to 10.</source>
        <translation>Número de veces que la radio envía una llamada sin acuse de recibo, de 1 a 10.</translation>
    </message>
    <message>
        <source>How many transmit and listen cycles the alarm runs, 1 to 255; continue (0) repeats them until the alarm is stopped.</source>
        <translation>Número de ciclos de transmisión y escucha de la alarma, de 1 a 255; continuo (0) los repite hasta que se detiene la alarma.</translation>
    </message>
    <message>
        <source>How scanning goes on after it stops on a busy channel: Time moves on after the stop time even if the signal is still there; Carrier waits until the signal ends.</source>
        <translation>Cómo sigue el escaneo tras detenerse en un canal ocupado: con Tiempo continúa pasado el tiempo de parada aunque la señal siga; con Portadora espera a que termine la señal.</translation>
    </message>
    <message>
        <source>How the alarm identity is sent on analog channels: Off (not sent) or DTMF (the Analog alarm id code as DTMF tones).</source>
        <translation>Cómo se envía la identidad de la alarma en canales analógicos: Desactivado (no se envía) o DTMF (el ID alarma analógica como tonos DTMF).</translation>
    </message>
    <message>
        <source>How the radio scans the channels whose Scan is on, and where it stops and answers.</source>
        <translation>Cómo escanea la radio los canales que tienen activado Escaneo, y dónde se detiene y responde.</translation>
    </message>
    <message>
        <source>How the radio sends DTMF signalling on analog channels, how it answers received DTMF (calls, remote kill), and the 16 DTMF codes channels can send.</source>
        <translation>Cómo envía la radio la señalización DTMF en canales analógicos, cómo responde a los DTMF recibidos (llamadas, desactivación remota) y los 16 códigos DTMF que pueden enviar los canales.</translation>
    </message>
    <message>
        <source>ID type</source>
        <translation>Tipo de ID</translation>
    </message>
    <message>
        <source>Inhibit</source>
        <translation>Inhibir</translation>
    </message>
    <message>
        <source>Key lock</source>
        <translation>Bloqueo de teclas</translation>
    </message>
    <message>
        <source>Kill</source>
        <translation>Desactivar</translation>
    </message>
    <message>
        <source>Kill Active</source>
        <translation>Desactivación remota</translation>
    </message>
    <message>
        <source>Kill code</source>
        <translation>Código de desactivación</translation>
    </message>
    <message>
        <source>Kill type</source>
        <translation>Tipo de desactivación</translation>
    </message>
    <message>
        <source>Kill/active decode</source>
        <translation>Decod. desact./activ.</translation>
    </message>
    <message>
        <source>LOUT DC offset adjustment: the DC offset of the left output (LOUT) of the radio&apos;s audio converter. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Ajuste de offset DC de LOUT: el offset de continua de la salida izquierda (LOUT) del convertidor de audio de la radio. Valor de 16 bits en hexadecimal, de 0000 a FFFF. Ajuste de fábrica: cámbielo solo con instrumentos de medida a mano; solo se transfiere con Leer y Escribir de este mismo diálogo.</translation>
    </message>
    <message>
        <source>LOUT直流偏置调节</source>
        <translation>LOUT直流偏置调节</translation>
    </message>
    <message>
        <source>Left channel output gain adjustment, on analog channels. A step from -57 to 6. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Ajuste de ganancia de salida del canal izquierdo, en canales analógicos. Escalón de -57 a 6. Ajuste de fábrica: cámbielo solo con instrumentos de medida a mano; solo se transfiere con Leer y Escribir de este mismo diálogo.</translation>
    </message>
    <message>
        <source>Left channel output gain adjustment, on digital channels. A step from -57 to 6. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Ajuste de ganancia de salida del canal izquierdo, en canales digitales. Escalón de -57 a 6. Ajuste de fábrica: cámbielo solo con instrumentos de medida a mano; solo se transfiere con Leer y Escribir de este mismo diálogo.</translation>
    </message>
    <message>
        <source>Left channel signal gain adjustment, on analog channels. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Ajuste de ganancia de señal del canal izquierdo, en canales analógicos. Valor de 16 bits en hexadecimal, de 0000 a FFFF. Ajuste de fábrica: cámbielo solo con instrumentos de medida a mano; solo se transfiere con Leer y Escribir de este mismo diálogo.</translation>
    </message>
    <message>
        <source>Left channel signal gain adjustment, on digital channels. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Ajuste de ganancia de señal del canal izquierdo, en canales digitales. Valor de 16 bits en hexadecimal, de 0000 a FFFF. Ajuste de fábrica: cámbielo solo con instrumentos de medida a mano; solo se transfiere con Leer y Escribir de este mismo diálogo.</translation>
    </message>
    <message>
        <source>Length of the * and # tones, 0 to 1000 ms in steps of 100.</source>
        <translation>Duración de los tonos * y #, de 0 a 1000 ms en pasos de 100.</translation>
    </message>
    <message>
        <source>Length of the first DTMF digit, 0 to 1000 ms in steps of 100.</source>
        <translation>Duración del primer dígito DTMF, de 0 a 1000 ms en pasos de 100.</translation>
    </message>
    <message>
        <source>Length of the wake-up sent ahead of a digital call, 0 to 1200 in steps of 80, so that radios saving battery are awake when the call begins; 0 sends none.</source>
        <translation>Duración de la señal de despertar enviada antes de una llamada digital, de 0 a 1200 en pasos de 80, para que las radios en ahorro de batería estén despiertas cuando empiece la llamada; 0 no envía ninguna.</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Luz</translation>
    </message>
    <message>
        <source>Lone worker on this channel, the function set in Alarm &gt; Work alone.</source>
        <translation>Trabajador solitario en este canal, la función ajustada en Alarma &gt; Trabajador solitario.</translation>
    </message>
    <message>
        <source>Lone worker: allow makes the radio ask its user to respond after a time without use and raise the alarm when nobody does; prohibit switches the function off.</source>
        <translation>Trabajador solitario: permitir hace que la radio pida a su usuario que responda tras un tiempo sin uso y active la alarma si nadie lo hace; prohibir desactiva la función.</translation>
    </message>
    <message>
        <source>Lone worker: minutes without use before the radio asks its user to respond, 1 to 255 (a value outside becomes 10).</source>
        <translation>Trabajador solitario: minutos sin uso antes de que la radio pida a su usuario que responda, de 1 a 255 (un valor fuera de rango pasa a 10).</translation>
    </message>
    <message>
        <source>Lone worker: seconds of warning before the alarm is raised, 0 to 255 (a value outside becomes 10).</source>
        <translation>Trabajador solitario: segundos de aviso antes de que se active la alarma, de 0 a 255 (un valor fuera de rango pasa a 10).</translation>
    </message>
    <message>
        <source>Long key (s)</source>
        <translation>Pulsación larga (s)</translation>
    </message>
    <message>
        <source>Long press</source>
        <translation>Pulsación larga</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Baja</translation>
    </message>
    <message>
        <source>Low voltage</source>
        <translation>Batería baja</translation>
    </message>
    <message>
        <source>Low voltage light</source>
        <translation>Luz batería baja</translation>
    </message>
    <message>
        <source>MIC输入增益调节 (db)</source>
        <translation>MIC输入增益调节 (db)</translation>
    </message>
    <message>
        <source>Man down: allow raises the alarm when the radio stays tipped over (its user may have fallen); prohibit switches the function off.</source>
        <translation>Hombre caído: permitir activa la alarma cuando la radio permanece volcada (su usuario puede haberse caído); prohibir desactiva la función.</translation>
    </message>
    <message>
        <source>Man down: exit delay, 0 to 254 seconds, or unlimited (255); a value outside becomes 10. Only the byte is known: what the radio times with it is not.</source>
        <translation>Hombre caído: retardo de salida, de 0 a 254 segundos, o ilimitado (255); un valor fuera de rango pasa a 10. Solo se conoce el byte, no lo que la radio temporiza con él.</translation>
    </message>
    <message>
        <source>Man down: seconds of warning before the alarm is raised, 0 to 59 (a value outside becomes 5).</source>
        <translation>Hombre caído: segundos de aviso antes de que se active la alarma, de 0 a 59 (un valor fuera de rango pasa a 5).</translation>
    </message>
    <message>
        <source>Man down: seconds the radio must stay tipped over before the function starts, 1 to 60 (a value outside becomes 10).</source>
        <translation>Hombre caído: segundos que la radio debe permanecer volcada antes de que se active la función, de 1 a 60 (un valor fuera de rango pasa a 10).</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>Microphone input gain on analog channels. In dB, from -12 to 35.25 in steps of 0.75. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Ganancia de entrada del micrófono en canales analógicos. En dB, de -12 a 35.25 en pasos de 0.75. Ajuste de fábrica: cámbielo solo con instrumentos de medida a mano; solo se transfiere con Leer y Escribir de este mismo diálogo.</translation>
    </message>
    <message>
        <source>Microphone input gain on digital channels. In dB, from -12 to 35.25 in steps of 0.75. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Ganancia de entrada del micrófono en canales digitales. En dB, de -12 a 35.25 en pasos de 0.75. Ajuste de fábrica: cámbielo solo con instrumentos de medida a mano; solo se transfiere con Leer y Escribir de este mismo diálogo.</translation>
    </message>
    <message>
        <source>Mixed mode reset</source>
        <translation>Reinicio modo mixto</translation>
    </message>
    <message>
        <source>Mixed(Analog)</source>
        <translation>Mixto (analóg.)</translation>
    </message>
    <message>
        <source>Mixed(Digit)</source>
        <translation>Mixto (digital)</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>Monitor</translation>
    </message>
    <message>
        <source>Msg</source>
        <translation>Mens.</translation>
    </message>
    <message>
        <source>Msg no.</source>
        <translation>N.º mensaje</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Narrow</source>
        <translation>Estrecha</translation>
    </message>
    <message>
        <source>Narrow noise close</source>
        <translation>Cierre ruido estrecha</translation>
    </message>
    <message>
        <source>Narrow noise open</source>
        <translation>Apertura ruido estrecha</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Noise ch tmp remove</source>
        <translation>Quitar canal ruidoso</translation>
    </message>
    <message>
        <source>Noise squelch threshold of narrow channels, 0 to 127: the noise level at which the squelch closes. A factory calibration: change it only with a signal generator at hand.</source>
        <translation>Umbral del silenciador de ruido de los canales estrechos, de 0 a 127: el nivel de ruido al que se cierra el silenciador. Calibración de fábrica: cámbiela solo con un generador de señales a mano.</translation>
    </message>
    <message>
        <source>Noise squelch threshold of narrow channels, 0 to 127: the noise level at which the squelch opens. A factory calibration: change it only with a signal generator at hand.</source>
        <translation>Umbral del silenciador de ruido de los canales estrechos, de 0 a 127: el nivel de ruido al que se abre el silenciador. Calibración de fábrica: cámbiela solo con un generador de señales a mano.</translation>
    </message>
    <message>
        <source>Noise squelch threshold of wide channels, 0 to 127: the noise level at which the squelch closes. A factory calibration: change it only with a signal generator at hand.</source>
        <translation>Umbral del silenciador de ruido de los canales anchos, de 0 a 127: el nivel de ruido al que se cierra el silenciador. Calibración de fábrica: cámbiela solo con un generador de señales a mano.</translation>
    </message>
    <message>
        <source>Noise squelch threshold of wide channels, 0 to 127: the noise level at which the squelch opens. A factory calibration: change it only with a signal generator at hand.</source>
        <translation>Umbral del silenciador de ruido de los canales anchos, de 0 a 127: el nivel de ruido al que se abre el silenciador. Calibración de fábrica: cámbiela solo con un generador de señales a mano.</translation>
    </message>
    <message>
        <source>Noise suppression switch</source>
        <translation>Supresión de ruido</translation>
    </message>
    <message>
        <source>Non pri ch</source>
        <translation>Canal no prior.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>None: nothing. Monitor (long press only): opens the squelch to listen to weak signals. Scan: starts or stops scanning. Noise ch tmp remove: takes the channel scanning stopped on out of the scan for now. VOX: switches VOX on or off. Hihg/Low power: changes the transmit power. Power detect: tells the battery level. EMI: raises the emergency alarm. Auto contact, Work alone, Talk around, Reverse: switch that function. Call 1, Call 2: send the channel&apos;s call. Channel type: changes between analog and digital. 1750 signal: sends the 1750 Hz tone that opens many analog repeaters. Group call: calls a group. Pri ch scan: scans with the priority channel. Kill, Wake: send the remote kill or wake-up command.</source>
        <translation>Ninguno: nada. Monitor (solo pulsación larga): abre el silenciador para escuchar señales débiles. Escaneo: inicia o detiene el escaneo. Quitar canal ruidoso: saca de momento del escaneo el canal en el que este se ha detenido. VOX: activa o desactiva el VOX. Potencia alta/baja: cambia la potencia de transmisión. Nivel de batería: indica la carga de la batería. Emergencia: activa la alarma de emergencia. Contacto automático, Trabajador solitario, Sin repetidor, Inversión: activan o desactivan esa función. Llamada 1, Llamada 2: envían la llamada del canal. Tipo de canal: cambia entre analógico y digital. Señal 1750: envía el tono de 1750 Hz que abre muchos repetidores analógicos. Llamada de grupo: llama a un grupo. Escaneo prioritario: escanea con el canal prioritario. Desactivar, Reactivar: envían la orden remota de desactivación o de reactivación.</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Not detect</source>
        <translation>Sin detección</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>OACSU</source>
        <translation>OACSU</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>Off Air Call Set-Up: before a single call the radio first checks that the called radio is there and answers, and only then opens the voice link, so that nobody talks into the void. Off: the call starts at once. The Alarm dialog uses the same byte (0x378) for &quot;Auto contact&quot;; it writes the byte only when that control is changed there.</source>
        <translation>Off Air Call Set-Up (establecimiento de la llamada antes de la voz): antes de una llamada individual, la radio comprueba primero que la radio llamada está presente y responde, y solo entonces abre el enlace de voz, para que nadie hable al vacío. Desactivado: la llamada empieza enseguida. El diálogo Alarma usa el mismo byte (0x378) para «Contacto automático»; solo escribe el byte cuando se cambia allí ese control.</translation>
    </message>
    <message>
        <source>Off line</source>
        <translation>Al soltar</translation>
    </message>
    <message>
        <source>Off-line  code</source>
        <translation>Código al soltar</translation>
    </message>
    <message>
        <source>Offset direction</source>
        <translation>Sentido desplaz.</translation>
    </message>
    <message>
        <source>Offset freq (MHz)</source>
        <translation>Desplazamiento (MHz)</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activado</translation>
    </message>
    <message>
        <source>On line</source>
        <translation>Al pulsar</translation>
    </message>
    <message>
        <source>On mixed channels: how long the radio keeps the mode (analog or digital) of the last call before it listens for both again; 0 to 30, in the radio&apos;s own unit (not known to this program).</source>
        <translation>En canales mixtos: tiempo que la radio mantiene el modo (analógico o digital) de la última llamada antes de volver a escuchar ambos; de 0 a 30, en la unidad propia de la radio (que este programa desconoce).</translation>
    </message>
    <message>
        <source>On which channels scanning checks the receive tone before it stops: Not detect on none (it stops on any signal), Non pri ch on the channels other than the priority channel, Priority ch on the priority channel only, all ch on every channel.</source>
        <translation>En qué canales comprueba el escaneo el tono de recepción antes de detenerse: Sin detección en ninguno (se detiene con cualquier señal), Canal no prior. en los canales distintos del prioritario, Canal prior. solo en el canal prioritario, todos los canales en todos.</translation>
    </message>
    <message>
        <source>On-line code</source>
        <translation>Código al pulsar</translation>
    </message>
    <message>
        <source>On: pressing PTT while scanning has stopped on a channel answers on that channel.</source>
        <translation>Activado: pulsar PTT mientras el escaneo está detenido en un canal responde en ese canal.</translation>
    </message>
    <message>
        <source>On: the channel works through a repeater, with different receive and transmit frequencies. With both frequencies equal the dialog sets Off and leaves it so.</source>
        <translation>Activado: el canal funciona a través de un repetidor, con frecuencias de recepción y transmisión distintas. Con ambas frecuencias iguales, el diálogo pone Desactivado y lo deja así.</translation>
    </message>
    <message>
        <source>On: the radio obeys the DTMF remote kill (Kill code) and the command that makes it active again; Off: it ignores them.</source>
        <translation>Activado: la radio obedece la desactivación remota DTMF (Código de desactivación) y la orden que la vuelve a activar; Desactivado: las ignora.</translation>
    </message>
    <message>
        <source>On: the radio obeys the digital remote kill and activate commands (Kill code, Active code); Off: it ignores them.</source>
        <translation>Activado: la radio obedece las órdenes digitales remotas de desactivación y activación (Código de desactivación, Código de activación); Desactivado: las ignora.</translation>
    </message>
    <message>
        <source>On: the radio receives all calls, the calls addressed to every radio; Off: it ignores them.</source>
        <translation>Activado: la radio recibe las llamadas generales, dirigidas a todas las radios; Desactivado: las ignora.</translation>
    </message>
    <message>
        <source>One channel at a time, with its analog and its digital settings; Channel no. and its spin step through the 16 channels. Closing keeps the edits.</source>
        <translation>Un canal cada vez, con sus ajustes analógicos y digitales; N.º canal y su selector recorren los 16 canales. Al cerrar se conservan los cambios.</translation>
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
        <translation>Opciones</translation>
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
        <translation>Pausa entre el comienzo de la transmisión y el primer dígito DTMF, de 100 a 1000 ms en pasos de 100, para que el receptor se haya abierto antes de que lleguen los dígitos.</translation>
    </message>
    <message>
        <source>Person ID</source>
        <translation>ID personal</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Potencia</translation>
    </message>
    <message>
        <source>Power detect</source>
        <translation>Nivel de batería</translation>
    </message>
    <message>
        <source>Power-on light</source>
        <translation>Luz de encendido</translation>
    </message>
    <message>
        <source>Power-on tone</source>
        <translation>Tono de encendido</translation>
    </message>
    <message>
        <source>Pri ch scan</source>
        <translation>Escaneo prioritario</translation>
    </message>
    <message>
        <source>Priority ch</source>
        <translation>Canal prior.</translation>
    </message>
    <message>
        <source>Priority channel</source>
        <translation>Canal prioritario</translation>
    </message>
    <message>
        <source>Query interval (min)</source>
        <translation>Intervalo consulta (min)</translation>
    </message>
    <message>
        <source>ROUT DC offset adjustment: the DC offset of the right output (ROUT) of the radio&apos;s audio converter. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Ajuste de offset DC de ROUT: el offset de continua de la salida derecha (ROUT) del convertidor de audio de la radio. Valor de 16 bits en hexadecimal, de 0000 a FFFF. Ajuste de fábrica: cámbielo solo con instrumentos de medida a mano; solo se transfiere con Leer y Escribir de este mismo diálogo.</translation>
    </message>
    <message>
        <source>ROUT直流偏置调节</source>
        <translation>ROUT直流偏置调节</translation>
    </message>
    <message>
        <source>Radio id</source>
        <translation>ID de radio</translation>
    </message>
    <message>
        <source>Radio name</source>
        <translation>Nombre de radio</translation>
    </message>
    <message>
        <source>Receive frequency in MHz, for example 446.00625 (PMR446 lies from 446.0 to 446.2 MHz). A frequency outside the band in use becomes its lower edge, and one off the 2.5 and 3.125 kHz rasters moves to the nearest point. Clearing it empties the channel.</source>
        <translation>Frecuencia de recepción en MHz, por ejemplo 446.00625 (PMR446 va de 446.0 a 446.2 MHz). Una frecuencia fuera de la banda en uso pasa a su límite inferior, y una que no cae en las rejillas de 2.5 y 3.125 kHz se mueve al punto más cercano. Si la borra, el canal queda vacío.</translation>
    </message>
    <message>
        <source>Receive input gain on analog channels. In dB, from -12 to 35.25 in steps of 0.75. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Ganancia de entrada de recepción en canales analógicos. En dB, de -12 a 35.25 en pasos de 0.75. Ajuste de fábrica: cámbielo solo con instrumentos de medida a mano; solo se transfiere con Leer y Escribir de este mismo diálogo.</translation>
    </message>
    <message>
        <source>Receive input gain on digital channels. In dB, from -12 to 35.25 in steps of 0.75. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Ganancia de entrada de recepción en canales digitales. En dB, de -12 a 35.25 en pasos de 0.75. Ajuste de fábrica: cámbielo solo con instrumentos de medida a mano; solo se transfiere con Leer y Escribir de este mismo diálogo.</translation>
    </message>
    <message>
        <source>Receive only (bit 7 of record byte +0x11); the dialog always stores Off.</source>
        <translation>Solo recepción (bit 7 del byte +0x11 del registro); el diálogo siempre guarda Desactivado.</translation>
    </message>
    <message>
        <source>Received voice output gain on analog channels: the level of the received voice. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Ganancia de salida de la voz recibida en canales analógicos: el nivel de la voz recibida. Valor de 16 bits en hexadecimal, de 0000 a FFFF. Ajuste de fábrica: cámbielo solo con instrumentos de medida a mano; solo se transfiere con Leer y Escribir de este mismo diálogo.</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Grabar</translation>
    </message>
    <message>
        <source>Remind</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Remind and Reply</source>
        <translation>Aviso y respuesta</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Repetidor</translation>
    </message>
    <message>
        <source>Repeat mode</source>
        <translation>Modo repetidor</translation>
    </message>
    <message>
        <source>Reply</source>
        <translation>Respuesta</translation>
    </message>
    <message>
        <source>Response wait</source>
        <translation>Espera respuesta</translation>
    </message>
    <message>
        <source>Response wait time (s)</source>
        <translation>Tiempo espera resp. (s)</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Inversión</translation>
    </message>
    <message>
        <source>Right channel output gain adjustment, on analog channels. A step from -57 to 6. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Ajuste de ganancia de salida del canal derecho, en canales analógicos. Escalón de -57 a 6. Ajuste de fábrica: cámbielo solo con instrumentos de medida a mano; solo se transfiere con Leer y Escribir de este mismo diálogo.</translation>
    </message>
    <message>
        <source>Right channel output gain adjustment, on digital channels. A step from -57 to 6. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Ajuste de ganancia de salida del canal derecho, en canales digitales. Escalón de -57 a 6. Ajuste de fábrica: cámbielo solo con instrumentos de medida a mano; solo se transfiere con Leer y Escribir de este mismo diálogo.</translation>
    </message>
    <message>
        <source>Right channel signal gain adjustment, on analog channels. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Ajuste de ganancia de señal del canal derecho, en canales analógicos. Valor de 16 bits en hexadecimal, de 0000 a FFFF. Ajuste de fábrica: cámbielo solo con instrumentos de medida a mano; solo se transfiere con Leer y Escribir de este mismo diálogo.</translation>
    </message>
    <message>
        <source>Right channel signal gain adjustment, on digital channels. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Ajuste de ganancia de señal del canal derecho, en canales digitales. Valor de 16 bits en hexadecimal, de 0000 a FFFF. Ajuste de fábrica: cámbielo solo con instrumentos de medida a mano; solo se transfiere con Leer y Escribir de este mismo diálogo.</translation>
    </message>
    <message>
        <source>Rx</source>
        <translation>Rx</translation>
    </message>
    <message>
        <source>Rx Freq</source>
        <translation>Frec. Rx</translation>
    </message>
    <message>
        <source>Rx Tone</source>
        <translation>Tono Rx</translation>
    </message>
    <message>
        <source>Rx color code</source>
        <translation>Código color Rx</translation>
    </message>
    <message>
        <source>Rx exit tone</source>
        <translation>Tono fin de recepción</translation>
    </message>
    <message>
        <source>Rx freq (MHz)</source>
        <translation>Frec. Rx (MHz)</translation>
    </message>
    <message>
        <source>Rx light</source>
        <translation>Luz Rx</translation>
    </message>
    <message>
        <source>Rx time (s)</source>
        <translation>Tiempo Rx (s)</translation>
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
        <translation>Mismo byte que Alarma &gt; Contacto automático</translation>
    </message>
    <message>
        <source>Same byte as Alarm &gt; Query interval (min)</source>
        <translation>Mismo byte que Alarma &gt; Intervalo consulta (min)</translation>
    </message>
    <message>
        <source>Same byte as Alarm &gt; Tx interval (s)</source>
        <translation>Mismo byte que Alarma &gt; Intervalo Tx (s)</translation>
    </message>
    <message>
        <source>Same byte as dPMR param &gt; Basic &gt; ACK reply delay; written only when changed here</source>
        <translation>Mismo byte que Parámetros dPMR &gt; Básico &gt; Retardo ACK; solo se escribe si se cambia aquí</translation>
    </message>
    <message>
        <source>Same byte as dPMR param &gt; Basic &gt; ACK reply wait; written only when changed here</source>
        <translation>Mismo byte que Parámetros dPMR &gt; Básico &gt; Espera ACK; solo se escribe si se cambia aquí</translation>
    </message>
    <message>
        <source>Same byte as dPMR param &gt; Basic &gt; OACSU and Data type; written only when changed here</source>
        <translation>Mismo byte que Parámetros dPMR &gt; Básico &gt; OACSU y Tipo de datos; solo se escribe si se cambia aquí</translation>
    </message>
    <message>
        <source>Saving delay time (s)</source>
        <translation>Retardo ahorro (s)</translation>
    </message>
    <message>
        <source>Saving mode</source>
        <translation>Modo ahorro</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Escaneo</translation>
    </message>
    <message>
        <source>Scan Info</source>
        <translation>Datos de escaneo</translation>
    </message>
    <message>
        <source>Scan begin beep</source>
        <translation>Pitido inicio escaneo</translation>
    </message>
    <message>
        <source>Scan end beep</source>
        <translation>Pitido fin escaneo</translation>
    </message>
    <message>
        <source>Scan mode</source>
        <translation>Modo de escaneo</translation>
    </message>
    <message>
        <source>Scan state light</source>
        <translation>Luz de escaneo</translation>
    </message>
    <message>
        <source>Scan tx channel</source>
        <translation>Canal Tx en escaneo</translation>
    </message>
    <message>
        <source>Scan tx/rx resume delay time (s)</source>
        <translation>Reanudación tras Tx/Rx (s)</translation>
    </message>
    <message>
        <source>Seconds PTT must stay released before the time-out timer starts counting afresh, 0 to 30.</source>
        <translation>Segundos que PTT debe estar sin pulsar para que el temporizador TOT vuelva a contar desde cero, de 0 a 30.</translation>
    </message>
    <message>
        <source>Seconds after a decoded DTMF call before the radio returns to its normal state, 0 to 255.</source>
        <translation>Segundos tras una llamada DTMF decodificada antes de que la radio vuelva a su estado normal, de 0 a 255.</translation>
    </message>
    <message>
        <source>Seconds before the time-out timer runs out at which the radio warns with a tone, 0 to 15 (0: no warning).</source>
        <translation>Segundos antes de que se agote el temporizador TOT en los que la radio avisa con un tono, de 0 a 15 (0: sin aviso).</translation>
    </message>
    <message>
        <source>Seconds without activity before battery saving starts, 10 to 60 in steps of 5 (a typed value is rounded down to a step).</source>
        <translation>Segundos sin actividad antes de que empiece el ahorro de batería, de 10 a 60 en pasos de 5 (un valor escrito se redondea hacia abajo a un paso).</translation>
    </message>
    <message>
        <source>Secret</source>
        <translation>Secreta</translation>
    </message>
    <message>
        <source>Send alarm id</source>
        <translation>Enviar ID alarma</translation>
    </message>
    <message>
        <source>Sends the DTMF identity (DTMF &gt; Encode: PTTID type, On-line and Off-line code) with each transmission on this channel.</source>
        <translation>Envía la identidad DTMF (DTMF &gt; Codificación: Tipo PTTID, Código al pulsar y Código al soltar) con cada transmisión en este canal.</translation>
    </message>
    <message>
        <source>Shock</source>
        <translation>Vibración</translation>
    </message>
    <message>
        <source>Short beep</source>
        <translation>Pitido corto</translation>
    </message>
    <message>
        <source>Short beep, Inhibit or Allow (bit 1 of 0x2007); only the bit is known, not what the radio does with it.</source>
        <translation>Pitido corto, Inhibir o Permitir (bit 1 de 0x2007); solo se conoce el bit, no lo que la radio hace con él.</translation>
    </message>
    <message>
        <source>Short press</source>
        <translation>Pulsación corta</translation>
    </message>
    <message>
        <source>Shutdown pre-aleat tone</source>
        <translation>Tono preaviso apagado</translation>
    </message>
    <message>
        <source>Shutdown tone</source>
        <translation>Tono de apagado</translation>
    </message>
    <message>
        <source>Side Key</source>
        <translation>Tecla lateral</translation>
    </message>
    <message>
        <source>Side tone</source>
        <translation>Tono local</translation>
    </message>
    <message>
        <source>Signal gain after the limiter, on analog channels: the transmitted deviation of the voice. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Ganancia de señal tras el limitador, en canales analógicos: la desviación transmitida de la voz. Valor de 16 bits en hexadecimal, de 0000 a FFFF. Ajuste de fábrica: cámbielo solo con instrumentos de medida a mano; solo se transfiere con Leer y Escribir de este mismo diálogo.</translation>
    </message>
    <message>
        <source>Signal gain before the limiter, on analog channels: how hard the voice drives the deviation limiter. A 16-bit value typed in hexadecimal, 0000 to FFFF. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Ganancia de señal antes del limitador, en canales analógicos: cuánto excita la voz el limitador de desviación. Valor de 16 bits en hexadecimal, de 0000 a FFFF. Ajuste de fábrica: cámbielo solo con instrumentos de medida a mano; solo se transfiere con Leer y Escribir de este mismo diálogo.</translation>
    </message>
    <message>
        <source>Signal type</source>
        <translation>Tipo de señal</translation>
    </message>
    <message>
        <source>Single call time</source>
        <translation>Tiempo llamada indiv.</translation>
    </message>
    <message>
        <source>Single call tone</source>
        <translation>Tono llamada individual</translation>
    </message>
    <message>
        <source>Single call: one radio. Group call: a group of radios sharing the number; only group calls can be members of a group receive list.</source>
        <translation>Llamada individual: una radio. Llamada de grupo: un grupo de radios que comparten el número; solo las llamadas de grupo pueden ser miembros de una lista Rx de grupos.</translation>
    </message>
    <message>
        <source>Specified ch</source>
        <translation>Canal designado</translation>
    </message>
    <message>
        <source>Specified channel</source>
        <translation>Canal designado</translation>
    </message>
    <message>
        <source>Speed (digit/s)</source>
        <translation>Velocidad (díg./s)</translation>
    </message>
    <message>
        <source>Spoken announcements of the radio (the channel, for example): Off, in Chinese or in English.</source>
        <translation>Anuncios hablados de la radio (el canal, por ejemplo): Desactivado, en chino o en inglés.</translation>
    </message>
    <message>
        <source>Sql</source>
        <translation>Sql</translation>
    </message>
    <message>
        <source>Squelch calibration at this frequency of the band, 1 to 255 (an empty cell stores 60): the reference the radio&apos;s SQL levels are set from near this frequency. A factory calibration: change it only with a signal generator at hand.</source>
        <translation>Calibración del silenciador en esta frecuencia de la banda, de 1 a 255 (una celda vacía guarda 60): la referencia a partir de la cual la radio fija sus niveles SQL cerca de esta frecuencia. Calibración de fábrica: cámbiela solo con un generador de señales a mano.</translation>
    </message>
    <message>
        <source>Squelch calibration: the noise thresholds at which the squelch opens and closes, and a squelch reference at points across the band. A factory calibration: change it only with a signal generator at hand.</source>
        <translation>Calibración del silenciador: los umbrales de ruido a los que se abre y se cierra el silenciador, y una referencia del silenciador en varios puntos de la banda. Calibración de fábrica: cámbiela solo con un generador de señales a mano.</translation>
    </message>
    <message>
        <source>Squelch level, 0 to 9: how strong a signal must be before the radio opens its speaker. Low levels let weak signals (and more noise) through, high levels need stronger signals. Default 5.</source>
        <translation>Nivel del silenciador, de 0 a 9: la intensidad que debe tener una señal para que la radio abra el altavoz. Los niveles bajos dejan pasar señales débiles (y más ruido); los altos necesitan señales más fuertes. Por defecto 5.</translation>
    </message>
    <message>
        <source>Squelch tail elimination, against the burst of noise heard when the other radio stops transmitting: Freq, or 120, 180 or 240, the degrees by which the CTCSS tone&apos;s phase is turned at the end of a transmission. Use the setting the other radios of the group use.</source>
        <translation>Eliminación de la cola del silenciador, contra la ráfaga de ruido que se oye cuando la otra radio deja de transmitir: Frec., o 120, 180 o 240, los grados que se desplaza la fase del tono CTCSS al final de una transmisión. Use el mismo ajuste que las demás radios del grupo.</translation>
    </message>
    <message>
        <source>Stop time (s)</source>
        <translation>Tiempo de parada (s)</translation>
    </message>
    <message>
        <source>Swaps receive and transmit frequency, to listen on a repeater&apos;s input.</source>
        <translation>Intercambia las frecuencias de recepción y transmisión, para escuchar en la entrada de un repetidor.</translation>
    </message>
    <message>
        <source>TCXO (reference oscillator) output gain adjustment. A step from -57 to 6. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Ajuste de ganancia de salida del TCXO (oscilador de referencia). Escalón de -57 a 6. Ajuste de fábrica: cámbielo solo con instrumentos de medida a mano; solo se transfiere con Leer y Escribir de este mismo diálogo.</translation>
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
        <translation>Preaviso TOT (s)</translation>
    </message>
    <message>
        <source>TOT re-key time (s)</source>
        <translation>Bloqueo tras TOT (s)</translation>
    </message>
    <message>
        <source>TOT reset time (s)</source>
        <translation>Reinicio TOT (s)</translation>
    </message>
    <message>
        <source>Talk around</source>
        <translation>Sin repetidor</translation>
    </message>
    <message>
        <source>Talk back</source>
        <translation>Contestar</translation>
    </message>
    <message>
        <source>The 16 group receive lists. A channel that uses a list (Channel edit &gt; Group rx list) receives the group calls to its members; choose a list to edit them.</source>
        <translation>Las 16 listas de recepción de grupos. Un canal que usa una lista (Editar canal &gt; Lista Rx de grupos) recibe las llamadas de grupo dirigidas a sus miembros; elija una lista para editarlos.</translation>
    </message>
    <message>
        <source>The 7-digit code of the command that makes a killed radio active again. An invalid code (0000000, a whole million, above 9000000) becomes 9999991.</source>
        <translation>El código de 7 dígitos de la orden que vuelve a activar una radio desactivada. Un código no válido (0000000, un millón exacto, por encima de 9000000) pasa a 9999991.</translation>
    </message>
    <message>
        <source>The 7-digit code of the digital kill command this radio obeys. An invalid code (0000000, a whole million, above 9000000) becomes 9999990.</source>
        <translation>El código de 7 dígitos de la orden digital de desactivación que obedece esta radio. Un código no válido (0000000, un millón exacto, por encima de 9000000) pasa a 9999990.</translation>
    </message>
    <message>
        <source>The 7-digit identity the alarm sends on digital channels. 0000000, the whole millions 1000000 to 9000000 and numbers above 9000000 are not valid and become 9999998.</source>
        <translation>La identidad de 7 dígitos que envía la alarma en canales digitales. 0000000, los millones exactos de 1000000 a 9000000 y los números por encima de 9000000 no son válidos y pasan a 9999998.</translation>
    </message>
    <message>
        <source>The CTCSS tone (63.0 to 254.1 Hz) or DCS code (D023N, or D023I inverted) a signal must carry before the radio opens its speaker; None hears every signal. A number typed without a point is taken as a DCS code.</source>
        <translation>El tono CTCSS (63.0 a 254.1 Hz) o el código DCS (D023N, o D023I invertido) que debe llevar una señal para que la radio abra el altavoz; Ninguno oye todas las señales. Un número escrito sin punto se toma como código DCS.</translation>
    </message>
    <message>
        <source>The CTCSS tone or DCS code sent with each transmission, so that receivers set to it hear you; None sends none. A number typed without a point is taken as a DCS code.</source>
        <translation>El tono CTCSS o el código DCS que se envía con cada transmisión, para que le oigan los receptores ajustados a él; Ninguno no envía nada. Un número escrito sin punto se toma como código DCS.</translation>
    </message>
    <message>
        <source>The DTMF code (DTMF &gt; Contact) the Call 1 key function sends on this channel, or None.</source>
        <translation>El código DTMF (DTMF &gt; Contacto) que envía en este canal la función de tecla Llamada 1, o Ninguno.</translation>
    </message>
    <message>
        <source>The DTMF code (DTMF &gt; Contact) the Call 2 key function sends on this channel, or None.</source>
        <translation>El código DTMF (DTMF &gt; Contacto) que envía en este canal la función de tecla Llamada 2, o Ninguno.</translation>
    </message>
    <message>
        <source>The DTMF code that kills the radio when it is received, up to 15 symbols 0-9, A-D, * and #; a # is stored after the last one.</source>
        <translation>El código DTMF que desactiva la radio al recibirlo, de hasta 15 símbolos 0-9, A-D, * y #; tras el último se guarda un #.</translation>
    </message>
    <message>
        <source>The DTMF symbol that makes a received code a group call (A, B, C, D, * or #), or None for no group calls.</source>
        <translation>El símbolo DTMF que convierte un código recibido en llamada de grupo (A, B, C, D, * o #), o Ninguno si no hay llamadas de grupo.</translation>
    </message>
    <message>
        <source>The channel PTT transmits on during a scan when Scan tx channel is Specified ch; None for none.</source>
        <translation>El canal en el que transmite PTT durante un escaneo cuando Canal Tx en escaneo es Canal designado; Ninguno si no hay ninguno.</translation>
    </message>
    <message>
        <source>The channel PTT transmits on during a scan: the channel in use before the scan began, the last channel where a signal was heard, or the specified channel.</source>
        <translation>El canal en el que transmite PTT durante un escaneo: el canal en uso antes de empezar el escaneo, el último canal en el que se oyó una señal, o el canal designado.</translation>
    </message>
    <message>
        <source>The channel on show, 1 to 16. The spin and the arrow keys step through the channels (16 follows 1 backwards); the channel left is stored first.</source>
        <translation>El canal mostrado, de 1 a 16. El selector y las teclas de flecha recorren los canales (hacia atrás, al 1 le sigue el 16); el canal que se deja se guarda primero.</translation>
    </message>
    <message>
        <source>The channel takes part in scanning. The channel table shows this as Add or Del.</source>
        <translation>El canal participa en el escaneo. La tabla de canales lo muestra como Añadir o Quitar.</translation>
    </message>
    <message>
        <source>The channel&apos;s number, 1 to 16. An empty row is an empty channel: type a receive frequency to make it.</source>
        <translation>El número del canal, de 1 a 16. Una fila vacía es un canal vacío: escriba una frecuencia de recepción para crearlo.</translation>
    </message>
    <message>
        <source>The contact a digital transmission on this channel calls (dPMR param &gt; Contact), or None.</source>
        <translation>El contacto al que llama una transmisión digital en este canal (Parámetros dPMR &gt; Contacto), o Ninguno.</translation>
    </message>
    <message>
        <source>The contact the Call 1 key function calls, or None.</source>
        <translation>El contacto al que llama la función de tecla Llamada 1, o Ninguno.</translation>
    </message>
    <message>
        <source>The contact the Call 2 key function calls, or None.</source>
        <translation>El contacto al que llama la función de tecla Llamada 2, o Ninguno.</translation>
    </message>
    <message>
        <source>The contact&apos;s dPMR number, 7 characters of 0-9 and *, different from every other contact&apos;s: the number the radio calls.</source>
        <translation>El número dPMR del contacto, 7 caracteres de 0-9 y *, distinto del de cualquier otro contacto: el número al que llama la radio.</translation>
    </message>
    <message>
        <source>The contact&apos;s name, up to 8 characters, different from every other contact&apos;s: the radio shows it, and channels and group receive lists choose contacts by it.</source>
        <translation>El nombre del contacto, de hasta 8 caracteres, distinto del de cualquier otro contacto: la radio lo muestra, y los canales y las listas de recepción de grupos eligen los contactos por él.</translation>
    </message>
    <message>
        <source>The contact&apos;s place in the list, 1 to 64; the list is sorted by name when the page stores.</source>
        <translation>La posición del contacto en la lista, de 1 a 64; la lista se ordena por nombre cuando la página se guarda.</translation>
    </message>
    <message>
        <source>The dPMR colour code, 0 to 63, received digital signals must carry, so that groups sharing a frequency do not hear each other; Auto: the radio&apos;s own choice.</source>
        <translation>El código de color dPMR, de 0 a 63, que deben llevar las señales digitales recibidas, para que los grupos que comparten frecuencia no se oigan entre sí; Auto: lo elige la propia radio.</translation>
    </message>
    <message>
        <source>The dPMR colour code, 0 to 63, sent with digital transmissions; Auto: the radio&apos;s own choice.</source>
        <translation>El código de color dPMR, de 0 a 63, que se envía con las transmisiones digitales; Auto: lo elige la propia radio.</translation>
    </message>
    <message>
        <source>The direction of a repeater shift, Off, + or -. Kept only while the dialog is open; it is never stored.</source>
        <translation>El sentido del desplazamiento del repetidor: Desactivado, + o -. Solo se conserva mientras el diálogo está abierto; nunca se guarda.</translation>
    </message>
    <message>
        <source>The emergency alarm, the lone worker function (Work alone), the man-down function (Upside) and automatic contact.</source>
        <translation>La alarma de emergencia, la función de trabajador solitario (Trabajador solitario), la función de hombre caído (Hombre caído) y el contacto automático.</translation>
    </message>
    <message>
        <source>The group receive list (dPMR param &gt; Group rx list) whose group calls this channel receives, or None.</source>
        <translation>La lista de recepción de grupos (Parámetros dPMR &gt; Lista Rx de grupos) cuyas llamadas de grupo recibe este canal, o Ninguno.</translation>
    </message>
    <message>
        <source>The group-call contacts that are not members of the list; Add &gt;&gt; makes the selected ones members. Single-call contacts are never offered.</source>
        <translation>Los contactos de llamada de grupo que no son miembros de la lista; Añadir &gt;&gt; convierte en miembros los seleccionados. Nunca se ofrecen contactos de llamada individual.</translation>
    </message>
    <message>
        <source>The identity the alarm sends on analog channels as DTMF tones, up to 8 symbols (0-9, A-D, * and #).</source>
        <translation>La identidad que envía la alarma en canales analógicos como tonos DTMF, de hasta 8 símbolos (0-9, A-D, * y #).</translation>
    </message>
    <message>
        <source>The indicator light shows when the radio is switched on.</source>
        <translation>El indicador luminoso se ilumina al encender la radio.</translation>
    </message>
    <message>
        <source>The indicator light shows while the radio receives.</source>
        <translation>El indicador luminoso se ilumina mientras la radio recibe.</translation>
    </message>
    <message>
        <source>The indicator light shows while the radio scans.</source>
        <translation>El indicador luminoso se ilumina mientras la radio escanea.</translation>
    </message>
    <message>
        <source>The indicator light shows while the radio transmits.</source>
        <translation>El indicador luminoso se ilumina mientras la radio transmite.</translation>
    </message>
    <message>
        <source>The indicator light warns when the battery runs low.</source>
        <translation>El indicador luminoso avisa cuando la batería está baja.</translation>
    </message>
    <message>
        <source>The members of the list, up to 8 group-call contacts, in order. Del &lt;&lt; takes the selected ones out; Up and Down move them.</source>
        <translation>Los miembros de la lista, hasta 8 contactos de llamada de grupo, en orden. Quitar &lt;&lt; saca los seleccionados; Subir y Bajar los mueven.</translation>
    </message>
    <message>
        <source>The radio&apos;s dPMR identity and digital call settings, its contacts and its group receive lists.</source>
        <translation>La identidad dPMR de la radio y los ajustes de llamada digital, sus contactos y sus listas de recepción de grupos.</translation>
    </message>
    <message>
        <source>The radio&apos;s general options (squelch, battery saving, time-out, VOX), what its side keys do, and its prompt tones and lights.</source>
        <translation>Las opciones generales de la radio (silenciador, ahorro de batería, TOT, VOX), la función de sus teclas laterales y sus tonos de aviso y luces.</translation>
    </message>
    <message>
        <source>The radio&apos;s name, up to 8 characters.</source>
        <translation>El nombre de la radio, de hasta 8 caracteres.</translation>
    </message>
    <message>
        <source>The radio&apos;s own DTMF identity: a received call with this code is for this radio. Up to 16 symbols 0-9, A-D, * and #.</source>
        <translation>La identidad DTMF propia de la radio: una llamada recibida con este código es para esta radio. De hasta 16 símbolos 0-9, A-D, * y #.</translation>
    </message>
    <message>
        <source>The radio&apos;s own dPMR identity, 7 digits: other radios call it by this number, and every radio of a group needs its own. 0000000, the whole millions 1000000 to 9000000 and numbers above 9000000 are not valid and become 0000001.</source>
        <translation>La identidad dPMR propia de la radio, 7 dígitos: las demás radios la llaman por este número, y cada radio de un grupo necesita el suyo. 0000000, los millones exactos de 1000000 a 9000000 y los números por encima de 9000000 no son válidos y pasan a 0000001.</translation>
    </message>
    <message>
        <source>The repeater shift in MHz, 0 to 50. Kept only while the dialog is open; it is never stored.</source>
        <translation>El desplazamiento del repetidor en MHz, de 0 a 50. Solo se conserva mientras el diálogo está abierto; nunca se guarda.</translation>
    </message>
    <message>
        <source>The short message the Call 1 key function sends, 1 to 16, or Off.</source>
        <translation>El mensaje corto que envía la función de tecla Llamada 1, de 1 a 16, o Desactivado.</translation>
    </message>
    <message>
        <source>The short message the Call 2 key function sends, 1 to 16, or Off.</source>
        <translation>El mensaje corto que envía la función de tecla Llamada 2, de 1 a 16, o Desactivado.</translation>
    </message>
    <message>
        <source>The voice codec of digital calls: AMBE+2C (the codec of the dPMR standard, which other makes of dPMR radio use), ASELP or ASELP 2. Radios that talk to each other need the same codec.</source>
        <translation>El códec de voz de las llamadas digitales: AMBE+2C (el códec del estándar dPMR, que usan otras marcas de radios dPMR), ASELP o ASELP 2. Las radios que se comunican entre sí necesitan el mismo códec.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Time-out timer: the longest a single transmission may last, 30 to 600 seconds in steps of 30 (a typed value is rounded down to a step). The radio stops transmitting when it runs out.</source>
        <translation>Temporizador de transmisión (TOT): la duración máxima de una sola transmisión, de 30 a 600 segundos en pasos de 30 (un valor escrito se redondea hacia abajo a un paso). La radio deja de transmitir cuando se agota.</translation>
    </message>
    <message>
        <source>Tone</source>
        <translation>Tono</translation>
    </message>
    <message>
        <source>Tone and Light</source>
        <translation>Tonos y luces</translation>
    </message>
    <message>
        <source>Tone scan mode</source>
        <translation>Escaneo de tonos</translation>
    </message>
    <message>
        <source>Transmit frequency in MHz; a new channel gets its receive frequency. A different one (a repeater&apos;s input) switches Repeat on. It is brought into the band and onto the raster like the receive frequency.</source>
        <translation>Frecuencia de transmisión en MHz; un canal nuevo recibe su frecuencia de recepción. Una distinta (la entrada de un repetidor) activa Repetidor. Se ajusta a la banda y a la rejilla igual que la frecuencia de recepción.</translation>
    </message>
    <message>
        <source>Transmit power, Low or High. Low saves battery; PMR446 allows 0.5 W, so keep to what your licence allows.</source>
        <translation>Potencia de transmisión, Baja o Alta. Baja ahorra batería; PMR446 permite 0.5 W, así que no supere lo que le permita su licencia.</translation>
    </message>
    <message>
        <source>Transmits on the receive frequency, to reach radios nearby directly when the repeater is out of reach.</source>
        <translation>Transmite en la frecuencia de recepción, para llegar directamente a radios cercanas cuando el repetidor está fuera de alcance.</translation>
    </message>
    <message>
        <source>Tx</source>
        <translation>Tx</translation>
    </message>
    <message>
        <source>Tx Freq</source>
        <translation>Frec. Tx</translation>
    </message>
    <message>
        <source>Tx Tone</source>
        <translation>Tono Tx</translation>
    </message>
    <message>
        <source>Tx color code</source>
        <translation>Código color Tx</translation>
    </message>
    <message>
        <source>Tx contact</source>
        <translation>Contacto Tx</translation>
    </message>
    <message>
        <source>Tx delay time</source>
        <translation>Retardo Tx</translation>
    </message>
    <message>
        <source>Tx freq (MHz)</source>
        <translation>Frec. Tx (MHz)</translation>
    </message>
    <message>
        <source>Tx inhibit</source>
        <translation>Bloqueo Tx</translation>
    </message>
    <message>
        <source>Tx interval (s)</source>
        <translation>Intervalo Tx (s)</translation>
    </message>
    <message>
        <source>Tx light</source>
        <translation>Luz Tx</translation>
    </message>
    <message>
        <source>Tx power</source>
        <translation>Potencia Tx</translation>
    </message>
    <message>
        <source>Tx time (s)</source>
        <translation>Tiempo Tx (s)</translation>
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
        <translation>No asignados:</translation>
    </message>
    <message>
        <source>Upside</source>
        <translation>Hombre caído</translation>
    </message>
    <message>
        <source>Upside pre-prompt  (s)</source>
        <translation>Preaviso h. caído (s)</translation>
    </message>
    <message>
        <source>VCO output gain adjustment. A step from -57 to 6. A factory adjustment: change it only with measuring equipment at hand; it travels only with this dialog&apos;s own Read and Write.</source>
        <translation>Ajuste de ganancia de salida del VCO. Escalón de -57 a 6. Ajuste de fábrica: cámbielo solo con instrumentos de medida a mano; solo se transfiere con Leer y Escribir de este mismo diálogo.</translation>
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
        <translation>Retardo VOX (s)</translation>
    </message>
    <message>
        <source>VOX sense</source>
        <translation>Sensibilidad VOX</translation>
    </message>
    <message>
        <source>VOX sensitivity level, 0 to 9: how readily speech starts a VOX transmission. Default 5.</source>
        <translation>Nivel de sensibilidad del VOX, de 0 a 9: con qué facilidad la voz inicia una transmisión VOX. Por defecto 5.</translation>
    </message>
    <message>
        <source>Voice broadcast</source>
        <translation>Anuncios de voz</translation>
    </message>
    <message>
        <source>Voice store and replay, Off or On (0x39F bit 3): by its name, the radio records calls to play them again.</source>
        <translation>Grabación y reproducción de voz, Desactivado o Activado (0x39F bit 3): por su nombre, la radio graba las llamadas para volver a reproducirlas.</translation>
    </message>
    <message>
        <source>Voice store/replay</source>
        <translation>Grabar/reproducir voz</translation>
    </message>
    <message>
        <source>Voice-operated transmit: On lets the radio transmit when you speak into the microphone (with a headset, for example) without pressing PTT.</source>
        <translation>Transmisión activada por voz: Activado permite que la radio transmita cuando usted habla al micrófono (con unos auriculares, por ejemplo) sin pulsar PTT.</translation>
    </message>
    <message>
        <source>Wake</source>
        <translation>Reactivar</translation>
    </message>
    <message>
        <source>Wake frame</source>
        <translation>Trama de despertar</translation>
    </message>
    <message>
        <source>What a received DTMF kill does: tx inhibit (the radio can no longer transmit), tx/rx inhibit (it can neither transmit nor receive) or Kill (it is disabled).</source>
        <translation>Qué hace una desactivación DTMF recibida: Bloqueo Tx (la radio ya no puede transmitir), Bloqueo Tx/Rx (no puede transmitir ni recibir) o Desactivar (queda inutilizada).</translation>
    </message>
    <message>
        <source>What a received digital kill command does: Tx inhibit (the radio can no longer transmit), tx/rx inhibit (it can neither transmit nor receive) or Kill (it is disabled).</source>
        <translation>Qué hace una orden digital de desactivación recibida: Bloqueo Tx (la radio ya no puede transmitir), Bloqueo Tx/Rx (no puede transmitir ni recibir) o Desactivar (queda inutilizada).</translation>
    </message>
    <message>
        <source>What a short press on side key 1 does. None: nothing. Monitor (long press only): opens the squelch to listen to weak signals. Scan: starts or stops scanning. Noise ch tmp remove: takes the channel scanning stopped on out of the scan for now. VOX: switches VOX on or off. Hihg/Low power: changes the transmit power. Power detect: tells the battery level. EMI: raises the emergency alarm. Auto contact, Work alone, Talk around, Reverse: switch that function. Call 1, Call 2: send the channel&apos;s call. Channel type: changes between analog and digital. 1750 signal: sends the 1750 Hz tone that opens many analog repeaters. Group call: calls a group. Pri ch scan: scans with the priority channel. Kill, Wake: send the remote kill or wake-up command.</source>
        <translation>Función de la pulsación corta de la tecla lateral 1. Ninguno: nada. Monitor (solo pulsación larga): abre el silenciador para escuchar señales débiles. Escaneo: inicia o detiene el escaneo. Quitar canal ruidoso: saca de momento del escaneo el canal en el que este se ha detenido. VOX: activa o desactiva el VOX. Potencia alta/baja: cambia la potencia de transmisión. Nivel de batería: indica la carga de la batería. Emergencia: activa la alarma de emergencia. Contacto automático, Trabajador solitario, Sin repetidor, Inversión: activan o desactivan esa función. Llamada 1, Llamada 2: envían la llamada del canal. Tipo de canal: cambia entre analógico y digital. Señal 1750: envía el tono de 1750 Hz que abre muchos repetidores analógicos. Llamada de grupo: llama a un grupo. Escaneo prioritario: escanea con el canal prioritario. Desactivar, Reactivar: envían la orden remota de desactivación o de reactivación.</translation>
    </message>
    <message>
        <source>What a short press on side key 2 does. None: nothing. Monitor (long press only): opens the squelch to listen to weak signals. Scan: starts or stops scanning. Noise ch tmp remove: takes the channel scanning stopped on out of the scan for now. VOX: switches VOX on or off. Hihg/Low power: changes the transmit power. Power detect: tells the battery level. EMI: raises the emergency alarm. Auto contact, Work alone, Talk around, Reverse: switch that function. Call 1, Call 2: send the channel&apos;s call. Channel type: changes between analog and digital. 1750 signal: sends the 1750 Hz tone that opens many analog repeaters. Group call: calls a group. Pri ch scan: scans with the priority channel. Kill, Wake: send the remote kill or wake-up command.</source>
        <translation>Función de la pulsación corta de la tecla lateral 2. Ninguno: nada. Monitor (solo pulsación larga): abre el silenciador para escuchar señales débiles. Escaneo: inicia o detiene el escaneo. Quitar canal ruidoso: saca de momento del escaneo el canal en el que este se ha detenido. VOX: activa o desactiva el VOX. Potencia alta/baja: cambia la potencia de transmisión. Nivel de batería: indica la carga de la batería. Emergencia: activa la alarma de emergencia. Contacto automático, Trabajador solitario, Sin repetidor, Inversión: activan o desactivan esa función. Llamada 1, Llamada 2: envían la llamada del canal. Tipo de canal: cambia entre analógico y digital. Señal 1750: envía el tono de 1750 Hz que abre muchos repetidores analógicos. Llamada de grupo: llama a un grupo. Escaneo prioritario: escanea con el canal prioritario. Desactivar, Reactivar: envían la orden remota de desactivación o de reactivación.</translation>
    </message>
    <message>
        <source>What a short press on the top key TK1 does. None: nothing. Monitor (long press only): opens the squelch to listen to weak signals. Scan: starts or stops scanning. Noise ch tmp remove: takes the channel scanning stopped on out of the scan for now. VOX: switches VOX on or off. Hihg/Low power: changes the transmit power. Power detect: tells the battery level. EMI: raises the emergency alarm. Auto contact, Work alone, Talk around, Reverse: switch that function. Call 1, Call 2: send the channel&apos;s call. Channel type: changes between analog and digital. 1750 signal: sends the 1750 Hz tone that opens many analog repeaters. Group call: calls a group. Pri ch scan: scans with the priority channel. Kill, Wake: send the remote kill or wake-up command.</source>
        <translation>Función de la pulsación corta de la tecla superior TK1. Ninguno: nada. Monitor (solo pulsación larga): abre el silenciador para escuchar señales débiles. Escaneo: inicia o detiene el escaneo. Quitar canal ruidoso: saca de momento del escaneo el canal en el que este se ha detenido. VOX: activa o desactiva el VOX. Potencia alta/baja: cambia la potencia de transmisión. Nivel de batería: indica la carga de la batería. Emergencia: activa la alarma de emergencia. Contacto automático, Trabajador solitario, Sin repetidor, Inversión: activan o desactivan esa función. Llamada 1, Llamada 2: envían la llamada del canal. Tipo de canal: cambia entre analógico y digital. Señal 1750: envía el tono de 1750 Hz que abre muchos repetidores analógicos. Llamada de grupo: llama a un grupo. Escaneo prioritario: escanea con el canal prioritario. Desactivar, Reactivar: envían la orden remota de desactivación o de reactivación.</translation>
    </message>
    <message>
        <source>What holding side key 1 does. None: nothing. Monitor (long press only): opens the squelch to listen to weak signals. Scan: starts or stops scanning. Noise ch tmp remove: takes the channel scanning stopped on out of the scan for now. VOX: switches VOX on or off. Hihg/Low power: changes the transmit power. Power detect: tells the battery level. EMI: raises the emergency alarm. Auto contact, Work alone, Talk around, Reverse: switch that function. Call 1, Call 2: send the channel&apos;s call. Channel type: changes between analog and digital. 1750 signal: sends the 1750 Hz tone that opens many analog repeaters. Group call: calls a group. Pri ch scan: scans with the priority channel. Kill, Wake: send the remote kill or wake-up command.</source>
        <translation>Función de la pulsación larga de la tecla lateral 1. Ninguno: nada. Monitor (solo pulsación larga): abre el silenciador para escuchar señales débiles. Escaneo: inicia o detiene el escaneo. Quitar canal ruidoso: saca de momento del escaneo el canal en el que este se ha detenido. VOX: activa o desactiva el VOX. Potencia alta/baja: cambia la potencia de transmisión. Nivel de batería: indica la carga de la batería. Emergencia: activa la alarma de emergencia. Contacto automático, Trabajador solitario, Sin repetidor, Inversión: activan o desactivan esa función. Llamada 1, Llamada 2: envían la llamada del canal. Tipo de canal: cambia entre analógico y digital. Señal 1750: envía el tono de 1750 Hz que abre muchos repetidores analógicos. Llamada de grupo: llama a un grupo. Escaneo prioritario: escanea con el canal prioritario. Desactivar, Reactivar: envían la orden remota de desactivación o de reactivación.</translation>
    </message>
    <message>
        <source>What holding side key 2 does. None: nothing. Monitor (long press only): opens the squelch to listen to weak signals. Scan: starts or stops scanning. Noise ch tmp remove: takes the channel scanning stopped on out of the scan for now. VOX: switches VOX on or off. Hihg/Low power: changes the transmit power. Power detect: tells the battery level. EMI: raises the emergency alarm. Auto contact, Work alone, Talk around, Reverse: switch that function. Call 1, Call 2: send the channel&apos;s call. Channel type: changes between analog and digital. 1750 signal: sends the 1750 Hz tone that opens many analog repeaters. Group call: calls a group. Pri ch scan: scans with the priority channel. Kill, Wake: send the remote kill or wake-up command.</source>
        <translation>Función de la pulsación larga de la tecla lateral 2. Ninguno: nada. Monitor (solo pulsación larga): abre el silenciador para escuchar señales débiles. Escaneo: inicia o detiene el escaneo. Quitar canal ruidoso: saca de momento del escaneo el canal en el que este se ha detenido. VOX: activa o desactiva el VOX. Potencia alta/baja: cambia la potencia de transmisión. Nivel de batería: indica la carga de la batería. Emergencia: activa la alarma de emergencia. Contacto automático, Trabajador solitario, Sin repetidor, Inversión: activan o desactivan esa función. Llamada 1, Llamada 2: envían la llamada del canal. Tipo de canal: cambia entre analógico y digital. Señal 1750: envía el tono de 1750 Hz que abre muchos repetidores analógicos. Llamada de grupo: llama a un grupo. Escaneo prioritario: escanea con el canal prioritario. Desactivar, Reactivar: envían la orden remota de desactivación o de reactivación.</translation>
    </message>
    <message>
        <source>What holding the top key TK1 does. None: nothing. Monitor (long press only): opens the squelch to listen to weak signals. Scan: starts or stops scanning. Noise ch tmp remove: takes the channel scanning stopped on out of the scan for now. VOX: switches VOX on or off. Hihg/Low power: changes the transmit power. Power detect: tells the battery level. EMI: raises the emergency alarm. Auto contact, Work alone, Talk around, Reverse: switch that function. Call 1, Call 2: send the channel&apos;s call. Channel type: changes between analog and digital. 1750 signal: sends the 1750 Hz tone that opens many analog repeaters. Group call: calls a group. Pri ch scan: scans with the priority channel. Kill, Wake: send the remote kill or wake-up command.</source>
        <translation>Función de la pulsación larga de la tecla superior TK1. Ninguno: nada. Monitor (solo pulsación larga): abre el silenciador para escuchar señales débiles. Escaneo: inicia o detiene el escaneo. Quitar canal ruidoso: saca de momento del escaneo el canal en el que este se ha detenido. VOX: activa o desactiva el VOX. Potencia alta/baja: cambia la potencia de transmisión. Nivel de batería: indica la carga de la batería. Emergencia: activa la alarma de emergencia. Contacto automático, Trabajador solitario, Sin repetidor, Inversión: activan o desactivan esa función. Llamada 1, Llamada 2: envían la llamada del canal. Tipo de canal: cambia entre analógico y digital. Señal 1750: envía el tono de 1750 Hz que abre muchos repetidores analógicos. Llamada de grupo: llama a un grupo. Escaneo prioritario: escanea con el canal prioritario. Desactivar, Reactivar: envían la orden remota de desactivación o de reactivación.</translation>
    </message>
    <message>
        <source>What the Call 1 key function sends on this channel: Off, Call (a call to the contact below) or Msg (a short message to it).</source>
        <translation>Lo que envía en este canal la función de tecla Llamada 1: Desactivado, Llamada (una llamada al contacto de abajo) o Mens. (un mensaje corto a él).</translation>
    </message>
    <message>
        <source>What the Call 2 key function sends on this channel: Off, Call (a call to the contact below) or Msg (a short message to it).</source>
        <translation>Lo que envía en este canal la función de tecla Llamada 2: Desactivado, Llamada (una llamada al contacto de abajo) o Mens. (un mensaje corto a él).</translation>
    </message>
    <message>
        <source>What the emergency alarm does: Off (no alarm), Only whistle (a siren at the radio only), Normal, Secret (no sound at the radio) or Send alarm id (the alarm id code is sent).</source>
        <translation>Lo que hace la alarma de emergencia: Desactivado (sin alarma), Solo sirena (una sirena solo en la radio), Normal, Secreta (sin sonido en la radio) o Enviar ID alarma (se envía el código de ID de la alarma).</translation>
    </message>
    <message>
        <source>What the radio does when it receives a call to its Person ID: None, Remind (an alert at the radio), Reply (it answers automatically) or Remind and Reply.</source>
        <translation>Lo que hace la radio al recibir una llamada a su ID personal: Ninguno, Aviso (una alerta en la radio), Respuesta (contesta automáticamente) o Aviso y respuesta.</translation>
    </message>
    <message>
        <source>When a channel with PTTID sends its identity: On line (the On-line code when PTT is pressed), Off line (the Off-line code when it is released) or Both.</source>
        <translation>Cuándo envía su identidad un canal con PTTID: Al pulsar (el Código al pulsar cuando se pulsa PTT), Al soltar (el Código al soltar cuando se suelta) o Ambos.</translation>
    </message>
    <message>
        <source>Whether the radio may be copied (cloned) to another radio over a cable: On allows it, Off refuses.</source>
        <translation>Si la radio puede copiarse (clonarse) a otra radio por cable: Activado lo permite, Desactivado lo impide.</translation>
    </message>
    <message>
        <source>Whether the radio may copy its configuration to another radio over the air: On allows it, Off refuses.</source>
        <translation>Si la radio puede copiar su configuración a otra radio de forma inalámbrica: Activado lo permite, Desactivado lo impide.</translation>
    </message>
    <message>
        <source>Wide</source>
        <translation>Ancha</translation>
    </message>
    <message>
        <source>Wide noise close</source>
        <translation>Cierre ruido ancha</translation>
    </message>
    <message>
        <source>Wide noise open</source>
        <translation>Apertura ruido ancha</translation>
    </message>
    <message>
        <source>Wired copy</source>
        <translation>Clonado por cable</translation>
    </message>
    <message>
        <source>Wireless copy</source>
        <translation>Clonado inalámbrico</translation>
    </message>
    <message>
        <source>With scan mode Time: how long scanning stays on a busy channel before it moves on, 0.5 to 10.0 seconds in steps of 0.5.</source>
        <translation>Con Modo de escaneo Tiempo: cuánto tiempo permanece el escaneo en un canal ocupado antes de continuar, de 0.5 a 10.0 segundos en pasos de 0.5.</translation>
    </message>
    <message>
        <source>Work alone</source>
        <translation>Trabajador solitario</translation>
    </message>
    <message>
        <source>Work alone pre-remind (s)</source>
        <translation>Preaviso t. solitario (s)</translation>
    </message>
    <message>
        <source>Work alone time (min)</source>
        <translation>Tiempo t. solitario (min)</translation>
    </message>
    <message>
        <source>all ch</source>
        <translation>todos los canales</translation>
    </message>
    <message>
        <source>allow</source>
        <translation>permitir</translation>
    </message>
    <message>
        <source>allow: the radio shows a received DTMF code on its display; prohibit: it does not.</source>
        <translation>permitir: la radio muestra en su pantalla un código DTMF recibido; prohibir: no lo muestra.</translation>
    </message>
    <message>
        <source>continue</source>
        <translation>continuo</translation>
    </message>
    <message>
        <source>dPMR param</source>
        <translation>Parámetros dPMR</translation>
    </message>
    <message>
        <source>entry ch before scan</source>
        <translation>canal previo al escaneo</translation>
    </message>
    <message>
        <source>last active ch</source>
        <translation>último canal activo</translation>
    </message>
    <message>
        <source>prohibit</source>
        <translation>prohibir</translation>
    </message>
    <message>
        <source>tx inhibit</source>
        <translation>Bloqueo Tx</translation>
    </message>
    <message>
        <source>tx pre-carrier time</source>
        <translation>Preportadora Tx</translation>
    </message>
    <message>
        <source>tx/rx inhibit</source>
        <translation>Bloqueo Tx/Rx</translation>
    </message>
    <message>
        <source>unlimited</source>
        <translation>ilimitado</translation>
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
        <translation>Llamada individual</translation>
    </message>
</context>
<context>
    <name>FleetJobReport</name>
    <message>
        <source>(not saved)</source>
        <translation>(sin guardar)</translation>
    </message>
    <message>
        <source>Fleet job</source>
        <translation>Escritura en varias radios</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Fecha: %1</translation>
    </message>
    <message>
        <source>Template: %1</source>
        <translation>Plantilla: %1</translation>
    </message>
    <message>
        <source>Template CRC-32: %1</source>
        <translation>CRC-32 de la plantilla: %1</translation>
    </message>
</context>
<context>
    <name>FlexGrid</name>
    <message>
        <source>%1, row %2</source>
        <translation>%1, fila %2</translation>
    </message>
</context>
<context>
    <name>ReportBox</name>
    <message>
        <source>
... and %1 more</source>
        <translation>
... y %1 más</translation>
    </message>
</context>
<context>
    <name>ServiceDialog</name>
    <message>
        <source>Reading the squelch calibration from the radio...</source>
        <translation>Leyendo de la radio la calibración del silenciador...</translation>
    </message>
    <message>
        <source>Writing the squelch calibration to the radio...</source>
        <translation>Escribiendo en la radio la calibración del silenciador...</translation>
    </message>
    <message>
        <source>Reading the adjustment values from the radio...</source>
        <translation>Leyendo de la radio los valores de ajuste...</translation>
    </message>
    <message>
        <source>Writing the adjustment values to the radio...</source>
        <translation>Escribiendo en la radio los valores de ajuste...</translation>
    </message>
    <message>
        <source>Read the adjustment values from the radio</source>
        <translation>Lee de la radio los valores de ajuste</translation>
    </message>
    <message>
        <source>Write the adjustment values to the radio</source>
        <translation>Escribe en la radio los valores de ajuste</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>&amp;Leer</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>&amp;Escribir</translation>
    </message>
</context>
<context>
    <name>ServiceTransfer</name>
    <message>
        <source>&amp;Check the connection</source>
        <translation>&amp;Comprobar la conexión</translation>
    </message>
</context>
<context>
    <name>backup</name>
    <message>
        <source>No backup of the read was kept: %1</source>
        <translation>No se ha guardado ninguna copia de seguridad de la lectura: %1</translation>
    </message>
    <message>
        <source>No backup of the write was kept: %1</source>
        <translation>No se ha guardado ninguna copia de seguridad de la escritura: %1</translation>
    </message>
    <message>
        <source>No backup of the write-failed was kept: %1</source>
        <translation>No se ha guardado ninguna copia de seguridad de la escritura fallida: %1</translation>
    </message>
    <message>
        <source>cannot make the folder &quot;%1&quot;: %2.</source>
        <translation>no se puede crear la carpeta «%1»: %2.</translation>
    </message>
    <message>
        <source>cannot use the folder &quot;%1&quot;: %2.</source>
        <translation>no se puede usar la carpeta «%1»: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder.</source>
        <translation>«%1» no es una carpeta.</translation>
    </message>
    <message>
        <source>there is no home folder to keep it in.</source>
        <translation>no hay carpeta personal donde guardarla.</translation>
    </message>
    <message>
        <source>cannot write &quot;%1&quot;: %2.</source>
        <translation>no se puede escribir «%1»: %2.</translation>
    </message>
    <message>
        <source>too many backups made within the same second.</source>
        <translation>demasiadas copias de seguridad en el mismo segundo.</translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; could not be marked as a failed write: %2</source>
        <translation>No se ha podido marcar la copia de seguridad «%1» como escritura fallida: %2</translation>
    </message>
    <message>
        <source>it is no write backup.</source>
        <translation>no es una copia de seguridad de escritura.</translation>
    </message>
    <message>
        <source>Cannot read the backup folder &quot;%1&quot;: %2.</source>
        <translation>No se puede leer la carpeta de copias de seguridad «%1»: %2.</translation>
    </message>
</context>
<context>
    <name>channels</name>
    <message>
        <source>the channel&apos;s receive-only bit is always written as 0</source>
        <translation>el bit de solo recepción del canal siempre se escribe como 0</translation>
    </message>
    <message>
        <source>&quot;Signal type&quot; is &quot;Off&quot;</source>
        <translation>«Tipo de señal» está en «Desactivado»</translation>
    </message>
    <message>
        <source>the call&apos;s &quot;Type&quot; is &quot;Off&quot;</source>
        <translation>el «Tipo» de la llamada está en «Desactivado»</translation>
    </message>
    <message>
        <source>Rx and Tx freq are equal</source>
        <translation>las frecuencias Rx y Tx son iguales</translation>
    </message>
    <message>
        <source>the channel is empty: give it an Rx freq first</source>
        <translation>el canal está vacío: asígnele antes una Frec. Rx</translation>
    </message>
    <message>
        <source>%1 needs %2-%3 MHz; this file&apos;s band is %4-%5 MHz</source>
        <translation>%1 necesita %2-%3 MHz; la banda de este archivo es %4-%5 MHz</translation>
    </message>
    <message>
        <source>%1 channel %2 (%3 MHz) is not on the file&apos;s channel raster: it would be stored as %4 MHz</source>
        <translation>%1, canal %2 (%3 MHz): no está en la rejilla de canales del archivo; se guardaría como %4 MHz</translation>
    </message>
    <message>
        <source>%1 has channels 1 to %2; there is no channel %3</source>
        <translation>%1 tiene los canales 1 a %2; no existe el canal %3</translation>
    </message>
    <message>
        <source>the table has channels 1 to 16; there is no channel %1</source>
        <translation>la tabla tiene los canales 1 a 16; no existe el canal %1</translation>
    </message>
    <message>
        <source>%1 channels are digital: CTCSS tones do not apply to them</source>
        <translation>los canales %1 son digitales: los tonos CTCSS no se les aplican</translation>
    </message>
    <message>
        <source>%1 is no CTCSS tone of the list (63.0 to 254.1, as &quot;67.0&quot;)</source>
        <translation>%1 no es un tono CTCSS de la lista (63.0 a 254.1, como «67.0»)</translation>
    </message>
    <message>
        <source>one tone per channel from %1 Hz needs %2 tones; the list has %3 from there (start at %4 Hz or lower)</source>
        <translation>un tono por canal a partir de %1 Hz necesita %2 tonos; la lista tiene %3 desde ahí (empiece en %4 Hz o más abajo)</translation>
    </message>
    <message>
        <source>channel %1: %2</source>
        <translation>canal %1: %2</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>%1: %2 (%3 MHz), Narrow, %4</source>
        <translation>%1: %2 (%3 MHz), Estrecha, %4</translation>
    </message>
    <message>
        <source>%1, no tones</source>
        <translation>%1, sin tonos</translation>
    </message>
    <message>
        <source>%1, tone %2 Hz</source>
        <translation>%1, tono %2 Hz</translation>
    </message>
    <message>
        <source>%1, tones %2 to %3 Hz</source>
        <translation>%1, tonos %2 a %3 Hz</translation>
    </message>
    <message>
        <source>%1 left unchanged: %2 ends at channel %3</source>
        <translation>%1: sin cambios, %2 termina en el canal %3</translation>
    </message>
    <message>
        <source>Channel %1</source>
        <translation>Canal %1</translation>
    </message>
    <message>
        <source>Channels %1</source>
        <translation>Canales %1</translation>
    </message>
    <message>
        <source>channel %1</source>
        <translation>canal %1</translation>
    </message>
    <message>
        <source>channels %1</source>
        <translation>canales %1</translation>
    </message>
    <message>
        <source>Not find factory.dat
%1</source>
        <translation>No se encuentra factory.dat
%1</translation>
    </message>
    <message>
        <source>%1 is outside %2-%3 MHz: set to %4</source>
        <translation>%1 está fuera de %2-%3 MHz: se ajusta a %4</translation>
    </message>
    <message>
        <source>%1 is not on the channel raster: set to %2</source>
        <translation>%1 no está en la rejilla de canales: se ajusta a %2</translation>
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
        <translation>%1 no es %2: se deja como estaba</translation>
    </message>
    <message>
        <source>no channel: left empty</source>
        <translation>sin canal: se deja vacío</translation>
    </message>
    <message>
        <source>Select two or more channels first (their row numbers, or Shift with the arrows)</source>
        <translation>Seleccione antes dos canales o más (sus números de fila, o Shift con las flechas)</translation>
    </message>
    <message>
        <source>%1 is set one channel at a time: choose a cell of Rx Tone to Channel type</source>
        <translation>%1 se ajusta canal por canal: elija una celda de las columnas Tono Rx a Tipo de canal</translation>
    </message>
    <message>
        <source>%1 holds no channel: nothing to apply</source>
        <translation>%1 no contiene ningún canal: nada que aplicar</translation>
    </message>
    <message>
        <source>no channel</source>
        <translation>sin canal</translation>
    </message>
    <message>
        <source>greyed out</source>
        <translation>inactivo</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not offered</source>
        <translation>«%1» no está disponible</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; given to %3 as well</source>
        <translation>%1 «%2» aplicado también a %3</translation>
    </message>
    <message>
        <source>%1 keeps its %2: %3</source>
        <translation>%1 conserva su %2: %3</translation>
    </message>
</context>
<context>
    <name>check</name>
    <message>
        <source>Channel %1: %2</source>
        <translation>Canal %1: %2</translation>
    </message>
    <message>
        <source>contact %1 does not exist (contacts are 1-64)</source>
        <translation>el contacto %1 no existe (los contactos son 1-64)</translation>
    </message>
    <message>
        <source>contact %1 is a free contact slot</source>
        <translation>el contacto %1 es una posición de contacto libre</translation>
    </message>
    <message>
        <source>The dPMR radio name is empty</source>
        <translation>El nombre de radio dPMR está vacío</translation>
    </message>
    <message>
        <source>Tx Freq is empty while Rx Freq is set</source>
        <translation>Frec. Tx está vacía mientras Frec. Rx tiene valor</translation>
    </message>
    <message>
        <source>Rx %1 MHz is outside the band %2</source>
        <translation>Rx %1 MHz está fuera de la banda %2</translation>
    </message>
    <message>
        <source>Tx %1 MHz is outside the band %2</source>
        <translation>Tx %1 MHz está fuera de la banda %2</translation>
    </message>
    <message>
        <source>Rx tone %1 is not a standard DCS code</source>
        <translation>el tono Rx %1 no es un código DCS estándar</translation>
    </message>
    <message>
        <source>Tx tone %1 is not a standard DCS code</source>
        <translation>el tono Tx %1 no es un código DCS estándar</translation>
    </message>
    <message>
        <source>Tx %1</source>
        <translation>Tx: %1</translation>
    </message>
    <message>
        <source>group rx list %1 does not exist (lists are 1-16)</source>
        <translation>la lista Rx de grupos %1 no existe (las listas son 1-16)</translation>
    </message>
    <message>
        <source>group rx list %1 has no member</source>
        <translation>la lista Rx de grupos %1 no tiene miembros</translation>
    </message>
    <message>
        <source>%1 selects DTMF code %2, which does not exist (codes are 1-16)</source>
        <translation>%1 selecciona el código DTMF %2, que no existe (los códigos son 1-16)</translation>
    </message>
    <message>
        <source>%1 selects DTMF code %2, which is empty</source>
        <translation>%1 selecciona el código DTMF %2, que está vacío</translation>
    </message>
    <message>
        <source>Group rx list %1: %2</source>
        <translation>Lista Rx de grupos %1: %2</translation>
    </message>
    <message>
        <source>Group rx list %1: contact %2 is a single call, not a group</source>
        <translation>Lista Rx de grupos %1: el contacto %2 es una llamada individual, no un grupo</translation>
    </message>
    <message>
        <source>Group rx list %1: contact %2 (%3) is a single call, not a group</source>
        <translation>Lista Rx de grupos %1: el contacto %2 (%3) es una llamada individual, no un grupo</translation>
    </message>
    <message>
        <source>error: %1</source>
        <translation>error: %1</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>advertencia: %1</translation>
    </message>
</context>
<context>
    <name>codec</name>
    <message>
        <source>%1 is not a DCS code (DCS codes use the digits 0 to 7): left as it was</source>
        <translation>%1 no es un código DCS (los códigos DCS usan los dígitos 0 a 7): se deja como estaba</translation>
    </message>
    <message>
        <source>%1 is not a DCS code (DCS codes use the digits 0 to 7); type %2 for %2 Hz: left as it was</source>
        <translation>%1 no es un código DCS (los códigos DCS usan los dígitos 0 a 7); escriba %2 para %2 Hz: se deja como estaba</translation>
    </message>
    <message>
        <source>%1 was taken as DCS %2</source>
        <translation>%1 se ha tomado como DCS %2</translation>
    </message>
    <message>
        <source>%1 was taken as DCS %2; type %3 for %3 Hz</source>
        <translation>%1 se ha tomado como DCS %2; escriba %3 para %3 Hz</translation>
    </message>
    <message>
        <source>%1 is not a tone: set to None</source>
        <translation>%1 no es un tono: se ajusta a Ninguno</translation>
    </message>
</context>
<context>
    <name>config</name>
    <message>
        <source>The port is kept in %1.</source>
        <translation>El puerto se guarda en %1.</translation>
    </message>
    <message>
        <source>The port is kept in %1, because %2 cannot be written.</source>
        <translation>El puerto se guarda en %1, porque no se puede escribir %2.</translation>
    </message>
</context>
<context>
    <name>dialogs</name>
    <message>
        <source>channel range %1 is not channelA-B with 1 &lt;= A &lt;= B &lt;= 16</source>
        <translation>el rango de canales %1 no es channelA-B con 1 &lt;= A &lt;= B &lt;= 16</translation>
    </message>
    <message>
        <source>%1 is not an entry of %2 (%3)</source>
        <translation>%1 no es una opción de %2 (%3)</translation>
    </message>
    <message>
        <source>%1 (%2) takes 0 or 1</source>
        <translation>%1 (%2) admite 0 o 1</translation>
    </message>
    <message>
        <source>unknown key %1 (see dpmrtool fields)</source>
        <translation>clave desconocida %1 (véase dpmrtool fields)</translation>
    </message>
    <message>
        <source>%1 is a factory value of the radio (service dialog %2); add --service to change it</source>
        <translation>%1 es un valor de fábrica de la radio (diálogo de servicio %2); añada --service para cambiarlo</translation>
    </message>
    <message>
        <source>%1 is not shown by %2 for this image (see dpmrtool fields FILE.dat)</source>
        <translation>%2 no muestra %1 para esta imagen (véase dpmrtool fields FILE.dat)</translation>
    </message>
    <message>
        <source>%1 (%2) is greyed out in %3</source>
        <translation>%1 (%2) está inactivo en %3</translation>
    </message>
    <message>
        <source>%1 (%2) is greyed out in %3: %4</source>
        <translation>%1 (%2) está inactivo en %3: %4</translation>
    </message>
    <message>
        <source>%1 (%2) has no spin</source>
        <translation>%1 (%2) no tiene flechas de subir/bajar</translation>
    </message>
</context>
<context>
    <name>dpmr</name>
    <message>
        <source>the name is empty</source>
        <translation>el nombre está vacío</translation>
    </message>
    <message>
        <source>the name %1 is longer than 8 bytes</source>
        <translation>el nombre %1 tiene más de 8 bytes</translation>
    </message>
    <message>
        <source>the name %1 holds a control character</source>
        <translation>el nombre %1 contiene un carácter de control</translation>
    </message>
    <message>
        <source>the number is empty</source>
        <translation>el número está vacío</translation>
    </message>
    <message>
        <source>the number %1 is longer than 7 characters</source>
        <translation>el número %1 tiene más de 7 caracteres</translation>
    </message>
    <message>
        <source>the number %1 may hold only the digits 0 to 9 and &quot;*&quot;</source>
        <translation>el número %1 solo puede contener los dígitos 0 a 9 y «*»</translation>
    </message>
    <message>
        <source>more than 8 members</source>
        <translation>más de 8 miembros</translation>
    </message>
    <message>
        <source>no contact is named %1</source>
        <translation>ningún contacto se llama %1</translation>
    </message>
    <message>
        <source>more than one contact is named %1</source>
        <translation>más de un contacto se llama %1</translation>
    </message>
    <message>
        <source>%1 is a single call; the lists take group calls</source>
        <translation>%1 es una llamada individual; las listas admiten llamadas de grupo</translation>
    </message>
    <message>
        <source>%1 is named twice</source>
        <translation>%1 aparece dos veces</translation>
    </message>
    <message>
        <source>more than 64 contacts</source>
        <translation>más de 64 contactos</translation>
    </message>
    <message>
        <source>expected 3 fields (Name,Number,Type), found %1</source>
        <translation>se esperaban 3 campos (Name,Number,Type), hay %1</translation>
    </message>
    <message>
        <source>the type %1 is neither %2 nor %3</source>
        <translation>el tipo %1 no es ni %2 ni %3</translation>
    </message>
    <message>
        <source>the name %1 is already on line %2</source>
        <translation>el nombre %1 ya está en la línea %2</translation>
    </message>
    <message>
        <source>the number %1 is already on line %2</source>
        <translation>el número %1 ya está en la línea %2</translation>
    </message>
    <message>
        <source>no contact follows; the radio needs one</source>
        <translation>no sigue ningún contacto; la radio necesita al menos uno</translation>
    </message>
    <message>
        <source>no free contact record is left for this contact</source>
        <translation>no queda ningún registro de contacto libre para este contacto</translation>
    </message>
    <message>
        <source>%1 is already %2&apos;s</source>
        <translation>%1 ya es el número de %2</translation>
    </message>
    <message>
        <source>the list %1 is no number from 1 to 16</source>
        <translation>la lista %1 no es un número de 1 a 16</translation>
    </message>
    <message>
        <source>list %1 is already on line %2</source>
        <translation>la lista %1 ya está en la línea %2</translation>
    </message>
</context>
<context>
    <name>fleet</name>
    <message>
        <source>radio %1 (%2) looks like the radio just written as %3 (&quot;%4&quot;, %5): is the next radio on the cable?</source>
        <translation>la radio %1 (%2) parece la que se acaba de escribir como %3 («%4», %5): ¿está en el cable la radio siguiente?</translation>
    </message>
    <message>
        <source>radio %1 (%2) is to get the ID %3, which the backups show on another radio: &quot;%4&quot; (backup of %5)</source>
        <translation>la radio %1 (%2) va a recibir el ID %3, que según las copias de seguridad tiene otra radio: «%4» (copia de seguridad del %5)</translation>
    </message>
    <message>
        <source>a row of the list holds a name, a dPMR ID and, optionally, a port, but this one has 1 column</source>
        <translation>cada fila de la lista contiene un nombre, un ID dPMR y, opcionalmente, un puerto, pero esta tiene 1 columna</translation>
    </message>
    <message>
        <source>a row of the list holds a name, a dPMR ID and, optionally, a port, but this one has %1 columns</source>
        <translation>cada fila de la lista contiene un nombre, un ID dPMR y, opcionalmente, un puerto, pero esta tiene %1 columnas</translation>
    </message>
    <message>
        <source>the list holds no radio</source>
        <translation>la lista no contiene ninguna radio</translation>
    </message>
    <message>
        <source>the port %1 is also %2&apos;s</source>
        <translation>el puerto %1 también es el de %2</translation>
    </message>
    <message>
        <source>the port %1 is given twice</source>
        <translation>el puerto %1 aparece dos veces</translation>
    </message>
    <message>
        <source>no port is left for this row: name its port in the list or connect one more radio</source>
        <translation>no queda ningún puerto para esta fila: indique su puerto en la lista o conecte una radio más</translation>
    </message>
    <message>
        <source>the row has no dPMR ID</source>
        <translation>la fila no tiene ID dPMR</translation>
    </message>
    <message>
        <source>the dPMR ID %1 is not a number of up to 7 digits</source>
        <translation>el ID dPMR %1 no es un número de hasta 7 dígitos</translation>
    </message>
    <message>
        <source>the radio would replace the dPMR ID %1 (it takes 0000001 to 9000000, not 1000000, 2000000, ... 9000000)</source>
        <translation>la radio sustituiría el ID dPMR %1 (admite de 0000001 a 9000000, salvo 1000000, 2000000, ... 9000000)</translation>
    </message>
    <message>
        <source>the dPMR ID %1 is given twice: also %2</source>
        <translation>el ID dPMR %1 aparece dos veces: también %2</translation>
    </message>
    <message>
        <source>the name %1 holds a character the radio cannot show (only plain ASCII letters, digits and signs)</source>
        <translation>el nombre %1 contiene un carácter que la radio no puede mostrar (solo letras, dígitos y signos ASCII simples)</translation>
    </message>
    <message>
        <source>the name &quot;%1&quot; is cut to the radio&apos;s 8 characters: &quot;%2&quot;</source>
        <translation>el nombre «%1» se recorta a los 8 caracteres de la radio: «%2»</translation>
    </message>
    <message>
        <source>cut to 8 characters, the name is &quot;%1&quot;, the same as %2&apos;s</source>
        <translation>recortado a 8 caracteres, el nombre es «%1», el mismo que el de %2</translation>
    </message>
    <message>
        <source>the name &quot;%1&quot; is also %2&apos;s</source>
        <translation>el nombre «%1» también es el de %2</translation>
    </message>
    <message>
        <source>the port %1 has no row of the list and is not written</source>
        <translation>el puerto %1 no tiene fila en la lista y no se escribe</translation>
    </message>
    <message>
        <source>the name pattern &apos;%1&apos; holds a character the radio cannot show (only plain ASCII letters, digits and signs)</source>
        <translation>el patrón de nombre «%1» contiene un carácter que la radio no puede mostrar (solo letras, dígitos y signos ASCII simples)</translation>
    </message>
    <message>
        <source>the name pattern &apos;%1&apos; has a lone &apos;}&apos;</source>
        <translation>el patrón de nombre «%1» tiene una «}» suelta</translation>
    </message>
    <message>
        <source>the name pattern &apos;%1&apos; has a &apos;{&apos; without &apos;}&apos;</source>
        <translation>el patrón de nombre «%1» tiene una «{» sin «}»</translation>
    </message>
    <message>
        <source>{%1} in the name pattern: the ID has 1 to 7 digits to keep</source>
        <translation>{%1} en el patrón de nombre: del ID se pueden conservar de 1 a 7 dígitos</translation>
    </message>
    <message>
        <source>{%1} in the name pattern is not known: use {n}, {id} or {id:4}</source>
        <translation>{%1} en el patrón de nombre no se reconoce: use {n}, {id} o {id:4}</translation>
    </message>
    <message>
        <source>radio %1: the name &quot;%2&quot; is cut to the radio&apos;s 8 characters: &quot;%3&quot;</source>
        <translation>radio %1: el nombre «%2» se recorta a los 8 caracteres de la radio: «%3»</translation>
    </message>
    <message>
        <source>no port given: name at least one radio&apos;s port</source>
        <translation>no se ha indicado ningún puerto: indique el puerto de al menos una radio</translation>
    </message>
    <message>
        <source>an empty port name was given</source>
        <translation>se ha indicado un nombre de puerto vacío</translation>
    </message>
    <message>
        <source>an ID start value and keeping each radio&apos;s identity exclude each other</source>
        <translation>un ID inicial y conservar la identidad de cada radio se excluyen mutuamente</translation>
    </message>
    <message>
        <source>the first radio ID must have at most 7 digits (1 to 9999999)</source>
        <translation>el ID de la primera radio debe tener como máximo 7 dígitos (1 a 9999999)</translation>
    </message>
    <message>
        <source>the ID step must have at most 7 digits</source>
        <translation>el incremento de ID debe tener como máximo 7 dígitos</translation>
    </message>
    <message>
        <source>every radio needs an ID of its own, but all %1 would get the document&apos;s ID %2: give a first ID and a step, or keep each radio&apos;s identity</source>
        <translation>cada radio necesita su propio ID, pero las %1 recibirían el ID del documento, %2: indique un primer ID y un incremento, o conserve la identidad de cada radio</translation>
    </message>
    <message>
        <source>radio %1 (%2) would get the ID %3, which has no 7-digit form</source>
        <translation>la radio %1 (%2) recibiría el ID %3, que no cabe en 7 dígitos</translation>
    </message>
    <message>
        <source>radio %1 (%2) would get the ID %3, which the radio does not take (0000001 to 9000000, not 1000000, 2000000, ... 9000000): choose another start or step</source>
        <translation>la radio %1 (%2) recibiría el ID %3, que la radio no admite (0000001 a 9000000, salvo 1000000, 2000000, ... 9000000): elija otro inicio u otro incremento</translation>
    </message>
    <message>
        <source>radios %1 and %2 would both be named &quot;%3&quot; once cut to the radio&apos;s 8 characters: shorten the pattern or put the ID&apos;s digits first</source>
        <translation>las radios %1 y %2 se llamarían ambas «%3» al recortarse a los 8 caracteres de la radio: acorte el patrón o ponga primero los dígitos del ID</translation>
    </message>
    <message>
        <source>every radio needs an ID of its own, but the step repeats %1</source>
        <translation>cada radio necesita su propio ID, pero el incremento repite %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>ID %1 on %2</source>
        <translation>ID %1 en %2</translation>
    </message>
    <message>
        <source>wire trace: %1</source>
        <translation>traza de la transferencia: %1</translation>
    </message>
    <message>
        <source>stopped before its configuration was sent</source>
        <translation>detenida antes de enviar su configuración</translation>
    </message>
    <message>
        <source>no read backup kept: there is no folder for backups</source>
        <translation>no se ha guardado copia de seguridad de la lectura: no hay carpeta para copias de seguridad</translation>
    </message>
    <message>
        <source>no write backup kept: there is no folder for backups</source>
        <translation>no se ha guardado copia de seguridad de la escritura: no hay carpeta para copias de seguridad</translation>
    </message>
    <message>
        <source>stopped while reading the radio; nothing was sent</source>
        <translation>detenida durante la lectura de la radio; no se ha enviado nada</translation>
    </message>
    <message>
        <source>two radios hold the same ID, so none was written: %1</source>
        <translation>dos radios tienen el mismo ID, así que no se ha escrito ninguna: %1</translation>
    </message>
    <message>
        <source>its squelch calibration could not be read, so nothing was sent: %1</source>
        <translation>no se ha podido leer su calibración del silenciador, así que no se ha enviado nada: %1</translation>
    </message>
    <message>
        <source>not written, after the warning: %1</source>
        <translation>no escrita, tras la advertencia: %1</translation>
    </message>
    <message>
        <source>its configuration has errors and was not sent: %1</source>
        <translation>su configuración tiene errores y no se ha enviado: %1</translation>
    </message>
    <message>
        <source>written despite errors: %1</source>
        <translation>escrita a pesar de los errores: %1</translation>
    </message>
    <message>
        <source>row</source>
        <translation>fila</translation>
    </message>
    <message>
        <source>radio %1</source>
        <translation>radio %1</translation>
    </message>
    <message>
        <source>line</source>
        <translation>línea</translation>
    </message>
    <message>
        <source>not run</source>
        <translation>no realizada</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>verificada</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>detenida</translation>
    </message>
    <message>
        <source>broke off</source>
        <translation>interrumpida</translation>
    </message>
    <message>
        <source>differs</source>
        <translation>difiere</translation>
    </message>
    <message>
        <source>not asked</source>
        <translation>no pedida</translation>
    </message>
</context>
<context>
    <name>form</name>
    <message>
        <source>printable ASCII characters only</source>
        <translation>solo caracteres ASCII imprimibles</translation>
    </message>
    <message>
        <source>digits only</source>
        <translation>solo dígitos</translation>
    </message>
    <message>
        <source>digits and a point only</source>
        <translation>solo dígitos y un punto</translation>
    </message>
    <message>
        <source>0-9, A-D, * and # only</source>
        <translation>solo 0-9, A-D, * y #</translation>
    </message>
    <message>
        <source>hexadecimal digits only</source>
        <translation>solo dígitos hexadecimales</translation>
    </message>
    <message>
        <source>%1 to %2 in steps of %3</source>
        <translation>%1 a %2 en pasos de %3</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>no entry of the list</source>
        <translation>no es una opción de la lista</translation>
    </message>
    <message>
        <source>band edges and the channel raster</source>
        <translation>límites de la banda y rejilla de canales</translation>
    </message>
    <message>
        <source>a CTCSS tone 60.0 to 280.0 Hz or a DCS code</source>
        <translation>un tono CTCSS de 60.0 a 280.0 Hz o un código DCS</translation>
    </message>
    <message>
        <source>0 or 1</source>
        <translation>0 o 1</translation>
    </message>
    <message>
        <source>at most %1 digits</source>
        <translation>como máximo %1 dígitos</translation>
    </message>
    <message>
        <source>at most %1 characters</source>
        <translation>como máximo %1 caracteres</translation>
    </message>
    <message>
        <source>7 digits up to 9000000, not one digit and six 0s</source>
        <translation>7 dígitos hasta 9000000, no un dígito seguido de seis 0</translation>
    </message>
    <message>
        <source>as the radio keeps it</source>
        <translation>tal como lo guarda la radio</translation>
    </message>
    <message>
        <source>%1: %2 stored as %3 (%4)</source>
        <translation>%1: %2 guardado como %3 (%4)</translation>
    </message>
</context>
<context>
    <name>image</name>
    <message>
        <source>&quot;%1&quot; is not a radio file: it holds %2 bytes; a radio file holds %3.</source>
        <translation>«%1» no es un archivo de radio: contiene %2 bytes; un archivo de radio contiene %3.</translation>
    </message>
    <message>
        <source>%1 holds %2 bytes, more than a radio image: only its first %3 bytes are loaded, and the rest is not kept.</source>
        <translation>%1 contiene %2 bytes, más que una imagen de radio: solo se cargan sus primeros %3 bytes, y el resto no se conserva.</translation>
    </message>
    <message>
        <source>Unexpected file format.
&quot;%1&quot; holds %2 bytes; a radio file holds %3.</source>
        <translation>Formato de archivo inesperado.
«%1» contiene %2 bytes; un archivo de radio contiene %3.</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sin título</translation>
    </message>
</context>
<context>
    <name>interchange</name>
    <message>
        <source>%1 row did not fit below channel 16: left out</source>
        <translation>%1 fila no cabía después del canal 16: se ha omitido</translation>
    </message>
    <message>
        <source>%1 rows did not fit below channel 16: left out</source>
        <translation>%1 filas no cabían después del canal 16: se han omitido</translation>
    </message>
    <message>
        <source>channel %1, %2: %3</source>
        <translation>canal %1, %2: %3</translation>
    </message>
    <message>
        <source>line %1: %2: row left out</source>
        <translation>línea %1: %2: fila omitida</translation>
    </message>
    <message>
        <source>%1 is no frequency</source>
        <translation>%1 no es una frecuencia</translation>
    </message>
    <message>
        <source>no Rx Freq</source>
        <translation>sin Frec. Rx</translation>
    </message>
    <message>
        <source>%1 is no frequency: left as it was</source>
        <translation>%1 no es una frecuencia: se deja como estaba</translation>
    </message>
    <message>
        <source>the clipboard text is no table of channels: %1</source>
        <translation>el texto del portapapeles no es una tabla de canales: %1</translation>
    </message>
    <message>
        <source>the clipboard holds no channel rows</source>
        <translation>el portapapeles no contiene filas de canales</translation>
    </message>
    <message>
        <source>%1 %2 is not a frequency in MHz</source>
        <translation>%1 %2 no es una frecuencia en MHz</translation>
    </message>
    <message>
        <source>Duplex %1 is not empty, +, -, split or off</source>
        <translation>Duplex %1 no es vacío, +, -, split ni off</translation>
    </message>
    <message>
        <source>Offset %1 is not a number of MHz</source>
        <translation>Offset %1 no es un número de MHz</translation>
    </message>
    <message>
        <source>Offset %1 is 10000 MHz or more, no frequency to transmit on</source>
        <translation>Offset %1 es de 10000 MHz o más: no hay frecuencia en la que transmitir</translation>
    </message>
    <message>
        <source>Frequency %1 Offset gives %2 MHz, no frequency to transmit on</source>
        <translation>Frequency %1 Offset da %2 MHz: no es una frecuencia en la que transmitir</translation>
    </message>
    <message>
        <source>Power %1 is not understood: set to %2</source>
        <translation>Power %1 no se entiende: se ajusta a %2</translation>
    </message>
    <message>
        <source>Skip %1 is not empty, S or P</source>
        <translation>Skip %1 no es vacío, S ni P</translation>
    </message>
    <message>
        <source>the first line must name the columns, Location and Frequency among them, as CHIRP writes it</source>
        <translation>la primera línea debe nombrar las columnas, entre ellas Location y Frequency, como la escribe CHIRP</translation>
    </message>
    <message>
        <source>%1: left out</source>
        <translation>%1: omitido</translation>
    </message>
    <message>
        <source>Location %1 is no channel of this radio (1-16)</source>
        <translation>Location %1 no es un canal de esta radio (1-16)</translation>
    </message>
    <message>
        <source>channel %1 is set on line %2</source>
        <translation>el canal %1 ya se ajusta en la línea %2</translation>
    </message>
    <message>
        <source>channel %1: Mode %2 is not available (FM and NFM only)</source>
        <translation>canal %1: Mode %2 no está disponible (solo FM y NFM)</translation>
    </message>
    <message>
        <source>channel %1 has no frequency</source>
        <translation>el canal %1 no tiene frecuencia</translation>
    </message>
    <message>
        <source>channel %1: %2</source>
        <translation>canal %1: %2</translation>
    </message>
    <message>
        <source>names are not kept: the radio has no channel names</source>
        <translation>los nombres no se conservan: la radio no tiene nombres de canal</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 está vacío</translation>
    </message>
    <message>
        <source>DtcsPolarity %1 is not NN, NR, RN or RR</source>
        <translation>DtcsPolarity %1 no es NN, NR, RN ni RR</translation>
    </message>
    <message>
        <source>tone mode %1 (reverse squelch) is not available: no tones</source>
        <translation>el modo de tono %1 (silenciador inverso) no está disponible: sin tonos</translation>
    </message>
    <message>
        <source>Tone %1 is not empty, Tone, TSQL, DTCS, TSQL-R, DTCS-R or Cross</source>
        <translation>Tone %1 no es vacío, Tone, TSQL, DTCS, TSQL-R, DTCS-R ni Cross</translation>
    </message>
    <message>
        <source>CrossMode %1 is not one of Tone-&gt;Tone, Tone-&gt;DTCS, DTCS-&gt;Tone, -&gt;Tone, -&gt;DTCS, DTCS-&gt;, DTCS-&gt;DTCS, Tone-&gt;</source>
        <translation>CrossMode %1 no es ninguno de Tone-&gt;Tone, Tone-&gt;DTCS, DTCS-&gt;Tone, -&gt;Tone, -&gt;DTCS, DTCS-&gt;, DTCS-&gt;DTCS, Tone-&gt;</translation>
    </message>
    <message>
        <source>more than %1 contacts</source>
        <translation>más de %1 contactos</translation>
    </message>
    <message>
        <source>the name %1 is already on line %2</source>
        <translation>el nombre %1 ya está en la línea %2</translation>
    </message>
    <message>
        <source>the name %1 is there twice</source>
        <translation>el nombre %1 aparece dos veces</translation>
    </message>
    <message>
        <source>the number %1 is already on line %2</source>
        <translation>el número %1 ya está en la línea %2</translation>
    </message>
    <message>
        <source>the number %1 is there twice</source>
        <translation>el número %1 aparece dos veces</translation>
    </message>
    <message>
        <source>contact %1: slot %2 is not a free slot 1 to 64</source>
        <translation>contacto %1: la posición %2 no es una posición libre de 1 a 64</translation>
    </message>
    <message>
        <source>channel %1: %2 is not an entry of &quot;%3&quot;</source>
        <translation>canal %1: %2 no es una opción de «%3»</translation>
    </message>
    <message>
        <source>channel %1 %2: %3</source>
        <translation>canal %1 %2: %3</translation>
    </message>
    <message>
        <source>%1 (%2) is greyed out in the dialog</source>
        <translation>%1 (%2) está inactivo en el diálogo</translation>
    </message>
    <message>
        <source>%1 (%2) is greyed out in the dialog: %3</source>
        <translation>%1 (%2) está inactivo en el diálogo: %3</translation>
    </message>
    <message>
        <source>line %1, column %2: %3</source>
        <translation>línea %1, columna %2: %3</translation>
    </message>
    <message>
        <source>the byte at %1 is not one no field owns</source>
        <translation>el byte en %1 pertenece a un campo, no a los bytes sin campo</translation>
    </message>
    <message>
        <source>group rx list %1: %2</source>
        <translation>lista Rx de grupos %1: %2</translation>
    </message>
    <message>
        <source>the byte at %1 is not a byte of the contacts</source>
        <translation>el byte en %1 no es un byte de los contactos</translation>
    </message>
    <message>
        <source>the control character %1 is not allowed in a YAML file</source>
        <translation>el carácter de control %1 no está permitido en un archivo YAML</translation>
    </message>
    <message>
        <source>a backslash before %1 starts no YAML escape sequence (a backslash itself is written \\)</source>
        <translation>una barra invertida antes de %1 no inicia ninguna secuencia de escape YAML (una barra invertida se escribe \\)</translation>
    </message>
    <message>
        <source>YAML syntax: %1</source>
        <translation>Sintaxis YAML: %1</translation>
    </message>
    <message>
        <source>%1: expected a text, not a list or mapping</source>
        <translation>%1: se esperaba un texto, no una lista ni un mapeo</translation>
    </message>
    <message>
        <source>%1: expected a number from %2 to %3</source>
        <translation>%1: se esperaba un número de %2 a %3</translation>
    </message>
    <message>
        <source>%1: expected %2 bytes as hexadecimal digits</source>
        <translation>%1: se esperaban %2 bytes en dígitos hexadecimales</translation>
    </message>
    <message>
        <source>%1: expected bytes as hexadecimal digits</source>
        <translation>%1: se esperaban bytes en dígitos hexadecimales</translation>
    </message>
    <message>
        <source>%1: expected a mapping</source>
        <translation>%1: se esperaba un mapeo</translation>
    </message>
    <message>
        <source>%1: expected a list</source>
        <translation>%1: se esperaba una lista</translation>
    </message>
    <message>
        <source>%1: more than %2 entries</source>
        <translation>%1: más de %2 entradas</translation>
    </message>
    <message>
        <source>%1: %2 is not an address 0x0000 to 0x3FFF</source>
        <translation>%1: %2 no es una dirección de 0x0000 a 0x3FFF</translation>
    </message>
    <message>
        <source>%1: unknown key %2 (see dpmrtool fields: the keys after &quot;channel%3.&quot;)</source>
        <translation>%1: clave desconocida %2 (véase dpmrtool fields: las claves tras «channel%3.»)</translation>
    </message>
    <message>
        <source>unknown settings page %1 (see dpmrtool fields)</source>
        <translation>página de ajustes desconocida %1 (véase dpmrtool fields)</translation>
    </message>
    <message>
        <source>unknown key %1 (see dpmrtool fields)</source>
        <translation>clave desconocida %1 (véase dpmrtool fields)</translation>
    </message>
    <message>
        <source>%1: unknown key %2 (value or bytes)</source>
        <translation>%1: clave desconocida %2 (value o bytes)</translation>
    </message>
    <message>
        <source>contact type: %1 is not an entry of &quot;Type&quot; (&quot;%2&quot;, &quot;%3&quot;)</source>
        <translation>tipo de contacto: %1 no es una opción de «Tipo» («%2», «%3»)</translation>
    </message>
    <message>
        <source>contact: unknown key %1 (name, number, type, slot)</source>
        <translation>contacto: clave desconocida %1 (name, number, type, slot)</translation>
    </message>
    <message>
        <source>%1: unknown key %2 (members or bytes)</source>
        <translation>%1: clave desconocida %2 (members o bytes)</translation>
    </message>
    <message>
        <source>%1: expected a list of contact names</source>
        <translation>%1: se esperaba una lista de nombres de contacto</translation>
    </message>
    <message>
        <source>expected a dpmrcps codeplug (a mapping with format: 1)</source>
        <translation>se esperaba un codeplug de dpmrcps (un mapeo con format: 1)</translation>
    </message>
    <message>
        <source>format %1 is not one this program reads (%2)</source>
        <translation>este programa no lee el formato %1 (%2)</translation>
    </message>
    <message>
        <source>unknown key %1</source>
        <translation>clave desconocida %1</translation>
    </message>
    <message>
        <source>no &quot;format&quot;: not a dpmrcps codeplug</source>
        <translation>sin «format»: no es un codeplug de dpmrcps</translation>
    </message>
    <message>
        <source>lists and mappings are nested %1 deep here; a codeplug nests at most 4</source>
        <translation>aquí las listas y los mapeos están anidados en %1 niveles; un codeplug anida como máximo 4</translation>
    </message>
    <message>
        <source>the key %1 is given twice in one mapping, on line %2</source>
        <translation>la clave %1 aparece dos veces en un mismo mapeo, en la línea %2</translation>
    </message>
    <message>
        <source>the key %1 is given twice in one mapping, on lines %2 and %3</source>
        <translation>la clave %1 aparece dos veces en un mismo mapeo, en las líneas %2 y %3</translation>
    </message>
</context>
<context>
    <name>link</name>
    <message>
        <source>install the udev rule %1 (the dpmrcps package does; from the sources: sudo cp res/linux/%1 /etc/udev/rules.d/), then: sudo udevadm control --reload &amp;&amp; sudo udevadm trigger --subsystem-match=tty</source>
        <translation>instale la regla udev %1 (el paquete dpmrcps lo hace; desde las fuentes: sudo cp res/linux/%1 /etc/udev/rules.d/), y después: sudo udevadm control --reload &amp;&amp; sudo udevadm trigger --subsystem-match=tty</translation>
    </message>
    <message>
        <source>%1 is not a serial port</source>
        <translation>%1 no es un puerto serie</translation>
    </message>
    <message>
        <source>choose the cable&apos;s port, such as /dev/ttyUSB0 (dpmrtool ports lists them)</source>
        <translation>elija el puerto del cable, como /dev/ttyUSB0 (dpmrtool ports los enumera)</translation>
    </message>
    <message>
        <source>the system refused to open %1 although its permissions allow it</source>
        <translation>el sistema se ha negado a abrir %1 aunque sus permisos lo permiten</translation>
    </message>
    <message>
        <source>a sandbox (a snap or flatpak package) or a security policy keeps the program from the device: run the program installed from the Debian package or built from the sources</source>
        <translation>un entorno aislado (un paquete snap o flatpak) o una política de seguridad impide al programa acceder al dispositivo: ejecute el programa instalado desde el paquete Debian o compilado desde las fuentes</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2</source>
        <translation>no se ha podido abrir %1: %2</translation>
    </message>
    <message>
        <source>plug the cable in again; if that does not help, restart the computer</source>
        <translation>vuelva a conectar el cable; si no sirve, reinicie el ordenador</translation>
    </message>
    <message>
        <source>%1 does not exist: the cable is not plugged in, or its port has another name now</source>
        <translation>%1 no existe: el cable no está conectado, o su puerto tiene ahora otro nombre</translation>
    </message>
    <message>
        <source>plug the cable into the computer and the radio, then choose the port that appears (dpmrtool ports lists them; Setting &gt; Port shows them as they come)</source>
        <translation>conecte el cable al ordenador y a la radio, y elija el puerto que aparezca (dpmrtool ports los enumera; Configuración &gt; Puerto los muestra según aparecen)</translation>
    </message>
    <message>
        <source>brltty (a braille display driver) is installed and claims USB serial adapters (%1): if the port disappeared right after the cable was plugged in, brltty took it</source>
        <translation>brltty (un controlador de líneas braille) está instalado y reclama los adaptadores serie USB (%1): si el puerto desapareció justo después de conectar el cable, se lo ha quedado brltty</translation>
    </message>
    <message>
        <source>without a braille display: sudo apt remove brltty, then plug the cable in again; with one: comment out the line for the cable&apos;s chip in %1</source>
        <translation>sin línea braille: sudo apt remove brltty, y vuelva a conectar el cable; con una: comente la línea del chip del cable en %1</translation>
    </message>
    <message>
        <source>brltty&apos;s udev rules</source>
        <translation>las reglas udev de brltty</translation>
    </message>
    <message>
        <source>a virtual port (a pseudo-terminal), such as the virtual radio&apos;s: no cable</source>
        <translation>un puerto virtual (un pseudoterminal), como el de la radio virtual: sin cable</translation>
    </message>
    <message>
        <source>USB serial adapter: USB %1</source>
        <translation>adaptador serie USB: USB %1</translation>
    </message>
    <message>
        <source>%1 cable: USB %2</source>
        <translation>cable %1: USB %2</translation>
    </message>
    <message>
        <source>, driver %1</source>
        <translation>, controlador %1</translation>
    </message>
    <message>
        <source>, also %1</source>
        <translation>, también %1</translation>
    </message>
    <message>
        <source>a Bluetooth serial port, not the radio&apos;s programming cable</source>
        <translation>un puerto serie Bluetooth, no el cable de programación de la radio</translation>
    </message>
    <message>
        <source>plug the programming cable in and choose its port (/dev/ttyUSB0 or /dev/ttyACM0)</source>
        <translation>conecte el cable de programación y elija su puerto (/dev/ttyUSB0 o /dev/ttyACM0)</translation>
    </message>
    <message>
        <source>a serial port built into the computer: a USB programming cable is named ttyUSB or ttyACM</source>
        <translation>un puerto serie integrado en el ordenador: un cable de programación USB se llama ttyUSB o ttyACM</translation>
    </message>
    <message>
        <source>a serial port built into the computer, driver %1: a USB programming cable is named ttyUSB or ttyACM</source>
        <translation>un puerto serie integrado en el ordenador, controlador %1: un cable de programación USB se llama ttyUSB o ttyACM</translation>
    </message>
    <message>
        <source> (owner %1, group %2, mode %3)</source>
        <translation> (propietario %1, grupo %2, modo %3)</translation>
    </message>
    <message>
        <source>your user %1 was added to the group %2, which may open %3, but this session started before and does not have the group yet</source>
        <translation>su usuario %1 se ha añadido al grupo %2, que puede abrir %3, pero esta sesión empezó antes y todavía no tiene el grupo</translation>
    </message>
    <message>
        <source>log out and in again (or restart the computer); until then, &apos;newgrp %1&apos; starts a shell that has it</source>
        <translation>cierre la sesión y vuelva a entrar (o reinicie el ordenador); mientras tanto, &apos;newgrp %1&apos; abre un shell que lo tiene</translation>
    </message>
    <message>
        <source>your user %1 is not in the group %2, which may open %3%4</source>
        <translation>su usuario %1 no pertenece al grupo %2, que puede abrir %3%4</translation>
    </message>
    <message>
        <source>sudo adduser %1 %2, then log out and in again</source>
        <translation>sudo adduser %1 %2; después cierre la sesión y vuelva a entrar</translation>
    </message>
    <message>
        <source>only root may open %1%2</source>
        <translation>solo root puede abrir %1%2</translation>
    </message>
    <message>
        <source>only its owner may open %1%2</source>
        <translation>solo su propietario puede abrir %1%2</translation>
    </message>
    <message>
        <source>%1; it gives the group dialout the programming cables: then sudo adduser %2 dialout, and log out and in again</source>
        <translation>%1; la regla da al grupo dialout acceso a los cables de programación: después, sudo adduser %2 dialout, y cierre la sesión y vuelva a entrar</translation>
    </message>
    <message>
        <source>%1 (process %2)</source>
        <translation>%1 (proceso %2)</translation>
    </message>
    <message>
        <source>a program</source>
        <translation>un programa</translation>
    </message>
    <message>
        <source>close the other program, then try again</source>
        <translation>cierre el otro programa y vuelva a intentarlo</translation>
    </message>
    <message>
        <source>close %1 (or end it: kill %2), then try again</source>
        <translation>cierre %1 (o termínelo: kill %2) y vuelva a intentarlo</translation>
    </message>
    <message>
        <source>that program</source>
        <translation>ese programa</translation>
    </message>
    <message>
        <source>%1 is in use by another program%2</source>
        <translation>%1 está en uso por otro programa%2</translation>
    </message>
    <message>
        <source>the udev rule %1 is not installed: it keeps ModemManager away from the cable and gives the group dialout access to it</source>
        <translation>la regla udev %1 no está instalada: mantiene a ModemManager alejado del cable y da al grupo dialout acceso a él</translation>
    </message>
    <message>
        <source>the udev rule %1 does not name this cable&apos;s chip (USB %2)</source>
        <translation>la regla udev %1 no nombra el chip de este cable (USB %2)</translation>
    </message>
    <message>
        <source>add a line for it to the rule (a copy of one of its lines with idVendor %1 and idProduct %2), then: sudo udevadm control --reload &amp;&amp; sudo udevadm trigger --subsystem-match=tty</source>
        <translation>añada a la regla una línea para él (una copia de una de sus líneas con idVendor %1 e idProduct %2), y después: sudo udevadm control --reload &amp;&amp; sudo udevadm trigger --subsystem-match=tty</translation>
    </message>
    <message>
        <source>the udev rule %1 names this cable&apos;s chip but has not been applied to %2 yet</source>
        <translation>la regla udev %1 nombra el chip de este cable, pero todavía no se ha aplicado a %2</translation>
    </message>
    <message>
        <source>plug the cable in again, or run: sudo udevadm trigger --subsystem-match=tty</source>
        <translation>vuelva a conectar el cable, o ejecute: sudo udevadm trigger --subsystem-match=tty</translation>
    </message>
    <message>
        <source>ModemManager is running and has not been told to leave %1 alone: it may send AT commands to the cable for several seconds after it is plugged in, and a Read or Write started then fails</source>
        <translation>ModemManager se está ejecutando sin que se le haya dicho que deje en paz %1: puede enviar órdenes AT al cable durante varios segundos después de conectarlo, y una lectura o escritura iniciada entonces falla</translation>
    </message>
    <message>
        <source>%1, and plug the cable in again; or stop ModemManager: sudo systemctl stop ModemManager</source>
        <translation>%1, y vuelva a conectar el cable; o detenga ModemManager: sudo systemctl stop ModemManager</translation>
    </message>
    <message>
        <source>plug the cable in again; or stop ModemManager: sudo systemctl stop ModemManager</source>
        <translation>vuelva a conectar el cable; o detenga ModemManager: sudo systemctl stop ModemManager</translation>
    </message>
    <message>
        <source>brltty (a braille display driver) is installed and its udev rules claim this cable&apos;s chip (USB %1): it may take the cable, and the port disappears right after it is plugged in</source>
        <translation>brltty (un controlador de líneas braille) está instalado y sus reglas udev reclaman el chip de este cable (USB %1): puede quedarse con el cable, y el puerto desaparece justo después de conectarlo</translation>
    </message>
    <message>
        <source>virtual port %1</source>
        <translation>puerto virtual %1</translation>
    </message>
    <message>
        <source>%1 cable on %2</source>
        <translation>cable %1 en %2</translation>
    </message>
    <message>
        <source>USB serial adapter on %1</source>
        <translation>adaptador serie USB en %1</translation>
    </message>
    <message>
        <source>USB serial adapter (%1) on %2</source>
        <translation>adaptador serie USB (%1) en %2</translation>
    </message>
    <message>
        <source>Bluetooth serial port on %1</source>
        <translation>puerto serie Bluetooth en %1</translation>
    </message>
    <message>
        <source>%1 (built-in serial port)</source>
        <translation>%1 (puerto serie integrado)</translation>
    </message>
    <message>
        <source>Problem: %1</source>
        <translation>Problema: %1</translation>
    </message>
    <message>
        <source>Warning: %1</source>
        <translation>Advertencia: %1</translation>
    </message>
    <message>
        <source>Fix: %1</source>
        <translation>Solución: %1</translation>
    </message>
    <message>
        <source>%1: can be used</source>
        <translation>%1: se puede usar</translation>
    </message>
    <message>
        <source>%1: cannot be used</source>
        <translation>%1: no se puede usar</translation>
    </message>
    <message>
        <source>%1: add your user to the dialout group and log in again</source>
        <translation>%1: añada su usuario al grupo dialout y vuelva a iniciar sesión</translation>
    </message>
    <message>
        <source>in use by another program</source>
        <translation>en uso por otro programa</translation>
    </message>
    <message>
        <source>no port is chosen: choose one under Setting &gt; Port</source>
        <translation>no se ha elegido ningún puerto: elija uno en Configuración &gt; Puerto</translation>
    </message>
    <message>
        <source>not a serial port</source>
        <translation>no es un puerto serie</translation>
    </message>
    <message>
        <source>the radio holds other values for %1 and %2 more.</source>
        <translation>la radio contiene otros valores en %1 y %2 más.</translation>
    </message>
    <message>
        <source>the radio holds other values for %1.</source>
        <translation>la radio contiene otros valores en %1.</translation>
    </message>
    <message>
        <source>there is no home folder to keep it in</source>
        <translation>no hay carpeta personal donde guardarla</translation>
    </message>
    <message>
        <source>cannot make the folder &quot;%1&quot;: %2</source>
        <translation>no se puede crear la carpeta «%1»: %2</translation>
    </message>
    <message>
        <source>cannot write &quot;%1&quot;: %2</source>
        <translation>no se puede escribir «%1»: %2</translation>
    </message>
    <message>
        <source>too many traces within the same second</source>
        <translation>demasiadas trazas en el mismo segundo</translation>
    </message>
    <message>
        <source>the transfer broke off at address %1</source>
        <translation>la transferencia se interrumpió en la dirección %1</translation>
    </message>
    <message>
        <source>Cound not open the port.</source>
        <translation>No se ha podido abrir el puerto.</translation>
    </message>
    <message>
        <source>Cound not open the port</source>
        <translation>No se ha podido abrir el puerto</translation>
    </message>
    <message>
        <source>Could ont open the port</source>
        <translation>No se ha podido abrir el puerto</translation>
    </message>
    <message>
        <source>Communication error</source>
        <translation>Error de comunicación</translation>
    </message>
    <message>
        <source>Read successfully</source>
        <translation>Leído correctamente</translation>
    </message>
    <message>
        <source>Write successfully</source>
        <translation>Escrito correctamente</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Correcto</translation>
    </message>
    <message>
        <source>Verify failed</source>
        <translation>Verificación fallida</translation>
    </message>
    <message>
        <source>Written and verified, except the 24-byte closing block, which the radio does not send back</source>
        <translation>Escrito y verificado, salvo el bloque de cierre de 24 bytes, que la radio no devuelve</translation>
    </message>
    <message>
        <source>Write again before using the radio.</source>
        <translation>Vuelva a escribir antes de usar la radio.</translation>
    </message>
    <message>
        <source>The write was completed; the read-back broke off while verifying.</source>
        <translation>La escritura se completó; la relectura se interrumpió durante la verificación.</translation>
    </message>
    <message>
        <source>The write was completed; checking it was stopped before the end.</source>
        <translation>La escritura se completó; su comprobación se detuvo antes del final.</translation>
    </message>
    <message>
        <source>no answer from the radio: is it switched on and the cable plugged in?</source>
        <translation>la radio no responde: ¿está encendida y con el cable conectado?</translation>
    </message>
    <message>
        <source>the radio did not answer the wake-up with &apos;A&apos;</source>
        <translation>la radio no ha respondido con &apos;A&apos; a la señal de activación</translation>
    </message>
    <message>
        <source>the radio&apos;s identity block was cut short</source>
        <translation>el bloque de identidad de la radio ha llegado incompleto</translation>
    </message>
    <message>
        <source>the radio did not confirm the opening exchange</source>
        <translation>la radio no ha confirmado el intercambio de apertura</translation>
    </message>
    <message>
        <source>The radio may now hold a partly written configuration: write it again before using it.</source>
        <translation>Ahora la radio puede contener una configuración escrita a medias: vuelva a escribirla antes de usarla.</translation>
    </message>
    <message>
        <source>The wire trace was not kept: %1</source>
        <translation>No se ha conservado la traza de la transferencia: %1</translation>
    </message>
    <message>
        <source>The wire trace was not written: %1</source>
        <translation>No se ha escrito la traza de la transferencia: %1</translation>
    </message>
    <message>
        <source>Wire trace: %1</source>
        <translation>Traza de la transferencia: %1</translation>
    </message>
    <message>
        <source>cannot open a pseudo-terminal</source>
        <translation>no se puede abrir un pseudoterminal</translation>
    </message>
    <message>
        <source>cannot set up the pseudo-terminal</source>
        <translation>no se puede configurar el pseudoterminal</translation>
    </message>
    <message>
        <source>cannot open %1</source>
        <translation>no se puede abrir %1</translation>
    </message>
    <message>
        <source>cannot watch %1</source>
        <translation>no se puede vigilar %1</translation>
    </message>
    <message>
        <source>cannot create a pipe</source>
        <translation>no se puede crear una tubería</translation>
    </message>
</context>
<context>
    <name>reference</name>
    <message>
        <source>%1, rows 1 to %2</source>
        <translation>%1, filas 1 a %2</translation>
    </message>
    <message>
        <source>%1 %2 to %3</source>
        <translation>%1 %2 a %3</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>not shown</source>
        <translation>no visible</translation>
    </message>
    <message>
        <source>(factory)</source>
        <translation>(fábrica)</translation>
    </message>
    <message>
        <source>Settings reference</source>
        <translation>Referencia de ajustes</translation>
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
        <translation>&lt;p&gt;Todos los ajustes de la ventana y de los diálogos, con lo que hace cada uno en la radio,
agrupados por diálogo y página. Los nombres en letra &lt;code&gt;code&lt;/code&gt; son las claves que usan
&lt;code&gt;dpmrtool get&lt;/code&gt; y &lt;code&gt;dpmrtool set&lt;/code&gt; y el codeplug YAML
(&lt;code&gt;channelN&lt;/code&gt; representa de &lt;code&gt;channel1&lt;/code&gt; a &lt;code&gt;channel16&lt;/code&gt;).
Un ajuste marcado como &lt;i&gt;no visible&lt;/i&gt; no tiene control en su diálogo: el programa lo
conserva tal como lo guardó la radio. &lt;i&gt;(fábrica)&lt;/i&gt; marca los diálogos de ajuste
y calibración de fábrica de la radio.&lt;/p&gt;
</translation>
    </message>
</context>
<context>
    <name>report</name>
    <message>
        <source>version and build, OS, kernel, Qt</source>
        <translation>versión y compilación, sistema operativo, kernel, Qt</translation>
    </message>
    <message>
        <source>the connection doctor&apos;s findings for every port</source>
        <translation>los resultados del diagnóstico de la conexión para cada puerto</translation>
    </message>
    <message>
        <source>the settings file %1</source>
        <translation>el archivo de ajustes %1</translation>
    </message>
    <message>
        <source>the list of backups (names only, not the files)</source>
        <translation>la lista de copias de seguridad (solo los nombres, no los archivos)</translation>
    </message>
    <message>
        <source>a wire trace of a transfer, the radio&apos;s identity blanked</source>
        <translation>una traza de una transferencia, con la identidad de la radio borrada</translation>
    </message>
    <message>
        <source>the open configuration, its radio ID, name, contacts and codes replaced</source>
        <translation>la configuración abierta, con su ID de radio, nombre, contactos y códigos sustituidos</translation>
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
        <translation>La banda tiene %1 puntos; la radio guarda %2 valores de silenciador, así que solo se muestran de %3 a %4 MHz.</translation>
    </message>
</context>
<context>
    <name>util</name>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>line %1, column %2: the byte %3 is not UTF-8 text: save the file as UTF-8</source>
        <translation>línea %1, columna %2: el byte %3 no es texto UTF-8: guarde el archivo como UTF-8</translation>
    </message>
    <message>
        <source>a quoted field is not closed</source>
        <translation>un campo entre comillas no está cerrado</translation>
    </message>
    <message>
        <source>text after the closing quote of a field</source>
        <translation>texto tras las comillas de cierre de un campo</translation>
    </message>
    <message>
        <source>a quote inside a field that does not start with one</source>
        <translation>unas comillas dentro de un campo que no empieza con comillas</translation>
    </message>
    <message>
        <source>the first line must be %1</source>
        <translation>la primera línea debe ser %1</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2.</source>
        <translation>No se puede abrir «%1»: %2.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: it is a folder.</source>
        <translation>No se puede abrir «%1»: es una carpeta.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: it is not a regular file.</source>
        <translation>No se puede abrir «%1»: no es un archivo normal.</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2.</source>
        <translation>No se puede leer «%1»: %2.</translation>
    </message>
    <message>
        <source>Cannot save &quot;%1&quot;: %2</source>
        <translation>No se puede guardar «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot save: no file name given.</source>
        <translation>No se puede guardar: no se ha indicado ningún nombre de archivo.</translation>
    </message>
    <message>
        <source>it is a folder.</source>
        <translation>es una carpeta.</translation>
    </message>
    <message>
        <source>it is not a regular file (a device or a pipe).</source>
        <translation>no es un archivo normal (es un dispositivo o una tubería).</translation>
    </message>
    <message>
        <source>%1: line %2, column %3: larger than 1 MiB, no %4 file</source>
        <translation>%1: línea %2, columna %3: más de 1 MiB, no es un archivo %4</translation>
    </message>
</context>
</TS>
