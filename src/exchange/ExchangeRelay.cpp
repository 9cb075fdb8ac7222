#include "ExchangeRelay.h"

#include "AppInfo.h"
#include "CsvExport.h"
#include "CsvImport.h"
#include "Image.h"
#include "ReportExport.h"
#include "InterchangeExport.h"
#include "InterchangeImport.h"
#include "PackageCommit.h"
#include "SpinoraDatabase.h"
#include "SpinoraUtility.h"
#include "WorkFiles.h"

#include <QDir>
#include <QFileInfo>

#include <unistd.h>

namespace spinora {

namespace {

SpinoraDatabase* mainDocument()
{
    return SpinoraUtility::sharedManager().mainDocument();
}

// A fresh, empty "temp_import_photos": photos of an earlier import under the
// same keys must never be taken for this file's.
QString freshImportPhotos()
{
    const QString folder = WorkFiles::importPhotos();
    SpinoraUtility::removeFileIfExists(folder);
    QDir().mkpath(folder);
    return folder;
}

bool copyIncoming(const QString& source)
{
    const QString target = WorkFiles::importDatabase();
    if (QFileInfo(source).canonicalFilePath() == QFileInfo(target).canonicalFilePath())
        return true;
    return SpinoraUtility::copyFileFrom(source, target, SpinoraUtility::Durability::Fast);
}

// The photos of another package are linked (or copied) into the work folder,
// so that restoring a photo from its blob never writes into that package.
void gatherPackagePhotos(const QString& package, const QString& folder)
{
    const QStringList files = QDir(package).entryList({QStringLiteral("*.jpg")}, QDir::Files);
    for (const QString& file : files) {
        if (!PackageCommit::isPhotoFileName(file))
            continue;
        const QString from = package + QLatin1Char('/') + file;
        const QString to = folder + QLatin1Char('/') + file;
        // A hard link of a symbolic link is the link itself, which the import
        // then refuses to follow out of the package. Across file systems the
        // fallback must behave alike: a link is made again as the same link,
        // and a copy never reads more than a photo's cap.
        const QByteArray fromName = QFile::encodeName(from);
        const QByteArray toName = QFile::encodeName(to);
        if (::link(fromName.constData(), toName.constData()) == 0)
            continue;
        char linkTarget[4096];
        const ssize_t length = ::readlink(fromName.constData(), linkTarget, sizeof linkTarget - 1);
        if (length >= 0) {
            linkTarget[length] = '\0';
            // Where even that fails the photo arrives without its picture,
            // as one whose file is missing does.
            [[maybe_unused]] const int made = ::symlink(linkTarget, toName.constData());
            continue;
        }
        const QByteArray bytes = Image::readPictureFile(from, package);
        if (!bytes.isEmpty())
            SpinoraUtility::writeFile(to, bytes, SpinoraUtility::Durability::Fast);
    }
}

} // namespace

bool ExchangeRelay::isCsvFile(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix();
    return suffix == QLatin1String("csv") || suffix == QLatin1String("CSV");
}

ExportJob::Refusal ExchangeRelay::checkExportDestination(const QString& path, bool overwriteAllowed)
{
    const bool file = isCsvFile(path) || InterchangeExport::isInterchangeFile(path);
    return ExportJob::checkDestination(path, file ? ExportJob::Destination::File : ExportJob::Destination::Package,
                                       overwriteAllowed);
}

ExportJob::Refusal ExchangeRelay::checkReportDestination(const QString& folder, const QString& fileName,
                                                         bool overwriteAllowed)
{
    const QString name = QFileInfo(fileName.isEmpty() ? QStringLiteral("spinora_report.html") : fileName).fileName();
    if (auto refusal = ExportJob::checkDestination(folder + QLatin1Char('/') + ReportExport::pageFileName(name),
                                                   ExportJob::Destination::File, overwriteAllowed))
        return refusal;
    // The photo folder is replaced whole; a file in its place only with leave.
    const QString photos = folder + QLatin1Char('/') + ReportExport::photoFolderName(name);
    const QFileInfo info(photos);
    if ((info.exists() || info.isSymLink()) && !overwriteAllowed)
        return {QStringLiteral("%1 already exists and was not replaced.").arg(QDir::toNativeSeparators(photos)), true};
    return {};
}

void ExchangeRelay::exportLocalDatabase(const QString& path, int exportType, TransferObserver* sheet,
                                        bool overwriteAllowed)
{
    SpinoraUtility::sharedManager().registerImportExportBrowser(sheet);
    SpinoraDatabase* document = mainDocument();
    if (!document)
        return;
    if (const auto refusal = checkExportDestination(path, overwriteAllowed)) {
        ExportJob::failBeforeStart(*document, refusal.reason);
        return;
    }
    if (isCsvFile(path))
        CsvExport::exportCSVDatabase(*document, path, exportType);
    else
        InterchangeExport::exportDatabase(*document, path, exportType);
}

void ExchangeRelay::exportReport(const QString& folder, const QString& fileName, int photoSize, TransferObserver* sheet,
                                 bool overwriteAllowed)
{
    SpinoraUtility::sharedManager().registerExportReportBrowser(sheet);
    SpinoraDatabase* document = mainDocument();
    if (!document)
        return;
    if (const auto refusal = checkReportDestination(folder, fileName, overwriteAllowed)) {
        ExportJob::failBeforeStart(*document, refusal.reason);
        return;
    }
    ReportExport::exportReport(*document, folder, fileName, photoSize);
}

void ExchangeRelay::importLocalDatabase(const QString& path, int importType, TransferObserver* sheet)
{
    SpinoraUtility::sharedManager().registerImportExportBrowser(sheet);
    SpinoraDatabase* document = mainDocument();
    if (!document)
        return;
    document->setJobError(QString());
    // Refused before anything is copied into the work folder: a running job's
    // files there stay as they are.
    QString reason;
    if (!WorkFiles::lock(document, &reason)) {
        InterchangeImport::failBeforeStart(*document, reason);
        return;
    }
    if (!document->holdsPackageLock()) {
        InterchangeImport::failBeforeStart(
            *document, QStringLiteral("The collection was opened read-only, so nothing can be imported into it."));
        return;
    }
    if (isCsvFile(path)) {
        document->setImportExportFilename(QString());
        CsvImport::importCSVDatabase(*document, path, importType);
        return;
    }
    const bool interchangeFile = InterchangeExport::isInterchangeFile(path);
    const QString incoming =
        interchangeFile ? path : path + QLatin1Char('/') + QString::fromUtf8(kDatabaseFileName);
    if (!QFileInfo(incoming).isFile() || !copyIncoming(incoming)) {
        InterchangeImport::failBeforeStart(
            *document, QStringLiteral("%1 could not be read.").arg(QDir::toNativeSeparators(incoming)));
        return;
    }
    const QString photos = freshImportPhotos();
    if (!interchangeFile)
        gatherPackagePhotos(path, photos);
    document->setImportExportFilename(photos);
    InterchangeImport::prepareForDatabaseImport(*document, importType, false);
}

QString ExchangeRelay::prepareDatabaseForExport(TransferObserver* device)
{
    SpinoraUtility::sharedManager().registerDeviceBrowser(device);
    SpinoraDatabase* document = mainDocument();
    if (!document)
        return {};
    document->setExportAborted(false);
    return InterchangeExport::prepareDatabaseForExport(*document, true);
}

void ExchangeRelay::cleanupAfterExport()
{
    if (SpinoraDatabase* document = mainDocument())
        InterchangeExport::cleanupAfterExport(*document);
}

void ExchangeRelay::prepareForDatabaseImport(int importType, TransferObserver* device)
{
    SpinoraUtility::sharedManager().registerDeviceBrowser(device);
    SpinoraDatabase* document = mainDocument();
    if (!document)
        return;
    QString reason;
    if (!WorkFiles::lock(document, &reason)) {
        InterchangeImport::failBeforeStart(*document, reason);
        return;
    }
    document->setImportExportFilename(freshImportPhotos());
    InterchangeImport::prepareForDatabaseImport(*document, importType, true);
}

} // namespace spinora
