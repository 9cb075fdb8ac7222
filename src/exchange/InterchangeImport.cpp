#include "InterchangeImport.h"

#include "AppInfo.h"
#include "BackgroundJobs.h"
#include "InternalError.h"
#include "ListController.h"
#include "Messages.h"
#include "SpinoraDatabase.h"
#include "SpinoraUtility.h"
#include "TextCompare.h"
#include "WorkFiles.h"

#include <QBuffer>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QImageReader>
#include <QRegularExpression>

#include <sqlite3.h>

#include <type_traits>
#include <unordered_map>

namespace spinora {

namespace {

enum ImportType { kComplete = 0, kCactiAndWatering = 1, kCacti = 2, kWatering = 3 };

bool isPicture(const QByteArray& data)
{
    if (data.isEmpty())
        return true; // no picture at all is allowed; a picture that cannot be read is not
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    return QImageReader(&buffer).size().isValid();
}

// The highest key named by a photo file in a package ("sp-12.jpg", "sp-12t.jpg", ...).
int64_t highestPhotoFileKey(const QString& package)
{
    static const QRegularExpression name(QStringLiteral("^sp-(\\d+)(t|ct)?\\.jpg$"));
    int64_t highest = 0;
    const QStringList files = QDir(package).entryList({QStringLiteral("sp-*.jpg")}, QDir::Files);
    for (const QString& file : files) {
        const auto match = name.match(file);
        if (match.hasMatch())
            highest = std::max<int64_t>(highest, match.captured(1).toLongLong());
    }
    return highest;
}

// Every file with the extension "jpg" below a folder, as paths relative to it.
QStringList jpegFilesBelow(const QString& folder)
{
    QStringList files;
    QDirIterator it(folder, {QStringLiteral("*.jpg")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(folder).relativeFilePath(it.next());
    return files;
}

// One run of the merge step: the incoming database, the key maps and the
// progress count.
class Merge {
public:
    explicit Merge(SpinoraDatabase& document) : document_(document), type_(document.importType()) {}

    bool run();

private:
    bool failWith(const QString& reason)
    {
        if (!failed_) {
            failed_ = true;
            document_.setJobError(reason);
        }
        return false;
    }
    bool stopped() const { return failed_ || cancelled_; }
    // Answers false (and stops the merge) when a cancel was asked for.
    bool nextRow()
    {
        if (document_.importAborted()) {
            cancelled_ = true;
            return false;
        }
        return true;
    }
    void visited()
    {
        ++visited_;
        if (base_ > 0)
            SpinoraUtility::sharedManager().importProgressUpdate(std::min(100.0, double(visited_) * 100.0 / double(base_)));
    }
    // The keys of an incoming table; nullopt when the table is not there.
    std::optional<std::vector<int64_t>> keysOf(const char* sql);

    bool openIncoming();
    bool readVersion();
    void importPhotos();
    void importWatering();
    void importCacti();
    void importLogs();
    void importEvents();
    void importSpecies();
    void linkPhotos();
    void speciesFromCacti();
    void eventsFromLogs();

    // Copies one record into the working copy: load from the incoming file,
    // hydrate, adjust its links, insert, save. Answers the stored record or null.
    template <class T, class Adjust>
    T* copyRecord(int64_t key, std::vector<std::unique_ptr<T>>& into, Adjust adjust);
    // Copies every row of a table, noting old key -> new key. A missing
    // table is an error only when `required`.
    template <class T, class Adjust>
    void importRecords(const char* sql, bool required, const QString& missing, std::vector<std::unique_ptr<T>>& into,
                       std::unordered_map<int64_t, int64_t>& keys, Adjust adjust);
    // Copies the rows whose text (event name, scientific name) is present and
    // none of the records there before the step has.
    template <class T, class Text>
    void importNew(const char* sql, std::vector<std::unique_ptr<T>>& into, Text textOf,
                   std::type_identity_t<std::vector<T*>>* alsoInto);
    // The key a record got in the working copy; 0 when it was not imported.
    static int64_t newKey(const std::unordered_map<int64_t, int64_t>& keys, int64_t old)
    {
        const auto it = keys.find(old);
        return it != keys.end() ? it->second : 0;
    }

    SpinoraDatabase& document_;
    const int type_;
    std::unique_ptr<Connection> incoming_;
    bool failed_ = false;
    bool cancelled_ = false;
    int64_t visited_ = 0;
    int64_t base_ = 0;
    std::unordered_map<int64_t, int64_t> wateringKeys_;
    std::unordered_map<int64_t, int64_t> cactusKeys_;
    std::unordered_map<int64_t, int64_t> logKeys_;
    std::vector<Image*> newPhotos_;
};

std::optional<std::vector<int64_t>> Merge::keysOf(const char* sql)
{
    Statement st(incoming_.get(), sql);
    if (!st.prepared())
        return std::nullopt;
    std::vector<int64_t> keys;
    int rc;
    while ((rc = st.step()) == SQLITE_ROW)
        keys.push_back(st.integer(0));
    if (rc != SQLITE_DONE) {
        failWith(QStringLiteral("The file could not be read: %1").arg(incoming_->errorMessage()));
        return std::vector<int64_t>();
    }
    return keys;
}

bool Merge::openIncoming()
{
    QString error;
    incoming_ = Connection::open(WorkFiles::importDatabase(), Connection::Mode::ReadWrite, &error);
    if (!incoming_)
        return failWith(QStringLiteral("The file could not be opened: %1").arg(error));
    if (!incoming_->execute("PRAGMA cache_size=50;", &error))
        return failWith(QStringLiteral("The file is not a Spinora database: %1").arg(error));
    Statement check(incoming_.get(), "PRAGMA quick_check(1)");
    if (!check.prepared() || !check.stepRow() || check.text(0) != QLatin1String("ok"))
        return failWith(QStringLiteral("The file is not a Spinora database or is damaged: %1")
                            .arg(check.prepared() ? check.text(0) : incoming_->errorMessage()));
    return true;
}

bool Merge::readVersion()
{
    {
        Statement version(incoming_.get(), "SELECT version_num FROM version");
        if (!version.prepared() || !version.stepRow())
            return failWith(QStringLiteral("The file has no version information, so it is not a Spinora database."));
        document_.setDbVersionNumber(version.integer(0));
    }
    const bool upgraded = document_.upgradeDatabaseIfNeeded(incoming_.get(), false);
    document_.setDbVersionNumber(kSchemaVersion);
    if (!upgraded)
        return failWith(QStringLiteral("The file cannot be imported: %1").arg(document_.lastError()));

    Statement counts(incoming_.get(),
                     "SELECT num_cacti, num_watering, num_logs, num_events, num_species, num_images FROM version");
    if (!counts.prepared() || !counts.stepRow())
        return failWith(QStringLiteral("The file's version row holds no record counts."));
    // The counts only scale the progress bar; negative ones count as none.
    auto count = [&counts](int column) { return std::max<int64_t>(0, counts.integer(column)); };
    const int64_t cacti = count(0), watering = count(1), logs = count(2), events = count(3), species = count(4),
                  images = count(5);
    int64_t units = 0;
    switch (type_) {
    case kComplete: units = cacti + watering + logs + events + species + images; break;
    case kCactiAndWatering: units = cacti + images + 2 * watering; break;
    case kCacti: units = cacti + images; break;
    case kWatering: units = watering; break;
    }
    // The last tenth of the bar is left for the end of the import.
    base_ = units * 110 / 100;
    return true;
}

template <class T, class Adjust>
T* Merge::copyRecord(int64_t key, std::vector<std::unique_ptr<T>>& into, Adjust adjust)
{
    bool initFailed = false;
    auto record = std::make_unique<T>(key, incoming_.get(), false, &initFailed);
    if (initFailed || record->hydrate()) {
        failWith(QStringLiteral("Record %1 of the file could not be read: %2").arg(key).arg(incoming_->errorMessage()));
        return nullptr;
    }
    adjust(*record);
    Connection* working = document_.database();
    record->reopen(working);
    if (record->insertIntoDatabase(working) || record->dehydrate()) {
        failWith(QStringLiteral("The collection could not be written: %1").arg(working->errorMessage()));
        return nullptr;
    }
    record->setAbortOnError(true);
    T* stored = record.get();
    into.push_back(std::move(record));
    return stored;
}

template <class T, class Adjust>
void Merge::importRecords(const char* sql, bool required, const QString& missing, std::vector<std::unique_ptr<T>>& into,
                          std::unordered_map<int64_t, int64_t>& keys, Adjust adjust)
{
    const auto rows = keysOf(sql);
    if (!rows) {
        if (required)
            failWith(missing);
        return;
    }
    for (int64_t key : *rows) {
        if (stopped() || !nextRow())
            return;
        visited();
        if (T* stored = copyRecord(key, into, adjust))
            keys[key] = stored->primaryKey();
    }
}

void Merge::importPhotos()
{
    if (stopped() || type_ == kWatering)
        return;
    const auto keys = keysOf("SELECT pk FROM image");
    if (!keys)
        return;
    Connection* working = document_.database();
    for (int64_t key : *keys) {
        if (stopped() || !nextRow())
            return;
        bool initFailed = false;
        auto image = std::make_unique<Image>(key, incoming_.get(), document_.importExportFilename(), false, &initFailed);
        visited();
        if (initFailed || image->hydrate()) {
            failWith(QStringLiteral("Photo %1 of the file could not be read: %2").arg(key).arg(incoming_->errorMessage()));
            return;
        }
        const bool wanted = image->linkedKey() != -1 &&
                            (image->linkedType() == Image::kCactusPhoto ||
                             (image->linkedType() == Image::kLogPhoto && type_ == kComplete));
        if (!wanted)
            continue;
        if (!isPicture(image->dataForPhoto()) || !isPicture(image->dataForThumbnail())) {
            failWith(QStringLiteral("Photo %1 of the file is not a picture that can be read.").arg(key));
            return;
        }
        image->reopen(working);
        if (image->insertIntoDatabase(working, document_.tempPhotoDir(), false) || image->dehydrate()) {
            failWith(QStringLiteral("The collection could not be written: %1").arg(working->errorMessage()));
            return;
        }
        image->setAbortOnError(true);
        newPhotos_.push_back(image.get());
        document_.images().push_back(std::move(image));
    }
}

void Merge::importWatering()
{
    if (stopped() || type_ == kCacti)
        return;
    importRecords("SELECT pk FROM watering", type_ != kComplete, QStringLiteral("The file holds no watering schedules."),
                  document_.watering(), wateringKeys_, [](Water&) {});
    document_.sortWater();
}

void Merge::importCacti()
{
    if (stopped() || type_ == kWatering)
        return;
    importRecords("SELECT pk FROM cactus", type_ != kComplete, QStringLiteral("The file holds no cacti."),
                  document_.cacti(), cactusKeys_, [this](Cactus& cactus) {
                      if (cactus.wateringKey() != -1)
                          cactus.setWateringKey(newKey(wateringKeys_, cactus.wateringKey()));
                  });
    document_.sortCacti();
}

void Merge::importLogs()
{
    importRecords("SELECT pk FROM log", false, QString(), document_.logs(), logKeys_, [this](Log& log) {
        if (log.cactusKey() != -1)
            log.setCactusKey(newKey(cactusKeys_, log.cactusKey()));
    });
}

template <class T, class Text>
void Merge::importNew(const char* sql, std::vector<std::unique_ptr<T>>& into, Text textOf,
                      std::type_identity_t<std::vector<T*>>* alsoInto)
{
    const auto keys = keysOf(sql);
    if (!keys)
        return;
    const size_t existing = into.size();
    for (int64_t key : *keys) {
        if (stopped() || !nextRow())
            return;
        visited();
        bool initFailed = false;
        T probe(key, incoming_.get(), false, &initFailed);
        if (initFailed || textOf(probe).isEmpty())
            continue;
        bool known = false;
        for (size_t i = 0; i < existing && !known; ++i)
            known = text::localizedCompare(textOf(*into[i]), textOf(probe)) == 0;
        if (known)
            continue;
        T* stored = copyRecord(key, into, [](T&) {});
        if (stored && alsoInto)
            alsoInto->push_back(stored);
    }
}

void Merge::importEvents()
{
    importNew("SELECT pk FROM event", document_.events(), [](const Event& e) { return e.name(); }, nullptr);
    document_.sortEvents();
}

void Merge::importSpecies()
{
    importNew("SELECT pk FROM species", document_.species(), [](const Species& s) { return s.scientificName(); },
              &document_.speciesScientific());
}

void Merge::linkPhotos()
{
    // Photos came in before their owners; now they get the owners' new keys.
    for (Image* image : newPhotos_) {
        if (image->linkedType() != Image::kCactusPhoto && image->linkedType() != Image::kLogPhoto)
            continue;
        const auto& keys = image->linkedType() == Image::kCactusPhoto ? cactusKeys_ : logKeys_;
        image->setLinkedKey(newKey(keys, image->linkedKey()));
        if (image->dehydrate()) {
            failWith(QStringLiteral("The collection could not be written: %1").arg(document_.database()->errorMessage()));
            return;
        }
    }
}

void Merge::speciesFromCacti()
{
    size_t known = document_.species().size();
    for (const auto& cactus : document_.cacti()) {
        if (stopped())
            return;
        if (cactus->commonName().isEmpty() || cactus->scientificName().isEmpty())
            continue;
        bool found = false;
        for (size_t i = 0; i < known && !found; ++i) {
            const Species& s = *document_.species()[i];
            found = text::localizedCompare(s.scientificName(), cactus->scientificName()) == 0 &&
                    text::localizedCompare(s.name(), cactus->commonName()) == 0;
        }
        if (!found) {
            document_.addSpecies(std::make_unique<Species>(cactus->commonName(), cactus->scientificName()));
            ++known;
        }
    }
    if (!stopped())
        document_.sortSpecies();
}

void Merge::eventsFromLogs()
{
    size_t known = document_.events().size();
    for (const auto& log : document_.logs()) {
        if (stopped())
            return;
        if (log->eventName().isEmpty())
            continue;
        bool found = false;
        for (size_t i = 0; i < known && !found; ++i)
            found = document_.events()[i]->name() == log->eventName();
        if (!found) {
            document_.addEvent(std::make_unique<Event>(log->eventName()));
            ++known;
        }
    }
}

bool Merge::run()
{
    try {
        if (openIncoming() && readVersion()) {
            importPhotos();
            importWatering();
            crashPoint("merge");
            importCacti();
            if (type_ == kComplete && !stopped()) {
                importLogs();
                if (!stopped())
                    document_.addDefaultEventsToDatabase();
                importEvents();
                importSpecies();
            }
            if (!cancelled_)
                linkPhotos();
        }
        if (incoming_) {
            QString error;
            if (!incoming_->close(&error))
                failWith(QStringLiteral("The file could not be closed: %1").arg(error));
        }
        if (!stopped()) {
            document_.mapLogsAndImages();
            for (const auto& log : document_.logs())
                log->isReminderDue();
            if (ListController* logList = document_.listController(SpinoraDatabase::kLogList))
                logList->recalculateReminders();
        }
        speciesFromCacti();
        eventsFromLogs();
        if (!stopped())
            document_.sortEvents();
    } catch (const InternalError& error) {
        logInternalError(error);
        failWith(error.message());
    }
    return failed_;
}

// The working copy holds photo keys above every photo file in the package,
// so a new photo's files never land on files the package already has.
// Answers the key of the placeholder row (0 when none was needed).
int64_t reservePhotoKeys(Connection* working, int64_t highestUsed)
{
    int64_t highestRow = 0;
    {
        Statement st(working, "SELECT max(pk) FROM image");
        if (st.prepared() && st.stepRow())
            highestRow = st.integer(0);
    }
    if (highestUsed <= highestRow)
        return 0;
    Statement reserve(working, "INSERT INTO image (pk, type, key, tag) VALUES(?, -1, -1, -1)");
    reserve.bind(highestUsed);
    if (!reserve.prepared() || !reserve.stepDone())
        raiseInternalError(msg::kInsertFailed, working->errorMessage());
    return highestUsed;
}

void releaseReservedPhotoKeys(Connection* working, int64_t placeholder)
{
    if (placeholder == 0)
        return;
    Statement release(working, "DELETE FROM image WHERE pk=?");
    release.bind(placeholder);
    if (!release.prepared() || !release.stepDone())
        raiseInternalError(msg::kDeleteFailed, working->errorMessage());
}

// Moves the merged collection into the package. The photos go first (under
// keys no file of the package has); replacing "spinora.db" is the moment the
// import takes effect; old photos of a replaced collection go last.
void commitToPackage(SpinoraDatabase& document, bool replacing)
{
    const QString package = document.packageFilename();
    const QString photos = document.tempPhotoDir();
    QStringList moved;
    for (const QString& file : jpegFilesBelow(photos)) {
        const QString target = package + QLatin1Char('/') + file;
        QDir().mkpath(QFileInfo(target).absolutePath());
        if (!SpinoraUtility::moveFileFrom(photos + QLatin1Char('/') + file, target)) {
            for (const QString& undo : moved)
                SpinoraUtility::removeFileIfExists(package + QLatin1Char('/') + undo);
            raiseInternalError(msg::kOpenFailed, QStringLiteral("a photo could not be moved into the collection"));
        }
        moved << file;
    }
    crashPoint("move");
    // The photos must be on disk before the database that names them.
    SpinoraUtility::syncFileSystem(package);
    document.dropConnection();
    if (!SpinoraUtility::copyFileFrom(WorkFiles::backupDatabase(), document.dbFilename())) {
        for (const QString& undo : moved)
            SpinoraUtility::removeFileIfExists(package + QLatin1Char('/') + undo);
        raiseInternalError(msg::kOpenFailed, QStringLiteral("the collection's database could not be replaced"));
    }
    crashPoint("commit");
    if (replacing) {
        const QSet<QString> kept(moved.begin(), moved.end());
        for (const QString& file : jpegFilesBelow(package)) {
            if (!kept.contains(file))
                SpinoraUtility::removeFileIfExists(package + QLatin1Char('/') + file);
        }
    }
}

} // namespace

void InterchangeImport::prepareForDatabaseImport(SpinoraDatabase& document, int importType, bool overwriteAllowed)
{
    document.setImportAborted(false);
    document.setImportType(importType);
    document.setImportOverwriteDatabase(overwriteAllowed);
    document.setJobError(QString());
    if (!WorkFiles::lock()) {
        failBeforeStart(document, QStringLiteral("Another import or export is running."));
        return;
    }
    BackgroundJobs::start([&document] {
        const int status = importDatabaseThread(document);
        BackgroundJobs::postToMainThread([&document, status] { cleanupAfterImport(document, status); });
    });
}

void InterchangeImport::failBeforeStart(SpinoraDatabase& document, const QString& reason)
{
    document.setJobError(reason);
    BackgroundJobs::postToMainThread([&document] { cleanupAfterImport(document, kJobFailed); });
}

bool InterchangeImport::importDatabase(SpinoraDatabase& document)
{
    return Merge(document).run();
}

int InterchangeImport::importDatabaseThread(SpinoraDatabase& document)
{
    const bool replacing = document.importType() == kComplete && document.importOverwriteDatabase();
    bool failed = false;
    try {
        // The collection's own file is only flushed, not compacted: a failed
        // import must leave it byte for byte as it was. The working copy is
        // compacted instead.
        document.flushDatabase(false);
        const QString photos = WorkFiles::tempPhotos();
        const QString backup = WorkFiles::backupDatabase();
        SpinoraUtility::removeFileIfExists(photos);
        QDir().mkpath(photos);
        document.setTempPhotoDir(photos);
        SpinoraUtility::removeFileIfExists(backup);

        int64_t highestPhoto = highestPhotoFileKey(document.packageFilename());
        for (const auto& image : document.images())
            highestPhoto = std::max(highestPhoto, image->primaryKey());
        if (replacing) {
            document.createEditableCopyOfDatabaseIfNeeded(std::nullopt, backup);
            document.setAddEventFlag(false);
            const bool loaded = document.initializeDatabase(backup);
            document.setWriteCreationDate(false);
            if (!loaded)
                raiseInternalError(msg::kOpenFailed, document.lastError());
        } else {
            if (!SpinoraUtility::copyFileFrom(document.dbFilename(), backup, SpinoraUtility::Durability::Fast) ||
                !document.openDatabase(backup))
                raiseInternalError(msg::kOpenFailed, QStringLiteral("the working copy could not be made"));
            document.database()->execute("vacuum;");
        }
        const int64_t placeholder = reservePhotoKeys(document.database(), highestPhoto);

        Connection* working = document.database();
        {
            Transaction transaction(working, Transaction::Kind::Exclusive);
            if (!transaction.begun())
                raiseInternalError(msg::kBeginFailed, working->errorMessage());
            failed = importDatabase(document);
            releaseReservedPhotoKeys(working, placeholder);
            QString error;
            if (!failed && !document.importAborted() && !transaction.commit(&error))
                raiseInternalError(msg::kCommitFailed, error);
        }
        if (!failed && !document.importAborted())
            commitToPackage(document, replacing);
    } catch (const InternalError& error) {
        logInternalError(error);
        if (document.jobError().isEmpty())
            document.setJobError(error.message());
        failed = true;
    }

    // The collection is read again from its own file: after a failure or a
    // cancel that is exactly what it held before.
    document.dropConnection();
    document.setAddEventFlag(false);
    document.setWriteCreationDate(false);
    if (!document.initializeDatabase(document.dbFilename())) {
        document.setJobError(QStringLiteral("The collection could not be read again: %1").arg(document.lastError()));
        return kJobFailed;
    }
    document.mapLogsAndImages();
    if (ListController* logList = document.listController(SpinoraDatabase::kLogList))
        logList->recalculateReminders();
    document.sortCacti();
    document.sortWater();
    document.sortLogsByLogDateAndTitle();
    if (failed)
        return kJobFailed;
    return document.importAborted() ? kJobCancelled : kJobFinished;
}

void InterchangeImport::cleanupAfterImport(SpinoraDatabase& document, int status)
{
    for (const QString& path : {WorkFiles::backupDatabase(), WorkFiles::importDatabase(), WorkFiles::tempPhotos(),
                                WorkFiles::importPhotos()})
        SpinoraUtility::removeFileIfExists(path);
    WorkFiles::unlock();
    document.refreshData();
    SpinoraUtility& utility = SpinoraUtility::sharedManager();
    if (status != kJobCancelled)
        utility.importProgressUpdate(100);
    utility.reportDatabaseImportComplete(status);
}

} // namespace spinora
