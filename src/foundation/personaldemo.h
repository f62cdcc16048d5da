#pragma once

#include <QString>

// The demo that comes with the installed program (share/tavrel/demo beside the program's bin
// folder, holding tavrel/ and files/) is read-only there, so a pupil who chooses it gets a copy
// in the account's own data folder, where runs can be recorded.
namespace personaldemo {

// The shipped demo's top folder beside the program in `programDir`, or empty when there is none.
QString shippedDemo(const QString &programDir);
// $XDG_DATA_HOME/tavrel/demo (~/.local/share/tavrel/demo).
QString personalFolder();

struct Prepared
{
    QString programFolder; // of the copy; empty when `problem` is set
    QString problem;
};
// Copies every folder and file of `shipped` to `target` unless the copy is there already. The
// copy is staged (StagedFolder), so one cut short leaves nothing behind.
Prepared prepare(const QString &shipped, const QString &target);

} // namespace personaldemo
