// spinora: the desktop application.
#include "AppIcon.h"
#include "CrashReporter.h"
#include "DocumentWindowFactory.h"
#include "SpinoraAppDelegate.h"
#include "SpinoraDatabase.h"
#include "TerminationSignals.h"

#include <QApplication>
#include <QCommandLineParser>
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
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Spinora"));
    QApplication::setApplicationVersion(QStringLiteral(SPINORA_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("spinora"));
    QApplication::setWindowIcon(spinora::applicationIcon());

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Spinora keeps the catalogue of a cactus and succulent collection."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("collections"),
                                 QStringLiteral("Collections to open (folders ending in .sdb)."),
                                 QStringLiteral("[PATH.sdb...]"));
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

    spinora::SpinoraAppDelegate app(spinora::makeDocumentWindow, spinora::ShellServices::standard(),
                                    QApplication::applicationVersion());
    spinora::TerminationSignals termination;
    QObject::connect(&termination, &spinora::TerminationSignals::terminationRequested, &app,
                     &spinora::SpinoraAppDelegate::terminate);
    QObject::connect(&application, &QGuiApplication::commitDataRequest, &app,
                     [&app](QSessionManager&) { app.commitAllDocuments(); });
    QObject::connect(&application, &QCoreApplication::aboutToQuit, &app, &spinora::SpinoraAppDelegate::closeDocuments);

    if (!app.applicationDidFinishLaunching(parser.positionalArguments()))
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
