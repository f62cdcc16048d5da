#include "recordcallbacks.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>

#include <algorithm>

void letEventsRunForOneSecond()
{
    // Another PC (or program) holds the run log, for as long as its own append or read takes, or
    // the log's folder is missing for a while on the network: the wait has no known end. The
    // screen must not freeze meanwhile, so this is the one place where a procedure lets screen
    // events run: it repaints, and what the pupil does is handled. Everything else in the
    // program lets its handler return instead.
    constexpr qint64 kRoundMs = 20;
    const QDeadlineTimer deadline(1000);
    while (!deadline.hasExpired()) {
        if (QCoreApplication::instance())
            QCoreApplication::processEvents(QEventLoop::AllEvents, static_cast<int>(kRoundMs));
        const qint64 pause = std::clamp<qint64>(deadline.remainingTime(), 0, kRoundMs);
        QThread::msleep(static_cast<unsigned long>(pause));
    }
}
