#pragma once

#include "AppPreferences.h"
#include "DocumentRegistry.h"
#include "Timestamp.h"

namespace spinora {

// The one application-wide helper: the preferences, the open documents and
// date rounding. (File operations are FileHelpers; jobs report to whoever
// started them, never through here.)
class SpinoraUtility {
public:
    static SpinoraUtility& sharedManager();
    SpinoraUtility(const SpinoraUtility&) = delete;
    SpinoraUtility& operator=(const SpinoraUtility&) = delete;

    AppPreferences& getPreferences() { return preferences_; }
    DocumentRegistry& documents() { return documents_; }
    SpinoraDatabase* mainDocument() const { return documents_.getMainDocument(); }

    static Timestamp roundDate(const Timestamp& date) { return spinora::roundDate(date); }

private:
    SpinoraUtility() = default;

    AppPreferences preferences_;
    DocumentRegistry documents_;
};

} // namespace spinora
