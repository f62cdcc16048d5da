// Several copies of the program appending to the same run logs at the same moment: every record
// of every copy must arrive whole, once, in the copy's own order.
#include "homerunrecord.h"
#include "runlogrecord.h"

#include "tempinstall.h"

#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <vector>

namespace {

constexpr int kRunsPerCopy = 200;
constexpr int kLevel = 4;
// Pupil 4950 reaches only the run log; the others reach both logs.
const std::vector<int> kPupils = {11, 12, 13, 4950};

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Checks that each pupil's result times arrived as 1, 2, ..., kRunsPerCopy.
void expectEveryRunOnce(const std::map<int, std::vector<std::int32_t>> &times, const std::vector<int> &pupils)
{
    ASSERT_EQ(times.size(), pupils.size());
    for (const int pupil : pupils) {
        const auto it = times.find(pupil);
        ASSERT_NE(it, times.end()) << "pupil " << pupil;
        ASSERT_EQ(it->second.size(), static_cast<std::size_t>(kRunsPerCopy)) << "pupil " << pupil;
        for (int i = 0; i < kRunsPerCopy; ++i)
            ASSERT_EQ(it->second[static_cast<std::size_t>(i)], i + 1) << "pupil " << pupil;
    }
}

TEST(ConcurrentAppends, KeepEveryRecordOfEveryCopy)
{
    TempInstall install;
    install.writeValidMode1();

    std::vector<std::unique_ptr<QProcess>> copies;
    for (const int pupil : kPupils) {
        auto p = std::make_unique<QProcess>();
        p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p->start(QStringLiteral(APPEND_RUNS_PATH), {install.programFolder(), QString::number(pupil),
                                                    QString::number(kLevel), QString::number(kRunsPerCopy)});
        copies.push_back(std::move(p));
    }
    for (const auto &p : copies) {
        ASSERT_TRUE(p->waitForFinished(120000)) << "a copy did not finish";
        ASSERT_EQ(p->exitStatus(), QProcess::NormalExit);
        ASSERT_EQ(p->exitCode(), 0);
    }

    const QByteArray log = readAll(install.programFolder() + QStringLiteral("成績累積データ.dat"));
    ASSERT_EQ(log.size(), static_cast<qsizetype>(kPupils.size()) * kRunsPerCopy * RunRecord::kSize);
    std::map<int, std::vector<std::int32_t>> runTimes;
    for (qsizetype at = 0; at < log.size(); at += RunRecord::kSize) {
        const RunRecord r = RunRecord::decode(QByteArrayView(log).sliced(at, RunRecord::kSize));
        RunRecord expected = RunRecord::forRun(r.runDate, r.runClock, r.pupilNo, kLevel, r.resultTime,
                                               QStringLiteral("01234"));
        ASSERT_EQ(r.encode(), expected.encode()) << "record at byte " << at;
        ASSERT_GT(r.runDate, 40000.0);
        runTimes[r.pupilNo].push_back(r.resultTime);
    }
    expectEveryRunOnce(runTimes, kPupils);

    const QByteArray home = readAll(install.filesFolder() + QStringLiteral("成績累積データ家庭用.dat"));
    const std::vector<int> homePupils = {11, 12, 13};
    ASSERT_EQ(home.size(), static_cast<qsizetype>(homePupils.size()) * kRunsPerCopy * HomeRunRecord::kSize);
    std::map<int, std::vector<std::int32_t>> homeTimes;
    for (qsizetype at = 0; at < home.size(); at += HomeRunRecord::kSize) {
        const HomeRunRecord r = HomeRunRecord::decode(QByteArrayView(home).sliced(at, HomeRunRecord::kSize));
        const HomeRunRecord expected = HomeRunRecord::forRun(QStringLiteral("drill2"), r.runDate, r.runClock, r.pupilNo,
                                                             kLevel, r.resultTime, QStringLiteral("01234"));
        ASSERT_EQ(r.encode(), expected.encode()) << "home record at byte " << at;
        homeTimes[r.pupilNo].push_back(r.resultTime);
    }
    expectEveryRunOnce(homeTimes, homePupils);
}

} // namespace
