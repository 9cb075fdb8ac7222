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
    <message id="%1 of its photo files are missing, the first “%2”.">
        <source></source>
        <translation>Mancano %1 dei suoi file di foto, il primo è «%2».</translation>
    </message>
    <message id="The collection “%1” is damaged, so it was not opened.">
        <source></source>
        <translation>La collezione «%1» è danneggiata, quindi non è stata aperta.</translation>
    </message>
    <message id="The newest good snapshot was taken on %1 and holds %2 plants, %3 logs and %4 photos. Restoring it replaces the collection; the damaged one is kept as a snapshot first.">
        <source></source>
        <translation>L&apos;istantanea integra più recente risale al %1 e contiene %2 piante, %3 registrazioni e %4 foto. Ripristinarla sostituisce la collezione; quella danneggiata viene prima conservata come istantanea.</translation>
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
    <message id="The collection will hold %1 plants, %2 logs and %3 photos. Its current state is kept as a snapshot first, so this can be undone by restoring that one.">
        <source></source>
        <translation>La collezione conterrà %1 piante, %2 registrazioni e %3 foto. Il suo stato attuale viene prima conservato come istantanea, quindi puoi annullare l&apos;operazione ripristinando quella.</translation>
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
    <message id="The app will ask what you want to import.">
        <source></source>
        <translation>L&apos;app ti chiederà cosa vuoi importare.</translation>
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
    <message id="Line %1, column %2 (%3): &quot;%4&quot; could not be read and was not imported.">
        <source></source>
        <translation>Riga %1, colonna %2 (%3): impossibile leggere «%4», non è stato importato.</translation>
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
    <message id="The file is not in the Spinora CSV template layout and these columns could not be placed: &quot;%1&quot;. Give each column its field, for example --map &quot;%2&quot; (the fields are %3).">
        <source></source>
        <translation>Il file non segue lo schema del modello CSV di Spinora e non è stato possibile assegnare queste colonne: «%1». Indica il campo di ogni colonna, ad esempio --map &quot;%2&quot; (i campi sono %3).</translation>
    </message>
    <message id="&quot;%1&quot; is no COLUMN=FIELD pair.">
        <source></source>
        <translation>«%1» non è una coppia COLUMN=FIELD.</translation>
    </message>
    <message id="&quot;%1&quot; is no field; the fields are %2.">
        <source></source>
        <translation>«%1» non è un campo; i campi sono %2.</translation>
    </message>
    <message id="The file has no column &quot;%1&quot;.">
        <source></source>
        <translation>Il file non ha una colonna «%1».</translation>
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
    <message id="There is no file &quot;%1&quot;.">
        <source></source>
        <translation>Il file «%1» non esiste.</translation>
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
    <message id="&quot;%1&quot; already exists. Do you want to replace it?">
        <source></source>
        <translation>«%1» esiste già. Vuoi sostituirlo?</translation>
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
    <message id="%1 labels">
        <source></source>
        <translation>%1 etichette</translation>
    </message>
    <message id="1 page">
        <source></source>
        <translation>1 pagina</translation>
    </message>
    <message id="%1 pages">
        <source></source>
        <translation>%1 pagine</translation>
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
    <message id="Nothing was printed: the printer &quot;%1&quot; could not be used.">
        <source></source>
        <translation>Non è stato stampato nulla: impossibile usare la stampante «%1».</translation>
    </message>
    <message id="Nothing was printed: the file &quot;%1&quot; could not be written.">
        <source></source>
        <translation>Non è stato stampato nulla: impossibile scrivere il file «%1».</translation>
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
</context>
<context>
    <name>PhotoStore</name>
    <message>
        <source>the photo could not be written into the collection (is the disk full?)</source>
        <translation>impossibile scrivere la foto nella collezione (il disco è pieno?)</translation>
    </message>
</context>
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <source>Page setup</source>
        <translation>Impostazioni pagina</translation>
    </message>
</context>
<context>
    <name>Spinora</name>
    <message>
        <source>name|plant|plant name|cactus|label</source>
        <translation>nome|pianta|nome della pianta|cactus|etichetta</translation>
    </message>
    <message>
        <source>scientific|scientific name|botanical name|latin name|taxon|genus|species</source>
        <translation>scientifico|nome scientifico|nome botanico|nome latino|taxon|genere|specie</translation>
    </message>
    <message>
        <source>common|common name</source>
        <translation>comune|nome comune</translation>
    </message>
    <message>
        <source>type|plant type</source>
        <translation>tipo|tipo di pianta</translation>
    </message>
    <message>
        <source>watering|schedule|watering schedule</source>
        <translation>annaffiatura|programma|programma di annaffiatura</translation>
    </message>
    <message>
        <source>last watered</source>
        <translation>ultima annaffiatura</translation>
    </message>
    <message>
        <source>next watering</source>
        <translation>prossima annaffiatura</translation>
    </message>
    <message>
        <source>planted|plant date|date planted|sown</source>
        <translation>piantato|data d&apos;impianto|data di impianto|seminato</translation>
    </message>
    <message>
        <source>source|origin</source>
        <translation>provenienza|origine</translation>
    </message>
    <message>
        <source>acquired|date acquired|bought|purchased|purchase date</source>
        <translation>acquisito|data di acquisizione|comprato|acquistato|data di acquisto</translation>
    </message>
    <message>
        <source>price|purchase price|cost|paid</source>
        <translation>prezzo|prezzo di acquisto|costo|pagato</translation>
    </message>
    <message>
        <source>value|worth</source>
        <translation>valore|valore stimato</translation>
    </message>
    <message>
        <source>location|place|position|bench|greenhouse</source>
        <translation>posizione|luogo|collocazione|bancale|serra</translation>
    </message>
    <message>
        <source>height</source>
        <translation>altezza</translation>
    </message>
    <message>
        <source>width|diameter</source>
        <translation>larghezza|diametro</translation>
    </message>
    <message>
        <source>weight</source>
        <translation>peso</translation>
    </message>
    <message>
        <source>light|sun</source>
        <translation>luce|sole</translation>
    </message>
    <message>
        <source>temperature|temp|min temp</source>
        <translation>temperatura|temp|temp min</translation>
    </message>
    <message>
        <source>pot size|pot</source>
        <translation>dimensione vaso|vaso</translation>
    </message>
    <message>
        <source>pot shape|shape</source>
        <translation>forma vaso|forma</translation>
    </message>
    <message>
        <source>pot material|material</source>
        <translation>materiale vaso|materiale</translation>
    </message>
    <message>
        <source>notes|note|comments|comment|remarks|description</source>
        <translation>note|nota|commenti|commento|osservazioni|descrizione</translation>
    </message>
    <message>
        <source>id|#|no|no.|number|photo|photos|image|picture</source>
        <translation>id|#|n|n.|numero|foto|fotografie|immagine|figura</translation>
    </message>
</context>
<context>
    <name>spinora</name>
    <message>
        <source>Photos</source>
        <translation>Foto</translation>
    </message>
</context>
<context>
    <name>spinora::EventViewController</name>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Occupato</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>Libero</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titolo</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>Inizio</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>All-Day</source>
        <translation>Tutto il giorno</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendario</translation>
    </message>
    <message>
        <source>Availability</source>
        <translation>Disponibilità</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Kept in %1. To see these reminders in your desktop calendar, add this file to it as a calendar.</source>
        <translation>Promemoria salvati in %1. Per vederli nel calendario del desktop, aggiungi questo file come calendario.</translation>
    </message>
    <message>
        <source>Add New Event</source>
        <translation>Aggiungi nuovo evento</translation>
    </message>
    <message>
        <source>Edit Event</source>
        <translation>Modifica evento</translation>
    </message>
</context>
<context>
    <name>spinora::PhotoGridViewController</name>
    <message>
        <source>All Photos</source>
        <translation>Tutte le foto</translation>
    </message>
    <message>
        <source>Add Photos…</source>
        <translation>Aggiungi foto…</translation>
    </message>
    <message>
        <source>Add photos from picture files. You can also drop picture files on the grid.</source>
        <translation>Aggiungi foto da file di immagine. Puoi anche trascinare i file di immagine sulla griglia.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Size of the photos</source>
        <translation>Dimensione delle foto</translation>
    </message>
    <message>
        <source>Adding photos</source>
        <translation>Aggiunta delle foto</translation>
    </message>
    <message>
        <source>Add Photos</source>
        <translation>Aggiungi foto</translation>
    </message>
    <message>
        <source>Pictures (*.jpg *.jpeg *.png *.gif *.tif *.tiff *.bmp)</source>
        <translation>Immagini (*.jpg *.jpeg *.png *.gif *.tif *.tiff *.bmp)</translation>
    </message>
    <message>
        <source>No collection is open.</source>
        <translation>Nessuna collezione aperta.</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>ATTENZIONE</translation>
    </message>
    <message>
        <source>This file was not added:</source>
        <translation>Questo file non è stato aggiunto:</translation>
    </message>
    <message>
        <source>These files were not added:</source>
        <translation>Questi file non sono stati aggiunti:</translation>
    </message>
</context>
<context>
    <name>spinora::PhotoViewController</name>
    <message>
        <source>Caption</source>
        <translation>Didascalia</translation>
    </message>
</context>
<context>
    <name>spinora::ReportExport</name>
    <message>
        <source>photos</source>
        <translation>foto</translation>
    </message>
    <message>
        <source>Cacti Report</source>
        <translation>Resoconto dei cactus</translation>
    </message>
    <message>
        <source>Exported from %1 v%2 on %3</source>
        <translation>Esportato da %1 v%2 il %3</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Riepilogo</translation>
    </message>
    <message>
        <source>Total Cacti</source>
        <translation>Totale cactus</translation>
    </message>
    <message>
        <source>Total Watering Schedules</source>
        <translation>Totale programmi di annaffiatura</translation>
    </message>
    <message>
        <source>Total Log Entries</source>
        <translation>Totale registrazioni</translation>
    </message>
    <message>
        <source>Unique Species</source>
        <translation>Specie distinte</translation>
    </message>
    <message>
        <source>Total Value</source>
        <translation>Valore totale</translation>
    </message>
    <message>
        <source>Log History</source>
        <translation>Cronologia delle registrazioni</translation>
    </message>
    <message>
        <source>No Event Name</source>
        <translation>Nessun nome di evento</translation>
    </message>
    <message>
        <source>No Notes</source>
        <translation>Nessuna nota</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>No Water Between</source>
        <translation>Niente acqua tra</translation>
    </message>
    <message>
        <source>Cacti To Water</source>
        <translation>Cactus da annaffiare</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
</context>
</TS>
