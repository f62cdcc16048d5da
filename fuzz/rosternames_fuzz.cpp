// The roster's names as the teachers' export and report read them (rosternames), against the
// start screen's roster reader on the same pupils.
#include "fuzzinput.h"
#include "installation.h"
#include "rosterfile.h"
#include "rosternames.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString path = fuzzinput::scratchFolder() + QStringLiteral("生徒用名簿.txt");
    fuzzinput::writeFile(path, fuzzinput::bytes(data, size));
    const std::vector<QString> names = rosternames::read(path);
    if (names.size() != static_cast<std::size_t>(kMaxPupil) + 1 || !names[0].isEmpty())
        std::abort();

    // On a roster as this system writes it, both readers name every pupil alike.
    const RosterFile roster = RosterFile::parse(fuzzinput::bytes(data, size), path);
    QByteArray clean;
    for (int i = 0; const RosterEntry *entry = roster.entry(i); ++i)
        clean += entry->encodeLine();
    fuzzinput::writeFile(path, clean);
    const std::vector<QString> cleanNames = rosternames::read(path);
    const RosterFile reread = RosterFile::parse(clean, path);
    std::vector<bool> seen(static_cast<std::size_t>(kMaxPupil) + 1, false);
    for (int i = 0; const RosterEntry *entry = reread.entry(i); ++i) {
        const auto number = static_cast<std::size_t>(entry->rosterNo);
        if (seen[number])
            continue;
        seen[number] = true;
        if (cleanNames[number] != entry->trimmedName())
            std::abort();
    }
    return 0;
}
