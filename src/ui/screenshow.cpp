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
    if (const QScreen *screen = screenWidget->screen())
        screenWidget->setGeometry(screen->availableGeometry());
    screenWidget->showMaximized();
}

void releaseHiddenScreen(QWidget *screenWidget)
{
    if (screenWidget->isWindow() && screenWidget->isHidden() && screenWidget->testAttribute(Qt::WA_WState_Created))
        NativeWindowAccess::destroyNativeWindow(screenWidget);
}
