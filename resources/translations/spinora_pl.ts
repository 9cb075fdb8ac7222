<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name></name>
    <message id="Daily">
        <source></source>
        <translation>Codziennie</translation>
    </message>
    <message id="Before an import">
        <source></source>
        <translation>Przed importem</translation>
    </message>
    <message id="Before a restore">
        <source></source>
        <translation>Przed przywróceniem</translation>
    </message>
    <message id="Kept by hand">
        <source></source>
        <translation>Utworzona ręcznie</translation>
    </message>
    <message id="%1, damaged">
        <source></source>
        <translation>%1, uszkodzona</translation>
    </message>
    <message id="Restore “%1” From Backup">
        <source></source>
        <translation>Przywróć „%1” z kopii zapasowej</translation>
    </message>
    <message id="Snapshots are kept every day, before each import and before each restore. Open one to look at it or to import records from it, or restore the whole collection as it was.">
        <source></source>
        <translation>Migawki są tworzone codziennie, przed każdym importem i przed każdym przywróceniem. Otwórz jedną, aby ją przejrzeć lub zaimportować z niej dane, albo przywróć całą kolekcję do stanu z tamtej chwili.</translation>
    </message>
    <message id="Snapshots">
        <source></source>
        <translation>Migawki</translation>
    </message>
    <message id="&amp;Open Backup">
        <source></source>
        <translation>&amp;Otwórz kopię zapasową</translation>
    </message>
    <message id="&amp;Restore…">
        <source></source>
        <translation>P&amp;rzywróć…</translation>
    </message>
    <message id="Spinora cannot set a daily reminder on this desktop: its login entry %1 could not be written.">
        <source></source>
        <translation>Spinora nie może ustawić codziennego przypomnienia na tym pulpicie: nie udało się zapisać pozycji autostartu %1.</translation>
    </message>
    <message id="This desktop cannot wake Spinora at a set time, so it will look for plants to water each time you log in instead of every day at %1.">
        <source></source>
        <translation>To środowisko pulpitu nie może uruchomić programu Spinora o ustalonej godzinie, więc będzie on szukać roślin do podlania przy każdym logowaniu zamiast codziennie o %1.</translation>
    </message>
    <message id="Restore From Backup…">
        <source></source>
        <translation>Przywróć z kopii zapasowej…</translation>
    </message>
    <message id="&amp;Keep snapshots of each collection: daily, and before each import or restore">
        <source></source>
        <translation>&amp;Przechowuj migawki każdej kolekcji: codziennie oraz przed każdym importem lub przywróceniem</translation>
    </message>
    <message id="&amp;Folder:">
        <source></source>
        <translation>&amp;Katalog:</translation>
    </message>
    <message id="C&amp;hoose…">
        <source></source>
        <translation>&amp;Wybierz…</translation>
    </message>
    <message id=" GB">
        <source></source>
        <translation> GB</translation>
    </message>
    <message id="&amp;Use at most:">
        <source></source>
        <translation>&amp;Używaj maksymalnie:</translation>
    </message>
    <message id="Snapshot Folder">
        <source></source>
        <translation>Katalog migawek</translation>
    </message>
    <message id="Restore Snapshot">
        <source></source>
        <translation>Przywróć migawkę</translation>
    </message>
    <message id="Open Anyway">
        <source></source>
        <translation>Otwórz mimo to</translation>
    </message>
    <message id="Its photo file “%1” is missing.">
        <source></source>
        <translation>Brakuje pliku zdjęcia „%1”.</translation>
    </message>
    <message id="The collection “%1” is damaged, so it was not opened.">
        <source></source>
        <translation>Kolekcja „%1” jest uszkodzona, dlatego nie została otwarta.</translation>
    </message>
    <message id="There is no snapshot of it to restore.">
        <source></source>
        <translation>Nie ma migawki, z której można ją przywrócić.</translation>
    </message>
    <message id="The snapshot could not be restored: %1">
        <source></source>
        <translation>Nie udało się przywrócić migawki: %1</translation>
    </message>
    <message id="%1. The collection is open as usual; free some space or choose another backup folder in Preferences.">
        <source></source>
        <translation>%1. Kolekcja jest otwarta jak zwykle; zwolnij trochę miejsca lub wybierz inny katalog kopii zapasowych w Preferencjach.</translation>
    </message>
    <message id="Restore “%1” as it was on %2?">
        <source></source>
        <translation>Przywrócić „%1” do stanu z %2?</translation>
    </message>
    <message id="Restore">
        <source></source>
        <translation>Przywróć</translation>
    </message>
    <message id="The collection was not restored: %1">
        <source></source>
        <translation>Kolekcja nie została przywrócona: %1</translation>
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
        <translation>Nie znaleziono urządzeń. Uruchom aplikację Spinora na iPhonie, iPadzie lub iPodzie touch i wybierz Kopia zapasowa bazy danych lub Eksport danych na ekranie Narzędzia.</translation>
    </message>
    <message id="No devices found. Load Spinora on your iPhone, iPad, or iPod touch, and select Restore Database or Import Data on the Tools screen.">
        <source></source>
        <translation>Nie znaleziono urządzeń. Uruchom aplikację Spinora na iPhonie, iPadzie lub iPodzie touch i wybierz Przywróć bazę danych lub Import danych na ekranie Narzędzia.</translation>
    </message>
    <message id="Select a device from the list.">
        <source></source>
        <translation>Wybierz urządzenie z listy.</translation>
    </message>
    <message id="No devices found: the search for devices on the network failed (%1). It needs the avahi-daemon service: start it (for example with &quot;systemctl start avahi-daemon&quot;), then open this window again.">
        <source></source>
        <translation>Nie znaleziono urządzeń: wyszukiwanie urządzeń w sieci nie powiodło się (%1). Wymaga ono usługi avahi-daemon: uruchom ją (na przykład poleceniem &quot;systemctl start avahi-daemon&quot;), a następnie ponownie otwórz to okno.</translation>
    </message>
    <message id="it stopped">
        <source></source>
        <translation>zostało przerwane</translation>
    </message>
    <message id="Click the Export button to send the database to your device.">
        <source></source>
        <translation>Kliknij przycisk Eksportuj, aby wysłać bazę danych do urządzenia.</translation>
    </message>
    <message id="Import Complete">
        <source></source>
        <translation>Import zakończony</translation>
    </message>
    <message id="Database import complete!">
        <source></source>
        <translation>Import bazy danych zakończony!</translation>
    </message>
    <message id="Import Error">
        <source></source>
        <translation>Błąd importu</translation>
    </message>
    <message id="An error occurred during the import! Database import was aborted and no changes were made.">
        <source></source>
        <translation>Podczas importu wystąpił błąd! Import bazy danych został przerwany i nie wprowadzono żadnych zmian.</translation>
    </message>
    <message id="WARNING">
        <source></source>
        <translation>OSTRZEŻENIE</translation>
    </message>
    <message id="Error transferring database!">
        <source></source>
        <translation>Błąd podczas przesyłania bazy danych!</translation>
    </message>
    <message id="Check Device">
        <source></source>
        <translation>Sprawdź urządzenie</translation>
    </message>
    <message id="Database transferred! Check your device for further instructions.">
        <source></source>
        <translation>Baza danych została przesłana! Dalsze instrukcje znajdziesz na urządzeniu.</translation>
    </message>
    <message id="No collection is open.">
        <source></source>
        <translation>Żadna kolekcja nie jest otwarta.</translation>
    </message>
    <message id="The request timed out.">
        <source></source>
        <translation>Upłynął limit czasu żądania.</translation>
    </message>
    <message id="Not a device address: %1">
        <source></source>
        <translation>To nie jest adres urządzenia: %1</translation>
    </message>
    <message id="No folder for temporary files.">
        <source></source>
        <translation>Brak katalogu na pliki tymczasowe.</translation>
    </message>
    <message id="HTTP error %1">
        <source></source>
        <translation>Błąd HTTP %1</translation>
    </message>
    <message id="The file on the device is larger than %1 MB.">
        <source></source>
        <translation>Plik na urządzeniu jest większy niż %1 MB.</translation>
    </message>
    <message id="The device did not send a Spinora database.">
        <source></source>
        <translation>Urządzenie nie wysłało bazy danych programu Spinora.</translation>
    </message>
    <message id="The device closed the connection before the whole file had arrived.">
        <source></source>
        <translation>Urządzenie zamknęło połączenie, zanim dotarł cały plik.</translation>
    </message>
    <message id="The downloaded file could not be written.">
        <source></source>
        <translation>Nie udało się zapisać pobranego pliku.</translation>
    </message>
    <message id="File read error">
        <source></source>
        <translation>Błąd odczytu pliku</translation>
    </message>
    <message id="Stream open error">
        <source></source>
        <translation>Błąd otwarcia strumienia</translation>
    </message>
    <message id="Network write error">
        <source></source>
        <translation>Błąd zapisu w sieci</translation>
    </message>
    <message id="Import Options">
        <source></source>
        <translation>Opcje importu</translation>
    </message>
    <message id="Cancel">
        <source></source>
        <translation>Anuluj</translation>
    </message>
    <message id="Import">
        <source></source>
        <translation>Importuj</translation>
    </message>
    <message id="Export">
        <source></source>
        <translation>Eksportuj</translation>
    </message>
    <message id="Importing Database">
        <source></source>
        <translation>Importowanie bazy danych</translation>
    </message>
    <message id="Exporting Database">
        <source></source>
        <translation>Eksportowanie bazy danych</translation>
    </message>
    <message id="OK">
        <source></source>
        <translation>OK</translation>
    </message>
    <message id="A name is needed to save">
        <source></source>
        <translation>Do zapisania wymagana jest nazwa</translation>
    </message>
    <message id="Name">
        <source></source>
        <translation>Nazwa</translation>
    </message>
    <message id="Remove">
        <source></source>
        <translation>Usuń</translation>
    </message>
    <message id="Remove the currently selected species from the list.">
        <source></source>
        <translation>Usuń zaznaczony gatunek z listy.</translation>
    </message>
    <message id="Species">
        <source></source>
        <translation>Gatunek</translation>
    </message>
    <message id="New species are automatically added to the list when saving the Cactus Info">
        <source></source>
        <translation>Nowe gatunki są automatycznie dodawane do listy podczas zapisywania informacji o kaktusie</translation>
    </message>
    <message id="Type">
        <source></source>
        <translation>Typ</translation>
    </message>
    <message id="Open…">
        <source></source>
        <translation>Otwórz…</translation>
    </message>
    <message id="Open the watering schedule">
        <source></source>
        <translation>Otwórz harmonogram podlewania</translation>
    </message>
    <message id="Watering">
        <source></source>
        <translation>Podlewanie</translation>
    </message>
    <message id="Next Watering">
        <source></source>
        <translation>Następne podlewanie</translation>
    </message>
    <message id="Plant Date">
        <source></source>
        <translation>Data posadzenia</translation>
    </message>
    <message id="Age">
        <source></source>
        <translation>Wiek</translation>
    </message>
    <message id="Date Acquired">
        <source></source>
        <translation>Data nabycia</translation>
    </message>
    <message id="Changing the Last Watered date may cause watering for this plant to become out of sync with its associated watering schedule">
        <source></source>
        <translation>Zmiana daty ostatniego podlewania może spowodować, że podlewanie tej rośliny przestanie być zgodne z powiązanym harmonogramem podlewania</translation>
    </message>
    <message id="Remove Species">
        <source></source>
        <translation>Usuń gatunek</translation>
    </message>
    <message id="Purchase Price">
        <source></source>
        <translation>Cena zakupu</translation>
    </message>
    <message id="Value">
        <source></source>
        <translation>Wartość</translation>
    </message>
    <message id="Add Cactus">
        <source></source>
        <translation>Dodaj kaktusa</translation>
    </message>
    <message id="Edit Cactus">
        <source></source>
        <translation>Edytuj kaktusa</translation>
    </message>
    <message id="New Cactus">
        <source></source>
        <translation>Nowy kaktus</translation>
    </message>
    <message id="Cactus Info">
        <source></source>
        <translation>Informacje o kaktusie</translation>
    </message>
    <message id="Adding photos…">
        <source></source>
        <translation>Dodawanie zdjęć…</translation>
    </message>
    <message id="Keep Editing">
        <source></source>
        <translation>Kontynuuj edycję</translation>
    </message>
    <message id="%1: “%2” is not an amount such as %3.">
        <source></source>
        <translation>%1: „%2” nie jest kwotą (np. %3).</translation>
    </message>
    <message id="%1: a whole number of %2 or more is needed.">
        <source></source>
        <translation>%1: wymagana jest liczba całkowita nie mniejsza niż %2.</translation>
    </message>
    <message id="%1: “%2” is not a whole number of %3 or more.">
        <source></source>
        <translation>%1: „%2” nie jest liczbą całkowitą nie mniejszą niż %3.</translation>
    </message>
    <message id="%1 can hold at most %2 characters.">
        <source></source>
        <translation>%1: maksymalna liczba znaków to %2.</translation>
    </message>
    <message id="Of the %1 characters inserted, %2 fit.">
        <source></source>
        <translation>Wstawiono znaków: %1, zmieściło się: %2.</translation>
    </message>
    <message id="Insert the First %1">
        <source></source>
        <translation>Wstaw początek (%1 zn.)</translation>
    </message>
    <message id="Insert Nothing">
        <source></source>
        <translation>Nie wstawiaj niczego</translation>
    </message>
    <message id="Just Watered">
        <source></source>
        <translation>Właśnie podlano</translation>
    </message>
    <message id="Last Watered">
        <source></source>
        <translation>Ostatnie podlewanie</translation>
    </message>
    <message id="None Scheduled">
        <source></source>
        <translation>Nic nie zaplanowano</translation>
    </message>
    <message id="Reminder: No">
        <source></source>
        <translation>Przypomnienie: nie</translation>
    </message>
    <message id="Reminder: Yes">
        <source></source>
        <translation>Przypomnienie: tak</translation>
    </message>
    <message id="An event name is needed to save">
        <source></source>
        <translation>Do zapisania wymagana jest nazwa zdarzenia</translation>
    </message>
    <message id="Remove the event name from the list.">
        <source></source>
        <translation>Usuń nazwę zdarzenia z listy.</translation>
    </message>
    <message id="Event">
        <source></source>
        <translation>Zdarzenie</translation>
    </message>
    <message id="Date">
        <source></source>
        <translation>Data</translation>
    </message>
    <message id="Reminder">
        <source></source>
        <translation>Przypomnienie</translation>
    </message>
    <message id="Open the cactus">
        <source></source>
        <translation>Otwórz kaktusa</translation>
    </message>
    <message id="New…">
        <source></source>
        <translation>Nowy…</translation>
    </message>
    <message id="Add a new cactus">
        <source></source>
        <translation>Dodaj nowego kaktusa</translation>
    </message>
    <message id="Cactus">
        <source></source>
        <translation>Kaktus</translation>
    </message>
    <message id="Remove Event">
        <source></source>
        <translation>Usuń zdarzenie</translation>
    </message>
    <message id="Unnamed Cactus">
        <source></source>
        <translation>Kaktus bez nazwy</translation>
    </message>
    <message id="No Notes">
        <source></source>
        <translation>Brak notatek</translation>
    </message>
    <message id="Note">
        <source></source>
        <translation>Notatka</translation>
    </message>
    <message id="Add Log">
        <source></source>
        <translation>Dodaj wpis</translation>
    </message>
    <message id="Edit Log">
        <source></source>
        <translation>Edytuj wpis</translation>
    </message>
    <message id="New Log">
        <source></source>
        <translation>Nowy wpis</translation>
    </message>
    <message id="Log Info">
        <source></source>
        <translation>Informacje o wpisie</translation>
    </message>
    <message id="Photo %1">
        <source></source>
        <translation>Zdjęcie %1</translation>
    </message>
    <message id="Add Photo…">
        <source></source>
        <translation>Dodaj zdjęcie…</translation>
    </message>
    <message id="Add photos from files">
        <source></source>
        <translation>Dodaj zdjęcia z plików</translation>
    </message>
    <message id="Caption">
        <source></source>
        <translation>Podpis</translation>
    </message>
    <message id="Print">
        <source></source>
        <translation>Drukuj</translation>
    </message>
    <message id="Photos">
        <source></source>
        <translation>Zdjęcia</translation>
    </message>
    <message id="Notes">
        <source></source>
        <translation>Notatki</translation>
    </message>
    <message id="“%1” is already open in another window. Finish editing it there first.">
        <source></source>
        <translation>„%1” jest już otwarte w innym oknie. Najpierw zakończ tam edycję.</translation>
    </message>
    <message id="Cacti To Water">
        <source></source>
        <translation>Kaktusy do podlania</translation>
    </message>
    <message id="Close">
        <source></source>
        <translation>Zamknij</translation>
    </message>
    <message id="%1, Day">
        <source></source>
        <translation>%1, dzień</translation>
    </message>
    <message id="Water Every">
        <source></source>
        <translation>Podlewaj co</translation>
    </message>
    <message id="Quantity">
        <source></source>
        <translation>Ilość</translation>
    </message>
    <message id="Clear Date">
        <source></source>
        <translation>Wyczyść datę</translation>
    </message>
    <message id="No Water Between">
        <source></source>
        <translation>Bez podlewania między</translation>
    </message>
    <message id="Choose the cacti that follow this schedule">
        <source></source>
        <translation>Wybierz kaktusy podlewane według tego harmonogramu</translation>
    </message>
    <message id="Add Cacti">
        <source></source>
        <translation>Dodaj kaktusy</translation>
    </message>
    <message id="Remove the selected cacti from this schedule">
        <source></source>
        <translation>Usuń zaznaczone kaktusy z tego harmonogramu</translation>
    </message>
    <message id="Remove Cacti">
        <source></source>
        <translation>Usuń kaktusy</translation>
    </message>
    <message id="Remove Cactus">
        <source></source>
        <translation>Usuń kaktusa</translation>
    </message>
    <message id="Add Watering Schedule">
        <source></source>
        <translation>Dodaj harmonogram podlewania</translation>
    </message>
    <message id="Edit Watering Schedule">
        <source></source>
        <translation>Edytuj harmonogram podlewania</translation>
    </message>
    <message id="New Watering Schedule">
        <source></source>
        <translation>Nowy harmonogram podlewania</translation>
    </message>
    <message id="Watering Schedule Info">
        <source></source>
        <translation>Informacje o harmonogramie podlewania</translation>
    </message>
    <message id="Never">
        <source></source>
        <translation>Nigdy</translation>
    </message>
    <message id="Example Cactus">
        <source></source>
        <translation>Przykładowy kaktus</translation>
    </message>
    <message id="Greenhouse">
        <source></source>
        <translation>Szklarnia</translation>
    </message>
    <message id="One plant a line; empty columns are left out.">
        <source></source>
        <translation>Jedna roślina w wierszu; puste kolumny są pomijane.</translation>
    </message>
    <message id="Example Schedule">
        <source></source>
        <translation>Przykładowy harmonogram</translation>
    </message>
    <message id="Repotted">
        <source></source>
        <translation>Przesadzono</translation>
    </message>
    <message id="Cacti">
        <source></source>
        <translation>Kaktusy</translation>
    </message>
    <message id="Logs">
        <source></source>
        <translation>Wpisy</translation>
    </message>
    <message id="%1 more fields could not be read and were not imported.">
        <source></source>
        <translation>Nie udało się odczytać kolejnych pól (%1), więc nie zostały zaimportowane.</translation>
    </message>
    <message id="No column of the mapping gives the plants' names.">
        <source></source>
        <translation>Żadna kolumna przypisania nie zawiera nazw roślin.</translation>
    </message>
    <message id="(a column of plant names)">
        <source></source>
        <translation>(kolumna z nazwami roślin)</translation>
    </message>
    <message id="%1. Nothing was imported. Free some space or choose another backup folder in Preferences, then try again.">
        <source></source>
        <translation>%1. Nic nie zostało zaimportowane. Zwolnij trochę miejsca lub wybierz inny katalog kopii zapasowych w Preferencjach, a następnie spróbuj ponownie.</translation>
    </message>
    <message id="The import was saved, but the collection could not be read again (%1), so it was taken back.">
        <source></source>
        <translation>Import został zapisany, ale nie udało się ponownie odczytać kolekcji (%1), więc import został wycofany.</translation>
    </message>
    <message id="The import was saved, but the collection could not be read again (%1). This window still shows the collection as it was before: close it and open the collection again, or undo the import (Edit > Undo Import).">
        <source></source>
        <translation>Import został zapisany, ale nie udało się ponownie odczytać kolekcji (%1). To okno nadal pokazuje kolekcję w poprzednim stanie: zamknij je i otwórz kolekcję ponownie albo cofnij import (Edycja &gt; Cofnij import).</translation>
    </message>
    <message id="The import was saved, but the collection could not be read again (%1). This window still shows the collection as it was before: close it and open the collection again.">
        <source></source>
        <translation>Import został zapisany, ale nie udało się ponownie odczytać kolekcji (%1). To okno nadal pokazuje kolekcję w poprzednim stanie: zamknij je i otwórz kolekcję ponownie.</translation>
    </message>
    <message id="Cacti imported: %1">
        <source></source>
        <translation>Zaimportowane kaktusy: %1</translation>
    </message>
    <message id="Watering schedules imported: %1">
        <source></source>
        <translation>Zaimportowane harmonogramy podlewania: %1</translation>
    </message>
    <message id="Logs imported: %1">
        <source></source>
        <translation>Zaimportowane wpisy: %1</translation>
    </message>
    <message id="Not everything could be imported:">
        <source></source>
        <translation>Nie wszystko udało się zaimportować:</translation>
    </message>
    <message id="... and %1 more.">
        <source></source>
        <translation>... i jeszcze %1.</translation>
    </message>
    <message id="Report Folder">
        <source></source>
        <translation>Katalog raportu</translation>
    </message>
    <message id="Report File">
        <source></source>
        <translation>Plik raportu</translation>
    </message>
    <message id="Export Options">
        <source></source>
        <translation>Opcje eksportu</translation>
    </message>
    <message id="Browse">
        <source></source>
        <translation>Przeglądaj</translation>
    </message>
    <message id="Small photos">
        <source></source>
        <translation>Małe zdjęcia</translation>
    </message>
    <message id="Medium photos">
        <source></source>
        <translation>Średnie zdjęcia</translation>
    </message>
    <message id="Large photos">
        <source></source>
        <translation>Duże zdjęcia</translation>
    </message>
    <message id="Extra-Large photos">
        <source></source>
        <translation>Bardzo duże zdjęcia</translation>
    </message>
    <message id="Export to HTML Report">
        <source></source>
        <translation>Eksportuj do raportu HTML</translation>
    </message>
    <message id="Choose Folder">
        <source></source>
        <translation>Wybierz katalog</translation>
    </message>
    <message id="Exporting Report">
        <source></source>
        <translation>Eksportowanie raportu</translation>
    </message>
    <message id="Export Complete">
        <source></source>
        <translation>Eksport zakończony</translation>
    </message>
    <message id="Report export complete!">
        <source></source>
        <translation>Eksport raportu zakończony!</translation>
    </message>
    <message id="Export Error">
        <source></source>
        <translation>Błąd eksportu</translation>
    </message>
    <message id="An error occurred during report export.">
        <source></source>
        <translation>Podczas eksportu raportu wystąpił błąd.</translation>
    </message>
    <message id="Complete Database">
        <source></source>
        <translation>Cała baza danych</translation>
    </message>
    <message id="Cacti and Watering Schedules">
        <source></source>
        <translation>Kaktusy i harmonogramy podlewania</translation>
    </message>
    <message id="Watering Schedules">
        <source></source>
        <translation>Harmonogramy podlewania</translation>
    </message>
    <message id="Note: The CSV file must be formatted according to the Spinora CSV Template">
        <source></source>
        <translation>Uwaga: plik CSV musi być sformatowany zgodnie z szablonem CSV programu Spinora</translation>
    </message>
    <message id="save it">
        <source></source>
        <translation>zapisać</translation>
    </message>
    <message id="or be a spreadsheet of plants, one a line, whose column headers name their fields.">
        <source></source>
        <translation>lub być arkuszem kalkulacyjnym z roślinami, po jednej w wierszu, w którym nagłówki kolumn określają ich pola.</translation>
    </message>
    <message id="Choose">
        <source></source>
        <translation>Wybierz</translation>
    </message>
    <message id="The chosen folder is not a Spinora database. Please select a folder ending in .sdb, or the spinora.db file inside one.">
        <source></source>
        <translation>Wybrany katalog nie jest bazą danych programu Spinora. Wybierz katalog z końcówką .sdb lub znajdujący się w nim plik spinora.db.</translation>
    </message>
    <message id="Importing from a currently open database is not permitted. Please select another database for import.">
        <source></source>
        <translation>Import z aktualnie otwartej bazy danych jest niedozwolony. Wybierz inną bazę danych do importu.</translation>
    </message>
    <message id="Exporting to a currently open database is not permitted. Please select another database for export.">
        <source></source>
        <translation>Eksport do aktualnie otwartej bazy danych jest niedozwolony. Wybierz inną bazę danych do eksportu.</translation>
    </message>
    <message id="Database export complete!">
        <source></source>
        <translation>Eksport bazy danych zakończony!</translation>
    </message>
    <message id="An error occurred during the export! Database export was aborted and no changes were made.">
        <source></source>
        <translation>Podczas eksportu wystąpił błąd! Eksport bazy danych został przerwany i nie wprowadzono żadnych zmian.</translation>
    </message>
    <message id="Save the CSV Template">
        <source></source>
        <translation>Zapisz szablon CSV</translation>
    </message>
    <message id="Spinora CSV Template">
        <source></source>
        <translation>Szablon CSV programu Spinora</translation>
    </message>
    <message id="CSV File">
        <source></source>
        <translation>Plik CSV</translation>
    </message>
    <message id="The file %1 could not be written.">
        <source></source>
        <translation>Nie udało się zapisać pliku %1.</translation>
    </message>
    <message id="Stopping...">
        <source></source>
        <translation>Zatrzymywanie...</translation>
    </message>
    <message id="More Toolbar Items">
        <source></source>
        <translation>Więcej elementów paska narzędzi</translation>
    </message>
    <message id="Exported from %1 v%2 on %3">
        <source></source>
        <translation>Wyeksportowano z %1 v%2 dnia %3</translation>
    </message>
    <message id="Source">
        <source></source>
        <translation>Pochodzenie</translation>
    </message>
    <message id="Location">
        <source></source>
        <translation>Miejsce</translation>
    </message>
    <message id="Log History">
        <source></source>
        <translation>Historia wpisów</translation>
    </message>
    <message id="None">
        <source></source>
        <translation>Brak</translation>
    </message>
    <message id="Yes">
        <source></source>
        <translation>Tak</translation>
    </message>
    <message id="No">
        <source></source>
        <translation>Nie</translation>
    </message>
    <message id="Print Labels">
        <source></source>
        <translation>Drukuj etykiety</translation>
    </message>
    <message id="Selected cacti (%1)">
        <source></source>
        <translation>Zaznaczone kaktusy (%1)</translation>
    </message>
    <message id="All listed cacti (%1)">
        <source></source>
        <translation>Wszystkie wymienione kaktusy (%1)</translation>
    </message>
    <message id="Layout:">
        <source></source>
        <translation>Układ:</translation>
    </message>
    <message id="Labels for:">
        <source></source>
        <translation>Etykiety dla:</translation>
    </message>
    <message id="Print...">
        <source></source>
        <translation>Drukuj...</translation>
    </message>
    <message id="1 label">
        <source></source>
        <translation>1 etykieta</translation>
    </message>
    <message id="1 page">
        <source></source>
        <translation>1 strona</translation>
    </message>
    <message id="%1 Labels">
        <source></source>
        <translation>Etykiety: %1</translation>
    </message>
    <message id="Page Setup">
        <source></source>
        <translation>Ustawienia strony</translation>
    </message>
    <message id="Portrait">
        <source></source>
        <translation>Pionowa</translation>
    </message>
    <message id="Landscape">
        <source></source>
        <translation>Pozioma</translation>
    </message>
    <message id="Paper Size">
        <source></source>
        <translation>Rozmiar papieru</translation>
    </message>
    <message id="Orientation">
        <source></source>
        <translation>Orientacja</translation>
    </message>
    <message id="Top Margin">
        <source></source>
        <translation>Górny margines</translation>
    </message>
    <message id="Bottom Margin">
        <source></source>
        <translation>Dolny margines</translation>
    </message>
    <message id="Left Margin">
        <source></source>
        <translation>Lewy margines</translation>
    </message>
    <message id="Right Margin">
        <source></source>
        <translation>Prawy margines</translation>
    </message>
    <message id="Print Preview">
        <source></source>
        <translation>Podgląd wydruku</translation>
    </message>
    <message id="Nothing was changed.">
        <source></source>
        <translation>Nic nie zostało zmienione.</translation>
    </message>
    <message id="No title">
        <source></source>
        <translation>Brak tytułu</translation>
    </message>
    <message id="Unknown">
        <source></source>
        <translation>Nieznany</translation>
    </message>
    <message id="year">
        <source></source>
        <translation>rok</translation>
    </message>
    <message id="years">
        <source></source>
        <translation>lat</translation>
    </message>
    <message id="No event">
        <source></source>
        <translation>Brak zdarzenia</translation>
    </message>
    <message id="Today">
        <source></source>
        <translation>Dzisiaj</translation>
    </message>
    <message id="overdue since %1">
        <source></source>
        <translation>zaległe od %1</translation>
    </message>
    <message id="resting until %1">
        <source></source>
        <translation>w spoczynku do %1</translation>
    </message>
    <message id="Tomorrow">
        <source></source>
        <translation>Jutro</translation>
    </message>
    <message id="in %1 days">
        <source></source>
        <translation>za %1 dni</translation>
    </message>
    <message id="Mark as Watered">
        <source></source>
        <translation>Oznacz jako podlane</translation>
    </message>
    <message id="There is no space left on the disk. Free some space, then try again.">
        <source></source>
        <translation>Na dysku nie ma już wolnego miejsca. Zwolnij trochę miejsca i spróbuj ponownie.</translation>
    </message>
    <message id="The collection cannot be written: its disk or folder is read-only.">
        <source></source>
        <translation>Nie można zapisywać w kolekcji: jej dysk lub katalog jest tylko do odczytu.</translation>
    </message>
    <message id="Another program is using the collection. Try again once it has finished.">
        <source></source>
        <translation>Inny program używa kolekcji. Spróbuj ponownie, gdy skończy.</translation>
    </message>
    <message id="The disk could not be read or written. Check the disk, then try again.">
        <source></source>
        <translation>Nie udało się odczytać lub zapisać dysku. Sprawdź dysk i spróbuj ponownie.</translation>
    </message>
    <message id="The collection's database file is damaged.">
        <source></source>
        <translation>Plik bazy danych kolekcji jest uszkodzony.</translation>
    </message>
    <message id="No species">
        <source></source>
        <translation>Brak gatunku</translation>
    </message>
    <message id="Print Labels...">
        <source></source>
        <translation>Drukuj etykiety...</translation>
    </message>
    <message id="Deleting this cactus will also delete all of its logs">
        <source></source>
        <translation>Usunięcie tego kaktusa usunie również wszystkie jego wpisy</translation>
    </message>
    <message id="Deleting these cacti will also delete all their associated logs">
        <source></source>
        <translation>Usunięcie tych kaktusów usunie również wszystkie powiązane z nimi wpisy</translation>
    </message>
    <message id="Delete">
        <source></source>
        <translation>Usuń</translation>
    </message>
    <message id="Delete Cactus">
        <source></source>
        <translation>Usuń kaktusa</translation>
    </message>
    <message id="Delete Cacti">
        <source></source>
        <translation>Usuń kaktusy</translation>
    </message>
    <message id="Duplicate Cactus">
        <source></source>
        <translation>Duplikuj kaktusa</translation>
    </message>
    <message id="Duplicate Cacti">
        <source></source>
        <translation>Duplikuj kaktusy</translation>
    </message>
    <message id="Toolbar">
        <source></source>
        <translation>Pasek narzędzi</translation>
    </message>
    <message id="Search">
        <source></source>
        <translation>Szukaj</translation>
    </message>
    <message id="Search list">
        <source></source>
        <translation>Przeszukaj listę</translation>
    </message>
    <message id="Search the currently visible list">
        <source></source>
        <translation>Przeszukaj aktualnie widoczną listę</translation>
    </message>
    <message id="Recent Searches">
        <source></source>
        <translation>Ostatnie wyszukiwania</translation>
    </message>
    <message id="Due">
        <source></source>
        <translation>Termin</translation>
    </message>
    <message id="Show only what is due by the end of today">
        <source></source>
        <translation>Pokaż tylko to, czego termin upływa do końca dnia</translation>
    </message>
    <message id="Sort By">
        <source></source>
        <translation>Sortuj według</translation>
    </message>
    <message id="Duplicate">
        <source></source>
        <translation>Duplikuj</translation>
    </message>
    <message id="No Recent Searches">
        <source></source>
        <translation>Brak ostatnich wyszukiwań</translation>
    </message>
    <message id="Clear Search History">
        <source></source>
        <translation>Wyczyść historię wyszukiwania</translation>
    </message>
    <message id="Mark as Watered...">
        <source></source>
        <translation>Oznacz jako podlane...</translation>
    </message>
    <message id="Watered">
        <source></source>
        <translation>Podlano</translation>
    </message>
    <message id="Record that the selected plants or schedules were watered">
        <source></source>
        <translation>Odnotuj podlanie zaznaczonych roślin lub harmonogramów</translation>
    </message>
    <message id="Untitled">
        <source></source>
        <translation>Bez tytułu</translation>
    </message>
    <message id="%1 (read-only)">
        <source></source>
        <translation>%1 (tylko do odczytu)</translation>
    </message>
    <message id="History">
        <source></source>
        <translation>Historia</translation>
    </message>
    <message id="Delete Log">
        <source></source>
        <translation>Usuń wpis</translation>
    </message>
    <message id="Delete Logs">
        <source></source>
        <translation>Usuń wpisy</translation>
    </message>
    <message id="Duplicate Log">
        <source></source>
        <translation>Duplikuj wpis</translation>
    </message>
    <message id="Duplicate Logs">
        <source></source>
        <translation>Duplikuj wpisy</translation>
    </message>
    <message id="Add">
        <source></source>
        <translation>Dodaj</translation>
    </message>
    <message id="Edit">
        <source></source>
        <translation>Edytuj</translation>
    </message>
    <message id="Loading…">
        <source></source>
        <translation>Wczytywanie…</translation>
    </message>
    <message id="Searching…">
        <source></source>
        <translation>Wyszukiwanie…</translation>
    </message>
    <message id="Scientific Name">
        <source></source>
        <translation>Nazwa naukowa</translation>
    </message>
    <message id="When were they watered?">
        <source></source>
        <translation>Kiedy zostały podlane?</translation>
    </message>
    <message id="Watered on">
        <source></source>
        <translation>Podlano dnia</translation>
    </message>
    <message id="What:">
        <source></source>
        <translation>Co:</translation>
    </message>
    <message id="&amp;Watered on:">
        <source></source>
        <translation>&amp;Podlano dnia:</translation>
    </message>
    <message id="Statistics">
        <source></source>
        <translation>Statystyki</translation>
    </message>
    <message id="Undo">
        <source></source>
        <translation>Cofnij</translation>
    </message>
    <message id="Redo">
        <source></source>
        <translation>Ponów</translation>
    </message>
    <message id="Undo %1">
        <source></source>
        <translation>Cofnij %1</translation>
    </message>
    <message id="Redo %1">
        <source></source>
        <translation>Ponów %1</translation>
    </message>
    <message id="Delete Watering Schedule">
        <source></source>
        <translation>Usuń harmonogram podlewania</translation>
    </message>
    <message id="Delete Watering Schedules">
        <source></source>
        <translation>Usuń harmonogramy podlewania</translation>
    </message>
    <message id="Duplicate Watering Schedule">
        <source></source>
        <translation>Duplikuj harmonogram podlewania</translation>
    </message>
    <message id="Duplicate Watering Schedules">
        <source></source>
        <translation>Duplikuj harmonogramy podlewania</translation>
    </message>
    <message id="Language">
        <source></source>
        <translation>Język</translation>
    </message>
    <message id="System">
        <source></source>
        <translation>Systemowy</translation>
    </message>
    <message id="&amp;Language:">
        <source></source>
        <translation>&amp;Język:</translation>
    </message>
    <message id="Applied the next time Spinora starts.">
        <source></source>
        <translation>Zostanie zastosowane przy następnym uruchomieniu programu Spinora.</translation>
    </message>
    <message id="Taken">
        <source></source>
        <translation>Wykonano</translation>
    </message>
    <message id="Why">
        <source></source>
        <translation>Powód</translation>
    </message>
    <message id="Plants">
        <source></source>
        <translation>Rośliny</translation>
    </message>
    <message id="Size">
        <source></source>
        <translation>Rozmiar</translation>
    </message>
    <message id="Spinora quit unexpectedly the last time it was used.">
        <source></source>
        <translation>Spinora została nieoczekiwanie zamknięta podczas ostatniego użycia.</translation>
    </message>
    <message id="A report of the problem was saved. Would you like to see it?">
        <source></source>
        <translation>Zapisano raport o problemie. Czy chcesz go zobaczyć?</translation>
    </message>
    <message id="Show Report">
        <source></source>
        <translation>Pokaż raport</translation>
    </message>
    <message id="Not Now">
        <source></source>
        <translation>Nie teraz</translation>
    </message>
    <message id="Crash Report">
        <source></source>
        <translation>Raport o awarii</translation>
    </message>
    <message id="Saved as %1">
        <source></source>
        <translation>Zapisano jako %1</translation>
    </message>
    <message id="The reminder time could not be written to %1.">
        <source></source>
        <translation>Nie udało się zapisać godziny przypomnienia w %1.</translation>
    </message>
    <message id="Spinora will remind you every day at %1 (systemd user timer %2).">
        <source></source>
        <translation>Spinora będzie przypominać codziennie o %1 (licznik czasu użytkownika systemd %2).</translation>
    </message>
    <message id="Reminders are off.">
        <source></source>
        <translation>Przypomnienia są wyłączone.</translation>
    </message>
    <message id="Clear Menu">
        <source></source>
        <translation>Wyczyść menu</translation>
    </message>
    <message id="&amp;File">
        <source></source>
        <translation>&amp;Plik</translation>
    </message>
    <message id="New">
        <source></source>
        <translation>Nowy</translation>
    </message>
    <message id="Open...">
        <source></source>
        <translation>Otwórz...</translation>
    </message>
    <message id="Open Recent">
        <source></source>
        <translation>Otwórz ostatnie</translation>
    </message>
    <message id="Save">
        <source></source>
        <translation>Zapisz</translation>
    </message>
    <message id="Save As...">
        <source></source>
        <translation>Zapisz jako...</translation>
    </message>
    <message id="Page Setup...">
        <source></source>
        <translation>Ustawienia strony...</translation>
    </message>
    <message id="Print Preview...">
        <source></source>
        <translation>Podgląd wydruku...</translation>
    </message>
    <message id="Quit Spinora">
        <source></source>
        <translation>Zakończ Spinorę</translation>
    </message>
    <message id="&amp;Edit">
        <source></source>
        <translation>&amp;Edycja</translation>
    </message>
    <message id="Add Item">
        <source></source>
        <translation>Dodaj element</translation>
    </message>
    <message id="Remove Item">
        <source></source>
        <translation>Usuń element</translation>
    </message>
    <message id="Duplicate Item">
        <source></source>
        <translation>Duplikuj element</translation>
    </message>
    <message id="Cut">
        <source></source>
        <translation>Wytnij</translation>
    </message>
    <message id="Copy">
        <source></source>
        <translation>Kopiuj</translation>
    </message>
    <message id="Paste">
        <source></source>
        <translation>Wklej</translation>
    </message>
    <message id="Select All">
        <source></source>
        <translation>Zaznacz wszystko</translation>
    </message>
    <message id="Preferences...">
        <source></source>
        <translation>Preferencje...</translation>
    </message>
    <message id="&amp;View">
        <source></source>
        <translation>&amp;Widok</translation>
    </message>
    <message id="Show Toolbar">
        <source></source>
        <translation>Pokaż pasek narzędzi</translation>
    </message>
    <message id="Customize Toolbar">
        <source></source>
        <translation>Dostosuj pasek narzędzi</translation>
    </message>
    <message id="Icon and Text">
        <source></source>
        <translation>Ikona i tekst</translation>
    </message>
    <message id="Icon Only">
        <source></source>
        <translation>Tylko ikona</translation>
    </message>
    <message id="Text Only">
        <source></source>
        <translation>Tylko tekst</translation>
    </message>
    <message id="Flowering Calendar...">
        <source></source>
        <translation>Kalendarz kwitnienia...</translation>
    </message>
    <message id="&amp;Tools">
        <source></source>
        <translation>&amp;Narzędzia</translation>
    </message>
    <message id="Statistics...">
        <source></source>
        <translation>Statystyki...</translation>
    </message>
    <message id="&amp;Window">
        <source></source>
        <translation>&amp;Okno</translation>
    </message>
    <message id="Minimize">
        <source></source>
        <translation>Minimalizuj</translation>
    </message>
    <message id="Zoom">
        <source></source>
        <translation>Powiększenie</translation>
    </message>
    <message id="Bring All to Front">
        <source></source>
        <translation>Przenieś wszystko na wierzch</translation>
    </message>
    <message id="&amp;Help">
        <source></source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message id="Like Spinora on Facebook">
        <source></source>
        <translation>Polub Spinorę na Facebooku</translation>
    </message>
    <message id="Spinora Website...">
        <source></source>
        <translation>Witryna programu Spinora...</translation>
    </message>
    <message id="Frequently Asked Questions...">
        <source></source>
        <translation>Często zadawane pytania...</translation>
    </message>
    <message id="Check for Updates...">
        <source></source>
        <translation>Sprawdź aktualizacje...</translation>
    </message>
    <message id="About Spinora">
        <source></source>
        <translation>O programie Spinora</translation>
    </message>
    <message id="Preferences">
        <source></source>
        <translation>Preferencje</translation>
    </message>
    <message id="Sort options">
        <source></source>
        <translation>Opcje sortowania</translation>
    </message>
    <message id="Sort cacti by species">
        <source></source>
        <translation>Sortuj kaktusy według gatunku</translation>
    </message>
    <message id="Database options">
        <source></source>
        <translation>Opcje bazy danych</translation>
    </message>
    <message id="Add default species and events to new databases">
        <source></source>
        <translation>Dodawaj domyślne gatunki i zdarzenia do nowych baz danych</translation>
    </message>
    <message id="Reminders">
        <source></source>
        <translation>Przypomnienia</translation>
    </message>
    <message id="&amp;Remind me of due plants every day at">
        <source></source>
        <translation>&amp;Przypominaj o roślinach do podlania codziennie o</translation>
    </message>
    <message id="Reminder time">
        <source></source>
        <translation>Godzina przypomnienia</translation>
    </message>
    <message id="Open">
        <source></source>
        <translation>Otwórz</translation>
    </message>
    <message id="Collection:">
        <source></source>
        <translation>Kolekcja:</translation>
    </message>
    <message id="Spinora collections (*%1)">
        <source></source>
        <translation>Kolekcje programu Spinora (*%1)</translation>
    </message>
    <message id="“%1” already exists. Do you want to replace it?">
        <source></source>
        <translation>„%1” już istnieje. Czy chcesz go zastąpić?</translation>
    </message>
    <message id="A collection with the same name already exists in “%1”. Replacing it will overwrite its current contents.">
        <source></source>
        <translation>Kolekcja o tej samej nazwie już istnieje w „%1”. Zastąpienie jej nadpisze jej obecną zawartość.</translation>
    </message>
    <message id="Replace">
        <source></source>
        <translation>Zastąp</translation>
    </message>
    <message id="Do you want to save the changes made to the document “%1”?">
        <source></source>
        <translation>Czy chcesz zapisać zmiany w dokumencie „%1”?</translation>
    </message>
    <message id="Your changes will stay in the untitled collection if you don’t save them.">
        <source></source>
        <translation>Jeśli ich nie zapiszesz, zmiany pozostaną w kolekcji bez tytułu.</translation>
    </message>
    <message id="Don’t Save">
        <source></source>
        <translation>Nie zapisuj</translation>
    </message>
    <message id="Keep Open">
        <source></source>
        <translation>Pozostaw otwarte</translation>
    </message>
    <message id="New Spinora Database">
        <source></source>
        <translation>Nowa baza danych Spinora</translation>
    </message>
    <message id="Save As">
        <source></source>
        <translation>Zapisz jako</translation>
    </message>
    <message id="Overwriting an open database is not permitted. Please select a different filename.">
        <source></source>
        <translation>Nadpisanie otwartej bazy danych jest niedozwolone. Wybierz inną nazwę pliku.</translation>
    </message>
    <message id="The collection “%1” could not be opened: it does not exist.">
        <source></source>
        <translation>Nie udało się otworzyć kolekcji „%1”: nie istnieje.</translation>
    </message>
    <message id="%n of its photo files are missing, the first “%1”." numerus="yes">
        <source></source>
        <translation>
            <numerusform>Brakuje %n pliku zdjęcia: „%1”.</numerusform>
            <numerusform>Brakuje %n plików zdjęć, pierwszy to „%1”.</numerusform>
            <numerusform>Brakuje %n plików zdjęć, pierwszy to „%1”.</numerusform>
        </translation>
    </message>
    <message id="%1, %2 and %3">
        <source></source>
        <translation>%1, %2 i %3</translation>
    </message>
    <message id="%n plants" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n roślina</numerusform>
            <numerusform>%n rośliny</numerusform>
            <numerusform>%n roślin</numerusform>
        </translation>
    </message>
    <message id="%n logs" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n wpis</numerusform>
            <numerusform>%n wpisy</numerusform>
            <numerusform>%n wpisów</numerusform>
        </translation>
    </message>
    <message id="%n photos" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n zdjęcie</numerusform>
            <numerusform>%n zdjęcia</numerusform>
            <numerusform>%n zdjęć</numerusform>
        </translation>
    </message>
    <message id="The newest good snapshot was taken on %1 and holds %2. Restoring it replaces the collection; the damaged one is kept as a snapshot first.">
        <source></source>
        <translation>Najnowsza poprawna migawka została wykonana %1 i zawiera: %2. Jej przywrócenie zastąpi kolekcję; uszkodzona kolekcja zostanie najpierw zachowana jako migawka.</translation>
    </message>
    <message id="The collection will hold %1. Its current state is kept as a snapshot first, so this can be undone by restoring that one.">
        <source></source>
        <translation>Kolekcja będzie zawierać: %1. Jej obecny stan zostanie najpierw zachowany jako migawka, więc można to cofnąć, przywracając tę migawkę.</translation>
    </message>
    <message id="“%1” could not be replaced.">
        <source></source>
        <translation>Nie udało się zastąpić „%1”.</translation>
    </message>
    <message id="The catalogue of your cactus and succulent collection: plants, watering schedules and a log of what happened to them.">
        <source></source>
        <translation>Katalog Twojej kolekcji kaktusów i sukulentów: rośliny, harmonogramy podlewania i dziennik tego, co się z nimi działo.</translation>
    </message>
    <message id="Import From">
        <source></source>
        <translation>Importuj z</translation>
    </message>
    <message id="Export To">
        <source></source>
        <translation>Eksportuj do</translation>
    </message>
    <message id="Spinora Mobile App">
        <source></source>
        <translation>Aplikacja mobilna Spinora</translation>
    </message>
    <message id="SDBI">
        <source></source>
        <translation>SDBI</translation>
    </message>
    <message id="Spinora Database">
        <source></source>
        <translation>Baza danych Spinora</translation>
    </message>
    <message id="CSV">
        <source></source>
        <translation>CSV</translation>
    </message>
    <message id="CSV Template…">
        <source></source>
        <translation>Szablon CSV…</translation>
    </message>
    <message id="HTML Report">
        <source></source>
        <translation>Raport HTML</translation>
    </message>
    <message id="Software Update">
        <source></source>
        <translation>Aktualizacja oprogramowania</translation>
    </message>
    <message id="A new version of Spinora is available!">
        <source></source>
        <translation>Dostępna jest nowa wersja programu Spinora!</translation>
    </message>
    <message id="Spinora %1 is now available—you have %2. Would you like to download it now?">
        <source></source>
        <translation>Dostępna jest Spinora %1 – masz wersję %2. Czy chcesz ją teraz pobrać?</translation>
    </message>
    <message id="Download">
        <source></source>
        <translation>Pobierz</translation>
    </message>
    <message id="Remind Me Later">
        <source></source>
        <translation>Przypomnij później</translation>
    </message>
    <message id="You’re up-to-date!">
        <source></source>
        <translation>Masz najnowszą wersję!</translation>
    </message>
    <message id="Spinora %1 is currently the newest version available.">
        <source></source>
        <translation>Spinora %1 jest obecnie najnowszą dostępną wersją.</translation>
    </message>
    <message id="No update address is set, so Spinora cannot look for updates. Your distribution’s package manager keeps Spinora up to date.">
        <source></source>
        <translation>Nie ustawiono adresu aktualizacji, więc Spinora nie może wyszukiwać aktualizacji. Menedżer pakietów dystrybucji dba o aktualność programu Spinora.</translation>
    </message>
    <message id="Update Error!">
        <source></source>
        <translation>Błąd aktualizacji!</translation>
    </message>
    <message id="An error occurred in retrieving update information. Please try again later.">
        <source></source>
        <translation>Wystąpił błąd podczas pobierania informacji o aktualizacjach. Spróbuj ponownie później.</translation>
    </message>
    <message id="Spinora keeps the catalogue of a cactus and succulent collection.">
        <source></source>
        <translation>Spinora prowadzi katalog kolekcji kaktusów i sukulentów.</translation>
    </message>
    <message id="Collections to open (folders ending in .sdb); interchange files (.sdbi) are offered for import into the collection shown.">
        <source></source>
        <translation>Kolekcje do otwarcia (katalogi z końcówką .sdb); pliki wymiany (.sdbi) są proponowane do importu do wyświetlanej kolekcji.</translation>
    </message>
    <message id="The list to show: cacti, watering or logs.">
        <source></source>
        <translation>Lista do wyświetlenia: cacti, watering lub logs.</translation>
    </message>
    <message id="--show takes cacti, watering or logs, not “%1”">
        <source></source>
        <translation>--show przyjmuje cacti, watering lub logs, a nie „%1”</translation>
    </message>
    <message id="Spinora is already running but does not answer.">
        <source></source>
        <translation>Spinora już działa, ale nie odpowiada.</translation>
    </message>
    <message id="the line “%1” does not close “%2”">
        <source></source>
        <translation>wiersz „%1” nie zamyka „%2”</translation>
    </message>
    <message id="the file ends before “%1” does">
        <source></source>
        <translation>plik kończy się przed końcem „%1”</translation>
    </message>
    <message id="the file is empty">
        <source></source>
        <translation>plik jest pusty</translation>
    </message>
    <message id="it is not an iCalendar file">
        <source></source>
        <translation>nie jest plikiem iCalendar</translation>
    </message>
    <message id="it does not hold exactly one calendar">
        <source></source>
        <translation>nie zawiera dokładnie jednego kalendarza</translation>
    </message>
    <message id="it contains errors">
        <source></source>
        <translation>zawiera błędy</translation>
    </message>
    <message id="it cannot be read">
        <source></source>
        <translation>nie można go odczytać</translation>
    </message>
    <message id="The calendar folder “%1” cannot be made.">
        <source></source>
        <translation>Nie można utworzyć katalogu kalendarza „%1”.</translation>
    </message>
    <message id="The calendar file “%1” cannot be used: %2.">
        <source></source>
        <translation>Nie można użyć pliku kalendarza „%1”: %2.</translation>
    </message>
    <message id="The calendar file “%1” cannot be read.">
        <source></source>
        <translation>Nie można odczytać pliku kalendarza „%1”.</translation>
    </message>
    <message id="The calendar file “%1” cannot be used (%2); it was left as it is.">
        <source></source>
        <translation>Nie można użyć pliku kalendarza „%1” (%2); pozostawiono go bez zmian.</translation>
    </message>
    <message id="The calendar file “%1” keeps being changed by another program; it was left as it is.">
        <source></source>
        <translation>Plik kalendarza „%1” jest ciągle zmieniany przez inny program; pozostawiono go bez zmian.</translation>
    </message>
    <message id="The calendar file “%1” could not be written (%2); it was left as it is.">
        <source></source>
        <translation>Nie udało się zapisać pliku kalendarza „%1” (%2); pozostawiono go bez zmian.</translation>
    </message>
    <message id="No space left on device">
        <source></source>
        <translation>Brak miejsca na urządzeniu</translation>
    </message>
    <message id="The event ends before it starts.">
        <source></source>
        <translation>Zdarzenie kończy się, zanim się zaczyna.</translation>
    </message>
    <message id="The calendar “%1” is not available.">
        <source></source>
        <translation>Kalendarz „%1” jest niedostępny.</translation>
    </message>
    <message id="There is no such event.">
        <source></source>
        <translation>Takie zdarzenie nie istnieje.</translation>
    </message>
    <message id="The event was removed by another program.">
        <source></source>
        <translation>Zdarzenie zostało usunięte przez inny program.</translation>
    </message>
    <message id="the Avahi daemon went away">
        <source></source>
        <translation>demon Avahi przestał działać</translation>
    </message>
    <message id="Click the Import button to restore the complete database from your device.">
        <source></source>
        <translation>Kliknij przycisk Importuj, aby przywrócić z urządzenia całą bazę danych.</translation>
    </message>
    <message id="Click the Import button to restore only the cacti and watering schedules in the database from your device.">
        <source></source>
        <translation>Kliknij przycisk Importuj, aby przywrócić z urządzenia tylko kaktusy i harmonogramy podlewania z bazy danych.</translation>
    </message>
    <message id="Click the Import button to import the cacti from your device.">
        <source></source>
        <translation>Kliknij przycisk Importuj, aby zaimportować kaktusy z urządzenia.</translation>
    </message>
    <message id="Click the Import button to import the watering schedules from your device.">
        <source></source>
        <translation>Kliknij przycisk Importuj, aby zaimportować harmonogramy podlewania z urządzenia.</translation>
    </message>
    <message id="Restore Database is selected on your device. Select either Backup Database or Export Data instead.">
        <source></source>
        <translation>Na urządzeniu wybrano Przywróć bazę danych. Zamiast tego wybierz Kopia zapasowa bazy danych lub Eksport danych.</translation>
    </message>
    <message id="Export Data is selected on your device. Select Backup Database instead to restore both cacti and watering schedules.">
        <source></source>
        <translation>Na urządzeniu wybrano Eksport danych. Aby przywrócić zarówno kaktusy, jak i harmonogramy podlewania, wybierz zamiast tego Kopia zapasowa bazy danych.</translation>
    </message>
    <message id="Export Data is selected on your device. Only cacti or watering schedules can be imported in this mode.">
        <source></source>
        <translation>Na urządzeniu wybrano Eksport danych. W tym trybie można importować tylko kaktusy lub harmonogramy podlewania.</translation>
    </message>
    <message id="Import Data is selected on your device. Select either Backup Database or Export Data instead.">
        <source></source>
        <translation>Na urządzeniu wybrano Import danych. Zamiast tego wybierz Kopia zapasowa bazy danych lub Eksport danych.</translation>
    </message>
    <message id="Backup Database is selected on your device. Select either Restore Database or Import Data instead.">
        <source></source>
        <translation>Na urządzeniu wybrano Kopia zapasowa bazy danych. Zamiast tego wybierz Przywróć bazę danych lub Import danych.</translation>
    </message>
    <message id="Export Data is selected on your device. Select either Restore Database or Import Data instead.">
        <source></source>
        <translation>Na urządzeniu wybrano Eksport danych. Zamiast tego wybierz Przywróć bazę danych lub Import danych.</translation>
    </message>
    <message id="Click the Export button to send the database to your device. The app will ask what you want to import.">
        <source></source>
        <translation>Kliknij przycisk Eksportuj, aby wysłać bazę danych na urządzenie. Aplikacja zapyta, co chcesz zaimportować.</translation>
    </message>
    <message id="The collection was closed.">
        <source></source>
        <translation>Kolekcja została zamknięta.</translation>
    </message>
    <message id="Import Database">
        <source></source>
        <translation>Importuj bazę danych</translation>
    </message>
    <message id="Restore Complete Database">
        <source></source>
        <translation>Przywróć całą bazę danych</translation>
    </message>
    <message id="Import Cacti and Watering Schedules">
        <source></source>
        <translation>Importuj kaktusy i harmonogramy podlewania</translation>
    </message>
    <message id="Import Cacti">
        <source></source>
        <translation>Importuj kaktusy</translation>
    </message>
    <message id="Import Watering Schedules">
        <source></source>
        <translation>Importuj harmonogramy podlewania</translation>
    </message>
    <message id="Devices">
        <source></source>
        <translation>Urządzenia</translation>
    </message>
    <message id="Messages">
        <source></source>
        <translation>Komunikaty</translation>
    </message>
    <message id="Export Database">
        <source></source>
        <translation>Eksportuj bazę danych</translation>
    </message>
    <message id="Flowering Calendar">
        <source></source>
        <translation>Kalendarz kwitnienia</translation>
    </message>
    <message id="Photo Timeline">
        <source></source>
        <translation>Oś czasu zdjęć</translation>
    </message>
    <message id="Common Name">
        <source></source>
        <translation>Nazwa zwyczajowa</translation>
    </message>
    <message id="Open Watering Schedule">
        <source></source>
        <translation>Otwórz harmonogram podlewania</translation>
    </message>
    <message id="Height">
        <source></source>
        <translation>Wysokość</translation>
    </message>
    <message id="Width">
        <source></source>
        <translation>Szerokość</translation>
    </message>
    <message id="Weight">
        <source></source>
        <translation>Waga</translation>
    </message>
    <message id="Light">
        <source></source>
        <translation>Światło</translation>
    </message>
    <message id="Temperature">
        <source></source>
        <translation>Temperatura</translation>
    </message>
    <message id="Pot Size">
        <source></source>
        <translation>Rozmiar doniczki</translation>
    </message>
    <message id="Pot Shape">
        <source></source>
        <translation>Kształt doniczki</translation>
    </message>
    <message id="Pot Material">
        <source></source>
        <translation>Materiał doniczki</translation>
    </message>
    <message id="General">
        <source></source>
        <translation>Ogólne</translation>
    </message>
    <message id="Details">
        <source></source>
        <translation>Szczegóły</translation>
    </message>
    <message id="Alarm">
        <source></source>
        <translation>Alarm</translation>
    </message>
    <message id="Busy">
        <source></source>
        <translation>Zajęty</translation>
    </message>
    <message id="Free">
        <source></source>
        <translation>Wolny</translation>
    </message>
    <message id="Title">
        <source></source>
        <translation>Tytuł</translation>
    </message>
    <message id="Starts">
        <source></source>
        <translation>Początek</translation>
    </message>
    <message id="Ends">
        <source></source>
        <translation>Koniec</translation>
    </message>
    <message id="All-Day">
        <source></source>
        <translation>Cały dzień</translation>
    </message>
    <message id="Calendar">
        <source></source>
        <translation>Kalendarz</translation>
    </message>
    <message id="Availability">
        <source></source>
        <translation>Dostępność</translation>
    </message>
    <message id="Kept in %1. To see these reminders in your desktop calendar, add this file to it as a calendar.">
        <source></source>
        <translation>Przechowywane w %1. Aby zobaczyć te przypomnienia w kalendarzu pulpitu, dodaj do niego ten plik jako kalendarz.</translation>
    </message>
    <message id="Add New Event">
        <source></source>
        <translation>Dodaj nowe zdarzenie</translation>
    </message>
    <message id="Edit Event">
        <source></source>
        <translation>Edytuj zdarzenie</translation>
    </message>
    <message id="Open Cactus">
        <source></source>
        <translation>Otwórz kaktusa</translation>
    </message>
    <message id="Add Reminder">
        <source></source>
        <translation>Dodaj przypomnienie</translation>
    </message>
    <message id="Edit Reminder">
        <source></source>
        <translation>Edytuj przypomnienie</translation>
    </message>
    <message id="Add a reminder to your calendar?">
        <source></source>
        <translation>Dodać przypomnienie do kalendarza?</translation>
    </message>
    <message id="Edit the reminder on your calendar?">
        <source></source>
        <translation>Edytować przypomnienie w kalendarzu?</translation>
    </message>
    <message id="All Photos">
        <source></source>
        <translation>Wszystkie zdjęcia</translation>
    </message>
    <message id="Add Photos…">
        <source></source>
        <translation>Dodaj zdjęcia…</translation>
    </message>
    <message id="Add photos from picture files. You can also drop picture files on the grid.">
        <source></source>
        <translation>Dodaj zdjęcia z plików graficznych. Pliki graficzne można też upuścić na siatkę.</translation>
    </message>
    <message id="Size of the photos">
        <source></source>
        <translation>Rozmiar zdjęć</translation>
    </message>
    <message id="Adding photos">
        <source></source>
        <translation>Dodawanie zdjęć</translation>
    </message>
    <message id="Add Photos">
        <source></source>
        <translation>Dodaj zdjęcia</translation>
    </message>
    <message id="Pictures (*.jpg *.jpeg *.png *.gif *.tif *.tiff *.bmp)">
        <source></source>
        <translation>Obrazy (*.jpg *.jpeg *.png *.gif *.tif *.tiff *.bmp)</translation>
    </message>
    <message id="This file was not added:">
        <source></source>
        <translation>Nie dodano tego pliku:</translation>
    </message>
    <message id="These files were not added:">
        <source></source>
        <translation>Nie dodano tych plików:</translation>
    </message>
    <message id="Previous Photo">
        <source></source>
        <translation>Poprzednie zdjęcie</translation>
    </message>
    <message id="Display the previous photo">
        <source></source>
        <translation>Wyświetl poprzednie zdjęcie</translation>
    </message>
    <message id="Edit Caption">
        <source></source>
        <translation>Edytuj podpis</translation>
    </message>
    <message id="Edit the photo caption">
        <source></source>
        <translation>Edytuj podpis zdjęcia</translation>
    </message>
    <message id="Next Photo">
        <source></source>
        <translation>Następne zdjęcie</translation>
    </message>
    <message id="Display the next photo">
        <source></source>
        <translation>Wyświetl następne zdjęcie</translation>
    </message>
    <message id="Error: the new record is gone.">
        <source></source>
        <translation>Błąd: nowy rekord zniknął.</translation>
    </message>
    <message id="From Date 1">
        <source></source>
        <translation>Data od 1</translation>
    </message>
    <message id="To Date 2">
        <source></source>
        <translation>Data do 2</translation>
    </message>
    <message id="From Date 3">
        <source></source>
        <translation>Data od 3</translation>
    </message>
    <message id="To Date 4">
        <source></source>
        <translation>Data do 4</translation>
    </message>
    <message id="From Date 5">
        <source></source>
        <translation>Data od 5</translation>
    </message>
    <message id="To Date 6">
        <source></source>
        <translation>Data do 6</translation>
    </message>
    <message id="Units">
        <source></source>
        <translation>Jednostki</translation>
    </message>
    <message id="Line %1, column %2 (%3): “%4” could not be read and was not imported.">
        <source></source>
        <translation>Wiersz %1, kolumna %2 (%3): nie udało się odczytać „%4”, więc nie zostało zaimportowane.</translation>
    </message>
    <message id="The file is not in the Spinora CSV template layout and these columns could not be placed: “%1”. Give each column its field, for example --map '%2' (the fields are %3).">
        <source></source>
        <translation>Plik nie ma układu szablonu CSV programu Spinora i nie udało się przypisać tych kolumn: „%1”. Przypisz każdej kolumnie jej pole, na przykład --map &apos;%2&apos; (dostępne pola to %3).</translation>
    </message>
    <message id="No cacti, watering schedules or logs were found in the file. It must follow the Spinora CSV template.">
        <source></source>
        <translation>W pliku nie znaleziono kaktusów, harmonogramów podlewania ani wpisów. Plik musi być zgodny z szablonem CSV programu Spinora.</translation>
    </message>
    <message id="name|plant|plant name|cactus|label">
        <source></source>
        <translation>nazwa|roślina|nazwa rośliny|kaktus|etykieta</translation>
    </message>
    <message id="scientific|scientific name|botanical name|latin name|taxon|genus|species">
        <source></source>
        <translation>naukowa|nazwa naukowa|nazwa botaniczna|nazwa łacińska|takson|rodzaj|gatunek</translation>
    </message>
    <message id="common|common name">
        <source></source>
        <translation>zwyczajowa|nazwa zwyczajowa</translation>
    </message>
    <message id="type|plant type">
        <source></source>
        <translation>typ|typ rośliny</translation>
    </message>
    <message id="watering|schedule|watering schedule">
        <source></source>
        <translation>podlewanie|harmonogram|harmonogram podlewania</translation>
    </message>
    <message id="last watered">
        <source></source>
        <translation>ostatnie podlewanie</translation>
    </message>
    <message id="next watering">
        <source></source>
        <translation>następne podlewanie</translation>
    </message>
    <message id="planted|plant date|date planted|sown">
        <source></source>
        <translation>posadzono|data posadzenia|data sadzenia|wysiano</translation>
    </message>
    <message id="source|origin">
        <source></source>
        <translation>źródło|pochodzenie</translation>
    </message>
    <message id="acquired|date acquired|bought|purchased|purchase date">
        <source></source>
        <translation>nabyto|data nabycia|kupiono|zakup|data zakupu</translation>
    </message>
    <message id="price|purchase price|cost|paid">
        <source></source>
        <translation>cena|cena zakupu|koszt|zapłacono</translation>
    </message>
    <message id="value|worth">
        <source></source>
        <translation>wartość|wycena</translation>
    </message>
    <message id="location|place|position|bench|greenhouse">
        <source></source>
        <translation>miejsce|lokalizacja|stanowisko|stół|szklarnia</translation>
    </message>
    <message id="height">
        <source></source>
        <translation>wysokość</translation>
    </message>
    <message id="width|diameter">
        <source></source>
        <translation>szerokość|średnica</translation>
    </message>
    <message id="weight">
        <source></source>
        <translation>waga</translation>
    </message>
    <message id="light|sun">
        <source></source>
        <translation>światło|słońce</translation>
    </message>
    <message id="temperature|temp|min temp">
        <source></source>
        <translation>temperatura|temp|min temp</translation>
    </message>
    <message id="pot size|pot">
        <source></source>
        <translation>rozmiar doniczki|doniczka</translation>
    </message>
    <message id="pot shape|shape">
        <source></source>
        <translation>kształt doniczki|kształt</translation>
    </message>
    <message id="pot material|material">
        <source></source>
        <translation>materiał doniczki|materiał</translation>
    </message>
    <message id="notes|note|comments|comment|remarks|description">
        <source></source>
        <translation>notatki|notatka|komentarze|komentarz|uwagi|opis</translation>
    </message>
    <message id="id|#|no|no.|number|photo|photos|image|picture">
        <source></source>
        <translation>id|#|nr|nr.|numer|zdjęcie|zdjęcia|obraz|obrazek</translation>
    </message>
    <message id="“%1” is no COLUMN=FIELD pair.">
        <source></source>
        <translation>„%1” nie jest parą KOLUMNA=POLE.</translation>
    </message>
    <message id="“%1” is no field; the fields are %2.">
        <source></source>
        <translation>„%1” nie jest polem; dostępne pola to %2.</translation>
    </message>
    <message id="The file has no column “%1”.">
        <source></source>
        <translation>Plik nie zawiera kolumny „%1”.</translation>
    </message>
    <message id="%1 is a folder; an export never replaces a folder with a file.">
        <source></source>
        <translation>%1 to katalog; eksport nigdy nie zastępuje katalogu plikiem.</translation>
    </message>
    <message id="%1 is a folder that is not a Spinora collection; an export never replaces it.">
        <source></source>
        <translation>%1 to katalog, który nie jest kolekcją programu Spinora; eksport nigdy go nie zastępuje.</translation>
    </message>
    <message id="%1 is a collection in use by %2; it cannot be replaced.">
        <source></source>
        <translation>%1 to kolekcja używana przez %2; nie można jej zastąpić.</translation>
    </message>
    <message id="%1 is an existing collection and was not replaced.">
        <source></source>
        <translation>%1 to istniejąca kolekcja i nie została zastąpiona.</translation>
    </message>
    <message id="%1 already exists and was not replaced.">
        <source></source>
        <translation>%1 już istnieje i nie został zastąpiony.</translation>
    </message>
    <message id="The collection %1 could not be read: %2">
        <source></source>
        <translation>Nie udało się odczytać kolekcji %1: %2</translation>
    </message>
    <message id="it holds no %1.">
        <source></source>
        <translation>nie zawiera %1.</translation>
    </message>
    <message id="The collection %1 was made by a newer version of Spinora (schema %2; this version reads up to %3).">
        <source></source>
        <translation>Kolekcja %1 została utworzona przez nowszą wersję programu Spinora (schemat %2; ta wersja odczytuje do %3).</translation>
    </message>
    <message id="The collection could not be read: %1">
        <source></source>
        <translation>Nie udało się odczytać kolekcji: %1</translation>
    </message>
    <message id="The collection was opened read-only, so nothing can be imported into it.">
        <source></source>
        <translation>Kolekcja została otwarta tylko do odczytu, więc nie można do niej nic zaimportować.</translation>
    </message>
    <message id="The import failed.">
        <source></source>
        <translation>Import nie powiódł się.</translation>
    </message>
    <message id="The collection could not be written: %1">
        <source></source>
        <translation>Nie udało się zapisać kolekcji: %1</translation>
    </message>
    <message id="The collection's database could not be opened: %1">
        <source></source>
        <translation>Nie udało się otworzyć bazy danych kolekcji: %1</translation>
    </message>
    <message id="The folder %1 could not be made.">
        <source></source>
        <translation>Nie udało się utworzyć katalogu %1.</translation>
    </message>
    <message id="The template could not be read: %1">
        <source></source>
        <translation>Nie udało się odczytać szablonu: %1</translation>
    </message>
    <message id="The collection could not be locked for the import: %1">
        <source></source>
        <translation>Nie udało się zablokować kolekcji na czas importu: %1</translation>
    </message>
    <message id="Fertilized">
        <source></source>
        <translation>Nawożono</translation>
    </message>
    <message id="Flowered">
        <source></source>
        <translation>Kwitło</translation>
    </message>
    <message id="Planted">
        <source></source>
        <translation>Posadzono</translation>
    </message>
    <message id="Purchased">
        <source></source>
        <translation>Kupiono</translation>
    </message>
    <message id="Sold">
        <source></source>
        <translation>Sprzedano</translation>
    </message>
    <message id="The import could not be saved: %1">
        <source></source>
        <translation>Nie udało się zapisać importu: %1</translation>
    </message>
    <message id="%1 could not be written">
        <source></source>
        <translation>Nie udało się zapisać %1</translation>
    </message>
    <message id="%1: the export filter could not be run">
        <source></source>
        <translation>%1: nie udało się uruchomić filtra eksportu</translation>
    </message>
    <message id="%1 could not be replaced">
        <source></source>
        <translation>Nie udało się zastąpić %1</translation>
    </message>
    <message id="The file cannot be imported: it holds triggers or views, which Spinora files never have.">
        <source></source>
        <translation>Nie można zaimportować pliku: zawiera wyzwalacze lub widoki, których pliki programu Spinora nigdy nie mają.</translation>
    </message>
    <message id="larger than 64 MiB">
        <source></source>
        <translation>większy niż 64 MiB</translation>
    </message>
    <message id="a link that leads out of the package">
        <source></source>
        <translation>łącze prowadzące poza pakiet</translation>
    </message>
    <message id="not a file that can be read">
        <source></source>
        <translation>plik, którego nie można odczytać</translation>
    </message>
    <message id="%1 could not be read.">
        <source></source>
        <translation>Nie udało się odczytać %1.</translation>
    </message>
    <message id="The file could not be opened: %1">
        <source></source>
        <translation>Nie udało się otworzyć pliku: %1</translation>
    </message>
    <message id="The file is not a Spinora database: %1">
        <source></source>
        <translation>Plik nie jest bazą danych programu Spinora: %1</translation>
    </message>
    <message id="The file cannot be imported: its schema could not be upgraded (%1).">
        <source></source>
        <translation>Nie można zaimportować pliku: nie udało się zaktualizować jego schematu (%1).</translation>
    </message>
    <message id="The file could not be closed: %1">
        <source></source>
        <translation>Nie udało się zamknąć pliku: %1</translation>
    </message>
    <message id="The file has no version information, so it is not a Spinora database.">
        <source></source>
        <translation>Plik nie zawiera informacji o wersji, więc nie jest bazą danych programu Spinora.</translation>
    </message>
    <message id="The file cannot be imported: it was made by a newer version of Spinora (schema %1; this version reads up to %2).">
        <source></source>
        <translation>Nie można zaimportować pliku: został utworzony przez nowszą wersję programu Spinora (schemat %1; ta wersja odczytuje do %2).</translation>
    </message>
    <message id="The file's version row holds no record counts.">
        <source></source>
        <translation>Wiersz wersji pliku nie zawiera liczby rekordów.</translation>
    </message>
    <message id="The file cannot be imported: its %1 table cannot be read (%2).">
        <source></source>
        <translation>Nie można zaimportować pliku: nie można odczytać jego tabeli %1 (%2).</translation>
    </message>
    <message id="The file cannot be imported: its %1 table has keys that are not whole numbers from 0 to 9223372036854775807.">
        <source></source>
        <translation>Nie można zaimportować pliku: jego tabela %1 ma klucze, które nie są liczbami całkowitymi od 0 do 9223372036854775807.</translation>
    </message>
    <message id="The file cannot be imported: its %1 table has the same key on more than one row.">
        <source></source>
        <translation>Nie można zaimportować pliku: jego tabela %1 ma ten sam klucz w więcej niż jednym wierszu.</translation>
    </message>
    <message id="The file cannot be imported: the collection has no keys left for its %1 table.">
        <source></source>
        <translation>Nie można zaimportować pliku: w kolekcji nie zostały wolne klucze dla jego tabeli %1.</translation>
    </message>
    <message id="The records of the file's %1 table could not be read: %2">
        <source></source>
        <translation>Nie udało się odczytać rekordów tabeli %1 pliku: %2</translation>
    </message>
    <message id="The file cannot be imported: the %1 column of its %2 table holds values that are not whole numbers.">
        <source></source>
        <translation>Nie można zaimportować pliku: kolumna %1 jego tabeli %2 zawiera wartości, które nie są liczbami całkowitymi.</translation>
    </message>
    <message id="The file holds no watering schedules.">
        <source></source>
        <translation>Plik nie zawiera harmonogramów podlewania.</translation>
    </message>
    <message id="The file holds no cacti.">
        <source></source>
        <translation>Plik nie zawiera kaktusów.</translation>
    </message>
    <message id="not a picture that can be read">
        <source></source>
        <translation>obraz, którego nie można odczytać</translation>
    </message>
    <message id="the cactus %1">
        <source></source>
        <translation>kaktus %1</translation>
    </message>
    <message id="the log entry %1">
        <source></source>
        <translation>wpis %1</translation>
    </message>
    <message id="the cactus “%1”">
        <source></source>
        <translation>kaktus „%1”</translation>
    </message>
    <message id="the log entry “%1”">
        <source></source>
        <translation>wpis „%1”</translation>
    </message>
    <message id="The file's photos could not be read: %1">
        <source></source>
        <translation>Nie udało się odczytać zdjęć z pliku: %1</translation>
    </message>
    <message id="The file cannot be imported: the key column of its image table holds values that are not whole numbers.">
        <source></source>
        <translation>Nie można zaimportować pliku: kolumna kluczy jego tabeli obrazów zawiera wartości, które nie są liczbami całkowitymi.</translation>
    </message>
    <message id="1 photo could not be read and was left out: %1.">
        <source></source>
        <translation>Nie udało się odczytać 1 zdjęcia, więc je pominięto: %1.</translation>
    </message>
    <message id="%1 photos could not be read and were left out: %2.">
        <source></source>
        <translation>Nie udało się odczytać zdjęć (%1), więc je pominięto: %2.</translation>
    </message>
    <message id="The file could not be read: %1">
        <source></source>
        <translation>Nie udało się odczytać pliku: %1</translation>
    </message>
    <message id="No plant has a date acquired.">
        <source></source>
        <translation>Żadna roślina nie ma daty nabycia.</translation>
    </message>
    <message id="%1 without a date">
        <source></source>
        <translation>%1 bez daty</translation>
    </message>
    <message id="Plants by Date Acquired">
        <source></source>
        <translation>Rośliny według daty nabycia</translation>
    </message>
    <message id="Value by Date Acquired">
        <source></source>
        <translation>Wartość według daty nabycia</translation>
    </message>
    <message id="Plants by Genus">
        <source></source>
        <translation>Rośliny według rodzaju</translation>
    </message>
    <message id="Waterings Due in the Next %1 Days">
        <source></source>
        <translation>Podlewania w ciągu najbliższych %1 dni</translation>
    </message>
    <message id="Charts">
        <source></source>
        <translation>Wykresy</translation>
    </message>
    <message id="Cacti Report">
        <source></source>
        <translation>Raport kaktusów</translation>
    </message>
    <message id="Summary">
        <source></source>
        <translation>Podsumowanie</translation>
    </message>
    <message id="Total Cacti">
        <source></source>
        <translation>Liczba kaktusów</translation>
    </message>
    <message id="Total Watering Schedules">
        <source></source>
        <translation>Liczba harmonogramów podlewania</translation>
    </message>
    <message id="Total Log Entries">
        <source></source>
        <translation>Liczba wpisów</translation>
    </message>
    <message id="Unique Species">
        <source></source>
        <translation>Różne gatunki</translation>
    </message>
    <message id="Total Value">
        <source></source>
        <translation>Łączna wartość</translation>
    </message>
    <message id="Species Scientific Name">
        <source></source>
        <translation>Nazwa naukowa gatunku</translation>
    </message>
    <message id="Species Common Name">
        <source></source>
        <translation>Nazwa zwyczajowa gatunku</translation>
    </message>
    <message id="Unknown Date">
        <source></source>
        <translation>Nieznana data</translation>
    </message>
    <message id="No Event Name">
        <source></source>
        <translation>Brak nazwy zdarzenia</translation>
    </message>
    <message id="The report folder %1 cannot be written.">
        <source></source>
        <translation>Nie można zapisywać w katalogu raportu %1.</translation>
    </message>
    <message id="The report %1 could not be written.">
        <source></source>
        <translation>Nie udało się zapisać raportu %1.</translation>
    </message>
    <message id="No folder for the work files was found: the user's caches folder is unknown (set HOME or XDG_CACHE_HOME).">
        <source></source>
        <translation>Nie znaleziono katalogu na pliki robocze: katalog pamięci podręcznej użytkownika jest nieznany (ustaw HOME lub XDG_CACHE_HOME).</translation>
    </message>
    <message id="The work folder %1 could not be made.">
        <source></source>
        <translation>Nie udało się utworzyć katalogu roboczego %1.</translation>
    </message>
    <message id="The work folder %1 cannot be used: something that is not a folder is in its place.">
        <source></source>
        <translation>Nie można użyć katalogu roboczego %1: w jego miejscu znajduje się coś, co nie jest katalogiem.</translation>
    </message>
    <message id="The work folder %1 cannot be used: it is not writable.">
        <source></source>
        <translation>Nie można użyć katalogu roboczego %1: brak prawa zapisu.</translation>
    </message>
    <message id="Another transfer is running in this program; try again when it has finished.">
        <source></source>
        <translation>W tym programie trwa inny transfer; spróbuj ponownie, gdy się zakończy.</translation>
    </message>
    <message id="Another transfer is running (%1, process %2); try again when it has finished.">
        <source></source>
        <translation>Trwa inny transfer (%1, proces %2); spróbuj ponownie, gdy się zakończy.</translation>
    </message>
    <message id="another program">
        <source></source>
        <translation>inny program</translation>
    </message>
    <message id="Another transfer is running; try again when it has finished.">
        <source></source>
        <translation>Trwa inny transfer; spróbuj ponownie, gdy się zakończy.</translation>
    </message>
    <message id="The work folder %1 cannot be used: its lock file could not be made.">
        <source></source>
        <translation>Nie można użyć katalogu roboczego %1: nie udało się utworzyć jego pliku blokady.</translation>
    </message>
    <message id="Import From SDBI">
        <source></source>
        <translation>Importuj z SDBI</translation>
    </message>
    <message id="Import From Spinora Database">
        <source></source>
        <translation>Importuj z bazy danych Spinora</translation>
    </message>
    <message id="Database File">
        <source></source>
        <translation>Plik bazy danych</translation>
    </message>
    <message id="Import From CSV">
        <source></source>
        <translation>Importuj z CSV</translation>
    </message>
    <message id="Export To SDBI">
        <source></source>
        <translation>Eksportuj do SDBI</translation>
    </message>
    <message id="Export To Spinora Database">
        <source></source>
        <translation>Eksportuj do bazy danych Spinora</translation>
    </message>
    <message id="Export To CSV">
        <source></source>
        <translation>Eksportuj do CSV</translation>
    </message>
    <message id="Type a path, or choose the file with Browse">
        <source></source>
        <translation>Wpisz ścieżkę lub wybierz plik za pomocą Przeglądaj</translation>
    </message>
    <message id="Choose where to save with Browse">
        <source></source>
        <translation>Wybierz miejsce zapisu za pomocą Przeglądaj</translation>
    </message>
    <message id="There is no file “%1”.">
        <source></source>
        <translation>Plik „%1” nie istnieje.</translation>
    </message>
    <message id="A4, 3 × 8 labels of 70 × 37 mm">
        <source></source>
        <translation>A4, 3 × 8 etykiet 70 × 37 mm</translation>
    </message>
    <message id="US Letter, 3 × 10 labels of 2.625 × 1 in">
        <source></source>
        <translation>US Letter, 3 × 10 etykiet 2,625 × 1 cala</translation>
    </message>
    <message id="%n labels" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n etykieta</numerusform>
            <numerusform>%n etykiety</numerusform>
            <numerusform>%n etykiet</numerusform>
        </translation>
    </message>
    <message id="%n pages" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n strona</numerusform>
            <numerusform>%n strony</numerusform>
            <numerusform>%n stron</numerusform>
        </translation>
    </message>
    <message id=" mm">
        <source></source>
        <translation> mm</translation>
    </message>
    <message id="Nothing was printed: the printer “%1” could not be used.">
        <source></source>
        <translation>Nic nie zostało wydrukowane: nie udało się użyć drukarki „%1”.</translation>
    </message>
    <message id="Nothing was printed: the file “%1” could not be written.">
        <source></source>
        <translation>Nic nie zostało wydrukowane: nie udało się zapisać pliku „%1”.</translation>
    </message>
    <message id="Error: out of memory.">
        <source></source>
        <translation>Błąd: brak pamięci.</translation>
    </message>
    <message id="Error: unknown exception.">
        <source></source>
        <translation>Błąd: nieznany wyjątek.</translation>
    </message>
    <message id="No snapshot of the collection could be kept: %1">
        <source></source>
        <translation>Nie udało się zachować migawki kolekcji: %1</translation>
    </message>
    <message id="the collection as it is now could not be kept first, so nothing was changed: %1">
        <source></source>
        <translation>nie udało się najpierw zachować obecnego stanu kolekcji, więc nic nie zostało zmienione: %1</translation>
    </message>
    <message id="the collection was opened read-only">
        <source></source>
        <translation>kolekcja została otwarta tylko do odczytu</translation>
    </message>
    <message id="Other">
        <source></source>
        <translation>Inne</translation>
    </message>
    <message id="it does not exist.">
        <source></source>
        <translation>nie istnieje.</translation>
    </message>
    <message id="it is not a collection package (a folder ending in .sdb).">
        <source></source>
        <translation>nie jest pakietem kolekcji (katalogiem z końcówką .sdb).</translation>
    </message>
    <message id="the folder holds no %1, so it is not a Spinora collection.">
        <source></source>
        <translation>katalog nie zawiera %1, więc nie jest kolekcją programu Spinora.</translation>
    </message>
    <message id="it is read-only. Make it writable, or copy it to another place, to open it.">
        <source></source>
        <translation>jest tylko do odczytu. Aby ją otworzyć, nadaj jej prawo zapisu lub skopiuj ją w inne miejsce.</translation>
    </message>
    <message id="the collection is not open">
        <source></source>
        <translation>kolekcja nie jest otwarta</translation>
    </message>
    <message id="the collection could not be read again: %1">
        <source></source>
        <translation>nie udało się ponownie odczytać kolekcji: %1</translation>
    </message>
    <message id="the file is not a picture">
        <source></source>
        <translation>plik nie jest obrazem</translation>
    </message>
    <message id="the picture is too large (%1 × %2 pixels)">
        <source></source>
        <translation>obraz jest za duży (%1 × %2 pikseli)</translation>
    </message>
    <message id="the picture cannot be decoded (%1)">
        <source></source>
        <translation>nie można zdekodować obrazu (%1)</translation>
    </message>
    <message id="the file cannot be read">
        <source></source>
        <translation>nie można odczytać pliku</translation>
    </message>
    <message id="the file is larger than %1 MB">
        <source></source>
        <translation>plik jest większy niż %1 MB</translation>
    </message>
    <message id="Error: a photo needs its three prepared files.">
        <source></source>
        <translation>Błąd: zdjęcie wymaga swoich trzech przygotowanych plików.</translation>
    </message>
    <message id="a change to it was cut short when Spinora or the computer stopped">
        <source></source>
        <translation>zmiana w niej została przerwana, gdy Spinora lub komputer przestały działać</translation>
    </message>
    <message id="%1, and must be undone before the collection can be read. That takes writing, and the collection is read-only here. Copy the whole collection, with the file %2-journal in it, to a writable place and open the copy.">
        <source></source>
        <translation>%1 i musi zostać cofnięta, zanim kolekcję będzie można odczytać. Wymaga to zapisu, a tutaj kolekcja jest tylko do odczytu. Skopiuj całą kolekcję razem z plikiem %2-journal w miejsce z prawem zapisu i otwórz kopię.</translation>
    </message>
    <message id="%1, and cannot be undone: %2">
        <source></source>
        <translation>%1 i nie można jej cofnąć: %2</translation>
    </message>
    <message id="%1, and undoing it failed: %2.">
        <source></source>
        <translation>%1, a cofnięcie jej nie powiodło się: %2.</translation>
    </message>
    <message id="the collection is not open for writing.">
        <source></source>
        <translation>kolekcja nie jest otwarta do zapisu.</translation>
    </message>
    <message id="no watering moment was given.">
        <source></source>
        <translation>nie podano chwili podlewania.</translation>
    </message>
    <message id="it is already open in this program.">
        <source></source>
        <translation>jest już otwarta w tym programie.</translation>
    </message>
    <message id="another program (process %1)">
        <source></source>
        <translation>inny program (proces %1)</translation>
    </message>
    <message id="it is in use by %1. Only one program at a time can change a collection; try again when it has finished.">
        <source></source>
        <translation>jest używana przez %1. Tylko jeden program naraz może zmieniać kolekcję; spróbuj ponownie, gdy skończy.</translation>
    </message>
    <message id="its lock file %1 cannot be opened (%2).">
        <source></source>
        <translation>nie można otworzyć jej pliku blokady %1 (%2).</translation>
    </message>
    <message id="its lock file %1 cannot be locked (%2).">
        <source></source>
        <translation>nie można zablokować jej pliku blokady %1 (%2).</translation>
    </message>
    <message id="its lock file %1 keeps being replaced by another program.">
        <source></source>
        <translation>jej plik blokady %1 jest ciągle zastępowany przez inny program.</translation>
    </message>
    <message id="the picture cannot be converted to JPEG">
        <source></source>
        <translation>nie można przekonwertować obrazu do formatu JPEG</translation>
    </message>
    <message id="no database connection">
        <source></source>
        <translation>brak połączenia z bazą danych</translation>
    </message>
    <message id="the current schema is not available (%1)">
        <source></source>
        <translation>bieżący schemat jest niedostępny (%1)</translation>
    </message>
    <message id="The collection %1 could not be opened: %2">
        <source></source>
        <translation>Nie udało się otworzyć kolekcji %1: %2</translation>
    </message>
    <message id="The collection %1 could not be made: %2">
        <source></source>
        <translation>Nie udało się utworzyć kolekcji %1: %2</translation>
    </message>
    <message id="The logs of %1 could not be read: %2">
        <source></source>
        <translation>Nie udało się odczytać wpisów dla %1: %2</translation>
    </message>
    <message id="%1. So that nothing is lost, the collection is now read-only: nothing in it is changed or deleted. Close it and open it again to try once more.">
        <source></source>
        <translation>%1. Aby nic nie zostało utracone, kolekcja jest teraz tylko do odczytu: nic w niej nie jest zmieniane ani usuwane. Zamknij ją i otwórz ponownie, aby spróbować jeszcze raz.</translation>
    </message>
    <message id="it was made by a newer version of Spinora (schema %1; this version reads up to %2).">
        <source></source>
        <translation>została utworzona przez nowszą wersję programu Spinora (schemat %1; ta wersja odczytuje do %2).</translation>
    </message>
    <message id="its schema could not be upgraded (%1).">
        <source></source>
        <translation>nie udało się zaktualizować jej schematu (%1).</translation>
    </message>
    <message id="the script %1 could not be read">
        <source></source>
        <translation>nie udało się odczytać skryptu %1</translation>
    </message>
    <message id="The collection %1 was opened read-only and cannot be saved.">
        <source></source>
        <translation>Kolekcja %1 została otwarta tylko do odczytu i nie można jej zapisać.</translation>
    </message>
    <message id="The collection %1 was saved, but could not be opened again: %2">
        <source></source>
        <translation>Kolekcja %1 została zapisana, ale nie udało się jej ponownie otworzyć: %2</translation>
    </message>
    <message id="The collection could not be saved as %1: %2">
        <source></source>
        <translation>Nie udało się zapisać kolekcji jako %1: %2</translation>
    </message>
    <message id="The collection could not be saved as %1.">
        <source></source>
        <translation>Nie udało się zapisać kolekcji jako %1.</translation>
    </message>
    <message id="Caudiciform">
        <source></source>
        <translation>Kaudeksowe</translation>
    </message>
    <message id="Leaf Succulent">
        <source></source>
        <translation>Sukulent liściowy</translation>
    </message>
    <message id="Root Succulent">
        <source></source>
        <translation>Sukulent korzeniowy</translation>
    </message>
    <message id="Stem Succulent">
        <source></source>
        <translation>Sukulent łodygowy</translation>
    </message>
    <message id="Seed">
        <source></source>
        <translation>Nasiono</translation>
    </message>
    <message id="Cutting">
        <source></source>
        <translation>Sadzonka</translation>
    </message>
    <message id="Offset">
        <source></source>
        <translation>Odrost</translation>
    </message>
    <message id="Grafted">
        <source></source>
        <translation>Szczepione</translation>
    </message>
    <message id="Wild">
        <source></source>
        <translation>Z natury</translation>
    </message>
    <message id="Nursery Stock">
        <source></source>
        <translation>Ze szkółki</translation>
    </message>
    <message id="Private Grower">
        <source></source>
        <translation>Prywatny hodowca</translation>
    </message>
    <message id="Retailer">
        <source></source>
        <translation>Sklep</translation>
    </message>
    <message id="Ceramic">
        <source></source>
        <translation>Ceramika</translation>
    </message>
    <message id="Concrete">
        <source></source>
        <translation>Beton</translation>
    </message>
    <message id="Fiberglass">
        <source></source>
        <translation>Włókno szklane</translation>
    </message>
    <message id="Mica">
        <source></source>
        <translation>Mika</translation>
    </message>
    <message id="None (In-Ground)">
        <source></source>
        <translation>Brak (w gruncie)</translation>
    </message>
    <message id="Plastic">
        <source></source>
        <translation>Plastik</translation>
    </message>
    <message id="Stone">
        <source></source>
        <translation>Kamień</translation>
    </message>
    <message id="Wood">
        <source></source>
        <translation>Drewno</translation>
    </message>
    <message id="Round">
        <source></source>
        <translation>Okrągła</translation>
    </message>
    <message id="Oval">
        <source></source>
        <translation>Owalna</translation>
    </message>
    <message id="Square">
        <source></source>
        <translation>Kwadratowa</translation>
    </message>
    <message id="Rectangular">
        <source></source>
        <translation>Prostokątna</translation>
    </message>
    <message id="Hexagon">
        <source></source>
        <translation>Sześciokątna</translation>
    </message>
    <message id="Octagon">
        <source></source>
        <translation>Ośmiokątna</translation>
    </message>
    <message id="Dish">
        <source></source>
        <translation>Misa</translation>
    </message>
    <message id="Lotus">
        <source></source>
        <translation>Lotos</translation>
    </message>
    <message id="Flat">
        <source></source>
        <translation>Płaska</translation>
    </message>
    <message id="Irregular">
        <source></source>
        <translation>Nieregularna</translation>
    </message>
    <message id="hours">
        <source></source>
        <translation>godzin</translation>
    </message>
    <message id="days">
        <source></source>
        <translation>dni</translation>
    </message>
    <message id="weeks">
        <source></source>
        <translation>tygodni</translation>
    </message>
    <message id="months">
        <source></source>
        <translation>miesięcy</translation>
    </message>
    <message id="hour">
        <source></source>
        <translation>godzina</translation>
    </message>
    <message id="day">
        <source></source>
        <translation>dzień</translation>
    </message>
    <message id="week">
        <source></source>
        <translation>tydzień</translation>
    </message>
    <message id="month">
        <source></source>
        <translation>miesiąc</translation>
    </message>
    <message id="Spray">
        <source></source>
        <translation>Zraszanie</translation>
    </message>
    <message id="LightQuantity">
        <source></source>
        <translation>Ilość światła</translation>
    </message>
    <message id="Moderate">
        <source></source>
        <translation>Umiarkowane</translation>
    </message>
    <message id="Soak">
        <source></source>
        <translation>Moczenie</translation>
    </message>
    <message id="a cactus">
        <source></source>
        <translation>kaktus</translation>
    </message>
    <message id="a watering schedule">
        <source></source>
        <translation>harmonogram podlewania</translation>
    </message>
    <message id="a log">
        <source></source>
        <translation>wpis</translation>
    </message>
    <message id="a photo">
        <source></source>
        <translation>zdjęcie</translation>
    </message>
    <message id="a record (%1)">
        <source></source>
        <translation>rekord (%1)</translation>
    </message>
    <message id="%1 it needs is gone">
        <source></source>
        <translation>%1, którego potrzebuje, już nie istnieje</translation>
    </message>
    <message id="%1 it would bring back has been made again">
        <source></source>
        <translation>%1, który miałby przywrócić, został już utworzony ponownie</translation>
    </message>
    <message id="%1 it touches has been changed since">
        <source></source>
        <translation>%1, którego dotyczy, został od tego czasu zmieniony</translation>
    </message>
    <message id="what it needs could not be read from %1">
        <source></source>
        <translation>nie udało się odczytać z %1 tego, czego potrzebuje</translation>
    </message>
    <message id="the collection as it was before was not kept">
        <source></source>
        <translation>poprzedni stan kolekcji nie został zachowany</translation>
    </message>
    <message id="“%1” could not be undone: %2.">
        <source></source>
        <translation>Nie udało się cofnąć „%1”: %2.</translation>
    </message>
    <message id="“%1” could not be redone: %2.">
        <source></source>
        <translation>Nie udało się ponowić „%1”: %2.</translation>
    </message>
    <message id="the database is damaged (%1).">
        <source></source>
        <translation>baza danych jest uszkodzona (%1).</translation>
    </message>
    <message id="Print the list">
        <source></source>
        <translation>Drukuj listę</translation>
    </message>
    <message id="Import from device">
        <source></source>
        <translation>Importuj z urządzenia</translation>
    </message>
    <message id="Import database from Spinora Mobile App">
        <source></source>
        <translation>Importuj bazę danych z aplikacji mobilnej Spinora</translation>
    </message>
    <message id="Export to device">
        <source></source>
        <translation>Eksportuj na urządzenie</translation>
    </message>
    <message id="Export database to Spinora Mobile App">
        <source></source>
        <translation>Eksportuj bazę danych do aplikacji mobilnej Spinora</translation>
    </message>
    <message id="Show database statistics">
        <source></source>
        <translation>Pokaż statystyki bazy danych</translation>
    </message>
    <message id="Delete Item">
        <source></source>
        <translation>Usuń element</translation>
    </message>
    <message id="Remove an item from the list">
        <source></source>
        <translation>Usuń element z listy</translation>
    </message>
    <message id="Add an item to the list">
        <source></source>
        <translation>Dodaj element do listy</translation>
    </message>
    <message id="%n watering schedules" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n harmonogram podlewania</numerusform>
            <numerusform>%n harmonogramy podlewania</numerusform>
            <numerusform>%n harmonogramów podlewania</numerusform>
        </translation>
    </message>
    <message id="%1 and its %n cacti" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%1 i jego %n kaktus</numerusform>
            <numerusform>%1 i jego %n kaktusy</numerusform>
            <numerusform>%1 i jego %n kaktusów</numerusform>
        </translation>
    </message>
    <message id="%1 and their %n cacti" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%1 i ich %n kaktus</numerusform>
            <numerusform>%1 i ich %n kaktusy</numerusform>
            <numerusform>%1 i ich %n kaktusów</numerusform>
        </translation>
    </message>
    <message id="%n cacti" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n kaktus</numerusform>
            <numerusform>%n kaktusy</numerusform>
            <numerusform>%n kaktusów</numerusform>
        </translation>
    </message>
    <message id="No log has the event &quot;Flowered&quot; yet.">
        <source></source>
        <translation>Żaden wpis nie ma jeszcze zdarzenia „Kwitło”.</translation>
    </message>
    <message id="How often each plant flowered in each month, over all years; the plants likely to flower in %1 first.">
        <source></source>
        <translation>Jak często każda roślina kwitła w poszczególnych miesiącach we wszystkich latach; najpierw rośliny, które prawdopodobnie zakwitną w %1.</translation>
    </message>
    <message id="No date">
        <source></source>
        <translation>Brak daty</translation>
    </message>
    <message id="%1, %2">
        <source></source>
        <translation>%1, %2</translation>
    </message>
    <message id="Photo Timeline of %1">
        <source></source>
        <translation>Oś czasu zdjęć: %1</translation>
    </message>
    <message id="Photos, oldest first">
        <source></source>
        <translation>Zdjęcia, od najstarszych</translation>
    </message>
    <message id="This plant has no photos yet, neither its own nor in its logs.">
        <source></source>
        <translation>Ta roślina nie ma jeszcze zdjęć, ani własnych, ani we wpisach.</translation>
    </message>
    <message id="Choose two photos (Ctrl+click) to see them side by side.">
        <source></source>
        <translation>Wybierz dwa zdjęcia (Ctrl+kliknięcie), aby zobaczyć je obok siebie.</translation>
    </message>
    <message id="Earlier photo">
        <source></source>
        <translation>Wcześniejsze zdjęcie</translation>
    </message>
    <message id="Later photo">
        <source></source>
        <translation>Późniejsze zdjęcie</translation>
    </message>
    <message id="%1 (%2 without a date)">
        <source></source>
        <translation>%1 (%2 bez daty)</translation>
    </message>
    <message id="Log Entries">
        <source></source>
        <translation>Wpisy</translation>
    </message>
    <message id="Watering Due">
        <source></source>
        <translation>Termin podlewania</translation>
    </message>
    <message id="Reminders Due">
        <source></source>
        <translation>Zaległe przypomnienia</translation>
    </message>
    <message id="%1:">
        <source></source>
        <translation>%1:</translation>
    </message>
    <message id="no collection at %1">
        <source></source>
        <translation>brak kolekcji w %1</translation>
    </message>
    <message id="no snapshot was kept: %1">
        <source></source>
        <translation>nie zachowano migawki: %1</translation>
    </message>
    <message id="%1 has no snapshot named %2 (spinora-cli backups %1 lists them); nothing was changed">
        <source></source>
        <translation>%1 nie ma migawki o nazwie %2 (listę wyświetla spinora-cli backups %1); nic nie zostało zmienione</translation>
    </message>
    <message id="%1 was not restored: %2">
        <source></source>
        <translation>%1 nie został przywrócony: %2</translation>
    </message>
    <message id="the collection as it was is kept as %1">
        <source></source>
        <translation>poprzedni stan kolekcji zachowano jako %1</translation>
    </message>
    <message id="%1 needs a value">
        <source></source>
        <translation>%1 wymaga wartości</translation>
    </message>
    <message id="usage: %1">
        <source></source>
        <translation>użycie: %1</translation>
    </message>
    <message id="%1 must be a whole number from %2 to %3, not “%4”">
        <source></source>
        <translation>%1 musi być liczbą całkowitą od %2 do %3, a nie „%4”</translation>
    </message>
    <message id="%1 must be a local date and time as YYYY-MM-DD HH:MM, not “%2”">
        <source></source>
        <translation>%1 musi być lokalną datą i godziną w formacie RRRR-MM-DD GG:MM, a nie „%2”</translation>
    </message>
    <message id="the collection could not be written">
        <source></source>
        <translation>nie udało się zapisać kolekcji</translation>
    </message>
    <message id="%1 is damaged: %2 Nothing was changed. “spinora-cli backups %1” lists its snapshots and “spinora-cli restore %1 SNAPSHOT” brings one back.">
        <source></source>
        <translation>%1 jest uszkodzona: %2 Nic nie zostało zmienione. „spinora-cli backups %1” wyświetla jej migawki, a „spinora-cli restore %1 SNAPSHOT” przywraca jedną z nich.</translation>
    </message>
    <message id="its photo file %1 is missing.">
        <source></source>
        <translation>brakuje jej pliku zdjęcia %1.</translation>
    </message>
    <message id="%1 photo files are missing, the first %2.">
        <source></source>
        <translation>Brakujące pliki zdjęć: %1, pierwszy z nich %2.</translation>
    </message>
    <message id="%1: a collection's name must end in .%2">
        <source></source>
        <translation>%1: nazwa kolekcji musi kończyć się na .%2</translation>
    </message>
    <message id="%1 already exists; nothing was changed">
        <source></source>
        <translation>%1 już istnieje; nic nie zostało zmienione</translation>
    </message>
    <message id="the folder %1 does not exist">
        <source></source>
        <translation>katalog %1 nie istnieje</translation>
    </message>
    <message id="the sample could not be written">
        <source></source>
        <translation>nie udało się zapisać przykładu</translation>
    </message>
    <message id="created %1 with %2 cacti, %3 watering schedules, %4 logs and %5 photos">
        <source></source>
        <translation>utworzono %1 z kaktusami: %2, harmonogramami podlewania: %3, wpisami: %4 i zdjęciami: %5</translation>
    </message>
    <message id="list what? “%1” is not cacti, watering or logs">
        <source></source>
        <translation>wyświetlić co? „%1” to nie cacti, watering ani logs</translation>
    </message>
    <message id="at most three --no-water periods">
        <source></source>
        <translation>najwyżej trzy okresy --no-water</translation>
    </message>
    <message id="--no-water must be MM-DD:MM-DD with real days, not “%1”">
        <source></source>
        <translation>--no-water musi mieć postać MM-DD:MM-DD z istniejącymi dniami, a nie „%1”</translation>
    </message>
    <message id="warning: %1">
        <source></source>
        <translation>ostrzeżenie: %1</translation>
    </message>
    <message id="there is no session bus to post the notification on (%1)">
        <source></source>
        <translation>brak magistrali sesji, na którą można wysłać powiadomienie (%1)</translation>
    </message>
    <message id="no notification service answers on the session bus (%1)">
        <source></source>
        <translation>żadna usługa powiadomień nie odpowiada na magistrali sesji (%1)</translation>
    </message>
    <message id="the notification service refused the notification (%1)">
        <source></source>
        <translation>usługa powiadomień odrzuciła powiadomienie (%1)</translation>
    </message>
    <message id="%1 wants a device address such as http://host:port, not “%2”">
        <source></source>
        <translation>%1 wymaga adresu urządzenia w postaci http://host:port, a nie „%2”</translation>
    </message>
    <message id="the import failed; nothing was changed">
        <source></source>
        <translation>import nie powiódł się; nic nie zostało zmienione</translation>
    </message>
    <message id="the import failed; nothing was changed: %1">
        <source></source>
        <translation>import nie powiódł się; nic nie zostało zmienione: %1</translation>
    </message>
    <message id="download failed: %1">
        <source></source>
        <translation>pobieranie nie powiodło się: %1</translation>
    </message>
    <message id="upload failed: %1 - %2">
        <source></source>
        <translation>wysyłanie nie powiodło się: %1 - %2</translation>
    </message>
    <message id="service discovery failed: %1; it needs the avahi-daemon service (start it with &quot;systemctl start avahi-daemon&quot;)">
        <source></source>
        <translation>wykrywanie usług nie powiodło się: %1; wymaga usługi avahi-daemon (uruchom ją poleceniem &quot;systemctl start avahi-daemon&quot;)</translation>
    </message>
    <message id="pull needs --from URL">
        <source></source>
        <translation>pull wymaga --from URL</translation>
    </message>
    <message id="import option %1 does not fit a device in mode %2: %3">
        <source></source>
        <translation>opcja importu %1 nie pasuje do urządzenia w trybie %2: %3</translation>
    </message>
    <message id="push needs --to URL">
        <source></source>
        <translation>push wymaga --to URL</translation>
    </message>
    <message id="%1 Add --force to replace it.">
        <source></source>
        <translation>%1 Dodaj --force, aby go zastąpić.</translation>
    </message>
    <message id="%1 Nothing was written.">
        <source></source>
        <translation>%1 Nic nie zostało zapisane.</translation>
    </message>
    <message id="Exporting to the open collection itself is not permitted">
        <source></source>
        <translation>Eksport do samej otwartej kolekcji jest niedozwolony</translation>
    </message>
    <message id="%1: use export-csv for CSV files">
        <source></source>
        <translation>%1: dla plików CSV użyj export-csv</translation>
    </message>
    <message id="%1: a CSV file's name must end in .csv">
        <source></source>
        <translation>%1: nazwa pliku CSV musi kończyć się na .csv</translation>
    </message>
    <message id="Writing a report into the open collection itself is not permitted">
        <source></source>
        <translation>Zapisywanie raportu do samej otwartej kolekcji jest niedozwolone</translation>
    </message>
    <message id="the file %1 could not be written">
        <source></source>
        <translation>nie udało się zapisać pliku %1</translation>
    </message>
    <message id="nothing to import at %1">
        <source></source>
        <translation>nic do zaimportowania w %1</translation>
    </message>
    <message id="--map is for CSV files">
        <source></source>
        <translation>--map dotyczy plików CSV</translation>
    </message>
    <message id="--map: %1">
        <source></source>
        <translation>--map: %1</translation>
    </message>
    <message id="Importing from the open collection itself is not permitted">
        <source></source>
        <translation>Import z samej otwartej kolekcji jest niedozwolony</translation>
    </message>
    <message id="--page-size must be A4 or Letter, not “%1”">
        <source></source>
        <translation>--page-size musi mieć wartość A4 lub Letter, a nie „%1”</translation>
    </message>
    <message id="--record must be a record's key (a whole number), not “%1”">
        <source></source>
        <translation>--record musi być kluczem rekordu (liczbą całkowitą), a nie „%1”</translation>
    </message>
    <message id="--record needs a sheet screen (3, 4 or 5)">
        <source></source>
        <translation>--record wymaga ekranu arkusza (3, 4 lub 5)</translation>
    </message>
    <message id="the collection has no cactus with the key %1">
        <source></source>
        <translation>kolekcja nie zawiera kaktusa o kluczu %1</translation>
    </message>
    <message id="the collection has no cactus to print">
        <source></source>
        <translation>kolekcja nie zawiera kaktusa do wydrukowania</translation>
    </message>
    <message id="the collection has no watering schedule with the key %1">
        <source></source>
        <translation>kolekcja nie zawiera harmonogramu podlewania o kluczu %1</translation>
    </message>
    <message id="the collection has no watering schedule to print">
        <source></source>
        <translation>kolekcja nie zawiera harmonogramu podlewania do wydrukowania</translation>
    </message>
    <message id="the collection has no log with the key %1">
        <source></source>
        <translation>kolekcja nie zawiera wpisu o kluczu %1</translation>
    </message>
    <message id="the collection has no log to print">
        <source></source>
        <translation>kolekcja nie zawiera wpisu do wydrukowania</translation>
    </message>
    <message id="--layout must be a4-3x8 or letter-3x10, not “%1”">
        <source></source>
        <translation>--layout musi mieć wartość a4-3x8 lub letter-3x10, a nie „%1”</translation>
    </message>
    <message id="no cactus matches “%1”">
        <source></source>
        <translation>żaden kaktus nie pasuje do „%1”</translation>
    </message>
    <message id="due">
        <source></source>
        <translation>termin</translation>
    </message>
    <message id="1 day overdue">
        <source></source>
        <translation>1 dzień opóźnienia</translation>
    </message>
    <message id="%1 days overdue">
        <source></source>
        <translation>%1 dni opóźnienia</translation>
    </message>
    <message id="nothing due">
        <source></source>
        <translation>nic do zrobienia</translation>
    </message>
    <message id="(no schedule)">
        <source></source>
        <translation>(brak harmonogramu)</translation>
    </message>
    <message id="(no plants)">
        <source></source>
        <translation>(brak roślin)</translation>
    </message>
    <message id="%1: %2, next watering %3, %4">
        <source></source>
        <translation>%1: %2, następne podlewanie %3, %4</translation>
    </message>
    <message id="reminder: %1, %2">
        <source></source>
        <translation>przypomnienie: %1, %2</translation>
    </message>
    <message id="reminder: %1 (%2), %3">
        <source></source>
        <translation>przypomnienie: %1 (%2), %3</translation>
    </message>
    <message id="1 plant to water">
        <source></source>
        <translation>1 roślina do podlania</translation>
    </message>
    <message id="%1 plants to water">
        <source></source>
        <translation>Rośliny do podlania: %1</translation>
    </message>
    <message id="1 reminder">
        <source></source>
        <translation>1 przypomnienie</translation>
    </message>
    <message id="%1 reminders">
        <source></source>
        <translation>Przypomnienia: %1</translation>
    </message>
    <message id="%1 and %2">
        <source></source>
        <translation>%1 i %2</translation>
    </message>
    <message id="%1 today">
        <source></source>
        <translation>%1 dzisiaj</translation>
    </message>
    <message id="%1 by %2">
        <source></source>
        <translation>%1 według %2</translation>
    </message>
    <message id="%1 and %2 more">
        <source></source>
        <translation>%1 i jeszcze %2</translation>
    </message>
    <message id="nothing due: no notification">
        <source></source>
        <translation>nic do zrobienia: brak powiadomienia</translation>
    </message>
    <message id="%1 could not be started">
        <source></source>
        <translation>Nie udało się uruchomić %1</translation>
    </message>
    <message id="--on must be a date as YYYY-MM-DD, not “%1”">
        <source></source>
        <translation>--on musi być datą w formacie RRRR-MM-DD, a nie „%1”</translation>
    </message>
    <message id="no collection named and no recent collection to check">
        <source></source>
        <translation>nie podano kolekcji i nie ma ostatniej kolekcji do sprawdzenia</translation>
    </message>
    <message id="--at %1 lies in the future; a watering can only be recorded once it is done">
        <source></source>
        <translation>--at %1 to przyszłość; podlewanie można zapisać dopiero po jego wykonaniu</translation>
    </message>
    <message id="no watering schedule is named “%1”; nothing was changed">
        <source></source>
        <translation>żaden harmonogram podlewania nie nazywa się „%1”; nic nie zostało zmienione</translation>
    </message>
    <message id="no cactus is named “%1”; nothing was changed">
        <source></source>
        <translation>żaden kaktus nie nazywa się „%1”; nic nie zostało zmienione</translation>
    </message>
    <message id="the watering could not be recorded">
        <source></source>
        <translation>nie udało się zapisać podlewania</translation>
    </message>
    <message id="unknown subcommand “%1” (see spinora-cli --help)">
        <source></source>
        <translation>nieznane polecenie podrzędne „%1” (zobacz spinora-cli --help)</translation>
    </message>
    <message id="The latest changes to “%1” could not be written: %2">
        <source></source>
        <translation>Nie udało się zapisać ostatnich zmian w „%1”: %2</translation>
    </message>
    <message id="The window stays open so that they are not lost. Make room and close it again, or save the collection somewhere else.">
        <source></source>
        <translation>Okno pozostaje otwarte, aby nie zostały utracone. Zwolnij miejsce i zamknij je ponownie albo zapisz kolekcję w innym miejscu.</translation>
    </message>
    <message id="the photo could not be written into the collection (is the disk full?)">
        <source></source>
        <translation>nie udało się zapisać zdjęcia w kolekcji (czy dysk jest pełny?)</translation>
    </message>
    <message id="unknown option %1">
        <source></source>
        <translation>nieznana opcja %1</translation>
    </message>
    <message id="name at least one --schedule or --cactus">
        <source></source>
        <translation>podaj co najmniej jedno --schedule lub --cactus</translation>
    </message>
    <message id="&lt; 1 year">
        <source></source>
        <translation>&lt; 1 rok</translation>
    </message>
    <message id="%n years" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n rok</numerusform>
            <numerusform>%n lata</numerusform>
            <numerusform>%n lat</numerusform>
        </translation>
    </message>
    <message id="Columns of %1">
        <source></source>
        <translation>Kolumny pliku %1</translation>
    </message>
    <message id="This file is not in the Spinora CSV template layout. Choose what each column holds; its first rows are shown below it.">
        <source></source>
        <translation>Ten plik nie ma układu szablonu CSV programu Spinora. Wybierz, co zawiera każda kolumna; pod nią widać jej pierwsze wiersze.</translation>
    </message>
    <message id="Columns of the file">
        <source></source>
        <translation>Kolumny pliku</translation>
    </message>
    <message id="Field of the column “%1”">
        <source></source>
        <translation>Pole kolumny „%1”</translation>
    </message>
    <message id="Skip">
        <source></source>
        <translation>Pomiń</translation>
    </message>
    <message id="Choose the column that holds the plants' names.">
        <source></source>
        <translation>Wybierz kolumnę z nazwami roślin.</translation>
    </message>
    <message id="%n hours" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n godzina</numerusform>
            <numerusform>%n godziny</numerusform>
            <numerusform>%n godzin</numerusform>
        </translation>
    </message>
    <message id="%n days" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n dzień</numerusform>
            <numerusform>%n dni</numerusform>
            <numerusform>%n dni</numerusform>
        </translation>
    </message>
    <message id="%n weeks" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n tydzień</numerusform>
            <numerusform>%n tygodnie</numerusform>
            <numerusform>%n tygodni</numerusform>
        </translation>
    </message>
    <message id="%n months" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n miesiąc</numerusform>
            <numerusform>%n miesiące</numerusform>
            <numerusform>%n miesięcy</numerusform>
        </translation>
    </message>
    <message id="Keep the &amp;original file of each photo added (full detail, date taken)">
        <source></source>
        <translation>Zachowuj &amp;oryginalny plik każdego dodanego zdjęcia (pełne szczegóły, data wykonania)</translation>
    </message>
    <message id="The originals take %1 in the open collections.">
        <source></source>
        <translation>Oryginały zajmują %1 w otwartych kolekcjach.</translation>
    </message>
    <message id="Print Photo…">
        <source></source>
        <translation>Drukuj zdjęcie…</translation>
    </message>
    <message id="Print the photo on a page">
        <source></source>
        <translation>Wydrukuj zdjęcie na jednej stronie</translation>
    </message>
    <message id="Taken on %1 at %2">
        <source></source>
        <translation>Zrobione %1 o %2</translation>
    </message>
</context>
</TS>
