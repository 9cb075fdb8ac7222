#include "CsvImport.h"

#include "Cactus.h"
#include "CsvExport.h"
#include "CsvMapping.h"
#include "CsvReader.h"
#include "DateStyles.h"
#include "ExchangeRequests.h"
#include "ImportTransaction.h"
#include "JobContext.h"
#include "LocaleFormats.h"
#include "Localization.h"
#include "Log.h"
#include "Messages.h"
#include "SpinoraStrings.h"
#include "TextCompare.h"
#include "Water.h"

#include <QHash>

#include <algorithm>
#include <array>
#include <utility>

namespace spinora {

namespace {

// Table: a grower's own spreadsheet, one plant a line, under a header
// line whose columns a CsvMapping places.
enum class Section { None, Cacti, Watering, Logs, Table };
enum class Phase { WaitingForTitle, ExpectingHeader, ReadingRecords };

constexpr int kTitleFieldsChecked = 22;

// The first field of a section's title line. Files keep the English words;
// those of the language shown are read too (a grower's own file, one
// written by an earlier version). Looked up once, not per line.
class SectionTitles {
public:
    Section of(const QString& firstField) const
    {
        for (const auto& [words, section] : titles_) {
            if (words.contains(firstField))
                return section;
        }
        return Section::None;
    }

private:
    static std::pair<QStringList, Section> title(const char* word, Section section)
    {
        return {{QString::fromLatin1(word), localized(word)}, section};
    }
    const std::array<std::pair<QStringList, Section>, 3> titles_{title(QT_TRID_NOOP("Cacti"), Section::Cacti),
                                                                 title(QT_TRID_NOOP("Watering"), Section::Watering),
                                                                 title(QT_TRID_NOOP("Logs"), Section::Logs)};
};

// A line the reader looks at: read whole, not empty, not a "//" comment.
bool isContentLine(int readResult, const QString& line)
{
    return (readResult == InputTextStream::kLine || readResult == InputTextStream::kEnd) && !line.isEmpty() &&
           !line.startsWith(QLatin1String("//")) && !line.startsWith(QLatin1String("\"//"));
}

int64_t unitCode(const QString& word)
{
    const QString lower = word.toLower();
    for (int i = 0; i < 5; ++i) {
        for (const auto words : {SpinoraStrings::Words::English, SpinoraStrings::Words::Shown}) {
            if (lower == SpinoraStrings::oneFrequencyStrings(words).at(i).toLower() ||
                lower == SpinoraStrings::frequencyStrings(words).at(i).toLower())
                return i + 1;
        }
    }
    return 0;
}

struct MonthAndDay {
    int month;
    int day;
};

// "%@ %d": a full month name, a space and the day. Month names may hold
// spaces themselves (Vietnamese "Tháng 12", Mongolian "Арванхоёрдугаар сар"),
// so the text is matched against the names rather than split at spaces; the
// longest name that fits wins ("Tháng 1" must not take "Tháng 12 5").
std::optional<MonthAndDay> noWaterDay(const QString& text, const QStringList& months)
{
    std::optional<MonthAndDay> found;
    qsizetype longest = 0;
    for (int m = 0; m < months.size(); ++m) {
        const QString& name = months[m];
        if (name.isEmpty() || name.size() <= longest || text.size() < name.size() + 2 ||
            !text.startsWith(name) || text.at(name.size()) != QLatin1Char(' '))
            continue;
        // The day is one word; its integer value (0 when it is none) is kept.
        const QString day = text.mid(name.size() + 1);
        if (day.contains(QLatin1Char(' ')))
            continue;
        found = MonthAndDay{m + 1, day.toInt()};
        longest = name.size();
    }
    return found;
}

// One run of the reader: its section and phase, and what it has made so far.
class RecordReader {
public:
    RecordReader(Connection* db, const CsvImport::Kinds& kinds, JobContext* context, const QString& mapping)
        : db_(db), kinds_(kinds), context_(context), mapSpec_(mapping)
    {
    }

    Result<CsvImport::Counts> read(const QString& path);

private:
    void classify(const QString& line);
    bool isTitle(const QString& line);
    void checkHeader(const QString& line);
    void startTable(const QString& line);
    void readRecord(const QString& line);
    // The record's fields; shorter than `columns` when the line ended early.
    QStringList fields(const QString& line, int columns);
    void makeCactus(const QStringList& f);
    void makeWater(const QStringList& f);
    void makeLog(const QStringList& f);
    template <class T>
    void store(T& record, bool wanted)
    {
        if (!wanted)
            return;
        keep(record.insertWhole(db_));
        keep(record.dehydrate());
    }
    // The first write that failed ends the reading.
    void keep(Result<> written)
    {
        if (written_ && !written)
            written_ = written;
    }
    void resolveWateringLinks();
    bool stopped() const { return !written_ || (context_ && context_->cancelRequested()); }

    // A field of a stored record whose text could not be read: it is left
    // at the record's default, and the import's warnings name it.
    void unreadable(int column, const QString& text);
    void tellUnreadable();
    // The fields read with a word for what they cannot read. An empty text
    // is no value, and "Never" or "None Scheduled" no date.
    Timestamp dateField(int column, const QString& text, bool withTime);
    using PickList = const QStringList& (*)(SpinoraStrings::Words);
    int pickField(int column, PickList list, const QString& text);
    std::optional<double> moneyField(int column, const QString& text);
    Timestamp day(const QString& text)
    {
        const auto known = days_.constFind(text);
        if (known != days_.constEnd())
            return *known;
        const Timestamp read = formats_.readDate(text);
        days_.insert(text, read);
        return read;
    }

    // A spreadsheet writes days in the locale's short form ("6/14/2021" in
    // the United States), which decides where day and month could swap.
    Timestamp spreadsheetDay(const QString& text)
    {
        const QString format = withFourDigitYear(formats_.locale().dateFormat(QLocale::ShortFormat));
        const QDate read = formats_.locale().toDate(text.trimmed(), format);
        return read.isValid() ? fromDateTime(QDateTime(read, QTime(0, 0))) : day(text);
    }

    Connection* db_;
    const CsvImport::Kinds kinds_;
    JobContext* context_;
    InputTextStream stream_;
    CsvFieldReader reader_{stream_};
    const LocaleFormats formats_;
    Section section_ = Section::None;
    Phase phase_ = Phase::WaitingForTitle;
    std::vector<std::unique_ptr<Cactus>> cacti_;
    std::vector<Cactus*> cactiByName_;
    QHash<QString, Cactus*> exactNames_; // the usual case, without collation
    bool cactiSorted_ = false;           // sorted on the first name not found exactly
    // Files keep the English words; those of the language shown are read too
    // (a grower's own file, one written by an earlier version).
    const SectionTitles titles_;
    const QStringList typeCactus_{QStringLiteral("Cactus"), localized("Cactus")};
    const QStringList typeNote_{QStringLiteral("Note"), localized("Note")};
    const QStringList months_ = SpinoraStrings::months(); // of the no-water days
    std::vector<std::unique_ptr<Water>> schedules_;
    QHash<QString, Water*> schedulesByName_;
    std::vector<std::pair<Cactus*, QString>> pendingLinks_;
    int logCount_ = 0;
    Result<> written_;
    // The line the record being read starts on, and whether it is stored.
    int recordLine_ = 0;
    bool recordStored_ = false;
    QStringList unreadable_;
    int moreUnreadable_ = 0;
    const QStringList noDate_{QStringLiteral("Never"), QStringLiteral("None Scheduled"), localized("Never"),
                              localized("None Scheduled")};
    // Days repeat from line to line (a log entry has no time): each text is
    // read once.
    QHash<QString, Timestamp> days_;
    // A file that does not begin with a section title is a table.
    const QString mapSpec_;
    bool sawContent_ = false;
    std::optional<CsvMapping> table_;
    QStringList tableHeaders_;
    QString tableRefused_; // why its columns could not be placed
};

Result<CsvImport::Counts> RecordReader::read(const QString& path)
{
    if (stream_.open(path)) {
        QString line;
        for (int lines = 1;; ++lines) {
            const int result = stream_.readLine(line);
            if (isContentLine(result, line))
                classify(line);
            if (result != InputTextStream::kLine || stopped())
                break;
            // The reading is the import's work up to the last tenth of the bar.
            if (context_ && lines % 256 == 0)
                context_->setProgress(stream_.fractionRead() * 90.0);
        }
        stream_.close();
    }
    if (!written_)
        return written_.failure();
    if (cacti_.empty() && schedules_.empty() && logCount_ == 0 && !tableRefused_.isEmpty())
        return Failure(tableRefused_);
    resolveWateringLinks();
    tellUnreadable();
    return CsvImport::Counts{int(cacti_.size()), int(schedules_.size()), logCount_};
}

void RecordReader::unreadable(int column, const QString& text)
{
    // A file of thousands of such fields is named in part: the first ones
    // tell what is wrong with the others.
    constexpr qsizetype kListed = 1000;
    if (!recordStored_)
        return;
    if (unreadable_.size() == kListed) {
        ++moreUnreadable_;
        return;
    }
    const QStringList& headers = section_ == Section::Table      ? tableHeaders_
                                 : section_ == Section::Cacti    ? CsvExport::cactusHeaders()
                                 : section_ == Section::Watering ? CsvExport::waterHeaders()
                                                                 : CsvExport::logHeaders();
    if (section_ == Section::Table)
        column = table_->columnOf(column);
    unreadable_ << localized("Line %1, column %2 (%3): “%4” could not be read and was not imported.")
                       .arg(recordLine_)
                       .arg(column + 1)
                       .arg(headers.value(column), text);
}

void RecordReader::tellUnreadable()
{
    if (!context_)
        return;
    for (const QString& warning : unreadable_)
        context_->addWarning(warning);
    if (moreUnreadable_ > 0)
        context_->addWarning(localized("%1 more fields could not be read and were not imported.").arg(moreUnreadable_));
}

Timestamp RecordReader::dateField(int column, const QString& text, bool withTime)
{
    if (text.isEmpty())
        return std::nullopt;
    const Timestamp read = withTime                      ? formats_.readDateAndTime(text)
                           : section_ == Section::Table ? spreadsheetDay(text)
                                                        : day(text);
    if (!read && !noDate_.contains(text))
        unreadable(column, text);
    return read;
}

int RecordReader::pickField(int column, PickList list, const QString& text)
{
    int index = SpinoraStrings::indexOf(list(SpinoraStrings::Words::English), text);
    if (index < 0)
        index = SpinoraStrings::indexOf(list(SpinoraStrings::Words::Shown), text);
    if (index < 0 && !text.isEmpty())
        unreadable(column, text);
    return index;
}

std::optional<double> RecordReader::moneyField(int column, const QString& text)
{
    if (text.isEmpty())
        return std::nullopt;
    const std::optional<double> value = formats_.readMoney(text);
    if (!value)
        unreadable(column, text);
    return value;
}

void RecordReader::classify(const QString& line)
{
    if (!sawContent_) {
        sawContent_ = true;
        if (!mapSpec_.isEmpty() || !isTitle(line))
            startTable(line);
        return;
    }
    if (phase_ != Phase::ExpectingHeader && isTitle(line))
        return;
    if (phase_ == Phase::ExpectingHeader)
        checkHeader(line);
    else if (phase_ == Phase::ReadingRecords)
        readRecord(line);
}

bool RecordReader::isTitle(const QString& line)
{
    // Most lines are records: their first field alone tells that.
    const QStringList first = splitCsvLine(line, 1);
    if (first.isEmpty())
        return false;
    const Section section = titles_.of(first[0]);
    if (section == Section::None)
        return false;
    const QStringList f = splitCsvLine(line, kTitleFieldsChecked);
    for (qsizetype i = 1; i < f.size(); ++i) {
        if (!f[i].isEmpty())
            return false;
    }
    section_ = section;
    phase_ = Phase::ExpectingHeader;
    if (section == Section::Logs) {
        // Log entries find their plant by name among the cacti read so far.
        cactiByName_.clear();
        exactNames_.clear();
        for (const auto& c : cacti_) {
            cactiByName_.push_back(c.get());
            if (!exactNames_.contains(c->name()))
                exactNames_.insert(c->name(), c.get());
        }
        cactiSorted_ = false;
    }
    return true;
}

void RecordReader::checkHeader(const QString& line)
{
    const QStringList& expected = section_ == Section::Cacti      ? CsvExport::cactusHeaders()
                                  : section_ == Section::Watering ? CsvExport::waterHeaders()
                                                                  : CsvExport::logHeaders();
    const QStringList f = splitCsvLine(line, int(expected.size()));
    bool matches = f.size() >= expected.size();
    for (qsizetype i = 0; matches && i < expected.size(); ++i)
        matches = f[i] == expected[i];
    if (matches) {
        phase_ = Phase::ReadingRecords;
    } else {
        // A section whose header is not the template's is skipped.
        phase_ = Phase::WaitingForTitle;
        section_ = Section::None;
    }
}

void RecordReader::startTable(const QString& line)
{
    // A spreadsheet of its own may separate its fields otherwise.
    const QChar separator = csvSeparatorOf(line);
    reader_.setSeparator(separator);
    const QStringList headers = splitCsvLine(line, InputTextStream::kLineLimit, separator);
    QString refused;
    CsvMapping mapping;
    if (!mapSpec_.isEmpty()) {
        mapping = CsvMapping::explicitFor(headers, mapSpec_, refused);
        if (refused.isEmpty() && !mapping.feedsName())
            refused = localized("No column of the mapping gives the plants' names.");
        if (!refused.isEmpty())
            keep(Failure(refused));
    } else {
        // Guessed only when every column is placed: a file with a column
        // the guesses do not know may still hold template sections further on.
        QStringList unplaced;
        mapping = CsvMapping::guessed(headers, unplaced);
        if (!unplaced.isEmpty() || !mapping.feedsName()) {
            if (unplaced.isEmpty())
                unplaced << localized("(a column of plant names)");
            tableRefused_ = localized("The file is not in the Spinora CSV template layout and these columns could not "
                                      "be placed: “%1”. Give each column its field, for example --map '%2' "
                                      "(the fields are %3).")
                                .arg(unplaced.join(QStringLiteral("”, “")), CsvMapping::example(headers),
                                     CsvMapping::keys().join(QStringLiteral(", ")));
        }
    }
    if (!refused.isEmpty() || !tableRefused_.isEmpty())
        return;
    table_ = mapping;
    tableHeaders_ = headers;
    section_ = Section::Table;
    phase_ = Phase::ReadingRecords;
}

QStringList RecordReader::fields(const QString& line, int columns)
{
    reader_.setLine(line);
    QStringList f;
    f.reserve(columns);
    while (f.size() < columns) {
        const std::optional<QString> field = reader_.readField();
        if (!field)
            break;
        f << *field;
    }
    return f;
}

void RecordReader::readRecord(const QString& line)
{
    recordLine_ = stream_.lineNumber();
    switch (section_) {
    case Section::Cacti: makeCactus(fields(line, 22)); break;
    case Section::Watering: makeWater(fields(line, 12)); break;
    case Section::Logs: makeLog(fields(line, 5)); break;
    case Section::Table: makeCactus(table_->fieldsOf(fields(line, int(tableHeaders_.size())))); break;
    case Section::None: break;
    }
}

void RecordReader::makeCactus(const QStringList& f)
{
    if (f.size() < 21 || f[0].isEmpty())
        return;
    recordStored_ = kinds_.cacti;
    auto cactus = std::make_unique<Cactus>();
    cactus->setName(f[0]);
    if (!f[1].isEmpty())
        cactus->setScientificName(f[1]);
    if (!f[2].isEmpty())
        cactus->setCommonName(f[2]);
    if (const int type = pickField(3, SpinoraStrings::plantTypeStrings, f[3]); type >= 0)
        cactus->setType(type);
    cactus->setLastWatered(dateField(5, f[5], true));
    cactus->setWaterNext(dateField(6, f[6], true));
    cactus->setPlantDate(dateField(7, f[7], false));
    if (const int source = pickField(8, SpinoraStrings::sourceStrings, f[8]); source >= 0)
        cactus->setSource(source);
    cactus->setDateAcquired(dateField(9, f[9], false));
    cactus->setPurchasePrice(moneyField(10, f[10]).value_or(0));
    cactus->setValue(moneyField(11, f[11]).value_or(0));
    if (!f[12].isEmpty()) cactus->setLocation(f[12]);
    if (!f[13].isEmpty()) cactus->setHeight(f[13]);
    if (!f[14].isEmpty()) cactus->setWidth(f[14]);
    if (!f[15].isEmpty()) cactus->setWeight(f[15]);
    if (!f[16].isEmpty()) cactus->setLight(f[16]);
    if (!f[17].isEmpty()) cactus->setTemperature(f[17]);
    if (!f[18].isEmpty()) cactus->setPotSize(f[18]);
    if (const int shape = pickField(19, SpinoraStrings::shapeStrings, f[19]); shape >= 0)
        cactus->setPotShape(shape);
    if (const int material = pickField(20, SpinoraStrings::materialStrings, f[20]); material >= 0)
        cactus->setPotMaterial(material);
    if (f.size() > 21 && !f[21].isEmpty())
        cactus->setNotes(f[21]);
    if (f[4].isEmpty() || !kinds_.cacti) {
        store(*cactus, kinds_.cacti);
    } else {
        // Kept whole until its schedule is known, so the link costs one UPDATE.
        keep(cactus->insertWhole(db_));
        pendingLinks_.emplace_back(cactus.get(), f[4]);
    }
    cacti_.push_back(std::move(cactus));
}

void RecordReader::makeWater(const QStringList& f)
{
    if (f.size() < 11 || f[0].isEmpty())
        return;
    recordStored_ = kinds_.watering;
    auto water = std::make_unique<Water>();
    water->setName(f[0]);
    const QStringList every = f[1].split(QLatin1Char(' '));
    bool everyRead = f[1].isEmpty();
    if (every.size() == 2) {
        bool ok = false;
        const int frequency = every[0].toInt(&ok);
        if (ok && frequency >= 0)
            water->setFrequency(frequency);
        water->setFrequencyUnits(unitCode(every[1]));
        // "0 " is how a schedule without units is written.
        everyRead = ok && frequency >= 0 && (every[1].isEmpty() || water->frequencyUnits() != 0);
    }
    if (!everyRead)
        unreadable(1, f[1]);
    if (const int quantity = pickField(2, SpinoraStrings::quantityStrings, f[2]); quantity >= 0)
        water->setQuantity(quantity);
    water->setLastWatered(dateField(3, f[3], true));
    for (int i = 0; i < 6; ++i) {
        const auto day = f[4 + i].isEmpty() ? std::nullopt : noWaterDay(f[4 + i], months_);
        if (day)
            water->setNoWaterDDMM(i + 1, Water::dayMonthCode(day->day & 0xFF, day->month));
        if (!f[4 + i].isEmpty() && (!day || day->day < 1 || day->day > 31))
            unreadable(4 + i, f[4 + i]);
    }
    water->setWaterNext(dateField(10, f[10], true));
    if (f.size() > 11 && !f[11].isEmpty())
        water->setNotes(f[11]);
    store(*water, kinds_.watering);
    if (!schedulesByName_.contains(water->name()))
        schedulesByName_.insert(water->name(), water.get());
    schedules_.push_back(std::move(water));
}

void RecordReader::makeLog(const QStringList& f)
{
    if (f.size() < 4 || f[0].isEmpty())
        return;
    const QString type = text::capitalized(f[1]);
    int64_t logType;
    if (typeCactus_.contains(type))
        logType = Log::kCactusLog;
    else if (typeNote_.contains(type))
        logType = Log::kNoteLog;
    else
        return;
    recordStored_ = kinds_.logs;
    auto log = std::make_unique<Log>();
    log->setEventName(f[0]);
    log->setLogType(logType);
    log->setLogDate(dateField(2, f[2], false));
    if (!f[3].isEmpty()) {
        if (Cactus* exact = exactNames_.value(f[3])) {
            log->setCactusKey(exact->primaryKey());
        } else {
            if (!cactiSorted_) {
                std::stable_sort(cactiByName_.begin(), cactiByName_.end(), [](const Cactus* a, const Cactus* b) {
                    return text::localizedStandardCompare(a->name(), b->name()) < 0;
                });
                cactiSorted_ = true;
            }
            const auto it = std::lower_bound(cactiByName_.begin(), cactiByName_.end(), f[3],
                                             [](const Cactus* c, const QString& name) {
                                                 return text::localizedStandardCompare(c->name(), name) < 0;
                                             });
            if (it != cactiByName_.end() && text::localizedStandardCompare((*it)->name(), f[3]) == 0)
                log->setCactusKey((*it)->primaryKey());
        }
    }
    if (f.size() > 4 && !f[4].isEmpty())
        log->setNotes(f[4]);
    // Nothing links to a log entry: it is stored and let go.
    if (kinds_.logs)
        keep(log->insertWhole(db_));
    ++logCount_;
}

void RecordReader::resolveWateringLinks()
{
    // A plant whose schedule was read but not imported gets the key 0, as
    // every import gives plants whose schedule did not come along.
    for (const auto& [cactus, name] : pendingLinks_) {
        if (Water* schedule = schedulesByName_.value(name))
            cactus->setWateringKey(kinds_.watering ? schedule->primaryKey() : 0);
        keep(cactus->dehydrate());
    }
}

} // namespace

Result<CsvImport::Counts> CsvImport::readFile(const QString& path, Connection* db, const Kinds& kinds,
                                              JobContext* context, const QString& mapping)
{
    return RecordReader(db, kinds, context, mapping).read(path);
}

CsvImport::Kinds CsvImport::kindsOf(int importType)
{
    return {importType != kExchangeWatering, importType != kExchangeCacti, importType == kExchangeComplete};
}

bool CsvImport::merge(const ImportRequest& request, ImportTransaction& transaction)
{
    if (!transaction.begin())
        return false;
    const Result<Counts> counts = readFile(request.source, transaction.db(), kindsOf(request.type), &transaction.context(),
                                            request.csvMapping);
    if (!counts)
        return transaction.fail(counts.failure());
    if (transaction.cancelled())
        return false;
    if (!counts->any())
        return transaction.fail(localized("No cacti, watering schedules or logs were found in the file. "
                                               "It must follow the Spinora CSV template."));
    if (request.type == kExchangeComplete && !transaction.addDefaultEvents())
        return false;
    return transaction.addSpeciesFromCacti() && transaction.addEventsFromLogs() && !transaction.cancelled();
}

std::optional<CsvImport::TablePreview> CsvImport::previewTable(const QString& path, int rows)
{
    InputTextStream stream;
    if (!stream.open(path))
        return std::nullopt;
    TablePreview preview;
    bool headed = false;
    QChar separator = QLatin1Char(',');
    QString line;
    for (int result = InputTextStream::kLine; result == InputTextStream::kLine && preview.rows.size() < rows;) {
        result = stream.readLine(line);
        if (!isContentLine(result, line))
            continue;
        if (headed) {
            preview.rows << splitCsvLine(line, int(preview.headers.size()), separator);
            continue;
        }
        // A file that starts with a section title is the template's.
        const QStringList first = splitCsvLine(line, 1);
        if (!first.isEmpty() && SectionTitles().of(first[0]) != Section::None)
            return std::nullopt;
        separator = csvSeparatorOf(line);
        preview.headers = splitCsvLine(line, InputTextStream::kLineLimit, separator);
        headed = true;
    }
    stream.close();
    if (!headed)
        return std::nullopt;
    return preview;
}

} // namespace spinora
