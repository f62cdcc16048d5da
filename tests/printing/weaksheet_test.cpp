#include "clock.h"
#include "fakeprintplatform.h"
#include "fakes.h"
#include "installation.h"
#include "printsettings.h"
#include "printsettingsscreen.h"
#include "weakanswers.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// The name chosen on the start screen: 苦手な問題 is a teacher's.
const QString kTeacher = QStringLiteral("山本先生");

// The print settings of a folder-mode-1 installation with the class of weakanswers.
class WeakSheet : public ::testing::Test
{
protected:
    void SetUp() override { weakanswers::writeClass(install); }

    Folders folders() const
    {
        return Folders{install.programFolder(), QStringLiteral("drill2"), install.filesFolder(), install.programFolder(),
                       install.root() + QStringLiteral("/音フォルダ/")};
    }

    static QStringList names(const PrintHandover &table, int column = 3)
    {
        QStringList result;
        for (int row = 1; row <= PrintHandover::kSheetRows; ++row)
            result << table.cell(row, column);
        return result;
    }

    int entryOf(const PrintSettings &settings, const QString &caption) const
    {
        return static_cast<int>(settings.view().weakEntries.indexOf(caption));
    }

    TempInstall install;
    ManualClock clock{QDateTime(weakanswers::kDay, QTime(15, 0))};
    ScriptedRandom random{{0.3, 0.7, 0.1, 0.9, 0.5}};
    RecordCallbacks callbacks{[] {}, {}};
};

TEST_F(WeakSheet, PickerListsTheClassesThenThePupils)
{
    PrintSettings settings(folders(), clock, random, callbacks, kTeacher);
    settings.load();
    EXPECT_TRUE(settings.view().weakOffered);
    EXPECT_EQ(settings.view().weakEntries,
              (QStringList{QStringLiteral("6-1組"), QStringLiteral("6-2組"), QStringLiteral("3 山田太郎"),
                           QStringLiteral("7 佐藤花子"), QStringLiteral("12 鈴木一郎")}));
    EXPECT_EQ(settings.view().source, SheetSource::Groups);
}

TEST_F(WeakSheet, HoldsExactlyThePupilsTwentyFiguresMissedMostInTheChosenMode)
{
    PrintSettings settings(folders(), clock, random, callbacks, kTeacher);
    settings.load();
    settings.setShuffle(false);
    settings.chooseWeakEntry(entryOf(settings, QStringLiteral("3 山田太郎")));
    ASSERT_EQ(settings.view().source, SheetSource::Weak);
    EXPECT_TRUE(settings.view().weakNotice.isEmpty()) << settings.view().weakNotice.toStdString();
    EXPECT_TRUE(settings.view().printable);
    EXPECT_EQ(settings.view().selectedCount, 20);
    EXPECT_EQ(names(settings.handover()), weakanswers::pupil3Top());
    EXPECT_EQ(settings.handover().cell(1, 2), QStringLiteral("630"));
    EXPECT_EQ(settings.handover().cell(1, 4), QStringLiteral("説明30"));
    EXPECT_EQ(settings.handover().cell(0, 3), QStringLiteral("名前"));
    EXPECT_EQ(settings.handover().cell(20, 1), QStringLiteral("⑳"));

    // Hiding the name moves it to 答え, as on every sheet.
    settings.chooseMode(HideMode::HideName);
    EXPECT_EQ(names(settings.handover()), QStringList(20, QString()));
    EXPECT_EQ(names(settings.handover(), 5), weakanswers::pupil3Top());

    // Shuffled, the same twenty in another order.
    settings.chooseMode(HideMode::ShowAll);
    settings.setShuffle(true);
    QStringList shuffled = names(settings.handover());
    QStringList expected = weakanswers::pupil3Top();
    std::sort(shuffled.begin(), shuffled.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(shuffled, expected);
}

TEST_F(WeakSheet, OfAClassCountsItsPupilsOnly)
{
    PrintSettings settings(folders(), clock, random, callbacks, kTeacher);
    settings.load();
    settings.setShuffle(false);
    settings.chooseWeakEntry(entryOf(settings, QStringLiteral("6-2組")));
    EXPECT_EQ(settings.view().selectedCount, 5);
    EXPECT_EQ(names(settings.handover()).mid(0, 6),
              (QStringList{QStringLiteral("人物1"), QStringLiteral("人物2"), QStringLiteral("人物3"),
                           QStringLiteral("人物4"), QStringLiteral("人物5"), QString()}));

    settings.chooseWeakEntry(entryOf(settings, QStringLiteral("6-1組")));
    EXPECT_EQ(names(settings.handover()), weakanswers::pupil3Top());

    // A click in the level list goes back to the level's questions.
    settings.selectGroups({2});
    EXPECT_EQ(settings.view().source, SheetSource::Groups);
    EXPECT_EQ(settings.view().selectedCount, 15);
}

TEST_F(WeakSheet, WithoutAnswerRecordsSaysSoAndPrintsNothing)
{
    PrintSettings settings(folders(), clock, random, callbacks, kTeacher);
    settings.load();
    settings.chooseWeakEntry(entryOf(settings, QStringLiteral("7 佐藤花子")));
    EXPECT_EQ(settings.view().weakNotice,
              QStringLiteral("佐藤花子さんの解答の記録はまだありません。\nテストを受けると記録されます。"));
    EXPECT_TRUE(settings.view().weakNoticeIsNew);
    EXPECT_FALSE(settings.view().printable);
    EXPECT_EQ(names(settings.handover()), QStringList(20, QString()));

    // Shuffling again says it no more; choosing the pupil again does.
    settings.shuffleAgain();
    EXPECT_FALSE(settings.view().weakNoticeIsNew);
    settings.chooseWeakEntry(entryOf(settings, QStringLiteral("7 佐藤花子")));
    EXPECT_TRUE(settings.view().weakNoticeIsNew);

    install.remove(QStringLiteral("drill2/解答累積データ.dat"));
    settings.chooseWeakEntry(entryOf(settings, QStringLiteral("6-1組")));
    EXPECT_EQ(settings.view().weakNotice,
              QStringLiteral("6-1組の解答の記録はまだありません。\nテストを受けると記録されます。"));
}

TEST_F(WeakSheet, WithoutTheFoldersThereIsNoWeakChoice)
{
    PrintSettings settings(install.programFolder(), random);
    settings.load();
    EXPECT_FALSE(settings.view().weakOffered);
    EXPECT_TRUE(settings.view().weakEntries.isEmpty());
    settings.chooseSource(SheetSource::Weak);
    EXPECT_EQ(settings.view().source, SheetSource::Groups);
}

// Only a name containing 先生 is offered the weak figures of every pupil; anyone else gets the
// settings of the levels' questions exactly as without the answer log.
TEST_F(WeakSheet, IsOfferedToTeachersOnly)
{
    const struct
    {
        QString name;
        bool offered;
    } cases[] = {
        {QStringLiteral("山本先生"), true},  {QStringLiteral("先生"), true},
        {QStringLiteral("先生 田中"), true}, {QString(), false},
        {QStringLiteral("山田太郎"), false}, {QStringLiteral("先 生"), false},
        {QStringLiteral("先"), false},       {QStringLiteral("生徒"), false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        EXPECT_EQ(PrintSettings::offersWeakTo(c.name), c.offered);
        PrintSettings settings(folders(), clock, random, callbacks, c.name);
        settings.load();
        EXPECT_EQ(settings.view().weakOffered, c.offered);
        EXPECT_EQ(settings.view().weakEntries.size(), c.offered ? 5 : 0);
        settings.chooseSource(SheetSource::Weak);
        EXPECT_EQ(settings.view().source, c.offered ? SheetSource::Weak : SheetSource::Groups);
        settings.chooseWeakEntry(0);
        EXPECT_EQ(settings.view().source, c.offered ? SheetSource::Weak : SheetSource::Groups);
        if (!c.offered) {
            EXPECT_EQ(settings.view().weakEntry, -1);
            EXPECT_TRUE(settings.view().weakNotice.isEmpty());
            EXPECT_TRUE(settings.view().printable);
            PrintSettings plain(install.programFolder(), random);
            plain.load();
            EXPECT_EQ(settings.view().selectedCount, plain.view().selectedCount);
            EXPECT_GT(settings.view().selectedCount, 0);
        }
    }
}

TEST_F(WeakSheet, ScreenWithoutATeachersNameIsTheScreenOfTheLevels)
{
    FakeMessagePresenter messages;
    FakePrintPlatform platform;
    PrintSettingsScreen screen(folders(), clock, QStringLiteral("山田太郎"), random, messages, platform);
    screen.show();
    EXPECT_FALSE(screen.sourceButton(SheetSource::Weak)->isVisible());
    EXPECT_FALSE(screen.sourceButton(SheetSource::Groups)->isVisible());
    EXPECT_FALSE(screen.weakPicker()->isVisible());
    EXPECT_EQ(screen.weakPicker()->count(), 0);
    EXPECT_TRUE(screen.toPrintButton()->isEnabled());
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(WeakSheet, ScreenOffersTheOrdinarySheetWhenThereIsNothingToPrint)
{
    FakeMessagePresenter messages;
    FakePrintPlatform platform;
    PrintSettingsScreen screen(folders(), clock, kTeacher, random, messages, platform);
    screen.show();
    ASSERT_TRUE(screen.sourceButton(SheetSource::Weak)->isVisible());
    ASSERT_EQ(screen.weakPicker()->count(), 5);

    // 苦手な問題 of the first entry, class 6-1.
    screen.sourceButton(SheetSource::Weak)->click();
    EXPECT_TRUE(messages.asked.isEmpty());
    EXPECT_EQ(screen.settings().view().selectedCount, 20);
    EXPECT_TRUE(screen.toPrintButton()->isEnabled());

    // A pupil without records: said, and the ordinary sheet taken when the answer is はい.
    messages.answer = true;
    screen.weakPicker()->setCurrentIndex(3);
    emit screen.weakPicker()->activated(3);
    ASSERT_EQ(messages.asked.size(), 1);
    EXPECT_EQ(messages.asked[0].text,
              QStringLiteral("佐藤花子さんの解答の記録はまだありません。\nテストを受けると記録されます。\n"
                             "レベルの問題の用紙にしますか？"));
    EXPECT_EQ(screen.settings().view().source, SheetSource::Groups);
    EXPECT_TRUE(screen.sourceButton(SheetSource::Groups)->isChecked());
    EXPECT_TRUE(screen.toPrintButton()->isEnabled());

    // いいえ: the empty weak sheet stays, and cannot go to the printer.
    messages.answer = false;
    emit screen.weakPicker()->activated(3);
    EXPECT_EQ(messages.asked.size(), 2);
    EXPECT_EQ(screen.settings().view().source, SheetSource::Weak);
    EXPECT_FALSE(screen.toPrintButton()->isEnabled());
}

// The new controls hold their texts: the two sources, the picker's caption, and the picker with
// the longest name a roster holds (20 characters) beside its roster number.
TEST_F(WeakSheet, TheSourceAndThePickerHoldTheirTexts)
{
    install.writeText(QStringLiteral("files/生徒用名簿.txt"),
                      QStringLiteral("4999,2014,0,0,\"ウィルヘルミーナ・ファン・デル・ベルグス\",0,\"\",\"\"\r\n"));
    FakeMessagePresenter messages;
    FakePrintPlatform platform;
    PrintSettingsScreen screen(folders(), clock, kTeacher, random, messages, platform);
    screen.resize(1024, 768);
    screen.show();
    for (QRadioButton *option : {screen.sourceButton(SheetSource::Groups), screen.sourceButton(SheetSource::Weak)}) {
        EXPECT_LE(option->sizeHint().width(), option->width()) << option->text().toStdString();
        EXPECT_LE(option->sizeHint().height(), option->height()) << option->text().toStdString();
    }
    for (QLabel *label : screen.findChildren<QLabel *>()) {
        if (label->text() == QStringLiteral("生徒またはクラス")) {
            EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->contentsRect().width());
            EXPECT_LE(label->fontMetrics().height(), label->contentsRect().height());
        }
    }
    QComboBox *picker = screen.weakPicker();
    ASSERT_EQ(picker->count(), 3);
    const QString longest = picker->itemText(2);
    EXPECT_EQ(longest, QStringLiteral("4999 ウィルヘルミーナ・ファン・デル・ベルグス"));
    // The text, the frame and the drop-down arrow.
    EXPECT_LE(picker->fontMetrics().horizontalAdvance(longest) + 40, picker->width());
    EXPECT_LE(picker->fontMetrics().height() + 6, picker->height());
}

} // namespace
