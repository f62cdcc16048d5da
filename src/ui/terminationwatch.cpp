#include "terminationwatch.h"

#include <QSocketNotifier>

#include <cerrno>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// The handler's end and the event loop's end of the socket pair.
int g_signalEnd = -1;
int g_loopEnd = -1;

void onSignal(int)
{
    const int savedErrno = errno;
    const char byte = 1;
    // Async-signal-safe; a full pipe means a wake-up is already pending.
    [[maybe_unused]] const ssize_t written = ::write(g_signalEnd, &byte, 1);
    errno = savedErrno;
}

} // namespace

TerminationWatch::TerminationWatch(std::function<void()> onTerminate, QObject *parent)
    : QObject(parent)
    , m_onTerminate(std::move(onTerminate))
{
    int ends[2] = {-1, -1};
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0)
        return;
    g_signalEnd = ends[0];
    g_loopEnd = ends[1];
    ::fcntl(g_signalEnd, F_SETFL, ::fcntl(g_signalEnd, F_GETFL) | O_NONBLOCK);
    ::fcntl(g_loopEnd, F_SETFL, ::fcntl(g_loopEnd, F_GETFL) | O_NONBLOCK);

    m_notifier = new QSocketNotifier(g_loopEnd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationWatch::readSignal);

    struct sigaction action
    {
    };
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    m_active = ::sigaction(SIGTERM, &action, &m_previous) == 0;
}

TerminationWatch::~TerminationWatch()
{
    if (m_active)
        ::sigaction(SIGTERM, &m_previous, nullptr);
    delete m_notifier;
    for (int *end : {&g_signalEnd, &g_loopEnd}) {
        if (*end >= 0)
            ::close(*end);
        *end = -1;
    }
}

void TerminationWatch::readSignal()
{
    char bytes[16];
    while (::read(g_loopEnd, bytes, sizeof bytes) > 0) {
    }
    if (m_onTerminate)
        m_onTerminate();
}
