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
    if (!inTables(pupil, level))
        return;
    LevelStats &e = entry(pupil, level);
    if (m_followed) {
        const bool noted = std::any_of(m_lowered.begin(), m_lowered.end(), [&](const LoweredBest &l) {
            return l.pupil == pupil && l.level == level;
        });
        if (!noted)
            m_lowered.push_back(LoweredBest{static_cast<std::int16_t>(pupil), static_cast<std::int16_t>(level), e.bestTime});
    }
    e.bestTime = time;
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
    m_followed.reset();
    m_lowered.clear();
    m_recent.clear();
    m_lastReadFrom = 0;
    resetBests();
    return scan<Mode::Load>(0, logBytes, read, nullptr, 0.0);
}

std::optional<RunStats::OutOfRange> RunStats::countRecords(std::int64_t logBytes, const ChunkReader &read,
                                                           const std::array<LevelTiming, kLevelSlots> &timing,
                                                           const QDateTime &now)
{
    m_followed.reset();
    m_lowered.clear();
    m_recent.clear();
    m_lastReadFrom = 0;
    resetAll();
    const std::array<LevelBasis, kLevelSlots> basis = makeBasis(timing, oadate::fromDateTime(now));
    return scan<Mode::Count>(0, logBytes, read, &basis, oadate::fromDate(now.date()));
}

bool RunStats::sameTiming(const std::array<LevelTiming, kLevelSlots> &a, const std::array<LevelTiming, kLevelSlots> &b)
{
    for (std::size_t level = 0; level < a.size(); ++level) {
        const LevelTiming &x = a[level];
        const LevelTiming &y = b[level];
        if (x.passTime != y.passTime || x.levelWeight != y.levelWeight || x.window1Days != y.window1Days
            || x.window2Days != y.window2Days)
            return false;
    }
    return true;
}

std::optional<RunStats::OutOfRange> RunStats::refreshRecords(const std::optional<FileIdentity> &file,
                                                             std::int64_t logBytes, const ChunkReader &read,
                                                             const std::array<LevelTiming, kLevelSlots> &timing,
                                                             const QDateTime &now)
{
    const double nowDays = oadate::fromDateTime(now);
    const double today = oadate::fromDate(now.date());
    const std::int64_t records = std::max<std::int64_t>(logBytes, 0) / RunRecord::kSize;
    bool readFailed = false;
    const ChunkReader guarded = [&](char *into, std::int64_t offset, std::int64_t count) {
        if (read(into, offset, count))
            return true;
        readFailed = true;
        return false;
    };
    std::array<char, RunRecord::kSize> record{};
    const auto unchanged = [&](std::int64_t recordNo, const std::array<char, RunRecord::kSize> &was) {
        return guarded(record.data(), recordNo * RunRecord::kSize, RunRecord::kSize) && record == was;
    };

    // Put back what the log gave for the best times lowered in place since.
    for (const LoweredBest &l : m_lowered)
        entry(l.pupil, l.level).bestTime = l.logBest;
    m_lowered.clear();

    std::optional<Followed> followed = std::move(m_followed);
    m_followed.reset();
    const bool goOn = followed && file && followed->file == *file && records >= followed->records
                      && sameTiming(followed->timing, timing) && nowDays >= followed->nowDays
                      && (followed->records == 0
                          || (unchanged(0, followed->firstRecord)
                              && unchanged(followed->records - 1, followed->lastRecord)));
    if (readFailed)
        return std::nullopt;
    std::int64_t first = 0;
    if (goOn) {
        first = followed->records;
    } else {
        m_recent.clear();
        resetAll();
        followed = Followed{};
    }
    m_lastReadFrom = first;
    const std::array<LevelBasis, kLevelSlots> basis = makeBasis(timing, nowDays);
    std::optional<OutOfRange> bad = scan<Mode::Follow>(first, logBytes, guarded, &basis, today);
    if (bad && first > 0) {
        // Reported as a rebuild reports it, with the figures of the records before it.
        m_lastReadFrom = 0;
        m_recent.clear();
        resetAll();
        bad = scan<Mode::Follow>(0, logBytes, guarded, &basis, today);
    }
    if (bad || readFailed)
        return bad;
    countRecent(basis, today);
    if (!file)
        return std::nullopt;
    if (records > 0 && first == 0 && !guarded(followed->firstRecord.data(), 0, RunRecord::kSize))
        return std::nullopt;
    if (records > first && !guarded(followed->lastRecord.data(), (records - 1) * RunRecord::kSize, RunRecord::kSize))
        return std::nullopt;
    followed->file = *file;
    followed->records = records;
    followed->timing = timing;
    followed->nowDays = nowDays;
    m_followed = std::move(followed);
    return std::nullopt;
}

void RunStats::countRecent(const std::array<LevelBasis, kLevelSlots> &basis, double today)
{
    for (const std::uint32_t index : m_madeBlocks) {
        for (LevelStats &e : m_blocks[index]->entries) {
            e.attemptsRecent = e.attemptsRecent2 = e.attemptsToday = 0;
            e.pointsRecent = e.pointsRecent2 = e.pointsToday = 0;
        }
    }
    std::erase_if(m_recent, [&](const RecentRow &r) {
        return !mayCount(r.date, basis[static_cast<std::size_t>(r.level)], today);
    });
    for (const RecentRow &r : m_recent) {
        const LevelBasis &b = basis[static_cast<std::size_t>(r.level)];
        LevelStats &e = entry(r.pupil, r.level);
        if (r.date > b.window1Start) {
            e.attemptsRecent += r.attempt;
            e.pointsRecent += r.points;
        }
        if (r.date > b.window2Start) {
            e.attemptsRecent2 += r.attempt;
            e.pointsRecent2 += r.points;
        }
        if (r.date == today) {
            e.attemptsToday += r.attempt;
            e.pointsToday += r.points;
        }
    }
    m_recent.shrink_to_fit();
}

std::array<RunStats::LevelBasis, kLevelSlots> RunStats::makeBasis(const std::array<LevelTiming, kLevelSlots> &timing,
                                                                  double nowDays)
{
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
    return basis;
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

template <RunStats::Mode M>
std::optional<RunStats::OutOfRange> RunStats::scan(std::int64_t first, std::int64_t logBytes, const ChunkReader &read,
                                                   const std::array<LevelBasis, kLevelSlots> *basis, double today)
{
    const std::int64_t records = logBytes / RunRecord::kSize;
    if (!m_piece)
        m_piece = std::make_unique_for_overwrite<char[]>(static_cast<std::size_t>(kRecordsPerPiece * RunRecord::kSize));
    if (first == 0) {
        m_rows.reset(m_keptRows, records);
        m_rowCount = 0;
    }
    std::int64_t readUpTo = first; // records read so far
    const char *at = m_piece.get();
    for (std::int64_t i = first; i < records; ++i, at += RunRecord::kSize) {
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
        if constexpr (M != Mode::Load) {
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
            if constexpr (M == Mode::Follow) {
                // Counted in the windows by countRecent, as of the moment of each refresh.
                if (mayCount(row.date, b, today))
                    m_recent.push_back(RecentRow{row.date, points, row.pupil, static_cast<std::int8_t>(row.level),
                                                 static_cast<std::int8_t>(attempt)});
            } else {
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
    }
    fillLevelBests();
    return std::nullopt;
}
