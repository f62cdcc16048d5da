#pragma once

#include <QString>

#include <cstdint>

class RunStats;

// Which two figures the start screen's list shows after each name. The values are the indexes
// of the screen's option buttons.
enum class FigureMode {
    RunsTodayAndAll = 0,    // today's runs / all runs
    PointsTodayAndAll = 1,  // today's points / all points
    TodayPointsAndRuns = 2, // today's points / today's runs
    AllPointsAndRuns = 3,   // all points / all runs
};

// The mode every activation of the start screen begins with.
inline constexpr FigureMode kStartFigureMode = FigureMode::PointsTodayAndAll;
inline constexpr int kFigureModeCount = 4;

// A pupil's totals over levels 1 to 35, as of the statistics they were taken from.
struct PupilFigures
{
    std::int64_t runsToday = 0;
    std::int64_t pointsToday = 0;
    std::int64_t runsAll = 0;
    std::int64_t pointsAll = 0;

    bool operator==(const PupilFigures &) const = default;
};

// The texts of the start screen's list. Every figure has a column of fixed display width (a
// full-width character counts as two) so that the lines of the list font line up; a zero shows
// as blanks of the same width. A figure too long for its column widens the column rather than
// losing leading digits.
namespace listline {

// The line above the pupils, also the line that means "no pupil chosen".
inline const QString kHeader = QStringLiteral("－－－－－－");

QString modeCaption(FigureMode mode);

PupilFigures figuresOf(const RunStats &stats, int pupil);

QString runsTodayText(std::int64_t runs);     // "  3回"; 0: five spaces
QString pointsTodayText(std::int64_t points); // "  42"; 0: "  　"
QString runsAllText(std::int64_t runs);       // "   17回"; 0: five spaces and "　"
QString pointsAllText(std::int64_t points);   // "    812"; 0: seven spaces

// "today's runs/all runs" and so on, as the mode says.
QString figuresText(const PupilFigures &figures, FigureMode mode);

// One pupil's line as the list shows it: the list grade label, a space, the trimmed name,
// full-width spaces up to 9 characters (11 after a kindergarten label; none when the name is
// longer), then the figures.
QString lineText(const QString &gradeLabel, const QString &trimmedName, const PupilFigures &figures,
                 FigureMode mode);

} // namespace listline
