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
    <message id="The collection “%1” is damaged, so it was not opened.">
        <source></source>
        <translation>Die Sammlung „%1“ ist beschädigt und wurde daher nicht geöffnet.</translation>
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
    <message id="1 page">
        <source></source>
        <translation>1 Seite</translation>
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
    <message id="Taken">
        <source></source>
        <translation>Aufgenommen</translation>
    </message>
    <message id="Why">
        <source></source>
        <translation>Warum</translation>
    </message>
    <message id="Plants">
        <source></source>
        <translation>Pflanzen</translation>
    </message>
    <message id="Size">
        <source></source>
        <translation>Größe</translation>
    </message>
    <message id="Spinora quit unexpectedly the last time it was used.">
        <source></source>
        <translation>Spinora wurde bei der letzten Verwendung unerwartet beendet.</translation>
    </message>
    <message id="A report of the problem was saved. Would you like to see it?">
        <source></source>
        <translation>Ein Bericht über das Problem wurde gespeichert. Möchten Sie ihn ansehen?</translation>
    </message>
    <message id="Show Report">
        <source></source>
        <translation>Bericht anzeigen</translation>
    </message>
    <message id="Not Now">
        <source></source>
        <translation>Nicht jetzt</translation>
    </message>
    <message id="Crash Report">
        <source></source>
        <translation>Absturzbericht</translation>
    </message>
    <message id="Saved as %1">
        <source></source>
        <translation>Gespeichert als %1</translation>
    </message>
    <message id="The reminder time could not be written to %1.">
        <source></source>
        <translation>Die Erinnerungszeit konnte nicht in %1 geschrieben werden.</translation>
    </message>
    <message id="Spinora will remind you every day at %1 (systemd user timer %2).">
        <source></source>
        <translation>Spinora erinnert Sie jeden Tag um %1 (systemd-Benutzer-Timer %2).</translation>
    </message>
    <message id="Reminders are off.">
        <source></source>
        <translation>Erinnerungen sind ausgeschaltet.</translation>
    </message>
    <message id="Clear Menu">
        <source></source>
        <translation>Menü leeren</translation>
    </message>
    <message id="&amp;File">
        <source></source>
        <translation>&amp;Datei</translation>
    </message>
    <message id="New">
        <source></source>
        <translation>Neu</translation>
    </message>
    <message id="Open...">
        <source></source>
        <translation>Öffnen...</translation>
    </message>
    <message id="Open Recent">
        <source></source>
        <translation>Zuletzt geöffnet</translation>
    </message>
    <message id="Save">
        <source></source>
        <translation>Speichern</translation>
    </message>
    <message id="Save As...">
        <source></source>
        <translation>Speichern unter...</translation>
    </message>
    <message id="Page Setup...">
        <source></source>
        <translation>Seite einrichten...</translation>
    </message>
    <message id="Print Preview...">
        <source></source>
        <translation>Druckvorschau...</translation>
    </message>
    <message id="Quit Spinora">
        <source></source>
        <translation>Spinora beenden</translation>
    </message>
    <message id="&amp;Edit">
        <source></source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message id="Add Item">
        <source></source>
        <translation>Eintrag hinzufügen</translation>
    </message>
    <message id="Remove Item">
        <source></source>
        <translation>Eintrag entfernen</translation>
    </message>
    <message id="Duplicate Item">
        <source></source>
        <translation>Eintrag duplizieren</translation>
    </message>
    <message id="Cut">
        <source></source>
        <translation>Ausschneiden</translation>
    </message>
    <message id="Copy">
        <source></source>
        <translation>Kopieren</translation>
    </message>
    <message id="Paste">
        <source></source>
        <translation>Einfügen</translation>
    </message>
    <message id="Select All">
        <source></source>
        <translation>Alles auswählen</translation>
    </message>
    <message id="Preferences...">
        <source></source>
        <translation>Einstellungen...</translation>
    </message>
    <message id="&amp;View">
        <source></source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message id="Show Toolbar">
        <source></source>
        <translation>Werkzeugleiste anzeigen</translation>
    </message>
    <message id="Customize Toolbar">
        <source></source>
        <translation>Werkzeugleiste anpassen</translation>
    </message>
    <message id="Icon and Text">
        <source></source>
        <translation>Symbol und Text</translation>
    </message>
    <message id="Icon Only">
        <source></source>
        <translation>Nur Symbol</translation>
    </message>
    <message id="Text Only">
        <source></source>
        <translation>Nur Text</translation>
    </message>
    <message id="Flowering Calendar...">
        <source></source>
        <translation>Blühkalender...</translation>
    </message>
    <message id="&amp;Tools">
        <source></source>
        <translation>E&amp;xtras</translation>
    </message>
    <message id="Statistics...">
        <source></source>
        <translation>Statistik...</translation>
    </message>
    <message id="&amp;Window">
        <source></source>
        <translation>&amp;Fenster</translation>
    </message>
    <message id="Minimize">
        <source></source>
        <translation>Minimieren</translation>
    </message>
    <message id="Zoom">
        <source></source>
        <translation>Zoom</translation>
    </message>
    <message id="Bring All to Front">
        <source></source>
        <translation>Alle nach vorne bringen</translation>
    </message>
    <message id="&amp;Help">
        <source></source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message id="Like Spinora on Facebook">
        <source></source>
        <translation>Spinora auf Facebook mit „Gefällt mir“ markieren</translation>
    </message>
    <message id="Spinora Website...">
        <source></source>
        <translation>Spinora-Website...</translation>
    </message>
    <message id="Frequently Asked Questions...">
        <source></source>
        <translation>Häufig gestellte Fragen...</translation>
    </message>
    <message id="Check for Updates...">
        <source></source>
        <translation>Nach Aktualisierungen suchen...</translation>
    </message>
    <message id="About Spinora">
        <source></source>
        <translation>Über Spinora</translation>
    </message>
    <message id="Preferences">
        <source></source>
        <translation>Einstellungen</translation>
    </message>
    <message id="Sort options">
        <source></source>
        <translation>Sortieroptionen</translation>
    </message>
    <message id="Sort cacti by species">
        <source></source>
        <translation>Kakteen nach Art sortieren</translation>
    </message>
    <message id="Database options">
        <source></source>
        <translation>Datenbankoptionen</translation>
    </message>
    <message id="Add default species and events to new databases">
        <source></source>
        <translation>Neuen Datenbanken Standardarten und -ereignisse hinzufügen</translation>
    </message>
    <message id="Reminders">
        <source></source>
        <translation>Erinnerungen</translation>
    </message>
    <message id="&amp;Remind me of due plants every day at">
        <source></source>
        <translation>An fällige Pflanzen täglich &amp;erinnern um</translation>
    </message>
    <message id="Reminder time">
        <source></source>
        <translation>Erinnerungszeit</translation>
    </message>
    <message id="Open">
        <source></source>
        <translation>Öffnen</translation>
    </message>
    <message id="Collection:">
        <source></source>
        <translation>Sammlung:</translation>
    </message>
    <message id="Spinora collections (*%1)">
        <source></source>
        <translation>Spinora-Sammlungen (*%1)</translation>
    </message>
    <message id="“%1” already exists. Do you want to replace it?">
        <source></source>
        <translation>„%1“ ist bereits vorhanden. Möchten Sie es ersetzen?</translation>
    </message>
    <message id="A collection with the same name already exists in “%1”. Replacing it will overwrite its current contents.">
        <source></source>
        <translation>In „%1“ ist bereits eine Sammlung mit demselben Namen vorhanden. Wenn Sie sie ersetzen, wird ihr aktueller Inhalt überschrieben.</translation>
    </message>
    <message id="Replace">
        <source></source>
        <translation>Ersetzen</translation>
    </message>
    <message id="Do you want to save the changes made to the document “%1”?">
        <source></source>
        <translation>Möchten Sie die Änderungen am Dokument „%1“ speichern?</translation>
    </message>
    <message id="Your changes will stay in the untitled collection if you don’t save them.">
        <source></source>
        <translation>Ihre Änderungen bleiben in der unbenannten Sammlung, wenn Sie sie nicht speichern.</translation>
    </message>
    <message id="Don’t Save">
        <source></source>
        <translation>Nicht speichern</translation>
    </message>
    <message id="Keep Open">
        <source></source>
        <translation>Geöffnet lassen</translation>
    </message>
    <message id="New Spinora Database">
        <source></source>
        <translation>Neue Spinora-Datenbank</translation>
    </message>
    <message id="Save As">
        <source></source>
        <translation>Speichern unter</translation>
    </message>
    <message id="Overwriting an open database is not permitted. Please select a different filename.">
        <source></source>
        <translation>Das Überschreiben einer geöffneten Datenbank ist nicht erlaubt. Bitte wählen Sie einen anderen Dateinamen.</translation>
    </message>
    <message id="The collection “%1” could not be opened: it does not exist.">
        <source></source>
        <translation>Die Sammlung „%1“ konnte nicht geöffnet werden: Sie existiert nicht.</translation>
    </message>
    <message id="%n of its photo files are missing, the first “%1”." numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n seiner Fotodateien fehlt: „%1“.</numerusform>
            <numerusform>%n seiner Fotodateien fehlen, die erste ist „%1“.</numerusform>
        </translation>
    </message>
    <message id="%1, %2 and %3">
        <source></source>
        <translation>%1, %2 und %3</translation>
    </message>
    <message id="%n plants" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n Pflanze</numerusform>
            <numerusform>%n Pflanzen</numerusform>
        </translation>
    </message>
    <message id="%n logs" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n Protokolleintrag</numerusform>
            <numerusform>%n Protokolleinträge</numerusform>
        </translation>
    </message>
    <message id="%n photos" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n Foto</numerusform>
            <numerusform>%n Fotos</numerusform>
        </translation>
    </message>
    <message id="The newest good snapshot was taken on %1 and holds %2. Restoring it replaces the collection; the damaged one is kept as a snapshot first.">
        <source></source>
        <translation>Die neueste intakte Sicherung wurde am %1 angelegt und enthält %2. Beim Wiederherstellen wird die Sammlung ersetzt; die beschädigte wird vorher als Sicherung aufbewahrt.</translation>
    </message>
    <message id="The collection will hold %1. Its current state is kept as a snapshot first, so this can be undone by restoring that one.">
        <source></source>
        <translation>Die Sammlung wird %1 enthalten. Ihr aktueller Stand wird vorher als Sicherung aufbewahrt; Sie können dies also rückgängig machen, indem Sie diese Sicherung wiederherstellen.</translation>
    </message>
    <message id="“%1” could not be replaced.">
        <source></source>
        <translation>„%1“ konnte nicht ersetzt werden.</translation>
    </message>
    <message id="The catalogue of your cactus and succulent collection: plants, watering schedules and a log of what happened to them.">
        <source></source>
        <translation>Der Katalog Ihrer Kakteen- und Sukkulentensammlung: Pflanzen, Gießpläne und ein Protokoll dessen, was mit ihnen geschehen ist.</translation>
    </message>
    <message id="Import From">
        <source></source>
        <translation>Importieren aus</translation>
    </message>
    <message id="Export To">
        <source></source>
        <translation>Exportieren nach</translation>
    </message>
    <message id="Spinora Mobile App">
        <source></source>
        <translation>Spinora-Mobil-App</translation>
    </message>
    <message id="SDBI">
        <source></source>
        <translation>SDBI</translation>
    </message>
    <message id="Spinora Database">
        <source></source>
        <translation>Spinora-Datenbank</translation>
    </message>
    <message id="CSV">
        <source></source>
        <translation>CSV</translation>
    </message>
    <message id="CSV Template…">
        <source></source>
        <translation>CSV-Vorlage…</translation>
    </message>
    <message id="HTML Report">
        <source></source>
        <translation>HTML-Bericht</translation>
    </message>
    <message id="Software Update">
        <source></source>
        <translation>Softwareaktualisierung</translation>
    </message>
    <message id="A new version of Spinora is available!">
        <source></source>
        <translation>Eine neue Version von Spinora ist verfügbar!</translation>
    </message>
    <message id="Spinora %1 is now available—you have %2. Would you like to download it now?">
        <source></source>
        <translation>Spinora %1 ist jetzt verfügbar – Sie haben %2. Möchten Sie es jetzt herunterladen?</translation>
    </message>
    <message id="Download">
        <source></source>
        <translation>Herunterladen</translation>
    </message>
    <message id="Remind Me Later">
        <source></source>
        <translation>Später erinnern</translation>
    </message>
    <message id="You’re up-to-date!">
        <source></source>
        <translation>Sie sind auf dem neuesten Stand!</translation>
    </message>
    <message id="Spinora %1 is currently the newest version available.">
        <source></source>
        <translation>Spinora %1 ist derzeit die neueste verfügbare Version.</translation>
    </message>
    <message id="No update address is set, so Spinora cannot look for updates. Your distribution’s package manager keeps Spinora up to date.">
        <source></source>
        <translation>Es ist keine Aktualisierungsadresse festgelegt, daher kann Spinora nicht nach Aktualisierungen suchen. Die Paketverwaltung Ihrer Distribution hält Spinora auf dem neuesten Stand.</translation>
    </message>
    <message id="Update Error!">
        <source></source>
        <translation>Aktualisierungsfehler!</translation>
    </message>
    <message id="An error occurred in retrieving update information. Please try again later.">
        <source></source>
        <translation>Beim Abrufen der Aktualisierungsinformationen ist ein Fehler aufgetreten. Bitte versuchen Sie es später erneut.</translation>
    </message>
    <message id="Spinora keeps the catalogue of a cactus and succulent collection.">
        <source></source>
        <translation>Spinora verwaltet den Katalog einer Kakteen- und Sukkulentensammlung.</translation>
    </message>
    <message id="Collections to open (folders ending in .sdb); interchange files (.sdbi) are offered for import into the collection shown.">
        <source></source>
        <translation>Zu öffnende Sammlungen (Ordner, die auf .sdb enden); Austauschdateien (.sdbi) werden zum Import in die angezeigte Sammlung angeboten.</translation>
    </message>
    <message id="The list to show: cacti, watering or logs.">
        <source></source>
        <translation>Die anzuzeigende Liste: cacti, watering oder logs.</translation>
    </message>
    <message id="--show takes cacti, watering or logs, not “%1”">
        <source></source>
        <translation>--show akzeptiert cacti, watering oder logs, nicht „%1“</translation>
    </message>
    <message id="Spinora is already running but does not answer.">
        <source></source>
        <translation>Spinora läuft bereits, antwortet aber nicht.</translation>
    </message>
    <message id="the line “%1” does not close “%2”">
        <source></source>
        <translation>die Zeile „%1“ schließt „%2“ nicht ab</translation>
    </message>
    <message id="the file ends before “%1” does">
        <source></source>
        <translation>die Datei endet, bevor „%1“ endet</translation>
    </message>
    <message id="the file is empty">
        <source></source>
        <translation>die Datei ist leer</translation>
    </message>
    <message id="it is not an iCalendar file">
        <source></source>
        <translation>sie ist keine iCalendar-Datei</translation>
    </message>
    <message id="it does not hold exactly one calendar">
        <source></source>
        <translation>sie enthält nicht genau einen Kalender</translation>
    </message>
    <message id="it contains errors">
        <source></source>
        <translation>sie enthält Fehler</translation>
    </message>
    <message id="it cannot be read">
        <source></source>
        <translation>sie kann nicht gelesen werden</translation>
    </message>
    <message id="The calendar folder “%1” cannot be made.">
        <source></source>
        <translation>Der Kalenderordner „%1“ kann nicht angelegt werden.</translation>
    </message>
    <message id="The calendar file “%1” cannot be used: %2.">
        <source></source>
        <translation>Die Kalenderdatei „%1“ kann nicht verwendet werden: %2.</translation>
    </message>
    <message id="The calendar file “%1” cannot be read.">
        <source></source>
        <translation>Die Kalenderdatei „%1“ kann nicht gelesen werden.</translation>
    </message>
    <message id="The calendar file “%1” cannot be used (%2); it was left as it is.">
        <source></source>
        <translation>Die Kalenderdatei „%1“ kann nicht verwendet werden (%2); sie wurde unverändert gelassen.</translation>
    </message>
    <message id="The calendar file “%1” keeps being changed by another program; it was left as it is.">
        <source></source>
        <translation>Die Kalenderdatei „%1“ wird ständig von einem anderen Programm geändert; sie wurde unverändert gelassen.</translation>
    </message>
    <message id="The calendar file “%1” could not be written (%2); it was left as it is.">
        <source></source>
        <translation>Die Kalenderdatei „%1“ konnte nicht geschrieben werden (%2); sie wurde unverändert gelassen.</translation>
    </message>
    <message id="No space left on device">
        <source></source>
        <translation>Kein Speicherplatz mehr auf dem Datenträger</translation>
    </message>
    <message id="The event ends before it starts.">
        <source></source>
        <translation>Das Ereignis endet, bevor es beginnt.</translation>
    </message>
    <message id="The calendar “%1” is not available.">
        <source></source>
        <translation>Der Kalender „%1“ ist nicht verfügbar.</translation>
    </message>
    <message id="There is no such event.">
        <source></source>
        <translation>Dieses Ereignis gibt es nicht.</translation>
    </message>
    <message id="The event was removed by another program.">
        <source></source>
        <translation>Das Ereignis wurde von einem anderen Programm entfernt.</translation>
    </message>
    <message id="the Avahi daemon went away">
        <source></source>
        <translation>der Avahi-Daemon ist nicht mehr verfügbar</translation>
    </message>
    <message id="Click the Import button to restore the complete database from your device.">
        <source></source>
        <translation>Klicken Sie auf „Importieren“, um die vollständige Datenbank von Ihrem Gerät wiederherzustellen.</translation>
    </message>
    <message id="Click the Import button to restore only the cacti and watering schedules in the database from your device.">
        <source></source>
        <translation>Klicken Sie auf „Importieren“, um nur die Kakteen und Gießpläne aus der Datenbank Ihres Geräts wiederherzustellen.</translation>
    </message>
    <message id="Click the Import button to import the cacti from your device.">
        <source></source>
        <translation>Klicken Sie auf „Importieren“, um die Kakteen von Ihrem Gerät zu importieren.</translation>
    </message>
    <message id="Click the Import button to import the watering schedules from your device.">
        <source></source>
        <translation>Klicken Sie auf „Importieren“, um die Gießpläne von Ihrem Gerät zu importieren.</translation>
    </message>
    <message id="Restore Database is selected on your device. Select either Backup Database or Export Data instead.">
        <source></source>
        <translation>Auf Ihrem Gerät ist „Restore Database“ ausgewählt. Wählen Sie stattdessen „Backup Database“ oder „Export Data“.</translation>
    </message>
    <message id="Export Data is selected on your device. Select Backup Database instead to restore both cacti and watering schedules.">
        <source></source>
        <translation>Auf Ihrem Gerät ist „Export Data“ ausgewählt. Wählen Sie stattdessen „Backup Database“, um sowohl Kakteen als auch Gießpläne wiederherzustellen.</translation>
    </message>
    <message id="Export Data is selected on your device. Only cacti or watering schedules can be imported in this mode.">
        <source></source>
        <translation>Auf Ihrem Gerät ist „Export Data“ ausgewählt. In diesem Modus können nur Kakteen oder Gießpläne importiert werden.</translation>
    </message>
    <message id="Import Data is selected on your device. Select either Backup Database or Export Data instead.">
        <source></source>
        <translation>Auf Ihrem Gerät ist „Import Data“ ausgewählt. Wählen Sie stattdessen „Backup Database“ oder „Export Data“.</translation>
    </message>
    <message id="Backup Database is selected on your device. Select either Restore Database or Import Data instead.">
        <source></source>
        <translation>Auf Ihrem Gerät ist „Backup Database“ ausgewählt. Wählen Sie stattdessen „Restore Database“ oder „Import Data“.</translation>
    </message>
    <message id="Export Data is selected on your device. Select either Restore Database or Import Data instead.">
        <source></source>
        <translation>Auf Ihrem Gerät ist „Export Data“ ausgewählt. Wählen Sie stattdessen „Restore Database“ oder „Import Data“.</translation>
    </message>
    <message id="Click the Export button to send the database to your device. The app will ask what you want to import.">
        <source></source>
        <translation>Klicken Sie auf „Exportieren“, um die Datenbank an Ihr Gerät zu senden. Die App fragt Sie, was Sie importieren möchten.</translation>
    </message>
    <message id="The collection was closed.">
        <source></source>
        <translation>Die Sammlung wurde geschlossen.</translation>
    </message>
    <message id="Import Database">
        <source></source>
        <translation>Datenbank importieren</translation>
    </message>
    <message id="Restore Complete Database">
        <source></source>
        <translation>Vollständige Datenbank wiederherstellen</translation>
    </message>
    <message id="Import Cacti and Watering Schedules">
        <source></source>
        <translation>Kakteen und Gießpläne importieren</translation>
    </message>
    <message id="Import Cacti">
        <source></source>
        <translation>Kakteen importieren</translation>
    </message>
    <message id="Import Watering Schedules">
        <source></source>
        <translation>Gießpläne importieren</translation>
    </message>
    <message id="Devices">
        <source></source>
        <translation>Geräte</translation>
    </message>
    <message id="Messages">
        <source></source>
        <translation>Meldungen</translation>
    </message>
    <message id="Export Database">
        <source></source>
        <translation>Datenbank exportieren</translation>
    </message>
    <message id="Flowering Calendar">
        <source></source>
        <translation>Blühkalender</translation>
    </message>
    <message id="Photo Timeline">
        <source></source>
        <translation>Foto-Zeitleiste</translation>
    </message>
    <message id="Common Name">
        <source></source>
        <translation>Deutscher Name</translation>
    </message>
    <message id="Open Watering Schedule">
        <source></source>
        <translation>Gießplan öffnen</translation>
    </message>
    <message id="Height">
        <source></source>
        <translation>Höhe</translation>
    </message>
    <message id="Width">
        <source></source>
        <translation>Breite</translation>
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
        <translation>Temperatur</translation>
    </message>
    <message id="Pot Size">
        <source></source>
        <translation>Topfgröße</translation>
    </message>
    <message id="Pot Shape">
        <source></source>
        <translation>Topfform</translation>
    </message>
    <message id="Pot Material">
        <source></source>
        <translation>Topfmaterial</translation>
    </message>
    <message id="General">
        <source></source>
        <translation>Allgemein</translation>
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
        <translation>Belegt</translation>
    </message>
    <message id="Free">
        <source></source>
        <translation>Frei</translation>
    </message>
    <message id="Title">
        <source></source>
        <translation>Titel</translation>
    </message>
    <message id="Starts">
        <source></source>
        <translation>Beginn</translation>
    </message>
    <message id="Ends">
        <source></source>
        <translation>Ende</translation>
    </message>
    <message id="All-Day">
        <source></source>
        <translation>Ganztägig</translation>
    </message>
    <message id="Calendar">
        <source></source>
        <translation>Kalender</translation>
    </message>
    <message id="Availability">
        <source></source>
        <translation>Verfügbarkeit</translation>
    </message>
    <message id="Kept in %1. To see these reminders in your desktop calendar, add this file to it as a calendar.">
        <source></source>
        <translation>Gespeichert in %1. Um diese Erinnerungen in Ihrem Desktop-Kalender zu sehen, fügen Sie diese Datei dort als Kalender hinzu.</translation>
    </message>
    <message id="Add New Event">
        <source></source>
        <translation>Neues Ereignis hinzufügen</translation>
    </message>
    <message id="Edit Event">
        <source></source>
        <translation>Ereignis bearbeiten</translation>
    </message>
    <message id="Open Cactus">
        <source></source>
        <translation>Kaktus öffnen</translation>
    </message>
    <message id="Add Reminder">
        <source></source>
        <translation>Erinnerung hinzufügen</translation>
    </message>
    <message id="Edit Reminder">
        <source></source>
        <translation>Erinnerung bearbeiten</translation>
    </message>
    <message id="Add a reminder to your calendar?">
        <source></source>
        <translation>Eine Erinnerung zu Ihrem Kalender hinzufügen?</translation>
    </message>
    <message id="Edit the reminder on your calendar?">
        <source></source>
        <translation>Die Erinnerung in Ihrem Kalender bearbeiten?</translation>
    </message>
    <message id="All Photos">
        <source></source>
        <translation>Alle Fotos</translation>
    </message>
    <message id="Add Photos…">
        <source></source>
        <translation>Fotos hinzufügen…</translation>
    </message>
    <message id="Add photos from picture files. You can also drop picture files on the grid.">
        <source></source>
        <translation>Fotos aus Bilddateien hinzufügen. Sie können Bilddateien auch auf das Raster ziehen.</translation>
    </message>
    <message id="Size of the photos">
        <source></source>
        <translation>Fotogröße</translation>
    </message>
    <message id="Adding photos">
        <source></source>
        <translation>Fotos werden hinzugefügt</translation>
    </message>
    <message id="Add Photos">
        <source></source>
        <translation>Fotos hinzufügen</translation>
    </message>
    <message id="Pictures (*.jpg *.jpeg *.png *.gif *.tif *.tiff *.bmp)">
        <source></source>
        <translation>Bilder (*.jpg *.jpeg *.png *.gif *.tif *.tiff *.bmp)</translation>
    </message>
    <message id="This file was not added:">
        <source></source>
        <translation>Diese Datei wurde nicht hinzugefügt:</translation>
    </message>
    <message id="These files were not added:">
        <source></source>
        <translation>Diese Dateien wurden nicht hinzugefügt:</translation>
    </message>
    <message id="Previous Photo">
        <source></source>
        <translation>Vorheriges Foto</translation>
    </message>
    <message id="Display the previous photo">
        <source></source>
        <translation>Das vorherige Foto anzeigen</translation>
    </message>
    <message id="Edit Caption">
        <source></source>
        <translation>Bildunterschrift bearbeiten</translation>
    </message>
    <message id="Edit the photo caption">
        <source></source>
        <translation>Die Bildunterschrift des Fotos bearbeiten</translation>
    </message>
    <message id="Next Photo">
        <source></source>
        <translation>Nächstes Foto</translation>
    </message>
    <message id="Display the next photo">
        <source></source>
        <translation>Das nächste Foto anzeigen</translation>
    </message>
    <message id="Error: the new record is gone.">
        <source></source>
        <translation>Fehler: Der neue Datensatz ist nicht mehr vorhanden.</translation>
    </message>
    <message id="From Date 1">
        <source></source>
        <translation>Von Datum 1</translation>
    </message>
    <message id="To Date 2">
        <source></source>
        <translation>Bis Datum 2</translation>
    </message>
    <message id="From Date 3">
        <source></source>
        <translation>Von Datum 3</translation>
    </message>
    <message id="To Date 4">
        <source></source>
        <translation>Bis Datum 4</translation>
    </message>
    <message id="From Date 5">
        <source></source>
        <translation>Von Datum 5</translation>
    </message>
    <message id="To Date 6">
        <source></source>
        <translation>Bis Datum 6</translation>
    </message>
    <message id="Units">
        <source></source>
        <translation>Einheiten</translation>
    </message>
    <message id="Line %1, column %2 (%3): “%4” could not be read and was not imported.">
        <source></source>
        <translation>Zeile %1, Spalte %2 (%3): „%4“ konnte nicht gelesen werden und wurde nicht importiert.</translation>
    </message>
    <message id="The file is not in the Spinora CSV template layout and these columns could not be placed: “%1”. Give each column its field, for example --map '%2' (the fields are %3).">
        <source></source>
        <translation>Die Datei entspricht nicht dem Aufbau der Spinora-CSV-Vorlage, und diese Spalten konnten nicht zugeordnet werden: „%1“. Geben Sie für jede Spalte ihr Feld an, zum Beispiel --map &apos;%2&apos; (die Felder sind %3).</translation>
    </message>
    <message id="No cacti, watering schedules or logs were found in the file. It must follow the Spinora CSV template.">
        <source></source>
        <translation>In der Datei wurden keine Kakteen, Gießpläne oder Protokolleinträge gefunden. Sie muss der Spinora-CSV-Vorlage entsprechen.</translation>
    </message>
    <message id="name|plant|plant name|cactus|label">
        <source></source>
        <translation>name|pflanze|pflanzenname|kaktus|etikett</translation>
    </message>
    <message id="scientific|scientific name|botanical name|latin name|taxon|genus|species">
        <source></source>
        <translation>wissenschaftlich|wissenschaftlicher name|botanischer name|lateinischer name|taxon|gattung|art</translation>
    </message>
    <message id="common|common name">
        <source></source>
        <translation>deutscher name|trivialname</translation>
    </message>
    <message id="type|plant type">
        <source></source>
        <translation>typ|pflanzentyp</translation>
    </message>
    <message id="watering|schedule|watering schedule">
        <source></source>
        <translation>gießen|plan|gießplan</translation>
    </message>
    <message id="last watered">
        <source></source>
        <translation>zuletzt gegossen</translation>
    </message>
    <message id="next watering">
        <source></source>
        <translation>nächstes gießen</translation>
    </message>
    <message id="planted|plant date|date planted|sown">
        <source></source>
        <translation>gepflanzt|pflanzdatum|pflanzung|gesät</translation>
    </message>
    <message id="source|origin">
        <source></source>
        <translation>herkunft|quelle</translation>
    </message>
    <message id="acquired|date acquired|bought|purchased|purchase date">
        <source></source>
        <translation>erworben|erwerbsdatum|gekauft|kaufdatum|datum des kaufs</translation>
    </message>
    <message id="price|purchase price|cost|paid">
        <source></source>
        <translation>preis|kaufpreis|kosten|bezahlt</translation>
    </message>
    <message id="value|worth">
        <source></source>
        <translation>wert|zeitwert</translation>
    </message>
    <message id="location|place|position|bench|greenhouse">
        <source></source>
        <translation>standort|ort|platz|stellplatz|gewächshaus</translation>
    </message>
    <message id="height">
        <source></source>
        <translation>höhe</translation>
    </message>
    <message id="width|diameter">
        <source></source>
        <translation>breite|durchmesser</translation>
    </message>
    <message id="weight">
        <source></source>
        <translation>gewicht</translation>
    </message>
    <message id="light|sun">
        <source></source>
        <translation>licht|sonne</translation>
    </message>
    <message id="temperature|temp|min temp">
        <source></source>
        <translation>temperatur|temp|min. temp</translation>
    </message>
    <message id="pot size|pot">
        <source></source>
        <translation>topfgröße|topf</translation>
    </message>
    <message id="pot shape|shape">
        <source></source>
        <translation>topfform|form</translation>
    </message>
    <message id="pot material|material">
        <source></source>
        <translation>topfmaterial|material</translation>
    </message>
    <message id="notes|note|comments|comment|remarks|description">
        <source></source>
        <translation>notizen|notiz|kommentare|kommentar|bemerkungen|beschreibung</translation>
    </message>
    <message id="id|#|no|no.|number|photo|photos|image|picture">
        <source></source>
        <translation>id|#|nr|nr.|nummer|foto|fotos|bild|abbildung</translation>
    </message>
    <message id="“%1” is no COLUMN=FIELD pair.">
        <source></source>
        <translation>„%1“ ist kein Paar der Form SPALTE=FELD.</translation>
    </message>
    <message id="“%1” is no field; the fields are %2.">
        <source></source>
        <translation>„%1“ ist kein Feld; die Felder sind %2.</translation>
    </message>
    <message id="The file has no column “%1”.">
        <source></source>
        <translation>Die Datei hat keine Spalte „%1“.</translation>
    </message>
    <message id="%1 is a folder; an export never replaces a folder with a file.">
        <source></source>
        <translation>%1 ist ein Ordner; ein Export ersetzt nie einen Ordner durch eine Datei.</translation>
    </message>
    <message id="%1 is a folder that is not a Spinora collection; an export never replaces it.">
        <source></source>
        <translation>%1 ist ein Ordner, der keine Spinora-Sammlung ist; ein Export ersetzt ihn nie.</translation>
    </message>
    <message id="%1 is a collection in use by %2; it cannot be replaced.">
        <source></source>
        <translation>%1 ist eine Sammlung, die von %2 verwendet wird; sie kann nicht ersetzt werden.</translation>
    </message>
    <message id="%1 is an existing collection and was not replaced.">
        <source></source>
        <translation>%1 ist eine vorhandene Sammlung und wurde nicht ersetzt.</translation>
    </message>
    <message id="%1 already exists and was not replaced.">
        <source></source>
        <translation>%1 ist bereits vorhanden und wurde nicht ersetzt.</translation>
    </message>
    <message id="The collection %1 could not be read: %2">
        <source></source>
        <translation>Die Sammlung %1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message id="it holds no %1.">
        <source></source>
        <translation>%1 fehlt darin.</translation>
    </message>
    <message id="The collection %1 was made by a newer version of Spinora (schema %2; this version reads up to %3).">
        <source></source>
        <translation>Die Sammlung %1 wurde mit einer neueren Version von Spinora erstellt (Schema %2; diese Version liest bis %3).</translation>
    </message>
    <message id="The collection could not be read: %1">
        <source></source>
        <translation>Die Sammlung konnte nicht gelesen werden: %1</translation>
    </message>
    <message id="The collection was opened read-only, so nothing can be imported into it.">
        <source></source>
        <translation>Die Sammlung wurde schreibgeschützt geöffnet, daher kann nichts in sie importiert werden.</translation>
    </message>
    <message id="The import failed.">
        <source></source>
        <translation>Der Import ist fehlgeschlagen.</translation>
    </message>
    <message id="The collection could not be written: %1">
        <source></source>
        <translation>Die Sammlung konnte nicht geschrieben werden: %1</translation>
    </message>
    <message id="The collection's database could not be opened: %1">
        <source></source>
        <translation>Die Datenbank der Sammlung konnte nicht geöffnet werden: %1</translation>
    </message>
    <message id="The folder %1 could not be made.">
        <source></source>
        <translation>Der Ordner %1 konnte nicht angelegt werden.</translation>
    </message>
    <message id="The template could not be read: %1">
        <source></source>
        <translation>Die Vorlage konnte nicht gelesen werden: %1</translation>
    </message>
    <message id="The collection could not be locked for the import: %1">
        <source></source>
        <translation>Die Sammlung konnte für den Import nicht gesperrt werden: %1</translation>
    </message>
    <message id="Fertilized">
        <source></source>
        <translation>Gedüngt</translation>
    </message>
    <message id="Flowered">
        <source></source>
        <translation>Geblüht</translation>
    </message>
    <message id="Planted">
        <source></source>
        <translation>Gepflanzt</translation>
    </message>
    <message id="Purchased">
        <source></source>
        <translation>Gekauft</translation>
    </message>
    <message id="Sold">
        <source></source>
        <translation>Verkauft</translation>
    </message>
    <message id="The import could not be saved: %1">
        <source></source>
        <translation>Der Import konnte nicht gespeichert werden: %1</translation>
    </message>
    <message id="%1 could not be written">
        <source></source>
        <translation>%1 konnte nicht geschrieben werden</translation>
    </message>
    <message id="%1: the export filter could not be run">
        <source></source>
        <translation>%1: Der Exportfilter konnte nicht ausgeführt werden</translation>
    </message>
    <message id="%1 could not be replaced">
        <source></source>
        <translation>%1 konnte nicht ersetzt werden</translation>
    </message>
    <message id="The file cannot be imported: it holds triggers or views, which Spinora files never have.">
        <source></source>
        <translation>Die Datei kann nicht importiert werden: Sie enthält Trigger oder Views, die Spinora-Dateien nie haben.</translation>
    </message>
    <message id="larger than 64 MiB">
        <source></source>
        <translation>größer als 64 MiB</translation>
    </message>
    <message id="a link that leads out of the package">
        <source></source>
        <translation>ein Verweis, der aus dem Paket herausführt</translation>
    </message>
    <message id="not a file that can be read">
        <source></source>
        <translation>keine lesbare Datei</translation>
    </message>
    <message id="%1 could not be read.">
        <source></source>
        <translation>%1 konnte nicht gelesen werden.</translation>
    </message>
    <message id="The file could not be opened: %1">
        <source></source>
        <translation>Die Datei konnte nicht geöffnet werden: %1</translation>
    </message>
    <message id="The file is not a Spinora database: %1">
        <source></source>
        <translation>Die Datei ist keine Spinora-Datenbank: %1</translation>
    </message>
    <message id="The file cannot be imported: its schema could not be upgraded (%1).">
        <source></source>
        <translation>Die Datei kann nicht importiert werden: Ihr Schema konnte nicht aktualisiert werden (%1).</translation>
    </message>
    <message id="The file could not be closed: %1">
        <source></source>
        <translation>Die Datei konnte nicht geschlossen werden: %1</translation>
    </message>
    <message id="The file has no version information, so it is not a Spinora database.">
        <source></source>
        <translation>Die Datei enthält keine Versionsinformationen und ist daher keine Spinora-Datenbank.</translation>
    </message>
    <message id="The file cannot be imported: it was made by a newer version of Spinora (schema %1; this version reads up to %2).">
        <source></source>
        <translation>Die Datei kann nicht importiert werden: Sie wurde mit einer neueren Version von Spinora erstellt (Schema %1; diese Version liest bis %2).</translation>
    </message>
    <message id="The file's version row holds no record counts.">
        <source></source>
        <translation>Die Versionszeile der Datei enthält keine Anzahlen der Datensätze.</translation>
    </message>
    <message id="The file cannot be imported: its %1 table cannot be read (%2).">
        <source></source>
        <translation>Die Datei kann nicht importiert werden: Ihre Tabelle %1 kann nicht gelesen werden (%2).</translation>
    </message>
    <message id="The file cannot be imported: its %1 table has keys that are not whole numbers from 0 to 9223372036854775807.">
        <source></source>
        <translation>Die Datei kann nicht importiert werden: Ihre Tabelle %1 hat Schlüssel, die keine ganzen Zahlen von 0 bis 9223372036854775807 sind.</translation>
    </message>
    <message id="The file cannot be imported: its %1 table has the same key on more than one row.">
        <source></source>
        <translation>Die Datei kann nicht importiert werden: Ihre Tabelle %1 hat denselben Schlüssel in mehr als einer Zeile.</translation>
    </message>
    <message id="The file cannot be imported: the collection has no keys left for its %1 table.">
        <source></source>
        <translation>Die Datei kann nicht importiert werden: Die Sammlung hat keine freien Schlüssel mehr für ihre Tabelle %1.</translation>
    </message>
    <message id="The records of the file's %1 table could not be read: %2">
        <source></source>
        <translation>Die Datensätze der Tabelle %1 der Datei konnten nicht gelesen werden: %2</translation>
    </message>
    <message id="The file cannot be imported: the %1 column of its %2 table holds values that are not whole numbers.">
        <source></source>
        <translation>Die Datei kann nicht importiert werden: Die Spalte %1 ihrer Tabelle %2 enthält Werte, die keine ganzen Zahlen sind.</translation>
    </message>
    <message id="The file holds no watering schedules.">
        <source></source>
        <translation>Die Datei enthält keine Gießpläne.</translation>
    </message>
    <message id="The file holds no cacti.">
        <source></source>
        <translation>Die Datei enthält keine Kakteen.</translation>
    </message>
    <message id="not a picture that can be read">
        <source></source>
        <translation>kein lesbares Bild</translation>
    </message>
    <message id="the cactus %1">
        <source></source>
        <translation>der Kaktus %1</translation>
    </message>
    <message id="the log entry %1">
        <source></source>
        <translation>der Protokolleintrag %1</translation>
    </message>
    <message id="the cactus “%1”">
        <source></source>
        <translation>der Kaktus „%1“</translation>
    </message>
    <message id="the log entry “%1”">
        <source></source>
        <translation>der Protokolleintrag „%1“</translation>
    </message>
    <message id="The file's photos could not be read: %1">
        <source></source>
        <translation>Die Fotos der Datei konnten nicht gelesen werden: %1</translation>
    </message>
    <message id="The file cannot be imported: the key column of its image table holds values that are not whole numbers.">
        <source></source>
        <translation>Die Datei kann nicht importiert werden: Die Schlüsselspalte ihrer Bildtabelle enthält Werte, die keine ganzen Zahlen sind.</translation>
    </message>
    <message id="1 photo could not be read and was left out: %1.">
        <source></source>
        <translation>1 Foto konnte nicht gelesen werden und wurde weggelassen: %1.</translation>
    </message>
    <message id="%1 photos could not be read and were left out: %2.">
        <source></source>
        <translation>%1 Fotos konnten nicht gelesen werden und wurden weggelassen: %2.</translation>
    </message>
    <message id="The file could not be read: %1">
        <source></source>
        <translation>Die Datei konnte nicht gelesen werden: %1</translation>
    </message>
    <message id="No plant has a date acquired.">
        <source></source>
        <translation>Keine Pflanze hat ein Erwerbsdatum.</translation>
    </message>
    <message id="%1 without a date">
        <source></source>
        <translation>%1 ohne Datum</translation>
    </message>
    <message id="Plants by Date Acquired">
        <source></source>
        <translation>Pflanzen nach Erwerbsdatum</translation>
    </message>
    <message id="Value by Date Acquired">
        <source></source>
        <translation>Wert nach Erwerbsdatum</translation>
    </message>
    <message id="Plants by Genus">
        <source></source>
        <translation>Pflanzen nach Gattung</translation>
    </message>
    <message id="Waterings Due in the Next %1 Days">
        <source></source>
        <translation>Fälliges Gießen in den nächsten %1 Tagen</translation>
    </message>
    <message id="Charts">
        <source></source>
        <translation>Diagramme</translation>
    </message>
    <message id="Cacti Report">
        <source></source>
        <translation>Kakteenbericht</translation>
    </message>
    <message id="Summary">
        <source></source>
        <translation>Zusammenfassung</translation>
    </message>
    <message id="Total Cacti">
        <source></source>
        <translation>Kakteen gesamt</translation>
    </message>
    <message id="Total Watering Schedules">
        <source></source>
        <translation>Gießpläne gesamt</translation>
    </message>
    <message id="Total Log Entries">
        <source></source>
        <translation>Protokolleinträge gesamt</translation>
    </message>
    <message id="Unique Species">
        <source></source>
        <translation>Verschiedene Arten</translation>
    </message>
    <message id="Total Value">
        <source></source>
        <translation>Gesamtwert</translation>
    </message>
    <message id="Species Scientific Name">
        <source></source>
        <translation>Wissenschaftlicher Artname</translation>
    </message>
    <message id="Species Common Name">
        <source></source>
        <translation>Deutscher Artname</translation>
    </message>
    <message id="Unknown Date">
        <source></source>
        <translation>Unbekanntes Datum</translation>
    </message>
    <message id="No Event Name">
        <source></source>
        <translation>Kein Ereignisname</translation>
    </message>
    <message id="The report folder %1 cannot be written.">
        <source></source>
        <translation>In den Berichtsordner %1 kann nicht geschrieben werden.</translation>
    </message>
    <message id="The report %1 could not be written.">
        <source></source>
        <translation>Der Bericht %1 konnte nicht geschrieben werden.</translation>
    </message>
    <message id="No folder for the work files was found: the user's caches folder is unknown (set HOME or XDG_CACHE_HOME).">
        <source></source>
        <translation>Es wurde kein Ordner für die Arbeitsdateien gefunden: Der Cache-Ordner des Benutzers ist unbekannt (setzen Sie HOME oder XDG_CACHE_HOME).</translation>
    </message>
    <message id="The work folder %1 could not be made.">
        <source></source>
        <translation>Der Arbeitsordner %1 konnte nicht angelegt werden.</translation>
    </message>
    <message id="The work folder %1 cannot be used: something that is not a folder is in its place.">
        <source></source>
        <translation>Der Arbeitsordner %1 kann nicht verwendet werden: An seiner Stelle befindet sich etwas, das kein Ordner ist.</translation>
    </message>
    <message id="The work folder %1 cannot be used: it is not writable.">
        <source></source>
        <translation>Der Arbeitsordner %1 kann nicht verwendet werden: Er ist nicht beschreibbar.</translation>
    </message>
    <message id="Another transfer is running in this program; try again when it has finished.">
        <source></source>
        <translation>In diesem Programm läuft eine andere Übertragung; versuchen Sie es erneut, wenn sie beendet ist.</translation>
    </message>
    <message id="Another transfer is running (%1, process %2); try again when it has finished.">
        <source></source>
        <translation>Eine andere Übertragung läuft (%1, Prozess %2); versuchen Sie es erneut, wenn sie beendet ist.</translation>
    </message>
    <message id="another program">
        <source></source>
        <translation>ein anderes Programm</translation>
    </message>
    <message id="Another transfer is running; try again when it has finished.">
        <source></source>
        <translation>Eine andere Übertragung läuft; versuchen Sie es erneut, wenn sie beendet ist.</translation>
    </message>
    <message id="The work folder %1 cannot be used: its lock file could not be made.">
        <source></source>
        <translation>Der Arbeitsordner %1 kann nicht verwendet werden: Seine Sperrdatei konnte nicht angelegt werden.</translation>
    </message>
    <message id="Import From SDBI">
        <source></source>
        <translation>Aus SDBI importieren</translation>
    </message>
    <message id="Import From Spinora Database">
        <source></source>
        <translation>Aus Spinora-Datenbank importieren</translation>
    </message>
    <message id="Database File">
        <source></source>
        <translation>Datenbankdatei</translation>
    </message>
    <message id="Import From CSV">
        <source></source>
        <translation>Aus CSV importieren</translation>
    </message>
    <message id="Export To SDBI">
        <source></source>
        <translation>Als SDBI exportieren</translation>
    </message>
    <message id="Export To Spinora Database">
        <source></source>
        <translation>Als Spinora-Datenbank exportieren</translation>
    </message>
    <message id="Export To CSV">
        <source></source>
        <translation>Als CSV exportieren</translation>
    </message>
    <message id="Type a path, or choose the file with Browse">
        <source></source>
        <translation>Geben Sie einen Pfad ein oder wählen Sie die Datei mit „Durchsuchen“</translation>
    </message>
    <message id="Choose where to save with Browse">
        <source></source>
        <translation>Wählen Sie mit „Durchsuchen“, wo gespeichert werden soll</translation>
    </message>
    <message id="There is no file “%1”.">
        <source></source>
        <translation>Es gibt keine Datei „%1“.</translation>
    </message>
    <message id="A4, 3 × 8 labels of 70 × 37 mm">
        <source></source>
        <translation>A4, 3 × 8 Etiketten zu 70 × 37 mm</translation>
    </message>
    <message id="US Letter, 3 × 10 labels of 2.625 × 1 in">
        <source></source>
        <translation>US Letter, 3 × 10 Etiketten zu 2,625 × 1 Zoll</translation>
    </message>
    <message id="%n labels" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n Etikett</numerusform>
            <numerusform>%n Etiketten</numerusform>
        </translation>
    </message>
    <message id="%n pages" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n Seite</numerusform>
            <numerusform>%n Seiten</numerusform>
        </translation>
    </message>
    <message id=" mm">
        <source></source>
        <translation> mm</translation>
    </message>
    <message id="Nothing was printed: the printer “%1” could not be used.">
        <source></source>
        <translation>Es wurde nichts gedruckt: Der Drucker „%1“ konnte nicht verwendet werden.</translation>
    </message>
    <message id="Nothing was printed: the file “%1” could not be written.">
        <source></source>
        <translation>Es wurde nichts gedruckt: Die Datei „%1“ konnte nicht geschrieben werden.</translation>
    </message>
    <message id="Error: out of memory.">
        <source></source>
        <translation>Fehler: Nicht genügend Arbeitsspeicher.</translation>
    </message>
    <message id="Error: unknown exception.">
        <source></source>
        <translation>Fehler: Unbekannte Ausnahme.</translation>
    </message>
    <message id="No snapshot of the collection could be kept: %1">
        <source></source>
        <translation>Es konnte keine Sicherung der Sammlung aufbewahrt werden: %1</translation>
    </message>
    <message id="the collection as it is now could not be kept first, so nothing was changed: %1">
        <source></source>
        <translation>die Sammlung konnte nicht vorher in ihrem jetzigen Stand aufbewahrt werden, daher wurde nichts geändert: %1</translation>
    </message>
    <message id="the collection was opened read-only">
        <source></source>
        <translation>die Sammlung wurde schreibgeschützt geöffnet</translation>
    </message>
    <message id="Other">
        <source></source>
        <translation>Sonstiges</translation>
    </message>
    <message id="it does not exist.">
        <source></source>
        <translation>sie existiert nicht.</translation>
    </message>
    <message id="it is not a collection package (a folder ending in .sdb).">
        <source></source>
        <translation>sie ist kein Sammlungspaket (ein Ordner, der auf .sdb endet).</translation>
    </message>
    <message id="the folder holds no %1, so it is not a Spinora collection.">
        <source></source>
        <translation>im Ordner fehlt %1, daher ist er keine Spinora-Sammlung.</translation>
    </message>
    <message id="it is read-only. Make it writable, or copy it to another place, to open it.">
        <source></source>
        <translation>sie ist schreibgeschützt. Machen Sie sie beschreibbar oder kopieren Sie sie an einen anderen Ort, um sie zu öffnen.</translation>
    </message>
    <message id="the collection is not open">
        <source></source>
        <translation>die Sammlung ist nicht geöffnet</translation>
    </message>
    <message id="the collection could not be read again: %1">
        <source></source>
        <translation>die Sammlung konnte nicht erneut gelesen werden: %1</translation>
    </message>
    <message id="the file is not a picture">
        <source></source>
        <translation>die Datei ist kein Bild</translation>
    </message>
    <message id="the picture is too large (%1 × %2 pixels)">
        <source></source>
        <translation>das Bild ist zu groß (%1 × %2 Pixel)</translation>
    </message>
    <message id="the picture cannot be decoded (%1)">
        <source></source>
        <translation>das Bild kann nicht dekodiert werden (%1)</translation>
    </message>
    <message id="the file cannot be read">
        <source></source>
        <translation>die Datei kann nicht gelesen werden</translation>
    </message>
    <message id="the file is larger than %1 MB">
        <source></source>
        <translation>die Datei ist größer als %1 MB</translation>
    </message>
    <message id="Error: a photo needs its three prepared files.">
        <source></source>
        <translation>Fehler: Ein Foto benötigt seine drei vorbereiteten Dateien.</translation>
    </message>
    <message id="a change to it was cut short when Spinora or the computer stopped">
        <source></source>
        <translation>eine Änderung daran wurde abgebrochen, als Spinora oder der Computer angehalten wurde</translation>
    </message>
    <message id="%1, and must be undone before the collection can be read. That takes writing, and the collection is read-only here. Copy the whole collection, with the file %2-journal in it, to a writable place and open the copy.">
        <source></source>
        <translation>%1, und muss rückgängig gemacht werden, bevor die Sammlung gelesen werden kann. Dazu muss geschrieben werden, und die Sammlung ist hier schreibgeschützt. Kopieren Sie die ganze Sammlung mit der darin enthaltenen Datei %2-journal an einen beschreibbaren Ort und öffnen Sie die Kopie.</translation>
    </message>
    <message id="%1, and cannot be undone: %2">
        <source></source>
        <translation>%1, und kann nicht rückgängig gemacht werden: %2</translation>
    </message>
    <message id="%1, and undoing it failed: %2.">
        <source></source>
        <translation>%1, und das Rückgängigmachen ist fehlgeschlagen: %2.</translation>
    </message>
    <message id="the collection is not open for writing.">
        <source></source>
        <translation>die Sammlung ist nicht zum Schreiben geöffnet.</translation>
    </message>
    <message id="no watering moment was given.">
        <source></source>
        <translation>es wurde kein Zeitpunkt für das Gießen angegeben.</translation>
    </message>
    <message id="it is already open in this program.">
        <source></source>
        <translation>sie ist bereits in diesem Programm geöffnet.</translation>
    </message>
    <message id="another program (process %1)">
        <source></source>
        <translation>ein anderes Programm (Prozess %1)</translation>
    </message>
    <message id="it is in use by %1. Only one program at a time can change a collection; try again when it has finished.">
        <source></source>
        <translation>sie wird von %1 verwendet. Nur ein Programm zur Zeit kann eine Sammlung ändern; versuchen Sie es erneut, wenn es fertig ist.</translation>
    </message>
    <message id="its lock file %1 cannot be opened (%2).">
        <source></source>
        <translation>ihre Sperrdatei %1 kann nicht geöffnet werden (%2).</translation>
    </message>
    <message id="its lock file %1 cannot be locked (%2).">
        <source></source>
        <translation>ihre Sperrdatei %1 kann nicht gesperrt werden (%2).</translation>
    </message>
    <message id="its lock file %1 keeps being replaced by another program.">
        <source></source>
        <translation>ihre Sperrdatei %1 wird ständig von einem anderen Programm ersetzt.</translation>
    </message>
    <message id="the picture cannot be converted to JPEG">
        <source></source>
        <translation>das Bild kann nicht in JPEG umgewandelt werden</translation>
    </message>
    <message id="no database connection">
        <source></source>
        <translation>keine Datenbankverbindung</translation>
    </message>
    <message id="the current schema is not available (%1)">
        <source></source>
        <translation>das aktuelle Schema ist nicht verfügbar (%1)</translation>
    </message>
    <message id="The collection %1 could not be opened: %2">
        <source></source>
        <translation>Die Sammlung %1 konnte nicht geöffnet werden: %2</translation>
    </message>
    <message id="The collection %1 could not be made: %2">
        <source></source>
        <translation>Die Sammlung %1 konnte nicht angelegt werden: %2</translation>
    </message>
    <message id="The logs of %1 could not be read: %2">
        <source></source>
        <translation>Die Protokolleinträge von %1 konnten nicht gelesen werden: %2</translation>
    </message>
    <message id="%1. So that nothing is lost, the collection is now read-only: nothing in it is changed or deleted. Close it and open it again to try once more.">
        <source></source>
        <translation>%1. Damit nichts verloren geht, ist die Sammlung jetzt schreibgeschützt: Nichts darin wird geändert oder gelöscht. Schließen Sie sie und öffnen Sie sie erneut, um es noch einmal zu versuchen.</translation>
    </message>
    <message id="it was made by a newer version of Spinora (schema %1; this version reads up to %2).">
        <source></source>
        <translation>sie wurde mit einer neueren Version von Spinora erstellt (Schema %1; diese Version liest bis %2).</translation>
    </message>
    <message id="its schema could not be upgraded (%1).">
        <source></source>
        <translation>ihr Schema konnte nicht aktualisiert werden (%1).</translation>
    </message>
    <message id="the script %1 could not be read">
        <source></source>
        <translation>das Skript %1 konnte nicht gelesen werden</translation>
    </message>
    <message id="The collection %1 was opened read-only and cannot be saved.">
        <source></source>
        <translation>Die Sammlung %1 wurde schreibgeschützt geöffnet und kann nicht gespeichert werden.</translation>
    </message>
    <message id="The collection %1 was saved, but could not be opened again: %2">
        <source></source>
        <translation>Die Sammlung %1 wurde gespeichert, konnte aber nicht erneut geöffnet werden: %2</translation>
    </message>
    <message id="The collection could not be saved as %1: %2">
        <source></source>
        <translation>Die Sammlung konnte nicht als %1 gespeichert werden: %2</translation>
    </message>
    <message id="The collection could not be saved as %1.">
        <source></source>
        <translation>Die Sammlung konnte nicht als %1 gespeichert werden.</translation>
    </message>
    <message id="Caudiciform">
        <source></source>
        <translation>Caudexpflanze</translation>
    </message>
    <message id="Leaf Succulent">
        <source></source>
        <translation>Blattsukkulente</translation>
    </message>
    <message id="Root Succulent">
        <source></source>
        <translation>Wurzelsukkulente</translation>
    </message>
    <message id="Stem Succulent">
        <source></source>
        <translation>Stammsukkulente</translation>
    </message>
    <message id="Seed">
        <source></source>
        <translation>Samen</translation>
    </message>
    <message id="Cutting">
        <source></source>
        <translation>Steckling</translation>
    </message>
    <message id="Offset">
        <source></source>
        <translation>Kindel</translation>
    </message>
    <message id="Grafted">
        <source></source>
        <translation>Gepfropft</translation>
    </message>
    <message id="Wild">
        <source></source>
        <translation>Wildsammlung</translation>
    </message>
    <message id="Nursery Stock">
        <source></source>
        <translation>Gärtnereiware</translation>
    </message>
    <message id="Private Grower">
        <source></source>
        <translation>Privater Züchter</translation>
    </message>
    <message id="Retailer">
        <source></source>
        <translation>Händler</translation>
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
        <translation>Glasfaser</translation>
    </message>
    <message id="Mica">
        <source></source>
        <translation>Glimmer</translation>
    </message>
    <message id="None (In-Ground)">
        <source></source>
        <translation>Kein Topf (ausgepflanzt)</translation>
    </message>
    <message id="Plastic">
        <source></source>
        <translation>Kunststoff</translation>
    </message>
    <message id="Stone">
        <source></source>
        <translation>Stein</translation>
    </message>
    <message id="Wood">
        <source></source>
        <translation>Holz</translation>
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
        <translation>Quadratisch</translation>
    </message>
    <message id="Rectangular">
        <source></source>
        <translation>Rechteckig</translation>
    </message>
    <message id="Hexagon">
        <source></source>
        <translation>Sechseckig</translation>
    </message>
    <message id="Octagon">
        <source></source>
        <translation>Achteckig</translation>
    </message>
    <message id="Dish">
        <source></source>
        <translation>Schale</translation>
    </message>
    <message id="Lotus">
        <source></source>
        <translation>Lotus</translation>
    </message>
    <message id="Flat">
        <source></source>
        <translation>Flach</translation>
    </message>
    <message id="Irregular">
        <source></source>
        <translation>Unregelmäßig</translation>
    </message>
    <message id="hours">
        <source></source>
        <translation>Stunden</translation>
    </message>
    <message id="days">
        <source></source>
        <translation>Tage</translation>
    </message>
    <message id="weeks">
        <source></source>
        <translation>Wochen</translation>
    </message>
    <message id="months">
        <source></source>
        <translation>Monate</translation>
    </message>
    <message id="hour">
        <source></source>
        <translation>Stunde</translation>
    </message>
    <message id="day">
        <source></source>
        <translation>Tag</translation>
    </message>
    <message id="week">
        <source></source>
        <translation>Woche</translation>
    </message>
    <message id="month">
        <source></source>
        <translation>Monat</translation>
    </message>
    <message id="Spray">
        <source></source>
        <translation>Sprühen</translation>
    </message>
    <message id="LightQuantity">
        <source></source>
        <translation>Lichtmenge</translation>
    </message>
    <message id="Moderate">
        <source></source>
        <translation>Mäßig</translation>
    </message>
    <message id="Soak">
        <source></source>
        <translation>Tauchen</translation>
    </message>
    <message id="a cactus">
        <source></source>
        <translation>ein Kaktus</translation>
    </message>
    <message id="a watering schedule">
        <source></source>
        <translation>ein Gießplan</translation>
    </message>
    <message id="a log">
        <source></source>
        <translation>ein Protokolleintrag</translation>
    </message>
    <message id="a photo">
        <source></source>
        <translation>ein Foto</translation>
    </message>
    <message id="a record (%1)">
        <source></source>
        <translation>ein Datensatz (%1)</translation>
    </message>
    <message id="%1 it needs is gone">
        <source></source>
        <translation>%1 fehlt, wird aber benötigt</translation>
    </message>
    <message id="%1 it would bring back has been made again">
        <source></source>
        <translation>%1 würde wiederhergestellt, wurde aber inzwischen neu angelegt</translation>
    </message>
    <message id="%1 it touches has been changed since">
        <source></source>
        <translation>%1 ist betroffen und wurde seitdem geändert</translation>
    </message>
    <message id="what it needs could not be read from %1">
        <source></source>
        <translation>was benötigt wird, konnte nicht aus %1 gelesen werden</translation>
    </message>
    <message id="the collection as it was before was not kept">
        <source></source>
        <translation>die Sammlung wurde nicht in ihrem vorherigen Stand aufbewahrt</translation>
    </message>
    <message id="“%1” could not be undone: %2.">
        <source></source>
        <translation>„%1“ konnte nicht rückgängig gemacht werden: %2.</translation>
    </message>
    <message id="“%1” could not be redone: %2.">
        <source></source>
        <translation>„%1“ konnte nicht wiederholt werden: %2.</translation>
    </message>
    <message id="the database is damaged (%1).">
        <source></source>
        <translation>die Datenbank ist beschädigt (%1).</translation>
    </message>
    <message id="Print the list">
        <source></source>
        <translation>Die Liste drucken</translation>
    </message>
    <message id="Import from device">
        <source></source>
        <translation>Von Gerät importieren</translation>
    </message>
    <message id="Import database from Spinora Mobile App">
        <source></source>
        <translation>Datenbank aus der Spinora-Mobil-App importieren</translation>
    </message>
    <message id="Export to device">
        <source></source>
        <translation>Auf Gerät exportieren</translation>
    </message>
    <message id="Export database to Spinora Mobile App">
        <source></source>
        <translation>Datenbank in die Spinora-Mobil-App exportieren</translation>
    </message>
    <message id="Show database statistics">
        <source></source>
        <translation>Datenbankstatistik anzeigen</translation>
    </message>
    <message id="Delete Item">
        <source></source>
        <translation>Eintrag löschen</translation>
    </message>
    <message id="Remove an item from the list">
        <source></source>
        <translation>Einen Eintrag aus der Liste entfernen</translation>
    </message>
    <message id="Add an item to the list">
        <source></source>
        <translation>Einen Eintrag zur Liste hinzufügen</translation>
    </message>
    <message id="%n watering schedules" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n Gießplan</numerusform>
            <numerusform>%n Gießpläne</numerusform>
        </translation>
    </message>
    <message id="%1 and its %n cacti" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%1 mit %n Kaktus</numerusform>
            <numerusform>%1 mit %n Kakteen</numerusform>
        </translation>
    </message>
    <message id="%1 and their %n cacti" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%1 mit insgesamt %n Kaktus</numerusform>
            <numerusform>%1 mit insgesamt %n Kakteen</numerusform>
        </translation>
    </message>
    <message id="%n cacti" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n Kaktus</numerusform>
            <numerusform>%n Kakteen</numerusform>
        </translation>
    </message>
    <message id="No log has the event &quot;Flowered&quot; yet.">
        <source></source>
        <translation>Noch kein Protokolleintrag hat das Ereignis „Geblüht“.</translation>
    </message>
    <message id="How often each plant flowered in each month, over all years; the plants likely to flower in %1 first.">
        <source></source>
        <translation>Wie oft jede Pflanze in jedem Monat geblüht hat, über alle Jahre; die Pflanzen, die im %1 wahrscheinlich blühen, zuerst.</translation>
    </message>
    <message id="No date">
        <source></source>
        <translation>Kein Datum</translation>
    </message>
    <message id="%1, %2">
        <source></source>
        <translation>%1, %2</translation>
    </message>
    <message id="Photo Timeline of %1">
        <source></source>
        <translation>Foto-Zeitleiste von %1</translation>
    </message>
    <message id="Photos, oldest first">
        <source></source>
        <translation>Fotos, älteste zuerst</translation>
    </message>
    <message id="This plant has no photos yet, neither its own nor in its logs.">
        <source></source>
        <translation>Diese Pflanze hat noch keine Fotos, weder eigene noch in ihren Protokolleinträgen.</translation>
    </message>
    <message id="Choose two photos (Ctrl+click) to see them side by side.">
        <source></source>
        <translation>Wählen Sie zwei Fotos aus (Ctrl+Klick), um sie nebeneinander zu sehen.</translation>
    </message>
    <message id="Earlier photo">
        <source></source>
        <translation>Früheres Foto</translation>
    </message>
    <message id="Later photo">
        <source></source>
        <translation>Späteres Foto</translation>
    </message>
    <message id="%1 (%2 without a date)">
        <source></source>
        <translation>%1 (%2 ohne Datum)</translation>
    </message>
    <message id="Log Entries">
        <source></source>
        <translation>Protokolleinträge</translation>
    </message>
    <message id="Watering Due">
        <source></source>
        <translation>Gießen fällig</translation>
    </message>
    <message id="Reminders Due">
        <source></source>
        <translation>Fällige Erinnerungen</translation>
    </message>
    <message id="%1:">
        <source></source>
        <translation>%1:</translation>
    </message>
    <message id="no collection at %1">
        <source></source>
        <translation>keine Sammlung unter %1</translation>
    </message>
    <message id="no snapshot was kept: %1">
        <source></source>
        <translation>es wurde keine Sicherung aufbewahrt: %1</translation>
    </message>
    <message id="%1 has no snapshot named %2 (spinora-cli backups %1 lists them); nothing was changed">
        <source></source>
        <translation>%1 hat keine Sicherung namens %2 (spinora-cli backups %1 listet sie auf); es wurde nichts geändert</translation>
    </message>
    <message id="%1 was not restored: %2">
        <source></source>
        <translation>%1 wurde nicht wiederhergestellt: %2</translation>
    </message>
    <message id="the collection as it was is kept as %1">
        <source></source>
        <translation>die Sammlung ist in ihrem vorherigen Stand als %1 aufbewahrt</translation>
    </message>
    <message id="%1 needs a value">
        <source></source>
        <translation>%1 benötigt einen Wert</translation>
    </message>
    <message id="usage: %1">
        <source></source>
        <translation>Aufruf: %1</translation>
    </message>
    <message id="%1 must be a whole number from %2 to %3, not “%4”">
        <source></source>
        <translation>%1 muss eine ganze Zahl von %2 bis %3 sein, nicht „%4“</translation>
    </message>
    <message id="%1 must be a local date and time as YYYY-MM-DD HH:MM, not “%2”">
        <source></source>
        <translation>%1 muss ein lokales Datum mit Uhrzeit im Format JJJJ-MM-TT HH:MM sein, nicht „%2“</translation>
    </message>
    <message id="the collection could not be written">
        <source></source>
        <translation>die Sammlung konnte nicht geschrieben werden</translation>
    </message>
    <message id="%1 is damaged: %2 Nothing was changed. “spinora-cli backups %1” lists its snapshots and “spinora-cli restore %1 SNAPSHOT” brings one back.">
        <source></source>
        <translation>%1 ist beschädigt: %2 Es wurde nichts geändert. „spinora-cli backups %1“ listet ihre Sicherungen auf und „spinora-cli restore %1 SICHERUNG“ stellt eine davon wieder her.</translation>
    </message>
    <message id="its photo file %1 is missing.">
        <source></source>
        <translation>ihre Fotodatei %1 fehlt.</translation>
    </message>
    <message id="%1 photo files are missing, the first %2.">
        <source></source>
        <translation>%1 Fotodateien fehlen, die erste ist %2.</translation>
    </message>
    <message id="%1: a collection's name must end in .%2">
        <source></source>
        <translation>%1: Der Name einer Sammlung muss auf .%2 enden</translation>
    </message>
    <message id="%1 already exists; nothing was changed">
        <source></source>
        <translation>%1 ist bereits vorhanden; es wurde nichts geändert</translation>
    </message>
    <message id="the folder %1 does not exist">
        <source></source>
        <translation>der Ordner %1 existiert nicht</translation>
    </message>
    <message id="the sample could not be written">
        <source></source>
        <translation>das Beispiel konnte nicht geschrieben werden</translation>
    </message>
    <message id="created %1 with %2 cacti, %3 watering schedules, %4 logs and %5 photos">
        <source></source>
        <translation>%1 angelegt mit %2 Kakteen, %3 Gießplänen, %4 Protokolleinträgen und %5 Fotos</translation>
    </message>
    <message id="list what? “%1” is not cacti, watering or logs">
        <source></source>
        <translation>was auflisten? „%1“ ist nicht cacti, watering oder logs</translation>
    </message>
    <message id="at most three --no-water periods">
        <source></source>
        <translation>höchstens drei --no-water-Zeiträume</translation>
    </message>
    <message id="--no-water must be MM-DD:MM-DD with real days, not “%1”">
        <source></source>
        <translation>--no-water muss MM-TT:MM-TT mit gültigen Tagen sein, nicht „%1“</translation>
    </message>
    <message id="warning: %1">
        <source></source>
        <translation>Warnung: %1</translation>
    </message>
    <message id="there is no session bus to post the notification on (%1)">
        <source></source>
        <translation>es gibt keinen Sitzungsbus, über den die Benachrichtigung gesendet werden könnte (%1)</translation>
    </message>
    <message id="no notification service answers on the session bus (%1)">
        <source></source>
        <translation>kein Benachrichtigungsdienst antwortet auf dem Sitzungsbus (%1)</translation>
    </message>
    <message id="the notification service refused the notification (%1)">
        <source></source>
        <translation>der Benachrichtigungsdienst hat die Benachrichtigung abgelehnt (%1)</translation>
    </message>
    <message id="%1 wants a device address such as http://host:port, not “%2”">
        <source></source>
        <translation>%1 erwartet eine Geräteadresse wie http://host:port, nicht „%2“</translation>
    </message>
    <message id="the import failed; nothing was changed">
        <source></source>
        <translation>der Import ist fehlgeschlagen; es wurde nichts geändert</translation>
    </message>
    <message id="the import failed; nothing was changed: %1">
        <source></source>
        <translation>der Import ist fehlgeschlagen; es wurde nichts geändert: %1</translation>
    </message>
    <message id="download failed: %1">
        <source></source>
        <translation>Herunterladen fehlgeschlagen: %1</translation>
    </message>
    <message id="upload failed: %1 - %2">
        <source></source>
        <translation>Hochladen fehlgeschlagen: %1 - %2</translation>
    </message>
    <message id="service discovery failed: %1; it needs the avahi-daemon service (start it with &quot;systemctl start avahi-daemon&quot;)">
        <source></source>
        <translation>Diensterkennung fehlgeschlagen: %1; sie benötigt den Dienst avahi-daemon (starten Sie ihn mit &quot;systemctl start avahi-daemon&quot;)</translation>
    </message>
    <message id="pull needs --from URL">
        <source></source>
        <translation>pull benötigt --from URL</translation>
    </message>
    <message id="import option %1 does not fit a device in mode %2: %3">
        <source></source>
        <translation>Importoption %1 passt nicht zu einem Gerät im Modus %2: %3</translation>
    </message>
    <message id="push needs --to URL">
        <source></source>
        <translation>push benötigt --to URL</translation>
    </message>
    <message id="%1 Add --force to replace it.">
        <source></source>
        <translation>%1 Mit --force wird es ersetzt.</translation>
    </message>
    <message id="%1 Nothing was written.">
        <source></source>
        <translation>%1 Es wurde nichts geschrieben.</translation>
    </message>
    <message id="Exporting to the open collection itself is not permitted">
        <source></source>
        <translation>Der Export in die geöffnete Sammlung selbst ist nicht erlaubt</translation>
    </message>
    <message id="%1: use export-csv for CSV files">
        <source></source>
        <translation>%1: Verwenden Sie export-csv für CSV-Dateien</translation>
    </message>
    <message id="%1: a CSV file's name must end in .csv">
        <source></source>
        <translation>%1: Der Name einer CSV-Datei muss auf .csv enden</translation>
    </message>
    <message id="Writing a report into the open collection itself is not permitted">
        <source></source>
        <translation>Das Schreiben eines Berichts in die geöffnete Sammlung selbst ist nicht erlaubt</translation>
    </message>
    <message id="the file %1 could not be written">
        <source></source>
        <translation>die Datei %1 konnte nicht geschrieben werden</translation>
    </message>
    <message id="nothing to import at %1">
        <source></source>
        <translation>nichts zu importieren unter %1</translation>
    </message>
    <message id="--map is for CSV files">
        <source></source>
        <translation>--map gilt nur für CSV-Dateien</translation>
    </message>
    <message id="--map: %1">
        <source></source>
        <translation>--map: %1</translation>
    </message>
    <message id="Importing from the open collection itself is not permitted">
        <source></source>
        <translation>Der Import aus der geöffneten Sammlung selbst ist nicht erlaubt</translation>
    </message>
    <message id="--page-size must be A4 or Letter, not “%1”">
        <source></source>
        <translation>--page-size muss A4 oder Letter sein, nicht „%1“</translation>
    </message>
    <message id="--record must be a record's key (a whole number), not “%1”">
        <source></source>
        <translation>--record muss der Schlüssel eines Datensatzes sein (eine ganze Zahl), nicht „%1“</translation>
    </message>
    <message id="--record needs a sheet screen (3, 4 or 5)">
        <source></source>
        <translation>--record benötigt eine Detailansicht (3, 4 oder 5)</translation>
    </message>
    <message id="the collection has no cactus with the key %1">
        <source></source>
        <translation>die Sammlung enthält keinen Kaktus mit dem Schlüssel %1</translation>
    </message>
    <message id="the collection has no cactus to print">
        <source></source>
        <translation>die Sammlung enthält keinen Kaktus zum Drucken</translation>
    </message>
    <message id="the collection has no watering schedule with the key %1">
        <source></source>
        <translation>die Sammlung enthält keinen Gießplan mit dem Schlüssel %1</translation>
    </message>
    <message id="the collection has no watering schedule to print">
        <source></source>
        <translation>die Sammlung enthält keinen Gießplan zum Drucken</translation>
    </message>
    <message id="the collection has no log with the key %1">
        <source></source>
        <translation>die Sammlung enthält keinen Protokolleintrag mit dem Schlüssel %1</translation>
    </message>
    <message id="the collection has no log to print">
        <source></source>
        <translation>die Sammlung enthält keinen Protokolleintrag zum Drucken</translation>
    </message>
    <message id="--layout must be a4-3x8 or letter-3x10, not “%1”">
        <source></source>
        <translation>--layout muss a4-3x8 oder letter-3x10 sein, nicht „%1“</translation>
    </message>
    <message id="no cactus matches “%1”">
        <source></source>
        <translation>kein Kaktus passt zu „%1“</translation>
    </message>
    <message id="due">
        <source></source>
        <translation>fällig</translation>
    </message>
    <message id="1 day overdue">
        <source></source>
        <translation>1 Tag überfällig</translation>
    </message>
    <message id="%1 days overdue">
        <source></source>
        <translation>%1 Tage überfällig</translation>
    </message>
    <message id="nothing due">
        <source></source>
        <translation>nichts fällig</translation>
    </message>
    <message id="(no schedule)">
        <source></source>
        <translation>(kein Gießplan)</translation>
    </message>
    <message id="(no plants)">
        <source></source>
        <translation>(keine Pflanzen)</translation>
    </message>
    <message id="%1: %2, next watering %3, %4">
        <source></source>
        <translation>%1: %2, nächstes Gießen %3, %4</translation>
    </message>
    <message id="reminder: %1, %2">
        <source></source>
        <translation>Erinnerung: %1, %2</translation>
    </message>
    <message id="reminder: %1 (%2), %3">
        <source></source>
        <translation>Erinnerung: %1 (%2), %3</translation>
    </message>
    <message id="1 plant to water">
        <source></source>
        <translation>1 Pflanze zu gießen</translation>
    </message>
    <message id="%1 plants to water">
        <source></source>
        <translation>%1 Pflanzen zu gießen</translation>
    </message>
    <message id="1 reminder">
        <source></source>
        <translation>1 Erinnerung</translation>
    </message>
    <message id="%1 reminders">
        <source></source>
        <translation>%1 Erinnerungen</translation>
    </message>
    <message id="%1 and %2">
        <source></source>
        <translation>%1 und %2</translation>
    </message>
    <message id="%1 today">
        <source></source>
        <translation>%1 heute</translation>
    </message>
    <message id="%1 by %2">
        <source></source>
        <translation>%1 von %2</translation>
    </message>
    <message id="%1 and %2 more">
        <source></source>
        <translation>%1 und %2 weitere</translation>
    </message>
    <message id="nothing due: no notification">
        <source></source>
        <translation>nichts fällig: keine Benachrichtigung</translation>
    </message>
    <message id="%1 could not be started">
        <source></source>
        <translation>%1 konnte nicht gestartet werden</translation>
    </message>
    <message id="--on must be a date as YYYY-MM-DD, not “%1”">
        <source></source>
        <translation>--on muss ein Datum im Format JJJJ-MM-TT sein, nicht „%1“</translation>
    </message>
    <message id="no collection named and no recent collection to check">
        <source></source>
        <translation>keine Sammlung angegeben und keine zuletzt verwendete Sammlung zum Prüfen</translation>
    </message>
    <message id="--at %1 lies in the future; a watering can only be recorded once it is done">
        <source></source>
        <translation>--at %1 liegt in der Zukunft; ein Gießen kann erst erfasst werden, wenn es erledigt ist</translation>
    </message>
    <message id="no watering schedule is named “%1”; nothing was changed">
        <source></source>
        <translation>kein Gießplan heißt „%1“; es wurde nichts geändert</translation>
    </message>
    <message id="no cactus is named “%1”; nothing was changed">
        <source></source>
        <translation>kein Kaktus heißt „%1“; es wurde nichts geändert</translation>
    </message>
    <message id="the watering could not be recorded">
        <source></source>
        <translation>das Gießen konnte nicht erfasst werden</translation>
    </message>
    <message id="unknown subcommand “%1” (see spinora-cli --help)">
        <source></source>
        <translation>unbekannter Unterbefehl „%1“ (siehe spinora-cli --help)</translation>
    </message>
    <message id="The latest changes to “%1” could not be written: %2">
        <source></source>
        <translation>Die letzten Änderungen an „%1“ konnten nicht geschrieben werden: %2</translation>
    </message>
    <message id="The window stays open so that they are not lost. Make room and close it again, or save the collection somewhere else.">
        <source></source>
        <translation>Das Fenster bleibt geöffnet, damit sie nicht verloren gehen. Schaffen Sie Platz und schließen Sie es erneut, oder speichern Sie die Sammlung an einem anderen Ort.</translation>
    </message>
    <message id="the photo could not be written into the collection (is the disk full?)">
        <source></source>
        <translation>das Foto konnte nicht in die Sammlung geschrieben werden (ist der Datenträger voll?)</translation>
    </message>
    <message id="unknown option %1">
        <source></source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message id="name at least one --schedule or --cactus">
        <source></source>
        <translation>nennen Sie mindestens einen --schedule oder --cactus</translation>
    </message>
    <message id="&lt; 1 year">
        <source></source>
        <translation>&lt; 1 Jahr</translation>
    </message>
    <message id="%n years" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n Jahr</numerusform>
            <numerusform>%n Jahre</numerusform>
        </translation>
    </message>
    <message id="Columns of %1">
        <source></source>
        <translation>Spalten von %1</translation>
    </message>
    <message id="This file is not in the Spinora CSV template layout. Choose what each column holds; its first rows are shown below it.">
        <source></source>
        <translation>Diese Datei folgt nicht der CSV-Vorlage von Spinora. Wählen Sie, was jede Spalte enthält; ihre ersten Zeilen stehen darunter.</translation>
    </message>
    <message id="Columns of the file">
        <source></source>
        <translation>Spalten der Datei</translation>
    </message>
    <message id="Field of the column “%1”">
        <source></source>
        <translation>Feld der Spalte „%1“</translation>
    </message>
    <message id="Skip">
        <source></source>
        <translation>Überspringen</translation>
    </message>
    <message id="Choose the column that holds the plants' names.">
        <source></source>
        <translation>Wählen Sie die Spalte mit den Namen der Pflanzen.</translation>
    </message>
    <message id="%n hours" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n Stunde</numerusform>
            <numerusform>%n Stunden</numerusform>
        </translation>
    </message>
    <message id="%n days" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n Tag</numerusform>
            <numerusform>%n Tage</numerusform>
        </translation>
    </message>
    <message id="%n weeks" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n Woche</numerusform>
            <numerusform>%n Wochen</numerusform>
        </translation>
    </message>
    <message id="%n months" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n Monat</numerusform>
            <numerusform>%n Monate</numerusform>
        </translation>
    </message>
    <message id="Keep the &amp;original file of each photo added (full detail, date taken)">
        <source></source>
        <translation>Die &amp;Originaldatei jedes hinzugefügten Fotos behalten (volle Details, Aufnahmedatum)</translation>
    </message>
    <message id="The originals take %1 in the open collections.">
        <source></source>
        <translation>Die Originale belegen %1 in den geöffneten Sammlungen.</translation>
    </message>
    <message id="Print Photo…">
        <source></source>
        <translation>Foto drucken …</translation>
    </message>
    <message id="Print the photo on a page">
        <source></source>
        <translation>Das Foto auf einer Seite drucken</translation>
    </message>
    <message id="Taken on %1 at %2">
        <source></source>
        <translation>Aufgenommen am %1 um %2</translation>
    </message>
</context>
</TS>
