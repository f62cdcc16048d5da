// Test helper: appends made-up records to a run log as another PC sharing it would, under the
// log's exclusive lock, each at ⌊length ÷ 44⌋ × 44 as the program appends.
//
//   append_records LOG SEED FROM TO FIRSTDAY DAYS [CUT]
//
// It appends records FROM to TO − 1 of the sequence made from SEED alone: dates FIRSTDAY to FIRSTDAY + DAYS − 1 (day numbers), pupils
// 0 to 299, levels 0 to 35, times from 0 s to time-outs, now and then a record that is not a row
// (no date, no pupil, no level). With CUT (1 to 43), the first CUT bytes of one more record
// of record TO follow, as a write cut short leaves them; the next append from TO with the same
// SEED and days writes that record whole over them.
#include "recordfile.h"
#include "runlogrecord.h"

#include <QCoreApplication>
#include <QStringList>
#include <QThread>

#include <cstdint>
#include <cstdio>

namespace {

class Made
{
public:
    explicit Made(std::uint64_t seed) : m_state(seed * 6364136223846793005ULL + 1442695040888963407ULL) {}

    int next(int n)
    {
        m_state = m_state * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<int>((m_state >> 33) % static_cast<std::uint64_t>(n));
    }

    RunRecord record(int firstDay, int days)
    {
        double date = firstDay + next(days);
        if (next(40) == 0)
            date = -1.0;
        const double clock = next(86400) / 86400.0;
        const auto pupil = static_cast<std::int16_t>(next(25) == 0 ? 0 : 1 + next(299));
        const auto level = static_cast<std::int16_t>(next(30) == 0 ? 0 : 1 + next(35));
        std::int32_t time = 0;
        switch (next(6)) {
        case 0: time = 99999; break;
        case 1: time = 6000 + next(200); break;
        default: time = next(500); break;
        }
        return RunRecord::forRun(date, clock, pupil, level, time, QStringLiteral("01234"));
    }

private:
    std::uint64_t m_state;
};

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    bool ok[6] = {true, true, true, true, true, true};
    const std::uint64_t seed = args.value(2).toULongLong(&ok[0]);
    const int from = args.value(3).toInt(&ok[1]);
    const int to = args.value(4).toInt(&ok[2]);
    const int firstDay = args.value(5).toInt(&ok[3]);
    const int days = args.value(6).toInt(&ok[4]);
    const int cut = args.size() > 7 ? args.value(7).toInt(&ok[5]) : 0;
    if (args.size() < 7 || args.size() > 8 || !ok[0] || !ok[1] || !ok[2] || !ok[3] || !ok[4] || !ok[5] || from < 0
        || to < from || days < 1 || cut < 0 || cut >= RunRecord::kSize) {
        std::fprintf(stderr, "usage: append_records LOG SEED FROM TO FIRSTDAY DAYS [CUT]\n");
        return 2;
    }

    Made made(seed);
    for (int i = 0; i < from; ++i)
        made.record(firstDay, days);
    QByteArray bytes;
    for (int i = from; i < to; ++i)
        bytes += made.record(firstDay, days).encode();
    if (cut > 0)
        bytes += made.record(firstDay, days).encode().left(cut);

    RecordFile file;
    if (file.open(args[1], RecordFile::Access::ReadWrite) != RecordFile::Outcome::Done) {
        std::fprintf(stderr, "append_records: %s\n", qPrintable(file.error().description));
        return 1;
    }
    for (;;) {
        const RecordFile::Outcome locked = file.lock(RecordFile::LockKind::Exclusive);
        if (locked == RecordFile::Outcome::Done)
            break;
        if (locked != RecordFile::Outcome::Busy) {
            std::fprintf(stderr, "append_records: %s\n", qPrintable(file.error().description));
            return 1;
        }
        QThread::msleep(1);
    }
    const std::optional<std::int64_t> length = file.size();
    if (!length || !file.writeAt(*length / RunRecord::kSize * RunRecord::kSize, bytes) || !file.flush()) {
        std::fprintf(stderr, "append_records: %s\n", qPrintable(file.error().description));
        return 1;
    }
    return 0;
}
