#pragma once

// The program runs on one thread, and a few of its steps are synchronous by design: a sound
// plays to its end, a run log that another PC holds is waited for, a cover is put up before a
// slow rebuild. Screens must still repaint and take input while such a step runs, so those steps
// let queued events through here, and only here.
namespace eventwait {

// Handles the events that are waiting, once; returns at once when there is no application.
void letEventsRun();

// Handles events as they come for about `milliseconds`, sleeping between rounds so that the wait
// costs no processor time.
void letEventsRunFor(int milliseconds);

} // namespace eventwait
