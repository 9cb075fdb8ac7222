#pragma once

#include <QObject>
#include <QString>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;
class QWidget;

namespace spinora {

// Asks a small version feed whether a newer Spinora exists. The feed is a JSON
// object such as {"version": "1.3", "url": "https://..."} at a URL kept in the
// settings. Checks run asynchronously: start-up never waits for the network,
// and the automatic check at start-up is off unless the user turns it on.
class UpdateChecker : public QObject {
    Q_OBJECT
public:
    enum class Outcome { UpdateAvailable, UpToDate, Malformed, Unreachable, NotConfigured };
    struct Result {
        Outcome outcome = Outcome::NotConfigured;
        QString latestVersion;
        QUrl downloadUrl;
        QString error;
    };

    static constexpr const char* kDefaultFeedUrl = "https://spinora.org/updates/linux.json";
    static constexpr int kDefaultTimeoutMs = 10000;

    explicit UpdateChecker(const QString& currentVersion, QObject* parent = nullptr);
    ~UpdateChecker() override;

    const QString& currentVersion() const { return currentVersion_; }
    // The feed address from the settings (empty turns checking off).
    static QUrl feedUrl();
    static bool checksAtStartup();
    void setTimeout(int milliseconds) { timeoutMs_ = milliseconds; }
    bool isChecking() const { return reply_ != nullptr; }

    // Starts a check; the answer arrives through finished(). A check already
    // running is not started twice.
    void checkForUpdates(bool userInitiated);
    // The start-up check: only when the user turned it on.
    void checkInBackgroundIfEnabled();

    // Reads a feed document against the running version.
    static Result evaluateFeed(const QByteArray& body, const QString& currentVersion);
    // Numeric, part by part ("1.10" > "1.9", "1.2" == "1.2.0"); <0, 0, >0.
    static int compareVersions(const QString& a, const QString& b);

    // The alert a user sees for a result. Automatic checks speak only when
    // there is something new.
    static void presentResult(QWidget* parent, const Result& result, const QString& currentVersion,
                              bool userInitiated);

signals:
    void finished(const spinora::UpdateChecker::Result& result, bool userInitiated);

private:
    void replyFinished(QNetworkReply* reply, bool userInitiated);

    QString currentVersion_;
    QNetworkAccessManager* network_ = nullptr;
    QNetworkReply* reply_ = nullptr;
    int timeoutMs_ = kDefaultTimeoutMs;
};

} // namespace spinora
