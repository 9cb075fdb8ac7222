#include "Device.h"

#include "Localization.h"

#include <QStringDecoder>

#include <limits>

namespace spinora {

namespace {

// One DNS-SD TXT entry ("key=value") holds at most 255 bytes.
constexpr int kMaximumTxtEntry = 255;

// Names and versions end up in one table row and in tab-separated lines:
// control characters would break both.
QString printable(QString text)
{
    for (QChar& c : text) {
        if (c.category() == QChar::Other_Control)
            c = QLatin1Char(' ');
    }
    return text;
}

} // namespace

QString txtValue(const ResolvedService& service, const char* key)
{
    const QByteArray wanted(key);
    for (const auto& [entryKey, value] : service.txt) {
        if (entryKey.compare(wanted, Qt::CaseInsensitive) != 0)
            continue;
        if (value.isNull() || value.size() > kMaximumTxtEntry)
            return QString();
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        QString text = decoder.decode(value);
        if (decoder.hasError())
            return QString();
        if (text.isNull())
            text = QLatin1String("");
        return text;
    }
    return QString();
}

long long leadingInteger(const QString& text)
{
    int i = 0;
    while (i < text.size() && text.at(i).isSpace())
        ++i;
    bool negative = false;
    if (i < text.size() && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-'))) {
        negative = text.at(i) == QLatin1Char('-');
        ++i;
    }
    long long value = 0;
    constexpr long long kMax = std::numeric_limits<long long>::max();
    for (; i < text.size() && text.at(i) >= QLatin1Char('0') && text.at(i) <= QLatin1Char('9'); ++i) {
        const int digit = text.at(i).unicode() - '0';
        if (value > (kMax - digit) / 10)
            return negative ? std::numeric_limits<long long>::min() : kMax;
        value = value * 10 + digit;
    }
    return negative ? -value : value;
}

QString serverAddress(const ResolvedService& service)
{
    QString host = service.hostName;
    if (host.endsWith(QLatin1Char('.')))
        host.chop(1);
    return QStringLiteral("http://%1:%2").arg(host).arg(service.port);
}

std::optional<Device> Device::fromService(const ResolvedService& service)
{
    if (service.addresses.isEmpty())
        return std::nullopt;
    const auto family = service.addresses.first().protocol();
    if (family != QAbstractSocket::IPv4Protocol && family != QAbstractSocket::IPv6Protocol)
        return std::nullopt;
    const QString name = txtValue(service, "name");
    if (name != QLatin1String("Spinora") && name != QLatin1String("Spinora Lite"))
        return std::nullopt;
    Device device;
    device.deviceName = printable(service.service.name);
    device.serviceName = name == QLatin1String("Spinora") ? localized("Spinora") : localized("Spinora Lite");
    device.serviceVersion = printable(txtValue(service, "version"));
    device.serviceNumber = leadingInteger(txtValue(service, "type"));
    return device;
}

QString Device::rowText() const
{
    return QStringLiteral("%1 (%2 v%3)").arg(deviceName, serviceName, serviceVersion);
}

} // namespace spinora
