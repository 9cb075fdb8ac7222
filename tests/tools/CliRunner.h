#pragma once

// Runs spinora-cli as a script would: exit code, stdout and stderr.
#include <QMap>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

namespace spinora::test {

struct Result {
    int exitCode = -1;
    QString out;
    QString err;
};

// `environment` adds to (or, for an empty value, removes from) this process's environment.
inline Result cli(const QStringList& arguments, const QByteArray& timeZone = {},
                  const QMap<QString, QString>& environment = {})
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!timeZone.isEmpty())
        env.insert("TZ", QString::fromLatin1(timeZone));
    for (auto it = environment.begin(); it != environment.end(); ++it) {
        if (it.value().isEmpty())
            env.remove(it.key());
        else
            env.insert(it.key(), it.value());
    }
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(SPINORA_CLI), arguments);
    EXPECT_TRUE(process.waitForFinished(120000)) << arguments.join(' ').toStdString();
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

} // namespace spinora::test
