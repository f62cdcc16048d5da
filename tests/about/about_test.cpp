#include "waitcover.h"
#include "aboutdialog.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

TEST(AboutDialog, ShowsTheSameTextsEachTimeItOpens)
{
    for (int round = 0; round < 2; ++round) {
        AboutDialog dialog(QStringLiteral("Tavrel"));
        dialog.show();
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"));
        EXPECT_EQ(dialog.titleLabel()->text(), QStringLiteral("Tavrel"));
        EXPECT_EQ(dialog.versionLabel()->text(), QStringLiteral("Version1.0.5"));
        EXPECT_EQ(dialog.makerLabel()->text(), AboutDialog::makerName());
        EXPECT_EQ(dialog.rightsLabel()->text(), AboutDialog::rightsNotice());
        EXPECT_FALSE(dialog.makerLabel()->text().isEmpty());

        QTest::mouseClick(dialog.contactLabel(), Qt::LeftButton);
        EXPECT_TRUE(dialog.isVisible());
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        EXPECT_FALSE(dialog.isVisible());
    }
}

TEST(AboutDialog, KeepsItsDesignedProportions)
{
    AboutDialog dialog(QStringLiteral("Tavrel"));
    const double ratio = double(dialog.width()) / dialog.height();
    EXPECT_NEAR(ratio, 4605.0 / 6075.0, 0.01);
}

TEST(WaitCover, ShowingTwiceLeavesOneCover)
{
    WaitCover cover;
    cover.showCover();
    cover.showCover();
    int visible = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        visible += (qobject_cast<QWidget *>(w) && w->isVisible() && w->windowTitle() == cover.windowTitle()) ? 1 : 0;
    EXPECT_EQ(visible, 1);
    EXPECT_EQ(cover.label()->text(), QStringLiteral("Just a moment, please."));
    cover.closeCover();
    EXPECT_FALSE(cover.isVisible());
}

} // namespace
