#pragma once

#include "Result.h"
#include "Timestamp.h"

#include <QString>
#include <QStringList>

#include <cstdio>
#include <optional>
#include <stdexcept>

namespace spinora {
class SpinoraDatabase;
}

namespace spinora::cli {

// A usage or input error: printed as one line on stderr with a non-zero exit.
struct CliError : std::runtime_error {
    CliError(const QString& message, int exitCode = 1)
        : std::runtime_error(message.toStdString()), exitCode(exitCode) {}
    int exitCode;
};

// A failure ends the subcommand with its reason, as a CliError.
void orExit(const Result<>& result, const QString& doing = {});

// The arguments of one subcommand: positional words and --options.
class Arguments {
public:
    explicit Arguments(QStringList words) : words_(std::move(words)) {}

    // Removes and answers the value of an option ("--type 2"), if given.
    std::optional<QString> takeOption(const QString& name);
    // Removes and answers every value of a repeatable option.
    QStringList takeAll(const QString& name);
    // Removes a flag ("--empty") and answers whether it was there.
    bool takeFlag(const QString& name);
    // The remaining words must be exactly `count` positional arguments.
    QStringList positional(int count, const QString& usage) const;
    // The remaining words, any number of them, none an unknown option.
    QStringList rest(const QString& usage) const;

private:
    QStringList words_;
};

// Writes what the collection holds in memory and closes it; a flush that
// fails ends the subcommand.
void closeCollection(SpinoraDatabase& document);

int parseInteger(const QString& text, const QString& what, int low, int high);

// Local dates and times as the subcommands read and print them: "YYYY-MM-DD HH:MM".
inline const QString kMinuteFormat = QStringLiteral("yyyy-MM-dd HH:mm");
QString formatMinute(const Timestamp& t);
// Throws a usage error naming the option when the text is not such a moment.
QDateTime parseMinute(const QString& text, const QString& option);

inline void printLine(const QString& line)
{
    std::fputs(line.toUtf8().constData(), stdout);
    std::fputc('\n', stdout);
}

inline void printError(const QString& line)
{
    std::fputs(("spinora-cli: " + line).toUtf8().constData(), stderr);
    std::fputc('\n', stderr);
}

} // namespace spinora::cli
