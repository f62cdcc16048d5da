#include "classmap.h"
#include "sjis.h"
#include "testnames.h"

#include <gtest/gtest.h>

namespace {

struct MapCase
{
    const char *name;
    QString text;
    std::vector<ClassMap::Class> classes;
    std::vector<int> badLines;
};

void PrintTo(const MapCase &c, std::ostream *os)
{
    *os << c.name;
}

class ClassMapFiles : public testing::TestWithParam<MapCase>
{
};

TEST_P(ClassMapFiles, ReadEveryGoodLineAndNameEveryBadOne)
{
    const ClassMap map = ClassMap::parse(sjis::encode(GetParam().text), QStringLiteral("/s/files/生徒用名簿クラス.txt"));
    EXPECT_EQ(map.classes(), GetParam().classes);
    std::vector<int> lines;
    for (const DataFileError &p : map.problems()) {
        lines.push_back(p.line());
        EXPECT_TRUE(p.problem().endsWith(QStringLiteral("このクラスは使いません。"))) << p.text().toStdString();
    }
    EXPECT_EQ(lines, GetParam().badLines);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ClassMapFiles,
    testing::Values(
        MapCase{"Empty", QString(), {}, {}},
        MapCase{"TwoClasses", QStringLiteral("\"6-1\",1,35\r\n\"6-2\",36,70\r\n"),
                {{QStringLiteral("6-1"), 1, 35}, {QStringLiteral("6-2"), 36, 70}}, {}},
        MapCase{"BareLabelsAndBlankLinesAndLf", QStringLiteral("\n6-1,1,35\n\n ひまわり , 101 , 130 \n"),
                {{QStringLiteral("6-1"), 1, 35}, {QStringLiteral("ひまわり"), 101, 130}}, {}},
        MapCase{"FullWidthLabelsAreFolded", QStringLiteral("\"６－１\",1,35\r\n\"6-1\",40,50\r\n"),
                {{QStringLiteral("6-1"), 1, 35}}, {2}},
        MapCase{"DamagedLinesCostOnlyTheirClass",
                QStringLiteral("\"6-1\",1,35\r\n\"6-2\",36\r\n\"\",40,50\r\n\"6-3\",0,9\r\n\"6-4\",60,5001\r\n"
                               "\"6-5\",80,71\r\n\"6-6\",30,40\r\n\"6-7\",2.5,9\r\n\"unclosed,1,2\r\n\"6-8\",100,110\r\n"),
                {{QStringLiteral("6-1"), 1, 35}, {QStringLiteral("6-8"), 100, 110}}, {2, 3, 4, 5, 6, 7, 8, 9}}),
    testname::ByName());

TEST(ClassMap, FindsClassesAndWritesWhatItReads)
{
    ClassMap map = ClassMap::parse(QByteArray("\"6-1\",1,35\r\n"), QStringLiteral("生徒用名簿クラス.txt"));
    map.set({QStringLiteral("６－２"), 36, 70});
    map.set({QStringLiteral("6-1"), 1, 36 - 1});
    EXPECT_EQ(map.encode(), QByteArray("\"6-1\",1,35\r\n\"6-2\",36,70\r\n"));
    EXPECT_EQ(map.find(QStringLiteral(" 6-2 "))->first, 36);
    EXPECT_EQ(map.classOf(36)->label, QStringLiteral("6-2"));
    EXPECT_EQ(map.classOf(71), nullptr);
    EXPECT_EQ(map.overlapping(30, 40, QStringLiteral("6-2"))->label, QStringLiteral("6-1"));
    EXPECT_EQ(map.overlapping(71, 80, QStringLiteral("6-3")), nullptr);
    EXPECT_EQ(ClassMap::parse(map.encode(), map.filePath()).classes(), map.classes());
    EXPECT_EQ(ClassMap::pathBeside(QStringLiteral("/s/files/生徒用名簿.txt")), QStringLiteral("/s/files/生徒用名簿クラス.txt"));

    EXPECT_TRUE(ClassMap::labelProblem(QStringLiteral("6-1")).isEmpty());
    for (const QString &bad : {QString(), QStringLiteral("a\"b"), QStringLiteral("a\tb"), QStringLiteral("𠮷組"),
                               QString(21, u'組')})
        EXPECT_FALSE(ClassMap::labelProblem(bad).isEmpty()) << bad.toStdString();

    const ClassMap missing = ClassMap::read(QStringLiteral("/nonexistent/生徒用名簿クラス.txt"));
    EXPECT_FALSE(missing.found());
    EXPECT_TRUE(missing.problems().empty());
}

} // namespace
