#include "app/terminationsignals.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int Handled[] = {SIGTERM, SIGHUP, SIGINT};
int g_pipe[2] = {-1, -1};

extern "C" void onTerminationSignal(int number)
{
    const int saved = errno;
    const unsigned char byte = static_cast<unsigned char>(number);
    // Async-signal-safe; a full pipe already holds a wake-up.
    [[maybe_unused]] const ssize_t n = ::write(g_pipe[1], &byte, 1);
    errno = saved;
}

} // namespace

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent)
{
    // Close-on-exec: the programs the user runs must not hold the pipe.
    if (::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    m_notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationSignals::readPipe);
    struct sigaction action = {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int number : Handled)
        ::sigaction(number, &action, nullptr);
}

TerminationSignals::~TerminationSignals()
{
    for (int number : Handled)
        ::signal(number, SIG_DFL);
    for (int& fd : g_pipe)
        if (fd >= 0) {
            ::close(fd);
            fd = -1;
        }
}

void TerminationSignals::readPipe()
{
    unsigned char bytes[16];
    const ssize_t n = ::read(g_pipe[0], bytes, sizeof bytes);
    if (n <= 0)
        return;
    // One request is enough. A second signal, should this quit hang, ends
    // the program the system's way.
    if (m_received)
        return;
    m_received = true;
    for (int number : Handled)
        ::signal(number, SIG_DFL);
    emit terminationRequested(bytes[0]);
}
