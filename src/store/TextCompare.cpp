#include "TextCompare.h"

#include <QCollator>

namespace spinora::text {

namespace {

// Qt compares code units in the C locale, ignoring case and numeric
// settings; the C locale then orders like English.
QLocale collationLocale()
{
    const QLocale locale;
    return locale.language() == QLocale::C ? QLocale(QLocale::English, QLocale::UnitedStates) : locale;
}

QCollator& collator(bool caseSensitive, bool numeric)
{
    // Rebuilt when the user's locale changes, so that orderings follow it.
    thread_local QLocale builtFor = QLocale::c();
    thread_local bool built = false;
    thread_local QCollator collators[2][2];
    const QLocale current;
    if (!built || current != builtFor) {
        const QLocale locale = collationLocale();
        for (int cs = 0; cs < 2; ++cs) {
            for (int num = 0; num < 2; ++num) {
                collators[cs][num].setLocale(locale);
                collators[cs][num].setCaseSensitivity(cs ? Qt::CaseSensitive : Qt::CaseInsensitive);
                collators[cs][num].setNumericMode(num != 0);
            }
        }
        builtFor = current;
        built = true;
    }
    return collators[caseSensitive ? 1 : 0][numeric ? 1 : 0];
}

int sign(int v)
{
    return (v > 0) - (v < 0);
}

} // namespace

int plainCompare(const QString& a, const QString& b)
{
    return sign(a.compare(b, Qt::CaseSensitive));
}

int localizedCompare(const QString& a, const QString& b)
{
    return sign(collator(true, false).compare(a, b));
}

int localizedCaseInsensitiveCompare(const QString& a, const QString& b)
{
    return sign(collator(false, false).compare(a, b));
}

int localizedStandardCompare(const QString& a, const QString& b)
{
    return sign(collator(false, true).compare(a, b));
}

int emptyFirstStandardCompare(const QString& a, const QString& b)
{
    if (a.isEmpty() || b.isEmpty())
        return a.isEmpty() == b.isEmpty() ? 0 : (a.isEmpty() ? -1 : 1);
    return localizedStandardCompare(a, b);
}

QString capitalized(const QString& s)
{
    QString result = s.toLower();
    bool atWordStart = true;
    for (QChar& c : result) {
        if (c.isSpace()) {
            atWordStart = true;
        } else if (atWordStart) {
            c = c.toUpper();
            atWordStart = false;
        }
    }
    return result;
}

} // namespace spinora::text
