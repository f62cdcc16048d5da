#include "screenshow.h"

#include <QScreen>
#include <QWidget>

void showMaximisedScreen(QWidget *screenWidget)
{
    if (const QScreen *screen = screenWidget->screen())
        screenWidget->setGeometry(screen->availableGeometry());
    screenWidget->showMaximized();
}
