#include "InterchangeExport.h"

#include "AppInfo.h"
#include "ExportJob.h"
#include "FileHelpers.h"
#include "Image.h"
#include "Localization.h"
#include "Messages.h"
#include "SpinoraDatabase.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdio>
#include <vector>

namespace spinora {

namespace {

const char* const kStampVersion =
    "UPDATE version SET app_identifier=?, app_version=?, export_date=?, num_cacti=?, num_watering=?, num_logs=?, "
    "num_events=?, num_species=?, num_images=? WHERE pk=?";

struct Photo {
    int64_t key;
    int64_t type;
};

// The definitions of a database's tables, then of their indexes and triggers.
QStringList schemaOf(Connection* db)
{
    QStringList definitions;
    Statement st(db, "SELECT sql FROM sqlite_master WHERE sql IS NOT NULL AND name NOT LIKE 'sqlite_%' "
                     "ORDER BY type <> 'table'");
    while (st.prepared() && st.stepRow())
        definitions << st.text(0);
    return definitions;
}

// Makes again, empty, whatever of `schema` the database no longer has.
bool restoreSchema(Connection* db, const QStringList& schema, QString* error)
{
    const QStringList present = schemaOf(db);
    for (const QString& definition : schema) {
        if (!present.contains(definition) && !db->execute(definition, error))
            return false;
    }
    return true;
}

// One run of the export: the snapshot beside the destination, reduced and
// given its photos, then renamed into place.
class Export {
public:
    Export(const ExportRequest& request, JobContext& context) : request_(request), context_(context) {}

    int run();

private:
    bool fail(const QString& reason)
    {
        context_.fail(reason);
        return false;
    }
    bool cancelled() const { return context_.cancelRequested(); }
    QString written() const
    {
        return localized("%1 could not be written").arg(QDir::toNativeSeparators(request_.destination));
    }
    bool snapshot(Connection* source);
    bool reduce(Connection* copy);
    bool addPhotoBlobs(Connection* copy, const std::vector<Photo>& photos);
    bool copyPhotoFiles(const std::vector<Photo>& photos);
    bool putInPlace();

    const ExportRequest& request_;
    JobContext& context_;
    bool package_ = false;
    QString partial_;   // the file or folder being written
    QString database_;  // the snapshot's database file in it
};

int Export::run()
{
    package_ = request_.kind == ExportRequest::Destination::Collection;
    const QFileInfo destination(request_.destination);
    const QString pid = QString::number(QCoreApplication::applicationPid());
    partial_ = package_ ? request_.destination + QStringLiteral(".exporting-") + pid
                        : destination.absolutePath() + QStringLiteral("/.") + destination.fileName() +
                              QStringLiteral(".exporting-") + pid;
    database_ = package_ ? partial_ + QLatin1Char('/') + QString::fromUtf8(kDatabaseFileName) : partial_;
    FileHelpers::removeFileIfExists(partial_);

    bool ok = false;
    {
        {
            auto source = ExportJob::openCollection(request_.collection, context_);
            ok = source && (!package_ || QDir().mkdir(partial_) || fail(written())) && snapshot(source.get());
        }
        if (ok) {
            QString error;
            auto copy = Connection::open(database_, Connection::Mode::ReadWrite, &error);
            std::vector<Photo> photos;
            ok = copy || fail(QStringLiteral("%1: %2").arg(written(), error));
            if (ok) {
                // The snapshot is scratch until it is renamed into place: no
                // journal and no sync per change, one sync at the end.
                copy->execute("PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF;");
                JobContext* job = &context_;
                copy->setInterruptCheck([job] { return job->cancelRequested(); });
                ok = reduce(copy.get());
                Statement keys(copy.get(), "SELECT pk, type FROM image ORDER BY pk");
                while (ok && keys.prepared() && keys.stepRow())
                    photos.push_back({keys.integer(0), keys.integer(1)});
            }
            if (ok && !package_)
                ok = addPhotoBlobs(copy.get(), photos);
            if (copy && !copy->close(&error))
                ok = ok && fail(QStringLiteral("%1: %2").arg(written(), error));
            if (ok && package_)
                ok = copyPhotoFiles(photos);
        }
    }
    ok = ok && !cancelled() && putInPlace();
    FileHelpers::removeFileIfExists(partial_);
    context_.setProgress(100);
    if (ok)
        return kJobFinished;
    return cancelled() ? kJobCancelled : kJobFailed;
}

bool Export::snapshot(Connection* source)
{
    // A compacted copy taken in one read snapshot: another program may change
    // the collection meanwhile.
    Statement vacuum(source, "VACUUM INTO ?");
    vacuum.bind(database_);
    if (!vacuum.prepared() || !vacuum.stepDone())
        return cancelled() || fail(QStringLiteral("%1: %2").arg(written(), source->errorMessage()));
    context_.setProgress(20);
    return !cancelled();
}

bool Export::reduce(Connection* copy)
{
    // The counts of the whole collection, before any filter.
    InterchangeExport::Counts counts{};
    int column = 0;
    for (const char* table : {"cactus", "watering", "log", "event", "species", "image"}) {
        Statement count(copy, QStringLiteral("SELECT count(*) FROM %1").arg(QLatin1String(table)).toStdString());
        counts[size_t(column++)] = count.prepared() && count.stepRow() ? count.integer(0) : 0;
    }
    int64_t versionKey = -1;
    {
        Statement version(copy, "SELECT pk FROM version LIMIT 1");
        if (version.prepared() && version.stepRow())
            versionKey = version.integer(0);
    }
    if (Result<> stamped = InterchangeExport::stampVersionRow(copy, versionKey, counts); !stamped)
        return cancelled() || fail(stamped.failure().reason());
    if (const char* script = InterchangeExport::filterScript(request_.type)) {
        // The filters drop the tables of the kinds left out, as interchange
        // files of a part have always been (importing one with the wrong
        // type fails). A collection package is opened as a whole, though:
        // its dropped tables come back empty, as the collection defined them.
        const QStringList schema = package_ ? schemaOf(copy) : QStringList();
        // A filter that fails would let records out that the export must not
        // carry, so its failure ends the export.
        QString error;
        if (!SpinoraDatabase::updateSchemaForDatabase(copy, QString::fromUtf8(script)) ||
            !restoreSchema(copy, schema, &error) || !copy->execute("VACUUM", &error))
            return cancelled() || fail(localized("%1: the export filter could not be run").arg(written()));
    }
    context_.setProgress(30);
    return !cancelled();
}

bool Export::addPhotoBlobs(Connection* copy, const std::vector<Photo>& photos)
{
    // Every photo in one transaction, one at a time in memory. A photo whose
    // file or thumbnail is missing keeps the blobs the database had.
    Transaction transaction(copy, Transaction::Kind::Exclusive);
    if (!transaction.begun())
        return fail(QStringLiteral("%1: %2").arg(written(), copy->errorMessage()));
    Statement update(copy, "UPDATE image SET photo=?, thumbnail=? WHERE pk=?");
    // The two pictures' memory serves every photo, bound without copies.
    QByteArray photo, thumbnail;
    for (size_t i = 0; i < photos.size(); ++i) {
        if (cancelled())
            return false;
        const QString file = QStringLiteral("%1/sp-%2").arg(request_.collection).arg(photos[i].key);
        photo = Image::readPictureFile(file + QStringLiteral(".jpg"), request_.collection, nullptr, std::move(photo));
        thumbnail =
            Image::readPictureFile(file + QStringLiteral("t.jpg"), request_.collection, nullptr, std::move(thumbnail));
        if (!photo.isEmpty() && !thumbnail.isEmpty()) {
            update.bindView(1, photo);
            update.bindView(2, thumbnail);
            update.bindAt(3, photos[i].key);
            if (!update.stepDone())
                return cancelled() || fail(QStringLiteral("%1: %2").arg(written(), copy->errorMessage()));
            update.reset();
        }
        context_.setProgress(30 + 65.0 * double(i + 1) / double(photos.size()));
    }
    QString error;
    return transaction.commit(&error) || fail(QStringLiteral("%1: %2").arg(written(), error));
}

bool Export::copyPhotoFiles(const std::vector<Photo>& photos)
{
    // The filter kept the photo rows of the exported kinds; only photos of
    // plants and logs have files.
    for (size_t i = 0; i < photos.size(); ++i) {
        if (cancelled())
            return false;
        if (photos[i].type == Image::kCactusPhoto || photos[i].type == Image::kLogPhoto) {
            for (const char* suffix : {"", "t", "ct"}) {
                const QString name = QStringLiteral("sp-%1%2.jpg").arg(photos[i].key).arg(QLatin1String(suffix));
                const QString file = request_.collection + QLatin1Char('/') + name;
                if (QFileInfo::exists(file))
                    FileHelpers::copyFileFrom(file, partial_ + QLatin1Char('/') + name, FileHelpers::Durability::Fast);
            }
        }
        context_.setProgress(30 + 65.0 * double(i + 1) / double(photos.size()));
    }
    return true;
}

bool Export::putInPlace()
{
    // Durable before it takes the destination's place: the old file or
    // package, or the new one, never a mixture.
    FileHelpers::syncFileSystem(partial_);
    const QString destination = request_.destination;
    if (!package_) {
        if (std::rename(QFile::encodeName(partial_).constData(), QFile::encodeName(destination).constData()) != 0)
            return fail(written());
        return true;
    }
    const QString previous = destination + QStringLiteral(".replaced");
    FileHelpers::removeFileIfExists(previous);
    const bool hadDestination = QFileInfo::exists(destination) || QFileInfo(destination).isSymLink();
    if (hadDestination && !QDir().rename(destination, previous))
        return fail(localized("%1 could not be replaced").arg(QDir::toNativeSeparators(destination)));
    if (!QDir().rename(partial_, destination)) {
        if (hadDestination)
            QDir().rename(previous, destination);
        return fail(written());
    }
    FileHelpers::removeFileIfExists(previous);
    return true;
}

} // namespace

int InterchangeExport::run(const ExportRequest& request, JobContext& context)
{
    return Export(request, context).run();
}

Result<> InterchangeExport::stampVersionRow(Connection* db, int64_t versionKey, const Counts& counts)
{
    Statement stamp(db, kStampVersion);
    if (!stamp.prepared())
        return Failure::sql(msg::kPrepareFailed, db);
    stamp.bind(0, kFormatVersionNumber, timestampToColumn(now()), counts[0], counts[1], counts[2], counts[3], counts[4],
               counts[5], versionKey);
    if (!stamp.stepDone())
        return Failure::sql(msg::kStampFailed, db);
    return {};
}

const char* InterchangeExport::filterScript(int exportType)
{
    switch (exportType) {
    case kExchangeCactiAndWatering: return "exportdb_cacti_and_watering.sql";
    case kExchangeCacti: return "exportdb_cacti.sql";
    case kExchangeWatering: return "exportdb_watering.sql";
    default: return nullptr;
    }
}

} // namespace spinora
