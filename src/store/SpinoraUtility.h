#pragma once

#include "AppPreferences.h"
#include "DocumentRegistry.h"
#include "Timestamp.h"
#include "TransferObserver.h"

#include <QString>

#include <atomic>

namespace spinora {

// The one application-wide helper: preferences, the open documents, date
// rounding, file helpers, the work folder, and the relay that carries the
// progress and result of import and export jobs back to whoever started them.
class SpinoraUtility {
public:
    static SpinoraUtility& sharedManager();
    SpinoraUtility(const SpinoraUtility&) = delete;
    SpinoraUtility& operator=(const SpinoraUtility&) = delete;

    AppPreferences& getPreferences() { return preferences_; }
    DocumentRegistry& documents() { return documents_; }
    SpinoraDatabase* mainDocument() const { return documents_.getMainDocument(); }

    static Timestamp roundDate(const Timestamp& date) { return spinora::roundDate(date); }

    // Durable writes reach the disk before they answer (fsync): for
    // databases. Fast ones do not: for photos and work files, which are made
    // durable together with syncFileSystem before the step that relies on them.
    enum class Durability { Durable, Fast };

    // File helpers. Each answers true on success.
    // True when nothing is at the path or it (a file or a whole folder) was removed.
    static bool removeFileIfExists(const QString& path);
    // Replaces the destination with a copy of the source file. The copy is
    // written beside the destination and renamed over it, so a failed copy
    // leaves an existing destination as it was.
    static bool copyFileFrom(const QString& source, const QString& destination,
                             Durability durability = Durability::Durable);
    // Writes a whole file the same way: beside it first, then renamed over it.
    static bool writeFile(const QString& path, const QByteArray& data, Durability durability = Durability::Fast);
    // Flushes everything written to the file system that holds the path.
    static void syncFileSystem(const QString& path);
    // Replaces the destination with the source (a rename, or copy and remove
    // across file systems).
    static bool moveFileFrom(const QString& source, const QString& destination);
    // Copies a folder and everything in it to a destination that must not exist.
    static bool copyFolder(const QString& source, const QString& destination);

    // The per-user work folder of imports and exports (created when missing);
    // empty when no caches directory can be found.
    static QString workFolder();
    // The incoming database of an import, any older file there removed first.
    static QString getImportDatabaseName();

    // --- Relay between jobs and the controller that started them. Starting
    // an operation remembers its controller and forgets the other two.
    void registerImportExportBrowser(TransferObserver* sheet);
    void registerExportReportBrowser(TransferObserver* sheet);
    void registerDeviceBrowser(TransferObserver* device);
    TransferObserver* importExportBrowser() const { return importExportBrowser_.load(); }
    TransferObserver* exportReportBrowser() const { return exportReportBrowser_.load(); }
    TransferObserver* deviceBrowser() const { return deviceBrowser_.load(); }

    void importProgressUpdate(double percent);
    void exportProgressUpdate(double percent);
    void reportDatabaseImportComplete(int status);
    void reportDatabaseExportComplete(int status);
    // Ask the main document's running job to stop at its next check.
    void abortDatabaseImport();
    void abortDatabaseExport();
    // The shell's cancel command: every remembered controller hears cancelButtonPressed.
    void cancelImportExport();

private:
    SpinoraUtility() = default;

    AppPreferences preferences_;
    DocumentRegistry documents_;
    std::atomic<TransferObserver*> deviceBrowser_{nullptr};
    std::atomic<TransferObserver*> importExportBrowser_{nullptr};
    std::atomic<TransferObserver*> exportReportBrowser_{nullptr};
};

} // namespace spinora
