// Every screen, shown offscreen in its usual states with long real names: the text of every
// visible label fits inside the label at the font it is drawn with, so no screen cuts a name or
// the bottom of its strokes.
#include "aboutdialog.h"
#include "drillscreen.h"
#include "fakes.h"
#include "fitlabel.h"
#include "levelscreen.h"
#include "loopinstall.h"
#include "namechangescreen.h"
#include "program.h"
#include "resultscreen.h"
#include "screenflow.h"
#include "startscreen.h"
#include "waitcover.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

// The third is as long as the roster holds (20 characters).
const QStringList kLongNames = {QStringLiteral("勅使河原　美千代"), QStringLiteral("長宗我部　慎之介"),
                                QStringLiteral("ウィルヘルミーナ・ファン・デル・ベルグス")};

// The labels of a window whose text, at the font it is drawn with, is wider or taller than the
// label's contents rectangle; each with the state it was seen in.
QStringList clippedLabels(QWidget *window, const QString &state)
{
    QStringList clipped;
    for (QLabel *label : window->findChildren<QLabel *>()) {
        if (!label->isVisibleTo(window) || label->text().isEmpty())
            continue;
        const auto *fitting = dynamic_cast<const FitLabel *>(label);
        const QFontMetricsF metrics(fitting ? fitting->fittedFont() : label->font());
        const QRectF room = QRectF(label->contentsRect()).adjusted(label->margin(), label->margin(), -label->margin(),
                                                                  -label->margin());
        QSizeF need;
        if (fitting ? fitting->fittedWraps() : label->wordWrap()) {
            need = metrics.boundingRect(room, static_cast<int>(label->alignment()) | Qt::TextWordWrap, label->text()).size();
        } else {
            QSizeF line(0.0, 0.0);
            for (const QString &part : label->text().split(u'\n'))
                line = QSizeF(std::max(line.width(), metrics.horizontalAdvance(part)), line.height() + metrics.height());
            need = line;
        }
        if (need.width() > room.width() + 0.5 || need.height() > room.height() + 0.5)
            clipped << QStringLiteral("%1: \"%2\" needs %3×%4, has %5×%6")
                           .arg(state, label->text())
                           .arg(need.width(), 0, 'f', 1)
                           .arg(need.height(), 0, 'f', 1)
                           .arg(room.width(), 0, 'f', 1)
                           .arg(room.height(), 0, 'f', 1);
    }
    return clipped;
}

class LabelFitTest : public testing::Test
{
protected:
    void SetUp() override
    {
        loopinstall::layOut(install);
        QString roster;
        for (int i = 0; i < kLongNames.size(); ++i)
            roster += QStringLiteral("%1,%2,0,0,\"%3\",0,\"%4\",\"%4\"\r\n")
                          .arg(i + 1)
                          .arg(2013 + i)
                          .arg(kLongNames[i].leftJustified(20), QString(20, u' '));
        install.writeText(QStringLiteral("files/生徒用名簿.txt"), roster);
        ASSERT_EQ(program.start(), 0);
    }

    void check(QWidget *window, const QString &state)
    {
        ASSERT_NE(window, nullptr) << state.toStdString();
        QCoreApplication::processEvents();
        clipped << clippedLabels(window, state);
    }

    ScreenFlow &flow() { return *program.flow(); }

    TempInstall install;
    FakeServices services;
    FakeMessagePresenter messages;
    Program program{install.programFolder(), services.services(), messages};
    QStringList clipped;
};

TEST_F(LabelFitTest, EveryScreenShowsItsTextsWhole)
{
    StartScreen &start = *flow().startScreen();
    check(&start, QStringLiteral("start screen"));
    start.chooseRow(1);
    check(&start, QStringLiteral("start screen, a name chosen"));
    start.waitPanel()->show();
    start.waitPanel()->raise();
    check(&start, QStringLiteral("start screen, wait panel"));
    start.waitPanel()->hide();

    flow().showNameChange();
    check(flow().nameChangeScreen(), QStringLiteral("name change"));
    flow().nameChangeScreen()->saveNames();
    check(flow().nameChangeScreen(), QStringLiteral("name change, saved"));
    flow().nameChangeScreen()->backToStart();

    flow().startScreen()->confirmRow(1);
    LevelScreen *levels = flow().levelScreen();
    check(levels, QStringLiteral("level screen"));
    levels->chooseDisplayMode(DisplayMode::Time);
    check(levels, QStringLiteral("level screen, times"));

    // A test run: the covered question, the choices, the year panel, the end notice.
    levels->startLevel(2);
    DrillScreen *drill = flow().drillScreen();
    check(drill, QStringLiteral("drill, covered"));
    drill->run().coverTimerFired();
    drill->render();
    check(drill, QStringLiteral("drill, choices"));
    drill->run().chooseSlot(drill->run().answerSlot());
    drill->run().yearCoverTimerFired();
    drill->render();
    check(drill, QStringLiteral("drill, years"));
    for (int guard = 0; !drill->handOverPending() && guard < 50; ++guard) {
        drill->run().chooseYear(loopinstall::correctYearIndex(*drill));
        drill->run().coverTimerFired();
        drill->run().chooseSlot(drill->run().answerSlot());
        drill->run().yearCoverTimerFired();
    }
    drill->render();
    check(drill, QStringLiteral("drill, end notice"));
    drill->handOverNow();

    // The result with its record message, then the level cleared and the advice to move on.
    ResultScreen *result = flow().resultScreen();
    check(result, QStringLiteral("result"));
    result->showButtons();
    result->progressionLine()->setText(QStringLiteral("このレベルクリア"));
    result->progressionLine()->show();
    result->goalPanel()->show();
    check(result, QStringLiteral("result, goal level cleared"));
    result->goalPanel()->hide();
    result->progressionLine()->setText(QStringLiteral("次のレベルへ進みましょう"));
    check(result, QStringLiteral("result, move on"));
    result->menuButton()->click();

    // A practice.
    flow().levelScreen()->startLevel(1);
    drill = flow().drillScreen();
    for (int step = 0; step < 3; ++step) {
        drill->run().practiceTimerFired();
        drill->render();
        check(drill, QStringLiteral("practice, step %1").arg(step + 1));
    }

    AboutDialog about(QStringLiteral("Tavrel"));
    about.show();
    check(&about, QStringLiteral("version screen"));
    flow().waitScreen()->showCover();
    check(flow().waitScreen(), QStringLiteral("wait cover"));

    EXPECT_TRUE(clipped.isEmpty()) << clipped.join(u'\n').toStdString();
}

// The glyph size, in pixels, of every visible label of a window that shows the text, with the
// window at the size the screens are designed for (1024 × 768).
std::vector<int> pixelsOfLabelsShowing(QWidget *window, const QString &text)
{
    window->showNormal();
    window->resize(1024, 768);
    QCoreApplication::processEvents();
    std::vector<int> sizes;
    for (const QLabel *label : window->findChildren<QLabel *>()) {
        if (!label->isVisibleTo(window) || !label->text().contains(text))
            continue;
        const auto *fitting = dynamic_cast<const FitLabel *>(label);
        sizes.push_back(QFontInfo(fitting ? fitting->fittedFont() : label->font()).pixelSize());
    }
    return sizes;
}

// A name as long as the roster holds is drawn at a readable size where the pupil sees it: on two
// lines in the level screen's pupil line, condensed in the drill's name box.
TEST_F(LabelFitTest, ANameAsLongAsTheRosterHoldsStaysReadable)
{
    const QString name = kLongNames[2];
    ASSERT_EQ(name.size(), 20);
    StartScreen &start = *flow().startScreen();
    int row = 0;
    while (row < start.list()->count() && !start.list()->item(row)->text().contains(name))
        ++row;
    ASSERT_LT(row, start.list()->count());
    start.confirmRow(row);
    LevelScreen *levels = flow().levelScreen();
    ASSERT_NE(levels, nullptr);
    const std::vector<int> onLevels = pixelsOfLabelsShowing(levels, name);
    levels->startLevel(2);
    DrillScreen *drill = flow().drillScreen();
    ASSERT_NE(drill, nullptr);
    const std::vector<int> onDrill = pixelsOfLabelsShowing(drill, name);
    ASSERT_FALSE(onLevels.empty());
    ASSERT_FALSE(onDrill.empty());
    for (const int pixels : onLevels)
        EXPECT_GE(pixels, FitLabel::kReadablePixels) << "level screen";
    for (const int pixels : onDrill)
        EXPECT_GE(pixels, FitLabel::kReadablePixels) << "drill";
}

} // namespace
