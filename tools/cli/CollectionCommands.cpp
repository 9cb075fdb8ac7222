#include "CollectionCommands.h"

#include "AppInfo.h"
#include "Backups.h"
#include "Localization.h"
#include "SampleCollection.h"
#include "SpinoraDatabase.h"
#include "SpinoraStrings.h"
#include "SpinoraUtility.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace spinora::cli {

namespace {

QString frequencyText(const Water& water)
{
    const QStringList& units =
        water.frequency() == 1 ? SpinoraStrings::oneFrequencyStrings() : SpinoraStrings::frequencyStrings();
    return QStringLiteral("%1 %2").arg(water.frequency()).arg(SpinoraStrings::entry(units, water.frequencyUnits() - 1));
}

QString row(const QStringList& fields)
{
    QStringList clean;
    for (QString field : fields)
        clean << field.replace(QLatin1Char('\t'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return clean.join(QLatin1Char('\t'));
}

} // namespace

std::unique_ptr<SpinoraDatabase> openCollection(const QString& path, bool readOnly)
{
    if (!QFileInfo::exists(path))
        throw CliError(localized("no collection at %1").arg(path));
    auto document = std::make_unique<SpinoraDatabase>(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
    document->setReadOnly(readOnly);
    const auto damaged = [&](const QString& what) {
        return CliError(localized("%1 is damaged: %2 Nothing was changed. “spinora-cli backups %1” lists its "
                                       "snapshots and “spinora-cli restore %1 SNAPSHOT” brings one back.")
                            .arg(path, what));
    };
    if (Result<> opened = document->readFromURL(document->packageFilename()); !opened) {
        if (opened.failure().cause() == Failure::Cause::Damaged)
            throw damaged(opened.failure().message());
        throw CliError(opened.failure().reason());
    }
    // A photo row without its picture is damage too: nothing is written
    // into such a collection until it is restored.
    const QStringList missing =
        readOnly ? QStringList() : CollectionHealth::missingPhotoFiles(document->database(), document->packageFilename());
    if (!missing.isEmpty())
        throw damaged(missing.size() == 1 ? localized("its photo file %1 is missing.").arg(missing.first())
                                          : localized("%1 photo files are missing, the first %2.")
                                                .arg(missing.size())
                                                .arg(missing.first()));
    // A command works on the whole collection, never on one whose logs could not be read.
    document->finishLoading();
    if (!document->readFailure().isEmpty())
        throw CliError(document->readFailure());
    SpinoraUtility::sharedManager().documents().registerAsMainDocument(document.get());
    return document;
}

namespace {

// Makes a new package from a template; refuses to touch anything that exists.
std::unique_ptr<SpinoraDatabase> createCollection(const QString& path, bool emptyTemplate)
{
    if (QFileInfo(path).suffix() != QLatin1String(kPackageExtension))
        throw CliError(localized("%1: a collection's name must end in .%2").arg(path, QLatin1String(kPackageExtension)), 2);
    if (QFileInfo::exists(path) || QFileInfo(path).isSymLink())
        throw CliError(localized("%1 already exists; nothing was changed").arg(path));
    const QString parent = QFileInfo(path).absolutePath();
    if (!QFileInfo(parent).isDir())
        throw CliError(localized("the folder %1 does not exist").arg(parent));

    auto document = std::make_unique<SpinoraDatabase>(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
    document->setTemplateChoice(emptyTemplate);
    if (Result<> opened = document->readFromURL(document->packageFilename()); !opened)
        throw CliError(opened.failure().reason());
    return document;
}

} // namespace

int runNew(Arguments& arguments)
{
    const bool empty = arguments.takeFlag(QStringLiteral("--empty"));
    const QString path = arguments.positional(1, QStringLiteral("spinora-cli new PATH.sdb [--empty]")).first();
    closeCollection(*createCollection(path, empty));
    printLine(QStringLiteral("created %1").arg(path));
    return 0;
}

int runSample(Arguments& arguments)
{
    SampleSize size;
    const auto count = [&arguments](const char* option, int fallback) {
        const auto value = arguments.takeOption(QString::fromUtf8(option));
        return value ? parseInteger(*value, QString::fromUtf8(option), 0, 1000000) : fallback;
    };
    size.cacti = count("--cacti", size.cacti);
    size.watering = count("--watering", size.watering);
    size.logs = count("--logs", size.logs);
    size.photos = count("--photos", size.cacti); // one per plant unless told
    // Camera-sized photos (1280 x 960 JPEGs of a few hundred kilobytes, as a
    // phone takes them), eight drawn once and taken in turns.
    if (arguments.takeFlag(QStringLiteral("--camera"))) {
        size.photoWidth = 1280;
        size.photoVariants = 8;
    }
    const QString path = arguments.positional(1, QStringLiteral("spinora-cli sample PATH.sdb [--cacti N] [--watering N] [--logs N] [--photos N] [--camera]")).first();
    auto document = createCollection(path, false);
    orExit(SampleCollection::fill(*document, size), localized("the sample could not be written"));
    closeCollection(*document);
    printLine(localized("created %1 with %2 cacti, %3 watering schedules, %4 logs and %5 photos")
                  .arg(path).arg(size.cacti).arg(size.watering).arg(size.logs).arg(size.photos));
    return 0;
}

int runInfo(Arguments& arguments)
{
    const QString path = arguments.positional(1, QStringLiteral("spinora-cli info PATH.sdb")).first();
    auto document = openCollection(path, true);
    const Timestamp created = document->dbCreationDate();
    printLine(QStringLiteral("schema: %1").arg(document->dbVersionNumber()));
    printLine(QStringLiteral("created: %1").arg(created ? toDateTime(created).toString(Qt::ISODate) : QString()));
    printLine(QStringLiteral("cacti: %1").arg(document->cacti().size()));
    printLine(QStringLiteral("watering: %1").arg(document->watering().size()));
    printLine(QStringLiteral("logs: %1").arg(document->logs().size()));
    printLine(QStringLiteral("events: %1").arg(document->events().size()));
    printLine(QStringLiteral("species: %1").arg(document->species().size()));
    printLine(QStringLiteral("images: %1").arg(document->images().size()));
    closeCollection(*document);
    return 0;
}

int runList(Arguments& arguments)
{
    const QStringList words = arguments.positional(2, QStringLiteral("spinora-cli list PATH.sdb cacti|watering|logs"));
    const QString kind = words.at(1);
    if (kind != QLatin1String("cacti") && kind != QLatin1String("watering") && kind != QLatin1String("logs"))
        throw CliError(localized("list what? “%1” is not cacti, watering or logs").arg(kind), 2);
    auto document = openCollection(words.at(0), true);
    if (kind == QLatin1String("cacti")) {
        for (Cactus* c : document->displayedCacti()) {
            printLine(row({c->name(), c->scientificName(), c->commonName(),
                           SpinoraStrings::entry(SpinoraStrings::plantTypeStrings(), c->type()),
                           c->water() ? c->water()->name() : QString(), formatMinute(c->lastWatered()),
                           formatMinute(c->waterNext())}));
        }
    } else if (kind == QLatin1String("watering")) {
        for (Water* w : document->displayedWatering()) {
            printLine(row({w->name(), frequencyText(*w),
                           SpinoraStrings::entry(SpinoraStrings::quantityStrings(), w->quantity()),
                           formatMinute(w->lastWatered()), formatMinute(w->waterNext())}));
        }
    } else {
        for (Log* l : document->displayedLogs()) {
            const QString subject = l->logType() == Log::kCactusLog ? (l->cactus() ? l->cactus()->name() : QString())
                                                                    : l->noteSummary();
            printLine(row({formatMinute(l->logDate()), l->eventName(),
                           l->logType() == Log::kCactusLog ? QStringLiteral("Cactus") : QStringLiteral("Note"),
                           subject}));
        }
    }
    closeCollection(*document);
    return 0;
}

int runNextWatering(Arguments& arguments)
{
    const QString usage = QStringLiteral(
        "spinora-cli next-watering --last \"YYYY-MM-DD HH:MM\" --every N --unit 1..5 [--no-water MM-DD:MM-DD]...");
    const auto last = arguments.takeOption(QStringLiteral("--last"));
    const auto every = arguments.takeOption(QStringLiteral("--every"));
    const auto unit = arguments.takeOption(QStringLiteral("--unit"));
    const QStringList periods = arguments.takeAll(QStringLiteral("--no-water"));
    arguments.positional(0, usage);
    if (!last || !every || !unit)
        throw CliError(localized("usage: %1").arg(usage), 2);

    const QDateTime lastWatered = parseMinute(*last, QStringLiteral("--last"));
    if (periods.size() > 3)
        throw CliError(localized("at most three --no-water periods"), 2);

    Water schedule;
    schedule.setFrequency(parseInteger(*every, QStringLiteral("--every"), 0, 1000000));
    schedule.setFrequencyUnits(parseInteger(*unit, QStringLiteral("--unit"), 1, 5));
    static const QRegularExpression periodPattern(QStringLiteral("^(\\d{1,2})-(\\d{1,2}):(\\d{1,2})-(\\d{1,2})$"));
    for (int i = 0; i < periods.size(); ++i) {
        const auto match = periodPattern.match(periods[i]);
        const QDate from(2000, match.captured(1).toInt(), match.captured(2).toInt());
        const QDate to(2000, match.captured(3).toInt(), match.captured(4).toInt());
        if (!match.hasMatch() || !from.isValid() || !to.isValid())
            throw CliError(localized("--no-water must be MM-DD:MM-DD with real days, not “%1”").arg(periods[i]), 2);
        schedule.setNoWaterDDMM(2 * i + 1, Water::dayMonthCode(from.day(), from.month()));
        schedule.setNoWaterDDMM(2 * i + 2, Water::dayMonthCode(to.day(), to.month()));
    }
    const Timestamp next = schedule.calculateNextWatering(fromDateTime(lastWatered));
    printLine(next ? formatMinute(next) : QStringLiteral("none"));
    return 0;
}

} // namespace spinora::cli
