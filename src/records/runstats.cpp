#include "runstats.h"

#include "oadate.h"
#include "runscore.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace {

constexpr std::int32_t kAttemptLimit = 6000;
constexpr std::int32_t kUnknownPoints = std::numeric_limits<std::int32_t>::min();

// Records decoded per piece read: 176 KiB, well inside the processor's second-level cache.
constexpr std::int64_t kRecordsPerPiece = 4096;

RunStats::ChunkReader copyFrom(QByteArrayView log)
{
    return [log](char *into, std::int64_t offset, std::int64_t count) {
        std::memcpy(into, log.data() + offset, static_cast<std::size_t>(count));
        return true;
    };
}

bool inTables(int pupil, int level)
{
    return pupil >= 0 && pupil <= kMaxPupil && level >= 0 && level < kLevelSlots;
}

} // namespace

RunStats::RunStats(std::int64_t keptRows)
    : m_blocks(static_cast<std::size_t>(kLevelSlots) * kBlocksPerLevel)
    , m_keptRows(std::max<std::int64_t>(keptRows, 0))
{
    m_levelBest.fill(kNoTime);
}

const LevelStats &RunStats::at(int pupil, int level) const
{
    static const LevelStats none;
    if (!inTables(pupil, level))
        return none;
    const Block *block = m_blocks[static_cast<std::size_t>(level * kBlocksPerLevel + pupil / kBlockPupils)].get();
    return block ? block->entries[static_cast<std::size_t>(pupil % kBlockPupils)] : none;
}

std::int32_t RunStats::levelBestTime(int level) const
{
    return level >= 0 && level < kLevelSlots ? m_levelBest[static_cast<std::size_t>(level)] : kNoTime;
}

void RunStats::setBestTime(int pupil, int level, std::int32_t time)
{
    if (inTables(pupil, level))
        entry(pupil, level).bestTime = time;
}

void RunStats::setLevelBestTime(int level, std::int32_t time)
{
    if (level >= 0 && level < kLevelSlots)
        m_levelBest[static_cast<std::size_t>(level)] = time;
}

RunStats::Block *RunStats::makeBlock(std::size_t index)
{
    m_blocks[index] = std::make_unique<Block>();
    m_madeBlocks.push_back(static_cast<std::uint32_t>(index));
    return m_blocks[index].get();
}

void RunStats::resetBests()
{
    for (const std::uint32_t index : m_madeBlocks) {
        for (LevelStats &e : m_blocks[index]->entries)
            e.bestTime = kNoTime;
    }
}

void RunStats::resetAll()
{
    for (const std::uint32_t index : m_madeBlocks)
        m_blocks[index]->entries.fill(LevelStats{});
}

void RunStats::fillLevelBests()
{
    m_levelBest.fill(kNoTime);
    for (const std::uint32_t index : m_madeBlocks) {
        const std::size_t level = index / kBlocksPerLevel;
        const int firstPupil = static_cast<int>(index % kBlocksPerLevel) * kBlockPupils;
        if (level < 1)
            continue;
        const auto &entries = m_blocks[index]->entries;
        for (std::size_t k = firstPupil == 0 ? 1 : 0; k < entries.size(); ++k)
            m_levelBest[level] = std::min(m_levelBest[level], entries[k].bestTime);
    }
}

std::optional<RunStats::OutOfRange> RunStats::loadRecords(std::int64_t logBytes, const ChunkReader &read)
{
    resetBests();
    return scan<false>(logBytes, read, nullptr, 0.0);
}

std::optional<RunStats::OutOfRange> RunStats::countRecords(std::int64_t logBytes, const ChunkReader &read,
                                                           const std::array<LevelTiming, kLevelSlots> &timing,
                                                           const QDateTime &now)
{
    resetAll();
    const double nowDays = oadate::fromDateTime(now);
    std::array<LevelBasis, kLevelSlots> basis{};
    for (std::size_t level = 0; level < basis.size(); ++level) {
        const LevelTiming &t = timing[level];
        PointsMemo &memo = m_pointsMemo[level];
        if (memo.passTime != t.passTime || memo.weight != t.levelWeight || memo.points.empty()) {
            const std::int64_t count = std::clamp<std::int64_t>(std::int64_t{t.passTime} * 10, 1, kKnownPointsLimit);
            memo = PointsMemo{t.passTime, t.levelWeight,
                              std::vector<std::int32_t>(static_cast<std::size_t>(count), kUnknownPoints)};
        }
        basis[level] = {t.passTime,
                        t.levelWeight,
                        nowDays - t.window1Days,
                        nowDays - t.window2Days,
                        memo.points.data(),
                        static_cast<std::int32_t>(memo.points.size())};
    }
    return scan<true>(logBytes, read, &basis, oadate::fromDate(now.date()));
}

std::optional<RunStats::OutOfRange> RunStats::loadRecords(QByteArrayView log)
{
    return loadRecords(log.size(), copyFrom(log));
}

std::optional<RunStats::OutOfRange> RunStats::countRecords(QByteArrayView log,
                                                           const std::array<LevelTiming, kLevelSlots> &timing,
                                                           const QDateTime &now)
{
    return countRecords(log.size(), copyFrom(log), timing, now);
}

template <bool Count>
std::optional<RunStats::OutOfRange> RunStats::scan(std::int64_t logBytes, const ChunkReader &read,
                                                   const std::array<LevelBasis, kLevelSlots> *basis, double today)
{
    const std::int64_t records = logBytes / RunRecord::kSize;
    if (!m_piece)
        m_piece = std::make_unique_for_overwrite<char[]>(static_cast<std::size_t>(kRecordsPerPiece * RunRecord::kSize));
    m_rows.reset(m_keptRows);
    m_rowCount = 0;
    std::int64_t readUpTo = 0; // records read so far
    const char *at = m_piece.get();
    for (std::int64_t i = 0; i < records; ++i, at += RunRecord::kSize) {
        if (i == readUpTo) {
            const std::int64_t count = std::min(kRecordsPerPiece, records - i);
            if (!read(m_piece.get(), i * RunRecord::kSize, count * RunRecord::kSize)) {
                fillLevelBests();
                return std::nullopt;
            }
            readUpTo += count;
            at = m_piece.get();
        }
        const RunRow row = RunRecord::decodeRow(at);
        if (!inTables(row.pupil, row.level)) {
            fillLevelBests();
            return OutOfRange{i + 1, row};
        }
        LevelStats &e = entry(row.pupil, row.level);
        // Every record whose slot exists lowers the best time, the ones not kept as rows included.
        if (row.time < e.bestTime)
            e.bestTime = row.time;
        if (!(row.date >= 0.0) || row.pupil == 0 || row.level < 1)
            continue;
        ++m_rowCount;
        m_rows.add(row, i + 1);
        if constexpr (Count) {
            const LevelBasis &b = (*basis)[static_cast<std::size_t>(row.level)];
            std::int32_t points = 0;
            if (row.time >= 0 && row.time < b.knownCount) {
                std::int32_t &known = b.knownPoints[row.time];
                if (known == kUnknownPoints)
                    known = RunPoints(RunScore(row.time, b.passTime), b.weight);
                points = known;
            } else {
                points = RunPoints(RunScore(row.time, b.passTime), b.weight);
            }
            const std::int32_t attempt = row.time < kAttemptLimit ? 1 : 0;
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
