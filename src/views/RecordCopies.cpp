#include "RecordCopies.h"

#include "Cactus.h"
#include "FileHelpers.h"
#include "Messages.h"
#include "Log.h"
#include "SpinoraDatabase.h"

#include <QFile>

#include <cerrno>

namespace spinora {

Result<Image*> copyPhoto(SpinoraDatabase& document, Image& source, int64_t ownerKey)
{
    if (Result<> read = source.hydrate(); !read)
        return read.failure();
    auto image = std::make_unique<Image>();
    image->setLinkedType(source.linkedType());
    image->setLinkedKey(ownerKey);
    image->setTagValue(source.tagValue());
    image->setCaption(source.caption());
    image->setDataForPhoto(source.dataForPhoto());
    image->setDataForThumbnail(source.dataForThumbnail());
    source.unload();
    Result<Image*> added = document.addImage(std::move(image));
    // The copy keeps the original too; without it, it is still a whole photo.
    if (added && QFile::exists(source.originalFile()) &&
        !FileHelpers::copyFileFrom(source.originalFile(), (*added)->originalFile()))
        logFailure(Failure::file(msg::kWritePhotoFailed, (*added)->originalFile(), errno));
    return added;
}

Result<Log*> copyLog(SpinoraDatabase& document, Log& source, Cactus* plant)
{
    if (Result<> read = source.hydrate(); !read)
        return read.failure();
    auto copy = std::make_unique<Log>();
    copy->setEventName(source.eventName());
    copy->setLogType(source.logType());
    copy->setLogDate(source.logDate());
    copy->setNotes(source.notes());
    copy->setNoteSummary(source.noteSummary());
    copy->setReminder(source.reminder());
    copy->setReminderIdentifier(source.reminderIdentifier());
    copy->setCactusKey(plant ? plant->primaryKey() : source.cactusKey());
    copy->setCactus(plant);
    source.unload();
    // Adding a log also files it under its plant.
    const Result<Log*> added = document.addLog(std::move(copy));
    if (!added)
        return added;
    if (Result<> copied = copyPhotosTo(document, source.images(), **added); !copied)
        return copied.failure();
    if (Result<> saved = (*added)->dehydrate(); !saved)
        return saved.failure();
    return added;
}

} // namespace spinora
