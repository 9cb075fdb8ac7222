#pragma once

#include <QString>
#include <QStringList>

namespace spinora {

// The fixed pick lists. Records store the index into a list; the lists are
// translated once, on first use.
class SpinoraStrings {
public:
    static const QStringList& plantTypeStrings();
    static const QStringList& sourceStrings();
    static const QStringList& materialStrings();
    static const QStringList& shapeStrings();
    static const QStringList& frequencyStrings();    // plural unit words, index = unit code - 1
    static const QStringList& oneFrequencyStrings(); // singular unit words
    static const QStringList& quantityStrings();
    // The twelve full month names of the user's language, January first.
    static QStringList months();

    // The entry at a stored index, empty when the index lies outside the list.
    static QString entry(const QStringList& list, int64_t index);
    // The index of an exact entry, -1 when absent.
    static int indexOf(const QStringList& list, const QString& text);
};

} // namespace spinora
