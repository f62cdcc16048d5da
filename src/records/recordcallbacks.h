#pragma once

#include <QString>

#include <functional>

// What the record procedures need from the program around them. They run on the screen's
// thread, so a wait must keep the screen responsive, and a failure they cannot recover from ends
// the program.
struct RecordCallbacks
{
    // Called while a run log is held by another user or program, and while its folder is
    // missing: lets pending screen events run for about one second, then returns. The program
    // passes letEventsRunForOneSecond.
    std::function<void()> letEventsRun;

    // Shows the message and ends the program; it is called after every file is closed. The
    // program's handler never returns; when a handler does return (tests, the teachers' tool),
    // the procedure stops at once, writes nothing more and reports failure.
    std::function<void(const QString &title, const QString &text)> fatal;

    // How many of those waits an append spends on a lock that another user holds before it
    // gives up and the record is kept for later: a lock that clears is held for moments (an
    // append, a rebuild of the figures, a backup's copy); one still held after about a minute is
    // taken to be stuck (a share that lost its locks). Callers whose wait is shorter than a
    // second raise it to match.
    int appendLockWaits = 60;
};

// The program's wait: handles pending events for one second without costing processor time.
void letEventsRunForOneSecond();
