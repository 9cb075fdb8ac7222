#pragma once

#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>

#include <gtest/gtest.h>

namespace spinora::test {

// spinora-peer run for one test: started, its port read from its first
// line, stopped with SIGTERM at the end.
class PeerProcess {
public:
    PeerProcess(const QString& folder, const QStringList& options)
    {
        process_.setProgram(QStringLiteral(SPINORA_PEER));
        process_.setArguments(QStringList{"--dir", folder} + options);
        process_.setProcessChannelMode(QProcess::SeparateChannels);
        process_.start();
        if (!process_.waitForStarted(5000))
            return;
        while (!process_.canReadLine() && process_.waitForReadyRead(5000)) {
        }
        const QString first = QString::fromUtf8(process_.readLine()).trimmed();
        const auto match = QRegularExpression("^listening on http://127\\.0\\.0\\.1:(\\d+)$").match(first);
        if (match.hasMatch())
            port_ = match.captured(1).toUShort();
    }
    ~PeerProcess()
    {
        process_.terminate();
        if (!process_.waitForFinished(5000))
            process_.kill();
        process_.waitForFinished(2000);
    }

    quint16 port() const { return port_; }
    QString address() const { return QStringLiteral("http://127.0.0.1:%1").arg(port_); }
    // Waits for a line of standard output that contains the text.
    bool waitForLine(const QString& text, int ms = 10000)
    {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < ms) {
            while (process_.canReadLine()) {
                if (QString::fromUtf8(process_.readLine()).contains(text))
                    return true;
            }
            process_.waitForReadyRead(100);
        }
        return false;
    }

private:
    QProcess process_;
    quint16 port_ = 0;
};

} // namespace spinora::test
