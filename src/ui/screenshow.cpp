#include "screenshow.h"

#include <QScreen>
#include <QWidget>

namespace {

// Reaches QWidget::destroy, which the toolkit keeps for a widget's own use: it deletes the native
// window and the back buffer, and leaves the widget and its children as they are.
struct NativeWindowAccess : QWidget
{
    static void destroyNativeWindow(QWidget *widget) { (widget->*&NativeWindowAccess::destroy)(true, false); }
};

} // namespace

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

void releaseHiddenScreen(QWidget *screenWidget)
{
    if (!screenWidget->isWindow() || !screenWidget->isHidden() || !screenWidget->testAttribute(Qt::WA_WState_Created))
        return;
    // Shown again, it is given the available area and maximised as a new window is.
    screenWidget->setWindowState(Qt::WindowNoState);
    NativeWindowAccess::destroyNativeWindow(screenWidget);
}
