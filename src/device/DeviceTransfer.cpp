#include "DeviceTransfer.h"

#include "DeviceRules.h"
#include "ExchangeRelay.h"
#include "InternalError.h"
#include "Localization.h"
#include "SpinoraUtility.h"
#include "WorkFiles.h"

#include <QTimer>

namespace spinora {

DeviceTransfer::DeviceTransfer(QObject* parent) : QObject(parent)
{
    downloader_.setDelegate(this);
    uploader_.setDelegate(this);
}

DeviceTransfer::~DeviceTransfer()
{
    downloader_.setDelegate(nullptr);
    uploader_.setDelegate(nullptr);
    downloader_.abortDownload();
    uploader_.abortUpload();
    SpinoraUtility& utility = SpinoraUtility::sharedManager();
    if (utility.deviceBrowser() == this)
        utility.registerDeviceBrowser(nullptr);
}

void DeviceTransfer::failLater(Outcome outcome, const QString& description)
{
    const TransferError error{QString::fromLatin1(kDownloadErrorDomain), 0, description};
    QTimer::singleShot(0, this, [this, outcome, error] { end(outcome, error); });
}

void DeviceTransfer::startImport(const QString& serverAddress, long long mode, int importOption)
{
    if (phase_ != Phase::Idle)
        return;
    importOption_ = importOption;
    phase_ = Phase::Downloading;
    // The download lands in the work folder: no other job of this or another
    // process may be using it meanwhile. The import takes the lock over.
    if (!SpinoraUtility::sharedManager().mainDocument()) {
        failLater(Outcome::DownloadFailed, localized("No collection is open."));
        return;
    }
    if (QString reason; !WorkFiles::lock(&reason)) {
        failLater(Outcome::DownloadFailed, reason);
        return;
    }
    downloader_.downloadURL(importAddress(serverAddress, mode, importOption));
    SpinoraUtility::sharedManager().registerDeviceBrowser(this);
}

void DeviceTransfer::startExport(const QString& serverAddress)
{
    if (phase_ != Phase::Idle)
        return;
    phase_ = Phase::Uploading;
    if (!SpinoraUtility::sharedManager().mainDocument()) {
        failLater(Outcome::UploadFailed, localized("No collection is open."));
        return;
    }
    if (QString reason; !WorkFiles::lock(&reason)) {
        failLater(Outcome::UploadFailed, reason);
        return;
    }
    QString copy;
    try {
        copy = ExchangeRelay::prepareDatabaseForExport(this);
    } catch (const InternalError& error) {
        logInternalError(error);
        ExchangeRelay::cleanupAfterExport();
        WorkFiles::unlock();
        failLater(Outcome::UploadFailed, error.message());
        return;
    }
    uploader_.uploadToURL(serverAddress, copy);
}

void DeviceTransfer::cancel()
{
    switch (phase_) {
    case Phase::Downloading:
        downloader_.abortDownload();
        WorkFiles::unlock();
        SpinoraUtility::sharedManager().abortDatabaseImport();
        phase_ = Phase::Idle;
        break;
    case Phase::Importing:
        // The import stops at its next row and reports status 1.
        SpinoraUtility::sharedManager().abortDatabaseImport();
        break;
    case Phase::Uploading:
        uploader_.abortUpload();
        WorkFiles::unlock();
        phase_ = Phase::Idle;
        break;
    case Phase::Idle: break;
    }
}

void DeviceTransfer::end(Outcome outcome, const std::optional<TransferError>& error)
{
    phase_ = Phase::Idle;
    emit finished(outcome, error);
}

void DeviceTransfer::downloadProgressUpdate(double percent)
{
    emit progressChanged(percent * 0.5);
}

void DeviceTransfer::downloadDidFinish()
{
    emit progressChanged(50);
    if (!SpinoraUtility::sharedManager().mainDocument()) {
        // The collection was closed meanwhile: nothing to import into.
        SpinoraUtility::removeFileIfExists(downloader_.destination());
        WorkFiles::unlock();
        end(Outcome::ImportFailed);
        return;
    }
    phase_ = Phase::Importing;
    ExchangeRelay::prepareForDatabaseImport(importOption_, this);
}

void DeviceTransfer::downloadDidFailWithError(const TransferError* error)
{
    WorkFiles::unlock();
    end(Outcome::DownloadFailed, error ? std::optional<TransferError>(*error) : std::nullopt);
}

void DeviceTransfer::importProgressUpdate(double percent)
{
    // From the import's thread: the display is the main thread's.
    QMetaObject::invokeMethod(this, [this, percent] { emit progressChanged(50 + percent * 0.5); }, Qt::QueuedConnection);
}

void DeviceTransfer::importDidFinish(int status)
{
    if (phase_ != Phase::Importing)
        return;
    // The import gave up the lock it adopted; the export half is still ours.
    WorkFiles::unlock();
    end(status == kJobFinished ? Outcome::ImportComplete
                               : status == kJobCancelled ? Outcome::ImportCancelled : Outcome::ImportFailed);
}

void DeviceTransfer::uploadProgressUpdate(double percent)
{
    emit progressChanged(percent);
}

void DeviceTransfer::uploadDidFinish()
{
    WorkFiles::unlock();
    emit progressChanged(100);
    end(Outcome::UploadFinished);
}

void DeviceTransfer::uploadDidFailWithError(const TransferError* error)
{
    WorkFiles::unlock();
    end(Outcome::UploadFailed, error ? std::optional<TransferError>(*error) : std::nullopt);
}

} // namespace spinora
