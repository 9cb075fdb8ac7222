#pragma once

#include "TransferError.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QTimer>

class QNetworkAccessManager;
#include <QNetworkReply>

namespace spinora {

class MultipartBody;

// Every method is optional: the defaults do nothing.
class HTTPUploadDelegate {
public:
    virtual ~HTTPUploadDelegate() = default;
    virtual void uploadDidFinish() {}
    // `error` is never null from HTTPUpload; a delegate copes with null anyway.
    virtual void uploadDidFailWithError(const TransferError* /*error*/) {}
    virtual void uploadProgressUpdate(double /*percent*/) {}
};

// Sends a file to the device as a multipart form POST, the body streamed
// from the file (MultipartBody). Every ending - finished, failed or aborted -
// releases everything and deletes the export copy.
class HTTPUpload : public QObject {
    Q_OBJECT
public:
    // The upload's own failures.
    enum ErrorCode : long long {
        kFileReadError = 100,
        kNetworkWriteError = 101,
        kStreamOpenError = 102,
        kHttpError = 103,
    };
    static constexpr int kDefaultTimeoutMs = 3000;

    explicit HTTPUpload(QObject* parent = nullptr);
    ~HTTPUpload() override;

    void setDelegate(HTTPUploadDelegate* delegate) { delegate_ = delegate; }
    // Without activity for this long the upload fails.
    void setTimeout(int milliseconds) { timeoutMs_ = milliseconds; }
    // The network layer (one of its own by default); the fuzz target gives
    // one whose replies come from its input, without a socket.
    void setNetworkAccessManager(QNetworkAccessManager* manager) { manager_ = manager; }

    // Starts the POST of the file to the address and returns at once.
    void uploadToURL(const QString& address, const QString& inputFilename);
    // Stops the upload without a callback (the export copy is still deleted).
    void abortUpload();
    bool isSending() const { return reply_ != nullptr; }

    // "Boundary-Spinora" and a new upper-case UUID, for every upload.
    static QString createBoundaryString();
    static QByteArray prefixData(const QString& boundary, const QString& fileName);
    static QByteArray suffixData(const QString& boundary);

private:
    // True in a slot called by the reply of the upload under way (not by
    // one dropped before).
    bool fromCurrentReply() const;
    void onMetaData();
    void onFinished();
    void failWithCode(long long code, const QString& text);
    void failWith(const TransferError& error);
    void stopSendWithStatus(const char* status);

    QNetworkAccessManager* manager_;
    QPointer<QNetworkReply> reply_;
    MultipartBody* body_ = nullptr;
    HTTPUploadDelegate* delegate_ = nullptr;
    QTimer idle_;
    int timeoutMs_ = kDefaultTimeoutMs;
    bool running_ = false;
};

} // namespace spinora
