#pragma once

#include "installation.h"
#include "runlogrecord.h"

#include <QDateTime>

#include <array>
#include <cstdint>
#include <vector>

// A run on the record curve of a report block: the index-th of the pupil's counted runs (1 to
// runCount, in log order) and its time, faster than every earlier point.
struct RecordPoint
{
    int index = 0;
    std::int32_t time = 0;
    double date = 0.0; // day number of the run

    bool operator==(const RecordPoint &) const = default;
};

// The runs a pupil report counts, gathered in one pass over the run log in file order: at each
// level asked for, every run of the 3650 days before `now` with a result under 1800 seconds, added
// up over all pupils, and each asked-for pupil's own such runs at those levels. A report of many
// pupils and levels thus reads the log once, and holds figures, not rows.
class ReportRuns
{
public:
    static constexpr std::int32_t kNoTime = 99999;

    struct LevelTotals
    {
        int runCount = 0;
        std::int64_t timeSum = 0;
        std::int32_t best = kNoTime;
    };

    struct PupilRuns
    {
        int runCount = 0;
        std::int64_t timeSum = 0;
        std::int32_t slowest = 0;
        std::vector<RecordPoint> record; // each run faster than every earlier one
    };

    ReportRuns(const QDateTime &now, const std::vector<int> &pupils, const std::vector<int> &levels);

    // The next run of the log, in file order.
    void add(const RunRow &row);
    template <typename Rows>
    void addAll(const Rows &rows)
    {
        for (const RunRow row : rows)
            add(row);
    }

    // Zero figures for a level or pupil that was not asked for.
    const LevelTotals &level(int level) const;
    const PupilRuns &pupil(int pupil, int level) const;

private:
    double m_from = 0.0; // day number: runs after it count
    std::array<bool, kLevelSlots> m_levelAsked{};
    std::array<LevelTotals, kLevelSlots> m_levels{};
    std::vector<int> m_pupilIndex; // by pupil number: index into m_pupils, or -1
    std::vector<std::array<PupilRuns, kLevelSlots>> m_pupils;
};
