#include "pagemapping.h"
#include "pdftext.h"
#include "printablearea.h"
#include "printhandover.h"
#include "sheetoutput.h"
#include "worksheettable.h"

#include <QFile>
#include <QPdfDocument>
#include <QPrinter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

PrintHandover sampleSheet()
{
    PrintHandover sheet = worksheettable::empty();
    sheet.setCell(1, 2, QStringLiteral("672"));
    sheet.setCell(1, 3, QStringLiteral("ヤマト"));
    sheet.setCell(1, 4, QStringLiteral("説明のことば"));
    sheet.setCell(1, 5, QStringLiteral("ヤマト(やまと)"));
    sheet.setCell(20, 3, QStringLiteral("サイゴ"));
    return sheet;
}

bool dark(QRgb pixel)
{
    return qGray(pixel) < 128;
}

// Runs of dark pixels met walking along a line of the image.
int darkRuns(const QImage &image, bool vertical, int at, int *widest = nullptr)
{
    int runs = 0;
    int run = 0;
    int widestRun = 0;
    const int length = vertical ? image.height() : image.width();
    for (int i = 0; i <= length; ++i) {
        const bool isDark = i < length && dark(vertical ? image.pixel(at, i) : image.pixel(i, at));
        if (isDark) {
            ++run;
        } else if (run > 0) {
            ++runs;
            widestRun = std::max(widestRun, run);
            run = 0;
        }
    }
    if (widest)
        *widest = widestRun;
    return runs;
}

QString pdfText(const QString &path, int *pages = nullptr, QSizeF *pointSize = nullptr)
{
    QPdfDocument document;
    EXPECT_EQ(document.load(path), QPdfDocument::Error::None);
    if (pages)
        *pages = document.pageCount();
    if (pointSize)
        *pointSize = document.pagePointSize(0);
    return document.getAllText(0).text();
}

TEST(SheetOutput, ThePreviewBoxHoldsTheTableRules)
{
    const QImage image = sheetoutput::preview(worksheettable::empty(), 1.0 / 15.0);
    const QSizeF box = PageMapping(OutputMode::Preview).previewBox() / 15.0;
    EXPECT_EQ(image.size(), QSize(qCeil(box.width()), qCeil(box.height())));

    // Down the right of the answer column, where no text stands: 22 rules, each one pixel.
    const int x = qRound(PageMapping(OutputMode::Preview).toSurface(9500, 0).x() / 15.0);
    int widest = 0;
    EXPECT_EQ(darkRuns(image, true, x, &widest), 22);
    EXPECT_EQ(widest, 1);
    // Across the gap above the texts of a body row: the six column edges.
    const int y = qRound(PageMapping(OutputMode::Preview).toSurface(0, 1350 + 50).y() / 15.0);
    EXPECT_EQ(darkRuns(image, false, y, &widest), 6);
    EXPECT_EQ(widest, 1);
    // Nothing above the table.
    EXPECT_EQ(darkRuns(image, false, 5), 0);
}

TEST(SheetOutput, ThePdfIsOneA4PageWhoseTextsCanBeFound)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("問題用紙.pdf"));
    ASSERT_EQ(sheetoutput::writePdf(sampleSheet(), path), QString());
    int pages = 0;
    QSizeF size;
    const QString text = pdfText(path, &pages, &size);
    EXPECT_EQ(pages, 1);
    EXPECT_NEAR(size.width(), 595.3, 1.0);
    EXPECT_NEAR(size.height(), 841.9, 1.0);
    for (const QString &expected : {QStringLiteral("年代"), QStringLiteral("出来事"), QStringLiteral("答え"),
                                    QStringLiteral("①"), QStringLiteral("⑳"), QStringLiteral("ヤマト(やまと)"),
                                    QStringLiteral("説明のことば"), QStringLiteral("サイゴ")})
        EXPECT_TRUE(text.contains(expected)) << expected.toStdString();
}

// Noto CJK draws 人, 高, 山, 田, 長, 文 ... with the glyphs of look-alike radicals; the PDF
// names each glyph by one character, and must name it by the one drawn.
TEST(SheetOutput, ThePdfsTextReadsBackAsDrawn)
{
    PrintHandover sheet = worksheettable::empty();
    const QStringList drawn{QStringLiteral("人"), QStringLiteral("高"), QStringLiteral("山田"), QStringLiteral("長"),
                            QStringLiteral("文"), QStringLiteral("山田長文・高人"),
                            QStringLiteral("長崎の出島（でじま）で～１６４１年／文化"), QStringLiteral("〈一〉 A1B")};
    for (int row = 1; row <= drawn.size(); ++row)
        sheet.setCell(row, 3, drawn[row - 1]);
    sheet.setCell(1, 2, QStringLiteral("1641"));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("問題用紙.pdf"));
    ASSERT_EQ(sheetoutput::writePdf(sheet, path), QString());

    const QString text = pdftext::compact(pdftext::of(path));
    EXPECT_TRUE(pdftext::radicalIn(text).isNull()) << "U+" << QString::number(pdftext::radicalIn(text).unicode(), 16).toStdString();
    for (const QString &expected : drawn + QStringList{QStringLiteral("年代"), QStringLiteral("出来事"),
                                                       QStringLiteral("答え"), QStringLiteral("①"), QStringLiteral("1641")})
        EXPECT_TRUE(text.contains(pdftext::compact(expected))) << expected.toStdString() << " in " << text.toStdString();
}

// A PDF printed at 100 % must not lose its edges to a printer's unprintable border: the sheet is
// drawn inside the printable area of a typical A4 printer, as a printer draws it.
TEST(SheetOutput, ThePdfKeepsTheBorderAPrinterCannotPrintOn)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("問題用紙.pdf"));
    ASSERT_EQ(sheetoutput::writePdf(sampleSheet(), path), QString());
    QPdfDocument document;
    ASSERT_EQ(document.load(path), QPdfDocument::Error::None);
    const QRectF text = document.getAllText(0).boundingRectangle();
    const QSizeF page = document.pagePointSize(0);
    const double border = printablearea::kMarginMillimetres / 25.4 * 72.0;
    // ① stands 2 mm right of the table's left rule, which lies 1 mm inside the border.
    EXPECT_GT(text.left(), border + 2.0 / 25.4 * 72.0) << text.left();
    EXPECT_GT(text.top(), border) << text.top();
    EXPECT_LT(text.right(), page.width() - border) << text.right();
    EXPECT_LT(text.bottom(), page.height() - border) << text.bottom();
}

TEST(SheetOutput, APdfThatCannotBeWrittenIsReportedAndLeavesNoFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("no-such-folder/sheet.pdf"));
    const QString error = sheetoutput::writePdf(sampleSheet(), path);
    EXPECT_TRUE(error.contains(path));
    EXPECT_FALSE(QFile::exists(path));
}

TEST(SheetOutput, ThePrinterPathDrawsTheSameSheetOnAPrinterPage)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("printer.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    ASSERT_EQ(sheetoutput::print(sampleSheet(), printer), QString());
    int pages = 0;
    const QString text = pdfText(path, &pages);
    EXPECT_EQ(pages, 1);
    EXPECT_TRUE(text.contains(QStringLiteral("ヤマト(やまと)")));
    EXPECT_TRUE(text.contains(QStringLiteral("⑳")));
}

} // namespace
