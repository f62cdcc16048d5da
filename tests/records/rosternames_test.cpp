#include "rosternames.h"

#include "sjis.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(RosterNames, ReadsNumbersAndNamesAndPassesOverWhatCannotBeStored)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("生徒用名簿.txt"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(sjis::encode(QStringLiteral("1,2012,0,0,\"山田　太郎          \",0,\"\",\"\"\r\n"
                                        "5000,2013,0,0,\"佐藤, 花子\",1,\"メモ\",\"\"\r\n"
                                        "5001,2013,0,0,\"範囲外\",0,\"\",\"\"\r\n"
                                        "x,2013,0,0,\"番号なし\",0,\"\",\"\"\r\n"
                                        "1e10,2013,0,0,\"大きすぎる番号\",0,\"\",\"\"\r\n"
                                        "-1e300,2013,0,0,\"負の番号\",0,\"\",\"\"\r\n"
                                        "2.5,2013,0,0,\"端数\",0,\"\",\"\"\r\n"
                                        "1,2013,0,0,\"二度目の1番\",0,\"\",\"\"\r\n"
                                        "7,2013,0,0,\"途中まで\"\r\n")));
    f.close();
    const std::vector<QString> names = rosternames::read(path);
    ASSERT_EQ(names.size(), 5001U);
    EXPECT_EQ(names[1], QStringLiteral("山田　太郎"));
    EXPECT_EQ(names[5000], QStringLiteral("佐藤, 花子"));
    EXPECT_TRUE(names[7].isEmpty());
    EXPECT_TRUE(names[2].isEmpty());
    EXPECT_TRUE(names[0].isEmpty());
}

TEST(RosterNames, AMissingRosterKnowsNoNames)
{
    QTemporaryDir dir;
    const std::vector<QString> names = rosternames::read(dir.filePath(QStringLiteral("生徒用名簿.txt")));
    ASSERT_EQ(names.size(), 5001U);
    EXPECT_TRUE(std::all_of(names.begin(), names.end(), [](const QString &n) { return n.isEmpty(); }));
}

} // namespace
