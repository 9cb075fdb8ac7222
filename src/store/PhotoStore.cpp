#include "PhotoStore.h"

#include "PhotoAddingJob.h"

#include "Image.h"
#include "Localization.h"
#include "Messages.h"
#include "SpinoraDatabase.h"


namespace spinora {

QString PhotoStore::diskFullReason()
{
    return localized("the photo could not be written into the collection (is the disk full?)");
}

Result<Image*> PhotoStore::store(std::unique_ptr<Image> image, const PreparedPhoto& photo)
{
    // The row is inserted and its files moved in one transaction, so that
    // a photo whose files could not be moved leaves no row behind.
    Connection* connection = document_.database();
    Transaction transaction(connection, Transaction::Kind::Exclusive);
    if (!transaction.begun())
        return Failure::sql(msg::kBeginFailed, connection);
    Result<Image*> stored = document_.addImage(std::move(image), photo.files);
    if (!stored)
        return stored;
    if (!transaction.commit()) {
        Failure failed = Failure::sql(msg::kCommitFailed, connection);
        // The row is gone again; so must be the photo and its files.
        if (Result<> removed = document_.removeImage(*stored); !removed)
            logFailure(removed.failure());
        return failed;
    }
    return stored;
}

} // namespace spinora
