// The roster file: parsed, every pupil looked at, written back.
#include "fuzzinput.h"
#include "namechange.h"
#include "rosterfile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    RosterFile roster = RosterFile::parse(fuzzinput::bytes(data, size), QStringLiteral("生徒用名簿.txt"));
    for (int i = 0; const RosterEntry *entry = roster.entry(i); ++i) {
        if (entry->rosterNo < 1 || entry->rosterNo > 5000)
            std::abort();
        RosterEntry changed = *entry;
        changed.name = namechange::storedName(entry->name); // as the name-change screen stores it
        roster.replaceEntry(i, changed);
    }
    const QByteArray written = roster.encode();
    // What the program writes it must read back as the same pupils.
    const RosterFile back = RosterFile::parse(written, QStringLiteral("生徒用名簿.txt"));
    for (int i = 0; const RosterEntry *entry = roster.entry(i); ++i) {
        const RosterEntry *reread = back.entry(i);
        if (!reread || reread->rosterNo != entry->rosterNo)
            std::abort();
    }
    return 0;
}
