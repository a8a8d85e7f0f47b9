#include "platform/TerminationSignals.h"

#include <QSocketNotifier>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {
int gPipe[2] = {-1, -1};

void handler(int signal) {
    // Only async-signal-safe calls here.
    const int saved = errno;
    const unsigned char number = static_cast<unsigned char>(signal);
    [[maybe_unused]] const ssize_t written = ::write(gPipe[1], &number, 1);
    errno = saved;
}

void prepare(int handle) {
    ::fcntl(handle, F_SETFL, ::fcntl(handle, F_GETFL) | O_NONBLOCK);
    ::fcntl(handle, F_SETFD, ::fcntl(handle, F_GETFD) | FD_CLOEXEC);
}
} // namespace

void TerminationSignals::Install() {
    if (gPipe[0] >= 0 || ::pipe(gPipe) != 0)
        return;
    prepare(gPipe[0]);
    prepare(gPipe[1]);
    struct sigaction action = {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(signal, &action, nullptr);
}

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent) {
    if (gPipe[0] < 0)
        return;
    m_notifier = new QSocketNotifier(gPipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationSignals::readPipe);
}

TerminationSignals::~TerminationSignals() = default;

void TerminationSignals::readPipe() {
    unsigned char numbers[16];
    ssize_t count;
    while ((count = ::read(gPipe[0], numbers, sizeof(numbers))) > 0) {
        if (!m_reported) {
            m_reported = true;
            emit requested(numbers[0]);
        }
    }
}
#else
void TerminationSignals::Install() {}

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent) {}

TerminationSignals::~TerminationSignals() = default;

void TerminationSignals::readPipe() {}
#endif
