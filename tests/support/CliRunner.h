#pragma once

// Runs spinora-cli as a script would: exit code, stdout and stderr.
#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QThread>

#include <gtest/gtest.h>

#include <memory>

namespace spinora::test {

struct CliRun {
    int exitCode = -1;
    QString out;
    QString err;
};

// spinora-cli started and left running, with the time zone and `environment`
// added to (or, for an empty value, removed from) this process's environment.
inline std::unique_ptr<QProcess> startCli(const QStringList& arguments, const QByteArray& timeZone = {},
                                          const QMap<QString, QString>& environment = {})
{
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!timeZone.isEmpty())
        env.insert("TZ", QString::fromLatin1(timeZone));
    for (auto it = environment.begin(); it != environment.end(); ++it) {
        if (it.value().isEmpty())
            env.remove(it.key());
        else
            env.insert(it.key(), it.value());
    }
    process->setProcessEnvironment(env);
    process->start(QStringLiteral(SPINORA_CLI), arguments);
    process->waitForStarted();
    return process;
}

inline CliRun cli(const QStringList& arguments, const QByteArray& timeZone = {},
                  const QMap<QString, QString>& environment = {})
{
    const auto process = startCli(arguments, timeZone, environment);
    EXPECT_TRUE(process->waitForFinished(120000)) << arguments.join(' ').toStdString();
    return {process->exitStatus() == QProcess::NormalExit ? process->exitCode() : -1,
            QString::fromUtf8(process->readAllStandardOutput()), QString::fromUtf8(process->readAllStandardError())};
}

// A run that must succeed: on failure the test shows the command and what it said.
inline CliRun cliOk(const QStringList& arguments, const QByteArray& timeZone = {})
{
    CliRun result = cli(arguments, timeZone);
    EXPECT_EQ(result.exitCode, 0) << arguments.join(' ').toStdString() << ": " << result.err.toStdString();
    return result;
}

// True once a job started with SPINORA_TEST_STOP_AT has stopped itself there.
inline bool waitUntilStopped(QProcess& process)
{
    QElapsedTimer timer;
    timer.start();
    while (process.state() == QProcess::Running && timer.elapsed() < 60000) {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(process.processId()));
        const QByteArray fields = stat.open(QIODevice::ReadOnly) ? stat.readAll() : QByteArray();
        const qsizetype close = fields.lastIndexOf(')');
        if (close > 0 && fields.mid(close + 2, 1) == "T")
            return true;
        QThread::msleep(20);
    }
    return false;
}

} // namespace spinora::test
