#pragma once

class QWidget;

// Paints a window as it stands, at once, for a notice that must be on the screen before a slow
// step (recording a run, rebuilding the figures, a sound that blocks). It handles no input and
// runs no timer, so no click, key or tick can be handled inside the procedure that asks.
//
// A window shown a moment ago cannot be painted until the window system has put it on the
// screen: it is first waited for, for at most a quarter of a second, handling only the window
// system's own events (the window shown, moved, resized), never input, timers or sockets. A
// hidden window is not painted.
void paintWindowNow(QWidget *window);
