// The answer log: test runs played through DrillRun with known wrong answers, recorded, and their
// records checked byte for byte; the run logs unchanged by it; reading it back piece by piece;
// its records kept when it cannot take them.
#include "answerlog.h"

#include "clock.h"
#include "corefakes.h"
#include "drillrun.h"
#include "fakedrillhost.h"
#include "pendingruns.h"
#include "pupilsession.h"
#include "questionfactory.h"
#include "questionidentity.h"
#include "randomsource.h"
#include "recordsfixture.h"
#include "runlog.h"
#include "runrecording.h"
#include "runstats.h"
#include "soundeffects.h"
#include "soundtable.h"
#include "testinstallation.h"

#include <QDir>
#include <QFile>

#include <cstring>
#include <map>

#include <gtest/gtest.h>

namespace {

// Little-endian bytes, written out here apart from the record code, so that a change of layout
// shows.
void le(QByteArray &out, std::uint64_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

void leDouble(QByteArray &out, double value)
{
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    le(out, bits, 8);
}

struct Expected
{
    int line;
    std::uint32_t hash;
    int wrongChoices;
    int wrongYears;
    int asked;
    bool cleared;
};

QByteArray expectedRecord(double date, double clock, int pupil, int level, int group, const Expected &e)
{
    QByteArray b;
    leDouble(b, date);
    leDouble(b, clock);
    le(b, static_cast<std::uint64_t>(pupil), 2);
    le(b, static_cast<std::uint64_t>(level), 2);
    le(b, static_cast<std::uint64_t>(group), 2);
    le(b, static_cast<std::uint64_t>(e.line), 2);
    le(b, e.hash, 4);
    le(b, static_cast<std::uint64_t>(e.wrongChoices), 2);
    le(b, static_cast<std::uint64_t>(e.wrongYears), 2);
    le(b, static_cast<std::uint64_t>(e.asked), 2);
    b += static_cast<char>(e.cleared ? 1 : 0);
    b += static_cast<char>(1); // layout version
    b += QByteArray("01234");  // site code
    b += QByteArray(7, '\0');
    return b;
}

// What the pupil does on a question the first time it is put up: wrong choices before the right
// one, wrong years before the right one.
struct Plan
{
    int wrongChoices = 0;
    int wrongYears = 0;
};

// Plays test runs of level 2 through DrillRun, answering as planned, and records their outcomes
// as the program does.
class AnswerLogTest : public testing::Test
{
protected:
    AnswerLogTest()
    {
        session.pupilName = QStringLiteral("山田太郎");
        session.pupilNo = 12;
        session.runLevel = 2;
        session.startClock = 9 * 3600;
    }

    // n questions of group 1 on lines 11, 12, …, answered as `plans` says (by question index;
    // absent: right at once). Returns the outcome the run handed over.
    RunOutcome play(int n, const std::map<int, Plan> &plans, bool timeOut = false, int clearBeforeTimeOut = 0)
    {
        QList<Question> questions = numberedQuestions(n);
        for (int i = 0; i < n; ++i)
            questions[i].line = 11 + i;
        run.activate(questions, RunHistory{});
        std::map<int, bool> planned;
        int clearedCount = 0;
        int guard = 0;
        while (host.recorded.isEmpty() && guard++ < 1000) {
            if (timeOut && clearedCount == clearBeforeTimeOut) {
                clock.advance(10000.0);
                run.clockTick();
                break;
            }
            if (run.coverTimerRunning())
                run.coverTimerFired();
            const int q = run.currentQuestion();
            const Plan plan = !planned[q] && plans.count(q) ? plans.at(q) : Plan{};
            planned[q] = true;
            int wrongLeft = plan.wrongChoices;
            for (int c = 0; c < DrillView::kChoices && wrongLeft > 0; ++c) {
                if (c != run.answerChoice() && run.view().choices.at(static_cast<std::size_t>(c)).enabled) {
                    run.chooseChoice(c);
                    --wrongLeft;
                }
            }
            run.chooseChoice(run.answerChoice());
            if (run.yearCoverTimerRunning())
                run.yearCoverTimerFired();
            int yearsLeft = plan.wrongYears;
            const int right = rightYear();
            for (int k = 0; k < DrillView::kYears && yearsLeft > 0; ++k) {
                if (k != right) {
                    run.chooseYear(k);
                    --yearsLeft;
                }
            }
            if (run.clearCounter(q) == 1)
                ++clearedCount;
            run.chooseYear(right);
        }
        EXPECT_EQ(host.recorded.size(), 1);
        return host.recorded.value(0);
    }

    int rightYear() const
    {
        for (int k = 0; k < DrillView::kYears; ++k) {
            if (run.view().yearTexts.at(static_cast<std::size_t>(k)).trimmed().toInt()
                == run.question(run.currentQuestion()).year)
                return k;
        }
        return -1;
    }

    std::optional<RecordedRun> record(RecordsFixture &f, const RunOutcome &outcome, bool withAnswers = true)
    {
        RunStats stats;
        PendingRuns pending(f.state, f.root() + QStringLiteral("/pending"));
        return RecordRun(f.state, stats, session.pupilNo, outcome.level, outcome.seconds, wallClock, pending,
                         probe.callbacks(), withAnswers ? outcome.answers : std::vector<QuestionAnswers>{});
    }

    QString answerLog(const RecordsFixture &f) const { return answerlog::answerLogPath(f.state.folders); }

    // The day number and time of day of the wall clock's moment.
    static double day() { return static_cast<double>(QDate(1899, 12, 30).daysTo(QDate(2026, 12, 9))); }
    static double timeOfDay() { return (10 * 3600 + 15 * 60 + 30) / 86400.0; }

    Installation drillState = catalogueInstallation(60, 100);
    PupilSession session;
    ManualClock clock{QDateTime(QDate(2026, 12, 9), QTime(9, 0, 30))};
    ManualClock wallClock{QDateTime(QDate(2026, 12, 9), QTime(10, 15, 30))};
    SeededRandom random{7};
    SoundTable table;
    FakeSoundPlayer player;
    ScriptedRandom soundRandom{{0.0}};
    SoundEffects sounds{table, QStringLiteral("/snd/"), player, soundRandom, [](const QString &, const QString &) {}};
    FakeDrillHost host;
    FakeScreenPainter painter;
    DrillRun run{drillState, session, clock, random, sounds, host, painter};
    RecordsFixture fx;
    CallbackProbe probe;
};

TEST(QuestionIdentity, TheNameHashIsTheFirstFourBytesOfTheSha1OfTheShiftJisName)
{
    // SHA-1 of the Shift-JIS bytes of "人物1" begins 77 90 06 b1.
    EXPECT_EQ(questionidentity::nameHash(QStringLiteral("人物1")), 0xb1069077u);
    EXPECT_NE(questionidentity::nameHash(QStringLiteral("人物1")), questionidentity::nameHash(QStringLiteral("人物2")));
}

TEST_F(AnswerLogTest, ARunWithKnownWrongAnswersGivesItsRecordsByteForByte)
{
    // Question 0: two wrong choices (set back, so asked three times); question 2: three wrong
    // years; question 4: one wrong choice and one wrong year; the others right at once.
    const RunOutcome outcome = play(6, {{0, {2, 0}}, {2, {0, 3}}, {4, {1, 1}}});
    ASSERT_FALSE(outcome.timedOut);
    ASSERT_EQ(outcome.answers.size(), 6u);
    ASSERT_TRUE(record(fx, outcome));
    EXPECT_TRUE(probe.fatals.isEmpty());

    const std::vector<Expected> expected{
        {11, questionidentity::nameHash(QStringLiteral("人物1")), 2, 0, 3, true},
        {12, questionidentity::nameHash(QStringLiteral("人物2")), 0, 0, 1, true},
        {13, questionidentity::nameHash(QStringLiteral("人物3")), 0, 3, 1, true},
        {14, questionidentity::nameHash(QStringLiteral("人物4")), 0, 0, 1, true},
        {15, questionidentity::nameHash(QStringLiteral("人物5")), 1, 1, 3, true},
        {16, questionidentity::nameHash(QStringLiteral("人物6")), 0, 0, 1, true},
    };
    QByteArray bytes;
    for (const Expected &e : expected)
        bytes += expectedRecord(day(), timeOfDay(), 12, 2, 1, e);
    EXPECT_EQ(RecordsFixture::read(answerLog(fx)), bytes);

    // A second run goes after the first.
    host.recorded.clear();
    const RunOutcome second = play(6, {{5, {3, 2}}});
    ASSERT_TRUE(record(fx, second));
    QByteArray more;
    for (int i = 0; i < 6; ++i) {
        const bool missed = i == 5;
        more += expectedRecord(day(), timeOfDay(), 12, 2, 1,
                               {11 + i, questionidentity::nameHash(QStringLiteral("人物%1").arg(i + 1)),
                                missed ? 3 : 0, missed ? 2 : 0, missed ? 3 : 1, true});
    }
    EXPECT_EQ(RecordsFixture::read(answerLog(fx)), bytes + more);
}

TEST_F(AnswerLogTest, ATimedOutRunRecordsTheQuestionsItNeverClearedAsNotCleared)
{
    const RunOutcome outcome = play(6, {{0, {1, 0}}}, true, 2);
    ASSERT_TRUE(outcome.timedOut);
    ASSERT_TRUE(record(fx, outcome));
    const QByteArray bytes = RecordsFixture::read(answerLog(fx));
    ASSERT_EQ(bytes.size(), 6 * AnswerRecord::kSize);
    int cleared = 0;
    int asked = 0;
    answerlog::decodeAll(bytes, [&](const AnswerRow &row) {
        cleared += row.cleared ? 1 : 0;
        asked += row.asked;
        EXPECT_EQ(row.wrongChoices, row.line == 11 && row.asked > 0 ? 1 : 0);
    });
    EXPECT_EQ(cleared, 2);
    // Two cleared questions, one of them asked again after its wrong choice; never the rest.
    EXPECT_GE(asked, 3);
}

TEST_F(AnswerLogTest, TheRunLogsAreTheSameWithAndWithoutTheAnswerLog)
{
    const RunOutcome outcome = play(8, {{1, {2, 1}}, {3, {0, 2}}});
    RecordsFixture without;
    ASSERT_TRUE(record(fx, outcome, true));
    ASSERT_TRUE(record(without, outcome, false));
    EXPECT_EQ(RecordsFixture::read(fx.runLog()), RecordsFixture::read(without.runLog()));
    EXPECT_EQ(RecordsFixture::read(fx.homeRunLog()), RecordsFixture::read(without.homeRunLog()));
    EXPECT_EQ(RecordsFixture::read(fx.runLog()).size(), RunRecord::kSize);
    EXPECT_EQ(RecordsFixture::read(answerLog(fx)).size(), 8 * AnswerRecord::kSize);
    EXPECT_FALSE(QFile::exists(answerLog(without)));
}

TEST_F(AnswerLogTest, APracticeHandsOverNoAnswers)
{
    session.runLevel = 7;
    run.activate(numberedQuestions(6), RunHistory{});
    EXPECT_TRUE(run.outcome().answers.empty());
}

TEST_F(AnswerLogTest, ALogThatCannotTakeTheRecordsKeepsThemForLaterAndTheRunLogStillTakesItsOwn)
{
    const RunOutcome outcome = play(6, {{0, {1, 1}}});
    // A folder where the answer log should be: it cannot be opened as a file.
    ASSERT_TRUE(QDir().mkpath(answerLog(fx)));
    const std::optional<RecordedRun> recorded = record(fx, outcome);
    ASSERT_TRUE(recorded);
    EXPECT_TRUE(recorded->kept);
    EXPECT_EQ(recorded->notice.count(QStringLiteral("解答記録")), 1) << recorded->notice.toStdString();
    EXPECT_EQ(RecordsFixture::read(fx.runLog()).size(), RunRecord::kSize);

    PendingRuns pending(fx.state, fx.root() + QStringLiteral("/pending"));
    const PendingRuns::Contents contents = pending.read();
    ASSERT_TRUE(contents.file);
    ASSERT_EQ(contents.file->entries.size(), 6u);
    QByteArray kept;
    for (const PendingEntry &e : contents.file->entries) {
        EXPECT_EQ(e.log, QStringLiteral("data/解答累積データ.dat"));
        kept += e.record;
    }

    // Once the log can be written, the kept records go to it in order, each once.
    ASSERT_TRUE(QDir(answerLog(fx)).removeRecursively());
    const PendingRuns::Appended appended = pending.appendWaiting(probe.callbacks());
    EXPECT_EQ(appended.appended, 6);
    EXPECT_EQ(appended.waiting, 0);
    EXPECT_EQ(RecordsFixture::read(answerLog(fx)), kept);
    EXPECT_EQ(RecordsFixture::read(answerLog(fx)).mid(0, 16),
              [] {
                  QByteArray b;
                  leDouble(b, day());
                  leDouble(b, timeOfDay());
                  return b;
              }());
}

TEST(AnswerLogRecord, EncodesAndDecodesEveryField)
{
    AnswerRecord r;
    r.row = AnswerRow{46365.0, 0.25, 4999, 35, 18, 1000, 0xfedcba98u, 7, 300, 12, true};
    r.siteCode = QStringLiteral("A1");
    const QByteArray bytes = r.encode();
    ASSERT_EQ(bytes.size(), AnswerRecord::kSize);
    EXPECT_EQ(AnswerRecord::decode(bytes), r);
    EXPECT_EQ(bytes.mid(36, 5), QByteArray("A1   "));
    EXPECT_EQ(bytes.mid(41), QByteArray(7, '\0'));
}

TEST(AnswerLogReading, ReadsEveryWholeRecordAcrossPiecesAndPassesOverRowsOutsideTheTables)
{
    RecordsFixture f;
    QByteArray bytes;
    std::int64_t expectedWrong = 0;
    const int count = 4096 * 2 + 17;
    for (int i = 0; i < count; ++i) {
        AnswerRecord r;
        r.row = AnswerRow{46000.0 + i % 30, 0.5, static_cast<std::int16_t>(1 + i % 40), 2, 1,
                          static_cast<std::int16_t>(1 + i % 20), 5, static_cast<std::int16_t>(i % 3), 0, 1, true};
        r.siteCode = QStringLiteral("01234");
        expectedWrong += i % 3;
        bytes += r.encode();
    }
    AnswerRecord outside;
    outside.row.pupil = 5001;
    outside.row.level = 2;
    bytes += outside.encode();
    bytes += QByteArray(20, 'x'); // a record cut short
    RecordsFixture::write(answerlog::answerLogPath(f.state.folders), bytes);

    int rows = 0;
    std::int64_t wrong = 0;
    QString problem;
    CallbackProbe probe;
    ASSERT_TRUE(answerlog::readEveryAnswer(
        f.state.folders,
        [&](const AnswerRow &row) {
            ++rows;
            wrong += row.wrongChoices;
        },
        probe.callbacks(), &problem))
        << problem.toStdString();
    EXPECT_EQ(rows, count);
    EXPECT_EQ(wrong, expectedWrong);
}

TEST(AnswerLogReading, ALogNotYetWrittenReadsAsNoRowsAndAnUnreadableOneSaysWhy)
{
    RecordsFixture f;
    CallbackProbe probe;
    int rows = 0;
    QString problem;
    EXPECT_TRUE(answerlog::readEveryAnswer(f.state.folders, [&](const AnswerRow &) { ++rows; }, probe.callbacks(),
                                           &problem));
    EXPECT_EQ(rows, 0);

    f.state.folders.dataFolder = f.root() + QStringLiteral("/gone/");
    EXPECT_FALSE(answerlog::readEveryAnswer(f.state.folders, [&](const AnswerRow &) { ++rows; }, probe.callbacks(),
                                            &problem));
    EXPECT_TRUE(problem.contains(QStringLiteral("解答累積データ.dat"))) << problem.toStdString();
    EXPECT_TRUE(probe.fatals.isEmpty());
}

} // namespace
