#include "SpinoraStrings.h"

#include "Localization.h"

#include <QLocale>


namespace spinora {

namespace {

// A pick list in the words shown and in the English words files keep.
struct PickList {
    QStringList shown;
    QStringList english;
};

PickList pickList(std::initializer_list<const char*> keys)
{
    PickList list{localizedList(keys), {}};
    for (const char* key : keys)
        list.english << QString::fromUtf8(key);
    return list;
}

const QStringList& chosen(const PickList& list, SpinoraStrings::Words words)
{
    return words == SpinoraStrings::Words::Shown ? list.shown : list.english;
}

} // namespace

const QStringList& SpinoraStrings::plantTypeStrings(Words words)
{
    static const PickList list = pickList({QT_TRID_NOOP("Cactus"), QT_TRID_NOOP("Caudiciform"),
                                           QT_TRID_NOOP("Leaf Succulent"), QT_TRID_NOOP("Root Succulent"),
                                           QT_TRID_NOOP("Stem Succulent")});
    return chosen(list, words);
}

const QStringList& SpinoraStrings::sourceStrings(Words words)
{
    static const PickList list =
        pickList({QT_TRID_NOOP("Seed"), QT_TRID_NOOP("Cutting"), QT_TRID_NOOP("Offset"), QT_TRID_NOOP("Grafted"),
                  QT_TRID_NOOP("Wild"), QT_TRID_NOOP("Nursery Stock"), QT_TRID_NOOP("Private Grower"),
                  QT_TRID_NOOP("Retailer")});
    return chosen(list, words);
}

const QStringList& SpinoraStrings::materialStrings(Words words)
{
    static const PickList list =
        pickList({QT_TRID_NOOP("Ceramic"), QT_TRID_NOOP("Concrete"), QT_TRID_NOOP("Fiberglass"), QT_TRID_NOOP("Mica"),
                  QT_TRID_NOOP("None (In-Ground)"), QT_TRID_NOOP("Plastic"), QT_TRID_NOOP("Stone"),
                  QT_TRID_NOOP("Wood")});
    return chosen(list, words);
}

const QStringList& SpinoraStrings::shapeStrings(Words words)
{
    static const PickList list =
        pickList({QT_TRID_NOOP("None"), QT_TRID_NOOP("Round"), QT_TRID_NOOP("Oval"), QT_TRID_NOOP("Square"),
                  QT_TRID_NOOP("Rectangular"), QT_TRID_NOOP("Hexagon"), QT_TRID_NOOP("Octagon"), QT_TRID_NOOP("Dish"),
                  QT_TRID_NOOP("Lotus"), QT_TRID_NOOP("Flat"), QT_TRID_NOOP("Irregular")});
    return chosen(list, words);
}

const QStringList& SpinoraStrings::frequencyStrings(Words words)
{
    static const PickList list = pickList({QT_TRID_NOOP("hours"), QT_TRID_NOOP("days"), QT_TRID_NOOP("weeks"),
                                           QT_TRID_NOOP("months"), QT_TRID_NOOP("years")});
    return chosen(list, words);
}

QString SpinoraStrings::frequencyText(int64_t count, int64_t unit)
{
    static constexpr const char* kCounted[] = {QT_TRID_N_NOOP("%n hours"), QT_TRID_N_NOOP("%n days"),
                                               QT_TRID_N_NOOP("%n weeks"), QT_TRID_N_NOOP("%n months"),
                                               QT_TRID_N_NOOP("%n years")};
    if (unit < 1 || unit > 5)
        return QString();
    return localized(kCounted[unit - 1], int(count));
}

QStringList SpinoraStrings::frequencyUnitsFor(int64_t count)
{
    QStringList units;
    for (int unit = 1; unit <= 5; ++unit)
        units << frequencyText(count, unit).remove(QString::number(count)).trimmed();
    return units;
}

const QStringList& SpinoraStrings::oneFrequencyStrings(Words words)
{
    static const PickList list = pickList({QT_TRID_NOOP("hour"), QT_TRID_NOOP("day"), QT_TRID_NOOP("week"),
                                           QT_TRID_NOOP("month"), QT_TRID_NOOP("year")});
    return chosen(list, words);
}

const QStringList& SpinoraStrings::quantityStrings(Words words)
{
    // "LightQuantity" is a key of its own so that it translates apart from
    // the light level; its English is "Light".
    static const PickList list = [] {
        PickList l = pickList({QT_TRID_NOOP("Spray"), QT_TRID_NOOP("LightQuantity"), QT_TRID_NOOP("Moderate"),
                               QT_TRID_NOOP("Soak")});
        l.english[1] = QStringLiteral("Light");
        if (l.shown[1] == QLatin1String("LightQuantity"))
            l.shown[1] = l.english[1];
        return l;
    }();
    return chosen(list, words);
}

QStringList SpinoraStrings::months()
{
    const QLocale locale;
    QStringList names;
    for (int month = 1; month <= 12; ++month)
        names << locale.standaloneMonthName(month, QLocale::LongFormat);
    return names;
}

QString SpinoraStrings::entry(const QStringList& list, int64_t index)
{
    if (index < 0 || index >= list.size())
        return QString(QLatin1String(""));
    return list.at(static_cast<qsizetype>(index));
}

int SpinoraStrings::indexOf(const QStringList& list, const QString& text)
{
    return static_cast<int>(list.indexOf(text));
}

} // namespace spinora
