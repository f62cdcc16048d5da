#include "soundeffects.h"

#include "randomsource.h"
#include "soundtable.h"

SoundEffects::SoundEffects(const SoundTable &table, QString soundFolder, SoundPlayer &player,
                           RandomSource &random, FatalHandler onFatal)
    : m_table(table)
    , m_soundFolder(std::move(soundFolder))
    , m_player(player)
    , m_random(random)
    , m_onFatal(std::move(onFatal))
{
}

PlayResult SoundEffects::playFile(const QString &fileName)
{
    return m_player.play(m_soundFolder + fileName);
}

PlayResult SoundEffects::playRandom(int kind)
{
    const int index = m_random.choose(m_table.fileCount(kind));
    return playFile(m_table.fileName(kind, index) + QStringLiteral(".wav"));
}

void SoundEffects::checkFailure(const PlayResult &result)
{
    if (result.code == 0) {
        m_failCount = 0;
        return;
    }
    if (m_failCount < 3) {
        ++m_failCount;
        return;
    }
    m_onFatal(QStringLiteral("音声エラー"),
              QStringLiteral("音声がでません。先生を呼びなさい。\r\n") + result.text);
}

void SoundEffects::CorrectSound()
{
    checkFailure(playRandom(SoundTable::Correct2));
}

void SoundEffects::WrongYearSound()
{
    checkFailure(playRandom(SoundTable::Wrong1));
}

void SoundEffects::WrongAnswerSound()
{
    checkFailure(playRandom(SoundTable::Wrong2));
}

void SoundEffects::OwnBestSound()
{
    playRandom(SoundTable::OwnBest2);
}

void SoundEffects::FailSound()
{
    playRandom(SoundTable::Fail1);
}

void SoundEffects::BestFixedSound()
{
    playFile(QStringLiteral("最高1.wav"));
}

void SoundEffects::PassFixedSound()
{
    playFile(QStringLiteral("合格.wav"));
}
