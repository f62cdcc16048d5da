// Test helper: the name-change screen as a process of its own, for tests that race it against
// the teachers' tool or fill the disk under it.
//
//   change_name ROSTER ROW NAME [--wait]
//
// Loads the boxes as the screen does, types NAME into row ROW (1 to 3) and saves. With --wait it
// prints "loaded" once the boxes are filled and saves only when a line arrives on stdin, as a
// screen left open would. Prints the save's message on stderr in UTF-8. Exit status: 0 saved, 3 the row
// was changed by another writer since it was loaded (refused), 1 anything else refused.
#include "messagecatalogue.h"
#include "namechange.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    // The name change speaks Japanese, as in the program.
    messagecatalogue::installJapanese();
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 4 || args.size() > 5 || (args.size() == 5 && args[4] != u"--wait")) {
        std::fprintf(stderr, "usage: change_name ROSTER ROW NAME [--wait]\n");
        return 2;
    }
    const int row = args[2].toInt();
    const std::vector<namechange::Boxes> loaded = namechange::load(args[1]);
    if (row < 1 || row > static_cast<int>(loaded.size()))
        return 2;
    if (args.size() == 5) {
        std::puts("loaded");
        std::fflush(stdout);
        std::getchar();
    }
    std::vector<namechange::Boxes> typed = loaded;
    typed[static_cast<std::size_t>(row - 1)].name = args[3];
    const namechange::SaveResult result = namechange::save(args[1], loaded, typed);
    if (!result.message.isEmpty())
        std::fprintf(stderr, "%s\n", result.message.toUtf8().constData());
    if (result.saved)
        return 0;
    return result.changedElsewhere.empty() ? 1 : 3;
}
