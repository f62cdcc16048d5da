#pragma once

#include <QObject>

#include <csignal>
#include <functional>

class QSocketNotifier;

// Turns SIGTERM (a logout, a shutdown, `kill`) into a call on the event loop's thread. The
// signal handler only writes one byte to a socket pair; the callback runs when the event loop
// reads it, between two handlers, so the program never ends in the middle of a write (every
// write runs to its end inside one handler). One watch at a time; the previous handler comes back
// when the watch goes.
class TerminationWatch : public QObject
{
public:
    explicit TerminationWatch(std::function<void()> onTerminate, QObject *parent = nullptr);
    ~TerminationWatch() override;
    TerminationWatch(const TerminationWatch &) = delete;
    TerminationWatch &operator=(const TerminationWatch &) = delete;

    // Whether the handler is in place (false when the socket pair could not be made).
    bool active() const { return m_active; }

private:
    void readSignal();

    std::function<void()> m_onTerminate;
    QSocketNotifier *m_notifier = nullptr;
    struct sigaction m_previous
    {
    };
    bool m_active = false;
};
