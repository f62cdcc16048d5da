#pragma once

// What every test program does before its tests, included by the one file that holds its main.
#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

extern "C" {
// Leaks inside the system's font and graphics libraries are theirs, not ours; nothing of the
// program's own code is suppressed.
const char *__lsan_default_suppressions()
{
    return "leak:libfontconfig\nleak:libfreetype\nleak:libdbus\nleak:libglib\nleak:libSDL2\n"
           "leak:libpulse\nleak:libasound\nleak:libQt6Gui\nleak:libQt6DBus\nleak:libicuuc\n";
}
}

namespace testprocess {

// The account's own folders (pending runs, registered schools, the last choice) and the
// machine's list of schools become folders of this test process under `home`: no test reads or
// writes the user's or the system's. A test that needs them empty or filled uses its own.
inline void useOwnAccountFolders(const QTemporaryDir &home)
{
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.path() + QStringLiteral("/data")));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path() + QStringLiteral("/config")));
    qputenv("XDG_CONFIG_DIRS", QFile::encodeName(home.path() + QStringLiteral("/etc-xdg")));
}

} // namespace testprocess
