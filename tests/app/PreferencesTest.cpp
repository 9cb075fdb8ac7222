// The preferences window: its boxes show the stored values, each toggle is
// stored at once, and closing it after the sort changed re-sorts every open
// collection exactly once.
#include "ShellTestSupport.h"

#include "AppPreferences.h"
#include "AppSettings.h"
#include "Cactus.h"
#include "ListController.h"
#include "PreferencesWindow.h"
#include "SpinoraDatabase.h"
#include "SpinoraUtility.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTest>

namespace spinora::test {
namespace {

using PreferencesTest = ShellTest;

// Counts the refreshes a document asks of its cactus list.
class CountingList : public ListController {
public:
    explicit CountingList(SpinoraDatabase& document) : document_(document) {}
    void rerunSearch() override
    {
        document_.displayedCacti().clear();
        for (auto& cactus : document_.cacti())
            document_.displayedCacti().push_back(cactus.get());
    }
    void refreshData() override { ++refreshes; }
    int refreshes = 0;

private:
    SpinoraDatabase& document_;
};

QStringList cactusNames(SpinoraDatabase& document)
{
    QStringList names;
    for (auto& cactus : document.cacti())
        names << cactus->name();
    return names;
}

// A collection whose name order and species order differ.
QString makeOrderedCollection(const QString& path)
{
    auto document = newCollection(path, true);
    const QPair<QString, QString> plants[] = {
        {"Alpha", "Mammillaria zeilmanniana"}, {"Bravo", "Gymnocalycium mihanovichii"}, {"Charlie", "Astrophytum asterias"}};
    for (const auto& [name, species] : plants) {
        auto cactus = std::make_unique<Cactus>();
        cactus->setName(name);
        cactus->setScientificName(species);
        document->addCactus(std::move(cactus));
    }
    document->close();
    return path;
}

void closeWith(QDialog* window)
{
    window->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Close)->click();
}

TEST_F(PreferencesTest, TheBoxesShowTheStoredValues)
{
    makeApp();
    PreferencesWindow* window = app_->preferencesWindow();
    whenModalShown([](QWidget* modal) { closeWith(qobject_cast<QDialog*>(modal)); });
    window->presentPreferences();
    EXPECT_FALSE(window->sortCactiCheckBox()->isChecked());
    EXPECT_TRUE(window->defaultsAddedCheckBox()->isChecked()) << "absent addNoDefaultsToDatabase reads as NO";

    appSettings()->setValue(QStringLiteral("addNoDefaultsToDatabase"), true);
    appSettings()->setValue(QStringLiteral("sortBySpecies"), true);
    SpinoraUtility::sharedManager().getPreferences().reload();
    whenModalShown([](QWidget* modal) { closeWith(qobject_cast<QDialog*>(modal)); });
    window->presentPreferences();
    EXPECT_TRUE(window->sortCactiCheckBox()->isChecked());
    EXPECT_FALSE(window->defaultsAddedCheckBox()->isChecked());
}

TEST_F(PreferencesTest, ChangingTheSortReSortsEveryOpenCollectionOnceOnClose)
{
    makeApp();
    SpinoraDatabase* a = app_->openDocumentWithContentsOfURL(makeOrderedCollection(folder_.file("SortA.sdb")));
    SpinoraDatabase* b = app_->openDocumentWithContentsOfURL(makeOrderedCollection(folder_.file("SortB.sdb")));
    ASSERT_TRUE(a && b);
    CountingList listA(*a), listB(*b);
    a->setListController(SpinoraDatabase::kCactusList, &listA);
    b->setListController(SpinoraDatabase::kCactusList, &listB);
    EXPECT_EQ(cactusNames(*a), (QStringList{"Alpha", "Bravo", "Charlie"}));

    PreferencesWindow* window = app_->preferencesWindow();
    int refreshesWhileOpen = -1;
    whenModalShown([&](QWidget* modal) {
        window->sortCactiCheckBox()->click();
        refreshesWhileOpen = listA.refreshes + listB.refreshes;
        closeWith(qobject_cast<QDialog*>(modal));
    });
    window->presentPreferences();
    EXPECT_EQ(refreshesWhileOpen, 0) << "nothing is re-sorted before the window closes";
    EXPECT_EQ(listA.refreshes, 1);
    EXPECT_EQ(listB.refreshes, 1);
    EXPECT_EQ(cactusNames(*a), (QStringList{"Charlie", "Bravo", "Alpha"})) << "by species: Astrophytum, Gymnocalycium, Mammillaria";
    EXPECT_EQ(cactusNames(*b), (QStringList{"Charlie", "Bravo", "Alpha"}));
    EXPECT_TRUE(appSettings()->value(QStringLiteral("sortBySpecies")).toBool());
    EXPECT_FALSE(app_->getPreferences().sortCactiChanged());

    // Closing without a change re-sorts nothing.
    whenModalShown([](QWidget* modal) { closeWith(qobject_cast<QDialog*>(modal)); });
    window->presentPreferences();
    EXPECT_EQ(listA.refreshes, 1);
    EXPECT_EQ(listB.refreshes, 1);

    // Closing from the window manager counts as closing too.
    whenModalShown([&](QWidget* modal) {
        window->sortCactiCheckBox()->click();
        modal->close();
    });
    window->presentPreferences();
    EXPECT_EQ(listA.refreshes, 2);
    EXPECT_EQ(cactusNames(*a), (QStringList{"Alpha", "Bravo", "Charlie"}));
    a->setListController(SpinoraDatabase::kCactusList, nullptr);
    b->setListController(SpinoraDatabase::kCactusList, nullptr);
}

TEST_F(PreferencesTest, TheDefaultsBoxStoresTheInverseAndShapesTheNextNewCollection)
{
    makeApp();
    PreferencesWindow* window = app_->preferencesWindow();
    whenModalShown([&](QWidget* modal) {
        window->defaultsAddedCheckBox()->click();
        EXPECT_TRUE(window->grab().save(screenshotPath(QStringLiteral("app-preferences.png"))));
        closeWith(qobject_cast<QDialog*>(modal));
    });
    window->presentPreferences();
    EXPECT_TRUE(appSettings()->value(QStringLiteral("addNoDefaultsToDatabase")).toBool());

    nextNewPath_ = folder_.file(QStringLiteral("Bare.sdb"));
    app_->newDocument();
    ASSERT_EQ(app_->openDocuments().size(), 1u);
    EXPECT_TRUE(app_->openDocuments().front()->species().empty());
    EXPECT_TRUE(app_->openDocuments().front()->events().empty());
}

} // namespace
} // namespace spinora::test
