#pragma once

#include <QString>

struct Installation;
struct PupilSession;
class RunStats;

// The logic steps of the level screen's activation that are not column texts.

// Runs the pupil made today over levels 1 to 35.
int todayTotalAttempts(const RunStats &stats, int pupil);

// Whether the pupil has cleared install.finalLevel: points and attempts inside the first
// statistics window both reach the level's required points and required count. A final level
// outside 1 to 35 is never cleared.
bool finalCleared(const Installation &install, const RunStats &stats, int pupil);

// The texts above the columns.
struct LevelScreenHeader
{
    QString title;              // productTitle
    int titlePointSize = 24;    // 20 for a title longer than 9 characters
    QString pupilLine;          // grade label, a blank, the trimmed name: "小６ 山田太郎"
    QString minutesText;        // "起動後12分"
    QString todayTotalText;     // "本日総回数＝5回"
    bool reportPrintShown = false; // the report's print button: only for a name containing "先生"

    bool operator==(const LevelScreenHeader &) const = default;
};

// gradeLabel: the current pupil's full-width grade label. nowSeconds: the clock's seconds since
// midnight; a clock that has passed midnight since session.startClock counts on into the next day.
LevelScreenHeader levelScreenHeader(const Installation &install, const PupilSession &session,
                                    const QString &gradeLabel, int todayTotal, double nowSeconds);

// Whole minutes from startClock to nowSeconds (both seconds since midnight).
int minutesSinceStart(std::int32_t startClock, double nowSeconds);
