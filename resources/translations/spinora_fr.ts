<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name></name>
    <message id="Daily">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Before an import">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Before a restore">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Kept by hand">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="%1, damaged">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Restore “%1” From Backup">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Snapshots are kept every day, before each import and before each restore. Open one to look at it or to import records from it, or restore the whole collection as it was.">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Snapshots">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="&amp;Open Backup">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="&amp;Restore…">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Spinora cannot set a daily reminder on this desktop: its login entry %1 could not be written.">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="This desktop cannot wake Spinora at a set time, so it will look for plants to water each time you log in instead of every day at %1.">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Restore From Backup…">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="&amp;Keep snapshots of each collection: daily, and before each import or restore">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="&amp;Folder:">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="C&amp;hoose…">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id=" GB">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="&amp;Use at most:">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Snapshot Folder">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Restore Snapshot">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Open Anyway">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Its photo file “%1” is missing.">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="%1 of its photo files are missing, the first “%2”.">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="The collection “%1” is damaged, so it was not opened.">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="The newest good snapshot was taken on %1 and holds %2 plants, %3 logs and %4 photos. Restoring it replaces the collection; the damaged one is kept as a snapshot first.">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="There is no snapshot of it to restore.">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="The snapshot could not be restored: %1">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="%1. The collection is open as usual; free some space or choose another backup folder in Preferences.">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Restore “%1” as it was on %2?">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="The collection will hold %1 plants, %2 logs and %3 photos. Its current state is kept as a snapshot first, so this can be undone by restoring that one.">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Restore">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="The collection was not restored: %1">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Spinora">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Spinora Lite">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="No devices found. Load Spinora on your iPhone, iPad, or iPod touch, and select Backup Database or Export Data on the Tools screen.">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="No devices found. Load Spinora on your iPhone, iPad, or iPod touch, and select Restore Database or Import Data on the Tools screen.">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Select a device from the list.">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="No devices found: the search for devices on the network failed (%1). It needs the avahi-daemon service: start it (for example with &quot;systemctl start avahi-daemon&quot;), then open this window again.">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="it stopped">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Click the Export button to send the database to your device.">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="The app will ask what you want to import.">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Import Complete">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Database import complete!">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Import Error">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="An error occurred during the import! Database import was aborted and no changes were made.">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="WARNING">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Error transferring database!">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Check Device">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Database transferred! Check your device for further instructions.">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="No collection is open.">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="The request timed out.">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Not a device address: %1">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="No folder for temporary files.">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="HTTP error %1">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="The file on the device is larger than %1 MB.">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="The device did not send a Spinora database.">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="The device closed the connection before the whole file had arrived.">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="The downloaded file could not be written.">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="File read error">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Stream open error">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Network write error">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Import Options">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Cancel">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Import">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Export">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Importing Database">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Exporting Database">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="OK">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="A name is needed to save">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Name">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Remove">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Remove the currently selected species from the list.">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Species">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="New species are automatically added to the list when saving the Cactus Info">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Type">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Open…">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Open the watering schedule">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Watering">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Next Watering">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Plant Date">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Age">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Date Acquired">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Changing the Last Watered date may cause watering for this plant to become out of sync with its associated watering schedule">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Remove Species">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Purchase Price">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Value">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Add Cactus">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Edit Cactus">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="New Cactus">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Cactus Info">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Adding photos…">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Keep Editing">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="%1: “%2” is not an amount such as %3.">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="%1: a whole number of %2 or more is needed.">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="%1: “%2” is not a whole number of %3 or more.">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="%1 can hold at most %2 characters.">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Of the %1 characters inserted, %2 fit.">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Insert the First %1">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Insert Nothing">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Just Watered">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Last Watered">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="None Scheduled">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Reminder: No">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Reminder: Yes">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="An event name is needed to save">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Remove the event name from the list.">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Event">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Date">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Reminder">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Open the cactus">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="New…">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Add a new cactus">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Cactus">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Remove Event">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Unnamed Cactus">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="No Notes">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Note">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Add Log">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Edit Log">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="New Log">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Log Info">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Photo %1">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Add Photo…">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Add photos from files">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Caption">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Print">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Photos">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Notes">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="“%1” is already open in another window. Finish editing it there first.">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Cacti To Water">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Close">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="%1, Day">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Water Every">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Quantity">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Clear Date">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="No Water Between">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Choose the cacti that follow this schedule">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Add Cacti">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Remove the selected cacti from this schedule">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Remove Cacti">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Remove Cactus">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Add Watering Schedule">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Edit Watering Schedule">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="New Watering Schedule">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Watering Schedule Info">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Never">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Example Cactus">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Greenhouse">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="One plant a line; empty columns are left out.">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Example Schedule">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Repotted">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Cacti">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Logs">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Line %1, column %2 (%3): &quot;%4&quot; could not be read and was not imported.">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="%1 more fields could not be read and were not imported.">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="No column of the mapping gives the plants' names.">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="(a column of plant names)">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="The file is not in the Spinora CSV template layout and these columns could not be placed: &quot;%1&quot;. Give each column its field, for example --map &quot;%2&quot; (the fields are %3).">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="&quot;%1&quot; is no COLUMN=FIELD pair.">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="&quot;%1&quot; is no field; the fields are %2.">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="The file has no column &quot;%1&quot;.">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="%1. Nothing was imported. Free some space or choose another backup folder in Preferences, then try again.">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="The import was saved, but the collection could not be read again (%1), so it was taken back.">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="The import was saved, but the collection could not be read again (%1). This window still shows the collection as it was before: close it and open the collection again, or undo the import (Edit > Undo Import).">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="The import was saved, but the collection could not be read again (%1). This window still shows the collection as it was before: close it and open the collection again.">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Cacti imported: %1">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Watering schedules imported: %1">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Logs imported: %1">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Not everything could be imported:">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="... and %1 more.">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Report Folder">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Report File">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Export Options">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Browse">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Small photos">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Medium photos">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Large photos">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Extra-Large photos">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Export to HTML Report">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Choose Folder">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Exporting Report">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Export Complete">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Report export complete!">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Export Error">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="An error occurred during report export.">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Complete Database">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Cacti and Watering Schedules">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Watering Schedules">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Note: The CSV file must be formatted according to the Spinora CSV Template">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="save it">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="or be a spreadsheet of plants, one a line, whose column headers name their fields.">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Choose">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="The chosen folder is not a Spinora database. Please select a folder ending in .sdb, or the spinora.db file inside one.">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Importing from a currently open database is not permitted. Please select another database for import.">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Exporting to a currently open database is not permitted. Please select another database for export.">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="There is no file &quot;%1&quot;.">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Database export complete!">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="An error occurred during the export! Database export was aborted and no changes were made.">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Save the CSV Template">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Spinora CSV Template">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CSV File">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="The file %1 could not be written.">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Stopping...">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="&quot;%1&quot; already exists. Do you want to replace it?">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="More Toolbar Items">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Exported from %1 v%2 on %3">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Source">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Location">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Log History">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="None">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Yes">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="No">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Print Labels">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Selected cacti (%1)">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="All listed cacti (%1)">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Layout:">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Labels for:">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Print...">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="1 label">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="%1 labels">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="1 page">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="%1 pages">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="%1 Labels">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Page Setup">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Portrait">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Landscape">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Paper Size">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Orientation">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Top Margin">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Bottom Margin">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Left Margin">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Right Margin">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Nothing was printed: the printer &quot;%1&quot; could not be used.">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Nothing was printed: the file &quot;%1&quot; could not be written.">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Print Preview">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Nothing was changed.">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="No title">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Unknown">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="year">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="years">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="No event">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Today">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="overdue since %1">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="resting until %1">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Tomorrow">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="in %1 days">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Mark as Watered">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="There is no space left on the disk. Free some space, then try again.">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="The collection cannot be written: its disk or folder is read-only.">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Another program is using the collection. Try again once it has finished.">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="The disk could not be read or written. Check the disk, then try again.">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="The collection's database file is damaged.">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="No species">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Print Labels...">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Deleting this cactus will also delete all of its logs">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Deleting these cacti will also delete all their associated logs">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Delete">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Delete Cactus">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Delete Cacti">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Duplicate Cactus">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Duplicate Cacti">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Toolbar">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Search">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Search list">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Search the currently visible list">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Recent Searches">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Due">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Show only what is due by the end of today">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Sort By">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Duplicate">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="No Recent Searches">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Clear Search History">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Mark as Watered...">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Watered">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Record that the selected plants or schedules were watered">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Untitled">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="%1 (read-only)">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="History">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Delete Log">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Delete Logs">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Duplicate Log">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Duplicate Logs">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Add">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Edit">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Loading…">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Searching…">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Scientific Name">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="When were they watered?">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Watered on">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="What:">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="&amp;Watered on:">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Statistics">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Undo">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Redo">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Undo %1">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Redo %1">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Delete Watering Schedule">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Delete Watering Schedules">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Duplicate Watering Schedule">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Duplicate Watering Schedules">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Language">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="System">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="&amp;Language:">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Applied the next time Spinora starts.">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PhotoStore</name>
    <message>
        <source>the photo could not be written into the collection (is the disk full?)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <source>Page setup</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Spinora</name>
    <message>
        <source>name|plant|plant name|cactus|label</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>scientific|scientific name|botanical name|latin name|taxon|genus|species</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>common|common name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>type|plant type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>watering|schedule|watering schedule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>last watered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>next watering</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>planted|plant date|date planted|sown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>source|origin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>acquired|date acquired|bought|purchased|purchase date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>price|purchase price|cost|paid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>value|worth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>location|place|position|bench|greenhouse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>width|diameter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>weight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>light|sun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>temperature|temp|min temp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pot size|pot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pot shape|shape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pot material|material</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>notes|note|comments|comment|remarks|description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>id|#|no|no.|number|photo|photos|image|picture</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>spinora</name>
    <message>
        <source>Photos</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>spinora::EventViewController</name>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Busy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ends</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All-Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Availability</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kept in %1. To see these reminders in your desktop calendar, add this file to it as a calendar.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add New Event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Event</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>spinora::PhotoGridViewController</name>
    <message>
        <source>All Photos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Photos…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add photos from picture files. You can also drop picture files on the grid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size of the photos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adding photos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Photos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pictures (*.jpg *.jpeg *.png *.gif *.tif *.tiff *.bmp)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No collection is open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This file was not added:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These files were not added:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>spinora::PhotoViewController</name>
    <message>
        <source>Caption</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>spinora::ReportExport</name>
    <message>
        <source>photos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cacti Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exported from %1 v%2 on %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Summary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Cacti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Watering Schedules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Log Entries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unique Species</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Event Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Water Between</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cacti To Water</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
