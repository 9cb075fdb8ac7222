#include "SingleInstance.h"

#include "Result.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QPointer>
#include <QTimer>

#include <unistd.h>

namespace spinora {

namespace {

constexpr int kConnectMs = 1000;
// The running instance answers from its event loop, which a large
// collection being loaded can hold up for a while.
constexpr int kAnswerMs = 30000;
const QByteArray kAccepted = "accepted\n";

// Sends the request; answers whether someone listened, and in `taken`
// whether the request was accepted.
bool sendRequest(const QString& path, const LaunchRequest& request, bool* taken)
{
    *taken = false;
    QLocalSocket socket;
    socket.connectToServer(path);
    if (!socket.waitForConnected(kConnectMs))
        return false;
    socket.write(request.toMessage() + '\n');
    socket.waitForBytesWritten(kConnectMs);
    QByteArray answer;
    while (!answer.contains('\n') && socket.waitForReadyRead(kAnswerMs))
        answer += socket.readAll();
    *taken = answer == kAccepted;
    return true;
}

} // namespace

QByteArray LaunchRequest::toMessage() const
{
    return QJsonDocument(QJsonObject{{QStringLiteral("paths"), QJsonArray::fromStringList(paths)},
                                     {QStringLiteral("show"), show}})
        .toJson(QJsonDocument::Compact);
}

LaunchRequest LaunchRequest::fromMessage(const QByteArray& message)
{
    const QJsonObject object = QJsonDocument::fromJson(message).object();
    LaunchRequest request;
    for (const QJsonValue& path : object.value(QStringLiteral("paths")).toArray())
        request.paths << path.toString();
    request.show = object.value(QStringLiteral("show")).toString();
    return request;
}

SingleInstance::SingleInstance(QObject* parent) : QObject(parent) {}

SingleInstance::~SingleInstance()
{
    if (server_)
        server_->close();
}

QString SingleInstance::socketPath()
{
    QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) {
        // Without a runtime folder: a private one of this user's in /tmp.
        folder = QDir::tempPath() + QStringLiteral("/spinora-%1").arg(::getuid());
        QDir().mkdir(folder);
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
    // Someone else's folder of that name is no place to listen or to send to.
    if (QFileInfo(folder).ownerId() != ::getuid())
        return {};
    return folder + QStringLiteral("/spinora-instance");
}

SingleInstance::Outcome SingleInstance::claim(const LaunchRequest& request)
{
    const QString path = socketPath();
    if (path.isEmpty())
        return Outcome::First;
    QLockFile lock(path + QStringLiteral(".lock"));
    // Without the lock (a launch hung inside it) go on: the worst is a
    // second instance, which the collections' own locks keep harmless.
    lock.tryLock(5000);
    bool taken = false;
    if (sendRequest(path, request, &taken))
        return taken ? Outcome::HandedOver : Outcome::NoAnswer;

    // Nobody listens: a socket left there belongs to an instance that died.
    QLocalServer::removeServer(path);
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(path)) {
        qCInfo(lcSpinora, "Later launches cannot reach this one: %s", qPrintable(server_->errorString()));
        delete server_;
        server_ = nullptr;
        return Outcome::First;
    }
    connect(server_, &QLocalServer::newConnection, this, &SingleInstance::serveConnection);
    return Outcome::First;
}

void SingleInstance::serveConnection()
{
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine())
                return;
            const LaunchRequest request = LaunchRequest::fromMessage(socket->readLine());
            socket->write(kAccepted);
            socket->flush();
            // Opening may show alerts and sheets: not from inside this handler.
            QTimer::singleShot(0, this, [this, request] { emit launched(request); });
        });
    }
}

} // namespace spinora
