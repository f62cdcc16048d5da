#include "reportruns.h"

#include "oadate.h"

#include <algorithm>

namespace {

constexpr std::int32_t kCountedBelow = 1800;
constexpr double kWindowDays = 3650.0;

} // namespace

ReportRuns::ReportRuns(const QDateTime &now, const std::vector<int> &pupils, const std::vector<int> &levels)
    : m_from(oadate::fromDateTime(now) - kWindowDays)
    , m_pupilIndex(static_cast<std::size_t>(kMaxPupil) + 1, -1)
{
    for (const int level : levels) {
        if (level >= 1 && level < kLevelSlots)
            m_levelAsked[static_cast<std::size_t>(level)] = true;
    }
    for (const int pupil : pupils) {
        if (pupil < 1 || pupil > kMaxPupil || m_pupilIndex[static_cast<std::size_t>(pupil)] >= 0)
            continue;
        m_pupilIndex[static_cast<std::size_t>(pupil)] = static_cast<int>(m_pupils.size());
        m_pupils.emplace_back();
    }
}

void ReportRuns::add(const RunRow &row)
{
    if (row.level < 1 || row.level >= kLevelSlots || !m_levelAsked[static_cast<std::size_t>(row.level)]
        || row.time >= kCountedBelow || !(row.date > m_from))
        return;
    LevelTotals &all = m_levels[static_cast<std::size_t>(row.level)];
    ++all.runCount;
    all.timeSum += row.time;
    all.best = std::min(all.best, row.time);
    if (row.pupil < 1 || row.pupil > kMaxPupil)
        return;
    const int index = m_pupilIndex[static_cast<std::size_t>(row.pupil)];
    if (index < 0)
        return;
    PupilRuns &own = m_pupils[static_cast<std::size_t>(index)][static_cast<std::size_t>(row.level)];
    ++own.runCount;
    own.timeSum += row.time;
    own.slowest = std::max(own.slowest, row.time);
    if (own.record.empty() || row.time < own.record.back().time)
        own.record.push_back({own.runCount, row.time, row.date});
}

const ReportRuns::LevelTotals &ReportRuns::level(int level) const
{
    static const LevelTotals none;
    return level >= 1 && level < kLevelSlots ? m_levels[static_cast<std::size_t>(level)] : none;
}

const ReportRuns::PupilRuns &ReportRuns::pupil(int pupil, int level) const
{
    static const PupilRuns none;
    if (pupil < 1 || pupil > kMaxPupil || level < 1 || level >= kLevelSlots)
        return none;
    const int index = m_pupilIndex[static_cast<std::size_t>(pupil)];
    return index < 0 ? none : m_pupils[static_cast<std::size_t>(index)][static_cast<std::size_t>(level)];
}
