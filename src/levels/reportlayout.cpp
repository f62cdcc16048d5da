#include "reportlayout.h"

#include "installation.h"
#include "pupildirectory.h"

std::vector<ReportPage> reportPages(const ListSources &sources, const ReportRuns &runs, int pupil,
                                    const std::vector<int> &levels)
{
    using namespace reportlayout;
    std::vector<ReportPage> pages;
    const QString name = sources.pupils.name(pupil).trimmed();
    double top = kFirstBlockTop - kBlockStep;
    for (const int level : levels) {
        if (level < 1 || level > sources.state.levelCount || level >= kLevelSlots)
            break;
        top += kBlockStep;
        if (pages.empty() || top > kLastTopBefore) {
            pages.push_back({name, {}});
            top = kFirstBlockTop;
        }
        pages.back().blocks.push_back({top, pages.back().blocks.empty(), gatherReportBlock(sources, runs, pupil, level)});
    }
    return pages;
}

std::vector<ReportPage> reportPages(const ListSources &sources, const ReportRuns &runs, const std::vector<int> &pupils,
                                    const std::vector<int> &levels)
{
    std::vector<ReportPage> pages;
    for (const int pupil : pupils) {
        std::vector<ReportPage> own = reportPages(sources, runs, pupil, levels);
        pages.insert(pages.end(), std::make_move_iterator(own.begin()), std::make_move_iterator(own.end()));
    }
    return pages;
}
