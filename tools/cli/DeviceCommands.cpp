#include "DeviceCommands.h"

#include "CollectionCommands.h"
#include "ConsoleJob.h"
#include "DeviceList.h"
#include "DeviceRules.h"
#include "DeviceTransfer.h"
#include "JobRunner.h"
#include "Localization.h"
#include "SpinoraDatabase.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QUrl>

#include <atomic>
#include <csignal>
#include <cstdio>

namespace spinora::cli {

namespace {

std::atomic<bool> interrupted{false};

void onTransferInterrupt(int)
{
    interrupted = true;
}

// Ctrl-C and SIGTERM ask the transfer to stop; a timer brings the request
// from the signal handler to the event loop.
class InterruptGuard {
public:
    InterruptGuard()
    {
        interrupted = false;
        std::signal(SIGINT, onTransferInterrupt);
        std::signal(SIGTERM, onTransferInterrupt);
    }
    ~InterruptGuard()
    {
        std::signal(SIGINT, SIG_DFL);
        std::signal(SIGTERM, SIG_DFL);
    }
};

QString deviceAddress(const QString& text, const char* option)
{
    const QUrl url(text, QUrl::StrictMode);
    if (!url.isValid() || url.scheme() != QLatin1String("http") || url.host().isEmpty() ||
        (!url.path().isEmpty() && url.path() != QLatin1String("/")))
        throw CliError(localized("%1 wants a device address such as http://host:port, not “%2”")
                           .arg(QLatin1String(option), text),
                       2);
    QString address = text;
    while (address.endsWith(QLatin1Char('/')))
        address.chop(1);
    return address;
}

int modeOption(Arguments& arguments, const char* name, int high)
{
    const auto value = arguments.takeOption(QString::fromLatin1(name));
    return value ? parseInteger(*value, QString::fromLatin1(name), 0, high) : 0;
}

// Runs a transfer to its end, printing progress on stderr as the other jobs do.
int runTransfer(DeviceTransfer& transfer, const std::function<void()>& start)
{
    InterruptGuard guard;
    QEventLoop loop;
    std::optional<DeviceTransfer::Outcome> outcome;
    std::optional<TransferError> error;
    int lastTenth = -1;
    bool cancelled = false;
    QObject::connect(&transfer, &DeviceTransfer::progressChanged, &loop, [&](double percent) {
        const int tenth = static_cast<int>(percent) / 10 * 10;
        if (tenth != lastTenth)
            std::fprintf(stderr, "progress: %d%%\n", tenth);
        lastTenth = tenth;
    });
    QObject::connect(&transfer, &DeviceTransfer::finished, &loop,
                     [&](DeviceTransfer::Outcome o, const std::optional<TransferError>& e) {
                         outcome = o;
                         error = e;
                         loop.quit();
                     });
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (!interrupted.exchange(false) || cancelled)
            return;
        cancelled = true;
        const bool job = transfer.phase() == DeviceTransfer::Phase::Importing ||
                         transfer.phase() == DeviceTransfer::Phase::Exporting;
        transfer.cancel();
        // A download or upload stops at once; a job reports when it has.
        if (!job)
            loop.quit();
    });
    poll.start(50);
    start();
    if (!outcome && !(cancelled && transfer.phase() == DeviceTransfer::Phase::Idle))
        loop.exec();
    // The job's thread ends before the process does.
    JobRunner::waitForAll();

    if (!outcome || *outcome == DeviceTransfer::Outcome::ImportCancelled ||
        *outcome == DeviceTransfer::Outcome::ExportCancelled) {
        printLine(QStringLiteral("status: 1 (cancelled; nothing was changed)"));
        return 1;
    }
    switch (*outcome) {
    case DeviceTransfer::Outcome::ImportComplete:
        printLine(QStringLiteral("status: 0 (finished)"));
        for (const QString& warning : transfer.jobWarnings())
            printError(localized("warning: %1").arg(warning));
        return transfer.jobWarnings().isEmpty() ? 0 : ConsoleJob::kExitFinishedWithWarnings;
    case DeviceTransfer::Outcome::UploadFinished: printLine(QStringLiteral("status: 0 (sent)")); return 0;
    case DeviceTransfer::Outcome::ImportFailed:
        printLine(QStringLiteral("status: 2 (failed)"));
        printError(transfer.jobError().isEmpty()
                       ? localized("the import failed; nothing was changed")
                       : localized("the import failed; nothing was changed: %1").arg(transfer.jobError()));
        return 1;
    case DeviceTransfer::Outcome::DownloadFailed:
        printLine(QStringLiteral("status: 2 (failed)"));
        printError(localized("download failed: %1").arg(error ? error->description : QStringLiteral("?")));
        return 1;
    case DeviceTransfer::Outcome::UploadFailed:
        printLine(QStringLiteral("status: 2 (failed)"));
        printError(localized("upload failed: %1 - %2")
                       .arg(uploadFailureNumber(error ? &*error : nullptr))
                       .arg(error ? error->description : QStringLiteral("?")));
        return 1;
    case DeviceTransfer::Outcome::ImportCancelled:
    case DeviceTransfer::Outcome::ExportCancelled: break;
    }
    return 1;
}

} // namespace

int runDevices(Arguments& arguments)
{
    const auto timeout = arguments.takeOption(QStringLiteral("--timeout"));
    const int seconds = timeout ? parseInteger(*timeout, QStringLiteral("--timeout"), 1, 3600) : 3;
    arguments.positional(0, QStringLiteral("spinora-cli devices [--timeout SECONDS]"));

    DeviceList devices(makeAvahiDiscovery);
    QEventLoop loop;
    QString failure;
    bool ended = false;
    QObject::connect(&devices, &DeviceList::browsingEnded, &loop, [&](const QString& reason) {
        failure = reason;
        ended = true;
        loop.quit();
    });
    QTimer::singleShot(seconds * 1000, &loop, &QEventLoop::quit);
    devices.startBrowsing();
    loop.exec();
    if (ended)
        throw CliError(localized("service discovery failed: %1; it needs the avahi-daemon service "
                                      "(start it with \"systemctl start avahi-daemon\")")
                           .arg(failure.isEmpty() ? QStringLiteral("stopped") : failure));
    for (int row = 0; row < devices.deviceArray().size(); ++row) {
        const Device& device = devices.deviceArray().at(row);
        printLine(QStringList{device.deviceName, device.serviceName, QString::number(device.serviceNumber),
                              device.serviceVersion, devices.serverAddress(row)}
                      .join(QLatin1Char('\t')));
    }
    devices.stopBrowsing();
    return 0;
}

int runPull(Arguments& arguments)
{
    const auto from = arguments.takeOption(QStringLiteral("--from"));
    const int option = modeOption(arguments, "--option", 3);
    const int mode = modeOption(arguments, "--mode", 3);
    const QStringList words =
        arguments.positional(1, QStringLiteral("spinora-cli pull PATH.sdb --from URL [--option 0..3] [--mode 0..3]"));
    if (!from)
        throw CliError(localized("pull needs --from URL"), 2);
    const QString server = deviceAddress(*from, "--from");
    // The Import button is disabled for these: the device would not send
    // what the option needs.
    if (!importRuleForMode(mode, option).buttonEnabled)
        throw CliError(localized("import option %1 does not fit a device in mode %2: %3")
                           .arg(option)
                           .arg(mode)
                           .arg(importRuleForMode(mode, option).message),
                       2);
    auto document = openCollection(words[0]);
    DeviceTransfer transfer;
    // Nothing is shown afterwards: the collection need not be read again.
    transfer.setLoadAfterImport(false);
    const int status = runTransfer(transfer, [&] { transfer.startImport(document.get(), server, mode, option); });
    closeCollection(*document);
    return status;
}

int runPush(Arguments& arguments)
{
    const auto to = arguments.takeOption(QStringLiteral("--to"));
    const QStringList words = arguments.positional(1, QStringLiteral("spinora-cli push PATH.sdb --to URL"));
    if (!to)
        throw CliError(localized("push needs --to URL"), 2);
    const QString server = deviceAddress(*to, "--to");
    // The export copy is a snapshot: sending it only reads the collection.
    auto document = openCollection(words[0], true);
    DeviceTransfer transfer;
    const int status = runTransfer(transfer, [&] { transfer.startExport(document.get(), server); });
    closeCollection(*document);
    return status;
}

} // namespace spinora::cli
