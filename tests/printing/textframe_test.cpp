#include "pagemapping.h"
#include "sheetfont.h"
#include "textframe.h"

#include <QFontMetricsF>

#include <gtest/gtest.h>

namespace {

// A cell of the worksheet: the explanation column of an A4 row (0.045 of the page height).
TextFrame cellFrame(double width = 0.285)
{
    TextFrame frame;
    frame.left = 0.41;
    frame.width = width;
    frame.top = 1000;
    frame.height = 0.045;
    frame.startSize = 13;
    return frame;
}

const QString kLong = QStringLiteral("あとつぎ問題から応仁の乱を招き、京都は十一年にわたる戦乱で焼け野原となった。"
                                     "その後も東山に銀閣を建てて文化を育てた将軍である。");

struct FitCase
{
    OutputMode mode;
    int lines;
    int size;
};

class FrameFit : public ::testing::TestWithParam<FitCase>
{
};

// One line fits at 13 points, two need 10 or less, three 7 or less, on the preview and on paper.
TEST_P(FrameFit, ShrinksByWholePointsUntilTheLinesFitTheRow)
{
    const FitCase c = GetParam();
    QStringList paragraphs;
    for (int i = 0; i < c.lines; ++i)
        paragraphs.append(QStringLiteral("年代"));
    const FrameLayout layout = textframe::layOut(paragraphs, cellFrame(), PageMapping(c.mode));
    EXPECT_EQ(layout.fontSize, c.size);
    EXPECT_FALSE(layout.overflow);
    ASSERT_EQ(layout.lines.size(), c.lines);
    EXPECT_DOUBLE_EQ(layout.lines.first().x, 4100);
    EXPECT_DOUBLE_EQ(layout.lines.first().y, 1000);
}

INSTANTIATE_TEST_SUITE_P(TextFrame, FrameFit,
                         ::testing::Values(FitCase{OutputMode::Preview, 1, 13}, FitCase{OutputMode::Preview, 2, 10},
                                           FitCase{OutputMode::Preview, 3, 7}, FitCase{OutputMode::Printer, 1, 13},
                                           FitCase{OutputMode::Printer, 2, 10}, FitCase{OutputMode::Printer, 3, 7}));

TEST(TextFrame, ALongTextIsDrawnAtTheLargestSizeWhoseLinesFitAndLosesNothing)
{
    const PageMapping mapping(OutputMode::Printer);
    const TextFrame frame = cellFrame();
    const double width = frame.width * mapping.printerPage().width();
    ASSERT_GT(textframe::wrap(kLong, 13, width).size(), 1);

    const FrameLayout layout = textframe::layOut({kLong}, frame, mapping);
    ASSERT_LT(layout.fontSize, 13);
    EXPECT_FALSE(layout.overflow);
    const double room = mapping.targetHeight() * frame.height;
    EXPECT_LT((layout.lines.size() + 1) * mapping.linePitch(layout.fontSize), room);
    const qsizetype linesOneLarger = textframe::wrap(kLong, layout.fontSize + 1, width).size();
    EXPECT_GE((linesOneLarger + 1) * mapping.linePitch(layout.fontSize + 1), room);

    QString joined;
    for (const FrameLine &line : layout.lines)
        joined += line.text;
    EXPECT_EQ(joined, kLong);
    // Each line is one pitch below the last.
    for (qsizetype i = 1; i < layout.lines.size(); ++i)
        EXPECT_NEAR(layout.lines.at(i).y - layout.lines.at(i - 1).y,
                    10000.0 * mapping.linePitch(layout.fontSize) / mapping.targetHeight(), 1e-9);
}

TEST(TextFrame, WrappedLinesFitTheMeasuredWidth)
{
    const double width = 0.95 * 0.3 * PageMapping::kA4Twips.width();
    const QStringList lines = textframe::wrap(kLong, 10, width);
    ASSERT_GT(lines.size(), 1);
    const QFontMetricsF metrics(sheetfont::inTwips(200));
    for (const QString &line : lines)
        EXPECT_LE(metrics.horizontalAdvance(line.trimmed()), width) << line.toStdString();
}

TEST(TextFrame, ThePreviewBreaksLinesWhereThePrintoutDoes)
{
    const FrameLayout preview = textframe::layOut({kLong}, cellFrame(0.19), PageMapping(OutputMode::Preview));
    const FrameLayout printer = textframe::layOut({kLong}, cellFrame(0.19), PageMapping(OutputMode::Printer));
    EXPECT_EQ(preview.fontSize, printer.fontSize);
    ASSERT_EQ(preview.lines.size(), printer.lines.size());
    for (qsizetype i = 0; i < preview.lines.size(); ++i) {
        EXPECT_EQ(preview.lines.at(i).text, printer.lines.at(i).text);
        EXPECT_NEAR(preview.lines.at(i).y, printer.lines.at(i).y, 1e-9);
    }
}

TEST(TextFrame, AnEmptyTextIsOneEmptyLineAtTheStartSize)
{
    const FrameLayout layout = textframe::layOut({QString()}, cellFrame(), PageMapping(OutputMode::Preview));
    EXPECT_EQ(layout.fontSize, 13);
    ASSERT_EQ(layout.lines.size(), 1);
    EXPECT_TRUE(layout.lines.first().text.isEmpty());
}

TEST(TextFrame, StopsAtOnePointWhenNothingFits)
{
    TextFrame frame = cellFrame(0.01);
    frame.height = 0.001;
    const FrameLayout layout = textframe::layOut({kLong.repeated(5)}, frame, PageMapping(OutputMode::Printer));
    EXPECT_EQ(layout.fontSize, textframe::kSmallestSize);
    EXPECT_TRUE(layout.overflow);
    EXPECT_FALSE(layout.lines.isEmpty());
}

} // namespace
