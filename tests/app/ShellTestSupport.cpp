#include "ShellTestSupport.h"

#include "AppSettings.h"
#include "DeviceBrowser.h"
#include "DocumentWindowFactory.h"
#include "ImportExportBrowser.h"
#include "SampleCollection.h"
#include "SpinoraDatabase.h"
#include "SpinoraUtility.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>

namespace spinora::test {

void ShellTest::SetUp()
{
    appSettings()->clear();
    SpinoraUtility::sharedManager().getPreferences().reload();
    services_ = ShellServices::standard();
    services_.alert = [this](QWidget*, const QString& title, const QString& text) { alerts_ << title + "|" + text; };
    services_.chooseNewCollectionPath = [this](QWidget*) { return nextNewPath_; };
    services_.chooseSaveAsPath = [this](QWidget*, const QString&) { return nextSaveAsPath_; };
    services_.askToSaveChanges = [this](QWidget*, const QString&) {
        ++saveQuestions_;
        return nextSaveAnswer_;
    };
    services_.offerSaveAs = [this](QWidget*, const QString&, const QString& text) {
        saveAsOffers_ << text;
        return nextSaveAsOfferTaken_;
    };
    services_.presentImportExportBrowser = [this](QWidget*, ExchangeFunction f) { presented_.append({"sheet", int(f)}); };
    services_.presentImportFile = [this](QWidget*, const QString& file) { importsOffered_ << file; };
    services_.presentExportReportBrowser = [this](QWidget*) { presented_.append({QStringLiteral("report"), -1}); };
    services_.saveCsvTemplate = [this](QWidget*) { presented_.append({QStringLiteral("template"), -1}); };
    services_.presentDeviceBrowser = [this](QWidget*, DeviceDirection d) { presented_.append({"device", int(d)}); };
    services_.pageSetup = [this](QWidget*) { presented_.append({QStringLiteral("pageSetup"), -1}); };
}

void ShellTest::TearDown()
{
    app_.reset();
    settle();
    EXPECT_TRUE(SpinoraUtility::sharedManager().documents().documents().empty());
}

std::unique_ptr<SpinoraAppDelegate>& ShellTest::makeApp()
{
    app_ = std::make_unique<SpinoraAppDelegate>(makeDocumentWindow, services_, QStringLiteral("1.2"));
    return app_;
}

QString ShellTest::makeCollection(const QString& name, int cacti)
{
    const QString path = folder_.file(name + QStringLiteral(".sdb"));
    auto document = newCollection(path);
    EXPECT_TRUE(SampleCollection::fill(*document, SampleSize{cacti, 2, 4, 0}).ok());
    expectOk(document->close());
    return QDir(path).canonicalPath();
}

DocumentWindow* ShellTest::windowOf(SpinoraDatabase* document) const
{
    return qobject_cast<DocumentWindow*>(app_->windowForDocument(document));
}

void ShellTest::settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
}

} // namespace spinora::test
