#include "InterchangeImport.h"

#include "AppInfo.h"
#include "ExchangeRequests.h"
#include "FileHelpers.h"
#include "Image.h"
#include "ImportTransaction.h"
#include "JobContext.h"
#include "Localization.h"
#include "PhotoFileWriter.h"
#include "SchemaUpgrade.h"
#include "TextCompare.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QScopeGuard>
#include <QSet>

#include <sqlite3.h>

#include <algorithm>
#include <memory>
#include <set>
#include <utility>

namespace spinora {

namespace {

// A function, not a constant: the text is translated when it is shown.
QString hostileSchema()
{
    return localized("The file cannot be imported: it holds triggers or views, which Spinora files never have.");
}

// True for JPEG data whose header the image reader is sure to read: from
// the start-of-image marker to the first scan only application segments,
// comments, whole quantization and Huffman tables, a restart interval and
// one frame (baseline, extended or progressive) of 8-bit samples, 1, 3 or
// 4 components and at most 65500 pixels a side, each segment in bounds and
// no byte between them. Every camera's and encoder's photo is such data;
// the reader is asked only about other data, for each picture it costs as
// much as the rest of the photo's import.
bool isPlainJpeg(const QByteArray& data)
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(data.constData());
    const qsizetype size = data.size();
    auto word = [bytes](qsizetype at) { return bytes[at] << 8 | bytes[at + 1]; };
    if (size < 2 || word(0) != 0xFFD8)
        return false;
    // The frame's component ids, once it is read (asked of every photo: no
    // allocation).
    unsigned char frameComponents[4];
    int components = 0;
    for (qsizetype at = 2; at + 4 <= size;) {
        const int marker = word(at);
        const int rest = word(at + 2) - 2; // the segment's bytes after its length
        const unsigned char* segment = bytes + at + 4;
        if (rest < 0 || at + 4 + rest > size)
            return false;
        at += 4 + rest;
        if ((marker >= 0xFFE0 && marker <= 0xFFEF) || marker == 0xFFFE)
            continue;
        if (marker == 0xFFDB) {
            for (int i = 0; i < rest;) {
                const int precision = segment[i] >> 4, table = segment[i] & 15;
                i += 1 + 64 * (precision + 1);
                if (precision > 1 || table > 3 || i > rest)
                    return false;
            }
        } else if (marker == 0xFFC4) {
            int i = 0;
            while (rest - i > 16) {
                const int table = segment[i];
                int count = 0;
                for (int k = 1; k <= 16; ++k)
                    count += segment[i + k];
                i += 17;
                if ((table & ~0x10) > 3 || count > 256 || count > rest - i)
                    return false;
                i += count;
            }
            if (i != rest)
                return false;
        } else if (marker == 0xFFDD) {
            if (rest != 2)
                return false;
        } else if (marker >= 0xFFC0 && marker <= 0xFFC2) {
            if (components > 0 || rest < 6)
                return false;
            const int height = segment[1] << 8 | segment[2], width = segment[3] << 8 | segment[4];
            const int count = segment[5];
            if (segment[0] != 8 || height < 1 || height > 65500 || width < 1 || width > 65500 ||
                (count != 1 && count != 3 && count != 4) || rest != 6 + 3 * count)
                return false;
            for (int c = 0; c < count; ++c) {
                const unsigned char id = segment[6 + 3 * c], sampling = segment[7 + 3 * c];
                if (std::find(frameComponents, frameComponents + components, id) != frameComponents + components ||
                    (sampling >> 4) < 1 || (sampling >> 4) > 4 || (sampling & 15) < 1 || (sampling & 15) > 4 ||
                    segment[8 + 3 * c] > 3)
                    return false;
                frameComponents[components++] = id;
            }
        } else if (marker == 0xFFDA) {
            const int count = rest > 0 ? segment[0] : 0;
            if (count < 1 || count > components || rest != 4 + 2 * count)
                return false;
            for (int c = 0; c < count; ++c) {
                if (segment[1 + 2 * c] != frameComponents[c])
                    return false;
            }
            return true;
        } else {
            return false;
        }
    }
    return false;
}

// A picture as the package keeps it: JPEG data byte for byte; PNG, GIF, BMP
// and the like decoded and re-encoded as JPEG (the package's files are JPEGs
// by name), no larger than `maxSide`. Empty when it is no picture that can
// be read.
QByteArray asStoredJpeg(const QByteArray& data, int maxSide)
{
    if (isPlainJpeg(data))
        return data;
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    // JPEG data, nearly every photo, is known by its first bytes: the reader
    // is spared trying each format it knows on it.
    QImageReader reader(&buffer, data.startsWith("\xFF\xD8\xFF") ? QByteArray("jpeg") : QByteArray());
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

// One picture of an incoming photo, or why it could not be used. A picture
// from a blob is the blob statement's own bytes, valid until it is reset.
struct IncomingPicture {
    QByteArray data;
    QString problem; // empty when the picture is fine or simply absent
};

QString describeProblem(Image::PictureFileProblem problem)
{
    switch (problem) {
    case Image::PictureFileProblem::TooLarge: return localized("larger than 64 MiB");
    case Image::PictureFileProblem::OutsideFolder: return localized("a link that leads out of the package");
    case Image::PictureFileProblem::Unreadable: return localized("not a file that can be read");
    case Image::PictureFileProblem::None:
    case Image::PictureFileProblem::Missing: break;
    }
    return {};
}

// Texts ordered and compared as the user's language does (event names,
// scientific names): "Repotted" once, whatever its spelling in the file.
struct LocalizedLess {
    bool operator()(const QString& a, const QString& b) const { return text::localizedCompare(a, b) < 0; }
};

// How the old keys of an incoming table became the keys of the copies of its
// rows. The copies are inserted in the order of the old keys under the keys
// SQLite gives them (one above the table's largest), so old keys without gaps
// (a file from a collection nothing was deleted from) become new ones by a
// difference; other old keys are noted next to their new ones in
// temp.<table>_keys.
struct KeyMap {
    QString table;
    bool copied = false;
    bool noted = false;
    int64_t lowest = 0;
    int64_t last = 0;
    int64_t shift = 0;

    // SQL for the new key of the record with the old key `old`; NULL when
    // that record did not come in.
    QString newKey(const QString& old) const
    {
        if (!copied)
            return QStringLiteral("NULL");
        if (noted)
            return QStringLiteral("(SELECT new FROM temp.%1_keys WHERE old = %2)").arg(table, old);
        return QStringLiteral("CASE WHEN %1 BETWEEN %2 AND %3 THEN %1 + %4 END").arg(old).arg(lowest).arg(last).arg(shift);
    }
    // SQL for a link to a record of this table: -1 (none) stays; another key
    // becomes the new key of the record it named, or 0 when that record did
    // not come in; an empty link names the key 0.
    QString linkValue(const QString& column) const
    {
        // The link to a record that came in first: nearly every row has one,
        // and a statement that copies many rows asks it of each.
        if (copied && !noted)
            return QStringLiteral("CASE WHEN %1 BETWEEN %2 AND %3 THEN %1 + %4 WHEN %1 = -1 THEN -1 WHEN %1 IS NULL "
                                  "THEN %5 ELSE 0 END")
                .arg(column)
                .arg(lowest)
                .arg(last)
                .arg(shift)
                .arg(lowest == 0 ? shift : 0);
        return QStringLiteral("CASE WHEN %1 = -1 THEN -1 ELSE ifnull(%2, 0) END")
            .arg(column, newKey(QStringLiteral("ifnull(%1, 0)").arg(column)));
    }
};

// One run of the merge: the incoming database attached as "incoming" to
// the import's connection, and the progress count.
class Merge {
public:
    Merge(const ImportRequest& request, ImportTransaction& transaction)
        : request_(request), transaction_(transaction), db_(transaction.db()), type_(request.type)
    {
        registerCopyFilters(true);
    }
    ~Merge() { registerCopyFilters(false); }
    Merge(const Merge&) = delete;
    Merge& operator=(const Merge&) = delete;

    bool run();

private:
    bool fail(const QString& reason) { return transaction_.fail(reason); }
    void visited(int64_t rows = 1)
    {
        visited_ += rows;
        if (base_ > 0)
            transaction_.context().setProgress(std::min(100.0, double(visited_) * 100.0 / double(base_)));
    }

    bool attachIncoming();
    bool upgradeCopy(const QString& path);
    bool readVersion();
    // Keys must be unique whole numbers before anything is merged.
    bool checkKeys();
    // True when every key of the table is its row id, from 0 up, as in every
    // file Spinora writes: then the keys are unique whole numbers by
    // construction, shown without reading the table.
    bool keysAreRowIds(const QString& table);
    bool tableExists(const char* table);
    int64_t count(const QString& sql);
    // Copies every row of an incoming table under new keys, into `keys`;
    // `link` names the column that holds the key of another table's record,
    // mapped through that table's keys. `filter` is the call of the copy
    // filter (see registerCopyFilters) that tells whether a row's link is a
    // whole number; a file whose link is no whole number is refused.
    bool copyRows(KeyMap& keys, const QString& link = QString(), const KeyMap* linked = nullptr,
                  const QString& filter = QString());
    // The functions the statements that copy the logs and the cacti ask of
    // each row: spinora_copied_log(cactus_key, event) and
    // spinora_copied_cactus(watering_key, scientific_name, common_name) are
    // true when the link is a whole number or NULL, and then give the
    // row's names to the transaction; a row with another link is counted in
    // refusedLinks_ and left out. One call for both: the copy asks it of
    // every row.
    void registerCopyFilters(bool registered);
    bool importWatering();
    bool importCacti();
    bool importLogs();
    bool importPhotos();
    // Photo and thumbnail of an incoming photo, ready to be stored; false
    // with the reason when the photo cannot be used.
    bool readPictures(int64_t key, Image& image, QString* problem);
    // `blob` selects the picture's blob by the photo's key.
    IncomingPicture incomingPicture(const QString& file, Statement& blob, int64_t key);
    // Both blobs of an interchange file's photo by one read of its row;
    // false when that read fails, and each is to be read on its own.
    bool readBothBlobs(int64_t key, IncomingPicture& photo, IncomingPicture& thumbnail);
    QString photoOwner(int64_t type, int64_t key);
    // The rows whose text (event name, scientific name) is present and none
    // of the collection's has.
    // `incomingSql` answers the compared text, then the values to insert.
    bool importNew(const char* existingSql, const char* incomingSql, const char* insertSql);

    const ImportRequest& request_;
    ImportTransaction& transaction_;
    Connection* db_;
    const ExchangeType type_;
    QString incomingPath_;
    QString attachedPath_; // the file attached as "incoming": the user's or the upgraded copy
    bool hostileSchema_ = false;
    bool versionIsView_ = false;
    int64_t visited_ = 0;
    int64_t base_ = 0;
    int64_t refusedLinks_ = 0;
    QStringList skippedPhotos_;
    KeyMap wateringKeys_{QStringLiteral("watering")};
    KeyMap cactusKeys_{QStringLiteral("cactus")};
    KeyMap logKeys_{QStringLiteral("log")};
    // The file once more, for the photos' blobs, and the statements reading
    // them, prepared once for all photos (see importPhotos).
    std::unique_ptr<Connection> pictures_;
    std::unique_ptr<Statement> photoBlob_;
    std::unique_ptr<Statement> thumbnailBlob_;
    std::unique_ptr<Statement> bothBlobs_;
    int64_t bothBlobsAt_ = -1; // the key of the row bothBlobs_ stands on
    int64_t rowBefore_ = -1;   // the key of the photo before this one in the file
};

void Merge::registerCopyFilters(bool registered)
{
    auto filter = [](sqlite3_context* call, int count, sqlite3_value** values) {
        Merge& merge = *static_cast<Merge*>(sqlite3_user_data(call));
        const int type = sqlite3_value_type(values[0]);
        const bool whole = type == SQLITE_INTEGER || type == SQLITE_NULL;
        if (!whole)
            ++merge.refusedLinks_;
        else if (count == 2)
            merge.transaction_.noteEvent(values[1]);
        else
            merge.transaction_.noteSpecies(values[1], values[2]);
        sqlite3_result_int(call, whole);
    };
    // Only for the merge's own statements: a file's schema cannot call them.
    constexpr int kFlags = SQLITE_UTF8 | SQLITE_DIRECTONLY;
    auto* function = registered ? +filter : nullptr;
    sqlite3_create_function_v2(db_->handle(), "spinora_copied_log", 2, kFlags, this, function, nullptr, nullptr, nullptr);
    sqlite3_create_function_v2(db_->handle(), "spinora_copied_cactus", 3, kFlags, this, function, nullptr, nullptr,
                               nullptr);
}

bool Merge::tableExists(const char* table)
{
    Statement st(db_, "SELECT 1 FROM incoming.sqlite_master WHERE type='table' AND name=?");
    st.bind(QString::fromUtf8(table));
    return st.prepared() && st.stepRow();
}

int64_t Merge::count(const QString& sql)
{
    Statement st(db_, sql.toStdString());
    return st.prepared() && st.stepRow() ? st.integer(0) : 0;
}

bool Merge::attachIncoming()
{
    incomingPath_ = request_.sourceKind == ImportRequest::Source::Collection
                        ? request_.source + QLatin1Char('/') + QString::fromUtf8(kDatabaseFileName)
                        : request_.source;
    if (!QFileInfo(incomingPath_).isFile())
        return fail(localized("%1 could not be read.").arg(QDir::toNativeSeparators(incomingPath_)));
    QString error;
    if (!transaction_.attachReadOnly(incomingPath_, "incoming", &error))
        return fail(localized("The file could not be opened: %1").arg(error));
    attachedPath_ = incomingPath_;
    // Our files have neither triggers nor views. A file's own would run its
    // statements while we read it (a trigger, a view named "cactus" over an
    // endless query): nothing is read from a file that has them.
    Statement st(db_, "SELECT type, lower(name) FROM incoming.sqlite_master WHERE type IN ('trigger', 'view')");
    if (!st.prepared())
        return fail(localized("The file is not a Spinora database: %1").arg(db_->errorMessage()));
    int rc;
    while ((rc = st.step()) == SQLITE_ROW) {
        hostileSchema_ = true;
        versionIsView_ = versionIsView_ || (st.text(0) == QLatin1String("view") && st.text(1) == QLatin1String("version"));
    }
    if (rc != SQLITE_DONE)
        return fail(localized("The file is not a Spinora database: %1").arg(db_->errorMessage()));
    return true;
}

// A file of an older schema is upgraded in a private copy (the user's file
// is never changed); the copy's triggers and views are dropped first.
bool Merge::upgradeCopy(const QString& path)
{
    const QString copy = transaction_.stagingFolder() + QStringLiteral("/incoming.db");
    transaction_.detach("incoming");
    if (!FileHelpers::copyFileFrom(path, copy, FileHelpers::Durability::Fast))
        return fail(localized("%1 could not be read.").arg(QDir::toNativeSeparators(path)));
    QString error;
    {
        auto upgrading = Connection::open(copy, Connection::Mode::ReadWrite, &error);
        if (!upgrading)
            return fail(localized("The file could not be opened: %1").arg(error));
        JobContext* context = &transaction_.context();
        upgrading->setInterruptCheck([context] { return context->cancelRequested(); });
        upgrading->execute("PRAGMA trusted_schema=OFF;");
        QStringList drops;
        {
            Statement st(upgrading.get(), "SELECT type, name FROM sqlite_master WHERE type IN ('trigger', 'view')");
            while (st.prepared() && st.stepRow()) {
                QString name = st.text(1);
                name.replace(QLatin1String("\""), QLatin1String("\"\""));
                drops << QStringLiteral("DROP %1 IF EXISTS \"%2\";").arg(st.text(0).toUpper(), name);
            }
        }
        if (!drops.isEmpty() && !upgrading->execute(drops.join(QLatin1Char(' ')), &error))
            return fail(localized("The file is not a Spinora database: %1").arg(error));
        if (!SchemaUpgrade::upgrade(upgrading.get(), &error))
            return fail(localized("The file cannot be imported: its schema could not be upgraded (%1).").arg(error));
        if (!upgrading->close(&error))
            return fail(localized("The file could not be closed: %1").arg(error));
    }
    if (!transaction_.attachReadOnly(copy, "incoming", &error))
        return fail(localized("The file could not be opened: %1").arg(error));
    attachedPath_ = copy;
    hostileSchema_ = versionIsView_ = false;
    return true;
}

bool Merge::readVersion()
{
    if (versionIsView_)
        return fail(hostileSchema());
    int64_t version = 0;
    {
        Statement st(db_, "SELECT version_num FROM incoming.version");
        if (!st.prepared() || !st.stepRow())
            return fail(localized("The file has no version information, so it is not a Spinora database."));
        version = st.integer(0);
    }
    if (version > kSchemaVersion)
        return fail(localized("The file cannot be imported: it was made by a newer version of Spinora "
                                   "(schema %1; this version reads up to %2).")
                        .arg(version)
                        .arg(kSchemaVersion));
    if (version < kSchemaVersion) {
        if (!upgradeCopy(incomingPath_))
            return false;
    } else if (hostileSchema_) {
        return fail(hostileSchema());
    }

    Statement counts(db_, "SELECT num_cacti, num_watering, num_logs, num_events, num_species, num_images "
                          "FROM incoming.version");
    if (!counts.prepared() || !counts.stepRow())
        return fail(localized("The file's version row holds no record counts."));
    // The counts only scale the progress bar; negative ones count as none,
    // absurd ones are bounded so the sums below cannot overflow.
    auto number = [&counts](int column) { return std::clamp<int64_t>(counts.integer(column), 0, int64_t(1) << 40); };
    const int64_t cacti = number(0), watering = number(1), logs = number(2), events = number(3),
                  species = number(4), images = number(5);
    int64_t units = 0;
    switch (type_) {
    case kExchangeComplete: units = cacti + watering + logs + events + species + images; break;
    case kExchangeCactiAndWatering: units = cacti + images + 2 * watering; break;
    case kExchangeCacti: units = cacti + images; break;
    case kExchangeWatering: units = watering; break;
    }
    // The last tenth of the bar is left for the end of the import.
    base_ = units * 110 / 100;
    return true;
}

// A table declared without the row-id alias may hold one key twice, texts or
// fractions; the merge maps records by key, so such a file would merge two
// rows into one or give blank records. Keys are 64-bit whole numbers from 0
// up (a record without a row has -1; photo files are named by the key). The
// links between records are checked as the records are copied.
bool Merge::checkKeys()
{
    const bool cacti = type_ != kExchangeWatering;
    const std::pair<const char*, bool> tables[] = {{"image", cacti},
                                                   {"watering", type_ != kExchangeCacti},
                                                   {"cactus", cacti},
                                                   {"log", type_ == kExchangeComplete},
                                                   {"event", type_ == kExchangeComplete},
                                                   {"species", type_ == kExchangeComplete}};
    for (const auto& [table, used] : tables) {
        if (!used || !tableExists(table))
            continue;
        const QString name = QString::fromUtf8(table);
        if (keysAreRowIds(name))
            continue;
        Statement st(db_, QStringLiteral("SELECT count(*), count(DISTINCT pk), "
                                         "coalesce(sum(typeof(pk) <> 'integer' OR pk < 0), 0) FROM incoming.\"%1\"")
                              .arg(name)
                              .toStdString());
        if (!st.prepared() || !st.stepRow())
            return fail(localized("The file cannot be imported: its %1 table cannot be read (%2).")
                            .arg(name, db_->errorMessage()));
        if (st.integer(2) > 0)
            return fail(localized("The file cannot be imported: its %1 table has keys that are not "
                                       "whole numbers from 0 to 9223372036854775807.")
                            .arg(name));
        if (st.integer(0) != st.integer(1))
            return fail(localized("The file cannot be imported: its %1 table has the same key on more than one row.")
                            .arg(name));
    }
    return true;
}

bool Merge::keysAreRowIds(const QString& table)
{
    // The key is the row id when it is the table's whole primary key and
    // SQLite keeps no index for that key (it does for a key of another type,
    // "INTEGER PRIMARY KEY DESC" and a table without row ids). Then the
    // smallest key, read from the table's first page, is all to check.
    Statement st(db_, QStringLiteral("SELECT (SELECT group_concat(lower(name)) FROM pragma_table_info('%1', 'incoming') "
                                     "WHERE pk > 0) = 'pk' AND NOT EXISTS (SELECT 1 FROM pragma_index_list('%1', "
                                     "'incoming') WHERE origin = 'pk') AND ifnull((SELECT min(pk) FROM incoming.\"%1\"), "
                                     "0) >= 0")
                          .arg(table)
                          .toStdString());
    return st.prepared() && st.stepRow() && st.integer(0) == 1;
}

bool Merge::copyRows(KeyMap& keys, const QString& link, const KeyMap* linked, const QString& filter)
{
    const QString& table = keys.table;
    QStringList columns;
    QStringList values;
    {
        Statement st(db_, QStringLiteral("PRAGMA main.table_info(\"%1\")").arg(table).toStdString());
        while (st.prepared() && st.stepRow()) {
            const QString column = st.text(1);
            if (column == QLatin1String("pk"))
                continue;
            columns << column;
            values << (column == link ? linked->linkValue(QStringLiteral("t.") + column) : QStringLiteral("t.") + column);
        }
    }
    // min() and max() each read one end of the table; asked together they
    // would read all of it.
    const int64_t highest = count(QStringLiteral("SELECT ifnull(max(pk), 0) FROM main.%1").arg(table));
    {
        Statement st(db_, QStringLiteral("SELECT ifnull((SELECT min(pk) FROM incoming.%1), 0), "
                                         "ifnull((SELECT max(pk) FROM incoming.%1), 0)")
                              .arg(table)
                              .toStdString());
        if (st.prepared() && st.stepRow()) {
            keys.lowest = st.integer(0);
            keys.last = st.integer(1);
        }
    }
    // The keys are unique and from 0 up (checkKeys), so there are no more
    // rows than keys from the first to the last: they are counted, which
    // reads the whole table, only when that many would not fit.
    if (keys.last - keys.lowest >= INT64_MAX - highest &&
        highest > INT64_MAX - count(QStringLiteral("SELECT count(*) FROM incoming.%1").arg(table)))
        return fail(localized("The file cannot be imported: the collection has no keys left for its %1 table.")
                        .arg(table));
    // The rows whose link is no whole number are left out by the filter and
    // the file refused below: one read of the table for both.
    refusedLinks_ = 0;
    QString error;
    if (!db_->execute(QStringLiteral("INSERT INTO main.%1 (%2) SELECT %3 FROM incoming.%1 AS t WHERE %4 ORDER BY t.pk")
                          .arg(table, columns.join(QStringLiteral(", ")), values.join(QStringLiteral(", ")),
                               filter.isEmpty() ? QStringLiteral("1") : filter),
                      &error))
        return fail(localized("The records of the file's %1 table could not be read: %2").arg(table, error));
    if (refusedLinks_ > 0)
        return fail(localized("The file cannot be imported: the %1 column of its %2 table holds values that are "
                                   "not whole numbers.")
                        .arg(link, table));
    // Every row came in, in the order of the old keys, under the keys SQLite
    // gave them: one above the table's largest, and so on.
    const int64_t rows = count(QStringLiteral("SELECT ifnull(max(pk), 0) FROM main.%1").arg(table)) - highest;
    keys.copied = rows > 0;
    keys.noted = keys.copied && keys.last - keys.lowest != rows - 1;
    keys.shift = highest + 1 - keys.lowest;
    if (keys.noted &&
        !db_->execute(QStringLiteral("CREATE TEMP TABLE %1_keys (old INTEGER PRIMARY KEY, new INTEGER); "
                                     "INSERT INTO temp.%1_keys (old, new) SELECT pk, %2 + row_number() OVER (ORDER BY pk) "
                                     "FROM incoming.%1;")
                          .arg(table)
                          .arg(highest),
                      &error))
        return fail(localized("The records of the file's %1 table could not be read: %2").arg(table, error));
    visited(rows);
    return !transaction_.cancelled();
}

bool Merge::importWatering()
{
    if (type_ == kExchangeCacti)
        return true;
    if (!tableExists("watering"))
        return type_ == kExchangeComplete || fail(localized("The file holds no watering schedules."));
    return copyRows(wateringKeys_);
}

bool Merge::importCacti()
{
    if (type_ == kExchangeWatering)
        return true;
    if (!tableExists("cactus"))
        return type_ == kExchangeComplete || fail(localized("The file holds no cacti."));
    return copyRows(cactusKeys_, QStringLiteral("watering_key"), &wateringKeys_,
                    QStringLiteral("spinora_copied_cactus(t.watering_key, t.scientific_name, t.common_name)"));
}

bool Merge::importLogs()
{
    if (type_ != kExchangeComplete || !tableExists("log"))
        return true;
    return copyRows(logKeys_, QStringLiteral("cactus_key"), &cactusKeys_,
                    QStringLiteral("spinora_copied_log(t.cactus_key, t.event)"));
}

IncomingPicture Merge::incomingPicture(const QString& file, Statement& blob, int64_t key)
{
    // The file in the source package first, else the blob (an interchange
    // file); either within the size cap.
    Image::PictureFileProblem fileProblem = Image::PictureFileProblem::None;
    IncomingPicture picture;
    if (!file.isEmpty()) {
        picture.data = Image::readPictureFile(file, request_.source, &fileProblem);
        if (!picture.data.isEmpty())
            return picture;
    }
    if (blob.prepared()) {
        blob.bind(key);
        const int rc = blob.step();
        if (rc == SQLITE_ROW)
            picture.data = blob.blobView(0);
        else if (rc == SQLITE_TOOBIG)
            picture.problem = localized("larger than 64 MiB");
        else if (rc != SQLITE_DONE)
            picture.problem = pictures_->errorMessage();
    }
    if (picture.data.isEmpty() && picture.problem.isEmpty())
        picture.problem = describeProblem(fileProblem);
    return picture;
}

bool Merge::readBothBlobs(int64_t key, IncomingPicture& photo, IncomingPicture& thumbnail)
{
    // The thumbnail lies behind the photo in the row: read on its own, it
    // would go through the photo's pages once more. A row whose read fails
    // (a blob too large, a damaged page) is read blob by blob, so that a
    // good photo is kept.
    // The rows are read in the order of their keys, and a row that follows
    // the one read before is one step along the table, not a new search.
    if (!bothBlobs_->prepared())
        return false;
    int rc = SQLITE_DONE;
    if (bothBlobsAt_ < 0 || bothBlobsAt_ != rowBefore_ || (rc = bothBlobs_->step()) != SQLITE_ROW ||
        bothBlobs_->integer(0) != key) {
        bothBlobs_->reset();
        bothBlobs_->bind(key);
        rc = bothBlobs_->step();
    }
    bothBlobsAt_ = rc == SQLITE_ROW ? bothBlobs_->integer(0) : -1;
    if (rc == SQLITE_ROW && bothBlobsAt_ == key) {
        photo.data = bothBlobs_->blobView(1);
        thumbnail.data = bothBlobs_->blobView(2);
    } else if (rc != SQLITE_ROW && rc != SQLITE_DONE) {
        bothBlobs_->reset();
        return false;
    }
    return true;
}

bool Merge::readPictures(int64_t key, Image& image, QString* problem)
{
    const bool package = request_.sourceKind == ImportRequest::Source::Collection;
    auto file = [&](const char* suffix) {
        return package ? QStringLiteral("%1/sp-%2%3.jpg").arg(request_.source).arg(key).arg(QLatin1String(suffix))
                       : QString();
    };
    IncomingPicture photo, thumbnail;
    const bool both = !package && readBothBlobs(key, photo, thumbnail);
    if (!both)
        photo = incomingPicture(file(""), *photoBlob_, key);
    if (!photo.problem.isEmpty()) {
        *problem = photo.problem;
        return false;
    }
    if (!both)
        thumbnail = incomingPicture(file("t"), *thumbnailBlob_, key);
    const QByteArray photoData = photo.data.isEmpty() ? QByteArray() : asStoredJpeg(photo.data, Image::kPhotoSize);
    if (!photo.data.isEmpty() && photoData.isEmpty()) {
        *problem = localized("not a picture that can be read");
        return false;
    }
    QByteArray thumbnailData =
        thumbnail.data.isEmpty() ? QByteArray() : asStoredJpeg(thumbnail.data, Image::kThumbnailSize);
    if (thumbnailData.isEmpty() && !photoData.isEmpty()) {
        // A thumbnail that is missing or damaged is made again from the photo.
        thumbnailData = Image::encodeJpeg(Image::scaledToLongerSide(Image::decode(photoData), Image::kThumbnailSize));
    } else if (thumbnailData.isEmpty() && (!thumbnail.data.isEmpty() || !thumbnail.problem.isEmpty())) {
        *problem = thumbnail.problem.isEmpty() ? localized("not a picture that can be read") : thumbnail.problem;
        return false;
    }
    image.setDataForPhoto(photoData);
    image.setDataForThumbnail(thumbnailData);
    return true;
}

// "the cactus “Opuntia”": whom a skipped photo belonged to, for the warning.
QString Merge::photoOwner(int64_t type, int64_t key)
{
    const bool cactus = type == Image::kCactusPhoto;
    Statement st(db_, cactus ? "SELECT name FROM incoming.cactus WHERE pk=?" : "SELECT event FROM incoming.log WHERE pk=?");
    st.bind(key);
    const QString name = st.prepared() && st.stepRow() ? st.text(0) : QString();
    if (name.isEmpty())
        return cactus ? localized("the cactus %1").arg(key) : localized("the log entry %1").arg(key);
    return (cactus ? localized("the cactus “%1”") : localized("the log entry “%1”")).arg(name.left(80));
}

bool Merge::importPhotos()
{
    if (type_ == kExchangeWatering || !tableExists("image"))
        return true;
    Statement rows(db_, "SELECT pk, type, key, tag, caption, typeof(key) IN ('integer', 'null') "
                        "FROM incoming.image ORDER BY pk");
    if (!rows.prepared())
        return fail(localized("The file's photos could not be read: %1").arg(db_->errorMessage()));
    // The blobs are read on a connection of their own: on the import's
    // connection a damaged page under one blob would fail every later
    // statement of the transaction, and so the whole import, where that
    // photo alone is to be left out.
    QString error;
    pictures_ =
        Connection::open(QFileInfo(attachedPath_).absoluteFilePath(), Connection::Mode::ReadOnlyReadAhead, &error);
    if (!pictures_)
        return fail(localized("The file's photos could not be read: %1").arg(error));
    pictures_->setLengthLimit(static_cast<int>(Image::kMaxPictureFileBytes));
    // One read of the file for all photos, not one per statement; each blob
    // is read once, so the cache keeps no more than the way to the next.
    pictures_->execute("PRAGMA cache_size=50; BEGIN");
    photoBlob_ = std::make_unique<Statement>(pictures_.get(), "SELECT photo FROM image WHERE pk=?");
    thumbnailBlob_ = std::make_unique<Statement>(pictures_.get(), "SELECT thumbnail FROM image WHERE pk=?");
    bothBlobs_ = std::make_unique<Statement>(pictures_.get(),
                                             "SELECT pk, photo, thumbnail FROM image WHERE pk >= ? ORDER BY pk");
    Statement cactusOwner(db_, (QStringLiteral("SELECT ") + cactusKeys_.newKey(QStringLiteral("?1"))).toStdString());
    Statement logOwner(db_, (QStringLiteral("SELECT ") + logKeys_.newKey(QStringLiteral("?1"))).toStdString());
    // Each photo's files are written while the next photo is read.
    PhotoFileWriter writer;
    int rc;
    int64_t row = -1;
    while ((rc = rows.step()) == SQLITE_ROW) {
        if (transaction_.cancelled())
            return false;
        visited();
        if (rows.integer(5) == 0)
            return fail(localized("The file cannot be imported: the key column of its image table holds values "
                                       "that are not whole numbers."));
        const int64_t key = rows.integer(0);
        rowBefore_ = std::exchange(row, key);
        const int64_t type = rows.integer(1);
        const int64_t owner = rows.integer(2);
        const bool wanted = owner != -1 && (type == Image::kCactusPhoto ||
                                            (type == Image::kLogPhoto && type_ == kExchangeComplete));
        if (!wanted)
            continue;
        // A photo whose owner did not come in would belong to nobody.
        const KeyMap& ownerKeys = type == Image::kCactusPhoto ? cactusKeys_ : logKeys_;
        if (!ownerKeys.copied)
            continue;
        int64_t newOwner = 0;
        if (!ownerKeys.noted) {
            // The key map's own expression, without a statement per photo.
            if (owner < ownerKeys.lowest || owner > ownerKeys.last)
                continue;
            newOwner = owner + ownerKeys.shift;
        } else {
            Statement& owners = type == Image::kCactusPhoto ? cactusOwner : logOwner;
            owners.bind(owner);
            const bool ownerImported = owners.stepRow() && !owners.isNull(0);
            newOwner = ownerImported ? owners.integer(0) : 0;
            owners.reset();
            if (!ownerImported)
                continue;
        }
        // The pictures are read without a copy and written from where SQLite
        // put them, so the blob statements are reset only when they are
        // stored (the statement reading both steps on to the next row).
        const auto readNext = qScopeGuard([this] {
            photoBlob_->reset();
            thumbnailBlob_->reset();
        });
        // One damaged photo must not cost the whole import: it is left out
        // and named in the job's warning.
        Image image;
        QString problem;
        if (!readPictures(key, image, &problem)) {
            if (transaction_.cancelled())
                return false;
            skippedPhotos_ << QStringLiteral("photo %1 of %2 (%3)").arg(key).arg(photoOwner(type, owner), problem);
            continue;
        }
        image.setLinkedType(type);
        image.setLinkedKey(newOwner);
        image.setTagValue(rows.integer(3));
        image.setCaption(rows.text(4));
        // The square thumbnail is cut when the photo is first shown.
        if (Result<> stored = image.insertIntoStagingFolder(db_, transaction_.photoFolder(), writer); !stored)
            return transaction_.fail(stored.failure());
    }
    if (rc != SQLITE_DONE)
        return fail(localized("The file's photos could not be read: %1").arg(db_->errorMessage()));
    if (Result<> written = writer.finish(); !written)
        return transaction_.fail(written.failure());
    if (!skippedPhotos_.isEmpty()) {
        const qsizetype n = skippedPhotos_.size();
        transaction_.context().addWarning(
            n == 1 ? localized("1 photo could not be read and was left out: %1.").arg(skippedPhotos_.first())
                   : localized("%1 photos could not be read and were left out: %2.")
                         .arg(QString::number(n), skippedPhotos_.join(QStringLiteral("; "))));
    }
    return true;
}

bool Merge::importNew(const char* existingSql, const char* incomingSql, const char* insertSql)
{
    std::set<QString, LocalizedLess> known;
    {
        Statement st(db_, existingSql);
        while (st.prepared() && st.stepRow())
            known.insert(st.text(0));
    }
    Statement incoming(db_, incomingSql);
    if (!incoming.prepared()) // the file has no such table
        return true;
    Statement insert(db_, insertSql);
    int rc;
    while ((rc = incoming.step()) == SQLITE_ROW) {
        if (transaction_.cancelled())
            return false;
        visited();
        // Only the names there before this step count: the file may hold a
        // name twice, and then it comes in twice.
        if (incoming.text(0).isEmpty() || known.count(incoming.text(0)))
            continue;
        for (int i = 1; i <= insert.parameterCount(); ++i)
            insert.bindAt(i, incoming.text(i));
        if (!insert.stepDone())
            return fail(localized("The collection could not be written: %1").arg(db_->errorMessage()));
        insert.reset();
    }
    if (rc != SQLITE_DONE)
        return fail(localized("The file could not be read: %1").arg(db_->errorMessage()));
    return true;
}

bool Merge::run()
{
    if (!attachIncoming() || !readVersion() || !checkKeys() || !transaction_.begin() ||
        !transaction_.reservePhotoKeys())
        return false;
    if (!importWatering())
        return false;
    crashPoint("merge");
    transaction_.noteCopiedNames();
    if (!importCacti() || !importLogs() || !importPhotos())
        return false;
    if (type_ == kExchangeComplete &&
        (!transaction_.addDefaultEvents() ||
         !importNew("SELECT name FROM main.event", "SELECT name, name FROM incoming.event ORDER BY pk",
                    "INSERT INTO main.event (name) VALUES(?)") ||
         !importNew("SELECT scientific FROM main.species",
                    "SELECT scientific, name, scientific FROM incoming.species ORDER BY pk",
                    "INSERT INTO main.species (name, scientific) VALUES(?, ?)")))
        return false;
    return transaction_.addSpeciesFromCacti() && transaction_.addEventsFromLogs() && !transaction_.cancelled();
}

} // namespace

bool InterchangeImport::merge(const ImportRequest& request, ImportTransaction& transaction)
{
    return Merge(request, transaction).run();
}

} // namespace spinora
