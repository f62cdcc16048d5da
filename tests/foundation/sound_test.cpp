#include "datafileerror.h"
#include "fakes.h"
#include "sjis.h"
#include "soundeffects.h"
#include "soundtable.h"
#include "tempinstall.h"

#include <gtest/gtest.h>

namespace {

SoundTable tableFrom(const QString &text)
{
    TempInstall install;
    install.writeText(QStringLiteral("files/新音ファイル.txt"), text);
    return SoundTable::read(install.filesFolder() + QStringLiteral("新音ファイル.txt"));
}

TEST(SoundTable, GroupsStoreNamesAndTheirCount)
{
    const SoundTable t = tableFrom(QStringLiteral("ごみ,正解音2,a,b,c,*\r\n間違い音1\r\nx\r\n*\r\n余分"));
    EXPECT_EQ(t.name(2), QStringLiteral("正解音2"));
    EXPECT_EQ(t.fileCount(2), 3);
    EXPECT_EQ(t.fileName(2, 1), QStringLiteral("a"));
    EXPECT_EQ(t.fileName(2, 3), QStringLiteral("c"));
    EXPECT_EQ(t.fileCount(3), 1);
    EXPECT_EQ(t.fileName(3, 1), QStringLiteral("x"));
    EXPECT_EQ(t.fileCount(4), 0);
}

TEST(SoundTable, AGroupOfMoreThanTwentyNamesStoresNoCount)
{
    QString text = QStringLiteral("正解音2");
    for (int i = 1; i <= 21; ++i)
        text += QStringLiteral(",f%1").arg(i);
    text += QStringLiteral(",*");
    const SoundTable t = tableFrom(text);
    EXPECT_EQ(t.fileCount(2), 0);
    EXPECT_EQ(t.fileName(2, 20), QStringLiteral("f20"));
}

struct Rig
{
    SoundTable table = tableFrom(QStringLiteral("正解音2,a,b,c,*\r\n間違い音1,y,*\r\n間違い音2,w,*\r\n自己最高音2,o,*\r\n不合格音1,f,*"));
    FakeSoundPlayer player;
    ScriptedRandom random{{0.0, 0.4, 0.99}};
    QList<QStringList> fatal;
    SoundEffects effects{table, QStringLiteral("/snd/"), player, random,
                         [this](const QString &title, const QString &text) { fatal.append({title, text}); }};
};

TEST(SoundEffects, EachOperationPlaysItsKindFromTheSoundFolder)
{
    Rig rig;
    rig.effects.CorrectSound();
    rig.effects.CorrectSound();
    rig.effects.CorrectSound();
    rig.effects.WrongYearSound();
    rig.effects.WrongAnswerSound();
    rig.effects.OwnBestSound();
    rig.effects.FailSound();
    rig.effects.BestFixedSound();
    rig.effects.PassFixedSound();
    const QStringList expected = {"/snd/a.wav", "/snd/b.wav", "/snd/c.wav", "/snd/y.wav", "/snd/w.wav",
                                  "/snd/o.wav", "/snd/f.wav", "/snd/最高1.wav", "/snd/合格.wav"};
    EXPECT_EQ(rig.player.played, expected);
    EXPECT_TRUE(rig.fatal.isEmpty());
}

TEST(SoundEffects, TheFourthFailureInARowEndsWithTheMessageAndErrorText)
{
    Rig rig;
    for (int i = 0; i < 4; ++i)
        rig.player.results.push_back({263, QStringLiteral("装置がありません")});
    for (int i = 0; i < 3; ++i)
        rig.effects.WrongAnswerSound();
    EXPECT_EQ(rig.effects.soundFailCount(), 3);
    EXPECT_TRUE(rig.fatal.isEmpty());
    rig.effects.CorrectSound();
    ASSERT_EQ(rig.fatal.size(), 1);
    EXPECT_EQ(rig.fatal[0][0], QStringLiteral("音声エラー"));
    EXPECT_EQ(rig.fatal[0][1], QStringLiteral("音声がでません。先生を呼びなさい。\r\n装置がありません"));
}

TEST(SoundEffects, ASuccessResetsTheCountAndUncheckedPlaysNeverCount)
{
    Rig rig;
    for (int i = 0; i < 3; ++i)
        rig.player.results.push_back({1, QStringLiteral("x")});
    rig.player.results.push_back({0, {}});
    for (int i = 0; i < 4; ++i)
        rig.effects.WrongYearSound();
    EXPECT_EQ(rig.effects.soundFailCount(), 0);

    for (int i = 0; i < 6; ++i)
        rig.player.results.push_back({1, QStringLiteral("x")});
    for (int i = 0; i < 6; ++i)
        rig.effects.FailSound();
    EXPECT_EQ(rig.effects.soundFailCount(), 0);
    EXPECT_TRUE(rig.fatal.isEmpty());
}

TEST(SoundEffects, AKindWithoutFilesPlaysAnEmptyNameAndCountsAsAFailure)
{
    SoundTable empty = tableFrom(QStringLiteral("正解音2,a,*"));
    FakeSoundPlayer player;
    ScriptedRandom random{{0.5}};
    int fatal = 0;
    SoundEffects effects(empty, QStringLiteral("/snd/"), player, random, [&](const QString &, const QString &) { ++fatal; });
    player.results.push_back({2, QStringLiteral("no file")});
    effects.WrongAnswerSound();
    EXPECT_EQ(player.played, QStringList{QStringLiteral("/snd/.wav")});
    EXPECT_EQ(effects.soundFailCount(), 1);
    EXPECT_EQ(fatal, 0);
}

} // namespace
