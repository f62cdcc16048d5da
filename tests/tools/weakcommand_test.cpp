// tavrel-admin weak: a generated class's answer log listed as text, CSV and PDF, its figures
// equal to a plain count here; the choice of pupils, the names from the question file.
#include "adminrun.h"

#include "answerlog.h"
#include "oadate.h"
#include "questionfile.h"
#include "questionidentity.h"
#include "tempinstall.h"

#include <QFile>
#include <QPdfDocument>
#include <QRandomGenerator>

#include <map>
#include <set>
#include <tuple>

#include <gtest/gtest.h>

namespace {

const QDate kToday(2026, 12, 9);

QString nameOf(int line)
{
    return QStringLiteral("人物%1").arg(line);
}

struct Count
{
    int wrongChoices = 0;
    int wrongYears = 0;
    int seen = 0;
    std::set<int> pupils;
    std::set<int> missedBy;
    int missed() const { return wrongChoices + wrongYears; }
};

// A school of class 6-1 (roster numbers 101 to 130) and others (131 to 160), 300 runs of 10 of
// the 20 questions of group 1 over 40 days at levels 1 and 2, wrong answers from a seeded
// generator.
class WeakCommand : public testing::Test
{
protected:
    void SetUp() override
    {
        install.writeValidMode1();
        QString plain;
        for (int i = 1; i <= 20; ++i)
            plain += QStringLiteral("%1,1,%2,%3,よみ%1,説明%1,補足%1／ｅｎｄ／\n").arg(i).arg(600 + 10 * i).arg(nameOf(i));
        install.writeBytes(QStringLiteral("drill2/Morvidかな0vv.ccc"), questionfile::scramble(plain).stored);
        install.writeText(QStringLiteral("files/生徒用名簿クラス.txt"), QStringLiteral("\"6-1\",101,130\r\n"));
        install.writeText(QStringLiteral("files/生徒用名簿.txt"),
                          QStringLiteral("117,2014,0,0,\"山田太郎            \",0,\"\",\"\"\r\n"));

        QRandomGenerator random(28);
        QByteArray bytes;
        for (int run = 0; run < 300; ++run) {
            const int pupil = 101 + static_cast<int>(random.bounded(60));
            const int level = 1 + static_cast<int>(random.bounded(2));
            const int day = static_cast<int>(random.bounded(40));
            for (int q = 0; q < 10; ++q) {
                AnswerRecord r;
                r.row.date = oadate::fromDate(kToday.addDays(-day));
                r.row.clock = 0.4;
                r.row.pupil = static_cast<std::int16_t>(pupil);
                r.row.level = static_cast<std::int16_t>(level);
                r.row.group = 1;
                r.row.line = static_cast<std::int16_t>(1 + random.bounded(20));
                r.row.nameHash = questionidentity::nameHash(nameOf(r.row.line));
                r.row.wrongChoices = static_cast<std::int16_t>(random.bounded(3) == 0 ? random.bounded(4) : 0);
                r.row.wrongYears = static_cast<std::int16_t>(random.bounded(5) == 0 ? random.bounded(3) : 0);
                r.row.asked = 1;
                r.row.cleared = true;
                r.siteCode = QStringLiteral("01234");
                bytes += r.encode();
                rows.push_back({day, pupil, level, r.row});
            }
        }
        install.writeBytes(QStringLiteral("drill2/解答累積データ.dat"), bytes);
    }

    struct Row
    {
        int day;
        int pupil;
        int level;
        AnswerRow answer;
    };

    // The expected list: (line, wrong choices, wrong years, pupils missed, pupils seen), missed
    // most first, ties by the larger share, then by line.
    std::vector<std::tuple<int, int, int, int, int>> expected(const std::function<bool(const Row &)> &take, int top) const
    {
        std::map<int, Count> counts;
        for (const Row &r : rows) {
            if (!take(r))
                continue;
            Count &c = counts[r.answer.line];
            c.wrongChoices += r.answer.wrongChoices;
            c.wrongYears += r.answer.wrongYears;
            ++c.seen;
            c.pupils.insert(r.pupil);
            if (r.answer.wrongChoices + r.answer.wrongYears > 0)
                c.missedBy.insert(r.pupil);
        }
        std::vector<std::pair<int, Count>> list;
        for (const auto &[line, c] : counts) {
            if (c.missed() > 0)
                list.emplace_back(line, c);
        }
        std::stable_sort(list.begin(), list.end(), [](const auto &a, const auto &b) {
            if (a.second.missed() != b.second.missed())
                return a.second.missed() > b.second.missed();
            return static_cast<double>(a.second.missedBy.size()) / static_cast<double>(a.second.pupils.size())
                 > static_cast<double>(b.second.missedBy.size()) / static_cast<double>(b.second.pupils.size());
        });
        std::vector<std::tuple<int, int, int, int, int>> out;
        for (const auto &[line, c] : list) {
            if (top > 0 && static_cast<int>(out.size()) == top)
                break;
            out.emplace_back(line, c.wrongChoices, c.wrongYears, static_cast<int>(c.missedBy.size()),
                             static_cast<int>(c.pupils.size()));
        }
        return out;
    }

    // The CSV's rows after its header, as (line, wrong choices, wrong years, missed, seen).
    std::vector<std::tuple<int, int, int, int, int>> csvRows(const QString &path) const
    {
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        QByteArray bytes = f.readAll();
        EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
        const QStringList lines = QString::fromUtf8(bytes.mid(3)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        std::vector<std::tuple<int, int, int, int, int>> out;
        for (qsizetype i = 1; i < lines.size(); ++i) {
            const QStringList cells = lines[i].split(u',');
            EXPECT_EQ(cells.size(), 8) << lines[i].toStdString();
            if (cells.size() != 8)
                continue;
            EXPECT_EQ(cells[0], QString::number(i));
            QString name = cells[1];
            name.remove(u'"');
            const int line = name.mid(2).toInt();
            EXPECT_EQ(name, nameOf(line));
            QString share = cells[6];
            share.remove(u'"');
            const QStringList parts = share.split(u'/');
            out.emplace_back(line, cells[2].toInt(), cells[3].toInt(), parts.value(0).toInt(), parts.value(1).toInt());
            EXPECT_EQ(cells[4].toInt(), cells[2].toInt() + cells[3].toInt());
        }
        return out;
    }

    AdminRun weak(QStringList extra, AdminLanguage language = AdminLanguage::English) const
    {
        return admin(QStringList{QStringLiteral("weak"), install.programFolder()} + extra
                         + QStringList{QStringLiteral("--date"), kToday.toString(Qt::ISODate)},
                     language);
    }

    QString out(const char *name) const { return install.root() + u'/' + QString::fromUtf8(name); }

    TempInstall install;
    std::vector<Row> rows;
};

struct ChoiceCase
{
    const char *name;
    QStringList args;
    std::function<bool(int pupil, int level, int day)> take;
    int top;
    friend void PrintTo(const ChoiceCase &c, std::ostream *os) { *os << c.name; }
};

class WeakChoice : public WeakCommand, public testing::WithParamInterface<ChoiceCase>
{
};

TEST_P(WeakChoice, TheCsvListEqualsAPlainCount)
{
    const ChoiceCase &c = GetParam();
    const AdminRun r = weak(QStringList{out("weak.csv")} + c.args);
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const auto want = expected([&](const Row &row) { return c.take(row.pupil, row.level, row.day); }, c.top);
    ASSERT_FALSE(want.empty());
    EXPECT_EQ(csvRows(out("weak.csv")), want);
}

INSTANTIATE_TEST_SUITE_P(
    Choices, WeakChoice,
    testing::Values(
        ChoiceCase{"all_default_top", {}, [](int, int, int) { return true; }, 20},
        ChoiceCase{"all_every_figure", {QStringLiteral("--all"), QStringLiteral("--top"), QStringLiteral("0")},
                   [](int, int, int) { return true; }, 0},
        ChoiceCase{"class", {QStringLiteral("--class"), QStringLiteral("6-1")},
                   [](int pupil, int, int) { return pupil >= 101 && pupil <= 130; }, 20},
        ChoiceCase{"class_full_width_label", {QStringLiteral("--class"), QStringLiteral("６－１"), QStringLiteral("--top"), QStringLiteral("5")},
                   [](int pupil, int, int) { return pupil >= 101 && pupil <= 130; }, 5},
        ChoiceCase{"pupil_level_days",
                   {QStringLiteral("--pupil"), QStringLiteral("117"), QStringLiteral("--levels"), QStringLiteral("2"),
                    QStringLiteral("--days"), QStringLiteral("30")},
                   [](int pupil, int level, int day) { return pupil == 117 && level == 2 && day < 30; }, 20},
        ChoiceCase{"levels_and_days",
                   {QStringLiteral("--levels"), QStringLiteral("1"), QStringLiteral("--days"), QStringLiteral("7"),
                    QStringLiteral("--top"), QStringLiteral("3")},
                   [](int, int level, int day) { return level == 1 && day < 7; }, 3}),
    [](const testing::TestParamInfo<ChoiceCase> &param) { return std::string(param.param.name); });

TEST_F(WeakCommand, PrintsTheListWithJapaneseHeadersInTheJapaneseLocale)
{
    const AdminRun r = weak({QStringLiteral("--class"), QStringLiteral("6-1"), QStringLiteral("--top"), QStringLiteral("3")},
                            AdminLanguage::Japanese);
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QStringList lines = r.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3 + 1 + 3) << r.out.toStdString();
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("苦手な人物"))) << r.out.toStdString();
    EXPECT_TRUE(lines[0].contains(QStringLiteral("6-1"))) << r.out.toStdString();
    EXPECT_TRUE(lines[3].contains(QStringLiteral("順位"))) << lines[3].toStdString();
    const auto want = expected([](const Row &row) { return row.pupil >= 101 && row.pupil <= 130; }, 3);
    EXPECT_TRUE(lines[4].contains(nameOf(std::get<0>(want[0])))) << lines[4].toStdString();
}

TEST_F(WeakCommand, WritesAnA4PageWithTheList)
{
    const AdminRun r = weak({out("weak.pdf"), QStringLiteral("--pupil"), QStringLiteral("117")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    QPdfDocument pdf;
    ASSERT_EQ(pdf.load(out("weak.pdf")), QPdfDocument::Error::None);
    ASSERT_EQ(pdf.pageCount(), 1);
    EXPECT_NEAR(pdf.pagePointSize(0).width(), 595.0, 2.0);
    const QString text = pdf.getAllText(0).text().normalized(QString::NormalizationForm_KC).remove(u' ');
    EXPECT_TRUE(text.contains(QStringLiteral("苦手な人物"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("山田太郎"))) << text.toStdString();
    const auto want = expected([](const Row &row) { return row.pupil == 117; }, 20);
    ASSERT_FALSE(want.empty());
    EXPECT_TRUE(text.contains(nameOf(std::get<0>(want[0])))) << text.toStdString();
}

TEST_F(WeakCommand, AReorderedQuestionFileStillNamesEachFigureByItsName)
{
    // The same figures with lines 1 and 2 swapped: the hash finds each name where it went.
    QString plain;
    for (int i : {2, 1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20})
        plain += QStringLiteral("%1,1,%2,%3,よみ%1,説明%1,補足%1／ｅｎｄ／\n").arg(i).arg(600 + 10 * i).arg(nameOf(i));
    install.writeBytes(QStringLiteral("drill2/Morvidかな0vv.ccc"), questionfile::scramble(plain).stored);
    ASSERT_EQ(weak({out("weak.csv"), QStringLiteral("--top"), QStringLiteral("0")}).status, 0);
    // csvRows checks that every name is the name of its line.
    EXPECT_EQ(csvRows(out("weak.csv")), expected([](const Row &) { return true; }, 0));
}

struct RefusalCase
{
    const char *name;
    QStringList args;
    const char *says;
    int status;
    friend void PrintTo(const RefusalCase &c, std::ostream *os) { *os << c.name; }
};

class WeakRefusal : public WeakCommand, public testing::WithParamInterface<RefusalCase>
{
};

TEST_P(WeakRefusal, SaysWhyAndWritesNothing)
{
    const RefusalCase &c = GetParam();
    const AdminRun r = weak(c.args);
    EXPECT_EQ(r.status, c.status);
    EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.says))) << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(out("weak.csv")));
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, WeakRefusal,
    testing::Values(
        RefusalCase{"two_choices", {QStringLiteral("--pupil"), QStringLiteral("1"), QStringLiteral("--all")}, "at most one", 2},
        RefusalCase{"unknown_class", {QStringLiteral("--class"), QStringLiteral("5-9")}, "5-9", 1},
        RefusalCase{"bad_level", {QStringLiteral("--levels"), QStringLiteral("1,x")}, "1,x", 1},
        RefusalCase{"no_such_level", {QStringLiteral("--levels"), QStringLiteral("99")}, "99", 1},
        RefusalCase{"bad_days", {QStringLiteral("--days"), QStringLiteral("0")}, "\"0\"", 1},
        RefusalCase{"bad_pupil", {QStringLiteral("--pupil"), QStringLiteral("6000")}, "6000", 1},
        RefusalCase{"other_extension", {QStringLiteral("weak.txt")}, "weak.txt", 2}),
    [](const testing::TestParamInfo<RefusalCase> &param) { return std::string(param.param.name); });

TEST_F(WeakCommand, NoAnswerLogYetListsNothingAndSaysSo)
{
    install.remove(QStringLiteral("drill2/解答累積データ.dat"));
    const AdminRun r = weak({});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("No answer was missed"))) << r.out.toStdString();
}

} // namespace
