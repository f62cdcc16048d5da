#pragma once

#include "recordfields.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <optional>

// The numeric fields of a run-log record: what the statistics and the result lists work on.
struct RunRow
{
    double date = 0.0;  // day number of the run's date
    double clock = 0.0; // time of day as a fraction of a day
    std::int16_t pupil = 0;
    std::int16_t level = 0;
    std::int32_t time = 0; // result in whole seconds; 99999 after a time-out
};

// One record of the run log "成績累積データ.dat": 44 bytes, shared with copies of the program on
// other machines and platforms. This class is the only place that knows the layout.
struct RunRecord
{
    static constexpr qsizetype kSize = 44;

    double runDate = 0.0;  // whole days since 1899-12-30
    double runClock = 0.0; // fraction of a day
    std::int16_t pupilNo = 0;
    std::int16_t level = 0;
    std::int32_t resultTime = 0;
    std::optional<QString> siteCode;   // 5 bytes
    std::optional<QString> spare1;     // 5 bytes
    std::optional<QString> pointsText; // 5 bytes
    std::optional<QString> spare2;     // 5 bytes

    bool operator==(const RunRecord &) const = default;

    // A record as the program writes it for a finished run.
    static RunRecord forRun(double runDate, double runClock, std::int16_t pupilNo, std::int16_t level,
                            std::int32_t resultTime, const QString &siteCode);

    QByteArray encode() const;
    // bytes holds at least kSize bytes.
    static RunRecord decode(QByteArrayView bytes);

    // The numeric fields of the record starting at `at` (kSize bytes), without touching the text
    // fields: the statistics decode every record of the log with it.
    static RunRow decodeRow(const char *at)
    {
        return RunRow{recordfields::doubleAt(at + kDateAt), recordfields::doubleAt(at + kClockAt),
                      recordfields::int16At(at + kPupilAt), recordfields::int16At(at + kLevelAt),
                      recordfields::int32At(at + kTimeAt)};
    }

private:
    static constexpr int kDateAt = 0;
    static constexpr int kClockAt = 8;
    static constexpr int kPupilAt = 16;
    static constexpr int kLevelAt = 18;
    static constexpr int kTimeAt = 20;
    static constexpr int kSiteCodeAt = 24;
    static constexpr int kSpare1At = 29;
    static constexpr int kPointsTextAt = 34;
    static constexpr int kSpare2At = 39;
    static constexpr int kTextWidth = 5;
};
