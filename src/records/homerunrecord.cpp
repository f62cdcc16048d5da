#include "homerunrecord.h"

#include "recordfields.h"

namespace {
constexpr int kProgramFolderAt = 0;
constexpr int kProgramFolderWidth = 20;
constexpr int kSpareNoAt = 20;
constexpr int kDateAt = 22;
constexpr int kClockAt = 30;
constexpr int kPupilAt = 38;
constexpr int kLevelAt = 40;
constexpr int kTimeAt = 42;
constexpr int kSiteCodeAt = 46;
constexpr int kSpare2At = 51;
constexpr int kSpare3At = 56;
constexpr int kSpare4At = 61;
constexpr int kTextWidth = 5;
} // namespace

HomeRunRecord HomeRunRecord::forRun(const QString &folderName, double runDate, double runClock,
                                    std::int16_t pupilNo, std::int16_t level, std::int32_t resultTime,
                                    const QString &siteCode)
{
    HomeRunRecord r;
    r.programFolder = folderName + u'\\';
    r.runDate = runDate;
    r.runClock = runClock;
    r.pupilNo = pupilNo;
    r.level = level;
    r.resultTime = resultTime;
    r.siteCode = siteCode;
    return r;
}

QByteArray HomeRunRecord::encode() const
{
    using namespace recordfields;
    QByteArray bytes(kSize, '\0');
    char *at = bytes.data();
    putText(at + kProgramFolderAt, kProgramFolderWidth, programFolder);
    putInt16(at + kSpareNoAt, spareNo);
    putDouble(at + kDateAt, runDate);
    putDouble(at + kClockAt, runClock);
    putInt16(at + kPupilAt, pupilNo);
    putInt16(at + kLevelAt, level);
    putInt32(at + kTimeAt, resultTime);
    putText(at + kSiteCodeAt, kTextWidth, siteCode);
    putText(at + kSpare2At, kTextWidth, spare2);
    putText(at + kSpare3At, kTextWidth, spare3);
    putText(at + kSpare4At, kTextWidth, spare4);
    return bytes;
}

HomeRunRecord HomeRunRecord::decode(QByteArrayView bytes)
{
    using namespace recordfields;
    const char *at = bytes.data();
    HomeRunRecord r;
    r.programFolder = textAt(at + kProgramFolderAt, kProgramFolderWidth);
    r.spareNo = int16At(at + kSpareNoAt);
    r.runDate = doubleAt(at + kDateAt);
    r.runClock = doubleAt(at + kClockAt);
    r.pupilNo = int16At(at + kPupilAt);
    r.level = int16At(at + kLevelAt);
    r.resultTime = int32At(at + kTimeAt);
    r.siteCode = textAt(at + kSiteCodeAt, kTextWidth);
    r.spare2 = textAt(at + kSpare2At, kTextWidth);
    r.spare3 = textAt(at + kSpare3At, kTextWidth);
    r.spare4 = textAt(at + kSpare4At, kTextWidth);
    return r;
}
