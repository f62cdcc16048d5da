// The teachers' roster import: a class list as a spreadsheet saves it, checked, merged into a
// roster and written; the roster exported and imported again.
#include "fuzzinput.h"
#include "rosterfile.h"
#include "rosterimport.h"

#include <cstdlib>

namespace {

constexpr int kThisYear = 2024;

bool samePupils(const std::vector<rosterimport::Pupil> &a, const std::vector<rosterimport::Pupil> &b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].number != b[i].number || a[i].name != b[i].name || a[i].birthYear != b[i].birthYear)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const rosterimport::Checked checked = rosterimport::check(fuzzinput::bytes(data, size), kThisYear);
    for (const rosterimport::Problem &p : checked.problems) {
        if (p.line < 0 || p.text.isEmpty())
            std::abort();
    }

    // Every pupil that passed the check is stored and reads back as it was imported.
    RosterFile roster = RosterFile::parse(QByteArray(), QStringLiteral("生徒用名簿.txt"));
    const rosterimport::Merged merged = rosterimport::merge(roster, checked.pupils);
    if (merged.added != static_cast<int>(checked.pupils.size()))
        std::abort();
    const RosterFile written = RosterFile::parse(roster.encode(), QStringLiteral("生徒用名簿.txt"));
    if (!written.problems().empty())
        std::abort();
    for (std::size_t i = 0; i < checked.pupils.size(); ++i) {
        const rosterimport::Pupil &pupil = checked.pupils[i];
        const RosterEntry *entry = written.entry(static_cast<int>(i));
        if (!entry || entry->rosterNo != pupil.number || entry->trimmedName() != pupil.name
            || entry->birthYear != pupil.birthYear)
            std::abort();
    }

    // Exported and imported again, the roster does not change.
    const rosterimport::Checked again = rosterimport::check(rosterimport::exportCsv(written), kThisYear);
    if (!again.problems.empty() || !samePupils(again.pupils, checked.pupils))
        std::abort();
    RosterFile reimported = written;
    const rosterimport::Merged second = rosterimport::merge(reimported, again.pupils);
    if (second.added != 0 || second.updated != 0 || reimported.encode() != written.encode())
        std::abort();
    return 0;
}
