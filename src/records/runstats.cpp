#include "runstats.h"

#include "oadate.h"
#include "runscore.h"

#include <algorithm>

namespace {

constexpr std::size_t kSlots = static_cast<std::size_t>(kLevelSlots) * RunStats::kPupilSlots;
constexpr std::int32_t kAttemptLimit = 6000;

std::size_t slotOf(int pupil, int level)
{
    return static_cast<std::size_t>(level) * RunStats::kPupilSlots + static_cast<std::size_t>(pupil);
}

bool inTables(int pupil, int level)
{
    return pupil >= 0 && pupil <= kMaxPupil && level >= 0 && level < kLevelSlots;
}

} // namespace

RunStats::RunStats()
    : m_entries(kSlots), m_touched(kSlots, 0)
{
    m_levelBest.fill(kNoTime);
}

const LevelStats &RunStats::at(int pupil, int level) const
{
    static const LevelStats none;
    return inTables(pupil, level) ? m_entries[slotOf(pupil, level)] : none;
}

std::int32_t RunStats::levelBestTime(int level) const
{
    return level >= 0 && level < kLevelSlots ? m_levelBest[static_cast<std::size_t>(level)] : kNoTime;
}

void RunStats::setBestTime(int pupil, int level, std::int32_t time)
{
    if (inTables(pupil, level))
        entry(slotOf(pupil, level)).bestTime = time;
}

void RunStats::setLevelBestTime(int level, std::int32_t time)
{
    if (level >= 0 && level < kLevelSlots)
        m_levelBest[static_cast<std::size_t>(level)] = time;
}

char *RunStats::readBuffer(std::int64_t bytes)
{
    if (bytes > m_bufferSize) {
        m_buffer = std::make_unique_for_overwrite<char[]>(static_cast<std::size_t>(bytes));
        m_bufferSize = bytes;
    }
    return m_buffer.get();
}

LevelStats &RunStats::entry(std::size_t slot)
{
    if (!m_touched[slot]) {
        m_touched[slot] = 1;
        m_touchedSlots.push_back(static_cast<std::uint32_t>(slot));
    }
    return m_entries[slot];
}

void RunStats::resetBests()
{
    for (const std::uint32_t slot : m_touchedSlots)
        m_entries[slot].bestTime = kNoTime;
}

void RunStats::resetAll()
{
    for (const std::uint32_t slot : m_touchedSlots) {
        m_entries[slot] = LevelStats{};
        m_touched[slot] = 0;
    }
    m_touchedSlots.clear();
}

void RunStats::fillLevelBests()
{
    m_levelBest.fill(kNoTime);
    for (const std::uint32_t slot : m_touchedSlots) {
        const auto level = slot / kPupilSlots;
        const auto pupil = slot % kPupilSlots;
        if (level >= 1 && pupil >= 1)
            m_levelBest[level] = std::min(m_levelBest[level], m_entries[slot].bestTime);
    }
}

std::optional<RunStats::OutOfRange> RunStats::loadRecords(QByteArrayView log)
{
    resetBests();
    return scan<false>(log, nullptr, 0.0);
}

std::optional<RunStats::OutOfRange> RunStats::countRecords(QByteArrayView log,
                                                           const std::array<LevelTiming, kLevelSlots> &timing,
                                                           const QDateTime &now)
{
    resetAll();
    const double nowDays = oadate::fromDateTime(now);
    std::array<LevelBasis, kLevelSlots> basis{};
    for (std::size_t level = 0; level < basis.size(); ++level) {
        const LevelTiming &t = timing[level];
        basis[level] = {t.passTime, t.levelWeight, nowDays - t.window1Days, nowDays - t.window2Days};
    }
    return scan<true>(log, &basis, oadate::fromDate(now.date()));
}

template <bool Count>
std::optional<RunStats::OutOfRange> RunStats::scan(QByteArrayView log,
                                                   const std::array<LevelBasis, kLevelSlots> *basis, double today)
{
    const std::int64_t records = log.size() / RunRecord::kSize;
    m_rows.clear();
    m_rows.reserve(static_cast<std::size_t>(records));
    const char *at = log.data();
    for (std::int64_t i = 0; i < records; ++i, at += RunRecord::kSize) {
        const RunRow row = RunRecord::decodeRow(at);
        if (!inTables(row.pupil, row.level)) {
            fillLevelBests();
            return OutOfRange{i + 1, row};
        }
        const std::size_t slot = slotOf(row.pupil, row.level);
        // Every record whose slot exists lowers the best time, the ones not kept as rows included.
        if (row.time < m_entries[slot].bestTime)
            entry(slot).bestTime = row.time;
        if (!(row.date >= 0.0) || row.pupil == 0 || row.level < 1)
            continue;
        m_rows.push_back(row);
        if constexpr (Count) {
            const LevelBasis &b = (*basis)[static_cast<std::size_t>(row.level)];
            const std::int32_t points = RunPoints(RunScore(row.time, b.passTime), b.weight);
            const std::int32_t attempt = row.time < kAttemptLimit ? 1 : 0;
            LevelStats &e = entry(slot);
            e.attemptsAll += attempt;
            e.pointsAll += points;
            if (row.date > b.window1Start) {
                e.attemptsRecent += attempt;
                e.pointsRecent += points;
            }
            if (row.date > b.window2Start) {
                e.attemptsRecent2 += attempt;
                e.pointsRecent2 += points;
            }
            if (row.date == today) {
                e.attemptsToday += attempt;
                e.pointsToday += points;
            }
        }
    }
    fillLevelBests();
    return std::nullopt;
}
