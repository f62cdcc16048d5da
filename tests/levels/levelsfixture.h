#pragma once

// A small school for the level-screen tests: 18 catalogue levels with one timing, five pupils,
// and run logs built in memory. "Now" is 2024-03-08 15:00; the school year is 2023.
#include "installation.h"
#include "catalogue.h"
#include "listsources.h"
#include "oadate.h"
#include "pupildirectory.h"
#include "pupilsession.h"
#include "runlogrecord.h"
#include "reportruns.h"
#include "runstats.h"
#include "testinstallation.h"

#include <QByteArray>
#include <QDateTime>

#include <memory>
#include <vector>

namespace levelsfixture {

inline QDateTime now()
{
    return QDateTime(QDate(2024, 3, 8), QTime(15, 0));
}

inline constexpr int kSchoolYear = 2023;
// Pupil numbers; the current pupil is kYamada.
inline constexpr int kYamada = 1; // grade 6
inline constexpr int kSato = 2;   // grade 6
inline constexpr int kSuzuki = 3; // grade 8
inline constexpr int kTaka = 4;   // grade 17: no mark
inline constexpr int kTanaka = 5; // grade 1, a name longer than five characters

struct LoggedRun
{
    int daysAgo = 0;
    QTime clock;
    int pupil = 0;
    int level = 0;
    int time = 0;
};

inline QByteArray runLog(const std::vector<LoggedRun> &runs)
{
    QByteArray log;
    for (const LoggedRun &r : runs) {
        log += RunRecord::forRun(oadate::fromDate(now().date().addDays(-r.daysAgo)), oadate::timeOfDay(r.clock),
                                 static_cast<std::int16_t>(r.pupil), static_cast<std::int16_t>(r.level), r.time,
                                 QStringLiteral("01234"))
                   .encode();
    }
    return log;
}

// Every level: pass 100 s, limit 300 s, 3 runs and 100 points within 7 days, weight 1.5.
inline Installation state()
{
    Installation s = catalogueInstallation(100, 300);
    for (int level = 1; level < kLevelSlots; ++level) {
        LevelTiming &t = s.timingTable[static_cast<std::size_t>(level)];
        if (level > catalogue::kLevelCount) {
            t.passTime = 100;
            t.limitTime = 300;
        }
        t.requiredPoints = 100;
        t.requiredCount = 3;
        t.levelWeight = 1.5F;
        t.window1Days = 7;
        t.window2Days = 30;
        s.levelTimed[static_cast<std::size_t>(level)] = 1;
    }
    return s;
}

// Yamada at the keyboard.
inline PupilSession session()
{
    PupilSession p;
    p.pupilNo = kYamada;
    p.pupilName = QStringLiteral("山田太郎            ");
    return p;
}

inline PupilDirectory pupils()
{
    PupilDirectory d(kSchoolYear);
    d.setPupil(kYamada, QStringLiteral("山田太郎            "), 2011, QStringLiteral("小６"));
    d.setPupil(kSato, QStringLiteral("佐藤花子            "), 2011, QStringLiteral("小６"));
    d.setPupil(kSuzuki, QStringLiteral("鈴木一郎            "), 2009, QStringLiteral("中２"));
    d.setPupil(kTaka, QStringLiteral("高橋                "), 2000);
    d.setPupil(kTanaka, QStringLiteral("田中美咲子ちゃん    "), 2016, QStringLiteral("小１"));
    d.setListed({kYamada, kSato, kSuzuki, kTaka, kTanaka});
    return d;
}

// The statistics of a log. The row table reads its rows from the log's bytes, so the log lives
// alongside.
struct LogStats
{
    QByteArray log;
    RunStats stats;
};

inline std::unique_ptr<LogStats> logStats(const Installation &s, const std::vector<LoggedRun> &runs)
{
    auto result = std::make_unique<LogStats>();
    result->log = runLog(runs);
    const auto outOfRange = result->stats.countRecords(result->log, s.timingTable, now());
    (void)outOfRange;
    return result;
}

// What the pupil report gathers for pupils and levels from every row of the log.
inline ReportRuns reportRunsOf(const LogStats &log, const std::vector<int> &pupils, const std::vector<int> &levels)
{
    ReportRuns runs(now(), pupils, levels);
    runs.addAll(log.stats.rows());
    return runs;
}

} // namespace levelsfixture
