// The shared utility, preferences, pick lists and text formatters.
#include "FileHelpers.h"
#include "Formatters.h"
#include "SpinoraUtility.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <gtest/gtest.h>

using namespace spinora;
using namespace spinora::test;

TEST(RoundDate, KeepsTheDayAndDropsTheTime)
{
    EXPECT_EQ(SpinoraUtility::roundDate(localSeconds(2026, 3, 29, 23, 59) + 59), Timestamp(localSeconds(2026, 3, 29)));
    EXPECT_EQ(SpinoraUtility::roundDate(localSeconds(2026, 3, 29)), Timestamp(localSeconds(2026, 3, 29)));
    EXPECT_FALSE(SpinoraUtility::roundDate(std::nullopt));
}

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

TEST(WorkFolder, LivesInTheCachesFolderUnderTheApplicationIdentifier)
{
    const QString work = FileHelpers::workFolder();
    EXPECT_TRUE(work.endsWith("/org.spinora.Spinora"));
    EXPECT_TRUE(work.startsWith(qEnvironmentVariable("XDG_CACHE_HOME")));
    EXPECT_TRUE(QFileInfo(work).isDir());
}

TEST(Preferences, AreStoredUnderTheirOwnKeys)
{
    AppPreferences& preferences = SpinoraUtility::sharedManager().getPreferences();
    preferences.setSortCactiBySpecies(true);
    preferences.setAddNoDefaultsToDatabases(true);
    QSettings stored(QSettings::NativeFormat, QSettings::UserScope, "Spinora", "Spinora");
    EXPECT_EQ(std::pair(stored.value("sortBySpecies").toBool(), stored.value("addNoDefaultsToDatabase").toBool()),
              std::pair(true, true));
    preferences.setSortCactiBySpecies(false);
    preferences.setAddNoDefaultsToDatabases(false);
    AppPreferences fresh;
    EXPECT_EQ(std::pair(fresh.sortCactiBySpecies(), fresh.addNoDefaultsToDatabases()), std::pair(false, false));
}

TEST(TextLimitFormatter, AlwaysAllowsShorteningAnOverlongText)
{
    TextLimitFormatter formatter;
    formatter.setMaximumLength(10);
    const QString twelve = "123456789012";
    EXPECT_TRUE(formatter.isPartialStringValid(twelve.left(11), twelve));
    EXPECT_FALSE(formatter.isPartialStringValid(twelve + "3", twelve));
    EXPECT_TRUE(formatter.isPartialStringValid("0123456789", "012345678"));
    EXPECT_FALSE(formatter.isPartialStringValid("0123456789A", "0123456789"));
}

TEST(DecimalFormatter, AcceptsTheLocalesSeparatorsWhileTyping)
{
    DecimalFormatter german{QLocale(QLocale::German, QLocale::Germany)};
    german.setMaximumIntegerDigits(2);
    german.setMaximumFractionDigits(2); // 2 + 2 + 1 + 2 = 7 characters
    QStringList heard;
    german.setDelegate([&heard](const QString& text) { heard << text; });
    const QString typed = "1.234,5";
    for (int n = 1; n <= typed.size(); ++n)
        EXPECT_TRUE(german.isPartialStringValid(typed.left(n))) << typed.left(n).toStdString();
    EXPECT_EQ(heard.size(), typed.size());
    EXPECT_FALSE(german.isPartialStringValid("1a"));
    EXPECT_FALSE(german.isPartialStringValid("1.234,56"));
    DecimalFormatter english{QLocale(QLocale::English, QLocale::UnitedStates)};
    EXPECT_TRUE(english.isPartialStringValid("1,234.5"));
    EXPECT_FALSE(english.isPartialStringValid("1 234"));
}
