#pragma once

#include "Result.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

struct sqlite3_session;

namespace spinora {

class Connection;
class SpinoraDatabase;
class UndoHistory;
class UndoStep;

// The photo rows stored on a connection since an editor opened: an editor
// stores each added photo as it arrives, before its OK makes the undo step,
// so the step takes them from here. While an editor opened over another
// one records, the outer one pauses: each photo belongs to one step.
class PhotoRowsRecording {
public:
    PhotoRowsRecording(UndoHistory& history, Connection* db);
    ~PhotoRowsRecording();
    PhotoRowsRecording(const PhotoRowsRecording&) = delete;
    PhotoRowsRecording& operator=(const PhotoRowsRecording&) = delete;

    // The rows as they are now, as an SQLite changeset.
    bool changeset(QByteArray* changes) const;

private:
    friend class UndoHistory;
    void setPaused(bool paused);

    UndoHistory* history_;
    sqlite3_session* session_ = nullptr;
};

// The history of one collection window: the steps the user can undo and
// redo ("Delete Cactus", "Mark as Watered", "Import", ...).
//
// Each step is one SQLite transaction: the command runs inside it while an
// SQLite session records every row it inserts, changes or deletes. The
// rows (as a changeset) and the photo files the command removed are kept
// in the package's work area (UndoWorkArea), never in the live tables.
// Undoing applies the inverted changeset in one transaction and puts the
// photo files back; redoing applies the changeset again. Either succeeds
// whole or leaves the collection, its files and the history as they were.
//
// Bounded: at most kMaxSteps steps and kMaxKeptBytes of files kept for
// them in the work area (photos that only the history still holds, the
// changesets, an import's snapshot); the oldest steps are dropped first.
// The newest step always stays, whatever its size, so the last command can
// be taken back. Closing the window clears the history and its work area.
class UndoHistory {
public:
    static constexpr int kMaxSteps = 100;
    static constexpr int64_t kMaxKeptBytes = int64_t(512) << 20;

    explicit UndoHistory(SpinoraDatabase& document);
    ~UndoHistory();
    UndoHistory(const UndoHistory&) = delete;
    UndoHistory& operator=(const UndoHistory&) = delete;

    // Runs `command` as one undoable step titled `title` ("Delete Cactus")
    // of the document's history; without a history (no window, a read-only
    // collection) it runs it as one transaction all the same. A command
    // that changes nothing leaves no step. A command that fails is rolled
    // back whole (rows, photo files, and the records in memory read again)
    // and its failure answered.
    // `photosBefore`: photos an editor stored before its OK, which belong
    // to the step too.
    static Result<> run(SpinoraDatabase& document, const QString& title, const std::function<Result<>()>& command,
                        const PhotoRowsRecording* photosBefore = nullptr);
    Result<> record(const QString& title, const std::function<Result<>()>& command,
                    const PhotoRowsRecording* photosBefore = nullptr);
    // The same without a step of the history (the plants a schedule editor
    // moves at once, which its Cancel moves back): rolled back whole on
    // failure all the same. Inside a step it is part of that step.
    static Result<> runUnrecorded(SpinoraDatabase& document, const std::function<Result<>()>& command);
    // Starts recording the photos an editor stores from now on; null when
    // the collection has no usable history.
    std::unique_ptr<PhotoRowsRecording> recordPhotos();
    // An import, which runs as a background job: the collection as it was
    // before (database and photo files) is kept, and undoing restores
    // exactly that. beginImport on the main thread before the job starts
    // (the snapshot is taken; its failure when it cannot be), finishImport
    // once the main thread has the job's result (`changed`: the import landed).
    Result<> beginImport();
    void finishImport(const QString& title, bool changed);
    // Instead of finishImport, for an import that landed but cannot be read
    // back: the collection is put back as beginImport kept it, which is what
    // the records in memory still are, and no step is left. The failure when
    // it could not be (the snapshot then waits for finishImport).
    Result<> takeBackImport();

    bool canUndo() const { return next_ > 0; }
    bool canRedo() const { return next_ < steps_.size(); }
    // The titles of the step an undo or a redo would take: "Delete Cactus".
    QString undoTitle() const;
    QString redoTitle() const;
    // The failure when the step could not be taken; then nothing changed.
    Result<> undo() { return take(true); }
    Result<> redo() { return take(false); }
    void clear();

    size_t stepCount() const { return steps_.size(); }
    int64_t keptBytes() const;
    // Smaller bounds for tests.
    void setLimits(int maxSteps, int64_t maxKeptBytes);
    // Told after every change of the history (titles, availability).
    void setChangedHandler(std::function<void()> handler) { changed_ = std::move(handler); }
    // False when the collection's tables cannot be recorded (a table without
    // a declared primary key) or it is read-only: commands then run without history.
    bool isUsable() const;

private:
    friend class PhotoRowsRecording;
    Result<> take(bool backwards);
    QString newStepFolder();
    void push(std::unique_ptr<UndoStep> step);
    void trim();
    void notify();

    SpinoraDatabase& document_;
    std::vector<std::unique_ptr<UndoStep>> steps_;
    size_t next_ = 0; // steps_[0, next_) are done, the rest undone
    int maxSteps_ = kMaxSteps;
    int64_t maxKeptBytes_ = kMaxKeptBytes;
    int nextFolder_ = 1;
    QString pendingImport_; // the snapshot of an import that is running
    bool recording_ = false;
    bool usable_ = true;
    std::function<void()> changed_;
    std::vector<PhotoRowsRecording*> photoRecordings_; // the newest records, the others pause
};

} // namespace spinora
