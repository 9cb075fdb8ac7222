#pragma once

#include "TransferError.h"

#include <QByteArray>
#include <QFile>
#include <QObject>
#include <QPointer>
#include <QTimer>

class QNetworkAccessManager;
#include <QNetworkReply>

namespace spinora {

// Every method is optional: the defaults do nothing.
class HTTPDownloadDelegate {
public:
    virtual ~HTTPDownloadDelegate() = default;
    virtual void downloadDidFinish() {}
    // `error` is never null from HTTPDownload; a delegate copes with null anyway.
    virtual void downloadDidFailWithError(const TransferError* /*error*/) {}
    virtual void downloadProgressUpdate(double /*percent*/) {}
};

// Fetches one interchange file from the device by GET into the import
// database path ("temp_spinora_import.db" in the work folder), reporting
// progress in percent. The body is written to disk as it arrives; a download
// that fails or is aborted leaves no file behind.
class HTTPDownload : public QObject {
    Q_OBJECT
public:
    // Nothing a phone sends can be larger: a collection with thousands of
    // photos stays far below it, and a runaway peer cannot fill the disk.
    static constexpr qint64 kDefaultMaximumSize = qint64(2) << 30; // 2 GiB
    static constexpr int kDefaultTimeoutMs = 60000;

    explicit HTTPDownload(QObject* parent = nullptr);
    ~HTTPDownload() override;

    void setDelegate(HTTPDownloadDelegate* delegate) { delegate_ = delegate; }
    // Without activity for this long the download fails.
    void setTimeout(int milliseconds) { timeoutMs_ = milliseconds; }
    void setMaximumSize(qint64 bytes) { maximumSize_ = bytes; }
    // The network layer (one of its own by default); the fuzz target gives
    // one whose replies come from its input, without a socket.
    void setNetworkAccessManager(QNetworkAccessManager* manager) { manager_ = manager; }

    // Starts the GET and returns at once; an earlier download is dropped.
    void downloadURL(const QString& address);
    // Stops the download without a callback and removes what it wrote.
    void abortDownload();
    bool isDownloading() const { return reply_ != nullptr; }
    // Where the finished file is (the import database path).
    QString destination() const { return destination_; }
    qint64 bytesReceived() const { return bytesReceived_; }

private:
    // True in a slot called by the reply of the download under way (not by
    // one dropped before).
    bool fromCurrentReply() const;
    void onMetaData();
    void onReadyRead();
    void onFinished();
    void fail(const TransferError& error);
    void fail(long long code, const QString& description);
    void dropReply();
    void discardFile();

    QNetworkAccessManager* manager_;
    QPointer<QNetworkReply> reply_;
    HTTPDownloadDelegate* delegate_ = nullptr;
    QFile file_;
    QString destination_;
    QTimer idle_;
    QByteArray header_;
    qint64 bytesReceived_ = 0;
    qint64 expectedLength_ = -1;
    qint64 maximumSize_ = kDefaultMaximumSize;
    int timeoutMs_ = kDefaultTimeoutMs;
};

} // namespace spinora
