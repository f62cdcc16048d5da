#include "schoolscreens.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QWidget>

PaintCounter::PaintCounter(std::function<bool(const QWidget *)> counts)
    : m_counts(std::move(counts))
{
    qApp->installEventFilter(this);
}

PaintCounter::~PaintCounter()
{
    qApp->removeEventFilter(this);
}

bool PaintCounter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint && watched->isWidgetType()) {
        ++paints;
        if (!m_counts || m_counts(static_cast<const QWidget *>(watched)))
            ++counted;
    }
    return QObject::eventFilter(watched, event);
}

int paintAfter(const std::function<void()> &input, const std::function<bool(const QWidget *)> &counts)
{
    PaintCounter counter(counts);
    input();
    // A quiet round ends it; ten seconds at most, so that a screen that never settles cannot hang.
    QElapsedTimer limit;
    limit.start();
    for (;;) {
        const int before = counter.paints;
        QApplication::processEvents();
        if (counter.paints == before || limit.elapsed() > 10000)
            break;
    }
    // On a real display, until the server has drawn what was sent to it.
    QGuiApplication::sync();
    return counter.counted;
}
