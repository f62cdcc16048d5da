#pragma once

#include <QString>

#include <vector>

struct Folders;

// Pupil names by roster number, read from the roster "生徒用名簿.txt" in the shared files folder:
// Shift-JIS, eight values per pupil (number, birth year, two numbers, name, list flag, two notes).
// Only what the run-log tools need; the start screen's roster reader supersedes it.
namespace rosternames {

QString rosterPath(const Folders &folders);

// Slot p holds the trimmed name of pupil p (1 to 5000); numbers the roster does not hold, slot 0,
// and every slot of a missing or unreadable roster are empty. Entries whose number is not 1 to
// 5000 and a last entry cut short are passed over. Of two lines with the same number the first
// is the pupil, as on the start screen.
std::vector<QString> read(const QString &rosterPath);

} // namespace rosternames
