#include "CsvExport.h"

#include "AppInfo.h"
#include "Cactus.h"
#include "Log.h"
#include "Water.h"
#include "ExportJob.h"
#include "LocaleFormats.h"
#include "Localization.h"
#include "RecordSet.h"
#include "SpinoraStrings.h"
#include "SqlConnection.h"

#include <QDir>
#include <QSaveFile>

#include <algorithm>

namespace spinora {

namespace {

QString joinQuoted(const QStringList& fields)
{
    QStringList quotedFields;
    quotedFields.reserve(fields.size());
    for (const QString& field : fields)
        quotedFields << CsvExport::quoted(field);
    return quotedFields.join(QLatin1Char(','));
}

// The file is read back by the import (and by spreadsheets): its titles,
// headers and words are English whatever the language shown.
constexpr SpinoraStrings::Words kInFiles = SpinoraStrings::Words::English;

} // namespace

const QStringList& CsvExport::cactusHeaders()
{
    static const QStringList headers{
        "Name", "Species Scientific Name", "Species Common Name", "Type", "Watering", "Last Watered", "Next Watering",
         "Plant Date", "Source", "Date Acquired", "Purchase Price", "Value", "Location", "Height", "Width", "Weight",
         "Light", "Temperature", "Pot Size", "Pot Shape", "Pot Material", "Notes"};
    return headers;
}

const QStringList& CsvExport::waterHeaders()
{
    static const QStringList headers{"Name",            "Water Every",     "Quantity",        "Last Watered",
                                     "No Water Date 1", "No Water Date 2", "No Water Date 3", "No Water Date 4",
                                     "No Water Date 5", "No Water Date 6", "Next Watering",   "Notes"};
    return headers;
}

const QStringList& CsvExport::logHeaders()
{
    static const QStringList headers = {"Event", "Type", "Date", "Cactus", "Notes"};
    return headers;
}

QString CsvExport::quoted(const QString& text)
{
    QString escaped = text;
    escaped.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

QString CsvExport::commentLines(const LocaleFormats& formats, const Timestamp& moment)
{
    const QString exported = QStringLiteral("// Exported from %1 %2 on %3")
                                 .arg(QLatin1String(kApplicationName), QLatin1String(kFormatVersion),
                                      formats.dateAndMediumTime(moment));
    return QLatin1Char('"') + exported + QStringLiteral("\"\n\"") +
           QStringLiteral("// Refer to the Spinora CSV template file for formatting guidelines.") +
           QStringLiteral("\"\n");
}

QString CsvExport::sectionStart(const QString& title, const QStringList& headers)
{
    return QLatin1Char('\n') + title + QLatin1Char('\n') + headers.join(QLatin1Char(',')) + QLatin1Char('\n');
}

QString CsvExport::waterEvery(const Water& water, SpinoraStrings::Words words)
{
    const int64_t unit = water.frequencyUnits();
    QString word;
    if (unit >= 1 && unit <= 5) {
        const QStringList& units = water.frequency() == 1 ? SpinoraStrings::oneFrequencyStrings(words)
                                                          : SpinoraStrings::frequencyStrings(words);
        word = units.at(static_cast<qsizetype>(unit - 1));
    }
    return QStringLiteral("%1 %2").arg(static_cast<int32_t>(water.frequency())).arg(word);
}

QString CsvExport::noWaterDay(int64_t code)
{
    if (code == 0)
        return QString();
    const int month = static_cast<int>(code & 0xFF);
    const int day = static_cast<int>((code >> 8) & 0xFF);
    if (month < 1 || month > 12)
        return QString();
    return QStringLiteral("%1 %2").arg(SpinoraStrings::months().at(month - 1)).arg(day);
}

QString CsvExport::cactusLine(const Cactus& c, const LocaleFormats& f)
{
    if (c.name().isEmpty())
        return QString();
    return joinQuoted({c.name(), c.scientificName(), c.commonName(),
                       SpinoraStrings::entry(SpinoraStrings::plantTypeStrings(kInFiles), c.type()),
                       c.water() ? c.water()->name() : QString(),
                       c.lastWatered() ? f.dateAndTime(c.lastWatered()) : QStringLiteral("Never"),
                       c.waterNext() ? f.dateAndTime(c.waterNext()) : QStringLiteral("None Scheduled"),
                       f.date(c.plantDate()),
                       SpinoraStrings::entry(SpinoraStrings::sourceStrings(kInFiles), c.source()),
                       f.date(c.dateAcquired()), f.money(c.purchasePrice()), f.money(c.value()), c.location(),
                       c.height(), c.width(), c.weight(), c.light(), c.temperature(), c.potSize(),
                       SpinoraStrings::entry(SpinoraStrings::shapeStrings(kInFiles), c.potShape()),
                       SpinoraStrings::entry(SpinoraStrings::materialStrings(kInFiles), c.potMaterial()), c.notes()});
}

QString CsvExport::waterLine(const Water& w, const LocaleFormats& f)
{
    if (w.name().isEmpty())
        return QString();
    QStringList fields{w.name(), waterEvery(w, kInFiles),
                       SpinoraStrings::entry(SpinoraStrings::quantityStrings(kInFiles), w.quantity()),
                       w.lastWatered() ? f.dateAndTime(w.lastWatered()) : QStringLiteral("Never")};
    for (int i = 1; i <= 6; ++i)
        fields << noWaterDay(w.noWaterDDMM(i));
    fields << f.dateAndTime(w.waterNext()) << w.notes();
    return joinQuoted(fields);
}

QString CsvExport::logLine(const Log& l, const LocaleFormats& f)
{
    QString type;
    if (l.logType() == Log::kCactusLog)
        type = QStringLiteral("Cactus");
    else if (l.logType() == Log::kNoteLog)
        type = QStringLiteral("Note");
    return joinQuoted({l.eventName(), type, f.date(l.logDate()), l.cactus() ? l.cactus()->name() : QString(), l.notes()});
}

QString CsvExport::templateText(const LocaleFormats& formats)
{
    const Timestamp spring = fromDateTime(QDateTime(QDate(2021, 6, 14), QTime(0, 0)));
    Cactus cactus;
    cactus.setName(localized("Example Cactus"));
    cactus.setScientificName(QStringLiteral("Mammillaria elongata"));
    cactus.setDateAcquired(spring);
    cactus.setPurchasePrice(6.9);
    cactus.setLocation(localized("Greenhouse"));
    cactus.setNotes(localized("One plant a line; empty columns are left out."));
    Water water;
    water.setName(localized("Example Schedule"));
    water.setFrequency(2);
    water.setFrequencyUnits(3);
    Log log;
    log.setEventName(localized("Repotted"));
    log.setLogType(Log::kNoteLog);
    log.setLogDate(spring);
    return commentLines(formats, now()) + sectionStart(QStringLiteral("Cacti"), cactusHeaders()) +
           cactusLine(cactus, formats) + QLatin1Char('\n') + sectionStart(QStringLiteral("Watering"), waterHeaders()) +
           waterLine(water, formats) + QLatin1Char('\n') + sectionStart(QStringLiteral("Logs"), logHeaders()) +
           logLine(log, formats) + QLatin1Char('\n');
}

bool CsvExport::outputString(const QString& text, QIODevice& stream)
{
    const QByteArray bytes = text.toUtf8();
    return stream.write(bytes) == bytes.size();
}

int CsvExport::run(const ExportRequest& request, JobContext& context)
{
    const int type = request.type;
    const bool cacti = type == kExchangeComplete || type == kExchangeCactiAndWatering || type == kExchangeCacti;
    const bool watering = type == kExchangeComplete || type == kExchangeCactiAndWatering || type == kExchangeWatering;
    const bool logs = type == kExchangeComplete;
    const QString shown = QDir::toNativeSeparators(request.destination);

    auto db = ExportJob::openCollection(request.collection, context);
    if (!db)
        return kJobFailed;
    // One read transaction for every record and its details: one snapshot of
    // a collection that another program may change meanwhile, and no file
    // lock taken and dropped around each record's SELECT.
    Transaction reading(db.get());
    RecordSet records;
    if (!ExportJob::loadRecords(db.get(), request.collection, request.order, records, context))
        return kJobFailed;
    const LocaleFormats formats;

    // The file is written beside its destination and put in place when
    // complete: a cancelled or failed export leaves a file that was there as it was.
    QSaveFile file(request.destination);
    bool writing = file.open(QIODevice::WriteOnly);
    bool failed = !writing;
    auto write = [&](const QString& text) {
        if (writing && !outputString(text, file)) {
            writing = false;
            failed = true;
        }
    };
    const double total = double((cacti ? records.cacti.size() : 0) + (watering ? records.watering.size() : 0) +
                                (logs ? records.logs.size() : 0));
    double done = 0;
    auto progress = [&] {
        done += 1;
        context.setProgress(float(done * 100.0f / std::max(1.0, total)));
    };
    {
        write(commentLines(formats, now()));
        auto section = [&](const char* title, const QStringList& headers, auto& list, auto render) {
            write(sectionStart(QLatin1String(title), headers));
            for (const auto& record : list) {
                if (!writing || failed || context.cancelRequested())
                    break;
                const Result<> read = ExportJob::withDetails(*record, [&] {
                    const QString line = render(*record);
                    if (!line.isEmpty())
                        write(line + QLatin1Char('\n'));
                });
                if (!read) {
                    context.fail(read.failure());
                    failed = true;
                }
                progress();
            }
        };
        if (cacti)
            section("Cacti", cactusHeaders(), records.cacti, [&](const Cactus& c) { return cactusLine(c, formats); });
        if (watering)
            section("Watering", waterHeaders(), records.watering, [&](const Water& w) { return waterLine(w, formats); });
        if (logs)
            section("Logs", logHeaders(), records.logs, [&](const Log& l) { return logLine(l, formats); });
    }
    reading.commit();
    context.setProgress(100);
    if (failed || context.cancelRequested()) {
        file.cancelWriting();
        if (failed)
            context.fail(localized("The file %1 could not be written.").arg(shown));
        return failed ? kJobFailed : kJobCancelled;
    }
    if (!file.commit()) {
        context.fail(localized("The file %1 could not be written.").arg(shown));
        return kJobFailed;
    }
    return kJobFinished;
}

} // namespace spinora
