#include "PeerServer.h"

#include "MultipartReceiver.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QTcpSocket>

#include <cstdio>

namespace spinora::peer {

namespace {
constexpr int kMaximumRequestHeaders = 64 * 1024;
constexpr qint64 kChunk = 64 * 1024;
constexpr qint64 kSocketBuffer = 256 * 1024;

const QStringList kServedFiles = {QStringLiteral("spinora.sdbi"), QStringLiteral("spinora_cactus.sdbi"),
                                  QStringLiteral("spinora_watering.sdbi")};

void logLine(const QByteArray& method, const QByteArray& path, int status)
{
    std::fprintf(stderr, "%s %s %d\n", method.constData(), path.constData(), status);
}
} // namespace

struct PeerServer::Connection {
    QTcpSocket* socket = nullptr;
    QByteArray head;
    bool headersDone = false;
    QByteArray method;
    QByteArray path;
    QHash<QByteArray, QByteArray> headers;
    qint64 bodyLeft = 0;
    std::unique_ptr<MultipartReceiver> upload;
    QString partial;
    QFile file; // a file being served
    bool responded = false;
};

PeerServer::PeerServer(const QString& folder, QObject* parent) : QObject(parent), folder_(folder)
{
    connect(&server_, &QTcpServer::newConnection, this, &PeerServer::onNewConnection);
}

PeerServer::~PeerServer() = default;

bool PeerServer::listen(quint16 port)
{
    return server_.listen(QHostAddress::LocalHost, port);
}

void PeerServer::onNewConnection()
{
    while (QTcpSocket* socket = server_.nextPendingConnection()) {
        auto connection = std::make_shared<Connection>();
        connection->socket = socket;
        socket->setReadBufferSize(kSocketBuffer);
        connections_.insert(socket, connection);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
        connect(socket, &QTcpSocket::bytesWritten, this, [this, socket] {
            if (auto c = connections_.value(socket))
                sendMore(*c);
        });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            connections_.remove(socket); // an unfinished upload removes its file
            socket->deleteLater();
        });
    }
}

void PeerServer::onReadyRead(QTcpSocket* socket)
{
    const auto c = connections_.value(socket);
    if (!c || c->responded) {
        socket->readAll();
        return;
    }
    if (!c->headersDone) {
        c->head += socket->readAll();
        const int end = c->head.indexOf("\r\n\r\n");
        if (end < 0) {
            if (c->head.size() > kMaximumRequestHeaders)
                respond(*c, 431, "Request Header Fields Too Large");
            return;
        }
        const QByteArray rest = c->head.mid(end + 4);
        c->head.truncate(end);
        c->headersDone = true;
        handleHeaders(*c);
        if (!c->responded && !rest.isEmpty())
            handleBody(*c, rest);
        return;
    }
    handleBody(*c, socket->readAll());
}

void PeerServer::handleHeaders(Connection& c)
{
    const QList<QByteArray> lines = c.head.split('\n');
    const QList<QByteArray> request = lines.first().trimmed().split(' ');
    if (request.size() != 3) {
        respond(c, 400, "Bad Request");
        return;
    }
    c.method = request[0];
    c.path = request[1];
    for (int i = 1; i < lines.size(); ++i) {
        const int colon = lines[i].indexOf(':');
        if (colon > 0)
            c.headers.insert(lines[i].left(colon).trimmed().toLower(), lines[i].mid(colon + 1).trimmed());
    }
    if (c.method == "GET") {
        const QString name = QString::fromUtf8(c.path.mid(1));
        if (c.path.startsWith('/') && kServedFiles.contains(name) && folder_.exists(name))
            serveFile(c, name);
        else
            respond(c, 404, "Not Found", "Not Found\n");
        return;
    }
    if (c.method != "POST") {
        respond(c, 405, "Method Not Allowed");
        return;
    }
    if (c.path != "/") {
        respond(c, 404, "Not Found", "Not Found\n");
        return;
    }
    // The app's form: one boundary "Boundary-Spinora" + an upper-case UUID.
    static const QRegularExpression contentType(
        QStringLiteral("^multipart/form-data; boundary=(Boundary-Spinora[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-"
                       "[0-9A-F]{12})$"));
    const auto match = contentType.match(QString::fromLatin1(c.headers.value("content-type")));
    bool lengthOk = false;
    c.bodyLeft = c.headers.value("content-length").toLongLong(&lengthOk);
    if (!match.hasMatch()) {
        respond(c, 400, "Bad Request", "Not the Spinora upload form\n");
        return;
    }
    if (!lengthOk || c.bodyLeft < 0) {
        respond(c, 411, "Length Required");
        return;
    }
    folder_.mkpath(QStringLiteral("received"));
    c.partial = folder_.filePath(QStringLiteral("received/.upload-%1.part").arg(quintptr(c.socket)));
    c.upload = std::make_unique<MultipartReceiver>(match.captured(1).toLatin1(), c.partial);
    if (c.bodyLeft == 0)
        finishUpload(c);
}

void PeerServer::handleBody(Connection& c, const QByteArray& data)
{
    if (!c.upload || c.responded)
        return;
    const QByteArray mine = data.left(c.bodyLeft);
    c.bodyLeft -= mine.size();
    if (!c.upload->feed(mine)) {
        std::fprintf(stderr, "upload refused: %s\n", qPrintable(c.upload->error()));
        respond(c, 400, "Bad Request", c.upload->error().toUtf8() + '\n');
        return;
    }
    if (c.bodyLeft == 0)
        finishUpload(c);
}

void PeerServer::finishUpload(Connection& c)
{
    if (!c.upload->finished()) {
        c.upload->discardFile();
        respond(c, 400, "Bad Request", "The form ended early\n");
        return;
    }
    const QString target = folder_.filePath(QStringLiteral("received/") + c.upload->fileName());
    QFile::remove(target);
    if (!QFile::rename(c.partial, target)) {
        c.upload->discardFile();
        respond(c, 500, "Internal Server Error");
        return;
    }
    std::fprintf(stderr, "received %s (%lld bytes)\n", qPrintable(c.upload->fileName()), c.upload->fileBytes());
    respond(c, 200, "OK", "OK\n");
}

void PeerServer::serveFile(Connection& c, const QString& name)
{
    c.file.setFileName(folder_.filePath(name));
    if (!c.file.open(QIODevice::ReadOnly)) {
        respond(c, 500, "Internal Server Error");
        return;
    }
    c.responded = true;
    logLine(c.method, c.path, 200);
    c.socket->write("HTTP/1.1 200 OK\r\nContent-Type: application/octet-stream\r\nContent-Length: " +
                    QByteArray::number(c.file.size()) + "\r\nConnection: close\r\n\r\n");
    sendMore(c);
}

// Keeps a bounded amount queued on the socket: the file is never read whole.
void PeerServer::sendMore(Connection& c)
{
    if (!c.file.isOpen())
        return;
    while (c.socket->bytesToWrite() < kSocketBuffer) {
        const QByteArray chunk = c.file.read(kChunk);
        if (chunk.isEmpty()) {
            c.file.close();
            c.socket->disconnectFromHost();
            return;
        }
        c.socket->write(chunk);
    }
}

void PeerServer::respond(Connection& c, int status, const QByteArray& reason, const QByteArray& body)
{
    c.responded = true;
    logLine(c.method, c.path, status);
    c.socket->write("HTTP/1.1 " + QByteArray::number(status) + ' ' + reason +
                    "\r\nContent-Type: text/plain\r\nContent-Length: " + QByteArray::number(body.size()) +
                    "\r\nConnection: close\r\n\r\n" + body);
    c.socket->disconnectFromHost();
}

} // namespace spinora::peer
