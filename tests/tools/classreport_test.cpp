#include "adminrun.h"

#include "classoverview.h"
#include "pdftext.h"
#include "runlogbytes.h"
#include "tempinstall.h"
#include "xlsxsheet.h"

#include <QFile>
#include <QMap>
#include <QPdfDocument>

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <tuple>
#include <vector>

namespace {

// The figures of one pupil at one level as `stats` prints them.
struct StatsLine
{
    int best = 99999;
    int attempts = 0;
    qint64 pointsRecent = 0;
    int attemptsRecent = 0;
};

// A class "6-1" of 40 roster numbers (1 to 40) of which 38 are listed pupils (5 not listed, 17
// not in the roster), a class "6-2" (41 to 50), and a run log of a few hundred runs drawn with a
// fixed seed at the test levels and a practice level, over 60 days before 2024-06-10; pupils 2
// and 4 never ran.
class ClassReport : public testing::Test
{
protected:
    void SetUp() override
    {
        install.writeValidMode1();
        QString roster;
        for (int p = 1; p <= 50; ++p) {
            if (p == 17)
                continue;
            const int listFlag = p == 5 ? 1 : 0;
            roster += QStringLiteral("%1,2013,0,0,\"生徒%2\",%3,\"\",\"\"\r\n").arg(p).arg(p, 2, 10, QChar(u'0')).arg(listFlag);
        }
        install.writeText(QStringLiteral("files/生徒用名簿.txt"), roster);
        install.writeText(QStringLiteral("files/生徒用名簿クラス.txt"), QStringLiteral("\"6-1\",1,40\r\n\"6-2\",41,50\r\n"));

        std::mt19937 random(28);
        std::uniform_int_distribution<int> pupil(1, 50);
        std::uniform_int_distribution<int> level(1, 18);
        std::uniform_int_distribution<int> daysBack(0, 60);
        std::uniform_int_distribution<int> seconds(40, 400);
        QByteArray log;
        for (int i = 0; i < 600; ++i) {
            const int p = pupil(random);
            if (p == 2 || p == 4)
                continue;
            const int lv = level(random);
            const int back = i % 3 == 0 ? daysBack(random) % 5 : daysBack(random);
            const int t = i % 37 == 0 ? 99999 : seconds(random);
            log += runLogRecordBytes(kToday.addDays(-back), p, lv, t);
        }
        // Pupils 1, 3 and 8 clear level 2 today (5 runs of 10 seconds: 61 points each, 300 and 3
        // runs needed in 7 days), pupil 8 level 4 too; pupil 9 falls short with 4 such runs.
        for (const auto &[p, lv, runs] : {std::tuple{1, 2, 5}, std::tuple{3, 2, 5}, std::tuple{8, 2, 5},
                                          std::tuple{8, 4, 6}, std::tuple{9, 2, 4}}) {
            for (int i = 0; i < runs; ++i)
                log += runLogRecordBytes(kToday.addDays(-(i % 3)), p, lv, 10);
        }
        install.writeBytes(QStringLiteral("drill2/成績累積データ.dat"), log);
    }

    AdminRun classReport(const QString &out, QStringList extra = {},
                         AdminLanguage language = AdminLanguage::English) const
    {
        return admin(QStringList{QStringLiteral("class-report"), install.programFolder(), out, QStringLiteral("--date"),
                                 kToday.toString(QStringLiteral("yyyy-MM-dd"))}
                         + extra,
                     language);
    }

    // `stats` on the same day, by pupil and level.
    QMap<QPair<int, int>, StatsLine> stats() const
    {
        const AdminRun r = admin({QStringLiteral("stats"), install.programFolder(), QStringLiteral("--date"),
                                  kToday.toString(QStringLiteral("yyyy-MM-dd"))});
        EXPECT_EQ(r.status, 0) << r.err.toStdString();
        QMap<QPair<int, int>, StatsLine> lines;
        const QStringList text = r.out.split(u'\n', Qt::SkipEmptyParts);
        for (qsizetype i = 1; i < text.size(); ++i) {
            const QStringList f = text[i].split(u'\t');
            // number, name, level, caption, best time (empty without one), runs, points, then the
            // runs and points of window 1
            const int best = f[4].isEmpty() ? 99999 : f[4].toInt();
            lines[{f[0].toInt(), f[2].toInt()}] = StatsLine{best, f[5].toInt(), f[8].toLongLong(), f[7].toInt()};
        }
        return lines;
    }

    static QStringList csvLines(const QString &path)
    {
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
        QByteArray bytes = f.readAll();
        EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
        QStringList lines = QString::fromUtf8(bytes.mid(3)).split(QStringLiteral("\r\n"));
        EXPECT_EQ(lines.takeLast(), QString());
        return lines;
    }

    static QStringList cells(const QString &line)
    {
        QStringList c = line.split(u',');
        for (QString &cell : c) {
            if (cell.startsWith(u'"') && cell.endsWith(u'"'))
                cell = cell.mid(1, cell.size() - 2);
        }
        return c;
    }

    QString path(const QString &name) const { return install.root() + u'/' + name; }

    static inline const QDate kToday{2024, 6, 10};
    static inline const std::vector<int> kTestLevels{2, 4, 6, 8, 10, 12, 14, 16, 18};
    TempInstall install;
};

TEST_F(ClassReport, FiguresOfEveryPupilEqualThoseOfStats)
{
    const AdminRun r = classReport(path(QStringLiteral("class.csv")), {QStringLiteral("--class"), QStringLiteral("6-1")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const auto expected = stats();
    const QStringList lines = csvLines(path(QStringLiteral("class.csv")));

    const QStringList header = cells(lines.first());
    ASSERT_EQ(header.size(), 3 + 3 * static_cast<qsizetype>(kTestLevels.size()));
    EXPECT_EQ(header.mid(0, 6), (QStringList{QStringLiteral("Class"), QStringLiteral("No."), QStringLiteral("Name"),
                                             QStringLiteral("政治１ Best"), QStringLiteral("政治１ Runs"),
                                             QStringLiteral("政治１ Cleared")}));

    // Listed pupils 1 to 40 of the roster, without 5 (not listed) and 17 (not in the roster).
    std::vector<int> pupils;
    for (int p = 1; p <= 40; ++p) {
        if (p != 5 && p != 17)
            pupils.push_back(p);
    }
    ASSERT_EQ(lines.size(), static_cast<qsizetype>(pupils.size()) + 2) << lines.join(u'\n').toStdString();
    int clearedSeen = 0;
    for (std::size_t i = 0; i < pupils.size(); ++i) {
        const int p = pupils[i];
        const QStringList row = cells(lines[static_cast<qsizetype>(i) + 1]);
        SCOPED_TRACE(testing::Message() << "pupil " << p << ": " << lines[static_cast<qsizetype>(i) + 1].toStdString());
        EXPECT_EQ(row[0], QStringLiteral("6-1"));
        EXPECT_EQ(row[1].toInt(), p);
        EXPECT_EQ(row[2], QStringLiteral("生徒%1").arg(p, 2, 10, QChar(u'0')));
        for (std::size_t l = 0; l < kTestLevels.size(); ++l) {
            const StatsLine s = expected.value({p, kTestLevels[l]});
            const auto at = static_cast<qsizetype>(3 + 3 * l);
            EXPECT_EQ(row[at], s.best < 99999 ? QString::number(s.best) : QString()) << "level " << kTestLevels[l];
            EXPECT_EQ(row[at + 1].toInt(), s.attempts) << "level " << kTestLevels[l];
            // Cleared: 300 points and 3 runs in the last 7 days (the timing table of the installation).
            const bool cleared = s.pointsRecent >= 300 && s.attemptsRecent >= 3;
            EXPECT_EQ(row[at + 2], cleared ? QStringLiteral("○") : QString()) << "level " << kTestLevels[l];
            clearedSeen += cleared ? 1 : 0;
        }
    }
    EXPECT_GE(clearedSeen, 4) << "pupils 1, 3 and 8 cleared level 2, pupil 8 level 4";
    EXPECT_EQ(cells(lines.last()).mid(0, 3), (QStringList{QStringLiteral("6-1"), QString(), QStringLiteral("Median")}));
}

TEST_F(ClassReport, WithoutAClassListsEveryListedPupil)
{
    const AdminRun r = classReport(path(QStringLiteral("all.csv")));
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QStringList lines = csvLines(path(QStringLiteral("all.csv")));
    ASSERT_EQ(lines.size(), 48 + 2); // 50 numbers, one not listed and one not in the roster
    EXPECT_EQ(cells(lines[48]).mid(0, 3), (QStringList{QStringLiteral("6-2"), QStringLiteral("10"), QStringLiteral("生徒50")}));
    EXPECT_TRUE(r.out.contains(QStringLiteral("48 pupils, 9 test levels"))) << r.out.toStdString();
}

TEST_F(ClassReport, PdfRepeatsTheHeaderOnEveryPageAndEndsWithTheMedians)
{
    const QString out = path(QStringLiteral("class.pdf"));
    const AdminRun r = classReport(out, {QStringLiteral("--class"), QStringLiteral("6-1")}, AdminLanguage::Japanese);
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    QPdfDocument pdf;
    ASSERT_EQ(pdf.load(out), QPdfDocument::Error::None);
    ASSERT_EQ(pdf.pageCount(), 2); // 38 pupils, 30 to a page
    const QSizeF size = pdf.pagePointSize(0);
    EXPECT_GT(size.width(), size.height()) << "landscape";
    for (int page = 0; page < pdf.pageCount(); ++page) {
        const QString text = pdftext::compact(pdftext::of(out, page));
        SCOPED_TRACE(text.toStdString());
        for (const char *word : {"組", "番号", "氏名", "政治１", "宗教", "文化３", "ベスト", "回数", "クリア"})
            EXPECT_TRUE(text.contains(QString::fromUtf8(word))) << "page " << page + 1 << " lacks " << word;
        EXPECT_TRUE(text.contains(QStringLiteral("%1/2").arg(page + 1)));
    }
    const QString first = pdftext::compact(pdftext::of(out, 0));
    const QString second = pdftext::compact(pdftext::of(out, 1));
    EXPECT_TRUE(first.contains(QStringLiteral("生徒01")));
    EXPECT_TRUE(first.contains(QStringLiteral("生徒32"))); // the 30th pupil
    EXPECT_FALSE(first.contains(QStringLiteral("生徒33")));
    EXPECT_TRUE(second.contains(QStringLiteral("生徒33")));
    EXPECT_TRUE(second.contains(QStringLiteral("生徒40")));
    EXPECT_FALSE(first.contains(QStringLiteral("中央値")));
    EXPECT_TRUE(second.contains(QStringLiteral("中央値")));
}

TEST_F(ClassReport, WorkbookHoldsTheFiguresOfTheCsv)
{
    const QString xlsx = path(QStringLiteral("class.xlsx"));
    const QString csv = path(QStringLiteral("class.csv"));
    ASSERT_EQ(classReport(xlsx, {QStringLiteral("--class"), QStringLiteral("6-2")}).status, 0);
    ASSERT_EQ(classReport(csv, {QStringLiteral("--class"), QStringLiteral("6-2")}).status, 0);
    QFile f(xlsx);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const xlsxsheet::Read read = xlsxsheet::read(f.readAll(), QString());
    ASSERT_TRUE(read.sheet) << read.problem.toStdString();
    EXPECT_EQ(read.sheet->name, QStringLiteral("クラス一覧"));
    const std::vector<spreadsheetcsv::Row> &rows = read.sheet->rows;
    const QStringList lines = csvLines(csv);
    ASSERT_EQ(rows.size(), static_cast<std::size_t>(lines.size()) + 1); // the captions' row above the header
    EXPECT_EQ(rows[0].cells.value(3), QStringLiteral("政治１"));
    EXPECT_EQ(rows[1].cells.mid(0, 6), (QStringList{QStringLiteral("Class"), QStringLiteral("No."), QStringLiteral("Name"),
                                                    QStringLiteral("Best"), QStringLiteral("Runs"), QStringLiteral("Cleared")}));
    // Each pupil and the medians as in the CSV (empty cells at the end of a row are not kept).
    for (qsizetype i = 1; i < lines.size(); ++i) {
        QStringList expected = cells(lines[i]);
        QStringList got = rows[static_cast<std::size_t>(i) + 1].cells;
        while (!expected.isEmpty() && expected.last().isEmpty())
            expected.removeLast();
        while (!got.isEmpty() && got.last().isEmpty())
            got.removeLast();
        EXPECT_EQ(got, expected) << "line " << i;
    }
}

TEST_F(ClassReport, RefusesAnUnknownClassAnEndingItCannotWriteAndWritesNothing)
{
    const QStringList before = install.listing();
    const AdminRun unknown = classReport(path(QStringLiteral("x.csv")), {QStringLiteral("--class"), QStringLiteral("6-9")});
    EXPECT_EQ(unknown.status, 1);
    EXPECT_TRUE(unknown.err.contains(QStringLiteral("6-9"))) << unknown.err.toStdString();
    EXPECT_TRUE(unknown.err.contains(QStringLiteral("6-1, 6-2"))) << unknown.err.toStdString();
    const AdminRun ending = classReport(path(QStringLiteral("x.txt")));
    EXPECT_EQ(ending.status, 2);
    EXPECT_TRUE(ending.err.contains(QStringLiteral(".pdf, .xlsx or .csv"))) << ending.err.toStdString();
    EXPECT_EQ(install.listing(), before);
}

// A class of three: pupil 1 with two runs at level 2 (best 100), pupil 2 with one (120), pupil 3
// with none; only pupil 1 ran level 4.
TEST(ClassReportMedians, OfBestTimesOverPupilsWithOneAndOfRunsOverAll)
{
    TempInstall install;
    install.writeValidMode1();
    install.writeText(QStringLiteral("files/生徒用名簿.txt"),
                      QStringLiteral("1,2013,0,0,\"一\",0,\"\",\"\"\r\n2,2013,0,0,\"二\",0,\"\",\"\"\r\n"
                                     "3,2013,0,0,\"三\",0,\"\",\"\"\r\n"));
    const QDate day(2024, 6, 10);
    install.writeBytes(QStringLiteral("drill2/成績累積データ.dat"),
                       runLogRecordBytes(day, 1, 2, 100) + runLogRecordBytes(day, 1, 2, 130)
                           + runLogRecordBytes(day, 2, 2, 120) + runLogRecordBytes(day, 1, 4, 90));
    const QString out = install.root() + QStringLiteral("/m.csv");
    const AdminRun r = admin({QStringLiteral("class-report"), install.programFolder(), out, QStringLiteral("--date"),
                              QStringLiteral("2024-06-10")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    QFile f(out);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(f.readAll().mid(3)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[3].section(u',', 3, 8), QStringLiteral(",0,,,0,")) << "pupil 3 has no time and no run";
    // Level 2: best times 100 and 120 → 110; runs 2, 1, 0 → 1. Level 4: best 90 → 90; runs 1, 0, 0 → 0.
    EXPECT_EQ(lines[4].section(u',', 3, 8), QStringLiteral("110,1,,90,0,"));
}

struct MedianCase
{
    std::vector<double> values;
    std::optional<double> median;
    const char *text;
};

TEST(ClassReportMedians, OfOddAndEvenCountsAndNone)
{
    const std::vector<MedianCase> cases{
        {{}, std::nullopt, "-"},       {{7}, 7.0, "7"},           {{3, 1}, 2.0, "2"},
        {{1, 2}, 1.5, "1.5"},          {{5, 1, 3}, 3.0, "3"},     {{0, 0, 0, 9}, 0.0, "0"},
        {{90, 40, 70, 60}, 65.0, "65"}, {{1, 2, 2, 3, 100}, 2.0, "2"},
    };
    for (const MedianCase &c : cases) {
        const std::optional<double> m = classoverview::median(c.values);
        EXPECT_EQ(m, c.median) << testing::PrintToString(c.values);
        EXPECT_EQ(classoverview::medianText(m), QString::fromUtf8(c.text)) << testing::PrintToString(c.values);
    }
}

} // namespace
