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

constexpr const char* kUsage =
    "Usage: spinora-peer --dir DIR [--port N] [--name NAME] [--mode 0..3] [--version TEXT] [--no-advertise]\n";

int usage(const char* problem)
{
    std::fprintf(stderr, "spinora-peer: %s\n%s", problem, kUsage);
    return 2;
}

int help()
{
    std::printf("%s\n"
                "Stands in for the Spinora mobile app: serves the interchange files of DIR over HTTP on\n"
                "127.0.0.1 (GET /spinora.sdbi, /spinora_cactus.sdbi, /spinora_watering.sdbi), keeps what is\n"
                "sent to it (POST /) in DIR/received, and advertises itself through avahi-daemon as\n"
                "\"spinora-peer PORT\". Its first line of output is \"listening on http://127.0.0.1:PORT\".\n"
                "SIGTERM or Ctrl-C stops it.\n"
                "\n"
                "Options:\n"
                "  --dir DIR         the folder of the interchange files (required)\n"
                "  --port N          the port to listen on (default: any free port)\n"
                "  --name NAME       the app name it advertises in TXT \"name\" (default: Spinora); the desktop\n"
                "                    app lists only \"Spinora\" and \"Spinora Lite\", not the device's own name\n"
                "  --mode 0..3       the transfer mode it advertises: 0 Backup Database, 1 Restore Database,\n"
                "                    2 Export Data, 3 Import Data (default: 0)\n"
                "  --version TEXT    the app version it advertises (default: 1.2)\n"
                "  --no-advertise    serve without advertising\n"
                "  -h, --help        print this help and exit\n",
                kUsage);
    return 0;
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
            return help();
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
