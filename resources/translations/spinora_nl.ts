<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name></name>
    <message id="Daily">
        <source></source>
        <translation>Dagelijks</translation>
    </message>
    <message id="Before an import">
        <source></source>
        <translation>Vóór een import</translation>
    </message>
    <message id="Before a restore">
        <source></source>
        <translation>Vóór een herstel</translation>
    </message>
    <message id="Kept by hand">
        <source></source>
        <translation>Met de hand bewaard</translation>
    </message>
    <message id="%1, damaged">
        <source></source>
        <translation>%1, beschadigd</translation>
    </message>
    <message id="Restore “%1” From Backup">
        <source></source>
        <translation>“%1” herstellen uit reservekopie</translation>
    </message>
    <message id="Snapshots are kept every day, before each import and before each restore. Open one to look at it or to import records from it, or restore the whole collection as it was.">
        <source></source>
        <translation>Er worden elke dag, vóór elke import en vóór elk herstel reservekopieën bewaard. Open er een om die te bekijken of om er gegevens uit te importeren, of herstel de hele verzameling zoals die toen was.</translation>
    </message>
    <message id="Snapshots">
        <source></source>
        <translation>Reservekopieën</translation>
    </message>
    <message id="&amp;Open Backup">
        <source></source>
        <translation>Reservekopie &amp;openen</translation>
    </message>
    <message id="&amp;Restore…">
        <source></source>
        <translation>&amp;Herstellen…</translation>
    </message>
    <message id="Spinora cannot set a daily reminder on this desktop: its login entry %1 could not be written.">
        <source></source>
        <translation>Spinora kan op dit bureaublad geen dagelijkse herinnering instellen: de aanmeldingsregel %1 kon niet worden geschreven.</translation>
    </message>
    <message id="This desktop cannot wake Spinora at a set time, so it will look for plants to water each time you log in instead of every day at %1.">
        <source></source>
        <translation>Dit bureaublad kan Spinora niet op een vast tijdstip wekken; daarom wordt bij elke aanmelding gezocht naar planten die gegoten moeten worden, in plaats van elke dag om %1.</translation>
    </message>
    <message id="Restore From Backup…">
        <source></source>
        <translation>Herstellen uit reservekopie…</translation>
    </message>
    <message id="&amp;Keep snapshots of each collection: daily, and before each import or restore">
        <source></source>
        <translation>Reservekopieën van elke verzameling &amp;bewaren: dagelijks en vóór elke import of elk herstel</translation>
    </message>
    <message id="&amp;Folder:">
        <source></source>
        <translation>&amp;Map:</translation>
    </message>
    <message id="C&amp;hoose…">
        <source></source>
        <translation>&amp;Kiezen…</translation>
    </message>
    <message id=" GB">
        <source></source>
        <translation> GB</translation>
    </message>
    <message id="&amp;Use at most:">
        <source></source>
        <translation>&amp;Hoogstens gebruiken:</translation>
    </message>
    <message id="Snapshot Folder">
        <source></source>
        <translation>Map voor reservekopieën</translation>
    </message>
    <message id="Restore Snapshot">
        <source></source>
        <translation>Reservekopie herstellen</translation>
    </message>
    <message id="Open Anyway">
        <source></source>
        <translation>Toch openen</translation>
    </message>
    <message id="Its photo file “%1” is missing.">
        <source></source>
        <translation>Zijn fotobestand “%1” ontbreekt.</translation>
    </message>
    <message id="%1 of its photo files are missing, the first “%2”.">
        <source></source>
        <translation>%1 van zijn fotobestanden ontbreken, het eerste is “%2”.</translation>
    </message>
    <message id="The collection “%1” is damaged, so it was not opened.">
        <source></source>
        <translation>De verzameling “%1” is beschadigd en is daarom niet geopend.</translation>
    </message>
    <message id="The newest good snapshot was taken on %1 and holds %2 plants, %3 logs and %4 photos. Restoring it replaces the collection; the damaged one is kept as a snapshot first.">
        <source></source>
        <translation>De nieuwste goede reservekopie is gemaakt op %1 en bevat %2 planten, %3 logboekregels en %4 foto&apos;s. Door deze te herstellen wordt de verzameling vervangen; de beschadigde wordt eerst als reservekopie bewaard.</translation>
    </message>
    <message id="There is no snapshot of it to restore.">
        <source></source>
        <translation>Er is geen reservekopie van om te herstellen.</translation>
    </message>
    <message id="The snapshot could not be restored: %1">
        <source></source>
        <translation>De reservekopie kon niet worden hersteld: %1</translation>
    </message>
    <message id="%1. The collection is open as usual; free some space or choose another backup folder in Preferences.">
        <source></source>
        <translation>%1. De verzameling is gewoon geopend; maak ruimte vrij of kies in de Voorkeuren een andere map voor reservekopieën.</translation>
    </message>
    <message id="Restore “%1” as it was on %2?">
        <source></source>
        <translation>“%1” herstellen zoals het was op %2?</translation>
    </message>
    <message id="The collection will hold %1 plants, %2 logs and %3 photos. Its current state is kept as a snapshot first, so this can be undone by restoring that one.">
        <source></source>
        <translation>De verzameling zal %1 planten, %2 logboekregels en %3 foto&apos;s bevatten. De huidige toestand wordt eerst als reservekopie bewaard, zodat u dit ongedaan kunt maken door die te herstellen.</translation>
    </message>
    <message id="Restore">
        <source></source>
        <translation>Herstellen</translation>
    </message>
    <message id="The collection was not restored: %1">
        <source></source>
        <translation>De verzameling is niet hersteld: %1</translation>
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
        <translation>Geen apparaten gevonden. Start Spinora op uw iPhone, iPad of iPod touch en kies op het scherm “Tools” de optie “Backup Database” of “Export Data”.</translation>
    </message>
    <message id="No devices found. Load Spinora on your iPhone, iPad, or iPod touch, and select Restore Database or Import Data on the Tools screen.">
        <source></source>
        <translation>Geen apparaten gevonden. Start Spinora op uw iPhone, iPad of iPod touch en kies op het scherm “Tools” de optie “Restore Database” of “Import Data”.</translation>
    </message>
    <message id="Select a device from the list.">
        <source></source>
        <translation>Kies een apparaat uit de lijst.</translation>
    </message>
    <message id="No devices found: the search for devices on the network failed (%1). It needs the avahi-daemon service: start it (for example with &quot;systemctl start avahi-daemon&quot;), then open this window again.">
        <source></source>
        <translation>Geen apparaten gevonden: het zoeken naar apparaten op het netwerk is mislukt (%1). Hiervoor is de dienst avahi-daemon nodig: start deze (bijvoorbeeld met &quot;systemctl start avahi-daemon&quot;) en open dit venster dan opnieuw.</translation>
    </message>
    <message id="it stopped">
        <source></source>
        <translation>het is gestopt</translation>
    </message>
    <message id="Click the Export button to send the database to your device.">
        <source></source>
        <translation>Klik op de knop Exporteren om de database naar uw apparaat te sturen.</translation>
    </message>
    <message id="The app will ask what you want to import.">
        <source></source>
        <translation>De app vraagt wat u wilt importeren.</translation>
    </message>
    <message id="Import Complete">
        <source></source>
        <translation>Import voltooid</translation>
    </message>
    <message id="Database import complete!">
        <source></source>
        <translation>Import van de database voltooid!</translation>
    </message>
    <message id="Import Error">
        <source></source>
        <translation>Importfout</translation>
    </message>
    <message id="An error occurred during the import! Database import was aborted and no changes were made.">
        <source></source>
        <translation>Er is een fout opgetreden bij het importeren! De import van de database is afgebroken en er is niets gewijzigd.</translation>
    </message>
    <message id="WARNING">
        <source></source>
        <translation>WAARSCHUWING</translation>
    </message>
    <message id="Error transferring database!">
        <source></source>
        <translation>Fout bij het overbrengen van de database!</translation>
    </message>
    <message id="Check Device">
        <source></source>
        <translation>Apparaat controleren</translation>
    </message>
    <message id="Database transferred! Check your device for further instructions.">
        <source></source>
        <translation>Database overgebracht! Kijk op uw apparaat voor verdere instructies.</translation>
    </message>
    <message id="No collection is open.">
        <source></source>
        <translation>Er is geen verzameling geopend.</translation>
    </message>
    <message id="The request timed out.">
        <source></source>
        <translation>Er is een time-out opgetreden bij het verzoek.</translation>
    </message>
    <message id="Not a device address: %1">
        <source></source>
        <translation>Geen apparaatadres: %1</translation>
    </message>
    <message id="No folder for temporary files.">
        <source></source>
        <translation>Geen map voor tijdelijke bestanden.</translation>
    </message>
    <message id="HTTP error %1">
        <source></source>
        <translation>HTTP-fout %1</translation>
    </message>
    <message id="The file on the device is larger than %1 MB.">
        <source></source>
        <translation>Het bestand op het apparaat is groter dan %1 MB.</translation>
    </message>
    <message id="The device did not send a Spinora database.">
        <source></source>
        <translation>Het apparaat heeft geen Spinora-database gestuurd.</translation>
    </message>
    <message id="The device closed the connection before the whole file had arrived.">
        <source></source>
        <translation>Het apparaat heeft de verbinding verbroken voordat het hele bestand was aangekomen.</translation>
    </message>
    <message id="The downloaded file could not be written.">
        <source></source>
        <translation>Het gedownloade bestand kon niet worden geschreven.</translation>
    </message>
    <message id="File read error">
        <source></source>
        <translation>Fout bij het lezen van het bestand</translation>
    </message>
    <message id="Stream open error">
        <source></source>
        <translation>Fout bij het openen van de gegevensstroom</translation>
    </message>
    <message id="Network write error">
        <source></source>
        <translation>Fout bij het schrijven naar het netwerk</translation>
    </message>
    <message id="Import Options">
        <source></source>
        <translation>Importopties</translation>
    </message>
    <message id="Cancel">
        <source></source>
        <translation>Annuleren</translation>
    </message>
    <message id="Import">
        <source></source>
        <translation>Importeren</translation>
    </message>
    <message id="Export">
        <source></source>
        <translation>Exporteren</translation>
    </message>
    <message id="Importing Database">
        <source></source>
        <translation>Database wordt geïmporteerd</translation>
    </message>
    <message id="Exporting Database">
        <source></source>
        <translation>Database wordt geëxporteerd</translation>
    </message>
    <message id="OK">
        <source></source>
        <translation>OK</translation>
    </message>
    <message id="A name is needed to save">
        <source></source>
        <translation>Om op te slaan is een naam nodig</translation>
    </message>
    <message id="Name">
        <source></source>
        <translation>Naam</translation>
    </message>
    <message id="Remove">
        <source></source>
        <translation>Verwijderen</translation>
    </message>
    <message id="Remove the currently selected species from the list.">
        <source></source>
        <translation>De geselecteerde soort uit de lijst verwijderen.</translation>
    </message>
    <message id="Species">
        <source></source>
        <translation>Soort</translation>
    </message>
    <message id="New species are automatically added to the list when saving the Cactus Info">
        <source></source>
        <translation>Nieuwe soorten worden automatisch aan de lijst toegevoegd als de cactusgegevens worden opgeslagen</translation>
    </message>
    <message id="Type">
        <source></source>
        <translation>Type</translation>
    </message>
    <message id="Open…">
        <source></source>
        <translation>Openen…</translation>
    </message>
    <message id="Open the watering schedule">
        <source></source>
        <translation>Het gietschema openen</translation>
    </message>
    <message id="Watering">
        <source></source>
        <translation>Gieten</translation>
    </message>
    <message id="Next Watering">
        <source></source>
        <translation>Volgende gietbeurt</translation>
    </message>
    <message id="Plant Date">
        <source></source>
        <translation>Plantdatum</translation>
    </message>
    <message id="Age">
        <source></source>
        <translation>Leeftijd</translation>
    </message>
    <message id="Date Acquired">
        <source></source>
        <translation>Aanschafdatum</translation>
    </message>
    <message id="Changing the Last Watered date may cause watering for this plant to become out of sync with its associated watering schedule">
        <source></source>
        <translation>Als u de datum Laatst gegoten wijzigt, kan het gieten van deze plant uit de pas gaan lopen met het bijbehorende gietschema</translation>
    </message>
    <message id="Remove Species">
        <source></source>
        <translation>Soort verwijderen</translation>
    </message>
    <message id="Purchase Price">
        <source></source>
        <translation>Aankoopprijs</translation>
    </message>
    <message id="Value">
        <source></source>
        <translation>Waarde</translation>
    </message>
    <message id="Add Cactus">
        <source></source>
        <translation>Cactus toevoegen</translation>
    </message>
    <message id="Edit Cactus">
        <source></source>
        <translation>Cactus bewerken</translation>
    </message>
    <message id="New Cactus">
        <source></source>
        <translation>Nieuwe cactus</translation>
    </message>
    <message id="Cactus Info">
        <source></source>
        <translation>Cactusgegevens</translation>
    </message>
    <message id="Adding photos…">
        <source></source>
        <translation>Foto&apos;s worden toegevoegd…</translation>
    </message>
    <message id="Keep Editing">
        <source></source>
        <translation>Verder bewerken</translation>
    </message>
    <message id="%1: “%2” is not an amount such as %3.">
        <source></source>
        <translation>%1: “%2” is geen bedrag zoals %3.</translation>
    </message>
    <message id="%1: a whole number of %2 or more is needed.">
        <source></source>
        <translation>%1: er is een geheel getal van %2 of meer nodig.</translation>
    </message>
    <message id="%1: “%2” is not a whole number of %3 or more.">
        <source></source>
        <translation>%1: “%2” is geen geheel getal van %3 of meer.</translation>
    </message>
    <message id="%1 can hold at most %2 characters.">
        <source></source>
        <translation>%1 mag hoogstens %2 tekens bevatten.</translation>
    </message>
    <message id="Of the %1 characters inserted, %2 fit.">
        <source></source>
        <translation>Van de %1 ingevoegde tekens passen er %2.</translation>
    </message>
    <message id="Insert the First %1">
        <source></source>
        <translation>De eerste %1 invoegen</translation>
    </message>
    <message id="Insert Nothing">
        <source></source>
        <translation>Niets invoegen</translation>
    </message>
    <message id="Just Watered">
        <source></source>
        <translation>Net gegoten</translation>
    </message>
    <message id="Last Watered">
        <source></source>
        <translation>Laatst gegoten</translation>
    </message>
    <message id="None Scheduled">
        <source></source>
        <translation>Niets gepland</translation>
    </message>
    <message id="Reminder: No">
        <source></source>
        <translation>Herinnering: nee</translation>
    </message>
    <message id="Reminder: Yes">
        <source></source>
        <translation>Herinnering: ja</translation>
    </message>
    <message id="An event name is needed to save">
        <source></source>
        <translation>Om op te slaan is een gebeurtenisnaam nodig</translation>
    </message>
    <message id="Remove the event name from the list.">
        <source></source>
        <translation>De gebeurtenisnaam uit de lijst verwijderen.</translation>
    </message>
    <message id="Event">
        <source></source>
        <translation>Gebeurtenis</translation>
    </message>
    <message id="Date">
        <source></source>
        <translation>Datum</translation>
    </message>
    <message id="Reminder">
        <source></source>
        <translation>Herinnering</translation>
    </message>
    <message id="Open the cactus">
        <source></source>
        <translation>De cactus openen</translation>
    </message>
    <message id="New…">
        <source></source>
        <translation>Nieuw…</translation>
    </message>
    <message id="Add a new cactus">
        <source></source>
        <translation>Een nieuwe cactus toevoegen</translation>
    </message>
    <message id="Cactus">
        <source></source>
        <translation>Cactus</translation>
    </message>
    <message id="Remove Event">
        <source></source>
        <translation>Gebeurtenis verwijderen</translation>
    </message>
    <message id="Unnamed Cactus">
        <source></source>
        <translation>Naamloze cactus</translation>
    </message>
    <message id="No Notes">
        <source></source>
        <translation>Geen notities</translation>
    </message>
    <message id="Note">
        <source></source>
        <translation>Notitie</translation>
    </message>
    <message id="Add Log">
        <source></source>
        <translation>Logboekregel toevoegen</translation>
    </message>
    <message id="Edit Log">
        <source></source>
        <translation>Logboekregel bewerken</translation>
    </message>
    <message id="New Log">
        <source></source>
        <translation>Nieuwe logboekregel</translation>
    </message>
    <message id="Log Info">
        <source></source>
        <translation>Logboekregelgegevens</translation>
    </message>
    <message id="Photo %1">
        <source></source>
        <translation>Foto %1</translation>
    </message>
    <message id="Add Photo…">
        <source></source>
        <translation>Foto toevoegen…</translation>
    </message>
    <message id="Add photos from files">
        <source></source>
        <translation>Foto&apos;s uit bestanden toevoegen</translation>
    </message>
    <message id="Caption">
        <source></source>
        <translation>Bijschrift</translation>
    </message>
    <message id="Print">
        <source></source>
        <translation>Afdrukken</translation>
    </message>
    <message id="Photos">
        <source></source>
        <translation>Foto&apos;s</translation>
    </message>
    <message id="Notes">
        <source></source>
        <translation>Notities</translation>
    </message>
    <message id="“%1” is already open in another window. Finish editing it there first.">
        <source></source>
        <translation>“%1” is al geopend in een ander venster. Rond het bewerken daar eerst af.</translation>
    </message>
    <message id="Cacti To Water">
        <source></source>
        <translation>Te gieten cactussen</translation>
    </message>
    <message id="Close">
        <source></source>
        <translation>Sluiten</translation>
    </message>
    <message id="%1, Day">
        <source></source>
        <translation>%1, dag</translation>
    </message>
    <message id="Water Every">
        <source></source>
        <translation>Gieten elke</translation>
    </message>
    <message id="Quantity">
        <source></source>
        <translation>Aantal</translation>
    </message>
    <message id="Clear Date">
        <source></source>
        <translation>Datum wissen</translation>
    </message>
    <message id="No Water Between">
        <source></source>
        <translation>Niet gieten tussen</translation>
    </message>
    <message id="Choose the cacti that follow this schedule">
        <source></source>
        <translation>Kies de cactussen die dit gietschema volgen</translation>
    </message>
    <message id="Add Cacti">
        <source></source>
        <translation>Cactussen toevoegen</translation>
    </message>
    <message id="Remove the selected cacti from this schedule">
        <source></source>
        <translation>De geselecteerde cactussen uit dit gietschema verwijderen</translation>
    </message>
    <message id="Remove Cacti">
        <source></source>
        <translation>Cactussen verwijderen</translation>
    </message>
    <message id="Remove Cactus">
        <source></source>
        <translation>Cactus verwijderen</translation>
    </message>
    <message id="Add Watering Schedule">
        <source></source>
        <translation>Gietschema toevoegen</translation>
    </message>
    <message id="Edit Watering Schedule">
        <source></source>
        <translation>Gietschema bewerken</translation>
    </message>
    <message id="New Watering Schedule">
        <source></source>
        <translation>Nieuw gietschema</translation>
    </message>
    <message id="Watering Schedule Info">
        <source></source>
        <translation>Gietschemagegevens</translation>
    </message>
    <message id="Never">
        <source></source>
        <translation>Nooit</translation>
    </message>
    <message id="Example Cactus">
        <source></source>
        <translation>Voorbeeldcactus</translation>
    </message>
    <message id="Greenhouse">
        <source></source>
        <translation>Kas</translation>
    </message>
    <message id="One plant a line; empty columns are left out.">
        <source></source>
        <translation>Eén plant per regel; lege kolommen worden weggelaten.</translation>
    </message>
    <message id="Example Schedule">
        <source></source>
        <translation>Voorbeeldgietschema</translation>
    </message>
    <message id="Repotted">
        <source></source>
        <translation>Verpot</translation>
    </message>
    <message id="Cacti">
        <source></source>
        <translation>Cactussen</translation>
    </message>
    <message id="Logs">
        <source></source>
        <translation>Logboekregels</translation>
    </message>
    <message id="Line %1, column %2 (%3): &quot;%4&quot; could not be read and was not imported.">
        <source></source>
        <translation>Regel %1, kolom %2 (%3): &quot;%4&quot; kon niet worden gelezen en is niet geïmporteerd.</translation>
    </message>
    <message id="%1 more fields could not be read and were not imported.">
        <source></source>
        <translation>Nog %1 velden konden niet worden gelezen en zijn niet geïmporteerd.</translation>
    </message>
    <message id="No column of the mapping gives the plants' names.">
        <source></source>
        <translation>Geen enkele kolom van de toewijzing bevat de namen van de planten.</translation>
    </message>
    <message id="(a column of plant names)">
        <source></source>
        <translation>(een kolom met plantnamen)</translation>
    </message>
    <message id="The file is not in the Spinora CSV template layout and these columns could not be placed: &quot;%1&quot;. Give each column its field, for example --map &quot;%2&quot; (the fields are %3).">
        <source></source>
        <translation>Het bestand heeft niet de opmaak van het Spinora CSV-sjabloon en deze kolommen konden niet worden geplaatst: &quot;%1&quot;. Geef elke kolom zijn veld, bijvoorbeeld --map &quot;%2&quot; (de velden zijn %3).</translation>
    </message>
    <message id="&quot;%1&quot; is no COLUMN=FIELD pair.">
        <source></source>
        <translation>&quot;%1&quot; is geen paar van de vorm KOLOM=VELD.</translation>
    </message>
    <message id="&quot;%1&quot; is no field; the fields are %2.">
        <source></source>
        <translation>&quot;%1&quot; is geen veld; de velden zijn %2.</translation>
    </message>
    <message id="The file has no column &quot;%1&quot;.">
        <source></source>
        <translation>Het bestand heeft geen kolom &quot;%1&quot;.</translation>
    </message>
    <message id="%1. Nothing was imported. Free some space or choose another backup folder in Preferences, then try again.">
        <source></source>
        <translation>%1. Er is niets geïmporteerd. Maak ruimte vrij of kies in de Voorkeuren een andere map voor reservekopieën en probeer het dan opnieuw.</translation>
    </message>
    <message id="The import was saved, but the collection could not be read again (%1), so it was taken back.">
        <source></source>
        <translation>De import is opgeslagen, maar de verzameling kon niet opnieuw worden gelezen (%1), dus is de import teruggedraaid.</translation>
    </message>
    <message id="The import was saved, but the collection could not be read again (%1). This window still shows the collection as it was before: close it and open the collection again, or undo the import (Edit > Undo Import).">
        <source></source>
        <translation>De import is opgeslagen, maar de verzameling kon niet opnieuw worden gelezen (%1). Dit venster toont de verzameling nog zoals die eerst was: sluit het en open de verzameling opnieuw, of maak de import ongedaan (Bewerken &gt; Import ongedaan maken).</translation>
    </message>
    <message id="The import was saved, but the collection could not be read again (%1). This window still shows the collection as it was before: close it and open the collection again.">
        <source></source>
        <translation>De import is opgeslagen, maar de verzameling kon niet opnieuw worden gelezen (%1). Dit venster toont de verzameling nog zoals die eerst was: sluit het en open de verzameling opnieuw.</translation>
    </message>
    <message id="Cacti imported: %1">
        <source></source>
        <translation>Geïmporteerde cactussen: %1</translation>
    </message>
    <message id="Watering schedules imported: %1">
        <source></source>
        <translation>Geïmporteerde gietschema&apos;s: %1</translation>
    </message>
    <message id="Logs imported: %1">
        <source></source>
        <translation>Geïmporteerde logboekregels: %1</translation>
    </message>
    <message id="Not everything could be imported:">
        <source></source>
        <translation>Niet alles kon worden geïmporteerd:</translation>
    </message>
    <message id="... and %1 more.">
        <source></source>
        <translation>... en nog %1.</translation>
    </message>
    <message id="Report Folder">
        <source></source>
        <translation>Rapportmap</translation>
    </message>
    <message id="Report File">
        <source></source>
        <translation>Rapportbestand</translation>
    </message>
    <message id="Export Options">
        <source></source>
        <translation>Exportopties</translation>
    </message>
    <message id="Browse">
        <source></source>
        <translation>Bladeren</translation>
    </message>
    <message id="Small photos">
        <source></source>
        <translation>Kleine foto&apos;s</translation>
    </message>
    <message id="Medium photos">
        <source></source>
        <translation>Middelgrote foto&apos;s</translation>
    </message>
    <message id="Large photos">
        <source></source>
        <translation>Grote foto&apos;s</translation>
    </message>
    <message id="Extra-Large photos">
        <source></source>
        <translation>Extra grote foto&apos;s</translation>
    </message>
    <message id="Export to HTML Report">
        <source></source>
        <translation>Exporteren naar HTML-rapport</translation>
    </message>
    <message id="Choose Folder">
        <source></source>
        <translation>Map kiezen</translation>
    </message>
    <message id="Exporting Report">
        <source></source>
        <translation>Rapport wordt geëxporteerd</translation>
    </message>
    <message id="Export Complete">
        <source></source>
        <translation>Export voltooid</translation>
    </message>
    <message id="Report export complete!">
        <source></source>
        <translation>Export van het rapport voltooid!</translation>
    </message>
    <message id="Export Error">
        <source></source>
        <translation>Exportfout</translation>
    </message>
    <message id="An error occurred during report export.">
        <source></source>
        <translation>Er is een fout opgetreden bij het exporteren van het rapport.</translation>
    </message>
    <message id="Complete Database">
        <source></source>
        <translation>Volledige database</translation>
    </message>
    <message id="Cacti and Watering Schedules">
        <source></source>
        <translation>Cactussen en gietschema&apos;s</translation>
    </message>
    <message id="Watering Schedules">
        <source></source>
        <translation>Gietschema&apos;s</translation>
    </message>
    <message id="Note: The CSV file must be formatted according to the Spinora CSV Template">
        <source></source>
        <translation>Let op: het CSV-bestand moet zijn opgemaakt volgens het Spinora CSV-sjabloon</translation>
    </message>
    <message id="save it">
        <source></source>
        <translation>opslaan</translation>
    </message>
    <message id="or be a spreadsheet of plants, one a line, whose column headers name their fields.">
        <source></source>
        <translation>of een spreadsheet met planten zijn, één per regel, waarvan de kolomkoppen hun velden noemen.</translation>
    </message>
    <message id="Choose">
        <source></source>
        <translation>Kiezen</translation>
    </message>
    <message id="The chosen folder is not a Spinora database. Please select a folder ending in .sdb, or the spinora.db file inside one.">
        <source></source>
        <translation>De gekozen map is geen Spinora-database. Kies een map waarvan de naam op .sdb eindigt, of het bestand spinora.db daarin.</translation>
    </message>
    <message id="Importing from a currently open database is not permitted. Please select another database for import.">
        <source></source>
        <translation>Importeren uit een database die nu geopend is, is niet toegestaan. Kies een andere database voor de import.</translation>
    </message>
    <message id="Exporting to a currently open database is not permitted. Please select another database for export.">
        <source></source>
        <translation>Exporteren naar een database die nu geopend is, is niet toegestaan. Kies een andere database voor de export.</translation>
    </message>
    <message id="There is no file &quot;%1&quot;.">
        <source></source>
        <translation>Er is geen bestand &quot;%1&quot;.</translation>
    </message>
    <message id="Database export complete!">
        <source></source>
        <translation>Export van de database voltooid!</translation>
    </message>
    <message id="An error occurred during the export! Database export was aborted and no changes were made.">
        <source></source>
        <translation>Er is een fout opgetreden bij het exporteren! De export van de database is afgebroken en er is niets gewijzigd.</translation>
    </message>
    <message id="Save the CSV Template">
        <source></source>
        <translation>Het CSV-sjabloon opslaan</translation>
    </message>
    <message id="Spinora CSV Template">
        <source></source>
        <translation>Spinora CSV-sjabloon</translation>
    </message>
    <message id="CSV File">
        <source></source>
        <translation>CSV-bestand</translation>
    </message>
    <message id="The file %1 could not be written.">
        <source></source>
        <translation>Het bestand %1 kon niet worden geschreven.</translation>
    </message>
    <message id="Stopping...">
        <source></source>
        <translation>Bezig met stoppen...</translation>
    </message>
    <message id="&quot;%1&quot; already exists. Do you want to replace it?">
        <source></source>
        <translation>&quot;%1&quot; bestaat al. Wilt u het vervangen?</translation>
    </message>
    <message id="More Toolbar Items">
        <source></source>
        <translation>Meer werkbalkitems</translation>
    </message>
    <message id="Exported from %1 v%2 on %3">
        <source></source>
        <translation>Geëxporteerd uit %1 v%2 op %3</translation>
    </message>
    <message id="Source">
        <source></source>
        <translation>Herkomst</translation>
    </message>
    <message id="Location">
        <source></source>
        <translation>Standplaats</translation>
    </message>
    <message id="Log History">
        <source></source>
        <translation>Logboekgeschiedenis</translation>
    </message>
    <message id="None">
        <source></source>
        <translation>Geen</translation>
    </message>
    <message id="Yes">
        <source></source>
        <translation>Ja</translation>
    </message>
    <message id="No">
        <source></source>
        <translation>Nee</translation>
    </message>
    <message id="Print Labels">
        <source></source>
        <translation>Etiketten afdrukken</translation>
    </message>
    <message id="Selected cacti (%1)">
        <source></source>
        <translation>Geselecteerde cactussen (%1)</translation>
    </message>
    <message id="All listed cacti (%1)">
        <source></source>
        <translation>Alle weergegeven cactussen (%1)</translation>
    </message>
    <message id="Layout:">
        <source></source>
        <translation>Opmaak:</translation>
    </message>
    <message id="Labels for:">
        <source></source>
        <translation>Etiketten voor:</translation>
    </message>
    <message id="Print...">
        <source></source>
        <translation>Afdrukken...</translation>
    </message>
    <message id="1 label">
        <source></source>
        <translation>1 etiket</translation>
    </message>
    <message id="%1 labels">
        <source></source>
        <translation>%1 etiketten</translation>
    </message>
    <message id="1 page">
        <source></source>
        <translation>1 pagina</translation>
    </message>
    <message id="%1 pages">
        <source></source>
        <translation>%1 pagina&apos;s</translation>
    </message>
    <message id="%1 Labels">
        <source></source>
        <translation>%1 etiketten</translation>
    </message>
    <message id="Page Setup">
        <source></source>
        <translation>Pagina-instelling</translation>
    </message>
    <message id="Portrait">
        <source></source>
        <translation>Staand</translation>
    </message>
    <message id="Landscape">
        <source></source>
        <translation>Liggend</translation>
    </message>
    <message id="Paper Size">
        <source></source>
        <translation>Papierformaat</translation>
    </message>
    <message id="Orientation">
        <source></source>
        <translation>Afdrukstand</translation>
    </message>
    <message id="Top Margin">
        <source></source>
        <translation>Bovenmarge</translation>
    </message>
    <message id="Bottom Margin">
        <source></source>
        <translation>Ondermarge</translation>
    </message>
    <message id="Left Margin">
        <source></source>
        <translation>Linkermarge</translation>
    </message>
    <message id="Right Margin">
        <source></source>
        <translation>Rechtermarge</translation>
    </message>
    <message id="Nothing was printed: the printer &quot;%1&quot; could not be used.">
        <source></source>
        <translation>Er is niets afgedrukt: de printer &quot;%1&quot; kon niet worden gebruikt.</translation>
    </message>
    <message id="Nothing was printed: the file &quot;%1&quot; could not be written.">
        <source></source>
        <translation>Er is niets afgedrukt: het bestand &quot;%1&quot; kon niet worden geschreven.</translation>
    </message>
    <message id="Print Preview">
        <source></source>
        <translation>Afdrukvoorbeeld</translation>
    </message>
    <message id="Nothing was changed.">
        <source></source>
        <translation>Er is niets gewijzigd.</translation>
    </message>
    <message id="No title">
        <source></source>
        <translation>Geen titel</translation>
    </message>
    <message id="Unknown">
        <source></source>
        <translation>Onbekend</translation>
    </message>
    <message id="year">
        <source></source>
        <translation>jaar</translation>
    </message>
    <message id="years">
        <source></source>
        <translation>jaren</translation>
    </message>
    <message id="No event">
        <source></source>
        <translation>Geen gebeurtenis</translation>
    </message>
    <message id="Today">
        <source></source>
        <translation>Vandaag</translation>
    </message>
    <message id="overdue since %1">
        <source></source>
        <translation>te laat sinds %1</translation>
    </message>
    <message id="resting until %1">
        <source></source>
        <translation>in rustperiode tot %1</translation>
    </message>
    <message id="Tomorrow">
        <source></source>
        <translation>Morgen</translation>
    </message>
    <message id="in %1 days">
        <source></source>
        <translation>over %1 dagen</translation>
    </message>
    <message id="Mark as Watered">
        <source></source>
        <translation>Als gegoten markeren</translation>
    </message>
    <message id="There is no space left on the disk. Free some space, then try again.">
        <source></source>
        <translation>Er is geen ruimte meer op de schijf. Maak ruimte vrij en probeer het dan opnieuw.</translation>
    </message>
    <message id="The collection cannot be written: its disk or folder is read-only.">
        <source></source>
        <translation>Er kan niet naar de verzameling worden geschreven: de schijf of map is alleen-lezen.</translation>
    </message>
    <message id="Another program is using the collection. Try again once it has finished.">
        <source></source>
        <translation>Een ander programma gebruikt de verzameling. Probeer het opnieuw zodra het klaar is.</translation>
    </message>
    <message id="The disk could not be read or written. Check the disk, then try again.">
        <source></source>
        <translation>De schijf kon niet worden gelezen of beschreven. Controleer de schijf en probeer het dan opnieuw.</translation>
    </message>
    <message id="The collection's database file is damaged.">
        <source></source>
        <translation>Het databasebestand van de verzameling is beschadigd.</translation>
    </message>
    <message id="No species">
        <source></source>
        <translation>Geen soort</translation>
    </message>
    <message id="Print Labels...">
        <source></source>
        <translation>Etiketten afdrukken...</translation>
    </message>
    <message id="Deleting this cactus will also delete all of its logs">
        <source></source>
        <translation>Als u deze cactus verwijdert, worden ook al zijn logboekregels verwijderd</translation>
    </message>
    <message id="Deleting these cacti will also delete all their associated logs">
        <source></source>
        <translation>Als u deze cactussen verwijdert, worden ook al hun bijbehorende logboekregels verwijderd</translation>
    </message>
    <message id="Delete">
        <source></source>
        <translation>Verwijderen</translation>
    </message>
    <message id="Delete Cactus">
        <source></source>
        <translation>Cactus verwijderen</translation>
    </message>
    <message id="Delete Cacti">
        <source></source>
        <translation>Cactussen verwijderen</translation>
    </message>
    <message id="Duplicate Cactus">
        <source></source>
        <translation>Cactus dupliceren</translation>
    </message>
    <message id="Duplicate Cacti">
        <source></source>
        <translation>Cactussen dupliceren</translation>
    </message>
    <message id="Toolbar">
        <source></source>
        <translation>Werkbalk</translation>
    </message>
    <message id="Search">
        <source></source>
        <translation>Zoeken</translation>
    </message>
    <message id="Search list">
        <source></source>
        <translation>Lijst doorzoeken</translation>
    </message>
    <message id="Search the currently visible list">
        <source></source>
        <translation>De nu zichtbare lijst doorzoeken</translation>
    </message>
    <message id="Recent Searches">
        <source></source>
        <translation>Recente zoekopdrachten</translation>
    </message>
    <message id="Due">
        <source></source>
        <translation>Aan de beurt</translation>
    </message>
    <message id="Show only what is due by the end of today">
        <source></source>
        <translation>Alleen tonen wat vóór het einde van vandaag aan de beurt is</translation>
    </message>
    <message id="Sort By">
        <source></source>
        <translation>Sorteren op</translation>
    </message>
    <message id="Duplicate">
        <source></source>
        <translation>Dupliceren</translation>
    </message>
    <message id="No Recent Searches">
        <source></source>
        <translation>Geen recente zoekopdrachten</translation>
    </message>
    <message id="Clear Search History">
        <source></source>
        <translation>Zoekgeschiedenis wissen</translation>
    </message>
    <message id="Mark as Watered...">
        <source></source>
        <translation>Als gegoten markeren...</translation>
    </message>
    <message id="Watered">
        <source></source>
        <translation>Gegoten</translation>
    </message>
    <message id="Record that the selected plants or schedules were watered">
        <source></source>
        <translation>Vastleggen dat de geselecteerde planten of gietschema&apos;s zijn gegoten</translation>
    </message>
    <message id="Untitled">
        <source></source>
        <translation>Zonder titel</translation>
    </message>
    <message id="%1 (read-only)">
        <source></source>
        <translation>%1 (alleen-lezen)</translation>
    </message>
    <message id="History">
        <source></source>
        <translation>Geschiedenis</translation>
    </message>
    <message id="Delete Log">
        <source></source>
        <translation>Logboekregel verwijderen</translation>
    </message>
    <message id="Delete Logs">
        <source></source>
        <translation>Logboekregels verwijderen</translation>
    </message>
    <message id="Duplicate Log">
        <source></source>
        <translation>Logboekregel dupliceren</translation>
    </message>
    <message id="Duplicate Logs">
        <source></source>
        <translation>Logboekregels dupliceren</translation>
    </message>
    <message id="Add">
        <source></source>
        <translation>Toevoegen</translation>
    </message>
    <message id="Edit">
        <source></source>
        <translation>Bewerken</translation>
    </message>
    <message id="Loading…">
        <source></source>
        <translation>Laden…</translation>
    </message>
    <message id="Searching…">
        <source></source>
        <translation>Zoeken…</translation>
    </message>
    <message id="Scientific Name">
        <source></source>
        <translation>Wetenschappelijke naam</translation>
    </message>
    <message id="When were they watered?">
        <source></source>
        <translation>Wanneer zijn ze gegoten?</translation>
    </message>
    <message id="Watered on">
        <source></source>
        <translation>Gegoten op</translation>
    </message>
    <message id="What:">
        <source></source>
        <translation>Wat:</translation>
    </message>
    <message id="&amp;Watered on:">
        <source></source>
        <translation>&amp;Gegoten op:</translation>
    </message>
    <message id="Statistics">
        <source></source>
        <translation>Statistieken</translation>
    </message>
    <message id="Undo">
        <source></source>
        <translation>Ongedaan maken</translation>
    </message>
    <message id="Redo">
        <source></source>
        <translation>Opnieuw</translation>
    </message>
    <message id="Undo %1">
        <source></source>
        <translation>%1 ongedaan maken</translation>
    </message>
    <message id="Redo %1">
        <source></source>
        <translation>%1 opnieuw uitvoeren</translation>
    </message>
    <message id="Delete Watering Schedule">
        <source></source>
        <translation>Gietschema verwijderen</translation>
    </message>
    <message id="Delete Watering Schedules">
        <source></source>
        <translation>Gietschema&apos;s verwijderen</translation>
    </message>
    <message id="Duplicate Watering Schedule">
        <source></source>
        <translation>Gietschema dupliceren</translation>
    </message>
    <message id="Duplicate Watering Schedules">
        <source></source>
        <translation>Gietschema&apos;s dupliceren</translation>
    </message>
    <message id="Language">
        <source></source>
        <translation>Taal</translation>
    </message>
    <message id="System">
        <source></source>
        <translation>Systeem</translation>
    </message>
    <message id="&amp;Language:">
        <source></source>
        <translation>&amp;Taal:</translation>
    </message>
    <message id="Applied the next time Spinora starts.">
        <source></source>
        <translation>Wordt toegepast bij de volgende start van Spinora.</translation>
    </message>
</context>
<context>
    <name>PhotoStore</name>
    <message>
        <source>the photo could not be written into the collection (is the disk full?)</source>
        <translation>de foto kon niet in de verzameling worden geschreven (is de schijf vol?)</translation>
    </message>
</context>
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <source>Page setup</source>
        <translation>Pagina-instelling</translation>
    </message>
</context>
<context>
    <name>Spinora</name>
    <message>
        <source>name|plant|plant name|cactus|label</source>
        <translation>naam|plant|plantnaam|cactus|etiket</translation>
    </message>
    <message>
        <source>scientific|scientific name|botanical name|latin name|taxon|genus|species</source>
        <translation>wetenschappelijk|wetenschappelijke naam|botanische naam|latijnse naam|taxon|geslacht|soort</translation>
    </message>
    <message>
        <source>common|common name</source>
        <translation>volksnaam|nederlandse naam</translation>
    </message>
    <message>
        <source>type|plant type</source>
        <translation>type|planttype</translation>
    </message>
    <message>
        <source>watering|schedule|watering schedule</source>
        <translation>gieten|schema|gietschema</translation>
    </message>
    <message>
        <source>last watered</source>
        <translation>laatst gegoten</translation>
    </message>
    <message>
        <source>next watering</source>
        <translation>volgende gietbeurt</translation>
    </message>
    <message>
        <source>planted|plant date|date planted|sown</source>
        <translation>geplant|plantdatum|datum geplant|gezaaid</translation>
    </message>
    <message>
        <source>source|origin</source>
        <translation>herkomst|oorsprong</translation>
    </message>
    <message>
        <source>acquired|date acquired|bought|purchased|purchase date</source>
        <translation>aangeschaft|aanschafdatum|gekocht|aangekocht|aankoopdatum</translation>
    </message>
    <message>
        <source>price|purchase price|cost|paid</source>
        <translation>prijs|aankoopprijs|kosten|betaald</translation>
    </message>
    <message>
        <source>value|worth</source>
        <translation>waarde|waard</translation>
    </message>
    <message>
        <source>location|place|position|bench|greenhouse</source>
        <translation>standplaats|plaats|positie|tafel|kas</translation>
    </message>
    <message>
        <source>height</source>
        <translation>hoogte</translation>
    </message>
    <message>
        <source>width|diameter</source>
        <translation>breedte|diameter</translation>
    </message>
    <message>
        <source>weight</source>
        <translation>gewicht</translation>
    </message>
    <message>
        <source>light|sun</source>
        <translation>licht|zon</translation>
    </message>
    <message>
        <source>temperature|temp|min temp</source>
        <translation>temperatuur|temp|min temp</translation>
    </message>
    <message>
        <source>pot size|pot</source>
        <translation>potmaat|pot</translation>
    </message>
    <message>
        <source>pot shape|shape</source>
        <translation>potvorm|vorm</translation>
    </message>
    <message>
        <source>pot material|material</source>
        <translation>potmateriaal|materiaal</translation>
    </message>
    <message>
        <source>notes|note|comments|comment|remarks|description</source>
        <translation>notities|notitie|opmerkingen|opmerking|aantekeningen|beschrijving</translation>
    </message>
    <message>
        <source>id|#|no|no.|number|photo|photos|image|picture</source>
        <translation>id|#|nr|nr.|nummer|foto|foto&apos;s|afbeelding|plaatje</translation>
    </message>
</context>
<context>
    <name>spinora</name>
    <message>
        <source>Photos</source>
        <translation>Foto&apos;s</translation>
    </message>
</context>
<context>
    <name>spinora::EventViewController</name>
    <message>
        <source>No</source>
        <translation>Nee</translation>
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
        <translation>Bezet</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>Vrij</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>Begin</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>Einde</translation>
    </message>
    <message>
        <source>All-Day</source>
        <translation>Hele dag</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Agenda</translation>
    </message>
    <message>
        <source>Availability</source>
        <translation>Beschikbaarheid</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Kept in %1. To see these reminders in your desktop calendar, add this file to it as a calendar.</source>
        <translation>Bewaard in %1. Voeg dit bestand als agenda toe aan uw bureaubladagenda om deze herinneringen daar te zien.</translation>
    </message>
    <message>
        <source>Add New Event</source>
        <translation>Nieuwe gebeurtenis toevoegen</translation>
    </message>
    <message>
        <source>Edit Event</source>
        <translation>Gebeurtenis bewerken</translation>
    </message>
</context>
<context>
    <name>spinora::PhotoGridViewController</name>
    <message>
        <source>All Photos</source>
        <translation>Alle foto&apos;s</translation>
    </message>
    <message>
        <source>Add Photos…</source>
        <translation>Foto&apos;s toevoegen…</translation>
    </message>
    <message>
        <source>Add photos from picture files. You can also drop picture files on the grid.</source>
        <translation>Foto&apos;s uit afbeeldingsbestanden toevoegen. U kunt afbeeldingsbestanden ook op het raster neerzetten.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Size of the photos</source>
        <translation>Grootte van de foto&apos;s</translation>
    </message>
    <message>
        <source>Adding photos</source>
        <translation>Foto&apos;s worden toegevoegd</translation>
    </message>
    <message>
        <source>Add Photos</source>
        <translation>Foto&apos;s toevoegen</translation>
    </message>
    <message>
        <source>Pictures (*.jpg *.jpeg *.png *.gif *.tif *.tiff *.bmp)</source>
        <translation>Afbeeldingen (*.jpg *.jpeg *.png *.gif *.tif *.tiff *.bmp)</translation>
    </message>
    <message>
        <source>No collection is open.</source>
        <translation>Er is geen verzameling geopend.</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>WAARSCHUWING</translation>
    </message>
    <message>
        <source>This file was not added:</source>
        <translation>Dit bestand is niet toegevoegd:</translation>
    </message>
    <message>
        <source>These files were not added:</source>
        <translation>Deze bestanden zijn niet toegevoegd:</translation>
    </message>
</context>
<context>
    <name>spinora::PhotoViewController</name>
    <message>
        <source>Caption</source>
        <translation>Bijschrift</translation>
    </message>
</context>
<context>
    <name>spinora::ReportExport</name>
    <message>
        <source>photos</source>
        <translation>foto&apos;s</translation>
    </message>
    <message>
        <source>Cacti Report</source>
        <translation>Cactusrapport</translation>
    </message>
    <message>
        <source>Exported from %1 v%2 on %3</source>
        <translation>Geëxporteerd uit %1 v%2 op %3</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Samenvatting</translation>
    </message>
    <message>
        <source>Total Cacti</source>
        <translation>Totaal aantal cactussen</translation>
    </message>
    <message>
        <source>Total Watering Schedules</source>
        <translation>Totaal aantal gietschema&apos;s</translation>
    </message>
    <message>
        <source>Total Log Entries</source>
        <translation>Totaal aantal logboekregels</translation>
    </message>
    <message>
        <source>Unique Species</source>
        <translation>Verschillende soorten</translation>
    </message>
    <message>
        <source>Total Value</source>
        <translation>Totale waarde</translation>
    </message>
    <message>
        <source>Log History</source>
        <translation>Logboekgeschiedenis</translation>
    </message>
    <message>
        <source>No Event Name</source>
        <translation>Geen gebeurtenisnaam</translation>
    </message>
    <message>
        <source>No Notes</source>
        <translation>Geen notities</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Geen</translation>
    </message>
    <message>
        <source>No Water Between</source>
        <translation>Niet gieten tussen</translation>
    </message>
    <message>
        <source>Cacti To Water</source>
        <translation>Te gieten cactussen</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nee</translation>
    </message>
</context>
</TS>
