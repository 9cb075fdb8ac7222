#include "DeviceTransfer.h"

#include "DeviceRules.h"
#include "ExportJob.h"
#include "FileHelpers.h"
#include "JobRunner.h"
#include "Localization.h"
#include "SpinoraDatabase.h"
#include "SpinoraUtility.h"
#include "WorkFiles.h"

namespace spinora {

DeviceTransfer::DeviceTransfer(QObject* parent) : QObject(parent)
{
    downloader_.setDelegate(this);
    uploader_.setDelegate(this);
    jobProgress_.setInterval(50);
    connect(&jobProgress_, &QTimer::timeout, this, &DeviceTransfer::followJob);
}

DeviceTransfer::~DeviceTransfer()
{
    downloader_.setDelegate(nullptr);
    uploader_.setDelegate(nullptr);
    downloader_.abortDownload();
    uploader_.abortUpload();
    // A job still running ends without anyone to tell; its result is dropped.
    if (job_)
        job_->cancel();
    if (phase_ != Phase::Idle)
        WorkFiles::unlock();
}

bool DeviceTransfer::documentIsOpen() const
{
    return document_ && SpinoraUtility::sharedManager().documents().isOpen(document_);
}

void DeviceTransfer::failLater(Outcome outcome, const QString& description)
{
    const TransferError error{QString::fromLatin1(kDownloadErrorDomain), 0, description};
    QTimer::singleShot(0, this, [this, outcome, error] { end(outcome, error); });
}

void DeviceTransfer::startImport(SpinoraDatabase* document, const QString& serverAddress, long long mode,
                                 int importOption)
{
    if (phase_ != Phase::Idle)
        return;
    document_ = document;
    importOption_ = importOption;
    jobError_.clear();
    jobWarnings_.clear();
    jobReport_.clear();
    phase_ = Phase::Downloading;
    if (!documentIsOpen()) {
        failLater(Outcome::DownloadFailed, localized("No collection is open."));
        return;
    }
    // The download lands in the work folder: no other transfer of this or
    // another process may be using it meanwhile.
    if (QString reason; !WorkFiles::lock(&reason)) {
        phase_ = Phase::Idle;
        failLater(Outcome::DownloadFailed, reason);
        return;
    }
    downloader_.downloadURL(importAddress(serverAddress, mode, importOption));
}

void DeviceTransfer::startExport(SpinoraDatabase* document, const QString& serverAddress)
{
    if (phase_ != Phase::Idle)
        return;
    document_ = document;
    server_ = serverAddress;
    jobError_.clear();
    jobWarnings_.clear();
    phase_ = Phase::Exporting;
    if (!documentIsOpen()) {
        phase_ = Phase::Idle;
        failLater(Outcome::UploadFailed, localized("No collection is open."));
        return;
    }
    if (QString reason; !WorkFiles::lock(&reason)) {
        phase_ = Phase::Idle;
        failLater(Outcome::UploadFailed, reason);
        return;
    }
    // The copy is written on a thread of its own; the upload starts when it
    // is complete. Its progress is not shown: the bar is the upload's.
    ExportRequest request = ExportJob::deviceCopy(*document);
    job_ = JobRunner::start<int>(
        this, [request = std::move(request)](JobContext& context) { return ExportJob::run(request, context); },
        [this](int& status) { copyWritten(status); }).context();
}

void DeviceTransfer::copyWritten(int status)
{
    jobError_ = job_ ? job_->error() : QString();
    job_.reset();
    if (status == kJobFinished) {
        phase_ = Phase::Uploading;
        uploader_.uploadToURL(server_, WorkFiles::exportDatabase());
        return;
    }
    FileHelpers::removeFileIfExists(WorkFiles::exportDatabase());
    WorkFiles::unlock();
    if (status == kJobCancelled) {
        end(Outcome::ExportCancelled);
        return;
    }
    end(Outcome::UploadFailed, TransferError{QString::fromLatin1(kDownloadErrorDomain), 0, jobError_});
}

void DeviceTransfer::cancel()
{
    switch (phase_) {
    case Phase::Downloading:
        downloader_.abortDownload();
        WorkFiles::unlock();
        phase_ = Phase::Idle;
        break;
    case Phase::Importing:
    case Phase::Exporting:
        // The job stops at its next check and then reports.
        if (job_)
            job_->cancel();
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
    jobProgress_.stop();
    emit finished(outcome, error);
}

void DeviceTransfer::downloadProgressUpdate(double percent)
{
    emit progressChanged(percent * 0.5);
}

void DeviceTransfer::downloadDidFinish()
{
    emit progressChanged(50);
    Result<ImportRequest> request = documentIsOpen()
                                        ? ImportJob::prepare(*document_, WorkFiles::importDatabase(), importOption_, true)
                                        : Result<ImportRequest>(Failure(localized("The collection was closed.")));
    if (!request) {
        // The collection was closed meanwhile, or cannot take an import.
        logFailure(request.failure());
        jobError_ = jobReport_ = request.failure().reason();
        FileHelpers::removeFileIfExists(downloader_.destination());
        WorkFiles::unlock();
        end(Outcome::ImportFailed);
        return;
    }
    // What the device sent is an interchange file, whatever its name here.
    request->sourceKind = ImportRequest::Source::InterchangeFile;
    request->loadAfterwards = loadAfterImport_;
    phase_ = Phase::Importing;
    auto context = std::make_shared<JobContext>();
    context->setProgressRange(50, 100);
    job_ = JobRunner::start<ImportJob::Outcome>(
        this, [request = std::move(*request)](JobContext& job) { return ImportJob::run(request, job); },
        [this](ImportJob::Outcome& result) { importEnded(result); }, context).context();
    shownProgress_ = 50;
    jobProgress_.start();
}

void DeviceTransfer::followJob()
{
    if (!job_ || job_->progress() <= shownProgress_)
        return;
    shownProgress_ = job_->progress();
    emit progressChanged(shownProgress_);
}

void DeviceTransfer::importEnded(ImportJob::Outcome& result)
{
    followJob();
    job_.reset();
    // The job is done with the file and the work folder.
    FileHelpers::removeFileIfExists(WorkFiles::importDatabase());
    WorkFiles::unlock();
    if (documentIsOpen())
        ImportJob::adopt(*document_, result);
    // After adopt, which may take back an import it cannot read again.
    jobError_ = result.error;
    jobWarnings_ = result.warnings;
    jobReport_ = ImportJob::report(result, kShownWarnings);
    if (result.status == kJobFinished)
        emit progressChanged(100);
    end(result.status == kJobFinished    ? Outcome::ImportComplete
        : result.status == kJobCancelled ? Outcome::ImportCancelled
                                         : Outcome::ImportFailed);
}

void DeviceTransfer::downloadDidFailWithError(const TransferError* error)
{
    WorkFiles::unlock();
    end(Outcome::DownloadFailed, error ? std::optional<TransferError>(*error) : std::nullopt);
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
