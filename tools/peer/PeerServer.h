#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QObject>
#include <QTcpServer>

#include <memory>

class QTcpSocket;

namespace spinora::peer {

// What the mobile app does over HTTP, on 127.0.0.1: serves the three
// interchange files from a folder and takes the upload form, storing the
// file part in "received/" (written beside and renamed, so a half received
// upload never appears). One request per connection.
class PeerServer : public QObject {
    Q_OBJECT
public:
    explicit PeerServer(const QString& folder, QObject* parent = nullptr);
    ~PeerServer() override;

    bool listen(quint16 port);
    quint16 port() const { return server_.serverPort(); }
    QString errorString() const { return server_.errorString(); }

private:
    struct Connection;
    void onNewConnection();
    void onReadyRead(QTcpSocket* socket);
    void handleHeaders(Connection& c);
    void handleBody(Connection& c, const QByteArray& data);
    void serveFile(Connection& c, const QString& name);
    void sendMore(Connection& c);
    void respond(Connection& c, int status, const QByteArray& reason, const QByteArray& body = QByteArray());
    void finishUpload(Connection& c);

    QTcpServer server_;
    QDir folder_;
    QHash<QTcpSocket*, std::shared_ptr<Connection>> connections_;
};

} // namespace spinora::peer
