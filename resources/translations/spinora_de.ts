<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name></name>
    <message id="Daily">
        <source></source>
        <translation>Täglich</translation>
    </message>
    <message id="Before an import">
        <source></source>
        <translation>Vor einem Import</translation>
    </message>
    <message id="Before a restore">
        <source></source>
        <translation>Vor einer Wiederherstellung</translation>
    </message>
    <message id="Kept by hand">
        <source></source>
        <translation>Von Hand angelegt</translation>
    </message>
    <message id="%1, damaged">
        <source></source>
        <translation>%1, beschädigt</translation>
    </message>
    <message id="Restore “%1” From Backup">
        <source></source>
        <translation>„%1“ aus Sicherung wiederherstellen</translation>
    </message>
    <message id="Snapshots are kept every day, before each import and before each restore. Open one to look at it or to import records from it, or restore the whole collection as it was.">
        <source></source>
        <translation>Sicherungen werden täglich, vor jedem Import und vor jeder Wiederherstellung angelegt. Öffnen Sie eine, um sie anzusehen oder Datensätze daraus zu importieren, oder stellen Sie die ganze Sammlung mit ihrem damaligen Stand wieder her.</translation>
    </message>
    <message id="Snapshots">
        <source></source>
        <translation>Sicherungen</translation>
    </message>
    <message id="&amp;Open Backup">
        <source></source>
        <translation>Sicherung ö&amp;ffnen</translation>
    </message>
    <message id="&amp;Restore…">
        <source></source>
        <translation>&amp;Wiederherstellen…</translation>
    </message>
    <message id="Spinora cannot set a daily reminder on this desktop: its login entry %1 could not be written.">
        <source></source>
        <translation>Spinora kann auf diesem Desktop keine tägliche Erinnerung einrichten: Sein Anmeldeeintrag %1 konnte nicht geschrieben werden.</translation>
    </message>
    <message id="This desktop cannot wake Spinora at a set time, so it will look for plants to water each time you log in instead of every day at %1.">
        <source></source>
        <translation>Dieser Desktop kann Spinora nicht zu einer festen Uhrzeit wecken; daher wird bei jeder Anmeldung nach Pflanzen gesucht, die gegossen werden müssen, statt jeden Tag um %1.</translation>
    </message>
    <message id="Restore From Backup…">
        <source></source>
        <translation>Aus Sicherung wiederherstellen…</translation>
    </message>
    <message id="&amp;Keep snapshots of each collection: daily, and before each import or restore">
        <source></source>
        <translation>Sicherungen jeder Sammlung &amp;aufbewahren: täglich sowie vor jedem Import und jeder Wiederherstellung</translation>
    </message>
    <message id="&amp;Folder:">
        <source></source>
        <translation>&amp;Ordner:</translation>
    </message>
    <message id="C&amp;hoose…">
        <source></source>
        <translation>&amp;Auswählen…</translation>
    </message>
    <message id=" GB">
        <source></source>
        <translation> GB</translation>
    </message>
    <message id="&amp;Use at most:">
        <source></source>
        <translation>Höchstens &amp;verwenden:</translation>
    </message>
    <message id="Snapshot Folder">
        <source></source>
        <translation>Sicherungsordner</translation>
    </message>
    <message id="Restore Snapshot">
        <source></source>
        <translation>Sicherung wiederherstellen</translation>
    </message>
    <message id="Open Anyway">
        <source></source>
        <translation>Trotzdem öffnen</translation>
    </message>
    <message id="Its photo file “%1” is missing.">
        <source></source>
        <translation>Seine Fotodatei „%1“ fehlt.</translation>
    </message>
    <message id="%1 of its photo files are missing, the first “%2”.">
        <source></source>
        <translation>%1 seiner Fotodateien fehlen, die erste ist „%2“.</translation>
    </message>
    <message id="The collection “%1” is damaged, so it was not opened.">
        <source></source>
        <translation>Die Sammlung „%1“ ist beschädigt und wurde daher nicht geöffnet.</translation>
    </message>
    <message id="The newest good snapshot was taken on %1 and holds %2 plants, %3 logs and %4 photos. Restoring it replaces the collection; the damaged one is kept as a snapshot first.">
        <source></source>
        <translation>Die neueste intakte Sicherung wurde am %1 angelegt und enthält %2 Pflanzen, %3 Protokolleinträge und %4 Fotos. Beim Wiederherstellen wird die Sammlung ersetzt; die beschädigte wird vorher als Sicherung aufbewahrt.</translation>
    </message>
    <message id="There is no snapshot of it to restore.">
        <source></source>
        <translation>Es gibt keine Sicherung davon, die wiederhergestellt werden könnte.</translation>
    </message>
    <message id="The snapshot could not be restored: %1">
        <source></source>
        <translation>Die Sicherung konnte nicht wiederhergestellt werden: %1</translation>
    </message>
    <message id="%1. The collection is open as usual; free some space or choose another backup folder in Preferences.">
        <source></source>
        <translation>%1. Die Sammlung ist wie gewohnt geöffnet; geben Sie Speicherplatz frei oder wählen Sie in den Einstellungen einen anderen Sicherungsordner.</translation>
    </message>
    <message id="Restore “%1” as it was on %2?">
        <source></source>
        <translation>„%1“ mit dem Stand vom %2 wiederherstellen?</translation>
    </message>
    <message id="The collection will hold %1 plants, %2 logs and %3 photos. Its current state is kept as a snapshot first, so this can be undone by restoring that one.">
        <source></source>
        <translation>Die Sammlung wird %1 Pflanzen, %2 Protokolleinträge und %3 Fotos enthalten. Ihr aktueller Stand wird vorher als Sicherung aufbewahrt; Sie können dies also rückgängig machen, indem Sie diese Sicherung wiederherstellen.</translation>
    </message>
    <message id="Restore">
        <source></source>
        <translation>Wiederherstellen</translation>
    </message>
    <message id="The collection was not restored: %1">
        <source></source>
        <translation>Die Sammlung wurde nicht wiederhergestellt: %1</translation>
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
        <translation>Keine Geräte gefunden. Starten Sie Spinora auf Ihrem iPhone, iPad oder iPod touch und wählen Sie im Bildschirm „Tools“ die Option „Backup Database“ oder „Export Data“.</translation>
    </message>
    <message id="No devices found. Load Spinora on your iPhone, iPad, or iPod touch, and select Restore Database or Import Data on the Tools screen.">
        <source></source>
        <translation>Keine Geräte gefunden. Starten Sie Spinora auf Ihrem iPhone, iPad oder iPod touch und wählen Sie im Bildschirm „Tools“ die Option „Restore Database“ oder „Import Data“.</translation>
    </message>
    <message id="Select a device from the list.">
        <source></source>
        <translation>Wählen Sie ein Gerät aus der Liste aus.</translation>
    </message>
    <message id="No devices found: the search for devices on the network failed (%1). It needs the avahi-daemon service: start it (for example with &quot;systemctl start avahi-daemon&quot;), then open this window again.">
        <source></source>
        <translation>Keine Geräte gefunden: Die Suche nach Geräten im Netzwerk ist fehlgeschlagen (%1). Sie benötigt den Dienst avahi-daemon: Starten Sie ihn (zum Beispiel mit &quot;systemctl start avahi-daemon&quot;) und öffnen Sie dieses Fenster dann erneut.</translation>
    </message>
    <message id="it stopped">
        <source></source>
        <translation>sie wurde beendet</translation>
    </message>
    <message id="Click the Export button to send the database to your device.">
        <source></source>
        <translation>Klicken Sie auf „Exportieren“, um die Datenbank an Ihr Gerät zu senden.</translation>
    </message>
    <message id="The app will ask what you want to import.">
        <source></source>
        <translation>Die App fragt Sie, was Sie importieren möchten.</translation>
    </message>
    <message id="Import Complete">
        <source></source>
        <translation>Import abgeschlossen</translation>
    </message>
    <message id="Database import complete!">
        <source></source>
        <translation>Datenbankimport abgeschlossen!</translation>
    </message>
    <message id="Import Error">
        <source></source>
        <translation>Importfehler</translation>
    </message>
    <message id="An error occurred during the import! Database import was aborted and no changes were made.">
        <source></source>
        <translation>Beim Importieren ist ein Fehler aufgetreten! Der Datenbankimport wurde abgebrochen, es wurden keine Änderungen vorgenommen.</translation>
    </message>
    <message id="WARNING">
        <source></source>
        <translation>WARNUNG</translation>
    </message>
    <message id="Error transferring database!">
        <source></source>
        <translation>Fehler beim Übertragen der Datenbank!</translation>
    </message>
    <message id="Check Device">
        <source></source>
        <translation>Gerät prüfen</translation>
    </message>
    <message id="Database transferred! Check your device for further instructions.">
        <source></source>
        <translation>Datenbank übertragen! Weitere Anweisungen finden Sie auf Ihrem Gerät.</translation>
    </message>
    <message id="No collection is open.">
        <source></source>
        <translation>Es ist keine Sammlung geöffnet.</translation>
    </message>
    <message id="The request timed out.">
        <source></source>
        <translation>Zeitüberschreitung bei der Anfrage.</translation>
    </message>
    <message id="Not a device address: %1">
        <source></source>
        <translation>Keine Geräteadresse: %1</translation>
    </message>
    <message id="No folder for temporary files.">
        <source></source>
        <translation>Kein Ordner für temporäre Dateien.</translation>
    </message>
    <message id="HTTP error %1">
        <source></source>
        <translation>HTTP-Fehler %1</translation>
    </message>
    <message id="The file on the device is larger than %1 MB.">
        <source></source>
        <translation>Die Datei auf dem Gerät ist größer als %1 MB.</translation>
    </message>
    <message id="The device did not send a Spinora database.">
        <source></source>
        <translation>Das Gerät hat keine Spinora-Datenbank gesendet.</translation>
    </message>
    <message id="The device closed the connection before the whole file had arrived.">
        <source></source>
        <translation>Das Gerät hat die Verbindung getrennt, bevor die ganze Datei angekommen war.</translation>
    </message>
    <message id="The downloaded file could not be written.">
        <source></source>
        <translation>Die heruntergeladene Datei konnte nicht geschrieben werden.</translation>
    </message>
    <message id="File read error">
        <source></source>
        <translation>Fehler beim Lesen der Datei</translation>
    </message>
    <message id="Stream open error">
        <source></source>
        <translation>Fehler beim Öffnen des Datenstroms</translation>
    </message>
    <message id="Network write error">
        <source></source>
        <translation>Fehler beim Schreiben ins Netzwerk</translation>
    </message>
    <message id="Import Options">
        <source></source>
        <translation>Importoptionen</translation>
    </message>
    <message id="Cancel">
        <source></source>
        <translation>Abbrechen</translation>
    </message>
    <message id="Import">
        <source></source>
        <translation>Importieren</translation>
    </message>
    <message id="Export">
        <source></source>
        <translation>Exportieren</translation>
    </message>
    <message id="Importing Database">
        <source></source>
        <translation>Datenbank wird importiert</translation>
    </message>
    <message id="Exporting Database">
        <source></source>
        <translation>Datenbank wird exportiert</translation>
    </message>
    <message id="OK">
        <source></source>
        <translation>OK</translation>
    </message>
    <message id="A name is needed to save">
        <source></source>
        <translation>Zum Speichern ist ein Name erforderlich</translation>
    </message>
    <message id="Name">
        <source></source>
        <translation>Name</translation>
    </message>
    <message id="Remove">
        <source></source>
        <translation>Entfernen</translation>
    </message>
    <message id="Remove the currently selected species from the list.">
        <source></source>
        <translation>Die ausgewählte Art aus der Liste entfernen.</translation>
    </message>
    <message id="Species">
        <source></source>
        <translation>Art</translation>
    </message>
    <message id="New species are automatically added to the list when saving the Cactus Info">
        <source></source>
        <translation>Neue Arten werden beim Speichern der Angaben zum Kaktus automatisch zur Liste hinzugefügt</translation>
    </message>
    <message id="Type">
        <source></source>
        <translation>Typ</translation>
    </message>
    <message id="Open…">
        <source></source>
        <translation>Öffnen…</translation>
    </message>
    <message id="Open the watering schedule">
        <source></source>
        <translation>Den Gießplan öffnen</translation>
    </message>
    <message id="Watering">
        <source></source>
        <translation>Gießen</translation>
    </message>
    <message id="Next Watering">
        <source></source>
        <translation>Nächstes Gießen</translation>
    </message>
    <message id="Plant Date">
        <source></source>
        <translation>Pflanzdatum</translation>
    </message>
    <message id="Age">
        <source></source>
        <translation>Alter</translation>
    </message>
    <message id="Date Acquired">
        <source></source>
        <translation>Erwerbsdatum</translation>
    </message>
    <message id="Changing the Last Watered date may cause watering for this plant to become out of sync with its associated watering schedule">
        <source></source>
        <translation>Wenn Sie das Datum „Zuletzt gegossen“ ändern, kann das Gießen dieser Pflanze aus dem Takt mit dem zugehörigen Gießplan geraten</translation>
    </message>
    <message id="Remove Species">
        <source></source>
        <translation>Art entfernen</translation>
    </message>
    <message id="Purchase Price">
        <source></source>
        <translation>Kaufpreis</translation>
    </message>
    <message id="Value">
        <source></source>
        <translation>Wert</translation>
    </message>
    <message id="Add Cactus">
        <source></source>
        <translation>Kaktus hinzufügen</translation>
    </message>
    <message id="Edit Cactus">
        <source></source>
        <translation>Kaktus bearbeiten</translation>
    </message>
    <message id="New Cactus">
        <source></source>
        <translation>Neuer Kaktus</translation>
    </message>
    <message id="Cactus Info">
        <source></source>
        <translation>Angaben zum Kaktus</translation>
    </message>
    <message id="Adding photos…">
        <source></source>
        <translation>Fotos werden hinzugefügt…</translation>
    </message>
    <message id="Keep Editing">
        <source></source>
        <translation>Weiter bearbeiten</translation>
    </message>
    <message id="%1: “%2” is not an amount such as %3.">
        <source></source>
        <translation>%1: „%2“ ist kein Betrag wie etwa %3.</translation>
    </message>
    <message id="%1: a whole number of %2 or more is needed.">
        <source></source>
        <translation>%1: Eine ganze Zahl von mindestens %2 ist erforderlich.</translation>
    </message>
    <message id="%1: “%2” is not a whole number of %3 or more.">
        <source></source>
        <translation>%1: „%2“ ist keine ganze Zahl von mindestens %3.</translation>
    </message>
    <message id="%1 can hold at most %2 characters.">
        <source></source>
        <translation>%1 darf höchstens %2 Zeichen enthalten.</translation>
    </message>
    <message id="Of the %1 characters inserted, %2 fit.">
        <source></source>
        <translation>Von den %1 eingefügten Zeichen passen %2.</translation>
    </message>
    <message id="Insert the First %1">
        <source></source>
        <translation>Die ersten %1 einfügen</translation>
    </message>
    <message id="Insert Nothing">
        <source></source>
        <translation>Nichts einfügen</translation>
    </message>
    <message id="Just Watered">
        <source></source>
        <translation>Gerade gegossen</translation>
    </message>
    <message id="Last Watered">
        <source></source>
        <translation>Zuletzt gegossen</translation>
    </message>
    <message id="None Scheduled">
        <source></source>
        <translation>Nichts geplant</translation>
    </message>
    <message id="Reminder: No">
        <source></source>
        <translation>Erinnerung: Nein</translation>
    </message>
    <message id="Reminder: Yes">
        <source></source>
        <translation>Erinnerung: Ja</translation>
    </message>
    <message id="An event name is needed to save">
        <source></source>
        <translation>Zum Speichern ist ein Ereignisname erforderlich</translation>
    </message>
    <message id="Remove the event name from the list.">
        <source></source>
        <translation>Den Ereignisnamen aus der Liste entfernen.</translation>
    </message>
    <message id="Event">
        <source></source>
        <translation>Ereignis</translation>
    </message>
    <message id="Date">
        <source></source>
        <translation>Datum</translation>
    </message>
    <message id="Reminder">
        <source></source>
        <translation>Erinnerung</translation>
    </message>
    <message id="Open the cactus">
        <source></source>
        <translation>Den Kaktus öffnen</translation>
    </message>
    <message id="New…">
        <source></source>
        <translation>Neu…</translation>
    </message>
    <message id="Add a new cactus">
        <source></source>
        <translation>Einen neuen Kaktus hinzufügen</translation>
    </message>
    <message id="Cactus">
        <source></source>
        <translation>Kaktus</translation>
    </message>
    <message id="Remove Event">
        <source></source>
        <translation>Ereignis entfernen</translation>
    </message>
    <message id="Unnamed Cactus">
        <source></source>
        <translation>Unbenannter Kaktus</translation>
    </message>
    <message id="No Notes">
        <source></source>
        <translation>Keine Notizen</translation>
    </message>
    <message id="Note">
        <source></source>
        <translation>Notiz</translation>
    </message>
    <message id="Add Log">
        <source></source>
        <translation>Protokolleintrag hinzufügen</translation>
    </message>
    <message id="Edit Log">
        <source></source>
        <translation>Protokolleintrag bearbeiten</translation>
    </message>
    <message id="New Log">
        <source></source>
        <translation>Neuer Protokolleintrag</translation>
    </message>
    <message id="Log Info">
        <source></source>
        <translation>Angaben zum Protokolleintrag</translation>
    </message>
    <message id="Photo %1">
        <source></source>
        <translation>Foto %1</translation>
    </message>
    <message id="Add Photo…">
        <source></source>
        <translation>Foto hinzufügen…</translation>
    </message>
    <message id="Add photos from files">
        <source></source>
        <translation>Fotos aus Dateien hinzufügen</translation>
    </message>
    <message id="Caption">
        <source></source>
        <translation>Bildunterschrift</translation>
    </message>
    <message id="Print">
        <source></source>
        <translation>Drucken</translation>
    </message>
    <message id="Photos">
        <source></source>
        <translation>Fotos</translation>
    </message>
    <message id="Notes">
        <source></source>
        <translation>Notizen</translation>
    </message>
    <message id="“%1” is already open in another window. Finish editing it there first.">
        <source></source>
        <translation>„%1“ ist bereits in einem anderen Fenster geöffnet. Schließen Sie die Bearbeitung dort zuerst ab.</translation>
    </message>
    <message id="Cacti To Water">
        <source></source>
        <translation>Zu gießende Kakteen</translation>
    </message>
    <message id="Close">
        <source></source>
        <translation>Schließen</translation>
    </message>
    <message id="%1, Day">
        <source></source>
        <translation>%1, Tag</translation>
    </message>
    <message id="Water Every">
        <source></source>
        <translation>Gießen alle</translation>
    </message>
    <message id="Quantity">
        <source></source>
        <translation>Anzahl</translation>
    </message>
    <message id="Clear Date">
        <source></source>
        <translation>Datum löschen</translation>
    </message>
    <message id="No Water Between">
        <source></source>
        <translation>Nicht gießen zwischen</translation>
    </message>
    <message id="Choose the cacti that follow this schedule">
        <source></source>
        <translation>Wählen Sie die Kakteen aus, die diesem Gießplan folgen</translation>
    </message>
    <message id="Add Cacti">
        <source></source>
        <translation>Kakteen hinzufügen</translation>
    </message>
    <message id="Remove the selected cacti from this schedule">
        <source></source>
        <translation>Die ausgewählten Kakteen aus diesem Gießplan entfernen</translation>
    </message>
    <message id="Remove Cacti">
        <source></source>
        <translation>Kakteen entfernen</translation>
    </message>
    <message id="Remove Cactus">
        <source></source>
        <translation>Kaktus entfernen</translation>
    </message>
    <message id="Add Watering Schedule">
        <source></source>
        <translation>Gießplan hinzufügen</translation>
    </message>
    <message id="Edit Watering Schedule">
        <source></source>
        <translation>Gießplan bearbeiten</translation>
    </message>
    <message id="New Watering Schedule">
        <source></source>
        <translation>Neuer Gießplan</translation>
    </message>
    <message id="Watering Schedule Info">
        <source></source>
        <translation>Angaben zum Gießplan</translation>
    </message>
    <message id="Never">
        <source></source>
        <translation>Nie</translation>
    </message>
    <message id="Example Cactus">
        <source></source>
        <translation>Beispielkaktus</translation>
    </message>
    <message id="Greenhouse">
        <source></source>
        <translation>Gewächshaus</translation>
    </message>
    <message id="One plant a line; empty columns are left out.">
        <source></source>
        <translation>Eine Pflanze pro Zeile; leere Spalten werden weggelassen.</translation>
    </message>
    <message id="Example Schedule">
        <source></source>
        <translation>Beispiel-Gießplan</translation>
    </message>
    <message id="Repotted">
        <source></source>
        <translation>Umgetopft</translation>
    </message>
    <message id="Cacti">
        <source></source>
        <translation>Kakteen</translation>
    </message>
    <message id="Logs">
        <source></source>
        <translation>Protokolleinträge</translation>
    </message>
    <message id="Line %1, column %2 (%3): &quot;%4&quot; could not be read and was not imported.">
        <source></source>
        <translation>Zeile %1, Spalte %2 (%3): &quot;%4&quot; konnte nicht gelesen werden und wurde nicht importiert.</translation>
    </message>
    <message id="%1 more fields could not be read and were not imported.">
        <source></source>
        <translation>%1 weitere Felder konnten nicht gelesen werden und wurden nicht importiert.</translation>
    </message>
    <message id="No column of the mapping gives the plants' names.">
        <source></source>
        <translation>Keine Spalte der Zuordnung enthält die Namen der Pflanzen.</translation>
    </message>
    <message id="(a column of plant names)">
        <source></source>
        <translation>(eine Spalte mit Pflanzennamen)</translation>
    </message>
    <message id="The file is not in the Spinora CSV template layout and these columns could not be placed: &quot;%1&quot;. Give each column its field, for example --map &quot;%2&quot; (the fields are %3).">
        <source></source>
        <translation>Die Datei entspricht nicht dem Aufbau der Spinora-CSV-Vorlage, und diese Spalten konnten nicht zugeordnet werden: &quot;%1&quot;. Geben Sie für jede Spalte ihr Feld an, zum Beispiel --map &quot;%2&quot; (die Felder sind %3).</translation>
    </message>
    <message id="&quot;%1&quot; is no COLUMN=FIELD pair.">
        <source></source>
        <translation>&quot;%1&quot; ist kein Paar der Form SPALTE=FELD.</translation>
    </message>
    <message id="&quot;%1&quot; is no field; the fields are %2.">
        <source></source>
        <translation>&quot;%1&quot; ist kein Feld; die Felder sind %2.</translation>
    </message>
    <message id="The file has no column &quot;%1&quot;.">
        <source></source>
        <translation>Die Datei hat keine Spalte &quot;%1&quot;.</translation>
    </message>
    <message id="%1. Nothing was imported. Free some space or choose another backup folder in Preferences, then try again.">
        <source></source>
        <translation>%1. Es wurde nichts importiert. Geben Sie Speicherplatz frei oder wählen Sie in den Einstellungen einen anderen Sicherungsordner und versuchen Sie es dann erneut.</translation>
    </message>
    <message id="The import was saved, but the collection could not be read again (%1), so it was taken back.">
        <source></source>
        <translation>Der Import wurde gespeichert, aber die Sammlung konnte nicht erneut gelesen werden (%1), daher wurde er zurückgenommen.</translation>
    </message>
    <message id="The import was saved, but the collection could not be read again (%1). This window still shows the collection as it was before: close it and open the collection again, or undo the import (Edit > Undo Import).">
        <source></source>
        <translation>Der Import wurde gespeichert, aber die Sammlung konnte nicht erneut gelesen werden (%1). Dieses Fenster zeigt die Sammlung noch im vorherigen Stand: Schließen Sie es und öffnen Sie die Sammlung erneut, oder machen Sie den Import rückgängig (Bearbeiten &gt; Import rückgängig machen).</translation>
    </message>
    <message id="The import was saved, but the collection could not be read again (%1). This window still shows the collection as it was before: close it and open the collection again.">
        <source></source>
        <translation>Der Import wurde gespeichert, aber die Sammlung konnte nicht erneut gelesen werden (%1). Dieses Fenster zeigt die Sammlung noch im vorherigen Stand: Schließen Sie es und öffnen Sie die Sammlung erneut.</translation>
    </message>
    <message id="Cacti imported: %1">
        <source></source>
        <translation>Importierte Kakteen: %1</translation>
    </message>
    <message id="Watering schedules imported: %1">
        <source></source>
        <translation>Importierte Gießpläne: %1</translation>
    </message>
    <message id="Logs imported: %1">
        <source></source>
        <translation>Importierte Protokolleinträge: %1</translation>
    </message>
    <message id="Not everything could be imported:">
        <source></source>
        <translation>Nicht alles konnte importiert werden:</translation>
    </message>
    <message id="... and %1 more.">
        <source></source>
        <translation>... und %1 weitere.</translation>
    </message>
    <message id="Report Folder">
        <source></source>
        <translation>Berichtsordner</translation>
    </message>
    <message id="Report File">
        <source></source>
        <translation>Berichtsdatei</translation>
    </message>
    <message id="Export Options">
        <source></source>
        <translation>Exportoptionen</translation>
    </message>
    <message id="Browse">
        <source></source>
        <translation>Durchsuchen</translation>
    </message>
    <message id="Small photos">
        <source></source>
        <translation>Kleine Fotos</translation>
    </message>
    <message id="Medium photos">
        <source></source>
        <translation>Mittelgroße Fotos</translation>
    </message>
    <message id="Large photos">
        <source></source>
        <translation>Große Fotos</translation>
    </message>
    <message id="Extra-Large photos">
        <source></source>
        <translation>Sehr große Fotos</translation>
    </message>
    <message id="Export to HTML Report">
        <source></source>
        <translation>Als HTML-Bericht exportieren</translation>
    </message>
    <message id="Choose Folder">
        <source></source>
        <translation>Ordner auswählen</translation>
    </message>
    <message id="Exporting Report">
        <source></source>
        <translation>Bericht wird exportiert</translation>
    </message>
    <message id="Export Complete">
        <source></source>
        <translation>Export abgeschlossen</translation>
    </message>
    <message id="Report export complete!">
        <source></source>
        <translation>Berichtsexport abgeschlossen!</translation>
    </message>
    <message id="Export Error">
        <source></source>
        <translation>Exportfehler</translation>
    </message>
    <message id="An error occurred during report export.">
        <source></source>
        <translation>Beim Exportieren des Berichts ist ein Fehler aufgetreten.</translation>
    </message>
    <message id="Complete Database">
        <source></source>
        <translation>Vollständige Datenbank</translation>
    </message>
    <message id="Cacti and Watering Schedules">
        <source></source>
        <translation>Kakteen und Gießpläne</translation>
    </message>
    <message id="Watering Schedules">
        <source></source>
        <translation>Gießpläne</translation>
    </message>
    <message id="Note: The CSV file must be formatted according to the Spinora CSV Template">
        <source></source>
        <translation>Hinweis: Die CSV-Datei muss nach der Spinora-CSV-Vorlage aufgebaut sein</translation>
    </message>
    <message id="save it">
        <source></source>
        <translation>speichern</translation>
    </message>
    <message id="or be a spreadsheet of plants, one a line, whose column headers name their fields.">
        <source></source>
        <translation>oder eine Tabelle mit Pflanzen sein, eine pro Zeile, deren Spaltenüberschriften ihre Felder benennen.</translation>
    </message>
    <message id="Choose">
        <source></source>
        <translation>Auswählen</translation>
    </message>
    <message id="The chosen folder is not a Spinora database. Please select a folder ending in .sdb, or the spinora.db file inside one.">
        <source></source>
        <translation>Der gewählte Ordner ist keine Spinora-Datenbank. Bitte wählen Sie einen Ordner, dessen Name auf .sdb endet, oder die Datei spinora.db darin.</translation>
    </message>
    <message id="Importing from a currently open database is not permitted. Please select another database for import.">
        <source></source>
        <translation>Der Import aus einer gerade geöffneten Datenbank ist nicht erlaubt. Bitte wählen Sie eine andere Datenbank für den Import.</translation>
    </message>
    <message id="Exporting to a currently open database is not permitted. Please select another database for export.">
        <source></source>
        <translation>Der Export in eine gerade geöffnete Datenbank ist nicht erlaubt. Bitte wählen Sie eine andere Datenbank für den Export.</translation>
    </message>
    <message id="There is no file &quot;%1&quot;.">
        <source></source>
        <translation>Es gibt keine Datei &quot;%1&quot;.</translation>
    </message>
    <message id="Database export complete!">
        <source></source>
        <translation>Datenbankexport abgeschlossen!</translation>
    </message>
    <message id="An error occurred during the export! Database export was aborted and no changes were made.">
        <source></source>
        <translation>Beim Exportieren ist ein Fehler aufgetreten! Der Datenbankexport wurde abgebrochen, es wurden keine Änderungen vorgenommen.</translation>
    </message>
    <message id="Save the CSV Template">
        <source></source>
        <translation>CSV-Vorlage speichern</translation>
    </message>
    <message id="Spinora CSV Template">
        <source></source>
        <translation>Spinora-CSV-Vorlage</translation>
    </message>
    <message id="CSV File">
        <source></source>
        <translation>CSV-Datei</translation>
    </message>
    <message id="The file %1 could not be written.">
        <source></source>
        <translation>Die Datei %1 konnte nicht geschrieben werden.</translation>
    </message>
    <message id="Stopping...">
        <source></source>
        <translation>Wird angehalten...</translation>
    </message>
    <message id="&quot;%1&quot; already exists. Do you want to replace it?">
        <source></source>
        <translation>&quot;%1&quot; ist bereits vorhanden. Möchten Sie es ersetzen?</translation>
    </message>
    <message id="More Toolbar Items">
        <source></source>
        <translation>Weitere Elemente der Werkzeugleiste</translation>
    </message>
    <message id="Exported from %1 v%2 on %3">
        <source></source>
        <translation>Exportiert aus %1 v%2 am %3</translation>
    </message>
    <message id="Source">
        <source></source>
        <translation>Herkunft</translation>
    </message>
    <message id="Location">
        <source></source>
        <translation>Standort</translation>
    </message>
    <message id="Log History">
        <source></source>
        <translation>Protokollverlauf</translation>
    </message>
    <message id="None">
        <source></source>
        <translation>Keine</translation>
    </message>
    <message id="Yes">
        <source></source>
        <translation>Ja</translation>
    </message>
    <message id="No">
        <source></source>
        <translation>Nein</translation>
    </message>
    <message id="Print Labels">
        <source></source>
        <translation>Etiketten drucken</translation>
    </message>
    <message id="Selected cacti (%1)">
        <source></source>
        <translation>Ausgewählte Kakteen (%1)</translation>
    </message>
    <message id="All listed cacti (%1)">
        <source></source>
        <translation>Alle aufgelisteten Kakteen (%1)</translation>
    </message>
    <message id="Layout:">
        <source></source>
        <translation>Anordnung:</translation>
    </message>
    <message id="Labels for:">
        <source></source>
        <translation>Etiketten für:</translation>
    </message>
    <message id="Print...">
        <source></source>
        <translation>Drucken...</translation>
    </message>
    <message id="1 label">
        <source></source>
        <translation>1 Etikett</translation>
    </message>
    <message id="%1 labels">
        <source></source>
        <translation>%1 Etiketten</translation>
    </message>
    <message id="1 page">
        <source></source>
        <translation>1 Seite</translation>
    </message>
    <message id="%1 pages">
        <source></source>
        <translation>%1 Seiten</translation>
    </message>
    <message id="%1 Labels">
        <source></source>
        <translation>%1 Etiketten</translation>
    </message>
    <message id="Page Setup">
        <source></source>
        <translation>Seite einrichten</translation>
    </message>
    <message id="Portrait">
        <source></source>
        <translation>Hochformat</translation>
    </message>
    <message id="Landscape">
        <source></source>
        <translation>Querformat</translation>
    </message>
    <message id="Paper Size">
        <source></source>
        <translation>Papierformat</translation>
    </message>
    <message id="Orientation">
        <source></source>
        <translation>Ausrichtung</translation>
    </message>
    <message id="Top Margin">
        <source></source>
        <translation>Oberer Rand</translation>
    </message>
    <message id="Bottom Margin">
        <source></source>
        <translation>Unterer Rand</translation>
    </message>
    <message id="Left Margin">
        <source></source>
        <translation>Linker Rand</translation>
    </message>
    <message id="Right Margin">
        <source></source>
        <translation>Rechter Rand</translation>
    </message>
    <message id="Nothing was printed: the printer &quot;%1&quot; could not be used.">
        <source></source>
        <translation>Es wurde nichts gedruckt: Der Drucker &quot;%1&quot; konnte nicht verwendet werden.</translation>
    </message>
    <message id="Nothing was printed: the file &quot;%1&quot; could not be written.">
        <source></source>
        <translation>Es wurde nichts gedruckt: Die Datei &quot;%1&quot; konnte nicht geschrieben werden.</translation>
    </message>
    <message id="Print Preview">
        <source></source>
        <translation>Druckvorschau</translation>
    </message>
    <message id="Nothing was changed.">
        <source></source>
        <translation>Es wurde nichts geändert.</translation>
    </message>
    <message id="No title">
        <source></source>
        <translation>Kein Titel</translation>
    </message>
    <message id="Unknown">
        <source></source>
        <translation>Unbekannt</translation>
    </message>
    <message id="year">
        <source></source>
        <translation>jahr</translation>
    </message>
    <message id="years">
        <source></source>
        <translation>jahre</translation>
    </message>
    <message id="No event">
        <source></source>
        <translation>Kein Ereignis</translation>
    </message>
    <message id="Today">
        <source></source>
        <translation>Heute</translation>
    </message>
    <message id="overdue since %1">
        <source></source>
        <translation>überfällig seit %1</translation>
    </message>
    <message id="resting until %1">
        <source></source>
        <translation>in Ruhezeit bis %1</translation>
    </message>
    <message id="Tomorrow">
        <source></source>
        <translation>Morgen</translation>
    </message>
    <message id="in %1 days">
        <source></source>
        <translation>in %1 Tagen</translation>
    </message>
    <message id="Mark as Watered">
        <source></source>
        <translation>Als gegossen markieren</translation>
    </message>
    <message id="There is no space left on the disk. Free some space, then try again.">
        <source></source>
        <translation>Auf dem Datenträger ist kein Speicherplatz mehr frei. Geben Sie Speicherplatz frei und versuchen Sie es dann erneut.</translation>
    </message>
    <message id="The collection cannot be written: its disk or folder is read-only.">
        <source></source>
        <translation>In die Sammlung kann nicht geschrieben werden: Ihr Datenträger oder Ordner ist schreibgeschützt.</translation>
    </message>
    <message id="Another program is using the collection. Try again once it has finished.">
        <source></source>
        <translation>Ein anderes Programm verwendet die Sammlung. Versuchen Sie es erneut, sobald es fertig ist.</translation>
    </message>
    <message id="The disk could not be read or written. Check the disk, then try again.">
        <source></source>
        <translation>Der Datenträger konnte nicht gelesen oder beschrieben werden. Überprüfen Sie den Datenträger und versuchen Sie es dann erneut.</translation>
    </message>
    <message id="The collection's database file is damaged.">
        <source></source>
        <translation>Die Datenbankdatei der Sammlung ist beschädigt.</translation>
    </message>
    <message id="No species">
        <source></source>
        <translation>Keine Art</translation>
    </message>
    <message id="Print Labels...">
        <source></source>
        <translation>Etiketten drucken...</translation>
    </message>
    <message id="Deleting this cactus will also delete all of its logs">
        <source></source>
        <translation>Beim Löschen dieses Kaktus werden auch alle seine Protokolleinträge gelöscht</translation>
    </message>
    <message id="Deleting these cacti will also delete all their associated logs">
        <source></source>
        <translation>Beim Löschen dieser Kakteen werden auch alle zugehörigen Protokolleinträge gelöscht</translation>
    </message>
    <message id="Delete">
        <source></source>
        <translation>Löschen</translation>
    </message>
    <message id="Delete Cactus">
        <source></source>
        <translation>Kaktus löschen</translation>
    </message>
    <message id="Delete Cacti">
        <source></source>
        <translation>Kakteen löschen</translation>
    </message>
    <message id="Duplicate Cactus">
        <source></source>
        <translation>Kaktus duplizieren</translation>
    </message>
    <message id="Duplicate Cacti">
        <source></source>
        <translation>Kakteen duplizieren</translation>
    </message>
    <message id="Toolbar">
        <source></source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message id="Search">
        <source></source>
        <translation>Suchen</translation>
    </message>
    <message id="Search list">
        <source></source>
        <translation>Liste durchsuchen</translation>
    </message>
    <message id="Search the currently visible list">
        <source></source>
        <translation>Die gerade angezeigte Liste durchsuchen</translation>
    </message>
    <message id="Recent Searches">
        <source></source>
        <translation>Letzte Suchen</translation>
    </message>
    <message id="Due">
        <source></source>
        <translation>Fällig</translation>
    </message>
    <message id="Show only what is due by the end of today">
        <source></source>
        <translation>Nur anzeigen, was bis zum Ende des heutigen Tages fällig ist</translation>
    </message>
    <message id="Sort By">
        <source></source>
        <translation>Sortieren nach</translation>
    </message>
    <message id="Duplicate">
        <source></source>
        <translation>Duplizieren</translation>
    </message>
    <message id="No Recent Searches">
        <source></source>
        <translation>Keine letzten Suchen</translation>
    </message>
    <message id="Clear Search History">
        <source></source>
        <translation>Suchverlauf löschen</translation>
    </message>
    <message id="Mark as Watered...">
        <source></source>
        <translation>Als gegossen markieren...</translation>
    </message>
    <message id="Watered">
        <source></source>
        <translation>Gegossen</translation>
    </message>
    <message id="Record that the selected plants or schedules were watered">
        <source></source>
        <translation>Festhalten, dass die ausgewählten Pflanzen oder Gießpläne gegossen wurden</translation>
    </message>
    <message id="Untitled">
        <source></source>
        <translation>Unbenannt</translation>
    </message>
    <message id="%1 (read-only)">
        <source></source>
        <translation>%1 (schreibgeschützt)</translation>
    </message>
    <message id="History">
        <source></source>
        <translation>Verlauf</translation>
    </message>
    <message id="Delete Log">
        <source></source>
        <translation>Protokolleintrag löschen</translation>
    </message>
    <message id="Delete Logs">
        <source></source>
        <translation>Protokolleinträge löschen</translation>
    </message>
    <message id="Duplicate Log">
        <source></source>
        <translation>Protokolleintrag duplizieren</translation>
    </message>
    <message id="Duplicate Logs">
        <source></source>
        <translation>Protokolleinträge duplizieren</translation>
    </message>
    <message id="Add">
        <source></source>
        <translation>Hinzufügen</translation>
    </message>
    <message id="Edit">
        <source></source>
        <translation>Bearbeiten</translation>
    </message>
    <message id="Loading…">
        <source></source>
        <translation>Wird geladen…</translation>
    </message>
    <message id="Searching…">
        <source></source>
        <translation>Suche läuft…</translation>
    </message>
    <message id="Scientific Name">
        <source></source>
        <translation>Wissenschaftlicher Name</translation>
    </message>
    <message id="When were they watered?">
        <source></source>
        <translation>Wann wurden sie gegossen?</translation>
    </message>
    <message id="Watered on">
        <source></source>
        <translation>Gegossen am</translation>
    </message>
    <message id="What:">
        <source></source>
        <translation>Was:</translation>
    </message>
    <message id="&amp;Watered on:">
        <source></source>
        <translation>&amp;Gegossen am:</translation>
    </message>
    <message id="Statistics">
        <source></source>
        <translation>Statistik</translation>
    </message>
    <message id="Undo">
        <source></source>
        <translation>Rückgängig</translation>
    </message>
    <message id="Redo">
        <source></source>
        <translation>Wiederholen</translation>
    </message>
    <message id="Undo %1">
        <source></source>
        <translation>%1 rückgängig machen</translation>
    </message>
    <message id="Redo %1">
        <source></source>
        <translation>%1 wiederholen</translation>
    </message>
    <message id="Delete Watering Schedule">
        <source></source>
        <translation>Gießplan löschen</translation>
    </message>
    <message id="Delete Watering Schedules">
        <source></source>
        <translation>Gießpläne löschen</translation>
    </message>
    <message id="Duplicate Watering Schedule">
        <source></source>
        <translation>Gießplan duplizieren</translation>
    </message>
    <message id="Duplicate Watering Schedules">
        <source></source>
        <translation>Gießpläne duplizieren</translation>
    </message>
    <message id="Language">
        <source></source>
        <translation>Sprache</translation>
    </message>
    <message id="System">
        <source></source>
        <translation>System</translation>
    </message>
    <message id="&amp;Language:">
        <source></source>
        <translation>&amp;Sprache:</translation>
    </message>
    <message id="Applied the next time Spinora starts.">
        <source></source>
        <translation>Wird beim nächsten Start von Spinora übernommen.</translation>
    </message>
</context>
<context>
    <name>PhotoStore</name>
    <message>
        <source>the photo could not be written into the collection (is the disk full?)</source>
        <translation>das Foto konnte nicht in die Sammlung geschrieben werden (ist der Datenträger voll?)</translation>
    </message>
</context>
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <source>Page setup</source>
        <translation>Seite einrichten</translation>
    </message>
</context>
<context>
    <name>Spinora</name>
    <message>
        <source>name|plant|plant name|cactus|label</source>
        <translation>name|pflanze|pflanzenname|kaktus|etikett</translation>
    </message>
    <message>
        <source>scientific|scientific name|botanical name|latin name|taxon|genus|species</source>
        <translation>wissenschaftlich|wissenschaftlicher name|botanischer name|lateinischer name|taxon|gattung|art</translation>
    </message>
    <message>
        <source>common|common name</source>
        <translation>deutscher name|trivialname</translation>
    </message>
    <message>
        <source>type|plant type</source>
        <translation>typ|pflanzentyp</translation>
    </message>
    <message>
        <source>watering|schedule|watering schedule</source>
        <translation>gießen|plan|gießplan</translation>
    </message>
    <message>
        <source>last watered</source>
        <translation>zuletzt gegossen</translation>
    </message>
    <message>
        <source>next watering</source>
        <translation>nächstes gießen</translation>
    </message>
    <message>
        <source>planted|plant date|date planted|sown</source>
        <translation>gepflanzt|pflanzdatum|pflanzung|gesät</translation>
    </message>
    <message>
        <source>source|origin</source>
        <translation>herkunft|quelle</translation>
    </message>
    <message>
        <source>acquired|date acquired|bought|purchased|purchase date</source>
        <translation>erworben|erwerbsdatum|gekauft|kaufdatum|datum des kaufs</translation>
    </message>
    <message>
        <source>price|purchase price|cost|paid</source>
        <translation>preis|kaufpreis|kosten|bezahlt</translation>
    </message>
    <message>
        <source>value|worth</source>
        <translation>wert|zeitwert</translation>
    </message>
    <message>
        <source>location|place|position|bench|greenhouse</source>
        <translation>standort|ort|platz|stellplatz|gewächshaus</translation>
    </message>
    <message>
        <source>height</source>
        <translation>höhe</translation>
    </message>
    <message>
        <source>width|diameter</source>
        <translation>breite|durchmesser</translation>
    </message>
    <message>
        <source>weight</source>
        <translation>gewicht</translation>
    </message>
    <message>
        <source>light|sun</source>
        <translation>licht|sonne</translation>
    </message>
    <message>
        <source>temperature|temp|min temp</source>
        <translation>temperatur|temp|min. temp</translation>
    </message>
    <message>
        <source>pot size|pot</source>
        <translation>topfgröße|topf</translation>
    </message>
    <message>
        <source>pot shape|shape</source>
        <translation>topfform|form</translation>
    </message>
    <message>
        <source>pot material|material</source>
        <translation>topfmaterial|material</translation>
    </message>
    <message>
        <source>notes|note|comments|comment|remarks|description</source>
        <translation>notizen|notiz|kommentare|kommentar|bemerkungen|beschreibung</translation>
    </message>
    <message>
        <source>id|#|no|no.|number|photo|photos|image|picture</source>
        <translation>id|#|nr|nr.|nummer|foto|fotos|bild|abbildung</translation>
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
        <translation>Nein</translation>
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
        <translation>Belegt</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>Frei</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>All-Day</source>
        <translation>Ganztägig</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Availability</source>
        <translation>Verfügbarkeit</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Kept in %1. To see these reminders in your desktop calendar, add this file to it as a calendar.</source>
        <translation>Gespeichert in %1. Um diese Erinnerungen in Ihrem Desktop-Kalender zu sehen, fügen Sie diese Datei dort als Kalender hinzu.</translation>
    </message>
    <message>
        <source>Add New Event</source>
        <translation>Neues Ereignis hinzufügen</translation>
    </message>
    <message>
        <source>Edit Event</source>
        <translation>Ereignis bearbeiten</translation>
    </message>
</context>
<context>
    <name>spinora::PhotoGridViewController</name>
    <message>
        <source>All Photos</source>
        <translation>Alle Fotos</translation>
    </message>
    <message>
        <source>Add Photos…</source>
        <translation>Fotos hinzufügen…</translation>
    </message>
    <message>
        <source>Add photos from picture files. You can also drop picture files on the grid.</source>
        <translation>Fotos aus Bilddateien hinzufügen. Sie können Bilddateien auch auf das Raster ziehen.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Size of the photos</source>
        <translation>Fotogröße</translation>
    </message>
    <message>
        <source>Adding photos</source>
        <translation>Fotos werden hinzugefügt</translation>
    </message>
    <message>
        <source>Add Photos</source>
        <translation>Fotos hinzufügen</translation>
    </message>
    <message>
        <source>Pictures (*.jpg *.jpeg *.png *.gif *.tif *.tiff *.bmp)</source>
        <translation>Bilder (*.jpg *.jpeg *.png *.gif *.tif *.tiff *.bmp)</translation>
    </message>
    <message>
        <source>No collection is open.</source>
        <translation>Es ist keine Sammlung geöffnet.</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>WARNUNG</translation>
    </message>
    <message>
        <source>This file was not added:</source>
        <translation>Diese Datei wurde nicht hinzugefügt:</translation>
    </message>
    <message>
        <source>These files were not added:</source>
        <translation>Diese Dateien wurden nicht hinzugefügt:</translation>
    </message>
</context>
<context>
    <name>spinora::PhotoViewController</name>
    <message>
        <source>Caption</source>
        <translation>Bildunterschrift</translation>
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
        <translation>Kakteenbericht</translation>
    </message>
    <message>
        <source>Exported from %1 v%2 on %3</source>
        <translation>Exportiert aus %1 v%2 am %3</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Zusammenfassung</translation>
    </message>
    <message>
        <source>Total Cacti</source>
        <translation>Kakteen gesamt</translation>
    </message>
    <message>
        <source>Total Watering Schedules</source>
        <translation>Gießpläne gesamt</translation>
    </message>
    <message>
        <source>Total Log Entries</source>
        <translation>Protokolleinträge gesamt</translation>
    </message>
    <message>
        <source>Unique Species</source>
        <translation>Verschiedene Arten</translation>
    </message>
    <message>
        <source>Total Value</source>
        <translation>Gesamtwert</translation>
    </message>
    <message>
        <source>Log History</source>
        <translation>Protokollverlauf</translation>
    </message>
    <message>
        <source>No Event Name</source>
        <translation>Kein Ereignisname</translation>
    </message>
    <message>
        <source>No Notes</source>
        <translation>Keine Notizen</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>No Water Between</source>
        <translation>Nicht gießen zwischen</translation>
    </message>
    <message>
        <source>Cacti To Water</source>
        <translation>Zu gießende Kakteen</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
</context>
</TS>
