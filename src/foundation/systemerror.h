#pragma once

#include <QString>

class QFileDevice;

// The system's reasons for a failed file operation, worded by this system: Qt and the C library
// give them in English whatever the locale (Qt's own catalogue does not cover them). The words
// are English in the code and Japanese through the message catalogue (messagecatalogue), so the
// program, which always installs it, gives them in Japanese, and the teachers' tool in the
// language of the locale, like the rest of each message.
namespace systemerror {

// The reason an errno value names. A code without a wording of its own keeps the system's text
// and its number after a lead of ours, so that nothing a teacher may pass on is lost.
QString describe(int code);

// The reason an operation on `file` failed: the errno value taken right after the failure
// (clear errno before the operation), or, when that is 0, the kind of failure the file reports.
QString describe(const QFileDevice &file, int code);

} // namespace systemerror
