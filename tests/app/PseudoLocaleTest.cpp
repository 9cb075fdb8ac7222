// Under a made-up translation every text a person sees is translated and
// fits: a text left in English, or cut short, fails here. Its own program,
// so that no text is read before the translation is in place.
#include "ShellTestSupport.h"

#include "BackupsWindow.h"
#include "CactusViewController.h"
#include "PreferencesWindow.h"
#include "PseudoTranslation.h"
#include "SpinoraDatabase.h"

#include <QApplication>
#include <QDialog>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>

#include <functional>

namespace spinora::test {
namespace {

class PseudoLocale : public ShellTest {
protected:
    // The user's own names, which no translation touches.
    QStringList collectionTexts(SpinoraDatabase& document) const
    {
        QStringList names{QStringLiteral("Garden")};
        for (const auto& cactus : document.cacti())
            names << cactus->name() << cactus->scientificName() << cactus->commonName();
        for (const auto& water : document.watering())
            names << water->name();
        return names;
    }
    void expectTranslated(QWidget* window, const QStringList& data)
    {
        window->show();
        settle();
        const char* name = window->metaObject()->className();
        EXPECT_TRUE(untranslatedTexts(window, data).isEmpty())
            << name << " shows in English:\n" << untranslatedTexts(window, data).join('\n').toStdString();
        EXPECT_TRUE(cutShortTexts(window).isEmpty()) << name << " cuts short:\n" << cutShortTexts(window).join('\n').toStdString();
    }
    // Checks the dialog that `open` runs modally, then closes it.
    void expectDialogTranslated(const char* what, const std::function<void()>& open, const QStringList& data)
    {
        bool seen = false;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            poll.stop();
            seen = true;
            expectTranslated(dialog, data);
            dialog->reject();
        });
        poll.start(10);
        open();
        EXPECT_TRUE(seen) << what << " showed no dialog";
    }
};

TEST_F(PseudoLocale, EveryTextOfTheWindowsIsTranslatedAndNoneIsCutShort)
{
    PseudoTranslation pseudo;
    const QString garden = makeCollection(QStringLiteral("Garden"));
    makeApp();
    SpinoraDatabase* document = app_->openDocumentWithContentsOfURL(garden);
    ASSERT_TRUE(document);
    const QStringList data = collectionTexts(*document);
    QMainWindow* window = windowOf(document);
    expectTranslated(window, data);

    expectTranslated(app_->preferencesWindow(), data);
    window->menuBar()->findChild<QAction*>(QStringLiteral("restoreFromBackupAction"))->trigger();
    expectTranslated(window->findChild<BackupsWindow*>(), data);
}

TEST_F(PseudoLocale, EveryListAndDialogOfTheCollectionWindowIsTranslatedAndNoneIsCutShort)
{
    PseudoTranslation pseudo;
    const QString garden = makeCollection(QStringLiteral("Garden"));
    makeApp();
    SpinoraDatabase* document = app_->openDocumentWithContentsOfURL(garden);
    ASSERT_TRUE(document);
    const QStringList data = collectionTexts(*document);
    DocumentWindow* window = windowOf(document);
    for (auto list : {SpinoraDatabase::kWaterList, SpinoraDatabase::kLogList, SpinoraDatabase::kCactusList}) {
        window->selectTab(list);
        expectTranslated(window, data);
    }

    window->cactusList()->tableView()->selectAll();
    const std::pair<const char*, std::function<void()>> dialogs[] = {
        {"Statistics", [&] { window->showStatistics(); }},
        {"Mark as Watered", [&] { window->markAsWateredAction()->trigger(); }},
        {"Page Setup", [&] { window->pageSetup(); }},
        {"Print Labels", [&] { window->printLabels(); }},
        {"Print Preview", [&] { window->printPreview(); }},
        {"About", [&] { app_->showAbout(); }},
    };
    for (const auto& [what, open] : dialogs)
        expectDialogTranslated(what, open, data);
}

} // namespace
} // namespace spinora::test
