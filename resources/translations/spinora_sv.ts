<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SE">
<context>
    <name></name>
    <message id="Daily">
        <source></source>
        <translation>Dagligen</translation>
    </message>
    <message id="Before an import">
        <source></source>
        <translation>Före en import</translation>
    </message>
    <message id="Before a restore">
        <source></source>
        <translation>Före en återställning</translation>
    </message>
    <message id="Kept by hand">
        <source></source>
        <translation>Sparad manuellt</translation>
    </message>
    <message id="%1, damaged">
        <source></source>
        <translation>%1, skadad</translation>
    </message>
    <message id="Restore “%1” From Backup">
        <source></source>
        <translation>Återställ ”%1” från säkerhetskopia</translation>
    </message>
    <message id="Snapshots are kept every day, before each import and before each restore. Open one to look at it or to import records from it, or restore the whole collection as it was.">
        <source></source>
        <translation>Ögonblicksbilder sparas varje dag, före varje import och före varje återställning. Öppna en för att titta på den eller importera poster från den, eller återställ hela samlingen som den var.</translation>
    </message>
    <message id="Snapshots">
        <source></source>
        <translation>Ögonblicksbilder</translation>
    </message>
    <message id="&amp;Open Backup">
        <source></source>
        <translation>Ö&amp;ppna säkerhetskopia</translation>
    </message>
    <message id="&amp;Restore…">
        <source></source>
        <translation>&amp;Återställ…</translation>
    </message>
    <message id="Spinora cannot set a daily reminder on this desktop: its login entry %1 could not be written.">
        <source></source>
        <translation>Spinora kan inte ställa in en daglig påminnelse på det här skrivbordet: inloggningsposten %1 kunde inte skrivas.</translation>
    </message>
    <message id="This desktop cannot wake Spinora at a set time, so it will look for plants to water each time you log in instead of every day at %1.">
        <source></source>
        <translation>Det här skrivbordet kan inte väcka Spinora vid en bestämd tid, så Spinora letar efter växter att vattna varje gång du loggar in i stället för varje dag klockan %1.</translation>
    </message>
    <message id="Restore From Backup…">
        <source></source>
        <translation>Återställ från säkerhetskopia…</translation>
    </message>
    <message id="&amp;Keep snapshots of each collection: daily, and before each import or restore">
        <source></source>
        <translation>&amp;Behåll ögonblicksbilder av varje samling: dagligen samt före varje import eller återställning</translation>
    </message>
    <message id="&amp;Folder:">
        <source></source>
        <translation>&amp;Mapp:</translation>
    </message>
    <message id="C&amp;hoose…">
        <source></source>
        <translation>&amp;Välj…</translation>
    </message>
    <message id=" GB">
        <source></source>
        <translation> GB</translation>
    </message>
    <message id="&amp;Use at most:">
        <source></source>
        <translation>&amp;Använd högst:</translation>
    </message>
    <message id="Snapshot Folder">
        <source></source>
        <translation>Mapp för ögonblicksbilder</translation>
    </message>
    <message id="Restore Snapshot">
        <source></source>
        <translation>Återställ ögonblicksbild</translation>
    </message>
    <message id="Open Anyway">
        <source></source>
        <translation>Öppna ändå</translation>
    </message>
    <message id="Its photo file “%1” is missing.">
        <source></source>
        <translation>Dess fotofil ”%1” saknas.</translation>
    </message>
    <message id="The collection “%1” is damaged, so it was not opened.">
        <source></source>
        <translation>Samlingen ”%1” är skadad och öppnades därför inte.</translation>
    </message>
    <message id="There is no snapshot of it to restore.">
        <source></source>
        <translation>Det finns ingen ögonblicksbild av den att återställa.</translation>
    </message>
    <message id="The snapshot could not be restored: %1">
        <source></source>
        <translation>Ögonblicksbilden kunde inte återställas: %1</translation>
    </message>
    <message id="%1. The collection is open as usual; free some space or choose another backup folder in Preferences.">
        <source></source>
        <translation>%1. Samlingen öppnas som vanligt; frigör utrymme eller välj en annan mapp för säkerhetskopior i Inställningar.</translation>
    </message>
    <message id="Restore “%1” as it was on %2?">
        <source></source>
        <translation>Återställa ”%1” till läget den %2?</translation>
    </message>
    <message id="Restore">
        <source></source>
        <translation>Återställ</translation>
    </message>
    <message id="The collection was not restored: %1">
        <source></source>
        <translation>Samlingen återställdes inte: %1</translation>
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
        <translation>Inga enheter hittades. Öppna Spinora på din iPhone, iPad eller iPod touch och välj Säkerhetskopiera databas eller Exportera data på skärmen Verktyg.</translation>
    </message>
    <message id="No devices found. Load Spinora on your iPhone, iPad, or iPod touch, and select Restore Database or Import Data on the Tools screen.">
        <source></source>
        <translation>Inga enheter hittades. Öppna Spinora på din iPhone, iPad eller iPod touch och välj Återställ databas eller Importera data på skärmen Verktyg.</translation>
    </message>
    <message id="Select a device from the list.">
        <source></source>
        <translation>Välj en enhet i listan.</translation>
    </message>
    <message id="No devices found: the search for devices on the network failed (%1). It needs the avahi-daemon service: start it (for example with &quot;systemctl start avahi-daemon&quot;), then open this window again.">
        <source></source>
        <translation>Inga enheter hittades: sökningen efter enheter i nätverket misslyckades (%1). Den kräver tjänsten avahi-daemon: starta den (till exempel med &quot;systemctl start avahi-daemon&quot;) och öppna sedan det här fönstret igen.</translation>
    </message>
    <message id="it stopped">
        <source></source>
        <translation>den stoppades</translation>
    </message>
    <message id="Click the Export button to send the database to your device.">
        <source></source>
        <translation>Klicka på knappen Exportera för att skicka databasen till din enhet.</translation>
    </message>
    <message id="Import Complete">
        <source></source>
        <translation>Importen är klar</translation>
    </message>
    <message id="Database import complete!">
        <source></source>
        <translation>Databasimporten är klar!</translation>
    </message>
    <message id="Import Error">
        <source></source>
        <translation>Importfel</translation>
    </message>
    <message id="An error occurred during the import! Database import was aborted and no changes were made.">
        <source></source>
        <translation>Ett fel uppstod under importen! Databasimporten avbröts och inga ändringar gjordes.</translation>
    </message>
    <message id="WARNING">
        <source></source>
        <translation>VARNING</translation>
    </message>
    <message id="Error transferring database!">
        <source></source>
        <translation>Fel vid överföring av databasen!</translation>
    </message>
    <message id="Check Device">
        <source></source>
        <translation>Kontrollera enhet</translation>
    </message>
    <message id="Database transferred! Check your device for further instructions.">
        <source></source>
        <translation>Databasen har överförts! Se din enhet för fler instruktioner.</translation>
    </message>
    <message id="No collection is open.">
        <source></source>
        <translation>Ingen samling är öppen.</translation>
    </message>
    <message id="The request timed out.">
        <source></source>
        <translation>Tidsgränsen för begäran överskreds.</translation>
    </message>
    <message id="Not a device address: %1">
        <source></source>
        <translation>Inte en enhetsadress: %1</translation>
    </message>
    <message id="No folder for temporary files.">
        <source></source>
        <translation>Ingen mapp för temporära filer.</translation>
    </message>
    <message id="HTTP error %1">
        <source></source>
        <translation>HTTP-fel %1</translation>
    </message>
    <message id="The file on the device is larger than %1 MB.">
        <source></source>
        <translation>Filen på enheten är större än %1 MB.</translation>
    </message>
    <message id="The device did not send a Spinora database.">
        <source></source>
        <translation>Enheten skickade ingen Spinora-databas.</translation>
    </message>
    <message id="The device closed the connection before the whole file had arrived.">
        <source></source>
        <translation>Enheten stängde anslutningen innan hela filen hade kommit fram.</translation>
    </message>
    <message id="The downloaded file could not be written.">
        <source></source>
        <translation>Den hämtade filen kunde inte skrivas.</translation>
    </message>
    <message id="File read error">
        <source></source>
        <translation>Fel vid läsning av fil</translation>
    </message>
    <message id="Stream open error">
        <source></source>
        <translation>Fel vid öppning av dataström</translation>
    </message>
    <message id="Network write error">
        <source></source>
        <translation>Skrivfel i nätverket</translation>
    </message>
    <message id="Import Options">
        <source></source>
        <translation>Importalternativ</translation>
    </message>
    <message id="Cancel">
        <source></source>
        <translation>Avbryt</translation>
    </message>
    <message id="Import">
        <source></source>
        <translation>Importera</translation>
    </message>
    <message id="Export">
        <source></source>
        <translation>Exportera</translation>
    </message>
    <message id="Importing Database">
        <source></source>
        <translation>Importerar databas</translation>
    </message>
    <message id="Exporting Database">
        <source></source>
        <translation>Exporterar databas</translation>
    </message>
    <message id="OK">
        <source></source>
        <translation>OK</translation>
    </message>
    <message id="A name is needed to save">
        <source></source>
        <translation>Ett namn krävs för att spara</translation>
    </message>
    <message id="Name">
        <source></source>
        <translation>Namn</translation>
    </message>
    <message id="Remove">
        <source></source>
        <translation>Ta bort</translation>
    </message>
    <message id="Remove the currently selected species from the list.">
        <source></source>
        <translation>Ta bort den valda arten från listan.</translation>
    </message>
    <message id="Species">
        <source></source>
        <translation>Art</translation>
    </message>
    <message id="New species are automatically added to the list when saving the Cactus Info">
        <source></source>
        <translation>Nya arter läggs automatiskt till i listan när kaktusinformationen sparas</translation>
    </message>
    <message id="Type">
        <source></source>
        <translation>Typ</translation>
    </message>
    <message id="Open…">
        <source></source>
        <translation>Öppna…</translation>
    </message>
    <message id="Open the watering schedule">
        <source></source>
        <translation>Öppna vattningsschemat</translation>
    </message>
    <message id="Watering">
        <source></source>
        <translation>Vattning</translation>
    </message>
    <message id="Next Watering">
        <source></source>
        <translation>Nästa vattning</translation>
    </message>
    <message id="Plant Date">
        <source></source>
        <translation>Planteringsdatum</translation>
    </message>
    <message id="Age">
        <source></source>
        <translation>Ålder</translation>
    </message>
    <message id="Date Acquired">
        <source></source>
        <translation>Anskaffningsdatum</translation>
    </message>
    <message id="Changing the Last Watered date may cause watering for this plant to become out of sync with its associated watering schedule">
        <source></source>
        <translation>Om du ändrar datumet för senaste vattning kan vattningen av den här växten hamna i otakt med dess vattningsschema</translation>
    </message>
    <message id="Remove Species">
        <source></source>
        <translation>Ta bort art</translation>
    </message>
    <message id="Purchase Price">
        <source></source>
        <translation>Inköpspris</translation>
    </message>
    <message id="Value">
        <source></source>
        <translation>Värde</translation>
    </message>
    <message id="Add Cactus">
        <source></source>
        <translation>Lägg till kaktus</translation>
    </message>
    <message id="Edit Cactus">
        <source></source>
        <translation>Redigera kaktus</translation>
    </message>
    <message id="New Cactus">
        <source></source>
        <translation>Ny kaktus</translation>
    </message>
    <message id="Cactus Info">
        <source></source>
        <translation>Information om kaktus</translation>
    </message>
    <message id="Adding photos…">
        <source></source>
        <translation>Lägger till foton…</translation>
    </message>
    <message id="Keep Editing">
        <source></source>
        <translation>Fortsätt redigera</translation>
    </message>
    <message id="%1: “%2” is not an amount such as %3.">
        <source></source>
        <translation>%1: ”%2” är inte ett belopp som till exempel %3.</translation>
    </message>
    <message id="%1: a whole number of %2 or more is needed.">
        <source></source>
        <translation>%1: ett heltal på %2 eller mer krävs.</translation>
    </message>
    <message id="%1: “%2” is not a whole number of %3 or more.">
        <source></source>
        <translation>%1: ”%2” är inte ett heltal på %3 eller mer.</translation>
    </message>
    <message id="%1 can hold at most %2 characters.">
        <source></source>
        <translation>%1 kan rymma högst %2 tecken.</translation>
    </message>
    <message id="Of the %1 characters inserted, %2 fit.">
        <source></source>
        <translation>Av de %1 infogade tecknen fick %2 plats.</translation>
    </message>
    <message id="Insert the First %1">
        <source></source>
        <translation>Infoga de första %1</translation>
    </message>
    <message id="Insert Nothing">
        <source></source>
        <translation>Infoga ingenting</translation>
    </message>
    <message id="Just Watered">
        <source></source>
        <translation>Nyss vattnad</translation>
    </message>
    <message id="Last Watered">
        <source></source>
        <translation>Senast vattnad</translation>
    </message>
    <message id="None Scheduled">
        <source></source>
        <translation>Inget schemalagt</translation>
    </message>
    <message id="Reminder: No">
        <source></source>
        <translation>Påminnelse: Nej</translation>
    </message>
    <message id="Reminder: Yes">
        <source></source>
        <translation>Påminnelse: Ja</translation>
    </message>
    <message id="An event name is needed to save">
        <source></source>
        <translation>Ett händelsenamn krävs för att spara</translation>
    </message>
    <message id="Remove the event name from the list.">
        <source></source>
        <translation>Ta bort händelsenamnet från listan.</translation>
    </message>
    <message id="Event">
        <source></source>
        <translation>Händelse</translation>
    </message>
    <message id="Date">
        <source></source>
        <translation>Datum</translation>
    </message>
    <message id="Reminder">
        <source></source>
        <translation>Påminnelse</translation>
    </message>
    <message id="Open the cactus">
        <source></source>
        <translation>Öppna kaktusen</translation>
    </message>
    <message id="New…">
        <source></source>
        <translation>Ny…</translation>
    </message>
    <message id="Add a new cactus">
        <source></source>
        <translation>Lägg till en ny kaktus</translation>
    </message>
    <message id="Cactus">
        <source></source>
        <translation>Kaktus</translation>
    </message>
    <message id="Remove Event">
        <source></source>
        <translation>Ta bort händelse</translation>
    </message>
    <message id="Unnamed Cactus">
        <source></source>
        <translation>Namnlös kaktus</translation>
    </message>
    <message id="No Notes">
        <source></source>
        <translation>Inga anteckningar</translation>
    </message>
    <message id="Note">
        <source></source>
        <translation>Anteckning</translation>
    </message>
    <message id="Add Log">
        <source></source>
        <translation>Lägg till loggpost</translation>
    </message>
    <message id="Edit Log">
        <source></source>
        <translation>Redigera loggpost</translation>
    </message>
    <message id="New Log">
        <source></source>
        <translation>Ny loggpost</translation>
    </message>
    <message id="Log Info">
        <source></source>
        <translation>Information om loggpost</translation>
    </message>
    <message id="Photo %1">
        <source></source>
        <translation>Foto %1</translation>
    </message>
    <message id="Add Photo…">
        <source></source>
        <translation>Lägg till foto…</translation>
    </message>
    <message id="Add photos from files">
        <source></source>
        <translation>Lägg till foton från filer</translation>
    </message>
    <message id="Caption">
        <source></source>
        <translation>Bildtext</translation>
    </message>
    <message id="Print">
        <source></source>
        <translation>Skriv ut</translation>
    </message>
    <message id="Photos">
        <source></source>
        <translation>Foton</translation>
    </message>
    <message id="Notes">
        <source></source>
        <translation>Anteckningar</translation>
    </message>
    <message id="“%1” is already open in another window. Finish editing it there first.">
        <source></source>
        <translation>”%1” är redan öppen i ett annat fönster. Avsluta redigeringen där först.</translation>
    </message>
    <message id="Cacti To Water">
        <source></source>
        <translation>Kaktusar att vattna</translation>
    </message>
    <message id="Close">
        <source></source>
        <translation>Stäng</translation>
    </message>
    <message id="%1, Day">
        <source></source>
        <translation>%1, dag</translation>
    </message>
    <message id="Water Every">
        <source></source>
        <translation>Vattna var</translation>
    </message>
    <message id="Quantity">
        <source></source>
        <translation>Antal</translation>
    </message>
    <message id="Clear Date">
        <source></source>
        <translation>Rensa datum</translation>
    </message>
    <message id="No Water Between">
        <source></source>
        <translation>Ingen vattning mellan</translation>
    </message>
    <message id="Choose the cacti that follow this schedule">
        <source></source>
        <translation>Välj de kaktusar som följer det här schemat</translation>
    </message>
    <message id="Add Cacti">
        <source></source>
        <translation>Lägg till kaktusar</translation>
    </message>
    <message id="Remove the selected cacti from this schedule">
        <source></source>
        <translation>Ta bort de valda kaktusarna från det här schemat</translation>
    </message>
    <message id="Remove Cacti">
        <source></source>
        <translation>Ta bort kaktusar</translation>
    </message>
    <message id="Remove Cactus">
        <source></source>
        <translation>Ta bort kaktus</translation>
    </message>
    <message id="Add Watering Schedule">
        <source></source>
        <translation>Lägg till vattningsschema</translation>
    </message>
    <message id="Edit Watering Schedule">
        <source></source>
        <translation>Redigera vattningsschema</translation>
    </message>
    <message id="New Watering Schedule">
        <source></source>
        <translation>Nytt vattningsschema</translation>
    </message>
    <message id="Watering Schedule Info">
        <source></source>
        <translation>Information om vattningsschema</translation>
    </message>
    <message id="Never">
        <source></source>
        <translation>Aldrig</translation>
    </message>
    <message id="Example Cactus">
        <source></source>
        <translation>Exempelkaktus</translation>
    </message>
    <message id="Greenhouse">
        <source></source>
        <translation>Växthus</translation>
    </message>
    <message id="One plant a line; empty columns are left out.">
        <source></source>
        <translation>En växt per rad; tomma kolumner utelämnas.</translation>
    </message>
    <message id="Example Schedule">
        <source></source>
        <translation>Exempelschema</translation>
    </message>
    <message id="Repotted">
        <source></source>
        <translation>Omplanterad</translation>
    </message>
    <message id="Cacti">
        <source></source>
        <translation>Kaktusar</translation>
    </message>
    <message id="Logs">
        <source></source>
        <translation>Loggposter</translation>
    </message>
    <message id="%1 more fields could not be read and were not imported.">
        <source></source>
        <translation>Ytterligare %1 fält kunde inte läsas och importerades inte.</translation>
    </message>
    <message id="No column of the mapping gives the plants' names.">
        <source></source>
        <translation>Ingen kolumn i mappningen anger växternas namn.</translation>
    </message>
    <message id="(a column of plant names)">
        <source></source>
        <translation>(en kolumn med växtnamn)</translation>
    </message>
    <message id="%1. Nothing was imported. Free some space or choose another backup folder in Preferences, then try again.">
        <source></source>
        <translation>%1. Inget importerades. Frigör utrymme eller välj en annan mapp för säkerhetskopior i Inställningar och försök sedan igen.</translation>
    </message>
    <message id="The import was saved, but the collection could not be read again (%1), so it was taken back.">
        <source></source>
        <translation>Importen sparades, men samlingen kunde inte läsas igen (%1), så importen togs tillbaka.</translation>
    </message>
    <message id="The import was saved, but the collection could not be read again (%1). This window still shows the collection as it was before: close it and open the collection again, or undo the import (Edit > Undo Import).">
        <source></source>
        <translation>Importen sparades, men samlingen kunde inte läsas igen (%1). Det här fönstret visar fortfarande samlingen som den var tidigare: stäng det och öppna samlingen igen, eller ångra importen (Redigera &gt; Ångra import).</translation>
    </message>
    <message id="The import was saved, but the collection could not be read again (%1). This window still shows the collection as it was before: close it and open the collection again.">
        <source></source>
        <translation>Importen sparades, men samlingen kunde inte läsas igen (%1). Det här fönstret visar fortfarande samlingen som den var tidigare: stäng det och öppna samlingen igen.</translation>
    </message>
    <message id="Cacti imported: %1">
        <source></source>
        <translation>Importerade kaktusar: %1</translation>
    </message>
    <message id="Watering schedules imported: %1">
        <source></source>
        <translation>Importerade vattningsscheman: %1</translation>
    </message>
    <message id="Logs imported: %1">
        <source></source>
        <translation>Importerade loggposter: %1</translation>
    </message>
    <message id="Not everything could be imported:">
        <source></source>
        <translation>Allt kunde inte importeras:</translation>
    </message>
    <message id="... and %1 more.">
        <source></source>
        <translation>... och %1 till.</translation>
    </message>
    <message id="Report Folder">
        <source></source>
        <translation>Rapportmapp</translation>
    </message>
    <message id="Report File">
        <source></source>
        <translation>Rapportfil</translation>
    </message>
    <message id="Export Options">
        <source></source>
        <translation>Exportalternativ</translation>
    </message>
    <message id="Browse">
        <source></source>
        <translation>Bläddra</translation>
    </message>
    <message id="Small photos">
        <source></source>
        <translation>Små foton</translation>
    </message>
    <message id="Medium photos">
        <source></source>
        <translation>Medelstora foton</translation>
    </message>
    <message id="Large photos">
        <source></source>
        <translation>Stora foton</translation>
    </message>
    <message id="Extra-Large photos">
        <source></source>
        <translation>Extra stora foton</translation>
    </message>
    <message id="Export to HTML Report">
        <source></source>
        <translation>Exportera till HTML-rapport</translation>
    </message>
    <message id="Choose Folder">
        <source></source>
        <translation>Välj mapp</translation>
    </message>
    <message id="Exporting Report">
        <source></source>
        <translation>Exporterar rapport</translation>
    </message>
    <message id="Export Complete">
        <source></source>
        <translation>Exporten är klar</translation>
    </message>
    <message id="Report export complete!">
        <source></source>
        <translation>Rapportexporten är klar!</translation>
    </message>
    <message id="Export Error">
        <source></source>
        <translation>Exportfel</translation>
    </message>
    <message id="An error occurred during report export.">
        <source></source>
        <translation>Ett fel uppstod när rapporten exporterades.</translation>
    </message>
    <message id="Complete Database">
        <source></source>
        <translation>Hela databasen</translation>
    </message>
    <message id="Cacti and Watering Schedules">
        <source></source>
        <translation>Kaktusar och vattningsscheman</translation>
    </message>
    <message id="Watering Schedules">
        <source></source>
        <translation>Vattningsscheman</translation>
    </message>
    <message id="Note: The CSV file must be formatted according to the Spinora CSV Template">
        <source></source>
        <translation>Obs! CSV-filen måste vara formaterad enligt Spinoras CSV-mall</translation>
    </message>
    <message id="save it">
        <source></source>
        <translation>spara den</translation>
    </message>
    <message id="or be a spreadsheet of plants, one a line, whose column headers name their fields.">
        <source></source>
        <translation>eller vara ett kalkylblad med växter, en per rad, vars kolumnrubriker anger deras fält.</translation>
    </message>
    <message id="Choose">
        <source></source>
        <translation>Välj</translation>
    </message>
    <message id="The chosen folder is not a Spinora database. Please select a folder ending in .sdb, or the spinora.db file inside one.">
        <source></source>
        <translation>Den valda mappen är ingen Spinora-databas. Välj en mapp som slutar på .sdb, eller filen spinora.db i en sådan mapp.</translation>
    </message>
    <message id="Importing from a currently open database is not permitted. Please select another database for import.">
        <source></source>
        <translation>Det är inte tillåtet att importera från en databas som är öppen. Välj en annan databas att importera från.</translation>
    </message>
    <message id="Exporting to a currently open database is not permitted. Please select another database for export.">
        <source></source>
        <translation>Det är inte tillåtet att exportera till en databas som är öppen. Välj en annan databas att exportera till.</translation>
    </message>
    <message id="Database export complete!">
        <source></source>
        <translation>Databasexporten är klar!</translation>
    </message>
    <message id="An error occurred during the export! Database export was aborted and no changes were made.">
        <source></source>
        <translation>Ett fel uppstod under exporten! Databasexporten avbröts och inga ändringar gjordes.</translation>
    </message>
    <message id="Save the CSV Template">
        <source></source>
        <translation>Spara CSV-mallen</translation>
    </message>
    <message id="Spinora CSV Template">
        <source></source>
        <translation>Spinoras CSV-mall</translation>
    </message>
    <message id="CSV File">
        <source></source>
        <translation>CSV-fil</translation>
    </message>
    <message id="The file %1 could not be written.">
        <source></source>
        <translation>Filen %1 kunde inte skrivas.</translation>
    </message>
    <message id="Stopping...">
        <source></source>
        <translation>Stoppar...</translation>
    </message>
    <message id="More Toolbar Items">
        <source></source>
        <translation>Fler objekt i verktygsfältet</translation>
    </message>
    <message id="Exported from %1 v%2 on %3">
        <source></source>
        <translation>Exporterad från %1 v%2 den %3</translation>
    </message>
    <message id="Source">
        <source></source>
        <translation>Ursprung</translation>
    </message>
    <message id="Location">
        <source></source>
        <translation>Plats</translation>
    </message>
    <message id="Log History">
        <source></source>
        <translation>Logghistorik</translation>
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
        <translation>Skriv ut etiketter</translation>
    </message>
    <message id="Selected cacti (%1)">
        <source></source>
        <translation>Valda kaktusar (%1)</translation>
    </message>
    <message id="All listed cacti (%1)">
        <source></source>
        <translation>Alla listade kaktusar (%1)</translation>
    </message>
    <message id="Layout:">
        <source></source>
        <translation>Layout:</translation>
    </message>
    <message id="Labels for:">
        <source></source>
        <translation>Etiketter för:</translation>
    </message>
    <message id="Print...">
        <source></source>
        <translation>Skriv ut...</translation>
    </message>
    <message id="1 label">
        <source></source>
        <translation>1 etikett</translation>
    </message>
    <message id="1 page">
        <source></source>
        <translation>1 sida</translation>
    </message>
    <message id="%1 Labels">
        <source></source>
        <translation>%1 etiketter</translation>
    </message>
    <message id="Page Setup">
        <source></source>
        <translation>Utskriftsformat</translation>
    </message>
    <message id="Portrait">
        <source></source>
        <translation>Stående</translation>
    </message>
    <message id="Landscape">
        <source></source>
        <translation>Liggande</translation>
    </message>
    <message id="Paper Size">
        <source></source>
        <translation>Pappersstorlek</translation>
    </message>
    <message id="Orientation">
        <source></source>
        <translation>Orientering</translation>
    </message>
    <message id="Top Margin">
        <source></source>
        <translation>Övre marginal</translation>
    </message>
    <message id="Bottom Margin">
        <source></source>
        <translation>Nedre marginal</translation>
    </message>
    <message id="Left Margin">
        <source></source>
        <translation>Vänster marginal</translation>
    </message>
    <message id="Right Margin">
        <source></source>
        <translation>Höger marginal</translation>
    </message>
    <message id="Print Preview">
        <source></source>
        <translation>Förhandsgranska utskrift</translation>
    </message>
    <message id="Nothing was changed.">
        <source></source>
        <translation>Inget ändrades.</translation>
    </message>
    <message id="No title">
        <source></source>
        <translation>Ingen titel</translation>
    </message>
    <message id="Unknown">
        <source></source>
        <translation>Okänd</translation>
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
        <translation>Ingen händelse</translation>
    </message>
    <message id="Today">
        <source></source>
        <translation>I dag</translation>
    </message>
    <message id="overdue since %1">
        <source></source>
        <translation>försenad sedan %1</translation>
    </message>
    <message id="resting until %1">
        <source></source>
        <translation>i vila till %1</translation>
    </message>
    <message id="Tomorrow">
        <source></source>
        <translation>I morgon</translation>
    </message>
    <message id="in %1 days">
        <source></source>
        <translation>om %1 dagar</translation>
    </message>
    <message id="Mark as Watered">
        <source></source>
        <translation>Markera som vattnad</translation>
    </message>
    <message id="There is no space left on the disk. Free some space, then try again.">
        <source></source>
        <translation>Det finns inget utrymme kvar på disken. Frigör utrymme och försök sedan igen.</translation>
    </message>
    <message id="The collection cannot be written: its disk or folder is read-only.">
        <source></source>
        <translation>Samlingen kan inte skrivas: dess disk eller mapp är skrivskyddad.</translation>
    </message>
    <message id="Another program is using the collection. Try again once it has finished.">
        <source></source>
        <translation>Ett annat program använder samlingen. Försök igen när det är klart.</translation>
    </message>
    <message id="The disk could not be read or written. Check the disk, then try again.">
        <source></source>
        <translation>Disken kunde inte läsas eller skrivas. Kontrollera disken och försök sedan igen.</translation>
    </message>
    <message id="The collection's database file is damaged.">
        <source></source>
        <translation>Samlingens databasfil är skadad.</translation>
    </message>
    <message id="No species">
        <source></source>
        <translation>Ingen art</translation>
    </message>
    <message id="Print Labels...">
        <source></source>
        <translation>Skriv ut etiketter...</translation>
    </message>
    <message id="Deleting this cactus will also delete all of its logs">
        <source></source>
        <translation>Om du raderar den här kaktusen raderas också alla dess loggposter</translation>
    </message>
    <message id="Deleting these cacti will also delete all their associated logs">
        <source></source>
        <translation>Om du raderar de här kaktusarna raderas också alla deras loggposter</translation>
    </message>
    <message id="Delete">
        <source></source>
        <translation>Radera</translation>
    </message>
    <message id="Delete Cactus">
        <source></source>
        <translation>Radera kaktus</translation>
    </message>
    <message id="Delete Cacti">
        <source></source>
        <translation>Radera kaktusar</translation>
    </message>
    <message id="Duplicate Cactus">
        <source></source>
        <translation>Duplicera kaktus</translation>
    </message>
    <message id="Duplicate Cacti">
        <source></source>
        <translation>Duplicera kaktusar</translation>
    </message>
    <message id="Toolbar">
        <source></source>
        <translation>Verktygsfält</translation>
    </message>
    <message id="Search">
        <source></source>
        <translation>Sök</translation>
    </message>
    <message id="Search list">
        <source></source>
        <translation>Sök i listan</translation>
    </message>
    <message id="Search the currently visible list">
        <source></source>
        <translation>Sök i den synliga listan</translation>
    </message>
    <message id="Recent Searches">
        <source></source>
        <translation>Senaste sökningar</translation>
    </message>
    <message id="Due">
        <source></source>
        <translation>Förfaller</translation>
    </message>
    <message id="Show only what is due by the end of today">
        <source></source>
        <translation>Visa bara det som förfaller senast i dag</translation>
    </message>
    <message id="Sort By">
        <source></source>
        <translation>Sortera efter</translation>
    </message>
    <message id="Duplicate">
        <source></source>
        <translation>Duplicera</translation>
    </message>
    <message id="No Recent Searches">
        <source></source>
        <translation>Inga senaste sökningar</translation>
    </message>
    <message id="Clear Search History">
        <source></source>
        <translation>Rensa sökhistorik</translation>
    </message>
    <message id="Mark as Watered...">
        <source></source>
        <translation>Markera som vattnad...</translation>
    </message>
    <message id="Watered">
        <source></source>
        <translation>Vattnad</translation>
    </message>
    <message id="Record that the selected plants or schedules were watered">
        <source></source>
        <translation>Registrera att de valda växterna eller schemana har vattnats</translation>
    </message>
    <message id="Untitled">
        <source></source>
        <translation>Namnlös</translation>
    </message>
    <message id="%1 (read-only)">
        <source></source>
        <translation>%1 (skrivskyddad)</translation>
    </message>
    <message id="History">
        <source></source>
        <translation>Historik</translation>
    </message>
    <message id="Delete Log">
        <source></source>
        <translation>Radera loggpost</translation>
    </message>
    <message id="Delete Logs">
        <source></source>
        <translation>Radera loggposter</translation>
    </message>
    <message id="Duplicate Log">
        <source></source>
        <translation>Duplicera loggpost</translation>
    </message>
    <message id="Duplicate Logs">
        <source></source>
        <translation>Duplicera loggposter</translation>
    </message>
    <message id="Add">
        <source></source>
        <translation>Lägg till</translation>
    </message>
    <message id="Edit">
        <source></source>
        <translation>Redigera</translation>
    </message>
    <message id="Loading…">
        <source></source>
        <translation>Läser in…</translation>
    </message>
    <message id="Searching…">
        <source></source>
        <translation>Söker…</translation>
    </message>
    <message id="Scientific Name">
        <source></source>
        <translation>Vetenskapligt namn</translation>
    </message>
    <message id="When were they watered?">
        <source></source>
        <translation>När vattnades de?</translation>
    </message>
    <message id="Watered on">
        <source></source>
        <translation>Vattnad den</translation>
    </message>
    <message id="What:">
        <source></source>
        <translation>Vad:</translation>
    </message>
    <message id="&amp;Watered on:">
        <source></source>
        <translation>&amp;Vattnad den:</translation>
    </message>
    <message id="Statistics">
        <source></source>
        <translation>Statistik</translation>
    </message>
    <message id="Undo">
        <source></source>
        <translation>Ångra</translation>
    </message>
    <message id="Redo">
        <source></source>
        <translation>Gör om</translation>
    </message>
    <message id="Undo %1">
        <source></source>
        <translation>Ångra %1</translation>
    </message>
    <message id="Redo %1">
        <source></source>
        <translation>Gör om %1</translation>
    </message>
    <message id="Delete Watering Schedule">
        <source></source>
        <translation>Radera vattningsschema</translation>
    </message>
    <message id="Delete Watering Schedules">
        <source></source>
        <translation>Radera vattningsscheman</translation>
    </message>
    <message id="Duplicate Watering Schedule">
        <source></source>
        <translation>Duplicera vattningsschema</translation>
    </message>
    <message id="Duplicate Watering Schedules">
        <source></source>
        <translation>Duplicera vattningsscheman</translation>
    </message>
    <message id="Language">
        <source></source>
        <translation>Språk</translation>
    </message>
    <message id="System">
        <source></source>
        <translation>System</translation>
    </message>
    <message id="&amp;Language:">
        <source></source>
        <translation>&amp;Språk:</translation>
    </message>
    <message id="Applied the next time Spinora starts.">
        <source></source>
        <translation>Tillämpas nästa gång Spinora startar.</translation>
    </message>
    <message id="Taken">
        <source></source>
        <translation>Tagen</translation>
    </message>
    <message id="Why">
        <source></source>
        <translation>Varför</translation>
    </message>
    <message id="Plants">
        <source></source>
        <translation>Växter</translation>
    </message>
    <message id="Size">
        <source></source>
        <translation>Storlek</translation>
    </message>
    <message id="Spinora quit unexpectedly the last time it was used.">
        <source></source>
        <translation>Spinora avslutades oväntat förra gången det användes.</translation>
    </message>
    <message id="A report of the problem was saved. Would you like to see it?">
        <source></source>
        <translation>En rapport om problemet sparades. Vill du se den?</translation>
    </message>
    <message id="Show Report">
        <source></source>
        <translation>Visa rapport</translation>
    </message>
    <message id="Not Now">
        <source></source>
        <translation>Inte nu</translation>
    </message>
    <message id="Crash Report">
        <source></source>
        <translation>Kraschrapport</translation>
    </message>
    <message id="Saved as %1">
        <source></source>
        <translation>Sparad som %1</translation>
    </message>
    <message id="The reminder time could not be written to %1.">
        <source></source>
        <translation>Påminnelsetiden kunde inte skrivas till %1.</translation>
    </message>
    <message id="Spinora will remind you every day at %1 (systemd user timer %2).">
        <source></source>
        <translation>Spinora påminner dig varje dag kl. %1 (systemd-användartimer %2).</translation>
    </message>
    <message id="Reminders are off.">
        <source></source>
        <translation>Påminnelser är avstängda.</translation>
    </message>
    <message id="Clear Menu">
        <source></source>
        <translation>Rensa meny</translation>
    </message>
    <message id="&amp;File">
        <source></source>
        <translation>&amp;Arkiv</translation>
    </message>
    <message id="New">
        <source></source>
        <translation>Ny</translation>
    </message>
    <message id="Open...">
        <source></source>
        <translation>Öppna...</translation>
    </message>
    <message id="Open Recent">
        <source></source>
        <translation>Öppna senaste</translation>
    </message>
    <message id="Save">
        <source></source>
        <translation>Spara</translation>
    </message>
    <message id="Save As...">
        <source></source>
        <translation>Spara som...</translation>
    </message>
    <message id="Page Setup...">
        <source></source>
        <translation>Utskriftsformat...</translation>
    </message>
    <message id="Print Preview...">
        <source></source>
        <translation>Förhandsgranska utskrift...</translation>
    </message>
    <message id="Quit Spinora">
        <source></source>
        <translation>Avsluta Spinora</translation>
    </message>
    <message id="&amp;Edit">
        <source></source>
        <translation>&amp;Redigera</translation>
    </message>
    <message id="Add Item">
        <source></source>
        <translation>Lägg till objekt</translation>
    </message>
    <message id="Remove Item">
        <source></source>
        <translation>Ta bort objekt</translation>
    </message>
    <message id="Duplicate Item">
        <source></source>
        <translation>Duplicera objekt</translation>
    </message>
    <message id="Cut">
        <source></source>
        <translation>Klipp ut</translation>
    </message>
    <message id="Copy">
        <source></source>
        <translation>Kopiera</translation>
    </message>
    <message id="Paste">
        <source></source>
        <translation>Klistra in</translation>
    </message>
    <message id="Select All">
        <source></source>
        <translation>Markera alla</translation>
    </message>
    <message id="Preferences...">
        <source></source>
        <translation>Inställningar...</translation>
    </message>
    <message id="&amp;View">
        <source></source>
        <translation>&amp;Visa</translation>
    </message>
    <message id="Show Toolbar">
        <source></source>
        <translation>Visa verktygsfält</translation>
    </message>
    <message id="Customize Toolbar">
        <source></source>
        <translation>Anpassa verktygsfält</translation>
    </message>
    <message id="Icon and Text">
        <source></source>
        <translation>Ikon och text</translation>
    </message>
    <message id="Icon Only">
        <source></source>
        <translation>Endast ikon</translation>
    </message>
    <message id="Text Only">
        <source></source>
        <translation>Endast text</translation>
    </message>
    <message id="Flowering Calendar...">
        <source></source>
        <translation>Blomningskalender...</translation>
    </message>
    <message id="&amp;Tools">
        <source></source>
        <translation>Ver&amp;ktyg</translation>
    </message>
    <message id="Statistics...">
        <source></source>
        <translation>Statistik...</translation>
    </message>
    <message id="&amp;Window">
        <source></source>
        <translation>&amp;Fönster</translation>
    </message>
    <message id="Minimize">
        <source></source>
        <translation>Minimera</translation>
    </message>
    <message id="Zoom">
        <source></source>
        <translation>Zooma</translation>
    </message>
    <message id="Bring All to Front">
        <source></source>
        <translation>Lägg alla överst</translation>
    </message>
    <message id="&amp;Help">
        <source></source>
        <translation>&amp;Hjälp</translation>
    </message>
    <message id="Like Spinora on Facebook">
        <source></source>
        <translation>Gilla Spinora på Facebook</translation>
    </message>
    <message id="Spinora Website...">
        <source></source>
        <translation>Spinoras webbplats...</translation>
    </message>
    <message id="Frequently Asked Questions...">
        <source></source>
        <translation>Vanliga frågor...</translation>
    </message>
    <message id="Check for Updates...">
        <source></source>
        <translation>Sök efter uppdateringar...</translation>
    </message>
    <message id="About Spinora">
        <source></source>
        <translation>Om Spinora</translation>
    </message>
    <message id="Preferences">
        <source></source>
        <translation>Inställningar</translation>
    </message>
    <message id="Sort options">
        <source></source>
        <translation>Sorteringsalternativ</translation>
    </message>
    <message id="Sort cacti by species">
        <source></source>
        <translation>Sortera kaktusar efter art</translation>
    </message>
    <message id="Database options">
        <source></source>
        <translation>Databasalternativ</translation>
    </message>
    <message id="Add default species and events to new databases">
        <source></source>
        <translation>Lägg till standardarter och standardhändelser i nya databaser</translation>
    </message>
    <message id="Reminders">
        <source></source>
        <translation>Påminnelser</translation>
    </message>
    <message id="&amp;Remind me of due plants every day at">
        <source></source>
        <translation>&amp;Påminn mig om växter att vattna varje dag kl.</translation>
    </message>
    <message id="Reminder time">
        <source></source>
        <translation>Påminnelsetid</translation>
    </message>
    <message id="Open">
        <source></source>
        <translation>Öppna</translation>
    </message>
    <message id="Collection:">
        <source></source>
        <translation>Samling:</translation>
    </message>
    <message id="Spinora collections (*%1)">
        <source></source>
        <translation>Spinora-samlingar (*%1)</translation>
    </message>
    <message id="“%1” already exists. Do you want to replace it?">
        <source></source>
        <translation>”%1” finns redan. Vill du ersätta den?</translation>
    </message>
    <message id="A collection with the same name already exists in “%1”. Replacing it will overwrite its current contents.">
        <source></source>
        <translation>Det finns redan en samling med samma namn i ”%1”. Om du ersätter den skrivs dess nuvarande innehåll över.</translation>
    </message>
    <message id="Replace">
        <source></source>
        <translation>Ersätt</translation>
    </message>
    <message id="Do you want to save the changes made to the document “%1”?">
        <source></source>
        <translation>Vill du spara ändringarna i dokumentet ”%1”?</translation>
    </message>
    <message id="Your changes will stay in the untitled collection if you don’t save them.">
        <source></source>
        <translation>Dina ändringar stannar i den namnlösa samlingen om du inte sparar dem.</translation>
    </message>
    <message id="Don’t Save">
        <source></source>
        <translation>Spara inte</translation>
    </message>
    <message id="Keep Open">
        <source></source>
        <translation>Håll öppen</translation>
    </message>
    <message id="New Spinora Database">
        <source></source>
        <translation>Ny Spinora-databas</translation>
    </message>
    <message id="Save As">
        <source></source>
        <translation>Spara som</translation>
    </message>
    <message id="Overwriting an open database is not permitted. Please select a different filename.">
        <source></source>
        <translation>Det är inte tillåtet att skriva över en öppen databas. Välj ett annat filnamn.</translation>
    </message>
    <message id="The collection “%1” could not be opened: it does not exist.">
        <source></source>
        <translation>Samlingen ”%1” kunde inte öppnas: den finns inte.</translation>
    </message>
    <message id="%n of its photo files are missing, the first “%1”." numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n av dess fotofiler saknas: ”%1”.</numerusform>
            <numerusform>%n av dess fotofiler saknas, den första ”%1”.</numerusform>
        </translation>
    </message>
    <message id="%1, %2 and %3">
        <source></source>
        <translation>%1, %2 och %3</translation>
    </message>
    <message id="%n plants" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n växt</numerusform>
            <numerusform>%n växter</numerusform>
        </translation>
    </message>
    <message id="%n logs" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n loggpost</numerusform>
            <numerusform>%n loggposter</numerusform>
        </translation>
    </message>
    <message id="%n photos" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n foto</numerusform>
            <numerusform>%n foton</numerusform>
        </translation>
    </message>
    <message id="The newest good snapshot was taken on %1 and holds %2. Restoring it replaces the collection; the damaged one is kept as a snapshot first.">
        <source></source>
        <translation>Den senaste felfria ögonblicksbilden togs %1 och innehåller %2. Att återställa den ersätter samlingen; den skadade sparas först som en ögonblicksbild.</translation>
    </message>
    <message id="The collection will hold %1. Its current state is kept as a snapshot first, so this can be undone by restoring that one.">
        <source></source>
        <translation>Samlingen kommer att innehålla %1. Dess nuvarande tillstånd sparas först som en ögonblicksbild, så detta kan ångras genom att återställa den.</translation>
    </message>
    <message id="“%1” could not be replaced.">
        <source></source>
        <translation>”%1” kunde inte ersättas.</translation>
    </message>
    <message id="The catalogue of your cactus and succulent collection: plants, watering schedules and a log of what happened to them.">
        <source></source>
        <translation>Katalogen över din samling kaktusar och suckulenter: växter, vattningsscheman och en logg över vad som hänt dem.</translation>
    </message>
    <message id="Import From">
        <source></source>
        <translation>Importera från</translation>
    </message>
    <message id="Export To">
        <source></source>
        <translation>Exportera till</translation>
    </message>
    <message id="Spinora Mobile App">
        <source></source>
        <translation>Spinoras mobilapp</translation>
    </message>
    <message id="SDBI">
        <source></source>
        <translation>SDBI</translation>
    </message>
    <message id="Spinora Database">
        <source></source>
        <translation>Spinora-databas</translation>
    </message>
    <message id="CSV">
        <source></source>
        <translation>CSV</translation>
    </message>
    <message id="CSV Template…">
        <source></source>
        <translation>CSV-mall…</translation>
    </message>
    <message id="HTML Report">
        <source></source>
        <translation>HTML-rapport</translation>
    </message>
    <message id="Software Update">
        <source></source>
        <translation>Programuppdatering</translation>
    </message>
    <message id="A new version of Spinora is available!">
        <source></source>
        <translation>En ny version av Spinora finns tillgänglig!</translation>
    </message>
    <message id="Spinora %1 is now available—you have %2. Would you like to download it now?">
        <source></source>
        <translation>Spinora %1 finns nu tillgänglig – du har %2. Vill du hämta den nu?</translation>
    </message>
    <message id="Download">
        <source></source>
        <translation>Hämta</translation>
    </message>
    <message id="Remind Me Later">
        <source></source>
        <translation>Påminn mig senare</translation>
    </message>
    <message id="You’re up-to-date!">
        <source></source>
        <translation>Du har den senaste versionen!</translation>
    </message>
    <message id="Spinora %1 is currently the newest version available.">
        <source></source>
        <translation>Spinora %1 är för närvarande den senaste tillgängliga versionen.</translation>
    </message>
    <message id="No update address is set, so Spinora cannot look for updates. Your distribution’s package manager keeps Spinora up to date.">
        <source></source>
        <translation>Ingen uppdateringsadress är angiven, så Spinora kan inte söka efter uppdateringar. Din distributions pakethanterare håller Spinora uppdaterat.</translation>
    </message>
    <message id="Update Error!">
        <source></source>
        <translation>Uppdateringsfel!</translation>
    </message>
    <message id="An error occurred in retrieving update information. Please try again later.">
        <source></source>
        <translation>Ett fel uppstod när uppdateringsinformationen hämtades. Försök igen senare.</translation>
    </message>
    <message id="Spinora keeps the catalogue of a cactus and succulent collection.">
        <source></source>
        <translation>Spinora håller katalogen över en samling kaktusar och suckulenter.</translation>
    </message>
    <message id="Collections to open (folders ending in .sdb); interchange files (.sdbi) are offered for import into the collection shown.">
        <source></source>
        <translation>Samlingar att öppna (mappar som slutar på .sdb); utbytesfiler (.sdbi) erbjuds för import till den samling som visas.</translation>
    </message>
    <message id="The list to show: cacti, watering or logs.">
        <source></source>
        <translation>Listan som ska visas: cacti, watering eller logs.</translation>
    </message>
    <message id="--show takes cacti, watering or logs, not “%1”">
        <source></source>
        <translation>--show tar cacti, watering eller logs, inte ”%1”</translation>
    </message>
    <message id="Spinora is already running but does not answer.">
        <source></source>
        <translation>Spinora körs redan men svarar inte.</translation>
    </message>
    <message id="the line “%1” does not close “%2”">
        <source></source>
        <translation>raden ”%1” avslutar inte ”%2”</translation>
    </message>
    <message id="the file ends before “%1” does">
        <source></source>
        <translation>filen slutar innan ”%1” gör det</translation>
    </message>
    <message id="the file is empty">
        <source></source>
        <translation>filen är tom</translation>
    </message>
    <message id="it is not an iCalendar file">
        <source></source>
        <translation>den är ingen iCalendar-fil</translation>
    </message>
    <message id="it does not hold exactly one calendar">
        <source></source>
        <translation>den innehåller inte exakt en kalender</translation>
    </message>
    <message id="it contains errors">
        <source></source>
        <translation>den innehåller fel</translation>
    </message>
    <message id="it cannot be read">
        <source></source>
        <translation>den kan inte läsas</translation>
    </message>
    <message id="The calendar folder “%1” cannot be made.">
        <source></source>
        <translation>Kalendermappen ”%1” kan inte skapas.</translation>
    </message>
    <message id="The calendar file “%1” cannot be used: %2.">
        <source></source>
        <translation>Kalenderfilen ”%1” kan inte användas: %2.</translation>
    </message>
    <message id="The calendar file “%1” cannot be read.">
        <source></source>
        <translation>Kalenderfilen ”%1” kan inte läsas.</translation>
    </message>
    <message id="The calendar file “%1” cannot be used (%2); it was left as it is.">
        <source></source>
        <translation>Kalenderfilen ”%1” kan inte användas (%2); den lämnades som den var.</translation>
    </message>
    <message id="The calendar file “%1” keeps being changed by another program; it was left as it is.">
        <source></source>
        <translation>Kalenderfilen ”%1” ändras hela tiden av ett annat program; den lämnades som den var.</translation>
    </message>
    <message id="The calendar file “%1” could not be written (%2); it was left as it is.">
        <source></source>
        <translation>Kalenderfilen ”%1” kunde inte skrivas (%2); den lämnades som den var.</translation>
    </message>
    <message id="No space left on device">
        <source></source>
        <translation>Inget utrymme kvar på enheten</translation>
    </message>
    <message id="The event ends before it starts.">
        <source></source>
        <translation>Händelsen slutar innan den börjar.</translation>
    </message>
    <message id="The calendar “%1” is not available.">
        <source></source>
        <translation>Kalendern ”%1” är inte tillgänglig.</translation>
    </message>
    <message id="There is no such event.">
        <source></source>
        <translation>Det finns ingen sådan händelse.</translation>
    </message>
    <message id="The event was removed by another program.">
        <source></source>
        <translation>Händelsen togs bort av ett annat program.</translation>
    </message>
    <message id="the Avahi daemon went away">
        <source></source>
        <translation>Avahi-tjänsten försvann</translation>
    </message>
    <message id="Click the Import button to restore the complete database from your device.">
        <source></source>
        <translation>Klicka på knappen Importera för att återställa hela databasen från din enhet.</translation>
    </message>
    <message id="Click the Import button to restore only the cacti and watering schedules in the database from your device.">
        <source></source>
        <translation>Klicka på knappen Importera för att bara återställa kaktusarna och vattningsschemana i databasen från din enhet.</translation>
    </message>
    <message id="Click the Import button to import the cacti from your device.">
        <source></source>
        <translation>Klicka på knappen Importera för att importera kaktusarna från din enhet.</translation>
    </message>
    <message id="Click the Import button to import the watering schedules from your device.">
        <source></source>
        <translation>Klicka på knappen Importera för att importera vattningsschemana från din enhet.</translation>
    </message>
    <message id="Restore Database is selected on your device. Select either Backup Database or Export Data instead.">
        <source></source>
        <translation>Återställ databas är valt på din enhet. Välj Säkerhetskopiera databas eller Exportera data i stället.</translation>
    </message>
    <message id="Export Data is selected on your device. Select Backup Database instead to restore both cacti and watering schedules.">
        <source></source>
        <translation>Exportera data är valt på din enhet. Välj Säkerhetskopiera databas i stället för att återställa både kaktusar och vattningsscheman.</translation>
    </message>
    <message id="Export Data is selected on your device. Only cacti or watering schedules can be imported in this mode.">
        <source></source>
        <translation>Exportera data är valt på din enhet. Endast kaktusar eller vattningsscheman kan importeras i det här läget.</translation>
    </message>
    <message id="Import Data is selected on your device. Select either Backup Database or Export Data instead.">
        <source></source>
        <translation>Importera data är valt på din enhet. Välj Säkerhetskopiera databas eller Exportera data i stället.</translation>
    </message>
    <message id="Backup Database is selected on your device. Select either Restore Database or Import Data instead.">
        <source></source>
        <translation>Säkerhetskopiera databas är valt på din enhet. Välj Återställ databas eller Importera data i stället.</translation>
    </message>
    <message id="Export Data is selected on your device. Select either Restore Database or Import Data instead.">
        <source></source>
        <translation>Exportera data är valt på din enhet. Välj Återställ databas eller Importera data i stället.</translation>
    </message>
    <message id="Click the Export button to send the database to your device. The app will ask what you want to import.">
        <source></source>
        <translation>Klicka på knappen Exportera för att skicka databasen till din enhet. Appen frågar vad du vill importera.</translation>
    </message>
    <message id="The collection was closed.">
        <source></source>
        <translation>Samlingen stängdes.</translation>
    </message>
    <message id="Import Database">
        <source></source>
        <translation>Importera databas</translation>
    </message>
    <message id="Restore Complete Database">
        <source></source>
        <translation>Återställ hela databasen</translation>
    </message>
    <message id="Import Cacti and Watering Schedules">
        <source></source>
        <translation>Importera kaktusar och vattningsscheman</translation>
    </message>
    <message id="Import Cacti">
        <source></source>
        <translation>Importera kaktusar</translation>
    </message>
    <message id="Import Watering Schedules">
        <source></source>
        <translation>Importera vattningsscheman</translation>
    </message>
    <message id="Devices">
        <source></source>
        <translation>Enheter</translation>
    </message>
    <message id="Messages">
        <source></source>
        <translation>Meddelanden</translation>
    </message>
    <message id="Export Database">
        <source></source>
        <translation>Exportera databas</translation>
    </message>
    <message id="Flowering Calendar">
        <source></source>
        <translation>Blomningskalender</translation>
    </message>
    <message id="Photo Timeline">
        <source></source>
        <translation>Fototidslinje</translation>
    </message>
    <message id="Common Name">
        <source></source>
        <translation>Svenskt namn</translation>
    </message>
    <message id="Open Watering Schedule">
        <source></source>
        <translation>Öppna vattningsschema</translation>
    </message>
    <message id="Height">
        <source></source>
        <translation>Höjd</translation>
    </message>
    <message id="Width">
        <source></source>
        <translation>Bredd</translation>
    </message>
    <message id="Weight">
        <source></source>
        <translation>Vikt</translation>
    </message>
    <message id="Light">
        <source></source>
        <translation>Ljus</translation>
    </message>
    <message id="Temperature">
        <source></source>
        <translation>Temperatur</translation>
    </message>
    <message id="Pot Size">
        <source></source>
        <translation>Krukstorlek</translation>
    </message>
    <message id="Pot Shape">
        <source></source>
        <translation>Krukform</translation>
    </message>
    <message id="Pot Material">
        <source></source>
        <translation>Krukmaterial</translation>
    </message>
    <message id="General">
        <source></source>
        <translation>Allmänt</translation>
    </message>
    <message id="Details">
        <source></source>
        <translation>Detaljer</translation>
    </message>
    <message id="Alarm">
        <source></source>
        <translation>Larm</translation>
    </message>
    <message id="Busy">
        <source></source>
        <translation>Upptagen</translation>
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
        <translation>Börjar</translation>
    </message>
    <message id="Ends">
        <source></source>
        <translation>Slutar</translation>
    </message>
    <message id="All-Day">
        <source></source>
        <translation>Heldag</translation>
    </message>
    <message id="Calendar">
        <source></source>
        <translation>Kalender</translation>
    </message>
    <message id="Availability">
        <source></source>
        <translation>Tillgänglighet</translation>
    </message>
    <message id="Kept in %1. To see these reminders in your desktop calendar, add this file to it as a calendar.">
        <source></source>
        <translation>Lagras i %1. Lägg till den här filen som en kalender i skrivbordets kalender för att se påminnelserna där.</translation>
    </message>
    <message id="Add New Event">
        <source></source>
        <translation>Lägg till ny händelse</translation>
    </message>
    <message id="Edit Event">
        <source></source>
        <translation>Redigera händelse</translation>
    </message>
    <message id="Open Cactus">
        <source></source>
        <translation>Öppna kaktus</translation>
    </message>
    <message id="Add Reminder">
        <source></source>
        <translation>Lägg till påminnelse</translation>
    </message>
    <message id="Edit Reminder">
        <source></source>
        <translation>Redigera påminnelse</translation>
    </message>
    <message id="Add a reminder to your calendar?">
        <source></source>
        <translation>Lägga till en påminnelse i din kalender?</translation>
    </message>
    <message id="Edit the reminder on your calendar?">
        <source></source>
        <translation>Redigera påminnelsen i din kalender?</translation>
    </message>
    <message id="All Photos">
        <source></source>
        <translation>Alla foton</translation>
    </message>
    <message id="Add Photos…">
        <source></source>
        <translation>Lägg till foton…</translation>
    </message>
    <message id="Add photos from picture files. You can also drop picture files on the grid.">
        <source></source>
        <translation>Lägg till foton från bildfiler. Du kan också släppa bildfiler i rutnätet.</translation>
    </message>
    <message id="Size of the photos">
        <source></source>
        <translation>Storlek på fotona</translation>
    </message>
    <message id="Adding photos">
        <source></source>
        <translation>Lägger till foton</translation>
    </message>
    <message id="Add Photos">
        <source></source>
        <translation>Lägg till foton</translation>
    </message>
    <message id="Pictures (*.jpg *.jpeg *.png *.gif *.tif *.tiff *.bmp)">
        <source></source>
        <translation>Bilder (*.jpg *.jpeg *.png *.gif *.tif *.tiff *.bmp)</translation>
    </message>
    <message id="This file was not added:">
        <source></source>
        <translation>Den här filen lades inte till:</translation>
    </message>
    <message id="These files were not added:">
        <source></source>
        <translation>De här filerna lades inte till:</translation>
    </message>
    <message id="Previous Photo">
        <source></source>
        <translation>Föregående foto</translation>
    </message>
    <message id="Display the previous photo">
        <source></source>
        <translation>Visa föregående foto</translation>
    </message>
    <message id="Edit Caption">
        <source></source>
        <translation>Redigera bildtext</translation>
    </message>
    <message id="Edit the photo caption">
        <source></source>
        <translation>Redigera fotots bildtext</translation>
    </message>
    <message id="Next Photo">
        <source></source>
        <translation>Nästa foto</translation>
    </message>
    <message id="Display the next photo">
        <source></source>
        <translation>Visa nästa foto</translation>
    </message>
    <message id="Error: the new record is gone.">
        <source></source>
        <translation>Fel: den nya posten finns inte längre.</translation>
    </message>
    <message id="From Date 1">
        <source></source>
        <translation>Från datum 1</translation>
    </message>
    <message id="To Date 2">
        <source></source>
        <translation>Till datum 2</translation>
    </message>
    <message id="From Date 3">
        <source></source>
        <translation>Från datum 3</translation>
    </message>
    <message id="To Date 4">
        <source></source>
        <translation>Till datum 4</translation>
    </message>
    <message id="From Date 5">
        <source></source>
        <translation>Från datum 5</translation>
    </message>
    <message id="To Date 6">
        <source></source>
        <translation>Till datum 6</translation>
    </message>
    <message id="Units">
        <source></source>
        <translation>Enheter</translation>
    </message>
    <message id="Line %1, column %2 (%3): “%4” could not be read and was not imported.">
        <source></source>
        <translation>Rad %1, kolumn %2 (%3): ”%4” kunde inte läsas och importerades inte.</translation>
    </message>
    <message id="The file is not in the Spinora CSV template layout and these columns could not be placed: “%1”. Give each column its field, for example --map '%2' (the fields are %3).">
        <source></source>
        <translation>Filen följer inte layouten i Spinoras CSV-mall och de här kolumnerna kunde inte placeras: ”%1”. Ange varje kolumns fält, till exempel --map &apos;%2&apos; (fälten är %3).</translation>
    </message>
    <message id="No cacti, watering schedules or logs were found in the file. It must follow the Spinora CSV template.">
        <source></source>
        <translation>Inga kaktusar, vattningsscheman eller loggposter hittades i filen. Den måste följa Spinoras CSV-mall.</translation>
    </message>
    <message id="name|plant|plant name|cactus|label">
        <source></source>
        <translation>namn|växt|växtnamn|kaktus|etikett</translation>
    </message>
    <message id="scientific|scientific name|botanical name|latin name|taxon|genus|species">
        <source></source>
        <translation>vetenskapligt|vetenskapligt namn|botaniskt namn|latinskt namn|taxon|släkte|art</translation>
    </message>
    <message id="common|common name">
        <source></source>
        <translation>svenskt namn|trivialnamn</translation>
    </message>
    <message id="type|plant type">
        <source></source>
        <translation>typ|växttyp</translation>
    </message>
    <message id="watering|schedule|watering schedule">
        <source></source>
        <translation>vattning|schema|vattningsschema</translation>
    </message>
    <message id="last watered">
        <source></source>
        <translation>senast vattnad</translation>
    </message>
    <message id="next watering">
        <source></source>
        <translation>nästa vattning</translation>
    </message>
    <message id="planted|plant date|date planted|sown">
        <source></source>
        <translation>planterad|planteringsdatum|datum planterad|sådd</translation>
    </message>
    <message id="source|origin">
        <source></source>
        <translation>källa|ursprung</translation>
    </message>
    <message id="acquired|date acquired|bought|purchased|purchase date">
        <source></source>
        <translation>anskaffad|anskaffningsdatum|köpt|inköpt|inköpsdatum</translation>
    </message>
    <message id="price|purchase price|cost|paid">
        <source></source>
        <translation>pris|inköpspris|kostnad|betalt</translation>
    </message>
    <message id="value|worth">
        <source></source>
        <translation>värde|värd</translation>
    </message>
    <message id="location|place|position|bench|greenhouse">
        <source></source>
        <translation>plats|placering|position|bänk|växthus</translation>
    </message>
    <message id="height">
        <source></source>
        <translation>höjd</translation>
    </message>
    <message id="width|diameter">
        <source></source>
        <translation>bredd|diameter</translation>
    </message>
    <message id="weight">
        <source></source>
        <translation>vikt</translation>
    </message>
    <message id="light|sun">
        <source></source>
        <translation>ljus|sol</translation>
    </message>
    <message id="temperature|temp|min temp">
        <source></source>
        <translation>temperatur|temp|min temp</translation>
    </message>
    <message id="pot size|pot">
        <source></source>
        <translation>krukstorlek|kruka</translation>
    </message>
    <message id="pot shape|shape">
        <source></source>
        <translation>krukform|form</translation>
    </message>
    <message id="pot material|material">
        <source></source>
        <translation>krukmaterial|material</translation>
    </message>
    <message id="notes|note|comments|comment|remarks|description">
        <source></source>
        <translation>anteckningar|anteckning|kommentarer|kommentar|noteringar|beskrivning</translation>
    </message>
    <message id="id|#|no|no.|number|photo|photos|image|picture">
        <source></source>
        <translation>id|#|nr|nr.|nummer|foto|foton|bild|bildfil</translation>
    </message>
    <message id="“%1” is no COLUMN=FIELD pair.">
        <source></source>
        <translation>”%1” är inget KOLUMN=FÄLT-par.</translation>
    </message>
    <message id="“%1” is no field; the fields are %2.">
        <source></source>
        <translation>”%1” är inget fält; fälten är %2.</translation>
    </message>
    <message id="The file has no column “%1”.">
        <source></source>
        <translation>Filen har ingen kolumn ”%1”.</translation>
    </message>
    <message id="%1 is a folder; an export never replaces a folder with a file.">
        <source></source>
        <translation>%1 är en mapp; en export ersätter aldrig en mapp med en fil.</translation>
    </message>
    <message id="%1 is a folder that is not a Spinora collection; an export never replaces it.">
        <source></source>
        <translation>%1 är en mapp som inte är en Spinora-samling; en export ersätter den aldrig.</translation>
    </message>
    <message id="%1 is a collection in use by %2; it cannot be replaced.">
        <source></source>
        <translation>%1 är en samling som används av %2; den kan inte ersättas.</translation>
    </message>
    <message id="%1 is an existing collection and was not replaced.">
        <source></source>
        <translation>%1 är en befintlig samling och ersattes inte.</translation>
    </message>
    <message id="%1 already exists and was not replaced.">
        <source></source>
        <translation>%1 finns redan och ersattes inte.</translation>
    </message>
    <message id="The collection %1 could not be read: %2">
        <source></source>
        <translation>Samlingen %1 kunde inte läsas: %2</translation>
    </message>
    <message id="it holds no %1.">
        <source></source>
        <translation>den innehåller ingen %1.</translation>
    </message>
    <message id="The collection %1 was made by a newer version of Spinora (schema %2; this version reads up to %3).">
        <source></source>
        <translation>Samlingen %1 skapades av en nyare version av Spinora (schema %2; den här versionen läser upp till %3).</translation>
    </message>
    <message id="The collection could not be read: %1">
        <source></source>
        <translation>Samlingen kunde inte läsas: %1</translation>
    </message>
    <message id="The collection was opened read-only, so nothing can be imported into it.">
        <source></source>
        <translation>Samlingen öppnades skrivskyddad, så inget kan importeras till den.</translation>
    </message>
    <message id="The import failed.">
        <source></source>
        <translation>Importen misslyckades.</translation>
    </message>
    <message id="The collection could not be written: %1">
        <source></source>
        <translation>Samlingen kunde inte skrivas: %1</translation>
    </message>
    <message id="The collection's database could not be opened: %1">
        <source></source>
        <translation>Samlingens databas kunde inte öppnas: %1</translation>
    </message>
    <message id="The folder %1 could not be made.">
        <source></source>
        <translation>Mappen %1 kunde inte skapas.</translation>
    </message>
    <message id="The template could not be read: %1">
        <source></source>
        <translation>Mallen kunde inte läsas: %1</translation>
    </message>
    <message id="The collection could not be locked for the import: %1">
        <source></source>
        <translation>Samlingen kunde inte låsas för importen: %1</translation>
    </message>
    <message id="Fertilized">
        <source></source>
        <translation>Gödslad</translation>
    </message>
    <message id="Flowered">
        <source></source>
        <translation>Blommade</translation>
    </message>
    <message id="Planted">
        <source></source>
        <translation>Planterad</translation>
    </message>
    <message id="Purchased">
        <source></source>
        <translation>Köpt</translation>
    </message>
    <message id="Sold">
        <source></source>
        <translation>Såld</translation>
    </message>
    <message id="The import could not be saved: %1">
        <source></source>
        <translation>Importen kunde inte sparas: %1</translation>
    </message>
    <message id="%1 could not be written">
        <source></source>
        <translation>%1 kunde inte skrivas</translation>
    </message>
    <message id="%1: the export filter could not be run">
        <source></source>
        <translation>%1: exportfiltret kunde inte köras</translation>
    </message>
    <message id="%1 could not be replaced">
        <source></source>
        <translation>%1 kunde inte ersättas</translation>
    </message>
    <message id="The file cannot be imported: it holds triggers or views, which Spinora files never have.">
        <source></source>
        <translation>Filen kan inte importeras: den innehåller triggrar eller vyer, vilket Spinora-filer aldrig har.</translation>
    </message>
    <message id="larger than 64 MiB">
        <source></source>
        <translation>större än 64 MiB</translation>
    </message>
    <message id="a link that leads out of the package">
        <source></source>
        <translation>en länk som leder ut ur paketet</translation>
    </message>
    <message id="not a file that can be read">
        <source></source>
        <translation>inte en fil som kan läsas</translation>
    </message>
    <message id="%1 could not be read.">
        <source></source>
        <translation>%1 kunde inte läsas.</translation>
    </message>
    <message id="The file could not be opened: %1">
        <source></source>
        <translation>Filen kunde inte öppnas: %1</translation>
    </message>
    <message id="The file is not a Spinora database: %1">
        <source></source>
        <translation>Filen är ingen Spinora-databas: %1</translation>
    </message>
    <message id="The file cannot be imported: its schema could not be upgraded (%1).">
        <source></source>
        <translation>Filen kan inte importeras: dess schema kunde inte uppgraderas (%1).</translation>
    </message>
    <message id="The file could not be closed: %1">
        <source></source>
        <translation>Filen kunde inte stängas: %1</translation>
    </message>
    <message id="The file has no version information, so it is not a Spinora database.">
        <source></source>
        <translation>Filen har ingen versionsinformation, så den är ingen Spinora-databas.</translation>
    </message>
    <message id="The file cannot be imported: it was made by a newer version of Spinora (schema %1; this version reads up to %2).">
        <source></source>
        <translation>Filen kan inte importeras: den skapades av en nyare version av Spinora (schema %1; den här versionen läser upp till %2).</translation>
    </message>
    <message id="The file's version row holds no record counts.">
        <source></source>
        <translation>Filens versionsrad innehåller inga antal poster.</translation>
    </message>
    <message id="The file cannot be imported: its %1 table cannot be read (%2).">
        <source></source>
        <translation>Filen kan inte importeras: dess tabell %1 kan inte läsas (%2).</translation>
    </message>
    <message id="The file cannot be imported: its %1 table has keys that are not whole numbers from 0 to 9223372036854775807.">
        <source></source>
        <translation>Filen kan inte importeras: dess tabell %1 har nycklar som inte är heltal från 0 till 9223372036854775807.</translation>
    </message>
    <message id="The file cannot be imported: its %1 table has the same key on more than one row.">
        <source></source>
        <translation>Filen kan inte importeras: dess tabell %1 har samma nyckel på mer än en rad.</translation>
    </message>
    <message id="The file cannot be imported: the collection has no keys left for its %1 table.">
        <source></source>
        <translation>Filen kan inte importeras: samlingen har inga nycklar kvar för dess tabell %1.</translation>
    </message>
    <message id="The records of the file's %1 table could not be read: %2">
        <source></source>
        <translation>Posterna i filens tabell %1 kunde inte läsas: %2</translation>
    </message>
    <message id="The file cannot be imported: the %1 column of its %2 table holds values that are not whole numbers.">
        <source></source>
        <translation>Filen kan inte importeras: kolumnen %1 i dess tabell %2 innehåller värden som inte är heltal.</translation>
    </message>
    <message id="The file holds no watering schedules.">
        <source></source>
        <translation>Filen innehåller inga vattningsscheman.</translation>
    </message>
    <message id="The file holds no cacti.">
        <source></source>
        <translation>Filen innehåller inga kaktusar.</translation>
    </message>
    <message id="not a picture that can be read">
        <source></source>
        <translation>inte en bild som kan läsas</translation>
    </message>
    <message id="the cactus %1">
        <source></source>
        <translation>kaktusen %1</translation>
    </message>
    <message id="the log entry %1">
        <source></source>
        <translation>loggposten %1</translation>
    </message>
    <message id="the cactus “%1”">
        <source></source>
        <translation>kaktusen ”%1”</translation>
    </message>
    <message id="the log entry “%1”">
        <source></source>
        <translation>loggposten ”%1”</translation>
    </message>
    <message id="The file's photos could not be read: %1">
        <source></source>
        <translation>Filens foton kunde inte läsas: %1</translation>
    </message>
    <message id="The file cannot be imported: the key column of its image table holds values that are not whole numbers.">
        <source></source>
        <translation>Filen kan inte importeras: nyckelkolumnen i dess bildtabell innehåller värden som inte är heltal.</translation>
    </message>
    <message id="1 photo could not be read and was left out: %1.">
        <source></source>
        <translation>1 foto kunde inte läsas och utelämnades: %1.</translation>
    </message>
    <message id="%1 photos could not be read and were left out: %2.">
        <source></source>
        <translation>%1 foton kunde inte läsas och utelämnades: %2.</translation>
    </message>
    <message id="The file could not be read: %1">
        <source></source>
        <translation>Filen kunde inte läsas: %1</translation>
    </message>
    <message id="No plant has a date acquired.">
        <source></source>
        <translation>Ingen växt har ett anskaffningsdatum.</translation>
    </message>
    <message id="%1 without a date">
        <source></source>
        <translation>%1 utan datum</translation>
    </message>
    <message id="Plants by Date Acquired">
        <source></source>
        <translation>Växter efter anskaffningsdatum</translation>
    </message>
    <message id="Value by Date Acquired">
        <source></source>
        <translation>Värde efter anskaffningsdatum</translation>
    </message>
    <message id="Plants by Genus">
        <source></source>
        <translation>Växter efter släkte</translation>
    </message>
    <message id="Waterings Due in the Next %1 Days">
        <source></source>
        <translation>Vattningar som förfaller inom de närmaste %1 dagarna</translation>
    </message>
    <message id="Charts">
        <source></source>
        <translation>Diagram</translation>
    </message>
    <message id="Cacti Report">
        <source></source>
        <translation>Kaktusrapport</translation>
    </message>
    <message id="Summary">
        <source></source>
        <translation>Sammanfattning</translation>
    </message>
    <message id="Total Cacti">
        <source></source>
        <translation>Antal kaktusar</translation>
    </message>
    <message id="Total Watering Schedules">
        <source></source>
        <translation>Antal vattningsscheman</translation>
    </message>
    <message id="Total Log Entries">
        <source></source>
        <translation>Antal loggposter</translation>
    </message>
    <message id="Unique Species">
        <source></source>
        <translation>Unika arter</translation>
    </message>
    <message id="Total Value">
        <source></source>
        <translation>Totalt värde</translation>
    </message>
    <message id="Species Scientific Name">
        <source></source>
        <translation>Artens vetenskapliga namn</translation>
    </message>
    <message id="Species Common Name">
        <source></source>
        <translation>Artens svenska namn</translation>
    </message>
    <message id="Unknown Date">
        <source></source>
        <translation>Okänt datum</translation>
    </message>
    <message id="No Event Name">
        <source></source>
        <translation>Inget händelsenamn</translation>
    </message>
    <message id="The report folder %1 cannot be written.">
        <source></source>
        <translation>Det går inte att skriva i rapportmappen %1.</translation>
    </message>
    <message id="The report %1 could not be written.">
        <source></source>
        <translation>Rapporten %1 kunde inte skrivas.</translation>
    </message>
    <message id="No folder for the work files was found: the user's caches folder is unknown (set HOME or XDG_CACHE_HOME).">
        <source></source>
        <translation>Ingen mapp för arbetsfilerna hittades: användarens cachemapp är okänd (ange HOME eller XDG_CACHE_HOME).</translation>
    </message>
    <message id="The work folder %1 could not be made.">
        <source></source>
        <translation>Arbetsmappen %1 kunde inte skapas.</translation>
    </message>
    <message id="The work folder %1 cannot be used: something that is not a folder is in its place.">
        <source></source>
        <translation>Arbetsmappen %1 kan inte användas: något som inte är en mapp finns på dess plats.</translation>
    </message>
    <message id="The work folder %1 cannot be used: it is not writable.">
        <source></source>
        <translation>Arbetsmappen %1 kan inte användas: den är inte skrivbar.</translation>
    </message>
    <message id="Another transfer is running in this program; try again when it has finished.">
        <source></source>
        <translation>En annan överföring pågår i det här programmet; försök igen när den är klar.</translation>
    </message>
    <message id="Another transfer is running (%1, process %2); try again when it has finished.">
        <source></source>
        <translation>En annan överföring pågår (%1, process %2); försök igen när den är klar.</translation>
    </message>
    <message id="another program">
        <source></source>
        <translation>ett annat program</translation>
    </message>
    <message id="Another transfer is running; try again when it has finished.">
        <source></source>
        <translation>En annan överföring pågår; försök igen när den är klar.</translation>
    </message>
    <message id="The work folder %1 cannot be used: its lock file could not be made.">
        <source></source>
        <translation>Arbetsmappen %1 kan inte användas: dess låsfil kunde inte skapas.</translation>
    </message>
    <message id="Import From SDBI">
        <source></source>
        <translation>Importera från SDBI</translation>
    </message>
    <message id="Import From Spinora Database">
        <source></source>
        <translation>Importera från Spinora-databas</translation>
    </message>
    <message id="Database File">
        <source></source>
        <translation>Databasfil</translation>
    </message>
    <message id="Import From CSV">
        <source></source>
        <translation>Importera från CSV</translation>
    </message>
    <message id="Export To SDBI">
        <source></source>
        <translation>Exportera till SDBI</translation>
    </message>
    <message id="Export To Spinora Database">
        <source></source>
        <translation>Exportera till Spinora-databas</translation>
    </message>
    <message id="Export To CSV">
        <source></source>
        <translation>Exportera till CSV</translation>
    </message>
    <message id="Type a path, or choose the file with Browse">
        <source></source>
        <translation>Skriv en sökväg eller välj filen med Bläddra</translation>
    </message>
    <message id="Choose where to save with Browse">
        <source></source>
        <translation>Välj var du vill spara med Bläddra</translation>
    </message>
    <message id="There is no file “%1”.">
        <source></source>
        <translation>Det finns ingen fil ”%1”.</translation>
    </message>
    <message id="A4, 3 × 8 labels of 70 × 37 mm">
        <source></source>
        <translation>A4, 3 × 8 etiketter på 70 × 37 mm</translation>
    </message>
    <message id="US Letter, 3 × 10 labels of 2.625 × 1 in">
        <source></source>
        <translation>US Letter, 3 × 10 etiketter på 2,625 × 1 tum</translation>
    </message>
    <message id="%n labels" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n etikett</numerusform>
            <numerusform>%n etiketter</numerusform>
        </translation>
    </message>
    <message id="%n pages" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n sida</numerusform>
            <numerusform>%n sidor</numerusform>
        </translation>
    </message>
    <message id=" mm">
        <source></source>
        <translation> mm</translation>
    </message>
    <message id="Nothing was printed: the printer “%1” could not be used.">
        <source></source>
        <translation>Inget skrevs ut: skrivaren ”%1” kunde inte användas.</translation>
    </message>
    <message id="Nothing was printed: the file “%1” could not be written.">
        <source></source>
        <translation>Inget skrevs ut: filen ”%1” kunde inte skrivas.</translation>
    </message>
    <message id="Error: out of memory.">
        <source></source>
        <translation>Fel: slut på minne.</translation>
    </message>
    <message id="Error: unknown exception.">
        <source></source>
        <translation>Fel: okänt undantag.</translation>
    </message>
    <message id="No snapshot of the collection could be kept: %1">
        <source></source>
        <translation>Ingen ögonblicksbild av samlingen kunde sparas: %1</translation>
    </message>
    <message id="the collection as it is now could not be kept first, so nothing was changed: %1">
        <source></source>
        <translation>samlingen som den är nu kunde inte sparas först, så inget ändrades: %1</translation>
    </message>
    <message id="the collection was opened read-only">
        <source></source>
        <translation>samlingen öppnades skrivskyddad</translation>
    </message>
    <message id="Other">
        <source></source>
        <translation>Annat</translation>
    </message>
    <message id="it does not exist.">
        <source></source>
        <translation>den finns inte.</translation>
    </message>
    <message id="it is not a collection package (a folder ending in .sdb).">
        <source></source>
        <translation>den är inget samlingspaket (en mapp som slutar på .sdb).</translation>
    </message>
    <message id="the folder holds no %1, so it is not a Spinora collection.">
        <source></source>
        <translation>mappen innehåller ingen %1, så den är ingen Spinora-samling.</translation>
    </message>
    <message id="it is read-only. Make it writable, or copy it to another place, to open it.">
        <source></source>
        <translation>den är skrivskyddad. Gör den skrivbar, eller kopiera den till en annan plats, för att öppna den.</translation>
    </message>
    <message id="the collection is not open">
        <source></source>
        <translation>samlingen är inte öppen</translation>
    </message>
    <message id="the collection could not be read again: %1">
        <source></source>
        <translation>samlingen kunde inte läsas igen: %1</translation>
    </message>
    <message id="the file is not a picture">
        <source></source>
        <translation>filen är ingen bild</translation>
    </message>
    <message id="the picture is too large (%1 × %2 pixels)">
        <source></source>
        <translation>bilden är för stor (%1 × %2 pixlar)</translation>
    </message>
    <message id="the picture cannot be decoded (%1)">
        <source></source>
        <translation>bilden kan inte avkodas (%1)</translation>
    </message>
    <message id="the file cannot be read">
        <source></source>
        <translation>filen kan inte läsas</translation>
    </message>
    <message id="the file is larger than %1 MB">
        <source></source>
        <translation>filen är större än %1 MB</translation>
    </message>
    <message id="Error: a photo needs its three prepared files.">
        <source></source>
        <translation>Fel: ett foto behöver sina tre förberedda filer.</translation>
    </message>
    <message id="a change to it was cut short when Spinora or the computer stopped">
        <source></source>
        <translation>en ändring av den avbröts när Spinora eller datorn stoppades</translation>
    </message>
    <message id="%1, and must be undone before the collection can be read. That takes writing, and the collection is read-only here. Copy the whole collection, with the file %2-journal in it, to a writable place and open the copy.">
        <source></source>
        <translation>%1 och måste ångras innan samlingen kan läsas. Det kräver skrivning, och samlingen är skrivskyddad här. Kopiera hela samlingen, med filen %2-journal i den, till en skrivbar plats och öppna kopian.</translation>
    </message>
    <message id="%1, and cannot be undone: %2">
        <source></source>
        <translation>%1 och kan inte ångras: %2</translation>
    </message>
    <message id="%1, and undoing it failed: %2.">
        <source></source>
        <translation>%1, och det gick inte att ångra den: %2.</translation>
    </message>
    <message id="the collection is not open for writing.">
        <source></source>
        <translation>samlingen är inte öppen för skrivning.</translation>
    </message>
    <message id="no watering moment was given.">
        <source></source>
        <translation>ingen tidpunkt för vattningen angavs.</translation>
    </message>
    <message id="it is already open in this program.">
        <source></source>
        <translation>den är redan öppen i det här programmet.</translation>
    </message>
    <message id="another program (process %1)">
        <source></source>
        <translation>ett annat program (process %1)</translation>
    </message>
    <message id="it is in use by %1. Only one program at a time can change a collection; try again when it has finished.">
        <source></source>
        <translation>den används av %1. Bara ett program i taget kan ändra en samling; försök igen när det är klart.</translation>
    </message>
    <message id="its lock file %1 cannot be opened (%2).">
        <source></source>
        <translation>dess låsfil %1 kan inte öppnas (%2).</translation>
    </message>
    <message id="its lock file %1 cannot be locked (%2).">
        <source></source>
        <translation>dess låsfil %1 kan inte låsas (%2).</translation>
    </message>
    <message id="its lock file %1 keeps being replaced by another program.">
        <source></source>
        <translation>dess låsfil %1 ersätts hela tiden av ett annat program.</translation>
    </message>
    <message id="the picture cannot be converted to JPEG">
        <source></source>
        <translation>bilden kan inte konverteras till JPEG</translation>
    </message>
    <message id="no database connection">
        <source></source>
        <translation>ingen databasanslutning</translation>
    </message>
    <message id="the current schema is not available (%1)">
        <source></source>
        <translation>det aktuella schemat är inte tillgängligt (%1)</translation>
    </message>
    <message id="The collection %1 could not be opened: %2">
        <source></source>
        <translation>Samlingen %1 kunde inte öppnas: %2</translation>
    </message>
    <message id="The collection %1 could not be made: %2">
        <source></source>
        <translation>Samlingen %1 kunde inte skapas: %2</translation>
    </message>
    <message id="The logs of %1 could not be read: %2">
        <source></source>
        <translation>Loggposterna för %1 kunde inte läsas: %2</translation>
    </message>
    <message id="%1. So that nothing is lost, the collection is now read-only: nothing in it is changed or deleted. Close it and open it again to try once more.">
        <source></source>
        <translation>%1. För att inget ska gå förlorat är samlingen nu skrivskyddad: inget i den ändras eller raderas. Stäng den och öppna den igen för att försöka en gång till.</translation>
    </message>
    <message id="it was made by a newer version of Spinora (schema %1; this version reads up to %2).">
        <source></source>
        <translation>den skapades av en nyare version av Spinora (schema %1; den här versionen läser upp till %2).</translation>
    </message>
    <message id="its schema could not be upgraded (%1).">
        <source></source>
        <translation>dess schema kunde inte uppgraderas (%1).</translation>
    </message>
    <message id="the script %1 could not be read">
        <source></source>
        <translation>skriptet %1 kunde inte läsas</translation>
    </message>
    <message id="The collection %1 was opened read-only and cannot be saved.">
        <source></source>
        <translation>Samlingen %1 öppnades skrivskyddad och kan inte sparas.</translation>
    </message>
    <message id="The collection %1 was saved, but could not be opened again: %2">
        <source></source>
        <translation>Samlingen %1 sparades men kunde inte öppnas igen: %2</translation>
    </message>
    <message id="The collection could not be saved as %1: %2">
        <source></source>
        <translation>Samlingen kunde inte sparas som %1: %2</translation>
    </message>
    <message id="The collection could not be saved as %1.">
        <source></source>
        <translation>Samlingen kunde inte sparas som %1.</translation>
    </message>
    <message id="Caudiciform">
        <source></source>
        <translation>Kaudiciform</translation>
    </message>
    <message id="Leaf Succulent">
        <source></source>
        <translation>Bladsuckulent</translation>
    </message>
    <message id="Root Succulent">
        <source></source>
        <translation>Rotsuckulent</translation>
    </message>
    <message id="Stem Succulent">
        <source></source>
        <translation>Stamsuckulent</translation>
    </message>
    <message id="Seed">
        <source></source>
        <translation>Frö</translation>
    </message>
    <message id="Cutting">
        <source></source>
        <translation>Stickling</translation>
    </message>
    <message id="Offset">
        <source></source>
        <translation>Sidoskott</translation>
    </message>
    <message id="Grafted">
        <source></source>
        <translation>Ympad</translation>
    </message>
    <message id="Wild">
        <source></source>
        <translation>Vildinsamlad</translation>
    </message>
    <message id="Nursery Stock">
        <source></source>
        <translation>Plantskoleväxt</translation>
    </message>
    <message id="Private Grower">
        <source></source>
        <translation>Privat odlare</translation>
    </message>
    <message id="Retailer">
        <source></source>
        <translation>Återförsäljare</translation>
    </message>
    <message id="Ceramic">
        <source></source>
        <translation>Keramik</translation>
    </message>
    <message id="Concrete">
        <source></source>
        <translation>Betong</translation>
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
        <translation>Ingen (i marken)</translation>
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
        <translation>Trä</translation>
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
        <translation>Fyrkantig</translation>
    </message>
    <message id="Rectangular">
        <source></source>
        <translation>Rektangulär</translation>
    </message>
    <message id="Hexagon">
        <source></source>
        <translation>Sexkantig</translation>
    </message>
    <message id="Octagon">
        <source></source>
        <translation>Åttkantig</translation>
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
        <translation>Flat</translation>
    </message>
    <message id="Irregular">
        <source></source>
        <translation>Oregelbunden</translation>
    </message>
    <message id="hours">
        <source></source>
        <translation>timmar</translation>
    </message>
    <message id="days">
        <source></source>
        <translation>dagar</translation>
    </message>
    <message id="weeks">
        <source></source>
        <translation>veckor</translation>
    </message>
    <message id="months">
        <source></source>
        <translation>månader</translation>
    </message>
    <message id="hour">
        <source></source>
        <translation>timme</translation>
    </message>
    <message id="day">
        <source></source>
        <translation>dag</translation>
    </message>
    <message id="week">
        <source></source>
        <translation>vecka</translation>
    </message>
    <message id="month">
        <source></source>
        <translation>månad</translation>
    </message>
    <message id="Spray">
        <source></source>
        <translation>Besprutning</translation>
    </message>
    <message id="LightQuantity">
        <source></source>
        <translation>Ljusmängd</translation>
    </message>
    <message id="Moderate">
        <source></source>
        <translation>Måttlig</translation>
    </message>
    <message id="Soak">
        <source></source>
        <translation>Blötläggning</translation>
    </message>
    <message id="a cactus">
        <source></source>
        <translation>en kaktus</translation>
    </message>
    <message id="a watering schedule">
        <source></source>
        <translation>ett vattningsschema</translation>
    </message>
    <message id="a log">
        <source></source>
        <translation>en loggpost</translation>
    </message>
    <message id="a photo">
        <source></source>
        <translation>ett foto</translation>
    </message>
    <message id="a record (%1)">
        <source></source>
        <translation>en post (%1)</translation>
    </message>
    <message id="%1 it needs is gone">
        <source></source>
        <translation>%1 som den behöver finns inte längre</translation>
    </message>
    <message id="%1 it would bring back has been made again">
        <source></source>
        <translation>%1 som den skulle återställa har skapats igen</translation>
    </message>
    <message id="%1 it touches has been changed since">
        <source></source>
        <translation>%1 som den berör har ändrats sedan dess</translation>
    </message>
    <message id="what it needs could not be read from %1">
        <source></source>
        <translation>det den behöver kunde inte läsas från %1</translation>
    </message>
    <message id="the collection as it was before was not kept">
        <source></source>
        <translation>samlingen som den var tidigare sparades inte</translation>
    </message>
    <message id="“%1” could not be undone: %2.">
        <source></source>
        <translation>”%1” kunde inte ångras: %2.</translation>
    </message>
    <message id="“%1” could not be redone: %2.">
        <source></source>
        <translation>”%1” kunde inte göras om: %2.</translation>
    </message>
    <message id="the database is damaged (%1).">
        <source></source>
        <translation>databasen är skadad (%1).</translation>
    </message>
    <message id="Print the list">
        <source></source>
        <translation>Skriv ut listan</translation>
    </message>
    <message id="Import from device">
        <source></source>
        <translation>Importera från enhet</translation>
    </message>
    <message id="Import database from Spinora Mobile App">
        <source></source>
        <translation>Importera databasen från Spinoras mobilapp</translation>
    </message>
    <message id="Export to device">
        <source></source>
        <translation>Exportera till enhet</translation>
    </message>
    <message id="Export database to Spinora Mobile App">
        <source></source>
        <translation>Exportera databasen till Spinoras mobilapp</translation>
    </message>
    <message id="Show database statistics">
        <source></source>
        <translation>Visa databasstatistik</translation>
    </message>
    <message id="Delete Item">
        <source></source>
        <translation>Radera objekt</translation>
    </message>
    <message id="Remove an item from the list">
        <source></source>
        <translation>Ta bort ett objekt från listan</translation>
    </message>
    <message id="Add an item to the list">
        <source></source>
        <translation>Lägg till ett objekt i listan</translation>
    </message>
    <message id="%n watering schedules" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n vattningsschema</numerusform>
            <numerusform>%n vattningsscheman</numerusform>
        </translation>
    </message>
    <message id="%1 and its %n cacti" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%1 och dess %n kaktus</numerusform>
            <numerusform>%1 och dess %n kaktusar</numerusform>
        </translation>
    </message>
    <message id="%1 and their %n cacti" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%1 och deras %n kaktus</numerusform>
            <numerusform>%1 och deras %n kaktusar</numerusform>
        </translation>
    </message>
    <message id="%n cacti" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n kaktus</numerusform>
            <numerusform>%n kaktusar</numerusform>
        </translation>
    </message>
    <message id="No log has the event &quot;Flowered&quot; yet.">
        <source></source>
        <translation>Ingen loggpost har händelsen ”Blommade” ännu.</translation>
    </message>
    <message id="How often each plant flowered in each month, over all years; the plants likely to flower in %1 first.">
        <source></source>
        <translation>Hur ofta varje växt blommade varje månad, över alla år; de växter som troligen blommar i %1 först.</translation>
    </message>
    <message id="No date">
        <source></source>
        <translation>Inget datum</translation>
    </message>
    <message id="%1, %2">
        <source></source>
        <translation>%1, %2</translation>
    </message>
    <message id="Photo Timeline of %1">
        <source></source>
        <translation>Fototidslinje för %1</translation>
    </message>
    <message id="Photos, oldest first">
        <source></source>
        <translation>Foton, äldsta först</translation>
    </message>
    <message id="This plant has no photos yet, neither its own nor in its logs.">
        <source></source>
        <translation>Den här växten har inga foton ännu, varken egna eller i sina loggposter.</translation>
    </message>
    <message id="Choose two photos (Ctrl+click) to see them side by side.">
        <source></source>
        <translation>Välj två foton (Ctrl+klick) för att se dem sida vid sida.</translation>
    </message>
    <message id="Earlier photo">
        <source></source>
        <translation>Tidigare foto</translation>
    </message>
    <message id="Later photo">
        <source></source>
        <translation>Senare foto</translation>
    </message>
    <message id="%1 (%2 without a date)">
        <source></source>
        <translation>%1 (%2 utan datum)</translation>
    </message>
    <message id="Log Entries">
        <source></source>
        <translation>Loggposter</translation>
    </message>
    <message id="Watering Due">
        <source></source>
        <translation>Vattning förfaller</translation>
    </message>
    <message id="Reminders Due">
        <source></source>
        <translation>Förfallna påminnelser</translation>
    </message>
    <message id="%1:">
        <source></source>
        <translation>%1:</translation>
    </message>
    <message id="no collection at %1">
        <source></source>
        <translation>ingen samling vid %1</translation>
    </message>
    <message id="no snapshot was kept: %1">
        <source></source>
        <translation>ingen ögonblicksbild sparades: %1</translation>
    </message>
    <message id="%1 has no snapshot named %2 (spinora-cli backups %1 lists them); nothing was changed">
        <source></source>
        <translation>%1 har ingen ögonblicksbild som heter %2 (spinora-cli backups %1 listar dem); inget ändrades</translation>
    </message>
    <message id="%1 was not restored: %2">
        <source></source>
        <translation>%1 återställdes inte: %2</translation>
    </message>
    <message id="the collection as it was is kept as %1">
        <source></source>
        <translation>samlingen som den var sparas som %1</translation>
    </message>
    <message id="%1 needs a value">
        <source></source>
        <translation>%1 behöver ett värde</translation>
    </message>
    <message id="usage: %1">
        <source></source>
        <translation>användning: %1</translation>
    </message>
    <message id="%1 must be a whole number from %2 to %3, not “%4”">
        <source></source>
        <translation>%1 måste vara ett heltal från %2 till %3, inte ”%4”</translation>
    </message>
    <message id="%1 must be a local date and time as YYYY-MM-DD HH:MM, not “%2”">
        <source></source>
        <translation>%1 måste vara ett lokalt datum och en tid som ÅÅÅÅ-MM-DD TT:MM, inte ”%2”</translation>
    </message>
    <message id="the collection could not be written">
        <source></source>
        <translation>samlingen kunde inte skrivas</translation>
    </message>
    <message id="%1 is damaged: %2 Nothing was changed. “spinora-cli backups %1” lists its snapshots and “spinora-cli restore %1 SNAPSHOT” brings one back.">
        <source></source>
        <translation>%1 är skadad: %2 Inget ändrades. ”spinora-cli backups %1” listar dess ögonblicksbilder och ”spinora-cli restore %1 SNAPSHOT” återställer en av dem.</translation>
    </message>
    <message id="its photo file %1 is missing.">
        <source></source>
        <translation>dess fotofil %1 saknas.</translation>
    </message>
    <message id="%1 photo files are missing, the first %2.">
        <source></source>
        <translation>%1 fotofiler saknas, den första %2.</translation>
    </message>
    <message id="%1: a collection's name must end in .%2">
        <source></source>
        <translation>%1: namnet på en samling måste sluta på .%2</translation>
    </message>
    <message id="%1 already exists; nothing was changed">
        <source></source>
        <translation>%1 finns redan; inget ändrades</translation>
    </message>
    <message id="the folder %1 does not exist">
        <source></source>
        <translation>mappen %1 finns inte</translation>
    </message>
    <message id="the sample could not be written">
        <source></source>
        <translation>exemplet kunde inte skrivas</translation>
    </message>
    <message id="created %1 with %2 cacti, %3 watering schedules, %4 logs and %5 photos">
        <source></source>
        <translation>skapade %1 med %2 kaktusar, %3 vattningsscheman, %4 loggposter och %5 foton</translation>
    </message>
    <message id="list what? “%1” is not cacti, watering or logs">
        <source></source>
        <translation>lista vad? ”%1” är inte cacti, watering eller logs</translation>
    </message>
    <message id="at most three --no-water periods">
        <source></source>
        <translation>högst tre --no-water-perioder</translation>
    </message>
    <message id="--no-water must be MM-DD:MM-DD with real days, not “%1”">
        <source></source>
        <translation>--no-water måste vara MM-DD:MM-DD med verkliga dagar, inte ”%1”</translation>
    </message>
    <message id="warning: %1">
        <source></source>
        <translation>varning: %1</translation>
    </message>
    <message id="there is no session bus to post the notification on (%1)">
        <source></source>
        <translation>det finns ingen sessionsbuss att skicka aviseringen på (%1)</translation>
    </message>
    <message id="no notification service answers on the session bus (%1)">
        <source></source>
        <translation>ingen aviseringstjänst svarar på sessionsbussen (%1)</translation>
    </message>
    <message id="the notification service refused the notification (%1)">
        <source></source>
        <translation>aviseringstjänsten avvisade aviseringen (%1)</translation>
    </message>
    <message id="%1 wants a device address such as http://host:port, not “%2”">
        <source></source>
        <translation>%1 vill ha en enhetsadress som http://värd:port, inte ”%2”</translation>
    </message>
    <message id="the import failed; nothing was changed">
        <source></source>
        <translation>importen misslyckades; inget ändrades</translation>
    </message>
    <message id="the import failed; nothing was changed: %1">
        <source></source>
        <translation>importen misslyckades; inget ändrades: %1</translation>
    </message>
    <message id="download failed: %1">
        <source></source>
        <translation>hämtningen misslyckades: %1</translation>
    </message>
    <message id="upload failed: %1 - %2">
        <source></source>
        <translation>uppladdningen misslyckades: %1 - %2</translation>
    </message>
    <message id="service discovery failed: %1; it needs the avahi-daemon service (start it with &quot;systemctl start avahi-daemon&quot;)">
        <source></source>
        <translation>tjänstesökningen misslyckades: %1; den behöver tjänsten avahi-daemon (starta den med &quot;systemctl start avahi-daemon&quot;)</translation>
    </message>
    <message id="pull needs --from URL">
        <source></source>
        <translation>pull behöver --from URL</translation>
    </message>
    <message id="import option %1 does not fit a device in mode %2: %3">
        <source></source>
        <translation>importalternativet %1 passar inte en enhet i läget %2: %3</translation>
    </message>
    <message id="push needs --to URL">
        <source></source>
        <translation>push behöver --to URL</translation>
    </message>
    <message id="%1 Add --force to replace it.">
        <source></source>
        <translation>%1 Lägg till --force för att ersätta den.</translation>
    </message>
    <message id="%1 Nothing was written.">
        <source></source>
        <translation>%1 Inget skrevs.</translation>
    </message>
    <message id="Exporting to the open collection itself is not permitted">
        <source></source>
        <translation>Det är inte tillåtet att exportera till den öppna samlingen själv</translation>
    </message>
    <message id="%1: use export-csv for CSV files">
        <source></source>
        <translation>%1: använd export-csv för CSV-filer</translation>
    </message>
    <message id="%1: a CSV file's name must end in .csv">
        <source></source>
        <translation>%1: namnet på en CSV-fil måste sluta på .csv</translation>
    </message>
    <message id="Writing a report into the open collection itself is not permitted">
        <source></source>
        <translation>Det är inte tillåtet att skriva en rapport i den öppna samlingen själv</translation>
    </message>
    <message id="the file %1 could not be written">
        <source></source>
        <translation>filen %1 kunde inte skrivas</translation>
    </message>
    <message id="nothing to import at %1">
        <source></source>
        <translation>inget att importera vid %1</translation>
    </message>
    <message id="--map is for CSV files">
        <source></source>
        <translation>--map är för CSV-filer</translation>
    </message>
    <message id="--map: %1">
        <source></source>
        <translation>--map: %1</translation>
    </message>
    <message id="Importing from the open collection itself is not permitted">
        <source></source>
        <translation>Det är inte tillåtet att importera från den öppna samlingen själv</translation>
    </message>
    <message id="--page-size must be A4 or Letter, not “%1”">
        <source></source>
        <translation>--page-size måste vara A4 eller Letter, inte ”%1”</translation>
    </message>
    <message id="--record must be a record's key (a whole number), not “%1”">
        <source></source>
        <translation>--record måste vara en posts nyckel (ett heltal), inte ”%1”</translation>
    </message>
    <message id="--record needs a sheet screen (3, 4 or 5)">
        <source></source>
        <translation>--record behöver en bladskärm (3, 4 eller 5)</translation>
    </message>
    <message id="the collection has no cactus with the key %1">
        <source></source>
        <translation>samlingen har ingen kaktus med nyckeln %1</translation>
    </message>
    <message id="the collection has no cactus to print">
        <source></source>
        <translation>samlingen har ingen kaktus att skriva ut</translation>
    </message>
    <message id="the collection has no watering schedule with the key %1">
        <source></source>
        <translation>samlingen har inget vattningsschema med nyckeln %1</translation>
    </message>
    <message id="the collection has no watering schedule to print">
        <source></source>
        <translation>samlingen har inget vattningsschema att skriva ut</translation>
    </message>
    <message id="the collection has no log with the key %1">
        <source></source>
        <translation>samlingen har ingen loggpost med nyckeln %1</translation>
    </message>
    <message id="the collection has no log to print">
        <source></source>
        <translation>samlingen har ingen loggpost att skriva ut</translation>
    </message>
    <message id="--layout must be a4-3x8 or letter-3x10, not “%1”">
        <source></source>
        <translation>--layout måste vara a4-3x8 eller letter-3x10, inte ”%1”</translation>
    </message>
    <message id="no cactus matches “%1”">
        <source></source>
        <translation>ingen kaktus matchar ”%1”</translation>
    </message>
    <message id="due">
        <source></source>
        <translation>förfaller</translation>
    </message>
    <message id="1 day overdue">
        <source></source>
        <translation>försenad med 1 dag</translation>
    </message>
    <message id="%1 days overdue">
        <source></source>
        <translation>försenad med %1 dagar</translation>
    </message>
    <message id="nothing due">
        <source></source>
        <translation>inget förfaller</translation>
    </message>
    <message id="(no schedule)">
        <source></source>
        <translation>(inget schema)</translation>
    </message>
    <message id="(no plants)">
        <source></source>
        <translation>(inga växter)</translation>
    </message>
    <message id="%1: %2, next watering %3, %4">
        <source></source>
        <translation>%1: %2, nästa vattning %3, %4</translation>
    </message>
    <message id="reminder: %1, %2">
        <source></source>
        <translation>påminnelse: %1, %2</translation>
    </message>
    <message id="reminder: %1 (%2), %3">
        <source></source>
        <translation>påminnelse: %1 (%2), %3</translation>
    </message>
    <message id="1 plant to water">
        <source></source>
        <translation>1 växt att vattna</translation>
    </message>
    <message id="%1 plants to water">
        <source></source>
        <translation>%1 växter att vattna</translation>
    </message>
    <message id="1 reminder">
        <source></source>
        <translation>1 påminnelse</translation>
    </message>
    <message id="%1 reminders">
        <source></source>
        <translation>%1 påminnelser</translation>
    </message>
    <message id="%1 and %2">
        <source></source>
        <translation>%1 och %2</translation>
    </message>
    <message id="%1 today">
        <source></source>
        <translation>%1 i dag</translation>
    </message>
    <message id="%1 by %2">
        <source></source>
        <translation>%1 av %2</translation>
    </message>
    <message id="%1 and %2 more">
        <source></source>
        <translation>%1 och %2 till</translation>
    </message>
    <message id="nothing due: no notification">
        <source></source>
        <translation>inget förfaller: ingen avisering</translation>
    </message>
    <message id="%1 could not be started">
        <source></source>
        <translation>%1 kunde inte startas</translation>
    </message>
    <message id="--on must be a date as YYYY-MM-DD, not “%1”">
        <source></source>
        <translation>--on måste vara ett datum som ÅÅÅÅ-MM-DD, inte ”%1”</translation>
    </message>
    <message id="no collection named and no recent collection to check">
        <source></source>
        <translation>ingen samling angiven och ingen senaste samling att kontrollera</translation>
    </message>
    <message id="--at %1 lies in the future; a watering can only be recorded once it is done">
        <source></source>
        <translation>--at %1 ligger i framtiden; en vattning kan bara registreras när den är gjord</translation>
    </message>
    <message id="no watering schedule is named “%1”; nothing was changed">
        <source></source>
        <translation>inget vattningsschema heter ”%1”; inget ändrades</translation>
    </message>
    <message id="no cactus is named “%1”; nothing was changed">
        <source></source>
        <translation>ingen kaktus heter ”%1”; inget ändrades</translation>
    </message>
    <message id="the watering could not be recorded">
        <source></source>
        <translation>vattningen kunde inte registreras</translation>
    </message>
    <message id="unknown subcommand “%1” (see spinora-cli --help)">
        <source></source>
        <translation>okänt underkommando ”%1” (se spinora-cli --help)</translation>
    </message>
    <message id="The latest changes to “%1” could not be written: %2">
        <source></source>
        <translation>De senaste ändringarna i ”%1” kunde inte skrivas: %2</translation>
    </message>
    <message id="The window stays open so that they are not lost. Make room and close it again, or save the collection somewhere else.">
        <source></source>
        <translation>Fönstret förblir öppet så att de inte går förlorade. Frigör utrymme och stäng det igen, eller spara samlingen någon annanstans.</translation>
    </message>
    <message id="the photo could not be written into the collection (is the disk full?)">
        <source></source>
        <translation>fotot kunde inte skrivas till samlingen (är disken full?)</translation>
    </message>
    <message id="unknown option %1">
        <source></source>
        <translation>okänt alternativ %1</translation>
    </message>
    <message id="name at least one --schedule or --cactus">
        <source></source>
        <translation>ange minst en --schedule eller --cactus</translation>
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
        <translation>Kolumner i %1</translation>
    </message>
    <message id="This file is not in the Spinora CSV template layout. Choose what each column holds; its first rows are shown below it.">
        <source></source>
        <translation>Den här filen följer inte Spinoras CSV-mall. Välj vad varje kolumn innehåller; dess första rader visas under den.</translation>
    </message>
    <message id="Columns of the file">
        <source></source>
        <translation>Filens kolumner</translation>
    </message>
    <message id="Field of the column “%1”">
        <source></source>
        <translation>Fält för kolumnen ”%1”</translation>
    </message>
    <message id="Skip">
        <source></source>
        <translation>Hoppa över</translation>
    </message>
    <message id="Choose the column that holds the plants' names.">
        <source></source>
        <translation>Välj kolumnen med växternas namn.</translation>
    </message>
    <message id="%n hours" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n timme</numerusform>
            <numerusform>%n timmar</numerusform>
        </translation>
    </message>
    <message id="%n days" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n dag</numerusform>
            <numerusform>%n dagar</numerusform>
        </translation>
    </message>
    <message id="%n weeks" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n vecka</numerusform>
            <numerusform>%n veckor</numerusform>
        </translation>
    </message>
    <message id="%n months" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n månad</numerusform>
            <numerusform>%n månader</numerusform>
        </translation>
    </message>
    <message id="Keep the &amp;original file of each photo added (full detail, date taken)">
        <source></source>
        <translation>Behåll &amp;originalfilen för varje tillagt foto (full detalj, fotodatum)</translation>
    </message>
    <message id="The originals take %1 in the open collections.">
        <source></source>
        <translation>Originalen tar %1 i de öppna samlingarna.</translation>
    </message>
    <message id="Print Photo…">
        <source></source>
        <translation>Skriv ut foto…</translation>
    </message>
    <message id="Print the photo on a page">
        <source></source>
        <translation>Skriv ut fotot på en sida</translation>
    </message>
    <message id="Taken on %1 at %2">
        <source></source>
        <translation>Taget %1 kl. %2</translation>
    </message>
</context>
</TS>
