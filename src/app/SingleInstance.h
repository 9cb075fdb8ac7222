#pragma once

#include <QObject>
#include <QStringList>

class QLocalServer;

namespace spinora {

// What one launch of `spinora` asks for: the collections (and interchange
// files to import) named on its command line, as absolute paths, and the
// list to show ("cacti", "watering", "logs"; empty keeps the current one).
struct LaunchRequest {
    QStringList paths;
    QString show;

    QByteArray toMessage() const;
    static LaunchRequest fromMessage(const QByteArray& message);
};

// One running spinora per user. The first launch listens on a local socket
// in the user's runtime folder; a later launch hands its request over and
// exits, and the running one opens what it names or brings its window
// forward. A check-and-listen lock keeps two launches at the same moment
// from both becoming the first.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    enum class Outcome {
        First,       // this process runs the application and now listens
        HandedOver,  // a running instance took the request: exit quietly
        NoAnswer,    // one runs but did not take the request
    };

    explicit SingleInstance(QObject* parent = nullptr);
    ~SingleInstance() override;

    Outcome claim(const LaunchRequest& request);
    // "$XDG_RUNTIME_DIR/spinora-instance", or the same in a private folder in
    // /tmp; empty when no folder of this user's can be had.
    static QString socketPath();

signals:
    // A later launch's request, delivered from the event loop.
    void launched(const spinora::LaunchRequest& request);

private:
    void serveConnection();

    QLocalServer* server_ = nullptr;
};

} // namespace spinora
