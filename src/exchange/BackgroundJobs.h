#pragma once

#include <functional>

namespace spinora {

// Import and export jobs run on a thread of their own; what they hand back
// to the user interface is posted to the main thread.
class BackgroundJobs {
public:
    // Starts the work on a new thread and returns at once.
    static void start(std::function<void()> work);
    // Runs a function on the main thread's event loop, without waiting.
    static void postToMainThread(std::function<void()> function);
    // Blocks until every started job has ended (for an orderly exit).
    static void waitForAll();
};

} // namespace spinora
