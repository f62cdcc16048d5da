#include "rosternames.h"

#include "installation.h"
#include "datafileerror.h"
#include "fieldreader.h"

#include <QFileInfo>

#include <cmath>

namespace rosternames {

namespace {
constexpr int kValuesPerPupil = 8;
constexpr int kNumberField = 0;
constexpr int kNameField = 4;
} // namespace

QString rosterPath(const Folders &folders)
{
    return folders.filesFolder + QStringLiteral("生徒用名簿.txt");
}

std::vector<QString> read(const QString &rosterPath)
{
    std::vector<QString> names(static_cast<std::size_t>(kMaxPupil) + 1);
    std::vector<bool> named(names.size(), false);
    if (!QFileInfo::exists(rosterPath))
        return names;
    try {
        FieldReader reader(rosterPath);
        std::vector<Field> entry;
        while (!reader.atEnd()) {
            entry.clear();
            while (static_cast<int>(entry.size()) < kValuesPerPupil) {
                std::optional<Field> f = reader.next();
                if (!f)
                    return names;
                entry.push_back(std::move(*f));
            }
            const std::optional<double> number = FieldReader::parseNumber(entry[kNumberField].text);
            if (!number || *number < 1 || *number > kMaxPupil || *number != std::floor(*number))
                continue;
            // The first line of a number is the pupil, as on the start screen.
            if (!named[static_cast<std::size_t>(*number)]) {
                named[static_cast<std::size_t>(*number)] = true;
                names[static_cast<std::size_t>(*number)] = entry[kNameField].text.trimmed();
            }
        }
    } catch (const DataFileError &) {
        // An unreadable roster leaves the names unknown; the run log itself is still of use.
    }
    return names;
}

} // namespace rosternames
