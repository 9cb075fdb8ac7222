<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name></name>
    <message id="Daily">
        <source></source>
        <translation>Giornaliera</translation>
    </message>
    <message id="Before an import">
        <source></source>
        <translation>Prima di un&apos;importazione</translation>
    </message>
    <message id="Before a restore">
        <source></source>
        <translation>Prima di un ripristino</translation>
    </message>
    <message id="Kept by hand">
        <source></source>
        <translation>Conservata manualmente</translation>
    </message>
    <message id="%1, damaged">
        <source></source>
        <translation>%1, danneggiata</translation>
    </message>
    <message id="Restore “%1” From Backup">
        <source></source>
        <translation>Ripristina «%1» da un backup</translation>
    </message>
    <message id="Snapshots are kept every day, before each import and before each restore. Open one to look at it or to import records from it, or restore the whole collection as it was.">
        <source></source>
        <translation>Le istantanee vengono conservate ogni giorno, prima di ogni importazione e prima di ogni ripristino. Aprine una per consultarla o per importarne dei dati, oppure ripristina l&apos;intera collezione com&apos;era.</translation>
    </message>
    <message id="Snapshots">
        <source></source>
        <translation>Istantanee</translation>
    </message>
    <message id="&amp;Open Backup">
        <source></source>
        <translation>&amp;Apri backup</translation>
    </message>
    <message id="&amp;Restore…">
        <source></source>
        <translation>&amp;Ripristina…</translation>
    </message>
    <message id="Spinora cannot set a daily reminder on this desktop: its login entry %1 could not be written.">
        <source></source>
        <translation>Spinora non può impostare un promemoria giornaliero su questo desktop: non è stato possibile scrivere la sua voce di avvio %1.</translation>
    </message>
    <message id="This desktop cannot wake Spinora at a set time, so it will look for plants to water each time you log in instead of every day at %1.">
        <source></source>
        <translation>Questo desktop non può avviare Spinora a un orario stabilito, quindi cercherà le piante da annaffiare a ogni accesso invece che ogni giorno alle %1.</translation>
    </message>
    <message id="Restore From Backup…">
        <source></source>
        <translation>Ripristina da backup…</translation>
    </message>
    <message id="&amp;Keep snapshots of each collection: daily, and before each import or restore">
        <source></source>
        <translation>&amp;Conserva istantanee di ogni collezione: ogni giorno e prima di ogni importazione o ripristino</translation>
    </message>
    <message id="&amp;Folder:">
        <source></source>
        <translation>Car&amp;tella:</translation>
    </message>
    <message id="C&amp;hoose…">
        <source></source>
        <translation>&amp;Scegli…</translation>
    </message>
    <message id=" GB">
        <source></source>
        <translation> GB</translation>
    </message>
    <message id="&amp;Use at most:">
        <source></source>
        <translation>&amp;Usa al massimo:</translation>
    </message>
    <message id="Snapshot Folder">
        <source></source>
        <translation>Cartella delle istantanee</translation>
    </message>
    <message id="Restore Snapshot">
        <source></source>
        <translation>Ripristina istantanea</translation>
    </message>
    <message id="Open Anyway">
        <source></source>
        <translation>Apri comunque</translation>
    </message>
    <message id="Its photo file “%1” is missing.">
        <source></source>
        <translation>Manca il suo file di foto «%1».</translation>
    </message>
    <message id="The collection “%1” is damaged, so it was not opened.">
        <source></source>
        <translation>La collezione «%1» è danneggiata, quindi non è stata aperta.</translation>
    </message>
    <message id="There is no snapshot of it to restore.">
        <source></source>
        <translation>Non esiste alcuna istantanea da ripristinare.</translation>
    </message>
    <message id="The snapshot could not be restored: %1">
        <source></source>
        <translation>Impossibile ripristinare l&apos;istantanea: %1</translation>
    </message>
    <message id="%1. The collection is open as usual; free some space or choose another backup folder in Preferences.">
        <source></source>
        <translation>%1. La collezione è aperta normalmente; libera spazio o scegli un&apos;altra cartella di backup nelle Preferenze.</translation>
    </message>
    <message id="Restore “%1” as it was on %2?">
        <source></source>
        <translation>Ripristinare «%1» com&apos;era il %2?</translation>
    </message>
    <message id="Restore">
        <source></source>
        <translation>Ripristina</translation>
    </message>
    <message id="The collection was not restored: %1">
        <source></source>
        <translation>La collezione non è stata ripristinata: %1</translation>
    </message>
    <message id="Spinora">
        <source></source>
        <translation>Spinora</translation>
    </message>
    <message id="Spinora Lite">
        <source></source>
        <translation>Spinora Lite</translation>
    </message>
    <message id="No devices found. Load Spinora on your iPhone, iPad, or iPod touch, and select Backup Database or Export Data on the Tools screen.">
        <source></source>
        <translation>Nessun dispositivo trovato. Avvia Spinora sul tuo iPhone, iPad o iPod touch e seleziona Backup Database o Export Data nella schermata Tools.</translation>
    </message>
    <message id="No devices found. Load Spinora on your iPhone, iPad, or iPod touch, and select Restore Database or Import Data on the Tools screen.">
        <source></source>
        <translation>Nessun dispositivo trovato. Avvia Spinora sul tuo iPhone, iPad o iPod touch e seleziona Restore Database o Import Data nella schermata Tools.</translation>
    </message>
    <message id="Select a device from the list.">
        <source></source>
        <translation>Seleziona un dispositivo dall&apos;elenco.</translation>
    </message>
    <message id="No devices found: the search for devices on the network failed (%1). It needs the avahi-daemon service: start it (for example with &quot;systemctl start avahi-daemon&quot;), then open this window again.">
        <source></source>
        <translation>Nessun dispositivo trovato: la ricerca di dispositivi in rete non è riuscita (%1). Richiede il servizio avahi-daemon: avvialo (ad esempio con &quot;systemctl start avahi-daemon&quot;), poi riapri questa finestra.</translation>
    </message>
    <message id="it stopped">
        <source></source>
        <translation>si è interrotta</translation>
    </message>
    <message id="Click the Export button to send the database to your device.">
        <source></source>
        <translation>Fai clic sul pulsante Esporta per inviare il database al tuo dispositivo.</translation>
    </message>
    <message id="Import Complete">
        <source></source>
        <translation>Importazione completata</translation>
    </message>
    <message id="Database import complete!">
        <source></source>
        <translation>Importazione del database completata!</translation>
    </message>
    <message id="Import Error">
        <source></source>
        <translation>Errore di importazione</translation>
    </message>
    <message id="An error occurred during the import! Database import was aborted and no changes were made.">
        <source></source>
        <translation>Si è verificato un errore durante l&apos;importazione! L&apos;importazione del database è stata interrotta e non è stata apportata alcuna modifica.</translation>
    </message>
    <message id="WARNING">
        <source></source>
        <translation>ATTENZIONE</translation>
    </message>
    <message id="Error transferring database!">
        <source></source>
        <translation>Errore durante il trasferimento del database!</translation>
    </message>
    <message id="Check Device">
        <source></source>
        <translation>Controlla il dispositivo</translation>
    </message>
    <message id="Database transferred! Check your device for further instructions.">
        <source></source>
        <translation>Database trasferito! Controlla il dispositivo per ulteriori istruzioni.</translation>
    </message>
    <message id="No collection is open.">
        <source></source>
        <translation>Nessuna collezione aperta.</translation>
    </message>
    <message id="The request timed out.">
        <source></source>
        <translation>Tempo scaduto per la richiesta.</translation>
    </message>
    <message id="Not a device address: %1">
        <source></source>
        <translation>Non è l&apos;indirizzo di un dispositivo: %1</translation>
    </message>
    <message id="No folder for temporary files.">
        <source></source>
        <translation>Nessuna cartella per i file temporanei.</translation>
    </message>
    <message id="HTTP error %1">
        <source></source>
        <translation>Errore HTTP %1</translation>
    </message>
    <message id="The file on the device is larger than %1 MB.">
        <source></source>
        <translation>Il file sul dispositivo supera i %1 MB.</translation>
    </message>
    <message id="The device did not send a Spinora database.">
        <source></source>
        <translation>Il dispositivo non ha inviato un database di Spinora.</translation>
    </message>
    <message id="The device closed the connection before the whole file had arrived.">
        <source></source>
        <translation>Il dispositivo ha chiuso la connessione prima che arrivasse l&apos;intero file.</translation>
    </message>
    <message id="The downloaded file could not be written.">
        <source></source>
        <translation>Impossibile scrivere il file scaricato.</translation>
    </message>
    <message id="File read error">
        <source></source>
        <translation>Errore di lettura del file</translation>
    </message>
    <message id="Stream open error">
        <source></source>
        <translation>Errore di apertura del flusso</translation>
    </message>
    <message id="Network write error">
        <source></source>
        <translation>Errore di scrittura in rete</translation>
    </message>
    <message id="Import Options">
        <source></source>
        <translation>Opzioni di importazione</translation>
    </message>
    <message id="Cancel">
        <source></source>
        <translation>Annulla</translation>
    </message>
    <message id="Import">
        <source></source>
        <translation>Importa</translation>
    </message>
    <message id="Export">
        <source></source>
        <translation>Esporta</translation>
    </message>
    <message id="Importing Database">
        <source></source>
        <translation>Importazione del database</translation>
    </message>
    <message id="Exporting Database">
        <source></source>
        <translation>Esportazione del database</translation>
    </message>
    <message id="OK">
        <source></source>
        <translation>OK</translation>
    </message>
    <message id="A name is needed to save">
        <source></source>
        <translation>Per salvare serve un nome</translation>
    </message>
    <message id="Name">
        <source></source>
        <translation>Nome</translation>
    </message>
    <message id="Remove">
        <source></source>
        <translation>Rimuovi</translation>
    </message>
    <message id="Remove the currently selected species from the list.">
        <source></source>
        <translation>Rimuovi dall&apos;elenco la specie selezionata.</translation>
    </message>
    <message id="Species">
        <source></source>
        <translation>Specie</translation>
    </message>
    <message id="New species are automatically added to the list when saving the Cactus Info">
        <source></source>
        <translation>Le nuove specie vengono aggiunte automaticamente all&apos;elenco quando si salvano le informazioni del cactus</translation>
    </message>
    <message id="Type">
        <source></source>
        <translation>Tipo</translation>
    </message>
    <message id="Open…">
        <source></source>
        <translation>Apri…</translation>
    </message>
    <message id="Open the watering schedule">
        <source></source>
        <translation>Apri il programma di annaffiatura</translation>
    </message>
    <message id="Watering">
        <source></source>
        <translation>Annaffiatura</translation>
    </message>
    <message id="Next Watering">
        <source></source>
        <translation>Prossima annaffiatura</translation>
    </message>
    <message id="Plant Date">
        <source></source>
        <translation>Data d&apos;impianto</translation>
    </message>
    <message id="Age">
        <source></source>
        <translation>Età</translation>
    </message>
    <message id="Date Acquired">
        <source></source>
        <translation>Data di acquisto</translation>
    </message>
    <message id="Changing the Last Watered date may cause watering for this plant to become out of sync with its associated watering schedule">
        <source></source>
        <translation>Modificare la data dell&apos;ultima annaffiatura può desincronizzare l&apos;annaffiatura di questa pianta dal suo programma di annaffiatura</translation>
    </message>
    <message id="Remove Species">
        <source></source>
        <translation>Rimuovi specie</translation>
    </message>
    <message id="Purchase Price">
        <source></source>
        <translation>Prezzo di acquisto</translation>
    </message>
    <message id="Value">
        <source></source>
        <translation>Valore</translation>
    </message>
    <message id="Add Cactus">
        <source></source>
        <translation>Aggiungi cactus</translation>
    </message>
    <message id="Edit Cactus">
        <source></source>
        <translation>Modifica cactus</translation>
    </message>
    <message id="New Cactus">
        <source></source>
        <translation>Nuovo cactus</translation>
    </message>
    <message id="Cactus Info">
        <source></source>
        <translation>Informazioni sul cactus</translation>
    </message>
    <message id="Adding photos…">
        <source></source>
        <translation>Aggiunta delle foto…</translation>
    </message>
    <message id="Keep Editing">
        <source></source>
        <translation>Continua a modificare</translation>
    </message>
    <message id="%1: “%2” is not an amount such as %3.">
        <source></source>
        <translation>%1: «%2» non è un importo come %3.</translation>
    </message>
    <message id="%1: a whole number of %2 or more is needed.">
        <source></source>
        <translation>%1: serve un numero intero uguale o maggiore di %2.</translation>
    </message>
    <message id="%1: “%2” is not a whole number of %3 or more.">
        <source></source>
        <translation>%1: «%2» non è un numero intero uguale o maggiore di %3.</translation>
    </message>
    <message id="%1 can hold at most %2 characters.">
        <source></source>
        <translation>%1 può contenere al massimo %2 caratteri.</translation>
    </message>
    <message id="Of the %1 characters inserted, %2 fit.">
        <source></source>
        <translation>Dei %1 caratteri inseriti, ne entrano %2.</translation>
    </message>
    <message id="Insert the First %1">
        <source></source>
        <translation>Inserisci i primi %1</translation>
    </message>
    <message id="Insert Nothing">
        <source></source>
        <translation>Non inserire nulla</translation>
    </message>
    <message id="Just Watered">
        <source></source>
        <translation>Appena annaffiato</translation>
    </message>
    <message id="Last Watered">
        <source></source>
        <translation>Ultima annaffiatura</translation>
    </message>
    <message id="None Scheduled">
        <source></source>
        <translation>Non programmata</translation>
    </message>
    <message id="Reminder: No">
        <source></source>
        <translation>Promemoria: no</translation>
    </message>
    <message id="Reminder: Yes">
        <source></source>
        <translation>Promemoria: sì</translation>
    </message>
    <message id="An event name is needed to save">
        <source></source>
        <translation>Per salvare serve un nome di evento</translation>
    </message>
    <message id="Remove the event name from the list.">
        <source></source>
        <translation>Rimuovi il nome dell&apos;evento dall&apos;elenco.</translation>
    </message>
    <message id="Event">
        <source></source>
        <translation>Evento</translation>
    </message>
    <message id="Date">
        <source></source>
        <translation>Data</translation>
    </message>
    <message id="Reminder">
        <source></source>
        <translation>Promemoria</translation>
    </message>
    <message id="Open the cactus">
        <source></source>
        <translation>Apri il cactus</translation>
    </message>
    <message id="New…">
        <source></source>
        <translation>Nuovo…</translation>
    </message>
    <message id="Add a new cactus">
        <source></source>
        <translation>Aggiungi un nuovo cactus</translation>
    </message>
    <message id="Cactus">
        <source></source>
        <translation>Cactus</translation>
    </message>
    <message id="Remove Event">
        <source></source>
        <translation>Rimuovi evento</translation>
    </message>
    <message id="Unnamed Cactus">
        <source></source>
        <translation>Cactus senza nome</translation>
    </message>
    <message id="No Notes">
        <source></source>
        <translation>Nessuna nota</translation>
    </message>
    <message id="Note">
        <source></source>
        <translation>Nota</translation>
    </message>
    <message id="Add Log">
        <source></source>
        <translation>Aggiungi registrazione</translation>
    </message>
    <message id="Edit Log">
        <source></source>
        <translation>Modifica registrazione</translation>
    </message>
    <message id="New Log">
        <source></source>
        <translation>Nuova registrazione</translation>
    </message>
    <message id="Log Info">
        <source></source>
        <translation>Informazioni sulla registrazione</translation>
    </message>
    <message id="Photo %1">
        <source></source>
        <translation>Foto %1</translation>
    </message>
    <message id="Add Photo…">
        <source></source>
        <translation>Aggiungi foto…</translation>
    </message>
    <message id="Add photos from files">
        <source></source>
        <translation>Aggiungi foto da file</translation>
    </message>
    <message id="Caption">
        <source></source>
        <translation>Didascalia</translation>
    </message>
    <message id="Print">
        <source></source>
        <translation>Stampa</translation>
    </message>
    <message id="Photos">
        <source></source>
        <translation>Foto</translation>
    </message>
    <message id="Notes">
        <source></source>
        <translation>Note</translation>
    </message>
    <message id="“%1” is already open in another window. Finish editing it there first.">
        <source></source>
        <translation>«%1» è già aperto in un&apos;altra finestra. Termina prima le modifiche lì.</translation>
    </message>
    <message id="Cacti To Water">
        <source></source>
        <translation>Cactus da annaffiare</translation>
    </message>
    <message id="Close">
        <source></source>
        <translation>Chiudi</translation>
    </message>
    <message id="%1, Day">
        <source></source>
        <translation>%1, giorno</translation>
    </message>
    <message id="Water Every">
        <source></source>
        <translation>Annaffia ogni</translation>
    </message>
    <message id="Quantity">
        <source></source>
        <translation>Quantità</translation>
    </message>
    <message id="Clear Date">
        <source></source>
        <translation>Cancella data</translation>
    </message>
    <message id="No Water Between">
        <source></source>
        <translation>Niente acqua tra</translation>
    </message>
    <message id="Choose the cacti that follow this schedule">
        <source></source>
        <translation>Scegli i cactus che seguono questo programma</translation>
    </message>
    <message id="Add Cacti">
        <source></source>
        <translation>Aggiungi cactus</translation>
    </message>
    <message id="Remove the selected cacti from this schedule">
        <source></source>
        <translation>Rimuovi da questo programma i cactus selezionati</translation>
    </message>
    <message id="Remove Cacti">
        <source></source>
        <translation>Rimuovi cactus</translation>
    </message>
    <message id="Remove Cactus">
        <source></source>
        <translation>Rimuovi cactus</translation>
    </message>
    <message id="Add Watering Schedule">
        <source></source>
        <translation>Aggiungi programma di annaffiatura</translation>
    </message>
    <message id="Edit Watering Schedule">
        <source></source>
        <translation>Modifica programma di annaffiatura</translation>
    </message>
    <message id="New Watering Schedule">
        <source></source>
        <translation>Nuovo programma di annaffiatura</translation>
    </message>
    <message id="Watering Schedule Info">
        <source></source>
        <translation>Informazioni sul programma di annaffiatura</translation>
    </message>
    <message id="Never">
        <source></source>
        <translation>Mai</translation>
    </message>
    <message id="Example Cactus">
        <source></source>
        <translation>Cactus di esempio</translation>
    </message>
    <message id="Greenhouse">
        <source></source>
        <translation>Serra</translation>
    </message>
    <message id="One plant a line; empty columns are left out.">
        <source></source>
        <translation>Una pianta per riga; le colonne vuote vengono omesse.</translation>
    </message>
    <message id="Example Schedule">
        <source></source>
        <translation>Programma di esempio</translation>
    </message>
    <message id="Repotted">
        <source></source>
        <translation>Rinvasato</translation>
    </message>
    <message id="Cacti">
        <source></source>
        <translation>Cactus</translation>
    </message>
    <message id="Logs">
        <source></source>
        <translation>Registrazioni</translation>
    </message>
    <message id="%1 more fields could not be read and were not imported.">
        <source></source>
        <translation>Impossibile leggere altri %1 campi, che non sono stati importati.</translation>
    </message>
    <message id="No column of the mapping gives the plants' names.">
        <source></source>
        <translation>Nessuna colonna dell&apos;associazione indica i nomi delle piante.</translation>
    </message>
    <message id="(a column of plant names)">
        <source></source>
        <translation>(una colonna di nomi di piante)</translation>
    </message>
    <message id="%1. Nothing was imported. Free some space or choose another backup folder in Preferences, then try again.">
        <source></source>
        <translation>%1. Non è stato importato nulla. Libera spazio o scegli un&apos;altra cartella di backup nelle Preferenze, poi riprova.</translation>
    </message>
    <message id="The import was saved, but the collection could not be read again (%1), so it was taken back.">
        <source></source>
        <translation>L&apos;importazione è stata salvata, ma non è stato possibile rileggere la collezione (%1), quindi è stata annullata.</translation>
    </message>
    <message id="The import was saved, but the collection could not be read again (%1). This window still shows the collection as it was before: close it and open the collection again, or undo the import (Edit > Undo Import).">
        <source></source>
        <translation>L&apos;importazione è stata salvata, ma non è stato possibile rileggere la collezione (%1). Questa finestra mostra ancora la collezione com&apos;era prima: chiudila e riapri la collezione, oppure annulla l&apos;importazione (Modifica &gt; Annulla importazione).</translation>
    </message>
    <message id="The import was saved, but the collection could not be read again (%1). This window still shows the collection as it was before: close it and open the collection again.">
        <source></source>
        <translation>L&apos;importazione è stata salvata, ma non è stato possibile rileggere la collezione (%1). Questa finestra mostra ancora la collezione com&apos;era prima: chiudila e riapri la collezione.</translation>
    </message>
    <message id="Cacti imported: %1">
        <source></source>
        <translation>Cactus importati: %1</translation>
    </message>
    <message id="Watering schedules imported: %1">
        <source></source>
        <translation>Programmi di annaffiatura importati: %1</translation>
    </message>
    <message id="Logs imported: %1">
        <source></source>
        <translation>Registrazioni importate: %1</translation>
    </message>
    <message id="Not everything could be imported:">
        <source></source>
        <translation>Non è stato possibile importare tutto:</translation>
    </message>
    <message id="... and %1 more.">
        <source></source>
        <translation>... e altri %1.</translation>
    </message>
    <message id="Report Folder">
        <source></source>
        <translation>Cartella del resoconto</translation>
    </message>
    <message id="Report File">
        <source></source>
        <translation>File del resoconto</translation>
    </message>
    <message id="Export Options">
        <source></source>
        <translation>Opzioni di esportazione</translation>
    </message>
    <message id="Browse">
        <source></source>
        <translation>Sfoglia</translation>
    </message>
    <message id="Small photos">
        <source></source>
        <translation>Foto piccole</translation>
    </message>
    <message id="Medium photos">
        <source></source>
        <translation>Foto medie</translation>
    </message>
    <message id="Large photos">
        <source></source>
        <translation>Foto grandi</translation>
    </message>
    <message id="Extra-Large photos">
        <source></source>
        <translation>Foto molto grandi</translation>
    </message>
    <message id="Export to HTML Report">
        <source></source>
        <translation>Esporta in resoconto HTML</translation>
    </message>
    <message id="Choose Folder">
        <source></source>
        <translation>Scegli cartella</translation>
    </message>
    <message id="Exporting Report">
        <source></source>
        <translation>Esportazione del resoconto</translation>
    </message>
    <message id="Export Complete">
        <source></source>
        <translation>Esportazione completata</translation>
    </message>
    <message id="Report export complete!">
        <source></source>
        <translation>Esportazione del resoconto completata!</translation>
    </message>
    <message id="Export Error">
        <source></source>
        <translation>Errore di esportazione</translation>
    </message>
    <message id="An error occurred during report export.">
        <source></source>
        <translation>Si è verificato un errore durante l&apos;esportazione del resoconto.</translation>
    </message>
    <message id="Complete Database">
        <source></source>
        <translation>Database completo</translation>
    </message>
    <message id="Cacti and Watering Schedules">
        <source></source>
        <translation>Cactus e programmi di annaffiatura</translation>
    </message>
    <message id="Watering Schedules">
        <source></source>
        <translation>Programmi di annaffiatura</translation>
    </message>
    <message id="Note: The CSV file must be formatted according to the Spinora CSV Template">
        <source></source>
        <translation>Nota: il file CSV deve essere formattato secondo il modello CSV di Spinora</translation>
    </message>
    <message id="save it">
        <source></source>
        <translation>salvalo</translation>
    </message>
    <message id="or be a spreadsheet of plants, one a line, whose column headers name their fields.">
        <source></source>
        <translation>oppure essere un foglio di calcolo di piante, una per riga, le cui intestazioni di colonna indicano i campi.</translation>
    </message>
    <message id="Choose">
        <source></source>
        <translation>Scegli</translation>
    </message>
    <message id="The chosen folder is not a Spinora database. Please select a folder ending in .sdb, or the spinora.db file inside one.">
        <source></source>
        <translation>La cartella scelta non è un database di Spinora. Seleziona una cartella che termina con .sdb, oppure il file spinora.db al suo interno.</translation>
    </message>
    <message id="Importing from a currently open database is not permitted. Please select another database for import.">
        <source></source>
        <translation>Non è consentito importare da un database attualmente aperto. Seleziona un altro database da importare.</translation>
    </message>
    <message id="Exporting to a currently open database is not permitted. Please select another database for export.">
        <source></source>
        <translation>Non è consentito esportare in un database attualmente aperto. Seleziona un altro database per l&apos;esportazione.</translation>
    </message>
    <message id="Database export complete!">
        <source></source>
        <translation>Esportazione del database completata!</translation>
    </message>
    <message id="An error occurred during the export! Database export was aborted and no changes were made.">
        <source></source>
        <translation>Si è verificato un errore durante l&apos;esportazione! L&apos;esportazione del database è stata interrotta e non è stata apportata alcuna modifica.</translation>
    </message>
    <message id="Save the CSV Template">
        <source></source>
        <translation>Salva il modello CSV</translation>
    </message>
    <message id="Spinora CSV Template">
        <source></source>
        <translation>Modello CSV di Spinora</translation>
    </message>
    <message id="CSV File">
        <source></source>
        <translation>File CSV</translation>
    </message>
    <message id="The file %1 could not be written.">
        <source></source>
        <translation>Impossibile scrivere il file %1.</translation>
    </message>
    <message id="Stopping...">
        <source></source>
        <translation>Arresto in corso...</translation>
    </message>
    <message id="More Toolbar Items">
        <source></source>
        <translation>Altri elementi della barra degli strumenti</translation>
    </message>
    <message id="Exported from %1 v%2 on %3">
        <source></source>
        <translation>Esportato da %1 v%2 il %3</translation>
    </message>
    <message id="Source">
        <source></source>
        <translation>Provenienza</translation>
    </message>
    <message id="Location">
        <source></source>
        <translation>Posizione</translation>
    </message>
    <message id="Log History">
        <source></source>
        <translation>Cronologia delle registrazioni</translation>
    </message>
    <message id="None">
        <source></source>
        <translation>Nessuno</translation>
    </message>
    <message id="Yes">
        <source></source>
        <translation>Sì</translation>
    </message>
    <message id="No">
        <source></source>
        <translation>No</translation>
    </message>
    <message id="Print Labels">
        <source></source>
        <translation>Stampa etichette</translation>
    </message>
    <message id="Selected cacti (%1)">
        <source></source>
        <translation>Cactus selezionati (%1)</translation>
    </message>
    <message id="All listed cacti (%1)">
        <source></source>
        <translation>Tutti i cactus dell&apos;elenco (%1)</translation>
    </message>
    <message id="Layout:">
        <source></source>
        <translation>Disposizione:</translation>
    </message>
    <message id="Labels for:">
        <source></source>
        <translation>Etichette per:</translation>
    </message>
    <message id="Print...">
        <source></source>
        <translation>Stampa...</translation>
    </message>
    <message id="1 label">
        <source></source>
        <translation>1 etichetta</translation>
    </message>
    <message id="1 page">
        <source></source>
        <translation>1 pagina</translation>
    </message>
    <message id="%1 Labels">
        <source></source>
        <translation>Etichette %1</translation>
    </message>
    <message id="Page Setup">
        <source></source>
        <translation>Impostazioni pagina</translation>
    </message>
    <message id="Portrait">
        <source></source>
        <translation>Verticale</translation>
    </message>
    <message id="Landscape">
        <source></source>
        <translation>Orizzontale</translation>
    </message>
    <message id="Paper Size">
        <source></source>
        <translation>Formato carta</translation>
    </message>
    <message id="Orientation">
        <source></source>
        <translation>Orientamento</translation>
    </message>
    <message id="Top Margin">
        <source></source>
        <translation>Margine superiore</translation>
    </message>
    <message id="Bottom Margin">
        <source></source>
        <translation>Margine inferiore</translation>
    </message>
    <message id="Left Margin">
        <source></source>
        <translation>Margine sinistro</translation>
    </message>
    <message id="Right Margin">
        <source></source>
        <translation>Margine destro</translation>
    </message>
    <message id="Print Preview">
        <source></source>
        <translation>Anteprima di stampa</translation>
    </message>
    <message id="Nothing was changed.">
        <source></source>
        <translation>Non è stato modificato nulla.</translation>
    </message>
    <message id="No title">
        <source></source>
        <translation>Senza titolo</translation>
    </message>
    <message id="Unknown">
        <source></source>
        <translation>Sconosciuto</translation>
    </message>
    <message id="year">
        <source></source>
        <translation>anno</translation>
    </message>
    <message id="years">
        <source></source>
        <translation>anni</translation>
    </message>
    <message id="No event">
        <source></source>
        <translation>Nessun evento</translation>
    </message>
    <message id="Today">
        <source></source>
        <translation>Oggi</translation>
    </message>
    <message id="overdue since %1">
        <source></source>
        <translation>in ritardo dal %1</translation>
    </message>
    <message id="resting until %1">
        <source></source>
        <translation>a riposo fino al %1</translation>
    </message>
    <message id="Tomorrow">
        <source></source>
        <translation>Domani</translation>
    </message>
    <message id="in %1 days">
        <source></source>
        <translation>tra %1 giorni</translation>
    </message>
    <message id="Mark as Watered">
        <source></source>
        <translation>Segna come annaffiato</translation>
    </message>
    <message id="There is no space left on the disk. Free some space, then try again.">
        <source></source>
        <translation>Spazio esaurito sul disco. Libera spazio, poi riprova.</translation>
    </message>
    <message id="The collection cannot be written: its disk or folder is read-only.">
        <source></source>
        <translation>Impossibile scrivere la collezione: il suo disco o la sua cartella è di sola lettura.</translation>
    </message>
    <message id="Another program is using the collection. Try again once it has finished.">
        <source></source>
        <translation>Un altro programma sta usando la collezione. Riprova quando avrà finito.</translation>
    </message>
    <message id="The disk could not be read or written. Check the disk, then try again.">
        <source></source>
        <translation>Impossibile leggere o scrivere sul disco. Controlla il disco, poi riprova.</translation>
    </message>
    <message id="The collection's database file is damaged.">
        <source></source>
        <translation>Il file di database della collezione è danneggiato.</translation>
    </message>
    <message id="No species">
        <source></source>
        <translation>Nessuna specie</translation>
    </message>
    <message id="Print Labels...">
        <source></source>
        <translation>Stampa etichette...</translation>
    </message>
    <message id="Deleting this cactus will also delete all of its logs">
        <source></source>
        <translation>Eliminando questo cactus verranno eliminate anche tutte le sue registrazioni</translation>
    </message>
    <message id="Deleting these cacti will also delete all their associated logs">
        <source></source>
        <translation>Eliminando questi cactus verranno eliminate anche tutte le registrazioni associate</translation>
    </message>
    <message id="Delete">
        <source></source>
        <translation>Elimina</translation>
    </message>
    <message id="Delete Cactus">
        <source></source>
        <translation>Elimina cactus</translation>
    </message>
    <message id="Delete Cacti">
        <source></source>
        <translation>Elimina cactus</translation>
    </message>
    <message id="Duplicate Cactus">
        <source></source>
        <translation>Duplica cactus</translation>
    </message>
    <message id="Duplicate Cacti">
        <source></source>
        <translation>Duplica cactus</translation>
    </message>
    <message id="Toolbar">
        <source></source>
        <translation>Barra degli strumenti</translation>
    </message>
    <message id="Search">
        <source></source>
        <translation>Cerca</translation>
    </message>
    <message id="Search list">
        <source></source>
        <translation>Cerca nell&apos;elenco</translation>
    </message>
    <message id="Search the currently visible list">
        <source></source>
        <translation>Cerca nell&apos;elenco visualizzato</translation>
    </message>
    <message id="Recent Searches">
        <source></source>
        <translation>Ricerche recenti</translation>
    </message>
    <message id="Due">
        <source></source>
        <translation>Da fare</translation>
    </message>
    <message id="Show only what is due by the end of today">
        <source></source>
        <translation>Mostra solo ciò che va fatto entro la fine di oggi</translation>
    </message>
    <message id="Sort By">
        <source></source>
        <translation>Ordina per</translation>
    </message>
    <message id="Duplicate">
        <source></source>
        <translation>Duplica</translation>
    </message>
    <message id="No Recent Searches">
        <source></source>
        <translation>Nessuna ricerca recente</translation>
    </message>
    <message id="Clear Search History">
        <source></source>
        <translation>Cancella la cronologia delle ricerche</translation>
    </message>
    <message id="Mark as Watered...">
        <source></source>
        <translation>Segna come annaffiato...</translation>
    </message>
    <message id="Watered">
        <source></source>
        <translation>Annaffiato</translation>
    </message>
    <message id="Record that the selected plants or schedules were watered">
        <source></source>
        <translation>Registra che le piante o i programmi selezionati sono stati annaffiati</translation>
    </message>
    <message id="Untitled">
        <source></source>
        <translation>Senza titolo</translation>
    </message>
    <message id="%1 (read-only)">
        <source></source>
        <translation>%1 (sola lettura)</translation>
    </message>
    <message id="History">
        <source></source>
        <translation>Cronologia</translation>
    </message>
    <message id="Delete Log">
        <source></source>
        <translation>Elimina registrazione</translation>
    </message>
    <message id="Delete Logs">
        <source></source>
        <translation>Elimina registrazioni</translation>
    </message>
    <message id="Duplicate Log">
        <source></source>
        <translation>Duplica registrazione</translation>
    </message>
    <message id="Duplicate Logs">
        <source></source>
        <translation>Duplica registrazioni</translation>
    </message>
    <message id="Add">
        <source></source>
        <translation>Aggiungi</translation>
    </message>
    <message id="Edit">
        <source></source>
        <translation>Modifica</translation>
    </message>
    <message id="Loading…">
        <source></source>
        <translation>Caricamento…</translation>
    </message>
    <message id="Searching…">
        <source></source>
        <translation>Ricerca in corso…</translation>
    </message>
    <message id="Scientific Name">
        <source></source>
        <translation>Nome scientifico</translation>
    </message>
    <message id="When were they watered?">
        <source></source>
        <translation>Quando sono stati annaffiati?</translation>
    </message>
    <message id="Watered on">
        <source></source>
        <translation>Annaffiato il</translation>
    </message>
    <message id="What:">
        <source></source>
        <translation>Cosa:</translation>
    </message>
    <message id="&amp;Watered on:">
        <source></source>
        <translation>&amp;Annaffiato il:</translation>
    </message>
    <message id="Statistics">
        <source></source>
        <translation>Statistiche</translation>
    </message>
    <message id="Undo">
        <source></source>
        <translation>Annulla</translation>
    </message>
    <message id="Redo">
        <source></source>
        <translation>Rifai</translation>
    </message>
    <message id="Undo %1">
        <source></source>
        <translation>Annulla %1</translation>
    </message>
    <message id="Redo %1">
        <source></source>
        <translation>Rifai %1</translation>
    </message>
    <message id="Delete Watering Schedule">
        <source></source>
        <translation>Elimina programma di annaffiatura</translation>
    </message>
    <message id="Delete Watering Schedules">
        <source></source>
        <translation>Elimina programmi di annaffiatura</translation>
    </message>
    <message id="Duplicate Watering Schedule">
        <source></source>
        <translation>Duplica programma di annaffiatura</translation>
    </message>
    <message id="Duplicate Watering Schedules">
        <source></source>
        <translation>Duplica programmi di annaffiatura</translation>
    </message>
    <message id="Language">
        <source></source>
        <translation>Lingua</translation>
    </message>
    <message id="System">
        <source></source>
        <translation>Sistema</translation>
    </message>
    <message id="&amp;Language:">
        <source></source>
        <translation>&amp;Lingua:</translation>
    </message>
    <message id="Applied the next time Spinora starts.">
        <source></source>
        <translation>Verrà applicata al prossimo avvio di Spinora.</translation>
    </message>
    <message id="Taken">
        <source></source>
        <translation>Scattata</translation>
    </message>
    <message id="Why">
        <source></source>
        <translation>Perché</translation>
    </message>
    <message id="Plants">
        <source></source>
        <translation>Piante</translation>
    </message>
    <message id="Size">
        <source></source>
        <translation>Dimensione</translation>
    </message>
    <message id="Spinora quit unexpectedly the last time it was used.">
        <source></source>
        <translation>Spinora si è chiuso in modo imprevisto l&apos;ultima volta che è stato usato.</translation>
    </message>
    <message id="A report of the problem was saved. Would you like to see it?">
        <source></source>
        <translation>È stata salvata una segnalazione del problema. Vuoi vederla?</translation>
    </message>
    <message id="Show Report">
        <source></source>
        <translation>Mostra resoconto</translation>
    </message>
    <message id="Not Now">
        <source></source>
        <translation>Non ora</translation>
    </message>
    <message id="Crash Report">
        <source></source>
        <translation>Segnalazione di crash</translation>
    </message>
    <message id="Saved as %1">
        <source></source>
        <translation>Salvato come %1</translation>
    </message>
    <message id="The reminder time could not be written to %1.">
        <source></source>
        <translation>Impossibile scrivere l&apos;ora del promemoria in %1.</translation>
    </message>
    <message id="Spinora will remind you every day at %1 (systemd user timer %2).">
        <source></source>
        <translation>Spinora te lo ricorderà ogni giorno alle %1 (timer utente systemd %2).</translation>
    </message>
    <message id="Reminders are off.">
        <source></source>
        <translation>I promemoria sono disattivati.</translation>
    </message>
    <message id="Clear Menu">
        <source></source>
        <translation>Svuota menu</translation>
    </message>
    <message id="&amp;File">
        <source></source>
        <translation>&amp;File</translation>
    </message>
    <message id="New">
        <source></source>
        <translation>Nuovo</translation>
    </message>
    <message id="Open...">
        <source></source>
        <translation>Apri...</translation>
    </message>
    <message id="Open Recent">
        <source></source>
        <translation>Apri recenti</translation>
    </message>
    <message id="Save">
        <source></source>
        <translation>Salva</translation>
    </message>
    <message id="Save As...">
        <source></source>
        <translation>Salva come...</translation>
    </message>
    <message id="Page Setup...">
        <source></source>
        <translation>Impostazioni pagina...</translation>
    </message>
    <message id="Print Preview...">
        <source></source>
        <translation>Anteprima di stampa...</translation>
    </message>
    <message id="Quit Spinora">
        <source></source>
        <translation>Esci da Spinora</translation>
    </message>
    <message id="&amp;Edit">
        <source></source>
        <translation>&amp;Modifica</translation>
    </message>
    <message id="Add Item">
        <source></source>
        <translation>Aggiungi elemento</translation>
    </message>
    <message id="Remove Item">
        <source></source>
        <translation>Rimuovi elemento</translation>
    </message>
    <message id="Duplicate Item">
        <source></source>
        <translation>Duplica elemento</translation>
    </message>
    <message id="Cut">
        <source></source>
        <translation>Taglia</translation>
    </message>
    <message id="Copy">
        <source></source>
        <translation>Copia</translation>
    </message>
    <message id="Paste">
        <source></source>
        <translation>Incolla</translation>
    </message>
    <message id="Select All">
        <source></source>
        <translation>Seleziona tutto</translation>
    </message>
    <message id="Preferences...">
        <source></source>
        <translation>Preferenze...</translation>
    </message>
    <message id="&amp;View">
        <source></source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message id="Show Toolbar">
        <source></source>
        <translation>Mostra barra degli strumenti</translation>
    </message>
    <message id="Customize Toolbar">
        <source></source>
        <translation>Personalizza barra degli strumenti</translation>
    </message>
    <message id="Icon and Text">
        <source></source>
        <translation>Icona e testo</translation>
    </message>
    <message id="Icon Only">
        <source></source>
        <translation>Solo icona</translation>
    </message>
    <message id="Text Only">
        <source></source>
        <translation>Solo testo</translation>
    </message>
    <message id="Flowering Calendar...">
        <source></source>
        <translation>Calendario delle fioriture...</translation>
    </message>
    <message id="&amp;Tools">
        <source></source>
        <translation>S&amp;trumenti</translation>
    </message>
    <message id="Statistics...">
        <source></source>
        <translation>Statistiche...</translation>
    </message>
    <message id="&amp;Window">
        <source></source>
        <translation>F&amp;inestra</translation>
    </message>
    <message id="Minimize">
        <source></source>
        <translation>Minimizza</translation>
    </message>
    <message id="Zoom">
        <source></source>
        <translation>Zoom</translation>
    </message>
    <message id="Bring All to Front">
        <source></source>
        <translation>Porta tutto in primo piano</translation>
    </message>
    <message id="&amp;Help">
        <source></source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message id="Like Spinora on Facebook">
        <source></source>
        <translation>Metti «Mi piace» a Spinora su Facebook</translation>
    </message>
    <message id="Spinora Website...">
        <source></source>
        <translation>Sito web di Spinora...</translation>
    </message>
    <message id="Frequently Asked Questions...">
        <source></source>
        <translation>Domande frequenti...</translation>
    </message>
    <message id="Check for Updates...">
        <source></source>
        <translation>Controlla aggiornamenti...</translation>
    </message>
    <message id="About Spinora">
        <source></source>
        <translation>Informazioni su Spinora</translation>
    </message>
    <message id="Preferences">
        <source></source>
        <translation>Preferenze</translation>
    </message>
    <message id="Sort options">
        <source></source>
        <translation>Opzioni di ordinamento</translation>
    </message>
    <message id="Sort cacti by species">
        <source></source>
        <translation>Ordina i cactus per specie</translation>
    </message>
    <message id="Database options">
        <source></source>
        <translation>Opzioni del database</translation>
    </message>
    <message id="Add default species and events to new databases">
        <source></source>
        <translation>Aggiungi specie ed eventi predefiniti ai nuovi database</translation>
    </message>
    <message id="Reminders">
        <source></source>
        <translation>Promemoria</translation>
    </message>
    <message id="&amp;Remind me of due plants every day at">
        <source></source>
        <translation>&amp;Ricordami ogni giorno le piante da annaffiare alle</translation>
    </message>
    <message id="Reminder time">
        <source></source>
        <translation>Ora del promemoria</translation>
    </message>
    <message id="Open">
        <source></source>
        <translation>Apri</translation>
    </message>
    <message id="Collection:">
        <source></source>
        <translation>Collezione:</translation>
    </message>
    <message id="Spinora collections (*%1)">
        <source></source>
        <translation>Collezioni Spinora (*%1)</translation>
    </message>
    <message id="“%1” already exists. Do you want to replace it?">
        <source></source>
        <translation>«%1» esiste già. Vuoi sostituirlo?</translation>
    </message>
    <message id="A collection with the same name already exists in “%1”. Replacing it will overwrite its current contents.">
        <source></source>
        <translation>Esiste già una collezione con lo stesso nome in «%1». Sostituendola ne verrà sovrascritto il contenuto attuale.</translation>
    </message>
    <message id="Replace">
        <source></source>
        <translation>Sostituisci</translation>
    </message>
    <message id="Do you want to save the changes made to the document “%1”?">
        <source></source>
        <translation>Vuoi salvare le modifiche apportate al documento «%1»?</translation>
    </message>
    <message id="Your changes will stay in the untitled collection if you don’t save them.">
        <source></source>
        <translation>Le modifiche resteranno nella collezione senza titolo se non le salvi.</translation>
    </message>
    <message id="Don’t Save">
        <source></source>
        <translation>Non salvare</translation>
    </message>
    <message id="Keep Open">
        <source></source>
        <translation>Mantieni aperto</translation>
    </message>
    <message id="New Spinora Database">
        <source></source>
        <translation>Nuovo database Spinora</translation>
    </message>
    <message id="Save As">
        <source></source>
        <translation>Salva come</translation>
    </message>
    <message id="Overwriting an open database is not permitted. Please select a different filename.">
        <source></source>
        <translation>Non è consentito sovrascrivere un database aperto. Seleziona un nome di file diverso.</translation>
    </message>
    <message id="The collection “%1” could not be opened: it does not exist.">
        <source></source>
        <translation>Impossibile aprire la collezione «%1»: non esiste.</translation>
    </message>
    <message id="%n of its photo files are missing, the first “%1”." numerus="yes">
        <source></source>
        <translation>
            <numerusform>Manca %n dei suoi file di foto: «%1».</numerusform>
            <numerusform>Mancano %n dei suoi file di foto, il primo è «%1».</numerusform>
        </translation>
    </message>
    <message id="%1, %2 and %3">
        <source></source>
        <translation>%1, %2 e %3</translation>
    </message>
    <message id="%n plants" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n pianta</numerusform>
            <numerusform>%n piante</numerusform>
        </translation>
    </message>
    <message id="%n logs" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n registrazione</numerusform>
            <numerusform>%n registrazioni</numerusform>
        </translation>
    </message>
    <message id="%n photos" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n foto</numerusform>
            <numerusform>%n foto</numerusform>
        </translation>
    </message>
    <message id="The newest good snapshot was taken on %1 and holds %2. Restoring it replaces the collection; the damaged one is kept as a snapshot first.">
        <source></source>
        <translation>L&apos;istantanea integra più recente risale al %1 e contiene %2. Ripristinarla sostituisce la collezione; quella danneggiata viene prima conservata come istantanea.</translation>
    </message>
    <message id="The collection will hold %1. Its current state is kept as a snapshot first, so this can be undone by restoring that one.">
        <source></source>
        <translation>La collezione conterrà %1. Il suo stato attuale viene prima conservato come istantanea, quindi puoi annullare l&apos;operazione ripristinando quella.</translation>
    </message>
    <message id="“%1” could not be replaced.">
        <source></source>
        <translation>Impossibile sostituire «%1».</translation>
    </message>
    <message id="The catalogue of your cactus and succulent collection: plants, watering schedules and a log of what happened to them.">
        <source></source>
        <translation>Il catalogo della tua collezione di cactus e succulente: piante, programmi di annaffiatura e un registro di ciò che è successo loro.</translation>
    </message>
    <message id="Import From">
        <source></source>
        <translation>Importa da</translation>
    </message>
    <message id="Export To">
        <source></source>
        <translation>Esporta in</translation>
    </message>
    <message id="Spinora Mobile App">
        <source></source>
        <translation>App mobile Spinora</translation>
    </message>
    <message id="SDBI">
        <source></source>
        <translation>SDBI</translation>
    </message>
    <message id="Spinora Database">
        <source></source>
        <translation>Database Spinora</translation>
    </message>
    <message id="CSV">
        <source></source>
        <translation>CSV</translation>
    </message>
    <message id="CSV Template…">
        <source></source>
        <translation>Modello CSV…</translation>
    </message>
    <message id="HTML Report">
        <source></source>
        <translation>Resoconto HTML</translation>
    </message>
    <message id="Software Update">
        <source></source>
        <translation>Aggiornamento software</translation>
    </message>
    <message id="A new version of Spinora is available!">
        <source></source>
        <translation>È disponibile una nuova versione di Spinora!</translation>
    </message>
    <message id="Spinora %1 is now available—you have %2. Would you like to download it now?">
        <source></source>
        <translation>È disponibile Spinora %1 (tu hai la %2). Vuoi scaricarlo ora?</translation>
    </message>
    <message id="Download">
        <source></source>
        <translation>Scarica</translation>
    </message>
    <message id="Remind Me Later">
        <source></source>
        <translation>Ricordamelo più tardi</translation>
    </message>
    <message id="You’re up-to-date!">
        <source></source>
        <translation>Sei aggiornato!</translation>
    </message>
    <message id="Spinora %1 is currently the newest version available.">
        <source></source>
        <translation>Spinora %1 è attualmente la versione più recente disponibile.</translation>
    </message>
    <message id="No update address is set, so Spinora cannot look for updates. Your distribution’s package manager keeps Spinora up to date.">
        <source></source>
        <translation>Non è impostato nessun indirizzo di aggiornamento, quindi Spinora non può cercare aggiornamenti. Il gestore di pacchetti della tua distribuzione mantiene Spinora aggiornato.</translation>
    </message>
    <message id="Update Error!">
        <source></source>
        <translation>Errore di aggiornamento!</translation>
    </message>
    <message id="An error occurred in retrieving update information. Please try again later.">
        <source></source>
        <translation>Si è verificato un errore durante il recupero delle informazioni di aggiornamento. Riprova più tardi.</translation>
    </message>
    <message id="Spinora keeps the catalogue of a cactus and succulent collection.">
        <source></source>
        <translation>Spinora tiene il catalogo di una collezione di cactus e succulente.</translation>
    </message>
    <message id="Collections to open (folders ending in .sdb); interchange files (.sdbi) are offered for import into the collection shown.">
        <source></source>
        <translation>Collezioni da aprire (cartelle che terminano con .sdb); i file di interscambio (.sdbi) vengono proposti per l&apos;importazione nella collezione visualizzata.</translation>
    </message>
    <message id="The list to show: cacti, watering or logs.">
        <source></source>
        <translation>L&apos;elenco da mostrare: cacti, watering o logs.</translation>
    </message>
    <message id="--show takes cacti, watering or logs, not “%1”">
        <source></source>
        <translation>--show accetta cacti, watering o logs, non «%1»</translation>
    </message>
    <message id="Spinora is already running but does not answer.">
        <source></source>
        <translation>Spinora è già in esecuzione ma non risponde.</translation>
    </message>
    <message id="the line “%1” does not close “%2”">
        <source></source>
        <translation>la riga «%1» non chiude «%2»</translation>
    </message>
    <message id="the file ends before “%1” does">
        <source></source>
        <translation>il file termina prima di «%1»</translation>
    </message>
    <message id="the file is empty">
        <source></source>
        <translation>il file è vuoto</translation>
    </message>
    <message id="it is not an iCalendar file">
        <source></source>
        <translation>non è un file iCalendar</translation>
    </message>
    <message id="it does not hold exactly one calendar">
        <source></source>
        <translation>non contiene esattamente un calendario</translation>
    </message>
    <message id="it contains errors">
        <source></source>
        <translation>contiene errori</translation>
    </message>
    <message id="it cannot be read">
        <source></source>
        <translation>non può essere letta</translation>
    </message>
    <message id="The calendar folder “%1” cannot be made.">
        <source></source>
        <translation>Impossibile creare la cartella del calendario «%1».</translation>
    </message>
    <message id="The calendar file “%1” cannot be used: %2.">
        <source></source>
        <translation>Impossibile usare il file del calendario «%1»: %2.</translation>
    </message>
    <message id="The calendar file “%1” cannot be read.">
        <source></source>
        <translation>Impossibile leggere il file del calendario «%1».</translation>
    </message>
    <message id="The calendar file “%1” cannot be used (%2); it was left as it is.">
        <source></source>
        <translation>Impossibile usare il file del calendario «%1» (%2); è stato lasciato invariato.</translation>
    </message>
    <message id="The calendar file “%1” keeps being changed by another program; it was left as it is.">
        <source></source>
        <translation>Il file del calendario «%1» viene continuamente modificato da un altro programma; è stato lasciato invariato.</translation>
    </message>
    <message id="The calendar file “%1” could not be written (%2); it was left as it is.">
        <source></source>
        <translation>Impossibile scrivere il file del calendario «%1» (%2); è stato lasciato invariato.</translation>
    </message>
    <message id="No space left on device">
        <source></source>
        <translation>Spazio esaurito sul dispositivo</translation>
    </message>
    <message id="The event ends before it starts.">
        <source></source>
        <translation>L&apos;evento termina prima di iniziare.</translation>
    </message>
    <message id="The calendar “%1” is not available.">
        <source></source>
        <translation>Il calendario «%1» non è disponibile.</translation>
    </message>
    <message id="There is no such event.">
        <source></source>
        <translation>Questo evento non esiste.</translation>
    </message>
    <message id="The event was removed by another program.">
        <source></source>
        <translation>L&apos;evento è stato rimosso da un altro programma.</translation>
    </message>
    <message id="the Avahi daemon went away">
        <source></source>
        <translation>il demone Avahi non è più disponibile</translation>
    </message>
    <message id="Click the Import button to restore the complete database from your device.">
        <source></source>
        <translation>Fai clic sul pulsante Importa per ripristinare dal dispositivo il database completo.</translation>
    </message>
    <message id="Click the Import button to restore only the cacti and watering schedules in the database from your device.">
        <source></source>
        <translation>Fai clic sul pulsante Importa per ripristinare dal dispositivo solo i cactus e i programmi di annaffiatura del database.</translation>
    </message>
    <message id="Click the Import button to import the cacti from your device.">
        <source></source>
        <translation>Fai clic sul pulsante Importa per importare i cactus dal dispositivo.</translation>
    </message>
    <message id="Click the Import button to import the watering schedules from your device.">
        <source></source>
        <translation>Fai clic sul pulsante Importa per importare i programmi di annaffiatura dal dispositivo.</translation>
    </message>
    <message id="Restore Database is selected on your device. Select either Backup Database or Export Data instead.">
        <source></source>
        <translation>Sul dispositivo è selezionato Restore Database. Seleziona invece Backup Database o Export Data.</translation>
    </message>
    <message id="Export Data is selected on your device. Select Backup Database instead to restore both cacti and watering schedules.">
        <source></source>
        <translation>Sul dispositivo è selezionato Export Data. Seleziona invece Backup Database per ripristinare sia i cactus sia i programmi di annaffiatura.</translation>
    </message>
    <message id="Export Data is selected on your device. Only cacti or watering schedules can be imported in this mode.">
        <source></source>
        <translation>Sul dispositivo è selezionato Export Data. In questa modalità si possono importare solo cactus o programmi di annaffiatura.</translation>
    </message>
    <message id="Import Data is selected on your device. Select either Backup Database or Export Data instead.">
        <source></source>
        <translation>Sul dispositivo è selezionato Import Data. Seleziona invece Backup Database o Export Data.</translation>
    </message>
    <message id="Backup Database is selected on your device. Select either Restore Database or Import Data instead.">
        <source></source>
        <translation>Sul dispositivo è selezionato Backup Database. Seleziona invece Restore Database o Import Data.</translation>
    </message>
    <message id="Export Data is selected on your device. Select either Restore Database or Import Data instead.">
        <source></source>
        <translation>Sul dispositivo è selezionato Export Data. Seleziona invece Restore Database o Import Data.</translation>
    </message>
    <message id="Click the Export button to send the database to your device. The app will ask what you want to import.">
        <source></source>
        <translation>Fai clic sul pulsante Esporta per inviare il database al dispositivo. L&apos;app chiederà cosa vuoi importare.</translation>
    </message>
    <message id="The collection was closed.">
        <source></source>
        <translation>La collezione è stata chiusa.</translation>
    </message>
    <message id="Import Database">
        <source></source>
        <translation>Importa database</translation>
    </message>
    <message id="Restore Complete Database">
        <source></source>
        <translation>Ripristina il database completo</translation>
    </message>
    <message id="Import Cacti and Watering Schedules">
        <source></source>
        <translation>Importa cactus e programmi di annaffiatura</translation>
    </message>
    <message id="Import Cacti">
        <source></source>
        <translation>Importa cactus</translation>
    </message>
    <message id="Import Watering Schedules">
        <source></source>
        <translation>Importa programmi di annaffiatura</translation>
    </message>
    <message id="Devices">
        <source></source>
        <translation>Dispositivi</translation>
    </message>
    <message id="Messages">
        <source></source>
        <translation>Messaggi</translation>
    </message>
    <message id="Export Database">
        <source></source>
        <translation>Esporta database</translation>
    </message>
    <message id="Flowering Calendar">
        <source></source>
        <translation>Calendario delle fioriture</translation>
    </message>
    <message id="Photo Timeline">
        <source></source>
        <translation>Cronologia delle foto</translation>
    </message>
    <message id="Common Name">
        <source></source>
        <translation>Nome comune</translation>
    </message>
    <message id="Open Watering Schedule">
        <source></source>
        <translation>Apri programma di annaffiatura</translation>
    </message>
    <message id="Height">
        <source></source>
        <translation>Altezza</translation>
    </message>
    <message id="Width">
        <source></source>
        <translation>Larghezza</translation>
    </message>
    <message id="Weight">
        <source></source>
        <translation>Peso</translation>
    </message>
    <message id="Light">
        <source></source>
        <translation>Luce</translation>
    </message>
    <message id="Temperature">
        <source></source>
        <translation>Temperatura</translation>
    </message>
    <message id="Pot Size">
        <source></source>
        <translation>Dimensione del vaso</translation>
    </message>
    <message id="Pot Shape">
        <source></source>
        <translation>Forma del vaso</translation>
    </message>
    <message id="Pot Material">
        <source></source>
        <translation>Materiale del vaso</translation>
    </message>
    <message id="General">
        <source></source>
        <translation>Generale</translation>
    </message>
    <message id="Details">
        <source></source>
        <translation>Dettagli</translation>
    </message>
    <message id="Alarm">
        <source></source>
        <translation>Avviso</translation>
    </message>
    <message id="Busy">
        <source></source>
        <translation>Occupato</translation>
    </message>
    <message id="Free">
        <source></source>
        <translation>Libero</translation>
    </message>
    <message id="Title">
        <source></source>
        <translation>Titolo</translation>
    </message>
    <message id="Starts">
        <source></source>
        <translation>Inizio</translation>
    </message>
    <message id="Ends">
        <source></source>
        <translation>Fine</translation>
    </message>
    <message id="All-Day">
        <source></source>
        <translation>Tutto il giorno</translation>
    </message>
    <message id="Calendar">
        <source></source>
        <translation>Calendario</translation>
    </message>
    <message id="Availability">
        <source></source>
        <translation>Disponibilità</translation>
    </message>
    <message id="Kept in %1. To see these reminders in your desktop calendar, add this file to it as a calendar.">
        <source></source>
        <translation>Promemoria salvati in %1. Per vederli nel calendario del desktop, aggiungi questo file come calendario.</translation>
    </message>
    <message id="Add New Event">
        <source></source>
        <translation>Aggiungi nuovo evento</translation>
    </message>
    <message id="Edit Event">
        <source></source>
        <translation>Modifica evento</translation>
    </message>
    <message id="Open Cactus">
        <source></source>
        <translation>Apri cactus</translation>
    </message>
    <message id="Add Reminder">
        <source></source>
        <translation>Aggiungi promemoria</translation>
    </message>
    <message id="Edit Reminder">
        <source></source>
        <translation>Modifica promemoria</translation>
    </message>
    <message id="Add a reminder to your calendar?">
        <source></source>
        <translation>Aggiungere un promemoria al calendario?</translation>
    </message>
    <message id="Edit the reminder on your calendar?">
        <source></source>
        <translation>Modificare il promemoria nel calendario?</translation>
    </message>
    <message id="All Photos">
        <source></source>
        <translation>Tutte le foto</translation>
    </message>
    <message id="Add Photos…">
        <source></source>
        <translation>Aggiungi foto…</translation>
    </message>
    <message id="Add photos from picture files. You can also drop picture files on the grid.">
        <source></source>
        <translation>Aggiungi foto da file di immagine. Puoi anche trascinare i file di immagine sulla griglia.</translation>
    </message>
    <message id="Size of the photos">
        <source></source>
        <translation>Dimensione delle foto</translation>
    </message>
    <message id="Adding photos">
        <source></source>
        <translation>Aggiunta delle foto</translation>
    </message>
    <message id="Add Photos">
        <source></source>
        <translation>Aggiungi foto</translation>
    </message>
    <message id="Pictures (*.jpg *.jpeg *.png *.gif *.tif *.tiff *.bmp)">
        <source></source>
        <translation>Immagini (*.jpg *.jpeg *.png *.gif *.tif *.tiff *.bmp)</translation>
    </message>
    <message id="This file was not added:">
        <source></source>
        <translation>Questo file non è stato aggiunto:</translation>
    </message>
    <message id="These files were not added:">
        <source></source>
        <translation>Questi file non sono stati aggiunti:</translation>
    </message>
    <message id="Previous Photo">
        <source></source>
        <translation>Foto precedente</translation>
    </message>
    <message id="Display the previous photo">
        <source></source>
        <translation>Mostra la foto precedente</translation>
    </message>
    <message id="Edit Caption">
        <source></source>
        <translation>Modifica didascalia</translation>
    </message>
    <message id="Edit the photo caption">
        <source></source>
        <translation>Modifica la didascalia della foto</translation>
    </message>
    <message id="Next Photo">
        <source></source>
        <translation>Foto successiva</translation>
    </message>
    <message id="Display the next photo">
        <source></source>
        <translation>Mostra la foto successiva</translation>
    </message>
    <message id="Error: the new record is gone.">
        <source></source>
        <translation>Errore: il nuovo elemento non esiste più.</translation>
    </message>
    <message id="From Date 1">
        <source></source>
        <translation>Data iniziale 1</translation>
    </message>
    <message id="To Date 2">
        <source></source>
        <translation>Data finale 2</translation>
    </message>
    <message id="From Date 3">
        <source></source>
        <translation>Data iniziale 3</translation>
    </message>
    <message id="To Date 4">
        <source></source>
        <translation>Data finale 4</translation>
    </message>
    <message id="From Date 5">
        <source></source>
        <translation>Data iniziale 5</translation>
    </message>
    <message id="To Date 6">
        <source></source>
        <translation>Data finale 6</translation>
    </message>
    <message id="Units">
        <source></source>
        <translation>Unità</translation>
    </message>
    <message id="Line %1, column %2 (%3): “%4” could not be read and was not imported.">
        <source></source>
        <translation>Riga %1, colonna %2 (%3): impossibile leggere «%4», non è stato importato.</translation>
    </message>
    <message id="The file is not in the Spinora CSV template layout and these columns could not be placed: “%1”. Give each column its field, for example --map '%2' (the fields are %3).">
        <source></source>
        <translation>Il file non segue lo schema del modello CSV di Spinora e non è stato possibile assegnare queste colonne: «%1». Indica il campo di ogni colonna, ad esempio --map &apos;%2&apos; (i campi sono %3).</translation>
    </message>
    <message id="No cacti, watering schedules or logs were found in the file. It must follow the Spinora CSV template.">
        <source></source>
        <translation>Nel file non sono stati trovati cactus, programmi di annaffiatura né registrazioni. Deve seguire il modello CSV di Spinora.</translation>
    </message>
    <message id="name|plant|plant name|cactus|label">
        <source></source>
        <translation>nome|pianta|nome della pianta|cactus|etichetta</translation>
    </message>
    <message id="scientific|scientific name|botanical name|latin name|taxon|genus|species">
        <source></source>
        <translation>scientifico|nome scientifico|nome botanico|nome latino|taxon|genere|specie</translation>
    </message>
    <message id="common|common name">
        <source></source>
        <translation>comune|nome comune</translation>
    </message>
    <message id="type|plant type">
        <source></source>
        <translation>tipo|tipo di pianta</translation>
    </message>
    <message id="watering|schedule|watering schedule">
        <source></source>
        <translation>annaffiatura|programma|programma di annaffiatura</translation>
    </message>
    <message id="last watered">
        <source></source>
        <translation>ultima annaffiatura</translation>
    </message>
    <message id="next watering">
        <source></source>
        <translation>prossima annaffiatura</translation>
    </message>
    <message id="planted|plant date|date planted|sown">
        <source></source>
        <translation>piantato|data d&apos;impianto|data di impianto|seminato</translation>
    </message>
    <message id="source|origin">
        <source></source>
        <translation>provenienza|origine</translation>
    </message>
    <message id="acquired|date acquired|bought|purchased|purchase date">
        <source></source>
        <translation>acquisito|data di acquisizione|comprato|acquistato|data di acquisto</translation>
    </message>
    <message id="price|purchase price|cost|paid">
        <source></source>
        <translation>prezzo|prezzo di acquisto|costo|pagato</translation>
    </message>
    <message id="value|worth">
        <source></source>
        <translation>valore|valore stimato</translation>
    </message>
    <message id="location|place|position|bench|greenhouse">
        <source></source>
        <translation>posizione|luogo|collocazione|bancale|serra</translation>
    </message>
    <message id="height">
        <source></source>
        <translation>altezza</translation>
    </message>
    <message id="width|diameter">
        <source></source>
        <translation>larghezza|diametro</translation>
    </message>
    <message id="weight">
        <source></source>
        <translation>peso</translation>
    </message>
    <message id="light|sun">
        <source></source>
        <translation>luce|sole</translation>
    </message>
    <message id="temperature|temp|min temp">
        <source></source>
        <translation>temperatura|temp|temp min</translation>
    </message>
    <message id="pot size|pot">
        <source></source>
        <translation>dimensione vaso|vaso</translation>
    </message>
    <message id="pot shape|shape">
        <source></source>
        <translation>forma vaso|forma</translation>
    </message>
    <message id="pot material|material">
        <source></source>
        <translation>materiale vaso|materiale</translation>
    </message>
    <message id="notes|note|comments|comment|remarks|description">
        <source></source>
        <translation>note|nota|commenti|commento|osservazioni|descrizione</translation>
    </message>
    <message id="id|#|no|no.|number|photo|photos|image|picture">
        <source></source>
        <translation>id|#|n|n.|numero|foto|fotografie|immagine|figura</translation>
    </message>
    <message id="“%1” is no COLUMN=FIELD pair.">
        <source></source>
        <translation>«%1» non è una coppia COLUMN=FIELD.</translation>
    </message>
    <message id="“%1” is no field; the fields are %2.">
        <source></source>
        <translation>«%1» non è un campo; i campi sono %2.</translation>
    </message>
    <message id="The file has no column “%1”.">
        <source></source>
        <translation>Il file non ha nessuna colonna «%1».</translation>
    </message>
    <message id="%1 is a folder; an export never replaces a folder with a file.">
        <source></source>
        <translation>%1 è una cartella; un&apos;esportazione non sostituisce mai una cartella con un file.</translation>
    </message>
    <message id="%1 is a folder that is not a Spinora collection; an export never replaces it.">
        <source></source>
        <translation>%1 è una cartella che non è una collezione Spinora; un&apos;esportazione non la sostituisce mai.</translation>
    </message>
    <message id="%1 is a collection in use by %2; it cannot be replaced.">
        <source></source>
        <translation>%1 è una collezione in uso da parte di %2; non può essere sostituita.</translation>
    </message>
    <message id="%1 is an existing collection and was not replaced.">
        <source></source>
        <translation>%1 è una collezione esistente e non è stata sostituita.</translation>
    </message>
    <message id="%1 already exists and was not replaced.">
        <source></source>
        <translation>%1 esiste già e non è stato sostituito.</translation>
    </message>
    <message id="The collection %1 could not be read: %2">
        <source></source>
        <translation>Impossibile leggere la collezione %1: %2</translation>
    </message>
    <message id="it holds no %1.">
        <source></source>
        <translation>non contiene nessun %1.</translation>
    </message>
    <message id="The collection %1 was made by a newer version of Spinora (schema %2; this version reads up to %3).">
        <source></source>
        <translation>La collezione %1 è stata creata da una versione più recente di Spinora (schema %2; questa versione legge fino allo schema %3).</translation>
    </message>
    <message id="The collection could not be read: %1">
        <source></source>
        <translation>Impossibile leggere la collezione: %1</translation>
    </message>
    <message id="The collection was opened read-only, so nothing can be imported into it.">
        <source></source>
        <translation>La collezione è stata aperta in sola lettura, quindi non vi si può importare nulla.</translation>
    </message>
    <message id="The import failed.">
        <source></source>
        <translation>Importazione non riuscita.</translation>
    </message>
    <message id="The collection could not be written: %1">
        <source></source>
        <translation>Impossibile scrivere la collezione: %1</translation>
    </message>
    <message id="The collection's database could not be opened: %1">
        <source></source>
        <translation>Impossibile aprire il database della collezione: %1</translation>
    </message>
    <message id="The folder %1 could not be made.">
        <source></source>
        <translation>Impossibile creare la cartella %1.</translation>
    </message>
    <message id="The template could not be read: %1">
        <source></source>
        <translation>Impossibile leggere il modello: %1</translation>
    </message>
    <message id="The collection could not be locked for the import: %1">
        <source></source>
        <translation>Impossibile bloccare la collezione per l&apos;importazione: %1</translation>
    </message>
    <message id="Fertilized">
        <source></source>
        <translation>Concimato</translation>
    </message>
    <message id="Flowered">
        <source></source>
        <translation>Fiorito</translation>
    </message>
    <message id="Planted">
        <source></source>
        <translation>Piantato</translation>
    </message>
    <message id="Purchased">
        <source></source>
        <translation>Acquistato</translation>
    </message>
    <message id="Sold">
        <source></source>
        <translation>Venduto</translation>
    </message>
    <message id="The import could not be saved: %1">
        <source></source>
        <translation>Impossibile salvare l&apos;importazione: %1</translation>
    </message>
    <message id="%1 could not be written">
        <source></source>
        <translation>Impossibile scrivere %1</translation>
    </message>
    <message id="%1: the export filter could not be run">
        <source></source>
        <translation>%1: impossibile eseguire il filtro di esportazione</translation>
    </message>
    <message id="%1 could not be replaced">
        <source></source>
        <translation>Impossibile sostituire %1</translation>
    </message>
    <message id="The file cannot be imported: it holds triggers or views, which Spinora files never have.">
        <source></source>
        <translation>Impossibile importare il file: contiene trigger o viste, che i file Spinora non hanno mai.</translation>
    </message>
    <message id="larger than 64 MiB">
        <source></source>
        <translation>più grande di 64 MiB</translation>
    </message>
    <message id="a link that leads out of the package">
        <source></source>
        <translation>un collegamento che porta fuori dal pacchetto</translation>
    </message>
    <message id="not a file that can be read">
        <source></source>
        <translation>non è un file leggibile</translation>
    </message>
    <message id="%1 could not be read.">
        <source></source>
        <translation>Impossibile leggere %1.</translation>
    </message>
    <message id="The file could not be opened: %1">
        <source></source>
        <translation>Impossibile aprire il file: %1</translation>
    </message>
    <message id="The file is not a Spinora database: %1">
        <source></source>
        <translation>Il file non è un database Spinora: %1</translation>
    </message>
    <message id="The file cannot be imported: its schema could not be upgraded (%1).">
        <source></source>
        <translation>Impossibile importare il file: non è stato possibile aggiornare il suo schema (%1).</translation>
    </message>
    <message id="The file could not be closed: %1">
        <source></source>
        <translation>Impossibile chiudere il file: %1</translation>
    </message>
    <message id="The file has no version information, so it is not a Spinora database.">
        <source></source>
        <translation>Il file non contiene informazioni sulla versione, quindi non è un database Spinora.</translation>
    </message>
    <message id="The file cannot be imported: it was made by a newer version of Spinora (schema %1; this version reads up to %2).">
        <source></source>
        <translation>Impossibile importare il file: è stato creato da una versione più recente di Spinora (schema %1; questa versione legge fino allo schema %2).</translation>
    </message>
    <message id="The file's version row holds no record counts.">
        <source></source>
        <translation>La riga della versione del file non contiene il numero di elementi.</translation>
    </message>
    <message id="The file cannot be imported: its %1 table cannot be read (%2).">
        <source></source>
        <translation>Impossibile importare il file: la sua tabella %1 non può essere letta (%2).</translation>
    </message>
    <message id="The file cannot be imported: its %1 table has keys that are not whole numbers from 0 to 9223372036854775807.">
        <source></source>
        <translation>Impossibile importare il file: la sua tabella %1 ha chiavi che non sono numeri interi da 0 a 9223372036854775807.</translation>
    </message>
    <message id="The file cannot be imported: its %1 table has the same key on more than one row.">
        <source></source>
        <translation>Impossibile importare il file: la sua tabella %1 ha la stessa chiave su più di una riga.</translation>
    </message>
    <message id="The file cannot be imported: the collection has no keys left for its %1 table.">
        <source></source>
        <translation>Impossibile importare il file: la collezione non ha più chiavi disponibili per la sua tabella %1.</translation>
    </message>
    <message id="The records of the file's %1 table could not be read: %2">
        <source></source>
        <translation>Impossibile leggere le righe della tabella %1 del file: %2</translation>
    </message>
    <message id="The file cannot be imported: the %1 column of its %2 table holds values that are not whole numbers.">
        <source></source>
        <translation>Impossibile importare il file: la colonna %1 della sua tabella %2 contiene valori che non sono numeri interi.</translation>
    </message>
    <message id="The file holds no watering schedules.">
        <source></source>
        <translation>Il file non contiene nessun programma di annaffiatura.</translation>
    </message>
    <message id="The file holds no cacti.">
        <source></source>
        <translation>Il file non contiene nessun cactus.</translation>
    </message>
    <message id="not a picture that can be read">
        <source></source>
        <translation>non è un&apos;immagine leggibile</translation>
    </message>
    <message id="the cactus %1">
        <source></source>
        <translation>il cactus %1</translation>
    </message>
    <message id="the log entry %1">
        <source></source>
        <translation>la registrazione %1</translation>
    </message>
    <message id="the cactus “%1”">
        <source></source>
        <translation>il cactus «%1»</translation>
    </message>
    <message id="the log entry “%1”">
        <source></source>
        <translation>la registrazione «%1»</translation>
    </message>
    <message id="The file's photos could not be read: %1">
        <source></source>
        <translation>Impossibile leggere le foto del file: %1</translation>
    </message>
    <message id="The file cannot be imported: the key column of its image table holds values that are not whole numbers.">
        <source></source>
        <translation>Impossibile importare il file: la colonna delle chiavi della sua tabella delle immagini contiene valori che non sono numeri interi.</translation>
    </message>
    <message id="1 photo could not be read and was left out: %1.">
        <source></source>
        <translation>Impossibile leggere 1 foto, che è stata tralasciata: %1.</translation>
    </message>
    <message id="%1 photos could not be read and were left out: %2.">
        <source></source>
        <translation>Impossibile leggere %1 foto, che sono state tralasciate: %2.</translation>
    </message>
    <message id="The file could not be read: %1">
        <source></source>
        <translation>Impossibile leggere il file: %1</translation>
    </message>
    <message id="No plant has a date acquired.">
        <source></source>
        <translation>Nessuna pianta ha una data di acquisto.</translation>
    </message>
    <message id="%1 without a date">
        <source></source>
        <translation>%1 senza data</translation>
    </message>
    <message id="Plants by Date Acquired">
        <source></source>
        <translation>Piante per data di acquisto</translation>
    </message>
    <message id="Value by Date Acquired">
        <source></source>
        <translation>Valore per data di acquisto</translation>
    </message>
    <message id="Plants by Genus">
        <source></source>
        <translation>Piante per genere</translation>
    </message>
    <message id="Waterings Due in the Next %1 Days">
        <source></source>
        <translation>Annaffiature da fare nei prossimi %1 giorni</translation>
    </message>
    <message id="Charts">
        <source></source>
        <translation>Grafici</translation>
    </message>
    <message id="Cacti Report">
        <source></source>
        <translation>Resoconto dei cactus</translation>
    </message>
    <message id="Summary">
        <source></source>
        <translation>Riepilogo</translation>
    </message>
    <message id="Total Cacti">
        <source></source>
        <translation>Totale cactus</translation>
    </message>
    <message id="Total Watering Schedules">
        <source></source>
        <translation>Totale programmi di annaffiatura</translation>
    </message>
    <message id="Total Log Entries">
        <source></source>
        <translation>Totale registrazioni</translation>
    </message>
    <message id="Unique Species">
        <source></source>
        <translation>Specie distinte</translation>
    </message>
    <message id="Total Value">
        <source></source>
        <translation>Valore totale</translation>
    </message>
    <message id="Species Scientific Name">
        <source></source>
        <translation>Nome scientifico della specie</translation>
    </message>
    <message id="Species Common Name">
        <source></source>
        <translation>Nome comune della specie</translation>
    </message>
    <message id="Unknown Date">
        <source></source>
        <translation>Data sconosciuta</translation>
    </message>
    <message id="No Event Name">
        <source></source>
        <translation>Nessun nome di evento</translation>
    </message>
    <message id="The report folder %1 cannot be written.">
        <source></source>
        <translation>La cartella dei resoconti %1 non è scrivibile.</translation>
    </message>
    <message id="The report %1 could not be written.">
        <source></source>
        <translation>Impossibile scrivere il resoconto %1.</translation>
    </message>
    <message id="No folder for the work files was found: the user's caches folder is unknown (set HOME or XDG_CACHE_HOME).">
        <source></source>
        <translation>Non è stata trovata nessuna cartella per i file di lavoro: la cartella della cache dell&apos;utente è sconosciuta (imposta HOME o XDG_CACHE_HOME).</translation>
    </message>
    <message id="The work folder %1 could not be made.">
        <source></source>
        <translation>Impossibile creare la cartella di lavoro %1.</translation>
    </message>
    <message id="The work folder %1 cannot be used: something that is not a folder is in its place.">
        <source></source>
        <translation>Impossibile usare la cartella di lavoro %1: al suo posto c&apos;è qualcosa che non è una cartella.</translation>
    </message>
    <message id="The work folder %1 cannot be used: it is not writable.">
        <source></source>
        <translation>Impossibile usare la cartella di lavoro %1: non è scrivibile.</translation>
    </message>
    <message id="Another transfer is running in this program; try again when it has finished.">
        <source></source>
        <translation>È in corso un altro trasferimento in questo programma; riprova quando sarà terminato.</translation>
    </message>
    <message id="Another transfer is running (%1, process %2); try again when it has finished.">
        <source></source>
        <translation>È in corso un altro trasferimento (%1, processo %2); riprova quando sarà terminato.</translation>
    </message>
    <message id="another program">
        <source></source>
        <translation>un altro programma</translation>
    </message>
    <message id="Another transfer is running; try again when it has finished.">
        <source></source>
        <translation>È in corso un altro trasferimento; riprova quando sarà terminato.</translation>
    </message>
    <message id="The work folder %1 cannot be used: its lock file could not be made.">
        <source></source>
        <translation>Impossibile usare la cartella di lavoro %1: non è stato possibile creare il suo file di blocco.</translation>
    </message>
    <message id="Import From SDBI">
        <source></source>
        <translation>Importa da SDBI</translation>
    </message>
    <message id="Import From Spinora Database">
        <source></source>
        <translation>Importa da database Spinora</translation>
    </message>
    <message id="Database File">
        <source></source>
        <translation>File del database</translation>
    </message>
    <message id="Import From CSV">
        <source></source>
        <translation>Importa da CSV</translation>
    </message>
    <message id="Export To SDBI">
        <source></source>
        <translation>Esporta in SDBI</translation>
    </message>
    <message id="Export To Spinora Database">
        <source></source>
        <translation>Esporta in database Spinora</translation>
    </message>
    <message id="Export To CSV">
        <source></source>
        <translation>Esporta in CSV</translation>
    </message>
    <message id="Type a path, or choose the file with Browse">
        <source></source>
        <translation>Digita un percorso o scegli il file con Sfoglia</translation>
    </message>
    <message id="Choose where to save with Browse">
        <source></source>
        <translation>Scegli dove salvare con Sfoglia</translation>
    </message>
    <message id="There is no file “%1”.">
        <source></source>
        <translation>Il file «%1» non esiste.</translation>
    </message>
    <message id="A4, 3 × 8 labels of 70 × 37 mm">
        <source></source>
        <translation>A4, 3 × 8 etichette da 70 × 37 mm</translation>
    </message>
    <message id="US Letter, 3 × 10 labels of 2.625 × 1 in">
        <source></source>
        <translation>US Letter, 3 × 10 etichette da 2,625 × 1 in</translation>
    </message>
    <message id="%n labels" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n etichetta</numerusform>
            <numerusform>%n etichette</numerusform>
        </translation>
    </message>
    <message id="%n pages" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n pagina</numerusform>
            <numerusform>%n pagine</numerusform>
        </translation>
    </message>
    <message id=" mm">
        <source></source>
        <translation> mm</translation>
    </message>
    <message id="Nothing was printed: the printer “%1” could not be used.">
        <source></source>
        <translation>Non è stato stampato nulla: impossibile usare la stampante «%1».</translation>
    </message>
    <message id="Nothing was printed: the file “%1” could not be written.">
        <source></source>
        <translation>Non è stato stampato nulla: impossibile scrivere il file «%1».</translation>
    </message>
    <message id="Error: out of memory.">
        <source></source>
        <translation>Errore: memoria esaurita.</translation>
    </message>
    <message id="Error: unknown exception.">
        <source></source>
        <translation>Errore: eccezione sconosciuta.</translation>
    </message>
    <message id="No snapshot of the collection could be kept: %1">
        <source></source>
        <translation>Impossibile conservare un&apos;istantanea della collezione: %1</translation>
    </message>
    <message id="the collection as it is now could not be kept first, so nothing was changed: %1">
        <source></source>
        <translation>non è stato possibile conservare prima la collezione nel suo stato attuale, quindi non è stato modificato nulla: %1</translation>
    </message>
    <message id="the collection was opened read-only">
        <source></source>
        <translation>la collezione è stata aperta in sola lettura</translation>
    </message>
    <message id="Other">
        <source></source>
        <translation>Altro</translation>
    </message>
    <message id="it does not exist.">
        <source></source>
        <translation>non esiste.</translation>
    </message>
    <message id="it is not a collection package (a folder ending in .sdb).">
        <source></source>
        <translation>non è un pacchetto di collezione (una cartella che termina con .sdb).</translation>
    </message>
    <message id="the folder holds no %1, so it is not a Spinora collection.">
        <source></source>
        <translation>la cartella non contiene nessun %1, quindi non è una collezione Spinora.</translation>
    </message>
    <message id="it is read-only. Make it writable, or copy it to another place, to open it.">
        <source></source>
        <translation>è di sola lettura. Per aprirla, rendila scrivibile o copiala in un&apos;altra posizione.</translation>
    </message>
    <message id="the collection is not open">
        <source></source>
        <translation>la collezione non è aperta</translation>
    </message>
    <message id="the collection could not be read again: %1">
        <source></source>
        <translation>impossibile rileggere la collezione: %1</translation>
    </message>
    <message id="the file is not a picture">
        <source></source>
        <translation>il file non è un&apos;immagine</translation>
    </message>
    <message id="the picture is too large (%1 × %2 pixels)">
        <source></source>
        <translation>l&apos;immagine è troppo grande (%1 × %2 pixel)</translation>
    </message>
    <message id="the picture cannot be decoded (%1)">
        <source></source>
        <translation>l&apos;immagine non può essere decodificata (%1)</translation>
    </message>
    <message id="the file cannot be read">
        <source></source>
        <translation>il file non può essere letto</translation>
    </message>
    <message id="the file is larger than %1 MB">
        <source></source>
        <translation>il file supera %1 MB</translation>
    </message>
    <message id="Error: a photo needs its three prepared files.">
        <source></source>
        <translation>Errore: una foto richiede i suoi tre file preparati.</translation>
    </message>
    <message id="a change to it was cut short when Spinora or the computer stopped">
        <source></source>
        <translation>una modifica è stata interrotta dall&apos;arresto di Spinora o del computer</translation>
    </message>
    <message id="%1, and must be undone before the collection can be read. That takes writing, and the collection is read-only here. Copy the whole collection, with the file %2-journal in it, to a writable place and open the copy.">
        <source></source>
        <translation>%1, e deve essere annullata prima di poter leggere la collezione. Ciò richiede una scrittura, e qui la collezione è di sola lettura. Copia l&apos;intera collezione, con il file %2-journal che contiene, in una posizione scrivibile e apri la copia.</translation>
    </message>
    <message id="%1, and cannot be undone: %2">
        <source></source>
        <translation>%1, e non può essere annullata: %2</translation>
    </message>
    <message id="%1, and undoing it failed: %2.">
        <source></source>
        <translation>%1, e il suo annullamento non è riuscito: %2.</translation>
    </message>
    <message id="the collection is not open for writing.">
        <source></source>
        <translation>la collezione non è aperta in scrittura.</translation>
    </message>
    <message id="no watering moment was given.">
        <source></source>
        <translation>non è stato indicato nessun momento di annaffiatura.</translation>
    </message>
    <message id="it is already open in this program.">
        <source></source>
        <translation>è già aperta in questo programma.</translation>
    </message>
    <message id="another program (process %1)">
        <source></source>
        <translation>un altro programma (processo %1)</translation>
    </message>
    <message id="it is in use by %1. Only one program at a time can change a collection; try again when it has finished.">
        <source></source>
        <translation>è in uso da parte di %1. Solo un programma alla volta può modificare una collezione; riprova quando avrà finito.</translation>
    </message>
    <message id="its lock file %1 cannot be opened (%2).">
        <source></source>
        <translation>il suo file di blocco %1 non può essere aperto (%2).</translation>
    </message>
    <message id="its lock file %1 cannot be locked (%2).">
        <source></source>
        <translation>il suo file di blocco %1 non può essere bloccato (%2).</translation>
    </message>
    <message id="its lock file %1 keeps being replaced by another program.">
        <source></source>
        <translation>il suo file di blocco %1 viene continuamente sostituito da un altro programma.</translation>
    </message>
    <message id="the picture cannot be converted to JPEG">
        <source></source>
        <translation>l&apos;immagine non può essere convertita in JPEG</translation>
    </message>
    <message id="no database connection">
        <source></source>
        <translation>nessuna connessione al database</translation>
    </message>
    <message id="the current schema is not available (%1)">
        <source></source>
        <translation>lo schema attuale non è disponibile (%1)</translation>
    </message>
    <message id="The collection %1 could not be opened: %2">
        <source></source>
        <translation>Impossibile aprire la collezione %1: %2</translation>
    </message>
    <message id="The collection %1 could not be made: %2">
        <source></source>
        <translation>Impossibile creare la collezione %1: %2</translation>
    </message>
    <message id="The logs of %1 could not be read: %2">
        <source></source>
        <translation>Impossibile leggere le registrazioni di %1: %2</translation>
    </message>
    <message id="%1. So that nothing is lost, the collection is now read-only: nothing in it is changed or deleted. Close it and open it again to try once more.">
        <source></source>
        <translation>%1. Perché non vada perso nulla, la collezione è ora di sola lettura: non vi viene modificato né eliminato nulla. Chiudila e riaprila per riprovare.</translation>
    </message>
    <message id="it was made by a newer version of Spinora (schema %1; this version reads up to %2).">
        <source></source>
        <translation>è stata creata da una versione più recente di Spinora (schema %1; questa versione legge fino allo schema %2).</translation>
    </message>
    <message id="its schema could not be upgraded (%1).">
        <source></source>
        <translation>non è stato possibile aggiornare il suo schema (%1).</translation>
    </message>
    <message id="the script %1 could not be read">
        <source></source>
        <translation>impossibile leggere lo script %1</translation>
    </message>
    <message id="The collection %1 was opened read-only and cannot be saved.">
        <source></source>
        <translation>La collezione %1 è stata aperta in sola lettura e non può essere salvata.</translation>
    </message>
    <message id="The collection %1 was saved, but could not be opened again: %2">
        <source></source>
        <translation>La collezione %1 è stata salvata, ma non è stato possibile riaprirla: %2</translation>
    </message>
    <message id="The collection could not be saved as %1: %2">
        <source></source>
        <translation>Impossibile salvare la collezione come %1: %2</translation>
    </message>
    <message id="The collection could not be saved as %1.">
        <source></source>
        <translation>Impossibile salvare la collezione come %1.</translation>
    </message>
    <message id="Caudiciform">
        <source></source>
        <translation>Caudiciforme</translation>
    </message>
    <message id="Leaf Succulent">
        <source></source>
        <translation>Succulenta fogliare</translation>
    </message>
    <message id="Root Succulent">
        <source></source>
        <translation>Succulenta radicale</translation>
    </message>
    <message id="Stem Succulent">
        <source></source>
        <translation>Succulenta caulinare</translation>
    </message>
    <message id="Seed">
        <source></source>
        <translation>Seme</translation>
    </message>
    <message id="Cutting">
        <source></source>
        <translation>Talea</translation>
    </message>
    <message id="Offset">
        <source></source>
        <translation>Pollone</translation>
    </message>
    <message id="Grafted">
        <source></source>
        <translation>Innestato</translation>
    </message>
    <message id="Wild">
        <source></source>
        <translation>Natura</translation>
    </message>
    <message id="Nursery Stock">
        <source></source>
        <translation>Vivaio</translation>
    </message>
    <message id="Private Grower">
        <source></source>
        <translation>Coltivatore privato</translation>
    </message>
    <message id="Retailer">
        <source></source>
        <translation>Rivenditore</translation>
    </message>
    <message id="Ceramic">
        <source></source>
        <translation>Ceramica</translation>
    </message>
    <message id="Concrete">
        <source></source>
        <translation>Cemento</translation>
    </message>
    <message id="Fiberglass">
        <source></source>
        <translation>Vetroresina</translation>
    </message>
    <message id="Mica">
        <source></source>
        <translation>Mica</translation>
    </message>
    <message id="None (In-Ground)">
        <source></source>
        <translation>Nessuno (in piena terra)</translation>
    </message>
    <message id="Plastic">
        <source></source>
        <translation>Plastica</translation>
    </message>
    <message id="Stone">
        <source></source>
        <translation>Pietra</translation>
    </message>
    <message id="Wood">
        <source></source>
        <translation>Legno</translation>
    </message>
    <message id="Round">
        <source></source>
        <translation>Rotondo</translation>
    </message>
    <message id="Oval">
        <source></source>
        <translation>Ovale</translation>
    </message>
    <message id="Square">
        <source></source>
        <translation>Quadrato</translation>
    </message>
    <message id="Rectangular">
        <source></source>
        <translation>Rettangolare</translation>
    </message>
    <message id="Hexagon">
        <source></source>
        <translation>Esagonale</translation>
    </message>
    <message id="Octagon">
        <source></source>
        <translation>Ottagonale</translation>
    </message>
    <message id="Dish">
        <source></source>
        <translation>Ciotola</translation>
    </message>
    <message id="Lotus">
        <source></source>
        <translation>Loto</translation>
    </message>
    <message id="Flat">
        <source></source>
        <translation>Piatto</translation>
    </message>
    <message id="Irregular">
        <source></source>
        <translation>Irregolare</translation>
    </message>
    <message id="hours">
        <source></source>
        <translation>ore</translation>
    </message>
    <message id="days">
        <source></source>
        <translation>giorni</translation>
    </message>
    <message id="weeks">
        <source></source>
        <translation>settimane</translation>
    </message>
    <message id="months">
        <source></source>
        <translation>mesi</translation>
    </message>
    <message id="hour">
        <source></source>
        <translation>ora</translation>
    </message>
    <message id="day">
        <source></source>
        <translation>giorno</translation>
    </message>
    <message id="week">
        <source></source>
        <translation>settimana</translation>
    </message>
    <message id="month">
        <source></source>
        <translation>mese</translation>
    </message>
    <message id="Spray">
        <source></source>
        <translation>Nebulizzazione</translation>
    </message>
    <message id="LightQuantity">
        <source></source>
        <translation>Leggera</translation>
    </message>
    <message id="Moderate">
        <source></source>
        <translation>Moderata</translation>
    </message>
    <message id="Soak">
        <source></source>
        <translation>Immersione</translation>
    </message>
    <message id="a cactus">
        <source></source>
        <translation>un cactus</translation>
    </message>
    <message id="a watering schedule">
        <source></source>
        <translation>un programma di annaffiatura</translation>
    </message>
    <message id="a log">
        <source></source>
        <translation>una registrazione</translation>
    </message>
    <message id="a photo">
        <source></source>
        <translation>una foto</translation>
    </message>
    <message id="a record (%1)">
        <source></source>
        <translation>un elemento (%1)</translation>
    </message>
    <message id="%1 it needs is gone">
        <source></source>
        <translation>non esiste più %1 di cui ha bisogno</translation>
    </message>
    <message id="%1 it would bring back has been made again">
        <source></source>
        <translation>nel frattempo è stato ricreato %1 che ripristinerebbe</translation>
    </message>
    <message id="%1 it touches has been changed since">
        <source></source>
        <translation>nel frattempo è cambiato %1 su cui agisce</translation>
    </message>
    <message id="what it needs could not be read from %1">
        <source></source>
        <translation>impossibile leggere da %1 ciò di cui ha bisogno</translation>
    </message>
    <message id="the collection as it was before was not kept">
        <source></source>
        <translation>la collezione com&apos;era prima non è stata conservata</translation>
    </message>
    <message id="“%1” could not be undone: %2.">
        <source></source>
        <translation>Impossibile annullare «%1»: %2.</translation>
    </message>
    <message id="“%1” could not be redone: %2.">
        <source></source>
        <translation>Impossibile rifare «%1»: %2.</translation>
    </message>
    <message id="the database is damaged (%1).">
        <source></source>
        <translation>il database è danneggiato (%1).</translation>
    </message>
    <message id="Print the list">
        <source></source>
        <translation>Stampa l&apos;elenco</translation>
    </message>
    <message id="Import from device">
        <source></source>
        <translation>Importa dal dispositivo</translation>
    </message>
    <message id="Import database from Spinora Mobile App">
        <source></source>
        <translation>Importa il database dall&apos;app mobile Spinora</translation>
    </message>
    <message id="Export to device">
        <source></source>
        <translation>Esporta sul dispositivo</translation>
    </message>
    <message id="Export database to Spinora Mobile App">
        <source></source>
        <translation>Esporta il database nell&apos;app mobile Spinora</translation>
    </message>
    <message id="Show database statistics">
        <source></source>
        <translation>Mostra le statistiche del database</translation>
    </message>
    <message id="Delete Item">
        <source></source>
        <translation>Elimina elemento</translation>
    </message>
    <message id="Remove an item from the list">
        <source></source>
        <translation>Rimuovi un elemento dall&apos;elenco</translation>
    </message>
    <message id="Add an item to the list">
        <source></source>
        <translation>Aggiungi un elemento all&apos;elenco</translation>
    </message>
    <message id="%n watering schedules" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n programma di annaffiatura</numerusform>
            <numerusform>%n programmi di annaffiatura</numerusform>
        </translation>
    </message>
    <message id="%1 and its %n cacti" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%1 e il suo %n cactus</numerusform>
            <numerusform>%1 e i suoi %n cactus</numerusform>
        </translation>
    </message>
    <message id="%1 and their %n cacti" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%1 e il loro %n cactus</numerusform>
            <numerusform>%1 e i loro %n cactus</numerusform>
        </translation>
    </message>
    <message id="%n cacti" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n cactus</numerusform>
            <numerusform>%n cactus</numerusform>
        </translation>
    </message>
    <message id="No log has the event &quot;Flowered&quot; yet.">
        <source></source>
        <translation>Nessuna registrazione ha ancora l&apos;evento «Fiorito».</translation>
    </message>
    <message id="How often each plant flowered in each month, over all years; the plants likely to flower in %1 first.">
        <source></source>
        <translation>Quante volte ogni pianta è fiorita in ogni mese, considerando tutti gli anni; prima le piante che probabilmente fioriranno a %1.</translation>
    </message>
    <message id="No date">
        <source></source>
        <translation>Nessuna data</translation>
    </message>
    <message id="%1, %2">
        <source></source>
        <translation>%1, %2</translation>
    </message>
    <message id="Photo Timeline of %1">
        <source></source>
        <translation>Cronologia delle foto di %1</translation>
    </message>
    <message id="Photos, oldest first">
        <source></source>
        <translation>Foto, prima le più vecchie</translation>
    </message>
    <message id="This plant has no photos yet, neither its own nor in its logs.">
        <source></source>
        <translation>Questa pianta non ha ancora foto, né proprie né nelle sue registrazioni.</translation>
    </message>
    <message id="Choose two photos (Ctrl+click) to see them side by side.">
        <source></source>
        <translation>Scegli due foto (Ctrl+clic) per vederle affiancate.</translation>
    </message>
    <message id="Earlier photo">
        <source></source>
        <translation>Foto precedente</translation>
    </message>
    <message id="Later photo">
        <source></source>
        <translation>Foto successiva</translation>
    </message>
    <message id="%1 (%2 without a date)">
        <source></source>
        <translation>%1 (%2 senza data)</translation>
    </message>
    <message id="Log Entries">
        <source></source>
        <translation>Registrazioni</translation>
    </message>
    <message id="Watering Due">
        <source></source>
        <translation>Annaffiature da fare</translation>
    </message>
    <message id="Reminders Due">
        <source></source>
        <translation>Promemoria da fare</translation>
    </message>
    <message id="%1:">
        <source></source>
        <translation>%1:</translation>
    </message>
    <message id="no collection at %1">
        <source></source>
        <translation>nessuna collezione in %1</translation>
    </message>
    <message id="no snapshot was kept: %1">
        <source></source>
        <translation>non è stata conservata nessuna istantanea: %1</translation>
    </message>
    <message id="%1 has no snapshot named %2 (spinora-cli backups %1 lists them); nothing was changed">
        <source></source>
        <translation>%1 non ha nessuna istantanea chiamata %2 (spinora-cli backups %1 le elenca); non è stato modificato nulla</translation>
    </message>
    <message id="%1 was not restored: %2">
        <source></source>
        <translation>%1 non è stato ripristinato: %2</translation>
    </message>
    <message id="the collection as it was is kept as %1">
        <source></source>
        <translation>la collezione com&apos;era è conservata come %1</translation>
    </message>
    <message id="%1 needs a value">
        <source></source>
        <translation>%1 richiede un valore</translation>
    </message>
    <message id="usage: %1">
        <source></source>
        <translation>uso: %1</translation>
    </message>
    <message id="%1 must be a whole number from %2 to %3, not “%4”">
        <source></source>
        <translation>%1 deve essere un numero intero da %2 a %3, non «%4»</translation>
    </message>
    <message id="%1 must be a local date and time as YYYY-MM-DD HH:MM, not “%2”">
        <source></source>
        <translation>%1 deve essere una data e un&apos;ora locali nel formato AAAA-MM-GG HH:MM, non «%2»</translation>
    </message>
    <message id="the collection could not be written">
        <source></source>
        <translation>impossibile scrivere la collezione</translation>
    </message>
    <message id="%1 is damaged: %2 Nothing was changed. “spinora-cli backups %1” lists its snapshots and “spinora-cli restore %1 SNAPSHOT” brings one back.">
        <source></source>
        <translation>%1 è danneggiata: %2 Non è stato modificato nulla. «spinora-cli backups %1» elenca le sue istantanee e «spinora-cli restore %1 SNAPSHOT» ne ripristina una.</translation>
    </message>
    <message id="its photo file %1 is missing.">
        <source></source>
        <translation>manca il suo file di foto %1.</translation>
    </message>
    <message id="%1 photo files are missing, the first %2.">
        <source></source>
        <translation>Mancano %1 file di foto, il primo è %2.</translation>
    </message>
    <message id="%1: a collection's name must end in .%2">
        <source></source>
        <translation>%1: il nome di una collezione deve terminare con .%2</translation>
    </message>
    <message id="%1 already exists; nothing was changed">
        <source></source>
        <translation>%1 esiste già; non è stato modificato nulla</translation>
    </message>
    <message id="the folder %1 does not exist">
        <source></source>
        <translation>la cartella %1 non esiste</translation>
    </message>
    <message id="the sample could not be written">
        <source></source>
        <translation>impossibile scrivere l&apos;esempio</translation>
    </message>
    <message id="created %1 with %2 cacti, %3 watering schedules, %4 logs and %5 photos">
        <source></source>
        <translation>creata il %1 con %2 cactus, %3 programmi di annaffiatura, %4 registrazioni e %5 foto</translation>
    </message>
    <message id="list what? “%1” is not cacti, watering or logs">
        <source></source>
        <translation>elencare cosa? «%1» non è cacti, watering né logs</translation>
    </message>
    <message id="at most three --no-water periods">
        <source></source>
        <translation>al massimo tre periodi --no-water</translation>
    </message>
    <message id="--no-water must be MM-DD:MM-DD with real days, not “%1”">
        <source></source>
        <translation>--no-water deve essere nel formato MM-GG:MM-GG con giorni reali, non «%1»</translation>
    </message>
    <message id="warning: %1">
        <source></source>
        <translation>avviso: %1</translation>
    </message>
    <message id="there is no session bus to post the notification on (%1)">
        <source></source>
        <translation>non c&apos;è nessun bus di sessione su cui pubblicare la notifica (%1)</translation>
    </message>
    <message id="no notification service answers on the session bus (%1)">
        <source></source>
        <translation>nessun servizio di notifica risponde sul bus di sessione (%1)</translation>
    </message>
    <message id="the notification service refused the notification (%1)">
        <source></source>
        <translation>il servizio di notifica ha rifiutato la notifica (%1)</translation>
    </message>
    <message id="%1 wants a device address such as http://host:port, not “%2”">
        <source></source>
        <translation>%1 richiede un indirizzo di dispositivo come http://host:porta, non «%2»</translation>
    </message>
    <message id="the import failed; nothing was changed">
        <source></source>
        <translation>importazione non riuscita; non è stato modificato nulla</translation>
    </message>
    <message id="the import failed; nothing was changed: %1">
        <source></source>
        <translation>importazione non riuscita; non è stato modificato nulla: %1</translation>
    </message>
    <message id="download failed: %1">
        <source></source>
        <translation>download non riuscito: %1</translation>
    </message>
    <message id="upload failed: %1 - %2">
        <source></source>
        <translation>caricamento non riuscito: %1 - %2</translation>
    </message>
    <message id="service discovery failed: %1; it needs the avahi-daemon service (start it with &quot;systemctl start avahi-daemon&quot;)">
        <source></source>
        <translation>rilevamento dei servizi non riuscito: %1; richiede il servizio avahi-daemon (avvialo con &quot;systemctl start avahi-daemon&quot;)</translation>
    </message>
    <message id="pull needs --from URL">
        <source></source>
        <translation>pull richiede --from URL</translation>
    </message>
    <message id="import option %1 does not fit a device in mode %2: %3">
        <source></source>
        <translation>l&apos;opzione di importazione %1 non è adatta a un dispositivo in modalità %2: %3</translation>
    </message>
    <message id="push needs --to URL">
        <source></source>
        <translation>push richiede --to URL</translation>
    </message>
    <message id="%1 Add --force to replace it.">
        <source></source>
        <translation>%1 Aggiungi --force per sostituirlo.</translation>
    </message>
    <message id="%1 Nothing was written.">
        <source></source>
        <translation>%1 Non è stato scritto nulla.</translation>
    </message>
    <message id="Exporting to the open collection itself is not permitted">
        <source></source>
        <translation>Non è consentito esportare nella collezione aperta stessa</translation>
    </message>
    <message id="%1: use export-csv for CSV files">
        <source></source>
        <translation>%1: usa export-csv per i file CSV</translation>
    </message>
    <message id="%1: a CSV file's name must end in .csv">
        <source></source>
        <translation>%1: il nome di un file CSV deve terminare con .csv</translation>
    </message>
    <message id="Writing a report into the open collection itself is not permitted">
        <source></source>
        <translation>Non è consentito scrivere un resoconto nella collezione aperta stessa</translation>
    </message>
    <message id="the file %1 could not be written">
        <source></source>
        <translation>impossibile scrivere il file %1</translation>
    </message>
    <message id="nothing to import at %1">
        <source></source>
        <translation>niente da importare in %1</translation>
    </message>
    <message id="--map is for CSV files">
        <source></source>
        <translation>--map è solo per i file CSV</translation>
    </message>
    <message id="--map: %1">
        <source></source>
        <translation>--map: %1</translation>
    </message>
    <message id="Importing from the open collection itself is not permitted">
        <source></source>
        <translation>Non è consentito importare dalla collezione aperta stessa</translation>
    </message>
    <message id="--page-size must be A4 or Letter, not “%1”">
        <source></source>
        <translation>--page-size deve essere A4 o Letter, non «%1»</translation>
    </message>
    <message id="--record must be a record's key (a whole number), not “%1”">
        <source></source>
        <translation>--record deve essere la chiave di un elemento (un numero intero), non «%1»</translation>
    </message>
    <message id="--record needs a sheet screen (3, 4 or 5)">
        <source></source>
        <translation>--record richiede una schermata di scheda (3, 4 o 5)</translation>
    </message>
    <message id="the collection has no cactus with the key %1">
        <source></source>
        <translation>la collezione non ha nessun cactus con la chiave %1</translation>
    </message>
    <message id="the collection has no cactus to print">
        <source></source>
        <translation>la collezione non ha nessun cactus da stampare</translation>
    </message>
    <message id="the collection has no watering schedule with the key %1">
        <source></source>
        <translation>la collezione non ha nessun programma di annaffiatura con la chiave %1</translation>
    </message>
    <message id="the collection has no watering schedule to print">
        <source></source>
        <translation>la collezione non ha nessun programma di annaffiatura da stampare</translation>
    </message>
    <message id="the collection has no log with the key %1">
        <source></source>
        <translation>la collezione non ha nessuna registrazione con la chiave %1</translation>
    </message>
    <message id="the collection has no log to print">
        <source></source>
        <translation>la collezione non ha nessuna registrazione da stampare</translation>
    </message>
    <message id="--layout must be a4-3x8 or letter-3x10, not “%1”">
        <source></source>
        <translation>--layout deve essere a4-3x8 o letter-3x10, non «%1»</translation>
    </message>
    <message id="no cactus matches “%1”">
        <source></source>
        <translation>nessun cactus corrisponde a «%1»</translation>
    </message>
    <message id="due">
        <source></source>
        <translation>da fare</translation>
    </message>
    <message id="1 day overdue">
        <source></source>
        <translation>1 giorno di ritardo</translation>
    </message>
    <message id="%1 days overdue">
        <source></source>
        <translation>%1 giorni di ritardo</translation>
    </message>
    <message id="nothing due">
        <source></source>
        <translation>niente da fare</translation>
    </message>
    <message id="(no schedule)">
        <source></source>
        <translation>(nessun programma)</translation>
    </message>
    <message id="(no plants)">
        <source></source>
        <translation>(nessuna pianta)</translation>
    </message>
    <message id="%1: %2, next watering %3, %4">
        <source></source>
        <translation>%1: %2, prossima annaffiatura %3, %4</translation>
    </message>
    <message id="reminder: %1, %2">
        <source></source>
        <translation>promemoria: %1, %2</translation>
    </message>
    <message id="reminder: %1 (%2), %3">
        <source></source>
        <translation>promemoria: %1 (%2), %3</translation>
    </message>
    <message id="1 plant to water">
        <source></source>
        <translation>1 pianta da annaffiare</translation>
    </message>
    <message id="%1 plants to water">
        <source></source>
        <translation>%1 piante da annaffiare</translation>
    </message>
    <message id="1 reminder">
        <source></source>
        <translation>1 promemoria</translation>
    </message>
    <message id="%1 reminders">
        <source></source>
        <translation>%1 promemoria</translation>
    </message>
    <message id="%1 and %2">
        <source></source>
        <translation>%1 e %2</translation>
    </message>
    <message id="%1 today">
        <source></source>
        <translation>%1 oggi</translation>
    </message>
    <message id="%1 by %2">
        <source></source>
        <translation>%1 per %2</translation>
    </message>
    <message id="%1 and %2 more">
        <source></source>
        <translation>%1 e altri %2</translation>
    </message>
    <message id="nothing due: no notification">
        <source></source>
        <translation>niente da fare: nessuna notifica</translation>
    </message>
    <message id="%1 could not be started">
        <source></source>
        <translation>Impossibile avviare %1</translation>
    </message>
    <message id="--on must be a date as YYYY-MM-DD, not “%1”">
        <source></source>
        <translation>--on deve essere una data nel formato AAAA-MM-GG, non «%1»</translation>
    </message>
    <message id="no collection named and no recent collection to check">
        <source></source>
        <translation>nessuna collezione indicata e nessuna collezione recente da controllare</translation>
    </message>
    <message id="--at %1 lies in the future; a watering can only be recorded once it is done">
        <source></source>
        <translation>--at %1 è nel futuro; un&apos;annaffiatura può essere registrata solo dopo essere stata fatta</translation>
    </message>
    <message id="no watering schedule is named “%1”; nothing was changed">
        <source></source>
        <translation>nessun programma di annaffiatura si chiama «%1»; non è stato modificato nulla</translation>
    </message>
    <message id="no cactus is named “%1”; nothing was changed">
        <source></source>
        <translation>nessun cactus si chiama «%1»; non è stato modificato nulla</translation>
    </message>
    <message id="the watering could not be recorded">
        <source></source>
        <translation>impossibile registrare l&apos;annaffiatura</translation>
    </message>
    <message id="unknown subcommand “%1” (see spinora-cli --help)">
        <source></source>
        <translation>sottocomando sconosciuto «%1» (vedi spinora-cli --help)</translation>
    </message>
    <message id="The latest changes to “%1” could not be written: %2">
        <source></source>
        <translation>Impossibile scrivere le ultime modifiche a «%1»: %2</translation>
    </message>
    <message id="The window stays open so that they are not lost. Make room and close it again, or save the collection somewhere else.">
        <source></source>
        <translation>La finestra resta aperta perché non vadano perse. Libera spazio e chiudila di nuovo, oppure salva la collezione altrove.</translation>
    </message>
    <message id="the photo could not be written into the collection (is the disk full?)">
        <source></source>
        <translation>impossibile scrivere la foto nella collezione (il disco è pieno?)</translation>
    </message>
    <message id="unknown option %1">
        <source></source>
        <translation>opzione sconosciuta %1</translation>
    </message>
    <message id="name at least one --schedule or --cactus">
        <source></source>
        <translation>indica almeno un --schedule o --cactus</translation>
    </message>
    <message id="&lt; 1 year">
        <source></source>
        <translation>&lt; 1 anno</translation>
    </message>
    <message id="%n years" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n anno</numerusform>
            <numerusform>%n anni</numerusform>
        </translation>
    </message>
    <message id="Columns of %1">
        <source></source>
        <translation>Colonne di %1</translation>
    </message>
    <message id="This file is not in the Spinora CSV template layout. Choose what each column holds; its first rows are shown below it.">
        <source></source>
        <translation>Questo file non segue il modello CSV di Spinora. Scegli cosa contiene ogni colonna; le sue prime righe sono mostrate sotto.</translation>
    </message>
    <message id="Columns of the file">
        <source></source>
        <translation>Colonne del file</translation>
    </message>
    <message id="Field of the column “%1”">
        <source></source>
        <translation>Campo della colonna «%1»</translation>
    </message>
    <message id="Skip">
        <source></source>
        <translation>Salta</translation>
    </message>
    <message id="Choose the column that holds the plants' names.">
        <source></source>
        <translation>Scegli la colonna che contiene i nomi delle piante.</translation>
    </message>
    <message id="%n hours" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n ora</numerusform>
            <numerusform>%n ore</numerusform>
        </translation>
    </message>
    <message id="%n days" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n giorno</numerusform>
            <numerusform>%n giorni</numerusform>
        </translation>
    </message>
    <message id="%n weeks" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n settimana</numerusform>
            <numerusform>%n settimane</numerusform>
        </translation>
    </message>
    <message id="%n months" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n mese</numerusform>
            <numerusform>%n mesi</numerusform>
        </translation>
    </message>
    <message id="Keep the &amp;original file of each photo added (full detail, date taken)">
        <source></source>
        <translation>Conserva il file &amp;originale di ogni foto aggiunta (tutti i dettagli, data di scatto)</translation>
    </message>
    <message id="The originals take %1 in the open collections.">
        <source></source>
        <translation>Gli originali occupano %1 nelle collezioni aperte.</translation>
    </message>
    <message id="Print Photo…">
        <source></source>
        <translation>Stampa foto…</translation>
    </message>
    <message id="Print the photo on a page">
        <source></source>
        <translation>Stampa la foto su una pagina</translation>
    </message>
    <message id="Taken on %1 at %2">
        <source></source>
        <translation>Scattata il %1 alle %2</translation>
    </message>
</context>
</TS>
