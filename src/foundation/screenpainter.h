#pragma once

// What a screen's logic asks of the widget that renders it when a notice must be on the screen
// before a slow step (recording a run, rebuilding the figures): the view as it stands, painted at
// once. The call handles no input and runs no timer, so no click, key or tick can be handled
// inside the logic's own procedure. A window that the window system has not yet shown is
// painted when it first appears.
class ScreenPainter
{
public:
    virtual ~ScreenPainter() = default;
    virtual void paintNow() = 0;
};
