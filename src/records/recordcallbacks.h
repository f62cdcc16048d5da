#pragma once

#include <QString>

#include <functional>

// What the record procedures need from the program around them. They run on the screen's
// thread, so a wait must keep the screen responsive, and a failure they cannot recover from ends
// the program.
struct RecordCallbacks
{
    // Called while a run log is held by another user or program, and while its folder is
    // missing: waits about one second, then returns. The program passes
    // letEventsRunForOneSecond.
    std::function<void()> waitWhileLocked;

    // Shows the message and ends the program; it is called after every file is closed. The
    // program's handler never returns; when a handler does return (tests, the teachers' tool),
    // the procedure stops at once, writes nothing more and reports failure.
    std::function<void(const QString &title, const QString &text)> fatal;
};

// The program's wait while another PC holds the run log: handles screen events for one second
// without costing processor time. The one place where a procedure lets events run (see the
// definition for why).
void letEventsRunForOneSecond();
