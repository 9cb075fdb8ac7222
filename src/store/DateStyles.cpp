#include "DateStyles.h"

#include <QRegularExpression>

namespace spinora {

QString mediumDateFormat(const QLocale& locale)
{
    QString format = locale.dateFormat(QLocale::LongFormat);
    static const QRegularExpression weekday(QStringLiteral("d{4}[,.]?\\s*"));
    format.remove(weekday);
    format.replace(QLatin1String("MMMM"), QLatin1String("MMM"));
    return withFourDigitYear(format).trimmed();
}

QString withFourDigitYear(QString pattern)
{
    if (!pattern.contains(QLatin1String("yyyy")))
        pattern.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return pattern;
}

QString dayMonthFormat(const QLocale& locale)
{
    QString format = mediumDateFormat(locale);
    // The year and the separators that joined it to the day or month.
    static const QRegularExpression year(QStringLiteral("y+[年년]?\\s*"));
    static const QRegularExpression ends(QStringLiteral("^[\\s,./-]+|[\\s,/-]+$"));
    return format.remove(year).remove(ends);
}

QLocale readableLocale(const QLocale& locale)
{
    return locale.language() == QLocale::C ? QLocale(QLocale::English, QLocale::UnitedStates) : locale;
}

} // namespace spinora
