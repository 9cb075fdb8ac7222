// libFuzzer target for what the device answers a download or an upload,
// handed over as the network layer would (no socket). The input: two bytes
// of status (none below 100), a byte of flags (1: an upload, else a
// download; 2: the connection breaks at the end; 4: the device answers an
// upload after one piece of it; the rest: the size of the pieces), the
// Content-Length text up to a newline (none without one), then the body.
// A transfer ends exactly once; a finished download holds the body.
#include "FuzzSupport.h"
#include "HTTPDownload.h"
#include "HTTPUpload.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTimer>

namespace {

using namespace spinora;

struct Answer {
    int status, flags, piece;
    std::optional<QByteArray> length;
    QByteArray body;
};

// Reads what is sent in pieces, then plays the answer out on the event loop.
class Reply : public QNetworkReply {
public:
    Reply(QObject* parent, const QNetworkRequest& request, QIODevice* sent, const Answer& a) : QNetworkReply(parent)
    {
        setRequest(request);
        open(ReadOnly);
        QTimer::singleShot(0, this, [=, this] {
            while (sent && !sent->atEnd() && !sent->read(a.piece).isEmpty() && !(a.flags & 4)) {
            }
            if (a.status >= 100)
                setAttribute(QNetworkRequest::HttpStatusCodeAttribute, a.status);
            if (a.length)
                setRawHeader("Content-Length", *a.length);
            emit metaDataChanged();
            for (qsizetype at = 0; at < a.body.size(); at += a.piece) {
                pending_ += a.body.mid(at, a.piece);
                emit readyRead();
            }
            if (a.flags & 2)
                setError(RemoteHostClosedError, QStringLiteral("closed"));
            setFinished(true);
            emit finished();
        });
    }
    void abort() override {}
    qint64 bytesAvailable() const override { return pending_.size() + QNetworkReply::bytesAvailable(); }

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        const qint64 n = std::min<qint64>(maxSize, pending_.size());
        memcpy(data, pending_.constData(), size_t(n));
        pending_.remove(0, n);
        return n;
    }
    QByteArray pending_;
};

struct Device : QNetworkAccessManager {
    Answer answer;
    QNetworkReply* createRequest(Operation, const QNetworkRequest& request, QIODevice* sent) override
    {
        return new Reply(this, request, sent, answer);
    }
};

struct Ending : HTTPDownloadDelegate, HTTPUploadDelegate {
    int count = 0;
    bool downloaded = false;
    void downloadDidFinish() override { ++count, downloaded = true; }
    void downloadDidFailWithError(const TransferError*) override { ++count; }
    void uploadDidFinish() override { ++count; }
    void uploadDidFailWithError(const TransferError*) override { ++count; }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::scratch();
    if (size < 3)
        return 0;
    const QByteArray rest = fuzz::bytes(data + 3, size - 3);
    const qsizetype newline = rest.indexOf('\n');
    Device device;
    device.answer = {(data[0] << 8 | data[1]) % 600, data[2], (data[2] >> 3) * 37 + 1,
                     newline < 0 ? std::nullopt : std::optional(rest.left(newline)), rest.mid(newline + 1)};
    Ending ending;
    HTTPDownload download;
    HTTPUpload upload;
    download.setDelegate(&ending);
    upload.setDelegate(&ending);
    download.setNetworkAccessManager(&device);
    upload.setNetworkAccessManager(&device);
    if (data[2] & 1)
        upload.uploadToURL(QStringLiteral("http://device.invalid:80"), fuzz::writeFile("up.sdbi", device.answer.body));
    else
        download.downloadURL(QStringLiteral("http://device.invalid:80/spinora.sdbi"));
    for (int i = 0; i < 20; ++i)
        QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (ending.count != 1 || (ending.downloaded && fuzz::readAll(download.destination()) != device.answer.body))
        qFatal("the transfer ended %d times", ending.count);
    return 0;
}
