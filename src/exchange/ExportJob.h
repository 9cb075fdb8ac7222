#pragma once

#include <QString>

namespace spinora {

class SpinoraDatabase;

// What every export job shares: its start on a background thread and the
// loading of a record whole for the time it is written out.
class ExportJob {
public:
    using Work = int (*)(SpinoraDatabase&);
    using Done = void (*)(SpinoraDatabase&, int status);

    // Clears the cancel request, notes the type and destination, runs the
    // work on a new thread and hands its status to `done` on the main thread.
    static void start(SpinoraDatabase& document, const QString& destination, int exportType, Work work, Done done);
    // The end of a CSV or report export: the status goes to the sheet.
    static void report(SpinoraDatabase& document, int status);
    // Reports a failure before any work started (status 2, on the main thread).
    static void failBeforeStart(SpinoraDatabase& document, const QString& reason);

    // What an export may do with what is already at its destination. An
    // export never destroys what it was not asked to replace: a folder that is
    // not a collection is never replaced, an existing file or collection only
    // when the user allowed it (the save panel's confirmation, --force).
    enum class Destination { File, Package };
    struct Refusal {
        QString reason;              // empty: the destination may be written
        bool allowedWouldHelp = false; // refused only because replacing was not allowed
        explicit operator bool() const { return !reason.isEmpty(); }
    };
    static Refusal checkDestination(const QString& path, Destination kind, bool overwriteAllowed);

    // Loads a record's detail for the time of `work`, then releases it again.
    template <class Record, class Work>
    static void withDetails(Record& record, Work work)
    {
        record.setIsEditing(true);
        record.hydrate();
        work();
        record.setIsEditing(false);
        record.dehydrate();
    }
};

} // namespace spinora
