#include "namechange.h"

#include "filesizelimit.h"
#include "rosterfile.h"
#include "rosterfixture.h"

#include <QFileInfo>

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
    std::vector<Boxes> boxes = namechange::load(fx.rosterPath());
    boxes[1].name = QStringLiteral(" 次郎 ");
    const namechange::SaveResult result = namechange::save(fx.rosterPath(), boxes);
    EXPECT_TRUE(result.saved) << result.message.toStdString();
    EXPECT_EQ(RosterFixture::readFile(fx.rosterPath()),
              RosterFixture::rosterBytes({lines[0], RosterFixture::line(2, 2012, QStringLiteral("次郎")), lines[2]}));
}

TEST(NameChangeTest, BirthYearsAreStoredAsNumbers)
{
    RosterFixture fx;
    fx.writeRoster(tenLines());
    std::vector<Boxes> boxes = namechange::load(fx.rosterPath());
    boxes[0].birthYear = QStringLiteral("2001");
    boxes[2].birthYear = QString();
    ASSERT_TRUE(namechange::save(fx.rosterPath(), boxes).saved);
    QStringList expected = tenLines();
    expected[0] = RosterFixture::line(1, 2001, QStringLiteral("生徒1"));
    expected[2] = RosterFixture::line(3, 0, QStringLiteral("生徒3"));
    EXPECT_EQ(RosterFixture::readFile(fx.rosterPath()), RosterFixture::rosterBytes(expected));
}

TEST(NameChangeTest, AShortRosterWritesTheLinesItHas)
{
    RosterFixture fx;
    fx.writeRoster({RosterFixture::line(1, 2011, QStringLiteral("一")), RosterFixture::line(2, 2012, QStringLiteral("二"))});
    std::vector<Boxes> boxes = namechange::load(fx.rosterPath());
    ASSERT_EQ(boxes.size(), 2U);
    boxes[0].name = QStringLiteral("壱");
    boxes[1].name = QStringLiteral("弐");
    boxes.push_back(Boxes{QStringLiteral("余り"), QStringLiteral("2000")});
    ASSERT_TRUE(namechange::save(fx.rosterPath(), boxes).saved);
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
    std::vector<Boxes> boxes = namechange::load(fx.rosterPath());
    ASSERT_EQ(boxes.size(), 2U);
    boxes[1].name = QStringLiteral("二郎");
    ASSERT_TRUE(namechange::save(fx.rosterPath(), boxes).saved);
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
    std::vector<Boxes> boxes = namechange::load(fx.rosterPath());
    ASSERT_EQ(boxes.size(), 2U);
    boxes[1].name = QStringLiteral("二郎");
    const namechange::SaveResult result = namechange::save(fx.rosterPath(), boxes);
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
    const namechange::SaveResult result = namechange::save(fx.rosterPath(), namechange::load(fx.rosterPath()));
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
        const namechange::SaveResult result = namechange::save(fx.rosterPath(), {c.box});
        EXPECT_FALSE(result.saved);
        EXPECT_TRUE(result.message.contains(c.messagePart)) << result.message.toStdString();
        EXPECT_EQ(RosterFixture::readFile(fx.rosterPath()), before);
    }
}

TEST(NameChangeTest, AMissingRosterIsNotCreated)
{
    RosterFixture fx;
    const namechange::SaveResult result = namechange::save(fx.rosterPath(), {Boxes{QStringLiteral("一"), QStringLiteral("2011")}});
    EXPECT_FALSE(result.saved);
    EXPECT_TRUE(result.message.contains(QDir::toNativeSeparators(fx.rosterPath())));
    EXPECT_FALSE(QFileInfo::exists(fx.rosterPath()));
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
    std::vector<Boxes> boxes = namechange::load(fx.rosterPath());
    boxes[0].name = QStringLiteral("新しい名前");
    namechange::SaveResult result;
    {
        const FileSizeLimit limit(static_cast<rlim_t>(before.size() / 2));
        result = namechange::save(fx.rosterPath(), boxes);
    }
    EXPECT_FALSE(result.saved);
    EXPECT_TRUE(result.message.contains(QStringLiteral("名簿は元のままです"))) << result.message.toStdString();
    EXPECT_TRUE(result.message.contains(QStringLiteral("ファイルが大きすぎます"))) << result.message.toStdString();
    EXPECT_EQ(RosterFixture::readFile(fx.rosterPath()), before);
    EXPECT_EQ(QDir(fx.state.folders.filesFolder).entryList(QDir::Files), QStringList{QStringLiteral("生徒用名簿.txt")});
    // Once there is room again the same change goes through.
    EXPECT_TRUE(namechange::save(fx.rosterPath(), boxes).saved);
    EXPECT_EQ(RosterFile::read(fx.rosterPath()).entry(0)->trimmedName(), QStringLiteral("新しい名前"));
}

INSTANTIATE_TEST_SUITE_P(RosterSizes, NameChangeFullDisk, testing::Values(0, 200));
#endif

} // namespace
