// The class map beside the roster (生徒用名簿クラス.txt): read, written back and read again.
#include "classmap.h"
#include "fuzzinput.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const ClassMap map = ClassMap::parse(fuzzinput::bytes(data, size), QStringLiteral("生徒用名簿クラス.txt"));
    const std::vector<ClassMap::Class> &classes = map.classes();
    for (std::size_t i = 0; i < classes.size(); ++i) {
        const ClassMap::Class &c = classes[i];
        if (!ClassMap::labelProblem(c.label).isEmpty() || c.first < 1 || c.first > c.last || c.last > 5000)
            std::abort();
        for (std::size_t j = 0; j < i; ++j) {
            if (classes[j].label == c.label || (classes[j].first <= c.last && c.first <= classes[j].last))
                std::abort();
        }
        if (map.find(c.label) != &c || map.classOf(c.first) != &c || map.classOf(c.last) != &c)
            std::abort();
    }
    const ClassMap again = ClassMap::parse(map.encode(), map.filePath());
    if (!again.problems().empty() || again.classes() != classes)
        std::abort();
    return 0;
}
