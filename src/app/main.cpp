// spinora: the desktop application.
#include "AppIcon.h"
#include "AppInfo.h"
#include "CrashReporter.h"
#include "DocumentWindowFactory.h"
#include "SpinoraAppDelegate.h"
#include "Localization.h"
#include "SingleInstance.h"
#include "SpinoraDatabase.h"
#include "TerminationSignals.h"
#include "Translations.h"
#include "ViewportAccessibility.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QMainWindow>
#include <QSessionManager>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace {

// Test hooks, hidden from --help: the crash reporter's test dies on purpose,
// and the termination test leaves a change in memory only, to see it written
// when the process is told to stop.
[[noreturn]] void crashOnPurpose(const QString& kind)
{
    if (kind == QLatin1String("abort"))
        std::abort();
    volatile int* nowhere = nullptr;
    *nowhere = 1;
    std::abort();
}

void leaveChangeInMemory(spinora::SpinoraAppDelegate& app, const QString& newName)
{
    spinora::SpinoraDatabase* document = app.getMainDocument();
    if (document && !document->cacti().empty())
        document->cacti().front()->setName(newName);
    std::printf("ready\n");
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    // Before any thread starts: every date of a large collection is turned
    // into local time while it loads, and without this each conversion
    // looks at /etc/localtime again.
    spinora::settleLocalTimeZone();
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Spinora"));
    QApplication::setApplicationVersion(QStringLiteral(SPINORA_VERSION));
    spinora::Translations::install();
    spinora::installViewportAccessibility();
    // The desktop entry's name, which Wayland compositors match the window to.
    QApplication::setDesktopFileName(QLatin1String(spinora::kApplicationIdentifier));
    QApplication::setWindowIcon(spinora::applicationIcon());

    QCommandLineParser parser;
    parser.setApplicationDescription(
        spinora::localized("Spinora keeps the catalogue of a cactus and succulent collection."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("collections"),
                                 spinora::localized("Collections to open (folders ending in .sdb); interchange files "
                                                    "(.sdbi) are offered for import into the collection shown."),
                                 QStringLiteral("[PATH.sdb|FILE.sdbi...]"));
    QCommandLineOption showOption(QStringLiteral("show"),
                                  spinora::localized("The list to show: cacti, watering or logs."), QStringLiteral("list"));
    parser.addOption(showOption);
    QCommandLineOption crashOption(QStringLiteral("crash-for-testing"), QString(), QStringLiteral("segv|abort"));
    crashOption.setFlags(QCommandLineOption::HiddenFromHelp);
    QCommandLineOption changeOption(QStringLiteral("change-in-memory-for-testing"), QString(), QStringLiteral("name"));
    changeOption.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(crashOption);
    parser.addOption(changeOption);
    parser.process(application);

    spinora::CrashReporter::install(spinora::CrashReporter::reportFolder(), QApplication::applicationVersion());
    if (parser.isSet(crashOption))
        crashOnPurpose(parser.value(crashOption));

    spinora::LaunchRequest request;
    request.show = parser.value(showOption);
    if (!request.show.isEmpty() && !QStringList{"cacti", "watering", "logs"}.contains(request.show)) {
        std::fprintf(stderr, "spinora: %s\n",
                     qPrintable(spinora::localized("--show takes cacti, watering or logs, not “%1”").arg(request.show)));
        return 2;
    }
    for (const QString& path : parser.positionalArguments())
        request.paths << QDir::cleanPath(QFileInfo(path).absoluteFilePath());

    // One spinora per user: a running one takes this launch's request.
    spinora::SingleInstance instance;
    switch (instance.claim(request)) {
    case spinora::SingleInstance::Outcome::HandedOver:
        return 0;
    case spinora::SingleInstance::Outcome::NoAnswer:
        std::fprintf(stderr, "spinora: %s\n",
                     qPrintable(spinora::localized("Spinora is already running but does not answer.")));
        return 1;
    case spinora::SingleInstance::Outcome::First:
        break;
    }

    spinora::SpinoraAppDelegate app(spinora::makeDocumentWindow, spinora::ShellServices::standard(),
                                    QApplication::applicationVersion());
    QObject::connect(&instance, &spinora::SingleInstance::launched, &app,
                     &spinora::SpinoraAppDelegate::handleLaunchRequest);
    spinora::TerminationSignals termination;
    QObject::connect(&termination, &spinora::TerminationSignals::terminationRequested, &app,
                     &spinora::SpinoraAppDelegate::terminate);
    QObject::connect(&application, &QGuiApplication::commitDataRequest, &app,
                     [&app](QSessionManager&) { app.commitAllDocuments(); });
    QObject::connect(&application, &QCoreApplication::aboutToQuit, &app, &spinora::SpinoraAppDelegate::closeDocuments);

    if (!app.applicationDidFinishLaunching(request.paths, request.show))
        return 1;

    QTimer::singleShot(0, &app, [&app] {
        spinora::CrashReporter::offerPendingReport(app.commandWindow(), spinora::CrashReporter::reportFolder());
    });
    if (parser.isSet(changeOption)) {
        const QString name = parser.value(changeOption);
        QTimer::singleShot(0, &app, [&app, name] { leaveChangeInMemory(app, name); });
    }
    return application.exec();
}
