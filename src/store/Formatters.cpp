#include "Formatters.h"

namespace spinora {

bool TextLimitFormatter::isPartialStringValid(const QString& newText, const QString& oldText) const
{
    return newText.size() <= oldText.size() || newText.size() <= maximumLength_;
}

int DecimalFormatter::maximumLength() const
{
    return maximumIntegerDigits_ + maximumFractionDigits_ + (maximumFractionDigits_ > 0 ? 1 : 0) + 2;
}

bool DecimalFormatter::isPartialStringValid(const QString& newText) const
{
    if (newText.size() > maximumLength())
        return false;
    const QString grouping = locale_.groupSeparator();
    const QString decimal = locale_.decimalPoint();
    const QChar groupingChar = grouping.isEmpty() ? QChar() : grouping.at(0);
    const QChar decimalChar = decimal.isEmpty() ? QChar() : decimal.at(0);
    for (const QChar c : newText) {
        const bool digit = c >= QLatin1Char('0') && c <= QLatin1Char('9');
        if (!digit && c != groupingChar && c != decimalChar)
            return false;
    }
    if (fieldUpdated_)
        fieldUpdated_(newText);
    // A partial number is not parsed further while typing.
    return true;
}

} // namespace spinora
