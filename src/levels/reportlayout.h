#pragma once

#include "reportfigures.h"

#include <vector>

// Where the blocks of a pupil report go. A page is 10000 × 10000 units whatever it is drawn on
// (the screen's canvas, a printed or a PDF page); a block is a third of the page high, and a page
// holds three blocks, at 500, 3500 and 6500.
namespace reportlayout {

inline constexpr double kPageUnits = 10000.0;
inline constexpr double kFirstBlockTop = 0.05 * kPageUnits;
inline constexpr double kBlockStep = 0.3 * kPageUnits;
inline constexpr double kLastTopBefore = 0.9 * kPageUnits; // a block further down starts a new page

} // namespace reportlayout

struct ReportBlock
{
    double top = 0.0;
    bool firstOnPage = false; // the pupil's name stands above it
    ReportBlockFigures figures;
};

struct ReportPage
{
    QString pupilName;
    std::vector<ReportBlock> blocks;
};

// The pages of one pupil's report with a block per level, in the order given; levels outside 1
// to levelCount end the report there. No levels give no pages. `runs` holds the runs of the pupil
// at those levels (see ReportRuns).
std::vector<ReportPage> reportPages(const ListSources &sources, const ReportRuns &runs, int pupil,
                                    const std::vector<int> &levels);

// The reports of several pupils one after the other, each starting on a new page.
std::vector<ReportPage> reportPages(const ListSources &sources, const ReportRuns &runs, const std::vector<int> &pupils,
                                    const std::vector<int> &levels);
