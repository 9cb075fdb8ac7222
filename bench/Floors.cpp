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

std::string readWhole(const std::string& path)
{
    std::string data;
    if (FILE* in = std::fopen(path.c_str(), "rb")) {
        std::fseek(in, 0, SEEK_END);
        data.resize(static_cast<size_t>(std::ftell(in)));
        std::fseek(in, 0, SEEK_SET);
        data.resize(std::fread(data.data(), 1, data.size(), in));
        std::fclose(in);
    }
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

// export-sdbi: a backup of the collection's database, then every photo's two
// files as blobs in one transaction.
int exportSdbi(const std::string& package, const std::string& out)
{
    std::remove(out.c_str());
    sqlite3* from = openPlain(package + "/spinora.db");
    sqlite3* to = openPlain(out);
    sqlite3_backup* backup = sqlite3_backup_init(to, "main", from, "main");
    sqlite3_backup_step(backup, -1);
    sqlite3_backup_finish(backup);
    sqlite3_close(from);
    execPlain(to, "BEGIN");
    std::vector<sqlite3_int64> keys;
    sqlite3_stmt* select = preparePlain(to, "SELECT pk FROM image");
    while (sqlite3_step(select) == SQLITE_ROW)
        keys.push_back(sqlite3_column_int64(select, 0));
    sqlite3_finalize(select);
    sqlite3_stmt* update = preparePlain(to, "UPDATE image SET photo=?, thumbnail=? WHERE pk=?");
    for (sqlite3_int64 key : keys) {
        const std::string photo = readWhole(photoFile(package, key, ""));
        const std::string thumbnail = readWhole(photoFile(package, key, "t"));
        sqlite3_bind_blob(update, 1, photo.data(), int(photo.size()), SQLITE_STATIC);
        sqlite3_bind_blob(update, 2, thumbnail.data(), int(thumbnail.size()), SQLITE_STATIC);
        sqlite3_bind_int64(update, 3, key);
        sqlite3_step(update);
        sqlite3_reset(update);
    }
    sqlite3_finalize(update);
    execPlain(to, "COMMIT");
    sqlite3_close(to);
    return 0;
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

// import of the CSV export into an empty collection: the file read, then in
// one transaction of prepared inserts into a fresh database: schedules,
// plants with their schedule found by name, logs with their plant found by name.
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
    copyFile(templateFile, database);
    sqlite3* db = openPlain(database);
    execPlain(db, "BEGIN");
    auto insertAll = [db](const char* sql, const std::vector<std::vector<std::string>>& records, int keyField,
                          const std::unordered_map<std::string, sqlite3_int64>* keys,
                          std::unordered_map<std::string, sqlite3_int64>* named) {
        sqlite3_stmt* st = preparePlain(db, sql);
        for (const auto& record : records) {
            for (size_t f = 0; f < record.size(); ++f) {
                if (int(f) == keyField) {
                    const auto found = keys->find(record[f]);
                    sqlite3_bind_int64(st, int(f) + 1, found == keys->end() ? -1 : found->second);
                } else {
                    sqlite3_bind_text(st, int(f) + 1, record[f].data(), int(record[f].size()), SQLITE_STATIC);
                }
            }
            sqlite3_step(st);
            sqlite3_reset(st);
            if (named)
                named->emplace(record[0], sqlite3_last_insert_rowid(db));
        }
        sqlite3_finalize(st);
    };
    std::unordered_map<std::string, sqlite3_int64> scheduleKeys, cactusKeys;
    insertAll("INSERT INTO watering (name, frequency, quantity, last_watered, no_water_ddmm1, no_water_ddmm2, "
              "no_water_ddmm3, no_water_ddmm4, no_water_ddmm5, no_water_ddmm6, water_next, notes) "
              "VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
              watering, -1, nullptr, &scheduleKeys);
    insertAll("INSERT INTO cactus (name, scientific_name, common_name, type, watering_key, last_watered, "
              "water_next, plant_date, source, date_acquired, purchase_price, value, location, height, width, "
              "weight, light, temperature, pot_size, pot_shape, pot_material, notes) "
              "VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
              cacti, 4, &scheduleKeys, &cactusKeys);
    insertAll("INSERT INTO log (event, type, date, cactus_key, notes) VALUES(?, ?, ?, ?, ?)", logs, 3, &cactusKeys,
              nullptr);
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
