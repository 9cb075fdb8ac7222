#include "InterchangeImport.h"

#include "AppInfo.h"
#include "BackgroundJobs.h"
#include "InternalError.h"
#include "ListController.h"
#include "Messages.h"
#include "PackageCommit.h"
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

#include <algorithm>
#include <type_traits>
#include <unordered_map>

namespace spinora {

namespace {

enum ImportType { kComplete = 0, kCactiAndWatering = 1, kCacti = 2, kWatering = 3 };

// A picture as the package keeps it: JPEG data byte for byte; PNG, GIF, BMP
// and the like decoded and re-encoded as JPEG (the package's files are JPEGs
// by name), no larger than `maxSide`. Empty when it is no picture that can
// be read.
QByteArray asStoredJpeg(const QByteArray& data, int maxSide)
{
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QByteArray format = reader.format();
    if (format.isEmpty() || !reader.size().isValid())
        return {};
    if (format == "jpeg" || format == "jpg")
        return data;
    reader.setAutoTransform(true);
    QImage image = reader.read();
    if (image.isNull())
        return {};
    if (image.width() > maxSide || image.height() > maxSide)
        image = Image::scaledToLongerSide(image, maxSide);
    return Image::encodeJpeg(image);
}

// One picture of an incoming photo, or why it could not be used.
struct IncomingPicture {
    QByteArray data;
    QString problem; // empty when the picture is fine or simply absent
};

QString describeProblem(Image::PictureFileProblem problem)
{
    switch (problem) {
    case Image::PictureFileProblem::TooLarge: return QStringLiteral("larger than 64 MiB");
    case Image::PictureFileProblem::OutsideFolder: return QStringLiteral("a link that leads out of the package");
    case Image::PictureFileProblem::Unreadable: return QStringLiteral("not a file that can be read");
    case Image::PictureFileProblem::None:
    case Image::PictureFileProblem::Missing: break;
    }
    return {};
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

// One run of the merge step: the incoming database, the key maps and the
// progress count.
class Merge {
public:
    explicit Merge(SpinoraDatabase& document) : document_(document), type_(document.importType()) {}

    bool run();

private:
    bool failWith(const QString& reason)
    {
        // A statement stopped by the cancel fails too; that is the cancel.
        if (document_.importAborted()) {
            cancelled_ = true;
            return false;
        }
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
    bool dropTriggersAndViews();
    bool readVersion();
    // Keys must be unique whole numbers before anything is merged.
    bool checkKeys();
    bool tableExists(const char* table);
    void importPhotos();
    // Photo and thumbnail of an incoming photo, ready to be stored; false
    // with the reason when the photo cannot be used.
    bool readPictures(Image& image, QString* problem);
    IncomingPicture incomingPicture(const QString& file, const char* blobSql, int64_t key);
    QString photoOwner(const Image& image);
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
    QStringList skippedPhotos_;
};

// Our tables have neither triggers nor views. Those of a file from elsewhere
// would run its own statements while we upgrade or read it (a trigger on the
// version row, a view named "cactus" over an endless query), so they are
// dropped from the private copy before anything else is done with it.
bool Merge::dropTriggersAndViews()
{
    QStringList drops;
    {
        Statement st(incoming_.get(), "SELECT type, name FROM sqlite_master WHERE type IN ('trigger', 'view')");
        if (!st.prepared())
            return failWith(QStringLiteral("The file is not a Spinora database: %1").arg(incoming_->errorMessage()));
        while (st.stepRow()) {
            QString name = st.text(1);
            name.replace(QLatin1String("\""), QLatin1String("\"\""));
            drops << QStringLiteral("DROP %1 IF EXISTS \"%2\";").arg(st.text(0).toUpper(), name);
        }
    }
    QString error;
    if (!drops.isEmpty() && !incoming_->execute(drops.join(QLatin1Char(' ')), &error))
        return failWith(QStringLiteral("The file is not a Spinora database: %1").arg(error));
    return true;
}

bool Merge::tableExists(const char* table)
{
    Statement st(incoming_.get(), "SELECT 1 FROM sqlite_master WHERE type='table' AND name=?");
    st.bind(QString::fromUtf8(table));
    return st.prepared() && st.stepRow();
}

// A table declared without the row-id alias may hold one key twice, texts or
// fractions; the merge maps records by key, so such a file would merge two
// rows into one or give blank records. Keys are 64-bit whole numbers from 0
// up (a record without a row has -1; photo files are named by the key).
bool Merge::checkKeys()
{
    struct Table {
        const char* name;
        const char* link; // the column naming another record's key, or null
        bool used;
    };
    const bool cacti = type_ != kWatering;
    const Table tables[] = {{"image", "key", cacti},
                            {"watering", nullptr, type_ != kCacti},
                            {"cactus", "watering_key", cacti},
                            {"log", "cactus_key", type_ == kComplete},
                            {"event", nullptr, type_ == kComplete},
                            {"species", nullptr, type_ == kComplete}};
    for (const Table& table : tables) {
        if (!table.used || !tableExists(table.name))
            continue;
        const QString name = QString::fromUtf8(table.name);
        {
            Statement st(incoming_.get(),
                         QStringLiteral("SELECT count(*), count(DISTINCT pk), "
                                        "coalesce(sum(typeof(pk) <> 'integer' OR pk < 0), 0) FROM \"%1\"")
                             .arg(name)
                             .toStdString());
            if (!st.prepared() || !st.stepRow())
                return failWith(QStringLiteral("The file cannot be imported: its %1 table cannot be read (%2).")
                                    .arg(name, incoming_->errorMessage()));
            if (st.integer(2) > 0)
                return failWith(QStringLiteral("The file cannot be imported: its %1 table has keys that are not "
                                               "whole numbers from 0 to 9223372036854775807.")
                                    .arg(name));
            if (st.integer(0) != st.integer(1))
                return failWith(
                    QStringLiteral("The file cannot be imported: its %1 table has the same key on more than one row.")
                        .arg(name));
        }
        if (!table.link)
            continue;
        const QString link = QString::fromUtf8(table.link);
        Statement st(incoming_.get(),
                     QStringLiteral("SELECT count(*) FROM \"%1\" WHERE typeof(\"%2\") NOT IN ('integer', 'null')")
                         .arg(name, link)
                         .toStdString());
        // A missing column is reported when the records are read.
        if (st.prepared() && st.stepRow() && st.integer(0) > 0)
            return failWith(QStringLiteral("The file cannot be imported: the %1 column of its %2 table holds values "
                                           "that are not whole numbers.")
                                .arg(link, name));
    }
    return true;
}

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
    // The incoming database is our private copy in the work folder, so it
    // may be changed (upgraded); the file it came from is never opened here.
    incoming_ = Connection::open(WorkFiles::importDatabase(), Connection::Mode::ReadWrite, &error);
    if (!incoming_)
        return failWith(QStringLiteral("The file could not be opened: %1").arg(error));
    // A file from elsewhere can hold statements that never end: every
    // statement on it stops when the user cancels, and no value larger than
    // a photo may be loaded.
    SpinoraDatabase* document = &document_;
    incoming_->setInterruptCheck([document] { return document->importAborted(); });
    incoming_->setLengthLimit(static_cast<int>(Image::kMaxPictureFileBytes));
    if (!incoming_->execute("PRAGMA cache_size=50; PRAGMA trusted_schema=OFF;", &error))
        return failWith(QStringLiteral("The file is not a Spinora database: %1").arg(error));
    Statement check(incoming_.get(), "PRAGMA quick_check(1)");
    if (!check.prepared() || !check.stepRow() || check.text(0) != QLatin1String("ok"))
        return failWith(QStringLiteral("The file is not a Spinora database or is damaged: %1")
                            .arg(check.prepared() ? check.text(0) : incoming_->errorMessage()));
    return dropTriggersAndViews();
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
    // The counts only scale the progress bar; negative ones count as none,
    // absurd ones are bounded so the sums below cannot overflow.
    auto count = [&counts](int column) { return std::clamp<int64_t>(counts.integer(column), 0, int64_t(1) << 40); };
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
        if (initFailed || image->hydrateCaption()) {
            failWith(QStringLiteral("Photo %1 of the file could not be read: %2").arg(key).arg(incoming_->errorMessage()));
            return;
        }
        const bool wanted = image->linkedKey() != -1 &&
                            (image->linkedType() == Image::kCactusPhoto ||
                             (image->linkedType() == Image::kLogPhoto && type_ == kComplete));
        if (!wanted)
            continue;
        // One damaged photo must not cost the whole import: it is left out
        // and named in the job's warning.
        QString problem;
        if (!readPictures(*image, &problem)) {
            if (stopped() || document_.importAborted())
                return;
            skippedPhotos_ << QStringLiteral("photo %1 of %2 (%3)").arg(key).arg(photoOwner(*image), problem);
            continue;
        }
        image->reopen(working);
        if (image->insertIntoStagingFolder(working, document_.tempPhotoDir()) || image->dehydrate()) {
            failWith(QStringLiteral("The collection could not be written: %1").arg(working->errorMessage()));
            return;
        }
        image->setAbortOnError(true);
        newPhotos_.push_back(image.get());
        document_.images().push_back(std::move(image));
    }
}

IncomingPicture Merge::incomingPicture(const QString& file, const char* blobSql, int64_t key)
{
    // The file in the source folder first (a package's photos), else the blob
    // (an interchange file); either within the size cap.
    Image::PictureFileProblem fileProblem = Image::PictureFileProblem::None;
    IncomingPicture picture;
    picture.data = Image::readPictureFile(file, document_.importExportFilename(), &fileProblem);
    if (!picture.data.isEmpty())
        return picture;
    Statement st(incoming_.get(), blobSql);
    if (st.prepared()) {
        st.bind(key);
        const int rc = st.step();
        if (rc == SQLITE_ROW)
            picture.data = st.blob(0);
        else if (rc == SQLITE_TOOBIG)
            picture.problem = QStringLiteral("larger than 64 MiB");
        else if (rc != SQLITE_DONE)
            picture.problem = incoming_->errorMessage();
    }
    if (picture.data.isEmpty() && picture.problem.isEmpty())
        picture.problem = describeProblem(fileProblem);
    return picture;
}

bool Merge::readPictures(Image& image, QString* problem)
{
    const IncomingPicture photo = incomingPicture(image.photoFile(), "SELECT photo FROM image WHERE pk=?", image.primaryKey());
    const IncomingPicture thumbnail =
        incomingPicture(image.thumbnailFile(), "SELECT thumbnail FROM image WHERE pk=?", image.primaryKey());
    if (!photo.problem.isEmpty()) {
        *problem = photo.problem;
        return false;
    }
    const QByteArray photoData = photo.data.isEmpty() ? QByteArray() : asStoredJpeg(photo.data, Image::kPhotoSize);
    if (!photo.data.isEmpty() && photoData.isEmpty()) {
        *problem = QStringLiteral("not a picture that can be read");
        return false;
    }
    QByteArray thumbnailData =
        thumbnail.data.isEmpty() ? QByteArray() : asStoredJpeg(thumbnail.data, Image::kThumbnailSize);
    if (thumbnailData.isEmpty() && !photoData.isEmpty()) {
        // A thumbnail that is missing or damaged is made again from the photo.
        thumbnailData = Image::encodeJpeg(Image::scaledToLongerSide(Image::decode(photoData), Image::kThumbnailSize));
    } else if (thumbnailData.isEmpty() && (!thumbnail.data.isEmpty() || !thumbnail.problem.isEmpty())) {
        *problem = thumbnail.problem.isEmpty() ? QStringLiteral("not a picture that can be read") : thumbnail.problem;
        return false;
    }
    image.setDataForPhoto(photoData);
    image.setDataForThumbnail(thumbnailData);
    return true;
}

// "the cactus “Opuntia”": whom a skipped photo belonged to, for the warning.
QString Merge::photoOwner(const Image& image)
{
    const bool cactus = image.linkedType() == Image::kCactusPhoto;
    Statement st(incoming_.get(), cactus ? "SELECT name FROM cactus WHERE pk=?" : "SELECT event FROM log WHERE pk=?");
    st.bind(image.linkedKey());
    const QString name = st.prepared() && st.stepRow() ? st.text(0) : QString();
    const QString kind = cactus ? QStringLiteral("the cactus") : QStringLiteral("the log entry");
    return name.isEmpty() ? kind + QStringLiteral(" %1").arg(image.linkedKey())
                          : kind + QStringLiteral(" \u201C%1\u201D").arg(name.left(80));
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
        if (openIncoming() && readVersion() && checkKeys()) {
            // One read transaction for every record of the file: otherwise
            // SQLite takes and drops its file lock (and looks for a hot
            // journal) around each of the per-record SELECTs.
            Transaction reading(incoming_.get());
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
        if (!stopped() && !skippedPhotos_.isEmpty()) {
            const qsizetype n = skippedPhotos_.size();
            document_.addJobWarning((n == 1 ? QStringLiteral("1 photo could not be read and was left out: ")
                                            : QStringLiteral("%1 photos could not be read and were left out: ").arg(n)) +
                                    skippedPhotos_.join(QStringLiteral("; ")) + QLatin1Char('.'));
        }
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

} // namespace

void InterchangeImport::prepareForDatabaseImport(SpinoraDatabase& document, int importType, bool overwriteAllowed)
{
    document.setImportAborted(false);
    document.setImportType(importType);
    document.setImportOverwriteDatabase(overwriteAllowed);
    document.setJobError(QString());
    document.clearJobWarnings();
    // A refused job leaves the work folder to whoever holds it: nothing of a
    // running job (its copy, its photos) is touched.
    QString reason;
    if (!WorkFiles::lock(&document, &reason)) {
        failBeforeStart(document, reason);
        return;
    }
    if (!document.holdsPackageLock()) {
        failBeforeStart(document, QStringLiteral("The collection was opened read-only, so nothing can be imported into it."));
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
    // Set once the new database has replaced the old one: from then on the
    // import has happened, and no cancel and no later trouble can undo it.
    bool landed = false;
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

        // A job that died between moving its photos in and swapping the
        // database left photo files that no row names; the lock is ours, so
        // they can go now.
        QSet<int64_t> photoKeys;
        for (const auto& image : document.images())
            photoKeys.insert(image->primaryKey());
        PackageCommit::removeUnreferencedPhotos(document.packageFilename(), photoKeys);

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
        // Decided once: a cancel that arrives after this point is too late.
        bool goAhead = false;
        {
            Transaction transaction(working, Transaction::Kind::Exclusive);
            if (!transaction.begun())
                raiseInternalError(msg::kBeginFailed, working->errorMessage());
            failed = importDatabase(document);
            releaseReservedPhotoKeys(working, placeholder);
            goAhead = !failed && !document.importAborted();
            QString error;
            if (goAhead && !transaction.commit(&error))
                raiseInternalError(msg::kCommitFailed, error);
        }
        if (goAhead) {
            PackageCommit commit(document.packageFilename());
            QString error;
            if (!commit.movePhotosIn(document.tempPhotoDir(), &error))
                raiseInternalError(msg::kOpenFailed, error);
            crashPoint("move");
            document.dropConnection();
            if (!commit.replaceDatabase(backup, &error))
                raiseInternalError(msg::kOpenFailed, error);
            landed = true;
            crashPoint("commit");
            if (replacing)
                commit.removeAllOtherPhotos();
            SpinoraUtility::sharedManager().importProgressUpdate(100);
        }
    } catch (const InternalError& error) {
        logInternalError(error);
        if (document.jobError().isEmpty())
            document.setJobError(error.message());
        failed = !landed;
    }

    // The collection is read again from its own file: after a failure or a
    // cancel that is exactly what it held before.
    document.dropConnection();
    document.setAddEventFlag(false);
    document.setWriteCreationDate(false);
    if (!document.initializeDatabase(document.dbFilename())) {
        const QString why = QStringLiteral("The collection could not be read again: %1").arg(document.lastError());
        if (!landed) {
            document.setJobError(why);
            return kJobFailed;
        }
        document.addJobWarning(QStringLiteral("The import was saved. ") + why);
        return kJobFinished;
    }
    document.mapLogsAndImages();
    if (ListController* logList = document.listController(SpinoraDatabase::kLogList))
        logList->recalculateReminders();
    document.sortCacti();
    document.sortWater();
    document.sortLogsByLogDateAndTitle();
    if (landed)
        return kJobFinished;
    return failed ? kJobFailed : kJobCancelled;
}

void InterchangeImport::cleanupAfterImport(SpinoraDatabase& document, int status)
{
    // Only the job that holds the work folder clears it: a job that was
    // refused must not delete the files of the one that is running.
    if (WorkFiles::holds(&document)) {
        for (const QString& path : {WorkFiles::backupDatabase(), WorkFiles::importDatabase(), WorkFiles::tempPhotos(),
                                    WorkFiles::importPhotos()})
            SpinoraUtility::removeFileIfExists(path);
        WorkFiles::unlock(&document);
    }
    document.refreshData();
    SpinoraUtility& utility = SpinoraUtility::sharedManager();
    if (status != kJobCancelled)
        utility.importProgressUpdate(100);
    utility.reportDatabaseImportComplete(status);
}

} // namespace spinora
