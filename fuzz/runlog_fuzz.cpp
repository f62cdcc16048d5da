// The run log and the home run log: every record decoded, the statistics rebuilt from the bytes.
#include "fuzzinput.h"
#include "homerunrecord.h"
#include "runlogrecord.h"
#include "runstats.h"

#include <QDateTime>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static RunStats stats; // its tables are large; the rebuild clears what it needs
    static const std::array<LevelTiming, kLevelSlots> timing = [] {
        std::array<LevelTiming, kLevelSlots> t{};
        for (std::size_t level = 0; level < t.size(); ++level)
            t[level] = LevelTiming{static_cast<std::int32_t>(level * 7), 200, 300, 3, 1.5F, 5, 200, 7, 30};
        return t;
    }();
    const QByteArray bytes = fuzzinput::bytes(data, size);
    for (qsizetype at = 0; at + HomeRunRecord::kSize <= bytes.size(); at += HomeRunRecord::kSize)
        HomeRunRecord::decode(QByteArrayView(bytes).sliced(at, HomeRunRecord::kSize));
    for (qsizetype at = 0; at + RunRecord::kSize <= bytes.size(); at += RunRecord::kSize)
        RunRecord::decode(QByteArrayView(bytes).sliced(at, RunRecord::kSize));
    stats.loadRecords(bytes);
    stats.countRecords(bytes, timing, QDateTime(QDate(2024, 6, 10), QTime(12, 0)));
    return 0;
}
