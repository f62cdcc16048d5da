#include "adminrun.h"
#include "filesizelimit.h"
#include "questionline.h"
#include "qtprinters.h"
#include "storedfile.h"
#include "testnames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Stored lines of a valid file, to be spoilt by a case.
QStringList validStored()
{
    QStringList stored;
    for (const QString &plain : storedfile::validLines())
        stored << storedfile::storedLine(plain);
    return stored;
}

QByteArray join(const QStringList &stored)
{
    return sjis::encode(stored.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
}

QString stored(int serial, const QString &group, const QString &year)
{
    return storedfile::storedLine(storedfile::questionLine(serial, group, year));
}

QStringList fields(int count)
{
    QStringList out;
    for (int i = 1; i <= count; ++i)
        out << QString::number(i);
    return out;
}

struct SeededFault
{
    const char *name;
    std::function<QByteArray()> make;
    int line; // 0: a problem of the whole file
    const char *words;

    friend void PrintTo(const SeededFault &c, std::ostream *os)
    {
        *os << c.name << ": reported at line " << c.line << " with " << testprint::quoted(c.words);
    }
};

class CheckCommand : public ::testing::TestWithParam<SeededFault> {};

TEST_P(CheckCommand, NamesTheLineOfTheSeededFault)
{
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/Morvidかな0vv.ccc");
    writeFile(path, GetParam().make());
    const AdminRun r = admin({QStringLiteral("check"), path});
    EXPECT_EQ(r.status, 1);
    const QString where = GetParam().line > 0 ? QStringLiteral("%1:%2: ").arg(path).arg(GetParam().line)
                                              : path + QStringLiteral(": ");
    bool found = false;
    for (const QString &reported : r.out.split(u'\n'))
        found = found || (reported.startsWith(where) && reported.contains(QString::fromUtf8(GetParam().words)));
    EXPECT_TRUE(found) << r.out.toStdString();
}

QByteArray withStored(int index, const QString &line)
{
    QStringList s = validStored();
    s[index] = line;
    return join(s);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, CheckCommand,
    ::testing::Values(
        SeededFault{"no_end_marker", [] { return withStored(4, storedfile::storedLine(QStringLiteral("1,1,600,名前,,説明,"))); },
                    5, "no end marker"},
        SeededFault{"too_short", [] { return withStored(6, QString(50, u'あ')); }, 7, "needs at least 99"},
        SeededFault{"empty_line", [] { return withStored(7, QString()); }, 8, "empty"},
        SeededFault{"not_shift_jis",
                    [] {
                        QByteArray bytes = withStored(2, QString(99, u'x'));
                        bytes.replace(QByteArray(99, 'x'), QByteArray(98, 'x') + '\xFD');
                        return bytes;
                    },
                    3, "not Shift-JIS"},
        SeededFault{"too_many_fields",
                    [] { return withStored(8, storedfile::storedLine(fields(101).join(u',') + storedfile::kMarker)); },
                    9, "101 fields"},
        SeededFault{"few_fields", [] { return withStored(9, storedfile::storedLine(QStringLiteral("10,2,700,名前") + storedfile::kMarker)); },
                    10, "4 fields"},
        SeededFault{"group_zero", [] { return withStored(10, stored(11, "0", "700")); }, 11, "group"},
        SeededFault{"group_ten", [] { return withStored(11, stored(12, "10", "700")); }, 12, "group"},
        SeededFault{"group_not_number", [] { return withStored(12, stored(13, "三", "700")); }, 13, "group"},
        SeededFault{"year_not_number", [] { return withStored(13, stored(14, "3", "12a")); }, 14, "year"},
        SeededFault{"year_fraction", [] { return withStored(14, stored(15, "3", "1600.5")); }, 15, "year"},
        SeededFault{"year_too_large", [] { return withStored(15, stored(16, "3", "40000")); }, 16, "whole number"},
        SeededFault{"year_off_timeline", [] { return withStored(16, stored(17, "3", "2100")); }, 17, "timeline"},
        SeededFault{"too_many_lines",
                    [] {
                        QStringList s;
                        while (s.size() <= 1000)
                            s += validStored();
                        return join(s);
                    },
                    1001, "at most 1000"},
        SeededFault{"small_group",
                    [] {
                        QStringList s = validStored();
                        s.removeLast();
                        return join(s);
                    },
                    0, "group 9 has 5 questions (lines 49, 50, 51, 52, 53)"},
        SeededFault{"missing_group",
                    [] {
                        QStringList s = validStored();
                        s.remove(0, 6);
                        return join(s);
                    },
                    0, "group 1 has 0 questions"},
        SeededFault{"empty_file", [] { return QByteArray(); }, 0, "no lines"}),
    testname::ByName());

TEST(CheckCommandReport, ReportsEveryProblemAndIsCleanOnlyWhenThereIsNone)
{
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/q.ccc");
    writeFile(path, join(validStored()));
    const AdminRun clean = admin({QStringLiteral("check"), path});
    EXPECT_EQ(clean.status, 0);
    EXPECT_TRUE(clean.out.contains(QStringLiteral("no problems")));

    QStringList s = validStored();
    s[1] = stored(2, "1", "x");
    s[20] = QString(10, u'a');
    s[40] = stored(41, "", "700");
    writeFile(path, join(s));
    const AdminRun r = admin({QStringLiteral("check"), path});
    EXPECT_EQ(r.status, 1);
    const qsizetype two = r.out.indexOf(path + QStringLiteral(":2: "));
    const qsizetype twentyOne = r.out.indexOf(path + QStringLiteral(":21: "));
    const qsizetype fortyOne = r.out.indexOf(path + QStringLiteral(":41: "));
    // Lines 21 and 41 also leave groups 4 and 7 with five questions each: file-wide problems come last.
    const qsizetype groupFour = r.out.indexOf(path + QStringLiteral(": group 4 has 5 questions"));
    const qsizetype groupSeven = r.out.indexOf(path + QStringLiteral(": group 7 has 5 questions"));
    EXPECT_TRUE(two >= 0 && two < twentyOne && twentyOne < fortyOne && fortyOne < groupFour && groupFour < groupSeven)
        << r.out.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("5 problems"))) << r.out.toStdString();
}

TEST(ScrambleCommand, RoundTripsThroughUnscrambleWithTheFillerKept)
{
    QTemporaryDir dir;
    const QString plainPath = dir.path() + QStringLiteral("/plain.txt");
    const QString storedPath = dir.path() + QStringLiteral("/Morvidかな0vv.ccc");
    const QString backPath = dir.path() + QStringLiteral("/back.txt");
    QStringList plain = storedfile::validLines();
    plain[3] += QString(120, u'長'); // already long enough: stored without filler
    writeFile(plainPath, (plain.join(u'\n') + QStringLiteral("\n\n")).toUtf8());

    const AdminRun s = admin({QStringLiteral("scramble"), plainPath, storedPath});
    ASSERT_EQ(s.status, 0) << s.err.toStdString();
    EXPECT_TRUE(s.out.contains(QStringLiteral("54 lines")));
    const QByteArray storedBytes = readFile(storedPath);
    EXPECT_FALSE(storedBytes.contains(sjis::encode(QStringLiteral("人物1,"))));
    EXPECT_TRUE(storedBytes.endsWith("\r\n"));
    EXPECT_EQ(storedBytes.count("\r\n"), 54);

    ASSERT_EQ(admin({QStringLiteral("unscramble"), storedPath, backPath}).status, 0);
    const QStringList back = QString::fromUtf8(readFile(backPath)).split(u'\n');
    ASSERT_EQ(back.size(), 55);
    EXPECT_TRUE(back.last().isEmpty());
    for (int i = 0; i < plain.size(); ++i)
        EXPECT_EQ(back[i], questionline::padded(plain[i], 99)) << i;
    EXPECT_EQ(back[3], plain[3]);

    // Scrambling the unscrambled text gives the stored file back byte for byte.
    const QString againPath = dir.path() + QStringLiteral("/again.ccc");
    ASSERT_EQ(admin({QStringLiteral("scramble"), backPath, againPath}).status, 0);
    EXPECT_EQ(readFile(againPath), storedBytes);
}

TEST(ScrambleCommand, RefusesLinesTheProgramCouldNotReadAndLeavesTheOutputAlone)
{
    QTemporaryDir dir;
    const QString plainPath = dir.path() + QStringLiteral("/plain.txt");
    const QString outPath = dir.path() + QStringLiteral("/out.ccc");
    writeFile(outPath, "previous");

    QStringList plain = storedfile::validLines();
    plain[1] = QStringLiteral("2,1,600,no marker");
    plain[4] = QString();
    plain[6] = storedfile::questionLine(7, "2", "600").replace(QStringLiteral("人物7"), QStringLiteral("😀人"));
    plain[8] = fields(101).join(u',') + storedfile::kMarker;
    writeFile(plainPath, plain.join(QStringLiteral("\r\n")).toUtf8());

    const AdminRun r = admin({QStringLiteral("scramble"), plainPath, outPath});
    EXPECT_EQ(r.status, 1);
    for (const QString &expected : {QStringLiteral(":2: no end marker"), QStringLiteral(":5: the line is empty"),
                                    QStringLiteral(":7: characters that Shift-JIS cannot store: 😀"),
                                    QStringLiteral(":9: 101 fields")})
        EXPECT_TRUE(r.err.contains(plainPath + expected)) << expected.toStdString() << "\n" << r.err.toStdString();
    EXPECT_EQ(readFile(outPath), QByteArray("previous"));

    writeFile(plainPath, QByteArray("1,1,600,\xff\xfe\xfd,a,b,c") + sjis::encode(questionline::kEndMarker));
    const AdminRun notUtf8 = admin({QStringLiteral("scramble"), plainPath, outPath});
    EXPECT_EQ(notUtf8.status, 1);
    EXPECT_TRUE(notUtf8.err.contains(QStringLiteral("not UTF-8")));
    EXPECT_EQ(readFile(outPath), QByteArray("previous"));

    QStringList tooMany;
    while (tooMany.size() <= 1000)
        tooMany += storedfile::validLines();
    writeFile(plainPath, tooMany.join(u'\n').toUtf8());
    const AdminRun lines = admin({QStringLiteral("scramble"), plainPath, outPath});
    EXPECT_EQ(lines.status, 1);
    EXPECT_TRUE(lines.err.contains(plainPath + QStringLiteral(":1001: "))) << lines.err.toStdString();
}

#ifdef Q_OS_LINUX
TEST(ScrambleCommand, AFullDiskIsReportedAndLeavesTheOutputAlone)
{
    QTemporaryDir dir;
    const QString plainPath = dir.path() + QStringLiteral("/plain.txt");
    const QString outPath = dir.path() + QStringLiteral("/out.ccc");
    writeFile(plainPath, storedfile::validLines().join(u'\n').toUtf8());
    writeFile(outPath, "previous");
    AdminRun r;
    {
        const FileSizeLimit limit(1000); // the stored file fits in the write buffer but not on the disk
        r = admin({QStringLiteral("scramble"), plainPath, outPath});
    }
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("cannot write ") + outPath + QStringLiteral(": file too large")))
        << r.err.toStdString();
    EXPECT_EQ(readFile(outPath), QByteArray("previous"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2);
}
#endif

TEST(UnscrambleCommand, RefusesLinesItCannotUnscramble)
{
    QTemporaryDir dir;
    const QString storedPath = dir.path() + QStringLiteral("/q.ccc");
    const QString outPath = dir.path() + QStringLiteral("/out.txt");
    QStringList s = validStored();
    s[2] = QString(98, u'x');
    writeFile(storedPath, join(s));
    const AdminRun r = admin({QStringLiteral("unscramble"), storedPath, outPath});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains(storedPath + QStringLiteral(":3: 98 characters"))) << r.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(outPath));
}

TEST(BankCommands, WrongCallsMissingFilesAndHelp)
{
    for (const QStringList &args : {QStringList{"scramble", "one"}, QStringList{"unscramble"},
                                    QStringList{"check"}, QStringList{"check", "a", "b"}}) {
        const AdminRun r = admin(args);
        EXPECT_EQ(r.status, 2) << args.join(u' ').toStdString();
        EXPECT_TRUE(r.err.contains(QStringLiteral("Usage: tavrel-admin ") + args.first()));
    }
    QTemporaryDir dir;
    const QString missing = dir.path() + QStringLiteral("/none.ccc");
    for (const QString &command : {QStringLiteral("check"), QStringLiteral("unscramble"), QStringLiteral("scramble")}) {
        QStringList args{command, missing};
        if (command != u"check")
            args << dir.path() + QStringLiteral("/out");
        const AdminRun r = admin(args);
        EXPECT_EQ(r.status, 1) << command.toStdString();
        EXPECT_TRUE(r.err.contains(QStringLiteral("cannot read ") + missing)) << r.err.toStdString();
        const AdminRun help = admin({command, QStringLiteral("--help")});
        EXPECT_EQ(help.status, 0);
        EXPECT_TRUE(help.out.startsWith(QStringLiteral("Usage: tavrel-admin ") + command));
    }
    const AdminRun all = admin({QStringLiteral("--help")});
    for (const char *command : {"scramble", "unscramble", "check"})
        EXPECT_TRUE(all.out.contains(QString::fromUtf8(command))) << command;
}

} // namespace
