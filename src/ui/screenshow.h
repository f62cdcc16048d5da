#pragma once

class QWidget;

// Shows a working screen maximised. The window is first given the screen's whole available area,
// so that it fills the display even where no window manager honours the maximised state; a window
// shown again keeps that area.
void showMaximisedScreen(QWidget *screenWidget);

// Gives back what a hidden screen's window holds on the window system's side: the native window
// and the back buffer its contents are painted into, as large as the display (some 8 MB at
// 1920 × 1080). Nothing on the screen itself changes; the next show makes both afresh and paints
// everything, as on its first show. Does nothing to a window in sight, or to a widget inside one.
void releaseHiddenScreen(QWidget *screenWidget);
