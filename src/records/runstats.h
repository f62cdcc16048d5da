#pragma once

#include "installation.h"
#include "recordfile.h"
#include "runlogrecord.h"
#include "runrows.h"

#include <QByteArrayView>
#include <QDateTime>

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <limits>
#include <memory>
#include <optional>
#include <vector>

// The figures of one pupil at one level, as of the last rebuild from the run log. Runs of 6000
// seconds or more add their points but never count as attempts.
struct LevelStats
{
    std::int32_t bestTime = 99999; // lowest result time; 99999 when there is none
    std::int32_t attemptsAll = 0;
    std::int32_t attemptsRecent = 0;  // inside the first statistics window
    std::int32_t attemptsRecent2 = 0; // inside the second statistics window
    std::int32_t attemptsToday = 0;
    std::int64_t pointsAll = 0;
    std::int64_t pointsRecent = 0;
    std::int64_t pointsRecent2 = 0;
    std::int64_t pointsToday = 0;

    bool operator==(const LevelStats &) const = default;
};

// Everything the screens derive from the run log: per pupil (1 to 5000) and level (1 to 35) the
// best time and the attempt and point counts, and the newest rows of the log for the run lists.
// One object lives as long as the program; ComputeStats brings it up to date with the file (from
// the start, or from the records it has not read yet), LoadRunLog rebuilds its rows and best
// times, and RecordRun lowers the best times in place for the run it has just recorded.
//
// The figures are held in blocks of 64 pupils at one level, made when a run of one of those
// pupils at that level is first met: a school that uses a few hundred pupil numbers holds a few
// hundred kilobytes, not the whole 5001 × 36 table. A rebuild resets only the blocks made so far,
// and the log is read in pieces of fixed size, so neither its length nor the size of the tables
// decides the memory taken.
class RunStats
{
public:
    static constexpr std::int32_t kNoTime = 99999;
    static constexpr int kPupilSlots = kMaxPupil + 1;
    // Rows kept for the run lists, which show at most the newest 20000 runs.
    static constexpr std::int64_t kKeptRows = 20000;
    // Every row of the log kept, for the teachers' tool, which lists them all.
    static constexpr std::int64_t kEveryRow = std::numeric_limits<std::int64_t>::max();

    // A record whose pupil or level lies outside the tables; the rebuild stopped there.
    struct OutOfRange
    {
        std::int64_t recordNo = 0; // 1-based position in the log
        RunRow row;
    };

    // keptRows: how many of the newest rows a rebuild keeps (at least 0).
    explicit RunStats(std::int64_t keptRows = kKeptRows);

    // pupil 0 to 5000, level 0 to 35; anything else reads as an entry without runs.
    const LevelStats &at(int pupil, int level) const;
    std::int32_t bestTime(int pupil, int level) const { return at(pupil, level).bestTime; }
    // Lowest best time of all pupils 1 to 5000 at the level; 99999 when none.
    std::int32_t levelBestTime(int level) const;

    // The newest rows of the last rebuild (at most keptRows), and the number of all its rows.
    const RunRows &rows() const { return m_rows; }
    std::int64_t rowCount() const { return m_rowCount; }

    // In-place updates after a run is recorded; pupil 1 to 5000, level 1 to 35.
    void setBestTime(int pupil, int level, std::int32_t time);
    void setLevelBestTime(int level, std::int32_t time);

    // Fills `count` bytes of the log at `into`, starting `offset` bytes into the log; false when
    // the log cannot be read (the rebuild then stops there, and the caller knows why).
    using ChunkReader = std::function<bool(char *into, std::int64_t offset, std::int64_t count)>;

    // Rows, best times and level best times from a run log of logBytes bytes (whole 44-byte
    // records; a trailing partial record is not read). The log is read in pieces through `read`,
    // each piece decoded while it is still in the processor's cache. The counts are left as they
    // were.
    std::optional<OutOfRange> loadRecords(std::int64_t logBytes, const ChunkReader &read);

    // Everything from the run log: the counts are cleared and refilled from every valid row,
    // against the timing table and the moment `now` ("today" is now's date; a window of N days
    // holds the rows dated after now minus N days).
    std::optional<OutOfRange> countRecords(std::int64_t logBytes, const ChunkReader &read,
                                           const std::array<LevelTiming, kLevelSlots> &timing, const QDateTime &now);

    // Everything, as countRecords gives it, from the run log `file` (its identity, when known), by
    // reading only what was appended since the last call: the figures are kept with the file's
    // identity and the number of whole records they hold, and a later call that finds the same
    // file, at least as long, with its first record and the last record read unchanged, the same
    // timing and a moment no earlier, reads from there on. A partial record at the end is read
    // once it is whole. Anything else (another file, a shorter one, a record read before that
    // has changed, a timing table changed, a clock set back, a rebuild through another call)
    // reads the log again from the start. The windows and today are counted afresh at every
    // call from the rows that can still fall inside them, so the date may change between calls.
    std::optional<OutOfRange> refreshRecords(const std::optional<FileIdentity> &file, std::int64_t logBytes,
                                             const ChunkReader &read,
                                             const std::array<LevelTiming, kLevelSlots> &timing,
                                             const QDateTime &now);

    // The record (0-based) the last rebuild or refresh began to read at: 0 when it read the whole
    // log, the number of records already held when it read only what was appended.
    std::int64_t lastReadFrom() const { return m_lastReadFrom; }

    // The same from a log already in memory.
    std::optional<OutOfRange> loadRecords(QByteArrayView log);
    std::optional<OutOfRange> countRecords(QByteArrayView log, const std::array<LevelTiming, kLevelSlots> &timing,
                                           const QDateTime &now);

private:
    struct LevelBasis
    {
        std::int32_t passTime = 0;
        float weight = 0.0F;
        double window1Start = 0.0;
        double window2Start = 0.0;
        std::int32_t *knownPoints = nullptr; // points by result time, for times below knownCount
        std::int32_t knownCount = 0;
    };

    // Points of the result times below 10 × pass time (at most kKnownPointsLimit), filled as
    // they are met and kept while the level's pass time and weight stay as they are: the score
    // formula is the costliest step of a rebuild.
    struct PointsMemo
    {
        std::int32_t passTime = 0;
        float weight = 0.0F;
        std::vector<std::int32_t> points;
    };
    static constexpr std::int32_t kKnownPointsLimit = 8192;

    // Load: best times and rows. Count: everything. Follow: best times, rows and the all-time
    // counts, the rows that can still count in a window or today kept in m_recent.
    enum class Mode { Load, Count, Follow };
    // Reads the records from number `first` (0-based) to the end of a log of logBytes bytes, on
    // top of the figures of the records before it.
    template <Mode M>
    std::optional<OutOfRange> scan(std::int64_t first, std::int64_t logBytes, const ChunkReader &read,
                                   const std::array<LevelBasis, kLevelSlots> *basis, double today);
    std::array<LevelBasis, kLevelSlots> makeBasis(const std::array<LevelTiming, kLevelSlots> &timing,
                                                  double nowDays);

    // A valid row that may still count in a window or today: dated today or later, or inside a
    // window. Once it is neither it never is again while the clock goes forward.
    struct RecentRow
    {
        double date = 0.0;
        std::int32_t points = 0;
        std::int16_t pupil = 0;
        std::int8_t level = 0;
        std::int8_t attempt = 0;
    };
    static bool mayCount(double date, const LevelBasis &b, double today)
    {
        return date >= today || date > b.window1Start || date > b.window2Start;
    }
    // The windows and today counted afresh from m_recent, which loses the rows no longer inside.
    void countRecent(const std::array<LevelBasis, kLevelSlots> &basis, double today);
    static bool sameTiming(const std::array<LevelTiming, kLevelSlots> &a, const std::array<LevelTiming, kLevelSlots> &b);

    // The log the figures were last brought up to date with.
    struct Followed
    {
        FileIdentity file;
        std::int64_t records = 0; // whole records read
        std::array<char, RunRecord::kSize> firstRecord{};
        std::array<char, RunRecord::kSize> lastRecord{};
        std::array<LevelTiming, kLevelSlots> timing{};
        double nowDays = 0.0;
    };
    // A best time lowered in place since the figures were brought up to date, with the value the
    // log gave: the next refresh puts that back before it reads on, as a rebuild would.
    struct LoweredBest
    {
        std::int16_t pupil = 0;
        std::int16_t level = 0;
        std::int32_t logBest = 0;
    };

    static constexpr int kBlockPupils = 64;
    static constexpr int kBlocksPerLevel = (kPupilSlots + kBlockPupils - 1) / kBlockPupils;
    struct Block
    {
        std::array<LevelStats, kBlockPupils> entries{};
    };

    // The entry of a pupil and level inside the tables, its block made when it is missing.
    LevelStats &entry(int pupil, int level)
    {
        const auto index = static_cast<std::size_t>(level * kBlocksPerLevel + pupil / kBlockPupils);
        Block *block = m_blocks[index].get();
        if (!block)
            block = makeBlock(index);
        return block->entries[static_cast<std::size_t>(pupil % kBlockPupils)];
    }
    Block *makeBlock(std::size_t index);
    void resetBests();
    void resetAll();
    void fillLevelBests();

    std::vector<std::unique_ptr<Block>> m_blocks; // by level × kBlocksPerLevel + pupil / kBlockPupils
    std::vector<std::uint32_t> m_madeBlocks;      // indexes of the blocks made, in the order made
    std::array<std::int32_t, kLevelSlots> m_levelBest{};
    std::array<PointsMemo, kLevelSlots> m_pointsMemo{};
    RunRows m_rows;
    std::int64_t m_rowCount = 0;
    std::int64_t m_keptRows = kKeptRows;
    std::unique_ptr<char[]> m_piece; // one piece of the log being read
    std::optional<Followed> m_followed;
    std::int64_t m_lastReadFrom = 0;
    // In pieces of a few hundred bytes: it grows by whole pieces, with no copy of what it holds and
    // no room doubled ahead (some 137,000 rows at a school of 1,000,000 records).
    std::deque<RecentRow> m_recent;
    std::vector<LoweredBest> m_lowered;
};
