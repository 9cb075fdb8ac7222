#include "SpinoraAppDelegate.h"

#include "ActionEdge.h"
#include "AppInfo.h"
#include "Backups.h"
#include "BackupsWindow.h"
#include "CrashReporter.h"
#include "DeviceBrowser.h"
#include "DocumentWindow.h"
#include "FileHelpers.h"
#include "ImportExportBrowser.h"
#include "JobRunner.h"
#include "Localization.h"
#include "MainMenu.h"
#include "PreferencesWindow.h"
#include "SpinoraDatabase.h"
#include "SpinoraUtility.h"
#include "UpdateChecker.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QMainWindow>
#include <QMenu>
#include <QMessageBox>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTimer>

#include <algorithm>

namespace spinora {

struct SpinoraAppDelegate::OpenDocument {
    std::unique_ptr<SpinoraDatabase> document;
    QPointer<QMainWindow> window;
    // An untitled collection that was saved under a name since: closing it
    // has nothing left to ask.
    bool savedUnderName = false;
    bool closing = false;
};

namespace {

constexpr const char* kOverwriteRefused =
    QT_TRID_NOOP("Overwriting an open database is not permitted. Please select a different filename.");

QString displayName(const SpinoraDatabase& document)
{
    return QFileInfo(document.packageFilename()).completeBaseName();
}

} // namespace

SpinoraAppDelegate::SpinoraAppDelegate(WindowFactory windowFactory, ShellServices services, const QString& version,
                                       QObject* parent)
    : QObject(parent), windowFactory_(std::move(windowFactory)), services_(std::move(services)), version_(version)
{
    updater_ = new UpdateChecker(version_, this);
    connect(updater_, &UpdateChecker::finished, this,
            [this](const UpdateChecker::Result& result, bool userInitiated) {
                UpdateChecker::presentResult(commandWindow(), result, version_, userInitiated);
            });
    buildSharedMenus();
    // A failed action is told over the window (or sheet) it was started from.
    previousAlert_ = ActionEdge::setAlert([this](QObject* window, const QString& title, const QString& text) {
        QObject* widget = window;
        while (widget && !widget->isWidgetType())
            widget = widget->parent();
        services_.alert(static_cast<QWidget*>(widget), title, text);
    });
    DocumentRegistry& registry = SpinoraUtility::sharedManager().documents();
    registry.setAvailabilityListener([this](bool available) { setImportExportEnabled(available); });
    setImportExportEnabled(!registry.documents().empty());
}

SpinoraAppDelegate::~SpinoraAppDelegate()
{
    SpinoraUtility::sharedManager().documents().setAvailabilityListener({});
    ActionEdge::setAlert(std::move(previousAlert_));
    closeDocuments();
    // Windows go before the documents they show.
    for (auto& entry : documents_) {
        if (entry->window) {
            disconnect(entry->window, nullptr, this, nullptr);
            delete entry->window.data();
        }
    }
    documents_.clear();
}

// --- Start-up

bool SpinoraAppDelegate::applicationDidFinishLaunching(const QStringList& paths, const QString& show)
{
    const bool opened = openRequested(LaunchRequest{paths, show}, true);
    appStarted_ = true;
    updater_->checkInBackgroundIfEnabled();
    return opened;
}

void SpinoraAppDelegate::handleLaunchRequest(const LaunchRequest& request)
{
    openRequested(request, false);
}

bool SpinoraAppDelegate::openRequested(const LaunchRequest& request, bool atStart)
{
    QStringList collections;
    QStringList interchangeFiles;
    for (const QString& path : request.paths) {
        if (QFileInfo(path).isFile() && QFileInfo(path).suffix().compare(QLatin1String("sdbi"), Qt::CaseInsensitive) == 0)
            interchangeFiles << path;
        else
            collections << path;
    }
    std::vector<SpinoraDatabase*> shown;
    for (const QString& path : collections) {
        if (SpinoraDatabase* document = openDocumentWithContentsOfURL(path))
            shown.push_back(document);
    }
    // A named collection that could not be opened was reported; opening
    // some other one in its place would only mislead.
    if (collections.isEmpty()) {
        if (!atStart && getMainDocument()) {
            bringForward(getMainDocument());
            shown.push_back(getMainDocument());
        } else {
            SpinoraDatabase* document = nullptr;
            const QString recent = recent_.mostRecent();
            if (!recent.isEmpty())
                document = openDocumentWithContentsOfURL(recent);
            if (!document)
                document = openUntitledDocument();
            if (document)
                shown.push_back(document);
        }
    }
    for (SpinoraDatabase* document : shown)
        showList(document, request.show);
    // The import sheet is modal: it opens once the launch is done.
    for (const QString& file : interchangeFiles) {
        QTimer::singleShot(0, this, [this, file] {
            if (SpinoraDatabase* main = getMainDocument())
                services_.presentImportFile(windowForDocument(main), file);
        });
    }
    return !shown.empty();
}

void SpinoraAppDelegate::bringForward(SpinoraDatabase* document)
{
    QMainWindow* window = windowForDocument(document);
    if (!window)
        return;
    if (window->isMinimized())
        window->showNormal();
    window->show();
    window->raise();
    window->activateWindow();
}

void SpinoraAppDelegate::showList(SpinoraDatabase* document, const QString& list)
{
    // The names a launch request gives the lists, in the order of their kinds.
    static const QStringList lists = {QStringLiteral("cacti"), QStringLiteral("watering"), QStringLiteral("logs")};
    const int tab = lists.indexOf(list);
    auto* window = qobject_cast<DocumentWindow*>(windowForDocument(document));
    if (tab >= 0 && window)
        window->selectTab(static_cast<SpinoraDatabase::ListKind>(tab));
}

// --- Opening and making collections

SpinoraDatabase* SpinoraAppDelegate::openDocumentWithContentsOfURL(const QString& path)
{
    const QString package = collectionPathFromChoice(path);
    if (SpinoraDatabase* open = documentAt(package)) {
        bringForward(open);
        registerAsMainDocument(open);
        return open;
    }
    // Opening never makes a collection: a path that does not exist is a
    // mistake to report, not a new package to leave behind.
    if (!QFileInfo(package).exists()) {
        services_.alert(commandWindow(), QStringLiteral("Spinora"),
                        localized("The collection “%1” could not be opened: it does not exist.")
                            .arg(QDir::toNativeSeparators(package)));
        return nullptr;
    }
    return openCollectionAt(package, true);
}

SpinoraDatabase* SpinoraAppDelegate::documentAt(const QString& package) const
{
    for (const auto& entry : documents_) {
        if (entry->document->packageFilename() == package && !entry->closing)
            return entry->document.get();
    }
    return nullptr;
}

SpinoraDatabase* SpinoraAppDelegate::openCollectionAt(const QString& package, bool checkPhotos)
{
    auto document = std::make_unique<SpinoraDatabase>(package);
    if (Result<> opened = document->readFromURL(package); !opened) {
        logFailure(opened.failure());
        if (opened.failure().cause() == Failure::Cause::Damaged)
            return offerSnapshot(package, opened.failure().message(), false);
        services_.alert(commandWindow(), QStringLiteral("Spinora"), opened.failure().reason());
        return nullptr;
    }
    const QStringList missing =
        checkPhotos ? CollectionHealth::missingPhotoFiles(document->database(), package) : QStringList();
    if (!missing.isEmpty()) {
        document.reset();
        const QString first = QDir::toNativeSeparators(missing.first());
        const QString what = missing.size() == 1
                                 ? localized("Its photo file “%1” is missing.").arg(first)
                                 : localized("%n of its photo files are missing, the first “%1”.", int(missing.size())).arg(first);
        logFailure(Failure(what, Failure::Cause::Damaged));
        return offerSnapshot(package, what, true);
    }
    recent_.noteDocument(package);
    SpinoraDatabase* opened = adopt(std::move(document));
    takeDailySnapshot(opened);
    return opened;
}

namespace {

// "12 plants, 24 logs and 12 photos", each count in its plural form.
QString snapshotContents(const Backup& backup)
{
    return localized("%1, %2 and %3")
        .arg(localized("%n plants", int(backup.plants)), localized("%n logs", int(backup.logs)),
             localized("%n photos", int(backup.photos)));
}

} // namespace

SpinoraDatabase* SpinoraAppDelegate::offerSnapshot(const QString& package, const QString& what, bool onlyPhotosMissing)
{
    BackupSet backups(package);
    const std::optional<Backup> good = backups.newestGood();
    // Missing photos are said in the user's words; the checker's account of
    // a damaged database goes into the details.
    QString text = localized("The collection “%1” is damaged, so it was not opened.").arg(QFileInfo(package).completeBaseName());
    if (onlyPhotosMissing)
        text += QLatin1Char(' ') + what;
    if (good) {
        text += QLatin1String("\n\n") +
                localized("The newest good snapshot was taken on %1 and holds %2. Restoring it replaces the "
                          "collection; the damaged one is kept as a snapshot first.")
                    .arg(QLocale().toString(good->taken, QLocale::ShortFormat), snapshotContents(*good));
    } else {
        text += QLatin1String("\n\n") + localized("There is no snapshot of it to restore.");
    }
    switch (services_.askAboutDamage(commandWindow(), text, what, good.has_value(), onlyPhotosMissing)) {
    case ShellServices::DamageAnswer::Restore: {
        if (Result<Backup> kept = backups.restoreFiles(*good); !kept) {
            logFailure(kept.failure());
            services_.alert(commandWindow(), QStringLiteral("Spinora"),
                            localized("The snapshot could not be restored: %1").arg(kept.failure().message()));
            return nullptr;
        }
        return openCollectionAt(package, true);
    }
    case ShellServices::DamageAnswer::OpenAnyway: return openCollectionAt(package, false);
    case ShellServices::DamageAnswer::Cancel: break;
    }
    return nullptr;
}

void SpinoraAppDelegate::takeDailySnapshot(SpinoraDatabase* document)
{
    if (!document->holdsPackageLock())
        return;
    if (Result<> kept = BackupSet(document->packageFilename()).takeDailyIfDue(*document); !kept) {
        logFailure(kept.failure());
        services_.alert(windowForDocument(document), QStringLiteral("Spinora"),
                        localized("%1. The collection is open as usual; free some space or choose another backup "
                                  "folder in Preferences.")
                            .arg(kept.failure().message()));
    }
}

SpinoraDatabase* SpinoraAppDelegate::openBackup(const Backup& backup)
{
    const QString package = backup.packagePath();
    if (SpinoraDatabase* open = documentAt(package)) {
        bringForward(open);
        return open;
    }
    auto document = std::make_unique<SpinoraDatabase>(package);
    document->setReadOnly(true);
    if (Result<> opened = document->readFromURL(package); !opened) {
        logFailure(opened.failure());
        services_.alert(commandWindow(), QStringLiteral("Spinora"), opened.failure().reason());
        return nullptr;
    }
    return adopt(std::move(document));
}

bool SpinoraAppDelegate::restoreBackup(SpinoraDatabase* document, const Backup& backup)
{
    QWidget* window = windowForDocument(document);
    const QString when = QLocale().toString(backup.taken, QLocale::ShortFormat);
    if (!services_.confirm(window,
                           localized("Restore “%1” as it was on %2?")
                               .arg(QFileInfo(document->packageFilename()).completeBaseName(), when),
                           localized("The collection will hold %1. Its current state is kept as a snapshot first, so "
                                     "this can be undone by restoring that one.")
                               .arg(snapshotContents(backup)),
                           localized("Restore")))
        return false;
    const Result<Backup> kept = BackupSet(document->packageFilename()).restore(*document, backup);
    if (!kept) {
        logFailure(kept.failure());
        services_.alert(window, QStringLiteral("Spinora"),
                        localized("The collection was not restored: %1").arg(kept.failure().message()));
        return false;
    }
    return true;
}

void SpinoraAppDelegate::showBackups(SpinoraDatabase* document)
{
    if (!document || document->isReadOnly())
        return;
    BackupsWindow::Actions actions;
    actions.open = [this](const Backup& backup) { openBackup(backup); };
    // Looked up again: the collection may have closed while the window was open.
    const QString package = document->packageFilename();
    actions.restore = [this, package](const Backup& backup) {
        for (SpinoraDatabase* open : openDocuments()) {
            if (open->packageFilename() == package)
                return restoreBackup(open, backup);
        }
        return false;
    };
    auto* window = new BackupsWindow(package, std::move(actions), windowForDocument(document));
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
}

SpinoraDatabase* SpinoraAppDelegate::openUntitledDocument()
{
    const QString name = QStringLiteral("Untitled");
    const QString package = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                            QStringLiteral("/Spinora/") + name + QLatin1Char('.') + QString::fromUtf8(kPackageExtension);
    if (isDatabaseLoaded(package))
        return openDocumentWithContentsOfURL(package);
    auto document = std::make_unique<SpinoraDatabase>();
    if (Result<> made = document->createUntitledPackage(name); !made) {
        logFailure(made.failure());
        services_.alert(commandWindow(), QStringLiteral("Spinora"), made.failure().reason());
        return nullptr;
    }
    return adopt(std::move(document));
}

SpinoraDatabase* SpinoraAppDelegate::newDocumentAtPath(const QString& chosenPath)
{
    const QString package = newCollectionPath(chosenPath);
    if (overlapsOpenCollection(package, nullptr)) {
        services_.alert(commandWindow(), localized("WARNING"), localized(kOverwriteRefused));
        return nullptr;
    }
    // The panel asked before replacing what is there.
    if (!FileHelpers::removeFileIfExists(package)) {
        services_.alert(commandWindow(), QStringLiteral("Spinora"),
                        localized("“%1” could not be replaced.").arg(QDir::toNativeSeparators(package)));
        return nullptr;
    }
    auto document = std::make_unique<SpinoraDatabase>(package);
    if (Result<> opened = document->readFromURL(package); !opened) {
        logFailure(opened.failure());
        services_.alert(commandWindow(), QStringLiteral("Spinora"), opened.failure().reason());
        return nullptr;
    }
    recent_.noteDocument(package);
    return adopt(std::move(document));
}

SpinoraDatabase* SpinoraAppDelegate::adopt(std::unique_ptr<SpinoraDatabase> document)
{
    SpinoraDatabase* raw = document.get();
    auto entry = std::make_unique<OpenDocument>();
    entry->document = std::move(document);
    OpenDocument* added = entry.get();
    documents_.push_back(std::move(entry));

    WindowHooks hooks;
    hooks.shouldClose = [this, raw] { return windowShouldClose(raw); };
    hooks.becameMain = [this, raw] { registerAsMainDocument(raw); };
    added->window = windowFactory_(*raw, hooks);
    if (added->window) {
        MainMenu::install(added->window, *this);
        connect(added->window, &QObject::destroyed, this, [this, raw] {
            if (entryFor(raw))
                QTimer::singleShot(0, this, [this, raw] { forgetDocument(raw); });
        });
        added->window->show();
        added->window->raise();
        added->window->activateWindow();
    }
    registerAsMainDocument(raw);
    emit documentsChanged();
    return raw;
}

bool SpinoraAppDelegate::overlapsOpenCollection(const QString& path, const SpinoraDatabase* except) const
{
    if (SpinoraUtility::sharedManager().documents().isDatabaseLoaded(path))
        return true;
    // Replacing a folder that holds an open collection, or making one inside
    // an open package, would destroy the open collection just the same.
    for (const auto& entry : documents_) {
        if (entry->document.get() == except)
            continue;
        const QString open = entry->document->packageFilename();
        if (open == path || open.startsWith(path + QLatin1Char('/')) || path.startsWith(open + QLatin1Char('/')))
            return true;
    }
    return false;
}

bool SpinoraAppDelegate::isDatabaseLoaded(const QString& path) const
{
    const QString package = collectionPathFromChoice(path);
    return std::any_of(documents_.begin(), documents_.end(), [&](const auto& entry) {
        return entry->document->packageFilename() == package;
    }) || SpinoraUtility::sharedManager().documents().isDatabaseLoaded(package);
}

std::vector<SpinoraDatabase*> SpinoraAppDelegate::openDocuments() const
{
    std::vector<SpinoraDatabase*> open;
    for (const auto& entry : documents_) {
        if (!entry->closing)
            open.push_back(entry->document.get());
    }
    return open;
}

SpinoraAppDelegate::OpenDocument* SpinoraAppDelegate::entryFor(const SpinoraDatabase* document) const
{
    for (const auto& entry : documents_) {
        if (entry->document.get() == document)
            return entry.get();
    }
    return nullptr;
}

QMainWindow* SpinoraAppDelegate::windowForDocument(const SpinoraDatabase* document) const
{
    const OpenDocument* entry = entryFor(document);
    return entry ? entry->window.data() : nullptr;
}

void SpinoraAppDelegate::registerAsMainDocument(SpinoraDatabase* document)
{
    const OpenDocument* entry = entryFor(document);
    if (entry && !entry->closing)
        SpinoraUtility::sharedManager().documents().registerAsMainDocument(document);
}

SpinoraDatabase* SpinoraAppDelegate::getMainDocument() const
{
    return SpinoraUtility::sharedManager().mainDocument();
}

AppPreferences& SpinoraAppDelegate::getPreferences()
{
    return SpinoraUtility::sharedManager().getPreferences();
}

QWidget* SpinoraAppDelegate::commandWindow() const
{
    if (QWidget* active = QApplication::activeWindow())
        return active->window();
    if (QMainWindow* main = windowForDocument(getMainDocument()))
        return main;
    for (const auto& entry : documents_) {
        if (entry->window)
            return entry->window;
    }
    return nullptr;
}

// --- Saving and closing

bool SpinoraAppDelegate::flushDocument(SpinoraDatabase* document)
{
    const Result<> flushed = document->saveBeforeQuit();
    if (!flushed)
        logFailure(flushed.failure());
    return flushed.ok();
}

bool SpinoraAppDelegate::saveDocument(SpinoraDatabase* document)
{
    OpenDocument* entry = entryFor(document);
    if (!entry)
        return false;
    if (document->unsavedDocument() && !entry->savedUnderName)
        return saveDocumentAs(document);
    const Result<> saved = document->writeSafelyToURL(document->packageFilename());
    if (!saved) {
        logFailure(saved.failure());
        services_.alert(entry->window, QStringLiteral("Spinora"), saved.failure().reason());
    }
    refreshWindowTitle(document);
    return saved.ok();
}

bool SpinoraAppDelegate::saveDocumentAs(SpinoraDatabase* document)
{
    OpenDocument* entry = entryFor(document);
    if (!entry)
        return false;
    const QString chosen = services_.chooseSaveAsPath(entry->window, document->packageFilename());
    if (chosen.isEmpty())
        return false;
    const QString target = newCollectionPath(chosen);
    if (target != document->packageFilename() && overlapsOpenCollection(target, document)) {
        services_.alert(entry->window, localized("WARNING"), localized(kOverwriteRefused));
        return false;
    }
    if (Result<> saved = document->writeSafelyToURL(target); !saved) {
        logFailure(saved.failure());
        services_.alert(entry->window, QStringLiteral("Spinora"), saved.failure().reason());
        return false;
    }
    entry->savedUnderName = true;
    recent_.noteDocument(document->packageFilename());
    refreshWindowTitle(document);
    return true;
}

void SpinoraAppDelegate::refreshWindowTitle(SpinoraDatabase* document)
{
    if (QMainWindow* window = windowForDocument(document))
        QMetaObject::invokeMethod(window, "refreshTitle");
}

bool SpinoraAppDelegate::windowShouldClose(SpinoraDatabase* document)
{
    OpenDocument* entry = entryFor(document);
    if (!entry)
        return true;
    if (entry->closing || documentsClosed_)
        return true;
    if (document->unsavedDocument() && !entry->savedUnderName) {
        switch (services_.askToSaveChanges(entry->window, displayName(*document))) {
        case ShellServices::SaveAnswer::Cancel:
            return false;
        case ShellServices::SaveAnswer::Save:
            if (!saveDocumentAs(document))
                return false;
            break;
        case ShellServices::SaveAnswer::DontSave:
            // The untitled package keeps its contents for the next start.
            break;
        }
    }
    if (!writeBeforeClosing(document))
        return false;
    entry->closing = true;
    SpinoraUtility::sharedManager().documents().deregisterDatabase(document);
    // The window finishes closing first; the document goes after it.
    QTimer::singleShot(0, this, [this, document] { forgetDocument(document); });
    return true;
}

bool SpinoraAppDelegate::writeBeforeClosing(SpinoraDatabase* document)
{
    const Result<> flushed = document->saveBeforeQuit();
    if (flushed)
        return true;
    logFailure(flushed.failure());
    // The changes live only in memory now: the window stays until they are
    // written somewhere.
    const QString text =
        localized("The latest changes to “%1” could not be written: %2")
            .arg(displayName(*document), flushed.failure().reason()) +
        QStringLiteral("\n\n") +
        localized("The window stays open so that they are not lost. Make room and close it again, or save the "
                  "collection somewhere else.");
    if (!services_.offerSaveAs(windowForDocument(document), QStringLiteral("Spinora"), text))
        return false;
    // Save As writes the changes into the copy when this package cannot take them.
    return saveDocumentAs(document) && flushDocument(document);
}

void SpinoraAppDelegate::forgetDocument(SpinoraDatabase* document)
{
    const auto it = std::find_if(documents_.begin(), documents_.end(),
                                 [document](const auto& entry) { return entry->document.get() == document; });
    if (it == documents_.end())
        return;
    std::unique_ptr<OpenDocument> entry = std::move(*it);
    documents_.erase(it);
    if (!entry->closing && !documentsClosed_)
        flushDocument(entry->document.get());
    delete entry->window.data();
    entry.reset();
    emit documentsChanged();
}

void SpinoraAppDelegate::closeDocuments()
{
    if (documentsClosed_)
        return;
    stopAllJobs();
    documentsClosed_ = true;
    for (const auto& entry : documents_) {
        if (!entry->closing)
            flushDocument(entry->document.get());
    }
    for (const auto& entry : documents_)
        SpinoraUtility::sharedManager().documents().deregisterDatabase(entry->document.get());
}

void SpinoraAppDelegate::commitAllDocuments()
{
    if (documentsClosed_)
        return;
    for (const auto& entry : documents_) {
        if (entry->closing)
            continue;
        SpinoraDatabase* document = entry->document.get();
        // Writes everything and reopens: the session may go on.
        if (Result<> saved = document->writeSafelyToURL(document->packageFilename()); !saved)
            logFailure(saved.failure());
    }
}

void SpinoraAppDelegate::stopAllJobs()
{
    // A job works on a collection's file, not on the document: it is asked
    // to stop, and the documents close only once it has ended (one that
    // passed its commit point finishes).
    JobRunner::cancelAll();
    JobRunner::waitForAll();
}

void SpinoraAppDelegate::cancelImportExport()
{
    cancelJobOfWindow(windowForDocument(getMainDocument()));
}

void SpinoraAppDelegate::terminate(int)
{
    stopAllJobs();
    closeDocuments();
    QCoreApplication::quit();
}

void SpinoraAppDelegate::quitApplication()
{
    stopAllJobs();
    // Newest window first, as the desktop's own "quit" closes them.
    std::vector<QPointer<QMainWindow>> windows;
    for (const auto& entry : documents_) {
        if (entry->window && !entry->closing)
            windows.emplace_back(entry->window);
    }
    for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
        if (*it && !(*it)->close())
            return;
    }
    closeDocuments();
    QCoreApplication::quit();
}

void SpinoraAppDelegate::notifyDatabasesOfCactusReSort()
{
    for (SpinoraDatabase* document : openDocuments()) {
        document->sortCacti();
    }
}

// --- Menu commands

void SpinoraAppDelegate::newDocument()
{
    const QString chosen = services_.chooseNewCollectionPath(commandWindow());
    if (!chosen.isEmpty())
        newDocumentAtPath(chosen);
}

void SpinoraAppDelegate::openDocument()
{
    const QString chosen = services_.chooseCollectionToOpen(commandWindow());
    if (!chosen.isEmpty())
        openDocumentWithContentsOfURL(chosen);
}

void SpinoraAppDelegate::handleImportExport(ExchangeFunction databaseType)
{
    if (!getMainDocument())
        return;
    services_.presentImportExportBrowser(windowForDocument(getMainDocument()), databaseType);
}

void SpinoraAppDelegate::handleBrowsing(DeviceDirection direction)
{
    if (!getMainDocument())
        return;
    services_.presentDeviceBrowser(windowForDocument(getMainDocument()), direction);
}

void SpinoraAppDelegate::handleExportReport()
{
    if (!getMainDocument())
        return;
    services_.presentExportReportBrowser(windowForDocument(getMainDocument()));
}

void SpinoraAppDelegate::checkForUpdates()
{
    updater_->checkForUpdates(true);
}

PreferencesWindow* SpinoraAppDelegate::preferencesWindow()
{
    if (!preferencesWindow_)
        preferencesWindow_ = std::make_unique<PreferencesWindow>(getPreferences(),
                                                                 [this] { notifyDatabasesOfCactusReSort(); });
    return preferencesWindow_.get();
}

void SpinoraAppDelegate::handlePreferences()
{
    preferencesWindow()->presentPreferences();
}

void SpinoraAppDelegate::showAbout()
{
    QMessageBox::about(commandWindow(), localized("About Spinora"),
                       QStringLiteral("<h3>Spinora %1</h3><p>%2</p>")
                           .arg(version_.toHtmlEscaped(),
                                localized("The catalogue of your cactus and succulent collection: plants, "
                                          "watering schedules and a log of what happened to them.")
                                    .toHtmlEscaped()));
}

void SpinoraAppDelegate::setImportExportEnabled(bool enabled)
{
    importFromMenu_->menuAction()->setEnabled(enabled);
    exportToMenu_->menuAction()->setEnabled(enabled);
}

void SpinoraAppDelegate::buildSharedMenus()
{
    importFromMenu_ = std::make_unique<QMenu>(localized("Import From"));
    importFromMenu_->setObjectName(QStringLiteral("importFromMenu"));
    exportToMenu_ = std::make_unique<QMenu>(localized("Export To"));
    exportToMenu_->setObjectName(QStringLiteral("exportToMenu"));

    // Each item opens the import/export sheet for one of its functions, or
    // the device dialog in one direction; its data is that value as a number.
    auto addSheet = [this](QMenu* menu, const QString& title, const QString& name, ExchangeFunction function) {
        QAction* action = menu->addAction(title);
        action->setObjectName(name);
        action->setData(static_cast<int>(function));
        connect(action, &QAction::triggered, this, [this, function] { handleImportExport(function); });
    };
    auto addDevice = [this](QMenu* menu, const QString& name, DeviceDirection direction) {
        QAction* action = menu->addAction(localized("Spinora Mobile App"));
        action->setObjectName(name);
        action->setData(static_cast<int>(direction));
        connect(action, &QAction::triggered, this, [this, direction] { handleBrowsing(direction); });
    };
    using enum ExchangeFunction;
    addSheet(importFromMenu_.get(), localized("SDBI"), QStringLiteral("importSdbi"), ImportFromSdbi);
    addSheet(importFromMenu_.get(), localized("Spinora Database"), QStringLiteral("importDatabase"), ImportFromCollection);
    addDevice(importFromMenu_.get(), QStringLiteral("importMobileApp"), DeviceDirection::ImportFromDevice);
    addSheet(importFromMenu_.get(), localized("CSV"), QStringLiteral("importCsv"), ImportFromCsv);

    addSheet(exportToMenu_.get(), localized("SDBI"), QStringLiteral("exportSdbi"), ExportToSdbi);
    addSheet(exportToMenu_.get(), localized("Spinora Database"), QStringLiteral("exportDatabase"), ExportToCollection);
    addDevice(exportToMenu_.get(), QStringLiteral("exportMobileApp"), DeviceDirection::ExportToDevice);
    addSheet(exportToMenu_.get(), localized("CSV"), QStringLiteral("exportCsv"), ExportToCsv);
    QAction* csvTemplate = exportToMenu_->addAction(localized("CSV Template…"));
    csvTemplate->setObjectName(QStringLiteral("exportCsvTemplate"));
    connect(csvTemplate, &QAction::triggered, this, [this] {
        services_.saveCsvTemplate(getMainDocument() ? windowForDocument(getMainDocument()) : nullptr);
    });
    QAction* report = exportToMenu_->addAction(localized("HTML Report"));
    report->setObjectName(QStringLiteral("exportReport"));
    connect(report, &QAction::triggered, this, &SpinoraAppDelegate::handleExportReport);
}

} // namespace spinora
