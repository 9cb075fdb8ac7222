#pragma once

#include "HTTPDownload.h"
#include "HTTPUpload.h"
#include "ImportJob.h"
#include "JobContext.h"

#include <QObject>
#include <QTimer>

#include <memory>
#include <optional>

namespace spinora {

class SpinoraDatabase;

// One exchange with a device, as the Import and Export buttons start it:
// fetch a file and import it into a collection, or write the export copy and
// send it. The HTTP transfers run on the main thread's event loop; the import
// and the export copy are jobs on a thread of their own (see JobRunner.h).
// Progress runs 0-50 for the download and 50-100 for the import, 0-100 for an
// upload. Used by the device dialog and by spinora-cli.
class DeviceTransfer : public QObject, public HTTPDownloadDelegate, public HTTPUploadDelegate {
    Q_OBJECT
public:
    enum class Outcome {
        ImportComplete,  // the import finished (status 0)
        ImportCancelled, // cancelled: nothing to tell the user
        ImportFailed,    // the import failed (status 2); nothing changed
        DownloadFailed,  // no import was started
        ExportCancelled, // cancelled while the copy was written: nothing was sent
        UploadFinished,
        UploadFailed,
    };
    enum class Phase { Idle, Downloading, Importing, Exporting, Uploading };

    explicit DeviceTransfer(QObject* parent = nullptr);
    ~DeviceTransfer() override;

    // Fetches the file that fits the device's mode and the import option
    // from the server address ("http://host:port") and imports it into the
    // collection (a complete import replaces it).
    void startImport(SpinoraDatabase* document, const QString& serverAddress, long long mode, int importOption);
    // Writes the export copy of the collection and POSTs it to the address.
    void startExport(SpinoraDatabase* document, const QString& serverAddress);
    // Stops what runs. A cancelled download or upload ends at once with no
    // outcome; a cancelled import or copy ends with ImportCancelled or
    // ExportCancelled once its job has stopped.
    void cancel();
    // The collection read again after an import, for a window (on by default).
    void setLoadAfterImport(bool load) { loadAfterImport_ = load; }

    Phase phase() const { return phase_; }
    // Why the last import or copy failed, and what a finished import left out.
    const QString& jobError() const { return jobError_; }
    const QStringList& jobWarnings() const { return jobWarnings_; }
    // What the user reads about the last import below its alert's fixed
    // text (ImportJob::report): the reason, or the counts and warnings.
    const QString& importReport() const { return jobReport_; }
    static constexpr int kShownWarnings = 20;
    HTTPDownload& downloader() { return downloader_; }
    HTTPUpload& uploader() { return uploader_; }

signals:
    void progressChanged(double percent);
    // Once per transfer, except after a cancel of a download or an upload.
    // `error` is set for DownloadFailed and UploadFailed.
    void finished(spinora::DeviceTransfer::Outcome outcome, const std::optional<spinora::TransferError>& error);

private:
    void downloadDidFinish() override;
    void downloadDidFailWithError(const TransferError* error) override;
    void downloadProgressUpdate(double percent) override;
    void uploadDidFinish() override;
    void uploadDidFailWithError(const TransferError* error) override;
    void uploadProgressUpdate(double percent) override;

    void importEnded(ImportJob::Outcome& result);
    void copyWritten(int status);
    void end(Outcome outcome, const std::optional<TransferError>& error = std::nullopt);
    void failLater(Outcome outcome, const QString& description);
    // The job's progress, read a few times a second while it runs.
    void followJob();
    bool documentIsOpen() const;

    HTTPDownload downloader_;
    HTTPUpload uploader_;
    Phase phase_ = Phase::Idle;
    SpinoraDatabase* document_ = nullptr;
    QString server_;
    int importOption_ = 0;
    bool loadAfterImport_ = true;
    std::shared_ptr<JobContext> job_;
    QTimer jobProgress_;
    double shownProgress_ = -1;
    QString jobError_;
    QStringList jobWarnings_;
    QString jobReport_;
};

} // namespace spinora
