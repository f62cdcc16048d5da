#include "eventwait.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>

#include <algorithm>

namespace eventwait {

void letEventsRun()
{
    if (QCoreApplication::instance())
        QCoreApplication::processEvents();
}

void letEventsRunFor(int milliseconds)
{
    constexpr qint64 kRoundMs = 20;
    const QDeadlineTimer deadline(milliseconds);
    while (!deadline.hasExpired()) {
        if (QCoreApplication::instance())
            QCoreApplication::processEvents(QEventLoop::AllEvents, static_cast<int>(kRoundMs));
        const qint64 pause = std::clamp<qint64>(deadline.remainingTime(), 0, kRoundMs);
        QThread::msleep(static_cast<unsigned long>(pause));
    }
}

} // namespace eventwait
