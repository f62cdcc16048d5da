#pragma once

#include <QByteArray>
#include <QString>

// Makes a folder and everything in it whole or not at all: the content is built in a hidden
// sibling of the target, ".<name>.tavrel-new-<machine>-<process>-<random>", which takes the
// target's name in one rename once it is complete. Until then nothing exists at the target; a
// failure, or the object going without putInPlace(), removes the sibling. A sibling left by a
// process that was killed is removed the next time a folder is staged beside it on the same
// machine (its name says which process made it), so a killed run leaves nothing a rerun trips
// over.
//
// Every file and folder made inside is shared with its folder's group (sharedaccess), so a
// stage whose top folder was given a group and group write hands both down.
class StagedFolder
{
public:
    explicit StagedFolder(QString target);
    ~StagedFolder();
    StagedFolder(const StagedFolder &) = delete;
    StagedFolder &operator=(const StagedFolder &) = delete;

    // Whether a folder can be staged for the target: not when the target's parent is no folder,
    // or the target exists and is anything but an empty folder on the same file system as its
    // parent (one a rename can replace). Returns the problem; empty when it can.
    QString check() const;
    // Checks, then makes the sibling. Each of these returns the problem (empty when all went
    // well).
    QString begin();
    // The folder being built (empty before begin()).
    QString stage() const { return m_stage; }

    QString makeFolder(const QString &relative);
    // Writes a new file through savefile::replace; `executable` makes it one that may be run.
    QString writeFile(const QString &relative, const QByteArray &bytes, bool executable = false);

    // Gives the stage the target's name: a rename of the folder, its files already written and
    // synced through savefile.
    QString putInPlace();

private:
    void removeStaleSiblings() const;

    QString m_target;
    QString m_stage;
    bool m_placed = false;
};
