#pragma once

#include "pendingfile.h"
#include "runlog.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

struct Installation;
struct RecordCallbacks;

// Records that a log could not take when a run ended (no permission, a share that went away, a
// full disk, a lock that did not clear), kept in the pupil's own data folder until the log takes
// them, so that no run is lost. One pending file per installation and account
// (<folder>/<folderscheme::key>.pending, see PendingFile), beside a lock file that keeps two
// copies of the program of the same account (two PCs sharing a home folder) from working on it
// at once.
//
// Appending is safe against a kill at any point: before records are written to a log, the place
// they go to is noted in the pending file; the next attempt finds a record already at its noted
// place and only drops it from the file, so no record is appended twice and none is dropped
// before it is in its log.
class PendingRuns
{
public:
    // `folder` is where this account keeps its pending files: defaultFolder() in the program.
    PendingRuns(const Installation &state, QString folder);

    // $XDG_DATA_HOME/tavrel/pending (~/.local/share/tavrel/pending).
    static QString defaultFolder();

    QString filePath() const;

    // Adds the records at the end of the pending file, in order, as kept at `now`. A pending file
    // that cannot be read is first moved aside (….damaged-<time>), never overwritten. Returns the
    // failure (the file and the system's reason); empty when the records are kept.
    QString keep(const std::vector<UnrecordedRecord> &records, const QDateTime &now,
                 const RecordCallbacks &callbacks) const;

    struct Appended
    {
        int appended = 0;    // records that reached their logs now
        int waiting = 0;     // records still kept afterwards
        QStringList problems; // why some are still waiting, one line each
    };
    // Appends every kept record to its log, in the order kept, each log under its exclusive lock
    // (runlog::lockForAppend), and drops what reached its log; the file goes when it is empty.
    // Records of a log this program does not know, or that cannot take them yet, stay.
    Appended appendWaiting(const RecordCallbacks &callbacks) const;

    struct Contents
    {
        bool found = false;
        std::optional<PendingFile> file; // when found and readable
        QString problem;                 // when found but not readable
    };
    Contents read() const;

private:
    QString lockPath() const;
    std::optional<FileError> lockFile(RecordFile &guard, const RecordCallbacks &callbacks) const;
    QString save(const PendingFile &file) const;

    const Installation &m_state;
    QString m_folder;
};
