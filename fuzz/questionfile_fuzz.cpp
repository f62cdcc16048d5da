// The stored question file as the program loads it and as the teachers' tool checks and
// unscrambles it.
#include "datafileerror.h"
#include "fuzzinput.h"
#include "questionbank.h"
#include "questionfile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes = fuzzinput::bytes(data, size);
    const QList<questionfile::Problem> problems = questionfile::check(bytes);
    bool loaded = false;
    try {
        const QuestionBank bank = QuestionBank::fromBytes(bytes, QStringLiteral("Morvidかな0vv.ccc"));
        loaded = true;
        for (int group = 0; group <= 10; ++group) {
            try {
                bank.selectGroup(group);
            } catch (const DataFileError &) {
            }
        }
    } catch (const DataFileError &) {
    }
    // A file the checker passes must load.
    if (problems.isEmpty() && !loaded)
        std::abort();
    const questionfile::Unscrambled plain = questionfile::unscramble(bytes);
    if (plain.problems.isEmpty())
        questionfile::scramble(plain.plain);
    return 0;
}
