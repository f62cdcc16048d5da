#include "screenshow.h"

#include <QScreen>
#include <QWidget>

void showMaximisedScreen(QWidget *screenWidget)
{
    // A window shown before keeps the area it was given; setting it again on a window that exists
    // would undo the platform's maximised size.
    if (!screenWidget->testAttribute(Qt::WA_WState_Created)) {
        if (const QScreen *screen = screenWidget->screen())
            screenWidget->setGeometry(screen->availableGeometry());
    }
    screenWidget->showMaximized();
}
