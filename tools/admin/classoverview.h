#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

struct Installation;
class ClassMap;
class Roster;
class RunStats;

// The class overview: one row per listed pupil (of one class, or every listed pupil), one group
// of columns per test level: the best time, the number of runs that count (the attempts of the
// run-log figures, runs under 6000 seconds) and whether the level is cleared by the result
// screen's rule, all as the program computes them. Below the rows, the median per level: of the
// best times of the pupils who have one, and of the run counts of every pupil shown.
namespace classoverview {

inline constexpr std::int32_t kNoTime = 99999;

struct Cell
{
    std::int32_t bestTime = kNoTime; // kNoTime when the pupil has no time at the level
    std::int32_t runs = 0;
    bool cleared = false;

    bool operator==(const Cell &) const = default;
};

struct PupilRow
{
    int rosterNo = 0;
    QString classLabel; // empty for a pupil of no class
    int number = 0;     // list number within the class, or the roster number
    QString name;       // without the padding
    std::vector<Cell> cells; // by Overview::levels

    bool operator==(const PupilRow &) const = default;
};

struct Overview
{
    QString classLabel;             // empty: every listed pupil
    std::vector<int> levels;        // the test levels, in order
    std::vector<QString> captions;  // their captions
    std::vector<PupilRow> rows;     // by roster number
    std::vector<std::optional<double>> medianBest; // by level; none when no pupil has a time
    std::vector<std::optional<double>> medianRuns; // by level; none when there is no pupil
};

// The median of the values (the mean of the middle two for an even count); none when empty.
std::optional<double> median(std::vector<double> values);

// The overview from the figures of the last ComputeStats and the roster built from them; only
// listed pupils, and of `classLabel`'s block when it is not empty (the caller has checked that
// the class exists).
Overview build(const Installation &state, const Roster &roster, const ClassMap &classes, const RunStats &stats,
               const QString &classLabel);

// A median as the tables write it: whole numbers plainly, halves with one decimal; "-" for none.
QString medianText(const std::optional<double> &value);

// The column headers of the three figures of a level, and of the pupil columns.
QString classHeader();
QString numberHeader();
QString nameHeader();
QString bestHeader();
QString runsHeader();
QString clearedHeader();
QString medianLabel();
// The cleared mark, and the text of a cell's best time ("" without one).
QString clearedMark(bool cleared);
QString bestText(std::int32_t bestTime);

// UTF-8 CSV with a byte-order mark and CR LF line ends, texts formula-safe: a header line of
// class, number, name and, per level, "<caption> <best>", "<caption> <runs>",
// "<caption> <cleared>"; a line per pupil; the medians last.
QByteArray csv(const Overview &overview);

// An Excel workbook (libxlsxwriter) with one sheet: two header rows (the level captions over
// their three columns), a row per pupil with the times and counts as numbers, the medians last.
// Empty with *error set when it cannot be made.
QByteArray xlsx(const Overview &overview, QString *error);

} // namespace classoverview
