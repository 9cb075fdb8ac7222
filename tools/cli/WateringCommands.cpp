#include "WateringCommands.h"

#include "AppInfo.h"
#include "CollectionCommands.h"
#include "DesktopNotification.h"
#include "DueRules.h"
#include "Localization.h"
#include "MarkAsWatered.h"
#include "RecentDocuments.h"
#include "SpinoraDatabase.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>

namespace spinora::cli {

namespace {

const QString kDueUsage =
    QStringLiteral("spinora-cli due [PATH.sdb...] [--on YYYY-MM-DD] [--json] [--notify [--wait SECONDS]]");
const QString kWaterUsage =
    QStringLiteral("spinora-cli water PATH.sdb (--schedule NAME | --cactus NAME)... [--at \"YYYY-MM-DD HH:MM\"]");

// How long --notify waits for the "Open" action: a notification read in the
// afternoon still opens the app.
constexpr int kDefaultWaitSeconds = 8 * 3600;

// One collection's due items, read when the collection was open.
struct CollectionDue {
    QString path;
    struct Row {
        QString schedule; // empty: the plant follows no schedule
        bool hasSchedule = false;
        QStringList cacti;
        Timestamp next;
        qint64 daysOverdue = 0;
    };
    std::vector<Row> watering;
    struct Reminder {
        QString log;
        QString cactus;
        Timestamp date;
    };
    std::vector<Reminder> reminders;

    int plants() const
    {
        int count = 0;
        for (const Row& row : watering)
            count += row.cacti.isEmpty() ? 1 : int(row.cacti.size());
        return count;
    }
    bool empty() const { return watering.empty() && reminders.empty(); }
};

CollectionDue readDue(const QString& path, const QDate& day)
{
    auto document = openCollection(path, true);
    CollectionDue result;
    result.path = document->packageFilename();
    const DueItems items = dueBy(*document, due::endOfDay(day));
    for (const DueWatering& group : items.watering) {
        CollectionDue::Row row;
        row.hasSchedule = group.schedule != nullptr;
        row.schedule = group.schedule ? group.schedule->name() : QString();
        for (const Cactus* cactus : group.cacti)
            row.cacti << cactus->name();
        row.next = group.next;
        row.daysOverdue = std::max<qint64>(0, toDateTime(group.next).date().daysTo(day));
        result.watering.push_back(row);
    }
    for (const Log* log : items.reminders) {
        result.reminders.push_back({log->eventName().isEmpty() ? log->noteSummary() : log->eventName(),
                                    log->cactus() ? log->cactus()->name() : QString(), log->logDate()});
    }
    closeCollection(*document);
    return result;
}

QString isoMoment(const Timestamp& t)
{
    return toDateTime(t).toOffsetFromUtc(toDateTime(t).offsetFromUtc()).toString(Qt::ISODate);
}

QJsonObject toJson(const CollectionDue& due)
{
    QJsonArray watering;
    for (const CollectionDue::Row& row : due.watering) {
        watering.append(QJsonObject{{QStringLiteral("schedule"), row.hasSchedule ? QJsonValue(row.schedule) : QJsonValue()},
                                    {QStringLiteral("cacti"), QJsonArray::fromStringList(row.cacti)},
                                    {QStringLiteral("next"), isoMoment(row.next)},
                                    {QStringLiteral("days_overdue"), row.daysOverdue}});
    }
    QJsonArray reminders;
    for (const CollectionDue::Reminder& reminder : due.reminders) {
        reminders.append(QJsonObject{{QStringLiteral("log"), reminder.log},
                                     {QStringLiteral("cactus"), reminder.cactus.isEmpty() ? QJsonValue() : QJsonValue(reminder.cactus)},
                                     {QStringLiteral("date"), isoMoment(reminder.date)}});
    }
    return QJsonObject{{QStringLiteral("collection"), due.path},
                       {QStringLiteral("watering"), watering},
                       {QStringLiteral("reminders"), reminders}};
}

QString overdueText(qint64 days)
{
    if (days == 0)
        return localized("due");
    return days == 1 ? localized("1 day overdue") : localized("%1 days overdue").arg(days);
}

void printPlain(const CollectionDue& due)
{
    // Each line under the collection is indented; the indent is no part of the sentence.
    const auto indented = [](const QString& line) { printLine(QStringLiteral("  ") + line); };
    printLine(due.path);
    if (due.empty())
        indented(localized("nothing due"));
    for (const CollectionDue::Row& row : due.watering) {
        const QString schedule = row.hasSchedule ? row.schedule : localized("(no schedule)");
        const QStringList plants = row.cacti.isEmpty() ? QStringList{localized("(no plants)")} : row.cacti;
        for (const QString& plant : plants)
            indented(localized("%1: %2, next watering %3, %4")
                         .arg(schedule, plant, formatMinute(row.next), overdueText(row.daysOverdue)));
    }
    for (const CollectionDue::Reminder& reminder : due.reminders) {
        const QString day = toDateTime(reminder.date).date().toString(Qt::ISODate);
        indented(reminder.cactus.isEmpty() ? localized("reminder: %1, %2").arg(reminder.log, day)
                                           : localized("reminder: %1 (%2), %3").arg(reminder.log, reminder.cactus, day));
    }
}

QString countText(int count, const char* one, const char* many)
{
    return count == 1 ? QString::fromUtf8(one) : QStringLiteral("%1 %2").arg(count).arg(QString::fromUtf8(many));
}

DesktopNotification::Message notificationFor(const std::vector<CollectionDue>& all, const QDate& day)
{
    int plants = 0;
    int reminders = 0;
    QStringList names;
    for (const CollectionDue& due : all) {
        plants += due.plants();
        reminders += int(due.reminders.size());
        for (const CollectionDue::Row& row : due.watering)
            names << (row.cacti.isEmpty() ? QStringList{row.schedule} : row.cacti);
        for (const CollectionDue::Reminder& reminder : due.reminders)
            names << reminder.log;
    }
    // Whole sentences, so that a language may order and inflect them.
    const QString plantsText = plants == 1 ? localized("1 plant to water") : localized("%1 plants to water").arg(plants);
    const QString remindersText = reminders == 1 ? localized("1 reminder") : localized("%1 reminders").arg(reminders);
    const QString what = plants > 0 && reminders > 0 ? localized("%1 and %2").arg(plantsText, remindersText)
                         : plants > 0                ? plantsText
                                                     : remindersText;
    const QString title = day == toDateTime(now()).date()
                              ? localized("%1 today").arg(what)
                              : localized("%1 by %2").arg(what, QLocale().toString(day, QLocale::ShortFormat));
    constexpr int kShown = 4;
    QString body = names.mid(0, kShown).join(QStringLiteral(", "));
    if (names.size() > kShown)
        body = localized("%1 and %2 more").arg(body).arg(names.size() - kShown);
    // Notification bodies may be read as markup.
    return {title, body.toHtmlEscaped(), QLatin1String(kApplicationIdentifier)};
}

// The desktop app: beside this program when installed, else on the PATH,
// else in the build folder's layout.
QString spinoraProgram()
{
    const QString here = QCoreApplication::applicationDirPath();
    if (QFileInfo(here + QStringLiteral("/spinora")).isExecutable())
        return here + QStringLiteral("/spinora");
    const QString onPath = QStandardPaths::findExecutable(QStringLiteral("spinora"));
    if (!onPath.isEmpty())
        return onPath;
    const QString built = QDir::cleanPath(here + QStringLiteral("/../../src/app/spinora"));
    return QFileInfo(built).isExecutable() ? built : QStringLiteral("spinora");
}

int notify(const std::vector<CollectionDue>& all, const QDate& day, int waitSeconds)
{
    const auto firstDue = std::find_if(all.begin(), all.end(), [](const CollectionDue& due) { return !due.empty(); });
    if (firstDue == all.end()) {
        printLine(localized("nothing due: no notification"));
        return 0;
    }
    DesktopNotification notification;
    const QString error = notification.post(notificationFor(all, day));
    if (!error.isEmpty())
        throw CliError(error, 2);
    if (!notification.waitForOpen(waitSeconds))
        return 0;
    // The collection with plants to water first, on its Watering tab.
    const auto watering = std::find_if(all.begin(), all.end(), [](const CollectionDue& due) { return !due.watering.empty(); });
    const CollectionDue& shown = watering != all.end() ? *watering : *firstDue;
    const QStringList arguments = {QStringLiteral("--show"),
                                   watering != all.end() ? QStringLiteral("watering") : QStringLiteral("logs"), shown.path};
    const QString program = spinoraProgram();
    if (!QProcess::startDetached(program, arguments))
        throw CliError(localized("%1 could not be started").arg(program));
    printLine(QStringLiteral("opened %1 %2").arg(program, arguments.join(QLatin1Char(' '))));
    return 0;
}

// Every record of each name: names are not unique (a duplicated plant keeps
// its name), and a grower who names one means them all. An unknown name
// stops everything before anything changed.
template <class Record>
void addNamed(std::vector<Record*>& chosen, const std::vector<std::unique_ptr<Record>>& records,
              const QStringList& names, const char* unknown)
{
    for (const QString& name : names) {
        const size_t before = chosen.size();
        for (const auto& record : records) {
            if (record->name() == name)
                chosen.push_back(record.get());
        }
        if (chosen.size() == before)
            throw CliError(localized(unknown).arg(name));
    }
}

} // namespace

int runDue(Arguments& arguments)
{
    const bool json = arguments.takeFlag(QStringLiteral("--json"));
    const bool notifyFlag = arguments.takeFlag(QStringLiteral("--notify"));
    const auto on = arguments.takeOption(QStringLiteral("--on"));
    const auto wait = arguments.takeOption(QStringLiteral("--wait"));
    QStringList paths = arguments.rest(kDueUsage);
    QDate day = toDateTime(now()).date();
    if (on) {
        day = QDate::fromString(*on, Qt::ISODate);
        if (!day.isValid())
            throw CliError(localized("--on must be a date as YYYY-MM-DD, not “%1”").arg(*on), 2);
    }
    const int waitSeconds = wait ? parseInteger(*wait, QStringLiteral("--wait"), 0, 7 * 24 * 3600) : kDefaultWaitSeconds;
    if (paths.isEmpty())
        paths = RecentDocuments().paths();

    std::vector<CollectionDue> all;
    int status = 0;
    for (const QString& path : paths) {
        try {
            all.push_back(readDue(path, day));
        } catch (const CliError& error) {
            // One collection that cannot be read does not hide the others.
            printError(QString::fromStdString(error.what()));
            status = 1;
        }
    }
    if (notifyFlag) {
        const int notified = notify(all, day, waitSeconds);
        return status ? status : notified;
    }
    if (json) {
        QJsonArray collections;
        for (const CollectionDue& due : all)
            collections.append(toJson(due));
        std::fputs(QJsonDocument(collections).toJson(QJsonDocument::Indented).constData(), stdout);
    } else {
        if (paths.isEmpty())
            printLine(localized("no collection named and no recent collection to check"));
        for (const CollectionDue& due : all)
            printPlain(due);
    }
    return status;
}

int runWater(Arguments& arguments)
{
    const QStringList scheduleNames = arguments.takeAll(QStringLiteral("--schedule"));
    const QStringList cactusNames = arguments.takeAll(QStringLiteral("--cactus"));
    const auto at = arguments.takeOption(QStringLiteral("--at"));
    const QString path = arguments.positional(1, kWaterUsage).first();
    if (scheduleNames.isEmpty() && cactusNames.isEmpty())
        throw CliError(localized("name at least one --schedule or --cactus") + QLatin1Char('\n') +
                           localized("usage: %1").arg(kWaterUsage),
                       2);
    // The moment as it is shown, to the minute, as the window's sheet keeps it.
    const QDateTime current = toDateTime(now());
    QDateTime moment(current.date(), QTime(current.time().hour(), current.time().minute()));
    if (at) {
        moment = parseMinute(*at, QStringLiteral("--at"));
        if (moment > current)
            throw CliError(localized("--at %1 lies in the future; a watering can only be recorded once it is done").arg(*at), 2);
    }

    auto document = openCollection(path, false);
    WateredRecords watered;
    addNamed(watered.schedules, document->watering(), scheduleNames,
             QT_TRID_NOOP("no watering schedule is named “%1”; nothing was changed"));
    addNamed(watered.cacti, document->cacti(), cactusNames, QT_TRID_NOOP("no cactus is named “%1”; nothing was changed"));
    orExit(markAsWatered(*document, watered, fromDateTime(moment)), localized("the watering could not be recorded"));
    for (const Water* water : watered.schedules)
        printLine(QStringLiteral("%1: watered %2, next %3 (%4)")
                      .arg(water->name(), formatMinute(water->lastWatered()),
                           water->waterNext() ? formatMinute(water->waterNext()) : QStringLiteral("none"),
                           countText(int(water->cacti().size()), "1 cactus", "cacti")));
    for (const Cactus* cactus : watered.cacti)
        printLine(QStringLiteral("%1: watered %2, next %3")
                      .arg(cactus->name(), formatMinute(cactus->lastWatered()),
                           cactus->waterNext() ? formatMinute(cactus->waterNext()) : QStringLiteral("none")));
    closeCollection(*document);
    return 0;
}

} // namespace spinora::cli
