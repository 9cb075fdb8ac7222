<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da_DK">
<context>
    <name></name>
    <message id="Daily">
        <source></source>
        <translation>Dagligt</translation>
    </message>
    <message id="Before an import">
        <source></source>
        <translation>Før en import</translation>
    </message>
    <message id="Before a restore">
        <source></source>
        <translation>Før en gendannelse</translation>
    </message>
    <message id="Kept by hand">
        <source></source>
        <translation>Gemt manuelt</translation>
    </message>
    <message id="%1, damaged">
        <source></source>
        <translation>%1, beskadiget</translation>
    </message>
    <message id="Restore “%1” From Backup">
        <source></source>
        <translation>Gendan »%1« fra sikkerhedskopi</translation>
    </message>
    <message id="Snapshots are kept every day, before each import and before each restore. Open one to look at it or to import records from it, or restore the whole collection as it was.">
        <source></source>
        <translation>Der gemmes sikkerhedskopier hver dag, før hver import og før hver gendannelse. Åbn en for at se den eller importere poster fra den, eller gendan hele samlingen, som den var.</translation>
    </message>
    <message id="Snapshots">
        <source></source>
        <translation>Sikkerhedskopier</translation>
    </message>
    <message id="&amp;Open Backup">
        <source></source>
        <translation>Åbn &amp;sikkerhedskopi</translation>
    </message>
    <message id="&amp;Restore…">
        <source></source>
        <translation>&amp;Gendan…</translation>
    </message>
    <message id="Spinora cannot set a daily reminder on this desktop: its login entry %1 could not be written.">
        <source></source>
        <translation>Spinora kan ikke oprette en daglig påmindelse på dette skrivebord: dens login-post %1 kunne ikke skrives.</translation>
    </message>
    <message id="This desktop cannot wake Spinora at a set time, so it will look for plants to water each time you log in instead of every day at %1.">
        <source></source>
        <translation>Dette skrivebord kan ikke vække Spinora på et bestemt tidspunkt, så der søges efter planter, der skal vandes, hver gang du logger ind, i stedet for hver dag kl. %1.</translation>
    </message>
    <message id="Restore From Backup…">
        <source></source>
        <translation>Gendan fra sikkerhedskopi…</translation>
    </message>
    <message id="&amp;Keep snapshots of each collection: daily, and before each import or restore">
        <source></source>
        <translation>&amp;Gem sikkerhedskopier af hver samling: dagligt og før hver import eller gendannelse</translation>
    </message>
    <message id="&amp;Folder:">
        <source></source>
        <translation>&amp;Mappe:</translation>
    </message>
    <message id="C&amp;hoose…">
        <source></source>
        <translation>&amp;Vælg…</translation>
    </message>
    <message id=" GB">
        <source></source>
        <translation> GB</translation>
    </message>
    <message id="&amp;Use at most:">
        <source></source>
        <translation>&amp;Brug højst:</translation>
    </message>
    <message id="Snapshot Folder">
        <source></source>
        <translation>Mappe til sikkerhedskopier</translation>
    </message>
    <message id="Restore Snapshot">
        <source></source>
        <translation>Gendan sikkerhedskopi</translation>
    </message>
    <message id="Open Anyway">
        <source></source>
        <translation>Åbn alligevel</translation>
    </message>
    <message id="Its photo file “%1” is missing.">
        <source></source>
        <translation>Dens fotofil »%1« mangler.</translation>
    </message>
    <message id="%1 of its photo files are missing, the first “%2”.">
        <source></source>
        <translation>%1 af dens fotofiler mangler, den første er »%2«.</translation>
    </message>
    <message id="The collection “%1” is damaged, so it was not opened.">
        <source></source>
        <translation>Samlingen »%1« er beskadiget og blev derfor ikke åbnet.</translation>
    </message>
    <message id="The newest good snapshot was taken on %1 and holds %2 plants, %3 logs and %4 photos. Restoring it replaces the collection; the damaged one is kept as a snapshot first.">
        <source></source>
        <translation>Den nyeste gode sikkerhedskopi blev taget den %1 og indeholder %2 planter, %3 logposter og %4 fotos. Hvis den gendannes, erstattes samlingen; den beskadigede gemmes først som sikkerhedskopi.</translation>
    </message>
    <message id="There is no snapshot of it to restore.">
        <source></source>
        <translation>Der er ingen sikkerhedskopi af den at gendanne.</translation>
    </message>
    <message id="The snapshot could not be restored: %1">
        <source></source>
        <translation>Sikkerhedskopien kunne ikke gendannes: %1</translation>
    </message>
    <message id="%1. The collection is open as usual; free some space or choose another backup folder in Preferences.">
        <source></source>
        <translation>%1. Samlingen er åbnet som normalt; frigør plads, eller vælg en anden mappe til sikkerhedskopier i Indstillinger.</translation>
    </message>
    <message id="Restore “%1” as it was on %2?">
        <source></source>
        <translation>Gendan »%1«, som den var den %2?</translation>
    </message>
    <message id="The collection will hold %1 plants, %2 logs and %3 photos. Its current state is kept as a snapshot first, so this can be undone by restoring that one.">
        <source></source>
        <translation>Samlingen kommer til at indeholde %1 planter, %2 logposter og %3 fotos. Dens nuværende tilstand gemmes først som sikkerhedskopi, så dette kan fortrydes ved at gendanne den.</translation>
    </message>
    <message id="Restore">
        <source></source>
        <translation>Gendan</translation>
    </message>
    <message id="The collection was not restored: %1">
        <source></source>
        <translation>Samlingen blev ikke gendannet: %1</translation>
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
        <translation>Ingen enheder fundet. Start Spinora på din iPhone, iPad eller iPod touch, og vælg »Backup Database« eller »Export Data« på skærmen »Tools«.</translation>
    </message>
    <message id="No devices found. Load Spinora on your iPhone, iPad, or iPod touch, and select Restore Database or Import Data on the Tools screen.">
        <source></source>
        <translation>Ingen enheder fundet. Start Spinora på din iPhone, iPad eller iPod touch, og vælg »Restore Database« eller »Import Data« på skærmen »Tools«.</translation>
    </message>
    <message id="Select a device from the list.">
        <source></source>
        <translation>Vælg en enhed på listen.</translation>
    </message>
    <message id="No devices found: the search for devices on the network failed (%1). It needs the avahi-daemon service: start it (for example with &quot;systemctl start avahi-daemon&quot;), then open this window again.">
        <source></source>
        <translation>Ingen enheder fundet: søgningen efter enheder på netværket mislykkedes (%1). Den kræver tjenesten avahi-daemon: start den (f.eks. med &quot;systemctl start avahi-daemon&quot;), og åbn så dette vindue igen.</translation>
    </message>
    <message id="it stopped">
        <source></source>
        <translation>den stoppede</translation>
    </message>
    <message id="Click the Export button to send the database to your device.">
        <source></source>
        <translation>Klik på knappen Eksportér for at sende databasen til din enhed.</translation>
    </message>
    <message id="The app will ask what you want to import.">
        <source></source>
        <translation>Appen spørger, hvad du vil importere.</translation>
    </message>
    <message id="Import Complete">
        <source></source>
        <translation>Import fuldført</translation>
    </message>
    <message id="Database import complete!">
        <source></source>
        <translation>Import af databasen fuldført!</translation>
    </message>
    <message id="Import Error">
        <source></source>
        <translation>Importfejl</translation>
    </message>
    <message id="An error occurred during the import! Database import was aborted and no changes were made.">
        <source></source>
        <translation>Der opstod en fejl under importen! Importen af databasen blev afbrudt, og intet blev ændret.</translation>
    </message>
    <message id="WARNING">
        <source></source>
        <translation>ADVARSEL</translation>
    </message>
    <message id="Error transferring database!">
        <source></source>
        <translation>Fejl ved overførsel af databasen!</translation>
    </message>
    <message id="Check Device">
        <source></source>
        <translation>Tjek enhed</translation>
    </message>
    <message id="Database transferred! Check your device for further instructions.">
        <source></source>
        <translation>Databasen er overført! Se din enhed for yderligere instruktioner.</translation>
    </message>
    <message id="No collection is open.">
        <source></source>
        <translation>Ingen samling er åben.</translation>
    </message>
    <message id="The request timed out.">
        <source></source>
        <translation>Forespørgslen fik timeout.</translation>
    </message>
    <message id="Not a device address: %1">
        <source></source>
        <translation>Ikke en enhedsadresse: %1</translation>
    </message>
    <message id="No folder for temporary files.">
        <source></source>
        <translation>Ingen mappe til midlertidige filer.</translation>
    </message>
    <message id="HTTP error %1">
        <source></source>
        <translation>HTTP-fejl %1</translation>
    </message>
    <message id="The file on the device is larger than %1 MB.">
        <source></source>
        <translation>Filen på enheden er større end %1 MB.</translation>
    </message>
    <message id="The device did not send a Spinora database.">
        <source></source>
        <translation>Enheden sendte ikke en Spinora-database.</translation>
    </message>
    <message id="The device closed the connection before the whole file had arrived.">
        <source></source>
        <translation>Enheden lukkede forbindelsen, før hele filen var modtaget.</translation>
    </message>
    <message id="The downloaded file could not be written.">
        <source></source>
        <translation>Den hentede fil kunne ikke skrives.</translation>
    </message>
    <message id="File read error">
        <source></source>
        <translation>Fejl ved læsning af fil</translation>
    </message>
    <message id="Stream open error">
        <source></source>
        <translation>Fejl ved åbning af datastrøm</translation>
    </message>
    <message id="Network write error">
        <source></source>
        <translation>Fejl ved skrivning til netværket</translation>
    </message>
    <message id="Import Options">
        <source></source>
        <translation>Importindstillinger</translation>
    </message>
    <message id="Cancel">
        <source></source>
        <translation>Annullér</translation>
    </message>
    <message id="Import">
        <source></source>
        <translation>Importér</translation>
    </message>
    <message id="Export">
        <source></source>
        <translation>Eksportér</translation>
    </message>
    <message id="Importing Database">
        <source></source>
        <translation>Importerer database</translation>
    </message>
    <message id="Exporting Database">
        <source></source>
        <translation>Eksporterer database</translation>
    </message>
    <message id="OK">
        <source></source>
        <translation>OK</translation>
    </message>
    <message id="A name is needed to save">
        <source></source>
        <translation>Der kræves et navn for at gemme</translation>
    </message>
    <message id="Name">
        <source></source>
        <translation>Navn</translation>
    </message>
    <message id="Remove">
        <source></source>
        <translation>Fjern</translation>
    </message>
    <message id="Remove the currently selected species from the list.">
        <source></source>
        <translation>Fjern den valgte art fra listen.</translation>
    </message>
    <message id="Species">
        <source></source>
        <translation>Art</translation>
    </message>
    <message id="New species are automatically added to the list when saving the Cactus Info">
        <source></source>
        <translation>Nye arter føjes automatisk til listen, når kaktusoplysningerne gemmes</translation>
    </message>
    <message id="Type">
        <source></source>
        <translation>Type</translation>
    </message>
    <message id="Open…">
        <source></source>
        <translation>Åbn…</translation>
    </message>
    <message id="Open the watering schedule">
        <source></source>
        <translation>Åbn vandingsplanen</translation>
    </message>
    <message id="Watering">
        <source></source>
        <translation>Vanding</translation>
    </message>
    <message id="Next Watering">
        <source></source>
        <translation>Næste vanding</translation>
    </message>
    <message id="Plant Date">
        <source></source>
        <translation>Plantedato</translation>
    </message>
    <message id="Age">
        <source></source>
        <translation>Alder</translation>
    </message>
    <message id="Date Acquired">
        <source></source>
        <translation>Anskaffelsesdato</translation>
    </message>
    <message id="Changing the Last Watered date may cause watering for this plant to become out of sync with its associated watering schedule">
        <source></source>
        <translation>Hvis du ændrer datoen Sidst vandet, kan vandingen af denne plante komme ud af trit med dens tilknyttede vandingsplan</translation>
    </message>
    <message id="Remove Species">
        <source></source>
        <translation>Fjern art</translation>
    </message>
    <message id="Purchase Price">
        <source></source>
        <translation>Købspris</translation>
    </message>
    <message id="Value">
        <source></source>
        <translation>Værdi</translation>
    </message>
    <message id="Add Cactus">
        <source></source>
        <translation>Tilføj kaktus</translation>
    </message>
    <message id="Edit Cactus">
        <source></source>
        <translation>Redigér kaktus</translation>
    </message>
    <message id="New Cactus">
        <source></source>
        <translation>Ny kaktus</translation>
    </message>
    <message id="Cactus Info">
        <source></source>
        <translation>Kaktusoplysninger</translation>
    </message>
    <message id="Adding photos…">
        <source></source>
        <translation>Tilføjer fotos…</translation>
    </message>
    <message id="Keep Editing">
        <source></source>
        <translation>Fortsæt redigering</translation>
    </message>
    <message id="%1: “%2” is not an amount such as %3.">
        <source></source>
        <translation>%1: »%2« er ikke et beløb som f.eks. %3.</translation>
    </message>
    <message id="%1: a whole number of %2 or more is needed.">
        <source></source>
        <translation>%1: der kræves et heltal på %2 eller mere.</translation>
    </message>
    <message id="%1: “%2” is not a whole number of %3 or more.">
        <source></source>
        <translation>%1: »%2« er ikke et heltal på %3 eller mere.</translation>
    </message>
    <message id="%1 can hold at most %2 characters.">
        <source></source>
        <translation>%1 kan højst indeholde %2 tegn.</translation>
    </message>
    <message id="Of the %1 characters inserted, %2 fit.">
        <source></source>
        <translation>Af de %1 indsatte tegn er der plads til %2.</translation>
    </message>
    <message id="Insert the First %1">
        <source></source>
        <translation>Indsæt de første %1</translation>
    </message>
    <message id="Insert Nothing">
        <source></source>
        <translation>Indsæt intet</translation>
    </message>
    <message id="Just Watered">
        <source></source>
        <translation>Netop vandet</translation>
    </message>
    <message id="Last Watered">
        <source></source>
        <translation>Sidst vandet</translation>
    </message>
    <message id="None Scheduled">
        <source></source>
        <translation>Intet planlagt</translation>
    </message>
    <message id="Reminder: No">
        <source></source>
        <translation>Påmindelse: Nej</translation>
    </message>
    <message id="Reminder: Yes">
        <source></source>
        <translation>Påmindelse: Ja</translation>
    </message>
    <message id="An event name is needed to save">
        <source></source>
        <translation>Der kræves et hændelsesnavn for at gemme</translation>
    </message>
    <message id="Remove the event name from the list.">
        <source></source>
        <translation>Fjern hændelsesnavnet fra listen.</translation>
    </message>
    <message id="Event">
        <source></source>
        <translation>Hændelse</translation>
    </message>
    <message id="Date">
        <source></source>
        <translation>Dato</translation>
    </message>
    <message id="Reminder">
        <source></source>
        <translation>Påmindelse</translation>
    </message>
    <message id="Open the cactus">
        <source></source>
        <translation>Åbn kaktussen</translation>
    </message>
    <message id="New…">
        <source></source>
        <translation>Ny…</translation>
    </message>
    <message id="Add a new cactus">
        <source></source>
        <translation>Tilføj en ny kaktus</translation>
    </message>
    <message id="Cactus">
        <source></source>
        <translation>Kaktus</translation>
    </message>
    <message id="Remove Event">
        <source></source>
        <translation>Fjern hændelse</translation>
    </message>
    <message id="Unnamed Cactus">
        <source></source>
        <translation>Unavngiven kaktus</translation>
    </message>
    <message id="No Notes">
        <source></source>
        <translation>Ingen noter</translation>
    </message>
    <message id="Note">
        <source></source>
        <translation>Note</translation>
    </message>
    <message id="Add Log">
        <source></source>
        <translation>Tilføj logpost</translation>
    </message>
    <message id="Edit Log">
        <source></source>
        <translation>Redigér logpost</translation>
    </message>
    <message id="New Log">
        <source></source>
        <translation>Ny logpost</translation>
    </message>
    <message id="Log Info">
        <source></source>
        <translation>Logpostoplysninger</translation>
    </message>
    <message id="Photo %1">
        <source></source>
        <translation>Foto %1</translation>
    </message>
    <message id="Add Photo…">
        <source></source>
        <translation>Tilføj foto…</translation>
    </message>
    <message id="Add photos from files">
        <source></source>
        <translation>Tilføj fotos fra filer</translation>
    </message>
    <message id="Caption">
        <source></source>
        <translation>Billedtekst</translation>
    </message>
    <message id="Print">
        <source></source>
        <translation>Udskriv</translation>
    </message>
    <message id="Photos">
        <source></source>
        <translation>Fotos</translation>
    </message>
    <message id="Notes">
        <source></source>
        <translation>Noter</translation>
    </message>
    <message id="“%1” is already open in another window. Finish editing it there first.">
        <source></source>
        <translation>»%1« er allerede åben i et andet vindue. Afslut redigeringen der først.</translation>
    </message>
    <message id="Cacti To Water">
        <source></source>
        <translation>Kaktusser der skal vandes</translation>
    </message>
    <message id="Close">
        <source></source>
        <translation>Luk</translation>
    </message>
    <message id="%1, Day">
        <source></source>
        <translation>%1, dag</translation>
    </message>
    <message id="Water Every">
        <source></source>
        <translation>Vand hver</translation>
    </message>
    <message id="Quantity">
        <source></source>
        <translation>Antal</translation>
    </message>
    <message id="Clear Date">
        <source></source>
        <translation>Ryd dato</translation>
    </message>
    <message id="No Water Between">
        <source></source>
        <translation>Ingen vanding mellem</translation>
    </message>
    <message id="Choose the cacti that follow this schedule">
        <source></source>
        <translation>Vælg de kaktusser, der følger denne vandingsplan</translation>
    </message>
    <message id="Add Cacti">
        <source></source>
        <translation>Tilføj kaktusser</translation>
    </message>
    <message id="Remove the selected cacti from this schedule">
        <source></source>
        <translation>Fjern de valgte kaktusser fra denne vandingsplan</translation>
    </message>
    <message id="Remove Cacti">
        <source></source>
        <translation>Fjern kaktusser</translation>
    </message>
    <message id="Remove Cactus">
        <source></source>
        <translation>Fjern kaktus</translation>
    </message>
    <message id="Add Watering Schedule">
        <source></source>
        <translation>Tilføj vandingsplan</translation>
    </message>
    <message id="Edit Watering Schedule">
        <source></source>
        <translation>Redigér vandingsplan</translation>
    </message>
    <message id="New Watering Schedule">
        <source></source>
        <translation>Ny vandingsplan</translation>
    </message>
    <message id="Watering Schedule Info">
        <source></source>
        <translation>Vandingsplanoplysninger</translation>
    </message>
    <message id="Never">
        <source></source>
        <translation>Aldrig</translation>
    </message>
    <message id="Example Cactus">
        <source></source>
        <translation>Eksempelkaktus</translation>
    </message>
    <message id="Greenhouse">
        <source></source>
        <translation>Drivhus</translation>
    </message>
    <message id="One plant a line; empty columns are left out.">
        <source></source>
        <translation>Én plante pr. linje; tomme kolonner udelades.</translation>
    </message>
    <message id="Example Schedule">
        <source></source>
        <translation>Eksempel på vandingsplan</translation>
    </message>
    <message id="Repotted">
        <source></source>
        <translation>Omplantet</translation>
    </message>
    <message id="Cacti">
        <source></source>
        <translation>Kaktusser</translation>
    </message>
    <message id="Logs">
        <source></source>
        <translation>Logposter</translation>
    </message>
    <message id="Line %1, column %2 (%3): &quot;%4&quot; could not be read and was not imported.">
        <source></source>
        <translation>Linje %1, kolonne %2 (%3): &quot;%4&quot; kunne ikke læses og blev ikke importeret.</translation>
    </message>
    <message id="%1 more fields could not be read and were not imported.">
        <source></source>
        <translation>%1 felter mere kunne ikke læses og blev ikke importeret.</translation>
    </message>
    <message id="No column of the mapping gives the plants' names.">
        <source></source>
        <translation>Ingen kolonne i tilknytningen angiver planternes navne.</translation>
    </message>
    <message id="(a column of plant names)">
        <source></source>
        <translation>(en kolonne med plantenavne)</translation>
    </message>
    <message id="The file is not in the Spinora CSV template layout and these columns could not be placed: &quot;%1&quot;. Give each column its field, for example --map &quot;%2&quot; (the fields are %3).">
        <source></source>
        <translation>Filen følger ikke layoutet i Spinora CSV-skabelonen, og disse kolonner kunne ikke placeres: &quot;%1&quot;. Angiv et felt for hver kolonne, f.eks. --map &quot;%2&quot; (felterne er %3).</translation>
    </message>
    <message id="&quot;%1&quot; is no COLUMN=FIELD pair.">
        <source></source>
        <translation>&quot;%1&quot; er ikke et par på formen KOLONNE=FELT.</translation>
    </message>
    <message id="&quot;%1&quot; is no field; the fields are %2.">
        <source></source>
        <translation>&quot;%1&quot; er ikke et felt; felterne er %2.</translation>
    </message>
    <message id="The file has no column &quot;%1&quot;.">
        <source></source>
        <translation>Filen har ingen kolonne &quot;%1&quot;.</translation>
    </message>
    <message id="%1. Nothing was imported. Free some space or choose another backup folder in Preferences, then try again.">
        <source></source>
        <translation>%1. Intet blev importeret. Frigør plads, eller vælg en anden mappe til sikkerhedskopier i Indstillinger, og prøv så igen.</translation>
    </message>
    <message id="The import was saved, but the collection could not be read again (%1), so it was taken back.">
        <source></source>
        <translation>Importen blev gemt, men samlingen kunne ikke læses igen (%1), så importen blev trukket tilbage.</translation>
    </message>
    <message id="The import was saved, but the collection could not be read again (%1). This window still shows the collection as it was before: close it and open the collection again, or undo the import (Edit > Undo Import).">
        <source></source>
        <translation>Importen blev gemt, men samlingen kunne ikke læses igen (%1). Dette vindue viser stadig samlingen, som den var før: luk det og åbn samlingen igen, eller fortryd importen (Redigér &gt; Fortryd import).</translation>
    </message>
    <message id="The import was saved, but the collection could not be read again (%1). This window still shows the collection as it was before: close it and open the collection again.">
        <source></source>
        <translation>Importen blev gemt, men samlingen kunne ikke læses igen (%1). Dette vindue viser stadig samlingen, som den var før: luk det og åbn samlingen igen.</translation>
    </message>
    <message id="Cacti imported: %1">
        <source></source>
        <translation>Importerede kaktusser: %1</translation>
    </message>
    <message id="Watering schedules imported: %1">
        <source></source>
        <translation>Importerede vandingsplaner: %1</translation>
    </message>
    <message id="Logs imported: %1">
        <source></source>
        <translation>Importerede logposter: %1</translation>
    </message>
    <message id="Not everything could be imported:">
        <source></source>
        <translation>Ikke alt kunne importeres:</translation>
    </message>
    <message id="... and %1 more.">
        <source></source>
        <translation>... og %1 mere.</translation>
    </message>
    <message id="Report Folder">
        <source></source>
        <translation>Rapportmappe</translation>
    </message>
    <message id="Report File">
        <source></source>
        <translation>Rapportfil</translation>
    </message>
    <message id="Export Options">
        <source></source>
        <translation>Eksportindstillinger</translation>
    </message>
    <message id="Browse">
        <source></source>
        <translation>Gennemse</translation>
    </message>
    <message id="Small photos">
        <source></source>
        <translation>Små fotos</translation>
    </message>
    <message id="Medium photos">
        <source></source>
        <translation>Mellemstore fotos</translation>
    </message>
    <message id="Large photos">
        <source></source>
        <translation>Store fotos</translation>
    </message>
    <message id="Extra-Large photos">
        <source></source>
        <translation>Ekstra store fotos</translation>
    </message>
    <message id="Export to HTML Report">
        <source></source>
        <translation>Eksportér til HTML-rapport</translation>
    </message>
    <message id="Choose Folder">
        <source></source>
        <translation>Vælg mappe</translation>
    </message>
    <message id="Exporting Report">
        <source></source>
        <translation>Eksporterer rapport</translation>
    </message>
    <message id="Export Complete">
        <source></source>
        <translation>Eksport fuldført</translation>
    </message>
    <message id="Report export complete!">
        <source></source>
        <translation>Eksport af rapporten fuldført!</translation>
    </message>
    <message id="Export Error">
        <source></source>
        <translation>Eksportfejl</translation>
    </message>
    <message id="An error occurred during report export.">
        <source></source>
        <translation>Der opstod en fejl under eksport af rapporten.</translation>
    </message>
    <message id="Complete Database">
        <source></source>
        <translation>Hele databasen</translation>
    </message>
    <message id="Cacti and Watering Schedules">
        <source></source>
        <translation>Kaktusser og vandingsplaner</translation>
    </message>
    <message id="Watering Schedules">
        <source></source>
        <translation>Vandingsplaner</translation>
    </message>
    <message id="Note: The CSV file must be formatted according to the Spinora CSV Template">
        <source></source>
        <translation>Bemærk: CSV-filen skal være formateret efter Spinora CSV-skabelonen</translation>
    </message>
    <message id="save it">
        <source></source>
        <translation>gemme</translation>
    </message>
    <message id="or be a spreadsheet of plants, one a line, whose column headers name their fields.">
        <source></source>
        <translation>eller være et regneark med planter, én pr. linje, hvis kolonneoverskrifter angiver deres felter.</translation>
    </message>
    <message id="Choose">
        <source></source>
        <translation>Vælg</translation>
    </message>
    <message id="The chosen folder is not a Spinora database. Please select a folder ending in .sdb, or the spinora.db file inside one.">
        <source></source>
        <translation>Den valgte mappe er ikke en Spinora-database. Vælg en mappe, hvis navn slutter på .sdb, eller filen spinora.db i den.</translation>
    </message>
    <message id="Importing from a currently open database is not permitted. Please select another database for import.">
        <source></source>
        <translation>Import fra en database, der er åben lige nu, er ikke tilladt. Vælg en anden database til importen.</translation>
    </message>
    <message id="Exporting to a currently open database is not permitted. Please select another database for export.">
        <source></source>
        <translation>Eksport til en database, der er åben lige nu, er ikke tilladt. Vælg en anden database til eksporten.</translation>
    </message>
    <message id="There is no file &quot;%1&quot;.">
        <source></source>
        <translation>Der findes ingen fil &quot;%1&quot;.</translation>
    </message>
    <message id="Database export complete!">
        <source></source>
        <translation>Eksport af databasen fuldført!</translation>
    </message>
    <message id="An error occurred during the export! Database export was aborted and no changes were made.">
        <source></source>
        <translation>Der opstod en fejl under eksporten! Eksporten af databasen blev afbrudt, og intet blev ændret.</translation>
    </message>
    <message id="Save the CSV Template">
        <source></source>
        <translation>Gem CSV-skabelonen</translation>
    </message>
    <message id="Spinora CSV Template">
        <source></source>
        <translation>Spinora CSV-skabelon</translation>
    </message>
    <message id="CSV File">
        <source></source>
        <translation>CSV-fil</translation>
    </message>
    <message id="The file %1 could not be written.">
        <source></source>
        <translation>Filen %1 kunne ikke skrives.</translation>
    </message>
    <message id="Stopping...">
        <source></source>
        <translation>Stopper...</translation>
    </message>
    <message id="&quot;%1&quot; already exists. Do you want to replace it?">
        <source></source>
        <translation>&quot;%1&quot; findes allerede. Vil du erstatte den?</translation>
    </message>
    <message id="More Toolbar Items">
        <source></source>
        <translation>Flere værktøjslinjeelementer</translation>
    </message>
    <message id="Exported from %1 v%2 on %3">
        <source></source>
        <translation>Eksporteret fra %1 v%2 den %3</translation>
    </message>
    <message id="Source">
        <source></source>
        <translation>Oprindelse</translation>
    </message>
    <message id="Location">
        <source></source>
        <translation>Placering</translation>
    </message>
    <message id="Log History">
        <source></source>
        <translation>Loghistorik</translation>
    </message>
    <message id="None">
        <source></source>
        <translation>Ingen</translation>
    </message>
    <message id="Yes">
        <source></source>
        <translation>Ja</translation>
    </message>
    <message id="No">
        <source></source>
        <translation>Nej</translation>
    </message>
    <message id="Print Labels">
        <source></source>
        <translation>Udskriv etiketter</translation>
    </message>
    <message id="Selected cacti (%1)">
        <source></source>
        <translation>Valgte kaktusser (%1)</translation>
    </message>
    <message id="All listed cacti (%1)">
        <source></source>
        <translation>Alle viste kaktusser (%1)</translation>
    </message>
    <message id="Layout:">
        <source></source>
        <translation>Layout:</translation>
    </message>
    <message id="Labels for:">
        <source></source>
        <translation>Etiketter til:</translation>
    </message>
    <message id="Print...">
        <source></source>
        <translation>Udskriv...</translation>
    </message>
    <message id="1 label">
        <source></source>
        <translation>1 etiket</translation>
    </message>
    <message id="%1 labels">
        <source></source>
        <translation>%1 etiketter</translation>
    </message>
    <message id="1 page">
        <source></source>
        <translation>1 side</translation>
    </message>
    <message id="%1 pages">
        <source></source>
        <translation>%1 sider</translation>
    </message>
    <message id="%1 Labels">
        <source></source>
        <translation>%1 etiketter</translation>
    </message>
    <message id="Page Setup">
        <source></source>
        <translation>Sideopsætning</translation>
    </message>
    <message id="Portrait">
        <source></source>
        <translation>Stående</translation>
    </message>
    <message id="Landscape">
        <source></source>
        <translation>Liggende</translation>
    </message>
    <message id="Paper Size">
        <source></source>
        <translation>Papirstørrelse</translation>
    </message>
    <message id="Orientation">
        <source></source>
        <translation>Retning</translation>
    </message>
    <message id="Top Margin">
        <source></source>
        <translation>Øverste margen</translation>
    </message>
    <message id="Bottom Margin">
        <source></source>
        <translation>Nederste margen</translation>
    </message>
    <message id="Left Margin">
        <source></source>
        <translation>Venstre margen</translation>
    </message>
    <message id="Right Margin">
        <source></source>
        <translation>Højre margen</translation>
    </message>
    <message id="Nothing was printed: the printer &quot;%1&quot; could not be used.">
        <source></source>
        <translation>Intet blev udskrevet: printeren &quot;%1&quot; kunne ikke bruges.</translation>
    </message>
    <message id="Nothing was printed: the file &quot;%1&quot; could not be written.">
        <source></source>
        <translation>Intet blev udskrevet: filen &quot;%1&quot; kunne ikke skrives.</translation>
    </message>
    <message id="Print Preview">
        <source></source>
        <translation>Vis udskrift</translation>
    </message>
    <message id="Nothing was changed.">
        <source></source>
        <translation>Intet blev ændret.</translation>
    </message>
    <message id="No title">
        <source></source>
        <translation>Ingen titel</translation>
    </message>
    <message id="Unknown">
        <source></source>
        <translation>Ukendt</translation>
    </message>
    <message id="year">
        <source></source>
        <translation>år</translation>
    </message>
    <message id="years">
        <source></source>
        <translation>år</translation>
    </message>
    <message id="No event">
        <source></source>
        <translation>Ingen hændelse</translation>
    </message>
    <message id="Today">
        <source></source>
        <translation>I dag</translation>
    </message>
    <message id="overdue since %1">
        <source></source>
        <translation>forfalden siden %1</translation>
    </message>
    <message id="resting until %1">
        <source></source>
        <translation>i hvileperiode indtil %1</translation>
    </message>
    <message id="Tomorrow">
        <source></source>
        <translation>I morgen</translation>
    </message>
    <message id="in %1 days">
        <source></source>
        <translation>om %1 dage</translation>
    </message>
    <message id="Mark as Watered">
        <source></source>
        <translation>Markér som vandet</translation>
    </message>
    <message id="There is no space left on the disk. Free some space, then try again.">
        <source></source>
        <translation>Der er ikke mere plads på disken. Frigør plads, og prøv så igen.</translation>
    </message>
    <message id="The collection cannot be written: its disk or folder is read-only.">
        <source></source>
        <translation>Der kan ikke skrives til samlingen: dens disk eller mappe er skrivebeskyttet.</translation>
    </message>
    <message id="Another program is using the collection. Try again once it has finished.">
        <source></source>
        <translation>Et andet program bruger samlingen. Prøv igen, når det er færdigt.</translation>
    </message>
    <message id="The disk could not be read or written. Check the disk, then try again.">
        <source></source>
        <translation>Disken kunne ikke læses eller skrives. Tjek disken, og prøv så igen.</translation>
    </message>
    <message id="The collection's database file is damaged.">
        <source></source>
        <translation>Samlingens databasefil er beskadiget.</translation>
    </message>
    <message id="No species">
        <source></source>
        <translation>Ingen art</translation>
    </message>
    <message id="Print Labels...">
        <source></source>
        <translation>Udskriv etiketter...</translation>
    </message>
    <message id="Deleting this cactus will also delete all of its logs">
        <source></source>
        <translation>Når denne kaktus slettes, slettes også alle dens logposter</translation>
    </message>
    <message id="Deleting these cacti will also delete all their associated logs">
        <source></source>
        <translation>Når disse kaktusser slettes, slettes også alle deres tilknyttede logposter</translation>
    </message>
    <message id="Delete">
        <source></source>
        <translation>Slet</translation>
    </message>
    <message id="Delete Cactus">
        <source></source>
        <translation>Slet kaktus</translation>
    </message>
    <message id="Delete Cacti">
        <source></source>
        <translation>Slet kaktusser</translation>
    </message>
    <message id="Duplicate Cactus">
        <source></source>
        <translation>Duplikér kaktus</translation>
    </message>
    <message id="Duplicate Cacti">
        <source></source>
        <translation>Duplikér kaktusser</translation>
    </message>
    <message id="Toolbar">
        <source></source>
        <translation>Værktøjslinje</translation>
    </message>
    <message id="Search">
        <source></source>
        <translation>Søg</translation>
    </message>
    <message id="Search list">
        <source></source>
        <translation>Søg i listen</translation>
    </message>
    <message id="Search the currently visible list">
        <source></source>
        <translation>Søg i den viste liste</translation>
    </message>
    <message id="Recent Searches">
        <source></source>
        <translation>Seneste søgninger</translation>
    </message>
    <message id="Due">
        <source></source>
        <translation>Forfalden</translation>
    </message>
    <message id="Show only what is due by the end of today">
        <source></source>
        <translation>Vis kun det, der forfalder inden udgangen af i dag</translation>
    </message>
    <message id="Sort By">
        <source></source>
        <translation>Sortér efter</translation>
    </message>
    <message id="Duplicate">
        <source></source>
        <translation>Duplikér</translation>
    </message>
    <message id="No Recent Searches">
        <source></source>
        <translation>Ingen seneste søgninger</translation>
    </message>
    <message id="Clear Search History">
        <source></source>
        <translation>Ryd søgehistorik</translation>
    </message>
    <message id="Mark as Watered...">
        <source></source>
        <translation>Markér som vandet...</translation>
    </message>
    <message id="Watered">
        <source></source>
        <translation>Vandet</translation>
    </message>
    <message id="Record that the selected plants or schedules were watered">
        <source></source>
        <translation>Registrér, at de valgte planter eller vandingsplaner er blevet vandet</translation>
    </message>
    <message id="Untitled">
        <source></source>
        <translation>Uden titel</translation>
    </message>
    <message id="%1 (read-only)">
        <source></source>
        <translation>%1 (skrivebeskyttet)</translation>
    </message>
    <message id="History">
        <source></source>
        <translation>Historik</translation>
    </message>
    <message id="Delete Log">
        <source></source>
        <translation>Slet logpost</translation>
    </message>
    <message id="Delete Logs">
        <source></source>
        <translation>Slet logposter</translation>
    </message>
    <message id="Duplicate Log">
        <source></source>
        <translation>Duplikér logpost</translation>
    </message>
    <message id="Duplicate Logs">
        <source></source>
        <translation>Duplikér logposter</translation>
    </message>
    <message id="Add">
        <source></source>
        <translation>Tilføj</translation>
    </message>
    <message id="Edit">
        <source></source>
        <translation>Redigér</translation>
    </message>
    <message id="Loading…">
        <source></source>
        <translation>Indlæser…</translation>
    </message>
    <message id="Searching…">
        <source></source>
        <translation>Søger…</translation>
    </message>
    <message id="Scientific Name">
        <source></source>
        <translation>Videnskabeligt navn</translation>
    </message>
    <message id="When were they watered?">
        <source></source>
        <translation>Hvornår blev de vandet?</translation>
    </message>
    <message id="Watered on">
        <source></source>
        <translation>Vandet den</translation>
    </message>
    <message id="What:">
        <source></source>
        <translation>Hvad:</translation>
    </message>
    <message id="&amp;Watered on:">
        <source></source>
        <translation>&amp;Vandet den:</translation>
    </message>
    <message id="Statistics">
        <source></source>
        <translation>Statistik</translation>
    </message>
    <message id="Undo">
        <source></source>
        <translation>Fortryd</translation>
    </message>
    <message id="Redo">
        <source></source>
        <translation>Omgør</translation>
    </message>
    <message id="Undo %1">
        <source></source>
        <translation>Fortryd %1</translation>
    </message>
    <message id="Redo %1">
        <source></source>
        <translation>Omgør %1</translation>
    </message>
    <message id="Delete Watering Schedule">
        <source></source>
        <translation>Slet vandingsplan</translation>
    </message>
    <message id="Delete Watering Schedules">
        <source></source>
        <translation>Slet vandingsplaner</translation>
    </message>
    <message id="Duplicate Watering Schedule">
        <source></source>
        <translation>Duplikér vandingsplan</translation>
    </message>
    <message id="Duplicate Watering Schedules">
        <source></source>
        <translation>Duplikér vandingsplaner</translation>
    </message>
    <message id="Language">
        <source></source>
        <translation>Sprog</translation>
    </message>
    <message id="System">
        <source></source>
        <translation>System</translation>
    </message>
    <message id="&amp;Language:">
        <source></source>
        <translation>&amp;Sprog:</translation>
    </message>
    <message id="Applied the next time Spinora starts.">
        <source></source>
        <translation>Anvendes næste gang Spinora starter.</translation>
    </message>
</context>
<context>
    <name>PhotoStore</name>
    <message>
        <source>the photo could not be written into the collection (is the disk full?)</source>
        <translation>fotoet kunne ikke skrives ind i samlingen (er disken fuld?)</translation>
    </message>
</context>
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <source>Page setup</source>
        <translation>Sideopsætning</translation>
    </message>
</context>
<context>
    <name>Spinora</name>
    <message>
        <source>name|plant|plant name|cactus|label</source>
        <translation>navn|plante|plantenavn|kaktus|etiket</translation>
    </message>
    <message>
        <source>scientific|scientific name|botanical name|latin name|taxon|genus|species</source>
        <translation>videnskabelig|videnskabeligt navn|botanisk navn|latinsk navn|taxon|slægt|art</translation>
    </message>
    <message>
        <source>common|common name</source>
        <translation>trivialnavn|dansk navn</translation>
    </message>
    <message>
        <source>type|plant type</source>
        <translation>type|plantetype</translation>
    </message>
    <message>
        <source>watering|schedule|watering schedule</source>
        <translation>vanding|plan|vandingsplan</translation>
    </message>
    <message>
        <source>last watered</source>
        <translation>sidst vandet</translation>
    </message>
    <message>
        <source>next watering</source>
        <translation>næste vanding</translation>
    </message>
    <message>
        <source>planted|plant date|date planted|sown</source>
        <translation>plantet|plantedato|dato plantet|sået</translation>
    </message>
    <message>
        <source>source|origin</source>
        <translation>oprindelse|kilde</translation>
    </message>
    <message>
        <source>acquired|date acquired|bought|purchased|purchase date</source>
        <translation>anskaffet|anskaffelsesdato|købt|indkøbt|købsdato</translation>
    </message>
    <message>
        <source>price|purchase price|cost|paid</source>
        <translation>pris|købspris|omkostning|betalt</translation>
    </message>
    <message>
        <source>value|worth</source>
        <translation>værdi|værd</translation>
    </message>
    <message>
        <source>location|place|position|bench|greenhouse</source>
        <translation>placering|sted|position|bord|drivhus</translation>
    </message>
    <message>
        <source>height</source>
        <translation>højde</translation>
    </message>
    <message>
        <source>width|diameter</source>
        <translation>bredde|diameter</translation>
    </message>
    <message>
        <source>weight</source>
        <translation>vægt</translation>
    </message>
    <message>
        <source>light|sun</source>
        <translation>lys|sol</translation>
    </message>
    <message>
        <source>temperature|temp|min temp</source>
        <translation>temperatur|temp|min temp</translation>
    </message>
    <message>
        <source>pot size|pot</source>
        <translation>pottestørrelse|potte</translation>
    </message>
    <message>
        <source>pot shape|shape</source>
        <translation>potteform|form</translation>
    </message>
    <message>
        <source>pot material|material</source>
        <translation>pottemateriale|materiale</translation>
    </message>
    <message>
        <source>notes|note|comments|comment|remarks|description</source>
        <translation>noter|note|kommentarer|kommentar|bemærkninger|beskrivelse</translation>
    </message>
    <message>
        <source>id|#|no|no.|number|photo|photos|image|picture</source>
        <translation>id|#|nr|nr.|nummer|foto|fotos|billede|billeder</translation>
    </message>
</context>
<context>
    <name>spinora</name>
    <message>
        <source>Photos</source>
        <translation>Fotos</translation>
    </message>
</context>
<context>
    <name>spinora::EventViewController</name>
    <message>
        <source>No</source>
        <translation>Nej</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Optaget</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>Ledig</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>Slut</translation>
    </message>
    <message>
        <source>All-Day</source>
        <translation>Hele dagen</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Availability</source>
        <translation>Tilgængelighed</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annullér</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Fjern</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Gem</translation>
    </message>
    <message>
        <source>Kept in %1. To see these reminders in your desktop calendar, add this file to it as a calendar.</source>
        <translation>Gemt i %1. Tilføj denne fil som kalender i din skrivebordskalender for at se disse påmindelser der.</translation>
    </message>
    <message>
        <source>Add New Event</source>
        <translation>Tilføj ny hændelse</translation>
    </message>
    <message>
        <source>Edit Event</source>
        <translation>Redigér hændelse</translation>
    </message>
</context>
<context>
    <name>spinora::PhotoGridViewController</name>
    <message>
        <source>All Photos</source>
        <translation>Alle fotos</translation>
    </message>
    <message>
        <source>Add Photos…</source>
        <translation>Tilføj fotos…</translation>
    </message>
    <message>
        <source>Add photos from picture files. You can also drop picture files on the grid.</source>
        <translation>Tilføj fotos fra billedfiler. Du kan også slippe billedfiler på gitteret.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Slet</translation>
    </message>
    <message>
        <source>Size of the photos</source>
        <translation>Fotostørrelse</translation>
    </message>
    <message>
        <source>Adding photos</source>
        <translation>Tilføjer fotos</translation>
    </message>
    <message>
        <source>Add Photos</source>
        <translation>Tilføj fotos</translation>
    </message>
    <message>
        <source>Pictures (*.jpg *.jpeg *.png *.gif *.tif *.tiff *.bmp)</source>
        <translation>Billeder (*.jpg *.jpeg *.png *.gif *.tif *.tiff *.bmp)</translation>
    </message>
    <message>
        <source>No collection is open.</source>
        <translation>Ingen samling er åben.</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>ADVARSEL</translation>
    </message>
    <message>
        <source>This file was not added:</source>
        <translation>Denne fil blev ikke tilføjet:</translation>
    </message>
    <message>
        <source>These files were not added:</source>
        <translation>Disse filer blev ikke tilføjet:</translation>
    </message>
</context>
<context>
    <name>spinora::PhotoViewController</name>
    <message>
        <source>Caption</source>
        <translation>Billedtekst</translation>
    </message>
</context>
<context>
    <name>spinora::ReportExport</name>
    <message>
        <source>photos</source>
        <translation>fotos</translation>
    </message>
    <message>
        <source>Cacti Report</source>
        <translation>Kaktusrapport</translation>
    </message>
    <message>
        <source>Exported from %1 v%2 on %3</source>
        <translation>Eksporteret fra %1 v%2 den %3</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumé</translation>
    </message>
    <message>
        <source>Total Cacti</source>
        <translation>Kaktusser i alt</translation>
    </message>
    <message>
        <source>Total Watering Schedules</source>
        <translation>Vandingsplaner i alt</translation>
    </message>
    <message>
        <source>Total Log Entries</source>
        <translation>Logposter i alt</translation>
    </message>
    <message>
        <source>Unique Species</source>
        <translation>Forskellige arter</translation>
    </message>
    <message>
        <source>Total Value</source>
        <translation>Samlet værdi</translation>
    </message>
    <message>
        <source>Log History</source>
        <translation>Loghistorik</translation>
    </message>
    <message>
        <source>No Event Name</source>
        <translation>Intet hændelsesnavn</translation>
    </message>
    <message>
        <source>No Notes</source>
        <translation>Ingen noter</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ingen</translation>
    </message>
    <message>
        <source>No Water Between</source>
        <translation>Ingen vanding mellem</translation>
    </message>
    <message>
        <source>Cacti To Water</source>
        <translation>Kaktusser der skal vandes</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nej</translation>
    </message>
</context>
</TS>
