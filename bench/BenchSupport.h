#pragma once

#include "SampleCollection.h"
#include "SpinoraDatabase.h"

#include <QFileInfo>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QTemporaryDir>

#include <cstdlib>

namespace spinora::bench {

// The value of a step a benchmark cannot go on without: a benchmark whose
// collection could not be made or changed measures nothing.
template <class T>
T orAbort(Result<T> result)
{
    if (!result)
        std::abort();
    return *result;
}
inline void orAbort(const Result<>& result)
{
    if (!result)
        std::abort();
}

// The scratch folder of one benchmark run.
inline QTemporaryDir& scratch()
{
    static QTemporaryDir folder;
    return folder;
}

// A 4000 x 3000 JPEG as a camera makes them (a wash and a disc, so the
// encoder has real work), written to `path` unless it is there already.
inline QString cameraPicture(const QString& path)
{
    if (QFileInfo::exists(path))
        return path;
    QImage picture(4000, 3000, QImage::Format_RGB32);
    QPainter painter(&picture);
    QLinearGradient wash(0, 0, 4000, 3000);
    wash.setColorAt(0, QColor(200, 80, 60));
    wash.setColorAt(1, QColor(60, 160, 90));
    painter.fillRect(picture.rect(), wash);
    painter.setBrush(QColor(90, 200, 230));
    painter.drawEllipse(QRect(1200, 900, 1600, 1200));
    painter.end();
    picture.save(path, "JPEG", 90);
    return path;
}

// A generated collection in the scratch folder, made on first use.
inline QString makeCollection(const QString& name, const SampleSize& size, bool emptyTemplate = false)
{
    const QString path = scratch().filePath(name);
    if (QFileInfo::exists(path))
        return path;
    SpinoraDatabase document(path);
    document.setTemplateChoice(emptyTemplate);
    orAbort(document.readFromURL(path));
    orAbort(SampleCollection::fill(document, size));
    orAbort(document.close());
    return path;
}

} // namespace spinora::bench
