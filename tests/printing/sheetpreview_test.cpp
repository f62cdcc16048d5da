#include "fakeprintplatform.h"
#include "sheetpreview.h"
#include "worksheettable.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class Preview : public ::testing::Test
{
protected:
    Preview()
    {
        sheet = worksheettable::empty();
        sheet.setCell(1, 3, QStringLiteral("ヤマト"));
        platform.pdfPath = dir.filePath(QStringLiteral("sheet.pdf"));
        preview.activate(1.0 / 15.0);
    }

    QTemporaryDir dir;
    PrintHandover sheet;
    FakePrintPlatform platform;
    SheetPreview preview{sheet, platform};
};

TEST_F(Preview, PrintingSendsTheSheetAndLeavesThePreviewAsItWas)
{
    platform.printer = QStringLiteral("PDF");
    const QImage before = preview.view().sheet;
    preview.print();
    ASSERT_EQ(platform.printed.size(), 1);
    EXPECT_EQ(platform.printed.first().cell(1, 3), QStringLiteral("ヤマト"));
    EXPECT_EQ(preview.view().sheet, before);
    EXPECT_TRUE(platform.offers.isEmpty());
    EXPECT_TRUE(preview.view().status.contains(QStringLiteral("PDF")));
}

TEST_F(Preview, APrinterThatFailsIsReported)
{
    platform.printer = QStringLiteral("PDF");
    platform.printError = QStringLiteral("プリンター「PDF」に印刷できませんでした。");
    preview.print();
    EXPECT_EQ(platform.told, QStringList{platform.printError});
}

TEST_F(Preview, WithoutAPrinterTheSheetIsOfferedAsAPdf)
{
    platform.acceptPdf = true;
    preview.print();
    EXPECT_EQ(platform.offers, QStringList{SheetPreview::kNoPrinter});
    EXPECT_TRUE(platform.printed.isEmpty());
    EXPECT_EQ(platform.suggestedNames, QStringList{SheetPreview::kPdfName});
    EXPECT_TRUE(QFile::exists(platform.pdfPath));
}

TEST_F(Preview, DecliningOrCancellingWritesNothing)
{
    preview.print();
    EXPECT_EQ(platform.offers.size(), 1);
    EXPECT_TRUE(platform.suggestedNames.isEmpty());
    platform.pdfPath.clear();
    preview.savePdf();
    EXPECT_EQ(platform.suggestedNames.size(), 1);
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST_F(Preview, EachActivationDrawsTheHandOverAsItIsThen)
{
    const QImage before = preview.view().sheet;
    sheet.setCell(2, 4, QStringLiteral("あとから足した説明"));
    EXPECT_EQ(preview.view().sheet, before);
    preview.activate(1.0 / 15.0);
    EXPECT_NE(preview.view().sheet, before);
}

TEST_F(Preview, StoppingClosesThePreview)
{
    EXPECT_TRUE(preview.view().open);
    preview.stop();
    EXPECT_FALSE(preview.view().open);
    EXPECT_TRUE(platform.printed.isEmpty());
}

} // namespace
