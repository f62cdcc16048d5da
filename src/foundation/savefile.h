#pragma once

#include <QByteArray>
#include <QString>

// Replaces a file as a whole or not at all. The bytes go to a temporary file beside the target,
// which is flushed and checked before it takes the target's place; on any failure the temporary
// file is removed and the target keeps its old content (or stays absent).
//
// QSaveFile::commit() alone is not enough: bytes that fit in the device's write buffer "write"
// without touching the disk, and a flush that then fails inside commit() (a full disk) goes
// unreported, so an empty or cut file would replace the old one.
namespace savefile {

struct Outcome
{
    bool saved = false;
    QString error; // the system's description of the failure; empty when saved
};

Outcome replace(const QString &path, const QByteArray &bytes);

} // namespace savefile
