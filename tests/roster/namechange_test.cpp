#include "namechange.h"

#include "filesizelimit.h"
#include "rosterfile.h"
#include "rosterfixture.h"
#include "rosterlock.h"
#include "lockholder.h"

#include <QFileInfo>

#include <algorithm>

#include <gtest/gtest.h>


namespace {

using namechange::Boxes;

QStringList tenLines()
{
    QStringList lines;
    for (int i = 1; i <= 10; ++i)
        lines << RosterFixture::line(i, 2010 + i, QStringLiteral("生徒%1").arg(i));
    return lines;
}

TEST(NameChangeLoadTest, ShowsTheFirstThreePupils)
{
    RosterFixture fx;
    fx.writeRoster(tenLines());
    EXPECT_EQ(namechange::load(fx.rosterPath()),
              (std::vector<Boxes>{{QStringLiteral("生徒1"), QStringLiteral("2011")},
                                  {QStringLiteral("生徒2"), QStringLiteral("2012")},
                                  {QStringLiteral("生徒3"), QStringLiteral("2013")}}));
    fx.writeRoster({RosterFixture::line(8, 2015, QStringLiteral("一")), QStringLiteral("damaged"),
                    RosterFixture::line(9, 2016, QStringLiteral("二"))});
    EXPECT_EQ(namechange::load(fx.rosterPath()),
              (std::vector<Boxes>{{QStringLiteral("一"), QStringLiteral("2015")},
                                  {QStringLiteral("二"), QStringLiteral("2016")}}));
    EXPECT_TRUE(namechange::load(fx.rosterPath() + QStringLiteral(".none")).empty());
}

TEST(NameChangeTest, TypedNamesAreStoredTrimmedAndSafe)
{
    const std::pair<QString, QString> cases[] = {
        {QStringLiteral("  山田 太郎　 "), QStringLiteral("山田 太郎")},
        {QStringLiteral("「A\"B\"」"), QStringLiteral("「A”B”」")},
        {QStringLiteral("一\r\n二\t三"), QStringLiteral("一  二 三")},
        {QStringLiteral("あいうえおかきくけこさしすせそたちつてとなにぬ"), QStringLiteral("あいうえおかきくけこさしすせそたちつてと")},
        {QString(), QString()},
    };
    for (const auto &[typed, stored] : cases)
        EXPECT_EQ(namechange::storedName(typed), stored) << typed.toStdString();
}

TEST(NameChangeTest, TypedBirthYears)
{
    const std::pair<QString, std::optional<std::int16_t>> cases[] = {
        {QStringLiteral("2001"), 2001},   {QStringLiteral(" 2001 "), 2001}, {QStringLiteral("２００１"), 2001},
        {QStringLiteral("2001年"), 2001}, {QString(), 0},                   {QStringLiteral("abc"), 0},
        {QStringLiteral("-5"), -5},       {QStringLiteral("2001.6"), 2002}, {QStringLiteral("32767"), 32767},
        {QStringLiteral("32768"), std::nullopt}, {QStringLiteral("99999999999"), std::nullopt},
    };
    for (const auto &[typed, stored] : cases)
        EXPECT_EQ(namechange::storedBirthYear(typed), stored) << typed.toStdString();
}

TEST(NameChangeTest, ChangingTheSecondNameChangesOnlyThatLine)
{
    RosterFixture fx;
    const QStringList lines = {QStringLiteral("1,2011,0,0,\"一郎\",0,\"\",\"\""), // written by another tool: no padding
                               RosterFixture::line(2, 2012, QStringLiteral("二郎")),
                               QStringLiteral("3,2013,5,6,\"三郎\",2,\"メモ\",\"\"")};
    fx.writeRoster(lines);
    const std::vector<Boxes> loaded = namechange::load(fx.rosterPath());
    std::vector<Boxes> boxes = loaded;
    boxes[1].name = QStringLiteral(" 次郎 ");
    const namechange::SaveResult result = namechange::save(fx.rosterPath(), loaded, boxes);
    EXPECT_TRUE(result.saved) << result.message.toStdString();
    EXPECT_EQ(RosterFixture::readFile(fx.rosterPath()),
              RosterFixture::rosterBytes({lines[0], RosterFixture::line(2, 2012, QStringLiteral("次郎")), lines[2]}));
}

TEST(NameChangeTest, BirthYearsAreStoredAsNumbers)
{
    RosterFixture fx;
    fx.writeRoster(tenLines());
    const std::vector<Boxes> loaded = namechange::load(fx.rosterPath());
    std::vector<Boxes> boxes = loaded;
    boxes[0].birthYear = QStringLiteral("2001");
    boxes[2].birthYear = QString();
    ASSERT_TRUE(namechange::save(fx.rosterPath(), loaded, boxes).saved);
    QStringList expected = tenLines();
    expected[0] = RosterFixture::line(1, 2001, QStringLiteral("生徒1"));
    expected[2] = RosterFixture::line(3, 0, QStringLiteral("生徒3"));
    EXPECT_EQ(RosterFixture::readFile(fx.rosterPath()), RosterFixture::rosterBytes(expected));
}

TEST(NameChangeTest, AShortRosterWritesTheLinesItHas)
{
    RosterFixture fx;
    fx.writeRoster({RosterFixture::line(1, 2011, QStringLiteral("一")), RosterFixture::line(2, 2012, QStringLiteral("二"))});
    const std::vector<Boxes> loaded = namechange::load(fx.rosterPath());
    std::vector<Boxes> boxes = loaded;
    ASSERT_EQ(boxes.size(), 2U);
    boxes[0].name = QStringLiteral("壱");
    boxes[1].name = QStringLiteral("弐");
    boxes.push_back(Boxes{QStringLiteral("余り"), QStringLiteral("2000")});
    ASSERT_TRUE(namechange::save(fx.rosterPath(), loaded, boxes).saved);
    EXPECT_EQ(RosterFixture::readFile(fx.rosterPath()),
              RosterFixture::rosterBytes({RosterFixture::line(1, 2011, QStringLiteral("壱")),
                                          RosterFixture::line(2, 2012, QStringLiteral("弐"))}));
}

TEST(NameChangeTest, DamagedAndLongLinesSurviveARewrite)
{
    RosterFixture fx;
    const QStringList lines = {QStringLiteral("# 名簿 2026"), RosterFixture::line(1, 2011, QStringLiteral("一")),
                               QStringLiteral("9999,2011,0,0,\"範囲外\",0,\"\",\"\""),
                               QStringLiteral("2,2012,0,0,\"二\",0,\"a note much longer than twenty characters\",\"\"")};
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += sjis::encode(line) + "\n"; // another tool's line ends
    RosterFixture::writeFile(fx.rosterPath(), bytes);
    const std::vector<Boxes> loaded = namechange::load(fx.rosterPath());
    std::vector<Boxes> boxes = loaded;
    ASSERT_EQ(boxes.size(), 2U);
    boxes[1].name = QStringLiteral("二郎");
    ASSERT_TRUE(namechange::save(fx.rosterPath(), loaded, boxes).saved);
    EXPECT_EQ(RosterFixture::readFile(fx.rosterPath()),
              RosterFixture::rosterBytes({lines[0], lines[1], lines[2],
                                          QStringLiteral("2,2012,0,0,\"二郎                  \",0,"
                                                         "\"a note much longer than twenty characters\",\"%1\"")
                                              .arg(QString(20, u' '))}));
}

TEST(NameChangeTest, BlankLinesSurviveARewrite)
{
    RosterFixture fx;
    const QStringList lines = {RosterFixture::line(1, 2011, QStringLiteral("一")), QString(), QStringLiteral("   "),
                               RosterFixture::line(2, 2012, QStringLiteral("二"))};
    fx.writeRoster(lines);
    const std::vector<Boxes> loaded = namechange::load(fx.rosterPath());
    std::vector<Boxes> boxes = loaded;
    ASSERT_EQ(boxes.size(), 2U);
    boxes[1].name = QStringLiteral("二郎");
    const namechange::SaveResult result = namechange::save(fx.rosterPath(), loaded, boxes);
    ASSERT_TRUE(result.saved);
    EXPECT_TRUE(result.changed);
    EXPECT_EQ(RosterFixture::readFile(fx.rosterPath()),
              RosterFixture::rosterBytes({lines[0], lines[1], lines[2], RosterFixture::line(2, 2012, QStringLiteral("二郎"))}));
}

TEST(NameChangeTest, NothingChangedLeavesTheFileUntouched)
{
    RosterFixture fx;
    const QByteArray bytes = sjis::encode(QStringLiteral("1,2011,0,0,\"一\",0,\"\",\"\"\n"));
    RosterFixture::writeFile(fx.rosterPath(), bytes);
    const std::vector<Boxes> loaded = namechange::load(fx.rosterPath());
    const namechange::SaveResult result = namechange::save(fx.rosterPath(), loaded, loaded);
    EXPECT_TRUE(result.saved);
    EXPECT_FALSE(result.changed);
    EXPECT_EQ(RosterFixture::readFile(fx.rosterPath()), bytes);
}

TEST(NameChangeTest, RefusedInputWritesNothing)
{
    RosterFixture fx;
    fx.writeRoster(tenLines());
    const QByteArray before = RosterFixture::readFile(fx.rosterPath());
    struct Case
    {
        Boxes box;
        QString messagePart;
    };
    const Case cases[] = {
        {Boxes{QStringLiteral("生徒一"), QStringLiteral("40000")}, QStringLiteral("40000")},
        {Boxes{QStringLiteral("😀"), QStringLiteral("2011")}, QStringLiteral("書けない文字")},
    };
    for (const Case &c : cases) {
        const namechange::SaveResult result = namechange::save(fx.rosterPath(), namechange::load(fx.rosterPath()), {c.box});
        EXPECT_FALSE(result.saved);
        EXPECT_TRUE(result.message.contains(c.messagePart)) << result.message.toStdString();
        EXPECT_EQ(RosterFixture::readFile(fx.rosterPath()), before);
    }
}

TEST(NameChangeTest, AMissingRosterIsNotCreated)
{
    RosterFixture fx;
    // The screen was filled while the roster was there; it has gone since.
    const namechange::SaveResult result = namechange::save(fx.rosterPath(), {Boxes{QStringLiteral("一"), QStringLiteral("2011")}},
                                                           {Boxes{QStringLiteral("壱"), QStringLiteral("2011")}});
    EXPECT_FALSE(result.saved);
    EXPECT_TRUE(result.message.contains(QDir::toNativeSeparators(fx.rosterPath())));
    EXPECT_FALSE(QFileInfo::exists(fx.rosterPath()));
}

// The screen was filled; then another writer (an import, another PC) changed the roster before
// "変更" was pressed. Each case: which rows the other writer changed, which rows the pupil edited,
// and which of the pupil's edits must be refused.
struct WriterCase
{
    const char *name;
    std::vector<int> changedOnDisk; // 0-based rows, renamed "外N" by the other writer
    std::vector<int> edited;        // 0-based rows, renamed "内N" by the pupil
    std::vector<int> refused;
};

class NameChangeAfterAnotherWriter : public testing::TestWithParam<WriterCase> {};

TEST_P(NameChangeAfterAnotherWriter, KeepsBothChangesOrRefusesTheRowThatChangedOnDisk)
{
    const WriterCase &c = GetParam();
    RosterFixture fx;
    fx.writeRoster(tenLines());
    const std::vector<Boxes> loaded = namechange::load(fx.rosterPath());

    QStringList onDisk = tenLines();
    for (const int row : c.changedOnDisk)
        onDisk[row] = RosterFixture::line(row + 1, 2011 + row, QStringLiteral("外%1").arg(row + 1));
    // The other writer also adds a pupil at the end, which the name change must keep.
    onDisk << RosterFixture::line(11, 2015, QStringLiteral("新入生"));
    fx.writeRoster(onDisk);

    std::vector<Boxes> typed = loaded;
    for (const int row : c.edited)
        typed[static_cast<std::size_t>(row)].name = QStringLiteral("内%1").arg(row + 1);
    const namechange::SaveResult result = namechange::save(fx.rosterPath(), loaded, typed);

    QStringList expected = onDisk;
    for (const int row : c.edited) {
        if (std::find(c.refused.begin(), c.refused.end(), row) == c.refused.end())
            expected[row] = RosterFixture::line(row + 1, 2011 + row, QStringLiteral("内%1").arg(row + 1));
    }
    EXPECT_EQ(RosterFixture::readFile(fx.rosterPath()), RosterFixture::rosterBytes(expected));
    EXPECT_EQ(result.changedElsewhere, c.refused);
    EXPECT_EQ(result.saved, c.refused.empty());
    EXPECT_EQ(result.changed, c.edited.size() > c.refused.size());
    for (const int row : c.refused)
        EXPECT_TRUE(result.message.contains(QStringLiteral("上から%1番目").arg(row + 1))) << result.message.toStdString();
    if (!c.refused.empty()) {
        EXPECT_TRUE(result.message.contains(QStringLiteral("いまの名簿を表示します"))) << result.message.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, NameChangeAfterAnotherWriter,
    testing::Values(WriterCase{"OtherRowsChanged", {1, 2}, {0}, {}}, WriterCase{"SameRowChanged", {0}, {0}, {0}},
                    WriterCase{"OneOfTwoEditedRowsChanged", {2}, {0, 2}, {2}},
                    WriterCase{"NothingEditedWritesNothing", {0, 1, 2}, {}, {}}),
    [](const testing::TestParamInfo<WriterCase> &param) { return std::string(param.param.name); });

TEST(NameChangeTest, ARowWhosePupilMovedDownIsNotOverwritten)
{
    RosterFixture fx;
    fx.writeRoster(tenLines());
    const std::vector<Boxes> loaded = namechange::load(fx.rosterPath());
    QStringList onDisk = tenLines();
    onDisk.prepend(RosterFixture::line(50, 2016, QStringLiteral("割り込み")));
    fx.writeRoster(onDisk);
    std::vector<Boxes> typed = loaded;
    typed[0].name = QStringLiteral("一郎");
    const namechange::SaveResult result = namechange::save(fx.rosterPath(), loaded, typed);
    EXPECT_FALSE(result.saved);
    EXPECT_EQ(result.changedElsewhere, std::vector<int>{0});
    EXPECT_EQ(RosterFixture::readFile(fx.rosterPath()), RosterFixture::rosterBytes(onDisk));
}

TEST(NameChangeTest, WaitsForAnotherWriterAndGivesUpWithAMessage)
{
    RosterFixture fx;
    fx.writeRoster(tenLines());
    const QByteArray before = RosterFixture::readFile(fx.rosterPath());
    const std::vector<Boxes> loaded = namechange::load(fx.rosterPath());
    std::vector<Boxes> typed = loaded;
    typed[1].name = QStringLiteral("二郎");

    LockHolder other(RosterLock::lockPath(fx.rosterPath()), QStringLiteral("exclusive"));
    ASSERT_TRUE(other.holds());
    int waits = 0;
    const namechange::SaveResult busy = namechange::save(fx.rosterPath(), loaded, typed, [&] { ++waits; });
    EXPECT_FALSE(busy.saved);
    EXPECT_EQ(waits, namechange::kLockAttempts - 1);
    EXPECT_TRUE(busy.message.contains(QStringLiteral("少ししてから"))) << busy.message.toStdString();
    EXPECT_EQ(RosterFixture::readFile(fx.rosterPath()), before);

    // The other writer finishes while this one waits: the change goes through.
    const namechange::SaveResult saved = namechange::save(fx.rosterPath(), loaded, typed, [&] { other.release(); });
    EXPECT_TRUE(saved.saved) << saved.message.toStdString();
    EXPECT_EQ(RosterFile::read(fx.rosterPath()).entry(1)->trimmedName(), QStringLiteral("二郎"));
}

#ifdef Q_OS_LINUX
// A roster small enough to sit in the write buffer, whose failure shows only when it is flushed,
// and one large enough to fail while it is written.
class NameChangeFullDisk : public testing::TestWithParam<int> {};

TEST_P(NameChangeFullDisk, AWriteThatFailsPartWayLeavesTheOldRosterIntact)
{
    RosterFixture fx;
    QStringList lines = tenLines();
    for (int i = 0; i < GetParam(); ++i)
        lines << RosterFixture::line(100 + i, 2012, QStringLiteral("生徒"));
    fx.writeRoster(lines);
    const QByteArray before = RosterFixture::readFile(fx.rosterPath());
    const std::vector<Boxes> loaded = namechange::load(fx.rosterPath());
    std::vector<Boxes> boxes = loaded;
    boxes[0].name = QStringLiteral("新しい名前");
    namechange::SaveResult result;
    {
        const FileSizeLimit limit(static_cast<rlim_t>(before.size() / 2));
        result = namechange::save(fx.rosterPath(), loaded, boxes);
    }
    EXPECT_FALSE(result.saved);
    EXPECT_TRUE(result.message.contains(QStringLiteral("名簿は元のままです"))) << result.message.toStdString();
    EXPECT_TRUE(result.message.contains(QStringLiteral("ファイルが大きすぎます"))) << result.message.toStdString();
    EXPECT_EQ(RosterFixture::readFile(fx.rosterPath()), before);
    EXPECT_EQ(QDir(fx.state.folders.filesFolder).entryList(QDir::Files | QDir::Hidden),
              (QStringList{QStringLiteral("生徒用名簿.txt"), QStringLiteral("生徒用名簿.txt.lock")}));
    // Once there is room again the same change goes through.
    EXPECT_TRUE(namechange::save(fx.rosterPath(), loaded, boxes).saved);
    EXPECT_EQ(RosterFile::read(fx.rosterPath()).entry(0)->trimmedName(), QStringLiteral("新しい名前"));
}

INSTANTIATE_TEST_SUITE_P(RosterSizes, NameChangeFullDisk, testing::Values(0, 200));
#endif

} // namespace
