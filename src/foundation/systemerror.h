#pragma once

#include <QString>

class QFileDevice;

// The system's reasons for a failed file operation, worded in Japanese for the program's
// messages: Qt and the C library give them in English (Qt's own catalogue does not cover them).
namespace systemerror {

// The reason an errno value names. A code without a wording of its own keeps the system's text
// and its number after a Japanese lead, so that nothing a teacher may pass on is lost.
QString describe(int code);

// The reason an operation on `file` failed: the errno value taken right after the failure
// (clear errno before the operation), or, when that is 0, the kind of failure the file reports.
QString describe(const QFileDevice &file, int code);

} // namespace systemerror
