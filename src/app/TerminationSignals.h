#pragma once

#include <QObject>

class QSocketNotifier;

namespace spinora {

// Turns SIGTERM, SIGINT and SIGHUP into a Qt signal on the main thread (the
// self-pipe pattern: the handler only writes one byte), so that the shell can
// flush every open collection and leave the event loop the normal way
// instead of dying with changes in memory.
class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

signals:
    void terminationRequested(int signalNumber);

private:
    void readPipe();

    QSocketNotifier* notifier_ = nullptr;
};

} // namespace spinora
