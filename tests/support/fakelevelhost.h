#pragma once

#include "installation.h"
#include "levelhost.h"
#include "pupildirectory.h"
#include "runlogrecord.h"
#include "runstats.h"

#include <QByteArray>
#include <QDateTime>

#include <utility>
#include <map>
#include <vector>

// Stands in for the program around the level screen: the figures and the run lists come from
// the run log bytes `log` as of `now`, the pupils from `directory`; what the screen keeps and
// where it hands over is noted.
class FakeLevelHost : public LevelHost
{
public:
    bool computeStats() override
    {
        ++statsRebuilt;
        const auto outOfRange = stats->countRecords(log, state->timingTable, now);
        (void)outOfRange;
        return true;
    }
    bool readNewestRuns(std::int64_t count, std::vector<RunRow> &runs) override
    {
        ++logReads;
        if (readFails)
            return false;
        const std::int64_t records = log.size() / RunRecord::kSize;
        for (std::int64_t r = std::max<std::int64_t>(0, records - count); r < records; ++r)
            runs.push_back(RunRecord::decodeRow(log.constData() + r * RunRecord::kSize));
        return true;
    }
    bool readEveryRun(const std::function<void(const RunRow &)> &visit) override
    {
        for (qsizetype at = 0; at + RunRecord::kSize <= log.size(); at += RunRecord::kSize)
            visit(RunRecord::decodeRow(log.constData() + at));
        return true;
    }
    std::optional<std::vector<WeakListEntry>> pupilWeakFigures(int pupil, int top) override
    {
        weakAskedFor.push_back(pupil);
        if (weakFails)
            return std::nullopt;
        std::vector<WeakListEntry> entries = weak[pupil];
        if (entries.size() > static_cast<std::size_t>(top))
            entries.resize(static_cast<std::size_t>(top));
        return entries;
    }
    const PupilDirectory &pupils() override { return directory; }
    void keep(const LevelVisit &visit) override { kept.push_back(visit); }
    void startLevel(int level, bool closeLevels) override { started.emplace_back(level, closeLevels); }
    void backToStart() override { ++backs; }

    const Installation *state = nullptr;
    RunStats *stats = nullptr;
    QByteArray log;
    QDateTime now;
    PupilDirectory directory;
    int statsRebuilt = 0;
    int logReads = 0;
    bool readFails = false; // the newest runs cannot be read (as if the failure had been reported)
    std::map<int, std::vector<WeakListEntry>> weak; // by pupil
    bool weakFails = false;
    std::vector<int> weakAskedFor;
    std::vector<LevelVisit> kept;
    std::vector<std::pair<int, bool>> started; // level, whether the level screen goes
    int backs = 0;
};
