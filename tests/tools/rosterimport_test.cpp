#include "adminrun.h"
#include "rosterfile.h"
#include "rosterimport.h"
#include "rosterlock.h"
#include "sjis.h"
#include "spreadsheetcsv.h"
#include "tempinstall.h"

#ifdef Q_OS_LINUX
#include "filesizelimit.h"
#endif

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

using rosterimport::Pupil;

constexpr int kThisYear = 2024;

QByteArray utf8(const QString &text)
{
    return text.toUtf8();
}

// One data row under the header 番号,氏名,生年 and what check() says of it: the pupil, or a
// piece of the reason given for its line.
struct RowCase
{
    const char *label;
    QString row;
    std::optional<Pupil> pupil;
    QString reason;
};

void PrintTo(const RowCase &c, std::ostream *os)
{
    *os << c.label;
}

class ImportRowCheck : public testing::TestWithParam<RowCase>
{
};

TEST_P(ImportRowCheck, GoodRowsArePupilsAndBadRowsAreNamedWithTheirLine)
{
    const RowCase &c = GetParam();
    const rosterimport::Checked checked =
        rosterimport::check(utf8(QStringLiteral("番号,氏名,生年\r\n") + c.row + QStringLiteral("\r\n")), kThisYear);
    if (c.pupil) {
        EXPECT_TRUE(checked.problems.empty()) << checked.problems.front().text.toStdString();
        ASSERT_EQ(checked.pupils.size(), 1U);
        EXPECT_EQ(checked.pupils[0], *c.pupil);
    } else {
        ASSERT_EQ(checked.problems.size(), 1U);
        EXPECT_EQ(checked.problems[0].line, 2);
        EXPECT_TRUE(checked.problems[0].text.contains(c.reason)) << checked.problems[0].text.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ImportRowCheck,
    testing::Values(
        RowCase{"plain", QStringLiteral("12,山田　花子,2014"), Pupil{2, 12, QStringLiteral("山田　花子"), 2014}, {}},
        RowCase{"padded", QStringLiteral(" 1 ,  佐藤 ,2013 "), Pupil{2, 1, QStringLiteral("佐藤"), 2013}, {}},
        RowCase{"fullwidth digits", QStringLiteral("５０００,森,２０１０"), Pupil{2, 5000, QStringLiteral("森"), 2010}, {}},
        RowCase{"quoted with comma", QStringLiteral("3,\"A,\"\"B\"\"\",2012"), Pupil{2, 3, QStringLiteral("A,”B”"), 2012}, {}},
        RowCase{"exported formula", QStringLiteral("4,'=X,2012"), Pupil{2, 4, QStringLiteral("=X"), 2012}, {}},
        RowCase{"twenty characters", QStringLiteral("5,あいうえおかきくけこさしすせそたちつてと,2012"),
                Pupil{2, 5, QStringLiteral("あいうえおかきくけこさしすせそたちつてと"), 2012}, {}},
        RowCase{"oldest year", QStringLiteral("6,林,1924"), Pupil{2, 6, QStringLiteral("林"), 1924}, {}},
        RowCase{"number zero", QStringLiteral("0,林,2012"), std::nullopt, QStringLiteral("番号 \"0\"")},
        RowCase{"number too big", QStringLiteral("5001,林,2012"), std::nullopt, QStringLiteral("番号 \"5001\"")},
        RowCase{"number not whole", QStringLiteral("2.5,林,2012"), std::nullopt, QStringLiteral("番号 \"2.5\"")},
        RowCase{"number missing", QStringLiteral(",林,2012"), std::nullopt, QStringLiteral("番号 \"\"")},
        RowCase{"name missing", QStringLiteral("7, 　,2012"), std::nullopt, QStringLiteral("氏名 is empty")},
        RowCase{"name too long", QStringLiteral("7,あいうえおかきくけこさしすせそたちつてとな,2012"), std::nullopt,
                QStringLiteral("longer than 20")},
        RowCase{"not Shift-JIS", QStringLiteral("7,𠮷野,2012"), std::nullopt, QStringLiteral("Shift-JIS cannot store")},
        RowCase{"year in the future", QStringLiteral("7,林,2025"), std::nullopt, QStringLiteral("生年 \"2025\"")},
        RowCase{"era year", QStringLiteral("7,林,26"), std::nullopt, QStringLiteral("生年 \"26\"")},
        RowCase{"year missing", QStringLiteral("7,林"), std::nullopt, QStringLiteral("生年 \"\"")},
        RowCase{"exported apostrophe before formula", QStringLiteral("8,''=X,2012"), Pupil{2, 8, QStringLiteral("'=X"), 2012}, {}},
        RowCase{"NUL in name", QStringLiteral("7,林") + QChar(u'\0') + QStringLiteral("花,2012"), std::nullopt,
                QStringLiteral("control character (U+0000)")},
        RowCase{"line break in quoted name", QStringLiteral("7,\"林\n花\",2012"), std::nullopt,
                QStringLiteral("control character (U+000A)")},
        RowCase{"escape in name", QStringLiteral("7,林\x1B[2J,2012"), std::nullopt, QStringLiteral("control character (U+001B)")}),
    [](const testing::TestParamInfo<RowCase> &param) {
        std::string name = param.param.label;
        for (char &ch : name)
            ch = std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
        return name;
    });

TEST(RosterImportCheck, ReadsWhatSpreadsheetsSaveAndListsEveryBadLine)
{
    const QString text = QStringLiteral("備考\t生年\t氏名\t番号\r\n\tx\t\t\r\nメモ\t2014\t森　一郎\t3\r\n\t\t\t\r\n\t2013\t林\t4\r\n");
    for (const QByteArray &bytes : {QByteArray("\xEF\xBB\xBF") + text.toUtf8(), text.toUtf8(), sjis::encode(text)}) {
        const rosterimport::Checked checked = rosterimport::check(bytes, kThisYear);
        ASSERT_EQ(checked.problems.size(), 1U);
        EXPECT_EQ(checked.problems[0].line, 2);
        EXPECT_EQ(checked.pupils, (std::vector<Pupil>{{3, 3, QStringLiteral("森　一郎"), 2014},
                                                     {5, 4, QStringLiteral("林"), 2013}}));
    }

    const rosterimport::Checked repeated = rosterimport::check(
        utf8(QStringLiteral("番号,氏名,生年\n1,A,2014\n2,B,2014\n1,C,2014\n")), kThisYear);
    ASSERT_EQ(repeated.problems.size(), 1U);
    EXPECT_EQ(repeated.problems[0].line, 4);
    EXPECT_TRUE(repeated.problems[0].text.contains(QStringLiteral("already on line 2")));

    const rosterimport::Checked noHeader = rosterimport::check(utf8(QStringLiteral("番号,名前,生年\n1,A,2014\n")), kThisYear);
    ASSERT_EQ(noHeader.problems.size(), 1U);
    EXPECT_TRUE(noHeader.problems[0].text.contains(QStringLiteral("no column 氏名")));
}

TEST(SpreadsheetCells, FormulaStartsAreWrittenAsTextAndReadBackAsTyped)
{
    const std::pair<QString, QString> cases[] = {
        {QStringLiteral("=1+2"), QStringLiteral("\"'=1+2\"")},
        {QStringLiteral("+81"), QStringLiteral("\"'+81\"")},
        {QStringLiteral("-山田"), QStringLiteral("\"'-山田\"")},
        {QStringLiteral("@SUM(A1)"), QStringLiteral("\"'@SUM(A1)\"")},
        {QStringLiteral("'=x"), QStringLiteral("\"''=x\"")},
        {QStringLiteral("'山田"), QStringLiteral("\"'山田\"")},
        {QStringLiteral("山田=1"), QStringLiteral("\"山田=1\"")},
        {QStringLiteral("A\"B"), QStringLiteral("\"A\"\"B\"")},
    };
    for (const auto &[text, cell] : cases) {
        EXPECT_EQ(spreadsheetcsv::cell(text), cell) << text.toStdString();
        const spreadsheetcsv::Table table = spreadsheetcsv::parse(cell);
        ASSERT_EQ(table.rows.size(), 1U);
        EXPECT_EQ(spreadsheetcsv::unescapedCell(table.rows[0].cells.value(0)), text) << text.toStdString();
    }
}

// An installation whose roster holds two pupils written by another tool, with values this
// system only carries, and a damaged line.
class RosterImport : public testing::Test
{
protected:
    void SetUp() override
    {
        install.writeValidMode1();
        install.writeText(QStringLiteral("files/生徒用名簿.txt"),
                          QStringLiteral("1,2013,5,6,\"青木\",2,\"メモ\",\"\"\r\n"
                                         "broken line\r\n"
                                         "2,2014,0,0,\"石川\",0,\"\",\"\"\r\n"));
        before = read(rosterPath());
    }

    QString rosterPath() const { return install.filesFolder() + QStringLiteral("生徒用名簿.txt"); }
    QString backupPath() const { return install.filesFolder() + QStringLiteral("生徒用名簿temp.txt"); }

    QString csv(const QString &text) const
    {
        const QString path = install.root() + QStringLiteral("/class.csv");
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text.toUtf8());
        return path;
    }

    static QByteArray read(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    TempInstall install;
    QByteArray before;
};

TEST_F(RosterImport, MergesNewAndChangedPupilsAndKeepsEverythingElse)
{
    const AdminRun r = admin({QStringLiteral("roster"), QStringLiteral("import"), install.programFolder(),
                              csv(QStringLiteral("番号,氏名,生年\n1,青木　陽菜,2012\n9,上田,2015\n"))});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("1 added, 1 updated, 0 unchanged")));

    const RosterFile roster = RosterFile::read(rosterPath());
    ASSERT_EQ(roster.lines().size(), 4U);
    const RosterEntry &updated = *roster.entry(0);
    EXPECT_EQ(updated.trimmedName(), QStringLiteral("青木　陽菜"));
    EXPECT_EQ(updated.birthYear, 2012);
    EXPECT_EQ(updated.extra1, QStringLiteral("5"));
    EXPECT_EQ(updated.listFlag, 2);
    EXPECT_EQ(updated.note1.trimmed(), QStringLiteral("メモ"));
    EXPECT_EQ(roster.lines()[1].bytes, QByteArray("broken line"));
    EXPECT_EQ(roster.lines()[2].bytes, sjis::encode(QStringLiteral("2,2014,0,0,\"石川\",0,\"\",\"\"")));
    const RosterEntry &added = *roster.entry(2);
    EXPECT_EQ(added.rosterNo, 9);
    EXPECT_EQ(added.trimmedName(), QStringLiteral("上田"));
    EXPECT_EQ(added.birthYear, 2015);
    EXPECT_EQ(added.listFlag, 0);
    EXPECT_EQ(read(backupPath()), before);

    const QString exported = install.root() + QStringLiteral("/out.csv");
    ASSERT_EQ(admin({QStringLiteral("roster"), QStringLiteral("export"), install.programFolder(), exported}).status, 0);
    const QByteArray bytes = read(exported);
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    EXPECT_EQ(rosterimport::check(bytes, kThisYear).pupils,
              (std::vector<Pupil>{{2, 1, QStringLiteral("青木　陽菜"), 2012},
                                  {3, 2, QStringLiteral("石川"), 2014},
                                  {4, 9, QStringLiteral("上田"), 2015}}));
}

TEST_F(RosterImport, AnExportIsSafeToOpenAndImportsBackWithoutAChange)
{
    install.writeText(QStringLiteral("files/生徒用名簿.txt"),
                      QStringLiteral("1,2013,0,0,\"=1+2\",0,\"\",\"\"\r\n"
                                     "2,2014,0,0,\"-林\",0,\"\",\"\"\r\n"
                                     "3,2014,0,0,\"'@森\",0,\"\",\"\"\r\n"));
    const QByteArray roster = read(rosterPath());
    const QString exported = install.root() + QStringLiteral("/out.csv");
    ASSERT_EQ(admin({QStringLiteral("roster"), QStringLiteral("export"), install.programFolder(), exported}).status, 0);
    const QString text = QString::fromUtf8(read(exported));
    EXPECT_TRUE(text.contains(QStringLiteral("1,\"'=1+2\",2013"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("2,\"'-林\",2014"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("3,\"''@森\",2014"))) << text.toStdString();

    const AdminRun again = admin({QStringLiteral("roster"), QStringLiteral("import"), install.programFolder(), exported});
    EXPECT_EQ(again.status, 0) << again.err.toStdString();
    EXPECT_TRUE(again.out.contains(QStringLiteral("nothing to change"))) << again.out.toStdString();
    EXPECT_EQ(read(rosterPath()), roster);
}

TEST_F(RosterImport, AnyBadRowLeavesTheRosterUntouched)
{
    const QString path = csv(QStringLiteral("番号,氏名,生年\n1,新しい名前,2012\n5001,上田,2015\n3,,2015\n"));
    const QStringList listing = install.listing();
    const AdminRun r = admin({QStringLiteral("roster"), QStringLiteral("import"), install.programFolder(), path});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("class.csv:3: 番号 \"5001\""))) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("class.csv:4: 氏名 is empty"))) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("the roster is unchanged (2 bad lines)")));
    EXPECT_EQ(read(rosterPath()), before);
    EXPECT_EQ(install.listing(), listing);
}

#ifdef Q_OS_LINUX
TEST_F(RosterImport, AWriteThatFailsPartWayLeavesTheOldRoster)
{
    QString text = QStringLiteral("番号,氏名,生年\n");
    for (int n = 100; n < 300; ++n)
        text += QStringLiteral("%1,生徒%1,2014\n").arg(n);
    const QString path = csv(text);
    const QStringList listing = install.listing();
    AdminRun r;
    {
        const FileSizeLimit limit(4096);
        r = admin({QStringLiteral("roster"), QStringLiteral("import"), install.programFolder(), path});
    }
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("the roster is unchanged"))) << r.err.toStdString();
    EXPECT_EQ(read(rosterPath()), before);
    // The backup is kept only once the new roster is in place; nothing else is left but the lock.
    EXPECT_FALSE(QFileInfo::exists(backupPath()));
    QStringList expected = listing;
    expected << RosterLock::lockPath(rosterPath());
    expected.sort();
    EXPECT_EQ(install.listing(), expected);

    ASSERT_EQ(admin({QStringLiteral("roster"), QStringLiteral("import"), install.programFolder(), path}).status, 0);
    EXPECT_EQ(RosterFile::read(rosterPath()).lines().size(), 203U);
    EXPECT_EQ(read(backupPath()), before);
}
#endif

} // namespace
