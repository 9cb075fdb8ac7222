#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace spinora {

// Writes a report when the program dies of a fatal signal (SIGSEGV, SIGABRT,
// SIGBUS, SIGFPE, SIGILL): the signal, the version and a backtrace, into the
// crash-report folder. The handler uses async-signal-safe calls only (open,
// write, backtrace_symbols_fd); everything it needs is prepared at install.
// At the next start the shell offers to show the report.
class CrashReporter {
public:
    // "<data folder>/Spinora/Crash Reports", made when missing.
    static QString reportFolder();
    // Installs the handlers; reports go into `folder`.
    static void install(const QString& folder, const QString& version);

    // Reports not yet offered to the user, newest first.
    static QStringList pendingReports(const QString& folder);
    // Marks a report as offered, so it is offered once.
    static void markOffered(const QString& reportPath);

    // At start-up: asks whether to show the newest pending report and shows
    // it in a window when the user wants. Every pending report is then
    // marked as offered. Answers whether a report was pending.
    static bool offerPendingReport(QWidget* parent, const QString& folder);
};

} // namespace spinora
