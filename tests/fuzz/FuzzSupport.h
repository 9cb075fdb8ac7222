#pragma once

// What the fuzz targets share: the Qt application, a scratch folder that
// also holds the program's work and settings folders (a run writes nothing
// elsewhere), and a collection made once from the template.
#include "ImportJob.h"
#include "Resources.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

namespace spinora::fuzz {

inline const QString& scratch()
{
    // In memory where there is /dev/shm: SQLite's syncs then cost nothing.
    static QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm/spinora-fuzz-XXXXXX")
                                                                        : QDir::tempPath() + "/spinora-fuzz-XXXXXX");
    static const QString path = [] {
        for (const char* name : {"HOME", "XDG_CACHE_HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME"})
            qputenv(name, dir.path().toUtf8());
        static int argc = 1;
        static char* argv[] = {const_cast<char*>("spinora-fuzz"), nullptr};
        static QCoreApplication app(argc, argv);
        return dir.path();
    }();
    return path;
}

inline QByteArray bytes(const uint8_t* data, size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

inline QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline QString writeFile(const QString& name, const QByteArray& data)
{
    QFile file(scratch() + QLatin1Char('/') + name);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(data) != data.size())
        qFatal("cannot write %s", qPrintable(file.fileName()));
    return file.fileName();
}

// Imports the input, as the file `name`, into a collection made once from
// the template and put back before each input. The input's size picks the
// import type and whether a complete import of an interchange file replaces
// the collection (the device's restore). A failed import must say why and
// leave the collection's database as it was.
inline void importIntoScratch(const uint8_t* data, size_t size, const QString& name, ImportRequest::Source kind)
{
    static const QString package = scratch() + QStringLiteral("/Scratch.sdb");
    static const QByteArray pristine = [] {
        SpinoraDatabase document(package);
        if (Result<> opened = document.readFromURL(package); !opened)
            qFatal("no scratch collection: %s", qPrintable(opened.failure().reason()));
        if (!document.close())
            qFatal("the scratch collection could not be closed");
        return readAll(package + "/spinora.db");
    }();
    QDir(package).removeRecursively();
    QDir().mkpath(package);
    writeFile(QStringLiteral("Scratch.sdb/spinora.db"), pristine);
    const ImportRequest request{package, writeFile(name, bytes(data, size)), kind, static_cast<ExchangeType>(size % 4),
                                kind == ImportRequest::Source::InterchangeFile && size % 8 == 0,
                                Resources::path(QStringLiteral("spinoradb.sdbi")), true, {}, {}};
    JobContext context;
    const ImportJob::Outcome result = ImportJob::run(request, context);
    if (result.status != kJobFinished && (result.error.isEmpty() || readAll(package + "/spinora.db") != pristine))
        qFatal("a failed import changed the collection or gave no reason: %s", qPrintable(result.error));
}

} // namespace spinora::fuzz
