#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <initializer_list>

namespace spinora {

// Every user-visible text is looked up by its English wording.
inline QString localized(const char* key)
{
    return QCoreApplication::translate("Spinora", key);
}

inline QStringList localizedList(std::initializer_list<const char*> keys)
{
    QStringList list;
    for (const char* key : keys)
        list << localized(key);
    return list;
}

} // namespace spinora
