// The lists of schools a machine knows: any bytes parse, and a school added to them is found
// afterwards with every school that was there before.
#include "fuzzinput.h"
#include "schoolregistry.h"

#include <algorithm>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes = fuzzinput::bytes(data, size);
    const std::vector<RegisteredSchool> before = schoolregistry::parse(bytes);
    const QString file = fuzzinput::scratchFolder() + QStringLiteral("schools");
    fuzzinput::writeFile(file, bytes);
    const RegisteredSchool added{QStringLiteral("試験小学校"), QStringLiteral("/srv/test/tavrel")};
    if (!schoolregistry::add(file, added).isEmpty())
        return 0;
    const std::vector<RegisteredSchool> after = schoolregistry::read(file);
    if (std::count(after.begin(), after.end(), added) != 1)
        std::abort();
    for (const RegisteredSchool &s : before) {
        if (s.name != added.name && std::find(after.begin(), after.end(), s) == after.end())
            std::abort();
    }
    return 0;
}
