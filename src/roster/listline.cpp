#include "listline.h"

#include "gradelabels.h"
#include "runstats.h"

namespace listline {

namespace {

constexpr QChar kFullWidthSpace = QChar(0x3000);
constexpr int kLastLevel = kLevelSlots - 1;
constexpr int kNameWidth = 9;
constexpr int kKindergartenNameWidth = 11;

QString rightAligned(std::int64_t value, int width)
{
    return QString::number(value).rightJustified(width, u' ');
}

} // namespace

QString modeCaption(FigureMode mode)
{
    switch (mode) {
    case FigureMode::RunsTodayAndAll:
        return QStringLiteral("回数(今日／今まで）");
    case FigureMode::PointsTodayAndAll:
        return QStringLiteral("ポイント（今日／今まで）");
    case FigureMode::TodayPointsAndRuns:
        return QStringLiteral("本日（ポイント／回数）");
    case FigureMode::AllPointsAndRuns:
        return QStringLiteral("今まで（ポイント／回数）");
    }
    return {};
}

PupilFigures figuresOf(const RunStats &stats, int pupil)
{
    PupilFigures figures;
    for (int level = 1; level <= kLastLevel; ++level) {
        const LevelStats &s = stats.at(pupil, level);
        figures.runsToday += s.attemptsToday;
        figures.pointsToday += s.pointsToday;
        figures.runsAll += s.attemptsAll;
        figures.pointsAll += s.pointsAll;
    }
    return figures;
}

QString runsTodayText(std::int64_t runs)
{
    return runs == 0 ? QStringLiteral("     ") : rightAligned(runs, 3) + u'回';
}

QString pointsTodayText(std::int64_t points)
{
    return points == 0 ? QStringLiteral("  　") : rightAligned(points, 4);
}

QString runsAllText(std::int64_t runs)
{
    return runs == 0 ? QStringLiteral("     　") : rightAligned(runs, 5) + u'回';
}

QString pointsAllText(std::int64_t points)
{
    return points == 0 ? QStringLiteral("       ") : rightAligned(points, 7);
}

QString figuresText(const PupilFigures &f, FigureMode mode)
{
    switch (mode) {
    case FigureMode::RunsTodayAndAll:
        return runsTodayText(f.runsToday) + u'/' + runsAllText(f.runsAll);
    case FigureMode::PointsTodayAndAll:
        return pointsTodayText(f.pointsToday) + u'/' + pointsAllText(f.pointsAll);
    case FigureMode::TodayPointsAndRuns:
        return pointsTodayText(f.pointsToday) + u'/' + runsTodayText(f.runsToday);
    case FigureMode::AllPointsAndRuns:
        return pointsAllText(f.pointsAll) + u'/' + runsAllText(f.runsAll);
    }
    return {};
}

QString lineText(const QString &gradeLabel, const QString &trimmedName, const PupilFigures &figures,
                 FigureMode mode)
{
    const bool kindergarten = gradeLabel.startsWith(QChar(gradelabels::kKindergartenMark));
    QString text = gradeLabel + u' ' + trimmedName;
    const qsizetype width = kindergarten ? kKindergartenNameWidth : kNameWidth;
    if (text.size() < width)
        text += QString(width - text.size(), kFullWidthSpace);
    return text + figuresText(figures, mode);
}

} // namespace listline
