#include "SpinoraStrings.h"

#include "Localization.h"

#include <QLocale>

#include <initializer_list>

namespace spinora {

namespace {
QStringList translated(std::initializer_list<const char*> keys)
{
    QStringList list;
    for (const char* key : keys)
        list << localized(key);
    return list;
}
} // namespace

const QStringList& SpinoraStrings::plantTypeStrings()
{
    static const QStringList list =
        translated({"Cactus", "Caudiciform", "Leaf Succulent", "Root Succulent", "Stem Succulent"});
    return list;
}

const QStringList& SpinoraStrings::sourceStrings()
{
    static const QStringList list = translated(
        {"Seed", "Cutting", "Offset", "Grafted", "Wild", "Nursery Stock", "Private Grower", "Retailer"});
    return list;
}

const QStringList& SpinoraStrings::materialStrings()
{
    static const QStringList list = translated(
        {"Ceramic", "Concrete", "Fiberglass", "Mica", "None (In-Ground)", "Plastic", "Stone", "Wood"});
    return list;
}

const QStringList& SpinoraStrings::shapeStrings()
{
    static const QStringList list = translated({"None", "Round", "Oval", "Square", "Rectangular", "Hexagon",
                                                "Octagon", "Dish", "Lotus", "Flat", "Irregular"});
    return list;
}

const QStringList& SpinoraStrings::frequencyStrings()
{
    static const QStringList list = translated({"hours", "days", "weeks", "months", "years"});
    return list;
}

const QStringList& SpinoraStrings::oneFrequencyStrings()
{
    static const QStringList list = translated({"hour", "day", "week", "month", "year"});
    return list;
}

const QStringList& SpinoraStrings::quantityStrings()
{
    // "LightQuantity" is a key of its own so that it translates apart from the light level.
    static const QStringList list = [] {
        QStringList l = translated({"Spray", "LightQuantity", "Moderate", "Soak"});
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
