#pragma once

#include "AppInfo.h"
#include "Result.h"

#include <QDateTime>
#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace spinora {

class Connection;
class SpinoraDatabase;

// The user's choices about snapshots, kept in the settings.
struct BackupSettings {
    static constexpr qint64 kDefaultLimitBytes = qint64(2) << 30;

    bool enabled = true;
    QString folder; // empty: defaultFolder()
    qint64 limitBytes = kDefaultLimitBytes;

    static BackupSettings read();
    void write() const;
    QString root() const { return folder.isEmpty() ? defaultFolder() : folder; }
    // "~/.local/share/Spinora/Backups"
    static QString defaultFolder();
};

// One snapshot, as its manifest describes it.
struct Backup {
    QString folder; // <root>/<collection>-<id>/<date-time>
    QDateTime taken;
    QString reason; // "daily", "import", "restore", "manual"
    qint64 plants = 0;
    qint64 schedules = 0;
    qint64 logs = 0;
    qint64 photos = 0;
    qint64 bytes = 0; // the database and photo files, as a copy of them would take
    QString appVersion;
    // A copy of a damaged database (kept so that nothing is lost), or of a
    // collection that had lost photo files: never the one offered to restore.
    bool damaged = false;

    QString name() const;
    // What the manifest says of it (without the collection's path).
    QJsonObject toJson() const;
    // The snapshot laid out as a collection package, to be opened read-only.
    QString packagePath() const;
};

// The snapshots of one collection, in their own folder of the backups root.
// A snapshot is made in a ".partial" folder and renamed into place once its
// manifest is written, so one cut short by a crash is never listed.
class BackupSet {
public:
    explicit BackupSet(const QString& packagePath, BackupSettings settings = BackupSettings::read());

    const BackupSettings& settings() const { return settings_; }
    // "<root>/<collection name>-<8 hex digits of its path>"
    QString folder() const { return folder_; }

    // A snapshot of the open collection (what its window holds is written first).
    Result<Backup> take(SpinoraDatabase& document, const QString& reason);
    // A snapshot of a collection no document holds; a database too damaged
    // to be read page by page is copied file by file and marked damaged.
    Result<Backup> takeFromFiles(const QString& reason);
    // take() when snapshots are on, then prune(). For the automatic ones.
    Result<> takeIfEnabled(SpinoraDatabase& document, const QString& reason);
    // The daily one, unless the collection has one of today already.
    Result<> takeDailyIfDue(SpinoraDatabase& document);

    // The whole snapshots, newest first.
    std::vector<Backup> list() const;
    std::optional<Backup> newestGood() const;
    // By name ("2026-12-08T09-30-00") or by folder.
    std::optional<Backup> find(const QString& nameOrFolder) const;

    // Keeps every snapshot of the last day, the newest of each of the last
    // 7 days, 4 weeks and 12 months; then removes the oldest snapshots of
    // the whole root until it holds no more than the size limit (never a
    // collection's newest).
    void prune(const QDateTime& now = QDateTime::currentDateTime()) const;

    // Makes the collection, which no document holds, what `backup` holds:
    // its current state is taken as a snapshot first, then the database
    // and photo files are replaced, all or nothing. Answers that first snapshot.
    Result<Backup> restoreFiles(const Backup& backup);

    // The same for the open collection: it is read again afterwards, and
    // its undo history starts anew (the snapshot taken first undoes it).
    Result<Backup> restore(SpinoraDatabase& document, const Backup& backup);

    // What a database and package hold, as a manifest counts it.
    static Backup describe(Connection* db, const QString& package);

private:
    Result<Backup> finish(const QString& partial, Backup backup);
    QString databasePath() const { return packagePath_ + QLatin1Char('/') + QLatin1String(kDatabaseFileName); }
    QString newSnapshotFolder() const;

    QString packagePath_;
    BackupSettings settings_;
    QString folder_;
};

// The checks of a collection at open that the database cannot make itself.
struct CollectionHealth {
    // The photo rows whose picture is neither in its file nor in the row.
    static QStringList missingPhotoFiles(Connection* db, const QString& package);
};

} // namespace spinora
