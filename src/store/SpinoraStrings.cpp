#include "SpinoraStrings.h"

#include "Localization.h"

#include <QLocale>


namespace spinora {

const QStringList& SpinoraStrings::plantTypeStrings()
{
    static const QStringList list =
        localizedList({"Cactus", "Caudiciform", "Leaf Succulent", "Root Succulent", "Stem Succulent"});
    return list;
}

const QStringList& SpinoraStrings::sourceStrings()
{
    static const QStringList list = localizedList(
        {"Seed", "Cutting", "Offset", "Grafted", "Wild", "Nursery Stock", "Private Grower", "Retailer"});
    return list;
}

const QStringList& SpinoraStrings::materialStrings()
{
    static const QStringList list = localizedList(
        {"Ceramic", "Concrete", "Fiberglass", "Mica", "None (In-Ground)", "Plastic", "Stone", "Wood"});
    return list;
}

const QStringList& SpinoraStrings::shapeStrings()
{
    static const QStringList list = localizedList({"None", "Round", "Oval", "Square", "Rectangular", "Hexagon",
                                                "Octagon", "Dish", "Lotus", "Flat", "Irregular"});
    return list;
}

const QStringList& SpinoraStrings::frequencyStrings()
{
    static const QStringList list = localizedList({"hours", "days", "weeks", "months", "years"});
    return list;
}

const QStringList& SpinoraStrings::oneFrequencyStrings()
{
    static const QStringList list = localizedList({"hour", "day", "week", "month", "year"});
    return list;
}

const QStringList& SpinoraStrings::quantityStrings()
{
    // "LightQuantity" is a key of its own so that it translates apart from the light level.
    static const QStringList list = [] {
        QStringList l = localizedList({"Spray", "LightQuantity", "Moderate", "Soak"});
        if (l[1] == QLatin1String("LightQuantity"))
            l[1] = QStringLiteral("Light");
        return l;
    }();
    return list;
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
