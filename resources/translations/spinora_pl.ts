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
    <message id="%1 of its photo files are missing, the first “%2”.">
        <source></source>
        <translation>Brakuje %1 plików zdjęć, pierwszy to „%2”.</translation>
    </message>
    <message id="The collection “%1” is damaged, so it was not opened.">
        <source></source>
        <translation>Kolekcja „%1” jest uszkodzona, dlatego nie została otwarta.</translation>
    </message>
    <message id="The newest good snapshot was taken on %1 and holds %2 plants, %3 logs and %4 photos. Restoring it replaces the collection; the damaged one is kept as a snapshot first.">
        <source></source>
        <translation>Najnowsza poprawna migawka została utworzona %1 i zawiera roślin: %2, wpisów: %3, zdjęć: %4. Przywrócenie jej zastąpi kolekcję; uszkodzona kolekcja zostanie najpierw zachowana jako migawka.</translation>
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
    <message id="The collection will hold %1 plants, %2 logs and %3 photos. Its current state is kept as a snapshot first, so this can be undone by restoring that one.">
        <source></source>
        <translation>Kolekcja będzie zawierać roślin: %1, wpisów: %2, zdjęć: %3. Jej obecny stan zostanie najpierw zachowany jako migawka, więc można to cofnąć, przywracając tę migawkę.</translation>
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
    <message id="The app will ask what you want to import.">
        <source></source>
        <translation>Aplikacja zapyta, co chcesz zaimportować.</translation>
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
    <message id="Line %1, column %2 (%3): &quot;%4&quot; could not be read and was not imported.">
        <source></source>
        <translation>Wiersz %1, kolumna %2 (%3): nie udało się odczytać &quot;%4&quot;, więc nie zostało zaimportowane.</translation>
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
    <message id="The file is not in the Spinora CSV template layout and these columns could not be placed: &quot;%1&quot;. Give each column its field, for example --map &quot;%2&quot; (the fields are %3).">
        <source></source>
        <translation>Plik nie ma układu szablonu CSV programu Spinora i nie udało się przypisać tych kolumn: &quot;%1&quot;. Przypisz każdej kolumnie jej pole, na przykład --map &quot;%2&quot; (dostępne pola to %3).</translation>
    </message>
    <message id="&quot;%1&quot; is no COLUMN=FIELD pair.">
        <source></source>
        <translation>&quot;%1&quot; nie jest parą KOLUMNA=POLE.</translation>
    </message>
    <message id="&quot;%1&quot; is no field; the fields are %2.">
        <source></source>
        <translation>&quot;%1&quot; nie jest polem; dostępne pola to %2.</translation>
    </message>
    <message id="The file has no column &quot;%1&quot;.">
        <source></source>
        <translation>Plik nie zawiera kolumny &quot;%1&quot;.</translation>
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
    <message id="There is no file &quot;%1&quot;.">
        <source></source>
        <translation>Plik &quot;%1&quot; nie istnieje.</translation>
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
    <message id="&quot;%1&quot; already exists. Do you want to replace it?">
        <source></source>
        <translation>&quot;%1&quot; już istnieje. Czy chcesz go zastąpić?</translation>
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
    <message id="%1 labels">
        <source></source>
        <translation>Etykiety: %1</translation>
    </message>
    <message id="1 page">
        <source></source>
        <translation>1 strona</translation>
    </message>
    <message id="%1 pages">
        <source></source>
        <translation>Liczba stron: %1</translation>
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
    <message id="Nothing was printed: the printer &quot;%1&quot; could not be used.">
        <source></source>
        <translation>Nic nie zostało wydrukowane: nie udało się użyć drukarki &quot;%1&quot;.</translation>
    </message>
    <message id="Nothing was printed: the file &quot;%1&quot; could not be written.">
        <source></source>
        <translation>Nic nie zostało wydrukowane: nie udało się zapisać pliku &quot;%1&quot;.</translation>
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
</context>
<context>
    <name>PhotoStore</name>
    <message>
        <source>the photo could not be written into the collection (is the disk full?)</source>
        <translation>nie udało się zapisać zdjęcia w kolekcji (czy dysk jest pełny?)</translation>
    </message>
</context>
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <source>Page setup</source>
        <translation>Ustawienia strony</translation>
    </message>
</context>
<context>
    <name>Spinora</name>
    <message>
        <source>name|plant|plant name|cactus|label</source>
        <translation>nazwa|roślina|nazwa rośliny|kaktus|etykieta</translation>
    </message>
    <message>
        <source>scientific|scientific name|botanical name|latin name|taxon|genus|species</source>
        <translation>naukowa|nazwa naukowa|nazwa botaniczna|nazwa łacińska|takson|rodzaj|gatunek</translation>
    </message>
    <message>
        <source>common|common name</source>
        <translation>zwyczajowa|nazwa zwyczajowa</translation>
    </message>
    <message>
        <source>type|plant type</source>
        <translation>typ|typ rośliny</translation>
    </message>
    <message>
        <source>watering|schedule|watering schedule</source>
        <translation>podlewanie|harmonogram|harmonogram podlewania</translation>
    </message>
    <message>
        <source>last watered</source>
        <translation>ostatnie podlewanie</translation>
    </message>
    <message>
        <source>next watering</source>
        <translation>następne podlewanie</translation>
    </message>
    <message>
        <source>planted|plant date|date planted|sown</source>
        <translation>posadzono|data posadzenia|data sadzenia|wysiano</translation>
    </message>
    <message>
        <source>source|origin</source>
        <translation>źródło|pochodzenie</translation>
    </message>
    <message>
        <source>acquired|date acquired|bought|purchased|purchase date</source>
        <translation>nabyto|data nabycia|kupiono|zakup|data zakupu</translation>
    </message>
    <message>
        <source>price|purchase price|cost|paid</source>
        <translation>cena|cena zakupu|koszt|zapłacono</translation>
    </message>
    <message>
        <source>value|worth</source>
        <translation>wartość|wycena</translation>
    </message>
    <message>
        <source>location|place|position|bench|greenhouse</source>
        <translation>miejsce|lokalizacja|stanowisko|stół|szklarnia</translation>
    </message>
    <message>
        <source>height</source>
        <translation>wysokość</translation>
    </message>
    <message>
        <source>width|diameter</source>
        <translation>szerokość|średnica</translation>
    </message>
    <message>
        <source>weight</source>
        <translation>waga</translation>
    </message>
    <message>
        <source>light|sun</source>
        <translation>światło|słońce</translation>
    </message>
    <message>
        <source>temperature|temp|min temp</source>
        <translation>temperatura|temp|min temp</translation>
    </message>
    <message>
        <source>pot size|pot</source>
        <translation>rozmiar doniczki|doniczka</translation>
    </message>
    <message>
        <source>pot shape|shape</source>
        <translation>kształt doniczki|kształt</translation>
    </message>
    <message>
        <source>pot material|material</source>
        <translation>materiał doniczki|materiał</translation>
    </message>
    <message>
        <source>notes|note|comments|comment|remarks|description</source>
        <translation>notatki|notatka|komentarze|komentarz|uwagi|opis</translation>
    </message>
    <message>
        <source>id|#|no|no.|number|photo|photos|image|picture</source>
        <translation>id|#|nr|nr.|numer|zdjęcie|zdjęcia|obraz|obrazek</translation>
    </message>
</context>
<context>
    <name>spinora</name>
    <message>
        <source>Photos</source>
        <translation>Zdjęcia</translation>
    </message>
</context>
<context>
    <name>spinora::EventViewController</name>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Zajęty</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>Wolny</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Tytuł</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>Początek</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>Koniec</translation>
    </message>
    <message>
        <source>All-Day</source>
        <translation>Cały dzień</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalendarz</translation>
    </message>
    <message>
        <source>Availability</source>
        <translation>Dostępność</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Kept in %1. To see these reminders in your desktop calendar, add this file to it as a calendar.</source>
        <translation>Przechowywane w %1. Aby zobaczyć te przypomnienia w kalendarzu pulpitu, dodaj do niego ten plik jako kalendarz.</translation>
    </message>
    <message>
        <source>Add New Event</source>
        <translation>Dodaj nowe zdarzenie</translation>
    </message>
    <message>
        <source>Edit Event</source>
        <translation>Edytuj zdarzenie</translation>
    </message>
</context>
<context>
    <name>spinora::PhotoGridViewController</name>
    <message>
        <source>All Photos</source>
        <translation>Wszystkie zdjęcia</translation>
    </message>
    <message>
        <source>Add Photos…</source>
        <translation>Dodaj zdjęcia…</translation>
    </message>
    <message>
        <source>Add photos from picture files. You can also drop picture files on the grid.</source>
        <translation>Dodaj zdjęcia z plików graficznych. Pliki graficzne można też upuścić na siatkę.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Size of the photos</source>
        <translation>Rozmiar zdjęć</translation>
    </message>
    <message>
        <source>Adding photos</source>
        <translation>Dodawanie zdjęć</translation>
    </message>
    <message>
        <source>Add Photos</source>
        <translation>Dodaj zdjęcia</translation>
    </message>
    <message>
        <source>Pictures (*.jpg *.jpeg *.png *.gif *.tif *.tiff *.bmp)</source>
        <translation>Obrazy (*.jpg *.jpeg *.png *.gif *.tif *.tiff *.bmp)</translation>
    </message>
    <message>
        <source>No collection is open.</source>
        <translation>Żadna kolekcja nie jest otwarta.</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>OSTRZEŻENIE</translation>
    </message>
    <message>
        <source>This file was not added:</source>
        <translation>Nie dodano tego pliku:</translation>
    </message>
    <message>
        <source>These files were not added:</source>
        <translation>Nie dodano tych plików:</translation>
    </message>
</context>
<context>
    <name>spinora::PhotoViewController</name>
    <message>
        <source>Caption</source>
        <translation>Podpis</translation>
    </message>
</context>
<context>
    <name>spinora::ReportExport</name>
    <message>
        <source>photos</source>
        <translation>zdjęcia</translation>
    </message>
    <message>
        <source>Cacti Report</source>
        <translation>Raport kaktusów</translation>
    </message>
    <message>
        <source>Exported from %1 v%2 on %3</source>
        <translation>Wyeksportowano z %1 v%2 dnia %3</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Podsumowanie</translation>
    </message>
    <message>
        <source>Total Cacti</source>
        <translation>Liczba kaktusów</translation>
    </message>
    <message>
        <source>Total Watering Schedules</source>
        <translation>Liczba harmonogramów podlewania</translation>
    </message>
    <message>
        <source>Total Log Entries</source>
        <translation>Liczba wpisów</translation>
    </message>
    <message>
        <source>Unique Species</source>
        <translation>Różne gatunki</translation>
    </message>
    <message>
        <source>Total Value</source>
        <translation>Łączna wartość</translation>
    </message>
    <message>
        <source>Log History</source>
        <translation>Historia wpisów</translation>
    </message>
    <message>
        <source>No Event Name</source>
        <translation>Brak nazwy zdarzenia</translation>
    </message>
    <message>
        <source>No Notes</source>
        <translation>Brak notatek</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Brak</translation>
    </message>
    <message>
        <source>No Water Between</source>
        <translation>Bez podlewania między</translation>
    </message>
    <message>
        <source>Cacti To Water</source>
        <translation>Kaktusy do podlania</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
</context>
</TS>
