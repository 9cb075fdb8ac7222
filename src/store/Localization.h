#pragma once

#include <QCoreApplication>
#include <QString>

namespace spinora {

// Every user-visible text is looked up by its English wording.
inline QString localized(const char* key)
{
    return QCoreApplication::translate("Spinora", key);
}

} // namespace spinora
