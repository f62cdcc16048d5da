#pragma once

#include "listline.h"

#include <QDateTime>
#include <QString>

struct Installation;
struct Folders;
struct RecordCallbacks;
class Roster;
class RunStats;

// The two roster operations of the start screen.

enum class RosterFileState {
    Present,       // the roster file is there
    Restored,      // it was missing and the backup has just become the roster file
    Missing,       // neither the roster file nor its backup exists
    RestoreFailed, // it was missing and the backup could not be moved to its name
};

struct RosterRestore
{
    RosterFileState state = RosterFileState::Present;
    // For Missing and RestoreFailed: what the screen shows, naming both files. Empty otherwise.
    QString message;
};

// Run on every activation of the start screen: when the roster "生徒用名簿.txt" does not exist,
// its backup "生徒用名簿temp.txt" (written by the tools that maintain the roster) is moved to the
// roster's name. An existing roster is never replaced, even when it cannot be read at the moment.
RosterRestore RestoreRoster(const Folders &folders);

// Rebuilds the run-log statistics as of `now` (ComputeStats) and then the roster and its list in
// the given figure mode. False when the statistics could not be rebuilt; the failure has then been
// reported through callbacks.fatal and the roster is left as it was. A missing roster gives an
// empty list (the header line only).
bool ShowRoster(const Installation &state, RunStats &stats, Roster &roster, FigureMode mode, const QDateTime &now,
                const RecordCallbacks &callbacks);
