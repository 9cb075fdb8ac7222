#pragma once

#include "ActionEdge.h"
#include "RecentDocuments.h"
#include "ShellServices.h"
#include "SingleInstance.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>
#include <vector>

class QAction;
class QMainWindow;
class QMenu;

namespace spinora {

class AppPreferences;
struct Backup;
class PreferencesWindow;
class SpinoraDatabase;
class UpdateChecker;

// What the shell hands a new collection window: asked before the window
// closes (false keeps it open), and told when the window became the main one.
struct WindowHooks {
    std::function<bool()> shouldClose;
    std::function<void()> becameMain;
};
using WindowFactory = std::function<QMainWindow*(SpinoraDatabase& document, const WindowHooks& hooks)>;

// The application shell: start-up, the open collections and their windows,
// the main document, saving, closing and quitting without losing anything,
// and the application-wide menu commands (import, export, device transfer,
// help links, update check, preferences).
class SpinoraAppDelegate : public QObject {
    Q_OBJECT
public:
    SpinoraAppDelegate(WindowFactory windowFactory, ShellServices services, const QString& version,
                       QObject* parent = nullptr);
    ~SpinoraAppDelegate() override;

    // --- Start-up: the collections named on the command line; else the most
    // recent one; else an untitled collection. A named collection that
    // cannot be opened is reported and nothing is opened in its place.
    // Interchange files named there are offered for import into the main
    // collection. False when no window could be shown at all.
    // `show` names the list the windows show ("cacti", "watering", "logs").
    bool applicationDidFinishLaunching(const QStringList& paths, const QString& show = {});
    bool appStarted() const { return appStarted_; }
    // A later launch handed its request to this running one: the same
    // rules, and without named collections the main window comes forward.
    void handleLaunchRequest(const LaunchRequest& request);

    // --- The open documents
    // Opens a collection (or shows its window when it is open already).
    SpinoraDatabase* openDocumentWithContentsOfURL(const QString& path);
    // File › Restore From Backup…: the collection's snapshots.
    void showBackups(SpinoraDatabase* document);
    // Opens a snapshot read-only in its own window.
    SpinoraDatabase* openBackup(const Backup& backup);
    // Makes the open collection what the snapshot holds, after asking; its
    // state before is kept as a snapshot. True when it was restored.
    bool restoreBackup(SpinoraDatabase* document, const Backup& backup);
    // The "Untitled" collection of the application-support folder.
    SpinoraDatabase* openUntitledDocument();
    // The second half of the new-collection panel: refuses the path of an
    // open collection, replaces anything else there with a new collection.
    SpinoraDatabase* newDocumentAtPath(const QString& chosenPath);
    bool isDatabaseLoaded(const QString& path) const;
    std::vector<SpinoraDatabase*> openDocuments() const;
    QMainWindow* windowForDocument(const SpinoraDatabase* document) const;
    void registerAsMainDocument(SpinoraDatabase* document);
    SpinoraDatabase* getMainDocument() const;
    AppPreferences& getPreferences();

    bool saveDocument(SpinoraDatabase* document);
    bool saveDocumentAs(SpinoraDatabase* document);
    // Every open document re-sorts its cacti and refreshes its lists.
    void notifyDatabasesOfCactusReSort();
    // Quitting: every document writes what it holds and closes its
    // connection. Runs once; windows close afterwards without asking.
    void closeDocuments();
    // Logging out: everything is written, the documents stay open (the
    // session may still be cancelled).
    void commitAllDocuments();
    // The termination signals: write everything and leave the event loop.
    void terminate(int signalNumber);

    RecentDocuments& recentDocuments() { return recent_; }
    UpdateChecker& updater() { return *updater_; }
    const QString& version() const { return version_; }
    ShellServices& services() { return services_; }

    // --- Menus shared by every window (their enabling is application-wide).
    QMenu* importFromMenu() const { return importFromMenu_.get(); }
    QMenu* exportToMenu() const { return exportToMenu_.get(); }
    // The window the application-wide commands act from.
    QWidget* commandWindow() const;

    PreferencesWindow* preferencesWindow();

public slots:
    void newDocument();
    void openDocument();
    void handleImportExport(ExchangeFunction databaseType);
    void handleBrowsing(DeviceDirection direction);
    void handleExportReport();
    // The progress window's Cancel, for the main collection's running job.
    void cancelImportExport();
    void checkForUpdates();
    void handlePreferences();
    void showAbout();
    // Closes every window (untitled ones may ask to be saved); quits when all closed.
    void quitApplication();

signals:
    void documentsChanged();

private:
    // Asks every running job to stop and waits until each has ended.
    void stopAllJobs();
    struct OpenDocument;

    SpinoraDatabase* adopt(std::unique_ptr<SpinoraDatabase> document);
    // The open document of the package (not one that is closing), if any.
    SpinoraDatabase* documentAt(const QString& package) const;
    // `checkPhotos` false: the user chose to open it although photo files are missing.
    SpinoraDatabase* openCollectionAt(const QString& package, bool checkPhotos);
    // Says what is damaged and offers the newest good snapshot; opens the
    // collection as the user chooses.
    SpinoraDatabase* offerSnapshot(const QString& package, const QString& what, bool onlyPhotosMissing);
    void takeDailySnapshot(SpinoraDatabase* document);
    OpenDocument* entryFor(const SpinoraDatabase* document) const;
    bool openRequested(const LaunchRequest& request, bool atStart);
    void bringForward(SpinoraDatabase* document);
    void showList(SpinoraDatabase* document, const QString& list);
    bool windowShouldClose(SpinoraDatabase* document);
    // Writes what the document holds before its window closes; on failure
    // says why and offers Save As. False keeps the window open.
    bool writeBeforeClosing(SpinoraDatabase* document);
    void forgetDocument(SpinoraDatabase* document);
    bool flushDocument(SpinoraDatabase* document);
    bool overlapsOpenCollection(const QString& path, const SpinoraDatabase* except) const;
    void setImportExportEnabled(bool enabled);
    void buildSharedMenus();
    void refreshWindowTitle(SpinoraDatabase* document);

    WindowFactory windowFactory_;
    ActionEdge::Alert previousAlert_;
    ShellServices services_;
    QString version_;
    std::vector<std::unique_ptr<OpenDocument>> documents_;
    RecentDocuments recent_;
    UpdateChecker* updater_ = nullptr;
    std::unique_ptr<PreferencesWindow> preferencesWindow_;
    std::unique_ptr<QMenu> importFromMenu_;
    std::unique_ptr<QMenu> exportToMenu_;
    bool appStarted_ = false;
    bool documentsClosed_ = false;
};

} // namespace spinora
