#include "SpinoraUtility.h"

#include "AppInfo.h"
#include "SpinoraDatabase.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

namespace spinora {

SpinoraUtility& SpinoraUtility::sharedManager()
{
    static SpinoraUtility instance;
    return instance;
}

bool SpinoraUtility::removeFileIfExists(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return true;
    if (info.isDir() && !info.isSymLink())
        return QDir(path).removeRecursively();
    return QFile::remove(path);
}

namespace {

// Writes what `fill` produces to a file beside the destination and renames it
// over the destination, so a failed write leaves an existing file as it was.
template <class Fill>
bool replaceFile(const QString& destination, SpinoraUtility::Durability durability, Fill fill)
{
    if (QFileInfo(destination).isDir() && !SpinoraUtility::removeFileIfExists(destination))
        return false;
    const QString partial = destination + QStringLiteral(".part");
    QFile out(partial);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    bool ok = fill(out) && out.flush();
    if (ok && durability == SpinoraUtility::Durability::Durable)
        ok = ::fsync(out.handle()) == 0;
    out.close();
    ok = ok && out.error() == QFileDevice::NoError &&
         std::rename(QFile::encodeName(partial).constData(), QFile::encodeName(destination).constData()) == 0;
    if (!ok)
        QFile::remove(partial);
    return ok;
}

} // namespace

bool SpinoraUtility::copyFileFrom(const QString& source, const QString& destination, Durability durability)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    return replaceFile(destination, durability, [&in](QFile& out) {
        constexpr qint64 kChunk = 1 << 20;
        while (!in.atEnd()) {
            const QByteArray chunk = in.read(kChunk);
            if (chunk.isEmpty() && in.error() != QFileDevice::NoError)
                return false;
            if (out.write(chunk) != chunk.size())
                return false;
        }
        return true;
    });
}

bool SpinoraUtility::writeFile(const QString& path, const QByteArray& data, Durability durability)
{
    return replaceFile(path, durability, [&data](QFile& out) { return out.write(data) == data.size(); });
}

void SpinoraUtility::syncFileSystem(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    if (fd < 0)
        return;
    ::syncfs(fd);
    ::close(fd);
}

bool SpinoraUtility::moveFileFrom(const QString& source, const QString& destination)
{
    if (!QFileInfo::exists(source))
        return false;
    if (QFileInfo(destination).isDir() && !removeFileIfExists(destination))
        return false;
    // rename() replaces an existing file atomically on the same file system.
    if (std::rename(QFile::encodeName(source).constData(), QFile::encodeName(destination).constData()) == 0)
        return true;
    if (QFileInfo(source).isDir())
        return copyFolder(source, destination) && QDir(source).removeRecursively();
    return copyFileFrom(source, destination, Durability::Fast) && QFile::remove(source);
}

bool SpinoraUtility::copyFolder(const QString& source, const QString& destination)
{
    const QDir from(source);
    if (!from.exists() || QFileInfo::exists(destination))
        return false;
    if (!QDir().mkdir(destination))
        return false;
    QDirIterator it(source, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString target = destination + QLatin1Char('/') + from.relativeFilePath(path);
        const bool ok = it.fileInfo().isDir() ? QDir().mkpath(target) : copyFileFrom(path, target, Durability::Fast);
        if (!ok)
            return false;
    }
    return true;
}

QString SpinoraUtility::workFolder()
{
    const QString caches = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (caches.isEmpty())
        return {};
    const QString folder = caches + QLatin1Char('/') + QString::fromUtf8(kApplicationIdentifier);
    QDir().mkpath(folder);
    return folder;
}

QString SpinoraUtility::getImportDatabaseName()
{
    const QString folder = workFolder();
    if (folder.isEmpty())
        return {};
    const QString path = folder + QStringLiteral("/temp_spinora_import.db");
    removeFileIfExists(path);
    return path;
}

void SpinoraUtility::registerImportExportBrowser(TransferObserver* sheet)
{
    importExportBrowser_ = sheet;
    exportReportBrowser_ = nullptr;
    deviceBrowser_ = nullptr;
}

void SpinoraUtility::registerExportReportBrowser(TransferObserver* sheet)
{
    exportReportBrowser_ = sheet;
    importExportBrowser_ = nullptr;
    deviceBrowser_ = nullptr;
}

void SpinoraUtility::registerDeviceBrowser(TransferObserver* device)
{
    deviceBrowser_ = device;
    importExportBrowser_ = nullptr;
    exportReportBrowser_ = nullptr;
}

void SpinoraUtility::importProgressUpdate(double percent)
{
    if (TransferObserver* device = deviceBrowser_.load())
        device->importProgressUpdate(percent);
    if (TransferObserver* sheet = importExportBrowser_.load())
        sheet->progressUpdate(percent);
}

void SpinoraUtility::exportProgressUpdate(double percent)
{
    if (TransferObserver* sheet = importExportBrowser_.load())
        sheet->progressUpdate(percent);
    if (TransferObserver* report = exportReportBrowser_.load())
        report->progressUpdate(percent);
}

void SpinoraUtility::reportDatabaseImportComplete(int status)
{
    if (TransferObserver* device = deviceBrowser_.exchange(nullptr))
        device->importDidFinish(status);
    if (TransferObserver* sheet = importExportBrowser_.exchange(nullptr))
        sheet->importDidFinish(status);
}

void SpinoraUtility::reportDatabaseExportComplete(int status)
{
    if (TransferObserver* sheet = importExportBrowser_.exchange(nullptr))
        sheet->exportDidFinish(status);
    if (TransferObserver* report = exportReportBrowser_.exchange(nullptr))
        report->exportDidFinish(status);
}

void SpinoraUtility::abortDatabaseImport()
{
    if (SpinoraDatabase* document = mainDocument())
        document->abortDatabaseImport();
}

void SpinoraUtility::abortDatabaseExport()
{
    if (SpinoraDatabase* document = mainDocument())
        document->abortDatabaseExport();
}

void SpinoraUtility::cancelImportExport()
{
    for (TransferObserver* observer : {deviceBrowser_.load(), importExportBrowser_.load(), exportReportBrowser_.load()}) {
        if (observer)
            observer->cancelButtonPressed();
    }
}

} // namespace spinora
