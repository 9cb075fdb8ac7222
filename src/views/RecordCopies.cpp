#include "RecordCopies.h"

#include "SpinoraDatabase.h"

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
    return document.addImage(std::move(image));
}

} // namespace spinora
