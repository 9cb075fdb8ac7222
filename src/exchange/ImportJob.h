#pragma once

#include "ExchangeRequests.h"
#include "JobContext.h"
#include "SpinoraDatabase.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace spinora {

// An import into an open collection: an interchange file, another
// collection, a CSV file or what the device sent. See JobRunner.h for who
// owns what while it runs.
class ImportJob {
public:
    struct Outcome {
        int status = kJobFailed;
        QString error;        // why it failed, for the user
        QStringList warnings; // what a finished import had to leave out
        RecordCounts imported; // what a finished import added
        // The collection as the import left it, read for the window.
        std::optional<LoadedCollection> loaded;
    };

    // ".csv"/".CSV": a CSV file; ".sdbi"/".SDBI": an interchange file;
    // anything else a collection package.
    static ImportRequest::Source sourceKind(const QString& path);

    // Main thread: the request for importing `source` into the document,
    // after its pending changes are written and its undo history kept the
    // collection as it is; the failure when the document cannot take an
    // import. Every request made must end in adopt(). `replaceAllowed`: a
    // complete import replaces the collection (the device's restore).
    static spinora::Result<ImportRequest> prepare(SpinoraDatabase& document, const QString& source, int type,
                                                  bool replaceAllowed);
    // The work itself, on any thread.
    static Outcome run(const ImportRequest& request, JobContext& context);
    // Main thread: a finished import's records replace the document's, its
    // lists refresh and its history gets the step "Import"; after a failure
    // or a cancel nothing changes. An import that landed but cannot be read
    // back is taken back (then it failed, with the reason) where the history
    // kept the collection as it was; else it stays, the step is recorded,
    // and a warning says that the window shows the collection as before.
    static void adopt(SpinoraDatabase& document, Outcome& result);
    // What the user reads after an import, below the alert's fixed text:
    // the reason of a failure; the counts and the first `shownWarnings`
    // warnings of a finished import.
    static QString report(const Outcome& result, int shownWarnings);
};

} // namespace spinora
