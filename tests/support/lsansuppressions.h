#pragma once

// Included by the one file of a test program that holds its main, so that the sanitizer finds it.
extern "C" {
// Leaks inside the system's font and graphics libraries are theirs, not ours; nothing of the
// program's own code is suppressed.
const char *__lsan_default_suppressions()
{
    return "leak:libfontconfig\nleak:libfreetype\nleak:libdbus\nleak:libglib\nleak:libSDL2\n"
           "leak:libpulse\nleak:libasound\nleak:libQt6Gui\nleak:libQt6DBus\nleak:libicuuc\n";
}
}
