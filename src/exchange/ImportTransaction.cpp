#include "ImportTransaction.h"

#include "AppInfo.h"
#include "FileHelpers.h"
#include "Image.h"
#include "JobContext.h"
#include "Localization.h"
#include "ReadAheadVfs.h"
#include "TextCompare.h"
#include "Timestamp.h"

#include <QDir>
#include <QSet>
#include <QUrl>

#include <sqlite3.h>

#include <algorithm>
#include <set>

namespace spinora {

namespace {

// A collection's pages an import changes stay in memory up to this size
// before SQLite writes them into the file ahead of the commit.
constexpr const char* kImportCacheSize = "PRAGMA cache_size=-16384;";

// The names of a table's columns, as the collection declares them.
QStringList columnsOf(Connection* db, const QString& table)
{
    QStringList columns;
    Statement st(db, QStringLiteral("PRAGMA main.table_info(\"%1\")").arg(table).toStdString());
    while (st.prepared() && st.stepRow())
        columns << st.text(1);
    return columns;
}

// A name as the collection will store it in a text column, read without a
// copy; null for a value that counts as no name (NULL or empty text).
QByteArray storedName(sqlite3_value* value)
{
    const int type = sqlite3_value_type(value);
    const void* data = sqlite3_value_blob(value);
    const int size = sqlite3_value_bytes(value);
    if (type == SQLITE_NULL || (type == SQLITE_TEXT && size == 0))
        return {};
    return size > 0 ? QByteArray::fromRawData(static_cast<const char*>(data), size) : QByteArray("");
}

} // namespace

bool runSql(ImportTransaction& transaction, const QString& sql)
{
    QString error;
    if (transaction.db()->execute(sql, &error))
        return true;
    return transaction.fail(localized("The collection could not be written: %1").arg(error));
}

ImportTransaction::ImportTransaction(const ImportRequest& request, JobContext& context)
    : request_(request), context_(context),
      staging_(request.collection + QLatin1Char('/') + QLatin1String(PackageCommit::kStagingFolder)),
      commit_(request.collection)
{
}

ImportTransaction::~ImportTransaction()
{
    if (!commit_.committed())
        rollBack();
    FileHelpers::removeFileIfExists(staging_);
}

QString ImportTransaction::databasePath() const
{
    return request_.collection + QLatin1Char('/') + QString::fromUtf8(kDatabaseFileName);
}

bool ImportTransaction::fail(const QString& reason)
{
    // A statement stopped by the user's cancel fails too; that is the cancel.
    if (!context_.cancelRequested())
        context_.fail(reason);
    return false;
}

bool ImportTransaction::fail(const Failure& failure)
{
    if (!context_.cancelRequested())
        context_.fail(failure);
    return false;
}

bool ImportTransaction::cancelled() const
{
    return context_.cancelRequested();
}

bool ImportTransaction::open()
{
    QString error;
    db_ = Connection::open(databasePath(), Connection::Mode::ReadWrite, &error);
    if (!db_)
        return fail(localized("The collection's database could not be opened: %1").arg(error));
    // Files from elsewhere are read through this connection: no schema
    // function of theirs runs, no value larger than a photo is loaded, and
    // every statement stops when the user cancels.
    db_->execute(kImportCacheSize);
    db_->execute("PRAGMA trusted_schema=OFF;");
    db_->setLengthLimit(static_cast<int>(Image::kMaxPictureFileBytes));
    JobContext* context = &context_;
    db_->setInterruptCheck([context] { return context->cancelRequested(); });
    // A staging folder left by a job that died goes; this job's starts empty.
    FileHelpers::removeFileIfExists(staging_);
    if (!QDir().mkpath(staging_))
        return fail(localized("The folder %1 could not be made.").arg(QDir::toNativeSeparators(staging_)));
    return true;
}

void ImportTransaction::noteEvent(sqlite3_value* name)
{
    // A blob stays one in the text column, and is compared as one there.
    noted_.blobEvent = noted_.blobEvent || sqlite3_value_type(name) == SQLITE_BLOB;
    if (const QByteArray stored = storedName(name); !stored.isNull() && !noted_.seenEvents.contains(stored)) {
        noted_.events.emplace_back(stored.constData(), stored.size());
        noted_.seenEvents.insert(noted_.events.back());
    }
}

void ImportTransaction::noteSpecies(sqlite3_value* scientific, sqlite3_value* common)
{
    const QByteArray scientificName = storedName(scientific), commonName = storedName(common);
    if (scientificName.isNull() || commonName.isNull() || noted_.seenSpecies.contains({scientificName, commonName}))
        return;
    std::pair<QByteArray, QByteArray> names{QByteArray(scientificName.constData(), scientificName.size()),
                                            QByteArray(commonName.constData(), commonName.size())};
    noted_.seenSpecies.insert(names);
    noted_.species.push_back(std::move(names));
}

bool ImportTransaction::attachReadOnly(const QString& path, const char* name, QString* error)
{
    // Read front to back: its pages are read ahead (ReadAheadVfs.h).
    QString uri = QStringLiteral("file:") +
                  QString::fromLatin1(QUrl::toPercentEncoding(QDir(path).absolutePath(), "/")) +
                  QStringLiteral("?mode=ro");
    if (const char* vfs = readAheadVfsName())
        uri += QStringLiteral("&vfs=") + QLatin1String(vfs);
    Statement attach(db_.get(), QStringLiteral("ATTACH DATABASE ? AS %1").arg(QLatin1String(name)).toStdString());
    if (!attach.prepared()) {
        *error = db_->errorMessage();
        return false;
    }
    attach.bind(uri);
    if (!attach.stepDone()) {
        *error = db_->errorMessage();
        return false;
    }
    // Read front to back and once: a small cache, whatever the file's size.
    db_->execute(QStringLiteral("PRAGMA %1.cache_size=50;").arg(QLatin1String(name)));
    return true;
}

bool ImportTransaction::detach(const char* name)
{
    return db_->execute(QStringLiteral("DETACH DATABASE %1").arg(QLatin1String(name)));
}

bool ImportTransaction::begin()
{
    // Attaching is not possible inside a transaction.
    QString error;
    if (request_.replaceCollection && !attachReadOnly(request_.templateDatabase, "template", &error))
        return fail(localized("The template could not be read: %1").arg(error));
    // The write lock first: nothing of the collection is read before it.
    if (!db_->execute("BEGIN IMMEDIATE", &error))
        return fail(localized("The collection could not be locked for the import: %1").arg(error));
    begun_ = true;
    // Photo files that no row names are what a job that died between moving
    // its photos in and its commit left behind.
    QSet<int64_t> keys;
    {
        Statement st(db_.get(), "SELECT pk FROM main.image");
        if (!st.prepared())
            return fail(localized("The collection could not be read: %1").arg(db_->errorMessage()));
        while (st.stepRow())
            keys.insert(st.integer(0));
    }
    PackageCommit::removeUnreferencedPhotos(request_.collection, keys);
    if (request_.replaceCollection && !replaceWithTemplate())
        return false;
    before_ = countRecords();
    Statement last(db_.get(), "SELECT ifnull((SELECT max(pk) FROM main.log), 0), ifnull((SELECT max(pk) FROM main.cactus), 0)");
    if (!last.prepared() || !last.stepRow())
        return fail(localized("The collection could not be read: %1").arg(db_->errorMessage()));
    lastLogBefore_ = last.integer(0);
    lastCactusBefore_ = last.integer(1);
    return true;
}

RecordCounts ImportTransaction::countRecords() const
{
    Statement st(db_.get(), "SELECT (SELECT count(*) FROM main.cactus), (SELECT count(*) FROM main.watering), "
                            "(SELECT count(*) FROM main.log)");
    if (!st.prepared() || !st.stepRow())
        return {};
    return {st.integer(0), st.integer(1), st.integer(2)};
}

bool ImportTransaction::replaceWithTemplate()
{
    // Everything of the collection goes; the template's records take its
    // place, its version row with a new creation date.
    for (const char* table : {"version", "cactus", "watering", "log", "event", "species", "image"}) {
        const QString name = QString::fromLatin1(table);
        const QString columns = columnsOf(db_.get(), name).join(QStringLiteral(", "));
        if (!runSql(*this, QStringLiteral("DELETE FROM main.%1; INSERT INTO main.%1 (%2) SELECT %2 FROM template.%1;")
                               .arg(name, columns)))
            return false;
    }
    return runSql(*this, QStringLiteral("UPDATE main.version SET creation_date=%1").arg(*now(), 0, 'f', 3));
}

bool ImportTransaction::reservePhotoKeys()
{
    int64_t highestRow = 0;
    {
        Statement st(db_.get(), "SELECT ifnull(max(pk), 0) FROM main.image");
        if (st.prepared() && st.stepRow())
            highestRow = st.integer(0);
    }
    const int64_t highestFile = PackageCommit::highestPhotoFileKey(request_.collection);
    commit_.addPhotosAbove(std::max(highestRow, highestFile));
    if (highestFile <= highestRow)
        return true;
    // A placeholder row at the highest file key: the rows inserted after it
    // get the keys above (SQLite's next key is the largest plus one).
    Statement reserve(db_.get(), "INSERT INTO main.image (pk, type, key, tag) VALUES(?, -1, -1, -1)");
    reserve.bind(highestFile);
    if (!reserve.prepared() || !reserve.stepDone())
        return fail(localized("The collection could not be written: %1").arg(db_->errorMessage()));
    placeholder_ = highestFile;
    return true;
}

bool ImportTransaction::releasePhotoKeys()
{
    if (placeholder_ == 0)
        return true;
    Statement release(db_.get(), "DELETE FROM main.image WHERE pk=?");
    release.bind(placeholder_);
    if (!release.prepared() || !release.stepDone())
        return fail(localized("The collection could not be written: %1").arg(db_->errorMessage()));
    placeholder_ = 0;
    return true;
}

bool ImportTransaction::addDefaultEvents()
{
    QSet<QString> existing;
    QStringList names;
    {
        Statement st(db_.get(), "SELECT name FROM main.event");
        while (st.prepared() && st.stepRow())
            existing.insert(st.text(0));
    }
    // The names the logs use, each once as stored, are kept for
    // addEventsFromLogs: the logs are read once for both. Those of the
    // copied logs were noted as they came in.
    const bool noted = namesNoted_ && !noted_.blobEvent;
    if (!runSql(*this, QStringLiteral("CREATE TEMP TABLE log_events AS "
                                      "SELECT DISTINCT event AS name FROM main.log WHERE ifnull(event, '') <> ''%1")
                           .arg(noted ? QStringLiteral(" AND pk <= %1").arg(lastLogBefore_) : QString())))
        return false;
    if (noted) {
        Statement add(db_.get(), "INSERT INTO temp.log_events (name) VALUES(CAST(? AS TEXT))");
        for (const QByteArray& name : noted_.events) {
            add.bind(name);
            if (!add.stepDone())
                return fail(localized("The collection could not be written: %1").arg(db_->errorMessage()));
            add.reset();
        }
    }
    logEventsNoted_ = true;
    {
        Statement used(db_.get(), "SELECT name FROM temp.log_events");
        while (used.prepared() && used.stepRow())
            names << used.text(0);
    }
    for (const char* name : {QT_TRID_NOOP("Fertilized"), QT_TRID_NOOP("Flowered"), QT_TRID_NOOP("Planted"),
                             QT_TRID_NOOP("Purchased"), QT_TRID_NOOP("Repotted"), QT_TRID_NOOP("Sold")})
        names << localized(name);
    names.removeDuplicates();
    std::sort(names.begin(), names.end(),
              [](const QString& a, const QString& b) { return text::localizedCaseInsensitiveCompare(a, b) < 0; });
    Statement insert(db_.get(), "INSERT INTO main.event (name) VALUES(?)");
    for (const QString& name : names) {
        if (existing.contains(name))
            continue;
        insert.bind(name);
        if (!insert.stepDone())
            return fail(localized("The collection could not be written: %1").arg(db_->errorMessage()));
        insert.reset();
    }
    return true;
}

bool ImportTransaction::addSpeciesFromCacti()
{
    // Species compare by both names in the user's language, where "a" and
    // "A" or two spellings of one letter may be equal.
    using Names = std::pair<QString, QString>; // scientific, common
    struct LocalizedLess {
        bool operator()(const Names& a, const Names& b) const
        {
            const int order = text::localizedCompare(a.first, b.first);
            return order != 0 ? order < 0 : text::localizedCompare(a.second, b.second) < 0;
        }
    };
    std::set<Names, LocalizedLess> known;
    {
        Statement st(db_.get(), "SELECT scientific, name FROM main.species");
        while (st.prepared() && st.stepRow())
            known.insert({st.text(0), st.text(1)});
    }
    // Each pair of names at its first plant. Most plants repeat a pair: they
    // are known by the stored bytes, read without a copy, before any text
    // is made of them. The pairs of the copied plants, which come after the
    // others, were noted as they came in.
    Statement plants(db_.get(), QStringLiteral("SELECT scientific_name, common_name FROM main.cactus WHERE "
                                               "ifnull(common_name, '') <> '' AND ifnull(scientific_name, '') <> ''%1 "
                                               "ORDER BY pk")
                                    .arg(namesNoted_ ? QStringLiteral(" AND pk <= %1").arg(lastCactusBefore_) : QString())
                                    .toStdString());
    QSet<std::pair<QByteArray, QByteArray>> seen;
    std::vector<Names> missing;
    auto add = [&](const QByteArray& scientific, const QByteArray& common) {
        if (seen.contains({scientific, common}))
            return;
        seen.insert({QByteArray(scientific.constData(), scientific.size()), QByteArray(common.constData(), common.size())});
        Names names{QString::fromUtf8(scientific), QString::fromUtf8(common)};
        if (known.insert(names).second)
            missing.push_back(std::move(names));
    };
    while (plants.prepared() && plants.stepRow())
        add(plants.blobView(0), plants.blobView(1));
    for (const auto& [scientific, common] : noted_.species)
        add(scientific, common);
    Statement insert(db_.get(), "INSERT INTO main.species (name, scientific) VALUES(?, ?)");
    for (const Names& names : missing) {
        if (cancelled())
            return false;
        insert.bind(names.second, names.first);
        if (!insert.stepDone())
            return fail(localized("The collection could not be written: %1").arg(db_->errorMessage()));
        insert.reset();
    }
    return true;
}

bool ImportTransaction::addEventsFromLogs()
{
    // Once the default events are in, the logs' names nearly always are too.
    if (logEventsNoted_) {
        Statement missing(db_.get(), "SELECT EXISTS (SELECT 1 FROM temp.log_events WHERE name NOT IN "
                                     "(SELECT name FROM main.event WHERE name IS NOT NULL))");
        if (missing.prepared() && missing.stepRow() && missing.integer(0) == 0)
            return true;
    }
    return runSql(*this, QStringLiteral("INSERT INTO main.event (name) SELECT event FROM main.log "
                                        "WHERE ifnull(event, '') <> '' AND event NOT IN "
                                        "(SELECT name FROM main.event WHERE name IS NOT NULL) "
                                        "GROUP BY event ORDER BY min(pk)"));
}

int ImportTransaction::finish(bool merged)
{
    // Decided once: a cancel that arrives after this point is too late.
    if (!merged || !releasePhotoKeys() || cancelled()) {
        rollBack();
        return cancelled() ? kJobCancelled : kJobFailed;
    }
    db_->setInterruptCheck(nullptr);
    const RecordCounts after = countRecords();
    // The photos must be on disk before the database that names them.
    commit_.syncNewPhotos();
    crashPoint("move");
    QString error;
    if (!db_->execute("COMMIT", &error)) {
        context_.fail(localized("The import could not be saved: %1").arg(error));
        rollBack();
        return kJobFailed;
    }
    begun_ = false;
    commit_.setCommitted();
    added_ = {after.cacti - before_.cacti, after.watering - before_.watering, after.logs - before_.logs};
    crashPoint("commit");
    if (request_.replaceCollection)
        commit_.removeAllOtherPhotos();
    FileHelpers::removeFileIfExists(staging_);
    context_.setProgress(100);
    return kJobFinished;
}

void ImportTransaction::rollBack()
{
    if (begun_ && db_) {
        db_->setInterruptCheck(nullptr);
        db_->execute("ROLLBACK");
        begun_ = false;
    }
    commit_.removeNewPhotos();
}

} // namespace spinora
