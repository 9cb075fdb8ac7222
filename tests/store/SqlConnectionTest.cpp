#include "ReadAheadVfs.h"
#include "SqlConnection.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <sqlite3.h>

#include <atomic>
#include <string>
#include <vector>

using namespace spinora;
using namespace spinora::test;

namespace {

// A database file with one table holding a column of each stored kind.
class SqlConnection : public ::testing::Test {
protected:
    void SetUp() override
    {
        QString error;
        db = Connection::open(folder.file("t.db"), Connection::Mode::ReadWriteCreate, &error);
        ASSERT_TRUE(db) << error.toStdString();
        ASSERT_TRUE(db->execute("CREATE TABLE t (pk INTEGER PRIMARY KEY, i INTEGER, r REAL, s TEXT, b BLOB)"));
    }
    TempFolder folder;
    std::unique_ptr<Connection> db;
};

} // namespace

TEST_F(SqlConnection, MissingValuesAreStoredAsAgreedAndTextKeepsUnicodeAndNul)
{
    const QString text = QStringLiteral("Echinopsis \u00AB\u00F1\u00BB \U0001F335 a") + QChar(0) + QStringLiteral("b");
    {
        Statement insert(db.get(), "INSERT INTO t (r, s, b) VALUES(?, ?, ?)");
        insert.bind(Timestamp(), QString(), QByteArray());
        ASSERT_TRUE(insert.stepDone());
        Statement insertText(db.get(), "INSERT INTO t (s) VALUES(?)");
        insertText.bind(text);
        ASSERT_TRUE(insertText.stepDone());
    }
    Statement select(db.get(), "SELECT s, typeof(b), typeof(r), r FROM t ORDER BY pk");
    ASSERT_TRUE(select.stepRow());
    // A missing text reads back as "" (not a null string), a missing blob as
    // NULL, no date as 0.0 stored as a number (a NULL would read as 0.0 too).
    EXPECT_EQ(std::tuple(select.text(0), select.text(0).isNull(), select.text(1), select.text(2), select.real(3)),
              std::tuple(QString(""), false, QString("null"), QString("real"), 0.0));
    ASSERT_TRUE(select.stepRow());
    EXPECT_EQ(select.text(0), text);
}

TEST_F(SqlConnection, TheSameSqlWhileItsCachedStatementStillStepsGetsAStatementOfItsOwn)
{
    ASSERT_TRUE(db->execute("INSERT INTO t (i) VALUES (1), (2), (3)"));
    Statement outer(db.get(), "SELECT i FROM t ORDER BY pk");
    ASSERT_TRUE(outer.stepRow());
    Statement inner(db.get(), "SELECT i FROM t ORDER BY pk");
    ASSERT_TRUE(inner.stepRow());
    ASSERT_TRUE(inner.stepRow());
    EXPECT_EQ(inner.integer(0), 2);
    ASSERT_TRUE(outer.stepRow());
    EXPECT_EQ(outer.integer(0), 2);
}

TEST_F(SqlConnection, AnInterruptCheckStopsAStatementThatNeverEnds)
{
    std::atomic<int> asked{0};
    db->setInterruptCheck([&asked] { return ++asked > 20; });
    Statement endless(db.get(), "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n) SELECT max(i) FROM n");
    ASSERT_TRUE(endless.prepared());
    EXPECT_EQ(endless.step(), SQLITE_INTERRUPT);
    EXPECT_GT(asked.load(), 20);
    // Without the check statements run as before.
    db->setInterruptCheck({});
    Statement one(db.get(), "SELECT 1");
    EXPECT_TRUE(one.stepRow());
}

TEST_F(SqlConnection, ALengthLimitRefusesValuesLargerThanIt)
{
    ASSERT_TRUE(db->execute("INSERT INTO t (b) VALUES (zeroblob(100000))"));
    db->setLengthLimit(50000);
    Statement read(db.get(), "SELECT b FROM t");
    EXPECT_EQ(read.step(), SQLITE_TOOBIG);
    Statement size(db.get(), "SELECT length(b) FROM t");
    ASSERT_TRUE(size.stepRow());
    EXPECT_EQ(size.integer(0), 100000);
}

// What the read-ahead connection reads is what was written, in a rollback
// journal file and in a WAL file (whose pages a checkpoint rewrites), in
// order (read ahead) and backwards (page by page).
TEST_F(SqlConnection, ReadAheadGivesEveryBlobAsWritten)
{
    for (const char* journal : {"DELETE", "WAL"}) {
        SCOPED_TRACE(journal);
        ASSERT_TRUE(db->execute(QStringLiteral("DELETE FROM t; PRAGMA journal_mode=%1").arg(journal)));
        QString error;
        auto reader = Connection::open(folder.file("t.db"), Connection::Mode::ReadOnlyReadAhead, &error);
        ASSERT_TRUE(reader && reader->execute("PRAGMA cache_size=5")) << error.toStdString();
        for (const char* write : {"INSERT INTO t (b, pk) VALUES(?, ?)", "UPDATE t SET b = ? WHERE pk = ?"}) {
            const char fill = write[0];
            Statement change(db.get(), write);
            for (int64_t row = 1; row <= 4; ++row) {
                change.bind(QByteArray(row * 150001, fill), row);
                ASSERT_TRUE(change.stepDone());
                change.reset();
            }
            ASSERT_TRUE(db->execute("PRAGMA wal_checkpoint(TRUNCATE)"));
            for (const char* order : {"ASC", "DESC"}) {
                Statement read(reader.get(), QStringLiteral("SELECT pk, b FROM t ORDER BY pk %1").arg(order).toStdString());
                while (read.stepRow())
                    ASSERT_EQ(read.blob(1), QByteArray(read.integer(0) * 150001, fill)) << order << read.integer(0);
            }
        }
    }
}

// A run read ahead serves the reads of one transaction; another program
// may write the file once the lock is let go, and then the run is stale.
TEST(ReadAheadVfs, ARunServesOnlyWhileTheLockIsHeld)
{
    TempFolder folder;
    const QByteArray path = folder.file("db").toUtf8(); // the VFS keeps the name
    QFile out(QString::fromUtf8(path));
    ASSERT_TRUE(out.open(QIODevice::ReadWrite) && out.write(QByteArray(65536, 'a')) == 65536 && out.flush());
    sqlite3_vfs* vfs = sqlite3_vfs_find(readAheadVfsName());
    ASSERT_TRUE(vfs);
    std::vector<char> memory(size_t(vfs->szOsFile));
    auto* file = reinterpret_cast<sqlite3_file*>(memory.data());
    ASSERT_EQ(vfs->xOpen(vfs, path.constData(), file, SQLITE_OPEN_MAIN_DB | SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
    char page[4096];
    auto byteAt = [&](int offset) { return file->pMethods->xRead(file, page, 4096, offset) == SQLITE_OK ? page[0] : '?'; };
    file->pMethods->xLock(file, SQLITE_LOCK_SHARED);
    EXPECT_EQ((std::string{byteAt(0), byteAt(4096)}), "aa"); // the second read continues the first: a run
    ASSERT_TRUE(out.seek(0) && out.write(QByteArray(65536, 'b')) == 65536 && out.flush());
    EXPECT_EQ(byteAt(8192), 'a'); // from the run
    file->pMethods->xUnlock(file, SQLITE_LOCK_NONE);
    file->pMethods->xLock(file, SQLITE_LOCK_SHARED);
    EXPECT_EQ(byteAt(8192), 'b');
    file->pMethods->xUnlock(file, SQLITE_LOCK_NONE);
    file->pMethods->xClose(file);
}
