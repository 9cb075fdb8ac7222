#include "TerminationSignals.h"

#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace spinora {

namespace {

int gPipe[2] = {-1, -1};
constexpr std::array<int, 3> kTerminationSignals{SIGTERM, SIGINT, SIGHUP};

void handleTermination(int signal)
{
    const int savedErrno = errno;
    const char byte = static_cast<char>(signal);
    [[maybe_unused]] const ssize_t written = ::write(gPipe[1], &byte, 1);
    errno = savedErrno;
}

} // namespace

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent)
{
    if (gPipe[0] < 0 && ::pipe2(gPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    notifier_ = new QSocketNotifier(gPipe[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &TerminationSignals::readPipe);

    struct sigaction action {};
    action.sa_handler = handleTermination;
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    for (int signal : kTerminationSignals)
        sigaction(signal, &action, nullptr);
}

TerminationSignals::~TerminationSignals()
{
    // Back to the default: a signal after the shell is gone ends the process.
    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    for (int signal : kTerminationSignals)
        sigaction(signal, &action, nullptr);
}

void TerminationSignals::readPipe()
{
    char bytes[16];
    const ssize_t count = ::read(gPipe[0], bytes, sizeof(bytes));
    if (count > 0)
        emit terminationRequested(static_cast<unsigned char>(bytes[count - 1]));
}

} // namespace spinora
