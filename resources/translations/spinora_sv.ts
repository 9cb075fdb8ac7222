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
    <message id="%1 of its photo files are missing, the first “%2”.">
        <source></source>
        <translation>%1 av dess fotofiler saknas, den första är ”%2”.</translation>
    </message>
    <message id="The collection “%1” is damaged, so it was not opened.">
        <source></source>
        <translation>Samlingen ”%1” är skadad och öppnades därför inte.</translation>
    </message>
    <message id="The newest good snapshot was taken on %1 and holds %2 plants, %3 logs and %4 photos. Restoring it replaces the collection; the damaged one is kept as a snapshot first.">
        <source></source>
        <translation>Den senaste felfria ögonblicksbilden togs %1 och innehåller %2 växter, %3 loggposter och %4 foton. Om du återställer den ersätts samlingen; den skadade sparas först som en ögonblicksbild.</translation>
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
    <message id="The collection will hold %1 plants, %2 logs and %3 photos. Its current state is kept as a snapshot first, so this can be undone by restoring that one.">
        <source></source>
        <translation>Samlingen kommer att innehålla %1 växter, %2 loggposter och %3 foton. Dess nuvarande tillstånd sparas först som en ögonblicksbild, så detta kan ångras genom att återställa den.</translation>
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
    <message id="The app will ask what you want to import.">
        <source></source>
        <translation>Appen frågar vad du vill importera.</translation>
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
    <message id="Line %1, column %2 (%3): &quot;%4&quot; could not be read and was not imported.">
        <source></source>
        <translation>Rad %1, kolumn %2 (%3): &quot;%4&quot; kunde inte läsas och importerades inte.</translation>
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
    <message id="The file is not in the Spinora CSV template layout and these columns could not be placed: &quot;%1&quot;. Give each column its field, for example --map &quot;%2&quot; (the fields are %3).">
        <source></source>
        <translation>Filen följer inte layouten i Spinoras CSV-mall och de här kolumnerna kunde inte placeras: &quot;%1&quot;. Ange varje kolumns fält, till exempel --map &quot;%2&quot; (fälten är %3).</translation>
    </message>
    <message id="&quot;%1&quot; is no COLUMN=FIELD pair.">
        <source></source>
        <translation>&quot;%1&quot; är inget KOLUMN=FÄLT-par.</translation>
    </message>
    <message id="&quot;%1&quot; is no field; the fields are %2.">
        <source></source>
        <translation>&quot;%1&quot; är inget fält; fälten är %2.</translation>
    </message>
    <message id="The file has no column &quot;%1&quot;.">
        <source></source>
        <translation>Filen har ingen kolumn &quot;%1&quot;.</translation>
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
    <message id="There is no file &quot;%1&quot;.">
        <source></source>
        <translation>Det finns ingen fil &quot;%1&quot;.</translation>
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
    <message id="&quot;%1&quot; already exists. Do you want to replace it?">
        <source></source>
        <translation>&quot;%1&quot; finns redan. Vill du ersätta den?</translation>
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
    <message id="%1 labels">
        <source></source>
        <translation>%1 etiketter</translation>
    </message>
    <message id="1 page">
        <source></source>
        <translation>1 sida</translation>
    </message>
    <message id="%1 pages">
        <source></source>
        <translation>%1 sidor</translation>
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
    <message id="Nothing was printed: the printer &quot;%1&quot; could not be used.">
        <source></source>
        <translation>Inget skrevs ut: skrivaren &quot;%1&quot; kunde inte användas.</translation>
    </message>
    <message id="Nothing was printed: the file &quot;%1&quot; could not be written.">
        <source></source>
        <translation>Inget skrevs ut: filen &quot;%1&quot; kunde inte skrivas.</translation>
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
</context>
<context>
    <name>PhotoStore</name>
    <message>
        <source>the photo could not be written into the collection (is the disk full?)</source>
        <translation>fotot kunde inte skrivas till samlingen (är disken full?)</translation>
    </message>
</context>
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <source>Page setup</source>
        <translation>Utskriftsformat</translation>
    </message>
</context>
<context>
    <name>Spinora</name>
    <message>
        <source>name|plant|plant name|cactus|label</source>
        <translation>namn|växt|växtnamn|kaktus|etikett</translation>
    </message>
    <message>
        <source>scientific|scientific name|botanical name|latin name|taxon|genus|species</source>
        <translation>vetenskapligt|vetenskapligt namn|botaniskt namn|latinskt namn|taxon|släkte|art</translation>
    </message>
    <message>
        <source>common|common name</source>
        <translation>svenskt namn|trivialnamn</translation>
    </message>
    <message>
        <source>type|plant type</source>
        <translation>typ|växttyp</translation>
    </message>
    <message>
        <source>watering|schedule|watering schedule</source>
        <translation>vattning|schema|vattningsschema</translation>
    </message>
    <message>
        <source>last watered</source>
        <translation>senast vattnad</translation>
    </message>
    <message>
        <source>next watering</source>
        <translation>nästa vattning</translation>
    </message>
    <message>
        <source>planted|plant date|date planted|sown</source>
        <translation>planterad|planteringsdatum|datum planterad|sådd</translation>
    </message>
    <message>
        <source>source|origin</source>
        <translation>källa|ursprung</translation>
    </message>
    <message>
        <source>acquired|date acquired|bought|purchased|purchase date</source>
        <translation>anskaffad|anskaffningsdatum|köpt|inköpt|inköpsdatum</translation>
    </message>
    <message>
        <source>price|purchase price|cost|paid</source>
        <translation>pris|inköpspris|kostnad|betalt</translation>
    </message>
    <message>
        <source>value|worth</source>
        <translation>värde|värd</translation>
    </message>
    <message>
        <source>location|place|position|bench|greenhouse</source>
        <translation>plats|placering|position|bänk|växthus</translation>
    </message>
    <message>
        <source>height</source>
        <translation>höjd</translation>
    </message>
    <message>
        <source>width|diameter</source>
        <translation>bredd|diameter</translation>
    </message>
    <message>
        <source>weight</source>
        <translation>vikt</translation>
    </message>
    <message>
        <source>light|sun</source>
        <translation>ljus|sol</translation>
    </message>
    <message>
        <source>temperature|temp|min temp</source>
        <translation>temperatur|temp|min temp</translation>
    </message>
    <message>
        <source>pot size|pot</source>
        <translation>krukstorlek|kruka</translation>
    </message>
    <message>
        <source>pot shape|shape</source>
        <translation>krukform|form</translation>
    </message>
    <message>
        <source>pot material|material</source>
        <translation>krukmaterial|material</translation>
    </message>
    <message>
        <source>notes|note|comments|comment|remarks|description</source>
        <translation>anteckningar|anteckning|kommentarer|kommentar|noteringar|beskrivning</translation>
    </message>
    <message>
        <source>id|#|no|no.|number|photo|photos|image|picture</source>
        <translation>id|#|nr|nr.|nummer|foto|foton|bild|bildfil</translation>
    </message>
</context>
<context>
    <name>spinora</name>
    <message>
        <source>Photos</source>
        <translation>Foton</translation>
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
        <translation>Larm</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Upptagen</translation>
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
        <translation>Börjar</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>Slutar</translation>
    </message>
    <message>
        <source>All-Day</source>
        <translation>Heldag</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Availability</source>
        <translation>Tillgänglighet</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Ta bort</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Spara</translation>
    </message>
    <message>
        <source>Kept in %1. To see these reminders in your desktop calendar, add this file to it as a calendar.</source>
        <translation>Lagras i %1. Lägg till den här filen som en kalender i skrivbordets kalender för att se påminnelserna där.</translation>
    </message>
    <message>
        <source>Add New Event</source>
        <translation>Lägg till ny händelse</translation>
    </message>
    <message>
        <source>Edit Event</source>
        <translation>Redigera händelse</translation>
    </message>
</context>
<context>
    <name>spinora::PhotoGridViewController</name>
    <message>
        <source>All Photos</source>
        <translation>Alla foton</translation>
    </message>
    <message>
        <source>Add Photos…</source>
        <translation>Lägg till foton…</translation>
    </message>
    <message>
        <source>Add photos from picture files. You can also drop picture files on the grid.</source>
        <translation>Lägg till foton från bildfiler. Du kan också släppa bildfiler i rutnätet.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Radera</translation>
    </message>
    <message>
        <source>Size of the photos</source>
        <translation>Storlek på fotona</translation>
    </message>
    <message>
        <source>Adding photos</source>
        <translation>Lägger till foton</translation>
    </message>
    <message>
        <source>Add Photos</source>
        <translation>Lägg till foton</translation>
    </message>
    <message>
        <source>Pictures (*.jpg *.jpeg *.png *.gif *.tif *.tiff *.bmp)</source>
        <translation>Bilder (*.jpg *.jpeg *.png *.gif *.tif *.tiff *.bmp)</translation>
    </message>
    <message>
        <source>No collection is open.</source>
        <translation>Ingen samling är öppen.</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>VARNING</translation>
    </message>
    <message>
        <source>This file was not added:</source>
        <translation>Den här filen lades inte till:</translation>
    </message>
    <message>
        <source>These files were not added:</source>
        <translation>De här filerna lades inte till:</translation>
    </message>
</context>
<context>
    <name>spinora::PhotoViewController</name>
    <message>
        <source>Caption</source>
        <translation>Bildtext</translation>
    </message>
</context>
<context>
    <name>spinora::ReportExport</name>
    <message>
        <source>photos</source>
        <translation>foton</translation>
    </message>
    <message>
        <source>Cacti Report</source>
        <translation>Kaktusrapport</translation>
    </message>
    <message>
        <source>Exported from %1 v%2 on %3</source>
        <translation>Exporterad från %1 v%2 den %3</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Sammanfattning</translation>
    </message>
    <message>
        <source>Total Cacti</source>
        <translation>Antal kaktusar</translation>
    </message>
    <message>
        <source>Total Watering Schedules</source>
        <translation>Antal vattningsscheman</translation>
    </message>
    <message>
        <source>Total Log Entries</source>
        <translation>Antal loggposter</translation>
    </message>
    <message>
        <source>Unique Species</source>
        <translation>Unika arter</translation>
    </message>
    <message>
        <source>Total Value</source>
        <translation>Totalt värde</translation>
    </message>
    <message>
        <source>Log History</source>
        <translation>Logghistorik</translation>
    </message>
    <message>
        <source>No Event Name</source>
        <translation>Inget händelsenamn</translation>
    </message>
    <message>
        <source>No Notes</source>
        <translation>Inga anteckningar</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ingen</translation>
    </message>
    <message>
        <source>No Water Between</source>
        <translation>Ingen vattning mellan</translation>
    </message>
    <message>
        <source>Cacti To Water</source>
        <translation>Kaktusar att vattna</translation>
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
