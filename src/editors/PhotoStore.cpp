#include "PhotoStore.h"

#include "PhotoAddingJob.h"

#include "Image.h"
#include "InternalError.h"
#include "SpinoraDatabase.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace spinora {

QString PhotoStore::diskFullReason()
{
    return QCoreApplication::translate("PhotoStore",
                                       "the photo could not be written into the collection (is the disk full?)");
}

Image* PhotoStore::store(std::unique_ptr<Image> image, const PreparedPhoto& photo, QString* reason)
{
    // The row is inserted and its files moved in one transaction, so that
    // a photo whose files could not be moved leaves no row behind.
    Connection* connection = document_.database();
    const bool transaction = connection && document_.beginTransactionWithDatabase(connection);
    auto refuse = [&](Image* stored, const QString& why) -> Image* {
        if (transaction)
            Statement(connection, "rollback transaction").stepDone();
        if (stored)
            remove(stored); // its row if any, and whatever files were written
        *reason = why;
        return nullptr;
    };

    Image* stored = nullptr;
    try {
        stored = document_.addImage(std::move(image), photo.files);
    } catch (const InternalError& error) {
        logInternalError(error);
        return refuse(nullptr, QCoreApplication::translate("PhotoStore", "the photo could not be stored in the collection"));
    }
    const bool whole = QFileInfo(stored->photoFile()).size() > 0 && QFileInfo(stored->thumbnailFile()).size() > 0
                       && QFileInfo(stored->croppedThumbnailFile()).size() > 0;
    if (!whole)
        return refuse(stored, diskFullReason());
    if (transaction && !document_.endTransactionWithDatabase(connection))
        return refuse(stored, diskFullReason());
    return stored;
}

void PhotoStore::remove(Image* image)
{
    try {
        document_.removeImage(image);
    } catch (const InternalError& error) {
        logInternalError(error);
    }
}

} // namespace spinora
