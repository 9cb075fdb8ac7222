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
