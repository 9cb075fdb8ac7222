#include "RecordCopies.h"

#include "SpinoraDatabase.h"

namespace spinora {

Image* copyPhoto(SpinoraDatabase& document, Image& source, int64_t ownerKey)
{
    source.hydrate();
    auto image = std::make_unique<Image>();
    image->setLinkedType(source.linkedType());
    image->setLinkedKey(ownerKey);
    image->setTagValue(source.tagValue());
    image->setCaption(source.caption());
    image->setDataForPhoto(source.dataForPhoto());
    image->setDataForThumbnail(source.dataForThumbnail());
    source.dehydrate();
    return document.addImage(std::move(image));
}

} // namespace spinora
