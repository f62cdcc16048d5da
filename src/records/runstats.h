#pragma once

#include "appstate.h"
#include "runrecord.h"

#include <QByteArrayView>
#include <QDateTime>

#include <array>
#include <cstdint>
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

// Everything the screens derive from the run log: the rows of the log, and per pupil (1 to 5000)
// and level (1 to 35) the best time and the attempt and point counts. One object lives as long as
// the program; LoadRunLog and ComputeStats rebuild it from the file, and RecordRun lowers the
// best times in place for the run it has just recorded.
//
// The tables are flat and level-major (slot = level × 5001 + pupil). A rebuild resets only the
// slots the previous one filled, so its cost follows the size of the log, not of the tables.
class RunStats
{
public:
    static constexpr std::int32_t kNoTime = 99999;
    static constexpr int kPupilSlots = kMaxPupil + 1;

    // A record whose pupil or level lies outside the tables; the rebuild stopped there.
    struct OutOfRange
    {
        std::int64_t recordNo = 0; // 1-based position in the log
        RunRow row;
    };

    RunStats();

    // pupil 0 to 5000, level 0 to 35; anything else reads as an entry without runs.
    const LevelStats &at(int pupil, int level) const;
    std::int32_t bestTime(int pupil, int level) const { return at(pupil, level).bestTime; }
    // Lowest best time of all pupils 1 to 5000 at the level; 99999 when none.
    std::int32_t levelBestTime(int level) const;

    // The valid records of the log in file order: dated on or after 1899-12-30, with a pupil
    // number and a level of at least 1.
    const std::vector<RunRow> &rows() const { return m_rows; }
    std::int64_t rowCount() const { return static_cast<std::int64_t>(m_rows.size()); }

    // In-place updates after a run is recorded; pupil 1 to 5000, level 1 to 35.
    void setBestTime(int pupil, int level, std::int32_t time);
    void setLevelBestTime(int level, std::int32_t time);

    // Rows, best times and level best times from a run log held in memory (whole 44-byte
    // records; a trailing partial record is not read). The counts are left as they were.
    std::optional<OutOfRange> loadRecords(QByteArrayView log);

    // Everything from a run log held in memory: the counts are cleared and refilled from every
    // valid row, against the timing table and the moment `now` ("today" is now's date; a window
    // of N days holds the rows dated after now minus N days).
    std::optional<OutOfRange> countRecords(QByteArrayView log, const std::array<LevelTiming, kLevelSlots> &timing,
                                           const QDateTime &now);

    // Room to read a log of `bytes` bytes into, kept between rebuilds so that reading the log
    // allocates nothing once it stops growing.
    char *readBuffer(std::int64_t bytes);

private:
    struct LevelBasis
    {
        std::int32_t passTime = 0;
        float weight = 0.0F;
        double window1Start = 0.0;
        double window2Start = 0.0;
    };

    template <bool Count>
    std::optional<OutOfRange> scan(QByteArrayView log, const std::array<LevelBasis, kLevelSlots> *basis, double today);
    LevelStats &entry(std::size_t slot);
    void resetBests();
    void resetAll();
    void fillLevelBests();

    std::vector<LevelStats> m_entries;
    std::vector<std::uint8_t> m_touched;     // per slot: listed in m_touchedSlots
    std::vector<std::uint32_t> m_touchedSlots; // slots that differ from a fresh entry
    std::array<std::int32_t, kLevelSlots> m_levelBest{};
    std::vector<RunRow> m_rows;
    std::unique_ptr<char[]> m_buffer;
    std::int64_t m_bufferSize = 0;
};
