#include "Backups.h"

#include "AppInfo.h"
#include "AppSettings.h"
#include "CollectionPackage.h"
#include "CollectionSnapshot.h"
#include "FileHelpers.h"
#include "Localization.h"
#include "Messages.h"
#include "PackageCommit.h"
#include "SpinoraDatabase.h"
#include "SqlConnection.h"
#include "UndoHistory.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QStandardPaths>

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>

namespace spinora {

namespace {

const QString kManifest = QStringLiteral("manifest.json");
const QString kPartial = QStringLiteral(".partial");
const char* const kEnabledKey = "backups/enabled";
const char* const kFolderKey = "backups/folder";
const char* const kLimitKey = "backups/limitBytes";

QString packageName(const QString& packagePath)
{
    return QFileInfo(packagePath).fileName();
}

// The failure of a restore whose first snapshot, of the collection as it
// is, could not be taken.
Failure notKeptFirst(const Failure& failure)
{
    return Failure(localized("the collection as it is now could not be kept first, so nothing was changed: %1")
                       .arg(failure.message()),
                   failure.cause());
}

std::optional<Backup> readManifest(const QString& folder)
{
    QFile file(folder + QLatin1Char('/') + kManifest);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QJsonObject manifest = QJsonDocument::fromJson(file.readAll()).object();
    Backup backup;
    backup.folder = folder;
    backup.taken = QDateTime::fromString(manifest.value(QStringLiteral("taken")).toString(), Qt::ISODate).toLocalTime();
    if (!backup.taken.isValid())
        return std::nullopt;
    backup.reason = manifest.value(QStringLiteral("reason")).toString();
    backup.plants = manifest.value(QStringLiteral("plants")).toInteger();
    backup.schedules = manifest.value(QStringLiteral("schedules")).toInteger();
    backup.logs = manifest.value(QStringLiteral("logs")).toInteger();
    backup.photos = manifest.value(QStringLiteral("photos")).toInteger();
    backup.bytes = manifest.value(QStringLiteral("bytes")).toInteger();
    backup.appVersion = manifest.value(QStringLiteral("app_version")).toString();
    backup.damaged = manifest.value(QStringLiteral("damaged")).toBool();
    return backup;
}

// The whole snapshots in one collection's folder, newest first.
std::vector<Backup> snapshotsIn(const QString& collectionFolder)
{
    std::vector<Backup> found;
    for (const QFileInfo& entry : QDir(collectionFolder).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (entry.fileName().endsWith(kPartial))
            continue;
        if (std::optional<Backup> backup = readManifest(entry.absoluteFilePath()))
            found.push_back(std::move(*backup));
    }
    std::sort(found.begin(), found.end(), [](const Backup& a, const Backup& b) {
        return a.taken != b.taken ? a.taken > b.taken : a.name() > b.name();
    });
    return found;
}

// Disk space is counted by file, not by name: a photo linked into ten
// snapshots takes its space once, and none at all while the collection
// itself still holds it.
class SpaceUse {
public:
    void add(const Backup& backup)
    {
        std::vector<Key>& keys = files_[backup.folder];
        QDirIterator it(backup.folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            struct stat info {};
            if (::lstat(QFile::encodeName(it.next()).constData(), &info) != 0)
                continue;
            const Key key{static_cast<quint64>(info.st_dev), static_cast<quint64>(info.st_ino)};
            Node& node = nodes_[key];
            if (node.inside == 0) {
                node.size = info.st_size;
                node.links = static_cast<qint64>(info.st_nlink);
            } else {
                total_ -= contribution(node);
            }
            ++node.inside;
            total_ += contribution(node);
            keys.push_back(key);
        }
    }
    void remove(const Backup& backup)
    {
        for (const Key& key : files_.take(backup.folder)) {
            Node& node = nodes_[key];
            total_ -= contribution(node);
            --node.inside;
            --node.links;
            total_ += contribution(node);
        }
    }
    qint64 total() const { return total_; }

private:
    using Key = std::pair<quint64, quint64>;
    struct Node {
        qint64 size = 0;
        qint64 links = 0;
        qint64 inside = 0;
    };
    static qint64 contribution(const Node& node) { return node.inside > 0 && node.inside >= node.links ? node.size : 0; }

    QHash<Key, Node> nodes_;
    QHash<QString, std::vector<Key>> files_;
    qint64 total_ = 0;
};

} // namespace

// --- Settings

BackupSettings BackupSettings::read()
{
    const auto stored = appSettings();
    BackupSettings settings;
    settings.enabled = stored->value(QLatin1String(kEnabledKey), true).toBool();
    settings.folder = stored->value(QLatin1String(kFolderKey)).toString();
    settings.limitBytes = stored->value(QLatin1String(kLimitKey), kDefaultLimitBytes).toLongLong();
    if (settings.limitBytes <= 0)
        settings.limitBytes = kDefaultLimitBytes;
    return settings;
}

void BackupSettings::write() const
{
    const auto stored = appSettings();
    stored->setValue(QLatin1String(kEnabledKey), enabled);
    stored->setValue(QLatin1String(kFolderKey), folder);
    stored->setValue(QLatin1String(kLimitKey), limitBytes);
    stored->sync();
}

QString BackupSettings::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Spinora/Backups");
}

// --- Snapshots

QString Backup::name() const
{
    return QFileInfo(folder).fileName();
}

QJsonObject Backup::toJson() const
{
    return QJsonObject{
        // With its offset from UTC: a snapshot keeps its moment across a
        // change of time zone or of daylight saving time.
        {QStringLiteral("taken"), taken.toOffsetFromUtc(taken.offsetFromUtc()).toString(Qt::ISODate)},
        {QStringLiteral("reason"), reason},
        {QStringLiteral("plants"), plants},
        {QStringLiteral("schedules"), schedules},
        {QStringLiteral("logs"), logs},
        {QStringLiteral("photos"), photos},
        {QStringLiteral("bytes"), bytes},
        {QStringLiteral("app_version"), appVersion},
        {QStringLiteral("damaged"), damaged},
    };
}

QString Backup::packagePath() const
{
    for (const QFileInfo& entry : QDir(folder).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (entry.suffix() == QLatin1String(kPackageExtension))
            return entry.absoluteFilePath();
    }
    return folder + QStringLiteral("/Collection.") + QLatin1String(kPackageExtension);
}

BackupSet::BackupSet(const QString& packagePath, BackupSettings settings)
    : packagePath_(QDir::cleanPath(QFileInfo(packagePath).absoluteFilePath())), settings_(std::move(settings))
{
    // The name for people browsing the folder, the digits for two
    // collections of one name in different folders.
    const QByteArray id = QCryptographicHash::hash(packagePath_.toUtf8(), QCryptographicHash::Sha1).toHex().left(8);
    folder_ = settings_.root() + QLatin1Char('/') + QFileInfo(packagePath_).completeBaseName() + QLatin1Char('-') +
              QString::fromLatin1(id);
}

QString BackupSet::newSnapshotFolder() const
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-ddTHH-mm-ss"));
    QString name = stamp;
    for (int n = 2; QFileInfo::exists(folder_ + QLatin1Char('/') + name) ||
                    QFileInfo::exists(folder_ + QLatin1Char('/') + name + kPartial);
         ++n)
        name = stamp + QLatin1Char('-') + QString::number(n);
    return folder_ + QLatin1Char('/') + name;
}

Backup BackupSet::describe(Connection* db, const QString& package)
{
    Backup backup;
    Statement counts(db, "SELECT (SELECT count(*) FROM cactus), (SELECT count(*) FROM watering), "
                         "(SELECT count(*) FROM log), (SELECT count(*) FROM image)");
    if (counts.prepared() && counts.stepRow()) {
        backup.plants = counts.integer(0);
        backup.schedules = counts.integer(1);
        backup.logs = counts.integer(2);
        backup.photos = counts.integer(3);
    }
    for (const QFileInfo& file : QDir(package).entryInfoList(QDir::Files)) {
        if (file.fileName().startsWith(QLatin1String(kDatabaseFileName)) || PackageCommit::isPhotoFileName(file.fileName()))
            backup.bytes += file.size();
    }
    // A snapshot of a collection that had lost photo files cannot give them
    // back: it is not the one to offer when they are missing.
    backup.damaged = !CollectionHealth::missingPhotoFiles(db, package).isEmpty();
    return backup;
}

Result<Backup> BackupSet::take(SpinoraDatabase& document, const QString& reason)
{
    const QString partial = newSnapshotFolder() + kPartial;
    const QString copy = partial + QLatin1Char('/') + packageName(packagePath_);
    if (Result<> taken = CollectionSnapshot::take(document, copy, CollectionSnapshot::Layout::Package); !taken) {
        QDir(partial).removeRecursively();
        return taken.failure();
    }
    Backup backup = describe(document.database(), copy);
    backup.reason = reason;
    return finish(partial, std::move(backup));
}

Result<Backup> BackupSet::takeFromFiles(const QString& reason)
{
    const QString partial = newSnapshotFolder() + kPartial;
    const QString copy = partial + QLatin1Char('/') + packageName(packagePath_);
    const QString database = databasePath();
    QString error;
    auto live = CollectionPackage::openConnection(database, Connection::Mode::ReadOnly, &error);
    Result<> taken = live ? CollectionSnapshot::copy(live.get(), packagePath_, copy, CollectionSnapshot::Layout::Package)
                          : Result<>(Failure(formatMessage(msg::kOpenFailed, error)));
    Backup backup;
    if (taken) {
        Statement check(live.get(), "PRAGMA quick_check(1)");
        const bool sound = check.prepared() && check.stepRow() && check.text(0) == QLatin1String("ok");
        backup = describe(live.get(), copy);
        backup.damaged = backup.damaged || !sound;
    } else {
        // What cannot be read page by page is kept as it is on disk, log
        // and all: restoring another snapshot must not lose it.
        QDir(partial).removeRecursively();
        const bool copied = QDir().mkpath(copy) && FileHelpers::copyFileFrom(database, copy + QStringLiteral("/spinora.db")) &&
                            (!QFileInfo::exists(database + QStringLiteral("-wal")) ||
                             FileHelpers::copyFileFrom(database + QStringLiteral("-wal"), copy + QStringLiteral("/spinora.db-wal")));
        if (!copied) {
            const Failure failed = Failure::file(msg::kSaveFailed, copy, errno);
            QDir(partial).removeRecursively();
            return failed;
        }
        if (Result<> linked = CollectionSnapshot::linkPhotoFiles(packagePath_, copy); !linked) {
            QDir(partial).removeRecursively();
            return linked.failure();
        }
        backup.damaged = true;
        backup.bytes = QFileInfo(database).size();
    }
    live.reset();
    backup.reason = reason;
    return finish(partial, std::move(backup));
}

Result<Backup> BackupSet::finish(const QString& partial, Backup backup)
{
    backup.taken = QDateTime::currentDateTime();
    backup.appVersion = QCoreApplication::applicationVersion();
    backup.folder = partial.chopped(kPartial.size());
    QJsonObject fields = backup.toJson();
    fields.insert(QStringLiteral("collection"), packagePath_);
    const QByteArray manifest = QJsonDocument(fields).toJson();
    if (!FileHelpers::writeFile(partial + QLatin1Char('/') + kManifest, manifest, FileHelpers::Durability::Durable) ||
        !FileHelpers::renameFile(partial, backup.folder)) {
        const Failure failed = Failure::file(msg::kSaveFailed, backup.folder, errno);
        QDir(partial).removeRecursively();
        return failed;
    }
    return backup;
}

Result<> BackupSet::takeIfEnabled(SpinoraDatabase& document, const QString& reason)
{
    if (!settings_.enabled)
        return {};
    Result<Backup> taken = take(document, reason);
    if (!taken)
        return Failure(localized("No snapshot of the collection could be kept: %1").arg(taken.failure().message()),
                       taken.failure().cause());
    prune();
    return {};
}

Result<> BackupSet::takeDailyIfDue(SpinoraDatabase& document)
{
    if (!settings_.enabled)
        return {};
    const std::vector<Backup> all = list();
    if (!all.empty() && all.front().taken.date() == QDate::currentDate())
        return {};
    return takeIfEnabled(document, QStringLiteral("daily"));
}

std::vector<Backup> BackupSet::list() const
{
    return snapshotsIn(folder_);
}

std::optional<Backup> BackupSet::newestGood() const
{
    for (const Backup& backup : list()) {
        if (!backup.damaged)
            return backup;
    }
    return std::nullopt;
}

std::optional<Backup> BackupSet::find(const QString& nameOrFolder) const
{
    const QString name = QFileInfo(QDir::cleanPath(nameOrFolder)).fileName();
    for (const Backup& backup : list()) {
        if (backup.name() == name)
            return backup;
    }
    return std::nullopt;
}

void BackupSet::prune(const QDateTime& now) const
{
    const std::vector<Backup> all = list();
    QSet<QString> keep;
    if (!all.empty())
        keep.insert(all.front().folder);
    const auto keepNewestOf = [&](int periods, auto periodOf) {
        QSet<qint64> seen;
        for (const Backup& backup : all) {
            const qint64 period = periodOf(backup.taken.date());
            if (seen.contains(period))
                continue;
            if (seen.size() == periods)
                break;
            seen.insert(period);
            keep.insert(backup.folder);
        }
    };
    keepNewestOf(7, [](QDate day) { return day.toJulianDay(); });
    keepNewestOf(4, [](QDate day) {
        int year = 0;
        const int week = day.weekNumber(&year);
        return qint64(year) * 100 + week;
    });
    keepNewestOf(12, [](QDate day) { return qint64(day.year()) * 100 + day.month(); });
    for (const Backup& backup : all) {
        if (backup.taken > now.addDays(-1))
            keep.insert(backup.folder);
    }
    for (const Backup& backup : all) {
        if (!keep.contains(backup.folder))
            QDir(backup.folder).removeRecursively();
    }
    // What a crash cut short is left an hour, in case another program is
    // still writing it.
    for (const QFileInfo& entry : QDir(folder_).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (entry.fileName().endsWith(kPartial) && entry.lastModified() < now.addSecs(-3600))
            QDir(entry.absoluteFilePath()).removeRecursively();
    }

    // The size limit holds for the whole root: the oldest snapshots of any
    // collection go first, but each collection keeps its newest.
    std::vector<Backup> everyone;
    QSet<QString> newest;
    for (const QFileInfo& collection : QDir(settings_.root()).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        std::vector<Backup> snapshots = snapshotsIn(collection.absoluteFilePath());
        if (!snapshots.empty())
            newest.insert(snapshots.front().folder);
        everyone.insert(everyone.end(), snapshots.begin(), snapshots.end());
    }
    SpaceUse space;
    for (const Backup& backup : everyone)
        space.add(backup);
    std::sort(everyone.begin(), everyone.end(), [](const Backup& a, const Backup& b) { return a.taken < b.taken; });
    for (const Backup& backup : everyone) {
        if (space.total() <= settings_.limitBytes)
            break;
        if (newest.contains(backup.folder))
            continue;
        space.remove(backup);
        QDir(backup.folder).removeRecursively();
    }
}

Result<Backup> BackupSet::restoreFiles(const Backup& backup)
{
    CollectionPackage package;
    package.setPath(packagePath_);
    if (Result<> locked = package.lock(); !locked)
        return locked.failure();
    // The collection as it is now stays a snapshot: a restore can be undone.
    Result<Backup> kept = takeFromFiles(QStringLiteral("restore"));
    if (!kept)
        return notKeptFirst(kept.failure());
    QString error;
    auto live = CollectionPackage::openConnection(databasePath(), Connection::Mode::ReadWrite, &error);
    Result<> restored = live ? CollectionSnapshot::restore(live.get(), packagePath_, backup.packagePath(),
                                                           CollectionSnapshot::Layout::Package)
                             : Result<>(Failure(formatMessage(msg::kOpenFailed, error), Failure::Cause::Damaged));
    live.reset();
    if (!restored && restored.failure().cause() == Failure::Cause::Damaged)
        restored = CollectionSnapshot::restore(nullptr, packagePath_, backup.packagePath(), CollectionSnapshot::Layout::Package);
    package.unlock();
    if (!restored)
        return restored.failure();
    return kept;
}

Result<Backup> BackupSet::restore(SpinoraDatabase& document, const Backup& backup)
{
    if (!document.holdsPackageLock())
        return Failure(localized("the collection was opened read-only"), Failure::Cause::ReadOnly);
    Result<Backup> kept = take(document, QStringLiteral("restore"));
    if (!kept)
        return notKeptFirst(kept.failure());
    if (Result<> restored = CollectionSnapshot::restore(document, backup.packagePath(), true,
                                                        CollectionSnapshot::Layout::Package);
        !restored)
        return restored.failure();
    if (UndoHistory* history = document.undoHistory())
        history->clear();
    prune();
    return kept;
}

// --- Checks at open

QStringList CollectionHealth::missingPhotoFiles(Connection* db, const QString& package)
{
    QStringList missing;
    // A row that keeps its picture itself (older collections) needs no file.
    Statement rows(db, "SELECT pk FROM image WHERE ifnull(length(photo), 0) = 0");
    if (!rows.prepared())
        return missing;
    while (rows.stepRow()) {
        const QString file = QStringLiteral("%1/sp-%2.jpg").arg(package).arg(rows.integer(0));
        if (!QFileInfo::exists(file))
            missing << file;
    }
    return missing;
}

} // namespace spinora
