// The teachers' tool's scrambler: whatever it writes, it unscrambles back to what it was given.
#include "fuzzinput.h"
#include "questionfile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const questionfile::Scrambled stored = questionfile::scramble(QString::fromUtf8(fuzzinput::bytes(data, size)));
    if (!stored.problems.isEmpty())
        return 0;
    const questionfile::Unscrambled back = questionfile::unscramble(stored.stored);
    if (!back.problems.isEmpty() || back.lineCount != stored.lineCount)
        std::abort();
    if (questionfile::scramble(back.plain).stored != stored.stored)
        std::abort();
    return 0;
}
