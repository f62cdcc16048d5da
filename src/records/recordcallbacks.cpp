#include "recordcallbacks.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>

void letEventsRunForOneSecond()
{
    const QDeadlineTimer deadline(1000);
    while (!deadline.hasExpired()) {
        if (QCoreApplication::instance())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(static_cast<unsigned long>(std::min<qint64>(20, std::max<qint64>(0, deadline.remainingTime()))));
    }
}
