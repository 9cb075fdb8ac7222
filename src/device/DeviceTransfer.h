#pragma once

#include "HTTPDownload.h"
#include "HTTPUpload.h"
#include "TransferObserver.h"

#include <QObject>

#include <optional>

namespace spinora {

// One exchange with a device, as the Import and Export buttons start it:
// fetch a file and hand it to the interchange import, or write the export
// copy and send it. Progress runs 0-50 for the download and 50-100 for the
// import, 0-100 for an upload. Used by the device dialog and by spinora-cli.
class DeviceTransfer : public QObject,
                       public HTTPDownloadDelegate,
                       public HTTPUploadDelegate,
                       public TransferObserver {
    Q_OBJECT
public:
    enum class Outcome {
        ImportComplete,  // the import finished (status 0)
        ImportCancelled, // cancelled: nothing to tell the user
        ImportFailed,    // the import failed (status 2); nothing changed
        DownloadFailed,  // no import was started
        UploadFinished,
        UploadFailed,
    };
    enum class Phase { Idle, Downloading, Importing, Uploading };

    explicit DeviceTransfer(QObject* parent = nullptr);
    ~DeviceTransfer() override;

    // Fetches the file that fits the device's mode and the import option
    // from the server address ("http://host:port") and imports it into the
    // main document.
    void startImport(const QString& serverAddress, long long mode, int importOption);
    // Writes the export copy of the main document and POSTs it to the address.
    void startExport(const QString& serverAddress);
    // Stops what runs. A cancelled download or upload ends with no outcome;
    // a cancelled import ends with ImportCancelled once the import stops.
    void cancel();

    Phase phase() const { return phase_; }
    HTTPDownload& downloader() { return downloader_; }
    HTTPUpload& uploader() { return uploader_; }

    // TransferObserver: the import's progress (any thread) and result.
    void importProgressUpdate(double percent) override;
    void importDidFinish(int status) override;
    // The shell's cancel command.
    void cancelButtonPressed() override { emit cancelRequested(); }

signals:
    void progressChanged(double percent);
    // Once per transfer, except after a cancel of a download or an upload.
    // `error` is set for DownloadFailed and UploadFailed.
    void finished(spinora::DeviceTransfer::Outcome outcome, const std::optional<spinora::TransferError>& error);
    void cancelRequested();

private:
    void downloadDidFinish() override;
    void downloadDidFailWithError(const TransferError* error) override;
    void downloadProgressUpdate(double percent) override;
    void uploadDidFinish() override;
    void uploadDidFailWithError(const TransferError* error) override;
    void uploadProgressUpdate(double percent) override;

    void end(Outcome outcome, const std::optional<TransferError>& error = std::nullopt);
    void failLater(Outcome outcome, const QString& description);

    HTTPDownload downloader_;
    HTTPUpload uploader_;
    Phase phase_ = Phase::Idle;
    int importOption_ = 0;
};

} // namespace spinora
