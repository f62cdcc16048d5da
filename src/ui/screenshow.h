#pragma once

class QWidget;

// Shows a working screen maximised. The window is first given the screen's whole available area,
// so that it fills the display even where no window manager honours the maximised state; a window
// shown again keeps that area.
void showMaximisedScreen(QWidget *screenWidget);
