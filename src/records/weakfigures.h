#pragma once

#include "answerlog.h"
#include "installation.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <unordered_map>
#include <vector>

class Clock;
struct Folders;
struct RecordCallbacks;

// A question as the answer log names it: group, line of the question file, short name hash.
// Ordered as the question file is: by line, then group, then hash.
struct QuestionKey
{
    std::int16_t group = 0;
    std::int16_t line = 0;
    std::uint32_t nameHash = 0;

    bool operator==(const QuestionKey &) const = default;
    std::uint64_t packed() const
    {
        return (static_cast<std::uint64_t>(static_cast<std::uint16_t>(line)) << 48)
             | (static_cast<std::uint64_t>(static_cast<std::uint16_t>(group)) << 32) | nameHash;
    }
    static QuestionKey of(const AnswerRow &row) { return {row.group, row.line, row.nameHash}; }
};

// Which answer records count.
struct WeakFilter
{
    // Roster numbers counted, 1 to 5000: every pupil when empty. A class is the block
    // ClassMap::find(label) gives, first to last.
    std::vector<int> pupils;
    // Levels counted, 1 to 35: every level when empty.
    std::vector<int> levels;
    // The last `days` days up to and including today (the clock's date): 1 is today only. 0 counts
    // every day.
    int days = 0;

    static WeakFilter everyone() { return {}; }
    static WeakFilter pupil(int rosterNo) { return WeakFilter{{rosterNo}, {}, 0}; }
    static WeakFilter pupilRange(int first, int last);
};

// The figures of one question over the records counted.
struct WeakFigure
{
    QuestionKey key;
    int wrongChoices = 0;   // wrong choices, summed
    int wrongYears = 0;     // wrong years, summed
    int timesSeen = 0;      // records: runs in which it was a question
    int pupilsSeen = 0;     // pupils with a record of it
    int pupilsMissed = 0;   // pupils with at least one wrong choice or wrong year on it

    // What "missed most" sorts by.
    int missed() const { return wrongChoices + wrongYears; }
    // The share of the pupils who saw it who missed it, 0 to 1.
    double missShare() const { return pupilsSeen > 0 ? static_cast<double>(pupilsMissed) / pupilsSeen : 0.0; }
    bool operator==(const WeakFigure &) const = default;
};

// Sorts "missed most" first: more wrong choices plus wrong years first; ties by the larger share
// of pupils who missed it (compared exactly, as cross products), then in question-file order
// (line, group, hash).
bool missedBefore(const WeakFigure &a, const WeakFigure &b);

// Adds up answer rows per question for one filter. The figures of a question are kept in the
// order its first counted row came; missedMost sorts.
class WeakFigures
{
public:
    // `today` is the day number of the clock's date (oadate::fromDate).
    WeakFigures(const WeakFilter &filter, double today);

    // Counts the row when it passes the filter (and is listed: answerlog::isListedAnswer).
    void add(const AnswerRow &row);

    // Every question counted, unsorted.
    std::vector<WeakFigure> figures() const;
    // The `top` questions missed most (every one when top <= 0), sorted by missedBefore. A
    // question nobody missed is left out.
    std::vector<WeakFigure> missedMost(int top) const;
    // Rows counted; pupils with a counted row.
    std::int64_t rowsCounted() const { return m_rows; }
    int pupilsCounted() const;

private:
    static constexpr int kWords = (kMaxPupil + 1 + 63) / 64;
    struct Entry
    {
        WeakFigure figure;
        std::vector<std::uint64_t> seen;   // one bit per pupil
        std::vector<std::uint64_t> missed; // one bit per pupil
    };

    std::vector<bool> m_pupils; // by roster number; empty: every pupil
    std::vector<bool> m_levels; // by level; empty: every level
    double m_firstDay = 0.0;    // rows before it do not count
    std::vector<Entry> m_entries;
    std::unordered_map<std::uint64_t, std::size_t> m_index;
    std::vector<std::uint64_t> m_pupilsCounted;
    std::int64_t m_rows = 0;
};

// Reads the answer log of `folders` (answerlog::readEveryAnswer) and counts every row that passes
// `filter`, today being clock.now()'s date. Nothing, with the Japanese reason in `problem`, when
// the log cannot be read. A log that does not exist yet gives no figures.
std::optional<WeakFigures> ReadWeakFigures(const Folders &folders, const WeakFilter &filter, const Clock &clock,
                                           const RecordCallbacks &callbacks, QString *problem = nullptr);
