// The teachers' roster import and export, end to end, over class lists as teachers keep them
// (tests/data/classlists: two classes of 35 pupils numbered 1 to 35, as an Excel workbook made by
// a spreadsheet program, Shift-JIS CSV with CR LF, UTF-8 with a byte-order mark, UTF-16 text).
#include "adminrun.h"
#include "classmap.h"
#include "gradelabels.h"
#include "rosterfile.h"
#include "rosterlock.h"
#include "runlogbytes.h"
#include "schoolyear.h"
#include "sjis.h"
#include "tempinstall.h"
#include "testfiles.h"

#ifdef Q_OS_LINUX
#include "filesizelimit.h"
#endif

#include <QFileInfo>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

const QString kLists = QStringLiteral(TAVREL_TEST_DATA "/classlists/");
// The lists are of a 6th grade of the school year 2025.
const QDate kInSchoolYear2025(2025, 10, 1);

QString list(const char *name)
{
    return kLists + QString::fromUtf8(name);
}

int lineCount(const QString &text, const QString &start)
{
    int n = 0;
    for (const QString &line : text.split(u'\n'))
        n += line.startsWith(start) ? 1 : 0;
    return n;
}

// An installation with an empty roster and a run log in which numbers 3 and 7 have runs.
class RosterImport : public testing::Test
{
protected:
    void SetUp() override
    {
        install.writeValidMode1();
        install.writeBytes(QStringLiteral("files/生徒用名簿.txt"), QByteArray());
        QByteArray runs;
        for (int i = 0; i < 2; ++i)
            runs += runLogRecordBytes(QDate(2025, 6, 10), 3, 2, 90);
        runs += runLogRecordBytes(QDate(2025, 6, 11), 7, 4, 120);
        install.writeBytes(QStringLiteral("drill2/成績累積データ.dat"), runs);
    }

    QString rosterPath() const { return install.filesFolder() + QStringLiteral("生徒用名簿.txt"); }
    QString backupPath() const { return install.filesFolder() + QStringLiteral("生徒用名簿temp.txt"); }
    QString classesPath() const { return install.filesFolder() + QStringLiteral("生徒用名簿クラス.txt"); }
    QByteArray roster() const { return testfiles::read(rosterPath()); }

    AdminRun import(const QString &file, QStringList options = {},
                    AdminLanguage language = AdminLanguage::English) const
    {
        return admin(QStringList{QStringLiteral("roster"), QStringLiteral("import"), install.programFolder(), file}
                         + options,
                     language);
    }

    QString csv(const QString &text) const
    {
        const QString path = install.root() + QStringLiteral("/class.csv");
        testfiles::write(path, text.toUtf8());
        return path;
    }

    // Number → (name, birth year) of the roster's pupils.
    std::map<int, std::pair<QString, int>> pupils() const
    {
        std::map<int, std::pair<QString, int>> result;
        const RosterFile file = RosterFile::read(rosterPath());
        for (const RosterFile::Line &line : file.lines()) {
            if (line.entry)
                result.emplace(line.entry->rosterNo, std::make_pair(line.entry->trimmedName(), line.entry->birthYear));
        }
        return result;
    }

    TempInstall install;
};

TEST_F(RosterImport, TheSecondClassNumberedFromOneChangesNothingAndNamesEveryConflict)
{
    const AdminRun first = import(list("6-1.xlsx"), {QStringLiteral("--class"), QStringLiteral("6-1")});
    ASSERT_EQ(first.status, 0) << first.err.toStdString();
    EXPECT_TRUE(first.out.contains(QStringLiteral("Excel workbook, sheet \"6年1組\"; header on line 3: 出席番号, 氏名, "
                                                  "生年月日; 35 pupils")))
        << first.out.toStdString();
    EXPECT_TRUE(first.out.contains(QStringLiteral("class 6-1: list numbers 1 to 35 are roster numbers 1 to 35")));
    EXPECT_EQ(lineCount(first.out, QStringLiteral("add ")), 35);
    EXPECT_TRUE(first.out.contains(QStringLiteral("35 added, 0 updated, 0 renamed, 0 unchanged")));
    const std::map<int, std::pair<QString, int>> classOne = pupils();
    ASSERT_EQ(classOne.size(), 35U);
    EXPECT_EQ(testfiles::read(classesPath()), QByteArray("\"6-1\",1,35\r\n"));

    const QByteArray before = roster();
    const QStringList listing = install.listing();
    const AdminRun second = import(list("6-2-cp932.csv"));
    EXPECT_EQ(second.status, 1);
    EXPECT_EQ(lineCount(second.err, QStringLiteral("conflict ")), 35) << second.err.toStdString();
    for (const auto &[number, pupil] : classOne) {
        const QString conflict = QStringLiteral("conflict %1: %2 in the roster, ").arg(number).arg(pupil.first);
        EXPECT_TRUE(second.err.contains(conflict)) << conflict.toStdString();
    }
    EXPECT_TRUE(second.err.contains(QStringLiteral("in the list (2 runs in the run log)"))) << second.err.toStdString();
    EXPECT_TRUE(second.err.contains(QStringLiteral("(1 run in the run log)")));
    EXPECT_TRUE(second.err.contains(QStringLiteral("(0 runs in the run log)")));
    EXPECT_TRUE(second.err.contains(
        QStringLiteral("35 numbers of the list belong to other pupils. If the list is another class, give it numbers "
                       "of its own with --class LABEL and --number-from 36")))
        << second.err.toStdString();
    EXPECT_EQ(roster(), before);
    EXPECT_EQ(install.listing(), listing);

    // Named as a class of its own, it may still not take the numbers of 6-1.
    const AdminRun sameNumbers = import(list("6-2-cp932.csv"), {QStringLiteral("--class"), QStringLiteral("６－２")});
    EXPECT_EQ(sameNumbers.status, 1);
    EXPECT_TRUE(sameNumbers.err.contains(
        QStringLiteral("the class 6-2 would take the numbers 1 to 35, which meet those of the class 6-1 (1 to 35)")))
        << sameNumbers.err.toStdString();
    EXPECT_EQ(roster(), before);

    const AdminRun placed = import(list("6-2-cp932.csv"), {QStringLiteral("--class"), QStringLiteral("6-2"),
                                                          QStringLiteral("--number-from"), QStringLiteral("36")});
    ASSERT_EQ(placed.status, 0) << placed.err.toStdString();
    EXPECT_TRUE(placed.out.contains(QStringLiteral("Shift-JIS text, comma-separated; header on line 2: 番号, 名前, "
                                                   "生年月日; 35 pupils")))
        << placed.out.toStdString();
    EXPECT_TRUE(placed.out.contains(QStringLiteral("add 36 (6-2 no. 1): ")));
    EXPECT_TRUE(placed.out.contains(QStringLiteral("35 added, 0 updated, 0 renamed, 0 unchanged")));
    EXPECT_EQ(testfiles::read(classesPath()), QByteArray("\"6-1\",1,35\r\n\"6-2\",36,70\r\n"));
    EXPECT_EQ(testfiles::read(backupPath()), before);
    const std::map<int, std::pair<QString, int>> both = pupils();
    ASSERT_EQ(both.size(), 70U);
    for (const auto &[number, pupil] : classOne)
        EXPECT_EQ(both.at(number), pupil) << number;

    // A later list of the same class takes its numbers again.
    const QByteArray placedRoster = roster();
    const AdminRun again = import(list("6-2-cp932.csv"), {QStringLiteral("--class"), QStringLiteral("6-2")});
    EXPECT_EQ(again.status, 0) << again.err.toStdString();
    EXPECT_TRUE(again.out.contains(QStringLiteral("nothing to change"))) << again.out.toStdString();
    EXPECT_EQ(roster(), placedRoster);

    const AdminRun classes =
        admin({QStringLiteral("roster"), QStringLiteral("classes"), install.programFolder()});
    EXPECT_EQ(classes.status, 0);
    EXPECT_EQ(classes.out, QStringLiteral("6-1: roster numbers 1 to 35, 35 pupils in the roster\n"
                                          "6-2: roster numbers 36 to 70, 35 pupils in the roster\n"));
}

// Dates, eras and bare years of one school grade give one birth year, whichever file holds them:
// the pupils born from 1 January to 1 April 2014 are in the grade of those born in 2013.
TEST_F(RosterImport, EveryListOfTheGradeGivesItsPupilsTheGradeOfTheirClassmates)
{
    const char *lists[] = {"6-1.xlsx", "6-1-utf16.txt", "6-1-semicolon.csv", "6-2-cp932.csv", "grade-6-utf8bom.csv"};
    for (const char *name : lists) {
        TempInstall fresh;
        fresh.writeValidMode1();
        const AdminRun r = admin({QStringLiteral("roster"), QStringLiteral("import"), fresh.programFolder(), list(name),
                                  QStringLiteral("--dry-run")});
        EXPECT_EQ(r.status, 0) << name << r.err.toStdString();
        const AdminRun real = admin({QStringLiteral("roster"), QStringLiteral("import"), fresh.programFolder(), list(name)});
        ASSERT_EQ(real.status, 0) << name << real.err.toStdString();
        const RosterFile imported = RosterFile::read(fresh.filesFolder() + QStringLiteral("生徒用名簿.txt"));
        int count = 0;
        for (const RosterFile::Line &line : imported.lines()) {
            if (!line.entry)
                continue;
            ++count;
            EXPECT_EQ(gradelabels::gradeNumber(schoolYearOf(kInSchoolYear2025, 4), line.entry->birthYear), 6)
                << name << ": " << line.entry->trimmedName().toStdString();
        }
        EXPECT_EQ(count, std::string(name).starts_with("grade") ? 70 : 35) << name;
    }
}

TEST_F(RosterImport, TheEarlyBirthsAreShownWithTheDateTheirYearComesFrom)
{
    const AdminRun r = import(list("6-1.xlsx"), {QStringLiteral("--dry-run")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral(", birth year 2013 (born 2014/04/01)\n"))) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral(", birth year 2013 (born 2014/01/01)\n")));
    EXPECT_TRUE(r.out.contains(QStringLiteral(", birth year 2013 (born 2013/04/02)\n")));
}

TEST_F(RosterImport, ADryRunPrintsWhatWouldHappenAndWritesNothing)
{
    const QStringList listing = install.listing();
    const AdminRun r = import(list("grade-6-utf8bom.csv"), {QStringLiteral("--dry-run"), QStringLiteral("--number-from"),
                                                          QStringLiteral("101")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("class 6-1: list numbers 1 to 35 are roster numbers 101 to 135")));
    EXPECT_TRUE(r.out.contains(QStringLiteral("class 6-2: list numbers 1 to 35 are roster numbers 136 to 170")));
    EXPECT_EQ(lineCount(r.out, QStringLiteral("add ")), 70);
    EXPECT_TRUE(r.out.contains(QStringLiteral("would be 70 added, 0 updated, 0 renamed, 0 unchanged")));
    EXPECT_TRUE(r.out.endsWith(QStringLiteral("dry run: nothing was written\n")));
    EXPECT_EQ(install.listing(), listing);

    const AdminRun real = import(list("grade-6-utf8bom.csv"), {QStringLiteral("--number-from"), QStringLiteral("101")});
    ASSERT_EQ(real.status, 0) << real.err.toStdString();
    EXPECT_EQ(testfiles::read(classesPath()), QByteArray("\"6-1\",101,135\r\n\"6-2\",136,170\r\n"));
    EXPECT_EQ(pupils().size(), 70U);
}

// What one list does to pupils the roster holds: a new birth year is an update, a new name a
// conflict (unless --rename), and the name the roster spells with another space is the same pupil.
TEST_F(RosterImport, UpdatesRenamesAndConflictsAreListedWithTheirNumbers)
{
    install.writeText(QStringLiteral("files/生徒用名簿.txt"),
                      QStringLiteral("1,2012,5,6,\"青木　陽菜\",2,\"メモ\",\"\"\r\n"
                                     "broken line\r\n"
                                     "3,2014,0,0,\"石川 翔\",0,\"\",\"\"\r\n"
                                     "7,2014,0,0,\"上田　花\",0,\"\",\"\"\r\n"));
    const QString path = csv(QStringLiteral("番号,氏名,生年月日\n1,青木　陽菜,2013/5/1\n3,石川　翔,2014/5/1\n"
                                            "7,森　花,2014/5/1\n9,林　一郎,2014/6/1\n"));
    const QByteArray before = roster();
    const AdminRun refused = import(path);
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err.count(QStringLiteral("conflict ")), 1) << refused.err.toStdString();
    EXPECT_TRUE(refused.err.contains(
        QStringLiteral("conflict 7: 上田　花 in the roster, 森　花 in the list (1 run in the run log)")));
    EXPECT_TRUE(refused.out.contains(QStringLiteral("update 1: 青木　陽菜, birth year 2012 → 2013 (born 2013/05/01)")))
        << refused.out.toStdString();
    EXPECT_EQ(roster(), before);

    const AdminRun renamed = import(path, {QStringLiteral("--rename")});
    ASSERT_EQ(renamed.status, 0) << renamed.err.toStdString();
    EXPECT_TRUE(renamed.out.contains(
        QStringLiteral("rename 7: 上田　花 → 森　花, birth year 2014 (born 2014/05/01) (1 run in the run log)")))
        << renamed.out.toStdString();
    EXPECT_TRUE(renamed.out.contains(QStringLiteral("add 9: 林　一郎, birth year 2014 (born 2014/06/01)")));
    EXPECT_TRUE(renamed.out.contains(QStringLiteral("1 added, 1 updated, 1 renamed, 1 unchanged")));
    const RosterFile after = RosterFile::read(rosterPath());
    ASSERT_EQ(after.lines().size(), 5U);
    EXPECT_EQ(after.entry(0)->birthYear, 2013);
    EXPECT_EQ(after.entry(0)->extra1, QStringLiteral("5"));
    EXPECT_EQ(after.entry(0)->listFlag, 2);
    EXPECT_EQ(after.lines()[1].bytes, QByteArray("broken line"));
    EXPECT_EQ(after.lines()[2].bytes, sjis::encode(QStringLiteral("3,2014,0,0,\"石川 翔\",0,\"\",\"\"")));
    EXPECT_EQ(after.entry(2)->trimmedName(), QStringLiteral("森　花"));
    EXPECT_EQ(after.entry(3)->rosterNo, 9);
    EXPECT_EQ(testfiles::read(backupPath()), before);
}

// What the roster export writes, roster import reads back unchanged: as CSV and as a workbook,
// with the class of each pupil and the list number it has there.
TEST_F(RosterImport, AnExportImportsBackWithoutAChange)
{
    ASSERT_EQ(import(list("6-1.xlsx"), {QStringLiteral("--class"), QStringLiteral("6-1")}).status, 0);
    ASSERT_EQ(import(list("6-2-cp932.csv"), {QStringLiteral("--class"), QStringLiteral("6-2"),
                                           QStringLiteral("--number-from"), QStringLiteral("36")})
                  .status,
              0);
    ASSERT_EQ(import(csv(QStringLiteral("番号,氏名,生年\n200,=1+2,2013\n201,-林,2013\n")), {}).status, 0);
    const QByteArray before = roster();
    const QByteArray classes = testfiles::read(classesPath());

    for (const char *name : {"out.csv", "out.xlsx"}) {
        const QString exported = install.root() + u'/' + QString::fromUtf8(name);
        const AdminRun written = admin({QStringLiteral("roster"), QStringLiteral("export"), install.programFolder(), exported});
        ASSERT_EQ(written.status, 0) << written.err.toStdString();
        EXPECT_TRUE(written.out.contains(QStringLiteral("wrote 72 pupils"))) << written.out.toStdString();
        const QByteArray bytes = testfiles::read(exported);
        if (QString::fromUtf8(name).endsWith(u"csv")) {
            EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
            const QString text = QString::fromUtf8(bytes.mid(3));
            EXPECT_TRUE(text.startsWith(QStringLiteral("クラス,番号,氏名,生年\r\n\"6-1\",1,"))) << text.left(40).toStdString();
            EXPECT_TRUE(text.contains(QStringLiteral("\r\n\"6-2\",1,")));
            EXPECT_TRUE(text.contains(QStringLiteral("\r\n,200,\"'=1+2\",2013\r\n"))) << text.toStdString();
        } else {
            EXPECT_TRUE(bytes.startsWith("PK\x03\x04"));
        }
        const AdminRun back = import(exported);
        EXPECT_EQ(back.status, 0) << name << back.err.toStdString();
        EXPECT_TRUE(back.out.contains(QStringLiteral("the roster already holds these 72 pupils; nothing to change")))
            << name << back.out.toStdString();
        EXPECT_EQ(roster(), before) << name;
        EXPECT_EQ(testfiles::read(classesPath()), classes) << name;
    }
}

struct BadList
{
    const char *label;
    QString text;
    QStringList says; // on the error stream, each
};

void PrintTo(const BadList &c, std::ostream *os)
{
    *os << c.label;
}

class RosterImportRefusal : public RosterImport, public testing::WithParamInterface<BadList>
{
};

TEST_P(RosterImportRefusal, NamesEveryBadLineAndChangesNothing)
{
    const QString path = csv(GetParam().text);
    const QByteArray before = roster();
    QStringList listing = install.listing();
    const AdminRun r = import(path);
    EXPECT_EQ(r.status, 1);
    for (const QString &s : GetParam().says)
        EXPECT_TRUE(r.err.contains(s)) << s.toStdString() << "\n" << r.err.toStdString();
    EXPECT_EQ(roster(), before);
    // A list refused only once the roster is read under its lock leaves the lock's file behind.
    QStringList after = install.listing();
    after.removeAll(RosterLock::lockPath(rosterPath()));
    EXPECT_EQ(after, listing);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, RosterImportRefusal,
    testing::Values(
        BadList{"OneBadLineIsOne", QStringLiteral("番号,氏名,生年\n1,林,2013\n2,森,二〇一三\n3,山田\"花子,2013\n"),
                {QStringLiteral("class.csv:3: 生年 \"二〇一三\" is neither a year nor a date"),
                 QStringLiteral("the roster is unchanged (1 bad line)")}},
        BadList{"AnUnclosedQuoteIsOneLine", QStringLiteral("番号,氏名,生年\n1,\"林,2013\n2,森,2013\n"),
                {QStringLiteral("class.csv:2: a quoted cell is never closed"),
                 QStringLiteral("the roster is unchanged (1 bad line)")}},
        BadList{"TwoFaultsOnTwoLines",
                QStringLiteral("出席番号,名前,誕生日\n5001,上田,2013/4/5\n3,,2013/2/30\n"),
                {QStringLiteral("class.csv:2: 出席番号 \"5001\" is not a whole number from 1 to 5000"),
                 QStringLiteral("class.csv:3: 名前 is empty; 誕生日 \"2013/2/30\" is neither"),
                 QStringLiteral("(2 bad lines)")}},
        BadList{"NoHeader", QStringLiteral("1,林,2013\n2,森,2013\n"),
                {QStringLiteral("no header row in the first 30 rows names the number")}},
        BadList{"NoBirthColumn", QStringLiteral("番号,氏名,ふりがな\n1,林,はやし\n"),
                {QStringLiteral("class.csv:1: the header has no column for the birth")}},
        BadList{"TheSameNumberTwice", QStringLiteral("番号,氏名,生年\n1,林,2013\n1,森,2013\n"),
                {QStringLiteral("class.csv:3: 番号 1 is already on line 2")}},
        BadList{"AClassBeyondTheLastNumber",
                QStringLiteral("クラス,番号,氏名,生年\n6-1,1,林,2013\n6-2,1,森,2013\n6-2,5000,上田,2013\n"),
                {QStringLiteral("the class 6-2 would need the numbers 2 to 5001, but the roster's numbers end at 5000")}}));

TEST_F(RosterImport, ABadClassMapIsNotWrittenOver)
{
    install.writeText(QStringLiteral("files/生徒用名簿クラス.txt"), QStringLiteral("\"6-1\",1,35\r\n\"6-2\",x,70\r\n"));
    const QByteArray classes = testfiles::read(classesPath());
    const AdminRun r = import(list("6-1.xlsx"), {QStringLiteral("--class"), QStringLiteral("5-1"),
                                                QStringLiteral("--number-from"), QStringLiteral("101")});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("has damaged lines"))) << r.err.toStdString();
    EXPECT_EQ(testfiles::read(classesPath()), classes);
    const AdminRun listed = admin({QStringLiteral("roster"), QStringLiteral("classes"), install.programFolder()});
    EXPECT_EQ(listed.status, 1);
    EXPECT_TRUE(listed.err.contains(QStringLiteral("生徒用名簿クラス.txt, line 2:"))) << listed.err.toStdString();
    EXPECT_TRUE(listed.out.contains(QStringLiteral("6-1: roster numbers 1 to 35, 0 pupils in the roster")));
}

// Each message in the one language of the locale: the tool's frame and the data file's problem.
TEST_F(RosterImport, SpeaksJapaneseUnderAJapaneseLocaleAndEnglishOtherwise)
{
    const QString path = csv(QStringLiteral("番号,氏名,生年\n1,林,2013\n2,森,x\n"));
    const AdminRun english = import(path);
    EXPECT_TRUE(english.err.contains(QStringLiteral("the roster is unchanged (1 bad line)"))) << english.err.toStdString();
    const AdminRun japanese = import(path, {}, AdminLanguage::Japanese);
    EXPECT_EQ(japanese.status, 1);
    EXPECT_TRUE(japanese.err.contains(QStringLiteral("class.csv:3: 生年「x」は年でも日付でもありません")))
        << japanese.err.toStdString();
    EXPECT_TRUE(japanese.err.contains(QStringLiteral("名簿は元のままです（誤りのある行 1 行）")));

    install.remove(QStringLiteral("files/共通データ.txt"));
    const AdminRun noInstallEnglish = import(path);
    EXPECT_TRUE(noInstallEnglish.err.contains(QStringLiteral("is not a usable installation: ")));
    EXPECT_TRUE(noInstallEnglish.err.contains(QStringLiteral("共通データ.txt: The file is not there.")))
        << noInstallEnglish.err.toStdString();
    const AdminRun noInstallJapanese = import(path, {}, AdminLanguage::Japanese);
    EXPECT_TRUE(noInstallJapanese.err.contains(QStringLiteral("は使えるインストールではありません: ")));
    EXPECT_TRUE(noInstallJapanese.err.contains(QStringLiteral("共通データ.txt: ファイルが見つかりません。")))
        << noInstallJapanese.err.toStdString();
    // Nothing English is left in the Japanese message but the command's name and the paths.
    const QString said = noInstallJapanese.err.section(QStringLiteral("roster import: "), 1);
    static const QRegularExpression word(QStringLiteral("\\b(the|is|not|cannot|roster|file)\\b"));
    EXPECT_FALSE(said.isEmpty());
    EXPECT_FALSE(word.match(said).hasMatch()) << said.toStdString();
}

#ifdef Q_OS_LINUX
TEST_F(RosterImport, AWriteThatFailsPartWayLeavesTheOldRoster)
{
    install.writeText(QStringLiteral("files/生徒用名簿.txt"), QStringLiteral("1,2013,0,0,\"青木\",0,\"\",\"\"\r\n"));
    const QByteArray before = roster();
    QString text = QStringLiteral("番号,氏名,生年\n");
    for (int n = 100; n < 300; ++n)
        text += QStringLiteral("%1,生徒%1,2014\n").arg(n);
    const QString path = csv(text);
    const QStringList listing = install.listing();
    AdminRun r;
    {
        const FileSizeLimit limit(4096);
        r = import(path);
    }
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("the roster is unchanged"))) << r.err.toStdString();
    EXPECT_EQ(roster(), before);
    // The backup is kept only once the new roster is in place; nothing else is left but the lock.
    EXPECT_FALSE(QFileInfo::exists(backupPath()));
    QStringList expected = listing;
    expected << RosterLock::lockPath(rosterPath());
    expected.sort();
    EXPECT_EQ(install.listing(), expected);

    ASSERT_EQ(import(path).status, 0);
    EXPECT_EQ(RosterFile::read(rosterPath()).lines().size(), 201U);
    EXPECT_EQ(testfiles::read(backupPath()), before);
}
#endif

} // namespace
