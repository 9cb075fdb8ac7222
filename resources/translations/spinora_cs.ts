<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ">
<context>
    <name></name>
    <message id="Daily">
        <source></source>
        <translation>Denně</translation>
    </message>
    <message id="Before an import">
        <source></source>
        <translation>Před importem</translation>
    </message>
    <message id="Before a restore">
        <source></source>
        <translation>Před obnovením</translation>
    </message>
    <message id="Kept by hand">
        <source></source>
        <translation>Uloženo ručně</translation>
    </message>
    <message id="%1, damaged">
        <source></source>
        <translation>%1, poškozeno</translation>
    </message>
    <message id="Restore “%1” From Backup">
        <source></source>
        <translation>Obnovit „%1“ ze zálohy</translation>
    </message>
    <message id="Snapshots are kept every day, before each import and before each restore. Open one to look at it or to import records from it, or restore the whole collection as it was.">
        <source></source>
        <translation>Snímky se pořizují každý den, před každým importem a před každým obnovením. Snímek můžete otevřít a prohlédnout si ho nebo z něj importovat záznamy, nebo obnovit celou sbírku do stavu, v jakém byla.</translation>
    </message>
    <message id="Snapshots">
        <source></source>
        <translation>Snímky</translation>
    </message>
    <message id="&amp;Open Backup">
        <source></source>
        <translation>&amp;Otevřít zálohu</translation>
    </message>
    <message id="&amp;Restore…">
        <source></source>
        <translation>O&amp;bnovit…</translation>
    </message>
    <message id="Spinora cannot set a daily reminder on this desktop: its login entry %1 could not be written.">
        <source></source>
        <translation>Spinora nemůže v tomto pracovním prostředí nastavit denní připomínku: položku přihlášení %1 nešlo zapsat.</translation>
    </message>
    <message id="This desktop cannot wake Spinora at a set time, so it will look for plants to water each time you log in instead of every day at %1.">
        <source></source>
        <translation>Toto pracovní prostředí nemůže spustit Spinora v určený čas, proto bude rostliny k zalití hledat při každém přihlášení místo každý den v %1.</translation>
    </message>
    <message id="Restore From Backup…">
        <source></source>
        <translation>Obnovit ze zálohy…</translation>
    </message>
    <message id="&amp;Keep snapshots of each collection: daily, and before each import or restore">
        <source></source>
        <translation>&amp;Uchovávat snímky každé sbírky: denně a před každým importem nebo obnovením</translation>
    </message>
    <message id="&amp;Folder:">
        <source></source>
        <translation>&amp;Složka:</translation>
    </message>
    <message id="C&amp;hoose…">
        <source></source>
        <translation>&amp;Vybrat…</translation>
    </message>
    <message id=" GB">
        <source></source>
        <translation> GB</translation>
    </message>
    <message id="&amp;Use at most:">
        <source></source>
        <translation>&amp;Využít nejvýše:</translation>
    </message>
    <message id="Snapshot Folder">
        <source></source>
        <translation>Složka snímků</translation>
    </message>
    <message id="Restore Snapshot">
        <source></source>
        <translation>Obnovit snímek</translation>
    </message>
    <message id="Open Anyway">
        <source></source>
        <translation>Přesto otevřít</translation>
    </message>
    <message id="Its photo file “%1” is missing.">
        <source></source>
        <translation>Chybí soubor fotografie „%1“.</translation>
    </message>
    <message id="The collection “%1” is damaged, so it was not opened.">
        <source></source>
        <translation>Sbírka „%1“ je poškozená, proto nebyla otevřena.</translation>
    </message>
    <message id="There is no snapshot of it to restore.">
        <source></source>
        <translation>Neexistuje žádný snímek, který by šlo obnovit.</translation>
    </message>
    <message id="The snapshot could not be restored: %1">
        <source></source>
        <translation>Snímek nešlo obnovit: %1</translation>
    </message>
    <message id="%1. The collection is open as usual; free some space or choose another backup folder in Preferences.">
        <source></source>
        <translation>%1. Sbírka je otevřena jako obvykle; uvolněte místo nebo v Nastavení zvolte jinou složku pro zálohy.</translation>
    </message>
    <message id="Restore “%1” as it was on %2?">
        <source></source>
        <translation>Obnovit „%1“ do stavu ze dne %2?</translation>
    </message>
    <message id="Restore">
        <source></source>
        <translation>Obnovit</translation>
    </message>
    <message id="The collection was not restored: %1">
        <source></source>
        <translation>Sbírka nebyla obnovena: %1</translation>
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
        <translation>Nebylo nalezeno žádné zařízení. Spusťte Spinora na iPhonu, iPadu nebo iPodu touch a na obrazovce Nástroje vyberte Zálohovat databázi nebo Exportovat data.</translation>
    </message>
    <message id="No devices found. Load Spinora on your iPhone, iPad, or iPod touch, and select Restore Database or Import Data on the Tools screen.">
        <source></source>
        <translation>Nebylo nalezeno žádné zařízení. Spusťte Spinora na iPhonu, iPadu nebo iPodu touch a na obrazovce Nástroje vyberte Obnovit databázi nebo Importovat data.</translation>
    </message>
    <message id="Select a device from the list.">
        <source></source>
        <translation>Vyberte zařízení ze seznamu.</translation>
    </message>
    <message id="No devices found: the search for devices on the network failed (%1). It needs the avahi-daemon service: start it (for example with &quot;systemctl start avahi-daemon&quot;), then open this window again.">
        <source></source>
        <translation>Nebylo nalezeno žádné zařízení: hledání zařízení v síti selhalo (%1). Je potřeba služba avahi-daemon: spusťte ji (například příkazem &quot;systemctl start avahi-daemon&quot;) a pak toto okno otevřete znovu.</translation>
    </message>
    <message id="it stopped">
        <source></source>
        <translation>bylo zastaveno</translation>
    </message>
    <message id="Click the Export button to send the database to your device.">
        <source></source>
        <translation>Klepnutím na tlačítko Exportovat odešlete databázi do zařízení.</translation>
    </message>
    <message id="Import Complete">
        <source></source>
        <translation>Import dokončen</translation>
    </message>
    <message id="Database import complete!">
        <source></source>
        <translation>Import databáze byl dokončen!</translation>
    </message>
    <message id="Import Error">
        <source></source>
        <translation>Chyba importu</translation>
    </message>
    <message id="An error occurred during the import! Database import was aborted and no changes were made.">
        <source></source>
        <translation>Při importu došlo k chybě! Import databáze byl přerušen a nebyly provedeny žádné změny.</translation>
    </message>
    <message id="WARNING">
        <source></source>
        <translation>VAROVÁNÍ</translation>
    </message>
    <message id="Error transferring database!">
        <source></source>
        <translation>Chyba při přenosu databáze!</translation>
    </message>
    <message id="Check Device">
        <source></source>
        <translation>Zkontrolujte zařízení</translation>
    </message>
    <message id="Database transferred! Check your device for further instructions.">
        <source></source>
        <translation>Databáze byla přenesena! Další pokyny najdete ve svém zařízení.</translation>
    </message>
    <message id="No collection is open.">
        <source></source>
        <translation>Není otevřena žádná sbírka.</translation>
    </message>
    <message id="The request timed out.">
        <source></source>
        <translation>Časový limit požadavku vypršel.</translation>
    </message>
    <message id="Not a device address: %1">
        <source></source>
        <translation>Není adresa zařízení: %1</translation>
    </message>
    <message id="No folder for temporary files.">
        <source></source>
        <translation>Chybí složka pro dočasné soubory.</translation>
    </message>
    <message id="HTTP error %1">
        <source></source>
        <translation>Chyba HTTP %1</translation>
    </message>
    <message id="The file on the device is larger than %1 MB.">
        <source></source>
        <translation>Soubor v zařízení je větší než %1 MB.</translation>
    </message>
    <message id="The device did not send a Spinora database.">
        <source></source>
        <translation>Zařízení neodeslalo databázi Spinora.</translation>
    </message>
    <message id="The device closed the connection before the whole file had arrived.">
        <source></source>
        <translation>Zařízení ukončilo spojení dříve, než dorazil celý soubor.</translation>
    </message>
    <message id="The downloaded file could not be written.">
        <source></source>
        <translation>Stažený soubor nešlo zapsat.</translation>
    </message>
    <message id="File read error">
        <source></source>
        <translation>Chyba při čtení souboru</translation>
    </message>
    <message id="Stream open error">
        <source></source>
        <translation>Chyba při otevírání datového proudu</translation>
    </message>
    <message id="Network write error">
        <source></source>
        <translation>Chyba zápisu do sítě</translation>
    </message>
    <message id="Import Options">
        <source></source>
        <translation>Možnosti importu</translation>
    </message>
    <message id="Cancel">
        <source></source>
        <translation>Zrušit</translation>
    </message>
    <message id="Import">
        <source></source>
        <translation>Importovat</translation>
    </message>
    <message id="Export">
        <source></source>
        <translation>Exportovat</translation>
    </message>
    <message id="Importing Database">
        <source></source>
        <translation>Import databáze</translation>
    </message>
    <message id="Exporting Database">
        <source></source>
        <translation>Export databáze</translation>
    </message>
    <message id="OK">
        <source></source>
        <translation>OK</translation>
    </message>
    <message id="A name is needed to save">
        <source></source>
        <translation>K uložení je potřeba název</translation>
    </message>
    <message id="Name">
        <source></source>
        <translation>Název</translation>
    </message>
    <message id="Remove">
        <source></source>
        <translation>Odstranit</translation>
    </message>
    <message id="Remove the currently selected species from the list.">
        <source></source>
        <translation>Odstranit vybraný druh ze seznamu.</translation>
    </message>
    <message id="Species">
        <source></source>
        <translation>Druh</translation>
    </message>
    <message id="New species are automatically added to the list when saving the Cactus Info">
        <source></source>
        <translation>Nové druhy se do seznamu přidají automaticky při uložení informací o kaktusu</translation>
    </message>
    <message id="Type">
        <source></source>
        <translation>Typ</translation>
    </message>
    <message id="Open…">
        <source></source>
        <translation>Otevřít…</translation>
    </message>
    <message id="Open the watering schedule">
        <source></source>
        <translation>Otevřít plán zálivky</translation>
    </message>
    <message id="Watering">
        <source></source>
        <translation>Zálivka</translation>
    </message>
    <message id="Next Watering">
        <source></source>
        <translation>Příští zálivka</translation>
    </message>
    <message id="Plant Date">
        <source></source>
        <translation>Datum výsadby</translation>
    </message>
    <message id="Age">
        <source></source>
        <translation>Stáří</translation>
    </message>
    <message id="Date Acquired">
        <source></source>
        <translation>Datum pořízení</translation>
    </message>
    <message id="Changing the Last Watered date may cause watering for this plant to become out of sync with its associated watering schedule">
        <source></source>
        <translation>Změna data poslední zálivky může způsobit, že zálivka této rostliny přestane odpovídat jejímu plánu zálivky</translation>
    </message>
    <message id="Remove Species">
        <source></source>
        <translation>Odstranit druh</translation>
    </message>
    <message id="Purchase Price">
        <source></source>
        <translation>Kupní cena</translation>
    </message>
    <message id="Value">
        <source></source>
        <translation>Hodnota</translation>
    </message>
    <message id="Add Cactus">
        <source></source>
        <translation>Přidat kaktus</translation>
    </message>
    <message id="Edit Cactus">
        <source></source>
        <translation>Upravit kaktus</translation>
    </message>
    <message id="New Cactus">
        <source></source>
        <translation>Nový kaktus</translation>
    </message>
    <message id="Cactus Info">
        <source></source>
        <translation>Informace o kaktusu</translation>
    </message>
    <message id="Adding photos…">
        <source></source>
        <translation>Přidávají se fotografie…</translation>
    </message>
    <message id="Keep Editing">
        <source></source>
        <translation>Pokračovat v úpravách</translation>
    </message>
    <message id="%1: “%2” is not an amount such as %3.">
        <source></source>
        <translation>%1: „%2“ není částka ve tvaru %3.</translation>
    </message>
    <message id="%1: a whole number of %2 or more is needed.">
        <source></source>
        <translation>%1: je potřeba celé číslo %2 nebo větší.</translation>
    </message>
    <message id="%1: “%2” is not a whole number of %3 or more.">
        <source></source>
        <translation>%1: „%2“ není celé číslo %3 nebo větší.</translation>
    </message>
    <message id="%1 can hold at most %2 characters.">
        <source></source>
        <translation>%1 může obsahovat nejvýše %2 znaků.</translation>
    </message>
    <message id="Of the %1 characters inserted, %2 fit.">
        <source></source>
        <translation>Z %1 vkládaných znaků se vejde %2.</translation>
    </message>
    <message id="Insert the First %1">
        <source></source>
        <translation>Vložit prvních %1</translation>
    </message>
    <message id="Insert Nothing">
        <source></source>
        <translation>Nevkládat nic</translation>
    </message>
    <message id="Just Watered">
        <source></source>
        <translation>Právě zalito</translation>
    </message>
    <message id="Last Watered">
        <source></source>
        <translation>Poslední zálivka</translation>
    </message>
    <message id="None Scheduled">
        <source></source>
        <translation>Nenaplánováno</translation>
    </message>
    <message id="Reminder: No">
        <source></source>
        <translation>Připomínka: ne</translation>
    </message>
    <message id="Reminder: Yes">
        <source></source>
        <translation>Připomínka: ano</translation>
    </message>
    <message id="An event name is needed to save">
        <source></source>
        <translation>K uložení je potřeba název události</translation>
    </message>
    <message id="Remove the event name from the list.">
        <source></source>
        <translation>Odstranit název události ze seznamu.</translation>
    </message>
    <message id="Event">
        <source></source>
        <translation>Událost</translation>
    </message>
    <message id="Date">
        <source></source>
        <translation>Datum</translation>
    </message>
    <message id="Reminder">
        <source></source>
        <translation>Připomínka</translation>
    </message>
    <message id="Open the cactus">
        <source></source>
        <translation>Otevřít kaktus</translation>
    </message>
    <message id="New…">
        <source></source>
        <translation>Nový…</translation>
    </message>
    <message id="Add a new cactus">
        <source></source>
        <translation>Přidat nový kaktus</translation>
    </message>
    <message id="Cactus">
        <source></source>
        <translation>Kaktus</translation>
    </message>
    <message id="Remove Event">
        <source></source>
        <translation>Odstranit událost</translation>
    </message>
    <message id="Unnamed Cactus">
        <source></source>
        <translation>Nepojmenovaný kaktus</translation>
    </message>
    <message id="No Notes">
        <source></source>
        <translation>Bez poznámek</translation>
    </message>
    <message id="Note">
        <source></source>
        <translation>Poznámka</translation>
    </message>
    <message id="Add Log">
        <source></source>
        <translation>Přidat záznam</translation>
    </message>
    <message id="Edit Log">
        <source></source>
        <translation>Upravit záznam</translation>
    </message>
    <message id="New Log">
        <source></source>
        <translation>Nový záznam</translation>
    </message>
    <message id="Log Info">
        <source></source>
        <translation>Informace o záznamu</translation>
    </message>
    <message id="Photo %1">
        <source></source>
        <translation>Fotografie %1</translation>
    </message>
    <message id="Add Photo…">
        <source></source>
        <translation>Přidat fotografii…</translation>
    </message>
    <message id="Add photos from files">
        <source></source>
        <translation>Přidat fotografie ze souborů</translation>
    </message>
    <message id="Caption">
        <source></source>
        <translation>Popisek</translation>
    </message>
    <message id="Print">
        <source></source>
        <translation>Tisknout</translation>
    </message>
    <message id="Photos">
        <source></source>
        <translation>Fotografie</translation>
    </message>
    <message id="Notes">
        <source></source>
        <translation>Poznámky</translation>
    </message>
    <message id="“%1” is already open in another window. Finish editing it there first.">
        <source></source>
        <translation>„%1“ je již otevřeno v jiném okně. Nejprve tam dokončete úpravy.</translation>
    </message>
    <message id="Cacti To Water">
        <source></source>
        <translation>Kaktusy k zalití</translation>
    </message>
    <message id="Close">
        <source></source>
        <translation>Zavřít</translation>
    </message>
    <message id="%1, Day">
        <source></source>
        <translation>%1, den</translation>
    </message>
    <message id="Water Every">
        <source></source>
        <translation>Zalévat každých</translation>
    </message>
    <message id="Quantity">
        <source></source>
        <translation>Množství vody</translation>
    </message>
    <message id="Clear Date">
        <source></source>
        <translation>Vymazat datum</translation>
    </message>
    <message id="No Water Between">
        <source></source>
        <translation>Bez zálivky v období</translation>
    </message>
    <message id="Choose the cacti that follow this schedule">
        <source></source>
        <translation>Vyberte kaktusy, které se řídí tímto plánem</translation>
    </message>
    <message id="Add Cacti">
        <source></source>
        <translation>Přidat kaktusy</translation>
    </message>
    <message id="Remove the selected cacti from this schedule">
        <source></source>
        <translation>Odebrat vybrané kaktusy z tohoto plánu</translation>
    </message>
    <message id="Remove Cacti">
        <source></source>
        <translation>Odebrat kaktusy</translation>
    </message>
    <message id="Remove Cactus">
        <source></source>
        <translation>Odebrat kaktus</translation>
    </message>
    <message id="Add Watering Schedule">
        <source></source>
        <translation>Přidat plán zálivky</translation>
    </message>
    <message id="Edit Watering Schedule">
        <source></source>
        <translation>Upravit plán zálivky</translation>
    </message>
    <message id="New Watering Schedule">
        <source></source>
        <translation>Nový plán zálivky</translation>
    </message>
    <message id="Watering Schedule Info">
        <source></source>
        <translation>Informace o plánu zálivky</translation>
    </message>
    <message id="Never">
        <source></source>
        <translation>Nikdy</translation>
    </message>
    <message id="Example Cactus">
        <source></source>
        <translation>Ukázkový kaktus</translation>
    </message>
    <message id="Greenhouse">
        <source></source>
        <translation>Skleník</translation>
    </message>
    <message id="One plant a line; empty columns are left out.">
        <source></source>
        <translation>Jedna rostlina na řádek; prázdné sloupce se vynechají.</translation>
    </message>
    <message id="Example Schedule">
        <source></source>
        <translation>Ukázkový plán</translation>
    </message>
    <message id="Repotted">
        <source></source>
        <translation>Přesazeno</translation>
    </message>
    <message id="Cacti">
        <source></source>
        <translation>Kaktusy</translation>
    </message>
    <message id="Logs">
        <source></source>
        <translation>Záznamy</translation>
    </message>
    <message id="%1 more fields could not be read and were not imported.">
        <source></source>
        <translation>Další pole, která nešlo přečíst a nebyla importována: %1.</translation>
    </message>
    <message id="No column of the mapping gives the plants' names.">
        <source></source>
        <translation>Žádný sloupec přiřazení neobsahuje názvy rostlin.</translation>
    </message>
    <message id="(a column of plant names)">
        <source></source>
        <translation>(sloupec s názvy rostlin)</translation>
    </message>
    <message id="%1. Nothing was imported. Free some space or choose another backup folder in Preferences, then try again.">
        <source></source>
        <translation>%1. Nic nebylo importováno. Uvolněte místo nebo v Nastavení zvolte jinou složku pro zálohy a zkuste to znovu.</translation>
    </message>
    <message id="The import was saved, but the collection could not be read again (%1), so it was taken back.">
        <source></source>
        <translation>Import byl uložen, ale sbírku nešlo znovu načíst (%1), proto byl vrácen zpět.</translation>
    </message>
    <message id="The import was saved, but the collection could not be read again (%1). This window still shows the collection as it was before: close it and open the collection again, or undo the import (Edit > Undo Import).">
        <source></source>
        <translation>Import byl uložen, ale sbírku nešlo znovu načíst (%1). Toto okno stále zobrazuje sbírku v původním stavu: zavřete ho a otevřete sbírku znovu, nebo import vraťte zpět (Upravit &gt; Vrátit import).</translation>
    </message>
    <message id="The import was saved, but the collection could not be read again (%1). This window still shows the collection as it was before: close it and open the collection again.">
        <source></source>
        <translation>Import byl uložen, ale sbírku nešlo znovu načíst (%1). Toto okno stále zobrazuje sbírku v původním stavu: zavřete ho a otevřete sbírku znovu.</translation>
    </message>
    <message id="Cacti imported: %1">
        <source></source>
        <translation>Importováno kaktusů: %1</translation>
    </message>
    <message id="Watering schedules imported: %1">
        <source></source>
        <translation>Importováno plánů zálivky: %1</translation>
    </message>
    <message id="Logs imported: %1">
        <source></source>
        <translation>Importováno záznamů: %1</translation>
    </message>
    <message id="Not everything could be imported:">
        <source></source>
        <translation>Nepodařilo se importovat vše:</translation>
    </message>
    <message id="... and %1 more.">
        <source></source>
        <translation>... a dalších %1.</translation>
    </message>
    <message id="Report Folder">
        <source></source>
        <translation>Složka přehledu</translation>
    </message>
    <message id="Report File">
        <source></source>
        <translation>Soubor přehledu</translation>
    </message>
    <message id="Export Options">
        <source></source>
        <translation>Možnosti exportu</translation>
    </message>
    <message id="Browse">
        <source></source>
        <translation>Procházet</translation>
    </message>
    <message id="Small photos">
        <source></source>
        <translation>Malé fotografie</translation>
    </message>
    <message id="Medium photos">
        <source></source>
        <translation>Střední fotografie</translation>
    </message>
    <message id="Large photos">
        <source></source>
        <translation>Velké fotografie</translation>
    </message>
    <message id="Extra-Large photos">
        <source></source>
        <translation>Velmi velké fotografie</translation>
    </message>
    <message id="Export to HTML Report">
        <source></source>
        <translation>Exportovat do přehledu HTML</translation>
    </message>
    <message id="Choose Folder">
        <source></source>
        <translation>Vybrat složku</translation>
    </message>
    <message id="Exporting Report">
        <source></source>
        <translation>Export přehledu</translation>
    </message>
    <message id="Export Complete">
        <source></source>
        <translation>Export dokončen</translation>
    </message>
    <message id="Report export complete!">
        <source></source>
        <translation>Export přehledu byl dokončen!</translation>
    </message>
    <message id="Export Error">
        <source></source>
        <translation>Chyba exportu</translation>
    </message>
    <message id="An error occurred during report export.">
        <source></source>
        <translation>Při exportu přehledu došlo k chybě.</translation>
    </message>
    <message id="Complete Database">
        <source></source>
        <translation>Celá databáze</translation>
    </message>
    <message id="Cacti and Watering Schedules">
        <source></source>
        <translation>Kaktusy a plány zálivky</translation>
    </message>
    <message id="Watering Schedules">
        <source></source>
        <translation>Plány zálivky</translation>
    </message>
    <message id="Note: The CSV file must be formatted according to the Spinora CSV Template">
        <source></source>
        <translation>Poznámka: Soubor CSV musí odpovídat šabloně Spinora CSV</translation>
    </message>
    <message id="save it">
        <source></source>
        <translation>uložit ji</translation>
    </message>
    <message id="or be a spreadsheet of plants, one a line, whose column headers name their fields.">
        <source></source>
        <translation>nebo to může být tabulka rostlin, jedna na řádek, jejíž záhlaví sloupců udávají jejich pole.</translation>
    </message>
    <message id="Choose">
        <source></source>
        <translation>Vybrat</translation>
    </message>
    <message id="The chosen folder is not a Spinora database. Please select a folder ending in .sdb, or the spinora.db file inside one.">
        <source></source>
        <translation>Vybraná složka není databáze Spinora. Vyberte složku s koncovkou .sdb nebo soubor spinora.db v ní.</translation>
    </message>
    <message id="Importing from a currently open database is not permitted. Please select another database for import.">
        <source></source>
        <translation>Import z právě otevřené databáze není povolen. Vyberte pro import jinou databázi.</translation>
    </message>
    <message id="Exporting to a currently open database is not permitted. Please select another database for export.">
        <source></source>
        <translation>Export do právě otevřené databáze není povolen. Vyberte pro export jinou databázi.</translation>
    </message>
    <message id="Database export complete!">
        <source></source>
        <translation>Export databáze byl dokončen!</translation>
    </message>
    <message id="An error occurred during the export! Database export was aborted and no changes were made.">
        <source></source>
        <translation>Při exportu došlo k chybě! Export databáze byl přerušen a nebyly provedeny žádné změny.</translation>
    </message>
    <message id="Save the CSV Template">
        <source></source>
        <translation>Uložit šablonu CSV</translation>
    </message>
    <message id="Spinora CSV Template">
        <source></source>
        <translation>Šablona Spinora CSV</translation>
    </message>
    <message id="CSV File">
        <source></source>
        <translation>Soubor CSV</translation>
    </message>
    <message id="The file %1 could not be written.">
        <source></source>
        <translation>Soubor %1 nešlo zapsat.</translation>
    </message>
    <message id="Stopping...">
        <source></source>
        <translation>Zastavování...</translation>
    </message>
    <message id="More Toolbar Items">
        <source></source>
        <translation>Další položky nástrojové lišty</translation>
    </message>
    <message id="Exported from %1 v%2 on %3">
        <source></source>
        <translation>Exportováno z %1 v%2 dne %3</translation>
    </message>
    <message id="Source">
        <source></source>
        <translation>Původ</translation>
    </message>
    <message id="Location">
        <source></source>
        <translation>Umístění</translation>
    </message>
    <message id="Log History">
        <source></source>
        <translation>Historie záznamů</translation>
    </message>
    <message id="None">
        <source></source>
        <translation>Žádný</translation>
    </message>
    <message id="Yes">
        <source></source>
        <translation>Ano</translation>
    </message>
    <message id="No">
        <source></source>
        <translation>Ne</translation>
    </message>
    <message id="Print Labels">
        <source></source>
        <translation>Tisknout štítky</translation>
    </message>
    <message id="Selected cacti (%1)">
        <source></source>
        <translation>Vybrané kaktusy (%1)</translation>
    </message>
    <message id="All listed cacti (%1)">
        <source></source>
        <translation>Všechny kaktusy v seznamu (%1)</translation>
    </message>
    <message id="Layout:">
        <source></source>
        <translation>Rozvržení:</translation>
    </message>
    <message id="Labels for:">
        <source></source>
        <translation>Štítky pro:</translation>
    </message>
    <message id="Print...">
        <source></source>
        <translation>Tisknout...</translation>
    </message>
    <message id="1 label">
        <source></source>
        <translation>1 štítek</translation>
    </message>
    <message id="1 page">
        <source></source>
        <translation>1 strana</translation>
    </message>
    <message id="%1 Labels">
        <source></source>
        <translation>%1 – štítky</translation>
    </message>
    <message id="Page Setup">
        <source></source>
        <translation>Nastavení stránky</translation>
    </message>
    <message id="Portrait">
        <source></source>
        <translation>Na výšku</translation>
    </message>
    <message id="Landscape">
        <source></source>
        <translation>Na šířku</translation>
    </message>
    <message id="Paper Size">
        <source></source>
        <translation>Velikost papíru</translation>
    </message>
    <message id="Orientation">
        <source></source>
        <translation>Orientace</translation>
    </message>
    <message id="Top Margin">
        <source></source>
        <translation>Horní okraj</translation>
    </message>
    <message id="Bottom Margin">
        <source></source>
        <translation>Dolní okraj</translation>
    </message>
    <message id="Left Margin">
        <source></source>
        <translation>Levý okraj</translation>
    </message>
    <message id="Right Margin">
        <source></source>
        <translation>Pravý okraj</translation>
    </message>
    <message id="Print Preview">
        <source></source>
        <translation>Náhled tisku</translation>
    </message>
    <message id="Nothing was changed.">
        <source></source>
        <translation>Nic nebylo změněno.</translation>
    </message>
    <message id="No title">
        <source></source>
        <translation>Bez názvu</translation>
    </message>
    <message id="Unknown">
        <source></source>
        <translation>Neznámé</translation>
    </message>
    <message id="year">
        <source></source>
        <translation>rok</translation>
    </message>
    <message id="years">
        <source></source>
        <translation>let</translation>
    </message>
    <message id="No event">
        <source></source>
        <translation>Žádná událost</translation>
    </message>
    <message id="Today">
        <source></source>
        <translation>Dnes</translation>
    </message>
    <message id="overdue since %1">
        <source></source>
        <translation>po termínu od %1</translation>
    </message>
    <message id="resting until %1">
        <source></source>
        <translation>v klidu do %1</translation>
    </message>
    <message id="Tomorrow">
        <source></source>
        <translation>Zítra</translation>
    </message>
    <message id="in %1 days">
        <source></source>
        <translation>za %1 d.</translation>
    </message>
    <message id="Mark as Watered">
        <source></source>
        <translation>Označit jako zalité</translation>
    </message>
    <message id="There is no space left on the disk. Free some space, then try again.">
        <source></source>
        <translation>Na disku nezbývá místo. Uvolněte místo a zkuste to znovu.</translation>
    </message>
    <message id="The collection cannot be written: its disk or folder is read-only.">
        <source></source>
        <translation>Do sbírky nelze zapisovat: její disk nebo složka je pouze pro čtení.</translation>
    </message>
    <message id="Another program is using the collection. Try again once it has finished.">
        <source></source>
        <translation>Sbírku používá jiný program. Zkuste to znovu, až skončí.</translation>
    </message>
    <message id="The disk could not be read or written. Check the disk, then try again.">
        <source></source>
        <translation>Z disku nešlo číst nebo na něj zapisovat. Zkontrolujte disk a zkuste to znovu.</translation>
    </message>
    <message id="The collection's database file is damaged.">
        <source></source>
        <translation>Databázový soubor sbírky je poškozený.</translation>
    </message>
    <message id="No species">
        <source></source>
        <translation>Bez druhu</translation>
    </message>
    <message id="Print Labels...">
        <source></source>
        <translation>Tisknout štítky...</translation>
    </message>
    <message id="Deleting this cactus will also delete all of its logs">
        <source></source>
        <translation>Smazáním tohoto kaktusu se smažou i všechny jeho záznamy</translation>
    </message>
    <message id="Deleting these cacti will also delete all their associated logs">
        <source></source>
        <translation>Smazáním těchto kaktusů se smažou i všechny jejich záznamy</translation>
    </message>
    <message id="Delete">
        <source></source>
        <translation>Smazat</translation>
    </message>
    <message id="Delete Cactus">
        <source></source>
        <translation>Smazat kaktus</translation>
    </message>
    <message id="Delete Cacti">
        <source></source>
        <translation>Smazat kaktusy</translation>
    </message>
    <message id="Duplicate Cactus">
        <source></source>
        <translation>Duplikovat kaktus</translation>
    </message>
    <message id="Duplicate Cacti">
        <source></source>
        <translation>Duplikovat kaktusy</translation>
    </message>
    <message id="Toolbar">
        <source></source>
        <translation>Nástrojová lišta</translation>
    </message>
    <message id="Search">
        <source></source>
        <translation>Hledat</translation>
    </message>
    <message id="Search list">
        <source></source>
        <translation>Hledat v seznamu</translation>
    </message>
    <message id="Search the currently visible list">
        <source></source>
        <translation>Hledat v právě zobrazeném seznamu</translation>
    </message>
    <message id="Recent Searches">
        <source></source>
        <translation>Nedávná hledání</translation>
    </message>
    <message id="Due">
        <source></source>
        <translation>K vyřízení</translation>
    </message>
    <message id="Show only what is due by the end of today">
        <source></source>
        <translation>Zobrazit jen to, co je potřeba vyřídit do konce dneška</translation>
    </message>
    <message id="Sort By">
        <source></source>
        <translation>Seřadit podle</translation>
    </message>
    <message id="Duplicate">
        <source></source>
        <translation>Duplikovat</translation>
    </message>
    <message id="No Recent Searches">
        <source></source>
        <translation>Žádná nedávná hledání</translation>
    </message>
    <message id="Clear Search History">
        <source></source>
        <translation>Vymazat historii hledání</translation>
    </message>
    <message id="Mark as Watered...">
        <source></source>
        <translation>Označit jako zalité...</translation>
    </message>
    <message id="Watered">
        <source></source>
        <translation>Zalito</translation>
    </message>
    <message id="Record that the selected plants or schedules were watered">
        <source></source>
        <translation>Zaznamenat, že vybrané rostliny nebo plány byly zality</translation>
    </message>
    <message id="Untitled">
        <source></source>
        <translation>Bez názvu</translation>
    </message>
    <message id="%1 (read-only)">
        <source></source>
        <translation>%1 (pouze pro čtení)</translation>
    </message>
    <message id="History">
        <source></source>
        <translation>Historie</translation>
    </message>
    <message id="Delete Log">
        <source></source>
        <translation>Smazat záznam</translation>
    </message>
    <message id="Delete Logs">
        <source></source>
        <translation>Smazat záznamy</translation>
    </message>
    <message id="Duplicate Log">
        <source></source>
        <translation>Duplikovat záznam</translation>
    </message>
    <message id="Duplicate Logs">
        <source></source>
        <translation>Duplikovat záznamy</translation>
    </message>
    <message id="Add">
        <source></source>
        <translation>Přidat</translation>
    </message>
    <message id="Edit">
        <source></source>
        <translation>Upravit</translation>
    </message>
    <message id="Loading…">
        <source></source>
        <translation>Načítání…</translation>
    </message>
    <message id="Searching…">
        <source></source>
        <translation>Hledání…</translation>
    </message>
    <message id="Scientific Name">
        <source></source>
        <translation>Vědecký název</translation>
    </message>
    <message id="When were they watered?">
        <source></source>
        <translation>Kdy byly zality?</translation>
    </message>
    <message id="Watered on">
        <source></source>
        <translation>Zalito dne</translation>
    </message>
    <message id="What:">
        <source></source>
        <translation>Co:</translation>
    </message>
    <message id="&amp;Watered on:">
        <source></source>
        <translation>&amp;Zalito dne:</translation>
    </message>
    <message id="Statistics">
        <source></source>
        <translation>Statistika</translation>
    </message>
    <message id="Undo">
        <source></source>
        <translation>Zpět</translation>
    </message>
    <message id="Redo">
        <source></source>
        <translation>Znovu</translation>
    </message>
    <message id="Undo %1">
        <source></source>
        <translation>Zpět: %1</translation>
    </message>
    <message id="Redo %1">
        <source></source>
        <translation>Znovu: %1</translation>
    </message>
    <message id="Delete Watering Schedule">
        <source></source>
        <translation>Smazat plán zálivky</translation>
    </message>
    <message id="Delete Watering Schedules">
        <source></source>
        <translation>Smazat plány zálivky</translation>
    </message>
    <message id="Duplicate Watering Schedule">
        <source></source>
        <translation>Duplikovat plán zálivky</translation>
    </message>
    <message id="Duplicate Watering Schedules">
        <source></source>
        <translation>Duplikovat plány zálivky</translation>
    </message>
    <message id="Language">
        <source></source>
        <translation>Jazyk</translation>
    </message>
    <message id="System">
        <source></source>
        <translation>Systémový</translation>
    </message>
    <message id="&amp;Language:">
        <source></source>
        <translation>&amp;Jazyk:</translation>
    </message>
    <message id="Applied the next time Spinora starts.">
        <source></source>
        <translation>Projeví se při příštím spuštění Spinora.</translation>
    </message>
    <message id="Taken">
        <source></source>
        <translation>Pořízeno</translation>
    </message>
    <message id="Why">
        <source></source>
        <translation>Proč</translation>
    </message>
    <message id="Plants">
        <source></source>
        <translation>Rostliny</translation>
    </message>
    <message id="Size">
        <source></source>
        <translation>Velikost</translation>
    </message>
    <message id="Spinora quit unexpectedly the last time it was used.">
        <source></source>
        <translation>Spinora byla při posledním použití neočekávaně ukončena.</translation>
    </message>
    <message id="A report of the problem was saved. Would you like to see it?">
        <source></source>
        <translation>Byla uložena zpráva o problému. Chcete ji zobrazit?</translation>
    </message>
    <message id="Show Report">
        <source></source>
        <translation>Zobrazit přehled</translation>
    </message>
    <message id="Not Now">
        <source></source>
        <translation>Teď ne</translation>
    </message>
    <message id="Crash Report">
        <source></source>
        <translation>Zpráva o pádu</translation>
    </message>
    <message id="Saved as %1">
        <source></source>
        <translation>Uloženo jako %1</translation>
    </message>
    <message id="The reminder time could not be written to %1.">
        <source></source>
        <translation>Čas připomínky nešlo zapsat do %1.</translation>
    </message>
    <message id="Spinora will remind you every day at %1 (systemd user timer %2).">
        <source></source>
        <translation>Spinora vám bude připomínat každý den v %1 (uživatelský časovač systemd %2).</translation>
    </message>
    <message id="Reminders are off.">
        <source></source>
        <translation>Připomínky jsou vypnuté.</translation>
    </message>
    <message id="Clear Menu">
        <source></source>
        <translation>Vymazat nabídku</translation>
    </message>
    <message id="&amp;File">
        <source></source>
        <translation>&amp;Soubor</translation>
    </message>
    <message id="New">
        <source></source>
        <translation>Nový</translation>
    </message>
    <message id="Open...">
        <source></source>
        <translation>Otevřít...</translation>
    </message>
    <message id="Open Recent">
        <source></source>
        <translation>Otevřít nedávné</translation>
    </message>
    <message id="Save">
        <source></source>
        <translation>Uložit</translation>
    </message>
    <message id="Save As...">
        <source></source>
        <translation>Uložit jako...</translation>
    </message>
    <message id="Page Setup...">
        <source></source>
        <translation>Nastavení stránky...</translation>
    </message>
    <message id="Print Preview...">
        <source></source>
        <translation>Náhled tisku...</translation>
    </message>
    <message id="Quit Spinora">
        <source></source>
        <translation>Ukončit Spinora</translation>
    </message>
    <message id="&amp;Edit">
        <source></source>
        <translation>&amp;Upravit</translation>
    </message>
    <message id="Add Item">
        <source></source>
        <translation>Přidat položku</translation>
    </message>
    <message id="Remove Item">
        <source></source>
        <translation>Odstranit položku</translation>
    </message>
    <message id="Duplicate Item">
        <source></source>
        <translation>Duplikovat položku</translation>
    </message>
    <message id="Cut">
        <source></source>
        <translation>Vyjmout</translation>
    </message>
    <message id="Copy">
        <source></source>
        <translation>Kopírovat</translation>
    </message>
    <message id="Paste">
        <source></source>
        <translation>Vložit</translation>
    </message>
    <message id="Select All">
        <source></source>
        <translation>Vybrat vše</translation>
    </message>
    <message id="Preferences...">
        <source></source>
        <translation>Nastavení...</translation>
    </message>
    <message id="&amp;View">
        <source></source>
        <translation>&amp;Zobrazit</translation>
    </message>
    <message id="Show Toolbar">
        <source></source>
        <translation>Zobrazit nástrojovou lištu</translation>
    </message>
    <message id="Customize Toolbar">
        <source></source>
        <translation>Přizpůsobit nástrojovou lištu</translation>
    </message>
    <message id="Icon and Text">
        <source></source>
        <translation>Ikona a text</translation>
    </message>
    <message id="Icon Only">
        <source></source>
        <translation>Pouze ikona</translation>
    </message>
    <message id="Text Only">
        <source></source>
        <translation>Pouze text</translation>
    </message>
    <message id="Flowering Calendar...">
        <source></source>
        <translation>Kalendář kvetení...</translation>
    </message>
    <message id="&amp;Tools">
        <source></source>
        <translation>&amp;Nástroje</translation>
    </message>
    <message id="Statistics...">
        <source></source>
        <translation>Statistika...</translation>
    </message>
    <message id="&amp;Window">
        <source></source>
        <translation>&amp;Okno</translation>
    </message>
    <message id="Minimize">
        <source></source>
        <translation>Minimalizovat</translation>
    </message>
    <message id="Zoom">
        <source></source>
        <translation>Přiblížení</translation>
    </message>
    <message id="Bring All to Front">
        <source></source>
        <translation>Přenést vše do popředí</translation>
    </message>
    <message id="&amp;Help">
        <source></source>
        <translation>&amp;Nápověda</translation>
    </message>
    <message id="Like Spinora on Facebook">
        <source></source>
        <translation>Označit Spinora na Facebooku jako To se mi líbí</translation>
    </message>
    <message id="Spinora Website...">
        <source></source>
        <translation>Webové stránky Spinora...</translation>
    </message>
    <message id="Frequently Asked Questions...">
        <source></source>
        <translation>Často kladené otázky...</translation>
    </message>
    <message id="Check for Updates...">
        <source></source>
        <translation>Zkontrolovat aktualizace...</translation>
    </message>
    <message id="About Spinora">
        <source></source>
        <translation>O aplikaci Spinora</translation>
    </message>
    <message id="Preferences">
        <source></source>
        <translation>Nastavení</translation>
    </message>
    <message id="Sort options">
        <source></source>
        <translation>Možnosti řazení</translation>
    </message>
    <message id="Sort cacti by species">
        <source></source>
        <translation>Seřadit kaktusy podle druhu</translation>
    </message>
    <message id="Database options">
        <source></source>
        <translation>Možnosti databáze</translation>
    </message>
    <message id="Add default species and events to new databases">
        <source></source>
        <translation>Přidávat do nových databází výchozí druhy a události</translation>
    </message>
    <message id="Reminders">
        <source></source>
        <translation>Připomínky</translation>
    </message>
    <message id="&amp;Remind me of due plants every day at">
        <source></source>
        <translation>&amp;Připomínat rostliny k zalití každý den v</translation>
    </message>
    <message id="Reminder time">
        <source></source>
        <translation>Čas připomínky</translation>
    </message>
    <message id="Open">
        <source></source>
        <translation>Otevřít</translation>
    </message>
    <message id="Collection:">
        <source></source>
        <translation>Sbírka:</translation>
    </message>
    <message id="Spinora collections (*%1)">
        <source></source>
        <translation>Sbírky Spinora (*%1)</translation>
    </message>
    <message id="“%1” already exists. Do you want to replace it?">
        <source></source>
        <translation>„%1“ již existuje. Chcete jej nahradit?</translation>
    </message>
    <message id="A collection with the same name already exists in “%1”. Replacing it will overwrite its current contents.">
        <source></source>
        <translation>Sbírka se stejným názvem již v „%1“ existuje. Jejím nahrazením se přepíše její současný obsah.</translation>
    </message>
    <message id="Replace">
        <source></source>
        <translation>Nahradit</translation>
    </message>
    <message id="Do you want to save the changes made to the document “%1”?">
        <source></source>
        <translation>Chcete uložit změny v dokumentu „%1“?</translation>
    </message>
    <message id="Your changes will stay in the untitled collection if you don’t save them.">
        <source></source>
        <translation>Pokud změny neuložíte, zůstanou v nepojmenované sbírce.</translation>
    </message>
    <message id="Don’t Save">
        <source></source>
        <translation>Neukládat</translation>
    </message>
    <message id="Keep Open">
        <source></source>
        <translation>Ponechat otevřené</translation>
    </message>
    <message id="New Spinora Database">
        <source></source>
        <translation>Nová databáze Spinora</translation>
    </message>
    <message id="Save As">
        <source></source>
        <translation>Uložit jako</translation>
    </message>
    <message id="Overwriting an open database is not permitted. Please select a different filename.">
        <source></source>
        <translation>Přepsání otevřené databáze není povoleno. Vyberte prosím jiný název souboru.</translation>
    </message>
    <message id="The collection “%1” could not be opened: it does not exist.">
        <source></source>
        <translation>Sbírku „%1“ nešlo otevřít: neexistuje.</translation>
    </message>
    <message id="%n of its photo files are missing, the first “%1”." numerus="yes">
        <source></source>
        <translation>
            <numerusform>Chybí %n soubor s fotografií: „%1“.</numerusform>
            <numerusform>Chybí %n soubory s fotografiemi, první je „%1“.</numerusform>
            <numerusform>Chybí %n souborů s fotografiemi, první je „%1“.</numerusform>
        </translation>
    </message>
    <message id="%1, %2 and %3">
        <source></source>
        <translation>%1, %2 a %3</translation>
    </message>
    <message id="%n plants" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n rostlina</numerusform>
            <numerusform>%n rostliny</numerusform>
            <numerusform>%n rostlin</numerusform>
        </translation>
    </message>
    <message id="%n logs" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n záznam</numerusform>
            <numerusform>%n záznamy</numerusform>
            <numerusform>%n záznamů</numerusform>
        </translation>
    </message>
    <message id="%n photos" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n fotografie</numerusform>
            <numerusform>%n fotografie</numerusform>
            <numerusform>%n fotografií</numerusform>
        </translation>
    </message>
    <message id="The newest good snapshot was taken on %1 and holds %2. Restoring it replaces the collection; the damaged one is kept as a snapshot first.">
        <source></source>
        <translation>Nejnovější nepoškozený snímek byl pořízen %1 a obsahuje %2. Jeho obnovení nahradí sbírku; poškozená sbírka se nejprve uloží jako snímek.</translation>
    </message>
    <message id="The collection will hold %1. Its current state is kept as a snapshot first, so this can be undone by restoring that one.">
        <source></source>
        <translation>Sbírka bude obsahovat %1. Její současný stav se nejprve uloží jako snímek, takže tento krok lze vrátit obnovením tohoto snímku.</translation>
    </message>
    <message id="“%1” could not be replaced.">
        <source></source>
        <translation>„%1“ nešlo nahradit.</translation>
    </message>
    <message id="The catalogue of your cactus and succulent collection: plants, watering schedules and a log of what happened to them.">
        <source></source>
        <translation>Katalog vaší sbírky kaktusů a sukulentů: rostliny, plány zálivky a záznamy o tom, co se s nimi dělo.</translation>
    </message>
    <message id="Import From">
        <source></source>
        <translation>Importovat z</translation>
    </message>
    <message id="Export To">
        <source></source>
        <translation>Exportovat do</translation>
    </message>
    <message id="Spinora Mobile App">
        <source></source>
        <translation>Mobilní aplikace Spinora</translation>
    </message>
    <message id="SDBI">
        <source></source>
        <translation>SDBI</translation>
    </message>
    <message id="Spinora Database">
        <source></source>
        <translation>Databáze Spinora</translation>
    </message>
    <message id="CSV">
        <source></source>
        <translation>CSV</translation>
    </message>
    <message id="CSV Template…">
        <source></source>
        <translation>Šablona CSV…</translation>
    </message>
    <message id="HTML Report">
        <source></source>
        <translation>Přehled HTML</translation>
    </message>
    <message id="Software Update">
        <source></source>
        <translation>Aktualizace softwaru</translation>
    </message>
    <message id="A new version of Spinora is available!">
        <source></source>
        <translation>Je k dispozici nová verze Spinora!</translation>
    </message>
    <message id="Spinora %1 is now available—you have %2. Would you like to download it now?">
        <source></source>
        <translation>Je k dispozici Spinora %1 – vy máte %2. Chcete ji stáhnout nyní?</translation>
    </message>
    <message id="Download">
        <source></source>
        <translation>Stáhnout</translation>
    </message>
    <message id="Remind Me Later">
        <source></source>
        <translation>Připomenout později</translation>
    </message>
    <message id="You’re up-to-date!">
        <source></source>
        <translation>Máte aktuální verzi!</translation>
    </message>
    <message id="Spinora %1 is currently the newest version available.">
        <source></source>
        <translation>Spinora %1 je nejnovější dostupná verze.</translation>
    </message>
    <message id="No update address is set, so Spinora cannot look for updates. Your distribution’s package manager keeps Spinora up to date.">
        <source></source>
        <translation>Není nastavena adresa pro aktualizace, takže Spinora nemůže aktualizace hledat. Spinora udržuje aktuální správce balíčků vaší distribuce.</translation>
    </message>
    <message id="Update Error!">
        <source></source>
        <translation>Chyba aktualizace!</translation>
    </message>
    <message id="An error occurred in retrieving update information. Please try again later.">
        <source></source>
        <translation>Při získávání informací o aktualizacích došlo k chybě. Zkuste to prosím později.</translation>
    </message>
    <message id="Spinora keeps the catalogue of a cactus and succulent collection.">
        <source></source>
        <translation>Spinora vede katalog sbírky kaktusů a sukulentů.</translation>
    </message>
    <message id="Collections to open (folders ending in .sdb); interchange files (.sdbi) are offered for import into the collection shown.">
        <source></source>
        <translation>Sbírky k otevření (složky končící na .sdb); výměnné soubory (.sdbi) se nabízejí k importu do zobrazené sbírky.</translation>
    </message>
    <message id="The list to show: cacti, watering or logs.">
        <source></source>
        <translation>Seznam k zobrazení: cacti, watering nebo logs.</translation>
    </message>
    <message id="--show takes cacti, watering or logs, not “%1”">
        <source></source>
        <translation>--show přijímá cacti, watering nebo logs, nikoli „%1“</translation>
    </message>
    <message id="Spinora is already running but does not answer.">
        <source></source>
        <translation>Spinora již běží, ale neodpovídá.</translation>
    </message>
    <message id="the line “%1” does not close “%2”">
        <source></source>
        <translation>řádek „%1“ neuzavírá „%2“</translation>
    </message>
    <message id="the file ends before “%1” does">
        <source></source>
        <translation>soubor končí dříve než „%1“</translation>
    </message>
    <message id="the file is empty">
        <source></source>
        <translation>soubor je prázdný</translation>
    </message>
    <message id="it is not an iCalendar file">
        <source></source>
        <translation>není to soubor iCalendar</translation>
    </message>
    <message id="it does not hold exactly one calendar">
        <source></source>
        <translation>neobsahuje právě jeden kalendář</translation>
    </message>
    <message id="it contains errors">
        <source></source>
        <translation>obsahuje chyby</translation>
    </message>
    <message id="it cannot be read">
        <source></source>
        <translation>nelze ji přečíst</translation>
    </message>
    <message id="The calendar folder “%1” cannot be made.">
        <source></source>
        <translation>Složku kalendáře „%1“ nelze vytvořit.</translation>
    </message>
    <message id="The calendar file “%1” cannot be used: %2.">
        <source></source>
        <translation>Soubor kalendáře „%1“ nelze použít: %2.</translation>
    </message>
    <message id="The calendar file “%1” cannot be read.">
        <source></source>
        <translation>Soubor kalendáře „%1“ nelze přečíst.</translation>
    </message>
    <message id="The calendar file “%1” cannot be used (%2); it was left as it is.">
        <source></source>
        <translation>Soubor kalendáře „%1“ nelze použít (%2); byl ponechán beze změny.</translation>
    </message>
    <message id="The calendar file “%1” keeps being changed by another program; it was left as it is.">
        <source></source>
        <translation>Soubor kalendáře „%1“ neustále mění jiný program; byl ponechán beze změny.</translation>
    </message>
    <message id="The calendar file “%1” could not be written (%2); it was left as it is.">
        <source></source>
        <translation>Do souboru kalendáře „%1“ nešlo zapisovat (%2); byl ponechán beze změny.</translation>
    </message>
    <message id="No space left on device">
        <source></source>
        <translation>Na zařízení nezbývá žádné místo</translation>
    </message>
    <message id="The event ends before it starts.">
        <source></source>
        <translation>Událost končí dříve, než začíná.</translation>
    </message>
    <message id="The calendar “%1” is not available.">
        <source></source>
        <translation>Kalendář „%1“ není k dispozici.</translation>
    </message>
    <message id="There is no such event.">
        <source></source>
        <translation>Taková událost neexistuje.</translation>
    </message>
    <message id="The event was removed by another program.">
        <source></source>
        <translation>Událost byla odstraněna jiným programem.</translation>
    </message>
    <message id="the Avahi daemon went away">
        <source></source>
        <translation>démon Avahi přestal odpovídat</translation>
    </message>
    <message id="Click the Import button to restore the complete database from your device.">
        <source></source>
        <translation>Klepnutím na tlačítko Importovat obnovíte ze zařízení celou databázi.</translation>
    </message>
    <message id="Click the Import button to restore only the cacti and watering schedules in the database from your device.">
        <source></source>
        <translation>Klepnutím na tlačítko Importovat obnovíte ze zařízení pouze kaktusy a plány zálivky v databázi.</translation>
    </message>
    <message id="Click the Import button to import the cacti from your device.">
        <source></source>
        <translation>Klepnutím na tlačítko Importovat naimportujete kaktusy ze zařízení.</translation>
    </message>
    <message id="Click the Import button to import the watering schedules from your device.">
        <source></source>
        <translation>Klepnutím na tlačítko Importovat naimportujete plány zálivky ze zařízení.</translation>
    </message>
    <message id="Restore Database is selected on your device. Select either Backup Database or Export Data instead.">
        <source></source>
        <translation>Ve vašem zařízení je vybrána možnost Obnovit databázi. Vyberte místo ní Zálohovat databázi nebo Exportovat data.</translation>
    </message>
    <message id="Export Data is selected on your device. Select Backup Database instead to restore both cacti and watering schedules.">
        <source></source>
        <translation>Ve vašem zařízení je vybrána možnost Exportovat data. Chcete-li obnovit kaktusy i plány zálivky, vyberte místo ní Zálohovat databázi.</translation>
    </message>
    <message id="Export Data is selected on your device. Only cacti or watering schedules can be imported in this mode.">
        <source></source>
        <translation>Ve vašem zařízení je vybrána možnost Exportovat data. V tomto režimu lze importovat pouze kaktusy nebo plány zálivky.</translation>
    </message>
    <message id="Import Data is selected on your device. Select either Backup Database or Export Data instead.">
        <source></source>
        <translation>Ve vašem zařízení je vybrána možnost Importovat data. Vyberte místo ní Zálohovat databázi nebo Exportovat data.</translation>
    </message>
    <message id="Backup Database is selected on your device. Select either Restore Database or Import Data instead.">
        <source></source>
        <translation>Ve vašem zařízení je vybrána možnost Zálohovat databázi. Vyberte místo ní Obnovit databázi nebo Importovat data.</translation>
    </message>
    <message id="Export Data is selected on your device. Select either Restore Database or Import Data instead.">
        <source></source>
        <translation>Ve vašem zařízení je vybrána možnost Exportovat data. Vyberte místo ní Obnovit databázi nebo Importovat data.</translation>
    </message>
    <message id="Click the Export button to send the database to your device. The app will ask what you want to import.">
        <source></source>
        <translation>Klepnutím na tlačítko Exportovat odešlete databázi do zařízení. Aplikace se zeptá, co chcete importovat.</translation>
    </message>
    <message id="The collection was closed.">
        <source></source>
        <translation>Sbírka byla zavřena.</translation>
    </message>
    <message id="Import Database">
        <source></source>
        <translation>Importovat databázi</translation>
    </message>
    <message id="Restore Complete Database">
        <source></source>
        <translation>Obnovit celou databázi</translation>
    </message>
    <message id="Import Cacti and Watering Schedules">
        <source></source>
        <translation>Importovat kaktusy a plány zálivky</translation>
    </message>
    <message id="Import Cacti">
        <source></source>
        <translation>Importovat kaktusy</translation>
    </message>
    <message id="Import Watering Schedules">
        <source></source>
        <translation>Importovat plány zálivky</translation>
    </message>
    <message id="Devices">
        <source></source>
        <translation>Zařízení</translation>
    </message>
    <message id="Messages">
        <source></source>
        <translation>Zprávy</translation>
    </message>
    <message id="Export Database">
        <source></source>
        <translation>Exportovat databázi</translation>
    </message>
    <message id="Flowering Calendar">
        <source></source>
        <translation>Kalendář kvetení</translation>
    </message>
    <message id="Photo Timeline">
        <source></source>
        <translation>Časová osa fotografií</translation>
    </message>
    <message id="Common Name">
        <source></source>
        <translation>Lidový název</translation>
    </message>
    <message id="Open Watering Schedule">
        <source></source>
        <translation>Otevřít plán zálivky</translation>
    </message>
    <message id="Height">
        <source></source>
        <translation>Výška</translation>
    </message>
    <message id="Width">
        <source></source>
        <translation>Šířka</translation>
    </message>
    <message id="Weight">
        <source></source>
        <translation>Hmotnost</translation>
    </message>
    <message id="Light">
        <source></source>
        <translation>Světlo</translation>
    </message>
    <message id="Temperature">
        <source></source>
        <translation>Teplota</translation>
    </message>
    <message id="Pot Size">
        <source></source>
        <translation>Velikost květináče</translation>
    </message>
    <message id="Pot Shape">
        <source></source>
        <translation>Tvar květináče</translation>
    </message>
    <message id="Pot Material">
        <source></source>
        <translation>Materiál květináče</translation>
    </message>
    <message id="General">
        <source></source>
        <translation>Obecné</translation>
    </message>
    <message id="Details">
        <source></source>
        <translation>Podrobnosti</translation>
    </message>
    <message id="Alarm">
        <source></source>
        <translation>Upozornění</translation>
    </message>
    <message id="Busy">
        <source></source>
        <translation>Zaneprázdněn</translation>
    </message>
    <message id="Free">
        <source></source>
        <translation>Volno</translation>
    </message>
    <message id="Title">
        <source></source>
        <translation>Název</translation>
    </message>
    <message id="Starts">
        <source></source>
        <translation>Začátek</translation>
    </message>
    <message id="Ends">
        <source></source>
        <translation>Konec</translation>
    </message>
    <message id="All-Day">
        <source></source>
        <translation>Celodenní</translation>
    </message>
    <message id="Calendar">
        <source></source>
        <translation>Kalendář</translation>
    </message>
    <message id="Availability">
        <source></source>
        <translation>Dostupnost</translation>
    </message>
    <message id="Kept in %1. To see these reminders in your desktop calendar, add this file to it as a calendar.">
        <source></source>
        <translation>Uloženo v %1. Chcete-li tyto připomínky vidět v kalendáři na pracovní ploše, přidejte do něj tento soubor jako kalendář.</translation>
    </message>
    <message id="Add New Event">
        <source></source>
        <translation>Přidat novou událost</translation>
    </message>
    <message id="Edit Event">
        <source></source>
        <translation>Upravit událost</translation>
    </message>
    <message id="Open Cactus">
        <source></source>
        <translation>Otevřít kaktus</translation>
    </message>
    <message id="Add Reminder">
        <source></source>
        <translation>Přidat připomínku</translation>
    </message>
    <message id="Edit Reminder">
        <source></source>
        <translation>Upravit připomínku</translation>
    </message>
    <message id="Add a reminder to your calendar?">
        <source></source>
        <translation>Přidat připomínku do kalendáře?</translation>
    </message>
    <message id="Edit the reminder on your calendar?">
        <source></source>
        <translation>Upravit připomínku v kalendáři?</translation>
    </message>
    <message id="All Photos">
        <source></source>
        <translation>Všechny fotografie</translation>
    </message>
    <message id="Add Photos…">
        <source></source>
        <translation>Přidat fotografie…</translation>
    </message>
    <message id="Add photos from picture files. You can also drop picture files on the grid.">
        <source></source>
        <translation>Přidat fotografie ze souborů s obrázky. Soubory s obrázky můžete také přetáhnout do mřížky.</translation>
    </message>
    <message id="Size of the photos">
        <source></source>
        <translation>Velikost fotografií</translation>
    </message>
    <message id="Adding photos">
        <source></source>
        <translation>Přidávání fotografií</translation>
    </message>
    <message id="Add Photos">
        <source></source>
        <translation>Přidat fotografie</translation>
    </message>
    <message id="Pictures (*.jpg *.jpeg *.png *.gif *.tif *.tiff *.bmp)">
        <source></source>
        <translation>Obrázky (*.jpg *.jpeg *.png *.gif *.tif *.tiff *.bmp)</translation>
    </message>
    <message id="This file was not added:">
        <source></source>
        <translation>Tento soubor nebyl přidán:</translation>
    </message>
    <message id="These files were not added:">
        <source></source>
        <translation>Tyto soubory nebyly přidány:</translation>
    </message>
    <message id="Previous Photo">
        <source></source>
        <translation>Předchozí fotografie</translation>
    </message>
    <message id="Display the previous photo">
        <source></source>
        <translation>Zobrazit předchozí fotografii</translation>
    </message>
    <message id="Edit Caption">
        <source></source>
        <translation>Upravit popisek</translation>
    </message>
    <message id="Edit the photo caption">
        <source></source>
        <translation>Upravit popisek fotografie</translation>
    </message>
    <message id="Next Photo">
        <source></source>
        <translation>Další fotografie</translation>
    </message>
    <message id="Display the next photo">
        <source></source>
        <translation>Zobrazit další fotografii</translation>
    </message>
    <message id="Error: the new record is gone.">
        <source></source>
        <translation>Chyba: nová položka zmizela.</translation>
    </message>
    <message id="From Date 1">
        <source></source>
        <translation>Od data 1</translation>
    </message>
    <message id="To Date 2">
        <source></source>
        <translation>Do data 2</translation>
    </message>
    <message id="From Date 3">
        <source></source>
        <translation>Od data 3</translation>
    </message>
    <message id="To Date 4">
        <source></source>
        <translation>Do data 4</translation>
    </message>
    <message id="From Date 5">
        <source></source>
        <translation>Od data 5</translation>
    </message>
    <message id="To Date 6">
        <source></source>
        <translation>Do data 6</translation>
    </message>
    <message id="Units">
        <source></source>
        <translation>Jednotky</translation>
    </message>
    <message id="Line %1, column %2 (%3): “%4” could not be read and was not imported.">
        <source></source>
        <translation>Řádek %1, sloupec %2 (%3): „%4“ nešlo přečíst a nebylo importováno.</translation>
    </message>
    <message id="The file is not in the Spinora CSV template layout and these columns could not be placed: “%1”. Give each column its field, for example --map '%2' (the fields are %3).">
        <source></source>
        <translation>Soubor neodpovídá rozvržení šablony Spinora CSV a tyto sloupce nešlo zařadit: „%1“. Přiřaďte každému sloupci jeho pole, například --map &apos;%2&apos; (pole jsou %3).</translation>
    </message>
    <message id="No cacti, watering schedules or logs were found in the file. It must follow the Spinora CSV template.">
        <source></source>
        <translation>V souboru nebyly nalezeny žádné kaktusy, plány zálivky ani záznamy. Soubor musí odpovídat šabloně Spinora CSV.</translation>
    </message>
    <message id="name|plant|plant name|cactus|label">
        <source></source>
        <translation>název|rostlina|název rostliny|kaktus|štítek</translation>
    </message>
    <message id="scientific|scientific name|botanical name|latin name|taxon|genus|species">
        <source></source>
        <translation>vědecký|vědecký název|botanický název|latinský název|taxon|rod|druh</translation>
    </message>
    <message id="common|common name">
        <source></source>
        <translation>lidový|lidový název</translation>
    </message>
    <message id="type|plant type">
        <source></source>
        <translation>typ|typ rostliny</translation>
    </message>
    <message id="watering|schedule|watering schedule">
        <source></source>
        <translation>zálivka|plán|plán zálivky</translation>
    </message>
    <message id="last watered">
        <source></source>
        <translation>poslední zálivka</translation>
    </message>
    <message id="next watering">
        <source></source>
        <translation>příští zálivka</translation>
    </message>
    <message id="planted|plant date|date planted|sown">
        <source></source>
        <translation>vysazeno|datum výsadby|datum vysazení|vyseto</translation>
    </message>
    <message id="source|origin">
        <source></source>
        <translation>původ|zdroj</translation>
    </message>
    <message id="acquired|date acquired|bought|purchased|purchase date">
        <source></source>
        <translation>pořízeno|datum pořízení|koupeno|zakoupeno|datum nákupu</translation>
    </message>
    <message id="price|purchase price|cost|paid">
        <source></source>
        <translation>cena|kupní cena|náklady|zaplaceno</translation>
    </message>
    <message id="value|worth">
        <source></source>
        <translation>hodnota|cena</translation>
    </message>
    <message id="location|place|position|bench|greenhouse">
        <source></source>
        <translation>umístění|místo|stanoviště|stůl|skleník</translation>
    </message>
    <message id="height">
        <source></source>
        <translation>výška</translation>
    </message>
    <message id="width|diameter">
        <source></source>
        <translation>šířka|průměr</translation>
    </message>
    <message id="weight">
        <source></source>
        <translation>hmotnost</translation>
    </message>
    <message id="light|sun">
        <source></source>
        <translation>světlo|slunce</translation>
    </message>
    <message id="temperature|temp|min temp">
        <source></source>
        <translation>teplota|tepl|min tepl</translation>
    </message>
    <message id="pot size|pot">
        <source></source>
        <translation>velikost květináče|květináč</translation>
    </message>
    <message id="pot shape|shape">
        <source></source>
        <translation>tvar květináče|tvar</translation>
    </message>
    <message id="pot material|material">
        <source></source>
        <translation>materiál květináče|materiál</translation>
    </message>
    <message id="notes|note|comments|comment|remarks|description">
        <source></source>
        <translation>poznámky|poznámka|komentáře|komentář|připomínky|popis</translation>
    </message>
    <message id="id|#|no|no.|number|photo|photos|image|picture">
        <source></source>
        <translation>id|#|č|č.|číslo|foto|fotografie|obrázek|snímek</translation>
    </message>
    <message id="“%1” is no COLUMN=FIELD pair.">
        <source></source>
        <translation>„%1“ není dvojice SLOUPEC=POLE.</translation>
    </message>
    <message id="“%1” is no field; the fields are %2.">
        <source></source>
        <translation>„%1“ není pole; pole jsou %2.</translation>
    </message>
    <message id="The file has no column “%1”.">
        <source></source>
        <translation>Soubor nemá sloupec „%1“.</translation>
    </message>
    <message id="%1 is a folder; an export never replaces a folder with a file.">
        <source></source>
        <translation>%1 je složka; export nikdy nenahradí složku souborem.</translation>
    </message>
    <message id="%1 is a folder that is not a Spinora collection; an export never replaces it.">
        <source></source>
        <translation>%1 je složka, která není sbírkou Spinora; export ji nikdy nenahradí.</translation>
    </message>
    <message id="%1 is a collection in use by %2; it cannot be replaced.">
        <source></source>
        <translation>%1 je sbírka, kterou používá %2; nelze ji nahradit.</translation>
    </message>
    <message id="%1 is an existing collection and was not replaced.">
        <source></source>
        <translation>%1 je existující sbírka a nebyla nahrazena.</translation>
    </message>
    <message id="%1 already exists and was not replaced.">
        <source></source>
        <translation>%1 již existuje; nic nebylo nahrazeno.</translation>
    </message>
    <message id="The collection %1 could not be read: %2">
        <source></source>
        <translation>Sbírku %1 nešlo přečíst: %2</translation>
    </message>
    <message id="it holds no %1.">
        <source></source>
        <translation>neobsahuje %1.</translation>
    </message>
    <message id="The collection %1 was made by a newer version of Spinora (schema %2; this version reads up to %3).">
        <source></source>
        <translation>Sbírka %1 byla vytvořena novější verzí Spinora (schéma %2; tato verze čte nejvýše %3).</translation>
    </message>
    <message id="The collection could not be read: %1">
        <source></source>
        <translation>Sbírku nešlo přečíst: %1</translation>
    </message>
    <message id="The collection was opened read-only, so nothing can be imported into it.">
        <source></source>
        <translation>Sbírka byla otevřena pouze pro čtení, nelze do ní nic importovat.</translation>
    </message>
    <message id="The import failed.">
        <source></source>
        <translation>Import selhal.</translation>
    </message>
    <message id="The collection could not be written: %1">
        <source></source>
        <translation>Do sbírky nešlo zapisovat: %1</translation>
    </message>
    <message id="The collection's database could not be opened: %1">
        <source></source>
        <translation>Databázi sbírky nešlo otevřít: %1</translation>
    </message>
    <message id="The folder %1 could not be made.">
        <source></source>
        <translation>Složku %1 nešlo vytvořit.</translation>
    </message>
    <message id="The template could not be read: %1">
        <source></source>
        <translation>Šablonu nešlo přečíst: %1</translation>
    </message>
    <message id="The collection could not be locked for the import: %1">
        <source></source>
        <translation>Sbírku nešlo pro import uzamknout: %1</translation>
    </message>
    <message id="Fertilized">
        <source></source>
        <translation>Hnojeno</translation>
    </message>
    <message id="Flowered">
        <source></source>
        <translation>Kvetlo</translation>
    </message>
    <message id="Planted">
        <source></source>
        <translation>Vysazeno</translation>
    </message>
    <message id="Purchased">
        <source></source>
        <translation>Zakoupeno</translation>
    </message>
    <message id="Sold">
        <source></source>
        <translation>Prodáno</translation>
    </message>
    <message id="The import could not be saved: %1">
        <source></source>
        <translation>Import nešlo uložit: %1</translation>
    </message>
    <message id="%1 could not be written">
        <source></source>
        <translation>%1 nešlo zapsat</translation>
    </message>
    <message id="%1: the export filter could not be run">
        <source></source>
        <translation>%1: exportní filtr nešlo spustit</translation>
    </message>
    <message id="%1 could not be replaced">
        <source></source>
        <translation>%1 nešlo nahradit</translation>
    </message>
    <message id="The file cannot be imported: it holds triggers or views, which Spinora files never have.">
        <source></source>
        <translation>Soubor nelze importovat: obsahuje spouště nebo pohledy, které soubory Spinora nikdy nemají.</translation>
    </message>
    <message id="larger than 64 MiB">
        <source></source>
        <translation>větší než 64 MiB</translation>
    </message>
    <message id="a link that leads out of the package">
        <source></source>
        <translation>odkaz, který vede mimo balíček</translation>
    </message>
    <message id="not a file that can be read">
        <source></source>
        <translation>nejde o soubor, který lze přečíst</translation>
    </message>
    <message id="%1 could not be read.">
        <source></source>
        <translation>%1 nešlo přečíst.</translation>
    </message>
    <message id="The file could not be opened: %1">
        <source></source>
        <translation>Soubor nešlo otevřít: %1</translation>
    </message>
    <message id="The file is not a Spinora database: %1">
        <source></source>
        <translation>Soubor není databáze Spinora: %1</translation>
    </message>
    <message id="The file cannot be imported: its schema could not be upgraded (%1).">
        <source></source>
        <translation>Soubor nelze importovat: jeho schéma nešlo aktualizovat (%1).</translation>
    </message>
    <message id="The file could not be closed: %1">
        <source></source>
        <translation>Soubor nešlo zavřít: %1</translation>
    </message>
    <message id="The file has no version information, so it is not a Spinora database.">
        <source></source>
        <translation>Soubor neobsahuje informace o verzi, takže to není databáze Spinora.</translation>
    </message>
    <message id="The file cannot be imported: it was made by a newer version of Spinora (schema %1; this version reads up to %2).">
        <source></source>
        <translation>Soubor nelze importovat: byl vytvořen novější verzí Spinora (schéma %1; tato verze čte nejvýše %2).</translation>
    </message>
    <message id="The file's version row holds no record counts.">
        <source></source>
        <translation>Řádek verze v souboru neobsahuje počty položek.</translation>
    </message>
    <message id="The file cannot be imported: its %1 table cannot be read (%2).">
        <source></source>
        <translation>Soubor nelze importovat: jeho tabulku %1 nelze přečíst (%2).</translation>
    </message>
    <message id="The file cannot be imported: its %1 table has keys that are not whole numbers from 0 to 9223372036854775807.">
        <source></source>
        <translation>Soubor nelze importovat: jeho tabulka %1 obsahuje klíče, které nejsou celými čísly od 0 do 9223372036854775807.</translation>
    </message>
    <message id="The file cannot be imported: its %1 table has the same key on more than one row.">
        <source></source>
        <translation>Soubor nelze importovat: jeho tabulka %1 má stejný klíč na více řádcích.</translation>
    </message>
    <message id="The file cannot be imported: the collection has no keys left for its %1 table.">
        <source></source>
        <translation>Soubor nelze importovat: sbírce nezbyly žádné klíče pro jeho tabulku %1.</translation>
    </message>
    <message id="The records of the file's %1 table could not be read: %2">
        <source></source>
        <translation>Položky tabulky %1 ze souboru nešlo přečíst: %2</translation>
    </message>
    <message id="The file cannot be imported: the %1 column of its %2 table holds values that are not whole numbers.">
        <source></source>
        <translation>Soubor nelze importovat: sloupec %1 jeho tabulky %2 obsahuje hodnoty, které nejsou celými čísly.</translation>
    </message>
    <message id="The file holds no watering schedules.">
        <source></source>
        <translation>Soubor neobsahuje žádné plány zálivky.</translation>
    </message>
    <message id="The file holds no cacti.">
        <source></source>
        <translation>Soubor neobsahuje žádné kaktusy.</translation>
    </message>
    <message id="not a picture that can be read">
        <source></source>
        <translation>nejde o obrázek, který lze přečíst</translation>
    </message>
    <message id="the cactus %1">
        <source></source>
        <translation>kaktus %1</translation>
    </message>
    <message id="the log entry %1">
        <source></source>
        <translation>záznam %1</translation>
    </message>
    <message id="the cactus “%1”">
        <source></source>
        <translation>kaktus „%1“</translation>
    </message>
    <message id="the log entry “%1”">
        <source></source>
        <translation>záznam „%1“</translation>
    </message>
    <message id="The file's photos could not be read: %1">
        <source></source>
        <translation>Fotografie ze souboru nešlo přečíst: %1</translation>
    </message>
    <message id="The file cannot be imported: the key column of its image table holds values that are not whole numbers.">
        <source></source>
        <translation>Soubor nelze importovat: sloupec klíčů jeho tabulky obrázků obsahuje hodnoty, které nejsou celými čísly.</translation>
    </message>
    <message id="1 photo could not be read and was left out: %1.">
        <source></source>
        <translation>1 fotografii nešlo přečíst a byla vynechána: %1.</translation>
    </message>
    <message id="%1 photos could not be read and were left out: %2.">
        <source></source>
        <translation>Fotografie (%1) nešlo přečíst a byly vynechány: %2.</translation>
    </message>
    <message id="The file could not be read: %1">
        <source></source>
        <translation>Soubor nešlo přečíst: %1</translation>
    </message>
    <message id="No plant has a date acquired.">
        <source></source>
        <translation>Žádná rostlina nemá datum pořízení.</translation>
    </message>
    <message id="%1 without a date">
        <source></source>
        <translation>%1 bez data</translation>
    </message>
    <message id="Plants by Date Acquired">
        <source></source>
        <translation>Rostliny podle data pořízení</translation>
    </message>
    <message id="Value by Date Acquired">
        <source></source>
        <translation>Hodnota podle data pořízení</translation>
    </message>
    <message id="Plants by Genus">
        <source></source>
        <translation>Rostliny podle rodu</translation>
    </message>
    <message id="Waterings Due in the Next %1 Days">
        <source></source>
        <translation>Zálivky k vyřízení v příštích %1 dnech</translation>
    </message>
    <message id="Charts">
        <source></source>
        <translation>Grafy</translation>
    </message>
    <message id="Cacti Report">
        <source></source>
        <translation>Přehled kaktusů</translation>
    </message>
    <message id="Summary">
        <source></source>
        <translation>Souhrn</translation>
    </message>
    <message id="Total Cacti">
        <source></source>
        <translation>Celkem kaktusů</translation>
    </message>
    <message id="Total Watering Schedules">
        <source></source>
        <translation>Celkem plánů zálivky</translation>
    </message>
    <message id="Total Log Entries">
        <source></source>
        <translation>Celkem záznamů</translation>
    </message>
    <message id="Unique Species">
        <source></source>
        <translation>Počet druhů</translation>
    </message>
    <message id="Total Value">
        <source></source>
        <translation>Celková hodnota</translation>
    </message>
    <message id="Species Scientific Name">
        <source></source>
        <translation>Vědecký název druhu</translation>
    </message>
    <message id="Species Common Name">
        <source></source>
        <translation>Lidový název druhu</translation>
    </message>
    <message id="Unknown Date">
        <source></source>
        <translation>Neznámé datum</translation>
    </message>
    <message id="No Event Name">
        <source></source>
        <translation>Bez názvu události</translation>
    </message>
    <message id="The report folder %1 cannot be written.">
        <source></source>
        <translation>Do složky přehledů %1 nelze zapisovat.</translation>
    </message>
    <message id="The report %1 could not be written.">
        <source></source>
        <translation>Přehled %1 nešlo zapsat.</translation>
    </message>
    <message id="No folder for the work files was found: the user's caches folder is unknown (set HOME or XDG_CACHE_HOME).">
        <source></source>
        <translation>Nebyla nalezena složka pro pracovní soubory: složka mezipaměti uživatele není známa (nastavte HOME nebo XDG_CACHE_HOME).</translation>
    </message>
    <message id="The work folder %1 could not be made.">
        <source></source>
        <translation>Pracovní složku %1 nešlo vytvořit.</translation>
    </message>
    <message id="The work folder %1 cannot be used: something that is not a folder is in its place.">
        <source></source>
        <translation>Pracovní složku %1 nelze použít: na jejím místě je něco, co není složka.</translation>
    </message>
    <message id="The work folder %1 cannot be used: it is not writable.">
        <source></source>
        <translation>Pracovní složku %1 nelze použít: nelze do ní zapisovat.</translation>
    </message>
    <message id="Another transfer is running in this program; try again when it has finished.">
        <source></source>
        <translation>V tomto programu probíhá jiný přenos; zkuste to znovu, až skončí.</translation>
    </message>
    <message id="Another transfer is running (%1, process %2); try again when it has finished.">
        <source></source>
        <translation>Probíhá jiný přenos (%1, proces %2); zkuste to znovu, až skončí.</translation>
    </message>
    <message id="another program">
        <source></source>
        <translation>jiný program</translation>
    </message>
    <message id="Another transfer is running; try again when it has finished.">
        <source></source>
        <translation>Probíhá jiný přenos; zkuste to znovu, až skončí.</translation>
    </message>
    <message id="The work folder %1 cannot be used: its lock file could not be made.">
        <source></source>
        <translation>Pracovní složku %1 nelze použít: nešlo vytvořit její zamykací soubor.</translation>
    </message>
    <message id="Import From SDBI">
        <source></source>
        <translation>Importovat ze SDBI</translation>
    </message>
    <message id="Import From Spinora Database">
        <source></source>
        <translation>Importovat z databáze Spinora</translation>
    </message>
    <message id="Database File">
        <source></source>
        <translation>Soubor databáze</translation>
    </message>
    <message id="Import From CSV">
        <source></source>
        <translation>Importovat z CSV</translation>
    </message>
    <message id="Export To SDBI">
        <source></source>
        <translation>Exportovat do SDBI</translation>
    </message>
    <message id="Export To Spinora Database">
        <source></source>
        <translation>Exportovat do databáze Spinora</translation>
    </message>
    <message id="Export To CSV">
        <source></source>
        <translation>Exportovat do CSV</translation>
    </message>
    <message id="Type a path, or choose the file with Browse">
        <source></source>
        <translation>Zadejte cestu nebo vyberte soubor tlačítkem Procházet</translation>
    </message>
    <message id="Choose where to save with Browse">
        <source></source>
        <translation>Místo uložení vyberte tlačítkem Procházet</translation>
    </message>
    <message id="There is no file “%1”.">
        <source></source>
        <translation>Soubor „%1“ neexistuje.</translation>
    </message>
    <message id="A4, 3 × 8 labels of 70 × 37 mm">
        <source></source>
        <translation>A4, 3 × 8 štítků 70 × 37 mm</translation>
    </message>
    <message id="US Letter, 3 × 10 labels of 2.625 × 1 in">
        <source></source>
        <translation>US Letter, 3 × 10 štítků 2,625 × 1 palce</translation>
    </message>
    <message id="%n labels" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n štítek</numerusform>
            <numerusform>%n štítky</numerusform>
            <numerusform>%n štítků</numerusform>
        </translation>
    </message>
    <message id="%n pages" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n stránka</numerusform>
            <numerusform>%n stránky</numerusform>
            <numerusform>%n stránek</numerusform>
        </translation>
    </message>
    <message id=" mm">
        <source></source>
        <translation> mm</translation>
    </message>
    <message id="Nothing was printed: the printer “%1” could not be used.">
        <source></source>
        <translation>Nic nebylo vytištěno: tiskárnu „%1“ nešlo použít.</translation>
    </message>
    <message id="Nothing was printed: the file “%1” could not be written.">
        <source></source>
        <translation>Nic nebylo vytištěno: do souboru „%1“ nešlo zapisovat.</translation>
    </message>
    <message id="Error: out of memory.">
        <source></source>
        <translation>Chyba: nedostatek paměti.</translation>
    </message>
    <message id="Error: unknown exception.">
        <source></source>
        <translation>Chyba: neznámá výjimka.</translation>
    </message>
    <message id="No snapshot of the collection could be kept: %1">
        <source></source>
        <translation>Nešlo uložit žádný snímek sbírky: %1</translation>
    </message>
    <message id="the collection as it is now could not be kept first, so nothing was changed: %1">
        <source></source>
        <translation>sbírku v současném stavu nešlo nejprve uložit, proto nebylo nic změněno: %1</translation>
    </message>
    <message id="the collection was opened read-only">
        <source></source>
        <translation>sbírka byla otevřena pouze pro čtení</translation>
    </message>
    <message id="Other">
        <source></source>
        <translation>Jiné</translation>
    </message>
    <message id="it does not exist.">
        <source></source>
        <translation>neexistuje.</translation>
    </message>
    <message id="it is not a collection package (a folder ending in .sdb).">
        <source></source>
        <translation>není to balíček sbírky (složka končící na .sdb).</translation>
    </message>
    <message id="the folder holds no %1, so it is not a Spinora collection.">
        <source></source>
        <translation>složka neobsahuje %1, takže to není sbírka Spinora.</translation>
    </message>
    <message id="it is read-only. Make it writable, or copy it to another place, to open it.">
        <source></source>
        <translation>je pouze pro čtení. Chcete-li ji otevřít, povolte do ní zápis nebo ji zkopírujte jinam.</translation>
    </message>
    <message id="the collection is not open">
        <source></source>
        <translation>sbírka není otevřena</translation>
    </message>
    <message id="the collection could not be read again: %1">
        <source></source>
        <translation>sbírku nešlo znovu přečíst: %1</translation>
    </message>
    <message id="the file is not a picture">
        <source></source>
        <translation>soubor není obrázek</translation>
    </message>
    <message id="the picture is too large (%1 × %2 pixels)">
        <source></source>
        <translation>obrázek je příliš velký (%1 × %2 pixelů)</translation>
    </message>
    <message id="the picture cannot be decoded (%1)">
        <source></source>
        <translation>obrázek nelze dekódovat (%1)</translation>
    </message>
    <message id="the file cannot be read">
        <source></source>
        <translation>soubor nelze přečíst</translation>
    </message>
    <message id="the file is larger than %1 MB">
        <source></source>
        <translation>soubor je větší než %1 MB</translation>
    </message>
    <message id="Error: a photo needs its three prepared files.">
        <source></source>
        <translation>Chyba: fotografie potřebuje tři připravené soubory.</translation>
    </message>
    <message id="a change to it was cut short when Spinora or the computer stopped">
        <source></source>
        <translation>jeho změna byla přerušena, když se zastavila Spinora nebo počítač</translation>
    </message>
    <message id="%1, and must be undone before the collection can be read. That takes writing, and the collection is read-only here. Copy the whole collection, with the file %2-journal in it, to a writable place and open the copy.">
        <source></source>
        <translation>%1 a před načtením sbírky je nutné to vrátit zpět. To vyžaduje zápis, ale sbírka je zde pouze pro čtení. Zkopírujte celou sbírku i se souborem %2-journal na zapisovatelné místo a otevřete kopii.</translation>
    </message>
    <message id="%1, and cannot be undone: %2">
        <source></source>
        <translation>%1 a nelze to vrátit zpět: %2</translation>
    </message>
    <message id="%1, and undoing it failed: %2.">
        <source></source>
        <translation>%1 a vrácení zpět selhalo: %2.</translation>
    </message>
    <message id="the collection is not open for writing.">
        <source></source>
        <translation>sbírka není otevřena pro zápis.</translation>
    </message>
    <message id="no watering moment was given.">
        <source></source>
        <translation>nebyl zadán okamžik zálivky.</translation>
    </message>
    <message id="it is already open in this program.">
        <source></source>
        <translation>je již otevřena v tomto programu.</translation>
    </message>
    <message id="another program (process %1)">
        <source></source>
        <translation>jiný program (proces %1)</translation>
    </message>
    <message id="it is in use by %1. Only one program at a time can change a collection; try again when it has finished.">
        <source></source>
        <translation>používá ji %1. Sbírku může měnit vždy jen jeden program; zkuste to znovu, až skončí.</translation>
    </message>
    <message id="its lock file %1 cannot be opened (%2).">
        <source></source>
        <translation>její zamykací soubor %1 nelze otevřít (%2).</translation>
    </message>
    <message id="its lock file %1 cannot be locked (%2).">
        <source></source>
        <translation>její zamykací soubor %1 nelze uzamknout (%2).</translation>
    </message>
    <message id="its lock file %1 keeps being replaced by another program.">
        <source></source>
        <translation>její zamykací soubor %1 neustále nahrazuje jiný program.</translation>
    </message>
    <message id="the picture cannot be converted to JPEG">
        <source></source>
        <translation>obrázek nelze převést do JPEG</translation>
    </message>
    <message id="no database connection">
        <source></source>
        <translation>žádné připojení k databázi</translation>
    </message>
    <message id="the current schema is not available (%1)">
        <source></source>
        <translation>aktuální schéma není k dispozici (%1)</translation>
    </message>
    <message id="The collection %1 could not be opened: %2">
        <source></source>
        <translation>Sbírku %1 nešlo otevřít: %2</translation>
    </message>
    <message id="The collection %1 could not be made: %2">
        <source></source>
        <translation>Sbírku %1 nešlo vytvořit: %2</translation>
    </message>
    <message id="The logs of %1 could not be read: %2">
        <source></source>
        <translation>Záznamy rostliny %1 nešlo přečíst: %2</translation>
    </message>
    <message id="%1. So that nothing is lost, the collection is now read-only: nothing in it is changed or deleted. Close it and open it again to try once more.">
        <source></source>
        <translation>%1. Aby se nic neztratilo, je sbírka nyní pouze pro čtení: nic v ní nebude změněno ani smazáno. Chcete-li to zkusit znovu, zavřete ji a znovu otevřete.</translation>
    </message>
    <message id="it was made by a newer version of Spinora (schema %1; this version reads up to %2).">
        <source></source>
        <translation>byla vytvořena novější verzí Spinora (schéma %1; tato verze čte nejvýše %2).</translation>
    </message>
    <message id="its schema could not be upgraded (%1).">
        <source></source>
        <translation>její schéma nešlo aktualizovat (%1).</translation>
    </message>
    <message id="the script %1 could not be read">
        <source></source>
        <translation>skript %1 nešlo přečíst</translation>
    </message>
    <message id="The collection %1 was opened read-only and cannot be saved.">
        <source></source>
        <translation>Sbírka %1 byla otevřena pouze pro čtení a nelze ji uložit.</translation>
    </message>
    <message id="The collection %1 was saved, but could not be opened again: %2">
        <source></source>
        <translation>Sbírka %1 byla uložena, ale nešlo ji znovu otevřít: %2</translation>
    </message>
    <message id="The collection could not be saved as %1: %2">
        <source></source>
        <translation>Sbírku nešlo uložit jako %1: %2</translation>
    </message>
    <message id="The collection could not be saved as %1.">
        <source></source>
        <translation>Sbírku nešlo uložit jako %1.</translation>
    </message>
    <message id="Caudiciform">
        <source></source>
        <translation>Kaudiciformní</translation>
    </message>
    <message id="Leaf Succulent">
        <source></source>
        <translation>Listový sukulent</translation>
    </message>
    <message id="Root Succulent">
        <source></source>
        <translation>Kořenový sukulent</translation>
    </message>
    <message id="Stem Succulent">
        <source></source>
        <translation>Stonkový sukulent</translation>
    </message>
    <message id="Seed">
        <source></source>
        <translation>Semeno</translation>
    </message>
    <message id="Cutting">
        <source></source>
        <translation>Řízek</translation>
    </message>
    <message id="Offset">
        <source></source>
        <translation>Odnož</translation>
    </message>
    <message id="Grafted">
        <source></source>
        <translation>Roubovaný</translation>
    </message>
    <message id="Wild">
        <source></source>
        <translation>Z přírody</translation>
    </message>
    <message id="Nursery Stock">
        <source></source>
        <translation>Školkařský materiál</translation>
    </message>
    <message id="Private Grower">
        <source></source>
        <translation>Soukromý pěstitel</translation>
    </message>
    <message id="Retailer">
        <source></source>
        <translation>Prodejce</translation>
    </message>
    <message id="Ceramic">
        <source></source>
        <translation>Keramika</translation>
    </message>
    <message id="Concrete">
        <source></source>
        <translation>Beton</translation>
    </message>
    <message id="Fiberglass">
        <source></source>
        <translation>Sklolaminát</translation>
    </message>
    <message id="Mica">
        <source></source>
        <translation>Slída</translation>
    </message>
    <message id="None (In-Ground)">
        <source></source>
        <translation>Žádný (ve volné půdě)</translation>
    </message>
    <message id="Plastic">
        <source></source>
        <translation>Plast</translation>
    </message>
    <message id="Stone">
        <source></source>
        <translation>Kámen</translation>
    </message>
    <message id="Wood">
        <source></source>
        <translation>Dřevo</translation>
    </message>
    <message id="Round">
        <source></source>
        <translation>Kulatý</translation>
    </message>
    <message id="Oval">
        <source></source>
        <translation>Oválný</translation>
    </message>
    <message id="Square">
        <source></source>
        <translation>Čtvercový</translation>
    </message>
    <message id="Rectangular">
        <source></source>
        <translation>Obdélníkový</translation>
    </message>
    <message id="Hexagon">
        <source></source>
        <translation>Šestihranný</translation>
    </message>
    <message id="Octagon">
        <source></source>
        <translation>Osmihranný</translation>
    </message>
    <message id="Dish">
        <source></source>
        <translation>Miska</translation>
    </message>
    <message id="Lotus">
        <source></source>
        <translation>Lotos</translation>
    </message>
    <message id="Flat">
        <source></source>
        <translation>Plochý</translation>
    </message>
    <message id="Irregular">
        <source></source>
        <translation>Nepravidelný</translation>
    </message>
    <message id="hours">
        <source></source>
        <translation>hodin</translation>
    </message>
    <message id="days">
        <source></source>
        <translation>dní</translation>
    </message>
    <message id="weeks">
        <source></source>
        <translation>týdnů</translation>
    </message>
    <message id="months">
        <source></source>
        <translation>měsíců</translation>
    </message>
    <message id="hour">
        <source></source>
        <translation>hodina</translation>
    </message>
    <message id="day">
        <source></source>
        <translation>den</translation>
    </message>
    <message id="week">
        <source></source>
        <translation>týden</translation>
    </message>
    <message id="month">
        <source></source>
        <translation>měsíc</translation>
    </message>
    <message id="Spray">
        <source></source>
        <translation>Rosení</translation>
    </message>
    <message id="LightQuantity">
        <source></source>
        <translation>Množství světla</translation>
    </message>
    <message id="Moderate">
        <source></source>
        <translation>Střední</translation>
    </message>
    <message id="Soak">
        <source></source>
        <translation>Namáčení</translation>
    </message>
    <message id="a cactus">
        <source></source>
        <translation>kaktus</translation>
    </message>
    <message id="a watering schedule">
        <source></source>
        <translation>plán zálivky</translation>
    </message>
    <message id="a log">
        <source></source>
        <translation>záznam</translation>
    </message>
    <message id="a photo">
        <source></source>
        <translation>fotografie</translation>
    </message>
    <message id="a record (%1)">
        <source></source>
        <translation>položka (%1)</translation>
    </message>
    <message id="%1 it needs is gone">
        <source></source>
        <translation>potřebný objekt už neexistuje: %1</translation>
    </message>
    <message id="%1 it would bring back has been made again">
        <source></source>
        <translation>objekt, který by se obnovil, byl mezitím znovu vytvořen: %1</translation>
    </message>
    <message id="%1 it touches has been changed since">
        <source></source>
        <translation>dotčený objekt byl mezitím změněn: %1</translation>
    </message>
    <message id="what it needs could not be read from %1">
        <source></source>
        <translation>to, co je potřeba, nešlo přečíst z %1</translation>
    </message>
    <message id="the collection as it was before was not kept">
        <source></source>
        <translation>sbírka v předchozím stavu nebyla uložena</translation>
    </message>
    <message id="“%1” could not be undone: %2.">
        <source></source>
        <translation>„%1“ nešlo vrátit zpět: %2.</translation>
    </message>
    <message id="“%1” could not be redone: %2.">
        <source></source>
        <translation>„%1“ nešlo provést znovu: %2.</translation>
    </message>
    <message id="the database is damaged (%1).">
        <source></source>
        <translation>databáze je poškozená (%1).</translation>
    </message>
    <message id="Print the list">
        <source></source>
        <translation>Vytisknout seznam</translation>
    </message>
    <message id="Import from device">
        <source></source>
        <translation>Importovat ze zařízení</translation>
    </message>
    <message id="Import database from Spinora Mobile App">
        <source></source>
        <translation>Importovat databázi z mobilní aplikace Spinora</translation>
    </message>
    <message id="Export to device">
        <source></source>
        <translation>Exportovat do zařízení</translation>
    </message>
    <message id="Export database to Spinora Mobile App">
        <source></source>
        <translation>Exportovat databázi do mobilní aplikace Spinora</translation>
    </message>
    <message id="Show database statistics">
        <source></source>
        <translation>Zobrazit statistiku databáze</translation>
    </message>
    <message id="Delete Item">
        <source></source>
        <translation>Smazat položku</translation>
    </message>
    <message id="Remove an item from the list">
        <source></source>
        <translation>Odstranit položku ze seznamu</translation>
    </message>
    <message id="Add an item to the list">
        <source></source>
        <translation>Přidat položku do seznamu</translation>
    </message>
    <message id="%n watering schedules" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n plán zálivky</numerusform>
            <numerusform>%n plány zálivky</numerusform>
            <numerusform>%n plánů zálivky</numerusform>
        </translation>
    </message>
    <message id="%1 and its %n cacti" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%1 a jeho %n kaktus</numerusform>
            <numerusform>%1 a jeho %n kaktusy</numerusform>
            <numerusform>%1 a jeho %n kaktusů</numerusform>
        </translation>
    </message>
    <message id="%1 and their %n cacti" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%1 a jejich %n kaktus</numerusform>
            <numerusform>%1 a jejich %n kaktusy</numerusform>
            <numerusform>%1 a jejich %n kaktusů</numerusform>
        </translation>
    </message>
    <message id="%n cacti" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n kaktus</numerusform>
            <numerusform>%n kaktusy</numerusform>
            <numerusform>%n kaktusů</numerusform>
        </translation>
    </message>
    <message id="No log has the event &quot;Flowered&quot; yet.">
        <source></source>
        <translation>Zatím žádný záznam nemá událost „Kvetlo“.</translation>
    </message>
    <message id="How often each plant flowered in each month, over all years; the plants likely to flower in %1 first.">
        <source></source>
        <translation>Jak často každá rostlina kvetla v jednotlivých měsících za všechny roky; rostliny, které pravděpodobně pokvetou v měsíci %1, jsou uvedeny první.</translation>
    </message>
    <message id="No date">
        <source></source>
        <translation>Bez data</translation>
    </message>
    <message id="%1, %2">
        <source></source>
        <translation>%1, %2</translation>
    </message>
    <message id="Photo Timeline of %1">
        <source></source>
        <translation>Časová osa fotografií – %1</translation>
    </message>
    <message id="Photos, oldest first">
        <source></source>
        <translation>Fotografie, nejstarší první</translation>
    </message>
    <message id="This plant has no photos yet, neither its own nor in its logs.">
        <source></source>
        <translation>Tato rostlina zatím nemá žádné fotografie, ani vlastní, ani ve svých záznamech.</translation>
    </message>
    <message id="Choose two photos (Ctrl+click) to see them side by side.">
        <source></source>
        <translation>Vyberte dvě fotografie (Ctrl+klepnutí) a zobrazí se vedle sebe.</translation>
    </message>
    <message id="Earlier photo">
        <source></source>
        <translation>Dřívější fotografie</translation>
    </message>
    <message id="Later photo">
        <source></source>
        <translation>Pozdější fotografie</translation>
    </message>
    <message id="%1 (%2 without a date)">
        <source></source>
        <translation>%1 (%2 bez data)</translation>
    </message>
    <message id="Log Entries">
        <source></source>
        <translation>Záznamy</translation>
    </message>
    <message id="Watering Due">
        <source></source>
        <translation>Zálivka k vyřízení</translation>
    </message>
    <message id="Reminders Due">
        <source></source>
        <translation>Připomínky k vyřízení</translation>
    </message>
    <message id="%1:">
        <source></source>
        <translation>%1:</translation>
    </message>
    <message id="no collection at %1">
        <source></source>
        <translation>v %1 není žádná sbírka</translation>
    </message>
    <message id="no snapshot was kept: %1">
        <source></source>
        <translation>nebyl uložen žádný snímek: %1</translation>
    </message>
    <message id="%1 has no snapshot named %2 (spinora-cli backups %1 lists them); nothing was changed">
        <source></source>
        <translation>%1 nemá snímek s názvem %2 (vypíše je spinora-cli backups %1); nic nebylo změněno</translation>
    </message>
    <message id="%1 was not restored: %2">
        <source></source>
        <translation>%1 nebylo obnoveno: %2</translation>
    </message>
    <message id="the collection as it was is kept as %1">
        <source></source>
        <translation>sbírka v předchozím stavu je uložena jako %1</translation>
    </message>
    <message id="%1 needs a value">
        <source></source>
        <translation>%1 vyžaduje hodnotu</translation>
    </message>
    <message id="usage: %1">
        <source></source>
        <translation>použití: %1</translation>
    </message>
    <message id="%1 must be a whole number from %2 to %3, not “%4”">
        <source></source>
        <translation>%1 musí být celé číslo od %2 do %3, nikoli „%4“</translation>
    </message>
    <message id="%1 must be a local date and time as YYYY-MM-DD HH:MM, not “%2”">
        <source></source>
        <translation>%1 musí být místní datum a čas ve formátu YYYY-MM-DD HH:MM, nikoli „%2“</translation>
    </message>
    <message id="the collection could not be written">
        <source></source>
        <translation>do sbírky nešlo zapisovat</translation>
    </message>
    <message id="%1 is damaged: %2 Nothing was changed. “spinora-cli backups %1” lists its snapshots and “spinora-cli restore %1 SNAPSHOT” brings one back.">
        <source></source>
        <translation>Sbírka %1 je poškozená: %2 Nic nebylo změněno. „spinora-cli backups %1“ vypíše její snímky a „spinora-cli restore %1 SNAPSHOT“ jeden z nich obnoví.</translation>
    </message>
    <message id="its photo file %1 is missing.">
        <source></source>
        <translation>chybí její soubor s fotografií %1.</translation>
    </message>
    <message id="%1 photo files are missing, the first %2.">
        <source></source>
        <translation>Chybí soubory s fotografiemi (%1), první je %2.</translation>
    </message>
    <message id="%1: a collection's name must end in .%2">
        <source></source>
        <translation>%1: název sbírky musí končit na .%2</translation>
    </message>
    <message id="%1 already exists; nothing was changed">
        <source></source>
        <translation>%1 již existuje; nic nebylo změněno</translation>
    </message>
    <message id="the folder %1 does not exist">
        <source></source>
        <translation>složka %1 neexistuje</translation>
    </message>
    <message id="the sample could not be written">
        <source></source>
        <translation>ukázku nešlo zapsat</translation>
    </message>
    <message id="created %1 with %2 cacti, %3 watering schedules, %4 logs and %5 photos">
        <source></source>
        <translation>vytvořeno %1 s kaktusy (%2), plány zálivky (%3), záznamy (%4) a fotografiemi (%5)</translation>
    </message>
    <message id="list what? “%1” is not cacti, watering or logs">
        <source></source>
        <translation>co vypsat? „%1“ není cacti, watering ani logs</translation>
    </message>
    <message id="at most three --no-water periods">
        <source></source>
        <translation>nejvýše tři období --no-water</translation>
    </message>
    <message id="--no-water must be MM-DD:MM-DD with real days, not “%1”">
        <source></source>
        <translation>--no-water musí být ve formátu MM-DD:MM-DD se skutečnými dny, nikoli „%1“</translation>
    </message>
    <message id="warning: %1">
        <source></source>
        <translation>varování: %1</translation>
    </message>
    <message id="there is no session bus to post the notification on (%1)">
        <source></source>
        <translation>neexistuje sběrnice sezení, na kterou by šlo oznámení odeslat (%1)</translation>
    </message>
    <message id="no notification service answers on the session bus (%1)">
        <source></source>
        <translation>na sběrnici sezení neodpovídá žádná služba oznámení (%1)</translation>
    </message>
    <message id="the notification service refused the notification (%1)">
        <source></source>
        <translation>služba oznámení oznámení odmítla (%1)</translation>
    </message>
    <message id="%1 wants a device address such as http://host:port, not “%2”">
        <source></source>
        <translation>%1 vyžaduje adresu zařízení, například http://host:port, nikoli „%2“</translation>
    </message>
    <message id="the import failed; nothing was changed">
        <source></source>
        <translation>import selhal; nic nebylo změněno</translation>
    </message>
    <message id="the import failed; nothing was changed: %1">
        <source></source>
        <translation>import selhal; nic nebylo změněno: %1</translation>
    </message>
    <message id="download failed: %1">
        <source></source>
        <translation>stahování selhalo: %1</translation>
    </message>
    <message id="upload failed: %1 - %2">
        <source></source>
        <translation>nahrávání selhalo: %1 - %2</translation>
    </message>
    <message id="service discovery failed: %1; it needs the avahi-daemon service (start it with &quot;systemctl start avahi-daemon&quot;)">
        <source></source>
        <translation>zjišťování služeb selhalo: %1; vyžaduje službu avahi-daemon (spusťte ji příkazem &quot;systemctl start avahi-daemon&quot;)</translation>
    </message>
    <message id="pull needs --from URL">
        <source></source>
        <translation>pull vyžaduje --from URL</translation>
    </message>
    <message id="import option %1 does not fit a device in mode %2: %3">
        <source></source>
        <translation>možnost importu %1 neodpovídá zařízení v režimu %2: %3</translation>
    </message>
    <message id="push needs --to URL">
        <source></source>
        <translation>push vyžaduje --to URL</translation>
    </message>
    <message id="%1 Add --force to replace it.">
        <source></source>
        <translation>%1 Chcete-li jej nahradit, přidejte --force.</translation>
    </message>
    <message id="%1 Nothing was written.">
        <source></source>
        <translation>%1 Nic nebylo zapsáno.</translation>
    </message>
    <message id="Exporting to the open collection itself is not permitted">
        <source></source>
        <translation>Export do samotné otevřené sbírky není povolen</translation>
    </message>
    <message id="%1: use export-csv for CSV files">
        <source></source>
        <translation>%1: pro soubory CSV použijte export-csv</translation>
    </message>
    <message id="%1: a CSV file's name must end in .csv">
        <source></source>
        <translation>%1: název souboru CSV musí končit na .csv</translation>
    </message>
    <message id="Writing a report into the open collection itself is not permitted">
        <source></source>
        <translation>Zápis přehledu do samotné otevřené sbírky není povolen</translation>
    </message>
    <message id="the file %1 could not be written">
        <source></source>
        <translation>soubor %1 nešlo zapsat</translation>
    </message>
    <message id="nothing to import at %1">
        <source></source>
        <translation>v %1 není nic k importu</translation>
    </message>
    <message id="--map is for CSV files">
        <source></source>
        <translation>--map je určeno pro soubory CSV</translation>
    </message>
    <message id="--map: %1">
        <source></source>
        <translation>--map: %1</translation>
    </message>
    <message id="Importing from the open collection itself is not permitted">
        <source></source>
        <translation>Import ze samotné otevřené sbírky není povolen</translation>
    </message>
    <message id="--page-size must be A4 or Letter, not “%1”">
        <source></source>
        <translation>--page-size musí být A4 nebo Letter, nikoli „%1“</translation>
    </message>
    <message id="--record must be a record's key (a whole number), not “%1”">
        <source></source>
        <translation>--record musí být klíč položky (celé číslo), nikoli „%1“</translation>
    </message>
    <message id="--record needs a sheet screen (3, 4 or 5)">
        <source></source>
        <translation>--record vyžaduje obrazovku listu (3, 4 nebo 5)</translation>
    </message>
    <message id="the collection has no cactus with the key %1">
        <source></source>
        <translation>sbírka neobsahuje kaktus s klíčem %1</translation>
    </message>
    <message id="the collection has no cactus to print">
        <source></source>
        <translation>sbírka neobsahuje žádný kaktus k tisku</translation>
    </message>
    <message id="the collection has no watering schedule with the key %1">
        <source></source>
        <translation>sbírka neobsahuje plán zálivky s klíčem %1</translation>
    </message>
    <message id="the collection has no watering schedule to print">
        <source></source>
        <translation>sbírka neobsahuje žádný plán zálivky k tisku</translation>
    </message>
    <message id="the collection has no log with the key %1">
        <source></source>
        <translation>sbírka neobsahuje záznam s klíčem %1</translation>
    </message>
    <message id="the collection has no log to print">
        <source></source>
        <translation>sbírka neobsahuje žádný záznam k tisku</translation>
    </message>
    <message id="--layout must be a4-3x8 or letter-3x10, not “%1”">
        <source></source>
        <translation>--layout musí být a4-3x8 nebo letter-3x10, nikoli „%1“</translation>
    </message>
    <message id="no cactus matches “%1”">
        <source></source>
        <translation>žádný kaktus neodpovídá „%1“</translation>
    </message>
    <message id="due">
        <source></source>
        <translation>k vyřízení</translation>
    </message>
    <message id="1 day overdue">
        <source></source>
        <translation>1 den po termínu</translation>
    </message>
    <message id="%1 days overdue">
        <source></source>
        <translation>%1 dní po termínu</translation>
    </message>
    <message id="nothing due">
        <source></source>
        <translation>nic k vyřízení</translation>
    </message>
    <message id="(no schedule)">
        <source></source>
        <translation>(žádný plán)</translation>
    </message>
    <message id="(no plants)">
        <source></source>
        <translation>(žádné rostliny)</translation>
    </message>
    <message id="%1: %2, next watering %3, %4">
        <source></source>
        <translation>%1: %2, příští zálivka %3, %4</translation>
    </message>
    <message id="reminder: %1, %2">
        <source></source>
        <translation>připomínka: %1, %2</translation>
    </message>
    <message id="reminder: %1 (%2), %3">
        <source></source>
        <translation>připomínka: %1 (%2), %3</translation>
    </message>
    <message id="1 plant to water">
        <source></source>
        <translation>1 rostlina k zalití</translation>
    </message>
    <message id="%1 plants to water">
        <source></source>
        <translation>Rostliny k zalití: %1</translation>
    </message>
    <message id="1 reminder">
        <source></source>
        <translation>1 připomínka</translation>
    </message>
    <message id="%1 reminders">
        <source></source>
        <translation>Připomínky: %1</translation>
    </message>
    <message id="%1 and %2">
        <source></source>
        <translation>%1 a %2</translation>
    </message>
    <message id="%1 today">
        <source></source>
        <translation>%1 dnes</translation>
    </message>
    <message id="%1 by %2">
        <source></source>
        <translation>%1 podle %2</translation>
    </message>
    <message id="%1 and %2 more">
        <source></source>
        <translation>%1 a %2 dalších</translation>
    </message>
    <message id="nothing due: no notification">
        <source></source>
        <translation>nic k vyřízení: žádné oznámení</translation>
    </message>
    <message id="%1 could not be started">
        <source></source>
        <translation>%1 nešlo spustit</translation>
    </message>
    <message id="--on must be a date as YYYY-MM-DD, not “%1”">
        <source></source>
        <translation>--on musí být datum ve formátu YYYY-MM-DD, nikoli „%1“</translation>
    </message>
    <message id="no collection named and no recent collection to check">
        <source></source>
        <translation>nebyla zadána žádná sbírka a není žádná nedávná sbírka ke kontrole</translation>
    </message>
    <message id="--at %1 lies in the future; a watering can only be recorded once it is done">
        <source></source>
        <translation>--at %1 je v budoucnosti; zálivku lze zaznamenat, až když proběhne</translation>
    </message>
    <message id="no watering schedule is named “%1”; nothing was changed">
        <source></source>
        <translation>žádný plán zálivky se nejmenuje „%1“; nic nebylo změněno</translation>
    </message>
    <message id="no cactus is named “%1”; nothing was changed">
        <source></source>
        <translation>žádný kaktus se nejmenuje „%1“; nic nebylo změněno</translation>
    </message>
    <message id="the watering could not be recorded">
        <source></source>
        <translation>zálivku nešlo zaznamenat</translation>
    </message>
    <message id="unknown subcommand “%1” (see spinora-cli --help)">
        <source></source>
        <translation>neznámý podpříkaz „%1“ (viz spinora-cli --help)</translation>
    </message>
    <message id="The latest changes to “%1” could not be written: %2">
        <source></source>
        <translation>Poslední změny v „%1“ nešlo zapsat: %2</translation>
    </message>
    <message id="The window stays open so that they are not lost. Make room and close it again, or save the collection somewhere else.">
        <source></source>
        <translation>Okno zůstane otevřené, aby se změny neztratily. Uvolněte místo a zavřete jej znovu, nebo sbírku uložte jinam.</translation>
    </message>
    <message id="the photo could not be written into the collection (is the disk full?)">
        <source></source>
        <translation>fotografii nešlo zapsat do sbírky (není disk plný?)</translation>
    </message>
    <message id="unknown option %1">
        <source></source>
        <translation>neznámá možnost %1</translation>
    </message>
    <message id="name at least one --schedule or --cactus">
        <source></source>
        <translation>zadejte alespoň jeden --schedule nebo --cactus</translation>
    </message>
    <message id="&lt; 1 year">
        <source></source>
        <translation>&lt; 1 rok</translation>
    </message>
    <message id="%n years" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n rok</numerusform>
            <numerusform>%n roky</numerusform>
            <numerusform>%n let</numerusform>
        </translation>
    </message>
    <message id="Columns of %1">
        <source></source>
        <translation>Sloupce souboru %1</translation>
    </message>
    <message id="This file is not in the Spinora CSV template layout. Choose what each column holds; its first rows are shown below it.">
        <source></source>
        <translation>Tento soubor nemá rozvržení šablony CSV aplikace Spinora. Zvolte, co který sloupec obsahuje; pod ním jsou zobrazeny jeho první řádky.</translation>
    </message>
    <message id="Columns of the file">
        <source></source>
        <translation>Sloupce souboru</translation>
    </message>
    <message id="Field of the column “%1”">
        <source></source>
        <translation>Pole sloupce „%1“</translation>
    </message>
    <message id="Skip">
        <source></source>
        <translation>Přeskočit</translation>
    </message>
    <message id="Choose the column that holds the plants' names.">
        <source></source>
        <translation>Zvolte sloupec s názvy rostlin.</translation>
    </message>
    <message id="%n hours" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n hodina</numerusform>
            <numerusform>%n hodiny</numerusform>
            <numerusform>%n hodin</numerusform>
        </translation>
    </message>
    <message id="%n days" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n den</numerusform>
            <numerusform>%n dny</numerusform>
            <numerusform>%n dní</numerusform>
        </translation>
    </message>
    <message id="%n weeks" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n týden</numerusform>
            <numerusform>%n týdny</numerusform>
            <numerusform>%n týdnů</numerusform>
        </translation>
    </message>
    <message id="%n months" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n měsíc</numerusform>
            <numerusform>%n měsíce</numerusform>
            <numerusform>%n měsíců</numerusform>
        </translation>
    </message>
    <message id="Keep the &amp;original file of each photo added (full detail, date taken)">
        <source></source>
        <translation>Ponechat &amp;původní soubor každé přidané fotografie (plné detaily, datum pořízení)</translation>
    </message>
    <message id="The originals take %1 in the open collections.">
        <source></source>
        <translation>Originály zabírají v otevřených sbírkách %1.</translation>
    </message>
    <message id="Print Photo…">
        <source></source>
        <translation>Vytisknout fotografii…</translation>
    </message>
    <message id="Print the photo on a page">
        <source></source>
        <translation>Vytisknout fotografii na jednu stránku</translation>
    </message>
    <message id="Taken on %1 at %2">
        <source></source>
        <translation>Pořízeno %1 v %2</translation>
    </message>
</context>
</TS>
