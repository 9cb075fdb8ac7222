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
    <message id="The collection “%1” is damaged, so it was not opened.">
        <source></source>
        <translation>De verzameling “%1” is beschadigd en is daarom niet geopend.</translation>
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
    <message id="1 page">
        <source></source>
        <translation>1 pagina</translation>
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
    <message id="Taken">
        <source></source>
        <translation>Gemaakt</translation>
    </message>
    <message id="Why">
        <source></source>
        <translation>Waarom</translation>
    </message>
    <message id="Plants">
        <source></source>
        <translation>Planten</translation>
    </message>
    <message id="Size">
        <source></source>
        <translation>Grootte</translation>
    </message>
    <message id="Spinora quit unexpectedly the last time it was used.">
        <source></source>
        <translation>Spinora is de vorige keer dat het werd gebruikt onverwacht afgesloten.</translation>
    </message>
    <message id="A report of the problem was saved. Would you like to see it?">
        <source></source>
        <translation>Er is een rapport van het probleem opgeslagen. Wilt u het bekijken?</translation>
    </message>
    <message id="Show Report">
        <source></source>
        <translation>Rapport tonen</translation>
    </message>
    <message id="Not Now">
        <source></source>
        <translation>Niet nu</translation>
    </message>
    <message id="Crash Report">
        <source></source>
        <translation>Crashrapport</translation>
    </message>
    <message id="Saved as %1">
        <source></source>
        <translation>Opgeslagen als %1</translation>
    </message>
    <message id="The reminder time could not be written to %1.">
        <source></source>
        <translation>Het tijdstip van herinnering kon niet naar %1 worden geschreven.</translation>
    </message>
    <message id="Spinora will remind you every day at %1 (systemd user timer %2).">
        <source></source>
        <translation>Spinora herinnert u elke dag om %1 (systemd-gebruikerstimer %2).</translation>
    </message>
    <message id="Reminders are off.">
        <source></source>
        <translation>Herinneringen staan uit.</translation>
    </message>
    <message id="Clear Menu">
        <source></source>
        <translation>Menu wissen</translation>
    </message>
    <message id="&amp;File">
        <source></source>
        <translation>&amp;Bestand</translation>
    </message>
    <message id="New">
        <source></source>
        <translation>Nieuw</translation>
    </message>
    <message id="Open...">
        <source></source>
        <translation>Openen...</translation>
    </message>
    <message id="Open Recent">
        <source></source>
        <translation>Recent geopend</translation>
    </message>
    <message id="Save">
        <source></source>
        <translation>Opslaan</translation>
    </message>
    <message id="Save As...">
        <source></source>
        <translation>Opslaan als...</translation>
    </message>
    <message id="Page Setup...">
        <source></source>
        <translation>Pagina-instelling...</translation>
    </message>
    <message id="Print Preview...">
        <source></source>
        <translation>Afdrukvoorbeeld...</translation>
    </message>
    <message id="Quit Spinora">
        <source></source>
        <translation>Spinora afsluiten</translation>
    </message>
    <message id="&amp;Edit">
        <source></source>
        <translation>Be&amp;werken</translation>
    </message>
    <message id="Add Item">
        <source></source>
        <translation>Item toevoegen</translation>
    </message>
    <message id="Remove Item">
        <source></source>
        <translation>Item verwijderen</translation>
    </message>
    <message id="Duplicate Item">
        <source></source>
        <translation>Item dupliceren</translation>
    </message>
    <message id="Cut">
        <source></source>
        <translation>Knippen</translation>
    </message>
    <message id="Copy">
        <source></source>
        <translation>Kopiëren</translation>
    </message>
    <message id="Paste">
        <source></source>
        <translation>Plakken</translation>
    </message>
    <message id="Select All">
        <source></source>
        <translation>Alles selecteren</translation>
    </message>
    <message id="Preferences...">
        <source></source>
        <translation>Voorkeuren...</translation>
    </message>
    <message id="&amp;View">
        <source></source>
        <translation>Beel&amp;d</translation>
    </message>
    <message id="Show Toolbar">
        <source></source>
        <translation>Werkbalk tonen</translation>
    </message>
    <message id="Customize Toolbar">
        <source></source>
        <translation>Werkbalk aanpassen</translation>
    </message>
    <message id="Icon and Text">
        <source></source>
        <translation>Pictogram en tekst</translation>
    </message>
    <message id="Icon Only">
        <source></source>
        <translation>Alleen pictogram</translation>
    </message>
    <message id="Text Only">
        <source></source>
        <translation>Alleen tekst</translation>
    </message>
    <message id="Flowering Calendar...">
        <source></source>
        <translation>Bloeikalender...</translation>
    </message>
    <message id="&amp;Tools">
        <source></source>
        <translation>E&amp;xtra</translation>
    </message>
    <message id="Statistics...">
        <source></source>
        <translation>Statistieken...</translation>
    </message>
    <message id="&amp;Window">
        <source></source>
        <translation>&amp;Venster</translation>
    </message>
    <message id="Minimize">
        <source></source>
        <translation>Minimaliseren</translation>
    </message>
    <message id="Zoom">
        <source></source>
        <translation>Zoomen</translation>
    </message>
    <message id="Bring All to Front">
        <source></source>
        <translation>Alles naar voren halen</translation>
    </message>
    <message id="&amp;Help">
        <source></source>
        <translation>&amp;Help</translation>
    </message>
    <message id="Like Spinora on Facebook">
        <source></source>
        <translation>Spinora leuk vinden op Facebook</translation>
    </message>
    <message id="Spinora Website...">
        <source></source>
        <translation>Spinora-website...</translation>
    </message>
    <message id="Frequently Asked Questions...">
        <source></source>
        <translation>Veelgestelde vragen...</translation>
    </message>
    <message id="Check for Updates...">
        <source></source>
        <translation>Controleren op updates...</translation>
    </message>
    <message id="About Spinora">
        <source></source>
        <translation>Over Spinora</translation>
    </message>
    <message id="Preferences">
        <source></source>
        <translation>Voorkeuren</translation>
    </message>
    <message id="Sort options">
        <source></source>
        <translation>Sorteeropties</translation>
    </message>
    <message id="Sort cacti by species">
        <source></source>
        <translation>Cactussen sorteren op soort</translation>
    </message>
    <message id="Database options">
        <source></source>
        <translation>Databaseopties</translation>
    </message>
    <message id="Add default species and events to new databases">
        <source></source>
        <translation>Standaardsoorten en -gebeurtenissen aan nieuwe databases toevoegen</translation>
    </message>
    <message id="Reminders">
        <source></source>
        <translation>Herinneringen</translation>
    </message>
    <message id="&amp;Remind me of due plants every day at">
        <source></source>
        <translation>Herinner mij &amp;dagelijks aan planten die aan de beurt zijn, om</translation>
    </message>
    <message id="Reminder time">
        <source></source>
        <translation>Tijdstip van herinnering</translation>
    </message>
    <message id="Open">
        <source></source>
        <translation>Openen</translation>
    </message>
    <message id="Collection:">
        <source></source>
        <translation>Verzameling:</translation>
    </message>
    <message id="Spinora collections (*%1)">
        <source></source>
        <translation>Spinora-verzamelingen (*%1)</translation>
    </message>
    <message id="“%1” already exists. Do you want to replace it?">
        <source></source>
        <translation>“%1” bestaat al. Wilt u het vervangen?</translation>
    </message>
    <message id="A collection with the same name already exists in “%1”. Replacing it will overwrite its current contents.">
        <source></source>
        <translation>Er bestaat al een verzameling met dezelfde naam in “%1”. Als u die vervangt, wordt de huidige inhoud overschreven.</translation>
    </message>
    <message id="Replace">
        <source></source>
        <translation>Vervangen</translation>
    </message>
    <message id="Do you want to save the changes made to the document “%1”?">
        <source></source>
        <translation>Wilt u de wijzigingen in het document “%1” opslaan?</translation>
    </message>
    <message id="Your changes will stay in the untitled collection if you don’t save them.">
        <source></source>
        <translation>Uw wijzigingen blijven in de naamloze verzameling als u ze niet opslaat.</translation>
    </message>
    <message id="Don’t Save">
        <source></source>
        <translation>Niet opslaan</translation>
    </message>
    <message id="Keep Open">
        <source></source>
        <translation>Open laten</translation>
    </message>
    <message id="New Spinora Database">
        <source></source>
        <translation>Nieuwe Spinora-database</translation>
    </message>
    <message id="Save As">
        <source></source>
        <translation>Opslaan als</translation>
    </message>
    <message id="Overwriting an open database is not permitted. Please select a different filename.">
        <source></source>
        <translation>Een geopende database overschrijven is niet toegestaan. Kies een andere bestandsnaam.</translation>
    </message>
    <message id="The collection “%1” could not be opened: it does not exist.">
        <source></source>
        <translation>De verzameling “%1” kon niet worden geopend: ze bestaat niet.</translation>
    </message>
    <message id="%n of its photo files are missing, the first “%1”." numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n van zijn fotobestanden ontbreekt: “%1”.</numerusform>
            <numerusform>%n van zijn fotobestanden ontbreken, het eerste is “%1”.</numerusform>
        </translation>
    </message>
    <message id="%1, %2 and %3">
        <source></source>
        <translation>%1, %2 en %3</translation>
    </message>
    <message id="%n plants" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n plant</numerusform>
            <numerusform>%n planten</numerusform>
        </translation>
    </message>
    <message id="%n logs" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n logboekregel</numerusform>
            <numerusform>%n logboekregels</numerusform>
        </translation>
    </message>
    <message id="%n photos" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n foto</numerusform>
            <numerusform>%n foto&apos;s</numerusform>
        </translation>
    </message>
    <message id="The newest good snapshot was taken on %1 and holds %2. Restoring it replaces the collection; the damaged one is kept as a snapshot first.">
        <source></source>
        <translation>De nieuwste goede reservekopie is gemaakt op %1 en bevat %2. Door deze te herstellen wordt de verzameling vervangen; de beschadigde wordt eerst als reservekopie bewaard.</translation>
    </message>
    <message id="The collection will hold %1. Its current state is kept as a snapshot first, so this can be undone by restoring that one.">
        <source></source>
        <translation>De verzameling zal %1 bevatten. De huidige toestand wordt eerst als reservekopie bewaard, zodat u dit ongedaan kunt maken door die te herstellen.</translation>
    </message>
    <message id="“%1” could not be replaced.">
        <source></source>
        <translation>“%1” kon niet worden vervangen.</translation>
    </message>
    <message id="The catalogue of your cactus and succulent collection: plants, watering schedules and a log of what happened to them.">
        <source></source>
        <translation>De catalogus van uw cactus- en vetplantenverzameling: planten, gietschema&apos;s en een logboek van wat er met ze is gebeurd.</translation>
    </message>
    <message id="Import From">
        <source></source>
        <translation>Importeren uit</translation>
    </message>
    <message id="Export To">
        <source></source>
        <translation>Exporteren naar</translation>
    </message>
    <message id="Spinora Mobile App">
        <source></source>
        <translation>Mobiele Spinora-app</translation>
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
        <translation>CSV-sjabloon…</translation>
    </message>
    <message id="HTML Report">
        <source></source>
        <translation>HTML-rapport</translation>
    </message>
    <message id="Software Update">
        <source></source>
        <translation>Software-update</translation>
    </message>
    <message id="A new version of Spinora is available!">
        <source></source>
        <translation>Er is een nieuwe versie van Spinora beschikbaar!</translation>
    </message>
    <message id="Spinora %1 is now available—you have %2. Would you like to download it now?">
        <source></source>
        <translation>Spinora %1 is nu beschikbaar – u hebt %2. Wilt u het nu downloaden?</translation>
    </message>
    <message id="Download">
        <source></source>
        <translation>Downloaden</translation>
    </message>
    <message id="Remind Me Later">
        <source></source>
        <translation>Later herinneren</translation>
    </message>
    <message id="You’re up-to-date!">
        <source></source>
        <translation>U bent up-to-date!</translation>
    </message>
    <message id="Spinora %1 is currently the newest version available.">
        <source></source>
        <translation>Spinora %1 is momenteel de nieuwste beschikbare versie.</translation>
    </message>
    <message id="No update address is set, so Spinora cannot look for updates. Your distribution’s package manager keeps Spinora up to date.">
        <source></source>
        <translation>Er is geen update-adres ingesteld, dus Spinora kan niet naar updates zoeken. Het pakketbeheer van uw distributie houdt Spinora up-to-date.</translation>
    </message>
    <message id="Update Error!">
        <source></source>
        <translation>Updatefout!</translation>
    </message>
    <message id="An error occurred in retrieving update information. Please try again later.">
        <source></source>
        <translation>Er is een fout opgetreden bij het ophalen van de update-informatie. Probeer het later opnieuw.</translation>
    </message>
    <message id="Spinora keeps the catalogue of a cactus and succulent collection.">
        <source></source>
        <translation>Spinora houdt de catalogus bij van een cactus- en vetplantenverzameling.</translation>
    </message>
    <message id="Collections to open (folders ending in .sdb); interchange files (.sdbi) are offered for import into the collection shown.">
        <source></source>
        <translation>Te openen verzamelingen (mappen waarvan de naam op .sdb eindigt); uitwisselingsbestanden (.sdbi) worden aangeboden om in de getoonde verzameling te importeren.</translation>
    </message>
    <message id="The list to show: cacti, watering or logs.">
        <source></source>
        <translation>De lijst die getoond moet worden: cacti, watering of logs.</translation>
    </message>
    <message id="--show takes cacti, watering or logs, not “%1”">
        <source></source>
        <translation>--show accepteert cacti, watering of logs, niet “%1”</translation>
    </message>
    <message id="Spinora is already running but does not answer.">
        <source></source>
        <translation>Spinora draait al, maar reageert niet.</translation>
    </message>
    <message id="the line “%1” does not close “%2”">
        <source></source>
        <translation>de regel “%1” sluit “%2” niet af</translation>
    </message>
    <message id="the file ends before “%1” does">
        <source></source>
        <translation>het bestand eindigt voordat “%1” eindigt</translation>
    </message>
    <message id="the file is empty">
        <source></source>
        <translation>het bestand is leeg</translation>
    </message>
    <message id="it is not an iCalendar file">
        <source></source>
        <translation>het is geen iCalendar-bestand</translation>
    </message>
    <message id="it does not hold exactly one calendar">
        <source></source>
        <translation>het bevat niet precies één agenda</translation>
    </message>
    <message id="it contains errors">
        <source></source>
        <translation>het bevat fouten</translation>
    </message>
    <message id="it cannot be read">
        <source></source>
        <translation>het kan niet worden gelezen</translation>
    </message>
    <message id="The calendar folder “%1” cannot be made.">
        <source></source>
        <translation>De agendamap “%1” kan niet worden aangemaakt.</translation>
    </message>
    <message id="The calendar file “%1” cannot be used: %2.">
        <source></source>
        <translation>Het agendabestand “%1” kan niet worden gebruikt: %2.</translation>
    </message>
    <message id="The calendar file “%1” cannot be read.">
        <source></source>
        <translation>Het agendabestand “%1” kan niet worden gelezen.</translation>
    </message>
    <message id="The calendar file “%1” cannot be used (%2); it was left as it is.">
        <source></source>
        <translation>Het agendabestand “%1” kan niet worden gebruikt (%2); het is gelaten zoals het was.</translation>
    </message>
    <message id="The calendar file “%1” keeps being changed by another program; it was left as it is.">
        <source></source>
        <translation>Het agendabestand “%1” wordt steeds door een ander programma gewijzigd; het is gelaten zoals het was.</translation>
    </message>
    <message id="The calendar file “%1” could not be written (%2); it was left as it is.">
        <source></source>
        <translation>Het agendabestand “%1” kon niet worden geschreven (%2); het is gelaten zoals het was.</translation>
    </message>
    <message id="No space left on device">
        <source></source>
        <translation>Geen ruimte meer op de schijf</translation>
    </message>
    <message id="The event ends before it starts.">
        <source></source>
        <translation>De gebeurtenis eindigt voordat ze begint.</translation>
    </message>
    <message id="The calendar “%1” is not available.">
        <source></source>
        <translation>De agenda “%1” is niet beschikbaar.</translation>
    </message>
    <message id="There is no such event.">
        <source></source>
        <translation>Die gebeurtenis bestaat niet.</translation>
    </message>
    <message id="The event was removed by another program.">
        <source></source>
        <translation>De gebeurtenis is door een ander programma verwijderd.</translation>
    </message>
    <message id="the Avahi daemon went away">
        <source></source>
        <translation>de Avahi-daemon is verdwenen</translation>
    </message>
    <message id="Click the Import button to restore the complete database from your device.">
        <source></source>
        <translation>Klik op de knop Importeren om de volledige database van uw apparaat te herstellen.</translation>
    </message>
    <message id="Click the Import button to restore only the cacti and watering schedules in the database from your device.">
        <source></source>
        <translation>Klik op de knop Importeren om alleen de cactussen en gietschema&apos;s uit de database van uw apparaat te herstellen.</translation>
    </message>
    <message id="Click the Import button to import the cacti from your device.">
        <source></source>
        <translation>Klik op de knop Importeren om de cactussen van uw apparaat te importeren.</translation>
    </message>
    <message id="Click the Import button to import the watering schedules from your device.">
        <source></source>
        <translation>Klik op de knop Importeren om de gietschema&apos;s van uw apparaat te importeren.</translation>
    </message>
    <message id="Restore Database is selected on your device. Select either Backup Database or Export Data instead.">
        <source></source>
        <translation>Op uw apparaat is “Restore Database” gekozen. Kies in plaats daarvan “Backup Database” of “Export Data”.</translation>
    </message>
    <message id="Export Data is selected on your device. Select Backup Database instead to restore both cacti and watering schedules.">
        <source></source>
        <translation>Op uw apparaat is “Export Data” gekozen. Kies in plaats daarvan “Backup Database” om zowel cactussen als gietschema&apos;s te herstellen.</translation>
    </message>
    <message id="Export Data is selected on your device. Only cacti or watering schedules can be imported in this mode.">
        <source></source>
        <translation>Op uw apparaat is “Export Data” gekozen. In deze modus kunnen alleen cactussen of gietschema&apos;s worden geïmporteerd.</translation>
    </message>
    <message id="Import Data is selected on your device. Select either Backup Database or Export Data instead.">
        <source></source>
        <translation>Op uw apparaat is “Import Data” gekozen. Kies in plaats daarvan “Backup Database” of “Export Data”.</translation>
    </message>
    <message id="Backup Database is selected on your device. Select either Restore Database or Import Data instead.">
        <source></source>
        <translation>Op uw apparaat is “Backup Database” gekozen. Kies in plaats daarvan “Restore Database” of “Import Data”.</translation>
    </message>
    <message id="Export Data is selected on your device. Select either Restore Database or Import Data instead.">
        <source></source>
        <translation>Op uw apparaat is “Export Data” gekozen. Kies in plaats daarvan “Restore Database” of “Import Data”.</translation>
    </message>
    <message id="Click the Export button to send the database to your device. The app will ask what you want to import.">
        <source></source>
        <translation>Klik op de knop Exporteren om de database naar uw apparaat te sturen. De app vraagt wat u wilt importeren.</translation>
    </message>
    <message id="The collection was closed.">
        <source></source>
        <translation>De verzameling is gesloten.</translation>
    </message>
    <message id="Import Database">
        <source></source>
        <translation>Database importeren</translation>
    </message>
    <message id="Restore Complete Database">
        <source></source>
        <translation>Volledige database herstellen</translation>
    </message>
    <message id="Import Cacti and Watering Schedules">
        <source></source>
        <translation>Cactussen en gietschema&apos;s importeren</translation>
    </message>
    <message id="Import Cacti">
        <source></source>
        <translation>Cactussen importeren</translation>
    </message>
    <message id="Import Watering Schedules">
        <source></source>
        <translation>Gietschema&apos;s importeren</translation>
    </message>
    <message id="Devices">
        <source></source>
        <translation>Apparaten</translation>
    </message>
    <message id="Messages">
        <source></source>
        <translation>Berichten</translation>
    </message>
    <message id="Export Database">
        <source></source>
        <translation>Database exporteren</translation>
    </message>
    <message id="Flowering Calendar">
        <source></source>
        <translation>Bloeikalender</translation>
    </message>
    <message id="Photo Timeline">
        <source></source>
        <translation>Fototijdlijn</translation>
    </message>
    <message id="Common Name">
        <source></source>
        <translation>Volksnaam</translation>
    </message>
    <message id="Open Watering Schedule">
        <source></source>
        <translation>Gietschema openen</translation>
    </message>
    <message id="Height">
        <source></source>
        <translation>Hoogte</translation>
    </message>
    <message id="Width">
        <source></source>
        <translation>Breedte</translation>
    </message>
    <message id="Weight">
        <source></source>
        <translation>Gewicht</translation>
    </message>
    <message id="Light">
        <source></source>
        <translation>Licht</translation>
    </message>
    <message id="Temperature">
        <source></source>
        <translation>Temperatuur</translation>
    </message>
    <message id="Pot Size">
        <source></source>
        <translation>Potmaat</translation>
    </message>
    <message id="Pot Shape">
        <source></source>
        <translation>Potvorm</translation>
    </message>
    <message id="Pot Material">
        <source></source>
        <translation>Potmateriaal</translation>
    </message>
    <message id="General">
        <source></source>
        <translation>Algemeen</translation>
    </message>
    <message id="Details">
        <source></source>
        <translation>Details</translation>
    </message>
    <message id="Alarm">
        <source></source>
        <translation>Alarm</translation>
    </message>
    <message id="Busy">
        <source></source>
        <translation>Bezet</translation>
    </message>
    <message id="Free">
        <source></source>
        <translation>Vrij</translation>
    </message>
    <message id="Title">
        <source></source>
        <translation>Titel</translation>
    </message>
    <message id="Starts">
        <source></source>
        <translation>Begin</translation>
    </message>
    <message id="Ends">
        <source></source>
        <translation>Einde</translation>
    </message>
    <message id="All-Day">
        <source></source>
        <translation>Hele dag</translation>
    </message>
    <message id="Calendar">
        <source></source>
        <translation>Agenda</translation>
    </message>
    <message id="Availability">
        <source></source>
        <translation>Beschikbaarheid</translation>
    </message>
    <message id="Kept in %1. To see these reminders in your desktop calendar, add this file to it as a calendar.">
        <source></source>
        <translation>Bewaard in %1. Voeg dit bestand als agenda toe aan uw bureaubladagenda om deze herinneringen daar te zien.</translation>
    </message>
    <message id="Add New Event">
        <source></source>
        <translation>Nieuwe gebeurtenis toevoegen</translation>
    </message>
    <message id="Edit Event">
        <source></source>
        <translation>Gebeurtenis bewerken</translation>
    </message>
    <message id="Open Cactus">
        <source></source>
        <translation>Cactus openen</translation>
    </message>
    <message id="Add Reminder">
        <source></source>
        <translation>Herinnering toevoegen</translation>
    </message>
    <message id="Edit Reminder">
        <source></source>
        <translation>Herinnering bewerken</translation>
    </message>
    <message id="Add a reminder to your calendar?">
        <source></source>
        <translation>Een herinnering aan uw agenda toevoegen?</translation>
    </message>
    <message id="Edit the reminder on your calendar?">
        <source></source>
        <translation>De herinnering in uw agenda bewerken?</translation>
    </message>
    <message id="All Photos">
        <source></source>
        <translation>Alle foto&apos;s</translation>
    </message>
    <message id="Add Photos…">
        <source></source>
        <translation>Foto&apos;s toevoegen…</translation>
    </message>
    <message id="Add photos from picture files. You can also drop picture files on the grid.">
        <source></source>
        <translation>Foto&apos;s uit afbeeldingsbestanden toevoegen. U kunt afbeeldingsbestanden ook op het raster neerzetten.</translation>
    </message>
    <message id="Size of the photos">
        <source></source>
        <translation>Grootte van de foto&apos;s</translation>
    </message>
    <message id="Adding photos">
        <source></source>
        <translation>Foto&apos;s worden toegevoegd</translation>
    </message>
    <message id="Add Photos">
        <source></source>
        <translation>Foto&apos;s toevoegen</translation>
    </message>
    <message id="Pictures (*.jpg *.jpeg *.png *.gif *.tif *.tiff *.bmp)">
        <source></source>
        <translation>Afbeeldingen (*.jpg *.jpeg *.png *.gif *.tif *.tiff *.bmp)</translation>
    </message>
    <message id="This file was not added:">
        <source></source>
        <translation>Dit bestand is niet toegevoegd:</translation>
    </message>
    <message id="These files were not added:">
        <source></source>
        <translation>Deze bestanden zijn niet toegevoegd:</translation>
    </message>
    <message id="Previous Photo">
        <source></source>
        <translation>Vorige foto</translation>
    </message>
    <message id="Display the previous photo">
        <source></source>
        <translation>De vorige foto weergeven</translation>
    </message>
    <message id="Edit Caption">
        <source></source>
        <translation>Bijschrift bewerken</translation>
    </message>
    <message id="Edit the photo caption">
        <source></source>
        <translation>Het bijschrift van de foto bewerken</translation>
    </message>
    <message id="Next Photo">
        <source></source>
        <translation>Volgende foto</translation>
    </message>
    <message id="Display the next photo">
        <source></source>
        <translation>De volgende foto weergeven</translation>
    </message>
    <message id="Error: the new record is gone.">
        <source></source>
        <translation>Fout: de nieuwe record bestaat niet meer.</translation>
    </message>
    <message id="From Date 1">
        <source></source>
        <translation>Vanaf datum 1</translation>
    </message>
    <message id="To Date 2">
        <source></source>
        <translation>Tot datum 2</translation>
    </message>
    <message id="From Date 3">
        <source></source>
        <translation>Vanaf datum 3</translation>
    </message>
    <message id="To Date 4">
        <source></source>
        <translation>Tot datum 4</translation>
    </message>
    <message id="From Date 5">
        <source></source>
        <translation>Vanaf datum 5</translation>
    </message>
    <message id="To Date 6">
        <source></source>
        <translation>Tot datum 6</translation>
    </message>
    <message id="Units">
        <source></source>
        <translation>Eenheden</translation>
    </message>
    <message id="Line %1, column %2 (%3): “%4” could not be read and was not imported.">
        <source></source>
        <translation>Regel %1, kolom %2 (%3): “%4” kon niet worden gelezen en is niet geïmporteerd.</translation>
    </message>
    <message id="The file is not in the Spinora CSV template layout and these columns could not be placed: “%1”. Give each column its field, for example --map '%2' (the fields are %3).">
        <source></source>
        <translation>Het bestand heeft niet de opmaak van het Spinora CSV-sjabloon en deze kolommen konden niet worden geplaatst: “%1”. Geef elke kolom zijn veld, bijvoorbeeld --map &apos;%2&apos; (de velden zijn %3).</translation>
    </message>
    <message id="No cacti, watering schedules or logs were found in the file. It must follow the Spinora CSV template.">
        <source></source>
        <translation>Er zijn geen cactussen, gietschema&apos;s of logboekregels in het bestand gevonden. Het moet het Spinora CSV-sjabloon volgen.</translation>
    </message>
    <message id="name|plant|plant name|cactus|label">
        <source></source>
        <translation>naam|plant|plantnaam|cactus|etiket</translation>
    </message>
    <message id="scientific|scientific name|botanical name|latin name|taxon|genus|species">
        <source></source>
        <translation>wetenschappelijk|wetenschappelijke naam|botanische naam|latijnse naam|taxon|geslacht|soort</translation>
    </message>
    <message id="common|common name">
        <source></source>
        <translation>volksnaam|nederlandse naam</translation>
    </message>
    <message id="type|plant type">
        <source></source>
        <translation>type|planttype</translation>
    </message>
    <message id="watering|schedule|watering schedule">
        <source></source>
        <translation>gieten|schema|gietschema</translation>
    </message>
    <message id="last watered">
        <source></source>
        <translation>laatst gegoten</translation>
    </message>
    <message id="next watering">
        <source></source>
        <translation>volgende gietbeurt</translation>
    </message>
    <message id="planted|plant date|date planted|sown">
        <source></source>
        <translation>geplant|plantdatum|datum geplant|gezaaid</translation>
    </message>
    <message id="source|origin">
        <source></source>
        <translation>herkomst|oorsprong</translation>
    </message>
    <message id="acquired|date acquired|bought|purchased|purchase date">
        <source></source>
        <translation>aangeschaft|aanschafdatum|gekocht|aangekocht|aankoopdatum</translation>
    </message>
    <message id="price|purchase price|cost|paid">
        <source></source>
        <translation>prijs|aankoopprijs|kosten|betaald</translation>
    </message>
    <message id="value|worth">
        <source></source>
        <translation>waarde|waard</translation>
    </message>
    <message id="location|place|position|bench|greenhouse">
        <source></source>
        <translation>standplaats|plaats|positie|tafel|kas</translation>
    </message>
    <message id="height">
        <source></source>
        <translation>hoogte</translation>
    </message>
    <message id="width|diameter">
        <source></source>
        <translation>breedte|diameter</translation>
    </message>
    <message id="weight">
        <source></source>
        <translation>gewicht</translation>
    </message>
    <message id="light|sun">
        <source></source>
        <translation>licht|zon</translation>
    </message>
    <message id="temperature|temp|min temp">
        <source></source>
        <translation>temperatuur|temp|min temp</translation>
    </message>
    <message id="pot size|pot">
        <source></source>
        <translation>potmaat|pot</translation>
    </message>
    <message id="pot shape|shape">
        <source></source>
        <translation>potvorm|vorm</translation>
    </message>
    <message id="pot material|material">
        <source></source>
        <translation>potmateriaal|materiaal</translation>
    </message>
    <message id="notes|note|comments|comment|remarks|description">
        <source></source>
        <translation>notities|notitie|opmerkingen|opmerking|aantekeningen|beschrijving</translation>
    </message>
    <message id="id|#|no|no.|number|photo|photos|image|picture">
        <source></source>
        <translation>id|#|nr|nr.|nummer|foto|foto&apos;s|afbeelding|plaatje</translation>
    </message>
    <message id="“%1” is no COLUMN=FIELD pair.">
        <source></source>
        <translation>“%1” is geen paar van de vorm KOLOM=VELD.</translation>
    </message>
    <message id="“%1” is no field; the fields are %2.">
        <source></source>
        <translation>“%1” is geen veld; de velden zijn %2.</translation>
    </message>
    <message id="The file has no column “%1”.">
        <source></source>
        <translation>Het bestand heeft geen kolom “%1”.</translation>
    </message>
    <message id="%1 is a folder; an export never replaces a folder with a file.">
        <source></source>
        <translation>%1 is een map; een export vervangt nooit een map door een bestand.</translation>
    </message>
    <message id="%1 is a folder that is not a Spinora collection; an export never replaces it.">
        <source></source>
        <translation>%1 is een map die geen Spinora-verzameling is; een export vervangt die nooit.</translation>
    </message>
    <message id="%1 is a collection in use by %2; it cannot be replaced.">
        <source></source>
        <translation>%1 is een verzameling die in gebruik is door %2; ze kan niet worden vervangen.</translation>
    </message>
    <message id="%1 is an existing collection and was not replaced.">
        <source></source>
        <translation>%1 is een bestaande verzameling en is niet vervangen.</translation>
    </message>
    <message id="%1 already exists and was not replaced.">
        <source></source>
        <translation>%1 bestaat al en is niet vervangen.</translation>
    </message>
    <message id="The collection %1 could not be read: %2">
        <source></source>
        <translation>De verzameling %1 kon niet worden gelezen: %2</translation>
    </message>
    <message id="it holds no %1.">
        <source></source>
        <translation>%1 ontbreekt erin.</translation>
    </message>
    <message id="The collection %1 was made by a newer version of Spinora (schema %2; this version reads up to %3).">
        <source></source>
        <translation>De verzameling %1 is gemaakt met een nieuwere versie van Spinora (schema %2; deze versie leest tot en met %3).</translation>
    </message>
    <message id="The collection could not be read: %1">
        <source></source>
        <translation>De verzameling kon niet worden gelezen: %1</translation>
    </message>
    <message id="The collection was opened read-only, so nothing can be imported into it.">
        <source></source>
        <translation>De verzameling is alleen-lezen geopend, dus er kan niets in worden geïmporteerd.</translation>
    </message>
    <message id="The import failed.">
        <source></source>
        <translation>De import is mislukt.</translation>
    </message>
    <message id="The collection could not be written: %1">
        <source></source>
        <translation>De verzameling kon niet worden geschreven: %1</translation>
    </message>
    <message id="The collection's database could not be opened: %1">
        <source></source>
        <translation>De database van de verzameling kon niet worden geopend: %1</translation>
    </message>
    <message id="The folder %1 could not be made.">
        <source></source>
        <translation>De map %1 kon niet worden aangemaakt.</translation>
    </message>
    <message id="The template could not be read: %1">
        <source></source>
        <translation>Het sjabloon kon niet worden gelezen: %1</translation>
    </message>
    <message id="The collection could not be locked for the import: %1">
        <source></source>
        <translation>De verzameling kon niet worden vergrendeld voor de import: %1</translation>
    </message>
    <message id="Fertilized">
        <source></source>
        <translation>Bemest</translation>
    </message>
    <message id="Flowered">
        <source></source>
        <translation>Gebloeid</translation>
    </message>
    <message id="Planted">
        <source></source>
        <translation>Geplant</translation>
    </message>
    <message id="Purchased">
        <source></source>
        <translation>Gekocht</translation>
    </message>
    <message id="Sold">
        <source></source>
        <translation>Verkocht</translation>
    </message>
    <message id="The import could not be saved: %1">
        <source></source>
        <translation>De import kon niet worden opgeslagen: %1</translation>
    </message>
    <message id="%1 could not be written">
        <source></source>
        <translation>%1 kon niet worden geschreven</translation>
    </message>
    <message id="%1: the export filter could not be run">
        <source></source>
        <translation>%1: het exportfilter kon niet worden uitgevoerd</translation>
    </message>
    <message id="%1 could not be replaced">
        <source></source>
        <translation>%1 kon niet worden vervangen</translation>
    </message>
    <message id="The file cannot be imported: it holds triggers or views, which Spinora files never have.">
        <source></source>
        <translation>Het bestand kan niet worden geïmporteerd: het bevat triggers of views, die Spinora-bestanden nooit hebben.</translation>
    </message>
    <message id="larger than 64 MiB">
        <source></source>
        <translation>groter dan 64 MiB</translation>
    </message>
    <message id="a link that leads out of the package">
        <source></source>
        <translation>een koppeling die buiten het pakket leidt</translation>
    </message>
    <message id="not a file that can be read">
        <source></source>
        <translation>geen bestand dat kan worden gelezen</translation>
    </message>
    <message id="%1 could not be read.">
        <source></source>
        <translation>%1 kon niet worden gelezen.</translation>
    </message>
    <message id="The file could not be opened: %1">
        <source></source>
        <translation>Het bestand kon niet worden geopend: %1</translation>
    </message>
    <message id="The file is not a Spinora database: %1">
        <source></source>
        <translation>Het bestand is geen Spinora-database: %1</translation>
    </message>
    <message id="The file cannot be imported: its schema could not be upgraded (%1).">
        <source></source>
        <translation>Het bestand kan niet worden geïmporteerd: het schema ervan kon niet worden bijgewerkt (%1).</translation>
    </message>
    <message id="The file could not be closed: %1">
        <source></source>
        <translation>Het bestand kon niet worden gesloten: %1</translation>
    </message>
    <message id="The file has no version information, so it is not a Spinora database.">
        <source></source>
        <translation>Het bestand bevat geen versie-informatie en is dus geen Spinora-database.</translation>
    </message>
    <message id="The file cannot be imported: it was made by a newer version of Spinora (schema %1; this version reads up to %2).">
        <source></source>
        <translation>Het bestand kan niet worden geïmporteerd: het is gemaakt met een nieuwere versie van Spinora (schema %1; deze versie leest tot en met %2).</translation>
    </message>
    <message id="The file's version row holds no record counts.">
        <source></source>
        <translation>De versierij van het bestand bevat geen aantallen records.</translation>
    </message>
    <message id="The file cannot be imported: its %1 table cannot be read (%2).">
        <source></source>
        <translation>Het bestand kan niet worden geïmporteerd: de tabel %1 ervan kan niet worden gelezen (%2).</translation>
    </message>
    <message id="The file cannot be imported: its %1 table has keys that are not whole numbers from 0 to 9223372036854775807.">
        <source></source>
        <translation>Het bestand kan niet worden geïmporteerd: de tabel %1 ervan heeft sleutels die geen gehele getallen van 0 tot en met 9223372036854775807 zijn.</translation>
    </message>
    <message id="The file cannot be imported: its %1 table has the same key on more than one row.">
        <source></source>
        <translation>Het bestand kan niet worden geïmporteerd: de tabel %1 ervan heeft dezelfde sleutel in meer dan één rij.</translation>
    </message>
    <message id="The file cannot be imported: the collection has no keys left for its %1 table.">
        <source></source>
        <translation>Het bestand kan niet worden geïmporteerd: de verzameling heeft geen sleutels meer over voor de tabel %1 ervan.</translation>
    </message>
    <message id="The records of the file's %1 table could not be read: %2">
        <source></source>
        <translation>De records van de tabel %1 van het bestand konden niet worden gelezen: %2</translation>
    </message>
    <message id="The file cannot be imported: the %1 column of its %2 table holds values that are not whole numbers.">
        <source></source>
        <translation>Het bestand kan niet worden geïmporteerd: de kolom %1 van de tabel %2 ervan bevat waarden die geen gehele getallen zijn.</translation>
    </message>
    <message id="The file holds no watering schedules.">
        <source></source>
        <translation>Het bestand bevat geen gietschema&apos;s.</translation>
    </message>
    <message id="The file holds no cacti.">
        <source></source>
        <translation>Het bestand bevat geen cactussen.</translation>
    </message>
    <message id="not a picture that can be read">
        <source></source>
        <translation>geen afbeelding die kan worden gelezen</translation>
    </message>
    <message id="the cactus %1">
        <source></source>
        <translation>de cactus %1</translation>
    </message>
    <message id="the log entry %1">
        <source></source>
        <translation>de logboekregel %1</translation>
    </message>
    <message id="the cactus “%1”">
        <source></source>
        <translation>de cactus “%1”</translation>
    </message>
    <message id="the log entry “%1”">
        <source></source>
        <translation>de logboekregel “%1”</translation>
    </message>
    <message id="The file's photos could not be read: %1">
        <source></source>
        <translation>De foto&apos;s van het bestand konden niet worden gelezen: %1</translation>
    </message>
    <message id="The file cannot be imported: the key column of its image table holds values that are not whole numbers.">
        <source></source>
        <translation>Het bestand kan niet worden geïmporteerd: de sleutelkolom van de afbeeldingentabel ervan bevat waarden die geen gehele getallen zijn.</translation>
    </message>
    <message id="1 photo could not be read and was left out: %1.">
        <source></source>
        <translation>1 foto kon niet worden gelezen en is weggelaten: %1.</translation>
    </message>
    <message id="%1 photos could not be read and were left out: %2.">
        <source></source>
        <translation>%1 foto&apos;s konden niet worden gelezen en zijn weggelaten: %2.</translation>
    </message>
    <message id="The file could not be read: %1">
        <source></source>
        <translation>Het bestand kon niet worden gelezen: %1</translation>
    </message>
    <message id="No plant has a date acquired.">
        <source></source>
        <translation>Geen enkele plant heeft een aanschafdatum.</translation>
    </message>
    <message id="%1 without a date">
        <source></source>
        <translation>%1 zonder datum</translation>
    </message>
    <message id="Plants by Date Acquired">
        <source></source>
        <translation>Planten op aanschafdatum</translation>
    </message>
    <message id="Value by Date Acquired">
        <source></source>
        <translation>Waarde op aanschafdatum</translation>
    </message>
    <message id="Plants by Genus">
        <source></source>
        <translation>Planten op geslacht</translation>
    </message>
    <message id="Waterings Due in the Next %1 Days">
        <source></source>
        <translation>Gietbeurten in de komende %1 dagen</translation>
    </message>
    <message id="Charts">
        <source></source>
        <translation>Grafieken</translation>
    </message>
    <message id="Cacti Report">
        <source></source>
        <translation>Cactusrapport</translation>
    </message>
    <message id="Summary">
        <source></source>
        <translation>Samenvatting</translation>
    </message>
    <message id="Total Cacti">
        <source></source>
        <translation>Totaal aantal cactussen</translation>
    </message>
    <message id="Total Watering Schedules">
        <source></source>
        <translation>Totaal aantal gietschema&apos;s</translation>
    </message>
    <message id="Total Log Entries">
        <source></source>
        <translation>Totaal aantal logboekregels</translation>
    </message>
    <message id="Unique Species">
        <source></source>
        <translation>Verschillende soorten</translation>
    </message>
    <message id="Total Value">
        <source></source>
        <translation>Totale waarde</translation>
    </message>
    <message id="Species Scientific Name">
        <source></source>
        <translation>Wetenschappelijke naam van de soort</translation>
    </message>
    <message id="Species Common Name">
        <source></source>
        <translation>Volksnaam van de soort</translation>
    </message>
    <message id="Unknown Date">
        <source></source>
        <translation>Onbekende datum</translation>
    </message>
    <message id="No Event Name">
        <source></source>
        <translation>Geen gebeurtenisnaam</translation>
    </message>
    <message id="The report folder %1 cannot be written.">
        <source></source>
        <translation>Er kan niet naar de rapportmap %1 worden geschreven.</translation>
    </message>
    <message id="The report %1 could not be written.">
        <source></source>
        <translation>Het rapport %1 kon niet worden geschreven.</translation>
    </message>
    <message id="No folder for the work files was found: the user's caches folder is unknown (set HOME or XDG_CACHE_HOME).">
        <source></source>
        <translation>Er is geen map voor de werkbestanden gevonden: de cachemap van de gebruiker is onbekend (stel HOME of XDG_CACHE_HOME in).</translation>
    </message>
    <message id="The work folder %1 could not be made.">
        <source></source>
        <translation>De werkmap %1 kon niet worden aangemaakt.</translation>
    </message>
    <message id="The work folder %1 cannot be used: something that is not a folder is in its place.">
        <source></source>
        <translation>De werkmap %1 kan niet worden gebruikt: op die plek staat iets wat geen map is.</translation>
    </message>
    <message id="The work folder %1 cannot be used: it is not writable.">
        <source></source>
        <translation>De werkmap %1 kan niet worden gebruikt: er kan niet naar worden geschreven.</translation>
    </message>
    <message id="Another transfer is running in this program; try again when it has finished.">
        <source></source>
        <translation>Er loopt al een andere overdracht in dit programma; probeer het opnieuw als die klaar is.</translation>
    </message>
    <message id="Another transfer is running (%1, process %2); try again when it has finished.">
        <source></source>
        <translation>Er loopt al een andere overdracht (%1, proces %2); probeer het opnieuw als die klaar is.</translation>
    </message>
    <message id="another program">
        <source></source>
        <translation>een ander programma</translation>
    </message>
    <message id="Another transfer is running; try again when it has finished.">
        <source></source>
        <translation>Er loopt al een andere overdracht; probeer het opnieuw als die klaar is.</translation>
    </message>
    <message id="The work folder %1 cannot be used: its lock file could not be made.">
        <source></source>
        <translation>De werkmap %1 kan niet worden gebruikt: het vergrendelingsbestand ervan kon niet worden aangemaakt.</translation>
    </message>
    <message id="Import From SDBI">
        <source></source>
        <translation>Importeren uit SDBI</translation>
    </message>
    <message id="Import From Spinora Database">
        <source></source>
        <translation>Importeren uit Spinora-database</translation>
    </message>
    <message id="Database File">
        <source></source>
        <translation>Databasebestand</translation>
    </message>
    <message id="Import From CSV">
        <source></source>
        <translation>Importeren uit CSV</translation>
    </message>
    <message id="Export To SDBI">
        <source></source>
        <translation>Exporteren naar SDBI</translation>
    </message>
    <message id="Export To Spinora Database">
        <source></source>
        <translation>Exporteren naar Spinora-database</translation>
    </message>
    <message id="Export To CSV">
        <source></source>
        <translation>Exporteren naar CSV</translation>
    </message>
    <message id="Type a path, or choose the file with Browse">
        <source></source>
        <translation>Typ een pad of kies het bestand met Bladeren</translation>
    </message>
    <message id="Choose where to save with Browse">
        <source></source>
        <translation>Kies met Bladeren waar u wilt opslaan</translation>
    </message>
    <message id="There is no file “%1”.">
        <source></source>
        <translation>Er is geen bestand “%1”.</translation>
    </message>
    <message id="A4, 3 × 8 labels of 70 × 37 mm">
        <source></source>
        <translation>A4, 3 × 8 etiketten van 70 × 37 mm</translation>
    </message>
    <message id="US Letter, 3 × 10 labels of 2.625 × 1 in">
        <source></source>
        <translation>US Letter, 3 × 10 etiketten van 2,625 × 1 inch</translation>
    </message>
    <message id="%n labels" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n etiket</numerusform>
            <numerusform>%n etiketten</numerusform>
        </translation>
    </message>
    <message id="%n pages" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n pagina</numerusform>
            <numerusform>%n pagina&apos;s</numerusform>
        </translation>
    </message>
    <message id=" mm">
        <source></source>
        <translation> mm</translation>
    </message>
    <message id="Nothing was printed: the printer “%1” could not be used.">
        <source></source>
        <translation>Er is niets afgedrukt: de printer “%1” kon niet worden gebruikt.</translation>
    </message>
    <message id="Nothing was printed: the file “%1” could not be written.">
        <source></source>
        <translation>Er is niets afgedrukt: het bestand “%1” kon niet worden geschreven.</translation>
    </message>
    <message id="Error: out of memory.">
        <source></source>
        <translation>Fout: onvoldoende geheugen.</translation>
    </message>
    <message id="Error: unknown exception.">
        <source></source>
        <translation>Fout: onbekende uitzondering.</translation>
    </message>
    <message id="No snapshot of the collection could be kept: %1">
        <source></source>
        <translation>Er kon geen reservekopie van de verzameling worden bewaard: %1</translation>
    </message>
    <message id="the collection as it is now could not be kept first, so nothing was changed: %1">
        <source></source>
        <translation>de verzameling kon niet eerst in haar huidige toestand worden bewaard, dus er is niets gewijzigd: %1</translation>
    </message>
    <message id="the collection was opened read-only">
        <source></source>
        <translation>de verzameling is alleen-lezen geopend</translation>
    </message>
    <message id="Other">
        <source></source>
        <translation>Overig</translation>
    </message>
    <message id="it does not exist.">
        <source></source>
        <translation>ze bestaat niet.</translation>
    </message>
    <message id="it is not a collection package (a folder ending in .sdb).">
        <source></source>
        <translation>het is geen verzamelingspakket (een map waarvan de naam op .sdb eindigt).</translation>
    </message>
    <message id="the folder holds no %1, so it is not a Spinora collection.">
        <source></source>
        <translation>in de map ontbreekt %1, dus het is geen Spinora-verzameling.</translation>
    </message>
    <message id="it is read-only. Make it writable, or copy it to another place, to open it.">
        <source></source>
        <translation>ze is alleen-lezen. Maak ze beschrijfbaar of kopieer ze naar een andere plek om ze te openen.</translation>
    </message>
    <message id="the collection is not open">
        <source></source>
        <translation>de verzameling is niet geopend</translation>
    </message>
    <message id="the collection could not be read again: %1">
        <source></source>
        <translation>de verzameling kon niet opnieuw worden gelezen: %1</translation>
    </message>
    <message id="the file is not a picture">
        <source></source>
        <translation>het bestand is geen afbeelding</translation>
    </message>
    <message id="the picture is too large (%1 × %2 pixels)">
        <source></source>
        <translation>de afbeelding is te groot (%1 × %2 pixels)</translation>
    </message>
    <message id="the picture cannot be decoded (%1)">
        <source></source>
        <translation>de afbeelding kan niet worden gedecodeerd (%1)</translation>
    </message>
    <message id="the file cannot be read">
        <source></source>
        <translation>het bestand kan niet worden gelezen</translation>
    </message>
    <message id="the file is larger than %1 MB">
        <source></source>
        <translation>het bestand is groter dan %1 MB</translation>
    </message>
    <message id="Error: a photo needs its three prepared files.">
        <source></source>
        <translation>Fout: een foto heeft zijn drie voorbereide bestanden nodig.</translation>
    </message>
    <message id="a change to it was cut short when Spinora or the computer stopped">
        <source></source>
        <translation>een wijziging eraan is afgebroken toen Spinora of de computer stopte</translation>
    </message>
    <message id="%1, and must be undone before the collection can be read. That takes writing, and the collection is read-only here. Copy the whole collection, with the file %2-journal in it, to a writable place and open the copy.">
        <source></source>
        <translation>%1, en moet ongedaan worden gemaakt voordat de verzameling kan worden gelezen. Daarvoor moet er geschreven worden, en de verzameling is hier alleen-lezen. Kopieer de hele verzameling, met het bestand %2-journal erin, naar een beschrijfbare plek en open de kopie.</translation>
    </message>
    <message id="%1, and cannot be undone: %2">
        <source></source>
        <translation>%1, en kan niet ongedaan worden gemaakt: %2</translation>
    </message>
    <message id="%1, and undoing it failed: %2.">
        <source></source>
        <translation>%1, en het ongedaan maken is mislukt: %2.</translation>
    </message>
    <message id="the collection is not open for writing.">
        <source></source>
        <translation>de verzameling is niet geopend om te schrijven.</translation>
    </message>
    <message id="no watering moment was given.">
        <source></source>
        <translation>er is geen gietmoment opgegeven.</translation>
    </message>
    <message id="it is already open in this program.">
        <source></source>
        <translation>ze is al geopend in dit programma.</translation>
    </message>
    <message id="another program (process %1)">
        <source></source>
        <translation>een ander programma (proces %1)</translation>
    </message>
    <message id="it is in use by %1. Only one program at a time can change a collection; try again when it has finished.">
        <source></source>
        <translation>ze is in gebruik door %1. Er kan maar één programma tegelijk een verzameling wijzigen; probeer het opnieuw als dat klaar is.</translation>
    </message>
    <message id="its lock file %1 cannot be opened (%2).">
        <source></source>
        <translation>haar vergrendelingsbestand %1 kan niet worden geopend (%2).</translation>
    </message>
    <message id="its lock file %1 cannot be locked (%2).">
        <source></source>
        <translation>haar vergrendelingsbestand %1 kan niet worden vergrendeld (%2).</translation>
    </message>
    <message id="its lock file %1 keeps being replaced by another program.">
        <source></source>
        <translation>haar vergrendelingsbestand %1 wordt steeds door een ander programma vervangen.</translation>
    </message>
    <message id="the picture cannot be converted to JPEG">
        <source></source>
        <translation>de afbeelding kan niet naar JPEG worden omgezet</translation>
    </message>
    <message id="no database connection">
        <source></source>
        <translation>geen databaseverbinding</translation>
    </message>
    <message id="the current schema is not available (%1)">
        <source></source>
        <translation>het huidige schema is niet beschikbaar (%1)</translation>
    </message>
    <message id="The collection %1 could not be opened: %2">
        <source></source>
        <translation>De verzameling %1 kon niet worden geopend: %2</translation>
    </message>
    <message id="The collection %1 could not be made: %2">
        <source></source>
        <translation>De verzameling %1 kon niet worden aangemaakt: %2</translation>
    </message>
    <message id="The logs of %1 could not be read: %2">
        <source></source>
        <translation>De logboekregels van %1 konden niet worden gelezen: %2</translation>
    </message>
    <message id="%1. So that nothing is lost, the collection is now read-only: nothing in it is changed or deleted. Close it and open it again to try once more.">
        <source></source>
        <translation>%1. Om te voorkomen dat er iets verloren gaat, is de verzameling nu alleen-lezen: er wordt niets in gewijzigd of verwijderd. Sluit de verzameling en open ze opnieuw om het nog eens te proberen.</translation>
    </message>
    <message id="it was made by a newer version of Spinora (schema %1; this version reads up to %2).">
        <source></source>
        <translation>ze is gemaakt met een nieuwere versie van Spinora (schema %1; deze versie leest tot en met %2).</translation>
    </message>
    <message id="its schema could not be upgraded (%1).">
        <source></source>
        <translation>haar schema kon niet worden bijgewerkt (%1).</translation>
    </message>
    <message id="the script %1 could not be read">
        <source></source>
        <translation>het script %1 kon niet worden gelezen</translation>
    </message>
    <message id="The collection %1 was opened read-only and cannot be saved.">
        <source></source>
        <translation>De verzameling %1 is alleen-lezen geopend en kan niet worden opgeslagen.</translation>
    </message>
    <message id="The collection %1 was saved, but could not be opened again: %2">
        <source></source>
        <translation>De verzameling %1 is opgeslagen, maar kon niet opnieuw worden geopend: %2</translation>
    </message>
    <message id="The collection could not be saved as %1: %2">
        <source></source>
        <translation>De verzameling kon niet worden opgeslagen als %1: %2</translation>
    </message>
    <message id="The collection could not be saved as %1.">
        <source></source>
        <translation>De verzameling kon niet worden opgeslagen als %1.</translation>
    </message>
    <message id="Caudiciform">
        <source></source>
        <translation>Caudexplant</translation>
    </message>
    <message id="Leaf Succulent">
        <source></source>
        <translation>Bladsucculent</translation>
    </message>
    <message id="Root Succulent">
        <source></source>
        <translation>Wortelsucculent</translation>
    </message>
    <message id="Stem Succulent">
        <source></source>
        <translation>Stamsucculent</translation>
    </message>
    <message id="Seed">
        <source></source>
        <translation>Zaad</translation>
    </message>
    <message id="Cutting">
        <source></source>
        <translation>Stek</translation>
    </message>
    <message id="Offset">
        <source></source>
        <translation>Scheut</translation>
    </message>
    <message id="Grafted">
        <source></source>
        <translation>Geënt</translation>
    </message>
    <message id="Wild">
        <source></source>
        <translation>Natuur</translation>
    </message>
    <message id="Nursery Stock">
        <source></source>
        <translation>Kwekerijplant</translation>
    </message>
    <message id="Private Grower">
        <source></source>
        <translation>Particuliere kweker</translation>
    </message>
    <message id="Retailer">
        <source></source>
        <translation>Winkel</translation>
    </message>
    <message id="Ceramic">
        <source></source>
        <translation>Keramiek</translation>
    </message>
    <message id="Concrete">
        <source></source>
        <translation>Beton</translation>
    </message>
    <message id="Fiberglass">
        <source></source>
        <translation>Glasvezel</translation>
    </message>
    <message id="Mica">
        <source></source>
        <translation>Mica</translation>
    </message>
    <message id="None (In-Ground)">
        <source></source>
        <translation>Geen pot (in de volle grond)</translation>
    </message>
    <message id="Plastic">
        <source></source>
        <translation>Kunststof</translation>
    </message>
    <message id="Stone">
        <source></source>
        <translation>Steen</translation>
    </message>
    <message id="Wood">
        <source></source>
        <translation>Hout</translation>
    </message>
    <message id="Round">
        <source></source>
        <translation>Rond</translation>
    </message>
    <message id="Oval">
        <source></source>
        <translation>Ovaal</translation>
    </message>
    <message id="Square">
        <source></source>
        <translation>Vierkant</translation>
    </message>
    <message id="Rectangular">
        <source></source>
        <translation>Rechthoekig</translation>
    </message>
    <message id="Hexagon">
        <source></source>
        <translation>Zeshoekig</translation>
    </message>
    <message id="Octagon">
        <source></source>
        <translation>Achthoekig</translation>
    </message>
    <message id="Dish">
        <source></source>
        <translation>Schaal</translation>
    </message>
    <message id="Lotus">
        <source></source>
        <translation>Lotus</translation>
    </message>
    <message id="Flat">
        <source></source>
        <translation>Plat</translation>
    </message>
    <message id="Irregular">
        <source></source>
        <translation>Onregelmatig</translation>
    </message>
    <message id="hours">
        <source></source>
        <translation>uur</translation>
    </message>
    <message id="days">
        <source></source>
        <translation>dagen</translation>
    </message>
    <message id="weeks">
        <source></source>
        <translation>weken</translation>
    </message>
    <message id="months">
        <source></source>
        <translation>maanden</translation>
    </message>
    <message id="hour">
        <source></source>
        <translation>uur</translation>
    </message>
    <message id="day">
        <source></source>
        <translation>dag</translation>
    </message>
    <message id="week">
        <source></source>
        <translation>week</translation>
    </message>
    <message id="month">
        <source></source>
        <translation>maand</translation>
    </message>
    <message id="Spray">
        <source></source>
        <translation>Sproeien</translation>
    </message>
    <message id="LightQuantity">
        <source></source>
        <translation>Lichthoeveelheid</translation>
    </message>
    <message id="Moderate">
        <source></source>
        <translation>Matig</translation>
    </message>
    <message id="Soak">
        <source></source>
        <translation>Onderdompelen</translation>
    </message>
    <message id="a cactus">
        <source></source>
        <translation>een cactus</translation>
    </message>
    <message id="a watering schedule">
        <source></source>
        <translation>een gietschema</translation>
    </message>
    <message id="a log">
        <source></source>
        <translation>een logboekregel</translation>
    </message>
    <message id="a photo">
        <source></source>
        <translation>een foto</translation>
    </message>
    <message id="a record (%1)">
        <source></source>
        <translation>een record (%1)</translation>
    </message>
    <message id="%1 it needs is gone">
        <source></source>
        <translation>%1 die nodig is, bestaat niet meer</translation>
    </message>
    <message id="%1 it would bring back has been made again">
        <source></source>
        <translation>%1 die het zou terugzetten, is opnieuw aangemaakt</translation>
    </message>
    <message id="%1 it touches has been changed since">
        <source></source>
        <translation>%1 waaraan het raakt, is sindsdien gewijzigd</translation>
    </message>
    <message id="what it needs could not be read from %1">
        <source></source>
        <translation>wat nodig is, kon niet uit %1 worden gelezen</translation>
    </message>
    <message id="the collection as it was before was not kept">
        <source></source>
        <translation>de verzameling is niet in haar vorige toestand bewaard</translation>
    </message>
    <message id="“%1” could not be undone: %2.">
        <source></source>
        <translation>“%1” kon niet ongedaan worden gemaakt: %2.</translation>
    </message>
    <message id="“%1” could not be redone: %2.">
        <source></source>
        <translation>“%1” kon niet opnieuw worden uitgevoerd: %2.</translation>
    </message>
    <message id="the database is damaged (%1).">
        <source></source>
        <translation>de database is beschadigd (%1).</translation>
    </message>
    <message id="Print the list">
        <source></source>
        <translation>De lijst afdrukken</translation>
    </message>
    <message id="Import from device">
        <source></source>
        <translation>Importeren van apparaat</translation>
    </message>
    <message id="Import database from Spinora Mobile App">
        <source></source>
        <translation>Database importeren uit de mobiele Spinora-app</translation>
    </message>
    <message id="Export to device">
        <source></source>
        <translation>Exporteren naar apparaat</translation>
    </message>
    <message id="Export database to Spinora Mobile App">
        <source></source>
        <translation>Database exporteren naar de mobiele Spinora-app</translation>
    </message>
    <message id="Show database statistics">
        <source></source>
        <translation>Databasestatistieken tonen</translation>
    </message>
    <message id="Delete Item">
        <source></source>
        <translation>Item verwijderen</translation>
    </message>
    <message id="Remove an item from the list">
        <source></source>
        <translation>Een item uit de lijst verwijderen</translation>
    </message>
    <message id="Add an item to the list">
        <source></source>
        <translation>Een item aan de lijst toevoegen</translation>
    </message>
    <message id="%n watering schedules" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n gietschema</numerusform>
            <numerusform>%n gietschema&apos;s</numerusform>
        </translation>
    </message>
    <message id="%1 and its %n cacti" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%1 met %n cactus</numerusform>
            <numerusform>%1 met %n cactussen</numerusform>
        </translation>
    </message>
    <message id="%1 and their %n cacti" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%1 met samen %n cactus</numerusform>
            <numerusform>%1 met samen %n cactussen</numerusform>
        </translation>
    </message>
    <message id="%n cacti" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n cactus</numerusform>
            <numerusform>%n cactussen</numerusform>
        </translation>
    </message>
    <message id="No log has the event &quot;Flowered&quot; yet.">
        <source></source>
        <translation>Nog geen enkele logboekregel heeft de gebeurtenis “Gebloeid”.</translation>
    </message>
    <message id="How often each plant flowered in each month, over all years; the plants likely to flower in %1 first.">
        <source></source>
        <translation>Hoe vaak elke plant in elke maand heeft gebloeid, over alle jaren; de planten die waarschijnlijk in %1 bloeien eerst.</translation>
    </message>
    <message id="No date">
        <source></source>
        <translation>Geen datum</translation>
    </message>
    <message id="%1, %2">
        <source></source>
        <translation>%1, %2</translation>
    </message>
    <message id="Photo Timeline of %1">
        <source></source>
        <translation>Fototijdlijn van %1</translation>
    </message>
    <message id="Photos, oldest first">
        <source></source>
        <translation>Foto&apos;s, oudste eerst</translation>
    </message>
    <message id="This plant has no photos yet, neither its own nor in its logs.">
        <source></source>
        <translation>Deze plant heeft nog geen foto&apos;s, niet van zichzelf en niet in zijn logboekregels.</translation>
    </message>
    <message id="Choose two photos (Ctrl+click) to see them side by side.">
        <source></source>
        <translation>Kies twee foto&apos;s (Ctrl+klik) om ze naast elkaar te zien.</translation>
    </message>
    <message id="Earlier photo">
        <source></source>
        <translation>Eerdere foto</translation>
    </message>
    <message id="Later photo">
        <source></source>
        <translation>Latere foto</translation>
    </message>
    <message id="%1 (%2 without a date)">
        <source></source>
        <translation>%1 (%2 zonder datum)</translation>
    </message>
    <message id="Log Entries">
        <source></source>
        <translation>Logboekregels</translation>
    </message>
    <message id="Watering Due">
        <source></source>
        <translation>Gieten aan de beurt</translation>
    </message>
    <message id="Reminders Due">
        <source></source>
        <translation>Herinneringen die aan de beurt zijn</translation>
    </message>
    <message id="%1:">
        <source></source>
        <translation>%1:</translation>
    </message>
    <message id="no collection at %1">
        <source></source>
        <translation>geen verzameling op %1</translation>
    </message>
    <message id="no snapshot was kept: %1">
        <source></source>
        <translation>er is geen reservekopie bewaard: %1</translation>
    </message>
    <message id="%1 has no snapshot named %2 (spinora-cli backups %1 lists them); nothing was changed">
        <source></source>
        <translation>%1 heeft geen reservekopie met de naam %2 (spinora-cli backups %1 geeft ze weer); er is niets gewijzigd</translation>
    </message>
    <message id="%1 was not restored: %2">
        <source></source>
        <translation>%1 is niet hersteld: %2</translation>
    </message>
    <message id="the collection as it was is kept as %1">
        <source></source>
        <translation>de verzameling in haar vorige toestand is bewaard als %1</translation>
    </message>
    <message id="%1 needs a value">
        <source></source>
        <translation>%1 heeft een waarde nodig</translation>
    </message>
    <message id="usage: %1">
        <source></source>
        <translation>gebruik: %1</translation>
    </message>
    <message id="%1 must be a whole number from %2 to %3, not “%4”">
        <source></source>
        <translation>%1 moet een geheel getal van %2 tot %3 zijn, niet “%4”</translation>
    </message>
    <message id="%1 must be a local date and time as YYYY-MM-DD HH:MM, not “%2”">
        <source></source>
        <translation>%1 moet een lokale datum en tijd zijn als JJJJ-MM-DD UU:MM, niet “%2”</translation>
    </message>
    <message id="the collection could not be written">
        <source></source>
        <translation>de verzameling kon niet worden geschreven</translation>
    </message>
    <message id="%1 is damaged: %2 Nothing was changed. “spinora-cli backups %1” lists its snapshots and “spinora-cli restore %1 SNAPSHOT” brings one back.">
        <source></source>
        <translation>%1 is beschadigd: %2 Er is niets gewijzigd. “spinora-cli backups %1” geeft de reservekopieën weer en “spinora-cli restore %1 RESERVEKOPIE” zet er een terug.</translation>
    </message>
    <message id="its photo file %1 is missing.">
        <source></source>
        <translation>haar fotobestand %1 ontbreekt.</translation>
    </message>
    <message id="%1 photo files are missing, the first %2.">
        <source></source>
        <translation>%1 fotobestanden ontbreken, het eerste is %2.</translation>
    </message>
    <message id="%1: a collection's name must end in .%2">
        <source></source>
        <translation>%1: de naam van een verzameling moet op .%2 eindigen</translation>
    </message>
    <message id="%1 already exists; nothing was changed">
        <source></source>
        <translation>%1 bestaat al; er is niets gewijzigd</translation>
    </message>
    <message id="the folder %1 does not exist">
        <source></source>
        <translation>de map %1 bestaat niet</translation>
    </message>
    <message id="the sample could not be written">
        <source></source>
        <translation>het voorbeeld kon niet worden geschreven</translation>
    </message>
    <message id="created %1 with %2 cacti, %3 watering schedules, %4 logs and %5 photos">
        <source></source>
        <translation>%1 aangemaakt met %2 cactussen, %3 gietschema&apos;s, %4 logboekregels en %5 foto&apos;s</translation>
    </message>
    <message id="list what? “%1” is not cacti, watering or logs">
        <source></source>
        <translation>wat weergeven? “%1” is niet cacti, watering of logs</translation>
    </message>
    <message id="at most three --no-water periods">
        <source></source>
        <translation>hoogstens drie --no-water-perioden</translation>
    </message>
    <message id="--no-water must be MM-DD:MM-DD with real days, not “%1”">
        <source></source>
        <translation>--no-water moet MM-DD:MM-DD met bestaande dagen zijn, niet “%1”</translation>
    </message>
    <message id="warning: %1">
        <source></source>
        <translation>waarschuwing: %1</translation>
    </message>
    <message id="there is no session bus to post the notification on (%1)">
        <source></source>
        <translation>er is geen sessiebus om de melding op te plaatsen (%1)</translation>
    </message>
    <message id="no notification service answers on the session bus (%1)">
        <source></source>
        <translation>geen meldingsdienst antwoordt op de sessiebus (%1)</translation>
    </message>
    <message id="the notification service refused the notification (%1)">
        <source></source>
        <translation>de meldingsdienst heeft de melding geweigerd (%1)</translation>
    </message>
    <message id="%1 wants a device address such as http://host:port, not “%2”">
        <source></source>
        <translation>%1 verwacht een apparaatadres zoals http://host:poort, niet “%2”</translation>
    </message>
    <message id="the import failed; nothing was changed">
        <source></source>
        <translation>de import is mislukt; er is niets gewijzigd</translation>
    </message>
    <message id="the import failed; nothing was changed: %1">
        <source></source>
        <translation>de import is mislukt; er is niets gewijzigd: %1</translation>
    </message>
    <message id="download failed: %1">
        <source></source>
        <translation>downloaden mislukt: %1</translation>
    </message>
    <message id="upload failed: %1 - %2">
        <source></source>
        <translation>uploaden mislukt: %1 - %2</translation>
    </message>
    <message id="service discovery failed: %1; it needs the avahi-daemon service (start it with &quot;systemctl start avahi-daemon&quot;)">
        <source></source>
        <translation>zoeken naar diensten mislukt: %1; hiervoor is de dienst avahi-daemon nodig (start deze met &quot;systemctl start avahi-daemon&quot;)</translation>
    </message>
    <message id="pull needs --from URL">
        <source></source>
        <translation>pull heeft --from URL nodig</translation>
    </message>
    <message id="import option %1 does not fit a device in mode %2: %3">
        <source></source>
        <translation>importoptie %1 past niet bij een apparaat in modus %2: %3</translation>
    </message>
    <message id="push needs --to URL">
        <source></source>
        <translation>push heeft --to URL nodig</translation>
    </message>
    <message id="%1 Add --force to replace it.">
        <source></source>
        <translation>%1 Voeg --force toe om het te vervangen.</translation>
    </message>
    <message id="%1 Nothing was written.">
        <source></source>
        <translation>%1 Er is niets geschreven.</translation>
    </message>
    <message id="Exporting to the open collection itself is not permitted">
        <source></source>
        <translation>Exporteren naar de geopende verzameling zelf is niet toegestaan</translation>
    </message>
    <message id="%1: use export-csv for CSV files">
        <source></source>
        <translation>%1: gebruik export-csv voor CSV-bestanden</translation>
    </message>
    <message id="%1: a CSV file's name must end in .csv">
        <source></source>
        <translation>%1: de naam van een CSV-bestand moet op .csv eindigen</translation>
    </message>
    <message id="Writing a report into the open collection itself is not permitted">
        <source></source>
        <translation>Een rapport in de geopende verzameling zelf schrijven is niet toegestaan</translation>
    </message>
    <message id="the file %1 could not be written">
        <source></source>
        <translation>het bestand %1 kon niet worden geschreven</translation>
    </message>
    <message id="nothing to import at %1">
        <source></source>
        <translation>niets te importeren op %1</translation>
    </message>
    <message id="--map is for CSV files">
        <source></source>
        <translation>--map is voor CSV-bestanden</translation>
    </message>
    <message id="--map: %1">
        <source></source>
        <translation>--map: %1</translation>
    </message>
    <message id="Importing from the open collection itself is not permitted">
        <source></source>
        <translation>Importeren uit de geopende verzameling zelf is niet toegestaan</translation>
    </message>
    <message id="--page-size must be A4 or Letter, not “%1”">
        <source></source>
        <translation>--page-size moet A4 of Letter zijn, niet “%1”</translation>
    </message>
    <message id="--record must be a record's key (a whole number), not “%1”">
        <source></source>
        <translation>--record moet de sleutel van een record zijn (een geheel getal), niet “%1”</translation>
    </message>
    <message id="--record needs a sheet screen (3, 4 or 5)">
        <source></source>
        <translation>--record heeft een detailscherm nodig (3, 4 of 5)</translation>
    </message>
    <message id="the collection has no cactus with the key %1">
        <source></source>
        <translation>de verzameling heeft geen cactus met de sleutel %1</translation>
    </message>
    <message id="the collection has no cactus to print">
        <source></source>
        <translation>de verzameling heeft geen cactus om af te drukken</translation>
    </message>
    <message id="the collection has no watering schedule with the key %1">
        <source></source>
        <translation>de verzameling heeft geen gietschema met de sleutel %1</translation>
    </message>
    <message id="the collection has no watering schedule to print">
        <source></source>
        <translation>de verzameling heeft geen gietschema om af te drukken</translation>
    </message>
    <message id="the collection has no log with the key %1">
        <source></source>
        <translation>de verzameling heeft geen logboekregel met de sleutel %1</translation>
    </message>
    <message id="the collection has no log to print">
        <source></source>
        <translation>de verzameling heeft geen logboekregel om af te drukken</translation>
    </message>
    <message id="--layout must be a4-3x8 or letter-3x10, not “%1”">
        <source></source>
        <translation>--layout moet a4-3x8 of letter-3x10 zijn, niet “%1”</translation>
    </message>
    <message id="no cactus matches “%1”">
        <source></source>
        <translation>geen cactus komt overeen met “%1”</translation>
    </message>
    <message id="due">
        <source></source>
        <translation>aan de beurt</translation>
    </message>
    <message id="1 day overdue">
        <source></source>
        <translation>1 dag te laat</translation>
    </message>
    <message id="%1 days overdue">
        <source></source>
        <translation>%1 dagen te laat</translation>
    </message>
    <message id="nothing due">
        <source></source>
        <translation>niets aan de beurt</translation>
    </message>
    <message id="(no schedule)">
        <source></source>
        <translation>(geen gietschema)</translation>
    </message>
    <message id="(no plants)">
        <source></source>
        <translation>(geen planten)</translation>
    </message>
    <message id="%1: %2, next watering %3, %4">
        <source></source>
        <translation>%1: %2, volgende gietbeurt %3, %4</translation>
    </message>
    <message id="reminder: %1, %2">
        <source></source>
        <translation>herinnering: %1, %2</translation>
    </message>
    <message id="reminder: %1 (%2), %3">
        <source></source>
        <translation>herinnering: %1 (%2), %3</translation>
    </message>
    <message id="1 plant to water">
        <source></source>
        <translation>1 plant te gieten</translation>
    </message>
    <message id="%1 plants to water">
        <source></source>
        <translation>%1 planten te gieten</translation>
    </message>
    <message id="1 reminder">
        <source></source>
        <translation>1 herinnering</translation>
    </message>
    <message id="%1 reminders">
        <source></source>
        <translation>%1 herinneringen</translation>
    </message>
    <message id="%1 and %2">
        <source></source>
        <translation>%1 en %2</translation>
    </message>
    <message id="%1 today">
        <source></source>
        <translation>%1 vandaag</translation>
    </message>
    <message id="%1 by %2">
        <source></source>
        <translation>%1 door %2</translation>
    </message>
    <message id="%1 and %2 more">
        <source></source>
        <translation>%1 en nog %2</translation>
    </message>
    <message id="nothing due: no notification">
        <source></source>
        <translation>niets aan de beurt: geen melding</translation>
    </message>
    <message id="%1 could not be started">
        <source></source>
        <translation>%1 kon niet worden gestart</translation>
    </message>
    <message id="--on must be a date as YYYY-MM-DD, not “%1”">
        <source></source>
        <translation>--on moet een datum zijn als JJJJ-MM-DD, niet “%1”</translation>
    </message>
    <message id="no collection named and no recent collection to check">
        <source></source>
        <translation>geen verzameling opgegeven en geen recente verzameling om te controleren</translation>
    </message>
    <message id="--at %1 lies in the future; a watering can only be recorded once it is done">
        <source></source>
        <translation>--at %1 ligt in de toekomst; een gietbeurt kan pas worden vastgelegd als die gedaan is</translation>
    </message>
    <message id="no watering schedule is named “%1”; nothing was changed">
        <source></source>
        <translation>geen gietschema heet “%1”; er is niets gewijzigd</translation>
    </message>
    <message id="no cactus is named “%1”; nothing was changed">
        <source></source>
        <translation>geen cactus heet “%1”; er is niets gewijzigd</translation>
    </message>
    <message id="the watering could not be recorded">
        <source></source>
        <translation>de gietbeurt kon niet worden vastgelegd</translation>
    </message>
    <message id="unknown subcommand “%1” (see spinora-cli --help)">
        <source></source>
        <translation>onbekend subcommando “%1” (zie spinora-cli --help)</translation>
    </message>
    <message id="The latest changes to “%1” could not be written: %2">
        <source></source>
        <translation>De laatste wijzigingen in “%1” konden niet worden geschreven: %2</translation>
    </message>
    <message id="The window stays open so that they are not lost. Make room and close it again, or save the collection somewhere else.">
        <source></source>
        <translation>Het venster blijft open zodat ze niet verloren gaan. Maak ruimte vrij en sluit het opnieuw, of sla de verzameling ergens anders op.</translation>
    </message>
    <message id="the photo could not be written into the collection (is the disk full?)">
        <source></source>
        <translation>de foto kon niet in de verzameling worden geschreven (is de schijf vol?)</translation>
    </message>
    <message id="unknown option %1">
        <source></source>
        <translation>onbekende optie %1</translation>
    </message>
    <message id="name at least one --schedule or --cactus">
        <source></source>
        <translation>noem ten minste één --schedule of --cactus</translation>
    </message>
    <message id="&lt; 1 year">
        <source></source>
        <translation>&lt; 1 jaar</translation>
    </message>
    <message id="%n years" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n jaar</numerusform>
            <numerusform>%n jaar</numerusform>
        </translation>
    </message>
    <message id="Columns of %1">
        <source></source>
        <translation>Kolommen van %1</translation>
    </message>
    <message id="This file is not in the Spinora CSV template layout. Choose what each column holds; its first rows are shown below it.">
        <source></source>
        <translation>Dit bestand volgt de CSV-sjabloon van Spinora niet. Kies wat elke kolom bevat; de eerste regels staan eronder.</translation>
    </message>
    <message id="Columns of the file">
        <source></source>
        <translation>Kolommen van het bestand</translation>
    </message>
    <message id="Field of the column “%1”">
        <source></source>
        <translation>Veld van de kolom “%1”</translation>
    </message>
    <message id="Skip">
        <source></source>
        <translation>Overslaan</translation>
    </message>
    <message id="Choose the column that holds the plants' names.">
        <source></source>
        <translation>Kies de kolom met de namen van de planten.</translation>
    </message>
    <message id="%n hours" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n uur</numerusform>
            <numerusform>%n uur</numerusform>
        </translation>
    </message>
    <message id="%n days" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n dag</numerusform>
            <numerusform>%n dagen</numerusform>
        </translation>
    </message>
    <message id="%n weeks" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n week</numerusform>
            <numerusform>%n weken</numerusform>
        </translation>
    </message>
    <message id="%n months" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n maand</numerusform>
            <numerusform>%n maanden</numerusform>
        </translation>
    </message>
    <message id="Keep the &amp;original file of each photo added (full detail, date taken)">
        <source></source>
        <translation>Het &amp;originele bestand van elke toegevoegde foto bewaren (alle details, opnamedatum)</translation>
    </message>
    <message id="The originals take %1 in the open collections.">
        <source></source>
        <translation>De originelen nemen %1 in beslag in de geopende verzamelingen.</translation>
    </message>
    <message id="Print Photo…">
        <source></source>
        <translation>Foto afdrukken…</translation>
    </message>
    <message id="Print the photo on a page">
        <source></source>
        <translation>De foto op één pagina afdrukken</translation>
    </message>
    <message id="Taken on %1 at %2">
        <source></source>
        <translation>Genomen op %1 om %2</translation>
    </message>
</context>
</TS>
