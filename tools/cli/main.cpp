// spinora-cli: the collection store and the exchange jobs without a window,
// for scripts and tests. Every subcommand is listed by --help.
#include "CliSupport.h"
#include "Commands.h"

#include "Localization.h"
#include "Timestamp.h"
#include "Translations.h"

#include <QGuiApplication>

#include <cstdlib>
#include <memory>

int main(int argc, char** argv)
{
    spinora::settleLocalTimeZone();
    using namespace spinora::cli;
    // Jobs that lay text out get a GUI application on the offscreen
    // platform; every other job stays a plain core application.
    const Command* early = argc > 1 ? findCommand(QString::fromLocal8Bit(argv[1])) : nullptr;
    const bool needsGui = early && early->needsGui;
    if (needsGui && !std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    std::unique_ptr<QCoreApplication> application =
        needsGui ? std::make_unique<QGuiApplication>(argc, argv) : std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication& app = *application;
    QCoreApplication::setApplicationName(QStringLiteral("spinora-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(SPINORA_VERSION));
    spinora::Translations::install();
    QStringList words = app.arguments().mid(1);

    if (words.isEmpty() || words.first() == QLatin1String("--help") || words.first() == QLatin1String("-h") ||
        words.first() == QLatin1String("help")) {
        printLine(helpText());
        return words.isEmpty() ? 2 : 0;
    }
    if (words.first() == QLatin1String("--version")) {
        printLine(QStringLiteral("spinora-cli %1").arg(QCoreApplication::applicationVersion()));
        return 0;
    }
    const QString name = words.takeFirst();
    const Command* command = findCommand(name);
    if (!command) {
        printError(spinora::localized("unknown subcommand “%1” (see spinora-cli --help)").arg(name));
        return 2;
    }
    try {
        Arguments arguments(words);
        return command->run(arguments);
    } catch (const CliError& error) {
        printError(QString::fromStdString(error.what()));
        return error.exitCode;
    }
}
