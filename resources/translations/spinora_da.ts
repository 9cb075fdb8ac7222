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
    <message id="The collection “%1” is damaged, so it was not opened.">
        <source></source>
        <translation>Samlingen »%1« er beskadiget og blev derfor ikke åbnet.</translation>
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
    <message id="1 page">
        <source></source>
        <translation>1 side</translation>
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
    <message id="Taken">
        <source></source>
        <translation>Taget</translation>
    </message>
    <message id="Why">
        <source></source>
        <translation>Hvorfor</translation>
    </message>
    <message id="Plants">
        <source></source>
        <translation>Planter</translation>
    </message>
    <message id="Size">
        <source></source>
        <translation>Størrelse</translation>
    </message>
    <message id="Spinora quit unexpectedly the last time it was used.">
        <source></source>
        <translation>Spinora blev afsluttet uventet, sidste gang det blev brugt.</translation>
    </message>
    <message id="A report of the problem was saved. Would you like to see it?">
        <source></source>
        <translation>En rapport om problemet blev gemt. Vil du se den?</translation>
    </message>
    <message id="Show Report">
        <source></source>
        <translation>Vis rapport</translation>
    </message>
    <message id="Not Now">
        <source></source>
        <translation>Ikke nu</translation>
    </message>
    <message id="Crash Report">
        <source></source>
        <translation>Nedbrudsrapport</translation>
    </message>
    <message id="Saved as %1">
        <source></source>
        <translation>Gemt som %1</translation>
    </message>
    <message id="The reminder time could not be written to %1.">
        <source></source>
        <translation>Tidspunktet for påmindelsen kunne ikke skrives til %1.</translation>
    </message>
    <message id="Spinora will remind you every day at %1 (systemd user timer %2).">
        <source></source>
        <translation>Spinora minder dig om det hver dag kl. %1 (systemd-brugertimer %2).</translation>
    </message>
    <message id="Reminders are off.">
        <source></source>
        <translation>Påmindelser er slået fra.</translation>
    </message>
    <message id="Clear Menu">
        <source></source>
        <translation>Ryd menu</translation>
    </message>
    <message id="&amp;File">
        <source></source>
        <translation>&amp;Fil</translation>
    </message>
    <message id="New">
        <source></source>
        <translation>Ny</translation>
    </message>
    <message id="Open...">
        <source></source>
        <translation>Åbn...</translation>
    </message>
    <message id="Open Recent">
        <source></source>
        <translation>Åbn seneste</translation>
    </message>
    <message id="Save">
        <source></source>
        <translation>Gem</translation>
    </message>
    <message id="Save As...">
        <source></source>
        <translation>Gem som...</translation>
    </message>
    <message id="Page Setup...">
        <source></source>
        <translation>Sideopsætning...</translation>
    </message>
    <message id="Print Preview...">
        <source></source>
        <translation>Vis udskrift...</translation>
    </message>
    <message id="Quit Spinora">
        <source></source>
        <translation>Afslut Spinora</translation>
    </message>
    <message id="&amp;Edit">
        <source></source>
        <translation>&amp;Redigér</translation>
    </message>
    <message id="Add Item">
        <source></source>
        <translation>Tilføj element</translation>
    </message>
    <message id="Remove Item">
        <source></source>
        <translation>Fjern element</translation>
    </message>
    <message id="Duplicate Item">
        <source></source>
        <translation>Duplikér element</translation>
    </message>
    <message id="Cut">
        <source></source>
        <translation>Klip</translation>
    </message>
    <message id="Copy">
        <source></source>
        <translation>Kopiér</translation>
    </message>
    <message id="Paste">
        <source></source>
        <translation>Indsæt</translation>
    </message>
    <message id="Select All">
        <source></source>
        <translation>Markér alt</translation>
    </message>
    <message id="Preferences...">
        <source></source>
        <translation>Indstillinger...</translation>
    </message>
    <message id="&amp;View">
        <source></source>
        <translation>&amp;Vis</translation>
    </message>
    <message id="Show Toolbar">
        <source></source>
        <translation>Vis værktøjslinje</translation>
    </message>
    <message id="Customize Toolbar">
        <source></source>
        <translation>Tilpas værktøjslinje</translation>
    </message>
    <message id="Icon and Text">
        <source></source>
        <translation>Ikon og tekst</translation>
    </message>
    <message id="Icon Only">
        <source></source>
        <translation>Kun ikon</translation>
    </message>
    <message id="Text Only">
        <source></source>
        <translation>Kun tekst</translation>
    </message>
    <message id="Flowering Calendar...">
        <source></source>
        <translation>Blomstringskalender...</translation>
    </message>
    <message id="&amp;Tools">
        <source></source>
        <translation>Vær&amp;ktøjer</translation>
    </message>
    <message id="Statistics...">
        <source></source>
        <translation>Statistik...</translation>
    </message>
    <message id="&amp;Window">
        <source></source>
        <translation>V&amp;indue</translation>
    </message>
    <message id="Minimize">
        <source></source>
        <translation>Minimér</translation>
    </message>
    <message id="Zoom">
        <source></source>
        <translation>Zoom</translation>
    </message>
    <message id="Bring All to Front">
        <source></source>
        <translation>Bring alle frem</translation>
    </message>
    <message id="&amp;Help">
        <source></source>
        <translation>&amp;Hjælp</translation>
    </message>
    <message id="Like Spinora on Facebook">
        <source></source>
        <translation>Synes godt om Spinora på Facebook</translation>
    </message>
    <message id="Spinora Website...">
        <source></source>
        <translation>Spinoras websted...</translation>
    </message>
    <message id="Frequently Asked Questions...">
        <source></source>
        <translation>Ofte stillede spørgsmål...</translation>
    </message>
    <message id="Check for Updates...">
        <source></source>
        <translation>Søg efter opdateringer...</translation>
    </message>
    <message id="About Spinora">
        <source></source>
        <translation>Om Spinora</translation>
    </message>
    <message id="Preferences">
        <source></source>
        <translation>Indstillinger</translation>
    </message>
    <message id="Sort options">
        <source></source>
        <translation>Sorteringsindstillinger</translation>
    </message>
    <message id="Sort cacti by species">
        <source></source>
        <translation>Sortér kaktusser efter art</translation>
    </message>
    <message id="Database options">
        <source></source>
        <translation>Databaseindstillinger</translation>
    </message>
    <message id="Add default species and events to new databases">
        <source></source>
        <translation>Tilføj standardarter og -hændelser til nye databaser</translation>
    </message>
    <message id="Reminders">
        <source></source>
        <translation>Påmindelser</translation>
    </message>
    <message id="&amp;Remind me of due plants every day at">
        <source></source>
        <translation>&amp;Mind mig om forfaldne planter hver dag kl.</translation>
    </message>
    <message id="Reminder time">
        <source></source>
        <translation>Tidspunkt for påmindelse</translation>
    </message>
    <message id="Open">
        <source></source>
        <translation>Åbn</translation>
    </message>
    <message id="Collection:">
        <source></source>
        <translation>Samling:</translation>
    </message>
    <message id="Spinora collections (*%1)">
        <source></source>
        <translation>Spinora-samlinger (*%1)</translation>
    </message>
    <message id="“%1” already exists. Do you want to replace it?">
        <source></source>
        <translation>»%1« findes allerede. Vil du erstatte den?</translation>
    </message>
    <message id="A collection with the same name already exists in “%1”. Replacing it will overwrite its current contents.">
        <source></source>
        <translation>Der findes allerede en samling med samme navn i »%1«. Hvis den erstattes, overskrives dens nuværende indhold.</translation>
    </message>
    <message id="Replace">
        <source></source>
        <translation>Erstat</translation>
    </message>
    <message id="Do you want to save the changes made to the document “%1”?">
        <source></source>
        <translation>Vil du gemme ændringerne i dokumentet »%1«?</translation>
    </message>
    <message id="Your changes will stay in the untitled collection if you don’t save them.">
        <source></source>
        <translation>Dine ændringer forbliver i den unavngivne samling, hvis du ikke gemmer dem.</translation>
    </message>
    <message id="Don’t Save">
        <source></source>
        <translation>Gem ikke</translation>
    </message>
    <message id="Keep Open">
        <source></source>
        <translation>Hold åben</translation>
    </message>
    <message id="New Spinora Database">
        <source></source>
        <translation>Ny Spinora-database</translation>
    </message>
    <message id="Save As">
        <source></source>
        <translation>Gem som</translation>
    </message>
    <message id="Overwriting an open database is not permitted. Please select a different filename.">
        <source></source>
        <translation>Det er ikke tilladt at overskrive en åben database. Vælg et andet filnavn.</translation>
    </message>
    <message id="The collection “%1” could not be opened: it does not exist.">
        <source></source>
        <translation>Samlingen »%1« kunne ikke åbnes: den findes ikke.</translation>
    </message>
    <message id="%n of its photo files are missing, the first “%1”." numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n af dens fotofiler mangler: »%1«.</numerusform>
            <numerusform>%n af dens fotofiler mangler, den første er »%1«.</numerusform>
        </translation>
    </message>
    <message id="%1, %2 and %3">
        <source></source>
        <translation>%1, %2 og %3</translation>
    </message>
    <message id="%n plants" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n plante</numerusform>
            <numerusform>%n planter</numerusform>
        </translation>
    </message>
    <message id="%n logs" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n logpost</numerusform>
            <numerusform>%n logposter</numerusform>
        </translation>
    </message>
    <message id="%n photos" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n foto</numerusform>
            <numerusform>%n fotos</numerusform>
        </translation>
    </message>
    <message id="The newest good snapshot was taken on %1 and holds %2. Restoring it replaces the collection; the damaged one is kept as a snapshot first.">
        <source></source>
        <translation>Den nyeste gode sikkerhedskopi blev taget den %1 og indeholder %2. Hvis den gendannes, erstattes samlingen; den beskadigede gemmes først som sikkerhedskopi.</translation>
    </message>
    <message id="The collection will hold %1. Its current state is kept as a snapshot first, so this can be undone by restoring that one.">
        <source></source>
        <translation>Samlingen kommer til at indeholde %1. Dens nuværende tilstand gemmes først som sikkerhedskopi, så dette kan fortrydes ved at gendanne den.</translation>
    </message>
    <message id="“%1” could not be replaced.">
        <source></source>
        <translation>»%1« kunne ikke erstattes.</translation>
    </message>
    <message id="The catalogue of your cactus and succulent collection: plants, watering schedules and a log of what happened to them.">
        <source></source>
        <translation>Kataloget over din samling af kaktusser og sukkulenter: planter, vandingsplaner og en log over, hvad der er sket med dem.</translation>
    </message>
    <message id="Import From">
        <source></source>
        <translation>Importér fra</translation>
    </message>
    <message id="Export To">
        <source></source>
        <translation>Eksportér til</translation>
    </message>
    <message id="Spinora Mobile App">
        <source></source>
        <translation>Spinora-mobilapp</translation>
    </message>
    <message id="SDBI">
        <source></source>
        <translation>SDBI</translation>
    </message>
    <message id="Spinora Database">
        <source></source>
        <translation>Spinora-database</translation>
    </message>
    <message id="CSV">
        <source></source>
        <translation>CSV</translation>
    </message>
    <message id="CSV Template…">
        <source></source>
        <translation>CSV-skabelon…</translation>
    </message>
    <message id="HTML Report">
        <source></source>
        <translation>HTML-rapport</translation>
    </message>
    <message id="Software Update">
        <source></source>
        <translation>Softwareopdatering</translation>
    </message>
    <message id="A new version of Spinora is available!">
        <source></source>
        <translation>En ny version af Spinora er tilgængelig!</translation>
    </message>
    <message id="Spinora %1 is now available—you have %2. Would you like to download it now?">
        <source></source>
        <translation>Spinora %1 er nu tilgængelig – du har %2. Vil du hente den nu?</translation>
    </message>
    <message id="Download">
        <source></source>
        <translation>Hent</translation>
    </message>
    <message id="Remind Me Later">
        <source></source>
        <translation>Mind mig om det senere</translation>
    </message>
    <message id="You’re up-to-date!">
        <source></source>
        <translation>Du har den nyeste version!</translation>
    </message>
    <message id="Spinora %1 is currently the newest version available.">
        <source></source>
        <translation>Spinora %1 er i øjeblikket den nyeste tilgængelige version.</translation>
    </message>
    <message id="No update address is set, so Spinora cannot look for updates. Your distribution’s package manager keeps Spinora up to date.">
        <source></source>
        <translation>Der er ikke angivet nogen opdateringsadresse, så Spinora kan ikke søge efter opdateringer. Din distributions pakkehåndtering holder Spinora opdateret.</translation>
    </message>
    <message id="Update Error!">
        <source></source>
        <translation>Opdateringsfejl!</translation>
    </message>
    <message id="An error occurred in retrieving update information. Please try again later.">
        <source></source>
        <translation>Der opstod en fejl under hentning af opdateringsoplysninger. Prøv igen senere.</translation>
    </message>
    <message id="Spinora keeps the catalogue of a cactus and succulent collection.">
        <source></source>
        <translation>Spinora fører kataloget over en samling af kaktusser og sukkulenter.</translation>
    </message>
    <message id="Collections to open (folders ending in .sdb); interchange files (.sdbi) are offered for import into the collection shown.">
        <source></source>
        <translation>Samlinger, der skal åbnes (mapper, hvis navn slutter på .sdb); udvekslingsfiler (.sdbi) tilbydes til import i den viste samling.</translation>
    </message>
    <message id="The list to show: cacti, watering or logs.">
        <source></source>
        <translation>Listen, der skal vises: cacti, watering eller logs.</translation>
    </message>
    <message id="--show takes cacti, watering or logs, not “%1”">
        <source></source>
        <translation>--show tager cacti, watering eller logs, ikke »%1«</translation>
    </message>
    <message id="Spinora is already running but does not answer.">
        <source></source>
        <translation>Spinora kører allerede, men svarer ikke.</translation>
    </message>
    <message id="the line “%1” does not close “%2”">
        <source></source>
        <translation>linjen »%1« afslutter ikke »%2«</translation>
    </message>
    <message id="the file ends before “%1” does">
        <source></source>
        <translation>filen slutter, før »%1« gør</translation>
    </message>
    <message id="the file is empty">
        <source></source>
        <translation>filen er tom</translation>
    </message>
    <message id="it is not an iCalendar file">
        <source></source>
        <translation>den er ikke en iCalendar-fil</translation>
    </message>
    <message id="it does not hold exactly one calendar">
        <source></source>
        <translation>den indeholder ikke præcis én kalender</translation>
    </message>
    <message id="it contains errors">
        <source></source>
        <translation>den indeholder fejl</translation>
    </message>
    <message id="it cannot be read">
        <source></source>
        <translation>den kan ikke læses</translation>
    </message>
    <message id="The calendar folder “%1” cannot be made.">
        <source></source>
        <translation>Kalendermappen »%1« kan ikke oprettes.</translation>
    </message>
    <message id="The calendar file “%1” cannot be used: %2.">
        <source></source>
        <translation>Kalenderfilen »%1« kan ikke bruges: %2.</translation>
    </message>
    <message id="The calendar file “%1” cannot be read.">
        <source></source>
        <translation>Kalenderfilen »%1« kan ikke læses.</translation>
    </message>
    <message id="The calendar file “%1” cannot be used (%2); it was left as it is.">
        <source></source>
        <translation>Kalenderfilen »%1« kan ikke bruges (%2); den blev ikke ændret.</translation>
    </message>
    <message id="The calendar file “%1” keeps being changed by another program; it was left as it is.">
        <source></source>
        <translation>Kalenderfilen »%1« bliver hele tiden ændret af et andet program; den blev ikke ændret.</translation>
    </message>
    <message id="The calendar file “%1” could not be written (%2); it was left as it is.">
        <source></source>
        <translation>Kalenderfilen »%1« kunne ikke skrives (%2); den blev ikke ændret.</translation>
    </message>
    <message id="No space left on device">
        <source></source>
        <translation>Ikke mere plads på disken</translation>
    </message>
    <message id="The event ends before it starts.">
        <source></source>
        <translation>Hændelsen slutter, før den begynder.</translation>
    </message>
    <message id="The calendar “%1” is not available.">
        <source></source>
        <translation>Kalenderen »%1« er ikke tilgængelig.</translation>
    </message>
    <message id="There is no such event.">
        <source></source>
        <translation>Den hændelse findes ikke.</translation>
    </message>
    <message id="The event was removed by another program.">
        <source></source>
        <translation>Hændelsen blev fjernet af et andet program.</translation>
    </message>
    <message id="the Avahi daemon went away">
        <source></source>
        <translation>Avahi-dæmonen forsvandt</translation>
    </message>
    <message id="Click the Import button to restore the complete database from your device.">
        <source></source>
        <translation>Klik på knappen Importér for at gendanne hele databasen fra din enhed.</translation>
    </message>
    <message id="Click the Import button to restore only the cacti and watering schedules in the database from your device.">
        <source></source>
        <translation>Klik på knappen Importér for kun at gendanne kaktusserne og vandingsplanerne i databasen fra din enhed.</translation>
    </message>
    <message id="Click the Import button to import the cacti from your device.">
        <source></source>
        <translation>Klik på knappen Importér for at importere kaktusserne fra din enhed.</translation>
    </message>
    <message id="Click the Import button to import the watering schedules from your device.">
        <source></source>
        <translation>Klik på knappen Importér for at importere vandingsplanerne fra din enhed.</translation>
    </message>
    <message id="Restore Database is selected on your device. Select either Backup Database or Export Data instead.">
        <source></source>
        <translation>»Restore Database« er valgt på din enhed. Vælg i stedet »Backup Database« eller »Export Data«.</translation>
    </message>
    <message id="Export Data is selected on your device. Select Backup Database instead to restore both cacti and watering schedules.">
        <source></source>
        <translation>»Export Data« er valgt på din enhed. Vælg i stedet »Backup Database« for at gendanne både kaktusser og vandingsplaner.</translation>
    </message>
    <message id="Export Data is selected on your device. Only cacti or watering schedules can be imported in this mode.">
        <source></source>
        <translation>»Export Data« er valgt på din enhed. I denne tilstand kan der kun importeres kaktusser eller vandingsplaner.</translation>
    </message>
    <message id="Import Data is selected on your device. Select either Backup Database or Export Data instead.">
        <source></source>
        <translation>»Import Data« er valgt på din enhed. Vælg i stedet »Backup Database« eller »Export Data«.</translation>
    </message>
    <message id="Backup Database is selected on your device. Select either Restore Database or Import Data instead.">
        <source></source>
        <translation>»Backup Database« er valgt på din enhed. Vælg i stedet »Restore Database« eller »Import Data«.</translation>
    </message>
    <message id="Export Data is selected on your device. Select either Restore Database or Import Data instead.">
        <source></source>
        <translation>»Export Data« er valgt på din enhed. Vælg i stedet »Restore Database« eller »Import Data«.</translation>
    </message>
    <message id="Click the Export button to send the database to your device. The app will ask what you want to import.">
        <source></source>
        <translation>Klik på knappen Eksportér for at sende databasen til din enhed. Appen spørger, hvad du vil importere.</translation>
    </message>
    <message id="The collection was closed.">
        <source></source>
        <translation>Samlingen blev lukket.</translation>
    </message>
    <message id="Import Database">
        <source></source>
        <translation>Importér database</translation>
    </message>
    <message id="Restore Complete Database">
        <source></source>
        <translation>Gendan hele databasen</translation>
    </message>
    <message id="Import Cacti and Watering Schedules">
        <source></source>
        <translation>Importér kaktusser og vandingsplaner</translation>
    </message>
    <message id="Import Cacti">
        <source></source>
        <translation>Importér kaktusser</translation>
    </message>
    <message id="Import Watering Schedules">
        <source></source>
        <translation>Importér vandingsplaner</translation>
    </message>
    <message id="Devices">
        <source></source>
        <translation>Enheder</translation>
    </message>
    <message id="Messages">
        <source></source>
        <translation>Meddelelser</translation>
    </message>
    <message id="Export Database">
        <source></source>
        <translation>Eksportér database</translation>
    </message>
    <message id="Flowering Calendar">
        <source></source>
        <translation>Blomstringskalender</translation>
    </message>
    <message id="Photo Timeline">
        <source></source>
        <translation>Fototidslinje</translation>
    </message>
    <message id="Common Name">
        <source></source>
        <translation>Dansk navn</translation>
    </message>
    <message id="Open Watering Schedule">
        <source></source>
        <translation>Åbn vandingsplan</translation>
    </message>
    <message id="Height">
        <source></source>
        <translation>Højde</translation>
    </message>
    <message id="Width">
        <source></source>
        <translation>Bredde</translation>
    </message>
    <message id="Weight">
        <source></source>
        <translation>Vægt</translation>
    </message>
    <message id="Light">
        <source></source>
        <translation>Lys</translation>
    </message>
    <message id="Temperature">
        <source></source>
        <translation>Temperatur</translation>
    </message>
    <message id="Pot Size">
        <source></source>
        <translation>Pottestørrelse</translation>
    </message>
    <message id="Pot Shape">
        <source></source>
        <translation>Potteform</translation>
    </message>
    <message id="Pot Material">
        <source></source>
        <translation>Pottemateriale</translation>
    </message>
    <message id="General">
        <source></source>
        <translation>Generelt</translation>
    </message>
    <message id="Details">
        <source></source>
        <translation>Detaljer</translation>
    </message>
    <message id="Alarm">
        <source></source>
        <translation>Alarm</translation>
    </message>
    <message id="Busy">
        <source></source>
        <translation>Optaget</translation>
    </message>
    <message id="Free">
        <source></source>
        <translation>Ledig</translation>
    </message>
    <message id="Title">
        <source></source>
        <translation>Titel</translation>
    </message>
    <message id="Starts">
        <source></source>
        <translation>Start</translation>
    </message>
    <message id="Ends">
        <source></source>
        <translation>Slut</translation>
    </message>
    <message id="All-Day">
        <source></source>
        <translation>Hele dagen</translation>
    </message>
    <message id="Calendar">
        <source></source>
        <translation>Kalender</translation>
    </message>
    <message id="Availability">
        <source></source>
        <translation>Tilgængelighed</translation>
    </message>
    <message id="Kept in %1. To see these reminders in your desktop calendar, add this file to it as a calendar.">
        <source></source>
        <translation>Gemt i %1. Tilføj denne fil som kalender i din skrivebordskalender for at se disse påmindelser der.</translation>
    </message>
    <message id="Add New Event">
        <source></source>
        <translation>Tilføj ny hændelse</translation>
    </message>
    <message id="Edit Event">
        <source></source>
        <translation>Redigér hændelse</translation>
    </message>
    <message id="Open Cactus">
        <source></source>
        <translation>Åbn kaktus</translation>
    </message>
    <message id="Add Reminder">
        <source></source>
        <translation>Tilføj påmindelse</translation>
    </message>
    <message id="Edit Reminder">
        <source></source>
        <translation>Redigér påmindelse</translation>
    </message>
    <message id="Add a reminder to your calendar?">
        <source></source>
        <translation>Tilføj en påmindelse til din kalender?</translation>
    </message>
    <message id="Edit the reminder on your calendar?">
        <source></source>
        <translation>Redigér påmindelsen i din kalender?</translation>
    </message>
    <message id="All Photos">
        <source></source>
        <translation>Alle fotos</translation>
    </message>
    <message id="Add Photos…">
        <source></source>
        <translation>Tilføj fotos…</translation>
    </message>
    <message id="Add photos from picture files. You can also drop picture files on the grid.">
        <source></source>
        <translation>Tilføj fotos fra billedfiler. Du kan også slippe billedfiler på gitteret.</translation>
    </message>
    <message id="Size of the photos">
        <source></source>
        <translation>Fotostørrelse</translation>
    </message>
    <message id="Adding photos">
        <source></source>
        <translation>Tilføjer fotos</translation>
    </message>
    <message id="Add Photos">
        <source></source>
        <translation>Tilføj fotos</translation>
    </message>
    <message id="Pictures (*.jpg *.jpeg *.png *.gif *.tif *.tiff *.bmp)">
        <source></source>
        <translation>Billeder (*.jpg *.jpeg *.png *.gif *.tif *.tiff *.bmp)</translation>
    </message>
    <message id="This file was not added:">
        <source></source>
        <translation>Denne fil blev ikke tilføjet:</translation>
    </message>
    <message id="These files were not added:">
        <source></source>
        <translation>Disse filer blev ikke tilføjet:</translation>
    </message>
    <message id="Previous Photo">
        <source></source>
        <translation>Forrige foto</translation>
    </message>
    <message id="Display the previous photo">
        <source></source>
        <translation>Vis det forrige foto</translation>
    </message>
    <message id="Edit Caption">
        <source></source>
        <translation>Redigér billedtekst</translation>
    </message>
    <message id="Edit the photo caption">
        <source></source>
        <translation>Redigér fotoets billedtekst</translation>
    </message>
    <message id="Next Photo">
        <source></source>
        <translation>Næste foto</translation>
    </message>
    <message id="Display the next photo">
        <source></source>
        <translation>Vis det næste foto</translation>
    </message>
    <message id="Error: the new record is gone.">
        <source></source>
        <translation>Fejl: den nye post er forsvundet.</translation>
    </message>
    <message id="From Date 1">
        <source></source>
        <translation>Fra dato 1</translation>
    </message>
    <message id="To Date 2">
        <source></source>
        <translation>Til dato 2</translation>
    </message>
    <message id="From Date 3">
        <source></source>
        <translation>Fra dato 3</translation>
    </message>
    <message id="To Date 4">
        <source></source>
        <translation>Til dato 4</translation>
    </message>
    <message id="From Date 5">
        <source></source>
        <translation>Fra dato 5</translation>
    </message>
    <message id="To Date 6">
        <source></source>
        <translation>Til dato 6</translation>
    </message>
    <message id="Units">
        <source></source>
        <translation>Måleenheder</translation>
    </message>
    <message id="Line %1, column %2 (%3): “%4” could not be read and was not imported.">
        <source></source>
        <translation>Linje %1, kolonne %2 (%3): »%4« kunne ikke læses og blev ikke importeret.</translation>
    </message>
    <message id="The file is not in the Spinora CSV template layout and these columns could not be placed: “%1”. Give each column its field, for example --map '%2' (the fields are %3).">
        <source></source>
        <translation>Filen følger ikke layoutet i Spinora CSV-skabelonen, og disse kolonner kunne ikke placeres: »%1«. Angiv et felt for hver kolonne, f.eks. --map &apos;%2&apos; (felterne er %3).</translation>
    </message>
    <message id="No cacti, watering schedules or logs were found in the file. It must follow the Spinora CSV template.">
        <source></source>
        <translation>Der blev ikke fundet kaktusser, vandingsplaner eller logposter i filen. Den skal følge Spinora CSV-skabelonen.</translation>
    </message>
    <message id="name|plant|plant name|cactus|label">
        <source></source>
        <translation>navn|plante|plantenavn|kaktus|etiket</translation>
    </message>
    <message id="scientific|scientific name|botanical name|latin name|taxon|genus|species">
        <source></source>
        <translation>videnskabelig|videnskabeligt navn|botanisk navn|latinsk navn|taxon|slægt|art</translation>
    </message>
    <message id="common|common name">
        <source></source>
        <translation>trivialnavn|dansk navn</translation>
    </message>
    <message id="type|plant type">
        <source></source>
        <translation>type|plantetype</translation>
    </message>
    <message id="watering|schedule|watering schedule">
        <source></source>
        <translation>vanding|plan|vandingsplan</translation>
    </message>
    <message id="last watered">
        <source></source>
        <translation>sidst vandet</translation>
    </message>
    <message id="next watering">
        <source></source>
        <translation>næste vanding</translation>
    </message>
    <message id="planted|plant date|date planted|sown">
        <source></source>
        <translation>plantet|plantedato|dato plantet|sået</translation>
    </message>
    <message id="source|origin">
        <source></source>
        <translation>oprindelse|kilde</translation>
    </message>
    <message id="acquired|date acquired|bought|purchased|purchase date">
        <source></source>
        <translation>anskaffet|anskaffelsesdato|købt|indkøbt|købsdato</translation>
    </message>
    <message id="price|purchase price|cost|paid">
        <source></source>
        <translation>pris|købspris|omkostning|betalt</translation>
    </message>
    <message id="value|worth">
        <source></source>
        <translation>værdi|værd</translation>
    </message>
    <message id="location|place|position|bench|greenhouse">
        <source></source>
        <translation>placering|sted|position|bord|drivhus</translation>
    </message>
    <message id="height">
        <source></source>
        <translation>højde</translation>
    </message>
    <message id="width|diameter">
        <source></source>
        <translation>bredde|diameter</translation>
    </message>
    <message id="weight">
        <source></source>
        <translation>vægt</translation>
    </message>
    <message id="light|sun">
        <source></source>
        <translation>lys|sol</translation>
    </message>
    <message id="temperature|temp|min temp">
        <source></source>
        <translation>temperatur|temp|min temp</translation>
    </message>
    <message id="pot size|pot">
        <source></source>
        <translation>pottestørrelse|potte</translation>
    </message>
    <message id="pot shape|shape">
        <source></source>
        <translation>potteform|form</translation>
    </message>
    <message id="pot material|material">
        <source></source>
        <translation>pottemateriale|materiale</translation>
    </message>
    <message id="notes|note|comments|comment|remarks|description">
        <source></source>
        <translation>noter|note|kommentarer|kommentar|bemærkninger|beskrivelse</translation>
    </message>
    <message id="id|#|no|no.|number|photo|photos|image|picture">
        <source></source>
        <translation>id|#|nr|nr.|nummer|foto|fotos|billede|billeder</translation>
    </message>
    <message id="“%1” is no COLUMN=FIELD pair.">
        <source></source>
        <translation>»%1« er ikke et par på formen KOLONNE=FELT.</translation>
    </message>
    <message id="“%1” is no field; the fields are %2.">
        <source></source>
        <translation>»%1« er ikke et felt; felterne er %2.</translation>
    </message>
    <message id="The file has no column “%1”.">
        <source></source>
        <translation>Filen har ingen kolonne »%1«.</translation>
    </message>
    <message id="%1 is a folder; an export never replaces a folder with a file.">
        <source></source>
        <translation>%1 er en mappe; en eksport erstatter aldrig en mappe med en fil.</translation>
    </message>
    <message id="%1 is a folder that is not a Spinora collection; an export never replaces it.">
        <source></source>
        <translation>%1 er en mappe, der ikke er en Spinora-samling; en eksport erstatter den aldrig.</translation>
    </message>
    <message id="%1 is a collection in use by %2; it cannot be replaced.">
        <source></source>
        <translation>%1 er en samling, som bruges af %2; den kan ikke erstattes.</translation>
    </message>
    <message id="%1 is an existing collection and was not replaced.">
        <source></source>
        <translation>%1 er en eksisterende samling og blev ikke erstattet.</translation>
    </message>
    <message id="%1 already exists and was not replaced.">
        <source></source>
        <translation>%1 findes allerede og blev ikke erstattet.</translation>
    </message>
    <message id="The collection %1 could not be read: %2">
        <source></source>
        <translation>Samlingen %1 kunne ikke læses: %2</translation>
    </message>
    <message id="it holds no %1.">
        <source></source>
        <translation>den indeholder ingen %1.</translation>
    </message>
    <message id="The collection %1 was made by a newer version of Spinora (schema %2; this version reads up to %3).">
        <source></source>
        <translation>Samlingen %1 blev oprettet af en nyere version af Spinora (skema %2; denne version læser op til %3).</translation>
    </message>
    <message id="The collection could not be read: %1">
        <source></source>
        <translation>Samlingen kunne ikke læses: %1</translation>
    </message>
    <message id="The collection was opened read-only, so nothing can be imported into it.">
        <source></source>
        <translation>Samlingen blev åbnet skrivebeskyttet, så der kan ikke importeres noget i den.</translation>
    </message>
    <message id="The import failed.">
        <source></source>
        <translation>Importen mislykkedes.</translation>
    </message>
    <message id="The collection could not be written: %1">
        <source></source>
        <translation>Samlingen kunne ikke skrives: %1</translation>
    </message>
    <message id="The collection's database could not be opened: %1">
        <source></source>
        <translation>Samlingens database kunne ikke åbnes: %1</translation>
    </message>
    <message id="The folder %1 could not be made.">
        <source></source>
        <translation>Mappen %1 kunne ikke oprettes.</translation>
    </message>
    <message id="The template could not be read: %1">
        <source></source>
        <translation>Skabelonen kunne ikke læses: %1</translation>
    </message>
    <message id="The collection could not be locked for the import: %1">
        <source></source>
        <translation>Samlingen kunne ikke låses til importen: %1</translation>
    </message>
    <message id="Fertilized">
        <source></source>
        <translation>Gødet</translation>
    </message>
    <message id="Flowered">
        <source></source>
        <translation>Blomstret</translation>
    </message>
    <message id="Planted">
        <source></source>
        <translation>Plantet</translation>
    </message>
    <message id="Purchased">
        <source></source>
        <translation>Købt</translation>
    </message>
    <message id="Sold">
        <source></source>
        <translation>Solgt</translation>
    </message>
    <message id="The import could not be saved: %1">
        <source></source>
        <translation>Importen kunne ikke gemmes: %1</translation>
    </message>
    <message id="%1 could not be written">
        <source></source>
        <translation>%1 kunne ikke skrives</translation>
    </message>
    <message id="%1: the export filter could not be run">
        <source></source>
        <translation>%1: eksportfilteret kunne ikke køres</translation>
    </message>
    <message id="%1 could not be replaced">
        <source></source>
        <translation>%1 kunne ikke erstattes</translation>
    </message>
    <message id="The file cannot be imported: it holds triggers or views, which Spinora files never have.">
        <source></source>
        <translation>Filen kan ikke importeres: den indeholder triggere eller views, som Spinora-filer aldrig har.</translation>
    </message>
    <message id="larger than 64 MiB">
        <source></source>
        <translation>større end 64 MiB</translation>
    </message>
    <message id="a link that leads out of the package">
        <source></source>
        <translation>et link, der fører ud af pakken</translation>
    </message>
    <message id="not a file that can be read">
        <source></source>
        <translation>ikke en fil, der kan læses</translation>
    </message>
    <message id="%1 could not be read.">
        <source></source>
        <translation>%1 kunne ikke læses.</translation>
    </message>
    <message id="The file could not be opened: %1">
        <source></source>
        <translation>Filen kunne ikke åbnes: %1</translation>
    </message>
    <message id="The file is not a Spinora database: %1">
        <source></source>
        <translation>Filen er ikke en Spinora-database: %1</translation>
    </message>
    <message id="The file cannot be imported: its schema could not be upgraded (%1).">
        <source></source>
        <translation>Filen kan ikke importeres: dens skema kunne ikke opgraderes (%1).</translation>
    </message>
    <message id="The file could not be closed: %1">
        <source></source>
        <translation>Filen kunne ikke lukkes: %1</translation>
    </message>
    <message id="The file has no version information, so it is not a Spinora database.">
        <source></source>
        <translation>Filen har ingen versionsoplysninger og er derfor ikke en Spinora-database.</translation>
    </message>
    <message id="The file cannot be imported: it was made by a newer version of Spinora (schema %1; this version reads up to %2).">
        <source></source>
        <translation>Filen kan ikke importeres: den blev oprettet af en nyere version af Spinora (skema %1; denne version læser op til %2).</translation>
    </message>
    <message id="The file's version row holds no record counts.">
        <source></source>
        <translation>Filens versionsrække indeholder intet antal poster.</translation>
    </message>
    <message id="The file cannot be imported: its %1 table cannot be read (%2).">
        <source></source>
        <translation>Filen kan ikke importeres: dens tabel %1 kan ikke læses (%2).</translation>
    </message>
    <message id="The file cannot be imported: its %1 table has keys that are not whole numbers from 0 to 9223372036854775807.">
        <source></source>
        <translation>Filen kan ikke importeres: dens tabel %1 har nøgler, der ikke er heltal fra 0 til 9223372036854775807.</translation>
    </message>
    <message id="The file cannot be imported: its %1 table has the same key on more than one row.">
        <source></source>
        <translation>Filen kan ikke importeres: dens tabel %1 har den samme nøgle i mere end én række.</translation>
    </message>
    <message id="The file cannot be imported: the collection has no keys left for its %1 table.">
        <source></source>
        <translation>Filen kan ikke importeres: samlingen har ikke flere nøgler til dens tabel %1.</translation>
    </message>
    <message id="The records of the file's %1 table could not be read: %2">
        <source></source>
        <translation>Posterne i filens tabel %1 kunne ikke læses: %2</translation>
    </message>
    <message id="The file cannot be imported: the %1 column of its %2 table holds values that are not whole numbers.">
        <source></source>
        <translation>Filen kan ikke importeres: kolonnen %1 i dens tabel %2 indeholder værdier, der ikke er heltal.</translation>
    </message>
    <message id="The file holds no watering schedules.">
        <source></source>
        <translation>Filen indeholder ingen vandingsplaner.</translation>
    </message>
    <message id="The file holds no cacti.">
        <source></source>
        <translation>Filen indeholder ingen kaktusser.</translation>
    </message>
    <message id="not a picture that can be read">
        <source></source>
        <translation>ikke et billede, der kan læses</translation>
    </message>
    <message id="the cactus %1">
        <source></source>
        <translation>kaktussen %1</translation>
    </message>
    <message id="the log entry %1">
        <source></source>
        <translation>logposten %1</translation>
    </message>
    <message id="the cactus “%1”">
        <source></source>
        <translation>kaktussen »%1«</translation>
    </message>
    <message id="the log entry “%1”">
        <source></source>
        <translation>logposten »%1«</translation>
    </message>
    <message id="The file's photos could not be read: %1">
        <source></source>
        <translation>Filens fotos kunne ikke læses: %1</translation>
    </message>
    <message id="The file cannot be imported: the key column of its image table holds values that are not whole numbers.">
        <source></source>
        <translation>Filen kan ikke importeres: nøglekolonnen i dens billedtabel indeholder værdier, der ikke er heltal.</translation>
    </message>
    <message id="1 photo could not be read and was left out: %1.">
        <source></source>
        <translation>1 foto kunne ikke læses og blev udeladt: %1.</translation>
    </message>
    <message id="%1 photos could not be read and were left out: %2.">
        <source></source>
        <translation>%1 fotos kunne ikke læses og blev udeladt: %2.</translation>
    </message>
    <message id="The file could not be read: %1">
        <source></source>
        <translation>Filen kunne ikke læses: %1</translation>
    </message>
    <message id="No plant has a date acquired.">
        <source></source>
        <translation>Ingen plante har en anskaffelsesdato.</translation>
    </message>
    <message id="%1 without a date">
        <source></source>
        <translation>%1 uden dato</translation>
    </message>
    <message id="Plants by Date Acquired">
        <source></source>
        <translation>Planter efter anskaffelsesdato</translation>
    </message>
    <message id="Value by Date Acquired">
        <source></source>
        <translation>Værdi efter anskaffelsesdato</translation>
    </message>
    <message id="Plants by Genus">
        <source></source>
        <translation>Planter efter slægt</translation>
    </message>
    <message id="Waterings Due in the Next %1 Days">
        <source></source>
        <translation>Forfaldne vandinger de næste %1 dage</translation>
    </message>
    <message id="Charts">
        <source></source>
        <translation>Diagrammer</translation>
    </message>
    <message id="Cacti Report">
        <source></source>
        <translation>Kaktusrapport</translation>
    </message>
    <message id="Summary">
        <source></source>
        <translation>Resumé</translation>
    </message>
    <message id="Total Cacti">
        <source></source>
        <translation>Kaktusser i alt</translation>
    </message>
    <message id="Total Watering Schedules">
        <source></source>
        <translation>Vandingsplaner i alt</translation>
    </message>
    <message id="Total Log Entries">
        <source></source>
        <translation>Logposter i alt</translation>
    </message>
    <message id="Unique Species">
        <source></source>
        <translation>Forskellige arter</translation>
    </message>
    <message id="Total Value">
        <source></source>
        <translation>Samlet værdi</translation>
    </message>
    <message id="Species Scientific Name">
        <source></source>
        <translation>Artens videnskabelige navn</translation>
    </message>
    <message id="Species Common Name">
        <source></source>
        <translation>Artens danske navn</translation>
    </message>
    <message id="Unknown Date">
        <source></source>
        <translation>Ukendt dato</translation>
    </message>
    <message id="No Event Name">
        <source></source>
        <translation>Intet hændelsesnavn</translation>
    </message>
    <message id="The report folder %1 cannot be written.">
        <source></source>
        <translation>Der kan ikke skrives til rapportmappen %1.</translation>
    </message>
    <message id="The report %1 could not be written.">
        <source></source>
        <translation>Rapporten %1 kunne ikke skrives.</translation>
    </message>
    <message id="No folder for the work files was found: the user's caches folder is unknown (set HOME or XDG_CACHE_HOME).">
        <source></source>
        <translation>Der blev ikke fundet nogen mappe til arbejdsfilerne: brugerens cachemappe er ukendt (angiv HOME eller XDG_CACHE_HOME).</translation>
    </message>
    <message id="The work folder %1 could not be made.">
        <source></source>
        <translation>Arbejdsmappen %1 kunne ikke oprettes.</translation>
    </message>
    <message id="The work folder %1 cannot be used: something that is not a folder is in its place.">
        <source></source>
        <translation>Arbejdsmappen %1 kan ikke bruges: der ligger noget, som ikke er en mappe, i stedet.</translation>
    </message>
    <message id="The work folder %1 cannot be used: it is not writable.">
        <source></source>
        <translation>Arbejdsmappen %1 kan ikke bruges: den er ikke skrivbar.</translation>
    </message>
    <message id="Another transfer is running in this program; try again when it has finished.">
        <source></source>
        <translation>En anden overførsel er i gang i dette program; prøv igen, når den er færdig.</translation>
    </message>
    <message id="Another transfer is running (%1, process %2); try again when it has finished.">
        <source></source>
        <translation>En anden overførsel er i gang (%1, proces %2); prøv igen, når den er færdig.</translation>
    </message>
    <message id="another program">
        <source></source>
        <translation>et andet program</translation>
    </message>
    <message id="Another transfer is running; try again when it has finished.">
        <source></source>
        <translation>En anden overførsel er i gang; prøv igen, når den er færdig.</translation>
    </message>
    <message id="The work folder %1 cannot be used: its lock file could not be made.">
        <source></source>
        <translation>Arbejdsmappen %1 kan ikke bruges: dens låsefil kunne ikke oprettes.</translation>
    </message>
    <message id="Import From SDBI">
        <source></source>
        <translation>Importér fra SDBI</translation>
    </message>
    <message id="Import From Spinora Database">
        <source></source>
        <translation>Importér fra Spinora-database</translation>
    </message>
    <message id="Database File">
        <source></source>
        <translation>Databasefil</translation>
    </message>
    <message id="Import From CSV">
        <source></source>
        <translation>Importér fra CSV</translation>
    </message>
    <message id="Export To SDBI">
        <source></source>
        <translation>Eksportér til SDBI</translation>
    </message>
    <message id="Export To Spinora Database">
        <source></source>
        <translation>Eksportér til Spinora-database</translation>
    </message>
    <message id="Export To CSV">
        <source></source>
        <translation>Eksportér til CSV</translation>
    </message>
    <message id="Type a path, or choose the file with Browse">
        <source></source>
        <translation>Skriv en sti, eller vælg filen med Gennemse</translation>
    </message>
    <message id="Choose where to save with Browse">
        <source></source>
        <translation>Vælg med Gennemse, hvor der skal gemmes</translation>
    </message>
    <message id="There is no file “%1”.">
        <source></source>
        <translation>Der findes ingen fil »%1«.</translation>
    </message>
    <message id="A4, 3 × 8 labels of 70 × 37 mm">
        <source></source>
        <translation>A4, 3 × 8 etiketter på 70 × 37 mm</translation>
    </message>
    <message id="US Letter, 3 × 10 labels of 2.625 × 1 in">
        <source></source>
        <translation>US Letter, 3 × 10 etiketter på 2,625 × 1 tommer</translation>
    </message>
    <message id="%n labels" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n etiket</numerusform>
            <numerusform>%n etiketter</numerusform>
        </translation>
    </message>
    <message id="%n pages" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n side</numerusform>
            <numerusform>%n sider</numerusform>
        </translation>
    </message>
    <message id=" mm">
        <source></source>
        <translation> mm</translation>
    </message>
    <message id="Nothing was printed: the printer “%1” could not be used.">
        <source></source>
        <translation>Intet blev udskrevet: printeren »%1« kunne ikke bruges.</translation>
    </message>
    <message id="Nothing was printed: the file “%1” could not be written.">
        <source></source>
        <translation>Intet blev udskrevet: filen »%1« kunne ikke skrives.</translation>
    </message>
    <message id="Error: out of memory.">
        <source></source>
        <translation>Fejl: ikke mere hukommelse.</translation>
    </message>
    <message id="Error: unknown exception.">
        <source></source>
        <translation>Fejl: ukendt undtagelse.</translation>
    </message>
    <message id="No snapshot of the collection could be kept: %1">
        <source></source>
        <translation>Der kunne ikke gemmes en sikkerhedskopi af samlingen: %1</translation>
    </message>
    <message id="the collection as it is now could not be kept first, so nothing was changed: %1">
        <source></source>
        <translation>samlingen, som den er nu, kunne ikke gemmes først, så intet blev ændret: %1</translation>
    </message>
    <message id="the collection was opened read-only">
        <source></source>
        <translation>samlingen blev åbnet skrivebeskyttet</translation>
    </message>
    <message id="Other">
        <source></source>
        <translation>Andet</translation>
    </message>
    <message id="it does not exist.">
        <source></source>
        <translation>den findes ikke.</translation>
    </message>
    <message id="it is not a collection package (a folder ending in .sdb).">
        <source></source>
        <translation>den er ikke en samlingspakke (en mappe, hvis navn slutter på .sdb).</translation>
    </message>
    <message id="the folder holds no %1, so it is not a Spinora collection.">
        <source></source>
        <translation>mappen indeholder ingen %1, så den er ikke en Spinora-samling.</translation>
    </message>
    <message id="it is read-only. Make it writable, or copy it to another place, to open it.">
        <source></source>
        <translation>den er skrivebeskyttet. Gør den skrivbar, eller kopiér den til et andet sted, for at åbne den.</translation>
    </message>
    <message id="the collection is not open">
        <source></source>
        <translation>samlingen er ikke åben</translation>
    </message>
    <message id="the collection could not be read again: %1">
        <source></source>
        <translation>samlingen kunne ikke læses igen: %1</translation>
    </message>
    <message id="the file is not a picture">
        <source></source>
        <translation>filen er ikke et billede</translation>
    </message>
    <message id="the picture is too large (%1 × %2 pixels)">
        <source></source>
        <translation>billedet er for stort (%1 × %2 pixel)</translation>
    </message>
    <message id="the picture cannot be decoded (%1)">
        <source></source>
        <translation>billedet kan ikke afkodes (%1)</translation>
    </message>
    <message id="the file cannot be read">
        <source></source>
        <translation>filen kan ikke læses</translation>
    </message>
    <message id="the file is larger than %1 MB">
        <source></source>
        <translation>filen er større end %1 MB</translation>
    </message>
    <message id="Error: a photo needs its three prepared files.">
        <source></source>
        <translation>Fejl: et foto kræver sine tre forberedte filer.</translation>
    </message>
    <message id="a change to it was cut short when Spinora or the computer stopped">
        <source></source>
        <translation>en ændring i den blev afbrudt, da Spinora eller computeren stoppede</translation>
    </message>
    <message id="%1, and must be undone before the collection can be read. That takes writing, and the collection is read-only here. Copy the whole collection, with the file %2-journal in it, to a writable place and open the copy.">
        <source></source>
        <translation>%1 og skal fortrydes, før samlingen kan læses. Det kræver skrivning, og samlingen er skrivebeskyttet her. Kopiér hele samlingen med filen %2-journal i den til et skrivbart sted, og åbn kopien.</translation>
    </message>
    <message id="%1, and cannot be undone: %2">
        <source></source>
        <translation>%1 og kan ikke fortrydes: %2</translation>
    </message>
    <message id="%1, and undoing it failed: %2.">
        <source></source>
        <translation>%1, og fortrydelsen mislykkedes: %2.</translation>
    </message>
    <message id="the collection is not open for writing.">
        <source></source>
        <translation>samlingen er ikke åben for skrivning.</translation>
    </message>
    <message id="no watering moment was given.">
        <source></source>
        <translation>der blev ikke angivet noget vandingstidspunkt.</translation>
    </message>
    <message id="it is already open in this program.">
        <source></source>
        <translation>den er allerede åben i dette program.</translation>
    </message>
    <message id="another program (process %1)">
        <source></source>
        <translation>et andet program (proces %1)</translation>
    </message>
    <message id="it is in use by %1. Only one program at a time can change a collection; try again when it has finished.">
        <source></source>
        <translation>den bruges af %1. Kun ét program ad gangen kan ændre en samling; prøv igen, når det er færdigt.</translation>
    </message>
    <message id="its lock file %1 cannot be opened (%2).">
        <source></source>
        <translation>dens låsefil %1 kan ikke åbnes (%2).</translation>
    </message>
    <message id="its lock file %1 cannot be locked (%2).">
        <source></source>
        <translation>dens låsefil %1 kan ikke låses (%2).</translation>
    </message>
    <message id="its lock file %1 keeps being replaced by another program.">
        <source></source>
        <translation>dens låsefil %1 bliver hele tiden erstattet af et andet program.</translation>
    </message>
    <message id="the picture cannot be converted to JPEG">
        <source></source>
        <translation>billedet kan ikke konverteres til JPEG</translation>
    </message>
    <message id="no database connection">
        <source></source>
        <translation>ingen databaseforbindelse</translation>
    </message>
    <message id="the current schema is not available (%1)">
        <source></source>
        <translation>det aktuelle skema er ikke tilgængeligt (%1)</translation>
    </message>
    <message id="The collection %1 could not be opened: %2">
        <source></source>
        <translation>Samlingen %1 kunne ikke åbnes: %2</translation>
    </message>
    <message id="The collection %1 could not be made: %2">
        <source></source>
        <translation>Samlingen %1 kunne ikke oprettes: %2</translation>
    </message>
    <message id="The logs of %1 could not be read: %2">
        <source></source>
        <translation>Logposterne for %1 kunne ikke læses: %2</translation>
    </message>
    <message id="%1. So that nothing is lost, the collection is now read-only: nothing in it is changed or deleted. Close it and open it again to try once more.">
        <source></source>
        <translation>%1. For at intet skal gå tabt, er samlingen nu skrivebeskyttet: intet i den ændres eller slettes. Luk den, og åbn den igen for at prøve en gang til.</translation>
    </message>
    <message id="it was made by a newer version of Spinora (schema %1; this version reads up to %2).">
        <source></source>
        <translation>den blev oprettet af en nyere version af Spinora (skema %1; denne version læser op til %2).</translation>
    </message>
    <message id="its schema could not be upgraded (%1).">
        <source></source>
        <translation>dens skema kunne ikke opgraderes (%1).</translation>
    </message>
    <message id="the script %1 could not be read">
        <source></source>
        <translation>scriptet %1 kunne ikke læses</translation>
    </message>
    <message id="The collection %1 was opened read-only and cannot be saved.">
        <source></source>
        <translation>Samlingen %1 blev åbnet skrivebeskyttet og kan ikke gemmes.</translation>
    </message>
    <message id="The collection %1 was saved, but could not be opened again: %2">
        <source></source>
        <translation>Samlingen %1 blev gemt, men kunne ikke åbnes igen: %2</translation>
    </message>
    <message id="The collection could not be saved as %1: %2">
        <source></source>
        <translation>Samlingen kunne ikke gemmes som %1: %2</translation>
    </message>
    <message id="The collection could not be saved as %1.">
        <source></source>
        <translation>Samlingen kunne ikke gemmes som %1.</translation>
    </message>
    <message id="Caudiciform">
        <source></source>
        <translation>Caudexplante</translation>
    </message>
    <message id="Leaf Succulent">
        <source></source>
        <translation>Bladsukkulent</translation>
    </message>
    <message id="Root Succulent">
        <source></source>
        <translation>Rodsukkulent</translation>
    </message>
    <message id="Stem Succulent">
        <source></source>
        <translation>Stammesukkulent</translation>
    </message>
    <message id="Seed">
        <source></source>
        <translation>Frø</translation>
    </message>
    <message id="Cutting">
        <source></source>
        <translation>Stikling</translation>
    </message>
    <message id="Offset">
        <source></source>
        <translation>Sideskud</translation>
    </message>
    <message id="Grafted">
        <source></source>
        <translation>Podet</translation>
    </message>
    <message id="Wild">
        <source></source>
        <translation>Vildtvoksende</translation>
    </message>
    <message id="Nursery Stock">
        <source></source>
        <translation>Planteskoleplante</translation>
    </message>
    <message id="Private Grower">
        <source></source>
        <translation>Privat avler</translation>
    </message>
    <message id="Retailer">
        <source></source>
        <translation>Forhandler</translation>
    </message>
    <message id="Ceramic">
        <source></source>
        <translation>Keramik</translation>
    </message>
    <message id="Concrete">
        <source></source>
        <translation>Beton</translation>
    </message>
    <message id="Fiberglass">
        <source></source>
        <translation>Glasfiber</translation>
    </message>
    <message id="Mica">
        <source></source>
        <translation>Glimmer</translation>
    </message>
    <message id="None (In-Ground)">
        <source></source>
        <translation>Ingen potte (udplantet)</translation>
    </message>
    <message id="Plastic">
        <source></source>
        <translation>Plast</translation>
    </message>
    <message id="Stone">
        <source></source>
        <translation>Sten</translation>
    </message>
    <message id="Wood">
        <source></source>
        <translation>Træ</translation>
    </message>
    <message id="Round">
        <source></source>
        <translation>Rund</translation>
    </message>
    <message id="Oval">
        <source></source>
        <translation>Oval</translation>
    </message>
    <message id="Square">
        <source></source>
        <translation>Kvadratisk</translation>
    </message>
    <message id="Rectangular">
        <source></source>
        <translation>Rektangulær</translation>
    </message>
    <message id="Hexagon">
        <source></source>
        <translation>Sekskantet</translation>
    </message>
    <message id="Octagon">
        <source></source>
        <translation>Ottekantet</translation>
    </message>
    <message id="Dish">
        <source></source>
        <translation>Skål</translation>
    </message>
    <message id="Lotus">
        <source></source>
        <translation>Lotus</translation>
    </message>
    <message id="Flat">
        <source></source>
        <translation>Flad</translation>
    </message>
    <message id="Irregular">
        <source></source>
        <translation>Uregelmæssig</translation>
    </message>
    <message id="hours">
        <source></source>
        <translation>timer</translation>
    </message>
    <message id="days">
        <source></source>
        <translation>dage</translation>
    </message>
    <message id="weeks">
        <source></source>
        <translation>uger</translation>
    </message>
    <message id="months">
        <source></source>
        <translation>måneder</translation>
    </message>
    <message id="hour">
        <source></source>
        <translation>time</translation>
    </message>
    <message id="day">
        <source></source>
        <translation>dag</translation>
    </message>
    <message id="week">
        <source></source>
        <translation>uge</translation>
    </message>
    <message id="month">
        <source></source>
        <translation>måned</translation>
    </message>
    <message id="Spray">
        <source></source>
        <translation>Forstøvning</translation>
    </message>
    <message id="LightQuantity">
        <source></source>
        <translation>Lysmængde</translation>
    </message>
    <message id="Moderate">
        <source></source>
        <translation>Moderat</translation>
    </message>
    <message id="Soak">
        <source></source>
        <translation>Gennemvanding</translation>
    </message>
    <message id="a cactus">
        <source></source>
        <translation>en kaktus</translation>
    </message>
    <message id="a watering schedule">
        <source></source>
        <translation>en vandingsplan</translation>
    </message>
    <message id="a log">
        <source></source>
        <translation>en logpost</translation>
    </message>
    <message id="a photo">
        <source></source>
        <translation>et foto</translation>
    </message>
    <message id="a record (%1)">
        <source></source>
        <translation>en post (%1)</translation>
    </message>
    <message id="%1 it needs is gone">
        <source></source>
        <translation>%1, som den har brug for, er forsvundet</translation>
    </message>
    <message id="%1 it would bring back has been made again">
        <source></source>
        <translation>%1, som den ville hente tilbage, er blevet oprettet igen</translation>
    </message>
    <message id="%1 it touches has been changed since">
        <source></source>
        <translation>%1, som den berører, er blevet ændret siden</translation>
    </message>
    <message id="what it needs could not be read from %1">
        <source></source>
        <translation>det, den har brug for, kunne ikke læses fra %1</translation>
    </message>
    <message id="the collection as it was before was not kept">
        <source></source>
        <translation>samlingen, som den var før, blev ikke gemt</translation>
    </message>
    <message id="“%1” could not be undone: %2.">
        <source></source>
        <translation>»%1« kunne ikke fortrydes: %2.</translation>
    </message>
    <message id="“%1” could not be redone: %2.">
        <source></source>
        <translation>»%1« kunne ikke omgøres: %2.</translation>
    </message>
    <message id="the database is damaged (%1).">
        <source></source>
        <translation>databasen er beskadiget (%1).</translation>
    </message>
    <message id="Print the list">
        <source></source>
        <translation>Udskriv listen</translation>
    </message>
    <message id="Import from device">
        <source></source>
        <translation>Importér fra enhed</translation>
    </message>
    <message id="Import database from Spinora Mobile App">
        <source></source>
        <translation>Importér database fra Spinora-mobilappen</translation>
    </message>
    <message id="Export to device">
        <source></source>
        <translation>Eksportér til enhed</translation>
    </message>
    <message id="Export database to Spinora Mobile App">
        <source></source>
        <translation>Eksportér database til Spinora-mobilappen</translation>
    </message>
    <message id="Show database statistics">
        <source></source>
        <translation>Vis databasestatistik</translation>
    </message>
    <message id="Delete Item">
        <source></source>
        <translation>Slet element</translation>
    </message>
    <message id="Remove an item from the list">
        <source></source>
        <translation>Fjern et element fra listen</translation>
    </message>
    <message id="Add an item to the list">
        <source></source>
        <translation>Tilføj et element til listen</translation>
    </message>
    <message id="%n watering schedules" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n vandingsplan</numerusform>
            <numerusform>%n vandingsplaner</numerusform>
        </translation>
    </message>
    <message id="%1 and its %n cacti" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%1 og dens %n kaktus</numerusform>
            <numerusform>%1 og dens %n kaktusser</numerusform>
        </translation>
    </message>
    <message id="%1 and their %n cacti" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%1 og deres %n kaktus</numerusform>
            <numerusform>%1 og deres %n kaktusser</numerusform>
        </translation>
    </message>
    <message id="%n cacti" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n kaktus</numerusform>
            <numerusform>%n kaktusser</numerusform>
        </translation>
    </message>
    <message id="No log has the event &quot;Flowered&quot; yet.">
        <source></source>
        <translation>Ingen logpost har endnu hændelsen »Blomstret«.</translation>
    </message>
    <message id="How often each plant flowered in each month, over all years; the plants likely to flower in %1 first.">
        <source></source>
        <translation>Hvor ofte hver plante har blomstret i hver måned over alle år; de planter, der sandsynligvis blomstrer i %1, først.</translation>
    </message>
    <message id="No date">
        <source></source>
        <translation>Ingen dato</translation>
    </message>
    <message id="%1, %2">
        <source></source>
        <translation>%1, %2</translation>
    </message>
    <message id="Photo Timeline of %1">
        <source></source>
        <translation>Fototidslinje for %1</translation>
    </message>
    <message id="Photos, oldest first">
        <source></source>
        <translation>Fotos, ældste først</translation>
    </message>
    <message id="This plant has no photos yet, neither its own nor in its logs.">
        <source></source>
        <translation>Denne plante har endnu ingen fotos, hverken sine egne eller i sine logposter.</translation>
    </message>
    <message id="Choose two photos (Ctrl+click) to see them side by side.">
        <source></source>
        <translation>Vælg to fotos (Ctrl+klik) for at se dem side om side.</translation>
    </message>
    <message id="Earlier photo">
        <source></source>
        <translation>Tidligere foto</translation>
    </message>
    <message id="Later photo">
        <source></source>
        <translation>Senere foto</translation>
    </message>
    <message id="%1 (%2 without a date)">
        <source></source>
        <translation>%1 (%2 uden dato)</translation>
    </message>
    <message id="Log Entries">
        <source></source>
        <translation>Logposter</translation>
    </message>
    <message id="Watering Due">
        <source></source>
        <translation>Vanding forfalden</translation>
    </message>
    <message id="Reminders Due">
        <source></source>
        <translation>Forfaldne påmindelser</translation>
    </message>
    <message id="%1:">
        <source></source>
        <translation>%1:</translation>
    </message>
    <message id="no collection at %1">
        <source></source>
        <translation>ingen samling i %1</translation>
    </message>
    <message id="no snapshot was kept: %1">
        <source></source>
        <translation>der blev ikke gemt nogen sikkerhedskopi: %1</translation>
    </message>
    <message id="%1 has no snapshot named %2 (spinora-cli backups %1 lists them); nothing was changed">
        <source></source>
        <translation>%1 har ingen sikkerhedskopi med navnet %2 (spinora-cli backups %1 viser dem); intet blev ændret</translation>
    </message>
    <message id="%1 was not restored: %2">
        <source></source>
        <translation>%1 blev ikke gendannet: %2</translation>
    </message>
    <message id="the collection as it was is kept as %1">
        <source></source>
        <translation>samlingen, som den var, er gemt som %1</translation>
    </message>
    <message id="%1 needs a value">
        <source></source>
        <translation>%1 kræver en værdi</translation>
    </message>
    <message id="usage: %1">
        <source></source>
        <translation>brug: %1</translation>
    </message>
    <message id="%1 must be a whole number from %2 to %3, not “%4”">
        <source></source>
        <translation>%1 skal være et heltal fra %2 til %3, ikke »%4«</translation>
    </message>
    <message id="%1 must be a local date and time as YYYY-MM-DD HH:MM, not “%2”">
        <source></source>
        <translation>%1 skal være en lokal dato og tid som ÅÅÅÅ-MM-DD TT:MM, ikke »%2«</translation>
    </message>
    <message id="the collection could not be written">
        <source></source>
        <translation>samlingen kunne ikke skrives</translation>
    </message>
    <message id="%1 is damaged: %2 Nothing was changed. “spinora-cli backups %1” lists its snapshots and “spinora-cli restore %1 SNAPSHOT” brings one back.">
        <source></source>
        <translation>%1 er beskadiget: %2 Intet blev ændret. »spinora-cli backups %1« viser dens sikkerhedskopier, og »spinora-cli restore %1 SIKKERHEDSKOPI« henter en tilbage.</translation>
    </message>
    <message id="its photo file %1 is missing.">
        <source></source>
        <translation>dens fotofil %1 mangler.</translation>
    </message>
    <message id="%1 photo files are missing, the first %2.">
        <source></source>
        <translation>%1 fotofiler mangler, den første er %2.</translation>
    </message>
    <message id="%1: a collection's name must end in .%2">
        <source></source>
        <translation>%1: navnet på en samling skal slutte på .%2</translation>
    </message>
    <message id="%1 already exists; nothing was changed">
        <source></source>
        <translation>%1 findes allerede; intet blev ændret</translation>
    </message>
    <message id="the folder %1 does not exist">
        <source></source>
        <translation>mappen %1 findes ikke</translation>
    </message>
    <message id="the sample could not be written">
        <source></source>
        <translation>eksemplet kunne ikke skrives</translation>
    </message>
    <message id="created %1 with %2 cacti, %3 watering schedules, %4 logs and %5 photos">
        <source></source>
        <translation>%1 oprettet med %2 kaktusser, %3 vandingsplaner, %4 logposter og %5 fotos</translation>
    </message>
    <message id="list what? “%1” is not cacti, watering or logs">
        <source></source>
        <translation>vis hvad? »%1« er ikke cacti, watering eller logs</translation>
    </message>
    <message id="at most three --no-water periods">
        <source></source>
        <translation>højst tre --no-water-perioder</translation>
    </message>
    <message id="--no-water must be MM-DD:MM-DD with real days, not “%1”">
        <source></source>
        <translation>--no-water skal være MM-DD:MM-DD med gyldige dage, ikke »%1«</translation>
    </message>
    <message id="warning: %1">
        <source></source>
        <translation>advarsel: %1</translation>
    </message>
    <message id="there is no session bus to post the notification on (%1)">
        <source></source>
        <translation>der er ingen sessionsbus at sende notifikationen på (%1)</translation>
    </message>
    <message id="no notification service answers on the session bus (%1)">
        <source></source>
        <translation>ingen notifikationstjeneste svarer på sessionsbussen (%1)</translation>
    </message>
    <message id="the notification service refused the notification (%1)">
        <source></source>
        <translation>notifikationstjenesten afviste notifikationen (%1)</translation>
    </message>
    <message id="%1 wants a device address such as http://host:port, not “%2”">
        <source></source>
        <translation>%1 kræver en enhedsadresse som http://vært:port, ikke »%2«</translation>
    </message>
    <message id="the import failed; nothing was changed">
        <source></source>
        <translation>importen mislykkedes; intet blev ændret</translation>
    </message>
    <message id="the import failed; nothing was changed: %1">
        <source></source>
        <translation>importen mislykkedes; intet blev ændret: %1</translation>
    </message>
    <message id="download failed: %1">
        <source></source>
        <translation>hentning mislykkedes: %1</translation>
    </message>
    <message id="upload failed: %1 - %2">
        <source></source>
        <translation>upload mislykkedes: %1 - %2</translation>
    </message>
    <message id="service discovery failed: %1; it needs the avahi-daemon service (start it with &quot;systemctl start avahi-daemon&quot;)">
        <source></source>
        <translation>tjenestesøgning mislykkedes: %1; den kræver tjenesten avahi-daemon (start den med &quot;systemctl start avahi-daemon&quot;)</translation>
    </message>
    <message id="pull needs --from URL">
        <source></source>
        <translation>pull kræver --from URL</translation>
    </message>
    <message id="import option %1 does not fit a device in mode %2: %3">
        <source></source>
        <translation>importindstillingen %1 passer ikke til en enhed i tilstanden %2: %3</translation>
    </message>
    <message id="push needs --to URL">
        <source></source>
        <translation>push kræver --to URL</translation>
    </message>
    <message id="%1 Add --force to replace it.">
        <source></source>
        <translation>%1 Tilføj --force for at erstatte den.</translation>
    </message>
    <message id="%1 Nothing was written.">
        <source></source>
        <translation>%1 Intet blev skrevet.</translation>
    </message>
    <message id="Exporting to the open collection itself is not permitted">
        <source></source>
        <translation>Eksport til selve den åbne samling er ikke tilladt</translation>
    </message>
    <message id="%1: use export-csv for CSV files">
        <source></source>
        <translation>%1: brug export-csv til CSV-filer</translation>
    </message>
    <message id="%1: a CSV file's name must end in .csv">
        <source></source>
        <translation>%1: navnet på en CSV-fil skal slutte på .csv</translation>
    </message>
    <message id="Writing a report into the open collection itself is not permitted">
        <source></source>
        <translation>Det er ikke tilladt at skrive en rapport ind i selve den åbne samling</translation>
    </message>
    <message id="the file %1 could not be written">
        <source></source>
        <translation>filen %1 kunne ikke skrives</translation>
    </message>
    <message id="nothing to import at %1">
        <source></source>
        <translation>intet at importere i %1</translation>
    </message>
    <message id="--map is for CSV files">
        <source></source>
        <translation>--map er til CSV-filer</translation>
    </message>
    <message id="--map: %1">
        <source></source>
        <translation>--map: %1</translation>
    </message>
    <message id="Importing from the open collection itself is not permitted">
        <source></source>
        <translation>Import fra selve den åbne samling er ikke tilladt</translation>
    </message>
    <message id="--page-size must be A4 or Letter, not “%1”">
        <source></source>
        <translation>--page-size skal være A4 eller Letter, ikke »%1«</translation>
    </message>
    <message id="--record must be a record's key (a whole number), not “%1”">
        <source></source>
        <translation>--record skal være en posts nøgle (et heltal), ikke »%1«</translation>
    </message>
    <message id="--record needs a sheet screen (3, 4 or 5)">
        <source></source>
        <translation>--record kræver en detaljeskærm (3, 4 eller 5)</translation>
    </message>
    <message id="the collection has no cactus with the key %1">
        <source></source>
        <translation>samlingen har ingen kaktus med nøglen %1</translation>
    </message>
    <message id="the collection has no cactus to print">
        <source></source>
        <translation>samlingen har ingen kaktus at udskrive</translation>
    </message>
    <message id="the collection has no watering schedule with the key %1">
        <source></source>
        <translation>samlingen har ingen vandingsplan med nøglen %1</translation>
    </message>
    <message id="the collection has no watering schedule to print">
        <source></source>
        <translation>samlingen har ingen vandingsplan at udskrive</translation>
    </message>
    <message id="the collection has no log with the key %1">
        <source></source>
        <translation>samlingen har ingen logpost med nøglen %1</translation>
    </message>
    <message id="the collection has no log to print">
        <source></source>
        <translation>samlingen har ingen logpost at udskrive</translation>
    </message>
    <message id="--layout must be a4-3x8 or letter-3x10, not “%1”">
        <source></source>
        <translation>--layout skal være a4-3x8 eller letter-3x10, ikke »%1«</translation>
    </message>
    <message id="no cactus matches “%1”">
        <source></source>
        <translation>ingen kaktus matcher »%1«</translation>
    </message>
    <message id="due">
        <source></source>
        <translation>forfalden</translation>
    </message>
    <message id="1 day overdue">
        <source></source>
        <translation>1 dag forsinket</translation>
    </message>
    <message id="%1 days overdue">
        <source></source>
        <translation>%1 dage forsinket</translation>
    </message>
    <message id="nothing due">
        <source></source>
        <translation>intet forfalder</translation>
    </message>
    <message id="(no schedule)">
        <source></source>
        <translation>(ingen vandingsplan)</translation>
    </message>
    <message id="(no plants)">
        <source></source>
        <translation>(ingen planter)</translation>
    </message>
    <message id="%1: %2, next watering %3, %4">
        <source></source>
        <translation>%1: %2, næste vanding %3, %4</translation>
    </message>
    <message id="reminder: %1, %2">
        <source></source>
        <translation>påmindelse: %1, %2</translation>
    </message>
    <message id="reminder: %1 (%2), %3">
        <source></source>
        <translation>påmindelse: %1 (%2), %3</translation>
    </message>
    <message id="1 plant to water">
        <source></source>
        <translation>1 plante skal vandes</translation>
    </message>
    <message id="%1 plants to water">
        <source></source>
        <translation>%1 planter skal vandes</translation>
    </message>
    <message id="1 reminder">
        <source></source>
        <translation>1 påmindelse</translation>
    </message>
    <message id="%1 reminders">
        <source></source>
        <translation>%1 påmindelser</translation>
    </message>
    <message id="%1 and %2">
        <source></source>
        <translation>%1 og %2</translation>
    </message>
    <message id="%1 today">
        <source></source>
        <translation>%1 i dag</translation>
    </message>
    <message id="%1 by %2">
        <source></source>
        <translation>%1 af %2</translation>
    </message>
    <message id="%1 and %2 more">
        <source></source>
        <translation>%1 og %2 mere</translation>
    </message>
    <message id="nothing due: no notification">
        <source></source>
        <translation>intet forfalder: ingen notifikation</translation>
    </message>
    <message id="%1 could not be started">
        <source></source>
        <translation>%1 kunne ikke startes</translation>
    </message>
    <message id="--on must be a date as YYYY-MM-DD, not “%1”">
        <source></source>
        <translation>--on skal være en dato som ÅÅÅÅ-MM-DD, ikke »%1«</translation>
    </message>
    <message id="no collection named and no recent collection to check">
        <source></source>
        <translation>ingen samling angivet og ingen seneste samling at tjekke</translation>
    </message>
    <message id="--at %1 lies in the future; a watering can only be recorded once it is done">
        <source></source>
        <translation>--at %1 ligger i fremtiden; en vanding kan først registreres, når den er udført</translation>
    </message>
    <message id="no watering schedule is named “%1”; nothing was changed">
        <source></source>
        <translation>ingen vandingsplan hedder »%1«; intet blev ændret</translation>
    </message>
    <message id="no cactus is named “%1”; nothing was changed">
        <source></source>
        <translation>ingen kaktus hedder »%1«; intet blev ændret</translation>
    </message>
    <message id="the watering could not be recorded">
        <source></source>
        <translation>vandingen kunne ikke registreres</translation>
    </message>
    <message id="unknown subcommand “%1” (see spinora-cli --help)">
        <source></source>
        <translation>ukendt underkommando »%1« (se spinora-cli --help)</translation>
    </message>
    <message id="The latest changes to “%1” could not be written: %2">
        <source></source>
        <translation>De seneste ændringer i »%1« kunne ikke skrives: %2</translation>
    </message>
    <message id="The window stays open so that they are not lost. Make room and close it again, or save the collection somewhere else.">
        <source></source>
        <translation>Vinduet forbliver åbent, så de ikke går tabt. Frigør plads, og luk det igen, eller gem samlingen et andet sted.</translation>
    </message>
    <message id="the photo could not be written into the collection (is the disk full?)">
        <source></source>
        <translation>fotoet kunne ikke skrives ind i samlingen (er disken fuld?)</translation>
    </message>
    <message id="unknown option %1">
        <source></source>
        <translation>ukendt tilvalg %1</translation>
    </message>
    <message id="name at least one --schedule or --cactus">
        <source></source>
        <translation>angiv mindst én --schedule eller --cactus</translation>
    </message>
    <message id="&lt; 1 year">
        <source></source>
        <translation>&lt; 1 år</translation>
    </message>
    <message id="%n years" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n år</numerusform>
            <numerusform>%n år</numerusform>
        </translation>
    </message>
    <message id="Columns of %1">
        <source></source>
        <translation>Kolonner i %1</translation>
    </message>
    <message id="This file is not in the Spinora CSV template layout. Choose what each column holds; its first rows are shown below it.">
        <source></source>
        <translation>Denne fil følger ikke Spinoras CSV-skabelon. Vælg, hvad hver kolonne indeholder; dens første rækker vises under den.</translation>
    </message>
    <message id="Columns of the file">
        <source></source>
        <translation>Filens kolonner</translation>
    </message>
    <message id="Field of the column “%1”">
        <source></source>
        <translation>Felt for kolonnen »%1«</translation>
    </message>
    <message id="Skip">
        <source></source>
        <translation>Spring over</translation>
    </message>
    <message id="Choose the column that holds the plants' names.">
        <source></source>
        <translation>Vælg den kolonne, der indeholder planternes navne.</translation>
    </message>
    <message id="%n hours" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n time</numerusform>
            <numerusform>%n timer</numerusform>
        </translation>
    </message>
    <message id="%n days" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n dag</numerusform>
            <numerusform>%n dage</numerusform>
        </translation>
    </message>
    <message id="%n weeks" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n uge</numerusform>
            <numerusform>%n uger</numerusform>
        </translation>
    </message>
    <message id="%n months" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n måned</numerusform>
            <numerusform>%n måneder</numerusform>
        </translation>
    </message>
    <message id="Keep the &amp;original file of each photo added (full detail, date taken)">
        <source></source>
        <translation>Behold &amp;originalfilen for hvert tilføjet foto (fulde detaljer, optagelsesdato)</translation>
    </message>
    <message id="The originals take %1 in the open collections.">
        <source></source>
        <translation>Originalerne fylder %1 i de åbne samlinger.</translation>
    </message>
    <message id="Print Photo…">
        <source></source>
        <translation>Udskriv foto…</translation>
    </message>
    <message id="Print the photo on a page">
        <source></source>
        <translation>Udskriv fotoet på én side</translation>
    </message>
    <message id="Taken on %1 at %2">
        <source></source>
        <translation>Taget den %1 kl. %2</translation>
    </message>
</context>
</TS>
