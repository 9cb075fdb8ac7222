#pragma once

#include "ExchangeRequests.h"
#include "JobContext.h"
#include "Result.h"
#include "SqlConnection.h"

#include <QString>

#include <memory>
#include <optional>

namespace spinora {

class SpinoraDatabase;

// An export of a collection: an interchange file, another collection
// package, a CSV file or the copy sent to the device. The job reads the
// collection through a read-only connection of its own, in one snapshot; the
// destination is written beside its place and renamed into it when complete.
// See JobRunner.h for who owns what while it runs.
class ExportJob {
public:
    // What an export may do with what is already at its destination. An
    // export never destroys what it was not asked to replace: a folder that is
    // not a collection is never replaced, an existing file or collection only
    // when the user allowed it (the save panel's confirmation, --force).
    struct Refusal {
        QString reason;                // empty: the destination may be written
        bool allowedWouldHelp = false; // refused only because replacing was not allowed
        explicit operator bool() const { return !reason.isEmpty(); }
    };
    // ".csv"/".CSV" a CSV file, ".sdbi"/".SDBI" an interchange file, anything
    // else a collection package.
    static ExportRequest::Destination destinationKind(const QString& path);
    static Refusal checkDestination(const QString& path, bool overwriteAllowed);

    // Main thread: the request for exporting the document, after its pending
    // changes are written and its version row records the export; the
    // failure when the destination is refused or the changes cannot be written.
    static Result<ExportRequest> prepare(SpinoraDatabase& document, const QString& destination, int type,
                                         bool overwriteAllowed);
    // The complete copy with photos that the device is sent, in the work folder.
    static ExportRequest deviceCopy(SpinoraDatabase& document);
    // The work itself, on any thread.
    static int run(const ExportRequest& request, JobContext& context);

    // --- What every export job does first
    // A read-only connection to the collection's database, its schema
    // checked; null with the reason given to the context.
    static std::unique_ptr<Connection> openCollection(const QString& collection, JobContext& context);
    // Every record, linked and ordered as the window shows them, read through
    // `db` (inside the caller's read transaction, for one snapshot).
    static bool loadRecords(Connection* db, const QString& collection, const SortOrder& order, RecordSet& records,
                            JobContext& context);

    // Loads a record's detail for the time of `work`, then releases it again
    // (the job's records are never changed, so nothing is written).
    template <class Record, class Work>
    static Result<> withDetails(Record& record, Work work)
    {
        if (Result<> read = record.hydrate(); !read)
            return read;
        work();
        record.unload();
        return {};
    }
};

} // namespace spinora
