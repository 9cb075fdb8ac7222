// The file helpers: copies, moves and removals that keep what a failure must not touch.
#include "FileHelpers.h"
#include "SpinoraStrings.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace spinora;
using namespace spinora::test;

TEST(FileHelpers, CopyReplacesMoveReplacesRemoveTakesFolders)
{
    TempFolder folder;
    writeFile(folder.file("a"), "new");
    writeFile(folder.file("b"), "old old old");
    EXPECT_TRUE(FileHelpers::copyFileFrom(folder.file("a"), folder.file("b")));
    EXPECT_EQ(readFile(folder.file("b")), QByteArray("new"));
    EXPECT_FALSE(FileHelpers::copyFileFrom(folder.file("missing"), folder.file("b")));
    EXPECT_EQ(readFile(folder.file("b")), QByteArray("new")); // a failed copy keeps the destination

    writeFile(folder.file("c"), "moved");
    EXPECT_TRUE(FileHelpers::moveFileFrom(folder.file("c"), folder.file("b")));
    EXPECT_EQ(readFile(folder.file("b")), QByteArray("moved"));
    EXPECT_FALSE(QFile::exists(folder.file("c")));

    QDir().mkpath(folder.file("tree/deep/er"));
    writeFile(folder.file("tree/deep/er/x"), "x");
    EXPECT_TRUE(FileHelpers::copyFolder(folder.file("tree"), folder.file("copy")));
    EXPECT_EQ(readFile(folder.file("copy/deep/er/x")), QByteArray("x"));
    EXPECT_FALSE(FileHelpers::copyFolder(folder.file("tree"), folder.file("copy"))); // never over an existing one
    EXPECT_TRUE(FileHelpers::removeFileIfExists(folder.file("tree")));
    EXPECT_FALSE(QFile::exists(folder.file("tree")));
    EXPECT_TRUE(FileHelpers::removeFileIfExists(folder.file("tree")));
}

// The unit words next to a schedule's count read as after that count: the
// count's plural form of the language, without the count itself.
TEST(SpinoraStrings, TheUnitsOfAScheduleTakeTheFormOfItsCount)
{
    EXPECT_EQ(SpinoraStrings::frequencyUnitsFor(1), (QStringList{"hour", "day", "week", "month", "year"}));
    EXPECT_EQ(SpinoraStrings::frequencyUnitsFor(12), (QStringList{"hours", "days", "weeks", "months", "years"}));
    EXPECT_EQ(SpinoraStrings::frequencyText(2, 3), "2 weeks");
    EXPECT_EQ(SpinoraStrings::frequencyText(2, 9), QString());
}
