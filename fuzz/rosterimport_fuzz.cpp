// The teachers' roster import: a class list as a teacher hands it over (any bytes: a workbook, a
// text in any encoding, or none of these), read, checked, placed in a roster and written; the
// roster exported and imported again.
#include "classlist.h"
#include "classlistfile.h"
#include "classmap.h"
#include "fuzzinput.h"
#include "rosterexport.h"
#include "rosterfile.h"
#include "rosterimport.h"

#include <cstdlib>

namespace {

constexpr int kThisYear = 2025;

classlist::ClassList listOf(const classlistfile::Read &read)
{
    return classlist::read(*read.table, {4, kThisYear, !read.fromWorkbook});
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const classlistfile::Read read = classlistfile::read(fuzzinput::bytes(data, size), QStringLiteral("list"), QString());
    if (!read.table) {
        if (read.refusal.isEmpty())
            std::abort();
        return 0;
    }
    const classlist::ClassList list = listOf(read);
    for (const classlist::Problem &p : list.problems) {
        if (p.line < 0 || p.text.isEmpty())
            std::abort();
    }
    if (list.badLines() > static_cast<int>(list.problems.size()))
        std::abort();
    if (!list.problems.empty())
        return 0;

    // Every pupil that passed the check is stored and reads back as it was imported.
    RosterFile roster = RosterFile::parse(QByteArray(), QStringLiteral("生徒用名簿.txt"));
    const ClassMap noClasses = ClassMap::parse(QByteArray(), QStringLiteral("生徒用名簿クラス.txt"));
    const rosterimport::Plan plan = rosterimport::plan(roster, noClasses, list.entries, {}, {});
    if (plan.blocked())
        return 0; // classes of the list that meet, or numbers past 5000
    if (plan.added.size() != list.entries.size() || !plan.updated.empty() || !plan.renamed.empty())
        std::abort();
    const RosterFile written = RosterFile::parse(roster.encode(), QStringLiteral("生徒用名簿.txt"));
    if (!written.problems().empty())
        std::abort();
    for (std::size_t i = 0; i < plan.added.size(); ++i) {
        const rosterimport::Change &added = plan.added[i];
        const RosterEntry *entry = written.entry(static_cast<int>(i));
        if (!entry || entry->rosterNo != added.rosterNo || entry->trimmedName() != added.name
            || entry->birthYear != added.birthYear)
            std::abort();
    }
    const ClassMap classes = ClassMap::parse(plan.classes.encode(), noClasses.filePath());
    if (!classes.problems().empty() || classes.classes() != plan.classes.classes())
        std::abort();

    // Exported and imported again, the roster does not change.
    const std::vector<rosterexport::Row> rows = rosterexport::rows(written, classes);
    const classlistfile::Read again = classlistfile::read(rosterexport::csv(rows), QStringLiteral("export"), QString());
    if (!again.table)
        std::abort();
    const classlist::ClassList exported = listOf(again);
    if (!exported.problems.empty())
        std::abort();
    RosterFile reimported = written;
    const rosterimport::Plan second = rosterimport::plan(reimported, classes, exported.entries, {}, {});
    if (second.blocked() || second.changesRoster() || second.classesChanged || reimported.encode() != written.encode())
        std::abort();
    return 0;
}
