// The floors of the exchange jobs: the same output made with nothing but the
// SQLite C API and plain file writes, each run as a process of its own
// ("exchange_bench --floor NAME ..."), so that it is timed as the job is.
#include "Floors.h"

#include <QByteArray>
#include <QString>

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <unordered_map>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace spinora::bench {

namespace {

sqlite3* openPlain(const std::string& path)
{
    sqlite3* db = nullptr;
    if (sqlite3_open(path.c_str(), &db) != SQLITE_OK) {
        std::fprintf(stderr, "floor: cannot open %s\n", path.c_str());
        std::exit(2);
    }
    return db;
}

void execPlain(sqlite3* db, const std::string& sql)
{
    char* error = nullptr;
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        std::fprintf(stderr, "floor: %s: %s\n", sql.c_str(), error ? error : "?");
        std::exit(2);
    }
}

sqlite3_stmt* preparePlain(sqlite3* db, const std::string& sql)
{
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "floor: %s: %s\n", sql.c_str(), sqlite3_errmsg(db));
        std::exit(2);
    }
    return st;
}

std::vector<std::string> columnsOf(sqlite3* db, const std::string& schema, const std::string& table)
{
    std::vector<std::string> columns;
    sqlite3_stmt* st = preparePlain(db, "PRAGMA " + schema + ".table_info(" + table + ")");
    while (sqlite3_step(st) == SQLITE_ROW)
        columns.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(st, 1)));
    sqlite3_finalize(st);
    return columns;
}

// A file's bytes into `data`, whose memory is reused from file to file.
void readInto(const std::string& path, std::string& data)
{
    data.clear();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return;
    char chunk[1 << 16];
    ssize_t n;
    while ((n = ::read(fd, chunk, sizeof chunk)) > 0)
        data.append(chunk, size_t(n));
    ::close(fd);
}

std::string readWhole(const std::string& path)
{
    std::string data;
    readInto(path, data);
    return data;
}

void writeWhole(const std::string& path, const void* data, int size)
{
    if (FILE* out = std::fopen(path.c_str(), "wb")) {
        std::fwrite(data, 1, static_cast<size_t>(size), out);
        std::fclose(out);
    }
}

void copyFile(const std::string& from, const std::string& to)
{
    const std::string data = readWhole(from);
    writeWhole(to, data.data(), int(data.size()));
}

void syncFolder(const std::string& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY);
    if (fd >= 0) {
        ::syncfs(fd);
        ::close(fd);
    }
}

std::string photoFile(const std::string& folder, sqlite3_int64 key, const char* suffix)
{
    return folder + "/sp-" + std::to_string(key) + suffix + ".jpg";
}

// export-sdbi: a backup of the collection's database into a scratch file
// (no journal: nobody uses it until it is complete), its version row stamped
// with the counts, every photo's two files as blobs in one transaction, one
// sync, then renamed into place.
int exportSdbi(const std::string& package, const std::string& out)
{
    const std::string partial = out + ".part";
    std::remove(partial.c_str());
    sqlite3* from = openPlain(package + "/spinora.db");
    sqlite3* to = openPlain(partial);
    sqlite3_backup* backup = sqlite3_backup_init(to, "main", from, "main");
    sqlite3_backup_step(backup, -1);
    sqlite3_backup_finish(backup);
    sqlite3_close(from);
    execPlain(to, "PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF; BEGIN");
    execPlain(to, "UPDATE version SET app_identifier=0, app_version=1.2, export_date=(julianday('now') - 2440587.5) * 86400.0, "
                  "num_cacti=(SELECT count(*) FROM cactus), num_watering=(SELECT count(*) FROM watering), "
                  "num_logs=(SELECT count(*) FROM log), num_events=(SELECT count(*) FROM event), "
                  "num_species=(SELECT count(*) FROM species), num_images=(SELECT count(*) FROM image)");
    std::vector<sqlite3_int64> keys;
    sqlite3_stmt* select = preparePlain(to, "SELECT pk FROM image");
    while (sqlite3_step(select) == SQLITE_ROW)
        keys.push_back(sqlite3_column_int64(select, 0));
    sqlite3_finalize(select);
    sqlite3_stmt* update = preparePlain(to, "UPDATE image SET photo=?, thumbnail=? WHERE pk=?");
    std::string photo, thumbnail;
    for (sqlite3_int64 key : keys) {
        readInto(photoFile(package, key, ""), photo);
        readInto(photoFile(package, key, "t"), thumbnail);
        sqlite3_bind_blob(update, 1, photo.data(), int(photo.size()), SQLITE_STATIC);
        sqlite3_bind_blob(update, 2, thumbnail.data(), int(thumbnail.size()), SQLITE_STATIC);
        sqlite3_bind_int64(update, 3, key);
        sqlite3_step(update);
        sqlite3_reset(update);
    }
    sqlite3_finalize(update);
    execPlain(to, "COMMIT");
    sqlite3_close(to);
    const int fd = ::open(partial.c_str(), O_RDONLY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
    return std::rename(partial.c_str(), out.c_str()) == 0 ? 0 : 2;
}

// import-sdbi into an empty collection: a fresh database from the empty
// template, every table copied by INSERT..SELECT, every photo's blobs written
// out as its files, one sync.
int importSdbi(const std::string& file, const std::string& target, const std::string& templateFile)
{
    const std::string database = target + "/spinora.db";
    copyFile(templateFile, database);
    sqlite3* db = openPlain(database);
    execPlain(db, "ATTACH '" + file + "' AS incoming");
    execPlain(db, "BEGIN");
    for (const char* table : {"watering", "cactus", "log", "event", "species", "image"}) {
        std::string columns;
        for (const std::string& column : columnsOf(db, "main", table)) {
            if (column != "photo" && column != "thumbnail")
                columns += (columns.empty() ? "" : ", ") + column;
        }
        execPlain(db, std::string("INSERT INTO main.") + table + " (" + columns + ") SELECT " + columns +
                          " FROM incoming." + table);
    }
    sqlite3_stmt* blobs = preparePlain(db, "SELECT pk, photo, thumbnail FROM incoming.image");
    while (sqlite3_step(blobs) == SQLITE_ROW) {
        const sqlite3_int64 key = sqlite3_column_int64(blobs, 0);
        writeWhole(photoFile(target, key, ""), sqlite3_column_blob(blobs, 1), sqlite3_column_bytes(blobs, 1));
        writeWhole(photoFile(target, key, "t"), sqlite3_column_blob(blobs, 2), sqlite3_column_bytes(blobs, 2));
    }
    sqlite3_finalize(blobs);
    syncFolder(target);
    execPlain(db, "COMMIT");
    sqlite3_close(db);
    return 0;
}

std::string htmlEscaped(const unsigned char* text)
{
    return text ? QString::fromUtf8(reinterpret_cast<const char*>(text)).toHtmlEscaped().toStdString() : std::string();
}

// report (thumbnails): one SELECT pass over every table, each column written
// out as a line of the page, and each photo's thumbnail copied beside it.
int report(const std::string& package, const std::string& folder)
{
    sqlite3* db = openPlain(package + "/spinora.db");
    execPlain(db, "BEGIN");
    FILE* page = std::fopen((folder + "/page.html").c_str(), "wb");
    for (const char* sql : {"SELECT * FROM cactus", "SELECT * FROM watering", "SELECT * FROM log"}) {
        sqlite3_stmt* st = preparePlain(db, sql);
        while (sqlite3_step(st) == SQLITE_ROW) {
            std::fputs("<div class=\"record\">\n", page);
            for (int c = 0; c < sqlite3_column_count(st); ++c) {
                const std::string text = htmlEscaped(sqlite3_column_text(st, c));
                std::fprintf(page, "<p><b>%s</b> %s</p>\n", sqlite3_column_name(st, c), text.c_str());
            }
            std::fputs("</div>\n", page);
        }
        sqlite3_finalize(st);
    }
    std::fclose(page);
    sqlite3_stmt* images = preparePlain(db, "SELECT pk FROM image");
    while (sqlite3_step(images) == SQLITE_ROW) {
        const sqlite3_int64 key = sqlite3_column_int64(images, 0);
        copyFile(photoFile(package, key, "t"), folder + "/" + std::to_string(key) + ".jpg");
    }
    sqlite3_finalize(images);
    execPlain(db, "COMMIT");
    sqlite3_close(db);
    return 0;
}

std::string quotedField(const unsigned char* text)
{
    std::string out = "\"";
    for (const unsigned char* c = text; c && *c; ++c) {
        if (*c == '"')
            out += '"';
        out += char(*c);
    }
    return out + '"';
}

// A date column written as the export writes it: a local date and time.
std::string dateField(sqlite3_stmt* st, int column)
{
    const double seconds = sqlite3_column_double(st, column);
    if (seconds <= 0)
        return "\"\"";
    const std::time_t t = static_cast<std::time_t>(seconds);
    std::tm local{};
    localtime_r(&t, &local);
    char text[64];
    std::strftime(text, sizeof text, "\"%b %d, %Y %I:%M %p\"", &local);
    return text;
}

// export-csv: one SELECT pass per section (the names of schedules and plants
// joined in), every field quoted, dates formatted, written to the file.
int exportCsv(const std::string& package, const std::string& out)
{
    sqlite3* db = openPlain(package + "/spinora.db");
    execPlain(db, "BEGIN");
    FILE* file = std::fopen(out.c_str(), "wb");
    struct Section {
        const char* title;
        const char* sql;
        std::vector<int> dates;
    };
    const Section sections[] = {
        {"Cacti",
         "SELECT c.name, c.scientific_name, c.common_name, c.type, w.name, c.last_watered, c.water_next, "
         "c.plant_date, c.source, c.date_acquired, c.purchase_price, c.value, c.location, c.height, c.width, "
         "c.weight, c.light, c.temperature, c.pot_size, c.pot_shape, c.pot_material, c.notes FROM cactus c "
         "LEFT JOIN watering w ON w.pk = c.watering_key",
         {5, 6, 7, 9}},
        {"Watering",
         "SELECT name, frequency, quantity, last_watered, no_water_ddmm1, no_water_ddmm2, no_water_ddmm3, "
         "no_water_ddmm4, no_water_ddmm5, no_water_ddmm6, water_next, notes FROM watering",
         {3, 10}},
        {"Logs", "SELECT l.event, l.type, l.date, c.name, l.notes FROM log l LEFT JOIN cactus c ON c.pk = l.cactus_key",
         {2}},
    };
    for (const Section& section : sections) {
        std::fprintf(file, "\n%s\n", section.title);
        sqlite3_stmt* st = preparePlain(db, section.sql);
        const int columns = sqlite3_column_count(st);
        while (sqlite3_step(st) == SQLITE_ROW) {
            std::string line;
            for (int c = 0; c < columns; ++c) {
                if (c)
                    line += ',';
                const bool date = std::find(section.dates.begin(), section.dates.end(), c) != section.dates.end();
                line += date ? dateField(st, c) : quotedField(sqlite3_column_text(st, c));
            }
            line += '\n';
            std::fwrite(line.data(), 1, line.size(), file);
        }
        sqlite3_finalize(st);
    }
    std::fclose(file);
    execPlain(db, "COMMIT");
    sqlite3_close(db);
    return 0;
}

// The records of a CSV file: quoted fields may hold commas, quotes and line ends.
std::vector<std::vector<std::string>> readCsv(const std::string& path)
{
    const std::string data = readWhole(path);
    std::vector<std::vector<std::string>> records;
    std::vector<std::string> fields;
    std::string field;
    bool quoted = false;
    for (size_t i = 0; i < data.size(); ++i) {
        const char c = data[i];
        if (quoted) {
            if (c == '"' && i + 1 < data.size() && data[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            fields.push_back(std::move(field));
            field.clear();
        } else if (c == '\n' || c == '\r') {
            if (c == '\r' && i + 1 < data.size() && data[i + 1] == '\n')
                ++i;
            fields.push_back(std::move(field));
            field.clear();
            records.push_back(std::move(fields));
            fields.clear();
        } else {
            field += c;
        }
    }
    if (!field.empty() || !fields.empty()) {
        fields.push_back(std::move(field));
        records.push_back(std::move(fields));
    }
    return records;
}

// The index of a word in one of the collection's English lists, or `none`.
int64_t indexIn(const std::vector<std::string>& words, const std::string& word, int64_t none)
{
    const auto found = std::find(words.begin(), words.end(), word);
    return found == words.end() ? none : int64_t(found - words.begin());
}

// A date as the CSV export writes it ("Nov 22, 2026" or "Nov 22, 2026 8:12 AM"),
// read in local time; 0 when it is none. Dates repeat: each text is read once.
class DateReader {
public:
    double read(const std::string& text, bool withTime)
    {
        const auto known = seen_.find(text);
        if (known != seen_.end())
            return known->second;
        std::tm local{};
        local.tm_isdst = -1;
        const char* end = strptime(text.c_str(), withTime ? "%b %d, %Y %I:%M %p" : "%b %d, %Y", &local);
        const double seconds = end && *end == '\0' ? double(std::mktime(&local)) : 0.0;
        seen_.emplace(text, seconds);
        return seconds;
    }

private:
    std::unordered_map<std::string, double> seen_;
};

void bindText(sqlite3_stmt* st, int column, const std::string& text, bool emptyIsNull = true)
{
    if (text.empty() && emptyIsNull)
        sqlite3_bind_null(st, column);
    else
        sqlite3_bind_text(st, column, text.data(), int(text.size()), SQLITE_STATIC);
}

void stepPlain(sqlite3* db, sqlite3_stmt* st)
{
    if (sqlite3_step(st) != SQLITE_DONE) {
        std::fprintf(stderr, "floor: %s\n", sqlite3_errmsg(db));
        std::exit(2);
    }
    sqlite3_reset(st);
}

// import of the CSV export into an empty collection: the file read, then in
// one transaction of prepared inserts into a fresh database: schedules,
// plants with their schedule found by name, logs with their plant found by
// name; dates, money and the listed words stored as the collection stores
// them; then the species and event names the records use.
int importCsv(const std::string& file, const std::string& database, const std::string& templateFile)
{
    std::vector<std::vector<std::string>> cacti, watering, logs;
    bool header = false;
    for (auto& record : readCsv(file)) {
        if (record.size() <= 1) { // a title or a comment: a header follows a title
            header = record.size() == 1 && !record[0].empty() && record[0].rfind("//", 0) != 0;
            continue;
        }
        if (header) {
            header = false;
            continue;
        }
        auto& into = record.size() == 22 ? cacti : record.size() == 12 ? watering : logs;
        into.push_back(std::move(record));
    }
    const std::vector<std::string> plantTypes{"Cactus", "Caudiciform", "Leaf Succulent", "Root Succulent",
                                              "Stem Succulent"};
    const std::vector<std::string> sources{"Seed",          "Cutting",        "Offset",  "Grafted",
                                           "Wild",          "Nursery Stock",  "Private Grower", "Retailer"};
    const std::vector<std::string> materials{"Ceramic", "Concrete", "Fiberglass", "Mica",
                                             "None (In-Ground)", "Plastic", "Stone", "Wood"};
    const std::vector<std::string> shapes{"None", "Round", "Oval", "Square", "Rectangular", "Hexagon",
                                          "Octagon", "Dish", "Lotus", "Flat", "Irregular"};
    const std::vector<std::string> units{"hour", "day", "week", "month", "year"};
    const std::vector<std::string> quantities{"Spray", "Light", "Moderate", "Soak"};
    const std::vector<std::string> months{"January", "February", "March",     "April",   "May",      "June",
                                          "July",    "August",   "September", "October", "November", "December"};
    DateReader dates;

    copyFile(templateFile, database);
    sqlite3* db = openPlain(database);
    execPlain(db, "BEGIN");
    std::unordered_map<std::string, sqlite3_int64> scheduleKeys, cactusKeys;

    sqlite3_stmt* st = preparePlain(db, "INSERT INTO watering (name, frequency, frequency_units, quantity, "
                                        "last_watered, no_water_ddmm1, no_water_ddmm2, no_water_ddmm3, "
                                        "no_water_ddmm4, no_water_ddmm5, no_water_ddmm6, water_next, notes) "
                                        "VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    for (const auto& f : watering) {
        bindText(st, 1, f[0]);
        const size_t space = f[1].find(' ');
        std::string unit = space == std::string::npos ? std::string() : f[1].substr(space + 1);
        if (!unit.empty() && unit.back() == 's')
            unit.pop_back();
        sqlite3_bind_int64(st, 2, std::atoll(f[1].c_str()));
        sqlite3_bind_int64(st, 3, indexIn(units, unit, -1) + 1);
        sqlite3_bind_int64(st, 4, indexIn(quantities, f[2], 2));
        sqlite3_bind_double(st, 5, dates.read(f[3], true));
        for (int i = 0; i < 6; ++i) {
            const std::string& day = f[size_t(4 + i)];
            const size_t gap = day.rfind(' ');
            const int64_t month = gap == std::string::npos ? -1 : indexIn(months, day.substr(0, gap), -1);
            sqlite3_bind_int64(st, 6 + i, month < 0 ? 0 : (std::atoll(day.c_str() + gap + 1) & 0xFF) << 8 | (month + 1));
        }
        sqlite3_bind_double(st, 12, dates.read(f[10], true));
        bindText(st, 13, f[11]);
        stepPlain(db, st);
        scheduleKeys.emplace(f[0], sqlite3_last_insert_rowid(db));
    }
    sqlite3_finalize(st);

    st = preparePlain(db, "INSERT INTO cactus (name, scientific_name, common_name, type, watering_key, "
                          "last_watered, water_next, plant_date, source, date_acquired, purchase_price, value, "
                          "location, height, width, weight, light, temperature, pot_size, pot_shape, "
                          "pot_material, notes) "
                          "VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    for (const auto& f : cacti) {
        for (int c : {0, 1, 2, 12, 13, 14, 15, 16, 17, 18, 21})
            bindText(st, c + 1, f[size_t(c)]);
        sqlite3_bind_int64(st, 4, indexIn(plantTypes, f[3], 0));
        const auto schedule = scheduleKeys.find(f[4]);
        sqlite3_bind_int64(st, 5, schedule == scheduleKeys.end() ? -1 : schedule->second);
        sqlite3_bind_double(st, 6, dates.read(f[5], true));
        sqlite3_bind_double(st, 7, dates.read(f[6], true));
        sqlite3_bind_double(st, 8, dates.read(f[7], false));
        sqlite3_bind_int64(st, 9, indexIn(sources, f[8], 7));
        sqlite3_bind_double(st, 10, dates.read(f[9], false));
        sqlite3_bind_double(st, 11, std::strtod(f[10].c_str(), nullptr));
        sqlite3_bind_double(st, 12, std::strtod(f[11].c_str(), nullptr));
        sqlite3_bind_int64(st, 20, indexIn(shapes, f[19], 0));
        sqlite3_bind_int64(st, 21, indexIn(materials, f[20], 4));
        stepPlain(db, st);
        cactusKeys.emplace(f[0], sqlite3_last_insert_rowid(db));
    }
    sqlite3_finalize(st);

    st = preparePlain(db, "INSERT INTO log (event, type, date, cactus_key, notes, note_summary) "
                          "VALUES(?, ?, ?, ?, ?, substr(?5, 1, 200))");
    for (const auto& f : logs) {
        const int64_t type = f[1] == "Cactus" ? 0 : f[1] == "Note" ? 1 : -1;
        if (type < 0)
            continue;
        bindText(st, 1, f[0]);
        sqlite3_bind_int64(st, 2, type);
        sqlite3_bind_double(st, 3, dates.read(f[2], false));
        const auto plant = cactusKeys.find(f[3]);
        sqlite3_bind_int64(st, 4, plant == cactusKeys.end() ? -1 : plant->second);
        static const std::string none;
        bindText(st, 5, f.size() > 4 ? f[4] : none);
        stepPlain(db, st);
    }
    sqlite3_finalize(st);

    execPlain(db, "INSERT INTO event (name) SELECT name FROM (SELECT column1 AS name FROM (VALUES ('Fertilized'), "
                  "('Flowered'), ('Planted'), ('Purchased'), ('Repotted'), ('Sold')) UNION SELECT DISTINCT event "
                  "FROM log WHERE ifnull(event, '') <> '') ORDER BY name COLLATE NOCASE");
    execPlain(db, "INSERT INTO species (name, scientific) SELECT common_name, scientific_name FROM cactus "
                  "WHERE ifnull(common_name, '') <> '' AND ifnull(scientific_name, '') <> '' "
                  "GROUP BY scientific_name, common_name ORDER BY min(pk)");
    execPlain(db, "COMMIT");
    sqlite3_close(db);
    return 0;
}

} // namespace

int runFloor(int argc, char** argv)
{
    const std::string name = argc > 0 ? argv[0] : "";
    auto arg = [&](int i) { return i < argc ? std::string(argv[i]) : std::string(); };
    if (name == "export-sdbi")
        return exportSdbi(arg(1), arg(2));
    if (name == "import-sdbi")
        return importSdbi(arg(1), arg(2), arg(3));
    if (name == "report")
        return report(arg(1), arg(2));
    if (name == "export-csv")
        return exportCsv(arg(1), arg(2));
    if (name == "import-csv")
        return importCsv(arg(1), arg(2), arg(3));
    std::fprintf(stderr, "floor: no floor named %s\n", name.c_str());
    return 2;
}

} // namespace spinora::bench
