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
    <message id="The collection “%1” is damaged, so it was not opened.">
        <source></source>
        <translation>Коллекция «%1» повреждена, поэтому она не открыта.</translation>
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
    <message id="1 page">
        <source></source>
        <translation>1 страница</translation>
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
    <message id="Taken">
        <source></source>
        <translation>Снято</translation>
    </message>
    <message id="Why">
        <source></source>
        <translation>Почему</translation>
    </message>
    <message id="Plants">
        <source></source>
        <translation>Растения</translation>
    </message>
    <message id="Size">
        <source></source>
        <translation>Размер</translation>
    </message>
    <message id="Spinora quit unexpectedly the last time it was used.">
        <source></source>
        <translation>При последнем использовании Spinora неожиданно завершила работу.</translation>
    </message>
    <message id="A report of the problem was saved. Would you like to see it?">
        <source></source>
        <translation>Отчёт о проблеме сохранён. Открыть его?</translation>
    </message>
    <message id="Show Report">
        <source></source>
        <translation>Показать отчёт</translation>
    </message>
    <message id="Not Now">
        <source></source>
        <translation>Не сейчас</translation>
    </message>
    <message id="Crash Report">
        <source></source>
        <translation>Отчёт о сбое</translation>
    </message>
    <message id="Saved as %1">
        <source></source>
        <translation>Сохранено как %1</translation>
    </message>
    <message id="The reminder time could not be written to %1.">
        <source></source>
        <translation>Не удалось записать время напоминания в %1.</translation>
    </message>
    <message id="Spinora will remind you every day at %1 (systemd user timer %2).">
        <source></source>
        <translation>Spinora будет напоминать вам каждый день в %1 (пользовательский таймер systemd %2).</translation>
    </message>
    <message id="Reminders are off.">
        <source></source>
        <translation>Напоминания отключены.</translation>
    </message>
    <message id="Clear Menu">
        <source></source>
        <translation>Очистить меню</translation>
    </message>
    <message id="&amp;File">
        <source></source>
        <translation>&amp;Файл</translation>
    </message>
    <message id="New">
        <source></source>
        <translation>Создать</translation>
    </message>
    <message id="Open...">
        <source></source>
        <translation>Открыть...</translation>
    </message>
    <message id="Open Recent">
        <source></source>
        <translation>Открыть недавние</translation>
    </message>
    <message id="Save">
        <source></source>
        <translation>Сохранить</translation>
    </message>
    <message id="Save As...">
        <source></source>
        <translation>Сохранить как...</translation>
    </message>
    <message id="Page Setup...">
        <source></source>
        <translation>Параметры страницы...</translation>
    </message>
    <message id="Print Preview...">
        <source></source>
        <translation>Предварительный просмотр...</translation>
    </message>
    <message id="Quit Spinora">
        <source></source>
        <translation>Выйти из Spinora</translation>
    </message>
    <message id="&amp;Edit">
        <source></source>
        <translation>&amp;Правка</translation>
    </message>
    <message id="Add Item">
        <source></source>
        <translation>Добавить элемент</translation>
    </message>
    <message id="Remove Item">
        <source></source>
        <translation>Удалить элемент</translation>
    </message>
    <message id="Duplicate Item">
        <source></source>
        <translation>Дублировать элемент</translation>
    </message>
    <message id="Cut">
        <source></source>
        <translation>Вырезать</translation>
    </message>
    <message id="Copy">
        <source></source>
        <translation>Копировать</translation>
    </message>
    <message id="Paste">
        <source></source>
        <translation>Вставить</translation>
    </message>
    <message id="Select All">
        <source></source>
        <translation>Выделить всё</translation>
    </message>
    <message id="Preferences...">
        <source></source>
        <translation>Настройки...</translation>
    </message>
    <message id="&amp;View">
        <source></source>
        <translation>&amp;Вид</translation>
    </message>
    <message id="Show Toolbar">
        <source></source>
        <translation>Показать панель инструментов</translation>
    </message>
    <message id="Customize Toolbar">
        <source></source>
        <translation>Настроить панель инструментов</translation>
    </message>
    <message id="Icon and Text">
        <source></source>
        <translation>Значок и текст</translation>
    </message>
    <message id="Icon Only">
        <source></source>
        <translation>Только значок</translation>
    </message>
    <message id="Text Only">
        <source></source>
        <translation>Только текст</translation>
    </message>
    <message id="Flowering Calendar...">
        <source></source>
        <translation>Календарь цветения...</translation>
    </message>
    <message id="&amp;Tools">
        <source></source>
        <translation>&amp;Инструменты</translation>
    </message>
    <message id="Statistics...">
        <source></source>
        <translation>Статистика...</translation>
    </message>
    <message id="&amp;Window">
        <source></source>
        <translation>&amp;Окно</translation>
    </message>
    <message id="Minimize">
        <source></source>
        <translation>Свернуть</translation>
    </message>
    <message id="Zoom">
        <source></source>
        <translation>Масштаб</translation>
    </message>
    <message id="Bring All to Front">
        <source></source>
        <translation>Переместить все на передний план</translation>
    </message>
    <message id="&amp;Help">
        <source></source>
        <translation>&amp;Справка</translation>
    </message>
    <message id="Like Spinora on Facebook">
        <source></source>
        <translation>Поставить Spinora «Нравится» на Facebook</translation>
    </message>
    <message id="Spinora Website...">
        <source></source>
        <translation>Сайт Spinora...</translation>
    </message>
    <message id="Frequently Asked Questions...">
        <source></source>
        <translation>Часто задаваемые вопросы...</translation>
    </message>
    <message id="Check for Updates...">
        <source></source>
        <translation>Проверить обновления...</translation>
    </message>
    <message id="About Spinora">
        <source></source>
        <translation>О программе Spinora</translation>
    </message>
    <message id="Preferences">
        <source></source>
        <translation>Настройки</translation>
    </message>
    <message id="Sort options">
        <source></source>
        <translation>Параметры сортировки</translation>
    </message>
    <message id="Sort cacti by species">
        <source></source>
        <translation>Сортировать кактусы по виду</translation>
    </message>
    <message id="Database options">
        <source></source>
        <translation>Параметры базы данных</translation>
    </message>
    <message id="Add default species and events to new databases">
        <source></source>
        <translation>Добавлять стандартные виды и события в новые базы данных</translation>
    </message>
    <message id="Reminders">
        <source></source>
        <translation>Напоминания</translation>
    </message>
    <message id="&amp;Remind me of due plants every day at">
        <source></source>
        <translation>&amp;Напоминать о растениях для полива каждый день в</translation>
    </message>
    <message id="Reminder time">
        <source></source>
        <translation>Время напоминания</translation>
    </message>
    <message id="Open">
        <source></source>
        <translation>Открыть</translation>
    </message>
    <message id="Collection:">
        <source></source>
        <translation>Коллекция:</translation>
    </message>
    <message id="Spinora collections (*%1)">
        <source></source>
        <translation>Коллекции Spinora (*%1)</translation>
    </message>
    <message id="“%1” already exists. Do you want to replace it?">
        <source></source>
        <translation>«%1» уже существует. Заменить?</translation>
    </message>
    <message id="A collection with the same name already exists in “%1”. Replacing it will overwrite its current contents.">
        <source></source>
        <translation>Коллекция с таким же именем уже существует в «%1». При замене её текущее содержимое будет перезаписано.</translation>
    </message>
    <message id="Replace">
        <source></source>
        <translation>Заменить</translation>
    </message>
    <message id="Do you want to save the changes made to the document “%1”?">
        <source></source>
        <translation>Сохранить изменения в документе «%1»?</translation>
    </message>
    <message id="Your changes will stay in the untitled collection if you don’t save them.">
        <source></source>
        <translation>Если не сохранить изменения, они останутся в безымянной коллекции.</translation>
    </message>
    <message id="Don’t Save">
        <source></source>
        <translation>Не сохранять</translation>
    </message>
    <message id="Keep Open">
        <source></source>
        <translation>Оставить открытым</translation>
    </message>
    <message id="New Spinora Database">
        <source></source>
        <translation>Новая база данных Spinora</translation>
    </message>
    <message id="Save As">
        <source></source>
        <translation>Сохранить как</translation>
    </message>
    <message id="Overwriting an open database is not permitted. Please select a different filename.">
        <source></source>
        <translation>Перезапись открытой базы данных не допускается. Выберите другое имя файла.</translation>
    </message>
    <message id="The collection “%1” could not be opened: it does not exist.">
        <source></source>
        <translation>Не удалось открыть коллекцию «%1»: она не существует.</translation>
    </message>
    <message id="%n of its photo files are missing, the first “%1”." numerus="yes">
        <source></source>
        <translation>
            <numerusform>Отсутствует %n файл фотографии, первый — «%1».</numerusform>
            <numerusform>Отсутствуют %n файла фотографий, первый — «%1».</numerusform>
            <numerusform>Отсутствуют %n файлов фотографий, первый — «%1».</numerusform>
        </translation>
    </message>
    <message id="%1, %2 and %3">
        <source></source>
        <translation>%1, %2 и %3</translation>
    </message>
    <message id="%n plants" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n растение</numerusform>
            <numerusform>%n растения</numerusform>
            <numerusform>%n растений</numerusform>
        </translation>
    </message>
    <message id="%n logs" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n запись</numerusform>
            <numerusform>%n записи</numerusform>
            <numerusform>%n записей</numerusform>
        </translation>
    </message>
    <message id="%n photos" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n фотография</numerusform>
            <numerusform>%n фотографии</numerusform>
            <numerusform>%n фотографий</numerusform>
        </translation>
    </message>
    <message id="The newest good snapshot was taken on %1 and holds %2. Restoring it replaces the collection; the damaged one is kept as a snapshot first.">
        <source></source>
        <translation>Последний исправный снимок создан %1; в нём: %2. Его восстановление заменит коллекцию; повреждённая коллекция сначала сохраняется как снимок.</translation>
    </message>
    <message id="The collection will hold %1. Its current state is kept as a snapshot first, so this can be undone by restoring that one.">
        <source></source>
        <translation>В коллекции будет: %1. Её текущее состояние сначала сохраняется как снимок, поэтому это действие можно отменить, восстановив этот снимок.</translation>
    </message>
    <message id="“%1” could not be replaced.">
        <source></source>
        <translation>Не удалось заменить «%1».</translation>
    </message>
    <message id="The catalogue of your cactus and succulent collection: plants, watering schedules and a log of what happened to them.">
        <source></source>
        <translation>Каталог вашей коллекции кактусов и суккулентов: растения, графики полива и журнал того, что с ними происходило.</translation>
    </message>
    <message id="Import From">
        <source></source>
        <translation>Импортировать из</translation>
    </message>
    <message id="Export To">
        <source></source>
        <translation>Экспортировать в</translation>
    </message>
    <message id="Spinora Mobile App">
        <source></source>
        <translation>Мобильное приложение Spinora</translation>
    </message>
    <message id="SDBI">
        <source></source>
        <translation>SDBI</translation>
    </message>
    <message id="Spinora Database">
        <source></source>
        <translation>База данных Spinora</translation>
    </message>
    <message id="CSV">
        <source></source>
        <translation>CSV</translation>
    </message>
    <message id="CSV Template…">
        <source></source>
        <translation>Шаблон CSV…</translation>
    </message>
    <message id="HTML Report">
        <source></source>
        <translation>Отчёт HTML</translation>
    </message>
    <message id="Software Update">
        <source></source>
        <translation>Обновление программы</translation>
    </message>
    <message id="A new version of Spinora is available!">
        <source></source>
        <translation>Доступна новая версия Spinora!</translation>
    </message>
    <message id="Spinora %1 is now available—you have %2. Would you like to download it now?">
        <source></source>
        <translation>Доступна Spinora %1, у вас установлена %2. Скачать сейчас?</translation>
    </message>
    <message id="Download">
        <source></source>
        <translation>Скачать</translation>
    </message>
    <message id="Remind Me Later">
        <source></source>
        <translation>Напомнить позже</translation>
    </message>
    <message id="You’re up-to-date!">
        <source></source>
        <translation>У вас последняя версия!</translation>
    </message>
    <message id="Spinora %1 is currently the newest version available.">
        <source></source>
        <translation>Spinora %1 — новейшая доступная версия.</translation>
    </message>
    <message id="No update address is set, so Spinora cannot look for updates. Your distribution’s package manager keeps Spinora up to date.">
        <source></source>
        <translation>Адрес обновлений не задан, поэтому Spinora не может проверять обновления. Spinora обновляется менеджером пакетов вашего дистрибутива.</translation>
    </message>
    <message id="Update Error!">
        <source></source>
        <translation>Ошибка обновления!</translation>
    </message>
    <message id="An error occurred in retrieving update information. Please try again later.">
        <source></source>
        <translation>Ошибка при получении сведений об обновлениях. Повторите попытку позже.</translation>
    </message>
    <message id="Spinora keeps the catalogue of a cactus and succulent collection.">
        <source></source>
        <translation>Spinora ведёт каталог коллекции кактусов и суккулентов.</translation>
    </message>
    <message id="Collections to open (folders ending in .sdb); interchange files (.sdbi) are offered for import into the collection shown.">
        <source></source>
        <translation>Коллекции для открытия (папки с окончанием .sdb); файлы обмена (.sdbi) предлагаются для импорта в показанную коллекцию.</translation>
    </message>
    <message id="The list to show: cacti, watering or logs.">
        <source></source>
        <translation>Показываемый список: cacti, watering или logs.</translation>
    </message>
    <message id="--show takes cacti, watering or logs, not “%1”">
        <source></source>
        <translation>--show принимает cacti, watering или logs, а не «%1»</translation>
    </message>
    <message id="Spinora is already running but does not answer.">
        <source></source>
        <translation>Spinora уже запущена, но не отвечает.</translation>
    </message>
    <message id="the line “%1” does not close “%2”">
        <source></source>
        <translation>строка «%1» не закрывает «%2»</translation>
    </message>
    <message id="the file ends before “%1” does">
        <source></source>
        <translation>файл заканчивается раньше, чем «%1»</translation>
    </message>
    <message id="the file is empty">
        <source></source>
        <translation>файл пуст</translation>
    </message>
    <message id="it is not an iCalendar file">
        <source></source>
        <translation>это не файл iCalendar</translation>
    </message>
    <message id="it does not hold exactly one calendar">
        <source></source>
        <translation>он содержит не ровно один календарь</translation>
    </message>
    <message id="it contains errors">
        <source></source>
        <translation>она содержит ошибки</translation>
    </message>
    <message id="it cannot be read">
        <source></source>
        <translation>её не удаётся прочитать</translation>
    </message>
    <message id="The calendar folder “%1” cannot be made.">
        <source></source>
        <translation>Не удаётся создать папку календаря «%1».</translation>
    </message>
    <message id="The calendar file “%1” cannot be used: %2.">
        <source></source>
        <translation>Файл календаря «%1» нельзя использовать: %2.</translation>
    </message>
    <message id="The calendar file “%1” cannot be read.">
        <source></source>
        <translation>Не удаётся прочитать файл календаря «%1».</translation>
    </message>
    <message id="The calendar file “%1” cannot be used (%2); it was left as it is.">
        <source></source>
        <translation>Файл календаря «%1» нельзя использовать (%2); он оставлен без изменений.</translation>
    </message>
    <message id="The calendar file “%1” keeps being changed by another program; it was left as it is.">
        <source></source>
        <translation>Файл календаря «%1» постоянно изменяется другой программой; он оставлен без изменений.</translation>
    </message>
    <message id="The calendar file “%1” could not be written (%2); it was left as it is.">
        <source></source>
        <translation>Не удалось записать файл календаря «%1» (%2); он оставлен без изменений.</translation>
    </message>
    <message id="No space left on device">
        <source></source>
        <translation>На устройстве не осталось свободного места</translation>
    </message>
    <message id="The event ends before it starts.">
        <source></source>
        <translation>Событие заканчивается раньше, чем начинается.</translation>
    </message>
    <message id="The calendar “%1” is not available.">
        <source></source>
        <translation>Календарь «%1» недоступен.</translation>
    </message>
    <message id="There is no such event.">
        <source></source>
        <translation>Такого события нет.</translation>
    </message>
    <message id="The event was removed by another program.">
        <source></source>
        <translation>Событие удалено другой программой.</translation>
    </message>
    <message id="the Avahi daemon went away">
        <source></source>
        <translation>демон Avahi перестал работать</translation>
    </message>
    <message id="Click the Import button to restore the complete database from your device.">
        <source></source>
        <translation>Нажмите кнопку «Импортировать», чтобы восстановить с устройства всю базу данных.</translation>
    </message>
    <message id="Click the Import button to restore only the cacti and watering schedules in the database from your device.">
        <source></source>
        <translation>Нажмите кнопку «Импортировать», чтобы восстановить с устройства только кактусы и графики полива из базы данных.</translation>
    </message>
    <message id="Click the Import button to import the cacti from your device.">
        <source></source>
        <translation>Нажмите кнопку «Импортировать», чтобы импортировать кактусы с устройства.</translation>
    </message>
    <message id="Click the Import button to import the watering schedules from your device.">
        <source></source>
        <translation>Нажмите кнопку «Импортировать», чтобы импортировать графики полива с устройства.</translation>
    </message>
    <message id="Restore Database is selected on your device. Select either Backup Database or Export Data instead.">
        <source></source>
        <translation>На устройстве выбрано «Восстановить базу данных». Выберите вместо этого «Резервная копия базы данных» или «Экспорт данных».</translation>
    </message>
    <message id="Export Data is selected on your device. Select Backup Database instead to restore both cacti and watering schedules.">
        <source></source>
        <translation>На устройстве выбрано «Экспорт данных». Чтобы восстановить и кактусы, и графики полива, выберите вместо этого «Резервная копия базы данных».</translation>
    </message>
    <message id="Export Data is selected on your device. Only cacti or watering schedules can be imported in this mode.">
        <source></source>
        <translation>На устройстве выбрано «Экспорт данных». В этом режиме можно импортировать только кактусы или графики полива.</translation>
    </message>
    <message id="Import Data is selected on your device. Select either Backup Database or Export Data instead.">
        <source></source>
        <translation>На устройстве выбрано «Импорт данных». Выберите вместо этого «Резервная копия базы данных» или «Экспорт данных».</translation>
    </message>
    <message id="Backup Database is selected on your device. Select either Restore Database or Import Data instead.">
        <source></source>
        <translation>На устройстве выбрано «Резервная копия базы данных». Выберите вместо этого «Восстановить базу данных» или «Импорт данных».</translation>
    </message>
    <message id="Export Data is selected on your device. Select either Restore Database or Import Data instead.">
        <source></source>
        <translation>На устройстве выбрано «Экспорт данных». Выберите вместо этого «Восстановить базу данных» или «Импорт данных».</translation>
    </message>
    <message id="Click the Export button to send the database to your device. The app will ask what you want to import.">
        <source></source>
        <translation>Нажмите кнопку «Экспортировать», чтобы отправить базу данных на устройство. Приложение спросит, что вы хотите импортировать.</translation>
    </message>
    <message id="The collection was closed.">
        <source></source>
        <translation>Коллекция закрыта.</translation>
    </message>
    <message id="Import Database">
        <source></source>
        <translation>Импортировать базу данных</translation>
    </message>
    <message id="Restore Complete Database">
        <source></source>
        <translation>Восстановить всю базу данных</translation>
    </message>
    <message id="Import Cacti and Watering Schedules">
        <source></source>
        <translation>Импортировать кактусы и графики полива</translation>
    </message>
    <message id="Import Cacti">
        <source></source>
        <translation>Импортировать кактусы</translation>
    </message>
    <message id="Import Watering Schedules">
        <source></source>
        <translation>Импортировать графики полива</translation>
    </message>
    <message id="Devices">
        <source></source>
        <translation>Устройства</translation>
    </message>
    <message id="Messages">
        <source></source>
        <translation>Сообщения</translation>
    </message>
    <message id="Export Database">
        <source></source>
        <translation>Экспортировать базу данных</translation>
    </message>
    <message id="Flowering Calendar">
        <source></source>
        <translation>Календарь цветения</translation>
    </message>
    <message id="Photo Timeline">
        <source></source>
        <translation>Фотолетопись</translation>
    </message>
    <message id="Common Name">
        <source></source>
        <translation>Народное название</translation>
    </message>
    <message id="Open Watering Schedule">
        <source></source>
        <translation>Открыть график полива</translation>
    </message>
    <message id="Height">
        <source></source>
        <translation>Высота</translation>
    </message>
    <message id="Width">
        <source></source>
        <translation>Ширина</translation>
    </message>
    <message id="Weight">
        <source></source>
        <translation>Вес</translation>
    </message>
    <message id="Light">
        <source></source>
        <translation>Освещение</translation>
    </message>
    <message id="Temperature">
        <source></source>
        <translation>Температура</translation>
    </message>
    <message id="Pot Size">
        <source></source>
        <translation>Размер горшка</translation>
    </message>
    <message id="Pot Shape">
        <source></source>
        <translation>Форма горшка</translation>
    </message>
    <message id="Pot Material">
        <source></source>
        <translation>Материал горшка</translation>
    </message>
    <message id="General">
        <source></source>
        <translation>Общие</translation>
    </message>
    <message id="Details">
        <source></source>
        <translation>Подробности</translation>
    </message>
    <message id="Alarm">
        <source></source>
        <translation>Сигнал</translation>
    </message>
    <message id="Busy">
        <source></source>
        <translation>Занят</translation>
    </message>
    <message id="Free">
        <source></source>
        <translation>Свободен</translation>
    </message>
    <message id="Title">
        <source></source>
        <translation>Название</translation>
    </message>
    <message id="Starts">
        <source></source>
        <translation>Начало</translation>
    </message>
    <message id="Ends">
        <source></source>
        <translation>Окончание</translation>
    </message>
    <message id="All-Day">
        <source></source>
        <translation>Весь день</translation>
    </message>
    <message id="Calendar">
        <source></source>
        <translation>Календарь</translation>
    </message>
    <message id="Availability">
        <source></source>
        <translation>Занятость</translation>
    </message>
    <message id="Kept in %1. To see these reminders in your desktop calendar, add this file to it as a calendar.">
        <source></source>
        <translation>Хранится в %1. Чтобы видеть эти напоминания в календаре рабочего стола, добавьте в него этот файл как календарь.</translation>
    </message>
    <message id="Add New Event">
        <source></source>
        <translation>Добавить новое событие</translation>
    </message>
    <message id="Edit Event">
        <source></source>
        <translation>Изменить событие</translation>
    </message>
    <message id="Open Cactus">
        <source></source>
        <translation>Открыть кактус</translation>
    </message>
    <message id="Add Reminder">
        <source></source>
        <translation>Добавить напоминание</translation>
    </message>
    <message id="Edit Reminder">
        <source></source>
        <translation>Изменить напоминание</translation>
    </message>
    <message id="Add a reminder to your calendar?">
        <source></source>
        <translation>Добавить напоминание в календарь?</translation>
    </message>
    <message id="Edit the reminder on your calendar?">
        <source></source>
        <translation>Изменить напоминание в календаре?</translation>
    </message>
    <message id="All Photos">
        <source></source>
        <translation>Все фотографии</translation>
    </message>
    <message id="Add Photos…">
        <source></source>
        <translation>Добавить фотографии…</translation>
    </message>
    <message id="Add photos from picture files. You can also drop picture files on the grid.">
        <source></source>
        <translation>Добавить фотографии из файлов изображений. Файлы изображений можно также перетащить на сетку.</translation>
    </message>
    <message id="Size of the photos">
        <source></source>
        <translation>Размер фотографий</translation>
    </message>
    <message id="Adding photos">
        <source></source>
        <translation>Добавление фотографий</translation>
    </message>
    <message id="Add Photos">
        <source></source>
        <translation>Добавить фотографии</translation>
    </message>
    <message id="Pictures (*.jpg *.jpeg *.png *.gif *.tif *.tiff *.bmp)">
        <source></source>
        <translation>Изображения (*.jpg *.jpeg *.png *.gif *.tif *.tiff *.bmp)</translation>
    </message>
    <message id="This file was not added:">
        <source></source>
        <translation>Этот файл не добавлен:</translation>
    </message>
    <message id="These files were not added:">
        <source></source>
        <translation>Эти файлы не добавлены:</translation>
    </message>
    <message id="Previous Photo">
        <source></source>
        <translation>Предыдущая фотография</translation>
    </message>
    <message id="Display the previous photo">
        <source></source>
        <translation>Показать предыдущую фотографию</translation>
    </message>
    <message id="Edit Caption">
        <source></source>
        <translation>Изменить подпись</translation>
    </message>
    <message id="Edit the photo caption">
        <source></source>
        <translation>Изменить подпись фотографии</translation>
    </message>
    <message id="Next Photo">
        <source></source>
        <translation>Следующая фотография</translation>
    </message>
    <message id="Display the next photo">
        <source></source>
        <translation>Показать следующую фотографию</translation>
    </message>
    <message id="Error: the new record is gone.">
        <source></source>
        <translation>Ошибка: новый элемент исчез.</translation>
    </message>
    <message id="From Date 1">
        <source></source>
        <translation>С даты 1</translation>
    </message>
    <message id="To Date 2">
        <source></source>
        <translation>По дату 2</translation>
    </message>
    <message id="From Date 3">
        <source></source>
        <translation>С даты 3</translation>
    </message>
    <message id="To Date 4">
        <source></source>
        <translation>По дату 4</translation>
    </message>
    <message id="From Date 5">
        <source></source>
        <translation>С даты 5</translation>
    </message>
    <message id="To Date 6">
        <source></source>
        <translation>По дату 6</translation>
    </message>
    <message id="Units">
        <source></source>
        <translation>Единицы</translation>
    </message>
    <message id="Line %1, column %2 (%3): “%4” could not be read and was not imported.">
        <source></source>
        <translation>Строка %1, столбец %2 (%3): не удалось прочитать «%4», значение не импортировано.</translation>
    </message>
    <message id="The file is not in the Spinora CSV template layout and these columns could not be placed: “%1”. Give each column its field, for example --map '%2' (the fields are %3).">
        <source></source>
        <translation>Файл не соответствует структуре шаблона Spinora CSV, и эти столбцы не удалось сопоставить: «%1». Укажите поле для каждого столбца, например --map &apos;%2&apos; (доступные поля: %3).</translation>
    </message>
    <message id="No cacti, watering schedules or logs were found in the file. It must follow the Spinora CSV template.">
        <source></source>
        <translation>В файле не найдено ни кактусов, ни графиков полива, ни записей. Файл должен соответствовать шаблону Spinora CSV.</translation>
    </message>
    <message id="name|plant|plant name|cactus|label">
        <source></source>
        <translation>название|растение|название растения|кактус|этикетка</translation>
    </message>
    <message id="scientific|scientific name|botanical name|latin name|taxon|genus|species">
        <source></source>
        <translation>научное|научное название|ботаническое название|латинское название|таксон|род|вид</translation>
    </message>
    <message id="common|common name">
        <source></source>
        <translation>народное|народное название</translation>
    </message>
    <message id="type|plant type">
        <source></source>
        <translation>тип|тип растения</translation>
    </message>
    <message id="watering|schedule|watering schedule">
        <source></source>
        <translation>полив|график|график полива</translation>
    </message>
    <message id="last watered">
        <source></source>
        <translation>последний полив</translation>
    </message>
    <message id="next watering">
        <source></source>
        <translation>следующий полив</translation>
    </message>
    <message id="planted|plant date|date planted|sown">
        <source></source>
        <translation>посажено|дата посадки|дата высадки|посеяно</translation>
    </message>
    <message id="source|origin">
        <source></source>
        <translation>происхождение|источник</translation>
    </message>
    <message id="acquired|date acquired|bought|purchased|purchase date">
        <source></source>
        <translation>приобретено|дата приобретения|куплено|покупка|дата покупки</translation>
    </message>
    <message id="price|purchase price|cost|paid">
        <source></source>
        <translation>цена|цена покупки|стоимость|оплачено</translation>
    </message>
    <message id="value|worth">
        <source></source>
        <translation>стоимость|ценность</translation>
    </message>
    <message id="location|place|position|bench|greenhouse">
        <source></source>
        <translation>место|размещение|положение|стеллаж|теплица</translation>
    </message>
    <message id="height">
        <source></source>
        <translation>высота</translation>
    </message>
    <message id="width|diameter">
        <source></source>
        <translation>ширина|диаметр</translation>
    </message>
    <message id="weight">
        <source></source>
        <translation>вес</translation>
    </message>
    <message id="light|sun">
        <source></source>
        <translation>свет|солнце</translation>
    </message>
    <message id="temperature|temp|min temp">
        <source></source>
        <translation>температура|темп|мин темп</translation>
    </message>
    <message id="pot size|pot">
        <source></source>
        <translation>размер горшка|горшок</translation>
    </message>
    <message id="pot shape|shape">
        <source></source>
        <translation>форма горшка|форма</translation>
    </message>
    <message id="pot material|material">
        <source></source>
        <translation>материал горшка|материал</translation>
    </message>
    <message id="notes|note|comments|comment|remarks|description">
        <source></source>
        <translation>заметки|заметка|комментарии|комментарий|примечания|описание</translation>
    </message>
    <message id="id|#|no|no.|number|photo|photos|image|picture">
        <source></source>
        <translation>id|#|№|ном.|номер|фото|фотографии|изображение|картинка</translation>
    </message>
    <message id="“%1” is no COLUMN=FIELD pair.">
        <source></source>
        <translation>«%1» не является парой СТОЛБЕЦ=ПОЛЕ.</translation>
    </message>
    <message id="“%1” is no field; the fields are %2.">
        <source></source>
        <translation>«%1» не является полем; доступные поля: %2.</translation>
    </message>
    <message id="The file has no column “%1”.">
        <source></source>
        <translation>В файле нет столбца «%1».</translation>
    </message>
    <message id="%1 is a folder; an export never replaces a folder with a file.">
        <source></source>
        <translation>%1 — папка; экспорт никогда не заменяет папку файлом.</translation>
    </message>
    <message id="%1 is a folder that is not a Spinora collection; an export never replaces it.">
        <source></source>
        <translation>%1 — папка, не являющаяся коллекцией Spinora; экспорт никогда её не заменяет.</translation>
    </message>
    <message id="%1 is a collection in use by %2; it cannot be replaced.">
        <source></source>
        <translation>%1 — коллекция, которую использует %2; её нельзя заменить.</translation>
    </message>
    <message id="%1 is an existing collection and was not replaced.">
        <source></source>
        <translation>%1 — существующая коллекция, она не была заменена.</translation>
    </message>
    <message id="%1 already exists and was not replaced.">
        <source></source>
        <translation>%1 уже существует; замена не выполнена.</translation>
    </message>
    <message id="The collection %1 could not be read: %2">
        <source></source>
        <translation>Не удалось прочитать коллекцию %1: %2</translation>
    </message>
    <message id="it holds no %1.">
        <source></source>
        <translation>в ней нет %1.</translation>
    </message>
    <message id="The collection %1 was made by a newer version of Spinora (schema %2; this version reads up to %3).">
        <source></source>
        <translation>Коллекция %1 создана более новой версией Spinora (схема %2; эта версия читает схемы до %3).</translation>
    </message>
    <message id="The collection could not be read: %1">
        <source></source>
        <translation>Не удалось прочитать коллекцию: %1</translation>
    </message>
    <message id="The collection was opened read-only, so nothing can be imported into it.">
        <source></source>
        <translation>Коллекция открыта только для чтения, поэтому в неё ничего нельзя импортировать.</translation>
    </message>
    <message id="The import failed.">
        <source></source>
        <translation>Импорт не удался.</translation>
    </message>
    <message id="The collection could not be written: %1">
        <source></source>
        <translation>Не удалось записать коллекцию: %1</translation>
    </message>
    <message id="The collection's database could not be opened: %1">
        <source></source>
        <translation>Не удалось открыть базу данных коллекции: %1</translation>
    </message>
    <message id="The folder %1 could not be made.">
        <source></source>
        <translation>Не удалось создать папку %1.</translation>
    </message>
    <message id="The template could not be read: %1">
        <source></source>
        <translation>Не удалось прочитать шаблон: %1</translation>
    </message>
    <message id="The collection could not be locked for the import: %1">
        <source></source>
        <translation>Не удалось заблокировать коллекцию для импорта: %1</translation>
    </message>
    <message id="Fertilized">
        <source></source>
        <translation>Удобрено</translation>
    </message>
    <message id="Flowered">
        <source></source>
        <translation>Цвело</translation>
    </message>
    <message id="Planted">
        <source></source>
        <translation>Посажено</translation>
    </message>
    <message id="Purchased">
        <source></source>
        <translation>Куплено</translation>
    </message>
    <message id="Sold">
        <source></source>
        <translation>Продано</translation>
    </message>
    <message id="The import could not be saved: %1">
        <source></source>
        <translation>Не удалось сохранить импорт: %1</translation>
    </message>
    <message id="%1 could not be written">
        <source></source>
        <translation>Не удалось записать %1</translation>
    </message>
    <message id="%1: the export filter could not be run">
        <source></source>
        <translation>%1: не удалось запустить фильтр экспорта</translation>
    </message>
    <message id="%1 could not be replaced">
        <source></source>
        <translation>Не удалось заменить %1</translation>
    </message>
    <message id="The file cannot be imported: it holds triggers or views, which Spinora files never have.">
        <source></source>
        <translation>Файл нельзя импортировать: он содержит триггеры или представления, которых в файлах Spinora не бывает.</translation>
    </message>
    <message id="larger than 64 MiB">
        <source></source>
        <translation>больше 64 МиБ</translation>
    </message>
    <message id="a link that leads out of the package">
        <source></source>
        <translation>ссылка, ведущая за пределы пакета</translation>
    </message>
    <message id="not a file that can be read">
        <source></source>
        <translation>это не файл, который можно прочитать</translation>
    </message>
    <message id="%1 could not be read.">
        <source></source>
        <translation>Не удалось прочитать %1.</translation>
    </message>
    <message id="The file could not be opened: %1">
        <source></source>
        <translation>Не удалось открыть файл: %1</translation>
    </message>
    <message id="The file is not a Spinora database: %1">
        <source></source>
        <translation>Файл не является базой данных Spinora: %1</translation>
    </message>
    <message id="The file cannot be imported: its schema could not be upgraded (%1).">
        <source></source>
        <translation>Файл нельзя импортировать: не удалось обновить его схему (%1).</translation>
    </message>
    <message id="The file could not be closed: %1">
        <source></source>
        <translation>Не удалось закрыть файл: %1</translation>
    </message>
    <message id="The file has no version information, so it is not a Spinora database.">
        <source></source>
        <translation>В файле нет сведений о версии, поэтому это не база данных Spinora.</translation>
    </message>
    <message id="The file cannot be imported: it was made by a newer version of Spinora (schema %1; this version reads up to %2).">
        <source></source>
        <translation>Файл нельзя импортировать: он создан более новой версией Spinora (схема %1; эта версия читает схемы до %2).</translation>
    </message>
    <message id="The file's version row holds no record counts.">
        <source></source>
        <translation>Строка версии в файле не содержит количества элементов.</translation>
    </message>
    <message id="The file cannot be imported: its %1 table cannot be read (%2).">
        <source></source>
        <translation>Файл нельзя импортировать: не удаётся прочитать его таблицу %1 (%2).</translation>
    </message>
    <message id="The file cannot be imported: its %1 table has keys that are not whole numbers from 0 to 9223372036854775807.">
        <source></source>
        <translation>Файл нельзя импортировать: в его таблице %1 есть ключи, не являющиеся целыми числами от 0 до 9223372036854775807.</translation>
    </message>
    <message id="The file cannot be imported: its %1 table has the same key on more than one row.">
        <source></source>
        <translation>Файл нельзя импортировать: в его таблице %1 один и тот же ключ встречается в нескольких строках.</translation>
    </message>
    <message id="The file cannot be imported: the collection has no keys left for its %1 table.">
        <source></source>
        <translation>Файл нельзя импортировать: в коллекции не осталось ключей для его таблицы %1.</translation>
    </message>
    <message id="The records of the file's %1 table could not be read: %2">
        <source></source>
        <translation>Не удалось прочитать элементы таблицы %1 файла: %2</translation>
    </message>
    <message id="The file cannot be imported: the %1 column of its %2 table holds values that are not whole numbers.">
        <source></source>
        <translation>Файл нельзя импортировать: столбец %1 его таблицы %2 содержит значения, не являющиеся целыми числами.</translation>
    </message>
    <message id="The file holds no watering schedules.">
        <source></source>
        <translation>В файле нет графиков полива.</translation>
    </message>
    <message id="The file holds no cacti.">
        <source></source>
        <translation>В файле нет кактусов.</translation>
    </message>
    <message id="not a picture that can be read">
        <source></source>
        <translation>это не изображение, которое можно прочитать</translation>
    </message>
    <message id="the cactus %1">
        <source></source>
        <translation>кактус %1</translation>
    </message>
    <message id="the log entry %1">
        <source></source>
        <translation>запись %1</translation>
    </message>
    <message id="the cactus “%1”">
        <source></source>
        <translation>кактус «%1»</translation>
    </message>
    <message id="the log entry “%1”">
        <source></source>
        <translation>запись «%1»</translation>
    </message>
    <message id="The file's photos could not be read: %1">
        <source></source>
        <translation>Не удалось прочитать фотографии файла: %1</translation>
    </message>
    <message id="The file cannot be imported: the key column of its image table holds values that are not whole numbers.">
        <source></source>
        <translation>Файл нельзя импортировать: ключевой столбец его таблицы изображений содержит значения, не являющиеся целыми числами.</translation>
    </message>
    <message id="1 photo could not be read and was left out: %1.">
        <source></source>
        <translation>Не удалось прочитать 1 фотографию, она пропущена: %1.</translation>
    </message>
    <message id="%1 photos could not be read and were left out: %2.">
        <source></source>
        <translation>Не удалось прочитать фотографии (%1), они пропущены: %2.</translation>
    </message>
    <message id="The file could not be read: %1">
        <source></source>
        <translation>Не удалось прочитать файл: %1</translation>
    </message>
    <message id="No plant has a date acquired.">
        <source></source>
        <translation>Ни у одного растения нет даты приобретения.</translation>
    </message>
    <message id="%1 without a date">
        <source></source>
        <translation>%1 без даты</translation>
    </message>
    <message id="Plants by Date Acquired">
        <source></source>
        <translation>Растения по дате приобретения</translation>
    </message>
    <message id="Value by Date Acquired">
        <source></source>
        <translation>Стоимость по дате приобретения</translation>
    </message>
    <message id="Plants by Genus">
        <source></source>
        <translation>Растения по роду</translation>
    </message>
    <message id="Waterings Due in the Next %1 Days">
        <source></source>
        <translation>Поливы в ближайшие %1 дн.</translation>
    </message>
    <message id="Charts">
        <source></source>
        <translation>Диаграммы</translation>
    </message>
    <message id="Cacti Report">
        <source></source>
        <translation>Отчёт о кактусах</translation>
    </message>
    <message id="Summary">
        <source></source>
        <translation>Сводка</translation>
    </message>
    <message id="Total Cacti">
        <source></source>
        <translation>Всего кактусов</translation>
    </message>
    <message id="Total Watering Schedules">
        <source></source>
        <translation>Всего графиков полива</translation>
    </message>
    <message id="Total Log Entries">
        <source></source>
        <translation>Всего записей</translation>
    </message>
    <message id="Unique Species">
        <source></source>
        <translation>Число видов</translation>
    </message>
    <message id="Total Value">
        <source></source>
        <translation>Общая стоимость</translation>
    </message>
    <message id="Species Scientific Name">
        <source></source>
        <translation>Научное название вида</translation>
    </message>
    <message id="Species Common Name">
        <source></source>
        <translation>Народное название вида</translation>
    </message>
    <message id="Unknown Date">
        <source></source>
        <translation>Дата неизвестна</translation>
    </message>
    <message id="No Event Name">
        <source></source>
        <translation>Без названия события</translation>
    </message>
    <message id="The report folder %1 cannot be written.">
        <source></source>
        <translation>Запись в папку отчётов %1 невозможна.</translation>
    </message>
    <message id="The report %1 could not be written.">
        <source></source>
        <translation>Не удалось записать отчёт %1.</translation>
    </message>
    <message id="No folder for the work files was found: the user's caches folder is unknown (set HOME or XDG_CACHE_HOME).">
        <source></source>
        <translation>Не найдена папка для рабочих файлов: папка кэша пользователя неизвестна (задайте HOME или XDG_CACHE_HOME).</translation>
    </message>
    <message id="The work folder %1 could not be made.">
        <source></source>
        <translation>Не удалось создать рабочую папку %1.</translation>
    </message>
    <message id="The work folder %1 cannot be used: something that is not a folder is in its place.">
        <source></source>
        <translation>Рабочую папку %1 нельзя использовать: на её месте находится что-то, что не является папкой.</translation>
    </message>
    <message id="The work folder %1 cannot be used: it is not writable.">
        <source></source>
        <translation>Рабочую папку %1 нельзя использовать: она недоступна для записи.</translation>
    </message>
    <message id="Another transfer is running in this program; try again when it has finished.">
        <source></source>
        <translation>В этой программе выполняется другая передача; повторите попытку, когда она завершится.</translation>
    </message>
    <message id="Another transfer is running (%1, process %2); try again when it has finished.">
        <source></source>
        <translation>Выполняется другая передача (%1, процесс %2); повторите попытку, когда она завершится.</translation>
    </message>
    <message id="another program">
        <source></source>
        <translation>другая программа</translation>
    </message>
    <message id="Another transfer is running; try again when it has finished.">
        <source></source>
        <translation>Выполняется другая передача; повторите попытку, когда она завершится.</translation>
    </message>
    <message id="The work folder %1 cannot be used: its lock file could not be made.">
        <source></source>
        <translation>Рабочую папку %1 нельзя использовать: не удалось создать её файл блокировки.</translation>
    </message>
    <message id="Import From SDBI">
        <source></source>
        <translation>Импортировать из SDBI</translation>
    </message>
    <message id="Import From Spinora Database">
        <source></source>
        <translation>Импортировать из базы данных Spinora</translation>
    </message>
    <message id="Database File">
        <source></source>
        <translation>Файл базы данных</translation>
    </message>
    <message id="Import From CSV">
        <source></source>
        <translation>Импортировать из CSV</translation>
    </message>
    <message id="Export To SDBI">
        <source></source>
        <translation>Экспортировать в SDBI</translation>
    </message>
    <message id="Export To Spinora Database">
        <source></source>
        <translation>Экспортировать в базу данных Spinora</translation>
    </message>
    <message id="Export To CSV">
        <source></source>
        <translation>Экспортировать в CSV</translation>
    </message>
    <message id="Type a path, or choose the file with Browse">
        <source></source>
        <translation>Введите путь или выберите файл с помощью кнопки «Обзор»</translation>
    </message>
    <message id="Choose where to save with Browse">
        <source></source>
        <translation>Выберите место сохранения с помощью кнопки «Обзор»</translation>
    </message>
    <message id="There is no file “%1”.">
        <source></source>
        <translation>Файл «%1» не существует.</translation>
    </message>
    <message id="A4, 3 × 8 labels of 70 × 37 mm">
        <source></source>
        <translation>A4, 3 × 8 этикеток 70 × 37 мм</translation>
    </message>
    <message id="US Letter, 3 × 10 labels of 2.625 × 1 in">
        <source></source>
        <translation>US Letter, 3 × 10 этикеток 2,625 × 1 дюйм</translation>
    </message>
    <message id="%n labels" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n этикетка</numerusform>
            <numerusform>%n этикетки</numerusform>
            <numerusform>%n этикеток</numerusform>
        </translation>
    </message>
    <message id="%n pages" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n страница</numerusform>
            <numerusform>%n страницы</numerusform>
            <numerusform>%n страниц</numerusform>
        </translation>
    </message>
    <message id=" mm">
        <source></source>
        <translation> мм</translation>
    </message>
    <message id="Nothing was printed: the printer “%1” could not be used.">
        <source></source>
        <translation>Ничего не напечатано: не удалось использовать принтер «%1».</translation>
    </message>
    <message id="Nothing was printed: the file “%1” could not be written.">
        <source></source>
        <translation>Ничего не напечатано: не удалось записать файл «%1».</translation>
    </message>
    <message id="Error: out of memory.">
        <source></source>
        <translation>Ошибка: недостаточно памяти.</translation>
    </message>
    <message id="Error: unknown exception.">
        <source></source>
        <translation>Ошибка: неизвестное исключение.</translation>
    </message>
    <message id="No snapshot of the collection could be kept: %1">
        <source></source>
        <translation>Не удалось сохранить снимок коллекции: %1</translation>
    </message>
    <message id="the collection as it is now could not be kept first, so nothing was changed: %1">
        <source></source>
        <translation>не удалось сначала сохранить текущее состояние коллекции, поэтому ничего не изменено: %1</translation>
    </message>
    <message id="the collection was opened read-only">
        <source></source>
        <translation>коллекция открыта только для чтения</translation>
    </message>
    <message id="Other">
        <source></source>
        <translation>Другое</translation>
    </message>
    <message id="it does not exist.">
        <source></source>
        <translation>она не существует.</translation>
    </message>
    <message id="it is not a collection package (a folder ending in .sdb).">
        <source></source>
        <translation>это не пакет коллекции (папка с окончанием .sdb).</translation>
    </message>
    <message id="the folder holds no %1, so it is not a Spinora collection.">
        <source></source>
        <translation>в папке нет %1, поэтому это не коллекция Spinora.</translation>
    </message>
    <message id="it is read-only. Make it writable, or copy it to another place, to open it.">
        <source></source>
        <translation>она доступна только для чтения. Чтобы открыть её, разрешите запись или скопируйте её в другое место.</translation>
    </message>
    <message id="the collection is not open">
        <source></source>
        <translation>коллекция не открыта</translation>
    </message>
    <message id="the collection could not be read again: %1">
        <source></source>
        <translation>не удалось повторно прочитать коллекцию: %1</translation>
    </message>
    <message id="the file is not a picture">
        <source></source>
        <translation>файл не является изображением</translation>
    </message>
    <message id="the picture is too large (%1 × %2 pixels)">
        <source></source>
        <translation>изображение слишком большое (%1 × %2 пикселей)</translation>
    </message>
    <message id="the picture cannot be decoded (%1)">
        <source></source>
        <translation>не удаётся декодировать изображение (%1)</translation>
    </message>
    <message id="the file cannot be read">
        <source></source>
        <translation>не удаётся прочитать файл</translation>
    </message>
    <message id="the file is larger than %1 MB">
        <source></source>
        <translation>файл больше %1 МБ</translation>
    </message>
    <message id="Error: a photo needs its three prepared files.">
        <source></source>
        <translation>Ошибка: для фотографии нужны три подготовленных файла.</translation>
    </message>
    <message id="a change to it was cut short when Spinora or the computer stopped">
        <source></source>
        <translation>его изменение было прервано, когда остановилась Spinora или компьютер</translation>
    </message>
    <message id="%1, and must be undone before the collection can be read. That takes writing, and the collection is read-only here. Copy the whole collection, with the file %2-journal in it, to a writable place and open the copy.">
        <source></source>
        <translation>%1, и это нужно отменить, прежде чем коллекцию можно будет прочитать. Для этого нужна запись, а здесь коллекция доступна только для чтения. Скопируйте всю коллекцию вместе с файлом %2-journal в доступное для записи место и откройте копию.</translation>
    </message>
    <message id="%1, and cannot be undone: %2">
        <source></source>
        <translation>%1, и это нельзя отменить: %2</translation>
    </message>
    <message id="%1, and undoing it failed: %2.">
        <source></source>
        <translation>%1, и отменить это не удалось: %2.</translation>
    </message>
    <message id="the collection is not open for writing.">
        <source></source>
        <translation>коллекция не открыта для записи.</translation>
    </message>
    <message id="no watering moment was given.">
        <source></source>
        <translation>не указан момент полива.</translation>
    </message>
    <message id="it is already open in this program.">
        <source></source>
        <translation>она уже открыта в этой программе.</translation>
    </message>
    <message id="another program (process %1)">
        <source></source>
        <translation>другая программа (процесс %1)</translation>
    </message>
    <message id="it is in use by %1. Only one program at a time can change a collection; try again when it has finished.">
        <source></source>
        <translation>её использует %1. Изменять коллекцию может только одна программа одновременно; повторите попытку, когда она завершит работу.</translation>
    </message>
    <message id="its lock file %1 cannot be opened (%2).">
        <source></source>
        <translation>её файл блокировки %1 не удаётся открыть (%2).</translation>
    </message>
    <message id="its lock file %1 cannot be locked (%2).">
        <source></source>
        <translation>её файл блокировки %1 не удаётся заблокировать (%2).</translation>
    </message>
    <message id="its lock file %1 keeps being replaced by another program.">
        <source></source>
        <translation>её файл блокировки %1 постоянно заменяется другой программой.</translation>
    </message>
    <message id="the picture cannot be converted to JPEG">
        <source></source>
        <translation>не удаётся преобразовать изображение в JPEG</translation>
    </message>
    <message id="no database connection">
        <source></source>
        <translation>нет подключения к базе данных</translation>
    </message>
    <message id="the current schema is not available (%1)">
        <source></source>
        <translation>текущая схема недоступна (%1)</translation>
    </message>
    <message id="The collection %1 could not be opened: %2">
        <source></source>
        <translation>Не удалось открыть коллекцию %1: %2</translation>
    </message>
    <message id="The collection %1 could not be made: %2">
        <source></source>
        <translation>Не удалось создать коллекцию %1: %2</translation>
    </message>
    <message id="The logs of %1 could not be read: %2">
        <source></source>
        <translation>Не удалось прочитать записи %1: %2</translation>
    </message>
    <message id="%1. So that nothing is lost, the collection is now read-only: nothing in it is changed or deleted. Close it and open it again to try once more.">
        <source></source>
        <translation>%1. Чтобы ничего не потерять, коллекция теперь доступна только для чтения: в ней ничего не изменяется и не удаляется. Закройте её и откройте снова, чтобы попробовать ещё раз.</translation>
    </message>
    <message id="it was made by a newer version of Spinora (schema %1; this version reads up to %2).">
        <source></source>
        <translation>она создана более новой версией Spinora (схема %1; эта версия читает схемы до %2).</translation>
    </message>
    <message id="its schema could not be upgraded (%1).">
        <source></source>
        <translation>не удалось обновить её схему (%1).</translation>
    </message>
    <message id="the script %1 could not be read">
        <source></source>
        <translation>не удалось прочитать сценарий %1</translation>
    </message>
    <message id="The collection %1 was opened read-only and cannot be saved.">
        <source></source>
        <translation>Коллекция %1 открыта только для чтения, её нельзя сохранить.</translation>
    </message>
    <message id="The collection %1 was saved, but could not be opened again: %2">
        <source></source>
        <translation>Коллекция %1 сохранена, но открыть её повторно не удалось: %2</translation>
    </message>
    <message id="The collection could not be saved as %1: %2">
        <source></source>
        <translation>Не удалось сохранить коллекцию как %1: %2</translation>
    </message>
    <message id="The collection could not be saved as %1.">
        <source></source>
        <translation>Не удалось сохранить коллекцию как %1.</translation>
    </message>
    <message id="Caudiciform">
        <source></source>
        <translation>Каудексовое</translation>
    </message>
    <message id="Leaf Succulent">
        <source></source>
        <translation>Листовой суккулент</translation>
    </message>
    <message id="Root Succulent">
        <source></source>
        <translation>Корневой суккулент</translation>
    </message>
    <message id="Stem Succulent">
        <source></source>
        <translation>Стеблевой суккулент</translation>
    </message>
    <message id="Seed">
        <source></source>
        <translation>Семена</translation>
    </message>
    <message id="Cutting">
        <source></source>
        <translation>Черенок</translation>
    </message>
    <message id="Offset">
        <source></source>
        <translation>Детка</translation>
    </message>
    <message id="Grafted">
        <source></source>
        <translation>Привитое</translation>
    </message>
    <message id="Wild">
        <source></source>
        <translation>Из природы</translation>
    </message>
    <message id="Nursery Stock">
        <source></source>
        <translation>Питомник</translation>
    </message>
    <message id="Private Grower">
        <source></source>
        <translation>Частный коллекционер</translation>
    </message>
    <message id="Retailer">
        <source></source>
        <translation>Магазин</translation>
    </message>
    <message id="Ceramic">
        <source></source>
        <translation>Керамика</translation>
    </message>
    <message id="Concrete">
        <source></source>
        <translation>Бетон</translation>
    </message>
    <message id="Fiberglass">
        <source></source>
        <translation>Стеклопластик</translation>
    </message>
    <message id="Mica">
        <source></source>
        <translation>Слюда</translation>
    </message>
    <message id="None (In-Ground)">
        <source></source>
        <translation>Нет (в грунте)</translation>
    </message>
    <message id="Plastic">
        <source></source>
        <translation>Пластик</translation>
    </message>
    <message id="Stone">
        <source></source>
        <translation>Камень</translation>
    </message>
    <message id="Wood">
        <source></source>
        <translation>Дерево</translation>
    </message>
    <message id="Round">
        <source></source>
        <translation>Круглая</translation>
    </message>
    <message id="Oval">
        <source></source>
        <translation>Овальная</translation>
    </message>
    <message id="Square">
        <source></source>
        <translation>Квадратная</translation>
    </message>
    <message id="Rectangular">
        <source></source>
        <translation>Прямоугольная</translation>
    </message>
    <message id="Hexagon">
        <source></source>
        <translation>Шестиугольная</translation>
    </message>
    <message id="Octagon">
        <source></source>
        <translation>Восьмиугольная</translation>
    </message>
    <message id="Dish">
        <source></source>
        <translation>Чаша</translation>
    </message>
    <message id="Lotus">
        <source></source>
        <translation>Лотос</translation>
    </message>
    <message id="Flat">
        <source></source>
        <translation>Плоская</translation>
    </message>
    <message id="Irregular">
        <source></source>
        <translation>Неправильная</translation>
    </message>
    <message id="hours">
        <source></source>
        <translation>часов</translation>
    </message>
    <message id="days">
        <source></source>
        <translation>дней</translation>
    </message>
    <message id="weeks">
        <source></source>
        <translation>недель</translation>
    </message>
    <message id="months">
        <source></source>
        <translation>месяцев</translation>
    </message>
    <message id="hour">
        <source></source>
        <translation>час</translation>
    </message>
    <message id="day">
        <source></source>
        <translation>день</translation>
    </message>
    <message id="week">
        <source></source>
        <translation>неделя</translation>
    </message>
    <message id="month">
        <source></source>
        <translation>месяц</translation>
    </message>
    <message id="Spray">
        <source></source>
        <translation>Опрыскивание</translation>
    </message>
    <message id="LightQuantity">
        <source></source>
        <translation>Количество света</translation>
    </message>
    <message id="Moderate">
        <source></source>
        <translation>Умеренное</translation>
    </message>
    <message id="Soak">
        <source></source>
        <translation>Полив погружением</translation>
    </message>
    <message id="a cactus">
        <source></source>
        <translation>кактус</translation>
    </message>
    <message id="a watering schedule">
        <source></source>
        <translation>график полива</translation>
    </message>
    <message id="a log">
        <source></source>
        <translation>запись</translation>
    </message>
    <message id="a photo">
        <source></source>
        <translation>фотография</translation>
    </message>
    <message id="a record (%1)">
        <source></source>
        <translation>элемент (%1)</translation>
    </message>
    <message id="%1 it needs is gone">
        <source></source>
        <translation>нужный объект больше не существует: %1</translation>
    </message>
    <message id="%1 it would bring back has been made again">
        <source></source>
        <translation>восстанавливаемый объект уже создан заново: %1</translation>
    </message>
    <message id="%1 it touches has been changed since">
        <source></source>
        <translation>затрагиваемый объект с тех пор изменён: %1</translation>
    </message>
    <message id="what it needs could not be read from %1">
        <source></source>
        <translation>не удалось прочитать из %1 то, что нужно</translation>
    </message>
    <message id="the collection as it was before was not kept">
        <source></source>
        <translation>прежнее состояние коллекции не сохранено</translation>
    </message>
    <message id="“%1” could not be undone: %2.">
        <source></source>
        <translation>Не удалось отменить «%1»: %2.</translation>
    </message>
    <message id="“%1” could not be redone: %2.">
        <source></source>
        <translation>Не удалось повторить «%1»: %2.</translation>
    </message>
    <message id="the database is damaged (%1).">
        <source></source>
        <translation>база данных повреждена (%1).</translation>
    </message>
    <message id="Print the list">
        <source></source>
        <translation>Напечатать список</translation>
    </message>
    <message id="Import from device">
        <source></source>
        <translation>Импортировать с устройства</translation>
    </message>
    <message id="Import database from Spinora Mobile App">
        <source></source>
        <translation>Импортировать базу данных из мобильного приложения Spinora</translation>
    </message>
    <message id="Export to device">
        <source></source>
        <translation>Экспортировать на устройство</translation>
    </message>
    <message id="Export database to Spinora Mobile App">
        <source></source>
        <translation>Экспортировать базу данных в мобильное приложение Spinora</translation>
    </message>
    <message id="Show database statistics">
        <source></source>
        <translation>Показать статистику базы данных</translation>
    </message>
    <message id="Delete Item">
        <source></source>
        <translation>Удалить элемент</translation>
    </message>
    <message id="Remove an item from the list">
        <source></source>
        <translation>Удалить элемент из списка</translation>
    </message>
    <message id="Add an item to the list">
        <source></source>
        <translation>Добавить элемент в список</translation>
    </message>
    <message id="%n watering schedules" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n график полива</numerusform>
            <numerusform>%n графика полива</numerusform>
            <numerusform>%n графиков полива</numerusform>
        </translation>
    </message>
    <message id="%1 and its %n cacti" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%1 и его %n кактус</numerusform>
            <numerusform>%1 и его %n кактуса</numerusform>
            <numerusform>%1 и его %n кактусов</numerusform>
        </translation>
    </message>
    <message id="%1 and their %n cacti" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%1 и их %n кактус</numerusform>
            <numerusform>%1 и их %n кактуса</numerusform>
            <numerusform>%1 и их %n кактусов</numerusform>
        </translation>
    </message>
    <message id="%n cacti" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n кактус</numerusform>
            <numerusform>%n кактуса</numerusform>
            <numerusform>%n кактусов</numerusform>
        </translation>
    </message>
    <message id="No log has the event &quot;Flowered&quot; yet.">
        <source></source>
        <translation>Пока нет ни одной записи с событием «Цвело».</translation>
    </message>
    <message id="How often each plant flowered in each month, over all years; the plants likely to flower in %1 first.">
        <source></source>
        <translation>Как часто каждое растение цвело в каждом месяце за все годы; первыми показаны растения, которые, вероятно, зацветут в месяце «%1».</translation>
    </message>
    <message id="No date">
        <source></source>
        <translation>Без даты</translation>
    </message>
    <message id="%1, %2">
        <source></source>
        <translation>%1, %2</translation>
    </message>
    <message id="Photo Timeline of %1">
        <source></source>
        <translation>Фотолетопись: %1</translation>
    </message>
    <message id="Photos, oldest first">
        <source></source>
        <translation>Фотографии, сначала старые</translation>
    </message>
    <message id="This plant has no photos yet, neither its own nor in its logs.">
        <source></source>
        <translation>У этого растения пока нет фотографий — ни собственных, ни в его записях.</translation>
    </message>
    <message id="Choose two photos (Ctrl+click) to see them side by side.">
        <source></source>
        <translation>Выберите две фотографии (Ctrl+щелчок), чтобы сравнить их рядом.</translation>
    </message>
    <message id="Earlier photo">
        <source></source>
        <translation>Более ранняя фотография</translation>
    </message>
    <message id="Later photo">
        <source></source>
        <translation>Более поздняя фотография</translation>
    </message>
    <message id="%1 (%2 without a date)">
        <source></source>
        <translation>%1 (без даты: %2)</translation>
    </message>
    <message id="Log Entries">
        <source></source>
        <translation>Записи</translation>
    </message>
    <message id="Watering Due">
        <source></source>
        <translation>Полив к выполнению</translation>
    </message>
    <message id="Reminders Due">
        <source></source>
        <translation>Напоминания к выполнению</translation>
    </message>
    <message id="%1:">
        <source></source>
        <translation>%1:</translation>
    </message>
    <message id="no collection at %1">
        <source></source>
        <translation>в %1 нет коллекции</translation>
    </message>
    <message id="no snapshot was kept: %1">
        <source></source>
        <translation>снимок не сохранён: %1</translation>
    </message>
    <message id="%1 has no snapshot named %2 (spinora-cli backups %1 lists them); nothing was changed">
        <source></source>
        <translation>У %1 нет снимка с именем %2 (список выводит spinora-cli backups %1); ничего не изменено</translation>
    </message>
    <message id="%1 was not restored: %2">
        <source></source>
        <translation>%1 не восстановлено: %2</translation>
    </message>
    <message id="the collection as it was is kept as %1">
        <source></source>
        <translation>прежнее состояние коллекции сохранено как %1</translation>
    </message>
    <message id="%1 needs a value">
        <source></source>
        <translation>%1 требует значения</translation>
    </message>
    <message id="usage: %1">
        <source></source>
        <translation>использование: %1</translation>
    </message>
    <message id="%1 must be a whole number from %2 to %3, not “%4”">
        <source></source>
        <translation>%1 должно быть целым числом от %2 до %3, а не «%4»</translation>
    </message>
    <message id="%1 must be a local date and time as YYYY-MM-DD HH:MM, not “%2”">
        <source></source>
        <translation>%1 должно быть местными датой и временем в формате YYYY-MM-DD HH:MM, а не «%2»</translation>
    </message>
    <message id="the collection could not be written">
        <source></source>
        <translation>не удалось записать коллекцию</translation>
    </message>
    <message id="%1 is damaged: %2 Nothing was changed. “spinora-cli backups %1” lists its snapshots and “spinora-cli restore %1 SNAPSHOT” brings one back.">
        <source></source>
        <translation>Коллекция %1 повреждена: %2 Ничего не изменено. «spinora-cli backups %1» выводит список её снимков, а «spinora-cli restore %1 SNAPSHOT» восстанавливает один из них.</translation>
    </message>
    <message id="its photo file %1 is missing.">
        <source></source>
        <translation>отсутствует её файл фотографии %1.</translation>
    </message>
    <message id="%1 photo files are missing, the first %2.">
        <source></source>
        <translation>Отсутствуют файлы фотографий (%1), первый — %2.</translation>
    </message>
    <message id="%1: a collection's name must end in .%2">
        <source></source>
        <translation>%1: имя коллекции должно оканчиваться на .%2</translation>
    </message>
    <message id="%1 already exists; nothing was changed">
        <source></source>
        <translation>%1 уже существует; ничего не изменено</translation>
    </message>
    <message id="the folder %1 does not exist">
        <source></source>
        <translation>папка %1 не существует</translation>
    </message>
    <message id="the sample could not be written">
        <source></source>
        <translation>не удалось записать образец</translation>
    </message>
    <message id="created %1 with %2 cacti, %3 watering schedules, %4 logs and %5 photos">
        <source></source>
        <translation>создано %1: кактусов — %2, графиков полива — %3, записей — %4, фотографий — %5</translation>
    </message>
    <message id="list what? “%1” is not cacti, watering or logs">
        <source></source>
        <translation>какой список? «%1» — это не cacti, watering или logs</translation>
    </message>
    <message id="at most three --no-water periods">
        <source></source>
        <translation>не более трёх периодов --no-water</translation>
    </message>
    <message id="--no-water must be MM-DD:MM-DD with real days, not “%1”">
        <source></source>
        <translation>--no-water должен иметь вид MM-DD:MM-DD с реальными днями, а не «%1»</translation>
    </message>
    <message id="warning: %1">
        <source></source>
        <translation>предупреждение: %1</translation>
    </message>
    <message id="there is no session bus to post the notification on (%1)">
        <source></source>
        <translation>нет сеансовой шины для отправки уведомления (%1)</translation>
    </message>
    <message id="no notification service answers on the session bus (%1)">
        <source></source>
        <translation>на сеансовой шине не отвечает ни одна служба уведомлений (%1)</translation>
    </message>
    <message id="the notification service refused the notification (%1)">
        <source></source>
        <translation>служба уведомлений отклонила уведомление (%1)</translation>
    </message>
    <message id="%1 wants a device address such as http://host:port, not “%2”">
        <source></source>
        <translation>%1 требует адрес устройства вида http://host:port, а не «%2»</translation>
    </message>
    <message id="the import failed; nothing was changed">
        <source></source>
        <translation>импорт не удался; ничего не изменено</translation>
    </message>
    <message id="the import failed; nothing was changed: %1">
        <source></source>
        <translation>импорт не удался; ничего не изменено: %1</translation>
    </message>
    <message id="download failed: %1">
        <source></source>
        <translation>ошибка загрузки: %1</translation>
    </message>
    <message id="upload failed: %1 - %2">
        <source></source>
        <translation>ошибка отправки: %1 - %2</translation>
    </message>
    <message id="service discovery failed: %1; it needs the avahi-daemon service (start it with &quot;systemctl start avahi-daemon&quot;)">
        <source></source>
        <translation>ошибка обнаружения служб: %1; требуется служба avahi-daemon (запустите её командой &quot;systemctl start avahi-daemon&quot;)</translation>
    </message>
    <message id="pull needs --from URL">
        <source></source>
        <translation>для pull требуется --from URL</translation>
    </message>
    <message id="import option %1 does not fit a device in mode %2: %3">
        <source></source>
        <translation>параметр импорта %1 не подходит для устройства в режиме %2: %3</translation>
    </message>
    <message id="push needs --to URL">
        <source></source>
        <translation>для push требуется --to URL</translation>
    </message>
    <message id="%1 Add --force to replace it.">
        <source></source>
        <translation>%1 Чтобы заменить, добавьте --force.</translation>
    </message>
    <message id="%1 Nothing was written.">
        <source></source>
        <translation>%1 Ничего не записано.</translation>
    </message>
    <message id="Exporting to the open collection itself is not permitted">
        <source></source>
        <translation>Экспорт в саму открытую коллекцию не допускается</translation>
    </message>
    <message id="%1: use export-csv for CSV files">
        <source></source>
        <translation>%1: для файлов CSV используйте export-csv</translation>
    </message>
    <message id="%1: a CSV file's name must end in .csv">
        <source></source>
        <translation>%1: имя файла CSV должно оканчиваться на .csv</translation>
    </message>
    <message id="Writing a report into the open collection itself is not permitted">
        <source></source>
        <translation>Запись отчёта в саму открытую коллекцию не допускается</translation>
    </message>
    <message id="the file %1 could not be written">
        <source></source>
        <translation>не удалось записать файл %1</translation>
    </message>
    <message id="nothing to import at %1">
        <source></source>
        <translation>в %1 нечего импортировать</translation>
    </message>
    <message id="--map is for CSV files">
        <source></source>
        <translation>--map предназначен для файлов CSV</translation>
    </message>
    <message id="--map: %1">
        <source></source>
        <translation>--map: %1</translation>
    </message>
    <message id="Importing from the open collection itself is not permitted">
        <source></source>
        <translation>Импорт из самой открытой коллекции не допускается</translation>
    </message>
    <message id="--page-size must be A4 or Letter, not “%1”">
        <source></source>
        <translation>--page-size должен быть A4 или Letter, а не «%1»</translation>
    </message>
    <message id="--record must be a record's key (a whole number), not “%1”">
        <source></source>
        <translation>--record должен быть ключом элемента (целым числом), а не «%1»</translation>
    </message>
    <message id="--record needs a sheet screen (3, 4 or 5)">
        <source></source>
        <translation>--record требует экран листа (3, 4 или 5)</translation>
    </message>
    <message id="the collection has no cactus with the key %1">
        <source></source>
        <translation>в коллекции нет кактуса с ключом %1</translation>
    </message>
    <message id="the collection has no cactus to print">
        <source></source>
        <translation>в коллекции нет кактусов для печати</translation>
    </message>
    <message id="the collection has no watering schedule with the key %1">
        <source></source>
        <translation>в коллекции нет графика полива с ключом %1</translation>
    </message>
    <message id="the collection has no watering schedule to print">
        <source></source>
        <translation>в коллекции нет графиков полива для печати</translation>
    </message>
    <message id="the collection has no log with the key %1">
        <source></source>
        <translation>в коллекции нет записи с ключом %1</translation>
    </message>
    <message id="the collection has no log to print">
        <source></source>
        <translation>в коллекции нет записей для печати</translation>
    </message>
    <message id="--layout must be a4-3x8 or letter-3x10, not “%1”">
        <source></source>
        <translation>--layout должен быть a4-3x8 или letter-3x10, а не «%1»</translation>
    </message>
    <message id="no cactus matches “%1”">
        <source></source>
        <translation>ни один кактус не соответствует «%1»</translation>
    </message>
    <message id="due">
        <source></source>
        <translation>к выполнению</translation>
    </message>
    <message id="1 day overdue">
        <source></source>
        <translation>просрочено на 1 день</translation>
    </message>
    <message id="%1 days overdue">
        <source></source>
        <translation>просрочено на %1 дн.</translation>
    </message>
    <message id="nothing due">
        <source></source>
        <translation>ничего не нужно выполнять</translation>
    </message>
    <message id="(no schedule)">
        <source></source>
        <translation>(нет графика)</translation>
    </message>
    <message id="(no plants)">
        <source></source>
        <translation>(нет растений)</translation>
    </message>
    <message id="%1: %2, next watering %3, %4">
        <source></source>
        <translation>%1: %2, следующий полив %3, %4</translation>
    </message>
    <message id="reminder: %1, %2">
        <source></source>
        <translation>напоминание: %1, %2</translation>
    </message>
    <message id="reminder: %1 (%2), %3">
        <source></source>
        <translation>напоминание: %1 (%2), %3</translation>
    </message>
    <message id="1 plant to water">
        <source></source>
        <translation>1 растение для полива</translation>
    </message>
    <message id="%1 plants to water">
        <source></source>
        <translation>Растений для полива: %1</translation>
    </message>
    <message id="1 reminder">
        <source></source>
        <translation>1 напоминание</translation>
    </message>
    <message id="%1 reminders">
        <source></source>
        <translation>Напоминаний: %1</translation>
    </message>
    <message id="%1 and %2">
        <source></source>
        <translation>%1 и %2</translation>
    </message>
    <message id="%1 today">
        <source></source>
        <translation>%1 сегодня</translation>
    </message>
    <message id="%1 by %2">
        <source></source>
        <translation>%1 по %2</translation>
    </message>
    <message id="%1 and %2 more">
        <source></source>
        <translation>%1 и ещё %2</translation>
    </message>
    <message id="nothing due: no notification">
        <source></source>
        <translation>ничего не нужно выполнять: без уведомления</translation>
    </message>
    <message id="%1 could not be started">
        <source></source>
        <translation>Не удалось запустить %1</translation>
    </message>
    <message id="--on must be a date as YYYY-MM-DD, not “%1”">
        <source></source>
        <translation>--on должен быть датой в формате YYYY-MM-DD, а не «%1»</translation>
    </message>
    <message id="no collection named and no recent collection to check">
        <source></source>
        <translation>коллекция не указана, и нет недавней коллекции для проверки</translation>
    </message>
    <message id="--at %1 lies in the future; a watering can only be recorded once it is done">
        <source></source>
        <translation>--at %1 в будущем; полив можно записать только после того, как он выполнен</translation>
    </message>
    <message id="no watering schedule is named “%1”; nothing was changed">
        <source></source>
        <translation>графика полива с именем «%1» нет; ничего не изменено</translation>
    </message>
    <message id="no cactus is named “%1”; nothing was changed">
        <source></source>
        <translation>кактуса с именем «%1» нет; ничего не изменено</translation>
    </message>
    <message id="the watering could not be recorded">
        <source></source>
        <translation>не удалось записать полив</translation>
    </message>
    <message id="unknown subcommand “%1” (see spinora-cli --help)">
        <source></source>
        <translation>неизвестная подкоманда «%1» (см. spinora-cli --help)</translation>
    </message>
    <message id="The latest changes to “%1” could not be written: %2">
        <source></source>
        <translation>Не удалось записать последние изменения в «%1»: %2</translation>
    </message>
    <message id="The window stays open so that they are not lost. Make room and close it again, or save the collection somewhere else.">
        <source></source>
        <translation>Окно остаётся открытым, чтобы изменения не потерялись. Освободите место и закройте его снова или сохраните коллекцию в другом месте.</translation>
    </message>
    <message id="the photo could not be written into the collection (is the disk full?)">
        <source></source>
        <translation>не удалось записать фотографию в коллекцию (возможно, диск заполнен?)</translation>
    </message>
    <message id="unknown option %1">
        <source></source>
        <translation>неизвестный параметр %1</translation>
    </message>
    <message id="name at least one --schedule or --cactus">
        <source></source>
        <translation>укажите хотя бы один --schedule или --cactus</translation>
    </message>
    <message id="&lt; 1 year">
        <source></source>
        <translation>&lt; 1 года</translation>
    </message>
    <message id="%n years" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n год</numerusform>
            <numerusform>%n года</numerusform>
            <numerusform>%n лет</numerusform>
        </translation>
    </message>
    <message id="Columns of %1">
        <source></source>
        <translation>Столбцы файла %1</translation>
    </message>
    <message id="This file is not in the Spinora CSV template layout. Choose what each column holds; its first rows are shown below it.">
        <source></source>
        <translation>Этот файл не соответствует шаблону CSV программы Spinora. Выберите, что содержит каждый столбец; под ним показаны его первые строки.</translation>
    </message>
    <message id="Columns of the file">
        <source></source>
        <translation>Столбцы файла</translation>
    </message>
    <message id="Field of the column “%1”">
        <source></source>
        <translation>Поле столбца «%1»</translation>
    </message>
    <message id="Skip">
        <source></source>
        <translation>Пропустить</translation>
    </message>
    <message id="Choose the column that holds the plants' names.">
        <source></source>
        <translation>Выберите столбец с названиями растений.</translation>
    </message>
    <message id="%n hours" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n час</numerusform>
            <numerusform>%n часа</numerusform>
            <numerusform>%n часов</numerusform>
        </translation>
    </message>
    <message id="%n days" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n день</numerusform>
            <numerusform>%n дня</numerusform>
            <numerusform>%n дней</numerusform>
        </translation>
    </message>
    <message id="%n weeks" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n неделя</numerusform>
            <numerusform>%n недели</numerusform>
            <numerusform>%n недель</numerusform>
        </translation>
    </message>
    <message id="%n months" numerus="yes">
        <source></source>
        <translation>
            <numerusform>%n месяц</numerusform>
            <numerusform>%n месяца</numerusform>
            <numerusform>%n месяцев</numerusform>
        </translation>
    </message>
    <message id="Keep the &amp;original file of each photo added (full detail, date taken)">
        <source></source>
        <translation>Сохранять &amp;оригинальный файл каждой добавленной фотографии (полная детализация, дата съёмки)</translation>
    </message>
    <message id="The originals take %1 in the open collections.">
        <source></source>
        <translation>Оригиналы занимают %1 в открытых коллекциях.</translation>
    </message>
    <message id="Print Photo…">
        <source></source>
        <translation>Печать фотографии…</translation>
    </message>
    <message id="Print the photo on a page">
        <source></source>
        <translation>Напечатать фотографию на одной странице</translation>
    </message>
    <message id="Taken on %1 at %2">
        <source></source>
        <translation>Снято %1 в %2</translation>
    </message>
</context>
</TS>
