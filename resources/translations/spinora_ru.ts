<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name></name>
    <message id="Daily">
        <source></source>
        <translation>Ежедневно</translation>
    </message>
    <message id="Before an import">
        <source></source>
        <translation>Перед импортом</translation>
    </message>
    <message id="Before a restore">
        <source></source>
        <translation>Перед восстановлением</translation>
    </message>
    <message id="Kept by hand">
        <source></source>
        <translation>Сохранено вручную</translation>
    </message>
    <message id="%1, damaged">
        <source></source>
        <translation>%1, повреждено</translation>
    </message>
    <message id="Restore “%1” From Backup">
        <source></source>
        <translation>Восстановление «%1» из резервной копии</translation>
    </message>
    <message id="Snapshots are kept every day, before each import and before each restore. Open one to look at it or to import records from it, or restore the whole collection as it was.">
        <source></source>
        <translation>Снимки создаются ежедневно, а также перед каждым импортом и восстановлением. Откройте снимок, чтобы просмотреть его или импортировать из него данные, либо восстановите всю коллекцию в том состоянии, в каком она была.</translation>
    </message>
    <message id="Snapshots">
        <source></source>
        <translation>Снимки</translation>
    </message>
    <message id="&amp;Open Backup">
        <source></source>
        <translation>&amp;Открыть резервную копию</translation>
    </message>
    <message id="&amp;Restore…">
        <source></source>
        <translation>&amp;Восстановить…</translation>
    </message>
    <message id="Spinora cannot set a daily reminder on this desktop: its login entry %1 could not be written.">
        <source></source>
        <translation>Spinora не может установить ежедневное напоминание в этой среде рабочего стола: не удалось записать элемент автозапуска %1.</translation>
    </message>
    <message id="This desktop cannot wake Spinora at a set time, so it will look for plants to water each time you log in instead of every day at %1.">
        <source></source>
        <translation>Эта среда рабочего стола не может запускать Spinora в заданное время, поэтому растения для полива будут проверяться при каждом входе в систему, а не ежедневно в %1.</translation>
    </message>
    <message id="Restore From Backup…">
        <source></source>
        <translation>Восстановить из резервной копии…</translation>
    </message>
    <message id="&amp;Keep snapshots of each collection: daily, and before each import or restore">
        <source></source>
        <translation>&amp;Сохранять снимки каждой коллекции: ежедневно, а также перед каждым импортом и восстановлением</translation>
    </message>
    <message id="&amp;Folder:">
        <source></source>
        <translation>&amp;Папка:</translation>
    </message>
    <message id="C&amp;hoose…">
        <source></source>
        <translation>&amp;Выбрать…</translation>
    </message>
    <message id=" GB">
        <source></source>
        <translation> ГБ</translation>
    </message>
    <message id="&amp;Use at most:">
        <source></source>
        <translation>&amp;Использовать не более:</translation>
    </message>
    <message id="Snapshot Folder">
        <source></source>
        <translation>Папка снимков</translation>
    </message>
    <message id="Restore Snapshot">
        <source></source>
        <translation>Восстановить снимок</translation>
    </message>
    <message id="Open Anyway">
        <source></source>
        <translation>Всё равно открыть</translation>
    </message>
    <message id="Its photo file “%1” is missing.">
        <source></source>
        <translation>Отсутствует файл фотографии «%1».</translation>
    </message>
    <message id="%1 of its photo files are missing, the first “%2”.">
        <source></source>
        <translation>Отсутствуют файлы фотографий: %1, первый из них — «%2».</translation>
    </message>
    <message id="The collection “%1” is damaged, so it was not opened.">
        <source></source>
        <translation>Коллекция «%1» повреждена, поэтому она не открыта.</translation>
    </message>
    <message id="The newest good snapshot was taken on %1 and holds %2 plants, %3 logs and %4 photos. Restoring it replaces the collection; the damaged one is kept as a snapshot first.">
        <source></source>
        <translation>Последний исправный снимок создан %1; в нём растений: %2, записей: %3, фотографий: %4. Его восстановление заменит коллекцию; повреждённая коллекция сначала сохраняется как снимок.</translation>
    </message>
    <message id="There is no snapshot of it to restore.">
        <source></source>
        <translation>Нет снимка, который можно восстановить.</translation>
    </message>
    <message id="The snapshot could not be restored: %1">
        <source></source>
        <translation>Не удалось восстановить снимок: %1</translation>
    </message>
    <message id="%1. The collection is open as usual; free some space or choose another backup folder in Preferences.">
        <source></source>
        <translation>%1. Коллекция открыта как обычно; освободите место или выберите в настройках другую папку для резервных копий.</translation>
    </message>
    <message id="Restore “%1” as it was on %2?">
        <source></source>
        <translation>Восстановить «%1» в состоянии на %2?</translation>
    </message>
    <message id="The collection will hold %1 plants, %2 logs and %3 photos. Its current state is kept as a snapshot first, so this can be undone by restoring that one.">
        <source></source>
        <translation>В коллекции будет растений: %1, записей: %2, фотографий: %3. Её текущее состояние сначала сохраняется как снимок, поэтому это действие можно отменить, восстановив этот снимок.</translation>
    </message>
    <message id="Restore">
        <source></source>
        <translation>Восстановить</translation>
    </message>
    <message id="The collection was not restored: %1">
        <source></source>
        <translation>Коллекция не восстановлена: %1</translation>
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
        <translation>Устройства не найдены. Запустите Spinora на iPhone, iPad или iPod touch и выберите «Резервная копия базы данных» или «Экспорт данных» на экране «Инструменты».</translation>
    </message>
    <message id="No devices found. Load Spinora on your iPhone, iPad, or iPod touch, and select Restore Database or Import Data on the Tools screen.">
        <source></source>
        <translation>Устройства не найдены. Запустите Spinora на iPhone, iPad или iPod touch и выберите «Восстановить базу данных» или «Импорт данных» на экране «Инструменты».</translation>
    </message>
    <message id="Select a device from the list.">
        <source></source>
        <translation>Выберите устройство из списка.</translation>
    </message>
    <message id="No devices found: the search for devices on the network failed (%1). It needs the avahi-daemon service: start it (for example with &quot;systemctl start avahi-daemon&quot;), then open this window again.">
        <source></source>
        <translation>Устройства не найдены: не удалось выполнить поиск устройств в сети (%1). Для поиска нужна служба avahi-daemon: запустите её (например, командой &quot;systemctl start avahi-daemon&quot;), затем снова откройте это окно.</translation>
    </message>
    <message id="it stopped">
        <source></source>
        <translation>поиск остановлен</translation>
    </message>
    <message id="Click the Export button to send the database to your device.">
        <source></source>
        <translation>Нажмите кнопку «Экспортировать», чтобы отправить базу данных на устройство.</translation>
    </message>
    <message id="The app will ask what you want to import.">
        <source></source>
        <translation>Приложение спросит, что вы хотите импортировать.</translation>
    </message>
    <message id="Import Complete">
        <source></source>
        <translation>Импорт завершён</translation>
    </message>
    <message id="Database import complete!">
        <source></source>
        <translation>Импорт базы данных завершён!</translation>
    </message>
    <message id="Import Error">
        <source></source>
        <translation>Ошибка импорта</translation>
    </message>
    <message id="An error occurred during the import! Database import was aborted and no changes were made.">
        <source></source>
        <translation>При импорте произошла ошибка! Импорт базы данных прерван, изменения не внесены.</translation>
    </message>
    <message id="WARNING">
        <source></source>
        <translation>ПРЕДУПРЕЖДЕНИЕ</translation>
    </message>
    <message id="Error transferring database!">
        <source></source>
        <translation>Ошибка передачи базы данных!</translation>
    </message>
    <message id="Check Device">
        <source></source>
        <translation>Проверьте устройство</translation>
    </message>
    <message id="Database transferred! Check your device for further instructions.">
        <source></source>
        <translation>База данных передана! Дальнейшие инструкции смотрите на устройстве.</translation>
    </message>
    <message id="No collection is open.">
        <source></source>
        <translation>Нет открытой коллекции.</translation>
    </message>
    <message id="The request timed out.">
        <source></source>
        <translation>Время ожидания запроса истекло.</translation>
    </message>
    <message id="Not a device address: %1">
        <source></source>
        <translation>Не является адресом устройства: %1</translation>
    </message>
    <message id="No folder for temporary files.">
        <source></source>
        <translation>Нет папки для временных файлов.</translation>
    </message>
    <message id="HTTP error %1">
        <source></source>
        <translation>Ошибка HTTP %1</translation>
    </message>
    <message id="The file on the device is larger than %1 MB.">
        <source></source>
        <translation>Файл на устройстве больше %1 МБ.</translation>
    </message>
    <message id="The device did not send a Spinora database.">
        <source></source>
        <translation>Устройство не отправило базу данных Spinora.</translation>
    </message>
    <message id="The device closed the connection before the whole file had arrived.">
        <source></source>
        <translation>Устройство закрыло соединение до получения всего файла.</translation>
    </message>
    <message id="The downloaded file could not be written.">
        <source></source>
        <translation>Не удалось записать загруженный файл.</translation>
    </message>
    <message id="File read error">
        <source></source>
        <translation>Ошибка чтения файла</translation>
    </message>
    <message id="Stream open error">
        <source></source>
        <translation>Ошибка открытия потока</translation>
    </message>
    <message id="Network write error">
        <source></source>
        <translation>Ошибка записи в сеть</translation>
    </message>
    <message id="Import Options">
        <source></source>
        <translation>Параметры импорта</translation>
    </message>
    <message id="Cancel">
        <source></source>
        <translation>Отмена</translation>
    </message>
    <message id="Import">
        <source></source>
        <translation>Импортировать</translation>
    </message>
    <message id="Export">
        <source></source>
        <translation>Экспортировать</translation>
    </message>
    <message id="Importing Database">
        <source></source>
        <translation>Импорт базы данных</translation>
    </message>
    <message id="Exporting Database">
        <source></source>
        <translation>Экспорт базы данных</translation>
    </message>
    <message id="OK">
        <source></source>
        <translation>ОК</translation>
    </message>
    <message id="A name is needed to save">
        <source></source>
        <translation>Для сохранения требуется название</translation>
    </message>
    <message id="Name">
        <source></source>
        <translation>Название</translation>
    </message>
    <message id="Remove">
        <source></source>
        <translation>Удалить</translation>
    </message>
    <message id="Remove the currently selected species from the list.">
        <source></source>
        <translation>Удалить выбранный вид из списка.</translation>
    </message>
    <message id="Species">
        <source></source>
        <translation>Вид</translation>
    </message>
    <message id="New species are automatically added to the list when saving the Cactus Info">
        <source></source>
        <translation>Новые виды автоматически добавляются в список при сохранении сведений о кактусе</translation>
    </message>
    <message id="Type">
        <source></source>
        <translation>Тип</translation>
    </message>
    <message id="Open…">
        <source></source>
        <translation>Открыть…</translation>
    </message>
    <message id="Open the watering schedule">
        <source></source>
        <translation>Открыть график полива</translation>
    </message>
    <message id="Watering">
        <source></source>
        <translation>Полив</translation>
    </message>
    <message id="Next Watering">
        <source></source>
        <translation>Следующий полив</translation>
    </message>
    <message id="Plant Date">
        <source></source>
        <translation>Дата посадки</translation>
    </message>
    <message id="Age">
        <source></source>
        <translation>Возраст</translation>
    </message>
    <message id="Date Acquired">
        <source></source>
        <translation>Дата приобретения</translation>
    </message>
    <message id="Changing the Last Watered date may cause watering for this plant to become out of sync with its associated watering schedule">
        <source></source>
        <translation>Изменение даты последнего полива может привести к тому, что полив этого растения перестанет совпадать с его графиком полива</translation>
    </message>
    <message id="Remove Species">
        <source></source>
        <translation>Удалить вид</translation>
    </message>
    <message id="Purchase Price">
        <source></source>
        <translation>Цена покупки</translation>
    </message>
    <message id="Value">
        <source></source>
        <translation>Стоимость</translation>
    </message>
    <message id="Add Cactus">
        <source></source>
        <translation>Добавить кактус</translation>
    </message>
    <message id="Edit Cactus">
        <source></source>
        <translation>Изменить кактус</translation>
    </message>
    <message id="New Cactus">
        <source></source>
        <translation>Новый кактус</translation>
    </message>
    <message id="Cactus Info">
        <source></source>
        <translation>Сведения о кактусе</translation>
    </message>
    <message id="Adding photos…">
        <source></source>
        <translation>Добавление фотографий…</translation>
    </message>
    <message id="Keep Editing">
        <source></source>
        <translation>Продолжить правку</translation>
    </message>
    <message id="%1: “%2” is not an amount such as %3.">
        <source></source>
        <translation>%1: «%2» не является суммой вида %3.</translation>
    </message>
    <message id="%1: a whole number of %2 or more is needed.">
        <source></source>
        <translation>%1: требуется целое число не меньше %2.</translation>
    </message>
    <message id="%1: “%2” is not a whole number of %3 or more.">
        <source></source>
        <translation>%1: «%2» не является целым числом не меньше %3.</translation>
    </message>
    <message id="%1 can hold at most %2 characters.">
        <source></source>
        <translation>%1 может содержать не более %2 символов.</translation>
    </message>
    <message id="Of the %1 characters inserted, %2 fit.">
        <source></source>
        <translation>Из %1 вставляемых символов помещается %2.</translation>
    </message>
    <message id="Insert the First %1">
        <source></source>
        <translation>Вставить первые %1</translation>
    </message>
    <message id="Insert Nothing">
        <source></source>
        <translation>Ничего не вставлять</translation>
    </message>
    <message id="Just Watered">
        <source></source>
        <translation>Только что полито</translation>
    </message>
    <message id="Last Watered">
        <source></source>
        <translation>Последний полив</translation>
    </message>
    <message id="None Scheduled">
        <source></source>
        <translation>Не запланировано</translation>
    </message>
    <message id="Reminder: No">
        <source></source>
        <translation>Напоминание: нет</translation>
    </message>
    <message id="Reminder: Yes">
        <source></source>
        <translation>Напоминание: да</translation>
    </message>
    <message id="An event name is needed to save">
        <source></source>
        <translation>Для сохранения требуется название события</translation>
    </message>
    <message id="Remove the event name from the list.">
        <source></source>
        <translation>Удалить название события из списка.</translation>
    </message>
    <message id="Event">
        <source></source>
        <translation>Событие</translation>
    </message>
    <message id="Date">
        <source></source>
        <translation>Дата</translation>
    </message>
    <message id="Reminder">
        <source></source>
        <translation>Напоминание</translation>
    </message>
    <message id="Open the cactus">
        <source></source>
        <translation>Открыть кактус</translation>
    </message>
    <message id="New…">
        <source></source>
        <translation>Создать…</translation>
    </message>
    <message id="Add a new cactus">
        <source></source>
        <translation>Добавить новый кактус</translation>
    </message>
    <message id="Cactus">
        <source></source>
        <translation>Кактус</translation>
    </message>
    <message id="Remove Event">
        <source></source>
        <translation>Удалить событие</translation>
    </message>
    <message id="Unnamed Cactus">
        <source></source>
        <translation>Безымянный кактус</translation>
    </message>
    <message id="No Notes">
        <source></source>
        <translation>Без заметок</translation>
    </message>
    <message id="Note">
        <source></source>
        <translation>Заметка</translation>
    </message>
    <message id="Add Log">
        <source></source>
        <translation>Добавить запись</translation>
    </message>
    <message id="Edit Log">
        <source></source>
        <translation>Изменить запись</translation>
    </message>
    <message id="New Log">
        <source></source>
        <translation>Новая запись</translation>
    </message>
    <message id="Log Info">
        <source></source>
        <translation>Сведения о записи</translation>
    </message>
    <message id="Photo %1">
        <source></source>
        <translation>Фотография %1</translation>
    </message>
    <message id="Add Photo…">
        <source></source>
        <translation>Добавить фотографию…</translation>
    </message>
    <message id="Add photos from files">
        <source></source>
        <translation>Добавить фотографии из файлов</translation>
    </message>
    <message id="Caption">
        <source></source>
        <translation>Подпись</translation>
    </message>
    <message id="Print">
        <source></source>
        <translation>Печать</translation>
    </message>
    <message id="Photos">
        <source></source>
        <translation>Фотографии</translation>
    </message>
    <message id="Notes">
        <source></source>
        <translation>Заметки</translation>
    </message>
    <message id="“%1” is already open in another window. Finish editing it there first.">
        <source></source>
        <translation>«%1» уже редактируется в другом окне. Сначала завершите там правку.</translation>
    </message>
    <message id="Cacti To Water">
        <source></source>
        <translation>Кактусы для полива</translation>
    </message>
    <message id="Close">
        <source></source>
        <translation>Закрыть</translation>
    </message>
    <message id="%1, Day">
        <source></source>
        <translation>%1, день</translation>
    </message>
    <message id="Water Every">
        <source></source>
        <translation>Поливать каждые</translation>
    </message>
    <message id="Quantity">
        <source></source>
        <translation>Количество воды</translation>
    </message>
    <message id="Clear Date">
        <source></source>
        <translation>Очистить дату</translation>
    </message>
    <message id="No Water Between">
        <source></source>
        <translation>Без полива в период</translation>
    </message>
    <message id="Choose the cacti that follow this schedule">
        <source></source>
        <translation>Выберите кактусы, которые поливаются по этому графику</translation>
    </message>
    <message id="Add Cacti">
        <source></source>
        <translation>Добавить кактусы</translation>
    </message>
    <message id="Remove the selected cacti from this schedule">
        <source></source>
        <translation>Исключить выбранные кактусы из этого графика</translation>
    </message>
    <message id="Remove Cacti">
        <source></source>
        <translation>Исключить кактусы</translation>
    </message>
    <message id="Remove Cactus">
        <source></source>
        <translation>Исключить кактус</translation>
    </message>
    <message id="Add Watering Schedule">
        <source></source>
        <translation>Добавить график полива</translation>
    </message>
    <message id="Edit Watering Schedule">
        <source></source>
        <translation>Изменить график полива</translation>
    </message>
    <message id="New Watering Schedule">
        <source></source>
        <translation>Новый график полива</translation>
    </message>
    <message id="Watering Schedule Info">
        <source></source>
        <translation>Сведения о графике полива</translation>
    </message>
    <message id="Never">
        <source></source>
        <translation>Никогда</translation>
    </message>
    <message id="Example Cactus">
        <source></source>
        <translation>Пример кактуса</translation>
    </message>
    <message id="Greenhouse">
        <source></source>
        <translation>Теплица</translation>
    </message>
    <message id="One plant a line; empty columns are left out.">
        <source></source>
        <translation>Одно растение на строку; пустые столбцы пропускаются.</translation>
    </message>
    <message id="Example Schedule">
        <source></source>
        <translation>Пример графика</translation>
    </message>
    <message id="Repotted">
        <source></source>
        <translation>Пересажено</translation>
    </message>
    <message id="Cacti">
        <source></source>
        <translation>Кактусы</translation>
    </message>
    <message id="Logs">
        <source></source>
        <translation>Записи</translation>
    </message>
    <message id="Line %1, column %2 (%3): &quot;%4&quot; could not be read and was not imported.">
        <source></source>
        <translation>Строка %1, столбец %2 (%3): не удалось прочитать «%4», значение не импортировано.</translation>
    </message>
    <message id="%1 more fields could not be read and were not imported.">
        <source></source>
        <translation>Ещё полей не удалось прочитать, и они не импортированы: %1.</translation>
    </message>
    <message id="No column of the mapping gives the plants' names.">
        <source></source>
        <translation>Ни один столбец сопоставления не содержит названия растений.</translation>
    </message>
    <message id="(a column of plant names)">
        <source></source>
        <translation>(столбец с названиями растений)</translation>
    </message>
    <message id="The file is not in the Spinora CSV template layout and these columns could not be placed: &quot;%1&quot;. Give each column its field, for example --map &quot;%2&quot; (the fields are %3).">
        <source></source>
        <translation>Файл не соответствует структуре шаблона Spinora CSV, и эти столбцы не удалось сопоставить: «%1». Укажите поле для каждого столбца, например --map &quot;%2&quot; (доступные поля: %3).</translation>
    </message>
    <message id="&quot;%1&quot; is no COLUMN=FIELD pair.">
        <source></source>
        <translation>«%1» не является парой СТОЛБЕЦ=ПОЛЕ.</translation>
    </message>
    <message id="&quot;%1&quot; is no field; the fields are %2.">
        <source></source>
        <translation>«%1» не является полем; доступные поля: %2.</translation>
    </message>
    <message id="The file has no column &quot;%1&quot;.">
        <source></source>
        <translation>В файле нет столбца «%1».</translation>
    </message>
    <message id="%1. Nothing was imported. Free some space or choose another backup folder in Preferences, then try again.">
        <source></source>
        <translation>%1. Ничего не импортировано. Освободите место или выберите в настройках другую папку для резервных копий, затем повторите попытку.</translation>
    </message>
    <message id="The import was saved, but the collection could not be read again (%1), so it was taken back.">
        <source></source>
        <translation>Импорт сохранён, но коллекцию не удалось прочитать повторно (%1), поэтому импорт отменён.</translation>
    </message>
    <message id="The import was saved, but the collection could not be read again (%1). This window still shows the collection as it was before: close it and open the collection again, or undo the import (Edit > Undo Import).">
        <source></source>
        <translation>Импорт сохранён, но коллекцию не удалось прочитать повторно (%1). В этом окне коллекция по-прежнему показана в прежнем состоянии: закройте его и снова откройте коллекцию или отмените импорт (Правка &gt; Отменить импорт).</translation>
    </message>
    <message id="The import was saved, but the collection could not be read again (%1). This window still shows the collection as it was before: close it and open the collection again.">
        <source></source>
        <translation>Импорт сохранён, но коллекцию не удалось прочитать повторно (%1). В этом окне коллекция по-прежнему показана в прежнем состоянии: закройте его и снова откройте коллекцию.</translation>
    </message>
    <message id="Cacti imported: %1">
        <source></source>
        <translation>Импортировано кактусов: %1</translation>
    </message>
    <message id="Watering schedules imported: %1">
        <source></source>
        <translation>Импортировано графиков полива: %1</translation>
    </message>
    <message id="Logs imported: %1">
        <source></source>
        <translation>Импортировано записей: %1</translation>
    </message>
    <message id="Not everything could be imported:">
        <source></source>
        <translation>Импортировать удалось не всё:</translation>
    </message>
    <message id="... and %1 more.">
        <source></source>
        <translation>... и ещё %1.</translation>
    </message>
    <message id="Report Folder">
        <source></source>
        <translation>Папка отчёта</translation>
    </message>
    <message id="Report File">
        <source></source>
        <translation>Файл отчёта</translation>
    </message>
    <message id="Export Options">
        <source></source>
        <translation>Параметры экспорта</translation>
    </message>
    <message id="Browse">
        <source></source>
        <translation>Обзор</translation>
    </message>
    <message id="Small photos">
        <source></source>
        <translation>Мелкие фотографии</translation>
    </message>
    <message id="Medium photos">
        <source></source>
        <translation>Средние фотографии</translation>
    </message>
    <message id="Large photos">
        <source></source>
        <translation>Крупные фотографии</translation>
    </message>
    <message id="Extra-Large photos">
        <source></source>
        <translation>Очень крупные фотографии</translation>
    </message>
    <message id="Export to HTML Report">
        <source></source>
        <translation>Экспортировать в отчёт HTML</translation>
    </message>
    <message id="Choose Folder">
        <source></source>
        <translation>Выбрать папку</translation>
    </message>
    <message id="Exporting Report">
        <source></source>
        <translation>Экспорт отчёта</translation>
    </message>
    <message id="Export Complete">
        <source></source>
        <translation>Экспорт завершён</translation>
    </message>
    <message id="Report export complete!">
        <source></source>
        <translation>Экспорт отчёта завершён!</translation>
    </message>
    <message id="Export Error">
        <source></source>
        <translation>Ошибка экспорта</translation>
    </message>
    <message id="An error occurred during report export.">
        <source></source>
        <translation>При экспорте отчёта произошла ошибка.</translation>
    </message>
    <message id="Complete Database">
        <source></source>
        <translation>Вся база данных</translation>
    </message>
    <message id="Cacti and Watering Schedules">
        <source></source>
        <translation>Кактусы и графики полива</translation>
    </message>
    <message id="Watering Schedules">
        <source></source>
        <translation>Графики полива</translation>
    </message>
    <message id="Note: The CSV file must be formatted according to the Spinora CSV Template">
        <source></source>
        <translation>Примечание: файл CSV должен соответствовать шаблону Spinora CSV</translation>
    </message>
    <message id="save it">
        <source></source>
        <translation>сохранить его</translation>
    </message>
    <message id="or be a spreadsheet of plants, one a line, whose column headers name their fields.">
        <source></source>
        <translation>либо быть таблицей растений (одно растение на строку), заголовки столбцов которой указывают их поля.</translation>
    </message>
    <message id="Choose">
        <source></source>
        <translation>Выбрать</translation>
    </message>
    <message id="The chosen folder is not a Spinora database. Please select a folder ending in .sdb, or the spinora.db file inside one.">
        <source></source>
        <translation>Выбранная папка не является базой данных Spinora. Выберите папку с окончанием .sdb или файл spinora.db внутри неё.</translation>
    </message>
    <message id="Importing from a currently open database is not permitted. Please select another database for import.">
        <source></source>
        <translation>Импорт из открытой сейчас базы данных не допускается. Выберите для импорта другую базу данных.</translation>
    </message>
    <message id="Exporting to a currently open database is not permitted. Please select another database for export.">
        <source></source>
        <translation>Экспорт в открытую сейчас базу данных не допускается. Выберите для экспорта другую базу данных.</translation>
    </message>
    <message id="There is no file &quot;%1&quot;.">
        <source></source>
        <translation>Файл «%1» не существует.</translation>
    </message>
    <message id="Database export complete!">
        <source></source>
        <translation>Экспорт базы данных завершён!</translation>
    </message>
    <message id="An error occurred during the export! Database export was aborted and no changes were made.">
        <source></source>
        <translation>При экспорте произошла ошибка! Экспорт базы данных прерван, изменения не внесены.</translation>
    </message>
    <message id="Save the CSV Template">
        <source></source>
        <translation>Сохранить шаблон CSV</translation>
    </message>
    <message id="Spinora CSV Template">
        <source></source>
        <translation>Шаблон Spinora CSV</translation>
    </message>
    <message id="CSV File">
        <source></source>
        <translation>Файл CSV</translation>
    </message>
    <message id="The file %1 could not be written.">
        <source></source>
        <translation>Не удалось записать файл %1.</translation>
    </message>
    <message id="Stopping...">
        <source></source>
        <translation>Остановка...</translation>
    </message>
    <message id="&quot;%1&quot; already exists. Do you want to replace it?">
        <source></source>
        <translation>«%1» уже существует. Заменить?</translation>
    </message>
    <message id="More Toolbar Items">
        <source></source>
        <translation>Другие элементы панели инструментов</translation>
    </message>
    <message id="Exported from %1 v%2 on %3">
        <source></source>
        <translation>Экспортировано из %1 v%2 %3</translation>
    </message>
    <message id="Source">
        <source></source>
        <translation>Происхождение</translation>
    </message>
    <message id="Location">
        <source></source>
        <translation>Место</translation>
    </message>
    <message id="Log History">
        <source></source>
        <translation>История записей</translation>
    </message>
    <message id="None">
        <source></source>
        <translation>Нет</translation>
    </message>
    <message id="Yes">
        <source></source>
        <translation>Да</translation>
    </message>
    <message id="No">
        <source></source>
        <translation>Нет</translation>
    </message>
    <message id="Print Labels">
        <source></source>
        <translation>Печать этикеток</translation>
    </message>
    <message id="Selected cacti (%1)">
        <source></source>
        <translation>Выбранные кактусы (%1)</translation>
    </message>
    <message id="All listed cacti (%1)">
        <source></source>
        <translation>Все кактусы списка (%1)</translation>
    </message>
    <message id="Layout:">
        <source></source>
        <translation>Макет:</translation>
    </message>
    <message id="Labels for:">
        <source></source>
        <translation>Этикетки для:</translation>
    </message>
    <message id="Print...">
        <source></source>
        <translation>Печать...</translation>
    </message>
    <message id="1 label">
        <source></source>
        <translation>1 этикетка</translation>
    </message>
    <message id="%1 labels">
        <source></source>
        <translation>этикеток: %1</translation>
    </message>
    <message id="1 page">
        <source></source>
        <translation>1 страница</translation>
    </message>
    <message id="%1 pages">
        <source></source>
        <translation>страниц: %1</translation>
    </message>
    <message id="%1 Labels">
        <source></source>
        <translation>%1 — этикетки</translation>
    </message>
    <message id="Page Setup">
        <source></source>
        <translation>Параметры страницы</translation>
    </message>
    <message id="Portrait">
        <source></source>
        <translation>Книжная</translation>
    </message>
    <message id="Landscape">
        <source></source>
        <translation>Альбомная</translation>
    </message>
    <message id="Paper Size">
        <source></source>
        <translation>Размер бумаги</translation>
    </message>
    <message id="Orientation">
        <source></source>
        <translation>Ориентация</translation>
    </message>
    <message id="Top Margin">
        <source></source>
        <translation>Верхнее поле</translation>
    </message>
    <message id="Bottom Margin">
        <source></source>
        <translation>Нижнее поле</translation>
    </message>
    <message id="Left Margin">
        <source></source>
        <translation>Левое поле</translation>
    </message>
    <message id="Right Margin">
        <source></source>
        <translation>Правое поле</translation>
    </message>
    <message id="Nothing was printed: the printer &quot;%1&quot; could not be used.">
        <source></source>
        <translation>Ничего не напечатано: не удалось использовать принтер «%1».</translation>
    </message>
    <message id="Nothing was printed: the file &quot;%1&quot; could not be written.">
        <source></source>
        <translation>Ничего не напечатано: не удалось записать файл «%1».</translation>
    </message>
    <message id="Print Preview">
        <source></source>
        <translation>Предварительный просмотр</translation>
    </message>
    <message id="Nothing was changed.">
        <source></source>
        <translation>Ничего не изменено.</translation>
    </message>
    <message id="No title">
        <source></source>
        <translation>Без названия</translation>
    </message>
    <message id="Unknown">
        <source></source>
        <translation>Неизвестно</translation>
    </message>
    <message id="year">
        <source></source>
        <translation>год</translation>
    </message>
    <message id="years">
        <source></source>
        <translation>лет</translation>
    </message>
    <message id="No event">
        <source></source>
        <translation>Нет события</translation>
    </message>
    <message id="Today">
        <source></source>
        <translation>Сегодня</translation>
    </message>
    <message id="overdue since %1">
        <source></source>
        <translation>просрочено с %1</translation>
    </message>
    <message id="resting until %1">
        <source></source>
        <translation>покой до %1</translation>
    </message>
    <message id="Tomorrow">
        <source></source>
        <translation>Завтра</translation>
    </message>
    <message id="in %1 days">
        <source></source>
        <translation>через %1 дн.</translation>
    </message>
    <message id="Mark as Watered">
        <source></source>
        <translation>Отметить полив</translation>
    </message>
    <message id="There is no space left on the disk. Free some space, then try again.">
        <source></source>
        <translation>На диске не осталось места. Освободите место и повторите попытку.</translation>
    </message>
    <message id="The collection cannot be written: its disk or folder is read-only.">
        <source></source>
        <translation>Не удаётся записать коллекцию: её диск или папка доступны только для чтения.</translation>
    </message>
    <message id="Another program is using the collection. Try again once it has finished.">
        <source></source>
        <translation>Коллекция используется другой программой. Повторите попытку, когда она завершит работу.</translation>
    </message>
    <message id="The disk could not be read or written. Check the disk, then try again.">
        <source></source>
        <translation>Не удалось выполнить чтение или запись на диск. Проверьте диск и повторите попытку.</translation>
    </message>
    <message id="The collection's database file is damaged.">
        <source></source>
        <translation>Файл базы данных коллекции повреждён.</translation>
    </message>
    <message id="No species">
        <source></source>
        <translation>Без вида</translation>
    </message>
    <message id="Print Labels...">
        <source></source>
        <translation>Печать этикеток...</translation>
    </message>
    <message id="Deleting this cactus will also delete all of its logs">
        <source></source>
        <translation>При удалении этого кактуса будут удалены и все его записи</translation>
    </message>
    <message id="Deleting these cacti will also delete all their associated logs">
        <source></source>
        <translation>При удалении этих кактусов будут удалены и все связанные с ними записи</translation>
    </message>
    <message id="Delete">
        <source></source>
        <translation>Удалить</translation>
    </message>
    <message id="Delete Cactus">
        <source></source>
        <translation>Удалить кактус</translation>
    </message>
    <message id="Delete Cacti">
        <source></source>
        <translation>Удалить кактусы</translation>
    </message>
    <message id="Duplicate Cactus">
        <source></source>
        <translation>Дублировать кактус</translation>
    </message>
    <message id="Duplicate Cacti">
        <source></source>
        <translation>Дублировать кактусы</translation>
    </message>
    <message id="Toolbar">
        <source></source>
        <translation>Панель инструментов</translation>
    </message>
    <message id="Search">
        <source></source>
        <translation>Поиск</translation>
    </message>
    <message id="Search list">
        <source></source>
        <translation>Поиск по списку</translation>
    </message>
    <message id="Search the currently visible list">
        <source></source>
        <translation>Искать в отображаемом сейчас списке</translation>
    </message>
    <message id="Recent Searches">
        <source></source>
        <translation>Недавние запросы</translation>
    </message>
    <message id="Due">
        <source></source>
        <translation>К выполнению</translation>
    </message>
    <message id="Show only what is due by the end of today">
        <source></source>
        <translation>Показывать только то, что нужно выполнить до конца сегодняшнего дня</translation>
    </message>
    <message id="Sort By">
        <source></source>
        <translation>Сортировать по</translation>
    </message>
    <message id="Duplicate">
        <source></source>
        <translation>Дублировать</translation>
    </message>
    <message id="No Recent Searches">
        <source></source>
        <translation>Нет недавних запросов</translation>
    </message>
    <message id="Clear Search History">
        <source></source>
        <translation>Очистить историю поиска</translation>
    </message>
    <message id="Mark as Watered...">
        <source></source>
        <translation>Отметить полив...</translation>
    </message>
    <message id="Watered">
        <source></source>
        <translation>Полито</translation>
    </message>
    <message id="Record that the selected plants or schedules were watered">
        <source></source>
        <translation>Отметить, что выбранные растения или графики политы</translation>
    </message>
    <message id="Untitled">
        <source></source>
        <translation>Без названия</translation>
    </message>
    <message id="%1 (read-only)">
        <source></source>
        <translation>%1 (только чтение)</translation>
    </message>
    <message id="History">
        <source></source>
        <translation>История</translation>
    </message>
    <message id="Delete Log">
        <source></source>
        <translation>Удалить запись</translation>
    </message>
    <message id="Delete Logs">
        <source></source>
        <translation>Удалить записи</translation>
    </message>
    <message id="Duplicate Log">
        <source></source>
        <translation>Дублировать запись</translation>
    </message>
    <message id="Duplicate Logs">
        <source></source>
        <translation>Дублировать записи</translation>
    </message>
    <message id="Add">
        <source></source>
        <translation>Добавить</translation>
    </message>
    <message id="Edit">
        <source></source>
        <translation>Изменить</translation>
    </message>
    <message id="Loading…">
        <source></source>
        <translation>Загрузка…</translation>
    </message>
    <message id="Searching…">
        <source></source>
        <translation>Поиск…</translation>
    </message>
    <message id="Scientific Name">
        <source></source>
        <translation>Научное название</translation>
    </message>
    <message id="When were they watered?">
        <source></source>
        <translation>Когда был полив?</translation>
    </message>
    <message id="Watered on">
        <source></source>
        <translation>Дата полива</translation>
    </message>
    <message id="What:">
        <source></source>
        <translation>Что:</translation>
    </message>
    <message id="&amp;Watered on:">
        <source></source>
        <translation>&amp;Дата полива:</translation>
    </message>
    <message id="Statistics">
        <source></source>
        <translation>Статистика</translation>
    </message>
    <message id="Undo">
        <source></source>
        <translation>Отменить</translation>
    </message>
    <message id="Redo">
        <source></source>
        <translation>Повторить</translation>
    </message>
    <message id="Undo %1">
        <source></source>
        <translation>Отменить: %1</translation>
    </message>
    <message id="Redo %1">
        <source></source>
        <translation>Повторить: %1</translation>
    </message>
    <message id="Delete Watering Schedule">
        <source></source>
        <translation>Удалить график полива</translation>
    </message>
    <message id="Delete Watering Schedules">
        <source></source>
        <translation>Удалить графики полива</translation>
    </message>
    <message id="Duplicate Watering Schedule">
        <source></source>
        <translation>Дублировать график полива</translation>
    </message>
    <message id="Duplicate Watering Schedules">
        <source></source>
        <translation>Дублировать графики полива</translation>
    </message>
    <message id="Language">
        <source></source>
        <translation>Язык</translation>
    </message>
    <message id="System">
        <source></source>
        <translation>Системный</translation>
    </message>
    <message id="&amp;Language:">
        <source></source>
        <translation>&amp;Язык:</translation>
    </message>
    <message id="Applied the next time Spinora starts.">
        <source></source>
        <translation>Вступит в силу при следующем запуске Spinora.</translation>
    </message>
</context>
<context>
    <name>PhotoStore</name>
    <message>
        <source>the photo could not be written into the collection (is the disk full?)</source>
        <translation>не удалось записать фотографию в коллекцию (возможно, диск заполнен?)</translation>
    </message>
</context>
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <source>Page setup</source>
        <translation>Параметры страницы</translation>
    </message>
</context>
<context>
    <name>Spinora</name>
    <message>
        <source>name|plant|plant name|cactus|label</source>
        <translation>название|растение|название растения|кактус|этикетка</translation>
    </message>
    <message>
        <source>scientific|scientific name|botanical name|latin name|taxon|genus|species</source>
        <translation>научное|научное название|ботаническое название|латинское название|таксон|род|вид</translation>
    </message>
    <message>
        <source>common|common name</source>
        <translation>народное|народное название</translation>
    </message>
    <message>
        <source>type|plant type</source>
        <translation>тип|тип растения</translation>
    </message>
    <message>
        <source>watering|schedule|watering schedule</source>
        <translation>полив|график|график полива</translation>
    </message>
    <message>
        <source>last watered</source>
        <translation>последний полив</translation>
    </message>
    <message>
        <source>next watering</source>
        <translation>следующий полив</translation>
    </message>
    <message>
        <source>planted|plant date|date planted|sown</source>
        <translation>посажено|дата посадки|дата высадки|посеяно</translation>
    </message>
    <message>
        <source>source|origin</source>
        <translation>происхождение|источник</translation>
    </message>
    <message>
        <source>acquired|date acquired|bought|purchased|purchase date</source>
        <translation>приобретено|дата приобретения|куплено|покупка|дата покупки</translation>
    </message>
    <message>
        <source>price|purchase price|cost|paid</source>
        <translation>цена|цена покупки|стоимость|оплачено</translation>
    </message>
    <message>
        <source>value|worth</source>
        <translation>стоимость|ценность</translation>
    </message>
    <message>
        <source>location|place|position|bench|greenhouse</source>
        <translation>место|размещение|положение|стеллаж|теплица</translation>
    </message>
    <message>
        <source>height</source>
        <translation>высота</translation>
    </message>
    <message>
        <source>width|diameter</source>
        <translation>ширина|диаметр</translation>
    </message>
    <message>
        <source>weight</source>
        <translation>вес</translation>
    </message>
    <message>
        <source>light|sun</source>
        <translation>свет|солнце</translation>
    </message>
    <message>
        <source>temperature|temp|min temp</source>
        <translation>температура|темп|мин темп</translation>
    </message>
    <message>
        <source>pot size|pot</source>
        <translation>размер горшка|горшок</translation>
    </message>
    <message>
        <source>pot shape|shape</source>
        <translation>форма горшка|форма</translation>
    </message>
    <message>
        <source>pot material|material</source>
        <translation>материал горшка|материал</translation>
    </message>
    <message>
        <source>notes|note|comments|comment|remarks|description</source>
        <translation>заметки|заметка|комментарии|комментарий|примечания|описание</translation>
    </message>
    <message>
        <source>id|#|no|no.|number|photo|photos|image|picture</source>
        <translation>id|#|№|ном.|номер|фото|фотографии|изображение|картинка</translation>
    </message>
</context>
<context>
    <name>spinora</name>
    <message>
        <source>Photos</source>
        <translation>Фотографии</translation>
    </message>
</context>
<context>
    <name>spinora::EventViewController</name>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Сигнал</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Занят</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>Свободен</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>Начало</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>Окончание</translation>
    </message>
    <message>
        <source>All-Day</source>
        <translation>Весь день</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Календарь</translation>
    </message>
    <message>
        <source>Availability</source>
        <translation>Занятость</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Kept in %1. To see these reminders in your desktop calendar, add this file to it as a calendar.</source>
        <translation>Хранится в %1. Чтобы видеть эти напоминания в календаре рабочего стола, добавьте в него этот файл как календарь.</translation>
    </message>
    <message>
        <source>Add New Event</source>
        <translation>Добавить новое событие</translation>
    </message>
    <message>
        <source>Edit Event</source>
        <translation>Изменить событие</translation>
    </message>
</context>
<context>
    <name>spinora::PhotoGridViewController</name>
    <message>
        <source>All Photos</source>
        <translation>Все фотографии</translation>
    </message>
    <message>
        <source>Add Photos…</source>
        <translation>Добавить фотографии…</translation>
    </message>
    <message>
        <source>Add photos from picture files. You can also drop picture files on the grid.</source>
        <translation>Добавить фотографии из файлов изображений. Файлы изображений можно также перетащить на сетку.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Size of the photos</source>
        <translation>Размер фотографий</translation>
    </message>
    <message>
        <source>Adding photos</source>
        <translation>Добавление фотографий</translation>
    </message>
    <message>
        <source>Add Photos</source>
        <translation>Добавить фотографии</translation>
    </message>
    <message>
        <source>Pictures (*.jpg *.jpeg *.png *.gif *.tif *.tiff *.bmp)</source>
        <translation>Изображения (*.jpg *.jpeg *.png *.gif *.tif *.tiff *.bmp)</translation>
    </message>
    <message>
        <source>No collection is open.</source>
        <translation>Нет открытой коллекции.</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>ПРЕДУПРЕЖДЕНИЕ</translation>
    </message>
    <message>
        <source>This file was not added:</source>
        <translation>Этот файл не добавлен:</translation>
    </message>
    <message>
        <source>These files were not added:</source>
        <translation>Эти файлы не добавлены:</translation>
    </message>
</context>
<context>
    <name>spinora::PhotoViewController</name>
    <message>
        <source>Caption</source>
        <translation>Подпись</translation>
    </message>
</context>
<context>
    <name>spinora::ReportExport</name>
    <message>
        <source>photos</source>
        <translation>фотографии</translation>
    </message>
    <message>
        <source>Cacti Report</source>
        <translation>Отчёт о кактусах</translation>
    </message>
    <message>
        <source>Exported from %1 v%2 on %3</source>
        <translation>Экспортировано из %1 v%2 %3</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Сводка</translation>
    </message>
    <message>
        <source>Total Cacti</source>
        <translation>Всего кактусов</translation>
    </message>
    <message>
        <source>Total Watering Schedules</source>
        <translation>Всего графиков полива</translation>
    </message>
    <message>
        <source>Total Log Entries</source>
        <translation>Всего записей</translation>
    </message>
    <message>
        <source>Unique Species</source>
        <translation>Число видов</translation>
    </message>
    <message>
        <source>Total Value</source>
        <translation>Общая стоимость</translation>
    </message>
    <message>
        <source>Log History</source>
        <translation>История записей</translation>
    </message>
    <message>
        <source>No Event Name</source>
        <translation>Без названия события</translation>
    </message>
    <message>
        <source>No Notes</source>
        <translation>Без заметок</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>No Water Between</source>
        <translation>Без полива в период</translation>
    </message>
    <message>
        <source>Cacti To Water</source>
        <translation>Кактусы для полива</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
</context>
</TS>
