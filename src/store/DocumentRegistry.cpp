#include "DocumentRegistry.h"

#include "SpinoraDatabase.h"

#include <algorithm>

namespace spinora {

void DocumentRegistry::registerDatabase(SpinoraDatabase* document)
{
    if (std::find(documents_.begin(), documents_.end(), document) != documents_.end())
        return;
    documents_.push_back(document);
    if (listener_)
        listener_(true);
}

void DocumentRegistry::deregisterDatabase(SpinoraDatabase* document)
{
    const auto it = std::find(documents_.begin(), documents_.end(), document);
    if (it == documents_.end())
        return;
    documents_.erase(it);
    if (mainDocument_ == document)
        mainDocument_ = nullptr;
    if (listener_ && documents_.empty())
        listener_(false);
}

void DocumentRegistry::registerAsMainDocument(SpinoraDatabase* document)
{
    mainDocument_ = document;
}

bool DocumentRegistry::isOpen(const SpinoraDatabase* document) const
{
    return std::find(documents_.begin(), documents_.end(), document) != documents_.end();
}

bool DocumentRegistry::isDatabaseLoaded(const QString& packagePath) const
{
    return std::any_of(documents_.begin(), documents_.end(),
                       [&](const SpinoraDatabase* d) { return d->packageFilename() == packagePath; });
}

} // namespace spinora
