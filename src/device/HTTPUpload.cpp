#include "HTTPUpload.h"

#include "FileHelpers.h"
#include "Localization.h"
#include "MultipartBody.h"
#include "WorkFiles.h"

#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>
#include <QUuid>

namespace spinora {

HTTPUpload::HTTPUpload(QObject* parent) : QObject(parent), manager_(new QNetworkAccessManager(this))
{
    // The device is on the local network: a proxy configured for the web
    // would never reach it.
    manager_->setProxy(QNetworkProxy::NoProxy);
    idle_.setSingleShot(true);
    connect(&idle_, &QTimer::timeout, this, [this] {
        failWith(TransferError{QString::fromLatin1(kNetworkErrorDomain), QNetworkReply::TimeoutError,
                               localized("The request timed out.")});
    });
}

HTTPUpload::~HTTPUpload()
{
    if (running_)
        stopSendWithStatus("destroyed");
}

QString HTTPUpload::createBoundaryString()
{
    return QStringLiteral("Boundary-Spinora%1").arg(QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper());
}

QByteArray HTTPUpload::prefixData(const QString& boundary, const QString& fileName)
{
    return QStringLiteral("--%1\r\nContent-Disposition: form-data; name=\"file\"; filename=\"%2\"\r\n"
                          "Content-Type: application/octet-stream\r\n\r\n")
        .arg(boundary, fileName)
        .toLatin1();
}

QByteArray HTTPUpload::suffixData(const QString& boundary)
{
    return QStringLiteral("\r\n--%1\r\nContent-Disposition: form-data; name=\"button\"\r\n\r\nRestore/Import\r\n--%1--\r\n")
        .arg(boundary)
        .toLatin1();
}

void HTTPUpload::uploadToURL(const QString& address, const QString& inputFilename)
{
    if (running_)
        stopSendWithStatus("replaced");
    running_ = true;

    const QFileInfo info(inputFilename);
    const QString boundary = createBoundaryString();
    body_ = new MultipartBody(inputFilename, info.size(), prefixData(boundary, info.fileName()), suffixData(boundary), this);
    connect(body_, &MultipartBody::fileReadFailed, this, [this] {
        // Reported once the network layer has returned from its read.
        QTimer::singleShot(0, this, [this] {
            if (running_)
                failWithCode(kFileReadError, localized("File read error"));
        });
    });
    if (!info.isFile() || !body_->open(QIODevice::ReadOnly)) {
        QTimer::singleShot(0, this, [this] {
            if (running_)
                failWithCode(kFileReadError, localized("File read error"));
        });
        return;
    }
    const QUrl url(address, QUrl::StrictMode);
    if (!url.isValid() || url.scheme() != QLatin1String("http") || url.host().isEmpty()) {
        QTimer::singleShot(0, this, [this] {
            if (running_)
                failWithCode(kStreamOpenError, localized("Stream open error"));
        });
        return;
    }

    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("multipart/form-data; boundary=%1").arg(boundary));
    request.setHeader(QNetworkRequest::ContentLengthHeader, body_->bodyLength());
    // Content-Length is known, so the body can be streamed, never buffered.
    request.setAttribute(QNetworkRequest::DoNotBufferUploadDataAttribute, true);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    request.setAttribute(QNetworkRequest::Http2AllowedAttribute, false);
    reply_ = manager_->post(request, body_);
    connect(reply_, &QNetworkReply::uploadProgress, this, [this](qint64 sent, qint64 total) {
        if (!fromCurrentReply())
            return;
        idle_.start(timeoutMs_);
        // The network layer ends with a (0, 0) of its own: not progress.
        if (total > 0 && delegate_ && body_ && body_->bodyLength() > 0)
            delegate_->uploadProgressUpdate(float(sent) / float(body_->bodyLength()) * 100.0f);
    });
    connect(reply_, &QNetworkReply::downloadProgress, this, [this] {
        if (fromCurrentReply())
            idle_.start(timeoutMs_);
    });
    connect(reply_, &QNetworkReply::metaDataChanged, this, &HTTPUpload::onMetaData);
    connect(reply_, &QNetworkReply::finished, this, &HTTPUpload::onFinished);
    idle_.start(timeoutMs_);
}

void HTTPUpload::abortUpload()
{
    if (running_)
        stopSendWithStatus("aborted upload");
}

bool HTTPUpload::fromCurrentReply() const
{
    return reply_ && sender() == reply_;
}

void HTTPUpload::onMetaData()
{
    if (!fromCurrentReply())
        return;
    const QVariant status = reply_->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (!status.isValid())
        return;
    const int code = status.toInt();
    if (code < 200 || code > 299)
        failWithCode(kHttpError, localized("HTTP error %1").arg(code));
}

void HTTPUpload::onFinished()
{
    if (!fromCurrentReply())
        return;
    if (reply_->error() != QNetworkReply::NoError) {
        // A status outside 2xx reports as code 103 even when the network
        // layer calls it an error of its own.
        const QVariant status = reply_->attribute(QNetworkRequest::HttpStatusCodeAttribute);
        if (status.isValid() && (status.toInt() < 200 || status.toInt() > 299)) {
            failWithCode(kHttpError, localized("HTTP error %1").arg(status.toInt()));
            return;
        }
        if (body_ && body_->fileFailed()) {
            failWithCode(kFileReadError, localized("File read error"));
            return;
        }
        const TransferError error{QString::fromLatin1(kNetworkErrorDomain), reply_->error(), reply_->errorString()};
        stopSendWithStatus("Connection failed");
        if (delegate_)
            delegate_->uploadDidFailWithError(&error);
        return;
    }
    // A device that answers before it has taken the whole file did not get it.
    if (body_ && body_->totalBytesWritten() < body_->bodyLength()) {
        failWithCode(kNetworkWriteError, localized("Network write error"));
        return;
    }
    stopSendWithStatus("finished");
    if (delegate_)
        delegate_->uploadDidFinish();
}

void HTTPUpload::failWithCode(long long code, const QString& text)
{
    failWith(TransferError{QString::fromLatin1(kUploadErrorDomain), code, text});
}

void HTTPUpload::failWith(const TransferError& error)
{
    stopSendWithStatus("failed");
    if (delegate_)
        delegate_->uploadDidFailWithError(&error);
}

// Releases the connection, the body and its file, then deletes the export
// copy. `status` is for a reader of the code, not shown anywhere.
void HTTPUpload::stopSendWithStatus(const char* /*status*/)
{
    idle_.stop();
    running_ = false;
    QNetworkReply* reply = reply_;
    reply_ = nullptr;
    if (reply) {
        // Its signals still queued are told apart by their sender. It is not
        // disconnected here: Qt's network thread may be emitting one of its
        // signals, and would then free our connection itself, which the
        // thread sanitizer (blind to Qt's own locks) reports as a race. Its
        // connections go with it, on this thread.
        // Deleting a running reply stops its request. An abort() here would
        // race the error the network thread may already have queued for an
        // error status (Qt warns of an error reported twice).
        reply->deleteLater();
    }
    if (body_) {
        body_->disconnect(this);
        // The network layer may still read the body until the reply is
        // gone: it goes with the reply, not before.
        if (reply)
            body_->setParent(reply);
        else
            body_->deleteLater();
        body_ = nullptr;
    }
    // Every ending of an upload removes the export copy it sent.
    FileHelpers::removeFileIfExists(WorkFiles::exportDatabase());
}

} // namespace spinora
