#pragma once

#include "listsources.h"
#include "reportruns.h"

#include <cstdint>
#include <vector>

// The figures of one block of the pupil report: one pupil at one level, from the runs of the
// last 3650 days with a result under 1800 seconds.
struct ReportBlockFigures
{
    static constexpr std::int32_t kNoTime = ReportRuns::kNoTime;

    int pupil = 0;
    int level = 0;
    QString title; // product title, a blank, the level's caption

    int runCount = 0;          // the pupil's counted runs
    std::int64_t timeSum = 0;  // and their times added up
    std::int32_t slowest = 0;
    int axisMaximum = 10;      // top of the time axis: the slowest run rounded up past the next 10, at most 1000
    std::vector<RecordPoint> record;

    int allRunCount = 0;       // every pupil's counted runs at the level
    std::int64_t allTimeSum = 0;
    std::int32_t allBest = kNoTime;

    QString timeRank = QStringLiteral("---");   // right-aligned in 3; "---" without a ranked result
    QString pointsRank = QStringLiteral("---");
    std::int64_t points = 0;                    // the pupil's points until now at the level
    int pointsPupilCount = 0;                   // pupils in the points ranking with points
    std::int64_t pointsSum = 0;                 // and their points added up
};

// Gathers one block. The runs come from `runs` (gathered from every record of the log, for this
// pupil and level among others). The record curve holds only the pupil's runs while the pupil
// passes the grade filter.
// The ranks are those of the level's time ranking and its ranking by points until now, over the
// listed pupils under the grade filter; a pupil without a row there (not listed, filtered out,
// or without a result in the time ranking) gets "---" and, without a points row, 0 points.
ReportBlockFigures gatherReportBlock(const ListSources &sources, const ReportRuns &runs, int pupil, int level);

// One line of the block's table; line is its position in line spacings below the first line.
struct ReportTableLine
{
    QString text;
    double line = 0.0;

    bool operator==(const ReportTableLine &) const = default;
};

// The table of figures beside the graph, top to bottom. Without counted runs there is no
// average line; without pupils holding points there are no all-pupil average lines.
std::vector<ReportTableLine> reportTableLines(const ReportBlockFigures &figures);
