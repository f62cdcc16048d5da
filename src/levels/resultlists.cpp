#include "resultlists.h"

#include "installation.h"
#include "catalogue.h"
#include "rankinglist.h"

#include <algorithm>

namespace {

int lastLevel(const Installation &state)
{
    return std::min<int>(state.levelCount, kLevelSlots - 1);
}

void fillRankings(const ListSources &sources, ResultListsView &view, DisplayMode mode, PointsRanking ranking,
                  bool skipPractice)
{
    for (int level = 1; level <= lastLevel(sources.state); ++level) {
        const auto slot = static_cast<std::size_t>(level);
        if (skipPractice && catalogue::isPracticeCaption(sources.state.levelName[slot]))
            continue;
        view.lists[slot] = rankingList(sources, level, mode, ranking);
    }
}

} // namespace

std::int64_t runLogRecordsRead(DisplayMode mode, ListChoice choice)
{
    if (choice == ListChoice::All)
        return kAllRunRecords;
    if (mode == DisplayMode::Time && choice == ListChoice::Second)
        return kTodayRunRecords;
    return 0;
}

ResultListsView buildResultLists(const ListSources &sources, DisplayMode mode, ListChoice choice,
                                 std::span<const RunRow> runs)
{
    ResultListsView view;
    if (choice == ListChoice::All) {
        view.lists = allRunLists(sources, runs, mode);
        return view;
    }
    if (mode == DisplayMode::Time) {
        if (choice == ListChoice::First) {
            view.heading = QStringLiteral("ベスト成績");
            fillRankings(sources, view, DisplayMode::Time, PointsRanking::UntilNow, true);
            // The best-time view shows no row selected.
            for (ResultList &list : view.lists)
                list.selectedRow = -1;
        } else {
            view.heading = QStringLiteral("本日の成績");
            view.lists = todayRunLists(sources, runs);
        }
        return view;
    }
    if (choice == ListChoice::First) {
        view.heading = QStringLiteral("獲得ポイント（今まで順位）");
        fillRankings(sources, view, DisplayMode::Points, PointsRanking::UntilNow, false);
    } else {
        view.heading = QStringLiteral("獲得ポイント（今日の順位）");
        fillRankings(sources, view, DisplayMode::Points, PointsRanking::Today, false);
    }
    return view;
}

ListChoiceCaptions listChoiceCaptions(DisplayMode mode)
{
    if (mode == DisplayMode::Time)
        return {QStringLiteral("BEST表示"), QStringLiteral("本日のみ"), QStringLiteral("すべて")};
    return {QStringLiteral("合計累計"), QStringLiteral("合計本日"), QStringLiteral("すべて")};
}

ListChoiceCaptions activationListChoiceCaptions()
{
    return {QStringLiteral("累計順"), QStringLiteral("本日順"), QStringLiteral("すべて")};
}
