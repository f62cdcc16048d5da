// The answer log: every record decoded and encoded again, and the weak figures counted from the
// bytes with a filter taken from the first bytes.
#include "answerlog.h"
#include "fuzzinput.h"
#include "weakfigures.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes = fuzzinput::bytes(data, size);
    for (qsizetype at = 0; at + AnswerRecord::kSize <= bytes.size(); at += AnswerRecord::kSize) {
        const QByteArrayView slice = QByteArrayView(bytes).sliced(at, AnswerRecord::kSize);
        const AnswerRecord r = AnswerRecord::decode(slice);
        // The numeric fields (bytes 0 to 33) and the version are written back as they were read.
        const QByteArray again = r.encode();
        if (again.size() != AnswerRecord::kSize || QByteArrayView(again).first(34) != slice.first(34)
            || again[35] != slice[35])
            std::abort();
    }
    WeakFilter filter;
    if (size > 0 && (data[0] & 1))
        filter.pupils = {data[0] % 50, 5000, -3};
    if (size > 1 && (data[1] & 1))
        filter.levels = {data[1] % 40, 1, 2};
    if (size > 2)
        filter.days = data[2] % 9;
    WeakFigures figures(filter, 46000.0);
    answerlog::decodeAll(bytes, [&](const AnswerRow &row) { figures.add(row); });
    for (const WeakFigure &f : figures.missedMost(static_cast<int>(size % 7))) {
        if (f.pupilsMissed > f.pupilsSeen || f.missed() <= 0)
            std::abort();
    }
    return 0;
}
