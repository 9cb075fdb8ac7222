#pragma once

#include <QByteArray>
#include <QMap>
#include <QStringList>

#include <gtest/gtest.h>

#include <string>

namespace spinora {
class Cactus;
class Log;
class SpinoraDatabase;
class Water;
}

namespace spinora::test {

// Every field of every record of a collection as text, with links written as
// the names they lead to and without keys, sorted: two collections with the
// same content give the same dump, whatever keys their records have.
QStringList dumpCollection(SpinoraDatabase& document);
// One record's line of that dump (its detail is loaded first).
QString dumpRecord(Cactus& cactus);
QString dumpRecord(Water& water);
QString dumpRecord(Log& log);

// Every row of every table of a database file, keys and blobs included, as
// SQLite quotes them: equal dumps mean the same rows.
QStringList dumpRows(const QString& dbPath);
// The photo files of a package (not what lies in its subfolders), name -> hash.
QMap<QString, QByteArray> photoFiles(const QString& packagePath);

// The lines only in `a` ("- ") and only in `b` ("+ "), for failure messages.
std::string dumpDifference(const QStringList& a, const QStringList& b);
// Whether the document holds exactly the records of `expected` (from
// dumpCollection); a failure names the records that differ.
::testing::AssertionResult holdsRecords(SpinoraDatabase& document, const QStringList& expected);

} // namespace spinora::test
