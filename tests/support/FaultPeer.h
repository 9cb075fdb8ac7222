#pragma once

#include "WorkFiles.h"

#include <QByteArray>
#include <QDir>
#include <QHash>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

namespace spinora::test {

// A device that misbehaves on purpose, on 127.0.0.1: it reads one request
// (headers and the body its Content-Length announces) and answers as told.
class FaultPeer : public QObject {
public:
    enum class Behaviour {
        Serve,          // 200 with Content-Length and the payload
        ServeNoLength,  // 200 without Content-Length, the payload, then close
        CloseHalfWay,   // announces the payload, sends half of it, closes
        NotFound,       // 404 with an HTML page
        Silent,         // reads the request and never answers
        StallHalfWay,   // sends half of the payload and then nothing
        CloseOnBody,    // closes the connection once part of the body has come
        Endless,        // 200 without length, sending SQLite-looking data until closed
    };

    explicit FaultPeer(Behaviour behaviour, QByteArray payload = {}) : behaviour_(behaviour), payload_(std::move(payload))
    {
        server_.listen(QHostAddress::LocalHost, 0);
        connect(&server_, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = server_.nextPendingConnection()) {
                socket->setParent(this);
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onRead(socket); });
            }
        });
    }

    QString address() const { return QStringLiteral("http://127.0.0.1:%1").arg(server_.serverPort()); }

    int requests = 0;
    QByteArray lastHead;  // request line and headers
    QByteArray lastBody;
    qint64 bodyBytes = 0; // how much body arrived

    QByteArray header(const QByteArray& name) const
    {
        for (const QByteArray& line : lastHead.split('\n')) {
            const int colon = line.indexOf(':');
            if (colon > 0 && line.left(colon).trimmed().toLower() == name.toLower())
                return line.mid(colon + 1).trimmed();
        }
        return {};
    }
    QByteArray requestLine() const { return lastHead.left(lastHead.indexOf('\r')); }

private:
    struct State {
        QByteArray head;
        bool headDone = false;
        qint64 length = 0;
        bool answered = false;
    };

    void onRead(QTcpSocket* socket)
    {
        State& s = states_[socket];
        QByteArray data = socket->readAll();
        if (!s.headDone) {
            s.head += data;
            const int end = s.head.indexOf("\r\n\r\n");
            if (end < 0)
                return;
            data = s.head.mid(end + 4);
            s.head.truncate(end);
            s.headDone = true;
            ++requests;
            lastHead = s.head;
            lastBody.clear();
            bodyBytes = 0;
            s.length = header("Content-Length").toLongLong();
        }
        if (s.answered)
            return;
        bodyBytes += data.size();
        lastBody += data;
        if (behaviour_ == Behaviour::CloseOnBody && bodyBytes > 0) {
            s.answered = true;
            socket->abort();
            return;
        }
        if (bodyBytes < s.length)
            return;
        s.answered = true;
        answer(socket);
    }

    void answer(QTcpSocket* socket)
    {
        const QByteArray html = "<html><body><h1>Not here</h1></body></html>";
        const bool announcesLength = behaviour_ != Behaviour::ServeNoLength && behaviour_ != Behaviour::Endless;
        const QByteArray length =
            announcesLength ? "Content-Length: " + QByteArray::number(payload_.size()) + "\r\n" : QByteArray();
        const QByteArray ok = "HTTP/1.1 200 OK\r\n" + length + "Connection: close\r\n\r\n";
        switch (behaviour_) {
        case Behaviour::Serve:
        case Behaviour::ServeNoLength:
            socket->write(ok);
            socket->write(payload_);
            socket->disconnectFromHost();
            break;
        case Behaviour::CloseHalfWay:
        case Behaviour::StallHalfWay:
            socket->write(ok);
            socket->write(payload_.left(payload_.size() / 2));
            if (behaviour_ == Behaviour::CloseHalfWay) {
                socket->flush();
                QTimer::singleShot(50, socket, [socket] { socket->abort(); });
            }
            break;
        case Behaviour::NotFound:
            socket->write("HTTP/1.1 404 Not Found\r\nContent-Type: text/html\r\nContent-Length: " +
                          QByteArray::number(html.size()) + "\r\nConnection: close\r\n\r\n" + html);
            socket->disconnectFromHost();
            break;
        case Behaviour::Endless: {
            socket->write(ok);
            socket->write(QByteArray("SQLite format 3\0", 16));
            auto* pump = new QTimer(socket);
            const QByteArray chunk(64 * 1024, 'x');
            connect(pump, &QTimer::timeout, socket, [socket, chunk] {
                // Until the client hangs up.
                if (socket->isOpen() && socket->bytesToWrite() < 1 << 20)
                    socket->write(chunk);
            });
            pump->start(0);
            break;
        }
        case Behaviour::Silent:
        case Behaviour::CloseOnBody: break;
        }
    }

    Behaviour behaviour_;
    QByteArray payload_;
    QTcpServer server_;
    QHash<QTcpSocket*, State> states_;
};

// What transfers left in the work folder besides its lock file.
inline QStringList workFilesLeft()
{
    QStringList left = QDir(WorkFiles::folder()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    left.removeAll(QStringLiteral("spinora-work.lock"));
    return left;
}

} // namespace spinora::test
