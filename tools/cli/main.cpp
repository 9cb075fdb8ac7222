// spinora-cli: the collection store and the exchange jobs without a window,
// for scripts and tests. Every subcommand is listed by --help.
#include "CliSupport.h"
#include "Commands.h"

#include "InternalError.h"
#include "Timestamp.h"

#include <QGuiApplication>

#include <cstdlib>
#include <cstring>
#include <memory>

int main(int argc, char** argv)
{
    spinora::settleLocalTimeZone();
    // Printing lays text out with fonts, which needs a GUI application; the
    // offscreen platform serves it without a display. Every other job stays
    // a plain core application.
    const bool needsGui = argc > 1 && std::strcmp(argv[1], "print") == 0;
    if (needsGui && !std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    std::unique_ptr<QCoreApplication> application =
        needsGui ? std::make_unique<QGuiApplication>(argc, argv) : std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication& app = *application;
    QCoreApplication::setApplicationName(QStringLiteral("spinora-cli"));
    QStringList words = app.arguments().mid(1);
    using namespace spinora::cli;

    if (words.isEmpty() || words.first() == QLatin1String("--help") || words.first() == QLatin1String("-h") ||
        words.first() == QLatin1String("help")) {
        printLine(helpText());
        return words.isEmpty() ? 2 : 0;
    }
    const QString name = words.takeFirst();
    const Command* command = findCommand(name);
    if (!command) {
        printError(QStringLiteral("unknown subcommand \"%1\" (see spinora-cli --help)").arg(name));
        return 2;
    }
    try {
        Arguments arguments(words);
        return command->run(arguments);
    } catch (const CliError& error) {
        printError(QString::fromStdString(error.what()));
        return error.exitCode;
    } catch (const spinora::InternalError& error) {
        spinora::logInternalError(error);
        printError(error.message());
        return 1;
    }
}
