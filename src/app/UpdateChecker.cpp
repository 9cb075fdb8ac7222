#include "UpdateChecker.h"

#include "AppSettings.h"
#include "Localization.h"

#include <QDesktopServices>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMessageBox>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPushButton>
#include <QRegularExpression>

namespace spinora {

UpdateChecker::UpdateChecker(const QString& currentVersion, QObject* parent)
    : QObject(parent), currentVersion_(currentVersion)
{
}

UpdateChecker::~UpdateChecker()
{
    if (reply_)
        reply_->abort();
}

QUrl UpdateChecker::feedUrl()
{
    return QUrl(configurationValue(QString::fromUtf8(settings::kUpdateFeedUrl), QString::fromUtf8(kDefaultFeedUrl)));
}

bool UpdateChecker::checksAtStartup()
{
    return appSettings()->value(QString::fromUtf8(settings::kCheckUpdatesAtStart), false).toBool();
}

void UpdateChecker::checkInBackgroundIfEnabled()
{
    if (checksAtStartup())
        checkForUpdates(false);
}

void UpdateChecker::checkForUpdates(bool userInitiated)
{
    if (reply_)
        return;
    const QUrl url = feedUrl();
    if (url.isEmpty() || !url.isValid()) {
        Result result;
        result.outcome = Outcome::NotConfigured;
        emit finished(result, userInitiated);
        return;
    }
    if (!network_)
        network_ = new QNetworkAccessManager(this);
    QNetworkRequest request(url);
    request.setTransferTimeout(timeoutMs_);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("Spinora/%1").arg(currentVersion_));
    reply_ = network_->get(request);
    QNetworkReply* reply = reply_;
    connect(reply, &QNetworkReply::finished, this, [this, reply, userInitiated] { replyFinished(reply, userInitiated); });
}

void UpdateChecker::replyFinished(QNetworkReply* reply, bool userInitiated)
{
    reply->deleteLater();
    reply_ = nullptr;
    Result result;
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (reply->error() != QNetworkReply::NoError || status != 200) {
        result.outcome = Outcome::Unreachable;
        result.error = reply->error() != QNetworkReply::NoError ? reply->errorString()
                                                                : QStringLiteral("HTTP status %1").arg(status);
    } else {
        // A feed is a few dozen bytes; anything huge is not one.
        result = evaluateFeed(reply->read(64 * 1024), currentVersion_);
    }
    emit finished(result, userInitiated);
}

UpdateChecker::Result UpdateChecker::evaluateFeed(const QByteArray& body, const QString& currentVersion)
{
    Result result;
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(body, &parseError);
    static const QRegularExpression versionPattern(QStringLiteral("^\\d{1,6}(\\.\\d{1,6}){0,3}$"));
    const QJsonObject feed = document.object();
    const QString version = feed.value(QStringLiteral("version")).toString().trimmed();
    const QUrl url(feed.value(QStringLiteral("url")).toString().trimmed(), QUrl::StrictMode);
    const bool webAddress = url.isValid() && (url.scheme() == QLatin1String("https") || url.scheme() == QLatin1String("http")) &&
                            !url.host().isEmpty();
    if (parseError.error != QJsonParseError::NoError || !document.isObject() ||
        !versionPattern.match(version).hasMatch() || !webAddress) {
        result.outcome = Outcome::Malformed;
        result.error = QStringLiteral("The update information could not be read.");
        return result;
    }
    result.latestVersion = version;
    result.downloadUrl = url;
    result.outcome = compareVersions(version, currentVersion) > 0 ? Outcome::UpdateAvailable : Outcome::UpToDate;
    return result;
}

int UpdateChecker::compareVersions(const QString& a, const QString& b)
{
    const QStringList left = a.split(QLatin1Char('.'));
    const QStringList right = b.split(QLatin1Char('.'));
    for (qsizetype i = 0; i < std::max(left.size(), right.size()); ++i) {
        const long long l = i < left.size() ? left[i].toLongLong() : 0;
        const long long r = i < right.size() ? right[i].toLongLong() : 0;
        if (l != r)
            return l < r ? -1 : 1;
    }
    return 0;
}

void UpdateChecker::presentResult(QWidget* parent, const Result& result, const QString& currentVersion,
                                  bool userInitiated)
{
    if (result.outcome == Outcome::UpdateAvailable) {
        QMessageBox box(QMessageBox::Information, localized("Software Update"),
                        localized("A new version of Spinora is available!"), QMessageBox::NoButton, parent);
        box.setInformativeText(localized("Spinora %1 is now available—you have %2. Would you like to download it now?")
                                   .arg(result.latestVersion, currentVersion));
        QPushButton* download = box.addButton(localized("Download"), QMessageBox::AcceptRole);
        box.addButton(localized("Remind Me Later"), QMessageBox::RejectRole);
        box.setDefaultButton(download);
        box.exec();
        if (box.clickedButton() == download)
            QDesktopServices::openUrl(result.downloadUrl);
        return;
    }
    if (!userInitiated)
        return;
    switch (result.outcome) {
    case Outcome::UpToDate:
    {
        QMessageBox box(QMessageBox::Information, localized("Software Update"), localized("You’re up-to-date!"),
                        QMessageBox::Ok, parent);
        box.setInformativeText(
            localized("Spinora %1 is currently the newest version available.").arg(currentVersion));
        box.exec();
        break;
    }
    case Outcome::NotConfigured:
        QMessageBox::information(parent, localized("Software Update"),
                                 localized("No update address is set, so Spinora cannot look for updates. "
                                           "Your distribution’s package manager keeps Spinora up to date."));
        break;
    default:
        QMessageBox::warning(parent, localized("Update Error!"),
                             localized("An error occurred in retrieving update information. Please try again later."));
        break;
    }
}

} // namespace spinora
