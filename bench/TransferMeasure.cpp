// Measures HTTPDownload and HTTPUpload against spinora-peer on 127.0.0.1
// with a file of a given size, printing throughput and the process's peak
// resident memory (VmHWM). Run it for 20 MB and for 200 MB: the memory must
// stay flat, as the file is streamed in both directions.
//   build/bench/transfer_measure download|upload MEGABYTES
#include "HTTPDownload.h"
#include "HTTPUpload.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cstdio>

using namespace spinora;

namespace {

long peakRssKb()
{
    QFile status("/proc/self/status");
    status.open(QIODevice::ReadOnly);
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

void writeFileOfSize(const QString& path, qint64 bytes)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    QByteArray chunk(1 << 20, 'x');
    file.write(QByteArray("SQLite format 3\0", 16));
    for (qint64 written = 16; written < bytes;) {
        const qint64 n = std::min<qint64>(chunk.size(), bytes - written);
        file.write(chunk.constData(), n);
        written += n;
    }
}

struct Waiter : HTTPDownloadDelegate, HTTPUploadDelegate {
    bool done = false;
    QString error;
    void downloadDidFinish() override { done = true; }
    void downloadDidFailWithError(const TransferError* e) override { done = true, error = e->description; }
    void uploadDidFinish() override { done = true; }
    void uploadDidFailWithError(const TransferError* e) override { done = true, error = e->description; }
};

// The peer's address from the first line it prints, or empty if it did not start.
QString startPeer(QProcess& peer, const QString& folder)
{
    peer.start(QStringLiteral(SPINORA_PEER), {"--dir", folder, "--no-advertise"});
    if (!peer.waitForStarted(5000))
        return {};
    while (!peer.canReadLine() && peer.waitForReadyRead(5000)) {
    }
    const auto match = QRegularExpression("^listening on (http://127\\.0\\.0\\.1:\\d+)$")
                           .match(QString::fromUtf8(peer.readLine()).trimmed());
    return match.captured(1);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir home;
    qputenv("XDG_CACHE_HOME", home.path().toUtf8());
    if (argc != 3)
        return 2;
    const bool download = QByteArray(argv[1]) == "download";
    const qint64 bytes = QByteArray(argv[2]).toLongLong() * 1000 * 1000;
    const QString dir = home.filePath("peer");
    QDir().mkpath(dir);
    const QString file = download ? dir + "/spinora.sdbi" : home.filePath("temp_spinora_export.db");
    writeFileOfSize(file, bytes);
    QProcess peer;
    const QString address = startPeer(peer, dir);
    if (address.isEmpty()) {
        std::fprintf(stderr, "spinora-peer did not start\n");
        return 1;
    }
    const long before = peakRssKb();

    Waiter waiter;
    QElapsedTimer clock;
    clock.start();
    HTTPDownload downloader;
    HTTPUpload uploader;
    downloader.setDelegate(&waiter);
    uploader.setDelegate(&waiter);
    uploader.setTimeout(60000);
    if (download)
        downloader.downloadURL(address + "/spinora.sdbi");
    else
        uploader.uploadToURL(address, file);
    while (!waiter.done)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const double seconds = clock.elapsed() / 1000.0;
    peer.terminate();
    peer.waitForFinished(5000);
    if (!waiter.error.isEmpty()) {
        std::fprintf(stderr, "failed: %s\n", qPrintable(waiter.error));
        return 1;
    }
    std::printf("%s %lld MB: %.2f s, %.0f MB/s, peak RSS %ld kB (before the transfer %ld kB)\n", argv[1],
                bytes / 1000000, seconds, bytes / 1e6 / seconds, peakRssKb(), before);
    return 0;
}
