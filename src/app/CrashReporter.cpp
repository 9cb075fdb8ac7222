#include "CrashReporter.h"

#include "Localization.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

#include <array>
#include <csignal>
#include <cstring>
#include <ctime>
#include <execinfo.h>
#include <fcntl.h>
#include <unistd.h>

namespace spinora {

namespace {

constexpr const char* kReportPrefix = "crash-";
constexpr const char* kReportSuffix = ".txt";
constexpr const char* kOfferedSuffix = ".offered";
constexpr std::array<int, 5> kFatalSignals{SIGSEGV, SIGABRT, SIGBUS, SIGFPE, SIGILL};

// Prepared at install, read by the handler: no allocation happens there.
char gFolder[1024];
char gVersion[64];
std::array<char, 64 * 1024> gAlternateStack;

void writeText(int fd, const char* text)
{
    size_t left = std::strlen(text);
    while (left > 0) {
        const ssize_t n = ::write(fd, text, left);
        if (n <= 0)
            return;
        text += n;
        left -= static_cast<size_t>(n);
    }
}

// Decimal digits of a number into `out` (at least 24 bytes).
void formatNumber(unsigned long long value, char* out)
{
    char digits[24];
    int count = 0;
    do {
        digits[count++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0 && count < 23);
    for (int i = 0; i < count; ++i)
        out[i] = digits[count - 1 - i];
    out[count] = '\0';
}

const char* signalName(int signal)
{
    switch (signal) {
    case SIGSEGV: return "SIGSEGV (segmentation fault)";
    case SIGABRT: return "SIGABRT (abort)";
    case SIGBUS: return "SIGBUS (bus error)";
    case SIGFPE: return "SIGFPE (arithmetic error)";
    case SIGILL: return "SIGILL (illegal instruction)";
    default: return "unknown signal";
    }
}

void handleFatalSignal(int signal, siginfo_t*, void*)
{
    char number[24];
    char path[sizeof(gFolder) + 64];
    path[0] = '\0';
    std::strncat(path, gFolder, sizeof(path) - 1);
    std::strncat(path, "/", sizeof(path) - std::strlen(path) - 1);
    std::strncat(path, kReportPrefix, sizeof(path) - std::strlen(path) - 1);
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    formatNumber(static_cast<unsigned long long>(now.tv_sec), number);
    std::strncat(path, number, sizeof(path) - std::strlen(path) - 1);
    std::strncat(path, "-", sizeof(path) - std::strlen(path) - 1);
    formatNumber(static_cast<unsigned long long>(getpid()), number);
    std::strncat(path, number, sizeof(path) - std::strlen(path) - 1);
    std::strncat(path, kReportSuffix, sizeof(path) - std::strlen(path) - 1);

    const int fd = ::open(path, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd >= 0) {
        writeText(fd, "Spinora crash report\nVersion: ");
        writeText(fd, gVersion);
        writeText(fd, "\nSignal: ");
        formatNumber(static_cast<unsigned long long>(signal), number);
        writeText(fd, number);
        writeText(fd, " ");
        writeText(fd, signalName(signal));
        writeText(fd, "\nTime: ");
        formatNumber(static_cast<unsigned long long>(now.tv_sec), number);
        writeText(fd, number);
        writeText(fd, " (seconds since 1970, UTC)\nProcess: ");
        formatNumber(static_cast<unsigned long long>(getpid()), number);
        writeText(fd, number);
        writeText(fd, "\n\nBacktrace:\n");
        void* frames[64];
        const int count = backtrace(frames, 64);
        backtrace_symbols_fd(frames, count, fd);
        fsync(fd);
        ::close(fd);
    }
    // The handler was installed with SA_RESETHAND: raising again ends the
    // process the way the signal would have, so the exit status stays honest.
    raise(signal);
}

} // namespace

QString CrashReporter::reportFolder()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                           QStringLiteral("/Spinora/Crash Reports");
    QDir().mkpath(folder);
    return folder;
}

void CrashReporter::install(const QString& folder, const QString& version)
{
    QDir().mkpath(folder);
    const QByteArray folderBytes = QFile::encodeName(folder);
    const QByteArray versionBytes = version.toUtf8();
    std::memset(gFolder, 0, sizeof(gFolder));
    std::memset(gVersion, 0, sizeof(gVersion));
    std::strncpy(gFolder, folderBytes.constData(), sizeof(gFolder) - 1);
    std::strncpy(gVersion, versionBytes.constData(), sizeof(gVersion) - 1);

    // The first backtrace() loads the unwinder, which allocates: do it now,
    // not in the handler.
    void* warmUp[2];
    backtrace(warmUp, 2);

    // A stack overflow leaves no stack to run the handler on.
    stack_t alternate{};
    alternate.ss_sp = gAlternateStack.data();
    alternate.ss_size = gAlternateStack.size();
    sigaltstack(&alternate, nullptr);

    struct sigaction action {};
    action.sa_sigaction = handleFatalSignal;
    action.sa_flags = SA_SIGINFO | SA_ONSTACK | SA_RESETHAND;
    sigemptyset(&action.sa_mask);
    for (int signal : kFatalSignals)
        sigaction(signal, &action, nullptr);
}

QStringList CrashReporter::pendingReports(const QString& folder)
{
    QDir dir(folder);
    const QFileInfoList found =
        dir.entryInfoList({QString::fromUtf8(kReportPrefix) + QStringLiteral("*") + QString::fromUtf8(kReportSuffix)},
                          QDir::Files, QDir::Time);
    QStringList reports;
    for (const QFileInfo& info : found)
        reports << info.absoluteFilePath();
    return reports;
}

void CrashReporter::markOffered(const QString& reportPath)
{
    QFile::rename(reportPath, reportPath + QString::fromUtf8(kOfferedSuffix));
}

bool CrashReporter::offerPendingReport(QWidget* parent, const QString& folder)
{
    const QStringList reports = pendingReports(folder);
    if (reports.isEmpty())
        return false;
    const QString newest = reports.first();
    QFile file(newest);
    const QString text = file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.read(256 * 1024)) : QString();
    file.close();
    for (const QString& report : reports)
        markOffered(report);

    QMessageBox ask(QMessageBox::Warning, QStringLiteral("Spinora"),
                    localized("Spinora quit unexpectedly the last time it was used."), QMessageBox::NoButton, parent);
    ask.setObjectName(QStringLiteral("crashReportOffer"));
    ask.setInformativeText(localized("A report of the problem was saved. Would you like to see it?"));
    QPushButton* show = ask.addButton(localized("Show Report"), QMessageBox::AcceptRole);
    ask.addButton(localized("Not Now"), QMessageBox::RejectRole);
    ask.setDefaultButton(show);
    ask.exec();
    if (ask.clickedButton() != show)
        return true;

    QDialog viewer(parent);
    viewer.setObjectName(QStringLiteral("crashReportViewer"));
    viewer.setWindowTitle(localized("Crash Report"));
    auto* layout = new QVBoxLayout(&viewer);
    auto* where =
        new QLabel(localized("Saved as %1").arg(QDir::toNativeSeparators(newest + QString::fromUtf8(kOfferedSuffix))));
    where->setTextInteractionFlags(Qt::TextSelectableByMouse);
    where->setWordWrap(true);
    layout->addWidget(where);
    auto* report = new QPlainTextEdit(text);
    report->setReadOnly(true);
    report->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    report->setMinimumSize(640, 360);
    layout->addWidget(report);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &viewer, &QDialog::reject);
    layout->addWidget(buttons);
    viewer.exec();
    return true;
}

} // namespace spinora
