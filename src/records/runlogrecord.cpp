#include "runlogrecord.h"

RunRecord RunRecord::forRun(double runDate, double runClock, std::int16_t pupilNo, std::int16_t level,
                            std::int32_t resultTime, const QString &siteCode)
{
    RunRecord r;
    r.runDate = runDate;
    r.runClock = runClock;
    r.pupilNo = pupilNo;
    r.level = level;
    r.resultTime = resultTime;
    r.siteCode = siteCode;
    r.spare1 = QString();
    // Older copies of the program read the points from here; every writer stores "0".
    r.pointsText = QStringLiteral("0");
    return r;
}

QByteArray RunRecord::encode() const
{
    using namespace recordfields;
    QByteArray bytes(kSize, '\0');
    char *at = bytes.data();
    putDouble(at + kDateAt, runDate);
    putDouble(at + kClockAt, runClock);
    putInt16(at + kPupilAt, pupilNo);
    putInt16(at + kLevelAt, level);
    putInt32(at + kTimeAt, resultTime);
    putText(at + kSiteCodeAt, kTextWidth, siteCode);
    putText(at + kSpare1At, kTextWidth, spare1);
    putText(at + kPointsTextAt, kTextWidth, pointsText);
    putText(at + kSpare2At, kTextWidth, spare2);
    return bytes;
}

RunRecord RunRecord::decode(QByteArrayView bytes)
{
    using namespace recordfields;
    const char *at = bytes.data();
    const RunRow row = decodeRow(at);
    RunRecord r;
    r.runDate = row.date;
    r.runClock = row.clock;
    r.pupilNo = row.pupil;
    r.level = row.level;
    r.resultTime = row.time;
    r.siteCode = textAt(at + kSiteCodeAt, kTextWidth);
    r.spare1 = textAt(at + kSpare1At, kTextWidth);
    r.pointsText = textAt(at + kPointsTextAt, kTextWidth);
    r.spare2 = textAt(at + kSpare2At, kTextWidth);
    return r;
}
