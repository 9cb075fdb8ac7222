#pragma once

#include "SampleCollection.h"
#include "SpinoraDatabase.h"

#include <QTemporaryDir>

namespace spinora::bench {

// The scratch folder of one benchmark run.
inline QTemporaryDir& scratch()
{
    static QTemporaryDir folder;
    return folder;
}

// A generated collection in the scratch folder, made on first use.
inline QString makeCollection(const QString& name, const SampleSize& size, bool emptyTemplate = false)
{
    const QString path = scratch().filePath(name);
    if (QFileInfo::exists(path))
        return path;
    SpinoraDatabase document(path);
    document.setTemplateChoice(emptyTemplate);
    document.readFromURL(path);
    SampleCollection::fill(document, size);
    document.close();
    return path;
}

} // namespace spinora::bench
