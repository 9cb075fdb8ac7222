#include "Formatters.h"

namespace spinora {

bool TextLimitFormatter::isPartialStringValid(const QString& newText, const QString& oldText) const
{
    return newText.size() <= oldText.size() || newText.size() <= maximumLength_;
}

} // namespace spinora
