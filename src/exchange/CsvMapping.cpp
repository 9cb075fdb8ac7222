#include "CsvMapping.h"

#include "CsvExport.h"
#include "Localization.h"

#include <algorithm>

namespace spinora {

namespace {

// The words a grower heads a column with, per field, in lower case and
// separated by "|". Each list is a translatable text too (its translation
// is added to the English words), so a language can bring its own words;
// the template's own header always counts.
struct FieldWords {
    const char* key;
    int field; // the template's Cacti column; -1: skipped
    const char* words;
};

constexpr FieldWords kWords[] = {
    {"name", 0, QT_TRID_NOOP("name|plant|plant name|cactus|label")},
    {"scientific", 1,
     QT_TRID_NOOP("scientific|scientific name|botanical name|latin name|taxon|genus|species")},
    {"common", 2, QT_TRID_NOOP("common|common name")},
    {"type", 3, QT_TRID_NOOP("type|plant type")},
    {"watering", 4, QT_TRID_NOOP("watering|schedule|watering schedule")},
    {"last-watered", 5, QT_TRID_NOOP("last watered")},
    {"next-watering", 6, QT_TRID_NOOP("next watering")},
    {"planted", 7, QT_TRID_NOOP("planted|plant date|date planted|sown")},
    {"source", 8, QT_TRID_NOOP("source|origin")},
    {"acquired", 9, QT_TRID_NOOP("acquired|date acquired|bought|purchased|purchase date")},
    {"price", 10, QT_TRID_NOOP("price|purchase price|cost|paid")},
    {"value", 11, QT_TRID_NOOP("value|worth")},
    {"location", 12, QT_TRID_NOOP("location|place|position|bench|greenhouse")},
    {"height", 13, QT_TRID_NOOP("height")},
    {"width", 14, QT_TRID_NOOP("width|diameter")},
    {"weight", 15, QT_TRID_NOOP("weight")},
    {"light", 16, QT_TRID_NOOP("light|sun")},
    {"temperature", 17, QT_TRID_NOOP("temperature|temp|min temp")},
    {"pot-size", 18, QT_TRID_NOOP("pot size|pot")},
    {"pot-shape", 19, QT_TRID_NOOP("pot shape|shape")},
    {"pot-material", 20, QT_TRID_NOOP("pot material|material")},
    {"notes", 21, QT_TRID_NOOP("notes|note|comments|comment|remarks|description")},
    {"skip", -1, QT_TRID_NOOP("id|#|no|no.|number|photo|photos|image|picture")},
};

bool hasWord(const FieldWords& row, const QString& header)
{
    const QString english = QString::fromLatin1(row.words);
    const QString words = english + QLatin1Char('|') + localized(row.words).toLower();
    return words.split(QLatin1Char('|')).contains(header);
}

} // namespace

std::optional<int> CsvMapping::guessField(const QString& header)
{
    const QString h = header.trimmed().toLower();
    if (h.isEmpty())
        return -1;
    const QStringList& template_ = CsvExport::cactusHeaders();
    for (int i = 0; i < template_.size(); ++i) {
        if (h == template_[i].toLower())
            return i;
    }
    for (const FieldWords& row : kWords) {
        if (hasWord(row, h))
            return row.field;
    }
    return std::nullopt;
}

std::optional<int> CsvMapping::fieldOfKey(const QString& key)
{
    for (const FieldWords& row : kWords) {
        if (key.trimmed().compare(QLatin1String(row.key), Qt::CaseInsensitive) == 0)
            return row.field;
    }
    return std::nullopt;
}

QStringList CsvMapping::keys()
{
    QStringList all;
    for (const FieldWords& row : kWords)
        all << QString::fromLatin1(row.key);
    return all;
}

CsvMapping CsvMapping::guessed(const QStringList& headers, QStringList& unplaced)
{
    CsvMapping mapping;
    for (int column = 0; column < headers.size(); ++column) {
        const std::optional<int> field = guessField(headers[column]);
        if (!field)
            unplaced << headers[column];
        else if (*field >= 0)
            mapping.sources_[*field] << column;
    }
    return mapping;
}

QString CsvMapping::checkSpec(const QString& spec)
{
    for (const QString& pair : spec.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const qsizetype equals = pair.lastIndexOf(QLatin1Char('='));
        if (equals <= 0)
            return localized("“%1” is no COLUMN=FIELD pair.").arg(pair);
        if (!fieldOfKey(pair.mid(equals + 1)))
            return localized("“%1” is no field; the fields are %2.").arg(pair.mid(equals + 1), keys().join(QStringLiteral(", ")));
    }
    return QString();
}

CsvMapping CsvMapping::explicitFor(const QStringList& headers, const QString& spec, QString& error)
{
    CsvMapping mapping;
    error = checkSpec(spec);
    for (const QString& pair : spec.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const qsizetype equals = pair.lastIndexOf(QLatin1Char('='));
        const std::optional<int> field = fieldOfKey(pair.mid(equals + 1));
        if (!error.isEmpty() || !field)
            break;
        for (const QString& header : pair.left(equals).split(QLatin1Char('+'))) {
            const auto named = std::find_if(headers.begin(), headers.end(), [&](const QString& h) {
                return h.trimmed().compare(header.trimmed(), Qt::CaseInsensitive) == 0;
            });
            const int column = int(named - headers.begin());
            if (named == headers.end()) {
                error = localized("The file has no column “%1”.").arg(header.trimmed());
                return mapping;
            }
            if (*field >= 0)
                mapping.sources_[*field] << column;
        }
    }
    return mapping;
}

QString CsvMapping::example(const QStringList& headers)
{
    QStringList pairs;
    for (const QString& header : headers) {
        const std::optional<int> field = guessField(header);
        QString key = QStringLiteral("FIELD");
        for (const FieldWords& row : kWords) {
            if (field && row.field == *field)
                key = QString::fromLatin1(row.key);
        }
        pairs << header + QLatin1Char('=') + key;
    }
    return pairs.join(QLatin1Char(','));
}

QStringList CsvMapping::fieldsOf(const QStringList& line) const
{
    QStringList fields;
    for (const QList<int>& columns : sources_) {
        QStringList parts;
        for (int column : columns) {
            if (!line.value(column).isEmpty())
                parts << line.value(column);
        }
        fields << parts.join(QLatin1Char(' '));
    }
    return fields;
}

} // namespace spinora
