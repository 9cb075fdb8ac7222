#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <initializer_list>

namespace spinora {

// Every user-visible text is looked up by its English wording, which is its
// id in the translation files (lupdate reads localized() as qtTrId(), so one
// text has one translation wherever it is used). A text chosen at run time
// is marked where it is written, with QT_TRID_NOOP("...").
inline QString localized(const char* key)
{
    return qtTrId(key);
}

// A text with a count: "%n plants to water" takes the plural form of the
// language ("1 plant to water" from the English translation).
inline QString localized(const char* key, int count)
{
    return qtTrId(key, count);
}

// Each text written with QT_TRID_NOOP.
inline QStringList localizedList(std::initializer_list<const char*> keys)
{
    QStringList list;
    for (const char* key : keys)
        list << localized(key);
    return list;
}

} // namespace spinora
