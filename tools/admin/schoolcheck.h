#pragma once

#include <QString>
#include <QStringList>

#include <vector>

struct Installation;

// Whether every account of the school's group can use an installation: read every file and
// folder of it, write the files the program appends to or rewrites (the run logs, the answer log,
// the roster and its backup) and make files in the folders that hold them. A member is judged as
// an account of the group that owns nothing: through the group's bits when the group matches,
// otherwise through the bits for others.
namespace schoolcheck {

struct Finding
{
    QString path;
    QString problem;
    bool fixed = false;
    QString notFixed; // why --fix could not mend it (the system's reason), or that it does not try
};

struct Report
{
    QString groupName;
    int checked = 0; // files and folders looked at
    std::vector<Finding> findings;

    bool allWell() const;
};

// Checks the installation's folders (the program folder, the shared files folder, the sound
// folder and the folder that holds them, and the folders above, which a member must be able to
// pass through) and the files in them. `group` is a group's name or number; empty takes the
// group of the program folder. With `fix`, gives what lacks them the group and the bits a member
// needs (the set-group-ID bit on the folders the program writes in), and makes a missing run
// log or roster backup empty; it changes nothing above the installation and never follows a
// link. A group that does not exist is one finding, and so is an account running the check that
// is not a member of the group.
Report check(const Installation &state, const QString &group, bool fix);

} // namespace schoolcheck
