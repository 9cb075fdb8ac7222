// spinora-mktemplate OUT.sdbi SCRIPT.sql...
// Writes a fresh SQLite database at OUT by running the scripts in order inside
// one transaction. The file is built under a temporary name and renamed, so a
// failed build never leaves a half-made template behind.
#include <sqlite3.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace {

bool readFile(const char* path, std::string& text)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    text = buffer.str();
    return true;
}

bool execute(sqlite3* db, const std::string& sql, const char* what)
{
    char* error = nullptr;
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error) == SQLITE_OK)
        return true;
    std::fprintf(stderr, "spinora-mktemplate: %s: %s\n", what, error ? error : "unknown error");
    sqlite3_free(error);
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: spinora-mktemplate OUT.sdbi SCRIPT.sql...\n");
        return 2;
    }
    const std::string target = argv[1];
    const std::string partial = target + ".part";
    std::remove(partial.c_str());

    sqlite3* db = nullptr;
    if (sqlite3_open(partial.c_str(), &db) != SQLITE_OK) {
        std::fprintf(stderr, "spinora-mktemplate: cannot create %s\n", partial.c_str());
        sqlite3_close(db);
        return 1;
    }
    bool ok = execute(db, "BEGIN", "begin");
    for (int i = 2; ok && i < argc; ++i) {
        std::string script;
        if (!readFile(argv[i], script)) {
            std::fprintf(stderr, "spinora-mktemplate: cannot read %s\n", argv[i]);
            ok = false;
        } else {
            ok = execute(db, script, argv[i]);
        }
    }
    ok = ok && execute(db, "COMMIT", "commit") && execute(db, "VACUUM", "vacuum");
    ok = (sqlite3_close(db) == SQLITE_OK) && ok;
    if (!ok || std::rename(partial.c_str(), target.c_str()) != 0) {
        std::remove(partial.c_str());
        std::fprintf(stderr, "spinora-mktemplate: failed to build %s\n", target.c_str());
        return 1;
    }
    return 0;
}
