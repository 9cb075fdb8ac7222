#pragma once

#include <QString>
#include <QStringList>

namespace spinora {

// The fixed pick lists. Records store the index into a list; the lists are
// translated once, on first use. Files other programs (and the import) read
// keep the English words, whatever the language shown.
class SpinoraStrings {
public:
    enum class Words { Shown, English };
    static const QStringList& plantTypeStrings(Words words = Words::Shown);
    static const QStringList& sourceStrings(Words words = Words::Shown);
    static const QStringList& materialStrings(Words words = Words::Shown);
    static const QStringList& shapeStrings(Words words = Words::Shown);
    // Plural unit words, index = unit code - 1; and the singular ones.
    static const QStringList& frequencyStrings(Words words = Words::Shown);
    static const QStringList& oneFrequencyStrings(Words words = Words::Shown);
    static const QStringList& quantityStrings(Words words = Words::Shown);
    // "2 weeks", in the plural form the language gives that count; empty
    // for a unit code outside 1 (hours) to 5 (years).
    static QString frequencyText(int64_t count, int64_t unit);
    // The five unit words as they read after this count ("2 týdny" but
    // "5 týdnů"), index = unit code - 1: the choices next to the count.
    static QStringList frequencyUnitsFor(int64_t count);
    // The twelve full month names of the user's language, January first.
    static QStringList months();

    // The entry at a stored index, empty when the index lies outside the list.
    static QString entry(const QStringList& list, int64_t index);
    // The index of an exact entry, -1 when absent.
    static int indexOf(const QStringList& list, const QString& text);
};

} // namespace spinora
