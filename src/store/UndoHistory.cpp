#define SQLITE_ENABLE_SESSION 1
#define SQLITE_ENABLE_PREUPDATE_HOOK 1
#include "UndoHistory.h"

#include "ChangedRows.h"
#include "CollectionSnapshot.h"
#include "Localization.h"
#include "Messages.h"
#include "SpinoraDatabase.h"
#include "FileHelpers.h"
#include "SpinoraUtility.h"
#include "UndoWorkArea.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

#include <optional>
#include <utility>

namespace spinora {

// One step of the history: what it is called and how it is taken back and
// done again. Its folder in the work area goes with it.
class UndoStep {
public:
    UndoStep(QString title, QString folder) : title_(std::move(title)), folder_(std::move(folder)) {}
    virtual ~UndoStep() { FileHelpers::removeFileIfExists(folder_); }
    UndoStep(const UndoStep&) = delete;
    UndoStep& operator=(const UndoStep&) = delete;

    const QString& title() const { return title_; }
    int64_t keptBytes() const { return keptBytes_; }
    void measure() { keptBytes_ = UndoWorkArea::ownBytes(folder_); }
    virtual Result<> undo(SpinoraDatabase& document) = 0;
    virtual Result<> redo(SpinoraDatabase& document) = 0;

protected:
    QString title_;
    QString folder_;
    int64_t keptBytes_ = 0;
};

namespace {

constexpr const char* kChangesFile = "/changes";

QString photosFolder(const QString& stepFolder)
{
    return stepFolder + QStringLiteral("/photos");
}

QString tableTitle(const char* table)
{
    const QByteArray name(table);
    if (name == "cactus")
        return localized("a cactus");
    if (name == "watering")
        return localized("a watering schedule");
    if (name == "log")
        return localized("a log");
    if (name == "image")
        return localized("a photo");
    return localized("a record (%1)").arg(QString::fromUtf8(table));
}

// Any difference between what a step expects and what the collection holds
// ends the whole apply: an undo never takes back half a step.
int refuseConflict(void* reason, int conflict, sqlite3_changeset_iter* iter)
{
    const char* table = nullptr;
    int columns = 0;
    int op = 0;
    int indirect = 0;
    sqlite3changeset_op(iter, &table, &columns, &op, &indirect);
    QString& why = *static_cast<QString*>(reason);
    switch (conflict) {
    case SQLITE_CHANGESET_NOTFOUND: why = localized("%1 it needs is gone").arg(tableTitle(table)); break;
    case SQLITE_CHANGESET_CONFLICT:
        why = localized("%1 it would bring back has been made again").arg(tableTitle(table));
        break;
    default: why = localized("%1 it touches has been changed since").arg(tableTitle(table)); break;
    }
    return SQLITE_CHANGESET_ABORT;
}

QByteArray inverted(const QByteArray& changeset)
{
    int size = 0;
    void* data = nullptr;
    if (sqlite3changeset_invert(changeset.size(), changeset.constData(), &size, &data) != SQLITE_OK)
        return {};
    QByteArray result(static_cast<const char*>(data), size);
    sqlite3_free(data);
    return result;
}

// `earlier` then `later` as one changeset: a row inserted by the first and
// changed by the second is inserted with its final values.
bool combined(const QByteArray& earlier, const QByteArray& later, QByteArray* result)
{
    sqlite3_changegroup* group = nullptr;
    if (sqlite3changegroup_new(&group) != SQLITE_OK)
        return false;
    int size = 0;
    void* data = nullptr;
    const bool made = sqlite3changegroup_add(group, earlier.size(), const_cast<char*>(earlier.constData())) == SQLITE_OK &&
                      sqlite3changegroup_add(group, later.size(), const_cast<char*>(later.constData())) == SQLITE_OK &&
                      sqlite3changegroup_output(group, &size, &data) == SQLITE_OK;
    sqlite3changegroup_delete(group);
    if (made)
        *result = QByteArray(static_cast<const char*>(data), size);
    sqlite3_free(data);
    return made;
}

// An SQLite session recording `table` (null: every table) of the main
// database; null when it cannot be made.
sqlite3_session* openSession(Connection* db, const char* table)
{
    sqlite3_session* session = nullptr;
    if (sqlite3session_create(db->handle(), "main", &session) != SQLITE_OK ||
        sqlite3session_attach(session, table) != SQLITE_OK) {
        sqlite3session_delete(session);
        return nullptr;
    }
    return session;
}

bool changesetOf(sqlite3_session* session, QByteArray* changes)
{
    int size = 0;
    void* data = nullptr;
    if (!session || sqlite3session_changeset(session, &size, &data) != SQLITE_OK)
        return false;
    *changes = QByteArray(static_cast<const char*>(data), size);
    sqlite3_free(data);
    return true;
}

// The rows a command changed, as SQLite's session records them.
class Session {
public:
    explicit Session(Connection* db) : session_(openSession(db, nullptr)) {}
    ~Session() { sqlite3session_delete(session_); }
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    bool isOpen() const { return session_ != nullptr; }
    bool changeset(QByteArray* changes) { return changesetOf(session_, changes); }

private:
    sqlite3_session* session_ = nullptr;
};

// A command's rows, undone and redone with SQLite changesets.
class ChangesetStep : public UndoStep {
public:
    using UndoStep::UndoStep;

    Result<> undo(SpinoraDatabase& document) override { return apply(document, true); }
    Result<> redo(SpinoraDatabase& document) override { return apply(document, false); }

private:
    Result<> apply(SpinoraDatabase& document, bool backwards)
    {
        QFile file(folder_ + QLatin1String(kChangesFile));
        const QByteArray recorded = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        const QByteArray changes = backwards ? inverted(recorded) : recorded;
        ChangedRows rows;
        if (changes.isEmpty() || !ChangedRows::read(changes, &rows))
            return Failure(localized("what it needs could not be read from %1").arg(QDir::toNativeSeparators(folder_)));
        Connection* db = document.database();
        const QString package = document.packageFilename();
        const QString photos = photosFolder(folder_);
        QDir().mkpath(photos);
        std::optional<Transaction> transaction(std::in_place, db, Transaction::Kind::Exclusive);
        if (!transaction->begun())
            return Failure::sql(msg::kBeginFailed, db);
        // The photo files of rows that go are kept aside, those of rows that
        // come back return; every move is taken back if the apply fails.
        // A file that cannot be moved fails the apply: the rows must never
        // land without their photos.
        QList<QPair<QString, QString>> moves;
        std::optional<Failure> moveFailed;
        auto move = [&moves, &moveFailed](const QString& from, const QString& to) {
            if (moveFailed)
                return;
            if (UndoWorkArea::moveFile(from, to)) {
                moves.append({from, to});
                return;
            }
            const int error = errno;
            if (QFileInfo::exists(from) && !QFileInfo::exists(to))
                moveFailed = Failure::file(msg::kWritePhotoFailed, to, error);
        };
        auto takeBackMoves = [&moves] {
            for (auto it = moves.crbegin(); it != moves.crend(); ++it)
                UndoWorkArea::moveFile(it->second, it->first);
        };
        for (int64_t key : rows.deleted[ChangedRows::kImage]) {
            for (const QString& name : UndoWorkArea::photoFileNames(key))
                move(package + QLatin1Char('/') + name, photos + QLatin1Char('/') + name);
        }
        if (moveFailed) {
            transaction.reset();
            takeBackMoves();
            return *moveFailed;
        }
        QString conflict;
        const int rc = sqlite3changeset_apply(db->handle(), changes.size(), const_cast<char*>(changes.constData()),
                                              nullptr, refuseConflict, &conflict);
        if (rc != SQLITE_OK) {
            Failure failed = conflict.isEmpty() ? Failure::sql(msg::kSaveFailed, db) : Failure(conflict);
            transaction.reset();
            takeBackMoves();
            return failed;
        }
        for (int64_t key : rows.inserted[ChangedRows::kImage]) {
            for (const QString& name : UndoWorkArea::photoFileNames(key))
                move(photos + QLatin1Char('/') + name, package + QLatin1Char('/') + name);
        }
        if (moveFailed || !transaction->commit()) {
            Failure failed = moveFailed ? *moveFailed : Failure::sql(msg::kCommitFailed, db);
            transaction.reset();
            takeBackMoves();
            return failed;
        }
        return rows.takeIntoMemory(document);
    }
};

// An import: the collection before it and, once undone, after it.
class SnapshotStep : public UndoStep {
public:
    using UndoStep::UndoStep;

    Result<> undo(SpinoraDatabase& document) override { return swap(document, "before", "after"); }
    Result<> redo(SpinoraDatabase& document) override { return swap(document, "after", "before"); }

private:
    Result<> swap(SpinoraDatabase& document, const char* restored, const char* kept)
    {
        if (Result<> taken = CollectionSnapshot::take(document, folder_ + QLatin1Char('/') + QLatin1String(kept)); !taken)
            return taken;
        return CollectionSnapshot::restore(document, folder_ + QLatin1Char('/') + QLatin1String(restored));
    }
};

bool tablesCanBeRecorded(Connection* db)
{
    // SQLite's session records only tables with a declared primary key.
    for (const char* table : {"cactus", "watering", "log", "event", "species", "image"}) {
        Statement st(db, QStringLiteral("SELECT count(*) FROM pragma_table_info('%1') WHERE pk > 0")
                             .arg(QLatin1String(table))
                             .toStdString());
        if (!st.prepared() || !st.stepRow() || st.integer(0) != 1)
            return false;
    }
    return true;
}

} // namespace

PhotoRowsRecording::PhotoRowsRecording(UndoHistory& history, Connection* db)
    : history_(&history), session_(openSession(db, "image"))
{
    if (!session_)
        return;
    for (PhotoRowsRecording* outer : history.photoRecordings_)
        outer->setPaused(true);
    history.photoRecordings_.push_back(this);
}

PhotoRowsRecording::~PhotoRowsRecording()
{
    if (history_) {
        auto& recordings = history_->photoRecordings_;
        std::erase(recordings, this);
        if (!recordings.empty())
            recordings.back()->setPaused(false);
    }
    sqlite3session_delete(session_);
}

bool PhotoRowsRecording::changeset(QByteArray* changes) const
{
    return changesetOf(session_, changes);
}

void PhotoRowsRecording::setPaused(bool paused)
{
    if (session_)
        sqlite3session_enable(session_, paused ? 0 : 1);
}

UndoHistory::UndoHistory(SpinoraDatabase& document) : document_(document)
{
    usable_ = document_.database() && !document_.database()->isReadOnly() && !document_.isReadOnly() &&
              tablesCanBeRecorded(document_.database());
    document_.setUndoHistory(this);
}

bool UndoHistory::isUsable() const
{
    // A collection can turn read-only after it opened (a read failed).
    return usable_ && !document_.isReadOnly();
}

UndoHistory::~UndoHistory()
{
    for (PhotoRowsRecording* recording : photoRecordings_)
        recording->history_ = nullptr;
    clear();
    if (document_.undoHistory() == this)
        document_.setUndoHistory(nullptr);
}

Result<> UndoHistory::run(SpinoraDatabase& document, const QString& title, const std::function<Result<>()>& command,
                          const PhotoRowsRecording* photosBefore)
{
    if (UndoHistory* history = document.undoHistory())
        return history->record(title, command, photosBefore);
    return runUnrecorded(document, command);
}

std::unique_ptr<PhotoRowsRecording> UndoHistory::recordPhotos()
{
    if (!isUsable() || !document_.database())
        return nullptr;
    return std::make_unique<PhotoRowsRecording>(*this, document_.database());
}

QString UndoHistory::newStepFolder()
{
    const QString folder =
        UndoWorkArea::folder(document_.packageFilename()) + QStringLiteral("/step-%1").arg(nextFolder_++);
    FileHelpers::removeFileIfExists(folder);
    QDir().mkpath(folder);
    return folder;
}

namespace {

// After a step failed and its transaction rolled back: every record is read
// again from what the file holds (SQLite may have rolled back by itself, so
// which rows the step wrote cannot be asked any more), those it removed come
// back as themselves and those it added go, so that memory holds what the
// file holds. A failure only a rare path meets: it costs one read per record.
void takeBackIntoMemory(SpinoraDatabase& document)
{
    Result<ChangedRows> rows = ChangedRows::againstFile(document);
    Result<> read = rows ? rows->takeIntoMemory(document) : Result<>(rows.failure());
    if (!read)
        logFailure(read.failure());
}

// A command as one transaction, with the photo files it removes kept aside
// in `folder` until it commits: a failure takes back the rows, the files
// and the records in memory. `changes` receives the rows it changed when
// `session` records them.
Result<> runAsOneStep(SpinoraDatabase& document, const QString& folder, Session* session,
                      const std::function<Result<>()>& command, QByteArray* changes,
                      const QByteArray& storedBefore = {})
{
    Connection* db = document.database();
    PhotoFileKeeper keeper(document.packageFilename(), photosFolder(folder));
    document.beginStep();
    // Deferred: the file is locked for writing only once the command
    // writes, not while an editor's OK still asks the user something.
    std::optional<Transaction> transaction(std::in_place, db, Transaction::Kind::Deferred);
    Result<> result = transaction->begun() ? command() : Failure::sql(msg::kBeginFailed, db);
    if (result)
        result = saveChangedRecords(document);
    if (result && session &&
        (!session->changeset(changes) ||
         (!storedBefore.isEmpty() && !combined(storedBefore, QByteArray(*changes), changes))))
        result = Failure::sql(msg::kCommitFailed, db);
    if (result && !transaction->commit())
        result = Failure::sql(msg::kCommitFailed, db);
    if (!result) {
        // Nothing of the command stays: its rows roll back, its photo
        // files return, and the records are read again.
        transaction.reset();
        keeper.putBack();
        takeBackIntoMemory(document);
    }
    document.endStep();
    return result;
}

} // namespace

Result<> UndoHistory::runUnrecorded(SpinoraDatabase& document, const std::function<Result<>()>& command)
{
    Connection* db = document.database();
    const UndoHistory* history = document.undoHistory();
    if (!db || db->isReadOnly() || (history && history->recording_))
        return command();
    if (Result<> saved = saveChangedRecords(document); !saved)
        return saved;
    // No history keeps what the command removes; the work area still
    // holds it until the command is through.
    const QString folder = UndoWorkArea::folder(document.packageFilename()) + QStringLiteral("/running");
    FileHelpers::removeFileIfExists(folder);
    QByteArray changes;
    const Result<> result = runAsOneStep(document, folder, nullptr, command, &changes);
    FileHelpers::removeFileIfExists(folder);
    return result;
}

Result<> UndoHistory::record(const QString& title, const std::function<Result<>()>& command,
                             const PhotoRowsRecording* photosBefore)
{
    Connection* db = document_.database();
    // A command inside another one is part of its step.
    if (recording_)
        return command();
    if (!isUsable() || !db)
        return runUnrecorded(document_, command);
    // What memory holds and the file does not yet belongs to no step: it is
    // written first, so that the step takes back only the command.
    if (Result<> saved = saveChangedRecords(document_); !saved)
        return saved;
    QByteArray storedBefore;
    if (photosBefore && !photosBefore->changeset(&storedBefore))
        storedBefore.clear();
    Session session(db);
    if (!session.isOpen())
        return runUnrecorded(document_, command);
    recording_ = true;
    const QString folder = newStepFolder();
    QByteArray changes;
    const Result<> result = runAsOneStep(document_, folder, &session, command, &changes, storedBefore);
    recording_ = false;
    if (!result) {
        FileHelpers::removeFileIfExists(folder);
        return result;
    }
    if (changes.isEmpty()) {
        FileHelpers::removeFileIfExists(folder);
        return {};
    }
    if (!FileHelpers::writeFile(folder + QLatin1String(kChangesFile), changes)) {
        // The command is done but cannot be taken back; older steps would
        // have to skip over it, so the history starts again.
        FileHelpers::removeFileIfExists(folder);
        clear();
        return {};
    }
    push(std::make_unique<ChangesetStep>(title, folder));
    return {};
}

Result<> UndoHistory::beginImport()
{
    if (!isUsable() || !document_.database() || recording_ || !pendingImport_.isEmpty())
        return {};
    const QString folder = newStepFolder();
    if (Result<> taken = CollectionSnapshot::take(document_, folder + QStringLiteral("/before")); !taken) {
        FileHelpers::removeFileIfExists(folder);
        return taken;
    }
    pendingImport_ = folder;
    recording_ = true;
    return {};
}

void UndoHistory::finishImport(const QString& title, bool changed)
{
    if (pendingImport_.isEmpty())
        return;
    const QString folder = std::exchange(pendingImport_, QString());
    recording_ = false;
    if (changed)
        push(std::make_unique<SnapshotStep>(title, folder));
    else
        FileHelpers::removeFileIfExists(folder);
}

Result<> UndoHistory::takeBackImport()
{
    if (pendingImport_.isEmpty())
        return Failure(localized("the collection as it was before was not kept"));
    if (Result<> restored = CollectionSnapshot::restore(document_, pendingImport_ + QStringLiteral("/before"), false);
        !restored)
        return restored;
    finishImport(QString(), false);
    return {};
}

void UndoHistory::push(std::unique_ptr<UndoStep> step)
{
    // A new step ends the steps that were undone.
    steps_.resize(next_);
    step->measure();
    steps_.push_back(std::move(step));
    next_ = steps_.size();
    trim();
    notify();
}

void UndoHistory::trim()
{
    while (steps_.size() > 1 && (static_cast<int>(steps_.size()) > maxSteps_ || keptBytes() > maxKeptBytes_)) {
        if (next_ > 0) {
            // The oldest done step.
            steps_.erase(steps_.begin());
            --next_;
        } else {
            // Everything undone: the step farthest from being redone.
            steps_.pop_back();
        }
    }
}

int64_t UndoHistory::keptBytes() const
{
    int64_t bytes = 0;
    for (const auto& step : steps_)
        bytes += step->keptBytes();
    return bytes;
}

void UndoHistory::setLimits(int maxSteps, int64_t maxKeptBytes)
{
    maxSteps_ = maxSteps;
    maxKeptBytes_ = maxKeptBytes;
    trim();
    notify();
}

QString UndoHistory::undoTitle() const
{
    return canUndo() ? steps_[next_ - 1]->title() : QString();
}

QString UndoHistory::redoTitle() const
{
    return canRedo() ? steps_[next_]->title() : QString();
}

Result<> UndoHistory::take(bool backwards)
{
    if (backwards ? !canUndo() : !canRedo())
        return {};
    // Whatever the step brings back is told once, when it is through.
    const ChangeNotices::Held held(document_.notices());
    UndoStep& step = *steps_[backwards ? next_ - 1 : next_];
    if (Result<> taken = backwards ? step.undo(document_) : step.redo(document_); !taken) {
        const Failure& why = taken.failure();
        if (why.cause() != Failure::Cause::Other)
            return why;
        // A conflict says what stands in the way: the step names it.
        const QString failed = backwards ? localized("“%1” could not be undone: %2.")
                                         : localized("“%1” could not be redone: %2.");
        return Failure(failed.arg(step.title(), why.message()),
                       why.cause(), why.record(), why.where());
    }
    backwards ? --next_ : ++next_;
    step.measure();
    trim();
    notify();
    return {};
}

void UndoHistory::clear()
{
    const bool hadSteps = !steps_.empty();
    steps_.clear();
    next_ = 0;
    if (!pendingImport_.isEmpty()) {
        FileHelpers::removeFileIfExists(std::exchange(pendingImport_, QString()));
        recording_ = false;
    }
    if (hadSteps)
        notify();
}

void UndoHistory::notify()
{
    if (changed_)
        changed_();
}

} // namespace spinora
