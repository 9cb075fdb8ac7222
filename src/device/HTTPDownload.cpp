#include "HTTPDownload.h"

#include "Localization.h"
#include "WorkFiles.h"

#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

#include <cstdio>

namespace spinora {

namespace {

// Every interchange file is a SQLite database and starts with these 16 bytes.
const QByteArray kSqliteHeader("SQLite format 3\0", 16);

// Bounds what the network layer holds before it is written to disk.
constexpr qint64 kReadBufferSize = 256 * 1024;

enum DownloadErrorCode : long long {
    kHttpStatusError = 103,
    kNotADatabase = 110,
    kTooLarge = 111,
    kWriteFailed = 112,
    kBadAddress = 113,
    kNoWorkFolder = 114,
};

} // namespace

HTTPDownload::HTTPDownload(QObject* parent) : QObject(parent), manager_(new QNetworkAccessManager(this))
{
    // The device is on the local network: a proxy configured for the web
    // would never reach it.
    manager_->setProxy(QNetworkProxy::NoProxy);
    idle_.setSingleShot(true);
    connect(&idle_, &QTimer::timeout, this, [this] {
        fail(TransferError{QString::fromLatin1(kNetworkErrorDomain), QNetworkReply::TimeoutError,
                           localized("The request timed out.")});
    });
}

HTTPDownload::~HTTPDownload()
{
    dropReply();
    discardFile();
}

void HTTPDownload::downloadURL(const QString& address)
{
    dropReply();
    discardFile();
    bytesReceived_ = 0;
    expectedLength_ = -1;
    header_.clear();

    const QUrl url(address, QUrl::StrictMode);
    if (!url.isValid() || url.scheme() != QLatin1String("http") || url.host().isEmpty()) {
        QTimer::singleShot(0, this, [this, address] {
            fail(kBadAddress, localized("Not a device address: %1").arg(address));
        });
        return;
    }
    destination_ = WorkFiles::getImportDatabaseName();
    if (destination_.isEmpty()) {
        QTimer::singleShot(0, this, [this] { fail(kNoWorkFolder, localized("No folder for temporary files.")); });
        return;
    }
    // Written beside the destination and renamed at the end, so a half
    // received file never stands where the import looks for one.
    file_.setFileName(destination_ + QStringLiteral(".part"));
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        const QString reason = file_.errorString();
        QTimer::singleShot(0, this, [this, reason] { fail(kWriteFailed, reason); });
        return;
    }

    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::Http2AllowedAttribute, false);
    reply_ = manager_->get(request);
    reply_->setReadBufferSize(kReadBufferSize);
    connect(reply_, &QNetworkReply::metaDataChanged, this, &HTTPDownload::onMetaData);
    connect(reply_, &QNetworkReply::readyRead, this, &HTTPDownload::onReadyRead);
    connect(reply_, &QNetworkReply::finished, this, &HTTPDownload::onFinished);
    idle_.start(timeoutMs_);
}

void HTTPDownload::abortDownload()
{
    dropReply();
    discardFile();
}

bool HTTPDownload::fromCurrentReply() const
{
    return reply_ && sender() == reply_;
}

void HTTPDownload::onMetaData()
{
    if (!fromCurrentReply())
        return;
    idle_.start(timeoutMs_);
    const QVariant status = reply_->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (!status.isValid())
        return;
    const int code = status.toInt();
    // An error page is not the file asked for.
    if (code < 200 || code > 299) {
        fail(kHttpStatusError, localized("HTTP error %1").arg(code));
        return;
    }
    const QVariant length = reply_->header(QNetworkRequest::ContentLengthHeader);
    expectedLength_ = length.isValid() ? length.toLongLong() : -1;
    if (expectedLength_ > maximumSize_) {
        fail(kTooLarge, localized("The file on the device is larger than %1 MB.").arg(maximumSize_ >> 20));
        return;
    }
    bytesReceived_ = 0;
}

void HTTPDownload::onReadyRead()
{
    // Also called by onFinished (for the last bytes), whose sender it sees.
    if (!fromCurrentReply())
        return;
    idle_.start(timeoutMs_);
    const QVariant status = reply_->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (status.isValid() && (status.toInt() < 200 || status.toInt() > 299))
        return; // onMetaData fails it
    const QByteArray data = reply_->readAll();
    if (data.isEmpty())
        return;
    if (header_.size() < kSqliteHeader.size()) {
        header_ += data.left(kSqliteHeader.size() - header_.size());
        if (!kSqliteHeader.startsWith(header_)) {
            fail(kNotADatabase, localized("The device did not send a Spinora database."));
            return;
        }
    }
    bytesReceived_ += data.size();
    if (bytesReceived_ > maximumSize_) {
        fail(kTooLarge, localized("The file on the device is larger than %1 MB.").arg(maximumSize_ >> 20));
        return;
    }
    if (file_.write(data) != data.size()) {
        fail(kWriteFailed, file_.errorString());
        return;
    }
    if (expectedLength_ > 0 && delegate_)
        delegate_->downloadProgressUpdate(float(bytesReceived_) / float(expectedLength_) * 100.0f);
}

void HTTPDownload::onFinished()
{
    if (!fromCurrentReply())
        return;
    if (reply_->error() != QNetworkReply::NoError) {
        fail(TransferError{QString::fromLatin1(kNetworkErrorDomain), reply_->error(), reply_->errorString()});
        return;
    }
    onReadyRead();
    if (!reply_)
        return;
    if (header_ != kSqliteHeader) {
        fail(kNotADatabase, localized("The device did not send a Spinora database."));
        return;
    }
    if (expectedLength_ >= 0 && bytesReceived_ != expectedLength_) {
        fail(TransferError{QString::fromLatin1(kNetworkErrorDomain), QNetworkReply::RemoteHostClosedError,
                           localized("The device closed the connection before the whole file had arrived.")});
        return;
    }
    const bool written = file_.flush();
    file_.close();
    if (!written || file_.error() != QFileDevice::NoError ||
        std::rename(QFile::encodeName(file_.fileName()).constData(), QFile::encodeName(destination_).constData()) != 0) {
        fail(kWriteFailed, localized("The downloaded file could not be written."));
        return;
    }
    file_.setFileName(QString());
    dropReply();
    if (delegate_)
        delegate_->downloadDidFinish();
}

void HTTPDownload::fail(long long code, const QString& description)
{
    fail(TransferError{QString::fromLatin1(kDownloadErrorDomain), code, description});
}

void HTTPDownload::fail(const TransferError& error)
{
    dropReply();
    discardFile();
    if (delegate_)
        delegate_->downloadDidFailWithError(&error);
}

void HTTPDownload::dropReply()
{
    idle_.stop();
    if (QNetworkReply* reply = reply_) {
        reply_ = nullptr;
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
}

void HTTPDownload::discardFile()
{
    // Only a download still under way owns its files; a finished one has
    // handed its file to the import.
    if (file_.fileName().isEmpty())
        return;
    if (file_.isOpen())
        file_.close();
    QFile::remove(file_.fileName());
    if (!destination_.isEmpty())
        QFile::remove(destination_);
    file_.setFileName(QString());
}

} // namespace spinora
