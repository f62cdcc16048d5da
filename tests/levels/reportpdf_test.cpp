#include "reportpdf.h"

#include "levelsfixture.h"
#include "pdftext.h"
#include "printablearea.h"
#include "reportfigures.h"

#include <QDir>
#include <QFile>
#include <QPdfDocument>
#include <QPdfSelection>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using namespace levelsfixture;

// Text of a PDF page as QtPdf reads it back, without blanks.
QString pageText(QPdfDocument &pdf, int page)
{
    return pdftext::compact(pdf.getAllText(page).text());
}

class ReportPdfTest : public testing::Test
{
protected:
    std::vector<ReportPage> pages(const std::vector<int> &levels)
    {
        const ListSources sources{m_state, kYamada, m_log->stats, m_pupils, QStringLiteral("全学年"), now()};
        return reportPages(sources, reportRunsOf(*m_log, {kYamada}, levels), kYamada, levels);
    }

    Installation m_state = [] {
        Installation s = state();
        s.productTitle = QStringLiteral("Tavrel");
        return s;
    }();
    PupilDirectory m_pupils = pupils();
    std::unique_ptr<LogStats> m_log = logStats(m_state, {{2, QTime(9, 0), kYamada, 2, 95}, {1, QTime(9, 0), kSato, 2, 61}});
    QTemporaryDir m_dir;
};

TEST_F(ReportPdfTest, WritesA4PagesThreeBlocksApartWithTheTablesTexts)
{
    const QString path = m_dir.filePath(QStringLiteral("report.pdf"));
    QString error;
    ASSERT_TRUE(writeReportPdf(path, pages({1, 2, 3, 4}), QStringLiteral("Tavrel"), &error)) << error.toStdString();

    QPdfDocument pdf;
    ASSERT_EQ(pdf.load(path), QPdfDocument::Error::None);
    ASSERT_EQ(pdf.pageCount(), 2);
    // Pages inside the border a typical A4 printer cannot print on, as a printout is.
    const double border = printablearea::kMarginMillimetres / 25.4 * 72.0;
    for (int page = 0; page < 2; ++page) {
        const QSizeF size = pdf.pagePointSize(page);
        EXPECT_NEAR(size.width(), 595.3, 1.0);
        EXPECT_NEAR(size.height(), 841.9, 1.0);
        const QRectF text = pdf.getAllText(page).boundingRectangle();
        EXPECT_GE(text.left(), border) << text.left();
        EXPECT_GE(text.top(), border) << text.top();
        EXPECT_LE(text.right(), size.width() - border) << text.right();
    }
    const QString first = pageText(pdf, 0);
    EXPECT_TRUE(first.contains(QStringLiteral("山田太郎"))) << first.toStdString();
    EXPECT_TRUE(first.contains(QStringLiteral("政治１"))) << first.toStdString();
    EXPECT_TRUE(first.contains(QStringLiteral("最高95秒/61秒"))) << first.toStdString();
    EXPECT_TRUE(first.contains(QStringLiteral("順位2位"))) << first.toStdString();
    EXPECT_TRUE(first.contains(QStringLiteral("(全平均)"))) << first.toStdString();
    EXPECT_EQ(first.count(QStringLiteral("回数")), 3);
    const QString second = pageText(pdf, 1);
    EXPECT_EQ(second.count(QStringLiteral("回数")), 1);
    EXPECT_TRUE(second.contains(QStringLiteral("政治２"))) << second.toStdString();
    EXPECT_TRUE(second.contains(QStringLiteral("山田太郎"))); // the name heads every page
}

// Noto CJK draws 人, 高, 山, 田, 長, 文 ... with the glyphs of look-alike radicals; the PDF
// names each glyph by one character, and must name it by the one drawn, so that a teacher finds
// a pupil's name in the report.
TEST_F(ReportPdfTest, EveryTextReadsBackAsDrawn)
{
    m_state.productTitle = QStringLiteral("人高ドリル");
    m_pupils.setPupil(kYamada, QStringLiteral("山田長文"), 2011, QStringLiteral("小６"));
    const std::vector<ReportPage> report = pages({1, 2});
    const QString path = m_dir.filePath(QStringLiteral("report.pdf"));
    QString error;
    ASSERT_TRUE(writeReportPdf(path, report, QStringLiteral("Tavrel"), &error)) << error.toStdString();

    QStringList drawn{QStringLiteral("山田長文")};
    for (const ReportBlock &block : report.at(0).blocks) {
        drawn << block.figures.title;
        for (const ReportTableLine &line : reportTableLines(block.figures))
            drawn << line.text;
    }
    QPdfDocument pdf;
    ASSERT_EQ(pdf.load(path), QPdfDocument::Error::None);
    const QString text = pageText(pdf, 0);
    EXPECT_TRUE(pdftext::radicalIn(text).isNull()) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("人高ドリル政治１練習"))) << text.toStdString();
    for (const QString &expected : drawn)
        EXPECT_TRUE(text.contains(pdftext::compact(expected))) << expected.toStdString() << " in " << text.toStdString();
}

// Where on the page the first text that `pattern` matches stands, as the reader boxes its
// characters.
QRectF boxOf(QPdfDocument &pdf, int page, const QString &pattern)
{
    const QString all = pdf.getAllText(page).text();
    const QRegularExpressionMatch found = QRegularExpression(pattern).match(all);
    EXPECT_TRUE(found.hasMatch()) << pattern.toStdString() << " in " << all.toStdString();
    if (!found.hasMatch())
        return {};
    return pdf.getSelectionAtIndex(page, static_cast<int>(found.capturedStart()), static_cast<int>(found.capturedLength()))
        .boundingRectangle();
}

double heightOf(QPdfDocument &pdf, int page, const QString &pattern)
{
    return boxOf(pdf, page, pattern).height();
}

// On paper every block's title is 3 × the base size, a practice level's longer caption too.
TEST_F(ReportPdfTest, APracticeTitleIsAsLargeAsATestTitle)
{
    const QString path = m_dir.filePath(QStringLiteral("report.pdf"));
    QString error;
    ASSERT_TRUE(writeReportPdf(path, pages({1, 2}), QStringLiteral("Tavrel"), &error)) << error.toStdString();
    QPdfDocument pdf;
    ASSERT_EQ(pdf.load(path), QPdfDocument::Error::None);
    // The same two characters in both titles, so that their boxes compare as the sizes do.
    const double practice = heightOf(pdf, 0, QStringLiteral("政治(?=１練習)"));
    const double test = heightOf(pdf, 0, QStringLiteral("政治(?=１(?!練))"));
    EXPECT_GT(test, 0.0);
    EXPECT_NEAR(practice, test, 0.02 * test);
}

// "(全平均)" stands about half a line below the average points, clear of them.
TEST_F(ReportPdfTest, TheAllPupilCaptionStandsHalfALineBelowTheAveragePoints)
{
    const QString path = m_dir.filePath(QStringLiteral("report.pdf"));
    QString error;
    ASSERT_TRUE(writeReportPdf(path, pages({2}), QStringLiteral("Tavrel"), &error)) << error.toStdString();
    QPdfDocument pdf;
    ASSERT_EQ(pdf.load(path), QPdfDocument::Error::None);
    const QRectF points = boxOf(pdf, 0, QStringLiteral("獲得ポイント"));
    const QRectF average = boxOf(pdf, 0, QStringLiteral("/ *[0-9]+点"));
    const QRectF caption = boxOf(pdf, 0, QStringLiteral("\\(全平均\\)"));
    const double line = average.top() - points.top();
    ASSERT_GT(line, 0.0);
    EXPECT_GT((caption.top() - average.top()) / line, 0.45);
    EXPECT_LT((caption.top() - average.top()) / line, 0.65);
    EXPECT_GE(caption.top(), average.bottom() - 0.5);
}

TEST_F(ReportPdfTest, AFileThatCannotBeWrittenIsReportedAndLeavesNothing)
{
    const QString path = m_dir.filePath(QStringLiteral("missing/report.pdf"));
    QString error;
    EXPECT_FALSE(writeReportPdf(path, pages({2}), QStringLiteral("Tavrel"), &error));
    EXPECT_TRUE(error.contains(path)) << error.toStdString();
    EXPECT_TRUE(QDir(m_dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}

} // namespace
