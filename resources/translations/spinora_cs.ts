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
    <message id="%1 of its photo files are missing, the first “%2”.">
        <source></source>
        <translation>Chybějící soubory fotografií: %1, první z nich „%2“.</translation>
    </message>
    <message id="The collection “%1” is damaged, so it was not opened.">
        <source></source>
        <translation>Sbírka „%1“ je poškozená, proto nebyla otevřena.</translation>
    </message>
    <message id="The newest good snapshot was taken on %1 and holds %2 plants, %3 logs and %4 photos. Restoring it replaces the collection; the damaged one is kept as a snapshot first.">
        <source></source>
        <translation>Nejnovější nepoškozený snímek byl pořízen %1 a obsahuje rostliny (%2), záznamy (%3) a fotografie (%4). Jeho obnovení nahradí sbírku; poškozená sbírka se nejprve uloží jako snímek.</translation>
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
    <message id="The collection will hold %1 plants, %2 logs and %3 photos. Its current state is kept as a snapshot first, so this can be undone by restoring that one.">
        <source></source>
        <translation>Sbírka bude obsahovat rostliny (%1), záznamy (%2) a fotografie (%3). Její současný stav se nejprve uloží jako snímek, takže tento krok lze vrátit obnovením tohoto snímku.</translation>
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
    <message id="The app will ask what you want to import.">
        <source></source>
        <translation>Aplikace se zeptá, co chcete importovat.</translation>
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
    <message id="Line %1, column %2 (%3): &quot;%4&quot; could not be read and was not imported.">
        <source></source>
        <translation>Řádek %1, sloupec %2 (%3): „%4“ nešlo přečíst a nebylo importováno.</translation>
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
    <message id="The file is not in the Spinora CSV template layout and these columns could not be placed: &quot;%1&quot;. Give each column its field, for example --map &quot;%2&quot; (the fields are %3).">
        <source></source>
        <translation>Soubor neodpovídá rozvržení šablony Spinora CSV a tyto sloupce nešlo zařadit: „%1“. Přiřaďte každému sloupci jeho pole, například --map &quot;%2&quot; (pole jsou %3).</translation>
    </message>
    <message id="&quot;%1&quot; is no COLUMN=FIELD pair.">
        <source></source>
        <translation>„%1“ není dvojice SLOUPEC=POLE.</translation>
    </message>
    <message id="&quot;%1&quot; is no field; the fields are %2.">
        <source></source>
        <translation>„%1“ není pole; pole jsou %2.</translation>
    </message>
    <message id="The file has no column &quot;%1&quot;.">
        <source></source>
        <translation>Soubor nemá sloupec „%1“.</translation>
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
    <message id="There is no file &quot;%1&quot;.">
        <source></source>
        <translation>Soubor „%1“ neexistuje.</translation>
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
    <message id="&quot;%1&quot; already exists. Do you want to replace it?">
        <source></source>
        <translation>„%1“ již existuje. Chcete jej nahradit?</translation>
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
    <message id="%1 labels">
        <source></source>
        <translation>štítků: %1</translation>
    </message>
    <message id="1 page">
        <source></source>
        <translation>1 strana</translation>
    </message>
    <message id="%1 pages">
        <source></source>
        <translation>stran: %1</translation>
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
    <message id="Nothing was printed: the printer &quot;%1&quot; could not be used.">
        <source></source>
        <translation>Nic nebylo vytištěno: tiskárnu „%1“ nešlo použít.</translation>
    </message>
    <message id="Nothing was printed: the file &quot;%1&quot; could not be written.">
        <source></source>
        <translation>Nic nebylo vytištěno: do souboru „%1“ nešlo zapisovat.</translation>
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
</context>
<context>
    <name>PhotoStore</name>
    <message>
        <source>the photo could not be written into the collection (is the disk full?)</source>
        <translation>fotografii nešlo zapsat do sbírky (není disk plný?)</translation>
    </message>
</context>
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <source>Page setup</source>
        <translation>Nastavení stránky</translation>
    </message>
</context>
<context>
    <name>Spinora</name>
    <message>
        <source>name|plant|plant name|cactus|label</source>
        <translation>název|rostlina|název rostliny|kaktus|štítek</translation>
    </message>
    <message>
        <source>scientific|scientific name|botanical name|latin name|taxon|genus|species</source>
        <translation>vědecký|vědecký název|botanický název|latinský název|taxon|rod|druh</translation>
    </message>
    <message>
        <source>common|common name</source>
        <translation>lidový|lidový název</translation>
    </message>
    <message>
        <source>type|plant type</source>
        <translation>typ|typ rostliny</translation>
    </message>
    <message>
        <source>watering|schedule|watering schedule</source>
        <translation>zálivka|plán|plán zálivky</translation>
    </message>
    <message>
        <source>last watered</source>
        <translation>poslední zálivka</translation>
    </message>
    <message>
        <source>next watering</source>
        <translation>příští zálivka</translation>
    </message>
    <message>
        <source>planted|plant date|date planted|sown</source>
        <translation>vysazeno|datum výsadby|datum vysazení|vyseto</translation>
    </message>
    <message>
        <source>source|origin</source>
        <translation>původ|zdroj</translation>
    </message>
    <message>
        <source>acquired|date acquired|bought|purchased|purchase date</source>
        <translation>pořízeno|datum pořízení|koupeno|zakoupeno|datum nákupu</translation>
    </message>
    <message>
        <source>price|purchase price|cost|paid</source>
        <translation>cena|kupní cena|náklady|zaplaceno</translation>
    </message>
    <message>
        <source>value|worth</source>
        <translation>hodnota|cena</translation>
    </message>
    <message>
        <source>location|place|position|bench|greenhouse</source>
        <translation>umístění|místo|stanoviště|stůl|skleník</translation>
    </message>
    <message>
        <source>height</source>
        <translation>výška</translation>
    </message>
    <message>
        <source>width|diameter</source>
        <translation>šířka|průměr</translation>
    </message>
    <message>
        <source>weight</source>
        <translation>hmotnost</translation>
    </message>
    <message>
        <source>light|sun</source>
        <translation>světlo|slunce</translation>
    </message>
    <message>
        <source>temperature|temp|min temp</source>
        <translation>teplota|tepl|min tepl</translation>
    </message>
    <message>
        <source>pot size|pot</source>
        <translation>velikost květináče|květináč</translation>
    </message>
    <message>
        <source>pot shape|shape</source>
        <translation>tvar květináče|tvar</translation>
    </message>
    <message>
        <source>pot material|material</source>
        <translation>materiál květináče|materiál</translation>
    </message>
    <message>
        <source>notes|note|comments|comment|remarks|description</source>
        <translation>poznámky|poznámka|komentáře|komentář|připomínky|popis</translation>
    </message>
    <message>
        <source>id|#|no|no.|number|photo|photos|image|picture</source>
        <translation>id|#|č|č.|číslo|foto|fotografie|obrázek|snímek</translation>
    </message>
</context>
<context>
    <name>spinora</name>
    <message>
        <source>Photos</source>
        <translation>Fotografie</translation>
    </message>
</context>
<context>
    <name>spinora::EventViewController</name>
    <message>
        <source>No</source>
        <translation>Ne</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ano</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Upozornění</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Zaneprázdněn</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>Volno</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Název</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>Začátek</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>Konec</translation>
    </message>
    <message>
        <source>All-Day</source>
        <translation>Celodenní</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalendář</translation>
    </message>
    <message>
        <source>Availability</source>
        <translation>Dostupnost</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Odstranit</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>Kept in %1. To see these reminders in your desktop calendar, add this file to it as a calendar.</source>
        <translation>Uloženo v %1. Chcete-li tyto připomínky vidět v kalendáři na pracovní ploše, přidejte do něj tento soubor jako kalendář.</translation>
    </message>
    <message>
        <source>Add New Event</source>
        <translation>Přidat novou událost</translation>
    </message>
    <message>
        <source>Edit Event</source>
        <translation>Upravit událost</translation>
    </message>
</context>
<context>
    <name>spinora::PhotoGridViewController</name>
    <message>
        <source>All Photos</source>
        <translation>Všechny fotografie</translation>
    </message>
    <message>
        <source>Add Photos…</source>
        <translation>Přidat fotografie…</translation>
    </message>
    <message>
        <source>Add photos from picture files. You can also drop picture files on the grid.</source>
        <translation>Přidat fotografie ze souborů s obrázky. Soubory s obrázky můžete také přetáhnout do mřížky.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Smazat</translation>
    </message>
    <message>
        <source>Size of the photos</source>
        <translation>Velikost fotografií</translation>
    </message>
    <message>
        <source>Adding photos</source>
        <translation>Přidávání fotografií</translation>
    </message>
    <message>
        <source>Add Photos</source>
        <translation>Přidat fotografie</translation>
    </message>
    <message>
        <source>Pictures (*.jpg *.jpeg *.png *.gif *.tif *.tiff *.bmp)</source>
        <translation>Obrázky (*.jpg *.jpeg *.png *.gif *.tif *.tiff *.bmp)</translation>
    </message>
    <message>
        <source>No collection is open.</source>
        <translation>Není otevřena žádná sbírka.</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>VAROVÁNÍ</translation>
    </message>
    <message>
        <source>This file was not added:</source>
        <translation>Tento soubor nebyl přidán:</translation>
    </message>
    <message>
        <source>These files were not added:</source>
        <translation>Tyto soubory nebyly přidány:</translation>
    </message>
</context>
<context>
    <name>spinora::PhotoViewController</name>
    <message>
        <source>Caption</source>
        <translation>Popisek</translation>
    </message>
</context>
<context>
    <name>spinora::ReportExport</name>
    <message>
        <source>photos</source>
        <translation>fotografie</translation>
    </message>
    <message>
        <source>Cacti Report</source>
        <translation>Přehled kaktusů</translation>
    </message>
    <message>
        <source>Exported from %1 v%2 on %3</source>
        <translation>Exportováno z %1 v%2 dne %3</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Souhrn</translation>
    </message>
    <message>
        <source>Total Cacti</source>
        <translation>Celkem kaktusů</translation>
    </message>
    <message>
        <source>Total Watering Schedules</source>
        <translation>Celkem plánů zálivky</translation>
    </message>
    <message>
        <source>Total Log Entries</source>
        <translation>Celkem záznamů</translation>
    </message>
    <message>
        <source>Unique Species</source>
        <translation>Počet druhů</translation>
    </message>
    <message>
        <source>Total Value</source>
        <translation>Celková hodnota</translation>
    </message>
    <message>
        <source>Log History</source>
        <translation>Historie záznamů</translation>
    </message>
    <message>
        <source>No Event Name</source>
        <translation>Bez názvu události</translation>
    </message>
    <message>
        <source>No Notes</source>
        <translation>Bez poznámek</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Žádný</translation>
    </message>
    <message>
        <source>No Water Between</source>
        <translation>Bez zálivky v období</translation>
    </message>
    <message>
        <source>Cacti To Water</source>
        <translation>Kaktusy k zalití</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ano</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ne</translation>
    </message>
</context>
</TS>
