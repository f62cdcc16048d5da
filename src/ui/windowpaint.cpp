#include "windowpaint.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QThread>
#include <QWidget>

void paintWindowNow(QWidget *window)
{
    if (!window || !window->isVisible())
        return;
    // X11ExcludeTimers keeps timers out on every Unix event dispatcher, whatever its name says.
    constexpr QEventLoop::ProcessEventsFlags kWindowSystemOnly =
        QEventLoop::ExcludeUserInputEvents | QEventLoop::ExcludeSocketNotifiers | QEventLoop::X11ExcludeTimers;
    constexpr int kExposeWaitMs = 250;
    const QDeadlineTimer deadline(kExposeWaitMs);
    // WA_Mapped: the window system has shown the window, so that what is painted reaches it.
    while (!window->testAttribute(Qt::WA_Mapped) && !deadline.hasExpired()) {
        QCoreApplication::processEvents(kWindowSystemOnly);
        if (!window->testAttribute(Qt::WA_Mapped))
            QThread::msleep(1);
    }
    window->repaint();
}
