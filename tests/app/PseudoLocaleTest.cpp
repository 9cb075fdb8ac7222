// Under a made-up translation every text a person sees is translated and
// fits: a text left in English, or cut short, fails here. Its own program,
// so that no text is read before the translation is in place.
#include "ShellTestSupport.h"

#include "BackupsWindow.h"
#include "PreferencesWindow.h"
#include "PseudoTranslation.h"
#include "SpinoraDatabase.h"

#include <QMainWindow>
#include <QMenuBar>

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

} // namespace
} // namespace spinora::test
