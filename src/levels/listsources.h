#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <array>

struct Installation;
class PupilDirectory;
class RunStats;

// Display modes of the result lists (the "ﾀｲﾑ表示" and "ﾎﾟｲﾝﾄ表示" options).
enum class DisplayMode {
    Time,
    Points,
};

// Which figure the points ranking orders by.
enum class PointsRanking {
    UntilNow,
    Today,
};

// The list choice within a mode (the three list buttons under the display modes).
enum class ListChoice {
    First,  // time: best times; points: ranking until now
    Second, // time: today's runs; points: ranking by today's points
    All,    // every run of the last 3650 days
};

// What every result list is built from. All references must outlive the call they are passed to.
// state supplies levelCount, levelName, levelTimed and the timing table; currentPupil is the pupil
// whose lines are marked; stats the figures of the last rebuild (the rankings' source; the run
// lists read the log afresh); gradeFilter is the grade filter text; now is the moment "today" and the 3650-day window
// are taken from.
struct ListSources
{
    const Installation &state;
    int currentPupil;
    const RunStats &stats;
    const PupilDirectory &pupils;
    QString gradeFilter;
    QDateTime now;
};

// One level's list: its lines top to bottom, and the row to show selected (-1 for none).
struct ResultList
{
    QStringList lines;
    int selectedRow = -1;

    bool operator==(const ResultList &) const = default;
};
