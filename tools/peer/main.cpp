// spinora-peer: a stand-in for the mobile app, for tests and for trying the
// device exchange without a phone. Serves the interchange files of a folder,
// takes uploads into its "received" folder, and advertises itself through
// Avahi as the app does.
#include "AvahiAdvertiser.h"
#include "PeerServer.h"

#include <QCoreApplication>
#include <QDir>
#include <QSocketNotifier>

#include <csignal>
#include <cstdio>
#include <unistd.h>

namespace {

int signalPipe[2];

void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const auto n = ::write(signalPipe[1], &byte, 1);
}

int usage(const char* problem)
{
    if (problem)
        std::fprintf(stderr, "spinora-peer: %s\n", problem);
    std::fprintf(stderr, "usage: spinora-peer --dir DIR [--port N] [--name NAME] [--mode 0..3] [--version TEXT] "
                         "[--no-advertise]\n");
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList words = app.arguments().mid(1);
    QString dir;
    QString name = QStringLiteral("Spinora");
    QString version = QStringLiteral("1.2");
    int port = 0;
    int mode = 0;
    bool advertise = true;
    while (!words.isEmpty()) {
        const QString word = words.takeFirst();
        if (word == QLatin1String("--no-advertise")) {
            advertise = false;
            continue;
        }
        if (word == QLatin1String("--help") || word == QLatin1String("-h"))
            return usage(nullptr);
        if (words.isEmpty())
            return usage("an option lacks its value");
        const QString value = words.takeFirst();
        bool ok = true;
        if (word == QLatin1String("--dir"))
            dir = value;
        else if (word == QLatin1String("--port"))
            port = value.toInt(&ok);
        else if (word == QLatin1String("--name"))
            name = value;
        else if (word == QLatin1String("--mode"))
            mode = value.toInt(&ok);
        else if (word == QLatin1String("--version"))
            version = value;
        else
            return usage("unknown option");
        if (!ok || port < 0 || port > 65535 || mode < 0 || mode > 3)
            return usage("a number is out of range");
    }
    if (dir.isEmpty() || !QDir(dir).exists())
        return usage("--dir must name an existing folder");

    spinora::peer::PeerServer server(dir);
    if (!server.listen(quint16(port))) {
        std::fprintf(stderr, "spinora-peer: cannot listen on 127.0.0.1:%d: %s\n", port, qPrintable(server.errorString()));
        return 1;
    }
    std::printf("listening on http://127.0.0.1:%u\n", server.port());
    std::fflush(stdout);

    // Signals end the event loop from the loop itself.
    if (::pipe(signalPipe) != 0)
        return 1;
    std::signal(SIGTERM, onSignal);
    std::signal(SIGINT, onSignal);
    QSocketNotifier stop(signalPipe[0], QSocketNotifier::Read);
    QObject::connect(&stop, &QSocketNotifier::activated, &app, &QCoreApplication::quit);

    spinora::AvahiAdvertiser advertiser;
    if (advertise) {
        QObject::connect(&advertiser, &spinora::AvahiAdvertiser::published, [](const QString& published) {
            std::printf("advertised as \"%s\"\n", qPrintable(published));
            std::fflush(stdout);
        });
        QObject::connect(&advertiser, &spinora::AvahiAdvertiser::failed, [](const QString& reason) {
            std::fprintf(stderr, "spinora-peer: not advertised: %s\n", qPrintable(reason));
        });
        // The instance name is the device's name; the port keeps several peers apart.
        const QString instance = QStringLiteral("spinora-peer %1").arg(server.port());
        const QByteArrayList txt = {"name=" + name.toUtf8(), "type=" + QByteArray::number(mode),
                                    "version=" + version.toUtf8()};
        if (!advertiser.publish(instance, server.port(), txt))
            std::fprintf(stderr, "spinora-peer: not advertised: %s\n", qPrintable(advertiser.errorString()));
    }
    const int status = app.exec();
    advertiser.withdraw();
    return status;
}
